// Weather import against a real typical-year weather file (tests/data) and
// copies of it changed one way each: hour placement, the header, humidity
// ratios computed here by another formula, filled values, and every refusal.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
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
constexpr int kPrimeira = 9;  // the line of the first row, hour 0 of the real file

TLinhas Linhas_Reais() {
  std::ifstream f(kReal);
  TLinhas linhas;
  for (std::string l; std::getline(f, l);) linhas.push_back(l);
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

// Humidity ratio by a Magnus formula (Alduchov and Eskridge), over ice below 0 degC.
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
  std::string Copia(const std::function<void(TLinhas*)>& muda, const std::string& fim = "\n") {
    TLinhas l = Linhas_Reais();
    muda(&l);
    std::string texto;
    for (const std::string& linha : l) texto += linha + fim;
    Escreve_Arquivo(Caminho("copia.epw"), texto);
    return Caminho("copia.epw");
  }
};

TEST_F(Epw, RealFilePlacesEveryHourAndItsHumidity) {
  TClima_EPW c;
  ASSERT_TRUE(geren->Le_EPW(kReal, &c)) << c.linha_erro << ": " << c.erro;
  ASSERT_EQ(c.registros.size(), 8760u);
  const TLinhas linhas = Linhas_Reais();
  // Hour of the year and the date its row gives; 401 is a frost-point hour.
  const std::pair<int, std::string> horas[] = {
      {0, "1,1,1"}, {401, "1,17,18"}, {1191, "2,19,16"}, {4000, "6,16,17"}, {8759, "12,31,24"}};
  std::string esperado, lido;
  for (const auto& [hora, data] : horas) {
    const TLinhas f = Campos(linhas[kPrimeira - 1 + hora]);
    esperado += f[1] + "," + f[2] + "," + f[3] + " ";
    lido += data + " ";
    TReg_Climatico r = {std::stof(f[6]), 0, std::stof(f[14]), std::stof(f[15]), std::stof(f[21]),
                        std::stof(f[20])};
    esperado += Texto(r);
    lido += Texto(c.registros[hora]);
    const double w = Razao_Magnus(std::stod(f[7]), std::stod(f[9]));
    EXPECT_NEAR(c.registros[hora].Umidade, w, 0.004 * w) << "hour " << hora;
  }
  EXPECT_EQ(lido, esperado);

  const TCidade cidade = {"unknown", "-", 45.0f, 8.0f, 250.0f, 1.0f, 0.2f, 2018, {}};
  EXPECT_EQ(std::memcmp(&c.cabecalho, &cidade, sizeof cidade), 0);
  EXPECT_EQ(c.cidade + "|" + c.regiao + "|" + c.sem_solo + "|" + std::to_string(c.preenchidos) +
                "|" + std::to_string(c.solo.size()),
            "unknown|-|the GROUND TEMPERATURES line gives no depth|0|0");

  // The written climate file is the header and the records, and nothing else is left.
  ASSERT_TRUE(
      geren->Importa_EPW(kReal, Caminho("clima.bin").c_str(), Caminho("solo.bin").c_str(), &c));
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
  const std::pair<std::function<void(TLinhas*)>, const char*> casos[] = {
      {[](TLinhas* l) { std::reverse(l->begin() + kPrimeira - 1, l->end()); }, "\n"},
      {[](TLinhas*) {}, "\r\n"},
      {[](TLinhas* l) { l->insert(l->end(), 2, ""); }, "\n"},
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

TEST_F(Epw, MissingValuesAreInterpolatedAndCounted) {
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
  const std::pair<std::function<void(TLinhas*)>, std::string> casos[] = {
      {[](TLinhas* l) { (*l)[meio - 1].resize(60); }, "4009: 7 fields where the rows have 35"},
      {[](TLinhas* l) { l->resize(meio); }, "4010: no row for 16/06 hour 18"},
      {[](TLinhas* l) { l->erase(l->begin() + meio - 1); }, "4009: no row for 16/06 hour 17"},
      {[](TLinhas* l) { l->insert(l->begin() + meio, (*l)[meio - 1]); },
       "4010: a second row for 16/06 hour 17 (the first is line 4009)"},
      {[](TLinhas* l) { Muda(l, meio, 7, "2x.5"); },
       "4009: dry-bulb temperature '2x.5' is not a number"},
      {[](TLinhas* l) { Muda(l, meio, 2, "13"); }, "4009: not a date: '2006,13,16,17'"},
      {[](TLinhas* l) { Muda(l, meio, 3, "31"); }, "4009: not a date: '2006,6,31,17'"},
      {[](TLinhas* l) { Muda(l, 1, 7, "north"); },
       "1: LOCATION latitude 'north' is not a number from -90 to 90"},
      {[](TLinhas* l) { (*l)[3] = "GROUND,0"; }, "4: expected the GROUND TEMPERATURES line"},
      {[](TLinhas* l) { (*l)[3] = "GROUND TEMPERATURES,1,0.5,,,,1,2"; },
       "4: GROUND TEMPERATURES does not hold the depths it counts"},
      {[](TLinhas* l) { l->resize(5); }, "6: the file ends before its COMMENTS 1 line"},
      {[](TLinhas* l) { (*l)[99] += std::string(5000, ' '); }, "100: longer than 4096 characters"},
      {[](TLinhas* l) { (*l)[99] = ""; }, "100: an empty line among the rows"},
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

}  // namespace
