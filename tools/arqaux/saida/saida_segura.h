// Writing only files the tool made, and only whole ones.
//
// A file the tool writes goes first to a unique temporary name made in its
// folder (mkstemp) and is renamed into place once whole: a killed or failed
// write leaves the old file, or none, under the name, never a cut one. A
// symbolic link, a device or a folder at an output name is refused, never
// written through.
//
// A run folder (sample, catalogue sample, import epw) holds the manifest
// .arqaux-run, which lists every file arqaux wrote there. A run is written
// into a new private folder inside the run folder and moved into place once
// whole; the files the manifest lists that the run did not write again are
// removed, so that nothing of an earlier run stays, and the manifest then
// lists the run's files. A file of the folder that the manifest does not list
// was not made by arqaux: the run is refused, naming it, unless forced, and
// even forced it never replaces such a file. A file the command reads is
// never removed nor replaced. A single file written into a run folder
// (export, plot) is added to its manifest.
#ifndef ARQAUX_TOOL_SAIDA_SEGURA_H_
#define ARQAUX_TOOL_SAIDA_SEGURA_H_

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "comum/erros.h"

// The manifest's name in a run folder. It holds a comment line, then one
// file a line, named relative to the folder with '/' between folders.
extern const char* const kManifestoExecucao;

// saida, a file the library opens by name, is not a symbolic link, which the
// library would write through.
TResultado Confere_Sem_Ligacao(const std::string& saida);
// destino may be renamed into: it does not exist, or is a regular file (links
// not followed).
TResultado Confere_Destino(const std::string& destino);

// Adds caminho, just written, to the manifest of its folder when the folder
// has one.
TResultado Anota_No_Manifesto(const std::string& caminho);

// A file written under a temporary name and renamed into place.
class TArquivo_Novo {
 public:
  TArquivo_Novo() = default;
  // Removes the temporary file of a write that was not concluded.
  ~TArquivo_Novo();
  TArquivo_Novo(const TArquivo_Novo&) = delete;
  TArquivo_Novo& operator=(const TArquivo_Novo&) = delete;

  // Checks destino (Confere_Destino) and makes its temporary file, open as
  // Arquivo(), beside it.
  TResultado Abre(const std::string& destino);
  std::FILE* Arquivo() const { return arq_; }
  // The temporary file's path, for a program that writes it by name.
  const std::string& Temporario() const { return temporario_; }
  // Closes the temporary file, checking that nothing written was lost,
  // renames it to the destination and adds it to the manifest of its folder
  // when the folder has one.
  TResultado Conclui();

 private:
  std::string destino_, temporario_;
  std::FILE* arq_ = nullptr;
};

// A run written into a folder through a private folder inside it.
class TPasta_Execucao {
 public:
  // pasta: the run folder; entradas: the files the command reads; forcar:
  // write beside files the manifest does not list.
  TPasta_Execucao(const std::string& pasta, const std::vector<std::string>& entradas, bool forcar);
  // Removes the private folder and what is left in it.
  ~TPasta_Execucao();
  TPasta_Execucao(const TPasta_Execucao&) = delete;
  TPasta_Execucao& operator=(const TPasta_Execucao&) = delete;

  // Creates the run folder when missing (an empty or new folder needs no
  // manifest), reads its manifest, refuses a file it does not list unless
  // forced, and makes the private folder.
  TResultado Abre();
  // The run folder and the private one, both absolute. The run writes each
  // file into the private folder by its name in the run folder.
  const std::string& Pasta() const { return pasta_; }
  const std::string& Preparo() const { return preparo_; }
  // Moves every file of the private folder into the run folder, removes the
  // files of the earlier run that this one did not write (but no input) and
  // writes the manifest.
  TResultado Publica();

 private:
  std::string Exibe(const std::string& nome) const;
  TResultado Confere_Alvo(const std::string& nome) const;
  bool E_Entrada(const std::string& caminho) const;
  TResultado Grava_Manifesto(const std::set<std::string>& nomes) const;

  std::string dada_;  // the run folder as given, for messages
  std::string pasta_, preparo_;
  std::vector<std::string> entradas_;
  bool forcar_;
  std::set<std::string> listados_;
};

#endif  // ARQAUX_TOOL_SAIDA_SEGURA_H_
