// Feeds arbitrary bytes, as an HVAC system file, to the whole load a host
// makes of it: the report header block, then each kind's count and items
// (fan coils with their zones, components, schedules and controllers, then
// the plant). Every reader must return without a sanitizer report, whatever
// it is given, and build nothing a count names beyond what the file holds.
#include <arqaux/arqaux.h>

#include <cstdint>
#include <string>

#include "fuzz_comum.h"
#include "hvac/sistema_hvac.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  const std::string caminho = fuzz::Arquivo("sistema.txt");
  if (!fuzz::Grava(caminho, dados, tamanho)) return 0;
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  const int n = geren->Abre_Arquivo(caminho.c_str(), "rt");
  if (n == 0) return 0;
  std::string resumo;
  Le_Sistema_HVAC(geren, n, &resumo);
  geren->Fecha_Todos();
  return 0;
}
