// The wide tables of the database export, their rows of variables and the
// view data over them.
#include <algorithm>
#include <cctype>

#include "dados/banco_sql.h"

namespace arqaux {
namespace {

std::string Minusculas(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// The most terms SQLite takes in one compound select.
constexpr size_t kMaxTermos = 500;

// termos joined by UNION ALL, nested in selects of at most kMaxTermos each.
std::string Une(const std::vector<std::string>& termos) {
  if (termos.size() <= kMaxTermos) {
    std::string sql;
    for (const std::string& t : termos) sql += (sql.empty() ? "" : " UNION ALL ") + t;
    return sql;
  }
  std::vector<std::string> grupos;
  for (size_t i = 0; i < termos.size(); i += kMaxTermos) {
    const std::vector<std::string> parte(termos.begin() + i,
                                         termos.begin() + std::min(termos.size(), i + kMaxTermos));
    grupos.push_back("SELECT * FROM (" + Une(parte) + ")");
  }
  return Une(grupos);
}

}  // namespace

bool TTabelas::Confere(const std::string& tabela, const std::vector<TVariavel>& vars, bool* existe,
                       std::string* erro) {
  TComando st = Prepara(db_, "SELECT 1 FROM sqlite_master WHERE name = ?1 COLLATE NOCASE", erro);
  if (st == nullptr) return false;
  sqlite3_bind_text(st.get(), 1, tabela.c_str(), -1, SQLITE_TRANSIENT);
  *existe = sqlite3_step(st.get()) == SQLITE_ROW;
  if (!*existe) return true;
  st = Prepara(db_,
               "SELECT column_name, quantity, unit, zone, component, kind, interval, source_file "
               "FROM variables WHERE table_name = ?1 ORDER BY rowid",
               erro);
  if (st == nullptr) return false;
  sqlite3_bind_text(st.get(), 1, tabela.c_str(), -1, SQLITE_TRANSIENT);
  size_t k = 0;
  while (sqlite3_step(st.get()) == SQLITE_ROW) {
    if (k == vars.size()) return false;
    const TVariavel& v = vars[k++];
    const std::string* campos[8] = {&v.coluna,     &v.grandeza, &v.unidade,   &v.zona,
                                    &v.componente, &v.tipo,     &v.intervalo, &v.fonte};
    for (int c = 0; c < 8; ++c) {
      const unsigned char* t = sqlite3_column_text(st.get(), c);
      if (*campos[c] != (t != nullptr ? reinterpret_cast<const char*>(t) : "")) return false;
    }
  }
  return k == vars.size() && k > 0;
}

std::string TTabelas::Tabela(const std::string& radical, const std::vector<TVariavel>& vars,
                             std::string* erro) {
  for (int n = 1;; ++n) {
    const std::string tabela = n == 1 ? radical : radical + "_" + std::to_string(n);
    if (tomadas_.count(Minusculas(tabela)) != 0) continue;
    bool existe = false;
    if (!Confere(tabela, vars, &existe, erro)) {
      if (!erro->empty()) return "";
      continue;
    }
    tomadas_.insert(Minusculas(tabela));
    if (existe) return tabela;
    std::string criacao = "CREATE TABLE " + Identificador(tabela) +
                          " (run_id INTEGER NOT NULL REFERENCES runs, time_id INTEGER NOT NULL "
                          "REFERENCES times";
    for (const TVariavel& v : vars) criacao += ", " + Identificador(v.coluna) + " REAL";
    criacao += "); CREATE INDEX " + Identificador(tabela + "_run_time") + " ON " +
               Identificador(tabela) + " (run_id, time_id)";
    TComando st;
    if (Executa(db_, criacao, erro)) {
      st = Prepara(db_, "INSERT INTO variables VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)",
                   erro);
    }
    if (st == nullptr) return "";
    for (const TVariavel& v : vars) {
      if (!Passo(db_, st.get(),
                 {tabela + "." + v.coluna, tabela, v.coluna, v.grandeza, v.unidade, v.zona,
                  v.componente, v.tipo, v.intervalo, v.fonte},
                 true, erro)) {
        return "";
      }
    }
    criou_ = true;
    return tabela;
  }
}

bool TTabelas::Refaz_Visao(std::string* erro) {
  TComando st =
      Prepara(db_, "SELECT variable, table_name, column_name FROM variables ORDER BY rowid", erro);
  if (st == nullptr) return false;
  std::vector<std::string> termos;
  while (sqlite3_step(st.get()) == SQLITE_ROW) {
    std::string campos[3];
    for (int c = 0; c < 3; ++c) {
      const unsigned char* t = sqlite3_column_text(st.get(), c);
      campos[c] = t != nullptr ? reinterpret_cast<const char*>(t) : "";
    }
    termos.push_back("SELECT run_id AS run, time_id AS time, " + Literal(campos[0]) +
                     " AS variable, " + Identificador(campos[2]) + " AS value FROM " +
                     Identificador(campos[1]));
  }
  criou_ = false;
  return Executa(db_, "DROP VIEW data; CREATE VIEW data AS " + Une(termos), erro);
}

}  // namespace arqaux
