// Stand-in of the HVAC model library: actuators, fan coils, zones and
// components, controllers and their managers, holding plain data.
#include "arqaux/contracts/hvac_model.h"

#include <algorithm>

TContOnOff::TContOnOff(float histerese, float referencia, float histerese_2, float referencia_2)
    : histerese_(histerese),
      referencia_(referencia),
      histerese_2_(histerese_2),
      referencia_2_(referencia_2) {}

TContPID::TContPID(float p0, float p1, float p2, float p3, float referencia, float referencia_2)
    : parametro_{p0, p1, p2, p3}, referencia_(referencia), referencia_2_(referencia_2) {}

float TContPID::R_Parametro(int k) const { return k >= 0 && k < 4 ? parametro_[k] : 0.0f; }

TContAutomatico::TContAutomatico(float temperatura_min, float temperatura_max, float histerese_temp,
                                 float umidade_min, float umidade_max, float histerese_umrel,
                                 int tempo_min_on, int tempo_max_on, int tempo_min_off,
                                 int tempo_max_off)
    : valores_{temperatura_min, temperatura_max, histerese_temp,
               umidade_min,     umidade_max,     histerese_umrel},
      tempos_{tempo_min_on, tempo_max_on, tempo_min_off, tempo_max_off} {}

void TControle::Limpa() {
  on_off_.reset();
  pid_.reset();
  automatico_.reset();
}

void TControle::Cria_Controlador_OnOff(float histerese, float referencia) {
  Limpa();
  tipo_ = 1;
  on_off_.reset(new TContOnOff(histerese, referencia));
}

void TControle::Cria_Controlador_PID(float p0, float p1, float p2, float p3, float referencia) {
  Limpa();
  tipo_ = 3;
  pid_.reset(new TContPID(p0, p1, p2, p3, referencia));
}

void TControle::Cria_Controlador_Automatico(float temperatura_min, float temperatura_max,
                                            float histerese_temp, float umidade_min,
                                            float umidade_max, float histerese_umrel,
                                            int tempo_min_on, int tempo_max_on, int tempo_min_off,
                                            int tempo_max_off) {
  Limpa();
  tipo_ = 4;
  automatico_.reset(new TContAutomatico(temperatura_min, temperatura_max, histerese_temp,
                                        umidade_min, umidade_max, histerese_umrel, tempo_min_on,
                                        tempo_max_on, tempo_min_off, tempo_max_off));
}

void TControle::Cria_Controlador_OnOff_Temp_Umid(float histerese, float referencia,
                                                 float histerese_2, float referencia_2) {
  Limpa();
  tipo_ = 5;
  on_off_.reset(new TContOnOff(histerese, referencia, histerese_2, referencia_2));
}

void TControle::Cria_Controlador_PID_Temp_Umid(float p0, float p1, float p2, float p3,
                                               float referencia, float referencia_2) {
  Limpa();
  tipo_ = 6;
  pid_.reset(new TContPID(p0, p1, p2, p3, referencia, referencia_2));
}

TAtuador::TAtuador(int tipo, int quantidade, TIntervalos* intervalos)
    : tipo_(tipo), quantidade_(quantidade), intervalos_(intervalos) {}

TAtuador::~TAtuador() { delete intervalos_; }

TAquecedor::TAquecedor(int quantidade, TIntervalos* intervalos, float potencia, float massa_esp,
                       float calor_esp, float volume, float area, float hint)
    : TAtuador(3, quantidade, intervalos),
      massa_esp_(massa_esp),
      calor_esp_(calor_esp),
      volume_(volume),
      area_(area),
      hint_(hint) {
  potencia_ = potencia;
}

TArCondicionado::TArCondicionado(int tipo_equipamento, int carac_fisicas, int tipo_temperatura,
                                 int tipo_aquecimento, int tipo_condensador,
                                 int regulamentado_inmetro, int condensador_sombreado,
                                 int quantidade, float eir_nominal, float potencia,
                                 float calor_sens_nominal, float vazao_vol_ar, float temp_evap_ac,
                                 TIntervalos* intervalos)
    : TAtuador(4, quantidade, intervalos),
      config_{tipo_equipamento, carac_fisicas,         tipo_temperatura,     tipo_aquecimento,
              tipo_condensador, regulamentado_inmetro, condensador_sombreado},
      eir_nominal_(eir_nominal),
      calor_sens_nominal_(calor_sens_nominal),
      vazao_vol_ar_(vazao_vol_ar),
      temp_evap_ac_(temp_evap_ac) {
  potencia_ = potencia;
}

void TArCondicionado::A_CONST_CT(const float* coef) { std::copy(coef, coef + NUM_COEF, const_ct_); }

void TArCondicionado::A_CONST_EER(const float* coef) {
  std::copy(coef, coef + NUM_COEF, const_eer_);
}

void TArCondicionado::A_CONST_CS(const float* coef) { std::copy(coef, coef + NUM_COEF, const_cs_); }

void TArCondicionado::Altera_Coeficientes(const float* ct, const float* cs, const float* eer) {
  A_CONST_CT(ct);
  A_CONST_CS(cs);
  A_CONST_EER(eer);
}

TArCondicionadoC::TArCondicionadoC(CGeren_Equip_HVAC* geren_equip, int num_fancoil,
                                   float vazao_max_insuf, TIntervalos* intervalos)
    : TAtuador(5, 1, intervalos), geren_equip_(geren_equip), vazao_max_insuf_(vazao_max_insuf) {
  num_fancoil_ = num_fancoil;
}

TResf_Evap_Asp::TResf_Evap_Asp(TIntervalos* intervalos, int ordem, int zona, float teta, float qliq,
                               float vliq, float tliq, float raio, float var, int num_asp)
    : TAtuador(6, 1, intervalos),
      ordem_(ordem),
      zona_(zona),
      teta_(teta),
      qliq_(qliq),
      vliq_(vliq),
      tliq_(tliq),
      raio_(raio),
      var_(var),
      num_asp_(num_asp) {}

void TGeren_Atuadores::Insere_Atuadores(TAtuador* atuador) {
  if (atuador != nullptr) atuadores_.Adiciona(atuador);
}

void TGeren_Atuadores::Inicializa_Atuadores(bool apagar) {
  if (apagar) {
    atuadores_.Limpa();
    return;
  }
  while (atuadores_.Numero_Elementos() > 0) {
    atuadores_.Remove(atuadores_.R_No(1)->R_Dado(), false);
  }
}

namespace {

// Data and setting values per component type code 0..6.
constexpr int kNumDadosComp[] = {3, 2, 6, 6, 3, 5, 5};
constexpr int kNumConfigComp[] = {1, 1, 2, 2, 1, 2, 2};

template <size_t N>
constexpr int Maximo(const int (&tabela)[N]) {
  int m = 0;
  for (int v : tabela) m = v > m ? v : m;
  return m;
}
static_assert(Maximo(kNumDadosComp) == TGeren_Componentes_HVAC::MAX_DADOS_COMP &&
                  Maximo(kNumConfigComp) == TGeren_Componentes_HVAC::MAX_CONFIG_COMP,
              "the most values of any type");

template <class T>
std::vector<T> Ajusta(const std::vector<T>& valores, int n) {
  std::vector<T> ajustados(valores.begin(), valores.begin() + std::min<size_t>(valores.size(), n));
  ajustados.resize(n, T());
  return ajustados;
}

// What a manager hands out: its objects in insertion order, still its own.
template <class T>
std::list<T*> Lista_De(const std::vector<std::unique_ptr<T>>& objetos) {
  std::list<T*> lista;
  for (const auto& o : objetos) lista.push_back(o.get());
  return lista;
}

template <class T>
void Insere_Em(std::vector<std::unique_ptr<T>>* objetos, T* objeto) {
  if (objeto != nullptr) objetos->emplace_back(objeto);
}

template <class T, size_t N>
int Por_Tipo(const T (&tabela)[N], int tipo) {
  return tipo >= 0 && static_cast<size_t>(tipo) < N ? tabela[tipo] : 0;
}

}  // namespace

TComponente_HVAC::TComponente_HVAC(int tipo, const std::vector<float>& dados,
                                   const std::vector<int>& config, int posicao)
    : tipo_(tipo),
      posicao_(posicao),
      dados_(Ajusta(dados, TGeren_Componentes_HVAC::R_Num_Dados_Comp(tipo))),
      config_(Ajusta(config, TGeren_Componentes_HVAC::R_Num_Config_Comp(tipo))) {}

TComponente_HVAC::~TComponente_HVAC() = default;

void TComponente_HVAC::R_Dados(std::vector<float>& dados) const { dados = dados_; }

TCaixadeMistura::TCaixadeMistura(const std::vector<float>& dados, const std::vector<int>& config,
                                 int posicao)
    : TComponente_HVAC(0, dados, config, posicao) {}

TResistenciaEletrica::TResistenciaEletrica(const std::vector<float>& dados,
                                           const std::vector<int>& config, int posicao)
    : TComponente_HVAC(1, dados, config, posicao) {}

TSerpentina_Agua::TSerpentina_Agua(const std::vector<float>& dados, const std::vector<int>& config,
                                   int tipo, int posicao)
    : TComponente_HVAC(tipo, dados, config, posicao) {}

TUmidificador_Inj_Vapor::TUmidificador_Inj_Vapor(const std::vector<float>& dados,
                                                 const std::vector<int>& config, int posicao)
    : TComponente_HVAC(4, dados, config, posicao) {}

TVentilador::TVentilador(const std::vector<float>& dados, const std::vector<int>& config, int tipo,
                         int posicao)
    : TComponente_HVAC(tipo, dados, config, posicao) {}

TGeren_Componentes_HVAC::TGeren_Componentes_HVAC() = default;
TGeren_Componentes_HVAC::~TGeren_Componentes_HVAC() = default;

std::list<TComponente_HVAC*> TGeren_Componentes_HVAC::R_Componentes_Sist_Sec() const {
  return Lista_De(componentes_);
}

int TGeren_Componentes_HVAC::R_Num_Componentes() const {
  return static_cast<int>(componentes_.size());
}

TComponente_HVAC* TGeren_Componentes_HVAC::R_Componente(int i) const {
  return i >= 0 && i < R_Num_Componentes() ? componentes_[static_cast<size_t>(i)].get() : nullptr;
}

void TGeren_Componentes_HVAC::Insere_Componente(TComponente_HVAC* componente) {
  Insere_Em(&componentes_, componente);
}

int TGeren_Componentes_HVAC::R_Num_Dados_Comp(int tipo) { return Por_Tipo(kNumDadosComp, tipo); }

int TGeren_Componentes_HVAC::R_Num_Config_Comp(int tipo) { return Por_Tipo(kNumConfigComp, tipo); }

void TGeren_Componentes_HVAC::Zera_Soma_Result() {
  for (const auto& componente : componentes_) componente->Zera_Soma_Result_UM();
}

CZona_Sist_Sec::CZona_Sist_Sec(const std::vector<float>& dados, const std::vector<int>& config,
                               int num_zona, const std::string& nome)
    : dados_(Ajusta(dados, NUM_DADOS)),
      config_(Ajusta(config, NUM_CONFIG)),
      num_zona_(num_zona),
      nome_(nome) {}

CZona_Sist_Sec::~CZona_Sist_Sec() = default;

TGeren_Zonas_HVAC::TGeren_Zonas_HVAC() = default;
TGeren_Zonas_HVAC::~TGeren_Zonas_HVAC() = default;

std::list<CZona_Sist_Sec*> TGeren_Zonas_HVAC::R_Zonas_Sist_Sec() const { return Lista_De(zonas_); }

void TGeren_Zonas_HVAC::Insere_Zona(CZona_Sist_Sec* zona) { Insere_Em(&zonas_, zona); }

CFanCoil::CFanCoil() : dados_(NUM_DADOS), config_(NUM_CONFIG) {}

CFanCoil::~CFanCoil() = default;

void CFanCoil::A_Dados(const std::vector<float>& dados) { dados_ = Ajusta(dados, NUM_DADOS); }

void CFanCoil::A_Config(const std::vector<int>& config) { config_ = Ajusta(config, NUM_CONFIG); }
