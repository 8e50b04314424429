#include "text/real_fixo.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace arqaux {

namespace {

// Most decimals the exact path writes: a float's 24-bit significand times
// 10^9 stays below 2^54, inside a 64-bit integer.
constexpr int MAX_PRECISAO_RAPIDA = 9;

constexpr uint64_t POTENCIAS_10[MAX_PRECISAO_RAPIDA + 1] = {
    1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};

// "00" to "99": two digits per step, from the right.
constexpr char PARES[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Digits of a float's integer part (39 for FLT_MAX) and its decimals.
constexpr int MAX_DIGITOS = 39 + MAX_PRECISAO_RAPIDA;

// 10^19, the largest power of ten below 2^64: one 64-bit slice of a
// 128-bit integer's digits.
constexpr uint64_t DEZ_A_19 = 10000000000000000000u;
constexpr int DIGITOS_FATIA = 19;

// Writes the digits of v so that they end just before fim (at least one);
// returns where they begin.
char* Escreve_Decimal(char* fim, uint64_t v) {
  while (v >= 100) {
    fim -= 2;
    std::memcpy(fim, PARES + 2 * (v % 100), 2);
    v /= 100;
  }
  if (v >= 10) {
    fim -= 2;
    std::memcpy(fim, PARES + 2 * v, 2);
  } else {
    *--fim = static_cast<char>('0' + v);
  }
  return fim;
}

// The same for an integer that may need 128 bits.
char* Escreve_Decimal_128(char* fim, unsigned __int128 v) {
  while ((v >> 64) != 0) {
    char* inicio = Escreve_Decimal(fim, static_cast<uint64_t>(v % DEZ_A_19));
    fim -= DIGITOS_FATIA;
    std::memset(fim, '0', inicio - fim);
    v /= DEZ_A_19;
  }
  return Escreve_Decimal(fim, static_cast<uint64_t>(v));
}

// The digits of |v| * 10^precisao, rounded half to even on v's exact value,
// ending just before fim; at least precisao + 1 of them, so that the last
// precisao are the decimals. v is finite; precisao is 0..MAX_PRECISAO_RAPIDA.
char* Escreve_Escalado(char* fim, uint32_t bits, int precisao) {
  const uint32_t campo_expoente = (bits >> 23) & 0xFF;
  uint64_t m = bits & 0x7FFFFF;
  if (campo_expoente != 0) m |= 1u << 23;
  // v = m * 2^expoente; a denormal has the smallest normal exponent.
  const int expoente = static_cast<int>(std::max(campo_expoente, 1u)) - 150;
  char* inicio;
  if (expoente >= 0) {
    std::memset(fim - precisao, '0', precisao);
    inicio = Escreve_Decimal_128(fim - precisao, static_cast<unsigned __int128>(m) << expoente);
  } else {
    // Below 2^-54 the scaled value m * 10^precisao / 2^deslocamento is under
    // a half and rounds to zero.
    const int deslocamento = -expoente;
    uint64_t q = 0;
    if (deslocamento <= 54) {
      const uint64_t escalado = m * POTENCIAS_10[precisao];
      const uint64_t metade = uint64_t{1} << (deslocamento - 1);
      const uint64_t resto = escalado & ((metade << 1) - 1);
      q = escalado >> deslocamento;
      if (resto > metade || (resto == metade && (q & 1) != 0)) ++q;
    }
    inicio = Escreve_Decimal(fim, q);
  }
  const ptrdiff_t faltam = precisao + 1 - (fim - inicio);
  if (faltam > 0) {
    inicio -= faltam;
    std::memset(inicio, '0', faltam);
  }
  return inicio;
}

// Fixed-size copies: the integer digits and the decimals move in one or two
// vector moves whatever their count, reading past the digits into the rest of
// the scratch buffer and writing past the field into the rest of the room.
constexpr size_t COPIA_INTEIROS = 40;
constexpr size_t COPIA_DECIMAIS = 16;
static_assert(COPIA_INTEIROS >= 39 && COPIA_DECIMAIS >= MAX_PRECISAO_RAPIDA);
// The farthest byte written: a 99-column field whose digits start at column
// 99 - 1, or the decimals' copy.
static_assert(99 + COPIA_INTEIROS <= MAX_TEXTO_REAL_FIXO);

// Spaces or zeros: what pads the field to its width.
char* Enche(char* destino, char c, ptrdiff_t n) {
  if (n > 0) std::memset(destino, c, n);
  return destino + n;
}

// Lays out the field: sign, digits [inicio, fim) with the point before the
// last precisao of them, padded to the width as the flags say. At least
// COPIA_INTEIROS bytes of the scratch buffer follow inicio.
char* Monta_Campo(char* destino, bool negativo, const char* inicio, const char* fim,
                  const TEspec_Fixo& espec) {
  const char sinal = negativo ? '-' : espec.sinal ? '+' : espec.espaco ? ' ' : '\0';
  const bool ponto = espec.precisao > 0 || espec.alternativo;
  const ptrdiff_t corpo = (sinal != '\0') + (fim - inicio) + ponto;
  const ptrdiff_t enchimento = std::max<ptrdiff_t>(espec.largura - corpo, 0);
  if (!espec.esquerda && !espec.zeros) destino = Enche(destino, ' ', enchimento);
  if (sinal != '\0') *destino++ = sinal;
  if (!espec.esquerda && espec.zeros) destino = Enche(destino, '0', enchimento);
  const ptrdiff_t inteiros = (fim - inicio) - espec.precisao;
  std::memcpy(destino, inicio, COPIA_INTEIROS);
  destino += inteiros;
  if (ponto) *destino++ = '.';
  std::memcpy(destino, inicio + inteiros, COPIA_DECIMAIS);
  destino += espec.precisao;
  return espec.esquerda ? Enche(destino, ' ', enchimento) : destino;
}

// The flag letters of a conversion and the field each one sets.
struct TFlag {
  char letra;
  bool TEspec_Fixo::*campo;
};
constexpr TFlag FLAGS[] = {{'-', &TEspec_Fixo::esquerda},
                           {'+', &TEspec_Fixo::sinal},
                           {' ', &TEspec_Fixo::espaco},
                           {'0', &TEspec_Fixo::zeros},
                           {'#', &TEspec_Fixo::alternativo}};

// The flag a letter stands for; null for any other letter.
const TFlag* Flag_Da_Letra(char letra) {
  for (const TFlag& f : FLAGS) {
    if (f.letra == letra) return &f;
  }
  return nullptr;
}

// The conversion through snprintf: the format rebuilt from espec, the text
// cut to the room the caller has.
char* Escreve_Por_Snprintf(char* destino, double v, const TEspec_Fixo& espec) {
  char formato[MAX_CONVERSAO];
  char* p = formato;
  *p++ = '%';
  for (const TFlag& f : FLAGS) {
    if (espec.*f.campo) *p++ = f.letra;
  }
  std::snprintf(p, formato + sizeof formato - p, "%d.%df", espec.largura, espec.precisao);
  char texto[MAX_TEXTO_REAL_FIXO + 1];
  const int n = std::snprintf(texto, sizeof texto, formato, v);
  const size_t tamanho = std::min(static_cast<size_t>(std::max(n, 0)), MAX_TEXTO_REAL_FIXO);
  std::memcpy(destino, texto, tamanho);
  return destino + tamanho;
}

// Reads the flags and the width of a conversion; p is past its '%'.
void Le_Flags_Largura(const char* p, TEspec_Fixo* espec) {
  for (const TFlag* f; (f = Flag_Da_Letra(*p)) != nullptr; ++p) espec->*f->campo = true;
  for (; *p >= '0' && *p <= '9'; ++p) espec->largura = espec->largura * 10 + (*p - '0');
}

}  // namespace

bool Compila_Espec_Fixo(const TPeca_Formato& peca, TEspec_Fixo* espec) {
  if (peca.tipo != TTipo_Peca::Real_Fixo || peca.longo) return false;
  *espec = TEspec_Fixo();
  Le_Flags_Largura(peca.inicio + 1, espec);
  if (peca.precisao >= 0) espec->precisao = peca.precisao;
  return true;
}

char* Escreve_Real_Fixo(char* destino, float v, const TEspec_Fixo& espec) {
  uint32_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  const bool finito = ((bits >> 23) & 0xFF) != 0xFF;
  if (!finito || espec.precisao < 0 || espec.precisao > MAX_PRECISAO_RAPIDA) {
    return Escreve_Por_Snprintf(destino, v, espec);
  }
  char digitos[MAX_DIGITOS + COPIA_INTEIROS];
  char* fim = digitos + MAX_DIGITOS;
  const char* inicio = Escreve_Escalado(fim, bits, espec.precisao);
  return Monta_Campo(destino, (bits >> 31) != 0, inicio, fim, espec);
}

char* Escreve_Real_Fixo(char* destino, double v, const TEspec_Fixo& espec) {
  if (std::fabs(v) <= FLT_MAX && static_cast<double>(static_cast<float>(v)) == v) {
    return Escreve_Real_Fixo(destino, static_cast<float>(v), espec);
  }
  return Escreve_Por_Snprintf(destino, v, espec);
}

}  // namespace arqaux
