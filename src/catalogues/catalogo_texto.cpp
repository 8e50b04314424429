#include "catalogues/catalogo_texto.h"

#include <sys/stat.h>

namespace arqaux {

bool Cabe_No_Resto(FILE* arq, int64_t n, int64_t minimo) {
  constexpr int64_t kResto_Sem_Tamanho = 64 * 1024;
  struct stat info;
  const long posicao = std::ftell(arq);
  int64_t resto = kResto_Sem_Tamanho;
  if (fstat(fileno(arq), &info) == 0 && S_ISREG(info.st_mode) && posicao >= 0) {
    resto = static_cast<int64_t>(info.st_size) - posicao;
  }
  return n <= resto / minimo;
}

bool Acabou(FILE* arq) {
  if (std::fscanf(arq, " ") == EOF) return true;
  const int c = std::getc(arq);
  if (c == EOF) return true;
  std::ungetc(c, arq);
  return false;
}

}  // namespace arqaux
