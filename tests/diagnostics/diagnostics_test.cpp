// The diagnostic texts: view factors written and loaded back for a zone's
// faces, and the line writers with the byte counts they return.
#include <functional>
#include <iterator>
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

using G = TGeren_ArquivoAux;

// Each writer with the line it prints and the bytes of the line's prints
// before its last, whose count the writer returns (the clock's 23). The
// clock line's second value is 0.1 * 3600 / 7 in single precision (double
// precision prints 51.428572).
TTempo relogio{10, 125, 1, 15, {}};
const struct {
  std::function<int(G*)> escreve;
  const char* linha;
  size_t antes = 0;
} kEscritas[] = {
    {[](G* g) { return g->ENCIT_2008(&relogio, 2, 1800, 20.45f, 21); },
     "1     15      10:02:05\t2.000000\t4.000000\t20.5\t21.0\n", 23},
    {[](G* g) { return g->ENCIT_2008(&relogio, 0.1f, 7, -0.04f, 1e6f); },
     "1     15      10:02:05\t0.100000\t51.428570\t-0.0\t1000000.0\n", 23},
    {[](G* g) { return g->Salva_Transmissividade(0.8125f); }, "0.812500\n"},
    {[](G* g) { return g->Salva_SHGC(-1.5f); }, "-1.500000\n"},
    {[](G* g) { return g->Salva_Temp_Vidro(1, 2, 3, 4.25f); },
     "1.000000\t2.000000\t3.000000\t4.250000\n"},
    {[](G* g) { return g->Salva_Fluxo(5, -6); }, "5.000000\t-6.000000\n"},
    {[](G* g) { return g->Salva_Trans_e_Teta(0.5f, 60); }, "0.500000\t60.000000\n"},
    {[](G* g) { return g->Salva_Dir(1, 0, 0, 2); }, "1.000000\t0.000000\t0.000000\t2.000000\n"},
    {[](G* g) { return g->Salva_Dif(9, 8, 7, 6, 5); },
     "9.000000\t8.000000\t7.000000\t6.000000\t5.000000\n"},
    {[](G* g) { return g->Fluxo_Nos(-2147483647 - 1, 12.5f); }, "-2147483648 12.500000\n"},
    {[](G* g) { return g->Fluxo_Nos_Linha(); }, "\n"},
    {[](G* g) { return g->Grava_Zona_FF(2147483647); }, "Zona: 2147483648\n"},
    // Numeric with a count of 0, then analytic.
    {[](G* g) { return g->Grava_Resultado_FF(0, 2, 0.3, 0, 12); },
     "\nFace 1 -> Face 3\t1\nNumero de triangulos da face(1): 0\n"
     "Numero de triangulos da face(3): 12\nNumerico:  0.300000\n\n"},
    {[](G* g) { return g->Grava_Resultado_FF(-1, 4, 1e-7, 0, 0); },
     "\nFace 0 -> Face 5\t0\nAnalitico: 0.000000\n\n"},
};

class Diagnosticos : public ArqauxTest {};

TEST_F(Diagnosticos, EachWriterPrintsItsLineAndItsByteCount) {
  std::string esperado, contagens, obtidas, sem;
  const std::string texto = Texto_Gravado(geren, Caminho("diag.txt"), [&] {
    for (const auto& e : kEscritas) {
      obtidas += std::to_string(e.escreve(geren)) + " ";
      contagens += std::to_string(std::string(e.linha).size() - e.antes) + " ";
      esperado += e.linha;
    }
  });
  EXPECT_EQ(texto, esperado);
  EXPECT_EQ(obtidas, contagens);
  // Without a current stream (or a clock) every writer prints nothing and is -1.
  for (const auto& e : kEscritas) sem += std::to_string(e.escreve(geren)) + " ";
  ASSERT_NE(geren->Abre_Arquivo(Caminho("diag.txt").c_str(), "wb"), 0);
  sem += std::to_string(geren->ENCIT_2008(nullptr, 1, 1, 1, 1));
  std::string falhas;
  for (size_t k = 0; k <= std::size(kEscritas); ++k) falhas += k ? " -1" : "-1";
  EXPECT_EQ(sem, falhas);
}

}  // namespace
