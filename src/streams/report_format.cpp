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

}  // namespace

TFormato_Compilado::TFormato_Compilado(const char* formato, const char* assinatura) {
  if (formato == nullptr || assinatura == nullptr) return;
  const char* esperado = assinatura;
  std::string literal;
  for (const char* p = formato; *p != '\0';) {
    if (*p != '%') {
      literal += *p++;
      continue;
    }
    if (p[1] == '%') {
      literal += '%';
      p += 2;
      continue;
    }
    // %[flags][width][.precision]conversion
    const char* inicio = p++;
    while (*p != '\0' && std::strchr("-+ #0", *p) != nullptr) ++p;
    while (*p >= '0' && *p <= '9') ++p;
    int precisao = -1;
    bool simples = p == inicio + 1;
    if (*p == '.') {
      ++p;
      precisao = 0;
      while (*p >= '0' && *p <= '9' && precisao <= kMax_Precisao)
        precisao = precisao * 10 + (*p++ - '0');
      if (*p >= '0' && *p <= '9') return;
    }
    const char tipo = *p;
    if (tipo != 'f' && tipo != 'd' && tipo != 's') return;
    if (*esperado != tipo) return;
    ++esperado;
    ++p;
    if (!literal.empty()) pecas_.push_back({'l', 0, literal});
    literal.clear();
    if (tipo == 'f') {
      if (precisao < 0 && simples) precisao = 6;
      if (!simples || precisao > kMax_Precisao) precisao = -1;
    } else if (!simples || precisao >= 0) {
      precisao = -1;
    } else {
      precisao = 0;
    }
    pecas_.push_back({tipo, precisao, std::string(inicio, p)});
  }
  if (*esperado != '\0') return;
  if (!literal.empty()) pecas_.push_back({'l', 0, literal});
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
    if (peca.tipo == 'l') {
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
    if (peca.tipo == 'l') {
      linha->append(peca.texto);
    } else if (peca.tipo == 's') {
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
