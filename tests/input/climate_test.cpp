// Climate, soil and interior-climate windows with the year wrap, and the
// conversion of interior-climate text into its .ti file.
#include <sys/resource.h>

#include <climits>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "support/fixture.h"

namespace {

namespace fs = std::filesystem;

constexpr int kHoras = ARQAUX_HORAS_ANO;
const TReg_Climatico kIntocado = {-1, -1, -1, -1, -1, -1};

template <typename T>
std::string Bytes(const T& v) {
  return std::string(reinterpret_cast<const char*>(&v), sizeof v);
}

// A climate record whose every field tells its hour.
TReg_Climatico Clima_Da_Hora(int h) {
  const float f = static_cast<float>(h);
  return {f, f + 0.5f, f + 1, f + 2, f + 3, f + 4};
}

// The bytes records r[de .. ate - 1] must hold: hour (inicio + i) mod 8760
// for record i, and kIntocado past the end of the window.
std::string Esperado(int inicio, int de, int ate, int janela) {
  std::string bytes;
  for (int i = de; i < ate; ++i) {
    bytes += i < janela ? Bytes(Clima_Da_Hora((inicio + i) % kHoras)) : Bytes(kIntocado);
  }
  return bytes;
}

std::string Lidos(const std::vector<TReg_Climatico>& r, int de, int ate) {
  return std::string(reinterpret_cast<const char*>(r.data() + de), (ate - de) * sizeof r[0]);
}

class Climate : public ArqauxTest {
 protected:
  void SetUp() override {
    ArqauxTest::SetUp();
    std::memset(&cidade, 0, sizeof cidade);
    std::strcpy(cidade.Nome, "Cidade de Teste");
    cidade.Latitude = -23.5f;
    cidade.Ano = 2001;
  }
  // Opens a climate file of the header and the records of hours 0..horas-1.
  void Abre_Clima(int horas, const std::string& cauda = "") {
    std::string bytes = Bytes(cidade);
    for (int h = 0; h < horas; ++h) bytes += Bytes(Clima_Da_Hora(h));
    const std::string caminho = Caminho("clima" + std::to_string(horas) + ".bin");
    Escreve_Arquivo(caminho, bytes + cauda);
    ASSERT_NE(geren->Abre_Arquivo(caminho.c_str(), "rb"), 0);
  }
  // Reads a window into r (the window and a spare record, all kIntocado).
  bool Janela(int inicio, int quantidade) {
    r.assign(static_cast<size_t>(quantidade) + 1, kIntocado);
    lido = TCidade{};
    return geren->Bufferiza_Clima(&lido, r.data(), inicio, quantidade);
  }
  TCidade cidade, lido;
  std::vector<TReg_Climatico> r;
};

// Windows of a file of a whole year, exactly 80 + 24 * 8760 bytes, wrap at
// its end (a second wrap would not), and each window of the same stream
// gives the header again. In a file of half a year and a tail, a short
// record block fails; the whole records read before it stay, and the rest of
// the array, the slot of a partial record included, is as the caller left it.
TEST_F(Climate, WindowsWrapAndShortReadsKeepWholeRecordsOnly) {
  const struct {
    int horas, inicio, quantidade;
    bool ok;
    int janela;  // records read
  } casos[] = {{kHoras, 0, 24, true, 24},
               {kHoras, 8736, 24, true, 24},
               {kHoras, 8759, 2, true, 2},
               {kHoras, 0, 10000, true, 10000},
               {kHoras, 8000, kHoras, true, kHoras},
               {kHoras, 5000, 0, true, 0},
               {kHoras, 0, 17521, false, 17520},
               {4380, 4370, 10, true, 10},
               {4380, 4375, 10, false, 5},
               {4380, 6000, 1, false, 0}};
  Abre_Clima(kHoras);
  ASSERT_EQ(fs::file_size(Caminho("clima8760.bin")), ARQAUX_TAM_ARQUIVO_CLIMA);
  int aberta = kHoras;  // the hours of the file on the current stream
  for (const auto& c : casos) {
    SCOPED_TRACE(std::to_string(c.horas) + ": " + std::to_string(c.inicio) + "+" +
                 std::to_string(c.quantidade));
    if (c.horas != aberta) Abre_Clima(aberta = c.horas, "abc");
    ASSERT_EQ(Janela(c.inicio, c.quantidade), c.ok);
    if (c.ok) {
      EXPECT_EQ(Bytes(lido), Bytes(cidade));
    }
    EXPECT_EQ(Lidos(r, 0, c.quantidade + 1), Esperado(c.inicio, 0, c.quantidade + 1, c.janela));
  }
}

// Bad arguments, no stream or a short header fail without reading.
TEST_F(Climate, BadArgumentsNoStreamAndShortHeadersReadNothing) {
  TReg_Climatico c = kIntocado;
  TReg_Solo s{-1, -1};
  EXPECT_FALSE(geren->Bufferiza_Clima(&lido, &c, 0, 1));  // no current stream
  EXPECT_FALSE(geren->Bufferiza_Solo(&s, 0, 1));
  EXPECT_FALSE(geren->Carrega_Cabecalho(&lido));

  Abre_Clima(kHoras);
  EXPECT_FALSE(geren->Bufferiza_Clima(nullptr, &c, 0, 1));
  EXPECT_FALSE(geren->Bufferiza_Clima(&lido, nullptr, 0, 1));
  EXPECT_FALSE(geren->Carrega_Cabecalho(nullptr));
  EXPECT_FALSE(geren->Bufferiza_Solo(nullptr, 0, 1));
  const int casos[][2] = {{-1, 1}, {0, -1}, {8761, 1}, {INT_MAX, 0}, {INT_MAX, INT_MAX}};
  for (const auto& k : casos) EXPECT_FALSE(geren->Bufferiza_Clima(&lido, &c, k[0], k[1]));
  EXPECT_EQ(Bytes(c), Bytes(kIntocado));
  EXPECT_EQ(s.Temperatura, -1.0f);
  // The header is read where the stream stands: after one header, two
  // records (48 bytes) are short of another.
  Abre_Clima(2);
  ASSERT_TRUE(geren->Carrega_Cabecalho(&lido));
  EXPECT_EQ(Bytes(lido), Bytes(cidade));
  EXPECT_FALSE(geren->Carrega_Cabecalho(&lido));
  // Shorter than its header: no record, even for a zero-count window.
  Escreve_Arquivo(Caminho("curto.bin"), std::string(79, 'x'));
  ASSERT_NE(geren->Abre_Arquivo(Caminho("curto.bin").c_str(), "rb"), 0);
  EXPECT_FALSE(Janela(0, 0));
  EXPECT_EQ(Bytes(r[0]), Bytes(kIntocado));
}

// Soil and interior-climate files are 8-byte records with no header.
TEST_F(Climate, SoilAndInteriorWindowsWrapWithoutHeader) {
  std::string pares;
  for (int h = 0; h < kHoras; ++h) pares += Bytes(float(h)) + Bytes(float(-h));
  Escreve_Arquivo(Caminho("solo.bin"), pares);
  Escreve_Arquivo(Caminho("interno.ti"), pares);
  const int n_solo = geren->Abre_Arquivo(Caminho("solo.bin").c_str(), "rb");
  ASSERT_NE(geren->Abre_Arquivo(Caminho("interno.ti").c_str(), "rb"), 0);

  TReg_Temp_Umi t[3];
  ASSERT_TRUE(geren->Bufferiza_Reg_Climatico(t, 8759, 3));
  EXPECT_EQ(Bytes(t), Bytes(float(8759)) + Bytes(float(-8759)) + pares.substr(0, 16));
  geren->Muda_Arquivo(n_solo);
  TReg_Solo s[2];
  ASSERT_TRUE(geren->Bufferiza_Solo(s, kHoras, 2));  // hour 8760 is hour 0 again
  EXPECT_EQ(Bytes(s), pares.substr(0, 16));
  ASSERT_TRUE(geren->Bufferiza_Solo(s, 100, 1));
  EXPECT_EQ(Bytes(s[0]), pares.substr(800, 8));
}

// Interior-climate conversion: text to .ti and the rewritten path.
class InteriorClimate : public ArqauxTest {
 protected:
  // Converts the text file at caminho through a buffer of exactly
  // strlen(caminho) + 4 bytes (so that a write past the promised room is
  // caught by the sanitizer build), leaving the rewritten path in nome.
  bool Converte(const std::string& caminho) {
    std::unique_ptr<char[]> b(new char[caminho.size() + 4]);
    std::memcpy(b.get(), caminho.c_str(), caminho.size() + 1);
    const bool ok = geren->Converte_Clima_Interno_TXT_Binario(b.get());
    nome = b.get();
    return ok;
  }
  std::string nome;
};

// Every line of a year becomes one record; hours the text does not supply
// (a short file, or a line that does not scan) are zeros, and both files
// are closed. The output's name is the path cut at its first '.', even in a
// directory name, or the whole path and ".ti" when it has none; leading dots
// ("./", "../") are never a cut point. Relative paths are taken from inside
// the test directory.
TEST_F(InteriorClimate, ConvertsPairsZerosTheMissingHoursAndNamesTheOutput) {
  std::string ano, registros;
  for (int h = 0; h < kHoras; ++h) {
    ano += std::to_string(h) + " " + std::to_string(h % 7) + ".125\n";
    registros += Bytes(float(h)) + Bytes(h % 7 + 0.125f);
  }
  const auto com_zeros = [](std::string bytes) { return bytes.resize(kHoras * 8, '\0'), bytes; };
  const std::string curto = com_zeros(Bytes(1.5f) + Bytes(0.25f) + Bytes(2.0f) + Bytes(0.5f) +
                                      Bytes(3.0f) + Bytes(0.75f));
  const std::string um = com_zeros(Bytes(20.0f) + Bytes(0.01f));
  fs::create_directory(Caminho("a.b"));
  const fs::path anterior = fs::current_path();
  fs::current_path(dir);
  const std::string pasta = "../" + fs::path(dir).filename().string();
  const struct {
    std::string entrada, texto, saida, bytes;
  } casos[] = {
      {Caminho("ano.txt"), ano, Caminho("ano.ti"), registros},
      {Caminho("curto.txt"), "1.5 0.25\n2 0.5\n  3\t0.75\nabc 4\n5 6\n", Caminho("curto.ti"),
       curto},
      {Caminho("a.b/interno.txt"), "20 0.01\n", Caminho("a.ti"), um},
      {Caminho("interno"), "20 0.01\n", Caminho("interno.ti"), um},
      {"./rel.dados.txt", "20 0.01\n", "./rel.ti", um},
      {pasta + "/acima.txt", "20 0.01\n", pasta + "/acima.ti", um},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.entrada);
    Escreve_Arquivo(c.entrada, c.texto);
    EXPECT_TRUE(Converte(c.entrada));
    EXPECT_EQ(nome, c.saida);
    EXPECT_EQ(Le_Arquivo(c.saida), c.bytes);
    EXPECT_EQ(geren->Ultimo_Arquivo_Valido(), 0);
    EXPECT_EQ(geren->ObtemArquivo(), nullptr);
  }
  fs::current_path(anterior);
}

TEST_F(InteriorClimate, UnopenableOrUnwritableFilesFail) {
  EXPECT_FALSE(Converte(Caminho("falta.txt")));
  EXPECT_EQ(nome, Caminho("falta.txt"));
  // The output name is a directory.
  fs::create_directory(Caminho("ocupado.ti"));
  Escreve_Arquivo(Caminho("ocupado.txt"), "1 2\n");
  EXPECT_FALSE(Converte(Caminho("ocupado.txt")));
  EXPECT_FALSE(geren->Converte_Clima_Interno_TXT_Binario(nullptr));

  // A write that fails as it is made: the output is a full device.
  fs::create_symlink("/dev/full", Caminho("cheio.ti"));
  Escreve_Arquivo(Caminho("cheio.txt"), "1 2\n");
  EXPECT_FALSE(Converte(Caminho("cheio.txt")));

  // A write that fails only when the buffered tail of the year is flushed:
  // files may not grow past a limit a little beyond the stream's buffer.
  rlimit antes;
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &antes), 0);
  rlimit limite = antes;
  limite.rlim_cur = 66000;
  ASSERT_LE(limite.rlim_cur, antes.rlim_max);
  Escreve_Arquivo(Caminho("limite.txt"), "1 2\n");
  const auto sinal = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limite), 0);
  const bool convertido = Converte(Caminho("limite.txt"));
  setrlimit(RLIMIT_FSIZE, &antes);
  std::signal(SIGXFSZ, sinal);
  EXPECT_FALSE(convertido);
  EXPECT_EQ(fs::file_size(Caminho("limite.ti")), 66000u);
}

}  // namespace
