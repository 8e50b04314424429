// Lines of the bracketed-key configuration text. Each record kind is one table
// of its lines that both the writer and the reader walk, so a key or a
// precision lives in one place:
//
//   struct TValores_Pv { int32_t ordinal; char nome[52]; int32_t quantidade; float potencia; };
//   const TLinha<TValores_Pv> LINHAS_PV[] = {
//       {"[Equipamento %d]\n", {Campo(&TValores_Pv::ordinal)}},
//       {"\t[%s]\n", {Campo(&TValores_Pv::nome)}},
//       {"\t[Quantidade = %d]\n", {Campo(&TValores_Pv::quantidade)}},
//       {"\t[Potencia = %f]\n", {Campo(&TValores_Pv::potencia)}},
//   };
//   Grava_Linhas(arq, LINHAS_PV, valores);   // prints the four lines
//   Le_Linhas(arq, LINHAS_PV, &valores);     // scans them back; false at the first short scan
//
// A line's fields are given in the order of its conversions (up to
// MAX_CAMPOS; a line may also have none and print as it is). The scan pattern
// is derived from the printed form: leading tabs become one blank, which
// skips any white space as the previous line's "\n" does, while a line
// printed at column 0 is scanned from its bracket; every real conversion is
// scanned as "%f" ("%lf" stays "%lf"), "%d" as "%d", and "%s" as "%N[^]]"
// with N one less than the field's buffer. A row may give its own scan
// pattern as a third member when the file is read differently from how it is
// written (a count printed "%d" but read "%f", for instance); that pattern
// goes through the same rewriting, so no text scan ever lacks its width. In a
// scan pattern a blank or "\n" matches any run of white space, which is why
// blank lines and indentation between lines do not matter to a reader.
//
// A tested scan (Le_Linha, Le_Linhas) succeeds when fscanf converts exactly
// the line's number of fields; what follows the last conversion (a closing
// bracket, the line end) is matched when present but not required. A text
// field must also end at its closing bracket: a name longer than its buffer
// stops "%51[^]]" short of it, and that read fails instead of being cut.
// Scanned values are stored into the field's type (a non-zero integer into a
// bool is true; a real into an int is truncated and clamped to the int range).
#ifndef ARQAUX_TEXT_LINHAS_CONFIG_H_
#define ARQAUX_TEXT_LINHAS_CONFIG_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace arqaux {

// Most values one line carries (the evaporative-cooler control line has 10).
constexpr int MAX_CAMPOS = 12;

enum class TTipo_Campo : uint8_t { Nenhum, Inteiro, Real, Duplo, Logico, Texto };

// Where a field lives in a record's value struct: its type, its byte offset
// and its size (for text, the size of the buffer, terminator included).
struct TPosicao {
  TTipo_Campo tipo = TTipo_Campo::Nenhum;
  uint32_t deslocamento = 0;
  uint32_t tamanho = 0;
};

// A field of the value struct V; made by Campo(&V::member).
template <class V>
struct TCampo {
  TPosicao posicao;
};

// One line of a record kind whose values live in V.
template <class V>
struct TLinha {
  const char* formato;                       // as printed, tabs and "\n" included
  std::array<TCampo<V>, MAX_CAMPOS> campos;  // one per conversion, in order
  const char* leitura = nullptr;             // scan pattern, when not derived from formato
};

// Byte offset of a member within V, measured on a default-built V.
template <class V, class M>
uint32_t Deslocamento(M V::*membro) {
  static const V modelo{};
  return static_cast<uint32_t>(reinterpret_cast<const char*>(&(modelo.*membro)) -
                               reinterpret_cast<const char*>(&modelo));
}

// The field of a member, its type taken from the member's: int32_t, float,
// double, bool, or a char array (a text of that buffer size).
template <class V>
TCampo<V> Campo(int32_t V::*m) {
  return {{TTipo_Campo::Inteiro, Deslocamento(m), sizeof(int32_t)}};
}
template <class V>
TCampo<V> Campo(float V::*m) {
  return {{TTipo_Campo::Real, Deslocamento(m), sizeof(float)}};
}
template <class V>
TCampo<V> Campo(double V::*m) {
  return {{TTipo_Campo::Duplo, Deslocamento(m), sizeof(double)}};
}
template <class V>
TCampo<V> Campo(bool V::*m) {
  return {{TTipo_Campo::Logico, Deslocamento(m), sizeof(bool)}};
}
template <class V, size_t N>
TCampo<V> Campo(char (V::*m)[N]) {
  static_assert(N >= 2, "a text field needs room for one character and its terminator");
  return {{TTipo_Campo::Texto, Deslocamento(m), static_cast<uint32_t>(N)}};
}

// Untyped walkers behind the table functions below; campos holds MAX_CAMPOS
// entries and valores is the record's value struct.
//
// Prints formato with the fields' values. Returns the bytes written, or -1
// when a print failed or the format's conversions do not match the fields
// (then nothing is printed).
int Grava_Linha(FILE* arq, const char* formato, const TPosicao* campos, const void* valores);
// Scans one line with the pattern derived from padrao. Returns what fscanf
// returned (conversions made, or EOF) and sets *completa when that is every
// field and each text met its closing bracket; a pattern that does not fit
// its fields reads nothing and returns 0.
int Le_Linha(FILE* arq, const char* padrao, const TPosicao* campos, void* valores, bool* completa);

// The untyped positions of a line's fields, for the walkers above.
template <class V>
std::array<TPosicao, MAX_CAMPOS> Posicoes(const TLinha<V>& linha) {
  std::array<TPosicao, MAX_CAMPOS> p;
  for (int i = 0; i < MAX_CAMPOS; ++i) p[i] = linha.campos[i].posicao;
  return p;
}

// The pattern a line's scan is derived from: its own, else its print format.
template <class V>
const char* Padrao_Leitura(const TLinha<V>& linha) {
  return linha.leitura != nullptr ? linha.leitura : linha.formato;
}

// Prints one line of the table; bytes written, or -1 on failure.
template <class V>
int Grava_Linha(FILE* arq, const TLinha<V>& linha, const V& valores) {
  return Grava_Linha(arq, linha.formato, Posicoes(linha).data(), &valores);
}

// Prints every line of the table in order; false when any print failed.
template <class V, size_t N>
bool Grava_Linhas(FILE* arq, const TLinha<V> (&linhas)[N], const V& valores) {
  bool ok = true;
  for (const TLinha<V>& linha : linhas) ok = Grava_Linha(arq, linha, valores) >= 0 && ok;
  return ok;
}

// Tested scan of one line: true when every field was converted (and each
// text fitted its buffer).
template <class V>
bool Le_Linha(FILE* arq, const TLinha<V>& linha, V* valores) {
  bool completa = false;
  Le_Linha(arq, Padrao_Leitura(linha), Posicoes(linha).data(), valores, &completa);
  return completa;
}

// Scan of one line whose result the format does not check (the control
// entries of the actuators); returns what fscanf returned.
template <class V>
int Le_Linha_Sem_Teste(FILE* arq, const TLinha<V>& linha, V* valores) {
  bool completa = false;
  return Le_Linha(arq, Padrao_Leitura(linha), Posicoes(linha).data(), valores, &completa);
}

// Tested scans of every line of the table in order; false at the first one
// that comes up short (the values scanned so far stay in *valores).
template <class V, size_t N>
bool Le_Linhas(FILE* arq, const TLinha<V> (&linhas)[N], V* valores) {
  for (const TLinha<V>& linha : linhas) {
    if (!Le_Linha(arq, linha, valores)) return false;
  }
  return true;
}

}  // namespace arqaux

#endif  // ARQAUX_TEXT_LINHAS_CONFIG_H_
