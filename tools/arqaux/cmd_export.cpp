// arqaux export: a file's records, or those of every exportable file of a
// directory, as CSV (a directory's into a folder, a file each) or into an
// SQLite database (exporta.h).
//
// A directory goes into one database, one table per file named after it,
// written in one transaction: a failure leaves no partial database behind.
// Files of a directory that hold no exportable records (reports,
// descriptions, statistics) are passed over and counted.
#include <arqaux/dados.h>
#include <sqlite3.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <system_error>
#include <vector>

#include "comandos.h"
#include "exporta.h"
#include "saida_segura.h"
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
// records, in name order. A directory or a file that does not read is an
// error in *erro, never a file passed over.
std::vector<std::string> Arquivos_Exportaveis(const std::string& pasta, int* ignorados,
                                              std::string* erro) {
  std::vector<std::string> nomes;
  std::error_code ec;
  for (fs::directory_iterator i(pasta, ec), fim; !ec && i != fim; i.increment(ec)) {
    std::error_code tipo;  // a link to nothing is not a regular file
    if (i->is_regular_file(tipo)) nomes.push_back(i->path().string());
  }
  if (ec) *erro = "cannot read directory '" + pasta + "': " + ec.message();
  std::sort(nomes.begin(), nomes.end());
  std::vector<std::string> exportaveis;
  for (const std::string& n : nomes) {
    TAmostra_Arquivo a;
    if (!erro->empty() || !Le_Amostra_Arquivo(n, &a, erro)) return {};
    const TDeteccao d = Detecta_Tipo(a, "");
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

// A directory's files as CSV, one a file, into the folder p.saida, named as
// each file with ".csv" after its name ("zona1_temp_umi.bin.csv": a run
// holds files of one name and two extensions). The folder is new, or one an
// earlier export made: it holds nothing but CSV files and the manifest that
// lists them. The files are made in a private folder inside it and moved
// into place once all are whole; those of the earlier export that this one
// did not make again are removed.
int Exporta_Pasta_CSV(const TPedido_Exportacao& p, const std::vector<std::string>& arquivos,
                      const std::vector<std::string>& lidos) {
  std::error_code ec;
  for (fs::directory_iterator i(p.saida, ec), fim; !ec && i != fim; i.increment(ec)) {
    const std::string nome = i->path().filename().string();
    if (nome != MANIFESTO_EXECUCAO &&
        (i->path().extension() != ".csv" || !fs::is_regular_file(i->symlink_status(ec)))) {
      return Erro("'%s' holds '%s': CSV files go into a new folder, or one of CSV files only",
                  p.saida.c_str(), nome.c_str());
    }
  }
  TPasta_Execucao pasta(p.saida, lidos, false);
  if (int erro = pasta.Abre()) return erro;
  long long total = 0;
  std::string erro;
  for (const std::string& a : arquivos) {
    TDeteccao d;
    if (int falha = Conhece_Arquivo(a, "", &d)) return falha;
    std::unique_ptr<TSerie> s = Abre_Serie(a, d, p.intervalo, &erro);
    if (s == nullptr) return Erro("%s: %s", a.c_str(), erro.c_str());
    const std::string nome = fs::path(a).filename().string() + ".csv";
    const std::string caminho = (fs::path(pasta.Preparo()) / nome).string();
    std::FILE* saida = std::fopen(caminho.c_str(), "wb");
    if (saida == nullptr) return Perda((fs::path(p.saida) / nome).string());
    const long long linhas = Exporta_CSV(s.get(), p.ano, saida, &erro);
    const bool fechado = std::fclose(saida) == 0;
    if (!erro.empty()) return Erro("%s: %s", a.c_str(), erro.c_str());
    if (linhas < 0 || !fechado) return Perda((fs::path(p.saida) / nome).string());
    total += linhas;
  }
  if (int falha = pasta.Publica()) return falha;
  std::printf("%s: %zu CSV files, %lld rows\n", p.saida.c_str(), arquivos.size(), total);
  return 0;
}

// What SQLite said of db, with the system's own words when a call to the
// system failed: "disk I/O error (File too large)".
std::string Erro_Banco(sqlite3* db) {
  std::string texto = sqlite3_errmsg(db);
  if (const int sistema = sqlite3_system_errno(db)) {
    texto += std::string(" (") + std::strerror(sistema) + ")";
  }
  return texto;
}

// A failed export leaves nothing of its database: the transaction is
// rolled back, and the file and its journal removed.
void Remove_Banco(TBanco* db, const std::string& saida) {
  db->reset();
  std::error_code ec;
  for (const std::string& c : {saida, saida + "-journal"}) fs::remove(c, ec);
}

// Exports arquivos into the new database p.saida, in one transaction.
// forcado, when not empty, is the kind of every file.
int Exporta_Para_SQLite(const TPedido_Exportacao& p, const std::vector<std::string>& arquivos,
                        const std::string& forcado) {
  std::error_code ec;
  // A journal left beside the name would be rolled into the new database.
  for (const std::string& c : {p.saida, p.saida + "-journal"}) {
    if (fs::exists(fs::symlink_status(c, ec))) return Erro("'%s' exists already", c.c_str());
  }
  sqlite3* aberto = nullptr;
  const int rc = sqlite3_open(p.saida.c_str(), &aberto);
  TBanco db(aberto);
  auto falha = [&](const std::string& causa) {
    Remove_Banco(&db, p.saida);
    return Erro("writing '%s' failed: %s", p.saida.c_str(), causa.c_str());
  };
  if (rc != SQLITE_OK) return falha(Erro_Banco(db.get()));
  std::string erro;
  std::set<std::string> tabelas = {"series"};
  long long linhas = 0;
  if (sqlite3_exec(db.get(), "BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK) {
    return falha(Erro_Banco(db.get()));
  }
  const bool terminal = isatty(STDERR_FILENO) != 0;
  for (size_t k = 0; k < arquivos.size(); ++k) {
    const std::string& a = arquivos[k];
    if (terminal) std::fprintf(stderr, "\r%zu of %zu files", k + 1, arquivos.size());
    TDeteccao d;
    if (int e = Conhece_Arquivo(a, forcado, &d)) {
      Remove_Banco(&db, p.saida);
      return e;
    }
    // A file that does not read is the file's fault; a row that does not go
    // in, the database's.
    std::unique_ptr<TSerie> s = Abre_Serie(a, d, p.intervalo, &erro);
    if (s == nullptr) {
      Remove_Banco(&db, p.saida);
      return Erro("%s: %s", a.c_str(), erro.c_str());
    }
    const long long n =
        Exporta_SQLite(db.get(), Nome_Tabela(a, &tabelas), fs::path(a).filename().string(),
                       d.tipo->nome, s.get(), p.ano, &erro);
    if (n < 0) return falha(Erro_Banco(db.get()));
    linhas += n;
  }
  if (terminal) std::fputc('\n', stderr);
  if (sqlite3_exec(db.get(), "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
    return falha(Erro_Banco(db.get()));
  }
  if (sqlite3_close(db.release()) != SQLITE_OK) return falha("it did not close");
  if (int erro = Anota_No_Manifesto(p.saida)) return erro;
  std::printf("%s: %zu tables, %lld rows\n", p.saida.c_str(), arquivos.size(), linhas);
  return 0;
}

// The directory as a file name beside it: "run/" and "run" give "run",
// "." the directory's own name.
std::string Nome_Da_Pasta(const std::string& caminho) {
  fs::path pasta = fs::path(caminho).lexically_normal();
  if (!pasta.has_filename()) pasta = pasta.parent_path();
  if (pasta.empty() || pasta.filename() == "." || pasta.filename() == "..") {
    std::error_code ec;
    const fs::path absoluta = fs::weakly_canonical(fs::absolute(caminho, ec), ec);
    if (!ec) pasta = absoluta;
  }
  return pasta.string();
}

int Exporta(TPedido_Exportacao p) {
  const bool csv = p.formato == "csv";
  std::error_code ec;
  const bool pasta = fs::is_directory(p.caminho, ec);
  if (p.saida.empty()) {
    p.saida =
        (pasta ? Nome_Da_Pasta(p.caminho) : fs::path(p.caminho).replace_extension("").string()) +
        (pasta && csv ? "_csv"
         : csv        ? ".csv"
                      : ".sqlite");
  }
  if ((pasta || !csv) && p.saida == "-") {
    return Erro(pasta && csv ? "a directory's CSV files go into a folder: give --out DIR"
                             : "a database is written to a file: give --out FILE");
  }
  int ignorados = 0;
  std::vector<std::string> arquivos{p.caminho};
  std::string motivo;
  if (pasta) arquivos = Arquivos_Exportaveis(p.caminho, &ignorados, &motivo);
  if (!motivo.empty()) return Erro("%s", motivo.c_str());
  std::vector<std::string> lidos;
  for (const std::string& a : arquivos) {
    for (const std::string& l : Arquivos_Lidos(a)) lidos.push_back(l);
  }
  if (int erro = Confere_Saida(p.saida, lidos)) return erro;
  if (!csv) {
    if (arquivos.empty()) return Erro("'%s' holds no file to export", p.caminho.c_str());
    if (pasta) std::printf("%d files passed over: no records to export\n", ignorados);
    return Exporta_Para_SQLite(p, arquivos, pasta ? "" : p.tipo);
  }
  if (pasta) {
    std::printf("%d files passed over: no records to export\n", ignorados);
    return Exporta_Pasta_CSV(p, arquivos, lidos);
  }
  TDeteccao d;
  if (int erro = Conhece_Arquivo(p.caminho, p.tipo, &d)) return erro;
  std::unique_ptr<TSerie> s = Abre_Serie(p.caminho, d, p.intervalo, &motivo);
  if (s == nullptr) return Erro("%s", motivo.c_str());
  return Exporta_Para_CSV(p, s.get());
}

}  // namespace

void Declara_Export(CLI::App* app, TAcao* acao) {
  CLI::App* sub =
      app->add_subcommand("export", "write a file's records as CSV or into an SQLite database");
  auto p = std::make_shared<TPedido_Exportacao>();
  sub->add_option("PATH", p->caminho, "a file, or a directory of a run")->required();
  sub->add_option("--to", p->formato, "csv or sqlite")
      ->required()
      ->check(CLI::IsMember({"csv", "sqlite"}));
  sub->add_option("--out", p->saida,
                  "the file written, '-' for standard output (CSV; default: PATH with .csv or "
                  ".sqlite for its extension, a directory's database DIR.sqlite beside it), or "
                  "the folder a directory's CSV files go into (default: DIR_csv beside it)");
  sub->add_option("--kind", p->tipo, "the file's kind, when it cannot be told");
  sub->add_option("--year", p->ano, "reference year of the timestamps")
      ->check(CLI::Range(1, 9999 - 20))
      ->capture_default_str();
  sub->add_option("--interval", p->intervalo,
                  "seconds between records (default: the file's description or header, or 3600)")
      ->check(CLI::Range(1, 86400));
  sub->callback([p, acao] { *acao = [p] { return Exporta(*p); }; });
}
