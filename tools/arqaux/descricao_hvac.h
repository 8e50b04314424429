// The HVAC output streams as the tool knows them: the eight kinds (fan coils
// and the seven kinds of primary equipment), the description file that the
// sample writes beside each data stream, and the conversion of a data stream
// into the report of one variable, shared by the sample and arqaux report so
// that both write the same bytes.
//
// A description is plain text, one "key = value" per line; blank lines and
// lines starting with '#' are ignored:
//
//   kind = fancoil                   the stream's kind (arqaux report's name)
//   number = 1                       the fan coil's or equipment's number
//   flags = 1,1,1,1,1,1,1,1,1        the monitoring flags, as many as the kind has
//   component = 3:1,1,1,1,1,1,1,1    fan coils only, one line per component in
//                                    list order: its type code and its 8 flags
//   variables = 0,1,3:3,13:5         the reports made: variables, each with the
//                                    type of its selected component after ':'
//   interval = 600                   seconds between lines
//   start = 1/1/0                    first hour reported, DD/MM/HH
//   end = 31/12/23                   last hour reported
//
// kind comes first; every key but component appears once, and all but
// component and number must be there.
#ifndef ARQAUX_TOOL_DESCRICAO_HVAC_H_
#define ARQAUX_TOOL_DESCRICAO_HVAC_H_

#include <arqaux/arqaux.h>

#include <string>
#include <vector>

// A kind of HVAC output stream.
struct TTipo_Saida_HVAC {
  const char* nome;       // "fancoil", "boiler", ...
  const char* descricao;  // for --help
  int flags;              // monitoring flags of its data line
  std::vector<int> variaveis;
};
// Every kind; the fan coil first.
const std::vector<TTipo_Saida_HVAC>& Tipos_Saida_HVAC();
// The kind named nome, or null.
const TTipo_Saida_HVAC* Tipo_Saida_HVAC(const std::string& nome);
// "0 to 6, 13, 16": the kind's variables, runs of consecutive ones joined.
std::string Texto_Variaveis(const TTipo_Saida_HVAC& tipo);

// Flags of each fan-coil component.
constexpr int FLAGS_COMPONENTE = TComponente_HVAC::NUM_CONFIG_UM;
// Component type codes: 0 to 6.
constexpr int TIPOS_COMPONENTE = 7;
// No selected component.
constexpr int SEM_SELECIONADO = -1;

struct TComponente_Descrito {
  int tipo = 0;
  std::vector<int> flags;  // FLAGS_COMPONENTE of them
};
struct TRelatorio_HVAC {
  int variavel = 0;
  int selecionado = SEM_SELECIONADO;  // a component type code
};
struct TDescricao_HVAC {
  std::string tipo;
  int numero = 1;
  std::vector<int> flags;
  std::vector<TComponente_Descrito> componentes;
  std::vector<TRelatorio_HVAC> relatorios;
  int intervalo = 0;
  TTempo inicio{}, fim{};
};

// Where the description of data stream fluxo lies: beside it, ".desc" added.
std::string Caminho_Descricao(const std::string& fluxo);
// The description as text.
std::string Texto_Descricao(const TDescricao_HVAC& d);
// Reads a description from texto, the content of file arquivo: false, with
// *erro naming the file and line, at the first line it refuses or when a
// key is missing.
bool Le_Descricao(const std::string& texto, const std::string& arquivo, TDescricao_HVAC* d,
                  std::string* erro);

// The readers of the values a description and the command line share, each
// false on text that is not one.
// "1,0,1": n flags, each 0 or 1.
bool Le_Flags(const std::string& texto, size_t n, std::vector<int>* flags);
// "3:1,1,0,1,1,1,1,1": a component type code and its flags.
bool Le_Componente(const std::string& texto, TComponente_Descrito* c);

// Appends the described components to geren, built as the HVAC sample
// builds them, with their flags.
void Insere_Componentes(TGeren_Componentes_HVAC* geren,
                        const std::vector<TComponente_Descrito>& componentes);

// Writes the report of r from data stream dados (at its first line) on text
// stream texto (current): the header, then the rows.
void Converte_Saida_HVAC(TGeren_ArquivoAux* geren, const TDescricao_HVAC& d,
                         const TRelatorio_HVAC& r, int dados, int texto);

#endif  // ARQAUX_TOOL_DESCRICAO_HVAC_H_
