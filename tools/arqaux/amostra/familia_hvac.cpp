// The HVAC plant of the sample: each zone has a fan coil (mixing box,
// cooling coil, heating coil, humidifier, electric heater, supply and return
// fans) and the building one member of each kind of primary equipment. Each
// step works out, with plain physics, what the plant does to meet the zones'
// heating and cooling, stores the results in the equipment through its
// setters and writes every data and consumption stream. At the end each
// data stream gets a description beside it (descricao_hvac.h) and its
// reports, one per variable.
//
// Files: "zonaN_fancoil.dat" and "zonaN_fancoil_consumo.dat" per zone, and
// "<kind>.dat", "<kind>_consumo.dat" (boilers have none) per kind of
// equipment; "<stream>.desc" beside each data stream; "<stem>_vV.txt", the
// report of variable V. Consumption lines hold the electric power drawn
// over the step, W, as the HVAC model defines its consumption results.
//
// The plant is worked out and written at every step of the run, or, with
// --hvac-interval, every so many seconds, as a host samples its HVAC system
// at a report step of its own: a fan coil's line holds some forty values and
// each of its nine reports scans the whole stream again, so at every
// 600-second step the plant's files cost several times all the zones'
// together.
#include <arqaux/arqaux.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "amostra/amostra.h"
#include "comum/verificacoes.h"
#include "hvac/descricao_hvac.h"

namespace {

const char* const kFamilia = "hvac";

constexpr double kCpAr = 1006.0;       // J/(kg K)
constexpr double kCpAgua = 4186.0;     // J/(kg K); a kg of water is a litre
constexpr double kPressao = 101325.0;  // Pa
constexpr double kLatente = 2.45e6;    // J/kg of water condensed or evaporated
constexpr double kPciGas = 42.7e6;     // J/kg of fuel
constexpr double kSaltoAr = 10.0;      // K between the supply and the zone air at full load
constexpr double kSaltoFria = 5.0;     // K across the chilled-water loop at full load
constexpr double kSaltoQuente = 15.0;  // K across the hot-water loop at full load

// The fan coil's components in list order: type code and monitoring flags.
// Humidity is monitored where the air's water changes (the mixing box, the
// cooling coil, the humidifier), and each component's own quantities: heat,
// power, the coils' water and condensate, the fans' air flow.
const TComponente_Descrito kComponentes[] = {
    {0, {1, 1, 1, 1, 0, 0, 0, 0}}, {3, {1, 1, 1, 1, 1, 1, 1, 1}}, {2, {1, 1, 0, 0, 1, 0, 1, 1}},
    {4, {1, 1, 1, 1, 1, 1, 0, 0}}, {1, {1, 1, 0, 0, 1, 1, 0, 0}}, {5, {1, 1, 0, 0, 1, 1, 1, 0}},
    {6, {1, 1, 0, 0, 1, 1, 1, 0}}};
constexpr int kNumComponentes = sizeof kComponentes / sizeof kComponentes[0];
enum { CAIXA, RESFRIAMENTO, AQUECIMENTO, UMIDIFICADOR, RESISTENCIA, INSUFLAMENTO, RETORNO };
// The reports of a fan coil: variable and the type of its selected component.
const std::vector<TRelatorio_Descrito> kRelatoriosFancoil = {{0, SEM_SELECIONADO},
                                                             {1, SEM_SELECIONADO},
                                                             {2, SEM_SELECIONADO},
                                                             {3, 3},
                                                             {4, 2},
                                                             {5, 3},
                                                             {6, 3},
                                                             {13, 5},
                                                             {16, SEM_SELECIONADO}};

double Limita(double v, double minimo, double maximo) {
  return std::min(maximo, std::max(minimo, v));
}

// ---- moist air ----

double Pressao_Saturacao(double t) { return 610.94 * std::exp(17.625 * t / (t + 243.04)); }
double Umidade_Saturacao(double t) {
  const double p = Pressao_Saturacao(t);
  return 0.622 * p / (kPressao - p);
}
// Relative humidity (0 to 1) of air at t degC holding w kg/kg.
double Umidade_Relativa(double t, double w) {
  return Limita(w * kPressao / (0.622 + w) / Pressao_Saturacao(t), 0.0, 1.0);
}
// Wet-bulb temperature from dry bulb and relative humidity (0 to 1).
double Bulbo_Umido(double t, double ur) {
  const double u = 100.0 * ur;
  return t * std::atan(0.151977 * std::sqrt(u + 8.313659)) + std::atan(t + u) -
         std::atan(u - 1.676331) + 0.00391838 * std::pow(u, 1.5) * std::atan(0.023101 * u) -
         4.686035;
}

struct TAr {
  double t;  // degC
  double w;  // kg/kg
};

// Results by index: {index, value} pairs stored through the setter.
using TResultados = std::initializer_list<std::pair<int, double>>;
template <class T>
void Guarda(T* alvo, TResultados resultados) {
  for (const auto& r : resultados) alvo->A_Result_UM(r.first, static_cast<float>(r.second));
}

// A fan coil of the sample, its streams and description.
struct TFanCoil_Amostra {
  CFanCoil fancoil;
  TComponente_HVAC* componentes[kNumComponentes] = {};
  int dados = 0, consumo = 0;
  std::string nome;  // "zonaN_fancoil"
  TDescricao descricao;
};

// A member of the primary plant: its equipment, streams and description.
struct TEquip_Amostra {
  std::string nome;  // the kind's name
  std::unique_ptr<TObjeto_HVAC> objeto;
  int dados = 0, consumo = 0;
  TDescricao descricao;
};
// The members whose results the plant works out, in the order of
// Tipos_HVAC after the fan coil; a kind after them is written with its
// results at 0.
enum { CHILLER_AR, CHILLER_AGUA, TORRE, BOILER, BOMBA_AG, BOMBA_AQ, BOMBA_AC };

// What the fan coils asked of the plant in a step.
struct TCarga_Planta {
  double frio = 0.0;     // W taken by the cooling coils
  double quente = 0.0;   // W given by the heating coils
  double t_fria = 7.0;   // chilled-water supply, degC
  double t_quente = 60;  // hot-water supply, degC
};

class TFamilia_HVAC : public TFamilia_Amostra {
 public:
  const char* Familia() const override { return kFamilia; }
  TResultado Abre(TContexto_Amostra* c) override;
  void Passo(const TPasso_Amostra& p) override;
  TResultado Fecha(TContexto_Amostra* c) override;
  TResultado Converte(TContexto_Amostra* c) override;

 private:
  void Passo_FanCoil(TFanCoil_Amostra* f, const TZona_Passo& z, const TEntradas_Passo& e,
                     TCarga_Planta* carga);
  void Passo_Resfriamento(const TCarga_Planta& carga, const TAr& externo);
  void Passo_Aquecimento(const TCarga_Planta& carga);
  void Grava_Planta();

  TGeren_ArquivoAux* geren_ = nullptr;
  int intervalo_ = 0;  // seconds between lines of the HVAC streams
  double capacidade_frio_ = 0.0, capacidade_quente_ = 0.0;  // W of the whole building
  double cop_agua_ = 5.0;      // the water-cooled chiller's, from the step before
  double saida_media_ = 60.0;  // the boiler's outlet, averaged over about a day
  // The results of member k.
  TObjeto_HVAC* Equip(int k) { return equips_[k].objeto.get(); }
  std::vector<std::unique_ptr<TFanCoil_Amostra>> fancoils_;
  std::vector<TEquip_Amostra> equips_;
};

// Every flag of a fan coil set.
std::vector<int> Monitora(CFanCoil* fancoil) {
  for (int k = 0; k < CFanCoil::NUM_CONFIG_UM; ++k) fancoil->A_Config_UM(k, 1);
  return std::vector<int>(CFanCoil::NUM_CONFIG_UM, 1);
}

TResultado TFamilia_HVAC::Abre(TContexto_Amostra* c) {
  geren_ = c->geren;
  intervalo_ = c->opcoes.intervalo_hvac > 0 ? c->opcoes.intervalo_hvac : c->opcoes.intervalo;
  for (int i = 0; i < c->opcoes.zonas; ++i) {
    const TZona_Modelo m = Modelo_Zona(i);
    capacidade_frio_ += 1.3 * 10.0 * m.condutancia;
    capacidade_quente_ += 1.3 * 8.0 * m.condutancia;
    auto f = std::make_unique<TFanCoil_Amostra>();
    f->nome = "zona" + std::to_string(i + 1) + "_fancoil";
    TDescricao& d = f->descricao;
    d.tipo = Tipos_HVAC().front().nome;
    d.numero = i + 1;
    d.flags = Monitora(&f->fancoil);
    d.relatorios = kRelatoriosFancoil;
    d.componentes.assign(kComponentes, kComponentes + kNumComponentes);
    Insere_Componentes(f->fancoil.R_Geren_Comp(), d.componentes);
    int k = 0;
    for (TComponente_HVAC* comp : f->fancoil.R_Geren_Comp()->R_Componentes_Sist_Sec()) {
      f->componentes[k++] = comp;
    }
    if (TResultado erro = c->Abre_Fluxo(kFamilia, f->nome + ".dat", &f->dados); !erro.Ok())
      return erro;
    if (TResultado erro = c->Abre_Fluxo(kFamilia, f->nome + "_consumo.dat", &f->consumo);
        !erro.Ok())
      return erro;
    fancoils_.push_back(std::move(f));
  }
  for (const TTipo_HVAC& tipo : Tipos_HVAC()) {
    if (tipo.cria == nullptr) continue;
    TEquip_Amostra& q = equips_.emplace_back();
    q.nome = tipo.nome;
    q.objeto = tipo.cria();
    for (int k = 0; k < tipo.flags; ++k) q.objeto->A_Config_UM(k, 1);
    q.descricao.tipo = tipo.nome;
    q.descricao.numero = 1;
    q.descricao.flags.assign(tipo.flags, 1);
    for (int v : tipo.variaveis) q.descricao.relatorios.push_back({v, SEM_SELECIONADO});
    if (TResultado erro = c->Abre_Fluxo(kFamilia, q.nome + ".dat", &q.dados); !erro.Ok())
      return erro;
    if (tipo.consumo < 0) continue;
    if (TResultado erro = c->Abre_Fluxo(kFamilia, q.nome + "_consumo.dat", &q.consumo); !erro.Ok())
      return erro;
  }
  return {};
}

void TFamilia_HVAC::Passo(const TPasso_Amostra& p) {
  if (p.segundos % intervalo_ != 0) return;
  const TReg_Climatico& clima = p.entradas.clima;
  TCarga_Planta carga;
  // Supply water reset with the weather: colder chilled water on hot days,
  // hotter heating water on cold ones.
  carga.t_fria = Limita(9.0 - 0.12 * (clima.Temperatura - 15.0), 5.5, 9.0);
  carga.t_quente = Limita(70.0 - 0.8 * clima.Temperatura, 45.0, 75.0);
  for (const TZona_Passo& z : p.zonas) {
    Passo_FanCoil(fancoils_[z.indice].get(), z, p.entradas, &carga);
  }
  Passo_Resfriamento(carga, {clima.Temperatura, clima.Umidade});
  Passo_Aquecimento(carga);
  Grava_Planta();
}

// Air leaving component comp: temperature, humidity and relative humidity.
void Guarda_Ar(TComponente_HVAC* comp, const TAr& ar) {
  Guarda(comp, {{0, ar.t}, {1, ar.w}, {2, 100.0 * Umidade_Relativa(ar.t, ar.w)}});
}

// Cooling coil comp taking q_frio W of sensible heat off vazao kg/s of air:
// the air leaves on the line from its state to saturation at the coil's
// surface (some 3 K above the water), so that it loses water whenever it is
// moister than that. Returns the coil's total load, W.
double Passo_Serpentina_Fria(TComponente_HVAC* comp, double q_frio, double vazao, double t_fria,
                             TAr* ar) {
  const TAr antes = *ar;
  ar->t -= q_frio / (vazao * kCpAr);
  const double t_superficie = t_fria + 3.0;
  if (q_frio > 0.0 && antes.t > t_superficie) {
    const double w_superficie = Umidade_Saturacao(t_superficie);
    const double desvio = Limita((ar->t - t_superficie) / (antes.t - t_superficie), 0.0, 1.0);
    ar->w = std::min(antes.w, w_superficie + desvio * (antes.w - w_superficie));
  }
  const double condensado = vazao * (antes.w - ar->w);  // kg/s
  const double total = q_frio + condensado * kLatente;
  const double agua_fria = 0.005 + total / (kCpAgua * kSaltoFria);
  Guarda(comp, {{6, total},
                {7, q_frio},
                {8, t_fria},
                {9, t_fria + total / (agua_fria * kCpAgua)},
                {10, agua_fria},
                {12, 1000.0 * condensado}});
  Guarda_Ar(comp, *ar);
  return total;
}

// Heating coil comp adding q_aquec W to vazao kg/s of air.
void Passo_Serpentina_Quente(TComponente_HVAC* comp, double q_aquec, double vazao, double t_quente,
                             TAr* ar) {
  const double agua_quente = 0.005 + q_aquec / (kCpAgua * kSaltoQuente);
  ar->t += q_aquec / (vazao * kCpAr);
  Guarda(comp, {{6, q_aquec},
                {7, q_aquec},
                {8, t_quente},
                {9, t_quente - q_aquec / (agua_quente * kCpAgua)},
                {10, agua_quente},
                {12, 0.0}});
  Guarda_Ar(comp, *ar);
}

// Humidifier comp: steam up to 35% relative humidity when the air is drier.
void Passo_Umidificador(TComponente_HVAC* comp, double vazao, TAr* ar) {
  const double vapor = vazao * std::max(0.0, 0.35 * Umidade_Saturacao(ar->t) - ar->w);  // kg/s
  ar->w += vapor;
  const double calor_vapor = vapor * (kLatente + 1860.0 * (100.0 - ar->t));
  Guarda(comp, {{6, vapor * 1860.0 * (100.0 - ar->t)},
                {7, calor_vapor},
                {8, calor_vapor / 0.95},
                {9, calor_vapor / 0.95}});
  Guarda_Ar(comp, *ar);
}

// Fan coil f through one step: the return fan, the mixing box, the coils,
// the humidifier, the heater and the supply fan in the order the air meets
// them. The air flow follows the zone's load; the coils meet it.
void TFamilia_HVAC::Passo_FanCoil(TFanCoil_Amostra* f, const TZona_Passo& z,
                                  const TEntradas_Passo& e, TCarga_Planta* carga) {
  const TAr externo = {e.clima.Temperatura, e.clima.Umidade};
  const TAr zona = {z.temperatura, z.umidade};
  const double q_frio = z.calor_resfriamento;
  const double q_aquec = 0.8 * z.calor_aquecimento, q_eletrico = 0.2 * z.calor_aquecimento;
  const double vazao = 0.05 + (q_frio + z.calor_aquecimento) / (kCpAr * kSaltoAr);  // kg/s
  TComponente_HVAC** c = f->componentes;
  // A fan moving the air against pressao Pa: its power and the heat it adds.
  auto Ventilador = [&](TComponente_HVAC* comp, double pressao, TAr* ar) {
    const double potencia = pressao * vazao / 1.2 / 0.6;
    ar->t += 0.9 * potencia / (vazao * kCpAr);
    Guarda(comp, {{6, 0.9 * potencia}, {7, potencia}, {8, vazao}, {9, potencia}});
    Guarda_Ar(comp, *ar);
  };

  TAr ar = zona;
  Ventilador(c[RETORNO], 250.0, &ar);
  const double fracao = e.ocupado ? 0.3 : 0.1;  // outdoor air let in
  ar = {(1 - fracao) * ar.t + fracao * externo.t, (1 - fracao) * ar.w + fracao * externo.w};
  Guarda_Ar(c[CAIXA], ar);
  carga->frio += Passo_Serpentina_Fria(c[RESFRIAMENTO], q_frio, vazao, carga->t_fria, &ar);
  Passo_Serpentina_Quente(c[AQUECIMENTO], q_aquec, vazao, carga->t_quente, &ar);
  carga->quente += q_aquec;
  Passo_Umidificador(c[UMIDIFICADOR], vazao, &ar);
  ar.t += q_eletrico / (vazao * kCpAr);
  Guarda(c[RESISTENCIA], {{6, q_eletrico}, {7, q_eletrico}, {8, q_eletrico}});
  Guarda_Ar(c[RESISTENCIA], ar);
  Ventilador(c[INSUFLAMENTO], 600.0, &ar);

  const double ur_externa = 100.0 * Umidade_Relativa(externo.t, externo.w);
  Guarda(&f->fancoil, {{11, externo.t},
                       {12, externo.w},
                       {13, ur_externa},
                       {14, zona.t},
                       {15, zona.w},
                       {16, 100.0 * Umidade_Relativa(zona.t, zona.w)}});
  geren_->Grava_Saida_FanCoil_Dados(&f->fancoil, f->dados);
  geren_->Grava_Saida_FanCoil_Consumo(&f->fancoil, f->consumo, 0.0f, false);
}

// A pump moving vazao kg/s of a loop designed for projeto kg/s at altura m
// of head, water coming in at t_entrada: the head follows the loop's curve
// and the efficiency falls at low flow.
void Passo_Bomba(TObjeto_HVAC* bomba, double vazao, double projeto, double altura,
                 double t_entrada) {
  const double fracao = vazao / projeto;
  const double potencia = 9810.0 * altura * (0.4 + 0.6 * fracao * fracao) * vazao / 1000.0 /
                          (0.45 + 0.3 * std::min(1.0, fracao));
  const double calor = 0.85 * potencia;
  Guarda(bomba, {{0, calor},
                 {1, t_entrada + calor / (vazao * kCpAgua)},
                 {2, vazao},
                 {3, potencia},
                 {4, t_entrada},
                 {5, potencia}});
}

// The chillers share the cooling load, the air-cooled one 40%; the tower
// rejects the water-cooled one's heat; the chilled-water and condenser
// pumps move their loops. A chiller's efficiency falls as the air or water
// it rejects heat to warms.
void TFamilia_HVAC::Passo_Resfriamento(const TCarga_Planta& carga, const TAr& externo) {
  const double ur = Umidade_Relativa(externo.t, externo.w);
  const double projeto = capacidade_frio_ / (kCpAgua * kSaltoFria);  // kg/s of chilled water

  const double q_ar = 0.4 * carga.frio, q_agua = 0.6 * carga.frio;
  const double vazao_ar = std::max(0.3 * 0.4 * projeto, q_ar / (kCpAgua * kSaltoFria));
  const double cop_ar = Limita(3.4 - 0.06 * (externo.t - 25.0), 1.8, 5.0);
  Guarda(Equip(CHILLER_AR), {{2, q_ar},
                             {3, carga.t_fria},
                             {4, externo.t},
                             {5, cop_ar},
                             {7, q_ar / cop_ar},
                             {8, carga.t_fria + q_ar / (vazao_ar * kCpAgua)},
                             {11, q_ar / cop_ar}});

  // The tower: its approach to the wet bulb widens with its load.
  const double q_torre = q_agua * (1.0 + 1.0 / cop_agua_);
  const double carga_torre = Limita(q_torre / (0.6 * 1.25 * capacidade_frio_), 0.0, 1.0);
  const double bulbo = Bulbo_Umido(externo.t, ur);
  const double t_condensacao = bulbo + 2.5 + 3.0 * carga_torre;
  const double vazao_cond = 0.6 * 1.25 * projeto;
  const double t_retorno = t_condensacao + q_torre / (vazao_cond * kCpAgua);
  const double ventilador = 0.012 * 0.6 * capacidade_frio_ * std::pow(carga_torre, 3);
  const double t_ar_saida = std::max(bulbo + 0.5 * (t_retorno - bulbo), externo.t - 2.0);
  Guarda(Equip(TORRE), {{0, q_torre},
                        {1, t_condensacao},
                        {3, t_ar_saida},
                        {4, 0.95},
                        {6, ventilador},
                        {7, t_retorno},
                        {8, externo.t},
                        {9, ur},
                        {10, ventilador}});

  const double vazao_agua = std::max(0.3 * 0.6 * projeto, q_agua / (kCpAgua * kSaltoFria));
  cop_agua_ = Limita(5.8 - 0.1 * (t_condensacao - 29.0), 3.0, 7.0);
  const double compressor = q_agua / cop_agua_;
  Guarda(Equip(CHILLER_AGUA), {{2, q_agua},
                               {3, q_agua + compressor},
                               {4, carga.t_fria},
                               {5, q_agua / (0.6 * capacidade_frio_)},
                               {6, t_condensacao + (q_agua + compressor) / (vazao_cond * kCpAgua)},
                               {7, vazao_agua},
                               {8, cop_agua_},
                               {10, compressor},
                               {11, carga.t_fria + q_agua / (vazao_agua * kCpAgua)},
                               {12, t_condensacao},
                               {14, compressor}});

  Passo_Bomba(Equip(BOMBA_AG), vazao_ar + vazao_agua, projeto, 20.0,
              carga.t_fria + carga.frio / ((vazao_ar + vazao_agua) * kCpAgua));
  Passo_Bomba(Equip(BOMBA_AC), vazao_cond, vazao_cond, 15.0, t_retorno);
}

// The boiler meets the heating coils; its efficiency falls at part load.
void TFamilia_HVAC::Passo_Aquecimento(const TCarga_Planta& carga) {
  const double projeto = capacidade_quente_ / (kCpAgua * kSaltoQuente);
  const double vazao = std::max(0.3 * projeto, carga.quente / (kCpAgua * kSaltoQuente));
  const double parcial = Limita(carga.quente / capacidade_quente_, 0.0, 1.0);
  const bool ligada = carga.quente > 0.0;
  const double eficiencia = ligada ? 0.89 - 0.15 * (1.0 - parcial) * (1.0 - parcial) : 0.0;
  const double queimado = ligada ? carga.quente / eficiencia : 0.0;
  const double t_entrada = carga.t_quente - carga.quente / (vazao * kCpAgua);
  // An average over about a day of steps.
  const double peso = std::min(1.0, static_cast<double>(intervalo_) / kSegundosDia);
  saida_media_ += peso * (carga.t_quente - saida_media_);
  Guarda(Equip(BOILER), {{0, ligada ? 1.0 : 0.0},
                         {2, carga.t_quente},
                         {3, saida_media_},
                         {4, t_entrada},
                         {5, queimado / kPciGas},
                         {6, queimado / kPciGas * intervalo_},
                         {7, carga.quente},
                         {8, queimado},
                         {9, eficiencia},
                         {10, vazao}});
  Passo_Bomba(Equip(BOMBA_AQ), vazao, projeto, 12.0, t_entrada);
}

void TFamilia_HVAC::Grava_Planta() {
  for (TEquip_Amostra& q : equips_) {
    q.objeto->Grava_Dados(geren_, q.dados);
    if (q.consumo != 0) q.objeto->Grava_Consumo(geren_, q.consumo, 0.0f, false);
  }
}

TResultado TFamilia_HVAC::Fecha(TContexto_Amostra* c) {
  auto Fecha_Membro = [&](const std::string& nome, int dados, int consumo, TDescricao* d) {
    d->intervalo = intervalo_;
    d->inicio = c->inicio;
    d->fim = c->fim;
    if (TResultado erro = c->Fecha_Fluxo(dados, nome + ".dat"); !erro.Ok()) return erro;
    if (consumo != 0) {
      if (TResultado erro = c->Fecha_Fluxo(consumo, nome + "_consumo.dat"); !erro.Ok()) return erro;
    }
    return c->Descreve(kFamilia, nome + ".dat", Texto_Descricao_HVAC(*d));
  };
  for (auto& f : fancoils_) {
    if (TResultado erro = Fecha_Membro(f->nome, f->dados, f->consumo, &f->descricao); !erro.Ok())
      return erro;
  }
  for (TEquip_Amostra& q : equips_) {
    if (TResultado erro = Fecha_Membro(q.nome, q.dados, q.consumo, &q.descricao); !erro.Ok())
      return erro;
  }
  return {};
}

TResultado TFamilia_HVAC::Converte(TContexto_Amostra* c) {
  TGeren_ArquivoAux* g = geren_;
  auto Converte_Membro = [&](const std::string& nome, int dados,
                             const TDescricao* d) -> TResultado {
    for (const TRelatorio_Descrito& r : d->relatorios) {
      const TContexto_Amostra::Relatorio relatorio = {
          nome + "_v" + std::to_string(r.variavel) + ".txt", dados, 0,
          [g, d, r](int b, int t) { Converte_Saida_HVAC(g, *d, r, b, t); }};
      if (TResultado erro = c->Converte(kFamilia, relatorio); !erro.Ok()) return erro;
    }
    return {};
  };
  // A fan coil's reports all read its one data stream: in one pass.
  for (auto& f : fancoils_) {
    const TDescricao* d = &f->descricao;
    std::vector<std::string> nomes;
    for (const TRelatorio_Descrito& r : d->relatorios) {
      nomes.push_back(f->nome + "_v" + std::to_string(r.variavel) + ".txt");
    }
    const auto converte = [g, d](int b, const std::vector<int>& t) {
      Converte_Saidas_FanCoil(g, *d, b, t);
    };
    if (TResultado erro = c->Converte_Juntos(kFamilia, nomes, f->dados, 0, converte); !erro.Ok())
      return erro;
  }
  for (TEquip_Amostra& q : equips_) {
    if (TResultado erro = Converte_Membro(q.nome, q.dados, &q.descricao); !erro.Ok()) return erro;
  }
  return {};
}

}  // namespace

std::unique_ptr<TFamilia_Amostra> Cria_Familia_HVAC() { return std::make_unique<TFamilia_HVAC>(); }
