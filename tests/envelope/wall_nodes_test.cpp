// Wall node files: the header with its caller-owned arrays, region offsets
// inside a step, refusals of hostile counts and offsets, and the profiles.
#include <climits>
#include <string>
#include <vector>

#include "envelope/bytes.h"
#include "support/fixture.h"

namespace {

// Header: N = 2, values 1.5 and 2.5; entry 1 holds the pairs (7, 8) and
// (9, 10), entry 2 none.
const std::string kCabecalho = Inteiros({2}) + Reais({1.5f, 2.5f}) + Inteiros({2, 7, 8, 9, 10, 0});

class WallNodesTest : public ArqauxTest {
 protected:
  // Opens a file of the header and the steps, as stream 1.
  int Abre(const std::string& passos, const std::string& cabecalho = kCabecalho) {
    Escreve_Arquivo(Caminho("p.bin"), cabecalho + passos);
    return geren->Abre_Arquivo(Caminho("p.bin").c_str(), "rb");
  }
  // The header read at the start of stream 1: N, the values (an array of
  // alocados floats is expected, none when 0), the entries appended.
  int Cabecalho(size_t alocados, std::vector<float>* valores,
                std::vector<std::vector<unsigned>>* entradas) {
    float* v = reinterpret_cast<float*>(1);
    std::vector<unsigned int*> e = {nullptr};
    const int n = geren->Le_Cabecalho_Temp_Umi_Parede(&v, e);
    EXPECT_EQ(v == nullptr, alocados == 0);
    if (v != nullptr) valores->assign(v, v + alocados);
    entradas->clear();
    EXPECT_EQ(e.at(0), nullptr);
    for (size_t i = 1; i < e.size(); ++i) {
      entradas->emplace_back(e[i], e[i] + 2 * e[i][0] + 1);
      delete[] e[i];
    }
    delete[] v;
    return n;
  }
};

TEST_F(WallNodesTest, HeaderHandsTheCallerItsArraysAndRefusesHostileCounts) {
  struct Caso {
    const char* nome;
    std::string arquivo;
    int n;
    std::vector<float> valores;
    std::vector<std::vector<unsigned>> entradas;
    size_t maior;  // the largest allocation, in bytes
  };
  const Caso casos[] = {
      {"whole", kCabecalho, 2, {1.5f, 2.5f}, {{2, 7, 8, 9, 10}, {0}}, 20},
      {"N = 0", Inteiros({0, 0, 0}), 0, {}, {}, 0},
      {"N negative", Inteiros({0x80000000u, 0, 0}), 0, {}, {}, 0},
      {"N beyond the file", Inteiros({0x7fffffff, 0, 0, 0}), 0, {}, {}, 0},
      {"M beyond", Inteiros({1}) + Reais({3}) + Inteiros({0xffffffffu, 1, 2}), 0, {3}, {}, 4},
      {"entry 2 cut", kCabecalho.substr(0, kCabecalho.size() - 6), 0, {1.5f, 2.5f}, {}, 8},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nome);
    Abre("", c.arquivo);
    std::vector<float> valores;
    std::vector<std::vector<unsigned>> entradas;
    size_t maior;
    {
      TConta_Alocacao conta;
      EXPECT_EQ(Cabecalho(c.valores.size(), &valores, &entradas), c.n);
      maior = TConta_Alocacao::Maior();
    }
    EXPECT_EQ(maior, c.maior);
    EXPECT_EQ(valores, c.valores);
    EXPECT_EQ(entradas, c.entradas);
    geren->Fecha_Todos();
  }
}

// Steps of float i at float i after the header: a block read names where it
// started. Entries {3, 5}: 4 and 6 nodes, a step of 40 floats (160 bytes);
// region 2 of step 2 is at 2 * 160 + 4 * 16 = 384 bytes, float 96; with the
// second group alone, region 2 of step 1 at 80 + 4 * 8 bytes, float 28. The
// file holds 3 steps.
TEST_F(WallNodesTest, RegionsAreFoundInsideTheirStep) {
  int entradas[] = {3, 5};
  struct Caso {
    bool g1, g2, g3;
    int regiao, passo;
    int primeiro;  // float index of the first block read; -1: the read fails
  };
  const Caso casos[] = {{true, true, true, 2, 2, 96},        {true, true, true, 1, 0, 0},
                        {false, true, false, 2, 1, 28},      {false, false, true, 1, 3, 30},
                        {true, true, true, 2, 3, -1},        {true, true, true, 3, 0, -1},
                        {true, true, true, 0, 0, -1},        {true, true, true, 1, -1, -1},
                        {true, false, false, 1, INT_MAX, -1}};
  Abre(Reais(Sequencia(120)));
  for (const Caso& c : casos) {
    SCOPED_TRACE(testing::Message() << c.regiao << " " << c.passo << " " << c.primeiro);
    std::vector<float> v[4];
    for (auto& b : v) b.assign(6, -1.0f);
    const bool lido =
        geren->Le_Temp_Umi_Parede(1, entradas, 2, c.regiao, c.passo, c.g1, v[0].data(), c.g2,
                                  v[1].data(), v[2].data(), c.g3, v[3].data());
    EXPECT_EQ(lido, c.primeiro >= 0);
    if (c.primeiro < 0) continue;
    const size_t nos = static_cast<size_t>(entradas[c.regiao - 1]) + 1;
    const bool presentes[4] = {c.g1, c.g2, c.g2, c.g3};
    float proximo = static_cast<float>(c.primeiro);
    for (int g = 0; g < 4; ++g) {
      std::vector<float> esperado(6, -1.0f);
      for (size_t i = 0; presentes[g] && i < nos; ++i) esperado[i] = proximo++;
      EXPECT_EQ(v[g], esperado) << "block " << g;
    }
  }
  // A header that does not read fails every region; no group reads nothing.
  float v[6];
  EXPECT_TRUE(geren->Le_Temp_Umi_Parede(1, entradas, 2, 1, 0, false, v, false, v, v, false, v));
  int hostis[] = {INT_MAX, INT_MAX, -1};
  EXPECT_FALSE(geren->Le_Temp_Umi_Parede(1, hostis, 2, 2, 1, true, v, false, v, v, false, v));
  EXPECT_FALSE(geren->Le_Temp_Umi_Parede(1, hostis, 3, 1, 0, true, v, false, v, v, false, v));
  geren->Fecha_Todos();
  Abre(Reais(Sequencia(120)), Inteiros({0}));
  EXPECT_FALSE(geren->Le_Temp_Umi_Parede(1, entradas, 2, 1, 0, true, v, false, v, v, false, v));
  EXPECT_EQ(geren->Soma_Nos_Regiao(entradas, 2), 10);
  EXPECT_EQ(geren->Soma_Nos_Ate_Regiao(entradas, 2), 4);
  EXPECT_EQ(geren->Soma_Nos_Ate_Regiao(entradas, 1) + geren->Soma_Nos_Regiao(entradas, 0), 0);
}

TEST_F(WallNodesTest, ProfilesAndNodeLines) {
  float t[] = {20.004f, -1.5f, 3}, u1[] = {0.5f, 0.25f, 1}, u2[] = {0.125f, 2, 3},
        q[] = {7, 8.125f, 9};
  char rotulo[] = "Passo 1";
  const int n = geren->Abre_Arquivo(Caminho("perfil.txt").c_str(), "wt");
  EXPECT_TRUE(geren->Grava_Temp_Umi_Parede_Texto(n, 1, t, u1, rotulo, true, true, u2, true, q));
  EXPECT_TRUE(geren->Grava_Temp_Umi_Parede_Texto(n, -1, t, u1, rotulo, true, false, u2, false, q));
  EXPECT_TRUE(geren->Grava_Temp_Umi_Parede_Texto(n, 2, t, u1, rotulo, false, true, u2, false, q));
  EXPECT_TRUE(
      geren->Grava_Temp_Umi_Parede_Texto_1_No(n, 9, t, u1, rotulo, true, false, u2, true, q, 1));
  EXPECT_FALSE(
      geren->Grava_Temp_Umi_Parede_Texto(n, 1, nullptr, u1, rotulo, true, true, u2, true, q));
  geren->Fecha_Todos();
  EXPECT_EQ(Le_Arquivo(Caminho("perfil.txt")),
            "Passo 1\n"
            "1  20.00  0.50000   0.12500   7.00  \n"
            "2  -1.50  0.25000   2.00000   8.12  \n"
            "\n"
            "Passo 1\n"
            "\n"
            "Passo 1\n"
            "1  0.50000   0.12500   \n"
            "2  0.25000   2.00000   \n"
            "3  1.00000   3.00000   \n"
            "\n"
            "Passo 1-1.50  8.12  \n");
}

}  // namespace
