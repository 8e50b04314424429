// arqaux: command-line front end of the file library.
#include <arqaux/arqaux.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdio>
#include <exception>
#include <new>
#include <string>
#include <vector>

#include "comandos/comandos.h"
#include "comandos/documentacao.h"
#include "comum/erros.h"
#include "comum/verificacoes.h"
#include "saida/progresso.h"

namespace {

// Every subcommand of app.
std::vector<CLI::App*> Subcomandos(CLI::App* app) {
  return app->get_subcommands([](CLI::App*) { return true; });
}

// Every option, flag and positional of app and of its subcommands given at
// most once: a second value would otherwise silently replace the first.
void Recusa_Repeticoes(CLI::App* app) {
  for (CLI::Option* opcao : app->get_options()) {
    opcao->multi_option_policy(CLI::MultiOptionPolicy::Throw);
  }
  for (CLI::App* sub : Subcomandos(app)) {
    Recusa_Repeticoes(sub);
  }
}

// The last subcommand the command line named (app itself when none).
CLI::App* Ultimo_Comando(CLI::App* app) {
  while (!app->get_subcommands().empty()) app = app->get_subcommands().front();
  return app;
}

// The edits that turn a into b: insertions, deletions, substitutions and
// swaps of two neighbouring letters, the slips of typing.
size_t Distancia(const std::string& a, const std::string& b) {
  std::vector<std::vector<size_t>> d(a.size() + 1, std::vector<size_t>(b.size() + 1));
  for (size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    for (size_t j = 1; j <= b.size(); ++j) {
      d[i][j] =
          std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] != b[j - 1])});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
      }
    }
  }
  return d[a.size()][b.size()];
}

// "; did you mean 'x'?" for the candidate nearest palavra, when it is near
// enough to be a slip (a third of its letters at most); else nothing.
std::string Sugestao(const std::string& palavra, const std::vector<std::string>& candidatos) {
  const std::string* melhor = nullptr;
  size_t menor = palavra.size() / 3 + 1;
  for (const std::string& c : candidatos) {
    const size_t d = Distancia(palavra, c);
    if (d < menor) melhor = &c, menor = d;
  }
  return melhor == nullptr ? "" : "; did you mean '" + *melhor + "'?";
}

// The options app and the commands above it take, as they are typed.
std::vector<std::string> Nomes_Opcoes(CLI::App* app) {
  std::vector<std::string> nomes;
  for (CLI::App* a = app; a != nullptr; a = a->get_parent()) {
    for (const CLI::Option* o : a->get_options()) {
      for (const std::string& l : o->get_lnames()) nomes.push_back("--" + l);
    }
  }
  return nomes;
}

// What the parser refused, in one line: the first word no command took,
// named for what it is (an unknown option, an unknown command where one is
// expected, or a word too many); a missing command, with the commands that
// may follow; else the parser's own words, which name the option.
std::string Explica(CLI::App* app, const CLI::ParseError& e) {
  CLI::App* ultimo = Ultimo_Comando(app);
  const std::vector<std::string> sobras = app->remaining(true);
  if (!sobras.empty()) {
    const std::string& palavra = sobras.front();
    if (palavra.size() > 1 && palavra[0] == '-') {
      const std::string opcao = palavra.substr(0, palavra.find('='));
      return "unknown option " + opcao + Sugestao(opcao, Nomes_Opcoes(ultimo));
    }
    if (!Subcomandos(ultimo).empty()) {
      std::vector<std::string> comandos;
      for (CLI::App* sub : Subcomandos(ultimo)) comandos.push_back(sub->get_name());
      return "unknown command '" + palavra + "'" + Sugestao(palavra, comandos);
    }
    return "unexpected argument '" + palavra + "'";
  }
  if (Subcomandos(ultimo).empty() || dynamic_cast<const CLI::RequiredError*>(&e) == nullptr) {
    return e.what();
  }
  std::string nome, comandos;
  for (CLI::App* a = ultimo; a != nullptr; a = a->get_parent()) nome = a->get_name() + " " + nome;
  for (CLI::App* sub : Subcomandos(ultimo)) {
    comandos += (comandos.empty() ? "" : ", ") + sub->get_name();
  }
  nome.pop_back();
  return "'" + nome + "' needs a command: " + comandos;
}

// Parses the command line and runs the command: the exit status.
int Roda(int argc, char** argv) {
  CLI::App app("Reads and writes the files of the building simulation.", "arqaux");
  app.set_version_flag("-V,--version", std::string("arqaux ") + ARQAUX_VERSION,
                       "show the library version");
  bool silencio = false;
  app.add_flag("-q,--quiet", silencio, "print nothing but errors (no progress, no summary)");
  // The program's options may follow a command's words too.
  app.fallthrough();
  app.require_subcommand(1);
  TAcao acao;
  Declara_Sample(&app, &acao);
  Declara_Report(&app, &acao);
  Declara_Climate(&app, &acao);
  Declara_Config(&app, &acao);
  Declara_Hvac(&app, &acao);
  Declara_Stats(&app, &acao);
  Declara_Wall(&app, &acao);
  Declara_Catalogue(&app, &acao);
  Declara_Import(&app, &acao);
  Declara_Info(&app, &acao);
  Declara_Export(&app, &acao);
  Declara_Plot(&app, &acao);
  Declara_Glazing(&app, &acao);
  Declara_Compare(&app, &acao);
  Declara_Interface(&app, &acao);
  Declara_Daylight(&app, &acao);
  Declara_Rain(&app, &acao);
  Declara_Help(&app, &acao);
  Recusa_Repeticoes(&app);
  // The build writes the manual page and the completion script from the
  // declarations above.
  const std::string pedido = argc == 2 ? argv[1] : "";
  if (pedido == "--man" || pedido == "--bash-completion") {
    const std::string texto = pedido == "--man" ? Pagina_Manual(&app) : Completacao_Bash(&app);
    std::fputs(texto.c_str(), stdout);
    return Conclui(0);
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForVersion& e) {
    std::puts(e.what());
    return Conclui(0);
  } catch (const CLI::Success& e) {
    return Conclui(app.exit(e));
  } catch (const CLI::ParseError& e) {
    return Relata(Falha_Uso("%s", Explica(&app, e).c_str()));
  }
  Define_Silencio(silencio);
  return Conclui(acao());
}

}  // namespace

// Whatever a command did not foresee ends it with one line and status 1,
// never with an abort.
int main(int argc, char** argv) {
  try {
    return Roda(argc, argv);
  } catch (const std::bad_alloc&) {
    return Conclui(Erro("out of memory"));
  } catch (const std::exception& e) {
    std::string texto = e.what();
    std::replace(texto.begin(), texto.end(), '\n', ' ');
    return Conclui(Erro("%s", texto.c_str()));
  } catch (...) {
    return Conclui(Erro("stopped by an unknown error"));
  }
}
