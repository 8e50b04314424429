// arqaux stats on the files a short sample run saves: each kind shown, the
// reports rewritten from the saved records as the run wrote them, and files
// that are not what they are said to be refused.
#include <string>

#include "support/fixture.h"

namespace {

class StatsTool : public ArqauxTest {
 protected:
  void SetUp() override {
    ArqauxTest::SetUp();
    pasta = Caminho("run");
    ASSERT_EQ(Executa(arqaux + " sample " + pasta + " --zones 1 --days 40 --interval 3600"), 0);
  }
  int Stats(const std::string& argumentos, std::string* saida) {
    return Executa(arqaux + " stats " + argumentos, saida);
  }
  static size_t Conta(const std::string& texto, const std::string& parte) {
    size_t n = 0;
    for (size_t i = texto.find(parte); i != std::string::npos; i = texto.find(parte, i + 1)) ++n;
    return n;
  }
  const std::string arqaux = ARQAUX_TOOL_PATH;
  std::string pasta;
};

// Forty days from January 1: two months in every list, the year and its two
// months in the load and gain files, each maximum with its moment.
TEST_F(StatsTool, ShowsEveryKind) {
  struct Caso {
    const char* arquivo;
    const char* tipo;
    const char* linha;  // a line every month shows
    size_t vezes;
  } const kCasos[] = {
      {"zona1_demanda.bin", "demand", "  total consumption (kWh) ", 2},
      {"hvac_demanda.bin", "hvac-demand", "  chillers (kWh) ", 2},
      {"zona1_estatisticas.bin", "monthly", "    PMV maximum ", 2},
      {"zona1_cargas.est", "loads", "    latent maximum ", 6},
      {"zona1_ganhos.est", "gains", "    sensible mean of daily minima ", 3},
  };
  for (const Caso& c : kCasos) {
    std::string saida;
    ASSERT_EQ(Stats("show " + pasta + "/" + c.arquivo + " --kind " + c.tipo, &saida), 0) << saida;
    EXPECT_EQ(Conta(saida, c.linha), c.vezes) << c.tipo << "\n" << saida;
    EXPECT_NE(saida.find("[February]"), std::string::npos) << c.tipo;
  }
  std::string saida;
  ASSERT_EQ(Stats("show " + pasta + "/zona1_cargas.est --kind loads", &saida), 0);
  EXPECT_EQ(saida.substr(0, 27), "flags: 5 9\n[year]\n  winter\n");
  EXPECT_NE(saida.find("  at 01/01 00:00:00\n"), std::string::npos);
}

// The reports rewritten from the saved files are the run's but for the
// period line, which the saved records do not hold.
TEST_F(StatsTool, ReportsAreTheRunsReports) {
  struct Caso {
    const char* arquivo;
    const char* opcoes;
    const char* relatorio;
  } const kCasos[] = {
      {"zona1_cargas.est", "--kind loads --season summer", "zona1_cargas_anual_verao.txt"},
      {"zona1_cargas.est", "--kind loads --period monthly", "zona1_cargas_mensal_inverno.txt"},
      {"zona1_ganhos.est", "--kind gains --period monthly", "zona1_ganhos_mensal.txt"},
  };
  for (const Caso& c : kCasos) {
    std::string saida, esperado = Le_Arquivo(pasta + "/" + c.relatorio);
    const std::string periodo = "Fim: 9/2 as", ano = "Fim: 31/12 as";
    ASSERT_NE(esperado.find(periodo), std::string::npos);
    esperado.replace(esperado.find(periodo), periodo.size(), ano);
    ASSERT_EQ(Stats(std::string("report ") + pasta + "/" + c.arquivo + " " + Caminho("r.txt") +
                        " --title 'Zona 1' " + c.opcoes,
                    &saida),
              0)
        << saida;
    EXPECT_EQ(Le_Arquivo(Caminho("r.txt")), esperado) << c.relatorio;
  }
}

// A file of another kind, one cut short and one whose count is not its
// records are refused with one line; so is writing over the input.
TEST_F(StatsTool, RefusesFilesThatAreNotTheirKind) {
  const std::string demanda = Le_Arquivo(pasta + "/zona1_demanda.bin");
  Escreve_Arquivo(Caminho("cortado.bin"), demanda.substr(0, demanda.size() - 1));
  Escreve_Arquivo(Caminho("contagem.bin"), "\x03" + demanda.substr(1));
  const std::string kCasos[] = {
      "show " + pasta + "/zona1_ganhos.est --kind loads",
      "show " + pasta + "/zona1_estatisticas.bin --kind demand",
      "show " + Caminho("cortado.bin") + " --kind demand",
      "show " + Caminho("contagem.bin") + " --kind demand",
      "report " + pasta + "/zona1_ganhos.est " + pasta + "/zona1_ganhos.est --kind gains",
  };
  for (const std::string& c : kCasos) {
    std::string saida;
    EXPECT_EQ(Stats(c, &saida), 1) << c;
    EXPECT_EQ(Conta(saida, "\n"), 1u) << c << "\n" << saida;
    EXPECT_EQ(saida.rfind("arqaux: ", 0), 0u) << saida;
  }
}

}  // namespace
