// A year of one-minute zone conditions: the cost of writing the
// temperature-humidity-comfort stream record by record, and of converting it
// into its text report. The conversion against its baselines is
// report_ratios.cpp.
#include <arqaux/arqaux.h>
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int kRegistros = 525600;  // minutes in a 365-day year
constexpr int kIntervalo = 60;
constexpr long kCabecalho = 7;

// A fresh temporary directory, removed with everything in it at exit.
class Pasta {
 public:
  Pasta() {
    std::string modelo = (fs::temp_directory_path() / "arqaux-report-bench-XXXXXX").string();
    if (mkdtemp(modelo.data()) != nullptr) caminho_ = modelo;
  }
  ~Pasta() {
    std::error_code ec;
    if (!caminho_.empty()) fs::remove_all(caminho_, ec);
  }
  std::string Arquivo(const char* nome) const { return caminho_ + "/" + nome; }
  bool Pronta() const { return !caminho_.empty(); }

 private:
  std::string caminho_;
};

Pasta& Pasta_Bench() {
  static Pasta pasta;
  return pasta;
}

// Writes the year's stream through the library: header, then one record per
// minute with every group present.
void Grava_Ano(const std::string& caminho) {
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  const int n = geren->Abre_Arquivo(caminho.c_str(), "wb");
  geren->Preenche_Cabecalho_Temp_Umi(n, true, true, true, 0);
  TReg_Climatico clima = {25.0f, 0.012f, 0, 0, 0, 0};
  for (int i = 0; i < kRegistros; ++i) {
    const float fase = static_cast<float>(i % 1440) / 1440.0f;
    geren->Grava_Temp_Umi(n, true, 18.0f + 8.0f * fase, true, 0.008f + 0.004f * fase, true,
                          -1.0f + 2.0f * fase, 5.0f + 20.0f * fase, &clima);
  }
  geren->Fecha_Arquivo(n);
}

// Converts the stream at origem into the report at destino through the
// library, as the host does after a run.
void Converte_Ano(const std::string& origem, const std::string& destino) {
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  TTempo inicio, fim;
  fim.Hora = 23, fim.Mes = 12, fim.Dia = 31;
  const int binario = geren->Abre_Arquivo(origem.c_str(), "rb");
  std::fseek(geren->ObtemArquivo(), kCabecalho, SEEK_SET);
  const int texto = geren->Abre_Arquivo(destino.c_str(), "wt");
  geren->Converte_Binario_Texto_TUPMV(binario, texto, true, true, true, true, true, true, &inicio,
                                      &fim, kIntervalo);
  geren->Fecha_Todos();
}

void BM_Grava_Temp_Umi(benchmark::State& state) {
  if (!Pasta_Bench().Pronta()) return state.SkipWithError("no temporary directory");
  const std::string binario = Pasta_Bench().Arquivo("ano.bin");
  for (auto _ : state) Grava_Ano(binario);
  state.SetItemsProcessed(state.iterations() * kRegistros);
}

void BM_Converte_TUPMV(benchmark::State& state) {
  if (!Pasta_Bench().Pronta()) return state.SkipWithError("no temporary directory");
  const std::string binario = Pasta_Bench().Arquivo("ano.bin");
  const std::string relatorio = Pasta_Bench().Arquivo("ano.txt");
  Grava_Ano(binario);
  for (auto _ : state) Converte_Ano(binario, relatorio);
  state.SetItemsProcessed(state.iterations() * kRegistros);
}

BENCHMARK(BM_Grava_Temp_Umi)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Converte_TUPMV)->Unit(benchmark::kMillisecond);

}  // namespace
