// The zone result streams of the sample: for each zone its conditions and
// comfort, adaptive sensation, operative and exterior temperatures, PV
// energy, controller outputs and occupancy, each in its file
// "zonaN_<name>.bin", and their text reports.
#include <arqaux/arqaux.h>
#include <arqaux/dados.h>
#include <arqaux/formatos.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "amostra/amostra.h"

namespace {

const char* const kFamilia = "zones";

// Outputs of each zone's controller: heating and cooling, 0 to 1.
constexpr int kSaidasControle = 2;
// Capacity of each zone's battery, kWh.
constexpr double kCapacidadeBateria = 5.0;

const char* const kNomesFluxos[] = {"temp_umi", "ats", "acs", "pv", "saida_cont", "pessoas"};
// Their kinds, as the description beside each stream names them.
const char* const kTiposFluxos[] = {"tupmv", "ats", "acs", "pv", "sc", "occupancy"};
constexpr int kNumFluxos = 6;
constexpr int kTempUmi = 0, kSaidaCont = 4;

std::string Nome_Fluxo(size_t zona, int k) {
  return "zona" + std::to_string(zona + 1) + "_" + kNomesFluxos[k] + ".bin";
}

double Limita(double v, double minimo, double maximo) {
  return std::min(maximo, std::max(minimo, v));
}

struct Fluxos_Zona {
  double bateria = 0.0;  // kWh stored
  int temp_umi = 0, ats = 0, acs = 0, pv = 0, saida_cont = 0, pessoas = 0;
  // Stream k of the zone, in the order of kNomesFluxos.
  int* Fluxo(int k) {
    int* fluxos[] = {&temp_umi, &ats, &acs, &pv, &saida_cont, &pessoas};
    return fluxos[k];
  }
};

class TFamilia_Zonas : public TFamilia_Amostra {
 public:
  const char* Familia() const override { return kFamilia; }
  TResultado Abre(TContexto_Amostra* c) override;
  void Passo(const TPasso_Amostra& p) override;
  TResultado Fecha(TContexto_Amostra* c) override;
  TResultado Converte(TContexto_Amostra* c) override;

 private:
  void Passo_Zona(Fluxos_Zona* f, const TZona_Passo& z, const TEntradas_Passo& e);
  std::vector<TContexto_Amostra::Relatorio> Relatorios(TContexto_Amostra* c) const;
  TDescricao Descricao(const TContexto_Amostra* c, int k) const;

  TGeren_ArquivoAux* geren_ = nullptr;
  int intervalo_ = 0;
  std::vector<Fluxos_Zona> zonas_;
};

TResultado TFamilia_Zonas::Abre(TContexto_Amostra* c) {
  geren_ = c->geren;
  intervalo_ = c->opcoes.intervalo;
  for (int i = 0; i < c->opcoes.zonas; ++i) {
    Fluxos_Zona z;
    for (int k = 0; k < kNumFluxos; ++k) {
      if (TResultado erro = c->Abre_Fluxo(kFamilia, Nome_Fluxo(i, k), z.Fluxo(k)); !erro.Ok())
        return erro;
    }
    // The header's integer is the sampling interval, for whoever reads it.
    geren_->Preenche_Cabecalho_Temp_Umi(z.temp_umi, true, true, true, intervalo_);
    geren_->Preenche_Cabecalho_Saida_Cont(z.saida_cont, kSaidasControle);
    zonas_.push_back(z);
  }
  return {};
}

void TFamilia_Zonas::Passo(const TPasso_Amostra& p) {
  for (const TZona_Passo& z : p.zonas) Passo_Zona(&zonas_[z.indice], z, p.entradas);
}

// Writes the records of zone z for one step.
void TFamilia_Zonas::Passo_Zona(Fluxos_Zona* f, const TZona_Passo& z, const TEntradas_Passo& e) {
  const double radiacao = e.clima.Rad_Direta + e.clima.Rad_Difusa;

  // Comfort: a linear PMV from the operative temperature, the PPD that goes
  // with it, and the adaptive sensation against the day's mean outdoors.
  const double operativa = 0.5 * (z.temperatura + z.radiante);
  const double pmv = Limita(0.32 * (operativa - 24.0) + 60.0 * (z.umidade - 0.010), -3.0, 3.0);
  const double ppd = 100.0 - 95.0 * std::exp(-0.03353 * std::pow(pmv, 4) - 0.2179 * pmv * pmv);
  const double neutra = 17.8 + 0.31 * e.media_externa;
  const double ats = Limita(0.33 * (operativa - neutra), -3.0, 3.0);

  // PV: horizontal panels; cell temperature and efficiency from the
  // irradiance; the battery takes surplus and covers deficit, the grid the rest.
  const double celula = e.clima.Temperatura + 0.03 * radiacao;
  const double eficiencia = 0.16 * (1.0 - 0.004 * (celula - 25.0));
  const double gerada = radiacao * Modelo_Zona(z.indice).area_pv * eficiencia / 1000.0;
  const double demanda = 0.3 + 0.12 * z.pessoas + 1.5 * (z.aquecimento + z.resfriamento);
  const double horas = static_cast<double>(intervalo_) / kSegundosHora;
  const double bateria_antes = f->bateria;
  f->bateria = Limita(f->bateria + (gerada - demanda) * horas, 0.0, kCapacidadeBateria);
  const double rede = demanda - gerada + (f->bateria - bateria_antes) / horas;
  const float pv[7] = {static_cast<float>(rede),      static_cast<float>(f->bateria),
                       static_cast<float>(gerada),    static_cast<float>(demanda),
                       static_cast<float>(celula),    static_cast<float>(radiacao),
                       static_cast<float>(eficiencia)};

  geren_->Grava_Temp_Umi(f->temp_umi, true, static_cast<float>(z.temperatura), true,
                         static_cast<float>(z.umidade), true, static_cast<float>(pmv),
                         static_cast<float>(ppd), &e.clima);
  geren_->Grava_ATS_ACE(f->ats, true, static_cast<float>(ats));
  geren_->Grava_ACS(f->acs, e.clima.Temperatura, static_cast<float>(operativa));
  geren_->Grava_PV(f->pv, true, pv);
  const float saidas[kSaidasControle + 1] = {static_cast<float>(kSaidasControle),
                                             static_cast<float>(z.aquecimento),
                                             static_cast<float>(z.resfriamento)};
  geren_->Grava_Saida_Cont(f->saida_cont, saidas);
  geren_->Grava_Pessoas_no_Ambiente(f->pessoas, z.pessoas, static_cast<float>(75.0 * z.pessoas));
}

TResultado TFamilia_Zonas::Fecha(TContexto_Amostra* c) {
  for (size_t i = 0; i < zonas_.size(); ++i) {
    for (int k = 0; k < kNumFluxos; ++k) {
      if (TResultado erro = c->Fecha_Fluxo(*zonas_[i].Fluxo(k), Nome_Fluxo(i, k)); !erro.Ok())
        return erro;
      if (TResultado erro =
              c->Descreve(kFamilia, Nome_Fluxo(i, k), Texto_Descricao(Descricao(c, k)));
          !erro.Ok()) {
        return erro;
      }
    }
  }
  return {};
}

// What the reports of stream k need that its bytes do not tell: the period,
// the interval, the groups shown and the controller outputs reported.
TDescricao TFamilia_Zonas::Descricao(const TContexto_Amostra* c, int k) const {
  TDescricao d;
  d.tipo = kTiposFluxos[k];
  d.intervalo = intervalo_;
  d.inicio = c->inicio;
  d.fim = c->fim;
  if (k == kTempUmi) d.mostra = {1, 1, 1};
  if (k == kSaidaCont) {
    for (int saida = 1; saida <= kSaidasControle; ++saida) d.relatorios.push_back({saida});
  }
  return d;
}

// Every report of every zone.
std::vector<TContexto_Amostra::Relatorio> TFamilia_Zonas::Relatorios(TContexto_Amostra* c) const {
  TGeren_ArquivoAux* g = geren_;
  TTempo* i = &c->inicio;
  TTempo* f = &c->fim;
  const int intervalo = intervalo_;
  std::vector<TContexto_Amostra::Relatorio> relatorios;
  for (size_t k = 0; k < zonas_.size(); ++k) {
    const Fluxos_Zona& z = zonas_[k];
    const std::string prefixo = "zona" + std::to_string(k + 1) + "_";
    relatorios.push_back(
        {prefixo + "temp_umi.txt", z.temp_umi, ARQAUX_TAM_CABECALHO_TEMP_UMI, [=](int b, int t) {
           g->Converte_Binario_Texto_TUPMV(b, t, true, true, true, true, true, true, i, f,
                                           intervalo);
         }});
    relatorios.push_back({prefixo + "ats.txt", z.ats, 0, [=](int b, int t) {
                            g->Converte_Binario_Texto_ATS_ACE(b, t, true, true, i, f, intervalo);
                          }});
    relatorios.push_back({prefixo + "acs.txt", z.acs, 0, [=](int b, int t) {
                            g->Converte_Binario_Texto_ACS(b, t, i, f, intervalo);
                          }});
    relatorios.push_back({prefixo + "pv.txt", z.pv, 0, [=](int b, int t) {
                            g->Converte_Binario_Texto_PV(b, t, true, i, f, intervalo);
                          }});
    relatorios.push_back({prefixo + "pessoas.txt", z.pessoas, 0, [=](int b, int t) {
                            g->Converte_Binario_Texto_Pessoas(b, t, i, f, intervalo);
                          }});
    for (int saida = 1; saida <= kSaidasControle; ++saida) {
      relatorios.push_back({prefixo + "saida_cont_" + std::to_string(saida) + ".txt", z.saida_cont,
                            ARQAUX_TAM_CABECALHO_SAIDA_CONT, [=](int b, int t) {
                              g->Converte_Binario_Texto_SC(b, t, i, f, intervalo, kSaidasControle,
                                                           saida);
                            }});
    }
  }
  return relatorios;
}

TResultado TFamilia_Zonas::Converte(TContexto_Amostra* c) {
  for (const TContexto_Amostra::Relatorio& r : Relatorios(c)) {
    if (TResultado erro = c->Converte(kFamilia, r); !erro.Ok()) return erro;
  }
  return {};
}

}  // namespace

std::unique_ptr<TFamilia_Amostra> Cria_Familia_Zonas() {
  return std::make_unique<TFamilia_Zonas>();
}
