#include "saida/saida_segura.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "comum/erros.h"
#include "comum/verificacoes.h"
#include "engine/arquivo_novo.h"

namespace fs = std::filesystem;

const char* const kManifestoExecucao = ".arqaux-run";

namespace {

// The private folder of a run being written, inside its run folder.
const char* const kPrefixoPreparo = ".arqaux-partial.";
// A manifest lists a run's files, a few hundred names: anything near this
// size is not one, and is not read into memory.
constexpr off_t kMaxManifesto = 1 << 22;
const char* const kCabecalhoManifesto =
    "# Files arqaux wrote in this folder; a later run into it removes them.\n";

std::string Texto_Erro() { return std::strerror(errno); }

// A name a manifest may list: relative, inside the folder, not itself.
bool Nome_Valido(const std::string& nome) {
  if (nome.empty() || nome.front() == '/' || nome.find('\0') != std::string::npos ||
      nome == kManifestoExecucao) {
    return false;
  }
  for (size_t i = 0; i <= nome.size();) {
    size_t fim = std::min(nome.find('/', i), nome.size());
    const std::string parte = nome.substr(i, fim - i);
    if (parte.empty() || parte == "." || parte == "..") return false;
    i = fim + 1;
  }
  return true;
}

// Reads the manifest of pasta into *nomes (left empty when there is none);
// a failure names it inside exibida, the folder as the user gave it.
TResultado Le_Manifesto(const std::string& pasta, const std::string& exibida,
                        std::set<std::string>* nomes) {
  const std::string arquivo = (fs::path(pasta) / kManifestoExecucao).string();
  const std::string caminho = (fs::path(exibida) / kManifestoExecucao).string();
  const int fd = open(arquivo.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0 && errno == ENOENT) return {};
  if (fd < 0 && errno == ELOOP) {
    return Falha("'%s' is a symbolic link: arqaux does not read one as its manifest",
                 caminho.c_str());
  }
  if (fd < 0) return Falha("cannot read '%s': %s", caminho.c_str(), Texto_Erro().c_str());
  struct stat st;
  std::string texto;
  bool ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= kMaxManifesto;
  if (ok) {
    texto.resize(static_cast<size_t>(st.st_size));
    ok = read(fd, texto.data(), texto.size()) == static_cast<ssize_t>(texto.size());
  }
  close(fd);
  if (!ok) return Falha("'%s' is not a manifest of arqaux", caminho.c_str());
  int linha = 0;
  for (size_t i = 0; i < texto.size();) {
    const size_t fim = std::min(texto.find('\n', i), texto.size());
    const std::string nome = texto.substr(i, fim - i);
    ++linha;
    i = fim + 1;
    if (!nome.empty() && nome.front() == '#') continue;
    if (!Nome_Valido(nome)) {
      return Falha("'%s' line %d is not the name of a file in the folder", caminho.c_str(), linha);
    }
    nomes->insert(nome);
  }
  return {};
}

// Each folder on the way from pasta to its file nome is a folder, not a
// link to one, or does not exist yet; a failure names it inside exibida,
// the folder as the user gave it.
TResultado Confere_Pastas(const std::string& pasta, const std::string& exibida,
                          const std::string& nome) {
  fs::path caminho = pasta, exibido = exibida;
  const fs::path relativo = nome;
  for (auto it = relativo.begin(); it != relativo.end() && std::next(it) != relativo.end(); ++it) {
    caminho /= *it;
    exibido /= *it;
    struct stat st;
    if (lstat(caminho.c_str(), &st) != 0) return {};
    if (!S_ISDIR(st.st_mode)) {
      return Falha("'%s' is not a folder: arqaux does not write through a link", exibido.c_str());
    }
  }
  return {};
}

// Writes texto whole to destino, through a temporary file, not listing it in
// any manifest.
TResultado Grava_Texto(const std::string& destino, const std::string& texto) {
  std::string temporario;
  std::FILE* arq = arqaux::Cria_Arquivo_Unico(destino + ".XXXXXX", &temporario);
  if (arq == nullptr) return Falha("cannot create '%s': %s", destino.c_str(), Texto_Erro().c_str());
  const bool ok = std::fwrite(texto.data(), 1, texto.size(), arq) == texto.size();
  if (std::fclose(arq) != 0 || !ok || rename(temporario.c_str(), destino.c_str()) != 0) {
    unlink(temporario.c_str());
    return Perda(destino);
  }
  return {};
}

}  // namespace

TResultado Anota_No_Manifesto(const std::string& caminho) {
  std::error_code ec;
  const fs::path p = fs::absolute(caminho, ec).lexically_normal();
  struct stat st;
  if (lstat((p.parent_path() / kManifestoExecucao).c_str(), &st) != 0) return {};
  std::set<std::string> nomes;
  if (TResultado r = Le_Manifesto(p.parent_path(), fs::path(caminho).parent_path(), &nomes);
      !r.Ok())
    return r;
  if (!nomes.insert(p.filename().string()).second) return {};
  std::string texto = kCabecalhoManifesto;
  for (const std::string& n : nomes) texto += n + "\n";
  return Grava_Texto((p.parent_path() / kManifestoExecucao).string(), texto);
}

TResultado Confere_Sem_Ligacao(const std::string& saida) {
  struct stat st;
  if (lstat(saida.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    return Falha("'%s' is a symbolic link: arqaux does not write through one", saida.c_str());
  }
  return {};
}

TResultado Confere_Destino(const std::string& destino) {
  if (TResultado r = Confere_Sem_Ligacao(destino); !r.Ok()) return r;
  struct stat st;
  if (lstat(destino.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
    return Falha("'%s' is not a regular file", destino.c_str());
  }
  return {};
}

TArquivo_Novo::~TArquivo_Novo() {
  if (arq_ != nullptr) std::fclose(arq_);
  if (!temporario_.empty()) unlink(temporario_.c_str());
}

TResultado TArquivo_Novo::Abre(const std::string& destino) {
  if (TResultado r = Confere_Destino(destino); !r.Ok()) return r;
  destino_ = destino;
  const fs::path p = destino;
  const std::string modelo = (p.parent_path() / ("." + p.filename().string() + ".XXXXXX")).string();
  arq_ = arqaux::Cria_Arquivo_Unico(modelo, &temporario_);
  if (arq_ == nullptr) {
    return Falha("cannot create '%s': %s", destino.c_str(), Texto_Erro().c_str());
  }
  return {};
}

TResultado TArquivo_Novo::Conclui() {
  std::FILE* arq = arq_;
  arq_ = nullptr;
  const bool escrito = std::fflush(arq) == 0 && std::ferror(arq) == 0;
  if (std::fclose(arq) != 0 || !escrito) return Perda(destino_);
  if (rename(temporario_.c_str(), destino_.c_str()) != 0) {
    return Falha("cannot write '%s': %s", destino_.c_str(), Texto_Erro().c_str());
  }
  temporario_.clear();
  return Anota_No_Manifesto(destino_);
}

TPasta_Execucao::TPasta_Execucao(const std::string& pasta, const std::vector<std::string>& entradas,
                                 bool forcar)
    : dada_(pasta), pasta_(pasta), entradas_(entradas), forcar_(forcar) {}

TPasta_Execucao::~TPasta_Execucao() {
  std::error_code ec;
  if (!preparo_.empty()) fs::remove_all(preparo_, ec);
}

bool TPasta_Execucao::E_Entrada(const std::string& caminho) const {
  for (const std::string& e : entradas_) {
    std::error_code ec;
    if (fs::equivalent(caminho, e, ec) && !ec) return true;
  }
  return false;
}

std::string TPasta_Execucao::Exibe(const std::string& nome) const {
  return (fs::path(dada_) / nome).string();
}

TResultado TPasta_Execucao::Abre() {
  std::error_code ec;
  fs::create_directories(pasta_, ec);
  if (!fs::is_directory(pasta_, ec)) return Falha("cannot use directory '%s'", dada_.c_str());
  pasta_ = fs::absolute(pasta_, ec).lexically_normal().string();
  if (TResultado r = Le_Manifesto(pasta_, dada_, &listados_); !r.Ok()) return r;
  std::vector<std::string> estranhos;
  fs::recursive_directory_iterator it(pasta_, ec);
  for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    const std::string nome = it->path().lexically_relative(pasta_).generic_string();
    if (!fs::is_directory(it->symlink_status(ec)) && nome != kManifestoExecucao &&
        listados_.count(nome) == 0 && !E_Entrada(it->path().string())) {
      estranhos.push_back(nome);
    }
  }
  if (ec) return Falha("cannot read directory '%s': %s", dada_.c_str(), ec.message().c_str());
  if (!estranhos.empty() && !forcar_) {
    std::sort(estranhos.begin(), estranhos.end());
    return Falha(
        "'%s' was not written by arqaux (the folder's %s does not list it): move it "
        "away, or give --force to write beside it",
        Exibe(estranhos.front()).c_str(), kManifestoExecucao);
  }
  std::string modelo = (fs::path(pasta_) / (std::string(kPrefixoPreparo) + "XXXXXX")).string();
  if (mkdtemp(modelo.data()) == nullptr) {
    return Falha("cannot write in directory '%s': %s", dada_.c_str(), Texto_Erro().c_str());
  }
  preparo_ = modelo;
  return {};
}

// A file of the new run may take nome's place: nothing is there, or a file
// the manifest lists that the command does not read.
TResultado TPasta_Execucao::Confere_Alvo(const std::string& nome) const {
  if (TResultado r = Confere_Pastas(pasta_, dada_, nome); !r.Ok()) return r;
  const std::string alvo = (fs::path(pasta_) / nome).string();
  struct stat st;
  if (lstat(alvo.c_str(), &st) != 0) return {};
  if (E_Entrada(alvo)) {
    return Falha("'%s' is read by the command: it is not replaced", Exibe(nome).c_str());
  }
  if (listados_.count(nome) == 0) {
    return Falha(
        "'%s' was not written by arqaux (the folder's %s does not list it): it is not "
        "replaced",
        Exibe(nome).c_str(), kManifestoExecucao);
  }
  if (S_ISDIR(st.st_mode)) return Falha("'%s' is a folder", Exibe(nome).c_str());
  return {};
}

TResultado TPasta_Execucao::Grava_Manifesto(const std::set<std::string>& nomes) const {
  std::string texto = kCabecalhoManifesto;
  for (const std::string& n : nomes) texto += n + "\n";
  return Grava_Texto((fs::path(pasta_) / kManifestoExecucao).string(), texto);
}

TResultado TPasta_Execucao::Publica() {
  std::set<std::string> novos;
  std::error_code ec;
  fs::recursive_directory_iterator it(preparo_, ec);
  for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    if (fs::is_regular_file(it->symlink_status(ec))) {
      novos.insert(it->path().lexically_relative(preparo_).generic_string());
    }
  }
  if (ec) return Falha("cannot read directory '%s': %s", preparo_.c_str(), ec.message().c_str());
  for (const std::string& n : novos) {
    if (TResultado r = Confere_Alvo(n); !r.Ok()) return r;
  }
  // Listed first with the earlier run's, so that a run stopped while its
  // files move leaves none of them unlisted.
  std::set<std::string> lista = listados_;
  lista.insert(novos.begin(), novos.end());
  if (TResultado r = Grava_Manifesto(lista); !r.Ok()) return r;
  for (const std::string& n : listados_) {
    const std::string alvo = (fs::path(pasta_) / n).string();
    if (novos.count(n) != 0) continue;
    if (E_Entrada(alvo)) continue;
    if (TResultado r = Confere_Pastas(pasta_, dada_, n); !r.Ok()) return r;
    if (unlink(alvo.c_str()) != 0 && errno != ENOENT) {
      return Falha("cannot remove '%s' of the earlier run: %s", Exibe(n).c_str(),
                   Texto_Erro().c_str());
    }
    lista.erase(n);
  }
  for (const std::string& n : novos) {
    const fs::path alvo = fs::path(pasta_) / n;
    fs::create_directories(alvo.parent_path(), ec);
    if (ec) return Falha("cannot write '%s': %s", Exibe(n).c_str(), ec.message().c_str());
    if (rename((fs::path(preparo_) / n).c_str(), alvo.c_str()) != 0) {
      return Falha("cannot write '%s': %s", Exibe(n).c_str(), Texto_Erro().c_str());
    }
  }
  return Grava_Manifesto(lista);
}
