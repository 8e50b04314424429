// Annual and monthly statistics reports of a zone's thermal loads and gains.
//
// A report is a header, "[title]\n", the kind label and "\n", the period and
// interval lines, "\n[Estatística Anual]" (or "Mensal"), then a body per
// record; the monthly reports put "\n[month name]" before each month's body,
// month m being the record at list position m. A body is three sections,
// latent, sensible and total: a title line and one line per statistic. Each
// line prints one block: first its value of the section's quantity, then its
// two others (latent section: sensible and total; sensible: latent and
// total; total: sensible and latent), the extremes also the date and time
// of their moment. A section whose maximum is exactly 0 is left out (a NaN
// is not 0); a load body, when its total maximum is, whole.
//
// The reports read the records by position: a table per record type gives,
// for each line, its section, its statistic, the group and index of its
// block and the index of its moment; a view per record type (and season,
// for loads) gives where each group lies and where a block holds its values.
#include <cstdio>
#include <cstring>
#include <string>

#include "arqaux/geren_arquivoaux.h"
#include "arqaux/load_records.h"
#include "loads/cargas.h"

namespace {

// The statistic a line prints, which gives its text.
enum TEstatistica { Maxima, Minima, Media, Max_Diarias, Min_Diarias, Max_Mensais, Min_Mensais };
// The groups of blocks of a record.
enum TGrupo { Extremos, Medias_Mensais, Medias_Diarias, Medias };

struct TLinha {
  TQuantidade_Carga secao;
  TEstatistica estatistica;
  TGrupo grupo;
  int bloco;         // index of the block in its group
  int momento = -1;  // index of the extreme's moment
};

// Where a record type (in one season) keeps its groups and moments, the
// size of its blocks and where a block holds its total, sensible and latent.
struct TVista {
  size_t grupos[4];
  size_t momentos;
  size_t tam_bloco;
  size_t valores;
};

// Texts of the statistic lines (Windows-1252), by TEstatistica.
const char* const kTextos_Anuais[] = {
    "\n\t  - M\xE1xima Anual: %07.2f   ----> Data: %s \xE0s %s   ",
    "\n\t  - M\xEDnima Anual: %07.2f   ----> Data: %s \xE0s %s   ",
    "\n\t  - M\xE9"
    "dia Anual : %07.2f                                   ",
    "\n\t  - M\xE9"
    "dia das M\xE1ximas Di\xE1rias: %07.2f                      ",
    "\n\t  - M\xE9"
    "dia das M\xEDnimas Di\xE1rias: %07.2f                      ",
    "\n\t  - M\xE9"
    "dia das M\xE1ximas Mensais: %07.2f                      ",
    "\n\t  - M\xE9"
    "dia das M\xEDnimas Mensais: %07.2f                      ",
};
const char* const kTextos_Mensais[] = {
    "\n\t  - M\xE1xima Mensal: %07.2f   ----> Data: %s \xE0s %s   ",
    "\n\t  - M\xEDnima Mensal: %07.2f   ----> Data: %s \xE0s %s   ",
    "\n\t  - M\xE9"
    "dia Mensal: %07.2f                                    ",
    "\n\t  - M\xE9"
    "dia das M\xE1ximas Di\xE1rias: %07.2f                       ",
    "\n\t  - M\xE9"
    "dia das M\xEDnimas Di\xE1rias: %07.2f                       ",
};
// By section (TQuantidade_Carga): its title, the parenthesis of its lines
// and the two other quantities that fill it.
const char* const kTitulos[] = {"\n\t[CARGA T\xC9RMICA TOTAL]",
                                "\n\t[CARGA T\xC9RMICA SENS\xCDVEL]",
                                "\n\t[CARGA T\xC9RMICA LATENTE]"};
const char* const kParenteses[] = {"(Calor Sens\xEDvel: %07.2f <---> Calor Latente: %07.2f)",
                                   "(Calor Latente: %07.2f <---> Calor Total: %07.2f)",
                                   "(Calor Sens\xEDvel: %07.2f <---> Calor Total: %07.2f)"};
const TQuantidade_Carga kOutras[][2] = {
    {Q_Sensivel, Q_Latente}, {Q_Latente, Q_Total}, {Q_Sensivel, Q_Total}};

// Annual records, loads and gains alike: extremes T min, T max, S min,
// S max, L min, L max; moments and means of maxima and minima T max, T min,
// S max, S min, L max, L min; annual means T, S, L.
const TLinha kLinhas_Anuais[] = {
    {Q_Latente, Maxima, Extremos, 5, 4},
    {Q_Latente, Minima, Extremos, 4, 5},
    {Q_Latente, Media, Medias, 2},
    {Q_Latente, Max_Diarias, Medias_Diarias, 4},
    {Q_Latente, Min_Diarias, Medias_Diarias, 5},
    {Q_Latente, Max_Mensais, Medias_Mensais, 4},
    {Q_Latente, Min_Mensais, Medias_Mensais, 5},
    {Q_Sensivel, Maxima, Extremos, 3, 2},
    {Q_Sensivel, Minima, Extremos, 2, 3},
    {Q_Sensivel, Media, Medias, 1},
    {Q_Sensivel, Max_Diarias, Medias_Diarias, 2},
    {Q_Sensivel, Min_Diarias, Medias_Diarias, 3},
    {Q_Sensivel, Max_Mensais, Medias_Mensais, 2},
    {Q_Sensivel, Min_Mensais, Medias_Mensais, 3},
    {Q_Total, Maxima, Extremos, 1, 0},
    {Q_Total, Minima, Extremos, 0, 1},
    {Q_Total, Media, Medias, 0},
    {Q_Total, Max_Diarias, Medias_Diarias, 0},
    {Q_Total, Min_Diarias, Medias_Diarias, 1},
    {Q_Total, Max_Mensais, Medias_Mensais, 0},
    {Q_Total, Min_Mensais, Medias_Mensais, 1},
};

// Monthly loads: extremes and their moments T min, S min, L min, T max,
// S max, L max; daily means T max, S max, L max, T min, S min, L min.
const TLinha kLinhas_Cargas_Mensais[] = {
    {Q_Latente, Maxima, Extremos, 5, 5},
    {Q_Latente, Minima, Extremos, 2, 2},
    {Q_Latente, Media, Medias, 2},
    {Q_Latente, Max_Diarias, Medias_Diarias, 2},
    {Q_Latente, Min_Diarias, Medias_Diarias, 5},
    {Q_Sensivel, Maxima, Extremos, 4, 4},
    {Q_Sensivel, Minima, Extremos, 1, 1},
    {Q_Sensivel, Media, Medias, 1},
    {Q_Sensivel, Max_Diarias, Medias_Diarias, 1},
    {Q_Sensivel, Min_Diarias, Medias_Diarias, 4},
    {Q_Total, Maxima, Extremos, 3, 3},
    {Q_Total, Minima, Extremos, 0, 0},
    {Q_Total, Media, Medias, 0},
    {Q_Total, Max_Diarias, Medias_Diarias, 0},
    {Q_Total, Min_Diarias, Medias_Diarias, 3},
};

// Monthly gains: extremes and daily means T max, S max, L max, T min, S min,
// L min, but moments T min, S min, L min, T max, S max, L max.
const TLinha kLinhas_Ganhos_Mensais[] = {
    {Q_Latente, Maxima, Extremos, 2, 5},
    {Q_Latente, Minima, Extremos, 5, 2},
    {Q_Latente, Media, Medias, 2},
    {Q_Latente, Max_Diarias, Medias_Diarias, 2},
    {Q_Latente, Min_Diarias, Medias_Diarias, 5},
    {Q_Sensivel, Maxima, Extremos, 1, 4},
    {Q_Sensivel, Minima, Extremos, 4, 1},
    {Q_Sensivel, Media, Medias, 1},
    {Q_Sensivel, Max_Diarias, Medias_Diarias, 1},
    {Q_Sensivel, Min_Diarias, Medias_Diarias, 4},
    {Q_Total, Maxima, Extremos, 0, 3},
    {Q_Total, Minima, Extremos, 3, 0},
    {Q_Total, Media, Medias, 0},
    {Q_Total, Max_Diarias, Medias_Diarias, 0},
    {Q_Total, Min_Diarias, Medias_Diarias, 3},
};

using CA = TCarga_Termica_Anual;
using CM = TCarga_Termica_Mensal;
using GA = TGanho_Termico_Anual;
using GM = TGanho_Termico_Mensal;
constexpr size_t kCarga = sizeof(TCarga_Termica), kGanho = sizeof(TGanho_Termico);
constexpr size_t kValores_Inverno = offsetof(TCarga_Termica, Inverno);
constexpr size_t kValores_Verao = offsetof(TCarga_Termica, Verao);

// By season (TEstacao).
const TVista kVistas_Cargas_Anuais[] = {
    {{offsetof(CA, Extremos[0].Blocos), offsetof(CA, Medias_Mensais[0]),
      offsetof(CA, Medias_Diarias[0]), offsetof(CA, Medias[0])},
     offsetof(CA, Extremos[0].Momentos),
     kCarga,
     kValores_Inverno},
    {{offsetof(CA, Extremos[1].Blocos), offsetof(CA, Medias_Mensais[1]),
      offsetof(CA, Medias_Diarias[1]), offsetof(CA, Medias[1])},
     offsetof(CA, Extremos[1].Momentos),
     kCarga,
     kValores_Verao},
};
const TVista kVistas_Cargas_Mensais[] = {
    {{offsetof(CM, Extremos[0].Blocos), 0, offsetof(CM, Medias_Diarias[0]),
      offsetof(CM, Medias[0])},
     offsetof(CM, Extremos[0].Momentos),
     kCarga,
     kValores_Inverno},
    {{offsetof(CM, Extremos[1].Blocos), 0, offsetof(CM, Medias_Diarias[1]),
      offsetof(CM, Medias[1])},
     offsetof(CM, Extremos[1].Momentos),
     kCarga,
     kValores_Verao},
};
const TVista kVista_Ganhos_Anuais = {{offsetof(GA, Extremos), offsetof(GA, Medias_Mensais),
                                      offsetof(GA, Medias_Diarias), offsetof(GA, Medias)},
                                     offsetof(GA, Momentos),
                                     kGanho,
                                     offsetof(TGanho_Termico, Valores)};
const TVista kVista_Ganhos_Mensais = {
    {offsetof(GM, Extremos), 0, offsetof(GM, Medias_Diarias), offsetof(GM, Medias)},
    offsetof(GM, Momentos),
    kGanho,
    offsetof(TGanho_Termico, Valores)};

// A report's body: its lines, their texts, and whether the whole body is
// left out when the total maximum is 0 (loads).
struct TCorpo {
  const TLinha* linhas;
  size_t n;
  const char* const* textos;
  bool condicionado;
};
template <size_t N, size_t T>
constexpr TCorpo Corpo(const TLinha (&linhas)[N], const char* const (&textos)[T], bool cond) {
  return {linhas, N, textos, cond};
}
const TCorpo kCorpo_Cargas_Anual = Corpo(kLinhas_Anuais, kTextos_Anuais, true);
const TCorpo kCorpo_Ganhos_Anual = Corpo(kLinhas_Anuais, kTextos_Anuais, false);
const TCorpo kCorpo_Cargas_Mensal = Corpo(kLinhas_Cargas_Mensais, kTextos_Mensais, true);
const TCorpo kCorpo_Ganhos_Mensal = Corpo(kLinhas_Ganhos_Mensais, kTextos_Mensais, false);

// The total, sensible and latent values of a line's block.
void Le_Valores(const unsigned char* r, const TVista& v, const TLinha& l, float* valores) {
  std::memcpy(valores, r + v.grupos[l.grupo] + l.bloco * v.tam_bloco + v.valores,
              3 * sizeof(float));
}

float Valor_Maximo(const unsigned char* r, const TVista& v, const TLinha* linhas, size_t n,
                   TQuantidade_Carga q) {
  float valores[3] = {};
  for (size_t i = 0; i < n; ++i) {
    if (linhas[i].secao == q && linhas[i].estatistica == Maxima) {
      Le_Valores(r, v, linhas[i], valores);
    }
  }
  return valores[q];
}

void Escreve_Linha(FILE* arq, const unsigned char* r, const TVista& v, const TLinha& l,
                   const char* texto) {
  float x[3];
  Le_Valores(r, v, l, x);
  if (l.momento >= 0) {
    TTempo momento;
    std::memcpy(&momento, r + v.momentos + l.momento * sizeof(TTempo), sizeof momento);
    char data[8], hora[12];
    DLL_UTIL_Geren_Tempo()->R_Data_Formatada(data, &momento);
    DLL_UTIL_Geren_Tempo()->R_Hora_Formatada(hora, &momento);
    std::fprintf(arq, texto, x[l.secao], data, hora);
  } else {
    std::fprintf(arq, texto, x[l.secao]);
  }
  std::fprintf(arq, kParenteses[l.secao], x[kOutras[l.secao][0]], x[kOutras[l.secao][1]]);
}

// The sections of one record, each under its title, its last line ending
// with "\n"; a section whose maximum is 0 is left out.
void Escreve_Corpo(FILE* arq, const void* registro, const TVista& v, const TCorpo& c) {
  const auto* r = static_cast<const unsigned char*>(registro);
  if (c.condicionado && Valor_Maximo(r, v, c.linhas, c.n, Q_Total) == 0.0f) return;
  for (size_t i = 0; i < c.n; ++i) {
    const TLinha& l = c.linhas[i];
    const bool primeira = i == 0 || c.linhas[i - 1].secao != l.secao;
    const bool ultima = i + 1 == c.n || c.linhas[i + 1].secao != l.secao;
    if (Valor_Maximo(r, v, c.linhas, c.n, l.secao) == 0.0f) continue;
    if (primeira) std::fputs(kTitulos[l.secao], arq);
    Escreve_Linha(arq, r, v, l, c.textos[l.estatistica]);
    if (ultima) std::fputs("\n", arq);
  }
}

// The header: preamble, then "\n[", the kind of statistics and "]".
void Escreve_Cabecalho(FILE* arq, const char* titulo, const char* rotulo, const TTempo* periodo,
                       int intervalo, bool anual) {
  arqaux::Escreve_Preambulo(arq, titulo, rotulo, periodo, intervalo);
  std::fputs(anual ? "\n[Estat\xEDstica Anual]" : "\n[Estat\xEDstica Mensal]", arq);
}

// A monthly report's bodies: "\n[name]" and the body of each month.
template <class T>
void Escreve_Meses(FILE* arq, TLista<T>* meses, const TVista& v, const TCorpo& c) {
  TNo<T>* no = meses->R_No(1);
  for (int m = 1; m <= meses->Numero_Elementos(); ++m, no = no->R_Proximo()) {
    std::string nome;
    DLL_UTIL_Geren_Tempo()->Nome_Mes(m, nome);
    std::fprintf(arq, "\n[%s]", nome.c_str());
    if (no->R_Dado() != nullptr) Escreve_Corpo(arq, no->R_Dado(), v, c);
  }
}

const char* Rotulo_Carga(int tipo) {
  return tipo == arqaux::kTipo_Inverno ? arqaux::kRotulo_Inverno : arqaux::kRotulo_Verao;
}
TEstacao Estacao(int tipo) { return tipo == arqaux::kTipo_Inverno ? E_Inverno : E_Verao; }

}  // namespace

void TGeren_ArquivoAux::Grava_Carga_Termica_Anual(int n, int tipo, const char* titulo,
                                                  const TCarga_Termica_Anual* registro,
                                                  const TTempo* periodo, int intervalo) {
  FILE* arq = Seleciona_Arquivo(n);
  if (arq == nullptr || titulo == nullptr || registro == nullptr || periodo == nullptr) return;
  Escreve_Cabecalho(arq, titulo, Rotulo_Carga(tipo), periodo, intervalo, true);
  Escreve_Corpo(arq, registro, kVistas_Cargas_Anuais[Estacao(tipo)], kCorpo_Cargas_Anual);
}

void TGeren_ArquivoAux::Grava_Ganho_Termico_Anual(int n, const char* titulo,
                                                  const TGanho_Termico_Anual* registro,
                                                  const TTempo* periodo, int intervalo) {
  FILE* arq = Seleciona_Arquivo(n);
  if (arq == nullptr || titulo == nullptr || registro == nullptr || periodo == nullptr) return;
  Escreve_Cabecalho(arq, titulo, arqaux::kRotulo_Ganho, periodo, intervalo, true);
  Escreve_Corpo(arq, registro, kVista_Ganhos_Anuais, kCorpo_Ganhos_Anual);
}

void TGeren_ArquivoAux::Grava_Carga_Termica_Mensal(int n, int tipo, const char* titulo,
                                                   TLista<TCarga_Termica_Mensal>* meses,
                                                   const TTempo* periodo, int intervalo) {
  FILE* arq = Seleciona_Arquivo(n);
  if (arq == nullptr || titulo == nullptr || meses == nullptr || periodo == nullptr) return;
  Escreve_Cabecalho(arq, titulo, Rotulo_Carga(tipo), periodo, intervalo, false);
  Escreve_Meses(arq, meses, kVistas_Cargas_Mensais[Estacao(tipo)], kCorpo_Cargas_Mensal);
}

void TGeren_ArquivoAux::Grava_Ganho_Termico_Mensal(int n, const char* titulo,
                                                   TLista<TGanho_Termico_Mensal>* meses,
                                                   const TTempo* periodo, int intervalo) {
  FILE* arq = Seleciona_Arquivo(n);
  if (arq == nullptr || titulo == nullptr || meses == nullptr || periodo == nullptr) return;
  Escreve_Cabecalho(arq, titulo, arqaux::kRotulo_Ganho, periodo, intervalo, false);
  Escreve_Meses(arq, meses, kVista_Ganhos_Mensais, kCorpo_Ganhos_Mensal);
}
