// Primary-equipment output streams: the data and consumption lines, the
// reader, and every report of every kind, each compared whole with text the
// test builds from the kind's documented table (written here in UTF-8 and
// converted, so that the library's escapes are checked too).
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/fixture.h"
#include "support/relatorios.h"

namespace {

struct Grandeza {
  std::string titulo;
  int flag;
  std::vector<Coluna_Amostrada> colunas;
};

// The five operations of a kind, over one piece of equipment of it.
struct Operacoes {
  std::function<void(const std::vector<int>& flags, int passo)> ajusta;
  std::function<void(TGeren_ArquivoAux*, int)> dados;
  std::function<void(TGeren_ArquivoAux*, int, float, bool)> consumo;  // null for the boiler
  std::function<bool(TGeren_ArquivoAux*, int, int*, float*)> le;
  std::function<void(TGeren_ArquivoAux*, int, int, int*, int, TTempo*, int)> cabecalho;
  std::function<void(TGeren_ArquivoAux*, int, int, int, int*, TTempo*, int)> linhas;
};

// Result i of step s: exact in binary, so that "%f" reads back the same.
float Resultado(int s, int i) { return 0.0625f * static_cast<float>(i + 1) + 0.25f * s; }

using G = TGeren_ArquivoAux;
template <class E>
Operacoes Opera(void (G::*dados)(E*, int), void (G::*consumo)(E*, int, float, bool),
                bool (G::*le)(int, int*, float*), void (G::*cab)(int, int, int*, int, TTempo*, int),
                void (G::*linhas)(int, int, int, int*, TTempo*, int)) {
  auto e = std::make_shared<E>();
  Operacoes o;
  o.ajusta = [e](const std::vector<int>& flags, int s) {
    for (size_t k = 0; k < flags.size(); ++k) e->A_Config_UM(static_cast<int>(k), flags[k]);
    for (int i = 0; i < 20; ++i) e->R_Modelo()->A_Result_UM(i, Resultado(s, i));
  };
  o.dados = [e, dados](G* g, int n) { (g->*dados)(e.get(), n); };
  if (consumo != nullptr) {
    o.consumo = [e, consumo](G* g, int n, float x, bool c) { (g->*consumo)(e.get(), n, x, c); };
  }
  o.le = le, o.cabecalho = cab, o.linhas = linhas;
  return o;
}

struct Membro {
  const char* nome;
  int num_flags;
  std::vector<std::vector<int>> grupos;  // flag, then its results, in stream order
  int consumo;                           // -1: none
  int zerados;
  int primeira;
  std::vector<Grandeza> grandezas;
  Operacoes op;
};

// The column of result r, its label converted, its values scaled by e.
Coluna_Amostrada Col(const char* rotulo, int r, const char* linha, const char* media, float e) {
  return {Cp1252(rotulo), [r](int s) { return Resultado(s, r); }, linha, media, e};
}
Coluna_Amostrada Ent(int r, float e = 1) { return Col("[Entrada] ", r, "%.2f\t  ", "%.2f\t", e); }
Coluna_Amostrada Sai(int r, float e = 1) { return Col("[Saída ] ", r, "%.2f\t   ", "%.2f", e); }
Coluna_Amostrada Cal(int r) { return Col("[Calor Total  ] ", r, "%.2f    \t", "%.2f", 1); }
Coluna_Amostrada Pot(int r) { return Col("[Potência     ] ", r, "%.2f    \t", "%.2f", 1); }

// clang-format off
std::vector<Grandeza> Bombas(const std::string& agua, const Coluna_Amostrada& saida) {
  return {{"[Temperatura da Água na Bomba de " + agua + " (ºC) - (Bomba", 1,
           {Col("[Entrada] ", 4, "%.2f\t  ", "%.2f\t", 1), saida}},
          {"[Taxa de Transferência de Calor na Bomba de " + agua + " (W) - (Bomba", 2, {Cal(0)}},
          {"[Vazão de Água na Bomba de " + agua + " (L/s) - (Bomba", 3,
           {Col("[Vazão    ] ", 2, "%.2f\t    ", "%.2f", 1)}},
          {"[Potência Elétrica da Bomba de " + agua + " (W) - (Bomba", 4, {Pot(3)}}};
}

std::vector<Membro> Membros() {
  const std::vector<std::vector<int>> bomba = {{1, 4, 1}, {2, 0}, {3, 2}, {4, 3}};
  return {
      {"ChillerAr", 6, {{1, 8, 3}, {2, 2}, {3, 7}, {4, 5}, {5, 4}}, 11, 15, 0,
       {{"[Temperatura da Água no Evaporador (ºC) - (Chiller a Ar", 1, {Ent(8), Sai(3)}},
        {"[Taxa de Transferência de Calor no Evaporador (W) - (Chiller a Ar", 2, {Cal(2)}},
        {"[Potência Elétrica do Compressor (W) - (Chiller a Ar", 3, {Pot(7)}}},
       Opera<CChillerAr>(&G::Grava_Saida_ChillerAr_Dados, &G::Grava_Saida_ChillerAr_Consumo,
                         &G::Le_Saida_ChillerAr_Dados, &G::Preenche_Cabecalho_ChillerAr,
                         &G::Salva_Texo_Dados_ChillerAr)},
      {"ChillerAgua", 9, {{1, 11, 4}, {2, 12, 6}, {3, 2}, {4, 3}, {5, 10}, {6, 8}, {7, 5}, {8, 7}},
       14, 19, 3,
       {{"[Temperatura da Água no Evaporador (ºC) - (Chiller a Água", 1, {Ent(11), Sai(4)}},
        {"[Temperatura da Água no Condensador (ºC) - (Chiller a Água", 2, {Ent(12), Sai(6)}},
        {"[Taxa de Transferência de Calor no Evaporador (W) - (Chiller a Água", 3, {Cal(2)}},
        {"[Taxa de Transferência de Calor no Condensador (W) - (Chiller a Água", 4, {Cal(3)}},
        {"[Potência Elétrica do Compressor (W) - (Chiller a Água", 5, {Pot(10)}}},
       Opera<CChillerAgua>(&G::Grava_Saida_ChillerAgua_Dados, &G::Grava_Saida_ChillerAgua_Consumo,
                           &G::Le_Saida_ChillerAgua_Dados, &G::Preenche_Cabecalho_ChillerAgua,
                           &G::Salva_Texo_Dados_ChillerAgua)},
      {"Torre", 6, {{1, 7, 1}, {2, 0}, {3, 8, 3}, {4, 9, 4}, {5, 6}}, 10, 14, 0,
       {{"[Temperatura da Água na Torre de Resfriamento (ºC) - (Torre", 1, {Ent(7), Sai(1)}},
        {"[Temperatura do Ar na Torre de Resfriamento (ºC) - (Torre", 3, {Ent(8), Sai(3)}},
        {"[Umidade Relativa do Ar na Torre de Resfriamento (%) - (Torre", 4,
         {Ent(9, 100), Sai(4, 100)}},
        {"[Taxa de Transferência de Calor na Torre de Resfriamento (W) - (Torre", 2, {Cal(0)}},
        {"[Potência Elétrica do Ventilador (W) - (Torre", 5, {Pot(6)}}},
       Opera<CTorre>(&G::Grava_Saida_Torre_Dados, &G::Grava_Saida_Torre_Consumo,
                     &G::Le_Saida_Torre_Dados, &G::Preenche_Cabecalho_Torre,
                     &G::Salva_Texo_Dados_Torre)},
      {"Boiler", 9, {{1, 0}, {2, 2, 3, 4}, {3, 7}, {4, 8}, {5, 9}, {6, 6}, {7, 5}, {8, 10}}, -1,
       0, 0,
       {{"[Modo de Operação da Caldeira - (Caldeira", 1,
         {Col("[Modo de Op.] ", 0, "%.2f\t      ", "%.2f", 1)}},
        {"[Temperatura da Água na Caldeira (ºC) - (Caldeira", 2,
         {Col("[Entrada] ", 4, "%.2f\t  ", "%.2f\t", 1),
          Col("[Saída ] ", 2, "%.2f  \t", "%.2f\t", 1),
          Col("[Saída Média] ", 3, "%.2f\t ", "%.2f", 1)}},
        {"[Potência Útil da Caldeira (W) - (Caldeira", 3, {Pot(7)}},
        {"[Taxa de Transferência de Calor na Caldeira (W) - (Caldeira", 4, {Cal(8)}},
        {"[Eficiência da Caldeira (%) - (Caldeira", 5,
         {Col("[Eficiência] ", 9, "%.2f\t", "%.2f", 100)}},
        {"[Consumo de Combustível da Caldeira (Kg) - (Caldeira", 6,
         {Col("[Consumo] ", 6, "%.2f\t", "%.2f", 1)}},
        {"[Vazão de Combustível na Caldeira (Kg/s) - (Caldeira", 7,
         {Col("[Vazão    ] ", 5, "%.2f\t", "%.2f", 1)}},
        {"[Vazão de Água na Caldeira (Kg/s) - (Caldeira", 8,
         {Col("[Vazão    ] ", 10, "%.2f\t", "%.2f", 1)}}},
       Opera<CBoiler>(&G::Grava_Saida_Boiler_Dados, nullptr, &G::Le_Saida_Boiler_Dados,
                      &G::Preenche_Cabecalho_Boiler, &G::Salva_Texo_Dados_Boiler)},
      {"BombaAG", 5, bomba, 5, 0, 0,
       Bombas("Água Gelada", Col("[Saída ] ", 1, "%.2f\t   ", "%.2f\t", 1)),
       Opera<CBombaAG>(&G::Grava_Saida_BombaAG_Dados, &G::Grava_Saida_BombaAG_Consumo,
                       &G::Le_Saida_BombaAG_Dados, &G::Preenche_Cabecalho_BombaAG,
                       &G::Salva_Texo_Dados_BombaAG)},
      {"BombaAQ", 5, bomba, 5, 0, 0,
       Bombas("Água Quente", Col("[Saída ]      ", 1, "%.2f  \t", "%.2f\t", 1)),
       Opera<CBombaAQ>(&G::Grava_Saida_BombaAQ_Dados, &G::Grava_Saida_BombaAQ_Consumo,
                       &G::Le_Saida_BombaAQ_Dados, &G::Preenche_Cabecalho_BombaAQ,
                       &G::Salva_Texo_Dados_BombaAQ)},
      {"BombaCond", 5, bomba, 5, 0, 0,
       Bombas("Água de Condensação", Col("[Saída ] ", 1, "%.2f\t   ", "%.2f\t", 1)),
       Opera<CBombaAC>(&G::Grava_Saida_BombaCond_Dados, &G::Grava_Saida_BombaCond_Consumo,
                       &G::Le_Saida_BombaCond_Dados, &G::Preenche_Cabecalho_BombaAC,
                       &G::Salva_Texo_Dados_BombaAC)},
  };
}
// clang-format on

constexpr int kIntervalo = 600;  // six samples to the hour
constexpr int kPassos = 7;       // one hour and one more sample

// The lines of kPassos steps with the given flags.
std::string Dados_Esperados(const Membro& m, const std::vector<int>& flags) {
  std::string s;
  for (int p = 0; p < kPassos && flags[0] != 0; ++p) {
    for (const auto& g : m.grupos) {
      for (size_t r = 1; r < g.size() && flags[g[0]] != 0; ++r)
        s += Formata("%f\t", Resultado(p, g[r]));
    }
    s += "\n";
  }
  return s;
}

// Header and rows of variable v from 7/3 at 5 h, equipment number 4.
std::string Relatorio_Esperado(const Membro& m, int v, const std::vector<int>& flags) {
  const size_t k = static_cast<size_t>(v - m.primeira);
  const Grandeza* g = k < m.grandezas.size() ? &m.grandezas[k] : nullptr;
  Relatorio_Amostrado r{Cp1252(g != nullptr ? g->titulo : "") + " 4)]\n",
                        {5, 0, 3, 7, {}},
                        {6, 0, 3, 8, {}},
                        kIntervalo,
                        Relogio::Espacado,
                        {}};
  if (g != nullptr && flags[g->flag] != 0) r.colunas = g->colunas;
  return r.Texto(flags[0] != 0 ? kPassos : 0);
}

class PrimaryEquipmentTest : public ArqauxTest {
 protected:
  void SetUp() override {
    ArqauxTest::SetUp();
    par[0].Hora = 5, par[0].Mes = 3, par[0].Dia = 7;
    par[1].Hora = 6, par[1].Mes = 3, par[1].Dia = 8;
  }
  // Writes kPassos data lines (and consumption lines, every other one with
  // the extra value) of m with flags.
  void Grava(const Membro& m, const std::vector<int>& flags) {
    ASSERT_EQ(geren->Abre_Arquivo(Caminho("d.txt").c_str(), "wt"), 1);
    ASSERT_EQ(geren->Abre_Arquivo(Caminho("c.txt").c_str(), "wt"), 2);
    for (int p = 0; p < kPassos; ++p) {
      m.op.ajusta(flags, p);
      m.op.dados(geren, 1);
      if (m.op.consumo) m.op.consumo(geren, 2, 2.5f, p % 2 == 1);
    }
    geren->Fecha_Todos();
  }
  // Header and rows of variable v over d.txt.
  std::string Relatorio(const Membro& m, int v, std::vector<int> flags) {
    EXPECT_EQ(geren->Abre_Arquivo(Caminho("d.txt").c_str(), "rt"), 1);
    EXPECT_EQ(geren->Abre_Arquivo(Caminho("r.txt").c_str(), "wt"), 2);
    m.op.cabecalho(geren, 2, v, flags.data(), 4, par, kIntervalo);
    m.op.linhas(geren, 1, 2, v, flags.data(), par, kIntervalo);
    geren->Fecha_Todos();
    return Le_Arquivo(Caminho("r.txt"));
  }
  TTempo par[2];
};

// Every kind, with every flag set and with each variable's flag clear in
// turn: data and consumption lines, the reader, and the report of each
// variable and of one on either side of the kind's range.
TEST_F(PrimaryEquipmentTest, EveryKindWritesReadsAndReportsItsTable) {
  for (const Membro& m : Membros()) {
    SCOPED_TRACE(m.nome);
    const std::vector<int> todas(9, 1);
    std::vector<std::vector<int>> padroes = {todas};
    for (const Grandeza& g : m.grandezas) {
      padroes.push_back(todas);
      padroes.back()[g.flag] = 0;
    }
    for (const std::vector<int>& flags : padroes) {
      Grava(m, flags);
      EXPECT_EQ(Le_Arquivo(Caminho("d.txt")), Dados_Esperados(m, flags));
      std::string consumo;
      for (int p = 0; p < kPassos && m.consumo >= 0; ++p) {
        consumo += Formata("%f\t", Resultado(p, m.consumo)) + (p % 2 ? "2.500000" : "") + "\n";
      }
      EXPECT_EQ(Le_Arquivo(Caminho("c.txt")), consumo);
      ASSERT_EQ(geren->Abre_Arquivo(Caminho("d.txt").c_str(), "rt"), 1);
      std::vector<int> f = flags;
      for (int p = 0; p <= kPassos; ++p) {
        std::vector<float> lidos(20, -1.0f), esperados(20, -1.0f);
        std::fill(esperados.begin(), esperados.begin() + m.zerados, 0.0f);
        for (const auto& g : m.grupos) {
          for (size_t r = 1; r < g.size() && f[g[0]] != 0; ++r)
            esperados[g[r]] = Resultado(p, g[r]);
        }
        ASSERT_EQ(m.op.le(geren, 1, f.data(), lidos.data()), p < kPassos) << p;
        if (p < kPassos) {
          EXPECT_EQ(lidos, esperados) << p;
        }
      }
      geren->Fecha_Todos();
      for (int v = m.primeira - 1; v <= m.primeira + static_cast<int>(m.grandezas.size()); ++v) {
        EXPECT_EQ(Relatorio(m, v, flags), Relatorio_Esperado(m, v, flags)) << v;
      }
    }
  }
}

// An unmonitored piece (flag 0 clear) writes no line, reads none (it only
// zeroes its first values) and reports its header alone, over any data.
TEST_F(PrimaryEquipmentTest, UnmonitoredEquipmentWritesReadsAndReportsNoLine) {
  for (const Membro& m : Membros()) {
    SCOPED_TRACE(m.nome);
    Grava(m, std::vector<int>(9, 1));
    const std::string dados = Le_Arquivo(Caminho("d.txt"));
    std::vector<int> flags(9, 1);
    flags[0] = 0;
    m.op.ajusta(flags, 0);
    ASSERT_EQ(geren->Abre_Arquivo(Caminho("d.txt").c_str(), "rt+"), 1);
    m.op.dados(geren, 1);
    std::vector<float> valores(20, 9.0f), esperados(20, 9.0f);
    std::fill(esperados.begin(), esperados.begin() + m.zerados, 0.0f);
    EXPECT_TRUE(m.op.le(geren, 1, flags.data(), valores.data()));
    EXPECT_EQ(valores, esperados);
    EXPECT_EQ(std::ftell(geren->ObtemArquivo()), 0);
    geren->Fecha_Todos();
    EXPECT_EQ(Le_Arquivo(Caminho("d.txt")), dados);
    EXPECT_EQ(Relatorio(m, m.primeira, flags), Relatorio_Esperado(m, m.primeira, flags));
  }
}

// Lines the reader takes and those that end the data: a value that is not a
// number, more values than the flags say, and a line cut anywhere. Blanks
// before the "\n" (a "\r" included) belong to the line.
TEST_F(PrimaryEquipmentTest, ReaderTakesWholeLinesOnly) {
  const struct {
    const char* texto;
    int linhas;
  } casos[] = {
      {"1\t2\t3\t4\t\n5\t6\t7\t8\t\n", 2},
      {"1\t2\t3\t4 \r\n5 6\n7\n8\n", 2},
      {"1\t2\t3\t4\t5\n", 0},
      {"1\tx\t3\t4\t\n", 0},
      {"1\t2\t3\t4\t\n1\t2\t3\t4\t", 1},
      {"1\t2\t3\t4\t\n1\t2\t3\t4", 1},
      {"\n\n1\t2\t3\t4\t\n", 1},
      {"1\t2\t3\t-\n", 0},
  };
  int flags[5] = {1, 1, 0, 1, 1};  // the pump's temperatures, flow and power
  for (const auto& c : casos) {
    Escreve_Arquivo(Caminho("d.txt"), c.texto);
    ASSERT_EQ(geren->Abre_Arquivo(Caminho("d.txt").c_str(), "rt"), 1);
    float v[6];
    int lidas = 0;
    while (lidas < 9 && geren->Le_Saida_BombaAG_Dados(1, flags, v)) ++lidas;
    geren->Fecha_Todos();
    EXPECT_EQ(lidas, c.linhas) << c.texto;
  }

  // Every prefix of two lines: the reader and the report take the whole
  // lines in it and no more. Blank lines before a line belong to it, however
  // many, so the report's blocks of text may cut it anywhere, a value
  // included; a run longer than the longest line ends the data.
  Membro m = Membros()[1];
  const std::vector<int> todas(9, 1);
  Grava(m, todas);
  const std::string dados = Le_Arquivo(Caminho("d.txt"));
  const std::string inteiro = Relatorio(m, 3, todas);
  const std::string cabeca = inteiro.substr(0, inteiro.find("\n", inteiro.find("[Entrada")) + 1);
  const std::string dois = dados.substr(0, dados.find('\n', dados.find('\n') + 1) + 1);
  // Whole lines: the "\n"s past the blank lines the text starts with; none
  // after a run of blanks past the longest line.
  const auto inteiras = [](const std::string& texto) -> size_t {
    const size_t brancos = std::min(texto.find_first_not_of('\n'), texto.size());
    return brancos > (1 << 20) ? 0 : std::count(texto.begin() + brancos, texto.end(), '\n');
  };
  std::vector<std::string> textos;
  for (size_t n = 0; n <= dois.size(); ++n) textos.push_back(dois.substr(0, n));
  for (size_t brancos : {65530, 65533, 70000, (1 << 20) + 1}) {
    textos.push_back(std::string(brancos, '\n') + dois);
  }
  std::string falhas;
  for (const std::string& texto : textos) {
    Escreve_Arquivo(Caminho("d.txt"), texto);
    const size_t k = inteiras(texto);
    std::string esperado = cabeca;
    for (size_t j = 0, p = cabeca.size(); j < k; ++j, p = inteiro.find('\n', p) + 1) {
      esperado += inteiro.substr(p, inteiro.find('\n', p) + 1 - p);
    }
    std::vector<int> f = todas;
    const std::string nome = std::to_string(texto.size());
    if (Relatorio(m, 3, todas) != esperado) falhas += "report " + nome + "\n";
    ASSERT_EQ(geren->Abre_Arquivo(Caminho("d.txt").c_str(), "rt"), 1);
    float v[19];
    size_t lidas = 0;
    while (lidas < 3 && geren->Le_Saida_ChillerAgua_Dados(1, f.data(), v)) ++lidas;
    geren->Fecha_Todos();
    if (lidas != k) falhas += "reader " + nome + "\n";
  }
  EXPECT_EQ(falhas, "");
}

}  // namespace
