// Thermal load and gain streams: a zone's heat balance, one text line per
// sampling step, written as it is computed (no binary form, no averages).
//
// The balance is 32 floats, 16 components as (sensible, latent) pairs. A gain
// line is "%s - %s   " (date, time) and 35 values: the 16 sensible parts,
// the sensible total, the 16 latent parts, the latent total and the total. A
// load line (kinds 2 and 3) takes its totals and the zone's and exterior's
// conditions from an 18-value zone record: 42 values, the absolute
// humidities with five decimals. Every value is "%07.2f\t " (so 12.5 is
// "0012.50\t " and -12.5 "-012.50\t "), and the line ends "\t \n".
//
// The header is the preamble, when asked for (title, kind label, period,
// interval, a blank line, the legend, a blank line), then the column titles.
// The legend keeps the application's historical names ("Ganho_GVP" for the
// columns titled "Ganho_GV") and order (Rad_Jan after the cooling system),
// so that its text is what users of these files have always read.
//
// Lines are read back with the scan of the printed line, "%f\t " per
// value: a blank in a scan matches any run of white space, so a malformed
// value leaves the rest of its line unread and the next reads misaligned,
// but only the end of the stream ends the reading. The copy into a stream
// with a preamble moves lines until its source ends. A year of steps is
// half a million lines of 40 values, so the copy reads its source in blocks
// and scans each line in memory as the scan would (engine/leitor_real.h),
// its date and time as "%7s" and "%11s" take them; a line in which anything
// is not plain (a text too long for its buffer, a value that does not scan,
// the end of the source) is read from its first byte by the scan itself, so
// that the copy is what the scans give, line for line. A line whose texts
// are what writing its scanned values gives back (each value with no more
// integer digits than its float keeps exact at its decimals, padded with
// zeros to the width and no further) is copied as it is, unconverted.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "arqaux/geren_arquivoaux.h"
#include "engine/binario.h"
#include "engine/leitor_real.h"
#include "engine/report_format.h"
#include "loads/cargas.h"
#include "registry/acesso_registro.h"

namespace {

// Legend lines (Windows-1252): 18 for every stream, 3 more for the loads.
const char* const kLegenda[] = {
    "Trans_Par_S   = Transmiss\xE3o de calor sens\xEDvel nas paredes              ; Trans_Par_L   "
    "= Transmiss\xE3o de calor latente nas paredes              ;\n",
    "Trans_Vid_S   = Transmiss\xE3o de calor sens\xEDvel nos vidros               ; Trans_Vid_L   "
    "= Transmiss\xE3o de calor latente nos vidros               ;\n",
    "Trans_Por_S   = Transmiss\xE3o de calor sens\xEDvel nas portas               ; Trans_Por_L   "
    "= Transmiss\xE3o de calor latente nas portas               ;\n",
    "Trans_Tet_S   = Transmiss\xE3o de calor sens\xEDvel no teto                  ; Trans_Tet_L   "
    "= Transmiss\xE3o de calor latente no teto                  ;\n",
    "Trans_Pis_S   = Transmiss\xE3o de calor sens\xEDvel no piso                  ; Trans_Pis_L   "
    "= Transmiss\xE3o de calor latente no piso                  ;\n",
    "Trans_Mob_S   = Transmiss\xE3o de calor sens\xEDvel nas mob\xEDlias             ; Trans_Mob_L "
    "  = Transmiss\xE3o de calor latente nas mob\xEDlias             ;\n",
    "Ganho_Equ_S   = Ganho interno de calor sens\xEDvel pelos equipamentos     ; Ganho_Equ_L   = "
    "Ganho interno de calor latente pelos equipamentos     ;\n",
    "Ganho_Pes_S   = Ganho interno de calor sens\xEDvel pelas pessoas          ; Ganho_Pes_L   = "
    "Ganho interno de calor latente pelas pessoas          ;\n",
    "Ganho_Ilu_S   = Ganho interno de calor sens\xEDvel pela ilumina\xE7\xE3o        ; Ganho_Ilu_L "
    "  = Ganho interno de calor latente pela ilumina\xE7\xE3o        ;\n",
    "Ganho_GVP_S   = Ganho interno de calor sens\xEDvel pela gera\xE7\xE3o de vapor  ; Ganho_GVP_L "
    "  = Ganho interno de calor latente pela gera\xE7\xE3o de vapor  ;\n",
    "Ganho_Inf_S   = Ganho interno de calor sens\xEDvel por infiltra\xE7\xE3o        ; Ganho_Inf_L "
    "  = Ganho interno de calor latente por infiltra\xE7\xE3o        ;\n",
    "Ganho_VForc_S = Ganho interno de calor sens\xEDvel pela ventila\xE7\xE3o for\xE7"
    "ada; Ganho_VForc_L = Ganho interno de calor latente pela ventila\xE7\xE3o for\xE7"
    "ada;\n",
    "Ganho_VNat_S  = Ganho interno de calor sens\xEDvel pela ventila\xE7\xE3o natural; "
    "Ganho_VNat_L  = Ganho interno de calor latente pela ventila\xE7\xE3o natural;\n",
    "Ganho_Aquec_S = Ganho interno de calor sens\xEDvel pelo sistema de climatiza\xE7\xE3o de "
    "aquecimento (W);  Ganho_Aquec_L = Ganho interno de calor latente pelo sistema de "
    "climatiza\xE7\xE3o de aquecimento (W);\n",
    "Ganho_Resf_S  = Ganho interno de calor sens\xEDvel pelo sistema de climatiza\xE7\xE3o de "
    "resfriamento (W); Ganho_Resf_L  = Ganho interno de calor latente pelo sistema de "
    "climatiza\xE7\xE3o de resfriamento (W);\n",
    "Rad_Jan_S     = Ganho solar sens\xEDvel por radia\xE7\xE3o nas janelas de vidro ; Rad_Jan_L   "
    "  = Ganho solar latente por radia\xE7\xE3o nas janelas de vidro ;\n",
    "Tot_Edif_S    = Somat\xF3rio do ganhos de calor sens\xEDvel da edifica\xE7\xE3o    ; "
    "Tot_Edif_L    = Somat\xF3rio do ganhos de calor latente da edifica\xE7\xE3o    ;\n",
    "Tot_Edif_T    = Somat\xF3rio do ganhos de calor sens\xEDvel e latente da edifica\xE7\xE3o;\n",
};
const char* const kLegenda_Zona[] = {
    "FCS_Zona      = Fator de calor sens\xEDvel da zona; Temp_Zona   = Temperatura interna da "
    "zona; Umi_Rel_Zona  = Umidade relativa da zona;\n",
    "Umi_Ab_Zona   = Umidade absoluta da zona       ; Temp_Ext    = Temperatura externa        ; "
    "Umi_Rel_Ext   = Umidade relativa externa;\n",
    "Umi_Ab_Ext    = Umidade absoluta externa       ;\n",
};

// The components of the balance, in the order of its pairs.
const char* const kComponentes[16] = {"Trans_Par",   "Trans_Vid",  "Trans_Por",   "Trans_Tet",
                                      "Trans_Pis",   "Trans_Mob",  "Ganho_Equ",   "Ganho_Pes",
                                      "Ganho_Ilu",   "Ganho_GV",   "Ganho_Inf",   "Rad_Jan",
                                      "Ganho_VForc", "Ganho_VNat", "Ganho_Aquec", "Ganho_Resf"};

const char kDuas_Casas[] = "%07.2f\t ";
const char kCinco_Casas[] = "%07.5f\t ";

// A column that is not a balance part: its title, its position in the
// totals (gain) or zone record (load), and its format.
struct TColuna_Extra {
  const char* rotulo;
  int indice;
  const char* formato;
};
// Gain totals, as read: sensible, latent, total.
const TColuna_Extra kGanho_Sensivel[] = {{"Tot_Edif_S", 0, kDuas_Casas}};
const TColuna_Extra kGanho_Latente[] = {{"Tot_Edif_L", 1, kDuas_Casas},
                                        {"Tot_Edif_T", 2, kDuas_Casas}};
// Positions in the zone record; 0 to 2 and 12 to 16 are the caller's.
const TColuna_Extra kCarga_Sensivel[] = {{"Tot_Edif_S", 3, kDuas_Casas}};
const TColuna_Extra kCarga_Latente[] = {
    {"Tot_Edif_L", 4, kDuas_Casas},   {"Tot_Edif_T", 17, kDuas_Casas},
    {"FCS_Zona", 5, kDuas_Casas},     {"Temp_Zona", 6, kDuas_Casas},
    {"Umi_Rel_Zona", 7, kDuas_Casas}, {"Umi_Ab_Zona", 8, kCinco_Casas},
    {"Temp_Ext", 9, kDuas_Casas},     {"Umi_Rel_Ext", 10, kDuas_Casas},
    {"Umi_Ab_Ext", 11, kCinco_Casas}};

// One column of a line: a balance part or an extra value, its format and
// its decimals.
struct TColuna_Linha {
  bool balanco;
  int indice;
  arqaux::TFormato_Compilado formato;
  int casas;
};

// A line layout: its columns and the column titles they make.
struct TLayout {
  std::vector<TColuna_Linha> colunas;
  std::string titulos;
};

// The columns: the sensible parts, the extras after them, the latent parts,
// the extras after those. Titles are the column names joined by "\t ",
// after "[Data - Hora]" and six blanks; the gain titles end "\t\n", the
// load titles "\n".
template <size_t S, size_t L>
TLayout Monta_Layout(const TColuna_Extra (&apos_sensivel)[S],
                     const TColuna_Extra (&apos_latente)[L], const char* fim) {
  TLayout l;
  std::vector<std::string> rotulos;
  const auto parte = [&](int k, const char* sufixo) {
    rotulos.push_back(std::string(kComponentes[k / 2]) + sufixo);
    l.colunas.push_back({true, k, arqaux::TFormato_Compilado(kDuas_Casas), 2});
  };
  const auto extra = [&](const TColuna_Extra& c) {
    rotulos.push_back(c.rotulo);
    l.colunas.push_back({false, c.indice, arqaux::TFormato_Compilado(c.formato),
                         c.formato == kCinco_Casas ? 5 : 2});
  };
  for (int k = 0; k < 32; k += 2) parte(k, "_S");
  for (const auto& c : apos_sensivel) extra(c);
  for (int k = 1; k < 32; k += 2) parte(k, "_L");
  for (const auto& c : apos_latente) extra(c);
  l.titulos = "[Data - Hora]      ";
  for (size_t i = 0; i < rotulos.size(); ++i) l.titulos += (i > 0 ? "\t " : "") + rotulos[i];
  l.titulos += fim;
  return l;
}

bool Eh_Carga(int tipo) { return tipo == arqaux::kTipo_Inverno || tipo == arqaux::kTipo_Verao; }

const TLayout& Layout(int tipo) {
  static const TLayout ganho = Monta_Layout(kGanho_Sensivel, kGanho_Latente, "\t\n");
  static const TLayout carga = Monta_Layout(kCarga_Sensivel, kCarga_Latente, "\n");
  return Eh_Carga(tipo) ? carga : ganho;
}

const char* Rotulo_Stream(int tipo) {
  switch (tipo) {
    case arqaux::kTipo_Inverno:
      return arqaux::kRotulo_Inverno;
    case arqaux::kTipo_Verao:
      return arqaux::kRotulo_Verao;
    case arqaux::kTipo_Ganho:
      return arqaux::kRotulo_Ganho;
    default:
      return "";
  }
}

// The most bytes one data line takes: its texts, each value and its format's
// text, the "\n".
size_t Max_Linha(const TLayout& l) {
  return 7 + 3 + 11 + 3 + l.colunas.size() * (arqaux::kMaxTextoRealFixo + 32) + 1;
}

// One data line at p, which has room for Max_Linha; returns one past it.
char* Monta_Linha(char* p, const TLayout& l, const char* data, const char* hora,
                  const float* balanco, const float* extra) {
  const auto copia = [&p](const char* texto, size_t n) {
    std::memcpy(p, texto, n);
    p += n;
  };
  copia(data, std::strlen(data));
  copia(" - ", 3);
  copia(hora, std::strlen(hora));
  copia("   ", 3);
  for (const TColuna_Linha& c : l.colunas) {
    p = c.formato.Escreve(p, c.balanco ? balanco[c.indice] : extra[c.indice]);
  }
  *p++ = '\n';
  return p;
}

// One data line, built whole and written with one write; false without a
// stream, a text or values, or when the write fails.
bool Escreve_Linha(FILE* arq, const TLayout& l, const char* data, const char* hora,
                   const float* balanco, const float* extra) {
  if (arq == nullptr || data == nullptr || hora == nullptr || balanco == nullptr ||
      extra == nullptr) {
    return false;
  }
  // One buffer for every line the thread writes, grown to the longest.
  thread_local std::vector<char> linha;
  const size_t maximo = Max_Linha(l) + std::strlen(data) + std::strlen(hora);
  if (linha.size() < maximo) linha.resize(maximo);
  const char* fim = Monta_Linha(linha.data(), l, data, hora, balanco, extra);
  return arqaux::Grava_Bloco(arq, linha.data(), static_cast<size_t>(fim - linha.data())) &&
         std::ferror(arq) == 0;
}

// The next line into the caller's buffers (8 and 12 bytes for the texts);
// false at the end of the stream, and without a stream or buffers.
bool Le_Linha(FILE* arq, const TLayout& l, char* data, char* hora, float* balanco, float* extra) {
  if (arq == nullptr || data == nullptr || hora == nullptr || balanco == nullptr ||
      extra == nullptr) {
    return false;
  }
  if (std::fscanf(arq, "%7s - %11s   ", data, hora) == EOF) return false;
  for (const TColuna_Linha& c : l.colunas) {
    if (std::fscanf(arq, "%f\t ", c.balanco ? &balanco[c.indice] : &extra[c.indice]) == EOF) break;
  }
  return std::fscanf(arq, "\n"), true;
}

// The copy reads and writes this many bytes at a time; a line longer than
// the longest is left to the scans.
constexpr size_t kBloco_Carga = 64 * 1024;
constexpr size_t kMax_Linha_Carga = 1 << 20;

// What scanning one line in memory found.
enum class TLinha_Carga {
  Completa,  // the line's texts and values, and the white space after them
  Curta,     // the text read so far ends inside it: more text may complete it
  Outra,     // anything else, which only the scans can tell
};

// "%Ns" (N = tamanho - 1) from *p into texto, when the text there ends,
// with white space, within N characters; *p moves past it.
TLinha_Carga Le_Texto(const char** p, const char* fim, char* texto, size_t tamanho) {
  const char* inicio = arqaux::Pula_Brancos(*p, fim);
  const char* q = arqaux::Fim_Palavra(inicio, fim, tamanho);
  if (q == fim) return TLinha_Carga::Curta;
  if (static_cast<size_t>(q - inicio) >= tamanho) return TLinha_Carga::Outra;
  std::memcpy(texto, inicio, static_cast<size_t>(q - inicio));
  texto[q - inicio] = '\0';
  *p = q;
  return TLinha_Carga::Completa;
}

// Scans the line at p as Le_Linha's scans would, into the same buffers; on a
// complete line, *proxima is past the white space after it. What a line that
// is not complete stored is what the scans store again on it.
TLinha_Carga Le_Linha_Memoria(const char* p, const char* fim, const TLayout& l, char* data,
                              char* hora, float* balanco, float* extra, const char** proxima) {
  char lida_data[8], lida_hora[12];
  TLinha_Carga lida = Le_Texto(&p, fim, lida_data, sizeof lida_data);
  if (lida != TLinha_Carga::Completa) return lida;
  p = arqaux::Pula_Brancos(p, fim);
  if (p == fim) return TLinha_Carga::Curta;
  if (*p != '-') return TLinha_Carga::Outra;
  ++p;
  lida = Le_Texto(&p, fim, lida_hora, sizeof lida_hora);
  if (lida != TLinha_Carga::Completa) return lida;
  std::memcpy(data, lida_data, sizeof lida_data);
  std::memcpy(hora, lida_hora, sizeof lida_hora);
  for (const TColuna_Linha& c : l.colunas) {
    const char* parada;
    float* v = c.balanco ? &balanco[c.indice] : &extra[c.indice];
    const arqaux::TResultado_Real lido = arqaux::Le_Real(p, fim, v, &parada);
    if (parada == fim) return TLinha_Carga::Curta;
    if (lido != arqaux::TResultado_Real::Convertido) return TLinha_Carga::Outra;
    p = parada;
  }
  *proxima = arqaux::Pula_Brancos(p, fim);
  return TLinha_Carga::Completa;
}

// The width of every value, "%07.Pf".
constexpr int kLargura = 7;

// Most integer digits of a value of P decimals whose float, written again
// with P decimals, gives the value back: below 2^17 floats lie under 0.01
// apart, below 2^7 under 0.00001, so the float nearest such a value under
// 10^5 (P = 2) or 10^2 (P = 5) is nearer to it than to any other value of P
// decimals; -1 for any other P.
int Max_Inteiros(int casas) { return casas == 2 ? 5 : casas == 5 ? 2 : -1; }

// One past the "\t " after the value at p when its text is what "%07.Pf\t "
// writes for the float it scans as: an optional '-', integer digits padded
// with zeros to the width and no further, no more than Max_Inteiros of them
// besides the padding, the point and P decimals; null otherwise.
const char* Pula_Valor_Escrito(const char* p, const char* fim, int casas) {
  const char* const inicio = p;
  if (p != fim && *p == '-') ++p;
  const char* const digitos = p;
  while (p != fim && arqaux::Eh_Digito(*p)) ++p;
  const char* const ponto = p;
  if (ponto == digitos || fim - ponto < casas + 3 || *ponto != '.') return nullptr;
  for (p = ponto + 1; p != ponto + 1 + casas; ++p) {
    if (!arqaux::Eh_Digito(*p)) return nullptr;
  }
  if (p[0] != '\t' || p[1] != ' ') return nullptr;
  const char* primeiro = digitos;  // the first integer digit that is not padding
  while (primeiro + 1 < ponto && *primeiro == '0') ++primeiro;
  const ptrdiff_t largura = p - inicio;
  if (ponto - primeiro > Max_Inteiros(casas) ||
      (primeiro != digitos ? largura != kLargura : largura < kLargura)) {
    return nullptr;
  }
  return p + 2;
}

// One past the "\n" of the line at p when its text is what Monta_Linha
// writes for what Le_Linha_Memoria scans from it: a date of up to 7
// characters, " - ", a time of up to 11, three blanks, each value as
// Pula_Valor_Escrito takes it, "\n"; null otherwise.
const char* Pula_Linha_Escrita(const char* p, const char* fim, const TLayout& l) {
  const auto texto = [&p, fim](size_t maximo) {
    const char* const inicio = p;
    p = arqaux::Fim_Palavra(p, fim, maximo + 1);
    return p != inicio && static_cast<size_t>(p - inicio) <= maximo;
  };
  const auto literal = [&p, fim](const char* s) {
    const size_t n = std::strlen(s);
    if (static_cast<size_t>(fim - p) < n || std::memcmp(p, s, n) != 0) return false;
    p += n;
    return true;
  };
  if (!texto(7) || !literal(" - ") || !texto(11) || !literal("   ")) return nullptr;
  for (const TColuna_Linha& c : l.colunas) {
    if ((p = Pula_Valor_Escrito(p, fim, c.casas)) == nullptr) return nullptr;
  }
  return p != fim && *p == '\n' ? p + 1 : nullptr;
}

}  // namespace

int TGeren_ArquivoAux::Grava_Cabecalho_Carga_Termica(int n, bool preambulo, int tipo,
                                                     const char* titulo, const TTempo* periodo,
                                                     int intervalo) {
  FILE* arq = Seleciona_Arquivo(n);
  if (arq == nullptr || (preambulo && (titulo == nullptr || periodo == nullptr))) return -1;
  if (preambulo) {
    arqaux::Escreve_Preambulo(arq, titulo, Rotulo_Stream(tipo), periodo, intervalo);
    std::fputs("\n", arq);
    for (const char* linha : kLegenda) std::fputs(linha, arq);
    if (Eh_Carga(tipo)) {
      for (const char* linha : kLegenda_Zona) std::fputs(linha, arq);
    }
    std::fputs("\n", arq);
  }
  const std::string& titulos = Layout(tipo).titulos;
  const bool ok = arqaux::Grava_Bloco(arq, titulos.data(), titulos.size());
  return ok && std::ferror(arq) == 0 ? static_cast<int>(titulos.size()) : -1;
}

int TGeren_ArquivoAux::Le_Cabecalho_Carga_Termica(int n, int tipo) {
  FILE* arq = Seleciona_Arquivo(n);
  if (arq == nullptr) return -1;
  int lidos = -1;
  const std::string padrao = Layout(tipo).titulos + "%n";
  if (std::fscanf(arq, padrao.c_str(), &lidos) == EOF) return -1;
  return lidos >= 0 ? 1 : 0;
}

bool TGeren_ArquivoAux::Grava_Ganho_Termico(int n, const char* data, const char* hora,
                                            const float* balanco, float total, float sensivel,
                                            float latente) {
  const float totais[3] = {sensivel, latente, total};
  return Escreve_Linha(Seleciona_Arquivo(n), Layout(arqaux::kTipo_Ganho), data, hora, balanco,
                       totais);
}

bool TGeren_ArquivoAux::Grava_Carga_Termica(int n, const char* data, const char* hora,
                                            const float* balanco, const float* zona) {
  return Escreve_Linha(Seleciona_Arquivo(n), Layout(arqaux::kTipo_Inverno), data, hora, balanco,
                       zona);
}

bool TGeren_ArquivoAux::Le_Ganho_Termico(int n, char* data, char* hora, float* balanco,
                                         float* totais) {
  return Le_Linha(Seleciona_Arquivo(n), Layout(arqaux::kTipo_Ganho), data, hora, balanco, totais);
}

bool TGeren_ArquivoAux::Le_Carga_Termica(int n, char* data, char* hora, float* balanco,
                                         float* zona) {
  return Le_Linha(Seleciona_Arquivo(n), Layout(arqaux::kTipo_Inverno), data, hora, balanco, zona);
}

namespace {

// The source's text from byte base on, read up to tamanho and not yet copied
// from inicio. The buffer only grows, so that reading a block costs no filling.
struct TTexto_Fonte {
  std::vector<char> texto = std::vector<char>(kBloco_Carga);
  size_t inicio = 0, tamanho = 0;
  long base = -1;
  bool fim = false;

  // Drops what was copied, moving the rest to the front.
  void Descarta_Copiado() {
    base += static_cast<long>(inicio);
    if (inicio > 0 && tamanho > inicio) {
      std::memmove(texto.data(), texto.data() + inicio, tamanho - inicio);
    }
    tamanho -= inicio;
    inicio = 0;
  }
  // Reads another block after the text, where the line was short, the source
  // has not ended, the line is not past the longest and arq still stands
  // where the text ends; false where the scans must take the line instead.
  bool Le_Mais(FILE* arq, TLinha_Carga lida) {
    if (lida != TLinha_Carga::Curta || fim || tamanho >= kMax_Linha_Carga ||
        std::ftell(arq) != base + static_cast<long>(tamanho)) {
      return false;
    }
    if (texto.size() < tamanho + kBloco_Carga) texto.resize(tamanho + kBloco_Carga);
    const size_t lidos = arqaux::Le_Direto(texto.data() + tamanho, 1, kBloco_Carga, arq);
    tamanho += lidos;
    fim = lidos < kBloco_Carga;
    return true;
  }
};

// The copy's lines not yet written, from 0 to usado. Most lines are copied
// as they are, being what writing their scanned values gives; the others
// are scanned into the caller's buffers and written again.
struct TSaida_Copia {
  std::vector<char> texto;
  size_t usado = 0;
  // Where in texto the last line copied as it was lies; empty once a later
  // line is scanned, which leaves the buffers as that line would.
  size_t escrita = 0, fim_escrita = 0;

  explicit TSaida_Copia(size_t tamanho) : texto(tamanho) {}

  // Copies the line at p whole, as Le_Linha_Memoria reads it; *proxima is
  // past the white space after it.
  TLinha_Carga Copia(const char* p, const char* fim, const TLayout& l, char* data, char* hora,
                     float* balanco, float* extra, const char** proxima) {
    if ((*proxima = Pula_Linha_Escrita(p, fim, l)) != nullptr) {
      escrita = usado;
      fim_escrita = usado += static_cast<size_t>(*proxima - p);
      std::memcpy(texto.data() + escrita, p, fim_escrita - escrita);
      *proxima = arqaux::Pula_Brancos(*proxima, fim);
      return TLinha_Carga::Completa;
    }
    const TLinha_Carga lida = Le_Linha_Memoria(p, fim, l, data, hora, balanco, extra, proxima);
    if (lida == TLinha_Carga::Completa) {
      usado = static_cast<size_t>(Monta_Linha(texto.data() + usado, l, data, hora, balanco, extra) -
                                  texto.data());
      escrita = fim_escrita = 0;
    }
    return lida;
  }
  // Leaves in the buffers what the scans of the lines copied so far would
  // have: the values of the last line copied as it was, if it was last.
  // The scans that follow fill them from there.
  void Restaura(const TLayout& l, char* data, char* hora, float* balanco, float* extra) {
    const char* proxima;
    if (fim_escrita > escrita) {
      Le_Linha_Memoria(texto.data() + escrita, texto.data() + fim_escrita, l, data, hora, balanco,
                       extra, &proxima);
    }
    escrita = fim_escrita = 0;
  }
};

}  // namespace

// Both numbers are checked before the source is read, so that a copy to a
// stream that does not exist moves no stream.
bool TGeren_ArquivoAux::Salva_Carga_Termica_Texto(int tipo, int origem, int destino,
                                                  const TTempo*) {
  if (TAcesso_Registro::Entrada(this, origem) == nullptr ||
      TAcesso_Registro::Entrada(this, destino) == nullptr ||
      Le_Cabecalho_Carga_Termica(origem, tipo) == -1) {
    return false;
  }
  // A line whose texts do not scan leaves the buffers as they were, as a
  // scan does: they start empty, so that what is written is always a text.
  char data[8] = "", hora[12] = "";
  float balanco[32] = {}, extra[18] = {};
  const bool carga = Eh_Carga(tipo);
  const TLayout& l = Layout(tipo);
  FILE* arq = Seleciona_Arquivo(origem);
  TTexto_Fonte f;
  f.base = arq != nullptr ? std::ftell(arq) : -1;
  TSaida_Copia saida(kBloco_Carga + Max_Linha(l));
  const auto grava = [&] {
    FILE* d = Seleciona_Arquivo(destino);
    const bool ok = d != nullptr && arqaux::Grava_Bloco(d, saida.texto.data(), saida.usado) &&
                    std::ferror(d) == 0;
    saida.usado = 0;
    return ok;
  };
  while (f.base >= 0) {
    const char* proxima = nullptr;
    const TLinha_Carga lida = saida.Copia(f.texto.data() + f.inicio, f.texto.data() + f.tamanho, l,
                                          data, hora, balanco, extra, &proxima);
    if (lida == TLinha_Carga::Completa) {
      f.inicio = static_cast<size_t>(proxima - f.texto.data());
      if (saida.usado >= kBloco_Carga && !grava()) return false;
      continue;
    }
    f.Descarta_Copiado();
    arq = Seleciona_Arquivo(origem);
    if (arq == nullptr) break;
    if (f.Le_Mais(arq, lida)) continue;
    // The scans take this line from its first byte, after what the lines
    // before it left in the buffers.
    saida.Restaura(l, data, hora, balanco, extra);
    if ((saida.usado > 0 && !grava()) || std::fseek(arq, f.base, SEEK_SET) != 0 ||
        !(carga ? Le_Carga_Termica(origem, data, hora, balanco, extra)
                : Le_Ganho_Termico(origem, data, hora, balanco, extra))) {
      break;
    }
    const bool gravou =
        carga ? Grava_Carga_Termica(destino, data, hora, balanco, extra)
              : Grava_Ganho_Termico(destino, data, hora, balanco, extra[2], extra[0], extra[1]);
    arq = Seleciona_Arquivo(origem);
    if (!gravou || arq == nullptr) return false;
    f.base = std::ftell(arq);
    f.tamanho = 0;
    f.fim = false;
  }
  if (saida.usado > 0) grava();
  return false;
}
