// Node heat fluxes: one line per node, its number and its flux, and an empty
// line after the nodes of a time step:
//
//   0 12.500000
//   1 -3.250000
//   (empty line)
#include "arqaux/geren_arquivoaux.h"
#include "diagnostics/impressao.h"

int TGeren_ArquivoAux::Fluxo_Nos(int no, float fluxo) {
  return arqaux::Imprime(Arquivo_Atual, "%d %f\n", no, fluxo);
}

int TGeren_ArquivoAux::Fluxo_Nos_Linha() { return arqaux::Imprime(Arquivo_Atual, "\n"); }
