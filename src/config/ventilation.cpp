// Ventilation section of a zone: the zone line, one natural-ventilation
// line, one forced-ventilation line and, when forced ventilation is present,
// its schedule block.
//
//   [Zona = 3]
//   \t[Ventilacao Natural={1,2,0,5,1.24,0.50}]
//   \t[Ventilacao Forcada={1,0,27.00,4}]
//   \t[Horarios = 0]
//
// Each group starts with its presence flag (1 present; anything else reads
// as absent). Natural: model, kind of pressure-coefficient calculation,
// index, SBH, PAD. Forced: sizing kind (0 air ration per person, 1 air
// changes), the ration or the changes, the number of people (0 by changes).
// The absence lines are written as they have always been, "0.0" included.
//
// The writer is false at the first line that cannot be printed; the reader at
// the zone check or a short ventilation line. Absent kinds leave the caller's
// pointer untouched.

#include "arqaux/contracts/building_model.h"
#include "arqaux/contracts/utility.h"
#include "arqaux/geren_arquivoaux.h"
#include "engine/linhas_config.h"
#include "engine/registros.h"

using arqaux::Campo;
using arqaux::TLinha;

namespace {

struct TValores_Natural {
  int32_t presente = 0, modelo = 0, tipo_calculo = 0, indice = 0;
  float sbh = 0, pad = 0;
};

const TLinha<TValores_Natural> kNatural = {
    "\t[Ventilacao Natural={%d,%d,%d,%d,%.2f,%.2f}]\n",
    {Campo(&TValores_Natural::presente), Campo(&TValores_Natural::modelo),
     Campo(&TValores_Natural::tipo_calculo), Campo(&TValores_Natural::indice),
     Campo(&TValores_Natural::sbh), Campo(&TValores_Natural::pad)}};
const TLinha<TValores_Natural> kNaturalAusente = {"\t[Ventilacao Natural={0,0,0,0,0.0,0.0}]\n", {}};

struct TValores_Forcada {
  int32_t presente = 0, por_trocas = 0;
  float valor = 0;
  int32_t pessoas = 0;
};

const TLinha<TValores_Forcada> kForcada = {
    "\t[Ventilacao Forcada={%d,%d,%.2f,%d}]\n",
    {Campo(&TValores_Forcada::presente), Campo(&TValores_Forcada::por_trocas),
     Campo(&TValores_Forcada::valor), Campo(&TValores_Forcada::pessoas)}};
const TLinha<TValores_Forcada> kForcadaAusente = {"\t[Ventilacao Forcada={0,0,0.0,0}]\n", {}};

}  // namespace

bool TGeren_ArquivoAux::Grava_Ventilacao_ZonaX(TVent_Natural* natural, TVent_Forcada* forcada,
                                               int zona) {
  FILE* arq = Arquivo_Atual;
  if (!arqaux::Grava_Zona(arq, zona)) return false;
  TValores_Natural n;
  TParam_Vent_Nat* p = natural != nullptr ? natural->R_Parametros_Vent_Natural() : nullptr;
  if (p != nullptr) {
    n.presente = 1;
    n.modelo = p->R_Modelo_Vent_Nat();
    n.tipo_calculo = p->R_Tipo_Calculo_CP();
    n.indice = p->R_Indice();
    n.sbh = p->R_SBH();
    n.pad = p->R_PAD();
  }
  if (arqaux::Grava_Linha(arq, p != nullptr ? kNatural : kNaturalAusente, n) < 0) return false;
  TValores_Forcada f;
  if (forcada == nullptr) {
    return arqaux::Grava_Linha(arq, kForcadaAusente, f) >= 0 && arqaux::Gravou(arq);
  }
  f.presente = 1;
  if (forcada->R_Tipo_Calculo()) {
    f.por_trocas = 1;
    f.valor = forcada->R_Trocas_Ar();
  } else {
    f.valor = forcada->R_Racao_Ar();
    f.pessoas = forcada->R_Quantidade_Pessoas();
  }
  if (arqaux::Grava_Linha(arq, kForcada, f) < 0) return false;
  return arqaux::Grava_Horarios(arq, forcada->R_Intervalos());
}

// The parameter record is the reader's own; the new natural-ventilation
// object copies it. Objects are stored through the pointers as soon as they
// are built, so a natural one stays the caller's when the forced line fails.
bool TGeren_ArquivoAux::Le_Ventilacao_ZonaX(TVent_Natural** natural, TVent_Forcada** forcada,
                                            int zona) {
  FILE* arq = Arquivo_Atual;
  if (natural == nullptr || forcada == nullptr || !arqaux::Le_Zona(arq, zona)) return false;
  TValores_Natural n;
  if (!arqaux::Le_Linha(arq, kNatural, &n)) return false;
  if (n.presente == 1) {
    TParam_Vent_Nat parametros;
    parametros.Atualiza_Modelo(n.modelo);
    parametros.Atualiza_Tipo_Calculo(n.tipo_calculo);
    parametros.Atualiza_Indice(n.indice);
    parametros.Atualiza_SBH(n.sbh);
    parametros.Atualiza_PAD(n.pad);
    *natural = new TVent_Natural;
    (*natural)->Atualiza_Parametros_Ventilacao(&parametros);
  }
  TValores_Forcada f;
  if (!arqaux::Le_Linha(arq, kForcada, &f)) return false;
  if (f.presente == 1) {
    *forcada = new TVent_Forcada;
    if (f.por_trocas == 0) {
      (*forcada)->A_Racao_Ar(f.valor);
      (*forcada)->A_Quantidade_Pessoas(f.pessoas);
      (*forcada)->A_Tipo_Calculo(false);
    } else {
      (*forcada)->A_Trocas_Ar(f.valor);
      (*forcada)->A_Tipo_Calculo(true);
    }
    Le_Intervalos((*forcada)->R_Intervalos());
  }
  return true;
}
