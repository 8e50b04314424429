// The in-memory "%f" scanner against fscanf: the input is read value after
// value by both, as a reader of a text stream would, and any difference in
// result, float bits or stop position aborts with the two reads on stderr.
#include <cstdint>
#include <cstdio>
#include <string>

#include "support/diferenca_fscanf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  const std::string diferenca = Diferenca_Fscanf(reinterpret_cast<const char*>(dados), tamanho);
  if (!diferenca.empty()) {
    std::fprintf(stderr, "%s\n", diferenca.c_str());
    __builtin_trap();
  }
  return 0;
}
