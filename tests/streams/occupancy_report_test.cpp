// The occupancy report: each record's count shown whole beside its value,
// hourly averages of both, a negative count kept, a partial last record
// giving no line, and nothing at all without a start or an end.
#include <string>

#include "support/fixture.h"

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
    EXPECT_EQ(Le_Arquivo(Caminho("p.txt")),
              !com_tempos ? ""
                          : "[Inicio: 1/1 as 0:00:00 - Fim: 31/12 as 23:59:59 h]\n"
                            "[Intervalo de Amostragem = 1800 s]\n"
                            "[Pessoas]  [Valor]   [M\xEAs]  [Dia]  [Hora]\n"
                            "2\t150.00\t  1     1      00:30:00\n"
                            "3\t225.50\t  1     1      01:00:00\t(Media da Hora : [2.50\t187.75]\n"
                            "-1\t0.25\t  1     1      01:30:00\n"
                            "40000\t7.00\t  1     1      02:00:00\t(Media da Hora : "
                            "[19999.50\t3.62]\n");
  }
}

}  // namespace
