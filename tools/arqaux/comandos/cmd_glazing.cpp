// "arqaux glazing check DIR": loads the glazing model table of a models
// directory model by model, as the host does, and computes the gas
// properties of each model whose gas file "Vitreous/<name>.txt" is present.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "catalogos/catalogos.h"
#include "comandos/comandos.h"
#include "comum/erros.h"
#include "comum/verificacoes.h"

namespace {

TResultado Confere_Pasta(const std::string& dir) {
  std::error_code ec;
  if (!std::filesystem::is_directory(dir, ec)) return Falha("'%s' is not a directory", dir.c_str());
  const bool ok = Confere_Vidros(dir, stdout);
  std::fflush(stdout);
  if (!ok) return Falha("%s: the glazing models or a gas file did not load whole", dir.c_str());
  return {};
}

}  // namespace

void Declara_Glazing(CLI::App* app, TAcao* acao) {
  CLI::App* vidros = app->add_subcommand("glazing", "check glazing models and their gas files");
  vidros->require_subcommand(1);
  auto pasta = std::make_shared<std::string>();
  CLI::App* confere = vidros->add_subcommand(
      "check", "load the model table of a models directory and the gas properties of its models");
  confere->add_option("DIR", *pasta, "models directory")->required();
  confere->callback([pasta, acao] { *acao = [pasta] { return Relata(Confere_Pasta(*pasta)); }; });
}
