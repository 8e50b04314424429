// What a new user meets first: "arqaux sample" with no options writes a light
// year of every family, sums it up family by family and prints three next
// commands that run as printed; progress only on a terminal, nothing but
// errors with --quiet; the manual page and the bash completion the build
// writes from the command declarations.
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/fixture.h"

namespace {

namespace fs = std::filesystem;

const std::string kTool = ARQAUX_TOOL_PATH;

class FirstRun : public ArqauxTest {
 protected:
  // Runs linha in the test's directory: its exit status; its standard
  // output in *saida and its standard error in *erro.
  int Roda(const std::string& linha, std::string* saida, std::string* erro) {
    const int status = Executa("(cd " + dir + " && { " + linha + "; } 2>erro.txt)", saida);
    *erro = Le_Arquivo(Caminho("erro.txt"));
    return status;
  }
};

std::vector<std::string> Linhas(const std::string& texto) {
  std::vector<std::string> linhas;
  std::istringstream in(texto);
  for (std::string l; std::getline(in, l);) linhas.push_back(l);
  return linhas;
}

TEST_F(FirstRun, DefaultSampleIsLightCompleteAndGuides) {
  std::string saida, erro;
  ASSERT_EQ(Roda(kTool + " sample", &saida, &erro), 0) << saida << erro;
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

  // The next commands, on the folder as the user named it, run as printed.
  std::vector<std::string> proximos;
  const std::vector<std::string> linhas = Linhas(saida);
  for (size_t i = 0; i < linhas.size(); ++i) {
    if (linhas[i] != "Next:") continue;
    for (size_t j = i + 1; j < linhas.size(); ++j) proximos.push_back(linhas[j]);
  }
  const char* const comandos[] = {"  arqaux info arqaux-sample/", "  arqaux export arqaux-sample/",
                                  "  arqaux plot arqaux-sample/"};
  ASSERT_EQ(proximos.size(), 3u) << saida;
  for (size_t k = 0; k < 3; ++k) {
    EXPECT_EQ(proximos[k].rfind(comandos[k], 0), 0u) << proximos[k];
    std::string resposta;
    EXPECT_EQ(Roda(kTool + proximos[k].substr(sizeof("  arqaux") - 1), &resposta, &erro), 0)
        << proximos[k] << '\n'
        << resposta << erro;
    EXPECT_EQ(erro, "") << proximos[k];
  }
}

// The same run's words on a terminal and off it, quiet or not: the summary
// on standard output unless --quiet, the file list with --list, the progress
// line only on a terminal (script gives the tool one) and never with --quiet.
TEST_F(FirstRun, ProgressSummaryListAndQuiet) {
  const std::string terminal = "script -qec '" + kTool + " sample %s --days 2 %s' /dev/null";
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
    const std::string pasta = "r" + std::to_string(++n);
    char linha[512];
    std::snprintf(linha, sizeof linha, terminal.c_str(), pasta.c_str(), c.opcoes);
    std::string saida, erro;
    const std::string comando =
        c.tty ? std::string(linha) : kTool + " sample " + pasta + " --days 2 " + c.opcoes;
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
  const fs::path raiz = fs::path(kTool).parent_path() / "share";
  const std::string pagina = Le_Arquivo((raiz / "man/man1/arqaux.1").string());
  std::string saida, erro;
  // The commands, as the tool names them when none is given.
  Roda(kTool, &saida, &erro);
  const std::string marca = "needs a command: ";
  ASSERT_NE(erro.find(marca), std::string::npos) << erro;
  std::string lista = erro.substr(erro.find(marca) + marca.size());
  lista.pop_back();
  std::vector<std::string> comandos;
  for (size_t i = 0; i < lista.size();) {
    size_t fim = lista.find(", ", i);
    if (fim == std::string::npos) fim = lista.size();
    comandos.push_back(lista.substr(i, fim - i));
    i = fim + 2;
  }
  EXPECT_EQ(pagina.rfind(".TH ARQAUX 1 ", 0), 0u);
  for (const char* secao : {"\n.SH NAME\n", "\n.SH SYNOPSIS\n", "\n.SH OPTIONS\n",
                            "\n.SH COMMANDS\n", "\n.SH EXIT STATUS\n", "\\-V, \\-\\-version"}) {
    EXPECT_NE(pagina.find(secao), std::string::npos) << secao;
  }
  for (const std::string& c : comandos) {
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
  std::string todos;
  for (const std::string& c : comandos) todos += (todos.empty() ? "" : " ") + c;
  const struct {
    const char* palavras;  // after "arqaux"; the last is the one completed
    std::string oferta;
  } casos[] = {
      {"\"\"", todos + " -h --help -V --version -q --quiet"},
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
