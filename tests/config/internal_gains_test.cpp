#include <cstring>
#include <string>

#include "support/corte.h"
#include "support/fixture.h"
#include "support/texto_config.h"

namespace {

// A gain whose type code the file format does not know.
class TGanho_Outro : public TGanho {
 public:
  TGanho_Outro(int tipo, TIntervalos* h) : TGanho(tipo, 1, h) {}
};

TIntervalos* Horario(int p0, int p1, int h0, int m0, int h1, int m1) {
  TIntervalos* h = new TIntervalos;
  h->Adiciona_Intervalo(new TIntervalo(p0, p1, h0, h1, m0 * 60, m1 * 60));
  return h;
}

const char kCabeca[] = "[Zona = 2]\n";

const char kPessoasAVapor[] =
    "[Ganho 1]\n\t[Tipo = 0]\n\t[Quantidade = 4]\n\t[Massa = 70.50]\n"
    "\t[Altura Individual = 1.75]\n\t[Calor Latente = 55.00]\n\t[Calor Sensivel = 75.25]\n"
    "\t[Porcentagem Convectiva = 0.40]\n\t[Usar ponderacao ASHRAE=1]\n\t[CAF = 1.123457]\n"
    "\t[Horarios = 1]\n\t\t[Horario 1 = (1,5,8:0->17:30)]\n"
    "[Ganho 2]\n\t[Tipo = 1]\n\t[Quantidade = 2]\n\t[Calor Sensivel = 100.00]\n"
    "\t[Porcentagem Convectiva = 0.60]\n\t[Usar ponderacao ASHRAE=0]\n\t[Calor Latente = 10.00]\n"
    "\t[Potencia Eletrica = 150.00]\n\t[ID = 7]\n\t[Horarios = 0]\n"
    "[Ganho 3]\n\t[Tipo = 2]\n\t[Quantidade = 10]\n\t[Potencia = 36.00]\n"
    "\t[Porcentagem Convectiva = 0.30]\n\t[Usar ponderacao ASHRAE=1]\n\t[ID = 3]\n"
    "\t[Usar Dados DAYSIM = 0]\n\t[Horarios = 0]\n"
    "[Ganho 4]\n\t[Tipo = 2]\n\t[Quantidade = 1]\n\t[Potencia = 20.00]\n"
    "\t[Porcentagem Convectiva = 0.50]\n\t[Usar ponderacao ASHRAE=0]\n\t[ID = 4]\n"
    "\t[Usar Dados DAYSIM = 1]\n\t[C:\\Projetos\\sala 1\\luz natural.ill]\n\t[Horarios = 0]\n"
    "[Ganho 5]\n\t[Tipo = 4]\n\t[Quantidade = 2]\n\t[Kg_p_s = 1.50e-04]\n\t[Temp_Vap = 35.125]\n"
    "\t[Potencia_Eletrica = 120.00]\n\t[Horarios = 0]\n";

const char kOutro[] =
    "[Ganho 6]\n\t[Tipo = 3]\n\t[Quantidade = 1]\n\t[Horarios = 2]\n"
    "\t\t[Horario 1 = (2,2,0:0->23:59)]\n\t\t[Horario 2 = (3,3,1:0->2:0)]\n";

class GanhosInternos : public ArqauxTest {
 protected:
  std::string Arquivo() const { return Caminho("ganhos.gi"); }

  // One gain of each kind, lighting with and without daylighting data, and
  // one of an unknown code.
  void Preenche(TLista<TGanho>* l) {
    l->Adiciona(new TPessoas(4, Horario(1, 5, 8, 0, 17, 30), 1.75f, 70.5f, 1.1234567, 55.0f, 75.25f,
                             0.4f, true));
    l->Adiciona(new TEquipamento(2, new TIntervalos, 150.0f, 100.0f, 10.0f, 7, 0.6f, false));
    l->Adiciona(new TIluminacao(10, new TIntervalos, 36.0f, 3, 0.3f, true, false, nullptr));
    l->Adiciona(
        new TIluminacao(1, new TIntervalos, 20.0f, 4, 0.5f, false, true,
                        std::strcpy(new char[300], "C:\\Projetos\\sala 1\\luz natural.ill")));
    l->Adiciona(new TGeracao_Vapor(2, new TIntervalos, 1.5e-4f, 35.125f, 120.0f));
    TIntervalos* h = Horario(2, 2, 0, 0, 23, 59);
    h->Adiciona_Intervalo(new TIntervalo(3, 3, 1, 2, 0, 0));
    l->Adiciona(new TGanho_Outro(3, h));
  }

  std::string Grava(TLista<TGanho>* l) {
    return Texto_Gravado(geren, Arquivo(),
                         [&] { EXPECT_TRUE(geren->Grava_Ganho_Interno_ZonaX(l, 2)); });
  }
};

TEST_F(GanhosInternos, WholeBlockOfEveryKindItsReadBackAndItsCuts) {
  TLista<TGanho> ganhos(true);
  Preenche(&ganhos);
  std::string texto = Grava(&ganhos);
  EXPECT_EQ(texto, std::string(kCabeca) + "[Numero de Ganhos = 6]\n" + kPessoasAVapor + kOutro);

  // Ordinals are not read back; the unknown gain is skipped with its schedule.
  std::string renumerado = texto;
  renumerado.replace(renumerado.find("[Ganho 2]"), 9, "[Ganho 9]");
  Abre_Para_Leitura(geren, Arquivo(), renumerado + "[Zona = 3]\n");
  TLista<TGanho> lidos(true);
  EXPECT_TRUE(geren->Le_Ganho_Interno_ZonaX(&lidos, 2));
  EXPECT_EQ(Resto(geren), "[Zona = 3]\n");
  geren->Fecha_Todos();
  // Writing what was read gives the same records back, path and CAF included.
  EXPECT_EQ(Grava(&lidos), std::string(kCabeca) + "[Numero de Ganhos = 5]\n" + kPessoasAVapor);

  // A cut block fails with the list emptied, until the last record's quantity
  // has begun: that record is of an unknown code, and its schedule's result
  // is not looked at.
  std::vector<bool> cortes = Corta_Em_Todo_Byte(geren, Arquivo(), texto, [&] {
    TLista<TGanho> l(true);
    bool ok = geren->Le_Ganho_Interno_ZonaX(&l, 2);
    EXPECT_TRUE(ok || l.Numero_Elementos() == 0);
    return ok;
  });
  EXPECT_EQ(Le_Desde(cortes), texto.rfind("[Quantidade = 1]") + std::strlen("[Quantidade = 1"));
}

TEST_F(GanhosInternos, ReadFailuresAndHostileInput) {
  std::string pessoa(kPessoasAVapor, std::strstr(kPessoasAVapor, "[Ganho 2]"));
  std::string luz(std::strstr(kPessoasAVapor, "[Ganho 4]"),
                  std::strstr(kPessoasAVapor, "[Ganho 5]"));
  std::string longo = luz;
  longo.replace(longo.find("C:\\"), 3, std::string(10000, 'p'));
  // Lighting without a path is written with the flag set and an empty path
  // line, which does not scan back.
  std::string vazio = luz;
  vazio.replace(vazio.find("C:\\"), vazio.find(".ill]") + 4 - vazio.find("C:\\"), "");
  TLista<TGanho> sem_caminho(true);
  sem_caminho.Adiciona(new TIluminacao(1, new TIntervalos, 20.0f, 4, 0.5f, false, true, nullptr));
  EXPECT_EQ(Texto_Gravado(geren, Arquivo(),
                          [&] { EXPECT_TRUE(geren->Grava_Ganho_Interno(&sem_caminho)); }),
            "[Numero de Ganhos = 1]\n[Ganho 1]" + vazio.substr(9));
  struct Caso {
    std::string texto;
    int resultado;  // 0 false, 1 true, -1 either (the count overflows an int)
    int ganhos;     // gains appended
  } casos[] = {
      {"[Numero de Ganhos = 99999999999999999999]\n" + pessoa, -1, 0},
      {"[Numero de Ganhos = 2147483647]\n" + pessoa, 0, 1},
      {"[Numero de Ganhos = 1]\n" + vazio, 0, 0},
      {"[Numero de Ganhos = 1]\n" + longo, 0, 0},
      // A path that the end of the file cuts before its bracket is read; the
      // schedule after it is missing, which is not looked at.
      {"[Numero de Ganhos = 1]\n" + luz.substr(0, luz.find(".ill]")), 1, 1},
  };
  for (const Caso& caso : casos) {
    Abre_Para_Leitura(geren, Arquivo(), caso.texto);
    TLista<TGanho> l(true);
    bool ok = geren->Le_Ganho_Interno(&l);
    if (caso.resultado >= 0) {
      EXPECT_EQ(ok, caso.resultado == 1) << caso.texto.substr(0, 40);
    }
    EXPECT_EQ(l.Numero_Elementos(), caso.ganhos) << caso.texto.substr(0, 40);
    geren->Fecha_Todos();
  }
}

}  // namespace
