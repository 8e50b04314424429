// Sizes of the files the tool reads and writes, in one place: the hourly
// input files and the zone result streams. The records of the input files
// are the library's plain records; the streams' layouts are what their
// writers put on disk.
#ifndef ARQAUX_TOOL_FORMATOS_H_
#define ARQAUX_TOOL_FORMATOS_H_

#include <arqaux/records.h>

#include <cstdint>

// Hours in the 365-day year of every hourly input file.
constexpr int HORAS_ANO = 8760;

// A climate file: the city header, then one record per hour of the year.
constexpr uintmax_t TAMANHO_CLIMA = sizeof(TCidade) + sizeof(TReg_Climatico) * HORAS_ANO;
// Soil and interior-climate (.ti) files: one 8-byte record per hour, no header.
constexpr uintmax_t TAMANHO_SOLO = sizeof(TReg_Solo) * HORAS_ANO;
constexpr uintmax_t TAMANHO_TI = sizeof(TReg_Temp_Umi) * HORAS_ANO;

// Temperature-humidity-comfort stream: an int32 and one byte flag per group
// (temperature, humidity, comfort), then per sample two floats per group held.
constexpr uintmax_t CABECALHO_TEMP_UMI = 7;
constexpr uintmax_t OFFSET_GRUPOS_TEMP_UMI = 4;
constexpr uintmax_t BYTES_GRUPO_TEMP_UMI = 8;
// ATS/ACE, operative/exterior and photovoltaic streams: no header; one, two
// and seven floats per sample.
constexpr uintmax_t REGISTRO_ATS = 4;
constexpr uintmax_t REGISTRO_ACS = 8;
constexpr uintmax_t REGISTRO_PV = 28;
// Controller-output stream: an int32, then per sample a float holding the
// number of outputs k and the k outputs.
constexpr uintmax_t CABECALHO_SAIDA_CONT = 4;
constexpr uintmax_t BYTES_SAIDA_CONT = 4;

#endif  // ARQAUX_TOOL_FORMATOS_H_
