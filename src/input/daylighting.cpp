// Daylighting schedule: the hourly schedule that the external daylighting
// simulation writes for a zone, five header lines and then one line per hour
// of the year (line h for hour h):
//
//   # thermal simulation input file (zona1.htm)
//   # DAYSIM header file: C:\proj\zona1.hea
//   # User type: active
//    # total number of occupied hours: 2920
//   # month, day, hour, occ (0=absent; 1=present), blinds (0=up; 1=down), lights (W/area)
//   1,1,0.500,0.000,0.000,      0.000
//
// A data line is month, day, hour, occupancy (0 absent, 1 present), blinds
// (0 up, 1 down) and the lighting power density, the only value kept.
//
// Each header line is a scan pattern, in which a blank or "\n" matches any
// run of white space, none included: the blanks of a literal need not be
// single, and the blank that ends the literals of lines 2 and 3 passes over
// white space up to their text. Of the texts in the header nothing is kept:
// the name in parentheses (1 to 299 characters) and the number of occupied
// hours must be there; the header file name and the user type are the rest of
// their lines, at most 299 characters. A line matches only when its whole
// literal does, so a longer text, a missing parenthesis or a different word
// fails the header rather than leaving the stream inside a line. (An empty
// header file name or user type lets the blank run on into the next line,
// which is then taken as the text; the header fails a line later.)
//
// Both operations read the current stream where it stands, which must be the
// schedule's start: neither seeks. The window is the lines of hours inicio to
// inicio + quantidade - 1, cut at the year's last hour; it does not wrap
// around as the climate window does, and the records past the cut are not
// written. A data line must convert all six values, the lines passed over as
// well; at the first that does not, or at the end of the file, the reading
// fails and the records stored before keep their values.
#include <cstdint>
#include <cstdio>

#include "arqaux/formatos.h"
#include "arqaux/geren_arquivoaux.h"
#include "arqaux/records.h"

namespace {

// Longest text of a header line, plus its terminating NUL.
constexpr int kTamTexto = 300;

// A header line: its pattern, which ends in "%n" so that a whole match shows
// as a position, and whether the rest of the line is the line's text.
struct TLinha_Cabecalho {
  const char* padrao;
  bool resto;
};
const TLinha_Cabecalho kCabecalho[] = {
    {"# thermal simulation input file (%*299[^)])\n%n", false},
    {"# DAYSIM header file: %n", true},
    {"# User type: %n", true},
    {" # total number of occupied hours: %*d \n%n", false},
    {"# month, day, hour, occ (0=absent; 1=present), blinds (0=up; 1=down), lights (W/area) \n%n",
     false},
};

constexpr char kLinhaHora[] = "%d,%d,%f,%f,%f,      %f\n";
constexpr int kValoresHora = 6;

// Passes over the rest of the line, which holds at most kTamTexto - 1
// characters; false when it holds more.
bool Passa_Resto_Linha(FILE* arq) {
  for (int n = 0;; ++n) {
    const int c = std::getc(arq);
    if (c == '\n' || c == EOF) return true;
    if (n == kTamTexto - 1) return false;
  }
}

bool Casa_Linha(FILE* arq, const TLinha_Cabecalho& linha) {
  int fim = -1;
  std::fscanf(arq, linha.padrao, &fim);
  return fim >= 0 && (!linha.resto || Passa_Resto_Linha(arq));
}

// Reads one hour's line; its lighting power density into *dpi.
bool Le_Hora(FILE* arq, float* dpi) {
  int mes = 0;
  int dia = 0;
  float hora = 0;
  float ocupacao = 0;
  float persianas = 0;
  return std::fscanf(arq, kLinhaHora, &mes, &dia, &hora, &ocupacao, &persianas, dpi) ==
         kValoresHora;
}

}  // namespace

bool TGeren_ArquivoAux::Carrega_Cabecalho_DAYSIM() {
  if (Arquivo_Atual == nullptr) return false;
  for (const TLinha_Cabecalho& linha : kCabecalho) {
    if (!Casa_Linha(Arquivo_Atual, linha)) return false;
  }
  return true;
}

bool TGeren_ArquivoAux::Bufferiza_Iluminacao_DAYSIM(TReg_DPI_DAYSIM* registros, int inicio,
                                                    int quantidade) {
  if (registros == nullptr || inicio < 0 || quantidade < 0 || inicio > ARQAUX_HORAS_ANO) {
    return false;
  }
  const int64_t excesso = int64_t{inicio} + quantidade - ARQAUX_HORAS_ANO;
  if (excesso > 0) quantidade -= static_cast<int>(excesso);
  if (!Carrega_Cabecalho_DAYSIM()) return false;
  float dpi = 0;
  for (int h = 0; h < inicio; ++h) {
    if (!Le_Hora(Arquivo_Atual, &dpi)) return false;
  }
  for (int i = 0; i < quantidade; ++i) {
    if (!Le_Hora(Arquivo_Atual, &dpi)) return false;
    registros[i].DPI = dpi;
  }
  return true;
}
