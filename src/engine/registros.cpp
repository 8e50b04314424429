// The lines every configuration block shares: the schedule block and the
// zone section line.
//
// A schedule block is a header with the period count and one line per period:
//
//   \t[Horarios = 2]
//   \t\t[Horario 1 = (1,5,8:0->17:30)]
//   \t\t[Horario 2 = (6,7,0:0->23:59)]
//
// The parenthesis holds start period, end period, start hour:minute and end
// hour:minute, without leading zeros. The position after "Horario" is not
// read back: periods are taken in file order. The primary HVAC system's
// cooling and heating schedules are the same block in braces:
//
//   \t{Horarios Sistema Resfriamento = 1}
//   \t\t{Horario 1 = (1,5,8:0->17:30)}
#include "engine/registros.h"

#include <climits>

#include "engine/linhas_config.h"

using arqaux::Campo;
using arqaux::TLinha;

namespace {

struct TValores_Cabecalho {
  int32_t numero = 0;
};

TLinha<TValores_Cabecalho> Linha_Cabecalho(const char* formato) {
  return {formato, {Campo(&TValores_Cabecalho::numero)}};
}

// In the order of TTitulo_Horarios.
const TLinha<TValores_Cabecalho> kCabecalhos[] = {
    Linha_Cabecalho("\t[Horarios = %d]\n"),
    Linha_Cabecalho("\t[Horarios Ventilacao = %d]\n"),
    Linha_Cabecalho("\t{Horarios Sistema Resfriamento = %d}\n"),
    Linha_Cabecalho("\t{Horarios Sistema Aquecimento = %d}\n"),
};

struct TValores_Periodo {
  int32_t posicao = 0;
  int32_t periodo_ini = 0, periodo_fim = 0, hora_ini = 0, minuto_ini = 0, hora_fim = 0,
          minuto_fim = 0;
};

TLinha<TValores_Periodo> Linha_Periodo(const char* formato) {
  return {formato,
          {Campo(&TValores_Periodo::posicao), Campo(&TValores_Periodo::periodo_ini),
           Campo(&TValores_Periodo::periodo_fim), Campo(&TValores_Periodo::hora_ini),
           Campo(&TValores_Periodo::minuto_ini), Campo(&TValores_Periodo::hora_fim),
           Campo(&TValores_Periodo::minuto_fim)}};
}

const TLinha<TValores_Periodo> kPeriodo =
    Linha_Periodo("\t\t[Horario %d = (%d,%d,%d:%d->%d:%d)]\n");
const TLinha<TValores_Periodo> kPeriodoChaves =
    Linha_Periodo("\t\t{Horario %d = (%d,%d,%d:%d->%d:%d)}\n");

// The lines of a schedule block under a title.
struct TLinhas_Horarios {
  const TLinha<TValores_Cabecalho>& cabecalho;
  const TLinha<TValores_Periodo>& periodo;
};

TLinhas_Horarios Linhas(arqaux::TTitulo_Horarios titulo) {
  const bool chaves = titulo == arqaux::TTitulo_Horarios::Resfriamento ||
                      titulo == arqaux::TTitulo_Horarios::Aquecimento;
  return {kCabecalhos[static_cast<int>(titulo)], chaves ? kPeriodoChaves : kPeriodo};
}

struct TValores_Zona {
  int32_t zona = 0;
};

const TLinha<TValores_Zona> kZona = {"[Zona = %d]\n", {Campo(&TValores_Zona::zona)}};

// The number of periods is asked again at every pass, as the schedule may be
// shared with code that changes it. False when the stream reports a failed
// write.
bool Grava_Bloco_Intervalos(FILE* arq, const TLinhas_Horarios& linhas, TIntervalos* intervalos) {
  if (arq == nullptr) return false;
  TValores_Cabecalho c;
  c.numero = intervalos != nullptr ? intervalos->Numero_Intervalos() : 0;
  arqaux::Grava_Linha(arq, linhas.cabecalho, c);
  for (int i = 1; intervalos != nullptr && i <= intervalos->Numero_Intervalos(); ++i) {
    const TIntervalo* intervalo = (*intervalos)[i];
    TValores_Periodo p;
    p.posicao = i;
    p.periodo_ini = intervalo->R_Periodo(0);
    p.periodo_fim = intervalo->R_Periodo(1);
    p.hora_ini = intervalo->R_Hora(0);
    p.minuto_ini = intervalo->R_Minuto(0);
    p.hora_fim = intervalo->R_Hora(1);
    p.minuto_fim = intervalo->R_Minuto(1);
    arqaux::Grava_Linha(arq, linhas.periodo, p);
  }
  return arqaux::Gravou(arq);
}

// Minutes are kept as seconds; minutes that do not fit in an int of seconds
// cannot be a time of day and fail the read.
bool Minutos_Validos(int32_t minutos) { return minutos >= INT_MIN / 60 && minutos <= INT_MAX / 60; }

// Periods are created one at a time as their lines are read, so a count far
// beyond the file's content costs nothing: the read fails at the end of input.
// A count below 1 is true without a schedule to fill; a positive one is not.
bool Le_Bloco_Intervalos(FILE* arq, const TLinhas_Horarios& linhas, TIntervalos* intervalos) {
  TValores_Cabecalho c;
  if (arq == nullptr || !arqaux::Le_Linha(arq, linhas.cabecalho, &c)) return false;
  if (c.numero > 0 && intervalos == nullptr) return false;
  for (int32_t i = 0; i < c.numero; ++i) {
    TValores_Periodo p;
    if (!arqaux::Le_Linha(arq, linhas.periodo, &p)) return false;
    if (!Minutos_Validos(p.minuto_ini) || !Minutos_Validos(p.minuto_fim)) return false;
    intervalos->Adiciona_Intervalo(new TIntervalo(p.periodo_ini, p.periodo_fim, p.hora_ini,
                                                  p.hora_fim, p.minuto_ini * 60,
                                                  p.minuto_fim * 60));
  }
  return true;
}

}  // namespace

namespace arqaux {

bool Grava_Horarios(FILE* arq, TIntervalos* intervalos, TTitulo_Horarios titulo) {
  return Grava_Bloco_Intervalos(arq, Linhas(titulo), intervalos);
}

bool Le_Horarios(FILE* arq, TIntervalos* intervalos, TTitulo_Horarios titulo) {
  return Le_Bloco_Intervalos(arq, Linhas(titulo), intervalos);
}

bool Grava_Zona(FILE* arq, int zona) {
  TValores_Zona z;
  z.zona = zona;
  return arq != nullptr && Grava_Linha(arq, kZona, z) >= 0;
}

bool Le_Zona(FILE* arq, int zona) {
  TValores_Zona z;
  return arq != nullptr && Le_Linha(arq, kZona, &z) && z.zona == zona;
}

}  // namespace arqaux
