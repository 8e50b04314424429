// A run of unshown values is passed over many at a time: it must stop
// exactly where passing over the same values one at a time stops, whatever
// odd token the run holds and wherever in the 64-character window it lies.
#include <string>

#include "engine/leitor_real.h"
#include "support/fixture.h"

namespace {

// Where k passes over one value at a time end, and how many of them pass.
const char* Um_A_Um(const char* p, const char* fim, int k, int* passados) {
  *passados = 0;
  for (const char* q; *passados < k && (q = arqaux::Pula_Real(p, fim)) != nullptr; ++*passados) {
    p = q;
  }
  return p;
}

TEST(PulaReais, StopsWhereOneValueAtATimeStopsWhateverTheRunHolds) {
  // Each odd token goes at every place of a run of plain values, and the run
  // is passed over for every count: the many-at-a-time pass may stop sooner,
  // but only at a value the one-at-a-time pass reaches too, and it passes
  // over a whole run of plain values in one call.
  const char* const impares[] = {"1.5",
                                 "1..5",
                                 "-.",
                                 ".",
                                 "+",
                                 "3-4",
                                 "+-1",
                                 "1e3",
                                 "0x1",
                                 "inf",
                                 "5,5",
                                 "-0.",
                                 "\v.5",
                                 "12345678901234567890"
                                 "12345678901234567890"
                                 "12345678901234567890"
                                 "1234567"};
  std::string erros;
  for (const char* impar : impares) {
    for (int lugar = 0; lugar < 12; ++lugar) {
      std::string texto;
      for (int i = 0; i < 12; ++i) texto += (i == lugar ? impar : "-12.345678") + std::string("\t");
      texto += std::string(80, ' ');
      const char* fim = texto.data() + texto.size();
      for (int k = 1; k <= 12; ++k) {
        int rapidos, lentos, resto;
        const char* parada = arqaux::Pula_Reais(texto.data(), fim, k, &rapidos);
        const char* ate = Um_A_Um(texto.data(), fim, rapidos, &lentos);
        const char* final_rapido = Um_A_Um(parada, fim, k - rapidos, &resto);
        int todos;
        const char* final_lento = Um_A_Um(texto.data(), fim, k, &todos);
        if (lentos != rapidos || ate != parada || rapidos + resto != todos ||
            final_rapido != final_lento) {
          erros += std::string(impar) + " at " + std::to_string(lugar) + ", k " +
                   std::to_string(k) + "\n";
          break;
        }
      }
    }
  }
  EXPECT_EQ("", erros);
  // Plain values only: every one of a run in one call.
  const std::string plano = std::string(40, ' ') + "1.25\t-3\t+.5\t7.\t0\n" + std::string(64, ' ');
  int passados;
  arqaux::Pula_Reais(plano.data(), plano.data() + plano.size(), 5, &passados);
  EXPECT_EQ(5, passados);
}

}  // namespace
