#include "comandos.h"

int Comando_Sample(const std::vector<std::string>&) {
  return Erro("'sample' is not available in this build");
}
