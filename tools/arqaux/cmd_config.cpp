#include "comandos.h"

int Comando_Config(const std::vector<std::string>&) {
  return Erro("'config' is not available in this build");
}
