// Progress of long work, and the command line's --quiet.
//
// A TProgresso is one line on standard error, redrawn in place: what is
// being done, how much of it is done ("1200/8760", or a count alone when the
// total is not known) and the seconds since the work began. It is drawn only
// when standard error is a terminal and --quiet was not given, so that pipes,
// logs and tests see nothing of it; it is redrawn at most ten times a second
// and cleared when the work ends, so that what the command prints next
// starts on a clean line.
//
// Use: TProgresso p("converting reports", n); then p.Avanca(k) after each of
// the n pieces (k counted from 1); p.Etapa("drawing", m) starts another
// stage on the same line. A work nested in another may draw its own line:
// the outer one is drawn again at its next step.
#ifndef ARQAUX_TOOL_PROGRESSO_H_
#define ARQAUX_TOOL_PROGRESSO_H_

#include <chrono>
#include <string>

class TProgresso {
 public:
  TProgresso(const std::string& o_que, long long total);
  ~TProgresso();
  TProgresso(const TProgresso&) = delete;
  TProgresso& operator=(const TProgresso&) = delete;

  // feitos of the total are done.
  void Avanca(long long feitos);
  // Another stage of the work, on the same line; the clock runs on.
  void Etapa(const std::string& o_que, long long total);

 private:
  void Desenha(long long feitos);

  const bool ativo_;
  const std::chrono::steady_clock::time_point comeco_;
  std::chrono::steady_clock::time_point ultimo_;
  std::string o_que_;
  long long total_ = 0;
  bool desenhado_ = false;
};

// --quiet: nothing but errors. Set once the command line is parsed; every
// command that prints more than its result asks before printing it.
void Define_Silencio(bool silencio);
bool Silencioso();

#endif  // ARQAUX_TOOL_PROGRESSO_H_
