#include "engine/report_format.h"

namespace arqaux {

void TFormato_Compilado::TTrecho::Acrescenta(const char* inicio, const char* fim) {
  texto_.append(inicio, fim);
  if (texto_.size() <= sizeof curto_) std::memcpy(curto_, texto_.data(), texto_.size());
}

TFormato_Compilado::TFormato_Compilado(const char* formato) {
  if (formato == nullptr) return;
  bool convertido = false;
  for (const char* p = formato; *p != '\0';) {
    TPeca_Formato peca;
    p = Le_Peca(p, &peca);
    if (p == nullptr) return;
    TTrecho& literal = convertido ? depois_ : antes_;
    if (peca.tipo == TTipo_Peca::Literal) {
      literal.Acrescenta(peca.inicio, peca.fim);
    } else if (peca.tipo == TTipo_Peca::Percento) {
      literal.Acrescenta(peca.inicio + 1, peca.fim);
    } else if (convertido || !Compila_Espec_Fixo(peca, &espec_)) {
      return;
    } else {
      convertido = true;
    }
  }
  valido_ = convertido;
  escritor_ = Escritor_Fixo(espec_);
}

}  // namespace arqaux
