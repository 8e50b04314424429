// arqaux compare: two projects compared file by file. It finds each
// project's data folder as the library does (comum/projeto.h) and puts the
// working directory back before it prints.
#include <arqaux/arqaux.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <memory>
#include <string>

#include "comandos/comandos.h"
#include "comum/erros.h"
#include "comum/projeto.h"

namespace {

namespace fs = std::filesystem;

constexpr size_t kBloco = 65536;

// Opens nome in the data folder of projeto in dir, as the library finds it;
// null when the folder or the file does not open.
TArq Abre_Do_Projeto(const std::string& dir, const std::string& projeto, const std::string& nome) {
  if (!DLL_UTIL_Geren_Dir()->Muda_Custom_Dir(dir + "\\#" + projeto)) return nullptr;
  return TArq(std::fopen(nome.c_str(), "rb"));
}

// The offset of the first byte where a and b differ (the shorter length when
// one is a prefix of the other); -1 when a read fails.
long long Primeira_Diferenca(FILE* a, FILE* b) {
  std::unique_ptr<char[]> x(new char[kBloco]), y(new char[kBloco]);
  for (long long base = 0;; base += kBloco) {
    const size_t na = std::fread(x.get(), 1, kBloco, a);
    const size_t nb = std::fread(y.get(), 1, kBloco, b);
    if (std::ferror(a) != 0 || std::ferror(b) != 0) return -1;
    const size_t n = na < nb ? na : nb;
    const auto fim = std::mismatch(x.get(), x.get() + n, y.get());
    if (fim.first != x.get() + n || na != nb) return base + (fim.first - x.get());
  }
}

// One line per extension: the two files' names and "same", "differs at byte
// N" (from 0) or "missing"; the library's CompararFile says whether they
// differ, the tool's own scan where.
std::string Compara_Arquivo(const std::string& dir, const std::string& p1, const std::string& p2,
                            const std::string& prefixo, const char* extensao) {
  const std::string n1 = prefixo + p1 + extensao, n2 = prefixo + p2 + extensao;
  const std::string linha = n1 + "\t" + n2 + "\t";
  const TArq a = Abre_Do_Projeto(dir, p1, n1);
  const TArq b = Abre_Do_Projeto(dir, p2, n2);
  if (!a || !b) return linha + "missing";
  if (!Geren_ArqAux()->CompararFile(a.get(), b.get())) return linha + "same";
  std::rewind(a.get());
  std::rewind(b.get());
  const long long byte = Primeira_Diferenca(a.get(), b.get());
  if (byte < 0) return linha + "unreadable";
  return linha + "differs at byte " + std::to_string(byte);
}

struct TComparacao {
  std::string dir, p1, p2;
  bool novo = false;
};

int Compara(TComparacao c) {
  std::error_code ec;
  if (!fs::is_directory(c.dir, ec)) return Erro("'%s' is not a directory", c.dir.c_str());
  for (size_t e = 0; e < std::size(ARQAUX_EXTENSOES_PROJETO); ++e) {
    const std::string prefixo =
        c.novo && e < ARQAUX_EXTENSOES_COM_PREFIXO ? ARQAUX_PREFIXO_NOVO : "";
    for (const std::string& p : {c.p1, c.p2}) {
      if (int erro = Relata(Confere_Arquivo_Do_Projeto(
              Pasta_Do_Projeto(c.dir, p), prefixo + p + ARQAUX_EXTENSOES_PROJETO[e]))) {
        return erro;
      }
    }
  }
  const std::string dado = c.dir;
  c.dir = fs::absolute(dado, ec).string();  // entering one folder must not move the other
  if (ec) return Erro("cannot use directory '%s': %s", dado.c_str(), ec.message().c_str());
  std::string linhas;
  bool difere = false;
  {
    const TVolta_Dir volta;
    if (!volta.Valido()) return Erro("cannot keep the working directory");
    for (size_t e = 0; e < std::size(ARQAUX_EXTENSOES_PROJETO); ++e) {
      const std::string prefixo =
          c.novo && e < ARQAUX_EXTENSOES_COM_PREFIXO ? ARQAUX_PREFIXO_NOVO : "";
      linhas += Compara_Arquivo(c.dir, c.p1, c.p2, prefixo, ARQAUX_EXTENSOES_PROJETO[e]) + "\n";
    }
    difere = Geren_ArqAux()->ComparaProjeto(c.p1, c.p2, c.dir, c.novo);
  }
  std::fputs(linhas.c_str(), stdout);
  return difere ? 1 : 0;
}

}  // namespace

void Declara_Compare(CLI::App* app, TAcao* acao) {
  CLI::App* compara = app->add_subcommand(
      "compare", "compare two projects' data files; exit 0 when identical, 1 when not");
  auto c = std::make_shared<TComparacao>();
  compara->add_option("DIR", c->dir, "directory holding both projects' data folders")->required();
  compara->add_option("P1", c->p1, "first project's name")->required();
  compara->add_option("P2", c->p2, "second project's name")->required();
  compara->add_flag("--new", c->novo, "compare the NEW files (but for .par and .prj)");
  compara->callback([c, acao] { *acao = [c] { return Compara(*c); }; });
}
