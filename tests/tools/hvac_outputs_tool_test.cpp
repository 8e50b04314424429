// The sample's HVAC plant and arqaux report's HVAC kinds: every stream and
// report of a short run, its reports against the library's own from the same
// streams, reconversion from the description beside a stream, and what the
// command refuses.
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "support/fixture.h"

namespace {

namespace fs = std::filesystem;

// Two days of lines every 1800 s, and the period every report states.
constexpr size_t kLinhas = 2 * 48;
const char* const kPeriodo =
    "[Inicio: 1/1 as 0:00:00 - Fim: 2/1 as 23:59:59 h]\n[Intervalo de Amostragem = 1800 s]\n";

// The sample's fan-coil components, in list order: type and monitoring flags.
const struct {
  int tipo;
  const char* flags;
} kComponentes[] = {{0, "1,1,1,1,0,0,0,0"}, {3, "1,1,1,1,1,1,1,1"}, {2, "1,1,0,0,1,0,1,1"},
                    {4, "1,1,1,1,1,1,0,0"}, {1, "1,1,0,0,1,1,0,0"}, {5, "1,1,0,0,1,1,1,0"},
                    {6, "1,1,0,0,1,1,1,0"}};

size_t Linhas(const std::string& texto) {
  size_t n = 0;
  for (char c : texto) n += c == '\n';
  return n;
}

class HvacOutputsTool : public ArqauxTest {
 protected:
  // A run of two zones over two days, in "s" of the test's directory.
  void SetUp() override {
    ArqauxTest::SetUp();
    ASSERT_EQ(Executa("cd " + dir + " && " + ARQAUX_TOOL_PATH +
                          " sample s --zones 2 --days 2 --hvac-interval 1800 --detail full",
                      &tabela),
              0)
        << tabela;
  }
  std::string Em(const std::string& nome) const { return Caminho("s/" + nome); }
  // arqaux report args, run in s; its status, and its output in *saida.
  int Report(const std::string& args, std::string* saida) const {
    return Executa("cd " + Em("") + " && " + ARQAUX_TOOL_PATH + " report " + args, saida);
  }
  // What the library reports from data stream nome through converte.
  std::string Da_Biblioteca(
      const std::string& nome,
      const std::function<void(int dados, int texto, TTempo* par)>& converte) {
    TTempo par[2] = {};
    par[0].Dia = par[0].Mes = par[1].Mes = 1;
    par[1].Dia = 2;
    par[1].Hora = 23;
    const int dados = geren->Abre_Arquivo(Em(nome).c_str(), "rb");
    const int texto = geren->Abre_Arquivo(Caminho("biblioteca.txt").c_str(), "wt");
    converte(dados, texto, par);
    geren->Fecha_Todos();
    return Le_Arquivo(Caminho("biblioteca.txt"));
  }
  std::string tabela;
};

TEST_F(HvacOutputsTool, SampleWritesEveryStreamAndReport) {
  const std::vector<int> fancoil = {0, 1, 2, 3, 4, 5, 6, 13, 16};
  const struct {
    const char* nome;
    std::vector<int> variaveis;
    bool consumo;
    const char* titulo;  // the end of each report's title
  } membros[] = {
      {"zona1_fancoil", fancoil, true, " - (Fan coil 1)]\n"},
      {"zona2_fancoil", fancoil, true, " - (Fan coil 2)]\n"},
      {"chiller-ar", {0, 1, 2}, true, " - (Chiller a Ar 1)]\n"},
      {"chiller-agua", {3, 4, 5, 6, 7}, true, " - (Chiller a \xC1gua 1)]\n"},
      {"torre", {0, 1, 2, 3, 4}, true, " - (Torre 1)]\n"},
      {"boiler", {0, 1, 2, 3, 4, 5, 6, 7}, false, " - (Caldeira 1)]\n"},
      {"bomba-ag", {0, 1, 2, 3}, true, " - (Bomba 1)]\n"},
      {"bomba-aq", {0, 1, 2, 3}, true, " - (Bomba 1)]\n"},
      {"bomba-cond", {0, 1, 2, 3}, true, " - (Bomba 1)]\n"},
  };
  size_t arquivos = 0;
  for (const auto& m : membros) {
    const std::string nome = m.nome;
    EXPECT_EQ(Linhas(Le_Arquivo(Em(nome + ".dat"))), kLinhas) << nome;
    const std::string consumo = Em(nome + "_consumo.dat");
    EXPECT_EQ(fs::exists(consumo) ? Linhas(Le_Arquivo(consumo)) : 0, m.consumo ? kLinhas : 0)
        << nome;
    EXPECT_TRUE(fs::is_regular_file(Em(nome + ".dat.desc"))) << nome;
    for (int v : m.variaveis) {
      const std::string relatorio = nome + "_v" + std::to_string(v) + ".txt";
      const std::string texto = Le_Arquivo(Em(relatorio));
      const size_t fim_titulo = texto.find('\n') + 1;
      // The fan coil's titles name it "Fan Coil" for its air variables.
      std::string titulo = m.titulo;
      if (nome.rfind("zona", 0) == 0 && (v <= 2 || v == 16)) titulo.replace(8, 4, "Coil");
      EXPECT_EQ(texto.substr(0, fim_titulo).find(titulo), fim_titulo - titulo.size()) << relatorio;
      EXPECT_EQ(texto.substr(fim_titulo, std::string(kPeriodo).size()), kPeriodo) << relatorio;
      EXPECT_EQ(Linhas(texto), 4 + kLinhas) << relatorio;
    }
    arquivos += 2 + m.consumo + m.variaveis.size();
  }
  // The closing summary counts the family's files on its line.
  char conta[64];
  std::snprintf(conta, sizeof conta, "\n  %-15s %4zu files ", "hvac", arquivos);
  EXPECT_NE(tabela.find(conta), std::string::npos) << tabela;

  // The fan coil's and the boiler's reports are the library's, from the
  // same streams, below their heads.
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
    geren->Preenche_Cabecalho_FanCoil(t, &componentes, resfriamento, 3, flags, 1, p, 1800);
    geren->Salva_Texo_Dados_FanCoil(d, t, &componentes, resfriamento, 3, flags, p, 1800);
  });
  const std::string boiler_v1 = Da_Biblioteca("boiler.dat", [&](int d, int t, TTempo* p) {
    int flags[CBoiler::NUM_CONFIG_UM] = {1, 1, 1, 1, 1, 1, 1, 1, 1};
    geren->Preenche_Cabecalho_Boiler(t, 1, flags, 1, p, 1800);
    geren->Salva_Texo_Dados_Boiler(d, t, 1, flags, p, 1800);
  });
  const struct {
    const char* nome;
    std::string cabeca;
    const std::string& biblioteca;
  } relatorios[] = {
      {"zona1_fancoil_v3.txt",
       "[Taxa de Transfer\xEAncia de Calor na Serpentina de Resfriamento (W) - (Fan coil 1)]\n" +
           std::string(kPeriodo) + "[Calor Total  ] [Calor Sens\xEDvel] [M\xEAs]  [Dia]  [Hora]\n",
       fancoil_v3},
      {"boiler_v1.txt",
       "[Temperatura da \xC1gua na Caldeira (\xBA"
       "C) - (Caldeira 1)]\n" +
           std::string(kPeriodo) +
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

  // Two hours of a fan coil's air (outdoors, return, then each component's
  // outlet) and of the water chiller's load as it starts: each hour closes
  // with the means of its two lines.
  const struct {
    const char* nome;
    const char* linhas;
  } horas[] = {
      {"zona1_fancoil_v0.txt",
       "20.25\t\t22.17\t\t22.256733\t22.256733\t22.256733\t22.256733\t22.256733\t23.002260\t"
       "22.480230\t  1      1    01:30:00\n"
       "19.99\t\t22.13\t\t22.195938\t22.195938\t22.195938\t22.195938\t22.195938\t22.941465\t"
       "22.440609\t  1      1    02:00:00\t(Media da Hora : [20.12\t22.15\t22.23\t22.23\t22.23\t"
       "22.23\t22.23\t22.97\t22.46\t]\n"},
      {"chiller-agua_v5.txt",
       "0.00    \t  1      1    09:30:00\n"
       "235.20    \t  1      1    10:00:00\t(Media da Hora : [117.60]\n"
       "619.72    \t  1      1    10:30:00\n"
       "1014.72    \t  1      1    11:00:00\t(Media da Hora : [817.22]\n"},
  };
  for (const auto& h : horas) {
    EXPECT_NE(Le_Arquivo(Em(h.nome)).find(h.linhas), std::string::npos) << h.nome << h.linhas;
  }
}

TEST_F(HvacOutputsTool, ReconvertsAStreamFromItsDescriptionOrItsOptions) {
  fs::copy_file(Em("torre.dat"), Em("torre_copia.dat"));
  fs::copy_file(Em("zona1_fancoil.dat"), Em("fancoil_copia.dat"));
  std::string componentes;
  for (const auto& m : kComponentes) {
    componentes += " --component " + std::to_string(m.tipo) + ":" + m.flags;
  }
  const std::string periodo = " --start 1/1/0 --end 2/1/23 --interval 1800";
  std::string boiler_7 = Le_Arquivo(Em("boiler_v0.txt"));
  boiler_7.replace(boiler_7.find("Caldeira 1)"), 11, "Caldeira 7)");
  const struct {
    std::string args;
    std::string esperado;
  } casos[] = {
      // The variable asked, with the selected component the description
      // gives it (each kind's first variable is the reconversion test's).
      {"fancoil zona2_fancoil.dat o.txt --variable 13", Le_Arquivo(Em("zona2_fancoil_v13.txt"))},
      {"chiller-agua chiller-agua.dat o.txt --variable 7", Le_Arquivo(Em("chiller-agua_v7.txt"))},
      // Options over the description.
      {"boiler boiler.dat o.txt --number 7", boiler_7},
      {"fancoil zona1_fancoil.dat o.txt --variable 3 --selected 3 --number 1",
       Le_Arquivo(Em("zona1_fancoil_v3.txt"))},
      // No description: the options say it all.
      {"torre torre_copia.dat o.txt --variable 2 --flags 1,1,1,1,1,1" + periodo,
       Le_Arquivo(Em("torre_v2.txt"))},
      {"fancoil fancoil_copia.dat o.txt --variable 13 --selected 5 --flags 1,1,1,1,1,1,1,1,1" +
           componentes + periodo,
       Le_Arquivo(Em("zona1_fancoil_v13.txt"))},
  };
  for (const auto& c : casos) {
    std::string saida;
    fs::remove(Em("o.txt"));
    EXPECT_EQ(Report(c.args, &saida), 0) << c.args << '\n' << saida;
    EXPECT_EQ(Le_Arquivo(Em("o.txt")), c.esperado) << c.args;
  }
}

TEST_F(HvacOutputsTool, RefusesWithOneLine) {
  const std::string boiler = "kind = boiler\n";
  const std::string completa = boiler +
                               "flags = 1,1,1,1,1,1,1,1,1\nvariables = 0\ninterval = 600\n"
                               "start = 1/1/0\n";
  const struct {
    std::string args;
    std::string descricao;  // of x.dat, when not empty
    int status;
    std::string erro;
  } casos[] = {
      {"fancoil zona1_fancoil.dat o.txt --variable 7", "", 2,
       "--variable: 7 is not a variable of fancoil (0 to 6, 13, 16)"},
      {"chiller-agua chiller-agua.dat o.txt --variable 2", "", 2,
       "--variable: 2 is not a variable of chiller-agua (3 to 7)"},
      {"boiler boiler.dat o.txt --flags 1,1,0", "", 2,
       "--flags: '1,1,0' is not 9 flags of 0 or 1, separated by commas"},
      {"bomba-ag bomba-ag.dat o.txt --flags 1,1,2,1,1", "", 2, "'1,1,2,1,1' is not 5 flags"},
      {"bomba-ag bomba-ag.dat o.txt --selected 1", "", 2, "unknown option --selected"},
      {"fancoil zona1_fancoil.dat o.txt --selected 3 --component 0:1,1,1,1,1,1,1,1", "", 2,
       "--selected: the fan coil has no component of type 3"},
      {"fancoil zona1_fancoil.dat o.txt --component 7:1,1,1,1,1,1,1,1", "", 2,
       "'7:1,1,1,1,1,1,1,1' is not a type 0 to 6, ':' and 8 flags"},
      {"boiler boiler.dat o.txt --start 1/13/0", "", 2, "--start, --end: not a day DD/MM"},
      {"torre torre.dat torre.dat", "", 1, "'torre.dat' is the input 'torre.dat'"},
      {"torre falta.dat o.txt", "", 1, "cannot open 'falta.dat'"},
      {"boiler torre.dat o.txt", "", 1, "'torre.dat.desc' describes a torre stream, not boiler"},
      {"torre x.dat o.txt --variable 1 --flags 1,1,1,1,1,1", "", 1,
       "'x.dat' has no description 'x.dat.desc': give --variable, --flags, --start, --end and "
       "--interval"},
      // Descriptions that do not read: the file and line, or the key missing
      // (the grammar's own refusals are the layer's tests).
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
      {"boiler x.dat o.txt", completa + "end = 2/1/23\n", 0, ""},
  };
  fs::copy_file(Em("boiler.dat"), Em("x.dat"));
  for (const auto& c : casos) {
    fs::remove(Em("x.dat.desc"));
    if (!c.descricao.empty()) Escreve_Arquivo(Em("x.dat.desc"), c.descricao);
    std::string saida;
    EXPECT_EQ(Report(c.args, &saida), c.status) << c.args;
    if (c.status == 0) continue;
    EXPECT_EQ(saida.rfind("arqaux: ", 0), 0u) << saida;
    EXPECT_NE(saida.find(c.erro), std::string::npos) << c.args << '\n' << saida;
    EXPECT_EQ(saida.find('\n'), saida.size() - 1) << saida;
  }
}

}  // namespace
