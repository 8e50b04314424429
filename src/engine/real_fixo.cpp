#include "engine/real_fixo.h"

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
constexpr int kMaxPrecisaoRapida = 9;

// 10^0 to 10^19, every power of ten below 2^64.
constexpr int kMaxDigitos64 = 20;
struct TPotencias_10 {
  uint64_t de[kMaxDigitos64] = {1};
  constexpr TPotencias_10() {
    for (int i = 1; i < kMaxDigitos64; ++i) de[i] = de[i - 1] * 10;
  }
};
constexpr TPotencias_10 kPotencias10;

// One 64-bit slice of a 128-bit integer's digits: 19 of them.
constexpr int kDigitosFatia = 19;
constexpr uint64_t kFatia = kPotencias10.de[kDigitosFatia];

// "00" to "99": two digits per step, from the right.
constexpr char kPares[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes the last n digits of v, zeros in front where v has fewer, so that
// they end just before fim.
void Escreve_Digitos(char* fim, uint64_t v, int n) {
  for (; n >= 2; n -= 2) {
    fim -= 2;
    std::memcpy(fim, kPares + 2 * (v % 100), 2);
    v /= 100;
  }
  if (n == 1) fim[-1] = static_cast<char>('0' + v % 10);
}

// The same for an integer that may need 128 bits; n is its digit count.
void Escreve_Digitos(char* fim, unsigned __int128 v, int n) {
  for (; (v >> 64) != 0; v /= kFatia, fim -= kDigitosFatia, n -= kDigitosFatia) {
    Escreve_Digitos(fim, static_cast<uint64_t>(v % kFatia), kDigitosFatia);
  }
  Escreve_Digitos(fim, static_cast<uint64_t>(v), n);
}

// How many digits v has (one for zero), from its bit length.
int Conta_Digitos(uint64_t v) {
  const uint64_t w = v | 1;
  const int aproximado = ((64 - __builtin_clzll(w)) * 1233) >> 12;
  return aproximado - (w < kPotencias10.de[aproximado]) + 1;
}

// How many digits v has (one for zero).
int Conta_Digitos(unsigned __int128 v) {
  int n = 0;
  for (; (v >> 64) != 0; v /= kFatia) n += kDigitosFatia;
  return n + Conta_Digitos(static_cast<uint64_t>(v));
}

// Whether a finite float, given by its bits, is below 2^64 (a biased
// exponent under 191): its integer part then fits 64 bits.
bool Abaixo_De_2_64(uint32_t bits) { return ((bits >> 23) & 0xFF) < 191; }

// |v| rounded to P decimals, half to even on v's exact value: its integer
// part, in 128 bits for any float or in 64 for one below 2^64, and its
// decimals as an integer below 10^P.
template <class U>
struct TPartes {
  U inteiro = 0;
  uint64_t decimais = 0;
};

// The parts of a finite float given by its bits; escala is 10^P, P from 0
// to kMaxPrecisaoRapida. Inline, so that where P is a constant the scaling
// and the rounding are fixed at compile time.
template <class U>
__attribute__((always_inline)) inline TPartes<U> Separa(uint32_t bits, uint64_t escala) {
  const uint32_t campo_expoente = (bits >> 23) & 0xFF;
  uint64_t m = bits & 0x7FFFFF;
  if (campo_expoente != 0) m |= 1u << 23;
  // v = m * 2^expoente; a denormal has the smallest normal exponent.
  const int expoente = static_cast<int>(std::max(campo_expoente, 1u)) - 150;
  TPartes<U> r;
  if (expoente >= 0) {
    r.inteiro = static_cast<U>(m) << expoente;
    return r;
  }
  // Below 2^-54, m * 10^P / 2^deslocamento is under a half: zero.
  const int deslocamento = -expoente;
  if (deslocamento > 54) return r;
  const uint64_t escalado = m * escala;
  const uint64_t metade = uint64_t{1} << (deslocamento - 1);
  const uint64_t resto = escalado & ((metade << 1) - 1);
  uint64_t q = escalado >> deslocamento;
  // Up past a half, or at a half to an even last digit; without a branch,
  // since whether a measured value rounds up is anyone's guess.
  q += static_cast<uint64_t>(resto > metade) | (static_cast<uint64_t>(resto == metade) & q);
  // q lies between inteiro * 10^P and (inteiro + 1) * 10^P, so the decimals
  // are the difference, with no division; at the upper end the rounding
  // carried into the integer part.
  uint64_t inteiro = m >> deslocamento;
  r.decimais = q - inteiro * escala;
  if (r.decimais == escala) {
    ++inteiro;
    r.decimais = 0;
  }
  r.inteiro = inteiro;
  return r;
}

// Spaces or zeros: what pads the field to its width.
char* Enche(char* destino, char c, ptrdiff_t n) {
  if (n > 0) std::memset(destino, c, n);
  return destino + n;
}

// Lays out the field: sign, integer digits, point and decimals, padded to the
// width as the flags say.
template <class U>
char* Monta_Campo(char* destino, bool negativo, const TPartes<U>& partes,
                  const TEspec_Fixo& espec) {
  const char sinal = negativo ? '-' : espec.sinal ? '+' : espec.espaco ? ' ' : '\0';
  const bool ponto = espec.precisao > 0 || espec.alternativo;
  const int inteiros = Conta_Digitos(partes.inteiro);
  const ptrdiff_t corpo = (sinal != '\0') + inteiros + ponto + espec.precisao;
  const ptrdiff_t enchimento = std::max<ptrdiff_t>(espec.largura - corpo, 0);
  if (!espec.esquerda && !espec.zeros) destino = Enche(destino, ' ', enchimento);
  if (sinal != '\0') *destino++ = sinal;
  if (!espec.esquerda && espec.zeros) destino = Enche(destino, '0', enchimento);
  destino += inteiros;
  Escreve_Digitos(destino, partes.inteiro, inteiros);
  if (ponto) *destino++ = '.';
  destino += espec.precisao;
  Escreve_Digitos(destino, partes.decimais, espec.precisao);
  return espec.esquerda ? Enche(destino, ' ', enchimento) : destino;
}

// The point and P decimals from destino on.
template <int P>
__attribute__((always_inline)) inline char* Escreve_Decimais(char* destino, uint64_t decimais) {
  if (P == 0) return destino;
  *destino = '.';
  destino += 1 + P;
  Escreve_Digitos(destino, decimais, P);
  return destino;
}

// The integer digits, the point and P decimals of partes from destino on.
template <int P>
__attribute__((always_inline)) inline char* Escreve_Partes(char* destino,
                                                           const TPartes<uint64_t>& partes,
                                                           int inteiros) {
  destino += inteiros;
  Escreve_Digitos(destino, partes.inteiro, inteiros);
  return Escreve_Decimais<P>(destino, partes.decimais);
}

// The field of a plain conversion, "%.Pf" with no flags and no width, as
// report lines mostly use. A finite float below 2^64; its bits are given.
template <int P>
char* Escreve_Simples(char* destino, uint32_t bits) {
  const TPartes<uint64_t> partes = Separa<uint64_t>(bits, kPotencias10.de[P]);
  *destino = '-';
  destino += bits >> 31;
  if (partes.inteiro >= 100) {
    return Escreve_Partes<P>(destino, partes, Conta_Digitos(partes.inteiro));
  }
  // One or two integer digits, as most report values have: both bytes of
  // the pair from the table, the first left out below ten, with no branch
  // on which (whether a measured value is below ten is anyone's guess). The
  // byte written past a single digit is room the caller has, and the point
  // or the next field writes over it.
  const uint64_t dois = partes.inteiro >= 10;
  std::memcpy(destino, kPares + 2 * partes.inteiro + 1 - dois, 2);
  return Escreve_Decimais<P>(destino + 1 + dois, partes.decimais);
}

// Plain with P fixed; a float of 2^64 or more, an infinity or a NaN as
// Escreve_Real_Fixo writes it.
template <int P>
char* Escreve_Plano(char* destino, float v, const TEspec_Fixo& espec) {
  uint32_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  if (Abaixo_De_2_64(bits)) return Escreve_Simples<P>(destino, bits);
  return Escreve_Real_Fixo(destino, v, espec);
}

// "%0W.Pf" with P fixed, as the load lines write their values: the sign,
// zeros up to the width, then the digits, each written once in place.
template <int P>
char* Escreve_Zerado(char* destino, float v, const TEspec_Fixo& espec) {
  uint32_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  if (!Abaixo_De_2_64(bits)) return Escreve_Real_Fixo(destino, v, espec);
  const TPartes<uint64_t> partes = Separa<uint64_t>(bits, kPotencias10.de[P]);
  const int inteiros = Conta_Digitos(partes.inteiro);
  const int sinal = static_cast<int>(bits >> 31);
  *destino = '-';
  destino += sinal;
  // The zeros sixteen at a time: the room of a field covers the width and a
  // block past it.
  const int zeros = espec.largura - (sinal + inteiros + (P > 0) + P);
  for (int k = 0; k < zeros; k += 16) std::memcpy(destino + k, "0000000000000000", 16);
  destino += std::max(zeros, 0);
  return Escreve_Partes<P>(destino, partes, inteiros);
}

constexpr TEscritor_Fixo kZerados[kMaxPrecisaoRapida + 1] = {
    Escreve_Zerado<0>, Escreve_Zerado<1>, Escreve_Zerado<2>, Escreve_Zerado<3>, Escreve_Zerado<4>,
    Escreve_Zerado<5>, Escreve_Zerado<6>, Escreve_Zerado<7>, Escreve_Zerado<8>, Escreve_Zerado<9>};

constexpr TEscritor_Fixo kPlanos[kMaxPrecisaoRapida + 1] = {
    Escreve_Plano<0>, Escreve_Plano<1>, Escreve_Plano<2>, Escreve_Plano<3>, Escreve_Plano<4>,
    Escreve_Plano<5>, Escreve_Plano<6>, Escreve_Plano<7>, Escreve_Plano<8>, Escreve_Plano<9>};

bool Plano(const TEspec_Fixo& espec) {
  return espec.largura == 0 && !espec.esquerda && !espec.sinal && !espec.espaco && !espec.zeros &&
         !espec.alternativo && espec.precisao >= 0 && espec.precisao <= kMaxPrecisaoRapida;
}

using TEscreve_Simples = char* (*)(char*, uint32_t);
constexpr TEscreve_Simples kSimples[kMaxPrecisaoRapida + 1] = {
    Escreve_Simples<0>, Escreve_Simples<1>, Escreve_Simples<2>, Escreve_Simples<3>,
    Escreve_Simples<4>, Escreve_Simples<5>, Escreve_Simples<6>, Escreve_Simples<7>,
    Escreve_Simples<8>, Escreve_Simples<9>};

// The flag letters of a conversion and the field each one sets.
struct TFlag {
  char letra;
  bool TEspec_Fixo::*campo;
};
constexpr TFlag kFlags[] = {{'-', &TEspec_Fixo::esquerda},
                            {'+', &TEspec_Fixo::sinal},
                            {' ', &TEspec_Fixo::espaco},
                            {'0', &TEspec_Fixo::zeros},
                            {'#', &TEspec_Fixo::alternativo}};

// The flag a letter stands for; null for any other letter.
const TFlag* Flag_Da_Letra(char letra) {
  for (const TFlag& f : kFlags) {
    if (f.letra == letra) return &f;
  }
  return nullptr;
}

// The conversion through snprintf: the format rebuilt from espec, the text
// cut to the room the caller has.
char* Escreve_Por_Snprintf(char* destino, double v, const TEspec_Fixo& espec) {
  char formato[kMaxConversao];
  char* p = formato;
  *p++ = '%';
  for (const TFlag& f : kFlags) {
    if (espec.*f.campo) *p++ = f.letra;
  }
  std::snprintf(p, formato + sizeof formato - p, "%d.%df", espec.largura, espec.precisao);
  char texto[kMaxTextoRealFixo + 1];
  const int n = std::snprintf(texto, sizeof texto, formato, v);
  const size_t tamanho = std::min(static_cast<size_t>(std::max(n, 0)), kMaxTextoRealFixo);
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
  if (!finito || espec.precisao < 0 || espec.precisao > kMaxPrecisaoRapida) {
    return Escreve_Por_Snprintf(destino, v, espec);
  }
  const bool negativo = (bits >> 31) != 0;
  const uint64_t escala = kPotencias10.de[espec.precisao];
  // Below 2^64 a plain conversion takes the path fixed for its precision,
  // any other the field's layout with no 128-bit arithmetic.
  if (Abaixo_De_2_64(bits)) {
    if (Plano(espec)) return kSimples[espec.precisao](destino, bits);
    return Monta_Campo(destino, negativo, Separa<uint64_t>(bits, escala), espec);
  }
  return Monta_Campo(destino, negativo, Separa<unsigned __int128>(bits, escala), espec);
}

TEscritor_Fixo Escritor_Fixo(const TEspec_Fixo& espec) {
  if (Plano(espec)) return kPlanos[espec.precisao];
  TEspec_Fixo sem_zeros = espec;
  sem_zeros.zeros = false;
  sem_zeros.largura = 0;
  if (espec.zeros && !espec.esquerda && Plano(sem_zeros)) return kZerados[espec.precisao];
  return Escreve_Real_Fixo;
}

char* Escreve_Real_Fixo(char* destino, double v, const TEspec_Fixo& espec) {
  if (std::fabs(v) <= FLT_MAX && static_cast<double>(static_cast<float>(v)) == v) {
    return Escreve_Real_Fixo(destino, static_cast<float>(v), espec);
  }
  return Escreve_Por_Snprintf(destino, v, espec);
}

}  // namespace arqaux
