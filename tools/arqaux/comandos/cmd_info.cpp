// arqaux info: what a file is, how many records it holds, the period they
// cover and the command that converts or exports it.
#include <arqaux/dados.h>

#include <CLI/CLI.hpp>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "comandos/comandos.h"
#include "comum/erros.h"
#include "comum/verificacoes.h"

namespace {

struct TPedido_Info {
  std::string caminho, tipo;
  int ano = 2001;
};

TResultado Mostra_Info(const TPedido_Info& p) {
  TDeteccao d;
  if (TResultado erro = Conhece_Arquivo(p.caminho, p.tipo, &d); !erro.Ok()) return erro;
  std::printf("file: %s\nkind: %s (%s), told by %s\n", p.caminho.c_str(), d.tipo->nome,
              d.tipo->descricao, d.origem.c_str());
  std::string erro;
  std::unique_ptr<TSerie> s = Abre_Serie(p.caminho, d, 0, &erro);
  if (s != nullptr) {
    std::vector<double> valores;
    long long segundos = 0, primeiro = 0, registros = 0;
    while (s->Le(&valores, &segundos)) {
      if (!Cabe_No_Calendario(segundos, p.ano)) {
        return Falha("%s: %s", p.caminho.c_str(), Falha_Calendario(p.ano).c_str());
      }
      primeiro = registros++ == 0 ? segundos : primeiro;
    }
    std::string colunas;
    for (const TColuna& c : s->Colunas()) colunas += (colunas.empty() ? "" : ", ") + c.Titulo();
    std::error_code ec;
    const long long tamanho = static_cast<long long>(std::filesystem::file_size(p.caminho, ec));
    const long long resto = s->Fim_Registros() < 0 || ec ? 0 : tamanho - s->Fim_Registros();
    if (resto > 0) {
      std::printf("records: %lld whole and %lld bytes more\n", registros, resto);
    } else {
      std::printf("records: %lld\n", registros);
    }
    if (registros > 0) {
      std::printf("period: %s to %s\n", Texto_ISO(primeiro, p.ano).c_str(),
                  Texto_ISO(segundos, p.ano).c_str());
    }
    std::printf("columns: %s\n", colunas.c_str());
    std::printf(
        "export: arqaux export FILE --to csv, its run folder --to sqlite; arqaux plot FILE "
        "--column NAME\n");
  } else if (d.tipo->leitura != TLeitura::Nenhuma) {
    return Falha("%s", erro.c_str());
  }
  std::printf("show: %s\n", d.tipo->comando);
  return {};
}

}  // namespace

void Declara_Info(CLI::App* app, TAcao* acao) {
  CLI::App* sub = app->add_subcommand("info", "tell what a file is, its records and period");
  auto p = std::make_shared<TPedido_Info>();
  sub->add_option("FILE", p->caminho, "any file the library reads or writes")->required();
  sub->add_option("--kind", p->tipo, "the file's kind, when it cannot be told");
  sub->add_option("--year", p->ano, "reference year of the dates shown")
      ->check(CLI::Range(1, 9999 - 20))
      ->capture_default_str();
  sub->callback([p, acao] { *acao = [p] { return Relata(Mostra_Info(*p)); }; });
}
