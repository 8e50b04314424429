// The occupancy report: each record's count shown whole beside its value,
// hourly averages of both, a negative count kept, a partial last record
// giving no line, and nothing at all without a start or an end.
#include <string>

#include "support/fixture.h"
#include "support/relatorios.h"

namespace {

using OccupancyReportTest = ArqauxTest;

TEST_F(OccupancyReportTest, CountsBesideTheirValuesWithHourlyAverages) {
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
