// arqaux interface: the interface type of a project, with the sizes of the
// geometry files it comes from. It finds the project's data folder as the
// library does (comum/projeto.h) and puts the working directory back before
// it prints.
#include <arqaux/arqaux.h>

#include <CLI/CLI.hpp>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "comandos/comandos.h"
#include "comum/erros.h"
#include "comum/projeto.h"

namespace {

namespace fs = std::filesystem;

// "NAME: N bytes", or "NAME: missing".
std::string Tamanho(const std::string& nome) {
  const TArq arq(std::fopen(nome.c_str(), "rb"));
  if (!arq || std::fseek(arq.get(), 0, SEEK_END) != 0) return nome + ": missing";
  return nome + ": " + std::to_string(std::ftell(arq.get())) + " bytes";
}

TResultado Interface(const std::string& relativo) {
  std::error_code ec;
  const std::string caminho = fs::absolute(relativo, ec).string();
  if (relativo.empty() || ec) return Falha("'%s' names no file of a project", relativo.c_str());
  const size_t barra = caminho.find_last_of("\\/");
  const size_t inicio = barra == std::string::npos ? 0 : barra + 1;
  std::string projeto = caminho.substr(inicio);
  projeto = projeto.substr(0, projeto.rfind('.'));
  // Without its data folder a project has no interface type to tell.
  const fs::path pasta = Pasta_Do_Projeto(caminho.substr(0, inicio), projeto);
  if (!fs::is_directory(pasta, ec)) {
    return Falha("'%s' has no data folder '%s'", relativo.c_str(), pasta.c_str());
  }
  for (const std::string& nome : {"NEW" + projeto + ".geo", projeto + ".geo"}) {
    if (TResultado erro = Confere_Arquivo_Do_Projeto(pasta, nome); !erro.Ok()) return erro;
  }
  std::string novo = "NEW" + projeto + ".geo: missing", plano = projeto + ".geo: missing";
  bool tipo = false;
  {
    const TVolta_Dir volta;
    if (!volta.Valido()) return Falha("cannot keep the working directory");
    if (DLL_UTIL_Geren_Dir()->Muda_Custom_Dir(caminho.substr(0, inicio) + "\\#" + projeto)) {
      novo = Tamanho("NEW" + projeto + ".geo");
      plano = Tamanho(projeto + ".geo");
    }
    tipo = Geren_ArqAux()->Tipo_Interface_Projeto(caminho);
  }
  std::printf("%s\n%s\ninterface type: %s\n", novo.c_str(), plano.c_str(), tipo ? "true" : "false");
  return {};
}

}  // namespace

void Declara_Interface(CLI::App* app, TAcao* acao) {
  CLI::App* interface = app->add_subcommand(
      "interface", "the interface type of a project, from the sizes of its geometry files");
  auto caminho = std::make_shared<std::string>();
  interface->add_option("PATH", *caminho, "a file of the project, e.g. DIR/Casa.prj")->required();
  interface->callback(
      [caminho, acao] { *acao = [caminho] { return Relata(Interface(*caminho)); }; });
}
