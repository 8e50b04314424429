// Rain interval file: the rain events that wet the envelope, a count line
// and one line per interval, day/month and hour:minutes:
//
//   [Numero de Intervalos = 2]
//   {[Data = 15/3][Hora_Ini = 7:30][Hora_Fim = 9:0][Intensidade = 2]}
//   {[Data = 16/3][Hora_Ini = 0:0][Hora_Fim = 23:59][Intensidade = 3]}
//
// An interval holds its times as hour and seconds within the hour: a file's
// minutes are multiplied by 60 when read, and the seconds are written back as
// whole minutes (1830 s gives 30). The intensity class is one character, '1'
// (light), '2' or '3' (heavy). Any other held character is written as it
// stands and its line closed like the others, so that the file keeps one
// interval per line and reads back the same; the reader takes any character
// there, but for white space, which the blank before it passes over.
//
// Both operations act on the current stream; the caller opens and closes the
// file. Loading appends to the caller's list, in file order, and stops at the
// first line that does not scan whole: the intervals before it stay in the
// list and the one being built is deleted. A count line that does not scan,
// or a negative count, fails with the list unchanged. The count bounds the
// loop and allocates nothing ahead, so memory follows the lines the file
// really holds. A line whose minutes would not fit as seconds is malformed.
#include <climits>
#include <cstdio>
#include <memory>

#include "arqaux/contracts/utility.h"
#include "arqaux/geren_arquivoaux.h"

namespace {

// The two lines, as the writer prints them and the reader scans them.
constexpr char kLinhaContagem[] = "[Numero de Intervalos = %d]\n";
constexpr char kLinhaIntervalo[] =
    "{[Data = %d/%d][Hora_Ini = %d:%d][Hora_Fim = %d:%d][Intensidade = %c]}\n";
constexpr int kCamposIntervalo = 7;
constexpr int kSegundosMinuto = 60;

// Minutes as seconds within the hour; false when they would not fit.
bool Em_Segundos(int minutos, int* segundos) {
  if (minutos > INT_MAX / kSegundosMinuto || minutos < INT_MIN / kSegundosMinuto) return false;
  *segundos = minutos * kSegundosMinuto;
  return true;
}

// Scans one interval line into a new interval; null when it is malformed.
std::unique_ptr<TInterv_Chuva> Le_Intervalo(FILE* arq) {
  auto c = std::make_unique<TInterv_Chuva>();
  int min_ini = 0;
  int min_fim = 0;
  if (std::fscanf(arq, kLinhaIntervalo, &c->Dia, &c->Mes, &c->Hora_Ini, &min_ini, &c->Hora_Fim,
                  &min_fim, &c->Intensidade) != kCamposIntervalo ||
      !Em_Segundos(min_ini, &c->Tempo_Ini) || !Em_Segundos(min_fim, &c->Tempo_Fim)) {
    return nullptr;
  }
  return c;
}

}  // namespace

bool TGeren_ArquivoAux::Le_Arquivo_Chuva(TLista<TInterv_Chuva>* lista) {
  int quantidade = 0;
  if (lista == nullptr || Arquivo_Atual == nullptr ||
      std::fscanf(Arquivo_Atual, kLinhaContagem, &quantidade) != 1 || quantidade < 0) {
    return false;
  }
  for (int i = 0; i < quantidade; ++i) {
    std::unique_ptr<TInterv_Chuva> intervalo = Le_Intervalo(Arquivo_Atual);
    if (!intervalo) return false;
    lista->Adiciona(intervalo.release());
  }
  return true;
}

bool TGeren_ArquivoAux::Salva_Arquivo_Chuva(TLista<TInterv_Chuva>* lista) {
  FILE* arq = Arquivo_Atual;
  if (lista == nullptr || arq == nullptr) return false;
  const int quantidade = lista->Numero_Elementos();
  std::fprintf(arq, kLinhaContagem, quantidade);
  // A null element is written as a default interval, so that the lines
  // still match the count.
  const TInterv_Chuva padrao;
  TNo<TInterv_Chuva>* no = lista->R_No(1);
  for (int i = 0; i < quantidade; ++i, no = no->R_Proximo()) {
    const TInterv_Chuva& c = no->R_Dado() != nullptr ? *no->R_Dado() : padrao;
    std::fprintf(arq, kLinhaIntervalo, c.Dia, c.Mes, c.Hora_Ini, c.Tempo_Ini / kSegundosMinuto,
                 c.Hora_Fim, c.Tempo_Fim / kSegundosMinuto, c.Intensidade);
  }
  return std::ferror(arq) == 0;
}
