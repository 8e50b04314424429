// One time rule across the files of a run: every row is stamped at the end
// of the interval it describes, so that files of one run join on the
// timestamp alone. A year of one zone at half-hour steps is exported to CSV
// and the quantities two files share are joined on the timestamp: the zone
// air temperature of the zone stream and of the load lines (both seasons'
// files), and the climate's dry-bulb temperature and the zone stream's
// outdoor temperature at every hour's end. A carpet plot draws each row over
// the interval that ends at its stamp.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/fixture.h"

namespace {

namespace fs = std::filesystem;

// The columns joined, as the export names them.
const char* const kColunaTempo = "time";
const struct TColuna_Juncao {
  const char* arquivo;
  const char* coluna;
} kZonaAr = {"zona1_temp_umi.bin", "zone_air_temperature [°C]"},
  kZonaExterna = {"zona1_temp_umi.bin", "exterior_air_temperature [°C]"},
  kCargas[] = {{"zona1_carga_inverno.txt", "zone_air_temperature [°C]"},
               {"zona1_carga_verao.txt", "zone_air_temperature [°C]"}},
  kClima = {"clima.bin", "exterior_air_temperature [°C]"};
// Load lines print the zone temperature with two decimals.
constexpr double kMeiaUnidadeCarga = 0.005;

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
    const size_t tempo = Indice(kColunaTempo), valor = Indice(nome);
    TSerie_Tempo serie;
    EXPECT_LT(std::max(tempo, valor), cabecalho.size()) << nome;
    for (size_t r = 0; r < linhas.size() && std::max(tempo, valor) < cabecalho.size(); ++r) {
      serie[linhas[r].at(tempo)] = std::strtod(linhas[r].at(valor).c_str(), nullptr);
    }
    return serie;
  }
  std::string Tempo(size_t r) const { return linhas.at(r).at(Indice(kColunaTempo)); }
};

// A year of one zone at half-hour steps, run once for the program.
class TimeJoinTool : public ArqauxTest {
 protected:
  // File arquivo of the run exported with the options given.
  TTabela Exporta(const std::string& arquivo, const std::string& opcoes = "") {
    const std::string csv = Caminho("exportado.csv");
    std::string saida;
    EXPECT_EQ(Executa(kFerramenta + "export " + pasta_ + "/" + arquivo + " --to csv --out " + csv +
                          opcoes,
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
  // The script "plot <argumentos>" feeds gnuplot, kept by a stand-in that
  // fails, so that no PNG is made.
  std::string Roteiro(const std::string& argumentos) {
    const std::string roteiro = Caminho("roteiro.gp"), falso = Caminho("falso");
    fs::create_directories(falso);
    Escreve_Arquivo(falso + "/gnuplot", "#!/bin/sh\ncat > '" + roteiro + "'\nexit 3\n");
    fs::permissions(falso + "/gnuplot", fs::perms::owner_all);
    std::string saida;
    EXPECT_EQ(Executa("PATH=" + falso + ":$PATH " + kFerramenta + "plot " + argumentos + " --out " +
                          Caminho("g.png"),
                      &saida),
              1)
        << saida;
    return Le_Arquivo(roteiro);
  }
  const std::string& pasta_ = Amostra("--zones 1 --interval 1800 --hvac-interval 86400");
};

// The lines of a script's data block.
std::vector<std::string> Dados(const std::string& roteiro) {
  const size_t inicio = roteiro.find("$dados << EOD\n");
  EXPECT_NE(inicio, std::string::npos) << roteiro;
  std::istringstream in(roteiro.substr(std::min(inicio + 14, roteiro.size())));
  std::vector<std::string> linhas;
  for (std::string l; std::getline(in, l) && l != "EOD";) {
    if (!l.empty()) linhas.push_back(l);
  }
  return linhas;
}

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
  const TTabela zona = Exporta(kZonaAr.arquivo);
  ASSERT_EQ(zona.linhas.size(), 2u * 8760);
  const TSerie_Tempo ar = zona.Serie(kZonaAr.coluna), externa = zona.Serie(kZonaExterna.coluna);
  EXPECT_EQ(ar.size(), zona.linhas.size()) << "a timestamp twice";

  // The zone's air as the load lines print it, every line of both seasons.
  size_t linhas = 0;
  for (const TColuna_Juncao& c : kCargas) {
    const TTabela carga = Exporta(c.arquivo);
    const TJuncao j = Junta(carga.Serie(c.coluna), ar, kMeiaUnidadeCarga * (1 + 1e-5));
    EXPECT_EQ(j.pares, carga.linhas.size()) << c.arquivo;
    EXPECT_EQ(j.fora, 0u) << c.arquivo << ", first at " << j.primeira;
    linhas += carga.linhas.size();
  }
  EXPECT_EQ(linhas, zona.linhas.size());

  // The climate hour h ends at h:00, hour 8760 at the next year's start;
  // the zone stream holds the climate's own value at every hour's end.
  const TTabela clima = Exporta(kClima.arquivo);
  const TJuncao j = Junta(clima.Serie(kClima.coluna), externa, 0.0);
  EXPECT_EQ(j.pares, 8760u);
  EXPECT_EQ(j.fora, 0u) << "first at " << j.primeira;
  ASSERT_EQ(clima.linhas.size(), 8760u);
  EXPECT_EQ(clima.Tempo(0), "2001-01-01T01:00:00");
  EXPECT_EQ(clima.Tempo(8759), "2002-01-01T00:00:00");

  // A leap year has no 29 February: the 365-day clock runs on to 1 March.
  const TTabela bissexto = Exporta(kClima.arquivo, " --year 2004");
  ASSERT_EQ(bissexto.linhas.size(), 8760u);
  EXPECT_EQ(bissexto.Tempo(59 * 24 - 1), "2004-03-01T00:00:00");
  EXPECT_EQ(bissexto.Tempo(8759), "2005-01-01T00:00:00");
}

// A carpet draws each row in the cells of the interval that ends at its
// stamp, "day hour value" at each cell's middle: a day's last hour or step in
// that day, up to hour 24.
TEST_F(TimeJoinTool, CarpetCellsEndAtTheirRowsTime) {
  const struct {
    TColuna_Juncao coluna;
    std::vector<std::pair<size_t, std::string>> celulas;  // row, its cell's day and hour
  } casos[] = {
      {kClima,
       {{0, "0.500000 0.500000"},
        {23, "0.500000 23.500000"},
        {24, "1.500000 0.500000"},
        {8759, "364.500000 23.500000"}}},
      {kZonaAr,
       {{0, "0.500000 0.250000"}, {47, "0.500000 23.750000"}, {17519, "364.500000 23.750000"}}},
  };
  for (const auto& c : casos) {
    const std::vector<std::string> linhas = Dados(
        Roteiro(pasta_ + "/" + c.coluna.arquivo + " --carpet --column '" + c.coluna.coluna + "'"));
    const TTabela t = Exporta(c.coluna.arquivo);
    ASSERT_EQ(linhas.size(), t.linhas.size()) << c.coluna.arquivo;
    for (const auto& [linha, celula] : c.celulas) {
      EXPECT_EQ(linhas[linha], celula + " " + t.linhas[linha].at(t.Indice(c.coluna.coluna)))
          << c.coluna.arquivo << " row " << linha << " (" << t.Tempo(linha) << ")";
    }
  }
}

// Each plot kind's script, as the stand-in gnuplot keeps it: the title names
// the zone (or the file's kind) and the quantity with its unit, the axes carry
// units, a year is marked by month and a short run by date, the x range ends
// at the data, a year of half-hour steps is drawn as a daily band whose first
// day holds the rows up to the one stamped 24:00, and a carpet is a viridis
// image. Then gnuplot itself draws each one into a PNG of the size asked
// (its header's width and height) holding more than one colour, counted over
// every pixel as gnuplot reads the image back into a table (x, y, red, green,
// blue, alpha).
TEST_F(TimeJoinTool, EachPlotKindHasTitleUnitsAndTimeAxis) {
  const std::string curto = Amostra("--zones 1 --days 3 --interval 1800");
  std::string meses;
  const char* const nomes[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul",
                               "Aug", "Sep", "Oct", "Nov", "Dec", "Jan"};
  const int inicios[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};
  for (int m = 0; m < 13; ++m)
    meses += std::string(m ? ", '" : "set xtics ('") + nomes[m] + "' " +
             std::to_string(inicios[m]) + ".000000";
  const std::string ar = "'Zone 1 \xe2\x80\x94 air temperature [°C]' noenhanced\n",
                    ano = "set xrange [0.000000:365.000000]\n" + meses + ")\nset xlabel 'month'\n";
  const struct {
    std::string arquivo, opcoes;
    std::vector<std::string> trechos;  // each found in the script
  } casos[] = {
      {pasta_ + "/" + kZonaAr.arquivo,
       "--column zone_air_temperature",
       {"set title " + ar, ano, "set ylabel 'air temperature [°C]' noenhanced\n",
        "plot $dados using 1:2:4 with filledcurves", "title 'daily mean'"}},
      {pasta_ + "/" + kZonaAr.arquivo,
       "--column zone_air_temperature --raw",
       {"set title " + ar, ano, "plot $dados using 1:2 with lines", "\n0.020833 "}},
      {curto + "/" + kZonaAr.arquivo,
       "--column zone_air_temperature",
       {"set title " + ar,
        "set xrange [0.000000:3.000000]\nset xtics ('1 Jan' 0.000000, '12:00' 0.500000, "
        "'2 Jan' 1.000000, '12:00' 1.500000, '3 Jan' 2.000000, '12:00' 2.500000, "
        "'4 Jan' 3.000000)\nset xlabel 'date'\n",
        "plot $dados using 1:2 with lines"}},
      {pasta_ + "/" + kClima.arquivo,
       "--column exterior_air_temperature --carpet",
       {"set title 'Climate file \xe2\x80\x94 exterior air temperature [°C]' noenhanced\n", ano,
        "set ylabel 'hour of the day'\n",
        "set cblabel 'exterior air temperature [°C]' noenhanced offset 1.5,0\n",
        "set palette defined (0 '#440154', ", "9 '#fde725')\n",
        "plot $dados using 1:2:3 with image\n"}},
  };
  for (const auto& c : casos) {
    const std::string texto = Roteiro(c.arquivo + " " + c.opcoes);
    for (const std::string& t : c.trechos)
      EXPECT_NE(texto.find(t), std::string::npos) << c.opcoes << ": no " << t << " in\n"
                                                  << texto.substr(0, 2000);
  }
  // The band's first day: rows 00:30 to 24:00 of 1 January.
  std::istringstream banda(
      Dados(Roteiro(pasta_ + "/" + kZonaAr.arquivo + " --column zone_air_temperature")).at(0));
  double dia, minimo, media, maximo;
  ASSERT_TRUE(banda >> dia >> minimo >> media >> maximo);
  const TSerie_Tempo ar_zona = Exporta(kZonaAr.arquivo).Serie(kZonaAr.coluna);
  std::vector<double> primeiro;
  for (const auto& [tempo, valor] : ar_zona)
    if (tempo <= "2001-01-02T00:00:00") primeiro.push_back(valor);
  ASSERT_EQ(primeiro.size(), 48u);
  EXPECT_EQ(dia, 0.5);
  EXPECT_EQ(minimo, *std::min_element(primeiro.begin(), primeiro.end()));
  EXPECT_EQ(maximo, *std::max_element(primeiro.begin(), primeiro.end()));
  double soma = 0;
  for (double v : primeiro) soma += v;
  EXPECT_NEAR(media, soma / 48, 1e-6);  // the CSV rounds to the stored float

  if (Executa("command -v gnuplot") != 0) GTEST_SKIP() << "gnuplot is not installed";
  const std::string png = Caminho("g.png"), tabela = Caminho("pixels.txt");
  for (const auto& c : casos) {
    std::string saida;
    ASSERT_EQ(Executa(kFerramenta + "plot " + c.arquivo + " " + c.opcoes + " --out " + png +
                          " --width 320 --height 200",
                      &saida),
              0)
        << saida;
    const std::string bytes = Le_Arquivo(png);
    ASSERT_GT(bytes.size(), 24u) << c.opcoes;
    auto be32 = [&bytes](size_t p) {
      return (static_cast<unsigned char>(bytes[p]) << 24) |
             (static_cast<unsigned char>(bytes[p + 1]) << 16) |
             (static_cast<unsigned char>(bytes[p + 2]) << 8) |
             static_cast<unsigned char>(bytes[p + 3]);
    };
    EXPECT_EQ(bytes.substr(0, 8) + bytes.substr(12, 4), "\x89PNG\r\n\x1a\nIHDR") << c.opcoes;
    EXPECT_EQ(be32(16), 320) << c.opcoes;
    EXPECT_EQ(be32(20), 200) << c.opcoes;
    EXPECT_EQ(bytes.substr(bytes.size() - 12), std::string("\0\0\0\0IEND\xae\x42\x60\x82", 12))
        << c.opcoes;
    ASSERT_EQ(Executa("gnuplot -e \"set table '" + tabela + "'; plot '" + png +
                      "' binary filetype=png with rgbimage\""),
              0);
    std::istringstream linhas(Le_Arquivo(tabela));
    std::set<std::string> cores;
    long pixels = 0;
    for (std::string linha; std::getline(linhas, linha);) {
      std::istringstream campos(linha);
      std::string x, y, r, g, b;
      if (linha.empty() || linha[0] == '#' || !(campos >> x >> y >> r >> g >> b)) continue;
      cores.insert(r + " " + g + " " + b);
      ++pixels;
    }
    EXPECT_EQ(pixels, 320 * 200) << c.opcoes;
    EXPECT_GT(cores.size(), 1u) << c.opcoes;
  }
}

}  // namespace
