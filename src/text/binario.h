// Binary blocks of the result and input files: little-endian 4-byte floats
// and ints, 1-byte bools, written and read as whole blocks. Each helper says
// whether the whole block moved, which is how readers detect the end of data.
#ifndef ARQAUX_TEXT_BINARIO_H_
#define ARQAUX_TEXT_BINARIO_H_

#include <cstddef>
#include <cstdio>

namespace arqaux {

// True when all n items of size bytes were written.
inline bool Grava_Bloco(FILE* arq, const void* dados, size_t tamanho, size_t n = 1) {
  return arq != nullptr && std::fwrite(dados, tamanho, n, arq) == n;
}

// True when all n items of size bytes were read; a short read leaves the
// bytes it got in place.
inline bool Le_Bloco(FILE* arq, void* dados, size_t tamanho, size_t n = 1) {
  return arq != nullptr && std::fread(dados, tamanho, n, arq) == n;
}

}  // namespace arqaux

#endif  // ARQAUX_TEXT_BINARIO_H_
