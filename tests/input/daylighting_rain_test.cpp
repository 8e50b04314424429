// Daylighting schedules (the header patterns and the window of hourly
// lighting power densities) and rain interval files (the list written and
// read back, and malformed files).
#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "support/corte.h"
#include "support/fixture.h"

namespace {

const std::string kL1 = "# thermal simulation input file (zona1.htm)\n",
                  kL2 = "# DAYSIM header file: C:\\proj\\zona1.hea\n",
                  kL3 = "# User type: active\n", kL4 = " # total number of occupied hours: 2920\n",
                  kL5 =
                      "# month, day, hour, occ (0=absent; 1=present), blinds (0=up; 1=down), "
                      "lights (W/area) \n",
                  kCabecalho = kL1 + kL2 + kL3 + kL4 + kL5;

// Lines of hours de..ate-1, hour h holding h + 0.25; the blanks after the
// fifth comma run from none to many.
std::string Horas(int de, int ate) {
  std::string texto;
  for (int h = de; h < ate; ++h) {
    texto += "1,1," + std::to_string(h % 24) + ".5,1,0," + std::string(h % 9, ' ') +
             std::to_string(h) + ".25\n";
  }
  return texto;
}

class Iluminacao : public ArqauxTest {
 protected:
  // "ok" or "fail", then the values of n records (all -1 before the call)
  // after reading the window from texto.
  std::string Janela(const std::string& texto, int inicio, int quantidade, int n) {
    Escreve_Arquivo(Caminho("agenda.csv"), texto);
    geren->Abre_Arquivo(Caminho("agenda.csv").c_str(), "rt");
    std::vector<TReg_DPI_DAYSIM> r(static_cast<size_t>(n), TReg_DPI_DAYSIM{-1});
    std::string lido =
        geren->Bufferiza_Iluminacao_DAYSIM(r.data(), inicio, quantidade) ? "ok" : "fail";
    geren->Fecha_Todos();
    for (const TReg_DPI_DAYSIM& v : r) lido += " " + std::to_string(v.DPI);
    return lido;
  }
};

// Start, count, the file's lines, and how many records the window stores:
// it ends with the year, without wrap, and a spare record shows that nothing
// past it is written. A short file ends at hour 100; a broken one has a line
// of five values there.
TEST_F(Iluminacao, WindowIsCutAtTheYearsEnd) {
  const std::string ano = kCabecalho + Horas(0, 8760), curta = kCabecalho + Horas(0, 100),
                    quebrada = curta + "1,1,0.5,1,0\n" + Horas(101, 200);
  const struct {
    int inicio, quantidade;
    const std::string& texto;
    bool ok;
    int guardados;
  } casos[] = {{0, 24, ano, true, 24},      {8700, 100, ano, true, 60},
               {100, 0, ano, true, 0},      {8760, 3, ano, true, 0},
               {0, 8760, ano, true, 8760},  {5000, INT_MAX, ano, true, 3760},
               {-1, 1, ano, false, 0},      {0, -1, ano, false, 0},
               {8761, 0, ano, false, 0},    {INT_MAX, INT_MAX, ano, false, 0},
               {90, 10, curta, true, 10},   {90, 20, curta, false, 10},
               {100, 1, curta, false, 0},   {95, 10, quebrada, false, 5},
               {150, 1, quebrada, false, 0}};
  for (const auto& c : casos) {
    const int n = std::clamp(c.quantidade, 0, 8760) + 1;
    std::string esperado = c.ok ? "ok" : "fail";
    for (int i = 0; i < n; ++i) {
      esperado += " " + std::to_string(i < c.guardados ? c.inicio + i + 0.25f : -1.0f);
    }
    EXPECT_EQ(Janela(c.texto, c.inicio, c.quantidade, n), esperado)
        << c.inicio << "+" << c.quantidade;
  }
  // Cut at every byte, a window of three hours reads once its last value
  // has a digit.
  const std::string tres = kCabecalho + Horas(0, 3);
  TReg_DPI_DAYSIM r[3];
  const auto le = [&] { return geren->Bufferiza_Iluminacao_DAYSIM(r, 0, 3); };
  EXPECT_EQ(Le_Desde(Corta_Em_Todo_Byte(geren, Caminho("corte.csv"), tres, le)), tres.size() - 4);
}

// Headers and whether they match: any run of white space where the pattern
// has a blank, texts of up to 299 characters, and whole literals.
TEST_F(Iluminacao, HeaderPatterns) {
  const std::string n299(299, 'n'), n300(300, 'n'), l1 = "# thermal simulation input file (";
  const std::pair<std::string, bool> casos[] = {
      {kCabecalho, true},
      {"#  thermal\tsimulation input file(a b)\n\n#DAYSIM header file:   a b\n#   User   "
       "type:\tx\r\n"
       "# total number of occupied hours:12\n#month,day,hour,occ(0=absent;1=present),"
       "blinds(0=up;1=down),lights(W/area)",
       true},
      {kL1 + kL2 + kL3 + " # total number of occupied hours: \n" + kL5, false},
      {l1 + ")\n" + kL2 + kL3 + kL4 + kL5, false},
      {l1 + n299 + ")\n" + kL2 + kL3 + kL4 + kL5, true},
      {l1 + n300 + ")\n" + kL2 + kL3 + kL4 + kL5, false},
      {kL1 + "# DAYSIM header file: " + n300 + "\n" + kL3 + kL4 + kL5, false},
      {kL1 + kL2 + "# User kind: active\n" + kL4 + kL5, false},
      {kL1 + kL2 + kL3 + kL4 + kL5.substr(0, kL5.find("lights")) + "light (W/area)\n", false},
      {kL1 + kL2 + kL3, false}};
  std::string obtido, esperado;
  for (size_t k = 0; k < std::size(casos); ++k) {
    Escreve_Arquivo(Caminho("agenda.csv"), casos[k].first);
    geren->Abre_Arquivo(Caminho("agenda.csv").c_str(), "rt");
    obtido += std::to_string(k) + ": " + std::to_string(geren->Carrega_Cabecalho_DAYSIM()) + "\n";
    esperado += std::to_string(k) + ": " + std::to_string(casos[k].second) + "\n";
    geren->Fecha_Todos();
  }
  EXPECT_EQ(obtido, esperado);
  // Every prefix fails until the last literal is whole; no current stream
  // or no array reads nothing.
  EXPECT_EQ(Le_Desde(Corta_Em_Todo_Byte(geren, Caminho("corte.csv"), kCabecalho,
                                        [&] { return geren->Carrega_Cabecalho_DAYSIM(); })),
            kCabecalho.size() - 2);
  TReg_DPI_DAYSIM r{-1};
  EXPECT_FALSE(geren->Carrega_Cabecalho_DAYSIM() || geren->Bufferiza_Iluminacao_DAYSIM(&r, 0, 1));
  geren->Abre_Arquivo(Caminho("agenda.csv").c_str(), "rt");
  EXPECT_FALSE(geren->Bufferiza_Iluminacao_DAYSIM(nullptr, 0, 0));
}

// Rain interval files: the list written and read back, and malformed files.
const std::string kLinha = "{[Data = 1/2][Hora_Ini = 3:4][Hora_Fim = 5:6][Intensidade = 2]}\n";

std::string Contagem(int n) { return "[Numero de Intervalos = " + std::to_string(n) + "]\n"; }

// The list as held, one interval a line: day, month, start hour and seconds,
// end hour and seconds, class.
std::string Held(const TLista<TInterv_Chuva>& lista) {
  std::string texto;
  for (int i = 1; i <= lista.Numero_Elementos(); ++i) {
    const TInterv_Chuva& c = *lista.R_No(i)->R_Dado();
    for (int v : {c.Dia, c.Mes, c.Hora_Ini, c.Tempo_Ini, c.Hora_Fim, c.Tempo_Fim}) {
      texto += std::to_string(v) + " ";
    }
    texto += c.Intensidade + std::string("\n");
  }
  return texto;
}

// kLinha with de replaced by para.
std::string Troca(const std::string& de, const std::string& para) {
  std::string linha = kLinha;
  return linha.replace(linha.find(de), de.size(), para);
}

class Chuva : public ArqauxTest {
 protected:
  // Loads texto as the current stream into lista: "ok" or "fail", and the list.
  std::string Carrega(const std::string& texto) {
    Escreve_Arquivo(Caminho("chuva.txt"), texto);
    geren->Abre_Arquivo(Caminho("chuva.txt").c_str(), "rt");
    const bool ok = geren->Le_Arquivo_Chuva(&lista);
    geren->Fecha_Todos();
    return (ok ? "ok\n" : "fail\n") + Held(lista);
  }
  // Saves l on a stream opened with modo: the file's text, or "fail".
  std::string Salva(TLista<TInterv_Chuva>* l, const char* modo = "wt") {
    geren->Abre_Arquivo(Caminho("salva.txt").c_str(), modo);
    const bool ok = geren->Salva_Arquivo_Chuva(l);
    geren->Fecha_Todos();
    return ok ? Le_Arquivo(Caminho("salva.txt")) : "fail";
  }
  TLista<TInterv_Chuva> lista{true};
};

// Minutes are held as seconds and written back as whole minutes; any class
// reads back; a null element is written as a default interval; reading
// appends to what the list holds. Without a stream or a list, or on a
// read-only stream, nothing is saved.
TEST_F(Chuva, IntervalsWrittenAndReadBack) {
  TLista<TInterv_Chuva> vazia(true);
  EXPECT_EQ(Salva(&vazia), Contagem(0));
  lista.Adiciona(new TInterv_Chuva{15, 3, 7, 1800, 9, 1830, 'x'});
  lista.Adiciona(nullptr);
  const std::string arquivo =
      Contagem(2) + "{[Data = 15/3][Hora_Ini = 7:30][Hora_Fim = 9:30][Intensidade = x]}\n" +
      "{[Data = 0/0][Hora_Ini = 0:0][Hora_Fim = 0:0][Intensidade = 1]}\n";
  EXPECT_EQ(Salva(&lista), arquivo);
  EXPECT_EQ(Salva(&lista, "rt") + Salva(nullptr), "failfail");
  EXPECT_FALSE(geren->Salva_Arquivo_Chuva(&lista) || geren->Le_Arquivo_Chuva(&lista));
  lista.Limpa();
  lista.Adiciona(new TInterv_Chuva());
  EXPECT_EQ(Carrega(arquivo), "ok\n0 0 0 0 0 0 1\n15 3 7 1800 9 1800 x\n0 0 0 0 0 0 1\n");
  geren->Abre_Arquivo(Caminho("chuva.txt").c_str(), "rt");
  EXPECT_FALSE(geren->Le_Arquivo_Chuva(nullptr));
}

// A file and the intervals it leaves: a malformed line stops the load and
// keeps the intervals before it; a bad count line keeps the list unchanged.
TEST_F(Chuva, MalformedFilesStopTheLoad) {
  const std::string um = "ok\n1 2 3 240 5 360 2\n", falha = "fail\n1 2 3 240 5 360 2\n";
  const std::pair<std::string, std::string> casos[] = {
      {"", "fail\n"},
      {"[Numero de Intervalos = x]\n" + kLinha, "fail\n"},
      {"[Numero de Intervals = 1]\n" + kLinha, "fail\n"},
      {Contagem(-1) + kLinha, "fail\n"},
      {Contagem(0) + kLinha, "ok\n"},
      {Contagem(1) + kLinha + kLinha, um},
      {Contagem(2) + kLinha, falha},
      {Contagem(INT_MAX) + kLinha, falha},
      {Contagem(2) + kLinha + Troca("3:4", "3:35791395"), falha},
      {Contagem(1) + Troca("5:6", "5:-35791395"), "fail\n"},
      {Contagem(1) + Troca("1/2", "1-2"), "fail\n"},
      {Contagem(1) + Troca("2]}\n", ""), "fail\n"}};
  std::string obtido, esperado;
  for (const auto& [texto, lido] : casos) {
    lista.Limpa();
    obtido += Carrega(texto);
    esperado += lido;
  }
  EXPECT_EQ(obtido, esperado);
  // Cut at every byte, the file loads once its last class is there (its
  // closing "]}\n" is not checked).
  const std::string tres = Contagem(3) + kLinha + kLinha + kLinha;
  const auto le = [&] {
    TLista<TInterv_Chuva> l(true);
    return geren->Le_Arquivo_Chuva(&l);
  };
  EXPECT_EQ(Le_Desde(Corta_Em_Todo_Byte(geren, Caminho("corte.txt"), tres, le)), tres.size() - 3);
}

}  // namespace
