#include "text/linhas_config.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>

namespace {

using arqaux::Campo;
using arqaux::TLinha;

struct TValores {
  int32_t inteiro = 0;
  float real = 0.0f;
  double duplo = 0.0;
  bool logico = false;
  char nome[8] = {};
  char guarda[8] = {};  // right after nome: a scan past nome's end would land here
};

// Scans texto (a fresh file) with one tested line; *resto gets what is left.
bool Le(const TLinha<TValores>& linha, const std::string& texto, TValores* v,
        std::string* resto = nullptr) {
  FILE* arq = std::tmpfile();
  std::fwrite(texto.data(), 1, texto.size(), arq);
  std::rewind(arq);
  bool ok = arqaux::Le_Linha(arq, linha, v);
  for (int c; resto != nullptr && (c = std::fgetc(arq)) != EOF;) resto->push_back(char(c));
  std::fclose(arq);
  return ok;
}

// A line whose conversions do not fit its fields prints nothing.
TEST(LinhasConfig, AMismatchedLinePrintsNothing) {
  const TLinha<TValores> ruins[] = {
      {"[%d]\n", {Campo(&TValores::nome)}},        // text for an int
      {"[%.2f]\n", {Campo(&TValores::inteiro)}},   // int printed as real
      {"[%d,%d]\n", {Campo(&TValores::inteiro)}},  // a field missing
      {"[%x]\n", {Campo(&TValores::inteiro)}},     // unknown conversion
  };
  for (const auto& linha : ruins) {
    FILE* arq = std::tmpfile();
    TValores v;
    EXPECT_EQ(arqaux::Grava_Linha(arq, linha, v), -1) << linha.formato;
    EXPECT_EQ(std::ftell(arq), 0) << linha.formato;
    std::fclose(arq);
  }
}

// A tested scan needs every conversion and no more: the bracket and line end
// after the last one may be missing, and white space before a column-0 line
// is not skipped. Values go into the fields' types, reals into ints clamped.
TEST(LinhasConfig, ATestedScanCountsItsConversions) {
  const TLinha<TValores> dois = {"[N = %d,%d]\n",
                                 {Campo(&TValores::inteiro), Campo(&TValores::logico)}};
  const TLinha<TValores> reais = {"[N = %d,%d]\n", dois.campos, "[N = %f,%f]\n"};
  const TLinha<TValores> tabulada = {"\t[N = %d]\n", {Campo(&TValores::inteiro)}};
  struct Caso {
    const TLinha<TValores>* linha;
    std::string texto;
    bool le;
    std::string resto;
    int32_t inteiro;
    bool logico;
  } casos[] = {
      {&dois, "[N = 3,2]\n\t\t[X", true, "[X", 3, true},
      {&dois, "[N = 3,0", true, "", 3, false},
      {&dois, "[N = 3,1)\n[X", true, ")\n[X", 3, true},
      {&dois, "[N = 3,", false, "", 3, false},
      {&dois, "\n[N = 3,1]\n", false, "\n[N = 3,1]\n", 0, false},
      {&tabulada, "\n \t[N = 3]\n", true, "", 3, false},
      {&reais, "[N = 12.7,0.0]\n", true, "", 12, false},
      {&reais, "[N = -3.9,0.5]\n", true, "", -3, true},
      {&reais, "[N = 1e30,1]\n", true, "", INT32_MAX, true},
      {&reais, "[N = -1e30,0]\n", true, "", INT32_MIN, false},
      {&reais, "[N = nan,nan]\n", true, "", 0, true},
  };
  for (const Caso& caso : casos) {
    TValores v;
    std::string resto;
    EXPECT_EQ(Le(*caso.linha, caso.texto, &v, &resto), caso.le) << caso.texto;
    EXPECT_EQ(resto, caso.resto) << caso.texto;
    EXPECT_EQ(v.inteiro, caso.inteiro) << caso.texto;
    EXPECT_EQ(v.logico, caso.logico) << caso.texto;
  }
}

TEST(LinhasConfig, TextLongerThanItsBufferFailsWithoutWritingPastIt) {
  const TLinha<TValores> nome = {"\t[%s]\n", {Campo(&TValores::nome)}};
  struct Caso {
    std::string texto;
    bool le;
  } casos[] = {
      {"[1234567]\n", true},  // 7 characters fill the buffer exactly
      {"[12345678]\n", false}, {"[" + std::string(10000, 'x') + "]\n", false},
      {"[sem fecho", false},   {"[]\n", false},  // an empty text does not scan
  };
  for (const Caso& caso : casos) {
    TValores v;
    EXPECT_EQ(Le(nome, caso.texto, &v), caso.le) << caso.texto.substr(0, 20);
    EXPECT_EQ(v.guarda[0], '\0');
  }
}

}  // namespace
