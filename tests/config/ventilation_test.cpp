#include <cstring>
#include <memory>
#include <string>

#include "support/corte.h"
#include "support/fixture.h"
#include "support/texto_config.h"

namespace {

class Ventilacao : public ArqauxTest {
 protected:
  std::string Arquivo() const { return Caminho("zona.vnt"); }

  std::string Grava(TVent_Natural* n, TVent_Forcada* f, int zona = 3) {
    return Texto_Gravado(geren, Arquivo(),
                         [&] { EXPECT_TRUE(geren->Grava_Ventilacao_ZonaX(n, f, zona)); });
  }
};

// What a reader built, owned by the test.
struct Lidos {
  TVent_Natural* natural = nullptr;
  TVent_Forcada* forcada = nullptr;
  ~Lidos() {
    delete natural;
    delete forcada;
  }
};

std::unique_ptr<TVent_Natural> Natural(int modelo, int tipo, int indice, float sbh, float pad) {
  TParam_Vent_Nat p;
  p.Atualiza_Modelo(modelo);
  p.Atualiza_Tipo_Calculo(tipo);
  p.Atualiza_Indice(indice);
  p.Atualiza_SBH(sbh);
  p.Atualiza_PAD(pad);
  auto n = std::make_unique<TVent_Natural>();
  n->Atualiza_Parametros_Ventilacao(&p);
  return n;
}

TEST_F(Ventilacao, SectionsOfEachKindAndTheirReadBack) {
  auto natural = Natural(2, 1, 5, 1.237f, 0.5f);
  TVent_Forcada por_racao;
  por_racao.A_Racao_Ar(27.0f);
  por_racao.A_Quantidade_Pessoas(4);
  por_racao.R_Intervalos()->Adiciona_Intervalo(new TIntervalo(1, 5, 8, 17, 0, 1800));
  TVent_Forcada por_trocas;
  por_trocas.A_Trocas_Ar(6.5f);
  por_trocas.A_Quantidade_Pessoas(9);
  por_trocas.A_Tipo_Calculo(true);
  const std::string nenhuma = "\t[Ventilacao Natural={0,0,0,0,0.0,0.0}]\n";
  struct Caso {
    TVent_Natural* natural;
    TVent_Forcada* forcada;
    std::string texto;
  } casos[] = {
      {nullptr, nullptr, "[Zona = 3]\n" + nenhuma + "\t[Ventilacao Forcada={0,0,0.0,0}]\n"},
      {natural.get(), &por_racao,
       "[Zona = 3]\n"
       "\t[Ventilacao Natural={1,2,1,5,1.24,0.50}]\n"
       "\t[Ventilacao Forcada={1,0,27.00,4}]\n"
       "\t[Horarios = 1]\n"
       "\t\t[Horario 1 = (1,5,8:0->17:30)]\n"},
      {nullptr, &por_trocas,
       "[Zona = 3]\n" + nenhuma + "\t[Ventilacao Forcada={1,1,6.50,0}]\n\t[Horarios = 0]\n"},
  };
  // Each section reads back into objects that write it again byte for byte.
  for (const Caso& caso : casos) {
    EXPECT_EQ(Grava(caso.natural, caso.forcada), caso.texto);
    Abre_Para_Leitura(geren, Arquivo(), caso.texto);
    Lidos l;
    EXPECT_TRUE(geren->Le_Ventilacao_ZonaX(&l.natural, &l.forcada, 3));
    geren->Fecha_Todos();
    EXPECT_EQ(Grava(l.natural, l.forcada), caso.texto);
  }
  // Every cut of the fullest section reads safely; it reads once the forced
  // line's last number has begun, its schedule's result not being looked at.
  std::vector<bool> lidos = Corta_Em_Todo_Byte(geren, Arquivo(), casos[1].texto, [&] {
    Lidos l;
    return geren->Le_Ventilacao_ZonaX(&l.natural, &l.forcada, 3);
  });
  EXPECT_EQ(Le_Desde(lidos), casos[1].texto.find("27.00,4}]") + std::strlen("27.00,4"));
  // Sized by air changes: a number of people in the file is not taken.
  Abre_Para_Leitura(geren, Arquivo(),
                    "[Zona = 3]\n" + nenhuma + "\t[Ventilacao Forcada={1,1,6.50,9}]\n");
  Lidos l;
  EXPECT_TRUE(geren->Le_Ventilacao_ZonaX(&l.natural, &l.forcada, 3));
  ASSERT_NE(l.forcada, nullptr);
  EXPECT_EQ(l.forcada->R_Quantidade_Pessoas(), 0);
}

TEST_F(Ventilacao, WhatEachReadLeavesInThePointers) {
  const std::string zona = "[Zona = 3]\n";
  const std::string natural = "\t[Ventilacao Natural={1,2,0,5,1.24,0.50}]\n";
  struct Caso {
    std::string texto;
    bool le, natural, forcada;  // result, and which objects were built
  } casos[] = {
      // Absent kinds, a presence flag other than 1 included, leave the pointers alone.
      {zona + "\t[Ventilacao Natural={2,1,1,1,1.0,1.0}]\n\t[Ventilacao Forcada={-1,1,1.0,1}]\n",
       true, false, false},
      {"[Zona = 4]\n" + natural, false, false, false},
      {zona + "\t[Ventilacao Natural={1,2,0,5,1.24}]\n", false, false, false},
      // A natural object built before the forced line fails stays the caller's.
      {zona + natural + "\t[Ventilacao Forcada={1,0}]\n", false, true, false},
      {zona + natural + "\t[Ventilacao Forcada={1,0,1.0,2}]\n", true, true, true},
  };
  TVent_Natural n;
  TVent_Forcada f;
  for (const Caso& caso : casos) {
    Abre_Para_Leitura(geren, Arquivo(), caso.texto);
    TVent_Natural* pn = &n;
    TVent_Forcada* pf = &f;
    EXPECT_EQ(geren->Le_Ventilacao_ZonaX(&pn, &pf, 3), caso.le) << caso.texto;
    EXPECT_EQ(pn != &n, caso.natural) << caso.texto;
    EXPECT_EQ(pf != &f, caso.forcada) << caso.texto;
    if (pn != &n) delete pn;
    if (pf != &f) delete pf;
    geren->Fecha_Todos();
  }
}

}  // namespace
