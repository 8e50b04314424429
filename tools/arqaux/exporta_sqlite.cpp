#include <sqlite3.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "exporta.h"

namespace {

struct Finaliza {
  void operator()(sqlite3_stmt* st) const { sqlite3_finalize(st); }
};
using TComando = std::unique_ptr<sqlite3_stmt, Finaliza>;

// An identifier between double quotes, its quotes doubled.
std::string Identificador(const std::string& nome) {
  std::string id = "\"";
  for (char c : nome) id += c == '"' ? std::string("\"\"") : std::string(1, c);
  return id + "\"";
}

bool Executa(sqlite3* db, const std::string& sql, std::string* erro) {
  char* mensagem = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &mensagem) == SQLITE_OK) return true;
  *erro = mensagem != nullptr ? mensagem : sqlite3_errmsg(db);
  sqlite3_free(mensagem);
  return false;
}

TComando Prepara(sqlite3* db, const std::string& sql, std::string* erro) {
  sqlite3_stmt* st = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) {
    *erro = sqlite3_errmsg(db);
  }
  return TComando(st);
}

// Binds the texts from position 1 on, runs st once and resets it.
bool Passo(sqlite3* db, sqlite3_stmt* st, std::string* erro) {
  const bool ok = sqlite3_step(st) == SQLITE_DONE;
  if (!ok) *erro = sqlite3_errmsg(db);
  sqlite3_reset(st);
  return ok;
}

bool Descreve_Colunas(sqlite3* db, const std::string& tabela, const std::string& fonte,
                      const std::string& tipo, const std::vector<TColuna>& colunas,
                      std::string* erro) {
  if (!Executa(db,
               "CREATE TABLE IF NOT EXISTS series (table_name TEXT, column_name TEXT, name TEXT, "
               "unit TEXT, source_file TEXT, kind TEXT)",
               erro)) {
    return false;
  }
  TComando st = Prepara(db, "INSERT INTO series VALUES (?, ?, ?, ?, ?, ?)", erro);
  if (st == nullptr) return false;
  for (const TColuna& c : colunas) {
    const std::string textos[6] = {tabela, c.nome, c.nome, c.unidade, fonte, tipo};
    for (int i = 0; i < 6; ++i) {
      sqlite3_bind_text(st.get(), i + 1, textos[i].c_str(), -1, SQLITE_TRANSIENT);
    }
    if (!Passo(db, st.get(), erro)) return false;
  }
  return true;
}

}  // namespace

long long Exporta_SQLite(sqlite3* db, const std::string& tabela, const std::string& fonte,
                         const std::string& tipo, TSerie* s, int ano, std::string* erro) {
  std::string criacao = "CREATE TABLE " + Identificador(tabela) +
                        " (timestamp TEXT NOT NULL, hour_of_year REAL NOT NULL";
  std::string insercao = "INSERT INTO " + Identificador(tabela) + " VALUES (?, ?";
  for (const TColuna& c : s->Colunas()) {
    criacao += ", " + Identificador(c.nome) + " REAL";
    insercao += ", ?";
  }
  if (!Executa(db, criacao + ")", erro) ||
      !Descreve_Colunas(db, tabela, fonte, tipo, s->Colunas(), erro)) {
    return -1;
  }
  TComando st = Prepara(db, insercao + ")", erro);
  if (st == nullptr) return -1;
  std::vector<double> valores;
  long long segundos = 0, linhas = 0;
  while (s->Le(&valores, &segundos)) {
    if (!Cabe_No_Calendario(segundos, ano)) {
      *erro = Falha_Calendario(ano);
      return -1;
    }
    const std::string quando = Texto_ISO(segundos, ano);
    sqlite3_bind_text(st.get(), 1, quando.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_double(st.get(), 2, static_cast<double>(segundos) / 3600.0);
    for (size_t i = 0; i < valores.size(); ++i) {
      sqlite3_bind_double(st.get(), static_cast<int>(i) + 3, Valor_Decimal(valores[i]));
    }
    if (!Passo(db, st.get(), erro)) return -1;
    ++linhas;
  }
  return linhas;
}
