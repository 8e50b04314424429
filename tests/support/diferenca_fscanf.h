// The differential check of the in-memory "%f" scanner, shared by its test and
// its fuzz target: the C library's fscanf on a memory stream is the reference.
#ifndef ARQAUX_TESTS_SUPPORT_DIFERENCA_FSCANF_H_
#define ARQAUX_TESTS_SUPPORT_DIFERENCA_FSCANF_H_

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <tuple>

#include "engine/leitor_real.h"

// One read: the result (1, 0, EOF), the float's bits, the stop offset.
using TLeitura = std::tuple<int, uint32_t, long>;

inline TLeitura Leitura(int resultado, float valor, long parada) {
  uint32_t bits;
  std::memcpy(&bits, &valor, sizeof bits);
  return {resultado, bits, parada};
}

inline std::string Descreve(const TLeitura& l) {
  char texto[64];
  std::snprintf(texto, sizeof texto, "%d 0x%08x at %ld", std::get<0>(l),
                static_cast<unsigned>(std::get<1>(l)), std::get<2>(l));
  return texto;
}

// The bytes as a C string literal, printable ASCII as it is, the rest escaped.
inline std::string Escapa(const char* dados, size_t tamanho) {
  std::string texto = "\"";
  for (size_t i = 0; i < tamanho; ++i) {
    const unsigned char c = static_cast<unsigned char>(dados[i]);
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\x%02x\"\"", c);
    texto += (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') ? std::string(1, c) : escape;
  }
  return texto + "\"";
}

// Reads the bytes as a reader of "%f" values would, one value after another
// until one does not convert, with fscanf on a memory stream and with
// Le_Real side by side. Both start with the same float in the variable, so a
// store where fscanf makes none shows. Returns the first read where the two
// differ (result, float bits or stop offset) described, or "" when none does.
inline std::string Diferenca_Fscanf(const char* dados, size_t tamanho) {
  static char vazio[1];
  FILE* arq = fmemopen(tamanho == 0 ? vazio : const_cast<char*>(dados), tamanho, "r");
  if (arq == nullptr) return "fmemopen failed";
  const char* p = dados;
  std::string diferenca;
  for (;;) {
    float valores[2] = {-0.125f, -0.125f};
    const int resultado = std::fscanf(arq, "%f", &valores[0]);
    const TLeitura esperada = Leitura(resultado, valores[0], std::ftell(arq));
    const char* parada = p;
    const arqaux::TResultado_Real r = arqaux::Le_Real(p, dados + tamanho, &valores[1], &parada);
    const TLeitura obtida = Leitura(r == arqaux::TResultado_Real::Convertido ? 1
                                    : r == arqaux::TResultado_Real::Falhou   ? 0
                                                                             : EOF,
                                    valores[1], parada - dados);
    if (esperada != obtida) {
      diferenca = Escapa(dados, tamanho) + " from " + std::to_string(p - dados) + ": fscanf " +
                  Descreve(esperada) + ", Le_Real " + Descreve(obtida);
      break;
    }
    if (resultado != 1) break;
    p = parada;
  }
  std::fclose(arq);
  return diferenca;
}

#endif  // ARQAUX_TESTS_SUPPORT_DIFERENCA_FSCANF_H_
