#include <cstring>
#include <filesystem>
#include <string>

#include "support/fixture.h"

namespace {

std::string Bytes(float v) { return std::string(reinterpret_cast<const char*>(&v), 4); }

class ClimateTool : public ArqauxTest {
 protected:
  std::string Tool(const std::string& args, int* status) {
    std::string saida;
    *status = Executa(std::string(ARQAUX_TOOL_PATH) + " climate " + args, &saida);
    return saida;
  }
};

TEST_F(ClimateTool, ShowPrintsTheWrappedWindow) {
  // Climate: record h holds h, h + 0.25, 0, 0, 3.5, 180.
  std::string clima(80, 'H');
  std::string solo;
  for (int h = 0; h < ARQAUX_HORAS_ANO; ++h) {
    clima += Bytes(h) + Bytes(h + 0.25f) + Bytes(0) + Bytes(0) + Bytes(3.5f) + Bytes(180);
    solo += Bytes(20 + h % 3) + Bytes(0.125f);
  }
  Escreve_Arquivo(Caminho("clima.bin"), clima);
  Escreve_Arquivo(Caminho("solo.bin"), solo);

  int status = -1;
  EXPECT_EQ(Tool("show " + Caminho("clima.bin") + " --from 8759 --count 2", &status),
            "8759.0000\t8759.2500\t0.0000\t0.0000\t3.5000\t180.0000\n"
            "0.0000\t0.2500\t0.0000\t0.0000\t3.5000\t180.0000\n");
  EXPECT_EQ(status, 0);
  EXPECT_EQ(Tool("show " + Caminho("solo.bin") + " --soil --from 1 --count 3", &status),
            "21.0000\t0.1250\n22.0000\t0.1250\n20.0000\t0.1250\n");
  EXPECT_EQ(status, 0);
}

TEST_F(ClimateTool, TiConvertsBesideTheTextFile) {
  // A '.' in the directory name does not cut the output name.
  std::filesystem::create_directory(Caminho("dados.v2"));
  Escreve_Arquivo(Caminho("dados.v2/interno.txt"), "21.5 0.0125\n22 0.5\n");
  int status = -1;
  EXPECT_EQ(Tool("ti " + Caminho("dados.v2/interno.txt"), &status),
            Caminho("dados.v2/interno.ti") + "\n");
  EXPECT_EQ(status, 0);
  std::string esperado = Bytes(21.5f) + Bytes(0.0125f) + Bytes(22) + Bytes(0.5f);
  esperado.resize(70080, '\0');
  EXPECT_EQ(Le_Arquivo(Caminho("dados.v2/interno.ti")), esperado);

  EXPECT_EQ(Tool("ti " + Caminho("falta.txt"), &status),
            "arqaux: cannot open '" + Caminho("falta.txt") + "'\n");
  EXPECT_NE(status, 0);
}

}  // namespace
