// Plots drawn with gnuplot: a column of any file the data layer reads, as a
// line over time or as a carpet of days by hours (arqaux plot, and the
// sample's --plots).
#ifndef ARQAUX_TOOL_GRAFICOS_H_
#define ARQAUX_TOOL_GRAFICOS_H_

#include <string>

#include "comum/erros.h"

// A plot of one column of a file (arqaux plot), also drawn by the sample.
struct TPedido_Grafico {
  std::string caminho, coluna, saida, tipo;
  bool carpete = false;
  bool bruto = false;  // every row, where a long run would be drawn day by day
  int intervalo = 0;
  int largura = 1000, altura = 600;
};
// Draws p with gnuplot (a failure names the package when gnuplot is not
// installed).
TResultado Desenha_Grafico(const TPedido_Grafico& p);

#endif  // ARQAUX_TOOL_GRAFICOS_H_
