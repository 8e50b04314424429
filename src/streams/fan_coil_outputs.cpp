// Fan-coil output streams: the data and consumption lines written per
// sampling step, the data line's reader, and the reports of the data stream.
//
// Data line, when the fan coil's flag 0 is set: the outdoor air (flag 1)
// and return air (flag 5) values, each under its own flag (kAr); then, for
// each component of the fan coil whose flag 0 is set, in list order, its
// groups in the order of its type (kGrupos), each under its flag; every
// value "%f\t", then "\n". Consumption line: the power of each heater,
// humidifier and fan in list order (kConsumo), their single-precision total,
// each "%f\t", then the extra value as "%f " when given, then "\n".
//
// A report shows one quantity (kVariaveis): per monitored component of the
// kinds the quantity names, the line's values of that quantity, and for
// temperature and humidity the fan coil's air. The report scans each whole
// line into a record of the line's values (engine/text_records.h) and the
// report engine writes it; its hourly averages are the engine's means of
// those values, which are the means of the components' running sums. The
// report leaves the components' results and sums as it found them, after
// clearing the sums once at its start: filling them line by line, which no
// report line reads back, is left to the line reader.
#include <algorithm>
#include <cstdio>
#include <list>
#include <string>
#include <vector>

#include "arqaux/contracts/hvac_model.h"
#include "arqaux/contracts/utility.h"
#include "arqaux/geren_arquivoaux.h"
#include "engine/binario.h"
#include "engine/real_fixo.h"
#include "engine/report_engine.h"
#include "engine/text_records.h"

namespace {

using arqaux::TColuna;
using arqaux::TDescricao_Relatorio;
using arqaux::TFormato_Media;
using namespace arqaux::literais;

constexpr int kTipos = 7;  // component type codes 0 to 6
constexpr int kFlags = CFanCoil::NUM_CONFIG_UM;

// A group of a component's line values: its flag and its result indices.
struct TGrupo {
  int flag;
  int num;
  int indices[2];
};
struct TGrupos_Tipo {
  int num;
  TGrupo grupos[7];
};
#define ARQAUX_AR_COMPONENTE  \
  {1, 1, {0}}, {2, 1, {2}}, { \
    3, 1, { 1 }               \
  }
constexpr TGrupos_Tipo kGrupos[kTipos] = {
    {3, {ARQAUX_AR_COMPONENTE}},                            // mixing box
    {5, {ARQAUX_AR_COMPONENTE, {4, 1, {6}}, {5, 1, {7}}}},  // electric heater
    {7, {ARQAUX_AR_COMPONENTE, {4, 2, {6, 7}}, {6, 2, {8, 9}}, {7, 1, {10}}, {5, 1, {12}}}},
    {7, {ARQAUX_AR_COMPONENTE, {4, 2, {6, 7}}, {6, 2, {8, 9}}, {7, 1, {10}}, {5, 1, {12}}}},
    {5, {ARQAUX_AR_COMPONENTE, {4, 2, {7, 6}}, {5, 1, {8}}}},            // humidifier
    {6, {ARQAUX_AR_COMPONENTE, {4, 1, {6}}, {5, 1, {7}}, {6, 1, {8}}}},  // supply fan
    {6, {ARQAUX_AR_COMPONENTE, {4, 1, {6}}, {5, 1, {7}}, {6, 1, {8}}}},  // return fan
};
#undef ARQAUX_AR_COMPONENTE

// The fan coil's outdoor and return air: the group's flag, then per
// quantity (temperature, relative and absolute humidity) its flag and
// result, and the group's column label.
struct TAr {
  int flag;
  int flags[3];
  int indices[3];
  const char* rotulo;
};
constexpr TAr kAr[2] = {{1, {2, 3, 4}, {11, 13, 12}, "[Ar Externo   ] "},
                        {5, {6, 7, 8}, {14, 16, 15}, "[Ar Retorno   ] "}};

// The power result of each type on the consumption line; -1: none.
constexpr int kConsumo[kTipos] = {-1, 8, -1, -1, 9, 9, 9};

// Column labels (Windows-1252).
const char* const kNomes[kTipos] = {"[Caixa Mistura] ", "[Res. El\xE9trica] ", "[Serp. Aquec. ] ",
                                    "[Serp. Resf.  ] ", "[Umidificador ] ",    "[Vent. Insuf. ] ",
                                    "[Vent. Ret.   ] "};
constexpr const char* kTotal = "[Calor Total  ] ";
constexpr const char* kSensivel = "[Calor Sens\xEDvel] ";
constexpr const char* kEntrada = "[Entrada] ";
constexpr const char* kSaida =
    "[Sa\xED"
    "da ] ";
constexpr const char* kVazao = "[Vaz\xE3o    ]     ";
// A column labelled with its component's name (kNomes).
constexpr const char* kNome = nullptr;

// A column of a component: its label and the result it shows; indice -1:
// no column.
struct TColuna_Componente {
  const char* rotulo = kNome;
  int indice = -1;
};

// A report quantity: its title (or, when null, the title of the selected
// component's type), whether only components of the selected type show,
// the component flag that shows them, the fan coil's air quantity shown
// (-1: none), the components' average format and their columns by type.
struct TVariavel {
  int variavel;
  const char* titulo;
  const char* titulos[kTipos];
  bool do_tipo_selecionado;
  int flag;
  int ar;
  TFormato_Media media;
  TColuna_Componente colunas[kTipos][2];
};

#define ARQAUX_TRANSF     \
  "[Taxa de Transfer\xEA" \
  "ncia de Calor "
#define ARQAUX_RESF "Serpentina de Resfriamento "
#define ARQAUX_AQUEC "Serpentina de Aquecimento "
// clang-format off
constexpr TVariavel kVariaveis[] = {
    {0, "[Temperatura nos Componentes (\xBA" "C) - (Fan Coil", {}, false, 1, 0, "%.2f\t"_media,
     {{{kNome, 0}}, {{kNome, 0}}, {{kNome, 0}}, {{kNome, 0}}, {{kNome, 0}}, {{kNome, 0}},
      {{kNome, 0}}}},
    {1, "[Umidade Relativa nos Componentes (%) - (Fan Coil", {}, false, 2, 1, "%.4f\t"_media,
     {{{kNome, 2}}, {{kNome, 2}}, {{kNome, 2}}, {{kNome, 2}}, {{kNome, 2}}, {{kNome, 2}},
      {{kNome, 2}}}},
    {2, "[Umidade Absoluta nos Componentes (kg/kg) - (Fan Coil", {}, false, 3, 2, "%.5f\t"_media,
     {{{kNome, 1}}, {{kNome, 1}}, {{kNome, 1}}, {{kNome, 1}}, {{kNome, 1}}, {{kNome, 1}},
      {{kNome, 1}}}},
    {3, nullptr,
     {nullptr, ARQAUX_TRANSF "na Resist\xEAncia El\xE9trica (W) - (Fan coil",
      ARQAUX_TRANSF "na " ARQAUX_AQUEC "(W) - (Fan coil",
      ARQAUX_TRANSF "na " ARQAUX_RESF "(W) - (Fan coil",
      ARQAUX_TRANSF "no Umidificador (W) - (Fan coil",
      ARQAUX_TRANSF "no Ventilador de Insuflamento (W) - (Fan coil",
      ARQAUX_TRANSF "no Ventilador de Retorno (W) - (Fan coil"},
     true, 4, -1, "%.2f\t"_media,
     {{}, {{kTotal, 6}}, {{kTotal, 6}, {kSensivel, 7}}, {{kTotal, 6}, {kSensivel, 7}},
      {{kTotal, 7}, {kSensivel, 6}}, {{kTotal, 6}}, {{kTotal, 6}}}},
    {4, nullptr,
     {nullptr, nullptr, "[Temperatura da \xC1gua na " ARQAUX_AQUEC "(\xBA" "C) - (Fan coil",
      "[Temperatura da \xC1gua na " ARQAUX_RESF "(\xBA" "C) - (Fan coil"},
     true, 6, -1, "%.2f\t"_media, {{}, {}, {{kEntrada, 8}, {kSaida, 9}}, {{kEntrada, 8}, {kSaida, 9}}}},
    {5, nullptr,
     {nullptr, nullptr, "[Vaz\xE3o de \xC1gua na " ARQAUX_AQUEC "(L/s) - (Fan coil",
      "[Vaz\xE3o de \xC1gua na " ARQAUX_RESF "(L/s) - (Fan coil"},
     true, 7, -1, "%.2f\t"_media, {{}, {}, {{kVazao, 10}}, {{kVazao, 10}}}},
    {6, "[Vaz\xE3o de Condensado na " ARQAUX_RESF "(g/s) - (Fan coil", {}, true, 5, -1,
     "%.2f\t"_media, {{}, {}, {{kVazao, 12}}, {{kVazao, 12}}}},
    {13, nullptr,
     {nullptr, nullptr, nullptr, nullptr, nullptr,
      "[Vaz\xE3o de Ar no Ventilador de Insuflamento (kg/s) - (Fan coil",
      "[Vaz\xE3o de Ar no Ventilador de Retorno (kg/s) - (Fan coil"},
     true, 6, -1, "%.2f\t"_media, {{}, {}, {}, {}, {}, {{kVazao, 8}}, {{kVazao, 8}}}},
    {16, "[Pot\xEAncia El\xE9trica nos Componentes (W) - (Fan Coil", {}, false, 5, -1,
     "%.2f\t"_media, {{}, {{kNome, 7}}, {}, {}, {{kNome, 8}}, {{kNome, 7}}, {{kNome, 7}}}},
};
// clang-format on
#undef ARQAUX_TRANSF
#undef ARQAUX_RESF
#undef ARQAUX_AQUEC

// Every column shows a value its component's line holds under the
// quantity's flag.
constexpr bool Tabelas_Validas() {
  for (const TVariavel& v : kVariaveis) {
    for (int t = 0; t < kTipos; ++t) {
      for (const TColuna_Componente& c : v.colunas[t]) {
        bool achou = c.indice < 0;
        for (int g = 0; g < kGrupos[t].num; ++g) {
          const TGrupo& grupo = kGrupos[t].grupos[g];
          for (int i = 0; i < grupo.num; ++i)
            achou = achou || (grupo.flag == v.flag && grupo.indices[i] == c.indice);
        }
        if (!achou) return false;
      }
    }
  }
  return true;
}
static_assert(Tabelas_Validas(), "a report column shows a value its line does not hold");

// One value of a data line: a component's result, or the fan coil's when
// componente is null.
struct TValor_Linha {
  TComponente_HVAC* componente;
  int indice;
};

int Tipo(const TComponente_HVAC* componente) {
  const int t = componente->R_Tipo();
  return t >= 0 && t < kTipos ? t : -1;
}

// Calls visita(componente, indice) for each value of a data line in line
// order, by the fan coil's flags and the components' (the fan coil's flag 0
// aside, which says whether there is a line at all); componente is null for
// the fan coil's own results. Walks the components in place, as the writers
// do at every step.
template <class F>
void Percorre_Linha(const int* flags, const TGeren_Componentes_HVAC* componentes, F&& visita) {
  for (const TAr& ar : kAr) {
    if (flags[ar.flag] == 0) continue;
    for (int k = 0; k < 3; ++k) {
      if (flags[ar.flags[k]] != 0) visita(nullptr, ar.indices[k]);
    }
  }
  const int num = componentes != nullptr ? componentes->R_Num_Componentes() : 0;
  for (int i = 0; i < num; ++i) {
    TComponente_HVAC* c = componentes->R_Componente(i);
    if (c->R_Config_UM(0) == 0 || Tipo(c) < 0) continue;
    const TGrupos_Tipo& grupos = kGrupos[Tipo(c)];
    for (int g = 0; g < grupos.num; ++g) {
      if (c->R_Config_UM(grupos.grupos[g].flag) == 0) continue;
      for (int k = 0; k < grupos.grupos[g].num; ++k) visita(c, grupos.grupos[g].indices[k]);
    }
  }
}

// The values of a data line in line order.
std::vector<TValor_Linha> Valores_Linha(const int* flags,
                                        const TGeren_Componentes_HVAC* componentes) {
  std::vector<TValor_Linha> linha;
  Percorre_Linha(flags, componentes, [&linha](TComponente_HVAC* c, int indice) {
    linha.push_back({c, indice});
  });
  return linha;
}

// Where value (componente, indice) lies in the line; -1 when it does not.
int Posicao(const std::vector<TValor_Linha>& linha, const TComponente_HVAC* componente,
            int indice) {
  for (size_t i = 0; i < linha.size(); ++i) {
    if (linha[i].componente == componente && linha[i].indice == indice) return static_cast<int>(i);
  }
  return -1;
}

// The fan coil's nine flags from the caller's vector; missing ones clear.
struct TFlags {
  explicit TFlags(const std::vector<int>& v) {
    std::copy_n(v.begin(), std::min<size_t>(v.size(), kFlags), f);
  }
  int f[kFlags] = {};
};

std::list<TComponente_HVAC*> Lista(const TGeren_Componentes_HVAC* componentes) {
  return componentes != nullptr ? componentes->R_Componentes_Sist_Sec()
                                : std::list<TComponente_HVAC*>();
}

const TVariavel* Variavel(int variavel) {
  for (const TVariavel& v : kVariaveis) {
    if (v.variavel == variavel) return &v;
  }
  return nullptr;
}

// The report of quantity variavel over lines laid out as linha.
TDescricao_Relatorio Descreve(const std::vector<TValor_Linha>& linha, const int* flags,
                              const std::list<TComponente_HVAC*>& componentes,
                              const TComponente_HVAC* selecionado, int variavel, int numero) {
  TDescricao_Relatorio d;
  d.relogio = arqaux::TFormato_Relogio::Espacado;
  d.num_valores = std::max<int>(static_cast<int>(linha.size()), 1);
  const TVariavel* v = Variavel(variavel);
  const int tipo = selecionado != nullptr ? Tipo(selecionado) : -1;
  const char* titulo = v == nullptr           ? nullptr
                       : v->titulo != nullptr ? v->titulo
                       : tipo >= 0            ? v->titulos[tipo]
                                              : nullptr;
  d.titulo = std::string(titulo != nullptr ? titulo : "") + " " + std::to_string(numero) + ")]\n";
  if (v == nullptr) return d;
  for (const TAr& ar : kAr) {
    if (v->ar >= 0 && flags[ar.flag] != 0 && flags[ar.flags[v->ar]] != 0) {
      d.colunas.push_back({arqaux::TRotulo(ar.rotulo), Posicao(linha, nullptr, ar.indices[v->ar]),
                           "%.2f\t\t"_linha, "%.2f\t"_media});
    }
  }
  for (const TComponente_HVAC* c : componentes) {
    const int t = Tipo(c);
    if (t < 0 || c->R_Config_UM(0) == 0 || c->R_Config_UM(v->flag) == 0) continue;
    if (v->do_tipo_selecionado && t != tipo) continue;
    for (const TColuna_Componente& coluna : v->colunas[t]) {
      if (coluna.indice < 0) continue;
      const char* rotulo = coluna.rotulo != kNome ? coluna.rotulo : kNomes[t];
      d.colunas.push_back(
          {arqaux::TRotulo(rotulo), Posicao(linha, c, coluna.indice), "%f\t"_linha, v->media});
    }
  }
  return d;
}

const arqaux::TEspec_Fixo kPorcentoF;
const arqaux::TEscritor_Fixo kEscritorF = arqaux::Escritor_Fixo(kPorcentoF);

// One line's text, built in place in a buffer the thread keeps from line to
// line (a line a step): each value as "%f" writes it, through the writer of
// that conversion, then its separator; then "\n" and one write.
class TTexto_Linha {
 public:
  explicit TTexto_Linha(std::vector<char>* texto) : texto_(*texto) {}
  void Real(float v, char separador) {
    Reserva();
    char* p = kEscritorF(texto_.data() + usado_, v, kPorcentoF);
    *p++ = separador;
    usado_ = static_cast<size_t>(p - texto_.data());
  }
  void Grava(FILE* arq) {
    Reserva();
    texto_[usado_++] = '\n';
    arqaux::Grava_Bloco(arq, texto_.data(), 1, usado_);
  }

 private:
  // Room for one more value and its separator.
  void Reserva() {
    if (texto_.size() < usado_ + arqaux::kMaxTextoRealFixo + 1) {
      texto_.resize(2 * texto_.size() + arqaux::kMaxTextoRealFixo + 1);
    }
  }
  std::vector<char>& texto_;
  size_t usado_ = 0;
};

}  // namespace

void TGeren_ArquivoAux::Grava_Saida_FanCoil_Dados(CFanCoil* fancoil, int n) {
  FILE* arq = Seleciona_Arquivo(n);
  if (arq == nullptr || fancoil == nullptr || fancoil->R_Config_UM(0) == 0) return;
  int flags[kFlags];
  for (int k = 0; k < kFlags; ++k) flags[k] = fancoil->R_Config_UM(k);
  thread_local std::vector<char> buffer;
  TTexto_Linha texto(&buffer);
  Percorre_Linha(flags, fancoil->R_Geren_Comp(), [fancoil, &texto](TComponente_HVAC* c, int i) {
    texto.Real(c != nullptr ? c->R_Result_UM(i) : fancoil->R_Result_UM(i), '\t');
  });
  texto.Grava(arq);
}

void TGeren_ArquivoAux::Grava_Saida_FanCoil_Consumo(CFanCoil* fancoil, int n, float extra,
                                                    bool com_extra) {
  FILE* arq = Seleciona_Arquivo(n);
  if (arq == nullptr || fancoil == nullptr) return;
  thread_local std::vector<char> buffer;
  TTexto_Linha texto(&buffer);
  float total = 0.0f;
  const TGeren_Componentes_HVAC* componentes = fancoil->R_Geren_Comp();
  const int num = componentes != nullptr ? componentes->R_Num_Componentes() : 0;
  for (int i = 0; i < num; ++i) {
    const TComponente_HVAC* c = componentes->R_Componente(i);
    if (Tipo(c) < 0 || kConsumo[Tipo(c)] < 0) continue;
    const float potencia = c->R_Result_UM(kConsumo[Tipo(c)]);
    total += potencia;
    texto.Real(potencia, '\t');
  }
  texto.Real(total, '\t');
  if (com_extra) texto.Real(extra, ' ');
  texto.Grava(arq);
}

bool TGeren_ArquivoAux::Le_Saida_FanCoil_Dados(int n, std::vector<int>& flags,
                                               std::vector<float>& valores,
                                               TGeren_Componentes_HVAC* componentes) {
  FILE* arq = Seleciona_Arquivo(n);
  if (arq == nullptr) return false;
  const TFlags f(flags);
  if (valores.size() < CFanCoil::NUM_RESULT_UM) valores.resize(CFanCoil::NUM_RESULT_UM);
  std::fill_n(valores.begin(), CFanCoil::NUM_RESULT_UM, 0.0f);
  if (f.f[0] == 0) return true;
  const std::vector<TValor_Linha> linha = Valores_Linha(f.f, componentes);
  std::vector<float> lidos(linha.size());
  int k = 0;
  const bool inteira =
      arqaux::Le_Linha_Reais(arq, lidos.data(), static_cast<int>(lidos.size()), &k);
  for (int i = 0; i < k; ++i) {
    if (linha[i].componente == nullptr) {
      valores[linha[i].indice] = lidos[i];
    } else {
      linha[i].componente->A_Result_UM(linha[i].indice, lidos[i]);
      linha[i].componente->A_Soma_Result_UM(linha[i].indice, lidos[i]);
    }
  }
  return inteira;
}

void TGeren_ArquivoAux::Preenche_Cabecalho_FanCoil(int texto, TGeren_Componentes_HVAC* componentes,
                                                   TComponente_HVAC* selecionado, int variavel,
                                                   std::vector<int>& flags, int numero,
                                                   TTempo* periodo, int intervalo) {
  FILE* arq = Seleciona_Arquivo_Aberto(texto);
  if (arq == nullptr || periodo == nullptr) return;
  const TFlags f(flags);
  const std::list<TComponente_HVAC*> lista = Lista(componentes);
  arqaux::TRelatorio_Amostrado(
      Descreve(Valores_Linha(f.f, componentes), f.f, lista, selecionado, variavel, numero),
      Seletor_Relatorios())
      .Escreve_Cabecalho(arq, periodo[0], periodo[1], intervalo);
}

void TGeren_ArquivoAux::Salva_Texo_Dados_FanCoil(int dados, int texto,
                                                 TGeren_Componentes_HVAC* componentes,
                                                 TComponente_HVAC* selecionado, int variavel,
                                                 std::vector<int>& flags, TTempo* periodo,
                                                 int intervalo) {
  Salva_Textos_Dados_FanCoil(dados, {texto}, componentes, {selecionado}, {variavel}, flags, periodo,
                             intervalo);
}

void TGeren_ArquivoAux::Salva_Textos_Dados_FanCoil(
    int dados, const std::vector<int>& textos, TGeren_Componentes_HVAC* componentes,
    const std::vector<TComponente_HVAC*>& selecionados, const std::vector<int>& variaveis,
    std::vector<int>& flags, TTempo* periodo, int intervalo) {
  const arqaux::TSeletor registro = Seletor_Relatorios();
  if (periodo == nullptr || !registro.registrado(dados) || textos.size() != variaveis.size() ||
      textos.size() != selecionados.size() ||
      !std::all_of(textos.begin(), textos.end(), registro.registrado)) {
    return;
  }
  if (componentes != nullptr) componentes->Zera_Soma_Result();
  const TFlags f(flags);
  const std::list<TComponente_HVAC*> lista = Lista(componentes);
  const std::vector<TValor_Linha> linha = Valores_Linha(f.f, componentes);
  // The text streams are made current without reopening, the data stream
  // as usual.
  const arqaux::TSeletor seletor([this, &textos](int n) {
    return std::find(textos.begin(), textos.end(), n) != textos.end() ? Seleciona_Arquivo_Aberto(n)
                                                                      : Seleciona_Arquivo(n);
  });
  std::vector<arqaux::TRelatorio_Amostrado> relatorios;
  std::vector<const arqaux::TRelatorio_Amostrado*> ponteiros;
  relatorios.reserve(textos.size());
  for (size_t i = 0; i < textos.size(); ++i) {
    relatorios.emplace_back(Descreve(linha, f.f, lista, selecionados[i], variaveis[i], 0), seletor);
    ponteiros.push_back(&relatorios.back());
  }
  const int num = std::max<int>(static_cast<int>(linha.size()), 1);
  arqaux::Escreve_Linhas_Texto(ponteiros, seletor, dados, static_cast<int>(linha.size()), textos,
                               arqaux::Registro_Reais(num, f.f[0] != 0), periodo[0], intervalo);
}
