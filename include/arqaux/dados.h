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
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "arqaux/contracts/utility.h"
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

// Descriptions. A description is plain text beside the file it describes
// ("<file>.desc"): every line blank, a comment ('#') or "key = value", each
// key once but "component". It tells what a file's own bytes do not: its
// kind, its sampling interval, and what each record holds. The keys and
// their values:
//
//   kind = fancoil            a kind of Tipos_Arquivo or of Tipos_HVAC
//   number = 1                the fan coil's or equipment's number
//   flags = 1,1,0             monitoring flags, each 0 or 1
//   show = 1,1,0              the groups a temperature-humidity report shows:
//                             temperature, humidity, comfort, each 0 or 1
//   component = 3:1,1,1,1,1,1,1,1
//                             a fan-coil component, one line each in list
//                             order: its type code (0 to 6) and its 8 flags
//   variables = 0,1,3:3       the reports made: variables, each with the type
//                             of its selected component after ':' (of a
//                             controller-output stream: the outputs reported)
//   interval = 600            seconds between records, 1 to a day
//   start = 1/1/0             first hour reported, DD/MM/HH
//   end = 31/12/23            last hour reported
//   regions = 4,6             a wall's regions: the elements of each
//   groups = 1,2,3            a wall's node groups, each of 1 to 3 once
//   region = 1                the region a flux or mould report shows
//   surfaces = 6              the walls of each step of a radiation stream
//
// What a kind needs of them (how many flags an HVAC kind has, components
// only for a fan coil) is for the reader of the kind to check.

// No selected component.
constexpr int SEM_SELECIONADO = -1;
// Fan-coil component type codes: 0 to 6.
constexpr int TIPOS_COMPONENTE = 7;
// Flags of a fan-coil component.
constexpr int FLAGS_COMPONENTE = 8;

struct TComponente_Descrito {
  int tipo = 0;
  std::vector<int> flags;  // FLAGS_COMPONENTE of them
};
struct TRelatorio_Descrito {
  int variavel = 0;
  int selecionado = SEM_SELECIONADO;  // a component type code
};
// A description read or to be written. A key is written when its value is
// given: a text or list not empty, a number not its "not given" value.
struct TDescricao {
  std::string tipo;                               // kind
  int numero = -1;                                // number; -1: not given
  std::vector<int> flags;                         // flags
  std::vector<int> mostra;                        // show
  std::vector<TComponente_Descrito> componentes;  // component
  std::vector<TRelatorio_Descrito> relatorios;    // variables
  int intervalo = 0;                              // interval; 0: not given
  TTempo inicio{0, 0, 1, 0}, fim{0, 0, 1, 0};     // start, end; day 0: not given
  std::vector<int> regioes;                       // regions
  std::vector<int> grupos;                        // groups
  int regiao = 0;                                 // region; 0: not given
  int superficies = 0;                            // surfaces; 0: not given
  // Filled by Le_Descricao: each key read and its line (a repeated key's
  // first).
  std::vector<std::pair<std::string, int>> linhas;
  // The line key was read from, 0 when it was not.
  int Linha(const std::string& chave) const {
    for (const auto& l : linhas) {
      if (l.first == chave) return l.second;
    }
    return 0;
  }
};

// Reads texto into *d: false, with *erro "line N: why", at the first line
// that is not blank, a comment or "key = value" with a value of its key, or
// that gives a key a second time.
ARQAUX_API bool Le_Descricao(const std::string& texto, TDescricao* d, std::string* erro);
// Reads valor as the value of key chave into *d, as a line of a description
// does: false when it is not one (or chave no key).
ARQAUX_API bool Le_Valor_Descrito(const std::string& chave, const std::string& valor,
                                  TDescricao* d);
// The lines "key = value" of every key d gives, in the order of the keys
// above.
ARQAUX_API std::string Texto_Descricao(const TDescricao& d);

struct TDeteccao {
  const TTipo_Arquivo* tipo = nullptr;           // null when not told
  std::vector<const TTipo_Arquivo*> candidatos;  // the kinds that fit, when not told
  int intervalo = 0;                             // seconds between records, 0 when not known
  std::string origem;                            // how it was told
  std::string erro;                              // why not, when not told
  TDescricao descricao;                          // the description read, if any
};

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
  // the end of the data, and at every call after: a record or line that
  // does not read ends the data, and what follows it is not read.
  virtual bool Le(std::vector<double>* valores, long long* segundos) = 0;
  // Up to max records, row after row, into valores (Colunas().size() values
  // a row) and their times into segundos, both replaced: how many were read,
  // 0 at the end of the data. A series read this way reads no record twice:
  // Le and Le_Bloco may be mixed.
  virtual size_t Le_Bloco(size_t max, std::vector<double>* valores,
                          std::vector<long long>* segundos);
  // A series read from its file in order (a stream of fixed records, a
  // stream of lines): the byte of the file where the last whole record or
  // line read ends (where the records begin, before any), so that what lies
  // after it is a record cut short or a line that does not read. -1 for an
  // hourly input file, read whole when it opens or refused.
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

// After s, opened on caminho, was read to its end (Le false, Le_Bloco 0):
// empty when its records reach the end of the file whole; else what is
// wrong, naming the file ("'f': 5 bytes after its last whole record: ...").
ARQAUX_API std::string Confere_Final(const std::string& caminho, const TSerie& s);

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
// The double nearest Texto_Valor(v): what a database holds for a stored
// value, so that a query shows 22.5 for the float 22.5 and 0.1 for 0.1f.
ARQAUX_API double Valor_Decimal(double v);

// The instant a row's stamp names, as seconds since 1970-01-01T00:00:00
// (no time zone): the date Texto_ISO writes for it. For arrays of times in
// other languages' calendars (numpy's datetime64, for one).
ARQAUX_API long long Segundos_Desde_1970(long long segundos, int ano);

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

// A run folder's files of records: its regular files whose kind has
// records, each with its kind as told, and the zone and component it
// belongs to. zona is N for a file whose stem begins "zonaN_" (or is
// "zonaN"), else empty; componente is an HVAC stream's kind and number from
// its description ("boiler 1"; a consumption stream's from its data
// stream's), else empty.
struct TArquivo_Execucao {
  std::string caminho;  // the folder as given, then the file's name
  TDeteccao deteccao;
  std::string zona, componente;
};
struct TExecucao {
  std::string pasta;  // absolute
  std::vector<TArquivo_Execucao> arquivos;
};
// Lists the run folder dada: its absolute path and its files of records, in
// name order; the other regular files counted in *ignorados. A folder or a
// file that does not read is an error (false, with *erro), never a file
// passed over.
ARQAUX_API bool Lista_Execucao(const std::string& dada, TExecucao* e, size_t* ignorados,
                               std::string* erro);

// One SQLite database for many runs (UTF-8), each run a folder of result
// files. It holds:
// - runs (run_id, folder, exported_at, exporter, producer): the folder's
//   absolute path, when it was exported (ISO 8601, UTC), what exported it
//   ("arqaux 0.1.0") and the first line of the folder's manifest
//   (.arqaux-run), NULL when it has none;
// - times (time_id, time, month, day, hour, minute, interval): one row per
//   distinct interval end and interval length, the end in ISO 8601 in the
//   reference year (the time rule above) and its parts, the length in
//   seconds: a 10-minute and an hourly row ending at 01:00 are two rows;
// - one wide table per kind of file and zone or component, shared by every
//   run, named after the file's stem (letters, digits and '_'; "t_" before
//   one that begins with a digit or "sqlite_"): run_id, time_id, then one
//   REAL per column of the series, named as the series names it, with an
//   index on (run_id, time_id). A run's file whose columns (or what
//   variables says of them) differ from the table's goes into the first of
//   stem_2, stem_3, ... that holds the same or is new; so do two files of
//   one run whose stems differ only in case;
// - variables (variable, table_name, column_name, quantity, unit, zone,
//   component, kind, interval, source_file): one row per column of every
//   table; variable is "table.column"; zone and component as
//   Lista_Execucao tells them, NULL when it gives none;
// - the view data (run, time, variable, value): every column of every
//   table as rows, remade when a table is added; it holds no data.
// Values are stored as Valor_Decimal gives them.
struct TResumo_Banco {
  size_t arquivos = 0;   // files exported
  size_t ignorados = 0;  // files of the folders with no records to export
  long long linhas = 0;  // rows written
};
// Exports the exportable files of every run folder of execucoes into the
// database banco, the rows dated in reference year ano, each run in one
// transaction. Without acrescentar, banco must not exist: the database is
// written under a temporary name beside it and linked into place once
// whole, so that a failure leaves nothing. With acrescentar, banco must be
// a database made by this export (a runs table of its columns); nothing
// else is written. A folder given twice or already in the database is
// refused before anything is written. progresso, when given, is told after
// each file (files done, files of all the runs). false, with *erro (the
// file or the database named), when it fails, a file cut short or damaged
// (Confere_Final) among the failures; a run that failed is rolled back, the
// runs before it stay in an appended database.
ARQAUX_API bool Exporta_Banco(const std::vector<std::string>& execucoes, const std::string& banco,
                              bool acrescentar, int ano, TResumo_Banco* resumo, std::string* erro,
                              const std::function<void(size_t, size_t)>& progresso = nullptr);

// The HVAC output streams: fan coils and the seven kinds of primary
// equipment. Each kind is written here once: its name, its flags and
// report variables, the library's operations on its streams and the values
// of its data line. Adding a kind is a row here and its contract class.

// A value of a primary-equipment data line, in stream order: the flag that
// writes it, its result index and its column.
struct TValor_HVAC {
  int flag;
  int indice;
  const char* nome;      // "evaporator_water_inlet_temperature"
  const char* grandeza;  // "temperature"
  const char* unidade;   // "°C" (UTF-8); empty for a count or a code
};

// A piece of equipment of a kind, its contract object behind the library's
// writers of the kind's streams.
class ARQAUX_API TObjeto_HVAC {
 public:
  virtual ~TObjeto_HVAC() = default;
  virtual int Flags() const = 0;
  virtual void A_Config_UM(int k, int valor) = 0;
  virtual void A_Result_UM(int indice, float valor) = 0;
  // One line on data stream n.
  virtual void Grava_Dados(TGeren_ArquivoAux* g, int n) = 0;
  // One line on consumption stream n: false when the kind has none.
  virtual bool Grava_Consumo(TGeren_ArquivoAux* g, int n, float extra, bool com_extra) = 0;
};

struct TTipo_HVAC {
  const char* nome;            // the kind of a description and of arqaux report
  const char* descricao;       // "air-cooled chiller"
  int flags;                   // its monitoring flags (the contract's NUM_CONFIG_UM)
  std::vector<int> variaveis;  // its report variables
  // The library's operations; null for the fan coil, whose reader and
  // reports take its components.
  bool (TGeren_ArquivoAux::*le)(int n, int* flags, float* valores);
  void (TGeren_ArquivoAux::*cabecalho)(int texto, int variavel, int* flags, int numero, TTempo* par,
                                       int intervalo);
  void (TGeren_ArquivoAux::*linhas)(int dados, int texto, int variavel, int* flags, TTempo* par,
                                    int intervalo);
  std::unique_ptr<TObjeto_HVAC> (*cria)();
  std::vector<TValor_HVAC> linha;  // the data line; empty for the fan coil
  int consumo;                     // the result on the consumption line; -1: none
};
// Every kind, the fan coil first.
ARQAUX_API const std::vector<TTipo_HVAC>& Tipos_HVAC();
// The kind named nome, or null.
ARQAUX_API const TTipo_HVAC* Procura_Tipo_HVAC(const std::string& nome);
// Most results a primary-equipment reader stores.
constexpr int MAX_RESULTADOS_HVAC = 32;

#endif  // ARQAUX_DADOS_H_
