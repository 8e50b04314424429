// Checks that keep a command from destroying or misreading its files and from
// losing what it writes. Each gives a TResultado, which the command turns
// into its exit status (Relata).
#ifndef ARQAUX_TOOL_VERIFICACOES_H_
#define ARQAUX_TOOL_VERIFICACOES_H_

#include <arqaux/arqaux.h>

#include <cstdint>
#include <string>
#include <vector>

#include "comum/erros.h"

// ---- Before reading and writing ----

// caminho names a regular file, symlinks followed: a directory, device or
// pipe read as data could block or never end.
TResultado Confere_Entrada(const std::string& caminho);
// caminho is a regular file of exactly tamanho bytes; tipo names the kind in
// the error ("a climate file").
TResultado Confere_Tamanho(const std::string& caminho, uintmax_t tamanho, const char* tipo);
// caminho is a regular file holding a header of cabecalho bytes and then a
// whole number of records of registro bytes (none at all when registro is 0).
TResultado Confere_Registros(const std::string& caminho, uintmax_t cabecalho, uintmax_t registro,
                             const char* tipo);
// saida is none of the files entradas that the command reads (the file
// named, the description beside it, ...), by any name (hard or symbolic
// links), nor one of them that does not exist yet but would be read.
TResultado Confere_Saida(const std::string& saida, const std::vector<std::string>& entradas);
// The same for a command that reads one file.
TResultado Confere_Saida(const std::string& saida, const std::string& entrada);
// A file the command writes and then reads back, so also an input: when it
// exists already it must be a regular file. nome is how the error names it.
TResultado Confere_Relida(const std::string& caminho, const std::string& nome);

// Tells the kind of caminho (forcado, when not empty, names it); a failure
// names the kinds that fit.
TResultado Conhece_Arquivo(const std::string& caminho, const std::string& forcado, TDeteccao* d);

// ---- Saying where reading stopped ----

// The line of caminho, from 1, that holds byte offset posicao.
long Linha_Do_Byte(const std::string& caminho, long posicao);

// ---- Before exiting ----

// The failure of a write that left caminho incomplete.
TResultado Perda(const std::string& caminho);
// Closes registry stream n, which wrote caminho: Perda(caminho) when the
// library says that something written to it may be lost.
TResultado Fecha_Gravado(TGeren_ArquivoAux* geren, int n, const std::string& caminho);
// The exit status of a command that returned status: standard output is
// flushed, and a loss there makes a successful command fail.
int Conclui(int status);

#endif  // ARQAUX_TOOL_VERIFICACOES_H_
