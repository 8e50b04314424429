// The kind labels and the preamble shared by the load streams and the
// statistics reports.
#include "loads/cargas.h"

#include "engine/report_engine.h"

namespace arqaux {

const char kRotulo_Inverno[] = "[Carga T\xE9mica de Inverno]";
const char kRotulo_Verao[] = "[Carga T\xE9mica de Ver\xE3o]";
const char kRotulo_Ganho[] = "Ganho T\xE9rmico W";

void Escreve_Preambulo(FILE* arq, const char* titulo, const char* rotulo, const TTempo* periodo,
                       int intervalo) {
  std::fprintf(arq, "[%s]\n%s\n", titulo, rotulo);
  Escreve_Periodo(arq, TFormato_Periodo::Horas_Cheias, periodo[0], periodo[1]);
  Escreve_Intervalo(arq, intervalo);
}

}  // namespace arqaux
