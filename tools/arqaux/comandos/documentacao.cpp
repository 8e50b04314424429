// The manual page and the bash completion, walked from the command
// declarations (documentacao.h).
#include "comandos/documentacao.h"

#include <arqaux/arqaux.h>

#include <CLI/CLI.hpp>
#include <string>
#include <vector>

namespace {

std::vector<CLI::App*> Subcomandos(CLI::App* app) {
  return app->get_subcommands([](CLI::App*) { return true; });
}

// The options a reader sees: those of a group (an option without one is
// hidden from the help, and so from the page).
std::vector<const CLI::Option*> Opcoes(CLI::App* app) {
  std::vector<const CLI::Option*> opcoes;
  for (const CLI::Option* o : app->get_options()) {
    if (!o->get_group().empty()) opcoes.push_back(o);
  }
  return opcoes;
}

// "arqaux report ats": the words that name app.
std::string Caminho(CLI::App* app) {
  std::string nome;
  for (CLI::App* a = app; a != nullptr; a = a->get_parent()) {
    nome = a->get_name() + (nome.empty() ? "" : " ") + nome;
  }
  return nome;
}

// texto as roff text: backslashes and hyphens escaped, and a line that
// would start with a control character kept as text.
std::string Roff(const std::string& texto) {
  std::string r;
  for (char c : texto) {
    if (c == '\\') {
      r += "\\e";
    } else if (c == '-') {
      r += "\\-";
    } else {
      r += c;
    }
  }
  if (!r.empty() && (r[0] == '.' || r[0] == '\'')) r = "\\&" + r;
  return r;
}

// "-V, --version" or "DIR", with its value's type: an option's heading.
std::string Titulo_Opcao(const CLI::Option* o) {
  if (o->get_positional() && !o->nonpositional()) return "\\fI" + Roff(o->get_name(true)) + "\\fR";
  std::string nomes;
  for (const std::string& s : o->get_snames()) nomes += (nomes.empty() ? "" : ", ") + ("-" + s);
  for (const std::string& l : o->get_lnames()) nomes += (nomes.empty() ? "" : ", ") + ("--" + l);
  std::string titulo = "\\fB" + Roff(nomes) + "\\fR";
  if (o->get_type_size() != 0 && !o->get_type_name().empty()) {
    titulo += " \\fI" + Roff(o->get_type_name()) + "\\fR";
  }
  return titulo;
}

// The section of app and, after it, those of its subcommands.
void Secao_Comando(CLI::App* app, std::string* pagina) {
  *pagina += ".SS \"" + Roff(Caminho(app)) + "\"\n" + Roff(app->get_description()) + "\n";
  for (const CLI::Option* o : Opcoes(app)) {
    *pagina += ".TP\n" + Titulo_Opcao(o) + "\n" + Roff(o->get_description()) + "\n";
  }
  for (CLI::App* sub : Subcomandos(app)) Secao_Comando(sub, pagina);
}

// The words completed after app's words: its subcommands and options.
std::string Palavras(CLI::App* app) {
  std::string palavras;
  for (CLI::App* sub : Subcomandos(app)) palavras += " " + sub->get_name();
  for (const CLI::Option* o : Opcoes(app)) {
    for (const std::string& s : o->get_snames()) palavras += " -" + s;
    for (const std::string& l : o->get_lnames()) palavras += " --" + l;
  }
  return palavras.empty() ? palavras : palavras.substr(1);
}

// One case of the completion's table per command: its words after the
// program's name, then the words that may follow them.
void Casos_Completacao(CLI::App* app, const std::string& caminho, std::string* casos,
                       std::string* comandos) {
  *casos += "    \"" + caminho + "\") palavras=\"" + Palavras(app) + "\"" +
            (Subcomandos(app).empty() ? "; arquivos=1" : "") + " ;;\n";
  if (!caminho.empty()) *comandos += (comandos->empty() ? "" : "|") + ("\"" + caminho + "\"");
  for (CLI::App* sub : Subcomandos(app)) {
    Casos_Completacao(sub, caminho.empty() ? sub->get_name() : caminho + " " + sub->get_name(),
                      casos, comandos);
  }
}

}  // namespace

std::string Pagina_Manual(CLI::App* app) {
  std::string pagina = ".TH ARQAUX 1 \"\" \"arqaux " ARQAUX_VERSION "\" \"User Commands\"\n";
  pagina += ".SH NAME\narqaux \\- " + Roff(app->get_description()) + "\n";
  pagina += ".SH SYNOPSIS\n.B arqaux\n[\\fIOPTIONS\\fR] \\fICOMMAND\\fR [\\fIARGS\\fR...]\n";
  pagina +=
      ".SH DESCRIPTION\nEach command reads or writes files of the building simulation; "
      "\\fBarqaux help\\fR \\fICOMMAND\\fR shows one command's help.\n";
  pagina += ".SH OPTIONS\n";
  for (const CLI::Option* o : Opcoes(app)) {
    pagina += ".TP\n" + Titulo_Opcao(o) + "\n" + Roff(o->get_description()) + "\n";
  }
  pagina += ".SH COMMANDS\n";
  for (CLI::App* sub : Subcomandos(app)) Secao_Comando(sub, &pagina);
  pagina +=
      ".SH EXIT STATUS\n0 when the command did its work, 1 when it failed (one line on "
      "standard error names the file), 2 when the command line was refused.\n";
  return pagina;
}

std::string Completacao_Bash(CLI::App* app) {
  std::string casos, comandos;
  Casos_Completacao(app, "", &casos, &comandos);
  return "# bash completion of arqaux, written from its command declarations.\n"
         "_arqaux() {\n"
         "  local atual=${COMP_WORDS[COMP_CWORD]} caminho=\"\" palavras=\"\" arquivos=0 i\n"
         "  for ((i = 1; i < COMP_CWORD; i++)); do\n"
         "    case \"${caminho:+$caminho }${COMP_WORDS[i]}\" in\n"
         "    " +
         comandos +
         ") caminho=\"${caminho:+$caminho }${COMP_WORDS[i]}\" ;;\n"
         "    esac\n"
         "  done\n"
         "  case \"$caminho\" in\n" +
         casos +
         "  esac\n"
         "  COMPREPLY=($(compgen -W \"$palavras\" -- \"$atual\"))\n"
         "  if [[ $arquivos == 1 && $atual != -* ]]; then\n"
         "    COMPREPLY+=($(compgen -f -- \"$atual\"))\n"
         "  fi\n"
         "}\n"
         "complete -o filenames -F _arqaux arqaux\n";
}
