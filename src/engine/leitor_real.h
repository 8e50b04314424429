// A scanner for one "%f" conversion over text held in memory. The readers of
// tab-separated result streams read a whole stream at once and scan its values
// with this instead of one fscanf per value; it accepts, converts and leaves
// behind exactly what the C library's fscanf does on a stream holding the same
// bytes followed by end of file, in the C locale, so that moving a reader from
// fscanf to this changes nothing but its speed.
#ifndef ARQAUX_ENGINE_LEITOR_REAL_H_
#define ARQAUX_ENGINE_LEITOR_REAL_H_

#include <cstddef>
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

// White space as a scan format's white-space directive takes it: space, \t,
// \n, \v, \f, \r.
inline bool Eh_Branco(char c) { return c == ' ' || static_cast<unsigned char>(c - '\t') < 5; }

inline bool Eh_Digito(char c) { return static_cast<unsigned char>(c - '0') < 10; }

// Skips white space as a white-space directive of a scan format does;
// returns the first other character or fim.
inline const char* Pula_Brancos(const char* p, const char* fim) {
  while (p != fim && Eh_Branco(*p)) ++p;
  return p;
}

// The end of the word at p: p moved over characters that are not white
// space, at most limite of them.
inline const char* Fim_Palavra(const char* p, const char* fim, size_t limite) {
  const char* const inicio = p;
  while (p != fim && static_cast<size_t>(p - inicio) < limite && !Eh_Branco(*p)) ++p;
  return p;
}

#if defined(__SSE2__)
// Per byte of sixteen: whether menor <= x < menor + n.
inline __m128i Entre_16(__m128i x, char menor, char n) {
  const __m128i d = _mm_sub_epi8(x, _mm_set1_epi8(menor));
  return _mm_and_si128(_mm_cmpgt_epi8(d, _mm_set1_epi8(-1)), _mm_cmplt_epi8(d, _mm_set1_epi8(n)));
}
// Per byte of sixteen: white space, as Eh_Branco.
inline __m128i Brancos_16(__m128i x) {
  return _mm_or_si128(_mm_cmpeq_epi8(x, _mm_set1_epi8(' ')), Entre_16(x, '\t', 5));
}
// Per byte of sixteen: a sign.
inline __m128i Sinais_16(__m128i x) {
  return _mm_or_si128(_mm_cmpeq_epi8(x, _mm_set1_epi8('-')), _mm_cmpeq_epi8(x, _mm_set1_epi8('+')));
}
#endif

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
    const auto mascara = [](__m128i x) { return static_cast<unsigned>(_mm_movemask_epi8(x)); };
    const unsigned brancos = mascara(Brancos_16(c));
    if (brancos != 0) {
      const unsigned valor = (1u << __builtin_ctz(brancos)) - 1;
      const unsigned digitos = mascara(Entre_16(c, '0', 10)) & valor;
      const unsigned pontos = mascara(_mm_cmpeq_epi8(c, _mm_set1_epi8('.'))) & valor;
      const unsigned sinal = mascara(Sinais_16(c)) & 1u;
      const bool plano = (valor & ~(digitos | pontos | sinal)) == 0 && digitos != 0 &&
                         (pontos & (pontos - 1)) == 0;
      return plano ? p + __builtin_ctz(brancos) : nullptr;
    }
  }
#endif
  if (p != fim && (*p == '-' || *p == '+')) ++p;
  const char* const inicio = p;
  while (p != fim && Eh_Digito(*p)) ++p;
  bool digito = p != inicio;
  if (p != fim && *p == '.') {
    const char* const decimais = ++p;
    while (p != fim && Eh_Digito(*p)) ++p;
    digito = digito || p != decimais;
  }
  return digito && Pula_Brancos(p, fim) != p ? p : nullptr;
}

// Passes over up to k values as Pula_Real would, one after the other, many
// at a time: in 64 characters from p (p at white space or at a value's
// start), every value that ends among them is checked at once to be plain
// text as Pula_Real accepts it, and the pass goes on past the last one it
// needs. Stops, with *passados the values passed over, where a value is not
// plain, or is longer than the window, or the text has fewer than 64
// characters left; Pula_Real then takes over from the position returned.
inline const char* Pula_Reais(const char* p, const char* fim, int k, int* passados) {
  *passados = 0;
#if defined(__SSE2__)
  const auto bits = [](__m128i x, int i) {
    return static_cast<uint64_t>(static_cast<uint16_t>(_mm_movemask_epi8(x))) << (16 * i);
  };
  while (k > 0 && fim - p >= 64) {
    uint64_t brancos = 0, digitos = 0, pontos = 0, sinais = 0;
    for (int i = 0; i < 4; ++i) {
      const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
      brancos |= bits(Brancos_16(c), i);
      digitos |= bits(Entre_16(c, '0', 10), i);
      pontos |= bits(_mm_cmpeq_epi8(c, _mm_set1_epi8('.')), i);
      sinais |= bits(Sinais_16(c), i);
    }
    // Bit i: a value ends at p[i], white space following it.
    uint64_t fins = ~brancos & (brancos >> 1);
    if (fins == 0) break;
    // Up to k of them: the last one taken is the lowest bit left.
    int tomados = 1;
    for (; tomados < k && (fins & (fins - 1)) != 0; ++tomados) fins &= fins - 1;
    const int ultimo = __builtin_ctzll(fins);
    const uint64_t janela = ultimo == 63 ? ~uint64_t{0} : (uint64_t{2} << ultimo) - 1;
    const uint64_t valor = ~brancos & janela;
    // A value starts after white space (before p there is white space or
    // nothing of this value).
    const uint64_t inicios = valor & ((brancos << 1) | 1);
    // Per value, whether a point or a digit came before, from its start:
    // a prefix OR that does not cross white space.
    uint64_t com_ponto = pontos & valor, com_digito = digitos & valor, seguido = valor;
    for (int d = 1; d < 64; d *= 2) {
      com_ponto |= (com_ponto << d) & seguido;
      com_digito |= (com_digito << d) & seguido;
      seguido &= seguido << d;
    }
    const uint64_t fins_janela = ~brancos & (brancos >> 1) & janela;
    const bool plano = (valor & ~(digitos | pontos | sinais)) == 0 &&
                       (sinais & valor & ~inicios) == 0 &&
                       (pontos & valor & (com_ponto << 1)) == 0 && (fins_janela & ~com_digito) == 0;
    if (!plano) break;
    p += ultimo + 1;
    *passados += tomados;
    k -= tomados;
  }
#else
  (void)fim;
  (void)k;
#endif
  return p;
}

}  // namespace arqaux

#endif  // ARQAUX_ENGINE_LEITOR_REAL_H_
