// arqaux report: each kind of stream gives its report, hourly averages
// included.
#include <cstdint>
#include <string>

#include "support/fixture.h"
#include "support/relatorios.h"

namespace {

std::string Inteiro(int32_t v) { return std::string(reinterpret_cast<const char*>(&v), 4); }

class ReportTool : public ArqauxTest {
 protected:
  int Tool(const std::string& args, std::string* saida) {
    return Executa(std::string(ARQAUX_TOOL_PATH) + " report " + args, saida);
  }
  // "KIND z.bin tool.txt" from 2/3 at 4 h to 5/6 at 7 h, then resto.
  std::string Args(const std::string& tipo, const std::string& resto) {
    return tipo + " " + Caminho("z.bin") + " " + Caminho("tool.txt") +
           " --start 2/3/4 --end 5/6/7 " + resto;
  }
};

// Each report is the zone family's, built from the stream's values: the
// clock column shows the end of each sample, and an hour of samples closes
// with the means of that hour alone.
TEST_F(ReportTool, ReportsEveryKindWithItsHourlyAverages) {
  std::string tu = Inteiro(1800) + std::string("\1\0\1", 3);  // temperature and comfort held
  for (int i = 0; i < 4; ++i) tu += Reais({20.0f + i, 99, i / 4.0f, 5.0f * i});
  std::string sc = Inteiro(2);
  for (int i = 0; i < 5; ++i) sc += Reais({2, float(i), 10 * i + 0.5f});
  const std::vector<float> ats = {1, 2, 3, 10, 20, 30};
  const TTempo inicio{4, 0, 3, 2, {}}, fim{7, 0, 6, 5, {}};
  auto tupmv = Conforto([](int s) { return s / 4.0f; }, [](int s) { return 5.0f * s; });
  tupmv.insert(tupmv.begin(), Temperatura_Interna([](int s) { return 20.0f + s; }));
  const struct {
    std::string fluxo, args, relatorio;
  } casos[] = {
      {tu, Args("tupmv", "--interval 1800"), Relatorio_Zona(inicio, fim, 1800, tupmv).Texto(4)},
      {Reais(ats), Args("ats", "--interval=1200 --ace"),
       Relatorio_Zona(inicio, fim, 1200, {Sensacao(false, [&](int s) { return ats[s]; })})
           .Texto(6)},
      // Controller outputs: the chosen output, the hour stamped once an hour.
      {sc, Args("sc", "--interval 1800 --outputs 2 --index 2"),
       Relatorio_Zona(inicio, fim, 1800, {Saida_Controlador([](int s) { return 10 * s + 0.5f; })},
                      Relogio::Carimbo)
           .Texto(5)},
  };
  for (const auto& c : casos) {
    Escreve_Arquivo(Caminho("z.bin"), c.fluxo);
    std::string saida;
    EXPECT_EQ(Tool(c.args, &saida), 0) << c.args;
    EXPECT_EQ(saida, "");
    EXPECT_EQ(Le_Arquivo(Caminho("tool.txt")), c.relatorio) << c.args;
    EXPECT_EQ(Le_Arquivo(Caminho("z.bin")), c.fluxo);
  }
}

}  // namespace
