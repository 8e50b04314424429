#include "streams/report_format.h"

namespace arqaux {

TFormato_Compilado::TFormato_Compilado(const char* formato) {
  if (formato == nullptr) return;
  bool convertido = false;
  for (const char* p = formato; *p != '\0';) {
    TPeca_Formato peca;
    p = Le_Peca(p, &peca);
    if (p == nullptr) return;
    std::string& literal = convertido ? depois_ : antes_;
    if (peca.tipo == TTipo_Peca::Literal) {
      literal.append(peca.inicio, peca.fim);
    } else if (peca.tipo == TTipo_Peca::Percento) {
      literal += '%';
    } else if (convertido || !Compila_Espec_Fixo(peca, &espec_)) {
      return;
    } else {
      convertido = true;
    }
  }
  valido_ = convertido;
}

}  // namespace arqaux
