// arqaux import: brings a public weather file in. "import epw FILE OUT_DIR"
// writes OUT_DIR/clima.bin (and OUT_DIR/solo.bin when the file gives ground
// temperatures) through the library's weather import, and says what it read.
#include <arqaux/arqaux.h>

#include <CLI/CLI.hpp>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "comandos/comandos.h"
#include "comum/erros.h"
#include "comum/verificacoes.h"
#include "saida/saida_segura.h"

namespace {

namespace fs = std::filesystem;

struct TImportacao {
  std::string epw;
  std::string pasta;
  bool forcar = false;
};

TResultado Importa(const TImportacao& i) {
  if (TResultado erro = Confere_Entrada(i.epw); !erro.Ok()) return erro;
  TPasta_Execucao execucao(i.pasta, {i.epw}, i.forcar);
  if (TResultado erro = execucao.Abre(); !erro.Ok()) return erro;
  const std::string clima = (fs::path(i.pasta) / "clima.bin").string();
  const std::string solo = (fs::path(i.pasta) / "solo.bin").string();
  for (const std::string* saida : {&clima, &solo}) {
    if (TResultado erro = Confere_Saida(*saida, i.epw); !erro.Ok()) return erro;
  }
  TClima_EPW c;
  const std::string preparo_clima = (fs::path(execucao.Preparo()) / "clima.bin").string();
  const std::string preparo_solo = (fs::path(execucao.Preparo()) / "solo.bin").string();
  if (!Geren_ArqAux()->Importa_EPW(i.epw.c_str(), preparo_clima.c_str(), preparo_solo.c_str(),
                                   &c)) {
    if (c.linha_erro == 0) return Falha("'%s': %s", i.epw.c_str(), c.erro.c_str());
    return Falha("'%s' line %d: %s", i.epw.c_str(), c.linha_erro, c.erro.c_str());
  }
  if (TResultado erro = execucao.Publica(); !erro.Ok()) return erro;
  std::printf("%s\n", clima.c_str());
  if (!c.solo.empty()) std::printf("%s\n", solo.c_str());
  const TCidade& h = c.cabecalho;
  std::printf("%s (%s): latitude %.4f, longitude %.4f, elevation %.1f m, UTC%+.1f h; %d hours\n",
              c.cidade.c_str(), c.regiao.c_str(), h.Latitude, h.Longitude, h.Altitude,
              h.Fuso_Horario, ARQAUX_HORAS_ANO);
  if (c.solo.empty()) {
    std::printf("no soil file: %s\n", c.sem_solo.c_str());
  } else {
    std::printf("soil at %.2f m\n", c.profundidade_solo);
  }
  if (c.preenchidos > 0) {
    std::fprintf(stderr, "arqaux: warning: %d missing values filled by interpolation\n",
                 c.preenchidos);
  }
  return {};
}

}  // namespace

void Declara_Import(CLI::App* app, TAcao* acao) {
  CLI::App* importa = app->add_subcommand("import", "bring a public weather file in");
  importa->require_subcommand(1);
  CLI::App* epw = importa->add_subcommand(
      "epw", "write the climate (and soil) file of an EPW weather file: OUT_DIR/clima.bin");
  auto i = std::make_shared<TImportacao>();
  epw->add_option("FILE", i->epw, "the .epw weather file")->required();
  epw->add_option("OUT_DIR", i->pasta, "directory of clima.bin and solo.bin")->required();
  epw->add_flag("--force", i->forcar,
                "write into OUT_DIR although it holds files arqaux did not write there (never "
                "replacing one)");
  epw->callback([i, acao] { *acao = [i] { return Relata(Importa(*i)); }; });
}
