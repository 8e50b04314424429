// The database of many runs on its own: sample runs of different lengths
// and steps exported one after the other, each value read back through its
// wide table and through the data view and compared with the run's own
// series; the dictionary checked against every column of every table; and
// every refusal leaving the file it names as it was.
#include <arqaux/dados.h>
#include <sqlite3.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "support/fixture.h"

namespace {

namespace fs = std::filesystem;

constexpr int kAno = 2001;

// Two runs whose rows differ in number, two and three days of 10-minute
// steps, and one of 15-minute steps, whose files all go into tables of
// their own.
const char* const kOpcoes[] = {"--days 2 --interval 600", "--days 3 --interval 600",
                               "--days 1 --interval 900"};

class DatabaseExport : public ArqauxTest {
 protected:
  static void SetUpTestSuite() {
    pasta_ = (fs::temp_directory_path() / ("arqaux-banco-" + std::to_string(getpid()))).string();
    for (int k = 0; k < 3; ++k) {
      std::string saida;
      ASSERT_EQ(Executa(std::string(ARQAUX_TOOL_PATH) + " sample " + Execucao(k) + " --zones 1 " +
                            kOpcoes[k],
                        &saida),
                0)
          << saida;
    }
  }
  static void TearDownTestSuite() { fs::remove_all(pasta_); }
  static std::string Execucao(int k) { return pasta_ + "/r" + std::to_string(k + 1); }
  static std::string pasta_;
};
std::string DatabaseExport::pasta_;

struct Fecha {
  void operator()(sqlite3* db) const { sqlite3_close(db); }
};

// banco open for reading, and the rows of sql on it, each (text of column
// 0, double of column 1).
class TConsulta {
 public:
  explicit TConsulta(const std::string& banco) {
    sqlite3* aberto = nullptr;
    sqlite3_open_v2(banco.c_str(), &aberto, SQLITE_OPEN_READONLY, nullptr);
    db_.reset(aberto);
  }
  std::vector<std::pair<std::string, double>> operator()(const std::string& sql) const {
    sqlite3_stmt* st = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db_.get(), sql.c_str(), -1, &st, nullptr), SQLITE_OK)
        << sqlite3_errmsg(db_.get()) << ": " << sql;
    std::vector<std::pair<std::string, double>> linhas;
    while (st != nullptr && sqlite3_step(st) == SQLITE_ROW) {
      const unsigned char* t = sqlite3_column_text(st, 0);
      linhas.emplace_back(t != nullptr ? reinterpret_cast<const char*>(t) : "NULL",
                          sqlite3_column_double(st, 1));
    }
    sqlite3_finalize(st);
    return linhas;
  }

 private:
  std::unique_ptr<sqlite3, Fecha> db_;
};

std::unique_ptr<TSerie> Abre(const std::string& caminho) {
  TAmostra_Arquivo a;
  std::string erro;
  EXPECT_TRUE(Le_Amostra_Arquivo(caminho, &a, &erro)) << erro;
  std::unique_ptr<TSerie> s = Abre_Serie(caminho, Detecta_Tipo(a, ""), 0, &erro);
  EXPECT_NE(s, nullptr) << caminho << ": " << erro;
  return s;
}

// Two runs appended one by one hold, for every column of every file, the
// values and times of each run's series, the same through the wide
// table and through the data view; each table has one row of variables per
// column, with the column's unit and quantity as the layer gives them.
TEST_F(DatabaseExport, TwoRunsAppendedReadBackThroughTablesAndTheView) {
  const std::string banco = Caminho("estudo.sqlite");
  TResumo_Banco resumo;
  std::string erro;
  ASSERT_TRUE(Exporta_Banco({Execucao(0)}, banco, false, kAno, &resumo, &erro)) << erro;
  ASSERT_TRUE(Exporta_Banco({Execucao(1)}, banco, true, kAno, &resumo, &erro)) << erro;
  const TConsulta Consulta(banco);
  EXPECT_EQ(Consulta("SELECT folder, run_id FROM runs"),
            (std::vector<std::pair<std::string, double>>{{Execucao(0), 1}, {Execucao(1), 2}}));
  const auto arquivos = Consulta("SELECT DISTINCT source_file, 0 FROM variables");
  EXPECT_EQ(arquivos.size(), resumo.arquivos);
  for (const auto& f : arquivos) {
    const std::string& arquivo = f.first;
    const auto tabelas = Consulta(
        "SELECT DISTINCT table_name, 0 FROM variables WHERE source_file = '" + arquivo + "'");
    ASSERT_EQ(tabelas.size(), 1u) << arquivo;
    const std::string tabela = tabelas[0].first;
    for (int k = 0; k < 2; ++k) {
      std::unique_ptr<TSerie> s = Abre(Execucao(k) + "/" + arquivo);
      ASSERT_NE(s, nullptr);
      const size_t n = s->Colunas().size();
      std::vector<std::vector<std::pair<std::string, double>>> esperado(n);
      std::vector<double> v;
      long long segundos = 0;
      while (s->Le(&v, &segundos)) {
        for (size_t c = 0; c < n; ++c) {
          esperado[c].emplace_back(Texto_ISO(segundos, kAno), Valor_Decimal(v[c]));
        }
      }
      const std::string run = std::to_string(k + 1);
      for (size_t c = 0; c < n; ++c) {
        const TColuna& col = s->Colunas()[c];
        const std::string onde = arquivo + " run " + run + " " + col.nome;
        EXPECT_EQ(Consulta("SELECT t.time, w.\"" + col.nome + "\" FROM \"" + tabela +
                           "\" w JOIN times t USING (time_id) WHERE run_id = " + run +
                           " ORDER BY time_id"),
                  esperado[c])
            << onde;
        // Through the view, each file's last column: each query compiles
        // the whole view.
        if (c + 1 == n) {
          EXPECT_EQ(
              Consulta("SELECT t.time, d.value FROM data d JOIN times t ON t.time_id = "
                       "d.time WHERE d.run = " +
                       run + " AND d.variable = '" + tabela + "." + col.nome + "' ORDER BY d.time"),
              esperado[c])
              << onde;
        }
        EXPECT_EQ(
            Consulta("SELECT ifnull(unit, '') || '|' || quantity || '|' || interval, 0 FROM "
                     "variables WHERE variable = '" +
                     tabela + "." + col.nome + "'"),
            (std::vector<std::pair<std::string, double>>{
                {col.unidade + "|" + col.grandeza + "|" + std::to_string(s->Intervalo()), 0}}))
            << onde;
      }
    }
  }
  // Every column of every wide table has its row of variables, and no row
  // names a column that is not there.
  const std::string colunas =
      "SELECT m.name || '.' || p.name AS v, 0 FROM sqlite_master m, pragma_table_info(m.name) p "
      "WHERE m.type = 'table' AND m.name NOT IN ('runs', 'times', 'variables') AND p.cid > 1";
  EXPECT_EQ(Consulta(colunas + " EXCEPT SELECT variable, 0 FROM variables"),
            (std::vector<std::pair<std::string, double>>{}));
  EXPECT_EQ(Consulta("SELECT variable, 0 FROM variables EXCEPT " + colunas),
            (std::vector<std::pair<std::string, double>>{}));
  // A third run, of another interval, doubles the columns: the view's
  // compound select is nested past SQLite's limit of terms, and still
  // shows every variable.
  ASSERT_TRUE(Exporta_Banco({Execucao(2)}, banco, true, kAno, &resumo, &erro)) << erro;
  const auto variaveis = Consulta("SELECT table_name, 0 FROM variables");
  EXPECT_GT(variaveis.size(), 500u);
  EXPECT_EQ(Consulta("SELECT DISTINCT table_name || ' ' || interval, 0 FROM variables WHERE "
                     "source_file = 'zona1_temp_umi.bin'"),
            (std::vector<std::pair<std::string, double>>{{"zona1_temp_umi 600", 0},
                                                         {"zona1_temp_umi_2 900", 0}}));
  double valores = 0;
  for (const auto& v : variaveis) {
    valores += Consulta("SELECT 0, count(*) FROM \"" + v.first + "\"").at(0).second;
  }
  EXPECT_EQ(Consulta("SELECT 0, count(*) FROM data").at(0).second, valores);
  // Zones and components as the file names and descriptions tell them.
  EXPECT_EQ(
      Consulta("SELECT source_file || ':' || ifnull(zone, '-') || ':' || "
               "ifnull(component, '-'), 0 FROM variables WHERE source_file IN "
               "('clima.bin', 'zona1_fancoil_consumo.dat', 'boiler.dat') GROUP "
               "BY source_file"),
      (std::vector<std::pair<std::string, double>>{{"boiler.dat:-:boiler 1", 0},
                                                   {"clima.bin:-:-", 0},
                                                   {"zona1_fancoil_consumo.dat:1:fancoil 1", 0}}));
}

// What is refused leaves the database, or the file at its name, byte for
// byte as it was, and no temporary file beside it.
TEST_F(DatabaseExport, RefusalsLeaveTheFileAsItWas) {
  const std::string banco = Caminho("estudo.sqlite"), alheio = Caminho("alheio.sqlite"),
                    texto = Caminho("texto.sqlite");
  std::string erro;
  ASSERT_TRUE(Exporta_Banco({Execucao(0)}, banco, false, kAno, nullptr, &erro)) << erro;
  ASSERT_EQ(Executa("sqlite3 " + alheio + " 'CREATE TABLE runs (x); INSERT INTO runs VALUES (1)'"),
            0);
  Escreve_Arquivo(texto, "not a database\n");
  const struct {
    std::vector<std::string> execucoes;
    std::string banco;
    bool acrescentar;
    std::string erro;
  } casos[] = {
      {{Execucao(0)}, banco, true, "' is in '" + banco + "' already: nothing appended"},
      {{Execucao(1), Execucao(0)}, banco, true, "' is in '" + banco + "' already"},
      {{Execucao(1), Execucao(1) + "/"}, banco, true, "is given twice: nothing written"},
      {{Execucao(1)}, alheio, true, "is not a database made by arqaux export: nothing appended"},
      {{Execucao(1)}, texto, true, "is not a database made by arqaux export: nothing appended"},
      {{Execucao(1)}, banco, false, "'" + banco + "' exists already"},
      {{Execucao(1)}, texto, false, "'" + texto + "' exists already"},
      {{Execucao(1)}, Caminho("nenhum.sqlite"), true, "is not a regular file: nothing appended"},
      {{Caminho("nenhuma")}, Caminho("novo.sqlite"), false, "is not a run folder"},
  };
  const std::string antes[] = {Le_Arquivo(banco), Le_Arquivo(alheio), Le_Arquivo(texto)};
  for (const auto& c : casos) {
    EXPECT_FALSE(Exporta_Banco(c.execucoes, c.banco, c.acrescentar, kAno, nullptr, &erro));
    EXPECT_NE(erro.find(c.erro), std::string::npos) << erro;
    EXPECT_EQ(Le_Arquivo(banco), antes[0]) << c.erro;
    EXPECT_EQ(Le_Arquivo(alheio), antes[1]) << c.erro;
    EXPECT_EQ(Le_Arquivo(texto), antes[2]) << c.erro;
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 3);
}

}  // namespace
