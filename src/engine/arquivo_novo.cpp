#include "engine/arquivo_novo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace arqaux {
namespace {

// The permission bits of a new file: 0666 less the process's umask, read
// from /proc (setting the umask to learn it would race with other threads);
// 0600, as mkstemp makes a file, when it cannot be read.
mode_t Modo_Novo() {
  FILE* arq = std::fopen("/proc/self/status", "r");
  if (arq == nullptr) return 0600;
  unsigned mascara = 0;
  bool achou = false;
  char linha[256];
  while (!achou && std::fgets(linha, sizeof linha, arq) != nullptr) {
    achou = std::sscanf(linha, "Umask: %7o", &mascara) == 1;
  }
  std::fclose(arq);
  return achou ? static_cast<mode_t>(0666 & ~mascara) : 0600;
}

}  // namespace

std::FILE* Cria_Arquivo_Unico(const std::string& modelo, std::string* nome) {
  std::string criado = modelo;
  const int fd = mkstemp(&criado[0]);
  if (fd < 0) return nullptr;
  std::FILE* arq = fchmod(fd, Modo_Novo()) == 0 ? fdopen(fd, "wb") : nullptr;
  if (arq == nullptr) {
    const int erro = errno;
    close(fd);
    unlink(criado.c_str());
    errno = erro;
    return nullptr;
  }
  *nome = criado;
  return arq;
}

}  // namespace arqaux
