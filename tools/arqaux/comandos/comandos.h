// The tool's subcommands, one per file named after it (cmd_<subcommand>.cpp),
// each declaring its words and handing the work to the tool's library.
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
// The HVAC output kinds of "arqaux report", added to its command relatorio.
void Declara_Report_HVAC(CLI::App* relatorio, TAcao* acao);
void Declara_Stats(CLI::App* app, TAcao* acao);
void Declara_Wall(CLI::App* app, TAcao* acao);
void Declara_Catalogue(CLI::App* app, TAcao* acao);
void Declara_Import(CLI::App* app, TAcao* acao);
void Declara_Info(CLI::App* app, TAcao* acao);
void Declara_Export(CLI::App* app, TAcao* acao);
void Declara_Plot(CLI::App* app, TAcao* acao);
void Declara_Glazing(CLI::App* app, TAcao* acao);
void Declara_Compare(CLI::App* app, TAcao* acao);
void Declara_Interface(CLI::App* app, TAcao* acao);
void Declara_Daylight(CLI::App* app, TAcao* acao);
void Declara_Rain(CLI::App* app, TAcao* acao);
// "arqaux help climate show": the help of the command those words name.
void Declara_Help(CLI::App* app, TAcao* acao);

#endif  // ARQAUX_TOOL_COMANDOS_H_
