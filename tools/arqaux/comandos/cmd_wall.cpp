// arqaux wall show: prints the node values of one region of a wall results
// file, at one step, as the library writes a profile. The regions and groups
// the options leave out come from the description beside the file.
#include <arqaux/arqaux.h>
#include <arqaux/dados.h>

#include <CLI/CLI.hpp>
#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "comandos/comandos.h"
#include "comum/erros.h"
#include "comum/texto.h"
#include "comum/verificacoes.h"
#include "hvac/descricao_hvac.h"

namespace {

// Most nodes a region may have; no wall is divided further.
constexpr int kMaxElementos = 10000;

struct TPedido_Parede {
  std::string arquivo;
  std::vector<int> elementos;
  int regiao = 1;
  int passo = 0;
  bool grupos[3] = {true, true, true};
  bool grupos_dados = false;
};

// The regions and groups the options leave out, from the file's
// description.
TResultado Completa_Pedido(TPedido_Parede* p) {
  TDescricao d;
  bool existe = false;
  if (TResultado erro = Le_Descricao_Ao_Lado(p->arquivo, &d, &existe, Le_Descricao_Geral);
      !erro.Ok()) {
    return erro;
  }
  if (p->elementos.empty()) {
    if (!existe) {
      return Falha_Uso("--regions is required");
    }
    if (d.regioes.empty()) {
      return Falha("'%s' has no 'regions' line: give --regions",
                   Caminho_Descricao(p->arquivo).c_str());
    }
    p->elementos = d.regioes;
  }
  if (!p->grupos_dados && !d.grupos.empty()) {
    for (int k = 0; k < 3; ++k) p->grupos[k] = false;
    for (int g : d.grupos) p->grupos[g - 1] = true;
  }
  return {};
}

// "1,2,3" in any order and subset: the groups the file holds.
bool Le_Grupos_Parede(const std::string& texto, bool (*grupos)[3]) {
  bool lidos[3] = {false, false, false};
  size_t i = 0;
  while (i <= texto.size()) {
    size_t fim = texto.find(',', i);
    if (fim == std::string::npos) fim = texto.size();
    int g = 0;
    if (!Le_Inteiro(texto.substr(i, fim - i), &g) || g < 1 || g > 3) return false;
    lidos[g - 1] = true;
    i = fim + 1;
  }
  for (int k = 0; k < 3; ++k) (*grupos)[k] = lidos[k];
  return true;
}

int Mostra(TPedido_Parede p) {
  if (int erro = Relata(Completa_Pedido(&p))) return erro;
  if (int erro = Relata(Confere_Entrada(p.arquivo))) return erro;
  if (p.regiao > static_cast<int>(p.elementos.size())) {
    return Relata(Falha_Uso("--region: %d is not a region from 1 to %zu (--regions)", p.regiao,
                            p.elementos.size()));
  }
  const std::string falha = Confere_Parede(p.arquivo, p.elementos, p.grupos);
  if (!falha.empty()) return Erro("%s", falha.c_str());
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  const int n = geren->Abre_Arquivo(p.arquivo.c_str(), "rb");
  if (n == 0) return Erro("cannot open '%s'", p.arquivo.c_str());
  const int nos = p.elementos[p.regiao - 1] + 1;
  std::vector<float> v[4];
  for (auto& b : v) b.resize(static_cast<size_t>(nos));
  std::vector<int> elementos = p.elementos;
  if (!geren->Le_Temp_Umi_Parede(n, elementos.data(), static_cast<int>(elementos.size()), p.regiao,
                                 p.passo, p.grupos[0], v[0].data(), p.grupos[1], v[1].data(),
                                 v[2].data(), p.grupos[2], v[3].data())) {
    geren->Fecha_Todos();
    return Erro("'%s' has no region %d at step %d: not a wall results file of these regions",
                p.arquivo.c_str(), p.regiao, p.passo);
  }
  const int saida = geren->Abre_Arquivo("/dev/stdout", "wt");
  std::string rotulo = "Regiao " + std::to_string(p.regiao) + " - passo " + std::to_string(p.passo);
  const bool ok =
      saida != 0 && geren->Grava_Temp_Umi_Parede_Texto(saida, nos - 1, v[0].data(), v[1].data(),
                                                       rotulo.data(), p.grupos[0], p.grupos[1],
                                                       v[2].data(), p.grupos[2], v[3].data());
  const int erro = saida != 0 ? Relata(Fecha_Gravado(geren, saida, "standard output")) : 1;
  geren->Fecha_Todos();
  return ok ? erro : Erro("cannot write to standard output");
}

}  // namespace

void Declara_Wall(CLI::App* app, TAcao* acao) {
  CLI::App* parede = app->add_subcommand("wall", "wall node results files");
  parede->require_subcommand(1);
  CLI::App* sub = parede->add_subcommand("show", "print one region's nodes at one step");
  auto p = std::make_shared<TPedido_Parede>();
  sub->add_option("FILE", p->arquivo, "the wall results file")->required();
  sub->add_option("--regions", p->elementos, "elements of each region, in order")
      ->delimiter(',')
      ->check(CLI::Range(0, kMaxElementos));
  sub->add_option("--region", p->regiao, "region shown, from 1")
      ->capture_default_str()
      ->check(CLI::Range(1, INT_MAX));
  sub->add_option("--step", p->passo, "step shown, from 0")
      ->capture_default_str()
      ->check(CLI::Range(0, INT_MAX));
  sub->add_option_function<std::string>(
         "--groups",
         [p](const std::string& texto) {
           if (!Le_Grupos_Parede(texto, &p->grupos)) {
             throw CLI::ValidationError("--groups", "'" + texto + "' is not a list of 1, 2, 3");
           }
           p->grupos_dados = true;
         },
         "groups the file holds: 1 temperature, 2 humidity pair, 3 fourth value (default: "
         "the description's, else all)")
      ->type_name("1,2,3");
  sub->footer(
      "What the options leave out is read from FILE.desc, the description beside the file.");
  sub->callback([p, acao] { *acao = [p] { return Mostra(*p); }; });
}
