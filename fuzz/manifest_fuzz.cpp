// Feeds arbitrary bytes to a run folder's manifest (.arqaux-run) and then
// records one more file in it, as export and plot do after writing into a
// run folder: the tool's own code reads the manifest, refuses what is not
// one, and rewrites it.
#include <cstdint>
#include <string>

#include "fuzz_comum.h"
#include "saida/saida_segura.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  if (!fuzz::Grava(fuzz::Arquivo(kManifestoExecucao), dados, tamanho)) return 0;
  const std::string saida = fuzz::Arquivo("saida.csv");
  if (!fuzz::Grava(saida, dados, 0)) return 0;
  Anota_No_Manifesto(saida);
  return 0;
}
