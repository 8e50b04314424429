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

// A file holding texto, positioned at its start.
FILE* Arquivo_Com(const std::string& texto) {
  FILE* arq = std::tmpfile();
  std::fwrite(texto.data(), 1, texto.size(), arq);
  std::rewind(arq);
  return arq;
}

std::string Padrao(const TLinha<TValores>& linha) {
  auto posicoes = arqaux::Posicoes(linha);
  char padrao[256];
  const char* fonte = arqaux::Padrao_Leitura(linha);
  return arqaux::Deriva_Leitura(fonte, posicoes.data(), padrao, sizeof(padrao)) < 0 ? "<none>"
                                                                                    : padrao;
}

TEST(LinhasConfig, ScanPatternsAreDerivedFromThePrintedLine) {
  struct Caso {
    TLinha<TValores> linha;
    const char* padrao;
  } casos[] = {
      {{"\t[Real = %.2f]\n", {Campo(&TValores::real)}}, " [Real = %f]\n%n"},
      {{"\t[Duplo = %lf]\n", {Campo(&TValores::duplo)}}, " [Duplo = %lf]\n%n"},
      {{"\t\t[G={%d,%1.2e,%.5e}]\n",
        {Campo(&TValores::logico), Campo(&TValores::real), Campo(&TValores::duplo)}},
       " [G={%d,%f,%f}]\n%n"},
      {{"\t[%s]\n", {Campo(&TValores::nome)}}, " [%7[^]]]\n%n"},
      // A continuation is scanned as printed, without a leading blank.
      {{",%.2f]\n", {Campo(&TValores::real)}}, ",%f]\n%n"},
      // A given scan pattern is rewritten the same way: its text scan gets a width.
      {{"[%s]\n", {Campo(&TValores::nome)}, "[%[^]]]\n"}, " [%7[^]]]\n%n"},
      {{"\t[N = %d]\n", {Campo(&TValores::inteiro)}, "[N = %f]\n"}, " [N = %f]\n%n"},
  };
  for (const Caso& caso : casos) {
    const TLinha<TValores> uma[] = {caso.linha};
    EXPECT_TRUE(arqaux::Tabela_Coerente(uma)) << caso.linha.formato;
    EXPECT_EQ(Padrao(caso.linha), caso.padrao);
  }
  const TLinha<TValores> ruins[] = {
      {"[%d]\n", {Campo(&TValores::nome)}},                             // text for an int
      {"[%.2f]\n", {Campo(&TValores::inteiro)}},                        // int printed as real
      {"[%d,%d]\n", {Campo(&TValores::inteiro)}},                       // a field missing
      {"[%d]\n", {Campo(&TValores::inteiro), Campo(&TValores::real)}},  // a field too many
      {"[%x]\n", {Campo(&TValores::inteiro)}},                          // unknown conversion
  };
  for (const auto& linha : ruins) {
    const TLinha<TValores> uma[] = {linha};
    EXPECT_FALSE(arqaux::Tabela_Coerente(uma)) << linha.formato;
  }
  FILE* arq = std::tmpfile();
  EXPECT_EQ(arqaux::Grava_Linha(arq, ruins[1], TValores()), -1);
  EXPECT_EQ(std::ftell(arq), 0);  // nothing printed
  std::fclose(arq);
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
    FILE* arq = Arquivo_Com(caso.texto);
    TValores v;
    EXPECT_EQ(arqaux::Le_Linha(arq, nome, &v), caso.le) << caso.texto.substr(0, 20);
    EXPECT_EQ(v.guarda[0], '\0');
    std::fclose(arq);
  }
}

TEST(LinhasConfig, ScannedValuesAreConvertedToTheFieldType) {
  const TLinha<TValores> linha = {
      "[N = %d,%d]\n", {Campo(&TValores::inteiro), Campo(&TValores::logico)}, "[N = %f,%f]\n"};
  struct Caso {
    const char* texto;
    int32_t inteiro;
    bool logico;
  } casos[] = {
      {"[N = 12.7,0.0]\n", 12, false},     {"[N = -3.9,0.5]\n", -3, true},
      {"[N = 1e30,1]\n", INT32_MAX, true}, {"[N = -1e30,0]\n", INT32_MIN, false},
      {"[N = nan,nan]\n", 0, true},
  };
  for (const Caso& caso : casos) {
    FILE* arq = Arquivo_Com(caso.texto);
    TValores v;
    EXPECT_TRUE(arqaux::Le_Linha(arq, linha, &v)) << caso.texto;
    EXPECT_EQ(v.inteiro, caso.inteiro) << caso.texto;
    EXPECT_EQ(v.logico, caso.logico) << caso.texto;
    std::fclose(arq);
  }
}

}  // namespace
