// Daylighting schedules: the header patterns and the window of hourly
// lighting power densities.
#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "support/corte.h"
#include "support/fixture.h"

namespace {

constexpr int HORAS = ARQAUX_HORAS_ANO;
constexpr float kIntocado = -1.0f;

const std::string kCabecalho =
    "# thermal simulation input file (zona1.htm)\n"
    "# DAYSIM header file: C:\\proj\\zona1.hea\n"
    "# User type: active\n"
    " # total number of occupied hours: 2920\n"
    "# month, day, hour, occ (0=absent; 1=present), blinds (0=up; 1=down), lights (W/area) \n";

// The lighting power density of hour h: exact in a float and in "%.2f".
float Dpi(int h) { return static_cast<float>(h) + 0.25f; }

// Lines of hours 0..horas-1; the blanks after the fifth comma run from none
// to many.
std::string Horas(int horas) {
  std::string texto;
  char linha[96];
  for (int h = 0; h < horas; ++h) {
    std::snprintf(linha, sizeof linha, "%d,%d,%.3f,%d,%d,%*s%.2f\n", 1 + h / 744, 1 + h / 24 % 31,
                  h % 24 + 0.5, h % 2, 0, h % 9, "", Dpi(h));
    texto += linha;
  }
  return texto;
}

class Iluminacao : public ArqauxTest {
 protected:
  // Opens texto as the current stream, at its start.
  void Abre(const std::string& texto) {
    Escreve_Arquivo(Caminho("agenda.csv"), texto);
    ASSERT_NE(geren->Abre_Arquivo(Caminho("agenda.csv").c_str(), "rt"), 0);
  }
  // The window, read into records that start as kIntocado, then
  // "ok|v0 v1 ..." for the first n records.
  std::string Janela(int inicio, int quantidade, int n) {
    std::vector<TReg_DPI_DAYSIM> r(static_cast<size_t>(n), TReg_DPI_DAYSIM{kIntocado});
    const bool ok = geren->Bufferiza_Iluminacao_DAYSIM(r.data(), inicio, quantidade);
    geren->Fecha_Todos();
    std::string texto = ok ? "ok|" : "fail|";
    for (const TReg_DPI_DAYSIM& v : r) texto += std::to_string(v.DPI) + " ";
    return texto;
  }
  // What Janela gives when hours inicio.. fill the first guardados records.
  static std::string Esperado(bool ok, int inicio, int guardados, int n) {
    std::string texto = ok ? "ok|" : "fail|";
    for (int i = 0; i < n; ++i) {
      texto += std::to_string(i < guardados ? Dpi(inicio + i) : kIntocado) + " ";
    }
    return texto;
  }
};

// Start, count, whether the window reads and how many records it stores;
// one spare record shows that nothing past them is written.
TEST_F(Iluminacao, WindowIsCutAtTheYearsEnd) {
  const std::string agenda = kCabecalho + Horas(HORAS);
  const struct {
    int inicio, quantidade;
    bool ok;
    int guardados;
  } casos[] = {
      {0, 24, true, 24},
      {8700, 100, true, 60},
      {100, 0, true, 0},
      {8759, 1, true, 1},
      {8760, 3, true, 0},
      {0, HORAS, true, HORAS},
      {5000, INT_MAX, true, 3760},
      {-1, 1, false, 0},
      {0, -1, false, 0},
      {8761, 0, false, 0},
      {INT_MAX, INT_MAX, false, 0},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(std::to_string(c.inicio) + "+" + std::to_string(c.quantidade));
    const int n = std::clamp(c.quantidade, 0, HORAS) + 1;
    Abre(agenda);
    EXPECT_EQ(Janela(c.inicio, c.quantidade, n), Esperado(c.ok, c.inicio, c.guardados, n));
  }
}

// A file that ends, or a line of five values, before the window is whole:
// false, with the records stored before it.
TEST_F(Iluminacao, ShortFilesAndShortLinesFail) {
  const std::string curta = kCabecalho + Horas(100);
  const std::string linhas = Horas(60);
  const std::string quebrada = kCabecalho + linhas.substr(0, linhas.rfind(',')) + "\n" + Horas(10);
  const struct {
    const std::string* texto;
    int inicio, quantidade, guardados;
  } casos[] = {
      {&curta, 90, 20, 10},    {&curta, 150, 1, 0},   {&curta, 100, 1, 0},
      {&quebrada, 40, 30, 19}, {&quebrada, 70, 5, 0},
  };
  for (const auto& c : casos) {
    Abre(*c.texto);
    EXPECT_EQ(Janela(c.inicio, c.quantidade, c.quantidade + 1),
              Esperado(false, c.inicio, c.guardados, c.quantidade + 1));
  }
  Abre(curta);
  EXPECT_EQ(Janela(90, 10, 11), Esperado(true, 90, 10, 11));

  // Cut at every byte, a window of three hours reads once the last line's
  // value has its first digit.
  const std::string tres = kCabecalho + Horas(3);
  const auto lidos = Corta_Em_Todo_Byte(geren, Caminho("corte.csv"), tres, [&] {
    TReg_DPI_DAYSIM r[3];
    return geren->Bufferiza_Iluminacao_DAYSIM(r, 0, 3);
  });
  EXPECT_EQ(Le_Desde(lidos), tres.size() - std::string("2.25\n").size() + 1);
}

// Headers and whether they match: any run of white space where the pattern
// has a blank, texts of up to 299 characters, and whole literals.
TEST_F(Iluminacao, HeaderPatterns) {
  const std::string t299(299, 'n'), t300(300, 'n');
  const std::string l2 = "# DAYSIM header file: x\n", l3 = "# User type: active\n";
  const std::string l45 = kCabecalho.substr(kCabecalho.find(" # total"));
  const std::string l1 = "# thermal simulation input file (z)\n";
  const struct {
    const char* nome;
    std::string texto;
    bool ok;
  } casos[] = {
      {"as written", kCabecalho, true},
      {"irregular white space",
       "#  thermal\tsimulation input file(a b)\n\n#DAYSIM header file:   a b\n"
       "#   User   type:\tx\r\n# total number of occupied hours:12\n"
       "#month,day,hour,occ(0=absent;1=present),blinds(0=up;1=down),lights(W/area)",
       true},
      {"no number of hours",
       l1 + l2 + l3 + " # total number of occupied hours: \n" + l45.substr(l45.find('\n') + 1),
       false},
      {"empty parentheses", "# thermal simulation input file ()\n" + l2 + l3 + l45, false},
      {"name of 299", "# thermal simulation input file (" + t299 + ")\n" + l2 + l3 + l45, true},
      {"name of 300", "# thermal simulation input file (" + t300 + ")\n" + l2 + l3 + l45, false},
      {"header file of 299", l1 + "# DAYSIM header file: " + t299 + "\n" + l3 + l45, true},
      {"header file of 300", l1 + "# DAYSIM header file: " + t300 + "\n" + l3 + l45, false},
      {"user type of 300", l1 + l2 + "# User type: " + t300 + "\n" + l45, false},
      {"other word", l1 + l2 + "# User kind: active\n" + l45, false},
      {"other column", l1 + l2 + l3 + l45.substr(0, l45.find("lights")) + "light (W/area)\n",
       false},
      {"ends after line 3", l1 + l2 + l3, false},
  };
  std::string obtido, esperado;
  for (const auto& c : casos) {
    Abre(c.texto);
    obtido += std::string(c.nome) + ": " + std::to_string(geren->Carrega_Cabecalho_DAYSIM()) + "\n";
    esperado += std::string(c.nome) + ": " + std::to_string(c.ok) + "\n";
    geren->Fecha_Todos();
  }
  EXPECT_EQ(obtido, esperado);

  // Every prefix fails until the last literal is whole.
  const auto lidos = Corta_Em_Todo_Byte(geren, Caminho("corte.csv"), kCabecalho,
                                        [&] { return geren->Carrega_Cabecalho_DAYSIM(); });
  EXPECT_EQ(Le_Desde(lidos), kCabecalho.size() - 2);

  // No current stream: nothing to read.
  TReg_DPI_DAYSIM r{kIntocado};
  EXPECT_FALSE(geren->Carrega_Cabecalho_DAYSIM());
  EXPECT_FALSE(geren->Bufferiza_Iluminacao_DAYSIM(&r, 0, 1));
  Abre(kCabecalho + Horas(1));
  EXPECT_FALSE(geren->Bufferiza_Iluminacao_DAYSIM(nullptr, 0, 1));
  EXPECT_EQ(r.DPI, kIntocado);
}

}  // namespace
