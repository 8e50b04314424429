// arqaux daylight: a window of a daylighting schedule as the application
// buffers it. The application takes the file's lines in order; the tool
// also checks the hours they hold, so that a line lost or doubled is not
// read as the hours after it.
#include <arqaux/arqaux.h>
#include <arqaux/dados.h>
#include <arqaux/formatos.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "comandos/comandos.h"
#include "comum/erros.h"
#include "comum/verificacoes.h"

namespace {

struct TJanela_Luz {
  std::string caminho;
  int inicio = 0;
  int quantidade = 24;
};

// "HOUR\tW/area", one line per hour the window holds (none past the year).
TResultado Mostra_Iluminacao(const TJanela_Luz& j) {
  if (TResultado erro = Confere_Entrada(j.caminho); !erro.Ok()) return erro;
  const int fim = std::min(j.inicio + j.quantidade, ARQAUX_HORAS_ANO);
  const std::string falha = Confere_Agenda_Iluminacao(j.caminho, fim);
  if (!falha.empty()) return Falha("%s", falha.c_str());
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  const int n = geren->Abre_Arquivo(j.caminho.c_str(), "rt");
  if (n == 0) return Falha("cannot open '%s'", j.caminho.c_str());
  std::vector<TReg_DPI_DAYSIM> registros(static_cast<size_t>(j.quantidade) + 1);
  const bool lido = geren->Bufferiza_Iluminacao_DAYSIM(registros.data(), j.inicio, j.quantidade);
  geren->Fecha_Arquivo(n);
  if (!lido) return Falha("cannot read '%s'", j.caminho.c_str());
  for (int i = 0; i < fim - j.inicio; ++i)
    std::printf("%d\t%.4f\n", j.inicio + i, registros[i].DPI);
  return {};
}

}  // namespace

void Declara_Daylight(CLI::App* app, TAcao* acao) {
  CLI::App* luz = app->add_subcommand("daylight", "show a daylighting schedule");
  luz->require_subcommand(1);
  CLI::App* mostra = luz->add_subcommand("show", "print hourly lighting power densities");
  auto j = std::make_shared<TJanela_Luz>();
  mostra->add_option("FILE", j->caminho, "daylighting schedule")->required();
  mostra->add_option("--from", j->inicio, "first hour of the year shown")
      ->check(CLI::Range(0, ARQAUX_HORAS_ANO - 1))
      ->capture_default_str();
  mostra->add_option("--count", j->quantidade, "hours shown; the window ends with the year")
      ->check(CLI::Range(0, ARQAUX_HORAS_ANO))
      ->capture_default_str();
  mostra->callback([j, acao] { *acao = [j] { return Relata(Mostra_Iluminacao(*j)); }; });
}
