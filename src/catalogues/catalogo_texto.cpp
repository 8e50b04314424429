#include "catalogues/catalogo_texto.h"

namespace arqaux {

bool Acabou(FILE* arq) {
  if (std::fscanf(arq, " ") == EOF) return true;
  const int c = std::getc(arq);
  if (c == EOF) return true;
  std::ungetc(c, arq);
  return false;
}

}  // namespace arqaux
