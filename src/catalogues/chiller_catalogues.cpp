// The HVAC equipment editors' small catalogues: water coils, fan curves,
// chillers (a chiller and the names of its three curves) and the chillers'
// capacity, efficiency-by-temperature and efficiency-by-part-load curves.
// Each file is a count line, then a name line and a value line per record:
//
//   [Nº Registros = 2]
//   [Centrifugo 300TR]
//   {[CAP-300],[EIRT-300],[EIRPLR-300]}
//   [Parafuso 150TR]
//   ...
//
// Value lines are "{v,v,...}" with "%f" values, but for the fan curves'
// "%.6f" (the same digits), and "{[a],[b],[c]}" for a chiller. Names hold
// at most 19 characters: a longer one fails its record. A record loader
// returns the count of values of its value line when the record read whole
// (a coil's 16 too, though its line is scanned value by value), so that one
// comparison tells a whole record for every catalogue.
#include "arqaux/geren_arquivoaux.h"
#include "catalogues/catalogo_texto.h"

using arqaux::Campo;
using arqaux::Elementos;
using arqaux::TCatalogo;
using arqaux::TContagem;
using arqaux::TLinha;

namespace {

// "Nº" in Windows-1252.
const TLinha<TContagem> kContagem = {"[N\xBA Registros = %d]\n", {Campo(&TContagem::n)}};

template <class R>
TLinha<R> Linha_Nome() {
  return {"[%s]\n", {Campo(&R::Nome)}};
}

const TLinha<Serpentina> kLinhasSerpentina[] = {
    Linha_Nome<Serpentina>(),
    {"{%f,%f,%f,%f,%f,%f,%f,%f,%f,%f,%f,%f,%f,%f,%f,%f}\n", Elementos(&Serpentina::Valores)}};
const TLinha<Curvas_Vent> kLinhasVentilador[] = {
    Linha_Nome<Curvas_Vent>(), {"{%.6f,%.6f,%.6f,%.6f}\n", Elementos(&Curvas_Vent::Coef)}};
const TLinha<Equip> kLinhasChiller[] = {
    Linha_Nome<Equip>(),
    {"{[%s],[%s],[%s]}\n",
     {Campo(&Equip::Curva_CAP), Campo(&Equip::Curva_EIRT), Campo(&Equip::Curva_EIRPLR)}}};
const TLinha<Curva_CAP> kLinhasCap[] = {Linha_Nome<Curva_CAP>(),
                                        {"{%f,%f,%f,%f,%f,%f}\n", Elementos(&Curva_CAP::Coef)}};
const TLinha<Curva_EIRT> kLinhasEirt[] = {Linha_Nome<Curva_EIRT>(),
                                          {"{%f,%f,%f,%f,%f,%f}\n", Elementos(&Curva_EIRT::Coef)}};
const TLinha<Curva_EIRPLR> kLinhasEirplr[] = {Linha_Nome<Curva_EIRPLR>(),
                                              {"{%f,%f,%f}\n", Elementos(&Curva_EIRPLR::Coef)}};

const TCatalogo<Serpentina> kSerpentinas = {kContagem, kLinhasSerpentina, 16};
const TCatalogo<Curvas_Vent> kVentiladores = {kContagem, kLinhasVentilador, 4};
const TCatalogo<Equip> kChillers = {kContagem, kLinhasChiller, 3};
const TCatalogo<Curva_CAP> kCurvasCap = {kContagem, kLinhasCap, 6};
const TCatalogo<Curva_EIRT> kCurvasEirt = {kContagem, kLinhasEirt, 6};
const TCatalogo<Curva_EIRPLR> kCurvasEirplr = {kContagem, kLinhasEirplr, 3};

// Every catalogue has the same count line, read through any of them.
const TCatalogo<Serpentina>& kQualquer = kSerpentinas;

}  // namespace

int TGeren_ArquivoAux::Le_Num_Registros(int n) {
  return arqaux::Le_Contagem(Seleciona_Arquivo(n), kQualquer);
}

int TGeren_ArquivoAux::Le_Num_Registros() { return arqaux::Le_Contagem(Arquivo_Atual, kQualquer); }

int TGeren_ArquivoAux::Carrega_Serpentinas(int n, Serpentina* registro) {
  return arqaux::Carrega_Registro(Seleciona_Arquivo(n), kSerpentinas, registro);
}

int TGeren_ArquivoAux::Salva_Serpentinas(int n, int count, Serpentina* registros) {
  return arqaux::Salva_Registros(Seleciona_Arquivo(n), kSerpentinas, count, registros);
}

int TGeren_ArquivoAux::Carrega_Curvas_Ventilador(Curvas_Vent* registro) {
  return arqaux::Carrega_Registro(Arquivo_Atual, kVentiladores, registro);
}

int TGeren_ArquivoAux::Salva_Curvas_Ventilador(int count, Curvas_Vent* registros) {
  return arqaux::Salva_Registros(Arquivo_Atual, kVentiladores, count, registros);
}

int TGeren_ArquivoAux::Carrega_Equip_Chiller(int n, Equip* registro) {
  return arqaux::Carrega_Registro(Seleciona_Arquivo(n), kChillers, registro);
}

int TGeren_ArquivoAux::Salva_Equip_Chiller(int n, int count, Equip* registros) {
  return arqaux::Salva_Registros(Seleciona_Arquivo(n), kChillers, count, registros);
}

int TGeren_ArquivoAux::Carrega_Curvas_CAP(int n, Curva_CAP* registro) {
  return arqaux::Carrega_Registro(Seleciona_Arquivo(n), kCurvasCap, registro);
}

int TGeren_ArquivoAux::Salva_Curvas_CAP(int n, int count, Curva_CAP* registros) {
  return arqaux::Salva_Registros(Seleciona_Arquivo(n), kCurvasCap, count, registros);
}

int TGeren_ArquivoAux::Carrega_Curvas_EIRT(int n, Curva_EIRT* registro) {
  return arqaux::Carrega_Registro(Seleciona_Arquivo(n), kCurvasEirt, registro);
}

int TGeren_ArquivoAux::Salva_Curvas_EIRT(int n, int count, Curva_EIRT* registros) {
  return arqaux::Salva_Registros(Seleciona_Arquivo(n), kCurvasEirt, count, registros);
}

int TGeren_ArquivoAux::Carrega_Curvas_EIRPLR(int n, Curva_EIRPLR* registro) {
  return arqaux::Carrega_Registro(Seleciona_Arquivo(n), kCurvasEirplr, registro);
}

int TGeren_ArquivoAux::Salva_Curvas_EIRPLR(int n, int count, Curva_EIRPLR* registros) {
  return arqaux::Salva_Registros(Seleciona_Arquivo(n), kCurvasEirplr, count, registros);
}
