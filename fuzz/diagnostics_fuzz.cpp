// Feeds arbitrary bytes to the view-factor reader. The input's first bytes
// give the call: the face number (int32), the zone's number (int32), its
// face count (a byte, modulo 8) and each face's region count (a byte each,
// modulo 4); the rest is the file. The reader must return without a
// sanitizer report, appending no more links than the file's records allow.
#include <arqaux/arqaux.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "fuzz_comum.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  fuzz::TCursor c(dados, tamanho);
  const int face = c.Int();
  TSuperficie zona(c.Int());
  std::vector<std::unique_ptr<TParede>> faces(c.Byte() % 8);
  for (auto& f : faces) {
    f.reset(new TParede(nullptr, nullptr, 0, 1));
    for (int r = c.Byte() % 4; r > 0; --r) f->Adiciona_Regiao(1);
    zona.Adiciona_Face(f.get());
  }
  const std::string caminho = fuzz::Arquivo("fatores.txt");
  if (!fuzz::Grava(caminho, c.Dados(), c.Resto())) return 0;
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  if (geren->Abre_Arquivo(caminho.c_str(), "rb") != 0) {
    ElementoTC alvo(1);
    geren->Carrega_Dados_FF(face, &zona, &alvo);
  }
  geren->Fecha_Todos();
  return 0;
}
