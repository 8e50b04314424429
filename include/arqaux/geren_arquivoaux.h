// TGeren_ArquivoAux: the one file manager of the library. It keeps a registry
// of numbered files and reads and writes every format of the application.
// Operations that take a stream number select that file first (reopening it
// if it was closed to free a handle); the others act on the current stream.
#ifndef ARQAUX_GEREN_ARQUIVOAUX_H_
#define ARQAUX_GEREN_ARQUIVOAUX_H_

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "arqaux/contracts/building_model.h"
#include "arqaux/contracts/hvac_model.h"
#include "arqaux/contracts/internal_gains.h"
#include "arqaux/contracts/renewable.h"
#include "arqaux/contracts/utility.h"
#include "arqaux/lista.h"
#include "arqaux/records.h"

#if defined(__GNUC__)
#define ARQAUX_API __attribute__((visibility("default")))
#else
#define ARQAUX_API
#endif

// Longest path the registry keeps, plus its terminating NUL.
constexpr int ARQAUX_TAM_CAMINHO = 300;

// One registry entry. The file stays registered while closed; the mode is the
// one of the first open, from which the reopen mode is derived.
namespace arqaux {
struct TSeletor;  // how the report engine reaches the registry (internal)
}

struct ARQAUX_API TArquivoAux {
  FILE* Arquivo = nullptr;
  bool Aberto = false;
  int32_t Numero = 0;
  char Modo[16] = {};
  // The path as given at registration (at most 299 characters).
  char Caminho[ARQAUX_TAM_CAMINHO] = {};
  // The path resolved against the working directory at registration; every
  // open and reopen uses it, so a later change of directory does not change
  // which file the entry names.
  std::string Caminho_Resolvido;
  // The mode of the stream's latest open: a mode as given, or the resume
  // mode derived from one, which may be one character longer.
  char Modo_Aberto[sizeof(Modo) + 1] = {};
  // Closed by the registry to free a handle, not by the caller: the entry
  // still counts as open, and its next selection reopens it at Posicao (-1
  // when the stream could not tell its position).
  bool Despejado = false;
  long Posicao = -1;
  // The stdio buffer given to the stream while it is open.
  std::unique_ptr<char[]> Buffer;
  // Set at the stream's first error (a failed write, flush, close or
  // reopen): something written since registration may be lost.
  bool Erro = false;

  TArquivoAux() = default;
  TArquivoAux(const TArquivoAux&) = delete;
  TArquivoAux& operator=(const TArquivoAux&) = delete;
  ~TArquivoAux();
};

// Packed file date and time, low bits first: seconds/2, minutes, hours, day,
// month, years since 1980.
struct ftime {
  unsigned ft_tsec : 5;
  unsigned ft_min : 6;
  unsigned ft_hour : 5;
  unsigned ft_day : 5;
  unsigned ft_month : 4;
  unsigned ft_year : 7;
};
static_assert(sizeof(ftime) == 4, "ftime is one packed 32-bit word");

class ARQAUX_API TGeren_ArquivoAux {
 public:
  TGeren_ArquivoAux();
  // Deletes the registry and its entries; streams still open are not closed.
  ~TGeren_ArquivoAux();
  TGeren_ArquivoAux(const TGeren_ArquivoAux&) = delete;
  TGeren_ArquivoAux& operator=(const TGeren_ArquivoAux&) = delete;

  // ---- Open-file registry ----
  //
  // Streams are numbered from 1 in order of registration. When an open fails
  // the registry closes one stream to free a handle and tries once more: the
  // highest-numbered open stream other than the current one, or the current
  // one when no other is open. That eviction is invisible: the evicted
  // stream counts as open, and its next selection reopens it where it
  // stood, in a mode that reads and writes there: its mode with "w" taken
  // as "r+", so that a written file is neither emptied nor appended to and a
  // header rewritten in place stays in place.
  // Only the caller's own Fecha_Arquivo gives the reopen of
  // RetornaTipoReabertura: a file read from its first byte again, a written
  // one appended to. When the retry fails too, an evicted current stream is
  // resumed at once, so a failed open leaves the current stream as it was.
  //
  // A reopen that fails keeps the entry registered and closed, records an
  // error on it and fails the operation, which then acts on no stream and
  // leaves the current stream as it was; the next selection tries again.
  // Entries are never removed one by one, so stream numbers never shift.

  // Opens path with mode. With a null entry the path (at most 299
  // characters, kept as given) is resolved against the working directory
  // and registered as a new stream, so that a later change of directory
  // does not change the file; a path that cannot be resolved (an empty one,
  // or a relative one when the working directory is gone) is refused. With a
  // registered entry, that entry's file is opened from its resolved path: an
  // open entry (an evicted one included) is made current as it stands, and
  // only a closed one is reopened with mode. Returns the registry's count
  // afterwards, or 0 when the file cannot be opened.
  int Abre_Arquivo(const char* caminho, const char* modo, TArquivoAux* entrada);
  int Abre_Arquivo(const char* caminho, const char* modo);
  // Makes entry's stream current, reopening it if closed; 0 when that fails.
  int TrocaContexto_Arquivo(TArquivoAux* entrada);
  // The mode a file closed by the caller is reopened with, so that its
  // content is kept.
  const char* RetornaTipoReabertura(const char* modo);
  // Makes stream n current; numbers outside 1..count do nothing.
  void Muda_Arquivo(int n);
  // Closes stream n (0: the highest-numbered open one). The entry stays
  // registered, and the nearest open stream before it becomes current
  // (resumed, if it was evicted); closing the last open stream empties the
  // registry. Here, as everywhere, an evicted stream counts as open.
  void Fecha_Arquivo(int n);
  // Closes every stream and empties the registry. What the closes lost is
  // told by Conta_Arquivos_Com_Erro.
  void Fecha_Todos();
  // Position of the highest-numbered open entry, 0 when none.
  int Ultimo_Arquivo_Valido();
  // Nearest open entry at or before position n, searching backwards around
  // the registry; null when none is open. An evicted entry has no stream
  // until it is selected or passed to Abre_Arquivo.
  TArquivoAux* Fechou_Todos(int n);
  // True when the current stream's file is empty; a non-empty one is rewound.
  bool Arquivo_Vazio();
  FILE* ObtemArquivo();
  // Number of registered entries (open or closed).
  int Numero_Arquivos() const;
  // True when something written to stream n since it was registered may be
  // lost: a write, flush, close or reopen of it failed. False for a number
  // outside 1..count. Does not select the stream.
  bool Erro_Arquivo(int n) const;
  // Number of streams, since the manager was built, in which something
  // written may be lost (those Erro_Arquivo answers true for). It never
  // decreases and survives the registry being emptied, so a host that
  // closes every stream compares the count taken before its work with the
  // count after its last close.
  long Conta_Arquivos_Com_Erro() const;

  // ---- File services ----

  bool ArquivoExiste(const char* caminho);
  bool ApagaArquivo(const char* caminho);
  bool DadosDoArquivo(const char* caminho, ftime* data);
  void Salva_Texto_Generico(int n, const char* texto);
  void Salva_Tabela_Equipamentos(const char* a, const char* b, const char* c, const char* d);
  void Grava_Tempo(float valor);

  // ---- Climate, soil and interior-climate input ----

  // Hourly input files hold one record per hour of a 365-day year. The window
  // readers act on the current stream; each returns false (reading no record)
  // on a null array, a negative start or count, a start past hour 8760, or
  // with no current stream, and false at the first short read otherwise:
  // the whole records read before it are in the array, the rest of the
  // array (a partial record's slot included) is as the caller left it.

  // Reads the 80-byte climate header at the current stream's position.
  bool Carrega_Cabecalho(TCidade* cabecalho);
  // Rewinds the climate file and reads its header, then the records of hours
  // inicio, inicio + 1, ... into registros[0 .. quantidade - 1], continuing
  // at hour 0 past hour 8759 (at most one wrap).
  bool Bufferiza_Clima(TCidade* cabecalho, TReg_Climatico* registros, int inicio, int quantidade);
  // The same window over a soil file (8-byte records, no header).
  bool Bufferiza_Solo(TReg_Solo* registros, int inicio, int quantidade);
  // The same window over an interior-climate .ti file (8-byte records).
  bool Bufferiza_Reg_Climatico(TReg_Temp_Umi* registros, int inicio, int quantidade);
  // Converts the interior-climate text at caminho (8760 lines "%f %f") into
  // its .ti file and rewrites caminho to that name: the path cut at its first
  // '.' after any leading dots (a '.' in a directory name counts), plus
  // ".ti"; a path with no such '.' gains ".ti" whole. The buffer needs room
  // for 3 more characters. Hours missing from the text are written as zeros.
  // False when either file cannot be opened.
  bool Converte_Clima_Interno_TXT_Binario(char* caminho);

  // ---- Zone condition streams ----

  // Writes the 7-byte header of a temperature-humidity-comfort stream: valor
  // (int32), then the three group flags (one byte each).
  void Preenche_Cabecalho_Temp_Umi(int n, bool temperatura, bool umidade, bool conforto, int valor);
  // Writes one record: each flagged group as two floats, in the order
  // temperature (interior, clima[0]), humidity (interior, clima[1]), comfort
  // (PMV, PPD). The flags decide the record's size: 0, 8, 16 or 24 bytes. A
  // null climate record stores 0 beside the zone values.
  void Grava_Temp_Umi(int n, bool temperatura, float temp_interior, bool umidade,
                      float umi_interior, bool conforto, float pmv, float ppd,
                      const TReg_Climatico* clima);
  // Reads one record of the shape the flags give; false at the first short
  // read, leaving the values already read in place.
  bool Le_Temp_Umi(int n, bool temperatura, float* temp_interior, bool umidade, float* umi_interior,
                   bool conforto, float* pmv, float* ppd, float* clima_1, float* clima_2);
  // ATS/ACE stream: one float per record, written and read only when present.
  void Grava_ATS_ACE(int n, bool presente, float valor);
  bool Le_ATS_ACE(int n, bool presente, float* valor);
  // Operative/exterior stream: stores operative first (note the argument order).
  void Grava_ACS(int n, float exterior, float operativa);
  bool Le_ACS(int n, float* operativa, float* exterior);
  // PV stream: seven floats as one 28-byte block, only when present; the
  // reader is true only when all seven were read (or when not present).
  void Grava_PV(int n, bool presente, const float* valores);
  bool Le_PV(int n, bool presente, float* valores);
  // Reports of the streams above, written on text stream texto (which the
  // caller has made current); the binary stream is read from its current
  // position, past any header. The has-flags describe the records, the
  // show-flags the columns; a group shown but not held prints nothing.
  // Nothing at all is written when either stream number does not select or
  // either time is null, and records that hold nothing (no has-flag, presente
  // clear) give the header and column head only.
  void Converte_Binario_Texto_TUPMV(int binario, int texto, bool tem_temperatura, bool tem_umidade,
                                    bool tem_conforto, bool mostra_temperatura, bool mostra_umidade,
                                    bool mostra_conforto, const TTempo* inicio, const TTempo* fim,
                                    int intervalo);
  void Converte_Binario_Texto_ATS_ACE(int binario, int texto, bool presente, bool eh_ats,
                                      const TTempo* inicio, const TTempo* fim, int intervalo);
  void Converte_Binario_Texto_ACS(int binario, int texto, const TTempo* inicio, const TTempo* fim,
                                  int intervalo);
  void Converte_Binario_Texto_PV(int binario, int texto, bool presente, const TTempo* inicio,
                                 const TTempo* fim, int intervalo);

  // ---- Controller-output and occupancy streams ----

  // Writes valor as the 4-byte header of a controller-output stream.
  void Preenche_Cabecalho_Saida_Cont(int n, int valor);
  // Most outputs a controller-output record may hold. The record format has
  // no such limit: a record's length comes from its first float. We cap it on
  // purpose, because that float can be negative, not a number or 1e30, and
  // taken as it stands the writer would read that many floats past the
  // caller's array and the report would allocate records of that size. The
  // writer and the report refuse a count above the cap; no zone has as many
  // controller outputs.
  static constexpr int Max_Saidas_Cont = 65535;
  // Writes trunc(registro[0]) + 1 floats from registro: the output count,
  // then the outputs. A count that is negative, not a number or above
  // Max_Saidas_Cont writes nothing.
  void Grava_Saida_Cont(int n, const float* registro);
  // Reads quantidade floats into registro; true only when all were read.
  bool Le_Saida_Cont(int n, float* registro, int quantidade);
  // Report of output number indice (1..saidas; 0 is the count) of a stream
  // whose records hold saidas outputs, with a clock stamp per hour of samples
  // (each stamp moves the clock on by all the hours since the last one).
  // An index outside 0..saidas, or saidas outside 0..Max_Saidas_Cont, writes
  // nothing, as does a stream number that does not select.
  void Converte_Binario_Texto_SC(int binario, int texto, const TTempo* inicio, const TTempo* fim,
                                 int intervalo, int saidas, int indice);
  // Occupancy stream: int32 then float per record. The writer is false when
  // the stream does not select or the write fails (the stream's error flag
  // is set by the time it returns).
  bool Grava_Pessoas_no_Ambiente(int n, int valor_inteiro, float valor_real);
  bool Le_Pessoas_no_Ambiente(int n, int* valor_inteiro, float* valor_real);

  // ---- Configuration text: schedules, internal gains, ventilation, zone PV ----

  // The configuration writers (here and in the actuator section) ignore what
  // each print returns, as the format has always done, but a write the
  // stream reports as failed (ferror at the end of the call) makes them
  // return false: a lost write never looks like a success. The block readers
  // read their count line first: a count below 1 reads no more and is true
  // even with a null target, which is not touched; a positive count with a
  // null target is false.

  // Writes a schedule block on the current stream: the header
  // "\t[Horarios = %d]\n" with the period count, then one line per period. A
  // null schedule is written as an empty one. False without a stream.
  bool Grava_Intervalos(TIntervalos* intervalos);
  // The same block under the header "\t[Horarios Ventilacao = %d]\n".
  bool Grava_Intervalos_Vent(TIntervalos* intervalos);
  // Appends the periods of a schedule block read from the current stream; a
  // count below 1 reads no more (true). False at a short header or period
  // line, or minutes too large for seconds; the periods added stay.
  bool Le_Intervalos(TIntervalos* intervalos);
  // The same, for a block under "[Horarios Ventilacao = %d]".
  bool Le_Intervalos_Vent(TIntervalos* intervalos);

  // Writes the internal-gain block of a zone (count line, then each gain with
  // its type lines and schedule). A null or empty list gives the count line
  // with 0 alone. False without a stream.
  bool Grava_Ganho_Interno(TLista<TGanho>* ganhos);
  // Reads a gain block, appending the gains it builds to ganhos. A gain of an
  // unknown type code is skipped: its schedule block is read and dropped.
  // False at the first short line; the gains appended before it stay.
  bool Le_Ganho_Interno(TLista<TGanho>* ganhos);
  // The block framed by the zone line "[Zona = %d]"; false when that line
  // cannot be printed.
  bool Grava_Ganho_Interno_ZonaX(TLista<TGanho>* ganhos, int zona);
  // Reads the zone line (false when it is not zona, leaving the list as it
  // was) and then the block; a block that fails empties the list (Limpa).
  bool Le_Ganho_Interno_ZonaX(TLista<TGanho>* ganhos, int zona);

  // Writes the ventilation section of a zone: the zone line, the natural and
  // forced ventilation lines (absent when null) and, for forced ventilation,
  // its schedule block. False at the first line that cannot be printed.
  bool Grava_Ventilacao_ZonaX(TVent_Natural* natural, TVent_Forcada* forcada, int zona);
  // Reads it back: each kind marked present is built new and stored through
  // its pointer (the objects become the caller's); absent kinds leave their
  // pointer untouched. False on the zone check or a short ventilation line.
  bool Le_Ventilacao_ZonaX(TVent_Natural** natural, TVent_Forcada** forcada, int zona);

  // Writes the PV equipment block of a zone (count line, then each item with
  // its name, quantity, current kind, power and schedule). A null or empty
  // list gives the count line with 0 alone. False without a stream.
  bool Grava_Equipamento_PV(TLista<TEquipamento_PV>* equipamentos);
  // Reads a PV equipment block, appending the items to equipamentos. False at
  // the first short line (a name that does not fit its 52-byte buffer is
  // one); the items appended before it stay.
  bool Le_Equipamento_PV(TLista<TEquipamento_PV>* equipamentos);
  // The block framed by the zone line; as Grava_Ganho_Interno_ZonaX.
  bool Grava_Equipamentos_PV_ZonaX(TLista<TEquipamento_PV>* equipamentos, int zona);
  // As Le_Ganho_Interno_ZonaX, for the PV equipment block.
  bool Le_Equipamentos_PV_ZonaX(TLista<TEquipamento_PV>* equipamentos, int zona);

  // ---- Room air-conditioning actuators and controls ----

  // Writes the actuator block (count line, then each actuator with its type
  // lines, schedule and control entry) on the current stream. A null or empty
  // manager gives the count line with 0 alone. False without a stream.
  bool Grava_Climatizador(TGeren_Atuadores* atuadores);
  // Reads an actuator block, appending what it builds to atuadores. The count
  // and the first record are read from the current stream; before each later
  // record stream n (the configuration file) is made current again with
  // Muda_Arquivo, so a number outside 1..count leaves the current stream as
  // it is. Fan-coil air conditioners are tied to geren_equip; evaporative
  // coolers get the zone and their ordinal. False at the first short line;
  // the actuators built before it stay.
  bool Le_Climatizador(CGeren_Equip_HVAC* geren_equip, TGeren_Atuadores* atuadores, int zona,
                       int n);
  // The block framed by the zone line "[Zona = %d]"; false when that line
  // cannot be printed.
  bool Grava_Climatizador_ZonaX(TGeren_Atuadores* atuadores, int zona);
  // Reads the zone line from the current stream (false when it is not zona,
  // leaving atuadores as they were) and then the block; a block that fails
  // empties atuadores.
  bool Le_Climatizador_ZonaX(CGeren_Equip_HVAC* geren_equip, TGeren_Atuadores* atuadores, int zona,
                             int n);
  // The control entry of a heater or air conditioner: on/off, PID, or the
  // open kind 2 (its number alone, no line end). False without a stream or
  // when the stream reports a failed write.
  bool Grava_Controle(TAtuador* atuador);
  // Reads it back and creates the controller on the actuator; the entry's
  // scans are not checked. False only for a null actuator or no stream.
  bool Le_Controle(TAtuador* atuador);
  // The control entry of an evaporative cooler: automatic, on/off or PID on
  // temperature and humidity.
  bool Grava_Controle_Resf_Evap(TAtuador* atuador);
  bool Le_Controle_Resf_Evap(TAtuador* atuador);

 private:
  // The library's internals and its tests reach the private selectors
  // through this accessor (src/registry/acesso_registro.h); hosts do not.
  friend class TAcesso_Registro;

  // Selects stream n and returns its FILE*, or null when n is outside
  // 1..count or the file could not be reopened. Every stream-number
  // operation starts here and does nothing on null.
  [[nodiscard]] FILE* Seleciona_Arquivo(int n);
  // The same for operations that select "without reopening": a stream the
  // caller closed gives null, while one the registry evicted is still
  // reopened where it stood, since eviction is invisible to callers.
  [[nodiscard]] FILE* Seleciona_Arquivo_Aberto(int n);
  bool Registrada(const TArquivoAux* entrada) const;
  // Opens entry's file with mode (after one eviction when the first try
  // fails) and makes it current; false, with the same current stream, when
  // both tries fail.
  bool Abre_Entrada(TArquivoAux* entrada, const char* modo);
  // The file to evict: the highest-numbered open one other than the current
  // stream, or the current stream when no other is open; null when none.
  TArquivoAux* Escolhe_Vitima();
  bool Retoma_Entrada(TArquivoAux* entrada);
  void Despeja_Entrada(TArquivoAux* entrada);
  void Fecha_Entrada(TArquivoAux* entrada);
  void Registra_Erro(TArquivoAux* entrada);
  void Remove_Entrada(TArquivoAux* entrada);
  void Esvazia_Registro();

  // Window with year wrap over the current stream: records of tamanho bytes
  // from offset base, hours inicio onwards, into registros.
  bool Bufferiza_Janela(void* registros, long base, size_t tamanho, int inicio, int quantidade);

  // Seleciona_Arquivo as the sampled-report engine calls it: a report selects
  // its binary and text streams again for every line it writes.
  arqaux::TSeletor Seletor_Relatorios();

  TLista<TArquivoAux>* Lista_Arquivos;
  FILE* Arquivo_Atual;
  // Entry of each stream number, beside the list, so that selecting a stream
  // does not walk the list.
  std::vector<TArquivoAux*> Indice;
  // Streams that recorded an error, counted over the manager's life.
  long Erros_Registrados = 0;
};

// The library's single file manager.
ARQAUX_API TGeren_ArquivoAux* Geren_ArqAux();

// Unit hooks run at library load and unload. Initialize builds the manager on
// the call that finds the reference counter at 0; Finalize destroys it on the
// call that brings the counter back to 0.
namespace Geren_arquivoaux {
ARQAUX_API void Initialize();
ARQAUX_API void Finalize();
}  // namespace Geren_arquivoaux

#endif  // ARQAUX_GEREN_ARQUIVOAUX_H_
