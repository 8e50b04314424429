#include <arqaux/lista.h>
#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

// Reads the private layout of the list and its node; the layout crosses
// library boundaries, so it is checked field by field.
struct TLista_Layout {
  static size_t Cabeca() { return offsetof(TLista<int>, cabeca_); }
  static size_t Contagem() { return offsetof(TLista<int>, n_elementos_); }
  static size_t Possui() { return offsetof(TLista<int>, possui_); }
  static size_t Dado() { return offsetof(TNo<int>, dado_); }
  static size_t Proximo() { return offsetof(TNo<int>, proximo_); }
  static size_t Anterior() { return offsetof(TNo<int>, anterior_); }
};

namespace {

TEST(Lista, LayoutIsHeadCountOwnsAndDataNextPrev) {
  using L = TLista_Layout;
  const size_t p = sizeof(void*);
  EXPECT_EQ(std::vector<size_t>({L::Cabeca(), L::Contagem(), L::Possui(), sizeof(TLista<int>),
                                 L::Dado(), L::Proximo(), L::Anterior(), sizeof(TNo<int>)}),
            std::vector<size_t>({0, p, p + 4, 2 * p, 0, p, 2 * p, 3 * p}));
}

TEST(Lista, PositionsFollowTheCircleBothWays) {
  TLista<int> lista(false);
  int v[4] = {10, 20, 30, 40};
  for (int& x : v) lista.Adiciona(&x);
  ASSERT_EQ(lista.Numero_Elementos(), 4);
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(*lista.R_No(i)->R_Dado(), v[i - 1]);
  EXPECT_EQ(lista.R_No(5), lista.R_No(1));
  EXPECT_EQ(lista.R_No(1)->R_Anterior(), lista.R_No(4));
  EXPECT_EQ(lista.R_No(4)->R_Proximo(), lista.R_No(1));
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(lista.R_No(i)->R_Proximo()->R_Anterior(), lista.R_No(i));
  }
}

TEST(Lista, RemoveRelinksAndMovesTheHead) {
  TLista<int> lista(false);
  int a = 1, b = 2, c = 3, fora = 9;
  for (int* x : {&a, &b, &c}) lista.Adiciona(x);
  EXPECT_FALSE(lista.Remove(&fora, true));
  EXPECT_EQ(lista.Numero_Elementos(), 3);
  EXPECT_TRUE(lista.Remove(&a, true));
  EXPECT_EQ(lista.R_No(1)->R_Dado(), &b);
  EXPECT_EQ(lista.R_No(1)->R_Anterior()->R_Dado(), &c);
  EXPECT_TRUE(lista.Remove(&c, true));
  EXPECT_TRUE(lista.Remove(&b, true));
  EXPECT_EQ(lista.Numero_Elementos(), 0);
  EXPECT_EQ(lista.R_No(1), nullptr);
  lista.Adiciona(&a);
  EXPECT_EQ(lista.R_No(1)->R_Proximo()->R_Dado(), &a);
}

// Counts live objects so that ownership can be observed.
struct Contado {
  static int vivos;
  Contado() { ++vivos; }
  ~Contado() { --vivos; }
};
int Contado::vivos = 0;

TEST(Lista, OnlyAnOwningListDeletesItsObjects) {
  {
    TLista<Contado> dona(true);
    dona.Adiciona(new Contado);
    Contado* b = dona.Adiciona(new Contado);
    dona.Adiciona(new Contado);
    EXPECT_EQ(Contado::vivos, 3);
    dona.Remove(b, false);  // unlinked but kept: apagar is clear
    EXPECT_EQ(Contado::vivos, 3);
    delete b;
    dona.Remove(dona.R_No(1)->R_Dado(), true);
    EXPECT_EQ(Contado::vivos, 1);
  }
  EXPECT_EQ(Contado::vivos, 0);

  Contado a, b;
  TLista<Contado> alheia(false);
  alheia.Adiciona(&a);
  alheia.Adiciona(&b);
  alheia.Remove(&a, true);
  alheia.Limpa();
  EXPECT_EQ(Contado::vivos, 2);
  EXPECT_EQ(alheia.Numero_Elementos(), 0);
}

}  // namespace
