// Annual and monthly statistics reports, compared whole. Every float of a
// record holds its own position (float k holds k + 0.25) and every moment a
// clock made from its position, so a block, a value or a moment read from
// the wrong place changes the text. The expected text is built from the
// documented lines and the documented byte layout of each record.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "support/fixture.h"
#include "support/relatorios.h"

namespace {

template <class... A>
std::string Formata_Linha(const std::string& formato, A... a) {
  char buf[512];
  std::snprintf(buf, sizeof buf, Cp1252(formato).c_str(), a...);
  return buf;
}

// The documented body lines: per section (latent, sensible, total) its
// title, and its statistic lines, each the text of its statistic followed
// by the section's parenthesis; the section's last line ends with "\n".
const char* const kTitulos[3] = {"\n\t[CARGA TÉRMICA LATENTE]", "\n\t[CARGA TÉRMICA SENSÍVEL]",
                                 "\n\t[CARGA TÉRMICA TOTAL]"};
const char* const kParenteses[3] = {"(Calor Sensível: %07.2f <---> Calor Total: %07.2f)",
                                    "(Calor Latente: %07.2f <---> Calor Total: %07.2f)",
                                    "(Calor Sensível: %07.2f <---> Calor Latente: %07.2f)"};
const std::vector<std::string> kAnuais = {
    "\n\t  - Máxima Anual: %07.2f   ----> Data: %s às %s   ",
    "\n\t  - Mínima Anual: %07.2f   ----> Data: %s às %s   ",
    "\n\t  - Média Anual : %07.2f                                   ",
    "\n\t  - Média das Máximas Diárias: %07.2f                      ",
    "\n\t  - Média das Mínimas Diárias: %07.2f                      ",
    "\n\t  - Média das Máximas Mensais: %07.2f                      ",
    "\n\t  - Média das Mínimas Mensais: %07.2f                      "};
const std::vector<std::string> kMensais = {
    "\n\t  - Máxima Mensal: %07.2f   ----> Data: %s às %s   ",
    "\n\t  - Mínima Mensal: %07.2f   ----> Data: %s às %s   ",
    "\n\t  - Média Mensal: %07.2f                                    ",
    "\n\t  - Média das Máximas Diárias: %07.2f                       ",
    "\n\t  - Média das Mínimas Diárias: %07.2f                       "};

// The documented layout of one record type in one season: where its groups
// begin, its block size, where a block's total lies (sensible and latent
// follow), and the order of each group as letters, "T" the total maximum
// and "t" its minimum ("TSL" for the means).
struct Disposicao {
  size_t extremos, momentos, mensais, diarias, medias, bloco, valor;
  const char *ordem_extremos, *ordem_momentos, *ordem_medias;
};
const Disposicao kCarga_Anual[2] = {
    {0, 1416, 3312, 6144, 8976, 236, 212, "tTsSlL", "TtSsLl", "TtSsLl"},
    {1656, 3072, 4728, 7560, 9684, 236, 224, "tTsSlL", "TtSsLl", "TtSsLl"}};
const Disposicao kCarga_Mensal[2] = {
    {0, 1416, 0, 3312, 6144, 236, 212, "tslTSL", "tslTSL", "TSLtsl"},
    {1656, 3072, 0, 4728, 6852, 236, 224, "tslTSL", "tslTSL", "TSLtsl"}};
const Disposicao kGanho_Anual = {0, 840, 1080, 1920, 2760, 140, 128, "tTsSlL", "TtSsLl", "TtSsLl"};
const Disposicao kGanho_Mensal = {0, 840, 0, 1080, 1920, 140, 128, "TSLtsl", "tslTSL", "TSLtsl"};

size_t Pos(const char* ordem, char c) { return std::strchr(ordem, c) - ordem; }
// The byte of the maximum of quantity q ('T', 'S' or 'L') in its block.
size_t Maximo(const Disposicao& d, char q) {
  return d.extremos + Pos(d.ordem_extremos, q) * d.bloco + d.valor + 4 * Pos("TSL", q);
}
float Valor(size_t byte) { return byte / 4 + 0.25f; }

// The clock of the moment at byte m, and its texts.
TTempo Momento(size_t m) {
  TTempo t;
  const int j = static_cast<int>(m / 40);
  t.Hora = j % 24, t.Tempo = (j * 67) % 3600, t.Mes = j % 12 + 1, t.Dia = j % 28 + 1;
  return t;
}

// A record of tamanho bytes filled as said above, with the moments at the
// layouts' moment groups.
std::vector<unsigned char> Registro(size_t tamanho, std::vector<Disposicao> ds) {
  std::vector<unsigned char> r(tamanho);
  for (size_t b = 0; b + 4 <= tamanho; b += 4) {
    const float v = Valor(b);
    std::memcpy(&r[b], &v, 4);
  }
  for (const Disposicao& d : ds) {
    for (size_t m = d.momentos; m < d.momentos + 240; m += 40) {
      const TTempo t = Momento(m);
      std::memcpy(&r[m], &t, sizeof t);
    }
  }
  return r;
}

// The body of a record as documented, sections left out when their maximum
// (the latent, sensible or total value of their "Máxima" block) is 0.
std::string Corpo(const std::vector<unsigned char>& r, const Disposicao& d,
                  const std::vector<std::string>& linhas) {
  const char kSecoes[] = "LST";
  const char* const kOutras[] = {"ST", "LT", "SL"};
  std::string texto;
  for (int s = 0; s < 3; ++s) {
    const char q = kSecoes[s], m = static_cast<char>(std::tolower(q));
    // Block, moment (or none) of each statistic line.
    const std::pair<size_t, long> kBlocos[] = {{d.extremos + Pos(d.ordem_extremos, q) * d.bloco,
                                                long(d.momentos + Pos(d.ordem_momentos, q) * 40)},
                                               {d.extremos + Pos(d.ordem_extremos, m) * d.bloco,
                                                long(d.momentos + Pos(d.ordem_momentos, m) * 40)},
                                               {d.medias + Pos("TSL", q) * d.bloco, -1},
                                               {d.diarias + Pos(d.ordem_medias, q) * d.bloco, -1},
                                               {d.diarias + Pos(d.ordem_medias, m) * d.bloco, -1},
                                               {d.mensais + Pos(d.ordem_medias, q) * d.bloco, -1},
                                               {d.mensais + Pos(d.ordem_medias, m) * d.bloco, -1}};
    const auto valor = [&](size_t bloco, char c) {
      float v;
      std::memcpy(&v, &r[bloco + d.valor + 4 * Pos("TSL", c)], 4);
      return double(v);
    };
    if (valor(kBlocos[0].first, q) == 0.0) continue;
    texto += Cp1252(kTitulos[s]);
    for (size_t k = 0; k < linhas.size(); ++k) {
      const std::string linha = linhas[k] + kParenteses[s] + (k + 1 == linhas.size() ? "\n" : "");
      const auto [bloco, momento] = kBlocos[k];
      const double v = valor(bloco, q), o1 = valor(bloco, kOutras[s][0]),
                   o2 = valor(bloco, kOutras[s][1]);
      if (momento < 0) {
        texto += Formata_Linha(linha, v, o1, o2);
        continue;
      }
      const TTempo t = Momento(momento);
      char data[16], hora[16];
      std::snprintf(data, sizeof data, "%02d/%02d", t.Dia, t.Mes);
      std::snprintf(hora, sizeof hora, "%02d:%02d:%02d", t.Hora, t.Tempo / 60, t.Tempo % 60);
      texto += Formata_Linha(linha, v, data, hora, o1, o2);
    }
  }
  return texto;
}

std::string Cabecalho(const char* rotulo, bool anual) {
  return Cp1252(std::string("[Zona 1]\n") + rotulo +
                "\n[Inicio: 2/1 as 3:00:00 - Fim: 30/11 as 22:59:59 h]\n"
                "[Intervalo de Amostragem = 900 s]\n\n[Estatística " +
                (anual ? "Anual]" : "Mensal]"));
}

const char* const kInverno = "[Carga Témica de Inverno]";
const char* const kVerao = "[Carga Témica de Verão]";
const char* const kGanho = "Ganho Térmico W";
const char* const kMeses[] = {"Janeiro", "Fevereiro", "Março"};

class LoadReportsTest : public ArqauxTest {
 protected:
  template <class F>
  std::string Relatorio(F escreve) {
    const int n = geren->Abre_Arquivo(Caminho("rel.txt").c_str(), "wb");
    escreve(n, periodo);
    geren->Fecha_Todos();
    return Le_Arquivo(Caminho("rel.txt"));
  }
  template <class T>
  static T Como(const std::vector<unsigned char>& r) {
    T t;
    std::memcpy(static_cast<void*>(&t), r.data(), sizeof t);
    return t;
  }
  TTempo periodo[2] = {{3, 0, 1, 2, {}}, {22, 0, 11, 30, {}}};
};

// Kind 2 reads the winter blocks and values, any other kind the summer ones
// (the annual gain report is among the cases below).
TEST_F(LoadReportsTest, AnnualReportsReadEveryBlockAndMomentInPlace) {
  const auto r = Registro(10392, {kCarga_Anual[0], kCarga_Anual[1]});
  const auto anual = Como<TCarga_Termica_Anual>(r);
  struct Caso {
    int tipo;
    const char* rotulo;
    int estacao;
  } const kCasos[] = {{2, kInverno, 0}, {3, kVerao, 1}, {5, kVerao, 1}};
  for (const Caso& c : kCasos) {
    EXPECT_EQ(Relatorio([&](int n, TTempo* p) {
                geren->Grava_Carga_Termica_Anual(n, c.tipo, "Zona 1", &anual, p, 900);
              }),
              Cabecalho(c.rotulo, true) + Corpo(r, kCarga_Anual[c.estacao], kAnuais))
        << c.tipo;
  }
}

// Month m is named after its position, whatever the record holds.
TEST_F(LoadReportsTest, MonthlyReportsNameMonthsByPosition) {
  const auto r = Registro(7560, {kCarga_Mensal[0], kCarga_Mensal[1]});
  const auto g = Registro(2340, {kGanho_Mensal});
  TLista<TCarga_Termica_Mensal> cargas(true);
  TLista<TGanho_Termico_Mensal> ganhos(true);
  std::string inverno, verao, ganho;  // three months of loads, two of gains
  for (const char* mes : kMeses) {
    const std::string titulo = Cp1252(std::string("\n[") + mes + "]");
    cargas.Adiciona(new auto(Como<TCarga_Termica_Mensal>(r)));
    inverno += titulo + Corpo(r, kCarga_Mensal[0], kMensais);
    verao += titulo + Corpo(r, kCarga_Mensal[1], kMensais);
    if (mes == kMeses[2]) continue;
    ganhos.Adiciona(new auto(Como<TGanho_Termico_Mensal>(g)));
    ganho += titulo + Corpo(g, kGanho_Mensal, kMensais);
  }
  for (int tipo : {2, 3}) {
    EXPECT_EQ(Relatorio([&](int n, TTempo* p) {
                geren->Grava_Carga_Termica_Mensal(n, tipo, "Zona 1", &cargas, p, 900);
              }),
              Cabecalho(tipo == 2 ? kInverno : kVerao, false) + (tipo == 2 ? inverno : verao));
  }
  EXPECT_EQ(Relatorio([&](int n, TTempo* p) {
              geren->Grava_Ganho_Termico_Mensal(n, "Zona 1", &ganhos, p, 900);
            }),
            Cabecalho(kGanho, false) + ganho);
}

// A section whose maximum is exactly 0 is left out; a load body whose total
// maximum is 0 is left out whole (its month line stays); a gain body never
// is; a NaN maximum leaves its section in.
TEST_F(LoadReportsTest, SectionsWithAZeroMaximumAreLeftOut) {
  struct Caso {
    const char* q;  // the quantities whose maximum is set
    float valor;
  } const kCasos[] = {{"", 0.0f},  {"L", 0.0f},  {"S", 0.0f},
                      {"T", 0.0f}, {"LS", 0.0f}, {"LST", NAN}};
  for (const Caso& c : kCasos) {
    SCOPED_TRACE(std::string(c.q) + " " + std::to_string(c.valor));
    auto r = Registro(7560, {kCarga_Mensal[0], kCarga_Mensal[1]});
    auto g = Registro(3180, {kGanho_Anual});
    for (const char* q = c.q; *q != '\0'; ++q) {
      std::memcpy(&r[Maximo(kCarga_Mensal[0], *q)], &c.valor, 4);
      std::memcpy(&g[Maximo(kGanho_Anual, *q)], &c.valor, 4);
    }
    TLista<TCarga_Termica_Mensal> meses(true);
    meses.Adiciona(new auto(Como<TCarga_Termica_Mensal>(r)));
    const bool sem_corpo = std::strchr(c.q, 'T') != nullptr && c.valor == 0.0f;
    EXPECT_EQ(Relatorio([&](int n, TTempo* p) {
                geren->Grava_Carga_Termica_Mensal(n, 2, "Zona 1", &meses, p, 900);
              }),
              Cabecalho(kInverno, false) + Cp1252("\n[Janeiro]") +
                  (sem_corpo ? "" : Corpo(r, kCarga_Mensal[0], kMensais)));
    const auto ganho = Como<TGanho_Termico_Anual>(g);
    EXPECT_EQ(Relatorio([&](int n, TTempo* p) {
                geren->Grava_Ganho_Termico_Anual(n, "Zona 1", &ganho, p, 900);
              }),
              Cabecalho(kGanho, true) + Corpo(g, kGanho_Anual, kAnuais));
  }
}

}  // namespace
