// The closed table of what a column may measure. A kind's columns take their
// quantity from here, and their unit among those it allows; a test holds
// every column of every kind to it.
#include <arqaux/dados.h>

#include <string>
#include <vector>

namespace {

const std::vector<TGrandeza> kGrandezas = {
    {"temperature", {"°C"}},
    {"humidity_ratio", {"kg/kg"}},
    {"relative_humidity", {"%", "1"}},
    {"power", {"W", "kW"}},
    {"energy", {"kWh", "J"}},
    {"heat_flux", {"W/m²"}},
    {"irradiance", {"W/m²"}},
    {"power_density", {"W/m²"}},
    {"vapour_flux", {"kg/(m²·s)"}},
    {"vapour_pressure", {"Pa"}},
    {"moisture_content", {"kg/m³"}},
    {"mass_flow", {"kg/s", "g/s"}},
    {"volume_flow", {"L/s", "m³/s"}},
    {"mass", {"kg"}},
    {"speed", {"m/s"}},
    {"angle", {"°"}},
    {"ratio", {"1"}},
    {"percentage", {"%"}},
    {"count", {""}},
    {"code", {""}},
};

}  // namespace

const std::vector<TGrandeza>& Grandezas() { return kGrandezas; }

const TGrandeza* Procura_Grandeza(const std::string& nome) {
  for (const TGrandeza& g : kGrandezas) {
    if (nome == g.nome) return &g;
  }
  return nullptr;
}
