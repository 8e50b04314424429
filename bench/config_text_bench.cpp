// Writing and reading a zone's internal-gain block: the cost of the line
// tables (format walk, derived scan patterns) over stdio.
//
//   build/h3/bench/config_text_bench
#include <arqaux/arqaux.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace {

// A list of n gains, one of each kind in turn, each with a two-period schedule.
void Preenche(TLista<TGanho>* ganhos, int n) {
  for (int i = 0; i < n; ++i) {
    TIntervalos* h = new TIntervalos;
    h->Adiciona_Intervalo(new TIntervalo(1, 5, 8, 17, 0, 1800));
    h->Adiciona_Intervalo(new TIntervalo(6, 7, 0, 23, 0, 3540));
    switch (i % 3) {
      case 0:
        ganhos->Adiciona(new TPessoas(4, h, 1.75f, 70.5f, 1.2, 55.0f, 75.0f, 0.4f, true));
        break;
      case 1:
        ganhos->Adiciona(new TEquipamento(2, h, 150.0f, 100.0f, 10.0f, 7, 0.6f, false));
        break;
      default:
        ganhos->Adiciona(new TGeracao_Vapor(2, h, 1.5e-4f, 35.125f, 120.0f));
    }
  }
}

std::string Arquivo() { return "/tmp/arqaux_config_text_bench_" + std::to_string(getpid()); }

void BM_Grava_Ganhos(benchmark::State& state) {
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  TLista<TGanho> ganhos(true);
  Preenche(&ganhos, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    geren->Abre_Arquivo(Arquivo().c_str(), "wb");
    geren->Grava_Ganho_Interno_ZonaX(&ganhos, 1);
    geren->Fecha_Todos();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  std::remove(Arquivo().c_str());
}
BENCHMARK(BM_Grava_Ganhos)->Arg(100)->Arg(10000);

void BM_Le_Ganhos(benchmark::State& state) {
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  {
    TLista<TGanho> ganhos(true);
    Preenche(&ganhos, static_cast<int>(state.range(0)));
    geren->Abre_Arquivo(Arquivo().c_str(), "wb");
    geren->Grava_Ganho_Interno_ZonaX(&ganhos, 1);
    geren->Fecha_Todos();
  }
  for (auto _ : state) {
    TLista<TGanho> lidos(true);
    geren->Abre_Arquivo(Arquivo().c_str(), "rb");
    benchmark::DoNotOptimize(geren->Le_Ganho_Interno_ZonaX(&lidos, 1));
    geren->Fecha_Todos();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  std::remove(Arquivo().c_str());
}
BENCHMARK(BM_Le_Ganhos)->Arg(100)->Arg(10000);

}  // namespace
