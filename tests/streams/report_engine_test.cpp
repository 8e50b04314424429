// The sampled-report engine on its own: the variants that the zone
// converters do not use (hour-only period, untabbed clock, title, scaled
// columns, clock seconds taken from the start, a second output per line).
#include "streams/report_engine.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "support/fixture.h"

namespace {

using arqaux::TColuna;

class ReportEngineTest : public ArqauxTest {
 protected:
  void SetUp() override {
    ArqauxTest::SetUp();
    principal = std::fopen(Caminho("a.txt").c_str(), "wb");
    segunda = std::fopen(Caminho("b.txt").c_str(), "wb");
    ASSERT_TRUE(principal != nullptr && segunda != nullptr);
  }
  void TearDown() override {
    if (principal != nullptr) std::fclose(principal);
    if (segunda != nullptr) std::fclose(segunda);
    ArqauxTest::TearDown();
  }
  // Streams 1 and 2 select the two files; selecoes_restantes limits how many
  // selections of stream 1 succeed.
  FILE* Seleciona(int n) {
    if (n == 1 && selecoes_restantes-- > 0) return principal;
    return n == 2 ? segunda : nullptr;
  }
  std::string Fecha_E_Le(FILE*& arq, const char* nome) {
    std::fclose(arq);
    arq = nullptr;
    return Le_Arquivo(Caminho(nome));
  }

  FILE* principal = nullptr;
  FILE* segunda = nullptr;
  int selecoes_restantes = 1000;
};

TEST_F(ReportEngineTest, VariantsAndASecondOutput) {
  arqaux::TDescricao_Relatorio descricao;
  descricao.periodo = arqaux::TFormato_Periodo::Horas;
  descricao.relogio = arqaux::TFormato_Relogio::Espacado;
  descricao.relogio_com_segundos = true;
  descricao.titulo = "[Teste - (Caso 1)]\n";
  descricao.antes_rotulos = "Regiao 1\n";
  descricao.num_valores = 2;
  // The third column names no value of the record and is dropped.
  descricao.colunas = {{"[A] ", 0, "%.1f\t", "%.2f\t"},
                       {"[B] ", 1, "%.1f", "%.1f", 10.0f},
                       {"[X] ", 2, "%.1f", "%.1f"}};
  arqaux::TRelatorio_Amostrado relatorio(descricao, [this](int n) { return Seleciona(n); });

  TTempo inicio, fim;
  inicio.Hora = 23, inicio.Tempo = 1800, inicio.Mes = 12, inicio.Dia = 31;
  fim.Hora = 1, fim.Mes = 1, fim.Dia = 1;
  relatorio.Escreve_Cabecalho(principal, inicio, fim, 1800);

  const std::vector<std::vector<float>> registros = {{1, 0.5f}, {2, 1.5f}, {3, 2.5f}};
  size_t proximo = 0;
  int horas_fechadas = 0;
  relatorio.Escreve_Linhas(
      1,
      [&](float* v) {
        if (proximo == registros.size()) return false;
        v[0] = registros[proximo][0];
        v[1] = registros[proximo][1];
        ++proximo;
        return true;
      },
      inicio, 1800,
      [&](const TTempo& relogio, const float* v) {
        std::fprintf(Seleciona(2), "%d/%d %d %.1f\n", relogio.Dia, relogio.Mes, relogio.Hora, v[1]);
      },
      [&] { ++horas_fechadas; });

  EXPECT_EQ(Fecha_E_Le(principal, "a.txt"),
            "[Teste - (Caso 1)]\n"
            "[Inicio: 31/12 as 23 h - Fim: 1/1 as 1 h]\n"
            "[Intervalo de Amostragem = 1800 s]\n"
            "Regiao 1\n"
            "[A] [B] [M\xEA"
            "s]  [Dia]  [Hora]\n"
            "1.0\t5.0  1      1    00:00:00\n"
            "2.0\t15.0  1      1    00:30:00\t(Media da Hora : [1.50\t10.0]\n"
            "3.0\t25.0  1      1    01:00:00\n");
  EXPECT_EQ(Fecha_E_Le(segunda, "b.txt"), "1/1 0 0.5\n1/1 0 1.5\n1/1 1 2.5\n");
  EXPECT_EQ(horas_fechadas, 1);
}

// Lines stop as soon as the text stream no longer selects, and a converter
// whose streams do not select writes nothing anywhere.
TEST_F(ReportEngineTest, StopsWhenTheTextStreamIsGone) {
  arqaux::TDescricao_Relatorio descricao;
  descricao.num_valores = 1;
  descricao.colunas = {{"[V] ", 0, "%.0f", nullptr}};
  arqaux::TRelatorio_Amostrado relatorio(descricao, [this](int n) { return Seleciona(n); });
  int lidos = 0;
  auto leitor = [&](float* v) {
    *v = float(++lidos);
    return lidos < 100;
  };
  TTempo inicio, fim;
  relatorio.Converte(2, 3, true, leitor, &inicio, &fim, 60);
  relatorio.Converte(3, 1, true, leitor, &inicio, &fim, 60);
  EXPECT_EQ(lidos, 0);
  selecoes_restantes = 3;
  relatorio.Converte(2, 1, true, leitor, &inicio, &fim, 60);
  EXPECT_EQ(lidos, 3);
  EXPECT_EQ(Fecha_E_Le(principal, "a.txt"),
            "[Inicio: 1/1 as 0:00:00 - Fim: 1/1 as 0:59:59 h]\n"
            "[Intervalo de Amostragem = 60 s]\n"
            "[V] [M\xEA"
            "s]  [Dia]  [Hora]\n"
            "1\t  1     1      00:01:00\n"
            "2\t  1     1      00:02:00\n");
  EXPECT_EQ(Fecha_E_Le(segunda, "b.txt"), "");
}

// Compiled formats give fprintf's bytes, for every float and the awkward
// cases of rounding: ties, negative values that round to zero, the extremes.
TEST(ReportFormatTest, GivesPrintfBytes) {
  const char* const formatos[] = {"%.5f  \t", "%.8f", "%.2f\t",   "%.1f",   "%.4f\t",
                                  "%f",       "%.0f", "x%%%.3fy", "%8.2f|", "%-+.1f"};
  std::vector<float> valores = {0.0f,    -0.0f,   0.125f,  -0.125f, 0.375f,     2.5f,
                                -0.001f, 1e-30f,  -1e-30f, 1e30f,   3.4e38f,    -3.4e38f,
                                0.005f,  99.995f, 1234.5f, 1e-7f,   16777217.0f};
  valores.push_back(std::numeric_limits<float>::infinity());
  valores.push_back(-std::numeric_limits<float>::infinity());
  valores.push_back(std::nanf(""));
  std::mt19937 aleatorio(7);
  for (int i = 0; i < 20000; ++i) {
    uint32_t bits = aleatorio();
    float v;
    std::memcpy(&v, &bits, sizeof v);
    valores.push_back(v);
    valores.push_back(std::ldexp(float(aleatorio() % 100000), -int(aleatorio() % 12)));
  }
  for (const char* formato : formatos) {
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
  arqaux::TFormato_Compilado relogio("\t  %d     %d      %s", "dds");
  std::string linha;
  relogio.Formata(&linha, -12, 2147483647, "23:59:59");
  EXPECT_EQ(linha, "\t  -12     2147483647      23:59:59");
  // Conversions that do not match the arguments make no usable format.
  for (const char* errado : {"%d", "%.2f %.2f", "%x", "%.2", "", "%.999999999999f"}) {
    EXPECT_FALSE(arqaux::TFormato_Compilado(errado, "f").Valido()) << errado;
  }
}

}  // namespace
