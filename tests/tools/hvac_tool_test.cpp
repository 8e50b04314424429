// The "hvac" command: the sample system file, byte for byte, loaded back as a
// host loads it, and where a damaged file stops loading. The sample's fan
// coils and plant items read back into fresh objects in their own tests.
#include <string>
#include <vector>

#include "support/blocos.h"
#include "support/fixture.h"

namespace {

class HvacToolTest : public ArqauxTest {
 protected:
  // Runs the tool with args; its exit status, and stdout then stderr in *saida.
  int Roda(const std::string& args, std::string* saida) {
    return Executa(std::string(ARQAUX_TOOL_PATH) + " hvac " + args, saida);
  }
  // Writes the sample as "sistema.txt" and returns its path.
  std::string Exemplo() {
    const std::string arquivo = Caminho("sistema.txt");
    std::string saida;
    EXPECT_EQ(Roda("sample " + arquivo, &saida), 0) << saida;
    EXPECT_EQ(saida, arquivo + ": HVAC system written, 2 fan coils and 9 plant kinds\n");
    return arquivo;
  }
};

const char* const kResumo =
    "header: system monitored 1, consumption monitored 0, report step 600 s\n"
    "fan coils: 2\n"
    "  fan coil 1: 3 zones, 4 components, 3 components in the zones\n"
    "  fan coil 2: 1 zone, 2 components, 0 components in the zones\n"
    "air-cooled chillers: 1\n"
    "water-cooled chillers: 2\n"
    "cooling towers: 2\n"
    "boilers: 1\n"
    "hot-water pumps: 2\n"
    "chilled-water pumps: 1\n"
    "condenser-water pumps: 0\n"
    "chilled-water tanks: 1\n"
    "secondary chilled-water pumps: 1\n";

TEST_F(HvacToolTest, SampleIsItsTextAndLoadsWhole) {
  const std::string arquivo = Exemplo();
  EXPECT_EQ(Le_Arquivo(arquivo), Texto_Sistema_Exemplo());
  std::string saida;
  ASSERT_EQ(Roda("check " + arquivo, &saida), 0) << saida;
  EXPECT_EQ(saida, std::string(kResumo) + arquivo + ": whole system read, " +
                       std::to_string(Le_Arquivo(arquivo).size()) + " bytes\n");
}

// The kinds loaded before the fault are listed, then the block and the line
// and byte where loading stopped; a count no file could hold stops at the end
// of the file. The dispatcher tells an item it cannot save or load.
TEST_F(HvacToolTest, DamagedFileSaysWhereLoadingStopped) {
  const std::string arquivo = Exemplo();
  const std::string texto = Le_Arquivo(arquivo);
  const std::string chillers = "[N\xBA Chillers Ar = 1]";
  const size_t corte = texto.find("[N\xBA Chillers Agua") + 60;
  struct Caso {
    std::string texto;
    std::string esperado;
  } casos[] = {
      {texto.substr(0, corte),
       "water-cooled chillers, item 1: reading stopped at line 75, byte " + std::to_string(corte)},
      {std::string(texto).replace(texto.find(chillers), chillers.size(),
                                  "[N\xBA Chillers Ar = 2147483647]"),
       "air-cooled chillers, item 2: reading stopped at line 73, byte"},
      {"[Dados Sistema Secundario]\n" + texto.substr(texto.find('\n') + 1),
       "the report header block: reading stopped at line 1, byte"},
  };
  for (const Caso& caso : casos) {
    Escreve_Arquivo(arquivo, caso.texto);
    std::string saida;
    EXPECT_EQ(Roda("check " + arquivo, &saida), 1);
    EXPECT_NE(saida.find("arqaux: " + arquivo + ": " + caso.esperado), std::string::npos) << saida;
  }
  std::vector<float> dados(40);
  std::vector<int> conf(10);
  geren->Abre_Arquivo(arquivo.c_str(), "rt");
  EXPECT_FALSE(geren->SalvaDadosRelatorio_HVAC(dados, conf, nullptr, 1, 1, 0, nullptr));
  EXPECT_FALSE(geren->SalvaDadosRelatorio_HVAC(dados, conf, nullptr, 1, 1, 10, nullptr));
  EXPECT_FALSE(geren->CarregaDadosRelatorio_HVAC(1, dados, conf, nullptr, 3));
  EXPECT_FALSE(geren->CarregaDadosRelatorio_HVAC(2, dados, conf, nullptr, 3));
}

}  // namespace
