// The HVAC system file as a host writes and loads it: the report header
// block, then kind after kind (the fan coils, then the nine kinds of the
// primary plant, in the order of their codes) the kind's count line and its
// items. Shared by "arqaux hvac" and the system file's fuzz target.
#ifndef ARQAUX_TOOL_SISTEMA_HVAC_H_
#define ARQAUX_TOOL_SISTEMA_HVAC_H_

#include <arqaux/arqaux.h>

#include <string>

#include "comum/erros.h"

// Writes the sample system on the current stream: the header block, two fan
// coils (every component type, zones with on/off, open and PID controllers,
// schedules, ventilation) and every plant kind, a tank with three
// connections among them and the condenser-water pumps empty. False at the
// first block refused or not written.
bool Grava_Sistema_Exemplo(TGeren_ArquivoAux* geren);

// A component of type code tipo (0 to 6) at position posicao of its block,
// its values small multiples of a quarter; the caller owns it.
TComponente_HVAC* Cria_Componente_Exemplo(int tipo, int posicao);

// Loads the system file open as stream n (the current stream), appending a
// line per kind and per fan coil to *resumo. A failure at the first block
// that does not read, naming it.
TResultado Le_Sistema_HVAC(TGeren_ArquivoAux* geren, int n, std::string* resumo);

#endif  // ARQAUX_TOOL_SISTEMA_HVAC_H_
