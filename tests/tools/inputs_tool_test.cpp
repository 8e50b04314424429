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

// The other commands, each with its output; a window that does not read and
// a rain file that stops are one line on standard error and exit 1.
TEST_F(InputsTool, InterfaceDaylightAndRain) {
  fs::create_directories(Caminho("#Casa"));
  Escreve_Arquivo(Caminho("#Casa/NEWCasa.geo"), std::string(2033, 'n'));
  Escreve_Arquivo(Caminho("#Casa/Casa.geo"), "p");
  Escreve_Arquivo(Caminho("agenda.csv"),
                  "# thermal simulation input file (z)\n# DAYSIM header file: h\n# User type: u\n"
                  " # total number of occupied hours: 1\n# month, day, hour, occ (0=absent; "
                  "1=present), blinds (0=up; 1=down), lights (W/area)\n1,1,0.5,1,0,      2.5\n"
                  "1,1,1.5,1,0,3.75\n");
  Escreve_Arquivo(Caminho("chuva.txt"),
                  "[Numero de Intervalos = 2]\n"
                  "{[Data = 5/3][Hora_Ini = 7:30][Hora_Fim = 9:5][Intensidade = 2]}\n");
  const std::pair<std::string, std::string> casos[] = {
      {"interface Casa.prj", "NEWCasa.geo: 2033 bytes\nCasa.geo: 1 bytes\ninterface type: false\n"},
      {"daylight show agenda.csv --count 2", "0\t2.5000\n1\t3.7500\n"},
      {"daylight show agenda.csv --count 3",
       "arqaux: 'agenda.csv' ends or has a malformed line before hour 2\n"},
      {"rain check chuva.txt",
       "1 intervals\n05/03 07:30-09:05 class 2\narqaux: 'chuva.txt' stops after 1 intervals\n"}};
  for (const auto& [args, saida] : casos) {
    int status = -1;
    EXPECT_EQ(Tool(args, &status), saida);
    EXPECT_EQ(status, saida.find("arqaux: ") == std::string::npos ? 0 : 1) << args;
  }
}

}  // namespace
