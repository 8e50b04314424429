// Weather import: an hourly weather file in the public EPW text format in,
// the climate file out (the 80-byte TCidade header and 8760 TReg_Climatico
// records), and the soil file (8760 TReg_Solo records) when the weather file
// gives ground temperatures.
//
// The EPW text is eight header lines, each a keyword and comma-separated
// fields, in this order (a field in double quotes may hold commas; every line
// may carry fields past the ones read, and blank fields are allowed where
// nothing is read from them):
//   LOCATION,city,region,country,source,station,latitude,longitude,time zone,
//     elevation
//   DESIGN CONDITIONS,N, then the N conditions' fields
//   TYPICAL/EXTREME PERIODS,N, then N periods: name, type, first and last day
//   GROUND TEMPERATURES,N, then N depths: depth (m), conductivity, density and
//     specific heat (each may be blank), twelve monthly temperatures (degC)
//   HOLIDAYS/DAYLIGHT SAVINGS (or SAVING),leap year observed (Yes or No),
//     daylight saving start and end, N, then N holidays: name and day
//   COMMENTS 1,free text          COMMENTS 2,free text
//   DATA PERIODS,N,records per hour, then N periods: name, first day of the
//     week, first and last day
// A blank count is 0. The rows are hourly: DATA PERIODS must give at least one
// period, one record per hour, and a weekday name as each period's first day.
// Then one row per hour: year, month, day, hour (1 to 24, hour 1 being 0:00
// to 1:00), minute, data flags, and the hour's values. Lines end in "\n" or
// "\r\n"; empty lines may only close the file. Numbers are decimal (sign,
// digits, a point, an exponent): hexadecimal, infinity and not-a-number
// spellings are not numbers, nor is a value too large for a float. Every row
// has as many fields as the first, at least 22 (through the wind speed).
//
// What each climate record takes (field numbers of the row, from 1):
//   Temperatura  7   dry-bulb temperature, degC
//   Umidade      8, 10  humidity ratio, kg of water per kg of dry air, from the
//                dew point td (degC) and the pressure p (Pa):
//                W = 0.621945 pw / (p - pw), pw the saturation pressure at td by
//                the psychrometric formulas (over ice below 0 degC, over water
//                from 0 degC)
//   Rad_Direta   15  direct normal radiation, Wh/m2 in the hour (mean W/m2)
//   Rad_Difusa   16  diffuse horizontal radiation, Wh/m2 in the hour
//   Vel_Vento    22  wind speed, m/s
//   Dir_Vento    21  wind direction, degrees clockwise from north
// The header: Nome the city and Estado the region, cut to fit their arrays;
// latitude (north positive), longitude (east positive), Altitude the elevation
// (m), Fuso_Horario the time zone (hours from UTC), Albedo the mean of the
// rows' valid albedo (field 33; 0.2 when none has one), Ano the first row's
// year (a typical year mixes years: this is only the first row's).
//
// A value is missing when blank, at or above its column's code (99.9 for the
// temperatures, 999999 pressure, 9999 radiation, 999 wind) or outside the
// column's valid range. Missing values are filled by linear interpolation
// between the nearest valid hours before and after, the year taken as a
// circle (the climate file's windows wrap too), wind direction along the
// shorter arc; the fills are counted. A column with no valid hour fails the
// import, except the pressure: then it is the standard atmosphere at the
// elevation. The year written is held to the same ranges (and a humidity
// ratio from 0 to 1), and so is a climate file read back with Le_Clima_EPW,
// however it was made.
//
// Rows are placed by month, day and hour, in whatever order they come;
// February 29 rows are read and dropped. A second row for an hour fails at its
// line; an hour that no row gives fails at the first line placed after it, or
// at the line after the last when none is.
//
// Soil: the shallowest depth's monthly temperatures, taken as mid-month
// values and interpolated linearly hour by hour (December to January across
// the year's end). The format carries no soil moisture: Umidade is 0.
//
// Failures: the first error with its line (0 for the file as a whole). The
// outputs are written under unique temporary names made in their folders
// (created anew, so a link planted there is never followed) and renamed once
// whole, so a failed import leaves no output file behind; an output that is
// the weather file itself, by any name (the same path, "./", a hard or
// symbolic link), is refused before anything is read.
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>
#include <string>
#include <system_error>
#include <vector>

#include "arqaux/formatos.h"
#include "arqaux/geren_arquivoaux.h"
#include "arqaux/records.h"
#include "engine/arquivo_novo.h"
#include "engine/binario.h"
#include "engine/leitor_real.h"

namespace {

constexpr int kLinhasCabecalho = 8;
constexpr size_t kMaxLinha = 4096;
constexpr int kHorasDia = 24;
constexpr int kDiasMes[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr float kAlbedoPadrao = 0.2f;
constexpr int kCampoAlbedo = 32;  // 0-based
constexpr int kCamposPorProfundidade = 16;

enum TColuna { SECA, ORVALHO, PRESSAO, DIRETA, DIFUSA, DIRECAO, VENTO, NUM_COLUNAS };

// A column of the rows that the records take: its 0-based field, its name in
// errors, its valid range and its missing code (missing at or above it).
struct TDef_Coluna {
  int campo;
  const char* nome;
  float minimo, maximo, codigo;
};
constexpr TDef_Coluna kColunas[NUM_COLUNAS] = {
    {6, "dry-bulb temperature", -70.0f, 70.0f, 99.9f},
    {7, "dew-point temperature", -70.0f, 70.0f, 99.9f},
    {9, "atmospheric pressure", 31000.0f, 120000.0f, 999999.0f},
    {14, "direct normal radiation", 0.0f, 9999.0f, 9999.0f},
    {15, "diffuse horizontal radiation", 0.0f, 9999.0f, 9999.0f},
    {20, "wind direction", 0.0f, 360.0f, 999.0f},
    {21, "wind speed", 0.0f, 40.0f, 999.0f}};
constexpr int kCamposMinimos = 22;  // through the wind speed
// The humidity ratio of a climate record: no missing code, since it is
// computed; more water than dry air is no weather.
constexpr TDef_Coluna kUmidade = {-1, "humidity ratio", 0.0f, 1.0f, INFINITY};

// A value a column takes: within its range and below its missing code.
bool Valido(float x, const TDef_Coluna& d) {
  return x >= d.minimo && x <= d.maximo && x < d.codigo;
}

// The climate record's fields and the columns whose ranges hold them.
const struct {
  float TReg_Climatico::*campo;
  const TDef_Coluna& coluna;
} kCamposRegistro[] = {{&TReg_Climatico::Temperatura, kColunas[SECA]},
                       {&TReg_Climatico::Umidade, kUmidade},
                       {&TReg_Climatico::Rad_Direta, kColunas[DIRETA]},
                       {&TReg_Climatico::Rad_Difusa, kColunas[DIFUSA]},
                       {&TReg_Climatico::Vel_Vento, kColunas[VENTO]},
                       {&TReg_Climatico::Dir_Vento, kColunas[DIRECAO]}};

// The header's numbers: their LOCATION field (0-based; -1 when not read from
// it), name and range.
const struct {
  int campo;
  const char* nome;
  float minimo, maximo;
  float TCidade::*destino;
} kNumerosCabecalho[] = {{6, "latitude", -90.0f, 90.0f, &TCidade::Latitude},
                         {7, "longitude", -180.0f, 180.0f, &TCidade::Longitude},
                         {8, "time zone", -12.0f, 14.0f, &TCidade::Fuso_Horario},
                         {9, "elevation", -1000.0f, 9999.9f, &TCidade::Altitude},
                         {-1, "albedo", 0.0f, 1.0f, &TCidade::Albedo}};

using TValores = std::array<float, NUM_COLUNAS>;

struct TCampo {
  const char* p;
  size_t n;
};

// Lines of the weather file, one at a time, without their end; the file is
// read in blocks.
class TLinhas {
 public:
  explicit TLinhas(FILE* arq) : arq_(arq) {}
  // 1 with the next line in Texto(), 0 at the end of the file, -1 for a line
  // longer than kMaxLinha.
  int Proxima() {
    int c = 0;
    tamanho_ = 0;
    while ((c = Byte()) != EOF && c != '\n') {
      if (tamanho_ == kMaxLinha) return -1;
      texto_[tamanho_++] = static_cast<char>(c);
    }
    if (c == EOF && tamanho_ == 0) return 0;
    ++numero_;
    if (tamanho_ > 0 && texto_[tamanho_ - 1] == '\r') --tamanho_;
    return 1;
  }
  const char* Texto() const { return texto_; }
  size_t Tamanho() const { return tamanho_; }
  int Numero() const { return numero_; }

 private:
  int Byte() {
    if (posicao_ == lidos_) {
      lidos_ = std::fread(bloco_, 1, sizeof bloco_, arq_);
      posicao_ = 0;
      if (lidos_ == 0) return EOF;
    }
    return static_cast<unsigned char>(bloco_[posicao_++]);
  }

  FILE* arq_;
  char bloco_[65536];
  size_t posicao_ = 0, lidos_ = 0;
  char texto_[kMaxLinha];
  size_t tamanho_ = 0;
  int numero_ = 0;
};

// The comma-separated fields of a line; a comma between double quotes is
// text. False when a quote does not close.
bool Divide_Campos(const char* p, size_t n, std::vector<TCampo>* campos) {
  campos->clear();
  const char* fim = p + n;
  const char* inicio = p;
  bool aspas = false;
  for (const char* q = p; q <= fim; ++q) {
    if (q < fim && *q == '"') aspas = !aspas;
    if (q == fim || (*q == ',' && !aspas)) {
      campos->push_back({inicio, static_cast<size_t>(q - inicio)});
      inicio = q + 1;
    }
  }
  return !aspas;
}

// The field's text, without the blanks and the pair of quotes around it.
std::string Texto(const TCampo& c) {
  const char* fim = c.p + c.n;
  const char* p = arqaux::Pula_Brancos(c.p, fim);
  while (fim > p && (fim[-1] == ' ' || fim[-1] == '\t')) --fim;
  if (fim - p >= 2 && *p == '"' && fim[-1] == '"') ++p, --fim;
  return std::string(p, fim);
}

bool Vazio(const TCampo& c) { return arqaux::Pula_Brancos(c.p, c.p + c.n) == c.p + c.n; }

const char* Pula_Digitos(const char* p, const char* fim) {
  while (p < fim && *p >= '0' && *p <= '9') ++p;
  return p;
}

// A decimal number from p to fim, blanks around it: a sign, digits with at
// most one point (at least one digit), and an exponent.
bool Decimal(const char* p, const char* fim) {
  p = arqaux::Pula_Brancos(p, fim);
  if (p < fim && (*p == '+' || *p == '-')) ++p;
  const char* inteira = Pula_Digitos(p, fim);
  bool digitos = inteira > p;
  p = inteira;
  if (p < fim && *p == '.') {
    const char* fracao = Pula_Digitos(p + 1, fim);
    digitos = digitos || fracao > p + 1;
    p = fracao;
  }
  if (!digitos) return false;
  if (p < fim && (*p == 'e' || *p == 'E')) {
    ++p;
    if (p < fim && (*p == '+' || *p == '-')) ++p;
    const char* expoente = Pula_Digitos(p, fim);
    if (expoente == p) return false;
    p = expoente;
  }
  return arqaux::Pula_Brancos(p, fim) == fim;
}

// The whole field as one finite decimal number, blanks around it allowed.
bool Le_Numero(const TCampo& c, float* valor) {
  const char* fim = c.p + c.n;
  const char* parada = nullptr;
  float v = 0.0f;
  if (!Decimal(c.p, fim) ||
      arqaux::Le_Real(c.p, fim, &v, &parada) != arqaux::TResultado_Real::Convertido ||
      arqaux::Pula_Brancos(parada, fim) != fim || !std::isfinite(v)) {
    return false;
  }
  *valor = v;
  return true;
}

bool Le_Inteiro(const TCampo& c, int minimo, int maximo, int* valor) {
  float v = 0.0f;
  if (!Le_Numero(c, &v) || v != std::floor(v) || v < minimo || v > maximo) return false;
  *valor = static_cast<int>(v);
  return true;
}

// Copies texto into a char array of tamanho bytes, cut to fit, NUL-padded.
void Copia_Texto(char* destino, size_t tamanho, const std::string& texto) {
  std::memset(destino, 0, tamanho);
  std::memcpy(destino, texto.data(), std::min(texto.size(), tamanho - 1));
}

int Hora_Do_Ano(int mes, int dia, int hora) {
  int dias = dia - 1;
  for (int m = 0; m < mes - 1; ++m) dias += kDiasMes[m];
  return dias * kHorasDia + hora - 1;
}

// The day and month (from 1) of hour h of the year.
void Data_Da_Hora(int h, int* dia, int* mes) {
  *mes = 0;
  *dia = h / kHorasDia;
  while (*dia >= kDiasMes[*mes]) *dia -= kDiasMes[(*mes)++];
  ++*dia;
  ++*mes;
}

// Saturation pressure of water vapour (Pa) at t degC: Hyland-Wexler, over ice
// below 0 degC and over liquid water from 0 degC.
double Pressao_Saturacao(double t) {
  const double k = t + 273.15;
  if (t < 0.0) {
    return std::exp(-5.6745359e3 / k + 6.3925247 - 9.6778430e-3 * k + 6.2215701e-7 * k * k +
                    2.0747825e-9 * k * k * k - 9.4840240e-13 * k * k * k * k +
                    4.1635019 * std::log(k));
  }
  return std::exp(-5.8002206e3 / k + 1.3914993 - 4.8640239e-2 * k + 4.1764768e-5 * k * k -
                  1.4452093e-8 * k * k * k + 6.5459673 * std::log(k));
}

// Pressure of the standard atmosphere (Pa) at z metres.
double Pressao_Padrao(double z) { return 101325.0 * std::pow(1.0 - 2.25577e-5 * z, 5.2559); }

// The reading under way: where each hour came from and its values (NaN when
// missing), the soil's months, and the first error.
struct TLeitura {
  explicit TLeitura(TClima_EPW* c)
      : clima(c), valores(ARQAUX_HORAS_ANO), linha_hora(ARQAUX_HORAS_ANO, 0) {}

  TClima_EPW* clima;
  std::vector<TValores> valores;
  std::vector<int> linha_hora;  // 0: no row yet
  int linha_29[kHorasDia] = {};
  size_t campos_linha = 0;  // of the first row; every row has as many
  double soma_albedo = 0.0;
  int n_albedo = 0;
  bool tem_solo = false;
  float meses_solo[12] = {};
  int ultima_linha = 0;
  std::vector<TCampo> campos;

  bool Falha(int linha, const char* formato, ...) __attribute__((format(printf, 3, 4))) {
    char texto[512];
    va_list args;
    va_start(args, formato);
    std::vsnprintf(texto, sizeof texto, formato, args);
    va_end(args);
    clima->linha_erro = linha;
    clima->erro = texto;
    return false;
  }
};

// LOCATION: the texts and the numbers of the header.
bool Le_Localizacao(TLeitura* l, int linha) {
  const std::vector<TCampo>& c = l->campos;
  if (c.size() < 10) return l->Falha(linha, "LOCATION has %zu fields, not 10", c.size());
  for (const auto& n : kNumerosCabecalho) {
    if (n.campo < 0) continue;
    float v = 0.0f;
    if (!Le_Numero(c[n.campo], &v) || v < n.minimo || v > n.maximo) {
      return l->Falha(linha, "LOCATION %s '%s' is not a number from %g to %g", n.nome,
                      Texto(c[n.campo]).c_str(), n.minimo, n.maximo);
    }
    l->clima->cabecalho.*n.destino = v;
  }
  l->clima->cidade = Texto(c[1]);
  l->clima->regiao = Texto(c[2]);
  Copia_Texto(l->clima->cabecalho.Nome, sizeof l->clima->cabecalho.Nome, l->clima->cidade);
  Copia_Texto(l->clima->cabecalho.Estado, sizeof l->clima->cabecalho.Estado, l->clima->regiao);
  return true;
}

// The count at field campo of the line and the items from field itens on,
// por_item fields each (0: items of no fixed size): a blank count is 0; false
// unless it is a whole number from minimo and the line holds its items.
bool Le_Contagem(TLeitura* l, int linha, size_t campo, size_t itens, size_t por_item, int minimo,
                 int* n) {
  const std::vector<TCampo>& c = l->campos;
  const std::string chave = Texto(c[0]);
  *n = 0;
  if ((c.size() > campo && !Vazio(c[campo]) && !Le_Inteiro(c[campo], 0, 1000, n)) || *n < minimo) {
    return l->Falha(linha, "%s count '%s' is not a whole number from %d to 1000", chave.c_str(),
                    c.size() > campo ? Texto(c[campo]).c_str() : "", minimo);
  }
  if (*n > 0 && c.size() < itens + static_cast<size_t>(*n) * por_item) {
    return l->Falha(linha, "%s counts %d, more than the line holds", chave.c_str(), *n);
  }
  return true;
}

bool Le_Condicoes(TLeitura* l, int linha) {
  int n = 0;
  return Le_Contagem(l, linha, 1, 2, 0, 0, &n);
}

bool Le_Periodos_Tipicos(TLeitura* l, int linha) {
  int n = 0;
  return Le_Contagem(l, linha, 1, 2, 4, 0, &n);
}

// GROUND TEMPERATURES: the shallowest depth's twelve months.
bool Le_Temperaturas_Solo(TLeitura* l, int linha) {
  const std::vector<TCampo>& c = l->campos;
  int n = 0;
  if (!Le_Contagem(l, linha, 1, 2, kCamposPorProfundidade, 0, &n)) return false;
  if (n == 0) {
    l->clima->sem_solo = "the GROUND TEMPERATURES line gives no depth";
    return true;
  }
  for (int i = 0; i < n; ++i) {
    const size_t base = 2 + static_cast<size_t>(i) * kCamposPorProfundidade;
    float profundidade = 0.0f, solo = 0.0f;
    float meses[12];
    bool valido = Le_Numero(c[base], &profundidade) && profundidade >= 0.0f;
    // Conductivity, density and specific heat: blank or not below 0.
    for (size_t k = 1; valido && k < 4; ++k) {
      valido = Vazio(c[base + k]) || (Le_Numero(c[base + k], &solo) && solo >= 0.0f);
    }
    for (int m = 0; valido && m < 12; ++m) {
      valido = Le_Numero(c[base + 4 + m], &meses[m]) && std::fabs(meses[m]) <= 70.0f;
    }
    if (!valido) {
      return l->Falha(linha,
                      "GROUND TEMPERATURES depth %d is not a depth, 3 soil properties (blank or "
                      "not negative) and 12 temperatures",
                      i + 1);
    }
    if (!l->tem_solo || profundidade < l->clima->profundidade_solo) {
      l->tem_solo = true;
      l->clima->profundidade_solo = profundidade;
      std::memcpy(l->meses_solo, meses, sizeof meses);
    }
  }
  return true;
}

bool Igual_Sem_Caixa(const std::string& a, const char* b) { return strcasecmp(a.c_str(), b) == 0; }

// HOLIDAYS/DAYLIGHT SAVINGS: leap year observed (Yes, No or blank), the
// daylight saving days, and the holidays, two fields each.
bool Le_Feriados(TLeitura* l, int linha) {
  const std::vector<TCampo>& c = l->campos;
  if (c.size() > 1 && !Vazio(c[1]) && !Igual_Sem_Caixa(Texto(c[1]), "Yes") &&
      !Igual_Sem_Caixa(Texto(c[1]), "No")) {
    return l->Falha(linha, "leap year observed '%s' is neither Yes nor No", Texto(c[1]).c_str());
  }
  int n = 0;
  return Le_Contagem(l, linha, 4, 5, 2, 0, &n);
}

bool Le_Comentario(TLeitura*, int) { return true; }

// DATA PERIODS: at least one period, hourly rows, each period's first day a
// weekday.
bool Le_Periodos_Dados(TLeitura* l, int linha) {
  const std::vector<TCampo>& c = l->campos;
  static const char* const kDias[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                      "Thursday", "Friday", "Saturday"};
  int n = 0, por_hora = 0;
  if (!Le_Contagem(l, linha, 1, 3, 4, 1, &n)) return false;
  if (!Le_Inteiro(c[2], 1, 1, &por_hora)) {
    return l->Falha(linha, "DATA PERIODS gives '%s' records per hour, not 1", Texto(c[2]).c_str());
  }
  for (int i = 0; i < n; ++i) {
    const std::string dia = Texto(c[4 + 4 * static_cast<size_t>(i)]);
    if (std::none_of(std::begin(kDias), std::end(kDias),
                     [&](const char* d) { return Igual_Sem_Caixa(dia, d); })) {
      return l->Falha(linha, "DATA PERIODS period %d starts on '%s', not a weekday", i + 1,
                      dia.c_str());
    }
  }
  return true;
}

// The header lines in order: the keyword (and its other spelling) and the
// reader of the line.
const struct {
  const char* chave;
  const char* outra;
  bool (*le)(TLeitura*, int);
} kCabecalho[kLinhasCabecalho] = {
    {"LOCATION", nullptr, Le_Localizacao},
    {"DESIGN CONDITIONS", nullptr, Le_Condicoes},
    {"TYPICAL/EXTREME PERIODS", nullptr, Le_Periodos_Tipicos},
    {"GROUND TEMPERATURES", nullptr, Le_Temperaturas_Solo},
    {"HOLIDAYS/DAYLIGHT SAVINGS", "HOLIDAYS/DAYLIGHT SAVING", Le_Feriados},
    {"COMMENTS 1", nullptr, Le_Comentario},
    {"COMMENTS 2", nullptr, Le_Comentario},
    {"DATA PERIODS", nullptr, Le_Periodos_Dados}};

bool Le_Cabecalho(TLinhas* linhas, TLeitura* l) {
  for (const auto& d : kCabecalho) {
    const int lida = linhas->Proxima();
    const int numero = linhas->Numero() + (lida == 1 ? 0 : 1);
    if (lida < 0) return l->Falha(numero, "longer than %zu characters", kMaxLinha);
    if (lida == 0) return l->Falha(numero, "the file ends before its %s line", d.chave);
    if (!Divide_Campos(linhas->Texto(), linhas->Tamanho(), &l->campos)) {
      return l->Falha(numero, "a quote that does not close");
    }
    const std::string chave = Texto(l->campos[0]);
    if (chave != d.chave && (d.outra == nullptr || chave != d.outra)) {
      return l->Falha(numero, "expected the %s line", d.chave);
    }
    if (!d.le(l, numero)) return false;
  }
  return true;
}

// One row: its date checked, its values read, placed at its hour.
bool Le_Linha_Dados(TLeitura* l, int linha) {
  const std::vector<TCampo>& c = l->campos;
  if (l->campos_linha == 0) l->campos_linha = std::max<size_t>(c.size(), kCamposMinimos);
  if (c.size() != l->campos_linha) {
    return l->Falha(linha, "%zu fields where the rows have %zu", c.size(), l->campos_linha);
  }
  int ano = 0, mes = 0, dia = 0, hora = 0;
  if (!Le_Inteiro(c[0], -9999, 9999, &ano) || !Le_Inteiro(c[1], 1, 12, &mes) ||
      !Le_Inteiro(c[2], 1, mes == 2 ? 29 : kDiasMes[mes - 1], &dia) ||
      !Le_Inteiro(c[3], 1, kHorasDia, &hora)) {
    return l->Falha(linha, "not a date: '%s,%s,%s,%s'", Texto(c[0]).c_str(), Texto(c[1]).c_str(),
                    Texto(c[2]).c_str(), Texto(c[3]).c_str());
  }
  TValores v;
  for (int k = 0; k < NUM_COLUNAS; ++k) {
    const TDef_Coluna& d = kColunas[k];
    float x = 0.0f;
    v[k] = NAN;
    if (Vazio(c[d.campo])) continue;
    if (!Le_Numero(c[d.campo], &x)) {
      return l->Falha(linha, "%s '%s' is not a number", d.nome, Texto(c[d.campo]).c_str());
    }
    if (Valido(x, d)) v[k] = x;
  }
  float albedo = 0.0f;
  if (c.size() > kCampoAlbedo && Le_Numero(c[kCampoAlbedo], &albedo) && albedo >= 0.0f &&
      albedo <= 1.0f) {
    l->soma_albedo += albedo;
    ++l->n_albedo;
  }
  if (l->ultima_linha == 0) l->clima->cabecalho.Ano = ano;
  const bool dia_29 = mes == 2 && dia == 29;
  int* lugar = dia_29 ? &l->linha_29[hora - 1] : &l->linha_hora[Hora_Do_Ano(mes, dia, hora)];
  if (*lugar != 0) {
    return l->Falha(linha, "a second row for %02d/%02d hour %d (the first is line %d)", dia, mes,
                    hora, *lugar);
  }
  *lugar = linha;
  if (!dia_29) l->valores[Hora_Do_Ano(mes, dia, hora)] = v;
  return true;
}

// An hour that no row gives: fails at the first line placed after it, or at
// fim (the line after the last) when none is.
bool Confere_Horas(TLeitura* l, int fim) {
  for (int h = 0; h < ARQAUX_HORAS_ANO; ++h) {
    if (l->linha_hora[h] != 0) continue;
    int linha = fim;
    for (int k = h + 1; k < ARQAUX_HORAS_ANO; ++k) {
      if (l->linha_hora[k] != 0) linha = std::min(linha, l->linha_hora[k]);
    }
    int dia = 0, mes = 0;
    Data_Da_Hora(h, &dia, &mes);
    return l->Falha(linha, "no row for %02d/%02d hour %d", dia, mes, h % kHorasDia + 1);
  }
  return true;
}

bool Le_Dados(TLinhas* linhas, TLeitura* l) {
  int vazia = 0;  // the first empty line; only empty lines may follow it
  for (;;) {
    const int lida = linhas->Proxima();
    if (lida == 0) break;
    if (lida < 0) return l->Falha(linhas->Numero() + 1, "longer than %zu characters", kMaxLinha);
    const int numero = linhas->Numero();
    if (linhas->Tamanho() == 0) {
      if (vazia == 0) vazia = numero;
      continue;
    }
    if (vazia != 0) return l->Falha(vazia, "an empty line among the rows");
    if (!Divide_Campos(linhas->Texto(), linhas->Tamanho(), &l->campos)) {
      return l->Falha(numero, "a quote that does not close");
    }
    if (!Le_Linha_Dados(l, numero)) return false;
    l->ultima_linha = numero;
  }
  return Confere_Horas(l, linhas->Numero() + 1);
}

// Fills the missing hours of column k between the nearest valid ones, the
// year taken as a circle: the number filled, or -1 when no hour is valid.
int Preenche_Coluna(std::vector<TValores>* valores, int k) {
  std::vector<TValores>& v = *valores;
  const int n = ARQAUX_HORAS_ANO;
  int primeira = 0;
  while (primeira < n && std::isnan(v[primeira][k])) ++primeira;
  if (primeira == n) return -1;
  int preenchidos = 0;
  int ultima = primeira;  // the last valid hour, counted past the year's end
  for (int i = primeira + 1; i <= primeira + n; ++i) {
    if (std::isnan(v[i % n][k])) continue;
    const double a = v[ultima % n][k];
    double d = v[i % n][k] - a;
    if (k == DIRECAO) d -= d > 180.0 ? 360.0 : d < -180.0 ? -360.0 : 0.0;
    for (int j = ultima + 1; j < i; ++j) {
      const double x = a + d * (j - ultima) / (i - ultima);
      v[j % n][k] = static_cast<float>(k == DIRECAO ? std::fmod(x + 360.0, 360.0) : x);
      ++preenchidos;
    }
    ultima = i;
  }
  return preenchidos;
}

// The soil year: the months' values at mid-month, linear between them.
void Gera_Solo(const TLeitura& l) {
  double meio[12];
  double inicio = 0.0;
  for (int m = 0; m < 12; ++m) {
    meio[m] = (inicio + kDiasMes[m] / 2.0) * kHorasDia;
    inicio += kDiasMes[m];
  }
  l.clima->solo.resize(ARQAUX_HORAS_ANO);
  for (int h = 0; h < ARQAUX_HORAS_ANO; ++h) {
    const double t = h + 0.5;  // the middle of the hour
    int m = 11;
    while (m >= 0 && meio[m] > t) --m;
    // Before mid-January the hour lies between last December and January;
    // after mid-December, between December and next January.
    const double t0 = m < 0 ? meio[11] - ARQAUX_HORAS_ANO : meio[m];
    const double t1 = m < 0 ? meio[0] : m == 11 ? meio[0] + ARQAUX_HORAS_ANO : meio[m + 1];
    if (m < 0) m = 11;
    const int seguinte = (m + 1) % 12;
    const double a = l.meses_solo[m];
    const double b = l.meses_solo[seguinte];
    l.clima->solo[h] = {static_cast<float>(a + (b - a) * (t - t0) / (t1 - t0)), 0.0f};
  }
}

// The ranges a climate year is held to, however it was made: the first value
// of the header or the records that is not finite or lies outside them, said
// in texto; *hora is that record's hour (-1 for the header). False when one is.
bool Confere_Ano(const TCidade& cabecalho, const std::vector<TReg_Climatico>& registros, int* hora,
                 char* texto, size_t tamanho) {
  *hora = -1;
  for (const auto& n : kNumerosCabecalho) {
    const float v = cabecalho.*n.destino;
    if (!(v >= n.minimo && v <= n.maximo)) {
      std::snprintf(texto, tamanho, "%s %g is outside %g to %g", n.nome, v, n.minimo, n.maximo);
      return false;
    }
  }
  for (size_t h = 0; h < registros.size(); ++h) {
    for (const auto& f : kCamposRegistro) {
      const float v = registros[h].*f.campo;
      if (!Valido(v, f.coluna)) {
        *hora = static_cast<int>(h);
        std::snprintf(texto, tamanho, "%s %g is outside %g to %g", f.coluna.nome, v,
                      f.coluna.minimo, f.coluna.maximo);
        return false;
      }
    }
  }
  return true;
}

// Once every hour is placed: the fills, the records, the soil and the albedo.
bool Completa(TLeitura* l) {
  TClima_EPW* c = l->clima;
  for (int k = 0; k < NUM_COLUNAS; ++k) {
    int n = Preenche_Coluna(&l->valores, k);
    if (n < 0 && k == PRESSAO) {
      const float p = static_cast<float>(Pressao_Padrao(c->cabecalho.Altitude));
      for (TValores& v : l->valores) v[PRESSAO] = p;
      n = ARQAUX_HORAS_ANO;
    }
    if (n < 0) return l->Falha(0, "no hour has a valid %s", kColunas[k].nome);
    c->preenchidos += n;
  }
  c->registros.resize(ARQAUX_HORAS_ANO);
  for (int h = 0; h < ARQAUX_HORAS_ANO; ++h) {
    const TValores& v = l->valores[h];
    const double pw = Pressao_Saturacao(v[ORVALHO]);
    if (pw >= v[PRESSAO]) {
      return l->Falha(l->linha_hora[h], "the dew point %.2f degC is past boiling at %.0f Pa",
                      v[ORVALHO], v[PRESSAO]);
    }
    c->registros[h] = {v[SECA],   static_cast<float>(0.621945 * pw / (v[PRESSAO] - pw)),
                       v[DIRETA], v[DIFUSA],
                       v[VENTO],  v[DIRECAO]};
  }
  if (l->tem_solo) Gera_Solo(*l);
  c->cabecalho.Albedo =
      l->n_albedo > 0 ? static_cast<float>(l->soma_albedo / l->n_albedo) : kAlbedoPadrao;
  char texto[256];
  int hora = 0;
  if (!Confere_Ano(c->cabecalho, c->registros, &hora, texto, sizeof texto)) {
    return l->Falha(hora < 0 ? 1 : l->linha_hora[hora], "%s", texto);
  }
  return true;
}

// Writes the header (when tamanho_cabecalho > 0) and a year of records of
// tamanho bytes to a new file of a unique name beside destino (made anew, so
// no link is followed), whose name goes to *temporario. True when all
// reached the file and it closed; else the file is gone and *temporario
// empty.
bool Grava_Ano(const std::string& destino, const void* cabecalho, size_t tamanho_cabecalho,
               const void* registros, size_t tamanho, std::string* temporario) {
  std::string nome;
  FILE* arq = arqaux::Cria_Arquivo_Unico(destino + ".XXXXXX", &nome);
  if (arq == nullptr) return false;
  bool ok = tamanho_cabecalho == 0 || arqaux::Grava_Bloco(arq, cabecalho, tamanho_cabecalho);
  ok = ok && arqaux::Grava_Bloco(arq, registros, tamanho, ARQAUX_HORAS_ANO);
  ok = std::fclose(arq) == 0 && ok;
  if (ok) {
    *temporario = nome;
  } else {
    unlink(nome.c_str());
  }
  return ok;
}

// a and b name one file, by whatever names.
bool Mesmo_Arquivo(const char* a, const char* b) {
  std::error_code ec;
  return a != nullptr && b != nullptr && std::filesystem::equivalent(a, b, ec) && !ec;
}

}  // namespace

bool TGeren_ArquivoAux::Le_EPW(const char* caminho, TClima_EPW* clima) {
  if (clima == nullptr) return false;
  try {
    *clima = TClima_EPW();
    FILE* arq = caminho == nullptr ? nullptr : std::fopen(caminho, "rb");
    if (arq == nullptr) {
      clima->erro = "cannot open the weather file";
      return false;
    }
    auto leitura = std::make_unique<TLeitura>(clima);
    auto linhas = std::make_unique<TLinhas>(arq);
    bool ok = Le_Cabecalho(linhas.get(), leitura.get()) && Le_Dados(linhas.get(), leitura.get()) &&
              Completa(leitura.get());
    if (std::ferror(arq)) ok = leitura->Falha(0, "cannot read the weather file");
    std::fclose(arq);
    if (!ok) {
      clima->registros.clear();
      clima->solo.clear();
    }
    return ok;
  } catch (const std::bad_alloc&) {
    clima->registros.clear();
    clima->solo.clear();
    clima->linha_erro = 0;
    clima->erro = "out of memory";
    return false;
  }
}

bool TGeren_ArquivoAux::Grava_Clima_EPW(TClima_EPW* clima, const char* caminho_clima,
                                        const char* caminho_solo) {
  if (clima == nullptr) return false;
  if (caminho_clima == nullptr || clima->registros.size() != ARQAUX_HORAS_ANO) {
    clima->erro = "no climate year to write";
    return false;
  }
  const bool solo = caminho_solo != nullptr && clima->solo.size() == ARQAUX_HORAS_ANO;
  try {
    std::string temp_clima, temp_solo;
    const char* falho = caminho_clima;
    bool ok = Grava_Ano(caminho_clima, &clima->cabecalho, sizeof(TCidade), clima->registros.data(),
                        sizeof(TReg_Climatico), &temp_clima);
    if (ok && solo) {
      falho = caminho_solo;
      ok = Grava_Ano(caminho_solo, nullptr, 0, clima->solo.data(), sizeof(TReg_Solo), &temp_solo) &&
           std::rename(temp_solo.c_str(), caminho_solo) == 0;
      if (ok) temp_solo.clear();
    }
    if (ok) {
      falho = caminho_clima;
      ok = std::rename(temp_clima.c_str(), caminho_clima) == 0;
      if (ok) temp_clima.clear();
      if (!ok && solo) std::remove(caminho_solo);
    }
    for (const std::string* temp : {&temp_clima, &temp_solo}) {
      if (!temp->empty()) std::remove(temp->c_str());
    }
    if (!ok) {
      clima->linha_erro = 0;
      clima->erro = std::string("cannot write '") + falho + "'";
    }
    return ok;
  } catch (const std::bad_alloc&) {
    clima->erro = "out of memory";
    return false;
  }
}

bool TGeren_ArquivoAux::Importa_EPW(const char* epw, const char* caminho_clima,
                                    const char* caminho_solo, TClima_EPW* clima) {
  if (clima == nullptr) return false;
  try {
    for (const char* saida : {caminho_clima, caminho_solo}) {
      if (Mesmo_Arquivo(epw, saida)) {
        *clima = TClima_EPW();
        clima->erro = std::string("the output '") + saida + "' is the weather file itself";
        return false;
      }
    }
  } catch (const std::bad_alloc&) {
    clima->erro = "out of memory";
    return false;
  }
  return Le_EPW(epw, clima) && Grava_Clima_EPW(clima, caminho_clima, caminho_solo);
}

bool TGeren_ArquivoAux::Le_Clima_EPW(const char* caminho, TClima_EPW* clima) {
  if (clima == nullptr) return false;
  try {
    *clima = TClima_EPW();
    FILE* arq = caminho == nullptr ? nullptr : std::fopen(caminho, "rb");
    if (arq == nullptr) {
      clima->erro = "cannot open the climate file";
      return false;
    }
    clima->registros.resize(ARQAUX_HORAS_ANO);
    const bool inteiro = std::fread(&clima->cabecalho, sizeof(TCidade), 1, arq) == 1 &&
                         std::fread(clima->registros.data(), sizeof(TReg_Climatico),
                                    ARQAUX_HORAS_ANO, arq) == ARQAUX_HORAS_ANO &&
                         std::fgetc(arq) == EOF && !std::ferror(arq);
    std::fclose(arq);
    char texto[256];
    int hora = 0;
    if (!inteiro) {
      clima->erro = "not a header and a year of climate records";
    } else if (!Confere_Ano(clima->cabecalho, clima->registros, &hora, texto, sizeof texto)) {
      int dia = 0, mes = 0;
      Data_Da_Hora(std::max(hora, 0), &dia, &mes);
      char onde[64] = "header";
      if (hora >= 0) {
        std::snprintf(onde, sizeof onde, "hour %d (%02d/%02d %02d:00)", hora, dia, mes,
                      hora % kHorasDia);
      }
      clima->erro = std::string(onde) + ": " + texto;
    } else {
      clima->cidade.assign(clima->cabecalho.Nome,
                           strnlen(clima->cabecalho.Nome, sizeof clima->cabecalho.Nome));
      clima->regiao.assign(clima->cabecalho.Estado,
                           strnlen(clima->cabecalho.Estado, sizeof clima->cabecalho.Estado));
      return true;
    }
    clima->registros.clear();
    return false;
  } catch (const std::bad_alloc&) {
    clima->registros.clear();
    clima->erro = "out of memory";
    return false;
  }
}
