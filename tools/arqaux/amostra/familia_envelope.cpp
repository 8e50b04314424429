// The envelope of the sample: each zone has four walls, a floor and a
// ceiling, each face divided into regions and each region into nodes through
// its thickness. At every step the family computes the nodes' temperatures
// and humidities, the faces' sunlit share and radiation, and each region's
// heat and vapour fluxes and mould growth, and writes them as the host's
// engine would: the north wall's results file ("zonaN_parede.bin"), the
// shading, radiation, flux and mould streams, and the surface temperature
// data lines. Its reports are the surface temperature report, the north
// wall's node profiles, and the flux, daily moisture and mould reports of
// the north wall's first region.
#include <arqaux/arqaux.h>
#include <arqaux/dados.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "amostra/amostra.h"
#include "comum/erros.h"
#include "comum/verificacoes.h"

namespace {

const char* const kFamilia = "envelope";
constexpr double kPi = 3.14159265358979323846;
constexpr float kCalorLatente = 2.45e6f;  // J/kg of water vapour

// The faces of every zone: azimuth, kind, and the elements of each region.
enum TTipo_Face { PAREDE, PISO, TETO };
struct TFace_Modelo {
  float azimute;
  TTipo_Face tipo;
  std::vector<int> elementos;
};
const TFace_Modelo kFaces[] = {{0, PAREDE, {4, 6}}, {90, PAREDE, {4}}, {180, PAREDE, {4, 6}},
                               {270, PAREDE, {4}},  {0, PISO, {5}},    {0, TETO, {3}}};
constexpr int kNumFaces = 6;
// The north wall, whose results file and profiles the family writes.
constexpr int kParedeNorte = 0;
// The region of the north wall whose flux, moisture and mould are reported.
constexpr int kRegiaoRelatada = 1;

// The streams of one zone, in the order of kNomes.
const char* const kNomes[] = {"parede.bin", "sombras.bin", "radiacao.bin",
                              "fluxos.bin", "mofo.bin",    "superficies.dat"};
constexpr int kNumFluxos = 6;
enum { PAREDE_BIN, SOMBRAS, RADIACAO, FLUXOS, MOFO, SUPERFICIES };

std::string Nome(int zona, const char* nome) {
  return "zona" + std::to_string(zona + 1) + "_" + nome;
}

double Limita(double v, double minimo, double maximo) {
  return std::min(maximo, std::max(minimo, v));
}

// Relative humidity of air at t degC holding w kg/kg.
double Umidade_Relativa(double t, double w) {
  const double psat = 610.94 * std::exp(17.625 * t / (t + 243.04));
  return Limita(w * 101325.0 / ((0.622 + w) * psat), 0.0, 1.0);
}

void Grava(TGeren_ArquivoAux* g, int n, const void* dados, size_t bytes) {
  g->Muda_Arquivo(n);
  std::fwrite(dados, 1, bytes, g->ObtemArquivo());
}

struct TZona_Envelope {
  TSuperficie zona;
  TLista<TParede> faces{true};
  int fluxos[kNumFluxos] = {};
  std::vector<float> mofo;  // growth index of each region
};

class TFamilia_Envelope : public TFamilia_Amostra {
 public:
  const char* Familia() const override { return kFamilia; }
  TResultado Abre(TContexto_Amostra* c) override;
  void Passo(const TPasso_Amostra& p) override;
  TResultado Fecha(TContexto_Amostra* c) override;
  TResultado Converte(TContexto_Amostra* c) override;

 private:
  void Abre_Zona(TZona_Envelope* z);
  TResultado Descreve(TContexto_Amostra* c, int i);
  void Passo_Face(TZona_Envelope* z, int f, const TZona_Passo& zp, const TEntradas_Passo& e,
                  double hora, int* regiao);
  TResultado Relatorio_Superficies(TContexto_Amostra* c, int i);
  TResultado Perfis(TContexto_Amostra* c, int i);
  TResultado Fluxos(TContexto_Amostra* c, int i);

  TGeren_ArquivoAux* geren_ = nullptr;
  int intervalo_ = 0;
  long long passos_ = 0;
  TTempo relogio_;
  std::vector<std::unique_ptr<TZona_Envelope>> zonas_;
  // A region's node blocks as a step builds them, kept from step to step.
  std::vector<float> blocos_[4];
};

TResultado TFamilia_Envelope::Abre(TContexto_Amostra* c) {
  geren_ = c->geren;
  intervalo_ = c->opcoes.intervalo;
  relogio_ = c->inicio;
  for (int i = 0; i < c->opcoes.zonas; ++i) {
    auto z = std::make_unique<TZona_Envelope>();
    for (int k = 0; k < kNumFluxos; ++k) {
      if (TResultado erro = c->Abre_Fluxo(kFamilia, Nome(i, kNomes[k]), &z->fluxos[k]); !erro.Ok())
        return erro;
    }
    const double area = Modelo_Zona(i).area;
    for (const TFace_Modelo& m : kFaces) {
      const double a = m.tipo == PAREDE ? 2.8 * std::sqrt(area) : area;
      TParede* face = z->faces.Adiciona(new TParede(
          m.tipo == TETO ? &z->zona : nullptr, m.tipo == PISO ? &z->zona : nullptr, m.azimute, a));
      for (int e : m.elementos) face->Adiciona_Regiao(e + 1);
    }
    Abre_Zona(z.get());
    zonas_.push_back(std::move(z));
  }
  return {};
}

// What the binary streams' headers do not tell, beside each: the north
// wall's regions and node groups, the radiation stream's faces, the flux
// and mould streams' flags, and the period and region of their reports.
TResultado TFamilia_Envelope::Descreve(TContexto_Amostra* c, int i) {
  const struct {
    int fluxo;
    const char* tipo;
  } fluxos[] = {{PAREDE_BIN, "wall"},
                {SOMBRAS, "shading"},
                {RADIACAO, "radiation"},
                {FLUXOS, "flux"},
                {MOFO, "mould"}};
  for (const auto& f : fluxos) {
    TDescricao d;
    d.tipo = f.tipo;
    d.intervalo = intervalo_;
    if (f.fluxo == FLUXOS || f.fluxo == MOFO) {
      d.inicio = c->inicio;
      d.fim = c->fim;
      d.regiao = kRegiaoRelatada;
    }
    if (f.fluxo == PAREDE_BIN) {
      d.regioes = kFaces[kParedeNorte].elementos;
      d.grupos = {1, 2, 3};
    }
    if (f.fluxo == RADIACAO) d.superficies = kNumFaces;
    if (f.fluxo == FLUXOS) d.flags = {1, 1};
    if (f.fluxo == MOFO) d.flags = {1};
    if (TResultado erro = c->Descreve(kFamilia, Nome(i, kNomes[f.fluxo]), Texto_Descricao(d));
        !erro.Ok()) {
      return erro;
    }
  }
  return {};
}

// The headers: the north wall's (one value and one pair per region: its
// share of the wall's area, its first node in the step and its node count),
// and the surface streams' (the area of each face, of each region).
void TFamilia_Envelope::Abre_Zona(TZona_Envelope* z) {
  const std::vector<int>& elementos = kFaces[kParedeNorte].elementos;
  std::vector<uint32_t> parede = {static_cast<uint32_t>(elementos.size())};
  std::vector<uint32_t> pares;
  uint32_t no = 0;
  for (int e : elementos) {
    const float parte = 1.0f / static_cast<float>(elementos.size());
    uint32_t bits;
    std::memcpy(&bits, &parte, 4);
    parede.push_back(bits);
    pares.insert(pares.end(), {1, no, static_cast<uint32_t>(e + 1)});
    no += static_cast<uint32_t>(e + 1);
  }
  parede.insert(parede.end(), pares.begin(), pares.end());
  Grava(geren_, z->fluxos[PAREDE_BIN], parede.data(), 4 * parede.size());
  std::vector<float> faces = {kNumFaces}, regioes = {0};
  for (int f = 1; f <= kNumFaces; ++f) {
    TParede* face = z->faces.R_No(f)->R_Dado();
    faces.push_back(static_cast<float>(face->R_Area(0, 0)));
    for (int r = 0; r < face->R_Num_Regioes(); ++r) {
      regioes.push_back(static_cast<float>(face->R_Area(0, 0) / face->R_Num_Regioes()));
    }
  }
  const int32_t n_faces = kNumFaces, n_regioes = static_cast<int32_t>(regioes.size() - 1);
  std::memcpy(&faces[0], &n_faces, 4);
  std::memcpy(&regioes[0], &n_regioes, 4);
  Grava(geren_, z->fluxos[SOMBRAS], faces.data(), 4 * faces.size());
  for (int k : {FLUXOS, MOFO}) Grava(geren_, z->fluxos[k], regioes.data(), 4 * regioes.size());
  z->mofo.assign(regioes.size() - 1, 0.0f);
}

void TFamilia_Envelope::Passo(const TPasso_Amostra& p) {
  DLL_UTIL_Geren_Tempo()->Avanca_X_Segundos(intervalo_, &relogio_);
  char data[12], hora[12];
  DLL_UTIL_Geren_Tempo()->R_Data_Formatada(data, &relogio_);
  DLL_UTIL_Geren_Tempo()->R_Hora_Formatada(hora, &relogio_);
  const double hora_dia = static_cast<double>(p.segundos % kSegundosDia) / kSegundosHora;
  for (const TZona_Passo& zp : p.zonas) {
    TZona_Envelope* z = zonas_[zp.indice].get();
    int regiao = 0;
    for (int f = 0; f < kNumFaces; ++f) Passo_Face(z, f, zp, p.entradas, hora_dia, &regiao);
    geren_->Grava_Temp_Interna_Parede(z->fluxos[SUPERFICIES], data, hora, &z->faces);
  }
  ++passos_;
}

// One face's step: its nodes run from the outdoor side (sol-air temperature,
// the soil under the floor) to the interior surface, near the zone air; the
// surface breathes moisture in by day and out by night.
void TFamilia_Envelope::Passo_Face(TZona_Envelope* z, int f, const TZona_Passo& zp,
                                   const TEntradas_Passo& e, double hora, int* regiao) {
  const TFace_Modelo& m = kFaces[f];
  TParede* face = z->faces.R_No(f + 1)->R_Dado();
  const double sol = 15.0 * (hora - 12.0) + 180.0;  // the sun's azimuth
  const double direta = e.clima.Rad_Direta, difusa = e.clima.Rad_Difusa;
  const double ensolarada =
      m.tipo == PISO ? 0.0
      : m.tipo == TETO
          ? (direta > 0 ? 1.0 : 0.0)
          : (direta > 0 ? Limita(std::cos((sol - m.azimute) * kPi / 180.0), 0.0, 1.0) : 0.0);
  const float sombras[2] = {static_cast<float>(ensolarada), static_cast<float>(1.0 - ensolarada)};
  geren_->Grava_Proj_Sombras_Parede(z->fluxos[SOMBRAS], sombras[0], sombras[1]);
  float radiacao[3] = {static_cast<float>(direta * ensolarada),
                       static_cast<float>(m.tipo == PISO ? 0.0 : difusa * 0.5),
                       static_cast<float>(m.tipo == PISO ? 0.0 : 0.1 * (direta + difusa))};
  geren_->Grava_Radiacoes_Parede(z->fluxos[RADIACAO], radiacao);

  const double externa = m.tipo == PISO ? e.solo : e.clima.Temperatura + 0.02 * radiacao[0];
  const double ur_interna = Umidade_Relativa(zp.temperatura, zp.umidade);
  const double ur_externa = Umidade_Relativa(e.clima.Temperatura, e.clima.Umidade);
  const double ciclo = std::sin(2.0 * kPi * hora / 24.0);
  TNo<ElementoTC>* no = face->R_Regioes()->R_No(1);
  for (int r = 0; r < face->R_Num_Regioes(); ++r, no = no->R_Proximo(), ++*regiao) {
    ElementoTC* el = no->R_Dado();
    const int n = el->TotalNos() + 1;
    for (int j = 0; j < n; ++j) {
      const double x = 0.15 + 0.8 * j / (n - 1) + 0.02 * r;
      el->Temperaturas[j] = static_cast<float>(externa + (zp.temperatura - externa) * x);
      // Only the north wall's node blocks are written: the others' are not worked out.
      if (f != kParedeNorte) continue;
      const double ur = Limita(ur_externa + (ur_interna - ur_externa) * x, 0.0, 1.0);
      blocos_[0].push_back(el->Temperaturas[j]);
      blocos_[1].push_back(static_cast<float>(ur));
      blocos_[2].push_back(static_cast<float>(5.0 + 40.0 * std::pow(ur, 4)));
      blocos_[3].push_back(static_cast<float>(
          ur * 610.94 * std::exp(17.625 * el->Temperaturas[j] / (el->Temperaturas[j] + 243.04))));
    }
    if (f == kParedeNorte) {
      for (auto& b : blocos_) Grava(geren_, z->fluxos[PAREDE_BIN], b.data(), 4 * b.size());
      for (auto& b : blocos_) b.clear();
    }
    const double superficie = el->Temperaturas[n - 1];
    const float vapor = static_cast<float>(-2e-7 * (1.0 + 0.2 * r) * ciclo);
    const float fluxo[3] = {static_cast<float>(7.7 * (zp.temperatura - superficie)),
                            vapor * kCalorLatente, vapor};
    Grava(geren_, z->fluxos[FLUXOS], fluxo, sizeof fluxo);
    const double ur_superficie = Limita(ur_interna + 0.1 * ciclo, 0.0, 1.0);
    float& mofo = z->mofo[static_cast<size_t>(*regiao)];
    const double dias = static_cast<double>(intervalo_) / kSegundosDia;
    mofo = static_cast<float>(std::max(
        0.0, mofo + dias * (ur_superficie > 0.75 && superficie > 5.0 ? 2.0 * (ur_superficie - 0.75)
                                                                     : -0.1)));
    Grava(geren_, z->fluxos[MOFO], &mofo, sizeof mofo);
  }
}

TResultado TFamilia_Envelope::Fecha(TContexto_Amostra* c) {
  for (size_t i = 0; i < zonas_.size(); ++i) {
    for (int k = 0; k < kNumFluxos; ++k) {
      if (TResultado erro =
              c->Fecha_Fluxo(zonas_[i]->fluxos[k], Nome(static_cast<int>(i), kNomes[k]));
          !erro.Ok()) {
        return erro;
      }
    }
    // Once the zone's streams are closed: the registry may hold every
    // handle while they are open.
    if (TResultado erro = Descreve(c, static_cast<int>(i)); !erro.Ok()) return erro;
  }
  return {};
}

// The header on the report's file, then the data lines copied after it.
TResultado TFamilia_Envelope::Relatorio_Superficies(TContexto_Amostra* c, int i) {
  TZona_Envelope* z = zonas_[i].get();
  const std::string nome = Nome(i, "superficies.txt");
  if (TResultado erro = Confere_Relida(c->Anota(kFamilia, nome), c->Exibe(nome)); !erro.Ok())
    return erro;
  const int texto = geren_->Abre_Arquivo(nome.c_str(), "wt");
  if (texto == 0) return Falha("cannot open '%s'", c->Exibe(nome).c_str());
  TTempo periodo[2] = {c->inicio, c->fim};
  const std::string zona = "Zona " + std::to_string(i + 1);
  geren_->Grava_Cabecalho_Temp_Interna_Parede(texto, zona.c_str(), periodo, intervalo_, &z->faces,
                                              &z->zona);
  const int dados = z->fluxos[SUPERFICIES];
  geren_->Muda_Arquivo(dados);
  if (std::fseek(geren_->ObtemArquivo(), 0, SEEK_SET) != 0) {
    return Falha("cannot read back '%s'", c->Exibe(Nome(i, kNomes[SUPERFICIES])).c_str());
  }
  geren_->Salva_Texto_Temp_Interna_Parede(dados, texto);
  geren_->Fecha_Arquivo(dados);
  return Fecha_Gravado(geren_, texto, c->Exibe(nome));
}

// The north wall's profile of each region at the last step, then its first
// region's interior surface at each hour of the first day, read back from
// the wall's results file.
TResultado TFamilia_Envelope::Perfis(TContexto_Amostra* c, int i) {
  const std::string nome = Nome(i, "perfis.txt");
  if (TResultado erro = Confere_Relida(c->Anota(kFamilia, nome), c->Exibe(nome)); !erro.Ok())
    return erro;
  const int texto = geren_->Abre_Arquivo(nome.c_str(), "wt");
  if (texto == 0) return Falha("cannot open '%s'", c->Exibe(nome).c_str());
  const int parede = zonas_[i]->fluxos[PAREDE_BIN];
  std::vector<int> elementos = kFaces[kParedeNorte].elementos;
  const int regioes = static_cast<int>(elementos.size());
  std::vector<float> v[4];
  for (auto& b : v) b.resize(64);
  auto le = [&](int regiao, long long passo) {
    return geren_->Le_Temp_Umi_Parede(parede, elementos.data(), regioes, regiao,
                                      static_cast<int>(passo), true, v[0].data(), true, v[1].data(),
                                      v[2].data(), true, v[3].data());
  };
  bool ok = true;
  for (int r = 1; r <= regioes; ++r) {
    std::string rotulo = "Regiao " + std::to_string(r) + " - ultimo passo";
    ok = ok && le(r, passos_ - 1) &&
         geren_->Grava_Temp_Umi_Parede_Texto(texto, elementos[r - 1], v[0].data(), v[1].data(),
                                             rotulo.data(), true, true, v[2].data(), true,
                                             v[3].data());
  }
  const long long por_hora = std::max(1, kSegundosHora / intervalo_);
  const long long dia = std::min<long long>(passos_, kSegundosDia / intervalo_);
  for (long long s = por_hora - 1; ok && s < dia; s += por_hora) {
    char rotulo[32];
    std::snprintf(rotulo, sizeof rotulo, "%02lld:00:00  ", (s + 1) * intervalo_ / kSegundosHora);
    ok = le(1, s) && geren_->Grava_Temp_Umi_Parede_Texto_1_No(texto, 0, v[0].data(), v[1].data(),
                                                              rotulo, true, true, v[2].data(), true,
                                                              v[3].data(), elementos[0]);
  }
  geren_->Fecha_Arquivo(parede);
  if (!ok) return Falha("cannot read back '%s'", c->Exibe(Nome(i, kNomes[PAREDE_BIN])).c_str());
  return Fecha_Gravado(geren_, texto, c->Exibe(nome));
}

// The flux and daily moisture reports of the north wall's first region,
// which the conversion opens and closes itself, and its mould report.
TResultado TFamilia_Envelope::Fluxos(TContexto_Amostra* c, int i) {
  std::string origem = Nome(i, kNomes[FLUXOS]), prefixo = Nome(i, "");
  for (const char* sufixo : {"FLW.txt", "MTR.txt"}) {
    const std::string nome = prefixo + sufixo;
    if (TResultado erro = Confere_Relida(c->Anota(kFamilia, nome), c->Exibe(nome)); !erro.Ok())
      return erro;
  }
  if (!geren_->Converte_Binario_Texto_FluxosCV(origem.data(), prefixo.data(), kRegiaoRelatada, true,
                                               true, &c->inicio, &c->fim, intervalo_)) {
    return Perda(c->Exibe(prefixo + "FLW.txt"));
  }
  TTempo* inicio = &c->inicio;
  TTempo* fim = &c->fim;
  const int intervalo = intervalo_;
  TGeren_ArquivoAux* g = geren_;
  return c->Converte(kFamilia, {Nome(i, "mofo.txt"), zonas_[i]->fluxos[MOFO], 0, [=](int b, int t) {
                                  g->Converte_Binario_Texto_Mofo(b, t, kRegiaoRelatada, true,
                                                                 inicio, fim, intervalo);
                                }});
}

TResultado TFamilia_Envelope::Converte(TContexto_Amostra* c) {
  for (int i = 0; i < static_cast<int>(zonas_.size()); ++i) {
    for (auto relatorio : {&TFamilia_Envelope::Relatorio_Superficies, &TFamilia_Envelope::Perfis,
                           &TFamilia_Envelope::Fluxos}) {
      if (TResultado erro = (this->*relatorio)(c, i); !erro.Ok()) return erro;
    }
  }
  return {};
}

}  // namespace

std::unique_ptr<TFamilia_Amostra> Cria_Familia_Envelope() {
  return std::make_unique<TFamilia_Envelope>();
}
