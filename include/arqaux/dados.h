// The data layer: any file the library reads or writes, told by its kind
// and read as a table of named columns with their units, one row of values
// per record, each row with its time.
//
// Kinds. What kind of file a path holds is told first from the description
// beside it ("<file>.desc", one "key = value" a line), else from its header
// and size. A kind given by the caller overrides both. Only a header tells a
// kind: headerless streams of 8-byte records (operative/exterior,
// occupancy, soil, interior climate) are alike by size, and a 4-byte ATS/ACE
// stream fits any size the others fit, so a file that only its size
// describes is refused with the kinds that fit named. A .ti file is told by
// its name, which its conversion gives it.
#ifndef ARQAUX_DADOS_H_
#define ARQAUX_DADOS_H_

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "arqaux/geren_arquivoaux.h"

// What the tool can do with a kind's records.
enum class TLeitura {
  Nenhuma,  // recognised only: info tells what it is
  Clima,
  Solo,
  TI,
  Temp_Umi,
  ATS,
  ACE,
  ACS,
  PV,
  Saida_Cont,
  Pessoas,
  Carga,
  Ganho,
  HVAC,          // an HVAC data stream: its description gives kind and flags
  Consumo_HVAC,  // an HVAC consumption stream: its data stream's description
  Parede,        // a wall node file: its description gives regions and groups
  Sombras,       // the surface streams: a header gives the surfaces, a
  Radiacao,      // description the flags (the radiation stream has no
  Fluxos_CV,     // header: its description gives the surfaces too)
  Mofo,
  Iluminacao,        // a daylighting schedule: 8760 hourly lines
  Temp_Superficies,  // lines of a date, a time and a temperature per region
};

// The first line of the interior surface temperature report (Windows-1252).
constexpr const char* TITULO_TEMP_SUPERFICIES =
    "Temperatura da Superf\xED"
    "cie Interna das Paredes, Piso e Teto";

// Most surfaces (walls or regions) an envelope file is taken to hold, and
// most elements of a wall's region.
constexpr int32_t MAX_SUPERFICIES = 1000;

// What detection looks at: the name, the size, the first bytes and the
// description beside the file.
struct TAmostra_Arquivo {
  std::string nome;
  uintmax_t tamanho = 0;
  std::string inicio;  // up to BYTES_AMOSTRA first bytes
  bool tem_descricao = false;
  std::string descricao;
  // The description is the data stream's: a consumption stream
  // ("X_consumo.dat") has none of its own and is told by that of "X.dat".
  bool descricao_dos_dados = false;
};
// Enough for the longest header told: a load statistics file's count, at
// byte 10396.
constexpr size_t BYTES_AMOSTRA = 16384;

struct TTipo_Arquivo {
  const char* nome;       // the word of --kind and of a description's "kind"
  const char* descricao;  // "climate file"
  TLeitura leitura;
  // 2 when the header tells the kind, 1 when only the size fits, 0 not.
  int (*confere)(const TAmostra_Arquivo& a);
  // The command that converts or shows it; "FILE" stands for the path.
  const char* comando;
};

// Every kind, those with a header first.
ARQAUX_API const std::vector<TTipo_Arquivo>& Tipos_Arquivo();
ARQAUX_API const TTipo_Arquivo* Procura_Tipo_Arquivo(const std::string& nome);
// "climate, soil, ...": the names of tipos.
ARQAUX_API std::string Nomes_Tipos(const std::vector<const TTipo_Arquivo*>& tipos);

struct TDeteccao {
  const TTipo_Arquivo* tipo = nullptr;           // null when not told
  std::vector<const TTipo_Arquivo*> candidatos;  // the kinds that fit, when not told
  int intervalo = 0;                             // seconds between records, 0 when not known
  std::string origem;                            // how it was told
  std::string erro;                              // why not, when not told
  std::string descricao;                         // the description read, if any
};

// The sampling interval a description gives: a whole number of seconds from
// 1 to a day, digits alone. False on any other text.
ARQAUX_API bool Le_Intervalo_Descrito(const std::string& texto, int* segundos);
// Why valor is not a value of key chave of a description, empty when it is
// one. Both readers of descriptions ask it of every line; the HVAC reader
// then checks what only the stream's kind tells (how many flags).
ARQAUX_API std::string Confere_Valor_Descrito(const std::string& chave, const std::string& valor);
// Why a description is not one, naming its line, empty when it is: every
// line blank, a comment ('#') or "key = value" with a value of its key, and
// no key but "component" given twice.
ARQAUX_API std::string Confere_Descricao(const std::string& texto);

// The values of every line "chave = valor" of a description, in order.
ARQAUX_API std::vector<std::string> Valores_Descritos(const std::string& texto,
                                                      const std::string& chave);
// "1,0,1" as numbers from 0 to MAX_SUPERFICIES; false on anything else.
ARQAUX_API bool Le_Numeros(const std::string& texto, std::vector<int>* numeros);

// Tells the kind of a; forcado, when not empty, names it.
ARQAUX_API TDeteccao Detecta_Tipo(const TAmostra_Arquivo& a, const std::string& forcado);
// caminho and the descriptions detection looks for beside it, in order: its
// own ("<file>.desc"), then, for a consumption stream, its data stream's.
// Every file a command reads to tell caminho's kind and read its records.
ARQAUX_API std::vector<std::string> Arquivos_Lidos(const std::string& caminho);
// Reads what detection looks at from caminho: false, with *erro, when it is
// not a regular file that opens.
ARQAUX_API bool Le_Amostra_Arquivo(const std::string& caminho, TAmostra_Arquivo* a,
                                   std::string* erro);

// The records of an exportable file as a time series: named columns with
// their units, one row of values per record, and each row's time. Every
// file is read through the library's own readers, opened in its registry.
//
// One time rule for every kind: a row is stamped at the END of the interval
// it describes, counted in seconds from 1 January, 0:00, and carries that
// interval. So two files that hold the same quantity agree when joined on
// the stamp alone.
// - An hourly input file's record h (from 0) is the hour that ends at
//   (h + 1) hours: the climate's hour 1 ends at 01:00 and its hour 8760 at
//   the next year's 1 January, 0:00.
// - A result stream's record k closes step k: (k + 1) intervals in.
// - A load or gain line, or a surface temperature line, carries the clock
//   at the end of its step (a date earlier than the line before's is in
//   the next year).
// The simulation's year has 365 days; dated in a leap year, the rows skip
// 29 February and run as the 365-day clock gives them.

// What a column measures, from one closed table, with the units its values
// may be stored in: UTF-8 SI symbols, "1" for a ratio (a fraction, or an
// index without dimension such as PMV), none for a count or a code. A
// relative humidity is "%" in percent, "1" as a fraction.
struct TGrandeza {
  const char* nome;                   // "temperature"
  std::vector<const char*> unidades;  // {"°C"}; the first is the usual one
};
ARQAUX_API const std::vector<TGrandeza>& Grandezas();
// The quantity named nome; null when the table has none of that name.
ARQAUX_API const TGrandeza* Procura_Grandeza(const std::string& nome);

// A column's name says what its value is, with the zone, surface, region or
// node it belongs to when a file holds several ("region2_node4_temperature");
// no part of it is a number alone. Its unit describes the value as stored.
struct TColuna {
  std::string nome;      // "zone_air_temperature"
  std::string unidade;   // "°C"; empty when the quantity has none
  std::string grandeza;  // what the value measures: "temperature"
  // "zone_air_temperature [°C]": the column's heading.
  std::string Titulo() const { return unidade.empty() ? nome : nome + " [" + unidade + "]"; }
};

class ARQAUX_API TSerie {
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
  // The seconds each row's interval lasts: a stream's step, an hour for an
  // hourly input file, the time between the first two lines of a text whose
  // lines carry their own times.
  long long Intervalo() const { return intervalo_; }
  void Define_Intervalo(long long segundos) { intervalo_ = segundos; }

 protected:
  std::vector<TColuna> colunas_;
  long long intervalo_ = 0;
};

// Opens caminho, of the kind d told, as a series whose steps are intervalo
// seconds (d's when 0, an hour when neither knows): null, with *erro, when
// the kind has no records the tool reads or the file does not open.
ARQAUX_API std::unique_ptr<TSerie> Abre_Serie(const std::string& caminho, const TDeteccao& d,
                                              int intervalo, std::string* erro);

// Checks the data lines of the daylighting schedule caminho for hours 0 to
// horas - 1, which the library's window reader takes in line order: each
// must be one hour's line, and its month, day and hour columns must date it
// the hour after the line before (the first, the year's first hour). Empty
// when they do; else why not, naming the file and the line.
ARQAUX_API std::string Confere_Agenda_Iluminacao(const std::string& caminho, int horas);

// Checks a wall node file against the regions (their elements) and the
// groups (1 to 3) a caller gives: its header must hold as many regions, and
// the rest of the file whole step records of them. Empty when it does; else
// why not, naming the file.
ARQAUX_API std::string Confere_Parede(const std::string& caminho, const std::vector<int>& elementos,
                                      const bool (&grupos)[3]);

// One line of a text stream into linha, without its "\n": what ended it,
// '\n' or EOF, or 0 when it is longer than 64 KiB (a line of values is never
// that long).
ARQAUX_API int Le_Linha_Texto(std::FILE* arq, std::string* linha);
// Appends the numbers of texto, separated by blanks, tabs or "\r", to
// valores: false at a word that is not one.
ARQAUX_API bool Le_Reais_Texto(const char* texto, std::vector<double>* valores);

// The last year a row is dated in: a date's year has four digits.
constexpr int ULTIMO_ANO = 9999;
// Whether segundos after 1 January of ano at 0:00 fall in a year up to
// ULTIMO_ANO.
ARQAUX_API bool Cabe_No_Calendario(long long segundos, int ano);
// Why the rows of a series from 1 January of ano cannot all be dated.
ARQAUX_API std::string Falha_Calendario(int ano);
// "2001-01-01T01:00:00": segundos after 1 January of ano at 0:00 on the
// 365-day year (a later year begins every 365 days; no 29 February).
ARQAUX_API std::string Texto_ISO(long long segundos, int ano);
// "1.5": segundos as hours, the fewest digits that read back, never with
// an exponent.
ARQAUX_API std::string Texto_Horas(long long segundos);
// The shortest text of v that reads back to it ("0.1", "-3e-05"): to the
// same float when v is one, as every stored value is.
ARQAUX_API std::string Texto_Valor(double v);

// CSV: UTF-8, comma-separated, quoted as RFC 4180 asks (a field holding a
// comma, a quote, a CR or a LF goes between quotes, its quotes doubled),
// lines ending CRLF. The header row reads "time,interval [s],hour_of_year
// [h]", then each column's heading ("zone_air_temperature [°C]"); each row
// is one record: the end of its interval in ISO 8601 in the reference year,
// the interval's length in seconds, the hours from the reference year's
// start to the interval's end, then one value per column, each the shortest
// text that reads back to the float stored.
// Writes s as CSV on saida and flushes it: the number of data rows, or -1
// when a write failed (*erro empty) or a row cannot be dated (*erro says
// why).
ARQAUX_API long long Exporta_CSV(TSerie* s, int ano, std::FILE* saida, std::string* erro);
// One field as RFC 4180 writes it.
ARQAUX_API std::string Campo_CSV(const std::string& texto);

#endif  // ARQAUX_DADOS_H_
