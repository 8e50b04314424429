// Shading, radiation, flux and mould streams: record offsets, hostile
// headers, and the flux, daily moisture and mould reports compared whole.
#include <climits>
#include <filesystem>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "envelope/bytes.h"
#include "support/fixture.h"

namespace {

// 2^-20: a vapour flux whose multiples times 10^6 are exact floats.
constexpr float kV = 1.0f / 1048576.0f;
const char kM2[] = " m\xB2\n";

std::string Periodo(const char* inicio, const char* fim, int intervalo) {
  return std::string("[Inicio: ") + inicio + " - Fim: " + fim +
         " h]\n[Intervalo de Amostragem = " + std::to_string(intervalo) + " s]\n";
}

// The heading of both flux reports of a region, and the moisture columns.
std::string Cabeca_Fluxo(const char* regiao, int intervalo) {
  return Periodo("1/1 as 22:00:00", "2/1 as 0:59:59", intervalo) + regiao + kM2;
}
const char kUmidade[] = "[Dia/Mes] [Umidade Adsorvida] [Umidade Dessorvida] (mg/m2-dia) \n\n";

class SurfaceStreamsTest : public ArqauxTest {
 protected:
  // A surface stream: N areas, then the records, as stream 1 opened "rb".
  int Abre(const std::vector<float>& areas, const std::vector<float>& registros) {
    Escreve_Arquivo(Caminho("s.bin"), Inteiros({static_cast<uint32_t>(areas.size())}) +
                                          Reais(areas) + Reais(registros));
    return geren->Abre_Arquivo(Caminho("s.bin").c_str(), "rb");
  }
  std::string Converte_Fluxo(int regiao, bool calor, bool vapor, int intervalo,
                             bool esperado = true) {
    char origem[300], prefixo[300];
    std::snprintf(origem, sizeof origem, "%s", Caminho("s.bin").c_str());
    std::snprintf(prefixo, sizeof prefixo, "%s", Caminho("r").c_str());
    EXPECT_EQ(geren->Converte_Binario_Texto_FluxosCV(origem, prefixo, regiao, calor, vapor, &inicio,
                                                     &fim, intervalo),
              esperado);
    EXPECT_EQ(geren->Numero_Arquivos(), 0);
    return Le_Arquivo(Caminho("rFLW.txt")) + "|" + Le_Arquivo(Caminho("rMTR.txt"));
  }

  TTempo inicio{22, 0, 1, 1, {}}, fim{0, 0, 1, 2, {}};
};

// Each value is its own float index after the header, so a read names where
// it started.
TEST_F(SurfaceStreamsTest, ReadersFindEachSurfaceAndStep) {
  struct Caso {
    const char* nome;
    std::function<bool(float*)> le;
    std::vector<float> esperado;  // empty: the read fails
  };
  const float x = -1;
  auto* g = geren;
  const Caso casos[] = {
      // N = 3, step 2: byte 4 + 12 + 48 = 64, float 12.
      {"shading",
       [g](float* v) { return g->Le_Proj_Sombras_Parede(1, 3, 2, v); },
       {12, 13, 14, 15, 16, 17}},
      {"shading past the end", [g](float* v) { return g->Le_Proj_Sombras_Parede(1, 3, 4, v); }, {}},
      // k = 3, N = 3, region 2, step 1: byte 4 + 12 + 12 * 4 = 64.
      {"flux",
       [g](float* v) { return g->Le_Fluxos_CalorVapor_Parede(1, 3, 2, 1, 1, 1, v); },
       {12, 13, 14, x}},
      {"vapour only",
       [g](float* v) { return g->Le_Fluxos_CalorVapor_Parede(1, 3, 3, 2, 0, 1, v); },
       {x, x, 8, x}},
      {"heat only",
       [g](float* v) { return g->Le_Fluxos_CalorVapor_Parede(1, 3, 1, 1, 1, 0, v); },
       {6, 7, x, x}},
      {"no flux",
       [g](float* v) { return g->Le_Fluxos_CalorVapor_Parede(1, 3, 1, 9, 0, 0, v); },
       {x, x, x, x}},
      {"mould", [g](float* v) { return g->Le_Mofo(1, 3, 3, 5, true, v); }, {17, x, x, x}},
      {"no mould", [g](float* v) { return g->Le_Mofo(1, 3, 3, 5, false, v); }, {x, x, x, x}},
      {"region 0", [g](float* v) { return g->Le_Mofo(1, 3, 0, 1, true, v); }, {}},
      {"region N + 1", [g](float* v) { return g->Le_Mofo(1, 3, 4, 0, true, v); }, {}},
      {"step -1", [g](float* v) { return g->Le_Mofo(1, 3, 1, -1, true, v); }, {}},
      {"step past the end", [g](float* v) { return g->Le_Mofo(1, 3, 1, 6, true, v); }, {}},
      {"huge step",
       [g](float* v) { return g->Le_Fluxos_CalorVapor_Parede(1, INT_MAX, 1, INT_MAX, 1, 1, v); },
       {}},
      {"no surfaces", [g](float* v) { return g->Le_Proj_Sombras_Parede(1, 0, 0, v); }, {}},
  };
  Abre({1, 2, 3}, Sequencia(18));
  for (const Caso& c : casos) {
    std::vector<float> v(c.esperado.empty() ? 8 : c.esperado.size(), x);
    EXPECT_EQ(c.le(v.data()), !c.esperado.empty()) << c.nome;
    if (!c.esperado.empty()) {
      EXPECT_EQ(v, c.esperado) << c.nome;
    }
  }
}

TEST_F(SurfaceStreamsTest, WritersAppendRecordsAndHeadersRefuseHostileCounts) {
  const int n = geren->Abre_Arquivo(Caminho("w.bin").c_str(), "wb");
  float radiacao[] = {4, 5, 6};
  geren->Grava_Proj_Sombras_Parede(n, 1, 2);
  geren->Grava_Radiacoes_Parede(n, radiacao);
  geren->Grava_Proj_Sombras_Parede(n, 3, -0.5f);
  geren->Fecha_Todos();
  EXPECT_EQ(Le_Arquivo(Caminho("w.bin")), Reais({1, 2, 4, 5, 6, 3, -0.5f}));
  geren->Abre_Arquivo(Caminho("w.bin").c_str(), "rb");
  float v[8] = {};
  EXPECT_TRUE(geren->Le_Radiacoes_Parede(2, v) && geren->Le_Radiacoes_Parede(0, nullptr));
  EXPECT_EQ(std::vector<float>(v, v + 7), std::vector<float>({1, 2, 4, 5, 6, 3, 0}));
  EXPECT_FALSE(geren->Le_Radiacoes_Parede(1, v) || geren->Le_Radiacoes_Parede(-1, v));
  geren->Fecha_Todos();

  struct Caso {
    std::string arquivo;
    int n;
    size_t maior;  // the largest allocation
  };
  const Caso casos[] = {
      {Inteiros({2}) + Reais({7.5f, 8}), 2, 8},        {Inteiros({0}) + Reais({7.5f}), 0, 0},
      {Inteiros({0xffffffffu}) + Reais({7.5f}), 0, 0}, {Inteiros({3}) + Reais({7.5f, 8}), 0, 0},
      {Inteiros({0x40000000}) + Reais({7.5f}), 0, 0},  {"\x01\x00", 0, 0},
  };
  for (const Caso& c : casos) {
    for (bool fluxo : {false, true}) {
      Escreve_Arquivo(Caminho("h.bin"), c.arquivo);
      geren->Abre_Arquivo(Caminho("h.bin").c_str(), "rb");
      float* areas = v;
      TConta_Alocacao conta;
      EXPECT_EQ(fluxo ? geren->Le_Cabecalho_Fluxo_CalorVapor(&areas)
                      : geren->Le_Cabecalho_Proj_Sombras(&areas),
                c.n)
          << c.arquivo.size();
      EXPECT_EQ(TConta_Alocacao::Maior(), c.maior) << c.arquivo.size();
      EXPECT_EQ(areas == nullptr, c.n == 0);
      if (c.n > 0) {
        EXPECT_EQ(std::vector<float>(areas, areas + 2), std::vector<float>({7.5f, 8}));
      }
      delete[] areas;
      geren->Fecha_Todos();
    }
  }
}

// Region 2 of two, heat and vapour, 900 s from 1/1 22:00: an average every
// fourth line, and the day's moisture on the line after which the clock shows
// 23:45, from the records before it (zero counted as adsorbed).
TEST_F(SurfaceStreamsTest, FluxReportAndDailyMoisture) {
  struct Linha {
    float sensivel, latente;
    int vapor;  // in units of kV
    const char* texto;
  };
  const Linha linhas[] = {
      {0.5f, -0.25f, 1, "0.50000 \t\t-0.25000    \t 0.95367 \t  1     1      22:15:00"},
      {1, -0.5f, -2, "1.00000 \t\t-0.50000    \t -1.90735 \t  1     1      22:30:00"},
      {1.5f, -0.75f, 0, "1.50000 \t\t-0.75000    \t 0.00000 \t  1     1      22:45:00"},
      {2, -1, 3,
       "2.00000 \t\t-1.00000    \t 2.86102 \t  1     1      23:00:00"
       "\t(Media da Hora : [1.25000 \t-0.62500    0.47684]"},
      {2.5f, -1.25f, -1, "2.50000 \t\t-1.25000    \t -0.95367 \t  1     1      23:15:00"},
      {3, -1.5f, 4, "3.00000 \t\t-1.50000    \t 3.81470 \t  1     1      23:30:00"},
      {3.5f, -1.75f, 2, "3.50000 \t\t-1.75000    \t 1.90735 \t  1     1      23:45:00"},
      {4, -2, -3,
       "4.00000 \t\t-2.00000    \t -2.86102 \t  1     2      00:00:00"
       "\t(Media da Hora : [3.25000 \t-1.62500    0.47684]"},
      {4.5f, -2.25f, 5, "4.50000 \t\t-2.25000    \t 4.76837 \t  1     2      00:15:00"},
  };
  std::string esperado = Cabeca_Fluxo("Regiao 2 -> 7.25", 900) +
                         "[Calor_S]       [Calor_L]     [ Vapor ]  [M\xEAs]  [Dia]  [Hora]\n";
  for (const Linha& l : linhas) esperado += std::string(l.texto) + "\n";
  const std::string umidade = Cabeca_Fluxo("Regiao 2 -> 7.25", 900) + kUmidade;
  // The stream of the flags given: region 1 of each step holds 99s.
  auto grava = [&](bool calor, bool vapor) {
    std::vector<float> registros;
    for (const Linha& l : linhas) {
      for (float v : {99.0f, l.sensivel}) {
        if (calor) registros.insert(registros.end(), {v, v == 99 ? v : l.latente});
        if (vapor) registros.push_back(v == 99 ? v : l.vapor * kV);
      }
    }
    Abre({1, 7.25f}, registros);
    geren->Fecha_Todos();
  };
  grava(true, true);
  EXPECT_EQ(Converte_Fluxo(2, true, true, 900),
            esperado + "|" + umidade + "1/1\t 7.62939 \t -2.86102 \n");

  // Without the vapour flag the daily line holds zeros; without any flag
  // the reports end after their headers.
  grava(true, false);
  const std::string so_calor = Converte_Fluxo(2, true, false, 900);
  EXPECT_NE(so_calor.find("2.00000 \t\t-1.00000    \t  1     1      23:00:00"
                          "\t(Media da Hora : [1.25000 \t-0.62500    ]\n"),
            std::string::npos);
  EXPECT_EQ(so_calor.substr(so_calor.find('|')), "|" + umidade + "1/1\t 0.00000 \t 0.00000 \n");
  EXPECT_EQ(Converte_Fluxo(1, false, false, 900),
            Cabeca_Fluxo("Regiao 1 -> 1.00", 900) + " [M\xEAs]  [Dia]  [Hora]\n|" +
                Cabeca_Fluxo("Regiao 1 -> 1.00", 900) + kUmidade);
  // An hour per record: no average, the day's line after the clock shows 23:00.
  grava(false, true);
  const std::string vapor = Cabeca_Fluxo("Regiao 2 -> 7.25", 3600) +
                            "    [ Vapor ]  [M\xEAs]  [Dia]  [Hora]\n"
                            "\t 0.95367 \t  1     1      23:00:00\n"
                            "\t -1.90735 \t  1     2      00:00:00\n"
                            "\t 0.00000 \t  1     2      01:00:00\n"
                            "\t 2.86102 \t  1     2      02:00:00\n"
                            "\t -0.95367 \t  1     2      03:00:00\n"
                            "\t 3.81470 \t  1     2      04:00:00\n"
                            "\t 1.90735 \t  1     2      05:00:00\n"
                            "\t -2.86102 \t  1     2      06:00:00\n"
                            "\t 4.76837 \t  1     2      07:00:00\n";
  EXPECT_EQ(Converte_Fluxo(2, false, true, 3600), vapor + "|" +
                                                      Cabeca_Fluxo("Regiao 2 -> 7.25", 3600) +
                                                      kUmidade + "1/1\t 0.00000 \t 0.00000 \n");
}

// Across two day ends each day's line sums that day's vapour flux alone:
// hourly records, every fourth desorbing twice what the others adsorb.
TEST_F(SurfaceStreamsTest, DailyMoistureStartsEachDayAtZero) {
  std::vector<float> registros;
  for (int k = 0; k < 49; ++k) registros.insert(registros.end(), {99, (k % 4 == 0 ? -2 : 1) * kV});
  Abre({1, 7.25f}, registros);
  geren->Fecha_Todos();
  const std::string r = Converte_Fluxo(2, false, true, 3600);
  EXPECT_EQ(r.substr(r.find('|') + 1), Cabeca_Fluxo("Regiao 2 -> 7.25", 3600) + kUmidade +
                                           "1/1\t 0.00000 \t 0.00000 \n"
                                           "2/1\t 17.16614 \t -11.44409 \n"
                                           "3/1\t 17.16614 \t -11.44409 \n");
}

TEST_F(SurfaceStreamsTest, FluxConversionRefusalsCloseWhatTheyOpened) {
  Abre({1, 2}, Sequencia(12));
  geren->Fecha_Todos();
  char origem[300], longo[400], ausente[] = "/nonexistent/x.bin", prefixo[300];
  std::snprintf(origem, sizeof origem, "%s", Caminho("s.bin").c_str());
  std::snprintf(prefixo, sizeof prefixo, "%s", Caminho("r").c_str());
  std::snprintf(longo, sizeof longo, "%s/%0300d", dir.c_str(), 0);
  // Regions 0 and N + 1, a missing source, a prefix too long, no start.
  const std::tuple<char*, char*, int, TTempo*> casos[] = {{origem, prefixo, 0, &inicio},
                                                          {origem, prefixo, 3, &inicio},
                                                          {ausente, prefixo, 1, &inicio},
                                                          {origem, longo, 1, &inicio},
                                                          {origem, prefixo, 1, nullptr}};
  for (const auto& [o, p, regiao, de] : casos) {
    EXPECT_FALSE(geren->Converte_Binario_Texto_FluxosCV(o, p, regiao, true, true, de, &fim, 900))
        << o << " " << p << " " << regiao;
  }
  EXPECT_EQ(geren->Numero_Arquivos(), 0);
  EXPECT_FALSE(std::filesystem::exists(Caminho("rFLW.txt")));
}

// Region 2 of three, from a start at 5:30; the last step is cut after the
// region and still gives its line.
TEST_F(SurfaceStreamsTest, MouldReport) {
  std::vector<float> registros;
  for (int s = 0; s < 5; ++s) registros.insert(registros.end(), {9, 0.5f * s + 0.0625f, 9});
  registros.insert(registros.end(), {9, 7});
  const int origem = Abre({1, 2.5f, 3}, registros);
  const int destino = geren->Abre_Arquivo(Caminho("m.txt").c_str(), "wt");
  TTempo de{5, 1800, 6, 30, {}};
  EXPECT_FALSE(geren->Converte_Binario_Texto_Mofo(origem, destino, 4, true, &de, &fim, 900));
  EXPECT_FALSE(geren->Converte_Binario_Texto_Mofo(origem, 3, 2, true, &de, &fim, 900));
  geren->Muda_Arquivo(origem);
  std::fseek(geren->ObtemArquivo(), 0, SEEK_SET);
  EXPECT_TRUE(geren->Converte_Binario_Texto_Mofo(origem, destino, 2, true, &de, &fim, 900));
  geren->Muda_Arquivo(origem);
  std::fseek(geren->ObtemArquivo(), 0, SEEK_SET);
  EXPECT_TRUE(geren->Converte_Binario_Texto_Mofo(origem, destino, 2, false, &de, &fim, 900));
  geren->Fecha_Todos();
  const std::string cabeca =
      Periodo("30/6 as 5:00:00", "2/1 as 0:59:59", 900) + "Regiao 2 -> 2.50" + kM2;
  EXPECT_EQ(Le_Arquivo(Caminho("m.txt")),
            cabeca + "[MGR]  [M\xEAs]  [Dia]  [Hora]\n" +
                "0.0625    \t  6     30      05:45:00\n"
                "0.5625    \t  6     30      06:00:00\n"
                "1.0625    \t  6     30      06:15:00\n"
                "1.5625    \t  6     30      06:30:00\t(Media da Hora : [0.8125]\n"
                "2.0625    \t  6     30      06:45:00\n"
                "7.0000    \t  6     30      07:00:00\n" +
                cabeca + " [M\xEAs]  [Dia]  [Hora]\n");
}

}  // namespace
