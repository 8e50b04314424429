#include "comum/erros.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

int Relata(const TResultado& r) {
  if (r.Ok()) return 0;
  std::fputs("arqaux: ", stderr);
  std::fputs(r.Mensagem().c_str(), stderr);
  std::fputc('\n', stderr);
  return r.Status();
}

namespace {

TResultado Falha_Lista(const char* formato, va_list args, int status = 1) {
  va_list copia;
  va_copy(copia, args);
  const int tamanho = std::vsnprintf(nullptr, 0, formato, args);
  std::vector<char> texto(tamanho > 0 ? static_cast<size_t>(tamanho) + 1 : 1, '\0');
  if (tamanho > 0) std::vsnprintf(texto.data(), texto.size(), formato, copia);
  va_end(copia);
  return TResultado::Falha(std::string(texto.data(), tamanho > 0 ? tamanho : 0), status);
}

}  // namespace

TResultado Falha(const char* formato, ...) {
  va_list args;
  va_start(args, formato);
  TResultado r = Falha_Lista(formato, args);
  va_end(args);
  return r;
}

TResultado Falha_Uso(const char* formato, ...) {
  va_list args;
  va_start(args, formato);
  TResultado r = Falha_Lista(formato, args, kErroUso);
  va_end(args);
  return r;
}

int Erro(const char* formato, ...) {
  va_list args;
  va_start(args, formato);
  const TResultado r = Falha_Lista(formato, args);
  va_end(args);
  return Relata(r);
}
