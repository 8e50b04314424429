// Glazing diagnostics: one line per call on the current stream, values in
// the argument order, tab-separated and printed with six decimals. The
// clock line begins with the month, the day and the time of day, then the
// value x1, its rate per hour over x2 seconds and two values with one
// decimal:
//
//   1     15      10:00:00\t2.000000\t4.000000\t20.5\t21.0
#include "arqaux/contracts/utility.h"
#include "arqaux/geren_arquivoaux.h"
#include "diagnostics/impressao.h"

using arqaux::Imprime;

int TGeren_ArquivoAux::ENCIT_2008(TTempo* tempo, float x1, float x2, float x3, float x4) {
  if (tempo == nullptr || Arquivo_Atual == nullptr) return -1;
  // R_Hora_Formatada writes into 12 characters.
  char hora[12] = {};
  DLL_UTIL_Geren_Tempo()->R_Hora_Formatada(hora, tempo);
  hora[sizeof(hora) - 1] = '\0';
  const int r = Imprime(Arquivo_Atual, "%d     %d      %s\t", tempo->Mes, tempo->Dia, hora);
  if (r < 0) return r;
  const float por_hora = x1 * 3600.0f / x2;
  return Imprime(Arquivo_Atual, "%f\t%f\t%.1f\t%.1f\n", x1, por_hora, x3, x4);
}

int TGeren_ArquivoAux::Salva_Transmissividade(float transmissividade) {
  return Imprime(Arquivo_Atual, "%f\n", transmissividade);
}

int TGeren_ArquivoAux::Salva_SHGC(float shgc) { return Imprime(Arquivo_Atual, "%f\n", shgc); }

int TGeren_ArquivoAux::Salva_Temp_Vidro(float t1, float t2, float t3, float t4) {
  return Imprime(Arquivo_Atual, "%f\t%f\t%f\t%f\n", t1, t2, t3, t4);
}

int TGeren_ArquivoAux::Salva_Fluxo(float fluxo1, float fluxo2) {
  return Imprime(Arquivo_Atual, "%f\t%f\n", fluxo1, fluxo2);
}

int TGeren_ArquivoAux::Salva_Trans_e_Teta(float transmissividade, float teta) {
  return Imprime(Arquivo_Atual, "%f\t%f\n", transmissividade, teta);
}

int TGeren_ArquivoAux::Salva_Dir(float d1, float d2, float d3, float d4) {
  return Imprime(Arquivo_Atual, "%f\t%f\t%f\t%f\n", d1, d2, d3, d4);
}

int TGeren_ArquivoAux::Salva_Dif(float d1, float d2, float d3, float d4, float d5) {
  return Imprime(Arquivo_Atual, "%f\t%f\t%f\t%f\t%f\n", d1, d2, d3, d4, d5);
}
