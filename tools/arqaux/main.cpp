// arqaux: command-line front end of the file library.
#include <arqaux/arqaux.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "comandos.h"
#include "verificacoes.h"

namespace {

const char* const USO =
    "usage: arqaux COMMAND [ARGS]\n"
    "\n"
    "Reads and writes the files of the building simulation.\n"
    "\n"
    "commands:\n"
    "  sample [DIR]     simulate a sample year and write every result stream and report\n"
    "  report KIND ...  convert a result stream into its text report\n"
    "  climate ...      show climate, soil or interior-climate records; convert .ti text\n"
    "  config ...       check or write a project configuration file\n"
    "\n"
    "options:\n"
    "  --help       show this text\n"
    "  --version    show the library version\n";

struct Comando {
  const char* nome;
  int (*executa)(const std::vector<std::string>&);
};

const Comando COMANDOS[] = {
    {"sample", Comando_Sample},
    {"report", Comando_Report},
    {"climate", Comando_Climate},
    {"config", Comando_Config},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs(USO, stderr);
    return 2;
  }
  if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    std::fputs(USO, stdout);
    return Conclui(0);
  }
  if (std::strcmp(argv[1], "--version") == 0) {
    std::printf("arqaux %s\n", ARQAUX_VERSION);
    return Conclui(0);
  }
  for (const Comando& c : COMANDOS) {
    if (std::strcmp(argv[1], c.nome) == 0) {
      return Conclui(c.executa(std::vector<std::string>(argv + 2, argv + argc)));
    }
  }
  std::fprintf(stderr, "arqaux: unknown command '%s' (try --help)\n", argv[1]);
  return 2;
}
