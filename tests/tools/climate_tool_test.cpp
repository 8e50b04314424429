#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <utility>

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
            "hour\tdate\ttime\ttemp_C\thumidity_kg/kg\tdirect_normal_W/m2\tdiffuse_W/m2\t"
            "wind_m/s\twind_dir_deg\n"
            "8759\t31/12\t23:00\t8759.0000\t8759.2500\t0.0000\t0.0000\t3.5000\t180.0000\n"
            "0\t01/01\t00:00\t0.0000\t0.2500\t0.0000\t0.0000\t3.5000\t180.0000\n");
  EXPECT_EQ(status, 0);
  EXPECT_EQ(Tool("show " + Caminho("solo.bin") + " --soil --from 1415 --count 3", &status),
            "hour\tdate\ttime\ttemp_C\thumidity\n"
            "1415\t28/02\t23:00\t22.0000\t0.1250\n"
            "1416\t01/03\t00:00\t20.0000\t0.1250\n"
            "1417\t01/03\t01:00\t21.0000\t0.1250\n");
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

// The real weather file in: what the import says, the header and an hour
// as "show" prints them, a sample day run on that climate, and refusals.
TEST_F(ClimateTool, ImportedWeatherShowsAndDrivesTheSample) {
  const std::string epw = std::string(ARQAUX_TEST_DATA) + "/tmy_45.000_8.000_2005_2023.epw";
  const std::string tool = std::string(ARQAUX_TOOL_PATH) + " ";
  std::string saida;
  EXPECT_EQ(Executa(tool + "import epw " + epw + " " + Caminho("clima"), &saida), 0);
  EXPECT_EQ(saida, Caminho("clima/clima.bin") +
                       "\nunknown (-): latitude 45.0000, longitude 8.0000, elevation 250.0 m, "
                       "UTC+1.0 h; 8760 hours\n"
                       "no soil file: the GROUND TEMPERATURES line gives no depth\n");

  TClima_EPW c;
  ASSERT_TRUE(geren->Le_EPW(epw.c_str(), &c));
  const TReg_Climatico& r = c.registros[4000];
  char linha[200];
  std::snprintf(linha, sizeof linha, "4000\t16/06\t16:00\t%.4f\t%.4f\t%.4f\t%.4f\t%.4f\t%.4f\n",
                r.Temperatura, r.Umidade, r.Rad_Direta, r.Rad_Difusa, r.Vel_Vento, r.Dir_Vento);
  int status = -1;
  EXPECT_EQ(Tool("show " + Caminho("clima/clima.bin") + " --header --from 4000 --count 1", &status),
            "city\tunknown\nregion\t-\nlatitude\t45.0000\nlongitude\t8.0000\n"
            "elevation_m\t250.0\ntime_zone_h\t1.0\nalbedo\t0.2000\nyear\t2018\n"
            "hour\tdate\ttime\ttemp_C\thumidity_kg/kg\tdirect_normal_W/m2\tdiffuse_W/m2\t"
            "wind_m/s\twind_dir_deg\n" +
                std::string(linha));

  // Hourly steps: the zone stream's outdoor temperature and humidity of step
  // k are those of hour k of the imported year.
  ASSERT_EQ(Executa(tool + "sample " + Caminho("run") + " --days 1 --zones 1 --interval 3600" +
                        " --climate " + Caminho("clima/clima.bin"),
                    &saida),
            0)
      << saida;
  EXPECT_FALSE(std::filesystem::exists(Caminho("run/clima.bin")));
  const std::string zona = Le_Arquivo(Caminho("run/zona1_temp_umi.bin"));
  std::string esperado, lido;
  for (int k = 0; k < 24; ++k) {
    esperado += Bytes(c.registros[k].Temperatura) + Bytes(c.registros[k].Umidade);
    lido += zona.substr(7 + 24 * k + 4, 4) + zona.substr(7 + 24 * k + 12, 4);
  }
  EXPECT_EQ(lido, esperado);

  // Refusals: the input as an output, a malformed row, a climate year of
  // values no import gives; none leaves a file or runs the sample.
  const std::string ano = Le_Arquivo(Caminho("clima/clima.bin"));
  const std::string nan = Caminho("nan.bin"), grande = Caminho("grande.bin");
  std::string texto_nan = ano.substr(0, 80), texto_grande = ano.substr(0, 80);
  for (int k = 0; k < 8760 * 6; ++k) texto_nan += Bytes(NAN), texto_grande += Bytes(3e38f);
  Escreve_Arquivo(nan, texto_nan);
  Escreve_Arquivo(grande, texto_grande);
  std::filesystem::copy_file(epw, Caminho("clima/clima.bin"),
                             std::filesystem::copy_options::overwrite_existing);
  const std::string errado = Caminho("errado.epw");
  std::string texto = Le_Arquivo(epw);
  texto.replace(texto.find("\n2018,1,1,2,0,") + 1, 4, "20x8");
  Escreve_Arquivo(errado, texto);
  const std::pair<std::string, std::string> recusas[] = {
      {"import epw " + Caminho("clima/clima.bin") + " " + Caminho("clima"),
       "arqaux: '" + Caminho("clima/clima.bin") + "' is the input '" + Caminho("clima/clima.bin") +
           "': writing it would destroy it\n"},
      {"import epw " + errado + " " + Caminho("vazia"),
       "arqaux: '" + errado + "' line 10: not a date: '20x8,1,1,2'\n"},
      {"sample " + Caminho("r2") + " --days 1 --climate " + epw,
       "arqaux: '" + epw + "' is not a climate file: it holds 1854219 bytes, not 210320\n"},
      {"sample " + Caminho("r3") + " --days 1 --climate " + nan,
       "arqaux: '" + nan +
           "': hour 0 (01/01 00:00): dry-bulb temperature nan is outside -70 to 70\n"},
      {"sample " + Caminho("r3") + " --days 1 --climate " + grande,
       "arqaux: '" + grande +
           "': hour 0 (01/01 00:00): dry-bulb temperature 3e+38 is outside -70 to 70\n"},
  };
  for (const auto& [args, erro] : recusas) {
    EXPECT_EQ(Executa(tool + args, &saida), 1) << args;
    EXPECT_EQ(saida, erro);
  }
  EXPECT_TRUE(std::filesystem::is_empty(Caminho("vazia")));
  EXPECT_FALSE(std::filesystem::exists(Caminho("r3/zona1_temp_umi.bin")));
}

}  // namespace
