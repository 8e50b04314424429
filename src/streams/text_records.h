// Records of the tab-separated result streams. Each sampling step is one line
// of values, each written "%f\t", ending in "\n"; a line holds as many
// values as the stream's monitoring flags give, so the reader is told how
// many. Values are scanned with the exact scanner (text/leitor_real.h),
// which reads what fscanf's "%f" reads.
//
// A line is read whole or not at all: it must hold its n values, then only
// white space up to its "\n". A line cut at the end of the stream (no "\n"
// after its values), a value that does not scan, or more values than n end
// the data there, so that a stream damaged or read with the wrong flags
// ends its report instead of shifting every later value.
#ifndef ARQAUX_STREAMS_TEXT_RECORDS_H_
#define ARQAUX_STREAMS_TEXT_RECORDS_H_

#include <cstddef>
#include <cstdio>
#include <functional>
#include <vector>

namespace arqaux {

// The longest line read, past which the data ends: far beyond any line of
// floats the streams hold, and a bound on what bad input can allocate.
constexpr size_t kMax_Linha_Texto = 1 << 20;

// Scans the line that starts at p ([p, fim) holds the text; the line ends at
// the first "\n"): up to n values into valores, their count in *lidos.
// Returns one past the line's "\n" when the line is whole, else null.
const char* Le_Linha_Reais(const char* p, const char* fim, float* valores, int n, int* lidos);

// Reads one line of stream arq (at most kMax_Linha_Texto bytes) and scans
// it as Le_Linha_Reais does; false unless the line is whole.
bool Le_Linha_Reais(FILE* arq, float* valores, int n, int* lidos);

// The lines of a text stream as records of max(n, 1) floats (a line of no
// values gives a record holding 0), for the report engine's Fonte. The
// stream is selected before each block of text, and read from where the
// previous block ended; a stream that selects no more, or was moved, ends
// the data.
class TLinhas_Texto {
 public:
  TLinhas_Texto(std::function<FILE*(int)> seleciona, int stream, int n);
  // Fills bloco with whole records, at most capacidade bytes; fewer at the
  // end of the data.
  size_t Preenche(unsigned char* bloco, size_t capacidade);

 private:
  // Appends another block of the stream's text; false when nothing came.
  bool Le_Mais();

  std::function<FILE*(int)> seleciona_;
  int stream_;
  int n_;
  long posicao_ = -1;
  bool fim_ = false;         // the stream's text has all been read
  bool terminado_ = false;   // no more records
  std::vector<char> texto_;  // text read and not yet scanned, from inicio_
  size_t inicio_ = 0;
  std::vector<float> valores_;
};

}  // namespace arqaux

#endif  // ARQAUX_STREAMS_TEXT_RECORDS_H_
