// Weather import against a real typical-year weather file (tests/data), the
// same file in the other common header style, and copies changed one way
// each: hour placement, the header, humidity ratios against reference values
// and another formula, filled values, how the outputs are written, reading a
// climate file back, and every refusal.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "support/fixture.h"

namespace {

namespace fs = std::filesystem;
using TLinhas = std::vector<std::string>;

const std::string kCaminho_Real = std::string(ARQAUX_TEST_DATA) + "/tmy_45.000_8.000_2005_2023.epw";
const char* const kReal = kCaminho_Real.c_str();
// The same rows under the other header style, with "\r\n" line ends.
const std::string kCaminho_Savings =
    std::string(ARQAUX_TEST_DATA) + "/tmy_45.000_8.000_2005_2023_savings.epw";
const char* const kSavings = kCaminho_Savings.c_str();
constexpr int kPrimeira = 9;  // the line of the first row, hour 0 of the real file

// The lines of a weather file, without their ends.
TLinhas Linhas_Reais(const char* caminho = kReal) {
  std::ifstream f(caminho);
  TLinhas linhas;
  for (std::string l; std::getline(f, l);) {
    if (!l.empty() && l.back() == '\r') l.pop_back();
    linhas.push_back(l);
  }
  return linhas;
}

TLinhas Campos(const std::string& linha) {
  TLinhas campos;
  std::stringstream s(linha);
  for (std::string c; std::getline(s, c, ',');) campos.push_back(c);
  return campos;
}

// Sets field k (from 1) of line n (from 1).
void Muda(TLinhas* l, int n, int k, const std::string& valor) {
  TLinhas c = Campos((*l)[n - 1]);
  c[k - 1] = valor;
  std::string t;
  for (const std::string& campo : c) t += (t.empty() ? "" : ",") + campo;
  (*l)[n - 1] = t;
}

using TMuda = std::function<void(TLinhas*)>;

// Lines (from 1) given new texts.
TMuda Linhas(const std::vector<std::pair<int, std::string>>& novas) {
  return [=](TLinhas* l) {
    for (const auto& [n, texto] : novas) (*l)[n - 1] = texto;
  };
}

TMuda Campo(int n, int k, const std::string& valor) {
  return [=](TLinhas* l) { Muda(l, n, k, valor); };
}

// Humidity ratio by a Magnus-type formula, over ice below 0 degC.
double Razao_Magnus(double orvalho, double pressao) {
  const double e = orvalho < 0 ? 611.21 * std::exp(22.587 * orvalho / (orvalho + 273.86))
                               : 610.94 * std::exp(17.625 * orvalho / (orvalho + 243.04));
  return 0.622 * e / (pressao - e);
}

// A record's fields but the humidity, as text.
std::string Texto(const TReg_Climatico& r) {
  char t[128];
  std::snprintf(t, sizeof t, "%.2f %.2f %.2f %.2f %.1f\n", r.Temperatura, r.Rad_Direta,
                r.Rad_Difusa, r.Vel_Vento, r.Dir_Vento);
  return t;
}

class Epw : public ArqauxTest {
 protected:
  // Writes the real file changed by muda, each line ended by fim; its path.
  std::string Copia(const TMuda& muda, const std::string& fim = "\n") {
    TLinhas l = Linhas_Reais();
    muda(&l);
    std::string texto;
    for (const std::string& linha : l) texto += linha + fim;
    Escreve_Arquivo(Caminho("copia.epw"), texto);
    return Caminho("copia.epw");
  }
};

// Both header styles of tests/data: each listed hour is that file's own row
// (401 is a frost-point hour), the soil year comes from the shallowest depth
// the file gives, and the rows being the same, so are the years.
TEST_F(Epw, RealFilesPlaceEveryHourAndItsHumidity) {
  const std::pair<int, std::string> horas[] = {
      {0, "1/1 1"}, {401, "1/17 18"}, {1191, "2/19 16"}, {4000, "6/16 17"}, {8759, "12/31 24"}};
  std::string esperado, lido;
  std::vector<TReg_Climatico> anos[2];
  for (const char* arquivo : {kReal, kSavings}) {
    TClima_EPW c;
    ASSERT_TRUE(geren->Le_EPW(arquivo, &c)) << arquivo << ": " << c.linha_erro << " " << c.erro;
    const TLinhas linhas = Linhas_Reais(arquivo);
    for (const auto& [hora, data] : horas) {
      const TLinhas f = Campos(linhas[kPrimeira - 1 + hora]);
      const TReg_Climatico r = {std::stof(f[6]),  0,
                                std::stof(f[14]), std::stof(f[15]),
                                std::stof(f[21]), std::stof(f[20])};
      esperado += f[1] + "/" + f[2] + " " + f[3] + ": " + Texto(r);
      lido += data + ": " + Texto(c.registros[hora]);
      const double w = Razao_Magnus(std::stod(f[7]), std::stod(f[9]));
      EXPECT_NEAR(c.registros[hora].Umidade, w, 0.004 * w) << arquivo << " hour " << hora;
    }
    const TLinhas solo = Campos(linhas[3]);
    esperado += solo[1] == "0" ? "0 0\n" : "8760 " + std::to_string(std::stof(solo[2])) + "\n";
    lido += std::to_string(c.solo.size()) + " " +
            (c.solo.empty() ? "0" : std::to_string(c.profundidade_solo)) + "\n";
    anos[arquivo == kSavings] = c.registros;
  }
  EXPECT_EQ(lido, esperado);
  ASSERT_EQ(anos[0].size(), 8760u);
  EXPECT_EQ(std::memcmp(anos[0].data(), anos[1].data(), 8760 * sizeof(TReg_Climatico)), 0);

  // The written climate file is the header and the records, and nothing else is left.
  TClima_EPW c;
  ASSERT_TRUE(
      geren->Importa_EPW(kReal, Caminho("clima.bin").c_str(), Caminho("solo.bin").c_str(), &c));
  const TCidade cidade = {"unknown", "-", 45.0f, 8.0f, 250.0f, 1.0f, 0.2f, 2018, {}};
  EXPECT_EQ(std::memcmp(&c.cabecalho, &cidade, sizeof cidade), 0);
  EXPECT_EQ(c.cidade + "|" + c.regiao + "|" + c.sem_solo + "|" + std::to_string(c.preenchidos),
            "unknown|-|the GROUND TEMPERATURES line gives no depth|0");
  EXPECT_EQ(Le_Arquivo(Caminho("clima.bin")),
            std::string(reinterpret_cast<const char*>(&cidade), 80) +
                std::string(reinterpret_cast<const char*>(c.registros.data()), 8760 * 24));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

// Copies that must give the same year as the real file.
TEST_F(Epw, SameYearWhateverTheOrderLineEndsAndLeapDay) {
  TClima_EPW real;
  ASSERT_TRUE(geren->Le_EPW(kReal, &real));
  // Rows backwards; CRLF; empty lines at the end; a leap year.
  const std::pair<TMuda, const char*> casos[] = {
      {[](TLinhas* l) { std::reverse(l->begin() + kPrimeira - 1, l->end()); }, "\n"},
      {[](TLinhas*) {}, "\r\n"},
      {[](TLinhas* l) { l->insert(l->end(), 2, ""); }, "\n"},
      // The header as its format allows it: the other spelling, blank and
      // extra fields, quoted commas, soil properties left blank, decimal
      // exponents.
      {Linhas({{5, "HOLIDAYS/DAYLIGHT SAVINGS,yes,,,1,New Year,1/ 1,"},
               {1, "LOCATION,\"Turin, TO\",-,ITA,\"a, b\",160590,45,8,1,250,extra"},
               {6, "COMMENTS 1,\"one, two\",\"three\""}}),
       "\n"},
      {Linhas({{2, "DESIGN CONDITIONS"},
               {3, "TYPICAL/EXTREME PERIODS,,"},
               {4,
                "GROUND TEMPERATURES,2,.5,,,,1,2,3,4,5,6,7,8,9,10,11,12,4,2.4,1800,840,1,2,3,4,"
                "5,6,7,8,9,10,11,12,extra"},
               {7, "COMMENTS 2"}}),
       "\n"},
      {[](TLinhas* l) {
         (*l)[7] = "DATA PERIODS,1,1,Data,THURSDAY, 1/ 1,12/31,";
         Muda(l, kPrimeira, 7, Campos((*l)[kPrimeira - 1])[6] + "e0");
         Muda(l, kPrimeira, 22, "+0" + Campos((*l)[kPrimeira - 1])[21] + "E0");
       },
       "\n"},
      {[](TLinhas* l) {  // February 29 after the 28th, with values that would show
         const int fim_28 = kPrimeira - 1 + (31 + 28) * 24;
         const TLinhas dia(l->begin() + fim_28 - 24, l->begin() + fim_28);
         l->insert(l->begin() + fim_28, dia.begin(), dia.end());
         for (int n = fim_28 + 1; n <= fim_28 + 24; ++n) Muda(l, n, 3, "29"), Muda(l, n, 7, "55");
       },
       "\n"},
  };
  for (size_t i = 0; i < std::size(casos); ++i) {
    TClima_EPW c;
    ASSERT_TRUE(geren->Le_EPW(Copia(casos[i].first, casos[i].second).c_str(), &c))
        << i << ": " << c.linha_erro << " " << c.erro;
    EXPECT_EQ(std::memcmp(c.registros.data(), real.registros.data(), 8760 * 24), 0) << i;
  }
}

// Missing values are filled; hours 4000 and 4001 are given dew points whose
// humidity ratios are reference values from the psychrometric formulas:
// saturation pressure over liquid water of 2338.804 Pa at 20 degC and
// 611.2129 Pa at 0 degC, W = 0.621945 pw / (p - pw). To 1e-5: 0.622 for
// 0.621945, or 0 degC taken over ice, is off by about 1e-4.
TEST_F(Epw, MissingValuesAreInterpolatedAndHumidityMatchesReferenceValues) {
  TClima_EPW real;
  ASSERT_TRUE(geren->Le_EPW(kReal, &real));
  // Hour, field, its missing code; a run of hours with the same field forms one gap.
  const struct {
    int hora, campo;
    const char* codigo;
  } faltas[] = {{100, 7, "99.9"},  {200, 15, "9999"}, {201, 15, ""},     {202, 15, "12000"},
                {0, 10, "999999"}, {8759, 22, "999"}, {4000, 21, "999"}, {5000, 8, "99.9"}};
  const auto muda = [&](TLinhas* l) {
    for (const auto& f : faltas) Muda(l, kPrimeira + f.hora, f.campo, f.codigo);
    Muda(l, kPrimeira + 3999, 21, "350");  // the wind turns through north
    Muda(l, kPrimeira + 4001, 21, "20");
    for (int h : {4000, 4001}) Muda(l, kPrimeira + h, 8, h == 4000 ? "20" : "0");
    for (int h : {4000, 4001}) Muda(l, kPrimeira + h, 10, "101325");
  };
  TClima_EPW c;
  ASSERT_TRUE(geren->Le_EPW(Copia(muda).c_str(), &c)) << c.linha_erro << ": " << c.erro;
  EXPECT_EQ(c.preenchidos, 8);
  const auto& r = real.registros;
  const auto meio = [](float a, float b, double f) { return a + (b - a) * f; };
  const std::tuple<int, float TReg_Climatico::*, double> valores[] = {
      {100, &TReg_Climatico::Temperatura, meio(r[99].Temperatura, r[101].Temperatura, 0.5)},
      {200, &TReg_Climatico::Rad_Direta, meio(r[199].Rad_Direta, r[203].Rad_Direta, 0.25)},
      {202, &TReg_Climatico::Rad_Direta, meio(r[199].Rad_Direta, r[203].Rad_Direta, 0.75)},
      {8759, &TReg_Climatico::Vel_Vento, meio(r[8758].Vel_Vento, r[0].Vel_Vento, 0.5)},
      {4000, &TReg_Climatico::Dir_Vento, 5.0},
  };
  for (const auto& [hora, campo, esperado] : valores) {
    EXPECT_NEAR(c.registros[hora].*campo, esperado, 1e-3) << "hour " << hora;
  }
  // The dew point at 5000 and the pressure at 0 (across the year's end) are
  // filled, then give the humidity.
  const TLinhas l = Linhas_Reais();
  const auto campo = [&](int h, int k) { return std::stod(Campos(l[kPrimeira - 1 + h])[k - 1]); };
  const double w5000 = Razao_Magnus((campo(4999, 8) + campo(5001, 8)) / 2, campo(5000, 10));
  const double w0 = Razao_Magnus(campo(0, 8), (campo(8759, 10) + campo(1, 10)) / 2);
  EXPECT_NEAR(c.registros[5000].Umidade, w5000, 0.004 * w5000);
  EXPECT_NEAR(c.registros[0].Umidade, w0, 0.004 * w0);
  EXPECT_NEAR(c.registros[4000].Umidade, 0.0146950516, 1e-5 * 0.0146950516);
  EXPECT_NEAR(c.registros[4001].Umidade, 0.00377446621, 1e-5 * 0.00377446621);
}

TEST_F(Epw, GroundTemperaturesOfTheShallowestDepthMakeTheSoilYear) {
  const auto muda = [](TLinhas* l) {
    (*l)[3] =
        "GROUND TEMPERATURES,2,2.0,,,,9,9,9,9,9,9,9,9,9,9,9,9,"
        "0.5,1.2,,,4,16,10,10,10,10,10,10,10,10,10,28";
  };
  TClima_EPW c;
  ASSERT_TRUE(geren->Le_EPW(Copia(muda).c_str(), &c)) << c.linha_erro << ": " << c.erro;
  ASSERT_EQ(c.solo.size(), 8760u);
  EXPECT_EQ(c.profundidade_solo, 0.5f);
  // Months are mid-month values: mid-January is hour 372, mid-February 1080,
  // mid-December 8388; a value holds at the middle of its hour.
  const std::pair<int, double> horas[] = {{0, 28 + (4 - 28) * (0.5 + 8760 - 8388) / 744},
                                          {371, 28 + (4 - 28) * 743.5 / 744},
                                          {1079, 4 + 12 * 707.5 / 708},
                                          {5000, 10.0},
                                          {8759, 28 + (4 - 28) * (8759.5 - 8388) / 744}};
  for (const auto& [hora, esperado] : horas) {
    EXPECT_NEAR(c.solo[hora].Temperatura, esperado, 1e-4) << "hour " << hora;
    EXPECT_EQ(c.solo[hora].Umidade, 0.0f);
  }
  ASSERT_TRUE(geren->Grava_Clima_EPW(&c, Caminho("c.bin").c_str(), Caminho("s.bin").c_str()));
  EXPECT_EQ(Le_Arquivo(Caminho("s.bin")),
            std::string(reinterpret_cast<const char*>(c.solo.data()), 8760 * 8));
}

// Each fault gives one error naming its line, and the import leaves no file.
TEST_F(Epw, FaultsNameTheirLineAndLeaveNoFile) {
  constexpr int meio = kPrimeira + 4000;
  const std::pair<TMuda, std::string> casos[] = {
      {[](TLinhas* l) { (*l)[meio - 1].resize(60); }, "4009: 7 fields where the rows have 35"},
      {[](TLinhas* l) { l->resize(meio); }, "4010: no row for 16/06 hour 18"},
      {[](TLinhas* l) { l->erase(l->begin() + meio - 1); }, "4009: no row for 16/06 hour 17"},
      {[](TLinhas* l) { l->insert(l->begin() + meio, (*l)[meio - 1]); },
       "4010: a second row for 16/06 hour 17 (the first is line 4009)"},
      {Campo(meio, 7, "2x.5"), "4009: dry-bulb temperature '2x.5' is not a number"},
      {Campo(meio, 2, "13"), "4009: not a date: '2006,13,16,17'"},
      {Campo(meio, 3, "31"), "4009: not a date: '2006,6,31,17'"},
      {Campo(1, 7, "north"), "1: LOCATION latitude 'north' is not a number from -90 to 90"},
      {Linhas({{4, "GROUND,0"}}), "4: expected the GROUND TEMPERATURES line"},
      {Linhas({{4, "GROUND TEMPERATURES,1,0.5,,,,1,2"}}),
       "4: GROUND TEMPERATURES counts 1, more than the line holds"},
      {Linhas({{4, "GROUND TEMPERATURES,1,0.5,soft,,,1,2,3,4,5,6,7,8,9,1,2,3"}}),
       "4: GROUND TEMPERATURES depth 1 is not a depth, 3 soil properties (blank or not "
       "negative) and 12 temperatures"},
      {Campo(meio, 7, "0x1p4"), "4009: dry-bulb temperature '0x1p4' is not a number"},
      {Campo(meio, 16, "INF"), "4009: diffuse horizontal radiation 'INF' is not a number"},
      {Campo(meio, 2, "0x6"), "4009: not a date: '2006,0x6,16,17'"},
      {Campo(1, 10, "nan"), "1: LOCATION elevation 'nan' is not a number from -1000 to 9999.9"},
      {[](TLinhas* l) { Muda(l, meio, 8, "69"), Muda(l, meio, 10, "31000"); },
       "4009: humidity ratio 16.4852 is outside 0 to 1"},
      {Linhas({{2, "DESIGN CONDITIONS,-1"}}),
       "2: DESIGN CONDITIONS count '-1' is not a whole number from 0 to 1000"},
      {Linhas({{3, "TYPICAL/EXTREME PERIODS,1,Summer,Extreme,7/ 6"}}),
       "3: TYPICAL/EXTREME PERIODS counts 1, more than the line holds"},
      {Linhas({{5, "HOLIDAY/DAYLIGHT SAVINGS,No,0,0,0"}}),
       "5: expected the HOLIDAYS/DAYLIGHT SAVINGS line"},
      {Linhas({{5, "HOLIDAYS/DAYLIGHT SAVINGS,Maybe,0,0,0"}}),
       "5: leap year observed 'Maybe' is neither Yes nor No"},
      {Linhas({{5, "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,2,New Year,1/ 1"}}),
       "5: HOLIDAYS/DAYLIGHT SAVINGS counts 2, more than the line holds"},
      {Linhas({{6, "COMMENTS 1,\"a quote, open"}}), "6: a quote that does not close"},
      {Linhas({{8, "DATA PERIODS,0,1"}}),
       "8: DATA PERIODS count '0' is not a whole number from 1 to 1000"},
      {Linhas({{8, "DATA PERIODS,1,4,Data,Thursday, 1/ 1,12/31"}}),
       "8: DATA PERIODS gives '4' records per hour, not 1"},
      {Linhas({{8, "DATA PERIODS,1,1,Data,1/ 1,12/31"}}),
       "8: DATA PERIODS counts 1, more than the line holds"},
      {Linhas({{8, "DATA PERIODS,1,1,Data,1/ 1,12/31,x"}}),
       "8: DATA PERIODS period 1 starts on '1/ 1', not a weekday"},
      {[](TLinhas* l) { l->resize(5); }, "6: the file ends before its COMMENTS 1 line"},
      {[](TLinhas* l) { (*l)[99] += std::string(5000, ' '); }, "100: longer than 4096 characters"},
      {Linhas({{100, ""}}), "100: an empty line among the rows"},
      {[](TLinhas* l) {
         for (size_t i = kPrimeira - 1; i < l->size(); ++i) Muda(l, i + 1, 22, "999");
       },
       "0: no hour has a valid wind speed"},
  };
  std::string esperado, lido;
  fs::create_directory(Caminho("saida"));
  for (const auto& [muda, erro] : casos) {
    TClima_EPW c;
    const bool ok = geren->Importa_EPW(Copia(muda).c_str(), Caminho("saida/c.bin").c_str(),
                                       Caminho("saida/s.bin").c_str(), &c);
    esperado += erro + " 0 0 1\n";
    lido += std::to_string(c.linha_erro) + ": " + c.erro + " " + std::to_string(ok) + " " +
            std::to_string(c.registros.size()) + " " +
            std::to_string(fs::is_empty(dir + "/saida")) + "\n";
  }
  EXPECT_EQ(lido, esperado);
  // A write that fails leaves nothing either.
  TClima_EPW c;
  EXPECT_FALSE(geren->Importa_EPW(kReal, Caminho("falta/c.bin").c_str(), nullptr, &c));
  EXPECT_EQ(c.erro, "cannot write '" + Caminho("falta/c.bin") + "'");
  EXPECT_FALSE(geren->Le_EPW(Caminho("nenhum.epw").c_str(), &c));
  EXPECT_FALSE(geren->Le_EPW(nullptr, &c));
  EXPECT_FALSE(geren->Le_EPW(kReal, nullptr));
}

// An output that is the weather file by any name is refused before anything
// is read or written: the file stays whole.
TEST_F(Epw, OutputThatIsTheWeatherFileIsRefused) {
  const std::string epw = Copia([](TLinhas*) {});
  const std::string texto = Le_Arquivo(epw);
  fs::create_hard_link(epw, Caminho("duro.epw"));
  fs::create_symlink(epw, Caminho("link.epw"));
  const std::pair<std::string, bool> saidas[] = {{epw, false},
                                                 {dir + "/./copia.epw", false},
                                                 {Caminho("duro.epw"), false},
                                                 {Caminho("link.epw"), false},
                                                 {Caminho("link.epw"), true}};
  std::string esperado, lido;
  for (const auto& [saida, solo] : saidas) {
    TClima_EPW c;
    const std::string outra = Caminho("outra.bin");
    const bool ok = geren->Importa_EPW(epw.c_str(), solo ? outra.c_str() : saida.c_str(),
                                       solo ? saida.c_str() : outra.c_str(), &c);
    esperado += "0 the output '" + saida + "' is the weather file itself 1 0\n";
    lido += std::to_string(ok) + " " + c.erro + " " + std::to_string(Le_Arquivo(epw) == texto) +
            " " + std::to_string(fs::exists(outra)) + "\n";
  }
  EXPECT_EQ(lido, esperado);
}

// The outputs are written under new names of their own: a link planted where
// a fixed temporary name would be is not followed, a file there is left as
// it is, and nothing else stays behind.
TEST_F(Epw, WritesThroughNoNameItDidNotMake) {
  Escreve_Arquivo(Caminho("fora.bin"), "outside");
  fs::create_symlink(Caminho("fora.bin"), Caminho("c.bin.parcial"));
  Escreve_Arquivo(Caminho("s.bin.parcial"), "mine");
  TClima_EPW c;
  ASSERT_TRUE(geren->Importa_EPW(kSavings, Caminho("c.bin").c_str(), Caminho("s.bin").c_str(), &c))
      << c.erro;
  std::set<std::string> lista;
  for (const auto& e : fs::directory_iterator(dir)) lista.insert(e.path().filename().string());
  std::string nomes;
  for (const std::string& n : lista) nomes += n + " ";
  nomes += std::to_string(Le_Arquivo(Caminho("fora.bin")) == "outside") +
           std::to_string(Le_Arquivo(Caminho("s.bin.parcial")) == "mine");
  EXPECT_EQ(nomes, "c.bin c.bin.parcial fora.bin s.bin s.bin.parcial 11");
  EXPECT_EQ(fs::file_size(Caminho("c.bin")), 80u + 8760 * 24);
  EXPECT_EQ(fs::file_size(Caminho("s.bin")), 8760u * 8);
}

// A climate file read back: as written when whole and in range; else the
// first value out of the import's ranges, by its hour, or the header.
TEST_F(Epw, ClimateFileReadBackIsHeldToTheImportRanges) {
  TClima_EPW importado;
  ASSERT_TRUE(geren->Importa_EPW(kReal, Caminho("c.bin").c_str(), nullptr, &importado));
  const std::string ano = Le_Arquivo(Caminho("c.bin"));
  TClima_EPW c;
  ASSERT_TRUE(geren->Le_Clima_EPW(Caminho("c.bin").c_str(), &c)) << c.erro;
  EXPECT_EQ(std::memcmp(&c.cabecalho, &importado.cabecalho, sizeof(TCidade)), 0);
  EXPECT_EQ(c.registros.size(), 8760u);
  EXPECT_EQ(std::memcmp(c.registros.data(), importado.registros.data(), 8760 * 24), 0);
  EXPECT_EQ(c.cidade + "|" + c.regiao, "unknown|-");

  // Byte offset of a float in the file, the value put there, the error.
  const float nan = std::nanf("");
  const struct {
    size_t posicao;
    float valor;
    const char* erro;
  } casos[] = {
      {80, nan, "hour 0 (01/01 00:00): dry-bulb temperature nan is outside -70 to 70"},
      {80 + 24 * 4000 + 16, 3e38f, "hour 4000 (16/06 16:00): wind speed 3e+38 is outside 0 to 40"},
      {80 + 24 * 8759 + 4, -0.001f,
       "hour 8759 (31/12 23:00): humidity ratio -0.001 is outside 0 to 1"},
      {80 + 24 * 10 + 20, 360.5f,
       "hour 10 (01/01 10:00): wind direction 360.5 is outside 0 to 360"},
      {80 + 24 * 11 + 8, 9999.0f,
       "hour 11 (01/01 11:00): direct normal radiation 9999 is outside 0 to 9999"},
      {44, 91.0f, "header: latitude 91 is outside -90 to 90"},
      {60, nan, "header: albedo nan is outside 0 to 1"},
  };
  std::string esperado, lido;
  for (const auto& k : casos) {
    std::string texto = ano;
    std::memcpy(&texto[k.posicao], &k.valor, 4);
    Escreve_Arquivo(Caminho("d.bin"), texto);
    const bool ok = geren->Le_Clima_EPW(Caminho("d.bin").c_str(), &c);
    esperado += std::string("0 0 ") + k.erro + "\n";
    lido += std::to_string(ok) + " " + std::to_string(c.registros.size()) + " " + c.erro + "\n";
  }
  // Cut short or grown by a byte, or missing.
  for (const std::string& texto : {ano.substr(0, ano.size() - 1), ano + "x"}) {
    Escreve_Arquivo(Caminho("d.bin"), texto);
    lido += std::to_string(geren->Le_Clima_EPW(Caminho("d.bin").c_str(), &c)) + " " + c.erro + "\n";
    esperado += "0 not a header and a year of climate records\n";
  }
  lido += std::to_string(geren->Le_Clima_EPW(Caminho("falta.bin").c_str(), &c)) + " " + c.erro;
  esperado += "0 cannot open the climate file";
  EXPECT_EQ(lido, esperado);
}

}  // namespace
