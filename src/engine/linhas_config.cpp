#include "engine/linhas_config.h"

#include <cctype>
#include <climits>
#include <cmath>
#include <cstring>
#include <string>

#include "engine/formato_printf.h"

namespace arqaux {

namespace {

bool Numerico(TTipo_Campo t) {
  return t == TTipo_Campo::Inteiro || t == TTipo_Campo::Real || t == TTipo_Campo::Duplo ||
         t == TTipo_Campo::Logico;
}

// Whether a printed conversion fits a field: "%d" an int or bool, a real
// conversion a float or double, "%s" a text. A scan pattern given by the row
// may convert any number into any numeric field.
bool Serve(TTipo_Peca p, TTipo_Campo t, bool leitura) {
  if (Eh_Texto(p)) return t == TTipo_Campo::Texto && (leitura || p == TTipo_Peca::Texto);
  if (leitura) return Numerico(t);
  if (p == TTipo_Peca::Inteiro) return t == TTipo_Campo::Inteiro || t == TTipo_Campo::Logico;
  return t == TTipo_Campo::Real || t == TTipo_Campo::Duplo;
}

// Whether padrao's conversions match the row's fields one to one, a repeated
// field standing alone in its row.
bool Confere(const char* padrao, const TLinha_Bruta& linha, bool leitura) {
  if (padrao == nullptr) return false;
  if (!linha.campos.empty() && linha.campos[0].repeticao.separador == nullptr) return false;
  size_t k = 0;
  for (const char* p = padrao; *p != '\0';) {
    TPeca_Formato c;
    if ((p = Le_Peca(p, &c)) == nullptr) return false;
    if (c.tipo == TTipo_Peca::Literal || c.tipo == TTipo_Peca::Percento) continue;
    if (k >= linha.campos.size()) return false;
    const TCampo_Linha& campo = linha.campos[k++];
    if (!Serve(c.tipo, campo.posicao.tipo, leitura)) return false;
    if (campo.repeticao.passo != 0 && linha.campos.size() != 1) return false;
  }
  return k == linha.campos.size();
}

// The numeric value of type tipo at origem, as a double.
double Valor_De(TTipo_Campo tipo, const char* origem) {
  int32_t i;
  float f;
  double d;
  bool b;
  switch (tipo) {
    case TTipo_Campo::Inteiro:
      std::memcpy(&i, origem, sizeof(i));
      return i;
    case TTipo_Campo::Real:
      std::memcpy(&f, origem, sizeof(f));
      return f;
    case TTipo_Campo::Duplo:
      std::memcpy(&d, origem, sizeof(d));
      return d;
    case TTipo_Campo::Logico:
      std::memcpy(&b, origem, sizeof(b));
      return b ? 1 : 0;
    default:
      return 0;
  }
}

// How many times the row is printed or scanned: 1 for a plain row, 0 for an
// absent conditional one, the count of a repeated one; -1 when that count is
// not a whole number from 0 to what the array holds.
int Repeticoes(const TLinha_Bruta& linha, const char* base) {
  if (linha.condicao.tipo != TTipo_Campo::Nenhum &&
      Valor_De(linha.condicao.tipo, base + linha.condicao.deslocamento) == 0)
    return 0;
  if (linha.campos.empty() || linha.campos[0].repeticao.passo == 0) return 1;
  const TRepeticao& r = linha.campos[0].repeticao;
  double n = r.fixa;
  if (r.contagem.tipo != TTipo_Campo::Nenhum)
    n = Valor_De(r.contagem.tipo, base + r.contagem.deslocamento) * r.fator;
  if (!(n >= 0 && n <= r.capacidade) || n != std::floor(n)) return -1;
  return static_cast<int>(n);
}

const char* Elemento_De(const TCampo_Linha& campo, const void* valores, int k) {
  return static_cast<const char*>(valores) + campo.posicao.deslocamento +
         static_cast<size_t>(k) * campo.repeticao.passo;
}

// Prints one conversion of a field's element; bytes written or -1.
int Grava_Conversao(FILE* arq, const TPeca_Formato& c, const TCampo_Linha& campo,
                    const char* origem) {
  char conversao[kMaxConversao + 1];
  const size_t n = static_cast<size_t>(c.fim - c.inicio);
  std::memcpy(conversao, c.inicio, n);
  conversao[n] = '\0';
  if (c.tipo == TTipo_Peca::Texto) {
    const size_t len = strnlen(origem, campo.posicao.tamanho);
    return std::fwrite(origem, 1, len, arq) == len ? static_cast<int>(len) : -1;
  }
  const double v = Valor_De(campo.posicao.tipo, origem);
  if (c.tipo == TTipo_Peca::Inteiro) return std::fprintf(arq, conversao, static_cast<int32_t>(v));
  return std::fprintf(arq, conversao, v);
}

// Prints element k of the row; bytes written or -1.
int Grava_Elemento(FILE* arq, const TLinha_Bruta& linha, const void* valores, int k) {
  int total = 0;
  bool falhou = false;
  auto conta = [&](int escritos) {
    falhou |= escritos < 0;
    total += escritos > 0 ? escritos : 0;
  };
  const char* separador = k > 0 ? linha.campos[0].repeticao.separador : "";
  const size_t n = std::strlen(separador);
  conta(std::fwrite(separador, 1, n, arq) == n ? static_cast<int>(n) : -1);
  size_t i = 0;
  for (const char* p = linha.formato; *p != '\0';) {
    TPeca_Formato c;
    p = Le_Peca(p, &c);
    if (c.tipo == TTipo_Peca::Literal) {
      const size_t len = static_cast<size_t>(c.fim - c.inicio);
      conta(std::fwrite(c.inicio, 1, len, arq) == len ? static_cast<int>(len) : -1);
    } else if (c.tipo == TTipo_Peca::Percento) {
      conta(std::fputc('%', arq) == EOF ? -1 : 1);
    } else {
      const TCampo_Linha& campo = linha.campos[i++];
      conta(Grava_Conversao(arq, c, campo, Elemento_De(campo, valores, k)));
    }
  }
  return falhou ? -1 : total;
}

// The scan form of printed text: a percent sign doubled.
void Anexa_Literal(TPasso_Leitura* passo, const char* inicio, const char* fim) {
  for (const char* q = inicio; q < fim; ++q)
    passo->padrao.append(*q == '%' ? "%%" : q, *q == '%' ? 2 : 1);
}

// The scan form of a printed conversion into campo: any integer as "%d", any
// real as "%f" (or "%lf"), a text as "%N[^]]" with N what its buffer holds,
// or "%Ns" for a word.
void Anexa_Conversao(TPasso_Leitura* passo, const TPeca_Formato& c, const TCampo_Linha& campo) {
  passo->tipo = c.tipo;
  passo->longo = c.longo;
  if (Eh_Texto(c.tipo)) {
    passo->padrao +=
        "%" + std::to_string(campo.posicao.tamanho - 1) + (passo->palavra ? "s" : "[^]]");
  } else {
    passo->padrao += c.tipo == TTipo_Peca::Inteiro ? "%d" : c.longo ? "%lf" : "%f";
  }
}

// Appends to passo the literal pieces from p up to the next conversion;
// returns where that conversion (or the format's end) is.
const char* Anexa_Literais(const char* p, TPasso_Leitura* passo) {
  while (*p != '\0') {
    TPeca_Formato c;
    const char* q = Le_Peca(p, &c);
    if (c.tipo == TTipo_Peca::Literal) {
      Anexa_Literal(passo, c.inicio, c.fim);
    } else if (c.tipo == TTipo_Peca::Percento) {
      passo->padrao += "%%";
    } else {
      break;
    }
    p = q;
  }
  return p;
}

// Builds the next step of a scan from p, the conversion (if any) going into
// campo; returns where the following step begins. A text's closing bracket
// is left to the caller, which also accepts the end of the file there; so is
// the white space that ends a word.
const char* Deriva_Passo_De_Leitura(const char* p, const TCampo_Linha* campo,
                                    TPasso_Leitura* passo) {
  p = Anexa_Literais(p, passo);
  if (*p == '\0' || campo == nullptr) return p;
  TPeca_Formato c;
  p = Le_Peca(p, &c);
  passo->palavra = c.tipo == TTipo_Peca::Texto && *p != ']';
  Anexa_Conversao(passo, c, *campo);
  if (passo->palavra) return p;
  if (Eh_Texto(c.tipo) && *p == ']') {
    passo->fecho = true;
    return p + 1;
  }
  p = Anexa_Literais(p, passo);
  if (*p != '\0') {
    passo->padrao += "%n";
    passo->marca = true;
  }
  return p;
}

int32_t Inteiro_De_Real(double v) {
  if (std::isnan(v)) return 0;
  if (v >= static_cast<double>(INT32_MAX)) return INT32_MAX;
  if (v <= static_cast<double>(INT32_MIN)) return INT32_MIN;
  return static_cast<int32_t>(v);
}

float Real_De_Duplo(double v) {
  if (v > 3.4028234663852886e38) return HUGE_VALF;
  if (v < -3.4028234663852886e38) return -HUGE_VALF;
  return static_cast<float>(v);
}

union TLido {
  int32_t i;
  float f;
  double d;
};

// Stores what a step scanned into its field, converting to the field's type.
void Armazena(const TPasso_Leitura& passo, const TLido& lido, TTipo_Campo tipo, char* destino) {
  const bool inteiro = passo.tipo == TTipo_Peca::Inteiro;
  const double v = inteiro ? lido.i : passo.longo ? lido.d : lido.f;
  switch (tipo) {
    case TTipo_Campo::Inteiro: {
      const int32_t x = inteiro ? lido.i : Inteiro_De_Real(v);
      std::memcpy(destino, &x, sizeof(x));
      break;
    }
    case TTipo_Campo::Real: {
      const float x = !inteiro && !passo.longo ? lido.f : Real_De_Duplo(v);
      std::memcpy(destino, &x, sizeof(x));
      break;
    }
    case TTipo_Campo::Duplo:
      std::memcpy(destino, &v, sizeof(v));
      break;
    case TTipo_Campo::Logico: {
      const bool x = v != 0;
      std::memcpy(destino, &x, sizeof(x));
      break;
    }
    default:
      break;
  }
}

// Scans one step into element k of campo; true when its conversion converted,
// its text met its closing bracket or the end of the file, and the text
// after it matched up to the next conversion.
bool Le_Passo(FILE* arq, const TPasso_Leitura& passo, const TCampo_Linha& campo, void* valores,
              int k, TGuardados* guardados) {
  char* destino = const_cast<char*>(Elemento_De(campo, valores, k));
  TLido lido{};
  int marca = -1;
  void* alvo = Eh_Texto(passo.tipo) ? static_cast<void*>(destino) : static_cast<void*>(&lido);
  if (std::fscanf(arq, passo.padrao.c_str(), alvo, &marca) != 1) return false;
  if (!Eh_Texto(passo.tipo)) Armazena(passo, lido, campo.posicao.tipo, destino);
  if (passo.fecho || passo.palavra) {
    const int c = std::getc(arq);
    const bool acabou = c == EOF || (passo.fecho ? c == ']' : std::isspace(c) != 0);
    if (c != EOF && !(passo.fecho && c == ']')) std::ungetc(c, arq);
    if (!acabou) return false;
  }
  if (guardados != nullptr)
    guardados->push_back(static_cast<uint32_t>(destino - static_cast<char*>(valores)));
  return !passo.marca || marca >= 0;
}

// The scan steps of one element of a row whose scan pattern is padrao; for
// an element after the first, the separator comes first.
std::vector<TPasso_Leitura> Deriva_Passos(const char* padrao, const TLinha_Bruta& linha,
                                          const char* separador) {
  std::vector<TPasso_Leitura> passos;
  const char* p = padrao;
  size_t i = 0;
  do {
    TPasso_Leitura passo;
    if (p == padrao) {
      Anexa_Literal(&passo, separador, separador + std::strlen(separador));
      // Leading tabs become one blank: both skip any run of white space,
      // which after a tested line its final "\n" has already taken. A line
      // printed at column 0 is scanned from its bracket.
      if (*p == '\t') passo.padrao += ' ';
      while (*p == '\t') ++p;
    }
    p = Deriva_Passo_De_Leitura(p, i < linha.campos.size() ? &linha.campos[i] : nullptr, &passo);
    if (passo.tipo != TTipo_Peca::Literal) ++i;
    passos.push_back(std::move(passo));
  } while (*p != '\0');
  return passos;
}

// Scans element k of the row. A row without conversions must match up to
// the end of its text; the text after a row's last conversion need not.
bool Le_Elemento(FILE* arq, const TLinha_Bruta& linha, void* valores, int k,
                 TGuardados* guardados) {
  size_t i = 0;
  for (const TPasso_Leitura& passo : linha.passos[k > 0 ? 1 : 0]) {
    if (passo.tipo == TTipo_Peca::Literal) {
      int nada = 0;
      const int r = std::fscanf(arq, passo.padrao.c_str(), &nada);
      return i > 0 || r == 0;
    }
    if (!Le_Passo(arq, passo, linha.campos[i++], valores, k, guardados)) return false;
  }
  return true;
}

}  // namespace

void Confere_Linha(TLinha_Bruta* linha) {
  linha->imprimivel = Confere(linha->formato, *linha, false);
  const char* padrao = linha->leitura != nullptr ? linha->leitura : linha->formato;
  linha->legivel = linha->leitura != nullptr ? Confere(padrao, *linha, true) : linha->imprimivel;
  if (!linha->legivel) return;
  linha->passos[0] = Deriva_Passos(padrao, *linha, "");
  if (!linha->campos.empty() && linha->campos[0].repeticao.passo != 0) {
    linha->passos[1] = Deriva_Passos(padrao, *linha, linha->campos[0].repeticao.separador);
  }
}

int Grava_Linha(FILE* arq, const TLinha_Bruta& linha, const void* valores) {
  if (arq == nullptr || !linha.imprimivel) return -1;
  const int n = Repeticoes(linha, static_cast<const char*>(valores));
  if (n < 0) return -1;
  int total = 0;
  bool falhou = false;
  for (int k = 0; k < n; ++k) {
    const int r = Grava_Elemento(arq, linha, valores, k);
    falhou |= r < 0;
    total += r > 0 ? r : 0;
  }
  return falhou ? -1 : total;
}

bool Le_Linha(FILE* arq, const TLinha_Bruta& linha, void* valores, TPolitica_Falha politica,
              TGuardados* guardados) {
  if (arq == nullptr || !linha.legivel) return false;
  const int n = Repeticoes(linha, static_cast<const char*>(valores));
  if (n < 0) return false;
  bool ok = true;
  for (int k = 0; k < n; ++k) {
    if (Le_Elemento(arq, linha, valores, k, guardados)) continue;
    if (politica == TPolitica_Falha::Para_Na_Primeira) return false;
    ok = false;
  }
  return ok;
}

}  // namespace arqaux
