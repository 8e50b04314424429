// Synthetic hourly input data for the sample run: a climate year with daily
// and annual cycles, the soil under it and the interior climate of an
// unconditioned neighbour space. Plain trigonometry, so every run writes the
// same bytes.
#ifndef ARQAUX_TOOL_SAMPLE_DATA_H_
#define ARQAUX_TOOL_SAMPLE_DATA_H_

#include <arqaux/records.h>

#include <string>

// Header of the synthetic climate file: a subtropical southern city.
TCidade Cidade_Sintetica();
// The synthetic climate, soil and interior-climate values of hour h (0..8759).
TReg_Climatico Clima_Sintetico(int hora);
TReg_Solo Solo_Sintetico(int hora);
TReg_Temp_Umi Clima_Interno_Sintetico(int hora);

// Each writes a whole year to caminho; false when the file cannot be written.
// Climate: the 80-byte header and 8760 records of 24 bytes. Soil: 8760
// records of 8 bytes. Interior climate: 8760 text lines "%f %f\n".
bool Escreve_Clima_Sintetico(const std::string& caminho);
bool Escreve_Solo_Sintetico(const std::string& caminho);
bool Escreve_Clima_Interno_Texto(const std::string& caminho);

#endif  // ARQAUX_TOOL_SAMPLE_DATA_H_
