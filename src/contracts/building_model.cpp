// Stand-in of the building-model library: plain data.
#include "arqaux/contracts/building_model.h"

void TParam_Vent_Nat::Atualiza_Modelo(int modelo) { modelo_ = modelo; }
void TParam_Vent_Nat::Atualiza_Tipo_Calculo(int tipo) { tipo_calculo_ = tipo; }
void TParam_Vent_Nat::Atualiza_Indice(int indice) { indice_ = indice; }
void TParam_Vent_Nat::Atualiza_SBH(float sbh) { sbh_ = sbh; }
void TParam_Vent_Nat::Atualiza_PAD(float pad) { pad_ = pad; }
int TParam_Vent_Nat::R_Modelo_Vent_Nat() const { return modelo_; }
int TParam_Vent_Nat::R_Tipo_Calculo_CP() const { return tipo_calculo_; }
int TParam_Vent_Nat::R_Indice() const { return indice_; }
float TParam_Vent_Nat::R_SBH() const { return sbh_; }
float TParam_Vent_Nat::R_PAD() const { return pad_; }

void TVent_Natural::Atualiza_Parametros_Ventilacao(TParam_Vent_Nat* parametros) {
  if (parametros != nullptr) parametros_ = *parametros;
}

TParam_Vent_Nat* TVent_Natural::R_Parametros_Vent_Natural() { return &parametros_; }

TVent_Forcada::TVent_Forcada() : intervalos_(new TIntervalos) {}
TVent_Forcada::~TVent_Forcada() { delete intervalos_; }

void TVent_Forcada::A_Racao_Ar(float racao) { racao_ar_ = racao; }
void TVent_Forcada::A_Quantidade_Pessoas(int pessoas) { quantidade_pessoas_ = pessoas; }
void TVent_Forcada::A_Trocas_Ar(float trocas) { trocas_ar_ = trocas; }
void TVent_Forcada::A_Tipo_Calculo(bool por_trocas) { tipo_calculo_ = por_trocas; }
float TVent_Forcada::R_Racao_Ar() const { return racao_ar_; }
int TVent_Forcada::R_Quantidade_Pessoas() const { return quantidade_pessoas_; }
float TVent_Forcada::R_Trocas_Ar() const { return trocas_ar_; }
bool TVent_Forcada::R_Tipo_Calculo() const { return tipo_calculo_; }
TIntervalos* TVent_Forcada::R_Intervalos() { return intervalos_; }

TSuperficie::TSuperficie(int numero) : numero_(numero) {}
TSuperficie::~TSuperficie() = default;
int TSuperficie::R_Numero() { return numero_; }
TLista<TParede>* TSuperficie::R_Faces() { return &faces_; }
TParede* TSuperficie::Adiciona_Face(TParede* face) { return faces_.Adiciona(face); }

ElementoTC::ElementoTC(int nos)
    : Temperaturas(new float[nos > 1 ? nos : 1]()),
      Ligacoes(new TLista<TTrans_EltrMag>(true)),
      total_nos_((nos > 1 ? nos : 1) - 1) {}
ElementoTC::~ElementoTC() {
  delete Ligacoes;
  delete[] Temperaturas;
}
int ElementoTC::TotalNos() const { return total_nos_; }

TParede::TParede(TSuperficie* teto_de, TSuperficie* piso_de, float azimute, double area)
    : teto_de_(teto_de), piso_de_(piso_de), azimute_(azimute), area_(area), regioes_(true) {}
TParede::~TParede() = default;
bool TParede::Eh_Teto(TSuperficie* zona) { return zona != nullptr && zona == teto_de_; }
bool TParede::Eh_Piso(TSuperficie* zona) { return zona != nullptr && zona == piso_de_; }
float TParede::R_Azimute() { return azimute_; }
double TParede::R_Area(int, int) { return area_; }
int TParede::R_Num_Regioes() { return regioes_.Numero_Elementos(); }
TLista<ElementoTC>* TParede::R_Regioes() { return &regioes_; }
ElementoTC* TParede::Adiciona_Regiao(int nos) { return regioes_.Adiciona(new ElementoTC(nos)); }

TTrans_EltrMag::TTrans_EltrMag(float fator_forma, ElementoTC* regiao)
    : fator_forma_(fator_forma), regiao_(regiao) {}
float TTrans_EltrMag::R_Fator_Forma() const { return fator_forma_; }
ElementoTC* TTrans_EltrMag::R_Regiao() const { return regiao_; }
