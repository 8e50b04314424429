// The host's HVAC model library as the file manager sees it: room actuators
// (heaters, air conditioners, fan-coil air conditioners, evaporative coolers),
// their controllers and the managers that own them. Plain data, no physics.
#ifndef ARQAUX_CONTRACTS_HVAC_MODEL_H_
#define ARQAUX_CONTRACTS_HVAC_MODEL_H_

#include <memory>

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

#endif  // ARQAUX_CONTRACTS_HVAC_MODEL_H_
