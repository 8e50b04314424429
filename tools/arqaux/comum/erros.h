// How the tool's code reports a failure: one line on standard error, then
// the command's exit status.
#ifndef ARQAUX_TOOL_ERROS_H_
#define ARQAUX_TOOL_ERROS_H_

// Exit status of a command line refused before anything ran; a command
// that ran and failed exits with 1.
constexpr int ERRO_USO = 2;

// Prints "arqaux: <message>" on standard error and returns 1.
int Erro(const char* formato, ...) __attribute__((format(printf, 1, 2)));

#endif  // ARQAUX_TOOL_ERROS_H_
