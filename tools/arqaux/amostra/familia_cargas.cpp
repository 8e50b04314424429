// The thermal-load family of the sample: for each zone its heat balance
// per step in a winter load stream (steps of May to September), a summer
// load stream (the other months) and a gain stream, all written without
// preamble and copied at the end into reports with one; the annual and
// monthly statistics of the loads (the balance without the plant: what the
// plant has to offset) and of the gains (the whole balance), accumulated
// from the same values, written as reports and saved; the monthly demand,
// consumption and comfort statistics of each zone and the HVAC system's
// monthly demand and consumption, saved. Every saved file is loaded back
// and must give the records that were saved.
#include <arqaux/arqaux.h>
#include <arqaux/formatos.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "amostra/amostra.h"
#include "comum/erros.h"
#include "comum/verificacoes.h"

namespace {

const char* const kFamilia = "thermal loads";

// Values of a load or gain sample, in block order: total, sensible, latent.
using TValores = std::array<float, 3>;

// The mean of samples (of a period's values, or of its sub-periods'
// extremes).
struct TMedia {
  int n = 0;
  std::array<double, 3> soma{};
  void Acrescenta(const TValores& v) {
    for (int q = 0; q < 3; ++q) soma[q] += v[q];
    ++n;
  }
  TValores Valor() const {
    TValores m{};
    for (int q = 0; q < 3 && n > 0; ++q) m[q] = static_cast<float>(soma[q] / n);
    return m;
  }
};

// The extremes of each quantity over a period: the whole sample at the
// quantity's maximum and minimum, and when they occurred; and the mean.
struct TExtremos {
  int n = 0;
  TMedia media;
  TValores max[3], min[3];
  TTempo t_max[3], t_min[3];

  void Acrescenta(const TValores& v, const TTempo& t) {
    for (int q = 0; q < 3; ++q) {
      if (n == 0 || v[q] > max[q][q]) max[q] = v, t_max[q] = t;
      if (n == 0 || v[q] < min[q][q]) min[q] = v, t_min[q] = t;
    }
    media.Acrescenta(v);
    ++n;
  }
  TValores Media() const { return media.Valor(); }
};

// Per quantity, the means of the maxima and of the minima of sub-periods.
struct TMedias_Extremos {
  TMedia max[3], min[3];
  void Acrescenta(const TExtremos& e) {
    if (e.n == 0) return;
    for (int q = 0; q < 3; ++q) max[q].Acrescenta(e.max[q]), min[q].Acrescenta(e.min[q]);
  }
};

// A month's statistics: its extremes and the means of its daily extremes.
struct TMes {
  TExtremos extremos;
  TMedias_Extremos diarias;
};

// The statistics of one series of samples over the run, by year, month
// and day. The family closes days and months for every series at once, so
// that a series without samples in a month still has that month (empty).
class TSerie {
 public:
  void Acrescenta(const TValores& v, const TTempo& t) {
    ano_.Acrescenta(v, t), mes_.extremos.Acrescenta(v, t), dia_.Acrescenta(v, t);
  }
  void Fecha_Dia() {
    diarias_.Acrescenta(dia_), mes_.diarias.Acrescenta(dia_);
    dia_ = TExtremos();
  }
  void Fecha_Mes() {
    mensais_.Acrescenta(mes_.extremos);
    meses_.push_back(mes_);
    mes_ = TMes();
  }
  const TExtremos& Ano() const { return ano_; }
  const TMedias_Extremos& Diarias() const { return diarias_; }
  const TMedias_Extremos& Mensais() const { return mensais_; }
  const std::vector<TMes>& Meses() const { return meses_; }

 private:
  TExtremos ano_, dia_;
  TMes mes_;
  TMedias_Extremos diarias_, mensais_;
  std::vector<TMes> meses_;
};

// Where a block keeps its three values: the season's for a load block.
float* Valores(TCarga_Termica* b, int estacao) {
  return estacao == E_Inverno ? b->Inverno : b->Verao;
}
float* Valores(TGanho_Termico* b, int) { return b->Valores; }

template <class B>
void Poe(B* bloco, int estacao, const TValores& v) {
  std::copy(v.begin(), v.end(), Valores(bloco, estacao));
}

// An annual record's groups, in its documented orders: extremes T min,
// T max, S min, ...; moments and means of extremes T max, T min, S max, ...
template <class B>
void Preenche_Anual(const TSerie& s, int e, B* extremos, TTempo* momentos, B* mensais, B* diarias,
                    B* medias) {
  const TExtremos& a = s.Ano();
  const TValores media = a.Media();
  for (int q = 0; q < 3; ++q) {
    Poe(&extremos[2 * q], e, a.min[q]), Poe(&extremos[2 * q + 1], e, a.max[q]);
    momentos[2 * q] = a.t_max[q], momentos[2 * q + 1] = a.t_min[q];
    Poe(&mensais[2 * q], e, s.Mensais().max[q].Valor());
    Poe(&mensais[2 * q + 1], e, s.Mensais().min[q].Valor());
    Poe(&diarias[2 * q], e, s.Diarias().max[q].Valor());
    Poe(&diarias[2 * q + 1], e, s.Diarias().min[q].Valor());
    Poe(&medias[q], e, media);
  }
}

// A monthly record's groups: extremes at max_em + q and min_em + q,
// moments at max_t + q and min_t + q, daily means of maxima at q and of
// minima at 3 + q, means T, S, L.
template <class B>
void Preenche_Mensal(const TMes& m, int e, int max_em, int min_em, int max_t, int min_t,
                     B* extremos, TTempo* momentos, B* diarias, B* medias) {
  for (int q = 0; q < 3; ++q) {
    Poe(&extremos[max_em + q], e, m.extremos.max[q]);
    Poe(&extremos[min_em + q], e, m.extremos.min[q]);
    momentos[max_t + q] = m.extremos.t_max[q], momentos[min_t + q] = m.extremos.t_min[q];
    Poe(&diarias[q], e, m.diarias.max[q].Valor()),
        Poe(&diarias[3 + q], e, m.diarias.min[q].Valor());
    Poe(&medias[q], e, m.extremos.Media());
  }
}

// The clock of a moment given in seconds since January 1, 0:00:00.
TTempo Relogio(long long segundos) {
  TTempo t;
  DLL_UTIL_Geren_Tempo()->Avanca_X_Segundos(static_cast<int>(segundos % (kDiasAno * kSegundosDia)),
                                            &t);
  return t;
}

// Absolute humidity (kg/kg) and relative humidity (%) at temperature t.
double Pressao_Saturacao(double t) { return 610.78 * std::exp(17.27 * t / (t + 237.3)); }
double Umidade_Relativa(double w, double t) {
  const double pv = w * 101325.0 / (0.622 + w);
  return 100.0 * pv / Pressao_Saturacao(t);
}

// Latent heat of one person, W.
constexpr double kLatentePessoa = 45.0;
constexpr double kSensivelPessoa = 70.0;

// A zone's monthly demand, consumption and comfort sums; a scalar's
// extremes are kept as samples of three equal values.
struct TMes_Zona {
  double demanda[8] = {};
  TExtremos temperatura, umidade, aquecimento, resfriamento, pmv, operativa;
  double horas_aquecimento = 0, horas_frio = 0, horas_calor = 0, horas_conforto = 0, ppd = 0;
};
TValores Escalar(double v) {
  const float f = static_cast<float>(v);
  return {f, f, f};
}

// Adds zone p's step to its month: demand and consumption (kWh), air and
// operative temperature, humidity, loads and comfort, as the zone family's
// comfort model computes it.
void Soma_Mes(TMes_Zona* m, const TZona_Passo& p, const float* b, const TTempo& t, double horas) {
  const double kwh = horas / 1000.0;
  const double iluminacao = b[16], equipamentos = b[12];
  const double ventiladores = p.aquecimento > 0 || p.resfriamento > 0 ? 50.0 : 0.0;
  const double parcelas[7] = {p.calor_aquecimento,
                              p.calor_resfriamento,
                              p.calor_aquecimento / 0.9,
                              p.calor_resfriamento / 3.0,
                              iluminacao,
                              equipamentos,
                              ventiladores};
  for (int k = 0; k < 7; ++k)
    m->demanda[k] += parcelas[k] * kwh, m->demanda[7] += k >= 2 ? parcelas[k] * kwh : 0;
  const double operativa = 0.5 * (p.temperatura + p.radiante);
  const double pmv = std::clamp(0.32 * (operativa - 24.0) + 60.0 * (p.umidade - 0.010), -3.0, 3.0);
  m->ppd += 100.0 - 95.0 * std::exp(-0.03353 * std::pow(pmv, 4) - 0.2179 * pmv * pmv);
  (pmv < -0.5 ? m->horas_frio : pmv > 0.5 ? m->horas_calor : m->horas_conforto) += horas;
  m->horas_aquecimento += p.calor_aquecimento > 0 ? horas : 0.0;
  m->temperatura.Acrescenta(Escalar(p.temperatura), t);
  m->umidade.Acrescenta(Escalar(Umidade_Relativa(p.umidade, p.temperatura)), t);
  m->aquecimento.Acrescenta(Escalar(p.calor_aquecimento), t);
  m->resfriamento.Acrescenta(Escalar(p.calor_resfriamento), t);
  m->pmv.Acrescenta(Escalar(pmv), t);
  m->operativa.Acrescenta(Escalar(operativa), t);
}

// The maximum and minimum of a scalar's extremes, and their moments.
void Poe_Extremos(const TExtremos& e, float* valores, TTempo* momentos) {
  valores[0] = e.max[0][0], valores[1] = e.min[0][0];
  momentos[0] = e.t_max[0], momentos[1] = e.t_min[0];
}

TEstatistica_Mensal Estatistica(const TMes_Zona& m) {
  TEstatistica_Mensal r;
  Poe_Extremos(m.temperatura, r.Temperatura, r.Momentos_Temperatura);
  Poe_Extremos(m.umidade, r.Umidade, r.Momentos_Umidade);
  Poe_Extremos(m.aquecimento, r.Aquecimento, r.Momentos_Aquecimento);
  r.Aquecimento[2] = m.aquecimento.Media()[0];
  r.Aquecimento[3] = static_cast<float>(m.demanda[0]);
  r.Aquecimento[4] = static_cast<float>(m.demanda[2]);
  r.Aquecimento[5] = static_cast<float>(m.horas_aquecimento);
  Poe_Extremos(m.resfriamento, r.Resfriamento, r.Momentos_Resfriamento);
  Poe_Extremos(m.pmv, r.Conforto, r.Momentos_Conforto);
  const double horas = m.horas_frio + m.horas_calor + m.horas_conforto;
  r.Conforto[2] = static_cast<float>(m.pmv.n > 0 ? m.ppd / m.pmv.n : 0.0);
  r.Conforto[3] = static_cast<float>(m.horas_frio);
  r.Conforto[4] = static_cast<float>(m.horas_calor);
  r.Conforto[5] = static_cast<float>(m.horas_conforto);
  r.Conforto[6] = static_cast<float>(horas > 0 ? 100.0 * m.horas_conforto / horas : 0.0);
  Poe_Extremos(m.operativa, r.Operativa, r.Momentos_Operativa);
  r.Operativa[2] = m.operativa.Media()[0];
  return r;
}

struct TZona {
  int carga[2] = {}, ganho = 0;  // streams: winter and summer load, gain
  TSerie cargas[2], ganhos;
  TMes_Zona mes;
  std::vector<TDemanda_Consumo_Mensal> demandas;
  std::vector<TEstatistica_Mensal> estatisticas;
};

class TFamilia_Cargas : public TFamilia_Amostra {
 public:
  const char* Familia() const override { return kFamilia; }
  TResultado Abre(TContexto_Amostra* c) override;
  void Passo(const TPasso_Amostra& p) override;
  TResultado Fecha(TContexto_Amostra* c) override;
  TResultado Converte(TContexto_Amostra* c) override;

 private:
  void Passo_Zona(TZona* z, const TZona_Passo& p, const TEntradas_Passo& e, const TTempo& t,
                  const TTempo& fim);
  void Fecha_Mes();
  TCarga_Termica_Anual Cargas_Anual(const TZona& z) const;
  std::vector<TCarga_Termica_Mensal> Cargas_Mensais(const TZona& z) const;
  TResultado Converte_Zona(TContexto_Amostra* c, size_t i);
  TResultado Salva_Zona(TContexto_Amostra* c, size_t i, const TCarga_Termica_Anual& cargas,
                        TLista<TCarga_Termica_Mensal>* lista_cargas,
                        const std::vector<TCarga_Termica_Mensal>& cargas_mes,
                        const TGanho_Termico_Anual& ganhos,
                        TLista<TGanho_Termico_Mensal>* lista_ganhos,
                        const std::vector<TGanho_Termico_Mensal>& ganhos_mes);
  TResultado Salva_HVAC(TContexto_Amostra* c);

  TGeren_ArquivoAux* geren_ = nullptr;
  int intervalo_ = 0;
  int dia_ = -1, mes_ = -1;
  TTempo mes_inicio_;
  std::vector<TZona> zonas_;
  TDemanda_Consumo_Mensal_HVAC hvac_mes_;
  std::vector<TDemanda_Consumo_Mensal_HVAC> hvac_;
};

std::string Nome(size_t zona, const char* nome) {
  return "zona" + std::to_string(zona + 1) + "_" + nome;
}
const char* const kNomesCargas[2] = {"carga_inverno.txt", "carga_verao.txt"};
const int kTiposCargas[2] = {2, 3};

TResultado TFamilia_Cargas::Abre(TContexto_Amostra* c) {
  geren_ = c->geren;
  intervalo_ = c->opcoes.intervalo;
  zonas_.resize(c->opcoes.zonas);
  for (size_t i = 0; i < zonas_.size(); ++i) {
    TZona& z = zonas_[i];
    for (int e = 0; e < 2; ++e) {
      if (TResultado erro = c->Abre_Fluxo(kFamilia, Nome(i, kNomesCargas[e]), &z.carga[e]);
          !erro.Ok())
        return erro;
      geren_->Grava_Cabecalho_Carga_Termica(z.carga[e], false, kTiposCargas[e], "", nullptr, 0);
    }
    if (TResultado erro = c->Abre_Fluxo(kFamilia, Nome(i, "ganho.txt"), &z.ganho); !erro.Ok())
      return erro;
    geren_->Grava_Cabecalho_Carga_Termica(z.ganho, false, 8, "", nullptr, 0);
  }
  return {};
}

// A step's lines are stamped with the clock at its end (the time they
// describe ends there); its statistics, its season and the day and month it
// counts in are those of its start, where the step lies.
void TFamilia_Cargas::Passo(const TPasso_Amostra& p) {
  const long long inicio = p.segundos - intervalo_;
  const TTempo t = Relogio(inicio), fim = Relogio(p.segundos);
  const int dia = static_cast<int>(inicio / kSegundosDia);
  const int mes = static_cast<int>(inicio / (kDiasAno * kSegundosDia)) * 12 + t.Mes;
  if (dia_ >= 0 && dia != dia_) {
    for (TZona& z : zonas_) z.cargas[0].Fecha_Dia(), z.cargas[1].Fecha_Dia(), z.ganhos.Fecha_Dia();
  }
  if (mes_ >= 0 && mes != mes_) Fecha_Mes();
  if (mes != mes_) mes_inicio_ = TTempo(), mes_inicio_.Mes = t.Mes;
  dia_ = dia, mes_ = mes;
  for (const TZona_Passo& z : p.zonas) Passo_Zona(&zonas_[z.indice], z, p.entradas, t, fim);
}

// The balance of zone p's step by component (sensible, latent pairs), its
// lines on the season's load stream and on the gain stream at the step's
// end fim, and the sums of the step that starts at t.
void TFamilia_Cargas::Passo_Zona(TZona* z, const TZona_Passo& p, const TEntradas_Passo& e,
                                 const TTempo& t, const TTempo& fim) {
  float b[32] = {};
  const double pessoas = std::min(kSensivelPessoa * p.pessoas, p.ganho_interno);
  const double equipamentos = p.ganho_interno - pessoas;
  const double envoltoria[5] = {0.55, 0.2, 0.05, 0.12, 0.08};  // walls, glazing, doors, roof, floor
  for (int k = 0; k < 5; ++k) b[2 * k] = static_cast<float>(envoltoria[k] * p.conducao);
  b[12] = static_cast<float>(0.6 * equipamentos), b[16] = static_cast<float>(0.4 * equipamentos);
  b[14] = static_cast<float>(pessoas), b[15] = static_cast<float>(kLatentePessoa * p.pessoas);
  b[22] = static_cast<float>(p.ganho_solar);
  b[28] = static_cast<float>(p.calor_aquecimento),
  b[30] = static_cast<float>(0.0 - p.calor_resfriamento);
  double sensivel = 0, latente = 0;
  for (int k = 0; k < 32; k += 2) sensivel += b[k], latente += b[k + 1];
  const double total = sensivel + latente;
  float zona[18] = {};
  zona[3] = static_cast<float>(sensivel), zona[4] = static_cast<float>(latente);
  zona[17] = static_cast<float>(total);
  zona[5] = static_cast<float>(total != 0 ? sensivel / total : 1.0);
  zona[6] = static_cast<float>(p.temperatura);
  zona[7] = static_cast<float>(Umidade_Relativa(p.umidade, p.temperatura));
  zona[8] = static_cast<float>(p.umidade), zona[9] = e.clima.Temperatura;
  zona[10] = static_cast<float>(Umidade_Relativa(e.clima.Umidade, e.clima.Temperatura));
  zona[11] = e.clima.Umidade;
  char data[8], hora[12];
  TTempo m = fim;
  DLL_UTIL_Geren_Tempo()->R_Data_Formatada(data, &m);
  DLL_UTIL_Geren_Tempo()->R_Hora_Formatada(hora, &m);
  const int estacao = t.Mes >= 5 && t.Mes <= 9 ? E_Inverno : E_Verao;
  geren_->Grava_Carga_Termica(z->carga[estacao], data, hora, b, zona);
  geren_->Grava_Ganho_Termico(z->ganho, data, hora, b, zona[17], zona[3], zona[4]);
  Soma_Mes(&z->mes, p, b, t, static_cast<double>(intervalo_) / kSegundosHora);
  const double sem_planta = sensivel - p.calor_aquecimento + p.calor_resfriamento;
  z->cargas[estacao].Acrescenta(
      {static_cast<float>(sem_planta + latente), static_cast<float>(sem_planta), zona[4]}, t);
  z->ganhos.Acrescenta({zona[17], zona[3], zona[4]}, t);
}

// Closes the month of every series and makes its demand and statistics
// records, and the HVAC system's from the zones' sums.
void TFamilia_Cargas::Fecha_Mes() {
  TDemanda_Consumo_Mensal_HVAC hvac;
  hvac.Mes = mes_inicio_;
  for (TZona& z : zonas_) {
    z.cargas[0].Fecha_Mes(), z.cargas[1].Fecha_Mes(), z.ganhos.Fecha_Mes();
    TDemanda_Consumo_Mensal d;
    for (int k = 0; k < 8; ++k) d.Valores[k] = static_cast<float>(z.mes.demanda[k]);
    d.Mes = mes_inicio_;
    z.demandas.push_back(d);
    z.estatisticas.push_back(Estatistica(z.mes));
    hvac.Valores[0] += d.Valores[1], hvac.Valores[1] += d.Valores[0];
    hvac.Valores[8] += d.Valores[6];
    z.mes = TMes_Zona();
  }
  const float resfriamento = hvac.Valores[0], aquecimento = hvac.Valores[1];
  const float consumos[] = {resfriamento / 3.0f,  resfriamento / 60.0f, aquecimento / 0.9f,
                            resfriamento * 0.02f, aquecimento * 0.02f,  resfriamento * 0.01f};
  std::copy(std::begin(consumos), std::end(consumos), hvac.Valores + 2);
  for (int k = 2; k < 11; ++k) hvac.Valores[11] += hvac.Valores[k];
  hvac_.push_back(hvac);
}

TResultado TFamilia_Cargas::Fecha(TContexto_Amostra* c) {
  for (TZona& z : zonas_) z.cargas[0].Fecha_Dia(), z.cargas[1].Fecha_Dia(), z.ganhos.Fecha_Dia();
  if (mes_ >= 0) Fecha_Mes();
  for (size_t i = 0; i < zonas_.size(); ++i) {
    for (int e = 0; e < 2; ++e) {
      if (TResultado erro = c->Fecha_Fluxo(zonas_[i].carga[e], Nome(i, kNomesCargas[e]));
          !erro.Ok())
        return erro;
    }
    if (TResultado erro = c->Fecha_Fluxo(zonas_[i].ganho, Nome(i, "ganho.txt")); !erro.Ok())
      return erro;
  }
  return {};
}

TCarga_Termica_Anual TFamilia_Cargas::Cargas_Anual(const TZona& z) const {
  TCarga_Termica_Anual a;
  for (int e = 0; e < 2; ++e) {
    Preenche_Anual(z.cargas[e], e, a.Extremos[e].Blocos, a.Extremos[e].Momentos,
                   a.Medias_Mensais[e], a.Medias_Diarias[e], a.Medias[e]);
  }
  return a;
}

// Monthly load records: extremes and moments T min, S min, L min, T max, ...
std::vector<TCarga_Termica_Mensal> TFamilia_Cargas::Cargas_Mensais(const TZona& z) const {
  std::vector<TCarga_Termica_Mensal> meses(z.ganhos.Meses().size());
  for (size_t k = 0; k < meses.size(); ++k) {
    TCarga_Termica_Mensal& m = meses[k];
    for (int e = 0; e < 2; ++e) {
      Preenche_Mensal(z.cargas[e].Meses()[k], e, 3, 0, 3, 0, m.Extremos[e].Blocos,
                      m.Extremos[e].Momentos, m.Medias_Diarias[e], m.Medias[e]);
    }
  }
  return meses;
}

TGanho_Termico_Anual Ganhos_Anual(const TSerie& s) {
  TGanho_Termico_Anual a;
  Preenche_Anual(s, 0, a.Extremos, a.Momentos, a.Medias_Mensais, a.Medias_Diarias, a.Medias);
  return a;
}

// Monthly gain records: extremes T max, S max, ..., moments T min, S min, ...
std::vector<TGanho_Termico_Mensal> Ganhos_Mensais(const TSerie& s) {
  std::vector<TGanho_Termico_Mensal> meses(s.Meses().size());
  for (size_t k = 0; k < meses.size(); ++k) {
    TGanho_Termico_Mensal& m = meses[k];
    Preenche_Mensal(s.Meses()[k], 0, 0, 3, 3, 0, m.Extremos, m.Momentos, m.Medias_Diarias,
                    m.Medias);
  }
  return meses;
}

// A list that does not own the records of v.
template <class T>
std::unique_ptr<TLista<T>> Lista(std::vector<T>& v) {
  auto l = std::make_unique<TLista<T>>(false);
  for (T& r : v) l->Adiciona(&r);
  return l;
}

template <class T>
bool Iguais(TLista<T>& lidos, const std::vector<T>& salvos) {
  if (lidos.Numero_Elementos() != static_cast<int>(salvos.size())) return false;
  TNo<T>* no = lidos.R_No(1);
  for (const T& s : salvos) {
    if (std::memcmp(no->R_Dado(), &s, sizeof s) != 0) return false;
    no = no->R_Proximo();
  }
  return true;
}

// Opens nome for reading as the current stream, lets carrega load it into a
// list of its own and checks that it gave salvos back (and true).
template <class T, class F>
TResultado Confere(TContexto_Amostra* c, const std::string& nome, const std::vector<T>& salvos,
                   F carrega) {
  const int n = c->geren->Abre_Arquivo(nome.c_str(), "rb");
  if (n == 0) return Falha("cannot open '%s'", c->Exibe(nome).c_str());
  TLista<T> lidos(true);
  const bool ok = carrega(&lidos) && Iguais(lidos, salvos);
  c->geren->Fecha_Arquivo(n);
  return ok ? TResultado() : Falha("'%s' does not load what was saved", c->Exibe(nome).c_str());
}

// Opens nome (listed in the family) for writing, lets escreve write on its
// stream and closes it, checking that nothing was lost.
template <class F>
TResultado Escreve(TContexto_Amostra* c, const std::string& nome, F escreve) {
  if (TResultado erro = Confere_Relida(c->Anota(kFamilia, nome), c->Exibe(nome)); !erro.Ok())
    return erro;
  const int n = c->geren->Abre_Arquivo(nome.c_str(), "wt");
  if (n == 0) return Falha("cannot open '%s'", c->Exibe(nome).c_str());
  escreve(n);
  return Fecha_Gravado(c->geren, n, c->Exibe(nome));
}

// A saver given a path: listed, written, and a failure named.
template <class F>
TResultado Salva(TContexto_Amostra* c, const std::string& nome, F salva) {
  if (TResultado erro = Confere_Relida(c->Anota(kFamilia, nome), c->Exibe(nome)); !erro.Ok())
    return erro;
  return salva(nome.c_str()) ? TResultado() : Perda(c->Exibe(nome));
}

// The flags stored with the load statistics: the winter season's months.
constexpr short kInicioInverno = 5, kFimInverno = 9;

TResultado TFamilia_Cargas::Converte_Zona(TContexto_Amostra* c, size_t i) {
  TZona& z = zonas_[i];
  TGeren_ArquivoAux* g = geren_;
  TTempo periodo[2] = {c->inicio, c->fim};
  const std::string titulo = "Zona " + std::to_string(i + 1);
  const char* const origens[3] = {kNomesCargas[0], kNomesCargas[1], "ganho.txt"};
  const char* const copias[3] = {"carga_inverno_rel.txt", "carga_verao_rel.txt", "ganho_rel.txt"};
  const int tipos[3] = {kTiposCargas[0], kTiposCargas[1], 8};
  for (int k = 0; k < 3; ++k) {
    const int o = g->Abre_Arquivo(Nome(i, origens[k]).c_str(), "rb");
    if (o == 0) return Falha("cannot open '%s'", c->Exibe(Nome(i, origens[k])).c_str());
    const auto copia = [&](int d) {
      g->Grava_Cabecalho_Carga_Termica(d, true, tipos[k], titulo.c_str(), periodo, intervalo_);
      g->Salva_Carga_Termica_Texto(tipos[k], o, d, nullptr);
    };
    if (TResultado r = Escreve(c, Nome(i, copias[k]), copia); !r.Ok()) return r;
    g->Fecha_Arquivo(o);
  }
  TCarga_Termica_Anual cargas = Cargas_Anual(z);
  std::vector<TCarga_Termica_Mensal> cargas_mes = Cargas_Mensais(z);
  auto lista_cargas = Lista(cargas_mes);
  const char* const estacoes[2] = {"inverno", "verao"};
  for (int e = 0; e < 2; ++e) {
    const std::string sufixo = std::string("_") + estacoes[e] + ".txt";
    const auto anual = [&](int n) {
      g->Grava_Carga_Termica_Anual(n, tipos[e], titulo.c_str(), &cargas, periodo, intervalo_);
    };
    const auto mensal = [&](int n) {
      g->Grava_Carga_Termica_Mensal(n, tipos[e], titulo.c_str(), lista_cargas.get(), periodo,
                                    intervalo_);
    };
    if (TResultado r = Escreve(c, Nome(i, ("cargas_anual" + sufixo).c_str()), anual); !r.Ok()) {
      return r;
    }
    if (TResultado r = Escreve(c, Nome(i, ("cargas_mensal" + sufixo).c_str()), mensal); !r.Ok()) {
      return r;
    }
  }
  TGanho_Termico_Anual ganhos = Ganhos_Anual(z.ganhos);
  std::vector<TGanho_Termico_Mensal> ganhos_mes = Ganhos_Mensais(z.ganhos);
  auto lista_ganhos = Lista(ganhos_mes);
  const auto ganho_anual = [&](int n) {
    g->Grava_Ganho_Termico_Anual(n, titulo.c_str(), &ganhos, periodo, intervalo_);
  };
  const auto ganho_mensal = [&](int n) {
    g->Grava_Ganho_Termico_Mensal(n, titulo.c_str(), lista_ganhos.get(), periodo, intervalo_);
  };
  if (TResultado r = Escreve(c, Nome(i, "ganhos_anual.txt"), ganho_anual); !r.Ok()) return r;
  if (TResultado r = Escreve(c, Nome(i, "ganhos_mensal.txt"), ganho_mensal); !r.Ok()) return r;
  return Salva_Zona(c, i, cargas, lista_cargas.get(), cargas_mes, ganhos, lista_ganhos.get(),
                    ganhos_mes);
}

// Saves the zone's statistics files and loads each back.
TResultado TFamilia_Cargas::Salva_Zona(TContexto_Amostra* c, size_t i,
                                       const TCarga_Termica_Anual& cargas,
                                       TLista<TCarga_Termica_Mensal>* lista_cargas,
                                       const std::vector<TCarga_Termica_Mensal>& cargas_mes,
                                       const TGanho_Termico_Anual& ganhos,
                                       TLista<TGanho_Termico_Mensal>* lista_ganhos,
                                       const std::vector<TGanho_Termico_Mensal>& ganhos_mes) {
  TGeren_ArquivoAux* g = geren_;
  TZona& z = zonas_[i];
  auto demandas = Lista(z.demandas);
  auto estatisticas = Lista(z.estatisticas);
  const std::string nomes[4] = {Nome(i, "cargas.est"), Nome(i, "ganhos.est"),
                                Nome(i, "demanda.bin"), Nome(i, "estatisticas.bin")};
  TResultado erro = Salva(c, nomes[0], [&](const char* n) {
    return g->Salva_Relatorio_CargasTermicas(n, lista_cargas, &cargas, kInicioInverno, kFimInverno);
  });
  if (erro.Ok()) {
    erro = Salva(c, nomes[1], [&](const char* n) {
      return g->Salva_Relatorio_GanhosTermicos(n, lista_ganhos, &ganhos);
    });
  }
  if (erro.Ok()) {
    erro = Salva(c, nomes[2],
                 [&](const char* n) { return g->Grava_Demanda_Consumo(n, demandas.get()); });
  }
  if (erro.Ok()) {
    erro = Salva(c, nomes[3],
                 [&](const char* n) { return g->Grava_Estatisticas(n, estatisticas.get()); });
  }
  if (erro.Ok()) {
    erro = Confere(c, nomes[0], cargas_mes, [&](TLista<TCarga_Termica_Mensal>* l) {
      TCarga_Termica_Anual lido;
      short f1 = 0, f2 = 0;
      return g->Carrega_Relatorio_CargasTermicas(l, &lido, &f1, &f2) &&
             std::memcmp(&lido, &cargas, sizeof lido) == 0 && f1 == kInicioInverno &&
             f2 == kFimInverno;
    });
  }
  if (erro.Ok()) {
    erro = Confere(c, nomes[1], ganhos_mes, [&](TLista<TGanho_Termico_Mensal>* l) {
      TGanho_Termico_Anual lido;
      return g->Carrega_Relatorio_GanhosTermicos(l, &lido) &&
             std::memcmp(&lido, &ganhos, sizeof lido) == 0;
    });
  }
  if (erro.Ok()) {
    erro = Confere(c, nomes[2], z.demandas, [&](TLista<TDemanda_Consumo_Mensal>* l) {
      return g->Carrega_Demanda_Consumo(l) == static_cast<int>(z.demandas.size());
    });
  }
  if (erro.Ok()) {
    erro = Confere(c, nomes[3], z.estatisticas, [&](TLista<TEstatistica_Mensal>* l) {
      return g->Carrega_Estatisticas(l) == static_cast<int>(z.estatisticas.size());
    });
  }
  return erro;
}

// The HVAC system's file is written on the current stream.
TResultado TFamilia_Cargas::Salva_HVAC(TContexto_Amostra* c) {
  const std::string nome = "hvac_demanda.bin";
  if (TResultado erro = Confere_Relida(c->Anota(kFamilia, nome), c->Exibe(nome)); !erro.Ok())
    return erro;
  const int n = geren_->Abre_Arquivo(nome.c_str(), "wb");
  if (n == 0) return Falha("cannot open '%s'", c->Exibe(nome).c_str());
  auto lista = Lista(hvac_);
  const bool ok = geren_->Grava_Demanda_Consumo_HVAC(lista.get());
  if (TResultado erro = Fecha_Gravado(geren_, n, c->Exibe(nome)); !erro.Ok()) return erro;
  if (!ok) return Perda(c->Exibe(nome));
  return Confere(c, nome, hvac_, [&](TLista<TDemanda_Consumo_Mensal_HVAC>* l) {
    return geren_->Carrega_Demanda_Consumo_HVAC(l);
  });
}

TResultado TFamilia_Cargas::Converte(TContexto_Amostra* c) {
  for (size_t i = 0; i < zonas_.size(); ++i) {
    if (TResultado erro = Converte_Zona(c, i); !erro.Ok()) return erro;
  }
  return Salva_HVAC(c);
}

}  // namespace

std::unique_ptr<TFamilia_Amostra> Cria_Familia_Cargas() {
  return std::make_unique<TFamilia_Cargas>();
}
