// The texts of a row's numbers, written into a caller's buffer without a
// string: what Texto_Valor and Texto_Horas return, for writers of many rows.
#ifndef ARQAUX_DADOS_TEXTOS_H_
#define ARQAUX_DADOS_TEXTOS_H_

#include <cstddef>

// Room enough for any text of a value or of hours.
constexpr size_t kTamTextoValor = 48;

// Texto_Valor(v) into texto: its length.
size_t Escreve_Valor(double v, char* texto);
// Texto_Horas(segundos) into texto: its length.
size_t Escreve_Horas(long long segundos, char* texto);

#endif  // ARQAUX_DADOS_TEXTOS_H_
