// Feeds arbitrary bytes to the hourly input readers: the climate header, the
// climate, soil and interior-climate windows, and the conversion of the
// interior-climate text into its .ti file.
//
// Input: one byte, then start and count (int32 each), then the file. The byte
// chooses the operation (bits 0-2, modulo 5), whether the file is the rest of
// the input repeated up to a whole year (bit 3: windows then reach the year's
// end and wrap), whether the stream is closed before a window is read (bit 4)
// and the name of the text file converted (bits 5-7).
#include <arqaux/arqaux.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "fuzz_comum.h"

namespace {

constexpr size_t kCabecalhoClima = ARQAUX_TAM_CABECALHO_CLIMA;

enum TOperacao { CABECALHO, CLIMA, SOLO, INTERNO, CONVERSAO, NUM_OPERACOES };

// Names the conversion is given, relative to the run's folder: its cut at the
// first '.' after leading dots meets each case here (no dot, leading dots, a
// dot in a directory, a directory itself).
const char* const kNomesTexto[8] = {"interno.txt", "interno", ".oculto.txt", "..a.b",
                                    "sub.d/x.txt", "a.",      ".",           "sub.d/"};

// Writes the file: the bytes as they are, or repeated up to ano bytes.
bool Grava_Entrada(const std::string& caminho, const fuzz::TCursor& c, bool repete, size_t ano) {
  if (!repete || c.Resto() == 0) return fuzz::Grava(caminho, c.Dados(), c.Resto());
  std::vector<uint8_t> bytes;
  bytes.reserve(ano);
  while (bytes.size() < ano) {
    const size_t k = std::min(c.Resto(), ano - bytes.size());
    bytes.insert(bytes.end(), c.Dados(), c.Dados() + k);
  }
  return fuzz::Grava(caminho, bytes.data(), bytes.size());
}

// The text conversion runs in the run's folder, so that the .ti name it
// derives from a relative path stays there.
void Converte(TGeren_ArquivoAux* geren, const fuzz::TCursor& c, bool repete, int nome) {
  const std::string& pasta = fuzz::Pasta().Caminho();
  mkdir((pasta + "/sub.d").c_str(), 0700);
  Grava_Entrada(pasta + "/" + kNomesTexto[nome], c, repete, 16 * ARQAUX_HORAS_ANO);
  const int volta = open(".", O_RDONLY | O_DIRECTORY);
  if (volta < 0 || chdir(pasta.c_str()) != 0) std::abort();
  // Exactly the 3 characters of room the conversion may use.
  const size_t n = std::strlen(kNomesTexto[nome]);
  std::unique_ptr<char[]> caminho(new char[n + 4]);
  std::memcpy(caminho.get(), kNomesTexto[nome], n + 1);
  geren->Converte_Clima_Interno_TXT_Binario(caminho.get());
  if (fchdir(volta) != 0) std::abort();
  close(volta);
}

// A window of records of type T; no read can fill more than the file's year
// twice (one wrap), so a larger count needs no larger array.
template <class T, class F>
void Janela(int32_t quantidade, F le) {
  const int64_t n = std::clamp<int64_t>(quantidade, 1, 2 * ARQAUX_HORAS_ANO + 1);
  std::vector<T> registros(static_cast<size_t>(n));
  le(registros.data());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  fuzz::TCursor c(dados, tamanho);
  const uint8_t escolha = c.Byte();
  const int32_t inicio = c.Int();
  const int32_t quantidade = c.Int();
  const int operacao = (escolha & 7) % NUM_OPERACOES;
  const bool repete = (escolha & 8) != 0;
  const bool fecha = (escolha & 16) != 0;
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  if (operacao == CONVERSAO) {
    Converte(geren, c, repete, escolha >> 5);
    geren->Fecha_Todos();
    return 0;
  }

  const size_t registro = operacao == CLIMA ? sizeof(TReg_Climatico) : sizeof(TReg_Solo);
  const size_t base = operacao == SOLO || operacao == INTERNO ? 0 : kCabecalhoClima;
  const std::string caminho = fuzz::Arquivo("entrada.bin");
  if (!Grava_Entrada(caminho, c, repete, base + ARQAUX_HORAS_ANO * registro)) return 0;
  const int n = geren->Abre_Arquivo(caminho.c_str(), "rb");
  if (n == 0) return 0;
  if (fecha) geren->Fecha_Arquivo(n);
  TCidade cidade;
  switch (operacao) {
    case CABECALHO:
      geren->Carrega_Cabecalho(&cidade);
      break;
    case CLIMA:
      Janela<TReg_Climatico>(quantidade, [&](TReg_Climatico* r) {
        geren->Bufferiza_Clima(&cidade, r, inicio, quantidade);
      });
      break;
    case SOLO:
      Janela<TReg_Solo>(quantidade,
                        [&](TReg_Solo* r) { geren->Bufferiza_Solo(r, inicio, quantidade); });
      break;
    default:
      Janela<TReg_Temp_Umi>(quantidade, [&](TReg_Temp_Umi* r) {
        geren->Bufferiza_Reg_Climatico(r, inicio, quantidade);
      });
  }
  geren->Fecha_Todos();
  return 0;
}
