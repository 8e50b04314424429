
#include <arqaux/arqaux.h>
#include <arqaux/dados.h>
#include <arqaux/formatos.h>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iterator>
#include <limits>
#include <memory>

#include "envelope/envelope_comum.h"
#include "registry/acesso_registro.h"
#include "series_hvac.h"
#include "textos.h"

namespace {

constexpr int kSegundosHora = 3600;
constexpr long long kSegundosDia = 86400;
constexpr int kDiasAno = 365;
constexpr int kDiasMes[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// The days before month m (1 to 12) of the year.
int Dias_Antes(int m) {
  int dias = 0;
  for (int k = 1; k < m && k <= 12; ++k) dias += kDiasMes[k - 1];
  return dias;
}

// A column of the quantity grandeza, in unidade or the quantity's usual unit.
TColuna Coluna(const std::string& nome, const char* grandeza, const char* unidade = nullptr) {
  const TGrandeza* g = Procura_Grandeza(grandeza);
  return {nome, unidade != nullptr ? unidade : g != nullptr ? g->unidades.front() : "", grandeza};
}

// Names shared by the tables of one run: the zone stream, the load stream
// and the climate file hold the same air temperatures and humidities.
const char* const kArZona = "zone_air_temperature";
const char* const kArExterior = "exterior_air_temperature";
const char* const kUmidadeZona = "zone_humidity_ratio";
const char* const kUmidadeExterior = "exterior_humidity_ratio";

// The columns of a kind; a load's conditions and a gain's totals after the
// sixteen components of the balance, as the sensible and the latent heat
// each carries into the zone.
const char* const kComponentes[16] = {"walls",
                                      "glazing",
                                      "doors",
                                      "roof",
                                      "floor",
                                      "furniture",
                                      "equipment",
                                      "people",
                                      "lighting",
                                      "vapour_generation",
                                      "infiltration",
                                      "window_solar",
                                      "forced_ventilation",
                                      "natural_ventilation",
                                      "heating",
                                      "cooling"};
constexpr int kValoresZona = 18;

std::vector<TColuna> Colunas_Balanco() {
  std::vector<TColuna> c;
  for (const char* nome : kComponentes) {
    c.push_back(Coluna(std::string(nome) + "_sensible_heat", "power"));
    c.push_back(Coluna(std::string(nome) + "_latent_heat", "power"));
  }
  return c;
}
const TColuna kTotais[3] = {Coluna("total_sensible_heat", "power"),
                            Coluna("total_latent_heat", "power"), Coluna("total_heat", "power")};

// The zone record's values a load line holds, by index, with their columns.
// The relative humidities are written in percent.
const struct {
  int indice;
  TColuna coluna;
} kValoresCarga[] = {
    {3, kTotais[0]},
    {4, kTotais[1]},
    {17, kTotais[2]},
    {5, Coluna("zone_sensible_heat_factor", "ratio")},
    {6, Coluna(kArZona, "temperature")},
    {7, Coluna("zone_relative_humidity", "relative_humidity", "%")},
    {8, Coluna(kUmidadeZona, "humidity_ratio")},
    {9, Coluna(kArExterior, "temperature")},
    {10, Coluna("exterior_relative_humidity", "relative_humidity", "%")},
    {11, Coluna(kUmidadeExterior, "humidity_ratio")},
};

// A file open in the library's registry, closed with the series.
class TSerie_Registro : public TSerie {
 public:
  ~TSerie_Registro() override {
    if (n_ != 0) geren_->Fecha_Arquivo(n_);
  }
  bool Abre(const std::string& caminho, long inicio) {
    n_ = geren_->Abre_Arquivo(caminho.c_str(), "rb");
    return n_ != 0 && std::fseek(geren_->ObtemArquivo(), inicio, SEEK_SET) == 0;
  }

 protected:
  TGeren_ArquivoAux* geren_ = Geren_ArqAux();
  int n_ = 0;
};

// How a record of a fixed size decodes into a row: false when it ends the
// data. The bytes are the file's, little-endian as the host is.
struct TRegistro_Fixo {
  size_t bytes = 0;
  std::function<bool(const unsigned char* r, double* v)> decodifica;
};

// Records of k floats, one a column in the file's order.
TRegistro_Fixo Registro_Reais(size_t k) {
  return {k * sizeof(float), [k](const unsigned char* r, double* v) {
            for (size_t i = 0; i < k; ++i, r += sizeof(float)) {
              float x;
              std::memcpy(&x, r, sizeof x);
              v[i] = x;
            }
            return true;
          }};
}

// A stream of fixed records: ler fills the row of step k (from 0) from the
// stream, and record k closes step k. A stream whose records are all of one
// size, and say what they hold by themselves, also decodes them in blocks.
class TSerie_Fluxo : public TSerie_Registro {
 public:
  using Leitor = std::function<bool(TGeren_ArquivoAux* g, int n, long long passo, double* v)>;
  TSerie_Fluxo(std::vector<TColuna> colunas, int intervalo, Leitor ler,
               TRegistro_Fixo registro = {})
      : intervalo_(intervalo), ler_(std::move(ler)), registro_(std::move(registro)) {
    colunas_ = std::move(colunas);
  }
  bool Abre(const std::string& caminho, long inicio) {
    fim_ = inicio;
    return TSerie_Registro::Abre(caminho, inicio);
  }
  bool Le(std::vector<double>* valores, long long* segundos) override {
    valores->assign(colunas_.size(), 0.0);
    if (terminada_ || !ler_(geren_, n_, registros_, valores->data())) {
      terminada_ = true;
      return false;
    }
    // Every reader leaves its stream current, after the values it read.
    fim_ = std::ftell(geren_->ObtemArquivo());
    *segundos = ++registros_ * intervalo_;
    return true;
  }
  // One fread of many records at a time, each decoded in place. A record
  // cut short at the end, or one that ends the data, is not a row: the
  // stream is left where it begins, as Le leaves Fim_Registros.
  size_t Le_Bloco(size_t max, std::vector<double>* valores,
                  std::vector<long long>* segundos) override {
    if (registro_.bytes == 0) return TSerie::Le_Bloco(max, valores, segundos);
    valores->clear();
    segundos->clear();
    if (terminada_) return 0;
    geren_->Muda_Arquivo(n_);
    std::FILE* arq = geren_->ObtemArquivo();
    if (arq == nullptr) return 0;
    const size_t k = colunas_.size(), tamanho = registro_.bytes;
    // At most about a mebibyte read at a time, whatever the caller asks.
    const size_t por_leitura = std::max<size_t>(1, (1u << 20) / tamanho);
    size_t lidos = 0;
    while (lidos < max) {
      const size_t pedidos = std::min(max - lidos, por_leitura);
      bytes_.resize(pedidos * tamanho);
      const size_t inteiros = std::fread(bytes_.data(), 1, bytes_.size(), arq) / tamanho;
      valores->resize((lidos + inteiros) * k);
      size_t r = 0;
      while (r < inteiros &&
             registro_.decodifica(bytes_.data() + r * tamanho, valores->data() + (lidos + r) * k)) {
        segundos->push_back(++registros_ * intervalo_);
        ++r;
      }
      lidos += r;
      fim_ += static_cast<long long>(r * tamanho);
      if (r < pedidos) {
        terminada_ = true;
        valores->resize(lidos * k);
        std::fseek(arq, static_cast<long>(fim_), SEEK_SET);
        break;
      }
    }
    return lidos;
  }
  long long Fim_Registros() const override { return fim_; }
  long long Tamanho_Registro() const { return static_cast<long long>(registro_.bytes); }

 private:
  long long intervalo_;
  Leitor ler_;
  TRegistro_Fixo registro_;
  std::vector<unsigned char> bytes_;
  long long registros_ = 0;
  long long fim_ = 0;
  bool terminada_ = false;  // a record did not read: the data ended there
};

// An hourly input file, read whole through its window reader.
class TSerie_Entrada : public TSerie_Registro {
 public:
  // The climate record's fields (direct normal and diffuse horizontal
  // irradiance, the wind's direction clockwise from north); the soil's and
  // the interior climate's temperature and humidity ratio.
  TSerie_Entrada(TLeitura leitura) : leitura_(leitura) {
    intervalo_ = kSegundosHora;
    if (leitura == TLeitura::Clima) {
      colunas_ = {Coluna(kArExterior, "temperature"),
                  Coluna(kUmidadeExterior, "humidity_ratio"),
                  Coluna("direct_normal_irradiance", "irradiance"),
                  Coluna("diffuse_horizontal_irradiance", "irradiance"),
                  Coluna("wind_speed", "speed"),
                  Coluna("wind_direction", "angle")};
    } else if (leitura == TLeitura::Iluminacao) {
      colunas_ = {Coluna("lighting_power_density", "power_density")};
    } else {
      const std::string lugar = leitura == TLeitura::TI ? "interior" : "soil";
      colunas_ = {Coluna(lugar + "_temperature", "temperature"),
                  Coluna(lugar + "_humidity_ratio", "humidity_ratio")};
    }
  }
  bool Carrega() {
    valores_.resize(ARQAUX_HORAS_ANO * colunas_.size());
    if (leitura_ == TLeitura::Clima) {
      std::vector<TReg_Climatico> r(ARQAUX_HORAS_ANO);
      TCidade cidade;
      if (!geren_->Bufferiza_Clima(&cidade, r.data(), 0, ARQAUX_HORAS_ANO)) return false;
      return Copia(r);
    }
    if (leitura_ == TLeitura::Iluminacao) {
      std::vector<TReg_DPI_DAYSIM> r(ARQAUX_HORAS_ANO + 1);
      return geren_->Bufferiza_Iluminacao_DAYSIM(r.data(), 0, ARQAUX_HORAS_ANO) && Copia(r);
    }
    std::vector<TReg_Solo> r(ARQAUX_HORAS_ANO);
    if (leitura_ == TLeitura::Solo) {
      if (!geren_->Bufferiza_Solo(r.data(), 0, ARQAUX_HORAS_ANO)) return false;
      return Copia(r);
    }
    std::vector<TReg_Temp_Umi> t(ARQAUX_HORAS_ANO);
    return geren_->Bufferiza_Reg_Climatico(t.data(), 0, ARQAUX_HORAS_ANO) && Copia(t);
  }
  bool Le(std::vector<double>* valores, long long* segundos) override {
    if (hora_ >= ARQAUX_HORAS_ANO) return false;
    const size_t k = colunas_.size();
    valores->assign(valores_.begin() + hora_ * k, valores_.begin() + (hora_ + 1) * k);
    *segundos = static_cast<long long>(++hora_) * kSegundosHora;
    return true;
  }

 private:
  // The records' floats, in order: every field of them is a column.
  template <typename R>
  bool Copia(const std::vector<R>& registros) {
    static_assert(sizeof(R) % sizeof(float) == 0, "records of floats");
    for (size_t h = 0; h < static_cast<size_t>(ARQAUX_HORAS_ANO); ++h) {
      const float* f = reinterpret_cast<const float*>(&registros[h]);
      std::copy(f, f + colunas_.size(), valores_.begin() + h * colunas_.size());
    }
    return true;
  }
  TLeitura leitura_;
  std::vector<double> valores_;
  size_t hora_ = 0;
};

// The time of a line that carries its own date and time of day: a date
// earlier than the line before's is in the next year.
class TRelogio_Linhas {
 public:
  long long Tempo(int dia, int mes, int h, int m, int s) {
    const long long no_ano = (Dias_Antes(mes) + dia - 1) * kSegundosDia + h * 3600LL + m * 60LL + s;
    while (ano_ * kDiasAno * kSegundosDia + no_ano < anterior_) ++ano_;
    return anterior_ = ano_ * kDiasAno * kSegundosDia + no_ano;
  }

 private:
  long long ano_ = 0, anterior_ = 0;
};

// A load or gain stream: lines of text after the column titles, each with
// its own date and time. The library's reader takes what scans of a line and
// passes over the rest, so each line is first checked whole: its date and
// time, then a number a column, then the "\n" the writer ends it with. A
// line that is not is where the data ends, and the records before it.
class TSerie_Carga : public TSerie_Registro {
 public:
  explicit TSerie_Carga(bool carga) : carga_(carga) {
    colunas_ = Colunas_Balanco();
    if (carga) {
      for (const auto& v : kValoresCarga) colunas_.push_back(v.coluna);
    } else {
      colunas_.insert(colunas_.end(), std::begin(kTotais), std::end(kTotais));
    }
  }
  // The titles' pattern passes over the white space after them: the data
  // lines begin where it stops.
  bool Titulos() {
    if (geren_->Le_Cabecalho_Carga_Termica(n_, carga_ ? 2 : 8) != 1) return false;
    fim_ = std::ftell(geren_->ObtemArquivo());
    return fim_ >= 0;
  }
  bool Le(std::vector<double>* valores, long long* segundos) override {
    char data[8] = "", hora[12] = "";
    float balanco[32] = {}, extra[kValoresZona] = {};
    const long long proxima = Linha_Inteira();
    if (proxima < 0) return false;
    const bool lido = carga_ ? geren_->Le_Carga_Termica(n_, data, hora, balanco, extra)
                             : geren_->Le_Ganho_Termico(n_, data, hora, balanco, extra);
    if (!lido || std::fseek(geren_->ObtemArquivo(), static_cast<long>(proxima), SEEK_SET) != 0) {
      return false;
    }
    fim_ = proxima;
    valores->assign(std::begin(balanco), std::end(balanco));
    if (carga_) {
      for (const auto& v : kValoresCarga) valores->push_back(extra[v.indice]);
    } else {
      valores->insert(valores->end(), extra, extra + 3);
    }
    *segundos = Tempo(data, hora);
    return true;
  }
  long long Fim_Registros() const override { return fim_; }

 private:
  // "DD/MM" and "HH:MM:SS" after the previous line's time.
  long long Tempo(const char* data, const char* hora) {
    int dia = 1, mes = 1, h = 0, m = 0, s = 0;
    std::sscanf(data, "%2d/%2d", &dia, &mes);
    std::sscanf(hora, "%2d:%2d:%2d", &h, &m, &s);
    return relogio_.Tempo(dia, mes, h, m, s);
  }
  // Where the line at fim_ ends when it is whole, the stream left at its
  // start; else -1.
  long long Linha_Inteira() {
    geren_->Muda_Arquivo(n_);
    std::FILE* arq = geren_->ObtemArquivo();
    if (arq == nullptr || std::fseek(arq, static_cast<long>(fim_), SEEK_SET) != 0) return -1;
    std::string linha;
    std::vector<double> v;
    int d, m, h, mi, se, usados = 0;
    const bool inteira =
        Le_Linha_Texto(arq, &linha) == '\n' &&
        std::sscanf(linha.c_str(), "%2d/%2d - %2d:%2d:%2d%n", &d, &m, &h, &mi, &se, &usados) == 5 &&
        usados > 0 && Le_Reais_Texto(linha.c_str() + usados, &v) && v.size() == colunas_.size();
    const long long proxima = std::ftell(arq);
    return std::fseek(arq, static_cast<long>(fim_), SEEK_SET) == 0 && inteira ? proxima : -1;
  }
  bool carga_;
  TRelogio_Linhas relogio_;
  long long fim_ = 0;
};

// The interior surface temperatures: the report, or its data stream alone.
// A data line is "DD/MM - HH:MM:SS", then a temperature per region of each
// face, tab-separated. The report's heading line ("[Data - Hora]", then
// "Face   i" once per region of face i) names the columns; without it they
// are numbered. The library's writer ends every line with "\n": a last line
// without it is cut short, and not a row.
class TSerie_Temp_Superficies : public TSerie_Registro {
 public:
  // Passes over the report's header to the first data line; false when
  // there is none.
  bool Prepara() {
    std::vector<int> faces;
    std::string linha;
    for (fim_ = 0; Le_Linha(&linha); fim_ = std::ftell(geren_->ObtemArquivo())) {
      if (Le_Dados(linha, &primeira_)) break;
      if (linha.rfind("[Data - Hora]", 0) != 0) continue;
      for (size_t p = 0; (p = linha.find("Face", p)) != std::string::npos; p += 4) {
        faces.push_back(std::atoi(linha.c_str() + p + 4));
      }
    }
    if (primeira_.empty()) return false;
    const size_t k = primeira_.size() - 1;
    for (size_t j = 0, regiao = 1; j < k; ++j) {
      regiao = j > 0 && faces.size() == k && faces[j] == faces[j - 1] ? regiao + 1 : 1;
      colunas_.push_back(Coluna(faces.size() == k
                                    ? "face" + std::to_string(faces[j]) + "_region" +
                                          std::to_string(regiao) + "_temperature"
                                    : "surface" + std::to_string(j + 1) + "_temperature",
                                "temperature"));
    }
    return true;
  }
  bool Le(std::vector<double>* valores, long long* segundos) override {
    std::vector<double> v;
    std::string linha;
    if (!primeira_.empty()) {
      v.swap(primeira_);
    } else if (terminada_ || !Le_Linha(&linha) || !Le_Dados(linha, &v)) {
      terminada_ = true;
      return false;
    }
    if (v.size() != colunas_.size() + 1) {
      terminada_ = true;
      return false;
    }
    geren_->Muda_Arquivo(n_);
    fim_ = std::ftell(geren_->ObtemArquivo());
    *segundos = static_cast<long long>(v[0]);
    valores->assign(v.begin() + 1, v.end());
    return true;
  }
  long long Fim_Registros() const override { return fim_; }

 private:
  // One line up to its "\n".
  bool Le_Linha(std::string* linha) {
    geren_->Muda_Arquivo(n_);
    return Le_Linha_Texto(geren_->ObtemArquivo(), linha) == '\n';
  }
  // A data line: its time, then its temperatures; false for any other.
  bool Le_Dados(const std::string& linha, std::vector<double>* v) {
    int d, m, h, mi, se, fim = 0;
    if (std::sscanf(linha.c_str(), "%2d/%2d - %2d:%2d:%2d%n", &d, &m, &h, &mi, &se, &fim) != 5 ||
        fim == 0 || d < 1 || d > 31 || m < 1 || m > 12 || h < 0 || h > 24) {
      return false;
    }
    v->assign(1, static_cast<double>(relogio_.Tempo(d, m, h, mi, se)));
    return Le_Reais_Texto(linha.c_str() + fim, v) && v->size() > 1;
  }
  std::vector<double> primeira_;
  TRelogio_Linhas relogio_;
  long long fim_ = 0;
  bool terminada_ = false;  // a line did not read: the data ended there
};

using G = TGeren_ArquivoAux;

// Up to n bytes of caminho from byte posicao into destino, which keeps what
// was read: how many (0 when it does not open). Headers a series is shaped
// by are read before the registry opens the file.
size_t Le_Bytes(const std::string& caminho, long posicao, void* destino, size_t n) {
  std::FILE* arq = std::fopen(caminho.c_str(), "rb");
  if (arq == nullptr) return 0;
  const size_t lidos = std::fseek(arq, posicao, SEEK_SET) == 0 ? std::fread(destino, 1, n, arq) : 0;
  std::fclose(arq);
  return lidos;
}

// The controller-output stream: every record holds its count k first and
// then k outputs, one a controller, each a fraction of the controller's
// range; the first record's k gives the columns, and a record of another
// count ends the data.
std::unique_ptr<TSerie_Fluxo> Serie_Saidas(const std::string& caminho, int intervalo) {
  float k = 0.0f;
  if (Le_Bytes(caminho, ARQAUX_TAM_CABECALHO_SAIDA_CONT, &k, sizeof k) != sizeof k) k = 0.0f;
  if (!(k >= 1.0f && k <= G::Max_Saidas_Cont)) return nullptr;
  const int saidas = static_cast<int>(k);
  std::vector<TColuna> colunas;
  for (int i = 1; i <= saidas; ++i) {
    colunas.push_back(Coluna("controller" + std::to_string(i) + "_output", "ratio"));
  }
  auto r = std::make_shared<std::vector<float>>(saidas + 1);
  TRegistro_Fixo registro = Registro_Reais(saidas);
  registro.bytes += sizeof(float);
  registro.decodifica = [saidas, reais = registro.decodifica](const unsigned char* b, double* v) {
    float contagem;
    std::memcpy(&contagem, b, sizeof contagem);
    return contagem == saidas && reais(b + sizeof(float), v);
  };
  return std::make_unique<TSerie_Fluxo>(
      colunas, intervalo,
      [saidas, r](G* g, int n, long long, double* v) {
        if (!g->Le_Saida_Cont(n, r->data(), saidas + 1) || (*r)[0] != saidas) return false;
        std::copy(r->begin() + 1, r->end(), v);
        return true;
      },
      registro);
}

// The temperature-humidity stream: the groups its header flags hold.
std::unique_ptr<TSerie_Fluxo> Serie_Temp_Umi(const std::string& caminho, int intervalo) {
  unsigned char cabecalho[ARQAUX_TAM_CABECALHO_TEMP_UMI] = {};
  Le_Bytes(caminho, 0, cabecalho, sizeof cabecalho);
  const unsigned char* f = cabecalho + ARQAUX_POSICAO_FLAGS_TEMP_UMI;
  const bool t = f[0] == 1, u = f[1] == 1, c = f[2] == 1;
  std::vector<TColuna> colunas;
  // Each of the zone's values with the climate record's beside it.
  if (t)
    colunas.insert(colunas.end(),
                   {Coluna(kArZona, "temperature"), Coluna(kArExterior, "temperature")});
  if (u) {
    colunas.insert(colunas.end(), {Coluna(kUmidadeZona, "humidity_ratio"),
                                   Coluna(kUmidadeExterior, "humidity_ratio")});
  }
  if (c) colunas.insert(colunas.end(), {Coluna("pmv", "ratio"), Coluna("ppd", "percentage")});
  if (colunas.empty()) return nullptr;
  // The record holds the groups' floats in the columns' order.
  const size_t k = colunas.size();
  return std::make_unique<TSerie_Fluxo>(
      colunas, intervalo,
      [t, u, c](G* g, int n, long long, double* v) {
        float r[6] = {};
        if (!g->Le_Temp_Umi(n, t, &r[0], u, &r[2], c, &r[4], &r[5], &r[1], &r[3])) return false;
        size_t k = 0;
        for (int grupo = 0; grupo < 3; ++grupo) {
          if (!(grupo == 0 ? t : grupo == 1 ? u : c)) continue;
          v[k++] = r[2 * grupo];
          v[k++] = r[2 * grupo + 1];
        }
        return true;
      },
      Registro_Reais(k));
}

// The headerless streams of fixed records.
std::unique_ptr<TSerie_Fluxo> Serie_Simples(TLeitura leitura, int intervalo) {
  switch (leitura) {
    case TLeitura::ATS:
    case TLeitura::ACE:
      return std::make_unique<TSerie_Fluxo>(
          std::vector<TColuna>{Coluna(leitura == TLeitura::ATS ? "ats" : "ace", "ratio")},
          intervalo,
          [](G* g, int n, long long, double* v) {
            float x;
            return g->Le_ATS_ACE(n, true, &x) && (v[0] = x, true);
          },
          Registro_Reais(1));
    case TLeitura::ACS:
      return std::make_unique<TSerie_Fluxo>(
          std::vector<TColuna>{Coluna("zone_operative_temperature", "temperature"),
                               Coluna(kArExterior, "temperature")},
          intervalo,
          [](G* g, int n, long long, double* v) {
            float o, e;
            return g->Le_ACS(n, &o, &e) && (v[0] = o, v[1] = e, true);
          },
          Registro_Reais(2));
    case TLeitura::PV:
      // The seven values as Grava_PV declares them.
      return std::make_unique<TSerie_Fluxo>(
          std::vector<TColuna>{
              Coluna("grid_power", "power", "kW"), Coluna("battery_energy", "energy"),
              Coluna("generated_power", "power", "kW"), Coluna("demand_power", "power", "kW"),
              Coluna("panel_surface_temperature", "temperature"),
              Coluna("panel_irradiance", "irradiance"), Coluna("panel_efficiency", "ratio")},
          intervalo,
          [](G* g, int n, long long, double* v) {
            float r[ARQAUX_VALORES_PV];
            return g->Le_PV(n, true, r) && (std::copy(r, r + ARQAUX_VALORES_PV, v), true);
          },
          Registro_Reais(ARQAUX_VALORES_PV));
    default:
      // The two values as Grava_Pessoas_no_Ambiente declares them.
      return std::make_unique<TSerie_Fluxo>(
          std::vector<TColuna>{Coluna("occupants", "count"), Coluna("occupant_heat_gain", "power")},
          intervalo,
          [](G* g, int n, long long, double* v) {
            int i;
            float r;
            return g->Le_Pessoas_no_Ambiente(n, &i, &r) && (v[0] = i, v[1] = r, true);
          },
          TRegistro_Fixo{2 * sizeof(float), [](const unsigned char* b, double* v) {
                           int32_t i;
                           float r;
                           std::memcpy(&i, b, sizeof i);
                           std::memcpy(&r, b + sizeof i, sizeof r);
                           v[0] = i;
                           v[1] = r;
                           return true;
                         }});
  }
}

// The envelope streams. Their headers give the surfaces at most; what each
// record holds (a wall's regions and node groups, a flux stream's flags, the
// radiation stream's walls) is the writer's and comes from the description
// beside the file. A flux or mould stream named by --kind alone is taken to
// hold every quantity. Columns stand in the order of the file's values.

// Most columns a series is given: a wall of more values is refused.
constexpr size_t kMaxColunas = 65536;

// v, or padrao when the description did not give it.
std::vector<int> Ou_Padrao(const std::vector<int>& v, std::vector<int> padrao) {
  return v.empty() ? padrao : v;
}

// The surface count at the start of a shading, flux or mould stream.
int Superficies_Cabecalho(const std::string& caminho) {
  int32_t n = 0;
  if (Le_Bytes(caminho, 0, &n, sizeof n) != sizeof n) n = 0;
  return n >= 1 && n <= MAX_SUPERFICIES ? n : 0;
}

// One column per value of each of n surfaces: prefix, number, then each of
// valores after it.
std::vector<TColuna> Colunas_Superficies(const char* prefixo, int n,
                                         const std::vector<TColuna>& valores) {
  std::vector<TColuna> colunas;
  for (int w = 1; w <= n; ++w) {
    for (const TColuna& v : valores) {
      colunas.push_back({prefixo + std::to_string(w) + "_" + v.nome, v.unidade, v.grandeza});
    }
  }
  return colunas;
}

bool Cabecalho_Parede(const std::string& caminho, int32_t* regioes, long long* cabecalho,
                      long long* tamanho);

// A wall node file's columns: each region's blocks in turn, of the blocks
// presente marks, one column per node.
std::vector<TColuna> Colunas_Parede(const std::vector<int>& elementos, const bool (&presente)[4]) {
  // What a node's groups hold as the engine writes them: the temperature;
  // the relative humidity, as a fraction, and the moisture content; the
  // partial pressure of water vapour.
  const TColuna blocos[4] = {
      Coluna("temperature", "temperature"), Coluna("relative_humidity", "relative_humidity", "1"),
      Coluna("moisture_content", "moisture_content"), Coluna("vapour_pressure", "vapour_pressure")};
  std::vector<TColuna> colunas;
  for (size_t r = 0; r < elementos.size(); ++r) {
    for (int b = 0; b < 4; ++b) {
      for (int j = 1; presente[b] && j <= elementos[r] + 1; ++j) {
        colunas.push_back(
            {"region" + std::to_string(r + 1) + "_node" + std::to_string(j) + "_" + blocos[b].nome,
             blocos[b].unidade, blocos[b].grandeza});
      }
    }
  }
  return colunas;
}

// A wall node file: at each step, each region's blocks of node values, one
// block for each group value the file holds, read region by region.
std::unique_ptr<TSerie_Fluxo> Serie_Parede(const std::string& caminho, const TDeteccao& d,
                                           int intervalo, long* inicio, std::string* erro) {
  std::vector<int> elementos = d.descricao.regioes;
  const std::vector<int> grupos = Ou_Padrao(d.descricao.grupos, {1, 2, 3});
  if (elementos.empty()) {
    *erro +=
        ": its description must give 'regions = ' the elements of each region, and may give "
        "'groups = ' those of 1,2,3 it holds";
    return nullptr;
  }
  // The description's groups are each of 1 to 3 once.
  bool g[3] = {false, false, false};
  for (int k : grupos) g[k - 1] = true;
  const std::string falha = Confere_Parede(caminho, elementos, g);
  if (!falha.empty()) {
    *erro = falha;
    return nullptr;
  }
  size_t valores = 0;
  for (int e : elementos) valores += (static_cast<size_t>(e) + 1) * (g[0] + 2 * g[1] + g[2]);
  int32_t regioes = 0;
  long long cabecalho = 0, tamanho = 0;
  if (valores > kMaxColunas || !Cabecalho_Parede(caminho, &regioes, &cabecalho, &tamanho)) {
    return nullptr;
  }
  *inicio = static_cast<long>(cabecalho);
  const bool presente[4] = {g[0], g[1], g[1], g[2]};
  const std::vector<TColuna> colunas = Colunas_Parede(elementos, presente);
  size_t nos = 0;
  for (int e : elementos) nos = std::max(nos, static_cast<size_t>(e) + 1);
  auto bloco = std::make_shared<std::vector<float>>(4 * nos);
  return std::make_unique<TSerie_Fluxo>(
      colunas, intervalo,
      // The header, checked above, is passed over at each region's read.
      [elementos, g, presente, nos, bloco, cabecalho](G* ge, int n, long long passo,
                                                      double* v) mutable {
        if (passo > INT_MAX) return false;
        float* b = bloco->data();
        FILE* arq = TAcesso_Registro::Seleciona_Arquivo(ge, n);
        for (size_t r = 0; r < elementos.size(); ++r) {
          if (!arqaux::Le_Regiao_Parede(arq, cabecalho, elementos.data(),
                                        static_cast<int>(elementos.size()), static_cast<int>(r) + 1,
                                        static_cast<int>(passo), g[0], b, g[1], b + nos,
                                        b + 2 * nos, g[2], b + 3 * nos)) {
            return false;
          }
          const size_t no_regiao = static_cast<size_t>(elementos[r]) + 1;
          for (int k = 0; k < 4; ++k) {
            if (presente[k]) v = std::copy(b + k * nos, b + k * nos + no_regiao, v);
          }
        }
        return true;
      },
      // A step holds each region's blocks in turn: the columns' order.
      Registro_Reais(colunas.size()));
}

// The values of each surface's record in a stream of kind l, as its flags
// say.
std::vector<TColuna> Valores_Superficie(TLeitura l, bool calor, bool vapor,
                                        const std::vector<int>& flags) {
  // What each surface's record holds as the engine writes it: the shares of
  // the wall in sun and in shade; the direct, diffuse and reflected
  // irradiance on it; the heat and vapour fluxes into the zone; the mould
  // growth index.
  std::vector<TColuna> valores;
  switch (l) {
    case TLeitura::Sombras:
      valores = {Coluna("sunlit_fraction", "ratio"), Coluna("shaded_fraction", "ratio")};
      break;
    case TLeitura::Radiacao:
      valores = {Coluna("direct_irradiance", "irradiance"),
                 Coluna("diffuse_irradiance", "irradiance"),
                 Coluna("reflected_irradiance", "irradiance")};
      break;
    case TLeitura::Mofo:
      if (flags.size() == 1 && flags[0] == 1) valores = {Coluna("mould_index", "ratio")};
      break;
    default:
      if (calor) {
        valores = {Coluna("sensible_heat_flux", "heat_flux"),
                   Coluna("latent_heat_flux", "heat_flux")};
      }
      if (vapor) valores.push_back(Coluna("vapour_flux", "vapour_flux"));
  }
  return valores;
}

// A shading, radiation, flux or mould stream: each step's record of every
// surface in turn.
std::unique_ptr<TSerie_Fluxo> Serie_Superficies(const std::string& caminho, const TDeteccao& d,
                                                int intervalo, long* inicio, std::string* erro) {
  const TLeitura l = d.tipo->leitura;
  int n = 0;
  if (l == TLeitura::Radiacao) {
    n = d.descricao.superficies;
    if (n < 1) *erro += ": its description must give 'surfaces = ' the walls of each step";
  } else {
    n = Superficies_Cabecalho(caminho);
  }
  const bool fluxos = l == TLeitura::Fluxos_CV;
  if (n < 1) return nullptr;
  const std::vector<int> flags =
      Ou_Padrao(d.descricao.flags, fluxos ? std::vector<int>{1, 1} : std::vector<int>{1});
  const bool calor = fluxos && flags.size() == 2 && flags[0] == 1;
  const bool vapor = fluxos && flags.size() == 2 && flags[1] == 1;
  const std::vector<TColuna> valores = Valores_Superficie(l, calor, vapor, flags);
  if (valores.empty()) return nullptr;
  // Every stream but the radiation's opens on its count and areas.
  *inicio = l == TLeitura::Radiacao ? 0 : 4L * (n + 1);
  const size_t k = valores.size();
  auto r = std::make_shared<std::vector<float>>(k * static_cast<size_t>(n));
  auto colunas = Colunas_Superficies(
      l == TLeitura::Sombras || l == TLeitura::Radiacao ? "surface" : "region", n, valores);
  return std::make_unique<TSerie_Fluxo>(
      colunas, intervalo,
      [l, n, k, calor, vapor, r](G* g, int a, long long passo, double* v) {
        if (passo > INT_MAX / n) return false;
        const int s = static_cast<int>(passo);
        float* f = r->data();
        bool ok = true;
        if (l == TLeitura::Sombras) {
          ok = g->Le_Proj_Sombras_Parede(a, n, s, f);
        } else if (l == TLeitura::Radiacao) {
          g->Muda_Arquivo(a);
          ok = g->Le_Radiacoes_Parede(n, f);
        }
        for (int w = 1; ok && w <= n && (l == TLeitura::Fluxos_CV || l == TLeitura::Mofo); ++w) {
          float x[3] = {};
          ok = l == TLeitura::Mofo ? g->Le_Mofo(a, n, w, s, true, x)
                                   : g->Le_Fluxos_CalorVapor_Parede(a, n, w, s, calor, vapor, x);
          const float* de = l == TLeitura::Mofo || calor ? x : x + 2;
          std::copy(de, de + k, f + (w - 1) * k);
        }
        return ok && (std::copy(f, f + k * n, v), true);
      },
      // A step holds each surface's record in turn: the columns' order.
      Registro_Reais(k * static_cast<size_t>(n)));
}

// The data lines of the daylighting schedule standing at the current
// stream's start, nome its name in messages.
std::string Confere_Linhas_Iluminacao(TGeren_ArquivoAux* g, const std::string& nome, int horas) {
  if (!g->Carrega_Cabecalho_DAYSIM()) return nome + " does not start as a daylighting schedule";
  std::FILE* arq = g->ObtemArquivo();
  // The header's last pattern passes over white space up to the first
  // value: the line the data begins on is the one that byte is on.
  const long inicio = std::ftell(arq);
  long linha = 1;
  std::rewind(arq);
  for (long i = 0; i < inicio; ++i) linha += std::fgetc(arq) == '\n';
  std::fseek(arq, inicio, SEEK_SET);
  std::string texto;
  for (int h = 0, fim = '\n'; h < horas; ++linha) {
    if (fim == EOF) return nome + " ends before hour " + std::to_string(h);
    fim = Le_Linha_Texto(arq, &texto);
    if (texto.find_first_not_of(" \t\r") == std::string::npos && fim != 0) continue;
    int mes = 0, dia = 0, usados = 0;
    float hora = 0, ocupacao, persianas, dpi;
    const std::string onde = nome + " line " + std::to_string(linha);
    if (fim == 0 ||
        std::sscanf(texto.c_str(), "%d,%d,%f,%f,%f,%f%n", &mes, &dia, &hora, &ocupacao, &persianas,
                    &dpi, &usados) != 6 ||
        texto.find_first_not_of(" \t\r", usados) != std::string::npos) {
      return onde + " is not the line of an hour";
    }
    const bool data = mes >= 1 && mes <= 12 && dia >= 1 && dia <= kDiasMes[mes - 1] &&
                      hora >= 0.0f && hora < 24.0f;
    if (!data || (Dias_Antes(mes) + dia - 1) * 24 + static_cast<int>(hora) != h) {
      return onde + ": month " + std::to_string(mes) + ", day " + std::to_string(dia) + ", hour " +
             Texto_Valor(hora) +
             (h == 0 ? " is not the year's first hour" : " does not follow the line before");
    }
    ++h;
  }
  return "";
}

// The header of a wall node file: its region count, its size and the
// file's, in bytes; false when it does not read.
bool Cabecalho_Parede(const std::string& caminho, int32_t* regioes, long long* cabecalho,
                      long long* tamanho) {
  std::FILE* arq = std::fopen(caminho.c_str(), "rb");
  if (arq == nullptr) return false;
  bool ok = std::fread(regioes, sizeof *regioes, 1, arq) == 1 && *regioes >= 1 &&
            *regioes <= MAX_SUPERFICIES;
  *cabecalho = 4LL * (*regioes + 1);
  for (int32_t e = 0; ok && e < *regioes; ++e) {
    uint32_t pares = 0;
    ok = std::fseek(arq, *cabecalho, SEEK_SET) == 0 &&
         std::fread(&pares, sizeof pares, 1, arq) == 1 && pares <= MAX_SUPERFICIES;
    *cabecalho += 4 + 8LL * pares;
  }
  ok = ok && std::fseek(arq, 0, SEEK_END) == 0 && (*tamanho = std::ftell(arq)) >= *cabecalho;
  std::fclose(arq);
  return ok;
}

}  // namespace

std::string Confere_Agenda_Iluminacao(const std::string& caminho, int horas) {
  TGeren_ArquivoAux* g = Geren_ArqAux();
  const int n = g->Abre_Arquivo(caminho.c_str(), "rt");
  if (n == 0) return "cannot open '" + caminho + "'";
  const std::string falha = Confere_Linhas_Iluminacao(g, "'" + caminho + "'", horas);
  g->Fecha_Arquivo(n);
  return falha;
}

std::string Confere_Parede(const std::string& caminho, const std::vector<int>& elementos,
                           const bool (&grupos)[3]) {
  int32_t regioes = 0;
  long long cabecalho = 0, tamanho = 0;
  if (!Cabecalho_Parede(caminho, &regioes, &cabecalho, &tamanho)) {
    return "'" + caminho + "' does not open on the header of a wall node file";
  }
  if (static_cast<size_t>(regioes) != elementos.size()) {
    return "'" + caminho + "' holds " + std::to_string(regioes) + " regions in its header, not " +
           std::to_string(elementos.size());
  }
  long long passo = 0;
  for (int e : elementos) passo += 4LL * (e + 1) * (grupos[0] + 2 * grupos[1] + grupos[2]);
  if (passo == 0 || (tamanho - cabecalho) % passo != 0) {
    return "'" + caminho + "' does not hold these regions and groups: the " +
           std::to_string(tamanho - cabecalho) + " bytes after its " + std::to_string(cabecalho) +
           "-byte header are not whole " + std::to_string(passo) + "-byte steps";
  }
  return "";
}

namespace {

// The series of caminho, of a kind with records, of steps of intervalo.
std::unique_ptr<TSerie> Abre_Leitor(const std::string& caminho, const TDeteccao& d, int intervalo,
                                    std::string* erro) {
  const TLeitura l = d.tipo->leitura;
  *erro = "cannot read '" + caminho + "' as " + d.tipo->nome + " (" + d.tipo->descricao + ")";
  if (l == TLeitura::HVAC || l == TLeitura::Consumo_HVAC) {
    return Abre_Serie_HVAC(caminho, d, intervalo, erro);
  }
  if (l == TLeitura::Iluminacao) {
    const std::string falha = Confere_Agenda_Iluminacao(caminho, ARQAUX_HORAS_ANO);
    if (!falha.empty()) {
      *erro = falha;
      return nullptr;
    }
  }
  if (l == TLeitura::Clima || l == TLeitura::Solo || l == TLeitura::TI ||
      l == TLeitura::Iluminacao) {
    auto s = std::make_unique<TSerie_Entrada>(l);
    if (!s->Abre(caminho, 0) || !s->Carrega()) return nullptr;
    erro->clear();
    return s;
  }
  if (l == TLeitura::Temp_Superficies) {
    auto s = std::make_unique<TSerie_Temp_Superficies>();
    if (!s->Abre(caminho, 0) || !s->Prepara()) return nullptr;
    erro->clear();
    return s;
  }
  if (l == TLeitura::Carga || l == TLeitura::Ganho) {
    auto s = std::make_unique<TSerie_Carga>(l == TLeitura::Carga);
    if (!s->Abre(caminho, 0) || !s->Titulos()) return nullptr;
    erro->clear();
    return s;
  }
  std::unique_ptr<TSerie_Fluxo> s;
  long cabecalho = 0;
  if (l == TLeitura::Temp_Umi) {
    s = Serie_Temp_Umi(caminho, intervalo);
    cabecalho = ARQAUX_TAM_CABECALHO_TEMP_UMI;
  } else if (l == TLeitura::Saida_Cont) {
    s = Serie_Saidas(caminho, intervalo);
    cabecalho = ARQAUX_TAM_CABECALHO_SAIDA_CONT;
  } else if (l == TLeitura::Parede) {
    s = Serie_Parede(caminho, d, intervalo, &cabecalho, erro);
  } else if (l >= TLeitura::Sombras) {
    s = Serie_Superficies(caminho, d, intervalo, &cabecalho, erro);
  } else {
    s = Serie_Simples(l, intervalo);
  }
  if (s == nullptr || !s->Abre(caminho, cabecalho)) return nullptr;
  erro->clear();
  return s;
}

}  // namespace

size_t TSerie::Le_Bloco(size_t max, std::vector<double>* valores,
                        std::vector<long long>* segundos) {
  valores->clear();
  segundos->clear();
  std::vector<double> linha;
  long long s = 0;
  while (segundos->size() < max && Le(&linha, &s)) {
    valores->insert(valores->end(), linha.begin(), linha.end());
    segundos->push_back(s);
  }
  return segundos->size();
}

std::unique_ptr<TSerie> Abre_Serie(const std::string& caminho, const TDeteccao& d, int intervalo,
                                   std::string* erro) {
  if (d.tipo == nullptr || d.tipo->leitura == TLeitura::Nenhuma) {
    *erro = "'" + caminho + "' holds no records the tool exports" +
            (d.tipo != nullptr ? std::string(" (a ") + d.tipo->descricao + ")" : "");
    return nullptr;
  }
  if (intervalo <= 0) intervalo = d.intervalo > 0 ? d.intervalo : kSegundosHora;
  std::unique_ptr<TSerie> s = Abre_Leitor(caminho, d, intervalo, erro);
  if (s == nullptr) return s;
  // An hourly input file's rows are hours whatever the caller says; lines
  // that carry their own times are as far apart as the first two are.
  const TLeitura l = d.tipo->leitura;
  if (l == TLeitura::Carga || l == TLeitura::Ganho || l == TLeitura::Temp_Superficies) {
    std::string nada;
    std::unique_ptr<TSerie> linhas = Abre_Leitor(caminho, d, intervalo, &nada);
    std::vector<double> v;
    long long primeira = 0, segunda = 0;
    if (linhas != nullptr && linhas->Le(&v, &primeira) && linhas->Le(&v, &segunda) &&
        segunda > primeira) {
      s->Define_Intervalo(segunda - primeira);
    }
  }
  if (s->Intervalo() == 0) s->Define_Intervalo(intervalo);
  return s;
}

std::string Confere_Final(const std::string& caminho, const TSerie& s) {
  const long long fim = s.Fim_Registros();
  std::FILE* arq = fim < 0 ? nullptr : std::fopen(caminho.c_str(), "rb");
  if (arq == nullptr) return fim < 0 ? "" : "cannot open '" + caminho + "'";
  // The file's size, the lines before the records' end and whether a "\n"
  // follows it.
  long long tamanho = 0, linhas = 0;
  bool fim_de_linha = false;
  char bloco[1 << 16];
  for (size_t n; (n = std::fread(bloco, 1, sizeof bloco, arq)) > 0; tamanho += n) {
    const long long antes = std::clamp(fim - tamanho, 0LL, static_cast<long long>(n));
    linhas += std::count(bloco, bloco + antes, '\n');
    fim_de_linha = fim_de_linha || std::find(bloco + antes, bloco + n, '\n') != bloco + n;
  }
  std::fclose(arq);
  if (tamanho <= fim) return "";
  const std::string resto = "'" + caminho + "': " + std::to_string(tamanho - fim) +
                            (tamanho - fim == 1 ? " byte" : " bytes") + " after its last whole ";
  if (const auto* f = dynamic_cast<const TSerie_Fluxo*>(&s)) {
    return resto + "record: " +
           (tamanho - fim < f->Tamanho_Registro() ? "a record cut short"
                                                  : "a record that does not read");
  }
  return resto + "line: " +
         (fim_de_linha ? "line " + std::to_string(linhas + 1) + " does not read"
                       : "its last line is cut short (no line end)");
}

int Le_Linha_Texto(std::FILE* arq, std::string* linha) {
  static constexpr size_t kMaxLinha = 1 << 16;
  linha->clear();
  int c;
  while ((c = getc_unlocked(arq)) != EOF && c != '\n') {
    if (linha->size() == kMaxLinha) return 0;
    *linha += static_cast<char>(c);
  }
  return c;
}

bool Le_Reais_Texto(const char* p, std::vector<double>* valores) {
  const char* const fim_texto = p + std::strlen(p);
  for (;;) {
    while (*p == '\t' || *p == ' ' || *p == '\r') ++p;
    if (*p == '\0') return true;
    // A plain decimal number is read at once; strtof takes the rest as it
    // always did (a sign '+', hexadecimal, a value out of range).
    float v = 0;
    const std::from_chars_result r = std::from_chars(p, fim_texto, v);
    if (r.ec == std::errc() &&
        (*r.ptr == '\0' || *r.ptr == ' ' || *r.ptr == '\t' || *r.ptr == '\r')) {
      valores->push_back(v);
      p = r.ptr;
      continue;
    }
    char* fim = nullptr;
    v = std::strtof(p, &fim);
    if (fim == p) return false;
    valores->push_back(v);
    p = fim;
  }
}

namespace {

// The date of the day that begins segundos after 1 January of ano, on the
// 365-day clock.
struct TData {
  long long ano;
  int mes, dia;
};
TData Data(long long segundos, int ano) {
  const long long dias = segundos / kSegundosDia;
  int dia = static_cast<int>(dias % kDiasAno), mes = 1;
  while (mes < 12 && dia >= kDiasMes[mes - 1]) dia -= kDiasMes[mes++ - 1];
  return {ano + dias / kDiasAno, mes, dia + 1};
}

}  // namespace

std::string Texto_ISO(long long segundos, int ano) {
  const TData d = Data(segundos, ano);
  const long long resto = segundos % kSegundosDia;
  char texto[48];
  std::snprintf(texto, sizeof texto, "%04lld-%02d-%02dT%02lld:%02lld:%02lld", d.ano, d.mes, d.dia,
                resto / 3600, resto / 60 % 60, resto % 60);
  return texto;
}

long long Segundos_Desde_1970(long long segundos, int ano) {
  // Days from 1970-01-01 to the date, on the proleptic Gregorian calendar
  // (the count of days of a civil date, its year taken from March on).
  const TData d = Data(segundos, ano);
  const long long a = d.ano - (d.mes <= 2);
  const long long era = (a >= 0 ? a : a - 399) / 400;
  const long long ano_da_era = a - era * 400;
  const long long dia_do_ano = (153 * (d.mes + (d.mes > 2 ? -3 : 9)) + 2) / 5 + d.dia - 1;
  const long long dia_da_era = ano_da_era * 365 + ano_da_era / 4 - ano_da_era / 100 + dia_do_ano;
  return (era * 146097 + dia_da_era - 719468) * kSegundosDia + segundos % kSegundosDia;
}

bool Cabe_No_Calendario(long long segundos, int ano) {
  return segundos / (kDiasAno * kSegundosDia) <= ULTIMO_ANO - ano;
}

std::string Falha_Calendario(int ano) {
  return "its records run past the year " + std::to_string(ULTIMO_ANO) + " from --year " +
         std::to_string(ano) + "";
}

namespace {

// The text of v in the form "%.Pg" gives it, P being the larger of 6 and
// the digits of texto, v's shortest text in scientific form ("1.5e+01"):
// the digits of texto, in fixed form unless the exponent is under -4 or
// not under P. Where the shortest digits are also the nearest of their
// count to v, that is the text "%.Pg" writes.
size_t Forma_G(const char* texto, size_t n, char* saida) {
  const char* e = static_cast<const char*>(std::memchr(texto, 'e', n));
  const char* p = texto;
  char* o = saida;
  if (*p == '-') *o++ = *p++;
  char digitos[24];
  int d = 0;
  for (; p < e; ++p) {
    if (*p != '.') digitos[d++] = *p;
  }
  int expoente = 0;
  std::from_chars(e + (e[1] == '+' ? 2 : 1), texto + n, expoente);
  if (expoente < -4 || expoente >= std::max(6, d)) {
    const size_t resto = static_cast<size_t>(texto + n - (texto[0] == '-' ? texto + 1 : texto));
    std::memcpy(o, texto[0] == '-' ? texto + 1 : texto, resto);
    return static_cast<size_t>(o - saida) + resto;
  }
  if (expoente < 0) {
    *o++ = '0';
    *o++ = '.';
    for (int z = -1; z > expoente; --z) *o++ = '0';
    std::memcpy(o, digitos, d);
    return static_cast<size_t>(o + d - saida);
  }
  for (int i = 0; i <= expoente; ++i) *o++ = i < d ? digitos[i] : '0';
  if (d > expoente + 1) {
    *o++ = '.';
    std::memcpy(o, digitos + expoente + 1, d - expoente - 1);
    o += d - expoente - 1;
  }
  return static_cast<size_t>(o - saida);
}

// Whether x is a power of two or below the normal range. At a power of two
// the values on either side are not as far apart, and the nearest text of
// a count of digits may not read back where another does; below the normal
// range six digits may be more than the value holds.
template <typename R, typename I>
bool Fora_Do_Comum(R x) {
  I bits;
  std::memcpy(&bits, &x, sizeof bits);
  constexpr int mantissa = std::numeric_limits<R>::digits - 1;
  constexpr int expoente = static_cast<int>(sizeof(I)) * 8 - 1 - mantissa;
  return (bits & ((I{1} << mantissa) - 1)) == 0 ||
         ((bits >> mantissa) & ((I{1} << expoente) - 1)) == 0;
}

// The fewest "%.Pg" digits from 6 that read back, tried one after another.
size_t Texto_Valor_Lento(double v, bool real, char* texto, size_t n) {
  int escritos = 0;
  for (int digitos = 6; digitos <= 17; ++digitos) {
    escritos = std::snprintf(texto, n, "%.*g", digitos, v);
    if (real ? std::strtof(texto, nullptr) == static_cast<float>(v)
             : std::strtod(texto, nullptr) == v) {
      break;
    }
  }
  return static_cast<size_t>(escritos);
}

}  // namespace

size_t Escreve_Valor(double v, char* texto) {
  // A value that a float holds (every value a file stores) reads back as
  // that float; a finer one, as the double. The text is the fewest "%g"
  // digits, six at least, that read back: the shortest digits, written as
  // "%g" writes them, but for what Fora_Do_Comum names and what is not a
  // number. A zero is common enough to be written at once.
  if (v == 0) return std::signbit(v) ? (std::memcpy(texto, "-0", 2), 2) : (*texto = '0', 1);
  const float f = static_cast<float>(v);
  const bool real = static_cast<double>(f) == v;
  if (!std::isfinite(v) ||
      (real ? Fora_Do_Comum<float, uint32_t>(f) : Fora_Do_Comum<double, uint64_t>(v))) {
    return Texto_Valor_Lento(v, real, texto, kTamTextoValor);
  }
  char curto[40];
  const std::to_chars_result r =
      real ? std::to_chars(curto, curto + sizeof curto, f, std::chars_format::scientific)
           : std::to_chars(curto, curto + sizeof curto, v, std::chars_format::scientific);
  return Forma_G(curto, static_cast<size_t>(r.ptr - curto), texto);
}

size_t Escreve_Horas(long long segundos, char* texto) {
  // Whole hours, or the fewest decimals that read back: "%f" has no
  // exponent, however many hours. The shortest fixed text is that, but at
  // a power of two (see Potencia_De_Dois).
  // Past 17 decimals "%f" gives up, and so does this.
  const double horas = static_cast<double>(segundos) / kSegundosHora;
  if (segundos % kSegundosHora == 0 || !Fora_Do_Comum<double, uint64_t>(horas)) {
    const char* fim =
        std::to_chars(texto, texto + kTamTextoValor, horas, std::chars_format::fixed).ptr;
    const char* ponto = static_cast<const char*>(std::memchr(texto, '.', fim - texto));
    if (ponto == nullptr || fim - ponto <= 18) return static_cast<size_t>(fim - texto);
  }
  int escritos = 0;
  for (int decimais = 0; decimais <= 17; ++decimais) {
    escritos = std::snprintf(texto, kTamTextoValor, "%.*f", decimais, horas);
    if (std::strtod(texto, nullptr) == horas) break;
  }
  return static_cast<size_t>(escritos);
}

std::string Texto_Horas(long long segundos) {
  char texto[kTamTextoValor];
  return std::string(texto, Escreve_Horas(segundos, texto));
}

std::string Texto_Valor(double v) {
  char texto[kTamTextoValor];
  return std::string(texto, Escreve_Valor(v, texto));
}

double Valor_Decimal(double v) {
  // Where Escreve_Valor writes a float's shortest digits, their value is
  // read back from them at once, without the "%g" form around them.
  const float f = static_cast<float>(v);
  if (static_cast<double>(f) == v && v != 0 && std::isfinite(v) &&
      !Fora_Do_Comum<float, uint32_t>(f)) {
    char curto[40];
    const std::to_chars_result r =
        std::to_chars(curto, curto + sizeof curto, f, std::chars_format::scientific);
    double d = 0;
    std::from_chars(curto, r.ptr, d);
    return d;
  }
  char texto[kTamTextoValor];
  const size_t n = Escreve_Valor(v, texto);
  if (!std::isfinite(v)) return v;
  double d = 0;
  std::from_chars(texto, texto + n, d);
  return d;
}
