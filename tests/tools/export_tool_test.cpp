// arqaux info, export and plot on the files a short sample run writes: one
// table of kinds drives what info tells, the CSV read back against the
// source's own bytes, and the SQLite database read through the sqlite3
// client.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/fixture.h"

namespace {

namespace fs = std::filesystem;

const std::string kTool = ARQAUX_TOOL_PATH;
constexpr int kPassos = 48;  // two days of hourly steps

// What the tool tells of each kind the run writes, and how the source holds
// its records: a binary file holds them after cabecalho bytes, reais values
// of 4 bytes each, of which the first pula are not exported and, for
// occupancy, the first exported is an int32; a load or gain stream (reais 0)
// is text; so are an HVAC stream (reais -1), whose line r holds record r's
// values in column order, a surface temperature stream (-2), whose lines
// open on a date and time, and a daylighting schedule (-3), whose sixth
// comma-separated field is the value; these pass over pula lines first.
struct TCaso {
  const char* arquivo;
  const char* tipo;
  int registros;  // -1: none exported
  int colunas;
  const char* periodo;
  size_t cabecalho;
  int reais, pula;
  bool inteiro;
};
// Every row is stamped at the end of its hour or step, a line at its own time.
const char* const kAno = "2001-01-01T01:00:00 to 2002-01-01T00:00:00";
const char* const kDias = "2001-01-01T01:00:00 to 2001-01-03T00:00:00";
constexpr int kFancoil = 41;  // the values the sample fan coil monitors
const TCaso kCasos[] = {
    {"clima.bin", "climate", 8760, 6, kAno, 80, 6, 0, false},
    {"solo.bin", "soil", 8760, 2, kAno, 0, 2, 0, false},
    {"interno.ti", "ti", 8760, 2, kAno, 0, 2, 0, false},
    {"zona1_temp_umi.bin", "tupmv", kPassos, 6, kDias, 7, 6, 0, false},
    {"zona1_ats.bin", "ats", kPassos, 1, kDias, 0, 1, 0, false},
    {"zona1_acs.bin", "acs", kPassos, 2, kDias, 0, 2, 0, false},
    {"zona1_pv.bin", "pv", kPassos, 7, kDias, 0, 7, 0, false},
    {"zona1_saida_cont.bin", "sc", kPassos, 2, kDias, 4, 3, 1, false},
    {"zona1_pessoas.bin", "occupancy", kPassos, 2, kDias, 0, 2, 0, true},
    {"zona1_carga_verao.txt", "load", kPassos, 42, kDias, 0, 0, 0, false},
    {"zona1_ganho.txt", "gain", kPassos, 35, kDias, 0, 0, 0, false},
    {"zona1_demanda.bin", "demand", -1, 0, "", 0, 0, 0, false},
    {"zona1_estatisticas.bin", "monthly", -1, 0, "", 0, 0, 0, false},
    {"hvac_demanda.bin", "hvac-demand", -1, 0, "", 0, 0, 0, false},
    {"zona1_cargas.est", "loads", -1, 0, "", 0, 0, 0, false},
    {"zona1_ganhos.est", "gains", -1, 0, "", 0, 0, 0, false},
    {"interno.txt", "interior-text", -1, 0, "", 0, 0, 0, false},
    {"zona1_fancoil.dat", "hvac", kPassos, kFancoil, kDias, 0, -1, 0, false},
    {"zona1_fancoil_consumo.dat", "hvac-consumption", kPassos, 5, kDias, 0, -1, 0, false},
    {"boiler.dat", "hvac", kPassos, 10, kDias, 0, -1, 0, false},
    {"chiller-agua.dat", "hvac", kPassos, 10, kDias, 0, -1, 0, false},
    {"torre.dat", "hvac", kPassos, 8, kDias, 0, -1, 0, false},
    {"bomba-aq.dat", "hvac", kPassos, 5, kDias, 0, -1, 0, false},
    {"chiller-ar_consumo.dat", "hvac-consumption", kPassos, 1, kDias, 0, -1, 0, false},
    // The north wall: regions of 5 and 7 nodes, four values a node.
    {"zona1_parede.bin", "wall", kPassos, 48, kDias, 36, 48, 0, false},
    // Six faces; eight regions.
    {"zona1_sombras.bin", "shading", kPassos, 12, kDias, 28, 12, 0, false},
    {"zona1_radiacao.bin", "radiation", kPassos, 18, kDias, 0, 18, 0, false},
    {"zona1_fluxos.bin", "flux", kPassos, 24, kDias, 36, 24, 0, false},
    {"zona1_mofo.bin", "mould", kPassos, 8, kDias, 36, 8, 0, false},
    {"zona1_superficies.dat", "surface-temperatures", kPassos, 8, kDias, 0, -2, 0, false},
    {"zona1_superficies.txt", "surface-temperatures", kPassos, 8, kDias, 0, -2, 14, false},
    {"iluminacao.csv", "daylight", 8760, 1, kAno, 0, -3, 5, false},
    {"zona1_parede.bin.desc", "description", -1, 0, "", 0, 0, 0, false},
    {"zona1_temp_umi.txt", "report", -1, 0, "", 0, 0, 0, false},
    {"zona1_perfis.txt", "report", -1, 0, "", 0, 0, 0, false},
    {"zona1_carga_inverno_rel.txt", "report", -1, 0, "", 0, 0, 0, false},
};

class ExportTool : public ArqauxTest {
 protected:
  static void SetUpTestSuite() {
    pasta_ = (fs::temp_directory_path() / ("arqaux-export-" + std::to_string(getpid()))).string();
    std::string saida;
    ASSERT_EQ(Executa(kTool + " sample " + pasta_ + " --zones 1 --days 2 --interval 3600", &saida),
              0)
        << saida;
  }
  static void TearDownTestSuite() { fs::remove_all(pasta_); }
  static std::string Em(const std::string& nome) { return pasta_ + "/" + nome; }
  static std::string pasta_;
};
std::string ExportTool::pasta_;

// The text after rotulo up to the end of its line, or "-".
std::string Depois(const std::string& texto, const std::string& rotulo) {
  const size_t i = texto.find(rotulo);
  if (i == std::string::npos) return "-";
  const size_t inicio = i + rotulo.size();
  return texto.substr(inicio, texto.find('\n', inicio) - inicio);
}

std::vector<std::string> Divide(const std::string& linha, char separador) {
  std::vector<std::string> campos;
  std::istringstream in(linha);
  std::string campo;
  while (std::getline(in, campo, separador)) campos.push_back(campo);
  return campos;
}

// The value of the source's record r that column j of the export holds.
float Valor_Fonte(const TCaso& c, const std::string& bytes, const std::vector<std::string>& linhas,
                  int r, int j) {
  if (c.reais < 0) {
    std::string linha = linhas[r + c.pula];
    if (c.reais == -3) std::replace(linha.begin(), linha.end(), ',', ' ');
    std::istringstream in(linha);
    std::string palavra;
    for (int k = 0; k <= j + (c.reais == -1 ? 0 : c.reais == -2 ? 3 : 5); ++k) in >> palavra;
    return std::strtof(palavra.c_str(), nullptr);
  }
  if (c.reais > 0) {
    const size_t posicao = c.cabecalho + 4 * (static_cast<size_t>(r) * c.reais + c.pula + j);
    float f;
    int32_t i;
    std::memcpy(&f, bytes.data() + posicao, 4);
    std::memcpy(&i, bytes.data() + posicao, 4);
    return c.inteiro && j == 0 ? static_cast<float>(i) : f;
  }
  // A text line: date, "-", time, then the 16 sensible parts and their
  // total, the 16 latent parts and theirs, the total and a load's zone and
  // exterior conditions; the export pairs each part's sensible and latent.
  std::istringstream in(linhas[r + 1]);
  std::string palavra;
  std::vector<std::string> numeros;
  in >> palavra >> palavra >> palavra;
  while (in >> palavra) numeros.push_back(palavra);
  const int k = j >= 32 ? (j == 32 ? 16 : j) : j % 2 == 0 ? j / 2 : 17 + j / 2;
  return std::strtof(numeros.at(k).c_str(), nullptr);
}

TEST_F(ExportTool, InfoTellsEveryKindTheSampleWrites) {
  std::string esperado, obtido;
  for (const TCaso& c : kCasos) {
    esperado += std::string(c.arquivo) + ": " + c.tipo + " / " +
                (c.registros < 0 ? "-" : std::to_string(c.registros)) + " / " +
                (c.registros < 0 ? "-" : c.periodo) + "\n";
    std::string saida;
    const int status = Executa(kTool + " info " + Em(c.arquivo), &saida);
    obtido += std::string(c.arquivo) + ": " + Divide(Depois(saida, "kind: "), ' ')[0] + " / " +
              Depois(saida, "records: ") + " / " + Depois(saida, "period: ") +
              (status == 0 ? "" : " status " + std::to_string(status)) + "\n";
  }
  EXPECT_EQ(obtido, esperado);
}

// The run's directory in one command, a CSV per file into a folder of its
// own; each file's CSV is the one its own export writes.
TEST_F(ExportTool, CsvHoldsEveryValueOfTheSource) {
  std::string saida;
  ASSERT_EQ(Executa(kTool + " export " + pasta_ + " --to csv --out " + Caminho("csv"), &saida), 0)
      << saida;
  for (const TCaso& c : kCasos) {
    if (c.registros < 0) continue;
    const std::string csv = Caminho("csv/" + std::string(c.arquivo) + ".csv");
    const std::vector<std::string> linhas = Divide(Le_Arquivo(csv), '\n');
    ASSERT_EQ(linhas.size(), c.registros + 1u) << c.arquivo;
    const std::string bytes = Le_Arquivo(Em(c.arquivo));
    const std::vector<std::string> fonte = Divide(bytes, '\n');
    int erradas = 0, diferentes = 0;
    std::string primeiro;
    for (int r = 0; r < c.registros; ++r) {
      ASSERT_EQ(linhas[r + 1].back(), '\r') << c.arquivo;
      const std::vector<std::string> campos =
          Divide(linhas[r + 1].substr(0, linhas[r + 1].size() - 1), ',');
      if (campos.size() != 3u + c.colunas) ++erradas;
      for (int j = 0; j < c.colunas && j + 3 < static_cast<int>(campos.size()); ++j) {
        const float lido = std::strtof(campos[j + 3].c_str(), nullptr);
        const float fonte_j = Valor_Fonte(c, bytes, fonte, r, j);
        if (std::memcmp(&lido, &fonte_j, 4) != 0 && diferentes++ == 0) {
          primeiro = "row " + std::to_string(r) + " column " + std::to_string(j);
        }
      }
    }
    const std::vector<std::string> cabecalho = Divide(linhas[0], ',');
    EXPECT_EQ(cabecalho.size(), 3u + c.colunas) << c.arquivo << ": " << linhas[0];
    EXPECT_EQ(erradas, 0) << c.arquivo;
    EXPECT_EQ(diferentes, 0) << c.arquivo << ": first at " << primeiro;
    const std::string periodo =
        Divide(linhas[1], ',')[0] + " to " + Divide(linhas[c.registros], ',')[0];
    EXPECT_EQ(periodo, c.periodo) << c.arquivo;
  }
  // "--out -": the same bytes on standard output, and nothing else there.
  EXPECT_EQ(Executa(kTool + " export " + Em("zona1_acs.bin") + " --to csv --out -", &saida), 0);
  EXPECT_EQ(saida, Le_Arquivo(Caminho("csv/zona1_acs.bin.csv")));
  // A second export replaces the folder's CSV files; a folder that holds
  // any other file (the run's own) is refused, and loses nothing.
  fs::remove(Caminho("csv/zona1_ats.bin.csv"));
  EXPECT_EQ(Executa(kTool + " export " + pasta_ + " --to csv --out " + Caminho("csv"), &saida), 0)
      << saida;
  EXPECT_TRUE(fs::exists(Caminho("csv/zona1_ats.bin.csv")));
  Escreve_Arquivo(Caminho("csv/notas.txt"), "mine");
  const size_t arquivos = std::distance(fs::directory_iterator(pasta_), {});
  for (const std::string& pasta : {Caminho("csv"), pasta_}) {
    EXPECT_EQ(Executa(kTool + " export " + pasta_ + " --to csv --out " + pasta, &saida), 1);
    EXPECT_NE(saida.find("CSV files go into a new folder"), std::string::npos) << saida;
  }
  EXPECT_EQ(Le_Arquivo(Caminho("csv/notas.txt")), "mine");
  EXPECT_EQ(static_cast<size_t>(std::distance(fs::directory_iterator(pasta_), {})), arquivos);
}

// The run's directory in one database: each exportable file a table of its
// records, variables one row per column, and the second record's first
// value the source's, all read by the sqlite3 client.
TEST_F(ExportTool, SqliteHoldsTheRunWhole) {
  const std::string banco = Caminho("run.sqlite");
  std::string saida;
  ASSERT_EQ(Executa(kTool + " export " + pasta_ + " --to sqlite --out " + banco, &saida), 0)
      << saida;
  std::string consultas, esperado;
  std::vector<const TCaso*> exportados;
  for (const TCaso& c : kCasos) {
    if (c.registros >= 0) exportados.push_back(&c);
  }
  // Tables are named after the files in name order, a stem met again with
  // "_2" after it.
  std::sort(exportados.begin(), exportados.end(),
            [](const TCaso* a, const TCaso* b) { return std::strcmp(a->arquivo, b->arquivo) < 0; });
  std::set<std::string> tabelas;
  for (const TCaso* caso : exportados) {
    const TCaso& c = *caso;
    std::string tabela = fs::path(c.arquivo).stem().string();
    std::replace(tabela.begin(), tabela.end(), '-', '_');
    if (!tabelas.insert(tabela).second) tabelas.insert(tabela += "_2");
    consultas += "SELECT COUNT(*), (SELECT COUNT(*) FROM variables WHERE table_name = '" + tabela +
                 "' AND kind = '" + c.tipo + "') FROM \"" + tabela + "\";\nSELECT * FROM \"" +
                 tabela + "\" WHERE rowid = 2;\n";
    esperado += std::to_string(c.registros) + "|" + std::to_string(c.colunas) + "\n";
  }
  Escreve_Arquivo(Caminho("consultas.sql"), consultas);
  ASSERT_EQ(Executa("sqlite3 " + banco + " < " + Caminho("consultas.sql"), &saida), 0) << saida;
  std::string obtido;
  const std::vector<std::string> linhas = Divide(saida, '\n');
  ASSERT_EQ(linhas.size(), 2 * exportados.size()) << saida;
  for (size_t k = 0; k < exportados.size(); ++k) {
    obtido += linhas[2 * k] + "\n";
    const TCaso& c = *exportados[k];
    const std::string bytes = Le_Arquivo(Em(c.arquivo));
    const float valor = std::strtof(Divide(linhas[2 * k + 1], '|').at(2).c_str(), nullptr);
    const float fonte = Valor_Fonte(c, bytes, Divide(bytes, '\n'), 1, 0);
    EXPECT_EQ(std::memcmp(&valor, &fonte, 4), 0) << c.arquivo << ": " << linhas[2 * k + 1];
  }
  EXPECT_EQ(obtido, esperado);
  // Table names that differ only in case, or that the database keeps for
  // itself, are made unique within a run: the files all export.
  fs::create_directories(Caminho("nomes"));
  for (const char* nome : {"Series", "Zona1_ATS", "sqlite_stat1", "zona1-ats", "zona1_ats"}) {
    fs::copy_file(Em("zona1_ats.bin"), Caminho("nomes/") + nome + ".bin");
    Escreve_Arquivo(Caminho("nomes/") + nome + ".bin.desc", "kind = ats\n");
  }
  const std::string nomes = Caminho("nomes.sqlite");
  ASSERT_EQ(Executa(kTool + " export " + Caminho("nomes") + " --to sqlite --out " + nomes, &saida),
            0)
      << saida;
  ASSERT_EQ(Executa("sqlite3 " + nomes + " 'SELECT DISTINCT table_name FROM variables'", &saida),
            0);
  EXPECT_EQ(saida, "Series\nZona1_ATS\nt_sqlite_stat1\nzona1_ats_2\nzona1_ats_3\n");
}

// A second run, a day longer, appended from the command line: one zone's
// temperature side by side in both runs at the times they share, and each
// run's rows of it through the data view. A run already in the database,
// a new database over a file, and an append to what export did not make
// are refused, each leaving the file byte for byte as it was.
TEST_F(ExportTool, RunsAppendedToOneDatabase) {
  const std::string banco = Caminho("estudo.sqlite"), r2 = Caminho("r2");
  std::string saida;
  ASSERT_EQ(Executa(kTool + " sample " + r2 + " --zones 1 --days 3 --interval 3600", &saida), 0);
  ASSERT_EQ(Executa(kTool + " export " + pasta_ + " --to sqlite --out " + banco, &saida), 0)
      << saida;
  ASSERT_EQ(Executa(kTool + " export " + r2 + " --to sqlite --out " + banco + " --append", &saida),
            0)
      << saida;
  ASSERT_EQ(Executa("sqlite3 " + banco +
                        " \"SELECT count(*), sum(a.zone_air_temperature = "
                        "b.zone_air_temperature) FROM zona1_temp_umi a JOIN zona1_temp_umi b "
                        "USING (time_id) WHERE a.run_id = 1 AND b.run_id = 2; SELECT run, "
                        "count(*) FROM data WHERE variable = 'zona1_temp_umi.zone_air_temperature' "
                        "GROUP BY run\"",
                    &saida),
            0);
  EXPECT_EQ(saida, std::to_string(kPassos) + "|" + std::to_string(kPassos) + "\n1|" +
                       std::to_string(kPassos) + "\n2|" + std::to_string(kPassos * 3 / 2) + "\n");
  Escreve_Arquivo(Caminho("texto.sqlite"), "not a database\n");
  const std::string antes = Le_Arquivo(banco);
  const struct {
    std::string linha, erro;
  } casos[] = {
      {r2 + " --out " + banco + " --append", "' is in '" + banco + "' already: nothing appended"},
      {r2 + " --out " + banco, "'" + banco + "' exists already"},
      {r2 + " --out " + Caminho("texto.sqlite") + " --append",
       "is not a database made by arqaux export"},
      {pasta_ + " " + r2, "several runs go into one database: give --out FILE"},
      {r2 + " --out " + Caminho("x.sqlite") + " --interval 60",
       "--kind and --interval are for one"},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(Executa(kTool + " export " + c.linha + " --to sqlite", &saida), 1) << c.linha;
    EXPECT_EQ(saida, "arqaux: " + Depois(saida, "arqaux: ") + "\n") << saida;
    EXPECT_NE(saida.find(c.erro), std::string::npos) << saida;
    EXPECT_EQ(Le_Arquivo(banco), antes) << c.linha;
  }
  EXPECT_EQ(Le_Arquivo(Caminho("texto.sqlite")), "not a database\n");
}

// Files whose kind their header and size do not tell are refused with the
// kinds that fit; a description or --kind tells them.
TEST_F(ExportTool, KindsNotToldAreRefusedWithTheCandidates) {
  fs::copy_file(Em("zona1_acs.bin"), Caminho("acs"));
  fs::copy_file(Em("solo.bin"), Caminho("solo"));
  fs::copy_file(Em("zona1_pv.bin"), Caminho("pv"));
  fs::copy_file(Em("zona1_mofo.bin"), Caminho("mofo"));
  Escreve_Arquivo(Caminho("texto"), "not a file of the library\n");
  Escreve_Arquivo(Caminho("binario"), "\x01\x02\x03");
  Escreve_Arquivo(Caminho("vazio"), "");
  Escreve_Arquivo(Caminho("descrito"), std::string(16, '\0'));
  Escreve_Arquivo(Caminho("descrito.desc"), "kind = colour\n");
  const struct {
    const char* argumentos;
    const char* esperado;
  } casos[] = {
      {"acs", "its size fits ats, acs, occupancy; give --kind"},
      {"solo", "its size fits ti, soil, ats, acs, occupancy; give --kind"},
      {"pv", "its size fits ats, acs, pv, occupancy; give --kind"},
      {"texto",
       "kind: report (text: a report, configuration, system file, catalogue or dump), "
       "told by its header and size"},
      {"binario", "no kind the tool knows has its header and size"},
      {"vazio", "no kind the tool knows has its header and size"},
      {"descrito", "its description, line 1: 'colour' is not a value of 'kind'"},
      {"acs --kind occupancy", "kind: occupancy (occupancy stream), told by --kind"},
      {"solo --kind ace", "kind: ace (ACE stream), told by --kind"},
      {"acs --kind wind", "'wind' is not a kind the tool knows"},
      {"mofo",
       "kind: surface (shading, heat-vapour flux or mould stream), told by its header and "
       "size"},
  };
  std::string esperado, obtido;
  for (const auto& c : casos) {
    const std::string nome = Divide(c.argumentos, ' ')[0];
    const bool aceito = std::strncmp(c.esperado, "kind:", 5) == 0;
    esperado +=
        std::string(c.argumentos) + ": " +
        (aceito ? c.esperado
                : "arqaux: cannot tell the kind of '" + Caminho(nome) + "': " + c.esperado) +
        "\n";
    std::string saida;
    const int status = Executa(kTool + " info " + Caminho(c.argumentos), &saida);
    obtido += std::string(c.argumentos) + ": " + Divide(saida, '\n')[aceito ? 1 : 0] + "\n";
    EXPECT_EQ(status, aceito ? 0 : 1) << c.argumentos;
  }
  EXPECT_EQ(obtido, esperado);
  // A wall's regions are the writer's: without them no row can be read.
  fs::copy_file(Em("zona1_parede.bin"), Caminho("parede"));
  std::string saida;
  EXPECT_EQ(Executa(kTool + " export " + Caminho("parede") + " --to csv", &saida), 1);
  EXPECT_EQ(saida, "arqaux: cannot read '" + Caminho("parede") +
                       "' as wall (wall node file): its description must give 'regions = ' the "
                       "elements of each region, and may give 'groups = ' those of 1,2,3 it "
                       "holds\n");
}

// A line and a carpet: a PNG of the size asked (its header's width and
// height) holding more than one colour, counted over every pixel as gnuplot
// itself reads the image back into a table (x, y, red, green, blue, alpha).
TEST_F(ExportTool, PlotsArePngsOfTheSizeAskedWithMoreThanOneColour) {
  std::string saida;
  ASSERT_EQ(Executa("PATH=/nonexistent " + kTool + " plot " + Em("zona1_acs.bin") +
                        " --column zone_operative_temperature --out " + Caminho("x.png"),
                    &saida),
            1);
  EXPECT_EQ(saida, "arqaux: gnuplot not found: install the Debian package gnuplot-nox\n");
  if (Executa("command -v gnuplot") != 0) GTEST_SKIP() << "gnuplot is not installed";
  const struct {
    const char* opcoes;
    int largura, altura;
  } casos[] = {{"--column zone_air_temperature --carpet", 320, 200}, {"--column ppd", 240, 130}};
  for (const auto& c : casos) {
    const std::string png = Caminho("grafico.png");
    ASSERT_EQ(Executa(kTool + " plot " + Em("zona1_temp_umi.bin") + " " + c.opcoes + " --out " +
                          png + " --width " + std::to_string(c.largura) + " --height " +
                          std::to_string(c.altura),
                      &saida),
              0)
        << saida;
    const std::string bytes = Le_Arquivo(png);
    ASSERT_GT(bytes.size(), 24u);
    auto be32 = [&bytes](size_t p) {
      return (static_cast<unsigned char>(bytes[p]) << 24) |
             (static_cast<unsigned char>(bytes[p + 1]) << 16) |
             (static_cast<unsigned char>(bytes[p + 2]) << 8) |
             static_cast<unsigned char>(bytes[p + 3]);
    };
    EXPECT_EQ(bytes.substr(0, 8) + bytes.substr(12, 4), "\x89PNG\r\n\x1a\nIHDR") << c.opcoes;
    EXPECT_EQ(be32(16), c.largura) << c.opcoes;
    EXPECT_EQ(be32(20), c.altura) << c.opcoes;
    const std::string tabela = Caminho("pixels.txt");
    ASSERT_EQ(Executa("gnuplot -e \"set table '" + tabela + "'; plot '" + png +
                      "' binary filetype=png with rgbimage\""),
              0);
    std::istringstream linhas(Le_Arquivo(tabela));
    std::string linha;
    std::set<std::string> cores;
    long pixels = 0;
    while (std::getline(linhas, linha)) {
      std::istringstream campos(linha);
      std::string x, y, r, g, b;
      if (linha.empty() || linha[0] == '#' || !(campos >> x >> y >> r >> g >> b)) continue;
      cores.insert(r + " " + g + " " + b);
      ++pixels;
    }
    EXPECT_EQ(pixels, static_cast<long>(c.largura) * c.altura) << c.opcoes;
    EXPECT_GT(cores.size(), 1u) << c.opcoes;
  }
}

}  // namespace

// Damaged or impossible files are refused with the one line that says why
// ("@" stands for the file's path); those that read tell what they hold.
TEST_F(ExportTool, DamagedAndImpossibleFilesAreRefusedWithTheirFault) {
  const std::string ats = Le_Arquivo(Em("zona1_ats.bin"));
  const std::string parede = Le_Arquivo(Em("zona1_parede.bin"));
  // The schedule without the line of hour 100 (line 106), and with that
  // line twice and none for the year's last hour.
  const std::string agenda = Le_Arquivo(Em("iluminacao.csv"));
  const size_t l106 = agenda.find("1,5,4.500"), l107 = agenda.find("1,5,5.500");
  const std::string sem_linha = agenda.substr(0, l106) + agenda.substr(l107);
  const std::string dobrada = agenda.substr(0, l107) + agenda.substr(l106, l107 - l106) +
                              agenda.substr(l107, agenda.rfind("12,31,23.500") - l107);
  const std::string desc_ats = "kind = ats\ninterval = ", desc_parede = "kind = wall\nregions = ";
  const std::string intervalo = "cannot tell the kind of '@': its description, line 2: '";
  const std::string camadas =
      "'@' does not hold these regions and groups: the 9216 bytes after its "
      "36-byte header are not whole ";
  const struct {
    const char* nome;
    std::string conteudo, descricao, comando, esperado;
  } casos[] = {
      {"i0", ats, desc_ats + "0\n", "info @", intervalo + "0' is not a value of 'interval'"},
      {"i1", ats, desc_ats + "-600\n", "info @", intervalo + "-600' is not a value of 'interval'"},
      {"i2", ats, desc_ats + "1e3\n", "info @", intervalo + "1e3' is not a value of 'interval'"},
      {"i3", ats, desc_ats + "600 extra\n", "info @",
       intervalo + "600 extra' is not a value of 'interval'"},
      {"i4", ats, desc_ats + "600\ninterval = 600\n", "info @",
       "cannot tell the kind of '@': its description, line 3: 'interval' given twice"},
      {"i5", ats, desc_ats + "600\n", "info @",
       "records: 48 / 2001-01-01T00:10:00 to 2001-01-01T08:00:00"},
      {"p0", parede, desc_parede + "4,6,5\n", "info @", "'@' holds 2 regions in its header, not 3"},
      {"p1", parede, desc_parede + "9,9\n", "export @ --to csv", camadas + "320-byte steps"},
      {"p2", parede, desc_parede + "4,7\ngroups = 1,2\n", "info @", camadas + "156-byte steps"},
      {"p3", parede, desc_parede + "4,6\ngroups = 1,1\n", "info @",
       "cannot tell the kind of '@': its description, line 3: '1,1' is not a value of 'groups'"},
      {"p4", parede, "", "wall show @ --regions 9,9", camadas + "320-byte steps"},
      {"p5", parede, "", "wall show @ --regions 4", "'@' holds 2 regions in its header, not 1"},
      {"c0", Le_Arquivo(Em("zona1_acs.bin")) + "1234567", "", "info @ --kind acs",
       "records: 48 whole and 7 bytes more / " + std::string(kDias)},
      {"z0", std::string(4000, '\0'), "", "info @",
       "cannot tell the kind of '@': its size fits ats, acs, occupancy; give --kind"},
      {"a0", std::string(32000, '\0'), "",
       "export @ --kind ats --year 9979 --interval 86400 --to csv --out " + Caminho("a0.csv"),
       "@: its records run past the year 9999 from --year 9979"},
      {"a1", std::string(4 * 52560, '\0'), "",
       "export @ --kind ats --year 1 --interval 86400 --to csv --out - | tail -n 1",
       "0145-01-01T00:00:00,86400,1261440,0\r"},
      {"l0", sem_linha, "", "export @ --to csv",
       "'@' line 106: month 1, day 5, hour 5.5 does not follow the line before"},
      {"l1", dobrada, "", "info @",
       "'@' line 107: month 1, day 5, hour 4.5 does not follow the line before"},
  };
  std::string esperado, obtido;
  for (const auto& c : casos) {
    const std::string p = Caminho(c.nome);
    auto troca = [&p](std::string s) {
      for (size_t i; (i = s.find('@')) != std::string::npos;) s.replace(i, 1, p);
      return s;
    };
    Escreve_Arquivo(p, c.conteudo);
    if (!c.descricao.empty()) Escreve_Arquivo(p + ".desc", c.descricao);
    std::string saida;
    const int status = Executa(kTool + " " + troca(c.comando), &saida);
    const bool lido = saida.find("arqaux: ") == std::string::npos;
    EXPECT_EQ(status, lido ? 0 : 1) << c.nome;
    obtido += std::string(c.nome) + ": " +
              (!lido ? Depois(saida, "arqaux: ")
               : saida.find("\nrecords: ") != std::string::npos
                   ? "records: " + Depois(saida, "records: ") + " / " + Depois(saida, "period: ")
                   : saida.substr(0, saida.size() - 1)) +
              "\n";
    esperado += std::string(c.nome) + ": " + troca(c.esperado) + "\n";
  }
  EXPECT_EQ(obtido, esperado);
  EXPECT_FALSE(fs::exists(Caminho("a0.csv")));
}
