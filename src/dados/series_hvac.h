// Inside the data layer: the series of the HVAC output streams, opened by
// Abre_Serie for the HVAC kinds.
#ifndef ARQAUX_SRC_DADOS_SERIES_HVAC_H_
#define ARQAUX_SRC_DADOS_SERIES_HVAC_H_

#include <arqaux/dados.h>

// Opens an HVAC data or consumption stream as a series: d's description gives its columns. Leaves
// *erro as it finds it when the file does not open.
std::unique_ptr<TSerie> Abre_Serie_HVAC(const std::string& caminho, const TDeteccao& d,
                                        int intervalo, std::string* erro);

#endif  // ARQAUX_SRC_DADOS_SERIES_HVAC_H_
