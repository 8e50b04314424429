// The "config" command: a sample project file read back zone by zone, and the
// report of where a damaged file stops reading.
#include <string>

#include "support/fixture.h"

namespace {

class ConfigToolTest : public ArqauxTest {
 protected:
  // Runs the tool with args; its exit status, and stdout then stderr in *saida.
  int Roda(const std::string& args, std::string* saida) {
    return Executa(std::string(ARQAUX_TOOL_PATH) + " config " + args, saida);
  }
};

const char* const kResumoZona1 =
    "zone 1\n"
    "\tgains: 4 (people 1, equipment 1, lighting 1, vapour generation 1)\n"
    "\tpv equipment: 2\n"
    "\tactuators: 2 (heater 1, air conditioner 1)\n"
    "\tventilation: natural, forced by air changes\n";

TEST_F(ConfigToolTest, SampleReadsBackZoneByZone) {
  const std::string arquivo = Caminho("projeto.cfg");
  std::string saida;
  ASSERT_EQ(Roda("sample " + arquivo, &saida), 0) << saida;
  EXPECT_EQ(saida, arquivo + ": 2 zones written, blocks gains,pv,actuators,ventilation\n");

  ASSERT_EQ(Roda("check " + arquivo + " --zones 2 --blocks gains,pv,actuators,ventilation", &saida),
            0);
  EXPECT_EQ(saida, std::string(kResumoZona1) +
                       "zone 2\n"
                       "\tgains: 2 (people 1, lighting 1)\n"
                       "\tpv equipment: 0\n"
                       "\tactuators: 2 (fan-coil air conditioner 1, evaporative cooler 1)\n"
                       "\tventilation: forced by air ration\n" +
                       arquivo + ": 2 zones read, 3496 of 3496 bytes\n");
}

// The zones read before the failure are reported, then the zone, block and
// byte where reading stopped.
TEST_F(ConfigToolTest, DamagedFileReportsWhereReadingStopped) {
  const std::string arquivo = Caminho("projeto.cfg");
  std::string saida;
  ASSERT_EQ(Roda("sample " + arquivo, &saida), 0);
  std::string texto = Le_Arquivo(arquivo);

  std::string danificado = texto;
  danificado.replace(danificado.find("Num asper = 4"), 13, "Num asper = four");
  Escreve_Arquivo(arquivo, danificado);
  EXPECT_EQ(Roda("check " + arquivo + " --zones 2", &saida), 1);
  EXPECT_EQ(saida, std::string(kResumoZona1) + "arqaux: " + arquivo +
                       ": zone 2, block actuators: reading stopped at byte 3240\n");

  Escreve_Arquivo(arquivo, texto.substr(0, 500));
  EXPECT_EQ(Roda("check " + arquivo + " --zones 2", &saida), 1);
  EXPECT_EQ(saida, "arqaux: " + arquivo + ": zone 1, block gains: reading stopped at byte 500\n");

  // Blocks asked in another order than written: the gain block is not PV.
  Escreve_Arquivo(arquivo, texto);
  EXPECT_EQ(Roda("check " + arquivo + " --zones 1 --blocks pv,gains", &saida), 1);
  EXPECT_EQ(saida, "arqaux: " + arquivo + ": zone 1, block pv: reading stopped at byte 22\n");
}

}  // namespace
