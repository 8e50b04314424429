// The tool on the sample's envelope files: the flux and mould reports it
// converts are the sample's own, byte for byte, and a wall region it shows
// is the sample's profile of that region; bad regions are refused.
#include <string>

#include "support/fixture.h"

namespace {

class EnvelopeTool : public ArqauxTest {
 protected:
  void SetUp() override {
    ArqauxTest::SetUp();
    pasta = Caminho("s");
    ASSERT_EQ(Executa(std::string(ARQAUX_TOOL_PATH) + " sample " + pasta +
                      " --zones 1 --days 1 --detail full"),
              0);
  }
  int Tool(const std::string& args, std::string* saida = nullptr) {
    return Executa(std::string(ARQAUX_TOOL_PATH) + " " + args, saida);
  }
  std::string Arquivo(const std::string& nome) { return Le_Arquivo(pasta + "/" + nome); }

  std::string pasta;
};

TEST_F(EnvelopeTool, ReportsAndWallProfilesMatchTheSample) {
  const std::string periodo = " --region 1 --start 1/1/0 --end 1/1/23 --interval 600";
  EXPECT_EQ(Tool("report flux " + pasta + "/zona1_fluxos.bin " + Caminho("r_") + periodo), 0);
  EXPECT_EQ(Tool("report mould " + pasta + "/zona1_mofo.bin " + Caminho("m.txt") + periodo), 0);
  const struct {
    std::string nosso, da_amostra;
  } pares[] = {
      {"r_FLW.txt", "zona1_FLW.txt"}, {"r_MTR.txt", "zona1_MTR.txt"}, {"m.txt", "zona1_mofo.txt"}};
  for (const auto& p : pares) {
    EXPECT_EQ(Le_Arquivo(Caminho(p.nosso)), Arquivo(p.da_amostra)) << p.nosso;
    EXPECT_GT(Arquivo(p.da_amostra).size(), 150u) << p.da_amostra;
  }

  std::string saida;
  ASSERT_EQ(
      Tool("wall show " + pasta + "/zona1_parede.bin --regions 4,6 --region 2 --step 143", &saida),
      0);
  const std::string perfis = Arquivo("zona1_perfis.txt");
  const size_t inicio = perfis.find("Regiao 2 - ultimo passo\n");
  ASSERT_NE(inicio, std::string::npos);
  const std::string nos = perfis.substr(inicio + 24, perfis.find("\n\n", inicio) - inicio - 22);
  EXPECT_EQ(saida, "Regiao 2 - passo 143\n" + nos);
  ASSERT_EQ(Tool("wall show " + pasta + "/zona1_parede.bin --regions 4,6 --groups 1,2,3", &saida),
            0);
  EXPECT_EQ(saida.substr(0, 22), "Regiao 1 - passo 0\n1  ");
}

TEST_F(EnvelopeTool, RegionsOutsideTheFileAreRefused) {
  const std::string periodo = " --start 1/1/0 --end 1/1/23 --interval 600";
  const struct {
    std::string args;
    int status;
  } casos[] = {
      {"report flux " + pasta + "/zona1_fluxos.bin " + Caminho("r_") + periodo + " --region 9", 2},
      {"report mould " + pasta + "/zona1_mofo.bin " + Caminho("m") + periodo + " --region 0", 2},
      {"report mould " + pasta + "/zona1_ats.bin " + Caminho("m") + periodo + " --region 1", 1},
      {"wall show " + pasta + "/zona1_parede.bin --regions 4,6 --region 3", 2},
      {"wall show " + pasta + "/zona1_parede.bin --regions 4,6 --step 144", 1},
      {"wall show " + pasta + "/zona1_parede.bin --regions 4,6 --groups 4", 2},
      {"wall show " + pasta + " --regions 4,6", 1},
  };
  for (const auto& c : casos) {
    std::string saida;
    EXPECT_EQ(Tool(c.args, &saida), c.status) << c.args << "\n" << saida;
  }
  EXPECT_EQ(Le_Arquivo(Caminho("r_FLW.txt")) + Le_Arquivo(Caminho("m")), "");
}

}  // namespace
