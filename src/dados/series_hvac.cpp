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

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using G = TGeren_ArquivoAux;

// A value of a data line: the flag that writes it, its result index and
// its column.
struct TValor_HVAC {
  int flag;
  int indice;
  const char* nome;
  const char* unidade;
};

// A kind of primary equipment: its reader, its flags and its line.
struct TEquipamento_HVAC {
  const char* nome;
  bool (G::*le)(int n, int* flags, float* valores);
  int flags;
  std::vector<TValor_HVAC> linha;
};

// Results the tool does not name keep their index: "result_5".
const TEquipamento_HVAC EQUIPAMENTOS[] = {
    {"chiller-ar",
     &G::Le_Saida_ChillerAr_Dados,
     6,
     {{1, 8, "evaporator_water_inlet_temperature", "C"},
      {1, 3, "evaporator_water_outlet_temperature", "C"},
      {2, 2, "evaporator_heat", "W"},
      {3, 7, "compressor_power", "W"},
      {4, 5, "result_5", ""},
      {5, 4, "result_4", ""}}},
    {"chiller-agua",
     &G::Le_Saida_ChillerAgua_Dados,
     9,
     {{1, 11, "evaporator_water_inlet_temperature", "C"},
      {1, 4, "evaporator_water_outlet_temperature", "C"},
      {2, 12, "condenser_water_inlet_temperature", "C"},
      {2, 6, "condenser_water_outlet_temperature", "C"},
      {3, 2, "evaporator_heat", "W"},
      {4, 3, "condenser_heat", "W"},
      {5, 10, "compressor_power", "W"},
      {6, 8, "result_8", ""},
      {7, 5, "result_5", ""},
      {8, 7, "result_7", ""}}},
    {"torre",
     &G::Le_Saida_Torre_Dados,
     6,
     {{1, 7, "water_inlet_temperature", "C"},
      {1, 1, "water_outlet_temperature", "C"},
      {2, 0, "heat", "W"},
      {3, 8, "air_inlet_temperature", "C"},
      {3, 3, "air_outlet_temperature", "C"},
      {4, 9, "air_inlet_relative_humidity", ""},
      {4, 4, "air_outlet_relative_humidity", ""},
      {5, 6, "fan_power", "W"}}},
    {"boiler",
     &G::Le_Saida_Boiler_Dados,
     9,
     {{1, 0, "operating_mode", ""},
      {2, 2, "water_outlet_temperature", "C"},
      {2, 3, "water_mean_outlet_temperature", "C"},
      {2, 4, "water_inlet_temperature", "C"},
      {3, 7, "useful_power", "W"},
      {4, 8, "heat", "W"},
      {5, 9, "efficiency", ""},
      {6, 6, "fuel_consumption", "kg"},
      {7, 5, "fuel_flow", "kg_s"},
      {8, 10, "water_flow", "kg_s"}}},
};
// The three pumps share their line.
const std::vector<TValor_HVAC> LINHA_BOMBA = {{1, 4, "water_inlet_temperature", "C"},
                                              {1, 1, "water_outlet_temperature", "C"},
                                              {2, 0, "heat", "W"},
                                              {3, 2, "water_flow", "L_s"},
                                              {4, 3, "power", "W"}};
const TEquipamento_HVAC BOMBAS[] = {{"bomba-ag", &G::Le_Saida_BombaAG_Dados, 5, LINHA_BOMBA},
                                    {"bomba-aq", &G::Le_Saida_BombaAQ_Dados, 5, LINHA_BOMBA},
                                    {"bomba-cond", &G::Le_Saida_BombaCond_Dados, 5, LINHA_BOMBA}};
// Room for the results of every kind.
constexpr int MAX_RESULTADOS = 32;

const TEquipamento_HVAC* Procura_Equipamento(const std::string& nome) {
  for (const TEquipamento_HVAC& e : EQUIPAMENTOS) {
    if (nome == e.nome) return &e;
  }
  for (const TEquipamento_HVAC& e : BOMBAS) {
    if (nome == e.nome) return &e;
  }
  return nullptr;
}

// A fan coil's data line: the outdoor and return air under the fan coil's
// flags, then each component with its flag 0 set, its groups by type.
struct TGrupo_Componente {
  int flag;
  std::vector<TColuna> colunas;
};
const std::vector<TGrupo_Componente> AR_COMPONENTE = {
    {1, {{"temperature", "C"}}}, {2, {{"relative_humidity", ""}}}, {3, {{"humidity", "kg_kg"}}}};
const std::vector<TGrupo_Componente> GRUPOS_SERPENTINA = {
    {4, {{"heat", "W"}, {"sensible_heat", "W"}}},
    {6, {{"water_inlet_temperature", "C"}, {"water_outlet_temperature", "C"}}},
    {7, {{"water_flow", "L_s"}}},
    {5, {{"condensate_flow", "g_s"}}}};
const std::vector<TGrupo_Componente> GRUPOS_VENTILADOR = {
    {4, {{"heat", "W"}}}, {5, {{"result_7", ""}}}, {6, {{"air_flow", ""}}}};
const struct {
  const char* nome;
  std::vector<TGrupo_Componente> grupos;
  bool consome;  // on the consumption line
} COMPONENTES[] = {
    {"mixing_box", {}, false},
    {"electric_heater", {{4, {{"heat", "W"}}}, {5, {{"result_7", ""}}}}, true},
    {"heating_coil", GRUPOS_SERPENTINA, false},
    {"cooling_coil", GRUPOS_SERPENTINA, false},
    {"humidifier", {{4, {{"heat", "W"}, {"sensible_heat", "W"}}}, {5, {{"result_8", ""}}}}, true},
    {"supply_fan", GRUPOS_VENTILADOR, true},
    {"return_fan", GRUPOS_VENTILADOR, true},
};
constexpr int TIPOS_COMPONENTE = sizeof COMPONENTES / sizeof COMPONENTES[0];
const struct {
  int flag;
  const char* nome;
  int flags[3];
} AR_FANCOIL[] = {{1, "outdoor_air_", {2, 3, 4}}, {5, "return_air_", {6, 7, 8}}};

// The columns of a fan coil's lines, from its description: the data line's
// (consumo false) or the consumption line's, but for its total and extra.
bool Colunas_FanCoil(const std::vector<int>& flags, const std::string& descricao, bool consumo,
                     std::vector<TColuna>* colunas) {
  if (!consumo) {
    for (const auto& ar : AR_FANCOIL) {
      if (flags[ar.flag] == 0) continue;
      for (int k = 0; k < 3; ++k) {
        if (flags[ar.flags[k]] != 0) {
          TColuna c = AR_COMPONENTE[k].colunas[0];
          colunas->push_back({ar.nome + c.nome, c.unidade});
        }
      }
    }
  }
  int contagem[TIPOS_COMPONENTE] = {};
  for (const std::string& texto : Valores_Descritos(descricao, "component")) {
    const size_t dois_pontos = texto.find(':');
    std::vector<int> tipo, f;
    if (dois_pontos == std::string::npos || !Le_Numeros(texto.substr(0, dois_pontos), &tipo) ||
        tipo[0] >= TIPOS_COMPONENTE || !Le_Numeros(texto.substr(dois_pontos + 1), &f) ||
        f.size() != TComponente_HVAC::NUM_CONFIG_UM) {
      return false;
    }
    const auto& c = COMPONENTES[tipo[0]];
    const std::string prefixo =
        std::string(c.nome) + "_" + std::to_string(++contagem[tipo[0]]) + "_";
    if (consumo) {
      if (c.consome) colunas->push_back({prefixo + "consumption", ""});
      continue;
    }
    if (f[0] == 0) continue;
    std::vector<TGrupo_Componente> grupos = AR_COMPONENTE;
    grupos.insert(grupos.end(), c.grupos.begin(), c.grupos.end());
    for (const TGrupo_Componente& g : grupos) {
      if (f[g.flag] == 0) continue;
      for (const TColuna& coluna : g.colunas) {
        colunas->push_back({prefixo + coluna.nome, coluna.unidade});
      }
    }
  }
  return true;
}

// Records of fixed columns, one a step: record k closes step k.
class TSerie_Passos : public TSerie {
 public:
  explicit TSerie_Passos(int intervalo) : intervalo_(intervalo) {}
  bool Le(std::vector<double>* valores, long long* segundos) override {
    valores->assign(colunas_.size(), 0.0);
    if (!Le_Registro(valores->data())) return false;
    *segundos = ++registros_ * intervalo_;
    return true;
  }
  std::vector<TColuna>* Colunas_Editaveis() { return &colunas_; }

 protected:
  virtual bool Le_Registro(double* v) = 0;

 private:
  long long intervalo_;
  long long registros_ = 0;
};

// A primary-equipment data stream through the library's reader.
class TSerie_Equipamento : public TSerie_Passos {
 public:
  TSerie_Equipamento(const TEquipamento_HVAC& e, std::vector<int> flags, int intervalo)
      : TSerie_Passos(intervalo), e_(e), flags_(std::move(flags)) {
    for (const TValor_HVAC& v : e.linha) {
      if (flags_[v.flag] != 0) colunas_.push_back({v.nome, v.unidade});
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
    float r[MAX_RESULTADOS] = {};
    if (flags_[0] == 0 || !(geren_->*e_.le)(n_, flags_.data(), r)) return false;
    for (const TValor_HVAC& valor : e_.linha) {
      if (flags_[valor.flag] != 0) *v++ = r[valor.indice];
    }
    return true;
  }

 private:
  TGeren_ArquivoAux* geren_ = Geren_ArqAux();
  const TEquipamento_HVAC& e_;
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
  const std::vector<std::string> tipo = Valores_Descritos(d.descricao, "kind");
  const std::vector<std::string> texto_flags = Valores_Descritos(d.descricao, "flags");
  const TEquipamento_HVAC* e = tipo.empty() ? nullptr : Procura_Equipamento(tipo.front());
  const size_t num_flags = e != nullptr ? e->flags : CFanCoil::NUM_CONFIG_UM;
  std::vector<int> flags;
  if ((e == nullptr && (tipo.empty() || tipo.front() != "fancoil")) || texto_flags.empty() ||
      !Le_Numeros(texto_flags.front(), &flags) || flags.size() != num_flags) {
    *erro = "'" + caminho + "' needs the description of its HVAC data stream (kind and flags)";
    return nullptr;
  }
  const bool consumo = d.tipo->leitura == TLeitura::Consumo_HVAC;
  if (e != nullptr && !consumo) {
    auto s = std::make_unique<TSerie_Equipamento>(*e, flags, intervalo);
    if (!s->Abre(caminho)) return nullptr;
    erro->clear();
    return s;
  }
  auto s = std::make_unique<TSerie_Linhas>(intervalo);
  std::vector<TColuna>* colunas = s->Colunas_Editaveis();
  if (!s->Abre(caminho)) return nullptr;
  if (e == nullptr && !Colunas_FanCoil(flags, d.descricao, consumo, colunas)) return nullptr;
  if (consumo) {
    colunas->push_back({e == nullptr ? "total_consumption" : "consumption", ""});
    if (s->Conta_Valores() == colunas->size() + 1) colunas->push_back({"extra", ""});
  }
  erro->clear();
  return s;
}
