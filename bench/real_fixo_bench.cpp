// The cost of one fixed-point conversion of a float, in ns per value (counter
// "ns_por_valor", CPU time): the exact formatter against std::to_chars of the
// value as a double and against snprintf, at two and five decimals, over
// temperatures and humidity ratios as a zone-conditions report holds them.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <random>
#include <vector>

#include "engine/real_fixo.h"

namespace {

constexpr int kValores = 4096;

// Half air temperatures (10 to 35 C), half humidity ratios (4 to 20 g/kg).
const std::vector<float>& Valores() {
  static const std::vector<float> valores = [] {
    std::mt19937 gerador(2024);
    std::uniform_real_distribution<float> temperatura(10.0f, 35.0f);
    std::uniform_real_distribution<float> umidade(0.004f, 0.020f);
    std::vector<float> v;
    for (int i = 0; i < kValores / 2; ++i) {
      v.push_back(temperatura(gerador));
      v.push_back(umidade(gerador));
    }
    return v;
  }();
  return valores;
}

// Texts of these values are at most this long at five decimals.
constexpr size_t kTexto = 16;

// Runs converte(destino, valor, precisao) over every value per iteration,
// one text after the other as in a report line buffer.
template <typename F>
void Mede(benchmark::State& state, F converte) {
  const int precisao = static_cast<int>(state.range(0));
  std::vector<char> saida(kValores * kTexto + arqaux::kMaxTextoRealFixo);
  for (auto _ : state) {
    char* destino = saida.data();
    for (float v : Valores()) destino = converte(destino, v, precisao);
    benchmark::DoNotOptimize(destino);
    benchmark::ClobberMemory();
  }
  state.counters["ns_por_valor"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * kValores * 1e-9,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_Escreve_Real_Fixo(benchmark::State& state) {
  arqaux::TEspec_Fixo espec;
  espec.precisao = static_cast<int>(state.range(0));
  Mede(state, [&espec](char* destino, float v, int) {
    return arqaux::Escreve_Real_Fixo(destino, v, espec);
  });
}

void BM_To_Chars(benchmark::State& state) {
  Mede(state, [](char* destino, float v, int precisao) {
    return std::to_chars(destino, destino + arqaux::kMaxTextoRealFixo, static_cast<double>(v),
                         std::chars_format::fixed, precisao)
        .ptr;
  });
}

void BM_Snprintf(benchmark::State& state) {
  Mede(state, [](char* destino, float v, int precisao) {
    return destino + std::snprintf(destino, arqaux::kMaxTextoRealFixo, "%.*f", precisao,
                                   static_cast<double>(v));
  });
}

BENCHMARK(BM_Escreve_Real_Fixo)->Arg(2)->Arg(5);
BENCHMARK(BM_To_Chars)->Arg(2)->Arg(5);
BENCHMARK(BM_Snprintf)->Arg(2)->Arg(5);

}  // namespace
