// Controller-output and occupancy streams and the controller-output report.
//
// A controller-output record is k + 1 floats: k, the number of outputs, stored
// as a float, then the k outputs. An occupancy record is an int32 then a float.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "arqaux/geren_arquivoaux.h"
#include "streams/report_engine.h"
#include "text/binario.h"

void TGeren_ArquivoAux::Preenche_Cabecalho_Saida_Cont(int n, int valor) {
  FILE* arq = Seleciona_Arquivo(n);
  const int32_t v = valor;
  if (arq != nullptr) arqaux::Grava_Bloco(arq, &v, sizeof v);
}

void TGeren_ArquivoAux::Grava_Saida_Cont(int n, const float* registro) {
  FILE* arq = Seleciona_Arquivo(n);
  if (arq == nullptr || registro == nullptr) return;
  const float k = std::trunc(registro[0]);
  // The record's length comes from its first float: a count that cannot be
  // right is refused rather than read past the caller's array.
  if (!(k >= 0.0f && k <= static_cast<float>(Max_Saidas_Cont))) return;
  arqaux::Grava_Bloco(arq, registro, sizeof(float), static_cast<size_t>(k) + 1);
}

bool TGeren_ArquivoAux::Le_Saida_Cont(int n, float* registro, int quantidade) {
  FILE* arq = Seleciona_Arquivo(n);
  if (arq == nullptr || quantidade < 0 || (quantidade > 0 && registro == nullptr)) return false;
  return quantidade == 0 || arqaux::Le_Bloco(arq, registro, sizeof(float), quantidade);
}

bool TGeren_ArquivoAux::Grava_Pessoas_no_Ambiente(int n, int valor_inteiro, float valor_real) {
  FILE* arq = Seleciona_Arquivo(n);
  if (arq == nullptr) return false;
  unsigned char registro[8];
  const int32_t v = valor_inteiro;
  std::memcpy(registro, &v, 4);
  std::memcpy(registro + 4, &valor_real, 4);
  arqaux::Grava_Bloco(arq, registro, sizeof registro);
  return true;
}

bool TGeren_ArquivoAux::Le_Pessoas_no_Ambiente(int n, int* valor_inteiro, float* valor_real) {
  FILE* arq = Seleciona_Arquivo(n);
  if (arq == nullptr) return false;
  int32_t v;
  if (!arqaux::Le_Bloco(arq, &v, sizeof v)) return false;
  if (valor_inteiro != nullptr) *valor_inteiro = v;
  float r;
  if (!arqaux::Le_Bloco(arq, &r, sizeof r)) return false;
  if (valor_real != nullptr) *valor_real = r;
  return true;
}

// The report shows one output per record, with a clock stamp at each hour of
// samples instead of hourly averages. An index outside 0..saidas (0 being the
// count) or a negative or oversized saidas names no value of the record: the
// converter then writes nothing at all.
void TGeren_ArquivoAux::Converte_Binario_Texto_SC(int binario, int texto, const TTempo* inicio,
                                                  const TTempo* fim, int intervalo, int saidas,
                                                  int indice) {
  if (saidas < 0 || saidas > Max_Saidas_Cont || indice < 0 || indice > saidas) return;
  arqaux::TDescricao_Relatorio descricao;
  descricao.periodo = arqaux::TFormato_Periodo::Horas;
  descricao.relogio = arqaux::TFormato_Relogio::Carimbo_Horario;
  descricao.num_valores = 1;
  descricao.colunas = {{"[Saida_Contr] ", 0, "%.1f", nullptr}};
  std::vector<float> registro(static_cast<size_t>(saidas) + 1);
  auto leitor = [&](float* v) {
    if (!Le_Saida_Cont(binario, registro.data(), saidas + 1)) return false;
    v[0] = registro[indice];
    return true;
  };
  arqaux::TRelatorio_Amostrado relatorio(descricao, [this](int n) { return Seleciona_Arquivo(n); });
  relatorio.Converte(binario, texto, true, leitor, inicio, fim, intervalo);
}
