// arqaux report: the tool's report equals the library's for the same stream,
// and every bad invocation is one line on stderr and a non-zero exit.
#include <cstdio>
#include <functional>
#include <string>

#include "support/fixture.h"

namespace {

class ReportTool : public ArqauxTest {
 protected:
  void SetUp() override {
    ArqauxTest::SetUp();
    inicio.Dia = 2, inicio.Mes = 3, inicio.Hora = 4;
    fim.Dia = 5, fim.Mes = 6, fim.Hora = 7;
  }
  int Tool(const std::string& args, std::string* saida) {
    return Executa(std::string(ARQAUX_TOOL_PATH) + " report " + args, saida);
  }
  // "KIND z.bin tool.txt" with the dates of inicio and fim, then resto.
  std::string Args(const std::string& tipo, const std::string& resto) {
    return tipo + " " + Caminho("z.bin") + " " + Caminho("tool.txt") +
           " --start 2/3/4 --end 5/6/7 " + resto;
  }
  // Runs the tool and expects the report the library writes for z.bin read
  // from byte pular on.
  void Compara(const std::string& args, long pular, const std::function<void(int, int)>& converte) {
    geren->Fecha_Todos();
    ASSERT_EQ(geren->Abre_Arquivo(Caminho("z.bin").c_str(), "rb"), 1);
    std::fseek(geren->ObtemArquivo(), pular, SEEK_SET);
    ASSERT_EQ(geren->Abre_Arquivo(Caminho("lib.txt").c_str(), "wt"), 2);
    converte(1, 2);
    geren->Fecha_Todos();
    std::string saida;
    EXPECT_EQ(Tool(args, &saida), 0);
    EXPECT_EQ(saida, "");
    EXPECT_EQ(Le_Arquivo(Caminho("tool.txt")), Le_Arquivo(Caminho("lib.txt"))) << args;
    EXPECT_NE(Le_Arquivo(Caminho("lib.txt")).find("\n0"), std::string::npos);
  }
  TTempo inicio, fim;
};

TEST_F(ReportTool, MatchesTheLibraryReport) {
  // The stream header gives the groups held; --show picks the columns.
  int n = geren->Abre_Arquivo(Caminho("z.bin").c_str(), "wb");
  geren->Preenche_Cabecalho_Temp_Umi(n, true, false, true, 1);
  for (int i = 0; i < 12; ++i)
    geren->Grava_Temp_Umi(n, true, 20 + i, false, 0, true, i, 5, nullptr);
  Compara(Args("tupmv", "--interval 600 --show h,c"), 7, [&](int b, int t) {
    geren->Converte_Binario_Texto_TUPMV(b, t, true, false, true, false, true, true, &inicio, &fim,
                                        600);
  });

  n = geren->Abre_Arquivo(Caminho("z.bin").c_str(), "wb");
  geren->Preenche_Cabecalho_Saida_Cont(n, 3);
  for (int i = 0; i < 8; ++i) {
    const float registro[4] = {3, float(i), 2.0f * i, 0.5f};
    geren->Grava_Saida_Cont(n, registro);
  }
  Compara(Args("sc", "--interval 900 --outputs 3 --index 2"), 4,
          [&](int b, int t) { geren->Converte_Binario_Texto_SC(b, t, &inicio, &fim, 900, 3, 2); });

  n = geren->Abre_Arquivo(Caminho("z.bin").c_str(), "wb");
  for (int i = 0; i < 3; ++i) geren->Grava_ATS_ACE(n, true, 0.5f * i);
  Compara(Args("ats", "--interval 1200 --ace"), 0, [&](int b, int t) {
    geren->Converte_Binario_Texto_ATS_ACE(b, t, true, false, &inicio, &fim, 1200);
  });
}

TEST_F(ReportTool, BadInvocationsFailWithOneLine) {
  Escreve_Arquivo(Caminho("z.bin"), std::string(3, '\1'));
  std::string saida;
  EXPECT_EQ(Tool("--help", &saida), 0);
  EXPECT_EQ(saida.rfind("usage: arqaux report KIND", 0), 0u);
  const std::string datas = " --start 1/1/0 --end 1/1/0 --interval 60";
  const std::string casos[] = {
      "",
      Args("xyz", "--interval 600"),
      Args("acs", "--interval 0"),
      Args("acs", "--interval 6x"),
      Args("acs", "--interval"),
      Args("tupmv", "--interval 600 --has t,q"),
      Args("tupmv", "--interval 600"),  // shorter than its header
      Args("acs", "--interval 600 --index 1"),
      Args("ats", "--interval 600 --ats --ace"),
      Args("sc", "--interval 600 --outputs 2 --index 3"),
      Args("sc", "--interval 600 --outputs -1 --index 0"),
      "acs " + Caminho("falta.bin") + " " + Caminho("t.txt") + datas,
      "acs " + Caminho("z.bin") + " " + dir + "/nao/t.txt" + datas,
      "acs " + Caminho("z.bin") + " t.txt --start 30/2/0 --end 1/1/0 --interval 60",
      "acs " + Caminho("z.bin") + " t.txt --start 1/1/24 --end 1/1/0 --interval 60",
      "acs " + Caminho("z.bin") + " t.txt --start 1/1/0 --end 1-1-0 --interval 60",
  };
  for (const std::string& caso : casos) {
    EXPECT_NE(Tool(caso, &saida), 0) << caso;
    EXPECT_EQ(saida.rfind("arqaux: ", 0), 0u) << caso;
    EXPECT_EQ(saida.find('\n'), saida.size() - 1) << caso;
  }
}

}  // namespace
