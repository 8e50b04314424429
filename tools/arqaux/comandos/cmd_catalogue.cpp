// "arqaux catalogue": writes a models directory holding a sample of every
// catalogue and reference-table kind, loads one file of a kind as the
// library's loaders do and reads it again strictly to judge it whole, and
// lists the kinds.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "catalogos/catalogos.h"
#include "comandos/comandos.h"
#include "comum/erros.h"
#include "comum/verificacoes.h"
#include "saida/saida_segura.h"

namespace {

namespace fs = std::filesystem;

int Lista_Tipos() {
  for (const TTipo_Catalogo& t : Tipos_Catalogo()) {
    std::printf("%-16s %-36s %s\n", t.nome, t.arquivo, t.descricao);
  }
  return 0;
}

// The files are written in the run's private folder and moved into pasta
// once all are whole.
TResultado Escreve_Amostras(const std::string& pasta, bool forcar) {
  TPasta_Execucao execucao(pasta, {}, forcar);
  if (TResultado erro = execucao.Abre(); !erro.Ok()) return erro;
  for (const TTipo_Catalogo& t : Tipos_Catalogo()) {
    const fs::path caminho = fs::path(execucao.Preparo()) / fs::path(t.arquivo);
    std::error_code ec;
    fs::create_directories(caminho.parent_path(), ec);
    if (ec) return Falha("cannot create directory '%s'", caminho.parent_path().c_str());
    if (!t.escreve_amostra(caminho.string())) return Perda((fs::path(pasta) / t.arquivo).string());
  }
  if (TResultado erro = execucao.Publica(); !erro.Ok()) return erro;
  for (const TTipo_Catalogo& t : Tipos_Catalogo()) {
    std::printf("%-16s %s\n", t.nome, (fs::path(pasta) / fs::path(t.arquivo)).c_str());
  }
  return {};
}

TResultado Confere(const std::string& caminho, const std::string& tipo) {
  if (TResultado erro = Confere_Entrada(caminho); !erro.Ok()) return erro;
  const TTipo_Catalogo* t = Procura_Tipo_Catalogo(tipo);
  long parada = -1;
  const bool ok = Confere_Catalogo(*t, caminho, stdout, &parada);
  std::fflush(stdout);
  if (!ok && !Falha_Externa().Ok()) return Falha_Externa();
  if (!ok && parada < 0) return Falha("%s: not a whole %s file", caminho.c_str(), t->nome);
  if (!ok) {
    return Falha("%s: loading stopped at line %ld, byte %ld", caminho.c_str(),
                 Linha_Do_Byte(caminho, parada), parada);
  }
  std::printf("%s: whole %s file loaded\n", caminho.c_str(), t->nome);
  return {};
}

}  // namespace

void Declara_Catalogue(CLI::App* app, TAcao* acao) {
  CLI::App* catalogo =
      app->add_subcommand("catalogue", "write, check or list catalogue and reference-table files");
  catalogo->require_subcommand(1);
  std::vector<std::string> nomes;
  for (const TTipo_Catalogo& t : Tipos_Catalogo()) nomes.push_back(t.nome);

  CLI::App* tipos = catalogo->add_subcommand("kinds", "list the kinds and what each file holds");
  tipos->callback([acao] { *acao = Lista_Tipos; });

  auto pasta = std::make_shared<std::string>();
  auto forcar = std::make_shared<bool>(false);
  CLI::App* amostra =
      catalogo->add_subcommand("sample", "write a models directory with a file of every kind");
  amostra->add_option("DIR", *pasta, "models directory written")->required();
  amostra->add_flag("--force", *forcar,
                    "write into DIR although it holds files arqaux did not write there (never "
                    "replacing one)");
  amostra->callback([pasta, forcar, acao] {
    *acao = [pasta, forcar] { return Relata(Escreve_Amostras(*pasta, *forcar)); };
  });

  auto arquivo = std::make_shared<std::string>();
  auto tipo = std::make_shared<std::string>();
  CLI::App* confere =
      catalogo->add_subcommand("check", "load a file of a kind and print its records");
  confere->add_option("FILE", *arquivo, "file loaded")->required();
  confere->add_option("--kind", *tipo, "kind of the file (see 'catalogue kinds')")
      ->required()
      ->check(CLI::IsMember(nomes));
  confere->callback([arquivo, tipo, acao] {
    *acao = [arquivo, tipo] { return Relata(Confere(*arquivo, *tipo)); };
  });
}
