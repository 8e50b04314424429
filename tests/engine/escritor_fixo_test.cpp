// The writer chosen once per compiled conversion gives printf's text: the
// one with the precision fixed for a plain "%.Pf", and the general one for
// any other conversion, over random bit patterns (NaN, infinities,
// denormals and floats past 2^64 among them) and the ties of each precision.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "engine/real_fixo.h"

namespace {

TEST(EscritorFixo, EveryPrecisionAndFormatGivesPrintfsText) {
  const char* const formatos[] = {"%.0f",    "%.1f",   "%.2f",  "%.3f",  "%.4f",   "%.5f",
                                  "%.6f",    "%.7f",   "%.8f",  "%.9f",  "%f",     "%.f",
                                  "%.10f",   "%8.3f",  "%+.1f", "%#.0f", "%-7.2f", "%07.2f",
                                  "%012.5f", "%05.0f", "%03.9f"};
  std::string erros;
  for (const char* formato : formatos) {
    arqaux::TPeca_Formato peca;
    arqaux::TEspec_Fixo espec;
    ASSERT_TRUE(arqaux::Le_Peca(formato, &peca) != nullptr &&
                arqaux::Compila_Espec_Fixo(peca, &espec));
    const arqaux::TEscritor_Fixo escritor = arqaux::Escritor_Fixo(espec);
    std::mt19937 gerador(7);
    for (int i = 0; i < 200000; ++i) {
      uint32_t bits = gerador();
      // Every other value a tie of the precision or near one, or a small one.
      if (i % 2 == 1) bits = (bits & 0x807FFFFF) | ((120u + i % 40) << 23);
      float v;
      std::memcpy(&v, &bits, sizeof v);
      char esperado[512], obtido[arqaux::kMaxTextoRealFixo];
      const int n = std::snprintf(esperado, sizeof esperado, formato, static_cast<double>(v));
      const std::string texto(obtido, escritor(obtido, v, espec));
      if (texto != std::string(esperado, n)) {
        erros += std::string(formato) + ": " + texto + " for " + esperado + "\n";
        break;
      }
    }
  }
  EXPECT_EQ("", erros);
}

}  // namespace
