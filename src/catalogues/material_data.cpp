// Material reference data, read from the current stream.
//
// The hourly damping table: blocks of a heading "[a;b;m]" and m lines of a
// line key and 24 values separated by white space,
//
//   [1;2;2]
//   {[10][0.95 0.93 ... 0.91]}
//   {[20][0.88 0.86 ... 0.84]}
//
// searched from the stream's position; a search that goes on past its match
// finds only lines that follow it. The rise-and-fall table: records of a key
// line and seven rising and seven falling values,
//
//   [1;2]
//   {[Subida]=[0.1;0.2;0.3;0.4;0.5;0.6;0.7]}
//   {[Descida]=[0.7;0.6;0.5;0.4;0.3;0.2;0.1]}
//
// searched from the start. Both look at most at 12 blocks or records. The
// transmittance table is 101 lines of an index and five values; the
// isotherm, lines of two double-precision values.
#include <cstdint>
#include <cstring>
#include <vector>

#include "arqaux/geren_arquivoaux.h"
#include "engine/linhas_config.h"

using arqaux::Campo;
using arqaux::Elemento;
using arqaux::Separado;
using arqaux::TCampo;
using arqaux::TLinha;
using arqaux::Vetor;

namespace {

// Blocks or records a damping search looks at.
constexpr int kMaxBlocos = 12;
constexpr int kValoresHora = 24;
constexpr int kValoresSubida = 7;
// Lines and value columns of the transmittance table.
constexpr int kLinhasU = 101;
constexpr int kColunasU = 5;

struct TValores_Hora {
  int32_t a = 0, b = 0, linhas = 0, chave = 0;
  float valores[kValoresHora] = {};
};
using TH = TValores_Hora;
const TLinha<TH> kBlocoHora = {"[%d;%d;%d]\n", {Campo(&TH::a), Campo(&TH::b), Campo(&TH::linhas)}};
// A line's key and values; its closing "]}" is matched when there, not
// required.
const TLinha<TH> kLinhaHora[] = {{"{[%d][", {Campo(&TH::chave)}},
                                 {"%f", {Separado(Vetor(&TH::valores, kValoresHora), " ")}}};
const TLinha<TH> kFechoHora = {"]}\n", std::vector<TCampo<TH>>{}};

struct TValores_Subida {
  int32_t a = 0, b = 0;
  float valores[2 * kValoresSubida] = {};
};
using TS = TValores_Subida;

std::vector<TCampo<TS>> Sete(int inicio) {
  std::vector<TCampo<TS>> campos;
  for (int k = 0; k < kValoresSubida; ++k) campos.push_back(Elemento(&TS::valores, inicio + k));
  return campos;
}
const TLinha<TS> kRegistroSubida[] = {
    {"[%d;%d]\n", {Campo(&TS::a), Campo(&TS::b)}},
    {"{[Subida]=[%f;%f;%f;%f;%f;%f;%f]}\n", Sete(0)},
    {"{[Descida]=[%f;%f;%f;%f;%f;%f;%f]}\n", Sete(kValoresSubida)},
};

struct TValores_U {
  int32_t indice = 0;
  float valores[kColunasU] = {};
};
const TLinha<TValores_U> kLinhaU = {
    "%d %f %f %f %f %f\n",
    {Campo(&TValores_U::indice), Elemento(&TValores_U::valores, 0),
     Elemento(&TValores_U::valores, 1), Elemento(&TValores_U::valores, 2),
     Elemento(&TValores_U::valores, 3), Elemento(&TValores_U::valores, 4)}};

struct TValores_Iso {
  double par[2] = {};
};
const TLinha<TValores_Iso> kParIso = {
    "%lf %lf\n", {Elemento(&TValores_Iso::par, 0), Elemento(&TValores_Iso::par, 1)}};

// Reads one hourly line into v (valores first copied from the caller's,
// and back whatever the scan gave); true when its key and 24 values were read.
bool Le_Linha_Hora(FILE* arq, TH* v, float* valores) {
  std::memcpy(v->valores, valores, sizeof(v->valores));
  const bool ok = arqaux::Le_Linhas(arq, kLinhaHora, v);
  std::memcpy(valores, v->valores, sizeof(v->valores));
  if (ok) arqaux::Le_Linha(arq, kFechoHora, v);
  return ok;
}

}  // namespace

bool TGeren_ArquivoAux::Carrega_Linha_Amortecimento(int a, int b, int c, float* valores) {
  if (Arquivo_Atual == nullptr || valores == nullptr) return false;
  TH v;
  for (int bloco = 0; bloco < kMaxBlocos; ++bloco) {
    if (!arqaux::Le_Linha(Arquivo_Atual, kBlocoHora, &v)) return false;
    for (int32_t k = 0; k < v.linhas; ++k) {
      if (!Le_Linha_Hora(Arquivo_Atual, &v, valores)) return false;
      if (v.a == a && v.b == b && v.chave == c) return true;
    }
  }
  return false;
}

bool TGeren_ArquivoAux::Carrega_Linha_Amortecimento(int a, int b, float* valores) {
  if (Arquivo_Atual == nullptr || valores == nullptr) return false;
  if (std::fseek(Arquivo_Atual, 0, SEEK_SET) != 0) return false;
  TS v;
  std::memcpy(v.valores, valores, sizeof(v.valores));
  bool achou = false;
  for (int r = 0; r < kMaxBlocos && !achou; ++r) {
    if (!arqaux::Le_Linhas(Arquivo_Atual, kRegistroSubida, &v)) break;
    achou = v.a == a && v.b == b;
  }
  std::memcpy(valores, v.valores, sizeof(v.valores));
  return achou;
}

bool TGeren_ArquivoAux::Carrega_Dados_U(float* valores) {
  if (Arquivo_Atual == nullptr || valores == nullptr) return false;
  for (int i = 0; i < kLinhasU; ++i) {
    TValores_U v;
    for (int c = 0; c < kColunasU; ++c) v.valores[c] = valores[kLinhasU * c + i];
    const bool ok = arqaux::Le_Linha(Arquivo_Atual, kLinhaU, &v);
    for (int c = 0; c < kColunasU; ++c) valores[kLinhasU * c + i] = v.valores[c];
    if (!ok) return false;
  }
  return true;
}

bool TGeren_ArquivoAux::Carrega_Dados_Iso(double* pares, int n) {
  if (Arquivo_Atual == nullptr) return false;
  if (n < 0) return true;
  if (pares == nullptr) return false;
  for (int64_t i = 0; i <= n; ++i) {
    TValores_Iso v;
    std::memcpy(v.par, pares + 2 * i, sizeof(v.par));
    const bool ok = arqaux::Le_Linha(Arquivo_Atual, kParIso, &v);
    std::memcpy(pares + 2 * i, v.par, sizeof(v.par));
    if (!ok) return false;
  }
  return true;
}
