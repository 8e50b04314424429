// A host program built against an installed arqaux: opens a file through the
// registry, writes a line and closes it, then reads it back; and advances a
// clock through the stand-ins' library, whose classes are exported too.
#include <arqaux/arqaux.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  TGeren_ArquivoAux* arq = Geren_ArqAux();
  int n = arq->Abre_Arquivo(argv[1], "wt");
  if (n == 0) return 1;
  arq->Salva_Texto_Generico(n, "installed\n");
  arq->Fecha_Arquivo(n);
  char linha[32] = {};
  FILE* f = std::fopen(argv[1], "r");
  if (f == nullptr || std::fgets(linha, sizeof(linha), f) == nullptr) return 1;
  std::fclose(f);
  TTempo t;
  DLL_UTIL_Geren_Tempo()->Avanca_X_Segundos(ARQAUX_HORAS_ANO * 3600 + 7200, &t);
  return std::strcmp(linha, "installed\n") == 0 && t.Hora == 2 ? 0 : 1;
}
