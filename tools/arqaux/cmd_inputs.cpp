// arqaux daylight and arqaux rain: a window of a daylighting schedule as the
// application buffers it, and a rain interval file loaded and printed.
#include <arqaux/arqaux.h>
#include <arqaux/formatos.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "comandos.h"
#include "verificacoes.h"

namespace {

struct TJanela_Luz {
  std::string caminho;
  int inicio = 0;
  int quantidade = 24;
};

// Why a window did not read: the header, or a line before its end.
int Explica_Falha(TGeren_ArquivoAux* geren, const TJanela_Luz& j) {
  const int n = geren->Abre_Arquivo(j.caminho.c_str(), "rt");
  const bool cabecalho = n != 0 && geren->Carrega_Cabecalho_DAYSIM();
  if (n != 0) geren->Fecha_Arquivo(n);
  if (!cabecalho) return Erro("'%s' does not start as a daylighting schedule", j.caminho.c_str());
  return Erro("'%s' ends or has a malformed line before hour %d", j.caminho.c_str(),
              std::min(j.inicio + j.quantidade, ARQAUX_HORAS_ANO) - 1);
}

// "HOUR\tW/area", one line per hour the window holds (none past the year).
int Mostra_Iluminacao(const TJanela_Luz& j) {
  if (int erro = Confere_Entrada(j.caminho)) return erro;
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  const int n = geren->Abre_Arquivo(j.caminho.c_str(), "rt");
  if (n == 0) return Erro("cannot open '%s'", j.caminho.c_str());
  std::vector<TReg_DPI_DAYSIM> registros(static_cast<size_t>(j.quantidade) + 1);
  const bool lido = geren->Bufferiza_Iluminacao_DAYSIM(registros.data(), j.inicio, j.quantidade);
  geren->Fecha_Arquivo(n);
  if (!lido) return Explica_Falha(geren, j);
  const int guardados = std::min(j.quantidade, ARQAUX_HORAS_ANO - j.inicio);
  for (int i = 0; i < guardados; ++i) std::printf("%d\t%.4f\n", j.inicio + i, registros[i].DPI);
  return 0;
}

// The count, then "DD/MM HH:MM-HH:MM class C" per interval; the intervals
// that loaded are printed before a load that stopped is reported.
int Confere_Chuva(const std::string& caminho) {
  if (int erro = Confere_Entrada(caminho)) return erro;
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  const int n = geren->Abre_Arquivo(caminho.c_str(), "rt");
  if (n == 0) return Erro("cannot open '%s'", caminho.c_str());
  TLista<TInterv_Chuva> lista(true);
  const bool lido = geren->Le_Arquivo_Chuva(&lista);
  geren->Fecha_Arquivo(n);
  std::printf("%d intervals\n", lista.Numero_Elementos());
  TNo<TInterv_Chuva>* no = lista.R_No(1);
  for (int i = 0; i < lista.Numero_Elementos(); ++i, no = no->R_Proximo()) {
    const TInterv_Chuva& c = *no->R_Dado();
    std::printf("%02d/%02d %02d:%02d-%02d:%02d class %c\n", c.Dia, c.Mes, c.Hora_Ini,
                c.Tempo_Ini / 60, c.Hora_Fim, c.Tempo_Fim / 60, c.Intensidade);
  }
  std::fflush(stdout);  // the intervals come before the message
  if (!lido)
    return Erro("'%s' stops after %d intervals", caminho.c_str(), lista.Numero_Elementos());
  return 0;
}

}  // namespace

void Declara_Inputs(CLI::App* app, TAcao* acao) {
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
  mostra->callback([j, acao] { *acao = [j] { return Mostra_Iluminacao(*j); }; });

  CLI::App* chuva = app->add_subcommand("rain", "check a rain interval file");
  chuva->require_subcommand(1);
  CLI::App* confere = chuva->add_subcommand("check", "load a rain file and print its intervals");
  auto caminho = std::make_shared<std::string>();
  confere->add_option("FILE", *caminho, "rain interval file")->required();
  confere->callback([caminho, acao] { *acao = [caminho] { return Confere_Chuva(*caminho); }; });
}
