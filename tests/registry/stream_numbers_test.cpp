// Every operation that takes a stream number, called with a number that
// names no stream: it returns its failure value, writes no byte to any
// registered file and leaves the current stream where it was. A new
// operation is one more row. The actuator readers (Le_Climatizador,
// Le_Climatizador_ZonaX) are not rows: they read their first records from
// the current stream and use their number only before later ones.
#include <arqaux/dados.h>

#include <climits>
#include <deque>
#include <functional>
#include <iterator>
#include <memory>
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

using G = TGeren_ArquivoAux;
using Operacao = std::function<bool(G*, int)>;

struct Linha {
  const char* nome;
  Operacao falha;  // true when the call returned its failure value
};

// The arguments besides the stream number: a period, values to write or
// room to read into, text buffers.
TTempo periodo[2] = {{}, {23, 0, 12, 31, {}}};
TTempo *const inicio = periodo, *const fim = periodo + 1;
float reais[64] = {1.0f};
float lido;
int inteiro, entradas[9] = {3};
char texto[16] = "1/1";
std::vector<float> dados_prim(40);
std::vector<int> conf_prim(10);
char* nomes[] = {texto, texto, texto, texto};
TIntervalos horario;
const TCarga_Termica_Anual carga_anual{};
const TGanho_Termico_Anual ganho_anual{};

// A fan coil whose every value is monitored, with a component; another one
// to read into.
CFanCoil fancoil, fancoil_lido;
std::vector<int> flags_fc(9, 1);
std::vector<float> valores_fc(17);
const bool kMonitorado = [] {
  auto* ventilador = new TVentilador({}, {}, 5, 0);
  for (int k = 0; k < 9; ++k) fancoil.A_Config_UM(k, 1), ventilador->A_Config_UM(k, 1);
  fancoil.R_Geren_Comp()->Insere_Componente(ventilador);
  return true;
}();

// A face with a region, for the surface temperature report, and a month of
// each monthly report.
TLista<TParede> faces(true);
TLista<TCarga_Termica_Mensal> cargas_mensais(true);
TLista<TGanho_Termico_Mensal> ganhos_mensais(true);
const bool kListas = [] {
  faces.Adiciona(new TParede(nullptr, nullptr, 0, 1))->Adiciona_Regiao(2);
  cargas_mensais.Adiciona(new TCarga_Termica_Mensal());
  ganhos_mensais.Adiciona(new TGanho_Termico_Mensal());
  return true;
}();

// Rows named after the operation: one that returns nothing, one that returns
// falha when it fails, a converter, called with n as its source beside a
// valid destination and as its destination beside a valid source, and the
// loader and saver (of one record R) of a catalogue, whose failure value is 0.
// clang-format off
#define SEM_VALOR(op, ...) Linha{#op, [](G* g, int n) { return g->op(__VA_ARGS__), true; }}
#define FALHA(op, falha, ...) Linha{#op, [](G* g, int n) { return g->op(__VA_ARGS__) == falha; }}
#define CONVERSOR(op, ...) Linha{#op, [](G* g, int n) {      \
    g->op(n, kTexto, __VA_ARGS__);                             \
    return g->op(kBinario, n, __VA_ARGS__), true;              \
  }}
#define CATALOGO(R, X) Linha{"Carrega_/Salva_" #X, [](G* g, int n) {  \
    R r{};                                                             \
    return g->Carrega_##X(n, &r) == 0 && g->Salva_##X(n, 1, &r) == 0;  \
  }}
// clang-format on

const Linha kLinhas[] = {
    SEM_VALOR(Muda_Arquivo, n),
    SEM_VALOR(Salva_Texto_Generico, n, "x"),
    SEM_VALOR(Preenche_Cabecalho_Temp_Umi, n, true, true, true, 7),
    SEM_VALOR(Grava_Temp_Umi, n, true, 1, true, 2, true, 3, 4, nullptr),
    FALHA(Le_Temp_Umi, false, n, true, reais, true, reais, true, reais, reais, reais, reais),
    SEM_VALOR(Grava_ATS_ACE, n, true, 1),
    FALHA(Le_ATS_ACE, false, n, true, &lido),
    SEM_VALOR(Grava_ACS, n, 1, 2),
    FALHA(Le_ACS, false, n, &lido, &lido),
    SEM_VALOR(Grava_PV, n, true, reais),
    FALHA(Le_PV, false, n, true, reais),
    SEM_VALOR(Preenche_Cabecalho_Saida_Cont, n, 2),
    SEM_VALOR(Grava_Saida_Cont, n, reais),
    FALHA(Le_Saida_Cont, false, n, reais, 2),
    FALHA(Grava_Pessoas_no_Ambiente, false, n, 1, 2),
    FALHA(Le_Pessoas_no_Ambiente, false, n, &inteiro, &lido),
    FALHA(Le_Num_Reg_FanCoil, -1, n),
    FALHA(Le_Dados_FanCoil, false, n, &fancoil_lido),
    FALHA(Le_Num_Reg_Equips_Sist_Prim_HVAC, -1, n, 1),
    FALHA(Le_Dados_Equips_Sist_Prim_HVAC, false, n, dados_prim, conf_prim, nomes, 1),
    SEM_VALOR(Grava_Saida_FanCoil_Dados, &fancoil, n),
    SEM_VALOR(Grava_Saida_FanCoil_Consumo, &fancoil, n, 1, true),
    FALHA(Le_Saida_FanCoil_Dados, false, n, flags_fc, valores_fc, fancoil.R_Geren_Comp()),
    SEM_VALOR(Preenche_Cabecalho_FanCoil, n, fancoil.R_Geren_Comp(), nullptr, 0, flags_fc, 1,
              periodo, 600),
    FALHA(Le_Temp_Umi_Parede, false, n, entradas, 1, 1, 0, true, reais, true, reais, reais, true,
          reais),
    FALHA(Grava_Temp_Umi_Parede_Texto, false, n, 1, reais, reais, texto, true, true, reais, true,
          reais),
    FALHA(Grava_Temp_Umi_Parede_Texto_1_No, false, n, 0, reais, reais, texto, true, true, reais,
          true, reais, 1),
    SEM_VALOR(Grava_Cabecalho_Temp_Interna_Parede, n, "z", periodo, 600, &faces, nullptr),
    SEM_VALOR(Grava_Temp_Interna_Parede, n, texto, texto, &faces),
    {"Salva_Texto_Temp_Interna_Parede",
     [](G* g, int n) {
       g->Salva_Texto_Temp_Interna_Parede(n, kTexto);
       return g->Salva_Texto_Temp_Interna_Parede(kBinario, n), true;
     }},
    SEM_VALOR(Grava_Proj_Sombras_Parede, n, 1, 2),
    SEM_VALOR(Grava_Radiacoes_Parede, n, reais),
    FALHA(Le_Proj_Sombras_Parede, false, n, 1, 0, reais),
    FALHA(Le_Fluxos_CalorVapor_Parede, false, n, 1, 1, 0, true, true, reais),
    FALHA(Le_Mofo, false, n, 1, 1, 0, true, reais),
    {"Converte_Binario_Texto_Mofo",
     [](G* g, int n) {
       return !g->Converte_Binario_Texto_Mofo(n, kTexto, 1, true, inicio, fim, 600) &&
              !g->Converte_Binario_Texto_Mofo(kBinario, n, 1, true, inicio, fim, 600);
     }},
    FALHA(Le_Dados_Monit_Cons_HVAC, false, n, &inteiro, &inteiro, &inteiro, entradas, &horario,
          &horario),
    FALHA(Grava_Cabecalho_Carga_Termica, -1, n, true, 2, "t", periodo, 600),
    FALHA(Le_Cabecalho_Carga_Termica, -1, n, 2),
    FALHA(Grava_Ganho_Termico, false, n, "d", "h", reais, 1, 2, 3),
    FALHA(Grava_Carga_Termica, false, n, "d", "h", reais, reais + 32),
    FALHA(Le_Ganho_Termico, false, n, texto, texto, reais, reais + 32),
    FALHA(Le_Carga_Termica, false, n, texto, texto, reais, reais + 32),
    {"Salva_Carga_Termica_Texto",
     [](G* g, int n) {
       return !g->Salva_Carga_Termica_Texto(2, n, kTexto, nullptr) &&
              !g->Salva_Carga_Termica_Texto(8, kBinario, n, nullptr);
     }},
    SEM_VALOR(Grava_Carga_Termica_Anual, n, 2, "t", &carga_anual, periodo, 600),
    SEM_VALOR(Grava_Ganho_Termico_Anual, n, "t", &ganho_anual, periodo, 600),
    SEM_VALOR(Grava_Carga_Termica_Mensal, n, 3, "t", &cargas_mensais, periodo, 600),
    SEM_VALOR(Grava_Ganho_Termico_Mensal, n, "t", &ganhos_mensais, periodo, 600),
    FALHA(Le_Num_Registros, 0, n),
    CATALOGO(Serpentina, Serpentinas),
    CATALOGO(Equip, Equip_Chiller),
    CATALOGO(Curva_CAP, Curvas_CAP),
    CATALOGO(Curva_EIRT, Curvas_EIRT),
    CATALOGO(Curva_EIRPLR, Curvas_EIRPLR),
    CONVERSOR(Converte_Binario_Texto_TUPMV, true, true, true, true, true, true, periodo,
              periodo + 1, 600),
    CONVERSOR(Converte_Binario_Texto_ATS_ACE, true, true, inicio, fim, 600),
    CONVERSOR(Converte_Binario_Texto_ACS, inicio, fim, 600),
    CONVERSOR(Converte_Binario_Texto_PV, true, inicio, fim, 600),
    CONVERSOR(Converte_Binario_Texto_SC, inicio, fim, 600, 2, 1),
    CONVERSOR(Converte_Binario_Texto_Pessoas, inicio, fim, 600),
    CONVERSOR(Salva_Texo_Dados_FanCoil, fancoil.R_Geren_Comp(), nullptr, 0, flags_fc, periodo, 600),
    {"Salva_Textos_Dados_FanCoil",
     [](G* g, int n) {
       const std::vector<TComponente_HVAC*> sel(2);
       const std::vector<int> v = {1, 2};
       g->Salva_Textos_Dados_FanCoil(n, {kTexto, kTexto}, fancoil.R_Geren_Comp(), sel, v,
                                     flags_fc, periodo, 600);
       return g->Salva_Textos_Dados_FanCoil(kBinario, {kTexto, n}, fancoil.R_Geren_Comp(), sel,
                                            v, flags_fc, periodo, 600), true;
     }},
};

#undef SEM_VALOR
#undef FALHA
#undef CONVERSOR
#undef CATALOGO

// The five operations of each kind of primary equipment in the kinds'
// table, the writers on equipment that is monitored and whose flags are all
// set, the rows with one number that names no stream beside a valid one.
int flags_equip[9] = {1, 1, 1, 1, 1, 1, 1, 1, 1};
std::deque<std::string> nomes_equip;
std::vector<std::shared_ptr<TObjeto_HVAC>> objetos_equip;

void Acrescenta_Equipamentos(std::vector<Linha>* linhas) {
  for (const TTipo_HVAC& t : Tipos_HVAC()) {
    if (t.cria == nullptr) continue;
    std::shared_ptr<TObjeto_HVAC> e = objetos_equip.emplace_back(t.cria());
    for (int k = 0; k < t.flags; ++k) e->A_Config_UM(k, 1);
    const auto linha = [&](const char* nome, Operacao op) {
      linhas->push_back({nomes_equip.emplace_back(t.nome + std::string(nome)).c_str(), op});
    };
    linha(" data", [e](G* g, int n) { return e->Grava_Dados(g, n), true; });
    if (t.consumo >= 0) {
      linha(" consumption", [e](G* g, int n) { return e->Grava_Consumo(g, n, 1, true); });
    }
    linha(" reader", [le = t.le](G* g, int n) { return !(g->*le)(n, flags_equip, reais); });
    linha(" header", [cab = t.cabecalho](G* g, int n) {
      return (g->*cab)(n, 0, flags_equip, 1, periodo, 600), true;
    });
    linha(" rows", [rel = t.linhas](G* g, int n) {
      (g->*rel)(n, kTexto, 0, flags_equip, periodo, 600);
      return (g->*rel)(kBinario, n, 0, flags_equip, periodo, 600), true;
    });
  }
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
