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
struct TDeteccao;

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
void Declara_Import(CLI::App* app, TAcao* acao);
void Declara_Info(CLI::App* app, TAcao* acao);
void Declara_Export(CLI::App* app, TAcao* acao);
void Declara_Plot(CLI::App* app, TAcao* acao);
void Declara_Glazing(CLI::App* app, TAcao* acao);
void Declara_Compare(CLI::App* app, TAcao* acao);
void Declara_Inputs(CLI::App* app, TAcao* acao);

// A plot of one column of a file (arqaux plot), also drawn by the sample.
struct TPedido_Grafico {
  std::string caminho, coluna, saida, tipo;
  bool carpete = false;
  bool bruto = false;  // every row, where a long run would be drawn day by day
  int intervalo = 0;
  int largura = 1000, altura = 600;
};
// Draws p with gnuplot: 0, or the exit status after one message (one naming
// the package when gnuplot is not installed).
int Desenha_Grafico(const TPedido_Grafico& p);

// Tells the kind of caminho (forcado, when not empty, names it): 0, or the
// exit status after one message naming the kinds that fit.
int Conhece_Arquivo(const std::string& caminho, const std::string& forcado, TDeteccao* d);

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
