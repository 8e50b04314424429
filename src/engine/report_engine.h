// The sampled-stream report: the text form shared by every result stream the
// library converts. A report is a header (optional title, period lines,
// sampling interval, optional text, column labels and the clock labels) and
// one line per record: the value columns, the clock after the sample, and at
// the end of each hour of samples the hourly averages. A report supplies its
// description (the columns and the variants below) and the layout of its
// binary records; the loop lives here only.
//
// A year of one-minute samples is half a million lines, so the loop works in
// blocks: it reads 64 KiB of records with one fread, builds their lines in a
// buffer of its own, and writes that buffer with one fwrite. The two streams
// are selected once per block, never held across another selection, so the
// registry may close and reopen either between blocks.
#ifndef ARQAUX_ENGINE_REPORT_ENGINE_H_
#define ARQAUX_ENGINE_REPORT_ENGINE_H_

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "arqaux/contracts/utility.h"
#include "engine/report_format.h"

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

// Where a report finds its values in a binary record: the records are
// tamanho bytes each, and value i is the little-endian float at byte
// origens[i] of the record, or 0 where origens[i] is -1.
struct TRegistro_Binario {
  int tamanho = 0;  // 0: the records hold nothing, and give no lines
  std::vector<int> origens;
  // A last record cut short still gives a line when it holds at least this
  // many bytes (its missing bytes read as 0); 0: it never does. A record
  // that is a whole step of many surfaces, of which a report shows one,
  // sets the bytes up to the end of that surface.
  int parcial = 0;
};
// Records of n floats, value i being the i-th float; records that hold
// nothing when they are not present.
TRegistro_Binario Registro_Reais(int n, bool presente = true);

// The three texts of a column have types of their own, so that a label put
// where a format belongs, or a row format where the average's belongs, does
// not compile. Write them as "[Temp_I] "_rotulo, "%.2f\t"_linha, "%.2f"_media.
class TRotulo {
 public:
  constexpr explicit TRotulo(const char* texto) : texto(texto) {}
  const char* texto;  // written as it stands in the column head
};
class TFormato_Linha {
 public:
  constexpr explicit TFormato_Linha(const char* texto) : texto(texto) {}
  const char* texto;  // one floating conversion amid literal text
};
class TFormato_Media {
 public:
  constexpr TFormato_Media() = default;  // the column has no hourly average
  constexpr explicit TFormato_Media(const char* texto) : texto(texto) {}
  const char* texto = nullptr;
};
inline namespace literais {
constexpr TRotulo operator""_rotulo(const char* texto, size_t) { return TRotulo(texto); }
constexpr TFormato_Linha operator""_linha(const char* texto, size_t) {
  return TFormato_Linha(texto);
}
constexpr TFormato_Media operator""_media(const char* texto, size_t) {
  return TFormato_Media(texto);
}
}  // namespace literais

// One value column: the record's value at position valor times escala; the
// hourly average is the mean of those products. Each format holds exactly
// one floating conversion (%f with optional flags, width and precision).
struct TColuna {
  TRotulo rotulo;
  int valor;
  TFormato_Linha dado;
  TFormato_Media media;
  float escala = 1.0f;
};

// A report but for its reader.
struct TDescricao_Relatorio {
  TFormato_Periodo periodo = TFormato_Periodo::Horas_Cheias;
  TFormato_Relogio relogio = TFormato_Relogio::Tabulado;
  // The clock starts at the start's hour, month and day, and at its time
  // within the hour when this is set (else at second 0).
  bool relogio_com_segundos = false;
  std::string titulo;               // before the period lines
  const char* antes_rotulos = "";   // between the interval line and the labels
  const char* depois_rotulos = "";  // between the labels and the clock labels
  int num_valores = 0;              // values of one record, each summed per hour
  std::vector<TColuna> colunas;     // shown columns, in line order
};

// Writes the period line ("[Inicio: ..." and " - Fim: ...]\n").
void Escreve_Periodo(FILE* arq, TFormato_Periodo formato, const TTempo& inicio, const TTempo& fim);
// Writes "[Intervalo de Amostragem = %d s]\n".
void Escreve_Intervalo(FILE* arq, int intervalo);

// How a report reaches its streams through the registry.
struct TSeletor {
  template <class F>
  TSeletor(F seleciona) : seleciona(std::move(seleciona)) {}
  template <class F, class G>
  TSeletor(F seleciona, G registrado)
      : seleciona(std::move(seleciona)), registrado(std::move(registrado)) {}
  // Selects stream n; null when it does not select.
  std::function<FILE*(int n)> seleciona;
  // Whether n names a registered stream, without selecting it, so that a
  // converter given one good number and one bad one moves no stream; null
  // when every number may simply be tried.
  std::function<bool(int n)> registrado;
};

class TRelatorio_Amostrado {
 public:
  using Seletor = TSeletor;
  // Called on each line after its clock and average, before its "\n", with
  // the line's clock and values; a report with a second output writes there
  // (the text stream is selected again afterwards).
  using Fim_Linha = std::function<void(const TTempo& relogio, const float* valores)>;
  // Called after each average, once the sums are reset.
  using Fim_Hora = std::function<void()>;

  // A description with a column outside the record, or a format that is not
  // one floating conversion, makes a report that is not valid: it writes
  // nothing at all.
  TRelatorio_Amostrado(TDescricao_Relatorio descricao, Seletor seletor);
  bool Valido() const { return valido_; }
  const TDescricao_Relatorio& Descricao() const { return descricao_; }

  // Title, period and interval lines, text before the labels, the labels of
  // the columns and the clock labels.
  void Escreve_Cabecalho(FILE* arq, const TTempo& inicio, const TTempo& fim, int intervalo) const;
  // One line per whole record of binary stream binario, from its current
  // position, on text stream texto. The lines end at the end of the data (a
  // partial last record gives no line), when either stream no longer selects
  // at the start of a block, and when the binary stream is no longer where
  // the previous block left it (a stream reopened from its first byte would
  // repeat itself without end). A layout with a value outside its record,
  // or not one origin per value, writes nothing.
  void Escreve_Linhas(int binario, int texto, const TRegistro_Binario& registro,
                      const TTempo& inicio, int intervalo, const Fim_Linha& fim_linha = nullptr,
                      const Fim_Hora& fim_hora = nullptr) const;
  // Where the records of a stream that is not a binary one come from (the
  // text streams, scanned into records): it fills bloco with whole records,
  // at most capacidade bytes, and returns the bytes given; fewer than
  // capacidade ends the lines.
  using Fonte = std::function<size_t(unsigned char* bloco, size_t capacidade)>;
  // The same lines from records that fonte gives, laid out as registro.
  void Escreve_Linhas(const Fonte& fonte, int texto, const TRegistro_Binario& registro,
                      const TTempo& inicio, int intervalo, const Fim_Linha& fim_linha = nullptr,
                      const Fim_Hora& fim_hora = nullptr) const;
  // The lines of several reports over the same records, which fonte gives
  // once: relatorios[i] on text stream textos[i], as its own Escreve_Linhas
  // writes them. A report whose text stream no longer selects stops there;
  // the others go on.
  static void Escreve_Linhas(const std::vector<const TRelatorio_Amostrado*>& relatorios,
                             const std::vector<int>& textos, const Fonte& fonte,
                             const TRegistro_Binario& registro, const TTempo& inicio,
                             int intervalo);
  // A whole converter: the header on the text stream, then the lines. Writes
  // nothing at all unless both stream numbers select and both times are
  // given.
  void Converte(int binario, int texto, const TRegistro_Binario& registro, const TTempo* inicio,
                const TTempo* fim, int intervalo) const;

 private:
  // A column with its formats compiled.
  struct TColuna_Pronta {
    int valor;
    float escala;
    TFormato_Compilado dado;
    TFormato_Compilado media;  // not valid when the column has no average
  };
  // What the lines carry from record to record.
  struct TEstado_Linhas;
  // Whether the report writes lines from records laid out as registro.
  bool Aceita(const TRegistro_Binario& registro) const;
  // The state of the first line, from inicio, on text stream texto.
  TEstado_Linhas Estado(int texto, const TRegistro_Binario& registro, const TTempo& inicio,
                        int intervalo, const Fim_Linha& fim_linha, const Fim_Hora& fim_hora) const;
  // The parts of a line: its values, then its clock with the hour's
  // averages, or the hourly stamp.
  char* Escreve_Valores(TEstado_Linhas* e, const unsigned char* r, char* p) const;
  char* Escreve_Relogio(TEstado_Linhas* e, char* p) const;
  char* Escreve_Carimbo(TEstado_Linhas* e, char* p) const;
  // The lines of the records of one block, written on arq; false when the
  // text stream no longer selects.
  template <bool kCarimbo>
  bool Escreve_Registros(TEstado_Linhas* e, const unsigned char* bloco, size_t registros,
                         FILE* arq) const;
  bool Escreve_Bloco(TEstado_Linhas* e, const unsigned char* bloco, size_t registros,
                     FILE* arq) const;

  TDescricao_Relatorio descricao_;
  Seletor seletor_;
  std::vector<TColuna_Pronta> colunas_;
  size_t max_linha_ = 0;  // the most bytes one line can take
  bool valido_ = true;
};

}  // namespace arqaux

#endif  // ARQAUX_ENGINE_REPORT_ENGINE_H_
