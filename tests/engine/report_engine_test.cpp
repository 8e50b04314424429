// The sampled-report engine on its own: the variants no zone converter uses,
// hourly averages over several hours, every way the lines end, descriptions
// and quantity tables it refuses, and its compiled formats against printf.
#include "engine/report_engine.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "engine/report_quantities.h"
#include "support/fixture.h"
#include "support/relatorios.h"

namespace {

using namespace arqaux::literais;
using arqaux::TColuna;
using arqaux::TDescricao_Relatorio;
using arqaux::TRelatorio_Amostrado;

// A label, a row format and an average format are not interchangeable.
static_assert(!std::is_convertible_v<const char*, arqaux::TRotulo> &&
              !std::is_convertible_v<const char*, arqaux::TFormato_Linha> &&
              !std::is_convertible_v<arqaux::TRotulo, arqaux::TFormato_Linha> &&
              !std::is_convertible_v<arqaux::TFormato_Linha, arqaux::TFormato_Media>);

// Stream 1 is a.txt (the report), 2 is b.txt (a second output), 3 is the
// binary stream of records; stream 1 selects selecoes times only. With
// reabre, every selection closes the stream and opens it again where it
// stood, as the registry does to a stream it evicted.
class ReportEngineTest : public ArqauxTest {
 public:
  // Writes the records as floats and opens every stream.
  void Abre(const std::vector<float>& registros) {
    Escreve_Arquivo(Caminho("d.bin"), std::string(reinterpret_cast<const char*>(registros.data()),
                                                  4 * registros.size()));
    arq[0] = std::fopen(Caminho("a.txt").c_str(), "wb");
    arq[1] = std::fopen(Caminho("b.txt").c_str(), "wb");
    arq[2] = std::fopen(Caminho("d.bin").c_str(), "rb");
    ASSERT_TRUE(arq[0] != nullptr && arq[1] != nullptr && arq[2] != nullptr);
  }
  FILE* Seleciona(int n) {
    if (n == 1 && selecoes-- <= 0) return nullptr;
    if (n < 1 || n > 3) return nullptr;
    if (reabre && n != 2) {
      const long posicao = std::ftell(arq[n - 1]);
      std::fclose(arq[n - 1]);
      arq[n - 1] = std::fopen(Caminho(n == 1 ? "a.txt" : "d.bin").c_str(), n == 1 ? "ab" : "rb");
      std::fseek(arq[n - 1], posicao, SEEK_SET);
    }
    return arq[n - 1];
  }
  TRelatorio_Amostrado Relatorio(const TDescricao_Relatorio& d) {
    return TRelatorio_Amostrado(d, [this](int n) { return Seleciona(n); });
  }
  // Closes the files and returns the report and the second output.
  std::vector<std::string> Textos() {
    for (FILE* f : arq) std::fclose(f);
    return {Le_Arquivo(Caminho("a.txt")), Le_Arquivo(Caminho("b.txt"))};
  }
  FILE* arq[3] = {};
  int selecoes = 1 << 30;
  bool reabre = false;
  TTempo inicio, fim;
};

// Hour-only period, untabbed clock, title, text around the labels, a scaled
// column, clock seconds from the start, and a second output per line.
TEST_F(ReportEngineTest, VariantsAndASecondOutput) {
  TDescricao_Relatorio d;
  d.periodo = arqaux::TFormato_Periodo::Horas;
  d.relogio = arqaux::TFormato_Relogio::Espacado;
  d.relogio_com_segundos = true;
  d.titulo = "[Teste - (Caso 1)]\n";
  d.antes_rotulos = "Regiao 1\n";
  d.depois_rotulos = " ";
  d.num_valores = 2;
  d.colunas = {{"[A] "_rotulo, 0, "%.1f\t"_linha, "%.2f\t"_media},
               {"[B] "_rotulo, 1, "%.1f"_linha, "%.1f"_media, 10.0f}};
  Abre({1, 0.5f, 2, 1.5f, 3, 2.5f});
  TRelatorio_Amostrado relatorio = Relatorio(d);
  inicio.Hora = 23, inicio.Tempo = 1800, inicio.Mes = 12, inicio.Dia = 31;
  fim.Hora = 1;
  relatorio.Escreve_Cabecalho(arq[0], inicio, fim, 1800);
  int horas = 0;
  relatorio.Escreve_Linhas(
      3, 1, arqaux::Registro_Reais(2), inicio, 1800,
      [&](const TTempo& t, const float* v) {
        std::fprintf(Seleciona(2), "%d/%d %d %.1f\n", t.Dia, t.Mes, t.Hora, v[1]);
      },
      [&] { ++horas; });
  const float a[] = {1, 2, 3};
  Relatorio_Amostrado r{"[Teste - (Caso 1)]\n", inicio, fim, 1800, Relogio::Espacado, {}};
  r.colunas = {{"[A] ", [&](int s) { return a[s]; }, "%.1f\t", "%.2f\t"},
               {"[B] ", [&](int s) { return a[s] - 0.5f; }, "%.1f", "%.1f", 10.0f}};
  r.antes_rotulos = "Regiao 1\n", r.depois_rotulos = " ", r.so_horas = true;
  EXPECT_EQ(Textos(), std::vector<std::string>({r.Texto(3), "1/1 0 0.5\n1/1 0 1.5\n1/1 1 2.5\n"}));
  EXPECT_EQ(horas, 1);
}

// The documented lines of the records under d, built by the shared builder:
// the engine's oracle.
std::string Um_A_Um(const TDescricao_Relatorio& d, const std::vector<float>& registros,
                    TTempo inicio, int intervalo) {
  std::vector<Coluna_Amostrada> colunas;
  for (const TColuna& c : d.colunas) {
    colunas.push_back(
        {"", [&registros, &d, c](int s) { return registros[s * d.num_valores + c.valor]; },
         c.dado.texto, c.media.texto ? c.media.texto : "", c.escala});
  }
  if (!d.relogio_com_segundos) inicio.Tempo = 0;
  const Relogio estilo = d.relogio == arqaux::TFormato_Relogio::Carimbo_Horario ? Relogio::Carimbo
                         : d.relogio == arqaux::TFormato_Relogio::Tabulado      ? Relogio::Tabulado
                                                                                : Relogio::Espacado;
  return Linhas_Amostradas(colunas, static_cast<int>(registros.size() / d.num_valores), inicio,
                           intervalo, estilo);
}

// The lines of a rows-only caller end by themselves: at the end of the
// data, on records that hold nothing, before a partial record, at a block
// that finds the binary stream moved (reopened from its start), and at a
// block whose text stream no longer selects; streams closed and reopened at
// every selection change nothing. A layout outside its record, or a
// converter without both streams and both times, writes nothing at all.
TEST_F(ReportEngineTest, LinesAlwaysEnd) {
  TDescricao_Relatorio d;
  d.num_valores = 1;
  d.colunas = {{""_rotulo, 0, "%.0f"_linha, {}}};
  // 40,000 records of one float: two whole blocks of 16,384 and a part.
  constexpr int kRegistros = 40000, kPor_Bloco = 16384;
  std::vector<float> registros(kRegistros);
  for (int i = 0; i < kRegistros; ++i) registros[i] = float(i + 1);
  const arqaux::TRegistro_Binario um = arqaux::Registro_Reais(1);
  auto escreve = [&](const arqaux::TRegistro_Binario& r) {
    Relatorio(d).Escreve_Linhas(3, 1, r, inicio, 60);
  };
  Abre(registros);
  escreve(um);
  const std::string inteiro = Textos()[0];
  EXPECT_EQ(inteiro, Um_A_Um(d, registros, inicio, 60));
  const size_t segundo_bloco = inteiro.find("\n16385\t");
  ASSERT_NE(segundo_bloco, std::string::npos);
  const std::string primeiro_bloco = inteiro.substr(0, segundo_bloco + 1);
  arqaux::TRegistro_Binario fora = um;
  fora.origens[0] = 1;
  struct Caso {
    const char* nome;
    std::function<void()> escreve;
    std::string esperado;
  };
  const Caso casos[] = {
      {"records hold nothing", [&] { escreve(arqaux::Registro_Reais(1, false)); }, ""},
      {"partial last record",
       [&] {
         std::fseek(arq[2], 4 * (kRegistros - 3), SEEK_SET);
         escreve({8, {0}});
       },
       "39998\t  1     1      00:01:00\n"},
      {"stream back at its start",
       [&] {
         Relatorio(d).Escreve_Linhas(3, 1, um, inicio, 60, [&](const TTempo& t, const float*) {
           if (t.Dia == 12 && t.Hora == 9 && t.Tempo == 4 * 60) std::rewind(arq[2]);
         });
       },
       primeiro_bloco},
      {"text stream gone", [&] { selecoes = 1, escreve(um); }, primeiro_bloco},
      {"streams reopened at every selection", [&] { reabre = true, escreve(um); }, inteiro},
      {"layout outside the record", [&] { escreve(fora); }, ""},
      {"no binary stream, no text stream, no start, no end",
       [&] {
         Relatorio(d).Escreve_Linhas(4, 1, um, inicio, 60);
         Relatorio(d).Converte(4, 1, um, &inicio, &fim, 60);
         Relatorio(d).Converte(3, 4, um, &inicio, &fim, 60);
         Relatorio(d).Converte(3, 1, um, nullptr, &fim, 60);
         Relatorio(d).Converte(3, 1, um, &inicio, nullptr, 60);
       },
       ""},
  };
  for (const Caso& caso : casos) {
    Abre(registros);
    selecoes = 1 << 30;
    reabre = false;
    caso.escreve();
    EXPECT_EQ(Textos()[0], caso.esperado) << caso.nome;
  }
  EXPECT_EQ(kPor_Bloco, std::count(primeiro_bloco.begin(), primeiro_bloco.end(), '\n'));
}

// Block by block, the engine writes the bytes of the record-at-a-time
// algorithm: every clock style over a year and more of hourly samples (every
// day and hour), seconds-long samples (every minute and second), intervals
// that do and do not divide the hour, values of every magnitude and sign.
TEST_F(ReportEngineTest, MatchesTheRecordAtATimeAlgorithm) {
  using arqaux::TFormato_Relogio;
  struct Caso {
    TFormato_Relogio relogio;
    int intervalo;
    int registros;
  };
  const Caso casos[] = {
      {TFormato_Relogio::Tabulado, 3600, 9000},
      {TFormato_Relogio::Tabulado, 600, 20000},
      {TFormato_Relogio::Espacado, 7, 40000},
      {TFormato_Relogio::Espacado, 700, 3000},
      {TFormato_Relogio::Carimbo_Horario, 600, 60000},
      {TFormato_Relogio::Carimbo_Horario, 5400, 9000},
  };
  std::mt19937 aleatorio(11);
  for (const Caso& caso : casos) {
    TDescricao_Relatorio d;
    d.relogio = caso.relogio;
    d.relogio_com_segundos = true;
    d.num_valores = 3;
    d.colunas = {{"[A] "_rotulo, 2, "%.5f  \t"_linha, "%.2f   "_media},
                 {"[B] "_rotulo, 0, "%.8f"_linha, "%.4f"_media},
                 {"[C] "_rotulo, 1, "%-+9.1f|"_linha, {}, 100.0f}};
    std::vector<float> registros(3 * caso.registros + 2);
    for (float& v : registros) {
      v = std::ldexp(float(aleatorio() % 2000001) - 1e6f, int(aleatorio() % 40) - 30);
    }
    inicio.Hora = 22, inicio.Mes = 12, inicio.Dia = 30, inicio.Tempo = 1234;
    Abre(registros);
    Relatorio(d).Escreve_Linhas(3, 1, arqaux::Registro_Reais(3), inicio, caso.intervalo);
    EXPECT_EQ(Textos()[0], Um_A_Um(d, registros, inicio, caso.intervalo))
        << caso.intervalo << " " << caso.registros;
  }
}

// A column outside the record, or a format that is not one floating
// conversion, makes the report refuse to write anything.
TEST_F(ReportEngineTest, RefusesColumnsItCannotWrite) {
  struct Caso {
    TColuna coluna;
    bool valido;
  };
  const Caso casos[] = {
      {{"[A] "_rotulo, 1, "%.1f"_linha, "%.1f"_media}, true},
      {{"[A] "_rotulo, 0, "%.1f"_linha, {}}, true},
      {{"[A] "_rotulo, 2, "%.1f"_linha, "%.1f"_media}, false},
      {{"[A] "_rotulo, -1, "%.1f"_linha, "%.1f"_media}, false},
      {{"[A] "_rotulo, 0, "[A] "_linha, "%.1f"_media}, false},
      {{"[A] "_rotulo, 0, "%.1f\t%.1f"_linha, "%.1f"_media}, false},
      {{"[A] "_rotulo, 0, "%.1f"_linha, "%d"_media}, false},
  };
  for (const Caso& caso : casos) {
    TDescricao_Relatorio d;
    d.num_valores = 2;
    d.colunas = {caso.coluna};
    Abre({1, 2});
    TRelatorio_Amostrado relatorio = Relatorio(d);
    relatorio.Converte(3, 1, arqaux::Registro_Reais(2), &inicio, &fim, 60);
    EXPECT_EQ(relatorio.Valido(), caso.valido) << caso.coluna.valor << caso.coluna.dado.texto;
    EXPECT_EQ(Textos()[0].empty(), !caso.valido) << caso.coluna.valor << caso.coluna.dado.texto;
  }
}

// A result index outside the member's record, or a flag outside its flags,
// is caught where the table is written.
TEST_F(ReportEngineTest, QuantityTablesOutsideTheirMemberAreRefused) {
  static constexpr TColuna kResultado4[] = {{"[T] "_rotulo, 4, "%.2f"_linha, "%.2f"_media}};
  const arqaux::TGrandeza flag2[] = {arqaux::Grandeza("[T", 2, kResultado4)};
  const arqaux::TGrandeza flag5[] = {arqaux::Grandeza("[E", 5, kResultado4)};
  EXPECT_TRUE(arqaux::Membro_Valido(arqaux::Membro(5, 3, 0, flag2)));
  EXPECT_FALSE(arqaux::Membro_Valido(arqaux::Membro(4, 3, 0, flag2)));
  EXPECT_FALSE(arqaux::Membro_Valido(arqaux::Membro(11, 5, 0, flag5)));
}

// A compiled format writes its literal text around the formatter's number,
// and takes nothing but one floating conversion.
TEST(ReportFormatTest, WritesLiteralsAroundOneConversion) {
  for (const char* formato : {"%.5f  \t", "x%%%.3fy%%", "%-+8.2f|", "%f"}) {
    const arqaux::TFormato_Compilado compilado(formato);
    ASSERT_TRUE(compilado.Valido()) << formato;
    for (float v : {-0.0f, 2.5f, -1234.5678f, 1e30f, NAN}) {
      char esperado[512], linha[512];
      std::snprintf(esperado, sizeof esperado, formato, v);
      ASSERT_LE(compilado.Tamanho_Maximo(), sizeof linha);
      EXPECT_EQ(std::string(linha, compilado.Escreve(linha, v)), esperado) << formato << v;
    }
  }
  for (const char* errado : {"%d", "%.2f %.2f", "%x", "%.2", "", "%%", "%lf", "%.999f"}) {
    EXPECT_FALSE(arqaux::TFormato_Compilado(errado).Valido()) << errado;
  }
}

}  // namespace
