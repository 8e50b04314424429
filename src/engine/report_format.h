// A report column's printf format, compiled once and written per line
// straight into the line buffer. A report writes hundreds of thousands of
// lines with a handful of fixed formats, so the format is parsed once and
// its number goes through the exact fixed-point formatter, which gives
// printf's bytes without printf's cost.
#ifndef ARQAUX_ENGINE_REPORT_FORMAT_H_
#define ARQAUX_ENGINE_REPORT_FORMAT_H_

#include <algorithm>
#include <cstring>
#include <string>

#include "engine/real_fixo.h"

namespace arqaux {

// One floating conversion (%f with optional flags, width and precision, in
// the grammar of engine/formato_printf.h) amid literal text, "%%" included.
class TFormato_Compilado {
 public:
  TFormato_Compilado() = default;
  // A format with no conversion, another kind, or more than one, is not
  // usable: Valido is false and it writes nothing.
  explicit TFormato_Compilado(const char* formato);

  bool Valido() const { return valido_; }
  // The most bytes Escreve may touch.
  size_t Tamanho_Maximo() const {
    return antes_.Tamanho_Maximo() + kMaxTextoRealFixo + depois_.Tamanho_Maximo();
  }
  // Writes the text of the format for v at p, which has room for
  // Tamanho_Maximo bytes; returns one past the end.
  char* Escreve(char* p, float v) const {
    if (!valido_) return p;
    return depois_.Copia(escritor_(antes_.Copia(p), v, espec_));
  }

 private:
  // A run of literal text. The short runs of report formats are copied as
  // one fixed-size move, which writes past their end into room the caller
  // has anyway.
  class TTrecho {
   public:
    void Acrescenta(const char* inicio, const char* fim);
    size_t Tamanho_Maximo() const { return std::max(texto_.size(), sizeof curto_); }
    char* Copia(char* p) const {
      if (texto_.size() <= sizeof curto_) {
        std::memcpy(p, curto_, sizeof curto_);
      } else {
        std::memcpy(p, texto_.data(), texto_.size());
      }
      return p + texto_.size();
    }

   private:
    std::string texto_;
    char curto_[16] = {};  // texto_ when it fits
  };

  TTrecho antes_;   // the literal text before the conversion
  TTrecho depois_;  // and after it
  TEspec_Fixo espec_;
  TEscritor_Fixo escritor_ = Escreve_Real_Fixo;  // Escritor_Fixo(espec_)
  bool valido_ = false;
};

}  // namespace arqaux

#endif  // ARQAUX_ENGINE_REPORT_FORMAT_H_
