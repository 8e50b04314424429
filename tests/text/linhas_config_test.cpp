#include "text/linhas_config.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
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

const TLinha<TValores> LINHAS[] = {
    {"[Inteiro %d]\n", {Campo(&TValores::inteiro)}},
    {"\t[Real = %.2f]\n", {Campo(&TValores::real)}},
    {"\t[Duplo = %lf]\n", {Campo(&TValores::duplo)}},
    {"\t[Logico=%d]\n", {Campo(&TValores::logico)}},
    {"\t[%s]\n", {Campo(&TValores::nome)}},
    {"\t\t[Grupo={%d,%1.2e,%.5e}]\n",
     {Campo(&TValores::inteiro), Campo(&TValores::real), Campo(&TValores::duplo)}},
};

// A file holding text, positioned at its start.
FILE* Arquivo_Com(const std::string& texto) {
  FILE* arq = std::tmpfile();
  std::fwrite(texto.data(), 1, texto.size(), arq);
  std::rewind(arq);
  return arq;
}

std::string Conteudo(FILE* arq) {
  std::rewind(arq);
  std::string texto;
  for (int c; (c = std::fgetc(arq)) != EOF;) texto.push_back(static_cast<char>(c));
  return texto;
}

std::string Padrao(const TLinha<TValores>& linha) {
  auto posicoes = arqaux::Posicoes(linha);
  char padrao[256];
  if (arqaux::Deriva_Leitura(arqaux::Padrao_Leitura(linha), posicoes.data(), padrao,
                             sizeof(padrao)) < 0) {
    return "<none>";
  }
  return padrao;
}

TEST(LinhasConfig, ScanPatternsDropTabsReadRealsAsFloatAndBoundText) {
  EXPECT_TRUE(arqaux::Tabela_Coerente(LINHAS));
  EXPECT_EQ(Padrao(LINHAS[0]), " [Inteiro %d]\n%n");
  EXPECT_EQ(Padrao(LINHAS[1]), " [Real = %f]\n%n");
  EXPECT_EQ(Padrao(LINHAS[2]), " [Duplo = %lf]\n%n");
  EXPECT_EQ(Padrao(LINHAS[4]), " [%7[^]]]\n%n");
  EXPECT_EQ(Padrao(LINHAS[5]), " [Grupo={%d,%f,%f}]\n%n");
  // A given scan pattern goes through the same rewriting: its text scan gets a width.
  const TLinha<TValores> lida_como_real = {
      "\t[N = %d]\n", {Campo(&TValores::inteiro)}, "[N = %f]\n"};
  EXPECT_EQ(Padrao(lida_como_real), " [N = %f]\n%n");
  const TLinha<TValores> sem_largura = {"[%s]\n", {Campo(&TValores::nome)}, "[%[^]]]\n"};
  EXPECT_EQ(Padrao(sem_largura), " [%7[^]]]\n%n");
}

TEST(LinhasConfig, FormatsThatDoNotMatchTheirFieldsAreRefused) {
  const TLinha<TValores> ruins[] = {
      {"[%d]\n", {Campo(&TValores::nome)}},                             // text for an int
      {"[%s]\n", {Campo(&TValores::inteiro)}},                          // int for a text
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
  TValores v;
  EXPECT_EQ(arqaux::Grava_Linha(arq, ruins[2], v), -1);
  EXPECT_EQ(Conteudo(arq), "");
  std::fclose(arq);
}

TEST(LinhasConfig, PrintsEveryFieldKindAndReadsItBack) {
  TValores v;
  v.inteiro = -42;
  v.real = 3.14159f;
  v.duplo = 0.000123456789;
  v.logico = true;
  std::strcpy(v.nome, "a b c");
  FILE* arq = std::tmpfile();
  EXPECT_TRUE(arqaux::Grava_Linhas(arq, LINHAS, v));
  EXPECT_EQ(Conteudo(arq),
            "[Inteiro -42]\n"
            "\t[Real = 3.14]\n"
            "\t[Duplo = 0.000123]\n"
            "\t[Logico=1]\n"
            "\t[a b c]\n"
            "\t\t[Grupo={-42,3.14e+00,1.23457e-04}]\n");
  std::rewind(arq);
  TValores lido;
  EXPECT_TRUE(arqaux::Le_Linhas(arq, LINHAS, &lido));
  EXPECT_EQ(lido.inteiro, -42);
  EXPECT_FLOAT_EQ(lido.real, 3.14f);
  // The group line comes last: its "%.5e" is scanned as "%f", into a float.
  EXPECT_FLOAT_EQ(static_cast<float>(lido.duplo), 1.23457e-04f);
  EXPECT_TRUE(lido.logico);
  EXPECT_STREQ(lido.nome, "a b c");
  std::fclose(arq);
}

TEST(LinhasConfig, TextLongerThanItsBufferFailsWithoutWritingPastIt) {
  const TLinha<TValores> nome = {"\t[%s]\n", {Campo(&TValores::nome)}};
  struct Caso {
    std::string texto;
    bool le;
  } casos[] = {
      {"[1234567]\n", true},    // 7 characters: fills the buffer exactly
      {"[12345678]\n", false},  // one too many: "]" does not follow
      {"[" + std::string(10000, 'x') + "]\n", false},
      {"[sem fecho", false},  // no closing bracket before the end
      {"[]\n", false},        // an empty name does not scan
      {"", false},
  };
  for (const Caso& caso : casos) {
    FILE* arq = Arquivo_Com(caso.texto);
    TValores v;
    EXPECT_EQ(arqaux::Le_Linha(arq, nome, &v), caso.le) << caso.texto.substr(0, 20);
    EXPECT_EQ(v.guarda[0], '\0');
    if (caso.le) {
      EXPECT_STREQ(v.nome, "1234567");
    }
    std::fclose(arq);
  }
}

TEST(LinhasConfig, TestedScanNeedsEveryConversionAndTheWholePattern) {
  const TLinha<TValores> grupo[] = {LINHAS[5]};
  const char* ruins[] = {
      "[Grupo={1,2.0}]\n",     // a value short
      "[Grupo={1,2.0,x}]\n",   // a value that is no number
      "[Grupo={1,2.0,3.0]\n",  // closing text differs
      "[Grupo={1,2.0,3.0}",    // cut before "]"
      "[Grupa={1,2.0,3.0}]\n",
  };
  for (const char* texto : ruins) {
    FILE* arq = Arquivo_Com(texto);
    TValores v;
    EXPECT_FALSE(arqaux::Le_Linhas(arq, grupo, &v)) << texto;
    std::fclose(arq);
  }
  // White space between lines, blank lines and the final line end are free
  // (a line's pattern starts at its bracket; the previous "\n" eats the rest).
  const TLinha<TValores> duas[] = {LINHAS[0], LINHAS[5]};
  FILE* arq = Arquivo_Com("[Inteiro 7]\n\n \t[Grupo={1, 2.0,\t3.0}]");
  TValores v;
  EXPECT_TRUE(arqaux::Le_Linhas(arq, duas, &v));
  std::fclose(arq);
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
  // A double read with "%lf" into a float field keeps to the float range.
  const TLinha<TValores> grande = {"[R = %f]\n", {Campo(&TValores::real)}, "[R = %lf]\n"};
  FILE* arq = Arquivo_Com("[R = 1e300]\n");
  TValores v;
  EXPECT_TRUE(arqaux::Le_Linha(arq, grande, &v));
  EXPECT_TRUE(std::isinf(v.real));
  std::fclose(arq);
}

}  // namespace
