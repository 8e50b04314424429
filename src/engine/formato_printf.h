// The printf-format grammar shared by the report lines and the configuration
// line tables. A format is a sequence of pieces: runs of literal text and
// conversions "%[flags][width][.precision][l]kind". Widths and precisions have
// at most two digits, which keeps every converted number inside the fixed
// buffers of the writers; anything else is not a format of this system.
#ifndef ARQAUX_ENGINE_FORMATO_PRINTF_H_
#define ARQAUX_ENGINE_FORMATO_PRINTF_H_

#include <cstdint>

namespace arqaux {

enum class TTipo_Peca : uint8_t {
  Literal,    // text printed and matched as it is
  Percento,   // "%%": one literal percent sign
  Inteiro,    // %d, %i
  Real_Fixo,  // %f: fixed-point
  Real,       // %e, %E, %g, %G: the other notations of a real
  Texto,      // %s
  Conjunto,   // %[...]: a scan set, in scan patterns only
};

// Longest conversion, '%' and letter included.
constexpr int kMaxConversao = 16;

// One piece of a format, [inicio, fim) in the format's text.
struct TPeca_Formato {
  TTipo_Peca tipo = TTipo_Peca::Literal;
  const char* inicio = nullptr;
  const char* fim = nullptr;
  bool longo = false;    // the "l" length modifier (%lf: a double)
  bool simples = false;  // no flags and no width
  int precisao = -1;     // -1 when none is given
};

// True for the kinds that convert a real number.
inline bool Eh_Real(TTipo_Peca tipo) {
  return tipo == TTipo_Peca::Real_Fixo || tipo == TTipo_Peca::Real;
}

// True for the kinds that convert a text.
inline bool Eh_Texto(TTipo_Peca tipo) {
  return tipo == TTipo_Peca::Texto || tipo == TTipo_Peca::Conjunto;
}

// Reads the piece that begins at p (not at the terminator): a run of literal
// text up to the next '%', or one conversion. Returns where the next piece
// begins, or null when the conversion is not one of this grammar.
const char* Le_Peca(const char* p, TPeca_Formato* peca);

}  // namespace arqaux

#endif  // ARQAUX_ENGINE_FORMATO_PRINTF_H_
