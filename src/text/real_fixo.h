// Placeholder until the exact formatter lands (same interface).
#ifndef ARQAUX_TEXT_REAL_FIXO_H_
#define ARQAUX_TEXT_REAL_FIXO_H_
#include <cstddef>
#include "text/formato_printf.h"
namespace arqaux {
struct TEspec_Fixo {
  bool esquerda = false;
  bool sinal = false;
  bool espaco = false;
  bool zeros = false;
  bool alternativo = false;
  int largura = 0;
  int precisao = 6;
};
bool Compila_Espec_Fixo(const TPeca_Formato& peca, TEspec_Fixo* espec);
constexpr size_t MAX_TEXTO_REAL_FIXO = 160;
char* Escreve_Real_Fixo(char* destino, float v, const TEspec_Fixo& espec);
char* Escreve_Real_Fixo(char* destino, double v, const TEspec_Fixo& espec);
}  // namespace arqaux
#endif
