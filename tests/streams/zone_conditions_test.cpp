// Zone condition streams: record layouts, short reads, and whole reports
// compared byte for byte.
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "support/fixture.h"
#include "support/relatorios.h"

namespace {

// A zone report from 1/1 0 h to 31/12 23 h of the given columns.
Relatorio_Amostrado Zona(int intervalo, const std::vector<Coluna_Amostrada>& colunas) {
  return Relatorio_Zona({0, 0, 1, 1, {}}, {23, 0, 12, 31, {}}, intervalo, colunas);
}

class ZoneConditionsTest : public ArqauxTest {
 protected:
  void SetUp() override {
    ArqauxTest::SetUp();
    fim.Hora = 23, fim.Mes = 12, fim.Dia = 31;
    n = geren->Abre_Arquivo(Caminho("z.bin").c_str(), "wb");
  }
  // Reopens z.bin as stream 1 from byte pular, then the report as stream 2.
  void Reabre(long pular = 0) {
    geren->Fecha_Todos();
    ASSERT_EQ(geren->Abre_Arquivo(Caminho("z.bin").c_str(), "rb"), 1);
    std::fseek(geren->ObtemArquivo(), pular, SEEK_SET);
    ASSERT_EQ(geren->Abre_Arquivo(Caminho("z.txt").c_str(), "wt"), 2);
  }
  // The report that converte() writes from z.bin (stream 1) to stream 2.
  std::string Relatorio(const std::function<void()>& converte, long pular = 0) {
    Reabre(pular);
    converte();
    geren->Fecha_Todos();
    return Le_Arquivo(Caminho("z.txt"));
  }
  std::string ATS(bool presente, bool eh_ats, int intervalo) {
    return Relatorio([&] {
      geren->Converte_Binario_Texto_ATS_ACE(1, 2, presente, eh_ats, &inicio, &fim, intervalo);
    });
  }
  // Has-flags of temperature, humidity and comfort, then show-flags.
  std::string TUPMV(bool t, bool u, bool c, bool mt, bool mu, bool mc, int intervalo, long pular) {
    return Relatorio(
        [&] {
          geren->Converte_Binario_Texto_TUPMV(1, 2, t, u, c, mt, mu, mc, &inicio, &fim, intervalo);
        },
        pular);
  }

  TTempo inicio, fim;
  int n = 0;
};

// The flags of a call decide the record: 24 bytes interior temperature,
// climate 1, interior humidity, climate 2, PMV, PPD; comfort alone 8 bytes.
// Grava_ACS takes exterior first and stores operative first. A short read
// keeps the floats that arrived whole.
TEST_F(ZoneConditionsTest, RecordsFollowTheirFlagsAndShortReadsKeepWholeFloats) {
  TReg_Climatico clima = {31.0f, 0.75f, 0, 0, 0, 0};
  geren->Preenche_Cabecalho_Temp_Umi(n, true, false, true, 0x01020304);
  geren->Grava_Temp_Umi(n, true, 21.0f, true, 0.5f, true, -0.5f, 10.0f, &clima);
  geren->Grava_Temp_Umi(n, false, 9.0f, false, 9.0f, true, 1.5f, 50.0f, &clima);
  geren->Grava_Temp_Umi(n, false, 9.0f, false, 9.0f, false, 9.0f, 9.0f, &clima);
  geren->Grava_ACS(n, 30.0f, 25.0f);
  geren->Fecha_Todos();
  const std::string registros = std::string("\x04\x03\x02\x01\x01\x00\x01", 7) +
                                Reais({21, 31, 0.5f, 0.75f, -0.5f, 10, 1.5f, 50, 25, 30});
  EXPECT_EQ(Le_Arquivo(Caminho("z.bin")), registros);
  Escreve_Arquivo(Caminho("z.bin"), registros + Reais({22, 33, 0.25f}) + "\x01\x02");

  Reabre(ARQAUX_TAM_CABECALHO_TEMP_UMI);
  float v[6] = {}, acs[2] = {};
  EXPECT_TRUE(geren->Le_Temp_Umi(1, true, &v[0], true, &v[2], true, &v[4], &v[5], &v[1], &v[3]));
  EXPECT_EQ(std::vector<float>(v, v + 6), std::vector<float>({21, 31, 0.5f, 0.75f, -0.5f, 10}));
  EXPECT_TRUE(geren->Le_Temp_Umi(1, false, &v[0], false, &v[2], true, &v[4], &v[5], &v[1], &v[3]));
  EXPECT_TRUE(geren->Le_ACS(1, &acs[0], &acs[1]));
  EXPECT_EQ(std::vector<float>({v[4], v[5], acs[0], acs[1]}),
            std::vector<float>({1.5f, 50, 25, 30}));
  v[3] = -1;
  EXPECT_FALSE(geren->Le_Temp_Umi(1, true, &v[0], true, &v[2], true, &v[4], &v[5], &v[1], &v[3]));
  EXPECT_EQ(std::vector<float>(v, v + 4), std::vector<float>({22, 33, 0.25f, -1}));
  float pv[ARQAUX_VALORES_PV];
  EXPECT_FALSE(geren->Le_ATS_ACE(1, true, v) || geren->Le_PV(1, true, pv));
  EXPECT_TRUE(geren->Le_ATS_ACE(1, false, v) && geren->Le_PV(1, false, pv));
}

// Seven samples of 600 s: the sixth line closes the hour with the means of
// the six, the seventh starts the next hour.
TEST_F(ZoneConditionsTest, TUPMVReportAveragesEveryHour) {
  geren->Preenche_Cabecalho_Temp_Umi(n, true, true, true, 0);
  TReg_Climatico clima = {5.0f, 0.9f, 0, 0, 0, 0};
  for (int i = 0; i < 7; ++i) {
    geren->Grava_Temp_Umi(n, true, 20.0f + 0.5f * i, true, 0.5f + 0.125f * i, true,
                          -1.0f + 0.5f * i, 10.0f + i, &clima);
  }
  auto colunas = Conforto([](int s) { return -1.0f + 0.5f * s; }, [](int s) { return 10.0f + s; });
  colunas.insert(colunas.begin(), {Temperatura_Interna([](int s) { return 20.0f + 0.5f * s; }),
                                   Umidade_Interna([](int s) { return 0.5f + 0.125f * s; })});
  EXPECT_EQ(TUPMV(true, true, true, true, true, true, 600, ARQAUX_TAM_CABECALHO_TEMP_UMI),
            Zona(600, colunas).Texto(7));
}

// Has-flags give the record layout, show-flags the columns: a held group
// hidden, and a group shown but not held, print nothing, not even in the
// averages.
TEST_F(ZoneConditionsTest, TUPMVShowsOnlyHeldGroups) {
  for (int i = 0; i < 2; ++i) geren->Grava_Temp_Umi(n, true, 20 + i, false, 0, true, i, 5, nullptr);
  EXPECT_EQ(
      TUPMV(true, false, true, false, true, true, 1800, 0),
      Zona(1800, Conforto([](int s) { return float(s); }, [](int) { return 5.0f; })).Texto(2));
  // No group held: the reader would succeed forever without reading.
  EXPECT_EQ(TUPMV(false, false, false, true, true, true, 1800, 0), Zona(1800, {}).Texto(0));
}

// An interval that does not divide the hour, or of a whole hour, gives no
// averages; a stream with no value, or no record, gives the head only.
TEST_F(ZoneConditionsTest, ATSReportsWithoutAveragesAndWithoutData) {
  for (int i = 0; i < 3; ++i) geren->Grava_ATS_ACE(n, true, 0.25f * i);
  geren->Grava_ATS_ACE(n, false, 99.0f);
  const Valores quartos = [](int s) { return 0.25f * s; };
  EXPECT_EQ(ATS(true, true, 1300), Zona(1300, {Sensacao(true, quartos)}).Texto(3));
  Escreve_Arquivo(Caminho("z.bin"), Reais({0.25f, 1.5f}));
  EXPECT_EQ(ATS(true, false, 3600),
            Zona(3600, {Sensacao(false, [](int s) { return s ? 1.5f : 0.25f; })}).Texto(2));
  EXPECT_EQ(ATS(false, true, 600), Zona(600, {Sensacao(true, quartos)}).Texto(0));
  Escreve_Arquivo(Caminho("z.bin"), "");
  EXPECT_EQ(ATS(true, true, 600), Zona(600, {Sensacao(true, quartos)}).Texto(0));
}

// The operative temperature comes first and alone is averaged; a partial
// last record ends the report.
TEST_F(ZoneConditionsTest, OperativeExteriorReportAndTruncatedLastRecord) {
  geren->Grava_ACS(n, 30.0f, 25.0f);
  geren->Grava_ACS(n, 31.0f, 26.0f);
  geren->Fecha_Todos();
  Escreve_Arquivo(Caminho("z.bin"), Le_Arquivo(Caminho("z.bin")) + Reais({27.0f}));
  EXPECT_EQ(Relatorio([&] { geren->Converte_Binario_Texto_ACS(1, 2, &inicio, &fim, 1800); }),
            Zona(1800, Operativa_Externa([](int s) { return 25.0f + s; },
                                         [](int s) { return 30.0f + s; }))
                .Texto(2));
}

TEST_F(ZoneConditionsTest, PVReportHasSevenColumnsUnderFiveLabels) {
  const float a[7] = {1, 2, 3, 4, 5, 6, 7};
  const float b[7] = {2, 3, 4, 5, 6, 7, 8.5f};
  geren->Grava_PV(n, true, a);
  geren->Grava_PV(n, false, a);
  geren->Grava_PV(n, true, b);
  EXPECT_EQ(Relatorio([&] { geren->Converte_Binario_Texto_PV(1, 2, true, &inicio, &fim, 1800); }),
            Zona(1800, Fotovoltaico([&](int s, int i) { return s ? b[i] : a[i]; })).Texto(2));
}

}  // namespace
