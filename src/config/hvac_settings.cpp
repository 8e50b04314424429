// The HVAC simulation's report settings, in two blocks of the system file.
// The header block opens the file:
//
//   [Dados Sistema Primario]
//   \t{Dados = 1,2,3,4,5,6,7,8,9}
//   [Monitorar Sistema HVAC = 1]
//   [Passo Tempo Rel HVAC = 600]
//   [Monitorar Consumo HVAC = 0]
//
// The monitoring block puts the three flags first, under keys without
// " HVAC" (but the first), and adds the primary system's cooling and heating
// schedules, the schedule block of every configuration record in braces:
//
//   [Monitorar Sistema HVAC = 1]
//   [Passo Tempo Rel = 600]
//   [Monitorar Consumo = 0]
//   [Dados Sistema Primario]
//   \t{Dados = 1,2,3,4,5,6,7,8,9}
//   \t{Horarios Sistema Resfriamento = 1}
//   \t\t{Horario 1 = (1,5,8:0->17:30)}
//   \t{Horarios Sistema Aquecimento = 0}
//
// The nine primary-system values and the flags are the application's; they
// are written "%d" / "%i" and read "%d". Each reader accepts only its own
// block: the flag keys tell them apart, and the title line is read as part
// of the values line, so a block under another title does not read either.
// Schedules are appended to, never cleared.
#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "arqaux/contracts/utility.h"
#include "arqaux/geren_arquivoaux.h"
#include "engine/linhas_config.h"
#include "engine/registros.h"

using arqaux::Campo;
using arqaux::TLinha;

namespace {

constexpr int kNumDados = 9;

struct TValores_Relatorio {
  int32_t monitora_sistema = 0;
  int32_t passo = 0;
  int32_t monitora_consumo = 0;
  int32_t dados[kNumDados] = {};
};
using V = TValores_Relatorio;

constexpr const char* kDados = "[Dados Sistema Primario]\n\t{Dados = %d,%d,%d,%d,%d,%d,%d,%d,%d}\n";
constexpr const char* kMonitoraSistema = "[Monitorar Sistema HVAC = %i]\n";

const TLinha<V> kLinhasCabecalho[] = {
    {kDados, arqaux::Elementos(&V::dados)},
    {kMonitoraSistema, {Campo(&V::monitora_sistema)}},
    {"[Passo Tempo Rel HVAC = %i]\n", {Campo(&V::passo)}},
    {"[Monitorar Consumo HVAC = %i]\n", {Campo(&V::monitora_consumo)}},
};

const TLinha<V> kLinhasMonitoramento[] = {
    {kMonitoraSistema, {Campo(&V::monitora_sistema)}},
    {"[Passo Tempo Rel = %i]\n", {Campo(&V::passo)}},
    {"[Monitorar Consumo = %i]\n", {Campo(&V::monitora_consumo)}},
    {kDados, arqaux::Elementos(&V::dados)},
};

// Writes the settings' lines; false without a stream or values, or when the
// stream reports a failed write.
bool Grava_Ajustes(FILE* arq, arqaux::TTabela<V> linhas, int sistema, int consumo, int passo,
                   const int* dados) {
  if (arq == nullptr || dados == nullptr) return false;
  V v;
  v.monitora_sistema = sistema;
  v.monitora_consumo = consumo;
  v.passo = passo;
  std::copy_n(dados, kNumDados, v.dados);
  return arqaux::Grava_Linhas(arq, linhas, v) && arqaux::Gravou(arq);
}

// Reads the settings' lines into the caller's variables; false at the first
// line that does not match, what was read before it stored.
bool Le_Ajustes(FILE* arq, arqaux::TTabela<V> linhas, int* sistema, int* consumo, int* passo,
                int* dados) {
  if (arq == nullptr || sistema == nullptr || consumo == nullptr || passo == nullptr ||
      dados == nullptr)
    return false;
  V v;
  v.monitora_sistema = *sistema;
  v.monitora_consumo = *consumo;
  v.passo = *passo;
  std::copy_n(dados, kNumDados, v.dados);
  const bool lido = arqaux::Le_Linhas(arq, linhas, &v);
  *sistema = v.monitora_sistema;
  *consumo = v.monitora_consumo;
  *passo = v.passo;
  std::copy_n(v.dados, kNumDados, dados);
  return lido;
}

}  // namespace

bool TGeren_ArquivoAux::SalvaDadosRelatorioCab_HVAC(int monitora_sistema, int monitora_consumo,
                                                    int passo, int* dados) {
  return Grava_Ajustes(Arquivo_Atual, kLinhasCabecalho, monitora_sistema, monitora_consumo, passo,
                       dados);
}

bool TGeren_ArquivoAux::CarregaDadosRelatorioCab_HVAC(int* monitora_sistema, int* monitora_consumo,
                                                      int* passo, int* dados) {
  return Le_Ajustes(Arquivo_Atual, kLinhasCabecalho, monitora_sistema, monitora_consumo, passo,
                    dados);
}

bool TGeren_ArquivoAux::Grava_Dados_Monit_Cons_HVAC(int monitora_sistema, int monitora_consumo,
                                                    int passo, int* dados,
                                                    TIntervalos* resfriamento,
                                                    TIntervalos* aquecimento) {
  FILE* arq = Arquivo_Atual;
  using arqaux::TTitulo_Horarios;
  return Grava_Ajustes(arq, kLinhasMonitoramento, monitora_sistema, monitora_consumo, passo,
                       dados) &&
         arqaux::Grava_Horarios(arq, resfriamento, TTitulo_Horarios::Resfriamento) &&
         arqaux::Grava_Horarios(arq, aquecimento, TTitulo_Horarios::Aquecimento);
}

bool TGeren_ArquivoAux::Le_Dados_Monit_Cons_HVAC(int n, int* monitora_sistema,
                                                 int* monitora_consumo, int* passo, int* dados,
                                                 TIntervalos* resfriamento,
                                                 TIntervalos* aquecimento) {
  FILE* arq = Seleciona_Arquivo(n);
  using arqaux::TTitulo_Horarios;
  return Le_Ajustes(arq, kLinhasMonitoramento, monitora_sistema, monitora_consumo, passo, dados) &&
         arqaux::Le_Horarios(arq, resfriamento, TTitulo_Horarios::Resfriamento) &&
         arqaux::Le_Horarios(arq, aquecimento, TTitulo_Horarios::Aquecimento);
}

// One item of the system file, by kind: the fan coils have a block of their
// own, the plant's kinds the equipment block.
bool TGeren_ArquivoAux::SalvaDadosRelatorio_HVAC(const std::vector<float>& dados,
                                                 const std::vector<int>& conf,
                                                 const char* const* nomes, int numero, int contagem,
                                                 int tipo, CFanCoil* fancoil) {
  if (tipo == 0) return Grava_Dados_FanCoil(fancoil, numero, contagem);
  return Grava_Dados_Equips_Sist_Prim_HVAC(dados, conf, nomes, numero, contagem, tipo);
}

bool TGeren_ArquivoAux::CarregaDadosRelatorio_HVAC(int n, std::vector<float>& dados,
                                                   std::vector<int>& conf, CFanCoil* fancoil,
                                                   int tipo) {
  if (Seleciona_Arquivo(n) == nullptr) return false;
  if (tipo == 0) return Le_Dados_FanCoil(n, fancoil);
  // The names are read and let go: the caller gets the values only.
  char buffers[Num_Nomes_Equip][Tam_Nome_Equip] = {};
  char* nomes[Num_Nomes_Equip];
  for (int i = 0; i < Num_Nomes_Equip; ++i) nomes[i] = buffers[i];
  return Le_Dados_Equips_Sist_Prim_HVAC(n, dados, conf, nomes, tipo);
}
