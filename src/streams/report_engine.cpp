#include "streams/report_engine.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

namespace arqaux {

const char kCauda_Cabecalho[] =
    "[M\xEA"
    "s]  [Dia]  [Hora]\n";

namespace {

constexpr int kSegundos_Hora = 3600;
// Advancing a clock by a whole 365-day year brings it back to itself.
constexpr int64_t kHoras_Ano = 8760;

}  // namespace

void Escreve_Periodo(FILE* arq, TFormato_Periodo formato, const TTempo& inicio, const TTempo& fim) {
  if (formato == TFormato_Periodo::Horas_Cheias) {
    std::fprintf(arq, "[Inicio: %d/%d as %d:00:00", inicio.Dia, inicio.Mes, inicio.Hora);
    std::fprintf(arq, " - Fim: %d/%d as %d:59:59 h]\n", fim.Dia, fim.Mes, fim.Hora);
  } else {
    std::fprintf(arq, "[Inicio: %d/%d as %d h", inicio.Dia, inicio.Mes, inicio.Hora);
    std::fprintf(arq, " - Fim: %d/%d as %d h]\n", fim.Dia, fim.Mes, fim.Hora);
  }
}

void Escreve_Intervalo(FILE* arq, int intervalo) {
  std::fprintf(arq, "[Intervalo de Amostragem = %d s]\n", intervalo);
}

TRelatorio_Amostrado::TRelatorio_Amostrado(const TDescricao_Relatorio& descricao, Seletor seletor)
    : descricao_(descricao), seletor_(std::move(seletor)) {
  // A column must name a value of the record; one that does not is dropped
  // rather than read outside the record.
  std::vector<TColuna>& colunas = descricao_.colunas;
  for (size_t i = colunas.size(); i-- > 0;) {
    if (colunas[i].valor < 0 || colunas[i].valor >= descricao_.num_valores) {
      colunas.erase(colunas.begin() + static_cast<std::ptrdiff_t>(i));
    }
  }
  for (const TColuna& coluna : colunas) {
    colunas_.push_back({coluna.valor, coluna.escala, TFormato_Compilado(coluna.formato, "f"),
                        TFormato_Compilado(coluna.formato_media, "f")});
  }
  relogio_ =
      TFormato_Compilado(descricao_.relogio == TFormato_Relogio::Tabulado ? "\t  %d     %d      %s"
                                                                          : "  %d      %d    %s",
                         "dds");
}

void TRelatorio_Amostrado::Escreve_Cabecalho(FILE* arq, const TTempo& inicio, const TTempo& fim,
                                             int intervalo) const {
  std::fputs(descricao_.titulo, arq);
  Escreve_Periodo(arq, descricao_.periodo, inicio, fim);
  Escreve_Intervalo(arq, intervalo);
  std::fputs(descricao_.antes_rotulos, arq);
  for (const TColuna& coluna : descricao_.colunas) std::fputs(coluna.rotulo, arq);
  std::fputs(descricao_.depois_rotulos, arq);
  std::fputs(kCauda_Cabecalho, arq);
}

void TRelatorio_Amostrado::Escreve_Linhas(int texto, const Leitor& leitor, const TTempo& inicio,
                                          int intervalo, const Fim_Linha& fim_linha,
                                          const Fim_Hora& fim_hora) {
  TGeren_Tempo* geren_tempo = DLL_UTIL_Geren_Tempo();
  TTempo relogio;
  relogio.Hora = inicio.Hora;
  relogio.Mes = inicio.Mes;
  relogio.Dia = inicio.Dia;
  relogio.Tempo = descricao_.relogio_com_segundos ? inicio.Tempo : 0;

  const size_t n = descricao_.num_valores > 0 ? static_cast<size_t>(descricao_.num_valores) : 0;
  std::vector<float> valores(n, 0.0f);
  std::vector<float> somas(n, 0.0f);
  int contagem = 0;
  // Wide enough that no sampling interval can overflow it over any stream.
  int64_t decorridos = 0;
  const bool carimbo = descricao_.relogio == TFormato_Relogio::Carimbo_Horario;
  char hora[12];
  // Each line is built here and written in one piece; its capacity is kept
  // from line to line.
  std::string linha;

  while (leitor(valores.data())) {
    FILE* arq = seletor_(texto);
    if (arq == nullptr) return;
    linha.clear();
    for (const TColuna_Pronta& coluna : colunas_) {
      coluna.dado.Formata(&linha, valores[coluna.valor] * coluna.escala);
    }
    if (carimbo) {
      // The stamp names the hour whose samples begin on this line: the first
      // line keeps the start hour, and each later stamp moves the clock on by
      // the whole hours of samples since the previous one.
      if (decorridos % kSegundos_Hora == 0) {
        int64_t horas = decorridos > 0 ? (decorridos / kSegundos_Hora) % kHoras_Ano : 0;
        for (; horas > 0; --horas) geren_tempo->Avanca_UmaHora(&relogio);
        char texto_carimbo[48];
        const int k = std::snprintf(texto_carimbo, sizeof texto_carimbo, "\t   %d     %d     %d",
                                    relogio.Mes, relogio.Dia, relogio.Hora);
        if (k > 0) linha.append(texto_carimbo, static_cast<size_t>(k));
        decorridos = 0;
      }
      decorridos += intervalo;
    } else {
      for (size_t i = 0; i < n; ++i) somas[i] += valores[i];
      decorridos += intervalo;
      geren_tempo->Avanca_X_Segundos(intervalo, &relogio);
      geren_tempo->R_Hora_Formatada(hora, &relogio);
      relogio_.Formata(&linha, relogio.Mes, relogio.Dia, hora);
      ++contagem;
      if (decorridos == kSegundos_Hora && intervalo < kSegundos_Hora) {
        decorridos = 0;
        linha.append("\t(Media da Hora : [");
        for (const TColuna_Pronta& coluna : colunas_) {
          const float media = somas[coluna.valor] * coluna.escala / contagem;
          coluna.media.Formata(&linha, media);
        }
        contagem = 0;
        for (float& soma : somas) soma = 0.0f;
        if (fim_hora) fim_hora();
        linha.push_back(']');
      }
    }
    if (fim_linha) {
      std::fwrite(linha.data(), 1, linha.size(), arq);
      linha.clear();
      fim_linha(relogio, valores.data());
      arq = seletor_(texto);
      if (arq == nullptr) return;
    }
    linha.push_back('\n');
    std::fwrite(linha.data(), 1, linha.size(), arq);
  }
}

void TRelatorio_Amostrado::Converte(int binario, int texto, bool tem_dados, const Leitor& leitor,
                                    const TTempo* inicio, const TTempo* fim, int intervalo) {
  if (inicio == nullptr || fim == nullptr) return;
  FILE* bin = seletor_(binario);
  if (bin == nullptr) return;
  long posicao = std::ftell(bin);
  FILE* arq = seletor_(texto);
  if (arq == nullptr) return;
  Escreve_Cabecalho(arq, *inicio, *fim, intervalo);
  if (!tem_dados) return;
  // The registry may close the binary stream to free a handle for the text
  // stream; reopened, it reads again from its first byte. A record must
  // therefore leave the stream further on than the previous one did, or the
  // report would repeat the file without end.
  auto leitor_que_avanca = [&](float* valores) {
    if (!leitor(valores)) return false;
    FILE* lido = seletor_(binario);
    if (lido == nullptr) return false;
    const long depois = std::ftell(lido);
    if (depois <= posicao) return false;
    posicao = depois;
    return true;
  };
  Escreve_Linhas(texto, leitor_que_avanca, *inicio, intervalo);
}

}  // namespace arqaux
