// What the equipment catalogue files share: a count line, then records read
// one at a time and saved as a whole array, each record a table of lines
// that the saver prints and the loader scans.
#ifndef ARQAUX_CATALOGUES_CATALOGO_TEXTO_H_
#define ARQAUX_CATALOGUES_CATALOGO_TEXTO_H_

#include <cstdint>
#include <cstdio>

#include "engine/linhas_config.h"

namespace arqaux {

struct TContagem {
  int32_t n = 0;
};

// One catalogue: its count line, the lines of a record, and how many values
// the record's last line holds.
template <class R>
struct TCatalogo {
  const TLinha<TContagem>& contagem;
  TTabela<R> linhas;
  int valores;
};

// Skips white space and tells whether the data has ended.
bool Acabou(FILE* arq);

// Reads the count line; the count as read (a catalogue cut short holds
// fewer records, and its loader then ends with -1), 0 when the line does
// not match.
template <class R>
int Le_Contagem(FILE* arq, const TCatalogo<R>& catalogo) {
  TContagem c;
  if (arq == nullptr || !Le_Linha(arq, catalogo.contagem, &c)) return 0;
  return c.n;
}

// Reads the next record, every line even past one that does not match, so
// that a malformed record keeps what did match. Returns valores (the values
// of the record's last line) when it read whole, 0 when not, -1 when the
// data had ended before it.
template <class R>
int Carrega_Registro(FILE* arq, const TCatalogo<R>& catalogo, R* registro) {
  if (arq == nullptr || registro == nullptr) return 0;
  if (Acabou(arq)) return -1;
  return Le_Linhas(arq, catalogo.linhas, registro, TPolitica_Falha::Le_Tudo) ? catalogo.valores : 0;
}

// Prints the count line and, for count > 0, every record in order. Returns
// the bytes of the last line printed, 0 when count <= 0 or registros is null
// (with count <= 0 the count line is printed all the same), -1 when a print
// failed.
template <class R>
int Salva_Registros(FILE* arq, const TCatalogo<R>& catalogo, int count, const R* registros) {
  if (arq == nullptr || (count > 0 && registros == nullptr)) return 0;
  TContagem c;
  c.n = count;
  int ultima = Grava_Linha(arq, catalogo.contagem, c);
  bool ok = ultima >= 0;
  for (int i = 0; i < count; ++i) {
    for (const TLinha<R>& l : catalogo.linhas) {
      ultima = Grava_Linha(arq, l, registros[i]);
      ok = ok && ultima >= 0;
    }
  }
  if (!ok) return -1;
  return count > 0 ? ultima : 0;
}

}  // namespace arqaux

#endif  // ARQAUX_CATALOGUES_CATALOGO_TEXTO_H_
