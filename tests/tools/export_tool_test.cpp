// arqaux info, export and plot on the files sample runs write: one table of
// kinds drives what info tells, the CSV read back against the source's own
// bytes, and the SQLite database read through the sqlite3 client.
//
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
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/fixture.h"

namespace {

namespace fs = std::filesystem;

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
  std::string Em(const std::string& nome) const { return pasta_ + "/" + nome; }
  const std::string& pasta_ = Amostra("--zones 1 --days 2 --interval 3600");
};

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
    const int status = Executa(kFerramenta + "info " + Em(c.arquivo), &saida);
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
  Roda_Ok(kFerramenta + "export " + pasta_ + " --to csv --out " + Caminho("csv"));
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
  EXPECT_EQ(Roda_Ok(kFerramenta + "export " + Em("zona1_acs.bin") + " --to csv --out -"),
            Le_Arquivo(Caminho("csv/zona1_acs.bin.csv")));
  // A second export replaces the folder's CSV files; a folder that holds
  // any other file (the run's own) is refused, and loses nothing.
  fs::remove(Caminho("csv/zona1_ats.bin.csv"));
  Roda_Ok(kFerramenta + "export " + pasta_ + " --to csv --out " + Caminho("csv"));
  EXPECT_TRUE(fs::exists(Caminho("csv/zona1_ats.bin.csv")));
  Escreve_Arquivo(Caminho("csv/notas.txt"), "mine");
  const size_t arquivos = std::distance(fs::directory_iterator(pasta_), {});
  for (const std::string& pasta : {Caminho("csv"), pasta_}) {
    EXPECT_EQ(Executa(kFerramenta + "export " + pasta_ + " --to csv --out " + pasta, &saida), 1);
    EXPECT_NE(saida.find("CSV files go into a new folder"), std::string::npos) << saida;
  }
  EXPECT_EQ(Le_Arquivo(Caminho("csv/notas.txt")), "mine");
  EXPECT_EQ(static_cast<size_t>(std::distance(fs::directory_iterator(pasta_), {})), arquivos);
}

// The run's directory in one database, read by the sqlite3 client: each
// exportable file a table of its records, and one row of variables of its
// kind per column (the values are the data layer's, checked in its own
// tests). Tables are named after the files in name order, a stem met again
// with "_2" after it; names that differ only in case, or that the database
// keeps for itself, are made unique too. A second run, a day longer,
// appended from the command line holds its own rows.
TEST_F(ExportTool, SqliteHoldsARunsFilesAsTables) {
  const std::string banco = Caminho("run.sqlite");
  Roda_Ok(kFerramenta + "export " + pasta_ + " --to sqlite --out " + banco);
  std::vector<const TCaso*> exportados;
  for (const TCaso& c : kCasos) {
    if (c.registros >= 0) exportados.push_back(&c);
  }
  std::sort(exportados.begin(), exportados.end(),
            [](const TCaso* a, const TCaso* b) { return std::strcmp(a->arquivo, b->arquivo) < 0; });
  std::set<std::string> tabelas;
  std::string consultas, esperado;
  for (const TCaso* c : exportados) {
    std::string tabela = fs::path(c->arquivo).stem().string();
    std::replace(tabela.begin(), tabela.end(), '-', '_');
    if (!tabelas.insert(tabela).second) tabelas.insert(tabela += "_2");
    consultas += "SELECT COUNT(*), (SELECT COUNT(*) FROM variables WHERE table_name = '" + tabela +
                 "' AND kind = '" + c->tipo + "') FROM \"" + tabela + "\";\n";
    esperado += std::to_string(c->registros) + "|" + std::to_string(c->colunas) + "\n";
  }
  Escreve_Arquivo(Caminho("consultas.sql"), consultas);
  EXPECT_EQ(Roda_Ok("sqlite3 " + banco + " < " + Caminho("consultas.sql")), esperado);

  fs::create_directories(Caminho("nomes"));
  for (const char* nome : {"Series", "Zona1_ATS", "sqlite_stat1", "zona1-ats", "zona1_ats"}) {
    fs::copy_file(Em("zona1_ats.bin"), Caminho("nomes/") + nome + ".bin");
    Escreve_Arquivo(Caminho("nomes/") + nome + ".bin.desc", "kind = ats\n");
  }
  const std::string nomes = Caminho("nomes.sqlite");
  Roda_Ok(kFerramenta + "export " + Caminho("nomes") + " --to sqlite --out " + nomes);
  EXPECT_EQ(Roda_Ok("sqlite3 " + nomes + " 'SELECT DISTINCT table_name FROM variables'"),
            "Series\nZona1_ATS\nt_sqlite_stat1\nzona1_ats_2\nzona1_ats_3\n");

  const std::string& r2 = Amostra("--zones 1 --days 3 --interval 3600");
  Roda_Ok(kFerramenta + "export " + r2 + " --to sqlite --out " + banco + " --append");
  EXPECT_EQ(Roda_Ok("sqlite3 " + banco +
                    " \"SELECT run, count(*) FROM data WHERE variable = "
                    "'zona1_temp_umi.zone_air_temperature' GROUP BY run\""),
            "1|" + std::to_string(kPassos) + "\n2|" + std::to_string(kPassos * 3 / 2) + "\n");
}

// What a command said: the line of a refusal; info's kind, records and
// period; or else its whole output without the last line feed.
std::string Dito(const std::string& saida) {
  if (saida.find("arqaux: ") != std::string::npos) return Depois(saida, "arqaux: ");
  if (saida.rfind("file: ", 0) != 0) return saida.substr(0, saida.size() - 1);
  std::string dito = "kind: " + Depois(saida, "kind: ");
  if (saida.find("\nrecords: ") != std::string::npos) {
    dito += " / " + Depois(saida, "records: ") + " / " + Depois(saida, "period: ");
  }
  return dito;
}

// Files whose kind their header and size do not tell are refused with the
// kinds that fit, and a description or --kind tells them; damaged or
// impossible files and databases are refused with the one line that says
// why ("@" stands for the file's path, which stays as it was); those that
// read tell what they hold.
TEST_F(ExportTool, KindsDamagedAndImpossibleFilesAreToldOrRefused) {
  const std::string ats = Le_Arquivo(Em("zona1_ats.bin")), acs = Le_Arquivo(Em("zona1_acs.bin"));
  const std::string parede = Le_Arquivo(Em("zona1_parede.bin")), solo = Le_Arquivo(Em("solo.bin"));
  const std::string desc_ats = "kind = ats\ninterval = ", desc_parede = "kind = wall\nregions = ";
  const std::string tipo = "cannot tell the kind of '@': ", intervalo = tipo + "its description, ";
  const std::string nenhum = tipo + "no kind the tool knows has its header and size";
  const std::string camadas =
      "'@' does not hold these regions and groups: the 9216 bytes after its "
      "36-byte header are not whole ";
  const std::string dias = std::string(" / 48 / ") + kDias, banco = "not a database\n";
  const struct {
    const char* nome;
    std::string conteudo, descricao, comando, esperado;
  } casos[] = {
      {"k0", acs, "", "info @", tipo + "its size fits ats, acs, occupancy; give --kind"},
      {"k1", solo, "", "info @", tipo + "its size fits ti, soil, ats, acs, occupancy; give --kind"},
      {"k2", Le_Arquivo(Em("zona1_pv.bin")), "", "info @",
       tipo + "its size fits ats, acs, pv, occupancy; give --kind"},
      {"k3", "not a file of the library\n", "", "info @",
       "kind: report (text: a report, configuration, system file, catalogue or dump), told by its "
       "header and size"},
      {"k4", "\x01\x02\x03", "", "info @", nenhum},
      {"k5", "", "", "info @", nenhum},
      {"k6", std::string(16, '\0'), "kind = colour\n", "info @",
       intervalo + "line 1: 'colour' is not a value of 'kind'"},
      {"k7", acs, "", "info @ --kind occupancy",
       "kind: occupancy (occupancy stream), told by --kind" + dias},
      {"k8", solo, "", "info @ --kind ace",
       "kind: ace (ACE stream), told by --kind / 17520 / 2001-01-01T01:00:00 to "
       "2003-01-01T00:00:00"},
      {"k9", acs, "", "info @ --kind wind", tipo + "'wind' is not a kind the tool knows"},
      {"k10", Le_Arquivo(Em("zona1_mofo.bin")), "", "info @",
       "kind: surface (shading, heat-vapour flux or mould stream), told by its header and size"},
      // A wall's regions are the writer's: without them no row can be read.
      {"k11", parede, "", "export @ --to csv",
       "cannot read '@' as wall (wall node file): its description must give 'regions = ' the "
       "elements of each region, and may give 'groups = ' those of 1,2,3 it holds"},
      {"i0", ats, desc_ats + "0\n", "info @",
       intervalo + "line 2: '0' is not a value of 'interval'"},
      {"i1", ats, desc_ats + "-600\n", "info @",
       intervalo + "line 2: '-600' is not a value of 'interval'"},
      {"i2", ats, desc_ats + "1e3\n", "info @",
       intervalo + "line 2: '1e3' is not a value of 'interval'"},
      {"i3", ats, desc_ats + "600 extra\n", "info @",
       intervalo + "line 2: '600 extra' is not a value of 'interval'"},
      {"i4", ats, desc_ats + "600\ninterval = 600\n", "info @",
       intervalo + "line 3: 'interval' given twice"},
      {"i5", ats, desc_ats + "600\n", "info @",
       "kind: ats (ATS stream), told by its description / 48 / 2001-01-01T00:10:00 to "
       "2001-01-01T08:00:00"},
      {"p0", parede, desc_parede + "4,6,5\n", "info @", "'@' holds 2 regions in its header, not 3"},
      {"p1", parede, desc_parede + "9,9\n", "export @ --to csv", camadas + "320-byte steps"},
      {"p2", parede, desc_parede + "4,7\ngroups = 1,2\n", "info @", camadas + "156-byte steps"},
      {"p3", parede, desc_parede + "4,6\ngroups = 1,1\n", "info @",
       intervalo + "line 3: '1,1' is not a value of 'groups'"},
      {"p4", parede, "", "wall show @ --regions 9,9", camadas + "320-byte steps"},
      {"p5", parede, "", "wall show @ --regions 4", "'@' holds 2 regions in its header, not 1"},
      {"c0", acs + "1234567", "", "info @ --kind acs",
       "kind: acs (operative and exterior temperature stream), told by --kind / 48 whole and 7 "
       "bytes more / " +
           std::string(kDias)},
      {"z0", std::string(4000, '\0'), "", "info @",
       tipo + "its size fits ats, acs, occupancy; give --kind"},
      {"a0", std::string(32000, '\0'), "",
       "export @ --kind ats --year 9979 --interval 86400 --to csv --out " + Caminho("a0.csv"),
       "@: its records run past the year 9999 from --year 9979"},
      {"a1", std::string(4 * 52560, '\0'), "",
       "export @ --kind ats --year 1 --interval 86400 --to csv --out - | tail -n 1",
       "0145-01-01T00:00:00,86400,1261440,0\r"},
      {"b0", banco, "", "export " + pasta_ + " --to sqlite --out @", "'@' exists already"},
      {"b1", banco, "", "export " + pasta_ + " --to sqlite --out @ --append",
       "'@' is not a database made by arqaux export: nothing appended"},
      {"b2", banco, "", "export " + pasta_ + " @ --to sqlite",
       "several runs go into one database: give --out FILE"},
      {"b3", banco, "", "export @ --to sqlite --out @.sqlite --interval 60",
       "--kind and --interval are for one file: a run's files tell their own"},
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
    const int status = Executa(kFerramenta + troca(c.comando), &saida);
    EXPECT_EQ(status, saida.find("arqaux: ") == std::string::npos ? 0 : 1) << c.nome;
    EXPECT_EQ(Le_Arquivo(p), c.conteudo) << c.nome;
    obtido += std::string(c.nome) + ": " + Dito(saida) + "\n";
    esperado += std::string(c.nome) + ": " + troca(c.esperado) + "\n";
  }
  EXPECT_EQ(obtido, esperado);
  EXPECT_FALSE(fs::exists(Caminho("a0.csv")));
}

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
  return Divide(linha, ',');
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
    Roda_Ok(kFerramenta + "export " + pasta_ + "/" + arquivo + " --to csv --out " + csv + opcoes);
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
    Roda_Ok(kFerramenta + "plot " + c.arquivo + " " + c.opcoes + " --out " + png +
            " --width 320 --height 200");
    const std::string bytes = Le_Arquivo(png);
    ASSERT_GT(bytes.size(), 24u) << c.opcoes;
    // The signature, then the header: its width and height, 32-bit big-endian.
    EXPECT_EQ(bytes.substr(0, 8) + bytes.substr(12, 12),
              std::string("\x89PNG\r\n\x1a\nIHDR\0\0\x01\x40\0\0\0\xc8", 20))
        << c.opcoes;
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
