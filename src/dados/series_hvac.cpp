// The HVAC output streams as series. A data stream's line holds, in order,
// the values of the groups its monitoring flags set; the description beside
// it gives the kind, the flags and, for a fan coil, the components in list
// order with theirs. A consumption line holds the consumption of the
// equipment (of a fan coil, each heater's, humidifier's and fan's, then
// their total), then an extra value when the host gave one.
//
// Primary-equipment data lines are read by the library's reader of the
// kind, which stores each value at its result index; the series takes the
// indices back in line order. A fan coil's data reader stores into the
// host's component objects, which the tool does not build, and consumption
// streams have no reader: those lines are scanned here as the library writes
// them, values separated by blanks, a line that is not whole ending the data.
#include "series_hvac.h"

#include <arqaux/arqaux.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using G = TGeren_ArquivoAux;

// A fan coil's data line: the outdoor and return air under the fan coil's
// flags, then each component with its flag 0 set, its groups by type. Its
// relative humidities are in percent, as the HVAC model gives them.
const char* const C =
    "\xC2\xB0"
    "C";
struct TGrupo_Componente {
  int flag;
  std::vector<TColuna> colunas;
};
const TColuna kTemperatura = {"temperature", C, "temperature"};
const TColuna kUmidadeRelativa = {"relative_humidity", "%", "relative_humidity"};
const TColuna kUmidade = {"humidity_ratio", "kg/kg", "humidity_ratio"};
TColuna Potencia(const char* nome) { return {nome, "W", "power"}; }
const std::vector<TGrupo_Componente> kArComponente = {
    {1, {kTemperatura}}, {2, {kUmidadeRelativa}}, {3, {kUmidade}}};
const std::vector<TGrupo_Componente> kGruposSerpentina = {
    {4, {Potencia("heat"), Potencia("sensible_heat")}},
    {6,
     {{"water_inlet_temperature", C, "temperature"},
      {"water_outlet_temperature", C, "temperature"}}},
    {7, {{"water_flow", "L/s", "volume_flow"}}},
    {5, {{"condensate_flow", "g/s", "mass_flow"}}}};
// A fan's air flow is the mass of air it moves, as its report titles it.
const std::vector<TGrupo_Componente> kGruposVentilador = {{4, {Potencia("heat")}},
                                                          {5, {Potencia("electric_power")}},
                                                          {6, {{"air_flow", "kg/s", "mass_flow"}}}};
const struct {
  const char* nome;
  std::vector<TGrupo_Componente> grupos;
  bool consome;  // on the consumption line
} kComponentes[TIPOS_COMPONENTE] = {
    {"mixing_box", {}, false},
    {"electric_heater", {{4, {Potencia("heat")}}, {5, {Potencia("electric_power")}}}, true},
    {"heating_coil", kGruposSerpentina, false},
    {"cooling_coil", kGruposSerpentina, false},
    {"humidifier",
     {{4, {Potencia("heat"), Potencia("sensible_heat")}}, {5, {Potencia("electric_power")}}},
     true},
    {"supply_fan", kGruposVentilador, true},
    {"return_fan", kGruposVentilador, true},
};
const struct {
  int flag;
  const char* nome;
  int flags[3];
} kArFancoil[] = {{1, "outdoor_air_", {2, 3, 4}}, {5, "return_air_", {6, 7, 8}}};

// A consumption column: the electric power drawn over the step.
TColuna Consumo(const std::string& nome) { return {nome, "W", "power"}; }

// The columns of a fan coil's lines, from its description: the data line's
// (consumo false) or the consumption line's, but for its total and extra.
void Colunas_FanCoil(const TDescricao& d, bool consumo, std::vector<TColuna>* colunas) {
  if (!consumo) {
    for (const auto& ar : kArFancoil) {
      if (d.flags[ar.flag] == 0) continue;
      for (int k = 0; k < 3; ++k) {
        if (d.flags[ar.flags[k]] != 0) {
          TColuna c = kArComponente[k].colunas[0];
          colunas->push_back({ar.nome + c.nome, c.unidade, c.grandeza});
        }
      }
    }
  }
  int contagem[TIPOS_COMPONENTE] = {};
  for (const TComponente_Descrito& componente : d.componentes) {
    const auto& c = kComponentes[componente.tipo];
    const std::string prefixo = c.nome + std::to_string(++contagem[componente.tipo]) + "_";
    if (consumo) {
      if (c.consome) colunas->push_back(Consumo(prefixo + "consumption"));
      continue;
    }
    if (componente.flags[0] == 0) continue;
    std::vector<TGrupo_Componente> grupos = kArComponente;
    grupos.insert(grupos.end(), c.grupos.begin(), c.grupos.end());
    for (const TGrupo_Componente& g : grupos) {
      if (componente.flags[g.flag] == 0) continue;
      for (const TColuna& coluna : g.colunas) {
        colunas->push_back({prefixo + coluna.nome, coluna.unidade, coluna.grandeza});
      }
    }
  }
}

// Records of fixed columns, one a step: record k closes step k. Every
// stream's lines start at its first byte and end in "\n" as the library
// writes them, so the records end after the last line read.
class TSerie_Passos : public TSerie {
 public:
  explicit TSerie_Passos(int intervalo) : intervalo_(intervalo) {}
  bool Le(std::vector<double>* valores, long long* segundos) override {
    valores->assign(colunas_.size(), 0.0);
    if (terminada_ || !Le_Registro(valores->data())) {
      terminada_ = true;
      return false;
    }
    fim_ = Posicao();
    *segundos = ++registros_ * intervalo_;
    return true;
  }
  long long Fim_Registros() const override { return fim_; }
  std::vector<TColuna>* Colunas_Editaveis() { return &colunas_; }

 protected:
  virtual bool Le_Registro(double* v) = 0;
  // Where the stream stands after a line read.
  virtual long long Posicao() = 0;

 private:
  long long intervalo_;
  long long registros_ = 0;
  long long fim_ = 0;
  bool terminada_ = false;  // a line did not read: the data ended there
};

// A primary-equipment data stream through the library's reader.
class TSerie_Equipamento : public TSerie_Passos {
 public:
  TSerie_Equipamento(const TTipo_HVAC& e, std::vector<int> flags, int intervalo)
      : TSerie_Passos(intervalo), e_(e), flags_(std::move(flags)) {
    for (const TValor_HVAC& v : e.linha) {
      if (flags_[v.flag] != 0) colunas_.push_back({v.nome, v.unidade, v.grandeza});
    }
  }
  ~TSerie_Equipamento() override {
    if (n_ != 0) geren_->Fecha_Arquivo(n_);
  }
  bool Abre(const std::string& caminho) {
    n_ = geren_->Abre_Arquivo(caminho.c_str(), "rb");
    return n_ != 0;
  }

 protected:
  // A stream whose flag 0 is clear holds no lines.
  bool Le_Registro(double* v) override {
    float r[MAX_RESULTADOS_HVAC] = {};
    if (flags_[0] == 0 || !(geren_->*e_.le)(n_, flags_.data(), r)) return false;
    for (const TValor_HVAC& valor : e_.linha) {
      if (flags_[valor.flag] != 0) *v++ = r[valor.indice];
    }
    return true;
  }
  // The reader leaves the registry's file current, after the line it read.
  long long Posicao() override { return std::ftell(geren_->ObtemArquivo()); }

 private:
  TGeren_ArquivoAux* geren_ = Geren_ArqAux();
  const TTipo_HVAC& e_;
  std::vector<int> flags_;
  int n_ = 0;
};

// A line of numbers as the library writes them: as many as the columns.
class TSerie_Linhas : public TSerie_Passos {
 public:
  explicit TSerie_Linhas(int intervalo) : TSerie_Passos(intervalo) {}
  ~TSerie_Linhas() override {
    if (arq_ != nullptr) std::fclose(arq_);
  }
  bool Abre(const std::string& caminho) {
    arq_ = std::fopen(caminho.c_str(), "rb");
    return arq_ != nullptr;
  }
  // The values of the first line: how many a line holds.
  size_t Conta_Valores() {
    std::vector<double> v;
    const long inicio = std::ftell(arq_);
    Le_Linha(&v);
    std::fseek(arq_, inicio, SEEK_SET);
    return v.size();
  }

 protected:
  bool Le_Registro(double* v) override {
    std::vector<double> lidos;
    if (!Le_Linha(&lidos) || lidos.size() != colunas_.size()) return false;
    std::copy(lidos.begin(), lidos.end(), v);
    return true;
  }
  long long Posicao() override { return std::ftell(arq_); }

 private:
  // One whole line of numbers: false at the end, at a line cut short or too
  // long, or at a word that is not a number.
  bool Le_Linha(std::vector<double>* valores) {
    std::string linha;
    return Le_Linha_Texto(arq_, &linha) == '\n' && Le_Reais_Texto(linha.c_str(), valores);
  }
  std::FILE* arq_ = nullptr;
};

}  // namespace

std::unique_ptr<TSerie> Abre_Serie_HVAC(const std::string& caminho, const TDeteccao& d,
                                        int intervalo, std::string* erro) {
  const TDescricao& descricao = d.descricao;
  const TTipo_HVAC* e = Procura_Tipo_HVAC(descricao.tipo);
  // A description built by a caller rather than read may hold anything.
  const bool componentes_validos =
      std::all_of(descricao.componentes.begin(), descricao.componentes.end(),
                  [](const TComponente_Descrito& c) {
                    return c.tipo >= 0 && c.tipo < TIPOS_COMPONENTE &&
                           c.flags.size() == static_cast<size_t>(FLAGS_COMPONENTE);
                  });
  if (e == nullptr || descricao.flags.size() != static_cast<size_t>(e->flags) ||
      !componentes_validos) {
    *erro = "'" + caminho + "' needs the description of its HVAC data stream (kind and flags)";
    return nullptr;
  }
  const bool consumo = d.tipo->leitura == TLeitura::Consumo_HVAC;
  const bool fancoil = e->le == nullptr;
  if (!fancoil && !consumo) {
    auto s = std::make_unique<TSerie_Equipamento>(*e, descricao.flags, intervalo);
    if (!s->Abre(caminho)) return nullptr;
    erro->clear();
    return s;
  }
  auto s = std::make_unique<TSerie_Linhas>(intervalo);
  std::vector<TColuna>* colunas = s->Colunas_Editaveis();
  if (!s->Abre(caminho)) return nullptr;
  if (fancoil) Colunas_FanCoil(descricao, consumo, colunas);
  if (consumo) {
    colunas->push_back(Consumo(fancoil ? "total_consumption" : "consumption"));
    if (s->Conta_Valores() == colunas->size() + 1) colunas->push_back({"extra", "", ""});
  }
  erro->clear();
  return s;
}
