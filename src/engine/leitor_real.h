// A scanner for one "%f" conversion over text held in memory. The readers of
// tab-separated result streams read a whole stream at once and scan its values
// with this instead of one fscanf per value; it accepts, converts and leaves
// behind exactly what the C library's fscanf does on a stream holding the same
// bytes followed by end of file, in the C locale, so that moving a reader from
// fscanf to this changes nothing but its speed.
#ifndef ARQAUX_ENGINE_LEITOR_REAL_H_
#define ARQAUX_ENGINE_LEITOR_REAL_H_

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace arqaux {

enum class TResultado_Real : uint8_t {
  Convertido,  // a value was read: fscanf would return 1
  Falhou,      // the text there is not a number: fscanf would return 0
  Fim,         // the text ended before any character of the item: fscanf would return EOF
};

// Scans one "%f" from [p, fim): white space, then the longest prefix that
// could begin a number (sign, decimal digits with a point and an exponent,
// "0x" hexadecimal digits with a point and a binary exponent, "inf",
// "infinity", "nan" in any case). Stores the correctly rounded float in *valor
// only when converted. *parada gets where fscanf leaves the stream: past every
// character it consumed, which on a failed or partial match ("1e+", "infin",
// "nx") includes characters that are not part of the value, and on a
// mismatched letter of "inf", "infinity" or "nan" that letter too.
// Requires p <= fim; neither is dereferenced past fim.
TResultado_Real Le_Real(const char* p, const char* fim, float* valor, const char** parada);

// Skips white space (space, \t, \n, \v, \f, \r) as a white-space directive of
// a scan format does; returns the first other character or fim.
inline const char* Pula_Brancos(const char* p, const char* fim) {
  while (p != fim && (*p == ' ' || static_cast<unsigned char>(*p - '\t') < 5)) ++p;
  return p;
}

// Passes over one "%f" value without converting it, where that is sure to
// leave the scan exactly where Le_Real would and to convert: after white
// space, plain decimal text (an optional sign, digits with at most one point,
// at least one digit) that white space ends, before fim. Returns one past the
// value; null for any other text (an exponent, "inf", "nan", hexadecimal, a
// letter, a value that fim cuts), which only Le_Real can tell. Inline: a
// report passes over most of a line's values, one call each.
inline const char* Pula_Real(const char* p, const char* fim) {
  p = Pula_Brancos(p, fim);
#if defined(__SSE2__)
  // Sixteen characters at once: a value ends at the first white space among
  // them, and is plain when every character before it is a digit or the
  // one point, or a sign in front.
  if (fim - p >= 16) {
    const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const auto entre = [](__m128i x, char menor, char n) {  // menor <= x < menor + n
      const __m128i d = _mm_sub_epi8(x, _mm_set1_epi8(menor));
      return _mm_and_si128(_mm_cmpgt_epi8(d, _mm_set1_epi8(-1)),
                           _mm_cmplt_epi8(d, _mm_set1_epi8(n)));
    };
    const auto mascara = [](__m128i x) { return static_cast<unsigned>(_mm_movemask_epi8(x)); };
    const unsigned brancos =
        mascara(_mm_or_si128(_mm_cmpeq_epi8(c, _mm_set1_epi8(' ')), entre(c, '\t', 5)));
    if (brancos != 0) {
      const unsigned valor = (1u << __builtin_ctz(brancos)) - 1;
      const unsigned digitos = mascara(entre(c, '0', 10)) & valor;
      const unsigned pontos = mascara(_mm_cmpeq_epi8(c, _mm_set1_epi8('.'))) & valor;
      const unsigned sinal = mascara(_mm_or_si128(_mm_cmpeq_epi8(c, _mm_set1_epi8('-')),
                                                  _mm_cmpeq_epi8(c, _mm_set1_epi8('+')))) &
                             1u;
      const bool plano = (valor & ~(digitos | pontos | sinal)) == 0 && digitos != 0 &&
                         (pontos & (pontos - 1)) == 0;
      return plano ? p + __builtin_ctz(brancos) : nullptr;
    }
  }
#endif
  if (p != fim && (*p == '-' || *p == '+')) ++p;
  const char* const inicio = p;
  while (p != fim && static_cast<unsigned char>(*p - '0') < 10) ++p;
  bool digito = p != inicio;
  if (p != fim && *p == '.') {
    const char* const decimais = ++p;
    while (p != fim && static_cast<unsigned char>(*p - '0') < 10) ++p;
    digito = digito || p != decimais;
  }
  return digito && Pula_Brancos(p, fim) != p ? p : nullptr;
}

}  // namespace arqaux

#endif  // ARQAUX_ENGINE_LEITOR_REAL_H_
