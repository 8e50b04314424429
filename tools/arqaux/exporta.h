// Writing a series of the data layer into an SQLite database.
#ifndef ARQAUX_TOOL_EXPORTA_H_
#define ARQAUX_TOOL_EXPORTA_H_

#include <arqaux/dados.h>

#include <cstdio>
#include <string>

struct sqlite3;

// Writes s into table tabela of db, and one row per column into the series
// table (created when missing): its name, unit, source file and kind. The
// caller holds the transaction. The number of rows, or -1 with *erro.
long long Exporta_SQLite(sqlite3* db, const std::string& tabela, const std::string& fonte,
                         const std::string& tipo, TSerie* s, int ano, std::string* erro);

#endif  // ARQAUX_TOOL_EXPORTA_H_
