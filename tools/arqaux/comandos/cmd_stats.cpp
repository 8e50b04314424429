// arqaux stats: shows a saved statistics file readably, or rewrites the
// annual or monthly report of a saved load or gain statistics file.
//
// A file is checked by its size before it is read (a count and whole
// records; the annual record first for loads and gains), then loaded with
// the library's loader, which must read every record its count promises.
#include <arqaux/arqaux.h>
#include <arqaux/formatos.h>

#include <CLI/CLI.hpp>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include "comandos/comandos.h"
#include "comum/erros.h"
#include "comum/verificacoes.h"
#include "saida/saida_segura.h"

namespace {

using G = TGeren_ArquivoAux;

const char* const kMeses[12] = {"January",   "February", "March",    "April",
                                "May",       "June",     "July",     "August",
                                "September", "October",  "November", "December"};

// "Month" for month m (1 to 12), else "month m".
std::string Mes(int m) { return m >= 1 && m <= 12 ? kMeses[m - 1] : "month " + std::to_string(m); }

// "DD/MM HH:MM:SS", as the library's clock formats it.
std::string Momento(const TTempo& t) {
  TTempo c = t;
  char data[8], hora[12];
  DLL_UTIL_Geren_Tempo()->R_Data_Formatada(data, &c);
  DLL_UTIL_Geren_Tempo()->R_Hora_Formatada(hora, &c);
  return std::string(data) + " " + hora;
}

// ---- Demand, HVAC demand and monthly statistics ----

const char* const kDemanda[8] = {"heating demand (kWh)",
                                 "cooling demand (kWh)",
                                 "heating consumption (kWh)",
                                 "cooling consumption (kWh)",
                                 "lighting (kWh)",
                                 "equipment (kWh)",
                                 "fans (kWh)",
                                 "total consumption (kWh)"};
const char* const kDemandaHvac[12] = {"cooling demand (kWh)",  "heating demand (kWh)",
                                      "chillers (kWh)",        "cooling towers (kWh)",
                                      "boilers (kWh)",         "chilled-water pumps (kWh)",
                                      "hot-water pumps (kWh)", "condenser-water pumps (kWh)",
                                      "fan-coil fans (kWh)",   "heaters (kWh)",
                                      "humidifiers (kWh)",     "total consumption (kWh)"};

template <class T, size_t N>
void Mostra_Demanda(int k, const T& r, const char* const (&nomes)[N]) {
  std::printf("[%s] (%d, from %s)\n", Mes(r.Mes.Mes).c_str(), k, Momento(r.Mes).c_str());
  for (size_t i = 0; i < N; ++i) std::printf("  %-30s %12.2f\n", nomes[i], r.Valores[i]);
}

// A group of a monthly statistics record: its values, named; the first two
// are a maximum and a minimum, shown with their moments.
template <size_t N>
void Mostra_Grupo(const char* titulo, const float (&v)[N], const TTempo* momentos,
                  const char* const (&nomes)[N]) {
  std::printf("  %s\n", titulo);
  for (size_t i = 0; i < N; ++i) {
    std::printf("    %-28s %12.2f", nomes[i], v[i]);
    if (i < 2) std::printf("  at %s", Momento(momentos[i]).c_str());
    std::printf("\n");
  }
}

void Mostra_Estatistica(int k, const TEstatistica_Mensal& r) {
  static const char* const kMaxMin[2] = {"maximum", "minimum"};
  static const char* const kAquec[6] = {"maximum (W)",  "minimum (W)",       "mean (W)",
                                        "energy (kWh)", "consumption (kWh)", "hours on"};
  static const char* const kConforto[7] = {"PMV maximum",    "PMV minimum",    "mean PPD (%)",
                                           "hours too cold", "hours too warm", "hours comfortable",
                                           "comfortable (%)"};
  static const char* const kOperativa[3] = {"maximum", "minimum", "mean"};
  std::printf("[%s] (%d)\n", Mes(r.Momentos_Temperatura[0].Mes).c_str(), k);
  Mostra_Grupo("air temperature (degC)", r.Temperatura, r.Momentos_Temperatura, kMaxMin);
  Mostra_Grupo("relative humidity (%)", r.Umidade, r.Momentos_Umidade, kMaxMin);
  Mostra_Grupo("heating load", r.Aquecimento, r.Momentos_Aquecimento, kAquec);
  Mostra_Grupo("cooling load (W)", r.Resfriamento, r.Momentos_Resfriamento, kMaxMin);
  Mostra_Grupo("comfort", r.Conforto, r.Momentos_Conforto, kConforto);
  Mostra_Grupo("operative temperature (degC)", r.Operativa, r.Momentos_Operativa, kOperativa);
}

// ---- Load and gain statistics ----

const char* const kQuantidades[3] = {"total", "sensible", "latent"};

// One block: its total, sensible and latent values, and a moment.
void Mostra_Bloco(const std::string& nome, const float* v, const TTempo* momento = nullptr) {
  std::printf("    %-34s total %10.2f  sensible %10.2f  latent %10.2f", nome.c_str(), v[0], v[1],
              v[2]);
  if (momento != nullptr) std::printf("  at %s", Momento(*momento).c_str());
  std::printf("\n");
}

// Where a record keeps, for quantity q, its maximum and minimum blocks and
// moments, given as the index of each (in the record's documented order).
struct TOrdem {
  int max, min, t_max, t_min;  // of quantity 0; quantity q adds q * passo
  int passo;
};
constexpr TOrdem kAnual = {1, 0, 0, 1, 2};          // T min, T max, S min, ...; T max, T min, ...
constexpr TOrdem kCargaMensal = {3, 0, 3, 0, 1};    // T min, S min, L min, T max, ...
constexpr TOrdem kGanhoMensal = {0, 3, 3, 0, 1};    // T max, S max, ...; moments T min, S min, ...
constexpr TOrdem kMediasAnuais = {0, 1, 0, 0, 2};   // T max, T min, S max, S min, ...
constexpr TOrdem kMediasMensais = {0, 3, 0, 0, 1};  // T max, S max, L max, T min, ...

// The extremes of each quantity with their moments, the means of daily
// (and monthly) extremes and the means. valores gives a block's values.
template <class B, class F>
void Mostra_Estatisticas(const B* extremos, const TTempo* momentos, TOrdem o, const B* diarias,
                         const B* mensais, TOrdem om, const B* medias, F valores) {
  for (int q = 0; q < 3; ++q) {
    const std::string nome = kQuantidades[q];
    Mostra_Bloco(nome + " maximum", valores(extremos[o.max + q * o.passo]),
                 &momentos[o.t_max + q * o.passo]);
    Mostra_Bloco(nome + " minimum", valores(extremos[o.min + q * o.passo]),
                 &momentos[o.t_min + q * o.passo]);
    Mostra_Bloco(nome + " mean of daily maxima", valores(diarias[om.max + q * om.passo]));
    Mostra_Bloco(nome + " mean of daily minima", valores(diarias[om.min + q * om.passo]));
    if (mensais != nullptr) {
      Mostra_Bloco(nome + " mean of monthly maxima", valores(mensais[om.max + q * om.passo]));
      Mostra_Bloco(nome + " mean of monthly minima", valores(mensais[om.min + q * om.passo]));
    }
  }
  Mostra_Bloco("mean", valores(medias[0]));
}

const char* const kEstacoes[2] = {"winter", "summer"};

void Mostra_Cargas(const TCarga_Termica_Anual& a, TLista<TCarga_Termica_Mensal>& meses, short f1,
                   short f2) {
  std::printf("flags: %d %d\n[year]\n", f1, f2);
  for (int e = 0; e < 2; ++e) {
    std::printf("  %s\n", kEstacoes[e]);
    const auto v = [e](const TCarga_Termica& b) { return e == 0 ? b.Inverno : b.Verao; };
    Mostra_Estatisticas(a.Extremos[e].Blocos, a.Extremos[e].Momentos, kAnual, a.Medias_Diarias[e],
                        a.Medias_Mensais[e], kMediasAnuais, a.Medias[e], v);
  }
  for (int m = 1; m <= meses.Numero_Elementos(); ++m) {
    const TCarga_Termica_Mensal& r = *meses.R_No(m)->R_Dado();
    std::printf("[%s]\n", Mes(m).c_str());
    for (int e = 0; e < 2; ++e) {
      std::printf("  %s\n", kEstacoes[e]);
      const auto v = [e](const TCarga_Termica& b) { return e == 0 ? b.Inverno : b.Verao; };
      Mostra_Estatisticas(r.Extremos[e].Blocos, r.Extremos[e].Momentos, kCargaMensal,
                          r.Medias_Diarias[e], static_cast<const TCarga_Termica*>(nullptr),
                          kMediasMensais, r.Medias[e], v);
    }
  }
}

void Mostra_Ganhos(const TGanho_Termico_Anual& a, TLista<TGanho_Termico_Mensal>& meses) {
  const auto v = [](const TGanho_Termico& b) { return b.Valores; };
  std::printf("[year]\n");
  Mostra_Estatisticas(a.Extremos, a.Momentos, kAnual, a.Medias_Diarias, a.Medias_Mensais,
                      kMediasAnuais, a.Medias, v);
  for (int m = 1; m <= meses.Numero_Elementos(); ++m) {
    const TGanho_Termico_Mensal& r = *meses.R_No(m)->R_Dado();
    std::printf("[%s]\n", Mes(m).c_str());
    Mostra_Estatisticas(r.Extremos, r.Momentos, kGanhoMensal, r.Medias_Diarias,
                        static_cast<const TGanho_Termico*>(nullptr), kMediasMensais, r.Medias, v);
  }
}

// ---- Loading ----

// The file kinds: the bytes before the records and the record size.
struct TTipo {
  const char* nome;
  const char* descricao;
  uintmax_t cabecalho, registro;
};
const std::map<std::string, TTipo> kTipos = {
    {"demand",
     {"demand", "a monthly demand file", ARQAUX_TAM_CONTAGEM, ARQAUX_TAM_DEMANDA_CONSUMO}},
    {"hvac-demand",
     {"hvac-demand", "an HVAC demand file", ARQAUX_TAM_CONTAGEM, ARQAUX_TAM_DEMANDA_CONSUMO_HVAC}},
    {"monthly",
     {"monthly", "a monthly statistics file", ARQAUX_TAM_CONTAGEM, ARQAUX_TAM_ESTATISTICA_MENSAL}},
    {"loads",
     {"loads", "a load statistics file",
      ARQAUX_TAM_FLAGS_CARGAS + ARQAUX_TAM_CARGA_TERMICA_ANUAL + ARQAUX_TAM_CONTAGEM,
      ARQAUX_TAM_CARGA_TERMICA_MENSAL}},
    {"gains",
     {"gains", "a gain statistics file", ARQAUX_TAM_GANHO_TERMICO_ANUAL + ARQAUX_TAM_CONTAGEM,
      ARQAUX_TAM_GANHO_TERMICO_MENSAL}}};

// The count stored just before the records (at byte cabecalho - 4).
bool Le_Contagem(const std::string& caminho, uintmax_t posicao, int32_t* n) {
  std::ifstream in(caminho, std::ios::binary);
  return static_cast<bool>(
      in.seekg(static_cast<std::streamoff>(posicao)).read(reinterpret_cast<char*>(n), sizeof *n));
}

// Opens caminho as the current stream after checking its size for its kind
// and that its count is the number of records it holds, lets carrega load
// it (given that count) and closes it; 0, or 1 after one message.
template <class F>
TResultado Carrega(const std::string& caminho, const TTipo& t, F carrega) {
  if (TResultado erro = Confere_Registros(caminho, t.cabecalho, t.registro, t.descricao);
      !erro.Ok())
    return erro;
  std::error_code ec;
  const uintmax_t registros = (std::filesystem::file_size(caminho, ec) - t.cabecalho) / t.registro;
  int32_t contagem = -1;
  if (ec || !Le_Contagem(caminho, t.cabecalho - ARQAUX_TAM_CONTAGEM, &contagem) || contagem < 0 ||
      static_cast<uintmax_t>(contagem) != registros) {
    return Falha("'%s' is not %s: its count is not the %ju records it holds", caminho.c_str(),
                 t.descricao, registros);
  }
  G* g = Geren_ArqAux();
  const int n = g->Abre_Arquivo(caminho.c_str(), "rb");
  if (n == 0) return Falha("cannot open '%s'", caminho.c_str());
  const bool ok = carrega(g, contagem);
  g->Fecha_Arquivo(n);
  return ok ? TResultado() : Falha("cannot read '%s'", caminho.c_str());
}

template <class T, class L, class M>
TResultado Mostra_Lista(const std::string& caminho, const TTipo& t, L carrega, M mostra) {
  TLista<T> lista(true);
  if (TResultado erro = Carrega(caminho, t, [&](G* g, int n) { return carrega(g, &lista, n); });
      !erro.Ok()) {
    return erro;
  }
  for (int k = 1; k <= lista.Numero_Elementos(); ++k) mostra(k, *lista.R_No(k)->R_Dado());
  return {};
}

struct TPedido {
  std::string caminho, tipo, saida, periodo = "annual", estacao = "winter", titulo = "Zona";
  int intervalo = 3600;
};

TResultado Mostra(const TPedido& p) {
  const TTipo& t = kTipos.at(p.tipo);
  if (p.tipo == "demand") {
    return Mostra_Lista<TDemanda_Consumo_Mensal>(
        p.caminho, t, [](G* g, auto* l, int n) { return g->Carrega_Demanda_Consumo(l) == n; },
        [](int k, const auto& r) { Mostra_Demanda(k, r, kDemanda); });
  }
  if (p.tipo == "hvac-demand") {
    return Mostra_Lista<TDemanda_Consumo_Mensal_HVAC>(
        p.caminho, t,
        [](G* g, auto* l, int n) { return g->Carrega_Demanda_Consumo_HVAC(l) || n == 0; },
        [](int k, const auto& r) { Mostra_Demanda(k, r, kDemandaHvac); });
  }
  if (p.tipo == "monthly") {
    return Mostra_Lista<TEstatistica_Mensal>(
        p.caminho, t, [](G* g, auto* l, int n) { return g->Carrega_Estatisticas(l) == n; },
        Mostra_Estatistica);
  }
  if (p.tipo == "loads") {
    TLista<TCarga_Termica_Mensal> meses(true);
    auto anual = std::make_unique<TCarga_Termica_Anual>();
    short f1 = 0, f2 = 0;
    TResultado erro = Carrega(p.caminho, t, [&](G* g, int) {
      return g->Carrega_Relatorio_CargasTermicas(&meses, anual.get(), &f1, &f2);
    });
    if (erro.Ok()) Mostra_Cargas(*anual, meses, f1, f2);
    return erro;
  }
  TLista<TGanho_Termico_Mensal> meses(true);
  auto anual = std::make_unique<TGanho_Termico_Anual>();
  TResultado erro = Carrega(p.caminho, t, [&](G* g, int) {
    return g->Carrega_Relatorio_GanhosTermicos(&meses, anual.get());
  });
  if (erro.Ok()) Mostra_Ganhos(*anual, meses);
  return erro;
}

// The report of a saved load or gain file, over the year (from January 1
// at 0 h to December 31 at 23 h).
TResultado Relatorio(const TPedido& p) {
  if (TResultado erro = Confere_Saida(p.saida, p.caminho); !erro.Ok()) return erro;
  const TTipo& t = kTipos.at(p.tipo);
  const bool cargas = p.tipo == "loads", anual = p.periodo == "annual";
  TLista<TCarga_Termica_Mensal> meses_c(true);
  TLista<TGanho_Termico_Mensal> meses_g(true);
  auto carga = std::make_unique<TCarga_Termica_Anual>();
  auto ganho = std::make_unique<TGanho_Termico_Anual>();
  short f1, f2;
  TResultado erro = Carrega(p.caminho, t, [&](G* g, int) {
    return cargas ? g->Carrega_Relatorio_CargasTermicas(&meses_c, carga.get(), &f1, &f2)
                  : g->Carrega_Relatorio_GanhosTermicos(&meses_g, ganho.get());
  });
  if (!erro.Ok()) return erro;
  if (TResultado erro = Confere_Sem_Ligacao(p.saida); !erro.Ok()) return erro;
  G* g = Geren_ArqAux();
  const int n = g->Abre_Arquivo(p.saida.c_str(), "wt");
  if (n == 0) return Falha("cannot open '%s'", p.saida.c_str());
  TTempo periodo[2];
  periodo[1].Hora = 23, periodo[1].Mes = 12, periodo[1].Dia = 31;
  const int tipo = p.estacao == "winter" ? 2 : 3;
  const char* titulo = p.titulo.c_str();
  if (cargas && anual)
    g->Grava_Carga_Termica_Anual(n, tipo, titulo, carga.get(), periodo, p.intervalo);
  if (cargas && !anual)
    g->Grava_Carga_Termica_Mensal(n, tipo, titulo, &meses_c, periodo, p.intervalo);
  if (!cargas && anual) g->Grava_Ganho_Termico_Anual(n, titulo, ganho.get(), periodo, p.intervalo);
  if (!cargas && !anual) g->Grava_Ganho_Termico_Mensal(n, titulo, &meses_g, periodo, p.intervalo);
  return Fecha_Gravado(g, n, p.saida);
}

}  // namespace

void Declara_Stats(CLI::App* app, TAcao* acao) {
  CLI::App* stats = app->add_subcommand("stats", "show saved statistics; rewrite their reports");
  stats->require_subcommand(1);
  auto p = std::make_shared<TPedido>();
  std::vector<std::string> tipos;
  for (const auto& t : kTipos) tipos.push_back(t.first);

  CLI::App* mostra = stats->add_subcommand("show", "print the records of a statistics file");
  mostra->add_option("FILE", p->caminho, "a saved statistics file")->required();
  mostra->add_option("--kind", p->tipo, "what the file holds")
      ->required()
      ->check(CLI::IsMember(tipos));
  mostra->callback([p, acao] { *acao = [p] { return Relata(Mostra(*p)); }; });

  CLI::App* rel = stats->add_subcommand("report", "rewrite the report of a load or gain file");
  rel->add_option("FILE", p->caminho, "a saved load or gain statistics file")->required();
  rel->add_option("OUT", p->saida, "the text report written")->required();
  rel->add_option("--kind", p->tipo, "what the file holds")
      ->required()
      ->check(CLI::IsMember({"loads", "gains"}));
  rel->add_option("--period", p->periodo, "annual or monthly statistics")
      ->check(CLI::IsMember({"annual", "monthly"}))
      ->capture_default_str();
  rel->add_option("--season", p->estacao, "the season of a load report")
      ->check(CLI::IsMember({"winter", "summer"}))
      ->capture_default_str();
  rel->add_option("--title", p->titulo, "the report's title")->capture_default_str();
  rel->add_option("--interval", p->intervalo, "the sampling interval shown, in seconds")
      ->check(CLI::Range(1, 86400))
      ->capture_default_str();
  rel->callback([p, acao] { *acao = [p] { return Relata(Relatorio(*p)); }; });
}
