#include "comandos.h"

int Comando_Climate(const std::vector<std::string>&) {
  return Erro("'climate' is not available in this build");
}
