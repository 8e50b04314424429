#include "text/linhas_config.h"

#include <climits>
#include <cmath>
#include <cstring>

namespace arqaux {

namespace {

// One conversion of a format: from its '%' up to one past its last character.
struct TConversao {
  const char* fim;
  char tipo;  // 'd', 'f' (any real conversion), 's' (text), '%' (a literal percent)
  bool longo;
};

// Longest single conversion printed on its own ("%-12.5e" and the like).
constexpr size_t MAX_CONVERSAO = 32;

// Parses the conversion that begins at p (a '%'); false for what the line
// formats do not use.
bool Analisa_Conversao(const char* p, TConversao* c) {
  const char* q = p + 1;
  if (*q == '%') {
    *c = {q + 1, '%', false};
    return true;
  }
  while (*q != '\0' && std::strchr("-+ #0", *q) != nullptr) ++q;
  while (*q >= '0' && *q <= '9') ++q;
  if (*q == '.') {
    ++q;
    while (*q >= '0' && *q <= '9') ++q;
  }
  bool longo = *q == 'l';
  if (longo) ++q;
  char tipo;
  if (*q == 'd' || *q == 'i') {
    tipo = 'd';
  } else if (*q != '\0' && std::strchr("feEgG", *q) != nullptr) {
    tipo = 'f';
  } else if (*q == 's') {
    tipo = 's';
  } else if (*q == '[') {
    // A scan set: "]" right after "[" or "[^" belongs to the set.
    ++q;
    if (*q == '^') ++q;
    if (*q == ']') ++q;
    while (*q != '\0' && *q != ']') ++q;
    if (*q != ']') return false;
    tipo = 's';
  } else {
    return false;
  }
  ++q;
  if (static_cast<size_t>(q - p) >= MAX_CONVERSAO) return false;
  *c = {q, tipo, longo};
  return true;
}

bool Numerico(TTipo_Campo t) {
  return t == TTipo_Campo::Inteiro || t == TTipo_Campo::Real || t == TTipo_Campo::Duplo ||
         t == TTipo_Campo::Logico;
}

// Most fscanf arguments one line takes: its fields and the "%n" marks that
// follow its text fields.
constexpr int MAX_ARGUMENTOS = MAX_CAMPOS + 1;

// A scan pattern and how it fills its arguments: for each, in order, 'd' an
// int, 'f' a float, 'D' a double, 's' the field's own buffer, 'n' the mark
// after a text field.
struct TLeitura {
  int campos = 0;  // conversions, which is what fscanf counts
  int argumentos = 0;
  char tipos[MAX_ARGUMENTOS];
};

// Writes into padrao (of tamanho bytes) the scan pattern derived from formato
// and describes its arguments in *leitura; false when formato does not match
// the fields or the pattern does not fit.
bool Deriva(const char* formato, const TPosicao* campos, char* padrao, size_t tamanho,
            TLeitura* leitura) {
  size_t n = 0;
  int& k = leitura->campos;
  int& a = leitura->argumentos;
  k = a = 0;
  auto anexa = [&](const char* texto, size_t len) {
    if (n + len >= tamanho) return false;
    std::memcpy(padrao + n, texto, len);
    n += len;
    return true;
  };
  // Leading tabs become one blank: both skip any run of white space, which
  // after a tested line its final "\n" has already taken. A line printed at
  // column 0 is scanned from its bracket, so blank space before it fails it.
  bool tabulada = *formato == '\t';
  while (*formato == '\t') ++formato;
  if (tabulada && !anexa(" ", 1)) return false;
  for (const char* p = formato; *p != '\0';) {
    if (*p != '%') {
      if (!anexa(p, 1)) return false;
      ++p;
      continue;
    }
    TConversao c;
    if (!Analisa_Conversao(p, &c)) return false;
    p = c.fim;
    if (c.tipo == '%') {
      if (!anexa("%%", 2)) return false;
      continue;
    }
    if (k >= MAX_CAMPOS || a >= MAX_ARGUMENTOS) return false;
    const TPosicao& campo = campos[k];
    char conversao[MAX_CONVERSAO];
    if (c.tipo == 's') {
      if (campo.tipo != TTipo_Campo::Texto || campo.tamanho < 2) return false;
      std::snprintf(conversao, sizeof(conversao), "%%%u[^]]",
                    static_cast<unsigned>(campo.tamanho - 1));
      leitura->tipos[a++] = 's';
    } else {
      if (!Numerico(campo.tipo)) return false;
      bool duplo = c.tipo == 'f' && c.longo;
      std::snprintf(conversao, sizeof(conversao), "%s",
                    c.tipo == 'd' ? "%d"
                    : duplo       ? "%lf"
                                  : "%f");
      leitura->tipos[a++] = c.tipo == 'd' ? 'd' : duplo ? 'D' : 'f';
    }
    if (!anexa(conversao, std::strlen(conversao))) return false;
    ++k;
    // A text ends at its closing bracket. "%n" right after that bracket tells
    // whether the text fitted: one longer than the buffer stops the scan set
    // short of the bracket, and the line fails rather than being cut.
    if (c.tipo == 's' && *p == ']') {
      if (a >= MAX_ARGUMENTOS || !anexa("]%n", 3)) return false;
      leitura->tipos[a++] = 'n';
      ++p;
    }
  }
  padrao[n] = '\0';
  return true;
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
  int i;
  float f;
  double d;
};

// Stores a scanned number into its field, converting to the field's type.
void Armazena(const TPosicao& campo, char tipo, const TLido& lido, char* base) {
  double v = tipo == 'd' ? lido.i : tipo == 'f' ? lido.f : lido.d;
  char* destino = base + campo.deslocamento;
  switch (campo.tipo) {
    case TTipo_Campo::Inteiro: {
      int32_t x = tipo == 'd' ? lido.i : Inteiro_De_Real(v);
      std::memcpy(destino, &x, sizeof(x));
      break;
    }
    case TTipo_Campo::Real: {
      float x = tipo == 'f' ? lido.f : Real_De_Duplo(v);
      std::memcpy(destino, &x, sizeof(x));
      break;
    }
    case TTipo_Campo::Duplo:
      std::memcpy(destino, &v, sizeof(v));
      break;
    case TTipo_Campo::Logico: {
      bool x = v != 0;
      std::memcpy(destino, &x, sizeof(x));
      break;
    }
    default:
      break;
  }
}

// Number of conversions of a print format, or -1 when they do not match the
// fields' types ("%d" an int or bool, a real conversion a float or double,
// "%s" a text).
int Confere_Impressao(const char* formato, const TPosicao* campos) {
  int k = 0;
  for (const char* p = std::strchr(formato, '%'); p != nullptr; p = std::strchr(p, '%')) {
    TConversao c;
    if (!Analisa_Conversao(p, &c)) return -1;
    p = c.fim;
    if (c.tipo == '%') continue;
    if (k >= MAX_CAMPOS) return -1;
    TTipo_Campo t = campos[k++].tipo;
    bool serve = c.tipo == 'd'   ? t == TTipo_Campo::Inteiro || t == TTipo_Campo::Logico
                 : c.tipo == 'f' ? t == TTipo_Campo::Real || t == TTipo_Campo::Duplo
                                 : t == TTipo_Campo::Texto;
    if (!serve) return -1;
  }
  return k;
}

}  // namespace

int Grava_Linha(FILE* arq, const char* formato, const TPosicao* campos, const void* valores) {
  if (arq == nullptr || Confere_Impressao(formato, campos) < 0) return -1;
  const char* base = static_cast<const char*>(valores);
  int total = 0;
  int k = 0;
  bool falhou = false;
  for (const char* p = formato; *p != '\0';) {
    const char* literal = p;
    while (*p != '\0' && *p != '%') ++p;
    size_t len = static_cast<size_t>(p - literal);
    if (len > 0) {
      falhou |= std::fwrite(literal, 1, len, arq) != len;
      total += static_cast<int>(len);
    }
    if (*p == '\0') break;
    TConversao c;
    Analisa_Conversao(p, &c);
    char conversao[MAX_CONVERSAO];
    std::memcpy(conversao, p, static_cast<size_t>(c.fim - p));
    conversao[c.fim - p] = '\0';
    p = c.fim;
    int escritos;
    if (c.tipo == '%') {
      escritos = std::fputc('%', arq) == EOF ? -1 : 1;
    } else {
      const TPosicao& campo = campos[k++];
      const char* origem = base + campo.deslocamento;
      if (c.tipo == 's') {
        size_t n = strnlen(origem, campo.tamanho);
        escritos = std::fwrite(origem, 1, n, arq) == n ? static_cast<int>(n) : -1;
      } else if (c.tipo == 'd') {
        int32_t v = 0;
        if (campo.tipo == TTipo_Campo::Logico) {
          bool b;
          std::memcpy(&b, origem, sizeof(b));
          v = b ? 1 : 0;
        } else {
          std::memcpy(&v, origem, sizeof(v));
        }
        escritos = std::fprintf(arq, conversao, v);
      } else {
        double v;
        if (campo.tipo == TTipo_Campo::Real) {
          float f;
          std::memcpy(&f, origem, sizeof(f));
          v = f;
        } else {
          std::memcpy(&v, origem, sizeof(v));
        }
        escritos = std::fprintf(arq, conversao, v);
      }
    }
    if (escritos < 0) {
      falhou = true;
    } else {
      total += escritos;
    }
  }
  return falhou ? -1 : total;
}

int Le_Linha(FILE* arq, const char* padrao, const TPosicao* campos, void* valores, bool* completa) {
  *completa = false;
  char derivado[256];
  TLeitura leitura;
  if (arq == nullptr || !Deriva(padrao, campos, derivado, sizeof(derivado), &leitura)) return 0;
  char* base = static_cast<char*>(valores);
  TLido lidos[MAX_CAMPOS] = {};
  int marcas[MAX_ARGUMENTOS];
  void* p[MAX_ARGUMENTOS] = {};
  for (int a = 0, k = 0; a < leitura.argumentos; ++a) {
    char t = leitura.tipos[a];
    if (t == 'n') {
      marcas[a] = -1;
      p[a] = &marcas[a];
    } else {
      p[a] = t == 's' ? static_cast<void*>(base + campos[k].deslocamento)
                      : static_cast<void*>(&lidos[k]);
      ++k;
    }
  }
  static_assert(MAX_ARGUMENTOS == 13, "the call below passes 13 arguments");
  int r = std::fscanf(arq, derivado, p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7], p[8], p[9],
                      p[10], p[11], p[12]);
  bool inteira = r == leitura.campos;
  for (int a = 0, k = 0; a < leitura.argumentos; ++a) {
    char t = leitura.tipos[a];
    if (t == 'n') {
      inteira = inteira && marcas[a] >= 0;
      continue;
    }
    if (k < r && t != 's') Armazena(campos[k], t, lidos[k], base);
    ++k;
  }
  *completa = inteira;
  return r;
}

}  // namespace arqaux
