#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "support/blocos.h"
#include "support/corte.h"
#include "support/fixture.h"
#include "support/texto_config.h"

namespace {

// Item i of kind t, every value different; a tank has 2 connections as item
// 1 and none as item 2.
Item_Planta Item_De(const Tipo_Planta& t, int i) {
  const int conexoes = t.nomes >= 0 ? 0 : (i == 1 ? 2 : 0);
  Item_Planta item;
  for (int k = 0; k < t.reais + 3 * conexoes; ++k)
    item.dados.push_back(t.tipo * 100 + i + k * 0.25f);
  if (t.nomes < 0) item.dados[5] = static_cast<float>(conexoes);
  for (int k = 0; k < t.inteiros; ++k) item.conf.push_back(k % 3 == 0 ? -k : k * 7);
  for (int k = 0; k < (t.nomes >= 0 ? t.nomes : conexoes); ++k)
    item.nomes.push_back("Eq " + std::to_string(k) + " % [x");
  return item;
}

// Ten name buffers of exactly 20 bytes on the heap, so that a write past one
// shows up under the sanitizer build.
struct Nomes {
  std::unique_ptr<char[]> buf[10];
  char* p[10];
  Nomes() {
    for (int k = 0; k < 10; ++k)
      p[k] = std::strcpy((buf[k] = std::make_unique<char[]>(20)).get(), "antes");
  }
};

class PlantaPrimaria : public ArqauxTest {
 protected:
  std::string Arquivo() const { return Caminho("sistema.hvac"); }

  // Loads kinds 1 to 9 and an empty kind 4 from stream 1 as a host does, and
  // saves each item on stream 2 as it comes; false at the first count or item
  // that does not read.
  bool Copia_Planta() {
    std::vector<float> dados(40);
    std::vector<int> conf(10);
    Nomes nomes;
    for (int tipo : {1, 2, 3, 4, 5, 6, 7, 8, 9, 4}) {
      const int n = geren->Le_Num_Reg_Equips_Sist_Prim_HVAC(1, tipo);
      if (n < 0) return false;
      for (int i = n == 0 ? 0 : 1; i <= n; ++i) {
        if (i > 0 && !geren->Le_Dados_Equips_Sist_Prim_HVAC(1, dados, conf, nomes.p, tipo))
          return false;
        geren->Muda_Arquivo(2);
        EXPECT_TRUE(geren->Grava_Dados_Equips_Sist_Prim_HVAC(dados, conf, nomes.p, i, n, tipo));
      }
    }
    return true;
  }
};

// A plant of every kind (two tanks, one with two connections and one with
// none; towers and condenser pumps without names), and an empty kind.
TEST_F(PlantaPrimaria, EveryKindItsBlocksRoundTripAndEveryCut) {
  std::string esperado;
  const std::string texto = Texto_Gravado(geren, Arquivo(), [&] {
    for (const Tipo_Planta& t : kTipos_Planta) {
      const int n = t.nomes < 0 ? 2 : 1;
      esperado += Contagem_Planta(t, n);
      for (int i = 1; i <= n; ++i) {
        const Item_Planta it = Item_De(t, i);
        esperado += Bloco_Planta(t, i, it);
        EXPECT_TRUE(geren->Grava_Dados_Equips_Sist_Prim_HVAC(it.dados, it.conf,
                                                             it.Ponteiros().data(), i, n, t.tipo));
      }
    }
    EXPECT_TRUE(geren->Grava_Dados_Equips_Sist_Prim_HVAC({}, {}, nullptr, 0, 0, 4));
  });
  EXPECT_EQ(texto, esperado + Contagem_Planta(kTipos_Planta[3], 0));

  Abre_Para_Leitura(geren, Arquivo(), texto);
  ASSERT_EQ(geren->Abre_Arquivo(Caminho("copia").c_str(), "wb"), 2);
  EXPECT_TRUE(Copia_Planta());
  geren->Fecha_Todos();
  EXPECT_EQ(Le_Arquivo(Caminho("copia")), texto);
  // Each item needs its last closing brace; the empty kind, its count.
  std::vector<bool> cortes = Corta_Em_Todo_Byte(geren, Arquivo(), texto, [&] {
    return geren->Abre_Arquivo("/dev/null", "wb") == 2 && Copia_Planta();
  });
  EXPECT_EQ(Le_Desde(cortes), texto.size() - 2);
}

// Hostile or unexpected items fail without storing past the caller's
// vectors or 20-byte name buffers; what was read and fits is stored.
TEST_F(PlantaPrimaria, HostileItemsAndCountLines) {
  auto tanque = [](const std::string& n, const std::string& resto = "1,2,3,[Ramo]}\n") {
    return "   [Tanque 1]\n      {Dados:0,0,0,0,0," + n + ",0,0,0,9," + resto + "{Conf_Rel:1,2,}\n";
  };
  auto bomba = [](const std::string& nome) {
    return "   [Bomba Aq. 4]\n      {Dados:1,2,3,4,5,6,7,8,9,10,11,[" + nome +
           "]}\n      {Conf_Rel:1,2,3,4,5,6,}\n";
  };
  const std::string n19(19, 'n');
  struct Caso {
    std::string texto;
    int tipo;
    size_t reais, inteiros;
    bool le;
    float ultimo;  // the last element of the caller's floats afterwards
    std::string nome0;
    bool sem_nomes = false;
  } casos[] = {
      {tanque("1"), 8, 13, 2, true, 3, "Ramo"},
      {tanque("1"), 8, 12, 2, false, 2, "Ramo"},
      {tanque("1"), 8, 13, 1, false, 3, "Ramo"},
      {tanque("1"), 8, 13, 2, false, 3, "", true},
      {tanque("11"), 8, 40, 2, false, -1, "antes"},
      {tanque("-1"), 8, 40, 2, false, -1, "antes"},
      {tanque("2.5"), 8, 40, 2, false, -1, "antes"},
      {tanque("nan"), 8, 40, 2, false, -1, "antes"},
      {bomba(n19), 5, 11, 6, true, 11, n19},
      {bomba(n19), 5, 10, 6, false, 10, n19},
      // A name too long fails, what fitted its buffer stored.
      {bomba(n19 + "n"), 5, 11, 6, false, 11, n19},
      {bomba(std::string(5000, 'n')), 5, 11, 6, false, 11, n19},
      {bomba(""), 5, 11, 6, false, 11, "antes"},
      {"   [Boiler 0]\n[x", 4, 18, 10, true, -1, "antes"},  // the head line alone
      {"   [Boiler 1]\n", 5, 11, 6, false, -1, "antes"},
      {bomba(n19), 0, 40, 10, false, -1, "antes"},
      {bomba(n19), 10, 40, 10, false, -1, "antes"},
  };
  for (const Caso& caso : casos) {
    Abre_Para_Leitura(geren, Arquivo(), caso.texto);
    std::vector<float> dados(caso.reais, -1.0f);
    std::vector<int> conf(caso.inteiros, -1);
    Nomes nomes;
    const std::string onde = caso.texto.substr(0, 60) + " kind " + std::to_string(caso.tipo);
    EXPECT_EQ(geren->Le_Dados_Equips_Sist_Prim_HVAC(1, dados, conf,
                                                    caso.sem_nomes ? nullptr : nomes.p, caso.tipo),
              caso.le)
        << onde;
    EXPECT_EQ(dados.back(), caso.ultimo) << onde;
    if (!caso.sem_nomes) {
      EXPECT_EQ(nomes.p[0], caso.nome0) << onde;
    }
    EXPECT_STREQ(nomes.p[1], "antes") << onde;
    geren->Fecha_Todos();
  }
  // The count as written, whatever its size; -1 at the end of the file.
  const std::string boiler = "[N\xBA Boillers = 3]\n", chiller = "[N\xBA Chillers Ar = ";
  const struct {
    std::string texto;
    int tipo, contagem;
  } contagens[] = {
      {boiler, 4, 3},
      {boiler, 5, 0},
      {boiler, 10, 0},
      {boiler, -1, 0},
      {"[N\xBA Fancoils = 2]\n", 0, 2},
      {chiller + "-7]\n", 1, -7},
      {chiller + "2147483647]\n" + Bloco_Planta(kTipos_Planta[0], 1, Item_De(kTipos_Planta[0], 1)),
       1, INT_MAX},
      {"", 1, -1},
      {"[N\xBA Chil", 1, -1},
      {chiller, 1, -1},
      {chiller + "x]\n", 1, 0},
  };
  for (const auto& caso : contagens) {
    Abre_Para_Leitura(geren, Arquivo(), caso.texto);
    EXPECT_EQ(geren->Le_Num_Reg_Equips_Sist_Prim_HVAC(1, caso.tipo), caso.contagem) << caso.texto;
    // After the last item, the next read fails at the end of the file.
    std::vector<float> dados(40);
    std::vector<int> conf(10);
    Nomes nomes;
    int itens = 0;
    while (itens < 3 && geren->Le_Dados_Equips_Sist_Prim_HVAC(1, dados, conf, nomes.p, 1)) ++itens;
    EXPECT_EQ(itens, caso.contagem == INT_MAX ? 1 : 0);
    geren->Fecha_Todos();
  }
}

// The writer writes nothing at all for an item it cannot write whole.
TEST_F(PlantaPrimaria, TheWriterRefusesWhatWouldNotReadBack) {
  const Item_Planta chiller = Item_De(kTipos_Planta[0], 1), tanque = Item_De(kTipos_Planta[7], 1);
  auto com = [](Item_Planta item, auto muda) {
    muda(&item);
    return item;
  };
  const struct {
    Item_Planta item;
    int tipo, numero, contagem;
    bool nulos;
  } casos[] = {
      {chiller, 0, 1, 1, false},
      {chiller, 10, 1, 1, false},
      {chiller, -1, 0, 0, false},
      {chiller, 1, 1, -1, false},
      {chiller, 1, 1, 1, true},
      {com(chiller, [](Item_Planta* i) { i->dados.pop_back(); }), 1, 1, 1, false},
      {com(chiller, [](Item_Planta* i) { i->conf.pop_back(); }), 1, 1, 1, false},
      {com(chiller, [](Item_Planta* i) { i->nomes[3] = ""; }), 1, 1, 1, false},
      {com(chiller, [](Item_Planta* i) { i->nomes[2] = std::string(20, 'n'); }), 1, 1, 1, false},
      {com(chiller, [](Item_Planta* i) { i->nomes[0] = "a]b"; }), 1, 1, 1, false},
      {com(tanque, [](Item_Planta* i) { i->dados.pop_back(); }), 8, 1, 1, false},
      {com(tanque, [](Item_Planta* i) { i->dados[5] = 11; }), 8, 1, 1, false},
      {com(tanque, [](Item_Planta* i) { i->dados[5] = 2.5f; }), 8, 1, 1, false},
      {com(tanque, [](Item_Planta* i) { i->dados[5] = -1; }), 8, 1, 1, false},
  };
  for (const auto& caso : casos) {
    const std::string onde = "case " + std::to_string(&caso - casos);
    const std::string texto = Texto_Gravado(geren, Arquivo(), [&] {
      EXPECT_FALSE(geren->Grava_Dados_Equips_Sist_Prim_HVAC(
          caso.item.dados, caso.item.conf, caso.nulos ? nullptr : caso.item.Ponteiros().data(),
          caso.numero, caso.contagem, caso.tipo))
          << onde;
    });
    EXPECT_EQ(texto, "") << onde;
  }
  // Item_Planta 2 of 3 has no count line; item 1 of a count of 0 writes nothing.
  const std::string texto = Texto_Gravado(geren, Arquivo(), [&] {
    EXPECT_TRUE(geren->Grava_Dados_Equips_Sist_Prim_HVAC(chiller.dados, chiller.conf,
                                                         chiller.Ponteiros().data(), 2, 3, 1));
    EXPECT_TRUE(geren->Grava_Dados_Equips_Sist_Prim_HVAC({}, {}, nullptr, 1, 0, 1));
  });
  EXPECT_EQ(texto, Bloco_Planta(kTipos_Planta[0], 2, chiller));
  EXPECT_FALSE(geren->Grava_Dados_Equips_Sist_Prim_HVAC({}, {}, nullptr, 0, 0, 1));  // no stream
}

}  // namespace
