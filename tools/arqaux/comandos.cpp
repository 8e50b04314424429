#include "comandos.h"

#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

int Erro(const char* formato, ...) {
  std::fputs("arqaux: ", stderr);
  va_list args;
  va_start(args, formato);
  std::vfprintf(stderr, formato, args);
  va_end(args);
  std::fputc('\n', stderr);
  return 1;
}

bool Le_Inteiro(const std::string& texto, int* valor) {
  if (texto.empty()) return false;
  errno = 0;
  char* fim = nullptr;
  long v = std::strtol(texto.c_str(), &fim, 10);
  if (errno != 0 || *fim != '\0' || v < INT_MIN || v > INT_MAX) return false;
  *valor = static_cast<int>(v);
  return true;
}
