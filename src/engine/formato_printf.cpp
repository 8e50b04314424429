#include "engine/formato_printf.h"

#include <cstring>

namespace arqaux {

namespace {

// Most digits of a width or a precision.
constexpr int kMaxDigitos = 2;

// Reads up to kMaxDigitos digits at *p into *valor; false when more follow.
bool Le_Numero(const char** p, int* valor) {
  *valor = 0;
  int digitos = 0;
  for (; **p >= '0' && **p <= '9'; ++*p, ++digitos) {
    if (digitos < kMaxDigitos) *valor = *valor * 10 + (**p - '0');
  }
  return digitos <= kMaxDigitos;
}

// The kind of the conversion letter at *p, moving past a scan set's closing
// bracket; false for a letter outside the grammar.
bool Le_Tipo(const char** p, TTipo_Peca* tipo) {
  const char c = **p;
  if (c == 'd' || c == 'i') {
    *tipo = TTipo_Peca::Inteiro;
  } else if (c == 'f') {
    *tipo = TTipo_Peca::Real_Fixo;
  } else if (c != '\0' && std::strchr("eEgG", c) != nullptr) {
    *tipo = TTipo_Peca::Real;
  } else if (c == 's') {
    *tipo = TTipo_Peca::Texto;
  } else if (c == '[') {
    // "]" right after "[" or "[^" belongs to the set.
    const char* q = *p + 1;
    if (*q == '^') ++q;
    if (*q == ']') ++q;
    q = std::strchr(q, ']');
    if (q == nullptr) return false;
    *p = q;
    *tipo = TTipo_Peca::Conjunto;
  } else {
    return false;
  }
  ++*p;
  return true;
}

}  // namespace

const char* Le_Peca(const char* p, TPeca_Formato* peca) {
  *peca = TPeca_Formato();
  peca->inicio = p;
  if (*p != '%') {
    const char* fim = std::strchr(p, '%');
    peca->fim = fim != nullptr ? fim : p + std::strlen(p);
    return peca->fim;
  }
  const char* q = p + 1;
  if (*q == '%') {
    peca->tipo = TTipo_Peca::Percento;
    peca->fim = q + 1;
    return peca->fim;
  }
  while (*q != '\0' && std::strchr("-+ #0", *q) != nullptr) ++q;
  int largura = 0;
  const char* antes_largura = q;
  if (!Le_Numero(&q, &largura)) return nullptr;
  peca->simples = antes_largura == p + 1 && q == antes_largura;
  if (*q == '.') {
    ++q;
    if (!Le_Numero(&q, &peca->precisao)) return nullptr;
  }
  peca->longo = *q == 'l';
  if (peca->longo) ++q;
  if (!Le_Tipo(&q, &peca->tipo) || q - p > kMaxConversao) return nullptr;
  peca->fim = q;
  return q;
}

}  // namespace arqaux
