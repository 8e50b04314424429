// SQLite helpers of the database export, its fixed tables and its times.
#include "dados/banco_sql.h"

#include <cstdlib>
#include <cstring>

namespace arqaux {

std::string Identificador(const std::string& nome) {
  std::string id = "\"";
  for (char c : nome) id += c == '"' ? std::string("\"\"") : std::string(1, c);
  return id + "\"";
}

std::string Literal(const std::string& texto) {
  std::string l = "'";
  for (char c : texto) l += c == '\'' ? std::string("''") : std::string(1, c);
  return l + "'";
}

std::string Erro_Banco(sqlite3* db) {
  std::string texto = sqlite3_errmsg(db);
  if (const int sistema = sqlite3_system_errno(db)) {
    texto += std::string(" (") + std::strerror(sistema) + ")";
  }
  return texto;
}

bool Executa(sqlite3* db, const std::string& sql, std::string* erro) {
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK) return true;
  *erro = Erro_Banco(db);
  return false;
}

TComando Prepara(sqlite3* db, const std::string& sql, std::string* erro) {
  sqlite3_stmt* st = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) *erro = Erro_Banco(db);
  return TComando(st);
}

bool Passo(sqlite3* db, sqlite3_stmt* st, const std::vector<std::string>& textos, bool nulos,
           std::string* erro) {
  for (size_t i = 0; i < textos.size(); ++i) {
    const int k = static_cast<int>(i) + 1;
    if (nulos && textos[i].empty()) {
      sqlite3_bind_null(st, k);
    } else {
      sqlite3_bind_text(st, k, textos[i].c_str(), -1, SQLITE_TRANSIENT);
    }
  }
  const bool ok = sqlite3_step(st) == SQLITE_DONE;
  if (!ok) *erro = Erro_Banco(db);
  sqlite3_reset(st);
  return ok;
}

namespace {

// The columns of runs, which tell a database arqaux made.
const char* const kColunasRuns = "run_id,folder,exported_at,exporter,producer";

}  // namespace

bool Cria_Esquema(sqlite3* db, std::string* erro) {
  return Executa(db,
                 "CREATE TABLE runs (run_id INTEGER PRIMARY KEY, folder TEXT NOT NULL UNIQUE, "
                 "exported_at TEXT NOT NULL, exporter TEXT NOT NULL, producer TEXT);"
                 "CREATE TABLE times (time_id INTEGER PRIMARY KEY, time TEXT NOT NULL, "
                 "month INTEGER NOT NULL, day INTEGER NOT NULL, hour INTEGER NOT NULL, "
                 "minute INTEGER NOT NULL, interval INTEGER NOT NULL, UNIQUE (time, interval));"
                 "CREATE TABLE variables (variable TEXT PRIMARY KEY, table_name TEXT NOT NULL, "
                 "column_name TEXT NOT NULL, quantity TEXT, unit TEXT, zone INTEGER, "
                 "component TEXT, kind TEXT NOT NULL, interval INTEGER NOT NULL, "
                 "source_file TEXT NOT NULL);"
                 "CREATE VIEW data AS SELECT NULL AS run, NULL AS time, NULL AS variable, "
                 "NULL AS value WHERE 0",
                 erro);
}

bool E_Banco_Arqaux(sqlite3* db) {
  std::string erro, colunas;
  TComando st = Prepara(db, "SELECT name FROM pragma_table_info('runs')", &erro);
  if (st == nullptr) return false;
  int rc;
  while ((rc = sqlite3_step(st.get())) == SQLITE_ROW) {
    const unsigned char* nome = sqlite3_column_text(st.get(), 0);
    if (!colunas.empty()) colunas += ",";
    colunas += nome != nullptr ? reinterpret_cast<const char*>(nome) : "";
  }
  return rc == SQLITE_DONE && colunas == kColunasRuns;
}

sqlite3_int64 TTempos::Id(long long segundos, long long intervalo, std::string* erro) {
  const auto chave = std::make_pair(segundos, intervalo);
  const auto achado = ids_.find(chave);
  if (achado != ids_.end()) return achado->second;
  if (!Cabe_No_Calendario(segundos, ano_)) {
    *erro = Falha_Calendario(ano_);
    return -1;
  }
  if (procura_ == nullptr) {
    procura_ = Prepara(db_, "SELECT time_id FROM times WHERE time = ?1 AND interval = ?2", erro);
    insere_ = Prepara(db_, "INSERT INTO times VALUES (NULL, ?1, ?2, ?3, ?4, ?5, ?6)", erro);
    if (procura_ == nullptr || insere_ == nullptr) return -1;
  }
  // "2001-01-01T00:10:00": a year of four digits, then fixed places.
  const std::string iso = Texto_ISO(segundos, ano_);
  sqlite3_bind_text(procura_.get(), 1, iso.c_str(), -1, SQLITE_TRANSIENT);
  sqlite3_bind_int64(procura_.get(), 2, intervalo);
  sqlite3_int64 id = -1;
  const int rc = sqlite3_step(procura_.get());
  if (rc == SQLITE_ROW) id = sqlite3_column_int64(procura_.get(), 0);
  sqlite3_reset(procura_.get());
  if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
    *erro = Erro_Banco(db_);
    return -1;
  }
  if (id < 0) {
    sqlite3_bind_text(insere_.get(), 1, iso.c_str(), -1, SQLITE_TRANSIENT);
    const int partes[4][2] = {{5, 2}, {8, 2}, {11, 2}, {14, 2}};
    for (int k = 0; k < 4; ++k) {
      sqlite3_bind_int(insere_.get(), k + 2,
                       std::atoi(iso.substr(partes[k][0], partes[k][1]).c_str()));
    }
    sqlite3_bind_int64(insere_.get(), 6, intervalo);
    if (!Passo(db_, insere_.get(), {}, false, erro)) return -1;
    id = sqlite3_last_insert_rowid(db_);
  }
  ids_[chave] = id;
  return id;
}

}  // namespace arqaux
