// The HVAC output streams as the tool knows them: their kinds (fan coils and
// the kinds of primary equipment of Tipos_HVAC), the description file that the
// sample writes beside each data stream, and the conversion of a data stream
// into the report of one variable, shared by the sample and arqaux report so
// that both write the same bytes; and the reading of the description beside
// any stream, which report and wall show take what their options leave out
// from.
//
// The description (arqaux/dados.h) of an HVAC data stream holds kind,
// number, flags, component (fan coils only), variables, interval, start
// and end; all but number and component must be there.
#ifndef ARQAUX_TOOL_DESCRICAO_HVAC_H_
#define ARQAUX_TOOL_DESCRICAO_HVAC_H_

#include <arqaux/arqaux.h>
#include <arqaux/dados.h>

#include <cstdint>
#include <string>
#include <vector>

#include "comum/erros.h"

// "0 to 6, 13, 16": the kind's variables, runs of consecutive ones joined.
std::string Texto_Variaveis(const TTipo_HVAC& tipo);

// Where the description of data stream fluxo lies: beside it, ".desc" added.
std::string Caminho_Descricao(const std::string& fluxo);
// Reads the description beside fluxo into *d with ler (text, file, result):
// done with *existe false when there is none; a failure names the file.
TResultado Le_Descricao_Ao_Lado(const std::string& fluxo, TDescricao* d, bool* existe,
                                TResultado (*ler)(const std::string& texto,
                                                  const std::string& arquivo, TDescricao* d));
// A description of any kind, as Le_Descricao reads it; a failure names
// arquivo.
TResultado Le_Descricao_Geral(const std::string& texto, const std::string& arquivo, TDescricao* d);
// The description as text, under a comment that says what it is for.
std::string Texto_Descricao_HVAC(const TDescricao& d);
// Reads the description of an HVAC data stream from texto, the content of
// file arquivo: a failure naming the file and line at the first line it
// refuses, when a key is missing, or when what the kind tells (how many
// flags; components only for a fan coil) does not hold.
TResultado Le_Descricao_HVAC(const std::string& texto, const std::string& arquivo, TDescricao* d);

// Appends the described components to geren, built as the HVAC sample
// builds them, with their flags.
void Insere_Componentes(TGeren_Componentes_HVAC* geren,
                        const std::vector<TComponente_Descrito>& componentes);

// Writes the report of r from data stream dados (at its first line) on text
// stream texto (current): the header, then the rows.
void Converte_Saida_HVAC(TGeren_ArquivoAux* geren, const TDescricao& d,
                         const TRelatorio_Descrito& r, int dados, int texto);
// The same for every report of a fan coil's d, d.relatorios[i] on text
// stream textos[i]: each header, then the rows of all of them in one pass
// over dados.
void Converte_Saidas_FanCoil(TGeren_ArquivoAux* geren, const TDescricao& d, int dados,
                             const std::vector<int>& textos);

#endif  // ARQAUX_TOOL_DESCRICAO_HVAC_H_
