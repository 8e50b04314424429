#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "catalogues/catalogo.h"
#include "support/corte.h"
#include "support/fixture.h"
#include "support/texto_config.h"

namespace {

// Two models, field by field in the record's order: the floats
// (nominal values, the three curves, air flow, evaporating temperature), then
// the codes; Reservado (77) is not in the file.
Modelos_AC Modelo(int k) {
  const char* const nomes[2] = {"Split Hi-Wall 12000", "Janela 7500"};
  const float reais[2][23] = {{3517, 2600.5f, 3.2f, 1,    0.01f,  0, -0.005f, 0, 0, 0.9f,  0.02f, 0,
                               0,    0,       0,    0.6f, -0.01f, 0, 0,       0, 0, 0.19f, 7},
                              {2198, 1500, 2.8f, 1.1f, 0, 0, 0, 0, 0.25f, 1.2f,  0,   0,
                               0,    0,    0,    1.3f, 0, 0, 0, 0, 0,     0.12f, 9.5f}};
  const int32_t codigos[2][7] = {{1, 77, 2, 4, 3, 1, 5}, {0, 77, 1, 1, 0, 2, 1}};
  Modelos_AC m{};
  std::snprintf(m.Nome, sizeof(m.Nome), "%s", nomes[k]);
  std::memcpy(&m.CT_Nominal, reais[k], sizeof(reais[k]));
  std::memcpy(&m.Tipo_Temperatura, codigos[k], sizeof(codigos[k]));
  return m;
}

// A model's record as the catalogue holds it.
std::string Registro(const Modelos_AC& m) {
  std::string t = Formata("[%s]\nTipo Equip. = %d\n", m.Nome, m.Tipo_Equipamento);
  const char* const nominais[] = {"CT", "CS", "EER"};
  const float valores[] = {m.CT_Nominal, m.CS_Nominal, m.EER_Nominal};
  const float* const curvas[] = {m.Coef_CT, m.Coef_CS, m.Coef_EER};
  for (int c = 0; c < 3; ++c) {
    t += Formata("%s Nominal = %f\n", nominais[c], valores[c]);
    for (int k = 0; k < 6; ++k) t += Formata("%f\t", curvas[c][k]);
    t += "\n";
  }
  return t + Formata("Vazao_Vol_Ar = %f\nTemp_Evap_AC = %f\nParam_Gerais = [%d,%d,%d,%d,%d]\n\n",
                     m.Vazao_Vol_Ar, m.Temp_Evap_AC, m.Tipo_Temperatura, m.Tipo_Aquecimento,
                     m.Tipo_Condensador, m.Regulamentado, m.Condensador_Sombreado);
}

const std::string kCatalogo = "[Registros = 2]\n\n" + Registro(Modelo(0)) + Registro(Modelo(1));

bool Iguais(Modelos_AC a, Modelos_AC b) {
  a.Reservado = b.Reservado = 0;
  return std::memcmp(&a, &b, sizeof(a)) == 0;
}

class CatalogoAC : public ArqauxTest {
 protected:
  std::string Arquivo() const { return Caminho("Condicionadores.txt"); }

  // Loads texto as the editor does; the count and each load's result.
  std::vector<int> Carrega(const std::string& texto, std::vector<Modelos_AC>* modelos = nullptr) {
    Abre_Para_Leitura(geren, Arquivo(), texto);
    std::vector<int> r = {geren->Le_Numero_Registros_AC()};
    for (int i = 0; i < r[0] && i < 4; ++i) {
      Modelos_AC m{};
      r.push_back(geren->Carrega_Equipamentos_AC(&m));
      if (modelos != nullptr) modelos->push_back(m);
    }
    geren->Fecha_Todos();
    return r;
  }
};

TEST_F(CatalogoAC, SavesByteForByteAndLoadsBack) {
  Modelos_AC m[2] = {Modelo(0), Modelo(1)};
  int r = 0;
  EXPECT_EQ(Texto_Gravado(geren, Arquivo(), [&] { r = geren->Salva_Equipamentos_AC(2, m); }),
            kCatalogo);
  EXPECT_EQ(r, 2);
  std::vector<Modelos_AC> lidos;
  EXPECT_EQ(Carrega(kCatalogo, &lidos), (std::vector<int>{2, 5, 5}));
  ASSERT_EQ(lidos.size(), 2u);
  EXPECT_TRUE(Iguais(lidos[0], m[0]) && Iguais(lidos[1], m[1]));
  // A count of 0 or less writes the count line alone; no array writes nothing.
  for (int n : {0, -3}) {
    EXPECT_EQ(Texto_Gravado(geren, Arquivo(), [&] { r = geren->Salva_Equipamentos_AC(n, m); }),
              "[Registros = " + std::to_string(n) + "]\n\n");
    EXPECT_EQ(r, 0);
  }
  EXPECT_EQ(Texto_Gravado(geren, Arquivo(), [&] { r = geren->Salva_Equipamentos_AC(2, nullptr); }),
            "");
  EXPECT_EQ(r, 0);
}

TEST_F(CatalogoAC, LoadsEdgesAndRefusesHostileText) {
  const std::string doc = kCatalogo;
  const std::string um = doc.substr(0, doc.find("[Janela"));
  std::string longo = doc, maximo = doc;
  longo.replace(longo.find("Janela 7500"), 11, std::string(32, 'n'));
  maximo.replace(maximo.find("Janela 7500"), 11, std::string(31, 'n'));
  const struct {
    const char* caso;
    std::string texto;
    std::vector<int> esperado;
  } casos[] = {
      {"31-character name", maximo, {2, 5, 5}},
      {"32-character name", longo, {2, 5, 0}},
      {"empty catalogue", "[Registros = 0]\n\n", {0}},
      {"no count line", doc.substr(doc.find("[Split")), {0}},
      // The count is reported as read; the loads end at the end of the data.
      {"count beyond the records", "[Registros = 3]" + doc.substr(15), {3, 5, 5, -1}},
      {"count 2^31 - 1", "[Registros = 2147483647]" + doc.substr(15), {INT_MAX, 5, 5, -1, -1}},
      {"cut after the first record", um, {2, 5, -1}},
      {"negative count", "[Registros = -2]" + doc.substr(15), {-2}},
      {"damaged second record", um + "[X]\nTipo Equip. = a\n", {2, 5, 0}},
  };
  for (const auto& c : casos) EXPECT_EQ(Carrega(c.texto), c.esperado) << c.caso;
  std::vector<Modelos_AC> lidos;
  Carrega(maximo, &lidos);
  EXPECT_EQ(std::string(lidos.at(1).Nome), std::string(31, 'n'));

  const std::vector<bool> lidos_cortes = Corta_Em_Todo_Byte(geren, Arquivo(), doc, [&] {
    Modelos_AC m{};
    return geren->Le_Numero_Registros_AC() == 2 && geren->Carrega_Equipamentos_AC(&m) == 5 &&
           geren->Carrega_Equipamentos_AC(&m) == 5;
  });
  EXPECT_EQ(Le_Desde(lidos_cortes), doc.size() - 3);  // "]\n\n" closes the last code
}

// The codes and curves a catalogue sets, then the index, air flow and
// evaporating temperature, which it does not.
std::vector<float> Estado(std::vector<float> v, const float* ct, const float* cs, const float* eer,
                          std::initializer_list<float> resto) {
  for (const float* c : {ct, cs, eer}) v.insert(v.end(), c, c + 6);
  v.insert(v.end(), resto);
  return v;
}
std::vector<float> Estado(TArCondicionado* u) {
  return Estado({float(u->R_Tipo_Equipamento()), float(u->R_Tipo_Temperatura()),
                 float(u->R_Tipo_Aquecimento()), float(u->R_Tipo_Condensador()),
                 float(u->R_Regulamentado_Inmetro()), float(u->R_Condensador_Sombreado())},
                u->R_CONST_CT(), u->R_CONST_CS(), u->R_CONST_EER(),
                {float(u->R_Carac_Fisicas()), u->R_Vazao_Vol_Ar(), u->R_Temp_Evap_AC()});
}

TEST_F(CatalogoAC, AppliesTheIndexedOrLastModelOnlyWhenWhole) {
  Dir_Modelos dir_modelos(dir);
  const std::string doc = kCatalogo;
  const std::string um = doc.substr(0, doc.find("[Janela"));
  std::string primeiro_estragado = doc;
  primeiro_estragado.replace(primeiro_estragado.find("= 1\n"), 3, "= a");
  const struct {
    const char* caso;
    std::string texto;  // empty: no file
    int indice;
    int aplicado;  // model applied, -1 none
  } casos[] = {
      {"first", doc, 0, 0},
      {"second", doc, 1, 1},
      {"beyond the last", doc, 9, 1},
      {"negative index walks to the last", doc, -1, 1},
      {"count beyond the records", "[Registros = 5]" + doc.substr(15), 3, 1},
      {"cut after the first, index beyond", um, 4, 0},
      // A damaged record on the way leaves the unit as it was.
      {"damaged second", um + "[X]\nTipo Equip. = a\n", 1, -1},
      {"damaged last, index beyond", um + "[X]\nTipo Equip. = a\n", 5, -1},
      {"second cut short", doc.substr(0, doc.size() - 5), 1, -1},
      {"damaged first, second asked", primeiro_estragado, 1, -1},
      {"index 0 does not read the damaged rest", um + "garbage", 0, 0},
      {"empty catalogue", "[Registros = 0]\n\n", 0, -1},
      {"missing file", "", 0, -1},
  };
  for (const auto& c : casos) {
    std::remove(Arquivo().c_str());
    if (!c.texto.empty()) Escreve_Arquivo(Arquivo(), c.texto);
    TArCondicionado u(9, c.indice, 9, 9, 9, 9, 9, 1, 0.5f, 100, 200, 0.3f, 12, nullptr);
    TArCondicionado antes(9, c.indice, 9, 9, 9, 9, 9, 1, 0.5f, 100, 200, 0.3f, 12, nullptr);
    EXPECT_EQ(geren->Carrega_ArCondicionado(&u), c.aplicado >= 0) << c.caso;
    EXPECT_EQ(geren->Numero_Arquivos(), 0) << c.caso;
    std::vector<float> esperado = Estado(&antes);
    if (c.aplicado >= 0) {
      // What the catalogue does not supply stays the unit's.
      const Modelos_AC m = Modelo(c.aplicado);
      esperado = Estado(
          {float(m.Tipo_Equipamento), float(m.Tipo_Temperatura), float(m.Tipo_Aquecimento),
           float(m.Tipo_Condensador), float(m.Regulamentado), float(m.Condensador_Sombreado)},
          m.Coef_CT, m.Coef_CS, m.Coef_EER, {float(c.indice), 0.3f, 12});
    }
    EXPECT_EQ(Estado(&u), esperado) << c.caso;
  }
  DLL_UTIL_Geren_Dir()->A_Dir_Modelos(Caminho("nenhum"));
  TArCondicionado u(9, 0, 9, 9, 9, 9, 9, 1, 0.5f, 100, 200, 0.3f, 12, nullptr);
  EXPECT_FALSE(geren->Carrega_ArCondicionado(&u));
  EXPECT_FALSE(geren->Carrega_ArCondicionado(nullptr));
}

TEST_F(CatalogoAC, RangeTable) {
  float v[10] = {0.5f, 12.25f, 1e-3f, 2.5e4f, -1, 0, 123456, 7e-9f, 3, 4};
  EXPECT_EQ(Texto_Gravado(geren, Arquivo(), [&] { geren->Aux(v); }),
            "Prop. \t min \t max\n"
            "KA    \t 0.500 \t 12.250\n"
            "DT    \t 1.0e-03 \t 2.5e+04\n"
            "DTV   \t -1.0e+00 \t 0.0e+00\n"
            "DTETA \t 1.2e+05 \t 7.0e-09\n"
            "DTETAV\t 3.0e+00 \t 4.0e+00\n");
}

}  // namespace
