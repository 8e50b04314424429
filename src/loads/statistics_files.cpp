// Statistics files: what the host shows after a run (monthly demand and
// consumption of the zone and of the HVAC system, monthly statistics, the
// annual and monthly load and gain statistics), stored so that it can be
// shown again without simulating. Each file is a plain dump of records in
// native (little-endian) byte order:
//
//   monthly demand and consumption   int32 n; n records of 72 bytes
//   HVAC demand and consumption      int32 n; n records of 88 bytes
//   monthly statistics               int32 n; n records of 568 bytes
//   load statistics                  int16 flag 1; int16 flag 2; annual record
//                                    (10392 bytes); int32 n; n months of 7560
//   gain statistics                  annual record (3180 bytes); int32 n;
//                                    n months of 2340
//
// The clocks lie at byte 32 of a demand record, at byte 48 of an HVAC demand
// record, and in pairs at bytes 8, 96, 200, 288, 396 and 488 of a monthly
// statistics record.
//
// Records are written in list order and appended in file order. A loader
// builds each record (its clocks and blocks by their constructors), reads
// the stored bytes over it and appends it, so memory grows with what the
// file holds, whatever its count says: a file cut in its third record loads
// two records and fails. A negative count cannot have been written by a
// saver and fails the load; a count of 0 is an empty list, which the list
// loaders give as 0 (their count) and the report loaders as success.
//
// The savers given a path open it through the registry and close it by the
// number the open returned, so they never write into another open file. A
// file that cannot be created, or a write that falls short (the close
// included), makes them false: a lost statistics file never looks saved.
#include <cstdint>
#include <cstdio>
#include <memory>

#include "arqaux/geren_arquivoaux.h"
#include "arqaux/load_records.h"
#include "engine/binario.h"

namespace {

// The list's count, then each record in list order. A position that holds
// no record is stored as a default one, so the count stays true.
template <class T>
bool Grava_Lista(FILE* arq, TLista<T>* lista) {
  const int32_t n = lista->Numero_Elementos();
  bool ok = arqaux::Grava_Bloco(arq, &n, sizeof n);
  const T vazio{};
  TNo<T>* no = lista->R_No(1);
  for (int32_t i = 0; i < n; ++i, no = no->R_Proximo()) {
    const T* r = no->R_Dado() != nullptr ? no->R_Dado() : &vazio;
    ok = arqaux::Grava_Bloco(arq, r, sizeof(T)) && ok;
  }
  return ok;
}

// A stored count: false at a short read or when it is negative.
bool Le_Contagem(FILE* arq, int32_t* n) { return arqaux::Le_Bloco(arq, n, sizeof *n) && *n >= 0; }

// Appends n records read one by one; false at the first short read, the
// records before it staying in the list.
template <class T>
bool Carrega_Registros(FILE* arq, TLista<T>* lista, int32_t n) {
  for (int32_t i = 0; i < n; ++i) {
    auto registro = std::make_unique<T>();
    if (!arqaux::Le_Bloco(arq, registro.get(), sizeof(T))) return false;
    lista->Adiciona(registro.release());
  }
  return true;
}

// The count of a list file and its records into lista; the count, or 0.
template <class T>
int Carrega_Lista(FILE* arq, TLista<T>* lista) {
  int32_t n = 0;
  if (arq == nullptr || lista == nullptr || !Le_Contagem(arq, &n)) return 0;
  return Carrega_Registros(arq, lista, n) ? n : 0;
}

// An annual record, then the months as a list file.
template <class A, class M>
bool Grava_Relatorio(FILE* arq, const A* anual, TLista<M>* meses) {
  const bool ok = arqaux::Grava_Bloco(arq, anual, sizeof(A));
  return Grava_Lista(arq, meses) && ok;
}

template <class A, class M>
bool Carrega_Relatorio(FILE* arq, A* anual, TLista<M>* meses) {
  int32_t n = 0;
  return arqaux::Le_Bloco(arq, anual, sizeof(A)) && Le_Contagem(arq, &n) &&
         Carrega_Registros(arq, meses, n);
}

// One 2-byte flag, stored in *flag only when read whole.
bool Le_Flag(FILE* arq, short* flag) {
  int16_t v;
  if (!arqaux::Le_Bloco(arq, &v, sizeof v)) return false;
  *flag = v;
  return true;
}

// Opens caminho for writing through the registry, lets grava write on it
// and closes it; false when it cannot be opened, when grava is, or when the
// registry recorded an error on it (a failed write, flush or close).
template <class F>
bool Grava_Arquivo(TGeren_ArquivoAux* geren, const char* caminho, F grava) {
  const long erros = geren->Conta_Arquivos_Com_Erro();
  const int n = caminho != nullptr ? geren->Abre_Arquivo(caminho, "wb") : 0;
  if (n == 0) return false;
  const bool ok = grava(geren->ObtemArquivo());
  geren->Fecha_Arquivo(n);
  return ok && geren->Conta_Arquivos_Com_Erro() == erros;
}

}  // namespace

bool TGeren_ArquivoAux::Grava_Demanda_Consumo(const char* caminho,
                                              TLista<TDemanda_Consumo_Mensal>* lista) {
  return lista != nullptr &&
         Grava_Arquivo(this, caminho, [lista](FILE* arq) { return Grava_Lista(arq, lista); });
}

int TGeren_ArquivoAux::Carrega_Demanda_Consumo(TLista<TDemanda_Consumo_Mensal>* lista) {
  return Carrega_Lista(ObtemArquivo(), lista);
}

bool TGeren_ArquivoAux::Grava_Demanda_Consumo_HVAC(TLista<TDemanda_Consumo_Mensal_HVAC>* lista) {
  FILE* arq = ObtemArquivo();
  return arq != nullptr && lista != nullptr && Grava_Lista(arq, lista) && std::ferror(arq) == 0;
}

bool TGeren_ArquivoAux::Carrega_Demanda_Consumo_HVAC(TLista<TDemanda_Consumo_Mensal_HVAC>* lista) {
  return Carrega_Lista(ObtemArquivo(), lista) > 0;
}

bool TGeren_ArquivoAux::Grava_Estatisticas(const char* caminho,
                                           TLista<TEstatistica_Mensal>* lista) {
  return lista != nullptr &&
         Grava_Arquivo(this, caminho, [lista](FILE* arq) { return Grava_Lista(arq, lista); });
}

int TGeren_ArquivoAux::Carrega_Estatisticas(TLista<TEstatistica_Mensal>* lista) {
  return Carrega_Lista(ObtemArquivo(), lista);
}

bool TGeren_ArquivoAux::Salva_Relatorio_CargasTermicas(const char* caminho,
                                                       TLista<TCarga_Termica_Mensal>* meses,
                                                       const TCarga_Termica_Anual* anual,
                                                       short flag_1, short flag_2) {
  if (meses == nullptr || anual == nullptr) return false;
  const int16_t flags[2] = {flag_1, flag_2};
  return Grava_Arquivo(this, caminho, [&](FILE* arq) {
    const bool ok = arqaux::Grava_Bloco(arq, flags, sizeof flags);
    return Grava_Relatorio(arq, anual, meses) && ok;
  });
}

bool TGeren_ArquivoAux::Carrega_Relatorio_CargasTermicas(TLista<TCarga_Termica_Mensal>* meses,
                                                         TCarga_Termica_Anual* anual, short* flag_1,
                                                         short* flag_2) {
  FILE* arq = ObtemArquivo();
  if (arq == nullptr || meses == nullptr || anual == nullptr || flag_1 == nullptr ||
      flag_2 == nullptr) {
    return false;
  }
  return Le_Flag(arq, flag_1) && Le_Flag(arq, flag_2) && Carrega_Relatorio(arq, anual, meses);
}

bool TGeren_ArquivoAux::Salva_Relatorio_GanhosTermicos(const char* caminho,
                                                       TLista<TGanho_Termico_Mensal>* meses,
                                                       const TGanho_Termico_Anual* anual) {
  if (meses == nullptr || anual == nullptr) return false;
  return Grava_Arquivo(this, caminho,
                       [&](FILE* arq) { return Grava_Relatorio(arq, anual, meses); });
}

bool TGeren_ArquivoAux::Carrega_Relatorio_GanhosTermicos(TLista<TGanho_Termico_Mensal>* meses,
                                                         TGanho_Termico_Anual* anual) {
  FILE* arq = ObtemArquivo();
  return arq != nullptr && meses != nullptr && anual != nullptr &&
         Carrega_Relatorio(arq, anual, meses);
}
