// Quantity tables of the equipment reports. An equipment stream (a fan coil,
// each kind of primary equipment, an envelope stream) records per step the
// results of one member by result index; each report shows one quantity of
// it. A member is data: per report variable, a title, the monitoring flag
// that shows the quantity's columns, and the columns. Its header and rows
// are then the sampled report of one builder, and a new member is one more
// table.
#ifndef ARQAUX_ENGINE_REPORT_QUANTITIES_H_
#define ARQAUX_ENGINE_REPORT_QUANTITIES_H_

#include <cstddef>

#include "engine/report_engine.h"

namespace arqaux {

// One report variable: its title (literal text, closed by the builder with
// the equipment number), the flag that shows its columns, and the columns,
// whose valor is the result index.
struct TGrandeza {
  const char* titulo;
  int flag;
  const TColuna* colunas;
  size_t num_colunas;
};

template <size_t N>
constexpr TGrandeza Grandeza(const char* titulo, int flag, const TColuna (&colunas)[N]) {
  return {titulo, flag, colunas, N};
}

// A member: num_valores results per record (indices 0 to num_valores - 1),
// num_flags monitoring flags, and its report variables, numbered from
// primeira_variavel.
struct TMembro {
  int num_valores;
  int num_flags;
  int primeira_variavel;
  const TGrandeza* grandezas;
  size_t num_grandezas;
};

template <size_t N>
constexpr TMembro Membro(int num_valores, int num_flags, int primeira_variavel,
                         const TGrandeza (&grandezas)[N]) {
  return {num_valores, num_flags, primeira_variavel, grandezas, N};
}

// True when every quantity's flag is a flag of the member and every column
// names a result of its record; a table is checked with it where it is
// written (static_assert), and the report engine refuses such a column too.
constexpr bool Membro_Valido(const TMembro& membro) {
  for (size_t g = 0; g < membro.num_grandezas; ++g) {
    const TGrandeza& grandeza = membro.grandezas[g];
    if (grandeza.flag < 0 || grandeza.flag >= membro.num_flags) return false;
    for (size_t c = 0; c < grandeza.num_colunas; ++c) {
      const int valor = grandeza.colunas[c].valor;
      if (valor < 0 || valor >= membro.num_valores) return false;
    }
  }
  return true;
}

// The report of variable variavel of membro for equipment number numero:
// its title (none for a variable the member does not have) followed by
// " %d)]\n", the period lines in whole hours, and, only when the variable's
// flag is set in flags (num_flags of them), its labels, row values and
// averages; the clock follows the values without a leading tab.
TDescricao_Relatorio Descreve_Grandeza(const TMembro& membro, int variavel, const int* flags,
                                       int numero);

}  // namespace arqaux

#endif  // ARQAUX_ENGINE_REPORT_QUANTITIES_H_
