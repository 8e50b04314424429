// The tool's subcommands, one per file, and the small helpers they share.
#ifndef ARQAUX_TOOL_COMANDOS_H_
#define ARQAUX_TOOL_COMANDOS_H_

#include <map>
#include <string>
#include <vector>

// Each subcommand gets the words after its name and returns the exit status.
int Comando_Sample(const std::vector<std::string>& args);
int Comando_Report(const std::vector<std::string>& args);
int Comando_Climate(const std::vector<std::string>& args);
int Comando_Config(const std::vector<std::string>& args);

// Prints "arqaux: <message>" on standard error and returns 1.
int Erro(const char* formato, ...) __attribute__((format(printf, 1, 2)));

// Whole-text number parsers: false on empty text, trailing characters or
// values out of range.
bool Le_Inteiro(const std::string& texto, int* valor);
bool Le_Real(const std::string& texto, double* valor);

// Words split into positional arguments and "--name value" options; names in
// flags take no value ("--ats").
struct Argumentos {
  std::vector<std::string> posicionais;
  std::map<std::string, std::string> opcoes;
  // Empty when the words parse; else the error text.
  std::string erro;
  bool Tem(const std::string& nome) const { return opcoes.count(nome) != 0; }
  std::string Valor(const std::string& nome, const std::string& padrao = "") const;
};
Argumentos Separa_Argumentos(const std::vector<std::string>& args,
                             const std::vector<std::string>& flags);

#endif  // ARQAUX_TOOL_COMANDOS_H_
