#include "support/fixture.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
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

int ArqauxTest::Roda(const std::string& linha, std::string* saida) const {
  return Executa("cd " + dir + " && { " + linha + "; }", saida);
}

std::string ArqauxTest::Roda_Ok(const std::string& linha) const {
  std::string saida;
  EXPECT_EQ(Roda(linha, &saida), 0) << linha << '\n' << saida;
  return saida;
}

void Confere_Linha_De_Erro(const std::string& saida, const std::string& erro) {
  EXPECT_EQ(saida.rfind("arqaux: ", 0), 0u) << saida;
  EXPECT_NE(saida.find(erro), std::string::npos) << saida;
  EXPECT_EQ(saida.find('\n'), saida.size() - 1) << saida;
}

const std::string& Amostra(const std::string& opcoes) {
  struct TAmostra {
    explicit TAmostra(const std::string& opcoes) {
      static int n = 0;
      pasta = (std::filesystem::temp_directory_path() /
               ("arqaux-amostra-" + std::to_string(getpid()) + "-" + std::to_string(++n)))
                  .string();
      std::string saida;
      if (Executa(kFerramenta + "sample " + pasta + " " + opcoes, &saida) != 0) {
        ADD_FAILURE() << saida;
      }
    }
    ~TAmostra() {
      std::error_code ec;
      std::filesystem::remove_all(pasta, ec);
    }
    std::string pasta;
  };
  static std::map<std::string, TAmostra> amostras;
  return amostras.try_emplace(opcoes, opcoes).first->second.pasta;
}
