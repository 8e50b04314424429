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
// after it read on.
#include <cstdio>
#include <memory>

#include "arqaux/geren_arquivoaux.h"
#include "text/linhas_config.h"

using arqaux::Campo;
using arqaux::TLinha;

namespace {

// Size of the daylighting file path buffer, terminator included.
constexpr int TAM_CAMINHO_DAYSIM = 300;

struct TValores_Contagem {
  int32_t numero = 0;
};

const TLinha<TValores_Contagem> CONTAGEM = {"[Numero de Ganhos = %d]\n",
                                            {Campo(&TValores_Contagem::numero)}};

struct TValores_Ganho {
  int32_t ordinal = 0;
  int32_t tipo = 0;
  int32_t quantidade = 0;
};

const TLinha<TValores_Ganho> LINHAS_GANHO[] = {
    {"[Ganho %d]\n", {Campo(&TValores_Ganho::ordinal)}},
    {"\t[Tipo = %d]\n", {Campo(&TValores_Ganho::tipo)}},
    {"\t[Quantidade = %d]\n", {Campo(&TValores_Ganho::quantidade)}},
};

struct TValores_Pessoas {
  float massa = 0, altura = 0, calor_latente = 0, calor_sensivel = 0, porcent_convectiva = 0;
  bool pond_ashrae = false;
  double caf = 0;
};

const TLinha<TValores_Pessoas> LINHAS_PESSOAS[] = {
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

const TLinha<TValores_Equipamento> LINHAS_EQUIPAMENTO[] = {
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
  char caminho[TAM_CAMINHO_DAYSIM] = {};
};

const TLinha<TValores_Iluminacao> LINHAS_ILUMINACAO[] = {
    {"\t[Potencia = %.2f]\n", {Campo(&TValores_Iluminacao::potencia)}},
    {"\t[Porcentagem Convectiva = %.2f]\n", {Campo(&TValores_Iluminacao::porcent_convectiva)}},
    {"\t[Usar ponderacao ASHRAE=%d]\n", {Campo(&TValores_Iluminacao::pond_ashrae)}},
    {"\t[ID = %d]\n", {Campo(&TValores_Iluminacao::id)}},
    {"\t[Usar Dados DAYSIM = %d]\n", {Campo(&TValores_Iluminacao::usar_daysim)}},
};

// Follows the flag line only when the flag is set.
const TLinha<TValores_Iluminacao> CAMINHO_DAYSIM = {"\t[%s]\n",
                                                    {Campo(&TValores_Iluminacao::caminho)}};

struct TValores_Vapor {
  float geracao = 0, temperatura = 0, potencia = 0;
};

const TLinha<TValores_Vapor> LINHAS_VAPOR[] = {
    {"\t[Kg_p_s = %1.2e]\n", {Campo(&TValores_Vapor::geracao)}},
    {"\t[Temp_Vap = %.3f]\n", {Campo(&TValores_Vapor::temperatura)}},
    {"\t[Potencia_Eletrica = %.2f]\n", {Campo(&TValores_Vapor::potencia)}},
};

// The lines of the gain's own type; none for an unknown code, or when the
// object is not of the class its code names.
void Grava_Linhas_Do_Tipo(FILE* arq, TGanho* ganho) {
  switch (ganho->R_Tipo()) {
    case GANHO_PESSOAS:
      if (auto* p = dynamic_cast<TPessoas*>(ganho)) {
        TValores_Pessoas v;
        v.massa = p->R_Massa();
        v.altura = p->R_Altura();
        v.calor_latente = p->R_Calor_Latente();
        v.calor_sensivel = p->R_Calor_Sensivel();
        v.porcent_convectiva = p->R_Porcent_Convectiva();
        v.pond_ashrae = p->R_Usar_Pond_ASHRAE();
        v.caf = p->R_Coeficiente();
        arqaux::Grava_Linhas(arq, LINHAS_PESSOAS, v);
      }
      break;
    case GANHO_EQUIPAMENTO:
      if (auto* e = dynamic_cast<TEquipamento*>(ganho)) {
        TValores_Equipamento v;
        v.calor_sensivel = e->R_Potencia(0);
        v.porcent_convectiva = e->R_Porcent_Convectiva();
        v.pond_ashrae = e->R_Usar_Pond_ASHRAE();
        v.calor_latente = e->R_Potencia(2);
        v.potencia_eletrica = e->R_Potencia(1);
        v.id = e->R_Id();
        arqaux::Grava_Linhas(arq, LINHAS_EQUIPAMENTO, v);
      }
      break;
    case GANHO_ILUMINACAO:
      if (auto* l = dynamic_cast<TIluminacao*>(ganho)) {
        auto v = std::make_unique<TValores_Iluminacao>();
        v->potencia = l->R_Potencia();
        v->porcent_convectiva = l->R_Porcent_Convectiva();
        v->pond_ashrae = l->R_Usar_Pond_ASHRAE();
        v->id = l->R_Id();
        v->usar_daysim = l->R_UsarDadosDAYSIM();
        arqaux::Grava_Linhas(arq, LINHAS_ILUMINACAO, *v);
        if (v->usar_daysim) {
          // A missing path prints as an empty one, "\t[]", which no reader
          // accepts; a path is cut to what the reader's buffer holds.
          const char* caminho = l->R_Caminho_Arquivo_DAYSIM();
          std::snprintf(v->caminho, sizeof(v->caminho), "%s", caminho != nullptr ? caminho : "");
          arqaux::Grava_Linha(arq, CAMINHO_DAYSIM, *v);
        }
      }
      break;
    case GANHO_GERACAO_VAPOR:
      if (auto* g = dynamic_cast<TGeracao_Vapor*>(ganho)) {
        TValores_Vapor v;
        v.geracao = g->R_Geracao_Vapor(true);
        v.temperatura = g->R_Temp_Vapor();
        v.potencia = g->R_Potencia();
        arqaux::Grava_Linhas(arq, LINHAS_VAPOR, v);
      }
      break;
    default:
      break;
  }
}

}  // namespace

bool TGeren_ArquivoAux::Grava_Ganho_Interno(TLista<TGanho>* ganhos) {
  FILE* arq = Arquivo_Atual;
  if (arq == nullptr) return false;
  TValores_Contagem contagem;
  contagem.numero = ganhos != nullptr ? ganhos->Numero_Elementos() : 0;
  arqaux::Grava_Linha(arq, CONTAGEM, contagem);
  // The walk follows the nodes rather than asking for position i each time,
  // which would walk the list from its head again for every gain.
  TNo<TGanho>* no = ganhos != nullptr ? ganhos->R_No(1) : nullptr;
  for (int i = 1; no != nullptr && i <= ganhos->Numero_Elementos(); ++i, no = no->R_Proximo()) {
    TGanho* ganho = no->R_Dado();
    if (ganho == nullptr) continue;
    TValores_Ganho v;
    v.ordinal = i;
    v.tipo = ganho->R_Tipo();
    v.quantidade = ganho->R_Quantidade();
    arqaux::Grava_Linhas(arq, LINHAS_GANHO, v);
    Grava_Linhas_Do_Tipo(arq, ganho);
    Grava_Intervalos(ganho->R_Intervalos());
  }
  return true;
}

// Each gain is built as soon as its lines are read; the count only bounds the
// loop, so a count far beyond the file's content allocates nothing ahead.
// The schedule's own result is not looked at: a broken schedule shows up as
// a failure of the next gain's ordinal line.
bool TGeren_ArquivoAux::Le_Ganho_Interno(TLista<TGanho>* ganhos) {
  FILE* arq = Arquivo_Atual;
  if (arq == nullptr || ganhos == nullptr) return false;
  TValores_Contagem contagem;
  if (!arqaux::Le_Linha(arq, CONTAGEM, &contagem)) return false;
  for (int32_t i = 0; i < contagem.numero; ++i) {
    TValores_Ganho g;
    if (!arqaux::Le_Linhas(arq, LINHAS_GANHO, &g)) return false;
    auto horarios = std::make_unique<TIntervalos>();
    TGanho* ganho = nullptr;
    switch (g.tipo) {
      case GANHO_PESSOAS: {
        TValores_Pessoas v;
        if (!arqaux::Le_Linhas(arq, LINHAS_PESSOAS, &v)) return false;
        Le_Intervalos(horarios.get());
        ganho =
            new TPessoas(g.quantidade, horarios.release(), v.altura, v.massa, v.caf,
                         v.calor_latente, v.calor_sensivel, v.porcent_convectiva, v.pond_ashrae);
        break;
      }
      case GANHO_EQUIPAMENTO: {
        TValores_Equipamento v;
        if (!arqaux::Le_Linhas(arq, LINHAS_EQUIPAMENTO, &v)) return false;
        Le_Intervalos(horarios.get());
        ganho = new TEquipamento(g.quantidade, horarios.release(), v.potencia_eletrica,
                                 v.calor_sensivel, v.calor_latente, v.id, v.porcent_convectiva,
                                 v.pond_ashrae);
        break;
      }
      case GANHO_ILUMINACAO: {
        auto v = std::make_unique<TValores_Iluminacao>();
        if (!arqaux::Le_Linhas(arq, LINHAS_ILUMINACAO, v.get())) return false;
        std::unique_ptr<char[]> caminho;
        if (v->usar_daysim) {
          if (!arqaux::Le_Linha(arq, CAMINHO_DAYSIM, v.get())) return false;
          caminho.reset(new char[TAM_CAMINHO_DAYSIM]);
          std::snprintf(caminho.get(), TAM_CAMINHO_DAYSIM, "%s", v->caminho);
        }
        Le_Intervalos(horarios.get());
        ganho = new TIluminacao(g.quantidade, horarios.release(), v->potencia, v->id,
                                v->porcent_convectiva, v->pond_ashrae, v->usar_daysim,
                                caminho.release());
        break;
      }
      case GANHO_GERACAO_VAPOR: {
        TValores_Vapor v;
        if (!arqaux::Le_Linhas(arq, LINHAS_VAPOR, &v)) return false;
        Le_Intervalos(horarios.get());
        ganho = new TGeracao_Vapor(g.quantidade, horarios.release(), v.geracao, v.temperatura,
                                   v.potencia);
        break;
      }
      default:
        Le_Intervalos(horarios.get());
        break;
    }
    if (ganho != nullptr) ganhos->Adiciona(ganho);
  }
  return true;
}

bool TGeren_ArquivoAux::Grava_Ganho_Interno_ZonaX(TLista<TGanho>* ganhos, int zona) {
  return Grava_Zona(zona) && Grava_Ganho_Interno(ganhos);
}

bool TGeren_ArquivoAux::Le_Ganho_Interno_ZonaX(TLista<TGanho>* ganhos, int zona) {
  if (!Le_Zona(zona)) return false;
  if (Le_Ganho_Interno(ganhos)) return true;
  if (ganhos != nullptr) ganhos->Limpa();
  return false;
}
