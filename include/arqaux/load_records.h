// The records of a zone's thermal-load statistics and of its monthly demand
// and consumption. The host fills them during a run; the annual and monthly
// reports read them by byte position and the statistics files store them as
// raw images, so the layout asserted here is the layout of those files.
// Every value is a 4-byte float, every moment a 40-byte TTempo.
#ifndef ARQAUX_LOAD_RECORDS_H_
#define ARQAUX_LOAD_RECORDS_H_

#include <cstddef>

#include "arqaux/contracts/utility.h"
#include "arqaux/formatos.h"

// The three quantities of every block, in block order.
enum TQuantidade_Carga { Q_Total = 0, Q_Sensivel = 1, Q_Latente = 2 };

// One sample of a zone's heat balance: the 16 components as sensible and
// latent pairs, the zone record, and the totals of each season.
struct TCarga_Termica {
  float Componentes[32] = {};
  float Zona[18] = {};
  float Reservado[3] = {};
  float Inverno[3] = {};  // total, sensible, latent (TQuantidade_Carga)
  float Verao[3] = {};
};
static_assert(sizeof(TCarga_Termica) == 236, "a load block as stored");
static_assert(offsetof(TCarga_Termica, Inverno) == 212 && offsetof(TCarga_Termica, Verao) == 224,
              "the winter and summer values the reports read");

// One sample of a zone's heat gain: the components, then the totals.
struct TGanho_Termico {
  float Componentes[32] = {};
  float Valores[3] = {};  // total, sensible, latent (TQuantidade_Carga)
};
static_assert(sizeof(TGanho_Termico) == 140, "a gain block as stored");
static_assert(offsetof(TGanho_Termico, Valores) == 128, "the values the reports read");

// The seasons of the load records, in the order they are stored.
enum TEstacao { E_Inverno = 0, E_Verao = 1 };

// A year of load statistics. Extremes are stored in the order T min, T max,
// S min, S max, L min, L max and their moments in the order T max, T min,
// S max, S min, L max, L min; the monthly and daily means of the maxima and
// minima in the moments' order; the annual means as T, S, L.
struct TCarga_Termica_Anual {
  struct TExtremos {
    TCarga_Termica Blocos[6];
    TTempo Momentos[6];
  };
  TExtremos Extremos[2];                // by season
  TCarga_Termica Medias_Mensais[2][6];  // by season
  TCarga_Termica Medias_Diarias[2][6];  // by season
  TCarga_Termica Medias[2][3];          // by season
};
static_assert(sizeof(TCarga_Termica_Anual) == ARQAUX_TAM_CARGA_TERMICA_ANUAL, "as stored");
static_assert(offsetof(TCarga_Termica_Anual, Extremos[0].Momentos) == 1416 &&
                  offsetof(TCarga_Termica_Anual, Extremos[1]) == 1656 &&
                  offsetof(TCarga_Termica_Anual, Extremos[1].Momentos) == 3072 &&
                  offsetof(TCarga_Termica_Anual, Medias_Mensais[0]) == 3312 &&
                  offsetof(TCarga_Termica_Anual, Medias_Mensais[1]) == 4728 &&
                  offsetof(TCarga_Termica_Anual, Medias_Diarias[0]) == 6144 &&
                  offsetof(TCarga_Termica_Anual, Medias_Diarias[1]) == 7560 &&
                  offsetof(TCarga_Termica_Anual, Medias[0]) == 8976 &&
                  offsetof(TCarga_Termica_Anual, Medias[1]) == 9684,
              "the groups the annual report reads");

// A month of load statistics. Extremes and their moments are stored as
// T min, S min, L min, T max, S max, L max; the daily means as T max, S max,
// L max, T min, S min, L min; the means as winter T, S, L, summer T, S, L.
struct TCarga_Termica_Mensal {
  struct TExtremos {
    TCarga_Termica Blocos[6];
    TTempo Momentos[6];
  };
  TExtremos Extremos[2];                // by season
  TCarga_Termica Medias_Diarias[2][6];  // by season
  TCarga_Termica Medias[2][3];          // by season
};
static_assert(sizeof(TCarga_Termica_Mensal) == ARQAUX_TAM_CARGA_TERMICA_MENSAL, "as stored");
static_assert(offsetof(TCarga_Termica_Mensal, Extremos[0].Momentos) == 1416 &&
                  offsetof(TCarga_Termica_Mensal, Extremos[1]) == 1656 &&
                  offsetof(TCarga_Termica_Mensal, Extremos[1].Momentos) == 3072 &&
                  offsetof(TCarga_Termica_Mensal, Medias_Diarias[0]) == 3312 &&
                  offsetof(TCarga_Termica_Mensal, Medias_Diarias[1]) == 4728 &&
                  offsetof(TCarga_Termica_Mensal, Medias[0]) == 6144 &&
                  offsetof(TCarga_Termica_Mensal, Medias[1]) == 6852,
              "the groups the monthly report reads");

// A year of gain statistics, in the orders of TCarga_Termica_Anual.
struct TGanho_Termico_Anual {
  TGanho_Termico Extremos[6];
  TTempo Momentos[6];
  TGanho_Termico Medias_Mensais[6];
  TGanho_Termico Medias_Diarias[6];
  TGanho_Termico Medias[3];
};
static_assert(sizeof(TGanho_Termico_Anual) == ARQAUX_TAM_GANHO_TERMICO_ANUAL, "as stored");
static_assert(offsetof(TGanho_Termico_Anual, Momentos) == 840 &&
                  offsetof(TGanho_Termico_Anual, Medias_Mensais) == 1080 &&
                  offsetof(TGanho_Termico_Anual, Medias_Diarias) == 1920 &&
                  offsetof(TGanho_Termico_Anual, Medias) == 2760,
              "the groups the annual report reads");

// A month of gain statistics. Extremes and daily means are stored as T max,
// S max, L max, T min, S min, L min, but the moments as T min, S min, L min,
// T max, S max, L max: the moment of an extreme is three places from its
// block. The means are T, S, L.
struct TGanho_Termico_Mensal {
  TGanho_Termico Extremos[6];
  TTempo Momentos[6];
  TGanho_Termico Medias_Diarias[6];
  TGanho_Termico Medias[3];
};
static_assert(sizeof(TGanho_Termico_Mensal) == ARQAUX_TAM_GANHO_TERMICO_MENSAL, "as stored");
static_assert(offsetof(TGanho_Termico_Mensal, Momentos) == 840 &&
                  offsetof(TGanho_Termico_Mensal, Medias_Diarias) == 1080 &&
                  offsetof(TGanho_Termico_Mensal, Medias) == 1920,
              "the groups the monthly report reads");

// A month of a zone's energy demand and consumption, in kWh: heating and
// cooling demand, heating and cooling consumption, lighting, equipment and
// fan consumption, total consumption. Mes is the month's first moment.
struct TDemanda_Consumo_Mensal {
  float Valores[8] = {};
  TTempo Mes;
};
static_assert(sizeof(TDemanda_Consumo_Mensal) == ARQAUX_TAM_DEMANDA_CONSUMO, "as stored");
static_assert(offsetof(TDemanda_Consumo_Mensal, Mes) == 32, "the clock inside the record");

// A month of the HVAC system's demand and consumption, in kWh: cooling and
// heating demand; chillers, cooling towers, boilers, chilled-water,
// hot-water and condenser-water pumps, fan-coil fans, electric heaters,
// humidifiers; total consumption.
struct TDemanda_Consumo_Mensal_HVAC {
  float Valores[12] = {};
  TTempo Mes;
};
static_assert(sizeof(TDemanda_Consumo_Mensal_HVAC) == ARQAUX_TAM_DEMANDA_CONSUMO_HVAC, "as stored");
static_assert(offsetof(TDemanda_Consumo_Mensal_HVAC, Mes) == 48, "the clock inside the record");

// A month of zone statistics: six groups of values, each followed by the
// moments of its first two values (a maximum and a minimum).
struct TEstatistica_Mensal {
  float Temperatura[2] = {};  // air temperature max, min (degC)
  TTempo Momentos_Temperatura[2];
  float Umidade[2] = {};  // relative humidity max, min (%)
  TTempo Momentos_Umidade[2];
  // Heating load max, min, mean (W), energy (kWh), consumption (kWh), hours on.
  float Aquecimento[6] = {};
  TTempo Momentos_Aquecimento[2];
  float Resfriamento[2] = {};  // cooling load max, min (W)
  TTempo Momentos_Resfriamento[2];
  // PMV max, min, mean PPD (%), hours too cold, too warm and comfortable,
  // fraction of hours comfortable (%).
  float Conforto[7] = {};
  TTempo Momentos_Conforto[2];
  float Operativa[3] = {};  // operative temperature max, min, mean (degC)
  TTempo Momentos_Operativa[2];
};
static_assert(sizeof(TEstatistica_Mensal) == ARQAUX_TAM_ESTATISTICA_MENSAL, "as stored");
static_assert(offsetof(TEstatistica_Mensal, Momentos_Temperatura) == 8 &&
                  offsetof(TEstatistica_Mensal, Momentos_Umidade) == 96 &&
                  offsetof(TEstatistica_Mensal, Momentos_Aquecimento) == 200 &&
                  offsetof(TEstatistica_Mensal, Momentos_Resfriamento) == 288 &&
                  offsetof(TEstatistica_Mensal, Momentos_Conforto) == 396 &&
                  offsetof(TEstatistica_Mensal, Momentos_Operativa) == 488,
              "the clock pairs inside the record");

#endif  // ARQAUX_LOAD_RECORDS_H_
