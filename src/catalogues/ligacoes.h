// The reference-table readers scan a line into a value struct through its
// line table and hand the fields to the caller's variables. A binding ties a
// field to a variable: after the scan, each field the scan stored is copied
// out to its variable, so that what was scanned before a failure is stored.
// A field the scan never reached is neither read nor written: its variable
// keeps its value, and a caller's buffer is touched only by a text scanned
// into it (the text and its terminator).
#ifndef ARQAUX_CATALOGUES_LIGACOES_H_
#define ARQAUX_CATALOGUES_LIGACOES_H_

#include <algorithm>
#include <cstring>
#include <vector>

#include "engine/linhas_config.h"

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

// A text moves up to its terminator.
inline void Copia_Campo(const TPosicao& p, void* destino, const void* origem) {
  if (p.tipo != TTipo_Campo::Texto) {
    std::memcpy(destino, origem, p.tamanho);
    return;
  }
  const size_t n = strnlen(static_cast<const char*>(origem), p.tamanho - 1);
  std::memcpy(destino, origem, n);
  static_cast<char*>(destino)[n] = '\0';
}

// Runs le(&guardados), the scan into *v that adds the fields it stored to
// guardados, then copies those fields out; false without scanning when a
// variable is null.
template <class V, class F>
bool Le_Ligado(V* v, const std::vector<TLigacao>& ligacoes, F le) {
  for (const TLigacao& l : ligacoes) {
    if (l.variavel == nullptr) return false;
  }
  TGuardados guardados;
  const bool ok = le(&guardados);
  const char* base = reinterpret_cast<const char*>(v);
  for (const TLigacao& l : ligacoes) {
    if (std::find(guardados.begin(), guardados.end(), l.posicao.deslocamento) != guardados.end())
      Copia_Campo(l.posicao, l.variavel, base + l.posicao.deslocamento);
  }
  return ok;
}

}  // namespace arqaux

#endif  // ARQAUX_CATALOGUES_LIGACOES_H_
