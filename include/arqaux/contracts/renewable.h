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

// The photovoltaic catalogues' records, filled by the catalogue readers.
// Names of panel types, makers and models: 29 characters and the terminator.
constexpr int TAM_NOME_PV = 30;

// A panel type. The caller gives Nome, a buffer of TAM_NOME_PV bytes.
struct TTipo_PV {
  char* Nome;
  int NOCT;
  float Beta;
};

// One model of a panel maker, as the catalogue's model line holds it.
struct TModelo_PV {
  char* Nome;
  int Parametro_Inteiro;  // the line's second number
  float Parametros[3];    // its first, third and fourth numbers
};

// A panel maker and its models. The reader allocates Nome (new char[]) and
// Modelos (new TModelo_PV[]), which become the caller's.
struct TFabricante_PV {
  char* Nome;
  int Num_Modelos;
  TModelo_PV* Modelos;
};

#endif  // ARQAUX_CONTRACTS_RENEWABLE_H_
