#include "engine/linhas_config.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include "support/texto_config.h"

namespace {

using arqaux::Campo;
using arqaux::Elemento;
using arqaux::TLinha;
using arqaux::TPolitica_Falha;

struct TValores {
  int32_t inteiro = 0;
  float real = 0.0f;
  double duplo = 0.0;
  bool logico = false;
  char nome[8] = {};
  char guarda[8] = {};  // right after nome: a scan past nome's end would land here
};

// A stream holding texto, rewound.
FILE* Fluxo(const std::string& texto) {
  FILE* arq = std::tmpfile();
  std::fwrite(texto.data(), 1, texto.size(), arq);
  std::rewind(arq);
  return arq;
}

// Scans texto with one tested line; *resto gets what is left.
bool Le(const TLinha<TValores>& linha, const std::string& texto, TValores* v,
        std::string* resto = nullptr) {
  FILE* arq = Fluxo(texto);
  bool ok = arqaux::Le_Linha(arq, linha, v);
  if (resto != nullptr) *resto = Resto(arq);
  std::fclose(arq);
  return ok;
}

// Whether printing linha fails and prints nothing.
template <class R>
bool Nao_Grava(const TLinha<R>& linha, const R& valores) {
  FILE* arq = std::tmpfile();
  const bool falhou = arqaux::Grava_Linha(arq, linha, valores) == -1 && std::ftell(arq) == 0;
  std::fclose(arq);
  return falhou;
}

// A line whose conversions do not fit its fields prints nothing.
TEST(LinhasConfig, AMismatchedLinePrintsNothing) {
  const TLinha<TValores> ruins[] = {
      {"[%d]\n", {Campo(&TValores::nome)}},        // text for an int
      {"[%.2f]\n", {Campo(&TValores::inteiro)}},   // int printed as real
      {"[%d,%d]\n", {Campo(&TValores::inteiro)}},  // a field missing
      {"[%x]\n", {Campo(&TValores::inteiro)}},     // unknown conversion
      {"[%123f]\n", {Campo(&TValores::real)}},     // wider than the grammar allows
  };
  for (const auto& linha : ruins) EXPECT_TRUE(Nao_Grava(linha, TValores())) << linha.formato;
}

// A tested scan needs every conversion and no more: the bracket and line end
// after the last one may be missing, and white space before a column-0 line
// is not skipped. Values go into the fields' types, reals into ints clamped,
// and "%lf" keeps a double's digits. A text ends at its closing bracket or at
// the end of the file; one that fills its buffer before either fails, and
// nothing lands past the buffer. A text no bracket closes is one word, ended
// by white space or the end of the file; the next value follows it.
TEST(LinhasConfig, ATestedScanCountsItsConversions) {
  const TLinha<TValores> dois = {"[N = %d,%d]\n",
                                 {Campo(&TValores::inteiro), Campo(&TValores::logico)}};
  const TLinha<TValores> reais = {
      "[N = %d,%d]\n", {Campo(&TValores::inteiro), Campo(&TValores::logico)}, "[N = %f,%f]\n"};
  const TLinha<TValores> tabulada = {"\t[N = %d]\n", {Campo(&TValores::inteiro)}};
  const TLinha<TValores> caf = {"\t[CAF = %lf]\n", {Campo(&TValores::duplo)}};
  const TLinha<TValores> nome = {"\t[%s]\n", {Campo(&TValores::nome)}};
  const TLinha<TValores> palavra = {"%s\t%d\n",
                                    {Campo(&TValores::nome), Campo(&TValores::inteiro)}};
  const std::string longo = "[" + std::string(10000, 'x') + "]\n";
  struct Caso {
    const TLinha<TValores>* linha;
    std::string texto;
    bool le;
    std::string resto;
    int32_t inteiro;
    bool logico;
    double duplo;
    std::string nome;
  } casos[] = {
      {&dois, "[N = 3,2]\n\t\t[X", true, "[X", 3, true, 0, ""},
      {&dois, "[N = 3,0", true, "", 3, false, 0, ""},
      {&dois, "[N = 3,1)\n[X", true, ")\n[X", 3, true, 0, ""},
      {&dois, "[N = 3,", false, "", 3, false, 0, ""},
      {&dois, "[N = 3 1]\n", false, " 1]\n", 3, false, 0, ""},  // the comma between is required
      {&dois, "\n[N = 3,1]\n", false, "\n[N = 3,1]\n", 0, false, 0, ""},
      {&tabulada, "\n \t[N = 3]\n", true, "", 3, false, 0, ""},
      {&reais, "[N = 12.7,0.0]\n", true, "", 12, false, 0, ""},
      {&reais, "[N = -3.9,0.5]\n", true, "", -3, true, 0, ""},
      {&reais, "[N = 1e30,1]\n", true, "", INT32_MAX, true, 0, ""},
      {&reais, "[N = -1e30,0]\n", true, "", INT32_MIN, false, 0, ""},
      {&reais, "[N = nan,nan]\n", true, "", 0, true, 0, ""},
      {&caf, "[CAF = 12345.678901]\n", true, "", 0, false, 12345.678901, ""},
      {&nome, "[1234567]\n", true, "", 0, false, 0, "1234567"},  // 7 characters fill the buffer
      {&nome, "[agenda", true, "", 0, false, 0, "agenda"},
      {&nome, "[1234567", true, "", 0, false, 0, "1234567"},
      {&nome, "[12345678]\n", false, "8]\n", 0, false, 0, "1234567"},
      {&nome, longo, false, longo.substr(8), 0, false, 0, "xxxxxxx"},
      {&nome, "[12345678", false, "8", 0, false, 0, "1234567"},
      {&nome, "[]\n", false, "]\n", 0, false, 0, ""},  // an empty text does not scan
      {&palavra, "SC\t3\nPR", true, "PR", 3, false, 0, "SC"},
      {&palavra, "1234567 9\n", true, "", 9, false, 0, "1234567"},
      {&palavra, "Rio Grande\t2\n", false, "Grande\t2\n", 0, false, 0, "Rio"},
      {&palavra, "12345678\t1\n", false, "8\t1\n", 0, false, 0, "1234567"},
      {&palavra, "SC", false, "", 0, false, 0, "SC"},
      {&palavra, "[SC]\t4", true, "", 4, false, 0, "[SC]"},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.texto.substr(0, 20));
    TValores v;
    std::string resto;
    EXPECT_EQ(Le(*caso.linha, caso.texto, &v, &resto), caso.le);
    EXPECT_EQ(resto, caso.resto);
    EXPECT_EQ(v.inteiro, caso.inteiro);
    EXPECT_EQ(v.logico, caso.logico);
    EXPECT_EQ(v.duplo, caso.duplo);
    EXPECT_EQ(v.nome, caso.nome);
    EXPECT_EQ(v.guarda[0], '\0');
  }
}

// A tank-like record: ten floats, three more per connection and one name per
// connection, the number of connections being the sixth float.
struct TTanque {
  int32_t numero = 0;
  float dados[40] = {};
  char nomes[10][20] = {};
  int32_t conf[2] = {};
};

const TLinha<TTanque> kTanque[] = {
    {"   [Tanque %d]\n", {Campo(&TTanque::numero)}},
    {"      {Dados:", {}},
    {"%f,", {arqaux::Vetor(&TTanque::dados, 10)}},
    {"%f,", {arqaux::Vetor_Contado(&TTanque::dados, Elemento(&TTanque::dados, 5), 3, 10)}},
    {"[%s]",
     {arqaux::Separado(arqaux::Vetor_Contado(&TTanque::nomes, Elemento(&TTanque::dados, 5)), ",")}},
    {"}\n", {}},
    {"      {Conf_Rel:", {}},
    {"%i,", {arqaux::Vetor(&TTanque::conf, 2)}},
    {"}\n", {}},
};

TTanque Tanque(float conexoes) {
  TTanque t;
  t.numero = 1;
  for (int k = 0; k < 40; ++k) t.dados[k] = 0.5f * k;
  t.dados[5] = conexoes;
  for (int k = 0; k < 10; ++k) std::snprintf(t.nomes[k], 20, "Ramo %c", 'A' + k);
  t.conf[0] = 3;
  t.conf[1] = -4;
  return t;
}

std::string Grava(const TTanque& t, bool* ok = nullptr) {
  FILE* arq = std::tmpfile();
  const bool gravou = arqaux::Grava_Linhas(arq, kTanque, t);
  if (ok != nullptr) *ok = gravou;
  std::rewind(arq);
  std::string texto = Resto(arq);
  std::fclose(arq);
  return texto;
}

// Rows repeated a fixed number of times and a number of times read from the
// record itself: the exact text, its read back, and every cut of it.
TEST(LinhasConfig, RowsRepeatOverArraysByFixedOrReadCounts) {
  std::string esperado = "   [Tanque 1]\n      {Dados:";
  const float dados[16] = {0, 0.5f, 1, 1.5f, 2, 2, 3, 3.5f, 4, 4.5f, 5, 5.5f, 6, 6.5f, 7, 7.5f};
  for (float d : dados) esperado += std::to_string(d) + ",";
  esperado += "[Ramo A],[Ramo B]}\n      {Conf_Rel:3,-4,}\n";
  EXPECT_EQ(Grava(Tanque(2)), esperado);
  // No connection: the ten floats, then the closing brace.
  EXPECT_EQ(Grava(Tanque(0)).substr(esperado.find("4.500000,")),
            "4.500000,}\n      {Conf_Rel:3,-4,}\n");

  for (size_t n = 0; n <= esperado.size(); ++n) {
    FILE* arq = Fluxo(esperado.substr(0, n));
    TTanque lido;
    const bool ok = arqaux::Le_Linhas(arq, kTanque, &lido);
    std::fclose(arq);
    // The last row needs its closing brace; its line end may be missing.
    ASSERT_EQ(ok, n + 1 >= esperado.size()) << "prefix of " << n << " bytes";
    if (ok) {
      EXPECT_EQ(Grava(lido), esperado);
    }
  }
}

// A count that is not a whole number from 0 to what the array holds fails its
// row before anything is scanned or printed.
TEST(LinhasConfig, CountsReadFromTheRecordAreCheckedFirst) {
  const std::string cauda = "7.0,8.0,9.0,[R]}\n";
  for (const char* conexoes : {"11", "10.5", "-1", "nan", "1e30"}) {
    std::string texto =
        "   [Tanque 1]\n      {Dados:0,0,0,0,0," + std::string(conexoes) + ",0,0,0,0," + cauda;
    FILE* arq = Fluxo(texto);
    TTanque lido;
    EXPECT_FALSE(arqaux::Le_Linhas(arq, kTanque, &lido)) << conexoes;
    EXPECT_EQ(Resto(arq), cauda) << conexoes;
    std::fclose(arq);
  }
  bool ok = true;
  const std::string texto = Grava(Tanque(11), &ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(texto.find("}\n      {Conf_Rel:"), texto.find("4.500000,") + 9);
  // An element past the array is no field: a row counted by it is unusable.
  const TLinha<TTanque> fora = {
      "%f,", {arqaux::Vetor_Contado(&TTanque::dados, Elemento(&TTanque::dados, 40))}};
  EXPECT_TRUE(Nao_Grava(fora, Tanque(0)));
  // A repeated field stands alone in its row.
  const TLinha<TTanque> misturada = {"%d,%f,",
                                     {Campo(&TTanque::numero), arqaux::Vetor(&TTanque::dados, 10)}};
  EXPECT_TRUE(Nao_Grava(misturada, Tanque(0)));
}

// Para_Na_Primeira stops at the first row that does not match; Le_Tudo reads
// every row and reports the failure at the end.
TEST(LinhasConfig, ABlockChoosesToStopOrToReadEverything) {
  struct TTres {
    int32_t a = 0, b = 0, c = 0;
  };
  const TLinha<TTres> linhas[] = {{"A=%d\n", {Campo(&TTres::a)}},
                                  {"B=%d\n", {Campo(&TTres::b)}},
                                  {"C=%d\n", {Campo(&TTres::c)}}};
  for (TPolitica_Falha politica : {TPolitica_Falha::Para_Na_Primeira, TPolitica_Falha::Le_Tudo}) {
    FILE* arq = Fluxo("A=1\nC=3\n");
    TTres v;
    EXPECT_FALSE(arqaux::Le_Linhas(arq, linhas, &v, politica));
    EXPECT_EQ(v.a, 1);
    EXPECT_EQ(v.c, politica == TPolitica_Falha::Le_Tudo ? 3 : 0);
    std::fclose(arq);
  }
}

}  // namespace
