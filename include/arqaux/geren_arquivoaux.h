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
  // A stream closed to free a handle still counts as open and resumes where
  // it stood; a failed reopen fails the operation and keeps the number.

  // Opens path (at most 299 characters, resolved now) with mode as a new
  // stream, or makes a registered entry current, opening it only when closed.
  // The registry's count afterwards, or 0 when the file cannot be opened.
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

  // Project comparison and interface detection (registry/project_comparison.cpp),
  // outside the registry: the current stream is not touched, and the working
  // directory is left in the last data folder made current.

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
  // Windows of hourly records from the current stream, hours inicio onwards,
  // wrapping once past the year's end (the climate window reads the header
  // first). False on bad arguments or a short read; whole records read stay.
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
  // lighting power densities of hours inicio onwards, cut at the year's end.
  // False on bad arguments, a line that does not match or a short file.
  bool Bufferiza_Iluminacao_DAYSIM(TReg_DPI_DAYSIM* registros, int inicio, int quantidade);

  // Appends the rain intervals of the current stream to lista. False at a
  // count line that does not scan or is negative (list unchanged) and at a
  // malformed interval line (the intervals before it stay in the list).
  bool Le_Arquivo_Chuva(TLista<TInterv_Chuva>* lista);
  // Writes lista's intervals to the current stream; false when there is no
  // stream or list, or a write failed.
  bool Salva_Arquivo_Chuva(TLista<TInterv_Chuva>* lista);

  // Weather import (input/epw.cpp).
  // Reads the hourly weather file at caminho (EPW text) into clima: 8760
  // climate records and, when given, the soil year. False with clima->erro
  // and clima->linha_erro at the first fault; clima holds no year then.
  bool Le_EPW(const char* caminho, TClima_EPW* clima);
  // Writes the climate file (and the soil file, when caminho_solo is given
  // and clima has a soil year) whole or not at all: false with clima->erro,
  // and no file left behind, when either fails.
  bool Grava_Clima_EPW(TClima_EPW* clima, const char* caminho_clima, const char* caminho_solo);
  // Both: the weather file in, the climate and soil files out. False, before
  // reading, when an output is the weather file itself by any name.
  bool Importa_EPW(const char* epw, const char* caminho_clima, const char* caminho_solo,
                   TClima_EPW* clima);
  // Reads a climate file (a header and 8760 records, nothing more) into clima
  // and holds it to the import's ranges: false with clima->erro naming the
  // first value that is not finite or lies outside them, and no records kept.
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
  // true only when all seven were read.
  void Grava_PV(int n, bool presente, const float* valores);
  bool Le_PV(int n, bool presente, float* valores);
  // Reports of the streams above on text stream texto, read from binary
  // stream binario's current position (has-flags: the records; show-flags:
  // the columns). Nothing when either stream does not select or a time is null.
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

  // Most outputs a controller-output record may hold: its length comes from
  // its first float, which a damaged stream may hold as anything.
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

  // The occupancy report on text stream texto, read from binary stream
  // binario's current position. Nothing when either stream does not select
  // or a time is null.
  void Converte_Binario_Texto_Pessoas(int binario, int texto, const TTempo* inicio,
                                      const TTempo* fim, int intervalo);

  // ---- 6. Fan-coil output streams (streams/fan_coil_outputs.cpp) ----
  //
  // flags are the fan coil's nine monitoring flags (fewer given count as
  // clear); the components are those of the fan coil's own manager.

  // One data line of the fan coil's results (nothing at all when its flag
  // 0 is clear), and one consumption line: the heater's, humidifier's and
  // fans' power, their total and, with com_extra, extra.
  void Grava_Saida_FanCoil_Dados(CFanCoil* fancoil, int n);
  void Grava_Saida_FanCoil_Consumo(CFanCoil* fancoil, int n, float extra, bool com_extra);
  // Reads one data line: the fan coil's values into valores[11..16] (17
  // values, cleared first), each component's into its results and sums.
  // True without reading when flag 0 is clear; false at a line not whole.
  bool Le_Saida_FanCoil_Dados(int n, std::vector<int>& flags, std::vector<float>& valores,
                              TGeren_Componentes_HVAC* componentes);
  // The report of quantity variavel on text stream texto (selected without
  // reopening): the header, then the rows of data stream dados from its
  // position. periodo: start and end; selecionado: the type some quantities show.
  void Preenche_Cabecalho_FanCoil(int texto, TGeren_Componentes_HVAC* componentes,
                                  TComponente_HVAC* selecionado, int variavel,
                                  std::vector<int>& flags, int numero, TTempo* periodo,
                                  int intervalo);
  void Salva_Texo_Dados_FanCoil(int dados, int texto, TGeren_Componentes_HVAC* componentes,
                                TComponente_HVAC* selecionado, int variavel,
                                std::vector<int>& flags, TTempo* periodo, int intervalo);
  // The rows of several of those reports in one pass over data stream dados:
  // quantity variaveis[i], with selecionados[i], on text stream textos[i],
  // each the text Salva_Texo_Dados_FanCoil writes for it from the same
  // position of dados, which is read once. Nothing at all unless the three
  // lists have the same size and every stream number is registered.
  void Salva_Textos_Dados_FanCoil(int dados, const std::vector<int>& textos,
                                  TGeren_Componentes_HVAC* componentes,
                                  const std::vector<TComponente_HVAC*>& selecionados,
                                  const std::vector<int>& variaveis, std::vector<int>& flags,
                                  TTempo* periodo, int intervalo);

  // ---- 7. Primary-equipment output streams (streams/primary_equipment.cpp) ----
  //
  // Per kind: data and consumption line writers (no consumption for boilers),
  // the data line reader (true without reading when flag 0 is clear, false at
  // a line not whole), and a quantity's report header and rows.
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
  // Wall node files (envelope/wall_nodes.cpp). The header reader, at the
  // current stream's position: N, the N values in a new array and one new
  // array per entry appended to entradas (all the caller's, delete[]); 0 when bad.
  int Le_Cabecalho_Temp_Umi_Parede(float** valores, std::vector<unsigned int*>& entradas);
  // Nodes of the first regioes regions (entradas[i] + 1 each), and the nodes
  // before 1-based region regiao; 0 for counts below 1.
  int Soma_Nos_Regiao(int* entradas, int regioes);
  int Soma_Nos_Ate_Regiao(int* entradas, int regiao);
  // The group blocks of region regiao (1-based) at step passo (0-based) of
  // stream n, each entradas[regiao - 1] + 1 floats. False on a bad header or
  // argument, an offset past the file, or a short block.
  bool Le_Temp_Umi_Parede(int n, int* entradas, int regioes, int regiao, int passo, bool grupo_1,
                          float* valores_1, bool grupo_2, float* primeiros_2, float* segundos_2,
                          bool grupo_3, float* valores_3);
  // A profile of nodes 0..ultimo_no on stream n, or of node no alone. False
  // when the stream does not select, a flagged group has no array, or a
  // write fails.
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
  // of N floats (the caller's, also when 0 is returned for short floats); 0
  // when N is below 1 or more than the rest of the file holds.
  int Le_Cabecalho_Proj_Sombras(float** valores);
  int Le_Cabecalho_Fluxo_CalorVapor(float** valores);
  // Append one wall's record: two floats, three floats.
  void Grava_Proj_Sombras_Parede(int n, float primeiro, float segundo);
  void Grava_Radiacoes_Parede(int n, float* valores);
  // Readers by position (surface regiao 1..superficies, step passo from 0;
  // radiation: the current stream where it stands); false on arguments out of
  // range, an offset past the file or a short read.
  bool Le_Proj_Sombras_Parede(int n, int superficies, int passo, float* valores);
  bool Le_Radiacoes_Parede(int paredes, float* valores);
  // values[0..1] the heat pair when calor, values[2] the vapour flux when vapor.
  bool Le_Fluxos_CalorVapor_Parede(int n, int superficies, int regiao, int passo, bool calor,
                                   bool vapor, float* valores);
  bool Le_Mofo(int n, int superficies, int regiao, int passo, bool mofo, float* valor);
  // Converts region regiao of the flux file at origem into "<prefixo>FLW.txt"
  // and "<prefixo>MTR.txt", opening and closing the files itself. False, no
  // report created, when a file, the header or the region fails, or a write was lost.
  bool Converte_Binario_Texto_FluxosCV(char* origem, char* prefixo, int regiao, bool calor,
                                       bool vapor, TTempo* inicio, TTempo* fim, int intervalo);
  // Report of region regiao of the mould stream origem (at its first byte) on
  // stream destino. False, writing nothing, when either stream does not
  // select, the header does not read or the region is not in it.
  bool Converte_Binario_Texto_Mofo(int origem, int destino, int regiao, bool mofo, TTempo* inicio,
                                   TTempo* fim, int intervalo);

  // ---- 9. Thermal loads and statistics (loads/*.cpp) ----
  //
  // Load and gain streams (loads/load_streams.cpp). Kinds 2 (winter) and 3
  // (summer) are loads, any other a gain; the period is two TTempo, start then
  // end; date and time are read into buffers of 8 and 12 bytes.

  // The preamble when asked for, then the column titles. The bytes of the
  // last piece written, -1 when the stream does not select, a text or the
  // period is missing, or a write fails.
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

  // Annual and monthly statistics reports (loads/load_reports.cpp) on
  // stream n. Kind 2 reports the winter blocks, any other the summer ones.
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

  // Statistics files (loads/statistics_files.cpp). Savers given a path open
  // and close it, the others act on the current stream; savers are false when
  // a write fails. Loaders append, keeping what they read before a short read.

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
  // On the current stream. A writer is false without a stream or at a failed
  // write. A block reader: a count below 1 is true and touches nothing, a
  // null target false; what was read before a failure stays.

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

  // Writes fan coil numero (from 1) of contagem, after the count line for
  // fan coil 1 (0 of 0: the count line alone). False without a fan coil, at a
  // failed write, or at a zone name that would not read back.
  bool Grava_Dados_FanCoil(CFanCoil* fancoil, int numero, int contagem);
  // Makes stream n current without reopening it and reads the count line:
  // the count as read (the caller sizes its fan coils), -1 at the end of the
  // file or when n does not select, 0 when the line does not match.
  int Le_Num_Reg_FanCoil(int n);
  // Makes stream n current and reads the next fan-coil block into fancoil.
  // False when the fan-coil line, its values, the zone count or a zone line
  // did not match, at the end of the file, or at a count the file cannot hold.
  bool Le_Dados_FanCoil(int n, CFanCoil* fancoil);
  // One component block on the current stream. The reader appends what it
  // builds and is false when the count, a type or a value did not match.
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
  // The plant's equipment, one item per call, by kind 1 to 9 (the kinds and
  // their sizes are listed in primary_plant.cpp); kind 0, the fan coils, has
  // its own block, of which only the count line is read here.

  // The name buffers an item reader is given: ten (a tank has at most ten
  // connections, one name each) of 20 bytes (names of at most 19 characters).
  static constexpr int Num_Nomes_Equip = 10;
  static constexpr int Tam_Nome_Equip = 20;
  // Writes item numero of contagem of kind tipo, after the count line when
  // numero is 1 (0 of 0: the line alone). Writes nothing and is false for a
  // bad kind, count or item, or a name that would not read back.
  bool Grava_Dados_Equips_Sist_Prim_HVAC(const std::vector<float>& dados,
                                         const std::vector<int>& conf, const char* const* nomes,
                                         int numero, int contagem, int tipo);
  // The count on kind tipo's count line on stream n, as written: -1 at the
  // end of the file or when n names no stream; 0 when the line is another's
  // or tipo is outside 0..9.
  int Le_Num_Reg_Equips_Sist_Prim_HVAC(int n, int tipo);
  // Reads the next item of kind tipo (1 to 9) from stream n. False for
  // another kind, at a value that does not match, and when the vectors or
  // names given cannot hold the item; what was read before stays.
  bool Le_Dados_Equips_Sist_Prim_HVAC(int n, std::vector<float>& dados, std::vector<int>& conf,
                                      char** nomes, int tipo);

  // ---- 17. HVAC report settings (config/hvac_settings.cpp) ----
  //
  // The monitoring flags, the report step and the nine primary-system values
  // (dados), in the header block and in the monitoring block (which adds two
  // schedules); each reader accepts only its own block.

  // The header block on the current stream.
  bool SalvaDadosRelatorioCab_HVAC(int monitora_sistema, int monitora_consumo, int passo,
                                   int* dados);
  bool CarregaDadosRelatorioCab_HVAC(int* monitora_sistema, int* monitora_consumo, int* passo,
                                     int* dados);
  // One item of the system file by kind: the fan coils (kind 0, fancoil) or
  // an item of the plant. The reader makes stream n current and drops the
  // names. Both return the item's own result.
  bool SalvaDadosRelatorio_HVAC(const std::vector<float>& dados, const std::vector<int>& conf,
                                const char* const* nomes, int numero, int contagem, int tipo,
                                CFanCoil* fancoil);
  bool CarregaDadosRelatorio_HVAC(int n, std::vector<float>& dados, std::vector<int>& conf,
                                  CFanCoil* fancoil, int tipo);
  // The monitoring block, written on the current stream and read from
  // stream n; the reader appends the periods to the schedules and is false at
  // the first line that does not match.
  bool Grava_Dados_Monit_Cons_HVAC(int monitora_sistema, int monitora_consumo, int passo,
                                   int* dados, TIntervalos* resfriamento, TIntervalos* aquecimento);
  bool Le_Dados_Monit_Cons_HVAC(int n, int* monitora_sistema, int* monitora_consumo, int* passo,
                                int* dados, TIntervalos* resfriamento, TIntervalos* aquecimento);

  // ---- 18. Equipment catalogues (catalogues/air_conditioners.cpp,
  //          catalogues/chiller_catalogues.cpp, catalogues/pv_catalogues.cpp) ----
  //
  // A count line and records. A record loader returns the values on the
  // record's last line when it read whole, 0 when not (the fields that matched
  // stored), -1 past the data; a count reader the count, 0 when it did not match.

  // The air-conditioner catalogue, on the current stream. Savers return
  // count, or 0 when count <= 0 (the count line alone is written), records is
  // null or a write failed.
  int Le_Numero_Registros_AC();
  int Carrega_Equipamentos_AC(Modelos_AC* modelo);
  int Salva_Equipamentos_AC(int count, Modelos_AC* modelos);
  // Makes the models directory current and loads the unit's model (its
  // R_Carac_Fisicas index) from "Condicionadores.txt". False, the unit
  // unchanged, when the file does not open or a record up to it is not whole.
  bool Carrega_ArCondicionado(TArCondicionado* unidade);
  // Writes the table of five property ranges, faixas[0..9] (min, max each).
  void Aux(float* faixas);

  // Chiller, coil and fan-curve catalogues (catalogues/chiller_catalogues.cpp),
  // on stream n (0 when it does not select) or the current stream. Savers: the
  // bytes of the last line, 0 for count <= 0 or no records, -1 at a failed write.
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

  // PV catalogues (catalogues/pv_catalogues.cpp), from the current stream:
  // true when the line or block read whole. Names need TAM_NOME_EQUIP_PV
  // bytes (equipment) and TAM_NOME_PV (a panel type).
  bool Le_Cabecalho_Equipamentos_PV(int* count, bool corrente_continua);
  bool Carrega_Registro_Equipamento_PV(int* valor, char* nome);
  bool Le_Cabecalho_Tipo_Painel_PV(int* count);
  bool Carrega_Registro_Tipo_Painel_PV(TTipo_PV* tipo);
  bool Le_Cabecalho_Fabricantes_PV(int* count);
  // Fills fabricantes[0..count-1], allocating each name and model array (the
  // caller's, also after a failure); Num_Modelos counts the models read whole.
  bool Carrega_Registros_Fabricantes_PV(TFabricante_PV* fabricantes, int count);

  // ---- 19. Reference tables (catalogues/ventilation_rates.cpp,
  //      catalogues/regulation_tables.cpp, catalogues/material_data.cpp) ----
  //
  // Line by line on the current stream, in the order of the file's lines;
  // false, touching nothing, without a stream or a pointer they need. Texts
  // go into buffers of Tam_Texto_Tabela bytes; what was read before a failure stays.
  static constexpr int Tam_Texto_Tabela = 300;
  // The level text of an air ration, terminator included ("Muito Grande").
  static constexpr int Tam_Nivel_Racao = 13;

  // Ventilation rates (catalogues/ventilation_rates.cpp). An air ration: the
  // level's text (code 0 to 6) into nivel, of Tam_Nivel_Racao bytes. The
  // ration and air-change readers are true whatever the line held.
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

  // Regulation tables (catalogues/regulation_tables.cpp). The
  // bioclimatic-zone table: its count line and head, then a record per city.
  bool Carrega_Cabecalho_Zona_Bio(int* registros);
  bool Le_Registro_Zona_Bio(char* estado, char* cidade, char* metodo, int* zona);
  // The head of an equipment-efficiency table: its line count and title.
  bool Le_Cab_Dados_Tabelas_HVAC_RTQ(int* linhas);
  // One line of a table into ints, reals, a word and two texts. True when
  // the line's first value was read; false at the end of the stream.
  bool Le_Dados_Tabela_Split_ACJ(int* ints, float* reais, char* palavra, char* texto1,
                                 char* texto2);
  bool Le_Dados_Tabela_Torre_Resf_ASHRAE(int* ints, float* reais, char* palavra, char* texto1,
                                         char* texto2);
  bool Le_Dados_Tabela_Resfriadores(int* ints, float* reais, char* palavra, char* texto1,
                                    char* texto2);
  // A project's equipment file: part 0 the zone-count line, part 1 a zone's
  // header (another part: nothing, true). Writers are false at a failed write
  // or a text that would not read back; readers true when a first value was read.
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

  // Material data (catalogues/material_data.cpp). The hourly damping line of
  // keys (a, b) and line key c, searched from the stream's position, into
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
  // database, whose texts go into buffers of Tam_Campo_Vitreous bytes.
  static constexpr int Tam_Campo_Vitreous = 128;

  // Makes the models directory current and loads the model at the record's
  // Indice_Registro from "Tab_Propr_Vitreas.txt". False only when the table
  // cannot be opened.
  bool Carrega_Um_ModVidr(TProp_Vitreas* propriedades);
  // The title row of table kind 0 to 3 on the current stream into textos[0..]
  // (15, 16, 9, 9 buffers). False when the first field does not match; another
  // kind reads nothing and is true.
  bool Le_Titulo_DB_Vitreous(char** textos, int tipo);
  // One data row of kind 0 to 3, texts and values in field order. True when
  // the stream advanced.
  bool Le_Base_Dados_Vitreous(char** textos, float* valores, int tipo);
  // Makes the models directory current and opens "Vitreous/<Arquivo_Gas>",
  // left open and current for the caller to close, and reads the gaps' gas
  // properties. False when it does not open or a gap's pattern matches nothing.
  bool Le_GasProps_DB_Vitreous(TProp_Vitreas* propriedades);

  // ---- 21. Glazing, view-factor and node-flux diagnostics (diagnostics/*.cpp) ----
  //
  // Writers on the current stream: each returns what its last print returned
  // (bytes written, negative when a print failed) and -1, writing nothing,
  // when there is no current stream or a pointer it needs is null.

  // The clock line: month, day and time of day, x1, x1 * 3600 / x2, x3, x4.
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

  // View factors (diagnostics/view_factors.cpp): a zone's line (zona from 0)
  // and the record of one ordered pair of faces (from 1).
  int Grava_Zona_FF(int zona);
  int Grava_Resultado_FF(int face_a, int face_b, double fator, int triangulos_a, int triangulos_b);
  // Reads the zone's block of the view-factor file on the current stream,
  // appending to the element's links one TTrans_EltrMag per region of each
  // record's second face. False at a line that does not scan or a null pointer.
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
