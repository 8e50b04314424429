#include <random>
#include <string>

#include "support/corte.h"
#include "support/fixture.h"
#include "support/texto_config.h"

namespace {

class Horarios : public ArqauxTest {
 protected:
  std::string Arquivo() const { return Caminho("horarios.txt"); }
};

TIntervalos* Dois_Periodos() {
  TIntervalos* h = new TIntervalos;
  h->Adiciona_Intervalo(new TIntervalo(1, 5, 8, 17, 0, 30 * 60));
  h->Adiciona_Intervalo(new TIntervalo(6, 7, 0, 23, 0, 59 * 60));
  return h;
}

const char DOIS_PERIODOS[] =
    "\t\t[Horario 1 = (1,5,8:0->17:30)]\n"
    "\t\t[Horario 2 = (6,7,0:0->23:59)]\n";

TEST_F(Horarios, BlocksUnderBothHeadersAndAnEmptyOne) {
  std::unique_ptr<TIntervalos> h(Dois_Periodos());
  TIntervalos vazio;
  std::string texto = Texto_Gravado(geren, Arquivo(), [&] {
    EXPECT_TRUE(geren->Grava_Intervalos(h.get()));
    EXPECT_TRUE(geren->Grava_Intervalos_Vent(h.get()));
    EXPECT_TRUE(geren->Grava_Intervalos(&vazio));
    EXPECT_TRUE(geren->Grava_Intervalos_Vent(nullptr));
  });
  EXPECT_EQ(texto, std::string("\t[Horarios = 2]\n") + DOIS_PERIODOS +
                       "\t[Horarios Ventilacao = 2]\n" + DOIS_PERIODOS +
                       "\t[Horarios = 0]\n"
                       "\t[Horarios Ventilacao = 0]\n");

  Abre_Para_Leitura(geren, Arquivo(), texto);
  TIntervalos lidos[4];
  EXPECT_TRUE(geren->Le_Intervalos(&lidos[0]));
  EXPECT_TRUE(geren->Le_Intervalos_Vent(&lidos[1]));
  EXPECT_TRUE(geren->Le_Intervalos(&lidos[2]));
  EXPECT_TRUE(geren->Le_Intervalos_Vent(&lidos[3]));
  for (int i = 0; i < 2; ++i) {
    ASSERT_EQ(lidos[i].Numero_Intervalos(), 2);
    const TIntervalo* p = lidos[i][1];
    // Minutes come back as seconds: 8:00 to 17:30 in periods 1 to 5.
    EXPECT_EQ(p->R_Periodo(0), 1);
    EXPECT_EQ(p->R_Periodo(1), 5);
    EXPECT_EQ(p->R_Hora(0), 8);
    EXPECT_EQ(p->R_Hora(1), 17);
    EXPECT_EQ(p->R_Segundo(0), 0);
    EXPECT_EQ(p->R_Segundo(1), 1800);
  }
  EXPECT_EQ(lidos[2].Numero_Intervalos(), 0);
  EXPECT_EQ(lidos[3].Numero_Intervalos(), 0);
}

TEST_F(Horarios, ReadsAcrossBlankLinesAndIndentationAndIgnoresThePosition) {
  Abre_Para_Leitura(geren, Arquivo(),
                    "[Horarios = 2]\n\n\n   \t\t\t[Horario 9 = (1, 5,8:0->17:30)]\n"
                    "[Horario 0 = (6,7,0:0->23:59)]\n\n[Zona = 4]\n");
  TIntervalos h;
  EXPECT_TRUE(geren->Le_Intervalos(&h));
  EXPECT_EQ(h.Numero_Intervalos(), 2);
  EXPECT_EQ(Resto(geren), "[Zona = 4]\n");
}

TEST_F(Horarios, CountsBelowOneReadNoPeriodLine) {
  const char resto[] = "\t\t[Horario 1 = (1,1,0:0->1:0)]\n";
  for (const char* cabecalho : {"\t[Horarios = 0]\n", "\t[Horarios = -3]\n"}) {
    Abre_Para_Leitura(geren, Arquivo(), std::string(cabecalho) + resto);
    TIntervalos h;
    EXPECT_TRUE(geren->Le_Intervalos(&h));
    EXPECT_EQ(h.Numero_Intervalos(), 0);
    EXPECT_EQ(Resto(geren), resto + 2);  // the header's "\n" took the tabs
    geren->Fecha_Todos();
  }
}

TEST_F(Horarios, FailuresKeepThePeriodsAlreadyRead) {
  struct Caso {
    const char* texto;
    int periodos;
  } casos[] = {
      {"\t[Horarios Ventilacao = 1]\n\t\t[Horario 1 = (1,1,0:0->1:0)]\n", 0},  // other header
      {"\t[Horarios = x]\n", 0},
      {"\t[Horarios = 3]\n\t\t[Horario 1 = (1,5,8:0->17:30)]\n\t\t[Horario 2 = (1,5,8:0)]\n", 1},
      {"\t[Horarios = 2]\n\t\t[Horario 1 = (1,5,8:0->17:30)]\n", 1},  // end of file
      {"\t[Horarios = 2147483647]\n\t\t[Horario 1 = (1,5,8:0->17:30)]\n", 1},
      // minutes that do not fit in seconds
      {"\t[Horarios = 1]\n\t\t[Horario 1 = (1,5,8:0->17:35791395)]\n", 0},
  };
  for (const Caso& caso : casos) {
    Abre_Para_Leitura(geren, Arquivo(), caso.texto);
    TIntervalos h;
    EXPECT_FALSE(geren->Le_Intervalos(&h)) << caso.texto;
    EXPECT_EQ(h.Numero_Intervalos(), caso.periodos) << caso.texto;
    geren->Fecha_Todos();
  }
}

TEST_F(Horarios, NothingHappensWithoutACurrentStream) {
  TIntervalos h;
  EXPECT_FALSE(geren->Grava_Intervalos(&h));
  EXPECT_FALSE(geren->Le_Intervalos(&h));
  EXPECT_FALSE(geren->Le_Intervalos_Vent(&h));
}

TEST_F(Horarios, GeneratedSchedulesRoundTripByteForByte) {
  std::mt19937 gerador(7);
  std::uniform_int_distribution<int> valor(-100000, 100000);
  std::uniform_int_distribution<int> tamanho(0, 12);
  std::vector<std::unique_ptr<TIntervalos>> originais;
  for (int i = 0; i < 200; ++i) {
    originais.emplace_back(new TIntervalos);
    for (int n = tamanho(gerador); n > 0; --n) {
      originais.back()->Adiciona_Intervalo(
          new TIntervalo(valor(gerador), valor(gerador), valor(gerador), valor(gerador),
                         valor(gerador) * 60, valor(gerador) * 60));
    }
  }
  auto grava = [&](const std::vector<std::unique_ptr<TIntervalos>>& lista) {
    return Texto_Gravado(geren, Arquivo(), [&] {
      for (size_t i = 0; i < lista.size(); ++i) {
        if (i % 2 == 0)
          geren->Grava_Intervalos(lista[i].get());
        else
          geren->Grava_Intervalos_Vent(lista[i].get());
      }
    });
  };
  std::string primeiro = grava(originais);
  Abre_Para_Leitura(geren, Arquivo(), primeiro);
  std::vector<std::unique_ptr<TIntervalos>> lidos;
  for (size_t i = 0; i < originais.size(); ++i) {
    lidos.emplace_back(new TIntervalos);
    EXPECT_TRUE(i % 2 == 0 ? geren->Le_Intervalos(lidos.back().get())
                           : geren->Le_Intervalos_Vent(lidos.back().get()));
  }
  geren->Fecha_Todos();
  EXPECT_EQ(grava(lidos), primeiro);
}

TEST_F(Horarios, EveryCutOfABlockReadsSafely) {
  std::string bloco = std::string("\t[Horarios = 2]\n") + DOIS_PERIODOS;
  std::vector<bool> lidos = Corta_Em_Todo_Byte(geren, Arquivo(), bloco, [&] {
    TIntervalos h;
    bool ok = geren->Le_Intervalos(&h);
    return ok && h.Numero_Intervalos() == 2;
  });
  // Only the cuts that keep the last period's closing bracket read all of it.
  size_t fechado = bloco.size() - 1;
  for (size_t n = 0; n < lidos.size(); ++n) EXPECT_EQ(lidos[n], n >= fechado) << n;
}

}  // namespace
