// The extension under the Python package arqaux: the data layer's kinds,
// run folders, series and database export, handed to Python as plain
// values and numpy arrays. The package's Python half (arqaux/__init__.py)
// makes pandas tables of them; neither half reads a format itself.
//
// A failure of the library's becomes arqaux.Error (a ValueError) with the
// library's message, which names the file; a path that is not there,
// FileNotFoundError. The library's registry is one per process and not
// shared between threads: every call holds the interpreter's lock, so
// Python threads (dask's threaded scheduler) take turns.
#include <arqaux/dados.h>
#include <arqaux/version.h>
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <exception>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace py = pybind11;

namespace {

// What the library said of a file it could not read.
struct TErro_Arquivo : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Rows read from the library at a time.
constexpr size_t kLinhasBloco = 65536;
// The nanoseconds numpy's datetime64[ns] holds: about 292 years either side
// of 1970.
constexpr long long kMaxSegundosNs = INT64_MAX / 1000000000;

void Falha(const std::string& mensagem) { throw TErro_Arquivo(mensagem); }

// A path that is not there: FileNotFoundError, as open() raises it.
struct TNao_Encontrado : std::exception {
  explicit TNao_Encontrado(std::string c) : caminho(std::move(c)) {}
  std::string caminho;
};

// The kind of caminho as the library tells it (kind, when not empty, names
// it).
TDeteccao Conhece(const std::string& caminho, const std::string& tipo) {
  std::error_code ec;
  if (!std::filesystem::exists(caminho, ec)) throw TNao_Encontrado(caminho);
  TAmostra_Arquivo a;
  std::string erro;
  if (!Le_Amostra_Arquivo(caminho, &a, &erro)) Falha(erro);
  TDeteccao d = Detecta_Tipo(a, tipo);
  if (d.tipo == nullptr) Falha("cannot tell the kind of '" + caminho + "': " + d.erro);
  return d;
}

py::dict Tipo(const TTipo_Arquivo& t) {
  py::dict d;
  d["name"] = t.nome;
  d["description"] = t.descricao;
  d["readable"] = t.leitura != TLeitura::Nenhuma;
  d["command"] = t.comando;
  return d;
}

py::list Tipos() {
  py::list l;
  for (const TTipo_Arquivo& t : Tipos_Arquivo()) l.append(Tipo(t));
  return l;
}

// What detection told of a file: its kind and how it was told.
py::dict Tipo_Conhecido(const TDeteccao& d) {
  py::dict r = Tipo(*d.tipo);
  r["told_by"] = d.origem;
  return r;
}

py::dict Deteccao(const std::string& caminho, const std::string& tipo) {
  return Tipo_Conhecido(Conhece(caminho, tipo));
}

// A numpy array that owns v, without copying it.
template <typename T>
py::array_t<T> Array(std::vector<T>&& v, std::vector<py::ssize_t> forma) {
  auto* dono = new std::vector<T>(std::move(v));
  py::capsule libera(dono, [](void* p) { delete static_cast<std::vector<T>*>(p); });
  return py::array_t<T>(forma, dono->data(), libera);
}

// Every row of caminho: values (rows x columns, each as the CSV and the
// database hold it) and times (the end of each row's interval in year ano,
// as datetime64[ns]), with the columns, their units and quantities, the
// kind and the interval.
py::dict Le(const std::string& caminho, const std::string& tipo, int ano) {
  if (ano < 1 || ano > ULTIMO_ANO)
    Falha("year " + std::to_string(ano) + " is not one of 1 to 9999");
  const TDeteccao d = Conhece(caminho, tipo);
  std::string erro;
  std::unique_ptr<TSerie> s = Abre_Serie(caminho, d, 0, &erro);
  if (s == nullptr) Falha(erro);
  const size_t k = s->Colunas().size();
  std::vector<double> valores, bloco;
  std::vector<int64_t> tempos;
  std::vector<long long> segundos;
  while (s->Le_Bloco(kLinhasBloco, &bloco, &segundos) > 0) {
    for (double v : bloco) valores.push_back(Valor_Decimal(v));
    for (long long t : segundos) {
      if (!Cabe_No_Calendario(t, ano)) Falha(caminho + ": " + Falha_Calendario(ano));
      const long long desde_1970 = Segundos_Desde_1970(t, ano);
      if (desde_1970 > kMaxSegundosNs || desde_1970 < -kMaxSegundosNs) {
        Falha(caminho + ": its rows from year " + std::to_string(ano) +
              " fall outside the years pandas dates (1678 to 2261)");
      }
      tempos.push_back(desde_1970 * 1000000000);
    }
  }
  const std::string dano = Confere_Final(caminho, *s);
  if (!dano.empty()) Falha(dano);
  py::list nomes, unidades, grandezas;
  for (const TColuna& c : s->Colunas()) {
    nomes.append(c.nome);
    unidades.append(c.unidade);
    grandezas.append(c.grandeza);
  }
  const auto n = static_cast<py::ssize_t>(tempos.size());
  py::dict r = Tipo_Conhecido(d);
  r["columns"] = nomes;
  r["units"] = unidades;
  r["quantities"] = grandezas;
  r["interval"] = s->Intervalo();
  r["values"] = Array(std::move(valores), {n, static_cast<py::ssize_t>(k)});
  r["times"] = Array(std::move(tempos), {n}).attr("view")("datetime64[ns]");
  return r;
}

// The files of records of a run folder, in name order.
py::list Arquivos_Da_Execucao(const std::string& pasta) {
  TExecucao e;
  size_t ignorados = 0;
  std::string erro;
  if (!Lista_Execucao(pasta, &e, &ignorados, &erro)) Falha(erro);
  py::list l;
  for (const TArquivo_Execucao& a : e.arquivos) {
    py::dict f;
    f["path"] = a.caminho;
    f["file"] = std::filesystem::path(a.caminho).filename().string();
    f["kind"] = a.deteccao.tipo->nome;
    f["zone"] = a.zona.empty() ? py::object(py::none()) : py::str(a.zona);
    f["component"] = a.componente.empty() ? py::object(py::none()) : py::str(a.componente);
    l.append(f);
  }
  return l;
}

py::dict Para_SQLite(const std::vector<std::string>& pastas, const std::string& banco,
                     bool acrescentar, int ano) {
  TResumo_Banco resumo;
  std::string erro;
  if (!Exporta_Banco(pastas, banco, acrescentar, ano, &resumo, &erro)) Falha(erro);
  py::dict r;
  r["files"] = resumo.arquivos;
  r["skipped"] = resumo.ignorados;
  r["rows"] = resumo.linhas;
  return r;
}

}  // namespace

PYBIND11_MODULE(_arqaux, m) {
  m.doc() = "The arqaux library's data layer; use the package arqaux, not this module.";
  py::register_exception<TErro_Arquivo>(m, "Error", PyExc_ValueError);
  py::register_exception_translator([](std::exception_ptr p) {
    try {
      if (p) std::rethrow_exception(p);
    } catch (const TNao_Encontrado& e) {
      py::object erro = py::reinterpret_borrow<py::object>(PyExc_FileNotFoundError)(
          ENOENT, std::strerror(ENOENT), e.caminho);
      PyErr_SetObject(PyExc_FileNotFoundError, erro.ptr());
    }
  });
  m.attr("__version__") = ARQAUX_VERSION;
  m.def("kinds", &Tipos);
  m.def("detect", &Deteccao, py::arg("path"), py::arg("kind") = "");
  m.def("read", &Le, py::arg("path"), py::arg("kind") = "", py::arg("year") = 2001);
  m.def("run_files", &Arquivos_Da_Execucao, py::arg("folder"));
  m.def("to_sqlite", &Para_SQLite, py::arg("folders"), py::arg("path"), py::arg("append"),
        py::arg("year"));
}
