// Two streams compared to their ends, two projects compared file by file,
// and the interface type from the sizes of a project's geometry files.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "support/fixture.h"

namespace {

namespace fs = std::filesystem;

const char* const kExtensoes[] = {".geo", ".cli", ".eqpv", ".gi", ".pv",
                                  ".ter", ".vnt", ".par",  ".prj"};

// The tests change the working directory, as the operations do; each puts
// it back, for the tests run in one process.
class Projetos : public ArqauxTest {
 protected:
  void SetUp() override {
    ArqauxTest::SetUp();
    volta_ = open(".", O_RDONLY | O_DIRECTORY);
    ASSERT_GE(volta_, 0);
  }
  void TearDown() override {
    EXPECT_EQ(fchdir(volta_), 0);
    close(volta_);
    ArqauxTest::TearDown();
  }
  // Writes file nome in the data folder of projeto, creating the folder.
  void Escreve(const std::string& projeto, const std::string& nome, const std::string& texto) {
    fs::create_directories(Caminho("#" + projeto));
    Escreve_Arquivo(Caminho("#" + projeto + "/" + nome), texto);
  }
  static std::string Atual() { return fs::current_path().string(); }

 private:
  int volta_ = -1;
};

// A text of n bytes, with byte k changed when k >= 0.
std::string Texto(size_t n, long k = -1) {
  std::string t(n, 'a');
  for (size_t i = 0; i < n; ++i) t[i] = static_cast<char>('a' + i * 7 % 23);
  if (k >= 0) t[static_cast<size_t>(k)] ^= 1;
  return t;
}

// Whole files from a position on each; byte 8192 is the first of the
// second block read.
TEST_F(Projetos, StreamsDifferAtAnyByteOrLengthFromTheirPositions) {
  const size_t kGrande = 3 * 8192;
  struct Caso {
    const char* nome;
    std::string a, b;
    long pos_a, pos_b;
    bool difere;
  } casos[] = {
      {"both empty", "", "", 0, 0, false},
      {"equal over three blocks", Texto(kGrande), Texto(kGrande), 0, 0, false},
      {"byte 0", Texto(kGrande, 0), Texto(kGrande), 0, 0, true},
      {"last byte of a block", Texto(kGrande, 8191), Texto(kGrande), 0, 0, true},
      {"first byte of a block", Texto(kGrande), Texto(kGrande, 8192), 0, 0, true},
      {"last byte", Texto(kGrande), Texto(kGrande, kGrande - 1), 0, 0, true},
      {"first has a trailing byte", Texto(kGrande) + "x", Texto(kGrande), 0, 0, true},
      {"second has a trailing byte", Texto(100), Texto(100) + "\n", 0, 0, true},
      {"second is empty", "x", "", 0, 0, true},
      {"equal from the positions", "abc" + Texto(9000), "z" + Texto(9000), 3, 1, false},
      {"unequal only before the positions", "ab", "xb", 1, 1, false},
      {"positions leave one byte more", "abc", "bc", 0, 0, true},
  };
  std::string falhas;
  for (const Caso& c : casos) {
    Escreve_Arquivo(Caminho("a"), c.a);
    Escreve_Arquivo(Caminho("b"), c.b);
    FILE* a = std::fopen(Caminho("a").c_str(), "r");
    FILE* b = std::fopen(Caminho("b").c_str(), "r");
    std::fseek(a, c.pos_a, SEEK_SET);
    std::fseek(b, c.pos_b, SEEK_SET);
    if (geren->CompararFile(a, b) != c.difere) falhas += std::string(c.nome) + "\n";
    std::fclose(a);
    std::fclose(b);
  }
  EXPECT_EQ(falhas, "");
}

// A read error flagged on either stream is a difference, even where both
// yield no byte; a stream given twice is read in alternate byte pairs.
TEST_F(Projetos, ReadErrorsNullStreamsAndOneStreamTwice) {
  Escreve_Arquivo(Caminho("vazio"), "");
  fs::create_directory(Caminho("pasta"));
  const auto abre = [&](const char* nome, const char* modo) {
    return std::fopen(Caminho(nome).c_str(), modo);
  };
  struct Caso {
    const char* nome;
    FILE *a, *b;
  } casos[] = {
      {"directory, empty", abre("pasta", "r"), abre("vazio", "r")},
      {"empty, directory", abre("vazio", "r"), abre("pasta", "r")},
      {"write-only, empty", abre("vazio", "a"), abre("vazio", "r")},
      {"empty, write-only", abre("vazio", "r"), abre("vazio", "a")},
      {"null, empty", nullptr, abre("vazio", "r")},
      {"empty, null", abre("vazio", "r"), nullptr},
  };
  std::string falhas;
  for (const Caso& c : casos) {
    if (!geren->CompararFile(c.a, c.b)) falhas += std::string(c.nome) + " compared equal\n";
    for (FILE* f : {c.a, c.b}) {
      if (f != nullptr) std::fclose(f);
    }
  }
  const struct {
    std::string texto;
    bool difere;
  } pares[] = {{"", false},
               {"aabb", false},
               {"aab", true},
               {"ab", true},
               {std::string(8192, 'q') + "qr", true},
               {std::string(16386, 'q'), false}};
  for (const auto& p : pares) {
    Escreve_Arquivo(Caminho("pares"), p.texto);
    FILE* f = abre("pares", "r");
    if (geren->CompararFile(f, f) != p.difere) falhas += "pairs of " + p.texto.substr(0, 8) + "\n";
    std::fclose(f);
  }
  EXPECT_EQ(falhas, "");
}

// Projects Casa and Copia with their nine plain files equal, and "NEW" files
// of all nine extensions whose ".par" and ".prj" differ: which files a
// comparison reads shows in which changes it sees. Each file of Copia is
// changed at its last byte, then removed, in turn.
TEST_F(Projetos, ProjectsCompareTheirNineFilesByTheNamingRules) {
  std::vector<std::string> nomes;
  for (const std::string p : {"Casa", "Copia"}) {
    for (const std::string e : kExtensoes) {
      Escreve(p, p + e, Texto(50) + e);
      Escreve(p, "NEW" + p + e, (e == ".par" || e == ".prj" ? p : "") + e + Texto(30));
      if (p == "Copia") nomes.insert(nomes.end(), {p + e, "NEW" + p + e});
    }
  }
  const std::string kComparados[2] = {
      " Copia.geo Copia.cli Copia.eqpv Copia.gi Copia.pv Copia.ter Copia.vnt Copia.par Copia.prj ",
      " NEWCopia.geo NEWCopia.cli NEWCopia.eqpv NEWCopia.gi NEWCopia.pv NEWCopia.ter NEWCopia.vnt "
      "Copia.par Copia.prj "};
  const int outro = geren->Abre_Arquivo(Caminho("outro").c_str(), "wt");
  FILE* atual = geren->ObtemArquivo();
  std::string falhas;
  for (int prefixo = 0; prefixo < 2; ++prefixo) {
    const std::string compara = prefixo ? "with NEW, " : "plain, ";
    if (geren->ComparaProjeto("Casa", "Copia", dir, prefixo)) falhas += compara + "unchanged\n";
    for (const std::string& nome : nomes) {
      const bool visto = kComparados[prefixo].find(" " + nome + " ") != std::string::npos;
      const std::string arquivo = Caminho("#Copia/" + nome);
      const std::string original = Le_Arquivo(arquivo);
      Escreve_Arquivo(arquivo, original.substr(0, original.size() - 1) + "#");
      if (geren->ComparaProjeto("Casa", "Copia", dir, prefixo) != visto) {
        falhas += compara + nome + " changed\n";
      }
      fs::remove(arquivo);
      if (geren->ComparaProjeto("Casa", "Copia", dir + "/", prefixo) != visto) {
        falhas += compara + nome + " removed\n";
      }
      Escreve_Arquivo(arquivo, original);
    }
  }
  EXPECT_EQ(falhas, "");
  // The directory is left in the second project's data folder; the current
  // stream and the registry are as they were.
  EXPECT_EQ(Atual(), Caminho("#Copia"));
  EXPECT_EQ(geren->ObtemArquivo(), atual);
  EXPECT_EQ(geren->Numero_Arquivos(), outro);

  // A second project without a data folder differs, even where the first
  // folder holds files of its names.
  for (const char* e : kExtensoes) Escreve("Casa", std::string("Sem") + e, Texto(50) + e);
  EXPECT_TRUE(geren->ComparaProjeto("Casa", "Sem", dir, false));
  EXPECT_TRUE(fs::equivalent(Atual(), Caminho("#Casa")));
}

// Sizes of the "NEW" and plain geometry files (-1: missing) and the type.
TEST_F(Projetos, InterfaceTypeFromTheTwoGeometrySizes) {
  const struct {
    long novo, plano;
    bool tipo;
  } casos[] = {
      {-1, 10, false}, {-1, -1, false},    {10, -1, true},      {10, 0, true},   {0, 0, true},
      {2033, 0, true}, {2033, 10, false},  {2033, 5000, false}, {10, 10, false}, {11, 10, true},
      {9, 10, false},  {2034, 2033, true}, {2032, 2033, false},
  };
  std::string esperado, obtido;
  for (const auto& c : casos) {
    fs::remove_all(Caminho("#Casa"));
    fs::create_directory(Caminho("#Casa"));
    if (c.novo >= 0) Escreve("Casa", "NEWCasa.geo", std::string(c.novo, 'n'));
    if (c.plano >= 0) Escreve("Casa", "Casa.geo", std::string(c.plano, 'p'));
    const std::string linha = std::to_string(c.novo) + " " + std::to_string(c.plano) + ": ";
    esperado += linha + std::to_string(c.tipo) + "\n";
    obtido += linha + std::to_string(geren->Tipo_Interface_Projeto(dir + "/Casa.prj")) + "\n";
  }
  EXPECT_EQ(obtido, esperado);
}

// The folder is the path's directory, "\#" and the file name up to its last
// '.'; the path splits at its last '\' or '/'. A Windows path relative to
// the directory holds the doubled backslash the rule makes.
TEST_F(Projetos, InterfacePathGivesTheDataFolder) {
  const struct {
    std::string caminho, pasta, projeto;
  } casos[] = {
      {"C:\\P\\Casa.prj", "C:/P/#Casa", "Casa"},
      {"/Casa.prj", "#Casa", "Casa"},
      {"/Casa", "#Casa", "Casa"},
      {"/Casa.v2.prj", "#Casa.v2", "Casa.v2"},
      {"\\sub\\Casa.prj", "sub/#Casa", "Casa"},
  };
  ASSERT_EQ(chdir(dir.c_str()), 0);
  for (const auto& c : casos) {
    SCOPED_TRACE(c.caminho);
    fs::create_directories(Caminho(c.pasta));
    Escreve_Arquivo(Caminho(c.pasta + "/NEW" + c.projeto + ".geo"), "x");
    ASSERT_EQ(chdir(dir.c_str()), 0);
    const std::string caminho = c.caminho[0] == 'C' ? c.caminho : dir + c.caminho;
    EXPECT_TRUE(geren->Tipo_Interface_Projeto(caminho));
    EXPECT_EQ(Atual(), Caminho(c.pasta));
  }
}

}  // namespace
