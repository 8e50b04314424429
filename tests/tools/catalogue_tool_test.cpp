#include <algorithm>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/fixture.h"

namespace {

class CatalogueTool : public ArqauxTest {
 protected:
  std::string Tool(const std::string& args, int* status) {
    std::string saida;
    *status = Executa(std::string(ARQAUX_TOOL_PATH) + " catalogue " + args, &saida);
    return saida;
  }

  struct Tipo {
    std::string nome, arquivo, descricao;
  };
  // The kinds as "catalogue kinds" lists them: kind, path, description.
  std::vector<Tipo> Tipos() {
    int status = -1;
    std::istringstream in(Tool("kinds", &status));
    EXPECT_EQ(status, 0);
    std::vector<Tipo> tipos;
    for (std::string linha; std::getline(in, linha);) {
      Tipo t;
      std::istringstream campos(linha);
      campos >> t.nome >> t.arquivo;
      std::getline(campos >> std::ws, t.descricao);
      tipos.push_back(t);
    }
    return tipos;
  }
};

TEST_F(CatalogueTool, SampleThenCheckLoadsEveryKind) {
  const std::vector<Tipo> tipos = Tipos();
  std::set<std::string> nomes, arquivos;
  for (const Tipo& t : tipos) {
    EXPECT_FALSE(t.descricao.empty()) << t.nome;
    nomes.insert(t.nome);
    arquivos.insert(t.arquivo);
  }
  EXPECT_EQ(nomes.size(), tipos.size()) << "one line per kind";
  EXPECT_EQ(arquivos.size(), tipos.size()) << "one file per kind";
  for (const char* nome : {"ac", "coil", "fan-curve", "chiller", "pv-makers"})
    EXPECT_EQ(nomes.count(nome), 1u) << nome;

  const std::string modelos = Caminho("Modelos");
  int status = -1;
  Tool("sample " + modelos, &status);
  ASSERT_EQ(status, 0);
  for (const Tipo& t : tipos) {
    const std::string arquivo = modelos + "/" + t.arquivo;
    const std::string saida = Tool("check " + arquivo + " --kind " + t.nome, &status);
    EXPECT_EQ(status, 0) << saida;
    const std::string fim = arquivo + ": whole " + t.nome + " file loaded\n";
    EXPECT_TRUE(saida.size() > fim.size() && saida.substr(saida.size() - fim.size()) == fim)
        << saida;
  }

  // Every kind cut in the middle stops at a byte within what is left, on
  // the line that holds it; but an isotherm is pairs of numbers up to the
  // end of the file, and any cut between two digits leaves a shorter
  // isotherm.
  const std::regex parada("loading stopped at line ([0-9]+), byte ([0-9]+)\n$");
  for (const Tipo& t : tipos) {
    if (t.nome == "isoterma") continue;
    const std::string inteiro = Le_Arquivo(modelos + "/" + t.arquivo);
    const std::string cortado = inteiro.substr(0, inteiro.size() / 2);
    Escreve_Arquivo(Caminho("cortado"), cortado);
    const std::string saida = Tool("check " + Caminho("cortado") + " --kind " + t.nome, &status);
    EXPECT_EQ(status, 1) << t.nome;
    std::smatch m;
    ASSERT_TRUE(std::regex_search(saida, m, parada)) << t.nome << ": " << saida;
    const size_t byte = std::stoul(m[2]);
    EXPECT_LE(byte, cortado.size()) << t.nome;
    EXPECT_EQ(std::stol(m[1]), 1 + std::count(cortado.begin(), cortado.begin() + byte, '\n'))
        << t.nome;
  }
  // A file of another kind does not load.
  Tool("check " + modelos + "/Condicionadores.txt --kind coil", &status);
  EXPECT_EQ(status, 1);

  // The glazing check loads the sample's models and the gases of the one
  // whose gas file is there; a folder without models fails.
  std::string saida;
  const std::string glazing = std::string(ARQAUX_TOOL_PATH) + " glazing check ";
  EXPECT_EQ(Executa(glazing + modelos, &saida), 0) << saida;
  EXPECT_NE(saida.find("Claro_6mm: 2 gap(s) at 20\n  gap 1\tP 0.004433\tQ 1002.98"),
            std::string::npos)
      << saida;
  EXPECT_EQ(Executa(glazing + Caminho("."), &saida), 1) << saida;
}

}  // namespace
