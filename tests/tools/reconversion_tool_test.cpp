// The tool on one sample run: every kind of report, reconverted from the
// description beside its stream alone, is the sample's own report byte for
// byte, and an option overrides the description; the HVAC reports are the
// library's from the same streams; wall show takes its regions from the
// wall's description; what cannot be reported is refused with one line.
#include <arqaux/dados.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "support/fixture.h"

namespace {

namespace fs = std::filesystem;

size_t Linhas(const std::string& texto) { return std::count(texto.begin(), texto.end(), '\n'); }

class ReconversionTool : public ArqauxTest {
 protected:
  // A zone over a day of 10-minute steps, shared by the suite.
  static std::string Em(const std::string& nome) { return Amostra_De_Um_Dia() + "/" + nome; }
  // arqaux args, run in the test's directory.
  int Tool(const std::string& args, std::string* saida = nullptr) {
    return Executa("cd " + dir + " && " + ARQAUX_TOOL_PATH + " " + args, saida);
  }
  // What the library reports from the sample's data stream nome through
  // converte, over the sample's day.
  std::string Da_Biblioteca(const std::string& nome,
                            const std::function<void(int dados, int texto, TTempo* par)>& c) {
    TTempo par[2] = {{0, 0, 1, 1, {}}, {23, 0, 1, 1, {}}};
    const int dados = geren->Abre_Arquivo(Em(nome).c_str(), "rb");
    c(dados, geren->Abre_Arquivo(Caminho("biblioteca.txt").c_str(), "wt"), par);
    geren->Fecha_Todos();
    return Le_Arquivo(Caminho("biblioteca.txt"));
  }
};

// The sample's fan-coil components, in list order: type and monitoring flags.
const struct {
  int tipo;
  const char* flags;
} kComponentes[] = {{0, "1,1,1,1,0,0,0,0"}, {3, "1,1,1,1,1,1,1,1"}, {2, "1,1,0,0,1,0,1,1"},
                    {4, "1,1,1,1,1,1,0,0"}, {1, "1,1,0,0,1,1,0,0"}, {5, "1,1,0,0,1,1,1,0"},
                    {6, "1,1,0,0,1,1,1,0"}};

TEST_F(ReconversionTool, EveryKindFromItsDescriptionIsTheSamplesReport) {
  fs::copy_file(Em("torre.dat"), Caminho("torre_copia.dat"));
  fs::copy_file(Em("zona1_fancoil.dat"), Caminho("fancoil_copia.dat"));
  std::string componentes;
  for (const auto& m : kComponentes) {
    componentes += " --component " + std::to_string(m.tipo) + ":" + m.flags;
  }
  const std::string periodo = " --start 1/1/0 --end 1/1/23 --interval 600";
  struct Caso {
    std::string tipo, fluxo, opcoes;
    // Each report written ("o" and its suffix) and the sample's own.
    std::vector<std::pair<std::string, std::string>> relatorios;
  };
  std::vector<Caso> casos = {
      {"tupmv", Em("zona1_temp_umi.bin"), "", {{"o.txt", "zona1_temp_umi.txt"}}},
      {"ats", Em("zona1_ats.bin"), "", {{"o.txt", "zona1_ats.txt"}}},
      {"acs", Em("zona1_acs.bin"), "", {{"o.txt", "zona1_acs.txt"}}},
      {"pv", Em("zona1_pv.bin"), "", {{"o.txt", "zona1_pv.txt"}}},
      {"sc", Em("zona1_saida_cont.bin"), "", {{"o.txt", "zona1_saida_cont_1.txt"}}},
      {"occupancy", Em("zona1_pessoas.bin"), "", {{"o.txt", "zona1_pessoas.txt"}}},
      {"mould", Em("zona1_mofo.bin"), "", {{"o.txt", "zona1_mofo.txt"}}},
      {"flux",
       Em("zona1_fluxos.bin"),
       "",
       {{"oFLW.txt", "zona1_FLW.txt"}, {"oMTR.txt", "zona1_MTR.txt"}}},
      // Options over the description: the second of the outputs described,
      // another variable, with the selected component the description gives
      // it or another.
      {"sc", Em("zona1_saida_cont.bin"), " --index 2", {{"o.txt", "zona1_saida_cont_2.txt"}}},
      {"fancoil", Em("zona1_fancoil.dat"), " --variable 13", {{"o.txt", "zona1_fancoil_v13.txt"}}},
      {"chiller-agua", Em("chiller-agua.dat"), " --variable 7", {{"o.txt", "chiller-agua_v7.txt"}}},
      {"fancoil",
       Em("zona1_fancoil.dat"),
       " --variable 3 --selected 3 --number 1",
       {{"o.txt", "zona1_fancoil_v3.txt"}}},
      // No description: the options say it all.
      {"torre",
       "torre_copia.dat",
       " --variable 2 --flags 1,1,1,1,1,1" + periodo,
       {{"o.txt", "torre_v2.txt"}}},
      {"fancoil",
       "fancoil_copia.dat",
       " --variable 13 --selected 5 --flags 1,1,1,1,1,1,1,1,1" + componentes + periodo,
       {{"o.txt", "zona1_fancoil_v13.txt"}}},
  };
  // Each HVAC kind's stream, the fan coil's named after its zone; its
  // description's first variable is reported. Every stream (and consumption
  // stream) holds a line per step, every report its head of four lines and a
  // line per step.
  for (const TTipo_HVAC& t : Tipos_HVAC()) {
    const std::string nome =
        fs::exists(Em(std::string(t.nome) + ".dat")) ? t.nome : "zona1_" + std::string(t.nome);
    casos.push_back({t.nome,
                     Em(nome + ".dat"),
                     "",
                     {{"o.txt", nome + "_v" + std::to_string(t.variaveis.front()) + ".txt"}}});
    EXPECT_EQ(Linhas(Le_Arquivo(Em(nome + ".dat"))), 144u) << nome;
    const std::string consumo = Em(nome + "_consumo.dat");  // all but the boiler's
    EXPECT_EQ(fs::exists(consumo) ? Linhas(Le_Arquivo(consumo)) : 0, nome == "boiler" ? 0 : 144u);
    for (int v : t.variaveis) {
      EXPECT_EQ(Linhas(Le_Arquivo(Em(nome + "_v" + std::to_string(v) + ".txt"))), 4 + 144u) << v;
    }
  }
  for (const Caso& c : casos) {
    const std::string saida = c.tipo == "flux" ? "o" : "o.txt";
    std::string mensagem;
    ASSERT_EQ(Tool("report " + c.tipo + " " + c.fluxo + " " + saida + c.opcoes, &mensagem), 0)
        << c.tipo << c.opcoes << '\n'
        << mensagem;
    for (const auto& r : c.relatorios) {
      const std::string da_amostra = Le_Arquivo(Em(r.second));
      EXPECT_GT(da_amostra.size(), 150u) << r.second;
      EXPECT_EQ(Le_Arquivo(Caminho(r.first)), da_amostra) << c.tipo << c.opcoes;
      fs::remove(Caminho(r.first));
    }
  }
  // The equipment's number over the description's.
  std::string boiler_7 = Le_Arquivo(Em("boiler_v0.txt"));
  boiler_7.replace(boiler_7.find("Caldeira 1)"), 11, "Caldeira 7)");
  ASSERT_EQ(Tool("report boiler " + Em("boiler.dat") + " o.txt --number 7"), 0);
  EXPECT_EQ(Le_Arquivo(Caminho("o.txt")), boiler_7);
}

// The fan coil's and the boiler's reports are the library's, from the same
// streams, below their heads.
TEST_F(ReconversionTool, HvacReportsAreTheLibrarys) {
  const std::string fancoil_v3 = Da_Biblioteca("zona1_fancoil.dat", [&](int d, int t, TTempo* p) {
    TGeren_Componentes_HVAC componentes;
    for (const auto& m : kComponentes) {
      auto* c = new TComponente_HVAC(m.tipo, {}, {}, 0);
      for (int k = 0; k < TComponente_HVAC::NUM_CONFIG_UM; ++k)
        c->A_Config_UM(k, m.flags[2 * k] - '0');
      componentes.Insere_Componente(c);
    }
    TComponente_HVAC* resfriamento = *++componentes.R_Componentes_Sist_Sec().begin();
    std::vector<int> flags(CFanCoil::NUM_CONFIG_UM, 1);
    geren->Preenche_Cabecalho_FanCoil(t, &componentes, resfriamento, 3, flags, 1, p, 600);
    geren->Salva_Texo_Dados_FanCoil(d, t, &componentes, resfriamento, 3, flags, p, 600);
  });
  const std::string boiler_v1 = Da_Biblioteca("boiler.dat", [&](int d, int t, TTempo* p) {
    int flags[CBoiler::NUM_CONFIG_UM] = {1, 1, 1, 1, 1, 1, 1, 1, 1};
    geren->Preenche_Cabecalho_Boiler(t, 1, flags, 1, p, 600);
    geren->Salva_Texo_Dados_Boiler(d, t, 1, flags, p, 600);
  });
  const std::string periodo =
      "[Inicio: 1/1 as 0:00:00 - Fim: 1/1 as 23:59:59 h]\n[Intervalo de Amostragem = 600 s]\n";
  const struct {
    const char* nome;
    std::string cabeca;
    const std::string& biblioteca;
  } relatorios[] = {
      {"zona1_fancoil_v3.txt",
       "[Taxa de Transfer\xEAncia de Calor na Serpentina de Resfriamento (W) - (Fan coil 1)]\n" +
           periodo + "[Calor Total  ] [Calor Sens\xEDvel] [M\xEAs]  [Dia]  [Hora]\n",
       fancoil_v3},
      {"boiler_v1.txt",
       "[Temperatura da \xC1gua na Caldeira (\xBA"
       "C) - (Caldeira 1)]\n" +
           periodo +
           "[Entrada] [Sa\xED"
           "da ] [Sa\xED"
           "da M\xE9"
           "dia] [M\xEAs]  [Dia]  [Hora]\n",
       boiler_v1},
  };
  for (const auto& r : relatorios) {
    const std::string texto = Le_Arquivo(Em(r.nome));
    EXPECT_EQ(texto, r.biblioteca) << r.nome;
    EXPECT_EQ(texto.substr(0, r.cabeca.size()), r.cabeca) << r.nome;
  }
}

// The north wall's second region at the last step, as the sample's profile
// shows it; the groups given over the description's.
TEST_F(ReconversionTool, WallShowTakesItsRegionsFromTheDescription) {
  std::string saida;
  ASSERT_EQ(Tool("wall show " + Em("zona1_parede.bin") + " --region 2 --step 143", &saida), 0)
      << saida;
  const std::string perfis = Le_Arquivo(Em("zona1_perfis.txt"));
  const size_t inicio = perfis.find("Regiao 2 - ultimo passo\n");
  ASSERT_NE(inicio, std::string::npos);
  const std::string nos = perfis.substr(inicio + 24, perfis.find("\n\n", inicio) - inicio - 22);
  EXPECT_EQ(saida, "Regiao 2 - passo 143\n" + nos);
  // Below the regions, a line at the end of each hour of the day, labelled
  // with the hour it ends.
  std::string horas, esperadas;
  for (size_t p = perfis.find(":00:00  "); p != std::string::npos;
       p = perfis.find(":00:00  ", p + 1)) {
    horas += perfis.substr(p - 2, 2) + " ";
  }
  for (int h = 1; h <= 24; ++h) esperadas += (h < 10 ? "0" : "") + std::to_string(h) + " ";
  EXPECT_EQ(horas, esperadas);
  ASSERT_EQ(Tool("wall show " + Em("zona1_parede.bin") + " --regions 4,6 --groups 1,2,3", &saida),
            0);
  EXPECT_EQ(saida.substr(0, 22), "Regiao 1 - passo 0\n1  ");
}

// What a description says beyond the sample's defaults is what the option
// says: a copy of a stream described so reports as the stream with the option.
TEST_F(ReconversionTool, TheDescriptionSaysWhatTheOptionsSay) {
  const std::string periodo = "interval = 600\nstart = 1/1/0\nend = 1/1/23\n";
  const struct {
    std::string tipo, fluxo, descricao, opcoes;
  } casos[] = {
      {"tupmv", "zona1_temp_umi.bin", "kind = tupmv\nshow = 1,0,1\n", " --show t,c"},
      {"ats", "zona1_ats.bin", "kind = ace\n", " --ace"},
      {"flux", "zona1_fluxos.bin", "kind = flux\nregion = 2\n", " --region 2"},
  };
  for (const auto& c : casos) {
    const std::string x = Caminho(c.tipo + ".bin");
    fs::copy_file(Em(c.fluxo), x);
    Escreve_Arquivo(x + ".desc", c.descricao + periodo);
    // The flux report is a prefix; its heat-flux file is compared.
    const bool fluxo = c.tipo == "flux";
    const std::string lido = fluxo ? "FLW.txt" : "", escrito = fluxo ? "" : ".txt";
    ASSERT_EQ(Tool("report " + c.tipo + " " + x + " d" + escrito), 0) << c.tipo;
    ASSERT_EQ(Tool("report " + c.tipo + " " + Em(c.fluxo) + " o" + escrito + c.opcoes), 0)
        << c.tipo;
    const std::string opcao = Le_Arquivo(Caminho("o" + escrito + lido));
    EXPECT_EQ(Le_Arquivo(Caminho("d" + escrito + lido)), opcao) << c.tipo;
    EXPECT_NE(opcao, Le_Arquivo(Em(fluxo ? "zona1_FLW.txt" : "zona1_" + c.tipo + ".txt")))
        << c.tipo;
  }
}

// Options, streams and descriptions that do not make a report: one line
// naming what is wrong (the description grammar's own refusals are the data
// layer's tests), and nothing written.
TEST_F(ReconversionTool, RefusesWithOneLine) {
  for (const char* nome : {"boiler.dat", "boiler.dat.desc", "torre.dat", "torre.dat.desc"}) {
    fs::copy_file(Em(nome), Caminho(nome));
  }
  fs::copy_file(Em("boiler.dat"), Caminho("x.dat"));
  const std::string boiler = "kind = boiler\n";
  const std::string completa = boiler +
                               "flags = 1,1,1,1,1,1,1,1,1\nvariables = 0\ninterval = 600\n"
                               "start = 1/1/0\n";
  const std::string fancoil = "fancoil " + Em("zona1_fancoil.dat") + " o.txt";
  const std::string sombras = Em("zona1_ats.bin") + " m --start 1/1/0 --end 1/1/23 --interval 600";
  const struct {
    std::string args;
    std::string descricao;  // of x.dat, when not empty
    int status;
    std::string erro;
  } casos[] = {
      {fancoil + " --variable 7", "", 2,
       "--variable: 7 is not a variable of fancoil (0 to 6, 13, 16)"},
      {"chiller-agua " + Em("chiller-agua.dat") + " o.txt --variable 2", "", 2,
       "--variable: 2 is not a variable of chiller-agua (3 to 7)"},
      {"boiler boiler.dat o.txt --flags 1,1,0", "", 2,
       "--flags: '1,1,0' is not 9 flags of 0 or 1, separated by commas"},
      {"bomba-ag " + Em("bomba-ag.dat") + " o.txt --flags 1,1,2,1,1", "", 2,
       "'1,1,2,1,1' is not 5 flags"},
      {"bomba-ag " + Em("bomba-ag.dat") + " o.txt --selected 1", "", 2,
       "unknown option --selected"},
      {fancoil + " --selected 3 --component 0:1,1,1,1,1,1,1,1", "", 2,
       "--selected: the fan coil has no component of type 3"},
      {fancoil + " --component 7:1,1,1,1,1,1,1,1", "", 2,
       "'7:1,1,1,1,1,1,1,1' is not a type 0 to 6, ':' and 8 flags"},
      {"boiler boiler.dat o.txt --start 1/13/0", "", 2, "--start, --end: not a day DD/MM"},
      {"torre torre.dat torre.dat", "", 1, "'torre.dat' is the input 'torre.dat'"},
      {"torre falta.dat o.txt", "", 1, "cannot open 'falta.dat'"},
      {"boiler torre.dat o.txt", "", 1, "'torre.dat.desc' describes a torre stream, not boiler"},
      {"torre x.dat o.txt --variable 1 --flags 1,1,1,1,1,1", "", 1,
       "'x.dat' has no description 'x.dat.desc': give --variable, --flags, --start, --end and "
       "--interval"},
      // Regions outside the stream.
      {"flux " + Em("zona1_fluxos.bin") + " o --region 9", "", 2, "9 is not a region from 1 to 8"},
      {"mould " + Em("zona1_mofo.bin") + " m --region 0", "", 2, "Value 0 not in range 1"},
      {"mould " + sombras + " --region 1", "", 1,
       "ats.bin.desc' describes a ats stream, not mould"},
      {"wall show " + Em("zona1_parede.bin") + " --region 3", "", 2,
       "3 is not a region from 1 to 2"},
      {"wall show " + Em("zona1_parede.bin") + " --step 144", "", 1, "has no region 1 at step 144"},
      {"wall show " + Em("zona1_parede.bin") + " --groups 4", "", 2,
       "'4' is not a list of 1, 2, 3"},
      {"wall show " + Amostra_De_Um_Dia() + " --regions 4,6", "", 1, "is not a regular file"},
      // Descriptions that do not say enough: the file and line, the key
      // missing, or another kind.
      {"boiler x.dat o.txt", "kind = caldeira\n", 1,
       "'x.dat.desc' line 1: 'caldeira' is not a value of 'kind'"},
      {"boiler x.dat o.txt", "\nkind = wall\n", 1,
       "'x.dat.desc' line 2: 'wall' is not a value of 'kind'"},
      {"boiler x.dat o.txt", "# boiler\n\n" + boiler + "flags = 1,1\n", 1,
       "'x.dat.desc' line 4: '1,1' is not a value of 'flags'"},
      {"boiler x.dat o.txt", boiler + "component = 0:1,1,1,1,1,1,1,1\n", 1,
       "'x.dat.desc' line 2: '0:1,1,1,1,1,1,1,1' is not a value of 'component'"},
      {"boiler x.dat o.txt", completa, 1, "'x.dat.desc' has no 'end' line"},
      {"boiler x.dat o.txt", std::string(70000, '#'), 1,
       "'x.dat.desc' is not a description: it holds more than 65536 bytes"},
      {"acs x.dat o.txt", "kind = acs\ninterval = 600\n", 1,
       "'x.dat.desc' has no 'start' line: give --start\n"},
      {"acs x.dat o.txt", "kind = acs\nstart = 1/1/0\nend = 1/1/23\n", 1,
       "'x.dat.desc' has no 'interval' line: give --interval\n"},
      {"acs x.dat o.txt", "kind = ats\n", 1, "'x.dat.desc' describes a ats stream, not acs\n"},
      {"mould x.dat o.txt", "kind = mould\ninterval = 600\nstart = 1/1/0\nend = 1/1/23\n", 1,
       "'x.dat.desc' has no 'region' line: give --region\n"},
  };
  for (const auto& c : casos) {
    fs::remove(Caminho("x.dat.desc"));
    if (!c.descricao.empty()) Escreve_Arquivo(Caminho("x.dat.desc"), c.descricao);
    std::string saida;
    EXPECT_EQ(Tool((c.args.rfind("wall", 0) ? "report " : "") + c.args, &saida), c.status)
        << c.args;
    EXPECT_EQ(saida.rfind("arqaux: ", 0), 0u) << saida;
    EXPECT_NE(saida.find(c.erro), std::string::npos) << c.args << '\n' << saida;
    EXPECT_EQ(saida.find('\n'), saida.size() - 1) << saida;
  }
  EXPECT_FALSE(fs::exists(Caminho("o.txt")) || fs::exists(Caminho("oFLW.txt")));
  EXPECT_EQ(Le_Arquivo(Caminho("m")), "");
  // A whole description reports.
  Escreve_Arquivo(Caminho("x.dat.desc"), completa + "end = 1/1/23\n");
  EXPECT_EQ(Tool("report boiler x.dat o.txt"), 0);
}

}  // namespace
