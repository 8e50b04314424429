// The host's building-model library as the file manager sees it. Plain data
// behind the constructors, accessors and setters the files use.
#ifndef ARQAUX_CONTRACTS_BUILDING_MODEL_H_
#define ARQAUX_CONTRACTS_BUILDING_MODEL_H_

#include "arqaux/contracts/exporta.h"
#include "arqaux/contracts/utility.h"

// ---- Ventilation ----

// Parameters of the natural-ventilation model of a zone.
class ARQAUX_CONTRATOS_API TParam_Vent_Nat {
 public:
  TParam_Vent_Nat() = default;
  void Atualiza_Modelo(int modelo);
  void Atualiza_Tipo_Calculo(int tipo);
  void Atualiza_Indice(int indice);
  void Atualiza_SBH(float sbh);
  void Atualiza_PAD(float pad);
  int R_Modelo_Vent_Nat() const;
  // Kind of pressure-coefficient calculation.
  int R_Tipo_Calculo_CP() const;
  int R_Indice() const;
  float R_SBH() const;
  float R_PAD() const;

 private:
  int modelo_ = 0;
  int tipo_calculo_ = 0;
  int indice_ = 0;
  float sbh_ = 0.0f;
  float pad_ = 0.0f;
};

// Natural ventilation of a zone: it keeps its own copy of the parameters.
class ARQAUX_CONTRATOS_API TVent_Natural {
 public:
  TVent_Natural() = default;
  // Copies the values of parametros (which stays the caller's).
  void Atualiza_Parametros_Ventilacao(TParam_Vent_Nat* parametros);
  TParam_Vent_Nat* R_Parametros_Vent_Natural();

 private:
  TParam_Vent_Nat parametros_;
};

// Forced ventilation of a zone, sized by an air ration per person (sizing
// flag false) or by a number of air changes (true), with its own schedule.
class ARQAUX_CONTRATOS_API TVent_Forcada {
 public:
  TVent_Forcada();
  ~TVent_Forcada();
  TVent_Forcada(const TVent_Forcada&) = delete;
  TVent_Forcada& operator=(const TVent_Forcada&) = delete;

  void A_Racao_Ar(float racao);
  void A_Quantidade_Pessoas(int pessoas);
  void A_Trocas_Ar(float trocas);
  void A_Tipo_Calculo(bool por_trocas);
  float R_Racao_Ar() const;
  int R_Quantidade_Pessoas() const;
  float R_Trocas_Ar() const;
  bool R_Tipo_Calculo() const;
  // The schedule, filled in place.
  TIntervalos* R_Intervalos();

 private:
  float racao_ar_ = 0.0f;
  int quantidade_pessoas_ = 0;
  float trocas_ar_ = 0.0f;
  bool tipo_calculo_ = false;
  TIntervalos* intervalos_;
};

// (end of ventilation)

#endif  // ARQAUX_CONTRACTS_BUILDING_MODEL_H_
