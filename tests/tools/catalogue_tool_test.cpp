#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "catalogos/catalogos.h"
#include "support/fixture.h"

namespace {

class CatalogueTool : public ArqauxTest {
 protected:
  std::string Tool(const std::string& args, int* status) {
    std::string saida;
    *status = Executa(std::string(ARQAUX_TOOL_PATH) + " catalogue " + args, &saida);
    return saida;
  }

  // The check run in-process on texto as the kind t: whether it is whole;
  // what it printed goes to *saida when given.
  bool Inteiro(const TTipo_Catalogo& t, const std::string& texto, long* parada = nullptr,
               std::string* saida = nullptr) {
    const std::string arquivo = Caminho("conferido");
    // A fresh file each time: truncating in place is slow on some file systems.
    std::remove(arquivo.c_str());
    Escreve_Arquivo(arquivo, texto);
    long p = -1;
    char* impresso = nullptr;
    size_t tamanho = 0;
    FILE* memoria = saida != nullptr ? open_memstream(&impresso, &tamanho) : nullptr;
    const bool inteiro = Confere_Catalogo(t, arquivo, memoria, parada != nullptr ? parada : &p);
    geren->Fecha_Todos();
    if (memoria != nullptr) {
      std::fclose(memoria);
      saida->assign(impresso, tamanho);
      std::free(impresso);
    }
    return inteiro;
  }
  // The sample of kind t.
  std::string Amostra(const TTipo_Catalogo& t) {
    const std::string arquivo = Caminho("amostra");
    EXPECT_TRUE(t.escreve_amostra(arquivo)) << t.nome;
    geren->Fecha_Todos();
    return Le_Arquivo(arquivo);
  }
};

// The kinds listed one a line, each name and file once; every file of the
// sample directory the tool writes loads whole. The tool reports a whole
// file, a cut one by the line and byte where loading stopped, and a file of
// another kind as not loaded.
TEST_F(CatalogueTool, SampleThenCheckLoadsEveryKind) {
  int status = -1;
  std::istringstream lista(Tool("kinds", &status));
  EXPECT_EQ(status, 0);
  std::set<std::string> nomes, arquivos;
  std::string nome, arquivo, descricao;
  for (const TTipo_Catalogo& t : Tipos_Catalogo()) {
    lista >> nome >> arquivo;
    std::getline(lista >> std::ws, descricao);
    EXPECT_EQ(nome + "|" + arquivo + "|" + descricao,
              std::string(t.nome) + "|" + t.arquivo + "|" + t.descricao);
    EXPECT_FALSE(descricao.empty()) << nome;
    nomes.insert(nome);
    arquivos.insert(arquivo);
  }
  EXPECT_FALSE(lista >> nome) << "one line per kind";
  EXPECT_EQ(arquivos.size(), nomes.size()) << "one file per kind";
  for (const char* n : {"ac", "coil", "fan-curve", "chiller", "pv-makers"})
    EXPECT_EQ(nomes.count(n), 1u) << n;

  const std::string modelos = Caminho("Modelos");
  Tool("sample " + modelos, &status);
  ASSERT_EQ(status, 0);
  for (const TTipo_Catalogo& t : Tipos_Catalogo())
    EXPECT_TRUE(Inteiro(t, Le_Arquivo(modelos + "/" + t.arquivo))) << t.nome;
  // The line of the message after the records loaded.
  auto ultima = [](const std::string& s) { return s.substr(s.rfind('\n', s.size() - 2) + 1); };
  const std::string ac = modelos + "/Condicionadores.txt";
  EXPECT_EQ(ultima(Tool("check " + ac + " --kind ac", &status)), ac + ": whole ac file loaded\n");
  EXPECT_EQ(status, 0);
  const std::string cortado = Le_Arquivo(ac).substr(0, 700);
  long parada = -1;
  EXPECT_FALSE(Inteiro(Tipos_Catalogo()[0], cortado, &parada));  // the first kind is "ac"
  ASSERT_GE(parada, 0);
  Escreve_Arquivo(Caminho("cortado"), cortado);
  EXPECT_EQ(ultima(Tool("check " + Caminho("cortado") + " --kind ac", &status)),
            "arqaux: " + Caminho("cortado") + ": loading stopped at line " +
                std::to_string(1 + std::count(cortado.begin(), cortado.begin() + parada, '\n')) +
                ", byte " + std::to_string(parada) + "\n");
  EXPECT_EQ(status, 1);
  Tool("check " + ac + " --kind coil", &status);
  EXPECT_EQ(status, 1);

  // The glazing check loads the sample's models and the gases of the one
  // whose gas file is there; a folder without models fails.
  const std::string glazing = std::string(ARQAUX_TOOL_PATH) + " glazing check ";
  std::string saida;
  EXPECT_EQ(Executa(glazing + modelos, &saida), 0) << saida;
  EXPECT_NE(saida.find("Claro_6mm: 2 gap(s) at 20\n  gap 1\tP 0.004433\tQ 1002.98"),
            std::string::npos)
      << saida;
  EXPECT_EQ(Executa(glazing + Caminho("."), &saida), 1) << saida;
}

// Each kind's sample loads whole, and to the same records with CRLF line
// ends; no kind takes a lone "[" or binary bytes, and a large file of blank
// lines costs the check no memory in proportion to it (it keeps one line at
// a time). Cut at every byte, the check never calls the sample whole and
// stops within what is left, unless what was cut off is only white space, or
// the kind holds records up to the end of the file and the cut falls between
// two of them (a shorter file of the kind).
TEST_F(CatalogueTool, CheckJudgesEveryKindWholeDamagedAndCut) {
  const std::map<std::string, std::regex> registro_seguinte = {
      {"racoes-ar", std::regex("\\[")},       {"trocas-ar", std::regex("\\[")},
      {"amort-horario", std::regex("\\[")},   {"amort-subida", std::regex("\\[")},
      {"isoterma", std::regex(".")},          {"glazing-db", std::regex("[0-9]")},
      {"glazing-gas", std::regex("[A-Za-z]")}};
  const char bytes[] = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe[]{}";
  const std::string binario(bytes, sizeof(bytes) - 1), brancos(8 << 20, '\n');
  for (const TTipo_Catalogo& t : Tipos_Catalogo()) {
    const std::string inteiro = Amostra(t);
    std::string registros, registros_crlf;
    ASSERT_TRUE(Inteiro(t, inteiro, nullptr, &registros)) << t.nome;
    EXPECT_TRUE(
        Inteiro(t, std::regex_replace(inteiro, std::regex("\n"), "\r\n"), nullptr, &registros_crlf))
        << t.nome;
    EXPECT_EQ(registros_crlf, registros) << t.nome;
    EXPECT_FALSE(Inteiro(t, "[")) << t.nome;
    EXPECT_FALSE(Inteiro(t, binario)) << t.nome;
    rusage antes{}, depois{};
    getrusage(RUSAGE_SELF, &antes);
    EXPECT_FALSE(Inteiro(t, brancos)) << t.nome;
    getrusage(RUSAGE_SELF, &depois);
    EXPECT_LT(depois.ru_maxrss - antes.ru_maxrss, 4 << 10) << t.nome << ": KiB more";

    const auto aberto = registro_seguinte.find(t.nome);
    for (size_t n = 0; n < inteiro.size(); ++n) {
      const std::string resto = inteiro.substr(n);
      if (resto.find_first_not_of(" \t\r\n") == std::string::npos) break;
      if (aberto != registro_seguinte.end() && n > 0 && inteiro[n - 1] == '\n' &&
          std::regex_search(resto, aberto->second, std::regex_constants::match_continuous))
        continue;
      long parada = -1;
      EXPECT_FALSE(Inteiro(t, inteiro.substr(0, n), &parada)) << t.nome << " cut to " << n;
      EXPECT_TRUE(parada >= 0 && parada <= static_cast<long>(n))
          << t.nome << " cut to " << n << " bytes stops at " << parada;
    }
  }
}

// Edits of a sample, whole or not.
TEST_F(CatalogueTool, CheckJudgesEditsOfTheSamples) {
  struct Caso {
    const char* tipo;
    const char* de;    // a text of the sample...
    const char* para;  // ...replaced by this one
    bool inteiro;
  };
  const Caso casos[] = {
      // A count of 0 and nothing else is a whole, empty catalogue.
      {"ac", nullptr, "[Registros = 0]\n\n", true},
      {"coil", nullptr, "[N\xBA Registros = 0]\n", true},
      {"glazing", nullptr, "[Registros = 0]\n\n", true},
      {"tabela-split", nullptr, "[Num Linhas = 0]\n[Condicionadores]\n", true},
      // A count that is more or fewer than the records.
      {"ac", "[Registros = 3]", "[Registros = 4]", false},
      {"ac", "[Registros = 3]", "[Registros = 2]", false},
      {"glazing", "[Registros = 3]", "[Registros = 4]", false},
      {"pv-makers", "Fabricantes = 2", "Fabricantes = 3", false},
      {"projeto-hvac", "[Num Equips = 2]", "[Num Equips = 3]", false},
      // A count that does not read.
      {"ac", "[Registros = 3]", "[Registros = x]", false},
      {"chiller", "Registros = 2", "Registros = 2.5", false},
      // A record without its last bracket, a row cut to its first field.
      {"coil", "0.025400}\n[", "0.025400\n[", false},
      {"tabela-split", "2\t\t12000", "2\n\t\t12000", false},
      {"tabela-torres", "[Helice]\n", "[Helice\n", false},
      {"dados-u", "\n100 ", "\n", false},
      {"modelos-vent", "[2,6]", "[2,5]", false},
      // Blank lines and blanks between fields are as good as the writer's.
      {"ac", "\n[Split Piso", "\n\n\n[Split Piso", true},
      {"tabela-resfr", "\t\t", " ", true},
  };
  const std::vector<TTipo_Catalogo> todos = Tipos_Catalogo();
  std::map<std::string, const TTipo_Catalogo*> tipos;
  for (const TTipo_Catalogo& t : todos) tipos[t.nome] = &t;
  for (const Caso& c : casos) {
    const TTipo_Catalogo& t = *tipos.at(c.tipo);
    std::string texto = c.para;
    if (c.de != nullptr) {
      texto = Amostra(t);
      const size_t onde = texto.find(c.de);
      ASSERT_NE(onde, std::string::npos) << c.tipo << ": " << c.de;
      texto.replace(onde, std::string(c.de).size(), c.para);
    }
    EXPECT_EQ(Inteiro(t, texto), c.inteiro) << c.tipo << ": " << texto;
  }
}

}  // namespace
