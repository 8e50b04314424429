#include "engine/report_engine.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>

#include "arqaux/formatos.h"
#include "engine/binario.h"

namespace arqaux {

const char kCauda_Cabecalho[] =
    "[M\xEA"
    "s]  [Dia]  [Hora]\n";

namespace {

constexpr int kSegundos_Hora = 3600;
// Records are read, and lines written, this many bytes at a time.
constexpr size_t kBloco = 64 * 1024;
// What opens the hourly averages.
constexpr std::string_view kAbre_Media = "\t(Media da Hora : [";
// The longest clock: its literal text, two ints and a time of at most 11
// characters, or the stamp's three ints.
constexpr size_t kMax_Relogio = 16 + 3 * 11 + 11;

// "00" to "99", for the clock's two-digit fields.
struct TDois_Digitos {
  char d[100][2];
  constexpr TDois_Digitos() : d() {
    for (int i = 0; i < 100; ++i)
      d[i][0] = static_cast<char>('0' + i / 10), d[i][1] = static_cast<char>('0' + i % 10);
  }
};
constexpr TDois_Digitos kDois_Digitos;

char* Copia(char* p, std::string_view texto) {
  std::memcpy(p, texto.data(), texto.size());
  return p + texto.size();
}

// An int as "%d" writes it.
char* Escreve_Inteiro(char* p, int v) {
  if (v >= 0 && v < 10) {
    *p = static_cast<char>('0' + v);
    return p + 1;
  }
  if (v >= 10 && v < 100) {
    std::memcpy(p, kDois_Digitos.d[v], 2);
    return p + 2;
  }
  return std::to_chars(p, p + 11, v).ptr;
}

// The clock's time as the clock library formats it ("%02d:%02d:%02d" of the
// hour, minute and second); the library itself formats a clock whose fields
// are out of their ranges.
char* Escreve_Hora(char* p, TGeren_Tempo* geren_tempo, TTempo* t) {
  if (t->Hora < 0 || t->Hora > 99 || t->Tempo < 0 || t->Tempo >= 100 * 60) {
    char hora[12];
    geren_tempo->R_Hora_Formatada(hora, t);
    const size_t n = std::strlen(hora);
    std::memcpy(p, hora, n);
    return p + n;
  }
  std::memcpy(p, kDois_Digitos.d[t->Hora], 2);
  p[2] = ':';
  std::memcpy(p + 3, kDois_Digitos.d[t->Tempo / 60], 2);
  p[5] = ':';
  std::memcpy(p + 6, kDois_Digitos.d[t->Tempo % 60], 2);
  return p + 8;
}

// Whether each value has an origin, inside the record.
bool Layout_Valido(const TRegistro_Binario& registro, int num_valores) {
  if (registro.tamanho < 0 || registro.parcial < 0 || registro.parcial > registro.tamanho ||
      registro.origens.size() != static_cast<size_t>(num_valores)) {
    return false;
  }
  for (int origem : registro.origens) {
    if (origem < -1 || (origem >= 0 && origem > registro.tamanho - 4)) return false;
  }
  return true;
}

}  // namespace

void Escreve_Periodo(FILE* arq, TFormato_Periodo formato, const TTempo& inicio, const TTempo& fim) {
  if (formato == TFormato_Periodo::Horas_Cheias) {
    std::fprintf(arq, "[Inicio: %d/%d as %d:00:00", inicio.Dia, inicio.Mes, inicio.Hora);
    std::fprintf(arq, " - Fim: %d/%d as %d:59:59 h]\n", fim.Dia, fim.Mes, fim.Hora);
  } else {
    std::fprintf(arq, "[Inicio: %d/%d as %d h", inicio.Dia, inicio.Mes, inicio.Hora);
    std::fprintf(arq, " - Fim: %d/%d as %d h]\n", fim.Dia, fim.Mes, fim.Hora);
  }
}

void Escreve_Intervalo(FILE* arq, int intervalo) {
  std::fprintf(arq, "[Intervalo de Amostragem = %d s]\n", intervalo);
}

TRegistro_Binario Registro_Reais(int n, bool presente) {
  TRegistro_Binario registro;
  registro.tamanho = presente ? 4 * n : 0;
  for (int i = 0; i < n; ++i) registro.origens.push_back(presente ? 4 * i : -1);
  return registro;
}

TRelatorio_Amostrado::TRelatorio_Amostrado(TDescricao_Relatorio descricao, Seletor seletor)
    : descricao_(std::move(descricao)), seletor_(std::move(seletor)) {
  max_linha_ = kMax_Relogio + kAbre_Media.size() + 2;
  for (const TColuna& coluna : descricao_.colunas) {
    TColuna_Pronta pronta = {coluna.valor, coluna.escala, TFormato_Compilado(coluna.dado.texto),
                             TFormato_Compilado(coluna.media.texto)};
    valido_ = valido_ && coluna.rotulo.texto != nullptr && coluna.valor >= 0 &&
              coluna.valor < descricao_.num_valores && pronta.dado.Valido() &&
              (coluna.media.texto == nullptr || pronta.media.Valido());
    max_linha_ += pronta.dado.Tamanho_Maximo() + pronta.media.Tamanho_Maximo();
    colunas_.push_back(std::move(pronta));
  }
}

void TRelatorio_Amostrado::Escreve_Cabecalho(FILE* arq, const TTempo& inicio, const TTempo& fim,
                                             int intervalo) const {
  if (!valido_) return;
  std::fputs(descricao_.titulo.c_str(), arq);
  Escreve_Periodo(arq, descricao_.periodo, inicio, fim);
  Escreve_Intervalo(arq, intervalo);
  std::fputs(descricao_.antes_rotulos, arq);
  for (const TColuna& coluna : descricao_.colunas) std::fputs(coluna.rotulo.texto, arq);
  std::fputs(descricao_.depois_rotulos, arq);
  std::fputs(kCauda_Cabecalho, arq);
}

// What the lines of one report carry from record to record and block to
// block.
struct TRelatorio_Amostrado::TEstado_Linhas {
  TGeren_Tempo* geren_tempo;
  TTempo relogio;
  int intervalo;
  int texto;
  const TRegistro_Binario& registro;
  const Fim_Linha& fim_linha;
  const Fim_Hora& fim_hora;
  // The shown columns as a line reads them: where the value lies in the
  // record, and the sum of the hour.
  struct TColuna_Linha {
    TColuna_Pronta coluna;
    int origem;
    float soma;
  };
  std::vector<TColuna_Linha> colunas;
  std::vector<float> valores;  // of the record, for a second output only
  int contagem = 0;
  // Wide enough that no sampling interval can overflow it over any stream.
  int64_t decorridos = 0;
  std::vector<char> saida;  // the lines not yet written
  // The stamp's clock has been moved by the clock library, which leaves
  // every field in its range.
  bool carimbo_no_intervalo = false;
};

char* TRelatorio_Amostrado::Escreve_Carimbo(TEstado_Linhas* e, char* p) const {
  // The stamp names the hour whose samples begin on this line: the first
  // line keeps the start hour, and each later stamp moves the clock on by
  // the whole hours of samples since the previous one, in one step.
  const int64_t horas = (e->decorridos / kSegundos_Hora) %
                        ARQAUX_HORAS_ANO;  // a whole year brings the clock back to itself
  if (e->carimbo_no_intervalo && horas > 0 && e->relogio.Hora + horas <= 23) {
    // Within the day, on a clock in range, the library's step moves the
    // hour alone: all but one stamp a day, done here.
    e->relogio.Hora += static_cast<int>(horas);
  } else if (horas > 0) {
    e->geren_tempo->Avanca_X_Segundos(static_cast<int>(horas * kSegundos_Hora), &e->relogio);
    e->carimbo_no_intervalo = true;
  }
  p = Escreve_Inteiro(Copia(p, "\t   "), e->relogio.Mes);
  p = Escreve_Inteiro(Copia(p, "     "), e->relogio.Dia);
  p = Escreve_Inteiro(Copia(p, "     "), e->relogio.Hora);
  e->decorridos = 0;
  return p;
}

char* TRelatorio_Amostrado::Escreve_Relogio(TEstado_Linhas* e, char* p) const {
  const TTempo& t = e->relogio;
  e->decorridos += e->intervalo;
  e->geren_tempo->Avanca_X_Segundos(e->intervalo, &e->relogio);
  const bool tabulado = descricao_.relogio == TFormato_Relogio::Tabulado;
  p = Escreve_Inteiro(Copia(p, tabulado ? "\t  " : "  "), t.Mes);
  p = Escreve_Inteiro(Copia(p, tabulado ? "     " : "      "), t.Dia);
  p = Escreve_Hora(Copia(p, tabulado ? "      " : "    "), e->geren_tempo, &e->relogio);
  ++e->contagem;
  if (e->decorridos != kSegundos_Hora || e->intervalo >= kSegundos_Hora) return p;
  e->decorridos = 0;
  p = Copia(p, kAbre_Media);
  for (TEstado_Linhas::TColuna_Linha& c : e->colunas) {
    p = c.coluna.media.Escreve(p, c.soma * c.coluna.escala / e->contagem);
    c.soma = 0.0f;
  }
  e->contagem = 0;
  if (e->fim_hora) e->fim_hora();
  *p++ = ']';
  return p;
}

// The value columns of record r, each value added to its column's sum, and
// for a second output the whole record's values.
inline char* TRelatorio_Amostrado::Escreve_Valores(TEstado_Linhas* e, const unsigned char* r,
                                                   char* p) const {
  for (TEstado_Linhas::TColuna_Linha& c : e->colunas) {
    float v = 0.0f;
    if (c.origem >= 0) std::memcpy(&v, r + c.origem, sizeof v);
    c.soma += v;
    p = c.coluna.dado.Escreve(p, v * c.coluna.escala);
  }
  if (e->fim_linha) {
    const std::vector<int>& origens = e->registro.origens;
    for (size_t i = 0; i < origens.size(); ++i) {
      if (origens[i] >= 0) std::memcpy(&e->valores[i], r + origens[i], sizeof(float));
    }
  }
  return p;
}

template <bool kCarimbo>
bool TRelatorio_Amostrado::Escreve_Registros(TEstado_Linhas* e, const unsigned char* bloco,
                                             size_t registros, FILE* arq) const {
  char* const inicio = e->saida.data();
  char* p = inicio;
  const size_t tamanho = static_cast<size_t>(e->registro.tamanho);
  for (size_t r = 0; r < registros; ++r) {
    p = Escreve_Valores(e, bloco + r * tamanho, p);
    if (!kCarimbo) {
      p = Escreve_Relogio(e, p);
    } else {
      if (e->decorridos % kSegundos_Hora == 0) p = Escreve_Carimbo(e, p);
      e->decorridos += e->intervalo;
    }
    if (e->fim_linha) {
      // The second output may select other streams, so the text stream is
      // written first and selected again afterwards.
      Escreve_Direto(inicio, 1, static_cast<size_t>(p - inicio), arq);
      p = inicio;
      e->fim_linha(e->relogio, e->valores.data());
      arq = seletor_.seleciona(e->texto);
      if (arq == nullptr) return false;
    }
    *p++ = '\n';
    if (static_cast<size_t>(p - inicio) >= kBloco) {
      Escreve_Direto(inicio, 1, static_cast<size_t>(p - inicio), arq);
      p = inicio;
    }
  }
  Escreve_Direto(inicio, 1, static_cast<size_t>(p - inicio), arq);
  return true;
}

bool TRelatorio_Amostrado::Escreve_Bloco(TEstado_Linhas* e, const unsigned char* bloco,
                                         size_t registros, FILE* arq) const {
  return descricao_.relogio == TFormato_Relogio::Carimbo_Horario
             ? Escreve_Registros<true>(e, bloco, registros, arq)
             : Escreve_Registros<false>(e, bloco, registros, arq);
}

void TRelatorio_Amostrado::Escreve_Linhas(int binario, int texto, const TRegistro_Binario& registro,
                                          const TTempo& inicio, int intervalo,
                                          const Fim_Linha& fim_linha,
                                          const Fim_Hora& fim_hora) const {
  if (!valido_) return;
  FILE* bin = seletor_.seleciona(binario);
  long posicao = bin != nullptr ? std::ftell(bin) : -1;
  if (posicao < 0) return;
  // Each block is read where the previous one ended, or not at all.
  const Fonte fonte = [&](unsigned char* bloco, size_t capacidade) -> size_t {
    FILE* arq = seletor_.seleciona(binario);
    if (arq == nullptr || std::ftell(arq) != posicao) return 0;
    const size_t lidos = Le_Direto(bloco, 1, capacidade, arq);
    posicao += static_cast<long>(lidos);
    return lidos;
  };
  Escreve_Linhas(fonte, texto, registro, inicio, intervalo, fim_linha, fim_hora);
}

bool TRelatorio_Amostrado::Aceita(const TRegistro_Binario& registro) const {
  return valido_ && Layout_Valido(registro, descricao_.num_valores) && registro.tamanho != 0;
}

TRelatorio_Amostrado::TEstado_Linhas TRelatorio_Amostrado::Estado(
    int texto, const TRegistro_Binario& registro, const TTempo& inicio, int intervalo,
    const Fim_Linha& fim_linha, const Fim_Hora& fim_hora) const {
  const size_t n = static_cast<size_t>(descricao_.num_valores);
  TEstado_Linhas e = {
      DLL_UTIL_Geren_Tempo(), TTempo(), intervalo, texto, registro, fim_linha, fim_hora, {},
      std::vector<float>(n),  0,        0,         {}};
  for (const TColuna_Pronta& coluna : colunas_) {
    e.colunas.push_back({coluna, registro.origens[coluna.valor], 0.0f});
  }
  e.relogio.Hora = inicio.Hora;
  e.relogio.Mes = inicio.Mes;
  e.relogio.Dia = inicio.Dia;
  e.relogio.Tempo = descricao_.relogio_com_segundos ? inicio.Tempo : 0;
  e.saida.resize(kBloco + max_linha_);
  return e;
}

namespace {

// Reads the next block of records from fonte into bloco: the whole records
// it holds, and a last one cut short but holding the layout's partial
// bytes, its missing bytes zero. *fim: fonte gave less than a block.
size_t Le_Registros(const TRelatorio_Amostrado::Fonte& fonte, const TRegistro_Binario& registro,
                    std::vector<unsigned char>* bloco, bool* fim) {
  const size_t tamanho = static_cast<size_t>(registro.tamanho);
  const size_t lidos = std::min(fonte(bloco->data(), bloco->size()), bloco->size());
  size_t registros = lidos / tamanho;
  if (registro.parcial > 0 && lidos % tamanho >= static_cast<size_t>(registro.parcial)) {
    std::fill(bloco->begin() + static_cast<std::ptrdiff_t>(lidos),
              bloco->begin() + static_cast<std::ptrdiff_t>((registros + 1) * tamanho), 0);
    ++registros;
  }
  *fim = lidos < bloco->size();
  return registros;
}

std::vector<unsigned char> Bloco_Registros(const TRegistro_Binario& registro) {
  const size_t tamanho = static_cast<size_t>(registro.tamanho);
  return std::vector<unsigned char>(std::max<size_t>(1, kBloco / tamanho) * tamanho);
}

}  // namespace

void TRelatorio_Amostrado::Escreve_Linhas(const Fonte& fonte, int texto,
                                          const TRegistro_Binario& registro, const TTempo& inicio,
                                          int intervalo, const Fim_Linha& fim_linha,
                                          const Fim_Hora& fim_hora) const {
  if (!Aceita(registro)) return;
  TEstado_Linhas e = Estado(texto, registro, inicio, intervalo, fim_linha, fim_hora);
  std::vector<unsigned char> bloco = Bloco_Registros(registro);
  for (bool fim = false; !fim;) {
    const size_t registros = Le_Registros(fonte, registro, &bloco, &fim);
    FILE* arq = seletor_.seleciona(texto);
    if (arq == nullptr || !Escreve_Bloco(&e, bloco.data(), registros, arq)) return;
  }
}

void TRelatorio_Amostrado::Escreve_Linhas(
    const std::vector<const TRelatorio_Amostrado*>& relatorios, const std::vector<int>& textos,
    const Fonte& fonte, const TRegistro_Binario& registro, const TTempo& inicio, int intervalo) {
  static const Fim_Linha kSem_Fim_Linha;
  static const Fim_Hora kSem_Fim_Hora;
  // Each report with its lines' state, while its text stream selects.
  struct TAtivo {
    const TRelatorio_Amostrado* relatorio;
    TEstado_Linhas estado;
    bool ativo;
  };
  std::vector<TAtivo> ativos;
  ativos.reserve(relatorios.size());
  for (size_t i = 0; i < relatorios.size() && i < textos.size(); ++i) {
    const TRelatorio_Amostrado* r = relatorios[i];
    if (r == nullptr || !r->Aceita(registro)) continue;
    ativos.push_back(
        {r, r->Estado(textos[i], registro, inicio, intervalo, kSem_Fim_Linha, kSem_Fim_Hora),
         true});
  }
  if (ativos.empty()) return;
  std::vector<unsigned char> bloco = Bloco_Registros(registro);
  for (bool fim = false, algum = true; !fim && algum;) {
    const size_t registros = Le_Registros(fonte, registro, &bloco, &fim);
    algum = false;
    for (TAtivo& a : ativos) {
      if (!a.ativo) continue;
      FILE* arq = a.relatorio->seletor_.seleciona(a.estado.texto);
      a.ativo =
          arq != nullptr && a.relatorio->Escreve_Bloco(&a.estado, bloco.data(), registros, arq);
      algum = algum || a.ativo;
    }
  }
}

void TRelatorio_Amostrado::Converte(int binario, int texto, const TRegistro_Binario& registro,
                                    const TTempo* inicio, const TTempo* fim, int intervalo) const {
  if (!valido_ || inicio == nullptr || fim == nullptr) return;
  const auto& registrado = seletor_.registrado;
  if (registrado && !(registrado(binario) && registrado(texto))) return;
  if (seletor_.seleciona(binario) == nullptr) return;
  FILE* arq = seletor_.seleciona(texto);
  if (arq == nullptr) return;
  Escreve_Cabecalho(arq, *inicio, *fim, intervalo);
  Escreve_Linhas(binario, texto, registro, *inicio, intervalo);
}

}  // namespace arqaux
