// Zone condition streams: temperature-humidity-comfort, ATS/ACE, operative/
// exterior and PV records, and their sampled text reports.
//
// Records are plain little-endian floats with no separator and no count; a
// reader takes one record of the shape its flags give, so the caller must
// read with the flags the writer used.
//
// Temperature-humidity-comfort: a 7-byte header, valor (int32) then the three
// group flags (one byte each); each record holds each flagged group as two
// floats, in the order temperature (interior, outdoor), humidity (interior,
// outdoor), comfort (PMV, PPD): 0, 8, 16 or 24 bytes. A null climate record
// stores 0 beside the zone values. ATS/ACE: one float per record, only when
// present. Operative/exterior: operative first. PV: seven floats as one
// 28-byte block, only when present.
// The PV values, in order: the power drawn from the grid (kW, negative when
// fed to it), the energy the battery holds (kWh), the power the panels
// generate and the power the zone's equipment demands (kW), the panels'
// surface temperature (°C), the irradiance on them (W/m²) and their
// efficiency (a fraction).
//
// The reports are written on a text stream the caller has made current; the
// binary stream is read from its current position, past any header. Records
// that hold nothing (no has-flag, presente clear) give the header and column
// head only.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <utility>

#include "arqaux/contracts/utility.h"
#include "arqaux/formatos.h"
#include "arqaux/geren_arquivoaux.h"
#include "arqaux/records.h"
#include "engine/binario.h"
#include "engine/report_engine.h"

namespace {

// Reads up to n floats as one block and keeps the ones that arrived whole in
// destinos, in order (a null destination drops its value); true only when
// all n did.
bool Le_Reais(FILE* arq, float* const* destinos, size_t n) {
  float lidos[8];
  size_t k = arqaux::Le_Direto(lidos, sizeof(float), n, arq);
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
  unsigned char cabecalho[ARQAUX_TAM_CABECALHO_TEMP_UMI];
  const int32_t v = valor;
  std::memcpy(cabecalho, &v, 4);
  unsigned char* flags = cabecalho + ARQAUX_POSICAO_FLAGS_TEMP_UMI;
  flags[0] = temperatura ? 1 : 0;
  flags[1] = umidade ? 1 : 0;
  flags[2] = conforto ? 1 : 0;
  arqaux::Grava_Bloco(arq, cabecalho, sizeof cabecalho);
}

void TGeren_ArquivoAux::Grava_Temp_Umi(int n, bool temperatura, float temp_interior, bool umidade,
                                       float umi_interior, bool conforto, float pmv, float ppd,
                                       const TReg_Climatico* clima) {
  FILE* arq = Seleciona_Arquivo(n);
  if (arq == nullptr) return;
  // Each group pairs a zone value with its outdoor counterpart; without a
  // climate record the outdoor values are stored as 0.
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
    arqaux::Grava_Bloco(arq, valores, ARQAUX_TAM_REGISTRO_PV);
  }
}

bool TGeren_ArquivoAux::Le_PV(int n, bool presente, float* valores) {
  FILE* arq = Seleciona_Arquivo(n);
  if (arq == nullptr) return false;
  if (!presente) return true;
  if (valores == nullptr) return false;
  float* destinos[ARQAUX_VALORES_PV];
  for (int i = 0; i < ARQAUX_VALORES_PV; ++i) destinos[i] = valores + i;
  return Le_Reais(arq, destinos, ARQAUX_VALORES_PV);
}

// Reports. Column heads and formats of each stream; a group shown in a
// report but not held by its stream prints nothing at all (no label, no
// column, no average), since the stream has no value to show for it.
namespace {

using arqaux::TColuna;
using arqaux::TDescricao_Relatorio;
using namespace arqaux::literais;

// Temperature-humidity-comfort record values, as the reader fills them:
// interior temperature, interior humidity, PMV, PPD (the climate values
// beside the zone values are read but not reported). Each column comes with
// its group: 0 temperature, 1 humidity, 2 comfort.
constexpr int kValores_TUPMV = 4;
const std::pair<int, TColuna> kColunas_TUPMV[] = {
    {0, {"[Temp_I] "_rotulo, 0, "%.5f  \t"_linha, "%.2f   "_media}},
    // Nothing separates the humidity column from the next column or average.
    {1, {"[Umi_I] "_rotulo, 1, "%.8f"_linha, "%.4f"_media}},
    {2, {"[ PMV ] [ PPD ]"_rotulo, 2, "%.2f\t"_linha, "%.2f\t"_media}},
    {2, {""_rotulo, 3, "%.2f"_linha, "%.2f"_media}},
};

const TColuna kATS[] = {{"[ATS] "_rotulo, 0, "%.2f  \t"_linha, "%.2f   "_media}};
const TColuna kACE[] = {{"[ACE] "_rotulo, 0, "%.2f  \t"_linha, "%.2f   "_media}};
// Operative then exterior temperature; only the operative one is averaged.
const TColuna kACS[] = {{"[Temp_op]  [Temp_Ext]   "_rotulo, 0, "%.2f\t"_linha, "%.2f   "_media},
                        {""_rotulo, 1, "%.2f"_linha, {}}};
// Seven PV values; the last two have no label.
const char kTitulo_PV[] = "Sistema Fotovoltaico\n";
const TColuna kPV[] = {
    {"[Rede]  "_rotulo, 0, "%.4f\t"_linha, "%.4f\t"_media},
    {"[Bateria]  "_rotulo, 1, "%.4f\t"_linha, "%.4f\t"_media},
    {"[Gerada]  "_rotulo, 2, "%.4f\t"_linha, "%.4f\t"_media},
    {"[Demanda]  "_rotulo, 3, "%.4f\t"_linha, "%.4f\t"_media},
    {"[Superficie]    "_rotulo, 4, "%.4f\t"_linha, "%.4f\t"_media},
    {""_rotulo, 5, "%.4f\t"_linha, "%.4f\t"_media},
    {""_rotulo, 6, "%.4f\t"_linha, "%.4f\t"_media},
};

// A report whose records hold as many values as it has columns.
template <size_t N>
TDescricao_Relatorio Descreve(const TColuna (&colunas)[N], const char* antes_rotulos = "") {
  TDescricao_Relatorio descricao;
  descricao.antes_rotulos = antes_rotulos;
  descricao.num_valores = static_cast<int>(N);
  descricao.colunas.assign(colunas, colunas + N);
  return descricao;
}

}  // namespace

void TGeren_ArquivoAux::Converte_Binario_Texto_TUPMV(int binario, int texto, bool tem_temperatura,
                                                     bool tem_umidade, bool tem_conforto,
                                                     bool mostra_temperatura, bool mostra_umidade,
                                                     bool mostra_conforto, const TTempo* inicio,
                                                     const TTempo* fim, int intervalo) {
  const bool mostra[3] = {mostra_temperatura && tem_temperatura, mostra_umidade && tem_umidade,
                          mostra_conforto && tem_conforto};
  TDescricao_Relatorio descricao;
  descricao.num_valores = kValores_TUPMV;
  for (const auto& [grupo, coluna] : kColunas_TUPMV) {
    if (mostra[grupo]) descricao.colunas.push_back(coluna);
  }
  // Each group held is two floats, in group order; the report's values are
  // the first float of each group, and PPD the second float of comfort.
  arqaux::TRegistro_Binario registro;
  registro.origens.assign(kValores_TUPMV, -1);
  const bool tem[3] = {tem_temperatura, tem_umidade, tem_conforto};
  for (int grupo = 0; grupo < 3; ++grupo) {
    if (!tem[grupo]) continue;
    registro.origens[grupo] = registro.tamanho;
    if (grupo == 2) registro.origens[3] = registro.tamanho + 4;
    registro.tamanho += 8;
  }
  arqaux::TRelatorio_Amostrado(descricao, Seletor_Relatorios())
      .Converte(binario, texto, registro, inicio, fim, intervalo);
}

void TGeren_ArquivoAux::Converte_Binario_Texto_ATS_ACE(int binario, int texto, bool presente,
                                                       bool eh_ats, const TTempo* inicio,
                                                       const TTempo* fim, int intervalo) {
  arqaux::TRelatorio_Amostrado(Descreve(eh_ats ? kATS : kACE), Seletor_Relatorios())
      .Converte(binario, texto, arqaux::Registro_Reais(1, presente), inicio, fim, intervalo);
}

void TGeren_ArquivoAux::Converte_Binario_Texto_ACS(int binario, int texto, const TTempo* inicio,
                                                   const TTempo* fim, int intervalo) {
  arqaux::TRelatorio_Amostrado(Descreve(kACS), Seletor_Relatorios())
      .Converte(binario, texto, arqaux::Registro_Reais(2), inicio, fim, intervalo);
}

void TGeren_ArquivoAux::Converte_Binario_Texto_PV(int binario, int texto, bool presente,
                                                  const TTempo* inicio, const TTempo* fim,
                                                  int intervalo) {
  arqaux::TRelatorio_Amostrado(Descreve(kPV, kTitulo_PV), Seletor_Relatorios())
      .Converte(binario, texto, arqaux::Registro_Reais(ARQAUX_VALORES_PV, presente), inicio, fim,
                intervalo);
}
