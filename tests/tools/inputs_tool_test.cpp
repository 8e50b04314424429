// arqaux climate and import epw, compare, interface, daylight and rain.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <utility>

#include "support/fixture.h"

namespace {

namespace fs = std::filesystem;

std::string Bytes(float v) { return std::string(reinterpret_cast<const char*>(&v), 4); }

class InputsTool : public ArqauxTest {
 protected:
  // The tool's output for its words args, and its exit status in *status.
  std::string Tool(const std::string& args, int* status) {
    std::string saida;
    *status = Roda(kFerramenta + args, &saida);
    return saida;
  }
};
using ClimateTool = InputsTool;

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
  EXPECT_EQ(Tool("climate show clima.bin --from 8759 --count 2", &status),
            "hour\tdate\ttime\ttemp_C\thumidity_kg/kg\tdirect_normal_W/m2\tdiffuse_W/m2\t"
            "wind_m/s\twind_dir_deg\n"
            "8759\t31/12\t23:00\t8759.0000\t8759.2500\t0.0000\t0.0000\t3.5000\t180.0000\n"
            "0\t01/01\t00:00\t0.0000\t0.2500\t0.0000\t0.0000\t3.5000\t180.0000\n");
  EXPECT_EQ(status, 0);
  EXPECT_EQ(Tool("climate show solo.bin --soil --from 1415 --count 3", &status),
            "hour\tdate\ttime\ttemp_C\thumidity\n"
            "1415\t28/02\t23:00\t22.0000\t0.1250\n"
            "1416\t01/03\t00:00\t20.0000\t0.1250\n"
            "1417\t01/03\t01:00\t21.0000\t0.1250\n");
  EXPECT_EQ(status, 0);
}

TEST_F(ClimateTool, TiConvertsBesideTheTextFile) {
  // A '.' in the directory name does not cut the output name.
  fs::create_directory(Caminho("dados.v2"));
  Escreve_Arquivo(Caminho("dados.v2/interno.txt"), "21.5 0.0125\n22 0.5\n");
  int status = -1;
  EXPECT_EQ(Tool("climate ti dados.v2/interno.txt", &status), "dados.v2/interno.ti\n");
  EXPECT_EQ(status, 0);
  std::string esperado = Bytes(21.5f) + Bytes(0.0125f) + Bytes(22) + Bytes(0.5f);
  esperado.resize(70080, '\0');
  EXPECT_EQ(Le_Arquivo(Caminho("dados.v2/interno.ti")), esperado);

  EXPECT_EQ(Tool("climate ti falta.txt", &status), "arqaux: cannot open 'falta.txt'\n");
  EXPECT_NE(status, 0);
}

// The real weather file in: what the import says, the header and an hour
// as "show" prints them, a sample day run on that climate, and refusals.
TEST_F(ClimateTool, ImportedWeatherShowsAndDrivesTheSample) {
  const std::string epw = std::string(ARQAUX_TEST_DATA) + "/tmy_45.000_8.000_2005_2023.epw";
  int status = -1;
  EXPECT_EQ(Tool("import epw " + epw + " clima", &status),
            "clima/clima.bin\nunknown (-): latitude 45.0000, longitude 8.0000, elevation 250.0 m, "
            "UTC+1.0 h; 8760 hours\n"
            "no soil file: the GROUND TEMPERATURES line gives no depth\n");
  EXPECT_EQ(status, 0);

  TClima_EPW c;
  ASSERT_TRUE(geren->Le_EPW(epw.c_str(), &c));
  const TReg_Climatico& r = c.registros[4000];
  char linha[200];
  std::snprintf(linha, sizeof linha, "4000\t16/06\t16:00\t%.4f\t%.4f\t%.4f\t%.4f\t%.4f\t%.4f\n",
                r.Temperatura, r.Umidade, r.Rad_Direta, r.Rad_Difusa, r.Vel_Vento, r.Dir_Vento);
  EXPECT_EQ(Tool("climate show clima/clima.bin --header --from 4000 --count 1", &status),
            "city\tunknown\nregion\t-\nlatitude\t45.0000\nlongitude\t8.0000\n"
            "elevation_m\t250.0\ntime_zone_h\t1.0\nalbedo\t0.2000\nyear\t2018\n"
            "hour\tdate\ttime\ttemp_C\thumidity_kg/kg\tdirect_normal_W/m2\tdiffuse_W/m2\t"
            "wind_m/s\twind_dir_deg\n" +
                std::string(linha));

  // Hourly steps: the zone stream's outdoor temperature and humidity of step
  // k are those of hour k of the imported year.
  const std::string saida =
      Tool("sample run --days 1 --zones 1 --interval 3600 --climate clima/clima.bin", &status);
  ASSERT_EQ(status, 0) << saida;
  EXPECT_FALSE(fs::exists(Caminho("run/clima.bin")));
  const std::string zona = Le_Arquivo(Caminho("run/zona1_temp_umi.bin"));
  std::string esperado, lido;
  for (int k = 0; k < 24; ++k) {
    esperado += Bytes(c.registros[k].Temperatura) + Bytes(c.registros[k].Umidade);
    lido += zona.substr(7 + 24 * k + 4, 4) + zona.substr(7 + 24 * k + 12, 4);
  }
  EXPECT_EQ(lido, esperado);

  // Refusals: the input as an output, a malformed row, a climate year of
  // values no import gives (their bounds are the climate reader's, tested
  // with it); none leaves a file or runs the sample.
  std::string nan = Le_Arquivo(Caminho("clima/clima.bin")).substr(0, 80);
  for (int k = 0; k < 8760 * 6; ++k) nan += Bytes(NAN);
  Escreve_Arquivo(Caminho("nan.bin"), nan);
  fs::copy_file(epw, Caminho("clima/clima.bin"), fs::copy_options::overwrite_existing);
  std::string texto = Le_Arquivo(epw);
  texto.replace(texto.find("\n2018,1,1,2,0,") + 1, 4, "20x8");
  Escreve_Arquivo(Caminho("errado.epw"), texto);
  const std::pair<std::string, std::string> recusas[] = {
      {"import epw clima/clima.bin clima",
       "'clima/clima.bin' is the input 'clima/clima.bin': writing it would destroy it"},
      {"import epw errado.epw vazia", "'errado.epw' line 10: not a date: '20x8,1,1,2'"},
      {"sample r2 --days 1 --climate " + epw,
       "'" + epw + "' is not a climate file: it holds 1854219 bytes, not 210320"},
      {"sample r3 --days 1 --climate nan.bin",
       "'" + Caminho("nan.bin") +
           "': hour 0 (01/01 00:00): dry-bulb temperature nan is outside -70 to 70"},
  };
  for (const auto& [args, erro] : recusas) {
    EXPECT_EQ(Tool(args, &status), "arqaux: " + erro + "\n");
    EXPECT_EQ(status, 1) << args;
  }
  EXPECT_TRUE(fs::is_empty(Caminho("vazia")));
  EXPECT_FALSE(fs::exists(Caminho("r3/zona1_temp_umi.bin")));
}

// A project of the tool's sample configuration files and its copy compare
// the same; then a changed byte, a longer file and a missing one are
// located. The directory is given relative, so a run that changed it would
// not find the second project.
TEST_F(InputsTool, CompareWorksOnTwoCopiesOfASampleProject) {
  int status = -1;
  Tool("config sample config.txt && " + kFerramenta + "hvac sample hvac.txt", &status);
  ASSERT_EQ(status, 0);
  std::string iguais, diferentes, novos;
  const char* const ext[] = {".geo", ".cli", ".eqpv", ".gi", ".pv", ".ter", ".vnt", ".par", ".prj"};
  const char* const mudados[] = {"same",    "same", "same", "differs at byte 59",  "same",
                                 "missing", "same", "same", "differs at byte 1000"};
  for (const std::string p : {"Casa", "Copia"}) fs::create_directory(Caminho("#" + p));
  for (int e = 0; e < 9; ++e) {
    const std::string fonte = Caminho(e == 3 || e == 7 ? "hvac.txt" : "config.txt");
    fs::copy_file(fonte, Caminho("#Casa/Casa") + ext[e]);
    fs::copy_file(fonte, Caminho("#Copia/Copia") + ext[e]);
    const std::string linha = std::string("Casa") + ext[e] + "\tCopia" + ext[e] + "\t";
    iguais += linha + "same\n";
    diferentes += linha + mudados[e] + "\n";
    novos += (e < 7 ? std::string("NEWCasa") + ext[e] + "\tNEWCopia" + ext[e] + "\tmissing"
                    : linha + mudados[e]) +
             "\n";
  }
  EXPECT_EQ(Tool("compare . Casa Copia", &status), iguais);
  EXPECT_EQ(status, 0);
  std::string prj = Le_Arquivo(Caminho("#Copia/Copia.prj"));
  prj[1000] ^= 1;
  Escreve_Arquivo(Caminho("#Copia/Copia.prj"), prj);
  Escreve_Arquivo(Caminho("#Copia/Copia.gi"), Le_Arquivo(Caminho("#Casa/Casa.gi")).substr(0, 59));
  fs::remove(Caminho("#Copia/Copia.ter"));
  EXPECT_EQ(Tool("compare . Casa Copia", &status), diferentes);
  EXPECT_EQ(status, 1);
  EXPECT_EQ(Tool("compare . Casa Copia --new", &status), novos);
  EXPECT_EQ(status, 1);
}

// The other commands, each with its output; a window that does not read, a
// schedule line whose date is not the hour after the line before's, and a
// rain interval that is not an event of the year are one line on standard
// error naming the line, and exit 1.
TEST_F(InputsTool, InterfaceDaylightAndRain) {
  fs::create_directories(Caminho("#Casa"));
  Escreve_Arquivo(Caminho("#Casa/NEWCasa.geo"), std::string(2033, 'n'));
  Escreve_Arquivo(Caminho("#Casa/Casa.geo"), "p");
  const std::string cabecalho =
      "# thermal simulation input file (z)\n# DAYSIM header file: h\n# User type: u\n"
      " # total number of occupied hours: 1\n# month, day, hour, occ (0=absent; "
      "1=present), blinds (0=up; 1=down), lights (W/area)\n";
  const std::string chuva = "{[Data = 5/3][Hora_Ini = 7:30][Hora_Fim = ";
  const std::string um = "[Numero de Intervalos = 1]\n", dois = "[Numero de Intervalos = 2]\n";
  const std::pair<const char*, std::string> arquivos[] = {
      {"agenda.csv", "1,1,0.5,1,0,      2.5\n\n1,1,1.5,1,0,3.75\n"},
      {"salto.csv", "1,1,0.5,1,0,2.5\n1,1,2.5,1,0,2.5\n"},
      {"dobro.csv", "1,1,0.5,1,0,2.5\n1,1,0.5,1,0,2.5\n"},
      {"inicio.csv", "1,2,0.5,1,0,2.5\n"},
      {"mes.csv", "1,1,0.5,1,0,2.5\n13,1,1.5,1,0,2.5\n"},
      {"hora.csv", "1,1,0.5,1,0,2.5\n1,1,24,1,0,2.5\n"},
      {"curta.csv", "1,1,0.5,1,0,2.5\n1,1,1.5,1\n"},
      {"chuva.txt", dois + chuva + "9:5][Intensidade = 2]}\n"},
      {"data.txt", dois + chuva +
                       "9:5][Intensidade = 2]}\n\n{[Data = 29/2][Hora_Ini = 1:00]"
                       "[Hora_Fim = 2:00][Intensidade = 1]}\n"},
      {"horas.txt", um + chuva + "24:00][Intensidade = 2]}\n"},
      {"minutos.txt", um + chuva + "9:60][Intensidade = 2]}\n"},
      {"classe.txt", um + chuva + "9:5][Intensidade = 4]}\n"},
      {"ordem.txt", um + chuva + "7:29][Intensidade = 3]}\n"},
  };
  for (const auto& [nome, texto] : arquivos) {
    Escreve_Arquivo(Caminho(nome), (fs::path(nome).extension() == ".csv" ? cabecalho : "") + texto);
  }
  const std::pair<std::string, std::string> casos[] = {
      {"interface Casa.prj", "NEWCasa.geo: 2033 bytes\nCasa.geo: 1 bytes\ninterface type: false\n"},
      {"daylight show agenda.csv --count 2", "0\t2.5000\n1\t3.7500\n"},
      {"daylight show agenda.csv --count 3", "arqaux: 'agenda.csv' ends before hour 2\n"},
      {"daylight show salto.csv --count 1", "0\t2.5000\n"},
      {"daylight show salto.csv --from 1 --count 1",
       "arqaux: 'salto.csv' line 7: month 1, day 1, hour 2.5 does not follow the line before\n"},
      {"daylight show dobro.csv --count 2",
       "arqaux: 'dobro.csv' line 7: month 1, day 1, hour 0.5 does not follow the line before\n"},
      {"daylight show inicio.csv --count 1",
       "arqaux: 'inicio.csv' line 6: month 1, day 2, hour 0.5 is not the year's first hour\n"},
      {"daylight show mes.csv --count 2",
       "arqaux: 'mes.csv' line 7: month 13, day 1, hour 1.5 does not follow the line before\n"},
      {"daylight show hora.csv --count 2",
       "arqaux: 'hora.csv' line 7: month 1, day 1, hour 24 does not follow the line before\n"},
      {"daylight show curta.csv --count 2",
       "arqaux: 'curta.csv' line 7 is not the line of an hour\n"},
      {"rain check chuva.txt",
       "1 intervals\n05/03 07:30-09:05 class 2\narqaux: 'chuva.txt' stops after 1 intervals\n"},
      {"rain check data.txt",
       "2 intervals\n05/03 07:30-09:05 class 2\n29/02 01:00-02:00 class 1\n"
       "arqaux: 'data.txt' line 4: 29/2 is not a day of the year\n"},
      {"rain check horas.txt",
       "1 intervals\n05/03 07:30-24:00 class 2\narqaux: 'horas.txt' line 2: "
       "07:30-24:00 are not times of day\n"},
      {"rain check minutos.txt",
       "1 intervals\n05/03 07:30-09:60 class 2\narqaux: 'minutos.txt' "
       "line 2: 07:30-09:60 are not times of day\n"},
      {"rain check classe.txt",
       "1 intervals\n05/03 07:30-09:05 class 4\narqaux: 'classe.txt' line "
       "2: class '4' is not 1, 2 or 3\n"},
      {"rain check ordem.txt",
       "1 intervals\n05/03 07:30-07:29 class 3\narqaux: 'ordem.txt' line 2: "
       "it starts at 07:30, after its end at 07:29\n"}};
  for (const auto& [args, saida] : casos) {
    int status = -1;
    EXPECT_EQ(Tool(args, &status), saida);
    EXPECT_EQ(status, saida.find("arqaux: ") == std::string::npos ? 0 : 1) << args;
  }
}

}  // namespace
