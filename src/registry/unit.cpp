// The single manager's lifetime: built when the library is loaded, destroyed
// when it is unloaded, with a reference counter so that paired extra calls of
// the unit hooks do not rebuild or destroy it.
#include <new>
#include <type_traits>

#include "arqaux/geren_arquivoaux.h"

namespace {

std::aligned_storage_t<sizeof(TGeren_ArquivoAux), alignof(TGeren_ArquivoAux)> armazenamento;
TGeren_ArquivoAux* instancia = nullptr;
int contador_referencias = 0;

// Runs the unit hooks at load and unload of the shared library.
struct Unidade {
  Unidade() { Geren_arquivoaux::Initialize(); }
  ~Unidade() { Geren_arquivoaux::Finalize(); }
};
Unidade unidade;

}  // namespace

namespace Geren_arquivoaux {

void Initialize() {
  if (contador_referencias-- == 0) instancia = new (&armazenamento) TGeren_ArquivoAux;
}

void Finalize() {
  if (++contador_referencias == 0 && instancia != nullptr) {
    instancia->~TGeren_ArquivoAux();
    instancia = nullptr;
  }
}

}  // namespace Geren_arquivoaux

TGeren_ArquivoAux* Geren_ArqAux() { return instancia; }
