// The host's utility library as the file manager sees it: the simulation
// clock and its texts, schedules, rain intervals and working directories.
#ifndef ARQAUX_CONTRACTS_UTILITY_H_
#define ARQAUX_CONTRACTS_UTILITY_H_

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "arqaux/contracts/exporta.h"

// The simulation clock: a plain 40-byte record stored raw inside persisted
// records. The first four fields are read and set by the file manager.
struct TTempo {
  int32_t Hora = 0;   // 0 to 23
  int32_t Tempo = 0;  // seconds within the hour, 0 to 3599
  int32_t Mes = 1;    // 1 to 12
  int32_t Dia = 1;    // day of the month
  int32_t Reservado[6] = {};
};
static_assert(sizeof(TTempo) == 40, "TTempo is stored as 40 raw bytes");

// Advances and formats clocks on a 365-day year.
class ARQAUX_CONTRATOS_API TGeren_Tempo {
 public:
  // Adds seconds (ignored when not positive), carrying into hours, days and
  // months; December 31 runs into January 1. A field out of range is first
  // brought to its nearest valid value (a day past the month's end to its
  // last day), so that no clock, however filled, overflows as it advances.
  void Avanca_X_Segundos(int segundos, TTempo* tempo);
  void Avanca_UmaHora(TTempo* tempo);
  // "HH:MM:SS" into a buffer of at least 12 characters.
  void R_Hora_Formatada(char* texto, TTempo* tempo);
  // "DD/MM" into a buffer of at least 8 characters.
  void R_Data_Formatada(char* texto, TTempo* tempo);
  // Portuguese name of month 1 to 12 (Windows-1252); empty for other numbers.
  void Nome_Mes(int mes, std::string& nome);
  static int Dias_No_Mes(int mes);
};

// One schedule period from (period p0, hour h0, second s0) to (p1, h1, s1).
class ARQAUX_CONTRATOS_API TIntervalo {
 public:
  TIntervalo(int p0, int p1, int h0, int h1, int s0, int s1);
  // k is 0 for the start and 1 for the end.
  int R_Periodo(int k) const;
  int R_Hora(int k) const;
  int R_Minuto(int k) const;
  int R_Segundo(int k) const;

 private:
  int periodo_[2];
  int hora_[2];
  int segundo_[2];
};

// A schedule: periods addressed from 1. It owns the periods it is given.
class ARQAUX_CONTRATOS_API TIntervalos {
 public:
  TIntervalos() = default;
  void Adiciona_Intervalo(TIntervalo* intervalo);
  int Numero_Intervalos() const;
  // Period i (1 to the count); null outside that range.
  TIntervalo* operator[](int i) const;
  void Limpa_Intervalos();

 private:
  std::vector<std::unique_ptr<TIntervalo>> intervalos_;
};

// One rain event: date, start and end time of day, intensity class.
class ARQAUX_CONTRATOS_API TInterv_Chuva {
 public:
  TInterv_Chuva() = default;
  int Dia = 0;
  int Mes = 0;
  int Hora_Ini = 0;
  int Tempo_Ini = 0;  // seconds within the start hour
  int Hora_Fim = 0;
  int Tempo_Fim = 0;  // seconds within the end hour
  char Intensidade = '1';
};

// The process's working directory.
class ARQAUX_CONTRATOS_API TGeren_Dir {
 public:
  TGeren_Dir();
  // Makes dir current. Backslashes count as separators and doubled
  // separators are taken as one, so Windows-style project paths work.
  bool Muda_Custom_Dir(std::string dir);
  // Makes the models directory current (see A_Dir_Modelos).
  bool Muda_Dir_Modelos();
  // The models directory: set by the host, else $ARQAUX_MODELOS, else
  // "Modelos" in the directory that was current when the library was loaded.
  void A_Dir_Modelos(const std::string& dir);
  const std::string& R_Dir_Modelos() const;

 private:
  std::string dir_modelos_;
};

ARQAUX_CONTRATOS_API TGeren_Tempo* DLL_UTIL_Geren_Tempo();
ARQAUX_CONTRATOS_API TGeren_Dir* DLL_UTIL_Geren_Dir();

#endif  // ARQAUX_CONTRACTS_UTILITY_H_
