// Internal-gain block of a zone: a count line, then per gain its ordinal,
// type code, quantity, the lines of its type and its schedule block.
//
//   [Numero de Ganhos = 1]
//   [Ganho 1]
//   \t[Tipo = 4]
//   \t[Quantidade = 2]
//   \t[Kg_p_s = 1.50e-04]
//   \t[Temp_Vap = 35.000]
//   \t[Potencia_Eletrica = 120.00]
//   \t[Horarios = 0]
//
// A gain of an unknown type code has no lines of its own. Its reader still
// reads (and drops) the schedule block that follows its quantity line, the
// header and as many period lines as the header counts, so that the gains
// after it read on. A gain whose class does not match its code prints its
// type lines with zeros, so that the block still reads back. A null or empty
// list gives the count line with 0 alone.
#include "arqaux/contracts/internal_gains.h"

#include <cstdio>
#include <memory>

#include "arqaux/contracts/utility.h"
#include "arqaux/geren_arquivoaux.h"
#include "engine/linhas_config.h"
#include "engine/registros.h"

using arqaux::Campo;
using arqaux::TComum;
using arqaux::TLinha;

namespace {

// Size of the daylighting file path buffer, terminator included.
constexpr int kTamCaminhoDaysim = 300;

const TLinha<TComum> kLinhasGanho[] = {
    {"[Ganho %d]\n", {Campo(&TComum::numero)}},
    {"\t[Tipo = %d]\n", {Campo(&TComum::tipo)}},
    {"\t[Quantidade = %d]\n", {Campo(&TComum::quantidade)}},
};

struct TValores_Pessoas {
  float massa = 0, altura = 0, calor_latente = 0, calor_sensivel = 0, porcent_convectiva = 0;
  bool pond_ashrae = false;
  double caf = 0;
};

const TLinha<TValores_Pessoas> kLinhasPessoas[] = {
    {"\t[Massa = %.2f]\n", {Campo(&TValores_Pessoas::massa)}},
    {"\t[Altura Individual = %.2f]\n", {Campo(&TValores_Pessoas::altura)}},
    {"\t[Calor Latente = %.2f]\n", {Campo(&TValores_Pessoas::calor_latente)}},
    {"\t[Calor Sensivel = %.2f]\n", {Campo(&TValores_Pessoas::calor_sensivel)}},
    {"\t[Porcentagem Convectiva = %.2f]\n", {Campo(&TValores_Pessoas::porcent_convectiva)}},
    {"\t[Usar ponderacao ASHRAE=%d]\n", {Campo(&TValores_Pessoas::pond_ashrae)}},
    {"\t[CAF = %lf]\n", {Campo(&TValores_Pessoas::caf)}},
};

// Sensible heat first and latent heat after the weighting flag, as the
// format has always had them.
struct TValores_Equipamento {
  float calor_sensivel = 0, porcent_convectiva = 0, calor_latente = 0, potencia_eletrica = 0;
  bool pond_ashrae = false;
  int32_t id = 0;
};

const TLinha<TValores_Equipamento> kLinhasEquipamento[] = {
    {"\t[Calor Sensivel = %.2f]\n", {Campo(&TValores_Equipamento::calor_sensivel)}},
    {"\t[Porcentagem Convectiva = %.2f]\n", {Campo(&TValores_Equipamento::porcent_convectiva)}},
    {"\t[Usar ponderacao ASHRAE=%d]\n", {Campo(&TValores_Equipamento::pond_ashrae)}},
    {"\t[Calor Latente = %.2f]\n", {Campo(&TValores_Equipamento::calor_latente)}},
    {"\t[Potencia Eletrica = %.2f]\n", {Campo(&TValores_Equipamento::potencia_eletrica)}},
    {"\t[ID = %d]\n", {Campo(&TValores_Equipamento::id)}},
};

struct TValores_Iluminacao {
  float potencia = 0, porcent_convectiva = 0;
  bool pond_ashrae = false;
  int32_t id = 0;
  bool usar_daysim = false;
  char caminho[kTamCaminhoDaysim] = {};
};

const TLinha<TValores_Iluminacao> kLinhasIluminacao[] = {
    {"\t[Potencia = %.2f]\n", {Campo(&TValores_Iluminacao::potencia)}},
    {"\t[Porcentagem Convectiva = %.2f]\n", {Campo(&TValores_Iluminacao::porcent_convectiva)}},
    {"\t[Usar ponderacao ASHRAE=%d]\n", {Campo(&TValores_Iluminacao::pond_ashrae)}},
    {"\t[ID = %d]\n", {Campo(&TValores_Iluminacao::id)}},
    {"\t[Usar Dados DAYSIM = %d]\n", {Campo(&TValores_Iluminacao::usar_daysim)}},
    // The path follows the flag line only when the flag is set.
    {"\t[%s]\n",
     {Campo(&TValores_Iluminacao::caminho)},
     nullptr,
     arqaux::Se(&TValores_Iluminacao::usar_daysim)},
};

struct TValores_Vapor {
  float geracao = 0, temperatura = 0, potencia = 0;
};

const TLinha<TValores_Vapor> kLinhasVapor[] = {
    {"\t[Kg_p_s = %1.2e]\n", {Campo(&TValores_Vapor::geracao)}},
    {"\t[Temp_Vap = %.3f]\n", {Campo(&TValores_Vapor::temperatura)}},
    {"\t[Potencia_Eletrica = %.2f]\n", {Campo(&TValores_Vapor::potencia)}},
};

void Valores_Pessoas(TGanho* ganho, TValores_Pessoas* v) {
  const auto* p = dynamic_cast<const TPessoas*>(ganho);
  if (p == nullptr) return;
  v->massa = p->R_Massa();
  v->altura = p->R_Altura();
  v->calor_latente = p->R_Calor_Latente();
  v->calor_sensivel = p->R_Calor_Sensivel();
  v->porcent_convectiva = p->R_Porcent_Convectiva();
  v->pond_ashrae = p->R_Usar_Pond_ASHRAE();
  v->caf = p->R_Coeficiente();
}

TGanho* Nova_Pessoa(const TValores_Pessoas& v, const TComum& c, TIntervalos* h,
                    arqaux::TSem_Contexto*) {
  return new TPessoas(c.quantidade, h, v.altura, v.massa, v.caf, v.calor_latente, v.calor_sensivel,
                      v.porcent_convectiva, v.pond_ashrae);
}

void Valores_Equipamento(TGanho* ganho, TValores_Equipamento* v) {
  const auto* e = dynamic_cast<const TEquipamento*>(ganho);
  if (e == nullptr) return;
  v->calor_sensivel = e->R_Potencia(0);
  v->porcent_convectiva = e->R_Porcent_Convectiva();
  v->pond_ashrae = e->R_Usar_Pond_ASHRAE();
  v->calor_latente = e->R_Potencia(2);
  v->potencia_eletrica = e->R_Potencia(1);
  v->id = e->R_Id();
}

TGanho* Novo_Equipamento(const TValores_Equipamento& v, const TComum& c, TIntervalos* h,
                         arqaux::TSem_Contexto*) {
  return new TEquipamento(c.quantidade, h, v.potencia_eletrica, v.calor_sensivel, v.calor_latente,
                          v.id, v.porcent_convectiva, v.pond_ashrae);
}

// A missing path prints as an empty one, "\t[]", which no reader accepts; a
// path is cut to what the reader's buffer holds.
void Valores_Iluminacao(TGanho* ganho, TValores_Iluminacao* v) {
  const auto* l = dynamic_cast<const TIluminacao*>(ganho);
  if (l == nullptr) return;
  v->potencia = l->R_Potencia();
  v->porcent_convectiva = l->R_Porcent_Convectiva();
  v->pond_ashrae = l->R_Usar_Pond_ASHRAE();
  v->id = l->R_Id();
  v->usar_daysim = l->R_UsarDadosDAYSIM();
  const char* caminho = l->R_Caminho_Arquivo_DAYSIM();
  std::snprintf(v->caminho, sizeof(v->caminho), "%s", caminho != nullptr ? caminho : "");
}

// The path is handed over in a buffer of its own; none without the flag.
TGanho* Nova_Iluminacao(const TValores_Iluminacao& v, const TComum& c, TIntervalos* h,
                        arqaux::TSem_Contexto*) {
  char* caminho = nullptr;
  if (v.usar_daysim) {
    caminho = new char[kTamCaminhoDaysim];
    std::snprintf(caminho, kTamCaminhoDaysim, "%s", v.caminho);
  }
  return new TIluminacao(c.quantidade, h, v.potencia, v.id, v.porcent_convectiva, v.pond_ashrae,
                         v.usar_daysim, caminho);
}

void Valores_Vapor(TGanho* ganho, TValores_Vapor* v) {
  const auto* g = dynamic_cast<const TGeracao_Vapor*>(ganho);
  if (g == nullptr) return;
  v->geracao = g->R_Geracao_Vapor(true);
  v->temperatura = g->R_Temp_Vapor();
  v->potencia = g->R_Potencia();
}

TGanho* Nova_Geracao_Vapor(const TValores_Vapor& v, const TComum& c, TIntervalos* h,
                           arqaux::TSem_Contexto*) {
  return new TGeracao_Vapor(c.quantidade, h, v.geracao, v.temperatura, v.potencia);
}

const arqaux::TTipo_Registro<TGanho, arqaux::TSem_Contexto, TValores_Pessoas> kPessoas = {
    GANHO_PESSOAS, kLinhasPessoas, Valores_Pessoas, Nova_Pessoa};
const arqaux::TTipo_Registro<TGanho, arqaux::TSem_Contexto, TValores_Equipamento> kEquipamento = {
    GANHO_EQUIPAMENTO, kLinhasEquipamento, Valores_Equipamento, Novo_Equipamento};
const arqaux::TTipo_Registro<TGanho, arqaux::TSem_Contexto, TValores_Iluminacao> kIluminacao = {
    GANHO_ILUMINACAO, kLinhasIluminacao, Valores_Iluminacao, Nova_Iluminacao};
const arqaux::TTipo_Registro<TGanho, arqaux::TSem_Contexto, TValores_Vapor> kGeracaoVapor = {
    GANHO_GERACAO_VAPOR, kLinhasVapor, Valores_Vapor, Nova_Geracao_Vapor};

const arqaux::TBloco<TGanho, arqaux::TSem_Contexto> kGanhos = {
    {"[Numero de Ganhos = %d]\n", {Campo(&TComum::numero)}},
    kLinhasGanho,
    {arqaux::Descritor(kPessoas), arqaux::Descritor(kEquipamento), arqaux::Descritor(kIluminacao),
     arqaux::Descritor(kGeracaoVapor)},
    arqaux::Comum_De<TGanho>,
    true,
    arqaux::TPolitica_Falha::Para_Na_Primeira};

}  // namespace

bool TGeren_ArquivoAux::Grava_Ganho_Interno(TLista<TGanho>* ganhos) {
  return arqaux::Grava_Bloco(Arquivo_Atual, kGanhos, ganhos);
}

bool TGeren_ArquivoAux::Le_Ganho_Interno(TLista<TGanho>* ganhos) {
  arqaux::TSem_Contexto nada;
  return arqaux::Le_Bloco(
      Arquivo_Atual, kGanhos, &nada, ganhos != nullptr, [&](TGanho* g) { ganhos->Adiciona(g); },
      [this] { return Arquivo_Atual; });
}

bool TGeren_ArquivoAux::Grava_Ganho_Interno_ZonaX(TLista<TGanho>* ganhos, int zona) {
  return arqaux::Grava_Na_Zona(Arquivo_Atual, zona, [&] { return Grava_Ganho_Interno(ganhos); });
}

bool TGeren_ArquivoAux::Le_Ganho_Interno_ZonaX(TLista<TGanho>* ganhos, int zona) {
  return arqaux::Le_Na_Zona(
      Arquivo_Atual, zona, [&] { return Le_Ganho_Interno(ganhos); },
      [&] {
        if (ganhos != nullptr) ganhos->Limpa();
      });
}
