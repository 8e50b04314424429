// The kinds of HVAC output stream, each written once: its name, its flags
// and reports, the library's operations on its streams and its data line.
//
// A data line holds, for each group whose flag is set, its results in
// stream order. Its columns are named for what the value is. Where the
// report titles do not say what a result is, its meaning is the HVAC
// model's (contracts/hvac_model.h). Relative humidity and efficiency stored
// as fractions are ratios ("1"); the reports show them times 100.
#include <arqaux/arqaux.h>
#include <arqaux/dados.h>

#include <memory>
#include <type_traits>
#include <utility>

namespace {

using G = TGeren_ArquivoAux;

// The contract object of kind E behind the library's writers of its streams.
template <class E, void (G::*DADOS)(E*, int), void (G::*CONSUMO)(E*, int, float, bool)>
class TObjeto : public TObjeto_HVAC {
  using Modelo = std::remove_pointer_t<decltype(std::declval<E&>().R_Modelo())>;
  static_assert(Modelo::NUM_RESULTADOS <= MAX_RESULTADOS_HVAC, "a reader's results fit");

 public:
  int Flags() const override { return E::NUM_CONFIG_UM; }
  void A_Config_UM(int k, int valor) override { e_.A_Config_UM(k, valor); }
  void A_Result_UM(int indice, float valor) override { e_.R_Modelo()->A_Result_UM(indice, valor); }
  void Grava_Dados(G* g, int n) override { (g->*DADOS)(&e_, n); }
  bool Grava_Consumo(G* g, int n, float extra, bool com_extra) override {
    // A kind without a consumption stream (the boiler) has no writer.
    if (CONSUMO == nullptr) return false;
    (g->*CONSUMO)(&e_, n, extra, com_extra);
    return true;
  }

 private:
  E e_;
};

template <class E, void (G::*DADOS)(E*, int), void (G::*CONSUMO)(E*, int, float, bool)>
std::unique_ptr<TObjeto_HVAC> Cria() {
  return std::make_unique<TObjeto<E, DADOS, CONSUMO>>();
}

// Columns by what they hold.
constexpr const char* C =
    "\xC2\xB0"
    "C";
TValor_HVAC Temperatura(int flag, int indice, const char* nome) {
  return {flag, indice, nome, "temperature", C};
}
TValor_HVAC Potencia(int flag, int indice, const char* nome) {
  return {flag, indice, nome, "power", "W"};
}
TValor_HVAC Razao(int flag, int indice, const char* nome) {
  return {flag, indice, nome, "ratio", "1"};
}

// The data line of an air-cooled chiller.
std::vector<TValor_HVAC> Linha_Chiller_Ar() {
  return {Temperatura(1, 8, "evaporator_water_inlet_temperature"),
          Temperatura(1, 3, "evaporator_water_outlet_temperature"),
          Potencia(2, 2, "evaporator_heat"),
          Potencia(3, 7, "compressor_power"),
          Razao(4, 5, "coefficient_of_performance"),
          Temperatura(5, 4, "condenser_air_inlet_temperature")};
}

// The data line of a water-cooled chiller.
std::vector<TValor_HVAC> Linha_Chiller_Agua() {
  return {Temperatura(1, 11, "evaporator_water_inlet_temperature"),
          Temperatura(1, 4, "evaporator_water_outlet_temperature"),
          Temperatura(2, 12, "condenser_water_inlet_temperature"),
          Temperatura(2, 6, "condenser_water_outlet_temperature"),
          Potencia(3, 2, "evaporator_heat"),
          Potencia(4, 3, "condenser_heat"),
          Potencia(5, 10, "compressor_power"),
          Razao(6, 8, "coefficient_of_performance"),
          Razao(7, 5, "part_load_ratio"),
          {8, 7, "evaporator_water_flow", "mass_flow", "kg/s"}};
}

// The data line of a cooling tower.
std::vector<TValor_HVAC> Linha_Torre() {
  return {Temperatura(1, 7, "water_inlet_temperature"),
          Temperatura(1, 1, "water_outlet_temperature"),
          Potencia(2, 0, "heat"),
          Temperatura(3, 8, "air_inlet_temperature"),
          Temperatura(3, 3, "air_outlet_temperature"),
          Razao(4, 9, "air_inlet_relative_humidity"),
          Razao(4, 4, "air_outlet_relative_humidity"),
          Potencia(5, 6, "fan_power")};
}

// The data line of a boiler.
std::vector<TValor_HVAC> Linha_Boiler() {
  return {{1, 0, "operating_mode", "code", ""},
          Temperatura(2, 2, "water_outlet_temperature"),
          Temperatura(2, 3, "water_mean_outlet_temperature"),
          Temperatura(2, 4, "water_inlet_temperature"),
          Potencia(3, 7, "useful_power"),
          Potencia(4, 8, "heat"),
          Razao(5, 9, "efficiency"),
          {6, 6, "fuel_consumption", "mass", "kg"},
          {7, 5, "fuel_flow", "mass_flow", "kg/s"},
          {8, 10, "water_mass_flow", "mass_flow", "kg/s"}};
}

// The line the three pumps share.
std::vector<TValor_HVAC> Linha_Bomba() {
  return {Temperatura(1, 4, "water_inlet_temperature"),
          Temperatura(1, 1, "water_outlet_temperature"),
          Potencia(2, 0, "heat"),
          {3, 2, "water_volume_flow", "volume_flow", "L/s"},
          Potencia(4, 3, "electric_power")};
}

// The chillers and the cooling tower.
std::vector<TTipo_HVAC> Tipos_Agua_Gelada() {
  return {
      {"chiller-ar",
       "air-cooled chiller",
       CChillerAr::NUM_CONFIG_UM,
       {0, 1, 2},
       &G::Le_Saida_ChillerAr_Dados,
       &G::Preenche_Cabecalho_ChillerAr,
       &G::Salva_Texo_Dados_ChillerAr,
       Cria<CChillerAr, &G::Grava_Saida_ChillerAr_Dados, &G::Grava_Saida_ChillerAr_Consumo>,
       Linha_Chiller_Ar(),
       11},
      {"chiller-agua",
       "water-cooled chiller",
       CChillerAgua::NUM_CONFIG_UM,
       {3, 4, 5, 6, 7},
       &G::Le_Saida_ChillerAgua_Dados,
       &G::Preenche_Cabecalho_ChillerAgua,
       &G::Salva_Texo_Dados_ChillerAgua,
       Cria<CChillerAgua, &G::Grava_Saida_ChillerAgua_Dados, &G::Grava_Saida_ChillerAgua_Consumo>,
       Linha_Chiller_Agua(),
       14},
      {"torre",
       "cooling tower",
       CTorre::NUM_CONFIG_UM,
       {0, 1, 2, 3, 4},
       &G::Le_Saida_Torre_Dados,
       &G::Preenche_Cabecalho_Torre,
       &G::Salva_Texo_Dados_Torre,
       Cria<CTorre, &G::Grava_Saida_Torre_Dados, &G::Grava_Saida_Torre_Consumo>,
       Linha_Torre(),
       10},
  };
}

// The three pumps, which share their line and their reports.
std::vector<TTipo_HVAC> Tipos_Bombas() {
  const std::vector<TValor_HVAC> bomba = Linha_Bomba();
  const std::vector<int> variaveis_bomba = {0, 1, 2, 3};
  return {
      {"bomba-ag", "chilled-water pump", CBombaAG::NUM_CONFIG_UM, variaveis_bomba,
       &G::Le_Saida_BombaAG_Dados, &G::Preenche_Cabecalho_BombaAG, &G::Salva_Texo_Dados_BombaAG,
       Cria<CBombaAG, &G::Grava_Saida_BombaAG_Dados, &G::Grava_Saida_BombaAG_Consumo>, bomba, 5},
      {"bomba-aq", "hot-water pump", CBombaAQ::NUM_CONFIG_UM, variaveis_bomba,
       &G::Le_Saida_BombaAQ_Dados, &G::Preenche_Cabecalho_BombaAQ, &G::Salva_Texo_Dados_BombaAQ,
       Cria<CBombaAQ, &G::Grava_Saida_BombaAQ_Dados, &G::Grava_Saida_BombaAQ_Consumo>, bomba, 5},
      {"bomba-cond", "condenser-water pump", CBombaAC::NUM_CONFIG_UM, variaveis_bomba,
       &G::Le_Saida_BombaCond_Dados, &G::Preenche_Cabecalho_BombaAC, &G::Salva_Texo_Dados_BombaAC,
       Cria<CBombaAC, &G::Grava_Saida_BombaCond_Dados, &G::Grava_Saida_BombaCond_Consumo>, bomba,
       5},
  };
}

// Every kind, in the order the sample and the reports list them.
std::vector<TTipo_HVAC> Cria_Tipos() {
  std::vector<TTipo_HVAC> tipos = {
      {"fancoil",
       "fan coil",
       CFanCoil::NUM_CONFIG_UM,
       {0, 1, 2, 3, 4, 5, 6, 13, 16},
       nullptr,
       nullptr,
       nullptr,
       nullptr,
       {},
       -1},
  };
  const std::vector<TTipo_HVAC> agua_gelada = Tipos_Agua_Gelada(), bombas = Tipos_Bombas();
  tipos.insert(tipos.end(), agua_gelada.begin(), agua_gelada.end());
  tipos.push_back({"boiler",
                   "boiler",
                   CBoiler::NUM_CONFIG_UM,
                   {0, 1, 2, 3, 4, 5, 6, 7},
                   &G::Le_Saida_Boiler_Dados,
                   &G::Preenche_Cabecalho_Boiler,
                   &G::Salva_Texo_Dados_Boiler,
                   Cria<CBoiler, &G::Grava_Saida_Boiler_Dados, nullptr>,
                   Linha_Boiler(),
                   -1});
  tipos.insert(tipos.end(), bombas.begin(), bombas.end());
  return tipos;
}

}  // namespace

const std::vector<TTipo_HVAC>& Tipos_HVAC() {
  static const std::vector<TTipo_HVAC> tipos = Cria_Tipos();
  return tipos;
}

const TTipo_HVAC* Procura_Tipo_HVAC(const std::string& nome) {
  for (const TTipo_HVAC& t : Tipos_HVAC()) {
    if (nome == t.nome) return &t;
  }
  return nullptr;
}
