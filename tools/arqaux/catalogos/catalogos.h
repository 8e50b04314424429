// The catalogue and reference-table files that `arqaux catalogue` writes and
// checks: each kind says where it lives in a models directory, how to write
// a sample of it, and how to load one through the library.
//
// Loading goes through the library as the host does it, and then the file
// is read a second time, strictly (catalogos_leitura.h): the library's
// scans keep going past a line they could not match and give 0 for a count
// they could not read, so only the second reading can tell a whole file
// from a cut or damaged one.
//
// The kinds come in groups, each defined in its own file: equipment
// catalogues (catalogos_equipamentos.cpp), reference tables
// (catalogos_referencia.cpp) and glazing (catalogos_vidros.cpp). The fuzz
// target over every loader walks the same list, so that a kind added here is
// fuzzed too.
#ifndef ARQAUX_TOOL_CATALOGOS_H_
#define ARQAUX_TOOL_CATALOGOS_H_

#include <cstdio>
#include <string>
#include <vector>

#include "catalogos/catalogos_leitura.h"
#include "comum/erros.h"

struct TTipo_Catalogo {
  const char* nome;       // the word of --kind
  const char* descricao;  // one line on what the file holds
  const char* arquivo;    // its path in a models directory, '/' between folders
  // Writes a sample file of the kind at caminho, with several realistic
  // entries: false when it could not be written whole.
  bool (*escreve_amostra)(const std::string& caminho);
  // Loads caminho as the library's loaders do, printing its records on
  // saida when saida is not null. False when loading failed; then *parada
  // is the byte offset where loading stopped (-1 when unknown).
  bool (*carrega)(const std::string& caminho, FILE* saida, long* parada);
  // Reads the file strictly to its end: true when it holds every line the
  // layout asks for, whole, and nothing else.
  bool (*confere)(TLeitura_Estrita* leitura);
};

// Loads caminho as kind t, printing its records on saida when saida is not
// null, and reads it strictly. True when both call it whole; otherwise
// *parada is the byte offset where the reading stopped (-1 when unknown).
bool Confere_Catalogo(const TTipo_Catalogo& t, const std::string& caminho, FILE* saida,
                      long* parada);

// Layouts the kinds share, for their confere: a count line (its one %d the
// count), the lines after it, then count records of the lines in registro;
// and records of the lines in registro up to the end of the file, one at
// least.
bool Confere_Contados(TLeitura_Estrita* l, const char* contagem,
                      std::initializer_list<const char*> cabecalho,
                      std::initializer_list<const char*> registro);
bool Confere_Ate_O_Fim(TLeitura_Estrita* l, std::initializer_list<const char*> registro);

// Every kind, the equipment catalogues first.
std::vector<TTipo_Catalogo> Tipos_Catalogo();
std::vector<TTipo_Catalogo> Tipos_Catalogo_Equipamentos();
std::vector<TTipo_Catalogo> Tipos_Catalogo_Referencia();
std::vector<TTipo_Catalogo> Tipos_Catalogo_Vidros();

// Loads the glazing model table of the models directory dir and the gas
// properties of each model whose gas file is present, printing them on
// saida (catalogos_vidros.cpp). False when a load failed or there is no model.
bool Confere_Vidros(const std::string& dir, FILE* saida);

// The last load's failure when the fault was not the file's (the temporary
// models directory a glazing loader makes could not be made); done when it
// was the file's or nothing failed.
const TResultado& Falha_Externa();

// The kind called nome, or null.
const TTipo_Catalogo* Procura_Tipo_Catalogo(const std::string& nome);

#endif  // ARQAUX_TOOL_CATALOGOS_H_
