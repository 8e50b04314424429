// Binary blocks of the result and input files: little-endian 4-byte floats
// and ints, 1-byte bools, written and read as whole blocks. Each helper says
// whether the whole block moved, which is how readers detect the end of data.
#ifndef ARQAUX_TEXT_BINARIO_H_
#define ARQAUX_TEXT_BINARIO_H_

#include <cstddef>
#include <cstdio>

namespace arqaux {

// fwrite and fread without the stream's lock. The registry's streams are
// used from one thread (the current stream is shared state of the
// manager), and a simulation writes one small record per stream per step,
// so taking and releasing the lock was a large part of each write.
inline size_t Escreve_Direto(const void* dados, size_t tamanho, size_t n, FILE* arq) {
#ifdef __GLIBC__
  return fwrite_unlocked(dados, tamanho, n, arq);
#else
  return std::fwrite(dados, tamanho, n, arq);
#endif
}
inline size_t Le_Direto(void* dados, size_t tamanho, size_t n, FILE* arq) {
#ifdef __GLIBC__
  return fread_unlocked(dados, tamanho, n, arq);
#else
  return std::fread(dados, tamanho, n, arq);
#endif
}

// True when all n items of size bytes were written.
inline bool Grava_Bloco(FILE* arq, const void* dados, size_t tamanho, size_t n = 1) {
  return arq != nullptr && Escreve_Direto(dados, tamanho, n, arq) == n;
}

// True when all n items of size bytes were read; a short read leaves the
// bytes it got in place.
inline bool Le_Bloco(FILE* arq, void* dados, size_t tamanho, size_t n = 1) {
  return arq != nullptr && Le_Direto(dados, tamanho, n, arq) == n;
}

}  // namespace arqaux

#endif  // ARQAUX_TEXT_BINARIO_H_
