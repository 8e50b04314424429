// The host's HVAC model library as the file manager sees it: room actuators
// (heaters, air conditioners, fan-coil air conditioners, evaporative coolers),
// fan coils with their zones and air-handling components, their controllers
// and the managers that own them. Plain data, no physics.
#ifndef ARQAUX_CONTRACTS_HVAC_MODEL_H_
#define ARQAUX_CONTRACTS_HVAC_MODEL_H_

#include <list>
#include <memory>
#include <string>
#include <vector>

#include "arqaux/contracts/exporta.h"
#include "arqaux/contracts/utility.h"
#include "arqaux/lista.h"

// On/off controller: a reference with a hysteresis band; the second pair is
// used by the controllers on temperature and humidity.
class ARQAUX_CONTRATOS_API TContOnOff {
 public:
  TContOnOff(float histerese, float referencia, float histerese_2 = 0.0f,
             float referencia_2 = 0.0f);
  float R_Referencia() const { return referencia_; }
  float R_Histerese() const { return histerese_; }
  float R_Referencia_2() const { return referencia_2_; }
  float R_Histerese_2() const { return histerese_2_; }
  // Temperature and enthalpy differences that enable ventilation (0 unless set
  // by the fan-coil model).
  float R_Dif_Temp_Vent() const { return dif_temp_vent_; }
  float R_Dif_Ent_Vent() const { return dif_ent_vent_; }
  // The model sets both differences itself and has no setters for them; we
  // add these so that the fan-coil reader can give back the two values the
  // file stores with the ventilation controller: a fan coil read from a file
  // then writes the same file again, where the values would otherwise be lost.
  void A_Dif_Temp_Vent(float valor) { dif_temp_vent_ = valor; }
  void A_Dif_Ent_Vent(float valor) { dif_ent_vent_ = valor; }

 private:
  float histerese_;
  float referencia_;
  float histerese_2_;
  float referencia_2_;
  float dif_temp_vent_ = 0.0f;
  float dif_ent_vent_ = 0.0f;
};

// PID controller: gains 0 to 2 and, as parameter 3, the integration time in
// seconds; a second reference for the controller on temperature and humidity.
class ARQAUX_CONTRATOS_API TContPID {
 public:
  TContPID(float p0, float p1, float p2, float p3, float referencia, float referencia_2 = 0.0f);
  float R_Referencia() const { return referencia_; }
  float R_Referencia_2() const { return referencia_2_; }
  // Parameter k, 0 to 3; 0 for any other k.
  float R_Parametro(int k) const;

 private:
  float parametro_[4];
  float referencia_;
  float referencia_2_;
};

// Automatic controller of an evaporative cooler: temperature and humidity
// windows with hystereses, and minimum and maximum on and off times.
class ARQAUX_CONTRATOS_API TContAutomatico {
 public:
  TContAutomatico(float temperatura_min, float temperatura_max, float histerese_temp,
                  float umidade_min, float umidade_max, float histerese_umrel, int tempo_min_on,
                  int tempo_max_on, int tempo_min_off, int tempo_max_off);
  float R_Temperatura_Min() const { return valores_[0]; }
  float R_Temperatura_Max() const { return valores_[1]; }
  float R_Histerese_Temp() const { return valores_[2]; }
  float R_Umidade_Min() const { return valores_[3]; }
  float R_Umidade_Max() const { return valores_[4]; }
  float R_Histerese_UmRel() const { return valores_[5]; }
  int R_Tempo_Min_ON() const { return tempos_[0]; }
  int R_Tempo_Max_ON() const { return tempos_[1]; }
  int R_Tempo_Min_OFF() const { return tempos_[2]; }
  int R_Tempo_Max_OFF() const { return tempos_[3]; }

 private:
  float valores_[6];
  int tempos_[4];
};

// The controller of an actuator or fan coil. Its kind (R_Tipo_Controlador):
// 1 on/off, 2 no controller settings (what a new controller is), 3 PID,
// 4 automatic, 5 on/off on temperature and humidity, 6 PID on temperature and
// humidity. Each Cria_ call replaces the settings and sets the kind.
class ARQAUX_CONTRATOS_API TControle {
 public:
  // A controller of the given kind holding no settings.
  explicit TControle(int tipo = TIPO_SEM_VALORES) : tipo_(tipo) {}

  int R_Tipo_Controlador() const { return tipo_; }
  // The settings of the matching kinds (1 and 5; 3 and 6; 4); null otherwise.
  TContOnOff* R_ContOnOff() const { return on_off_.get(); }
  TContPID* R_ContPid() const { return pid_.get(); }
  TContAutomatico* R_ContAutomatico() const { return automatico_.get(); }
  int R_Tipo_Controle_Umidade() const { return tipo_controle_umidade_; }
  void A_Tipo_Controle_Umidade(int tipo) { tipo_controle_umidade_ = tipo; }

  void Cria_Controlador_OnOff(float histerese, float referencia);
  void Cria_Controlador_PID(float p0, float p1, float p2, float p3, float referencia);
  void Cria_Controlador_Automatico(float temperatura_min, float temperatura_max,
                                   float histerese_temp, float umidade_min, float umidade_max,
                                   float histerese_umrel, int tempo_min_on, int tempo_max_on,
                                   int tempo_min_off, int tempo_max_off);
  void Cria_Controlador_OnOff_Temp_Umid(float histerese, float referencia, float histerese_2,
                                        float referencia_2);
  void Cria_Controlador_PID_Temp_Umid(float p0, float p1, float p2, float p3, float referencia,
                                      float referencia_2);

  static constexpr int TIPO_SEM_VALORES = 2;

 private:
  void Limpa();

  int tipo_;
  int tipo_controle_umidade_ = 0;
  std::unique_ptr<TContOnOff> on_off_;
  std::unique_ptr<TContPID> pid_;
  std::unique_ptr<TContAutomatico> automatico_;
};

// The HVAC system's equipment manager, to which fan-coil air conditioners are
// attached.
class ARQAUX_CONTRATOS_API CGeren_Equip_HVAC {
 public:
  CGeren_Equip_HVAC() = default;
};

// A room actuator: type code (3 heater, 4 air conditioner, 5 air conditioner
// on a fan coil, 6 evaporative cooler), quantity, schedule and controller. It
// owns its schedule and controller.
class ARQAUX_CONTRATOS_API TAtuador {
 public:
  // Each model passes its own code; built directly, this is an actuator of a
  // code without a model of its own. It takes over intervalos (may be null).
  TAtuador(int tipo, int quantidade, TIntervalos* intervalos);
  virtual ~TAtuador();
  TAtuador(const TAtuador&) = delete;
  TAtuador& operator=(const TAtuador&) = delete;

  int R_Tipo() const { return tipo_; }
  int R_Quantidade() const { return quantidade_; }
  TIntervalos* R_Intervalos() const { return intervalos_; }
  TControle* R_Controle() { return &controle_; }
  float R_Potencia() const { return potencia_; }
  // Number of the fan coil that serves the actuator (0 when none).
  int R_Num_FanCoil_Atual() const { return num_fancoil_; }

 protected:
  int tipo_;
  int quantidade_;
  TIntervalos* intervalos_;
  TControle controle_;
  float potencia_ = 0.0f;
  int num_fancoil_ = 0;
};

// Electric heater with its thermal mass.
class ARQAUX_CONTRATOS_API TAquecedor : public TAtuador {
 public:
  TAquecedor(int quantidade, TIntervalos* intervalos, float potencia, float massa_esp,
             float calor_esp, float volume, float area, float hint);
  float R_Massa_Esp() const { return massa_esp_; }
  float R_Calor_Esp() const { return calor_esp_; }
  float R_Volume() const { return volume_; }
  float R_Area() const { return area_; }
  float R_Hint() const { return hint_; }

 private:
  float massa_esp_;
  float calor_esp_;
  float volume_;
  float area_;
  float hint_;
};

// Room air conditioner with its catalogue reference and three part-load
// curves of six coefficients each.
class ARQAUX_CONTRATOS_API TArCondicionado : public TAtuador {
 public:
  static constexpr int NUM_COEF = 6;

  TArCondicionado(int tipo_equipamento, int carac_fisicas, int tipo_temperatura,
                  int tipo_aquecimento, int tipo_condensador, int regulamentado_inmetro,
                  int condensador_sombreado, int quantidade, float eir_nominal, float potencia,
                  float calor_sens_nominal, float vazao_vol_ar, float temp_evap_ac,
                  TIntervalos* intervalos);
  int R_Tipo_Equipamento() const { return config_[0]; }
  int R_Carac_Fisicas() const { return config_[1]; }
  int R_Tipo_Temperatura() const { return config_[2]; }
  int R_Tipo_Aquecimento() const { return config_[3]; }
  int R_Tipo_Condensador() const { return config_[4]; }
  int R_Regulamentado_Inmetro() const { return config_[5]; }
  int R_Condensador_Sombreado() const { return config_[6]; }
  float R_EIR_Nominal() const { return eir_nominal_; }
  float R_CalorSens_Nominal() const { return calor_sens_nominal_; }
  float R_Vazao_Vol_Ar() const { return vazao_vol_ar_; }
  float R_Temp_Evap_AC() const { return temp_evap_ac_; }
  // The curves: capacity, efficiency (EER) and sensible capacity, NUM_COEF
  // floats each. The setters copy NUM_COEF floats from the array given.
  float* R_CONST_CT() { return const_ct_; }
  float* R_CONST_EER() { return const_eer_; }
  float* R_CONST_CS() { return const_cs_; }
  void A_CONST_CT(const float* coef);
  void A_CONST_EER(const float* coef);
  void A_CONST_CS(const float* coef);
  // Replaces the three curves with a catalogue model's, NUM_COEF floats each:
  // total capacity, sensible capacity, efficiency.
  void Altera_Coeficientes(const float* ct, const float* cs, const float* eer);
  void A_Tipo_Equipamento(int v) { config_[0] = v; }
  void A_Tipo_Temperatura(int v) { config_[2] = v; }
  void A_Tipo_Aquecimento(int v) { config_[3] = v; }
  void A_Tipo_Condensador(int v) { config_[4] = v; }
  void A_Regulamentado_Inmetro(int v) { config_[5] = v; }
  void A_Condensador_Sombreado(int v) { config_[6] = v; }

 private:
  int config_[7];
  float eir_nominal_;
  float calor_sens_nominal_;
  float vazao_vol_ar_;
  float temp_evap_ac_;
  float const_ct_[NUM_COEF] = {};
  float const_eer_[NUM_COEF] = {};
  float const_cs_[NUM_COEF] = {};
};

// Air conditioner served by a fan coil of the central system (quantity 1).
class ARQAUX_CONTRATOS_API TArCondicionadoC : public TAtuador {
 public:
  TArCondicionadoC(CGeren_Equip_HVAC* geren_equip, int num_fancoil, float vazao_max_insuf,
                   TIntervalos* intervalos);
  float R_Vazao_Max_Insuf() const { return vazao_max_insuf_; }
  CGeren_Equip_HVAC* R_Geren_Equip_HVAC() const { return geren_equip_; }

 private:
  CGeren_Equip_HVAC* geren_equip_;
  float vazao_max_insuf_;
};

// Evaporative cooler with water sprays (quantity 1). It knows its ordinal
// among the zone's coolers (from 1) and its zone.
class ARQAUX_CONTRATOS_API TResf_Evap_Asp : public TAtuador {
 public:
  TResf_Evap_Asp(TIntervalos* intervalos, int ordem, int zona, float teta, float qliq, float vliq,
                 float tliq, float raio, float var, int num_asp);
  int R_Ordem() const { return ordem_; }
  int R_Zona() const { return zona_; }
  float R_Teta() const { return teta_; }
  float R_Qliq() const { return qliq_; }
  float R_Vliq() const { return vliq_; }
  float R_Tliq() const { return tliq_; }
  float R_Raio() const { return raio_; }
  float R_Var() const { return var_; }
  int R_NumAsp() const { return num_asp_; }

 private:
  int ordem_;
  int zona_;
  float teta_;
  float qliq_;
  float vliq_;
  float tliq_;
  float raio_;
  float var_;
  int num_asp_;
};

// A zone's actuators, in insertion order. The manager owns them.
class ARQAUX_CONTRATOS_API TGeren_Atuadores {
 public:
  TGeren_Atuadores() : atuadores_(true) {}
  TLista<TAtuador>* R_Atuadores() { return &atuadores_; }
  // Appends the actuator; the manager keeps it and deletes it when emptied.
  void Insere_Atuadores(TAtuador* atuador);
  // Empties the manager. With apagar the actuators are deleted; otherwise
  // they are only unlinked and become the caller's.
  void Inicializa_Atuadores(bool apagar);

 private:
  TLista<TAtuador> atuadores_;
};

// ---- Fan coils of the secondary HVAC system ----

// Monitoring values by index, fixed in number: an index outside them reads
// 0 and assigns nothing.
template <class T, int N>
class TValores_UM {
 public:
  T R(int k) const { return k >= 0 && k < N ? valores_[k] : T(); }
  void A(int k, T valor) {
    if (k >= 0 && k < N) valores_[k] = valor;
  }
  void Zera() {
    for (T& v : valores_) v = T();
  }

 private:
  T valores_[N] = {};
};

// An air-handling component of a fan coil or of one of its zones. Its type
// code (R_Tipo): 0 mixing box, 1 electric heater, 2 heating water coil,
// 3 cooling water coil, 4 steam-injection humidifier, 5 supply fan, 6 return
// fan. It holds exactly the number of data and setting values its code has
// (TGeren_Componentes_HVAC::R_Num_Dados_Comp and R_Num_Config_Comp): the
// values given are cut to that number or filled up with zeros. The position
// is its 0-based index in the block it was read from.
class ARQAUX_CONTRATOS_API TComponente_HVAC {
 public:
  TComponente_HVAC(int tipo, const std::vector<float>& dados, const std::vector<int>& config,
                   int posicao);
  virtual ~TComponente_HVAC();
  TComponente_HVAC(const TComponente_HVAC&) = delete;
  TComponente_HVAC& operator=(const TComponente_HVAC&) = delete;

  int R_Tipo() const { return tipo_; }
  int R_Posicao() const { return posicao_; }
  // Fills dados with the component's data values, replacing what it held.
  virtual void R_Dados(std::vector<float>& dados) const;
  const std::vector<int>& R_Config() const { return config_; }

  // Monitoring: flag k (0 switches the whole component, the others one group
  // of results each), the model's results by index, and their running sums.
  // Results the output streams leave to the model:
  //   electric heater 7, humidifier 8, fans 7: the electric power drawn, W;
  //   electric heater 8, humidifier and fans 9 (the consumption line): the
  //     electric consumption over the sampling step, told as power, W.
  static constexpr int NUM_CONFIG_UM = 8;
  static constexpr int NUM_RESULT_UM = 13;
  int R_Config_UM(int k) const { return config_um_.R(k); }
  void A_Config_UM(int k, int ativo) { config_um_.A(k, ativo); }
  float R_Result_UM(int k) const { return result_um_.R(k); }
  void A_Result_UM(int k, float valor) { result_um_.A(k, valor); }
  float R_Soma_Result_UM(int k) const { return soma_um_.R(k); }
  // Adds valor to the running sum of result k.
  void A_Soma_Result_UM(int k, float valor) { soma_um_.A(k, soma_um_.R(k) + valor); }
  void Zera_Soma_Result_UM() { soma_um_.Zera(); }

 private:
  int tipo_;
  int posicao_;
  TValores_UM<int, NUM_CONFIG_UM> config_um_;
  TValores_UM<float, NUM_RESULT_UM> result_um_;
  TValores_UM<float, NUM_RESULT_UM> soma_um_;
  std::vector<float> dados_;
  std::vector<int> config_;
};

// Mixing box of outdoor and return air (code 0).
class ARQAUX_CONTRATOS_API TCaixadeMistura : public TComponente_HVAC {
 public:
  TCaixadeMistura(const std::vector<float>& dados, const std::vector<int>& config, int posicao);
};

// Electric heater (code 1).
class ARQAUX_CONTRATOS_API TResistenciaEletrica : public TComponente_HVAC {
 public:
  TResistenciaEletrica(const std::vector<float>& dados, const std::vector<int>& config,
                       int posicao);
};

// Water coil: heating (code 2) or cooling (code 3), as tipo says.
class ARQAUX_CONTRATOS_API TSerpentina_Agua : public TComponente_HVAC {
 public:
  TSerpentina_Agua(const std::vector<float>& dados, const std::vector<int>& config, int tipo,
                   int posicao);
};

// Steam-injection humidifier (code 4).
class ARQAUX_CONTRATOS_API TUmidificador_Inj_Vapor : public TComponente_HVAC {
 public:
  TUmidificador_Inj_Vapor(const std::vector<float>& dados, const std::vector<int>& config,
                          int posicao);
};

// Fan: supply (code 5) or return (code 6), as tipo says.
class ARQAUX_CONTRATOS_API TVentilador : public TComponente_HVAC {
 public:
  TVentilador(const std::vector<float>& dados, const std::vector<int>& config, int tipo,
              int posicao);
};

// The components of a fan coil or zone, in insertion order. The manager owns
// them.
//
// Values per type code (data floats, setting ints):
//   0 mixing box          3: minimum and maximum outdoor-air fraction, design
//                            air flow;                          1: economiser mode
//   1 electric heater     2: power, efficiency;                 1: stages
//   2, 3 water coil       6: UA, design water flow, design air flow, water
//                            inlet temperature, bypass factor, effectiveness;
//                                                               2: circuit arrangement, rows
//   4 humidifier          3: steam capacity, power, steam temperature;
//                                                               1: control mode
//   5, 6 fan              5: design flow, pressure rise, total efficiency,
//                            motor efficiency, motor heat fraction to the air;
//                                                               2: curve, position in the unit
//   any other code        none.
class ARQAUX_CONTRATOS_API TGeren_Componentes_HVAC {
 public:
  // The most data and setting values of any type code.
  static constexpr int MAX_DADOS_COMP = 6;
  static constexpr int MAX_CONFIG_COMP = 2;

  TGeren_Componentes_HVAC();
  ~TGeren_Componentes_HVAC();
  TGeren_Componentes_HVAC(const TGeren_Componentes_HVAC&) = delete;
  TGeren_Componentes_HVAC& operator=(const TGeren_Componentes_HVAC&) = delete;

  // The components, in insertion order; the manager keeps owning them.
  std::list<TComponente_HVAC*> R_Componentes_Sist_Sec() const;
  // Their number, and component i of that order (null out of range): what a
  // writer called every step walks, with no list to copy.
  int R_Num_Componentes() const;
  TComponente_HVAC* R_Componente(int i) const;
  // Appends the component (null is ignored) and takes it over.
  void Insere_Componente(TComponente_HVAC* componente);
  // The number of data and setting values of type code tipo (table above).
  static int R_Num_Dados_Comp(int tipo);
  static int R_Num_Config_Comp(int tipo);
  // Clears the running result sums of every component.
  void Zera_Soma_Result();

 private:
  std::vector<std::unique_ptr<TComponente_HVAC>> componentes_;
};

// A zone served by a fan coil: number, name (at most 19 characters in the
// fan-coil file), 4 data floats and 5 setting ints (cut or filled up with
// zeros to those numbers), its components, operating schedule and heating and
// cooling controllers (of the kind without values until created).
class ARQAUX_CONTRATOS_API CZona_Sist_Sec {
 public:
  static constexpr int NUM_DADOS = 4;
  static constexpr int NUM_CONFIG = 5;

  CZona_Sist_Sec(const std::vector<float>& dados, const std::vector<int>& config, int num_zona,
                 const std::string& nome);
  ~CZona_Sist_Sec();
  CZona_Sist_Sec(const CZona_Sist_Sec&) = delete;
  CZona_Sist_Sec& operator=(const CZona_Sist_Sec&) = delete;

  const std::vector<float>& R_Dados() const { return dados_; }
  const std::vector<int>& R_Config() const { return config_; }
  int R_Num_Zona() const { return num_zona_; }
  const std::string& R_Nome_Zona() const { return nome_; }
  TGeren_Componentes_HVAC* R_Geren_Comp() { return &componentes_; }
  TIntervalos* R_Intervalos() { return &intervalos_; }
  TControle* R_Controle_AQ() { return &controle_aq_; }
  TControle* R_Controle_RESF() { return &controle_resf_; }

 private:
  std::vector<float> dados_;
  std::vector<int> config_;
  int num_zona_;
  std::string nome_;
  TGeren_Componentes_HVAC componentes_;
  TIntervalos intervalos_;
  TControle controle_aq_;
  TControle controle_resf_;
};

// The zones of a fan coil, in insertion order. The manager owns them.
class ARQAUX_CONTRATOS_API TGeren_Zonas_HVAC {
 public:
  TGeren_Zonas_HVAC();
  ~TGeren_Zonas_HVAC();
  TGeren_Zonas_HVAC(const TGeren_Zonas_HVAC&) = delete;
  TGeren_Zonas_HVAC& operator=(const TGeren_Zonas_HVAC&) = delete;

  // The zones, in insertion order; the manager keeps owning them.
  std::list<CZona_Sist_Sec*> R_Zonas_Sist_Sec() const;
  // Appends the zone (null is ignored) and takes it over.
  void Insere_Zona(CZona_Sist_Sec* zona);

 private:
  std::vector<std::unique_ptr<CZona_Sist_Sec>> zonas_;
};

// A fan coil: 6 general data floats and 10 general setting ints (cut or
// filled up with zeros to those numbers), its components and zones, an
// operating schedule, four ventilation switches with a ventilation schedule,
// and six controllers (heating, cooling, humidification, dehumidification,
// reheat, ventilation), each of the kind without values until created.
class ARQAUX_CONTRATOS_API CFanCoil {
 public:
  static constexpr int NUM_DADOS = 6;
  static constexpr int NUM_CONFIG = 10;

  CFanCoil();
  ~CFanCoil();
  CFanCoil(const CFanCoil&) = delete;
  CFanCoil& operator=(const CFanCoil&) = delete;

  const std::vector<float>& R_Dados() const { return dados_; }
  void A_Dados(const std::vector<float>& dados);
  const std::vector<int>& R_Config() const { return config_; }
  void A_Config(const std::vector<int>& config);
  TGeren_Componentes_HVAC* R_Geren_Comp() { return &componentes_; }
  TGeren_Zonas_HVAC* R_Geren_Zonas() { return &zonas_; }
  TIntervalos* R_Intervalos() { return &intervalos_; }
  TIntervalos* R_Intervalos_Vent() { return &intervalos_vent_; }
  TControle* R_Controle_AQ() { return &controles_[0]; }
  TControle* R_Controle_RESF() { return &controles_[1]; }
  TControle* R_Controle_UM() { return &controles_[2]; }
  TControle* R_Controle_DU() { return &controles_[3]; }
  TControle* R_Controle_RA() { return &controles_[4]; }
  TControle* R_Controle_VENT() { return &controles_[5]; }
  // Ventilation switches: ventilation on, its control, 100 % outdoor air,
  // and ventilation on a temperature difference.
  bool R_Ativar_Ventilacao() const { return ventilacao_[0]; }
  bool R_Ativar_Controle_Vent() const { return ventilacao_[1]; }
  bool R_Ativar_100ArExt_Vent() const { return ventilacao_[2]; }
  bool R_Ativar_DifTemp_Vent() const { return ventilacao_[3]; }
  void A_Ativar_Ventilacao(bool ativar) { ventilacao_[0] = ativar; }
  void A_Ativar_Controle_Vent(bool ativar) { ventilacao_[1] = ativar; }
  void A_Ativar_100ArExt_Vent(bool ativar) { ventilacao_[2] = ativar; }
  void A_Ativar_DifTemp_Vent(bool ativar) { ventilacao_[3] = ativar; }
  // Monitoring: flag k (0 switches the whole fan coil, 1 and 5 the outdoor
  // and return air, the others one value each) and the model's results by
  // index.
  static constexpr int NUM_CONFIG_UM = 9;
  static constexpr int NUM_RESULT_UM = 17;
  int R_Config_UM(int k) const { return config_um_.R(k); }
  void A_Config_UM(int k, int ativo) { config_um_.A(k, ativo); }
  float R_Result_UM(int k) const { return result_um_.R(k); }
  void A_Result_UM(int k, float valor) { result_um_.A(k, valor); }

 private:
  TValores_UM<int, NUM_CONFIG_UM> config_um_;
  TValores_UM<float, NUM_RESULT_UM> result_um_;
  std::vector<float> dados_;
  std::vector<int> config_;
  TGeren_Componentes_HVAC componentes_;
  TGeren_Zonas_HVAC zonas_;
  TIntervalos intervalos_;
  TIntervalos intervalos_vent_;
  TControle controles_[6];
  bool ventilacao_[4] = {};
};

// Primary-plant equipment as the output streams see it: per kind, a model
// whose results the simulation sets by index (R_Result_UM), and monitoring
// flags (R_Config_UM: 0 monitored at all, then one flag per column group).
// An index outside a kind's range reads 0 and is not stored.
// Results the output streams leave to the model:
//   air-cooled chiller 5: its coefficient of performance (ratio);
//   air-cooled chiller 4: the temperature of the air entering its condenser, degC;
//   water-cooled chiller 8: its coefficient of performance (ratio);
//   water-cooled chiller 5: its part-load ratio, load over capacity;
//   water-cooled chiller 7: the mass flow of chilled water, kg/s;
//   each kind's consumption result: its electric consumption over the
//     sampling step, told as power, W.
template <int NumResultados>
class CModelo_Equip_Prim {
 public:
  static constexpr int NUM_RESULTADOS = NumResultados;
  float R_Result_UM(int i) const { return Dentro(i) ? result_[i] : 0.0f; }
  void A_Result_UM(int i, float valor) {
    if (Dentro(i)) result_[i] = valor;
  }

 private:
  static bool Dentro(int i) { return i >= 0 && i < NumResultados; }
  float result_[NumResultados] = {};
};

template <class Modelo, int NumFlags>
class CEquip_Prim {
 public:
  static constexpr int NUM_CONFIG_UM = NumFlags;
  int R_Config_UM(int k) const { return Dentro(k) ? config_um_[k] : 0; }
  void A_Config_UM(int k, int valor) {
    if (Dentro(k)) config_um_[k] = valor;
  }
  Modelo* R_Modelo() { return &modelo_; }
  const Modelo* R_Modelo() const { return &modelo_; }

 private:
  static bool Dentro(int k) { return k >= 0 && k < NumFlags; }
  int config_um_[NumFlags] = {};
  Modelo modelo_;
};

class CModelo_ChillerAr : public CModelo_Equip_Prim<15> {};
class CModelo_ChillerAgua : public CModelo_Equip_Prim<19> {};
class CModelo_Torre : public CModelo_Equip_Prim<14> {};
class CModelo_Boiler : public CModelo_Equip_Prim<11> {};
class CModelo_BombaAG : public CModelo_Equip_Prim<6> {};
class CModelo_BombaAQ : public CModelo_Equip_Prim<6> {};
class CModelo_BombaAC : public CModelo_Equip_Prim<6> {};

// Air-cooled and water-cooled chillers, cooling tower, boiler, and the
// chilled-water, hot-water and condenser-water pumps.
class CChillerAr : public CEquip_Prim<CModelo_ChillerAr, 6> {};
class CChillerAgua : public CEquip_Prim<CModelo_ChillerAgua, 9> {};
class CTorre : public CEquip_Prim<CModelo_Torre, 6> {};
class CBoiler : public CEquip_Prim<CModelo_Boiler, 9> {};
class CBombaAG : public CEquip_Prim<CModelo_BombaAG, 5> {};
class CBombaAQ : public CEquip_Prim<CModelo_BombaAQ, 5> {};
class CBombaAC : public CEquip_Prim<CModelo_BombaAC, 5> {};

#endif  // ARQAUX_CONTRACTS_HVAC_MODEL_H_
