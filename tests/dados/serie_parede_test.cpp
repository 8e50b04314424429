// The wall node series passes over its file's header once and then reads
// each region's blocks where they lie: its rows are what the public reader,
// which reads the header at every call, gives region by region and step by
// step.
#include <arqaux/dados.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "support/fixture.h"

namespace {

class SerieParedeTest : public ArqauxTest {};

TEST_F(SerieParedeTest, RowsAreThePublicReadersRegionByRegion) {
  // Regions of 1 and 2 elements (2 and 3 nodes); the second region's entry
  // has a pair, so the header is not a fixed size; every group (16 bytes a
  // node); three steps of 80 bytes.
  const int32_t regioes = 2;
  const float areas[2] = {1.5f, 2.5f};
  const uint32_t entradas[] = {0, 1, 7, 9};
  std::string bytes(reinterpret_cast<const char*>(&regioes), 4);
  bytes.append(reinterpret_cast<const char*>(areas), sizeof areas);
  bytes.append(reinterpret_cast<const char*>(entradas), sizeof entradas);
  std::vector<float> passos(3 * 20);
  for (size_t i = 0; i < passos.size(); ++i) passos[i] = 0.5f * static_cast<float>(i);
  bytes.append(reinterpret_cast<const char*>(passos.data()), 4 * passos.size());
  Escreve_Arquivo(Caminho("p.bin"), bytes);
  Escreve_Arquivo(Caminho("p.bin.desc"), "kind = wall\nregions = 1,2\ninterval = 600\n");

  std::string esperado, obtido;
  int elementos[2] = {1, 2};
  const int n = geren->Abre_Arquivo(Caminho("p.bin").c_str(), "rb");
  for (int passo = 0;; ++passo) {
    std::string linha;
    for (int r = 1; r <= 2; ++r) {
      float g[4][3];
      if (!geren->Le_Temp_Umi_Parede(n, elementos, 2, r, passo, true, g[0], true, g[1], g[2], true,
                                     g[3])) {
        break;
      }
      for (const auto& bloco : g) {
        for (int no = 0; no <= elementos[r - 1]; ++no) linha += std::to_string(bloco[no]) + " ";
      }
    }
    if (linha.empty()) break;
    esperado += linha + "\n";
  }
  geren->Fecha_Todos();

  TAmostra_Arquivo amostra;
  std::string erro;
  ASSERT_TRUE(Le_Amostra_Arquivo(Caminho("p.bin"), &amostra, &erro)) << erro;
  const std::unique_ptr<TSerie> serie =
      Abre_Serie(Caminho("p.bin"), Detecta_Tipo(amostra, ""), 0, &erro);
  ASSERT_NE(serie, nullptr) << erro;
  std::vector<double> valores;
  long long segundos;
  while (serie->Le(&valores, &segundos)) {
    for (double v : valores) obtido += std::to_string(static_cast<float>(v)) + " ";
    obtido += "\n";
  }
  EXPECT_EQ(std::count(esperado.begin(), esperado.end(), '\n'), 3);
  EXPECT_EQ(esperado, obtido);
}

}  // namespace
