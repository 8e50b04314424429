// Zone condition streams: temperature-humidity-comfort, ATS/ACE, operative/
// exterior and PV records, and their sampled text reports.
//
// Records are plain little-endian floats with no separator and no count; a
// reader takes one record of the shape its flags give, so the caller must
// read with the flags the writer used.
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "arqaux/geren_arquivoaux.h"
#include "text/binario.h"

namespace {

// Reads up to n floats as one block and keeps the ones that arrived whole in
// destinos, in order (a null destination drops its value); true only when
// all n did.
bool Le_Reais(FILE* arq, float* const* destinos, size_t n) {
  float lidos[8];
  size_t k = std::fread(lidos, sizeof(float), n, arq);
  for (size_t i = 0; i < k; ++i) {
    if (destinos[i] != nullptr) *destinos[i] = lidos[i];
  }
  return k == n;
}

}  // namespace

void TGeren_ArquivoAux::Preenche_Cabecalho_Temp_Umi(int n, bool temperatura, bool umidade,
                                                    bool conforto, int valor) {
  FILE* arq = Seleciona_Arquivo(n);
  if (arq == nullptr) return;
  unsigned char cabecalho[7];
  const int32_t v = valor;
  std::memcpy(cabecalho, &v, 4);
  cabecalho[4] = temperatura ? 1 : 0;
  cabecalho[5] = umidade ? 1 : 0;
  cabecalho[6] = conforto ? 1 : 0;
  arqaux::Grava_Bloco(arq, cabecalho, sizeof cabecalho);
}

void TGeren_ArquivoAux::Grava_Temp_Umi(int n, bool temperatura, float temp_interior, bool umidade,
                                       float umi_interior, bool conforto, float pmv, float ppd,
                                       const TReg_Climatico* clima) {
  FILE* arq = Seleciona_Arquivo(n);
  if (arq == nullptr) return;
  // Each group pairs a zone value with its outdoor counterpart; the climate
  // record is only needed by the groups that carry one.
  float registro[6];
  size_t k = 0;
  if (temperatura) {
    registro[k++] = temp_interior;
    registro[k++] = clima != nullptr ? clima->Temperatura : 0.0f;
  }
  if (umidade) {
    registro[k++] = umi_interior;
    registro[k++] = clima != nullptr ? clima->Umidade : 0.0f;
  }
  if (conforto) {
    registro[k++] = pmv;
    registro[k++] = ppd;
  }
  if (k > 0) arqaux::Grava_Bloco(arq, registro, sizeof(float), k);
}

bool TGeren_ArquivoAux::Le_Temp_Umi(int n, bool temperatura, float* temp_interior, bool umidade,
                                    float* umi_interior, bool conforto, float* pmv, float* ppd,
                                    float* clima_1, float* clima_2) {
  FILE* arq = Seleciona_Arquivo(n);
  if (arq == nullptr) return false;
  float* destinos[6];
  size_t k = 0;
  if (temperatura) {
    destinos[k++] = temp_interior;
    destinos[k++] = clima_1;
  }
  if (umidade) {
    destinos[k++] = umi_interior;
    destinos[k++] = clima_2;
  }
  if (conforto) {
    destinos[k++] = pmv;
    destinos[k++] = ppd;
  }
  return k == 0 || Le_Reais(arq, destinos, k);
}

void TGeren_ArquivoAux::Grava_ATS_ACE(int n, bool presente, float valor) {
  FILE* arq = Seleciona_Arquivo(n);
  if (arq != nullptr && presente) arqaux::Grava_Bloco(arq, &valor, sizeof valor);
}

bool TGeren_ArquivoAux::Le_ATS_ACE(int n, bool presente, float* valor) {
  FILE* arq = Seleciona_Arquivo(n);
  if (arq == nullptr) return false;
  return !presente || Le_Reais(arq, &valor, 1);
}

void TGeren_ArquivoAux::Grava_ACS(int n, float exterior, float operativa) {
  FILE* arq = Seleciona_Arquivo(n);
  if (arq == nullptr) return;
  const float registro[2] = {operativa, exterior};
  arqaux::Grava_Bloco(arq, registro, sizeof registro);
}

bool TGeren_ArquivoAux::Le_ACS(int n, float* operativa, float* exterior) {
  FILE* arq = Seleciona_Arquivo(n);
  if (arq == nullptr) return false;
  float* destinos[2] = {operativa, exterior};
  return Le_Reais(arq, destinos, 2);
}

void TGeren_ArquivoAux::Grava_PV(int n, bool presente, const float* valores) {
  FILE* arq = Seleciona_Arquivo(n);
  if (arq != nullptr && presente && valores != nullptr) {
    arqaux::Grava_Bloco(arq, valores, 7 * sizeof(float));
  }
}

bool TGeren_ArquivoAux::Le_PV(int n, bool presente, float* valores) {
  FILE* arq = Seleciona_Arquivo(n);
  if (arq == nullptr) return false;
  if (!presente) return true;
  float* destinos[7];
  for (int i = 0; i < 7; ++i) destinos[i] = valores + i;
  return Le_Reais(arq, destinos, 7);
}
