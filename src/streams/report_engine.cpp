#include "streams/report_engine.h"

#include <cstdint>
#include <utility>

#include "arqaux/formatos.h"

namespace arqaux {

const char kCauda_Cabecalho[] =
    "[M\xEA"
    "s]  [Dia]  [Hora]\n";

namespace {

constexpr int kSegundos_Hora = 3600;

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

TRelatorio_Amostrado::TRelatorio_Amostrado(TDescricao_Relatorio descricao, Seletor seletor)
    : descricao_(std::move(descricao)), seletor_(std::move(seletor)) {
  for (const TColuna& coluna : descricao_.colunas) {
    TColuna_Pronta pronta = {coluna.valor, coluna.escala,
                             TFormato_Compilado(coluna.dado.texto, "f"),
                             TFormato_Compilado(coluna.media.texto, "f")};
    valido_ = valido_ && coluna.rotulo.texto != nullptr && coluna.valor >= 0 &&
              coluna.valor < descricao_.num_valores && pronta.dado.Valido() &&
              (coluna.media.texto == nullptr || pronta.media.Valido());
    colunas_.push_back(std::move(pronta));
  }
  relogio_ =
      TFormato_Compilado(descricao_.relogio == TFormato_Relogio::Tabulado ? "\t  %d     %d      %s"
                                                                          : "  %d      %d    %s",
                         "dds");
}

void TRelatorio_Amostrado::Escreve_Cabecalho(FILE* arq, const TTempo& inicio, const TTempo& fim,
                                             int intervalo) const {
  if (!valido_) return;
  std::fputs(descricao_.titulo.c_str(), arq);
  Escreve_Periodo(arq, descricao_.periodo, inicio, fim);
  Escreve_Intervalo(arq, intervalo);
  std::fputs(descricao_.antes_rotulos, arq);
  for (const TColuna& coluna : descricao_.colunas) std::fputs(coluna.rotulo.texto, arq);
  std::fputs(descricao_.depois_rotulos, arq);
  std::fputs(kCauda_Cabecalho, arq);
}

// What the lines of one report carry from record to record.
struct TRelatorio_Amostrado::TEstado_Linhas {
  TGeren_Tempo* geren_tempo;
  TTempo relogio;
  int intervalo;
  const Fim_Hora& fim_hora;
  std::vector<float> valores;
  std::vector<float> somas;
  int contagem = 0;
  // Wide enough that no sampling interval can overflow it over any stream.
  int64_t decorridos = 0;
};

void TRelatorio_Amostrado::Escreve_Relogio(TEstado_Linhas* e, std::string* linha) const {
  if (descricao_.relogio == TFormato_Relogio::Carimbo_Horario) {
    // The stamp names the hour whose samples begin on this line: the first
    // line keeps the start hour, and each later stamp moves the clock on by
    // the whole hours of samples since the previous one, in one step.
    if (e->decorridos % kSegundos_Hora == 0) {
      const int64_t horas = (e->decorridos / kSegundos_Hora) %
                            ARQAUX_HORAS_ANO;  // a whole year brings the clock back to itself
      e->geren_tempo->Avanca_X_Segundos(static_cast<int>(horas * kSegundos_Hora), &e->relogio);
      char carimbo[48];
      const int k = std::snprintf(carimbo, sizeof carimbo, "\t   %d     %d     %d", e->relogio.Mes,
                                  e->relogio.Dia, e->relogio.Hora);
      if (k > 0) linha->append(carimbo, static_cast<size_t>(k));
      e->decorridos = 0;
    }
    e->decorridos += e->intervalo;
    return;
  }
  for (size_t i = 0; i < e->somas.size(); ++i) e->somas[i] += e->valores[i];
  e->decorridos += e->intervalo;
  char hora[12];
  e->geren_tempo->Avanca_X_Segundos(e->intervalo, &e->relogio);
  e->geren_tempo->R_Hora_Formatada(hora, &e->relogio);
  relogio_.Formata(linha, e->relogio.Mes, e->relogio.Dia, hora);
  ++e->contagem;
  if (e->decorridos != kSegundos_Hora || e->intervalo >= kSegundos_Hora) return;
  e->decorridos = 0;
  linha->append("\t(Media da Hora : [");
  for (const TColuna_Pronta& coluna : colunas_) {
    coluna.media.Formata(linha, e->somas[coluna.valor] * coluna.escala / e->contagem);
  }
  e->contagem = 0;
  for (float& soma : e->somas) soma = 0.0f;
  if (e->fim_hora) e->fim_hora();
  linha->push_back(']');
}

void TRelatorio_Amostrado::Escreve_Linhas(int binario, int texto, const Leitor& leitor,
                                          const TTempo& inicio, int intervalo,
                                          const Fim_Linha& fim_linha,
                                          const Fim_Hora& fim_hora) const {
  FILE* bin = valido_ ? seletor_.seleciona(binario) : nullptr;
  if (bin == nullptr) return;
  long posicao = std::ftell(bin);
  const int n = descricao_.num_valores;
  TEstado_Linhas e = {DLL_UTIL_Geren_Tempo(),
                      TTempo(),
                      intervalo,
                      fim_hora,
                      std::vector<float>(static_cast<size_t>(n)),
                      std::vector<float>(static_cast<size_t>(n))};
  e.relogio.Hora = inicio.Hora;
  e.relogio.Mes = inicio.Mes;
  e.relogio.Dia = inicio.Dia;
  e.relogio.Tempo = descricao_.relogio_com_segundos ? inicio.Tempo : 0;
  // Each line is built here and written in one piece; its capacity is kept
  // from line to line.
  std::string linha;
  while (leitor(e.valores.data(), n)) {
    bin = seletor_.seleciona(binario);
    const long depois = bin != nullptr ? std::ftell(bin) : -1;
    if (depois <= posicao) return;
    posicao = depois;
    FILE* arq = seletor_.seleciona(texto);
    if (arq == nullptr) return;
    linha.clear();
    for (const TColuna_Pronta& coluna : colunas_) {
      coluna.dado.Formata(&linha, e.valores[coluna.valor] * coluna.escala);
    }
    Escreve_Relogio(&e, &linha);
    if (fim_linha) {
      std::fwrite(linha.data(), 1, linha.size(), arq);
      linha.clear();
      fim_linha(e.relogio, e.valores.data());
      arq = seletor_.seleciona(texto);
      if (arq == nullptr) return;
    }
    linha.push_back('\n');
    std::fwrite(linha.data(), 1, linha.size(), arq);
  }
}

void TRelatorio_Amostrado::Converte(int binario, int texto, const Leitor& leitor,
                                    const TTempo* inicio, const TTempo* fim, int intervalo) const {
  if (!valido_ || inicio == nullptr || fim == nullptr) return;
  const auto& registrado = seletor_.registrado;
  if (registrado && !(registrado(binario) && registrado(texto))) return;
  if (seletor_.seleciona(binario) == nullptr) return;
  FILE* arq = seletor_.seleciona(texto);
  if (arq == nullptr) return;
  Escreve_Cabecalho(arq, *inicio, *fim, intervalo);
  Escreve_Linhas(binario, texto, leitor, *inicio, intervalo);
}

}  // namespace arqaux
