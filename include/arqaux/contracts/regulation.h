// The host's regulation library as the file manager sees it: the energy
// label of a building, whose data lines the manager writes.
#ifndef ARQAUX_CONTRACTS_REGULATION_H_
#define ARQAUX_CONTRACTS_REGULATION_H_

#include <string>

#include "arqaux/contracts/exporta.h"

// The label's identification data: ten texts, each kept as given.
class ARQAUX_CONTRATOS_API TEtiquetaRTQ {
 public:
  enum TCampo { Proprietario, Nome, Endereco, Compl, Cidade, ZonaBio, Bairro, UF, CEP, Data };
  static constexpr int Num_Campos = Data + 1;

  // Sets one text (null gives "").
  void A_Campo(TCampo campo, const char* texto);

  const char* R_Proprietario() const;
  const char* R_Nome() const;
  const char* R_Endereco() const;
  const char* R_Compl() const;
  const char* R_Cidade() const;
  const char* R_ZonaBio() const;
  const char* R_Bairro() const;
  const char* R_UF() const;
  const char* R_CEP() const;
  const char* R_Data() const;

 private:
  std::string campos_[Num_Campos];
};

#endif  // ARQAUX_CONTRACTS_REGULATION_H_
