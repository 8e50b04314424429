// arqaux report: converts an existing result stream into its text
// report, as the host does after a run. What the options leave out (period,
// interval, region, output reported, ATS or ACE) comes from the description
// beside the stream ("<stream>.desc"), which the sample writes, so that
// "arqaux report KIND STREAM REPORT" alone gives the sample's own report.
#include <arqaux/arqaux.h>
#include <arqaux/formatos.h>

#include <CLI/CLI.hpp>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "comandos/comandos.h"
#include "comum/erros.h"
#include "comum/texto.h"
#include "comum/verificacoes.h"
#include "hvac/descricao_hvac.h"
#include "saida/conversao.h"
#include "saida/saida_segura.h"

namespace {

// A sample longer than the year would never close a line of the report.
constexpr int kSegundosAno = ARQAUX_HORAS_ANO * 3600;

struct TGrupos {
  bool temperatura = false;
  bool umidade = false;
  bool conforto = false;
};

// "t,h,c" in any order and subset; an empty text is no group.
bool Le_Grupos(const std::string& texto, TGrupos* g) {
  *g = TGrupos();
  size_t i = 0;
  while (i < texto.size()) {
    size_t fim = texto.find(',', i);
    if (fim == std::string::npos) fim = texto.size();
    const std::string nome = texto.substr(i, fim - i);
    if (nome == "t") {
      g->temperatura = true;
    } else if (nome == "h") {
      g->umidade = true;
    } else if (nome == "c") {
      g->conforto = true;
    } else {
      return false;
    }
    i = fim + 1;
  }
  return true;
}

// What the command line asks for; a number left at its initial value was
// not given.
struct TPedido {
  std::string tipo, binario, texto;
  TTempo inicio, fim;
  bool inicio_dado = false, fim_dado = false;
  int intervalo = 0;
  // Groups held and shown; held from the stream's header unless --has gave
  // them, shown as held unless --show gave them.
  TGrupos tem, mostra;
  bool tem_dado = false, mostra_dado = false;
  bool ats = false, ace = false;
  int saidas = -1, indice = -1;
  // Surface streams: the region reported and the quantities held.
  int regiao = 0;
  bool sem_calor = false, sem_vapor = false;
};

// Whether a stream described as of kind descrito is reported by report tipo.
bool Do_Tipo(const std::string& tipo, const std::string& descrito) {
  return descrito == tipo || (tipo == "ats" && descrito == "ace");
}

// What the options leave out, from the stream's description. With no
// description, the first option missing is told as the parser tells a
// required one.
TResultado Completa_Pedido(TPedido* p) {
  TDescricao d;
  bool existe = false;
  if (TResultado erro = Le_Descricao_Ao_Lado(p->binario, &d, &existe, Le_Descricao_Geral);
      !erro.Ok()) {
    return erro;
  }
  const std::string caminho = Caminho_Descricao(p->binario);
  if (existe && !Do_Tipo(p->tipo, d.tipo)) {
    return Falha("'%s' describes a %s stream, not %s", caminho.c_str(), d.tipo.c_str(),
                 p->tipo.c_str());
  }
  auto falta = [&](const char* opcao, const char* chave) {
    if (!existe) {
      return Falha_Uso("%s is required", opcao);
    }
    return Falha("'%s' has no '%s' line: give %s", caminho.c_str(), chave, opcao);
  };
  if (!p->inicio_dado) {
    if (d.Linha("start") == 0) return falta("--start", "start");
    p->inicio = d.inicio;
  }
  if (!p->fim_dado) {
    if (d.Linha("end") == 0) return falta("--end", "end");
    p->fim = d.fim;
  }
  if (p->intervalo == 0) {
    if (d.Linha("interval") == 0) return falta("--interval", "interval");
    p->intervalo = d.intervalo;
  }
  if (p->tipo == "tupmv" && !p->mostra_dado && d.mostra.size() == 3) {
    p->mostra = {d.mostra[0] == 1, d.mostra[1] == 1, d.mostra[2] == 1};
    p->mostra_dado = true;
  }
  if (p->tipo == "ats" && !p->ats && !p->ace) p->ace = d.tipo == "ace";
  if (p->tipo == "flux" && !p->sem_calor && !p->sem_vapor && d.flags.size() == 2) {
    p->sem_calor = d.flags[0] == 0;
    p->sem_vapor = d.flags[1] == 0;
  }
  if ((p->tipo == "flux" || p->tipo == "mould") && p->regiao == 0) {
    if (d.Linha("region") == 0) return falta("--region", "region");
    p->regiao = d.regiao;
  }
  if (p->tipo != "sc") return {};
  // The count of outputs is the stream's own, which its first record holds.
  if (p->saidas < 0 && !existe) return falta("--outputs", "");
  if (p->indice < 0) {
    if (d.relatorios.empty()) return falta("--index", "variables");
    p->indice = d.relatorios.front().variavel;
  }
  return {};
}

// Up to n of the first bytes of caminho; how many arrived.
size_t Le_Inicio(const std::string& caminho, unsigned char* destino, size_t n) {
  FILE* arq = std::fopen(caminho.c_str(), "rb");
  if (arq == nullptr) return 0;
  const size_t lidos = std::fread(destino, 1, n, arq);
  std::fclose(arq);
  return lidos;
}

// The stream's header, and its first record's count of controller outputs.
constexpr size_t kBytesInicio = ARQAUX_TAM_CABECALHO_SAIDA_CONT + ARQAUX_TAM_VALOR_SAIDA_CONT;
static_assert(kBytesInicio >= ARQAUX_TAM_CABECALHO_TEMP_UMI, "the start holds every header");

// The header and record of a temperature-humidity stream: groups held from its
// header unless --has gave them.
TResultado Confere_Temp_Umi(TPedido* p, const unsigned char* inicio, size_t lidos) {
  const char* const nome = "a temperature-humidity stream";
  if (lidos >= ARQAUX_TAM_CABECALHO_TEMP_UMI) {
    const unsigned char* grupos = inicio + ARQAUX_POSICAO_FLAGS_TEMP_UMI;
    if (grupos[0] > 1 || grupos[1] > 1 || grupos[2] > 1) {
      return Falha("'%s' is not %s: its group flags are not 0 or 1", p->binario.c_str(), nome);
    }
    if (!p->tem_dado) {
      p->tem.temperatura = grupos[0] != 0;
      p->tem.umidade = grupos[1] != 0;
      p->tem.conforto = grupos[2] != 0;
    }
  }
  const int grupos = p->tem.temperatura + p->tem.umidade + p->tem.conforto;
  return Confere_Registros(p->binario, ARQAUX_TAM_CABECALHO_TEMP_UMI,
                           ARQAUX_TAM_GRUPO_TEMP_UMI * grupos, nome);
}

// A controller-output record holds its count of outputs first: the stream is
// read with --outputs, so the two must agree; without it, with that count.
TResultado Confere_Saida_Cont(TPedido* p, const unsigned char* inicio, size_t lidos) {
  const char* const nome = "a controller-output stream";
  if (lidos == kBytesInicio) {
    float contagem;
    std::memcpy(&contagem, inicio + ARQAUX_TAM_CABECALHO_SAIDA_CONT, sizeof contagem);
    const bool valida = contagem >= 0 && contagem <= TGeren_ArquivoAux::Max_Saidas_Cont;
    if (p->saidas < 0 && valida) p->saidas = static_cast<int>(contagem);
    if (!(std::trunc(contagem) == p->saidas)) {
      if (p->saidas < 0) {
        return Falha("'%s' is not %s: its record holds %g outputs", p->binario.c_str(), nome,
                     contagem);
      }
      return Falha("'%s' holds %g outputs per record, not %d (--outputs)", p->binario.c_str(),
                   contagem, p->saidas);
    }
  }
  if (p->saidas < 0) return Falha("'%s' is not %s: it holds no record", p->binario.c_str(), nome);
  if (p->indice > p->saidas) {
    return Falha_Uso("--index: %d is not an output number from 0 to %d", p->indice, p->saidas);
  }
  const uintmax_t registro = ARQAUX_TAM_VALOR_SAIDA_CONT * (static_cast<uintmax_t>(p->saidas) + 1);
  return Confere_Registros(p->binario, ARQAUX_TAM_CABECALHO_SAIDA_CONT, registro, nome);
}

// A surface stream: N and N areas, then per step N records of 4 bytes per
// value held; the region asked must be one of the N.
TResultado Confere_Superficies(const TPedido& p, const unsigned char* inicio, size_t lidos) {
  const char* const nome = p.tipo == "flux" ? "a heat-vapour flux stream" : "a mould stream";
  int32_t n = 0;
  if (lidos >= sizeof n) std::memcpy(&n, inicio, sizeof n);
  if (n < 1) return Falha("'%s' is not %s: it holds no surface", p.binario.c_str(), nome);
  if (p.regiao > n) {
    return Falha_Uso("--region: %d is not a region from 1 to %d of '%s'", p.regiao, n,
                     p.binario.c_str());
  }
  const int valores = p.tipo == "flux" ? 2 * !p.sem_calor + !p.sem_vapor : 1;
  const uintmax_t cabecalho = 4 * (static_cast<uintmax_t>(n) + 1);
  return Confere_Registros(p.binario, cabecalho, 4 * static_cast<uintmax_t>(valores) * n, nome);
}

// Refuses a binary stream that is not of the kind asked, or that is the
// report's own file; *cabecalho gets the size of its header.
TResultado Confere_Fluxo(TPedido* p, uintmax_t* cabecalho) {
  if (TResultado erro = Confere_Entrada(p->binario); !erro.Ok()) return erro;
  if (TResultado erro = Confere_Saida(p->texto, {p->binario, Caminho_Descricao(p->binario)});
      !erro.Ok())
    return erro;
  unsigned char inicio[kBytesInicio] = {};
  const size_t lidos = Le_Inicio(p->binario, inicio, sizeof inicio);
  *cabecalho = 0;
  if (p->tipo == "tupmv") {
    *cabecalho = ARQAUX_TAM_CABECALHO_TEMP_UMI;
    return Confere_Temp_Umi(p, inicio, lidos);
  }
  if (p->tipo == "sc") {
    *cabecalho = ARQAUX_TAM_CABECALHO_SAIDA_CONT;
    return Confere_Saida_Cont(p, inicio, lidos);
  }
  if (p->tipo == "flux" || p->tipo == "mould") return Confere_Superficies(*p, inicio, lidos);
  if (p->tipo == "ats")
    return Confere_Registros(p->binario, 0, ARQAUX_TAM_REGISTRO_ATS_ACE, "an ATS/ACE stream");
  if (p->tipo == "acs") {
    return Confere_Registros(p->binario, 0, ARQAUX_TAM_REGISTRO_ACS,
                             "an operative-temperature stream");
  }
  if (p->tipo == "occupancy") {
    return Confere_Registros(p->binario, 0, ARQAUX_TAM_REGISTRO_PESSOAS, "an occupancy stream");
  }
  return Confere_Registros(p->binario, 0, ARQAUX_TAM_REGISTRO_PV, "a photovoltaic stream");
}

// Checks what the parser cannot: the controller output asked must be one
// the stream holds, and the stream must be of the kind asked.
TResultado Confere_Pedido(TPedido* p, uintmax_t* cabecalho) {
  if (TResultado erro = Completa_Pedido(p); !erro.Ok()) return erro;
  if (p->saidas >= 0 && p->indice > p->saidas) {
    return Falha_Uso("--index: %d is not an output number from 0 to %d (--outputs)", p->indice,
                     p->saidas);
  }
  if (TResultado erro = Confere_Fluxo(p, cabecalho); !erro.Ok()) return erro;
  if (!p->mostra_dado) p->mostra = p->tem;
  return {};
}

void Converte(const TPedido& p, int binario, int texto) {
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  TTempo inicio = p.inicio, fim = p.fim;
  if (p.tipo == "tupmv") {
    geren->Converte_Binario_Texto_TUPMV(binario, texto, p.tem.temperatura, p.tem.umidade,
                                        p.tem.conforto, p.mostra.temperatura, p.mostra.umidade,
                                        p.mostra.conforto, &inicio, &fim, p.intervalo);
  } else if (p.tipo == "ats") {
    geren->Converte_Binario_Texto_ATS_ACE(binario, texto, true, !p.ace, &inicio, &fim, p.intervalo);
  } else if (p.tipo == "acs") {
    geren->Converte_Binario_Texto_ACS(binario, texto, &inicio, &fim, p.intervalo);
  } else if (p.tipo == "mould") {
    geren->Converte_Binario_Texto_Mofo(binario, texto, p.regiao, true, &inicio, &fim, p.intervalo);
  } else if (p.tipo == "pv") {
    geren->Converte_Binario_Texto_PV(binario, texto, true, &inicio, &fim, p.intervalo);
  } else if (p.tipo == "occupancy") {
    geren->Converte_Binario_Texto_Pessoas(binario, texto, &inicio, &fim, p.intervalo);
  } else {
    geren->Converte_Binario_Texto_SC(binario, texto, &inicio, &fim, p.intervalo, p.saidas,
                                     p.indice);
  }
}

// The flux conversion opens its source and its two reports itself, under
// the prefix given as the report.
TResultado Converte_Fluxos(const TPedido& p) {
  for (const char* sufixo : {"FLW.txt", "MTR.txt"}) {
    if (TResultado erro =
            Confere_Saida(p.texto + sufixo, {p.binario, Caminho_Descricao(p.binario)});
        !erro.Ok()) {
      return erro;
    }
  }
  std::string origem = p.binario, prefixo = p.texto;
  TTempo inicio = p.inicio, fim = p.fim;
  if (!Geren_ArqAux()->Converte_Binario_Texto_FluxosCV(origem.data(), prefixo.data(), p.regiao,
                                                       !p.sem_calor, !p.sem_vapor, &inicio, &fim,
                                                       p.intervalo)) {
    return Falha("cannot convert '%s' into '%sFLW.txt' and '%sMTR.txt'", p.binario.c_str(),
                 p.texto.c_str(), p.texto.c_str());
  }
  return {};
}

TResultado Gera_Relatorio(TPedido p) {
  uintmax_t cabecalho = 0;
  if (TResultado erro = Confere_Pedido(&p, &cabecalho); !erro.Ok()) return erro;
  if (p.tipo == "flux") return Converte_Fluxos(p);
  return Converte_Arquivo(p.binario, p.texto, cabecalho,
                          [&p](int binario, int texto) { Converte(p, binario, texto); });
}

// An option whose text ler reads into *destino; a text it refuses is an
// error naming the option and what was expected. *dado, when given, tells
// that the option was.
template <typename T>
CLI::Option* Declara_Lida(CLI::App* sub, const std::string& nome,
                          bool (*ler)(const std::string&, T*), T* destino, bool* dado,
                          const std::string& esperado, const char* descricao) {
  auto leitura = [=](const std::string& texto) {
    if (!ler(texto, destino)) {
      throw CLI::ValidationError(nome, "'" + texto + "' is not " + esperado);
    }
    if (dado != nullptr) *dado = true;
  };
  return sub->add_option_function<std::string>(nome, leitura, descricao);
}

// The options of one kind of report, the kind's own after those they all share.
void Declara_Tipo(CLI::App* sub, TPedido* p) {
  sub->add_option("BINARY", p->binario, "the result stream")->required();
  sub->add_option(p->tipo == "flux" ? "PREFIX" : "REPORT", p->texto,
                  p->tipo == "flux" ? "the reports written: PREFIXFLW.txt and PREFIXMTR.txt"
                                    : "the text report written")
      ->required();
  const char* const data = "a day DD/MM of the year and an hour HH from 0 to 23";
  Declara_Lida(sub, "--start", Le_Data, &p->inicio, &p->inicio_dado, data, "first hour reported")
      ->type_name("DD/MM/HH");
  Declara_Lida(sub, "--end", Le_Data, &p->fim, &p->fim_dado, data, "last hour reported")
      ->type_name("DD/MM/HH");
  sub->add_option("--interval", p->intervalo, "seconds between samples of the stream")
      ->check(CLI::Range(1, kSegundosAno));
  if (p->tipo == "tupmv") {
    const char* const grupos = "a list of groups among t, h and c";
    Declara_Lida(sub, "--has", Le_Grupos, &p->tem, &p->tem_dado, grupos,
                 "groups the stream holds (default: its header)")
        ->type_name("t,h,c");
    Declara_Lida(sub, "--show", Le_Grupos, &p->mostra, &p->mostra_dado, grupos,
                 "groups reported (default: all held)")
        ->type_name("t,h,c");
  } else if (p->tipo == "ats") {
    CLI::Option* ats = sub->add_flag("--ats", p->ats, "report ATS (the default)");
    sub->add_flag("--ace", p->ace, "report ACE")->excludes(ats);
  } else if (p->tipo == "flux" || p->tipo == "mould") {
    sub->add_option("--region", p->regiao, "region reported, from 1")
        ->check(CLI::Range(1, INT_MAX));
    if (p->tipo == "flux") {
      sub->add_flag("--no-heat", p->sem_calor, "the stream holds no heat pair");
      sub->add_flag("--no-vapour", p->sem_vapor, "the stream holds no vapour flux");
    }
  } else if (p->tipo == "sc") {
    const int maximo = TGeren_ArquivoAux::Max_Saidas_Cont;
    sub->add_option("--outputs", p->saidas, "controller outputs per record")
        ->check(CLI::Range(0, maximo));
    sub->add_option("--index", p->indice, "output reported, from 0 to --outputs")
        ->check(CLI::Range(0, maximo));
  }
}

}  // namespace

void Declara_Report(CLI::App* app, TAcao* acao) {
  CLI::App* relatorio =
      app->add_subcommand("report", "convert a result stream into its text report");
  relatorio->require_subcommand(1);
  const struct {
    const char* tipo;
    const char* descricao;
  } tipos[] = {
      {"tupmv", "temperature, humidity and comfort"},
      {"ats", "ATS or ACE"},
      {"acs", "operative and exterior temperature"},
      {"pv", "photovoltaic"},
      {"sc", "controller outputs"},
      {"flux", "heat-vapour flux (and daily moisture)"},
      {"mould", "mould growth"},
      {"occupancy", "occupancy"},
  };
  for (const auto& t : tipos) {
    CLI::App* sub = relatorio->add_subcommand(t.tipo, std::string(t.descricao) + " stream");
    auto p = std::make_shared<TPedido>();
    p->tipo = t.tipo;
    Declara_Tipo(sub, p.get());
    sub->footer(
        "What the options leave out is read from BINARY.desc, the description beside the "
        "stream.");
    sub->callback([p, acao] { *acao = [p] { return Relata(Gera_Relatorio(*p)); }; });
  }
  Declara_Report_HVAC(relatorio, acao);
}
