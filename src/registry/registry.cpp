// The open-file registry: numbering, the current stream, transparent eviction
// and reopening of files closed to free a handle, closing, and the record of
// each stream's first error.
//
// Streams are numbered from 1 in order of registration. A path is resolved
// against the working directory when it is registered (an empty one, or a
// relative one when the working directory is gone, is refused), so a later
// change of directory does not change the file. Handed a registered entry,
// Abre_Arquivo makes an open entry (an evicted one included) current as it
// stands and reopens only a closed one.
//
// When an open fails the registry closes one stream to free a handle and
// tries once more: the highest-numbered open stream other than the current
// one, or the current one when no other is open. That eviction is invisible:
// the evicted stream counts as open everywhere, and its next selection
// reopens it where it stood, in a mode that reads and writes there (its mode
// with "w" taken as "r+"), so that a written file is neither emptied nor
// appended to and a header rewritten in place stays in place. When the retry
// fails too, an evicted current stream is resumed at once, so a failed open
// leaves the current stream as it was.
//
// Only the caller's own Fecha_Arquivo gives the reopen of
// RetornaTipoReabertura: a file read from its first byte again, a written one
// appended to. Closing a stream makes the nearest open stream before it
// current (resumed, if it was evicted). A reopen that fails keeps the entry
// registered and closed, records an error on it and fails the operation; the
// next selection tries again.
//
// Errors: a stream's first failed write, flush, close or reopen is recorded
// on its entry and counted over the manager's life (Conta_Arquivos_Com_Erro),
// so what Fecha_Todos loses is still told after the registry is emptied.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <mutex>

#include "arqaux/geren_arquivoaux.h"
#include "engine/report_engine.h"
#include "registry/acesso_registro.h"

namespace {

// Every stream the registry opens gets a large buffer: result streams are
// written a few bytes at a time, a year long.
constexpr size_t kTamBufferArquivo = 64 * 1024;

// Stream buffers are mapped on their own rather than taken from the heap:
// there each would sit between the FILE objects of consecutive opens, so
// that every stream's FILE and entry had a page to themselves and cycling
// through thousands of streams touched a new page at every selection.
// Mapped apart, the FILE objects and entries of many streams share a page.
//
// The buffers of closed streams are kept for the next opens, up to
// kBuffersGuardados of them: a registry short of handles closes and reopens
// streams all the time, and a fresh mapping at each reopen would cost two
// system calls and the page faults of a new buffer. Every manager draws on
// the one reserve, so it is locked.
constexpr size_t kBuffersGuardados = 64;
struct {
  std::mutex trava;
  char* livres[kBuffersGuardados];
  size_t quantos;
} reserva;

// A kept buffer, or a new mapping; null when none can be had.
char* Toma_Buffer() {
  {
    std::lock_guard<std::mutex> guarda(reserva.trava);
    if (reserva.quantos > 0) return reserva.livres[--reserva.quantos];
  }
  void* mapa = ::mmap(nullptr, kTamBufferArquivo, PROT_READ | PROT_WRITE,
                      MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  return mapa == MAP_FAILED ? nullptr : static_cast<char*>(mapa);
}

// Opens the entry's resolved path and gives the stream its buffer, which the
// entry keeps. A stream without one (none could be had) keeps stdio's own.
FILE* Abre_Com_Buffer(TArquivoAux* entrada, const char* modo) {
  FILE* arq = std::fopen(entrada->Caminho_Resolvido.c_str(), modo);
  if (arq == nullptr) return nullptr;
  std::unique_ptr<char[], TArquivoAux::Libera_Buffer> buffer(Toma_Buffer());
  if (buffer && std::setvbuf(arq, buffer.get(), _IOFBF, kTamBufferArquivo) == 0) {
    entrada->Buffer = std::move(buffer);
  }
  return arq;
}

// The path against the working directory of this moment. An empty path names
// no file; a relative one needs a working directory that still exists.
bool Resolve_Caminho(const char* caminho, std::string* resolvido) {
  if (caminho[0] == '\0') return false;
  if (caminho[0] == '/') {
    *resolvido = caminho;
    return true;
  }
  char* dir = ::getcwd(nullptr, 0);
  if (dir == nullptr) return false;
  *resolvido = std::string(dir) + "/" + caminho;
  std::free(dir);
  return true;
}

// The mode that resumes an evicted stream where it stood: a stream opened
// for writing from scratch ('w') is reopened for update ("r+") so that it
// neither truncates nor appends; reading and appending modes are kept. 'x'
// (fail if the file exists) is dropped: the file exists by now. The C
// library reads only the first few characters of a mode, so '+' goes right
// after the first. modo is not empty (a stream was opened with it); only a
// mode beginning with 'w' may grow, by one character, into one beginning
// with 'r', which does not grow again: destino needs one character more
// than a mode as given.
void Deriva_Modo_Retomada(const char* modo, char* destino) {
  const bool escrita = modo[0] == 'w';
  char* fim = destino;
  *fim++ = escrita ? 'r' : modo[0];
  if (escrita) *fim++ = '+';
  for (const char* c = modo + 1; *c != '\0'; ++c) {
    if (*c != 'x' && !(escrita && *c == '+')) *fim++ = *c;
  }
  *fim = '\0';
}

// Open from the caller's view: open now, or evicted and waiting to resume.
bool Em_Uso(const TArquivoAux* entrada) {
  return entrada->Arquivo != nullptr || entrada->Despejado;
}

// The registry's own steps, on its state.

void Registra_Erro(const TEstado_Registro& r, TArquivoAux* entrada) {
  if (entrada->Erro) return;
  entrada->Erro = true;
  ++r.erros;
}

bool Registrada(const TEstado_Registro& r, const TArquivoAux* entrada) {
  return entrada->Numero >= 1 && static_cast<size_t>(entrada->Numero) <= r.indice.size() &&
         r.indice[entrada->Numero - 1] == entrada;
}

void Fecha_Entrada(const TEstado_Registro& r, TArquivoAux* entrada) {
  if (entrada->Arquivo != nullptr) {
    if (std::ferror(entrada->Arquivo) != 0) Registra_Erro(r, entrada);
    if (std::fclose(entrada->Arquivo) != 0) Registra_Erro(r, entrada);
  }
  entrada->Arquivo = nullptr;
  entrada->Aberto = false;
  entrada->Despejado = false;
  entrada->Posicao = -1;
  entrada->Buffer.reset();
}

// Closes an open entry to free its handle, keeping where it stood. A failed
// flush or close is recorded: what it held is lost.
void Despeja_Entrada(const TEstado_Registro& r, TArquivoAux* entrada) {
  if (std::fflush(entrada->Arquivo) != 0) Registra_Erro(r, entrada);
  const long posicao = std::ftell(entrada->Arquivo);
  Fecha_Entrada(r, entrada);
  entrada->Despejado = true;
  entrada->Posicao = posicao;
}

// The file to evict: the highest-numbered open one other than the current
// stream, or the current stream when no other is open; null when none.
TArquivoAux* Escolhe_Vitima(const TEstado_Registro& r) {
  TArquivoAux* atual = nullptr;
  for (auto pos = r.indice.rbegin(); pos != r.indice.rend(); ++pos) {
    TArquivoAux* entrada = *pos;
    if (entrada->Arquivo == nullptr) continue;
    if (entrada->Arquivo != r.atual) return entrada;
    atual = entrada;
  }
  return atual;
}

bool Retoma_Entrada(const TEstado_Registro& r, TArquivoAux* entrada);

// Opens entry's file with mode (after one eviction when the first try fails)
// and makes it current; false, with the same current stream, when both
// tries fail.
bool Abre_Entrada(const TEstado_Registro& r, TArquivoAux* entrada, const char* modo) {
  FILE* arq = Abre_Com_Buffer(entrada, modo);
  if (arq == nullptr) {
    // Out of handles, perhaps: evict one file and try once more.
    TArquivoAux* vitima = Escolhe_Vitima(r);
    const bool era_atual = vitima != nullptr && vitima->Arquivo == r.atual;
    if (vitima != nullptr) Despeja_Entrada(r, vitima);
    if (era_atual) r.atual = nullptr;
    arq = Abre_Com_Buffer(entrada, modo);
    if (arq == nullptr) {
      // The current stream stays current: resumed where it stood.
      if (era_atual) Retoma_Entrada(r, vitima);
      return false;
    }
  }
  entrada->Arquivo = arq;
  entrada->Aberto = true;
  entrada->Despejado = false;
  std::memcpy(entrada->Modo_Aberto, modo, std::strlen(modo) + 1);
  r.atual = arq;
  return true;
}

// Reopens an evicted entry where it stood. When the open or the seek fails
// the entry stays evicted, with its position, for the next selection.
bool Retoma_Entrada(const TEstado_Registro& r, TArquivoAux* entrada) {
  char modo[sizeof(entrada->Modo_Aberto)];
  Deriva_Modo_Retomada(entrada->Modo_Aberto, modo);
  const long posicao = entrada->Posicao;
  FILE* anterior = r.atual;
  if (!Abre_Entrada(r, entrada, modo)) return false;
  if (posicao >= 0 && std::fseek(entrada->Arquivo, posicao, SEEK_SET) != 0) {
    Fecha_Entrada(r, entrada);
    entrada->Despejado = true;
    entrada->Posicao = posicao;
    r.atual = anterior;
    return false;
  }
  return true;
}

void Remove_Entrada(const TEstado_Registro& r, TArquivoAux* entrada) {
  auto pos = std::find(r.indice.begin(), r.indice.end(), entrada);
  if (pos != r.indice.end()) r.indice.erase(pos);
  r.lista.Remove(entrada, true);
}

void Esvazia_Registro(const TEstado_Registro& r) {
  r.lista.Limpa();
  r.indice.clear();
  r.atual = nullptr;
}

}  // namespace

void TArquivoAux::Libera_Buffer::operator()(char* buffer) const {
  {
    std::lock_guard<std::mutex> guarda(reserva.trava);
    if (reserva.quantos < kBuffersGuardados) {
      reserva.livres[reserva.quantos++] = buffer;
      return;
    }
  }
  ::munmap(buffer, kTamBufferArquivo);
}

TArquivoAux::~TArquivoAux() {
  // An entry deleted while its stream is open (the manager's destructor does
  // not close streams) leaves the buffer to the stream, which still flushes
  // through it when the process exits.
  if (Arquivo != nullptr) Buffer.release();
}

TGeren_ArquivoAux::TGeren_ArquivoAux()
    : Lista_Arquivos(new TLista<TArquivoAux>(true)), Arquivo_Atual(nullptr) {}

TGeren_ArquivoAux::~TGeren_ArquivoAux() { delete Lista_Arquivos; }

int TGeren_ArquivoAux::Numero_Arquivos() const { return static_cast<int>(Indice.size()); }

bool TGeren_ArquivoAux::Erro_Arquivo(int n) const {
  if (n < 1 || n > Numero_Arquivos()) return false;
  const TArquivoAux* entrada = Indice[n - 1];
  return entrada->Erro || (entrada->Arquivo != nullptr && std::ferror(entrada->Arquivo) != 0);
}

long TGeren_ArquivoAux::Conta_Arquivos_Com_Erro() const {
  // Recorded errors, plus the open streams whose failed write is not
  // recorded yet (it will be at their close).
  long total = Erros_Registrados;
  for (const TArquivoAux* entrada : Indice) {
    if (!entrada->Erro && entrada->Arquivo != nullptr && std::ferror(entrada->Arquivo) != 0) {
      ++total;
    }
  }
  return total;
}

int TGeren_ArquivoAux::Abre_Arquivo(const char* caminho, const char* modo) {
  return Abre_Arquivo(caminho, modo, nullptr);
}

int TGeren_ArquivoAux::Abre_Arquivo(const char* caminho, const char* modo, TArquivoAux* entrada) {
  if (caminho == nullptr || modo == nullptr) return 0;
  if (std::strlen(modo) >= sizeof(entrada->Modo)) return 0;
  const TEstado_Registro r = TAcesso_Registro::Estado(this);
  if (entrada != nullptr) {
    if (!Registrada(r, entrada)) return 0;
    bool pronta = entrada->Arquivo != nullptr;
    if (pronta) {
      Arquivo_Atual = entrada->Arquivo;
    } else {
      pronta = entrada->Despejado ? Retoma_Entrada(r, entrada) : Abre_Entrada(r, entrada, modo);
      if (!pronta) Registra_Erro(r, entrada);
    }
    return pronta ? Numero_Arquivos() : 0;
  }
  // Paths that do not fit the entry are refused rather than cut: a cut path
  // would name another file.
  std::string resolvido;
  if (std::strlen(caminho) >= sizeof(entrada->Caminho) || !Resolve_Caminho(caminho, &resolvido)) {
    return 0;
  }
  entrada = new TArquivoAux;
  std::memcpy(entrada->Caminho, caminho, std::strlen(caminho) + 1);
  std::memcpy(entrada->Modo, modo, std::strlen(modo) + 1);
  entrada->Caminho_Resolvido = std::move(resolvido);
  Lista_Arquivos->Adiciona(entrada);
  Indice.push_back(entrada);
  entrada->Numero = Lista_Arquivos->Numero_Elementos();
  if (!Abre_Entrada(r, entrada, modo)) {
    Remove_Entrada(r, entrada);
    return 0;
  }
  return Numero_Arquivos();
}

const char* TGeren_ArquivoAux::RetornaTipoReabertura(const char* modo) {
  if (std::strcmp(modo, "rb") == 0 || std::strcmp(modo, "rt") == 0) return modo;
  if (std::strcmp(modo, "wt") == 0) return "at+";
  return "ab+";
}

int TGeren_ArquivoAux::TrocaContexto_Arquivo(TArquivoAux* entrada) {
  if (entrada == nullptr) return 0;
  return Abre_Arquivo(entrada->Caminho, RetornaTipoReabertura(entrada->Modo), entrada);
}

FILE* TGeren_ArquivoAux::Seleciona_Arquivo(int n) {
  if (n < 1 || n > Numero_Arquivos()) return nullptr;
  if (TrocaContexto_Arquivo(Indice[n - 1]) == 0) return nullptr;
  return Arquivo_Atual;
}

arqaux::TSeletor TGeren_ArquivoAux::Seletor_Relatorios() {
  return arqaux::TSeletor([this](int n) { return Seleciona_Arquivo(n); },
                          [this](int n) { return n >= 1 && n <= Numero_Arquivos(); });
}

FILE* TGeren_ArquivoAux::Seleciona_Arquivo_Aberto(int n) {
  if (n < 1 || n > Numero_Arquivos() || !Em_Uso(Indice[n - 1])) return nullptr;
  return Seleciona_Arquivo(n);
}

void TGeren_ArquivoAux::Muda_Arquivo(int n) { (void)Seleciona_Arquivo(n); }

void TGeren_ArquivoAux::Fecha_Arquivo(int n) {
  if (n == 0) n = Ultimo_Arquivo_Valido();
  if (n <= 0 || n > Numero_Arquivos()) return;
  const TEstado_Registro r = TAcesso_Registro::Estado(this);
  Fecha_Entrada(r, Indice[n - 1]);
  Arquivo_Atual = nullptr;
  TArquivoAux* substituto = Fechou_Todos(n);
  if (substituto == nullptr) {
    Esvazia_Registro(r);
  } else if (TrocaContexto_Arquivo(substituto) == 0) {
    Arquivo_Atual = nullptr;
  }
}

void TGeren_ArquivoAux::Fecha_Todos() {
  const TEstado_Registro r = TAcesso_Registro::Estado(this);
  for (int pos = Numero_Arquivos(); pos >= 1; --pos) Fecha_Entrada(r, Indice[pos - 1]);
  Esvazia_Registro(r);
}

int TGeren_ArquivoAux::Ultimo_Arquivo_Valido() {
  for (int pos = Numero_Arquivos(); pos >= 1; --pos) {
    if (Em_Uso(Indice[pos - 1])) return pos;
  }
  return 0;
}

TArquivoAux* TGeren_ArquivoAux::Fechou_Todos(int n) {
  const int total = Numero_Arquivos();
  if (total == 0 || n < 1 || n > total) return nullptr;
  int pos = n;
  for (int visitados = 0; visitados < total; ++visitados) {
    if (Em_Uso(Indice[pos - 1])) return Indice[pos - 1];
    pos = pos == 1 ? total : pos - 1;
  }
  return nullptr;
}

bool TGeren_ArquivoAux::Arquivo_Vazio() {
  if (Arquivo_Atual == nullptr) return false;
  std::fseek(Arquivo_Atual, 0, SEEK_END);
  if (std::ftell(Arquivo_Atual) == 0) return true;
  std::fseek(Arquivo_Atual, 0, SEEK_SET);
  return false;
}

FILE* TGeren_ArquivoAux::ObtemArquivo() { return Arquivo_Atual; }
