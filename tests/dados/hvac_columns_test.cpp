// The HVAC output streams as series: each column's name is checked against
// the value it holds. The library's writer puts a distinct value in every
// result (its component's place and its index), so that a column whose
// name points at another result, or two swapped names, fail.
#include <arqaux/dados.h>

#include <map>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "support/fixture.h"

namespace {

// The value written for result i of the object at place p (0: the fan coil
// or the equipment itself, then each component).
float Valor(int p, int i) { return static_cast<float>(100 * p + i); }

class ColunasHVAC : public ArqauxTest {
 protected:
  // "name=value" for each column of the first row of caminho's series.
  std::string Linha_Nomeada(const std::string& caminho, const char* leitura,
                            const TDescricao& descricao) {
    TDeteccao d;
    d.tipo = Procura_Tipo_Arquivo(leitura);
    d.descricao = descricao;
    std::string erro;
    std::unique_ptr<TSerie> s = Abre_Serie(caminho, d, 600, &erro);
    if (s == nullptr) return "not opened: " + erro;
    std::vector<double> v;
    long long segundos = 0;
    if (!s->Le(&v, &segundos)) return "no row";
    std::string texto;
    for (size_t k = 0; k < v.size(); ++k) {
      texto += s->Colunas()[k].nome + "=" + std::to_string(static_cast<int>(v[k])) + "\n";
    }
    return texto;
  }
};

// The fan coil's data line as the stream defines it: the outdoor and return
// air, then each component's groups by type, each column named by what the
// result is.
TEST_F(ColunasHVAC, FanCoilColumnsHoldTheResultsTheirNamesSay) {
  struct TResultado {
    const char* nome;
    int indice;
  };
  const std::vector<TResultado> ar = {
      {"temperature", 0}, {"relative_humidity", 2}, {"humidity_ratio", 1}};
  const std::vector<TResultado> serpentina = {{"heat", 6},
                                              {"sensible_heat", 7},
                                              {"water_inlet_temperature", 8},
                                              {"water_outlet_temperature", 9},
                                              {"water_flow", 10},
                                              {"condensate_flow", 12}};
  const std::vector<TResultado> ventilador = {{"heat", 6}, {"electric_power", 7}, {"air_flow", 8}};
  const struct {
    int tipo;
    const char* prefixo;
    std::vector<TResultado> proprios;
  } componentes[] = {
      {0, "mixing_box1_", {}},
      {1, "electric_heater1_", {{"heat", 6}, {"electric_power", 7}}},
      {2, "heating_coil1_", serpentina},
      {3, "cooling_coil1_", serpentina},
      {4, "humidifier1_", {{"heat", 7}, {"sensible_heat", 6}, {"electric_power", 8}}},
      {5, "supply_fan1_", ventilador},
      {6, "return_fan1_", ventilador},
      {3, "cooling_coil2_", serpentina},
  };
  CFanCoil fancoil;
  TDescricao d;
  d.tipo = "fancoil";
  d.flags.assign(CFanCoil::NUM_CONFIG_UM, 1);
  for (int k = 0; k < CFanCoil::NUM_CONFIG_UM; ++k) fancoil.A_Config_UM(k, 1);
  for (int i = 0; i < CFanCoil::NUM_RESULT_UM; ++i) fancoil.A_Result_UM(i, Valor(0, i));
  std::string esperado;
  for (const char* lado : {"outdoor_air_", "return_air_"}) {
    const int base = lado[0] == 'o' ? 11 : 14;
    const int indices[3] = {base, base + 2, base + 1};
    for (int k = 0; k < 3; ++k) {
      esperado += lado + std::string(ar[k].nome) + "=" + std::to_string(indices[k]) + "\n";
    }
  }
  int p = 0;
  for (const auto& c : componentes) {
    ++p;
    TComponente_HVAC* comp = new TVentilador({}, {}, c.tipo, p - 1);
    for (int k = 0; k < TComponente_HVAC::NUM_CONFIG_UM; ++k) comp->A_Config_UM(k, 1);
    for (int i = 0; i < TComponente_HVAC::NUM_RESULT_UM; ++i) comp->A_Result_UM(i, Valor(p, i));
    fancoil.R_Geren_Comp()->Insere_Componente(comp);
    d.componentes.push_back({c.tipo, std::vector<int>(FLAGS_COMPONENTE, 1)});
    std::vector<TResultado> resultados = ar;
    resultados.insert(resultados.end(), c.proprios.begin(), c.proprios.end());
    for (const TResultado& r : resultados) {
      esperado += c.prefixo + std::string(r.nome) + "=" +
                  std::to_string(static_cast<int>(Valor(p, r.indice))) + "\n";
    }
  }
  const std::string caminho = Caminho("fancoil.dat");
  const int n = geren->Abre_Arquivo(caminho.c_str(), "wt");
  ASSERT_NE(n, 0);
  geren->Grava_Saida_FanCoil_Dados(&fancoil, n);
  geren->Fecha_Arquivo(n);
  EXPECT_EQ(Linha_Nomeada(caminho, "hvac", d), esperado);
  // A description a caller builds with a component that none reads is
  // refused, not indexed past its flags.
  d.componentes.back().flags.pop_back();
  EXPECT_EQ(Linha_Nomeada(caminho, "hvac", d).rfind("not opened", 0), 0u);
}

// Every primary kind of the table: its data line read back through its
// reader puts each result under the column the table gives it, its
// consumption line holds its consumption result, and its names are words
// without a bare number. The chillers' and the tower's lines are written
// out as the streams define their groups (the water-cooled chiller's has
// the most results: 1 -> 11, 4; 2 -> 12, 6; 3 -> 2; 4 -> 3; 5 -> 10; 6 ->
// 8; 7 -> 5; 8 -> 7), so that the table itself is checked.
TEST_F(ColunasHVAC, EveryPrimaryKindReadsBackUnderItsOwnColumns) {
  const std::map<std::string, std::string> escritas = {
      {"chiller-ar",
       "evaporator_water_inlet_temperature=8\nevaporator_water_outlet_temperature=3\n"
       "evaporator_heat=2\ncompressor_power=7\ncoefficient_of_performance=5\n"
       "condenser_air_inlet_temperature=4\n"},
      {"chiller-agua",
       "evaporator_water_inlet_temperature=11\nevaporator_water_outlet_temperature=4\n"
       "condenser_water_inlet_temperature=12\ncondenser_water_outlet_temperature=6\n"
       "evaporator_heat=2\ncondenser_heat=3\ncompressor_power=10\n"
       "coefficient_of_performance=8\npart_load_ratio=5\nevaporator_water_flow=7\n"},
      {"torre",
       "water_inlet_temperature=7\nwater_outlet_temperature=1\nheat=0\nair_inlet_temperature=8\n"
       "air_outlet_temperature=3\nair_inlet_relative_humidity=9\n"
       "air_outlet_relative_humidity=4\nfan_power=6\n"}};
  const std::regex numero("(^|_)[0-9]+(_|$)");
  std::string falhas;
  for (const TTipo_HVAC& t : Tipos_HVAC()) {
    if (t.cria == nullptr) continue;
    std::unique_ptr<TObjeto_HVAC> e = t.cria();
    EXPECT_EQ(e->Flags(), t.flags) << t.nome;
    for (int k = 0; k < t.flags; ++k) e->A_Config_UM(k, 1);
    for (int i = 0; i < MAX_RESULTADOS_HVAC; ++i) e->A_Result_UM(i, Valor(0, i));
    const std::string dados = Caminho(std::string(t.nome) + ".dat");
    const std::string consumo = Caminho(std::string(t.nome) + "_consumo.dat");
    const int n = geren->Abre_Arquivo(dados.c_str(), "wt");
    const int m = geren->Abre_Arquivo(consumo.c_str(), "wt");
    e->Grava_Dados(geren, n);
    EXPECT_EQ(e->Grava_Consumo(geren, m, 0.0f, false), t.consumo >= 0) << t.nome;
    geren->Fecha_Todos();
    TDescricao d;
    d.tipo = t.nome;
    d.flags.assign(t.flags, 1);
    std::string esperado;
    for (const TValor_HVAC& v : t.linha) {
      esperado += v.nome + std::string("=") + std::to_string(v.indice) + "\n";
      if (std::regex_search(v.nome, numero)) falhas += std::string(t.nome) + " " + v.nome + "\n";
    }
    const auto escrita = escritas.find(t.nome);
    if (escrita != escritas.end()) {
      EXPECT_EQ(esperado, escrita->second) << t.nome;
    }
    EXPECT_EQ(Linha_Nomeada(dados, "hvac", d), esperado) << t.nome;
    if (t.consumo >= 0) {
      EXPECT_EQ(Linha_Nomeada(consumo, "hvac-consumption", d),
                "consumption=" + std::to_string(t.consumo) + "\n")
          << t.nome;
    }
  }
  EXPECT_EQ(falhas, "");
}

}  // namespace
