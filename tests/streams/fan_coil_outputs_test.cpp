// Fan-coil output streams: data and consumption lines, the line reader and
// the quantity reports. Expected text is built from the stream and report
// tables as the format documents them, written in this file's own form; the
// reports' lines and hourly means are the shared sampled-report builder's.
#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "engine/text_records.h"
#include "support/fixture.h"
#include "support/relatorios.h"

namespace {

// Groups of each component type in stream order, "flag:result,result".
const char* const kGrupos[7] = {"1:0 2:2 3:1",
                                "1:0 2:2 3:1 4:6 5:7",
                                "1:0 2:2 3:1 4:6,7 6:8,9 7:10 5:12",
                                "1:0 2:2 3:1 4:6,7 6:8,9 7:10 5:12",
                                "1:0 2:2 3:1 4:7,6 5:8",
                                "1:0 2:2 3:1 4:6 5:7 6:8",
                                "1:0 2:2 3:1 4:6 5:7 6:8"};
const std::vector<std::pair<int, int>> Grupos(int tipo) {
  std::vector<std::pair<int, int>> r;  // (flag, result)
  std::istringstream in(kGrupos[tipo]);
  std::string grupo;
  while (in >> grupo) {
    const int flag = std::stoi(grupo);
    std::istringstream indices(grupo.substr(2));
    std::string i;
    while (std::getline(indices, i, ',')) r.push_back({flag, std::stoi(i)});
  }
  return r;
}

// Components of the fan coil under test, one of each type plus a second
// cooling coil; component j's result i on step s is Valor(s, j, i).
const int kTiposFC[] = {0, 1, 2, 3, 4, 5, 6, 3};
float Valor(int s, int j, int i) { return s * 1.5f + j * 10 + i * 0.125f; }
float Valor_Ar(int s, int i) { return 100 + s * 0.75f + i; }

// A component of type t through its own class's constructor.
TComponente_HVAC* Novo(int t, int j) {
  if (t == 0) return new TCaixadeMistura({}, {}, j);
  if (t == 1) return new TResistenciaEletrica({}, {}, j);
  if (t == 4) return new TUmidificador_Inj_Vapor({}, {}, j);
  return t < 4 ? static_cast<TComponente_HVAC*>(new TSerpentina_Agua({}, {}, t, j))
               : new TVentilador({}, {}, t, j);
}

// The fan coil's two air groups: flag, then the results of temperature,
// relative and absolute humidity.
const int kAr[2][4] = {{1, 11, 13, 12}, {5, 14, 16, 15}};

class FanCoilOutputsTest : public ArqauxTest {
 protected:
  void SetUp() override {
    ArqauxTest::SetUp();
    for (int j = 0; j < 8; ++j) {
      TComponente_HVAC* c = Novo(kTiposFC[j], j);
      fancoil.R_Geren_Comp()->Insere_Componente(c);
      componentes.push_back(c);
    }
    Liga(std::vector<int>(9, 1), std::vector<int>(8, 1));
  }
  void Liga(const std::vector<int>& fc, const std::vector<int>& comp) {
    flags = fc;
    for (int k = 0; k < 9; ++k) fancoil.A_Config_UM(k, fc[k]);
    for (TComponente_HVAC* c : componentes)
      for (int k = 0; k < 8; ++k) c->A_Config_UM(k, comp[k]);
  }
  void Passo(int s) {
    for (int i = 0; i < 17; ++i) fancoil.A_Result_UM(i, Valor_Ar(s, i));
    for (int j = 0; j < 8; ++j)
      for (int i = 0; i < 13; ++i) componentes[j]->A_Result_UM(i, Valor(s, j, i));
  }
  // The data line of step s as the stream table gives it.
  std::string Linha_Esperada(int s) const {
    if (!flags[0]) return "";
    std::string r;
    for (const auto& a : kAr)
      for (int k = 0; k < 3 && flags[a[0]]; ++k)
        if (flags[a[0] + 1 + k]) r += Formata("%f\t", Valor_Ar(s, a[1 + k]));
    for (int j = 0; j < 8; ++j) {
      if (!componentes[j]->R_Config_UM(0)) continue;
      for (auto [flag, i] : Grupos(kTiposFC[j]))
        if (componentes[j]->R_Config_UM(flag)) r += Formata("%f\t", Valor(s, j, i));
    }
    return r + "\n";
  }
  // Writes steps 0..passos-1 on a fresh data stream and returns its text.
  std::string Grava(int passos) {
    const int n = geren->Abre_Arquivo(Caminho("fc.txt").c_str(), "wt");
    for (int s = 0; s < passos; ++s) Passo(s), geren->Grava_Saida_FanCoil_Dados(&fancoil, n);
    geren->Fecha_Todos();
    return Le_Arquivo(Caminho("fc.txt"));
  }
  // Header and rows of variable v over the data stream, selected component
  // sel (an index into componentes, or -1).
  std::string Relatorio(int v, int sel, int intervalo, bool cabecalho = true) {
    EXPECT_EQ(geren->Abre_Arquivo(Caminho("fc.txt").c_str(), "rt"), 1);
    EXPECT_EQ(geren->Abre_Arquivo(Caminho("rel.txt").c_str(), "wt"), 2);
    TTempo periodo[2] = {{5, 0, 3, 2, {}}, {23, 0, 3, 4, {}}};
    TComponente_HVAC* s = sel >= 0 ? componentes[sel] : nullptr;
    if (cabecalho)
      geren->Preenche_Cabecalho_FanCoil(2, fancoil.R_Geren_Comp(), s, v, flags, 4, periodo,
                                        intervalo);
    geren->Salva_Texo_Dados_FanCoil(1, 2, fancoil.R_Geren_Comp(), s, v, flags, periodo, intervalo);
    geren->Fecha_Todos();
    return Le_Arquivo(Caminho("rel.txt"));
  }
  // The reports of (variable, sel) pairs in one pass, each on its own text
  // stream after its header.
  std::vector<std::string> Relatorios(const std::vector<std::pair<int, int>>& pedidos) {
    EXPECT_EQ(geren->Abre_Arquivo(Caminho("fc.txt").c_str(), "rt"), 1);
    TTempo periodo[2] = {{5, 0, 3, 2, {}}, {23, 0, 3, 4, {}}};
    std::vector<int> textos, variaveis;
    std::vector<TComponente_HVAC*> sels;
    for (size_t i = 0; i < pedidos.size(); ++i) {
      const std::string nome = Caminho("rel" + std::to_string(i) + ".txt");
      textos.push_back(geren->Abre_Arquivo(nome.c_str(), "wt"));
      variaveis.push_back(pedidos[i].first);
      sels.push_back(pedidos[i].second >= 0 ? componentes[pedidos[i].second] : nullptr);
      geren->Preenche_Cabecalho_FanCoil(textos.back(), fancoil.R_Geren_Comp(), sels.back(),
                                        variaveis.back(), flags, 4, periodo, 600);
    }
    geren->Salva_Textos_Dados_FanCoil(1, textos, fancoil.R_Geren_Comp(), sels, variaveis, flags,
                                      periodo, 600);
    geren->Fecha_Todos();
    std::vector<std::string> r;
    for (size_t i = 0; i < pedidos.size(); ++i) {
      r.push_back(Le_Arquivo(Caminho("rel" + std::to_string(i) + ".txt")));
    }
    return r;
  }

  CFanCoil fancoil;
  std::vector<TComponente_HVAC*> componentes;
  std::vector<int> flags;
};

// Data lines under several flag sets, and the line reader over them: the
// fan coil's values land at their result indices, the components' in their
// results, added to their sums.
TEST_F(FanCoilOutputsTest, DataLinesAndReader) {
  const struct {
    std::vector<int> fc, comp;
  } casos[] = {
      {std::vector<int>(9, 1), std::vector<int>(8, 1)},
      {{1, 1, 0, 1, 0, 0, 1, 1, 1}, {1, 0, 1, 0, 1, 0, 1, 0}},
      {{1, 0, 1, 1, 1, 1, 0, 0, 1}, {1, 1, 1, 1, 0, 1, 0, 1}},
      {{1, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 1, 1, 1, 1, 1, 1, 1}},
      {{0, 1, 1, 1, 1, 1, 1, 1, 1}, std::vector<int>(8, 1)},
  };
  for (const auto& caso : casos) {
    Liga(caso.fc, caso.comp);
    const std::string texto = Grava(2);
    EXPECT_EQ(texto, Linha_Esperada(0) + Linha_Esperada(1));
    componentes[3]->A_Soma_Result_UM(6, 1.0f);
    fancoil.R_Geren_Comp()->Zera_Soma_Result();
    ASSERT_EQ(geren->Abre_Arquivo(Caminho("fc.txt").c_str(), "rt"), 1);
    std::vector<float> v(3, 9.0f);
    bool lidas = true;
    for (int s = 0; s < 2; ++s)
      lidas = lidas && geren->Le_Saida_FanCoil_Dados(1, flags, v, fancoil.R_Geren_Comp());
    EXPECT_EQ(lidas, true);
    // The fan coil's values of the second line, at their result indices.
    std::vector<float> ar_valores(17);
    for (const auto& a : kAr)
      for (int k = 0; k < 3; ++k)
        if (caso.fc[0] && caso.fc[a[0]] && caso.fc[a[0] + 1 + k])
          ar_valores[a[1 + k]] = Valor_Ar(1, a[1 + k]);
    EXPECT_EQ(v, ar_valores);
    EXPECT_EQ(geren->Le_Saida_FanCoil_Dados(1, flags, v, fancoil.R_Geren_Comp()), !caso.fc[0]);
    geren->Fecha_Todos();
    // After the third read (end of stream) the values were cleared again.
    EXPECT_EQ(v, std::vector<float>(17, 0.0f));
    std::string esperado, lido;
    for (int j = 0; j < 8; ++j) {
      for (int i = 0; i < 13; ++i) {
        bool na_linha = false;
        for (auto [flag, r] : Grupos(kTiposFC[j]))
          na_linha = na_linha || (r == i && caso.comp[flag] && caso.comp[0] && caso.fc[0]);
        esperado += Formata("%g ", Valor(1, j, i)) +
                    Formata("%g;", na_linha ? Valor(0, j, i) + Valor(1, j, i) : 0);
        lido += Formata("%g ", componentes[j]->R_Result_UM(i)) +
                Formata("%g;", componentes[j]->R_Soma_Result_UM(i));
      }
    }
    EXPECT_EQ(lido, esperado);
  }
}

// Report quantities as documented: the title (by the selected component's
// type where it depends on it, key -1 for any), the fan coil's air quantity
// (-1: none), whether only the selected type shows, the component flag, the
// columns per type ("N" the component's name, "T" total heat, "S" sensible
// heat, "E" inlet, "D" outlet, "V" flow, each with its result) and the
// components' average format.
struct Quantidade {
  int variavel;
  std::map<int, std::string> titulos;
  int ar;
  bool do_tipo;
  int flag;
  const char* colunas[7];
  const char* media;
};
const std::string kTransf = "[Taxa de Transfer\xEAncia de Calor ";
// clang-format off
const Quantidade kQuantidades[] = {
    {0, {{-1, "[Temperatura nos Componentes (\xBA" "C) - (Fan Coil"}}, 0, false, 1,
     {"N0", "N0", "N0", "N0", "N0", "N0", "N0"}, "%.2f\t"},
    {1, {{-1, "[Umidade Relativa nos Componentes (%) - (Fan Coil"}}, 1, false, 2,
     {"N2", "N2", "N2", "N2", "N2", "N2", "N2"}, "%.4f\t"},
    {2, {{-1, "[Umidade Absoluta nos Componentes (kg/kg) - (Fan Coil"}}, 2, false, 3,
     {"N1", "N1", "N1", "N1", "N1", "N1", "N1"}, "%.5f\t"},
    {3, {{3, kTransf + "na Serpentina de Resfriamento (W) - (Fan coil"},
         {2, kTransf + "na Serpentina de Aquecimento (W) - (Fan coil"},
         {4, kTransf + "no Umidificador (W) - (Fan coil"},
         {1, kTransf + "na Resist\xEAncia El\xE9trica (W) - (Fan coil"},
         {5, kTransf + "no Ventilador de Insuflamento (W) - (Fan coil"},
         {6, kTransf + "no Ventilador de Retorno (W) - (Fan coil"}},
     -1, true, 4, {"", "T6", "T6 S7", "T6 S7", "T7 S6", "T6", "T6"}, "%.2f\t"},
    {4, {{3, "[Temperatura da \xC1gua na Serpentina de Resfriamento (\xBA" "C) - (Fan coil"},
         {2, "[Temperatura da \xC1gua na Serpentina de Aquecimento (\xBA" "C) - (Fan coil"}},
     -1, true, 6, {"", "", "E8 D9", "E8 D9", "", "", ""}, "%.2f\t"},
    {5, {{3, "[Vaz\xE3o de \xC1gua na Serpentina de Resfriamento (L/s) - (Fan coil"},
         {2, "[Vaz\xE3o de \xC1gua na Serpentina de Aquecimento (L/s) - (Fan coil"}},
     -1, true, 7, {"", "", "V10", "V10", "", "", ""}, "%.2f\t"},
    {6, {{-1, "[Vaz\xE3o de Condensado na Serpentina de Resfriamento (g/s) - (Fan coil"}},
     -1, true, 5, {"", "", "V12", "V12", "", "", ""}, "%.2f\t"},
    {13, {{5, "[Vaz\xE3o de Ar no Ventilador de Insuflamento (kg/s) - (Fan coil"},
          {6, "[Vaz\xE3o de Ar no Ventilador de Retorno (kg/s) - (Fan coil"}},
     -1, true, 6, {"", "", "", "", "", "V8", "V8"}, "%.2f\t"},
    {16, {{-1, "[Pot\xEAncia El\xE9trica nos Componentes (W) - (Fan Coil"}}, -1, false, 5,
     {"", "N7", "", "", "N8", "N7", "N7"}, "%.2f\t"},
    {7, {}, -1, false, 1, {"", "", "", "", "", "", ""}, "%.2f\t"},
};
// clang-format on
const char* const kNomesTipo[7] = {"[Caixa Mistura", "[Res. El\xE9trica", "[Serp. Aquec. ",
                                   "[Serp. Resf.  ", "[Umidificador ",    "[Vent. Insuf. ",
                                   "[Vent. Ret.   "};
std::string Rotulo(char c, int tipo) {
  const char* const rotulos[] = {"[Calor Total  ] ", "[Calor Sens\xEDvel] ", "[Entrada] ",
                                 "[Sa\355da ] ", "[Vaz\xE3o    ]     "};
  return c == 'N' ? std::string(kNomesTipo[tipo]) + "] " : rotulos[std::string("TSEDV").find(c)];
}

// The whole report from 2/3 at 5 h, fan coil number 4: the head, then each
// line's values, its clock, and after each hour of samples the means.
std::string Esperado(const Quantidade& q, const std::vector<Coluna_Amostrada>& colunas,
                     int sel_tipo, int passos, int intervalo) {
  const auto titulo = q.titulos.count(-1) ? q.titulos.find(-1) : q.titulos.find(sel_tipo);
  return Relatorio_Amostrado{(titulo != q.titulos.end() ? titulo->second : "") + " 4)]\n",
                             {5, 0, 3, 2, {}},
                             {23, 0, 3, 4, {}},
                             intervalo,
                             Relogio::Espacado,
                             colunas}
      .Texto(passos);
}
// The columns of quantity q with a component of type sel_tipo selected, as
// the fan coil's and the components' flags give them.
std::vector<Coluna_Amostrada> Colunas(const Quantidade& q, int sel_tipo,
                                      const std::vector<int>& flags,
                                      const std::vector<TComponente_HVAC*>& componentes) {
  std::vector<Coluna_Amostrada> r;
  const char* const nome_ar[2] = {"[Ar Externo   ] ", "[Ar Retorno   ] "};
  for (int a = 0; a < 2; ++a) {
    if (q.ar < 0 || !flags[kAr[a][0]] || !flags[kAr[a][0] + 1 + q.ar]) continue;
    const int i = kAr[a][1 + q.ar];
    r.push_back({nome_ar[a], [i](int s) { return Valor_Ar(s, i); }, "%.2f\t\t", "%.2f\t"});
  }
  for (int j = 0; j < 8; ++j) {
    const int t = kTiposFC[j];
    if (!componentes[j]->R_Config_UM(0) || !componentes[j]->R_Config_UM(q.flag)) continue;
    if (q.do_tipo && t != sel_tipo) continue;
    std::istringstream in(q.colunas[t]);
    std::string col;
    while (in >> col) {
      const int i = std::stoi(col.substr(1));
      r.push_back({Rotulo(col[0], t), [j, i](int s) { return Valor(s, j, i); }, "%f\t", q.media});
    }
  }
  return r;
}

// Every quantity, with each component type selected (and none), under
// flag sets that show and hide columns: the whole report, header and rows,
// with an average every third line; the components' running sums, set
// before, are zero after.
TEST_F(FanCoilOutputsTest, EveryQuantityWholeReport) {
  const std::vector<int> todos(9, 1);
  const struct {
    std::vector<int> fc, comp;
    int desliga;  // a component whose flag 0 is cleared, or -1
  } conjuntos[] = {
      {todos, std::vector<int>(8, 1), -1},
      {{1, 1, 0, 1, 1, 0, 1, 1, 1}, {1, 1, 0, 1, 0, 1, 1, 0}, 7},
      {{1, 0, 1, 0, 1, 1, 1, 0, 1}, {1, 0, 1, 1, 1, 0, 0, 1}, 3},
  };
  for (const auto& conjunto : conjuntos) {
    Liga(conjunto.fc, conjunto.comp);
    if (conjunto.desliga >= 0) componentes[conjunto.desliga]->A_Config_UM(0, 0);
    Grava(4);
    for (const Quantidade& q : kQuantidades) {
      for (int sel = -1; sel < 7; ++sel) {
        const int tipo = sel >= 0 ? kTiposFC[sel] : -1;
        for (TComponente_HVAC* c : componentes)
          for (int i = 0; i < 13; ++i) c->A_Soma_Result_UM(i, 1);
        EXPECT_EQ(Relatorio(q.variavel, sel, 1200),
                  Esperado(q, Colunas(q, tipo, flags, componentes), tipo, 4, 1200))
            << "variable " << q.variavel << " selected " << sel;
        // The running sums are cleared at the start and none is filled.
        std::string somas;
        for (TComponente_HVAC* c : componentes)
          for (int i = 0; i < 13; ++i) somas += c->R_Soma_Result_UM(i) == 0 ? '0' : '+';
        EXPECT_EQ(somas, std::string(8 * 13, '0'));
      }
    }
  }
}

// Every quantity's report in one pass over the data stream, which spans
// several blocks of records and ends at a damaged line, is byte for byte the
// report of its own call.
TEST_F(FanCoilOutputsTest, ReportsInOnePassAreTheSeparateReports) {
  for (const std::vector<int>& fc : {std::vector<int>(9, 1), {1, 0, 1, 1, 1, 1, 0, 1, 1}}) {
    Liga(fc, {1, 1, 0, 1, 1, 0, 1, 1});
    std::string texto = Grava(1000);
    texto.insert(texto.rfind('\n', texto.size() - 5000) + 1, "x");
    Escreve_Arquivo(Caminho("fc.txt"), texto);
    std::vector<std::pair<int, int>> pedidos;
    for (const Quantidade& q : kQuantidades)
      for (int sel : {-1, 2, 5}) pedidos.push_back({q.variavel, sel});
    const std::vector<std::string> juntos = Relatorios(pedidos);
    for (size_t i = 0; i < pedidos.size(); ++i) {
      EXPECT_EQ(juntos[i], Relatorio(pedidos[i].first, pedidos[i].second, 600))
          << "variable " << pedidos[i].first << " selected " << pedidos[i].second;
    }
  }
}

// A fan coil whose flag 0 is clear has no rows at all, whatever its stream
// holds. (Lines cut short are the shared line reader's, which the primary
// equipment's tests cut at every byte.)
TEST_F(FanCoilOutputsTest, ClearedFanCoilReportsItsHeadOnly) {
  Liga({1, 1, 1, 0, 0, 1, 0, 1, 0}, {1, 0, 0, 0, 0, 0, 0, 1});
  Grava(4);
  flags[0] = 0;
  const Quantidade& q = kQuantidades[1];
  EXPECT_EQ(Relatorio(1, -1, 1200), Esperado(q, Colunas(q, -1, flags, componentes), -1, 0, 1200));
}

// Consumption lines: heaters, humidifiers and fans give their power, other
// components nothing, then the total and the extra value when given.
TEST_F(FanCoilOutputsTest, ConsumptionLines) {
  const struct {
    std::vector<int> tipos;
    bool com_extra;
    const char* linha;
  } casos[] = {
      {{5, 1, 6}, false, "10.000000\t20.000000\t30.000000\t60.000000\t\n"},
      {{0, 2, 3, 4}, true, "40.000000\t40.000000\t-2.500000 \n"},
      {{0, 3}, false, "0.000000\t\n"},
      {{}, true, "0.000000\t-2.500000 \n"},
  };
  for (const auto& caso : casos) {
    CFanCoil fc;
    for (size_t j = 0; j < caso.tipos.size(); ++j) {
      const int t = caso.tipos[j];
      auto* c = new TVentilador({}, {}, t, 0);
      // Only the documented result of each type is the power; any other is
      // 1000.
      for (int i = 0; i < 13; ++i) c->A_Result_UM(i, 1000.0f);
      c->A_Result_UM(t == 1 ? 8 : 9, 10.0f * (j + 1));
      fc.R_Geren_Comp()->Insere_Componente(c);
    }
    const int n = geren->Abre_Arquivo(Caminho("cons.txt").c_str(), "wt");
    geren->Grava_Saida_FanCoil_Consumo(&fc, n, -2.5f, caso.com_extra);
    geren->Fecha_Todos();
    EXPECT_EQ(Le_Arquivo(Caminho("cons.txt")), caso.linha);
  }
}

// A data line of exactly the longest length, "\n" included, is a line and
// gives its row; one byte longer ends the data, for the report and the line
// reader alike.
TEST_F(FanCoilOutputsTest, TheLongestLineReadsAndOneByteMoreEndsTheData) {
  Liga({1, 1, 1, 0, 0, 0, 0, 0, 0}, std::vector<int>(8, 0));  // the outdoor temperature alone
  Escreve_Arquivo(Caminho("fc.txt"), "1.5\n2.5\n");
  const std::string curto = Relatorio(1, -1, 1200, false);
  ASSERT_EQ(std::count(curto.begin(), curto.end(), '\n'), 2);
  for (size_t mais : {0, 1}) {
    Escreve_Arquivo(Caminho("fc.txt"),
                    "1.5" + std::string(arqaux::kMax_Linha_Texto - 4 + mais, ' ') + "\n2.5\n");
    EXPECT_EQ(Relatorio(1, -1, 1200, false), mais == 0 ? curto : "") << mais;
    ASSERT_EQ(geren->Abre_Arquivo(Caminho("fc.txt").c_str(), "rt"), 1);
    std::vector<float> v;
    int lidas = 0;
    while (lidas < 3 && geren->Le_Saida_FanCoil_Dados(1, flags, v, fancoil.R_Geren_Comp())) ++lidas;
    geren->Fecha_Todos();
    EXPECT_EQ(lidas, mais == 0 ? 2 : 0) << mais;
  }
}

}  // namespace
