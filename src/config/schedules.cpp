// The manager's schedule blocks on the current stream. The block's lines and
// its format are those every configuration block uses (engine/registros.cpp).
#include "arqaux/contracts/utility.h"
#include "arqaux/geren_arquivoaux.h"
#include "engine/registros.h"

bool TGeren_ArquivoAux::Grava_Intervalos(TIntervalos* intervalos) {
  return arqaux::Grava_Horarios(Arquivo_Atual, intervalos);
}

bool TGeren_ArquivoAux::Grava_Intervalos_Vent(TIntervalos* intervalos) {
  return arqaux::Grava_Horarios(Arquivo_Atual, intervalos, arqaux::TTitulo_Horarios::Ventilacao);
}

bool TGeren_ArquivoAux::Le_Intervalos(TIntervalos* intervalos) {
  return arqaux::Le_Horarios(Arquivo_Atual, intervalos);
}

bool TGeren_ArquivoAux::Le_Intervalos_Vent(TIntervalos* intervalos) {
  return arqaux::Le_Horarios(Arquivo_Atual, intervalos, arqaux::TTitulo_Horarios::Ventilacao);
}
