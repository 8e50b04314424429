// Controller-output and occupancy streams and the controller-output report.
//
// A controller-output record is k + 1 floats: k, the number of outputs, stored
// as a float, then the k outputs. An occupancy record is an int32 then a float.
// Since k comes from a float, a damaged stream may give it negative, not a
// number or 1e30: the writer and the report refuse a k above Max_Saidas_Cont
// (no zone has as many outputs), so neither reads or allocates without bound.
// The report's clock stamp at each hour of samples moves the clock on by all
// the hours since the last stamp.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "arqaux/contracts/utility.h"
#include "arqaux/formatos.h"
#include "arqaux/geren_arquivoaux.h"
#include "engine/binario.h"
#include "engine/report_engine.h"

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
  unsigned char registro[ARQAUX_TAM_REGISTRO_PESSOAS];
  const int32_t v = valor_inteiro;
  std::memcpy(registro, &v, 4);
  std::memcpy(registro + 4, &valor_real, 4);
  return arqaux::Grava_Bloco(arq, registro, sizeof registro) && std::ferror(arq) == 0;
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
// samples instead of hourly averages. The reader takes the whole record
// (the count, then saidas outputs) and the column shows position indice of
// it, so an index outside 0..saidas names no value and the report, being
// not valid, writes nothing; so does saidas outside 0..Max_Saidas_Cont,
// before anything is allocated.
void TGeren_ArquivoAux::Converte_Binario_Texto_SC(int binario, int texto, const TTempo* inicio,
                                                  const TTempo* fim, int intervalo, int saidas,
                                                  int indice) {
  using namespace arqaux::literais;
  if (saidas < 0 || saidas > Max_Saidas_Cont) return;
  arqaux::TDescricao_Relatorio descricao;
  descricao.periodo = arqaux::TFormato_Periodo::Horas;
  descricao.relogio = arqaux::TFormato_Relogio::Carimbo_Horario;
  descricao.num_valores = saidas + 1;
  descricao.colunas = {{"[Saida_Contr] "_rotulo, indice, "%.1f"_linha, {}}};
  arqaux::TRelatorio_Amostrado(descricao, Seletor_Relatorios())
      .Converte(binario, texto, arqaux::Registro_Reais(saidas + 1), inicio, fim, intervalo);
}
