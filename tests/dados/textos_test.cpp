// The texts of values and hours against the "%g" and "%f" loops they were
// first written as, kept here as the reference: the CSV and the database
// hold the same bytes and values whichever writes them.
#include <arqaux/dados.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <limits>
#include <string>
#include <vector>

namespace {

std::string Valor_Referencia(double v) {
  const bool real = static_cast<double>(static_cast<float>(v)) == v;
  char texto[40];
  for (int digitos = 6; digitos <= 17; ++digitos) {
    std::snprintf(texto, sizeof texto, "%.*g", digitos, v);
    if (real ? std::strtof(texto, nullptr) == static_cast<float>(v)
             : std::strtod(texto, nullptr) == v) {
      break;
    }
  }
  return texto;
}

std::string Horas_Referencia(long long segundos) {
  const double horas = static_cast<double>(segundos) / 3600;
  char texto[48];
  for (int decimais = 0; decimais <= 17; ++decimais) {
    std::snprintf(texto, sizeof texto, "%.*f", decimais, horas);
    if (std::strtod(texto, nullptr) == horas) break;
  }
  return texto;
}

float Real(uint32_t bits) {
  float f;
  std::memcpy(&f, &bits, sizeof f);
  return f;
}

// Floats spread over every exponent and sign (subnormals, powers of two,
// the largest), doubles that no float holds, and the values not numbers.
std::vector<double> Valores() {
  std::vector<double> v;
  for (uint64_t bits = 0; bits < (1ull << 32); bits += 7919) v.push_back(Real(bits));
  for (uint32_t e = 0; e < 256; ++e) {
    for (uint32_t m : {0u, 1u, 2u, 0x7fffffu, 0x400000u}) {
      v.push_back(Real(e << 23 | m));
      v.push_back(Real(1u << 31 | e << 23 | m));
    }
  }
  for (double d : {0.1, 1.0 / 3, -2.0 / 3, 1e300, -4.9e-324, 2.2250738585072014e-308, 1e-310,
                   123456789.123, 0.000123456789012345, 1e22, 9007199254740993.0}) {
    v.push_back(d);
  }
  for (int k = 1; k < 20000; ++k) v.push_back(std::ldexp(1.0, k % 2000 - 1000) * (1 + 1.0 / k));
  return v;
}

TEST(ValueTexts, EveryValueAndHourReadsAsTheLoopsWroteIt) {
  size_t diferentes = 0;
  std::string exemplos;
  for (double v : Valores()) {
    const std::string esperado = Valor_Referencia(v), obtido = Texto_Valor(v);
    const double decimal = Valor_Decimal(v), lido = std::strtod(esperado.c_str(), nullptr);
    const bool igual =
        std::isnan(v) ? std::isnan(decimal) : std::memcmp(&decimal, &lido, sizeof lido) == 0;
    if (obtido != esperado || !igual) {
      if (++diferentes <= 5) exemplos += esperado + " written " + obtido + "\n";
    }
  }
  for (long long s = 0; s < 20000000; s += 599) {
    if (Texto_Horas(s) != Horas_Referencia(s) && ++diferentes <= 10) {
      exemplos += Horas_Referencia(s) + " h written " + Texto_Horas(s) + "\n";
    }
  }
  for (long long s : {1LL, 900LL, 1800LL, 2700LL, 31536000LL * 9000 + 1}) {
    if (Texto_Horas(s) != Horas_Referencia(s) && ++diferentes <= 10) {
      exemplos += Horas_Referencia(s) + " h written " + Texto_Horas(s) + "\n";
    }
  }
  EXPECT_EQ(diferentes, 0u) << exemplos;
}

// A line of numbers reads as strtof reads each word: every value's text, and
// the words strtof takes in other forms. A word that is not a number fails.
TEST(ValueTexts, LinesOfNumbersReadAsStrtofReadsThem) {
  std::string linha = "+1.5\t0x1p3 1e-50\r1e50 inf -nan -0 .5 5. 1E3";
  for (double v : Valores()) linha += (linha.size() % 3 == 0 ? "\t" : " ") + Valor_Referencia(v);
  std::vector<float> esperados;
  for (const char* p = linha.c_str(); *p != '\0';) {
    char* fim = nullptr;
    esperados.push_back(std::strtof(p, &fim));
    p = fim + std::strspn(fim, " \t\r");
  }
  std::vector<double> lidos;
  ASSERT_TRUE(Le_Reais_Texto(linha.c_str(), &lidos));
  ASSERT_EQ(lidos.size(), esperados.size());
  size_t diferentes = 0;
  for (size_t i = 0; i < lidos.size(); ++i) {
    const float f = static_cast<float>(lidos[i]);
    diferentes += std::memcmp(&f, &esperados[i], sizeof f) != 0 && !std::isnan(f);
  }
  EXPECT_EQ(diferentes, 0u);
  for (const char* errada : {"1.5 x", "1.5,2", "1.5abc", "--1"}) {
    EXPECT_FALSE(Le_Reais_Texto(errada, &lidos)) << errada;
  }
}

}  // namespace

// A stamp's instant since 1970 is the date Texto_ISO writes for it, read by
// the C library's own calendar: every day's midnight and an hour within it
// over two years, in common and leap years, before 1970 and far past it.
TEST(ValueTexts, StampsSince1970AreTheDatesTheirTextsName) {
  size_t diferentes = 0;
  std::string exemplos;
  for (int ano : {1, 1900, 1969, 1970, 2001, 2004, 2100, 2400, 9000}) {
    for (long long s = 0; s <= 2 * 365 * 86400LL; s += 86400 + (s % 7 == 0 ? 3600 : 0)) {
      std::tm tm{};
      const std::string iso = Texto_ISO(s, ano);
      std::sscanf(iso.c_str(), "%5d-%2d-%2dT%2d:%2d:%2d", &tm.tm_year, &tm.tm_mon, &tm.tm_mday,
                  &tm.tm_hour, &tm.tm_min, &tm.tm_sec);
      tm.tm_year -= 1900;
      --tm.tm_mon;
      if (Segundos_Desde_1970(s, ano) != static_cast<long long>(timegm(&tm)) && ++diferentes <= 5) {
        exemplos += iso + "\n";
      }
    }
  }
  EXPECT_EQ(diferentes, 0u) << exemplos;
}
