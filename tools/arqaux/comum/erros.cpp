#include "comum/erros.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

int Relata(const TResultado& r) {
  if (r.Ok()) return 0;
  std::fputs("arqaux: ", stderr);
  std::fwrite(r.Mensagem().data(), 1, r.Mensagem().size(), stderr);
  std::fputc('\n', stderr);
  return 1;
}

int Erro(const char* formato, ...) {
  va_list args, copia;
  va_start(args, formato);
  va_copy(copia, args);
  const int tamanho = std::vsnprintf(nullptr, 0, formato, args);
  va_end(args);
  std::vector<char> texto(tamanho > 0 ? static_cast<size_t>(tamanho) + 1 : 1, '\0');
  if (tamanho > 0) std::vsnprintf(texto.data(), texto.size(), formato, copia);
  va_end(copia);
  return Relata(TResultado::Falha(std::string(texto.data(), tamanho > 0 ? tamanho : 0)));
}
