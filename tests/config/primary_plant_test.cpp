#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "support/corte.h"
#include "support/fixture.h"
#include "support/texto_config.h"

namespace {

// Each kind's count-line and head-line labels, and what one item holds; the
// tank's floats and names (-1) come from its connections.
struct Tipo {
  int tipo;
  const char* contagem;
  const char* cabeca;
  int reais, inteiros, nomes;
};
const Tipo kTipos[] = {
    {1, "Chillers Ar", "Chiller Ar", 23, 7, 4},
    {2, "Chillers Agua", "Chiller Agua", 27, 10, 4},
    {3, "Torres Resf.", "Torre Resf.", 9, 6, 0},
    {4, "Boillers", "Boiler", 18, 10, 1},
    {5, "Bombas Aq.", "Bomba Aq.", 11, 6, 1},
    {6, "Bombas Ag.", "Bomba Ag.", 12, 6, 1},
    {7, "Bombas Cond.", "Bomba Cond.", 7, 6, 0},
    {8, "Tanque Agua Gelada", "Tanque", 10, 2, -1},
    {9, "Bombas Ag. Sec", "Bomba Ag. Sec", 12, 6, 1},
};

std::string Contagem(const Tipo& t, int n) {
  return std::string("[N\xBA ") + t.contagem + " = " + std::to_string(n) + "]\n";
}

// One item as the caller holds it: data, report settings, names.
struct Item {
  std::vector<float> dados;
  std::vector<int> conf;
  std::vector<std::string> nomes;

  std::vector<const char*> Ponteiros() const {
    std::vector<const char*> p;
    for (const std::string& n : nomes) p.push_back(n.c_str());
    return p;
  }
};

// Item i of kind t, its values all different; a tank gets i + 1 connections
// for i odd and none for i even.
Item Item_De(const Tipo& t, int i) {
  const int conexoes = t.nomes >= 0 ? 0 : (i % 2 == 1 ? i + 1 : 0);
  Item item;
  for (int k = 0; k < t.reais + 3 * conexoes; ++k)
    item.dados.push_back(t.tipo * 100 + i + k * 0.25f);
  if (t.nomes < 0) item.dados[5] = static_cast<float>(conexoes);
  for (int k = 0; k < t.inteiros; ++k) item.conf.push_back(k % 3 == 0 ? -k : k * 7);
  const int nomes = t.nomes >= 0 ? t.nomes : conexoes;
  for (int k = 0; k < nomes; ++k) item.nomes.push_back("Eq " + std::to_string(k) + " % [x");
  return item;
}

// The expected block of item i.
std::string Bloco(const Tipo& t, int i, const Item& item) {
  std::string b = std::string("   [") + t.cabeca + " " + std::to_string(i) + "]\n      {Dados:";
  char num[64];
  for (float d : item.dados) {
    std::snprintf(num, sizeof num, "%f,", d);
    b += num;
  }
  for (size_t k = 0; k < item.nomes.size(); ++k) b += (k > 0 ? ",[" : "[") + item.nomes[k] + "]";
  b += "}\n      {Conf_Rel:";
  for (int c : item.conf) b += std::to_string(c) + ",";
  return b + "}\n";
}

// Ten name buffers of exactly 20 bytes each, on the heap, so that a write
// past one shows up under the sanitizer build.
struct Nomes {
  std::unique_ptr<char[]> buf[10];
  char* p[10];
  Nomes() {
    for (int k = 0; k < 10; ++k) {
      buf[k].reset(new char[20]());
      std::strcpy(buf[k].get(), "antes");
      p[k] = buf[k].get();
    }
  }
};

class PlantaPrimaria : public ArqauxTest {
 protected:
  std::string Arquivo() const { return Caminho("sistema.hvac"); }

  // Kinds 1 to 9 with two items each, then an empty boiler kind.
  std::string Grava_Planta(const std::vector<std::vector<Item>>& itens) {
    return Texto_Gravado(geren, Arquivo(), [&] {
      for (size_t k = 0; k < itens.size(); ++k) {
        const int n = static_cast<int>(itens[k].size());
        for (int i = 1; i <= n; ++i) {
          const Item& it = itens[k][i - 1];
          EXPECT_TRUE(geren->Grava_Dados_Equips_Sist_Prim_HVAC(
              it.dados, it.conf, it.Ponteiros().data(), i, n, kTipos[k].tipo));
        }
      }
      EXPECT_TRUE(geren->Grava_Dados_Equips_Sist_Prim_HVAC({}, {}, nullptr, 0, 0, 4));
    });
  }

  // Reads the plant back from stream 1 in the order written; false at the
  // first count or item that does not read.
  bool Le_Planta(std::vector<std::vector<Item>>* itens) {
    itens->clear();
    for (const Tipo& t : kTipos) {
      const int n = geren->Le_Num_Reg_Equips_Sist_Prim_HVAC(1, t.tipo);
      if (n < 0) return false;
      itens->emplace_back();
      for (int i = 0; i < n; ++i) {
        Item item{std::vector<float>(40), std::vector<int>(10), {}};
        Nomes nomes;
        if (!geren->Le_Dados_Equips_Sist_Prim_HVAC(1, item.dados, item.conf, nomes.p, t.tipo))
          return false;
        const int num_nomes = t.nomes >= 0 ? t.nomes : static_cast<int>(item.dados[5]);
        item.dados.resize(t.reais + 3 * (t.nomes >= 0 ? 0 : num_nomes));
        item.conf.resize(t.inteiros);
        for (int k = 0; k < num_nomes; ++k) item.nomes.push_back(nomes.p[k]);
        itens->back().push_back(item);
      }
    }
    return geren->Le_Num_Reg_Equips_Sist_Prim_HVAC(1, 4) == 0;
  }
};

TEST_F(PlantaPrimaria, EveryKindItsBlocksReadBackAndEveryCut) {
  std::vector<std::vector<Item>> itens;
  std::string esperado;
  for (const Tipo& t : kTipos) {
    itens.push_back({Item_De(t, 1), Item_De(t, 2)});
    esperado += Contagem(t, 2) + Bloco(t, 1, itens.back()[0]) + Bloco(t, 2, itens.back()[1]);
  }
  esperado += Contagem(kTipos[3], 0);
  const std::string texto = Grava_Planta(itens);
  EXPECT_EQ(texto, esperado);
  // The tank's two connections and a tower's missing names, spelled out.
  EXPECT_NE(texto.find("804.250000,804.500000,804.750000,[Eq 0 % [x],[Eq 1 % [x]}\n"
                       "      {Conf_Rel:0,7,}\n   [Tanque 2]\n"),
            std::string::npos);
  EXPECT_NE(texto.find("804.250000,}\n      {Conf_Rel:0,7,}\n[N\xBA Bombas Ag. Sec = 2]\n"),
            std::string::npos);
  EXPECT_NE(texto.find("304.000000,}\n      {Conf_Rel:0,7,14,-3,28,35,}\n[N\xBA Boillers = 2]\n"),
            std::string::npos);

  Abre_Para_Leitura(geren, Arquivo(), texto);
  std::vector<std::vector<Item>> lidos;
  EXPECT_TRUE(Le_Planta(&lidos));
  geren->Fecha_Todos();
  EXPECT_EQ(Grava_Planta(lidos), esperado);

  // Every item needs its last closing brace; the empty kind, its count.
  std::vector<bool> cortes = Corta_Em_Todo_Byte(geren, Arquivo(), texto, [&] {
    std::vector<std::vector<Item>> l;
    return Le_Planta(&l);
  });
  EXPECT_EQ(Le_Desde(cortes), texto.size() - 2);
}

// The count as written, whatever its size; -1 at the end of the file.
TEST_F(PlantaPrimaria, CountLines) {
  const std::string boiler = "[N\xBA Boillers = 3]\n";
  struct Caso {
    std::string texto;
    int tipo;
    int contagem;
  } casos[] = {
      {boiler, 4, 3},
      {boiler, 5, 0},
      {boiler, 0, 0},
      {boiler, 10, 0},
      {boiler, -1, 0},
      {"[N\xBA Fancoils = 2]\n", 0, 2},
      {"[N\xBA Chillers Ar = 2147483647]\n", 1, INT_MAX},
      {"[N\xBA Chillers Ar = -7]\n", 1, -7},
      {"", 1, -1},
      {"[N\xBA Chil", 1, -1},
      {"[N\xBA Chillers Ar = ", 1, -1},
      {"[N\xBA Chillers Ar = x]\n", 1, 0},
  };
  for (const Caso& caso : casos) {
    Abre_Para_Leitura(geren, Arquivo(), caso.texto);
    EXPECT_EQ(geren->Le_Num_Reg_Equips_Sist_Prim_HVAC(1, caso.tipo), caso.contagem)
        << caso.texto << " kind " << caso.tipo;
    geren->Fecha_Todos();
  }
}

// A hostile item fails without storing past the caller's buffers: a tank's
// connections out of 0..10 or not whole, a name too long, a file that stops.
TEST_F(PlantaPrimaria, HostileItemsFailWithinTheCallersBuffers) {
  const std::string dez = "0,0,0,0,0,";
  auto tanque = [&](const std::string& n, const std::string& resto) {
    return "   [Tanque 1]\n      {Dados:0,0,0,0,0," + n + ",0,0,0,0," + resto;
  };
  const std::string tres = "1,2,3,[Ramo]}\n      {Conf_Rel:1,2,}\n";
  auto bomba = [](const std::string& nome) {
    return "   [Bomba Aq. 4]\n      {Dados:1,2,3,4,5,6,7,8,9,10,11,[" + nome +
           "]}\n      {Conf_Rel:1,2,3,4,5,6,}\n";
  };
  struct Caso {
    std::string texto;
    int tipo;
    bool le;
    const char* nome0;  // the first name buffer afterwards
  } casos[] = {
      {tanque("1", tres), 8, true, "Ramo"},
      {tanque("11", dez + dez + dez + dez + "[R]}\n"), 8, false, "antes"},
      {tanque("-1", tres), 8, false, "antes"},
      {tanque("2.5", tres), 8, false, "antes"},
      {tanque("nan", tres), 8, false, "antes"},
      {tanque("1e30", tres), 8, false, "antes"},
      {bomba(std::string(19, 'n')), 5, true, "nnnnnnnnnnnnnnnnnnn"},
      // A name too long fails; what fitted its buffer is stored, cut.
      {bomba(std::string(20, 'n')), 5, false, "nnnnnnnnnnnnnnnnnnn"},
      {bomba(std::string(5000, 'n')), 5, false, "nnnnnnnnnnnnnnnnnnn"},
      {bomba(""), 5, false, "antes"},
      // An item numbered 0 is its head line alone.
      {"   [Boiler 0]\n[x", 4, true, "antes"},
      // The head line of another kind.
      {"   [Boiler 1]\n", 5, false, "antes"},
      {tres, 0, false, "antes"},
      {tres, 10, false, "antes"},
  };
  for (const Caso& caso : casos) {
    Abre_Para_Leitura(geren, Arquivo(), caso.texto);
    std::vector<float> dados(40, -1.0f);
    std::vector<int> conf(10, -1);
    Nomes nomes;
    EXPECT_EQ(geren->Le_Dados_Equips_Sist_Prim_HVAC(1, dados, conf, nomes.p, caso.tipo), caso.le)
        << caso.texto.substr(0, 60);
    EXPECT_STREQ(nomes.p[0], caso.nome0) << caso.texto.substr(0, 60);
    EXPECT_STREQ(nomes.p[1], "antes") << caso.texto.substr(0, 60);
    geren->Fecha_Todos();
  }
}

// Vectors or name buffers that cannot hold the item: what fits is stored,
// nothing past it, and the read is false.
TEST_F(PlantaPrimaria, ShortVectorsFailTheRead) {
  const Tipo& chiller = kTipos[0];
  const Tipo& tanque = kTipos[7];
  const Item item = Item_De(chiller, 1);
  const Item com_dois = Item_De(tanque, 1);  // two connections: 16 floats, two names
  const std::string textos[] = {Bloco(chiller, 1, item), Bloco(tanque, 1, com_dois)};
  struct Caso {
    int texto;
    int tipo;
    size_t reais, inteiros;
    bool com_nomes;
  } casos[] = {
      {0, 1, 22, 7, true}, {0, 1, 23, 6, true}, {0, 1, 23, 7, false},
      {1, 8, 15, 2, true}, {1, 8, 16, 1, true}, {1, 8, 16, 2, false},
  };
  for (const Caso& caso : casos) {
    Abre_Para_Leitura(geren, Arquivo(), textos[caso.texto]);
    std::vector<float> dados(caso.reais);
    std::vector<int> conf(caso.inteiros);
    Nomes nomes;
    EXPECT_FALSE(geren->Le_Dados_Equips_Sist_Prim_HVAC(
        1, dados, conf, caso.com_nomes ? nomes.p : nullptr, caso.tipo));
    const Item& esperado = caso.texto == 0 ? item : com_dois;
    EXPECT_EQ(dados, std::vector<float>(esperado.dados.begin(),
                                        esperado.dados.begin() + static_cast<long>(caso.reais)));
    EXPECT_EQ(conf, std::vector<int>(esperado.conf.begin(),
                                     esperado.conf.begin() + static_cast<long>(caso.inteiros)));
    geren->Fecha_Todos();
  }
}

// The writer writes nothing at all for an item it cannot write whole.
TEST_F(PlantaPrimaria, TheWriterRefusesWhatWouldNotReadBack) {
  const Item chiller = Item_De(kTipos[0], 1);
  Item tanque = Item_De(kTipos[7], 1);
  auto com = [](Item item, auto muda) {
    muda(&item);
    return item;
  };
  struct Caso {
    const char* onde;
    Item item;
    int tipo, numero, contagem;
    bool nulos = false;
  } casos[] = {
      {"kind 0", chiller, 0, 1, 1},
      {"kind 10", chiller, 10, 1, 1},
      {"kind -1", chiller, -1, 0, 0},
      {"negative count", chiller, 1, 1, -1},
      {"22 floats", com(chiller, [](Item* i) { i->dados.pop_back(); }), 1, 1, 1},
      {"6 ints", com(chiller, [](Item* i) { i->conf.pop_back(); }), 1, 1, 1},
      {"no names", chiller, 1, 1, 1, true},
      {"empty name", com(chiller, [](Item* i) { i->nomes[3] = ""; }), 1, 1, 1},
      {"name of 20", com(chiller, [](Item* i) { i->nomes[2] = std::string(20, 'n'); }), 1, 1, 1},
      {"name with ]", com(chiller, [](Item* i) { i->nomes[0] = "a]b"; }), 1, 1, 1},
      {"tank short", com(tanque, [](Item* i) { i->dados.pop_back(); }), 8, 1, 1},
      {"tank of 11", com(tanque, [](Item* i) { i->dados[5] = 11; }), 8, 1, 1},
      {"tank of 2.5", com(tanque, [](Item* i) { i->dados[5] = 2.5f; }), 8, 1, 1},
      {"tank of -1", com(tanque, [](Item* i) { i->dados[5] = -1; }), 8, 1, 1},
  };
  for (const Caso& caso : casos) {
    const std::string texto = Texto_Gravado(geren, Arquivo(), [&] {
      std::vector<const char*> nomes = caso.item.Ponteiros();
      EXPECT_FALSE(geren->Grava_Dados_Equips_Sist_Prim_HVAC(caso.item.dados, caso.item.conf,
                                                            caso.nulos ? nullptr : nomes.data(),
                                                            caso.numero, caso.contagem, caso.tipo))
          << caso.onde;
    });
    EXPECT_EQ(texto, "") << caso.onde;
  }
  // Item 2 of 3 has no count line; a count of 0 with a number other than 0
  // writes nothing and is true. Without a stream, nothing is written.
  const std::string texto = Texto_Gravado(geren, Arquivo(), [&] {
    EXPECT_TRUE(geren->Grava_Dados_Equips_Sist_Prim_HVAC(chiller.dados, chiller.conf,
                                                         chiller.Ponteiros().data(), 2, 3, 1));
    EXPECT_TRUE(geren->Grava_Dados_Equips_Sist_Prim_HVAC({}, {}, nullptr, 1, 0, 1));
  });
  EXPECT_EQ(texto, Bloco(kTipos[0], 2, chiller));
  EXPECT_FALSE(geren->Grava_Dados_Equips_Sist_Prim_HVAC({}, {}, nullptr, 0, 0, 1));
}

}  // namespace
