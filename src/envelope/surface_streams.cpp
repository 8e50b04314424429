// Shading, radiation, heat-vapour flux and mould streams: one record per
// surface (wall or region) per step, and the flux and mould reports of one
// region.
//
// The shading, flux and mould streams begin with a surface header: N (int32)
// and N floats (the flux and mould reports print them as each region's area).
// Step s (from 0) of surface w (from 1) then lies at 4 + 4N + size * (s * N +
// w - 1), with a record size of 8 for shading (two floats), 4k for flux (the
// heat pair, sensible and latent, when the heat flag is set; the vapour flux
// when the vapour flag is set) and 4 for mould (when its flag is set). The
// radiation stream is records of three floats with no header. With N = 3,
// step 2 of the shading stream starts at byte 64; with heat and vapour and
// N = 4, region 2 of step 1 of the flux stream at byte 80.
//
// N comes from the file and is checked against what the rest of the file
// holds before the values are allocated. Readers refuse a region outside
// 1..N, a negative step, and an offset past the file, formed in 64 bits.
//
// Reports: the period and interval lines, "Regiao %d -> %.2f m²" with the
// region's area, the column labels, then one line per step: the values, the
// clock after the sample and the hourly averages, by the sampled-report
// engine, whose records here are whole steps of which the region is one
// part. The flux report's vapour column is the flux times 10^6. Its second
// output, the daily moisture report, gets "%d/%d\t %.5f \t %.5f \n" (day,
// month, adsorbed and desorbed sums times 10^6) on the line after which the
// clock shows hour 23 with one interval left in it; a step's vapour flux is
// added to the desorbed sum when negative, else to the adsorbed one, after
// that check, so the step that closes a day counts towards the next.
//
// Where the stream cannot supply a value, we choose:
// - without the vapour flag, the daily lines are written all the same, with
//   sums of 0: no record supplies a vapour flux, which reads as 0 as any
//   value a record does not hold;
// - with every quantity flag clear the records hold nothing, and the
//   reports end after their headers (the engine gives no line for records
//   of size 0), as every sampled report of the library does;
// - a header that does not read, or a region outside it, converts nothing:
//   the flux conversion returns false having closed what it opened, and
//   creates no report; the mould conversion returns false writing nothing.
#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <memory>
#include <new>
#include <string>

#include "arqaux/contracts/utility.h"
#include "arqaux/geren_arquivoaux.h"
#include "engine/binario.h"
#include "engine/real_fixo.h"
#include "engine/report_engine.h"
#include "envelope/envelope_comum.h"

namespace {

using namespace arqaux::literais;

constexpr int64_t kTamanho_Real = 4;

// Where step passo of surface regiao starts in a stream of superficies
// surfaces with records of tamanho bytes; -1 when the arguments are out of
// range or the record lies past the file. The stream stands anywhere.
int64_t Posicao(FILE* arq, int superficies, int regiao, int passo, int64_t tamanho) {
  if (superficies < 1 || regiao < 1 || regiao > superficies || passo < 0) return -1;
  struct stat info;
  if (fstat(fileno(arq), &info) != 0 || !S_ISREG(info.st_mode)) return -1;
  const int64_t dados = kTamanho_Real * (1 + int64_t{superficies});
  const int64_t deslocamento =
      arqaux::Deslocamento(tamanho * superficies, passo, tamanho * (regiao - 1),
                           static_cast<int64_t>(info.st_size) - dados);
  return deslocamento < 0 ? -1 : dados + deslocamento;
}

// Seeks to surface regiao at step passo and reads n floats there.
bool Le_Registro(FILE* arq, int superficies, int regiao, int passo, int64_t tamanho, float* valores,
                 size_t n) {
  const int64_t posicao = Posicao(arq, superficies, regiao, passo, tamanho);
  return posicao >= 0 && (valores != nullptr || n == 0) &&
         fseeko(arq, static_cast<off_t>(posicao), SEEK_SET) == 0 &&
         arqaux::Le_Bloco(arq, valores, sizeof(float), n);
}

// The region line of both reports ("m²" in Windows-1252).
std::string Linha_Regiao(int regiao, float area) {
  arqaux::TEspec_Fixo espec;
  espec.precisao = 2;
  char texto[arqaux::kMaxTextoRealFixo];
  char* fim = arqaux::Escreve_Real_Fixo(texto, area, espec);
  return "Regiao " + std::to_string(regiao) + " -> " +
         std::string(texto, static_cast<size_t>(fim - texto)) + " m\xB2\n";
}

// A report over whole steps of n surfaces, of which region regiao is shown:
// values per surface as laid out in its record of valores floats; origens
// gives each report value's float in the surface's record (-1: not held).
arqaux::TRegistro_Binario Registro_Regiao(int superficies, int regiao, int valores,
                                          std::initializer_list<int> origens) {
  arqaux::TRegistro_Binario registro;
  const int tamanho = 4 * valores;
  registro.tamanho = tamanho * superficies;
  registro.parcial = tamanho * regiao;
  for (int origem : origens) {
    registro.origens.push_back(origem < 0 ? -1 : tamanho * (regiao - 1) + 4 * origem);
  }
  return registro;
}

// The surface header of a stream already selected: N and the region's area.
// False when it does not read, the region is not in it, or a step of the
// records would not fit the engine's record size.
bool Le_Regiao(TGeren_ArquivoAux* geren, int regiao, int valores, int* superficies, float* area) {
  float* areas = nullptr;
  *superficies = geren->Le_Cabecalho_Fluxo_CalorVapor(&areas);
  const std::unique_ptr<float[]> dono(areas);
  if (*superficies < 1 || regiao < 1 || regiao > *superficies ||
      int64_t{*superficies} * 4 * valores > INT32_MAX) {
    return false;
  }
  *area = areas[regiao - 1];
  return true;
}

// The flux report's columns: sensible and latent heat, vapour flux x 10^6.
const arqaux::TColuna kCalor[] = {
    {"[Calor_S]       "_rotulo, 0, "%.5f \t\t"_linha, "%.5f \t"_media},
    {"[Calor_L] "_rotulo, 1, "%.5f    "_linha, "%.5f    "_media}};
const arqaux::TColuna kVapor = {"    [ Vapor ] "_rotulo, 2, "\t %.5f "_linha, "%.5f"_media,
                                1000000.0f};
const arqaux::TColuna kMofo = {"[MGR] "_rotulo, 0, "%.4f    "_linha, "%.4f"_media};
const char kCabecalho_Umidade[] =
    "[Dia/Mes] [Umidade Adsorvida] [Umidade Dessorvida] (mg/m2-dia) \n\n";

// The daily moisture report, written as the flux lines go by.
class TUmidade_Diaria {
 public:
  TUmidade_Diaria(const arqaux::TSeletor& seletor, int saida, int intervalo)
      : seletor_(seletor), saida_(saida), intervalo_(intervalo) {
    espec_.precisao = 5;
  }
  // After each flux line: the day's line when the clock closes the day, then
  // the step's vapour flux into the day's sums.
  void Linha(const TTempo& relogio, float vapor) {
    if (relogio.Hora == 23 && relogio.Tempo + int64_t{intervalo_} == 3600) Escreve(relogio);
    (vapor < 0.0f ? dessorvida_ : adsorvida_) += vapor;
  }

 private:
  void Escreve(const TTempo& relogio) {
    char linha[2 * arqaux::kMaxTextoRealFixo + 48];
    char* p = linha + std::snprintf(linha, 32, "%d/%d\t ", relogio.Dia, relogio.Mes);
    p = arqaux::Escreve_Real_Fixo(p, adsorvida_ * 1000000.0f, espec_);
    p += std::snprintf(p, 5, " \t ");
    p = arqaux::Escreve_Real_Fixo(p, dessorvida_ * 1000000.0f, espec_);
    p += std::snprintf(p, 3, " \n");
    arqaux::Grava_Bloco(seletor_.seleciona(saida_), linha, 1, static_cast<size_t>(p - linha));
    adsorvida_ = dessorvida_ = 0.0f;
  }

  const arqaux::TSeletor& seletor_;
  int saida_;
  int intervalo_;
  arqaux::TEspec_Fixo espec_;
  float adsorvida_ = 0.0f, dessorvida_ = 0.0f;
};

}  // namespace

// A report of one region: its line before the labels, the clock starting at
// the start's time within the hour.
static arqaux::TDescricao_Relatorio Descreve_Regiao(const std::string& linha_regiao, int valores) {
  arqaux::TDescricao_Relatorio descricao;
  descricao.relogio_com_segundos = true;
  descricao.antes_rotulos = linha_regiao.c_str();
  descricao.depois_rotulos = " ";
  descricao.num_valores = valores;
  return descricao;
}

int TGeren_ArquivoAux::Le_Cabecalho_Proj_Sombras(float** valores) {
  if (valores == nullptr) return 0;
  *valores = nullptr;
  FILE* arq = Arquivo_Atual;
  int32_t n;
  if (arq == nullptr || !arqaux::Le_Bloco(arq, &n, sizeof n)) return 0;
  if (n < 1 || n > arqaux::Bytes_Restantes(arq) / kTamanho_Real) return 0;
  *valores = new (std::nothrow) float[static_cast<size_t>(n)];
  return *valores != nullptr && arqaux::Le_Bloco(arq, *valores, sizeof(float), n) ? n : 0;
}

int TGeren_ArquivoAux::Le_Cabecalho_Fluxo_CalorVapor(float** valores) {
  return Le_Cabecalho_Proj_Sombras(valores);
}

void TGeren_ArquivoAux::Grava_Proj_Sombras_Parede(int n, float primeiro, float segundo) {
  const float registro[2] = {primeiro, segundo};
  arqaux::Grava_Bloco(Seleciona_Arquivo(n), registro, sizeof registro);
}

void TGeren_ArquivoAux::Grava_Radiacoes_Parede(int n, float* valores) {
  FILE* arq = Seleciona_Arquivo(n);
  if (valores != nullptr) arqaux::Grava_Bloco(arq, valores, sizeof(float), 3);
}

bool TGeren_ArquivoAux::Le_Proj_Sombras_Parede(int n, int superficies, int passo, float* valores) {
  FILE* arq = Seleciona_Arquivo(n);
  return arq != nullptr &&
         Le_Registro(arq, superficies, 1, passo, 8, valores, 2 * static_cast<size_t>(superficies));
}

bool TGeren_ArquivoAux::Le_Radiacoes_Parede(int paredes, float* valores) {
  if (paredes < 0 || (paredes > 0 && valores == nullptr)) return false;
  return paredes == 0 ||
         arqaux::Le_Bloco(Arquivo_Atual, valores, sizeof(float), 3 * static_cast<size_t>(paredes));
}

bool TGeren_ArquivoAux::Le_Fluxos_CalorVapor_Parede(int n, int superficies, int regiao, int passo,
                                                    bool calor, bool vapor, float* valores) {
  FILE* arq = Seleciona_Arquivo(n);
  const size_t k = (calor ? 2 : 0) + (vapor ? 1 : 0);
  return arq != nullptr && Le_Registro(arq, superficies, regiao, passo, static_cast<int64_t>(4 * k),
                                       valores != nullptr && !calor ? valores + 2 : valores, k);
}

bool TGeren_ArquivoAux::Le_Mofo(int n, int superficies, int regiao, int passo, bool mofo,
                                float* valor) {
  FILE* arq = Seleciona_Arquivo(n);
  const size_t k = mofo ? 1 : 0;
  return arq != nullptr &&
         Le_Registro(arq, superficies, regiao, passo, static_cast<int64_t>(4 * k), valor, k);
}

bool TGeren_ArquivoAux::Converte_Binario_Texto_FluxosCV(char* origem, char* prefixo, int regiao,
                                                        bool calor, bool vapor, TTempo* inicio,
                                                        TTempo* fim, int intervalo) {
  if (origem == nullptr || prefixo == nullptr || inicio == nullptr || fim == nullptr) return false;
  const long erros = Conta_Arquivos_Com_Erro();
  const int fonte = Abre_Arquivo(origem, "rb");
  if (fonte == 0) return false;
  int superficies;
  float area;
  const int valores = (calor ? 2 : 0) + (vapor ? 1 : 0);
  const int fluxo = Le_Regiao(this, regiao, valores, &superficies, &area)
                        ? Abre_Arquivo((std::string(prefixo) + "FLW.txt").c_str(), "wt")
                        : 0;
  const int umidade =
      fluxo != 0 ? Abre_Arquivo((std::string(prefixo) + "MTR.txt").c_str(), "wt") : 0;
  if (umidade == 0) {
    if (fluxo != 0) Fecha_Arquivo(fluxo);
    Fecha_Arquivo(fonte);
    return false;
  }
  const std::string linha_regiao = Linha_Regiao(regiao, area);
  const arqaux::TSeletor seletor = Seletor_Relatorios();
  if (FILE* arq = Seleciona_Arquivo(umidade)) {
    arqaux::Escreve_Periodo(arq, arqaux::TFormato_Periodo::Horas_Cheias, *inicio, *fim);
    arqaux::Escreve_Intervalo(arq, intervalo);
    std::fputs(linha_regiao.c_str(), arq);
    std::fputs(kCabecalho_Umidade, arq);
  }
  arqaux::TDescricao_Relatorio descricao = Descreve_Regiao(linha_regiao, 3);
  if (calor) descricao.colunas.assign(std::begin(kCalor), std::end(kCalor));
  if (vapor) descricao.colunas.push_back(kVapor);
  const arqaux::TRelatorio_Amostrado relatorio(descricao, seletor);
  if (FILE* arq = Seleciona_Arquivo(fluxo))
    relatorio.Escreve_Cabecalho(arq, *inicio, *fim, intervalo);
  TUmidade_Diaria diaria(seletor, umidade, intervalo);
  relatorio.Escreve_Linhas(
      fonte, fluxo,
      Registro_Regiao(superficies, regiao, valores,
                      {calor ? 0 : -1, calor ? 1 : -1, vapor ? valores - 1 : -1}),
      *inicio, intervalo,
      [&diaria](const TTempo& relogio, const float* v) { diaria.Linha(relogio, v[2]); });
  for (int n : {fonte, fluxo, umidade}) Fecha_Arquivo(n);
  return Conta_Arquivos_Com_Erro() == erros;
}

bool TGeren_ArquivoAux::Converte_Binario_Texto_Mofo(int origem, int destino, int regiao, bool mofo,
                                                    TTempo* inicio, TTempo* fim, int intervalo) {
  const arqaux::TSeletor seletor = Seletor_Relatorios();
  if (inicio == nullptr || fim == nullptr || !seletor.registrado(origem) ||
      !seletor.registrado(destino) || Seleciona_Arquivo(origem) == nullptr) {
    return false;
  }
  int superficies;
  float area;
  if (!Le_Regiao(this, regiao, mofo ? 1 : 0, &superficies, &area)) return false;
  FILE* arq = Seleciona_Arquivo(destino);
  if (arq == nullptr) return false;
  const std::string linha_regiao = Linha_Regiao(regiao, area);
  arqaux::TDescricao_Relatorio descricao = Descreve_Regiao(linha_regiao, 1);
  if (mofo) descricao.colunas.push_back(kMofo);
  const arqaux::TRelatorio_Amostrado relatorio(descricao, seletor);
  relatorio.Escreve_Cabecalho(arq, *inicio, *fim, intervalo);
  relatorio.Escreve_Linhas(origem, destino,
                           Registro_Regiao(superficies, regiao, mofo ? 1 : 0, {mofo ? 0 : -1}),
                           *inicio, intervalo);
  return true;
}
