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
#include "support/relatorios.h"

namespace {

// 2^-20: a vapour flux whose multiples times 10^6 are exact floats.
constexpr float kV = 1.0f / 1048576.0f;
const char kM2[] = " m\xB2\n";

const TTempo kInicio{22, 0, 1, 1, {}}, kFim{0, 0, 1, 2, {}};

// The flux report of a region from 1/1 22 h as documented: sensible and
// latent heat, the vapour flux x 10^6.
Relatorio_Amostrado Fluxos(const char* regiao, int intervalo, bool calor, bool vapor, Valores s,
                           Valores l, Valores v) {
  Relatorio_Amostrado r{"", kInicio, kFim, intervalo, Relogio::Tabulado, {}};
  if (calor) {
    r.colunas = {{"[Calor_S]       ", s, "%.5f \t\t", "%.5f \t"},
                 {"[Calor_L] ", l, "%.5f    ", "%.5f    "}};
  }
  if (vapor) r.colunas.push_back({"    [ Vapor ] ", v, "\t %.5f ", "%.5f", 1000000.0f});
  r.antes_rotulos = std::string(regiao) + kM2;
  r.depois_rotulos = " ";
  return r;
}
// The heading of both flux reports of a region, and the moisture columns.
std::string Cabeca_Fluxo(const char* regiao, int intervalo) {
  return Periodo_Amostrado(kInicio, kFim, intervalo) + regiao + kM2;
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
  // Sensible and latent heat, and the vapour flux in units of kV.
  const float sensivel[] = {0.5f, 1, 1.5f, 2, 2.5f, 3, 3.5f, 4, 4.5f};
  const int vapor[] = {1, -2, 0, 3, -1, 4, 2, -3, 5};
  const Valores s = [&](int k) { return sensivel[k]; }, l = [&](int k) { return -sensivel[k] / 2; },
                v = [&](int k) { return vapor[k] * kV; };
  const std::string umidade = Cabeca_Fluxo("Regiao 2 -> 7.25", 900) + kUmidade;
  // The stream of the flags given: region 1 of each step holds 99s.
  auto grava = [&](bool calor, bool com_vapor) {
    std::vector<float> registros;
    for (int k = 0; k < 9; ++k) {
      for (float x : {99.0f, sensivel[k]}) {
        if (calor) registros.insert(registros.end(), {x, x == 99 ? x : l(k)});
        if (com_vapor) registros.push_back(x == 99 ? x : v(k));
      }
    }
    Abre({1, 7.25f}, registros);
    geren->Fecha_Todos();
  };
  grava(true, true);
  EXPECT_EQ(Converte_Fluxo(2, true, true, 900),
            Fluxos("Regiao 2 -> 7.25", 900, true, true, s, l, v).Texto(9) + "|" + umidade +
                "1/1\t 7.62939 \t -2.86102 \n");

  // Without the vapour flag the daily line holds zeros; without any flag
  // the reports end after their headers.
  grava(true, false);
  EXPECT_EQ(Converte_Fluxo(2, true, false, 900),
            Fluxos("Regiao 2 -> 7.25", 900, true, false, s, l, v).Texto(9) + "|" + umidade +
                "1/1\t 0.00000 \t 0.00000 \n");
  EXPECT_EQ(Converte_Fluxo(1, false, false, 900),
            Fluxos("Regiao 1 -> 1.00", 900, false, false, s, l, v).Texto(0) + "|" +
                Cabeca_Fluxo("Regiao 1 -> 1.00", 900) + kUmidade);
  // An hour per record: no average, the day's line after the clock shows 23:00.
  grava(false, true);
  EXPECT_EQ(Converte_Fluxo(2, false, true, 3600),
            Fluxos("Regiao 2 -> 7.25", 3600, false, true, s, l, v).Texto(9) + "|" +
                Cabeca_Fluxo("Regiao 2 -> 7.25", 3600) + kUmidade + "1/1\t 0.00000 \t 0.00000 \n");
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
  Relatorio_Amostrado mofo{"", de, fim, 900, Relogio::Tabulado, {}};
  mofo.antes_rotulos = std::string("Regiao 2 -> 2.50") + kM2;
  mofo.depois_rotulos = " ";
  const std::string sem_coluna = mofo.Texto(0);
  mofo.colunas = {
      {"[MGR] ", [](int s) { return s < 5 ? 0.5f * s + 0.0625f : 7; }, "%.4f    ", "%.4f"}};
  EXPECT_EQ(Le_Arquivo(Caminho("m.txt")), mofo.Texto(6) + sem_coluna);
}

}  // namespace
