// Cost of selecting a stream by number with many files registered: every
// stream-number operation pays it once per call, and a simulation makes one
// such call per stream per step.
#include <arqaux/arqaux.h>
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

// Registers n open text files in a fresh temporary directory; removes them
// all on destruction.
class Registro_Cheio {
 public:
  explicit Registro_Cheio(int n) {
    std::string modelo = (fs::temp_directory_path() / "arqaux-bench-XXXXXX").string();
    if (mkdtemp(modelo.data()) == nullptr) return;
    pasta_ = modelo;
    geren_->Fecha_Todos();
    for (int i = 0; i < n; ++i) {
      const std::string caminho = pasta_ + "/f" + std::to_string(i) + ".txt";
      if (geren_->Abre_Arquivo(caminho.c_str(), "wt") == 0) return;
    }
    pronto_ = geren_->Numero_Arquivos() == n;
  }
  ~Registro_Cheio() {
    geren_->Fecha_Todos();
    std::error_code ec;
    if (!pasta_.empty()) fs::remove_all(pasta_, ec);
  }
  bool Pronto() const { return pronto_; }

 private:
  TGeren_ArquivoAux* geren_ = Geren_ArqAux();
  std::string pasta_;
  bool pronto_ = false;
};

// Arguments: number of registered files, and 0 to select the first or 1 the last.
void Argumentos(benchmark::internal::Benchmark* b) {
  for (int n : {10, 100, 1000, 3000}) {
    for (int ultimo : {0, 1}) b->Args({n, ultimo});
  }
}

// Selects and writes nothing: the selection alone.
void BM_Salva_Texto_Generico(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Registro_Cheio registro(n);
  if (!registro.Pronto()) return state.SkipWithError("cannot register the files");
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  const int alvo = state.range(1) != 0 ? n : 1;
  for (auto _ : state) geren->Salva_Texto_Generico(alvo, "");
}
BENCHMARK(BM_Salva_Texto_Generico)->Apply(Argumentos);

// Alternates between two streams, so the current stream really changes.
void BM_Muda_Arquivo(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Registro_Cheio registro(n);
  if (!registro.Pronto()) return state.SkipWithError("cannot register the files");
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  const int alvo = state.range(1) != 0 ? n : 1;
  for (auto _ : state) {
    geren->Muda_Arquivo(alvo);
    geren->Muda_Arquivo(alvo == 1 ? 2 : n - 1);
    benchmark::DoNotOptimize(geren->ObtemArquivo());
  }
}
BENCHMARK(BM_Muda_Arquivo)->Apply(Argumentos);

// Cycling against repeating, in the same run: each iteration makes n
// selections, either of every stream in turn (argument 1) or of stream 1 n
// times (argument 0). The ratio of the two is what touching n different
// entries and streams costs over touching one; a simulation cycles.
// Salva_Texto_Generico writes nothing, so both select and reach the stream;
// Muda_Arquivo selects alone.
template <void (*Seleciona)(TGeren_ArquivoAux*, int)>
void BM_Ciclo(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Registro_Cheio registro(n);
  if (!registro.Pronto()) return state.SkipWithError("cannot register the files");
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  const bool cicla = state.range(1) != 0;
  for (auto _ : state) {
    for (int i = 1; i <= n; ++i) Seleciona(geren, cicla ? i : 1);
    benchmark::DoNotOptimize(geren->ObtemArquivo());
  }
  state.SetItemsProcessed(state.iterations() * n);
}
void Salva_Nada(TGeren_ArquivoAux* geren, int n) { geren->Salva_Texto_Generico(n, ""); }
void Muda(TGeren_ArquivoAux* geren, int n) { geren->Muda_Arquivo(n); }
BENCHMARK_TEMPLATE(BM_Ciclo, Salva_Nada)->ArgsProduct({{3000}, {0, 1}});
BENCHMARK_TEMPLATE(BM_Ciclo, Muda)->ArgsProduct({{3000}, {0, 1}});

}  // namespace
