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
  // A stream of fixed records: the byte of the file where the last whole
  // record read ends (where the records begin, before any), so that what
  // lies after it is a record cut short. -1 for the other series.
  virtual long long Fim_Registros() const { return -1; }

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

// Checks the data lines of the daylighting schedule caminho for hours 0 to
// horas - 1, which the library's window reader takes in line order: each
// must be one hour's line, and its month, day and hour columns must date it
// the hour after the line before (the first, the year's first hour). Empty
// when they do; else why not, naming the file and the line.
std::string Confere_Agenda_Iluminacao(const std::string& caminho, int horas);

// Checks a wall node file against the regions (their elements) and the
// groups (1 to 3) a caller gives: its header must hold as many regions, and
// the rest of the file whole step records of them. Empty when it does; else
// why not, naming the file.
std::string Confere_Parede(const std::string& caminho, const std::vector<int>& elementos,
                           const bool (&grupos)[3]);

// One line of a text stream into linha, without its "\n": what ended it,
// '\n' or EOF, or 0 when it is longer than 64 KiB (a line of values is never
// that long).
int Le_Linha_Texto(std::FILE* arq, std::string* linha);
// Appends the numbers of texto, separated by blanks, tabs or "\r", to
// valores: false at a word that is not one.
bool Le_Reais_Texto(const char* texto, std::vector<double>* valores);

// The last year a row is dated in: a date's year has four digits.
constexpr int ULTIMO_ANO = 9999;
// Whether segundos after 1 January of ano at 0:00 fall in a year up to
// ULTIMO_ANO.
bool Cabe_No_Calendario(long long segundos, int ano);
// Why the rows of a series from 1 January of ano cannot all be dated.
std::string Falha_Calendario(int ano);
// "2001-01-01T01:00:00": segundos after 1 January of ano at 0:00 on the
// 365-day year (a later year begins every 365 days; no 29 February).
std::string Texto_ISO(long long segundos, int ano);
// "1.5": segundos as hours, the fewest digits that read back, never with
// an exponent.
std::string Texto_Horas(long long segundos);
// The shortest text of v that reads back to it ("0.1", "-3e-05"): to the
// same float when v is one, as every stored value is.
std::string Texto_Valor(double v);

#endif  // ARQAUX_TOOL_SERIES_H_
