// The fan-coil file: the secondary HVAC system as a count line and one block
// per fan coil ("Nº" is written "N\xBA", Windows-1252):
//
//   [Nº Fancoils = 2]                                 only before fan coil 1
//   	[Fan-Coil 1]
//   	{Dados Gerais: 0.500000,...,}                    6 values
//   	{Config Gerais: 1,0,...,}                        10 values
//   		[Nº Componentes = 1]                         the fan coil's components
//   		[Componente = 5]	{Dados: 0.5,250,0.7,0.9,1,	{Config: 1,0,}
//   	[Nº Zonas = 1]
//   		[Zona = 3]	{Dados: [Sala],1.000000,...,}	{Config: 1,0,0,0,0,}
//   		[Nº Componentes = 0]                         the zone's components
//   	[Horarios = 0]                                   the zone's schedule
//   		[Controle Aq = 1,21.00,1.00]
//   		[Controle Resf = 2	[Horarios = 1]           the fan coil's schedule
//   		[Horario 1 = (1,5,8:0->17:30)]
//   	[Ativar Ventilacao = 1]
//   	[Controle Ventilacao = 1,0,1]                    control, 100 % outdoor air, by difference
//   	[Horarios Ventilacao = 0]
//   	[Controle Aq = 3,22.00,0.50,0.10,0.00]
//   	... Resf, Umid, Desumid, Reaq, Vent ...
//
// Component data are written in the shortest form ("%g", one half as 0.5)
// and read back as reals; their part has no closing brace. How many values a
// component has comes from its type code (TGeren_Componentes_HVAC); a code
// outside 0..6 has none, builds nothing when read, and still counts in the
// positions of the components after it.
//
// A controller line begins with its kind. Heating and cooling: 1 on/off
// (reference, hysteresis), 3 PID (reference, parameters 0 to 2; the
// integration time is the model's 3600 s), 2 stores no values and leaves its
// line open, so the next line follows on it; any other kind is closed at
// once and creates nothing when read. Humidification, dehumidification and
// reheat: 1 on/off with its humidity-control type first. Ventilation: 1
// carries the temperature and enthalpy differences that enable ventilation,
// which the reader gives back to an on/off ventilation controller, so that a
// fan coil read from the file writes the same file again.
//
// Reading goes on past lines that do not match and reports at the end,
// except in two cases where going on could only read nothing or build
// without bound: the file ends inside the block, or a zone or component
// count is more than the rest of the file can hold. Both stop the read at
// once and fail it, the count before anything is built for it.

#include <array>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "arqaux/contracts/hvac_model.h"
#include "arqaux/contracts/utility.h"
#include "arqaux/geren_arquivoaux.h"
#include "engine/binario.h"
#include "engine/linhas_config.h"
#include "engine/registros.h"

using arqaux::Campo;
using arqaux::kTempoIntegracaoPid;
using arqaux::TCampo;
using arqaux::TComum;
using arqaux::TLinha;
using arqaux::TPolitica_Falha;
using arqaux::TTabela;

namespace {

// A zone name is read into a buffer of this size: at most 19 characters.
constexpr int kTamNomeZona = 20;

// The fewest bytes a zone and a component take in the file, white space and
// closing brackets being optional to the reader: "[Zona=0{Dados:[x" and
// "[Componente=0".
constexpr int64_t kMinBytesZona = 16;
constexpr int64_t kMinBytesComponente = 13;

// ---- Reading ----

// Where a read of the file stands.
struct TLeitura {
  explicit TLeitura(FILE* a) : arq(a) {}
  FILE* arq;
  bool casou = true;   // every line whose result counts matched
  bool parou = false;  // the file ended inside the block, or a count cannot be right

  // Notes a read: one that came up short at the end of the file stops the
  // read, whether its result counts or not.
  bool Nota(bool lido) {
    if (!lido && std::feof(arq)) parou = true;
    return lido;
  }
  void Testa(bool lido) { casou = lido && casou; }
  // Scans one row, going on past a repeated value that does not match.
  template <class V>
  bool Linha(const TLinha<V>& linha, V* v) {
    return Nota(arqaux::Le_Linha(arq, linha, v, TPolitica_Falha::Le_Tudo));
  }
  // Scans every row, each noted as it is read: a row that does not match
  // before a later one reaches the end of the file does not stop the read.
  template <class V>
  bool Linhas(TTabela<V> tabela, V* v) {
    bool ok = true;
    for (const TLinha<V>& linha : tabela) ok = Linha(linha, v) && ok;
    return ok;
  }
  template <class V, size_t N>
  bool Linhas(const TLinha<V> (&tabela)[N], V* v) {
    return Linhas(TTabela<V>(tabela), v);
  }
};

// Whether n items of at least minimo bytes each fit in the rest of the file.
// A stream that cannot tell its size (a pipe) passes: components and zones
// are built one at a time as they are read, so there the count only bounds
// a loop that stops at the end of the input.
bool Cabe(FILE* arq, int32_t n, int64_t minimo) {
  return n < 1 || n <= arqaux::Bytes_Restantes(arq, INT64_MAX) / minimo;
}

template <class T, size_t N>
std::vector<T> Vetor_De(const T (&valores)[N]) {
  return std::vector<T>(std::begin(valores), std::end(valores));
}

// Copies at most N values; the rest stay 0.
template <class T, size_t N>
void Copia(const std::vector<T>& origem, T (&destino)[N]) {
  for (size_t k = 0; k < N && k < origem.size(); ++k) destino[k] = origem[k];
}

// ---- Count lines ----

const TLinha<TComum> kContagemFancoils = {"[N\xBA Fancoils = %i]\n", {Campo(&TComum::numero)}};
const TLinha<TComum> kContagemComponentes = {"\t\t[N\xBA Componentes = %i]\n",
                                             {Campo(&TComum::numero)}};
const TLinha<TComum> kContagemZonas = {"\t[N\xBA Zonas = %d]\n", {Campo(&TComum::numero)}};

// ---- Components ----

struct TValores_Componente {
  int32_t tipo = 0;
  int32_t num_dados = 0;
  int32_t num_config = 0;
  float dados[TGeren_Componentes_HVAC::MAX_DADOS_COMP] = {};
  int32_t config[TGeren_Componentes_HVAC::MAX_CONFIG_COMP] = {};
};

// The type line comes first: what follows it depends on the type.
const TLinha<TValores_Componente> kTipoComponente = {"\t\t[Componente = %d]\t{Dados: ",
                                                     {Campo(&TValores_Componente::tipo)}};
const TLinha<TValores_Componente> kValoresComponente[] = {
    {"%g,",
     {arqaux::Vetor_Contado(&TValores_Componente::dados, Campo(&TValores_Componente::num_dados))}},
    {"\t{Config: ", {}},
    {"%d,",
     {arqaux::Vetor_Contado(&TValores_Componente::config,
                            Campo(&TValores_Componente::num_config))}},
    {"}\n", {}},
};

using TConstrutor = TComponente_HVAC* (*)(const std::vector<float>&, const std::vector<int>&,
                                          int tipo, int posicao);

template <class C>
TComponente_HVAC* Sem_Tipo(const std::vector<float>& d, const std::vector<int>& c, int, int p) {
  return new C(d, c, p);
}

template <class C>
TComponente_HVAC* Com_Tipo(const std::vector<float>& d, const std::vector<int>& c, int t, int p) {
  return new C(d, c, t, p);
}

// The class of each type code 0..6; coils and fans are told their code.
const TConstrutor kConstrutores[] = {
    Sem_Tipo<TCaixadeMistura>,  Sem_Tipo<TResistenciaEletrica>,    Com_Tipo<TSerpentina_Agua>,
    Com_Tipo<TSerpentina_Agua>, Sem_Tipo<TUmidificador_Inj_Vapor>, Com_Tipo<TVentilador>,
    Com_Tipo<TVentilador>,
};

// The component of type tipo, or null for a code without a class.
TComponente_HVAC* Novo_Componente(int tipo, int posicao, const std::vector<float>& dados,
                                  const std::vector<int>& config) {
  if (tipo < 0 || static_cast<size_t>(tipo) >= std::size(kConstrutores)) return nullptr;
  return kConstrutores[tipo](dados, config, tipo, posicao);
}

// A component reporting more values than any type has fails the write.
bool Grava_Componentes(FILE* arq, TGeren_Componentes_HVAC* componentes) {
  const std::list<TComponente_HVAC*> lista = componentes != nullptr
                                                 ? componentes->R_Componentes_Sist_Sec()
                                                 : std::list<TComponente_HVAC*>();
  TComum c;
  c.numero = static_cast<int32_t>(lista.size());
  if (arqaux::Grava_Linha(arq, kContagemComponentes, c) < 0) return false;
  for (TComponente_HVAC* componente : lista) {
    TValores_Componente v;
    std::vector<float> dados;
    componente->R_Dados(dados);
    v.tipo = componente->R_Tipo();
    v.num_dados = static_cast<int32_t>(dados.size());
    v.num_config = static_cast<int32_t>(componente->R_Config().size());
    Copia(dados, v.dados);
    Copia(componente->R_Config(), v.config);
    if (arqaux::Grava_Linha(arq, kTipoComponente, v) < 0 ||
        !arqaux::Grava_Linhas(arq, kValoresComponente, v))
      return false;
  }
  return arqaux::Gravou(arq);
}

// Reads a component block, building each component as its lines are read.
// Without a manager, a count below 1 still reads as matched.
void Le_Componentes(TLeitura* l, TGeren_Componentes_HVAC* componentes) {
  if (l->parou) return;
  TComum c;
  l->Testa(l->Linha(kContagemComponentes, &c));
  if (c.numero < 1) return;
  if (componentes == nullptr) l->casou = false;
  if (!Cabe(l->arq, c.numero, kMinBytesComponente)) l->parou = true;
  for (int32_t posicao = 0; posicao < c.numero && componentes != nullptr && !l->parou; ++posicao) {
    TValores_Componente v;
    l->Testa(l->Linha(kTipoComponente, &v));
    v.num_dados = TGeren_Componentes_HVAC::R_Num_Dados_Comp(v.tipo);
    v.num_config = TGeren_Componentes_HVAC::R_Num_Config_Comp(v.tipo);
    l->Testa(l->Linhas(kValoresComponente, &v));
    if (l->parou) return;
    componentes->Insere_Componente(
        Novo_Componente(v.tipo, posicao, std::vector<float>(v.dados, v.dados + v.num_dados),
                        std::vector<int>(v.config, v.config + v.num_config)));
  }
}

// A component block inside a fan coil: what it matched does not count, only
// whether the read could go on.
void Le_Componentes_Internos(TLeitura* l, TGeren_Componentes_HVAC* componentes) {
  TLeitura bloco(l->arq);
  bloco.parou = l->parou;
  Le_Componentes(&bloco, componentes);
  l->parou = bloco.parou;
}

// ---- Controllers ----

struct TValores_Controle {
  int32_t tipo = 0;
  int32_t tipo_umidade = 0;
  float referencia = 0;
  float histerese = 0;
  float parametro[3] = {};
  float dif_temp = 0;
  float dif_ent = 0;
};

const TCampo<TValores_Controle> kTipo = Campo(&TValores_Controle::tipo);
const TCampo<TValores_Controle> kReferencia = Campo(&TValores_Controle::referencia);
const TCampo<TValores_Controle> kHisterese = Campo(&TValores_Controle::histerese);

using TAplica = void (*)(TControle*, const TValores_Controle&);

// What follows a kind on its line, and what reading it creates (null: nothing).
struct TContinuacao {
  int32_t tipo;
  std::vector<TLinha<TValores_Controle>> linhas;
  TAplica aplica;
};
using TFamilia = std::vector<TContinuacao>;

// The file holds the reference before the hysteresis; the model takes them
// the other way round.
void Cria_OnOff(TControle* c, const TValores_Controle& v) {
  c->Cria_Controlador_OnOff(v.histerese, v.referencia);
}

void Cria_PID(TControle* c, const TValores_Controle& v) {
  c->Cria_Controlador_PID(v.parametro[0], v.parametro[1], v.parametro[2], kTempoIntegracaoPid,
                          v.referencia);
}

void Cria_OnOff_Umidade(TControle* c, const TValores_Controle& v) {
  Cria_OnOff(c, v);
  c->A_Tipo_Controle_Umidade(v.tipo_umidade);
}

// The differences go to the on/off settings, created when the controller
// has none (its reference and hysteresis are not in the file).
void Restaura_Ventilacao(TControle* c, const TValores_Controle& v) {
  if (c->R_Tipo_Controlador() != 1 || c->R_ContOnOff() == nullptr) c->Cria_Controlador_OnOff(0, 0);
  c->R_ContOnOff()->A_Dif_Temp_Vent(v.dif_temp);
  c->R_ContOnOff()->A_Dif_Ent_Vent(v.dif_ent);
}

// Heating and cooling.
const TFamilia kTermica = {
    {1, {{",%.2f,%.2f]\n", {kReferencia, kHisterese}}}, Cria_OnOff},
    {TControle::TIPO_SEM_VALORES, {}, nullptr},
    {3,
     {{",%.2f,%.2f,%.2f,%.2f]\n",
       {kReferencia, arqaux::Elemento(&TValores_Controle::parametro, 0),
        arqaux::Elemento(&TValores_Controle::parametro, 1),
        arqaux::Elemento(&TValores_Controle::parametro, 2)}}},
     Cria_PID},
};

// Humidification, dehumidification and reheat.
const TFamilia kUmidade = {
    {1,
     {{",%d,%.2f,%.2f]\n", {Campo(&TValores_Controle::tipo_umidade), kReferencia, kHisterese}}},
     Cria_OnOff_Umidade},
};

const TFamilia kVentilacao = {
    {1,
     {{",%.2f,%.2f]\n", {Campo(&TValores_Controle::dif_temp), Campo(&TValores_Controle::dif_ent)}}},
     Restaura_Ventilacao},
};

// A kind its family does not list is closed at once.
const TLinha<TValores_Controle> kFecho[] = {{"]\n", {}}};

struct TEntrada_Controle {
  TLinha<TValores_Controle> cabeca;
  const TFamilia* familia;
};

const TEntrada_Controle kControlesZona[] = {
    {{"\t\t[Controle Aq = %d", {kTipo}}, &kTermica},
    {{"\t\t[Controle Resf = %d", {kTipo}}, &kTermica},
};

const TEntrada_Controle kControlesFancoil[] = {
    {{"\t[Controle Aq = %d", {kTipo}}, &kTermica},
    {{"\t[Controle Resf = %d", {kTipo}}, &kTermica},
    {{"\t[Controle Umid = %d", {kTipo}}, &kUmidade},
    {{"\t[Controle Desumid = %d", {kTipo}}, &kUmidade},
    {{"\t[Controle Reaq = %d", {kTipo}}, &kUmidade},
    {{"\t[Controle Vent = %d", {kTipo}}, &kVentilacao},
};

std::array<TControle*, 2> Controles_De(CZona_Sist_Sec* z) {
  return {z->R_Controle_AQ(), z->R_Controle_RESF()};
}

std::array<TControle*, 6> Controles_De(CFanCoil* f) {
  return {f->R_Controle_AQ(), f->R_Controle_RESF(), f->R_Controle_UM(),
          f->R_Controle_DU(), f->R_Controle_RA(),   f->R_Controle_VENT()};
}

const TContinuacao* Busca(const TFamilia& familia, int32_t tipo) {
  for (const TContinuacao& c : familia) {
    if (c.tipo == tipo) return &c;
  }
  return nullptr;
}

// The rows after the kind: the continuation's, or the closing bracket.
TTabela<TValores_Controle> Linhas_De(const TContinuacao* c) {
  if (c == nullptr) return kFecho;
  TTabela<TValores_Controle> t;
  t.linhas = c->linhas.data();
  t.n = c->linhas.size();
  return t;
}

TValores_Controle Valores_De(TControle* c) {
  TValores_Controle v;
  v.tipo = c->R_Tipo_Controlador();
  v.tipo_umidade = c->R_Tipo_Controle_Umidade();
  if (const TContOnOff* o = c->R_ContOnOff()) {
    v.referencia = o->R_Referencia();
    v.histerese = o->R_Histerese();
    v.dif_temp = o->R_Dif_Temp_Vent();
    v.dif_ent = o->R_Dif_Ent_Vent();
  }
  if (const TContPID* p = c->R_ContPid()) {
    v.referencia = p->R_Referencia();
    for (int k = 0; k < 3; ++k) v.parametro[k] = p->R_Parametro(k);
  }
  return v;
}

template <size_t N>
bool Grava_Controles(FILE* arq, const TEntrada_Controle (&entradas)[N],
                     const std::array<TControle*, N>& controles) {
  for (size_t k = 0; k < N; ++k) {
    const TValores_Controle v = Valores_De(controles[k]);
    if (arqaux::Grava_Linha(arq, entradas[k].cabeca, v) < 0 ||
        !arqaux::Grava_Linhas(arq, Linhas_De(Busca(*entradas[k].familia, v.tipo)), v))
      return false;
  }
  return true;
}

// The lines are read without testing: whatever was converted is used, the
// values not reached staying 0. A controller is created only from a line
// that the file does not end inside.
template <size_t N>
void Le_Controles(TLeitura* l, const TEntrada_Controle (&entradas)[N],
                  const std::array<TControle*, N>& controles) {
  for (size_t k = 0; k < N && !l->parou; ++k) {
    TValores_Controle v;
    l->Linha(entradas[k].cabeca, &v);
    if (l->parou) return;
    const TContinuacao* c = Busca(*entradas[k].familia, v.tipo);
    l->Linhas(Linhas_De(c), &v);
    if (!l->parou && c != nullptr && c->aplica != nullptr) c->aplica(controles[k], v);
  }
}

// ---- Schedules ----

// The schedule is cleared only when the read reaches it.
void Le_Horario(TLeitura* l, TIntervalos* intervalos, arqaux::TTitulo_Horarios titulo) {
  if (l->parou) return;
  intervalos->Limpa_Intervalos();
  l->Nota(arqaux::Le_Horarios(l->arq, intervalos, titulo));
}

// ---- Zones ----

struct TValores_Zona {
  int32_t zona = 0;
  char nome[kTamNomeZona] = {};
  float dados[CZona_Sist_Sec::NUM_DADOS] = {};
  int32_t config[CZona_Sist_Sec::NUM_CONFIG] = {};
};

const TLinha<TValores_Zona> kCabecaZona = {"\t\t[Zona = %d]", {Campo(&TValores_Zona::zona)}};
const TLinha<TValores_Zona> kNomeZona = {"\t{Dados: [%s],", {Campo(&TValores_Zona::nome)}};
const TLinha<TValores_Zona> kValoresZona[] = {
    {"%f,", {arqaux::Vetor(&TValores_Zona::dados, CZona_Sist_Sec::NUM_DADOS)}},
    {"}\t{Config: ", {}},
    {"%d,", {arqaux::Vetor(&TValores_Zona::config, CZona_Sist_Sec::NUM_CONFIG)}},
    {"}\n", {}},
};

// A name the reader takes back whole: 1 to 19 characters, none of them a
// closing bracket or a terminator.
bool Nome_Cabe(const std::string& nome) {
  return !nome.empty() && nome.size() < kTamNomeZona &&
         nome.find_first_of(std::string("]\0", 2)) == std::string::npos;
}

bool Grava_Zona(FILE* arq, CZona_Sist_Sec* z) {
  if (!Nome_Cabe(z->R_Nome_Zona())) return false;
  TValores_Zona v;
  v.zona = z->R_Num_Zona();
  z->R_Nome_Zona().copy(v.nome, sizeof v.nome - 1);
  Copia(z->R_Dados(), v.dados);
  Copia(z->R_Config(), v.config);
  return arqaux::Grava_Linha(arq, kCabecaZona, v) >= 0 &&
         arqaux::Grava_Linha(arq, kNomeZona, v) >= 0 &&
         arqaux::Grava_Linhas(arq, kValoresZona, v) && Grava_Componentes(arq, z->R_Geren_Comp()) &&
         arqaux::Grava_Horarios(arq, z->R_Intervalos()) &&
         Grava_Controles(arq, kControlesZona, Controles_De(z));
}

bool Grava_Zonas(FILE* arq, CFanCoil* fancoil) {
  const std::list<CZona_Sist_Sec*> zonas = fancoil->R_Geren_Zonas()->R_Zonas_Sist_Sec();
  TComum c;
  c.numero = static_cast<int32_t>(zonas.size());
  if (arqaux::Grava_Linha(arq, kContagemZonas, c) < 0) return false;
  for (CZona_Sist_Sec* z : zonas) {
    if (!Grava_Zona(arq, z)) return false;
  }
  return true;
}

// A zone is built once its line is read, with the name only when it was read
// whole, and then filled.
void Le_Zona(TLeitura* l, TGeren_Zonas_HVAC* zonas) {
  TValores_Zona v;
  l->Testa(l->Linha(kCabecaZona, &v));
  const bool nome = l->Linha(kNomeZona, &v);
  l->Testa(nome);
  if (!nome) v.nome[0] = '\0';
  l->Testa(l->Linhas(kValoresZona, &v));
  if (l->parou) return;
  auto* zona = new CZona_Sist_Sec(Vetor_De(v.dados), Vetor_De(v.config), v.zona, v.nome);
  zonas->Insere_Zona(zona);
  Le_Componentes_Internos(l, zona->R_Geren_Comp());
  Le_Horario(l, zona->R_Intervalos(), arqaux::TTitulo_Horarios::Horarios);
  Le_Controles(l, kControlesZona, Controles_De(zona));
}

void Le_Zonas(TLeitura* l, CFanCoil* fancoil) {
  if (l->parou) return;
  TComum c;
  l->Testa(l->Linha(kContagemZonas, &c));
  if (!Cabe(l->arq, c.numero, kMinBytesZona)) l->parou = true;
  for (int32_t i = 0; i < c.numero && !l->parou; ++i) Le_Zona(l, fancoil->R_Geren_Zonas());
}

// ---- The fan coil ----

struct TValores_FanCoil {
  int32_t numero = 0;
  float dados[CFanCoil::NUM_DADOS] = {};
  int32_t config[CFanCoil::NUM_CONFIG] = {};
};

const TLinha<TValores_FanCoil> kLinhasFancoil[] = {
    {"\t[Fan-Coil %d]\n", {Campo(&TValores_FanCoil::numero)}},
    {"\t{Dados Gerais: ", {}},
    {"%f,", {arqaux::Vetor(&TValores_FanCoil::dados, CFanCoil::NUM_DADOS)}},
    {"}\n", {}},
    {"\t{Config Gerais: ", {}},
    {"%d,", {arqaux::Vetor(&TValores_FanCoil::config, CFanCoil::NUM_CONFIG)}},
    {"}\n", {}},
};

struct TValores_Ventilacao {
  bool ativar = false;
  bool controle = false;
  bool ar_externo = false;
  bool dif_temp = false;
};

const TLinha<TValores_Ventilacao> kLinhasVentilacao[] = {
    {"\t[Ativar Ventilacao = %d]\n", {Campo(&TValores_Ventilacao::ativar)}},
    {"\t[Controle Ventilacao = %d,%d,%d]\n",
     {Campo(&TValores_Ventilacao::controle), Campo(&TValores_Ventilacao::ar_externo),
      Campo(&TValores_Ventilacao::dif_temp)}},
};

bool Grava_Cabecalho(FILE* arq, CFanCoil* fancoil, int numero) {
  TValores_FanCoil v;
  v.numero = numero;
  Copia(fancoil->R_Dados(), v.dados);
  Copia(fancoil->R_Config(), v.config);
  return arqaux::Grava_Linhas(arq, kLinhasFancoil, v);
}

void Le_Cabecalho(TLeitura* l, CFanCoil* fancoil) {
  TValores_FanCoil v;
  l->Testa(l->Linhas(kLinhasFancoil, &v));
  if (l->parou) return;
  fancoil->A_Dados(Vetor_De(v.dados));
  fancoil->A_Config(Vetor_De(v.config));
}

// The fan coil's schedule, its ventilation switches and ventilation schedule.
bool Grava_Ventilacao(FILE* arq, CFanCoil* fancoil) {
  TValores_Ventilacao v;
  v.ativar = fancoil->R_Ativar_Ventilacao();
  v.controle = fancoil->R_Ativar_Controle_Vent();
  v.ar_externo = fancoil->R_Ativar_100ArExt_Vent();
  v.dif_temp = fancoil->R_Ativar_DifTemp_Vent();
  return arqaux::Grava_Horarios(arq, fancoil->R_Intervalos()) &&
         arqaux::Grava_Linhas(arq, kLinhasVentilacao, v) &&
         arqaux::Grava_Horarios(arq, fancoil->R_Intervalos_Vent(),
                                arqaux::TTitulo_Horarios::Ventilacao);
}

void Le_Ventilacao(TLeitura* l, CFanCoil* fancoil) {
  Le_Horario(l, fancoil->R_Intervalos(), arqaux::TTitulo_Horarios::Horarios);
  if (l->parou) return;
  TValores_Ventilacao v;
  l->Linhas(kLinhasVentilacao, &v);
  if (l->parou) return;
  fancoil->A_Ativar_Ventilacao(v.ativar);
  fancoil->A_Ativar_Controle_Vent(v.controle);
  fancoil->A_Ativar_100ArExt_Vent(v.ar_externo);
  fancoil->A_Ativar_DifTemp_Vent(v.dif_temp);
  Le_Horario(l, fancoil->R_Intervalos_Vent(), arqaux::TTitulo_Horarios::Ventilacao);
}

// The parts of a fan-coil block after its head, in file order.
struct TParte {
  bool (*grava)(FILE* arq, CFanCoil* fancoil);
  void (*le)(TLeitura* l, CFanCoil* fancoil);
};

const TParte kPartes[] = {
    {[](FILE* arq, CFanCoil* f) { return Grava_Componentes(arq, f->R_Geren_Comp()); },
     [](TLeitura* l, CFanCoil* f) { Le_Componentes_Internos(l, f->R_Geren_Comp()); }},
    {Grava_Zonas, Le_Zonas},
    {Grava_Ventilacao, Le_Ventilacao},
    {[](FILE* arq, CFanCoil* f) {
       return Grava_Controles(arq, kControlesFancoil, Controles_De(f));
     },
     [](TLeitura* l, CFanCoil* f) { Le_Controles(l, kControlesFancoil, Controles_De(f)); }},
};

}  // namespace

bool TGeren_ArquivoAux::Grava_Dados_FanCoil(CFanCoil* fancoil, int numero, int contagem) {
  FILE* arq = Arquivo_Atual;
  if (arq == nullptr || (contagem != 0 && fancoil == nullptr)) return false;
  if (contagem == 0 ? numero == 0 : numero == 1) {
    TComum c;
    c.numero = contagem;
    if (arqaux::Grava_Linha(arq, kContagemFancoils, c) < 0) return false;
  }
  if (contagem == 0) return arqaux::Gravou(arq);
  if (!Grava_Cabecalho(arq, fancoil, numero)) return false;
  for (const TParte& parte : kPartes) {
    if (!parte.grava(arq, fancoil)) return false;
  }
  return arqaux::Gravou(arq);
}

int TGeren_ArquivoAux::Le_Num_Reg_FanCoil(int n) {
  FILE* arq = Seleciona_Arquivo_Aberto(n);
  if (arq == nullptr) return -1;
  TComum c;
  if (arqaux::Le_Linha(arq, kContagemFancoils, &c)) return c.numero;
  return std::feof(arq) ? -1 : 0;
}

bool TGeren_ArquivoAux::Le_Dados_FanCoil(int n, CFanCoil* fancoil) {
  FILE* arq = Seleciona_Arquivo(n);
  if (arq == nullptr || fancoil == nullptr) return false;
  TLeitura l(arq);
  Le_Cabecalho(&l, fancoil);
  for (const TParte& parte : kPartes) parte.le(&l, fancoil);
  return l.casou && !l.parou;
}

bool TGeren_ArquivoAux::Grava_Componentes_FanCoil(TGeren_Componentes_HVAC* componentes) {
  return Arquivo_Atual != nullptr && Grava_Componentes(Arquivo_Atual, componentes);
}

bool TGeren_ArquivoAux::Le_Componentes_FanCoil(TGeren_Componentes_HVAC* componentes) {
  if (Arquivo_Atual == nullptr) return false;
  TLeitura l(Arquivo_Atual);
  Le_Componentes(&l, componentes);
  return l.casou && !l.parou;
}

void TGeren_ArquivoAux::Adiciona_Componentes_na_Lista(int tipo, int posicao,
                                                      const std::vector<float>& dados,
                                                      const std::vector<int>& config,
                                                      TGeren_Componentes_HVAC* componentes) {
  if (componentes != nullptr)
    componentes->Insere_Componente(Novo_Componente(tipo, posicao, dados, config));
}

bool TGeren_ArquivoAux::Grava_Controle_FanCoil(CFanCoil* fancoil) {
  return Arquivo_Atual != nullptr && fancoil != nullptr &&
         Grava_Controles(Arquivo_Atual, kControlesFancoil, Controles_De(fancoil)) &&
         arqaux::Gravou(Arquivo_Atual);
}

bool TGeren_ArquivoAux::Le_Controle_FanCoil(CFanCoil* fancoil) {
  if (Arquivo_Atual == nullptr || fancoil == nullptr) return false;
  TLeitura l(Arquivo_Atual);
  Le_Controles(&l, kControlesFancoil, Controles_De(fancoil));
  return true;
}
