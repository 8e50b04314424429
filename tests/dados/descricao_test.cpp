// The description grammar: what it writes reads back to the same text, each
// line it refuses is named with its reason, and kind detection carries the
// description it read.
#include <arqaux/dados.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(Descricao, EveryKeyIsWrittenInTableOrderAndReadsBack) {
  TDescricao d;
  d.tipo = "fancoil";
  d.numero = 0;
  d.flags = {1, 0, 1};
  d.mostra = {0, 1, 0};
  d.componentes = {{3, {1, 1, 1, 1, 0, 0, 0, 0}}, {6, {0, 1, 0, 1, 0, 1, 0, 1}}};
  d.relatorios = {{0, SEM_SELECIONADO}, {13, 5}};
  d.intervalo = 86400;
  d.inicio.Dia = 28;
  d.inicio.Mes = 2;
  d.fim.Dia = 31;
  d.fim.Mes = 12;
  d.fim.Hora = 23;
  d.regioes = {0, 1000};
  d.grupos = {3, 1};
  d.regiao = 2;
  d.superficies = 7;
  const std::string texto =
      "kind = fancoil\nnumber = 0\nflags = 1,0,1\nshow = 0,1,0\ncomponent = 3:1,1,1,1,0,0,0,0\n"
      "component = 6:0,1,0,1,0,1,0,1\nvariables = 0,13:5\ninterval = 86400\nstart = 28/2/0\n"
      "end = 31/12/23\nregions = 0,1000\ngroups = 3,1\nregion = 2\nsurfaces = 7\n";
  EXPECT_EQ(Texto_Descricao(d), texto);
  TDescricao lida;
  std::string erro;
  // Blanks, comments and CRLF line ends are the writer's choice, not the
  // grammar's.
  std::string outra = "# a comment\r\n\r\n";
  for (char c : texto) outra += c == '\n' ? std::string("  \r\n") : std::string(1, c);
  ASSERT_TRUE(Le_Descricao(outra, &lida, &erro)) << erro;
  EXPECT_EQ(Texto_Descricao(lida), texto);
  EXPECT_EQ(lida.Linha("kind"), 3);
  EXPECT_EQ(lida.Linha("component"), 7);
  EXPECT_EQ(lida.Linha("surfaces"), 16);
  EXPECT_EQ(Texto_Descricao(TDescricao()), "");
}

TEST(Descricao, RefusesTheFirstLineThatIsNotOneNamingIt) {
  const struct {
    const char* texto;
    const char* erro;
  } casos[] = {
      {"kind = ats\ncolour = red\n", "line 2: unknown key 'colour'"},
      {"kind ats\n", "line 1: not a 'key = value' line"},
      {" = 3\n", "line 1: not a 'key = value' line"},
      {"kind = ats\n\nkind = ats\n", "line 3: 'kind' given twice"},
      {"kind = colour\n", "line 1: 'colour' is not a value of 'kind'"},
      {"number = -1\n", "line 1: '-1' is not a value of 'number'"},
      {"flags = 1,2\n", "line 1: '1,2' is not a value of 'flags'"},
      {"flags = \n", "line 1: '' is not a value of 'flags'"},
      {"component = 7:1,1,1,1,1,1,1,1\n", "line 1: '7:1,1,1,1,1,1,1,1' is not a value of"},
      {"component = 3:1,1,1,1,1,1,1\n", "line 1: '3:1,1,1,1,1,1,1' is not a value of"},
      {"variables = 0,,1\n", "line 1: '0,,1' is not a value of 'variables'"},
      {"variables = 3:7\n", "line 1: '3:7' is not a value of 'variables'"},
      {"interval = 0\n", "line 1: '0' is not a value of 'interval'"},
      {"interval = 86401\n", "line 1: '86401' is not a value of 'interval'"},
      {"interval = 600 extra\n", "line 1: '600 extra' is not a value of 'interval'"},
      {"start = 29/2/0\n", "line 1: '29/2/0' is not a value of 'start'"},
      {"end = 1/1/24\n", "line 1: '1/1/24' is not a value of 'end'"},
      {"regions = 4,1001\n", "line 1: '4,1001' is not a value of 'regions'"},
      {"groups = 1,1\n", "line 1: '1,1' is not a value of 'groups'"},
      {"groups = 0\n", "line 1: '0' is not a value of 'groups'"},
      {"show = 1,1\n", "line 1: '1,1' is not a value of 'show'"},
      {"region = 0\n", "line 1: '0' is not a value of 'region'"},
      {"surfaces = 2,3\n", "line 1: '2,3' is not a value of 'surfaces'"},
  };
  std::string obtido, esperado;
  for (const auto& c : casos) {
    TDescricao d;
    std::string erro;
    obtido +=
        Le_Descricao(c.texto, &d, &erro) ? "read\n" : erro.substr(0, std::strlen(c.erro)) + "\n";
    esperado += std::string(c.erro) + "\n";
  }
  EXPECT_EQ(obtido, esperado);
}

TEST(Descricao, DetectionCarriesTheDescriptionItRead) {
  TAmostra_Arquivo a;
  a.nome = "bomba.dat";
  a.tem_descricao = true;
  a.descricao = "kind = bomba-ag\ninterval = 900\nflags = 1,0,1,0,1\n";
  TDeteccao d = Detecta_Tipo(a, "");
  ASSERT_NE(d.tipo, nullptr) << d.erro;
  EXPECT_STREQ(d.tipo->nome, "hvac");
  EXPECT_EQ(d.intervalo, 900);
  EXPECT_EQ(d.descricao.flags, (std::vector<int>{1, 0, 1, 0, 1}));
  a.descricao_dos_dados = true;
  d = Detecta_Tipo(a, "");
  ASSERT_NE(d.tipo, nullptr) << d.erro;
  EXPECT_STREQ(d.tipo->nome, "hvac-consumption");
  a.descricao = "kind = ats\ninterval = 900\ninterval = 600\n";
  d = Detecta_Tipo(a, "");
  EXPECT_EQ(d.tipo, nullptr);
  EXPECT_EQ(d.erro, "its description, line 3: 'interval' given twice");
}

}  // namespace
