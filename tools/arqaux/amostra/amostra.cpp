// The sample run (arqaux sample): a year (or some days) of a small
// synthetic building, run the way a host application drives the library. It
// writes hourly input files, reads them back as windows through the
// registry, steps a simple model of each zone and hands each step to the
// families of result files (amostra.h), which write their streams and, once
// the run is over, convert them into their text reports; then it lists the
// files it wrote. The run is written into a private folder and moved into
// its folder once whole (saida/saida_segura.h).
#include "amostra/amostra.h"

#include <arqaux/arqaux.h>
#include <arqaux/dados.h>
#include <arqaux/formatos.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "amostra/dados_sinteticos.h"
#include "comum/erros.h"
#include "comum/verificacoes.h"
#include "saida/graficos.h"
#include "saida/progresso.h"
#include "saida/saida_segura.h"

namespace {

namespace fs = std::filesystem;

// Climate hours kept in memory: the hour before the day, then the day's 24.
// A record's temperature and humidity are the values at the end of its hour,
// so the hour before gives them at the day's first instant.
constexpr int kJanelaClima = 25;
const char* const kFamiliaEntradas = "inputs";
const char* const kFamiliaGraficos = "plots";

// The families of the run, in the order they open, write and convert.
std::vector<std::unique_ptr<TFamilia_Amostra>> Cria_Familias() {
  std::vector<std::unique_ptr<TFamilia_Amostra>> familias;
  familias.push_back(Cria_Familia_Zonas());
  familias.push_back(Cria_Familia_HVAC());
  familias.push_back(Cria_Familia_Cargas());
  familias.push_back(Cria_Familia_Envelope());
  familias.push_back(Cria_Familia_Diagnosticos());
  familias.push_back(Cria_Familia_Entradas());
  return familias;
}

// The size of the file nome of the run; 0 when it cannot be told.
uintmax_t Tamanho(const std::string& nome) {
  std::error_code ec;
  const uintmax_t tamanho = fs::file_size(nome, ec);
  return ec ? 0 : tamanho;
}

// texto as one word of the shell: as it is when it holds nothing the shell
// would read otherwise, else in single quotes.
std::string Cita_Shell(const std::string& texto) {
  const bool simples = !texto.empty() && texto.find_first_not_of(
                                             "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                             "0123456789_./-+,:=@%") == std::string::npos;
  if (simples) return texto;
  std::string citado = "'";
  for (char c : texto) citado += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return citado + "'";
}

// The name the data layer gives the first column of the stream fluxo of the
// run (a zone's air temperature in its conditions stream); empty when it
// does not read.
std::string Primeira_Coluna(const std::string& fluxo) {
  TDeteccao d;
  std::string erro;
  std::unique_ptr<TSerie> s;
  if (Relata(Conhece_Arquivo(fluxo, "", &d)) == 0) s = Abre_Serie(fluxo, d, 0, &erro);
  return s == nullptr || s->Colunas().empty() ? "" : s->Colunas().front().nome;
}

double Limita(double v, double minimo, double maximo) {
  return std::min(maximo, std::max(minimo, v));
}

// The state of one zone's air between steps.
struct Estado_Zona {
  double temperatura = 22.0;
  double umidade = 0.010;
};

class Amostra {
 public:
  explicit Amostra(const TOpcoes_Amostra& o)
      : op_(o), geren_(Geren_ArqAux()), contexto_(op_, geren_), familias_(Cria_Familias()) {
    nomes_familias_.push_back(kFamiliaEntradas);
    for (const auto& f : familias_) nomes_familias_.push_back(f->Familia());
    if (op_.graficos) nomes_familias_.push_back(kFamiliaGraficos);
  }

  // Runs the whole sample.
  TResultado Executa();

 private:
  TResultado Confere_Entradas_Dadas() const;
  TResultado Prepara_Entradas();
  TResultado Carrega_Dia(int dia);
  TEntradas_Passo Entradas_Do_Passo(long long segundos) const;
  TZona_Passo Passo_Zona(int i, const TEntradas_Passo& e);
  TResultado Roda();
  TResultado Conclui();
  TResultado Desenha();
  void Lista_Arquivos() const;
  void Resume(double segundos) const;
  std::string Proximos() const;

  const TOpcoes_Amostra op_;
  TGeren_ArquivoAux* geren_;
  TContexto_Amostra contexto_;
  std::vector<std::unique_ptr<TFamilia_Amostra>> familias_;
  std::vector<std::string> nomes_familias_;  // in the closing table's order
  std::vector<Estado_Zona> zonas_;
  int clima_ = 0, solo_ = 0, interno_ = 0;
  TCidade cidade_{};
  TReg_Climatico janela_clima_[kJanelaClima] = {};
  TReg_Solo janela_solo_[24] = {};
  TReg_Temp_Umi janela_interno_[24] = {};
};

// The climate and soil files given instead of the synthetic ones.
TResultado Amostra::Confere_Entradas_Dadas() const {
  if (!op_.clima.empty()) {
    if (TResultado r = Confere_Tamanho(op_.clima, ARQAUX_TAM_ARQUIVO_CLIMA, "a climate file");
        !r.Ok()) {
      return r;
    }
    // The values an imported year would hold, or the run would simulate nonsense.
    TClima_EPW clima;
    if (!geren_->Le_Clima_EPW(op_.clima.c_str(), &clima)) {
      return Falha("'%s': %s", op_.clima.c_str(), clima.erro.c_str());
    }
  }
  if (op_.solo.empty()) return {};
  return Confere_Tamanho(op_.solo, ARQAUX_TAM_ARQUIVO_SOLO, "a soil file");
}

TResultado Amostra::Prepara_Entradas() {
  const struct {
    const char* nome;
    bool (*escreve)(const std::string&);
  } entradas[] = {{"clima.bin", Escreve_Clima_Sintetico},
                  {"solo.bin", Escreve_Solo_Sintetico},
                  {"interno.txt", Escreve_Clima_Interno_Texto}};
  if (TResultado r = Confere_Entradas_Dadas(); !r.Ok()) return r;
  for (const auto& e : entradas) {
    if (e.escreve == Escreve_Clima_Sintetico && !op_.clima.empty()) continue;
    if (e.escreve == Escreve_Solo_Sintetico && !op_.solo.empty()) continue;
    if (TResultado erro =
            Confere_Relida(contexto_.Anota(kFamiliaEntradas, e.nome), contexto_.Exibe(e.nome));
        !erro.Ok()) {
      return erro;
    }
    if (!e.escreve(e.nome)) return Perda(contexto_.Exibe(e.nome));
  }
  // Soil records are told from interior-climate ones only by a description,
  // written beside a soil file of the run folder (the run is written in a
  // private folder inside it).
  std::error_code ec;
  if (op_.solo.empty() || fs::equivalent(fs::path(op_.solo).parent_path(), "..", ec)) {
    if (TResultado erro = contexto_.Descreve(kFamiliaEntradas, "solo.bin",
                                             TContexto_Amostra::Descricao("soil", kSegundosHora));
        !erro.Ok()) {
      return erro;
    }
  }
  // The conversion renames in place and may add three characters.
  char nome_ti[sizeof("interno.txt") + 3] = "interno.txt";
  if (TResultado erro = Confere_Relida(contexto_.Anota(kFamiliaEntradas, "interno.ti"),
                                       contexto_.Exibe("interno.ti"));
      !erro.Ok()) {
    return erro;
  }
  if (!geren_->Converte_Clima_Interno_TXT_Binario(nome_ti)) {
    return Perda(contexto_.Exibe("interno.ti"));
  }
  clima_ = geren_->Abre_Arquivo(op_.clima.empty() ? "clima.bin" : op_.clima.c_str(), "rb");
  solo_ = geren_->Abre_Arquivo(op_.solo.empty() ? "solo.bin" : op_.solo.c_str(), "rb");
  interno_ = geren_->Abre_Arquivo(nome_ti, "rb");
  if (clima_ == 0 || solo_ == 0 || interno_ == 0) return Falha("cannot open the input files");
  return {};
}

// Refills the windows for day dia of the run; past the year the windows
// start again from January (and the climate one, which opens on the hour
// before the day, wraps to December 31 for January 1).
TResultado Amostra::Carrega_Dia(int dia) {
  const int inicio = (dia % kDiasAno) * 24;
  const int anterior = (inicio + ARQAUX_HORAS_ANO - 1) % ARQAUX_HORAS_ANO;
  geren_->Muda_Arquivo(clima_);
  bool ok = geren_->Bufferiza_Clima(&cidade_, janela_clima_, anterior, kJanelaClima);
  geren_->Muda_Arquivo(solo_);
  ok = ok && geren_->Bufferiza_Solo(janela_solo_, inicio, 24);
  geren_->Muda_Arquivo(interno_);
  ok = ok && geren_->Bufferiza_Reg_Climatico(janela_interno_, inicio, 24);
  if (!ok) return Falha("cannot read the input windows of day %d", dia + 1);
  return {};
}

// The inputs of the step that starts at segundos. The hourly values of a
// period (radiation, wind, soil, the neighbour space) are those of the hour
// the step lies in; the outdoor temperature and humidity, instantaneous
// values at the end of each climate hour, are taken at the step's end,
// between the two hour ends around it (exactly the record's at an hour's end).
TEntradas_Passo Amostra::Entradas_Do_Passo(long long segundos) const {
  const int hora = static_cast<int>(segundos / kSegundosHora % 24);
  // The step's end in the day of its start, 0 < fim <= kSegundosDia; window
  // index w holds the values at w hours into the day.
  const long long fim = segundos % kSegundosDia + op_.intervalo;
  const int w = static_cast<int>(fim / kSegundosHora);
  const float f = static_cast<float>(fim % kSegundosHora) / kSegundosHora;
  const TReg_Climatico& a = janela_clima_[w];
  const TReg_Climatico& b = janela_clima_[std::min(w + 1, kJanelaClima - 1)];
  TEntradas_Passo e;
  e.clima = janela_clima_[hora + 1];
  e.clima.Temperatura = a.Temperatura + f * (b.Temperatura - a.Temperatura);
  e.clima.Umidade = a.Umidade + f * (b.Umidade - a.Umidade);
  e.solo = janela_solo_[hora].Temperatura;
  e.vizinho = janela_interno_[hora].Temperatura;
  float soma = 0.0f;
  for (int h = 1; h <= 24; ++h) soma += janela_clima_[h].Temperatura;
  e.media_externa = soma / 24.0f;
  const int dia_semana = static_cast<int>(segundos / kSegundosDia % 7);
  e.ocupado = dia_semana < 5 && hora >= 8 && hora < 18;
  return e;
}

// Advances zone i by one step.
TZona_Passo Amostra::Passo_Zona(int i, const TEntradas_Passo& e) {
  const TZona_Modelo m = Modelo_Zona(i);
  Estado_Zona* z = &zonas_[i];
  const double radiacao = e.clima.Rad_Direta + e.clima.Rad_Difusa;
  TZona_Passo p{};
  p.indice = i;
  p.pessoas = e.ocupado ? m.pessoas_max : 0;

  // Controller: proportional heating below 20 degC and cooling above 25 degC
  // while the zone is occupied.
  if (e.ocupado) {
    p.aquecimento = Limita((20.0 - z->temperatura) / 2.0, 0.0, 1.0);
    p.resfriamento = Limita((z->temperatura - 25.0) / 2.0, 0.0, 1.0);
  }

  // Zone air: first-order lag toward the balance of outdoors, soil and the
  // neighbour space, lifted by internal and solar gains and by the plant.
  // Each term, times the zone's conductance, is a heat flow.
  const double ganho = e.ocupado ? m.ganho_interno : 0.5;
  const double vizinhanca = 0.6 * e.clima.Temperatura + 0.15 * e.solo + 0.25 * e.vizinho;
  const double equilibrio =
      vizinhanca + ganho + 0.004 * radiacao + 8.0 * p.aquecimento - 10.0 * p.resfriamento;
  p.conducao = m.condutancia * (vizinhanca - z->temperatura);
  p.ganho_interno = m.condutancia * ganho;
  p.ganho_solar = m.condutancia * 0.004 * radiacao;
  p.calor_aquecimento = m.condutancia * 8.0 * p.aquecimento;
  p.calor_resfriamento = m.condutancia * 10.0 * p.resfriamento;
  const double dt = op_.intervalo;
  z->temperatura += (equilibrio - z->temperatura) * (1.0 - std::exp(-dt / m.constante_tempo));
  const double umidade_alvo = e.clima.Umidade + 0.0004 * p.pessoas - 0.002 * p.resfriamento;
  z->umidade += (umidade_alvo - z->umidade) * (1.0 - std::exp(-dt / (0.7 * m.constante_tempo)));
  p.temperatura = z->temperatura;
  p.umidade = z->umidade;
  p.radiante = 0.75 * z->temperatura + 0.25 * e.clima.Temperatura + 0.002 * radiacao;
  return p;
}

// Opens every family's streams and steps the whole run.
TResultado Amostra::Roda() {
  TResultado erro = Prepara_Entradas();
  for (auto& f : familias_) {
    if (erro.Ok()) erro = f->Abre(&contexto_);
  }
  zonas_.assign(op_.zonas, Estado_Zona());
  const long long passos = static_cast<long long>(op_.dias) * kSegundosDia / op_.intervalo;
  TProgresso progresso("stepping " + std::to_string(op_.dias) + " days, steps", passos);
  int dia_carregado = -1;
  std::vector<TZona_Passo> zonas(op_.zonas);
  for (long long k = 0; k < passos && erro.Ok(); ++k) {
    const long long segundos = k * op_.intervalo;
    const int dia = static_cast<int>(segundos / kSegundosDia);
    if (dia != dia_carregado) {
      erro = Carrega_Dia(dia);
      dia_carregado = dia;
    }
    const TEntradas_Passo e = Entradas_Do_Passo(segundos);
    for (int i = 0; i < op_.zonas; ++i) zonas[i] = Passo_Zona(i, e);
    const TPasso_Amostra passo{segundos + op_.intervalo, e, zonas};
    for (auto& f : familias_) f->Passo(passo);
    progresso.Avanca(k + 1);
  }
  return erro;
}

// Once the run is over: every family closes its streams, then converts.
TResultado Amostra::Conclui() {
  contexto_.fim = contexto_.inicio;
  DLL_UTIL_Geren_Tempo()->Avanca_X_Segundos(op_.dias * kSegundosDia - kSegundosHora,
                                            &contexto_.fim);
  for (auto& f : familias_) {
    if (TResultado erro = f->Fecha(&contexto_); !erro.Ok()) return erro;
  }
  TProgresso progresso("converting reports, families", static_cast<long long>(familias_.size()));
  for (size_t k = 0; k < familias_.size(); ++k) {
    if (TResultado erro = familias_[k]->Converte(&contexto_); !erro.Ok()) return erro;
    progresso.Avanca(static_cast<long long>(k + 1));
  }
  return {};
}

// A carpet plot of each zone's air temperature.
TResultado Amostra::Desenha() {
  TProgresso progresso("drawing plots", op_.zonas);
  for (int i = 1; i <= op_.zonas; ++i) {
    TPedido_Grafico p;
    p.caminho = "zona" + std::to_string(i) + "_temp_umi.bin";
    p.coluna = Primeira_Coluna(p.caminho);
    p.carpete = true;
    p.saida = contexto_.Anota(kFamiliaGraficos, "zona" + std::to_string(i) + "_temperatura.png");
    if (TResultado erro = Desenha_Grafico(p); !erro.Ok()) return erro;
    progresso.Avanca(i);
  }
  return {};
}

// The files family by family, each family closed by its count and bytes.
void Amostra::Lista_Arquivos() const {
  std::printf("%-28s %12s\n", "file", "bytes");
  for (const std::string& familia : nomes_familias_) {
    uintmax_t soma = 0;
    size_t n = 0;
    for (const auto& a : contexto_.Arquivos()) {
      if (a.familia != familia) continue;
      const uintmax_t tamanho = Tamanho(a.nome);
      soma += tamanho;
      ++n;
      std::printf("%-28s %12ju\n", a.nome.c_str(), tamanho);
    }
    std::printf("%-28s %12ju  (%zu files)\n\n", ("[" + familia + "]").c_str(), soma, n);
  }
}

// The closing summary: the whole run's files and bytes, one line per family,
// and three commands to go on with, on paths as the user gave the folder.
void Amostra::Resume(double segundos) const {
  std::vector<std::pair<size_t, uintmax_t>> familias(nomes_familias_.size());
  uintmax_t total = 0;
  for (const auto& a : contexto_.Arquivos()) {
    const size_t k =
        static_cast<size_t>(std::find(nomes_familias_.begin(), nomes_familias_.end(), a.familia) -
                            nomes_familias_.begin());
    const uintmax_t tamanho = Tamanho(a.nome);
    familias[k].first += 1;
    familias[k].second += tamanho;
    total += tamanho;
  }
  std::printf(
      "Wrote %zu files, %ju bytes, into %s in %.2f s: %d zone(s), %d day(s) of %d s steps.\n",
      contexto_.Arquivos().size(), total, Cita_Shell(op_.pasta).c_str(), segundos, op_.zonas,
      op_.dias, op_.intervalo);
  for (size_t k = 0; k < familias.size(); ++k) {
    std::printf("  %-15s %4zu files %12ju bytes\n", nomes_familias_[k].c_str(), familias[k].first,
                familias[k].second);
  }
  std::fputs(Proximos().c_str(), stdout);
}

// Three commands that work as printed on the folder just written: what the
// first zone's conditions stream is, its export as CSV beside it, and a
// carpet of its first column, named as the data layer names it.
std::string Amostra::Proximos() const {
  const std::string fluxo = "zona1_temp_umi.bin";
  const std::string coluna = Primeira_Coluna(fluxo);
  if (coluna.empty()) return "";
  auto caminho = [this](const std::string& nome) {
    return Cita_Shell((fs::path(op_.pasta) / nome).string());
  };
  return "Next:\n  arqaux info " + caminho(fluxo) + "\n  arqaux export " + caminho(fluxo) +
         " --to csv\n  arqaux plot " + caminho(fluxo) + " --column " + Cita_Shell(coluna) +
         " --carpet --out " + caminho("zona1_" + coluna + ".png") + "\n";
}

TResultado Amostra::Executa() {
  const auto comeco = std::chrono::steady_clock::now();
  std::vector<std::string> entradas;
  for (const std::string* e : {&op_.clima, &op_.solo}) {
    if (!e->empty()) entradas.push_back(*e);
  }
  TPasta_Execucao pasta(op_.pasta, entradas, op_.forcar);
  if (TResultado erro = pasta.Abre(); !erro.Ok()) return erro;
  // Inside the private folder the files have bare names, so that the .ti
  // name (cut at the path's first '.') cannot be cut in a directory name.
  std::error_code ec;
  fs::current_path(pasta.Preparo(), ec);
  if (ec) return Falha("cannot use directory '%s'", op_.pasta.c_str());

  TResultado erro = Roda();
  if (erro.Ok()) erro = Conclui();
  geren_->Fecha_Todos();
  if (erro.Ok() && op_.graficos) erro = Desenha();
  if (erro.Ok()) erro = (pasta.Publica());
  if (!erro.Ok()) return erro;
  fs::current_path(pasta.Pasta(), ec);
  if (Silencioso()) return {};
  if (op_.lista) Lista_Arquivos();
  Resume(std::chrono::duration<double>(std::chrono::steady_clock::now() - comeco).count());
  return {};
}

}  // namespace

TResultado Executa_Amostra(const TOpcoes_Amostra& o) { return Amostra(o).Executa(); }

// ---- The run's services to its families ----

TZona_Modelo Modelo_Zona(int i) {
  TZona_Modelo m;
  m.area = 40.0 + 15.0 * (i % 3);
  m.condutancia = 120.0 + 40.0 * (i % 4);
  m.constante_tempo = (2.0 + 1.5 * (i % 4)) * kSegundosHora;
  m.ganho_interno = 2.5 + 0.8 * (i % 3);
  m.pessoas_max = 2 + i % 5;
  m.area_pv = 8.0 + 2.0 * (i % 4);
  return m;
}

std::string TContexto_Amostra::Anota(const std::string& familia, const std::string& nome) {
  arquivos_.push_back({familia, nome});
  return nome;
}

std::string TContexto_Amostra::Exibe(const std::string& nome) const {
  return (fs::path(opcoes.pasta) / nome).string();
}

TResultado TContexto_Amostra::Abre_Fluxo(const std::string& familia, const std::string& nome,
                                         int* n) {
  if (TResultado erro = Confere_Relida(Anota(familia, nome), Exibe(nome)); !erro.Ok()) return erro;
  errno = 0;
  *n = geren->Abre_Arquivo(nome.c_str(), "wb+");
  if (*n != 0) return {};
  return Falha("cannot open '%s': %s", Exibe(nome).c_str(),
               errno != 0 ? std::strerror(errno) : "the library refused it");
}

TResultado TContexto_Amostra::Fecha_Fluxo(int n, const std::string& nome) {
  return Fecha_Gravado(geren, n, Exibe(nome));
}

TResultado TContexto_Amostra::Descreve(const std::string& familia, const std::string& fluxo,
                                       const std::string& texto) {
  const std::string nome = fluxo + ".desc";
  if (TResultado erro = Confere_Relida(Anota(familia, nome), Exibe(nome)); !erro.Ok()) return erro;
  std::FILE* arq = std::fopen(nome.c_str(), "w");
  if (arq == nullptr) {
    return Falha("cannot create '%s': %s", Exibe(nome).c_str(), std::strerror(errno));
  }
  const bool ok = std::fwrite(texto.data(), 1, texto.size(), arq) == texto.size();
  if (std::fclose(arq) != 0 || !ok) return Perda(Exibe(nome));
  return {};
}

std::string TContexto_Amostra::Descricao(const char* tipo, int intervalo) {
  TDescricao d;
  d.tipo = tipo;
  d.intervalo = intervalo;
  return Texto_Descricao(d);
}

TResultado TContexto_Amostra::Converte(const std::string& familia, const Relatorio& r) {
  const int texto = geren->Abre_Arquivo(Anota(familia, r.nome).c_str(), "wt");
  if (texto == 0) return Falha("cannot open '%s'", Exibe(r.nome).c_str());
  FILE* arq_texto = geren->ObtemArquivo();
  geren->Muda_Arquivo(r.binario);
  FILE* arq_binario = geren->ObtemArquivo();
  if (arq_binario == arq_texto || std::fseek(arq_binario, r.cabecalho, SEEK_SET) != 0) {
    return Falha("cannot read back the stream of '%s'", Exibe(r.nome).c_str());
  }
  geren->Muda_Arquivo(texto);
  r.converte(r.binario, texto);
  if (TResultado erro = Fecha_Gravado(geren, texto, Exibe(r.nome)); !erro.Ok()) return erro;
  geren->Fecha_Arquivo(r.binario);
  return {};
}

TResultado TContexto_Amostra::Converte_Juntos(
    const std::string& familia, const std::vector<std::string>& nomes, int binario, long cabecalho,
    const std::function<void(int binario, const std::vector<int>& textos)>& converte) {
  std::vector<int> textos;
  FILE* arq_texto = nullptr;
  for (const std::string& nome : nomes) {
    textos.push_back(geren->Abre_Arquivo(Anota(familia, nome).c_str(), "wt"));
    if (textos.back() == 0) return Falha("cannot open '%s'", Exibe(nome).c_str());
    arq_texto = geren->ObtemArquivo();
  }
  if (textos.empty()) return {};
  geren->Muda_Arquivo(binario);
  FILE* arq_binario = geren->ObtemArquivo();
  if (arq_binario == arq_texto || std::fseek(arq_binario, cabecalho, SEEK_SET) != 0) {
    return Falha("cannot read back the stream of '%s'", Exibe(nomes.front()).c_str());
  }
  converte(binario, textos);
  for (size_t i = 0; i < textos.size(); ++i) {
    if (TResultado erro = Fecha_Gravado(geren, textos[i], Exibe(nomes[i])); !erro.Ok()) return erro;
  }
  geren->Fecha_Arquivo(binario);
  return {};
}
