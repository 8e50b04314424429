#include <memory>
#include <string>
#include <vector>

#include "support/corte.h"
#include "support/fixture.h"
#include "support/texto_config.h"

namespace {

// A zone whose face k (from 1) has k regions, region r of 10k + r nodes so
// that a link names where its region lies.
struct Zona {
  explicit Zona(int numero, int n) : zona(numero) {
    for (int k = 1; k <= n; ++k) {
      faces.emplace_back(new TParede(nullptr, nullptr, 0, 1));
      for (int r = 1; r <= k; ++r) faces.back()->Adiciona_Regiao(10 * k + r);
      zona.Adiciona_Face(faces.back().get());
    }
  }
  TSuperficie zona;
  std::vector<std::unique_ptr<TParede>> faces;
};

// The element's links as "face.region=factor".
std::string Ligacoes(ElementoTC* e) {
  std::string t;
  TNo<TTrans_EltrMag>* no = e->Ligacoes->R_No(1);
  for (int i = 0; i < e->Ligacoes->Numero_Elementos(); ++i, no = no->R_Proximo()) {
    const int nos = no->R_Dado()->R_Regiao()->TotalNos() + 1;
    char s[64];
    std::snprintf(s, sizeof(s), "%d.%d=%g ", nos / 10, nos % 10, no->R_Dado()->R_Fator_Forma());
    t += s;
  }
  return t;
}

// The block of a zone of three faces: face a sees face b with factor a.b,
// the pairs from face 1 analytic, the others numeric.
void Bloco(TGeren_ArquivoAux* geren, int zona) {
  geren->Grava_Zona_FF(zona - 1);
  for (int a = 0; a < 3; ++a) {
    for (int b = 0; b < 3; ++b) {
      if (a != b) geren->Grava_Resultado_FF(a, b, a + 1 + (b + 1) / 10.0, a ? 8 * a : 0, a ? b : 0);
    }
  }
}

const char kRegistro_Alem[] =
    "\nFace 1 -> Face 0x7fffffff\t7\nNumero de triangulos da face(1): 3\n"
    "Numero de triangulos da face(99): 3\nNumerico:  1e300\n\n";

class FatoresForma : public ArqauxTest {};

TEST_F(FatoresForma, LoadsTheZonesBlockInBothForms) {
  const std::string arquivo = Texto_Gravado(geren, Caminho("ff.txt"), [&] {
    Bloco(geren, 5);
    Bloco(geren, 2);
    Bloco(geren, 7);
  });
  const std::string bloco2 =
      arquivo.substr(arquivo.find("Zona: 2"), arquivo.find("Zona: 7") - arquivo.find("Zona: 2"));
  const struct {
    const char* caso;
    std::string texto;
    int zona, faces, face;
    bool ok;
    std::string ligacoes;
  } casos[] = {
      {"face 1 after another zone", arquivo, 2, 3, 1, true,
       "2.1=1.2 2.2=1.2 3.1=1.3 3.2=1.3 3.3=1.3 "},
      {"face 3, numeric", arquivo, 2, 3, 3, true, "1.1=3.1 2.1=3.2 2.2=3.2 "},
      {"the first zone", arquivo, 5, 3, 2, true, "1.1=2.1 3.1=2.3 3.2=2.3 3.3=2.3 "},
      {"no record from face 4", arquivo, 7, 3, 4, true, ""},
      {"zone absent", arquivo, 9, 3, 1, false, ""},
      {"one face, no records", "Zona: 1\n", 1, 1, 1, true, ""},
      {"beyond the count: the last face; huge factor: infinite",
       "Zona: 1\n" + std::string(kRegistro_Alem) + kRegistro_Alem, 1, 2, 1, true,
       "2.1=inf 2.2=inf 2.1=inf 2.2=inf "},
      {"blocks too short for their face count", arquivo, 2, 4, 1, false, ""},
      {"a record cut after its first line", "Zona: 1\nFace 1 -> Face 2\t0\nAnalitico: x", 1, 2, 1,
       false, ""},
      {"empty", "", 1, 2, 1, false, ""},
  };
  for (const auto& c : casos) {
    Abre_Para_Leitura(geren, Caminho("ler.txt"), c.texto);
    Zona z(c.zona, c.faces);
    ElementoTC alvo(1);
    EXPECT_EQ(geren->Carrega_Dados_FF(c.face, &z.zona, &alvo), c.ok) << c.caso;
    EXPECT_EQ(Ligacoes(&alvo), c.ligacoes) << c.caso;
    geren->Fecha_Todos();
  }
  // Every prefix of the block reads false until the last factor begins.
  Zona z(2, 3);
  ElementoTC alvo(1);
  const auto lidos = Corta_Em_Todo_Byte(geren, Caminho("ler.txt"), bloco2,
                                        [&] { return geren->Carrega_Dados_FF(1, &z.zona, &alvo); });
  EXPECT_EQ(Le_Desde(lidos), bloco2.rfind(' ') + 2);
  // Nothing to read into, or nothing to read.
  Abre_Para_Leitura(geren, Caminho("ler.txt"), arquivo);
  delete alvo.Ligacoes;
  alvo.Ligacoes = nullptr;
  EXPECT_FALSE(geren->Carrega_Dados_FF(1, &z.zona, &alvo));
  EXPECT_FALSE(geren->Carrega_Dados_FF(1, nullptr, &alvo));
  EXPECT_FALSE(geren->Carrega_Dados_FF(1, &z.zona, nullptr));
  EXPECT_EQ(Resto(geren), arquivo);
  geren->Fecha_Todos();
  ElementoTC outro(1);
  EXPECT_FALSE(geren->Carrega_Dados_FF(1, &z.zona, &outro));
}

}  // namespace
