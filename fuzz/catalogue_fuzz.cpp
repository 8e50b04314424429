// Feeds arbitrary bytes to the loader of one catalogue or reference-table
// kind, as the tool's check drives it (the library's loading, then the
// strict second reading): the first byte chooses the kind (its index in the
// list of kinds, modulo their number), the rest is the file.
// Every loader must return without a sanitizer report and allocate nothing
// a count names beyond what the file holds.
#include <arqaux/arqaux.h>

#include <cstdint>
#include <string>
#include <vector>

#include "catalogos/catalogos.h"
#include "fuzz_comum.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  static const std::vector<TTipo_Catalogo> tipos = Tipos_Catalogo();
  if (tamanho == 0 || tipos.empty()) return 0;
  const TTipo_Catalogo& tipo = tipos[dados[0] % tipos.size()];
  const std::string caminho = fuzz::Arquivo("catalogo.txt");
  if (!fuzz::Grava(caminho, dados + 1, tamanho - 1)) return 0;
  long parada = -1;
  Confere_Catalogo(tipo, caminho, nullptr, &parada);
  Geren_ArqAux()->Fecha_Todos();
  return 0;
}
