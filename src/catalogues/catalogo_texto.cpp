#include "catalogues/catalogo_texto.h"

#include "text/binario.h"

namespace arqaux {

bool Cabe_No_Resto(FILE* arq, int64_t n, int64_t minimo) {
  constexpr int64_t kResto_Sem_Tamanho = 64 * 1024;
  return n <= Bytes_Restantes(arq, kResto_Sem_Tamanho) / minimo;
}

bool Acabou(FILE* arq) {
  if (std::fscanf(arq, " ") == EOF) return true;
  const int c = std::getc(arq);
  if (c == EOF) return true;
  std::ungetc(c, arq);
  return false;
}

}  // namespace arqaux
