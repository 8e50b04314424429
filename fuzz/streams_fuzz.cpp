// Feeds arbitrary bytes, as a result stream, to the stream readers (read
// record after record until one fails) and to the report converters, with
// the flags, stream numbers, interval, counts, index and clocks taken from
// the input.
//
// Input: the operation (byte, modulo NUM_OPERACOES); the flags (byte: bits
// 0-2 the held groups, 3-5 the shown ones, 6 present, 7 ATS); the stream
// numbers (byte: low and high nibble pick the binary and the text stream's
// number from kNumeros); interval, output count and index (int32 each); start
// and end clocks (hour, seconds, month, day: int32 each). The rest is the
// stream.
//
// The HVAC text streams take their monitoring flags from the output count
// (bits 0-8 the fan coil's or the equipment's, bits 9-16 every component's)
// and from the index the report variable (bits 0-4, less one), the kind of
// equipment (bits 5-7, modulo 7) and the fan coil's selected component (bits
// 8-11, less one, modulo 9). With the present flag, the fan coil's rows
// come from the one-pass call for two quantities (the variable and the next)
// on the text stream.
#include <arqaux/arqaux.h>
#include <arqaux/dados.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_comum.h"

namespace {

enum TOperacao {
  LE_TEMP_UMI,
  LE_ATS_ACE,
  LE_ACS,
  LE_PV,
  LE_SAIDA_CONT,
  LE_PESSOAS,
  CONVERTE_TUPMV,
  CONVERTE_ATS_ACE,
  CONVERTE_ACS,
  CONVERTE_PV,
  CONVERTE_SC,
  LE_FANCOIL,
  LE_EQUIPAMENTO,
  CONVERTE_FANCOIL,
  CONVERTE_EQUIPAMENTO,
  NUM_OPERACOES
};

// The binary stream is number 1 and the text stream number 2; the others
// select nothing.
const int kNumeros[8] = {1, 2, 0, -1, 3, INT_MAX, INT_MIN, 1};

struct TArgumentos {
  int operacao;
  bool tem[3];
  bool mostra[3];
  bool presente;
  bool eh_ats;
  int binario;
  int texto;
  int32_t intervalo;
  int32_t saidas;
  int32_t indice;
  TTempo inicio;
  TTempo fim;
};

TArgumentos Le_Argumentos(fuzz::TCursor* c) {
  TArgumentos a;
  a.operacao = c->Byte() % NUM_OPERACOES;
  const uint8_t flags = c->Byte();
  for (int i = 0; i < 3; ++i) {
    a.tem[i] = (flags >> i & 1) != 0;
    a.mostra[i] = (flags >> (i + 3) & 1) != 0;
  }
  a.presente = (flags & 64) != 0;
  a.eh_ats = (flags & 128) != 0;
  const uint8_t numeros = c->Byte();
  a.binario = kNumeros[numeros & 7];
  a.texto = kNumeros[numeros >> 4 & 7];
  a.intervalo = c->Int();
  a.saidas = c->Int();
  a.indice = c->Int();
  a.inicio = fuzz::Le_Relogio<TTempo>(c);
  a.fim = fuzz::Le_Relogio<TTempo>(c);
  return a;
}

// Reads records until a read fails. A reader that reads nothing (a stream
// whose records are absent) is true forever, so the records are counted: no
// stream of these bytes holds more than one record per byte.
template <class F>
void Le_Todos(size_t tamanho, F le) {
  for (size_t i = 0; i <= tamanho && le(); ++i) {
  }
}

void Le(TGeren_ArquivoAux* geren, const TArgumentos& a, size_t tamanho) {
  const int n = a.binario;
  float v[7];
  int inteiro;
  switch (a.operacao) {
    case LE_TEMP_UMI:
      return Le_Todos(tamanho, [&] {
        return geren->Le_Temp_Umi(n, a.tem[0], &v[0], a.tem[1], &v[1], a.tem[2], &v[2], &v[3],
                                  &v[4], &v[5]);
      });
    case LE_ATS_ACE:
      return Le_Todos(tamanho, [&] { return geren->Le_ATS_ACE(n, a.presente, v); });
    case LE_ACS:
      return Le_Todos(tamanho, [&] { return geren->Le_ACS(n, &v[0], &v[1]); });
    case LE_PV:
      return Le_Todos(tamanho, [&] { return geren->Le_PV(n, a.presente, v); });
    case LE_PESSOAS:
      return Le_Todos(tamanho, [&] { return geren->Le_Pessoas_no_Ambiente(n, &inteiro, v); });
    default: {
      // The stream cannot fill more floats than it has bytes; a larger count
      // needs no larger array.
      const int64_t k = std::clamp<int64_t>(a.saidas, 1, static_cast<int64_t>(tamanho / 4 + 1));
      std::vector<float> registro(static_cast<size_t>(k));
      return Le_Todos(tamanho, [&] { return geren->Le_Saida_Cont(n, registro.data(), a.saidas); });
    }
  }
}

void Converte(TGeren_ArquivoAux* geren, const TArgumentos& a) {
  const int b = a.binario;
  const int t = a.texto;
  geren->Muda_Arquivo(t);
  switch (a.operacao) {
    case CONVERTE_TUPMV:
      return geren->Converte_Binario_Texto_TUPMV(b, t, a.tem[0], a.tem[1], a.tem[2], a.mostra[0],
                                                 a.mostra[1], a.mostra[2], &a.inicio, &a.fim,
                                                 a.intervalo);
    case CONVERTE_ATS_ACE:
      return geren->Converte_Binario_Texto_ATS_ACE(b, t, a.presente, a.eh_ats, &a.inicio, &a.fim,
                                                   a.intervalo);
    case CONVERTE_ACS:
      return geren->Converte_Binario_Texto_ACS(b, t, &a.inicio, &a.fim, a.intervalo);
    case CONVERTE_PV:
      return geren->Converte_Binario_Texto_PV(b, t, a.presente, &a.inicio, &a.fim, a.intervalo);
    default:
      return geren->Converte_Binario_Texto_SC(b, t, &a.inicio, &a.fim, a.intervalo, a.saidas,
                                              a.indice);
  }
}

using G = TGeren_ArquivoAux;

// The kinds of primary equipment: those with a reader of their own.
std::vector<const TTipo_HVAC*> Equipamentos() {
  std::vector<const TTipo_HVAC*> e;
  for (const TTipo_HVAC& t : Tipos_HVAC()) {
    if (t.le != nullptr) e.push_back(&t);
  }
  return e;
}

// The HVAC arguments: nine flags, every component's eight, the variable,
// the kind and the selected component.
struct TArgumentos_HVAC {
  std::vector<int> flags;
  std::vector<int> flags_componente;
  int variavel;
  const TTipo_HVAC* equipamento;
  int selecionado;
};

TArgumentos_HVAC Argumentos_HVAC(const TArgumentos& a) {
  const uint32_t bits = static_cast<uint32_t>(a.saidas);
  const uint32_t indice = static_cast<uint32_t>(a.indice);
  TArgumentos_HVAC h;
  for (int k = 0; k < 9; ++k) h.flags.push_back(bits >> k & 1);
  for (int k = 0; k < 8; ++k) h.flags_componente.push_back(bits >> (9 + k) & 1);
  h.variavel = static_cast<int>(indice & 31) - 1;
  static const std::vector<const TTipo_HVAC*> equipamentos = Equipamentos();
  h.equipamento = equipamentos[(indice >> 5 & 7) % equipamentos.size()];
  h.selecionado = static_cast<int>((indice >> 8 & 15) % 9) - 1;
  return h;
}

// A fan coil with one component of each type and a second cooling coil.
class TFanCoil_Fuzz {
 public:
  explicit TFanCoil_Fuzz(const std::vector<int>& flags) {
    const int tipos[8] = {0, 1, 2, 3, 4, 5, 6, 3};
    for (int j = 0; j < 8; ++j) {
      // The report goes by the type code only, which every component
      // class takes.
      TComponente_HVAC* c = new TVentilador({}, {}, tipos[j], j);
      for (int k = 0; k < 8; ++k) c->A_Config_UM(k, flags[static_cast<size_t>(k)]);
      fancoil_.R_Geren_Comp()->Insere_Componente(c);
      componentes_.push_back(c);
    }
  }
  TGeren_Componentes_HVAC* Gerente() { return fancoil_.R_Geren_Comp(); }
  TComponente_HVAC* Componente(int j) {
    return j >= 0 ? componentes_[static_cast<size_t>(j)] : nullptr;
  }

 private:
  CFanCoil fancoil_;
  std::vector<TComponente_HVAC*> componentes_;
};

void Le_HVAC(TGeren_ArquivoAux* geren, const TArgumentos& a, size_t tamanho) {
  TArgumentos_HVAC h = Argumentos_HVAC(a);
  if (a.operacao == LE_FANCOIL) {
    TFanCoil_Fuzz fc(h.flags_componente);
    std::vector<float> valores;
    return Le_Todos(tamanho, [&] {
      return geren->Le_Saida_FanCoil_Dados(a.binario, h.flags, valores, fc.Gerente());
    });
  }
  float valores[MAX_RESULTADOS_HVAC];
  Le_Todos(tamanho,
           [&] { return (geren->*h.equipamento->le)(a.binario, h.flags.data(), valores); });
}

void Converte_HVAC(TGeren_ArquivoAux* geren, const TArgumentos& a) {
  TArgumentos_HVAC h = Argumentos_HVAC(a);
  TTempo par[2] = {a.inicio, a.fim};
  const int b = a.binario;
  const int t = a.texto;
  if (a.operacao == CONVERTE_FANCOIL) {
    TFanCoil_Fuzz fc(h.flags_componente);
    TComponente_HVAC* sel = fc.Componente(h.selecionado);
    geren->Preenche_Cabecalho_FanCoil(t, fc.Gerente(), sel, h.variavel, h.flags, 4, par,
                                      a.intervalo);
    if (a.presente) {
      return geren->Salva_Textos_Dados_FanCoil(b, {t, t}, fc.Gerente(), {sel, sel},
                                               {h.variavel, h.variavel + 1}, h.flags, par,
                                               a.intervalo);
    }
    return geren->Salva_Texo_Dados_FanCoil(b, t, fc.Gerente(), sel, h.variavel, h.flags, par,
                                           a.intervalo);
  }
  (geren->*h.equipamento->cabecalho)(t, h.variavel, h.flags.data(), 4, par, a.intervalo);
  (geren->*h.equipamento->linhas)(b, t, h.variavel, h.flags.data(), par, a.intervalo);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  fuzz::TCursor c(dados, tamanho);
  const TArgumentos a = Le_Argumentos(&c);
  const std::string binario = fuzz::Arquivo("fluxo.bin");
  const std::string texto = fuzz::Arquivo("relatorio.txt");
  if (!fuzz::Grava(binario, c.Dados(), c.Resto())) return 0;
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  if (geren->Abre_Arquivo(binario.c_str(), "rb") != 1 ||
      geren->Abre_Arquivo(texto.c_str(), "wt") != 2) {
    std::abort();  // the registry was not empty: an earlier input left a stream open
  }
  if (a.operacao < CONVERTE_TUPMV) {
    Le(geren, a, c.Resto());
  } else if (a.operacao < LE_FANCOIL) {
    Converte(geren, a);
  } else if (a.operacao < CONVERTE_FANCOIL) {
    Le_HVAC(geren, a, c.Resto());
  } else {
    Converte_HVAC(geren, a);
  }
  geren->Fecha_Todos();
  return 0;
}
