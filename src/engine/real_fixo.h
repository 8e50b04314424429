// The fixed-point conversion of the report lines, "%[flags][width][.precision]f",
// written straight into a character buffer. A float is m * 2^e exactly, so up to
// nine decimals its scaled value fits a 64-bit integer and the digits come out
// exact, rounded half to even as printf rounds them, with no call into stdio
// and, below 2^64, no division. Everything else (infinities, NaN, more
// decimals) goes through snprintf, so the text is always printf's.
#ifndef ARQAUX_ENGINE_REAL_FIXO_H_
#define ARQAUX_ENGINE_REAL_FIXO_H_

#include <cstddef>

#include "engine/formato_printf.h"

namespace arqaux {

// One compiled "%[flags][width][.precision]f" conversion (no 'l').
struct TEspec_Fixo {
  bool esquerda = false;     // '-'
  bool sinal = false;        // '+'
  bool espaco = false;       // ' '
  bool zeros = false;        // '0'
  bool alternativo = false;  // '#'
  int largura = 0;           // 0..99
  int precisao = 6;          // 0..99 (given or default 6)
};

// The compiled form of one Real_Fixo piece read by Le_Peca (engine/formato_printf.h); false
// for any other piece, or one with the 'l' modifier.
bool Compila_Espec_Fixo(const TPeca_Formato& peca, TEspec_Fixo* espec);

// Room Escreve_Real_Fixo may need: 99-digit width or sign + 39 integer digits +
// point + 99 decimals.
constexpr size_t kMaxTextoRealFixo = 160;

// Writes exactly what snprintf of the conversion with (double)v writes (no terminator) at
// destino, which has room for kMaxTextoRealFixo chars; returns one past the end.
char* Escreve_Real_Fixo(char* destino, float v, const TEspec_Fixo& espec);

// A writer of one compiled conversion, as Escreve_Real_Fixo for a float.
using TEscritor_Fixo = char* (*)(char* destino, float v, const TEspec_Fixo& espec);

// The writer to use for espec, chosen once for a format written many times:
// for a plain "%.Pf" (no flags, no width, P up to 9), which report columns
// mostly are, one with P fixed and no check of the flags per value, and so
// for "%0W.Pf", as load lines are; Escreve_Real_Fixo for any other. Both give the same text.
TEscritor_Fixo Escritor_Fixo(const TEspec_Fixo& espec);

// The same for a double: the fast path when v is exactly a float, snprintf
// otherwise. A double of magnitude 1e39 or more, beyond every float and every
// mean of floats, has more integer digits than the room allows: its text is
// cut at kMaxTextoRealFixo chars.
char* Escreve_Real_Fixo(char* destino, double v, const TEspec_Fixo& espec);

}  // namespace arqaux

#endif  // ARQAUX_ENGINE_REAL_FIXO_H_
