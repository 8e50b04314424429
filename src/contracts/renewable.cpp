// Stand-in of the renewable-energy library: plain data.
#include "arqaux/contracts/renewable.h"

#include <cstdio>

TEquipamento_PV::TEquipamento_PV(TIntervalos* intervalos, char* nome, int tipo, int quantidade,
                                 float potencia)
    : intervalos_(intervalos), nome_{}, tipo_(tipo), quantidade_(quantidade), potencia_(potencia) {
  std::snprintf(nome_, sizeof(nome_), "%s", nome != nullptr ? nome : "");
}

TEquipamento_PV::~TEquipamento_PV() { delete intervalos_; }

void TEquipamento_PV::R_Nome(char* nome) const {
  if (nome != nullptr) std::snprintf(nome, TAM_NOME_EQUIP_PV, "%s", nome_);
}

int TEquipamento_PV::R_Quantidade() const { return quantidade_; }
int TEquipamento_PV::R_Tipo() const { return tipo_; }
float TEquipamento_PV::R_Potencia() const { return potencia_; }
TIntervalos* TEquipamento_PV::R_Intervalos() const { return intervalos_; }
