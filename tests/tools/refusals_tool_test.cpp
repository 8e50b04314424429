// The tool writes only files it made and loses nothing silently. Every
// command refuses to destroy its input, to read a file that is not a regular
// file or not of the kind asked, and to exit 0 when something it wrote was
// lost: each case is one line on standard error naming the file. A run
// folder's manifest lists every file written there, a run leaves nothing of
// the one before it, a file the manifest does not list or a command reads is
// never replaced, no link is written through, and a CSV or a PNG appears
// whole under its name or not at all.
#include <sys/resource.h>

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "saida/saida_segura.h"
#include "support/fixture.h"

namespace {

namespace fs = std::filesystem;

const std::string kEpw = std::string(ARQAUX_TEST_DATA) + "/tmy_45.000_8.000_2005_2023.epw";
// Files past this size (in 512-byte blocks) cannot be written, and the
// signal that would kill the tool is ignored: the write fails instead.
const std::string kLimite = "trap '' XFSZ; ulimit -f ";

std::string Real(float v) { return std::string(reinterpret_cast<const char*>(&v), 4); }
std::string Inteiro(int32_t v) { return std::string(reinterpret_cast<const char*>(&v), 4); }

class ToolRefusals : public ArqauxTest {
 protected:
  void SetUp() override {
    ArqauxTest::SetUp();
    Escreve_Arquivo(Caminho("clima.bin"), std::string(80 + 24 * 8760, '\0'));
    Escreve_Arquivo(Caminho("curto.bin"), std::string(80 + 24 * 10, '\0'));
    Escreve_Arquivo(Caminho("solo.bin"), std::string(8 * 8760, '\0'));
    Escreve_Arquivo(Caminho("x.ti"), "21 0.5\n");
    Escreve_Arquivo(Caminho("interno.txt"), "21 0.5\n");
    fs::create_symlink(Caminho("interno.txt"), Caminho("interno.ti"));
    Escreve_Arquivo(Caminho("cheio.txt"), "21 0.5\n");
    fs::create_symlink("/dev/full", Caminho("nulo.bin"));
    fs::create_directories(Caminho("pasta"));
    fs::create_directories(Caminho("amostra"));
    fs::create_symlink("/dev/full", Caminho("amostra/zona1_ats.bin"));

    // Temperature and comfort held: four 16-byte records after the header.
    std::string tu = Inteiro(600) + std::string("\1\0\1", 3);
    for (int i = 0; i < 4; ++i) tu += Real(20 + i) + Real(25) + Real(0.5f) + Real(10);
    Escreve_Arquivo(Caminho("tu.bin"), tu);
    Escreve_Arquivo(Caminho("tu_cortado.bin"), tu + "abc");
    // Files read beside the one named: descriptions, a consumption
    // stream's data description, a project's data folder.
    Escreve_Arquivo(Caminho("tu.bin.desc"), "kind = tupmv\n");
    Escreve_Arquivo(Caminho("fc.dat"), "1 2\n");
    Escreve_Arquivo(Caminho("fc.dat.desc"), "kind = fancoil\n");
    Escreve_Arquivo(Caminho("fc_consumo.dat"), "1 2\n");
    fs::create_directories(Caminho("#P"));
    ASSERT_EQ(Executa("mkfifo '" + Caminho("#P/P.geo") + "'"), 0);
    fs::create_directories(Caminho("corrida"));
    fs::copy_file(Caminho("tu.bin"), Caminho("corrida/tu.bin"));
    fs::create_directories(Caminho("cortada"));
    fs::copy_file(Caminho("tu_cortado.bin"), Caminho("cortada/tu.bin"));
    fs::copy_file(Caminho("tu.bin.desc"), Caminho("cortada/tu.bin.desc"));
    Escreve_Arquivo(Caminho("bandeira.bin"), Inteiro(600) + std::string("\1\2\0", 3));
    // Two outputs per controller record.
    std::string sc = Inteiro(2);
    for (int i = 0; i < 5; ++i) sc += Real(2) + Real(i) + Real(1);
    Escreve_Arquivo(Caminho("sc.bin"), sc);
    Escreve_Arquivo(Caminho("sc_cortado.bin"), sc + Real(2));
    std::string acs;
    for (int i = 0; i < 40; ++i) acs += Real(20) + Real(i);
    Escreve_Arquivo(Caminho("acs.bin"), acs);
    fs::create_hard_link(Caminho("acs.bin"), Caminho("acs_ligado.bin"));
    Escreve_Arquivo(Caminho("seis.bin"), "123456");
    // One surface, one value of the three of its flux record.
    Escreve_Arquivo(Caminho("fluxo.bin"), Inteiro(1) + Real(10) + Real(1));
  }
};

TEST_F(ToolRefusals, OneLineAndAFailedExit) {
  const std::string& t = kFerramenta;
  const std::string datas = " --start 1/1/0 --end 1/1/23 --interval 600";
  const struct {
    std::string linha, erro;
  } casos[] = {
      // An output that is the input, by any name.
      {t + "report acs acs.bin acs.bin" + datas, "'acs.bin' is the input 'acs.bin'"},
      {t + "report acs acs.bin acs_ligado.bin" + datas, "'acs_ligado.bin' is the input 'acs.bin'"},
      {t + "climate ti x.ti", "'x.ti' is the input 'x.ti'"},
      {t + "climate ti interno.txt", "'interno.ti' is the input 'interno.txt'"},
      // Inputs that are not regular files, symlinks followed.
      {t + "report acs nulo.bin o.txt" + datas, "'nulo.bin' is not a regular file"},
      {t + "report acs pasta o.txt" + datas, "'pasta' is not a regular file"},
      {t + "climate show nulo.bin", "'nulo.bin' is not a regular file"},
      {t + "climate ti pasta", "'pasta' is not a regular file"},
      {t + "config check pasta --zones 1", "'pasta' is not a regular file"},
      {t + "hvac check pasta", "'pasta' is not a regular file"},
      {t + "sample amostra --days 1", "'amostra/zona1_ats.bin' was not written by arqaux"},
      {t + "climate show falta.bin", "cannot open 'falta.bin'"},
      {t + "report acs falta.bin o.txt" + datas, "cannot open 'falta.bin'"},
      {t + "config check falta.cfg --zones 1", "cannot open 'falta.cfg'"},
      {t + "hvac check falta.txt", "cannot open 'falta.txt'"},
      {t + "report acs acs.bin nao/o.txt" + datas, "cannot create 'nao/o.txt'"},
      {t + "config sample nao/x.cfg", "cannot create nao/x.cfg"},
      {t + "hvac sample nao/x.txt", "cannot create nao/x.txt"},
      // Files of another kind or size.
      {t + "climate show curto.bin",
       "'curto.bin' is not a climate file: it holds 320 bytes, not 210320"},
      {t + "climate show clima.bin --soil",
       "'clima.bin' is not a soil file: it holds 210320 bytes, not 70080"},
      {t + "climate show clima.bin --ti", "'clima.bin' is not an interior-climate file"},
      {t + "climate show solo.bin", "'solo.bin' is not a climate file"},
      {t + "report tupmv tu_cortado.bin o.txt" + datas,
       "'tu_cortado.bin' is not a temperature-humidity stream: the 67 bytes after its 7-byte "
       "header are not whole 16-byte records"},
      {t + "report tupmv bandeira.bin o.txt" + datas, "its group flags are not 0 or 1"},
      {t + "report tupmv seis.bin o.txt" + datas,
       "'seis.bin' is too short to hold the 7-byte header of a temperature-humidity stream"},
      {t + "report ats seis.bin o.txt" + datas, "not an ATS/ACE stream: the 6 bytes"},
      {t + "report acs seis.bin o.txt" + datas, "not an operative-temperature stream"},
      {t + "report pv seis.bin o.txt" + datas, "'seis.bin' is not a photovoltaic stream"},
      {t + "report sc sc_cortado.bin o.txt --outputs 2 --index 1" + datas,
       "not a controller-output stream: the 64 bytes after its 4-byte header are not whole "
       "12-byte records"},
      {t + "report flux fluxo.bin o --region 1" + datas,
       "'fluxo.bin' is not a heat-vapour flux stream: the 4 bytes after its 8-byte header are "
       "not whole 12-byte records"},
      {t + "report sc sc.bin o.txt --outputs 3 --index 1" + datas,
       "'sc.bin' holds 2 outputs per record, not 3 (--outputs)"},
      // Writes that were lost.
      {t + "report acs acs.bin /dev/full" + datas, "writing '/dev/full' failed"},
      {t + "config sample /dev/full", "writing '/dev/full' failed"},
      {t + "hvac sample /dev/full", "writing '/dev/full' failed"},
      {kLimite + "1; " + t + "climate ti cheio.txt", "writing 'cheio.ti' failed"},
      {t + "climate show clima.bin >/dev/full", "writing standard output failed"},
      {t + "--version >/dev/full", "writing standard output failed"},
      {t + "export tu.bin --to csv --out - >/dev/full", "writing 'standard output' failed"},
      {t + "export tu.bin --to csv --out /dev/full", "'/dev/full' is not a regular file"},
      {kLimite + "1; " + t + "report acs acs.bin o.txt" + datas, "writing 'o.txt' failed"},
      // An output that is any file the command reads.
      {t + "export tu.bin --to csv --out tu.bin.desc", "'tu.bin.desc' is the input 'tu.bin.desc'"},
      {t + "export fc_consumo.dat --to csv --out fc.dat.desc",
       "'fc.dat.desc' is the input 'fc.dat.desc'"},
      {t + "export corrida --to sqlite --out corrida/tu.bin.desc",
       "'corrida/tu.bin.desc' is the input 'corrida/tu.bin.desc'"},
      {t + "plot tu.bin --column zone_air_temperature --out tu.bin.desc",
       "'tu.bin.desc' is the input 'tu.bin.desc'"},
      {t + "report fancoil fc.dat fc.dat.desc", "'fc.dat.desc' is the input 'fc.dat.desc'"},
      // Records cut short are not exported as if whole.
      {t + "export tu_cortado.bin --kind tupmv --to csv --out o.csv",
       "'tu_cortado.bin': 3 bytes after its last whole record: a record cut short"},
      {t + "export tu_cortado.bin --kind tupmv --to csv --out - >/dev/null",
       "'tu_cortado.bin': 3 bytes"},
      {t + "export cortada --to csv", "'cortada/tu.bin': 3 bytes"},
      {t + "export cortada --to sqlite --out c.sqlite", "'cortada/tu.bin': 3 bytes"},
      // Names that are no file, and files that would block the read.
      {t + "compare '' P Q", "'' is not a directory"},
      {t + "interface ''", "'' names no file of a project"},
      {t + "interface /nonexistent/x", "'/nonexistent/x' has no data folder '/nonexistent/#x'"},
      {"timeout 10 " + t + "compare . P Q", "'#P/P.geo' is not a regular file"},
      {"timeout 10 " + t + "interface P.prj", "#P/P.geo' is not a regular file"},
      // The real cause, on the real file.
      {kLimite + "10; " + t + "export corrida --to sqlite --out f.sqlite",
       "writing 'f.sqlite' failed: disk I/O error"},
      {"(ulimit -n 6; exec " + t + "sample poucos --days 1 --zones 1) >/dev/null",
       "': Too many open files"},
      {"TMPDIR=/nonexistent " + t + "catalogue check m/Tab_Propr_Vitreas.txt --kind glazing",
       "cannot make a temporary folder in '/nonexistent' (TMPDIR): No such file or directory"},
      {t + "hvac check contagem_grande.txt >/dev/null",
       "contagem_grande.txt: the count of fan coils, 99999999999, is past 2147483647: reading "
       "stopped at line 6"},
      {t + "hvac check contagem_texto.txt >/dev/null",
       "contagem_texto.txt: the count line of fan coils does not give a count: reading stopped "
       "at line 6"},
      {kLimite + "600; " + t + "sample grande --days 10 --interval 60",
       "writing 'grande/zona1_temp_umi.bin' failed"},
  };
  ASSERT_EQ(Roda(t + "catalogue sample m >/dev/null && " + t +
                 "hvac sample s.txt >/dev/null && sed 's/Fancoils = 2]/Fancoils = 99999999999]/' "
                 "s.txt >contagem_grande.txt && sed 's/Fancoils = 2]/Fancoils = dois]/' "
                 "s.txt >contagem_texto.txt"),
            0);
  const std::string acs = Le_Arquivo(Caminho("acs.bin"));
  for (const auto& c : casos) {
    std::string saida;
    EXPECT_EQ(Roda(c.linha, &saida), 1) << c.linha;
    Confere_Linha_De_Erro(saida, c.erro);
  }
  // Nothing refused touched its input.
  EXPECT_EQ(Le_Arquivo(Caminho("acs.bin")), acs);
  EXPECT_EQ(Le_Arquivo(Caminho("x.ti")), "21 0.5\n");
  EXPECT_EQ(Le_Arquivo(Caminho("interno.txt")), "21 0.5\n");
  EXPECT_EQ(Le_Arquivo(Caminho("tu.bin.desc")), "kind = tupmv\n");
  EXPECT_EQ(Le_Arquivo(Caminho("fc.dat.desc")), "kind = fancoil\n");
  // A database that failed is not left behind, nor its journal.
  for (const char* nome : {"f.sqlite", "f.sqlite-journal", "corrida/tu.bin.desc"}) {
    EXPECT_FALSE(fs::exists(Caminho(nome))) << nome;
  }
}

// A directory's database goes beside it, named after it, so that the
// directory holds only what the run wrote.
TEST_F(ToolRefusals, ADirectorysDatabaseGoesBesideIt) {
  std::string saida;
  EXPECT_EQ(Roda(kFerramenta + "export corrida/ --to sqlite", &saida), 0);
  EXPECT_EQ(saida,
            "0 files passed over: no records to export\ncorrida.sqlite: 1 runs, 1 files, 4 rows\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(Caminho("corrida")), {}), 1);
}

class RunFolderTool : public ArqauxTest {
 protected:
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
      if (!c.erro.empty()) Confere_Linha_De_Erro(saida, c.erro);
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
  const std::string csv = kFerramenta + "export run/zona1_acs.bin --to csv";
  const struct {
    std::string linha, pasta, ausente;
  } casos[] = {
      {kFerramenta + "sample run --zones 3 --days 1", "run", ""},
      {csv + " && " + kFerramenta + "export run/zona1_acs.bin --to csv --out run/b.csv", "run", ""},
      {kFerramenta + "sample run --zones 2 --days 1", "run", "zona3_temp_umi.bin"},
      {kFerramenta + "catalogue sample cat && " + kFerramenta + "catalogue sample cat", "cat", ""},
      {kFerramenta + "import epw " + kEpw + " w && " + kFerramenta + "import epw " + kEpw + " w",
       "w", ""},
  };
  for (const auto& c : casos) {
    Roda_Ok(c.linha);
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
  ASSERT_EQ(Roda(kFerramenta + "sample run --days 1"), 0);
  const std::string clima = Le_Arquivo(Caminho("run/clima.bin"));
  const std::string solo(8 * 8760, '\1');
  Escreve_Arquivo(Caminho("run/solo.bin"), solo);
  Roda_Ok(kFerramenta + "sample run --days 1 --climate run/clima.bin");
  EXPECT_EQ(Le_Arquivo(Caminho("run/clima.bin")), clima);
  EXPECT_EQ(Le_Arquivo(Caminho("run/solo.bin")), solo);
  EXPECT_EQ(Manifesto("run"), Arquivos("run"));

  fs::create_directories(Caminho("w"));
  fs::copy_file(kEpw, Caminho("w/tmy.epw"));
  Roda_Ok(kFerramenta + "import epw w/tmy.epw w");
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
      {"mkdir a && echo x > a/notas.txt && " + kFerramenta + "sample a --days 1", 1,
       "'a/notas.txt' " + estranho + ": move it away, or give --force", "a/notas.txt", "x\n"},
      {kFerramenta + "sample a --days 1 --force >/dev/null", 0, "", "a/notas.txt", "x\n"},
      {"mkdir b && " + link + "b/zona1_ats.bin && " + kFerramenta + "sample b --days 1 --force", 1,
       "'b/zona1_ats.bin' " + estranho + ": it is not replaced", "fora.txt", "segredo"},
      {"mkdir -p c/Materiais && ln -s ../../fora.txt c/Materiais/Isoterma.txt && " + kFerramenta +
           "catalogue sample c",
       1, "'c/Materiais/Isoterma.txt' " + estranho, "fora.txt", "segredo"},
      {"mkdir d && ln -s ../fora d/PV && " + kFerramenta + "catalogue sample d --force", 1,
       "'d/PV' is not a folder: arqaux does not write through a link", "fora/Fabricantes.txt",
       nullptr},
      {"mkdir e && " + link + "e/clima.bin && " + kFerramenta + "import epw " + kEpw + " e --force",
       1, "'e/clima.bin' " + estranho + ": it is not replaced", "fora.txt", "segredo"},
      {"mkdir f && printf '#\\nx\\n../fora.txt\\n' > f/.arqaux-run && " + kFerramenta +
           "sample f --days 1",
       1, "'f/.arqaux-run' line 3 is not the name of a file in the folder", "fora.txt", "segredo"},
      {"mkdir g && ln -s ../fora.txt g/.arqaux-run && " + kFerramenta + "sample g --days 1 --force",
       1, "'g/.arqaux-run' is a symbolic link", "fora.txt", "segredo"},
  });
  EXPECT_EQ(Manifesto("a").count("notas.txt"), 0u);
  EXPECT_EQ(Manifesto("a").count("zona1_ats.bin"), 1u);
}

// A CSV appears whole or not at all: a killed export leaves the file that was
// there, a failed one none. No single output is written through a link.
TEST_F(RunFolderTool, CsvFilesAreWholeAndNoOutputIsALink) {
  ASSERT_EQ(Roda(kFerramenta + "sample run --days 1 >/dev/null"), 0);
  Escreve_Arquivo(Caminho("fora.txt"), "segredo");
  Escreve_Arquivo(Caminho("k.csv"), "antes");
  Escreve_Arquivo(Caminho("i.txt"), "21 0.5\n");
  const std::string exporta = kFerramenta + "export run/zona1_temp_umi.bin --to csv --out ";
  const std::string link = "rm -f l && ln -s fora.txt l && " + kFerramenta;
  const std::string ligado = "'l' is a symbolic link: arqaux does not write through one";
  const std::string ti = "'i.ti' is a symbolic link: arqaux does not write through one";
  Confere({
      {link + "report acs run/zona1_acs.bin l --start 1/1/0 --end 1/1/23 --interval 600", 1, ligado,
       "fora.txt", "segredo"},
      {link + "stats report run/zona1_ganhos.est l --kind gains", 1, ligado, "fora.txt", "segredo"},
      {link + "config sample l", 1, ligado, "fora.txt", "segredo"},
      {link + "hvac sample l", 1, ligado, "fora.txt", "segredo"},
      {"rm l && ln -s fora.txt i.ti && " + kFerramenta + "climate ti i.txt", 1, ti, "fora.txt",
       "segredo"},
      {kLimite + "1; " + exporta + "c.csv", 1, "writing 'c.csv' failed", "c.csv", nullptr},
      {"ln -s fora.txt l.csv && " + exporta + "l.csv", 1,
       "'l.csv' is a symbolic link: arqaux does not write through one", "fora.txt", "segredo"},
      {exporta + "nao/x.csv", 1, "cannot create 'nao/x.csv'", "nao", nullptr},
      {"ulimit -f 1; " + exporta + "k.csv", 128 + SIGXFSZ, "", "k.csv", "antes"},
  });
}

// A single file written into a run folder is added to its manifest, called
// here in the test's own process: a manifest that cannot be written whole
// (files past 100 bytes fail, and the signal is ignored) leaves the one
// before it and no temporary file beside it.
TEST_F(RunFolderTool, AManifestThatCannotBeWrittenLeavesNoTemporaryFile) {
  ASSERT_EQ(Roda(kFerramenta + "sample run --days 1 >/dev/null"), 0);
  Escreve_Arquivo(Caminho("run/novo.csv"), "x\n");
  const std::string antes = Le_Arquivo(Caminho("run/.arqaux-run"));
  const std::set<std::string> arquivos = Arquivos("run");
  rlimit limite;
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limite), 0);
  rlimit pequeno = limite;
  pequeno.rlim_cur = 100;
  void (*sinal)(int) = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &pequeno), 0);
  const TResultado r = Anota_No_Manifesto(Caminho("run/novo.csv"));
  setrlimit(RLIMIT_FSIZE, &limite);
  std::signal(SIGXFSZ, sinal);
  EXPECT_FALSE(r.Ok());
  EXPECT_EQ(Le_Arquivo(Caminho("run/.arqaux-run")), antes);
  EXPECT_EQ(Arquivos("run"), arquivos);
}

// A PNG appears whole or not at all: gnuplot missing or failing, a cut file
// or an output that is not a regular file is one line naming it. The stand-in
// gnuplot opens its output, as a failing one may, and fails.
TEST_F(RunFolderTool, PlotsAreWholeOrAbsent) {
  if (Executa("command -v gnuplot") != 0) GTEST_SKIP() << "gnuplot is not installed";
  ASSERT_EQ(Roda(kFerramenta + "sample run --days 1 >/dev/null"), 0);
  Escreve_Arquivo(Caminho("fora.txt"), "segredo");
  fs::create_directories(Caminho("falso"));
  Escreve_Arquivo(
      Caminho("falso/gnuplot"),
      "#!/bin/sh\nf=$(sed -n \"s/^set output '\\(.*\\)'$/\\1/p\")\n: > \"$f\"\nexit 3\n");
  fs::permissions(Caminho("falso/gnuplot"), fs::perms::owner_all);
  const std::string desenha =
      kFerramenta + "plot run/zona1_temp_umi.bin --column zone_air_temperature --out ";
  Confere({
      {desenha + "/dev/full", 1, "'/dev/full' is not a regular file", "p.png", nullptr},
      {kLimite + "8; " + desenha + "p.png", 1, "writing 'p.png' failed", "p.png", nullptr},
      {desenha + "nao/p.png", 1, "cannot create 'nao/p.png'", "nao", nullptr},
      {"ln -s fora.txt l.png && " + desenha + "l.png", 1, "'l.png' is a symbolic link", "fora.txt",
       "segredo"},
      {"PATH=$PWD/falso:$PATH " + desenha + "q.png", 1, "gnuplot could not draw 'q.png'", "q.png",
       nullptr},
      {"PATH=/nonexistent " + desenha + "q.png", 1,
       "gnuplot not found: install the Debian package gnuplot-nox", "q.png", nullptr},
  });
}

}  // namespace
