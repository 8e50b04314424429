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
  // Runs linha in the test's directory, grouped so that only its own
  // redirections apply: its exit status; its standard output and error in
  // *saida when given.
  int Roda(const std::string& linha, std::string* saida = nullptr) const;
  // Runs linha as Roda does, expecting it to succeed: its output.
  std::string Roda_Ok(const std::string& linha) const;

  TGeren_ArquivoAux* geren = nullptr;
  std::string dir;
};

// Runs a shell command and returns its exit status; its standard output and
// error go to *saida when given.
int Executa(const std::string& comando, std::string* saida = nullptr);

// The tool, followed by a space, ready for its words.
inline const std::string kFerramenta = std::string(ARQAUX_TOOL_PATH) + " ";

// saida is the one line "arqaux: ..." that a refused command prints, and it
// holds erro.
void Confere_Linha_De_Erro(const std::string& saida, const std::string& erro);

// A run of the tool's sample with the options given: a file of every kind
// with records. Written once per test program for each options, on first
// use, and removed at its end; the folder it is in.
const std::string& Amostra(const std::string& opcoes);
// A day of one zone in 10-minute steps.
inline const std::string& Amostra_De_Um_Dia() {
  return Amostra("--zones 1 --days 1 --interval 600");
}

#endif  // ARQAUX_TESTS_SUPPORT_FIXTURE_H_
