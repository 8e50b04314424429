#include <arqaux/dados.h>

#include <cstring>
#include <string>
#include <vector>

#include "textos.h"

std::string Campo_CSV(const std::string& texto) {
  if (texto.find_first_of(",\"\r\n") == std::string::npos) return texto;
  std::string campo = "\"";
  for (char c : texto) campo += c == '"' ? std::string("\"\"") : std::string(1, c);
  return campo + "\"";
}

namespace {

constexpr long long kSegundosDia = 86400;

// The ISO text of a row's time, its date kept from the row before: rows a
// step apart share their day for many rows, and only the clock is written.
class TTexto_Tempo {
 public:
  explicit TTexto_Tempo(int ano) : ano_(ano) {}
  // Texto_ISO(segundos, ano_) into texto: its length.
  size_t Escreve(long long segundos, char* texto) {
    if (segundos < 0) {
      const std::string iso = Texto_ISO(segundos, ano_);
      std::memcpy(texto, iso.data(), iso.size());
      return iso.size();
    }
    const long long dia = segundos / kSegundosDia;
    if (dia != dia_) {
      data_ = Texto_ISO(dia * kSegundosDia, ano_);
      data_.resize(data_.find('T') + 1);
      dia_ = dia;
    }
    std::memcpy(texto, data_.data(), data_.size());
    char* p = texto + data_.size();
    const long long resto = segundos % kSegundosDia;
    const int partes[3] = {static_cast<int>(resto / 3600), static_cast<int>(resto / 60 % 60),
                           static_cast<int>(resto % 60)};
    for (int k = 0; k < 3; ++k) {
      if (k > 0) *p++ = ':';
      *p++ = static_cast<char>('0' + partes[k] / 10);
      *p++ = static_cast<char>('0' + partes[k] % 10);
    }
    return static_cast<size_t>(p - texto);
  }

 private:
  int ano_;
  long long dia_ = -1;
  std::string data_;
};

}  // namespace

long long Exporta_CSV(TSerie* s, int ano, std::FILE* saida, std::string* erro) {
  erro->clear();
  std::string cabecalho = "time,interval [s],hour_of_year [h]";
  for (const TColuna& c : s->Colunas()) cabecalho += "," + Campo_CSV(c.Titulo());
  cabecalho += "\r\n";
  bool ok = std::fputs(cabecalho.c_str(), saida) >= 0;
  // Rows are made in a buffer of about a mebibyte and written whole; a row
  // begins before kBloco and is never longer than maior_linha.
  constexpr size_t kBloco = 1 << 20, kLinhasBloco = 4096;
  const size_t colunas = s->Colunas().size();
  const size_t maior_linha = 64 + (colunas + 2) * (kTamTextoValor + 1);
  std::vector<char> buffer(kBloco + maior_linha);
  char* p = buffer.data();
  const std::string intervalo = "," + std::to_string(s->Intervalo()) + ",";
  TTexto_Tempo tempo(ano);
  std::vector<double> valores;
  std::vector<long long> segundos;
  long long linhas = 0;
  while (ok) {
    const size_t n = s->Le_Bloco(kLinhasBloco, &valores, &segundos);
    if (n == 0) break;
    for (size_t r = 0; r < n && ok; ++r) {
      if (!Cabe_No_Calendario(segundos[r], ano)) {
        *erro = Falha_Calendario(ano);
        return -1;
      }
      p += tempo.Escreve(segundos[r], p);
      std::memcpy(p, intervalo.data(), intervalo.size());
      p += intervalo.size();
      p += Escreve_Horas(segundos[r], p);
      for (size_t c = 0; c < colunas; ++c) {
        *p++ = ',';
        p += Escreve_Valor(valores[r * colunas + c], p);
      }
      *p++ = '\r';
      *p++ = '\n';
      ++linhas;
      if (static_cast<size_t>(p - buffer.data()) >= kBloco) {
        ok = std::fwrite(buffer.data(), 1, p - buffer.data(), saida) ==
             static_cast<size_t>(p - buffer.data());
        p = buffer.data();
      }
    }
  }
  if (ok && p != buffer.data()) {
    ok = std::fwrite(buffer.data(), 1, p - buffer.data(), saida) ==
         static_cast<size_t>(p - buffer.data());
  }
  // A write error may only show when the buffer goes out.
  return ok && std::fflush(saida) == 0 && std::ferror(saida) == 0 ? linhas : -1;
}
