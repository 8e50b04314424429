// The tool's subcommands, one per file, and the small helpers they share.
//
// Each subcommand declares its words once, on a CLI11 application: the
// parser answers --help, takes "--opt value" and "--opt=value", refuses an
// option it does not know, one that is missing or repeated, and numbers out
// of range, before anything runs.
#ifndef ARQAUX_TOOL_COMANDOS_H_
#define ARQAUX_TOOL_COMANDOS_H_

#include <functional>
#include <string>

namespace CLI {
class App;
}

// What a parsed command line runs; it returns the exit status.
using TAcao = std::function<int()>;

// Each adds its subcommand to app; once the command line names it and
// parses, *acao is what runs it.
void Declara_Sample(CLI::App* app, TAcao* acao);
void Declara_Report(CLI::App* app, TAcao* acao);
void Declara_Climate(CLI::App* app, TAcao* acao);
void Declara_Config(CLI::App* app, TAcao* acao);
void Declara_Hvac(CLI::App* app, TAcao* acao);
void Declara_Catalogue(CLI::App* app, TAcao* acao);

// Exit status of a command line refused before anything ran; a command
// that ran and failed exits with 1.
constexpr int ERRO_USO = 2;

// Prints "arqaux: <message>" on standard error and returns 1.
int Erro(const char* formato, ...) __attribute__((format(printf, 1, 2)));

// Whole-text integer parser: false on empty text, trailing characters or
// values out of range.
bool Le_Inteiro(const std::string& texto, int* valor);

#endif  // ARQAUX_TOOL_COMANDOS_H_
