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
// The block has one record kind and no type line. The name is read into a
// 52-byte buffer: a longer one fails the read. A null or empty list gives the
// count line with 0 alone.
#include "arqaux/contracts/renewable.h"
#include "arqaux/contracts/utility.h"
#include "arqaux/geren_arquivoaux.h"
#include "engine/linhas_config.h"
#include "engine/registros.h"

using arqaux::Campo;
using arqaux::TComum;
using arqaux::TLinha;

namespace {

const TLinha<TComum> kOrdinal[] = {{"[Equipamento %d]\n", {Campo(&TComum::numero)}}};

struct TValores_Pv {
  char nome[TAM_NOME_EQUIP_PV] = {};
  int32_t quantidade = 0;
  int32_t tipo = 0;
  float potencia = 0;
};

const TLinha<TValores_Pv> kLinhasPv[] = {
    {"\t[%s]\n", {Campo(&TValores_Pv::nome)}},
    {"\t[Quantidade = %d]\n", {Campo(&TValores_Pv::quantidade)}},
    {"\t[ACDC = %d]\n", {Campo(&TValores_Pv::tipo)}},
    {"\t[Potencia = %f]\n", {Campo(&TValores_Pv::potencia)}},
};

void Valores_Pv(TEquipamento_PV* e, TValores_Pv* v) {
  e->R_Nome(v->nome);
  v->quantidade = e->R_Quantidade();
  v->tipo = e->R_Tipo();
  v->potencia = e->R_Potencia();
}

// The constructor copies the name; the buffer stays the reader's.
TEquipamento_PV* Novo_Pv(const TValores_Pv& v, const TComum&, TIntervalos* h,
                         arqaux::TSem_Contexto*) {
  char nome[TAM_NOME_EQUIP_PV];
  std::snprintf(nome, sizeof(nome), "%s", v.nome);
  return new TEquipamento_PV(h, nome, v.tipo, v.quantidade, v.potencia);
}

const arqaux::TTipo_Registro<TEquipamento_PV, arqaux::TSem_Contexto, TValores_Pv> kPv = {
    0, kLinhasPv, Valores_Pv, Novo_Pv};

const arqaux::TBloco<TEquipamento_PV, arqaux::TSem_Contexto> kEquipamentos = {
    {"[Numero de Equipamentos = %d]\n", {Campo(&TComum::numero)}},
    kOrdinal,
    {arqaux::Descritor(kPv)},
    [](TEquipamento_PV*) { return TComum(); },
    true,
    arqaux::TPolitica_Falha::Para_Na_Primeira};

}  // namespace

bool TGeren_ArquivoAux::Grava_Equipamento_PV(TLista<TEquipamento_PV>* equipamentos) {
  return arqaux::Grava_Bloco(Arquivo_Atual, kEquipamentos, equipamentos);
}

bool TGeren_ArquivoAux::Le_Equipamento_PV(TLista<TEquipamento_PV>* equipamentos) {
  arqaux::TSem_Contexto nada;
  return arqaux::Le_Bloco(
      Arquivo_Atual, kEquipamentos, &nada, equipamentos != nullptr,
      [&](TEquipamento_PV* e) { equipamentos->Adiciona(e); }, [this] { return Arquivo_Atual; });
}

bool TGeren_ArquivoAux::Grava_Equipamentos_PV_ZonaX(TLista<TEquipamento_PV>* equipamentos,
                                                    int zona) {
  return arqaux::Grava_Na_Zona(Arquivo_Atual, zona,
                               [&] { return Grava_Equipamento_PV(equipamentos); });
}

bool TGeren_ArquivoAux::Le_Equipamentos_PV_ZonaX(TLista<TEquipamento_PV>* equipamentos, int zona) {
  return arqaux::Le_Na_Zona(
      Arquivo_Atual, zona, [&] { return Le_Equipamento_PV(equipamentos); },
      [&] {
        if (equipamentos != nullptr) equipamentos->Limpa();
      });
}
