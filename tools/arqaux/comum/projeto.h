// A project's data folder as the library finds it: the directory, "\#" and
// the project's name, made current through the utility library. The commands
// that enter it (compare, interface) put the working directory back before
// they print.
#ifndef ARQAUX_TOOL_PROJETO_H_
#define ARQAUX_TOOL_PROJETO_H_

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "comum/erros.h"

// Keeps the working directory of its construction and goes back to it.
class TVolta_Dir {
 public:
  TVolta_Dir();
  ~TVolta_Dir();
  TVolta_Dir(const TVolta_Dir&) = delete;
  TVolta_Dir& operator=(const TVolta_Dir&) = delete;
  bool Valido() const { return dir_ >= 0; }

 private:
  int dir_;
};

struct Fecha_Arq {
  void operator()(FILE* arq) const { std::fclose(arq); }
};
using TArq = std::unique_ptr<FILE, Fecha_Arq>;

// The data folder of projeto in dir as a path of this host: the library
// takes '\' for a separator, and puts "\#" before the project's name.
std::filesystem::path Pasta_Do_Projeto(std::string dir, const std::string& projeto);

// A file of a project that is there but not a regular file (a FIFO would
// block the read until something writes to it, a directory never reads) is
// refused before anything opens it.
TResultado Confere_Arquivo_Do_Projeto(const std::filesystem::path& pasta, const std::string& nome);

#endif  // ARQAUX_TOOL_PROJETO_H_
