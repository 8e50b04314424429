// printf formats of report lines, compiled once and applied per line into a
// line buffer. A report writes hundreds of thousands of lines with a handful
// of fixed formats; parsing them once and converting numbers with
// std::to_chars gives fprintf's bytes at a fraction of its cost.
#ifndef ARQAUX_STREAMS_REPORT_FORMAT_H_
#define ARQAUX_STREAMS_REPORT_FORMAT_H_

#include <string>
#include <vector>

#include "text/formato_printf.h"

namespace arqaux {

// A report line format of the conversions %d (or %i), %s, %f and %%, with
// optional flags, width and precision (the grammar of text/formato_printf.h);
// the compiled format checks them against the arguments it is built for,
// given as a signature: 'f' a double, 'd' an int, 's' a string, in order.
class TFormato_Compilado {
 public:
  TFormato_Compilado() = default;
  // A format whose conversions do not match assinatura (for example "f" or
  // "dds") is not usable: Valido is false and it writes nothing.
  TFormato_Compilado(const char* formato, const char* assinatura);

  bool Valido() const { return valido_; }
  // Appends the text of the format for one double (signature "f").
  void Formata(std::string* linha, double v) const;
  // Appends the text for two ints and a string (signature "dds").
  void Formata(std::string* linha, int a, int b, const char* s) const;

 private:
  struct TPeca {
    TTipo_Peca tipo;    // Literal, or the conversion: Real_Fixo, Inteiro, Texto
    int precisao;       // of a plain "%.Nf" / "%f"; -1 for one with flags or width
    std::string texto;  // the literal, or the conversion's own format
  };
  void Acrescenta(std::string* linha, const TPeca& peca, double v) const;

  std::vector<TPeca> pecas_;
  bool valido_ = false;
};

}  // namespace arqaux

#endif  // ARQAUX_STREAMS_REPORT_FORMAT_H_
