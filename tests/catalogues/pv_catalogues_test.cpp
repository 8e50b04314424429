#include <string>
#include <vector>

#include "catalogues/catalogo.h"
#include "support/corte.h"
#include "support/fixture.h"
#include "support/texto_config.h"

namespace {

class CatalogosPV : public ArqauxTest {
 protected:
  std::string Arquivo() const { return Caminho("pv.txt"); }
};

// Header and records of an equipment list: "ok count" then "name=value" per
// record read, "!" at the first that fails.
std::string Le_Equipamentos(TGeren_ArquivoAux* g, bool dc) {
  int n = -7;
  if (!g->Le_Cabecalho_Equipamentos_PV(&n, dc)) return "header fails";
  std::string r = "ok " + std::to_string(n);
  for (int k = 0; k < n && k < 3; ++k) {
    Buffer_Sentinela nome(TAM_NOME_EQUIP_PV);
    int v = 0;
    if (!g->Carrega_Registro_Equipamento_PV(&v, nome.p())) return r + " !";
    r += " " + nome.Lido() + "=" + std::to_string(v);
  }
  return r;
}

TEST_F(CatalogosPV, EquipmentListsOfEitherCurrent) {
  const std::string ac =
      "Equipamentos A/C\n[Numero de Equipamentos = 2]\n[Bomba][1]\n[Geladeira duplex][0]\n";
  const std::string dc =
      "\n\n  Equipamentos D/C\n[Numero de Equipamentos = 1]\n[Ventilador 12V][3]";
  const std::string um = "Equipamentos A/C\n[Numero de Equipamentos = 1]\n[";
  const struct {
    const char* caso;
    std::string texto;
    bool dc;
    std::string esperado;
  } casos[] = {
      {"alternating", ac, false, "ok 2 Bomba=1 Geladeira duplex=0"},
      {"direct after blank lines, no line end", dc, true, "ok 1 Ventilador 12V=3"},
      {"alternating read as direct", ac, true, "header fails"},
      {"direct read as alternating", dc, false, "header fails"},
      {"blank only", "\n\n", true, "header fails"},
      {"51-character name", um + std::string(51, 'e') + "][2]\n", false,
       "ok 1 " + std::string(51, 'e') + "=2"},
      {"52-character name", um + std::string(52, 'e') + "][2]\n", false, "ok 1 !"},
      {"value missing", um + "Bomba][]\n", false, "ok 1 !"},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(Lendo(geren, Arquivo(), c.texto, [&] { return Le_Equipamentos(geren, c.dc); }),
              c.esperado)
        << c.caso;
  }
  const std::vector<bool> lidos = Corta_Em_Todo_Byte(geren, Arquivo(), ac, [&] {
    return Le_Equipamentos(geren, false) == "ok 2 Bomba=1 Geladeira duplex=0";
  });
  EXPECT_EQ(Le_Desde(lidos), ac.size() - 2);  // from the last value's digit on
}

// Header and types from the current stream: "count name/NOCT/Beta..." and
// "!" at the first type that fails.
std::string Le_Tipos(TGeren_ArquivoAux* g) {
  int n = 0;
  if (!g->Le_Cabecalho_Tipo_Painel_PV(&n)) return "header fails";
  std::string r = std::to_string(n);
  for (int k = 0; k < n && k < 3; ++k) {
    Buffer_Sentinela nome(TAM_NOME_PV);
    TTipo_PV t = {nome.p(), 0, 0};
    if (!g->Carrega_Registro_Tipo_Painel_PV(&t)) return r + " !";
    r += Formata(" %s/%d/%g", nome.Lido().c_str(), t.NOCT, t.Beta);
  }
  return r;
}

TEST_F(CatalogosPV, PanelTypes) {
  const std::string doc =
      "[Numero de Tipos = 2]\n\n{[Monocristalino]\n[NOCT = 45]\n[Beta = 0.004500]}\n\n"
      "{[Filme fino]\n[NOCT = 47]\n[Beta = 0.002]}";
  const std::string lido = "2 Monocristalino/45/0.0045 Filme fino/47/0.002";
  std::string longo = doc;
  longo.replace(longo.find("Filme fino"), 10, std::string(30, 'f'));
  const struct {
    const char* caso;
    std::string texto;
    std::string esperado;
  } casos[] = {
      {"two types", doc, lido},
      {"30-character name", longo, "2 Monocristalino/45/0.0045 !"},
      {"count not a number", "[Numero de Tipos = x]", "header fails"},
      {"NOCT not a number", "[Numero de Tipos = 1]{[A]\n[NOCT = 4.5]\n[Beta = 1]}", "1 !"},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(Lendo(geren, Arquivo(), c.texto, [&] { return Le_Tipos(geren); }), c.esperado)
        << c.caso;
  }
  const std::vector<bool> lidos =
      Corta_Em_Todo_Byte(geren, Arquivo(), doc, [&] { return Le_Tipos(geren) == lido; });
  EXPECT_EQ(Le_Desde(lidos), doc.size() - 2);  // from the last digit of Beta on
}

// The makers as text: "name(models: name int reals...)" each, "!" and what
// was read at a failure. Frees what the reader allocated.
std::string Le_Fabricantes(TGeren_ArquivoAux* g, int count) {
  std::vector<TFabricante_PV> f(count > 0 ? count : 1, TFabricante_PV{nullptr, -1, nullptr});
  const bool ok = g->Carrega_Registros_Fabricantes_PV(f.data(), count);
  std::string r = ok ? "" : "!";
  for (TFabricante_PV& x : f) {
    if (x.Nome == nullptr) continue;
    r += std::string(x.Nome) + "(" + std::to_string(x.Num_Modelos) + ":";
    for (int k = 0; x.Modelos != nullptr && k < x.Num_Modelos; ++k) {
      const TModelo_PV& m = x.Modelos[k];
      r += Formata(" %s %d %g %g %g", m.Nome != nullptr ? m.Nome : "-", m.Parametro_Inteiro,
                   m.Parametros[0], m.Parametros[1], m.Parametros[2]);
      delete[] m.Nome;
    }
    r += ")";
    delete[] x.Nome;
    delete[] x.Modelos;
  }
  return r;
}

TEST_F(CatalogosPV, MakersAndTheirModels) {
  const std::string alfa =
      "{[Solar Alfa]\n[Numero de Modelos = 2]\n[SA-330]\n[0.15\t72 1.2\t-0.004]\n"
      "[SA-400]\n[0.2\t144\t2.1\t-0.0035]\n}\n\n";
  const std::string doc =
      "[Numero de Fabricantes = 2]\n\n" + alfa + "{[Beta Sol]\n[Numero de Modelos = 0]\n}";
  const std::string alfa_lido =
      "Solar Alfa(2: SA-330 72 0.15 1.2 -0.004 SA-400 144 0.2 2.1 -0.0035)";
  const std::string lidos_doc = alfa_lido + "Beta Sol(0:)";
  const std::string cabecalho = "[Numero de Fabricantes = 1]\n\n{[X]\n[Numero de Modelos = ";
  const struct {
    const char* caso;
    std::string texto;
    int count;
    std::string esperado;
  } casos[] = {
      {"two makers", doc, 2, lidos_doc},
      {"count 0 reads nothing", "", 0, ""},
      {"the first alone as the last", "[Numero de Fabricantes = 1]\n\n" + alfa, 1, alfa_lido},
      // A count larger than the file holds keeps the models present, and
      // Num_Modelos says how many the array holds.
      {"model count 2^31 - 1", cabecalho + "2147483647]\n[M]\n[1\t2\t3\t4]\n}", 1,
       "!X(1: M 2 1 3 4)"},
      {"model count 3, two models", cabecalho + "3]\n[M]\n[1 2 3 4]\n[N]\n[5 6 7 8]\n}", 1,
       "!X(2: M 2 1 3 4 N 6 5 7 8)"},
      {"negative model count", cabecalho + "-1]\n}", 1, "!X(0:)"},
      {"model line short", cabecalho + "2]\n[L]\n[1 2 3 4]\n[M]\n[1\t2\t3]\n}", 1,
       "!X(1: L 2 1 3 4)"},
      {"30-character model name", cabecalho + "1]\n[" + std::string(30, 'm') + "]\n[1 2 3 4]\n}", 1,
       "!X(0:)"},
      {"closing missing at the end", cabecalho + "0]\n", 1, "!X(0:)"},
      {"a second maker missing", doc.substr(0, 29 + alfa.size()), 2, "!" + alfa_lido + "(0:)"},
  };
  for (const auto& c : casos) {
    Abre_Para_Leitura(geren, Arquivo(), c.texto);
    int n = -1;
    if (c.count > 0) {
      EXPECT_TRUE(geren->Le_Cabecalho_Fabricantes_PV(&n) && n == c.count) << c.caso;
    }
    EXPECT_EQ(Le_Fabricantes(geren, c.count), c.esperado) << c.caso;
    geren->Fecha_Todos();
  }
  const std::vector<bool> lidos = Corta_Em_Todo_Byte(geren, Arquivo(), doc, [&] {
    int n = 0;
    return geren->Le_Cabecalho_Fabricantes_PV(&n) && Le_Fabricantes(geren, n) == lidos_doc;
  });
  EXPECT_EQ(Le_Desde(lidos), doc.size());  // the last "}" is needed
}

}  // namespace
