// The tool's subcommands, one per file, and the small helpers they share.
//
// Each subcommand declares its words once, on a CLI11 application: the
// parser answers --help, takes "--opt value" and "--opt=value", refuses an
// option it does not know, one that is missing or repeated, and numbers out
// of range, before anything runs.
#ifndef ARQAUX_TOOL_COMANDOS_H_
#define ARQAUX_TOOL_COMANDOS_H_

#include <cstdint>
#include <functional>
#include <string>

namespace CLI {
class App;
}
struct TTempo;

// What a parsed command line runs; it returns the exit status.
using TAcao = std::function<int()>;

// Each adds its subcommand to app; once the command line names it and
// parses, *acao is what runs it.
void Declara_Sample(CLI::App* app, TAcao* acao);
void Declara_Report(CLI::App* app, TAcao* acao);
void Declara_Climate(CLI::App* app, TAcao* acao);
void Declara_Config(CLI::App* app, TAcao* acao);
void Declara_Hvac(CLI::App* app, TAcao* acao);
// The HVAC output kinds of "arqaux report", added to its command relatorio.
void Declara_Report_HVAC(CLI::App* relatorio, TAcao* acao);

// Converts stream binario, from past its header of cabecalho bytes, into the
// report texto through converte (the two streams' numbers, the text one
// current), closing both: 0, or the exit status after one message.
int Converte_Arquivo(const std::string& binario, const std::string& texto, uintmax_t cabecalho,
                     const std::function<void(int binario, int texto)>& converte);
void Declara_Stats(CLI::App* app, TAcao* acao);
void Declara_Wall(CLI::App* app, TAcao* acao);
void Declara_Catalogue(CLI::App* app, TAcao* acao);
void Declara_Compare(CLI::App* app, TAcao* acao);
void Declara_Inputs(CLI::App* app, TAcao* acao);

// Exit status of a command line refused before anything ran; a command
// that ran and failed exits with 1.
constexpr int ERRO_USO = 2;

// Prints "arqaux: <message>" on standard error and returns 1.
int Erro(const char* formato, ...) __attribute__((format(printf, 1, 2)));

// Whole-text integer parser: false on empty text, trailing characters or
// values out of range.
bool Le_Inteiro(const std::string& texto, int* valor);
// "DD/MM/HH": a day of the month given (365-day year) and an hour 0 to 23,
// into a clock cleared but for them; false on any other text.
bool Le_Data(const std::string& texto, TTempo* t);

#endif  // ARQAUX_TOOL_COMANDOS_H_
