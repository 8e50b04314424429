// Controller-output and occupancy streams: record layouts, the controller
// outputs' report with a clock stamp per hour of samples, and the occupancy
// report.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "support/fixture.h"
#include "support/relatorios.h"

namespace {

std::string Bytes(const void* p, size_t n) { return std::string(static_cast<const char*>(p), n); }

class ControllerOutputsTest : public ArqauxTest {
 protected:
  // Writes a header and records of two outputs (count, i, i / 2), plus cauda,
  // then reports output indice from inicio; the end is 31/12 at 23 h.
  std::string Relatorio(int registros, int intervalo, int indice, const std::string& cauda = "") {
    int n = geren->Abre_Arquivo(Caminho("sc.bin").c_str(), "wb");
    geren->Preenche_Cabecalho_Saida_Cont(n, 7);
    for (int i = 0; i < registros; ++i) {
      const float registro[3] = {2.0f, float(i), i / 2.0f};
      geren->Grava_Saida_Cont(n, registro);
    }
    geren->Fecha_Todos();
    Escreve_Arquivo(Caminho("sc.bin"), Le_Arquivo(Caminho("sc.bin")) + cauda);
    EXPECT_EQ(geren->Abre_Arquivo(Caminho("sc.bin").c_str(), "rb"), 1);
    std::fseek(geren->ObtemArquivo(), ARQAUX_TAM_CABECALHO_SAIDA_CONT, SEEK_SET);
    EXPECT_EQ(geren->Abre_Arquivo(Caminho("sc.txt").c_str(), "wt"), 2);
    TTempo fim;
    fim.Hora = 23, fim.Mes = 12, fim.Dia = 31;
    geren->Converte_Binario_Texto_SC(1, 2, &inicio, &fim, intervalo, 2, indice);
    geren->Fecha_Todos();
    return Le_Arquivo(Caminho("sc.txt"));
  }
  TTempo inicio;
};

// A record holds trunc(first float) + 1 floats; a count that cannot be right
// writes nothing. The occupancy record is an int32 then a float.
TEST_F(ControllerOutputsTest, RecordLayouts) {
  int n = geren->Abre_Arquivo(Caminho("sc.bin").c_str(), "wb");
  const float tres[4] = {3.0f, 1.0f, 2.0f, 3.0f};
  const float quase[4] = {2.7f, 4.0f, 5.0f, 6.0f};
  const float invalidos[3][2] = {{-1.0f, 9.0f}, {1e30f, 9.0f}, {NAN, 9.0f}};
  geren->Preenche_Cabecalho_Saida_Cont(n, 258);
  geren->Grava_Saida_Cont(n, tres);
  geren->Grava_Saida_Cont(n, quase);
  for (const auto& r : invalidos) geren->Grava_Saida_Cont(n, r);
  EXPECT_TRUE(geren->Grava_Pessoas_no_Ambiente(n, 3, 0.5f));
  geren->Fecha_Todos();
  EXPECT_EQ(Le_Arquivo(Caminho("sc.bin")), Bytes("\x02\x01\x00\x00", 4) + Bytes(tres, 16) +
                                               Bytes(quase, 12) + Bytes("\x03\0\0\0\0\0\0\x3f", 8));

  ASSERT_EQ(geren->Abre_Arquivo(Caminho("sc.bin").c_str(), "rb"), 1);
  float lido[4] = {};
  EXPECT_TRUE(geren->Le_Saida_Cont(1, lido, 1) && geren->Le_Saida_Cont(1, lido, 4));
  EXPECT_EQ(Bytes(lido, 16), Bytes(tres, 16));
  EXPECT_TRUE(geren->Le_Saida_Cont(1, lido, 3));
  int pessoas = 0;
  float fracao = 0;
  EXPECT_TRUE(geren->Le_Pessoas_no_Ambiente(1, &pessoas, &fracao));
  EXPECT_TRUE(pessoas == 3 && fracao == 0.5f);
  EXPECT_FALSE(geren->Le_Pessoas_no_Ambiente(1, &pessoas, &fracao) ||
               geren->Le_Saida_Cont(1, lido, 1) || geren->Le_Saida_Cont(1, lido, -1));

  // A write that fails shows in the occupancy writer's result.
  geren->Fecha_Todos();
  ASSERT_EQ(geren->Abre_Arquivo("/dev/full", "wb"), 1);
  bool gravou = true;
  for (int i = 0; i < 100000 && gravou; ++i) gravou = geren->Grava_Pessoas_no_Ambiente(1, i, 0.5f);
  EXPECT_FALSE(gravou);
}

// The largest count a record may hold is written and reported whole; one
// more writes nothing, and a report asked for it writes nothing either.
TEST_F(ControllerOutputsTest, LargestCount) {
  const int maximo = TGeren_ArquivoAux::Max_Saidas_Cont;
  std::vector<float> registro(maximo + 2, 0.25f);
  registro[maximo] = 7.5f;
  const struct {
    int saidas;
    size_t bytes;
    const char* linha;
  } casos[] = {{maximo, ARQAUX_TAM_VALOR_SAIDA_CONT * (maximo + 1), "7.5\t   1     1     0\n"},
               {maximo + 1, 0, ""}};
  for (const auto& caso : casos) {
    int n = geren->Abre_Arquivo(Caminho("sc.bin").c_str(), "wb");
    registro[0] = float(caso.saidas);
    geren->Grava_Saida_Cont(n, registro.data());
    geren->Fecha_Todos();
    EXPECT_EQ(Le_Arquivo(Caminho("sc.bin")).size(), caso.bytes) << caso.saidas;
    Escreve_Arquivo(Caminho("sc.bin"),
                    Bytes(registro.data(), ARQAUX_TAM_VALOR_SAIDA_CONT * (maximo + 1)));
    ASSERT_EQ(geren->Abre_Arquivo(Caminho("sc.bin").c_str(), "rb"), 1);
    ASSERT_EQ(geren->Abre_Arquivo(Caminho("sc.txt").c_str(), "wt"), 2);
    TTempo fim;
    geren->Converte_Binario_Texto_SC(1, 2, &inicio, &fim, 600, caso.saidas, maximo);
    geren->Fecha_Todos();
    const Relatorio_Amostrado r = Relatorio_Zona(
        inicio, fim, 600, {Saida_Controlador([](int) { return 7.5f; })}, Relogio::Carimbo);
    EXPECT_EQ(Le_Arquivo(Caminho("sc.txt")), caso.bytes > 0 ? r.Texto(1) : "") << caso.saidas;
  }
}

// The report of n records whose output is valor(s), from inicio to 31/12 at 23 h.
std::string Esperado(const TTempo& inicio, int intervalo, int n, Valores valor) {
  const TTempo fim{23, 0, 12, 31, {}};
  return Relatorio_Zona(inicio, fim, intervalo, {Saida_Controlador(valor)}, Relogio::Carimbo)
      .Texto(n);
}

// A stamp on the first line, then on each line that starts another whole
// hour of samples, naming that hour (across the new year): a 600 s stream
// stamps every sixth line, one of 7200 s moves two hours per line, and one of
// 700 s stamps when 36 samples make seven whole hours. A truncated last
// record is dropped; an index outside the record writes nothing.
TEST_F(ControllerOutputsTest, StampsEachWholeHourOfSamples) {
  inicio = {22, 0, 12, 31, {}};
  EXPECT_EQ(Relatorio(13, 600, 2, Bytes("\0\0\0\x40\0\0", 6)),
            Esperado(inicio, 600, 13, [](int s) { return s / 2.0f; }));
  inicio = {5, 0, 3, 2, {}};
  const Valores indice = [](int s) { return float(s); };
  EXPECT_EQ(Relatorio(3, 7200, 1), Esperado(inicio, 7200, 3, indice));
  EXPECT_EQ(Relatorio(38, 700, 0), Esperado(inicio, 700, 38, [](int) { return 2.0f; }));
  // A year less one hour per sample moves the clock back one hour per line.
  EXPECT_EQ(Relatorio(3, 31532400, 1), Esperado(inicio, 31532400, 3, indice));
  EXPECT_EQ(Relatorio(2, 600, 3) + Relatorio(2, 600, -1), "");
}

// The occupancy report: each record's count shown whole beside its value,
// hourly averages of both, a negative count kept, a partial last record
// giving no line, and nothing at all without a start or an end.
TEST_F(ControllerOutputsTest, OccupancyCountsBesideTheirValuesWithHourlyAverages) {
  int n = geren->Abre_Arquivo(Caminho("p.bin").c_str(), "wb");
  const struct {
    int pessoas;
    float valor;
  } registros[] = {{2, 150.0f}, {3, 225.5f}, {-1, 0.25f}, {40000, 7.0f}};
  for (const auto& r : registros) geren->Grava_Pessoas_no_Ambiente(n, r.pessoas, r.valor);
  geren->Fecha_Todos();
  Escreve_Arquivo(Caminho("p.bin"), Le_Arquivo(Caminho("p.bin")) + "\x05\x00\x00");
  TTempo inicio, fim;
  fim.Hora = 23, fim.Mes = 12, fim.Dia = 31;
  for (bool com_tempos : {true, false}) {
    geren->Fecha_Todos();
    ASSERT_EQ(geren->Abre_Arquivo(Caminho("p.bin").c_str(), "rb"), 1);
    ASSERT_EQ(geren->Abre_Arquivo(Caminho("p.txt").c_str(), "wt"), 2);
    geren->Converte_Binario_Texto_Pessoas(1, 2, com_tempos ? &inicio : nullptr, &fim, 1800);
    geren->Fecha_Todos();
    const auto colunas = Ocupacao([&](int s) { return registros[s].pessoas; },
                                  [&](int s) { return registros[s].valor; });
    EXPECT_EQ(Le_Arquivo(Caminho("p.txt")),
              com_tempos ? Relatorio_Zona(inicio, fim, 1800, colunas).Texto(4) : "");
  }
}

}  // namespace
