// Glazing property databases.
//
// The model table "Tab_Propr_Vitreas.txt", in the models directory:
//
//   [Registros = 2]
//
//   [Claro 3mm]
//   Id=1
//   Espessura=0.003000
//   Modelo_Padrao=1
//   Absortividade={0.1,...nine values...}
//   Transmissividade={...nine values...}
//   Transmissividade_Sistema={...nine values...}
//   (a blank line, then the next model)
//
// Loading walks the models up to the wanted index into the same record, so
// an index beyond the table leaves the last model; the walk also stops where
// the data has ended or a model consumed nothing, since every further model
// would then leave the record as it is (a count of 2^31-1 in a short file
// reads no longer than the file). A line that does not scan keeps the
// record's previous values; the identifier is read and dropped. A name
// longer than 31 characters is cut there and fails its line, so the model's
// later lines do not scan.
//
// The external database is comma-separated text that the host opens: a title
// row and data rows whose layout depends on the table kind (0 to 3). Every
// text is scanned into a caller's buffer of Tam_Campo_Vitreous bytes, at most
// Tam_Campo_Vitreous - 1 characters: a longer field is cut there and the row's
// scan stops at the cut. A row's last text runs to the line end, but leaves
// out a "\r" just before it: a file with "\r\n" line ends reads as one with
// "\n" ones, as every other catalogue does (the "\n" itself stays, as ever,
// for the next scan). A title row stops before its line end; a data row that
// matches neither form counts as read when any character was consumed.
//
// The gas file, "Vitreous/<name>" under the models directory (a relative
// folder, not one at the root of the drive), starts with
// text that each gap's pattern (a database text field) matches, then a line
// of eight coefficients a0, a1, b0, b1, c0, c1, d0, d1. For a gap temperature
// T: P = a0 + a1·T, Q = c0 + c1·T, R = (d0 + d1·T)·P / (b0 + b1·T), in single
// precision. Gap 1 is read and stored before gap 2's pattern is tried, so a
// failure at gap 2 leaves gap 1's values stored.
#include <cstring>
#include <string>

#include "arqaux/contracts/utility.h"
#include "arqaux/geren_arquivoaux.h"
#include "catalogues/catalogo_texto.h"

using arqaux::Campo;
using arqaux::Elementos;
using arqaux::TLinha;

namespace {

// ---- The model table ----

struct TModelo_Vidro {
  char nome[ARQAUX_TAM_NOME_VIDRO];
  int32_t id;
  float espessura;
  int32_t padrao;
  float absortividade[9];
  float transmissividade[9];
  float sistema[9];
};

const TLinha<arqaux::TContagem> kContagemVidros = {"[Registros = %d]\n\n",
                                                   {Campo(&arqaux::TContagem::n)}};

const TLinha<TModelo_Vidro> kLinhasVidro[] = {
    {"[%s]\n", {Campo(&TModelo_Vidro::nome)}},
    {"Id=%d\n", {Campo(&TModelo_Vidro::id)}},
    {"Espessura=%f\n", {Campo(&TModelo_Vidro::espessura)}},
    {"Modelo_Padrao=%d\n", {Campo(&TModelo_Vidro::padrao)}},
    {"Absortividade={%f,%f,%f,%f,%f,%f,%f,%f,%f}\n", Elementos(&TModelo_Vidro::absortividade)},
    {"Transmissividade={%f,%f,%f,%f,%f,%f,%f,%f,%f}\n",
     Elementos(&TModelo_Vidro::transmissividade)},
    {"Transmissividade_Sistema={%f,%f,%f,%f,%f,%f,%f,%f,%f}\n\n",
     Elementos(&TModelo_Vidro::sistema)},
};

// Nine values of a line into entries 0-8 of an array of ten, entry 9 cleared.
void Copia_Nove(const float (&de)[9], float (&para)[10]) {
  std::memcpy(para, de, sizeof(de));
  para[9] = 0.0f;
}

// Reads the models of the table on arq up to the record's index into it.
void Carrega_Ate_Indice(FILE* arq, TProp_Vitreas* p) {
  TModelo_Vidro m{};
  std::memcpy(m.nome, p->Nome, sizeof(m.nome));
  m.espessura = p->Espessura;
  m.padrao = p->Modelo_Padrao;
  std::memcpy(m.absortividade, p->Absortividade, sizeof(m.absortividade));
  std::memcpy(m.transmissividade, p->Transmissividade, sizeof(m.transmissividade));
  std::memcpy(m.sistema, p->Transmissividade_Sistema, sizeof(m.sistema));
  arqaux::TContagem total;
  arqaux::Le_Linha(arq, kContagemVidros, &total);
  bool lido = false;
  for (int i = 0; i < total.n && !arqaux::Acabou(arq); ++i) {
    const long antes = std::ftell(arq);
    arqaux::Le_Linhas(arq, kLinhasVidro, &m, arqaux::TPolitica_Falha::Le_Tudo);
    lido = true;
    if (i == p->Indice_Registro || std::ftell(arq) == antes) break;
  }
  if (!lido) return;
  std::memcpy(p->Nome, m.nome, sizeof(m.nome));
  p->Espessura = m.espessura;
  p->Modelo_Padrao = m.padrao;
  Copia_Nove(m.absortividade, p->Absortividade);
  Copia_Nove(m.transmissividade, p->Transmissividade);
  Copia_Nove(m.sistema, p->Transmissividade_Sistema);
}

// ---- The external database ----

// One row form: the scan pattern with "%[" unbounded, and which conversion
// goes where: 't' the next text buffer, 'v' the next value.
struct TForma_Linha {
  const char* padrao;
  const char* destinos;
};

constexpr int kMax_Conversoes = 16;

// Title rows of kinds 0 to 3 (texts only), and data rows: plain and quoted
// forms of kinds 0 and 1, the one form of kinds 2 and 3.
const TForma_Linha kTitulos[] = {
    {"%[^,],%[^,],%[^,],%[^,],%[^,],%[^,],%[^,],%[^,],%[^,],%[^,],%[^,],%[^,],%[^,],%[^,],%[^\n]",
     "ttttttttttttttt"},
    {"%[^,],%[^,],%[^,],%[^,],%[^,],%[^,],%[^,],%[^,],%[^,],%[^,],%[^,],%[^,],%[^,],%[^,],%[^,],"
     "%[^\n]",
     "tttttttttttttttt"},
    {"%[^,],%[^,],%[^,],%[^,],%[^,],%[^,],%[^,],%[^,],%[^\n]", "ttttttttt"},
    {"%[^,],%[^,],%[^,],%[^,],%[^,],%[^,],%[^,],%[^,],%[^\n]", "ttttttttt"},
};
const TForma_Linha kDados[] = {
    {"%f,%[^,],%[^,],%[^,],%[^,],%f,%f,%f,%f,%f,%f,%f,%f,%[^,],%[^\n]", "vttttvvvvvvvvtt"},
    {"%f,%[^,],%[^,],%[^,],%[^,],%f,%f,%f,%f,%f,%f,%f,%f,%f,%[^,],%[^\n]", "vttttvvvvvvvvvtt"},
    {"%[^,],%[^,],%[^,],%f,%f,%f,%f,%f,%f\n", "tttvvvvvv"},
    {"%[^,],%f,%f,%f,%f,%f,%f,%f,%f\n", "tvvvvvvvv"},
};
const TForma_Linha kDadosAspas[] = {
    {"%f,%[^,],\"%[^\"]\",%[^,],%[^,],%f,%f,%f,%f,%f,%f,%f,%f,%[^,],%[^\n]", "vttttvvvvvvvvtt"},
    {"%f,%[^,],\"%[^\"]\",%[^,],%[^,],%f,%f,%f,%f,%f,%f,%f,%f,%f,%[^,],%[^\n]", "vttttvvvvvvvvvtt"},
};

// The pattern with every "%[" bounded by the buffer size.
std::string Com_Largura(const char* padrao) {
  const std::string largura = std::to_string(TGeren_ArquivoAux::Tam_Campo_Vitreous - 1);
  std::string s;
  for (const char* c = padrao; *c != '\0'; ++c) {
    s += *c;
    if (c[0] == '%' && c[1] == '[') s += largura;
  }
  return s;
}

// Scans one row form into the caller's texts and values. Returns the
// scan's result, or 0 when a buffer the form needs is missing.
int Le_Forma(FILE* arq, const TForma_Linha& forma, char** textos, float* valores) {
  void* d[kMax_Conversoes] = {};
  int t = 0, v = 0, k = 0;
  for (const char* c = forma.destinos; *c != '\0' && k < kMax_Conversoes; ++c, ++k) {
    if (*c == 't') {
      if (textos[t] == nullptr) return 0;
      d[k] = textos[t++];
    } else {
      if (valores == nullptr) return 0;
      d[k] = &valores[v++];
    }
  }
  const std::string padrao = Com_Largura(forma.padrao);
  const int lidos = std::fscanf(arq, padrao.c_str(), d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7],
                                d[8], d[9], d[10], d[11], d[12], d[13], d[14], d[15]);
  // A last text runs to the line end; in a line ended by "\r\n" the "\r"
  // belongs to the line end, not to the text.
  if (lidos == k && k > 0 && forma.destinos[k - 1] == 't') {
    char* ultimo = static_cast<char*>(d[k - 1]);
    const size_t tamanho = std::strlen(ultimo);
    if (tamanho > 0 && ultimo[tamanho - 1] == '\r') ultimo[tamanho - 1] = '\0';
  }
  return lidos;
}

// ---- The gas file ----

// Bytes of the scratch output a gap's pattern scans into.
constexpr int kRascunho = 256;

// Whether a pattern's conversion letter, after its modifiers, is one the
// scratch output can take.
bool Conversao_Aceita(char c) { return c != '\0' && std::strchr("diouxXaAeEfFgGscp[", c); }

// The gap's pattern (a database text field of ARQAUX_TAM_CAMPO_VIDRO bytes,
// not necessarily terminated) made safe to scan with one scratch output: at
// most one assigning conversion, no "%n", no positional or allocating
// conversion, and a text conversion bounded by the scratch. False for a
// pattern that cannot be made so; the gap then matches nothing.
bool Padrao_Seguro(const char* campo, std::string* padrao) {
  const std::string p(campo, strnlen(campo, ARQAUX_TAM_CAMPO_VIDRO));
  int atribuicoes = 0;
  for (size_t i = 0; i < p.size(); ++i) {
    *padrao += p[i];
    if (p[i] != '%') continue;
    if (++i < p.size() && p[i] == '%') {
      *padrao += '%';
      continue;
    }
    const bool suprimida = i < p.size() && p[i] == '*';
    if (suprimida) *padrao += p[i++];
    size_t largura = 0;
    std::string digitos;
    while (i < p.size() && p[i] >= '0' && p[i] <= '9') digitos += p[i++];
    if (!digitos.empty()) largura = std::stoul(digitos.substr(0, 4));
    std::string modificador;
    while (i < p.size() && std::strchr("hlLjzt", p[i]) != nullptr) modificador += p[i++];
    if (i >= p.size() || !Conversao_Aceita(p[i])) return false;
    const bool texto = std::strchr("sc[", p[i]) != nullptr;
    if (!suprimida) {
      if (++atribuicoes > 1 || (texto && (!modificador.empty() || largura >= kRascunho)))
        return false;
      if (p[i] != 'c' && texto && largura == 0) digitos = std::to_string(kRascunho - 1);
    }
    *padrao += digitos + modificador + p[i];
    if (p[i] != '[') continue;
    // A set: a "]" right after "[" or "[^" belongs to it.
    size_t fim = i + 1;
    if (fim < p.size() && p[fim] == '^') ++fim;
    if (fim < p.size() && p[fim] == ']') ++fim;
    fim = p.find(']', fim);
    if (fim == std::string::npos) return false;
    *padrao += p.substr(i + 1, fim - i);
    i = fim;
  }
  return true;
}

// Stores the properties of gap g (1 or 2) at temperature-dependent entries,
// as the record's number of gaps says.
void Guarda_Camara(TProp_Vitreas* p, int g, const float (&c)[8]) {
  const float a0 = c[0], a1 = c[1], b0 = c[2], b1 = c[3], c0 = c[4], c1 = c[5], d0 = c[6],
              d1 = c[7];
  int entrada;
  float t;
  if (p->Num_Camaras == 1 && g == 1) {
    entrada = 0, t = p->Temp_Camara[1];
  } else if (p->Num_Camaras == 2) {
    entrada = g, t = p->Temp_Camara[0];
  } else {
    return;
  }
  const float prop_p = a0 + a1 * t;
  p->Prop_P[entrada] = prop_p;
  p->Prop_Q[entrada] = c0 + c1 * t;
  p->Prop_R[entrada] = (d0 + d1 * t) * prop_p / (b0 + b1 * t);
  float* bloco = g == 1 ? p->Coef_Gas_1 : p->Coef_Gas_2;
  const float ordem[8] = {b0, b1, d0, d1, a0, a1, c0, c1};
  std::memcpy(bloco, ordem, sizeof(ordem));
}

}  // namespace

bool TGeren_ArquivoAux::Carrega_Um_ModVidr(TProp_Vitreas* propriedades) {
  if (propriedades == nullptr || !DLL_UTIL_Geren_Dir()->Muda_Dir_Modelos()) return false;
  const int n = Abre_Arquivo("Tab_Propr_Vitreas.txt", "rt");
  if (n == 0) return false;
  Carrega_Ate_Indice(Arquivo_Atual, propriedades);
  Fecha_Arquivo(n);
  return true;
}

bool TGeren_ArquivoAux::Le_Titulo_DB_Vitreous(char** textos, int tipo) {
  if (tipo < 0 || tipo > 3) return true;
  if (Arquivo_Atual == nullptr || textos == nullptr) return false;
  return Le_Forma(Arquivo_Atual, kTitulos[tipo], textos, nullptr) != 0;
}

bool TGeren_ArquivoAux::Le_Base_Dados_Vitreous(char** textos, float* valores, int tipo) {
  FILE* arq = Arquivo_Atual;
  if (arq == nullptr || textos == nullptr || valores == nullptr) return false;
  const long inicio = std::ftell(arq);
  if (tipo == 0 || tipo == 1) {
    // The plain form reaches its tenth conversion only past the third text.
    constexpr int kMinimo_Simples = 10;
    if (Le_Forma(arq, kDados[tipo], textos, valores) < kMinimo_Simples) {
      std::fseek(arq, inicio, SEEK_SET);
      if (Le_Forma(arq, kDadosAspas[tipo], textos, valores) == 0) return false;
    }
  } else if (tipo == 2 || tipo == 3) {
    if (Le_Forma(arq, kDados[tipo], textos, valores) == 0) return false;
  }
  return std::ftell(arq) != inicio;
}

bool TGeren_ArquivoAux::Le_GasProps_DB_Vitreous(TProp_Vitreas* p) {
  if (p == nullptr || !DLL_UTIL_Geren_Dir()->Muda_Dir_Modelos()) return false;
  const std::string nome(p->Arquivo_Gas, strnlen(p->Arquivo_Gas, sizeof(p->Arquivo_Gas)));
  if (Abre_Arquivo(("Vitreous/" + nome).c_str(), "rt") == 0) return false;
  FILE* arq = Arquivo_Atual;
  for (int g = 1; g <= 2; ++g) {
    std::string padrao;
    alignas(16) char rascunho[kRascunho];
    std::rewind(arq);
    if (!Padrao_Seguro(p->Campos_Texto[g == 1 ? 2 : 4], &padrao) ||
        std::fscanf(arq, padrao.c_str(), rascunho) == 0)
      return false;
    float c[8] = {};
    const int lidos = std::fscanf(arq, "%f,%f,%f,%f,%f,%f,%f,%f\n", &c[0], &c[1], &c[2], &c[3],
                                  &c[4], &c[5], &c[6], &c[7]);
    (void)lidos;  // a short line leaves the rest of the coefficients at 0
    if (p->Gas_A || p->Gas_B) Guarda_Camara(p, g, c);
  }
  return true;
}
