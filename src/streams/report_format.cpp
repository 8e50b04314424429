#include "streams/report_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace arqaux {

namespace {

// Widest precision converted by std::to_chars here: a float below 2^128 has
// at most 39 integer digits, so 39 + sign + point + 60 fits the buffer.
constexpr int kMax_Precisao = 60;
constexpr size_t kTam_Numero = 128;

// Text of one conversion with flags, width or an unusual precision, which
// the fast path does not handle; snprintf gives it, cut to the buffer.
template <typename T>
void Acrescenta_Com_Printf(std::string* linha, const std::string& formato, T v) {
  char buf[kTam_Numero * 2];
  const int n = std::snprintf(buf, sizeof buf, formato.c_str(), v);
  if (n > 0) linha->append(buf, std::min(static_cast<size_t>(n), sizeof buf - 1));
}

// The argument kind a signature letter stands for; Literal for any other.
TTipo_Peca Tipo_Da_Assinatura(char letra) {
  switch (letra) {
    case 'f':
      return TTipo_Peca::Real_Fixo;
    case 'd':
      return TTipo_Peca::Inteiro;
    case 's':
      return TTipo_Peca::Texto;
    default:
      return TTipo_Peca::Literal;
  }
}

// The fast-path precision of a conversion: the digits of a plain "%f" or
// "%.Nf" (N up to kMax_Precisao), 0 for a plain "%d" or "%s", -1 for what
// goes through snprintf.
int Precisao_Rapida(const TPeca_Formato& c) {
  if (!c.simples) return -1;
  if (c.tipo == TTipo_Peca::Real_Fixo) {
    const int p = c.precisao < 0 ? 6 : c.precisao;
    return p > kMax_Precisao ? -1 : p;
  }
  return c.precisao < 0 ? 0 : -1;
}

}  // namespace

TFormato_Compilado::TFormato_Compilado(const char* formato, const char* assinatura) {
  if (formato == nullptr || assinatura == nullptr) return;
  const char* esperado = assinatura;
  std::string literal;
  for (const char* p = formato; *p != '\0';) {
    TPeca_Formato c;
    p = Le_Peca(p, &c);
    if (p == nullptr) return;
    if (c.tipo == TTipo_Peca::Literal) {
      literal.append(c.inicio, c.fim);
      continue;
    }
    if (c.tipo == TTipo_Peca::Percento) {
      literal += '%';
      continue;
    }
    if (c.longo || c.tipo != Tipo_Da_Assinatura(*esperado)) return;
    ++esperado;
    if (!literal.empty()) pecas_.push_back({TTipo_Peca::Literal, 0, literal});
    literal.clear();
    pecas_.push_back({c.tipo, Precisao_Rapida(c), std::string(c.inicio, c.fim)});
  }
  if (*esperado != '\0') return;
  if (!literal.empty()) pecas_.push_back({TTipo_Peca::Literal, 0, literal});
  valido_ = true;
}

void TFormato_Compilado::Acrescenta(std::string* linha, const TPeca& peca, double v) const {
  if (peca.precisao < 0 || !std::isfinite(v)) {
    Acrescenta_Com_Printf(linha, peca.texto, v);
    return;
  }
  char buf[kTam_Numero];
  const std::to_chars_result r =
      std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, peca.precisao);
  linha->append(buf, r.ptr);
}

void TFormato_Compilado::Formata(std::string* linha, double v) const {
  if (!valido_) return;
  for (const TPeca& peca : pecas_) {
    if (peca.tipo == TTipo_Peca::Literal) {
      linha->append(peca.texto);
    } else {
      Acrescenta(linha, peca, v);
    }
  }
}

void TFormato_Compilado::Formata(std::string* linha, int a, int b, const char* s) const {
  if (!valido_) return;
  int inteiros = 0;
  for (const TPeca& peca : pecas_) {
    if (peca.tipo == TTipo_Peca::Literal) {
      linha->append(peca.texto);
    } else if (peca.tipo == TTipo_Peca::Texto) {
      if (peca.precisao < 0) {
        Acrescenta_Com_Printf(linha, peca.texto, s);
      } else {
        linha->append(s);
      }
    } else {
      const int v = inteiros++ == 0 ? a : b;
      if (peca.precisao < 0) {
        Acrescenta_Com_Printf(linha, peca.texto, v);
      } else {
        char buf[16];
        linha->append(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
      }
    }
  }
}

}  // namespace arqaux
