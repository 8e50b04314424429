// Fan-coil output streams: data and consumption lines, the line reader and
// the quantity reports. Expected text is built here from the stream and
// report tables as the format documents them, written in this file's own
// form, and formatted with snprintf.
#include <cstdio>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "support/corte.h"
#include "support/fixture.h"

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

std::string F(const char* formato, float v) {
  char b[64];
  std::snprintf(b, sizeof b, formato, v);
  return b;
}

// Components of the fan coil under test, one of each type plus a second
// cooling coil; component j's result i on step s is Valor(s, j, i).
const int kTiposFC[] = {0, 1, 2, 3, 4, 5, 6, 3};
float Valor(int s, int j, int i) { return s * 1.5f + j * 10 + i * 0.125f; }
float Valor_Ar(int s, int i) { return 100 + s * 0.75f + i; }

class FanCoilOutputsTest : public ArqauxTest {
 protected:
  void SetUp() override {
    ArqauxTest::SetUp();
    for (int j = 0; j < 8; ++j) {
      const int t = kTiposFC[j];
      TComponente_HVAC* c = t == 0 ? static_cast<TComponente_HVAC*>(new TCaixadeMistura({}, {}, j))
                            : t == 1 ? new TResistenciaEletrica({}, {}, j)
                            : t == 4 ? new TUmidificador_Inj_Vapor({}, {}, j)
                            : t <= 3
                                ? static_cast<TComponente_HVAC*>(new TSerpentina_Agua({}, {}, t, j))
                                : new TVentilador({}, {}, t, j);
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
    const int ar[2][4] = {{1, 11, 13, 12}, {5, 14, 16, 15}};
    for (const auto& a : ar)
      for (int k = 0; k < 3 && flags[a[0]]; ++k)
        if (flags[a[0] + 1 + k]) r += F("%f\t", Valor_Ar(s, a[1 + k]));
    for (int j = 0; j < 8; ++j) {
      if (!componentes[j]->R_Config_UM(0)) continue;
      for (auto [flag, i] : Grupos(kTiposFC[j]))
        if (componentes[j]->R_Config_UM(flag)) r += F("%f\t", Valor(s, j, i));
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
        esperado += na_linha ? F("%g ", Valor(1, j, i)) + F("%g;", Valor(0, j, i) + Valor(1, j, i))
                             : F("%g ", Valor(1, j, i)) + "0;";
        lido += F("%g ", componentes[j]->R_Result_UM(i)) +
                (componentes[j]->R_Soma_Result_UM(i) ? F("%g;", componentes[j]->R_Soma_Result_UM(i))
                                                     : "0;");
      }
    }
    EXPECT_EQ(lido, esperado);
  }
}

TEST_F(FanCoilOutputsTest, ReaderFillsFanCoilValuesAndStopsAtCutLines) {
  Liga({1, 1, 1, 0, 1, 1, 0, 1, 1}, {1, 1, 0, 0, 0, 1, 0, 0});
  const std::string texto = Grava(1);
  Escreve_Arquivo(Caminho("fc.txt"), texto);
  ASSERT_EQ(geren->Abre_Arquivo(Caminho("fc.txt").c_str(), "rt"), 1);
  std::vector<float> v(17, 9.0f);
  ASSERT_TRUE(geren->Le_Saida_FanCoil_Dados(1, flags, v, fancoil.R_Geren_Comp()));
  geren->Fecha_Todos();
  std::string valores;
  for (float x : v) valores += F("%g ", x);
  EXPECT_EQ(valores, "0 0 0 0 0 0 0 0 0 0 0 111 112 0 0 115 116 ");
  // Every prefix short of the whole line, "\n" included, fails.
  std::vector<bool> esperado(texto.size() + 1, false);
  esperado.back() = true;
  EXPECT_EQ(Corta_Em_Todo_Byte(geren, Caminho("fc.txt"), texto,
                               [&] {
                                 std::vector<float> w;
                                 return geren->Le_Saida_FanCoil_Dados(1, flags, w,
                                                                      fancoil.R_Geren_Comp());
                               }),
            esperado);
}

}  // namespace
