// Records of the tab-separated result streams. Each sampling step is one line
// of values, each written "%f\t", ending in "\n"; a line holds as many
// values as the stream's monitoring flags give, so the reader is told how
// many. Values are scanned with the exact scanner (engine/leitor_real.h),
// which reads what fscanf's "%f" reads, and are separated, as a scan's "\t"
// separates them, by any white space, "\n" included: a line ends at the
// first "\n" after its last value.
//
// A line is read whole or not at all: it must hold its n values, then only
// blanks up to its "\n". A line that the end of the stream cuts anywhere,
// even just before its "\n", is not a line, so a report never shows a row
// that was not wholly written. A value that does not scan, or text other
// than blanks between the last value and the "\n" (one value too many),
// ends the data there, so that a stream damaged or read with the wrong
// flags ends its report instead of shifting every later value: a scan
// would stop on it and return the same line for ever.
#ifndef ARQAUX_ENGINE_TEXT_RECORDS_H_
#define ARQAUX_ENGINE_TEXT_RECORDS_H_

#include <cstddef>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "engine/report_engine.h"

namespace arqaux {

// The longest line read, "\n" included, past which the data ends: far
// beyond any line of floats the streams hold, and a bound on what bad input
// can allocate.
constexpr size_t kMax_Linha_Texto = 1 << 20;

// What scanning one line from the text read so far found.
enum class TLinha_Texto {
  Completa,    // its values and the "\n" that ends it
  Incompleta,  // the text ended first: more text may complete it
  Invalida,    // a value that does not scan, or other text before the "\n"
};

// Scans the line that starts at p, of which [p, fim) has been read: up to n
// values into valores, how many in *lidos (a value that touches fim may go
// on, so it is not counted), and when the line is complete, one past its
// "\n" in *proxima. When convertidos is given (n flags), a value whose flag
// is clear is passed over where Pula_Real (engine/leitor_real.h) can tell
// the scan's end without converting, and its place in valores is left as it
// was; any other value is scanned, so the line's outcome is the same.
TLinha_Texto Le_Linha_Reais(const char* p, const char* fim, float* valores, int n, int* lidos,
                            const char** proxima, const bool* convertidos = nullptr);

// Reads one line of stream arq, taking characters up to the "\n" that ends
// it and no further, and scans it as above; false unless the line is whole.
bool Le_Linha_Reais(FILE* arq, float* valores, int n, int* lidos);

// The layout of the records TLinhas_Texto gives, for a report whose value r
// is result r of num_resultados: the line holds results indices[0],
// indices[1], ... in order; a result it does not hold reads as 0. Records
// that hold nothing, and give no rows, when the stream is not monitored.
TRegistro_Binario Registro_Linha(const std::vector<int>& indices, int num_resultados,
                                 bool monitorado);

// The lines of a text stream as records of max(n, 1) floats in line order (a
// line of no values gives a record holding 0), for the report engine's
// Fonte. The stream is selected before each block of text, and read from
// where the previous block ended; a stream that selects no more, or was
// moved, ends the data. Given the line positions a report shows
// (mostrados), the values elsewhere are passed over as Le_Linha_Reais
// allows, and their places in the records hold no meaning.
class TLinhas_Texto {
 public:
  TLinhas_Texto(std::function<FILE*(int)> seleciona, int stream, int n,
                const std::vector<int>& mostrados = {});
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
  std::vector<char> texto_;  // text read and not yet scanned, from inicio_ to tamanho_
  size_t inicio_ = 0;
  size_t tamanho_ = 0;
  std::vector<float> valores_;
  std::unique_ptr<bool[]> convertidos_;  // null: every value is converted
};

// The rows of relatorio over the lines of text stream dados, n values each
// (laid out for the report as registro), on text stream texto, both reached
// through seletor.
void Escreve_Linhas_Texto(const TRelatorio_Amostrado& relatorio, const TSeletor& seletor, int dados,
                          int n, int texto, const TRegistro_Binario& registro, const TTempo& inicio,
                          int intervalo);
// The same for several reports over the same lines, read once: relatorios[i]
// on text stream textos[i].
void Escreve_Linhas_Texto(const std::vector<const TRelatorio_Amostrado*>& relatorios,
                          const TSeletor& seletor, int dados, int n, const std::vector<int>& textos,
                          const TRegistro_Binario& registro, const TTempo& inicio, int intervalo);

}  // namespace arqaux

#endif  // ARQAUX_ENGINE_TEXT_RECORDS_H_
