// What the load streams and the statistics reports share: the kind labels
// and the preamble (title, label, run period and sampling interval).
#ifndef ARQAUX_LOADS_CARGAS_H_
#define ARQAUX_LOADS_CARGAS_H_

#include <cstdio>

#include "arqaux/contracts/utility.h"

namespace arqaux {

// Kind codes of the load streams and reports: 2 winter load, 3 summer load;
// any other is a gain, of which 8 carries its label.
constexpr int kTipo_Inverno = 2;
constexpr int kTipo_Verao = 3;
constexpr int kTipo_Ganho = 8;

// The labels, in Windows-1252, printed without a line end of their own.
// "Témica" is how the application has always spelt the load labels.
extern const char kRotulo_Inverno[];
extern const char kRotulo_Verao[];
extern const char kRotulo_Ganho[];

// "[%s]\n" with the title, the label and "\n", the period line of the two
// clocks at periodo (start, end) with whole hours, and the interval line.
void Escreve_Preambulo(FILE* arq, const char* titulo, const char* rotulo, const TTempo* periodo,
                       int intervalo);

}  // namespace arqaux

#endif  // ARQAUX_LOADS_CARGAS_H_
