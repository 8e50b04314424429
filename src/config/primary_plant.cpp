// The primary HVAC plant in the system file: per equipment kind, a count line
// and one block per item. An item is the values the caller hands over, which
// this file does not interpret: floats (data), ints (report settings) and
// names. A cooling tower with two items:
//
//   [Nº Torres Resf. = 2]
//      [Torre Resf. 1]
//         {Dados:1.000000,2.000000,...,9.000000,}
//         {Conf_Rel:1,0,1,1,0,0,}
//      [Torre Resf. 2]
//   ...
//
// (three blanks before a head line, six before the two value lines). The
// data line ends with the item's names, each in brackets, separated by
// commas and closed by "}": "...,23.000000,[Compressor],[A],[B],[C]}". A kind
// without names closes right after its last "%f,".
//
//   kind                            floats   ints  names
//   1 air-cooled chiller                23      7      4
//   2 water-cooled chiller              27     10      4
//   3 cooling tower                      9      6      0
//   4 boiler                            18     10      1
//   5 hot-water pump                    11      6      1
//   6 chilled-water pump                12      6      1
//   7 condenser-water pump               7      6      0
//   8 chilled-water tank            10 + 3n     2      n
//   9 secondary chilled-water pump      12      6      1
//
// A tank's n, its number of connections, is its sixth float, a whole number
// from 0 to 10: the reader's caller gives ten name buffers. Its 3n further
// floats follow its ten, before the names. Kind 0, the fan coils, has a block
// of its own (Grava_Dados_FanCoil); only its count line "[Nº Fancoils = %i]"
// is read here.
//
// The count line is written before item 1 of N, or alone, with count 0, for
// the call with item 0 of count 0; a kind with no items is that line alone.
// Counts are written "%i" and read "%d", as are the report settings.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "arqaux/geren_arquivoaux.h"
#include "engine/linhas_config.h"
#include "engine/registros.h"

using arqaux::Campo;
using arqaux::TComum;
using arqaux::TLinha;

namespace {

// One name per connection, in the buffers the reader is given.
constexpr int kMaxConexoes = TGeren_ArquivoAux::Num_Nomes_Equip;
// A name's buffer on the reader's side, terminator included.
constexpr int kTamNome = TGeren_ArquivoAux::Tam_Nome_Equip;
constexpr int kIndiceConexoes = 5;
constexpr int kReaisTanque = 10;
constexpr int kMaxReais = kReaisTanque + 3 * kMaxConexoes;
constexpr int kMaxInteiros = 10;
constexpr int kTipoFancoil = 0;
constexpr int kNumTipos = 10;
// The names of a kind whose count is the tank's number of connections.
constexpr int32_t kPorConexao = -1;

struct TValores_Equip {
  int32_t numero = 0;
  float dados[kMaxReais] = {};
  char nomes[kMaxConexoes][kTamNome] = {};
  int32_t conf[kMaxInteiros] = {};
};

struct TTipo_Equip {
  const char* contagem;
  const char* cabeca;  // null for the fan coils, whose items are not written here
  int32_t reais;
  int32_t inteiros;
  int32_t nomes;
};

// "Nº" in Windows-1252; a blank follows every escape.
const TTipo_Equip kTipos[kNumTipos] = {
    {"[N\xBA Fancoils = %i]\n", nullptr, 0, 0, 0},
    {"[N\xBA Chillers Ar = %i]\n", "   [Chiller Ar %d]\n", 23, 7, 4},
    {"[N\xBA Chillers Agua = %i]\n", "   [Chiller Agua %d]\n", 27, 10, 4},
    {"[N\xBA Torres Resf. = %i]\n", "   [Torre Resf. %d]\n", 9, 6, 0},
    {"[N\xBA Boillers = %i]\n", "   [Boiler %d]\n", 18, 10, 1},
    {"[N\xBA Bombas Aq. = %i]\n", "   [Bomba Aq. %d]\n", 11, 6, 1},
    {"[N\xBA Bombas Ag. = %i]\n", "   [Bomba Ag. %d]\n", 12, 6, 1},
    {"[N\xBA Bombas Cond. = %i]\n", "   [Bomba Cond. %d]\n", 7, 6, 0},
    {"[N\xBA Tanque Agua Gelada = %i]\n", "   [Tanque %d]\n", kReaisTanque, 2, kPorConexao},
    {"[N\xBA Bombas Ag. Sec = %i]\n", "   [Bomba Ag. Sec %d]\n", 12, 6, 1},
};

// The lines of one kind: its count line, its head line, and the rest of an
// item's block.
struct TLinhas_Equip {
  TLinha<TComum> contagem;
  TLinha<TValores_Equip> cabeca;
  std::vector<TLinha<TValores_Equip>> corpo;
};

TLinhas_Equip Monta_Linhas(const TTipo_Equip& t) {
  using V = TValores_Equip;
  const auto conexoes = arqaux::Elemento(&V::dados, kIndiceConexoes);
  const bool tanque = t.nomes == kPorConexao;
  TLinhas_Equip l{{t.contagem, {Campo(&TComum::numero)}}, {t.cabeca, {Campo(&V::numero)}}, {}};
  l.corpo.push_back({"      {Dados:", {}});
  l.corpo.push_back({"%f,", {arqaux::Vetor(&V::dados, t.reais)}});
  if (tanque) l.corpo.push_back({"%f,", {arqaux::Vetor_Contado(&V::dados, conexoes, 3, t.reais)}});
  l.corpo.push_back({"[%s]",
                     {arqaux::Separado(tanque ? arqaux::Vetor_Contado(&V::nomes, conexoes)
                                              : arqaux::Vetor(&V::nomes, t.nomes),
                                       ",")}});
  l.corpo.push_back({"}\n", {}});
  l.corpo.push_back({"      {Conf_Rel:", {}});
  l.corpo.push_back({"%i,", {arqaux::Vetor(&V::conf, t.inteiros)}});
  l.corpo.push_back({"}\n", {}});
  return l;
}

const std::vector<TLinhas_Equip> kLinhas = [] {
  std::vector<TLinhas_Equip> linhas;
  for (const TTipo_Equip& t : kTipos) linhas.push_back(Monta_Linhas(t));
  return linhas;
}();

arqaux::TTabela<TValores_Equip> Corpo(const TLinhas_Equip& linhas) {
  arqaux::TTabela<TValores_Equip> corpo;
  corpo.linhas = linhas.corpo.data();
  corpo.n = linhas.corpo.size();
  return corpo;
}

// Kinds 1 to 9, the ones with item blocks here; null for any other.
const TTipo_Equip* Tipo_Item(int tipo) {
  return tipo > kTipoFancoil && tipo < kNumTipos ? &kTipos[tipo] : nullptr;
}

// How many floats, ints and names an item of kind t holds; a tank's from
// its connection count, none when that is not a whole number from 0 to 10.
struct TTamanho {
  size_t reais, inteiros, nomes;
  bool valido;
};

TTamanho Tamanho(const TTipo_Equip& t, const TValores_Equip& v) {
  if (t.nomes != kPorConexao) {
    return {static_cast<size_t>(t.reais), static_cast<size_t>(t.inteiros),
            static_cast<size_t>(t.nomes), true};
  }
  const float n = v.dados[kIndiceConexoes];
  if (!(n >= 0 && n <= kMaxConexoes) || n != std::floor(n)) {
    return {static_cast<size_t>(t.reais), static_cast<size_t>(t.inteiros), 0, false};
  }
  const size_t conexoes = static_cast<size_t>(n);
  return {t.reais + 3 * conexoes, static_cast<size_t>(t.inteiros), conexoes, true};
}

// The caller's floats and ints, as far as the values hold them.
void Copia_Vetores(const std::vector<float>& dados, const std::vector<int>& conf,
                   TValores_Equip* v) {
  std::copy_n(dados.begin(), std::min<size_t>(dados.size(), kMaxReais), v->dados);
  std::copy_n(conf.begin(), std::min<size_t>(conf.size(), kMaxInteiros), v->conf);
}

// A name the reader gets back whole: 1 to 19 characters, no closing bracket.
bool Nome_Gravavel(const char* nome) {
  if (nome == nullptr) return false;
  const size_t n = strnlen(nome, kTamNome);
  return n > 0 && n < kTamNome && std::memchr(nome, ']', n) == nullptr;
}

// The values of an item to write; false when the caller's vectors or names
// cannot give the whole item.
bool Valores_Para_Gravar(const TTipo_Equip& t, const std::vector<float>& dados,
                         const std::vector<int>& conf, const char* const* nomes,
                         TValores_Equip* v) {
  if (dados.size() < static_cast<size_t>(t.reais)) return false;
  Copia_Vetores(dados, conf, v);
  const TTamanho tam = Tamanho(t, *v);
  if (!tam.valido || dados.size() < tam.reais || conf.size() < tam.inteiros) return false;
  for (size_t k = 0; k < tam.nomes; ++k) {
    if (nomes == nullptr || !Nome_Gravavel(nomes[k])) return false;
    std::memcpy(v->nomes[k], nomes[k], strnlen(nomes[k], kTamNome));
  }
  return true;
}

// Hands what was read back to the caller: every value the item holds, as far
// as the vectors go, and each name read. False when the vectors or the name
// buffers given cannot hold the whole item.
bool Devolve_Valores(const TTipo_Equip& t, const TValores_Equip& v, std::vector<float>& dados,
                     std::vector<int>& conf, char** nomes) {
  const TTamanho tam = Tamanho(t, v);
  std::copy_n(v.dados, std::min(dados.size(), tam.reais), dados.begin());
  std::copy_n(v.conf, std::min(conf.size(), tam.inteiros), conf.begin());
  bool cabe = dados.size() >= tam.reais && conf.size() >= tam.inteiros;
  for (size_t k = 0; k < tam.nomes; ++k) {
    if (nomes == nullptr || nomes[k] == nullptr) {
      cabe = false;
    } else if (v.nomes[k][0] != '\0') {
      std::memcpy(nomes[k], v.nomes[k], kTamNome);
    }
  }
  return cabe;
}

}  // namespace

bool TGeren_ArquivoAux::Grava_Dados_Equips_Sist_Prim_HVAC(const std::vector<float>& dados,
                                                          const std::vector<int>& conf,
                                                          const char* const* nomes, int numero,
                                                          int contagem, int tipo) {
  FILE* arq = Arquivo_Atual;
  const TTipo_Equip* t = Tipo_Item(tipo);
  if (arq == nullptr || t == nullptr || contagem < 0) return false;
  TValores_Equip v;
  if (contagem != 0 && !Valores_Para_Gravar(*t, dados, conf, nomes, &v)) return false;
  const TLinhas_Equip& linhas = kLinhas[static_cast<size_t>(tipo)];
  bool ok = true;
  if ((contagem != 0 && numero == 1) || (contagem == 0 && numero == 0)) {
    TComum c;
    c.numero = contagem;
    ok = arqaux::Grava_Linha(arq, linhas.contagem, c) >= 0;
  }
  if (contagem != 0) {
    v.numero = numero;
    ok = arqaux::Grava_Linha(arq, linhas.cabeca, v) >= 0 && ok;
    ok = arqaux::Grava_Linhas(arq, Corpo(linhas), v) && ok;
  }
  return ok && arqaux::Gravou(arq);
}

int TGeren_ArquivoAux::Le_Num_Reg_Equips_Sist_Prim_HVAC(int n, int tipo) {
  if (tipo < 0 || tipo >= kNumTipos) return 0;
  FILE* arq = Seleciona_Arquivo(n);
  if (arq == nullptr) return -1;
  TComum c;
  if (arqaux::Le_Linha(arq, kLinhas[static_cast<size_t>(tipo)].contagem, &c)) return c.numero;
  return std::feof(arq) ? -1 : 0;
}

bool TGeren_ArquivoAux::Le_Dados_Equips_Sist_Prim_HVAC(int n, std::vector<float>& dados,
                                                       std::vector<int>& conf, char** nomes,
                                                       int tipo) {
  const TTipo_Equip* t = Tipo_Item(tipo);
  if (t == nullptr) return false;
  FILE* arq = Seleciona_Arquivo(n);
  if (arq == nullptr) return false;
  const TLinhas_Equip& linhas = kLinhas[static_cast<size_t>(tipo)];
  TValores_Equip v;
  Copia_Vetores(dados, conf, &v);
  if (!arqaux::Le_Linha(arq, linhas.cabeca, &v)) return false;
  if (v.numero == 0) return true;
  const bool lido = arqaux::Le_Linhas(arq, Corpo(linhas), &v);
  return Devolve_Valores(*t, v, dados, conf, nomes) && lido;
}
