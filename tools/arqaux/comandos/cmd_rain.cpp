// arqaux rain: a rain interval file loaded and printed. The application takes
// the file's lines in order; the tool also checks the dates they hold, so
// that a line lost or doubled is not read as the days after it.
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

// The line of caminho, from 1, where interval k (from 0) opens on its '{'.
long Linha_Intervalo(const std::string& caminho, int k) {
  std::FILE* arq = std::fopen(caminho.c_str(), "rb");
  long linha = 1;
  for (int c, abertos = 0; arq != nullptr && (c = std::fgetc(arq)) != EOF;) {
    if (c == '{' && abertos++ == k) break;
    if (c == '\n') ++linha;
  }
  if (arq != nullptr) std::fclose(arq);
  return linha;
}

// Whether an interval can be one of the year's rain events, or why not: its
// date on the 365-day year, its times of day, its class, and a start no
// later than its end.
TResultado Confere_Intervalo(const TInterv_Chuva& c) {
  char texto[96] = "";
  const bool minutos = c.Tempo_Ini % 60 == 0 && c.Tempo_Fim % 60 == 0 && c.Tempo_Ini >= 0 &&
                       c.Tempo_Fim >= 0 && c.Tempo_Ini < 3600 && c.Tempo_Fim < 3600;
  if (c.Mes < 1 || c.Mes > 12 || c.Dia < 1 || c.Dia > TGeren_Tempo::Dias_No_Mes(c.Mes)) {
    std::snprintf(texto, sizeof texto, "%d/%d is not a day of the year", c.Dia, c.Mes);
  } else if (!minutos || c.Hora_Ini < 0 || c.Hora_Ini > 23 || c.Hora_Fim < 0 || c.Hora_Fim > 23) {
    std::snprintf(texto, sizeof texto, "%02d:%02d-%02d:%02d are not times of day", c.Hora_Ini,
                  c.Tempo_Ini / 60, c.Hora_Fim, c.Tempo_Fim / 60);
  } else if (c.Intensidade < '1' || c.Intensidade > '3') {
    std::snprintf(texto, sizeof texto, "class '%c' is not 1, 2 or 3", c.Intensidade);
  } else if (c.Hora_Ini * 3600 + c.Tempo_Ini > c.Hora_Fim * 3600 + c.Tempo_Fim) {
    std::snprintf(texto, sizeof texto, "it starts at %02d:%02d, after its end at %02d:%02d",
                  c.Hora_Ini, c.Tempo_Ini / 60, c.Hora_Fim, c.Tempo_Fim / 60);
  }
  return texto[0] == '\0' ? TResultado() : TResultado::Falha(texto);
}

// The count, then "DD/MM HH:MM-HH:MM class C" per interval; the intervals
// that loaded are printed before a load that stopped, or the first interval
// that is not an event of the year, is reported.
TResultado Confere_Chuva(const std::string& caminho) {
  if (TResultado erro = Confere_Entrada(caminho); !erro.Ok()) return erro;
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  const int n = geren->Abre_Arquivo(caminho.c_str(), "rt");
  if (n == 0) return Falha("cannot open '%s'", caminho.c_str());
  TLista<TInterv_Chuva> lista(true);
  const bool lido = geren->Le_Arquivo_Chuva(&lista);
  geren->Fecha_Arquivo(n);
  std::printf("%d intervals\n", lista.Numero_Elementos());
  TNo<TInterv_Chuva>* no = lista.R_No(1);
  int primeira_falha = -1;
  TResultado falha;
  for (int i = 0; i < lista.Numero_Elementos(); ++i, no = no->R_Proximo()) {
    const TInterv_Chuva& c = *no->R_Dado();
    std::printf("%02d/%02d %02d:%02d-%02d:%02d class %c\n", c.Dia, c.Mes, c.Hora_Ini,
                c.Tempo_Ini / 60, c.Hora_Fim, c.Tempo_Fim / 60, c.Intensidade);
    if (primeira_falha < 0 && !(falha = Confere_Intervalo(c)).Ok()) primeira_falha = i;
  }
  std::fflush(stdout);  // the intervals come before the message
  if (primeira_falha >= 0) {
    return Falha("'%s' line %ld: %s", caminho.c_str(), Linha_Intervalo(caminho, primeira_falha),
                 falha.Mensagem().c_str());
  }
  if (!lido)
    return Falha("'%s' stops after %d intervals", caminho.c_str(), lista.Numero_Elementos());
  return {};
}

}  // namespace

void Declara_Rain(CLI::App* app, TAcao* acao) {
  CLI::App* chuva = app->add_subcommand("rain", "check a rain interval file");
  chuva->require_subcommand(1);
  CLI::App* confere = chuva->add_subcommand("check", "load a rain file and print its intervals");
  auto caminho = std::make_shared<std::string>();
  confere->add_option("FILE", *caminho, "rain interval file")->required();
  confere->callback(
      [caminho, acao] { *acao = [caminho] { return Relata(Confere_Chuva(*caminho)); }; });
}
