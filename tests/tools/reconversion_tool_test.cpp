// The tool on one sample run: every kind of report, reconverted from the
// description beside its stream alone, is the sample's own report byte for
// byte, and an option overrides the description; wall show takes its regions
// from the wall's description; regions outside a file are refused.
#include <arqaux/dados.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "support/fixture.h"

namespace {

namespace fs = std::filesystem;

class ReconversionTool : public ArqauxTest {
 protected:
  // A zone over a day of 10-minute steps, shared by the suite.
  static std::string Em(const std::string& nome) { return Amostra_De_Um_Dia() + "/" + nome; }
  int Tool(const std::string& args, std::string* saida = nullptr) {
    return Executa(std::string(ARQAUX_TOOL_PATH) + " " + args, saida);
  }
};

TEST_F(ReconversionTool, EveryKindFromItsDescriptionIsTheSamplesReport) {
  struct Caso {
    std::string tipo, fluxo, opcoes;
    // Each report written ("o" and its suffix) and the sample's own.
    std::vector<std::pair<std::string, std::string>> relatorios;
  };
  std::vector<Caso> casos = {
      {"tupmv", "zona1_temp_umi.bin", "", {{"o.txt", "zona1_temp_umi.txt"}}},
      {"ats", "zona1_ats.bin", "", {{"o.txt", "zona1_ats.txt"}}},
      {"acs", "zona1_acs.bin", "", {{"o.txt", "zona1_acs.txt"}}},
      {"pv", "zona1_pv.bin", "", {{"o.txt", "zona1_pv.txt"}}},
      {"sc", "zona1_saida_cont.bin", "", {{"o.txt", "zona1_saida_cont_1.txt"}}},
      {"occupancy", "zona1_pessoas.bin", "", {{"o.txt", "zona1_pessoas.txt"}}},
      {"mould", "zona1_mofo.bin", "", {{"o.txt", "zona1_mofo.txt"}}},
      {"flux",
       "zona1_fluxos.bin",
       "",
       {{"oFLW.txt", "zona1_FLW.txt"}, {"oMTR.txt", "zona1_MTR.txt"}}},
      // An option over the description: the second of the outputs described.
      {"sc", "zona1_saida_cont.bin", " --index 2", {{"o.txt", "zona1_saida_cont_2.txt"}}},
  };
  // Each HVAC kind's stream, the fan coil's named after its zone; its
  // description's first variable is reported.
  for (const TTipo_HVAC& t : Tipos_HVAC()) {
    const std::string nome =
        fs::exists(Em(std::string(t.nome) + ".dat")) ? t.nome : "zona1_" + std::string(t.nome);
    casos.push_back({t.nome,
                     nome + ".dat",
                     "",
                     {{"o.txt", nome + "_v" + std::to_string(t.variaveis.front()) + ".txt"}}});
  }
  for (const Caso& c : casos) {
    const std::string saida = c.tipo == "flux" ? "o" : "o.txt";
    std::string mensagem;
    ASSERT_EQ(
        Tool("report " + c.tipo + " " + Em(c.fluxo) + " " + Caminho(saida) + c.opcoes, &mensagem),
        0)
        << c.tipo << c.opcoes << '\n'
        << mensagem;
    for (const auto& r : c.relatorios) {
      const std::string da_amostra = Le_Arquivo(Em(r.second));
      EXPECT_GT(da_amostra.size(), 150u) << r.second;
      EXPECT_EQ(Le_Arquivo(Caminho(r.first)), da_amostra) << c.tipo << c.opcoes;
      fs::remove(Caminho(r.first));
    }
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
  ASSERT_EQ(Tool("wall show " + Em("zona1_parede.bin") + " --regions 4,6 --groups 1,2,3", &saida),
            0);
  EXPECT_EQ(saida.substr(0, 22), "Regiao 1 - passo 0\n1  ");
}

TEST_F(ReconversionTool, RegionsOutsideTheFileAreRefused) {
  const std::string periodo = " --start 1/1/0 --end 1/1/23 --interval 600";
  const struct {
    std::string args;
    int status;
  } casos[] = {
      {"report flux " + Em("zona1_fluxos.bin") + " " + Caminho("r_") + " --region 9", 2},
      {"report mould " + Em("zona1_mofo.bin") + " " + Caminho("m") + " --region 0", 2},
      {"report mould " + Em("zona1_ats.bin") + " " + Caminho("m") + periodo + " --region 1", 1},
      {"wall show " + Em("zona1_parede.bin") + " --region 3", 2},
      {"wall show " + Em("zona1_parede.bin") + " --step 144", 1},
      {"wall show " + Em("zona1_parede.bin") + " --groups 4", 2},
      {"wall show " + Amostra_De_Um_Dia() + " --regions 4,6", 1},
  };
  for (const auto& c : casos) {
    std::string saida;
    EXPECT_EQ(Tool(c.args, &saida), c.status) << c.args << "\n" << saida;
  }
  EXPECT_EQ(Le_Arquivo(Caminho("r_FLW.txt")) + Le_Arquivo(Caminho("m")), "");
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
    ASSERT_EQ(Tool("report " + c.tipo + " " + x + " " + Caminho("d" + escrito)), 0) << c.tipo;
    ASSERT_EQ(
        Tool("report " + c.tipo + " " + Em(c.fluxo) + " " + Caminho("o" + escrito) + c.opcoes), 0)
        << c.tipo;
    const std::string opcao = Le_Arquivo(Caminho("o" + escrito + lido));
    EXPECT_EQ(Le_Arquivo(Caminho("d" + escrito + lido)), opcao) << c.tipo;
    EXPECT_NE(opcao, Le_Arquivo(Em(fluxo ? "zona1_FLW.txt" : "zona1_" + c.tipo + ".txt")))
        << c.tipo;
  }
}

// A value neither the options nor the description give is refused naming
// both; a description of another kind is refused.
TEST_F(ReconversionTool, WhatNeitherGivesIsRefused) {
  fs::copy_file(Em("zona1_acs.bin"), Caminho("x.bin"));
  const struct {
    std::string descricao, args, erro;
  } casos[] = {
      {"kind = acs\ninterval = 600\n", "acs", "'@.desc' has no 'start' line: give --start\n"},
      {"kind = acs\nstart = 1/1/0\nend = 1/1/23\n", "acs",
       "'@.desc' has no 'interval' line: give --interval\n"},
      {"kind = ats\n", "acs", "'@.desc' describes a ats stream, not acs\n"},
      {"kind = mould\ninterval = 600\nstart = 1/1/0\nend = 1/1/23\n", "mould",
       "'@.desc' has no 'region' line: give --region\n"},
  };
  const std::string x = Caminho("x.bin");
  for (const auto& c : casos) {
    Escreve_Arquivo(x + ".desc", c.descricao);
    std::string saida, erro = c.erro;
    erro.replace(erro.find('@'), 1, x);
    EXPECT_EQ(Tool("report " + c.args + " " + x + " " + Caminho("o.txt"), &saida), 1);
    EXPECT_EQ(saida, "arqaux: " + erro);
  }
  EXPECT_FALSE(fs::exists(Caminho("o.txt")));
}

}  // namespace
