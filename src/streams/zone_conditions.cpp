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
#include "streams/report_engine.h"
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
    arqaux::Grava_Bloco(arq, valores, 7 * sizeof(float));
  }
}

bool TGeren_ArquivoAux::Le_PV(int n, bool presente, float* valores) {
  FILE* arq = Seleciona_Arquivo(n);
  if (arq == nullptr) return false;
  if (!presente) return true;
  if (valores == nullptr) return false;
  float* destinos[7];
  for (int i = 0; i < 7; ++i) destinos[i] = valores + i;
  return Le_Reais(arq, destinos, 7);
}

// Reports. Column heads and formats of each stream; a group shown in a
// report but not held by its stream prints nothing at all (no label, no
// column, no average), since the stream has no value to show for it.
namespace {

using arqaux::TColuna;

// Temperature-humidity-comfort record values, as the reader fills them:
// interior temperature, interior humidity, PMV, PPD (the climate values
// beside the zone values are read but not reported).
const TColuna kTemperatura = {"[Temp_I] ", 0, "%.5f  \t", "%.2f   "};
// Nothing separates the humidity column from the next column or average.
const TColuna kUmidade = {"[Umi_I] ", 1, "%.8f", "%.4f"};
const TColuna kPMV = {"[ PMV ] [ PPD ]", 2, "%.2f\t", "%.2f\t"};
const TColuna kPPD = {"", 3, "%.2f", "%.2f"};

const TColuna kATS = {"[ATS] ", 0, "%.2f  \t", "%.2f   "};
const TColuna kACE = {"[ACE] ", 0, "%.2f  \t", "%.2f   "};

// Operative then exterior temperature; only the operative one is averaged.
const TColuna kOperativa = {"[Temp_op]  [Temp_Ext]   ", 0, "%.2f\t", "%.2f   "};
const TColuna kExterior = {"", 1, "%.2f", nullptr};

// Seven PV values; the last two have no label.
const char kTitulo_PV[] = "Sistema Fotovoltaico\n";
const char* const kRotulos_PV[7] = {
    "[Rede]  ", "[Bateria]  ", "[Gerada]  ", "[Demanda]  ", "[Superficie]    ", "", ""};

}  // namespace

void TGeren_ArquivoAux::Converte_Binario_Texto_TUPMV(int binario, int texto, bool tem_temperatura,
                                                     bool tem_umidade, bool tem_conforto,
                                                     bool mostra_temperatura, bool mostra_umidade,
                                                     bool mostra_conforto, const TTempo* inicio,
                                                     const TTempo* fim, int intervalo) {
  arqaux::TDescricao_Relatorio descricao;
  descricao.num_valores = 4;
  if (mostra_temperatura && tem_temperatura) descricao.colunas.push_back(kTemperatura);
  if (mostra_umidade && tem_umidade) descricao.colunas.push_back(kUmidade);
  if (mostra_conforto && tem_conforto) {
    descricao.colunas.push_back(kPMV);
    descricao.colunas.push_back(kPPD);
  }
  float clima[2];
  auto leitor = [&](float* v) {
    return Le_Temp_Umi(binario, tem_temperatura, &v[0], tem_umidade, &v[1], tem_conforto, &v[2],
                       &v[3], &clima[0], &clima[1]);
  };
  arqaux::TRelatorio_Amostrado relatorio(descricao, [this](int n) { return Seleciona_Arquivo(n); });
  relatorio.Converte(binario, texto, tem_temperatura || tem_umidade || tem_conforto, leitor, inicio,
                     fim, intervalo);
}

void TGeren_ArquivoAux::Converte_Binario_Texto_ATS_ACE(int binario, int texto, bool presente,
                                                       bool eh_ats, const TTempo* inicio,
                                                       const TTempo* fim, int intervalo) {
  arqaux::TDescricao_Relatorio descricao;
  descricao.num_valores = 1;
  descricao.colunas = {eh_ats ? kATS : kACE};
  auto leitor = [&](float* v) { return Le_ATS_ACE(binario, presente, &v[0]); };
  arqaux::TRelatorio_Amostrado relatorio(descricao, [this](int n) { return Seleciona_Arquivo(n); });
  relatorio.Converte(binario, texto, presente, leitor, inicio, fim, intervalo);
}

void TGeren_ArquivoAux::Converte_Binario_Texto_ACS(int binario, int texto, const TTempo* inicio,
                                                   const TTempo* fim, int intervalo) {
  arqaux::TDescricao_Relatorio descricao;
  descricao.num_valores = 2;
  descricao.colunas = {kOperativa, kExterior};
  auto leitor = [&](float* v) { return Le_ACS(binario, &v[0], &v[1]); };
  arqaux::TRelatorio_Amostrado relatorio(descricao, [this](int n) { return Seleciona_Arquivo(n); });
  relatorio.Converte(binario, texto, true, leitor, inicio, fim, intervalo);
}

void TGeren_ArquivoAux::Converte_Binario_Texto_PV(int binario, int texto, bool presente,
                                                  const TTempo* inicio, const TTempo* fim,
                                                  int intervalo) {
  arqaux::TDescricao_Relatorio descricao;
  descricao.num_valores = 7;
  descricao.antes_rotulos = kTitulo_PV;
  for (int i = 0; i < 7; ++i) descricao.colunas.push_back({kRotulos_PV[i], i, "%.4f\t", "%.4f\t"});
  auto leitor = [&](float* v) { return Le_PV(binario, presente, v); };
  arqaux::TRelatorio_Amostrado relatorio(descricao, [this](int n) { return Seleciona_Arquivo(n); });
  relatorio.Converte(binario, texto, presente, leitor, inicio, fim, intervalo);
}
