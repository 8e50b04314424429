// Writing a series (series.h) out as CSV or into an SQLite database.
//
// CSV: UTF-8, comma-separated, quoted as RFC 4180 asks (a field holding a
// comma, a quote or a line break goes between quotes, its quotes doubled),
// lines ending CRLF. The header row names each column with its unit
// ("temperature_C"); each row is one record: its time in ISO 8601 in the
// reference year, its hour of the year, then one value per column, each the
// shortest text that reads back to the float stored.
#ifndef ARQAUX_TOOL_EXPORTA_H_
#define ARQAUX_TOOL_EXPORTA_H_

#include <cstdio>
#include <string>

#include "series.h"

struct sqlite3;

// Writes s as CSV on saida: the number of data rows, or -1 when a write
// failed (*erro empty) or a row cannot be dated (*erro says why).
long long Exporta_CSV(TSerie* s, int ano, std::FILE* saida, std::string* erro);
// One field as RFC 4180 writes it.
std::string Campo_CSV(const std::string& texto);

// Writes s into table tabela of db, and one row per column into the series
// table (created when missing): its name, unit, source file and kind. The
// caller holds the transaction. The number of rows, or -1 with *erro.
long long Exporta_SQLite(sqlite3* db, const std::string& tabela, const std::string& fonte,
                         const std::string& tipo, TSerie* s, int ano, std::string* erro);

#endif  // ARQAUX_TOOL_EXPORTA_H_
