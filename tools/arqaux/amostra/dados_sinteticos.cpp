#include "amostra/dados_sinteticos.h"

#include <arqaux/formatos.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr double kPi = 3.14159265358979323846;
// Latitude of the synthetic city, degrees (south negative).
constexpr double kLatitude = -23.5;

// Phase of the year and of the day as cosines peaking at the given day of
// the year and hour of the day.
double Ciclo_Anual(int hora, double dia_pico) {
  return std::cos(2.0 * kPi * (hora / 24 - dia_pico) / 365.0);
}
double Ciclo_Diario(int hora, double hora_pico) {
  return std::cos(2.0 * kPi * (hora % 24 - hora_pico) / 24.0);
}

// Cloudiness of the day, 0 (clear) to 1 (overcast): a fixed irregular
// sequence, the same every run.
double Nebulosidade(int hora) {
  const int dia = hora / 24;
  return 0.5 + 0.3 * std::sin(dia * 2.39996) + 0.2 * std::sin(dia * 0.61803 + 1.0);
}

// Sine of the sun's elevation at the middle of the hour.
double Seno_Altura_Solar(int hora) {
  const double rad = kPi / 180.0;
  const int dia = hora / 24;
  const double declinacao = 23.45 * rad * std::sin(2.0 * kPi * (284 + dia + 1) / 365.0);
  const double angulo_horario = 15.0 * rad * (hora % 24 + 0.5 - 12.0);
  return std::sin(kLatitude * rad) * std::sin(declinacao) +
         std::cos(kLatitude * rad) * std::cos(declinacao) * std::cos(angulo_horario);
}

struct Fecha_Arquivo_C {
  void operator()(FILE* f) const { std::fclose(f); }
};
using Arquivo_C = std::unique_ptr<FILE, Fecha_Arquivo_C>;

// Writes the records of every hour made by gera; true when all were written
// and the file closed cleanly.
template <typename Gerador>
bool Escreve_Ano(const std::string& caminho, const void* cabecalho, size_t tamanho_cabecalho,
                 Gerador gera) {
  Arquivo_C f(std::fopen(caminho.c_str(), "wb"));
  if (!f) return false;
  bool ok = tamanho_cabecalho == 0 || std::fwrite(cabecalho, tamanho_cabecalho, 1, f.get()) == 1;
  for (int h = 0; ok && h < ARQAUX_HORAS_ANO; ++h) {
    const auto r = gera(h);
    ok = std::fwrite(&r, sizeof(r), 1, f.get()) == 1;
  }
  return std::fclose(f.release()) == 0 && ok;
}

}  // namespace

TCidade Cidade_Sintetica() {
  TCidade c;
  std::memset(&c, 0, sizeof(c));
  std::strcpy(c.Nome, "Cidade Exemplo");
  std::strcpy(c.Estado, "EX");
  c.Latitude = static_cast<float>(kLatitude);
  c.Longitude = -46.6f;
  c.Altitude = 760.0f;
  c.Fuso_Horario = -3.0f;
  c.Albedo = 0.2f;
  c.Ano = 2001;
  return c;
}

// Temperature in degC, humidity ratio in kg/kg, radiation on the horizontal
// in W/m2, wind speed in m/s and direction in degrees from north.
TReg_Climatico Clima_Sintetico(int hora) {
  const double anual = Ciclo_Anual(hora, 20.0);  // warmest in late January
  const double nuvens = Nebulosidade(hora);
  TReg_Climatico r;
  r.Temperatura = static_cast<float>(
      19.5 + 4.5 * anual + (4.5 - 2.0 * nuvens) * Ciclo_Diario(hora, 15.0) - 1.5 * nuvens);
  r.Umidade = static_cast<float>(0.0105 + 0.0035 * anual + 0.0015 * nuvens +
                                 0.0006 * Ciclo_Diario(hora, 14.0));
  const double sol = Seno_Altura_Solar(hora);
  const double claridade = 0.78 - 0.55 * nuvens;
  r.Rad_Direta = static_cast<float>(sol > 0.0 ? 1050.0 * claridade * std::pow(sol, 1.2) : 0.0);
  r.Rad_Difusa = static_cast<float>(sol > 0.0 ? 90.0 * sol + 220.0 * nuvens * sol : 0.0);
  r.Vel_Vento = static_cast<float>(2.6 + 1.4 * Ciclo_Diario(hora, 15.0) + 1.2 * nuvens);
  r.Dir_Vento = static_cast<float>(
      std::fmod(450.0 + 70.0 * std::sin(hora / 24 * 0.9) + 30.0 * Ciclo_Diario(hora, 16.0), 360.0));
  return r;
}

// Soil at foundation depth: the annual wave, damped and a month late.
TReg_Solo Solo_Sintetico(int hora) {
  TReg_Solo r;
  r.Temperatura = static_cast<float>(21.0 + 2.5 * Ciclo_Anual(hora, 50.0));
  r.Umidade = static_cast<float>(0.28 + 0.04 * Ciclo_Anual(hora, 80.0));
  return r;
}

// An unconditioned neighbour space: degC and kg/kg, following the outdoors
// with a smaller swing.
TReg_Temp_Umi Clima_Interno_Sintetico(int hora) {
  const double anual = Ciclo_Anual(hora, 30.0);
  TReg_Temp_Umi r;
  r.Temperatura = static_cast<float>(22.0 + 3.0 * anual + 0.8 * Ciclo_Diario(hora, 17.0));
  r.Umidade = static_cast<float>(0.0100 + 0.0030 * anual);
  return r;
}

bool Escreve_Clima_Sintetico(const std::string& caminho) {
  const TCidade cidade = Cidade_Sintetica();
  return Escreve_Ano(caminho, &cidade, sizeof(cidade), Clima_Sintetico);
}

bool Escreve_Solo_Sintetico(const std::string& caminho) {
  return Escreve_Ano(caminho, nullptr, 0, Solo_Sintetico);
}

bool Escreve_Clima_Interno_Texto(const std::string& caminho) {
  Arquivo_C f(std::fopen(caminho.c_str(), "w"));
  if (!f) return false;
  bool ok = true;
  for (int h = 0; ok && h < ARQAUX_HORAS_ANO; ++h) {
    const TReg_Temp_Umi r = Clima_Interno_Sintetico(h);
    ok = std::fprintf(f.get(), "%f %f\n", r.Temperatura, r.Umidade) > 0;
  }
  return std::fclose(f.release()) == 0 && ok;
}
