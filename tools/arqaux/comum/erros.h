// How the tool's code reports a failure. A step that can fail returns a
// TResultado: done, or the one line that says why. The command that called
// it turns it into its exit status with Relata, which alone prints the line
// ("arqaux: <line>" on standard error); Erro is the same for a command that
// fails on the spot.
#ifndef ARQAUX_TOOL_ERROS_H_
#define ARQAUX_TOOL_ERROS_H_

#include <string>
#include <utility>

// Exit status of a command line refused before anything ran; a command
// that ran and failed exits with 1.
constexpr int kErroUso = 2;

// What a step of the tool's work came to: done, or why not.
class TResultado {
 public:
  TResultado() = default;  // done
  // A failure, the command's exit status then status: 1, or kErroUso when
  // the command line asked for what cannot be.
  static TResultado Falha(std::string mensagem, int status = 1) {
    TResultado r;
    r.status_ = status;
    r.mensagem_ = std::move(mensagem);
    return r;
  }
  bool Ok() const { return status_ == 0; }
  int Status() const { return status_; }
  // The line that says why (without "arqaux: "); empty when done.
  const std::string& Mensagem() const { return mensagem_; }

 private:
  int status_ = 0;
  std::string mensagem_;
};

// The exit status of r: 0 when done; else its status, after its line on
// standard error (up to a null byte, as printf's "%s" would print it).
int Relata(const TResultado& r);

// A failure whose line is printf's formato and what follows.
TResultado Falha(const char* formato, ...) __attribute__((format(printf, 1, 2)));
// The same with the exit status of a command line refused (kErroUso).
TResultado Falha_Uso(const char* formato, ...) __attribute__((format(printf, 1, 2)));
// Relata of that failure, for a command that fails on the spot: 1.
int Erro(const char* formato, ...) __attribute__((format(printf, 1, 2)));

#endif  // ARQAUX_TOOL_ERROS_H_
