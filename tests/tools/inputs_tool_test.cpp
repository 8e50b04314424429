// arqaux compare, interface, daylight and rain.
#include <filesystem>
#include <string>

#include "support/fixture.h"

namespace {

namespace fs = std::filesystem;

class InputsTool : public ArqauxTest {
 protected:
  std::string Tool(const std::string& args, int* status) {
    std::string saida;
    *status = Executa("cd " + dir + " && " + ARQAUX_TOOL_PATH + " " + args, &saida);
    return saida;
  }
};

// A project of the tool's sample configuration files and its copy compare
// the same; then a changed byte, a longer file and a missing one are
// located. The directory is given relative, so a run that changed it would
// not find the second project.
TEST_F(InputsTool, CompareWorksOnTwoCopiesOfASampleProject) {
  int status = -1;
  Tool("config sample config.txt && " + std::string(ARQAUX_TOOL_PATH) + " hvac sample hvac.txt",
       &status);
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
