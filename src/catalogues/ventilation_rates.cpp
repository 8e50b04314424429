// Ventilation reference tables, read line by line on the current stream in
// the order the host calls for them:
//
//   [Quantidade de Modelos = 2]          the model count, first line of a file
//
//   [1,3]                                a model's header
//   0.500000\t1.200000\t3.000000\t4.500000     rows of 4 to 7 tab-separated values
//   [Sala de aula] (5;8;3)               an air ration: two integers and a level code
//   [Cozinha] (15.000000;2)              an air-change entry: a real and an integer
//
// The level code of a ration names a level whose text the reader gives back
// (Windows-1252) for codes 0 to 6; for another code the caller's buffer is
// left alone, and a line that stops before the code counts as level 0. The
// ration and air-change readers are true whatever the line held, as the
// tables are read by count. A row's tabs and line end are white space to the scan, so
// a row read with more columns than it holds takes its last values from the
// next line.
#include <cstring>
#include <vector>

#include "arqaux/geren_arquivoaux.h"
#include "catalogues/ligacoes.h"
#include "engine/linhas_config.h"

using arqaux::Campo;
using arqaux::Elemento;
using arqaux::Liga;
using arqaux::TCampo;
using arqaux::TLigacao;
using arqaux::TLinha;

namespace {

constexpr int kTamTexto = TGeren_ArquivoAux::Tam_Texto_Tabela;
constexpr arqaux::TPolitica_Falha kPara = arqaux::TPolitica_Falha::Para_Na_Primeira;

// The text of each level code, 0 to 6.
const char* const kNiveis[] = {"Nenhum", "Ocasional",    "Alguns", "Consider\xE1vel",
                               "Grande", "Muito Grande", "--"};
static_assert(sizeof("Muito Grande") == TGeren_ArquivoAux::Tam_Nivel_Racao,
              "the longest level text fills the level buffer");

struct TValores_Racao {
  char nome[kTamTexto] = {};
  int32_t primeiro = 0, segundo = 0, nivel = 0;
};
const TLinha<TValores_Racao> kRacao = {
    "[%s] (%d;%d;%d)\n",
    {Campo(&TValores_Racao::nome), Campo(&TValores_Racao::primeiro),
     Campo(&TValores_Racao::segundo), Campo(&TValores_Racao::nivel)}};

struct TValores_Trocas {
  char nome[kTamTexto] = {};
  float valor = 0;
  int32_t inteiro = 0;
};
const TLinha<TValores_Trocas> kTrocas = {
    "[%s] (%f;%d)\n",
    {Campo(&TValores_Trocas::nome), Campo(&TValores_Trocas::valor),
     Campo(&TValores_Trocas::inteiro)}};

struct TValores_Modelo {
  int32_t modelos = 0, primeiro = 0, segundo = 0;
};
const TLinha<TValores_Modelo> kInicio = {"[Quantidade de Modelos = %d]\n\n",
                                         {Campo(&TValores_Modelo::modelos)}};
const TLinha<TValores_Modelo> kCabecalho = {
    "[%d,%d]\n", {Campo(&TValores_Modelo::primeiro), Campo(&TValores_Modelo::segundo)}};

constexpr int kMinColunas = 4;
constexpr int kMaxColunas = 7;
struct TValores_Linha {
  float v[kMaxColunas] = {};
};

// The rows of 4, 5, 6 and 7 values.
const char* const kFormatosLinha[] = {"%f\t%f\t%f\t%f\n", "%f\t%f\t%f\t%f\t%f\n",
                                      "%f\t%f\t%f\t%f\t%f\t%f\n", "%f\t%f\t%f\t%f\t%f\t%f\t%f\n"};

const TLinha<TValores_Linha>& Linha_Com(int colunas) {
  static const std::vector<TLinha<TValores_Linha>> linhas = [] {
    std::vector<TLinha<TValores_Linha>> l;
    for (int n = kMinColunas; n <= kMaxColunas; ++n) {
      std::vector<TCampo<TValores_Linha>> campos;
      for (int k = 0; k < n; ++k) campos.push_back(Elemento(&TValores_Linha::v, k));
      l.emplace_back(kFormatosLinha[n - kMinColunas], campos);
    }
    return l;
  }();
  return linhas[colunas - kMinColunas];
}

}  // namespace

bool TGeren_ArquivoAux::Le_Racao_de_Ar(char* nome, char* nivel, int* primeiro, int* segundo) {
  if (Arquivo_Atual == nullptr || nivel == nullptr) return false;
  TValores_Racao v;
  const bool ligado = arqaux::Le_Ligado(
      &v,
      {Liga(Campo(&TValores_Racao::nome), nome), Liga(Campo(&TValores_Racao::primeiro), primeiro),
       Liga(Campo(&TValores_Racao::segundo), segundo)},
      [&](arqaux::TGuardados* g) {
        arqaux::Le_Linha(Arquivo_Atual, kRacao, &v, kPara, g);
        return true;
      });
  if (!ligado) return false;
  if (v.nivel >= 0 && v.nivel <= 6)
    std::memcpy(nivel, kNiveis[v.nivel], std::strlen(kNiveis[v.nivel]) + 1);
  return true;
}

bool TGeren_ArquivoAux::Le_Trocas_de_Ar(char* nome, float* valor, int* inteiro) {
  if (Arquivo_Atual == nullptr) return false;
  TValores_Trocas v;
  return arqaux::Le_Ligado(
      &v,
      {Liga(Campo(&TValores_Trocas::nome), nome), Liga(Campo(&TValores_Trocas::valor), valor),
       Liga(Campo(&TValores_Trocas::inteiro), inteiro)},
      [&](arqaux::TGuardados* g) {
        arqaux::Le_Linha(Arquivo_Atual, kTrocas, &v, kPara, g);
        return true;
      });
}

bool TGeren_ArquivoAux::Le_Inicio(int* modelos) {
  if (Arquivo_Atual == nullptr || std::fseek(Arquivo_Atual, 0, SEEK_SET) != 0) return false;
  TValores_Modelo v;
  return arqaux::Le_Ligado(&v, {Liga(Campo(&TValores_Modelo::modelos), modelos)},
                           [&](arqaux::TGuardados* g) {
                             return arqaux::Le_Linha(Arquivo_Atual, kInicio, &v, kPara, g);
                           });
}

bool TGeren_ArquivoAux::Le_Cabecalho_Ventilacao(int* primeiro, int* segundo) {
  if (Arquivo_Atual == nullptr) return false;
  TValores_Modelo v;
  return arqaux::Le_Ligado(&v,
                           {Liga(Campo(&TValores_Modelo::primeiro), primeiro),
                            Liga(Campo(&TValores_Modelo::segundo), segundo)},
                           [&](arqaux::TGuardados* g) {
                             return arqaux::Le_Linha(Arquivo_Atual, kCabecalho, &v, kPara, g);
                           });
}

bool TGeren_ArquivoAux::Le_Registro_Ventilacao(float* linha, int colunas) {
  if (Arquivo_Atual == nullptr) return false;
  if (colunas < kMinColunas || colunas > kMaxColunas) return true;
  if (linha == nullptr) return false;
  TValores_Linha v;
  std::vector<TLigacao> ligacoes;
  for (int k = 0; k < colunas; ++k)
    ligacoes.push_back(Liga(Elemento(&TValores_Linha::v, k), linha + k));
  return arqaux::Le_Ligado(&v, ligacoes, [&](arqaux::TGuardados* g) {
    return arqaux::Le_Linha(Arquivo_Atual, Linha_Com(colunas), &v, kPara, g);
  });
}

bool TGeren_ArquivoAux::Le_Registro_Ventilacao(float** linhas_valores, int linhas, int colunas) {
  if (Arquivo_Atual == nullptr) return false;
  if (linhas > 0 && linhas_valores == nullptr) return false;
  for (int i = 0; i < linhas; ++i) {
    if (!Le_Registro_Ventilacao(linhas_valores[i], colunas)) return false;
  }
  return true;
}
