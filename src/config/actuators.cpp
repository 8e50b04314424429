// Room air-conditioning actuators of a zone and their controllers, as a block
// of bracketed lines:
//
//   [Numero de Atuadores = 2]
//   [Atuador 1]
//   	[Tipo = 3]
//   	[Quantidade = 1]
//   	... the type's lines ...
//   	[Horarios = 1]
//   		[Horario 1 = (1,5,8:0->17:30)]
//   	[Controle = 1,24.00,1.00]
//   [Atuador 2]
//   ...
//
// Type codes: 3 heater, 4 air conditioner, 5 air conditioner on a fan coil,
// 6 evaporative cooler. Every other code is written as its ordinal, type and
// quantity lines alone and read back as those three lines; nothing is built
// for it, and the next record follows. The records are taken in file order;
// the ordinal printed is not checked.
//
// The control entry begins "\t[Controle = %d" with the controller's kind and
// goes on by kind. Kind 2 stores no values and its entry ends right after the
// number, so the next line of the file continues on the same line. The entry
// is scanned without checking: a malformed one shows up as the next record's
// ordinal line failing.
//
// The block reader takes the count and the first record from the current
// stream; before each later record it makes stream n (the configuration file)
// current again with Muda_Arquivo, so a number outside 1..count leaves the
// current stream as it is. Evaporative coolers get the zone and their
// ordinal. A null or empty manager gives the count line with 0 alone.
#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <type_traits>

#include "arqaux/contracts/hvac_model.h"
#include "arqaux/contracts/utility.h"
#include "arqaux/geren_arquivoaux.h"
#include "engine/linhas_config.h"
#include "engine/registros.h"

using arqaux::Campo;
using arqaux::kTempoIntegracaoPid;
using arqaux::TCampo;
using arqaux::TComum;
using arqaux::TLinha;

namespace {

constexpr int kTipoAquecedor = 3;
constexpr int kTipoArCondicionado = 4;
constexpr int kTipoArCondicionadoC = 5;
constexpr int kTipoResfEvap = 6;

// ---- Lines every actuator has ----

const TLinha<TComum> kLinhasAtuador[] = {
    {"[Atuador %d]\n", {Campo(&TComum::numero)}},
    {"\t[Tipo = %d]\n", {Campo(&TComum::tipo)}},
    {"\t[Quantidade = %d]\n", {Campo(&TComum::quantidade)}},
};

// What the constructors take beyond the values of the record: the HVAC
// equipment manager of fan-coil air conditioners, the zone and the ordinal of
// each evaporative cooler in the block.
struct TContexto {
  CGeren_Equip_HVAC* geren_equip = nullptr;
  int zona = 0;
  int ordem_resf = 0;
};

// ---- Heater ----

struct TValores_Aquecedor {
  float potencia = 0;
  float massa_esp = 0;
  float calor_esp = 0;
  float volume = 0;
  float area = 0;
  float hint = 0;
};

const TLinha<TValores_Aquecedor> kLinhasAquecedor[] = {
    {"\t[Potencia Nominal = %.1f]\n", {Campo(&TValores_Aquecedor::potencia)}},
    {"\t[Massa Especifica = %.2f]\n", {Campo(&TValores_Aquecedor::massa_esp)}},
    {"\t[Calor Especifico = %.2f]\n", {Campo(&TValores_Aquecedor::calor_esp)}},
    {"\t[Volume = %.3f]\n", {Campo(&TValores_Aquecedor::volume)}},
    {"\t[Area de Troca = %.3f]\n", {Campo(&TValores_Aquecedor::area)}},
    {"\t[Coef de Troca = %.1f]\n", {Campo(&TValores_Aquecedor::hint)}},
};

void Valores_Aquecedor(TAtuador* atuador, TValores_Aquecedor* v) {
  const auto* a = dynamic_cast<const TAquecedor*>(atuador);
  if (a == nullptr) return;
  v->potencia = a->R_Potencia();
  v->massa_esp = a->R_Massa_Esp();
  v->calor_esp = a->R_Calor_Esp();
  v->volume = a->R_Volume();
  v->area = a->R_Area();
  v->hint = a->R_Hint();
}

TAtuador* Novo_Aquecedor(const TValores_Aquecedor& v, const TComum& c, TIntervalos* h, TContexto*) {
  return new TAquecedor(c.quantidade, h, v.potencia, v.massa_esp, v.calor_esp, v.volume, v.area,
                        v.hint);
}

// ---- Air conditioner ----

struct TValores_ArCondicionado {
  int32_t tipo_equipamento = 0;
  int32_t carac_fisicas = 0;
  int32_t tipo_temperatura = 0;
  int32_t tipo_aquecimento = 0;
  int32_t tipo_condensador = 0;
  int32_t regulamentado_inmetro = 0;
  int32_t condensador_sombreado = 0;
  float potencia = 0;
  float const_ct[TArCondicionado::NUM_COEF] = {};
  float eir_nominal = 0;
  float const_eer[TArCondicionado::NUM_COEF] = {};
  float calor_sens_nominal = 0;
  float const_cs[TArCondicionado::NUM_COEF] = {};
  float vazao_vol_ar = 0;
  float temp_evap_ac = 0;
};

// The three curves share one key and are told apart by their place: capacity
// after the power, efficiency after the nominal EIR, sensible capacity after
// the nominal sensible heat.
constexpr const char* kLinhaCoef = "\t[Coef. = %f,%f,%f,%f,%f,%f]\n";

const TLinha<TValores_ArCondicionado> kLinhasArCondicionado[] = {
    {"\t[Tipo Equip. = %d]\n", {Campo(&TValores_ArCondicionado::tipo_equipamento)}},
    {"\t[Carac Fisicas = %d]\n", {Campo(&TValores_ArCondicionado::carac_fisicas)}},
    {"\t[Tipo Temperatura = %d]\n", {Campo(&TValores_ArCondicionado::tipo_temperatura)}},
    {"\t[Tipo Aquecimento = %d]\n", {Campo(&TValores_ArCondicionado::tipo_aquecimento)}},
    {"\t[Tipo Condensador = %d]\n", {Campo(&TValores_ArCondicionado::tipo_condensador)}},
    {"\t[Reg. Inmetro = %d]\n", {Campo(&TValores_ArCondicionado::regulamentado_inmetro)}},
    {"\t[Cond. Sombreado = %d]\n", {Campo(&TValores_ArCondicionado::condensador_sombreado)}},
    {"\t[Potencia = %.2f]\n", {Campo(&TValores_ArCondicionado::potencia)}},
    {kLinhaCoef, arqaux::Elementos(&TValores_ArCondicionado::const_ct)},
    {"\t[EIR nominal = %.3f]\n", {Campo(&TValores_ArCondicionado::eir_nominal)}},
    {kLinhaCoef, arqaux::Elementos(&TValores_ArCondicionado::const_eer)},
    {"\t[CS nominal = %.3f]\n", {Campo(&TValores_ArCondicionado::calor_sens_nominal)}},
    {kLinhaCoef, arqaux::Elementos(&TValores_ArCondicionado::const_cs)},
    {"\t[Vazao_Vol_Ar = %.3f]\n", {Campo(&TValores_ArCondicionado::vazao_vol_ar)}},
    {"\t[Temp_Evap_AC = %.3f]\n", {Campo(&TValores_ArCondicionado::temp_evap_ac)}},
};

void Copia_Curva(const float* origem, float* destino) {
  for (int k = 0; k < TArCondicionado::NUM_COEF; ++k) destino[k] = origem[k];
}

void Valores_ArCondicionado(TAtuador* atuador, TValores_ArCondicionado* v) {
  auto* a = dynamic_cast<TArCondicionado*>(atuador);
  if (a == nullptr) return;
  v->tipo_equipamento = a->R_Tipo_Equipamento();
  v->carac_fisicas = a->R_Carac_Fisicas();
  v->tipo_temperatura = a->R_Tipo_Temperatura();
  v->tipo_aquecimento = a->R_Tipo_Aquecimento();
  v->tipo_condensador = a->R_Tipo_Condensador();
  v->regulamentado_inmetro = a->R_Regulamentado_Inmetro();
  v->condensador_sombreado = a->R_Condensador_Sombreado();
  v->potencia = a->R_Potencia();
  Copia_Curva(a->R_CONST_CT(), v->const_ct);
  v->eir_nominal = a->R_EIR_Nominal();
  Copia_Curva(a->R_CONST_EER(), v->const_eer);
  v->calor_sens_nominal = a->R_CalorSens_Nominal();
  Copia_Curva(a->R_CONST_CS(), v->const_cs);
  v->vazao_vol_ar = a->R_Vazao_Vol_Ar();
  v->temp_evap_ac = a->R_Temp_Evap_AC();
}

// The three curves are set after construction.
TAtuador* Novo_ArCondicionado(const TValores_ArCondicionado& v, const TComum& c, TIntervalos* h,
                              TContexto*) {
  auto* ar = new TArCondicionado(v.tipo_equipamento, v.carac_fisicas, v.tipo_temperatura,
                                 v.tipo_aquecimento, v.tipo_condensador, v.regulamentado_inmetro,
                                 v.condensador_sombreado, c.quantidade, v.eir_nominal, v.potencia,
                                 v.calor_sens_nominal, v.vazao_vol_ar, v.temp_evap_ac, h);
  ar->A_CONST_CT(v.const_ct);
  ar->A_CONST_CS(v.const_cs);
  ar->A_CONST_EER(v.const_eer);
  return ar;
}

// ---- Air conditioner on a fan coil ----

struct TValores_ArCondicionadoC {
  int32_t num_fancoil = 0;
  float vazao_max_insuf = 0;
};

const TLinha<TValores_ArCondicionadoC> kLinhasArCondicionadoC[] = {
    // "Nº Fan Coil", in Windows-1252.
    {"\t[N\xBA Fan Coil = %d]\n", {Campo(&TValores_ArCondicionadoC::num_fancoil)}},
    {"\t[Vazao Max Insuf = %f]\n", {Campo(&TValores_ArCondicionadoC::vazao_max_insuf)}},
};

void Valores_ArCondicionadoC(TAtuador* atuador, TValores_ArCondicionadoC* v) {
  const auto* a = dynamic_cast<const TArCondicionadoC*>(atuador);
  if (a == nullptr) return;
  v->num_fancoil = a->R_Num_FanCoil_Atual();
  v->vazao_max_insuf = a->R_Vazao_Max_Insuf();
}

TAtuador* Novo_ArCondicionadoC(const TValores_ArCondicionadoC& v, const TComum&, TIntervalos* h,
                               TContexto* contexto) {
  return new TArCondicionadoC(contexto->geren_equip, v.num_fancoil, v.vazao_max_insuf, h);
}

// ---- Evaporative cooler ----

struct TValores_Resf_Evap {
  float teta = 0;
  float qliq = 0;
  float vliq = 0;
  float tliq = 0;
  float raio = 0;
  float var = 0;
  int32_t num_asp = 0;
};

// The number of sprays is printed as an integer but scanned as a real.
const TLinha<TValores_Resf_Evap> kLinhasResfEvap[] = {
    // "Semi-ângulo" and "Vazão água", in Windows-1252 (no escape here is
    // followed by a hex digit).
    {"\t[Semi-\xE2ngulo = %.2f]\n", {Campo(&TValores_Resf_Evap::teta)}},
    {"\t[Vaz\xE3o \xE1gua = %.5e]\n", {Campo(&TValores_Resf_Evap::qliq)}},
    {"\t[Veloc gotas = %f]\n", {Campo(&TValores_Resf_Evap::vliq)}},
    {"\t[Temp inic. gotas = %.2f]\n", {Campo(&TValores_Resf_Evap::tliq)}},
    {"\t[Raio inic. gotas = %.5e]\n", {Campo(&TValores_Resf_Evap::raio)}},
    {"\t[Veloc ar = %.2f]\n", {Campo(&TValores_Resf_Evap::var)}},
    {"\t[Num asper = %d]\n", {Campo(&TValores_Resf_Evap::num_asp)}, "[Num asper = %f]\n"},
};

void Valores_Resf_Evap(TAtuador* atuador, TValores_Resf_Evap* v) {
  const auto* a = dynamic_cast<const TResf_Evap_Asp*>(atuador);
  if (a == nullptr) return;
  v->teta = a->R_Teta();
  v->qliq = a->R_Qliq();
  v->vliq = a->R_Vliq();
  v->tliq = a->R_Tliq();
  v->raio = a->R_Raio();
  v->var = a->R_Var();
  v->num_asp = a->R_NumAsp();
}

// Each cooler is told its ordinal among the block's coolers, from 1.
TAtuador* Novo_Resf_Evap(const TValores_Resf_Evap& v, const TComum&, TIntervalos* h,
                         TContexto* contexto) {
  return new TResf_Evap_Asp(h, ++contexto->ordem_resf, contexto->zona, v.teta, v.qliq, v.vliq,
                            v.tliq, v.raio, v.var, v.num_asp);
}

// ---- Control entries ----

struct TValores_Controle {
  int32_t tipo = 0;
  float referencia = 0;
  float histerese = 0;
  float referencia_2 = 0;
  float histerese_2 = 0;
  float parametro[3] = {};
  float automatico[6] = {};
  int32_t tempos[4] = {};
};

const TCampo<TValores_Controle> kReferencia = Campo(&TValores_Controle::referencia);
const TCampo<TValores_Controle> kHisterese = Campo(&TValores_Controle::histerese);
const TCampo<TValores_Controle> kReferencia2 = Campo(&TValores_Controle::referencia_2);
const TCampo<TValores_Controle> kHisterese2 = Campo(&TValores_Controle::histerese_2);
const TCampo<TValores_Controle> P0 = arqaux::Elemento(&TValores_Controle::parametro, 0);
const TCampo<TValores_Controle> P1 = arqaux::Elemento(&TValores_Controle::parametro, 1);
const TCampo<TValores_Controle> P2 = arqaux::Elemento(&TValores_Controle::parametro, 2);

const TLinha<TValores_Controle> kLinhaControle = {"\t[Controle = %d",
                                                  {Campo(&TValores_Controle::tipo)}};
const TLinha<TValores_Controle> kFechoControle = {"]\n", {}};

// What follows the kind, line by line, for the kinds that carry values.
struct TContinuacao {
  int tipo;
  std::vector<TLinha<TValores_Controle>> linhas;
};

const TContinuacao kContinuacoesBasicas[] = {
    {1, {{",%.2f,%.2f]\n", {kReferencia, kHisterese}}}},
    {2, {}},
    {3, {{",%.2f,%.2f,%.2f,%.2f]\n", {kReferencia, P0, P1, P2}}}},
};

std::vector<TCampo<TValores_Controle>> Campos_Automatico() {
  std::vector<TCampo<TValores_Controle>> campos = arqaux::Elementos(&TValores_Controle::automatico);
  for (const TCampo<TValores_Controle>& c : arqaux::Elementos(&TValores_Controle::tempos))
    campos.push_back(c);
  return campos;
}

const TContinuacao kContinuacoesResfEvap[] = {
    {4, {{",%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%d,%d,%d,%d]\n", Campos_Automatico()}}},
    {5,
     {{",%.2f,%.2f", {kReferencia, kHisterese}}, {",%.2f,%.2f]\n", {kReferencia2, kHisterese2}}}},
    {6, {{",%.2f,%.2f,%.2f,%.2f,%.2f]\n", {kReferencia, kReferencia2, P0, P1, P2}}}},
};

// The continuation of kind tipo in the table; null for kinds closed by "]\n".
template <size_t N>
const TContinuacao* Busca_Continuacao(const TContinuacao (&tabela)[N], int tipo) {
  for (const TContinuacao& c : tabela) {
    if (c.tipo == tipo) return &c;
  }
  return nullptr;
}

TValores_Controle Valores_De(TControle* c) {
  TValores_Controle v;
  v.tipo = c->R_Tipo_Controlador();
  if (const TContOnOff* o = c->R_ContOnOff()) {
    v.referencia = o->R_Referencia();
    v.histerese = o->R_Histerese();
    v.referencia_2 = o->R_Referencia_2();
    v.histerese_2 = o->R_Histerese_2();
  }
  if (const TContPID* p = c->R_ContPid()) {
    v.referencia = p->R_Referencia();
    v.referencia_2 = p->R_Referencia_2();
    for (int k = 0; k < 3; ++k) v.parametro[k] = p->R_Parametro(k);
  }
  if (const TContAutomatico* a = c->R_ContAutomatico()) {
    const float reais[6] = {a->R_Temperatura_Min(), a->R_Temperatura_Max(), a->R_Histerese_Temp(),
                            a->R_Umidade_Min(),     a->R_Umidade_Max(),     a->R_Histerese_UmRel()};
    for (int k = 0; k < 6; ++k) v.automatico[k] = reais[k];
    v.tempos[0] = a->R_Tempo_Min_ON();
    v.tempos[1] = a->R_Tempo_Max_ON();
    v.tempos[2] = a->R_Tempo_Min_OFF();
    v.tempos[3] = a->R_Tempo_Max_OFF();
  }
  return v;
}

// Creates on c the controller of the kind just read. The file holds the
// reference before the hysteresis; the model takes them the other way round.
void Cria_Controlador(TControle* c, const TValores_Controle& v) {
  const float* p = v.parametro;
  switch (v.tipo) {
    case 1:
      c->Cria_Controlador_OnOff(v.histerese, v.referencia);
      break;
    case 3:
      c->Cria_Controlador_PID(p[0], p[1], p[2], kTempoIntegracaoPid, v.referencia);
      break;
    case 4: {
      const float* a = v.automatico;
      c->Cria_Controlador_Automatico(a[0], a[1], a[2], a[3], a[4], a[5], v.tempos[0], v.tempos[1],
                                     v.tempos[2], v.tempos[3]);
      break;
    }
    case 5:
      c->Cria_Controlador_OnOff_Temp_Umid(v.histerese, v.referencia, v.histerese_2, v.referencia_2);
      break;
    case 6:
      c->Cria_Controlador_PID_Temp_Umid(p[0], p[1], p[2], kTempoIntegracaoPid, v.referencia,
                                        v.referencia_2);
      break;
    default:
      break;
  }
}

template <size_t N>
bool Grava_Entrada_Controle(FILE* arq, TAtuador* atuador, const TContinuacao (&tabela)[N]) {
  if (arq == nullptr || atuador == nullptr) return false;
  TValores_Controle v = Valores_De(atuador->R_Controle());
  arqaux::Grava_Linha(arq, kLinhaControle, v);
  const TContinuacao* c = Busca_Continuacao(tabela, v.tipo);
  if (c == nullptr) {
    arqaux::Grava_Linha(arq, kFechoControle, v);
  } else {
    for (const TLinha<TValores_Controle>& linha : c->linhas) arqaux::Grava_Linha(arq, linha, v);
  }
  return arqaux::Gravou(arq);
}

// The entry's scans are not checked: whatever was converted is used, and the
// values not reached stay 0. A kind without values creates nothing, leaving
// the controller the actuator was built with.
template <size_t N>
bool Le_Entrada_Controle(FILE* arq, TAtuador* atuador, const TContinuacao (&tabela)[N]) {
  if (arq == nullptr || atuador == nullptr) return false;
  TValores_Controle v;
  arqaux::Le_Linha(arq, kLinhaControle, &v);
  const TContinuacao* c = Busca_Continuacao(tabela, v.tipo);
  if (c == nullptr) {
    arqaux::Le_Linha(arq, kFechoControle, &v);
    return true;
  }
  for (const TLinha<TValores_Controle>& linha : c->linhas) arqaux::Le_Linha(arq, linha, &v);
  Cria_Controlador(atuador->R_Controle(), v);
  return true;
}

void Grava_Controle_Basico(FILE* arq, TAtuador* a) {
  Grava_Entrada_Controle(arq, a, kContinuacoesBasicas);
}
void Le_Controle_Basico(FILE* arq, TAtuador* a) {
  Le_Entrada_Controle(arq, a, kContinuacoesBasicas);
}
void Grava_Controle_Resf(FILE* arq, TAtuador* a) {
  Grava_Entrada_Controle(arq, a, kContinuacoesResfEvap);
}
void Le_Controle_Resf(FILE* arq, TAtuador* a) {
  Le_Entrada_Controle(arq, a, kContinuacoesResfEvap);
}

template <class V>
using TTipo_Atuador = arqaux::TTipo_Registro<TAtuador, TContexto, V>;

const TTipo_Atuador<TValores_Aquecedor> kAquecedor = {kTipoAquecedor,        kLinhasAquecedor,
                                                      Valores_Aquecedor,     Novo_Aquecedor,
                                                      Grava_Controle_Basico, Le_Controle_Basico};
const TTipo_Atuador<TValores_ArCondicionado> kArCondicionado = {
    kTipoArCondicionado, kLinhasArCondicionado, Valores_ArCondicionado,
    Novo_ArCondicionado, Grava_Controle_Basico, Le_Controle_Basico};
const TTipo_Atuador<TValores_ArCondicionadoC> kArCondicionadoC = {
    kTipoArCondicionadoC, kLinhasArCondicionadoC, Valores_ArCondicionadoC, Novo_ArCondicionadoC};
const TTipo_Atuador<TValores_Resf_Evap> kResfEvap = {kTipoResfEvap,       kLinhasResfEvap,
                                                     Valores_Resf_Evap,   Novo_Resf_Evap,
                                                     Grava_Controle_Resf, Le_Controle_Resf};

// A record of another type code is its common lines alone.
const arqaux::TBloco<TAtuador, TContexto> kAtuadores = {
    {"[Numero de Atuadores = %d]\n", {Campo(&TComum::numero)}},
    kLinhasAtuador,
    {arqaux::Descritor(kAquecedor), arqaux::Descritor(kArCondicionado),
     arqaux::Descritor(kArCondicionadoC), arqaux::Descritor(kResfEvap)},
    arqaux::Comum_De<TAtuador>,
    false,
    arqaux::TPolitica_Falha::Para_Na_Primeira};

}  // namespace

bool TGeren_ArquivoAux::Grava_Controle(TAtuador* atuador) {
  return Grava_Entrada_Controle(Arquivo_Atual, atuador, kContinuacoesBasicas);
}

bool TGeren_ArquivoAux::Le_Controle(TAtuador* atuador) {
  return Le_Entrada_Controle(Arquivo_Atual, atuador, kContinuacoesBasicas);
}

bool TGeren_ArquivoAux::Grava_Controle_Resf_Evap(TAtuador* atuador) {
  return Grava_Entrada_Controle(Arquivo_Atual, atuador, kContinuacoesResfEvap);
}

bool TGeren_ArquivoAux::Le_Controle_Resf_Evap(TAtuador* atuador) {
  return Le_Entrada_Controle(Arquivo_Atual, atuador, kContinuacoesResfEvap);
}

bool TGeren_ArquivoAux::Grava_Climatizador(TGeren_Atuadores* atuadores) {
  return arqaux::Grava_Bloco(Arquivo_Atual, kAtuadores,
                             atuadores != nullptr ? atuadores->R_Atuadores() : nullptr);
}

// The count and the first record come from the current stream; stream n is
// made current again before each later record.
bool TGeren_ArquivoAux::Le_Climatizador(CGeren_Equip_HVAC* geren_equip, TGeren_Atuadores* atuadores,
                                        int zona, int n) {
  TContexto contexto;
  contexto.geren_equip = geren_equip;
  contexto.zona = zona;
  return arqaux::Le_Bloco(
      Arquivo_Atual, kAtuadores, &contexto, atuadores != nullptr,
      [&](TAtuador* a) { atuadores->Insere_Atuadores(a); },
      [&] {
        Muda_Arquivo(n);
        return Arquivo_Atual;
      });
}

bool TGeren_ArquivoAux::Grava_Climatizador_ZonaX(TGeren_Atuadores* atuadores, int zona) {
  return arqaux::Grava_Na_Zona(Arquivo_Atual, zona, [&] { return Grava_Climatizador(atuadores); });
}

bool TGeren_ArquivoAux::Le_Climatizador_ZonaX(CGeren_Equip_HVAC* geren_equip,
                                              TGeren_Atuadores* atuadores, int zona, int n) {
  return arqaux::Le_Na_Zona(
      Arquivo_Atual, zona, [&] { return Le_Climatizador(geren_equip, atuadores, zona, n); },
      [&] {
        if (atuadores != nullptr) atuadores->Inicializa_Atuadores(true);
      });
}
