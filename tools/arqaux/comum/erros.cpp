#include "comum/erros.h"

#include <cstdarg>
#include <cstdio>

int Erro(const char* formato, ...) {
  std::fputs("arqaux: ", stderr);
  va_list args;
  va_start(args, formato);
  std::vfprintf(stderr, formato, args);
  va_end(args);
  std::fputc('\n', stderr);
  return 1;
}
