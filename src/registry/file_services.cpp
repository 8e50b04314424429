// Services on named files and single text lines. The named-file services go
// through the registry (open "rt", then close the highest-numbered open
// file), so they share its numbering and current-stream rules.
#include <sys/stat.h>

#include <cstdio>
#include <ctime>

#include "arqaux/geren_arquivoaux.h"

namespace {

// Packs a modification time into the 32-bit file date; years before 1980 or
// after 2107 are held at the ends of the 7-bit year field.
ftime Empacota_Data(time_t instante) {
  std::tm t{};
  localtime_r(&instante, &t);
  int ano = t.tm_year + 1900 - 1980;
  if (ano < 0) ano = 0;
  if (ano > 127) ano = 127;
  ftime data{};
  data.ft_tsec = static_cast<unsigned>(t.tm_sec / 2);
  data.ft_min = static_cast<unsigned>(t.tm_min);
  data.ft_hour = static_cast<unsigned>(t.tm_hour);
  data.ft_day = static_cast<unsigned>(t.tm_mday);
  data.ft_month = static_cast<unsigned>(t.tm_mon + 1);
  data.ft_year = static_cast<unsigned>(ano);
  return data;
}

}  // namespace

bool TGeren_ArquivoAux::ArquivoExiste(const char* caminho) {
  if (Abre_Arquivo(caminho, "rt") == 0) return false;
  Fecha_Arquivo(0);
  return true;
}

bool TGeren_ArquivoAux::ApagaArquivo(const char* caminho) {
  if (Abre_Arquivo(caminho, "rt") == 0) return false;
  Fecha_Arquivo(0);
  std::remove(caminho);
  return true;
}

bool TGeren_ArquivoAux::DadosDoArquivo(const char* caminho, ftime* data) {
  if (Abre_Arquivo(caminho, "rt") == 0) return false;
  struct stat info {};
  if (data != nullptr && fstat(fileno(Arquivo_Atual), &info) == 0) {
    *data = Empacota_Data(info.st_mtime);
  }
  Fecha_Arquivo(0);
  return true;
}

void TGeren_ArquivoAux::Salva_Texto_Generico(int n, const char* texto) {
  FILE* arq = Seleciona_Arquivo(n);
  if (arq == nullptr || texto == nullptr) return;
  std::fprintf(arq, "%s", texto);
}

void TGeren_ArquivoAux::Salva_Tabela_Equipamentos(const char* a, const char* b, const char* c,
                                                  const char* d) {
  if (Arquivo_Atual == nullptr || !a || !b || !c || !d) return;
  std::fprintf(Arquivo_Atual, "[%s][%s %s %s]\n", a, b, c, d);
}

void TGeren_ArquivoAux::Grava_Tempo(float valor) {
  if (Arquivo_Atual == nullptr) return;
  std::fprintf(Arquivo_Atual, "%f\n", valor);
}
