// The tool's common code called directly: the readers of whole words (a
// number or a date is taken only when nothing follows it and it is in range)
// and the one place a failure becomes its line and exit status.
#include <arqaux/arqaux.h>
#include <gtest/gtest.h>

#include <string>

#include "comum/erros.h"
#include "comum/texto.h"

namespace {

TEST(TextoFerramenta, WholeIntegersAndDatesOfTheYearOnly) {
  const struct {
    const char* texto;
    bool inteiro;  // Le_Inteiro takes it
    int valor;
    bool data;  // Le_Data takes it, as day, month, hour
    int dia, mes, hora;
  } casos[] = {
      {"42", true, 42, false, 0, 0, 0},
      {"-2147483648", true, -2147483648LL, false, 0, 0, 0},
      {"2147483648", false, 0, false, 0, 0, 0},
      {"", false, 0, false, 0, 0, 0},
      {"7x", false, 0, false, 0, 0, 0},
      {"1/1/0", false, 0, true, 1, 1, 0},
      {"31/12/23", false, 0, true, 31, 12, 23},
      {"28/2/5", false, 0, true, 28, 2, 5},
      {"29/2/5", false, 0, false, 0, 0, 0},
      {"31/4/0", false, 0, false, 0, 0, 0},
      {"1/13/0", false, 0, false, 0, 0, 0},
      {"1/1/24", false, 0, false, 0, 0, 0},
      {"0/1/0", false, 0, false, 0, 0, 0},
      {"1/1", false, 0, false, 0, 0, 0},
      {"1/1/0/", false, 0, false, 0, 0, 0},
      {"1/1/0 ", false, 0, false, 0, 0, 0},
  };
  for (const auto& c : casos) {
    int valor = -7;
    EXPECT_EQ(Le_Inteiro(c.texto, &valor), c.inteiro) << c.texto;
    EXPECT_EQ(valor, c.inteiro ? c.valor : -7) << c.texto;
    TTempo t;
    t.Tempo = 99;
    t.Reservado[0] = 5;
    ASSERT_EQ(Le_Data(c.texto, &t), c.data) << c.texto;
    if (!c.data) continue;
    EXPECT_EQ(t.Dia, c.dia) << c.texto;
    EXPECT_EQ(t.Mes, c.mes) << c.texto;
    EXPECT_EQ(t.Hora, c.hora) << c.texto;
    EXPECT_EQ(t.Tempo, 0) << c.texto;  // the rest of the clock is cleared
    EXPECT_EQ(t.Reservado[0], 0) << c.texto;
  }
}

TEST(ErrosFerramenta, RelataPrintsTheLineOnceAndGivesItsStatus) {
  const struct {
    TResultado resultado;
    int status;
    const char* linha;  // on standard error
  } casos[] = {
      {TResultado(), 0, ""},
      {Falha("cannot open '%s'", "a b.bin"), 1, "arqaux: cannot open 'a b.bin'\n"},
      {Falha_Uso("--index: %d is not an output", 7), kErroUso,
       "arqaux: --index: 7 is not an output\n"},
      // What a reader quotes of a damaged file is printed as "%s" prints it.
      {TResultado::Falha(std::string("line 2: 'a\0b'", 13)), 1, "arqaux: line 2: 'a\n"},
  };
  for (const auto& c : casos) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(Relata(c.resultado), c.status) << c.linha;
    EXPECT_EQ(testing::internal::GetCapturedStderr(), c.linha);
    EXPECT_EQ(c.resultado.Ok(), c.status == 0) << c.linha;
  }
  testing::internal::CaptureStderr();
  EXPECT_EQ(Erro("%s: %d", "x", 3), 1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "arqaux: x: 3\n");
}

}  // namespace
