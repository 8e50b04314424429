#include "support/fixture.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

void ArqauxTest::SetUp() {
  geren = Geren_ArqAux();
  ASSERT_NE(geren, nullptr);
  geren->Fecha_Todos();
  std::string modelo = (std::filesystem::temp_directory_path() / "arqaux-XXXXXX").string();
  ASSERT_NE(mkdtemp(modelo.data()), nullptr);
  dir = modelo;
}

void ArqauxTest::TearDown() {
  geren->Fecha_Todos();
  std::error_code erro;
  std::filesystem::remove_all(dir, erro);
}

std::string ArqauxTest::Caminho(const std::string& nome) const { return dir + "/" + nome; }

std::string ArqauxTest::Le_Arquivo(const std::string& caminho) {
  std::ifstream in(caminho, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void ArqauxTest::Escreve_Arquivo(const std::string& caminho, const std::string& conteudo) {
  std::ofstream out(caminho, std::ios::binary);
  out << conteudo;
}

int Executa(const std::string& comando, std::string* saida) {
  FILE* p = popen((comando + " 2>&1").c_str(), "r");
  if (p == nullptr) return -1;
  std::string texto;
  char buf[4096];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof(buf), p)) > 0) texto.append(buf, n);
  int status = pclose(p);
  if (saida != nullptr) *saida = texto;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

const std::string& Amostra_De_Um_Dia() {
  struct TAmostra {
    TAmostra() {
      pasta = (std::filesystem::temp_directory_path() / ("arqaux-dia-" + std::to_string(getpid())))
                  .string();
      std::string saida;
      if (Executa(std::string(ARQAUX_TOOL_PATH) + " sample " + pasta +
                      " --zones 1 --days 1 --interval 600",
                  &saida) != 0) {
        ADD_FAILURE() << saida;
      }
    }
    ~TAmostra() {
      std::error_code ec;
      std::filesystem::remove_all(pasta, ec);
    }
    std::string pasta;
  };
  static const TAmostra amostra;
  return amostra.pasta;
}
