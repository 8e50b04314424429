// Lines of the bracketed-key configuration text. Each record kind is one table
// of its lines that both the writer and the reader walk, so a key or a
// precision lives in one place:
//
//   struct TValores_Pv { int32_t ordinal; char nome[52]; int32_t quantidade; float potencia; };
//   const TLinha<TValores_Pv> kLinhasPv[] = {
//       {"[Equipamento %d]\n", {Campo(&TValores_Pv::ordinal)}},
//       {"\t[%s]\n", {Campo(&TValores_Pv::nome)}},
//       {"\t[Quantidade = %d]\n", {Campo(&TValores_Pv::quantidade)}},
//       {"\t[Potencia = %f]\n", {Campo(&TValores_Pv::potencia)}},
//   };
//   Grava_Linhas(arq, kLinhasPv, valores);   // prints the four lines
//   Le_Linhas(arq, kLinhasPv, &valores);     // scans them back; false at the first short scan
//
// A row's fields are given in the order of its conversions, as many as it
// has. A row may instead repeat its one conversion over an array member, the
// count fixed by the table or taken from a field read before the row, with a
// separator printed between two elements:
//
//   {"%f,", {Vetor(&V::dados, 10)}}                                 // "%f," ten times
//   {"%f,", {Vetor_Contado(&V::dados, Elemento(&V::dados, 5), 3, 10)}}  // 3·n more, n = dados[5]
//   {"[%s]", {Separado(Vetor_Contado(&V::nomes, Elemento(&V::dados, 5)), ",")}}
//
// A count that is not a whole number, is negative, or needs more elements
// than the array holds fails the row before anything is printed or scanned.
// A row may also be conditional (Se(&V::flag): there only when that field is
// non-zero) and may give its own scan pattern when the file is read
// differently from how it is written (a count printed "%d" but read "%f").
//
// The scan pattern is derived from the printed form (engine/formato_printf.h):
// leading tabs become one blank, which skips any white space as the previous
// line's "\n" does, while a line printed at column 0 is scanned from its
// bracket; every real conversion is scanned as "%f" ("%lf" stays "%lf"), "%d"
// as "%d", and "%s" as "%N[^]]" with N one less than the field's buffer when
// a bracket closes it, or as one word, "%Ns", when none does. In a
// scan pattern a blank or "\n" matches any run of white space, which is why
// blank lines and indentation between lines do not matter to a reader.
//
// The scan is derived once, when the row is built, as a list of steps of one
// conversion each (with the text around it), so a row has no limit on its
// fields. A tested scan succeeds when every conversion of the row converts;
// what follows the last one (a closing bracket, the line end) is matched
// when present but not required. A text ends at its closing bracket or at
// the end of the file: a text that fills its buffer before either (a name
// too long) fails instead of being cut. Scanned values are stored into the
// field's type (a non-zero integer into a bool is true; a real into an int
// is truncated and clamped to the int range). A word ends at white space or
// the end of the file; one that fills its buffer before either fails too.
#ifndef ARQAUX_ENGINE_LINHAS_CONFIG_H_
#define ARQAUX_ENGINE_LINHAS_CONFIG_H_

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <type_traits>
#include <vector>

#include "engine/formato_printf.h"

namespace arqaux {

enum class TTipo_Campo : uint8_t { Nenhum, Inteiro, Real, Duplo, Logico, Texto };

// Where a value lives in a record's value struct: its type, its byte offset
// and its size (for text, the size of the buffer, terminator included).
struct TPosicao {
  TTipo_Campo tipo = TTipo_Campo::Nenhum;
  uint32_t deslocamento = 0;
  uint32_t tamanho = 0;
};

// How a row repeats over an array member.
struct TRepeticao {
  uint32_t passo = 0;       // bytes from one element to the next; 0: not repeated
  uint32_t capacidade = 0;  // elements from the first one to the end of the array
  int32_t fixa = 0;         // the count fixed by the table, when contagem is Nenhum
  TPosicao contagem;        // the field holding the count, read before this row
  int32_t fator = 1;        // elements per unit of that field's value
  const char* separador = "";
};

// One field of a row, untyped.
struct TCampo_Linha {
  TPosicao posicao;
  TRepeticao repeticao;
};

// A field of the value struct V.
template <class V>
struct TCampo {
  TCampo_Linha campo;
};

// A field of V whose non-zero value makes a conditional row present.
template <class V>
struct TCondicao {
  TPosicao posicao;
};

// One fscanf call of a row's scan: literal text, at most one conversion and
// the literal text after it up to the next conversion.
struct TPasso_Leitura {
  std::string padrao;
  TTipo_Peca tipo = TTipo_Peca::Literal;  // its conversion; Literal when none
  bool longo = false;
  bool fecho = false;    // a text whose closing bracket the format puts right after it
  bool palavra = false;  // a text no bracket closes: one word, ended by white space
  bool marca = false;    // ends in "%n": the text after the conversion must match whole
};

// A row, untyped: what the walkers below use.
struct TLinha_Bruta {
  const char* formato = "";  // as printed, tabs and "\n" included
  std::vector<TCampo_Linha> campos;
  const char* leitura = nullptr;  // scan pattern, when not derived from formato
  TPosicao condicao;              // Nenhum: the row is always there
  // Set once when the row is built: whether the print format and the scan
  // pattern match the fields, and the scan steps derived from the pattern,
  // for the first element and for each later one (after the separator).
  bool imprimivel = false;
  bool legivel = false;
  std::vector<TPasso_Leitura> passos[2];
};

// Sets the row's imprimivel, legivel and passos.
void Confere_Linha(TLinha_Bruta* linha);

// One row of a record kind whose values live in V.
template <class V>
struct TLinha : TLinha_Bruta {
  TLinha(const char* f, std::initializer_list<TCampo<V>> c, const char* l = nullptr,
         TCondicao<V> se = {}) {
    formato = f;
    for (const TCampo<V>& x : c) campos.push_back(x.campo);
    leitura = l;
    condicao = se.posicao;
    Confere_Linha(this);
  }
  TLinha(const char* f, const std::vector<TCampo<V>>& c) {
    formato = f;
    for (const TCampo<V>& x : c) campos.push_back(x.campo);
    Confere_Linha(this);
  }
};

// Byte offset of a member within V, measured on a default-built V.
template <class V, class M>
uint32_t Deslocamento(M V::*membro) {
  static const V modelo{};
  return static_cast<uint32_t>(reinterpret_cast<const char*>(&(modelo.*membro)) -
                               reinterpret_cast<const char*>(&modelo));
}

// The field type of a member type: int32_t, float, double, bool, or a char
// array (a text of that buffer size).
template <class T>
constexpr TTipo_Campo Tipo_De() {
  if (std::is_same<T, int32_t>::value) return TTipo_Campo::Inteiro;
  if (std::is_same<T, float>::value) return TTipo_Campo::Real;
  if (std::is_same<T, double>::value) return TTipo_Campo::Duplo;
  if (std::is_same<T, bool>::value) return TTipo_Campo::Logico;
  if (std::is_array<T>::value && std::is_same<std::remove_extent_t<T>, char>::value)
    return TTipo_Campo::Texto;
  return TTipo_Campo::Nenhum;
}

template <class V, class T>
TCampo<V> Campo(T V::*m) {
  static_assert(Tipo_De<T>() != TTipo_Campo::Nenhum,
                "a field is an int32_t, float, double, bool or char array");
  static_assert(!std::is_array<T>::value || sizeof(T) >= 2,
                "a text field needs room for one character and its terminator");
  return {{{Tipo_De<T>(), Deslocamento(m), static_cast<uint32_t>(sizeof(T))}, {}}};
}

// Element k of an array member (a char[][N] member gives texts of N bytes).
// An element past the array's end is no field: a row that uses it, or uses
// it as a count, is not usable and prints and reads nothing.
template <class V, class T, size_t N>
TCampo<V> Elemento(T (V::*m)[N], size_t k) {
  static_assert(Tipo_De<T>() != TTipo_Campo::Nenhum,
                "an array of int32_t, float, double, bool or char arrays");
  if (k >= N) return {};
  return {{{Tipo_De<T>(), static_cast<uint32_t>(Deslocamento(m) + k * sizeof(T)),
            static_cast<uint32_t>(sizeof(T))},
           {}}};
}

// The row repeats over the array m from element inicio, n times.
template <class V, class T, size_t N>
TCampo<V> Vetor(T (V::*m)[N], int32_t n, size_t inicio = 0) {
  TCampo<V> c = Elemento(m, inicio);
  c.campo.repeticao.passo = sizeof(T);
  c.campo.repeticao.capacidade = static_cast<uint32_t>(inicio < N ? N - inicio : 0);
  c.campo.repeticao.fixa = n;
  return c;
}

// The row repeats over the array m from element inicio, fator times the value
// of the field contagem (read before this row).
template <class V, class T, size_t N>
TCampo<V> Vetor_Contado(T (V::*m)[N], TCampo<V> contagem, int32_t fator = 1, size_t inicio = 0) {
  TCampo<V> c = Vetor(m, 0, inicio);
  c.campo.repeticao.contagem = contagem.campo.posicao;
  c.campo.repeticao.fator = fator;
  if (contagem.campo.posicao.tipo == TTipo_Campo::Nenhum)
    c.campo.posicao.tipo = TTipo_Campo::Nenhum;
  return c;
}

// A repeated field whose elements are printed with separador between them.
template <class V>
TCampo<V> Separado(TCampo<V> c, const char* separador) {
  c.campo.repeticao.separador = separador;
  return c;
}

template <class V, class T>
TCondicao<V> Se(T V::*m) {
  return {Campo(m).campo.posicao};
}

// The fields of every element of an array member, for a row that prints them
// all with conversions of its own ("%f,%f,%f").
template <class V, class T, size_t N>
std::vector<TCampo<V>> Elementos(T (V::*m)[N]) {
  std::vector<TCampo<V>> campos;
  for (size_t k = 0; k < N; ++k) campos.push_back(Elemento(m, k));
  return campos;
}

// What a block does at a value that does not match: stop there, or read
// every row anyway and report the failure at the end.
enum class TPolitica_Falha : uint8_t { Para_Na_Primeira, Le_Tudo };

// Prints the row with the values at valores (its repetitions included).
// Returns the bytes written, 0 for a conditional row that is absent, or -1
// when a print failed or the row is not usable: conversions that do not match
// the fields, or a count outside what the array holds (then nothing is
// printed).
int Grava_Linha(FILE* arq, const TLinha_Bruta& linha, const void* valores);
// The offsets in a value struct of the fields a scan stored, in the order it
// stored them; a text that filled its buffer before its end was not stored.
using TGuardados = std::vector<uint32_t>;

// Scans the row into valores; true when every conversion converted (and each
// text fitted its buffer). A row that is not usable reads nothing and is
// false. Under Le_Tudo a repeated row goes on past an element that fails.
// With guardados, the fields stored are added to it.
bool Le_Linha(FILE* arq, const TLinha_Bruta& linha, void* valores,
              TPolitica_Falha politica = TPolitica_Falha::Para_Na_Primeira,
              TGuardados* guardados = nullptr);

// A table of rows: an array of TLinha<V>.
template <class V>
struct TTabela {
  const TLinha<V>* linhas = nullptr;
  size_t n = 0;
  TTabela() = default;
  template <size_t N>
  TTabela(const TLinha<V> (&tabela)[N]) : linhas(tabela), n(N) {}  // NOLINT: implicit on purpose
  const TLinha<V>* begin() const { return linhas; }
  const TLinha<V>* end() const { return linhas + n; }
};

template <class V>
int Grava_Linha(FILE* arq, const TLinha<V>& linha, const V& valores) {
  return Grava_Linha(arq, static_cast<const TLinha_Bruta&>(linha), &valores);
}

// Prints every row of the table in order; false when any print failed.
template <class V>
bool Grava_Linhas(FILE* arq, TTabela<V> tabela, const V& valores) {
  bool ok = true;
  for (const TLinha<V>& linha : tabela) ok = Grava_Linha(arq, linha, valores) >= 0 && ok;
  return ok;
}
template <class V, size_t N>
bool Grava_Linhas(FILE* arq, const TLinha<V> (&tabela)[N], const V& valores) {
  return Grava_Linhas(arq, TTabela<V>(tabela), valores);
}

// Tested scan of one row.
template <class V>
bool Le_Linha(FILE* arq, const TLinha<V>& linha, V* valores,
              TPolitica_Falha politica = TPolitica_Falha::Para_Na_Primeira,
              TGuardados* guardados = nullptr) {
  return Le_Linha(arq, static_cast<const TLinha_Bruta&>(linha), valores, politica, guardados);
}

// Tested scans of every row of the table in order. Para_Na_Primeira: false
// at the first one that comes up short (the values scanned so far stay in
// *valores). Le_Tudo: every row is scanned, and the result is false when any
// came up short.
template <class V>
bool Le_Linhas(FILE* arq, TTabela<V> tabela, V* valores,
               TPolitica_Falha politica = TPolitica_Falha::Para_Na_Primeira,
               TGuardados* guardados = nullptr) {
  bool ok = true;
  for (const TLinha<V>& linha : tabela) {
    if (Le_Linha(arq, linha, valores, politica, guardados)) continue;
    if (politica == TPolitica_Falha::Para_Na_Primeira) return false;
    ok = false;
  }
  return ok;
}
template <class V, size_t N>
bool Le_Linhas(FILE* arq, const TLinha<V> (&tabela)[N], V* valores,
               TPolitica_Falha politica = TPolitica_Falha::Para_Na_Primeira,
               TGuardados* guardados = nullptr) {
  return Le_Linhas(arq, TTabela<V>(tabela), valores, politica, guardados);
}

}  // namespace arqaux

#endif  // ARQAUX_ENGINE_LINHAS_CONFIG_H_
