// The reference-table readers scan a line into a value struct through its
// line table and hand the fields to the caller's variables. A binding ties a
// field to a variable: the variable's value is copied in before the scan, so
// that a field the scan never reaches keeps it, and back out after, so that
// what was scanned before a failure is stored.
#ifndef ARQAUX_CATALOGUES_LIGACOES_H_
#define ARQAUX_CATALOGUES_LIGACOES_H_

#include <cstring>
#include <vector>

#include "text/linhas_config.h"

namespace arqaux {

struct TLigacao {
  TPosicao posicao;
  void* variavel;
};

// Field campo of V bound to variavel, which has the field's type (a text: a
// buffer of the field's size).
template <class V>
TLigacao Liga(TCampo<V> campo, void* variavel) {
  return {campo.campo.posicao, variavel};
}

// A text moves up to its terminator, so a caller's shorter buffer holding a
// shorter text is never read or written past that text.
inline void Copia_Campo(const TPosicao& p, void* destino, const void* origem) {
  if (p.tipo != TTipo_Campo::Texto) {
    std::memcpy(destino, origem, p.tamanho);
    return;
  }
  const size_t n = strnlen(static_cast<const char*>(origem), p.tamanho - 1);
  std::memcpy(destino, origem, n);
  static_cast<char*>(destino)[n] = '\0';
}

// Runs le (the scan into *v) between the copies in and out; false without
// scanning when a variable is null.
template <class V, class F>
bool Le_Ligado(V* v, const std::vector<TLigacao>& ligacoes, F le) {
  char* base = reinterpret_cast<char*>(v);
  for (const TLigacao& l : ligacoes) {
    if (l.variavel == nullptr) return false;
  }
  for (const TLigacao& l : ligacoes)
    Copia_Campo(l.posicao, base + l.posicao.deslocamento, l.variavel);
  const bool ok = le();
  for (const TLigacao& l : ligacoes)
    Copia_Campo(l.posicao, l.variavel, base + l.posicao.deslocamento);
  return ok;
}

}  // namespace arqaux

#endif  // ARQAUX_CATALOGUES_LIGACOES_H_
