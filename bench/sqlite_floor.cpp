// The floor of a run's export into SQLite: what inserting its values costs
// with nothing else to do. Every exportable file of RUN is read through the
// data layer into memory first (untimed), each value as the database holds
// it (Valor_Decimal); then one table per file of wide rows (run_id,
// time_id, then the file's values) is filled in a fresh database, through
// one prepared statement per table, in one transaction, with the index on
// (run_id, time_id), and only that is timed.
//   sqlite_floor RUN OUT.sqlite [PRAGMA...]   (default: journal_mode = MEMORY,
//                                             synchronous = OFF)
// Prints the rows, the values, the CPU seconds (user + system) and wall
// seconds of the inserts, and values per CPU second.
#include <arqaux/dados.h>
#include <sqlite3.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct TTabela {
  std::string nome;
  size_t colunas = 0;
  std::vector<double> valores;  // colunas a row
  std::vector<long long> tempos;
};

double Segundos_CPU() {
  rusage u;
  getrusage(RUSAGE_SELF, &u);
  return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

bool Executa(sqlite3* db, const std::string& sql) {
  char* erro = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &erro) == SQLITE_OK) return true;
  std::fprintf(stderr, "sqlite_floor: %s: %s\n", sql.c_str(), erro != nullptr ? erro : "");
  sqlite3_free(erro);
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: sqlite_floor RUN OUT.sqlite [PRAGMA...]\n");
    return 2;
  }
  std::vector<std::string> pragmas = {"journal_mode = MEMORY", "synchronous = OFF"};
  if (argc > 3) pragmas.assign(argv + 3, argv + argc);
  std::vector<std::string> arquivos;
  for (const auto& e : fs::directory_iterator(argv[1])) {
    if (e.is_regular_file()) arquivos.push_back(e.path().string());
  }
  std::vector<TTabela> tabelas;
  long long linhas = 0, valores = 0;
  for (const std::string& a : arquivos) {
    TAmostra_Arquivo amostra;
    std::string erro;
    if (!Le_Amostra_Arquivo(a, &amostra, &erro)) continue;
    const TDeteccao d = Detecta_Tipo(amostra, "");
    if (d.tipo == nullptr || d.tipo->leitura == TLeitura::Nenhuma) continue;
    std::unique_ptr<TSerie> s = Abre_Serie(a, d, 0, &erro);
    if (s == nullptr) continue;
    TTabela t;
    t.nome = "t" + std::to_string(tabelas.size());
    t.colunas = s->Colunas().size();
    std::vector<double> bloco;
    std::vector<long long> tempos;
    while (s->Le_Bloco(4096, &bloco, &tempos) > 0) {
      for (double v : bloco) t.valores.push_back(Valor_Decimal(v));
      t.tempos.insert(t.tempos.end(), tempos.begin(), tempos.end());
    }
    linhas += static_cast<long long>(t.tempos.size());
    valores += static_cast<long long>(t.valores.size());
    tabelas.push_back(std::move(t));
  }
  fs::remove(argv[2]);
  const double cpu0 = Segundos_CPU();
  const auto wall0 = std::chrono::steady_clock::now();
  sqlite3* db = nullptr;
  if (sqlite3_open(argv[2], &db) != SQLITE_OK) return 1;
  for (const std::string& p : pragmas) {
    if (!Executa(db, "PRAGMA " + p)) return 1;
  }
  if (!Executa(db, "BEGIN")) return 1;
  for (const TTabela& t : tabelas) {
    std::string criacao = "CREATE TABLE " + t.nome + " (run_id INTEGER, time_id INTEGER";
    std::string insercao = "INSERT INTO " + t.nome + " VALUES (?, ?";
    for (size_t c = 0; c < t.colunas; ++c) {
      criacao += ", v" + std::to_string(c) + " REAL";
      insercao += ", ?";
    }
    if (!Executa(db, criacao + ")")) return 1;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, (insercao + ")").c_str(), -1, &st, nullptr) != SQLITE_OK) return 1;
    for (size_t r = 0; r < t.tempos.size(); ++r) {
      sqlite3_bind_int64(st, 1, 1);
      sqlite3_bind_int64(st, 2, t.tempos[r]);
      for (size_t c = 0; c < t.colunas; ++c) {
        sqlite3_bind_double(st, static_cast<int>(c) + 3, t.valores[r * t.colunas + c]);
      }
      if (sqlite3_step(st) != SQLITE_DONE) return 1;
      sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    if (!Executa(db, "CREATE INDEX " + t.nome + "_tempo ON " + t.nome + " (run_id, time_id)")) {
      return 1;
    }
  }
  if (!Executa(db, "COMMIT") || sqlite3_close(db) != SQLITE_OK) return 1;
  const double cpu = Segundos_CPU() - cpu0;
  const double wall =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
  std::printf(
      "floor: %zu tables, %lld rows, %lld values, %.3f s CPU, %.3f s wall, %.0f values/CPU s\n",
      tabelas.size(), linhas, valores, cpu, wall, valores / cpu);
  return 0;
}
