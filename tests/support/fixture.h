// Shared test fixture: a fresh temporary directory and an empty registry for
// every test, and small helpers to read and write whole files.
#ifndef ARQAUX_TESTS_SUPPORT_FIXTURE_H_
#define ARQAUX_TESTS_SUPPORT_FIXTURE_H_

#include <arqaux/arqaux.h>
#include <gtest/gtest.h>

#include <string>

class ArqauxTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Path of name inside the test's directory.
  std::string Caminho(const std::string& nome) const;
  static std::string Le_Arquivo(const std::string& caminho);
  static void Escreve_Arquivo(const std::string& caminho, const std::string& conteudo);

  TGeren_ArquivoAux* geren = nullptr;
  std::string dir;
};

// Runs a shell command and returns its exit status; its standard output and
// error go to *saida when given.
int Executa(const std::string& comando, std::string* saida = nullptr);

// A day of the tool's sample, one zone in 10-minute steps: a file of every
// kind with records. Written once per test program, on first use, and
// removed at its end; the folder it is in.
const std::string& Amostra_De_Um_Dia();

#endif  // ARQAUX_TESTS_SUPPORT_FIXTURE_H_
