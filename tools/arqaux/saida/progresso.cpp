// The progress line of long work and the --quiet switch (progresso.h).
#include "saida/progresso.h"

#include <unistd.h>

#include <cstdio>

namespace {

bool silencio = false;

// The line may be redrawn this often at most.
constexpr std::chrono::milliseconds kIntervaloDesenho(100);

}  // namespace

void Define_Silencio(bool s) { silencio = s; }
bool Silencioso() { return silencio; }

TProgresso::TProgresso(const std::string& o_que, long long total)
    : ativo_(!silencio && isatty(STDERR_FILENO) != 0),
      comeco_(std::chrono::steady_clock::now()),
      ultimo_(comeco_),
      o_que_(o_que),
      total_(total) {
  Desenha(0);
}

TProgresso::~TProgresso() {
  if (!desenhado_) return;
  std::fputs("\r\033[K", stderr);
  std::fflush(stderr);
}

void TProgresso::Avanca(long long feitos) {
  if (!ativo_) return;
  const auto agora = std::chrono::steady_clock::now();
  if (agora - ultimo_ < kIntervaloDesenho && feitos != total_) return;
  Desenha(feitos);
}

void TProgresso::Etapa(const std::string& o_que, long long total) {
  o_que_ = o_que;
  total_ = total;
  Desenha(0);
}

void TProgresso::Desenha(long long feitos) {
  if (!ativo_) return;
  ultimo_ = std::chrono::steady_clock::now();
  const double segundos =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - comeco_).count();
  if (total_ > 0) {
    std::fprintf(stderr, "\r%s: %lld/%lld  %.1f s\033[K", o_que_.c_str(), feitos, total_, segundos);
  } else {
    std::fprintf(stderr, "\r%s: %lld  %.1f s\033[K", o_que_.c_str(), feitos, segundos);
  }
  std::fflush(stderr);
  desenhado_ = true;
}
