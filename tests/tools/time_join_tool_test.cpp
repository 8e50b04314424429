// One time rule across the files of a run: every row is stamped at the end
// of the interval it describes, so that files of one run join on the
// timestamp alone. A year of one zone at half-hour steps is exported to CSV
// and the quantities two files share are joined on the timestamp: the zone
// air temperature of the zone stream and of the load lines (both seasons'
// files), and the climate's dry-bulb temperature and the zone stream's
// outdoor temperature at every hour's end. A carpet plot draws each row over
// the interval that ends at its stamp.
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/fixture.h"

namespace {

namespace fs = std::filesystem;

const std::string TOOL = ARQAUX_TOOL_PATH;

// The columns joined, as the export names them.
const char* const COLUNA_TEMPO = "time";
const struct TColuna_Juncao {
  const char* arquivo;
  const char* coluna;
} ZONA_AR = {"zona1_temp_umi.bin", "zone_air_temperature [°C]"},
  ZONA_EXTERNA = {"zona1_temp_umi.bin", "exterior_air_temperature [°C]"},
  CARGAS[] = {{"zona1_carga_inverno.txt", "zone_air_temperature [°C]"},
              {"zona1_carga_verao.txt", "zone_air_temperature [°C]"}},
  CLIMA = {"clima.bin", "exterior_air_temperature [°C]"};
// Load lines print the zone temperature with two decimals.
constexpr double MEIA_UNIDADE_CARGA = 0.005;

using TSerie_Tempo = std::map<std::string, double>;

std::vector<std::string> Campos(std::string linha) {
  if (!linha.empty() && linha.back() == '\r') linha.pop_back();
  std::vector<std::string> campos;
  std::istringstream in(linha);
  for (std::string campo; std::getline(in, campo, ',');) campos.push_back(campo);
  return campos;
}

// A file's CSV export: the heading's fields, then each row's.
struct TTabela {
  std::vector<std::string> cabecalho;
  std::vector<std::vector<std::string>> linhas;

  size_t Indice(const std::string& nome) const {
    return std::find(cabecalho.begin(), cabecalho.end(), nome) - cabecalho.begin();
  }
  // Column nome by timestamp; an unknown name fails the test.
  TSerie_Tempo Serie(const std::string& nome) const {
    const size_t tempo = Indice(COLUNA_TEMPO), valor = Indice(nome);
    TSerie_Tempo serie;
    EXPECT_LT(std::max(tempo, valor), cabecalho.size()) << nome;
    for (size_t r = 0; r < linhas.size() && std::max(tempo, valor) < cabecalho.size(); ++r) {
      serie[linhas[r].at(tempo)] = std::strtod(linhas[r].at(valor).c_str(), nullptr);
    }
    return serie;
  }
  std::string Tempo(size_t r) const { return linhas.at(r).at(Indice(COLUNA_TEMPO)); }
};

// A year of one zone at half-hour steps, run once for the suite.
class TimeJoinTool : public ArqauxTest {
 protected:
  static void SetUpTestSuite() {
    pasta_ = (fs::temp_directory_path() / ("arqaux-tempo-" + std::to_string(getpid()))).string();
    std::string saida;
    ASSERT_EQ(
        Executa(TOOL + " sample " + pasta_ + " --zones 1 --interval 1800 --hvac-interval 86400",
                &saida),
        0)
        << saida;
  }
  static void TearDownTestSuite() { fs::remove_all(pasta_); }

  // File arquivo of the run exported with the options given.
  TTabela Exporta(const std::string& arquivo, const std::string& opcoes = "") {
    const std::string csv = Caminho("exportado.csv");
    std::string saida;
    EXPECT_EQ(
        Executa(TOOL + " export " + pasta_ + "/" + arquivo + " --to csv --out " + csv + opcoes,
                &saida),
        0)
        << saida;
    std::istringstream in(Le_Arquivo(csv));
    TTabela t;
    std::string linha;
    std::getline(in, linha);
    t.cabecalho = Campos(linha);
    while (std::getline(in, linha)) t.linhas.push_back(Campos(linha));
    return t;
  }
  static std::string pasta_;
};
std::string TimeJoinTool::pasta_;

// The rows of a found at the same time in b, and how many of those differ
// by more than tolerancia (the first one in *primeira).
struct TJuncao {
  size_t pares = 0, fora = 0;
  std::string primeira;
};
TJuncao Junta(const TSerie_Tempo& a, const TSerie_Tempo& b, double tolerancia) {
  TJuncao j;
  for (const auto& [tempo, valor] : a) {
    const auto par = b.find(tempo);
    if (par == b.end()) continue;
    ++j.pares;
    if (std::fabs(valor - par->second) > tolerancia && j.fora++ == 0) {
      j.primeira = tempo + ": " + std::to_string(valor) + " and " + std::to_string(par->second);
    }
  }
  return j;
}

TEST_F(TimeJoinTool, FilesOfARunJoinOnTheTimestampAlone) {
  const TTabela zona = Exporta(ZONA_AR.arquivo);
  ASSERT_EQ(zona.linhas.size(), 2u * 8760);
  const TSerie_Tempo ar = zona.Serie(ZONA_AR.coluna), externa = zona.Serie(ZONA_EXTERNA.coluna);
  EXPECT_EQ(ar.size(), zona.linhas.size()) << "a timestamp twice";

  // The zone's air as the load lines print it, every line of both seasons.
  size_t linhas = 0;
  for (const TColuna_Juncao& c : CARGAS) {
    const TTabela carga = Exporta(c.arquivo);
    const TJuncao j = Junta(carga.Serie(c.coluna), ar, MEIA_UNIDADE_CARGA * (1 + 1e-5));
    EXPECT_EQ(j.pares, carga.linhas.size()) << c.arquivo;
    EXPECT_EQ(j.fora, 0u) << c.arquivo << ", first at " << j.primeira;
    linhas += carga.linhas.size();
  }
  EXPECT_EQ(linhas, zona.linhas.size());

  // The climate hour h ends at h:00, hour 8760 at the next year's start;
  // the zone stream holds the climate's own value at every hour's end.
  const TTabela clima = Exporta(CLIMA.arquivo);
  const TJuncao j = Junta(clima.Serie(CLIMA.coluna), externa, 0.0);
  EXPECT_EQ(j.pares, 8760u);
  EXPECT_EQ(j.fora, 0u) << "first at " << j.primeira;
  ASSERT_EQ(clima.linhas.size(), 8760u);
  EXPECT_EQ(clima.Tempo(0), "2001-01-01T01:00:00");
  EXPECT_EQ(clima.Tempo(8759), "2002-01-01T00:00:00");

  // A leap year has no 29 February: the 365-day clock runs on to 1 March.
  const TTabela bissexto = Exporta(CLIMA.arquivo, " --year 2004");
  ASSERT_EQ(bissexto.linhas.size(), 8760u);
  EXPECT_EQ(bissexto.Tempo(59 * 24 - 1), "2004-03-01T00:00:00");
  EXPECT_EQ(bissexto.Tempo(8759), "2005-01-01T00:00:00");
}

// A carpet draws each row over the interval that ends at its stamp: a day's
// last hour or step in that day, up to hour 24. The stand-in gnuplot keeps
// the script it is fed (and fails, so that no PNG is made).
TEST_F(TimeJoinTool, CarpetBoxesEndAtTheirRowsTime) {
  const std::string roteiro = Caminho("roteiro.gp");
  fs::create_directories(Caminho("falso"));
  Escreve_Arquivo(Caminho("falso/gnuplot"), "#!/bin/sh\ncat > '" + roteiro + "'\nexit 3\n");
  fs::permissions(Caminho("falso/gnuplot"), fs::perms::owner_all);
  const struct {
    TColuna_Juncao coluna;
    std::vector<std::pair<size_t, std::string>> caixas;  // row, day and its hours
  } casos[] = {
      {CLIMA, {{0, "1 0 1"}, {23, "1 23 24"}, {24, "2 0 1"}, {8759, "365 23 24"}}},
      {ZONA_AR, {{0, "1 0 0.5"}, {47, "1 23.5 24"}, {17519, "365 23.5 24"}}},
  };
  for (const auto& c : casos) {
    std::string saida;
    EXPECT_EQ(Executa("PATH=" + Caminho("falso") + ":$PATH " + TOOL + " plot " + pasta_ + "/" +
                          c.coluna.arquivo + " --carpet --column '" + c.coluna.coluna + "' --out " +
                          Caminho("c.png"),
                      &saida),
              1)
        << saida;
    const std::string texto = Le_Arquivo(roteiro);
    const size_t dados = texto.find("$dados << EOD\n");
    ASSERT_NE(dados, std::string::npos) << texto;
    std::istringstream in(texto.substr(dados + 14));
    std::vector<std::string> linhas;
    for (std::string l; std::getline(in, l) && l != "EOD";) linhas.push_back(l);
    const TTabela t = Exporta(c.coluna.arquivo);
    ASSERT_EQ(linhas.size(), t.linhas.size()) << c.coluna.arquivo;
    for (const auto& [linha, caixa] : c.caixas) {
      EXPECT_EQ(linhas[linha], caixa + " " + t.linhas[linha].at(t.Indice(c.coluna.coluna)))
          << c.coluna.arquivo << " row " << linha << " (" << t.Tempo(linha) << ")";
    }
  }
}

}  // namespace
