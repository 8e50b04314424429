#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "support/fixture.h"

namespace {

constexpr int HORAS = 8760;

// Bytes of one float as stored on disk (little-endian host).
std::string Bytes(float v) { return std::string(reinterpret_cast<const char*>(&v), 4); }

// A climate record whose every field tells its hour.
TReg_Climatico Clima_Da_Hora(int h) {
  float f = static_cast<float>(h);
  return {f, f + 0.5f, f + 1, f + 2, f + 3, f + 4};
}

class Climate : public ArqauxTest {
 protected:
  // Writes a climate file with the header and records of hours 0..horas-1.
  std::string Grava_Clima(int horas) {
    std::string bytes(reinterpret_cast<const char*>(&cidade), sizeof(cidade));
    for (int h = 0; h < horas; ++h) {
      TReg_Climatico r = Clima_Da_Hora(h);
      bytes.append(reinterpret_cast<const char*>(&r), sizeof(r));
    }
    std::string caminho = Caminho("clima" + std::to_string(horas) + ".bin");
    Escreve_Arquivo(caminho, bytes);
    return caminho;
  }

  // Writes an 8-byte-record file whose record h is (h, -h).
  std::string Grava_Pares(int horas, const std::string& nome) {
    std::string bytes;
    for (int h = 0; h < horas; ++h) bytes += Bytes(h) + Bytes(-h);
    std::string caminho = Caminho(nome);
    Escreve_Arquivo(caminho, bytes);
    return caminho;
  }

  void SetUp() override {
    ArqauxTest::SetUp();
    std::memset(&cidade, 0, sizeof(cidade));
    std::strcpy(cidade.Nome, "Cidade de Teste");
    cidade.Latitude = -23.5f;
    cidade.Ano = 2001;
  }

  TCidade cidade;
};

// Record i of a window must hold hour (inicio + i) mod 8760.
void Confere_Janela(const std::vector<TReg_Climatico>& r, int inicio) {
  for (size_t i = 0; i < r.size(); ++i) {
    const TReg_Climatico esperado = Clima_Da_Hora(static_cast<int>((inicio + i) % HORAS));
    ASSERT_EQ(std::memcmp(&r[i], &esperado, sizeof(esperado)), 0) << "record " << i;
  }
}

TEST_F(Climate, ExactYearFileServesEveryWindowWithWrap) {
  std::string caminho = Grava_Clima(HORAS);
  ASSERT_EQ(std::filesystem::file_size(caminho), 210320u);
  ASSERT_NE(geren->Abre_Arquivo(caminho.c_str(), "rb"), 0);

  struct Caso {
    int inicio, quantidade;
  } casos[] = {{0, 24}, {8736, 24}, {8759, 2}, {0, 10000}, {8000, 8760}, {5000, 0}};
  for (const Caso& c : casos) {
    SCOPED_TRACE(std::to_string(c.inicio) + "+" + std::to_string(c.quantidade));
    TCidade lido{};
    std::vector<TReg_Climatico> r(c.quantidade + 1, TReg_Climatico{-1, -1, -1, -1, -1, -1});
    // The header comes back on every window of the same stream.
    ASSERT_TRUE(geren->Bufferiza_Clima(&lido, r.data(), c.inicio, c.quantidade));
    EXPECT_EQ(std::memcmp(&lido, &cidade, sizeof(lido)), 0);
    EXPECT_EQ(r.back().Temperatura, -1.0f);
    r.pop_back();
    Confere_Janela(r, c.inicio);
  }
}

TEST_F(Climate, HeaderIsReadWhereTheStreamStands) {
  ASSERT_NE(geren->Abre_Arquivo(Grava_Clima(2).c_str(), "rb"), 0);
  TCidade lido{};
  ASSERT_TRUE(geren->Carrega_Cabecalho(&lido));
  EXPECT_EQ(std::memcmp(&lido, &cidade, sizeof(lido)), 0);
  // What follows is two records (48 bytes), short of another header.
  EXPECT_FALSE(geren->Carrega_Cabecalho(&lido));

  // A file shorter than its header yields no record, even a zero-count window.
  Escreve_Arquivo(Caminho("curto.bin"), std::string(79, 'x'));
  ASSERT_NE(geren->Abre_Arquivo(Caminho("curto.bin").c_str(), "rb"), 0);
  TReg_Climatico r{-1, -1, -1, -1, -1, -1};
  EXPECT_FALSE(geren->Bufferiza_Clima(&lido, &r, 0, 0));
  EXPECT_EQ(r.Temperatura, -1.0f);
}

TEST_F(Climate, ShortReadsFailAndKeepWhatWasRead) {
  // Half a year and one partial record.
  std::string caminho = Grava_Clima(4380);
  Escreve_Arquivo(caminho, Le_Arquivo(caminho) + "abc");
  ASSERT_NE(geren->Abre_Arquivo(caminho.c_str(), "rb"), 0);
  TCidade lido{};
  std::vector<TReg_Climatico> r(10, TReg_Climatico{-1, -1, -1, -1, -1, -1});
  ASSERT_TRUE(geren->Bufferiza_Clima(&lido, r.data(), 4370, 10));
  Confere_Janela(r, 4370);
  r.assign(10, TReg_Climatico{-1, -1, -1, -1, -1, -1});
  EXPECT_FALSE(geren->Bufferiza_Clima(&lido, r.data(), 4375, 10));
  Confere_Janela(std::vector<TReg_Climatico>(r.begin(), r.begin() + 5), 4375);
  EXPECT_EQ(r[6].Temperatura, -1.0f);
  EXPECT_FALSE(geren->Bufferiza_Clima(&lido, r.data(), 6000, 1));

  // A whole year, but the wrapped part would need hours 0..8760.
  ASSERT_NE(geren->Abre_Arquivo(Grava_Clima(HORAS).c_str(), "rb"), 0);
  r.assign(2 * HORAS + 1, TReg_Climatico{});
  EXPECT_FALSE(geren->Bufferiza_Clima(&lido, r.data(), 0, static_cast<int>(r.size())));
  Confere_Janela(std::vector<TReg_Climatico>(r.begin(), r.begin() + 2 * HORAS), 0);
}

TEST_F(Climate, BadArgumentsAndNoStreamFailWithoutReading) {
  TCidade lido{};
  TReg_Climatico r{-1, -1, -1, -1, -1, -1};
  TReg_Solo s{-1, -1};
  // No current stream yet.
  EXPECT_FALSE(geren->Bufferiza_Clima(&lido, &r, 0, 1));
  EXPECT_FALSE(geren->Bufferiza_Solo(&s, 0, 1));
  EXPECT_FALSE(geren->Carrega_Cabecalho(&lido));

  ASSERT_NE(geren->Abre_Arquivo(Grava_Clima(HORAS).c_str(), "rb"), 0);
  EXPECT_FALSE(geren->Bufferiza_Clima(nullptr, &r, 0, 1));
  EXPECT_FALSE(geren->Bufferiza_Clima(&lido, nullptr, 0, 1));
  EXPECT_FALSE(geren->Carrega_Cabecalho(nullptr));
  EXPECT_FALSE(geren->Bufferiza_Clima(&lido, &r, -1, 1));
  EXPECT_FALSE(geren->Bufferiza_Clima(&lido, &r, 0, -1));
  EXPECT_FALSE(geren->Bufferiza_Clima(&lido, &r, 8761, 1));
  EXPECT_FALSE(geren->Bufferiza_Clima(&lido, &r, 2147483647, 0));
  EXPECT_FALSE(geren->Bufferiza_Clima(&lido, &r, 2147483647, 2147483647));
  EXPECT_EQ(r.Temperatura, -1.0f);
  EXPECT_FALSE(geren->Bufferiza_Solo(nullptr, 0, 1));
}

TEST_F(Climate, SoilAndInteriorWindowsWrapWithoutHeader) {
  std::string solo = Grava_Pares(HORAS, "solo.bin");
  std::string ti = Grava_Pares(HORAS, "interno.ti");
  ASSERT_EQ(std::filesystem::file_size(solo), 70080u);
  int n_solo = geren->Abre_Arquivo(solo.c_str(), "rb");
  int n_ti = geren->Abre_Arquivo(ti.c_str(), "rb");
  ASSERT_NE(n_ti, 0);

  TReg_Temp_Umi t[3];
  ASSERT_TRUE(geren->Bufferiza_Reg_Climatico(t, 8759, 3));
  EXPECT_EQ(Bytes(t[0].Temperatura) + Bytes(t[0].Umidade), Bytes(8759) + Bytes(-8759));
  EXPECT_EQ(t[1].Temperatura, 0.0f);
  EXPECT_EQ(t[2].Umidade, -1.0f);

  geren->Muda_Arquivo(n_solo);
  TReg_Solo s[2];
  ASSERT_TRUE(geren->Bufferiza_Solo(s, 8760, 2));  // hour 8760 is hour 0 again
  EXPECT_EQ(s[0].Temperatura, 0.0f);
  EXPECT_EQ(s[1].Temperatura, 1.0f);
  ASSERT_TRUE(geren->Bufferiza_Solo(s, 100, 1));
  EXPECT_EQ(s[0].Umidade, -100.0f);
  EXPECT_TRUE(geren->Bufferiza_Solo(s, 0, 0));
}

// Interior-climate conversion: text to .ti and the rewritten path.
class InteriorClimate : public ArqauxTest {
 protected:
  // A buffer of exactly strlen(caminho) + 4 bytes, so that a write past the
  // promised room is caught by the sanitizer build.
  static std::unique_ptr<char[]> Buffer(const std::string& caminho) {
    std::unique_ptr<char[]> b(new char[caminho.size() + 4]);
    std::memcpy(b.get(), caminho.c_str(), caminho.size() + 1);
    return b;
  }
};

TEST_F(InteriorClimate, ConvertsAYearOfPairsByteForByte) {
  std::string texto;
  std::string esperado;
  for (int h = 0; h < HORAS; ++h) {
    float t = 18.25f + (h % 24) * 0.5f;
    float u = 0.0075f + (h % 7) * 0.001f;
    char linha[64];
    std::snprintf(linha, sizeof(linha), "%f %f\n", t, u);
    texto += linha;
    float lt = 0, lu = 0;
    std::sscanf(linha, "%f %f", &lt, &lu);
    esperado += Bytes(lt) + Bytes(lu);
  }
  Escreve_Arquivo(Caminho("interno.txt"), texto);
  auto b = Buffer(Caminho("interno.txt"));
  ASSERT_TRUE(geren->Converte_Clima_Interno_TXT_Binario(b.get()));
  EXPECT_EQ(std::string(b.get()), Caminho("interno.ti"));
  EXPECT_EQ(Le_Arquivo(Caminho("interno.ti")), esperado);
  // Both files are closed; the registry is empty again.
  EXPECT_EQ(geren->Ultimo_Arquivo_Valido(), 0);
  EXPECT_EQ(geren->ObtemArquivo(), nullptr);
}

TEST_F(InteriorClimate, MissingHoursAreZeros) {
  // Three pairs, then a line that does not scan: everything after it is zero.
  Escreve_Arquivo(Caminho("curto.txt"), "1.5 0.25\n2 0.5\n  3\t0.75\nabc 4\n5 6\n");
  auto b = Buffer(Caminho("curto.txt"));
  ASSERT_TRUE(geren->Converte_Clima_Interno_TXT_Binario(b.get()));
  std::string esperado =
      Bytes(1.5f) + Bytes(0.25f) + Bytes(2) + Bytes(0.5f) + Bytes(3) + Bytes(0.75f);
  esperado.resize(HORAS * 8, '\0');
  EXPECT_EQ(Le_Arquivo(Caminho("curto.ti")), esperado);

  Escreve_Arquivo(Caminho("vazio.txt"), "");
  b = Buffer(Caminho("vazio.txt"));
  ASSERT_TRUE(geren->Converte_Clima_Interno_TXT_Binario(b.get()));
  EXPECT_EQ(Le_Arquivo(Caminho("vazio.ti")), std::string(HORAS * 8, '\0'));
}

TEST_F(InteriorClimate, OutputNameRules) {
  namespace fs = std::filesystem;
  fs::create_directory(Caminho("a.b"));
  // Relative paths are taken from inside the test directory.
  const fs::path anterior = fs::current_path();
  fs::current_path(dir);
  const std::string pasta = "../" + fs::path(dir).filename().string();
  struct Caso {
    std::string entrada, saida;
  } casos[] = {
      // The path is cut at its first '.', even in a directory name.
      {Caminho("a.b/interno.txt"), Caminho("a.ti")},
      // No '.': the whole path gains ".ti".
      {Caminho("interno"), Caminho("interno.ti")},
      // Leading dots ("./", "../") are never a cut point.
      {"./rel.dados.txt", "./rel.ti"},
      {"./semponto", "./semponto.ti"},
      {pasta + "/acima.txt", pasta + "/acima.ti"},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.entrada);
    Escreve_Arquivo(c.entrada, "20 0.01\n");
    auto b = Buffer(c.entrada);
    EXPECT_TRUE(geren->Converte_Clima_Interno_TXT_Binario(b.get()));
    EXPECT_EQ(std::string(b.get()), c.saida);
    EXPECT_EQ(fs::exists(c.saida) ? fs::file_size(c.saida) : 0u, HORAS * 8u);
  }
  fs::current_path(anterior);
}

TEST_F(InteriorClimate, UnopenableFilesFail) {
  auto b = Buffer(Caminho("falta.txt"));
  EXPECT_FALSE(geren->Converte_Clima_Interno_TXT_Binario(b.get()));
  EXPECT_EQ(std::string(b.get()), Caminho("falta.txt"));
  // The output name is a directory.
  std::filesystem::create_directory(Caminho("ocupado.ti"));
  Escreve_Arquivo(Caminho("ocupado.txt"), "1 2\n");
  b = Buffer(Caminho("ocupado.txt"));
  EXPECT_FALSE(geren->Converte_Clima_Interno_TXT_Binario(b.get()));
  EXPECT_FALSE(geren->Converte_Clima_Interno_TXT_Binario(nullptr));
}

}  // namespace
