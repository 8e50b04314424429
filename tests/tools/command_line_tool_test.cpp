// The tool's command line, and what a new user meets first. Every command
// answers --help on standard output and exits 0; every line the parser
// refuses is one line on standard error that names the option or word at
// fault, exit status 2, and nothing written. "arqaux sample" with no options
// writes a light year of every family, sums it up family by family and
// prints three next commands that run as printed; progress only on a
// terminal, nothing but errors with --quiet; the manual page and the bash
// completion the build writes from the command declarations.
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/fixture.h"

namespace {

namespace fs = std::filesystem;

// The commands, in the order the tool names them when none is given.
const std::vector<std::string> kComandos = {
    "sample",  "report",    "climate",   "config",   "hvac",   "stats",
    "wall",    "catalogue", "import",    "info",     "export", "plot",
    "glazing", "compare",   "interface", "daylight", "rain",   "help"};

// Runs linha in the test's directory: its exit status; its standard output
// in *saida and its standard error in *erro.
class ToolCommandLine : public ArqauxTest {
 protected:
  int Roda(const std::string& linha, std::string* saida, std::string* erro) {
    const int status = Executa("(cd " + dir + " && { " + linha + "; } 2>erro.txt)", saida);
    *erro = Le_Arquivo(Caminho("erro.txt"));
    return status;
  }
};
using FirstRun = ToolCommandLine;

// kComandos joined by separador.
std::string Junta(const std::string& separador) {
  std::string texto;
  for (const std::string& c : kComandos) texto += (texto.empty() ? "" : separador) + c;
  return texto;
}

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
      {"help climate show", 0, "Usage: arqaux climate show [OPTIONS] FILE\n"},
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
      {"sample x y", 2, "arqaux: unexpected argument 'y'\n"},
      // Missing commands, options, values and positionals.
      {"", 2, "arqaux: 'arqaux' needs a command: " + Junta(", ") + "\n"},
      {"climate", 2, "arqaux: 'arqaux climate' needs a command: show, ti\n"},
      {"stats", 2, "arqaux: 'arqaux stats' needs a command: show, report\n"},
      {"config check f", 2, "arqaux: --zones is required\n"},
      {sc + " --outputs 2", 2, "arqaux: --index is required\n"},
      {acs + " --start 1/1/0 --end 1/1/0", 2, "arqaux: --interval is required\n"},
      {acs + " --start 1/1/0 --interval 60", 2, "arqaux: --end is required\n"},
      {"report acs a.bin" + datas, 2, "arqaux: REPORT is required\n"},
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
      {acs + " --start 1/1/0 --end 1-1-0 --interval 60", 2, "arqaux: --end: '1-1-0' is not"},
      {"report tupmv a.bin b.txt --has t,q" + datas, 2,
       "arqaux: --has: 't,q' is not a list of groups among t, h and c\n"},
      {"climate show clima.bin --from 8760", 2,
       "arqaux: --from: Value 8760 not in range 0 to 8759\n"},
      {"climate show clima.bin --count 17521", 2,
       "arqaux: --count: Value 17521 not in range 0 to 17520\n"},
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
    std::string saida, erro;
    EXPECT_EQ(Roda(kFerramenta + c.args, &saida, &erro), c.status) << c.args;
    const std::string& texto = c.status == 0 ? saida : erro;
    EXPECT_NE(texto.find(c.texto), std::string::npos) << c.args << "\n" << texto;
    // Errors are one line, and nothing goes to the other stream.
    if (c.status != 0) {
      EXPECT_EQ(texto.find('\n'), texto.size() - 1) << texto;
    }
    EXPECT_EQ(c.status == 0 ? erro : saida, "") << c.args;
  }
  // No refused command, and no help, wrote anything.
  for (const char* nome : {"x", "-h", "arqaux-sample", "b.txt", "f"}) {
    EXPECT_FALSE(fs::exists(Caminho(nome))) << nome;
  }
}

TEST_F(FirstRun, DefaultSampleIsLightCompleteAndGuides) {
  std::string saida, erro;
  ASSERT_EQ(Roda(kFerramenta + "sample", &saida, &erro), 0) << saida << erro;
  // Nothing on standard error when it is not a terminal.
  EXPECT_EQ(erro, "");
  // One zone: every family's files, each on its own line of the summary.
  const struct {
    const char* familia;
    int arquivos;
  } familias[] = {{"inputs", 5},    {"zones", 19},      {"hvac", 65},        {"thermal loads", 17},
                  {"envelope", 16}, {"diagnostics", 4}, {"daylight-rain", 2}};
  int total_arquivos = 0;
  for (const auto& f : familias) {
    char linha[64];
    std::snprintf(linha, sizeof linha, "\n  %-15s %4d files ", f.familia, f.arquivos);
    EXPECT_NE(saida.find(linha), std::string::npos) << linha << '\n' << saida;
    total_arquivos += f.arquivos;
  }
  // The folder holds what the summary says, within the budget.
  int arquivos = 0;
  uintmax_t bytes = 0;
  for (const auto& e : fs::directory_iterator(Caminho("arqaux-sample"))) {
    if (e.path().filename() == ".arqaux-run") continue;
    ++arquivos;
    bytes += e.file_size();
  }
  EXPECT_EQ(arquivos, total_arquivos);
  EXPECT_LE(bytes, 60000000u);
  const std::string cabeca = "Wrote " + std::to_string(arquivos) + " files, " +
                             std::to_string(bytes) + " bytes, into arqaux-sample in ";
  EXPECT_EQ(saida.rfind(cabeca, 0), 0u) << saida;
  // No file list without --list, and no path outside the user's folder.
  EXPECT_EQ(saida.find("\nzona1_temp_umi.bin "), std::string::npos) << saida;
  EXPECT_EQ(saida.find(".md"), std::string::npos) << saida;

  // The next commands, exactly three, on the folder as the user named it,
  // run as printed.
  const size_t proximos = saida.find("\nNext:\n");
  ASSERT_NE(proximos, std::string::npos) << saida;
  std::istringstream linhas(saida.substr(proximos + 7));
  std::string linha, resposta;
  for (const char* comando : {"  arqaux info arqaux-sample/", "  arqaux export arqaux-sample/",
                              "  arqaux plot arqaux-sample/"}) {
    ASSERT_TRUE(std::getline(linhas, linha)) << saida;
    EXPECT_EQ(linha.rfind(comando, 0), 0u) << linha;
    EXPECT_EQ(Roda(ARQAUX_TOOL_PATH + linha.substr(sizeof("  arqaux") - 1), &resposta, &erro), 0)
        << linha << '\n'
        << resposta << erro;
    EXPECT_EQ(erro, "") << linha;
  }
  EXPECT_FALSE(std::getline(linhas, linha)) << linha;
}

// The same run's words on a terminal and off it, quiet or not: the summary
// on standard output unless --quiet, the file list with --list, the progress
// line only on a terminal (script gives the tool one) and never with --quiet.
TEST_F(FirstRun, ProgressSummaryListAndQuiet) {
  const struct {
    bool tty;
    const char* opcoes;
    std::vector<const char*> presentes, ausentes;
  } casos[] = {
      {false, "", {"Wrote ", "\nNext:\n"}, {"stepping", "[hvac]"}},
      {false, "--list", {"\nzona1_temp_umi.bin ", "\n[hvac] ", "\nWrote "}, {"stepping"}},
      {false, "--quiet", {}, {"Wrote", "stepping"}},
      {true, "", {"stepping 2 days, steps: 48/48", "\r\033[K", "Wrote "}, {}},
      {true, "--quiet", {}, {"stepping", "Wrote", "\033"}},
  };
  int n = 0;
  for (const auto& c : casos) {
    const std::string palavras = "sample r" + std::to_string(++n) + " --days 2 " + c.opcoes;
    const std::string comando =
        c.tty ? "script -qec '" + kFerramenta + palavras + "' /dev/null" : kFerramenta + palavras;
    std::string saida, erro;
    ASSERT_EQ(Roda(comando, &saida, &erro), 0) << comando << saida << erro;
    // Off a terminal, standard error stays empty.
    const std::string tudo = saida + erro;
    if (!c.tty) {
      EXPECT_EQ(erro, "") << comando;
    }
    for (const char* p : c.presentes) EXPECT_NE(tudo.find(p), std::string::npos) << comando << p;
    for (const char* a : c.ausentes) EXPECT_EQ(tudo.find(a), std::string::npos) << comando << a;
  }
}

// The manual page holds every command and renders; the completion offers
// the commands and options after the words typed.
TEST_F(FirstRun, ManualPageAndCompletion) {
  const fs::path raiz = fs::path(ARQAUX_TOOL_PATH).parent_path() / "share";
  const std::string pagina = Le_Arquivo((raiz / "man/man1/arqaux.1").string());
  std::string saida;
  EXPECT_EQ(pagina.rfind(".TH ARQAUX 1 ", 0), 0u);
  for (const char* secao : {"\n.SH NAME\n", "\n.SH SYNOPSIS\n", "\n.SH OPTIONS\n",
                            "\n.SH COMMANDS\n", "\n.SH EXIT STATUS\n", "\\-V, \\-\\-version"}) {
    EXPECT_NE(pagina.find(secao), std::string::npos) << secao;
  }
  for (const std::string& c : kComandos) {
    EXPECT_NE(pagina.find("\n.SS \"arqaux " + c + "\"\n"), std::string::npos) << c;
  }
  ASSERT_EQ(Executa("groff -man -Tutf8 -P-cbou -ww " + (raiz / "man/man1/arqaux.1").string() +
                        " 2>&1 >" + Caminho("pagina.txt") + " | grep -v 'cannot adjust line'",
                    &saida),
            1)
      << saida;
  const std::string texto = Le_Arquivo(Caminho("pagina.txt"));
  EXPECT_NE(texto.find("ARQAUX(1)"), std::string::npos);
  EXPECT_NE(texto.find("arqaux sample"), std::string::npos);

  const std::string script = (raiz / "bash-completion/completions/arqaux").string();
  const struct {
    const char* palavras;  // after "arqaux"; the last is the one completed
    std::string oferta;
  } casos[] = {
      {"\"\"", Junta(" ") + " -h --help -V --version -q --quiet"},
      {"sa", "sample"},
      {"report tup", "tupmv"},
      {"sample --z", "--zones"},
      {"sample --det", "--detail"},
      {"climate \"\"", "show ti -h --help"},
  };
  for (const auto& c : casos) {
    const std::string bash = "bash -c 'source " + script + "; COMP_WORDS=(arqaux " +
                             std::string(c.palavras) +
                             "); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _arqaux; "
                             "echo \"${COMPREPLY[*]}\"'";
    std::string oferta;
    ASSERT_EQ(Executa(bash, &oferta), 0) << bash;
    EXPECT_EQ(oferta, c.oferta + "\n") << c.palavras;
  }
}

}  // namespace
