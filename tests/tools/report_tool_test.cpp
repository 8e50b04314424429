// arqaux report: each kind of stream gives its report, hourly averages
// included.
#include <cstdint>
#include <string>

#include "support/fixture.h"

namespace {

std::string Real(float v) { return std::string(reinterpret_cast<const char*>(&v), 4); }
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

// Each report is written out by hand from the report rules: the clock column
// shows the end of each sample, and an hour of samples closes with the means
// of that hour alone.
TEST_F(ReportTool, ReportsEveryKindWithItsHourlyAverages) {
  std::string tu = Inteiro(1800) + std::string("\1\0\1", 3);  // temperature and comfort held
  for (int i = 0; i < 4; ++i) tu += Real(20 + i) + Real(99) + Real(i / 4.0f) + Real(5 * i);
  std::string sc = Inteiro(2);
  for (int i = 0; i < 5; ++i) sc += Real(2) + Real(i) + Real(10 * i + 0.5f);
  std::string ats;
  for (float v : {1, 2, 3, 10, 20, 30}) ats += Real(v);
  const std::string periodo = "[Inicio: 2/3 as 4:00:00 - Fim: 5/6 as 7:59:59 h]\n";
  const struct {
    std::string fluxo, args, relatorio;
  } casos[] = {
      {tu, Args("tupmv", "--interval 1800"),
       periodo + "[Intervalo de Amostragem = 1800 s]\n"
                 "[Temp_I] [ PMV ] [ PPD ][M\xEAs]  [Dia]  [Hora]\n"
                 "20.00000  \t0.00\t0.00\t  3     2      04:30:00\n"
                 "21.00000  \t0.25\t5.00\t  3     2      05:00:00\t(Media da Hora : [20.50   "
                 "0.12\t2.50]\n"
                 "22.00000  \t0.50\t10.00\t  3     2      05:30:00\n"
                 "23.00000  \t0.75\t15.00\t  3     2      06:00:00\t(Media da Hora : [22.50   "
                 "0.62\t12.50]"
                 "\n"},
      {ats, Args("ats", "--interval=1200 --ace"),
       periodo + "[Intervalo de Amostragem = 1200 s]\n"
                 "[ACE] [M\xEAs]  [Dia]  [Hora]\n"
                 "1.00  \t\t  3     2      04:20:00\n"
                 "2.00  \t\t  3     2      04:40:00\n"
                 "3.00  \t\t  3     2      05:00:00\t(Media da Hora : [2.00   ]\n"
                 "10.00  \t\t  3     2      05:20:00\n"
                 "20.00  \t\t  3     2      05:40:00\n"
                 "30.00  \t\t  3     2      06:00:00\t(Media da Hora : [20.00   ]\n"},
      // Controller outputs: the chosen output, the hour stamped once an hour.
      {sc, Args("sc", "--interval 1800 --outputs 2 --index 2"),
       "[Inicio: 2/3 as 4 h - Fim: 5/6 as 7 h]\n"
       "[Intervalo de Amostragem = 1800 s]\n"
       "[Saida_Contr] [M\xEAs]  [Dia]  [Hora]\n"
       "0.5\t   3     2     4\n"
       "10.5\n"
       "20.5\t   3     2     5\n"
       "30.5\n"
       "40.5\t   3     2     6\n"},
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
