// Every operation that takes a stream number, called with a number that
// names no stream: it returns its failure value, writes no byte to any
// registered file and leaves the current stream where it was. A new
// operation is one more row. The actuator readers (Le_Climatizador,
// Le_Climatizador_ZonaX) are not rows: they read their first records from
// the current stream and use their number only before later ones.
#include <climits>
#include <deque>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "support/fixture.h"

namespace {

// Streams registered for each call: a binary stream with records, a text
// stream, and a third stream that is current. Both binary streams are open
// for update, so that an operation acting on the wrong one would read
// something or write over it.
constexpr int kBinario = 1;
constexpr int kTexto = 2;
constexpr int kArquivos = 3;

using Operacao = std::function<bool(TGeren_ArquivoAux*, int)>;

struct Linha {
  const char* nome;
  Operacao falha;  // true when the call returned its failure value
};

const TTempo kInicio{}, kFim{23, 0, 12, 31, {}};
const TTempo kPeriodo[2] = {kInicio, kFim};
float valores[64] = {1.0f};
float lido;
int inteiro;

// A fan coil whose every value is monitored, with a component.
CFanCoil fancoil;
std::vector<int> flags_fc(9, 1);
const bool kMonitorado = [] {
  auto* ventilador = new TVentilador({}, {}, 5, 0);
  for (int k = 0; k < 9; ++k) fancoil.A_Config_UM(k, 1), ventilador->A_Config_UM(k, 1);
  fancoil.R_Geren_Comp()->Insere_Componente(ventilador);
  return true;
}();

// A face with a region, for the surface temperature report.
TLista<TParede> faces(true);
const bool kFaces = [] {
  faces.Adiciona(new TParede(nullptr, nullptr, 0, 1))->Adiciona_Regiao(2);
  return true;
}();

// Operations that return nothing have no failure value to check.
Operacao Sem_Valor(std::function<void(TGeren_ArquivoAux*, int)> f) {
  return [f](TGeren_ArquivoAux* g, int n) {
    f(g, n);
    return true;
  };
}

// The zone and controller converters, from stream b to stream t over a
// period.
using Conversor = void (*)(TGeren_ArquivoAux*, int b, int t, const TTempo*, const TTempo*);
const Conversor kConversores[] = {
    [](TGeren_ArquivoAux* g, int b, int t, const TTempo* i, const TTempo* f) {
      g->Converte_Binario_Texto_TUPMV(b, t, true, true, true, true, true, true, i, f, 600);
    },
    [](TGeren_ArquivoAux* g, int b, int t, const TTempo* i, const TTempo* f) {
      g->Converte_Binario_Texto_ATS_ACE(b, t, true, true, i, f, 600);
    },
    [](TGeren_ArquivoAux* g, int b, int t, const TTempo* i, const TTempo* f) {
      g->Converte_Binario_Texto_ACS(b, t, i, f, 600);
    },
    [](TGeren_ArquivoAux* g, int b, int t, const TTempo* i, const TTempo* f) {
      g->Converte_Binario_Texto_PV(b, t, true, i, f, 600);
    },
    [](TGeren_ArquivoAux* g, int b, int t, const TTempo* i, const TTempo* f) {
      g->Converte_Binario_Texto_SC(b, t, i, f, 600, 2, 1);
    },
    [](TGeren_ArquivoAux* g, int b, int t, const TTempo* i, const TTempo* f) {
      g->Converte_Binario_Texto_Pessoas(b, t, i, f, 600);
    },
    [](TGeren_ArquivoAux* g, int b, int t, const TTempo* i, const TTempo*) {
      g->Salva_Texo_Dados_FanCoil(b, t, fancoil.R_Geren_Comp(), nullptr, 0, flags_fc,
                                  const_cast<TTempo*>(i), 600);
    },
};

// A catalogue's loader and saver (of one record) on stream n: true when both
// gave their failure value, 0.
using G = TGeren_ArquivoAux;
template <class R>
bool Catalogo(G* g, int n, int (G::*carrega)(int, R*), int (G::*salva)(int, int, R*)) {
  R r{};
  return (g->*carrega)(n, &r) == 0 && (g->*salva)(n, 1, &r) == 0;
}

const Linha kLinhas[] = {
    {"Muda_Arquivo", Sem_Valor([](auto g, int n) { g->Muda_Arquivo(n); })},
    {"Salva_Texto_Generico", Sem_Valor([](auto g, int n) { g->Salva_Texto_Generico(n, "x"); })},
    {"Preenche_Cabecalho_Temp_Umi",
     Sem_Valor([](auto g, int n) { g->Preenche_Cabecalho_Temp_Umi(n, true, true, true, 7); })},
    {"Grava_Temp_Umi",
     Sem_Valor([](auto g, int n) { g->Grava_Temp_Umi(n, true, 1, true, 2, true, 3, 4, nullptr); })},
    {"Le_Temp_Umi",
     [](auto g, int n) {
       float* v = valores;
       return !g->Le_Temp_Umi(n, true, v, true, v + 1, true, v + 2, v + 3, v + 4, v + 5);
     }},
    {"Grava_ATS_ACE", Sem_Valor([](auto g, int n) { g->Grava_ATS_ACE(n, true, 1); })},
    {"Le_ATS_ACE", [](auto g, int n) { return !g->Le_ATS_ACE(n, true, &lido); }},
    {"Grava_ACS", Sem_Valor([](auto g, int n) { g->Grava_ACS(n, 1, 2); })},
    {"Le_ACS", [](auto g, int n) { return !g->Le_ACS(n, &lido, &lido); }},
    {"Grava_PV", Sem_Valor([](auto g, int n) { g->Grava_PV(n, true, valores); })},
    {"Le_PV", [](auto g, int n) { return !g->Le_PV(n, true, valores); }},
    {"Preenche_Cabecalho_Saida_Cont",
     Sem_Valor([](auto g, int n) { g->Preenche_Cabecalho_Saida_Cont(n, 2); })},
    {"Grava_Saida_Cont", Sem_Valor([](auto g, int n) { g->Grava_Saida_Cont(n, valores); })},
    {"Le_Saida_Cont", [](auto g, int n) { return !g->Le_Saida_Cont(n, valores, 2); }},
    {"Grava_Pessoas_no_Ambiente",
     [](auto g, int n) { return !g->Grava_Pessoas_no_Ambiente(n, 1, 2); }},
    {"Le_Pessoas_no_Ambiente",
     [](auto g, int n) { return !g->Le_Pessoas_no_Ambiente(n, &inteiro, &lido); }},
    {"Le_Num_Reg_FanCoil", [](auto g, int n) { return g->Le_Num_Reg_FanCoil(n) == -1; }},
    {"Le_Dados_FanCoil",
     [](auto g, int n) {
       CFanCoil fancoil;
       return !g->Le_Dados_FanCoil(n, &fancoil);
     }},
    {"Le_Num_Reg_Equips_Sist_Prim_HVAC",
     [](auto g, int n) { return g->Le_Num_Reg_Equips_Sist_Prim_HVAC(n, 1) == -1; }},
    {"Le_Dados_Equips_Sist_Prim_HVAC",
     [](auto g, int n) {
       std::vector<float> dados(40);
       std::vector<int> conf(10);
       char nome[20];
       char* nomes[] = {nome, nome, nome, nome};
       return !g->Le_Dados_Equips_Sist_Prim_HVAC(n, dados, conf, nomes, 1);
     }},
    {"Grava_Saida_FanCoil_Dados",
     Sem_Valor([](auto g, int n) { g->Grava_Saida_FanCoil_Dados(&fancoil, n); })},
    {"Grava_Saida_FanCoil_Consumo",
     Sem_Valor([](auto g, int n) { g->Grava_Saida_FanCoil_Consumo(&fancoil, n, 1, true); })},
    {"Le_Saida_FanCoil_Dados",
     [](auto g, int n) {
       std::vector<float> v(17);
       return !g->Le_Saida_FanCoil_Dados(n, flags_fc, v, fancoil.R_Geren_Comp());
     }},
    {"Preenche_Cabecalho_FanCoil", Sem_Valor([](auto g, int n) {
       TTempo periodo[2] = {kInicio, kFim};
       g->Preenche_Cabecalho_FanCoil(n, fancoil.R_Geren_Comp(), nullptr, 0, flags_fc, 1, periodo,
                                     600);
     })},
    {"Le_Temp_Umi_Parede",
     [](auto g, int n) {
       int regioes[] = {3};
       float* v = valores;
       return !g->Le_Temp_Umi_Parede(n, regioes, 1, 1, 0, true, v, true, v, v, true, v);
     }},
    {"Grava_Temp_Umi_Parede_Texto",
     [](auto g, int n) {
       float* v = valores;
       char rotulo[] = "x";
       return !g->Grava_Temp_Umi_Parede_Texto(n, 1, v, v, rotulo, true, true, v, true, v);
     }},
    {"Grava_Temp_Umi_Parede_Texto_1_No",
     [](auto g, int n) {
       float* v = valores;
       char rotulo[] = "x";
       return !g->Grava_Temp_Umi_Parede_Texto_1_No(n, 0, v, v, rotulo, true, true, v, true, v, 1);
     }},
    {"Grava_Cabecalho_Temp_Interna_Parede", Sem_Valor([](auto g, int n) {
       TTempo periodo[2] = {kInicio, kFim};
       g->Grava_Cabecalho_Temp_Interna_Parede(n, "z", periodo, 600, &faces, nullptr);
     })},
    {"Grava_Temp_Interna_Parede", Sem_Valor([](auto g, int n) {
       char data[] = "1/1", hora[] = "00:10:00";
       g->Grava_Temp_Interna_Parede(n, data, hora, &faces);
     })},
    {"Salva_Texto_Temp_Interna_Parede", Sem_Valor([](auto g, int n) {
       g->Salva_Texto_Temp_Interna_Parede(n, kTexto);
       g->Salva_Texto_Temp_Interna_Parede(kBinario, n);
     })},
    {"Grava_Proj_Sombras_Parede",
     Sem_Valor([](auto g, int n) { g->Grava_Proj_Sombras_Parede(n, 1, 2); })},
    {"Grava_Radiacoes_Parede",
     Sem_Valor([](auto g, int n) { g->Grava_Radiacoes_Parede(n, valores); })},
    {"Le_Proj_Sombras_Parede",
     [](auto g, int n) { return !g->Le_Proj_Sombras_Parede(n, 1, 0, valores); }},
    {"Le_Fluxos_CalorVapor_Parede",
     [](auto g, int n) {
       return !g->Le_Fluxos_CalorVapor_Parede(n, 1, 1, 0, true, true, valores);
     }},
    {"Le_Mofo", [](auto g, int n) { return !g->Le_Mofo(n, 1, 1, 0, true, valores); }},
    {"Converte_Binario_Texto_Mofo",
     [](auto g, int n) {
       TTempo inicio = kInicio, fim = kFim;
       return !g->Converte_Binario_Texto_Mofo(n, kTexto, 1, true, &inicio, &fim, 600) &&
              !g->Converte_Binario_Texto_Mofo(kBinario, n, 1, true, &inicio, &fim, 600);
     }},
    {"Le_Dados_Monit_Cons_HVAC",
     [](auto g, int n) {
       TIntervalos h;
       int d[9];
       return !g->Le_Dados_Monit_Cons_HVAC(n, &inteiro, &inteiro, &inteiro, d, &h, &h);
     }},
    {"Grava_Cabecalho_Carga_Termica",
     [](auto g, int n) {
       return g->Grava_Cabecalho_Carga_Termica(n, true, 2, "t", kPeriodo, 600) == -1;
     }},
    {"Le_Cabecalho_Carga_Termica",
     [](auto g, int n) { return g->Le_Cabecalho_Carga_Termica(n, 2) == -1; }},
    {"Grava_Ganho_Termico",
     [](auto g, int n) { return !g->Grava_Ganho_Termico(n, "d", "h", valores, 1, 2, 3); }},
    {"Grava_Carga_Termica",
     [](auto g, int n) { return !g->Grava_Carga_Termica(n, "d", "h", valores, valores + 32); }},
    {"Le_Ganho_Termico",
     [](auto g, int n) {
       char d[8], h[12];
       return !g->Le_Ganho_Termico(n, d, h, valores, valores + 32);
     }},
    {"Le_Carga_Termica",
     [](auto g, int n) {
       char d[8], h[12];
       return !g->Le_Carga_Termica(n, d, h, valores, valores + 32);
     }},
    {"Salva_Carga_Termica_Texto",
     [](auto g, int n) {
       return !g->Salva_Carga_Termica_Texto(2, n, kTexto, nullptr) &&
              !g->Salva_Carga_Termica_Texto(8, kBinario, n, nullptr);
     }},
    {"Grava_Carga_Termica_Anual", Sem_Valor([](auto g, int n) {
       static const TCarga_Termica_Anual anual{};
       g->Grava_Carga_Termica_Anual(n, 2, "t", &anual, kPeriodo, 600);
     })},
    {"Grava_Ganho_Termico_Anual", Sem_Valor([](auto g, int n) {
       static const TGanho_Termico_Anual anual{};
       g->Grava_Ganho_Termico_Anual(n, "t", &anual, kPeriodo, 600);
     })},
    {"Grava_Carga_Termica_Mensal", Sem_Valor([](auto g, int n) {
       TLista<TCarga_Termica_Mensal> meses(true);
       meses.Adiciona(new TCarga_Termica_Mensal());
       g->Grava_Carga_Termica_Mensal(n, 3, "t", &meses, kPeriodo, 600);
     })},
    {"Grava_Ganho_Termico_Mensal", Sem_Valor([](auto g, int n) {
       TLista<TGanho_Termico_Mensal> meses(true);
       meses.Adiciona(new TGanho_Termico_Mensal());
       g->Grava_Ganho_Termico_Mensal(n, "t", &meses, kPeriodo, 600);
     })},
    {"Le_Num_Registros", [](auto g, int n) { return g->Le_Num_Registros(n) == 0; }},
    {"Carrega_ and Salva_ of the chiller and coil catalogues",
     [](auto g, int n) {
       return Catalogo<Serpentina>(g, n, &G::Carrega_Serpentinas, &G::Salva_Serpentinas) &&
              Catalogo<Equip>(g, n, &G::Carrega_Equip_Chiller, &G::Salva_Equip_Chiller) &&
              Catalogo<Curva_CAP>(g, n, &G::Carrega_Curvas_CAP, &G::Salva_Curvas_CAP) &&
              Catalogo<Curva_EIRT>(g, n, &G::Carrega_Curvas_EIRT, &G::Salva_Curvas_EIRT) &&
              Catalogo<Curva_EIRPLR>(g, n, &G::Carrega_Curvas_EIRPLR, &G::Salva_Curvas_EIRPLR);
     }},
};

// The five operations of a primary-equipment kind, the writers on equipment
// that is monitored and whose flags are all set, the header and rows with
// one number that names no stream beside a valid one.
int flags_equip[9] = {1, 1, 1, 1, 1, 1, 1, 1, 1};
TTempo par[2];
std::deque<std::string> nomes_equip;

template <class E>
void Acrescenta_Equipamento(std::vector<Linha>* linhas, const std::string& x,
                            void (G::*dados)(E*, int), void (G::*consumo)(E*, int, float, bool),
                            bool (G::*le)(int, int*, float*),
                            void (G::*cab)(int, int, int*, int, TTempo*, int),
                            void (G::*rel)(int, int, int, int*, TTempo*, int)) {
  static E equip;
  for (int k = 0; k < E::NUM_CONFIG_UM; ++k) equip.A_Config_UM(k, 1);
  const auto nome = [&](const std::string& n) { return nomes_equip.emplace_back(n).c_str(); };
  linhas->push_back(
      {nome(x + " data"), Sem_Valor([dados](G* g, int n) { (g->*dados)(&equip, n); })});
  if (consumo != nullptr) {
    linhas->push_back({nome(x + " consumption"), Sem_Valor([consumo](G* g, int n) {
                         (g->*consumo)(&equip, n, 1.0f, true);
                       })});
  }
  linhas->push_back(
      {nome(x + " reader"), [le](G* g, int n) { return !(g->*le)(n, flags_equip, valores); }});
  linhas->push_back({nome(x + " header"),
                     Sem_Valor([cab](G* g, int n) { (g->*cab)(n, 0, flags_equip, 1, par, 600); })});
  linhas->push_back({nome(x + " rows"), Sem_Valor([rel](G* g, int n) {
                       (g->*rel)(n, kTexto, 0, flags_equip, par, 600);
                       (g->*rel)(kBinario, n, 0, flags_equip, par, 600);
                     })});
}

void Acrescenta_Equipamentos(std::vector<Linha>* l) {
  Acrescenta_Equipamento<CChillerAr>(l, "ChillerAr", &G::Grava_Saida_ChillerAr_Dados,
                                     &G::Grava_Saida_ChillerAr_Consumo,
                                     &G::Le_Saida_ChillerAr_Dados, &G::Preenche_Cabecalho_ChillerAr,
                                     &G::Salva_Texo_Dados_ChillerAr);
  Acrescenta_Equipamento<CChillerAgua>(
      l, "ChillerAgua", &G::Grava_Saida_ChillerAgua_Dados, &G::Grava_Saida_ChillerAgua_Consumo,
      &G::Le_Saida_ChillerAgua_Dados, &G::Preenche_Cabecalho_ChillerAgua,
      &G::Salva_Texo_Dados_ChillerAgua);
  Acrescenta_Equipamento<CTorre>(l, "Torre", &G::Grava_Saida_Torre_Dados,
                                 &G::Grava_Saida_Torre_Consumo, &G::Le_Saida_Torre_Dados,
                                 &G::Preenche_Cabecalho_Torre, &G::Salva_Texo_Dados_Torre);
  Acrescenta_Equipamento<CBoiler>(l, "Boiler", &G::Grava_Saida_Boiler_Dados, nullptr,
                                  &G::Le_Saida_Boiler_Dados, &G::Preenche_Cabecalho_Boiler,
                                  &G::Salva_Texo_Dados_Boiler);
  Acrescenta_Equipamento<CBombaAG>(l, "BombaAG", &G::Grava_Saida_BombaAG_Dados,
                                   &G::Grava_Saida_BombaAG_Consumo, &G::Le_Saida_BombaAG_Dados,
                                   &G::Preenche_Cabecalho_BombaAG, &G::Salva_Texo_Dados_BombaAG);
  Acrescenta_Equipamento<CBombaAQ>(l, "BombaAQ", &G::Grava_Saida_BombaAQ_Dados,
                                   &G::Grava_Saida_BombaAQ_Consumo, &G::Le_Saida_BombaAQ_Dados,
                                   &G::Preenche_Cabecalho_BombaAQ, &G::Salva_Texo_Dados_BombaAQ);
  Acrescenta_Equipamento<CBombaAC>(l, "BombaCond", &G::Grava_Saida_BombaCond_Dados,
                                   &G::Grava_Saida_BombaCond_Consumo, &G::Le_Saida_BombaCond_Dados,
                                   &G::Preenche_Cabecalho_BombaAC, &G::Salva_Texo_Dados_BombaAC);
}

class NumeroSemArquivo : public ArqauxTest {};

TEST_F(NumeroSemArquivo, EveryOperationFailsWritesNothingAndKeepsTheCurrentStream) {
  const std::string dados(4096, '\x41');
  for (const char* nome : {"binario", "atual"}) Escreve_Arquivo(Caminho(nome), dados);
  ASSERT_EQ(geren->Abre_Arquivo(Caminho("binario").c_str(), "rb+"), kBinario);
  ASSERT_EQ(geren->Abre_Arquivo(Caminho("texto").c_str(), "wt"), kTexto);
  ASSERT_EQ(geren->Abre_Arquivo(Caminho("atual").c_str(), "rb+"), kArquivos);
  FILE* atual = geren->ObtemArquivo();
  std::vector<Linha> linhas(std::begin(kLinhas), std::end(kLinhas));
  // Converters: one number that names no stream beside a valid one.
  for (size_t k = 0; k < std::size(kConversores); ++k) {
    linhas.push_back({"converter", Sem_Valor([k](auto g, int n) {
                        kConversores[k](g, n, kTexto, &kInicio, &kFim);
                        kConversores[k](g, kBinario, n, &kInicio, &kFim);
                      })});
  }
  Acrescenta_Equipamentos(&linhas);
  std::string falhas;
  for (const Linha& linha : linhas) {
    for (int n : {0, -1, kArquivos + 1, INT_MIN}) {
      geren->Muda_Arquivo(kArquivos);
      const long posicao = std::ftell(atual);
      const bool falhou = linha.falha(geren, n);
      const std::string onde = std::string(linha.nome) + "(" + std::to_string(n) + ")";
      if (!falhou) falhas += onde + " did not fail\n";
      if (geren->ObtemArquivo() != atual) falhas += onde + " moved the current stream\n";
      if (std::ftell(atual) != posicao) falhas += onde + " used the current stream\n";
    }
  }
  geren->Fecha_Todos();
  EXPECT_EQ(falhas, "");
  EXPECT_EQ(Le_Arquivo(Caminho("binario")), dados);
  EXPECT_EQ(Le_Arquivo(Caminho("texto")), "");
  EXPECT_EQ(Le_Arquivo(Caminho("atual")), dados);
}

}  // namespace
