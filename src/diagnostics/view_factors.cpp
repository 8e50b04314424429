// View-factor results: per zone, its line and the records of every ordered
// pair of its faces (n faces give n·(n - 1) records), zones and faces
// numbered from 1. A record is analytic or numeric, by its flag:
//
//   Zona: 1
//
//   Face 1 -> Face 2\t0
//   Analitico: 0.200000
//
//
//   Face 1 -> Face 3\t1
//   Numero de triangulos da face(1): 0
//   Numero de triangulos da face(3): 12
//   Numerico:  0.300000
//
// The reader scans each line with its printed form, a blank or line end
// matching any run of white space, and faces with "%i" (so "010" is face 8).
// It reads blocks in file order: another zone's block is checked record by
// record and passed over, and nothing after the wanted block is read. Every
// record consumes bytes, so a large face count cannot make it loop past the
// end of the file.
#include <cfloat>
#include <cmath>
#include <cstdint>

#include "arqaux/contracts/building_model.h"
#include "arqaux/geren_arquivoaux.h"
#include "diagnostics/impressao.h"

using arqaux::Imprime;

namespace {

struct TRegistro_FF {
  int face_a = 0;
  int face_b = 0;
  int metodo = 0;
  double fator = 0;
};

bool Le_Zona(FILE* arq, int* zona) { return std::fscanf(arq, "Zona: %d\n\n", zona) == 1; }

bool Le_Registro(FILE* arq, TRegistro_FF* r) {
  if (std::fscanf(arq, "Face %i -> Face %i\t%d\n", &r->face_a, &r->face_b, &r->metodo) != 3)
    return false;
  if (r->metodo == 0) return std::fscanf(arq, "Analitico: %lf\n\n", &r->fator) == 1;
  for (int k = 0; k < 2; ++k) {
    int face, triangulos;
    if (std::fscanf(arq, "Numero de triangulos da face(%d): %d\n", &face, &triangulos) != 2)
      return false;
  }
  return std::fscanf(arq, "Numerico:  %lf\n\n", &r->fator) == 1;
}

// The view factor as the link keeps it: beyond the float range, infinite.
float Para_Float(double fator) {
  if (fator > FLT_MAX) return HUGE_VALF;
  if (fator < -FLT_MAX) return -HUGE_VALF;
  return static_cast<float>(fator);
}

// Appends to elemento one link per region of the face at position posicao
// of faces (from 1; beyond the count, the last face).
void Liga_Regioes(TLista<TParede>* faces, int posicao, float fator, ElementoTC* elemento) {
  const int total = faces->Numero_Elementos();
  TNo<TParede>* no = faces->R_No(posicao < total ? posicao : total);
  TParede* face = no != nullptr ? no->R_Dado() : nullptr;
  TLista<ElementoTC>* regioes = face != nullptr ? face->R_Regioes() : nullptr;
  if (regioes == nullptr) return;
  TNo<ElementoTC>* r = regioes->R_No(1);
  for (int i = 0; i < regioes->Numero_Elementos(); ++i, r = r->R_Proximo()) {
    elemento->Ligacoes->Adiciona(new TTrans_EltrMag(fator, r->R_Dado()));
  }
}

}  // namespace

int TGeren_ArquivoAux::Grava_Zona_FF(int zona) {
  return Imprime(Arquivo_Atual, "Zona: %lld\n", static_cast<long long>(zona) + 1);
}

int TGeren_ArquivoAux::Grava_Resultado_FF(int face_a, int face_b, double fator, int triangulos_a,
                                          int triangulos_b) {
  const long long a = static_cast<long long>(face_a) + 1;
  const long long b = static_cast<long long>(face_b) + 1;
  if (triangulos_a == 0 && triangulos_b == 0)
    return Imprime(Arquivo_Atual, "\nFace %lld -> Face %lld\t0\nAnalitico: %lf\n\n", a, b, fator);
  return Imprime(Arquivo_Atual,
                 "\nFace %lld -> Face %lld\t1\nNumero de triangulos da face(%lld): %d\n"
                 "Numero de triangulos da face(%lld): %d\nNumerico:  %lf\n\n",
                 a, b, a, triangulos_a, b, triangulos_b, fator);
}

bool TGeren_ArquivoAux::Carrega_Dados_FF(int face, TSuperficie* zona, ElementoTC* elemento) {
  FILE* arq = Arquivo_Atual;
  if (arq == nullptr || zona == nullptr || elemento == nullptr || elemento->Ligacoes == nullptr)
    return false;
  TLista<TParede>* faces = zona->R_Faces();
  if (faces == nullptr) return false;
  const int64_t n = faces->Numero_Elementos();
  const int64_t registros = n * (n - 1);
  TRegistro_FF r;
  int numero = 0;
  if (!Le_Zona(arq, &numero)) return false;
  while (numero != zona->R_Numero()) {
    for (int64_t k = 0; k < registros; ++k) {
      if (!Le_Registro(arq, &r)) return false;
    }
    if (!Le_Zona(arq, &numero)) return false;
  }
  for (int64_t k = 0; k < registros; ++k) {
    if (!Le_Registro(arq, &r)) return false;
    if (r.face_a == face) Liga_Regioes(faces, r.face_b, Para_Float(r.fator), elemento);
  }
  return true;
}
