// The tool writes only files it made: a run folder's manifest lists every
// file written there, a run leaves nothing of the one before it, a file the
// manifest does not list or a command reads is never replaced, no link is
// written through, and a CSV or a PNG appears whole under its name or not at
// all.
#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "support/fixture.h"

namespace {

namespace fs = std::filesystem;

const std::string kTool = std::string(ARQAUX_TOOL_PATH) + " ";
const std::string kEpw = std::string(ARQAUX_TEST_DATA) + "/tmy_45.000_8.000_2005_2023.epw";
// Files past this size (in 512-byte blocks) cannot be written, and the
// signal that would kill the tool is ignored: the write fails instead.
const std::string kLimite = "trap '' XFSZ; ulimit -f ";

class RunFolderTool : public ArqauxTest {
 protected:
  // Runs linha in the test's folder: its exit status, its output in *saida.
  int Roda(const std::string& linha, std::string* saida = nullptr) {
    return Executa("cd " + dir + " && { " + linha + "; }", saida);
  }
  // The files of pasta but its manifest, named as the manifest names them.
  std::set<std::string> Arquivos(const std::string& pasta) const {
    std::set<std::string> nomes;
    for (const auto& e : fs::recursive_directory_iterator(Caminho(pasta))) {
      const std::string nome = e.path().lexically_relative(Caminho(pasta)).generic_string();
      if (!e.is_directory() && nome != ".arqaux-run") nomes.insert(nome);
    }
    return nomes;
  }
  // The names the manifest of pasta lists.
  std::set<std::string> Manifesto(const std::string& pasta) const {
    std::ifstream in(Caminho(pasta + "/.arqaux-run"));
    std::set<std::string> nomes;
    for (std::string linha; std::getline(in, linha);) {
      if (linha.rfind('#', 0) != 0) nomes.insert(linha);
    }
    return nomes;
  }
  // Each case exits with saida and, when erro is not empty, one line holding
  // erro; then arquivo holds exactly depois, or is missing when depois is
  // null. No temporary file stays behind unless the tool was killed (exit
  // 128 + SIGXFSZ, from the shell).
  struct Caso {
    std::string linha;
    int saida;
    std::string erro, arquivo;
    const char* depois;
  };
  void Confere(const std::vector<Caso>& casos) {
    for (const Caso& c : casos) {
      std::string saida;
      EXPECT_EQ(Roda(c.linha, &saida), c.saida) << c.linha << '\n' << saida;
      if (!c.erro.empty()) {
        EXPECT_EQ(saida.rfind("arqaux: ", 0), 0u) << saida;
        EXPECT_NE(saida.find(c.erro), std::string::npos) << saida;
        EXPECT_EQ(saida.find('\n'), saida.size() - 1) << saida;
      }
      if (c.depois == nullptr) {
        EXPECT_FALSE(fs::exists(fs::symlink_status(Caminho(c.arquivo)))) << c.linha;
      } else {
        EXPECT_EQ(Le_Arquivo(Caminho(c.arquivo)), c.depois) << c.linha;
      }
      for (const auto& e : fs::directory_iterator(dir)) {
        const std::string nome = e.path().filename().string();
        EXPECT_TRUE(nome[0] != '.' || c.saida == 128 + SIGXFSZ) << c.linha << ": " << nome;
      }
    }
  }
};

// Each folder command writes a run whose manifest lists exactly the files
// in the folder, and a second run leaves none of the first one's: not the
// third zone's, nor a CSV or a plot written into the folder since.
TEST_F(RunFolderTool, ARunReplacesTheOneBeforeAndListsItsFiles) {
  const std::string csv = kTool + "export run/zona1_acs.bin --to csv";
  const struct {
    std::string linha, pasta, ausente;
  } casos[] = {
      {kTool + "sample run --zones 3 --days 1", "run", ""},
      {csv + " && " + kTool + "export run/zona1_acs.bin --to csv --out run/b.csv", "run", ""},
      {kTool + "sample run --zones 2 --days 1", "run", "zona3_temp_umi.bin"},
      {kTool + "catalogue sample cat && " + kTool + "catalogue sample cat", "cat", ""},
      {kTool + "import epw " + kEpw + " w && " + kTool + "import epw " + kEpw + " w", "w", ""},
  };
  for (const auto& c : casos) {
    std::string saida;
    ASSERT_EQ(Roda(c.linha, &saida), 0) << c.linha << '\n' << saida;
    const std::set<std::string> arquivos = Arquivos(c.pasta);
    EXPECT_EQ(Manifesto(c.pasta), arquivos) << c.linha;
    EXPECT_EQ(arquivos.count(c.ausente), 0u) << c.linha;
  }
  EXPECT_EQ(Manifesto("run").count("b.csv"), 0u);
  EXPECT_EQ(Manifesto("cat").count("Materiais/Isoterma.txt"), 1u);
  EXPECT_EQ(Arquivos("w"), (std::set<std::string>{"clima.bin"}));
}

// A file the command reads stays, byte for byte: the climate file and the
// soil beside it (here an imported soil of its own), which the run reads
// instead of writing synthetic ones; and a weather file inside the folder it
// is imported into.
TEST_F(RunFolderTool, InputsAreNeverReplacedNorRemoved) {
  ASSERT_EQ(Roda(kTool + "sample run --days 1"), 0);
  const std::string clima = Le_Arquivo(Caminho("run/clima.bin"));
  const std::string solo(8 * 8760, '\1');
  Escreve_Arquivo(Caminho("run/solo.bin"), solo);
  std::string saida;
  ASSERT_EQ(Roda(kTool + "sample run --days 1 --climate run/clima.bin", &saida), 0) << saida;
  EXPECT_EQ(Le_Arquivo(Caminho("run/clima.bin")), clima);
  EXPECT_EQ(Le_Arquivo(Caminho("run/solo.bin")), solo);
  EXPECT_EQ(Manifesto("run"), Arquivos("run"));

  fs::create_directories(Caminho("w"));
  fs::copy_file(kEpw, Caminho("w/tmy.epw"));
  ASSERT_EQ(Roda(kTool + "import epw w/tmy.epw w", &saida), 0) << saida;
  EXPECT_EQ(Le_Arquivo(Caminho("w/tmy.epw")), Le_Arquivo(kEpw));
  EXPECT_EQ(Manifesto("w"), (std::set<std::string>{"clima.bin"}));
}

// A file the manifest does not list refuses the run, naming it; forced, the
// run writes beside it but never replaces it, nor writes through a link at
// an output name or on the way to one, nor trusts a manifest naming files
// outside its folder. The file outside stays whole.
TEST_F(RunFolderTool, ForeignFilesAndLinksAreNeverWrittenThrough) {
  Escreve_Arquivo(Caminho("fora.txt"), "segredo");
  fs::create_directories(Caminho("fora"));
  const std::string link = "ln -s ../fora.txt ";
  const std::string estranho =
      "was not written by arqaux (the folder's .arqaux-run does not "
      "list it)";
  Confere({
      {"mkdir a && echo x > a/notas.txt && " + kTool + "sample a --days 1", 1,
       "'a/notas.txt' " + estranho + ": move it away, or give --force", "a/notas.txt", "x\n"},
      {kTool + "sample a --days 1 --force >/dev/null", 0, "", "a/notas.txt", "x\n"},
      {"mkdir b && " + link + "b/zona1_ats.bin && " + kTool + "sample b --days 1 --force", 1,
       "'b/zona1_ats.bin' " + estranho + ": it is not replaced", "fora.txt", "segredo"},
      {"mkdir -p c/Materiais && ln -s ../../fora.txt c/Materiais/Isoterma.txt && " + kTool +
           "catalogue sample c",
       1, "'c/Materiais/Isoterma.txt' " + estranho, "fora.txt", "segredo"},
      {"mkdir d && ln -s ../fora d/PV && " + kTool + "catalogue sample d --force", 1,
       "'d/PV' is not a folder: arqaux does not write through a link", "fora/Fabricantes.txt",
       nullptr},
      {"mkdir e && " + link + "e/clima.bin && " + kTool + "import epw " + kEpw + " e --force", 1,
       "'e/clima.bin' " + estranho + ": it is not replaced", "fora.txt", "segredo"},
      {"mkdir f && printf '#\\nx\\n../fora.txt\\n' > f/.arqaux-run && " + kTool +
           "sample f --days 1",
       1, "'f/.arqaux-run' line 3 is not the name of a file in the folder", "fora.txt", "segredo"},
      {"mkdir g && ln -s ../fora.txt g/.arqaux-run && " + kTool + "sample g --days 1 --force", 1,
       "'g/.arqaux-run' is a symbolic link", "fora.txt", "segredo"},
  });
  EXPECT_EQ(Manifesto("a").count("notas.txt"), 0u);
  EXPECT_EQ(Manifesto("a").count("zona1_ats.bin"), 1u);
}

// A CSV appears whole or not at all: a killed export leaves the file that was
// there, a failed one none. No single output is written through a link.
TEST_F(RunFolderTool, CsvFilesAreWholeAndNoOutputIsALink) {
  ASSERT_EQ(Roda(kTool + "sample run --days 1 >/dev/null"), 0);
  Escreve_Arquivo(Caminho("fora.txt"), "segredo");
  Escreve_Arquivo(Caminho("k.csv"), "antes");
  Escreve_Arquivo(Caminho("i.txt"), "21 0.5\n");
  const std::string exporta = kTool + "export run/zona1_temp_umi.bin --to csv --out ";
  const std::string link = "rm -f l && ln -s fora.txt l && " + kTool;
  const std::string ligado = "'l' is a symbolic link: arqaux does not write through one";
  const std::string ti = "'i.ti' is a symbolic link: arqaux does not write through one";
  Confere({
      {link + "report acs run/zona1_acs.bin l --start 1/1/0 --end 1/1/23 --interval 600", 1, ligado,
       "fora.txt", "segredo"},
      {link + "stats report run/zona1_ganhos.est l --kind gains", 1, ligado, "fora.txt", "segredo"},
      {link + "config sample l", 1, ligado, "fora.txt", "segredo"},
      {link + "hvac sample l", 1, ligado, "fora.txt", "segredo"},
      {"rm l && ln -s fora.txt i.ti && " + kTool + "climate ti i.txt", 1, ti, "fora.txt",
       "segredo"},
      {kLimite + "1; " + exporta + "c.csv", 1, "writing 'c.csv' failed", "c.csv", nullptr},
      {"ln -s fora.txt l.csv && " + exporta + "l.csv", 1,
       "'l.csv' is a symbolic link: arqaux does not write through one", "fora.txt", "segredo"},
      {exporta + "nao/x.csv", 1, "cannot create 'nao/x.csv'", "nao", nullptr},
      {"ulimit -f 1; " + exporta + "k.csv", 128 + SIGXFSZ, "", "k.csv", "antes"},
  });
}

// A PNG appears whole or not at all: gnuplot's failure, a cut file or an
// output that is not a regular file is one line naming it. The stand-in
// gnuplot opens its output, as a failing one may, and fails.
TEST_F(RunFolderTool, PlotsAreWholeOrAbsent) {
  if (Executa("command -v gnuplot") != 0) GTEST_SKIP() << "gnuplot is not installed";
  ASSERT_EQ(Roda(kTool + "sample run --days 1 >/dev/null"), 0);
  Escreve_Arquivo(Caminho("fora.txt"), "segredo");
  fs::create_directories(Caminho("falso"));
  Escreve_Arquivo(
      Caminho("falso/gnuplot"),
      "#!/bin/sh\nf=$(sed -n \"s/^set output '\\(.*\\)'$/\\1/p\")\n: > \"$f\"\nexit 3\n");
  fs::permissions(Caminho("falso/gnuplot"), fs::perms::owner_all);
  const std::string desenha =
      kTool + "plot run/zona1_temp_umi.bin --column zone_air_temperature --out ";
  Confere({
      {desenha + "/dev/full", 1, "'/dev/full' is not a regular file", "p.png", nullptr},
      {kLimite + "8; " + desenha + "p.png", 1, "writing 'p.png' failed", "p.png", nullptr},
      {desenha + "nao/p.png", 1, "cannot create 'nao/p.png'", "nao", nullptr},
      {"ln -s fora.txt l.png && " + desenha + "l.png", 1, "'l.png' is a symbolic link", "fora.txt",
       "segredo"},
      {"PATH=$PWD/falso:$PATH " + desenha + "q.png", 1, "gnuplot could not draw 'q.png'", "q.png",
       nullptr},
  });
}

}  // namespace
