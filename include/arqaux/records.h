// Plain records that cross the library boundary as raw bytes: they are read
// and written as blocks of exactly the sizes asserted here, so their layout
// is part of every file format that holds them.
#ifndef ARQAUX_RECORDS_H_
#define ARQAUX_RECORDS_H_

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

// One hour of soil conditions.
struct TReg_Solo {
  float Temperatura;
  float Umidade;
};
static_assert(sizeof(TReg_Solo) == ARQAUX_TAM_REGISTRO_SOLO, "a soil record as on disk");

// One hour of interior climate (the .ti file): the two columns of its text form.
struct TReg_Temp_Umi {
  float Temperatura;
  float Umidade;
};
static_assert(sizeof(TReg_Temp_Umi) == ARQAUX_TAM_REGISTRO_TI,
              "an interior-climate record as on disk");

#endif  // ARQAUX_RECORDS_H_
