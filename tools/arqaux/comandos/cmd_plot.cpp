// arqaux plot: one column of an exportable file drawn by gnuplot as a PNG
// (saida/graficos.h).
#include <CLI/CLI.hpp>
#include <memory>

#include "comandos/comandos.h"
#include "comum/erros.h"
#include "saida/graficos.h"

void Declara_Plot(CLI::App* app, TAcao* acao) {
  CLI::App* sub = app->add_subcommand("plot", "draw a column of a file as a PNG, with gnuplot");
  auto p = std::make_shared<TPedido_Grafico>();
  sub->add_option("FILE", p->caminho, "a file arqaux export reads")->required();
  sub->add_option("--column", p->coluna, "the column drawn, as the export names it")->required();
  sub->add_flag("--carpet", p->carpete,
                "day of the year across, hour of the day up, colour = value");
  sub->add_flag("--raw", p->bruto,
                "every row, where a long run is drawn as daily minimum, mean and maximum");
  sub->add_option("--out", p->saida, "the PNG written")->required();
  sub->add_option("--kind", p->tipo, "the file's kind, when it cannot be told");
  sub->add_option("--interval", p->intervalo, "seconds between records")
      ->check(CLI::Range(1, 86400));
  sub->add_option("--width", p->largura, "pixels")
      ->check(CLI::Range(64, 8000))
      ->capture_default_str();
  sub->add_option("--height", p->altura, "pixels")
      ->check(CLI::Range(64, 8000))
      ->capture_default_str();
  sub->callback([p, acao] { *acao = [p] { return Relata(Desenha_Grafico(*p)); }; });
}
