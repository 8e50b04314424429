// What the envelope readers share: a forward seek that refuses to go past
// the end of the file, and offsets formed without overflow. Counts and offsets in these files come
// from the files themselves or from the caller, so every one is checked
// against the file's size, in 64-bit arithmetic, before it allocates or
// moves anything.
#ifndef ARQAUX_ENVELOPE_ENVELOPE_COMUM_H_
#define ARQAUX_ENVELOPE_ENVELOPE_COMUM_H_

#include <sys/types.h>

#include <cstdint>
#include <cstdio>

#include "engine/binario.h"

namespace arqaux {

// Moves the stream deslocamento bytes forward; false, without moving, when
// that is negative or past the end of the file.
inline bool Avanca(FILE* arq, int64_t deslocamento) {
  if (deslocamento < 0 || deslocamento > Bytes_Restantes(arq)) return false;
  return deslocamento == 0 || fseeko(arq, static_cast<off_t>(deslocamento), SEEK_CUR) == 0;
}

// tamanho * indice + antes, for non-negative arguments, when it is at most
// limite; -1 otherwise. No product is formed that could overflow.
inline int64_t Deslocamento(int64_t tamanho, int64_t indice, int64_t antes, int64_t limite) {
  if (antes > limite) return -1;
  if (indice == 0 || tamanho == 0) return antes;
  if (tamanho > (limite - antes) / indice) return -1;
  return tamanho * indice + antes;
}

// Region regiao (1-based) of step passo of a wall node file whose header
// takes its first cabecalho bytes, as Le_Temp_Umi_Parede reads it but for
// the header, which a reader of many steps passes over once: each present
// group's block of the region's nodes into its array. False, as there, when
// the arguments describe no region or the step lies past the file.
bool Le_Regiao_Parede(FILE* arq, int64_t cabecalho, const int* entradas, int regioes, int regiao,
                      int passo, bool grupo_1, float* valores_1, bool grupo_2, float* primeiros_2,
                      float* segundos_2, bool grupo_3, float* valores_3);

}  // namespace arqaux

#endif  // ARQAUX_ENVELOPE_ENVELOPE_COMUM_H_
