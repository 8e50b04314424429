// Access to the manager's registry state and private selectors for the
// library's own code and its tests. Not installed: hosts select streams only
// through the public operations.
#ifndef ARQAUX_REGISTRY_ACESSO_REGISTRO_H_
#define ARQAUX_REGISTRY_ACESSO_REGISTRO_H_

#include "arqaux/geren_arquivoaux.h"

// The registry's state, by reference, for the registry's file-local helpers.
struct TEstado_Registro {
  TLista<TArquivoAux>& lista;
  FILE*& atual;
  std::vector<TArquivoAux*>& indice;
  long& erros;
};

class TAcesso_Registro {
 public:
  [[nodiscard]] static FILE* Seleciona_Arquivo(TGeren_ArquivoAux* geren, int n) {
    return geren->Seleciona_Arquivo(n);
  }
  [[nodiscard]] static FILE* Seleciona_Arquivo_Aberto(TGeren_ArquivoAux* geren, int n) {
    return geren->Seleciona_Arquivo_Aberto(n);
  }
  // The entry of stream n, or null outside 1..count.
  static const TArquivoAux* Entrada(const TGeren_ArquivoAux* geren, int n) {
    if (n < 1 || n > geren->Numero_Arquivos()) return nullptr;
    return geren->Indice[n - 1];
  }
  static TEstado_Registro Estado(TGeren_ArquivoAux* geren) {
    return {*geren->Lista_Arquivos, geren->Arquivo_Atual, geren->Indice, geren->Erros_Registrados};
  }
};

#endif  // ARQAUX_REGISTRY_ACESSO_REGISTRO_H_
