// Two streams compared to their ends, two projects compared file by file,
// and the interface type from the sizes of a project's geometry files.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/fixture.h"

namespace {

namespace fs = std::filesystem;

// The operations change the working directory; each test puts it back, for
// the tests run in one process.
class Projetos : public ArqauxTest {
 protected:
  void SetUp() override { ArqauxTest::SetUp(), volta_ = open(".", O_RDONLY | O_DIRECTORY); }
  void TearDown() override { EXPECT_EQ(fchdir(volta_) + close(volta_), 0), ArqauxTest::TearDown(); }
  // Opens nome (but ".") holding texto, past its first '|' if any.
  FILE* Abre(const std::string& nome, const std::string& texto, const char* modo = "r") {
    if (nome != ".") Escreve_Arquivo(Caminho(nome), texto);
    FILE* f = std::fopen(Caminho(nome).c_str(), modo);
    std::fseek(f, static_cast<long>(texto.find('|') + 1), SEEK_SET);
    return f;
  }

 private:
  int volta_ = -1;
};

// A text of n bytes, byte k changed when k >= 0; byte 8192 starts a block.
std::string Texto(size_t n, long k = -1) {
  std::string t(n, 'a');
  for (size_t i = 0; i < n; ++i) t[i] = static_cast<char>('a' + i * 7 % 23);
  if (k >= 0) t[k] ^= 1;
  return t;
}

// Each case: the two texts (read from past a '|'), the second stream's mode
// and whether they differ. A directory opened as a file (first) and a stream
// opened for writing only (second) are in error where both yield no byte. A
// second text "=" gives the first stream twice: it is read in byte pairs. A
// null stream differs.
TEST_F(Projetos, StreamsDifferAtAByteALengthOrAReadError) {
  const size_t g = 3 * 8192;
  const struct {
    std::string a, b;
    const char* modo_b;
    bool difere;
  } casos[] = {{"", "", "r", false},
               {Texto(g), Texto(g), "r", false},
               {Texto(g, 8191), Texto(g), "r", true},
               {Texto(g), Texto(g, 8192), "r", true},
               {Texto(g) + "x", Texto(g), "r", true},
               {"", "\n", "r", true},
               {"ab|" + Texto(9000), "x|" + Texto(9000), "r", false},
               {"/", "", "r", true},
               {"", "", "a", true},
               {"aabb", "=", "r", false},
               {"aab", "=", "r", true},
               {std::string(8192, 'q') + "qr", "=", "r", true}};
  std::string falhas;
  for (const auto& c : casos) {
    FILE* a = Abre(c.a == "/" ? "." : "a", c.a);
    FILE* b = c.b == "=" ? a : Abre("b", c.b, c.modo_b);
    if (geren->CompararFile(a, b) != c.difere) falhas += c.a.substr(0, 9) + c.modo_b + "\n";
    if (!geren->CompararFile(a, nullptr)) falhas += c.a.substr(0, 9) + " and null\n";
    std::fclose(a);
    if (b != a) std::fclose(b);
  }
  EXPECT_EQ(falhas, "");
}

// Casa and Copia with equal plain files, and "NEW" files of all nine
// extensions whose ".par" and ".prj" differ: which files a comparison reads
// shows in which changes it sees. Each file of Copia is changed at its last
// byte, then removed, in turn.
TEST_F(Projetos, ProjectsCompareTheirNineFilesByTheNamingRules) {
  std::vector<std::string> nomes;
  for (const std::string p : {"Casa", "Copia"}) {
    fs::create_directory(Caminho("#" + p));
    for (const std::string e :
         {".geo", ".cli", ".eqpv", ".gi", ".pv", ".ter", ".vnt", ".par", ".prj"}) {
      Escreve_Arquivo(Caminho("#" + p + "/" + p + e), Texto(50) + e);
      Escreve_Arquivo(Caminho("#" + p + "/NEW" + p + e), (e == ".par" || e == ".prj" ? p : "") + e);
      nomes.insert(nomes.end(), {p + e, "NEW" + p + e});
    }
  }
  const std::string vistos[2] = {
      " Copia.geo Copia.cli Copia.eqpv Copia.gi Copia.pv Copia.ter Copia.vnt Copia.par Copia.prj ",
      " NEWCopia.geo NEWCopia.cli NEWCopia.eqpv NEWCopia.gi NEWCopia.pv NEWCopia.ter NEWCopia.vnt "
      "Copia.par Copia.prj "};
  const int outro = geren->Abre_Arquivo(Caminho("outro").c_str(), "wt");
  FILE* atual = geren->ObtemArquivo();
  std::string falhas;
  for (int novo = 0; novo < 2; ++novo) {
    if (geren->ComparaProjeto("Casa", "Copia", dir, novo)) falhas += "unchanged\n";
    for (size_t k = 18; k < nomes.size(); ++k) {
      const std::string arquivo = Caminho("#Copia/" + nomes[k]), original = Le_Arquivo(arquivo);
      const bool visto = vistos[novo].find(" " + nomes[k] + " ") != std::string::npos;
      Escreve_Arquivo(arquivo, original.substr(0, original.size() - 1) + "#");
      if (geren->ComparaProjeto("Casa", "Copia", dir, novo) != visto) falhas += nomes[k] + "\n";
      fs::remove(arquivo);
      if (geren->ComparaProjeto("Casa", "Copia", "../", novo) != visto) falhas += nomes[k];
      Escreve_Arquivo(arquivo, original);
      fs::copy(arquivo, Caminho("#Copia/Sem" + nomes[k]), fs::copy_options::skip_existing);
    }
  }
  EXPECT_EQ(falhas, "");
  // Left in the second project's folder, where a relative directory was
  // taken from; current stream and registry kept.
  EXPECT_EQ(fs::current_path(), Caminho("#Copia"));
  EXPECT_EQ(geren->ObtemArquivo(), atual);
  EXPECT_EQ(geren->Numero_Arquivos(), outro);
  // A FIFO in place of a file does not open, and is not waited on.
  fs::remove(Caminho("#Copia/Copia.cli"));
  ASSERT_EQ(mkfifo(Caminho("#Copia/Copia.cli").c_str(), 0600), 0);
  EXPECT_TRUE(geren->ComparaProjeto("Casa", "Copia", dir, false));
  // A second project with no data folder differs, even where the first
  // one's folder, current when the second is not entered, holds equal files
  // of its names.
  EXPECT_TRUE(geren->ComparaProjeto("Copia", "SemCopia", dir, false));
}

// Sizes of the "NEW" and plain geometry files (-1: missing) and the type;
// then paths and the data folder each gives, relative ones taken from the
// test's directory.
TEST_F(Projetos, InterfaceTypeFromTheGeometrySizes) {
  const int tamanhos[][3] = {{-1, 10, 0}, {-1, -1, 0},  {10, -1, 1},     {10, 0, 1},
                             {0, 0, 1},   {2033, 0, 1}, {2033, 10, 0},   {2033, 5000, 0},
                             {10, 10, 0}, {11, 10, 1},  {2034, 2033, 1}, {2032, 2033, 0}};
  const std::pair<std::string, std::string> caminhos[] = {{"C:\\P\\Casa.prj", "C:/P/#Casa"},
                                                          {"/Casa", "#Casa"},
                                                          {"/Casa.v2.prj", "#Casa.v2"},
                                                          {"/s\\Casa.prj", "s/#Casa"},
                                                          {"Casa.prj", "#Casa"}};
  std::string obtido, esperado;
  const auto caso = [&](const std::string& caminho, const std::string& pasta, const int* t) {
    fs::remove_all(Caminho(pasta));
    fs::create_directories(Caminho(pasta));
    const std::string projeto = pasta.substr(pasta.find('#') + 1);
    if (t[0] >= 0) Escreve_Arquivo(Caminho(pasta + "/NEW" + projeto + ".geo"), Texto(t[0]));
    if (t[1] >= 0) Escreve_Arquivo(Caminho(pasta + "/" + projeto + ".geo"), Texto(t[1]));
    ASSERT_EQ(chdir(dir.c_str()), 0);
    const bool tipo = geren->Tipo_Interface_Projeto(caminho[0] == '/' ? dir + caminho : caminho);
    const std::string linha = caminho + " " + std::to_string(t[0]) + " " + std::to_string(t[1]);
    obtido += linha + ": " + std::to_string(tipo) + " in " + fs::current_path().string() + "\n";
    esperado += linha + ": " + std::to_string(t[2]) + " in " + Caminho(pasta) + "\n";
  };
  for (const auto& t : tamanhos) caso("/Casa.prj", "#Casa", t);
  for (const auto& [caminho, pasta] : caminhos) caso(caminho, pasta, tamanhos[2]);
  EXPECT_EQ(obtido, esperado);
}

}  // namespace
