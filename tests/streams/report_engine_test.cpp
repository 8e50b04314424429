// The sampled-report engine on its own: the variants no zone converter uses
// (hour-only period, untabbed clock, title, scaled columns, clock seconds
// from the start, a second output), and its compiled formats against printf.
#include "streams/report_engine.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "support/fixture.h"

namespace {

class ReportEngineTest : public ArqauxTest {
 protected:
  void SetUp() override {
    ArqauxTest::SetUp();
    arq[0] = std::fopen(Caminho("a.txt").c_str(), "wb");
    arq[1] = std::fopen(Caminho("b.txt").c_str(), "wb");
    ASSERT_TRUE(arq[0] != nullptr && arq[1] != nullptr);
  }
  // Streams 1 and 2 are the two files; stream 1 selects selecoes times only.
  FILE* Seleciona(int n) {
    if (n == 1) return selecoes-- > 0 ? arq[0] : nullptr;
    return n == 2 ? arq[1] : nullptr;
  }
  // Closes both files and returns their text.
  std::vector<std::string> Textos() {
    std::fclose(arq[0]);
    std::fclose(arq[1]);
    return {Le_Arquivo(Caminho("a.txt")), Le_Arquivo(Caminho("b.txt"))};
  }
  FILE* arq[2] = {};
  int selecoes = 1000;
};

TEST_F(ReportEngineTest, VariantsAndASecondOutput) {
  arqaux::TDescricao_Relatorio d;
  d.periodo = arqaux::TFormato_Periodo::Horas;
  d.relogio = arqaux::TFormato_Relogio::Espacado;
  d.relogio_com_segundos = true;
  d.titulo = "[Teste - (Caso 1)]\n";
  d.antes_rotulos = "Regiao 1\n";
  d.depois_rotulos = " ";
  d.num_valores = 2;
  // The third column names no value of the record and is dropped.
  d.colunas = {{"[A] ", 0, "%.1f\t", "%.2f\t"},
               {"[B] ", 1, "%.1f", "%.1f", 10.0f},
               {"[X] ", 2, "%.1f", "%.1f"}};
  arqaux::TRelatorio_Amostrado relatorio(d, [this](int n) { return Seleciona(n); });
  TTempo inicio, fim;
  inicio.Hora = 23, inicio.Tempo = 1800, inicio.Mes = 12, inicio.Dia = 31;
  fim.Hora = 1;
  relatorio.Escreve_Cabecalho(arq[0], inicio, fim, 1800);
  const float registros[3][2] = {{1, 0.5f}, {2, 1.5f}, {3, 2.5f}};
  int lidos = 0, horas = 0;
  relatorio.Escreve_Linhas(
      1,
      [&](float* v) {
        if (lidos == 3) return false;
        std::memcpy(v, registros[lidos++], 8);
        return true;
      },
      inicio, 1800,
      [&](const TTempo& t, const float* v) {
        std::fprintf(Seleciona(2), "%d/%d %d %.1f\n", t.Dia, t.Mes, t.Hora, v[1]);
      },
      [&] { ++horas; });
  EXPECT_EQ(Textos(), std::vector<std::string>(
                          {"[Teste - (Caso 1)]\n"
                           "[Inicio: 31/12 as 23 h - Fim: 1/1 as 1 h]\n"
                           "[Intervalo de Amostragem = 1800 s]\n"
                           "Regiao 1\n"
                           "[A] [B]  [M\xEA"
                           "s]  [Dia]  [Hora]\n"
                           "1.0\t5.0  1      1    00:00:00\n"
                           "2.0\t15.0  1      1    00:30:00\t(Media da Hora : [1.50\t10.0]\n"
                           "3.0\t25.0  1      1    01:00:00\n",
                           "1/1 0 0.5\n1/1 0 1.5\n1/1 1 2.5\n"}));
  EXPECT_EQ(horas, 1);
}

// Lines stop as soon as the text stream no longer selects; a converter whose
// streams do not select, or that has no start time, reads and writes nothing.
TEST_F(ReportEngineTest, StopsWhenTheTextStreamIsGone) {
  arqaux::TDescricao_Relatorio d;
  d.num_valores = 1;
  d.colunas = {{"[V] ", 0, "%.0f", nullptr}};
  arqaux::TRelatorio_Amostrado relatorio(d, [this](int n) { return Seleciona(n); });
  int lidos = 0;
  // Each read moves the binary stream (stream 2) on by one byte.
  auto leitor = [&](float* v) {
    std::fputc('r', arq[1]);
    return (*v = float(++lidos)) < 100;
  };
  TTempo t;
  relatorio.Converte(2, 3, true, leitor, &t, &t, 60);
  relatorio.Converte(3, 1, true, leitor, &t, &t, 60);
  relatorio.Converte(2, 1, true, leitor, nullptr, &t, 60);
  selecoes = 3;
  relatorio.Converte(2, 1, true, leitor, &t, &t, 60);
  EXPECT_EQ(lidos, 3);
  EXPECT_EQ(Textos(), std::vector<std::string>({"[Inicio: 1/1 as 0:00:00 - Fim: 1/1 as 0:59:59 h]\n"
                                                "[Intervalo de Amostragem = 60 s]\n"
                                                "[V] [M\xEA"
                                                "s]  [Dia]  [Hora]\n"
                                                "1\t  1     1      00:01:00\n"
                                                "2\t  1     1      00:02:00\n",
                                                "rrr"}));
}

// Compiled formats give snprintf's bytes for any float, rounding ties,
// negative values that round to zero and non-finite values included.
TEST(ReportFormatTest, GivesPrintfBytes) {
  std::vector<float> valores = {-0.0f,  0.125f,  -0.375f, 2.5f,     -0.001f,   1e-30f, 3.4e38f,
                                0.005f, 99.995f, 1e-7f,   INFINITY, -INFINITY, NAN};
  std::mt19937 aleatorio(7);
  for (int i = 0; i < 20000; ++i) {
    uint32_t bits = aleatorio();
    valores.push_back(std::ldexp(float(bits % 100000), -int(bits % 12)));
    std::memcpy(&valores.emplace_back(), &bits, 4);
  }
  for (const char* formato : {"%.5f  \t", "%.8f", "%.1f", "%f", "%.0f", "x%%%.3fy", "%-+8.2f|"}) {
    arqaux::TFormato_Compilado compilado(formato, "f");
    ASSERT_TRUE(compilado.Valido()) << formato;
    for (float v : valores) {
      char esperado[512];
      std::snprintf(esperado, sizeof esperado, formato, v);
      std::string linha;
      compilado.Formata(&linha, v);
      ASSERT_EQ(linha, esperado) << formato << " " << v;
    }
  }
  std::string linha;
  arqaux::TFormato_Compilado("\t%d %d %s", "dds").Formata(&linha, -12, 2147483647, "23:59:59");
  EXPECT_EQ(linha, "\t-12 2147483647 23:59:59");
  for (const char* errado : {"%d", "%.2f %.2f", "%x", "%.2", "", "%.999999999999f"}) {
    EXPECT_FALSE(arqaux::TFormato_Compilado(errado, "f").Valido()) << errado;
  }
}

}  // namespace
