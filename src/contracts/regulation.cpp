// Stand-in of the regulation library: plain data.
#include "arqaux/contracts/regulation.h"

void TEtiquetaRTQ::A_Campo(TCampo campo, const char* texto) {
  if (campo >= 0 && campo < Num_Campos) campos_[campo] = texto != nullptr ? texto : "";
}

const char* TEtiquetaRTQ::R_Proprietario() const { return campos_[Proprietario].c_str(); }
const char* TEtiquetaRTQ::R_Nome() const { return campos_[Nome].c_str(); }
const char* TEtiquetaRTQ::R_Endereco() const { return campos_[Endereco].c_str(); }
const char* TEtiquetaRTQ::R_Compl() const { return campos_[Compl].c_str(); }
const char* TEtiquetaRTQ::R_Cidade() const { return campos_[Cidade].c_str(); }
const char* TEtiquetaRTQ::R_ZonaBio() const { return campos_[ZonaBio].c_str(); }
const char* TEtiquetaRTQ::R_Bairro() const { return campos_[Bairro].c_str(); }
const char* TEtiquetaRTQ::R_UF() const { return campos_[UF].c_str(); }
const char* TEtiquetaRTQ::R_CEP() const { return campos_[CEP].c_str(); }
const char* TEtiquetaRTQ::R_Data() const { return campos_[Data].c_str(); }
