// What kind of file a path holds, as `arqaux info`, `export` and `plot` tell
// it: first from the description beside it ("<file>.desc", one "key = value"
// a line, as the sample writes beside its streams), else from its header
// and size. A kind given by the caller (--kind) overrides both.
//
// Only a header tells a kind. Headerless streams of 8-byte records
// (operative/exterior, occupancy, soil, interior climate) are alike by size,
// and a 4-byte ATS/ACE stream fits any size the others fit: a file that only
// its size describes is refused with the kinds that fit named. A .ti file is
// told by its name, which its conversion gives it.
//
// Free of the command-line parser, so that the fuzz target compiles it.
#ifndef ARQAUX_TOOL_TIPOS_ARQUIVO_H_
#define ARQAUX_TOOL_TIPOS_ARQUIVO_H_

#include <cstdint>
#include <string>
#include <vector>

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
const std::vector<TTipo_Arquivo>& Tipos_Arquivo();
const TTipo_Arquivo* Procura_Tipo_Arquivo(const std::string& nome);
// "climate, soil, ...": the names of tipos.
std::string Nomes_Tipos(const std::vector<const TTipo_Arquivo*>& tipos);

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
bool Le_Intervalo_Descrito(const std::string& texto, int* segundos);
// Why valor is not a value of key chave of a description, empty when it is
// one. Both readers of descriptions ask it of every line; the HVAC reader
// then checks what only the stream's kind tells (how many flags).
std::string Confere_Valor_Descrito(const std::string& chave, const std::string& valor);
// Why a description is not one, naming its line, empty when it is: every
// line blank, a comment ('#') or "key = value" with a value of its key, and
// no key but "component" given twice.
std::string Confere_Descricao(const std::string& texto);

// The values of every line "chave = valor" of a description, in order.
std::vector<std::string> Valores_Descritos(const std::string& texto, const std::string& chave);
// "1,0,1" as numbers from 0 to MAX_SUPERFICIES; false on anything else.
bool Le_Numeros(const std::string& texto, std::vector<int>* numeros);

// Tells the kind of a; forcado, when not empty, names it.
TDeteccao Detecta_Tipo(const TAmostra_Arquivo& a, const std::string& forcado);
// caminho and the descriptions detection looks for beside it, in order: its
// own ("<file>.desc"), then, for a consumption stream, its data stream's.
// Every file a command reads to tell caminho's kind and read its records.
std::vector<std::string> Arquivos_Lidos(const std::string& caminho);
// Reads what detection looks at from caminho: false, with *erro, when it is
// not a regular file that opens.
bool Le_Amostra_Arquivo(const std::string& caminho, TAmostra_Arquivo* a, std::string* erro);

#endif  // ARQAUX_TOOL_TIPOS_ARQUIVO_H_
