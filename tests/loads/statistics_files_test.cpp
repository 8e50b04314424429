// Statistics files: every file kind saved and loaded back byte for byte, cut
// short at record boundaries and inside records, and given counts that no
// saver writes.
#include <climits>
#include <cstdint>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "support/fixture.h"

namespace {

using G = TGeren_ArquivoAux;

std::string Bytes(const void* p, size_t n) { return std::string(static_cast<const char*>(p), n); }
std::string Int32(int32_t v) { return Bytes(&v, 4); }

// A record whose every byte depends on k and on its position, so that a
// record stored in the wrong place or cut short shows.
template <class T>
T Registro(int k) {
  T r;
  auto* b = reinterpret_cast<unsigned char*>(&r);
  for (size_t i = 0; i < sizeof r; ++i) b[i] = static_cast<unsigned char>(k * 37 + i * 11 + 1);
  return r;
}

template <class T>
std::vector<std::string> Imagens(TLista<T>& lista) {
  std::vector<std::string> v;
  for (int i = 1; i <= lista.Numero_Elementos(); ++i)
    v.push_back(Bytes(lista.R_No(i)->R_Dado(), sizeof(T)));
  return v;
}

template <class T>
void Preenche(TLista<T>* lista, int n) {
  for (int k = 0; k < n; ++k) lista->Adiciona(new T(Registro<T>(k)));
}

constexpr short kFlag_1 = 0x1234, kFlag_2 = -2;
constexpr int kAnual = 99;  // the k of every annual record

// What a loader gave: its result, the annual record (reports) and the
// records it appended, as bytes.
struct Carga {
  int resultado = 0;
  std::string anual;
  std::vector<std::string> registros;
};

// One file kind: the bytes before its annual record (the flags), that record
// (none for list files), the image of record k, how it saves records 0 to
// n - 1 at a path, how it loads the current stream, and its result for a
// whole file of n records.
struct Tipo {
  const char* nome;
  std::string flags, anual;
  std::function<std::string(int)> imagem;
  std::function<bool(G*, const std::string&, int)> salva;
  std::function<Carga(G*)> carrega;
  std::function<int(int)> esperado;
};

template <class T>
std::string Imagem(int k) {
  const T r = Registro<T>(k);
  return Bytes(&r, sizeof r);
}

// The list files have no annual record: Nada stands for it.
struct Nada {};

template <class A, class M>
Tipo Monta(const char* nome, std::string flags,
           std::function<bool(G*, const char*, TLista<M>*, const A*)> salva,
           std::function<int(G*, TLista<M>*, A*)> carrega, std::function<int(int)> esperado) {
  constexpr bool kSem_Anual = std::is_same_v<A, Nada>;
  return {nome,
          flags,
          kSem_Anual ? "" : Imagem<A>(kAnual),
          Imagem<M>,
          [salva](G* g, const std::string& c, int n) {
            TLista<M> l(true);
            Preenche(&l, n);
            const A a = Registro<A>(kAnual);
            return salva(g, c.c_str(), &l, &a);
          },
          [carrega](G* g) {
            TLista<M> l(true);
            A a{};
            Carga c;
            c.resultado = carrega(g, &l, &a);
            if (!kSem_Anual) c.anual = Bytes(&a, sizeof a);
            c.registros = Imagens(l);
            return c;
          },
          esperado};
}

const std::function<int(int)> kConta = [](int n) { return n; };
const std::function<int(int)> kUm = [](int) { return 1; };

// A list file saved at a path and loaded into a list, its result the count.
template <class M>
Tipo Lista(const char* nome, bool (G::*salva)(const char*, TLista<M>*),
           int (G::*carrega)(TLista<M>*)) {
  return Monta<Nada, M>(
      nome, "",
      [salva](G* g, const char* c, TLista<M>* l, const Nada*) { return (g->*salva)(c, l); },
      [carrega](G* g, TLista<M>* l, Nada*) { return (g->*carrega)(l); }, kConta);
}

std::vector<Tipo> Tipos() {
  using DH = TDemanda_Consumo_Mensal_HVAC;
  using CA = TCarga_Termica_Anual;
  using CM = TCarga_Termica_Mensal;
  using GA = TGanho_Termico_Anual;
  using GM = TGanho_Termico_Mensal;
  return {
      Lista<TDemanda_Consumo_Mensal>("demand", &G::Grava_Demanda_Consumo,
                                     &G::Carrega_Demanda_Consumo),
      // The HVAC saver writes on the current stream.
      Monta<Nada, DH>(
          "hvac demand", "",
          [](G* g, const char* c, TLista<DH>* l, const Nada*) {
            const int f = g->Abre_Arquivo(c, "wb");
            const bool ok = g->Grava_Demanda_Consumo_HVAC(l);
            g->Fecha_Arquivo(f);
            return ok;
          },
          [](G* g, TLista<DH>* l, Nada*) { return int(g->Carrega_Demanda_Consumo_HVAC(l)); },
          [](int n) { return int(n > 0); }),
      Lista<TEstatistica_Mensal>("statistics", &G::Grava_Estatisticas, &G::Carrega_Estatisticas),
      Monta<CA, CM>(
          "loads", Bytes("\x34\x12\xfe\xff", 4),
          [](G* g, const char* c, TLista<CM>* l, const CA* a) {
            return g->Salva_Relatorio_CargasTermicas(c, l, a, kFlag_1, kFlag_2);
          },
          [](G* g, TLista<CM>* l, CA* a) {
            short f1 = 0, f2 = 0;
            const bool r = g->Carrega_Relatorio_CargasTermicas(l, a, &f1, &f2);
            // Flags read are the ones stored.
            EXPECT_TRUE((f1 == 0 || f1 == kFlag_1) && (f2 == 0 || f2 == kFlag_2));
            return int(r && f1 == kFlag_1 && f2 == kFlag_2);
          },
          kUm),
      Monta<GA, GM>(
          "gains", "",
          [](G* g, const char* c, TLista<GM>* l, const GA* a) {
            return g->Salva_Relatorio_GanhosTermicos(c, l, a);
          },
          [](G* g, TLista<GM>* l, GA* a) { return int(g->Carrega_Relatorio_GanhosTermicos(l, a)); },
          kUm),
  };
}

// The whole file of records 0 to n - 1 under a stored count.
std::string Arquivo(const Tipo& t, int32_t contagem, int n) {
  std::string b = t.flags + t.anual + Int32(contagem);
  for (int k = 0; k < n; ++k) b += t.imagem(k);
  return b;
}

class StatisticsFilesTest : public ArqauxTest {
 protected:
  Carga Carrega(const Tipo& t, const std::string& bytes) {
    // A fresh file each time: rewriting one in place waits for the disk.
    std::remove(Caminho("estat.bin").c_str());
    Escreve_Arquivo(Caminho("estat.bin"), bytes);
    EXPECT_EQ(geren->Abre_Arquivo(Caminho("estat.bin").c_str(), "rb"), 1);
    Carga c = t.carrega(geren);
    geren->Fecha_Todos();
    return c;
  }
};

// Saved bytes are the flags, the annual record, the count and the records in
// list order; loading gives back every record. No months is 4 zero bytes
// after the annual record, which the list loaders give as failure (0) and
// the report loaders as success.
TEST_F(StatisticsFilesTest, RoundTripsEveryKind) {
  for (const Tipo& t : Tipos()) {
    for (int n : {0, 1, 3, 12}) {
      SCOPED_TRACE(std::string(t.nome) + " x" + std::to_string(n));
      ASSERT_TRUE(t.salva(geren, Caminho("salvo.bin"), n));
      const std::string salvo = Le_Arquivo(Caminho("salvo.bin"));
      EXPECT_EQ(salvo, Arquivo(t, n, n));
      const Carga c = Carrega(t, salvo);
      EXPECT_EQ(c.resultado, t.esperado(n));
      EXPECT_EQ(c.anual, t.anual);
      std::string registros;
      for (const auto& r : c.registros) registros += r;
      EXPECT_EQ(t.flags + t.anual + Int32(n) + registros, salvo);
    }
  }
}

// A file cut anywhere loads the whole records before the cut and fails; only
// the whole file succeeds. The list files are cut at every byte; the report
// files, whose records are kilobytes long, around every boundary and at a
// stride inside the records.
TEST_F(StatisticsFilesTest, CutFilesLoadTheWholeRecordsBeforeTheCut) {
  for (const Tipo& t : Tipos()) {
    SCOPED_TRACE(t.nome);
    const std::string inteiro = Arquivo(t, 3, 3);
    const size_t dados = t.flags.size() + t.anual.size() + 4, registro = t.imagem(0).size();
    std::vector<size_t> cortes;
    for (size_t c = 0; c < inteiro.size(); ++c) {
      const size_t r = (c - dados) % registro;
      const bool borda = c < dados ? c < 8 || c + 3 > dados : r < 3 || r + 3 > registro;
      if (t.anual.empty() || borda || c % 97 == 0) {
        cortes.push_back(c);
      }
    }
    std::string falhas;
    for (size_t c : cortes) {
      const Carga carga = Carrega(t, inteiro.substr(0, c));
      const size_t inteiros = c < dados ? 0 : (c - dados) / registro;
      bool certo = carga.resultado == 0 && carga.registros.size() == inteiros;
      for (size_t k = 0; certo && k < inteiros; ++k) certo = carga.registros[k] == t.imagem(k);
      if (!certo) falhas += " " + std::to_string(c);
    }
    EXPECT_EQ(falhas, "") << "cuts that did not load their whole records and fail";
    EXPECT_EQ(Carrega(t, inteiro).resultado, t.esperado(3));
  }
}

// A count that promises more than the file holds loads what is there and
// fails (memory follows the file, not the count); a negative count fails
// with nothing loaded; bytes after the last record are not read.
TEST_F(StatisticsFilesTest, HostileCounts) {
  struct Caso {
    int32_t contagem;
    int registros;  // records in the file
    size_t carregados;
    bool completo;  // the load succeeds
  } const kCasos[] = {
      {INT32_MAX, 2, 2, false}, {-1, 2, 0, false}, {INT32_MIN, 0, 0, false}, {1, 2, 1, true}};
  for (const Tipo& t : Tipos()) {
    for (const Caso& c : kCasos) {
      SCOPED_TRACE(std::string(t.nome) + " " + std::to_string(c.contagem));
      const Carga carga = Carrega(t, Arquivo(t, c.contagem, c.registros));
      EXPECT_EQ(carga.resultado, c.completo ? t.esperado(c.contagem) : 0);
      EXPECT_EQ(carga.registros.size(), c.carregados);
    }
  }
}

// A path that cannot be created is false, and no other open file is touched;
// loaders without a current stream fail.
TEST_F(StatisticsFilesTest, SaversAndLoadersWithoutAFile) {
  for (const Tipo& t : Tipos()) {
    SCOPED_TRACE(t.nome);
    if (t.nome != std::string("hvac demand")) {
      ASSERT_EQ(geren->Abre_Arquivo(Caminho("outro").c_str(), "wb"), 1);
      EXPECT_FALSE(t.salva(geren, Caminho("falta/x.bin"), 2));
      geren->Fecha_Todos();
      EXPECT_EQ(Le_Arquivo(Caminho("outro")), "");
    }
    EXPECT_EQ(t.carrega(geren).resultado, 0);
  }
  TLista<TDemanda_Consumo_Mensal_HVAC> l(true);
  EXPECT_FALSE(geren->Grava_Demanda_Consumo_HVAC(&l));
}

}  // namespace
