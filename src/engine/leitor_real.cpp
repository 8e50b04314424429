#include "engine/leitor_real.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>

namespace arqaux {
namespace {

// Largest exponent kept while reading one: past it only the sign of the
// value's order of magnitude matters.
constexpr int64_t kMaxExpoente = int64_t{1} << 40;

// The letters compare without case: 'A' | 0x20 is 'a', and no other character
// maps onto a lower-case letter.
char Minuscula(char c) { return static_cast<char>(c | 0x20); }

bool Eh_Hexa(char c) { return Eh_Digito(c) || static_cast<unsigned char>(Minuscula(c) - 'a') < 6; }

// Takes the characters fscanf takes for a number after its sign (and after
// "0x"): digits, one point, and once a digit has been seen an exponent letter
// with an optional sign and digits. fscanf checks each character against what
// it has taken so far only, so "1e+" and "1." are taken whole.
const char* Varre_Numero(const char* p, const char* fim, bool hexa) {
  const char letra_expoente = hexa ? 'p' : 'e';
  bool digito = false;
  bool ponto = false;
  bool expoente = false;
  for (; p != fim; ++p) {
    const char c = *p;
    if (Eh_Digito(c) || (hexa && !expoente && Eh_Hexa(c))) {
      digito = true;
    } else if (expoente && (c == '-' || c == '+') && Minuscula(p[-1]) == letra_expoente) {
      continue;
    } else if (digito && !expoente && Minuscula(c) == letra_expoente) {
      expoente = ponto = true;
    } else if (!ponto && c == '.') {
      ponto = true;
    } else {
      break;
    }
  }
  return p;
}

// For a number [p, fim) out of the float range, whether it is too large
// rather than too small: the place of its first significant digit against the
// point, in digits, times the bits per digit, plus the exponent, is positive
// for the one and far below zero for the other.
bool Grande_Demais(const char* p, const char* fim, bool hexa) {
  const char letra_expoente = hexa ? 'p' : 'e';
  int64_t ordem = 0;
  bool inteiro = true;
  bool significativo = false;
  for (; p != fim && Minuscula(*p) != letra_expoente; ++p) {
    if (*p == '.') {
      inteiro = false;
      continue;
    }
    significativo = significativo || *p != '0';
    if (inteiro && significativo) ++ordem;
    if (!inteiro && !significativo) --ordem;
  }
  int64_t expoente = 0;
  bool negativo = false;
  if (p != fim) {  // past the exponent letter: a sign, then digits
    negativo = ++p != fim && *p == '-';
    if (p != fim && (*p == '-' || *p == '+')) ++p;
    for (; p != fim; ++p) expoente = std::min(expoente * 10 + (*p - '0'), kMaxExpoente);
  }
  return ordem * (hexa ? 4 : 1) + (negativo ? -expoente : expoente) > 0;
}

// Converts the characters fscanf took, [p, fim), sign and "0x" left out. As
// strtof, which fscanf calls on them, it converts their longest prefix that is
// a number ("1e+" is 1), gives +-inf or +-0 out of range and 0 for "0x.".
bool Converte(const char* p, const char* fim, bool hexa, bool negativo, float* valor) {
  float v = 0.0f;
  const auto formato = hexa ? std::chars_format::hex : std::chars_format::general;
  const std::errc erro = std::from_chars(p, fim, v, formato).ec;
  if (erro == std::errc::invalid_argument) {
    if (!hexa) return false;
    v = 0.0f;
  } else if (erro == std::errc::result_out_of_range) {
    v = Grande_Demais(p, fim, hexa) ? std::numeric_limits<float>::infinity() : 0.0f;
  }
  *valor = negativo ? -v : v;
  return true;
}

// Powers of ten up to the most decimal places of the one-pass case, all exact
// in a double.
constexpr double kPotencias10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,
                                   1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19};

// The common case in one pass: plain decimal text such as "23.456780", with
// at most 19 digits and no exponent. Its digits as an integer up to 2^53 are
// exact in a double, and divided by an exact power of ten give the correctly
// rounded double; rounding that to float again is exact unless the double is
// a midpoint between two floats (which the value itself then may not be).
// False, storing nothing, for any other text.
bool Le_Decimal_Simples(const char* p, const char* fim, bool negativo, float* valor,
                        const char** parada) {
  uint64_t inteiro = 0;
  int digitos = 0;
  int casas = 0;
  for (bool ponto = false; p != fim; ++p) {
    if (Eh_Digito(*p)) {
      inteiro = inteiro * 10 + static_cast<uint64_t>(*p - '0');
      ++digitos;
      casas += ponto;
    } else if (*p == '.' && !ponto) {
      ponto = true;
    } else {
      break;
    }
  }
  const char seguinte = p != fim ? Minuscula(*p) : ' ';
  if (digitos == 0 || digitos > 19 || inteiro > (uint64_t{1} << 53) || seguinte == 'e' ||
      seguinte == 'x') {
    return false;
  }
  const double duplo = static_cast<double>(inteiro) / kPotencias10[casas];
  uint64_t bits;
  std::memcpy(&bits, &duplo, sizeof bits);
  // A float keeps 24 of the double's 53 significant bits.
  const uint64_t abaixo_do_float = (uint64_t{1} << 29) - 1;
  if ((bits & abaixo_do_float) == (uint64_t{1} << 28)) return false;
  const float v = static_cast<float>(duplo);
  *valor = negativo ? -v : v;
  *parada = p;
  return true;
}

// Matches the lower-case letters of palavra one at a time, as fscanf does:
// the first that differs is consumed too. Returns where matching stopped.
const char* Casa_Letras(const char* p, const char* fim, const char* palavra, bool* casou) {
  for (; *palavra != '\0'; ++palavra, ++p) {
    if (p == fim || Minuscula(*p) != *palavra) {
      *casou = false;
      return p == fim ? p : p + 1;
    }
  }
  *casou = true;
  return p;
}

// "nan", "inf" or "infinity" from p, its first letter; fscanf takes "inf" and
// then, if an 'i' follows, the rest of "infinity" too. "nan(...)" is "nan".
TResultado_Real Le_Nome(const char* p, const char* fim, bool negativo, float* valor,
                        const char** parada) {
  const bool nan = Minuscula(*p) == 'n';
  bool casou = false;
  const char* q = Casa_Letras(p + 1, fim, nan ? "an" : "nf", &casou);
  if (casou && !nan && q != fim && Minuscula(*q) == 'i') {
    q = Casa_Letras(q + 1, fim, "nity", &casou);
  }
  *parada = q;
  if (!casou) return TResultado_Real::Falhou;
  const float v =
      nan ? std::numeric_limits<float>::quiet_NaN() : std::numeric_limits<float>::infinity();
  *valor = negativo ? -v : v;
  return TResultado_Real::Convertido;
}

}  // namespace

TResultado_Real Le_Real(const char* p, const char* fim, float* valor, const char** parada) {
  p = Pula_Brancos(p, fim);
  *parada = p;
  if (p == fim) return TResultado_Real::Fim;
  const bool negativo = *p == '-';
  if (negativo || *p == '+') {
    *parada = ++p;
    if (p == fim) return TResultado_Real::Falhou;
  }
  const char letra = Minuscula(*p);
  if (letra == 'n' || letra == 'i') return Le_Nome(p, fim, negativo, valor, parada);
  if (Le_Decimal_Simples(p, fim, negativo, valor, parada)) return TResultado_Real::Convertido;
  const bool hexa = *p == '0' && fim - p > 1 && Minuscula(p[1]) == 'x';
  const char* digitos = hexa ? p + 2 : p;
  *parada = Varre_Numero(digitos, fim, hexa);
  // Nothing taken, or "0x" alone, is a matching failure.
  if (*parada == digitos || !Converte(digitos, *parada, hexa, negativo, valor)) {
    return TResultado_Real::Falhou;
  }
  return TResultado_Real::Convertido;
}

}  // namespace arqaux
