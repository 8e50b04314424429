#include <functional>
#include <iterator>
#include <string>

#include "support/fixture.h"
#include "support/texto_config.h"

namespace {

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
