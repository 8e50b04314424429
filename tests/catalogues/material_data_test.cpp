#include <string>
#include <vector>

#include "catalogues/catalogo.h"
#include "support/corte.h"
#include "support/fixture.h"
#include "support/texto_config.h"

namespace {

// Hourly value h of the line keyed c: c + h / 100, exact enough for "%g".
std::string Linha_Hora(int c) {
  std::string t = "{[" + std::to_string(c) + "][";
  for (int h = 0; h < 24; ++h) t += Formata(h ? " %d.%02d" : "%d.%02d", c, h);
  return t + "]}\n";
}

// Blocks of keys (k, k + 1), each with linhas lines keyed 10k + 1...
std::string Blocos_Hora(int blocos, int linhas) {
  std::string t;
  for (int b = 1; b <= blocos; ++b) {
    t += Formata("[%d;%d;%d]\n", b, b + 1, linhas);
    for (int l = 1; l <= linhas; ++l) t += Linha_Hora(10 * b + l);
  }
  return t;
}

// Records of keys (r, 2r) whose values are r + k / 10.
std::string Registros_Subida(int registros) {
  std::string t;
  for (int r = 1; r <= registros; ++r) {
    std::string v;
    for (int k = 0; k < 7; ++k) v += Formata(k ? ";%d.%d" : "%d.%d", r, k);
    t += Formata("[%d;%d]\n{[Subida]=[%s]}\n{[Descida]=[%s]}\n", r, 2 * r, v.c_str(), v.c_str());
  }
  return t;
}

std::string Valores(const float* v, int n) {
  std::string t;
  for (int k = 0; k < n; ++k) t += Formata("%g ", v[k]);
  return t;
}

class DadosMateriais : public ArqauxTest {
 protected:
  std::string Arquivo() const { return Caminho("material.txt"); }
};

// The values of a line keyed c, or of a record r.
std::string Valores_Linha(int c, int n) {
  std::vector<float> w;
  for (int h = 0; h < n; ++h)
    w.push_back(std::stof(n == 24 ? Formata("%d.%02d", c, h) : Formata("%d.%d", c, h % 7)));
  return Valores(w.data(), n);
}

TEST_F(DadosMateriais, HourlyDampingSearchesOnFromTheStreamsPosition) {
  // Each lookup: keys, result, the line whose values the array holds after it.
  const struct {
    int a, b, c;
    bool ok;
    int linha;
  } buscas[] = {{1, 2, 13, true, 13},
                {3, 4, 33, true, 33},
                {5, 6, 52, true, 52},
                // A lookup begins with a block heading, so one that follows
                // a match inside its block finds none and reads nothing.
                {5, 6, 53, false, 52}};
  Abre_Para_Leitura(geren, Arquivo(), Blocos_Hora(12, 3));
  std::string obtido, esperado;
  float v[24];
  for (const auto& q : buscas) {
    const bool ok = geren->Carrega_Linha_Amortecimento(q.a, q.b, q.c, v);
    obtido += std::to_string(ok) + " " + Valores(v, 24) + "\n";
    esperado += std::to_string(q.ok) + " " + Valores_Linha(q.linha, 24) + "\n";
  }
  EXPECT_EQ(obtido, esperado);
  geren->Fecha_Todos();
  // A failed search leaves the last line read.
  EXPECT_FALSE(Lendo(geren, Arquivo(), Blocos_Hora(12, 3),
                     [&] { return geren->Carrega_Linha_Amortecimento(1, 2, 14, v); }));
  EXPECT_EQ(Valores(v, 24), Valores_Linha(123, 24));
  // A 13th block is never read.
  const std::string treze = Blocos_Hora(12, 1) + "[13;14;1]\n" + Linha_Hora(99);
  Abre_Para_Leitura(geren, Arquivo(), treze);
  EXPECT_FALSE(geren->Carrega_Linha_Amortecimento(13, 14, 99, v));
  EXPECT_EQ(Resto(geren), "[13;14;1]\n" + Linha_Hora(99));
  geren->Fecha_Todos();
  // The match needs its line's 24 values, the last one begun.
  const std::string bloco = "[5;6;2]\n" + Linha_Hora(7) + Linha_Hora(8);
  const auto lidos = Corta_Em_Todo_Byte(
      geren, Arquivo(), bloco, [&] { return geren->Carrega_Linha_Amortecimento(5, 6, 8, v); });
  EXPECT_EQ(Le_Desde(lidos), bloco.rfind(' ') + 2);
}

TEST_F(DadosMateriais, RiseAndFallSearchesFromTheStartOverTwelveRecords) {
  const struct {
    int a, b;
    bool ok;
    int registro;  // whose values the array holds after the lookup
  } buscas[] = {{12, 24, true, 12},
                {1, 2, true, 1},
                {13, 26, false, 12},
                {2, 3, false, 12},
                {7, 14, true, 7}};
  Abre_Para_Leitura(geren, Arquivo(), Registros_Subida(13));
  float v[14];
  for (const auto& q : buscas) {
    EXPECT_EQ(geren->Carrega_Linha_Amortecimento(q.a, q.b, v), q.ok) << q.a;
    EXPECT_EQ(Valores(v, 14), Valores_Linha(q.registro, 14)) << q.a;
  }
  geren->Fecha_Todos();
  const std::string registro = Registros_Subida(1);
  const auto lidos = Corta_Em_Todo_Byte(
      geren, Arquivo(), registro, [&] { return geren->Carrega_Linha_Amortecimento(1, 2, v); });
  EXPECT_EQ(Le_Desde(lidos), registro.rfind(';') + 2);
}

TEST_F(DadosMateriais, TransmittanceIsFiveColumnsOf101Lines) {
  std::string tabela;
  for (int i = 0; i < 101; ++i) {
    tabela += std::to_string(i);
    for (int c = 0; c < 5; ++c) tabela += " " + std::to_string(c) + "." + std::to_string(i % 10);
    tabela += "\n";
  }
  const struct {
    std::string texto;
    bool ok;
    int linhas;    // whole lines stored
    int parciais;  // values of the next line stored
  } casos[] = {{tabela, true, 101, 0},
               {tabela + "101 9 9 9 9 9\n", true, 101, 0},
               {tabela.substr(0, tabela.rfind("100 ")), false, 100, 0},
               {tabela.substr(0, tabela.size() - 5), false, 100, 4},
               {"", false, 0, 0}};
  for (const auto& c : casos) {
    std::vector<float> v(505, -1), w(505, -1);
    EXPECT_EQ(Lendo(geren, Arquivo(), c.texto, [&] { return geren->Carrega_Dados_U(v.data()); }),
              c.ok);
    for (int i = 0; i <= c.linhas && i < 101; ++i) {
      for (int k = 0; k < (i < c.linhas ? 5 : c.parciais); ++k) {
        w[101 * k + i] = k + (i % 10) / 10.0f;
      }
    }
    EXPECT_EQ(Valores(v.data(), 505), Valores(w.data(), 505)) << c.texto.size();
  }
}

TEST_F(DadosMateriais, IsothermReadsPairsZeroToN) {
  const std::string pares = "0.1 0.5\n0.25 1e-3\n  2.5\t3.75\n";
  const struct {
    int n;
    bool ok;
    std::string valores;
  } casos[] = {{-1, true, "-1 -1 -1 -1 -1 -1 -1 -1"},
               {-2147483647 - 1, true, "-1 -1 -1 -1 -1 -1 -1 -1"},
               {0, true, "0.1 0.5 -1 -1 -1 -1 -1 -1"},
               {2, true, "0.1 0.5 0.25 0.001 2.5 3.75 -1 -1"},
               {3, false, "0.1 0.5 0.25 0.001 2.5 3.75 -1 -1"}};
  for (const auto& c : casos) {
    std::vector<double> v(8, -1);
    EXPECT_EQ(
        Lendo(geren, Arquivo(), pares, [&] { return geren->Carrega_Dados_Iso(v.data(), c.n); }),
        c.ok);
    std::string t;
    for (double x : v) t += Formata(t.empty() ? "%g" : " %g", x);
    EXPECT_EQ(t, c.valores) << c.n;
  }
  std::vector<double> v(6);
  const auto lidos = Corta_Em_Todo_Byte(geren, Arquivo(), pares,
                                        [&] { return geren->Carrega_Dados_Iso(v.data(), 2); });
  EXPECT_EQ(Le_Desde(lidos), pares.rfind('\t') + 2);
  float u[505];
  EXPECT_FALSE(geren->Carrega_Dados_U(u));
  EXPECT_FALSE(geren->Carrega_Dados_Iso(v.data(), 0));
  EXPECT_FALSE(geren->Carrega_Linha_Amortecimento(1, 2, u));
  EXPECT_FALSE(geren->Carrega_Linha_Amortecimento(1, 2, 3, u));
}

}  // namespace
