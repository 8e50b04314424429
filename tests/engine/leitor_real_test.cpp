#include "engine/leitor_real.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "support/diferenca_fscanf.h"

namespace {

// Every row must agree with fscanf (result, float, stop position).
void Espera_Como_Fscanf(const std::vector<std::string>& textos) {
  for (const std::string& t : textos) EXPECT_EQ(Diferenca_Fscanf(t.data(), t.size()), "");
}

// How the C library ends a match that goes wrong part of the way: what it has
// taken stays taken, a letter that breaks "nan" or "infinity" included, and a
// number cut short after its exponent letter or point still converts.
TEST(LeitorReal, PartialMatchesStopWhereFscanfStops) {
  Espera_Como_Fscanf({"",        " \t\n\v\f\r", "-",         "+",   ".",     "-.",     ".e5",
                      "x",       "-x",          "--1",       "+-1", "e5",    "\x1c 5", "\xa0 5",
                      "1e",      "1e+",         "1e+x",      "1ex", "1e5.3", "1..2",   "1p3",
                      "0x",      "-0X",         "0xp",       "0x.", "0x.p1", "0x1p",   "0x1p-",
                      "0x1p3e",  "0xep",        "00x1",      "n",   "na",    "nx",     "nax",
                      "-NaN(1)", "nan(abc",     "i",         "in",  "inx",   "infx",   "infi",
                      "infin",   "infinx",      "+iNfInItYx"});
}

// The point halfway between the float with bits b and the next one up (2^128
// above FLT_MAX): exact in a double.
double Metade(uint32_t b) {
  const uint32_t bits[2] = {b, b + 1};
  float par[2];
  std::memcpy(par, bits, sizeof par);
  const double alto = b == 0x7f7fffffu ? std::ldexp(1.0, 128) : static_cast<double>(par[1]);
  return (static_cast<double>(par[0]) + alto) / 2;
}

// The exact decimal expansion of Metade(b), and the same nudged by one unit in
// its last place either way: the rounding boundaries of the conversion.
std::vector<std::string> Metades(uint32_t b) {
  char texto[400];
  std::snprintf(texto, sizeof texto, "%.180e", Metade(b));
  std::string exato = texto;
  const size_t e = exato.find('e');
  const size_t ultimo = exato.find_last_not_of('0', e - 1);
  std::string abaixo = exato.substr(0, ultimo) + std::string(1, exato[ultimo] - 1) + "9999";
  return {exato, exato.substr(0, e) + "1" + exato.substr(e), abaixo + exato.substr(e)};
}

// Values, signs, white space, hexadecimal forms, range edges, rounding
// boundaries and long digit strings convert to the bits fscanf gives and stop
// where it stops.
TEST(LeitorReal, ConvertsAsFscanf) {
  // One value per word.
  std::vector<std::string> textos;
  std::istringstream lista(
      "-0 +0.0 -0x0p0 1E+38 .5 5. 0x1.8p3 0X1P-3 0x.8 -0xA.bP+1 0x1p-149 0x1p-150 "
      "0x1.000002p-150 0x1.fffffep127 0x1.ffffffp127 0x1p128 0x1p-999999999999999999999 1e-45 "
      "7e-46 7.1e-46 1e-50 -1e-50 1e39 -1e50 1e99999999999999999999999 "
      "1e-99999999999999999999999 0e999999999999999999999 3.4028235e38 "
      "3.40282356779733661637539395458142568448e38 3.40282356779733661637539395458142568447e38 "
      "1.17549435e-38 inf -Infinity nan -nan NAN 1e0000000000000000000000000000000000000000001 "
      "0.00000000000000000000000000000000000000000000000000000001e+10000000000 16777217 "
      "1.000000178813934326 1.000000178813934327 1.152923643589019776 1.152937591075897216 "
      "0.0000000000000000001");
  for (std::string texto; lista >> texto;) textos.push_back(texto);
  // White space of every kind before a value, and long digit strings.
  textos.insert(
      textos.end(),
      {" \t\n\v\f\r-5.5e-3\t", std::string(5000, '9'), "0." + std::string(5000, '0') + "1e5040",
       "1" + std::string(3000, '0') + "e-3000", "0x" + std::string(3000, 'f') + "p-12000",
       "0x" + std::string(50, '1') + "p-60", "-0x0." + std::string(59, '0') + "1p70"});
  for (uint32_t b : {0x0u, 0x1u, 0x2u, 0x7fffffu, 0x800000u, 0x3f800000u, 0x3f800001u, 0x4b800000u,
                     0x4b800001u, 0x7f7ffffeu, 0x7f7fffffu}) {
    for (const std::string& metade : Metades(b)) {
      textos.push_back(metade);
      textos.push_back("-" + metade);
    }
  }
  Espera_Como_Fscanf(textos);
}

// Random lines, read value after value until one fails: characters of every
// form and partial form; floats printed the ways a program prints them; and
// points halfway between floats, printed short enough to be read in one pass.
TEST(LeitorReal, RandomLinesReadAsFscanfReadsThem) {
  std::mt19937 gerador(20261205);
  const std::string alfabeto = "0123456789012345+-..eEeEpPxX0xnNaAiIfFtTyY()\t \n";
  const char* formatos[] = {"%.0f", "%.3f", "%.9f", "%f", "%g", "%.9g", "%a", "%e", "%.17e"};
  int diferentes = 0;
  for (int linha = 0; linha < 60000 && diferentes < 5; ++linha) {
    std::string texto;
    const int pecas = 1 + static_cast<int>(gerador() % (linha % 3 == 0 ? 24 : 8));
    for (int i = 0; i < pecas; ++i) {
      if (linha % 3 == 0) {
        texto += alfabeto[gerador() % alfabeto.size()];
        continue;
      }
      // Any bit pattern, or a value of the size results have.
      const uint32_t bits = static_cast<uint32_t>(gerador());
      float valor = static_cast<float>(static_cast<int32_t>(bits)) / 1e6f;
      if (i % 2 == 0) std::memcpy(&valor, &bits, sizeof valor);
      char impresso[128];
      if (linha % 3 == 1) {
        std::snprintf(impresso, sizeof impresso, formatos[gerador() % 9], valor);
      } else {  // between 0.001 and 1e16
        std::snprintf(impresso, sizeof impresso, "%.*f", static_cast<int>(gerador() % 20),
                      Metade(0x3a800000u + bits % 0x1f800000u));
      }
      texto += impresso;
      texto += gerador() % 4 == 0 ? " " : "\t";
    }
    const std::string diferenca = Diferenca_Fscanf(texto.data(), texto.size());
    diferentes += !diferenca.empty();
    EXPECT_EQ(diferenca, "");
  }
}

}  // namespace
