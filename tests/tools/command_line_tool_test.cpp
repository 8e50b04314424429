// The tool's command line: every command answers --help on standard output
// and exits 0; every line the parser refuses is one line on standard error
// that names the option or word at fault, exit status 2, and nothing written.
#include <filesystem>
#include <string>

#include "support/fixture.h"

namespace {

namespace fs = std::filesystem;

class ToolCommandLine : public ArqauxTest {
 protected:
  // Runs the tool in the test's directory; its standard output, or its
  // standard error when erro, and the exit status in *status.
  std::string Roda(const std::string& args, bool erro, int* status) {
    const std::string linha = std::string(ARQAUX_TOOL_PATH) + " " + args;
    std::string saida;
    *status =
        Executa("cd " + dir + " && { " + linha + (erro ? " 2>&1 >/dev/null; }" : " 2>/dev/null; }"),
                &saida);
    return saida;
  }
};

TEST_F(ToolCommandLine, HelpOnStdoutAndOneLineRefusals) {
  Escreve_Arquivo(Caminho("clima.bin"), std::string(80 + 24 * 8760, '\0'));
  const std::string datas = " --start 1/1/0 --end 1/1/0 --interval 60";
  const std::string acs = "report acs a.bin b.txt";
  const std::string sc = "report sc a.bin b.txt" + datas;
  const std::string maximo = std::to_string(TGeren_ArquivoAux::Max_Saidas_Cont);
  const struct {
    std::string args;
    int status;
    std::string texto;
  } casos[] = {
      // Help at every level, by flag and by "help", before any other check.
      {"--help", 0, "Usage: arqaux [OPTIONS] SUBCOMMAND\n"},
      {"help", 0, "Usage: arqaux [OPTIONS] SUBCOMMAND\n"},
      {"--version", 0, "arqaux " ARQAUX_VERSION "\n"},
      {"-V", 0, "arqaux " ARQAUX_VERSION "\n"},
      {"sample x --help", 0, "Usage: arqaux sample [OPTIONS] [DIR]\n"},
      {"report --help", 0, "Usage: arqaux report [OPTIONS] SUBCOMMAND\n"},
      {"report tupmv --help", 0, "Usage: arqaux report tupmv [OPTIONS] BINARY REPORT\n"},
      {"report ats -h", 0, "  --ace Excludes: --ats"},
      {"report sc --help", 0, "  --index INT:INT in [0 - " + maximo + "]"},
      {"climate ti -h", 0, "Usage: arqaux climate ti [OPTIONS] TEXTFILE\n"},
      {"config --help", 0, "Usage: arqaux config [OPTIONS] SUBCOMMAND\n"},
      {"config check --help", 0, "Usage: arqaux config check [OPTIONS] FILE\n"},
      {"help climate show", 0, "Usage: arqaux climate show [OPTIONS] FILE\n"},
      {"help report sc", 0, "Usage: arqaux report sc [OPTIONS] BINARY REPORT\n"},
      {"help config", 0, "Usage: arqaux config [OPTIONS] SUBCOMMAND\n"},
      {"hvac check --help", 0, "Usage: arqaux hvac check [OPTIONS] FILE\n"},
      {"hvac sample", 2, "arqaux: FILE is required\n"},
      {"help climate nope", 2, "arqaux: unknown command 'nope'\n"},
      // "--opt=value" as "--opt value".
      {"climate show --from=8759 --count=1 clima.bin", 0,
       "0.0000\t0.0000\t0.0000\t0.0000\t0.0000\t0.0000\n"},
      {"sample x --zones=0", 2, "arqaux: --zones: Value 0 not in range 1 to 100\n"},
      // Unknown options, commands and words; the nearest named when it is a slip.
      {"config check f --zones 1 --depth 2", 2, "arqaux: unknown option --depth\n"},
      {acs + datas + " --index 1", 2, "arqaux: unknown option --index\n"},
      {"sample x --zone=3", 2, "arqaux: unknown option --zone; did you mean '--zones'?\n"},
      {"sample x --qiuet", 2, "arqaux: unknown option --qiuet; did you mean '--quiet'?\n"},
      {"smaple", 2, "arqaux: unknown command 'smaple'; did you mean 'sample'?\n"},
      {"report tupvm a.bin b.txt", 2, "arqaux: unknown command 'tupvm'; did you mean 'tupmv'?\n"},
      {"frob", 2, "arqaux: unknown command 'frob'\n"},
      {"report xyz a.bin b.txt" + datas, 2, "arqaux: unknown command 'xyz'\n"},
      {"config verify f", 2, "arqaux: unknown command 'verify'\n"},
      {"sample x y", 2, "arqaux: unexpected argument 'y'\n"},
      // Missing commands, options, values and positionals.
      {"", 2,
       "arqaux: 'arqaux' needs a command: sample, report, climate, config, hvac, stats, wall, "
       "catalogue, import, info, export, plot, glazing, compare, interface, daylight, rain, "
       "help\n"},
      {"climate", 2, "arqaux: 'arqaux climate' needs a command: show, ti\n"},
      {"stats", 2, "arqaux: 'arqaux stats' needs a command: show, report\n"},
      {"config check f", 2, "arqaux: --zones is required\n"},
      {sc + " --outputs 2", 2, "arqaux: --index is required\n"},
      {acs + " --start 1/1/0 --end 1/1/0", 2, "arqaux: --interval is required\n"},
      {acs + " --start 1/1/0 --interval 60", 2, "arqaux: --end is required\n"},
      {"report acs a.bin" + datas, 2, "arqaux: REPORT is required\n"},
      {"config sample", 2, "arqaux: FILE is required\n"},
      {"climate ti", 2, "arqaux: TEXTFILE is required\n"},
      {acs + " --start 1/1/0 --end 1/1/0 --interval", 2, "arqaux: --interval: 1 required"},
      // Numbers and dates out of range.
      {"sample x --zones 101", 2, "arqaux: --zones: Value 101 not in range 1 to 100\n"},
      {"sample x --zones x", 2, "arqaux: --zones: Value x not in range 1 to 100\n"},
      {"sample x --days 3651", 2, "arqaux: --days: Value 3651 not in range 1 to 3650\n"},
      {"sample x --interval 700", 2,
       "arqaux: --interval: must be seconds that divide an hour, or whole hours that divide a "
       "day\n"},
      {"sample x --interval 0", 2, "arqaux: --interval: must be seconds"},
      {"sample x --hvac-interval 900", 2,
       "arqaux: --hvac-interval: must be a multiple of --interval"},
      {acs + " --start 1/1/0 --end 1/1/0 --interval 0", 2,
       "arqaux: --interval: Value 0 not in range 1 to 31536000\n"},
      {acs + " --start 1/1/0 --end 1/1/0 --interval 6x", 2, "arqaux: --interval: Value 6x"},
      {sc + " --outputs -1 --index 0", 2,
       "arqaux: --outputs: Value -1 not in range 0 to " + maximo + "\n"},
      {sc + " --outputs 2 --index 3", 2,
       "arqaux: --index: 3 is not an output number from 0 to 2 (--outputs)\n"},
      {acs + " --start 30/2/0 --end 1/1/0 --interval 60", 2,
       "arqaux: --start: '30/2/0' is not a day DD/MM of the year and an hour HH from 0 to 23\n"},
      {acs + " --start 1/1/24 --end 1/1/0 --interval 60", 2, "arqaux: --start: '1/1/24' is not"},
      {acs + " --start 1/1/0 --end 1/13/0 --interval 60", 2, "arqaux: --end: '1/13/0' is not"},
      {acs + " --start 1/1/0 --end 1-1-0 --interval 60", 2, "arqaux: --end: '1-1-0' is not"},
      {"report tupmv a.bin b.txt --has t,q" + datas, 2,
       "arqaux: --has: 't,q' is not a list of groups among t, h and c\n"},
      {"climate show clima.bin --from 8760", 2,
       "arqaux: --from: Value 8760 not in range 0 to 8759\n"},
      {"climate show clima.bin --count 17521", 2,
       "arqaux: --count: Value 17521 not in range 0 to 17520\n"},
      {"config check f --zones 0", 2, "arqaux: --zones: Value 0 not in range 1 to"},
      {"config check f --zones 1 --blocks gains,,pv", 2,
       "arqaux: --blocks: unknown block '' (expected gains, pv, actuators or ventilation)\n"},
      // Options given twice, or together with one they exclude.
      {"sample x --zones 2 --zones 3", 2, "arqaux: --zones: At Most 1 required but received 2\n"},
      {"climate show clima.bin --soil --soil", 2, "arqaux: --soil: At Most 1 required"},
      {acs + datas + " --start 1/1/1", 2, "arqaux: --start: At Most 1 required"},
      {"report ats a.bin b.txt --ats --ace" + datas, 2, "arqaux: --ats excludes --ace\n"},
      {"climate show clima.bin --soil --ti", 2, "arqaux: --soil excludes --ti\n"},
  };
  for (const auto& c : casos) {
    int status = -1;
    const std::string texto = Roda(c.args, c.status != 0, &status);
    EXPECT_EQ(status, c.status) << c.args;
    EXPECT_NE(texto.find(c.texto), std::string::npos) << c.args << "\n" << texto;
    // Errors are one line, and nothing goes to the other stream.
    if (c.status != 0) {
      EXPECT_EQ(texto.find('\n'), texto.size() - 1) << texto;
    }
    EXPECT_EQ(Roda(c.args, c.status == 0, &status), "") << c.args;
  }
  // No refused command, and no help, wrote anything.
  for (const char* nome : {"x", "-h", "arqaux-sample", "b.txt", "f"}) {
    EXPECT_FALSE(fs::exists(Caminho(nome))) << nome;
  }
}

}  // namespace
