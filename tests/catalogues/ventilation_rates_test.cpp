#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "catalogues/catalogo.h"
#include "support/fixture.h"
#include "support/texto_config.h"

namespace {

constexpr int kTam = TGeren_ArquivoAux::Tam_Texto_Tabela;

class TabelasVentilacao : public ArqauxTest {
 protected:
  // Runs the steps of roteiro in order on a file holding texto and returns
  // their transcript, one line per step, then what the stream still holds.
  // A step is "i" (count), "c" (model header), "r" (ration), "t" (air
  // changes) or "NxC" (N rows of C columns; 1 uses the one-row form).
  std::string Transcreve(const std::string& texto, const std::string& roteiro) {
    Abre_Para_Leitura(geren, Caminho("vent.txt"), texto);
    std::string t;
    std::istringstream passos(roteiro);
    for (std::string p; passos >> p;) {
      t += p == "i"   ? Inicio()
           : p == "c" ? Cabecalho()
           : p == "r" ? Racao()
           : p == "t" ? Trocas()
                      : Linhas(std::stoi(p), std::stoi(p.substr(p.find('x') + 1)));
      t += "\n";
    }
    t += "resto=" + Resto(geren);
    geren->Fecha_Todos();
    return t;
  }

  // The name goes to a sentinel buffer: a name the scan stored takes its
  // bytes and terminator only, one it never reached leaves "?".
  std::string Racao() {
    Buffer_Sentinela nome(kTam, "?");
    char nivel[TGeren_ArquivoAux::Tam_Nivel_Racao] = "intacto";
    int a = -1, b = -1;
    const bool ok = geren->Le_Racao_de_Ar(nome.p(), nivel, &a, &b);
    return std::to_string(ok) + " " + nome.Lido() + "|" + nivel + "|" + std::to_string(a) + "|" +
           std::to_string(b);
  }
  std::string Trocas() {
    Buffer_Sentinela nome(kTam, "?");
    float v = -1;
    int i = -1;
    const bool ok = geren->Le_Trocas_de_Ar(nome.p(), &v, &i);
    return Formata("%d %s|%g|%d", ok, nome.Lido().c_str(), v, i);
  }
  std::string Inicio() {
    int n = -1;
    const bool ok = geren->Le_Inicio(&n);
    return "inicio " + std::to_string(ok) + " " + std::to_string(n);
  }
  std::string Cabecalho() {
    int a = -1, b = -1;
    const bool ok = geren->Le_Cabecalho_Ventilacao(&a, &b);
    return "cab " + std::to_string(ok) + " " + std::to_string(a) + "," + std::to_string(b);
  }
  // Reads linhas rows of colunas values (one-row form for linhas 1), each
  // row preset to -1, and prints them.
  std::string Linhas(int linhas, int colunas) {
    std::vector<std::vector<float>> v(std::max(linhas, 1), std::vector<float>(7, -1));
    std::vector<float*> p;
    for (auto& l : v) p.push_back(l.data());
    const bool ok = linhas == 1 ? geren->Le_Registro_Ventilacao(p[0], colunas)
                                : geren->Le_Registro_Ventilacao(p.data(), linhas, colunas);
    std::string t = "linhas " + std::to_string(ok);
    for (const auto& l : v) {
      t += " [";
      for (float x : l) t += std::to_string(static_cast<int>(x * 10)) + " ";
      t += "]";
    }
    return t;
  }
};

TEST_F(TabelasVentilacao, ModelTablesReadInTheHostsOrder) {
  const std::string arquivo =
      "[Quantidade de Modelos = 2]\n\n"
      "[1,3]\n"
      "0.5\t1.5\t2.5\t3.5\n"
      "1\t2\t3\t4\t5\n"
      "1\t2\t3\t4\t5\t6\n"
      "7\t6\t5\t4\t3\t2\t1\n"
      "9\t8\t7\t6\n"
      "[2,1]\n"
      "1\t2\t3\t4\t5\t6\n"
      "1\t2\t3\t4\t5\t6\n"
      "1\t2\t3\t4\t5\t6";
  const std::string obtido =
      Transcreve(arquivo, "i c 1x4 1x5 1x3 1x6 2x7 0x4 i 1x4 c 1x4 c 1x7 2x7");
  EXPECT_EQ(obtido,
            "inicio 1 2\n"
            "cab 1 1,3\n"
            "linhas 1 [5 15 25 35 -10 -10 -10 ]\n"
            "linhas 1 [10 20 30 40 50 -10 -10 ]\n"
            "linhas 1 [-10 -10 -10 -10 -10 -10 -10 ]\n"
            "linhas 1 [10 20 30 40 50 60 -10 ]\n"
            "linhas 0 [70 60 50 40 30 20 10 ] [90 80 70 60 -10 -10 -10 ]\n"
            "linhas 1 [-10 -10 -10 -10 -10 -10 -10 ]\n"
            "inicio 1 2\n"
            "linhas 0 [-10 -10 -10 -10 -10 -10 -10 ]\n"
            "cab 1 1,3\n"
            "linhas 1 [5 15 25 35 -10 -10 -10 ]\n"
            "cab 0 -1,-1\n"
            "linhas 1 [10 20 30 40 50 10 20 ]\n"
            "linhas 1 [30 40 50 60 70 60 50 ] [40 30 20 10 90 80 70 ]\n"
            "resto=6\n[2,1]\n1\t2\t3\t4\t5\t6\n1\t2\t3\t4\t5\t6\n1\t2\t3\t4\t5\t6");
  // Rows read with more columns than they hold take their last values from
  // the next line, a model header included (a short read then); at the end
  // of the file that is a short read.
  EXPECT_EQ(Transcreve("1\t2\t3\t4\t5\t6\n", "1x7"), "linhas 0 [10 20 30 40 50 60 -10 ]\nresto=");
}

TEST_F(TabelasVentilacao, RationsAndAirChangesNeverFail) {
  // Each line alone in its file, read as a ration ('r') or as air changes.
  const std::string longo(kTam, 'x');
  const struct {
    char leitor;
    std::string linha, esperado;
  } casos[] = {
      {'r', "[Sala de aula] (5;8;3)\n", "1 Sala de aula|Consider\xE1vel|5|8\nresto="},
      {'r', "[Escrit\xF3rio] (0;1;0)", "1 Escrit\xF3rio|Nenhum|0|1\nresto="},
      {'r', "[Deposito] (1;2;9)\n", "1 Deposito|intacto|1|2\nresto="},
      {'r', "[Deposito] (1;2;-1)\n", "1 Deposito|intacto|1|2\nresto="},
      {'r', "[Corredor] (4;7)\n", "1 Corredor|Nenhum|4|7\nresto=)\n"},
      {'r', "[] (4;7;1)\n", "1 ?|Nenhum|-1|-1\nresto=] (4;7;1)\n"},
      {'r', "(4;7;1)\n", "1 ?|Nenhum|-1|-1\nresto=(4;7;1)\n"},
      // A name longer than 299 characters is not stored.
      {'r', "[" + longo + "] (1;2;3)\n", "1 ?|Nenhum|-1|-1\nresto=x] (1;2;3)\n"},
      {'r', "", "1 ?|Nenhum|-1|-1\nresto="},
      {'t', "[Cozinha] (15.5;2)\n", "1 Cozinha|15.5|2\nresto="},
      {'t', "[Banheiro] (x;2)\n", "1 Banheiro|-1|-1\nresto=x;2)\n"},
      {'t', "[Sauna] (1e3;2147483647)", "1 Sauna|1000|2147483647\nresto="},
      {'t', "[" + longo + "] (1;2)\n", "1 ?|-1|-1\nresto=x] (1;2)\n"},
  };
  for (const auto& c : casos) EXPECT_EQ(Transcreve(c.linha, std::string(1, c.leitor)), c.esperado);
  // The level names, by their code.
  const char* const niveis[] = {"Nenhum", "Ocasional",    "Alguns", "Consider\xE1vel",
                                "Grande", "Muito Grande", "--"};
  for (int k = 0; k < 7; ++k) {
    EXPECT_EQ(Transcreve(Formata("[N] (%d;1;%d)\n", k, k), "r"),
              Formata("1 N|%s|%d|1\nresto=", niveis[k], k));
  }
}

TEST_F(TabelasVentilacao, HeadersFailShortAndNothingWithoutAStream) {
  // The count line's two line ends are any white space; a cut count fails.
  const std::vector<std::pair<std::string, std::string>> casos = {
      {"[Quantidade de Modelos = 7]", "inicio 1 7\ncab 0 -1,-1\nresto="},
      {"[Quantidade de Modelos = 7]\n\n\n  [4,5]\n", "inicio 1 7\ncab 1 4,5\nresto="},
      {"[Quantidade de Modelos = ]\n", "inicio 0 -1\ncab 0 -1,-1\nresto=]\n"},
      {"[Quantidade de Modelos = 2147483647]\n[3,]\n",
       "inicio 1 2147483647\ncab 0 3,-1\nresto=]\n"},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(Transcreve(c.first, "i c"), c.second);
  }
  float linha[7];
  char nome[kTam], nivel[13];
  int a, b;
  float f;
  EXPECT_FALSE(geren->Le_Inicio(&a));
  EXPECT_FALSE(geren->Le_Cabecalho_Ventilacao(&a, &b));
  EXPECT_FALSE(geren->Le_Registro_Ventilacao(linha, 4));
  EXPECT_FALSE(geren->Le_Racao_de_Ar(nome, nivel, &a, &b));
  EXPECT_FALSE(geren->Le_Trocas_de_Ar(nome, &f, &a));
}

}  // namespace
