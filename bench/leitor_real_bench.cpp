// Reading a tab-separated text stream of "%f" values held in memory: the
// in-memory scanner against one fscanf per value (what a reader that keeps
// the stream in stdio pays) and against std::from_chars (the floor: no
// white-space or partial-match rules). Counter ns_por_valor: CPU time per value.
//
//   build/bench/bench/leitor_real_bench
#include <benchmark/benchmark.h>
#include <stdio.h>

#include <charconv>
#include <cstdio>
#include <random>
#include <string>

#include "engine/leitor_real.h"

namespace {

constexpr int kValores = 100000;

// kValores values of the size and precision results have, as "%f\t", ten to a line.
const std::string& Texto() {
  static const std::string texto = [] {
    std::mt19937 gerador(7);
    std::uniform_real_distribution<float> valor(-40.0f, 120.0f);
    std::string t;
    char numero[32];
    for (int i = 0; i < kValores; ++i) {
      std::snprintf(numero, sizeof numero, "%f%s", valor(gerador), i % 10 == 9 ? "\n" : "\t");
      t += numero;
    }
    return t;
  }();
  return texto;
}

// Reads the whole text with le_todos, which returns how many values it read,
// as many times as the benchmark asks.
template <class F>
void Mede(benchmark::State& state, F le_todos) {
  const std::string& texto = Texto();
  int lidos = 0;
  for (auto _ : state) lidos = le_todos(texto.data(), texto.data() + texto.size());
  if (lidos != kValores) state.SkipWithError("not every value was read");
  state.counters["ns_por_valor"] = benchmark::Counter(
      kValores, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_Le_Real(benchmark::State& state) {
  Mede(state, [](const char* p, const char* fim) {
    float valor = 0.0f;
    int lidos = 0;
    for (; arqaux::Le_Real(p, fim, &valor, &p) == arqaux::TResultado_Real::Convertido; ++lidos) {
      benchmark::DoNotOptimize(valor);
    }
    return lidos;
  });
}
BENCHMARK(BM_Le_Real);

void BM_Fscanf(benchmark::State& state) {
  Mede(state, [](const char* p, const char* fim) {
    FILE* arq = fmemopen(const_cast<char*>(p), static_cast<size_t>(fim - p), "r");
    float valor = 0.0f;
    int lidos = 0;
    for (; std::fscanf(arq, "%f", &valor) == 1; ++lidos) benchmark::DoNotOptimize(valor);
    std::fclose(arq);
    return lidos;
  });
}
BENCHMARK(BM_Fscanf);

void BM_From_Chars(benchmark::State& state) {
  Mede(state, [](const char* p, const char* fim) {
    float valor = 0.0f;
    int lidos = 0;
    for (; p != fim; ++lidos) {
      p = std::from_chars(p, fim, valor).ptr + 1;  // past the value and its separator
      benchmark::DoNotOptimize(valor);
    }
    return lidos;
  });
}
BENCHMARK(BM_From_Chars);

}  // namespace
