// Project comparison and interface detection.
//
// A project P kept in directory D has its data files in the data folder
// D + "\#" + P (D as given, so "C:\P\" gives "C:\P\\#Casa"; the utility
// library takes "\" as a separator and doubled separators as one), one file per
// extension, named after the project: P.geo, P.cli, P.eqpv, P.gi, P.pv,
// P.ter, P.vnt, P.par, P.prj. A second set carries the prefix "NEW"
// (NEWCasa.geo beside Casa.geo); the ".par" and ".prj" files never take it.
//
// Both operations make each data folder current through the utility
// library's directory manager and open bare names there with fopen, outside
// the registry: the current stream is never touched, every file opened is
// closed before returning, and the working directory is left where the last
// change put it.
//
// A data folder that cannot be made current counts as a file that does not
// open: the relative name is never looked up in whatever directory happened
// to be current, where a file of the same name would be taken for the
// project's. A name that is not a regular file does not open either: a
// directory, as on hosts where fopen refuses directories, and a FIFO, which
// is never waited on.
//
// The interface type comes from the sizes n of the "NEW" geometry file and
// p of the plain one: true when p is 0, false when n is exactly 2,033 bytes,
// else whether n > p. The project path is split at its last '\' or '/', so
// host paths work as well as Windows-style ones.
//
// A relative directory, the empty one included, is taken from the working
// directory at the call: the comparison enters the first project's folder
// before the second's, and a relative second folder would otherwise be
// looked for inside the first (and an empty one would be the root).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <iterator>
#include <memory>
#include <string>

#include "arqaux/contracts/utility.h"
#include "arqaux/formatos.h"
#include "arqaux/geren_arquivoaux.h"

namespace {

constexpr char kGeometria[] = ".geo";
// A "NEW" geometry file of this size gives the type false whenever the
// plain one is not empty.
constexpr long kTamGeometriaMarcada = 2033;
// Bytes read from each stream at a time by the comparison; even, so that a
// stream compared with itself keeps its byte pairs within one block.
constexpr size_t kBloco = 8192;

struct Fecha_Lido {
  void operator()(FILE* arq) const { std::fclose(arq); }
};
using TLido = std::unique_ptr<FILE, Fecha_Lido>;

// The data folder of projeto in dir. A relative dir (the empty one
// included) is taken from the working directory at the call, so that it
// names the same folder after another project's folder was entered.
std::string Pasta_Dados(const std::string& dir, const std::string& projeto) {
  char atual[4096];
  if ((dir.empty() || (dir[0] != '/' && dir[0] != '\\')) &&
      getcwd(atual, sizeof atual) != nullptr) {
    return std::string(atual) + "/" + dir + "\\#" + projeto;
  }
  return dir + "\\#" + projeto;
}

// Opens nome for reading in the working directory; null when it does not
// open or is not a regular file. It is opened without waiting, since a FIFO
// would otherwise hold the open until something wrote to it, and read with
// waiting once it is known to be a regular file.
TLido Abre_Leitura(const std::string& nome) {
  const int fd = open(nome.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat info {};
  const int modo = fcntl(fd, F_GETFL);
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || modo < 0 ||
      fcntl(fd, F_SETFL, modo & ~O_NONBLOCK) != 0) {
    close(fd);
    return nullptr;
  }
  TLido arq(fdopen(fd, "r"));
  if (!arq) close(fd);
  return arq;
}

// Makes pasta current and opens nome there; null when either fails.
TLido Abre_Na_Pasta(const std::string& pasta, const std::string& nome) {
  if (!DLL_UTIL_Geren_Dir()->Muda_Custom_Dir(pasta)) return nullptr;
  return Abre_Leitura(nome);
}

long Tamanho(FILE* arq) {
  std::fseek(arq, 0, SEEK_END);
  return std::ftell(arq);
}

// One stream given as both: read alternately, its bytes come in pairs, and
// it is "identical" when each pair holds one byte twice and its length is
// even.
bool Difere_Em_Pares(FILE* arq) {
  char bloco[kBloco];
  for (;;) {
    const size_t n = std::fread(bloco, 1, kBloco, arq);
    if (std::ferror(arq) != 0 || n % 2 != 0) return true;
    for (size_t i = 0; i < n; i += 2) {
      if (bloco[i] != bloco[i + 1]) return true;
    }
    if (n < kBloco) return false;
  }
}

}  // namespace

bool TGeren_ArquivoAux::CompararFile(FILE* primeiro, FILE* segundo) {
  if (primeiro == nullptr || segundo == nullptr) return true;
  if (primeiro == segundo) return Difere_Em_Pares(primeiro);
  char a[kBloco];
  char b[kBloco];
  for (;;) {
    const size_t na = std::fread(a, 1, kBloco, primeiro);
    const size_t nb = std::fread(b, 1, kBloco, segundo);
    if (na != nb || std::memcmp(a, b, na) != 0 || std::ferror(primeiro) != 0 ||
        std::ferror(segundo) != 0) {
      return true;
    }
    if (na < kBloco) return false;  // both ended at the same byte
  }
}

bool TGeren_ArquivoAux::ComparaProjeto(std::string primeiro, std::string segundo, std::string dir,
                                       bool prefixo) {
  const std::string pasta_a = Pasta_Dados(dir, primeiro), pasta_b = Pasta_Dados(dir, segundo);
  for (size_t e = 0; e < std::size(ARQAUX_EXTENSOES_PROJETO); ++e) {
    const std::string pre = prefixo && e < ARQAUX_EXTENSOES_COM_PREFIXO ? ARQAUX_PREFIXO_NOVO : "";
    const TLido a = Abre_Na_Pasta(pasta_a, pre + primeiro + ARQAUX_EXTENSOES_PROJETO[e]);
    const TLido b = Abre_Na_Pasta(pasta_b, pre + segundo + ARQAUX_EXTENSOES_PROJETO[e]);
    if (!a || !b || CompararFile(a.get(), b.get())) return true;
  }
  return false;
}

bool TGeren_ArquivoAux::Tipo_Interface_Projeto(std::string caminho) {
  const size_t barra = caminho.find_last_of("\\/");
  const size_t inicio_nome = barra == std::string::npos ? 0 : barra + 1;
  std::string projeto = caminho.substr(inicio_nome);
  const size_t ponto = projeto.rfind('.');
  if (ponto != std::string::npos) projeto.resize(ponto);

  const TLido novo = Abre_Na_Pasta(Pasta_Dados(caminho.substr(0, inicio_nome), projeto),
                                   ARQAUX_PREFIXO_NOVO + projeto + kGeometria);
  if (!novo) return false;
  const TLido plano = Abre_Leitura(projeto + kGeometria);
  if (!plano) return true;
  const long n = Tamanho(novo.get());
  const long p = Tamanho(plano.get());
  if (p == 0) return true;
  if (n == kTamGeometriaMarcada) return false;
  return n > p;
}
