// The check's second reading of a catalogue file, strict where the library's
// loaders are lenient. The loaders scan with fscanf: a "\n" in a pattern
// matches any white space or none, a scan that meets the end of the file
// keeps what it had, and a count line that does not read gives 0 records.
// So a file cut in the middle of a line, or a record without its last
// value, may load without a word. This reading takes the file line by line
// and calls it whole only when every line the layout asks for is there,
// whole and ended by its line end, and nothing but white space follows.
//
// Each kind describes its layout as the lines it expects, in a small
// pattern language close to the scan patterns of the loaders:
//   %d    a whole number in the int range, not followed by a point or an
//         exponent (its value can be kept);
//   %f    a number as strtod reads it;
//   %s    a word: one or more characters other than blanks;
//   %[^X] one or more characters other than those listed up to the next "]"
//         ("%[^]]" takes the text up to a closing bracket);
//   a blank or a tab: any run of blanks and tabs, or none;
//   anything else: itself.
// Leading and trailing blanks of a line and blank lines between lines do not
// matter (the loaders skip them too); a "\r" before a line end is part of
// the line end.
//
// Memory: one line at a time, at most kMaior_Linha bytes; a longer line is
// no line of any kind.
#ifndef ARQAUX_TOOL_CATALOGOS_LEITURA_H_
#define ARQAUX_TOOL_CATALOGOS_LEITURA_H_

#include <cstdio>
#include <initializer_list>
#include <string>

class TLeitura_Estrita {
 public:
  static constexpr size_t kMaior_Linha = 64 * 1024;

  // Reads the open stream arq from its position; does not close it.
  explicit TLeitura_Estrita(FILE* arq) : arq_(arq), pos_(arq != nullptr ? std::ftell(arq) : 0) {}

  // Takes the next line that is not blank and matches it against padrao,
  // storing the values of its %d conversions in inteiros, in order (a null
  // pointer skips one). False when there is no such line, when it has no
  // line end (sem_fim lets the last line of the file go without one) or
  // when it does not match.
  bool Linha(const char* padrao, std::initializer_list<int*> inteiros = {}, bool sem_fim = false);
  // Takes the next line that is not blank, without matching it; then Casa
  // tries patterns on it. False as Linha.
  bool Proxima(bool sem_fim = false);
  bool Casa(const char* padrao, std::initializer_list<int*> inteiros = {}) const;
  // Whether nothing but white space is left.
  bool Fim();

  // Where the reading stopped: the offset of the last line taken (or found
  // by Fim), or of the end of the file when a line was missing.
  long Parada() const { return inicio_; }

 private:
  // Reads the next line that is not blank into seguinte_, unless it is
  // there already: false at the end of the file.
  bool Le_Seguinte();

  FILE* arq_;
  long pos_;  // bytes taken from the stream
  long inicio_ = 0;
  std::string atual_;  // the line taken, without its line end

  // The line read ahead: its text (up to kMaior_Linha bytes), offset,
  // whether it had its line end and whether it was longer than kept.
  bool ha_seguinte_ = false;
  std::string seguinte_;
  long inicio_seguinte_ = 0;
  bool fim_seguinte_ = false;
  bool longa_seguinte_ = false;
};

#endif  // ARQAUX_TOOL_CATALOGOS_LEITURA_H_
