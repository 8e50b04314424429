// Exporting run folders into one database (dados.h tells its layout).
//
// A new database is written with its journal in memory and without syncs
// while it is built, for speed: it is a temporary file that a failure or a
// kill leaves under its temporary name only, synced once whole and then
// linked to its name, which fails rather than replace a file made meanwhile.
// An append keeps the database's own journal and syncs, one transaction a
// run, so that a kill leaves every run whole or absent.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <exception>
#include <filesystem>
#include <set>
#include <system_error>

#include "arqaux/version.h"
#include "dados/banco_sql.h"
#include "engine/arquivo_novo.h"

namespace fs = std::filesystem;

namespace arqaux {
namespace {

// Rows read from a series at a time.
constexpr size_t kLinhasBloco = 4096;

class TExportador {
 public:
  TExportador(sqlite3* db, const std::string& banco, int ano, TResumo_Banco* resumo,
              const std::function<void(size_t, size_t)>& progresso, size_t total)
      : db_(db),
        banco_(banco),
        tempos_(db, ano),
        tabelas_(db),
        resumo_(resumo),
        progresso_(progresso),
        total_(total) {}

  // One run in one transaction: false, with *erro, when it failed and was
  // rolled back.
  bool Exporta(const TExecucao& e, std::string* erro) {
    if (!Executa(db_, "BEGIN IMMEDIATE", erro)) return Falha_Banco(erro);
    const bool ok = Exporta_Arquivos(e, erro) && Executa(db_, "COMMIT", erro);
    if (!ok) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    return ok;
  }

 private:
  bool Falha_Banco(std::string* erro) {
    *erro = "writing '" + banco_ + "' failed: " + *erro;
    return false;
  }

  bool Exporta_Arquivos(const TExecucao& e, std::string* erro) {
    TComando st = Prepara(db_, "INSERT INTO runs VALUES (NULL, ?1, ?2, ?3, ?4)", erro);
    if (st == nullptr ||
        !Passo(db_, st.get(),
               {e.pasta, Agora_UTC(), std::string("arqaux ") + ARQAUX_VERSION, Produtor(e.pasta)},
               true, erro)) {
      return Falha_Banco(erro);
    }
    const sqlite3_int64 execucao = sqlite3_last_insert_rowid(db_);
    tabelas_.Nova_Execucao();
    for (const TArquivo_Execucao& a : e.arquivos) {
      if (!Exporta_Arquivo(a, execucao, erro)) return false;
      ++resumo_->arquivos;
      if (progresso_) progresso_(resumo_->arquivos, total_);
    }
    return !tabelas_.Criou() || tabelas_.Refaz_Visao(erro) || Falha_Banco(erro);
  }

  bool Exporta_Arquivo(const TArquivo_Execucao& a, sqlite3_int64 execucao, std::string* erro) {
    std::unique_ptr<TSerie> s = Abre_Serie(a.caminho, a.deteccao, 0, erro);
    if (s == nullptr) {
      *erro = a.caminho + ": " + *erro;
      return false;
    }
    const std::string tabela = tabelas_.Tabela(Radical(a.caminho), Variaveis(a, *s), erro);
    if (tabela.empty()) return Falha_Banco(erro);
    const size_t n = s->Colunas().size();
    std::string insercao = "INSERT INTO " + Identificador(tabela) + " VALUES (?, ?";
    for (size_t c = 0; c < n; ++c) insercao += ", ?";
    TComando st = Prepara(db_, insercao + ")", erro);
    if (st == nullptr) return Falha_Banco(erro);
    sqlite3_bind_int64(st.get(), 1, execucao);
    std::vector<double> valores;
    std::vector<long long> segundos;
    while (const size_t linhas = s->Le_Bloco(kLinhasBloco, &valores, &segundos)) {
      for (size_t r = 0; r < linhas; ++r) {
        const sqlite3_int64 tempo = tempos_.Id(segundos[r], s->Intervalo(), erro);
        if (tempo < 0) {
          *erro = a.caminho + ": " + *erro;
          return false;
        }
        sqlite3_bind_int64(st.get(), 2, tempo);
        for (size_t c = 0; c < n; ++c) {
          sqlite3_bind_double(st.get(), static_cast<int>(c) + 3, Valor_Decimal(valores[r * n + c]));
        }
        if (sqlite3_step(st.get()) != SQLITE_DONE) {
          *erro = Erro_Banco(db_);
          return Falha_Banco(erro);
        }
        sqlite3_reset(st.get());
      }
      resumo_->linhas += static_cast<long long>(linhas);
    }
    // A file cut short or damaged is not stored as if whole.
    *erro = Confere_Final(a.caminho, *s);
    return erro->empty();
  }

  sqlite3* db_;
  std::string banco_;
  TTempos tempos_;
  TTabelas tabelas_;
  TResumo_Banco* resumo_;
  const std::function<void(size_t, size_t)>& progresso_;
  size_t total_;
};

// Opens banco, a database this export made, to append to it.
TBanco Abre_Existente(const std::string& banco, std::string* erro) {
  std::error_code ec;
  if (!fs::is_regular_file(fs::symlink_status(banco, ec))) {
    *erro = "'" + banco + "' is not a regular file: nothing appended";
    return nullptr;
  }
  sqlite3* aberto = nullptr;
  const int rc = sqlite3_open_v2(banco.c_str(), &aberto, SQLITE_OPEN_READWRITE, nullptr);
  TBanco db(aberto);
  if (rc != SQLITE_OK || !E_Banco_Arqaux(db.get())) {
    *erro = "'" + banco + "' is not a database made by arqaux export: nothing appended";
    return nullptr;
  }
  return db;
}

// A new database file beside banco, under a temporary name.
class TBanco_Novo {
 public:
  ~TBanco_Novo() {
    db_.reset();
    if (!temporario_.empty()) unlink(temporario_.c_str());
  }
  sqlite3* Abre(const std::string& banco, std::string* erro) {
    banco_ = banco;
    std::error_code ec;
    // A journal left beside the name would be rolled into the new database.
    for (const std::string& c : {banco, banco + "-journal"}) {
      if (fs::exists(fs::symlink_status(c, ec))) {
        *erro = "'" + c + "' exists already";
        return nullptr;
      }
    }
    const fs::path destino(banco);
    const fs::path pasta = destino.has_parent_path() ? destino.parent_path() : fs::path(".");
    std::FILE* arq = Cria_Arquivo_Unico(
        (pasta / ("." + destino.filename().string() + ".XXXXXX")).string(), &temporario_);
    if (arq == nullptr) {
      Falha(std::strerror(errno), erro);
      return nullptr;
    }
    std::fclose(arq);
    sqlite3* aberto = nullptr;
    const int rc = sqlite3_open_v2(temporario_.c_str(), &aberto, SQLITE_OPEN_READWRITE, nullptr);
    db_.reset(aberto);
    if (rc != SQLITE_OK ||
        !Executa(db_.get(), "PRAGMA journal_mode = MEMORY; PRAGMA synchronous = OFF", erro) ||
        !Cria_Esquema(db_.get(), erro)) {
      Falha(aberto != nullptr ? Erro_Banco(aberto) : "out of memory", erro);
      return nullptr;
    }
    return db_.get();
  }
  // Closes the database, syncs it and links it to its name.
  bool Conclui(std::string* erro) {
    if (sqlite3_close(db_.get()) != SQLITE_OK) return Falha(Erro_Banco(db_.get()), erro);
    db_.release();
    const int fd = open(temporario_.c_str(), O_RDONLY);
    const bool ok = fd >= 0 && fsync(fd) == 0;
    if (fd >= 0) close(fd);
    if (!ok) return Falha(std::strerror(errno), erro);
    if (link(temporario_.c_str(), banco_.c_str()) != 0) {
      if (errno == EEXIST) {
        *erro = "'" + banco_ + "' exists already";
        return false;
      }
      return Falha(std::strerror(errno), erro);
    }
    return true;
  }

 private:
  // Sets *erro to the cause: false, to return.
  bool Falha(const std::string& causa, std::string* erro) {
    *erro = "writing '" + banco_ + "' failed: " + causa;
    return false;
  }
  TBanco db_;
  std::string banco_, temporario_;
};

bool Exporta(const std::vector<std::string>& execucoes, const std::string& banco, bool acrescentar,
             int ano, TResumo_Banco* resumo, std::string* erro,
             const std::function<void(size_t, size_t)>& progresso) {
  std::vector<TExecucao> lista(execucoes.size());
  size_t total = 0;
  std::set<std::string> pastas;
  for (size_t k = 0; k < execucoes.size(); ++k) {
    if (!Lista_Execucao(execucoes[k], &lista[k], &resumo->ignorados, erro)) return false;
    if (!pastas.insert(lista[k].pasta).second) {
      *erro = "'" + execucoes[k] + "' is given twice: nothing written";
      return false;
    }
    total += lista[k].arquivos.size();
  }
  TBanco_Novo novo;
  TBanco existente;
  if (acrescentar) existente = Abre_Existente(banco, erro);
  sqlite3* db = acrescentar ? existente.get() : novo.Abre(banco, erro);
  if (db == nullptr) return false;
  if (acrescentar) {
    TComando st = Prepara(db, "SELECT run_id FROM runs WHERE folder = ?1", erro);
    if (st == nullptr) return false;
    for (size_t k = 0; k < lista.size(); ++k) {
      sqlite3_bind_text(st.get(), 1, lista[k].pasta.c_str(), -1, SQLITE_TRANSIENT);
      const bool ja = sqlite3_step(st.get()) == SQLITE_ROW;
      sqlite3_reset(st.get());
      if (ja) {
        *erro = "'" + execucoes[k] + "' is in '" + banco + "' already: nothing appended";
        return false;
      }
    }
  }
  {  // its statements are finalised before the database closes
    TExportador exportador(db, banco, ano, resumo, progresso, total);
    for (const TExecucao& e : lista) {
      if (!exportador.Exporta(e, erro)) return false;
    }
  }
  return acrescentar || novo.Conclui(erro);
}

}  // namespace
}  // namespace arqaux

bool Exporta_Banco(const std::vector<std::string>& execucoes, const std::string& banco,
                   bool acrescentar, int ano, TResumo_Banco* resumo, std::string* erro,
                   const std::function<void(size_t, size_t)>& progresso) {
  TResumo_Banco nada;
  if (resumo == nullptr) resumo = &nada;
  *resumo = TResumo_Banco();
  erro->clear();
  try {
    return arqaux::Exporta(execucoes, banco, acrescentar, ano, resumo, erro, progresso);
  } catch (const std::exception& e) {
    *erro = "writing '" + banco + "' failed: " + e.what();
  } catch (...) {
    *erro = "writing '" + banco + "' failed: the progress callback threw";
  }
  return false;
}
