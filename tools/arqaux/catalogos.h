// The catalogue and reference-table files that `arqaux catalogue` writes and
// checks: each kind says where it lives in a models directory, how to write
// a sample of it, and how to load one through the library.
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
};

// Every kind, the equipment catalogues first.
std::vector<TTipo_Catalogo> Tipos_Catalogo();
std::vector<TTipo_Catalogo> Tipos_Catalogo_Equipamentos();
std::vector<TTipo_Catalogo> Tipos_Catalogo_Referencia();
std::vector<TTipo_Catalogo> Tipos_Catalogo_Vidros();

// Loads the glazing model table of the models directory dir and the gas
// properties of each model whose gas file is present, printing them on
// saida (catalogos_vidros.cpp). False when a load failed or there is no model.
bool Confere_Vidros(const std::string& dir, FILE* saida);

// Why the last load failed when the fault was not the file's (the
// temporary models directory a glazing loader makes could not be made);
// empty when it was the file's or nothing failed.
const std::string& Falha_Externa();

// The kind called nome, or null.
const TTipo_Catalogo* Procura_Tipo_Catalogo(const std::string& nome);

#endif  // ARQAUX_TOOL_CATALOGOS_H_
