// The open-file registry: numbering, the current stream, transparent reopening
// of files closed to free a handle, and closing.
#include <algorithm>
#include <cstring>

#include "arqaux/geren_arquivoaux.h"

namespace {

// Every stream the registry opens gets a large buffer: result streams are
// written a few bytes at a time, a year long.
constexpr size_t TAM_BUFFER_ARQUIVO = 64 * 1024;

// Opens path and gives the stream its buffer; the buffer is kept by entry.
FILE* Abre_Com_Buffer(const char* caminho, const char* modo, TArquivoAux* entrada) {
  FILE* arq = std::fopen(caminho, modo);
  if (arq == nullptr) return nullptr;
  std::unique_ptr<char[]> buffer(new (std::nothrow) char[TAM_BUFFER_ARQUIVO]);
  if (buffer && std::setvbuf(arq, buffer.get(), _IOFBF, TAM_BUFFER_ARQUIVO) == 0) {
    entrada->Buffer = std::move(buffer);
  }
  return arq;
}

void Fecha_Entrada(TArquivoAux* entrada) {
  if (entrada->Arquivo != nullptr) {
    if (std::ferror(entrada->Arquivo) != 0) entrada->Erro = true;
    if (std::fclose(entrada->Arquivo) != 0) entrada->Erro = true;
  }
  entrada->Arquivo = nullptr;
  entrada->Aberto = false;
  entrada->Buffer.reset();
}

}  // namespace

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

int TGeren_ArquivoAux::Abre_Arquivo(const char* caminho, const char* modo) {
  return Abre_Arquivo(caminho, modo, nullptr);
}

int TGeren_ArquivoAux::Abre_Arquivo(const char* caminho, const char* modo, TArquivoAux* entrada) {
  if (caminho == nullptr || modo == nullptr) return 0;
  // Paths that do not fit the entry are refused rather than cut: a cut path
  // would name another file.
  if (std::strlen(caminho) >= sizeof(entrada->Caminho)) return 0;
  if (std::strlen(modo) >= sizeof(entrada->Modo)) return 0;

  if (entrada == nullptr) {
    entrada = new TArquivoAux;
    std::memcpy(entrada->Caminho, caminho, std::strlen(caminho) + 1);
    std::memcpy(entrada->Modo, modo, std::strlen(modo) + 1);
    Lista_Arquivos->Adiciona(entrada);
    Indice.push_back(entrada);
    entrada->Numero = Lista_Arquivos->Numero_Elementos();
  }

  entrada->Arquivo = Abre_Com_Buffer(caminho, modo, entrada);
  if (entrada->Arquivo == nullptr) {
    // Out of handles, perhaps: free the highest-numbered open file (it stays
    // registered and is reopened on its next use) and try once more.
    int k = Ultimo_Arquivo_Valido();
    if (k > 0) {
      TArquivoAux* vitima = Indice[k - 1];
      bool era_atual = vitima->Arquivo == Arquivo_Atual;
      Fecha_Entrada(vitima);
      if (era_atual) {
        TArquivoAux* substituto = Fechou_Todos(k);
        Arquivo_Atual = substituto != nullptr ? substituto->Arquivo : nullptr;
      }
    }
    entrada->Arquivo = Abre_Com_Buffer(caminho, modo, entrada);
    if (entrada->Arquivo == nullptr) {
      Remove_Entrada(entrada);
      return 0;
    }
  }
  Arquivo_Atual = entrada->Arquivo;
  entrada->Aberto = true;
  return Lista_Arquivos->Numero_Elementos();
}

void TGeren_ArquivoAux::Remove_Entrada(TArquivoAux* entrada) {
  auto pos = std::find(Indice.begin(), Indice.end(), entrada);
  if (pos != Indice.end()) Indice.erase(pos);
  Lista_Arquivos->Remove(entrada, true);
}

void TGeren_ArquivoAux::Esvazia_Registro() {
  Lista_Arquivos->Limpa();
  Indice.clear();
  Arquivo_Atual = nullptr;
}

const char* TGeren_ArquivoAux::RetornaTipoReabertura(const char* modo) {
  if (std::strcmp(modo, "rb") == 0 || std::strcmp(modo, "rt") == 0) return modo;
  if (std::strcmp(modo, "wt") == 0) return "at+";
  return "ab+";
}

int TGeren_ArquivoAux::TrocaContexto_Arquivo(TArquivoAux* entrada) {
  if (entrada->Aberto) {
    Arquivo_Atual = entrada->Arquivo;
    return 1;
  }
  return Abre_Arquivo(entrada->Caminho, RetornaTipoReabertura(entrada->Modo), entrada);
}

FILE* TGeren_ArquivoAux::Seleciona_Arquivo(int n) {
  if (n < 1 || n > Numero_Arquivos()) return nullptr;
  if (TrocaContexto_Arquivo(Indice[n - 1]) == 0) return nullptr;
  return Arquivo_Atual;
}

void TGeren_ArquivoAux::Muda_Arquivo(int n) { Seleciona_Arquivo(n); }

void TGeren_ArquivoAux::Fecha_Arquivo(int n) {
  if (n == 0) n = Ultimo_Arquivo_Valido();
  if (n <= 0 || n > Numero_Arquivos()) return;
  Fecha_Entrada(Indice[n - 1]);
  TArquivoAux* substituto = Fechou_Todos(n);
  if (substituto == nullptr) {
    Esvazia_Registro();
  } else {
    Arquivo_Atual = substituto->Arquivo;
  }
}

void TGeren_ArquivoAux::Fecha_Todos() {
  while (Numero_Arquivos() > 0) {
    if (Ultimo_Arquivo_Valido() == 0) {
      Esvazia_Registro();
      return;
    }
    Fecha_Arquivo(0);
  }
  Arquivo_Atual = nullptr;
}

int TGeren_ArquivoAux::Ultimo_Arquivo_Valido() {
  for (int pos = Numero_Arquivos(); pos >= 1; --pos) {
    if (Indice[pos - 1]->Arquivo != nullptr) return pos;
  }
  return 0;
}

TArquivoAux* TGeren_ArquivoAux::Fechou_Todos(int n) {
  const int total = Numero_Arquivos();
  if (total == 0 || n < 1 || n > total) return nullptr;
  int pos = n;
  for (int visitados = 0; visitados < total; ++visitados) {
    if (Indice[pos - 1]->Arquivo != nullptr) return Indice[pos - 1];
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
