#include "comandos.h"

int Comando_Report(const std::vector<std::string>&) {
  return Erro("'report' is not available in this build");
}
