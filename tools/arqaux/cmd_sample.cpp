// arqaux sample: runs a year (or some days) of a small synthetic building the
// way a host application drives the library. It writes hourly input files,
// reads them back as windows through the registry, steps a simple model of
// each zone, writes every zone result stream, converts each into its text
// report and lists the files it wrote.
#include <arqaux/arqaux.h>
#include <arqaux/formatos.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "comandos.h"
#include "sample_data.h"
#include "verificacoes.h"

namespace {

namespace fs = std::filesystem;

constexpr int SEGUNDOS_HORA = 3600;
constexpr int SEGUNDOS_DIA = 86400;
constexpr int DIAS_ANO = 365;
constexpr int MAX_ZONAS = 100;
constexpr int MAX_DIAS = 10 * DIAS_ANO;
// Climate hours kept in memory: one day plus the next hour, so that values
// can be interpolated up to the end of the day's last hour.
constexpr int JANELA_CLIMA = 25;
// Outputs of each zone's controller: heating and cooling, 0 to 1.
constexpr int SAIDAS_CONTROLE = 2;

struct Opcoes {
  std::string pasta = "arqaux-sample";
  int zonas = 3;
  int intervalo = 600;
  int dias = DIAS_ANO;
};

// The inputs of one time step, shared by every zone.
struct Entradas {
  TReg_Climatico clima;  // outdoors, interpolated within the hour
  float solo;            // soil temperature
  float vizinho;         // temperature of the unconditioned neighbour space
  float media_externa;   // mean outdoor temperature of the day
  bool ocupado;          // office hours on a weekday
};

// One zone: its parameters, its state and its result streams.
struct Zona {
  double constante_tempo;  // s, lag of the zone air toward its balance
  double ganho_interno;    // K of warming from people and equipment at work
  int pessoas_max;
  double area_pv;  // m2 of panels
  double temperatura = 22.0;
  double umidade = 0.010;
  double bateria = 0.0;  // kWh stored
  int temp_umi = 0, ats = 0, acs = 0, pv = 0, saida_cont = 0, pessoas = 0;
  // Stream k of the zone, in the order of NOMES_FLUXOS.
  int* Fluxo(int k) {
    int* fluxos[] = {&temp_umi, &ats, &acs, &pv, &saida_cont, &pessoas};
    return fluxos[k];
  }
};

// The result streams of a zone, each in its file "zonaN_<name>.bin".
const char* const NOMES_FLUXOS[] = {"temp_umi", "ats", "acs", "pv", "saida_cont", "pessoas"};
constexpr int NUM_FLUXOS = 6;

std::string Nome_Fluxo(size_t zona, int k) {
  return "zona" + std::to_string(zona + 1) + "_" + NOMES_FLUXOS[k] + ".bin";
}

// Capacity of each zone's battery, kWh.
constexpr double CAPACIDADE_BATERIA = 5.0;

double Limita(double v, double minimo, double maximo) {
  return std::min(maximo, std::max(minimo, v));
}

// Checks a step (--interval): empty when valid, else why not. Reports average
// whole hours of samples, and a day must hold whole steps.
std::string Confere_Passo(const std::string& texto) {
  int v = 0;
  const bool valido = Le_Inteiro(texto, &v) && v > 0 && v <= SEGUNDOS_DIA &&
                      SEGUNDOS_DIA % v == 0 && (SEGUNDOS_HORA % v == 0 || v % SEGUNDOS_HORA == 0);
  return valido ? "" : "must be seconds that divide an hour, or whole hours that divide a day";
}

class Amostra {
 public:
  explicit Amostra(const Opcoes& o) : op_(o), geren_(Geren_ArqAux()) {}

  // Runs the whole sample; the exit status of the command.
  int Executa();

 private:
  // Registers a file to be listed at the end.
  std::string Anota(const std::string& nome) {
    arquivos_.push_back(nome);
    return nome;
  }
  // How messages name a file of the run: inside the run's directory.
  std::string Exibe(const std::string& nome) const { return (fs::path(op_.pasta) / nome).string(); }
  // Registers nome, a file the run writes and reads back; 1 after one line
  // when it exists and is not a regular file.
  int Anota_Relida(const std::string& nome) { return Confere_Relida(Anota(nome), Exibe(nome)); }
  int Prepara_Entradas();
  int Abre_Fluxos();
  int Carrega_Dia(int dia);
  Entradas Entradas_Do_Passo(long long segundos) const;
  void Passo(Zona* z, const Entradas& e);
  struct Relatorio;
  std::vector<Relatorio> Lista_Relatorios(TTempo* inicio, TTempo* fim) const;
  int Fecha_Fluxos();
  int Converte_Relatorios();
  void Mostra_Progresso(long long passo, long long total);

  const Opcoes op_;
  TGeren_ArquivoAux* geren_;
  std::vector<std::string> arquivos_;
  std::vector<Zona> zonas_;
  int clima_ = 0, solo_ = 0, interno_ = 0;
  TCidade cidade_{};
  TReg_Climatico janela_clima_[JANELA_CLIMA] = {};
  TReg_Solo janela_solo_[24] = {};
  TReg_Temp_Umi janela_interno_[24] = {};
  int progresso_ = -1;
};

int Amostra::Prepara_Entradas() {
  const struct {
    const char* nome;
    bool (*escreve)(const std::string&);
  } entradas[] = {{"clima.bin", Escreve_Clima_Sintetico},
                  {"solo.bin", Escreve_Solo_Sintetico},
                  {"interno.txt", Escreve_Clima_Interno_Texto}};
  for (const auto& e : entradas) {
    if (int erro = Anota_Relida(e.nome)) return erro;
    if (!e.escreve(e.nome)) return Perda(Exibe(e.nome));
  }
  // The conversion renames in place and may add three characters.
  char nome_ti[sizeof("interno.txt") + 3] = "interno.txt";
  if (int erro = Anota_Relida("interno.ti")) return erro;
  if (!geren_->Converte_Clima_Interno_TXT_Binario(nome_ti)) return Perda(Exibe("interno.ti"));
  clima_ = geren_->Abre_Arquivo("clima.bin", "rb");
  solo_ = geren_->Abre_Arquivo("solo.bin", "rb");
  interno_ = geren_->Abre_Arquivo(nome_ti, "rb");
  if (clima_ == 0 || solo_ == 0 || interno_ == 0) return Erro("cannot open the input files");
  return 0;
}

int Amostra::Abre_Fluxos() {
  for (int i = 0; i < op_.zonas; ++i) {
    Zona z;
    z.constante_tempo = (2.0 + 1.5 * (i % 4)) * SEGUNDOS_HORA;
    z.ganho_interno = 2.5 + 0.8 * (i % 3);
    z.pessoas_max = 2 + i % 5;
    z.area_pv = 8.0 + 2.0 * (i % 4);
    // Read back for the reports after the run, hence "wb+".
    for (int k = 0; k < NUM_FLUXOS; ++k) {
      const std::string nome = Nome_Fluxo(i, k);
      if (int erro = Anota_Relida(nome)) return erro;
      *z.Fluxo(k) = geren_->Abre_Arquivo(nome.c_str(), "wb+");
      if (*z.Fluxo(k) == 0) return Erro("cannot open '%s'", Exibe(nome).c_str());
    }
    // The header's integer is the sampling interval, for whoever reads it.
    geren_->Preenche_Cabecalho_Temp_Umi(z.temp_umi, true, true, true, op_.intervalo);
    geren_->Preenche_Cabecalho_Saida_Cont(z.saida_cont, SAIDAS_CONTROLE);
    zonas_.push_back(z);
  }
  return 0;
}

// Refills the windows for day dia of the run; past the year the windows
// start again from January (and the climate one wraps on December 31).
int Amostra::Carrega_Dia(int dia) {
  const int inicio = (dia % DIAS_ANO) * 24;
  geren_->Muda_Arquivo(clima_);
  bool ok = geren_->Bufferiza_Clima(&cidade_, janela_clima_, inicio, JANELA_CLIMA);
  geren_->Muda_Arquivo(solo_);
  ok = ok && geren_->Bufferiza_Solo(janela_solo_, inicio, 24);
  geren_->Muda_Arquivo(interno_);
  ok = ok && geren_->Bufferiza_Reg_Climatico(janela_interno_, inicio, 24);
  if (!ok) return Erro("cannot read the input windows of day %d", dia + 1);
  return 0;
}

Entradas Amostra::Entradas_Do_Passo(long long segundos) const {
  const int hora = static_cast<int>(segundos / SEGUNDOS_HORA % 24);
  const float f = static_cast<float>(segundos % SEGUNDOS_HORA) / SEGUNDOS_HORA;
  const TReg_Climatico& a = janela_clima_[hora];
  const TReg_Climatico& b = janela_clima_[hora + 1];
  Entradas e;
  e.clima = a;
  e.clima.Temperatura = a.Temperatura + f * (b.Temperatura - a.Temperatura);
  e.clima.Umidade = a.Umidade + f * (b.Umidade - a.Umidade);
  e.solo = janela_solo_[hora].Temperatura;
  e.vizinho = janela_interno_[hora].Temperatura;
  float soma = 0.0f;
  for (int h = 0; h < 24; ++h) soma += janela_clima_[h].Temperatura;
  e.media_externa = soma / 24.0f;
  const int dia_semana = static_cast<int>(segundos / SEGUNDOS_DIA % 7);
  e.ocupado = dia_semana < 5 && hora >= 8 && hora < 18;
  return e;
}

// Advances zone z by one step and writes its records.
void Amostra::Passo(Zona* z, const Entradas& e) {
  const double dt = op_.intervalo;
  const double radiacao = e.clima.Rad_Direta + e.clima.Rad_Difusa;

  // Controller: proportional heating below 20 degC and cooling above 25 degC
  // while the zone is occupied.
  double aquecimento = 0.0, resfriamento = 0.0;
  if (e.ocupado) {
    aquecimento = Limita((20.0 - z->temperatura) / 2.0, 0.0, 1.0);
    resfriamento = Limita((z->temperatura - 25.0) / 2.0, 0.0, 1.0);
  }
  const int pessoas = e.ocupado ? z->pessoas_max : 0;

  // Zone air: first-order lag toward the balance of outdoors, soil and the
  // neighbour space, lifted by internal and solar gains and by the plant.
  const double equilibrio = 0.6 * e.clima.Temperatura + 0.15 * e.solo + 0.25 * e.vizinho +
                            (e.ocupado ? z->ganho_interno : 0.5) + 0.004 * radiacao +
                            8.0 * aquecimento - 10.0 * resfriamento;
  z->temperatura += (equilibrio - z->temperatura) * (1.0 - std::exp(-dt / z->constante_tempo));
  const double umidade_alvo = e.clima.Umidade + 0.0004 * pessoas - 0.002 * resfriamento;
  z->umidade += (umidade_alvo - z->umidade) * (1.0 - std::exp(-dt / (0.7 * z->constante_tempo)));

  // Comfort: mean radiant temperature between the air and the outdoors,
  // a linear PMV, the PPD that goes with it, and the adaptive sensation.
  const double radiante = 0.75 * z->temperatura + 0.25 * e.clima.Temperatura + 0.002 * radiacao;
  const double operativa = 0.5 * (z->temperatura + radiante);
  const double pmv = Limita(0.32 * (operativa - 24.0) + 60.0 * (z->umidade - 0.010), -3.0, 3.0);
  const double ppd = 100.0 - 95.0 * std::exp(-0.03353 * std::pow(pmv, 4) - 0.2179 * pmv * pmv);
  const double neutra = 17.8 + 0.31 * e.media_externa;
  const double ats = Limita(0.33 * (operativa - neutra), -3.0, 3.0);

  // PV: horizontal panels; cell temperature and efficiency from the
  // irradiance; the battery takes surplus and covers deficit, the grid the rest.
  const double celula = e.clima.Temperatura + 0.03 * radiacao;
  const double eficiencia = 0.16 * (1.0 - 0.004 * (celula - 25.0));
  const double gerada = radiacao * z->area_pv * eficiencia / 1000.0;
  const double demanda = 0.3 + 0.12 * pessoas + 1.5 * (aquecimento + resfriamento);
  const double horas = dt / SEGUNDOS_HORA;
  const double bateria_antes = z->bateria;
  z->bateria = Limita(z->bateria + (gerada - demanda) * horas, 0.0, CAPACIDADE_BATERIA);
  const double rede = demanda - gerada + (z->bateria - bateria_antes) / horas;
  const float pv[7] = {static_cast<float>(rede),      static_cast<float>(z->bateria),
                       static_cast<float>(gerada),    static_cast<float>(demanda),
                       static_cast<float>(celula),    static_cast<float>(radiacao),
                       static_cast<float>(eficiencia)};

  geren_->Grava_Temp_Umi(z->temp_umi, true, static_cast<float>(z->temperatura), true,
                         static_cast<float>(z->umidade), true, static_cast<float>(pmv),
                         static_cast<float>(ppd), &e.clima);
  geren_->Grava_ATS_ACE(z->ats, true, static_cast<float>(ats));
  geren_->Grava_ACS(z->acs, e.clima.Temperatura, static_cast<float>(operativa));
  geren_->Grava_PV(z->pv, true, pv);
  const float saidas[SAIDAS_CONTROLE + 1] = {static_cast<float>(SAIDAS_CONTROLE),
                                             static_cast<float>(aquecimento),
                                             static_cast<float>(resfriamento)};
  geren_->Grava_Saida_Cont(z->saida_cont, saidas);
  geren_->Grava_Pessoas_no_Ambiente(z->pessoas, pessoas, static_cast<float>(75.0 * pessoas));
}

// Every report of every zone: its file, its binary stream, where that
// stream's first record lies, and the converter call.
struct Amostra::Relatorio {
  std::string nome;
  int binario;
  long cabecalho;
  std::function<void(int binario, int texto)> converte;
};

std::vector<Amostra::Relatorio> Amostra::Lista_Relatorios(TTempo* i, TTempo* f) const {
  TGeren_ArquivoAux* g = geren_;
  const int intervalo = op_.intervalo;
  std::vector<Relatorio> relatorios;
  for (size_t k = 0; k < zonas_.size(); ++k) {
    const Zona& z = zonas_[k];
    const std::string prefixo = "zona" + std::to_string(k + 1) + "_";
    relatorios.push_back(
        {prefixo + "temp_umi.txt", z.temp_umi, ARQAUX_TAM_CABECALHO_TEMP_UMI, [=](int b, int t) {
           g->Converte_Binario_Texto_TUPMV(b, t, true, true, true, true, true, true, i, f,
                                           intervalo);
         }});
    relatorios.push_back({prefixo + "ats.txt", z.ats, 0, [=](int b, int t) {
                            g->Converte_Binario_Texto_ATS_ACE(b, t, true, true, i, f, intervalo);
                          }});
    relatorios.push_back({prefixo + "acs.txt", z.acs, 0, [=](int b, int t) {
                            g->Converte_Binario_Texto_ACS(b, t, i, f, intervalo);
                          }});
    relatorios.push_back({prefixo + "pv.txt", z.pv, 0, [=](int b, int t) {
                            g->Converte_Binario_Texto_PV(b, t, true, i, f, intervalo);
                          }});
    for (int saida = 1; saida <= SAIDAS_CONTROLE; ++saida) {
      relatorios.push_back({prefixo + "saida_cont_" + std::to_string(saida) + ".txt", z.saida_cont,
                            ARQAUX_TAM_CABECALHO_SAIDA_CONT, [=](int b, int t) {
                              g->Converte_Binario_Texto_SC(b, t, i, f, intervalo, SAIDAS_CONTROLE,
                                                           saida);
                            }});
    }
  }
  return relatorios;
}

// Closes every result stream once the run is over, checking that none lost
// data, so that only the two streams of the report at hand are open while it
// converts and no handle has to be freed in the middle of a report.
int Amostra::Fecha_Fluxos() {
  for (size_t i = 0; i < zonas_.size(); ++i) {
    for (int k = 0; k < NUM_FLUXOS; ++k) {
      if (int erro = Fecha_Gravado(geren_, *zonas_[i].Fluxo(k), Exibe(Nome_Fluxo(i, k)))) {
        return erro;
      }
    }
  }
  return 0;
}

int Amostra::Converte_Relatorios() {
  TTempo inicio;  // January 1, 0:00:00
  TTempo fim = inicio;
  DLL_UTIL_Geren_Tempo()->Avanca_X_Segundos(op_.dias * SEGUNDOS_DIA - SEGUNDOS_HORA, &fim);
  if (int erro = Fecha_Fluxos()) return erro;
  // Each report: open its text file, place the binary stream (reopened for
  // reading) at its first record, make the text stream current again
  // (converters write their head there before selecting anything), convert.
  for (const Relatorio& r : Lista_Relatorios(&inicio, &fim)) {
    const int texto = geren_->Abre_Arquivo(Anota(r.nome).c_str(), "wt");
    if (texto == 0) return Erro("cannot open '%s'", Exibe(r.nome).c_str());
    FILE* arq_texto = geren_->ObtemArquivo();
    geren_->Muda_Arquivo(r.binario);
    FILE* arq_binario = geren_->ObtemArquivo();
    if (arq_binario == arq_texto || std::fseek(arq_binario, r.cabecalho, SEEK_SET) != 0) {
      return Erro("cannot read back the stream of '%s'", Exibe(r.nome).c_str());
    }
    geren_->Muda_Arquivo(texto);
    r.converte(r.binario, texto);
    if (int erro = Fecha_Gravado(geren_, texto, Exibe(r.nome))) return erro;
    geren_->Fecha_Arquivo(r.binario);
  }
  return 0;
}

// A bar on standard error, redrawn at each whole percent; only on a terminal.
void Amostra::Mostra_Progresso(long long passo, long long total) {
  const int pct = static_cast<int>(100 * passo / total);
  if (pct == progresso_) return;
  progresso_ = pct;
  const int cheio = pct / 5;
  std::fprintf(stderr, "\r[%.*s%*s] %3d%%", cheio, "####################", 20 - cheio, "", pct);
  if (passo == total) std::fputc('\n', stderr);
  std::fflush(stderr);
}

int Amostra::Executa() {
  const auto comeco = std::chrono::steady_clock::now();
  std::error_code ec;
  fs::create_directories(op_.pasta, ec);
  // Inside the directory the files have bare names, so that the .ti name
  // (cut at the path's first '.') cannot be cut in a directory name.
  fs::current_path(op_.pasta, ec);
  if (ec) return Erro("cannot use directory '%s'", op_.pasta.c_str());

  int erro = Prepara_Entradas();
  if (erro == 0) erro = Abre_Fluxos();
  const long long passos = static_cast<long long>(op_.dias) * SEGUNDOS_DIA / op_.intervalo;
  const bool terminal = isatty(STDERR_FILENO) != 0;
  int dia_carregado = -1;
  for (long long k = 0; k < passos && erro == 0; ++k) {
    const long long segundos = k * op_.intervalo;
    const int dia = static_cast<int>(segundos / SEGUNDOS_DIA);
    if (dia != dia_carregado) {
      erro = Carrega_Dia(dia);
      dia_carregado = dia;
    }
    const Entradas e = Entradas_Do_Passo(segundos);
    for (Zona& z : zonas_) Passo(&z, e);
    if (terminal) Mostra_Progresso(k + 1, passos);
  }
  if (erro == 0) erro = Converte_Relatorios();
  geren_->Fecha_Todos();
  if (erro != 0) return erro;

  const double segundos =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - comeco).count();
  uintmax_t total = 0;
  std::printf("%-28s %12s\n", "file", "bytes");
  for (const std::string& nome : arquivos_) {
    const uintmax_t tamanho = fs::file_size(nome, ec);
    total += ec ? 0 : tamanho;
    std::printf("%-28s %12ju\n", nome.c_str(), ec ? uintmax_t{0} : tamanho);
  }
  std::printf("%zu files, %ju bytes in %s; %d zone(s), %d day(s) of %lld steps of %d s; %.2f s\n",
              arquivos_.size(), total, op_.pasta.c_str(), op_.zonas, op_.dias, passos / op_.dias,
              op_.intervalo, segundos);
  return 0;
}

}  // namespace

void Declara_Sample(CLI::App* app, TAcao* acao) {
  CLI::App* sub = app->add_subcommand(
      "sample", "simulate a sample year and write every result stream and report");
  auto o = std::make_shared<Opcoes>();
  sub->add_option("DIR", o->pasta, "directory of the files written")->capture_default_str();
  sub->add_option("--zones", o->zonas, "zones of the building")
      ->check(CLI::Range(1, MAX_ZONAS))
      ->capture_default_str();
  sub->add_option("--interval", o->intervalo, "seconds of each step")
      ->check(CLI::Validator(Confere_Passo, "SECONDS", "step"))
      ->capture_default_str();
  sub->add_option("--days", o->dias, "days simulated from 1 January")
      ->check(CLI::Range(1, MAX_DIAS))
      ->capture_default_str();
  sub->callback([o, acao] { *acao = [o] { return Amostra(*o).Executa(); }; });
}
