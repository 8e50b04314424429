// A text report passes over the values it does not show without converting
// them: where that is sure to end where the scan ends, and nowhere else, so
// its text is the full scan's whatever the unshown values hold.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "engine/leitor_real.h"
#include "engine/text_records.h"
#include "support/fixture.h"

namespace {

using namespace arqaux::literais;

// Each token, then a tab: passed over (the scan's end, the tab) or left to
// the scan.
TEST(PulaReal, PassesOverPlainDecimalsOnlyAndEndsWhereTheScanEnds) {
  const char* const pulados[] = {"12.500000", "-0.25", "+7", "3.", ".5", "  \n 42", "0"};
  const char* const escaneados[] = {"1e3", "inf", "-nan", "0x1p3", "12abc", "1.2.3", "-",
                                    ".",   "",    "+-1",  "1e",    "x",     "5,5"};
  std::string esperado, obtido;
  for (const char* token : pulados) esperado += std::string(token) + ": pulado\n";
  for (const char* token : escaneados) esperado += std::string(token) + ": escaneado\n";
  // Alone, and with room after it for the pass that looks at sixteen
  // characters at once: the same answer.
  const auto resposta = [](const std::string& texto) -> std::string {
    const char* fim = texto.data() + texto.size();
    const char* pulo = arqaux::Pula_Real(texto.data(), fim);
    float v;
    const char* parada;
    const bool convertido =
        arqaux::Le_Real(texto.data(), fim, &v, &parada) == arqaux::TResultado_Real::Convertido;
    if (pulo == nullptr) return ": escaneado\n";
    return convertido && pulo == parada && *pulo == '\t' ? ": pulado\n"
                                                         : ": pulado, mas o scan difere\n";
  };
  const auto confere = [&](const char* token) {
    const std::string curto = resposta(std::string(token) + "\t");
    const std::string longo = resposta(std::string(token) + "\t" + std::string(16, ' '));
    obtido += token + (curto == longo ? curto : ": os dois passos diferem\n");
  };
  for (const char* token : pulados) confere(token);
  for (const char* token : escaneados) confere(token);
  // A value that the end of the text cuts may go on: only the scan can tell.
  const char cortado[] = "12.5";
  obtido += arqaux::Pula_Real(cortado, cortado + 4) == nullptr ? "" : "cortado: pulado\n";
  EXPECT_EQ(esperado, obtido);
}

// Lines of five values of which the report shows the second and the fourth;
// each row puts odd text in an unshown place, or a shown one.
class ValoresPuladosTest : public ArqauxTest {
 protected:
  // The report of the stream's text, through Escreve_Linhas_Texto (which
  // passes over unshown values) or through lines that convert every value.
  std::string Relatorio(const std::string& texto, bool todos) {
    Escreve_Arquivo(Caminho("d.txt"), texto);
    FILE* arq[2] = {std::fopen(Caminho("d.txt").c_str(), "rb"),
                    std::fopen(Caminho("r.txt").c_str(), "wb")};
    const arqaux::TSeletor seletor(
        [&arq](int n) { return n == 1 || n == 2 ? arq[n - 1] : nullptr; });
    arqaux::TDescricao_Relatorio descricao;
    descricao.num_valores = 5;
    descricao.colunas = {{"[B] "_rotulo, 1, "%.2f\t"_linha, "%.2f\t"_media},
                         {"[D] "_rotulo, 3, "%.3f\t"_linha, "%.3f"_media}};
    const arqaux::TRelatorio_Amostrado relatorio(descricao, seletor);
    const arqaux::TRegistro_Binario registro = arqaux::Registro_Linha({0, 1, 2, 3, 4}, 5, true);
    TTempo inicio;
    if (todos) {
      arqaux::TLinhas_Texto linhas(seletor.seleciona, 1, 5);
      relatorio.Escreve_Linhas(
          [&linhas](unsigned char* bloco, size_t capacidade) {
            return linhas.Preenche(bloco, capacidade);
          },
          2, registro, inicio, 1200);
    } else {
      arqaux::Escreve_Linhas_Texto(relatorio, seletor, 1, 5, 2, registro, inicio, 1200);
    }
    std::fclose(arq[0]);
    std::fclose(arq[1]);
    return Le_Arquivo(Caminho("r.txt"));
  }
};

TEST_F(ValoresPuladosTest, ReportIsTheFullScansWhateverTheUnshownValuesHold) {
  const std::string boa = "1.000000\t2.000000\t3.000000\t4.000000\t5.000000\t\n";
  const char* const linhas[] = {
      "9.5\t2.25\t-7\t4.5\t.5\t\n",  // plain decimals of every shape
      "1e3\t2\tinf\t4\tnan\t\n",     // unshown values the scan converts
      "1e3x\t2\t3\t4\t5\t\n",        // an unshown value that does not scan
      "1\t2\t3\t4\t5\t6\t\n",        // one value too many
      "1\t2\t3abc 9\t4\t5\t\n",      // text glued to an unshown value
      "1\t2\t0x10\t4\t-\t\n",        // hexadecimal, and a lone sign
      "1\t2\t3\t4\t\n",              // a value missing
      "1\n2\n3\n4\n5\n",             // values over several lines
      "1\t2e1\t3\t4.0e-1\t5\t\n",    // exponents in the shown values
  };
  std::string esperado, obtido;
  for (const char* linha : linhas) {
    // Before and after the odd line, good lines, so that what follows it
    // shows too; the stream is cut in its last line.
    const std::string texto = boa + boa + linha + boa + boa + boa + "1.5\t2.5\t3";
    esperado += std::string(linha) + Relatorio(texto, true) + "\n";
    obtido += std::string(linha) + Relatorio(texto, false) + "\n";
  }
  EXPECT_EQ(esperado, obtido);
  EXPECT_NE(esperado.find("\t(Media da Hora : [2.00\t4.000]"), std::string::npos);
}

}  // namespace
