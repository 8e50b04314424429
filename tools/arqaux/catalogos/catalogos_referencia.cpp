// The reference-table kinds: ventilation rates, regulation tables and
// material data. The library reads these files line by line on the current
// stream, the host driving the order of the calls; each kind's loader plays
// that host over its file and each sample writer writes the lines in the
// same order. Where a line's count is the host's own knowledge, the loader
// takes it from the file: a ventilation model's header is [rows,columns],
// and the ration, air-change and isotherm files are read line by line to
// their end. The damping tables are searched by key: their loaders search
// for keys no file holds, which reads every block the search may reach, and
// print the values of the last line read.
#include <arqaux/arqaux.h>

#include <cctype>
#include <climits>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "catalogos/catalogos.h"

namespace {

constexpr int kTam = TGeren_ArquivoAux::Tam_Texto_Tabela;

bool Escreve_Texto(const std::string& caminho, const std::string& texto) {
  FILE* f = std::fopen(caminho.c_str(), "wb");
  if (f == nullptr) return false;
  const bool ok = std::fwrite(texto.data(), 1, texto.size(), f) == texto.size();
  return std::fclose(f) == 0 && ok;
}

// Whether the stream has nothing left.
bool No_Fim(FILE* f) {
  const int c = std::getc(f);
  if (c == EOF) return true;
  std::ungetc(c, f);
  return false;
}

long Tamanho(FILE* f) {
  const long atual = std::ftell(f);
  std::fseek(f, 0, SEEK_END);
  const long n = std::ftell(f);
  std::fseek(f, atual, SEEK_SET);
  return n;
}

// Opens caminho as the current stream, runs le(g, f, saida) and closes it;
// on failure *parada is where the stream stood.
template <class F>
bool Com_Arquivo(const std::string& caminho, FILE* saida, long* parada, F le) {
  TGeren_ArquivoAux* g = Geren_ArqAux();
  *parada = -1;
  if (g->Abre_Arquivo(caminho.c_str(), "rb") == 0) return false;
  FILE* f = g->ObtemArquivo();
  const bool ok = le(g, f, saida);
  if (!ok) *parada = std::ftell(f);
  g->Fecha_Todos();
  return ok;
}

// Prints on saida when it is given.
template <class... A>
void Imprime(FILE* saida, const char* formato, A... a) {
  if (saida != nullptr) std::fprintf(saida, formato, a...);
}

void Imprime_Reais(FILE* saida, const float* v, int n) {
  for (int k = 0; k < n; ++k) Imprime(saida, k + 1 < n ? "%g\t" : "%g\n", v[k]);
}

// Calls le() for each line up to the end of the stream: a call that reads
// nothing, or leaves the name empty, stops the file there.
template <class F>
bool Le_Ate_O_Fim(FILE* f, F le) {
  while (!No_Fim(f)) {
    const long antes = std::ftell(f);
    if (!le() || std::ftell(f) == antes) return false;
  }
  return true;
}

// True when the last character the reader took, white space aside, is fim.
// The ration and air-change readers answer true for a line cut before its
// closing ")", holding the fields it had; the stream's position tells.
bool Termina_Em(FILE* f, char fim) {
  const long atual = std::ftell(f);
  int c = EOF;
  for (long p = atual - 1; p >= 0; --p) {
    std::fseek(f, p, SEEK_SET);
    c = std::fgetc(f);
    if (!std::isspace(c)) break;
  }
  std::fseek(f, atual, SEEK_SET);
  return c == fim;
}

// ---- Ventilation ----

bool Amostra_Racoes(const std::string& c) {
  return Escreve_Texto(c,
                       "[Sala de aula] (5;8;3)\n[Escrit\xF3rio] (7;9;2)\n[Audit\xF3rio] (4;6;5)\n"
                       "[Cozinha industrial] (15;25;4)\n[Dep\xF3sito] (1;2;1)\n");
}

bool Carrega_Racoes(const std::string& c, FILE* saida, long* parada) {
  return Com_Arquivo(c, saida, parada, [](TGeren_ArquivoAux* g, FILE* f, FILE* s) {
    return Le_Ate_O_Fim(f, [&] {
      char nome[kTam] = "", nivel[TGeren_ArquivoAux::Tam_Nivel_Racao] = "";
      int a = 0, b = 0;
      g->Le_Racao_de_Ar(nome, nivel, &a, &b);
      Imprime(s, "[%s]\t%d\t%d\t%s\n", nome, a, b, nivel);
      return nome[0] != '\0' && Termina_Em(f, ')');
    });
  });
}

bool Amostra_Trocas(const std::string& c) {
  return Escreve_Texto(c,
                       "[Banheiro] (6.000000;1)\n[Cozinha residencial] (12.500000;2)\n"
                       "[Lavanderia] (10.000000;1)\n[Garagem] (4.000000;3)\n");
}

bool Carrega_Trocas(const std::string& c, FILE* saida, long* parada) {
  return Com_Arquivo(c, saida, parada, [](TGeren_ArquivoAux* g, FILE* f, FILE* s) {
    return Le_Ate_O_Fim(f, [&] {
      char nome[kTam] = "";
      float v = 0;
      int i = 0;
      g->Le_Trocas_de_Ar(nome, &v, &i);
      Imprime(s, "[%s]\t%g\t%d\n", nome, v, i);
      return nome[0] != '\0' && Termina_Em(f, ')');
    });
  });
}

bool Amostra_Modelos(const std::string& c) {
  return Escreve_Texto(c,
                       "[Quantidade de Modelos = 2]\n\n"
                       "[3,4]\n0.000000\t0.100000\t0.250000\t0.400000\n"
                       "1.000000\t0.150000\t0.300000\t0.450000\n"
                       "2.000000\t0.200000\t0.350000\t0.500000\n"
                       "[2,6]\n0.500000\t1.000000\t1.500000\t2.000000\t2.500000\t3.000000\n"
                       "0.750000\t1.250000\t1.750000\t2.250000\t2.750000\t3.250000\n");
}

bool Carrega_Modelos(const std::string& c, FILE* saida, long* parada) {
  return Com_Arquivo(c, saida, parada, [](TGeren_ArquivoAux* g, FILE* f, FILE* s) {
    const long tamanho = Tamanho(f);
    int modelos = 0;
    if (!g->Le_Inicio(&modelos) || modelos < 0 || modelos > tamanho) return false;
    for (int m = 0; m < modelos; ++m) {
      int linhas = 0, colunas = 0;
      // Each row takes at least two bytes per value, and the reader reads
      // nothing for columns outside 4 to 7: the count is checked against
      // the file before the rows are read, one at a time.
      if (!g->Le_Cabecalho_Ventilacao(&linhas, &colunas) || linhas < 0 || colunas < 4 ||
          colunas > 7 || linhas > tamanho / (2 * colunas))
        return false;
      Imprime(s, "modelo %d: %d linhas de %d colunas\n", m + 1, linhas, colunas);
      for (int i = 0; i < linhas; ++i) {
        float linha[7] = {};
        if (!g->Le_Registro_Ventilacao(linha, colunas)) return false;
        Imprime_Reais(s, linha, colunas);
      }
    }
    return No_Fim(f);
  });
}

bool Confere_Modelos(TLeitura_Estrita* l) {
  int modelos = 0;
  if (!l->Linha("[Quantidade de Modelos = %d]", {&modelos}) || modelos < 0) return false;
  for (int m = 0; m < modelos; ++m) {
    int linhas = 0, colunas = 0;
    if (!l->Linha("[%d,%d]", {&linhas, &colunas}) || linhas < 0 || colunas < 4 || colunas > 7)
      return false;
    std::string padrao = "%f";
    for (int k = 1; k < colunas; ++k) padrao += " %f";
    for (int i = 0; i < linhas; ++i) {
      if (!l->Linha(padrao.c_str())) return false;
    }
  }
  return l->Fim();
}

// ---- Regulation ----

bool Amostra_Zonas_Bio(const std::string& c) {
  return Escreve_Texto(
      c,
      "[Cidades Classificadas Conforme Zona Bioclim\xE1tica][Num_Reg = 4]\n"
      "[Estado\tCidade\tMetodo\tZona]\n"
      "SC\t[Florian\xF3polis]\tTabela\t3\nSP\t[S\xE3o Jos\xE9 dos Campos]\tInterpolacao\t3\n"
      "RS\t[Santa Maria]\tTabela\t2\nAM\t[Manaus]\tTabela\t8\n");
}

// Reads a header's count, then that many records with le().
template <class C, class L>
bool Le_Contados(FILE* f, C cabecalho, L le) {
  int n = 0;
  if (!cabecalho(&n) || n < 0) return false;
  for (int k = 0; k < n; ++k) {
    if (!le()) return false;
  }
  return No_Fim(f);
}

bool Carrega_Zonas_Bio(const std::string& c, FILE* saida, long* parada) {
  return Com_Arquivo(c, saida, parada, [](TGeren_ArquivoAux* g, FILE* f, FILE* s) {
    return Le_Contados(
        f, [&](int* n) { return g->Carrega_Cabecalho_Zona_Bio(n); },
        [&] {
          char estado[kTam], cidade[kTam], metodo[kTam];
          int zona = 0;
          if (!g->Le_Registro_Zona_Bio(estado, cidade, metodo, &zona)) return false;
          Imprime(s, "%s\t[%s]\t%s\t%d\n", estado, cidade, metodo, zona);
          return true;
        });
  });
}

using TLe_Tabela = bool (TGeren_ArquivoAux::*)(int*, float*, char*, char*, char*);

bool Carrega_Tabela(const std::string& c, FILE* saida, long* parada, TLe_Tabela le) {
  return Com_Arquivo(c, saida, parada, [le](TGeren_ArquivoAux* g, FILE* f, FILE* s) {
    return Le_Contados(
        f, [&](int* n) { return g->Le_Cab_Dados_Tabelas_HVAC_RTQ(n); },
        [&] {
          int ints[3] = {};
          float reais[4] = {};
          char palavra[kTam] = "", t1[kTam] = "", t2[kTam] = "";
          if (!(g->*le)(ints, reais, palavra, t1, t2)) return false;
          Imprime(s, "%d %d %d\t%g %g %g %g\t%s\t[%s]\t[%s]\n", ints[0], ints[1], ints[2], reais[0],
                  reais[1], reais[2], reais[3], palavra, t1, t2);
          return true;
        });
  });
}

// A reference table: its count line, its title and the rows.
bool Confere_Tabela(TLeitura_Estrita* l, const char* linha) {
  return Confere_Contados(l, "[Num Linhas = %d]", {"[%[^]]]"}, {linha});
}

bool Amostra_Split(const std::string& c) {
  return Escreve_Texto(
      c,
      "[Num Linhas = 3]\n[Condicionadores split: capacidade, COP e classe]\n"
      "1\t\t9000\t\t2.640000\t\t3.230000\t\t1\t\t0.820000\t\tA\t\t[Hi wall]\t\t[Inverter]\n"
      "2\t\t12000\t\t3.520000\t\t3.020000\t\t1\t\t0.790000\t\tB\t\t[Hi wall]\t\t[Convencional]\n"
      "3\t\t36000\t\t10.550000\t\t2.810000\t\t2\t\t0.750000\t\tC\t\t[Piso "
      "teto]\t\t[Convencional]\n");
}
bool Carrega_Split(const std::string& c, FILE* s, long* p) {
  return Carrega_Tabela(c, s, p, &TGeren_ArquivoAux::Le_Dados_Tabela_Split_ACJ);
}

bool Amostra_Torres(const std::string& c) {
  return Escreve_Texto(
      c,
      "[Num Linhas = 2]\n[Torres de resfriamento: desempenho minimo]\n"
      "1\t40.200000\t\t\t29.400000\t\t\t35.000000\t\t\t0.300000\t\t\tAxial\t[Circuito aberto]\t"
      "[Helice]\n"
      "2\t20.000000\t\t\t29.400000\t\t\t35.000000\t\t\t0.350000\t\t\tCentrifuga\t[Circuito "
      "aberto]\t[Centrifugo]\n");
}
bool Carrega_Torres(const std::string& c, FILE* s, long* p) {
  return Carrega_Tabela(c, s, p, &TGeren_ArquivoAux::Le_Dados_Tabela_Torre_Resf_ASHRAE);
}

bool Amostra_Resfriadores(const std::string& c) {
  return Escreve_Texto(
      c,
      "[Num Linhas = 3]\n[Resfriadores de liquido: eficiencia minima]\n"
      "1\t\t528.000000\t\t2.800000\t\t3.050000\t\t0.000000\t\tAr\t\t[Condensacao a ar]\t\t[Todos]\n"
      "2\t\t264.000000\t\t4.510000\t\t5.580000\t\t0.000000\t\tParafuso\t\t[Condensacao a "
      "agua]\t\t[Menor que 528 kW]\n"
      "3\t\t1055.000000\t\t5.550000\t\t6.100000\t\t0.000000\t\tCentrifugo\t\t[Condensacao a "
      "agua]\t\t[Maior que 1055 kW]\n");
}
bool Carrega_Resfriadores(const std::string& c, FILE* s, long* p) {
  return Carrega_Tabela(c, s, p, &TGeren_ArquivoAux::Le_Dados_Tabela_Resfriadores);
}

struct TEquip_Amostra {
  const char* tipo;
  float potencia, cop;
  const char* aquecimento;
  const char* classe;
};
struct TZona_Amostra {
  const char* nome;
  float area;
  std::vector<TEquip_Amostra> equips;
};

bool Amostra_Projeto(const std::string& c) {
  const std::vector<TZona_Amostra> zonas = {
      {"Sala de estar",
       28.5f,
       {{"Split hi wall", 3.52f, 3.23f, "Bomba de calor", "A"},
        {"Ventilador de teto", 0.12f, 0, "Nenhum", "B"}}},
      {"Dormit\xF3rio casal", 14.25f, {{"Split hi wall", 2.64f, 3.02f, "Nenhum", "B"}}},
      {"Escrit\xF3rio", 9.0f, {{"Janela", 2.05f, 2.81f, "Resistencia eletrica", "C"}}},
  };
  TGeren_ArquivoAux* g = Geren_ArqAux();
  const int n = g->Abre_Arquivo(c.c_str(), "wb");
  if (n == 0) return false;
  bool ok = g->Gera_Arq_HVAC_RTQ_Cab(0, 0, static_cast<int>(zonas.size()), 0, 0, "");
  for (size_t z = 0; z < zonas.size(); ++z) {
    const TZona_Amostra& zona = zonas[z];
    ok = g->Gera_Arq_HVAC_RTQ_Cab(1, static_cast<int>(z + 1), static_cast<int>(zonas.size()),
                                  static_cast<int>(zona.equips.size()), zona.area, zona.nome) &&
         ok;
    for (size_t e = 0; e < zona.equips.size(); ++e) {
      const TEquip_Amostra& q = zona.equips[e];
      std::string tipo = q.tipo, aquec = q.aquecimento, classe = q.classe;
      ok = g->Gera_Arq_HVAC_RTQ_Dados(static_cast<int>(e + 1), static_cast<int>(e + 1), &tipo[0],
                                      q.potencia, q.cop, 1, e == 0 ? 1 : 0, &aquec[0], &classe[0],
                                      1) &&
           ok;
    }
  }
  g->Fecha_Arquivo(n);
  ok = !g->Erro_Arquivo(n) && ok;
  g->Fecha_Todos();
  return ok;
}

bool Carrega_Projeto(const std::string& c, FILE* saida, long* parada) {
  return Com_Arquivo(c, saida, parada, [](TGeren_ArquivoAux* g, FILE* f, FILE* s) {
    int zona = 0, zonas = 0, equips = 0;
    float area = 0;
    char nome[kTam] = "";
    if (!g->Le_Arq_HVAC_RTQ_Cab(0, &zona, &zonas, &equips, &area, nome) || zonas < 0) return false;
    for (int z = 0; z < zonas; ++z) {
      if (!g->Le_Arq_HVAC_RTQ_Cab(1, &zona, &zonas, &equips, &area, nome) || equips < 0)
        return false;
      Imprime(s, "zona %d [%s] area %g: %d equipamentos\n", zona, nome, area, equips);
      for (int e = 0; e < equips; ++e) {
        int eq = 0, tipo = 0, pre = 0, aq = 0, reg = 0;
        float pot = 0, cop = 0;
        char nt[kTam] = "", na[kTam] = "", cl[kTam] = "";
        if (!g->Le_Arq_HVAC_RTQ_Dados(&eq, &tipo, nt, &pot, &cop, &pre, &aq, na, cl, &reg))
          return false;
        Imprime(s, "\t%d %d [%s] %g %g %d %d [%s] %s %d\n", eq, tipo, nt, pot, cop, pre, aq, na, cl,
                reg);
      }
    }
    return No_Fim(f);
  });
}

bool Confere_Projeto(TLeitura_Estrita* l) {
  int zonas = 0;
  if (!l->Linha("[Num Zonas = %d]", {&zonas}) || zonas < 0) return false;
  for (int z = 0; z < zonas; ++z) {
    int equips = 0;
    if (!l->Linha("[Zona %d] [Nome = [%[^]]]] [Area = %f]") ||
        !l->Linha("[Num Equips = %d]", {&equips}) || equips < 0)
      return false;
    for (int e = 0; e < equips; ++e) {
      if (!l->Linha("[Eq = %d] [Tipo Eq = %d] [Nome Tipo Eq = [%[^]]]] [Potencia = %f] [COP = %f] "
                    "[Atend Pre Req = %d] [Tipo Aquec = %d] [Nome Tipo Aquec = [%[^]]]] "
                    "[Class= %[^]]] [Regul. Inmetro = %d]"))
        return false;
    }
  }
  return l->Fim();
}

// ---- Material data ----

bool Amostra_Amortecimento_Hora(const std::string& c) {
  std::string t;
  char linha[64];
  for (int b = 1; b <= 3; ++b) {
    std::snprintf(linha, sizeof(linha), "[%d;%d;%d]\n", b, 10 * b, 2);
    t += linha;
    for (int l = 1; l <= 2; ++l) {
      std::snprintf(linha, sizeof(linha), "{[%d][", 100 * b + l);
      t += linha;
      for (int h = 0; h < 24; ++h) {
        std::snprintf(linha, sizeof(linha), h < 23 ? "%.4f " : "%.4f",
                      1.0 - 0.01 * (b + l + h % 6));
        t += linha;
      }
      t += "]}\n";
    }
  }
  return Escreve_Texto(c, t);
}

bool Carrega_Amortecimento_Hora(const std::string& c, FILE* saida, long* parada) {
  return Com_Arquivo(c, saida, parada, [](TGeren_ArquivoAux* g, FILE* f, FILE* s) {
    float v[24] = {};
    g->Carrega_Linha_Amortecimento(INT_MIN, INT_MIN, INT_MIN, v);
    Imprime(s, "%s", "ultima linha lida: ");
    Imprime_Reais(s, v, 24);
    // Every line ends in "]}": a line cut short leaves the search at the
    // end all the same.
    return No_Fim(f) && Termina_Em(f, '}');
  });
}

// Blocks of a heading and as many lines as it says, up to the end.
bool Confere_Amortecimento_Hora(TLeitura_Estrita* l) {
  std::string valores = "{[%d][";
  for (int h = 0; h < 24; ++h) valores += " %f";
  valores += "]}";
  do {
    int linhas = 0;
    if (!l->Linha("[%d;%d;%d]", {nullptr, nullptr, &linhas}) || linhas < 0) return false;
    for (int k = 0; k < linhas; ++k) {
      if (!l->Linha(valores.c_str())) return false;
    }
  } while (!l->Fim());
  return true;
}

bool Amostra_Amortecimento_Subida(const std::string& c) {
  return Escreve_Texto(c,
                       "[1;1]\n{[Subida]=[0.10;0.25;0.45;0.65;0.80;0.92;1.00]}\n"
                       "{[Descida]=[1.00;0.85;0.62;0.41;0.24;0.11;0.03]}\n"
                       "[1;2]\n{[Subida]=[0.05;0.18;0.37;0.58;0.76;0.90;0.98]}\n"
                       "{[Descida]=[0.98;0.80;0.57;0.36;0.20;0.09;0.02]}\n"
                       "[2;1]\n{[Subida]=[0.02;0.11;0.27;0.48;0.69;0.86;0.96]}\n"
                       "{[Descida]=[0.96;0.74;0.50;0.30;0.16;0.07;0.01]}\n");
}

bool Carrega_Amortecimento_Subida(const std::string& c, FILE* saida, long* parada) {
  return Com_Arquivo(c, saida, parada, [](TGeren_ArquivoAux* g, FILE* f, FILE* s) {
    float v[14] = {};
    g->Carrega_Linha_Amortecimento(INT_MIN, INT_MIN, v);
    Imprime(s, "%s", "ultimo registro lido: ");
    Imprime_Reais(s, v, 14);
    // Every line ends in "]}": a line cut short leaves the search at the
    // end all the same.
    return No_Fim(f) && Termina_Em(f, '}');
  });
}

bool Amostra_Dados_U(const std::string& c) {
  std::string t;
  char linha[128];
  for (int i = 0; i <= 100; ++i) {
    const double x = i / 100.0;
    std::snprintf(linha, sizeof(linha), "%d %.4f %.4f %.4f %.4f %.4f\n", i, 5.88 - 3 * x,
                  4.4 - 2 * x, 3.1 - 1.5 * x, 2.2 - x, 1.1 - 0.5 * x);
    t += linha;
  }
  return Escreve_Texto(c, t);
}

bool Carrega_Dados_U(const std::string& c, FILE* saida, long* parada) {
  return Com_Arquivo(c, saida, parada, [](TGeren_ArquivoAux* g, FILE* f, FILE* s) {
    std::vector<float> v(5 * 101);
    if (!g->Carrega_Dados_U(v.data())) return false;
    for (int i = 0; i <= 100; ++i) {
      Imprime(s, "%d\t%g\t%g\t%g\t%g\t%g\n", i, v[i], v[101 + i], v[202 + i], v[303 + i],
              v[404 + i]);
    }
    return No_Fim(f);
  });
}

bool Confere_Dados_U(TLeitura_Estrita* l) {
  for (int i = 0; i <= 100; ++i) {
    if (!l->Linha("%d %f %f %f %f %f")) return false;
  }
  return l->Fim();
}

bool Amostra_Isoterma(const std::string& c) {
  return Escreve_Texto(c,
                       "0.000000 0.000000\n0.200000 4.500000\n0.400000 7.100000\n"
                       "0.600000 9.800000\n0.800000 15.200000\n0.950000 31.000000\n"
                       "1.000000 120.000000\n");
}

bool Carrega_Isoterma(const std::string& c, FILE* saida, long* parada) {
  return Com_Arquivo(c, saida, parada, [](TGeren_ArquivoAux* g, FILE* f, FILE* s) {
    // One pair a line up to the end, the host's pair count being the
    // file's line count: read one pair at a time (a count of 0 is one pair).
    while (!No_Fim(f)) {
      double par[2] = {};
      if (!g->Carrega_Dados_Iso(par, 0)) return false;
      Imprime(s, "%g\t%g\n", par[0], par[1]);
    }
    return true;
  });
}

}  // namespace

std::vector<TTipo_Catalogo> Tipos_Catalogo_Referencia() {
  return {
      {"racoes-ar", "air rations: name, two integers, level", "Ventilacao/Racoes_Ar.txt",
       Amostra_Racoes, Carrega_Racoes,
       [](TLeitura_Estrita* l) { return Confere_Ate_O_Fim(l, {"[%[^]]] (%d;%d;%d)"}); }},
      {"trocas-ar", "air changes: name, rate, integer", "Ventilacao/Trocas_Ar.txt", Amostra_Trocas,
       Carrega_Trocas,
       [](TLeitura_Estrita* l) { return Confere_Ate_O_Fim(l, {"[%[^]]] (%f;%d)"}); }},
      {"modelos-vent", "ventilation models: [rows,columns] and rows of 4 to 7 values",
       "Ventilacao/Modelos.txt", Amostra_Modelos, Carrega_Modelos, Confere_Modelos},
      {"zonas-bio", "cities by bioclimatic zone", "Regulamento/Zonas_Bioclimaticas.txt",
       Amostra_Zonas_Bio, Carrega_Zonas_Bio,
       [](TLeitura_Estrita* l) {
         return Confere_Contados(
             l, "[Cidades Classificadas Conforme Zona Bioclim\xE1tica][Num_Reg = %d]",
             {"[Estado Cidade Metodo Zona]"}, {"%s [%[^]]] %s %d"});
       }},
      {"tabela-split", "split air-conditioner efficiency table", "Regulamento/Tabela_Split.txt",
       Amostra_Split, Carrega_Split,
       [](TLeitura_Estrita* l) {
         return Confere_Tabela(l, "%d %d %f %f %d %f %s [%[^]]] [%[^]]]");
       }},
      {"tabela-torres", "cooling-tower efficiency table", "Regulamento/Tabela_Torres.txt",
       Amostra_Torres, Carrega_Torres,
       [](TLeitura_Estrita* l) { return Confere_Tabela(l, "%d %f %f %f %f %s [%[^]]] [%[^]]]"); }},
      {"tabela-resfr", "chiller efficiency table", "Regulamento/Tabela_Resfriadores.txt",
       Amostra_Resfriadores, Carrega_Resfriadores,
       [](TLeitura_Estrita* l) { return Confere_Tabela(l, "%d %f %f %f %f %s [%[^]]] [%[^]]]"); }},
      {"projeto-hvac", "a project's HVAC equipment by zone", "Regulamento/Projeto_HVAC.txt",
       Amostra_Projeto, Carrega_Projeto, Confere_Projeto},
      {"amort-horario", "hourly damping lines by three keys", "Materiais/Amortecimento.txt",
       Amostra_Amortecimento_Hora, Carrega_Amortecimento_Hora, Confere_Amortecimento_Hora},
      {"amort-subida", "rise-and-fall damping by two keys", "Materiais/Amortecimento_SD.txt",
       Amostra_Amortecimento_Subida, Carrega_Amortecimento_Subida,
       [](TLeitura_Estrita* l) {
         return Confere_Ate_O_Fim(l, {"[%d;%d]", "{[Subida]=[%f;%f;%f;%f;%f;%f;%f]}",
                                      "{[Descida]=[%f;%f;%f;%f;%f;%f;%f]}"});
       }},
      {"dados-u", "transmittance table: 101 lines of five values", "Materiais/Dados_U.txt",
       Amostra_Dados_U, Carrega_Dados_U, Confere_Dados_U},
      {"isoterma", "sorption isotherm pairs", "Materiais/Isoterma.txt", Amostra_Isoterma,
       Carrega_Isoterma, [](TLeitura_Estrita* l) { return Confere_Ate_O_Fim(l, {"%f %f"}); }},
  };
}
