// Report conversion against its two baselines, alternated in one process:
//   library  the library's converter, as a host calls it;
//   floor    the same bytes from a program that reads the whole stream at
//            once, formats with the exact fixed-point formatter and writes
//            with one fwrite: what the hardware allows. From a text stream
//            it converts the values it shows with fast_float and passes over
//            the others as tokens; a load line already as the copy writes it
//            it copies whole;
//   literal  the documented algorithm as it reads: one fread per record
//            (for a text stream one fscanf per value) through the registry,
//            one fprintf per value, the text stream selected again for
//            every line, the clock formatted by the clock library.
// Each repetition runs the three in a rotating order on one year of
// 10-minute samples and checks the floor's and the literal's bytes against
// the library's, so a baseline that drifts stops the run. CPU time of the
// process; min and median of the repetitions, and the ratios of medians.
//
// Usage: report_ratios [REPETITIONS [FAMILY]]   (default 7, at least 5; only
// the families whose name holds FAMILY)
#include <arqaux/arqaux.h>
#include <emmintrin.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <list>
#include <string>
#include <vector>

#include "engine/real_fixo.h"
#include "fast_float/fast_float.h"

namespace {

namespace fs = std::filesystem;

constexpr int kIntervalo = 600;
constexpr int kRegistros = 365 * 24 * 3600 / kIntervalo;  // 52,560
constexpr long kCabecalho_TUPMV = 7;
constexpr int kSaidas = 4;
constexpr int kIndice = 2;
// Flux stream: four regions of heat pair and vapour flux, region 2 reported.
constexpr int kRegioes = 4;
constexpr int kRegiao = 2;
constexpr long kCabecalho_Fluxo = 4 + 4 * kRegioes;
constexpr float kMilhao = 1000000.0f;
const char kCabecalho_Regiao[] =
    "[Inicio: 1/1 as 0:00:00 - Fim: 31/12 as 23:59:59 h]\n"
    "[Intervalo de Amostragem = %d s]\n"
    "Regiao 2 -> 2.50 m\xB2\n";
const char kColunas_Fluxo[] = "[Calor_S]       [Calor_L]     [ Vapor ]  [M\xEAs]  [Dia]  [Hora]\n";
const char kColunas_Umidade[] =
    "[Dia/Mes] [Umidade Adsorvida] [Umidade Dessorvida] (mg/m2-dia) \n\n";

double Cpu() {
  timespec t;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

// The whole file with one read.
std::string Le_Tudo(const std::string& caminho) {
  std::string dados;
  std::error_code ec;
  const auto tamanho = fs::file_size(caminho, ec);
  FILE* arq = ec ? nullptr : std::fopen(caminho.c_str(), "rb");
  if (arq == nullptr) return dados;
  dados.resize(tamanho);
  dados.resize(std::fread(dados.data(), 1, tamanho, arq));
  std::fclose(arq);
  return dados;
}

// What a floor reads: the whole file mapped at once, its pages taken from the
// cache as they are, with no copy into a buffer of the program's own.
class Mapeado {
 public:
  explicit Mapeado(const std::string& caminho) {
    const int fd = open(caminho.c_str(), O_RDONLY);
    struct stat st;
    if (fd < 0 || fstat(fd, &st) != 0 || st.st_size == 0) {
      if (fd >= 0) close(fd);
      return;
    }
    void* m = mmap(nullptr, static_cast<size_t>(st.st_size), PROT_READ, MAP_PRIVATE | MAP_POPULATE,
                   fd, 0);
    close(fd);
    if (m == MAP_FAILED) return;
    dados_ = static_cast<const char*>(m);
    tamanho_ = static_cast<size_t>(st.st_size);
  }
  ~Mapeado() {
    if (dados_ != nullptr) munmap(const_cast<char*>(dados_), tamanho_);
  }
  Mapeado(const Mapeado&) = delete;
  Mapeado& operator=(const Mapeado&) = delete;
  const char* data() const { return dados_; }
  size_t size() const { return tamanho_; }

 private:
  const char* dados_ = nullptr;
  size_t tamanho_ = 0;
};

// The room a floor builds its output in: kept from call to call, as the
// library keeps its buffers, so that only the first call pays for its pages.
char* Sala(int vaga, size_t tamanho) {
  static std::vector<char> salas[2];
  std::vector<char>& sala = salas[vaga];
  if (sala.size() < tamanho) sala.resize(tamanho);
  return sala.data();
}

void Grava_Tudo(const std::string& caminho, const char* dados, size_t n) {
  FILE* arq = std::fopen(caminho.c_str(), "wb");
  if (arq == nullptr) return;
  std::fwrite(dados, 1, n, arq);
  std::fclose(arq);
}

// A value that varies from sample to sample in every digit.
float Ruido(uint32_t* semente) {
  *semente = *semente * 1664525u + 1013904223u;
  return static_cast<float>(*semente >> 8) / static_cast<float>(1 << 24);
}

TTempo Inicio() { return TTempo(); }
TTempo Fim() {
  TTempo fim;
  fim.Hora = 23, fim.Mes = 12, fim.Dia = 31;
  return fim;
}

// ---------------------------------------------------------------- floor --

// The floor's own clock: seconds, hours, days and months with carry.
struct Relogio_Piso {
  int mes = 1, dia = 1, hora = 0, segundos = 0;
  void Avanca(int s) {
    static const int kDias[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (segundos += s; segundos >= 3600; segundos -= 3600) {
      if (++hora < 24) continue;
      hora = 0;
      if (++dia > kDias[mes]) dia = 1, mes = mes % 12 + 1;
    }
  }
};

char* Texto(char* p, const char* s) {
  const size_t n = std::strlen(s);
  std::memcpy(p, s, n);
  return p + n;
}
char* Dois(char* p, int v) {
  p[0] = static_cast<char>('0' + v / 10);
  p[1] = static_cast<char>('0' + v % 10);
  return p + 2;
}
char* Inteiro(char* p, int v) { return v >= 10 ? Dois(p, v) : (*p = char('0' + v), p + 1); }
// "%.Pf" (P up to 9) through the writer chosen once for P, as the library
// chooses one per compiled column.
struct Real_Piso {
  arqaux::TEspec_Fixo espec;
  arqaux::TEscritor_Fixo escreve;
};
const Real_Piso* Reais_Piso() {
  static const std::vector<Real_Piso> reais = [] {
    std::vector<Real_Piso> r(10);
    for (int k = 0; k < 10; ++k) {
      r[k].espec.precisao = k;
      r[k].escreve = arqaux::Escritor_Fixo(r[k].espec);
    }
    return r;
  }();
  return reais.data();
}
char* Real(char* p, float v, int precisao) {
  static const Real_Piso* const reais = Reais_Piso();
  return reais[precisao].escreve(p, v, reais[precisao].espec);
}

// Advances the clock by one sample and writes it: month, day and time, each
// after its separator.
char* Relogio_Apos(char* p, Relogio_Piso* relogio, const char* antes_mes, const char* antes_dia,
                   const char* antes_hora) {
  relogio->Avanca(kIntervalo);
  p = Inteiro(Texto(p, antes_mes), relogio->mes);
  p = Inteiro(Texto(p, antes_dia), relogio->dia);
  p = Dois(Texto(p, antes_hora), relogio->hora);
  p = Dois(Texto(p, ":"), relogio->segundos / 60);
  return Dois(Texto(p, ":"), relogio->segundos % 60);
}

// The floor's output: the whole report in memory, begun with its header
// (a format of the interval), written with one fwrite.
class Saida_Piso {
 public:
  Saida_Piso(size_t linhas, size_t por_linha, const char* cabecalho, int vaga = 0)
      : dados_(Sala(vaga, linhas * por_linha + 4096)), p(dados_) {
    p += std::snprintf(p, 4096, cabecalho, kIntervalo);
  }
  void Grava(const std::string& destino) {
    Grava_Tudo(destino, dados_, static_cast<size_t>(p - dados_));
  }

 private:
  char* dados_;

 public:
  char* p;
};

void Piso_TUPMV(const std::string& origem, const std::string& destino) {
  const Mapeado dados(origem);
  const size_t n = (dados.size() - kCabecalho_TUPMV) / 24;
  Saida_Piso saida(n, 160,
                   "[Inicio: 1/1 as 0:00:00 - Fim: 31/12 as 23:59:59 h]\n"
                   "[Intervalo de Amostragem = %d s]\n"
                   "[Temp_I] [Umi_I] [ PMV ] [ PPD ][M\xEAs]  [Dia]  [Hora]\n");
  char*& p = saida.p;
  Relogio_Piso relogio;
  float somas[4] = {};
  int contagem = 0, decorridos = 0;
  for (size_t r = 0; r < n; ++r) {
    float v[6];
    std::memcpy(v, dados.data() + kCabecalho_TUPMV + 24 * r, sizeof v);
    const float valores[4] = {v[0], v[2], v[4], v[5]};
    p = Texto(Real(p, valores[0], 5), "  \t");
    p = Real(p, valores[1], 8);
    p = Real(Texto(Real(p, valores[2], 2), "\t"), valores[3], 2);
    for (int i = 0; i < 4; ++i) somas[i] += valores[i];
    decorridos += kIntervalo;
    p = Relogio_Apos(p, &relogio, "\t  ", "     ", "      ");
    ++contagem;
    if (decorridos == 3600) {
      decorridos = 0;
      p = Texto(Real(Texto(p, "\t(Media da Hora : ["), somas[0] / contagem, 2), "   ");
      p = Real(p, somas[1] / contagem, 4);
      p = Real(Texto(Real(p, somas[2] / contagem, 2), "\t"), somas[3] / contagem, 2);
      *p++ = ']';
      contagem = 0;
      std::fill(somas, somas + 4, 0.0f);
    }
    *p++ = '\n';
  }
  saida.Grava(destino);
}

void Piso_SC(const std::string& origem, const std::string& destino) {
  const Mapeado dados(origem);
  constexpr size_t kTamanho = 4 * (kSaidas + 1);
  const size_t n = (dados.size() - 4) / kTamanho;
  Saida_Piso saida(n, 64,
                   "[Inicio: 1/1 as 0 h - Fim: 31/12 as 23 h]\n"
                   "[Intervalo de Amostragem = %d s]\n"
                   "[Saida_Contr] [M\xEAs]  [Dia]  [Hora]\n");
  char*& p = saida.p;
  Relogio_Piso relogio;
  int decorridos = 0;
  for (size_t r = 0; r < n; ++r) {
    float v;
    std::memcpy(&v, dados.data() + 4 + kTamanho * r + 4 * kIndice, 4);
    p = Real(p, v, 1);
    if (decorridos % 3600 == 0) {
      relogio.Avanca(decorridos);
      p = Inteiro(Texto(p, "\t   "), relogio.mes);
      p = Inteiro(Texto(p, "     "), relogio.dia);
      p = Inteiro(Texto(p, "     "), relogio.hora);
      decorridos = 0;
    }
    decorridos += kIntervalo;
    *p++ = '\n';
  }
  saida.Grava(destino);
}

// Text streams: the floor reads the whole stream at once, converts each
// value it shows with fast_float and passes over the others as tokens.
bool Branco(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
const char* Pula_Brancos(const char* p, const char* fim) {
  while (p != fim && Branco(*p)) ++p;
  return p;
}
const char* Pula_Token(const char* p, const char* fim) {
  while (p != fim && !Branco(*p)) ++p;
  return p;
}
const char* Converte(const char* p, const char* fim, float* v) {
  return fast_float::from_chars(p, fim, *v).ptr;
}

// Bit i set where p[i] is white space, for the 64 characters from p.
uint64_t Brancos_64(const char* p) {
  uint64_t brancos = 0;
  for (int i = 0; i < 4; ++i) {
    const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
    const __m128i b = _mm_or_si128(
        _mm_or_si128(_mm_cmpeq_epi8(c, _mm_set1_epi8(' ')), _mm_cmpeq_epi8(c, _mm_set1_epi8('\t'))),
        _mm_or_si128(_mm_cmpeq_epi8(c, _mm_set1_epi8('\n')),
                     _mm_cmpeq_epi8(c, _mm_set1_epi8('\r'))));
    brancos |= static_cast<uint64_t>(static_cast<uint16_t>(_mm_movemask_epi8(b))) << (16 * i);
  }
  return brancos;
}

// Passes over k tokens from p (at white space or at a token's start) and
// returns the end of the last: 64 characters at a time, the tokens that end
// among them counted at once.
const char* Pula_Tokens(const char* p, const char* fim, int k) {
  while (k > 0 && fim - p >= 64) {
    const uint64_t brancos = Brancos_64(p);
    // Bit i: a token ends at p[i], p[i + 1] being white space (i < 63).
    uint64_t fins = ~brancos & (brancos >> 1);
    const int n = __builtin_popcountll(fins);
    if (n < k) {
      k -= n;
      p += 63;
      continue;
    }
    for (; k > 1; --k) fins &= fins - 1;
    return p + __builtin_ctzll(fins) + 1;
  }
  for (; k > 0; --k) p = Pula_Token(Pula_Brancos(p, fim), fim);
  return p;
}

class Linhas_Piso {
 public:
  // The lines' n values, of which those at the positions mostradas are kept.
  Linhas_Piso(const std::string& origem, int n, const std::vector<int>& mostradas)
      : dados_(origem), valores_(n) {
    std::vector<bool> mostrada(n, false);
    for (int i : mostradas) mostrada[static_cast<size_t>(i)] = true;
    for (int i = 0; i < n; ++i) {
      if (mostrada[static_cast<size_t>(i)]) {
        passos_.push_back(-1 - i);
      } else if (passos_.empty() || passos_.back() < 0) {
        passos_.push_back(1);
      } else {
        ++passos_.back();
      }
    }
  }
  // At most this many lines: each value takes a character and a separator.
  size_t Linhas() const { return dados_.size() / (2 * valores_.size()) + 1; }
  // The next line's values; false at the end of the text.
  bool Proxima() {
    const char* fim = dados_.data() + dados_.size();
    if (p_ == fim) return false;
    for (const int passo : passos_) {
      if (passo > 0) {
        p_ = Pula_Tokens(p_, fim, passo);
      } else {
        p_ = Converte(Pula_Brancos(p_, fim), fim, &valores_[static_cast<size_t>(-1 - passo)]);
      }
    }
    p_ = static_cast<const char*>(std::memchr(p_, '\n', static_cast<size_t>(fim - p_))) + 1;
    return true;
  }
  float operator[](int i) const { return valores_[static_cast<size_t>(i)]; }

 private:
  const Mapeado dados_;
  const char* p_ = dados_.data();
  std::vector<float> valores_;
  // Per run of the line: a count of tokens passed over (> 0), or -1 - i for
  // value i converted.
  std::vector<int> passos_;
};

// A column of an equipment floor: the value's place on the line, and the
// precision and text after it in the rows and in the averages.
struct Coluna_Piso {
  int posicao;
  int precisao;
  const char* depois;
  int precisao_media;
  const char* depois_media;
};

template <size_t N>
void Piso_Equipamento(const std::string& origem, const std::string& destino, int valores,
                      const Coluna_Piso (&colunas)[N], size_t por_linha, const char* cabecalho) {
  std::vector<int> mostradas;
  for (const Coluna_Piso& c : colunas) mostradas.push_back(c.posicao);
  Linhas_Piso linhas(origem, valores, mostradas);
  Saida_Piso saida(linhas.Linhas(), por_linha, cabecalho);
  char*& p = saida.p;
  Relogio_Piso relogio;
  float somas[N] = {};
  int contagem = 0, decorridos = 0;
  while (linhas.Proxima()) {
    for (size_t c = 0; c < N; ++c) {
      somas[c] += linhas[colunas[c].posicao];
      p = Texto(Real(p, linhas[colunas[c].posicao], colunas[c].precisao), colunas[c].depois);
    }
    decorridos += kIntervalo;
    p = Relogio_Apos(p, &relogio, "  ", "      ", "    ");
    ++contagem;
    if (decorridos == 3600) {
      decorridos = 0;
      p = Texto(p, "\t(Media da Hora : [");
      for (size_t c = 0; c < N; ++c) {
        p = Texto(Real(p, somas[c] / contagem, colunas[c].precisao_media), colunas[c].depois_media);
      }
      *p++ = ']';
      contagem = 0;
      std::fill(somas, somas + N, 0.0f);
    }
    *p++ = '\n';
  }
  saida.Grava(destino);
}

// Fan coil, relative humidity: the line's 50 values are the outdoor and
// return air (3 each) and the mixing box, heater, two coils, humidifier and
// two fans; each component's humidity is its second value.
constexpr int kValores_FanCoil = 50;
constexpr Coluna_Piso kColunas_FanCoil[] = {
    {1, 2, "\t\t", 2, "\t"}, {4, 2, "\t\t", 2, "\t"}, {7, 6, "\t", 4, "\t"},
    {10, 6, "\t", 4, "\t"},  {15, 6, "\t", 4, "\t"},  {24, 6, "\t", 4, "\t"},
    {33, 6, "\t", 4, "\t"},  {39, 6, "\t", 4, "\t"},  {45, 6, "\t", 4, "\t"}};

void Piso_FanCoil(const std::string& origem, const std::string& destino) {
  Piso_Equipamento(origem, destino, kValores_FanCoil, kColunas_FanCoil, 256,
                   "[Umidade Relativa nos Componentes (%%) - (Fan Coil 1)]\n"
                   "[Inicio: 1/1 as 0:00:00 - Fim: 31/12 as 23:59:59 h]\n"
                   "[Intervalo de Amostragem = %d s]\n"
                   "[Ar Externo   ] [Ar Retorno   ] [Caixa Mistura] [Res. El\xE9trica] "
                   "[Serp. Aquec. ] [Serp. Resf.  ] [Umidificador ] [Vent. Insuf. ] "
                   "[Vent. Ret.   ] [M\xEAs]  [Dia]  [Hora]\n");
}

// Boiler, water temperatures: of the line's ten values (results 0, 2, 3, 4,
// 7, 8, 9, 6, 5, 10) the inlet is result 4, the outlets results 2 and 3.
constexpr int kValores_Boiler = 10;
constexpr Coluna_Piso kColunas_Boiler[] = {
    {3, 2, "\t  ", 2, "\t"}, {1, 2, "  \t", 2, "\t"}, {2, 2, "\t ", 2, ""}};

void Piso_Boiler(const std::string& origem, const std::string& destino) {
  Piso_Equipamento(origem, destino, kValores_Boiler, kColunas_Boiler, 128,
                   "[Temperatura da \xC1gua na Caldeira (\xBA"
                   "C) - (Caldeira 1)]\n"
                   "[Inicio: 1/1 as 0:00:00 - Fim: 31/12 as 23:59:59 h]\n"
                   "[Intervalo de Amostragem = %d s]\n"
                   "[Entrada] [Sa\xED"
                   "da ] [Sa\xED"
                   "da M\xE9"
                   "dia] [M\xEAs]  [Dia]  [Hora]\n");
}

// Air-cooled chiller, compressor power: of the line's six values (results
// 8, 3, 2, 7, 5, 4) the power is result 7.
constexpr int kValores_Chiller = 6;
constexpr Coluna_Piso kColunas_Chiller[] = {{3, 2, "    \t", 2, ""}};

void Piso_Chiller(const std::string& origem, const std::string& destino) {
  Piso_Equipamento(origem, destino, kValores_Chiller, kColunas_Chiller, 64,
                   "[Pot\xEAncia El\xE9trica do Compressor (W) - (Chiller a Ar 1)]\n"
                   "[Inicio: 1/1 as 0:00:00 - Fim: 31/12 as 23:59:59 h]\n"
                   "[Intervalo de Amostragem = %d s]\n"
                   "[Pot\xEAncia     ] [M\xEAs]  [Dia]  [Hora]\n");
}

// Summer load stream: a line is the date and time, then 42 values, each
// "%07.2f\t " but the zone's and the exterior's absolute humidities, 38 and
// 41, "%07.5f\t ". Its report is the same lines under the preamble.
constexpr int kValores_Carga = 42;
constexpr int kTipo_Carga = 3;
bool Cinco_Casas(int i) { return i == 38 || i == 41; }

// The report's header (preamble, legend and titles), made once by the
// library before anything is timed: it is fixed text, the same in every
// variant.
std::string& Cabecalho_Carga() {
  static std::string cabecalho;
  return cabecalho;
}

// One past the "\t " after a load value at p that is what "%07.Pf\t "
// writes for the float it scans as: a '-' or not, integer digits padded with
// zeros to the width of 7 only, no more of them than the float keeps exact
// (5 at two decimals, 2 at five), P decimals; null otherwise.
const char* Pula_Valor_Escrito(const char* p, const char* fim, int casas) {
  const char* const inicio = p;
  p += p != fim && *p == '-';
  const char* const digitos = p;
  while (p != fim && static_cast<unsigned char>(*p - '0') < 10) ++p;
  const char* const ponto = p;
  if (ponto == digitos || fim - ponto < casas + 3 || *ponto != '.') return nullptr;
  for (p = ponto + 1; p != ponto + 1 + casas; ++p) {
    if (static_cast<unsigned char>(*p - '0') >= 10) return nullptr;
  }
  const char* primeiro = digitos;
  while (primeiro + 1 < ponto && *primeiro == '0') ++primeiro;
  const bool encheu = primeiro != digitos;
  if (p[0] != '\t' || p[1] != ' ' || ponto - primeiro > (casas == 2 ? 5 : 2) ||
      (encheu ? p - inicio != 7 : p - inicio < 7)) {
    return nullptr;
  }
  return p + 2;
}

// One past the "\n" of a load line at p whose texts are all as the copy
// writes them (a date of up to 7 characters, " - ", a time of up to 11,
// three blanks, each value as above); null otherwise.
const char* Pula_Linha_Escrita(const char* p, const char* fim) {
  const auto texto = [&p, fim](ptrdiff_t maximo) {
    const char* const inicio = p;
    p = Pula_Token(p, fim);
    return p != inicio && p - inicio <= maximo;
  };
  if (!texto(7) || fim - p < 3 || std::memcmp(p, " - ", 3) != 0) return nullptr;
  p += 3;
  if (!texto(11) || fim - p < 3 || std::memcmp(p, "   ", 3) != 0) return nullptr;
  p += 3;
  for (int i = 0; i < kValores_Carga && p != nullptr; ++i) {
    p = Pula_Valor_Escrito(p, fim, Cinco_Casas(i) ? 5 : 2);
  }
  return p != nullptr && p != fim && *p == '\n' ? p + 1 : nullptr;
}

void Piso_Carga(const std::string& origem, const std::string& destino) {
  const Mapeado dados(origem);
  const char* q = static_cast<const char*>(std::memchr(dados.data(), '\n', dados.size())) + 1;
  const char* const fim = dados.data() + dados.size();
  const std::string& cabecalho = Cabecalho_Carga();
  char* const saida = Sala(0, cabecalho.size() + 2 * dados.size() + 4096);
  char* p = Texto(saida, cabecalho.c_str());
  arqaux::TEspec_Fixo duas, cinco;
  duas.zeros = cinco.zeros = true;
  duas.largura = cinco.largura = 7;
  duas.precisao = 2, cinco.precisao = 5;
  while ((q = Pula_Brancos(q, fim)) != fim) {
    // A line as the copy writes it is copied whole.
    if (const char* linha = Pula_Linha_Escrita(q, fim)) {
      std::memcpy(p, q, static_cast<size_t>(linha - q));
      p += linha - q;
      q = linha;
      continue;
    }
    const char* data = q;
    q = Pula_Token(q, fim);
    std::memcpy(p, data, static_cast<size_t>(q - data));
    p = Texto(p + (q - data), " - ");
    q = Pula_Brancos(Pula_Brancos(q, fim) + 1, fim);
    const char* hora = q;
    q = Pula_Token(q, fim);
    std::memcpy(p, hora, static_cast<size_t>(q - hora));
    p = Texto(p + (q - hora), "   ");
    for (int i = 0; i < kValores_Carga; ++i) {
      float v;
      q = Converte(Pula_Brancos(q, fim), fim, &v);
      p = Texto(arqaux::Escreve_Real_Fixo(p, v, Cinco_Casas(i) ? cinco : duas), "\t ");
    }
    *p++ = '\n';
  }
  Grava_Tudo(destino, saida, static_cast<size_t>(p - saida));
}

// The flux report's floor: both reports built in memory from the whole
// stream, region 2 taken from each step.
void Piso_Fluxo(const std::string& origem, const std::string& destino) {
  const Mapeado dados(origem);
  constexpr size_t kPasso = 12 * kRegioes;
  const size_t n = (dados.size() - kCabecalho_Fluxo) / kPasso;
  const std::string cabecalho = std::string(kCabecalho_Regiao) + kColunas_Fluxo;
  Saida_Piso saida(n, 200, cabecalho.c_str());
  const std::string cabecalho_umidade = std::string(kCabecalho_Regiao) + kColunas_Umidade;
  Saida_Piso umidade(n / 24 + 1, 64, cabecalho_umidade.c_str(), 1);
  char*& p = saida.p;
  Relogio_Piso relogio;
  float somas[3] = {}, adsorvida = 0, dessorvida = 0;
  int contagem = 0, decorridos = 0;
  for (size_t r = 0; r < n; ++r) {
    float v[3];
    std::memcpy(v, dados.data() + kCabecalho_Fluxo + kPasso * r + 12 * (kRegiao - 1), sizeof v);
    p = Texto(Real(p, v[0], 5), " \t\t");
    p = Texto(Real(p, v[1], 5), "    ");
    p = Texto(Real(Texto(p, "\t "), v[2] * kMilhao, 5), " ");
    for (int i = 0; i < 3; ++i) somas[i] += v[i];
    decorridos += kIntervalo;
    p = Relogio_Apos(p, &relogio, "\t  ", "     ", "      ");
    ++contagem;
    if (decorridos == 3600) {
      decorridos = 0;
      p = Texto(Real(Texto(p, "\t(Media da Hora : ["), somas[0] / contagem, 5), " \t");
      p = Texto(Real(p, somas[1] / contagem, 5), "    ");
      p = Real(p, somas[2] * kMilhao / contagem, 5);
      *p++ = ']';
      contagem = 0;
      std::fill(somas, somas + 3, 0.0f);
    }
    if (relogio.hora == 23 && relogio.segundos + kIntervalo == 3600) {
      char*& q = umidade.p;
      q = Inteiro(Texto(Inteiro(q, relogio.dia), "/"), relogio.mes);
      q = Texto(Real(Texto(q, "\t "), adsorvida * kMilhao, 5), " \t ");
      q = Texto(Real(q, dessorvida * kMilhao, 5), " \n");
      adsorvida = dessorvida = 0;
    }
    *p++ = '\n';
    (v[2] < 0 ? dessorvida : adsorvida) += v[2];
  }
  saida.Grava(destino + "FLW.txt");
  umidade.Grava(destino + "MTR.txt");
}

// -------------------------------------------------------------- literal --

// Opens the binary stream (past its header) and the text stream, which is
// left current, as a host does before converting.
void Abre(const std::string& origem, long cabecalho, const std::string& destino, int* binario,
          int* texto) {
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  *binario = geren->Abre_Arquivo(origem.c_str(), "rb");
  std::fseek(geren->ObtemArquivo(), cabecalho, SEEK_SET);
  *texto = geren->Abre_Arquivo(destino.c_str(), "wt");
}

FILE* Seleciona(int n) {
  Geren_ArqAux()->Muda_Arquivo(n);
  return Geren_ArqAux()->ObtemArquivo();
}

void Literal_TUPMV(const std::string& origem, const std::string& destino) {
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  TGeren_Tempo* tempo = DLL_UTIL_Geren_Tempo();
  int binario, texto;
  Abre(origem, kCabecalho_TUPMV, destino, &binario, &texto);
  FILE* arq = geren->ObtemArquivo();
  std::fprintf(arq, "[Inicio: %d/%d as %d:00:00", 1, 1, 0);
  std::fprintf(arq, " - Fim: %d/%d as %d:59:59 h]\n", 31, 12, 23);
  std::fprintf(arq, "[Intervalo de Amostragem = %d s]\n", kIntervalo);
  std::fprintf(arq, "[Temp_I] [Umi_I] [ PMV ] [ PPD ][M\xEAs]  [Dia]  [Hora]\n");
  TTempo relogio;
  relogio.Tempo = 0;
  float v[4], clima[2], somas[4] = {};
  int contagem = 0, decorridos = 0;
  while (geren->Le_Temp_Umi(binario, true, &v[0], true, &v[1], true, &v[2], &v[3], &clima[0],
                            &clima[1])) {
    arq = Seleciona(texto);
    std::fprintf(arq, "%.5f  \t", v[0]);
    std::fprintf(arq, "%.8f", v[1]);
    std::fprintf(arq, "%.2f\t%.2f", v[2], v[3]);
    for (int i = 0; i < 4; ++i) somas[i] += v[i];
    decorridos += kIntervalo;
    char hora[12];
    tempo->Avanca_X_Segundos(kIntervalo, &relogio);
    tempo->R_Hora_Formatada(hora, &relogio);
    std::fprintf(arq, "\t  %d     %d      %s", relogio.Mes, relogio.Dia, hora);
    ++contagem;
    if (decorridos == 3600) {
      decorridos = 0;
      std::fprintf(arq, "\t(Media da Hora : [");
      std::fprintf(arq, "%.2f   ", somas[0] / contagem);
      std::fprintf(arq, "%.4f", somas[1] / contagem);
      std::fprintf(arq, "%.2f\t%.2f", somas[2] / contagem, somas[3] / contagem);
      contagem = 0;
      std::fill(somas, somas + 4, 0.0f);
      std::fprintf(arq, "]");
    }
    std::fprintf(arq, "\n");
  }
  geren->Fecha_Todos();
}

void Literal_SC(const std::string& origem, const std::string& destino) {
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  TGeren_Tempo* tempo = DLL_UTIL_Geren_Tempo();
  int binario, texto;
  Abre(origem, 4, destino, &binario, &texto);
  FILE* arq = geren->ObtemArquivo();
  std::fprintf(arq, "[Inicio: %d/%d as %d h", 1, 1, 0);
  std::fprintf(arq, " - Fim: %d/%d as %d h]\n", 31, 12, 23);
  std::fprintf(arq, "[Intervalo de Amostragem = %d s]\n", kIntervalo);
  std::fprintf(arq, "[Saida_Contr] [M\xEAs]  [Dia]  [Hora]\n");
  std::vector<float> registro(kSaidas + 1);
  TTempo relogio;
  int decorridos = 0;
  while (geren->Le_Saida_Cont(binario, registro.data(), kSaidas + 1)) {
    arq = Seleciona(texto);
    std::fprintf(arq, "%.1f", registro[kIndice]);
    if (decorridos % 3600 == 0) {
      for (int h = 0; h < decorridos / 3600; ++h) tempo->Avanca_UmaHora(&relogio);
      std::fprintf(arq, "\t   %d     %d     %d", relogio.Mes, relogio.Dia, relogio.Hora);
      decorridos = 0;
    }
    decorridos += kIntervalo;
    std::fprintf(arq, "\n");
  }
  geren->Fecha_Todos();
}

// Opens the data and text streams and writes an equipment report's title,
// equipment number and period lines, as documented; returns the text stream.
FILE* Cabecalho_Literal(const std::string& origem, const std::string& destino, const char* titulo,
                        int* dados, int* texto) {
  Abre(origem, 0, destino, dados, texto);
  FILE* arq = Geren_ArqAux()->ObtemArquivo();
  std::fputs(titulo, arq);
  std::fprintf(arq, " %d)]\n", 1);
  std::fprintf(arq, "[Inicio: %d/%d as %d:00:00", 1, 1, 0);
  std::fprintf(arq, " - Fim: %d/%d as %d:59:59 h]\n", 31, 12, 23);
  std::fprintf(arq, "[Intervalo de Amostragem = %d s]\n", kIntervalo);
  return arq;
}

// The end of a data line: the last value's "\t" has taken the "\n" already,
// and at the end of the stream this scan finds nothing, so the line is whole
// all the same.
bool Fim_Linha_Literal(FILE* arq) {
  static_cast<void>(std::fscanf(arq, "\n"));
  return true;
}

// The clock of an equipment row; at the end of an hour of samples, also
// what opens the averages (true).
bool Relogio_Literal(FILE* arq, TTempo* relogio, int* decorridos, int* contagem) {
  char hora[12];
  *decorridos += kIntervalo;
  DLL_UTIL_Geren_Tempo()->Avanca_X_Segundos(kIntervalo, relogio);
  DLL_UTIL_Geren_Tempo()->R_Hora_Formatada(hora, relogio);
  std::fprintf(arq, "  %d      %d    %s", relogio->Mes, relogio->Dia, hora);
  ++*contagem;
  if (*decorridos != 3600) return false;
  *decorridos = 0;
  std::fprintf(arq, "\t(Media da Hora : [");
  return true;
}

// The fan coil of the fan-coil rows: one component of each type, every flag
// set.
CFanCoil* FanCoil_Medido();

// Reads one fan-coil data line: the fan coil's six air values into
// valores[11..16], each component's values into its results and sums.
bool Le_FanCoil_Literal(int dados, std::vector<float>* valores) {
  static const int kAr[6] = {11, 13, 12, 14, 16, 15};
  static const int kGrupos[7][9] = {{0, 2, 1},
                                    {0, 2, 1, 6, 7},
                                    {0, 2, 1, 6, 7, 8, 9, 10, 12},
                                    {0, 2, 1, 6, 7, 8, 9, 10, 12},
                                    {0, 2, 1, 7, 6, 8},
                                    {0, 2, 1, 6, 7, 8},
                                    {0, 2, 1, 6, 7, 8}};
  static const int kNum[7] = {3, 5, 9, 9, 6, 6, 6};
  FILE* arq = Seleciona(dados);
  std::fill(valores->begin(), valores->end(), 0.0f);
  for (int i : kAr) {
    if (std::fscanf(arq, "%f\t", &(*valores)[static_cast<size_t>(i)]) != 1) return false;
  }
  for (TComponente_HVAC* c : FanCoil_Medido()->R_Geren_Comp()->R_Componentes_Sist_Sec()) {
    for (int k = 0; k < kNum[c->R_Tipo()]; ++k) {
      float v;
      if (std::fscanf(arq, "%f\t", &v) != 1) return false;
      c->A_Result_UM(kGrupos[c->R_Tipo()][k], v);
      c->A_Soma_Result_UM(kGrupos[c->R_Tipo()][k], v);
    }
  }
  return Fim_Linha_Literal(arq);
}

void Literal_FanCoil(const std::string& origem, const std::string& destino) {
  int dados, texto;
  FILE* arq = Cabecalho_Literal(
      origem, destino, "[Umidade Relativa nos Componentes (%) - (Fan Coil", &dados, &texto);
  std::fprintf(arq, "%s] %s] ", "[Ar Externo   ", "[Ar Retorno   ");
  const char* const nomes[7] = {"[Caixa Mistura", "[Res. El\xE9trica", "[Serp. Aquec. ",
                                "[Serp. Resf.  ", "[Umidificador ",    "[Vent. Insuf. ",
                                "[Vent. Ret.   "};
  TGeren_Componentes_HVAC* geren_comp = FanCoil_Medido()->R_Geren_Comp();
  const std::list<TComponente_HVAC*> componentes = geren_comp->R_Componentes_Sist_Sec();
  for (TComponente_HVAC* c : componentes) std::fprintf(arq, "%s] ", nomes[c->R_Tipo()]);
  std::fprintf(arq, "[M\xEAs]  [Dia]  [Hora]\n");
  geren_comp->Zera_Soma_Result();
  TTempo relogio;
  std::vector<float> valores(17), somas(17);
  int contagem = 0, decorridos = 0;
  while (Le_FanCoil_Literal(dados, &valores)) {
    arq = Seleciona(texto);
    for (size_t i = 0; i < 17; ++i) somas[i] += valores[i];
    std::fprintf(arq, "%.2f\t\t", valores[13]);
    std::fprintf(arq, "%.2f\t\t", valores[16]);
    for (TComponente_HVAC* c : componentes) std::fprintf(arq, "%f\t", c->R_Result_UM(2));
    if (Relogio_Literal(arq, &relogio, &decorridos, &contagem)) {
      std::fprintf(arq, "%.2f\t", somas[13] / contagem);
      std::fprintf(arq, "%.2f\t", somas[16] / contagem);
      for (TComponente_HVAC* c : componentes) {
        std::fprintf(arq, "%.4f\t", c->R_Soma_Result_UM(2) / contagem);
      }
      contagem = 0;
      std::fill(somas.begin(), somas.end(), 0.0f);
      geren_comp->Zera_Soma_Result();
      std::fprintf(arq, "]");
    }
    std::fprintf(arq, "\n");
  }
  Geren_ArqAux()->Fecha_Todos();
}

// Reads one data line into valores by result index, the line's values in
// the order ordem gives their indices.
template <size_t N>
bool Le_Linha_Literal(int dados, const int (&ordem)[N], float* valores) {
  FILE* arq = Seleciona(dados);
  for (int i : ordem) {
    if (std::fscanf(arq, "%f\t", &valores[i]) != 1) return false;
  }
  return Fim_Linha_Literal(arq);
}

// A boiler's and an air-cooled chiller's data lines: the result index of
// each value.
const int kOrdem_Boiler[kValores_Boiler] = {0, 2, 3, 4, 7, 8, 9, 6, 5, 10};
const int kOrdem_Chiller[kValores_Chiller] = {8, 3, 2, 7, 5, 4};

void Literal_Boiler(const std::string& origem, const std::string& destino) {
  int dados, texto;
  FILE* arq = Cabecalho_Literal(origem, destino,
                                "[Temperatura da \xC1gua na Caldeira (\xBA"
                                "C) - (Caldeira",
                                &dados, &texto);
  std::fprintf(arq, "%s] %s] %s] ", "[Entrada",
               "[Sa\xED"
               "da ",
               "[Sa\xED"
               "da M\xE9"
               "dia");
  std::fprintf(arq, "[M\xEAs]  [Dia]  [Hora]\n");
  TTempo relogio;
  float valores[11] = {}, somas[11] = {};
  int contagem = 0, decorridos = 0;
  while (Le_Linha_Literal(dados, kOrdem_Boiler, valores)) {
    arq = Seleciona(texto);
    for (int i = 0; i < 11; ++i) somas[i] += valores[i];
    std::fprintf(arq, "%.2f\t  ", valores[4]);
    std::fprintf(arq, "%.2f  \t", valores[2]);
    std::fprintf(arq, "%.2f\t ", valores[3]);
    if (Relogio_Literal(arq, &relogio, &decorridos, &contagem)) {
      std::fprintf(arq, "%.2f\t", somas[4] / contagem);
      std::fprintf(arq, "%.2f\t", somas[2] / contagem);
      std::fprintf(arq, "%.2f", somas[3] / contagem);
      contagem = 0;
      std::fill(somas, somas + 11, 0.0f);
      std::fill(valores, valores + 11, 0.0f);
      std::fprintf(arq, "]");
    }
    std::fprintf(arq, "\n");
  }
  Geren_ArqAux()->Fecha_Todos();
}

void Literal_Chiller(const std::string& origem, const std::string& destino) {
  int dados, texto;
  FILE* arq = Cabecalho_Literal(origem, destino,
                                "[Pot\xEAncia El\xE9trica do Compressor (W) - (Chiller a Ar",
                                &dados, &texto);
  std::fprintf(arq, "%s] ", "[Pot\xEAncia     ");
  std::fprintf(arq, "[M\xEAs]  [Dia]  [Hora]\n");
  TTempo relogio;
  float valores[15] = {}, somas[15] = {};
  int contagem = 0, decorridos = 0;
  while (Le_Linha_Literal(dados, kOrdem_Chiller, valores)) {
    arq = Seleciona(texto);
    for (int i = 0; i < 15; ++i) somas[i] += valores[i];
    std::fprintf(arq, "%.2f    \t", valores[7]);
    if (Relogio_Literal(arq, &relogio, &decorridos, &contagem)) {
      std::fprintf(arq, "%.2f", somas[7] / contagem);
      contagem = 0;
      std::fill(somas, somas + 15, 0.0f);
      std::fprintf(arq, "]");
    }
    std::fprintf(arq, "\n");
  }
  Geren_ArqAux()->Fecha_Todos();
}

// The load report as documented: the header, then each line of the stream
// scanned with one fscanf for its date and time and one per value, and
// printed with one fprintf per value.
void Literal_Carga(const std::string& origem, const std::string& destino) {
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  int dados, texto;
  Abre(origem, 0, destino, &dados, &texto);
  std::fputs(Cabecalho_Carga().c_str(), geren->ObtemArquivo());
  geren->Le_Cabecalho_Carga_Termica(dados, kTipo_Carga);
  char data[8] = "", hora[12] = "";
  float valores[kValores_Carga] = {};
  for (;;) {
    FILE* arq = Seleciona(dados);
    if (std::fscanf(arq, "%7s - %11s   ", data, hora) == EOF) break;
    for (float& v : valores) {
      if (std::fscanf(arq, "%f\t ", &v) == EOF) break;
    }
    static_cast<void>(std::fscanf(arq, "\n"));
    arq = Seleciona(texto);
    std::fprintf(arq, "%s - %s   ", data, hora);
    for (int i = 0; i < kValores_Carga; ++i) {
      std::fprintf(arq, Cinco_Casas(i) ? "%07.5f\t " : "%07.2f\t ", valores[i]);
    }
    std::fprintf(arq, "\n");
  }
  geren->Fecha_Todos();
}

// The flux conversion as documented: three streams through the registry, a
// seek and two reads per step, one fprintf per value.
void Literal_Fluxo(const std::string& origem, const std::string& destino) {
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  TGeren_Tempo* tempo = DLL_UTIL_Geren_Tempo();
  const int fonte = geren->Abre_Arquivo(origem.c_str(), "rb");
  float* areas = nullptr;
  const int n = geren->Le_Cabecalho_Fluxo_CalorVapor(&areas);
  const int fluxo = geren->Abre_Arquivo((destino + "FLW.txt").c_str(), "wt");
  const int umidade = geren->Abre_Arquivo((destino + "MTR.txt").c_str(), "wt");
  const TTempo inicio = Inicio(), fim = Fim();
  for (int k : {umidade, fluxo}) {
    FILE* arq = Seleciona(k);
    std::fprintf(arq, "[Inicio: %d/%d as %d:00:00", inicio.Dia, inicio.Mes, inicio.Hora);
    std::fprintf(arq, " - Fim: %d/%d as %d:59:59 h]\n", fim.Dia, fim.Mes, fim.Hora);
    std::fprintf(arq, "[Intervalo de Amostragem = %d s]\n", kIntervalo);
    std::fprintf(arq, "Regiao %d -> %.2f m\xB2\n", kRegiao, areas[kRegiao - 1]);
    std::fprintf(arq, "%s", k == umidade ? kColunas_Umidade : "");
  }
  delete[] areas;
  FILE* arq = Seleciona(fluxo);
  std::fprintf(arq, "[Calor_S]       [Calor_L] ");
  std::fprintf(arq, "    [ Vapor ] ");
  std::fprintf(arq, " [M\xEAs]  [Dia]  [Hora]\n");
  TTempo relogio = inicio;
  float v[3], somas[3] = {}, adsorvida = 0, dessorvida = 0;
  int contagem = 0, decorridos = 0;
  for (int s = 0; geren->Le_Fluxos_CalorVapor_Parede(fonte, n, kRegiao, s, true, true, v); ++s) {
    arq = Seleciona(fluxo);
    std::fprintf(arq, "%.5f \t\t%.5f    ", v[0], v[1]);
    std::fprintf(arq, "\t %.5f ", v[2] * 1000000);
    for (int i = 0; i < 3; ++i) somas[i] += v[i];
    decorridos += kIntervalo;
    char hora[12];
    tempo->Avanca_X_Segundos(kIntervalo, &relogio);
    tempo->R_Hora_Formatada(hora, &relogio);
    std::fprintf(arq, "\t  %d     %d      %s", relogio.Mes, relogio.Dia, hora);
    ++contagem;
    if (decorridos == 3600) {
      decorridos = 0;
      std::fprintf(arq, "\t(Media da Hora : [");
      std::fprintf(arq, "%.5f \t%.5f    ", somas[0] / contagem, somas[1] / contagem);
      std::fprintf(arq, "%.5f", somas[2] * 1000000 / contagem);
      contagem = 0;
      std::fill(somas, somas + 3, 0.0f);
      std::fprintf(arq, "]");
    }
    if (relogio.Hora == 23 && relogio.Tempo + kIntervalo == 3600) {
      std::fprintf(Seleciona(umidade), "%d/%d\t %.5f \t %.5f \n", relogio.Dia, relogio.Mes,
                   adsorvida * 1000000, dessorvida * 1000000);
      adsorvida = dessorvida = 0;
      arq = Seleciona(fluxo);
    }
    std::fprintf(arq, "\n");
    (v[2] < 0 ? dessorvida : adsorvida) += v[2];
  }
  geren->Fecha_Todos();
}

// -------------------------------------------------------------- library --

void Biblioteca_TUPMV(const std::string& origem, const std::string& destino) {
  int binario, texto;
  Abre(origem, kCabecalho_TUPMV, destino, &binario, &texto);
  const TTempo inicio = Inicio(), fim = Fim();
  Geren_ArqAux()->Converte_Binario_Texto_TUPMV(binario, texto, true, true, true, true, true, true,
                                               &inicio, &fim, kIntervalo);
  Geren_ArqAux()->Fecha_Todos();
}

void Biblioteca_SC(const std::string& origem, const std::string& destino) {
  int binario, texto;
  Abre(origem, 4, destino, &binario, &texto);
  const TTempo inicio = Inicio(), fim = Fim();
  Geren_ArqAux()->Converte_Binario_Texto_SC(binario, texto, &inicio, &fim, kIntervalo, kSaidas,
                                            kIndice);
  Geren_ArqAux()->Fecha_Todos();
}

CFanCoil* FanCoil_Medido() {
  static CFanCoil* fancoil = [] {
    auto* fc = new CFanCoil();
    for (int k = 0; k < CFanCoil::NUM_CONFIG_UM; ++k) fc->A_Config_UM(k, 1);
    for (int t = 0; t < 7; ++t) {
      // The streams go by the type code, which every component class takes.
      auto* c = new TVentilador({}, {}, t, t);
      for (int k = 0; k < TComponente_HVAC::NUM_CONFIG_UM; ++k) c->A_Config_UM(k, 1);
      fc->R_Geren_Comp()->Insere_Componente(c);
    }
    return fc;
  }();
  return fancoil;
}

void Biblioteca_FanCoil(const std::string& origem, const std::string& destino) {
  int dados, texto;
  Abre(origem, 0, destino, &dados, &texto);
  TTempo periodo[2] = {Inicio(), Fim()};
  std::vector<int> flags(CFanCoil::NUM_CONFIG_UM, 1);
  TGeren_Componentes_HVAC* componentes = FanCoil_Medido()->R_Geren_Comp();
  Geren_ArqAux()->Preenche_Cabecalho_FanCoil(texto, componentes, nullptr, 1, flags, 1, periodo,
                                             kIntervalo);
  Geren_ArqAux()->Salva_Texo_Dados_FanCoil(dados, texto, componentes, nullptr, 1, flags, periodo,
                                           kIntervalo);
  Geren_ArqAux()->Fecha_Todos();
}

void Biblioteca_Boiler(const std::string& origem, const std::string& destino) {
  int dados, texto;
  Abre(origem, 0, destino, &dados, &texto);
  TTempo periodo[2] = {Inicio(), Fim()};
  int flags[9] = {1, 1, 1, 1, 1, 1, 1, 1, 1};
  Geren_ArqAux()->Preenche_Cabecalho_Boiler(texto, 1, flags, 1, periodo, kIntervalo);
  Geren_ArqAux()->Salva_Texo_Dados_Boiler(dados, texto, 1, flags, periodo, kIntervalo);
  Geren_ArqAux()->Fecha_Todos();
}

void Biblioteca_Chiller(const std::string& origem, const std::string& destino) {
  int dados, texto;
  Abre(origem, 0, destino, &dados, &texto);
  TTempo periodo[2] = {Inicio(), Fim()};
  int flags[6] = {1, 1, 1, 1, 1, 1};
  Geren_ArqAux()->Preenche_Cabecalho_ChillerAr(texto, 2, flags, 1, periodo, kIntervalo);
  Geren_ArqAux()->Salva_Texo_Dados_ChillerAr(dados, texto, 2, flags, periodo, kIntervalo);
  Geren_ArqAux()->Fecha_Todos();
}

void Biblioteca_Carga(const std::string& origem, const std::string& destino) {
  int dados, texto;
  Abre(origem, 0, destino, &dados, &texto);
  TTempo periodo[2] = {Inicio(), Fim()};
  Geren_ArqAux()->Grava_Cabecalho_Carga_Termica(texto, true, kTipo_Carga, "Zona 1", periodo,
                                                kIntervalo);
  Geren_ArqAux()->Salva_Carga_Termica_Texto(kTipo_Carga, dados, texto, nullptr);
  Geren_ArqAux()->Fecha_Todos();
}

void Biblioteca_Fluxo(const std::string& origem, const std::string& destino) {
  TTempo inicio = Inicio(), fim = Fim();
  std::string fonte = origem, prefixo = destino;
  Geren_ArqAux()->Converte_Binario_Texto_FluxosCV(fonte.data(), prefixo.data(), kRegiao, true, true,
                                                  &inicio, &fim, kIntervalo);
}

// ---------------------------------------------------------------- input --

void Grava_TUPMV(const std::string& caminho) {
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  const int n = geren->Abre_Arquivo(caminho.c_str(), "wb");
  geren->Preenche_Cabecalho_Temp_Umi(n, true, true, true, 0);
  uint32_t semente = 1;
  for (int i = 0; i < kRegistros; ++i) {
    TReg_Climatico clima = {10.0f + 20.0f * Ruido(&semente), 0.01f * Ruido(&semente), 0, 0, 0, 0};
    geren->Grava_Temp_Umi(n, true, 18.0f + 8.0f * Ruido(&semente), true,
                          0.008f + 0.004f * Ruido(&semente), true, -2.0f + 4.0f * Ruido(&semente),
                          5.0f + 90.0f * Ruido(&semente), &clima);
  }
  geren->Fecha_Todos();
}

void Grava_SC(const std::string& caminho) {
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  const int n = geren->Abre_Arquivo(caminho.c_str(), "wb");
  geren->Preenche_Cabecalho_Saida_Cont(n, kSaidas);
  uint32_t semente = 2;
  for (int i = 0; i < kRegistros; ++i) {
    float registro[kSaidas + 1] = {kSaidas};
    for (int k = 1; k <= kSaidas; ++k) registro[k] = 100.0f * Ruido(&semente);
    geren->Grava_Saida_Cont(n, registro);
  }
  geren->Fecha_Todos();
}

void Grava_FanCoil(const std::string& caminho) {
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  const int n = geren->Abre_Arquivo(caminho.c_str(), "wt");
  CFanCoil* fancoil = FanCoil_Medido();
  uint32_t semente = 3;
  for (int i = 0; i < kRegistros; ++i) {
    for (int r = 11; r < 17; ++r) fancoil->A_Result_UM(r, 100.0f * Ruido(&semente));
    for (TComponente_HVAC* c : fancoil->R_Geren_Comp()->R_Componentes_Sist_Sec()) {
      for (int r = 0; r < TComponente_HVAC::NUM_RESULT_UM; ++r) {
        c->A_Result_UM(r, 1000.0f * Ruido(&semente));
      }
    }
    geren->Grava_Saida_FanCoil_Dados(fancoil, n);
  }
  geren->Fecha_Todos();
}

// A year of an item of primary equipment's data lines: its first flags
// set, its first results random up to escala, through the writer of its kind.
template <class E>
void Grava_Equipamento(const std::string& caminho, int flags, int resultados, float escala,
                       uint32_t semente, void (TGeren_ArquivoAux::*grava)(E*, int)) {
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  const int n = geren->Abre_Arquivo(caminho.c_str(), "wt");
  E equipamento;
  for (int k = 0; k < flags; ++k) equipamento.A_Config_UM(k, 1);
  for (int i = 0; i < kRegistros; ++i) {
    for (int r = 0; r < resultados; ++r) {
      equipamento.R_Modelo()->A_Result_UM(r, escala * Ruido(&semente));
    }
    (geren->*grava)(&equipamento, n);
  }
  geren->Fecha_Todos();
}

void Grava_Boiler(const std::string& caminho) {
  Grava_Equipamento<CBoiler>(caminho, 9, 11, 90.0f, 4,
                             &TGeren_ArquivoAux::Grava_Saida_Boiler_Dados);
}

void Grava_Chiller(const std::string& caminho) {
  Grava_Equipamento<CChillerAr>(caminho, 6, 15, 5e4f, 5,
                                &TGeren_ArquivoAux::Grava_Saida_ChillerAr_Dados);
}

// A year of summer load lines; the report's header is made here too.
void Grava_Carga(const std::string& caminho) {
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  const int n = geren->Abre_Arquivo(caminho.c_str(), "wt");
  geren->Grava_Cabecalho_Carga_Termica(n, false, kTipo_Carga, "", nullptr, 0);
  uint32_t semente = 6;
  Relogio_Piso relogio;
  for (int i = 0; i < kRegistros; ++i) {
    float balanco[32], zona[18];
    for (float& v : balanco) v = -2000.0f + 4000.0f * Ruido(&semente);
    for (float& v : zona) v = 100.0f * Ruido(&semente);
    zona[8] = zona[11] = 0.02f * Ruido(&semente);
    char data[8], hora[12];
    std::snprintf(data, sizeof data, "%02d/%02d", relogio.dia, relogio.mes);
    std::snprintf(hora, sizeof hora, "%02d:%02d:%02d", relogio.hora, relogio.segundos / 60,
                  relogio.segundos % 60);
    geren->Grava_Carga_Termica(n, data, hora, balanco, zona);
    relogio.Avanca(kIntervalo);
  }
  const std::string cabecalho = caminho + ".cabecalho";
  const int k = geren->Abre_Arquivo(cabecalho.c_str(), "wt");
  TTempo periodo[2] = {Inicio(), Fim()};
  geren->Grava_Cabecalho_Carga_Termica(k, true, kTipo_Carga, "Zona 1", periodo, kIntervalo);
  geren->Fecha_Todos();
  Cabecalho_Carga() = Le_Tudo(cabecalho);
}

// Region 2's vapour flux turns from adsorption to desorption over each day.
void Grava_Fluxo(const std::string& caminho) {
  std::vector<float> dados = {2.0f, 2.5f, 3.0f, 3.5f};
  uint32_t semente = 3;
  for (int i = 0; i < kRegistros; ++i) {
    const float dia = static_cast<float>(i % 144) / 144.0f;
    for (int r = 0; r < kRegioes; ++r) {
      dados.push_back(-20.0f + 40.0f * Ruido(&semente));
      dados.push_back(-5.0f + 10.0f * Ruido(&semente));
      dados.push_back((dia < 0.5f ? 1e-6f : -1e-6f) * Ruido(&semente));
    }
  }
  const int32_t n = kRegioes;
  std::string bytes(reinterpret_cast<const char*>(&n), 4);
  bytes.append(reinterpret_cast<const char*>(dados.data()), dados.size() * 4);
  Grava_Tudo(caminho, bytes.data(), bytes.size());
}

// ---------------------------------------------------------------- table --

// The flux report then the moisture report, as one file under the prefix.
void Junta_Fluxo(const std::string& prefixo) {
  const std::string texto = Le_Tudo(prefixo + "FLW.txt") + Le_Tudo(prefixo + "MTR.txt");
  Grava_Tudo(prefixo, texto.data(), texto.size());
}

using Conversao = void (*)(const std::string&, const std::string&);
struct Familia {
  const char* nome;
  void (*grava)(const std::string&);
  Conversao variantes[3];  // library, floor, literal
  // For a report of two files, written under a prefix: joins them into the
  // one file compared (not timed).
  void (*junta)(const std::string& prefixo) = nullptr;
};
const char* const kVariantes[3] = {"library", "floor", "literal"};
const Familia kFamilias[] = {
    {"temperature-humidity-comfort", Grava_TUPMV, {Biblioteca_TUPMV, Piso_TUPMV, Literal_TUPMV}},
    {"controller output, one index", Grava_SC, {Biblioteca_SC, Piso_SC, Literal_SC}},
    {"fan coil, relative humidity, every component",
     Grava_FanCoil,
     {Biblioteca_FanCoil, Piso_FanCoil, Literal_FanCoil}},
    {"boiler, water temperatures", Grava_Boiler, {Biblioteca_Boiler, Piso_Boiler, Literal_Boiler}},
    {"air-cooled chiller, compressor power",
     Grava_Chiller,
     {Biblioteca_Chiller, Piso_Chiller, Literal_Chiller}},
    {"summer load stream", Grava_Carga, {Biblioteca_Carga, Piso_Carga, Literal_Carga}},
    {"heat-vapour flux and daily moisture",
     Grava_Fluxo,
     {Biblioteca_Fluxo, Piso_Fluxo, Literal_Fluxo},
     Junta_Fluxo},
};

double Mediana(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// Runs one family; false when a baseline's bytes differ from the library's.
bool Mede(const Familia& familia, const std::string& pasta, int repeticoes) {
  const std::string binario = pasta + "/dados.bin";
  familia.grava(binario);
  std::vector<double> tempos[3];
  for (int r = 0; r < repeticoes; ++r) {
    std::string textos[3];
    for (int k = 0; k < 3; ++k) {
      const int v = (r + k) % 3;
      const std::string destino = pasta + "/" + kVariantes[v] + ".txt";
      const double t0 = Cpu();
      familia.variantes[v](binario, destino);
      tempos[v].push_back(Cpu() - t0);
      if (familia.junta != nullptr) familia.junta(destino);
      textos[v] = Le_Tudo(destino);
    }
    for (int v = 1; v < 3; ++v) {
      if (textos[v] != textos[0] || textos[0].empty()) {
        const auto diferenca =
            std::mismatch(textos[v].begin(), textos[v].end(), textos[0].begin(), textos[0].end());
        const size_t em = static_cast<size_t>(diferenca.first - textos[v].begin());
        std::fprintf(stderr, "%s: the %s output differs from the library's at byte %zu\n",
                     familia.nome, kVariantes[v], em);
        std::fprintf(stderr, "  library: %.80s\n  %s: %.80s\n", textos[0].c_str() + em,
                     kVariantes[v], textos[v].c_str() + em);
        return false;
      }
    }
  }
  std::printf("%s (%d records, %d repetitions, CPU ms)\n", familia.nome, kRegistros, repeticoes);
  for (int v = 0; v < 3; ++v) {
    std::printf("  %-8s min %8.2f  median %8.2f\n", kVariantes[v],
                1e3 * *std::min_element(tempos[v].begin(), tempos[v].end()),
                1e3 * Mediana(tempos[v]));
  }
  std::printf("  library / floor   %.2f (medians)\n", Mediana(tempos[0]) / Mediana(tempos[1]));
  std::printf("  literal / library %.2f (medians)\n", Mediana(tempos[2]) / Mediana(tempos[0]));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const int repeticoes = argc > 1 ? std::max(5, std::atoi(argv[1])) : 7;
  const char* filtro = argc > 2 ? argv[2] : "";
  std::string modelo = (fs::temp_directory_path() / "arqaux-ratios-XXXXXX").string();
  if (mkdtemp(modelo.data()) == nullptr) return 1;
  bool ok = true;
  for (const Familia& familia : kFamilias) {
    if (std::strstr(familia.nome, filtro) != nullptr) ok = Mede(familia, modelo, repeticoes) && ok;
  }
  std::error_code ec;
  fs::remove_all(modelo, ec);
  return ok ? 0 : 1;
}
