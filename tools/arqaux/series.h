// The records of an exportable file as a time series: named columns with
// their units, one row of values per record, and each row's time. Every
// file is read through the library's own readers, opened in its registry.
//
// A row's time is counted in seconds from 1 January, 0:00, on the 365-day
// year of the simulation: an hourly input file's record h is hour h; a
// result stream's record k closes step k, (k + 1) intervals in; a load or
// gain line carries its own date and time (a date earlier than the line
// before is in the next year).
//
// Free of the command-line parser, so that the fuzz target compiles it.
#ifndef ARQAUX_TOOL_SERIES_H_
#define ARQAUX_TOOL_SERIES_H_

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "tipos_arquivo.h"

struct TColuna {
  std::string nome;     // "temperature"
  std::string unidade;  // "C"; empty for a pure number
  // "temperature_C": the column's heading.
  std::string Titulo() const { return unidade.empty() ? nome : nome + "_" + unidade; }
};

class TSerie {
 public:
  virtual ~TSerie() = default;
  const std::vector<TColuna>& Colunas() const { return colunas_; }
  // The next record into valores (one per column) and its time; false at
  // the end of the data.
  virtual bool Le(std::vector<double>* valores, long long* segundos) = 0;

 protected:
  std::vector<TColuna> colunas_;
};

// Opens caminho, of the kind d told, as a series whose steps are intervalo
// seconds (d's when 0, an hour when neither knows): null, with *erro, when
// the kind has no records the tool reads or the file does not open.
std::unique_ptr<TSerie> Abre_Serie(const std::string& caminho, const TDeteccao& d, int intervalo,
                                   std::string* erro);

// The same for an HVAC data or consumption stream (series_hvac.cpp): d's
// description gives its columns. Leaves *erro as it finds it when the file
// does not open.
std::unique_ptr<TSerie> Abre_Serie_HVAC(const std::string& caminho, const TDeteccao& d,
                                        int intervalo, std::string* erro);

// One line of a text stream into linha, without its "\n": what ended it,
// '\n' or EOF, or 0 when it is longer than 64 KiB (a line of values is never
// that long).
int Le_Linha_Texto(std::FILE* arq, std::string* linha);
// Appends the numbers of texto, separated by blanks, tabs or "\r", to
// valores: false at a word that is not one.
bool Le_Reais_Texto(const char* texto, std::vector<double>* valores);

// "2001-01-01T01:00:00": segundos after 1 January of ano at 0:00 on the
// 365-day year (a later year begins every 365 days; no 29 February).
std::string Texto_ISO(long long segundos, int ano);
// "1.5": segundos as hours, the fewest digits that read back.
std::string Texto_Horas(long long segundos);
// The shortest text of v that reads back to it ("0.1", "-3e-05"): to the
// same float when v is one, as every stored value is.
std::string Texto_Valor(double v);

#endif  // ARQAUX_TOOL_SERIES_H_
