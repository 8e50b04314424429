#include <string>

#include "support/fixture.h"
#include "support/texto_config.h"

namespace {

const char kDoisPeriodos[] =
    "\t\t[Horario 1 = (1,5,8:0->17:30)]\n"
    "\t\t[Horario 2 = (6,7,0:0->23:59)]\n";

class Horarios : public ArqauxTest {
 protected:
  std::string Arquivo() const { return Caminho("horarios.txt"); }
};

TEST_F(Horarios, BlocksUnderBothHeadersAndTheirReadBack) {
  TIntervalos h;
  h.Adiciona_Intervalo(new TIntervalo(1, 5, 8, 17, 0, 30 * 60));
  h.Adiciona_Intervalo(new TIntervalo(6, 7, 0, 23, 0, 59 * 60));
  auto grava = [&](TIntervalos* a, TIntervalos* b, TIntervalos* c) {
    return Texto_Gravado(geren, Arquivo(), [&] {
      EXPECT_TRUE(geren->Grava_Intervalos(a));
      EXPECT_TRUE(geren->Grava_Intervalos_Vent(b));
      EXPECT_TRUE(geren->Grava_Intervalos_Vent(c));
    });
  };
  std::string texto = grava(&h, &h, nullptr);
  const std::string esperado = std::string("\t[Horarios = 2]\n") + kDoisPeriodos +
                               "\t[Horarios Ventilacao = 2]\n" + kDoisPeriodos +
                               "\t[Horarios Ventilacao = 0]\n";
  EXPECT_EQ(texto, esperado);
  // Blank lines and indentation between lines are skipped; positions are not read.
  texto.replace(texto.find("\t\t[Horario 1"), 12, "\n\n  \t[Horario 9");
  Abre_Para_Leitura(geren, Arquivo(), texto + "[Zona = 4]\n");
  TIntervalos lidos[3];
  EXPECT_TRUE(geren->Le_Intervalos(&lidos[0]));
  EXPECT_TRUE(geren->Le_Intervalos_Vent(&lidos[1]));
  EXPECT_TRUE(geren->Le_Intervalos_Vent(&lidos[2]));
  EXPECT_EQ(Resto(geren), "[Zona = 4]\n");
  geren->Fecha_Todos();
  // Positions run from 1 to the count; others give no period.
  EXPECT_EQ(lidos[0][0], nullptr);
  EXPECT_EQ(lidos[0][3], nullptr);
  // What was read writes the same blocks again: minutes came back as seconds.
  EXPECT_EQ(grava(&lidos[0], &lidos[1], &lidos[2]), esperado);
}

TEST_F(Horarios, ShortLinesFailAndKeepThePeriodsRead) {
  const std::string um = "\t\t[Horario 1 = (1,5,8:0->17:30)]\n";
  struct Caso {
    std::string texto;
    bool le;
    int periodos;
    std::string resto;
  } casos[] = {
      // A count below 1 reads no period line.
      {"\t[Horarios = 0]\n" + um, true, 0, um.substr(2)},
      {"\t[Horarios = -3]\n" + um, true, 0, um.substr(2)},
      {"\t[Horarios Ventilacao = 1]\n" + um, false, 0, ""},  // the other header
      {"\t[Horarios = 3]\n" + um + "\t\t[Horario 2 = (1,5,8:0)]\n", false, 1, ""},
      // The last number read is enough; a line cut after it still counts.
      {"\t[Horarios = 2]\n" + um + "\t\t[Horario 2 = (1,5,8:0->17:3", true, 2, ""},
      {"\t[Horarios = 2147483647]\n" + um, false, 1, ""},
      {"\t[Horarios = 1]\n\t\t[Horario 1 = (1,5,8:0->17:35791395)]\n", false, 0, ""},
  };
  for (const Caso& caso : casos) {
    Abre_Para_Leitura(geren, Arquivo(), caso.texto);
    TIntervalos h;
    EXPECT_EQ(geren->Le_Intervalos(&h), caso.le) << caso.texto;
    EXPECT_EQ(h.Numero_Intervalos(), caso.periodos) << caso.texto;
    if (caso.le) {
      EXPECT_EQ(Resto(geren), caso.resto);
    }
    geren->Fecha_Todos();
  }
}

}  // namespace
