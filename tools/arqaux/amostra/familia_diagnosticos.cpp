// Diagnostics of the sample's first zone, as the host's engine writes them:
// its window's glazing line at the end of every hour (the solar gain's
// energy over the step, the step's length, the zone air and mean radiant
// temperatures), the heat flux through the nodes of its north wall at every
// hour, and the view factors between its six faces, written once the run is
// over and read back face by face into each face's first region.
//
// The zone is a cube: a face sees the opposite one with 0.19982 and each
// adjacent one with 0.20004. Pairs of walls are written as analytic results,
// pairs with the floor or the ceiling as numeric ones with their triangle
// counts.
#include <arqaux/arqaux.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "amostra/amostra.h"
#include "comum/erros.h"
#include "comum/verificacoes.h"

namespace {

const char* const kFamilia = "diagnostics";
const char* const kVidros = "zona1_vidros.txt";
const char* const kNos = "zona1_fluxo_nos.txt";
const char* const kFatores = "zona1_fatores_forma.txt";
const char* const kLidos = "zona1_fatores_lidos.txt";

constexpr int kFaces = 6;  // four walls (0-3), the floor (4) and the ceiling (5)
constexpr int kNosParede = 5;
constexpr double kFatorOposta = 0.19982;
constexpr double kFatorAdjacente = 0.20004;
// Triangles a numeric result divides the floor and the ceiling into.
constexpr int kTriangulos = 32;

// The face opposite face k.
int Oposta(int k) { return k < 4 ? (k + 2) % 4 : 9 - k; }

class TFamilia_Diagnosticos : public TFamilia_Amostra {
 public:
  const char* Familia() const override { return kFamilia; }
  TResultado Abre(TContexto_Amostra* c) override;
  void Passo(const TPasso_Amostra& p) override;
  TResultado Fecha(TContexto_Amostra* c) override;
  TResultado Converte(TContexto_Amostra* c) override;

 private:
  TResultado Grava_Fatores(TContexto_Amostra* c);

  TGeren_ArquivoAux* geren_ = nullptr;
  int vidros_ = 0, nos_ = 0;
  int intervalo_ = 0;
  TTempo relogio_;
};

TResultado TFamilia_Diagnosticos::Abre(TContexto_Amostra* c) {
  geren_ = c->geren;
  intervalo_ = c->opcoes.intervalo;
  relogio_ = c->inicio;
  if (TResultado erro = c->Abre_Fluxo(kFamilia, kVidros, &vidros_); !erro.Ok()) return erro;
  return c->Abre_Fluxo(kFamilia, kNos, &nos_);
}

void TFamilia_Diagnosticos::Passo(const TPasso_Amostra& p) {
  DLL_UTIL_Geren_Tempo()->Avanca_X_Segundos(intervalo_, &relogio_);
  if (p.segundos % kSegundosHora != 0 || p.zonas.empty()) return;
  const TZona_Passo& z = p.zonas[0];
  const float energia = static_cast<float>(z.ganho_solar * intervalo_ / kSegundosHora);
  geren_->Muda_Arquivo(vidros_);
  geren_->ENCIT_2008(&relogio_, energia, static_cast<float>(intervalo_),
                     static_cast<float>(z.temperatura), static_cast<float>(z.radiante));
  // The conduction is shared by the six faces and falls linearly through
  // the wall's nodes, the last one on the interior surface.
  geren_->Muda_Arquivo(nos_);
  for (int k = 0; k < kNosParede; ++k) {
    const double parcela = 0.5 + 0.5 * k / (kNosParede - 1);
    geren_->Fluxo_Nos(k, static_cast<float>(z.conducao / kFaces * parcela));
  }
  geren_->Fluxo_Nos_Linha();
}

TResultado TFamilia_Diagnosticos::Fecha(TContexto_Amostra* c) {
  if (TResultado erro = c->Fecha_Fluxo(vidros_, kVidros); !erro.Ok()) return erro;
  if (TResultado erro = c->Fecha_Fluxo(nos_, kNos); !erro.Ok()) return erro;
  return Grava_Fatores(c);
}

TResultado TFamilia_Diagnosticos::Grava_Fatores(TContexto_Amostra* c) {
  int n = 0;
  if (TResultado erro = c->Abre_Fluxo(kFamilia, kFatores, &n); !erro.Ok()) return erro;
  geren_->Grava_Zona_FF(0);
  for (int a = 0; a < kFaces; ++a) {
    for (int b = 0; b < kFaces; ++b) {
      if (a == b) continue;
      const int triangulos = a >= 4 || b >= 4 ? kTriangulos : 0;
      geren_->Grava_Resultado_FF(a, b, b == Oposta(a) ? kFatorOposta : kFatorAdjacente, triangulos,
                                 triangulos);
    }
  }
  return c->Fecha_Fluxo(n, kFatores);
}

// Reads the view factors back for each face into its first region and
// lists the links each region got.
TResultado TFamilia_Diagnosticos::Converte(TContexto_Amostra* c) {
  TSuperficie zona(1);
  std::vector<std::unique_ptr<TParede>> faces;
  for (int k = 0; k < kFaces; ++k) {
    faces.emplace_back(new TParede(nullptr, nullptr, 90.0f * (k % 4), 9.0));
    faces.back()->Adiciona_Regiao(kNosParede);
    zona.Adiciona_Face(faces.back().get());
  }
  const int texto = geren_->Abre_Arquivo(c->Anota(kFamilia, kLidos).c_str(), "wt");
  if (texto == 0) return Falha("cannot open '%s'", c->Exibe(kLidos).c_str());
  FILE* saida = geren_->ObtemArquivo();
  for (int f = 1; f <= kFaces; ++f) {
    const int n = geren_->Abre_Arquivo(kFatores, "rb");
    ElementoTC* regiao = faces[f - 1]->R_Regioes()->R_No(1)->R_Dado();
    const bool ok = n != 0 && geren_->Carrega_Dados_FF(f, &zona, regiao);
    if (n != 0) geren_->Fecha_Arquivo(n);
    if (!ok) return Falha("cannot read back '%s'", c->Exibe(kFatores).c_str());
    std::fprintf(saida, "Face %d:", f);
    TNo<TTrans_EltrMag>* no = regiao->Ligacoes->R_No(1);
    for (int i = 0; i < regiao->Ligacoes->Numero_Elementos(); ++i, no = no->R_Proximo()) {
      std::fprintf(saida, " %.5f", no->R_Dado()->R_Fator_Forma());
    }
    std::fprintf(saida, "\n");
  }
  return Fecha_Gravado(geren_, texto, c->Exibe(kLidos));
}

}  // namespace

std::unique_ptr<TFamilia_Amostra> Cria_Familia_Diagnosticos() {
  return std::make_unique<TFamilia_Diagnosticos>();
}
