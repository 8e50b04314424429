// The sampled-stream report: the text form shared by every result stream the
// library converts. A report is a header (optional title, period lines,
// sampling interval, optional text, column labels and the clock labels) and
// one line per record: the value columns, the clock after the sample, and at
// the end of each hour of samples the hourly averages. A report supplies its
// description (the columns and the variants below) and its reader; the loop
// lives here only.
#ifndef ARQAUX_STREAMS_REPORT_ENGINE_H_
#define ARQAUX_STREAMS_REPORT_ENGINE_H_

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "arqaux/contracts/utility.h"
#include "streams/report_format.h"

namespace arqaux {

// The clock labels that close every column head (Windows-1252 text).
extern const char kCauda_Cabecalho[];

// How the period line gives its hours.
enum class TFormato_Periodo {
  Horas_Cheias,  // "[Inicio: 1/1 as 0:00:00 - Fim: 31/12 as 23:59:59 h]"
  Horas,         // "[Inicio: 1/1 as 0 h - Fim: 31/12 as 23 h]"
};

// What follows the value columns of each line.
enum class TFormato_Relogio {
  Tabulado,  // "\t  %d     %d      %s": month, day, "HH:MM:SS" after the sample
  Espacado,  // "  %d      %d    %s": the same without the leading tab
  // "\t   %d     %d     %d" (month, day, hour) on the first line and on each
  // line that starts another whole hour of samples; no averages.
  Carimbo_Horario,
};

// One value column. The value is the record's value at position valor times
// escala; the hourly average is the mean of those products. Each format holds
// exactly one floating conversion (%f with optional flags, width and
// precision) amid literal text; any other format prints nothing.
struct TColuna {
  const char* rotulo;         // column head text; "" when the column has none
  int valor;                  // position of the value in the record
  const char* formato;        // data format: one floating conversion
  const char* formato_media;  // format of the hourly average; null: none
  float escala = 1.0f;
};

// A report but for its reader.
struct TDescricao_Relatorio {
  TFormato_Periodo periodo = TFormato_Periodo::Horas_Cheias;
  TFormato_Relogio relogio = TFormato_Relogio::Tabulado;
  // The clock starts at the start's hour, month and day, and at its time
  // within the hour when this is set (else at second 0).
  bool relogio_com_segundos = false;
  const char* titulo = "";          // before the period lines
  const char* antes_rotulos = "";   // between the interval line and the labels
  const char* depois_rotulos = "";  // between the labels and the clock labels
  int num_valores = 0;              // values of one record, each summed per hour
  std::vector<TColuna> colunas;     // shown columns, in line order
};

// Writes the period line ("[Inicio: ..." and " - Fim: ...]\n").
void Escreve_Periodo(FILE* arq, TFormato_Periodo formato, const TTempo& inicio, const TTempo& fim);
// Writes "[Intervalo de Amostragem = %d s]\n".
void Escreve_Intervalo(FILE* arq, int intervalo);

class TRelatorio_Amostrado {
 public:
  // Selects stream n through the registry; null when it does not select.
  using Seletor = std::function<FILE*(int n)>;
  // Reads the next record into the values (num_valores of them); false at
  // the end of the data.
  using Leitor = std::function<bool(float* valores)>;
  // Called on each line after its clock and average, before its "\n", with
  // the line's clock and values; a report with a second output writes there
  // (the text stream is selected again afterwards).
  using Fim_Linha = std::function<void(const TTempo& relogio, const float* valores)>;
  // Called after each average, once the sums are reset.
  using Fim_Hora = std::function<void()>;

  TRelatorio_Amostrado(const TDescricao_Relatorio& descricao, Seletor seletor);

  // Title, period and interval lines, text before the labels, the labels of
  // the columns and the clock labels.
  void Escreve_Cabecalho(FILE* arq, const TTempo& inicio, const TTempo& fim, int intervalo) const;
  // One line per record that leitor delivers, selecting text stream texto
  // for each; stops at the first failed read or when texto no longer selects.
  void Escreve_Linhas(int texto, const Leitor& leitor, const TTempo& inicio, int intervalo,
                      const Fim_Linha& fim_linha = nullptr, const Fim_Hora& fim_hora = nullptr);
  // A whole converter: writes nothing at all unless both stream numbers
  // select and both times are given; else the header on the text stream and,
  // when the records hold data (tem_dados), the lines. A reader over records
  // that hold nothing succeeds without reading, so it would never end. The
  // lines also end at a record that leaves the binary stream no further on
  // than the one before (the stream was reopened from its first byte).
  void Converte(int binario, int texto, bool tem_dados, const Leitor& leitor, const TTempo* inicio,
                const TTempo* fim, int intervalo);

 private:
  // A column with its formats compiled.
  struct TColuna_Pronta {
    int valor;
    float escala;
    TFormato_Compilado dado;
    TFormato_Compilado media;  // not valid when the column has no average
  };

  TDescricao_Relatorio descricao_;
  Seletor seletor_;
  std::vector<TColuna_Pronta> colunas_;
  TFormato_Compilado relogio_;
};

}  // namespace arqaux

#endif  // ARQAUX_STREAMS_REPORT_ENGINE_H_
