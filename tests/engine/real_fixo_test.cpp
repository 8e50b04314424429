#include "engine/real_fixo.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

using arqaux::TEspec_Fixo;

// The sanitizer build runs a tenth of the random sweep.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kRandomicos = 250000;
#else
constexpr int kRandomicos = 2500000;
#endif

// The conversion "%.Nf".
std::string Fixo(int precisao) { return "%." + std::to_string(precisao) + "f"; }

TEspec_Fixo Compila(const std::string& formato) {
  arqaux::TPeca_Formato peca;
  const char* fim = arqaux::Le_Peca(formato.c_str(), &peca);
  TEspec_Fixo espec;
  EXPECT_TRUE(fim != nullptr && *fim == '\0' && arqaux::Compila_Espec_Fixo(peca, &espec))
      << formato;
  return espec;
}

float De_Bits(uint32_t bits) {
  float v;
  std::memcpy(&v, &bits, sizeof v);
  return v;
}

// Formats every value with Escreve_Real_Fixo and with snprintf; returns how
// many texts differ and the first, or "" when none does.
template <typename T>
std::string Confere(const std::string& formato, const std::vector<T>& valores) {
  const TEspec_Fixo espec = Compila(formato);
  int quantas = 0;
  std::string primeira;
  for (T v : valores) {
    char esperado[512];
    const int n = std::snprintf(esperado, sizeof esperado, formato.c_str(), (double)v);
    char obtido[arqaux::kMaxTextoRealFixo];
    char* fim = arqaux::Escreve_Real_Fixo(obtido, v, espec);
    if (fim - obtido == n && std::memcmp(obtido, esperado, n) == 0) continue;
    if (quantas++ == 0) {
      char bits[64];
      std::snprintf(bits, sizeof bits, " of %a: ", (double)v);
      primeira = formato + bits + std::string(obtido, fim) + " != " + esperado;
    }
  }
  return quantas == 0 ? "" : std::to_string(quantas) + " differ, first " + primeira;
}

// v, -v and their neighbours one step each way.
void Acrescenta_Vizinhos(std::vector<float>* valores, float v) {
  for (float s : {v, -v}) {
    valores->insert(valores->end(), {s, std::nextafter(s, -INFINITY), std::nextafter(s, INFINITY)});
  }
}

// The floats whose exact value ends in a 5 right after the precisao-th decimal
// (odd multiples of 2^-(precisao+1): 0.5, 2.5, 0.125, 0.0078125...), with
// their neighbours.
std::vector<float> Empates(int precisao) {
  std::mt19937 gerador(precisao);
  std::vector<float> valores;
  for (uint32_t k = 1; k < 8192; k += 2) {
    Acrescenta_Vizinhos(&valores, std::ldexp(static_cast<float>(k), -(precisao + 1)));
    const uint32_t grande = (gerador() & 0xFFFFFF) | 1;
    Acrescenta_Vizinhos(&valores, std::ldexp(static_cast<float>(grande), -(precisao + 1)));
  }
  return valores;
}

// Zeros, denormals, every power of two, the floats around every power of ten
// and around the integers near them, FLT_MIN and FLT_MAX, with signs.
std::vector<float> Extremos() {
  std::vector<float> valores;
  for (uint32_t bits = 0; bits <= 0x7FFFFF; bits += 4099) {
    Acrescenta_Vizinhos(&valores, De_Bits(bits));
  }
  for (uint32_t bits : {0x1u, 0x7FFFFFu}) Acrescenta_Vizinhos(&valores, De_Bits(bits));
  for (int e = -149; e <= 127; ++e) Acrescenta_Vizinhos(&valores, std::ldexp(1.0f, e));
  for (int k = 0; k <= 38; ++k) {
    const float potencia = static_cast<float>(std::pow(10.0, k));
    Acrescenta_Vizinhos(&valores, potencia);
    if (k <= 7) Acrescenta_Vizinhos(&valores, potencia - 1);
  }
  Acrescenta_Vizinhos(&valores, FLT_MIN);
  Acrescenta_Vizinhos(&valores, FLT_MAX);
  return valores;
}

// Every tie, its neighbours and the extremes give printf's text at every
// precision of the exact path.
TEST(RealFixo, TiesAndExtremesMatchPrintf) {
  const std::vector<float> extremos = Extremos();
  for (int precisao = 0; precisao <= 9; ++precisao) {
    EXPECT_EQ(Confere(Fixo(precisao), Empates(precisao)), "");
    EXPECT_EQ(Confere(Fixo(precisao), extremos), "");
  }
}

// Millions of random bit patterns (NaN and infinities among them) per
// precision.
TEST(RealFixo, RandomFloatsMatchPrintf) {
  std::vector<float> valores(kRandomicos);
  for (int precisao = 0; precisao <= 9; ++precisao) {
    std::mt19937 gerador(precisao + 1);
    for (float& v : valores) v = De_Bits(gerador());
    EXPECT_EQ(Confere(Fixo(precisao), valores), "");
  }
}

// Flags, widths, the default precision and precisions past the exact path,
// over floats and over doubles that are not floats; non-finite values too.
TEST(RealFixo, FlagsAndWidthsMatchPrintf) {
  const char* const formatos[] = {"%f",      "%.f",      "%.0f",     "%#.0f",     "%#8.0f",
                                  "%5f",     "%8.3f",    "%-9.2f",   "%+.1f",     "% .4f",
                                  "%+ 7.2f", "%010.2f",  "%-010.3f", "%-+012.5f", "% 012.9f",
                                  "%3.1f",   "%99.9f",   "%-99.2f",  "%099.0f",   "%#-+ 015.7f",
                                  "%.12f",   "%+25.20f", "%099.99f", "%-#.99f"};
  // Random significands at the magnitudes of measured quantities.
  std::mt19937 gerador(99);
  std::vector<float> flutuantes;
  for (int i = 0; i < 2000; ++i) {
    flutuantes.push_back(std::ldexp(static_cast<float>(gerador() >> 8), gerador() % 60 - 44));
  }
  const std::vector<float> extremos = Extremos();
  const std::vector<float> empates = Empates(2);
  for (size_t i = 0; i < extremos.size(); i += 7) flutuantes.push_back(extremos[i]);
  for (size_t i = 0; i < empates.size(); i += 11) flutuantes.push_back(empates[i]);
  flutuantes.insert(flutuantes.end(), {NAN, -NAN, INFINITY, -INFINITY});
  std::vector<double> duplos(flutuantes.begin(), flutuantes.end());
  duplos.insert(duplos.end(), {0.1, -2.675, 1.0 / 3, 5e-324, -DBL_MIN, 3.4028236e38, -9.99e38,
                               0.125000001, 1e-10, 16777217.0});
  for (const char* formato : formatos) {
    EXPECT_EQ(Confere(formato, flutuantes), "");
    EXPECT_EQ(Confere(formato, duplos), "");
  }
}

// A double with more integer digits than the room is cut there, never past it.
TEST(RealFixo, AHugeDoubleIsCutToTheRoom) {
  char esperado[512];
  std::snprintf(esperado, sizeof esperado, "%+.2f", -1e300);
  char obtido[arqaux::kMaxTextoRealFixo];
  char* fim = arqaux::Escreve_Real_Fixo(obtido, -1e300, Compila("%+.2f"));
  EXPECT_EQ(std::string(obtido, fim), std::string(esperado, arqaux::kMaxTextoRealFixo));
}

// Only a plain %f conversion compiles; %lf, other kinds and literals do not.
TEST(RealFixo, OtherPiecesDoNotCompile) {
  for (const char* texto : {"%lf", "%8.2lf", "%d", "%e", "%g", "%s", "%%", "texto", "%[ab]"}) {
    arqaux::TPeca_Formato peca;
    ASSERT_NE(arqaux::Le_Peca(texto, &peca), nullptr) << texto;
    TEspec_Fixo espec;
    EXPECT_FALSE(arqaux::Compila_Espec_Fixo(peca, &espec)) << texto;
  }
}

}  // namespace
