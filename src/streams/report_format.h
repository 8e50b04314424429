// A report column's printf format, compiled once and written per line
// straight into the line buffer. A report writes hundreds of thousands of
// lines with a handful of fixed formats, so the format is parsed once and
// its number goes through the exact fixed-point formatter, which gives
// printf's bytes without printf's cost.
#ifndef ARQAUX_STREAMS_REPORT_FORMAT_H_
#define ARQAUX_STREAMS_REPORT_FORMAT_H_

#include <cstring>
#include <string>

#include "text/real_fixo.h"

namespace arqaux {

// One floating conversion (%f with optional flags, width and precision, in
// the grammar of text/formato_printf.h) amid literal text, "%%" included.
class TFormato_Compilado {
 public:
  TFormato_Compilado() = default;
  // A format with no conversion, another kind, or more than one, is not
  // usable: Valido is false and it writes nothing.
  explicit TFormato_Compilado(const char* formato);

  bool Valido() const { return valido_; }
  // The most bytes Escreve writes.
  size_t Tamanho_Maximo() const { return antes_.size() + MAX_TEXTO_REAL_FIXO + depois_.size(); }
  // Writes the text of the format for v at p, which has room for
  // Tamanho_Maximo bytes; returns one past the end.
  char* Escreve(char* p, float v) const {
    if (!valido_) return p;
    p = Copia(p, antes_);
    return Copia(Escreve_Real_Fixo(p, v, espec_), depois_);
  }

 private:
  static char* Copia(char* p, const std::string& texto) {
    std::memcpy(p, texto.data(), texto.size());
    return p + texto.size();
  }

  std::string antes_;   // the literal text before the conversion
  std::string depois_;  // and after it
  TEspec_Fixo espec_;
  bool valido_ = false;
};

}  // namespace arqaux

#endif  // ARQAUX_STREAMS_REPORT_FORMAT_H_
