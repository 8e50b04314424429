// The air-conditioner catalogue, "Condicionadores.txt" in the models
// directory: a count line, then per model its name, equipment type, three
// nominal values each followed by its six-coefficient part-load curve, air
// flow, evaporating temperature and five general codes.
//
//   [Registros = 1]
//
//   [Split 12000]
//   Tipo Equip. = 1
//   CT Nominal = 3517.000000
//   1.000000\t0.010000\t0.000000\t-0.005000\t0.000000\t0.000000\t
//   CS Nominal = 2600.000000
//   ...the same line of six...
//   EER Nominal = 3.200000
//   ...the same line of six...
//   Vazao_Vol_Ar = 0.190000
//   Temp_Evap_AC = 7.000000
//   Param_Gerais = [1,0,2,1,0]
//
// The general codes are, in this order: temperature type, heating type,
// condenser type, regulated flag, shaded-condenser flag (not the order of
// the record's fields). The record's Reservado is not in the file.
//
// Loading a unit walks the records up to the unit's index and applies that
// record; an index beyond the last record present (or beyond the count)
// gives the last one. Only a record that read whole is applied: when the
// walk meets a damaged record before it gets there, the unit keeps every
// value it had and the load fails, rather than taking the last whole
// record before the damage, which is another model's curves and codes. A
// catalogue with no record leaves the unit as it was and fails too, so that
// the host learns its unit got no model. The models directory that fails
// to become current fails the load, rather than reading a file of that name
// from another folder.
#include <algorithm>

#include "arqaux/contracts/hvac_model.h"
#include "arqaux/contracts/utility.h"
#include "arqaux/geren_arquivoaux.h"
#include "catalogues/catalogo_texto.h"

using arqaux::Campo;
using arqaux::Elemento;
using arqaux::Elementos;
using arqaux::TContagem;
using arqaux::TLinha;

namespace {

// Values on the last line of a model, the general codes.
constexpr int kCodigos_Gerais = 5;

const TLinha<TContagem> kContagemAc = {"[Registros = %d]\n\n", {Campo(&TContagem::n)}};

const TLinha<Modelos_AC> kLinhasAc[] = {
    {"[%s]\n", {Campo(&Modelos_AC::Nome)}},
    {"Tipo Equip. = %d\n", {Campo(&Modelos_AC::Tipo_Equipamento)}},
    {"CT Nominal = %f\n", {Campo(&Modelos_AC::CT_Nominal)}},
    {"%f\t%f\t%f\t%f\t%f\t%f\t\n", Elementos(&Modelos_AC::Coef_CT)},
    {"CS Nominal = %f\n", {Campo(&Modelos_AC::CS_Nominal)}},
    {"%f\t%f\t%f\t%f\t%f\t%f\t\n", Elementos(&Modelos_AC::Coef_CS)},
    {"EER Nominal = %f\n", {Campo(&Modelos_AC::EER_Nominal)}},
    {"%f\t%f\t%f\t%f\t%f\t%f\t\n", Elementos(&Modelos_AC::Coef_EER)},
    {"Vazao_Vol_Ar = %f\n", {Campo(&Modelos_AC::Vazao_Vol_Ar)}},
    {"Temp_Evap_AC = %f\n", {Campo(&Modelos_AC::Temp_Evap_AC)}},
    {"Param_Gerais = [%d,%d,%d,%d,%d]\n\n",
     {Campo(&Modelos_AC::Tipo_Temperatura), Campo(&Modelos_AC::Tipo_Aquecimento),
      Campo(&Modelos_AC::Tipo_Condensador), Campo(&Modelos_AC::Regulamentado),
      Campo(&Modelos_AC::Condensador_Sombreado)}},
};

const arqaux::TCatalogo<Modelos_AC> kCatalogoAc = {kContagemAc, kLinhasAc, kCodigos_Gerais};

void Aplica_Modelo(const Modelos_AC& m, TArCondicionado* unidade) {
  unidade->Altera_Coeficientes(m.Coef_CT, m.Coef_CS, m.Coef_EER);
  unidade->A_Tipo_Temperatura(m.Tipo_Temperatura);
  unidade->A_Tipo_Aquecimento(m.Tipo_Aquecimento);
  unidade->A_Tipo_Condensador(m.Tipo_Condensador);
  unidade->A_Regulamentado_Inmetro(m.Regulamentado);
  unidade->A_Condensador_Sombreado(m.Condensador_Sombreado);
  unidade->A_Tipo_Equipamento(m.Tipo_Equipamento);
}

// The model at index indice of the catalogue on arq, or the last one when
// the records end before it; false when there is none or a record on the
// way is not whole.
bool Procura_Modelo(FILE* arq, int indice, Modelos_AC* achado) {
  const int total = arqaux::Le_Contagem(arq, kCatalogoAc);
  bool algum = false;
  for (int i = 0; i < total; ++i) {
    Modelos_AC m{};
    const int lido = arqaux::Carrega_Registro(arq, kCatalogoAc, &m);
    if (lido == -1) break;
    if (lido != kCodigos_Gerais) return false;
    *achado = m;
    algum = true;
    if (i == indice) break;
  }
  return algum;
}

// The range table: a heading, then per property its minimum and maximum.
struct TFaixas {
  float v[10];
};
const TLinha<TFaixas> kLinhasFaixas[] = {
    {"Prop. \t min \t max\n", {}},
    {"KA    \t %.3f \t %.3f\n", {Elemento(&TFaixas::v, 0), Elemento(&TFaixas::v, 1)}},
    {"DT    \t %.1e \t %.1e\n", {Elemento(&TFaixas::v, 2), Elemento(&TFaixas::v, 3)}},
    {"DTV   \t %.1e \t %.1e\n", {Elemento(&TFaixas::v, 4), Elemento(&TFaixas::v, 5)}},
    {"DTETA \t %.1e \t %.1e\n", {Elemento(&TFaixas::v, 6), Elemento(&TFaixas::v, 7)}},
    {"DTETAV\t %.1e \t %.1e\n", {Elemento(&TFaixas::v, 8), Elemento(&TFaixas::v, 9)}},
};

}  // namespace

int TGeren_ArquivoAux::Le_Numero_Registros_AC() {
  return arqaux::Le_Contagem(Arquivo_Atual, kCatalogoAc);
}

int TGeren_ArquivoAux::Carrega_Equipamentos_AC(Modelos_AC* modelo) {
  return arqaux::Carrega_Registro(Arquivo_Atual, kCatalogoAc, modelo);
}

int TGeren_ArquivoAux::Salva_Equipamentos_AC(int count, Modelos_AC* modelos) {
  const int r = arqaux::Salva_Registros(Arquivo_Atual, kCatalogoAc, count, modelos);
  return r > 0 ? count : 0;
}

bool TGeren_ArquivoAux::Carrega_ArCondicionado(TArCondicionado* unidade) {
  if (unidade == nullptr || !DLL_UTIL_Geren_Dir()->Muda_Dir_Modelos()) return false;
  const int n = Abre_Arquivo("Condicionadores.txt", "rt");
  if (n == 0) return false;
  Modelos_AC m;
  const bool achou = Procura_Modelo(Arquivo_Atual, unidade->R_Carac_Fisicas(), &m);
  Fecha_Arquivo(n);
  if (achou) Aplica_Modelo(m, unidade);
  return achou;
}

void TGeren_ArquivoAux::Aux(float* faixas) {
  if (faixas == nullptr || Arquivo_Atual == nullptr) return;
  TFaixas f;
  std::copy(faixas, faixas + 10, f.v);
  arqaux::Grava_Linhas(Arquivo_Atual, kLinhasFaixas, f);
}
