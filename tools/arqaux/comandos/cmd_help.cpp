// arqaux help: "arqaux help climate show" prints the help of the command
// those words name, as "arqaux climate show --help" does.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "comandos/comandos.h"
#include "comum/erros.h"

void Declara_Help(CLI::App* app, TAcao* acao) {
  CLI::App* ajuda = app->add_subcommand("help", "show the help of a command");
  auto nomes = std::make_shared<std::vector<std::string>>();
  ajuda->add_option("COMMAND", *nomes, "a command and its subcommands, e.g. 'climate show'");
  ajuda->callback([app, acao, nomes] {
    *acao = [app, nomes] {
      CLI::App* alvo = app;
      std::string caminho = app->get_name();
      for (const std::string& nome : *nomes) {
        auto subs = alvo->get_subcommands([&nome](CLI::App* s) { return s->get_name() == nome; });
        if (subs.empty()) return Relata(Falha_Uso("unknown command '%s'", nome.c_str()));
        alvo = subs.front();
        caminho += " " + alvo->get_name();
      }
      // The formatter, not App::help, which would show the help of "help".
      const std::string texto =
          alvo->get_formatter()->make_help(alvo, caminho, CLI::AppFormatMode::Normal);
      std::fputs(texto.c_str(), stdout);
      return 0;
    };
  });
}
