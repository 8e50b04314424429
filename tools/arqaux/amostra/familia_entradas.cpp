// The sample's daylighting schedule and rain intervals. Before the first
// step the family writes zone 1's daylighting schedule for the year
// ("iluminacao.csv", as the external daylighting simulation writes it:
// lights on during office hours, dimmed as daylight rises) and the run's
// rain intervals ("chuva.txt": an afternoon shower every fourth day from January 1). After
// the run it reads both back as the application would, the schedule as a
// window of the run's hours and the rain file into a list of its own, and
// checks that they hold what was written.
#include <arqaux/arqaux.h>
#include <arqaux/formatos.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "amostra/amostra.h"
#include "comum/erros.h"
#include "comum/verificacoes.h"

namespace {

const char* const kFamilia = "daylight-rain";
const char* const kAgenda = "iluminacao.csv";
const char* const kChuva = "chuva.txt";
constexpr double kPi = 3.14159265358979323846;
constexpr double kDpiInstalada = 12.0;  // W/m2 with no daylight

const char* const kCabecalhoAgenda =
    "# thermal simulation input file (zona1.htm)\n"
    "# DAYSIM header file: zona1.hea\n"
    "# User type: active\n"
    " # total number of occupied hours: %d\n"
    "# month, day, hour, occ (0=absent; 1=present), blinds (0=up; 1=down), lights (W/area) \n";

bool Ocupada(int hora) {
  const int dia = hora / 24, h = hora % 24;
  return dia % 7 < 5 && h >= 8 && h < 18;
}

// The lighting power density of an hour: a multiple of 0.25, so that the
// file's "%.2f" holds it exactly.
float Dpi(int hora) {
  if (!Ocupada(hora)) return 0.0f;
  const double luz_dia = std::max(0.0, std::sin(kPi * (hora % 24 - 6) / 12.0));
  return static_cast<float>(std::round(4.0 * kDpiInstalada * (1.0 - 0.8 * luz_dia)) / 4.0);
}

std::string Texto_Agenda() {
  int ocupadas = 0;
  for (int h = 0; h < ARQAUX_HORAS_ANO; ++h) ocupadas += Ocupada(h);
  char linha[256];
  std::snprintf(linha, sizeof linha, kCabecalhoAgenda, ocupadas);
  std::string texto = linha;
  int mes = 1, dia = 1;
  for (int h = 0; h < ARQAUX_HORAS_ANO; ++h) {
    if (h > 0 && h % 24 == 0 && ++dia > TGeren_Tempo::Dias_No_Mes(mes)) dia = 1, ++mes;
    std::snprintf(linha, sizeof linha, "%d,%d,%.3f,%d,%d,      %.2f\n", mes, dia, h % 24 + 0.5,
                  Ocupada(h) ? 1 : 0, h % 24 >= 12 && h % 24 < 15 ? 1 : 0, Dpi(h));
    texto += linha;
  }
  return texto;
}

std::string Texto(const TInterv_Chuva& c) {
  char texto[96];
  std::snprintf(texto, sizeof texto, "%d/%d %d:%d %d:%d %c", c.Dia, c.Mes, c.Hora_Ini, c.Tempo_Ini,
                c.Hora_Fim, c.Tempo_Fim, c.Intensidade);
  return texto;
}

std::string Texto(const TLista<TInterv_Chuva>& lista) {
  std::string texto;
  for (int i = 1; i <= lista.Numero_Elementos(); ++i)
    texto += Texto(*lista.R_No(i)->R_Dado()) + "\n";
  return texto;
}

class TFamilia_Entradas : public TFamilia_Amostra {
 public:
  const char* Familia() const override { return kFamilia; }
  TResultado Abre(TContexto_Amostra* c) override;
  void Passo(const TPasso_Amostra&) override {}
  TResultado Fecha(TContexto_Amostra* c) override;
  TResultado Converte(TContexto_Amostra* c) override;

 private:
  TResultado Confere_Agenda(TContexto_Amostra* c);
  TResultado Confere_Chuva(TContexto_Amostra* c);

  int agenda_ = 0, chuva_ = 0;
  TLista<TInterv_Chuva> intervalos_{true};
};

TResultado TFamilia_Entradas::Abre(TContexto_Amostra* c) {
  if (TResultado erro = c->Abre_Fluxo(kFamilia, kAgenda, &agenda_); !erro.Ok()) return erro;
  c->geren->Salva_Texto_Generico(agenda_, Texto_Agenda().c_str());
  if (TResultado erro = c->Abre_Fluxo(kFamilia, kChuva, &chuva_); !erro.Ok()) return erro;
  int mes = 1, dia = 1;
  for (int d = 0; d < std::min(c->opcoes.dias, kDiasAno); ++d) {
    if (d % 4 == 0) {
      auto* intervalo = intervalos_.Adiciona(new TInterv_Chuva());
      intervalo->Dia = dia;
      intervalo->Mes = mes;
      intervalo->Hora_Ini = 14;
      intervalo->Hora_Fim = 15;
      intervalo->Tempo_Fim = 1800;
      intervalo->Intensidade = static_cast<char>('1' + d % 3);
    }
    if (++dia > TGeren_Tempo::Dias_No_Mes(mes)) dia = 1, ++mes;
  }
  c->geren->Muda_Arquivo(chuva_);
  return c->geren->Salva_Arquivo_Chuva(&intervalos_) ? TResultado() : Perda(c->Exibe(kChuva));
}

TResultado TFamilia_Entradas::Fecha(TContexto_Amostra* c) {
  if (TResultado erro = c->Fecha_Fluxo(agenda_, kAgenda); !erro.Ok()) return erro;
  return c->Fecha_Fluxo(chuva_, kChuva);
}

// The window of the run's hours, from hour 0, as the application buffers it.
TResultado TFamilia_Entradas::Confere_Agenda(TContexto_Amostra* c) {
  const int horas = std::min(c->opcoes.dias * 24, ARQAUX_HORAS_ANO);
  std::vector<TReg_DPI_DAYSIM> janela(static_cast<size_t>(horas) + 1);
  const int n = c->geren->Abre_Arquivo(kAgenda, "rt");
  if (n == 0) return Falha("cannot open '%s'", c->Exibe(kAgenda).c_str());
  bool ok = c->geren->Bufferiza_Iluminacao_DAYSIM(janela.data(), 0, horas);
  c->geren->Fecha_Arquivo(n);
  for (int h = 0; ok && h < horas; ++h) ok = janela[h].DPI == Dpi(h);
  return ok ? TResultado()
            : Falha("'%s' does not read back what was written", c->Exibe(kAgenda).c_str());
}

TResultado TFamilia_Entradas::Confere_Chuva(TContexto_Amostra* c) {
  const int n = c->geren->Abre_Arquivo(kChuva, "rt");
  if (n == 0) return Falha("cannot open '%s'", c->Exibe(kChuva).c_str());
  TLista<TInterv_Chuva> lidos(true);
  const bool ok = c->geren->Le_Arquivo_Chuva(&lidos) && Texto(lidos) == Texto(intervalos_);
  c->geren->Fecha_Arquivo(n);
  return ok ? TResultado() : Falha("'%s' does not load what was saved", c->Exibe(kChuva).c_str());
}

TResultado TFamilia_Entradas::Converte(TContexto_Amostra* c) {
  if (TResultado erro = Confere_Agenda(c); !erro.Ok()) return erro;
  return Confere_Chuva(c);
}

}  // namespace

std::unique_ptr<TFamilia_Amostra> Cria_Familia_Entradas() {
  return std::make_unique<TFamilia_Entradas>();
}
