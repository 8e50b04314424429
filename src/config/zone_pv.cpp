// PV equipment block of a zone: a count line, then per item its ordinal,
// name, quantity, current kind, power and schedule block.
//
//   [Numero de Equipamentos = 1]
//   [Equipamento 1]
//   \t[Bomba de agua]
//   \t[Quantidade = 2]
//   \t[ACDC = 1]
//   \t[Potencia = 150.000000]
//   \t[Horarios = 0]
//
// The name is read into a 52-byte buffer: a longer one fails the read.
#include <memory>

#include "arqaux/geren_arquivoaux.h"
#include "text/linhas_config.h"

using arqaux::Campo;
using arqaux::TLinha;

namespace {

struct TValores_Contagem {
  int32_t numero = 0;
};

const TLinha<TValores_Contagem> CONTAGEM = {"[Numero de Equipamentos = %d]\n",
                                            {Campo(&TValores_Contagem::numero)}};

struct TValores_Pv {
  int32_t ordinal = 0;
  char nome[TAM_NOME_EQUIP_PV] = {};
  int32_t quantidade = 0;
  int32_t tipo = 0;
  float potencia = 0;
};

const TLinha<TValores_Pv> LINHAS_PV[] = {
    {"[Equipamento %d]\n", {Campo(&TValores_Pv::ordinal)}},
    {"\t[%s]\n", {Campo(&TValores_Pv::nome)}},
    {"\t[Quantidade = %d]\n", {Campo(&TValores_Pv::quantidade)}},
    {"\t[ACDC = %d]\n", {Campo(&TValores_Pv::tipo)}},
    {"\t[Potencia = %f]\n", {Campo(&TValores_Pv::potencia)}},
};

}  // namespace

bool TGeren_ArquivoAux::Grava_Equipamento_PV(TLista<TEquipamento_PV>* equipamentos) {
  FILE* arq = Arquivo_Atual;
  if (arq == nullptr) return false;
  TValores_Contagem contagem;
  contagem.numero = equipamentos != nullptr ? equipamentos->Numero_Elementos() : 0;
  arqaux::Grava_Linha(arq, CONTAGEM, contagem);
  // The walk follows the nodes rather than asking for position i each time.
  TNo<TEquipamento_PV>* no = equipamentos != nullptr ? equipamentos->R_No(1) : nullptr;
  for (int i = 1; no != nullptr && i <= equipamentos->Numero_Elementos();
       ++i, no = no->R_Proximo()) {
    TEquipamento_PV* e = no->R_Dado();
    if (e == nullptr) continue;
    TValores_Pv v;
    v.ordinal = i;
    e->R_Nome(v.nome);
    v.quantidade = e->R_Quantidade();
    v.tipo = e->R_Tipo();
    v.potencia = e->R_Potencia();
    arqaux::Grava_Linhas(arq, LINHAS_PV, v);
    Grava_Intervalos(e->R_Intervalos());
  }
  return true;
}

// Items are built one by one as their lines are read, so the count read only
// bounds the loop. The schedule's own result is not looked at.
bool TGeren_ArquivoAux::Le_Equipamento_PV(TLista<TEquipamento_PV>* equipamentos) {
  FILE* arq = Arquivo_Atual;
  if (arq == nullptr || equipamentos == nullptr) return false;
  TValores_Contagem contagem;
  if (!arqaux::Le_Linha(arq, CONTAGEM, &contagem)) return false;
  for (int32_t i = 0; i < contagem.numero; ++i) {
    TValores_Pv v;
    if (!arqaux::Le_Linhas(arq, LINHAS_PV, &v)) return false;
    auto horarios = std::make_unique<TIntervalos>();
    Le_Intervalos(horarios.get());
    equipamentos->Adiciona(
        new TEquipamento_PV(horarios.release(), v.nome, v.tipo, v.quantidade, v.potencia));
  }
  return true;
}

bool TGeren_ArquivoAux::Grava_Equipamentos_PV_ZonaX(TLista<TEquipamento_PV>* equipamentos,
                                                    int zona) {
  return Grava_Zona(zona) && Grava_Equipamento_PV(equipamentos);
}

bool TGeren_ArquivoAux::Le_Equipamentos_PV_ZonaX(TLista<TEquipamento_PV>* equipamentos, int zona) {
  if (!Le_Zona(zona)) return false;
  if (Le_Equipamento_PV(equipamentos)) return true;
  if (equipamentos != nullptr) equipamentos->Limpa();
  return false;
}
