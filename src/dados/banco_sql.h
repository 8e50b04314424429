// The database export's own use of SQLite: handles that close themselves,
// statements run or prepared with the cause of a failure kept, and the
// tables a run's files go into (banco_tabelas.cpp), and what a run
// folder holds (banco_execucao.cpp).
#ifndef ARQAUX_DADOS_BANCO_SQL_H_
#define ARQAUX_DADOS_BANCO_SQL_H_

#include <sqlite3.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "arqaux/dados.h"

namespace arqaux {

struct Fecha_Banco {
  void operator()(sqlite3* db) const { sqlite3_close(db); }
};
using TBanco = std::unique_ptr<sqlite3, Fecha_Banco>;
struct Finaliza_Comando {
  void operator()(sqlite3_stmt* st) const { sqlite3_finalize(st); }
};
using TComando = std::unique_ptr<sqlite3_stmt, Finaliza_Comando>;

// An identifier between double quotes, its quotes doubled.
std::string Identificador(const std::string& nome);
// A text literal between single quotes, its quotes doubled.
std::string Literal(const std::string& texto);
// What SQLite said of db, with the system's own words when a call to the
// system failed: "disk I/O error (File too large)".
std::string Erro_Banco(sqlite3* db);
// Runs sql: false, with *erro, when it fails.
bool Executa(sqlite3* db, const std::string& sql, std::string* erro);
// Prepares sql: null, with *erro, when it does not.
TComando Prepara(sqlite3* db, const std::string& sql, std::string* erro);
// Binds textos from position 1 on (an empty one as NULL when nulos), runs
// st to its end and resets it: false, with *erro, when it fails.
bool Passo(sqlite3* db, sqlite3_stmt* st, const std::vector<std::string>& textos, bool nulos,
           std::string* erro);

// The tables of the layout that every database arqaux makes holds, created
// in a new one: runs, times, variables, and the view data.
bool Cria_Esquema(sqlite3* db, std::string* erro);
// Whether db is one arqaux made: its runs table has the columns it makes.
bool E_Banco_Arqaux(sqlite3* db);

// The time rows of one export: each distinct (interval end, interval) one
// row of times, looked up in memory once it is known, its ISO text made
// once.
class TTempos {
 public:
  TTempos(sqlite3* db, int ano) : db_(db), ano_(ano) {}
  // The time_id of the interval of intervalo seconds ending segundos after
  // the reference year's start, added when new: -1, with *erro, when it
  // cannot be dated or added.
  sqlite3_int64 Id(long long segundos, long long intervalo, std::string* erro);

 private:
  sqlite3* db_;
  int ano_;
  TComando procura_, insere_;
  std::map<std::pair<long long, long long>, sqlite3_int64> ids_;
};

// One row of variables: what a column of a table holds.
struct TVariavel {
  std::string coluna, grandeza, unidade, zona, componente, tipo, intervalo, fonte;
};

// The table name a file's stem gives: "zona1_temp_umi.bin" ->
// "zona1_temp_umi".
std::string Radical(const std::string& arquivo);
// The rows of variables of a file's columns.
std::vector<TVariavel> Variaveis(const TArquivo_Execucao& a, const TSerie& s);
// The first line of the run folder's manifest; empty when it has none.
std::string Produtor(const std::string& pasta);
// "2026-12-06T16:46:10Z": now.
std::string Agora_UTC();

// The tables one run's files go into.
class TTabelas {
 public:
  explicit TTabelas(sqlite3* db) : db_(db) {}
  // The table a file's rows go into (vars: its columns as variables
  // describes them): the first of the file's stem, stem_2, ... that no
  // other file of this run took and that either holds the same columns
  // (and the same variables rows) or is new, then made with its index and
  // its rows of variables. Empty, with *erro, when it fails.
  std::string Tabela(const std::string& radical, const std::vector<TVariavel>& vars,
                     std::string* erro);
  // A new run begins: no table is taken.
  void Nova_Execucao() { tomadas_.clear(); }
  // Whether a table was made since the view was last made.
  bool Criou() const { return criou_; }
  // Remakes the view data over every column of every table.
  bool Refaz_Visao(std::string* erro);

 private:
  bool Confere(const std::string& tabela, const std::vector<TVariavel>& vars, bool* existe,
               std::string* erro);
  sqlite3* db_;
  std::set<std::string> tomadas_;  // in lower case: names ignore case
  bool criou_ = false;
};

}  // namespace arqaux

#endif  // ARQAUX_DADOS_BANCO_SQL_H_
