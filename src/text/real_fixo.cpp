#include "text/real_fixo.h"
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
namespace arqaux {
bool Compila_Espec_Fixo(const TPeca_Formato& peca, TEspec_Fixo* espec) {
  if (peca.tipo != TTipo_Peca::Real_Fixo || peca.longo) return false;
  TEspec_Fixo e;
  const char* p = peca.inicio + 1;
  for (;; ++p) {
    if (*p == '-') e.esquerda = true;
    else if (*p == '+') e.sinal = true;
    else if (*p == ' ') e.espaco = true;
    else if (*p == '0') e.zeros = true;
    else if (*p == '#') e.alternativo = true;
    else break;
  }
  while (*p >= '0' && *p <= '9') e.largura = e.largura * 10 + (*p++ - '0');
  if (*p == '.') {
    ++p;
    e.precisao = 0;
    while (*p >= '0' && *p <= '9') e.precisao = e.precisao * 10 + (*p++ - '0');
  }
  *espec = e;
  return true;
}
char* Escreve_Real_Fixo(char* destino, double v, const TEspec_Fixo& e) {
  std::string f = "%";
  if (e.esquerda) f += '-';
  if (e.sinal) f += '+';
  if (e.espaco) f += ' ';
  if (e.zeros) f += '0';
  if (e.alternativo) f += '#';
  if (e.largura) f += std::to_string(e.largura);
  f += "." + std::to_string(e.precisao) + "f";
  char buf[MAX_TEXTO_REAL_FIXO + 1];
  if (!e.esquerda && !e.sinal && !e.espaco && !e.zeros && !e.alternativo && e.largura == 0 && std::isfinite(v)) {
    return std::to_chars(destino, destino + MAX_TEXTO_REAL_FIXO, v, std::chars_format::fixed, e.precisao).ptr;
  }
  int n = std::snprintf(buf, sizeof buf, f.c_str(), v);
  std::memcpy(destino, buf, n);
  return destino + n;
}
char* Escreve_Real_Fixo(char* destino, float v, const TEspec_Fixo& e) {
  return Escreve_Real_Fixo(destino, static_cast<double>(v), e);
}
}  // namespace arqaux
