#include <algorithm>
#include <climits>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "catalogues/catalogo.h"
#include "support/corte.h"
#include "support/fixture.h"
#include "support/texto_config.h"

namespace {

const std::string kContagem = "[N\xBA Registros = ";

// One catalogue kind driven through its public operations on stream 1 (the
// fan curves on the current stream, which is stream 1 too).
struct Tipo {
  const char* nome;
  std::string texto;  // two records, as saved
  int valores;        // values of a record's value line
  // Saves the two records of the text; returns the saver's result.
  std::function<int(TGeren_ArquivoAux*, int count)> salva;
  // Loads the next record into a scratch record; the loader's result, and
  // whether the record equals the k-th of the text.
  std::function<int(TGeren_ArquivoAux*, int k, bool* igual)> carrega;
};

// The text of a catalogue of registros: the count line, then each record's
// name line and, between braces, its values ("%f") or its curves' names.
template <class R>
std::string Texto(const std::vector<R>& registros, int valores) {
  std::string t = kContagem + std::to_string(registros.size()) + "]\n";
  for (const R& r : registros) {
    t += "[" + std::string(r.Nome) + "]\n{";
    const char* campos = reinterpret_cast<const char*>(&r) + sizeof r.Nome;
    for (int k = 0; k < valores; ++k) {
      t += k > 0 ? "," : "";
      if constexpr (std::is_same_v<R, Equip>) {
        t += "[" + std::string(campos + k * sizeof r.Nome) + "]";
      } else {
        t += Formata("%f", reinterpret_cast<const float*>(campos)[k]);
      }
    }
    t += "}\n";
  }
  return t;
}

using G = TGeren_ArquivoAux;
template <class R>
Tipo Monta(const char* nome, int valores, std::vector<R> registros,
           std::function<int(G*, int, int, R*)> salva, std::function<int(G*, int, R*)> carrega) {
  auto v = std::make_shared<std::vector<R>>(registros);
  return {nome, Texto(registros, valores), valores,
          [v, salva](G* g, int c) { return salva(g, 1, c, v->data()); },
          [v, carrega](G* g, int k, bool* igual) {
            R r{};
            const int x = carrega(g, 1, &r);
            *igual = k < 2 && std::memcmp(&r, &(*v)[k], sizeof(R)) == 0;
            return x;
          }};
}

std::vector<Tipo> Tipos() {
  std::vector<Tipo> t;
  t.push_back(Monta<Serpentina>(
      "coil", 16,
      {{"SAG-01", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16.5f}},
       {"Serpentina de 19 c", {-0.125f, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1e6f}}},
      &G::Salva_Serpentinas, &G::Carrega_Serpentinas));
  t.push_back(Monta<Equip>(
      "chiller", 3,
      {{"Centrifugo 300TR", "CAP-300", "EIRT-300", "EIRPLR-300"}, {"Parafuso", "C", "E T", "x"}},
      &G::Salva_Equip_Chiller, &G::Carrega_Equip_Chiller));
  t.push_back(Monta<Curva_CAP>(
      "capacity", 6,
      {{"CAP-300", {0.257896f, 0.038988f, -0.000219f, 0.046752f, -0.000943f, 0.000384f}},
       {"CAP-150", {1, 0, 0, 0, 0, 2.5f}}},
      &G::Salva_Curvas_CAP, &G::Carrega_Curvas_CAP));
  t.push_back(Monta<Curva_EIRT>(
      "efficiency by temperature", 6,
      {{"EIRT-300", {0.933884f, -0.058212f, 0.004506f, 0.002433f, 0.000486f, -0.001215f}},
       {"EIRT-150", {0.5f}}},
      &G::Salva_Curvas_EIRT, &G::Carrega_Curvas_EIRT));
  t.push_back(Monta<Curva_EIRPLR>("efficiency by part load", 3,
                                  {{"EIRPLR-300", {0.222903f, 0.313387f, 0.46371f}}, {"P", {1}}},
                                  &G::Salva_Curvas_EIRPLR, &G::Carrega_Curvas_EIRPLR));
  // The fan curves act on the current stream.
  t.push_back(Monta<Curvas_Vent>(
      "fan curve", 4, {{"VENT-A", {0.35071f, 0.30850f, -0.54137f, 0.87198f}}, {"VENT-B", {1}}},
      [](G* g, int, int c, Curvas_Vent* r) { return g->Salva_Curvas_Ventilador(c, r); },
      [](G* g, int, Curvas_Vent* r) { return g->Carrega_Curvas_Ventilador(r); }));
  return t;
}

class CatalogosChiller : public ArqauxTest {
 protected:
  std::string Arquivo() const { return Caminho("catalogo.txt"); }

  // Counts and load results of texto read as the editor does, at most three
  // loads; whether every loaded record equals the saved one.
  std::vector<int> Carrega(const Tipo& t, const std::string& texto, bool* iguais = nullptr) {
    Abre_Para_Leitura(geren, Arquivo(), texto);
    std::vector<int> r = {geren->Le_Num_Registros(1)};
    bool todos = true;
    for (int k = 0; k < 3 && k < std::max(r[0], 1); ++k) {
      bool igual = false;
      r.push_back(t.carrega(geren, k, &igual));
      todos = todos && (igual || r.back() == -1);
    }
    geren->Fecha_Todos();
    if (iguais != nullptr) *iguais = todos;
    return r;
  }
};

TEST_F(CatalogosChiller, SaveByteForByteAndLoadBack) {
  for (const Tipo& t : Tipos()) {
    int r = 0;
    EXPECT_EQ(Texto_Gravado(geren, Arquivo(), [&] { r = t.salva(geren, 2); }), t.texto) << t.nome;
    const size_t ultima = t.texto.rfind('\n', t.texto.size() - 2);
    EXPECT_EQ(r, static_cast<int>(t.texto.size() - ultima - 1)) << t.nome;
    bool iguais = false;
    EXPECT_EQ(Carrega(t, t.texto, &iguais), (std::vector<int>{2, t.valores, t.valores})) << t.nome;
    EXPECT_TRUE(iguais) << t.nome;
    EXPECT_EQ(Texto_Gravado(geren, Arquivo(), [&] { r = t.salva(geren, 0); }), kContagem + "0]\n")
        << t.nome;
    EXPECT_EQ(r, 0) << t.nome;
  }
}

TEST_F(CatalogosChiller, LoadsEdgesAndRefusesHostileText) {
  for (const Tipo& t : Tipos()) {
    const std::string doc = t.texto;
    size_t nome2 = 0;
    for (int k = 0; k < 3; ++k) nome2 = doc.find('\n', nome2) + 1;
    std::string longo = doc;
    longo.insert(nome2 + 1, std::string(19, 'n'));  // the second name, 20 characters at least
    // A record reads whole from the first character of its last value on.
    const size_t ultimo = std::max(doc.rfind(','), doc.rfind("],[") + 2) + 2;
    std::string ruim = doc;
    ruim[ultimo - 1] = ']';  // no number, no name
    const struct {
      const char* caso;
      std::string texto;
      std::vector<int> esperado;
    } casos[] = {
        {"count beyond the records",
         kContagem + "3]" + doc.substr(kContagem.size() + 2),
         {3, t.valores, t.valores, -1}},
        // The count is reported as read; the loads end at the end of the data.
        {"count 2^31 - 1",
         kContagem + "2147483647]" + doc.substr(kContagem.size() + 2),
         {INT_MAX, t.valores, t.valores, -1}},
        {"cut after the first record", doc.substr(0, nome2), {2, t.valores, -1}},
        {"negative count", kContagem + "-1]" + doc.substr(kContagem.size() + 2), {-1, t.valores}},
        {"20-character name", longo, {2, t.valores, 0}},
        {"a value that is not a number", ruim, {2, t.valores, 0}},
        {"empty catalogue", kContagem + "0]\n", {0, -1}},
    };
    for (const auto& c : casos) EXPECT_EQ(Carrega(t, c.texto), c.esperado) << t.nome << c.caso;
    const std::vector<bool> lidos = Corta_Em_Todo_Byte(geren, Arquivo(), doc, [&] {
      bool igual;
      return geren->Le_Num_Registros() == 2 && t.carrega(geren, 0, &igual) == t.valores &&
             t.carrega(geren, 1, &igual) == t.valores;
    });
    EXPECT_EQ(Le_Desde(lidos), ultimo) << t.nome;
  }
}

}  // namespace
