// Hourly input files: climate (80-byte header, then 24-byte records), soil and
// interior climate (8-byte records, no header), one record per hour of a
// 365-day year. A caller keeps a window of records in memory and refills it
// from any hour; windows that run past the last hour continue at hour 0.
//
// The window readers act on the current stream. Each returns false, reading
// no record, on a null array, a negative start or count, a start past the
// last hour, or with no current stream; otherwise false at the first short
// read: the whole records read before it are in the array, the rest of the
// array (a partial record's slot included) is as the caller left it. The
// climate window rewinds and reads the header first, so a caller refilling
// windows on one stream gets the header every time.
//
// The interior-climate text is one line "%f %f" (temperature, humidity) per
// hour; hours it does not supply are written as zeros. Its .ti file is named
// after it: the path cut at its first '.' after any leading dots (a '.' in a
// directory name counts), plus ".ti"; a path with no such '.' gains ".ti".
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "arqaux/formatos.h"
#include "arqaux/geren_arquivoaux.h"
#include "arqaux/records.h"
#include "engine/binario.h"

namespace {

// Offset of hour 0 in the climate file: the TCidade header comes first.
constexpr long kBaseClima = ARQAUX_TAM_CABECALHO_CLIMA;

// Rewrites caminho to the name of the interior-climate binary file: the path
// is cut at its first '.' that follows some other character (leading dots, as
// in "./" or "../", are kept and never cut at) and ".ti" is appended. A path
// with no such '.' keeps all its characters and gains ".ti". At most
// strlen(caminho) + 4 bytes of the buffer are written, NUL included.
void Forma_Nome_Ti(char* caminho) {
  char* p = caminho;
  while (*p == '.') ++p;
  char* ponto = std::strchr(p, '.');
  if (*p != '\0' && ponto != nullptr) *ponto = '\0';
  std::strcat(caminho, ".ti");
}

// Reads n records of tamanho bytes into destino, true when all n arrived.
// Only whole records reach destino: the bytes of a record cut short by the
// end of the file are dropped, so its slot and the ones after it keep what
// the caller had there.
bool Le_Registros(FILE* arq, char* destino, size_t tamanho, size_t n) {
  char bloco[4096];
  const size_t por_bloco = sizeof bloco / tamanho;
  while (n > 0) {
    const size_t pedidos = std::min(n, por_bloco);
    const size_t lidos = std::fread(bloco, tamanho, pedidos, arq);
    std::memcpy(destino, bloco, lidos * tamanho);
    if (lidos < pedidos) return false;
    destino += lidos * tamanho;
    n -= lidos;
  }
  return true;
}

// Window with year wrap over arq: records of tamanho bytes from offset base,
// hours inicio onwards, into registros.
bool Bufferiza_Janela(FILE* arq, void* registros, long base, size_t tamanho, int inicio,
                      int quantidade) {
  if (registros == nullptr || arq == nullptr || inicio < 0 || quantidade < 0) {
    return false;
  }
  // 64-bit so that start + count cannot overflow. A start beyond ARQAUX_HORAS_ANO
  // leaves a negative first part: no such hour exists in the file.
  const int64_t excesso = int64_t{inicio} + quantidade - ARQAUX_HORAS_ANO;
  const int64_t primeiros = excesso > 0 ? quantidade - excesso : quantidade;
  if (primeiros < 0) return false;

  char* destino = static_cast<char*>(registros);
  std::fseek(arq, base + static_cast<long>(inicio) * static_cast<long>(tamanho), SEEK_SET);
  if (!Le_Registros(arq, destino, tamanho, static_cast<size_t>(primeiros))) {
    return false;
  }
  if (excesso <= 0) return true;
  // The year wraps once: the rest of the window starts at hour 0.
  std::fseek(arq, base, SEEK_SET);
  return Le_Registros(arq, destino + primeiros * tamanho, tamanho, static_cast<size_t>(excesso));
}

}  // namespace

bool TGeren_ArquivoAux::Carrega_Cabecalho(TCidade* cabecalho) {
  if (cabecalho == nullptr) return false;
  return arqaux::Le_Bloco(Arquivo_Atual, cabecalho, sizeof(TCidade));
}

bool TGeren_ArquivoAux::Bufferiza_Clima(TCidade* cabecalho, TReg_Climatico* registros, int inicio,
                                        int quantidade) {
  if (cabecalho == nullptr || registros == nullptr || Arquivo_Atual == nullptr) return false;
  // The header is at offset 0; rewinding first lets the caller refill windows
  // on one stream and get the header every time.
  std::fseek(Arquivo_Atual, 0, SEEK_SET);
  if (!Carrega_Cabecalho(cabecalho)) return false;
  return Bufferiza_Janela(Arquivo_Atual, registros, kBaseClima, sizeof(TReg_Climatico), inicio,
                          quantidade);
}

bool TGeren_ArquivoAux::Bufferiza_Solo(TReg_Solo* registros, int inicio, int quantidade) {
  return Bufferiza_Janela(Arquivo_Atual, registros, 0, sizeof(TReg_Solo), inicio, quantidade);
}

bool TGeren_ArquivoAux::Bufferiza_Reg_Climatico(TReg_Temp_Umi* registros, int inicio,
                                                int quantidade) {
  return Bufferiza_Janela(Arquivo_Atual, registros, 0, sizeof(TReg_Temp_Umi), inicio, quantidade);
}

bool TGeren_ArquivoAux::Converte_Clima_Interno_TXT_Binario(char* caminho) {
  if (caminho == nullptr) return false;
  const int entrada = Abre_Arquivo(caminho, "rt");
  if (entrada == 0) return false;

  // Hours the text does not supply (a short file, or a line that does not
  // scan as two numbers, which ends the reading) stay at zero.
  std::vector<TReg_Temp_Umi> registros(ARQAUX_HORAS_ANO, TReg_Temp_Umi{0.0f, 0.0f});
  for (TReg_Temp_Umi& r : registros) {
    float temperatura = 0.0f;
    float umidade = 0.0f;
    if (std::fscanf(Arquivo_Atual, "%f %f\n", &temperatura, &umidade) != 2) break;
    r.Temperatura = temperatura;
    r.Umidade = umidade;
  }
  Fecha_Arquivo(entrada);

  Forma_Nome_Ti(caminho);
  const int saida = Abre_Arquivo(caminho, "wb");
  if (saida == 0) return false;
  // A year that does not reach the disk whole fails the conversion. The
  // stream is flushed and asked before its close: closing the registry's last
  // stream empties it, and its errors with it.
  bool gravado =
      arqaux::Grava_Bloco(Arquivo_Atual, registros.data(), sizeof(TReg_Temp_Umi), registros.size());
  gravado = std::fflush(Arquivo_Atual) == 0 && !Erro_Arquivo(saida) && gravado;
  Fecha_Arquivo(saida);
  return !Erro_Arquivo(saida) && gravado;
}
