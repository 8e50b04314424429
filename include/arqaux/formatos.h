// Sizes and counts of the binary files the library reads and writes: what a
// host or a tool needs to recognise a file by its size and header, or to
// walk its records. Each value is the layout the file's writer puts on disk;
// all numbers are little-endian 4-byte ints and floats.
#ifndef ARQAUX_FORMATOS_H_
#define ARQAUX_FORMATOS_H_

#include <cstddef>

// Hours in the 365-day year of every hourly input file; the report clock
// also wraps at it.
inline constexpr int ARQAUX_HORAS_ANO = 8760;

// Climate file: the city header (TCidade), then one record (TReg_Climatico)
// per hour of the year.
inline constexpr std::size_t ARQAUX_TAM_CABECALHO_CLIMA = 80;
inline constexpr std::size_t ARQAUX_TAM_REGISTRO_CLIMA = 24;
inline constexpr std::size_t ARQAUX_TAM_ARQUIVO_CLIMA =
    ARQAUX_TAM_CABECALHO_CLIMA + ARQAUX_TAM_REGISTRO_CLIMA * ARQAUX_HORAS_ANO;
// Soil file: one record (TReg_Solo: temperature, humidity) per hour, no header.
inline constexpr std::size_t ARQAUX_TAM_REGISTRO_SOLO = 8;
inline constexpr std::size_t ARQAUX_TAM_ARQUIVO_SOLO = ARQAUX_TAM_REGISTRO_SOLO * ARQAUX_HORAS_ANO;
// Interior-climate .ti file: one record (TReg_Temp_Umi) per hour, no header.
inline constexpr std::size_t ARQAUX_TAM_REGISTRO_TI = 8;
inline constexpr std::size_t ARQAUX_TAM_ARQUIVO_TI = ARQAUX_TAM_REGISTRO_TI * ARQAUX_HORAS_ANO;

// Temperature-humidity-comfort stream: a header of an int32 and one flag
// byte per group (temperature, humidity, comfort, from byte 4), then per
// record two floats for each group the flags hold.
inline constexpr std::size_t ARQAUX_TAM_CABECALHO_TEMP_UMI = 7;
inline constexpr std::size_t ARQAUX_POSICAO_FLAGS_TEMP_UMI = 4;
inline constexpr std::size_t ARQAUX_TAM_GRUPO_TEMP_UMI = 8;
// ATS/ACE stream: one float per record; operative/exterior stream: two;
// PV stream: seven. None has a header.
inline constexpr std::size_t ARQAUX_TAM_REGISTRO_ATS_ACE = 4;
inline constexpr std::size_t ARQAUX_TAM_REGISTRO_ACS = 8;
inline constexpr int ARQAUX_VALORES_PV = 7;
inline constexpr std::size_t ARQAUX_TAM_REGISTRO_PV = ARQAUX_VALORES_PV * 4;
// Controller-output stream: an int32 header, then per record a float
// holding the output count k and the k outputs, 4 bytes each.
inline constexpr std::size_t ARQAUX_TAM_CABECALHO_SAIDA_CONT = 4;
inline constexpr std::size_t ARQAUX_TAM_VALOR_SAIDA_CONT = 4;
// Occupancy stream: per record an int32 then a float; no header.
inline constexpr std::size_t ARQAUX_TAM_REGISTRO_PESSOAS = 8;

// Statistics files: raw images of the statistics records. The list files
// (monthly demand and consumption, the HVAC system's, monthly statistics)
// are an int32 count and that many records; the load file is two 2-byte
// flags, the annual record, an int32 count and the monthly records; the gain
// file the same without the flags.
inline constexpr std::size_t ARQAUX_TAM_DEMANDA_CONSUMO = 72;
inline constexpr std::size_t ARQAUX_TAM_DEMANDA_CONSUMO_HVAC = 88;
inline constexpr std::size_t ARQAUX_TAM_ESTATISTICA_MENSAL = 568;
inline constexpr std::size_t ARQAUX_TAM_CARGA_TERMICA_ANUAL = 10392;
inline constexpr std::size_t ARQAUX_TAM_CARGA_TERMICA_MENSAL = 7560;
inline constexpr std::size_t ARQAUX_TAM_GANHO_TERMICO_ANUAL = 3180;
inline constexpr std::size_t ARQAUX_TAM_GANHO_TERMICO_MENSAL = 2340;
inline constexpr std::size_t ARQAUX_TAM_CONTAGEM = 4;
inline constexpr std::size_t ARQAUX_TAM_FLAGS_CARGAS = 4;

// A project's data files: nine files named after it, in the order they are
// compared. A second set carries the prefix "NEW" (NEWCasa.geo beside
// Casa.geo), all but the last two: the ".par" and ".prj" files never take it.
inline constexpr const char* ARQAUX_EXTENSOES_PROJETO[] = {".geo", ".cli", ".eqpv", ".gi", ".pv",
                                                           ".ter", ".vnt", ".par",  ".prj"};
inline constexpr std::size_t ARQAUX_EXTENSOES_COM_PREFIXO = 7;
inline constexpr char ARQAUX_PREFIXO_NOVO[] = "NEW";

#endif  // ARQAUX_FORMATOS_H_
