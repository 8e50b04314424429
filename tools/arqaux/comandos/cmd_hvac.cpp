// "arqaux hvac": writes a sample HVAC system file, or loads one as a host
// does and says what it holds or where it stops.
#include <arqaux/arqaux.h>

#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>
#include <string>

#include "comandos/comandos.h"
#include "comum/erros.h"
#include "comum/verificacoes.h"
#include "hvac/sistema_hvac.h"
#include "saida/saida_segura.h"

namespace {

TResultado Exemplo(const std::string& caminho) {
  if (TResultado erro = Confere_Sem_Ligacao(caminho); !erro.Ok()) return erro;
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  const int n = geren->Abre_Arquivo(caminho.c_str(), "wb");
  if (n == 0) return Falha("cannot create %s", caminho.c_str());
  const bool ok = Grava_Sistema_Exemplo(geren);
  if (TResultado erro = Fecha_Gravado(geren, n, caminho); !erro.Ok()) return erro;
  if (!ok) return Perda(caminho);
  std::printf("%s: HVAC system written, 2 fan coils and 9 plant kinds\n", caminho.c_str());
  return {};
}

TResultado Verifica(const std::string& caminho) {
  if (TResultado erro = Confere_Entrada(caminho); !erro.Ok()) return erro;
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  const int n = geren->Abre_Arquivo(caminho.c_str(), "rb");
  if (n == 0) return Falha("cannot open '%s'", caminho.c_str());
  std::string resumo;
  const TResultado lido = Le_Sistema_HVAC(geren, n, &resumo);
  // Every reader leaves stream n current, where it stopped reading.
  FILE* arq = geren->ObtemArquivo();
  const long posicao = arq != nullptr ? std::ftell(arq) : -1;
  geren->Fecha_Arquivo(n);
  std::fputs(resumo.c_str(), stdout);
  std::fflush(stdout);
  if (!lido.Ok()) {
    return Falha("%s: %s: reading stopped at line %ld, byte %ld", caminho.c_str(),
                 lido.Mensagem().c_str(), Linha_Do_Byte(caminho, posicao), posicao);
  }
  std::printf("%s: whole system read, %ld bytes\n", caminho.c_str(), posicao);
  return {};
}

}  // namespace

void Declara_Hvac(CLI::App* app, TAcao* acao) {
  CLI::App* hvac = app->add_subcommand("hvac", "write or check an HVAC system file");
  hvac->require_subcommand(1);
  auto caminho = std::make_shared<std::string>();
  CLI::App* exemplo = hvac->add_subcommand("sample", "write a sample system file");
  exemplo->add_option("FILE", *caminho, "file written")->required();
  exemplo->callback([caminho, acao] { *acao = [caminho] { return Relata(Exemplo(*caminho)); }; });
  CLI::App* verifica =
      hvac->add_subcommand("check", "load a system file as a host would and summarise it");
  verifica->add_option("FILE", *caminho, "system file")->required();
  verifica->callback([caminho, acao] { *acao = [caminho] { return Relata(Verifica(*caminho)); }; });
}
