#include "engine/report_quantities.h"

#include <string>

namespace arqaux {

TDescricao_Relatorio Descreve_Grandeza(const TMembro& membro, int variavel, const int* flags,
                                       int numero) {
  TDescricao_Relatorio descricao;
  descricao.relogio = TFormato_Relogio::Espacado;
  descricao.num_valores = membro.num_valores;
  const long k = static_cast<long>(variavel) - membro.primeira_variavel;
  const TGrandeza* grandeza =
      k >= 0 && static_cast<size_t>(k) < membro.num_grandezas ? &membro.grandezas[k] : nullptr;
  if (grandeza != nullptr) descricao.titulo = grandeza->titulo;
  descricao.titulo += " " + std::to_string(numero) + ")]\n";
  const bool mostra = grandeza != nullptr && flags != nullptr && grandeza->flag >= 0 &&
                      grandeza->flag < membro.num_flags && flags[grandeza->flag] != 0;
  if (mostra)
    descricao.colunas.assign(grandeza->colunas, grandeza->colunas + grandeza->num_colunas);
  return descricao;
}

}  // namespace arqaux
