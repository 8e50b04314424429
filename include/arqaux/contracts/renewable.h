// The host's renewable-energy library as the file manager sees it: electric
// equipment of a zone supplied by the photovoltaic system.
#ifndef ARQAUX_CONTRACTS_RENEWABLE_H_
#define ARQAUX_CONTRACTS_RENEWABLE_H_

#include "arqaux/contracts/exporta.h"
#include "arqaux/contracts/utility.h"

// Size of an equipment name buffer, terminator included.
constexpr int TAM_NOME_EQUIP_PV = 52;

// One item of PV-supplied equipment. It owns its schedule.
class ARQAUX_CONTRATOS_API TEquipamento_PV {
 public:
  // Copies nome (cut to TAM_NOME_EQUIP_PV - 1 characters; null gives "").
  // tipo is the current kind code (alternating or direct).
  TEquipamento_PV(TIntervalos* intervalos, char* nome, int tipo, int quantidade, float potencia);
  ~TEquipamento_PV();
  TEquipamento_PV(const TEquipamento_PV&) = delete;
  TEquipamento_PV& operator=(const TEquipamento_PV&) = delete;

  // Copies the name into nome, a buffer of TAM_NOME_EQUIP_PV bytes.
  void R_Nome(char* nome) const;
  int R_Quantidade() const;
  int R_Tipo() const;
  float R_Potencia() const;
  TIntervalos* R_Intervalos() const;

 private:
  TIntervalos* intervalos_;
  char nome_[TAM_NOME_EQUIP_PV];
  int tipo_;
  int quantidade_;
  float potencia_;
};

#endif  // ARQAUX_CONTRACTS_RENEWABLE_H_
