// TGeren_ArquivoAux: the one file manager of the library. It keeps a registry
// of numbered files and reads and writes every format of the application.
// Operations that take a stream number select that file first (reopening it
// if it was closed to free a handle) and do nothing when it does not select;
// the others act on the current stream. Each format's layout is described at
// the top of the .cpp named in its section.
//
// Contents, in the order of src/:
//   1. Registry                        registry/registry.cpp, registry/unit.cpp
//   2. File services, project comparison
//                                      registry/file_services.cpp,
//                                      registry/project_comparison.cpp
//   3. Input files                     input/climate.cpp, input/daylighting.cpp,
//                                      input/rain.cpp, input/epw.cpp
//   4. Zone condition streams          streams/zone_conditions.cpp
//   5. Controller-output and occupancy streams
//                                      streams/controller_outputs.cpp,
//                                      streams/occupancy_report.cpp
//   6. Fan-coil output streams         streams/fan_coil_outputs.cpp
//   7. Primary-equipment output streams streams/primary_equipment.cpp
//   8. Envelope result files           envelope/wall_nodes.cpp,
//                                      envelope/surface_temperatures.cpp,
//                                      envelope/surface_streams.cpp
//   9. Thermal loads and statistics    loads/load_streams.cpp, loads/load_reports.cpp,
//                                      loads/statistics_files.cpp
//  10. Schedules                       config/schedules.cpp
//  11. Internal gains                  config/internal_gains.cpp
//  12. Ventilation                     config/ventilation.cpp
//  13. Zone PV equipment               config/zone_pv.cpp
//  14. Actuators and controls          config/actuators.cpp
//  15. Fan coils                       config/fan_coils.cpp
//  16. Primary plant                   config/primary_plant.cpp
//  17. HVAC report settings            config/hvac_settings.cpp
//  18. Equipment catalogues            catalogues/air_conditioners.cpp,
//                                      catalogues/chiller_catalogues.cpp,
//                                      catalogues/pv_catalogues.cpp
//  19. Reference tables                catalogues/ventilation_rates.cpp,
//                                      catalogues/regulation_tables.cpp,
//                                      catalogues/material_data.cpp
//  20. Glazing property databases      catalogues/glazing.cpp
//  21. Glazing, view-factor and node-flux diagnostics
//                                      diagnostics/glazing_dumps.cpp,
//                                      diagnostics/view_factors.cpp,
//                                      diagnostics/node_flux.cpp
//  The private part: registry state and the stream selectors.
#ifndef ARQAUX_GEREN_ARQUIVOAUX_H_
#define ARQAUX_GEREN_ARQUIVOAUX_H_

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "arqaux/lista.h"
#include "arqaux/records.h"

#if defined(__GNUC__)
#define ARQAUX_API __attribute__((visibility("default")))
#else
#define ARQAUX_API
#endif

// The sibling libraries' types the manager takes by pointer
// (arqaux/contracts/*.h; arqaux/arqaux.h includes them all).
struct TTempo;
class TIntervalos;
class TInterv_Chuva;
class TGanho;
class TVent_Natural;
class TVent_Forcada;
class TEquipamento_PV;
class TArCondicionado;
struct TTipo_PV;
struct TFabricante_PV;
class CGeren_Equip_HVAC;
class TAtuador;
class TGeren_Atuadores;
class CFanCoil;
class TGeren_Componentes_HVAC;
class TComponente_HVAC;
class CChillerAr;
class CChillerAgua;
class CTorre;
class CBoiler;
class CBombaAG;
class CBombaAQ;
class CBombaAC;
class TParede;
class TSuperficie;
class ElementoTC;
struct TCarga_Termica_Anual;
struct TCarga_Termica_Mensal;
struct TGanho_Termico_Anual;
struct TGanho_Termico_Mensal;
struct TDemanda_Consumo_Mensal;
struct TDemanda_Consumo_Mensal_HVAC;
struct TEstatistica_Mensal;
class TEtiquetaRTQ;

namespace arqaux {
struct TSeletor;  // how the report engine reaches the registry (internal)
}

// Longest path the registry keeps, plus its terminating NUL.
constexpr int ARQAUX_TAM_CAMINHO = 300;

// One registry entry. The file stays registered while closed; the mode is the
// one of the first open, from which the reopen mode is derived.
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
  // The stdio buffer given to the stream while it is open: mapped apart from
  // the heap; Libera_Buffer keeps it for another stream or unmaps it.
  struct ARQAUX_API Libera_Buffer {
    void operator()(char* buffer) const;
  };
  std::unique_ptr<char[], Libera_Buffer> Buffer;
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

// What the weather import read (section 3): the header's fields, the year
// of climate records, the soil year when the file gives ground temperatures,
// how many missing values were filled, and on failure the first error with
// its line (0 when it concerns the file as a whole).
struct TClima_EPW {
  TCidade cabecalho{};                    // as the climate file's header
  std::string cidade, regiao;             // the header's texts, whole
  std::vector<TReg_Climatico> registros;  // hour 0 is January 1, 0:00 to 1:00
  std::vector<TReg_Solo> solo;            // a year, or empty: sem_solo says why
  float profundidade_solo = 0.0f;         // m, of the temperatures used
  std::string sem_solo;
  int preenchidos = 0;
  int linha_erro = 0;
  std::string erro;
};

class ARQAUX_API TGeren_ArquivoAux {
 public:
  TGeren_ArquivoAux();
  // Deletes the registry and its entries; streams still open are not closed.
  ~TGeren_ArquivoAux();
  TGeren_ArquivoAux(const TGeren_ArquivoAux&) = delete;
  TGeren_ArquivoAux& operator=(const TGeren_ArquivoAux&) = delete;

  // ---- 1. Registry (registry/registry.cpp) ----
  //
  // Nothing is lost behind the caller's back. When an open fails for want of
  // a handle, the registry closes another stream and retries; that stream
  // still counts as open and its next selection resumes it where it stood.
  // A reopen that fails keeps the entry registered and closed, records an
  // error on it and fails the operation, which then acts on no stream:
  // entries are never removed one by one, so stream numbers never shift.

  // Opens path with mode as a new stream (the path, at most 299 characters,
  // resolved now against the working directory), or, given a registered
  // entry, makes it current, opening it only when closed. Returns the
  // registry's count afterwards, or 0 when the file cannot be opened.
  int Abre_Arquivo(const char* caminho, const char* modo, TArquivoAux* entrada);
  int Abre_Arquivo(const char* caminho, const char* modo);
  // Makes entry's stream current, reopening it if closed; 0 when that fails.
  int TrocaContexto_Arquivo(TArquivoAux* entrada);
  // The mode a file closed by the caller is reopened with, so that its
  // content is kept: a read file from byte 0, a written one appended to.
  const char* RetornaTipoReabertura(const char* modo);
  // Makes stream n current; numbers outside 1..count do nothing.
  void Muda_Arquivo(int n);
  // Closes stream n (0: the highest-numbered open one); the entry stays and
  // the nearest open stream before it becomes current. Closing the last open
  // stream empties the registry.
  void Fecha_Arquivo(int n);
  // Closes every stream and empties the registry.
  void Fecha_Todos();
  // Position of the highest-numbered open entry, 0 when none.
  int Ultimo_Arquivo_Valido();
  // Nearest open entry at or before position n, searching backwards around
  // the registry; null when none is open.
  TArquivoAux* Fechou_Todos(int n);
  // True when the current stream's file is empty; a non-empty one is rewound.
  bool Arquivo_Vazio();
  // The current stream, or null.
  FILE* ObtemArquivo();
  // Number of registered entries (open or closed).
  int Numero_Arquivos() const;
  // Lost writes: true when a write, flush, close or reopen of stream n
  // failed since it was registered (false outside 1..count; does not select).
  bool Erro_Arquivo(int n) const;
  // Streams that lost something over the manager's life; it never decreases
  // and survives Fecha_Todos, so a host compares counts before and after.
  long Conta_Arquivos_Com_Erro() const;

  // ---- 2. File services and project comparison (registry/file_services.cpp,
  //      registry/project_comparison.cpp) ----

  // Whether path opens for reading; delete path; its modification date.
  // Each goes through the registry (open, then close the last open stream).
  bool ArquivoExiste(const char* caminho);
  bool ApagaArquivo(const char* caminho);
  bool DadosDoArquivo(const char* caminho, ftime* data);
  // Writes texto as it stands on stream n.
  void Salva_Texto_Generico(int n, const char* texto);
  // Writes "[a][b c d]\n" and "%f\n" on the current stream.
  void Salva_Tabela_Equipamentos(const char* a, const char* b, const char* c, const char* d);
  void Grava_Tempo(float valor);

  // Project comparison and interface detection (registry/project_comparison.cpp).
  // Both open their files with fopen outside the registry, never touch the
  // current stream, close all they open, and leave the working directory in
  // the last data folder made current (a caller that needs its own back
  // saves and restores it).

  // True when projects primeiro and segundo of dir differ in any of their
  // nine data files, or one of those files does not open (prefixo: the
  // "NEW" files, but for ".par" and ".prj"); false when all are identical.
  bool ComparaProjeto(std::string primeiro, std::string segundo, std::string dir, bool prefixo);
  // True when the two streams differ from their positions on (a byte, a
  // length, a read error flagged on either, a null stream); false when they
  // are identical to their ends. Where they stand afterwards is not fixed.
  bool CompararFile(FILE* primeiro, FILE* segundo);
  // The interface type of the project file at caminho, from the sizes of
  // its "NEW" and plain geometry files (project_comparison.cpp).
  bool Tipo_Interface_Projeto(std::string caminho);

  // ---- 3. Input files (input/climate.cpp, input/daylighting.cpp, input/rain.cpp,
  //      input/epw.cpp) ----

  // Climate, soil and interior climate (input/climate.cpp).
  // Reads the climate header at the current stream's position.
  bool Carrega_Cabecalho(TCidade* cabecalho);
  // Windows of hourly records from the current stream: hours inicio onwards,
  // continuing at hour 0 past the year's end (once). The climate window
  // rewinds and reads the header first. False on bad arguments or a short
  // read; the whole records read before it are in the array.
  bool Bufferiza_Clima(TCidade* cabecalho, TReg_Climatico* registros, int inicio, int quantidade);
  bool Bufferiza_Solo(TReg_Solo* registros, int inicio, int quantidade);
  bool Bufferiza_Reg_Climatico(TReg_Temp_Umi* registros, int inicio, int quantidade);
  // Converts the interior-climate text at caminho into its .ti file and
  // rewrites caminho to that name (the buffer needs 3 more characters).
  // False when either file cannot be opened or the year is not written whole.
  bool Converte_Clima_Interno_TXT_Binario(char* caminho);

  // Daylighting schedules and rain intervals (input/daylighting.cpp, input/rain.cpp).
  // Reads the five header lines of a daylighting schedule at the current
  // stream's position; true when every line matched.
  bool Carrega_Cabecalho_DAYSIM();
  // From the current stream at a schedule's start: the header, then the
  // lighting power densities of hours inicio onwards into registros, cut at
  // the year's end (no wrap: the records past it are left untouched). False
  // on a null array, a negative start or count, a start past hour 8760, a line
  // that does not match, or the file ending first; records stored stay.
  bool Bufferiza_Iluminacao_DAYSIM(TReg_DPI_DAYSIM* registros, int inicio, int quantidade);

  // Appends the rain intervals of the current stream to lista. False at a
  // count line that does not scan or is negative (list unchanged) and at a
  // malformed interval line (the intervals before it stay in the list).
  bool Le_Arquivo_Chuva(TLista<TInterv_Chuva>* lista);
  // Writes lista's intervals to the current stream; false when there is no
  // stream or list, or a write failed.
  bool Salva_Arquivo_Chuva(TLista<TInterv_Chuva>* lista);

  // Weather import (input/epw.cpp).
  // Reads the hourly weather file at caminho (the public EPW text) into
  // clima: 8760 climate records placed by date (February 29 dropped), the
  // missing values filled by interpolation and counted, the soil year from
  // the shallowest ground temperatures. False with clima->erro and
  // clima->linha_erro at the first fault; clima holds no year then.
  bool Le_EPW(const char* caminho, TClima_EPW* clima);
  // Writes the climate file (and the soil file, when caminho_solo is given
  // and clima has a soil year) under unique temporary names made beside
  // them, then renames them: false with clima->erro, and no file left
  // behind, when either fails.
  bool Grava_Clima_EPW(TClima_EPW* clima, const char* caminho_clima, const char* caminho_solo);
  // Both: the weather file in, the climate and soil files out. False, before
  // reading, when an output is the weather file itself by any name.
  bool Importa_EPW(const char* epw, const char* caminho_clima, const char* caminho_solo,
                   TClima_EPW* clima);
  // Reads a climate file however it was made (a header and 8760 records,
  // nothing more) into clima's header, texts and records, and holds it to the
  // ranges of the import's year: false with clima->erro naming the first
  // value that is not finite or lies outside them (by its hour), and no
  // records kept.
  bool Le_Clima_EPW(const char* caminho, TClima_EPW* clima);

  // ---- 4. Zone condition streams (streams/zone_conditions.cpp) ----

  // Temperature-humidity-comfort stream: the header (valor and the group
  // flags), then records whose shape the flags give. The reader is false at
  // a short read, leaving the values already read in place.
  void Preenche_Cabecalho_Temp_Umi(int n, bool temperatura, bool umidade, bool conforto, int valor);
  void Grava_Temp_Umi(int n, bool temperatura, float temp_interior, bool umidade,
                      float umi_interior, bool conforto, float pmv, float ppd,
                      const TReg_Climatico* clima);
  bool Le_Temp_Umi(int n, bool temperatura, float* temp_interior, bool umidade, float* umi_interior,
                   bool conforto, float* pmv, float* ppd, float* clima_1, float* clima_2);
  // ATS/ACE stream: one float per record, only when present.
  void Grava_ATS_ACE(int n, bool presente, float valor);
  bool Le_ATS_ACE(int n, bool presente, float* valor);
  // Operative/exterior stream: stores operative first (note the argument order).
  void Grava_ACS(int n, float exterior, float operativa);
  bool Le_ACS(int n, float* operativa, float* exterior);
  // PV stream: seven floats per record, only when present; the reader is
  // true only when all seven were read. The values, in order: the power
  // drawn from the grid (kW, negative when fed to it), the energy the
  // battery holds (kWh), the power the panels generate and the power the
  // zone's equipment demands (kW), the panels' surface temperature (°C), the
  // irradiance on them (W/m²) and their efficiency (a fraction).
  void Grava_PV(int n, bool presente, const float* valores);
  bool Le_PV(int n, bool presente, float* valores);
  // Reports of the streams above on text stream texto, read from binary
  // stream binario's current position. The has-flags describe the records,
  // the show-flags the columns. Nothing at all is written when either stream
  // does not select or either time is null. Records are read, and lines
  // written, 64 KiB at a time; a partial last record gives no line.
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

  // ---- 5. Controller-output and occupancy streams (streams/controller_outputs.cpp,
  //      streams/occupancy_report.cpp) ----

  // Most outputs a controller-output record may hold. A record's length comes
  // from its first float, which may be negative, not a number or 1e30; we
  // cap it so that neither the writer nor the report reads or allocates
  // without bound. No zone has as many controller outputs.
  static constexpr int Max_Saidas_Cont = 65535;
  // Writes valor as the stream's header.
  void Preenche_Cabecalho_Saida_Cont(int n, int valor);
  // Writes trunc(registro[0]) + 1 floats: the count, then the outputs. A
  // count that is negative, not a number or above the cap writes nothing.
  void Grava_Saida_Cont(int n, const float* registro);
  // Reads quantidade floats into registro; true only when all were read.
  bool Le_Saida_Cont(int n, float* registro, int quantidade);
  // Report of output indice (0 is the count) of records holding saidas
  // outputs, with a clock stamp per hour of samples. An index outside
  // 0..saidas or saidas above the cap writes nothing.
  void Converte_Binario_Texto_SC(int binario, int texto, const TTempo* inicio, const TTempo* fim,
                                 int intervalo, int saidas, int indice);
  // Occupancy stream: int32 then float per record: the number of people in
  // the zone and the heat they give it (W). The writer is false when
  // the stream does not select or the write fails.
  bool Grava_Pessoas_no_Ambiente(int n, int valor_inteiro, float valor_real);
  bool Le_Pessoas_no_Ambiente(int n, int* valor_inteiro, float* valor_real);

  // The report of an occupancy stream on text stream texto, read from binary
  // stream binario's current position: per record the people count (whole)
  // and the value beside it, with the clock and the hourly averages of every
  // sampled report ("[Pessoas]  [Valor]   " heads the columns). Nothing at
  // all is written when either stream does not select or either time is
  // null; a partial last record gives no line.
  void Converte_Binario_Texto_Pessoas(int binario, int texto, const TTempo* inicio,
                                      const TTempo* fim, int intervalo);

  // ---- 6. Fan-coil output streams (streams/fan_coil_outputs.cpp) ----
  //
  // Per sampling step, one line of the fan coil's monitored results on its
  // data stream and one of its components' electric power on its
  // consumption stream, "%f\t" per value; a report per quantity is made
  // from the data stream. Flags are the fan coil's nine monitoring flags
  // (fewer given count as clear); the components are those of the fan
  // coil's own manager, with their own flags.

  // One data line of the fan coil's results (nothing at all when its flag
  // 0 is clear), and one consumption line: the heater's, humidifier's and
  // fans' power, their total and, with com_extra, extra.
  void Grava_Saida_FanCoil_Dados(CFanCoil* fancoil, int n);
  void Grava_Saida_FanCoil_Consumo(CFanCoil* fancoil, int n, float extra, bool com_extra);
  // Reads one data line: the fan coil's values into valores[11..16] (17
  // values, all cleared first), each component's into its results and
  // running sums. True without reading when flag 0 is clear; false at the
  // end of the stream or at a line that is not whole, what was read stored.
  // Lines are taken as the equipment reader below takes them.
  bool Le_Saida_FanCoil_Dados(int n, std::vector<int>& flags, std::vector<float>& valores,
                              TGeren_Componentes_HVAC* componentes);
  // The report of quantity variavel on text stream texto (made current
  // without reopening): the header, then the rows of data stream dados from
  // its current position. selecionado picks the component type that the
  // heat, water and fan air-flow quantities show. periodo holds start and
  // end. A stream whose flag 0 is clear holds no lines, so its report ends
  // after its header.
  void Preenche_Cabecalho_FanCoil(int texto, TGeren_Componentes_HVAC* componentes,
                                  TComponente_HVAC* selecionado, int variavel,
                                  std::vector<int>& flags, int numero, TTempo* periodo,
                                  int intervalo);
  void Salva_Texo_Dados_FanCoil(int dados, int texto, TGeren_Componentes_HVAC* componentes,
                                TComponente_HVAC* selecionado, int variavel,
                                std::vector<int>& flags, TTempo* periodo, int intervalo);

  // ---- 7. Primary-equipment output streams (streams/primary_equipment.cpp) ----
  //
  // Per equipment and step, a text line of its monitored results ("%f\t"
  // each, group by group of the set flags, then "\n"; nothing when flag 0 is
  // clear) on a data stream and, but for boilers, a consumption line on
  // another. The reader takes the next line: it sets the member's first
  // values to 0, is true without reading when flag 0 is clear, and stores
  // each value at its result index. A line ends at the first "\n" after its
  // last value; a line cut short, a value that is not a number and a line
  // holding more than its flags say are the end of the data (false), so
  // that a damaged stream never stalls a report. The header writes the
  // variable's title (none outside the member's range), the period and
  // interval lines and, when the variable's flag is set, its labels; the
  // rows are one per line of the data stream, and a stream whose flag 0 is
  // clear gives none, since it holds nothing to count them by. Each
  // operation selects its stream first and does nothing (false) when it
  // does not select; the rows need both streams registered.
  void Grava_Saida_ChillerAr_Dados(CChillerAr* equip, int n);
  void Grava_Saida_ChillerAr_Consumo(CChillerAr* equip, int n, float extra, bool com_extra);
  bool Le_Saida_ChillerAr_Dados(int n, int* flags, float* valores);
  void Preenche_Cabecalho_ChillerAr(int texto, int variavel, int* flags, int numero, TTempo* par,
                                    int intervalo);
  void Salva_Texo_Dados_ChillerAr(int dados, int texto, int variavel, int* flags, TTempo* par,
                                  int intervalo);
  void Grava_Saida_ChillerAgua_Dados(CChillerAgua* equip, int n);
  void Grava_Saida_ChillerAgua_Consumo(CChillerAgua* equip, int n, float extra, bool com_extra);
  bool Le_Saida_ChillerAgua_Dados(int n, int* flags, float* valores);
  void Preenche_Cabecalho_ChillerAgua(int texto, int variavel, int* flags, int numero, TTempo* par,
                                      int intervalo);
  void Salva_Texo_Dados_ChillerAgua(int dados, int texto, int variavel, int* flags, TTempo* par,
                                    int intervalo);
  void Grava_Saida_Torre_Dados(CTorre* equip, int n);
  void Grava_Saida_Torre_Consumo(CTorre* equip, int n, float extra, bool com_extra);
  bool Le_Saida_Torre_Dados(int n, int* flags, float* valores);
  void Preenche_Cabecalho_Torre(int texto, int variavel, int* flags, int numero, TTempo* par,
                                int intervalo);
  void Salva_Texo_Dados_Torre(int dados, int texto, int variavel, int* flags, TTempo* par,
                              int intervalo);
  void Grava_Saida_Boiler_Dados(CBoiler* equip, int n);
  bool Le_Saida_Boiler_Dados(int n, int* flags, float* valores);
  void Preenche_Cabecalho_Boiler(int texto, int variavel, int* flags, int numero, TTempo* par,
                                 int intervalo);
  void Salva_Texo_Dados_Boiler(int dados, int texto, int variavel, int* flags, TTempo* par,
                               int intervalo);
  void Grava_Saida_BombaAG_Dados(CBombaAG* equip, int n);
  void Grava_Saida_BombaAG_Consumo(CBombaAG* equip, int n, float extra, bool com_extra);
  bool Le_Saida_BombaAG_Dados(int n, int* flags, float* valores);
  void Preenche_Cabecalho_BombaAG(int texto, int variavel, int* flags, int numero, TTempo* par,
                                  int intervalo);
  void Salva_Texo_Dados_BombaAG(int dados, int texto, int variavel, int* flags, TTempo* par,
                                int intervalo);
  void Grava_Saida_BombaAQ_Dados(CBombaAQ* equip, int n);
  void Grava_Saida_BombaAQ_Consumo(CBombaAQ* equip, int n, float extra, bool com_extra);
  bool Le_Saida_BombaAQ_Dados(int n, int* flags, float* valores);
  void Preenche_Cabecalho_BombaAQ(int texto, int variavel, int* flags, int numero, TTempo* par,
                                  int intervalo);
  void Salva_Texo_Dados_BombaAQ(int dados, int texto, int variavel, int* flags, TTempo* par,
                                int intervalo);
  // The condenser-water pump: its writers and reader are named BombaCond,
  // its header and rows BombaAC.
  void Grava_Saida_BombaCond_Dados(CBombaAC* equip, int n);
  void Grava_Saida_BombaCond_Consumo(CBombaAC* equip, int n, float extra, bool com_extra);
  bool Le_Saida_BombaCond_Dados(int n, int* flags, float* valores);
  void Preenche_Cabecalho_BombaAC(int texto, int variavel, int* flags, int numero, TTempo* par,
                                  int intervalo);
  void Salva_Texo_Dados_BombaAC(int dados, int texto, int variavel, int* flags, TTempo* par,
                                int intervalo);

  // ---- 8. Envelope result files (envelope/*.cpp) ----
  //
  // Wall node files (envelope/wall_nodes.cpp): a header of N floats and N
  // entries of M pairs, then per step the node values of every region. The
  // header reader works on the current stream at its position: the N values
  // in a new array (null when nothing was allocated) and one new array per
  // entry, [M, first, second, ...], appended to entradas; all are the
  // caller's (delete[]). It returns N, or 0 when N is below 1 or more than
  // the rest of the file holds (nothing allocated), when the values are
  // short (the array stays the caller's), or when an entry is short or its
  // M too large (the entries it appended are released).
  int Le_Cabecalho_Temp_Umi_Parede(float** valores, std::vector<unsigned int*>& entradas);
  // Nodes of the first regioes regions (entradas[i] + 1 each), and the nodes
  // before 1-based region regiao; 0 for counts below 1.
  int Soma_Nos_Regiao(int* entradas, int regioes);
  int Soma_Nos_Ate_Regiao(int* entradas, int regiao);
  // The group blocks of region regiao (1-based) at step passo (0-based) of
  // stream n, each entradas[regiao - 1] + 1 floats, after re-reading the
  // header. False on a bad header, a region, step or entry out of range,
  // an offset past the file, or a short block.
  bool Le_Temp_Umi_Parede(int n, int* entradas, int regioes, int regiao, int passo, bool grupo_1,
                          float* valores_1, bool grupo_2, float* primeiros_2, float* segundos_2,
                          bool grupo_3, float* valores_3);
  // A profile on stream n: the label line, one numbered line per node
  // 0..ultimo_no with the groups' values, an empty line. The one-node form
  // writes the label and node no's values as one line. False when the
  // stream does not select, a flagged group has no array, or a write fails.
  bool Grava_Temp_Umi_Parede_Texto(int n, int ultimo_no, float* valores_1, float* primeiros_2,
                                   char* rotulo, bool grupo_1, bool grupo_2, float* segundos_2,
                                   bool grupo_3, float* valores_3);
  bool Grava_Temp_Umi_Parede_Texto_1_No(int n, int ignorado, float* valores_1, float* primeiros_2,
                                        char* rotulo, bool grupo_1, bool grupo_2, float* segundos_2,
                                        bool grupo_3, float* valores_3, int no);

  // Interior surface temperature report (envelope/surface_temperatures.cpp).
  // The label of a face: "Teto", "Piso", or "Parede - " and its compass
  // direction or its azimuth in degrees.
  void Nome_Ou_Angulo_Parede(TSuperficie* zona, TParede* face, std::string& rotulo);
  // The report header on stream n; periodo points to the start and the end.
  void Grava_Cabecalho_Temp_Interna_Parede(int n, const char* nome_zona, TTempo* periodo,
                                           int intervalo, TLista<TParede>* faces,
                                           TSuperficie* zona);
  // One data line: the date and time, then each region's surface temperature.
  void Grava_Temp_Interna_Parede(int n, char* data, char* hora, TLista<TParede>* faces);
  // Appends the rest of stream origem to stream destino, in blocks. Nothing
  // happens unless both are registered and they differ.
  void Salva_Texto_Temp_Interna_Parede(int origem, int destino);

  // Shading, radiation, flux and mould streams (envelope/surface_streams.cpp).
  // The surface header, at the current stream's position: N and a new array
  // of N floats (the caller's). Returns N; 0, with a null array, when N is
  // below 1 or more than the rest of the file holds; 0 when the floats are
  // short (the array stays the caller's).
  int Le_Cabecalho_Proj_Sombras(float** valores);
  int Le_Cabecalho_Fluxo_CalorVapor(float** valores);
  // Append one wall's record: two floats, three floats.
  void Grava_Proj_Sombras_Parede(int n, float primeiro, float segundo);
  void Grava_Radiacoes_Parede(int n, float* valores);
  // Readers by position (surface regiao 1..superficies, step passo from 0);
  // false on arguments out of range, an offset past the file or a short read.
  // The shading reader takes a whole step (2 floats per wall); the radiation
  // reader takes 3 floats per wall from the current stream where it stands.
  bool Le_Proj_Sombras_Parede(int n, int superficies, int passo, float* valores);
  bool Le_Radiacoes_Parede(int paredes, float* valores);
  // values[0..1] the heat pair when calor, values[2] the vapour flux when vapor.
  bool Le_Fluxos_CalorVapor_Parede(int n, int superficies, int regiao, int passo, bool calor,
                                   bool vapor, float* valores);
  bool Le_Mofo(int n, int superficies, int regiao, int passo, bool mofo, float* valor);
  // Converts region regiao of the flux file at origem into "<prefixo>FLW.txt"
  // (the sampled report) and "<prefixo>MTR.txt" (the daily adsorbed and
  // desorbed moisture), opening and closing the three files itself. False
  // when a file does not open, the header does not read or the region is
  // not in it (no report is created, nothing is left open), or when a write
  // was lost.
  bool Converte_Binario_Texto_FluxosCV(char* origem, char* prefixo, int regiao, bool calor,
                                       bool vapor, TTempo* inicio, TTempo* fim, int intervalo);
  // Report of region regiao of the mould stream origem (at its first byte) on
  // stream destino. False, writing nothing, when either stream does not
  // select, the header does not read or the region is not in it.
  bool Converte_Binario_Texto_Mofo(int origem, int destino, int regiao, bool mofo, TTempo* inicio,
                                   TTempo* fim, int intervalo);

  // ---- 9. Thermal loads and statistics ----
  //
  // Load and gain streams (loads/load_streams.cpp): text from the start, one
  // tab-separated line per step. Kinds 2 (winter) and 3 (summer) are load
  // streams, with the zone's and the exterior's columns; any other kind is
  // a gain stream (kind 8 labelled as such). The period is two TTempo, start
  // then end. Date and time texts are read into buffers of 8 and 12 bytes.

  // The preamble (title, label, period, interval, legend) when asked for, then
  // the column titles. The bytes of the last piece written, -1 when the
  // stream does not select, a text or the period is missing, or a write fails.
  int Grava_Cabecalho_Carga_Termica(int n, bool preambulo, int tipo, const char* titulo,
                                    const TTempo* periodo, int intervalo);
  // Skips the column titles (not the preamble): 1 when they matched whole, 0
  // when they did not, -1 at the end of the stream or when it does not select.
  int Le_Cabecalho_Carga_Termica(int n, int tipo);
  // One line: the 32 balance values (sensible and latent pairs) and the
  // totals; the load line takes its totals and conditions from the 18-value
  // zone record. False when the stream does not select or the write fails.
  bool Grava_Ganho_Termico(int n, const char* data, const char* hora, const float* balanco,
                           float total, float sensivel, float latente);
  bool Grava_Carga_Termica(int n, const char* data, const char* hora, const float* balanco,
                           const float* zona);
  // The next line into the same places (totais: sensible, latent, total).
  // False only at the end of the stream (or when it does not select); a
  // malformed value leaves the rest of the line unread.
  bool Le_Ganho_Termico(int n, char* data, char* hora, float* balanco, float* totais);
  bool Le_Carga_Termica(int n, char* data, char* hora, float* balanco, float* zona);
  // Copies every line of stream origem, written without preamble, onto stream
  // destino after its header; false when the source ends (always).
  bool Salva_Carga_Termica_Texto(int tipo, int origem, int destino, const TTempo* nao_usado);

  // Annual and monthly statistics reports (loads/load_reports.cpp): header,
  // then the latent, sensible and total sections of each record, a section
  // left out when its maximum is exactly 0 (a load body when its total
  // maximum is). Kind 2 reads the winter blocks, any other the summer ones.
  // The monthly reports name month m after the record's position m.
  void Grava_Carga_Termica_Anual(int n, int tipo, const char* titulo,
                                 const TCarga_Termica_Anual* registro, const TTempo* periodo,
                                 int intervalo);
  void Grava_Ganho_Termico_Anual(int n, const char* titulo, const TGanho_Termico_Anual* registro,
                                 const TTempo* periodo, int intervalo);
  void Grava_Carga_Termica_Mensal(int n, int tipo, const char* titulo,
                                  TLista<TCarga_Termica_Mensal>* meses, const TTempo* periodo,
                                  int intervalo);
  void Grava_Ganho_Termico_Mensal(int n, const char* titulo, TLista<TGanho_Termico_Mensal>* meses,
                                  const TTempo* periodo, int intervalo);

  // Statistics files (loads/statistics_files.cpp): raw records after an
  // int32 count. Savers given a path open it ("wb") and close it; the others
  // act on the current stream. Savers are false when the file cannot be
  // opened or a write fails. Loaders append record by record and stop at the
  // first short read, keeping what they appended; a negative count fails.

  bool Grava_Demanda_Consumo(const char* caminho, TLista<TDemanda_Consumo_Mensal>* lista);
  // The count read, 0 when it is 0 or negative or a read falls short.
  int Carrega_Demanda_Consumo(TLista<TDemanda_Consumo_Mensal>* lista);
  bool Grava_Demanda_Consumo_HVAC(TLista<TDemanda_Consumo_Mensal_HVAC>* lista);
  // True when the count is positive and every record was read.
  bool Carrega_Demanda_Consumo_HVAC(TLista<TDemanda_Consumo_Mensal_HVAC>* lista);
  bool Grava_Estatisticas(const char* caminho, TLista<TEstatistica_Mensal>* lista);
  int Carrega_Estatisticas(TLista<TEstatistica_Mensal>* lista);
  // The load file: two flags, the annual record and the months; the gain
  // file the same without the flags. The loaders fill the caller's annual
  // record and flags and are true also for no months.
  bool Salva_Relatorio_CargasTermicas(const char* caminho, TLista<TCarga_Termica_Mensal>* meses,
                                      const TCarga_Termica_Anual* anual, short flag_1,
                                      short flag_2);
  bool Carrega_Relatorio_CargasTermicas(TLista<TCarga_Termica_Mensal>* meses,
                                        TCarga_Termica_Anual* anual, short* flag_1, short* flag_2);
  bool Salva_Relatorio_GanhosTermicos(const char* caminho, TLista<TGanho_Termico_Mensal>* meses,
                                      const TGanho_Termico_Anual* anual);
  bool Carrega_Relatorio_GanhosTermicos(TLista<TGanho_Termico_Mensal>* meses,
                                        TGanho_Termico_Anual* anual);

  // ---- Configuration text (sections 10 to 17) ----
  //
  // Every configuration reader and writer acts on the current stream. A
  // writer returns false without a stream or when the stream reports a failed
  // write (a lost write never looks like a success). A block reader reads its
  // count line first: a count below 1 is true and touches nothing; a positive
  // count with a null target is false; what was read before a failure stays.

  // ---- 10. Schedules (config/schedules.cpp) ----

  // The schedule block under "[Horarios = %d]" and, for forced ventilation,
  // "[Horarios Ventilacao = %d]". A null schedule is written empty; the
  // readers append periods.
  bool Grava_Intervalos(TIntervalos* intervalos);
  bool Grava_Intervalos_Vent(TIntervalos* intervalos);
  bool Le_Intervalos(TIntervalos* intervalos);
  bool Le_Intervalos_Vent(TIntervalos* intervalos);

  // ---- 11. Internal gains (config/internal_gains.cpp) ----

  // A zone's gain block; the reader appends the gains it builds and skips a
  // gain of an unknown type code.
  bool Grava_Ganho_Interno(TLista<TGanho>* ganhos);
  bool Le_Ganho_Interno(TLista<TGanho>* ganhos);
  // The block framed by the zone line "[Zona = %d]". The reader is false when
  // the line is not zona (list untouched); a block that fails empties the list.
  bool Grava_Ganho_Interno_ZonaX(TLista<TGanho>* ganhos, int zona);
  bool Le_Ganho_Interno_ZonaX(TLista<TGanho>* ganhos, int zona);

  // ---- 12. Ventilation (config/ventilation.cpp) ----

  // A zone's ventilation section: zone line, natural and forced ventilation
  // (absent when null). The reader builds each kind marked present and
  // stores it through its pointer (the caller's to delete).
  bool Grava_Ventilacao_ZonaX(TVent_Natural* natural, TVent_Forcada* forcada, int zona);
  bool Le_Ventilacao_ZonaX(TVent_Natural** natural, TVent_Forcada** forcada, int zona);

  // ---- 13. Zone PV equipment (config/zone_pv.cpp) ----

  // A zone's PV equipment block, alone or framed by the zone line, as the
  // gain block above.
  bool Grava_Equipamento_PV(TLista<TEquipamento_PV>* equipamentos);
  bool Le_Equipamento_PV(TLista<TEquipamento_PV>* equipamentos);
  bool Grava_Equipamentos_PV_ZonaX(TLista<TEquipamento_PV>* equipamentos, int zona);
  bool Le_Equipamentos_PV_ZonaX(TLista<TEquipamento_PV>* equipamentos, int zona);

  // ---- 14. Room air-conditioning actuators and controls (config/actuators.cpp) ----

  // The actuator block. The reader takes the count and the first record from
  // the current stream and makes stream n current again before each later
  // record; fan-coil units are tied to geren_equip.
  bool Grava_Climatizador(TGeren_Atuadores* atuadores);
  bool Le_Climatizador(CGeren_Equip_HVAC* geren_equip, TGeren_Atuadores* atuadores, int zona,
                       int n);
  // The block framed by the zone line, as the gain block's.
  bool Grava_Climatizador_ZonaX(TGeren_Atuadores* atuadores, int zona);
  bool Le_Climatizador_ZonaX(CGeren_Equip_HVAC* geren_equip, TGeren_Atuadores* atuadores, int zona,
                             int n);
  // The control entry of a heater or air conditioner, and of an evaporative
  // cooler. The readers create the controller; they are false only for a null
  // actuator or no stream.
  bool Grava_Controle(TAtuador* atuador);
  bool Le_Controle(TAtuador* atuador);
  bool Grava_Controle_Resf_Evap(TAtuador* atuador);
  bool Le_Controle_Resf_Evap(TAtuador* atuador);

  // ---- 15. Fan coils (config/fan_coils.cpp) ----

  // Writes fan coil numero (from 1) of a system of contagem fan coils; the
  // count line goes before fan coil 1 only. An empty system is the count
  // line alone: numero and contagem 0. False without a fan coil to write, at
  // the first line that cannot be written, or at a zone whose name would not
  // read back (empty, longer than 19 characters, or holding "]"); what was
  // written stays.
  bool Grava_Dados_FanCoil(CFanCoil* fancoil, int numero, int contagem);
  // Makes stream n current without reopening it and reads the count line:
  // the count as read (the caller sizes its fan coils), -1 at the end of the
  // file or when n does not select, 0 when the line does not match.
  int Le_Num_Reg_FanCoil(int n);
  // Makes stream n current and reads the next fan-coil block into fancoil:
  // components and zones appended, schedules cleared and read, controllers
  // created from their lines. A line that does not match does not stop the
  // read; the result is false when the fan-coil line, its values, the zone
  // count or a zone line did not match. Unlike a reader that builds whatever
  // a count names, the read stops and fails where the file ends, and at a
  // zone or component count larger than the rest of the file can hold,
  // before anything is built for it: a hostile count cannot make it build
  // without bound. The ventilation controller's two differences are given
  // back to it (TContOnOff::A_Dif_Temp_Vent, A_Dif_Ent_Vent), so that the
  // file survives a round trip whole.
  bool Le_Dados_FanCoil(int n, CFanCoil* fancoil);
  // One component block on the current stream. The reader appends what it
  // builds, skipping codes without a class, and is false when the count, a
  // type or a value did not match, under the same stops as above.
  bool Grava_Componentes_FanCoil(TGeren_Componentes_HVAC* componentes);
  bool Le_Componentes_FanCoil(TGeren_Componentes_HVAC* componentes);
  // Builds the component of type code tipo (nothing for a code outside 0..6)
  // and appends it to componentes.
  void Adiciona_Componentes_na_Lista(int tipo, int posicao, const std::vector<float>& dados,
                                     const std::vector<int>& config,
                                     TGeren_Componentes_HVAC* componentes);
  // The six fan-coil controller lines on the current stream. The reader does
  // not test its lines; both are false only without a stream or fan coil.
  bool Grava_Controle_FanCoil(CFanCoil* fancoil);
  bool Le_Controle_FanCoil(CFanCoil* fancoil);

  // ---- 16. Primary plant (config/primary_plant.cpp) ----
  //
  // The plant's equipment, one item per call, by kind: 1 air-cooled and
  // 2 water-cooled chiller, 3 cooling tower, 4 boiler, 5 hot-water, 6 chilled-
  // water and 7 condenser-water pump, 8 chilled-water tank, 9 secondary
  // chilled-water pump. Kind 0, the fan coils, has its own block; of it only
  // the count line is read here. An item is the first floats and ints of its
  // vectors and its names, as many as the kind holds (a tank: 10 + 3n floats
  // and n names, n its connections in dados[5], a whole number from 0 to 10).

  // The name buffers an item reader is given: ten (a tank has at most ten
  // connections, one name each) of 20 bytes (names of at most 19 characters).
  static constexpr int Num_Nomes_Equip = 10;
  static constexpr int Tam_Nome_Equip = 20;
  // Writes item numero of contagem of kind tipo on the current stream, after
  // the kind's count line when numero is 1 (item 0 of count 0: the count line
  // alone). Writes nothing and is false for kind 0 or outside 1..9, a
  // negative count, vectors shorter than the item, a tank's n out of range,
  // or a name that would not read back (null, empty, over 19 characters, or
  // holding "]").
  bool Grava_Dados_Equips_Sist_Prim_HVAC(const std::vector<float>& dados,
                                         const std::vector<int>& conf, const char* const* nomes,
                                         int numero, int contagem, int tipo);
  // The count on kind tipo's count line (0 to 9) on stream n, as written,
  // whatever its size: the caller loops on the item reader, which fails at the
  // end of the file. -1 at the end of the file or when n names no stream; 0
  // when the line is another's or tipo is outside 0..9.
  int Le_Num_Reg_Equips_Sist_Prim_HVAC(int n, int tipo);
  // Reads the next item of kind tipo (1 to 9) from stream n into dados, conf
  // and nomes (buffers of 20 bytes; names of at most 19 characters). An item
  // numbered 0 is its head line alone (true). False for another kind, at the
  // first value that does not match (a name too long, a tank's n out of
  // range), and when the vectors or name buffers given cannot hold the item:
  // nothing is stored past them. Values read before a failure are stored.
  bool Le_Dados_Equips_Sist_Prim_HVAC(int n, std::vector<float>& dados, std::vector<int>& conf,
                                      char** nomes, int tipo);

  // ---- 17. HVAC report settings (config/hvac_settings.cpp) ----
  //
  // The monitoring flags, the report step and the nine primary-system values
  // (dados), in two blocks whose keys differ: the header block that opens the
  // system file, and the monitoring block, which adds the primary system's
  // cooling and heating schedules. Each reader accepts only its own block.
  // Writers are false without a stream or values, or at a failed write.

  // The header block on the current stream.
  bool SalvaDadosRelatorioCab_HVAC(int monitora_sistema, int monitora_consumo, int passo,
                                   int* dados);
  bool CarregaDadosRelatorioCab_HVAC(int* monitora_sistema, int* monitora_consumo, int* passo,
                                     int* dados);
  // One item of the system file by kind: the fan coils (kind 0, fancoil)
  // or an item of the plant (dados, conf and nomes). The reader makes
  // stream n current and gives the plant's reader name buffers of its own,
  // whose names it drops. Both return the item's own result, so that an
  // item refused, not written or not read is never taken for one saved or
  // loaded.
  bool SalvaDadosRelatorio_HVAC(const std::vector<float>& dados, const std::vector<int>& conf,
                                const char* const* nomes, int numero, int contagem, int tipo,
                                CFanCoil* fancoil);
  bool CarregaDadosRelatorio_HVAC(int n, std::vector<float>& dados, std::vector<int>& conf,
                                  CFanCoil* fancoil, int tipo);
  // The monitoring block, written on the current stream and read from
  // stream n. The reader appends the periods to the schedules (a null one
  // takes no period) and is false at the first line that does not match,
  // what was read before stored.
  bool Grava_Dados_Monit_Cons_HVAC(int monitora_sistema, int monitora_consumo, int passo,
                                   int* dados, TIntervalos* resfriamento, TIntervalos* aquecimento);
  bool Le_Dados_Monit_Cons_HVAC(int n, int* monitora_sistema, int* monitora_consumo, int* passo,
                                int* dados, TIntervalos* resfriamento, TIntervalos* aquecimento);

  // ---- 18. Equipment catalogues (catalogues/air_conditioners.cpp,
  //          catalogues/chiller_catalogues.cpp, catalogues/pv_catalogues.cpp) ----
  //
  // Catalogue files are a count line and one record after another. The
  // editor opens the file, reads the count and loads records one at a time,
  // or saves a whole array. A record loader returns the number of values on
  // the record's last line when the record read whole, 0 when it did not
  // (the fields that matched are stored) and -1 when the data had ended
  // before it. Count readers return the count as read, 0 for a count line
  // that does not match: a count larger than the records present ends with
  // a loader's -1.

  // The air-conditioner catalogue, on the current stream. Savers return
  // count, or 0 when count <= 0 (the count line alone is written), records is
  // null or a write failed.
  int Le_Numero_Registros_AC();
  int Carrega_Equipamentos_AC(Modelos_AC* modelo);
  int Salva_Equipamentos_AC(int count, Modelos_AC* modelos);
  // Makes the models directory current and loads the unit's model (its
  // R_Carac_Fisicas index; beyond the last record, the last one) from
  // "Condicionadores.txt" into the unit: curves and the six type codes.
  // False, the unit unchanged, when the file cannot be opened, holds no
  // record, or a record up to the one applied is not whole.
  bool Carrega_ArCondicionado(TArCondicionado* unidade);
  // Writes the table of five property ranges, faixas[0..9] (min, max each).
  void Aux(float* faixas);

  // Chiller, coil and fan-curve catalogues: "[Nº Registros = %d]" and
  // two-line records. Operations with a stream number select it first and
  // return 0 when it does not select; the fan curves and the argument-less
  // count act on the current stream. Savers return the bytes of the last
  // line written, 0 when count <= 0 or records is null, -1 when a write
  // failed.
  int Le_Num_Registros(int n);
  int Le_Num_Registros();
  int Carrega_Serpentinas(int n, Serpentina* registro);
  int Salva_Serpentinas(int n, int count, Serpentina* registros);
  int Carrega_Curvas_Ventilador(Curvas_Vent* registro);
  int Salva_Curvas_Ventilador(int count, Curvas_Vent* registros);
  int Carrega_Equip_Chiller(int n, Equip* registro);
  int Salva_Equip_Chiller(int n, int count, Equip* registros);
  int Carrega_Curvas_CAP(int n, Curva_CAP* registro);
  int Salva_Curvas_CAP(int n, int count, Curva_CAP* registros);
  int Carrega_Curvas_EIRT(int n, Curva_EIRT* registro);
  int Salva_Curvas_EIRT(int n, int count, Curva_EIRT* registros);
  int Carrega_Curvas_EIRPLR(int n, Curva_EIRPLR* registro);
  int Salva_Curvas_EIRPLR(int n, int count, Curva_EIRPLR* registros);

  // PV catalogues, read from the current stream (no writers): true when the
  // line or block read whole. The equipment list's heading is
  // "Equipamentos D/C" with corrente_continua, else "Equipamentos A/C"; an
  // equipment name needs TAM_NOME_EQUIP_PV bytes, a type's TAM_NOME_PV.
  bool Le_Cabecalho_Equipamentos_PV(int* count, bool corrente_continua);
  bool Carrega_Registro_Equipamento_PV(int* valor, char* nome);
  bool Le_Cabecalho_Tipo_Painel_PV(int* count);
  bool Carrega_Registro_Tipo_Painel_PV(TTipo_PV* tipo);
  bool Le_Cabecalho_Fabricantes_PV(int* count);
  // Fills fabricantes[0..count-1], allocating each name and model array
  // (they are the caller's, also after a failure). A maker's Num_Modelos is
  // the number of models read whole, which its array holds: less than the
  // file's count when the file ends or a model line fails first.
  bool Carrega_Registros_Fabricantes_PV(TFabricante_PV* fabricantes, int count);

  // ---- 19. Reference tables (catalogues/ventilation_rates.cpp,
  //      catalogues/regulation_tables.cpp, catalogues/material_data.cpp) ----
  //
  // Line by line readers and writers on the current stream: the host opens
  // the file, selects it and calls them in the order of the file's lines.
  // Every one is false (and touches nothing) when there is no current stream
  // or a pointer it needs is null. A text is read into a caller's buffer of
  // Tam_Texto_Tabela bytes: one longer than Tam_Texto_Tabela - 1 characters
  // fails its line and is not stored. Values read before a failure are
  // stored; a variable or buffer the scan did not reach is neither read nor
  // written, and a text takes its characters and terminator only.
  static constexpr int Tam_Texto_Tabela = 300;
  // The level text of an air ration, terminator included ("Muito Grande").
  static constexpr int Tam_Nivel_Racao = 13;

  // Ventilation rates. An air ration "[name] (a;b;level)": the level's
  // text (code 0 to 6) is copied into nivel, of Tam_Nivel_Racao bytes, and
  // left alone for another code; a line that stops before the code counts as
  // level 0. The ration and air-change readers are true whatever the line
  // held, as the tables are read by count.
  bool Le_Racao_de_Ar(char* nome, char* nivel, int* primeiro, int* segundo);
  // "[name] (value;integer)".
  bool Le_Trocas_de_Ar(char* nome, float* valor, int* inteiro);
  // Goes back to the start of the stream and reads its model count.
  bool Le_Inicio(int* modelos);
  // A model's header "[a,b]".
  bool Le_Cabecalho_Ventilacao(int* primeiro, int* segundo);
  // One row of colunas (4 to 7) tab-separated values; true without reading
  // for another number of columns.
  bool Le_Registro_Ventilacao(float* linha, int colunas);
  // linhas rows as above into linhas_valores[0..linhas-1]; false at the first
  // short row, the earlier ones stored. True at once for linhas <= 0.
  bool Le_Registro_Ventilacao(float** linhas_valores, int linhas, int colunas);

  // Regulation tables. The bioclimatic-zone table: its count line and
  // column head, then one record per city: a state and a method of one word
  // each, the city in brackets.
  bool Carrega_Cabecalho_Zona_Bio(int* registros);
  bool Le_Registro_Zona_Bio(char* estado, char* cidade, char* metodo, int* zona);
  // The head of an equipment-efficiency table: its line count and title.
  bool Le_Cab_Dados_Tabelas_HVAC_RTQ(int* linhas);
  // One line of a table: the integers and reals in ints and reals (split:
  // 3 and 3; towers and chillers: 1 and 4), a word and two bracketed texts.
  // True when at least the line's first value was read; false at the end of
  // the stream.
  bool Le_Dados_Tabela_Split_ACJ(int* ints, float* reais, char* palavra, char* texto1,
                                 char* texto2);
  bool Le_Dados_Tabela_Torre_Resf_ASHRAE(int* ints, float* reais, char* palavra, char* texto1,
                                         char* texto2);
  bool Le_Dados_Tabela_Resfriadores(int* ints, float* reais, char* palavra, char* texto1,
                                    char* texto2);
  // A project's equipment file. Part 0 is its zone-count line; part 1 a
  // zone's header (number, name, area) and equipment count; another part
  // writes and reads nothing and is true. The writers are false at a failed
  // write and, writing nothing, for a text that would not read back (null,
  // longer than Tam_Texto_Tabela - 1 characters, or holding "]"). The
  // readers are true when a line's first value was read.
  bool Gera_Arq_HVAC_RTQ_Cab(int parte, int zona, int zonas, int equipamentos, float area,
                             const char* nome);
  bool Gera_Arq_HVAC_RTQ_Dados(int equipamento, int tipo, char* nome_tipo, float potencia,
                               float cop, int pre_requisito, int tipo_aquecimento,
                               char* nome_aquecimento, char* classe, int regulamentado);
  bool Le_Arq_HVAC_RTQ_Cab(int parte, int* zona, int* zonas, int* equipamentos, float* area,
                           char* nome);
  bool Le_Arq_HVAC_RTQ_Dados(int* equipamento, int* tipo, char* nome_tipo, float* potencia,
                             float* cop, int* pre_requisito, int* tipo_aquecimento,
                             char* nome_aquecimento, char* classe, int* regulamentado);
  // The label's ten data lines, each text as the label gives it (a null
  // one as empty); nothing for a null label.
  void GravaDadosEtiqueta(TEtiquetaRTQ* etiqueta);

  // Material data. The hourly damping line of keys (a, b) and line key c,
  // searched from the stream's position over at most 12 blocks, into
  // valores[24]; every line read overwrites valores.
  bool Carrega_Linha_Amortecimento(int a, int b, int c, float* valores);
  // The rise-and-fall record of keys (a, b), searched from the start of the
  // stream over at most 12 records, into valores[14] (rise 0-6, fall 7-13).
  bool Carrega_Linha_Amortecimento(int a, int b, float* valores);
  // The 101 lines of the transmittance table into valores[505], column c of
  // line i at 101 * c + i.
  bool Carrega_Dados_U(float* valores);
  // The isotherm pairs 0 to n into pares[2 * (n + 1)]; true at once for n < 0.
  bool Carrega_Dados_Iso(double* pares, int n);

  // ---- 20. Glazing property databases (catalogues/glazing.cpp) ----
  //
  // The library's glazing model table and the rows of an external glazing
  // database. Every database text is scanned into a caller's buffer of
  // Tam_Campo_Vitreous bytes, at most Tam_Campo_Vitreous - 1 characters: a
  // longer field is cut there and the row's scan stops at the cut.
  static constexpr int Tam_Campo_Vitreous = 128;

  // Makes the models directory current and loads the model at the record's
  // Indice_Registro (beyond the last, the last) from "Tab_Propr_Vitreas.txt":
  // name, thickness, default flag and the nine values of each array, entry 9
  // cleared. A line that does not scan keeps the record's value; a name longer
  // than 31 characters is cut there and fails its line, so the model's later
  // lines do not scan. False only when the table cannot be opened.
  bool Carrega_Um_ModVidr(TProp_Vitreas* propriedades);
  // The title row of table kind 0 to 3 on the current stream into textos[0..]
  // (15, 16, 9, 9 buffers), stopping before the line end. False when the first
  // field does not match (not at the end of the stream); another kind reads
  // nothing and is true.
  bool Le_Titulo_DB_Vitreous(char** textos, int tipo);
  // One data row of kind 0 to 3 (texts and values in field order; kinds 0 and
  // 1 also accept a quoted third field, read without its quotes). True when
  // the stream advanced: a row that matches neither form is true if any
  // character was consumed.
  bool Le_Base_Dados_Vitreous(char** textos, float* valores, int tipo);
  // Makes the models directory current and opens "Vitreous/<Arquivo_Gas>"
  // there, left open and current for the caller to close. Text field 2 (gap
  // 1) and 4 (gap 2) are scan patterns that must match the file's start, each
  // followed by the eight coefficients; with a gas flag set, the gap's P, Q, R
  // and coefficients are stored as the number of gaps says. A pattern may hold
  // one assigning conversion (a text one at most 255 characters wide) and
  // no "%n"; another matches nothing. False when the file cannot be opened or
  // a pattern matches nothing (gap 1's values may be stored by then).
  bool Le_GasProps_DB_Vitreous(TProp_Vitreas* propriedades);

  // ---- 21. Glazing, view-factor and node-flux diagnostics (diagnostics/*.cpp) ----
  //
  // Writers on the current stream: each returns what its last print returned
  // (bytes written, negative when a print failed) and -1, writing nothing,
  // when there is no current stream or a pointer it needs is null.

  // "%d     %d      %s\t" with the clock's month, day and time of day, then
  // "%f\t%f\t%.1f\t%.1f\n" with x1, x1 * 3600 / x2 (single precision), x3, x4.
  int ENCIT_2008(TTempo* tempo, float x1, float x2, float x3, float x4);
  // "%f\n".
  int Salva_Transmissividade(float transmissividade);
  int Salva_SHGC(float shgc);
  // "%f\t%f\t%f\t%f\n".
  int Salva_Temp_Vidro(float t1, float t2, float t3, float t4);
  // "%f\t%f\n".
  int Salva_Fluxo(float fluxo1, float fluxo2);
  int Salva_Trans_e_Teta(float transmissividade, float teta);
  // "%f\t%f\t%f\t%f\n" and "%f\t%f\t%f\t%f\t%f\n".
  int Salva_Dir(float d1, float d2, float d3, float d4);
  int Salva_Dif(float d1, float d2, float d3, float d4, float d5);
  // "%d %f\n" with a node and its flux, and the "\n" that ends a row of nodes.
  int Fluxo_Nos(int no, float fluxo);
  int Fluxo_Nos_Linha();

  // View factors. A zone line "Zona: %d\n" (the 0-based index plus 1), then
  // per ordered pair of faces a record naming both faces 1-based: analytic
  // (both triangle counts 0) "\nFace %i -> Face %i\t0\n" "Analitico: %lf\n\n",
  // numeric "\nFace %i -> Face %i\t1\n", "Numero de triangulos da face(%d):
  // %d\n" for each face, "Numerico:  %lf\n\n".
  int Grava_Zona_FF(int zona);
  int Grava_Resultado_FF(int face_a, int face_b, double fator, int triangulos_a, int triangulos_b);
  // Reads the view-factor file on the current stream: passes over the blocks
  // of other zones, then reads the n·(n - 1) records of the zone's block (n
  // its faces) and, for each record from face f (1-based), appends to the
  // element's links one TTrans_EltrMag per region of the record's second
  // face (its position in the zone's face list; beyond the count, the last
  // face). True when the block read whole; false at the first line that does
  // not scan, the links appended so far kept, and at once for a null zone,
  // element or link list.
  bool Carrega_Dados_FF(int face, TSuperficie* zona, ElementoTC* elemento);

 private:
  // The library's own code and its tests reach the registry state and the
  // selectors through this accessor (src/registry/acesso_registro.h).
  friend class TAcesso_Registro;

  // Selects stream n and returns its FILE*, or null when n is outside
  // 1..count or the file could not be reopened. Every stream-number
  // operation starts here and does nothing on null.
  [[nodiscard]] FILE* Seleciona_Arquivo(int n);
  // The same for operations that select "without reopening": a stream the
  // caller closed gives null; one the registry evicted is still resumed.
  [[nodiscard]] FILE* Seleciona_Arquivo_Aberto(int n);
  // Seleciona_Arquivo as the report engine calls it, for every line.
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

// Unit hooks run at library load and unload (registry/unit.cpp). Initialize
// builds the manager on the call that finds the reference counter at 0;
// Finalize destroys it on the call that brings the counter back to 0.
namespace Geren_arquivoaux {
ARQAUX_API void Initialize();
ARQAUX_API void Finalize();
}  // namespace Geren_arquivoaux

#endif  // ARQAUX_GEREN_ARQUIVOAUX_H_
