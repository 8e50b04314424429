// What the diagnostics writers share: one formatted print on the current
// stream, with the result the header gives them.
#ifndef ARQAUX_DIAGNOSTICS_IMPRESSAO_H_
#define ARQAUX_DIAGNOSTICS_IMPRESSAO_H_

#include <cstdarg>
#include <cstdio>

namespace arqaux {

// vfprintf's result on arq, or -1 without a stream.
#if defined(__GNUC__)
__attribute__((format(printf, 2, 3)))
#endif
inline int
Imprime(FILE* arq, const char* formato, ...) {
  if (arq == nullptr) return -1;
  va_list args;
  va_start(args, formato);
  const int r = std::vfprintf(arq, formato, args);
  va_end(args);
  return r;
}

}  // namespace arqaux

#endif  // ARQAUX_DIAGNOSTICS_IMPRESSAO_H_
