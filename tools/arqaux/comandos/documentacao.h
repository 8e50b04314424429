// The manual page and the bash completion of the tool, written from its
// command declarations (the CLI11 application main.cpp builds), so that
// neither can drift from the commands the parser takes. The build runs
// "arqaux --man" and "arqaux --bash-completion" once the tool is linked.
#ifndef ARQAUX_TOOL_DOCUMENTACAO_H_
#define ARQAUX_TOOL_DOCUMENTACAO_H_

#include <string>

namespace CLI {
class App;
}

// A roff manual page, section 1: every command, its arguments and options.
std::string Pagina_Manual(CLI::App* app);
// A bash script that completes the commands and options of app.
std::string Completacao_Bash(CLI::App* app);

#endif  // ARQAUX_TOOL_DOCUMENTACAO_H_
