// Controller-output and occupancy streams and the controller-output report.
//
// A controller-output record is k + 1 floats: k, the number of outputs, stored
// as a float, then the k outputs. An occupancy record is an int32 then a float.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "arqaux/geren_arquivoaux.h"
#include "text/binario.h"

namespace {

// Most outputs a controller-output record may claim. The writer takes the
// record's length from its first float, so a count beyond this (or a negative
// or non-numeric one) is refused instead of read past the caller's array.
constexpr float kMax_Saidas = 65535.0f;

}  // namespace

void TGeren_ArquivoAux::Preenche_Cabecalho_Saida_Cont(int n, int valor) {
  FILE* arq = Seleciona_Arquivo(n);
  const int32_t v = valor;
  if (arq != nullptr) arqaux::Grava_Bloco(arq, &v, sizeof v);
}

void TGeren_ArquivoAux::Grava_Saida_Cont(int n, const float* registro) {
  FILE* arq = Seleciona_Arquivo(n);
  if (arq == nullptr || registro == nullptr) return;
  const float k = std::trunc(registro[0]);
  if (!(k >= 0.0f && k <= kMax_Saidas)) return;
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
  *valor_inteiro = v;
  return arqaux::Le_Bloco(arq, valor_real, sizeof(float));
}
