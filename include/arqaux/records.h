// Plain records that cross the library boundary as raw bytes: they are read
// and written as blocks of exactly the sizes asserted here, so their layout
// is part of every file format that holds them.
#ifndef ARQAUX_RECORDS_H_
#define ARQAUX_RECORDS_H_

#include <cstddef>
#include <cstdint>

#include "arqaux/formatos.h"

// Header of the climate file: the 80 bytes before the first hourly record.
struct TCidade {
  char Nome[40];
  char Estado[4];
  float Latitude;
  float Longitude;
  float Altitude;
  float Fuso_Horario;
  float Albedo;
  int32_t Ano;
  float Reservado[3];
};
static_assert(sizeof(TCidade) == ARQAUX_TAM_CABECALHO_CLIMA, "the climate header as on disk");

// One hour of outdoor climate. The zone-condition stream writes the first two
// floats beside the zone temperature and humidity.
struct TReg_Climatico {
  float Temperatura;
  float Umidade;
  float Rad_Direta;
  float Rad_Difusa;
  float Vel_Vento;
  float Dir_Vento;
};
static_assert(sizeof(TReg_Climatico) == ARQAUX_TAM_REGISTRO_CLIMA, "a climate record as on disk");

// One hour of soil conditions: temperature (°C) and humidity ratio (kg/kg),
// as the climate record's first two fields.
struct TReg_Solo {
  float Temperatura;
  float Umidade;
};
static_assert(sizeof(TReg_Solo) == ARQAUX_TAM_REGISTRO_SOLO, "a soil record as on disk");

// One hour of interior climate (the .ti file): the two columns of its text
// form, temperature (°C) and humidity ratio (kg/kg).
struct TReg_Temp_Umi {
  float Temperatura;
  float Umidade;
};
static_assert(sizeof(TReg_Temp_Umi) == ARQAUX_TAM_REGISTRO_TI,
              "an interior-climate record as on disk");

// ---- Daylighting schedule records ----
//
// One hour of a daylighting schedule as the host buffers it: the electric
// lighting power density of that hour's line, W per unit floor area.
struct TReg_DPI_DAYSIM {
  float DPI;
};
static_assert(sizeof(TReg_DPI_DAYSIM) == 4 && offsetof(TReg_DPI_DAYSIM, DPI) == 0,
              "one hour of lighting power density, a single float");

// ---- Equipment catalogue records ----
//
// Records of the equipment catalogue editors, loaded one at a time and saved
// as contiguous arrays. Every field is 4 bytes (names are char arrays of a
// multiple of 4), so the layout has no padding. Names are zero-terminated and
// hold no "]", which closes them in the files.

// One air-conditioner model of the catalogue "Condicionadores.txt".
struct Modelos_AC {
  char Nome[32];
  float CT_Nominal;   // nominal total capacity
  float CS_Nominal;   // nominal sensible capacity
  float EER_Nominal;  // nominal efficiency
  float Coef_CT[6];   // part-load curves of the three nominal values
  float Coef_CS[6];
  float Coef_EER[6];
  float Vazao_Vol_Ar;  // air volume flow
  float Temp_Evap_AC;  // evaporating temperature
  int32_t Tipo_Temperatura;
  int32_t Reservado;  // not carried by the file: a load leaves it as it was
  int32_t Tipo_Aquecimento;
  int32_t Regulamentado;
  int32_t Tipo_Condensador;
  int32_t Tipo_Equipamento;
  int32_t Condensador_Sombreado;
};
static_assert(sizeof(Modelos_AC) == 152, "an air-conditioner model as the editor keeps it");
static_assert(offsetof(Modelos_AC, Coef_CT) == 44 && offsetof(Modelos_AC, Vazao_Vol_Ar) == 116 &&
                  offsetof(Modelos_AC, Tipo_Temperatura) == 124 &&
                  offsetof(Modelos_AC, Condensador_Sombreado) == 148,
              "the fields of a model in their order");

// Names of the chiller, coil and fan-curve catalogues: 19 characters at most.
constexpr int ARQAUX_TAM_NOME_CATALOGO = 20;

// A water coil: its name and 16 coefficients.
struct Serpentina {
  char Nome[ARQAUX_TAM_NOME_CATALOGO];
  float Valores[16];
};
// A fan curve: its name and 4 coefficients.
struct Curvas_Vent {
  char Nome[ARQAUX_TAM_NOME_CATALOGO];
  float Coef[4];
};
// A chiller and the names of its capacity, efficiency-by-temperature and
// efficiency-by-part-load curves.
struct Equip {
  char Nome[ARQAUX_TAM_NOME_CATALOGO];
  char Curva_CAP[ARQAUX_TAM_NOME_CATALOGO];
  char Curva_EIRT[ARQAUX_TAM_NOME_CATALOGO];
  char Curva_EIRPLR[ARQAUX_TAM_NOME_CATALOGO];
};
// A chiller's capacity curve.
struct Curva_CAP {
  char Nome[ARQAUX_TAM_NOME_CATALOGO];
  float Coef[6];
};
// A chiller's efficiency curve by temperature.
struct Curva_EIRT {
  char Nome[ARQAUX_TAM_NOME_CATALOGO];
  float Coef[6];
};
// A chiller's efficiency curve by part-load ratio.
struct Curva_EIRPLR {
  char Nome[ARQAUX_TAM_NOME_CATALOGO];
  float Coef[3];
};
static_assert(sizeof(Serpentina) == 84 && offsetof(Serpentina, Valores) == 20, "a coil record");
static_assert(sizeof(Curvas_Vent) == 36 && offsetof(Curvas_Vent, Coef) == 20, "a fan curve");
static_assert(sizeof(Equip) == 80 && offsetof(Equip, Curva_EIRPLR) == 60, "a chiller record");
static_assert(sizeof(Curva_CAP) == 44 && sizeof(Curva_EIRT) == 44 && sizeof(Curva_EIRPLR) == 32 &&
                  offsetof(Curva_CAP, Coef) == 20 && offsetof(Curva_EIRT, Coef) == 20 &&
                  offsetof(Curva_EIRPLR, Coef) == 20,
              "the chiller curves");

// ---- Glazing property record ----
//
// One glazing model as the host keeps it: what the model table fills, the
// external database's text fields and gas file, and the gas properties of
// its one or two gaps. Shared with the host, so the layout is fixed.

// Characters of a glazing name, of the gas file name and of a database text
// field, terminator included.
constexpr int ARQAUX_TAM_NOME_VIDRO = 32;
constexpr int ARQAUX_TAM_ARQUIVO_GAS = 120;
constexpr int ARQAUX_TAM_CAMPO_VIDRO = 30;

struct TProp_Vitreas {
  char Nome[ARQAUX_TAM_NOME_VIDRO];
  int32_t Indice_Registro;  // 0-based position of the model to load, set by the host
  float Transmissividade[10];
  float Transmissividade_Sistema[10];
  float Absortividade[10];
  float Espessura;
  int32_t Modelo_Padrao;
  char Arquivo_Gas[ARQAUX_TAM_ARQUIVO_GAS];  // inside the Vitreous directory
  // Texts of the database row; 2 and 4 are the scan patterns that find the
  // gas of the first and of the second gap in the gas file.
  char Campos_Texto[6][ARQAUX_TAM_CAMPO_VIDRO];
  int32_t Num_Camaras;  // gaps: 1 or 2
  bool Gas_A;
  bool Gas_B;
  // Gas coefficients of each gap in the order b0, b1, d0, d1, a0, a1, c0, c1.
  float Coef_Gas_1[8];
  float Coef_Gas_2[8];
  // Per-gap properties: [single gap, first of two, second of two].
  float Prop_Q[3];
  float Prop_R[3];
  float Prop_P[3];
  // Gap temperatures: [0] for two-gap glazing, [1] for single-gap glazing.
  float Temp_Camara[2];
};
static_assert(sizeof(TProp_Vitreas) == 580, "a glazing record as the host keeps it");
static_assert(offsetof(TProp_Vitreas, Arquivo_Gas) == 164 &&
                  offsetof(TProp_Vitreas, Num_Camaras) == 464 &&
                  offsetof(TProp_Vitreas, Coef_Gas_1) == 472 &&
                  offsetof(TProp_Vitreas, Prop_Q) == 536 &&
                  offsetof(TProp_Vitreas, Temp_Camara) == 572,
              "the fields of a glazing record in their order");

#endif  // ARQAUX_RECORDS_H_
