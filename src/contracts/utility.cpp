// Stand-in of the utility library: the clock, schedules and directories,
// holding plain data.
#include "arqaux/contracts/utility.h"

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kSegundosPorHora = 3600;

// Month names in Windows-1252 (the one accented letter is "\xE7").
const char* const kNomesMeses[12] = {"Janeiro",  "Fevereiro", "Mar\xE7o", "Abril",
                                     "Maio",     "Junho",     "Julho",    "Agosto",
                                     "Setembro", "Outubro",   "Novembro", "Dezembro"};

std::string Diretorio_Inicial_Modelos() {
  const char* ambiente = std::getenv("ARQAUX_MODELOS");
  if (ambiente != nullptr && *ambiente != '\0') return ambiente;
  char atual[4096];
  if (getcwd(atual, sizeof(atual)) == nullptr) return "Modelos";
  return std::string(atual) + "/Modelos";
}

int32_t Limita(int32_t v, int32_t minimo, int32_t maximo) {
  return v < minimo ? minimo : v > maximo ? maximo : v;
}

}  // namespace

int TGeren_Tempo::Dias_No_Mes(int mes) {
  static const int dias[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return mes >= 1 && mes <= 12 ? dias[mes - 1] : 31;
}

void TGeren_Tempo::Avanca_X_Segundos(int segundos, TTempo* tempo) {
  if (tempo == nullptr || segundos <= 0) return;
  // A clock in range whose hour does not end only moves its seconds: the
  // step of nearly every sample of a report.
  if (tempo->Tempo >= 0 && segundos < kSegundosPorHora - tempo->Tempo && tempo->Hora >= 0 &&
      tempo->Hora <= 23 && tempo->Mes >= 1 && tempo->Mes <= 12 && tempo->Dia >= 1 &&
      tempo->Dia <= Dias_No_Mes(tempo->Mes)) {
    tempo->Tempo += segundos;
    return;
  }
  tempo->Hora = Limita(tempo->Hora, 0, 23);
  tempo->Tempo = Limita(tempo->Tempo, 0, kSegundosPorHora - 1);
  tempo->Mes = Limita(tempo->Mes, 1, 12);
  tempo->Dia = Limita(tempo->Dia, 1, Dias_No_Mes(tempo->Mes));
  long long total = static_cast<long long>(tempo->Tempo) + segundos;
  long long horas = total / kSegundosPorHora;
  tempo->Tempo = static_cast<int32_t>(total % kSegundosPorHora);
  long long hora = tempo->Hora + horas;
  long long dias = hora / 24;
  tempo->Hora = static_cast<int32_t>(hora % 24);
  dias %= 365;  // a whole year brings the date back to itself
  for (; dias > 0; --dias) {
    if (++tempo->Dia > Dias_No_Mes(tempo->Mes)) {
      tempo->Dia = 1;
      tempo->Mes = tempo->Mes >= 12 ? 1 : tempo->Mes + 1;
    }
  }
}

void TGeren_Tempo::Avanca_UmaHora(TTempo* tempo) { Avanca_X_Segundos(kSegundosPorHora, tempo); }

// The texts are formatted in a scratch buffer and cut to the caller's size,
// so a clock holding values out of range cannot overrun it.
void TGeren_Tempo::R_Hora_Formatada(char* texto, TTempo* tempo) {
  char buf[48];
  std::snprintf(buf, sizeof(buf), "%02d:%02d:%02d", tempo->Hora, tempo->Tempo / 60,
                tempo->Tempo % 60);
  std::snprintf(texto, 12, "%.11s", buf);
}

void TGeren_Tempo::R_Data_Formatada(char* texto, TTempo* tempo) {
  char buf[32];
  std::snprintf(buf, sizeof(buf), "%02d/%02d", tempo->Dia, tempo->Mes);
  std::snprintf(texto, 8, "%.7s", buf);
}

void TGeren_Tempo::Nome_Mes(int mes, std::string& nome) {
  nome = mes >= 1 && mes <= 12 ? kNomesMeses[mes - 1] : "";
}

TIntervalo::TIntervalo(int p0, int p1, int h0, int h1, int s0, int s1)
    : periodo_{p0, p1}, hora_{h0, h1}, segundo_{s0, s1} {}

int TIntervalo::R_Periodo(int k) const { return periodo_[k != 0]; }
int TIntervalo::R_Hora(int k) const { return hora_[k != 0]; }
int TIntervalo::R_Minuto(int k) const { return segundo_[k != 0] / 60; }
int TIntervalo::R_Segundo(int k) const { return segundo_[k != 0]; }

void TIntervalos::Adiciona_Intervalo(TIntervalo* intervalo) {
  if (intervalo != nullptr) intervalos_.emplace_back(intervalo);
}

int TIntervalos::Numero_Intervalos() const { return static_cast<int>(intervalos_.size()); }

TIntervalo* TIntervalos::operator[](int i) const {
  if (i < 1 || i > Numero_Intervalos()) return nullptr;
  return intervalos_[i - 1].get();
}

void TIntervalos::Limpa_Intervalos() { intervalos_.clear(); }

TGeren_Dir::TGeren_Dir() : dir_modelos_(Diretorio_Inicial_Modelos()) {}

bool TGeren_Dir::Muda_Custom_Dir(std::string dir) {
  std::string caminho;
  caminho.reserve(dir.size());
  for (char c : dir) {
    if (c == '\\') c = '/';
    if (c == '/' && !caminho.empty() && caminho.back() == '/') continue;
    caminho.push_back(c);
  }
  return !caminho.empty() && chdir(caminho.c_str()) == 0;
}

bool TGeren_Dir::Muda_Dir_Modelos() { return Muda_Custom_Dir(dir_modelos_); }

void TGeren_Dir::A_Dir_Modelos(const std::string& dir) { dir_modelos_ = dir; }

const std::string& TGeren_Dir::R_Dir_Modelos() const { return dir_modelos_; }

TGeren_Tempo* DLL_UTIL_Geren_Tempo() {
  static TGeren_Tempo geren;
  return &geren;
}

TGeren_Dir* DLL_UTIL_Geren_Dir() {
  static TGeren_Dir geren;
  return &geren;
}

namespace {
// Builds the directory manager at library load, so that the default models
// directory is taken from the directory current at that moment.
const TGeren_Dir* const geren_dir_na_carga = DLL_UTIL_Geren_Dir();
}  // namespace
