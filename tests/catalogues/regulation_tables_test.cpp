#include <string>
#include <vector>

#include "catalogues/catalogo.h"
#include "support/corte.h"
#include "support/fixture.h"
#include "support/texto_config.h"

namespace {

constexpr int kTam = TGeren_ArquivoAux::Tam_Texto_Tabela;

class TabelasRegulamento : public ArqauxTest {
 protected:
  std::string Arquivo() const { return Caminho("tabela.txt"); }

  // What the readers of the project file give back, one line per call.
  std::string Le_Projeto(int zonas_lidas, int equips_por_zona) {
    std::string t;
    int zona = -1, zonas = -1, equips = -1;
    float area = -1;
    char nome[kTam] = "?";
    const bool cabecalho = geren->Le_Arq_HVAC_RTQ_Cab(0, &zona, &zonas, &equips, &area, nome);
    t += Formata("%d %d\n", cabecalho, zonas);
    for (int z = 0; z < zonas_lidas; ++z) {
      const bool ok = geren->Le_Arq_HVAC_RTQ_Cab(1, &zona, &zonas, &equips, &area, nome);
      t += Formata("%d %d [%s] %g %d\n", ok, zona, nome, area, equips);
      for (int e = 0; e < equips_por_zona; ++e) t += Le_Equipamento();
    }
    return t;
  }
  // An equipment line, its texts in sentinel buffers.
  std::string Le_Equipamento() {
    int eq = -1, tipo = -1, pre = -1, aq = -1, reg = -1;
    float pot = -1, cop = -1;
    Buffer_Sentinela nt(kTam, "?"), na(kTam, "?"), cl(kTam, "?");
    const bool lido = geren->Le_Arq_HVAC_RTQ_Dados(&eq, &tipo, nt.p(), &pot, &cop, &pre, &aq,
                                                   na.p(), cl.p(), &reg);
    return Formata("%d %d %d [%s] %g %g %d %d [%s] [%s] %d\n", lido, eq, tipo, nt.Lido().c_str(),
                   pot, cop, pre, aq, na.Lido().c_str(), cl.Lido().c_str(), reg);
  }
};

struct TEquip {
  const char* tipo;
  const char* aquecimento;
  const char* classe;
  float potencia, cop;
};

TEST_F(TabelasRegulamento, ProjectFileWritesItsBytesAndReadsBackFieldForField) {
  const std::vector<std::pair<std::pair<const char*, float>, std::vector<TEquip>>> zonas = {
      {{"Sala de estar", 20.5f},
       {{"Split hi wall", "Bomba de calor", "A", 3.52f, 3.25f},
        {"Janela", "Resistencia eletrica", "C", 2.05f, 2.75f}}},
      {{"Dormit\xF3rio 1", 12.25f}, {{"Split piso teto", "Nenhum", "B", 10.5f, 3.0f}}},
  };
  std::string esperado = "[Num Zonas = 2]\n", lido = "1 2\n";
  const std::string gravado = Texto_Gravado(geren, Arquivo(), [&] {
    EXPECT_TRUE(geren->Gera_Arq_HVAC_RTQ_Cab(0, 9, 2, 9, 9, "ignorado"));
    EXPECT_TRUE(geren->Gera_Arq_HVAC_RTQ_Cab(2, 1, 2, 3, 4, "nada"));
    int z = 0;
    for (const auto& zona : zonas) {
      ++z;
      const int n = static_cast<int>(zona.second.size());
      EXPECT_TRUE(geren->Gera_Arq_HVAC_RTQ_Cab(1, z, 2, n, zona.first.second, zona.first.first));
      esperado += Formata("\n[Zona %d]\t[Nome = [%s]]\t[Area = %f]\n[Num Equips = %d]\n", z,
                          zona.first.first, zona.first.second, n);
      lido += Formata("1 %d [%s] %g %d\n", z, zona.first.first, zona.first.second, n);
      int e = 0;
      for (const TEquip& q : zona.second) {
        ++e;
        std::string t = q.tipo, a = q.aquecimento, c = q.classe;
        EXPECT_TRUE(geren->Gera_Arq_HVAC_RTQ_Dados(e, 10 + e, &t[0], q.potencia, q.cop, e % 2,
                                                   20 + e, &a[0], &c[0], 1 - e % 2));
        esperado += Formata(
            "\t[Eq = %d]\t[Tipo Eq = %d]\t[Nome Tipo Eq = [%s]]\t[Potencia = %f]\t[COP = "
            "%f]\t[Atend Pre Req = %d]\t[Tipo Aquec = %d]\t[Nome Tipo Aquec = [%s]]\t[Class= "
            "%s]\t[Regul. Inmetro = %d]\n",
            e, 10 + e, q.tipo, q.potencia, q.cop, e % 2, 20 + e, q.aquecimento, q.classe,
            1 - e % 2);
        lido += Formata("1 %d %d [%s] %g %g %d %d [%s] [%s] %d\n", e, 10 + e, q.tipo, q.potencia,
                        q.cop, e % 2, 20 + e, q.aquecimento, q.classe, 1 - e % 2);
      }
    }
  });
  EXPECT_EQ(gravado, esperado);
  // The second zone is read as if it held two equipment lines: the last
  // call meets the end of the file.
  ASSERT_NE(geren->Abre_Arquivo(Arquivo().c_str(), "rb"), 0);
  EXPECT_EQ(Le_Projeto(2, 2), lido + "0 -1 -1 [?] -1 -1 -1 -1 [?] [?] -1\n");
  geren->Fecha_Todos();
  // An equipment line that stops after its number reads, its texts untouched.
  Abre_Para_Leitura(geren, Arquivo(), "\t[Eq = 3]\tx\n");
  EXPECT_EQ(Le_Equipamento(), "1 3 -1 [?] -1 -1 -1 -1 [?] [?] -1\n");
}

TEST_F(TabelasRegulamento, WritersRefuseTextsThatWouldNotReadBack) {
  const std::string longo(kTam, 'n');
  const std::string cabe(kTam - 1, 'n');
  const struct {
    const char* texto;
    bool ok;
  } casos[] = {{nullptr, false}, {"", false},          {longo.c_str(), false},
               {"a]b", false},   {cabe.c_str(), true}, {"Sala [1]", false}};
  for (const auto& c : casos) {
    std::string t = c.texto != nullptr ? c.texto : "";
    char* p = c.texto != nullptr ? &t[0] : nullptr;
    char ok[] = "ok";
    bool r[4] = {};
    const std::string gravado = Texto_Gravado(geren, Arquivo(), [&] {
      r[0] = geren->Gera_Arq_HVAC_RTQ_Cab(1, 1, 1, 1, 1, p);
      r[1] = geren->Gera_Arq_HVAC_RTQ_Dados(1, 1, p, 1, 1, 1, 1, ok, ok, 1);
      r[2] = geren->Gera_Arq_HVAC_RTQ_Dados(1, 1, ok, 1, 1, 1, 1, p, ok, 1);
      r[3] = geren->Gera_Arq_HVAC_RTQ_Dados(1, 1, ok, 1, 1, 1, 1, ok, p, 1);
    });
    for (bool x : r) EXPECT_EQ(x, c.ok) << t;
    EXPECT_EQ(gravado.find(t) != std::string::npos && !t.empty(), c.ok);
    EXPECT_EQ(gravado.empty(), !c.ok);
  }
  EXPECT_FALSE(geren->Gera_Arq_HVAC_RTQ_Cab(0, 1, 1, 1, 1, "x"));
  int n;
  EXPECT_FALSE(geren->Le_Arq_HVAC_RTQ_Cab(0, &n, &n, &n, nullptr, nullptr));
}

TEST_F(TabelasRegulamento, LabelIsTenLinesInItsOrder) {
  const char* const chaves[] = {"Proprietario",      "Nome",  "Endereco", "Complemento", "Cidade",
                                "Zona Bioclimatica", "Bairo", "UF",       "CEP",         "Data"};
  TEtiquetaRTQ etiqueta;
  std::string esperado;
  for (int k = 0; k < TEtiquetaRTQ::Num_Campos; ++k) {
    const std::string texto = k == 1 ? "" : "texto " + std::to_string(k) + " %s \xE7";
    etiqueta.A_Campo(static_cast<TEtiquetaRTQ::TCampo>(k), k == 1 ? nullptr : texto.c_str());
    esperado += std::string("[") + chaves[k] + " = " + texto + "]\n";
  }
  EXPECT_EQ(Texto_Gravado(geren, Arquivo(),
                          [&] {
                            geren->GravaDadosEtiqueta(&etiqueta);
                            geren->GravaDadosEtiqueta(nullptr);
                          }),
            esperado);
}

TEST_F(TabelasRegulamento, BioclimaticTableReadsBracketedCitiesAndOneWordFields) {
  const std::string cabecalho =
      "[Cidades Classificadas Conforme Zona Bioclim\xE1tica][Num_Reg = 4]\n"
      "[Estado\tCidade\tMetodo\tZona]\n";
  Abre_Para_Leitura(geren, Arquivo(),
                    cabecalho +
                        "SC\t[Florianopolis]\tTabela\t3\n"
                        "SP\t[S\xE3o Jos\xE9 dos Campos]\tInterpolacao\t8\n"
                        "Rio Grande\t[Pelotas]\tTabela\t2\n");
  int n = -1;
  EXPECT_TRUE(geren->Carrega_Cabecalho_Zona_Bio(&n));
  EXPECT_EQ(n, 4);
  std::string t;
  for (int k = 0; k < 3; ++k) {
    Buffer_Sentinela estado(kTam, "?"), cidade(kTam, "?"), metodo(kTam, "?");
    int zona = -1;
    const bool ok = geren->Le_Registro_Zona_Bio(estado.p(), cidade.p(), metodo.p(), &zona);
    t += Formata("%d %s|%s|%s|%d\n", ok, estado.Lido().c_str(), cidade.Lido().c_str(),
                 metodo.Lido().c_str(), zona);
  }
  EXPECT_EQ(t,
            "1 SC|Florianopolis|Tabela|3\n"
            "1 SP|S\xE3o Jos\xE9 dos Campos|Interpolacao|8\n"
            "0 Rio|?|?|-1\n");
  geren->Fecha_Todos();
  // The header reads once its column head is whole; its line end may be
  // missing.
  const auto lidos = Corta_Em_Todo_Byte(geren, Arquivo(), cabecalho,
                                        [&] { return geren->Carrega_Cabecalho_Zona_Bio(&n); });
  EXPECT_EQ(Le_Desde(lidos), cabecalho.size() - 1);
}

TEST_F(TabelasRegulamento, EquipmentTablesReadTheirLayoutAndCountALineByItsFirstValue) {
  const std::string cab = "[Num Linhas = 3]\n[Tabela de eficiencia: split]\n";
  const struct {
    std::string linha;
    char tabela;  // split, torre or resfriadores
    const char* esperado;
  } casos[] = {
      {"1\t\t9000\t\t2.64\t\t3.2\t\t2\t\t0.5\t\tA\t\t[Hi wall]\t\t[Marca X]\n", 's',
       "1 1 9000 2 | 2.64 3.2 0.5 -1 | A|Hi wall|Marca X"},
      {"2\t150.5\t\t\t3.25\t\t\t40\t\t\t0.9\t\t\tAberta\t[Axial]\t[Fab Y]\n", 't',
       "1 2 -1 -1 | 150.5 3.25 40 0.9 | Aberta|Axial|Fab Y"},
      {"3\t\t500\t\t5.5\t\t6.1\t\t0.7\t\tParafuso\t\t[Agua gelada]\t\t[Fab Z]\n", 'r',
       "1 3 -1 -1 | 500 5.5 6.1 0.7 | Parafuso|Agua gelada|Fab Z"},
      // The first value alone makes a line; what follows stays unread.
      {"4\tx\n", 'r', "1 4 -1 -1 | -1 -1 -1 -1 | ?|?|?"},
      {"5\t\t1\t\t1\t\t1\t\t1\t\tDuas palavras\t\t[a]\t\t[b]\n", 'r',
       "1 5 -1 -1 | 1 1 1 1 | Duas|?|?"},
      // A word longer than its 299 characters is not stored, nor what follows.
      {"6\t\t1\t\t1\t\t1\t\t1\t\t" + std::string(kTam, 'w') + "\t\t[ab]\t\t[cd]\n", 'r',
       "1 6 -1 -1 | 1 1 1 1 | ?|?|?"},
      {"x\n", 's', "0 -1 -1 -1 | -1 -1 -1 -1 | ?|?|?"},
      {"", 't', "0 -1 -1 -1 | -1 -1 -1 -1 | ?|?|?"},
  };
  for (const auto& c : casos) {
    Abre_Para_Leitura(geren, Arquivo(), cab + c.linha);
    int linhas = -1;
    EXPECT_TRUE(geren->Le_Cab_Dados_Tabelas_HVAC_RTQ(&linhas));
    EXPECT_EQ(linhas, 3);
    int ints[3] = {-1, -1, -1};
    float reais[4] = {-1, -1, -1, -1};
    // The texts in sentinel buffers: a text the scan stored takes its bytes
    // and terminator only, one it never reached (or that did not fit) is "?".
    Buffer_Sentinela palavra(kTam, "?"), t1(kTam, "?"), t2(kTam, "?");
    const auto le = c.tabela == 's'   ? &TGeren_ArquivoAux::Le_Dados_Tabela_Split_ACJ
                    : c.tabela == 't' ? &TGeren_ArquivoAux::Le_Dados_Tabela_Torre_Resf_ASHRAE
                                      : &TGeren_ArquivoAux::Le_Dados_Tabela_Resfriadores;
    const bool ok = (geren->*le)(ints, reais, palavra.p(), t1.p(), t2.p());
    EXPECT_EQ(Formata("%d %d %d %d | %g %g %g %g | %s|%s|%s", ok, ints[0], ints[1], ints[2],
                      reais[0], reais[1], reais[2], reais[3], palavra.Lido().c_str(),
                      t1.Lido().c_str(), t2.Lido().c_str()),
              c.esperado)
        << c.linha;
    geren->Fecha_Todos();
  }
  // A title longer than its 299 characters fails the head.
  const std::vector<std::pair<std::string, bool>> cabs = {
      {"[Num Linhas = 1]\n[" + std::string(kTam - 1, 't') + "]\n", true},
      {"[Num Linhas = 1]\n[" + std::string(kTam, 't') + "]\n", false},
      {"[Num Linhas = 1]\n", false},
      {"[Num Linha = 1]\n[t]\n", false}};
  for (const auto& [texto, ok] : cabs) {
    int n;
    EXPECT_EQ(
        Lendo(geren, Arquivo(), texto, [&] { return geren->Le_Cab_Dados_Tabelas_HVAC_RTQ(&n); }),
        ok)
        << texto;
  }
}

}  // namespace
