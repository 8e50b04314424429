// Binary blocks of the result and input files: little-endian 4-byte floats
// and ints, 1-byte bools, written and read as whole blocks. Each helper says
// whether the whole block moved, which is how readers detect the end of data.
#ifndef ARQAUX_ENGINE_BINARIO_H_
#define ARQAUX_ENGINE_BINARIO_H_

#include <sys/stat.h>

#include <cstddef>
#include <cstdint>
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

// Bytes from the stream's position to the end of its file. A stream that
// cannot tell (a pipe, a terminal) is taken to hold se_desconhecido more:
// 0 where a count read from the file would size an allocation at once, so
// that nothing is allocated on the word of a count nobody can check; more
// where the reader builds item by item and stops at the end of the input.
inline int64_t Bytes_Restantes(FILE* arq, int64_t se_desconhecido = 0) {
  struct stat info;
  const int64_t posicao = ftello(arq);
  if (posicao < 0 || fstat(fileno(arq), &info) != 0 || !S_ISREG(info.st_mode)) {
    return se_desconhecido;
  }
  return info.st_size > posicao ? info.st_size - posicao : 0;
}

}  // namespace arqaux

#endif  // ARQAUX_ENGINE_BINARIO_H_
