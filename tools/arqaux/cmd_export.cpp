// arqaux export: a file's records, or those of every exportable file of a
// directory, as CSV or into an SQLite database (exporta.h).
//
// A directory goes into one database, one table per file named after it,
// written in one transaction: a failure leaves no partial database behind.
// Files of a directory that hold no exportable records (reports,
// descriptions, statistics) are passed over and counted.
#include <sqlite3.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <system_error>
#include <vector>

#include "comandos.h"
#include "exporta.h"
#include "saida_segura.h"
#include "series.h"
#include "tipos_arquivo.h"
#include "verificacoes.h"

namespace {

namespace fs = std::filesystem;

struct TPedido_Exportacao {
  std::string caminho, formato, saida, tipo;
  int ano = 2001;
  int intervalo = 0;
};

struct Fecha_Banco {
  void operator()(sqlite3* db) const { sqlite3_close(db); }
};
using TBanco = std::unique_ptr<sqlite3, Fecha_Banco>;

// "zona1_temp_umi.bin" -> "zona1_temp_umi": letters, digits and '_', unique
// among usados (held in lower case: the database's names ignore case) and
// not of the names it keeps for itself ("sqlite_...").
std::string Nome_Tabela(const std::string& arquivo, std::set<std::string>* usados) {
  std::string nome = fs::path(arquivo).stem().string();
  for (char& c : nome) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  auto minusculas = [](std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  };
  if (nome.empty() || std::isdigit(static_cast<unsigned char>(nome[0])) ||
      minusculas(nome).rfind("sqlite_", 0) == 0) {
    nome = "t_" + nome;
  }
  std::string unico = nome;
  for (int k = 2; !usados->insert(minusculas(unico)).second; ++k) {
    unico = nome + "_" + std::to_string(k);
  }
  return unico;
}

// The files of a directory export: each regular file whose kind has
// records, in name order.
std::vector<std::string> Arquivos_Exportaveis(const std::string& pasta, int* ignorados) {
  std::vector<std::string> nomes;
  std::error_code ec;
  for (const fs::directory_entry& e : fs::directory_iterator(pasta, ec)) {
    if (e.is_regular_file(ec)) nomes.push_back(e.path().string());
  }
  std::sort(nomes.begin(), nomes.end());
  std::vector<std::string> exportaveis;
  for (const std::string& n : nomes) {
    TAmostra_Arquivo a;
    std::string erro;
    TDeteccao d;
    if (Le_Amostra_Arquivo(n, &a, &erro)) d = Detecta_Tipo(a, "");
    if (d.tipo != nullptr && d.tipo->leitura != TLeitura::Nenhuma) {
      exportaveis.push_back(n);
    } else {
      ++*ignorados;
    }
  }
  return exportaveis;
}

// "--out -" writes the CSV to standard output, for a pipe, and nothing else
// there. A file is written under a temporary name and renamed once whole.
int Exporta_Para_CSV(const TPedido_Exportacao& p, TSerie* s) {
  std::string erro;
  if (p.saida == "-") {
    const long long linhas = Exporta_CSV(s, p.ano, stdout, &erro);
    if (!erro.empty()) return Erro("%s: %s", p.caminho.c_str(), erro.c_str());
    return std::fflush(stdout) != 0 || linhas < 0 ? Perda("standard output") : 0;
  }
  TArquivo_Novo saida;
  if (int falha = saida.Abre(p.saida)) return falha;
  const long long linhas = Exporta_CSV(s, p.ano, saida.Arquivo(), &erro);
  if (!erro.empty()) return Erro("%s: %s", p.caminho.c_str(), erro.c_str());
  if (linhas < 0) return Perda(p.saida);
  if (int falha = saida.Conclui()) return falha;
  std::printf("%s: %lld rows\n", p.saida.c_str(), linhas);
  return 0;
}

// Exports arquivos into the new database p.saida, in one transaction.
// forcado, when not empty, is the kind of every file.
int Exporta_Para_SQLite(const TPedido_Exportacao& p, const std::vector<std::string>& arquivos,
                        const std::string& forcado) {
  std::error_code ec;
  if (fs::exists(fs::symlink_status(p.saida, ec))) {
    return Erro("'%s' exists already", p.saida.c_str());
  }
  sqlite3* aberto = nullptr;
  const int rc = sqlite3_open(p.saida.c_str(), &aberto);
  TBanco db(aberto);
  if (rc != SQLITE_OK) return Erro("cannot create '%s'", p.saida.c_str());
  std::string erro;
  std::set<std::string> tabelas = {"series"};
  long long linhas = 0;
  if (sqlite3_exec(db.get(), "BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK) {
    return Erro("cannot write '%s': %s", p.saida.c_str(), sqlite3_errmsg(db.get()));
  }
  const bool terminal = isatty(STDERR_FILENO) != 0;
  for (size_t k = 0; k < arquivos.size(); ++k) {
    const std::string& a = arquivos[k];
    if (terminal) std::fprintf(stderr, "\r%zu of %zu files", k + 1, arquivos.size());
    TDeteccao d;
    if (int e = Conhece_Arquivo(a, forcado, &d)) return e;
    std::unique_ptr<TSerie> s = Abre_Serie(a, d, p.intervalo, &erro);
    const long long n = s == nullptr ? -1
                                     : Exporta_SQLite(db.get(), Nome_Tabela(a, &tabelas),
                                                      fs::path(a).filename().string(), d.tipo->nome,
                                                      s.get(), p.ano, &erro);
    if (n < 0) {
      db.reset();
      fs::remove(p.saida, ec);
      return Erro("%s: %s", a.c_str(), erro.c_str());
    }
    linhas += n;
  }
  if (terminal) std::fputc('\n', stderr);
  if (sqlite3_exec(db.get(), "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK ||
      sqlite3_close(db.release()) != SQLITE_OK) {
    return Perda(p.saida);
  }
  if (int erro = Anota_No_Manifesto(p.saida)) return erro;
  std::printf("%s: %zu tables, %lld rows\n", p.saida.c_str(), arquivos.size(), linhas);
  return 0;
}

int Exporta(TPedido_Exportacao p) {
  const bool csv = p.formato == "csv";
  std::error_code ec;
  const bool pasta = fs::is_directory(p.caminho, ec);
  if (p.saida.empty()) {
    p.saida = (pasta ? fs::path(p.caminho).lexically_normal().string() + "/export"
                     : fs::path(p.caminho).replace_extension("").string()) +
              (csv ? ".csv" : ".sqlite");
  }
  if (pasta && csv) return Erro("a directory is exported --to sqlite; give one file for CSV");
  if (!csv && p.saida == "-") return Erro("a database is written to a file: give --out FILE");
  if (!pasta) {
    if (int erro = Confere_Saida(p.saida, p.caminho)) return erro;
  }
  if (!csv) {
    int ignorados = 0;
    std::vector<std::string> arquivos{p.caminho};
    if (pasta) arquivos = Arquivos_Exportaveis(p.caminho, &ignorados);
    if (arquivos.empty()) return Erro("'%s' holds no file to export", p.caminho.c_str());
    if (pasta) std::printf("%d files passed over: no records to export\n", ignorados);
    return Exporta_Para_SQLite(p, arquivos, pasta ? "" : p.tipo);
  }
  TDeteccao d;
  if (int erro = Conhece_Arquivo(p.caminho, p.tipo, &d)) return erro;
  std::string erro;
  std::unique_ptr<TSerie> s = Abre_Serie(p.caminho, d, p.intervalo, &erro);
  if (s == nullptr) return Erro("%s", erro.c_str());
  return Exporta_Para_CSV(p, s.get());
}

}  // namespace

void Declara_Export(CLI::App* app, TAcao* acao) {
  CLI::App* sub =
      app->add_subcommand("export", "write a file's records as CSV or into an SQLite database");
  auto p = std::make_shared<TPedido_Exportacao>();
  sub->add_option("PATH", p->caminho, "a file, or a directory of a run (--to sqlite)")->required();
  sub->add_option("--to", p->formato, "csv or sqlite")
      ->required()
      ->check(CLI::IsMember({"csv", "sqlite"}));
  sub->add_option("--out", p->saida,
                  "the file written, '-' for standard output (CSV; default: PATH's name, .csv or "
                  ".sqlite)");
  sub->add_option("--kind", p->tipo, "the file's kind, when it cannot be told");
  sub->add_option("--year", p->ano, "reference year of the timestamps")
      ->check(CLI::Range(1, 9999 - 20))
      ->capture_default_str();
  sub->add_option("--interval", p->intervalo,
                  "seconds between records (default: the file's description or header, or 3600)")
      ->check(CLI::Range(1, 86400));
  sub->callback([p, acao] { *acao = [p] { return Exporta(*p); }; });
}
