// arqaux report for the HVAC output streams: fan coils and each kind of
// primary equipment (Tipos_HVAC). A data stream is a text stream of one line per step;
// its report shows one variable. What the report needs (flags, components,
// variable, period, interval) comes from the options, and what they leave
// out from the description the sample writes beside the stream
// (descricao_hvac.h), so that "arqaux report KIND STREAM REPORT" alone
// reconverts any stream of the sample.
#include <arqaux/arqaux.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "comandos/comandos.h"
#include "comum/erros.h"
#include "comum/texto.h"
#include "comum/verificacoes.h"
#include "hvac/descricao_hvac.h"
#include "saida/conversao.h"

namespace {

// What the command line gives; empty texts and negative numbers were not
// given.
struct TPedido_HVAC {
  const TTipo_HVAC* tipo = nullptr;
  std::string dados, texto;
  std::string inicio, fim;
  int intervalo = -1;
  int variavel = -1;
  int selecionado = -1;
  int numero = -1;
  std::vector<int> flags;
  std::vector<TComponente_Descrito> componentes;
};

// The stream's description, or, when there is none, one that the options
// must fill whole.
TResultado Le_Descricao_Fluxo(const TPedido_HVAC& p, TDescricao* d) {
  bool existe = false;
  if (TResultado erro = Le_Descricao_Ao_Lado(p.dados, d, &existe, Le_Descricao_HVAC); !erro.Ok())
    return erro;
  if (!existe) {
    const bool completo = !p.flags.empty() && p.variavel >= 0 && !p.inicio.empty() &&
                          !p.fim.empty() && p.intervalo > 0;
    if (!completo) {
      return Falha(
          "'%s' has no description '%s': give --variable, --flags, --start, --end and "
          "--interval",
          p.dados.c_str(), Caminho_Descricao(p.dados).c_str());
    }
    *d = TDescricao();
    d->tipo = p.tipo->nome;
    return {};
  }
  if (d->tipo != p.tipo->nome) {
    return Falha("'%s' describes a %s stream, not %s", Caminho_Descricao(p.dados).c_str(),
                 d->tipo.c_str(), p.tipo->nome);
  }
  return {};
}

// The options over the description.
TResultado Aplica_Opcoes(const TPedido_HVAC& p, TDescricao* d, TRelatorio_Descrito* r) {
  if (!p.flags.empty()) d->flags = p.flags;
  if (!p.componentes.empty()) d->componentes = p.componentes;
  if (p.numero >= 0) d->numero = p.numero;
  if (p.intervalo > 0) d->intervalo = p.intervalo;
  if ((!p.inicio.empty() && !Le_Data(p.inicio, &d->inicio)) ||
      (!p.fim.empty() && !Le_Data(p.fim, &d->fim))) {
    return Falha_Uso("--start, --end: not a day DD/MM of the year and an hour HH from 0 to 23");
  }
  // The variable asked, with the selection the description gives it; else
  // the description's first.
  *r = p.variavel < 0 ? d->relatorios.front() : TRelatorio_Descrito{p.variavel, SEM_SELECIONADO};
  for (const TRelatorio_Descrito& descrito : d->relatorios) {
    if (p.variavel >= 0 && descrito.variavel == p.variavel) *r = descrito;
  }
  if (p.selecionado >= 0) r->selecionado = p.selecionado;
  const std::vector<int>& v = p.tipo->variaveis;
  if (std::find(v.begin(), v.end(), r->variavel) == v.end()) {
    return Falha_Uso("--variable: %d is not a variable of %s (%s)", r->variavel, p.tipo->nome,
                     Texto_Variaveis(*p.tipo).c_str());
  }
  const bool existe =
      std::any_of(d->componentes.begin(), d->componentes.end(),
                  [r](const TComponente_Descrito& c) { return c.tipo == r->selecionado; });
  if (r->selecionado != SEM_SELECIONADO && !existe) {
    return Falha_Uso("--selected: the fan coil has no component of type %d", r->selecionado);
  }
  return {};
}

TResultado Gera_Relatorio_HVAC(const TPedido_HVAC& p) {
  if (TResultado erro = Confere_Entrada(p.dados); !erro.Ok()) return erro;
  if (TResultado erro = Confere_Saida(p.texto, {p.dados, Caminho_Descricao(p.dados)}); !erro.Ok())
    return erro;
  TDescricao d;
  if (TResultado erro = Le_Descricao_Fluxo(p, &d); !erro.Ok()) return erro;
  TRelatorio_Descrito r;
  if (TResultado erro = Aplica_Opcoes(p, &d, &r); !erro.Ok()) return erro;
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  return Converte_Arquivo(p.dados, p.texto, 0, [&](int dados, int texto) {
    Converte_Saida_HVAC(geren, d, r, dados, texto);
  });
}

void Declara_Tipo_HVAC(CLI::App* sub, TPedido_HVAC* p) {
  sub->add_option("STREAM", p->dados, "the data stream")->required();
  sub->add_option("REPORT", p->texto, "the text report written")->required();
  const std::string variaveis = Texto_Variaveis(*p->tipo);
  sub->add_option("--variable", p->variavel, "variable reported: " + variaveis)
      ->check(CLI::Range(0, 99));
  const size_t n = static_cast<size_t>(p->tipo->flags);
  sub->add_option_function<std::string>(
         "--flags",
         [p, n](const std::string& texto) {
           TDescricao lida;
           if (!Le_Valor_Descrito("flags", texto, &lida) || lida.flags.size() != n) {
             throw CLI::ValidationError("--flags", "'" + texto + "' is not " + std::to_string(n) +
                                                       " flags of 0 or 1, separated by commas");
           }
           p->flags = lida.flags;
         },
         "the stream's monitoring flags")
      ->type_name("F,F,...");
  sub->add_option("--number", p->numero, "number in the report's title")
      ->check(CLI::Range(0, 9999));
  sub->add_option("--start", p->inicio, "first hour reported")->type_name("DD/MM/HH");
  sub->add_option("--end", p->fim, "last hour reported")->type_name("DD/MM/HH");
  sub->add_option("--interval", p->intervalo, "seconds between lines of the stream")
      ->check(CLI::Range(1, ARQAUX_HORAS_ANO * 3600));
  if (p->tipo->le != nullptr) return;
  sub->add_option_function<std::vector<std::string>>(
         "--component",
         [p](const std::vector<std::string>& textos) {
           for (const std::string& texto : textos) {
             TDescricao lida;
             if (!Le_Valor_Descrito("component", texto, &lida)) {
               throw CLI::ValidationError("--component",
                                          "'" + texto + "' is not a type 0 to 6, ':' and " +
                                              std::to_string(FLAGS_COMPONENTE) + " flags");
             }
             p->componentes.push_back(lida.componentes.front());
           }
         },
         "a component of the fan coil, in list order")
      ->type_name("TYPE:F,F,...");
  sub->add_option("--selected", p->selecionado, "type of the selected component")
      ->check(CLI::Range(0, TIPOS_COMPONENTE - 1));
}

}  // namespace

void Declara_Report_HVAC(CLI::App* relatorio, TAcao* acao) {
  for (const TTipo_HVAC& tipo : Tipos_HVAC()) {
    CLI::App* sub =
        relatorio->add_subcommand(tipo.nome, std::string(tipo.descricao) + " output stream");
    sub->footer(
        "What the options leave out is read from STREAM.desc, the description beside "
        "the stream.");
    auto p = std::make_shared<TPedido_HVAC>();
    p->tipo = &tipo;
    Declara_Tipo_HVAC(sub, p.get());
    sub->callback([p, acao] { *acao = [p] { return Relata(Gera_Relatorio_HVAC(*p)); }; });
  }
}
