// Feeds arbitrary bytes, as a file and the description beside it, to the
// tool's kind detection and then to the export's reader of the kind told (or
// forced), writing the CSV to /dev/null, then reads the file again a record
// at a time between blocks.
//
// Input: flags (byte: bit 0 a description is written, bit 1 the file is
// named ".ti", bits 2-7 the index of the kind forced, none when past the
// last); the description's length (byte); the description; the rest is the
// file.
#include <arqaux/arqaux.h>
#include <arqaux/dados.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "fuzz_comum.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  fuzz::TCursor c(dados, tamanho);
  const uint8_t flags = c.Byte();
  const size_t comprimento = c.Byte();
  const std::vector<TTipo_Arquivo>& tipos = Tipos_Arquivo();
  const size_t escolha = flags >> 2;
  const std::string forcado = escolha < tipos.size() ? tipos[escolha].nome : "";
  const std::string caminho = fuzz::Arquivo((flags & 2) != 0 ? "arquivo.ti" : "arquivo.bin");
  const std::string descricao = caminho + ".desc";
  std::error_code ec;
  std::filesystem::remove(descricao, ec);
  const size_t n_descricao = comprimento < c.Resto() ? comprimento : c.Resto();
  if ((flags & 1) != 0 && !fuzz::Grava(descricao, c.Dados(), n_descricao)) return 0;
  const size_t pulo = (flags & 1) != 0 ? n_descricao : 0;
  if (!fuzz::Grava(caminho, c.Dados() + pulo, c.Resto() - pulo)) return 0;

  TAmostra_Arquivo a;
  std::string erro;
  if (!Le_Amostra_Arquivo(caminho, &a, &erro)) return 0;
  const TDeteccao d = Detecta_Tipo(a, forcado);
  std::unique_ptr<TSerie> s = Abre_Serie(caminho, d, 0, &erro);
  if (s != nullptr) {
    std::FILE* nulo = std::fopen("/dev/null", "wb");
    if (nulo != nullptr) {
      Exporta_CSV(s.get(), 2001, nulo, &erro);
      std::fclose(nulo);
    }
    // Read to its end: whether its records reached the end of the file.
    Confere_Final(caminho, *s);
    // The same file again, a record at a time mixed with blocks of 7: both
    // reads walk the records.
    s = Abre_Serie(caminho, d, 0, &erro);
    std::vector<double> linha, bloco;
    std::vector<long long> tempos;
    long long segundos = 0;
    while (s != nullptr && s->Le(&linha, &segundos) && s->Le_Bloco(7, &bloco, &tempos) > 0) {
    }
  }
  s.reset();
  Geren_ArqAux()->Fecha_Todos();
  return 0;
}
