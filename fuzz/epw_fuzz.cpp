// Feeds arbitrary text to the weather import, which reads it as an EPW file
// and writes the climate and soil files.
//
// Input: one byte, then the text. A whole year of rows does not fit in a
// short input, so bit 0 of the byte makes the text's rows templates: after
// the text's first eight lines, one row is written for every hour of a year,
// its date fields set and the rest taken from the templates in turn. Bit 1
// adds the rows of February 29, bit 2 writes the year backwards, bit 3 leaves
// out one hour and bit 4 writes one twice (the hour is the next two bytes).
// Without bit 0 the text is the file as it stands. A climate file the import
// wrote is read back with its checks; with bit 5 the text itself is read as a
// climate file instead.
#include <arqaux/arqaux.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "fuzz_comum.h"

namespace {

constexpr int kDiasMes[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// The text's lines, without their "\n".
std::vector<std::string> Linhas(const fuzz::TCursor& c) {
  std::vector<std::string> linhas(1);
  for (size_t i = 0; i < c.Resto(); ++i) {
    const char ch = static_cast<char>(c.Dados()[i]);
    if (ch == '\n') {
      linhas.emplace_back();
    } else {
      linhas.back() += ch;
    }
  }
  return linhas;
}

// The year's rows from the templates after the first eight lines.
std::string Ano(const std::vector<std::string>& linhas, uint8_t escolha, int hora_escolhida) {
  std::string texto;
  for (size_t i = 0; i < linhas.size() && i < 8; ++i) texto += linhas[i] + "\n";
  if (linhas.size() <= 8) return texto;
  std::vector<std::string> caudas;  // each template past its fourth comma
  for (size_t i = 8; i < linhas.size(); ++i) {
    size_t p = 0;
    for (int k = 0; k < 4 && p != std::string::npos; ++k) p = linhas[i].find(',', p + (k > 0));
    caudas.push_back(p == std::string::npos ? "" : linhas[i].substr(p));
  }
  std::vector<std::string> linhas_ano;
  int hora = 0;
  for (int m = 0; m < 12; ++m) {
    for (int d = 1; d <= kDiasMes[m]; ++d) {
      const bool dia_29 = m == 1 && d == 29;
      if (dia_29 && (escolha & 2) == 0) continue;
      for (int h = 1; h <= 24; ++h, ++hora) {
        char data[32];
        std::snprintf(data, sizeof data, "2004,%d,%d,%d", m + 1, d, h);
        const std::string linha = data + caudas[hora % caudas.size()];
        const bool esta = hora == hora_escolhida;
        if (!(esta && (escolha & 8))) linhas_ano.push_back(linha);
        if (esta && (escolha & 16)) linhas_ano.push_back(linha);
      }
    }
  }
  if (escolha & 4) linhas_ano.assign(linhas_ano.rbegin(), linhas_ano.rend());
  for (const std::string& l : linhas_ano) texto += l + "\n";
  return texto;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  fuzz::TCursor c(dados, tamanho);
  const uint8_t escolha = c.Byte();
  std::string texto;
  if (escolha & 1) {
    const int hora = (c.Byte() | c.Byte() << 8) % 8784;
    texto = Ano(Linhas(c), escolha, hora);
  } else {
    texto.assign(reinterpret_cast<const char*>(c.Dados()), c.Resto());
  }
  const std::string epw = fuzz::Arquivo("entrada.epw");
  if (!fuzz::Grava(epw, reinterpret_cast<const uint8_t*>(texto.data()), texto.size())) return 0;
  TClima_EPW clima;
  const std::string clima_bin = fuzz::Arquivo("clima.bin");
  if (escolha & 32) {
    // The text as a climate file, read back with the import's checks.
    TClima_EPW lido;
    if (fuzz::Grava(clima_bin, reinterpret_cast<const uint8_t*>(texto.data()), texto.size())) {
      Geren_ArqAux()->Le_Clima_EPW(clima_bin.c_str(), &lido);
    }
    return 0;
  }
  if (Geren_ArqAux()->Importa_EPW(epw.c_str(), clima_bin.c_str(), fuzz::Arquivo("solo.bin").c_str(),
                                  &clima)) {
    TClima_EPW lido;
    Geren_ArqAux()->Le_Clima_EPW(clima_bin.c_str(), &lido);
  }
  return 0;
}
