// The in-memory "%f" scanner against fscanf: the input is read value after
// value by both, as a reader of a text stream would, and any difference in
// result, float bits or stop position aborts with the two reads on stderr.
// Then the pass over a value that is not converted against the scanner: at
// every value of the input, a pass must end where the scan ends, on a
// converted value; and a run of passes at once must end where the same
// passes one at a time end.
#include <cstdint>
#include <cstdio>
#include <string>

#include "engine/leitor_real.h"
#include "support/diferenca_fscanf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  const std::string diferenca = Diferenca_Fscanf(reinterpret_cast<const char*>(dados), tamanho);
  if (!diferenca.empty()) {
    std::fprintf(stderr, "%s\n", diferenca.c_str());
    __builtin_trap();
  }
  const char* p = reinterpret_cast<const char*>(dados);
  const char* const fim = p + tamanho;
  while (p != fim) {
    const char* pulo = arqaux::Pula_Real(p, fim);
    float v;
    const char* parada;
    const arqaux::TResultado_Real lido = arqaux::Le_Real(p, fim, &v, &parada);
    if (pulo != nullptr && (lido != arqaux::TResultado_Real::Convertido || pulo != parada)) {
      std::fprintf(stderr, "passed over to %ld, scanned to %ld\n", static_cast<long>(pulo - p),
                   static_cast<long>(parada - p));
      __builtin_trap();
    }
    // A run of passes at once against the same passes one at a time.
    for (int k = 1; k <= 8; ++k) {
      int passados;
      const char* q = arqaux::Pula_Reais(p, fim, k, &passados);
      const char* r = p;
      for (int i = 0; i < passados && r != nullptr; ++i) r = arqaux::Pula_Real(r, fim);
      if (r != q) {
        std::fprintf(stderr, "%d passed over at once do not end where one at a time end\n",
                     passados);
        __builtin_trap();
      }
    }
    p = parada != p ? parada : p + 1;
  }
  return 0;
}
