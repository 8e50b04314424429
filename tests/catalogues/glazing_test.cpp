#include <sys/stat.h>

#include <cstring>
#include <string>
#include <vector>

#include "catalogues/catalogo.h"
#include "support/fixture.h"
#include "support/texto_config.h"

namespace {

// Model k of a table: every value derived from k, the arrays k.1 to k.9.
std::string Modelo(int k) {
  std::string t = "[Vidro " + std::to_string(k) + "]\nId=" + std::to_string(k) +
                  "\nEspessura=0.00" + std::to_string(k) +
                  "\nModelo_Padrao=" + std::to_string(k % 2) + "\n";
  for (const char* chave : {"Absortividade", "Transmissividade", "Transmissividade_Sistema"}) {
    t += std::string(chave) + "={";
    for (int i = 1; i <= 9; ++i)
      t += (i > 1 ? "," : "") + std::to_string(k) + "." + std::to_string(i);
    t += "}\n";
  }
  return t + "\n";
}

std::string Tabela(int contagem, int modelos) {
  std::string t = "[Registros = " + std::to_string(contagem) + "]\n\n";
  for (int k = 1; k <= modelos; ++k) t += Modelo(k);
  return t;
}

std::string Real(float v, const char* fim) { return Formata("%g%s", v, fim); }

// What a load fills, with the arrays' tenth entries.
std::string Descreve(const TProp_Vitreas& p) {
  std::string t = std::string(p.Nome, strnlen(p.Nome, 32)) + "|" + Real(p.Espessura, "|") +
                  std::to_string(p.Modelo_Padrao) + "|";
  for (const float* v : {p.Absortividade, p.Transmissividade, p.Transmissividade_Sistema}) {
    for (int i = 0; i < 10; ++i) t += Real(v[i], " ");
  }
  return t;
}

// The record of model k as loaded; 0 for one untouched since Inicial(), -1
// for a name cut to 31 characters after which nothing scanned.
std::string Esperado(int k) {
  const std::string n = std::to_string(k);
  std::string t = k > 0 ? "Vidro " + n + "|0.00" + n + "|" + std::to_string(k % 2) + "|"
                        : (k ? std::string(31, 'N') : "antes") + "|3.00392|1077952576|";
  for (int a = 0; a < 3; ++a) {
    for (int i = 1; i <= 9; ++i) t += k > 0 ? n + "." + std::to_string(i) + " " : "3.00392 ";
    t += k ? "0 " : "3.00392 ";
  }
  return t;
}

// A record whose every float reads 3.00392 and every int 1077952576.
TProp_Vitreas Inicial(int indice) {
  TProp_Vitreas p;
  std::memset(&p, 0x40, sizeof(p));
  std::strcpy(p.Nome, "antes");
  p.Indice_Registro = indice;
  return p;
}

class Vidros : public ArqauxTest {};

TEST_F(Vidros, ModelTableLoadsTheIndexedOrLastModel) {
  Dir_Modelos modelos(dir);
  const std::string tres = Tabela(3, 3);
  const std::string longo = "[Registros = 1]\n\n[" + std::string(40, 'N') + Modelo(1).substr(8);
  const struct {
    const char* caso;
    std::string texto;  // empty: no file
    int indice;
    bool ok;
    int modelo;  // as Esperado() takes it
  } casos[] = {
      {"first", tres, 0, true, 1},
      {"beyond the table", tres, 5, true, 3},
      {"negative index", tres, -1, true, 3},
      {"count 0", Tabela(0, 3), 1, true, 0},
      {"count larger than the file", Tabela(2147483647, 3), -1, true, 3},
      {"no table", "", 0, false, 0},
      {"garbage after a model", Tabela(9, 1) + "garbage", 7, true, 1},
      // Cut and failed without overflowing; the scan stops inside it.
      {"name longer than the record's", longo, 0, true, -1},
  };
  for (const auto& c : casos) {
    std::remove(Caminho("Tab_Propr_Vitreas.txt").c_str());
    if (!c.texto.empty()) Escreve_Arquivo(Caminho("Tab_Propr_Vitreas.txt"), c.texto);
    TProp_Vitreas p = Inicial(c.indice);
    EXPECT_EQ(geren->Carrega_Um_ModVidr(&p), c.ok) << c.caso;
    EXPECT_EQ(Descreve(p), Esperado(c.modelo)) << c.caso;
    EXPECT_EQ(geren->Numero_Arquivos(), 0) << c.caso;
  }
  EXPECT_FALSE(geren->Carrega_Um_ModVidr(nullptr));
}

// Rows of the external database: each case reads one row (title or data)
// of a kind and shows the texts and values it stored, then what is left.
TEST_F(Vidros, DatabaseRowsOfEachKind) {
  const std::string longo(200, 'x');
  const struct {
    const char* caso;
    std::string texto;
    bool titulo;
    int tipo;
    bool ok;
    std::string lido;  // texts then values, "|"-separated; "-" untouched
    std::string resto;
  } casos[] = {
      {"title 1", "a,b,c,d,e,f,g,h,i,j,k,l,m,n,o,p\n", true, 1, true,
       "a|b|c|d|e|f|g|h|i|j|k|l|m|n|o|p|-|", "\n"},
      {"title with a CRLF line end", "a,b,c,d,e,f,g,h,i\r\n", true, 2, true, "a|b|c|d|e|f|g|h|i|-|",
       "\n"},
      {"title without a first field", ",b", true, 3, false, "-|", ",b"},
      {"title of another kind", "a,b", true, 7, true, "-|", "a,b"},
      {"title field longer than its buffer", longo + ",b", true, 2, true,
       std::string(127, 'x') + "|-|", std::string(73, 'x') + ",b"},
      {"data 0", "1.5,a,b,c,d,2,3,4,5,6,7,8,9,e,f\nnext", false, 0, true,
       "a|b|c|d|e|f|-|1.5|2|3|4|5|6|7|8|9|-|", "\nnext"},
      {"data 0 quoted", "1,a,\"b,c\",d,e,2,3,4,5,6,7,8,9,f,g\n", false, 0, true,
       "a|b,c|d|e|f|g|-|1|2|3|4|5|6|7|8|9|-|", "\n"},
      {"data 0 with a CRLF line end", "1.5,a,b,c,d,2,3,4,5,6,7,8,9,e,f\r\nnext", false, 0, true,
       "a|b|c|d|e|f|-|1.5|2|3|4|5|6|7|8|9|-|", "\nnext"},
      {"data 1 quoted with a CRLF line end", "1,a,\"b,c\",d,e,2,3,4,5,6,7,8,9,10,e,f\r\n", false, 1,
       true, "a|b,c|d|e|e|f|-|1|2|3|4|5|6|7|8|9|10|-|", "\n"},
      {"data 1 quoted", "1,a,\"b,c\",d,e,2,3,4,5,6,7,8,9,10,e,f", false, 1, true,
       "a|b,c|d|e|e|f|-|1|2|3|4|5|6|7|8|9|10|-|", ""},
      {"data 2 after its title", "\na,b,c,1,2,3,4,5,6\nd", false, 2, true,
       "\na|b|c|-|1|2|3|4|5|6|-|", "d"},
      {"data 3", "a,1,2,3,4,5,6,7,8\n", false, 3, true, "a|-|1|2|3|4|5|6|7|8|-|", ""},
      {"data neither form, consumed", "1.5,a\n", false, 0, true, "a\n|-|1.5|-|", ""},
      {"data neither form, nothing consumed", "x,a\n", false, 0, false, "-|-|", "x,a\n"},
      {"data at the end", "", false, 1, false, "-|-|", ""},
      {"data of another kind", "1,a", false, 4, false, "-|-|", "1,a"},
  };
  for (const auto& c : casos) {
    Abre_Para_Leitura(geren, Caminho("db.csv"), c.texto);
    std::vector<std::vector<char>> buffers(16, std::vector<char>(128, '\x01'));
    std::vector<char*> textos;
    for (auto& b : buffers) b[0] = '\0', textos.push_back(b.data());
    std::vector<float> v(11, -99.0f);
    const bool ok = c.titulo ? geren->Le_Titulo_DB_Vitreous(textos.data(), c.tipo)
                             : geren->Le_Base_Dados_Vitreous(textos.data(), v.data(), c.tipo);
    std::string lido;
    for (size_t k = 0; k < textos.size() && *textos[k]; ++k) lido += std::string(textos[k]) + "|";
    lido += "-|";
    for (size_t k = 0; !c.titulo && v[k] != -99.0f; ++k) lido += Real(v[k], "|");
    if (!c.titulo) lido += "-|";
    EXPECT_EQ(ok, c.ok) << c.caso;
    EXPECT_EQ(lido, c.lido) << c.caso;
    EXPECT_EQ(Resto(geren), c.resto) << c.caso;
    geren->Fecha_Todos();
  }
  char* nenhum[16] = {};
  float v[16];
  EXPECT_FALSE(geren->Le_Titulo_DB_Vitreous(nenhum, 0));
  EXPECT_FALSE(geren->Le_Base_Dados_Vitreous(nenhum, v, 3));
}

const std::vector<float> kZeros(11, 0.0f);

// Gas properties against the formulas, for one and two gaps at two
// temperatures each.
TEST_F(Vidros, GasPropertiesOfOneAndTwoGaps) {
  Dir_Modelos modelos(dir);
  ASSERT_EQ(mkdir(Caminho("Vitreous").c_str(), 0755), 0);
  // a0, a1, b0, b1, c0, c1, d0, d1 of gases X and Y, each after its letter;
  // "%c" finds X at the start, "%*[^Y]%c" finds Y.
  const float x[8] = {1.5f, 0.25f, 2, 0.5f, 3, -0.125f, 4, 0.75f};
  const float y[8] = {0.5f, 1.25f, 8, 0.0625f, -1, 2.5f, 0.25f, 3};
  std::string texto;
  for (const float* c : {x, y}) {
    texto += c == x ? "X\n" : "Y\n";
    for (int i = 0; i < 8; ++i) texto += std::to_string(c[i]) + (i < 7 ? "," : "\n");
  }
  Escreve_Arquivo(Caminho("Vitreous/gases.csv"), texto);
  Escreve_Arquivo(Caminho("Vitreous/longo.csv"),
                  texto.substr(0, texto.find('Y')) + std::string(1000, 'Y') + "\n");
  // P, Q, R then the coefficient block of a gas at temperature t.
  auto Formula = [](const float* c, float t) {
    const float p = c[0] + c[1] * t;
    std::vector<float> v = {p, c[4] + c[5] * t, (c[6] + c[7] * t) * p / (c[2] + c[3] * t)};
    for (int i : {2, 3, 6, 7, 0, 1, 4, 5}) v.push_back(c[i]);
    return v;
  };
  const char* const X = "%c";
  const char* const Y = "%*[^Y]%c";
  struct Caso {
    const char* caso;
    const char* arquivo;
    int camaras;
    bool gas;
    float t0, t1;
    const char *padrao1, *padrao2;
    bool ok;
    // Expected entries 0, 1, 2: P, Q, R, then the block stored with them.
    std::vector<float> e0 = kZeros, e1 = kZeros, e2 = kZeros;
  };
  std::vector<Caso> casos = {
      {"one gap", "gases.csv", 1, true, 300, 20, X, Y, true, Formula(x, 20)},
      {"one gap, other temperature", "gases.csv", 1, true, 20, 280, Y, X, true, Formula(y, 280)},
      {"two gaps", "gases.csv", 2, true, 10, 99, Y, X, true, kZeros, Formula(y, 10),
       Formula(x, 10)},
      {"two gaps, other temperature", "gases.csv", 2, true, -5, 99, X, Y, true, kZeros,
       Formula(x, -5), Formula(y, -5)},
      {"no gas flag", "gases.csv", 2, false, 10, 20, X, Y, true},
      {"unbounded text, one gap", "longo.csv", 1, true, 0, 20, X, "%*[^Y]%s", true, Formula(x, 20)},
      {"first pattern matches nothing", "gases.csv", 1, true, 0, 20, "Z%c", X, false},
      {"missing file", "none.csv", 1, true, 0, 20, X, Y, false},
  };
  // A second pattern that matches nothing, or is refused (two conversions,
  // a count, a text wider than the scratch, an allocating text), fails after
  // the first gap's values are stored.
  for (const char* p : {"Z%c", "%c%c", "%n", "%999s", "%ms"})
    casos.push_back({p, "gases.csv", 1, true, 0, 20, X, p, false, Formula(x, 20)});
  for (const auto& c : casos) {
    TProp_Vitreas p;
    std::memset(&p, 0, sizeof(p));
    std::strcpy(p.Arquivo_Gas, c.arquivo);
    std::strcpy(p.Campos_Texto[2], c.padrao1);
    std::strcpy(p.Campos_Texto[4], c.padrao2);
    p.Num_Camaras = c.camaras;
    p.Gas_B = c.gas;
    p.Temp_Camara[0] = c.t0;
    p.Temp_Camara[1] = c.t1;
    EXPECT_EQ(geren->Le_GasProps_DB_Vitreous(&p), c.ok) << c.caso;
    const float* blocos[3] = {p.Coef_Gas_1, p.Coef_Gas_1, p.Coef_Gas_2};
    const std::vector<float>* esperado[3] = {&c.e0, &c.e1, &c.e2};
    for (int e = 0; e < 3; ++e) {
      std::vector<float> obtido = {p.Prop_P[e], p.Prop_Q[e], p.Prop_R[e]};
      const std::vector<float>& w = *esperado[e];
      if (w != kZeros) obtido.insert(obtido.end(), blocos[e], blocos[e] + 8);
      EXPECT_EQ(obtido, std::vector<float>(w.begin(), w.begin() + obtido.size()))
          << c.caso << " entry " << e;
    }
    geren->Fecha_Todos();
  }
}

}  // namespace
