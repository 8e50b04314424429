// arqaux report: the tool's report equals the library's for the same stream,
// and every bad invocation is one line on stderr and a non-zero exit.
#include <cstdio>
#include <functional>
#include <string>

#include "support/fixture.h"

namespace {

class ReportTool : public ArqauxTest {
 protected:
  std::string Tool(const std::string& args, int* status) {
    std::string saida;
    *status = Executa(std::string(ARQAUX_TOOL_PATH) + " report " + args, &saida);
    return saida;
  }

  // The report the library writes for the stream in z.bin, read from pular
  // bytes on.
  std::string Pela_Biblioteca(long pular, const std::function<void(int, int)>& converte) {
    geren->Fecha_Todos();
    EXPECT_EQ(geren->Abre_Arquivo(Caminho("z.bin").c_str(), "rb"), 1);
    std::fseek(geren->ObtemArquivo(), pular, SEEK_SET);
    EXPECT_EQ(geren->Abre_Arquivo(Caminho("lib.txt").c_str(), "wt"), 2);
    converte(1, 2);
    geren->Fecha_Todos();
    return Le_Arquivo(Caminho("lib.txt"));
  }

  std::string Args(const std::string& tipo, const std::string& resto) {
    return tipo + " " + Caminho("z.bin") + " " + Caminho("tool.txt") +
           " --start 2/3/4 --end 5/6/7 " + resto;
  }

  TTempo inicio, fim;
  void SetUp() override {
    ArqauxTest::SetUp();
    inicio.Dia = 2, inicio.Mes = 3, inicio.Hora = 4;
    fim.Dia = 5, fim.Mes = 6, fim.Hora = 7;
  }
};

TEST_F(ReportTool, MatchesTheLibraryReport) {
  int n = geren->Abre_Arquivo(Caminho("z.bin").c_str(), "wb");
  geren->Preenche_Cabecalho_Temp_Umi(n, true, false, true, 1);
  for (int i = 0; i < 12; ++i)
    geren->Grava_Temp_Umi(n, true, 20 + i, false, 0, true, i, 5, nullptr);
  geren->Fecha_Todos();
  std::string esperado = Pela_Biblioteca(7, [&](int b, int t) {
    geren->Converte_Binario_Texto_TUPMV(b, t, true, false, true, false, true, true, &inicio, &fim,
                                        600);
  });
  ASSERT_NE(esperado.find("Media"), std::string::npos);
  int status = -1;
  EXPECT_EQ(Tool(Args("tupmv", "--interval 600 --show h,c"), &status), "");
  EXPECT_EQ(status, 0);
  EXPECT_EQ(Le_Arquivo(Caminho("tool.txt")), esperado);

  // The controller-output stream: its 4-byte header is stepped over too.
  n = geren->Abre_Arquivo(Caminho("z.bin").c_str(), "wb");
  geren->Preenche_Cabecalho_Saida_Cont(n, 3);
  for (int i = 0; i < 8; ++i) {
    const float registro[4] = {3, float(i), 2.0f * i, 0.5f};
    geren->Grava_Saida_Cont(n, registro);
  }
  geren->Fecha_Todos();
  esperado = Pela_Biblioteca(
      4, [&](int b, int t) { geren->Converte_Binario_Texto_SC(b, t, &inicio, &fim, 900, 3, 2); });
  EXPECT_EQ(Tool(Args("sc", "--interval 900 --outputs 3 --index 2"), &status), "");
  EXPECT_EQ(status, 0);
  EXPECT_EQ(Le_Arquivo(Caminho("tool.txt")), esperado);

  // Headerless streams are read from their first byte.
  n = geren->Abre_Arquivo(Caminho("z.bin").c_str(), "wb");
  for (int i = 0; i < 3; ++i) geren->Grava_ATS_ACE(n, true, 0.5f * i);
  geren->Fecha_Todos();
  esperado = Pela_Biblioteca(0, [&](int b, int t) {
    geren->Converte_Binario_Texto_ATS_ACE(b, t, true, false, &inicio, &fim, 1200);
  });
  EXPECT_EQ(Tool(Args("ats", "--interval 1200 --ace"), &status), "");
  EXPECT_EQ(status, 0);
  EXPECT_EQ(Le_Arquivo(Caminho("tool.txt")), esperado);
}

TEST_F(ReportTool, BadInvocationsFailWithOneLine) {
  Escreve_Arquivo(Caminho("z.bin"), std::string(7, '\1'));
  Escreve_Arquivo(Caminho("curto.bin"), "abc");
  const std::string casos[] = {
      "",
      Args("xyz", "--interval 600"),
      Args("tupmv", "--interval 0"),
      Args("tupmv", "--interval 6x"),
      Args("tupmv", "--interval"),
      Args("tupmv", "--interval 600 --has t,q"),
      Args("tupmv", "--interval 600 --index 1"),
      Args("ats", "--interval 600 --ats --ace"),
      Args("sc", "--interval 600 --outputs 2 --index 3"),
      Args("sc", "--interval 600 --outputs -1 --index 0"),
      Args("sc", "--interval 600 --index 0"),
      "acs " + Caminho("falta.bin") + " " + Caminho("t.txt") +
          " --start 1/1/0 --end 1/1/0 --interval 60",
      "tupmv " + Caminho("curto.bin") + " " + Caminho("t.txt") +
          " --start 1/1/0 --end 1/1/0 --interval 60",
      "acs " + Caminho("z.bin") + " " + dir + "/nao/existe.txt" +
          " --start 1/1/0 --end 1/1/0 --interval 60",
      "acs " + Caminho("z.bin") + " " + Caminho("t.txt") +
          " --start 30/2/0 --end 1/1/0 --interval 60",
      "acs " + Caminho("z.bin") + " " + Caminho("t.txt") +
          " --start 1/1/24 --end 1/1/0 --interval 60",
      "acs " + Caminho("z.bin") + " " + Caminho("t.txt") +
          " --start 1/1/0 --end 1-1-0 --interval 60",
  };
  int status = -1;
  EXPECT_NE(Tool("--help", &status).find("usage: arqaux report KIND"), std::string::npos);
  EXPECT_EQ(status, 0);
  for (const std::string& caso : casos) {
    int status = 0;
    std::string saida = Tool(caso, &status);
    EXPECT_NE(status, 0) << caso;
    EXPECT_EQ(saida.rfind("arqaux: ", 0), 0u) << caso;
    EXPECT_EQ(saida.find('\n'), saida.size() - 1) << caso;
  }
}

}  // namespace
