// arqaux export: a file's records as CSV; every exportable file of a run
// folder as CSV, a file each, into a folder; or every exportable file of run
// folders into one SQLite database, new or appended to (the library's
// Exporta_Banco, whose header comment tells the layout). Files of a folder
// that hold no exportable records (reports, descriptions, statistics) are
// passed over and counted.
#include <arqaux/dados.h>

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

#include "comandos/comandos.h"
#include "comum/erros.h"
#include "comum/verificacoes.h"
#include "saida/progresso.h"
#include "saida/saida_segura.h"

namespace {

namespace fs = std::filesystem;

struct TPedido_Exportacao {
  std::string caminho, formato, saida, tipo;
  int ano = 2001;
  int intervalo = 0;
  std::vector<std::string> caminhos;  // the runs of a database
  bool acrescentar = false;
};

// The files of records of the run folder pasta into *arquivos, in name
// order; the others counted in *ignorados.
TResultado Arquivos_Exportaveis(const std::string& pasta, std::vector<std::string>* arquivos,
                                int* ignorados) {
  TExecucao e;
  size_t outros = 0;
  std::string erro;
  arquivos->clear();
  if (!Lista_Execucao(pasta, &e, &outros, &erro)) return TResultado::Falha(erro);
  *ignorados = static_cast<int>(outros);
  for (const TArquivo_Execucao& a : e.arquivos) arquivos->push_back(a.caminho);
  return {};
}

// A file whose records end before its bytes do (cut short, or damaged) is
// not exported as if whole.
TResultado Confere_Exportado(const std::string& caminho, const TSerie& s) {
  const std::string dano = Confere_Final(caminho, s);
  return dano.empty() ? TResultado() : Falha("%s", dano.c_str());
}

// "--out -" writes the CSV to standard output, for a pipe, and nothing else
// there. A file is written under a temporary name and renamed once whole.
TResultado Exporta_Para_CSV(const TPedido_Exportacao& p, TSerie* s) {
  std::string erro;
  if (p.saida == "-") {
    const long long linhas = Exporta_CSV(s, p.ano, stdout, &erro);
    if (!erro.empty()) return Falha("%s: %s", p.caminho.c_str(), erro.c_str());
    if (std::fflush(stdout) != 0 || linhas < 0) return Perda("standard output");
    return Confere_Exportado(p.caminho, *s);
  }
  TArquivo_Novo saida;
  if (TResultado falha = saida.Abre(p.saida); !falha.Ok()) return falha;
  const long long linhas = Exporta_CSV(s, p.ano, saida.Arquivo(), &erro);
  if (!erro.empty()) return Falha("%s: %s", p.caminho.c_str(), erro.c_str());
  if (linhas < 0) return Perda(p.saida);
  if (TResultado dano = Confere_Exportado(p.caminho, *s); !dano.Ok()) return dano;
  if (TResultado falha = saida.Conclui(); !falha.Ok()) return falha;
  if (!Silencioso()) std::printf("%s: %lld rows\n", p.saida.c_str(), linhas);
  return {};
}

// A directory's files as CSV, one a file, into the folder p.saida, named as
// each file with ".csv" after its name ("zona1_temp_umi.bin.csv": a run
// holds files of one name and two extensions). The folder is new, or one an
// earlier export made: it holds nothing but CSV files and the manifest that
// lists them. The files are made in a private folder inside it and moved
// into place once all are whole; those of the earlier export that this one
// did not make again are removed. The count of the folder's files without
// records (ignorados) is said with the summary, once all are written, so that
// a refusal stays the one line that names its file.
TResultado Exporta_Pasta_CSV(const TPedido_Exportacao& p, const std::vector<std::string>& arquivos,
                             const std::vector<std::string>& lidos, int ignorados) {
  std::error_code ec;
  for (fs::directory_iterator i(p.saida, ec), fim; !ec && i != fim; i.increment(ec)) {
    const std::string nome = i->path().filename().string();
    if (nome != kManifestoExecucao &&
        (i->path().extension() != ".csv" || !fs::is_regular_file(i->symlink_status(ec)))) {
      return Falha("'%s' holds '%s': CSV files go into a new folder, or one of CSV files only",
                   p.saida.c_str(), nome.c_str());
    }
  }
  TPasta_Execucao pasta(p.saida, lidos, false);
  if (TResultado erro = pasta.Abre(); !erro.Ok()) return erro;
  long long total = 0;
  std::string erro;
  TProgresso progresso("exporting " + p.caminho + " to CSV, files", arquivos.size());
  for (const std::string& a : arquivos) {
    TDeteccao d;
    if (TResultado falha = Conhece_Arquivo(a, "", &d); !falha.Ok()) return falha;
    std::unique_ptr<TSerie> s = Abre_Serie(a, d, p.intervalo, &erro);
    if (s == nullptr) return Falha("%s: %s", a.c_str(), erro.c_str());
    const std::string nome = fs::path(a).filename().string() + ".csv";
    const std::string caminho = (fs::path(pasta.Preparo()) / nome).string();
    std::FILE* saida = std::fopen(caminho.c_str(), "wb");
    if (saida == nullptr) return Perda((fs::path(p.saida) / nome).string());
    const long long linhas = Exporta_CSV(s.get(), p.ano, saida, &erro);
    const bool fechado = std::fclose(saida) == 0;
    if (!erro.empty()) return Falha("%s: %s", a.c_str(), erro.c_str());
    if (linhas < 0 || !fechado) return Perda((fs::path(p.saida) / nome).string());
    if (TResultado dano = Confere_Exportado(a, *s); !dano.Ok()) return dano;
    total += linhas;
    progresso.Avanca(&a - arquivos.data() + 1);
  }
  if (TResultado falha = pasta.Publica(); !falha.Ok()) return falha;
  if (!Silencioso()) {
    std::printf("%d files passed over: no records to export\n", ignorados);
    std::printf("%s: %zu CSV files, %lld rows\n", p.saida.c_str(), arquivos.size(), total);
  }
  return {};
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

// Exports the run folders p.caminhos into one database: a new one, or
// appended to one export made.
TResultado Exporta_Para_SQLite(TPedido_Exportacao p) {
  if (p.saida == "-") return Falha("a database is written to a file: give --out FILE");
  if (p.intervalo != 0 || !p.tipo.empty()) {
    return Falha("--kind and --interval are for one file: a run's files tell their own");
  }
  if (p.caminhos.size() > 1 && p.saida.empty()) {
    return Falha("several runs go into one database: give --out FILE");
  }
  std::vector<std::string> lidos;
  for (const std::string& c : p.caminhos) {
    std::error_code ec;
    if (!fs::is_directory(c, ec)) return Falha("'%s' is not a run folder", c.c_str());
    int ignorados = 0;
    std::vector<std::string> arquivos;
    if (TResultado erro = Arquivos_Exportaveis(c, &arquivos, &ignorados); !erro.Ok()) return erro;
    if (arquivos.empty()) return Falha("'%s' holds no file to export", c.c_str());
    for (const std::string& a : arquivos) {
      for (const std::string& l : Arquivos_Lidos(a)) lidos.push_back(l);
    }
  }
  if (p.saida.empty()) p.saida = Nome_Da_Pasta(p.caminhos[0]) + ".sqlite";
  if (TResultado erro = Confere_Saida(p.saida, lidos); !erro.Ok()) return erro;
  TProgresso linha("exporting into " + p.saida + ", files", 0);
  auto progresso = [&linha](size_t feitos, size_t total) {
    if (feitos == 1) linha.Etapa("exporting into the database, files", total);
    linha.Avanca(feitos);
  };
  TResumo_Banco resumo;
  std::string erro;
  if (!Exporta_Banco(p.caminhos, p.saida, p.acrescentar, p.ano, &resumo, &erro, progresso)) {
    return Falha("%s", erro.c_str());
  }
  if (!p.acrescentar) {
    if (TResultado falha = Anota_No_Manifesto(p.saida); !falha.Ok()) return falha;
  }
  if (Silencioso()) return {};
  std::printf("%zu files passed over: no records to export\n", resumo.ignorados);
  std::printf("%s: %zu runs, %zu files, %lld rows\n", p.saida.c_str(), p.caminhos.size(),
              resumo.arquivos, resumo.linhas);
  return {};
}

TResultado Exporta(TPedido_Exportacao p) {
  const bool csv = p.formato == "csv";
  if (!csv) return Exporta_Para_SQLite(p);
  std::error_code ec;
  const bool pasta = fs::is_directory(p.caminho, ec);
  if (p.saida.empty()) {
    p.saida = (pasta ? Nome_Da_Pasta(p.caminho) + "_csv"
                     : fs::path(p.caminho).replace_extension("").string() + ".csv");
  }
  if (pasta && p.saida == "-") {
    return Falha("a directory's CSV files go into a folder: give --out DIR");
  }
  int ignorados = 0;
  std::vector<std::string> arquivos{p.caminho};
  if (pasta) {
    if (TResultado erro = Arquivos_Exportaveis(p.caminho, &arquivos, &ignorados); !erro.Ok())
      return erro;
  }
  std::vector<std::string> lidos;
  for (const std::string& a : arquivos) {
    for (const std::string& l : Arquivos_Lidos(a)) lidos.push_back(l);
  }
  if (TResultado erro = Confere_Saida(p.saida, lidos); !erro.Ok()) return erro;
  if (pasta) {
    return Exporta_Pasta_CSV(p, arquivos, lidos, ignorados);
  }
  TDeteccao d;
  if (TResultado erro = Conhece_Arquivo(p.caminho, p.tipo, &d); !erro.Ok()) return erro;
  std::string motivo;
  std::unique_ptr<TSerie> s = Abre_Serie(p.caminho, d, p.intervalo, &motivo);
  if (s == nullptr) return Falha("%s", motivo.c_str());
  return Exporta_Para_CSV(p, s.get());
}

}  // namespace

void Declara_Export(CLI::App* app, TAcao* acao) {
  CLI::App* sub =
      app->add_subcommand("export", "write a file's records as CSV or into an SQLite database");
  auto p = std::make_shared<TPedido_Exportacao>();
  sub->add_option("PATH", p->caminhos, "a file or a run folder (CSV), or run folders (--to sqlite)")
      ->required();
  sub->add_option("--to", p->formato, "csv or sqlite")
      ->required()
      ->check(CLI::IsMember({"csv", "sqlite"}));
  sub->add_option("--out", p->saida,
                  "the file written, '-' for standard output (CSV; default: PATH with .csv or "
                  ".sqlite for its extension, a directory's database DIR.sqlite and its CSV "
                  "folder DIR_csv beside it)");
  sub->add_option("--kind", p->tipo, "the file's kind, when it cannot be told");
  sub->add_option("--year", p->ano, "reference year of the timestamps")
      ->check(CLI::Range(1, 9999 - 20))
      ->capture_default_str();
  sub->add_option("--interval", p->intervalo,
                  "seconds between records (default: the file's description or header, or 3600)")
      ->check(CLI::Range(1, 86400));
  sub->add_flag("--append", p->acrescentar,
                "add the runs to the database --out, one that arqaux export made");
  sub->callback([p, acao] {
    p->caminho = p->caminhos[0];
    *acao = [p] {
      if (p->formato == "csv" && p->caminhos.size() > 1) {
        return Erro("give one file or one run folder for CSV");
      }
      return Relata(Exporta(*p));
    };
  });
}
