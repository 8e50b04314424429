// Feeds arbitrary bytes to the daylighting schedule readers, the rain
// interval loader and the interface detection of a project.
//
// Input: one byte, then two int32s, then the file. The byte chooses the
// reader (modulo 4): the schedule header, the schedule window (from hour a,
// b hours), the rain loader, or the interface detection. For the detection
// the file is not a file: its bytes are the project path, taken within the
// run's folder, where the data folder "#Casa" holds a "NEW" geometry file of
// a bytes and a plain one of b bytes (each modulo 4096, missing when
// negative).
#include <arqaux/arqaux.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz_comum.h"

namespace {

enum TOperacao { CABECALHO, JANELA, CHUVA, INTERFACE, NUM_OPERACOES };

// A geometry file of tamanho % 4096 bytes, or none when tamanho < 0.
void Geometria(const std::string& caminho, int32_t tamanho) {
  std::remove(caminho.c_str());
  if (tamanho < 0) return;
  const std::vector<uint8_t> bytes(static_cast<size_t>(tamanho % 4096), 'g');
  fuzz::Grava(caminho, bytes.data(), bytes.size());
}

// The detection changes the working directory; it is put back after.
void Interface(TGeren_ArquivoAux* geren, const fuzz::TCursor& c, int32_t novo, int32_t plano) {
  const std::string pasta = fuzz::Pasta().Caminho();
  mkdir((pasta + "/#Casa").c_str(), 0700);
  Geometria(pasta + "/#Casa/NEWCasa.geo", novo);
  Geometria(pasta + "/#Casa/Casa.geo", plano);
  const std::string caminho(reinterpret_cast<const char*>(c.Dados()), c.Resto());
  const int volta = open(".", O_RDONLY | O_DIRECTORY);
  if (volta < 0) std::abort();
  geren->Tipo_Interface_Projeto(pasta + "/" + caminho);
  if (fchdir(volta) != 0) std::abort();
  close(volta);
}

// The window stores at most count records and none past the year's end.
void Janela(TGeren_ArquivoAux* geren, int32_t inicio, int32_t quantidade) {
  std::vector<TReg_DPI_DAYSIM> registros(
      static_cast<size_t>(std::clamp<int32_t>(quantidade, 1, ARQAUX_HORAS_ANO)));
  geren->Bufferiza_Iluminacao_DAYSIM(registros.data(), inicio, quantidade);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  fuzz::TCursor c(dados, tamanho);
  const int operacao = c.Byte() % NUM_OPERACOES;
  const int32_t a = c.Int();
  const int32_t b = c.Int();
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  if (operacao == INTERFACE) {
    Interface(geren, c, a, b);
    return 0;
  }
  const std::string caminho = fuzz::Arquivo("entrada.txt");
  if (!fuzz::Grava(caminho, c.Dados(), c.Resto())) return 0;
  if (geren->Abre_Arquivo(caminho.c_str(), "rt") == 0) return 0;
  if (operacao == CABECALHO) {
    geren->Carrega_Cabecalho_DAYSIM();
  } else if (operacao == JANELA) {
    Janela(geren, a, b);
  } else {
    TLista<TInterv_Chuva> lista(true);
    geren->Le_Arquivo_Chuva(&lista);
  }
  geren->Fecha_Todos();
  return 0;
}
