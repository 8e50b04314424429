// Every command refuses to destroy its input, to read a file that is not a
// regular file or not of the kind asked, and to exit 0 when something it
// wrote was lost: each case is one line on standard error naming the file.
#include <cstdint>
#include <filesystem>
#include <iterator>
#include <string>

#include "support/fixture.h"

namespace {

namespace fs = std::filesystem;

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
  }
};

TEST_F(ToolRefusals, OneLineAndAFailedExit) {
  const std::string t = std::string(ARQAUX_TOOL_PATH) + " ";
  const std::string datas = " --start 1/1/0 --end 1/1/23 --interval 600";
  // Files past this size (in 512-byte blocks) cannot be written, and the
  // signal that would kill the tool is ignored: the write fails instead.
  const std::string limite = "trap '' XFSZ; ulimit -f ";
  const struct {
    std::string linha;
    int saida;
    std::string erro;
  } casos[] = {
      // An output that is the input, by any name.
      {t + "report acs acs.bin acs.bin" + datas, 1, "'acs.bin' is the input 'acs.bin'"},
      {t + "report acs acs.bin acs_ligado.bin" + datas, 1,
       "'acs_ligado.bin' is the input 'acs.bin'"},
      {t + "climate ti x.ti", 1, "'x.ti' is the input 'x.ti'"},
      {t + "climate ti interno.txt", 1, "'interno.ti' is the input 'interno.txt'"},
      // Inputs that are not regular files, symlinks followed.
      {t + "report acs nulo.bin o.txt" + datas, 1, "'nulo.bin' is not a regular file"},
      {t + "report acs pasta o.txt" + datas, 1, "'pasta' is not a regular file"},
      {t + "climate show nulo.bin", 1, "'nulo.bin' is not a regular file"},
      {t + "climate ti pasta", 1, "'pasta' is not a regular file"},
      {t + "config check pasta --zones 1", 1, "'pasta' is not a regular file"},
      {t + "hvac check pasta", 1, "'pasta' is not a regular file"},
      {t + "sample amostra --days 1", 1, "'amostra/zona1_ats.bin' was not written by arqaux"},
      {t + "climate show falta.bin", 1, "cannot open 'falta.bin'"},
      {t + "report acs falta.bin o.txt" + datas, 1, "cannot open 'falta.bin'"},
      {t + "config check falta.cfg --zones 1", 1, "cannot open 'falta.cfg'"},
      {t + "hvac check falta.txt", 1, "cannot open 'falta.txt'"},
      {t + "report acs acs.bin nao/o.txt" + datas, 1, "cannot create 'nao/o.txt'"},
      {t + "config sample nao/x.cfg", 1, "cannot create nao/x.cfg"},
      {t + "hvac sample nao/x.txt", 1, "cannot create nao/x.txt"},
      // Files of another kind or size.
      {t + "climate show curto.bin", 1,
       "'curto.bin' is not a climate file: it holds 320 bytes, not 210320"},
      {t + "climate show clima.bin --soil", 1,
       "'clima.bin' is not a soil file: it holds 210320 bytes, not 70080"},
      {t + "climate show clima.bin --ti", 1, "'clima.bin' is not an interior-climate file"},
      {t + "climate show solo.bin", 1, "'solo.bin' is not a climate file"},
      {t + "report tupmv tu_cortado.bin o.txt" + datas, 1,
       "'tu_cortado.bin' is not a temperature-humidity stream: the 67 bytes after its 7-byte "
       "header are not whole 16-byte records"},
      {t + "report tupmv bandeira.bin o.txt" + datas, 1, "its group flags are not 0 or 1"},
      {t + "report tupmv seis.bin o.txt" + datas, 1,
       "'seis.bin' is too short to hold the 7-byte header of a temperature-humidity stream"},
      {t + "report ats seis.bin o.txt" + datas, 1, "not an ATS/ACE stream: the 6 bytes"},
      {t + "report acs seis.bin o.txt" + datas, 1, "not an operative-temperature stream"},
      {t + "report pv seis.bin o.txt" + datas, 1, "'seis.bin' is not a photovoltaic stream"},
      {t + "report sc sc_cortado.bin o.txt --outputs 2 --index 1" + datas, 1,
       "not a controller-output stream: the 64 bytes after its 4-byte header are not whole "
       "12-byte records"},
      {t + "report sc sc.bin o.txt --outputs 3 --index 1" + datas, 1,
       "'sc.bin' holds 2 outputs per record, not 3 (--outputs)"},
      // Writes that were lost.
      {t + "report acs acs.bin /dev/full" + datas, 1, "writing '/dev/full' failed"},
      {t + "config sample /dev/full", 1, "writing '/dev/full' failed"},
      {t + "hvac sample /dev/full", 1, "writing '/dev/full' failed"},
      {limite + "1; " + t + "climate ti cheio.txt", 1, "writing 'cheio.ti' failed"},
      {t + "climate show clima.bin >/dev/full", 1, "writing standard output failed"},
      {t + "--version >/dev/full", 1, "writing standard output failed"},
      {t + "export tu.bin --to csv --out - >/dev/full", 1, "writing 'standard output' failed"},
      {t + "export tu.bin --to csv --out /dev/full", 1, "'/dev/full' is not a regular file"},
      {limite + "1; " + t + "report acs acs.bin o.txt" + datas, 1, "writing 'o.txt' failed"},
      // An output that is any file the command reads.
      {t + "export tu.bin --to csv --out tu.bin.desc", 1,
       "'tu.bin.desc' is the input 'tu.bin.desc'"},
      {t + "export fc_consumo.dat --to csv --out fc.dat.desc", 1,
       "'fc.dat.desc' is the input 'fc.dat.desc'"},
      {t + "export corrida --to sqlite --out corrida/tu.bin.desc", 1,
       "'corrida/tu.bin.desc' is the input 'corrida/tu.bin.desc'"},
      {t + "plot tu.bin --column zone_air_temperature --out tu.bin.desc", 1,
       "'tu.bin.desc' is the input 'tu.bin.desc'"},
      {t + "report fancoil fc.dat fc.dat.desc", 1, "'fc.dat.desc' is the input 'fc.dat.desc'"},
      // Records cut short are not exported as if whole.
      {t + "export tu_cortado.bin --kind tupmv --to csv --out o.csv", 1,
       "'tu_cortado.bin': 3 bytes after its last whole record: a record cut short"},
      {t + "export tu_cortado.bin --kind tupmv --to csv --out - >/dev/null", 1,
       "'tu_cortado.bin': 3 bytes"},
      {t + "export cortada --to csv -q", 1, "'cortada/tu.bin': 3 bytes"},
      {t + "export cortada --to sqlite --out c.sqlite", 1, "'cortada/tu.bin': 3 bytes"},
      // Names that are no file, and files that would block the read.
      {t + "compare '' P Q", 1, "'' is not a directory"},
      {t + "interface ''", 1, "'' names no file of a project"},
      {t + "interface /nonexistent/x", 1, "'/nonexistent/x' has no data folder '/nonexistent/#x'"},
      {"timeout 10 " + t + "compare . P Q", 1, "'#P/P.geo' is not a regular file"},
      {"timeout 10 " + t + "interface P.prj", 1, "#P/P.geo' is not a regular file"},
      // The real cause, on the real file.
      {limite + "10; " + t + "export corrida --to sqlite --out f.sqlite", 1,
       "writing 'f.sqlite' failed: disk I/O error"},
      {"(ulimit -n 6; exec " + t + "sample poucos --days 1 --zones 1) >/dev/null", 1,
       "': Too many open files"},
      {"TMPDIR=/nonexistent " + t + "catalogue check m/Tab_Propr_Vitreas.txt --kind glazing", 1,
       "cannot make a temporary folder in '/nonexistent' (TMPDIR): No such file or directory"},
      {t + "hvac check contagem_grande.txt >/dev/null", 1,
       "contagem_grande.txt: the count of fan coils, 99999999999, is past 2147483647: reading "
       "stopped at line 6"},
      {t + "hvac check contagem_texto.txt >/dev/null", 1,
       "contagem_texto.txt: the count line of fan coils does not give a count: reading stopped "
       "at line 6"},
      {limite + "600; " + t + "sample grande --days 10 --interval 60", 1,
       "writing 'grande/zona1_temp_umi.bin' failed"},
  };
  ASSERT_EQ(
      Executa("cd " + dir + " && " + t + "catalogue sample m >/dev/null && " + t +
              "hvac sample s.txt >/dev/null && sed 's/Fancoils = 2]/Fancoils = 99999999999]/' "
              "s.txt >contagem_grande.txt && sed 's/Fancoils = 2]/Fancoils = dois]/' "
              "s.txt >contagem_texto.txt"),
      0);
  const std::string acs = Le_Arquivo(Caminho("acs.bin"));
  for (const auto& c : casos) {
    std::string saida;
    // Grouped, so that only the tool's own redirections apply to its output.
    EXPECT_EQ(Executa("cd " + dir + " && { " + c.linha + "; }", &saida), c.saida) << c.linha;
    EXPECT_EQ(saida.rfind("arqaux: ", 0), 0u) << saida;
    EXPECT_NE(saida.find(c.erro), std::string::npos) << saida;
    EXPECT_EQ(saida.find('\n'), saida.size() - 1) << saida;
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
  EXPECT_EQ(
      Executa("cd " + dir + " && " + ARQAUX_TOOL_PATH + " export corrida/ --to sqlite", &saida), 0);
  EXPECT_EQ(saida,
            "0 files passed over: no records to export\ncorrida.sqlite: 1 runs, 1 files, 4 rows\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(Caminho("corrida")), {}), 1);
}

}  // namespace
