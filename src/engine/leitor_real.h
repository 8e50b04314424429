// A scanner for one "%f" conversion over text held in memory. The readers of
// tab-separated result streams read a whole stream at once and scan its values
// with this instead of one fscanf per value; it accepts, converts and leaves
// behind exactly what the C library's fscanf does on a stream holding the same
// bytes followed by end of file, in the C locale, so that moving a reader from
// fscanf to this changes nothing but its speed.
#ifndef ARQAUX_ENGINE_LEITOR_REAL_H_
#define ARQAUX_ENGINE_LEITOR_REAL_H_

#include <cstdint>

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

// Passes over one "%f" value without converting it, where that is sure to
// leave the scan exactly where Le_Real would and to convert: after white
// space, plain decimal text (an optional sign, digits with at most one point,
// at least one digit) that white space ends, before fim. Returns one past the
// value; null for any other text (an exponent, "inf", "nan", hexadecimal, a
// letter, a value that fim cuts), which only Le_Real can tell.
const char* Pula_Real(const char* p, const char* fim);

// Skips white space (space, \t, \n, \v, \f, \r) as a white-space directive of
// a scan format does; returns the first other character or fim.
const char* Pula_Brancos(const char* p, const char* fim);

}  // namespace arqaux

#endif  // ARQAUX_ENGINE_LEITOR_REAL_H_
