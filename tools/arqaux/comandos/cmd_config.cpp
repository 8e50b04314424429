// "arqaux config": checks a project configuration file zone by zone, or
// writes a sample one.
//
// A host writes a project's configuration as one section per zone and per
// block kind, zone after zone, each block kind in a fixed order. Nothing in
// the file says which kinds it holds or in which order, and readers never
// seek, so the check is told the order (--blocks) and the number of zones
// (--zones) and reads the file exactly as the host would.
#include <arqaux/arqaux.h>

#include <CLI/CLI.hpp>
#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "comandos/comandos.h"
#include "comum/erros.h"
#include "comum/verificacoes.h"
#include "saida/saida_segura.h"

namespace {

// The order of the blocks of each zone when --blocks is not given, which is
// also the order the sample is written in.
const char* const kBlocosPadrao = "gains,pv,actuators,ventilation";

enum class TBloco { Ganhos, Pv, Atuadores, Ventilacao };

struct TNome_Bloco {
  const char* nome;
  TBloco bloco;
};

const TNome_Bloco kNomesBlocos[] = {
    {"gains", TBloco::Ganhos},
    {"pv", TBloco::Pv},
    {"actuators", TBloco::Atuadores},
    {"ventilation", TBloco::Ventilacao},
};

const char* Nome_Do_Bloco(TBloco b) {
  for (const TNome_Bloco& n : kNomesBlocos) {
    if (n.bloco == b) return n.nome;
  }
  return "?";
}

// Splits "gains,pv" into blocks; a failure on an unknown or empty name.
TResultado Separa_Blocos(const std::string& lista, std::vector<TBloco>* blocos) {
  size_t inicio = 0;
  while (true) {
    size_t fim = lista.find(',', inicio);
    std::string nome =
        lista.substr(inicio, fim == std::string::npos ? std::string::npos : fim - inicio);
    bool achou = false;
    for (const TNome_Bloco& n : kNomesBlocos) {
      if (nome == n.nome) {
        blocos->push_back(n.bloco);
        achou = true;
      }
    }
    if (!achou) {
      return TResultado::Falha("unknown block '" + nome +
                               "' (expected gains, pv, actuators or ventilation)");
    }
    if (fim == std::string::npos) return {};
    inicio = fim + 1;
  }
}

// ---- check ----

// "people 1, lighting 2": the non-zero counts of a summary line.
std::string Lista_Contagens(const std::vector<std::pair<const char*, int>>& contagens) {
  std::string texto;
  for (const auto& c : contagens) {
    if (c.second == 0) continue;
    if (!texto.empty()) texto += ", ";
    texto += std::string(c.first) + " " + std::to_string(c.second);
  }
  return texto;
}

std::string Resumo(const char* titulo, int total, const std::string& detalhe) {
  std::string linha = std::string("\t") + titulo + ": " + std::to_string(total);
  if (!detalhe.empty()) linha += " (" + detalhe + ")";
  return linha + "\n";
}

// The ventilation block of a zone: natural, forced or both, or none.
bool Le_Ventilacao(TGeren_ArquivoAux* geren, int zona, std::string* saida) {
  TVent_Natural* natural = nullptr;
  TVent_Forcada* forcada = nullptr;
  bool ok = geren->Le_Ventilacao_ZonaX(&natural, &forcada, zona);
  std::unique_ptr<TVent_Natural> dono_natural(natural);
  std::unique_ptr<TVent_Forcada> dono_forcada(forcada);
  if (!ok) return false;
  std::string tipos;
  if (natural != nullptr) tipos = "natural";
  if (forcada != nullptr) {
    if (!tipos.empty()) tipos += ", ";
    tipos += forcada->R_Tipo_Calculo() ? "forced by air changes" : "forced by air ration";
  }
  *saida += "\tventilation: " + (tipos.empty() ? std::string("none") : tipos) + "\n";
  return true;
}

// Reads one block of a zone and appends its summary line to *saida; false
// when the reader failed.
bool Le_Bloco_Zona(TGeren_ArquivoAux* geren, TBloco bloco, int zona, int n, std::string* saida) {
  switch (bloco) {
    case TBloco::Ganhos: {
      TLista<TGanho> ganhos(true);
      if (!geren->Le_Ganho_Interno_ZonaX(&ganhos, zona)) return false;
      int por_tipo[5] = {};
      TNo<TGanho>* no = ganhos.R_No(1);
      for (int i = 0; i < ganhos.Numero_Elementos(); ++i, no = no->R_Proximo()) {
        int tipo = no->R_Dado()->R_Tipo();
        if (tipo >= 0 && tipo < 5) ++por_tipo[tipo];
      }
      *saida += Resumo("gains", ganhos.Numero_Elementos(),
                       Lista_Contagens({{"people", por_tipo[GANHO_PESSOAS]},
                                        {"equipment", por_tipo[GANHO_EQUIPAMENTO]},
                                        {"lighting", por_tipo[GANHO_ILUMINACAO]},
                                        {"vapour generation", por_tipo[GANHO_GERACAO_VAPOR]}}));
      return true;
    }
    case TBloco::Pv: {
      TLista<TEquipamento_PV> equipamentos(true);
      if (!geren->Le_Equipamentos_PV_ZonaX(&equipamentos, zona)) return false;
      *saida += Resumo("pv equipment", equipamentos.Numero_Elementos(), "");
      return true;
    }
    case TBloco::Atuadores: {
      TGeren_Atuadores atuadores;
      CGeren_Equip_HVAC equip;
      if (!geren->Le_Climatizador_ZonaX(&equip, &atuadores, zona, n)) return false;
      TLista<TAtuador>* lista = atuadores.R_Atuadores();
      int por_tipo[7] = {};
      TNo<TAtuador>* no = lista->R_No(1);
      for (int i = 0; i < lista->Numero_Elementos(); ++i, no = no->R_Proximo()) {
        int tipo = no->R_Dado()->R_Tipo();
        if (tipo >= 0 && tipo < 7) ++por_tipo[tipo];
      }
      *saida += Resumo("actuators", lista->Numero_Elementos(),
                       Lista_Contagens({{"heater", por_tipo[3]},
                                        {"air conditioner", por_tipo[4]},
                                        {"fan-coil air conditioner", por_tipo[5]},
                                        {"evaporative cooler", por_tipo[6]}}));
      return true;
    }
    case TBloco::Ventilacao:
      return Le_Ventilacao(geren, zona, saida);
  }
  return false;
}

TResultado Verifica(const std::string& caminho, const std::vector<TBloco>& blocos, int zonas) {
  if (TResultado erro = Confere_Entrada(caminho); !erro.Ok()) return erro;
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  int n = geren->Abre_Arquivo(caminho.c_str(), "rb");
  if (n == 0) return Falha("cannot open '%s'", caminho.c_str());
  for (int zona = 1; zona <= zonas; ++zona) {
    std::string saida = "zone " + std::to_string(zona) + "\n";
    for (TBloco bloco : blocos) {
      if (!Le_Bloco_Zona(geren, bloco, zona, n, &saida)) {
        long pos = std::ftell(geren->ObtemArquivo());
        geren->Fecha_Arquivo(n);
        std::fflush(stdout);
        return Falha("%s: zone %d, block %s: reading stopped at byte %ld", caminho.c_str(), zona,
                     Nome_Do_Bloco(bloco), pos);
      }
    }
    std::fputs(saida.c_str(), stdout);
  }
  long lidos = std::ftell(geren->ObtemArquivo());
  std::fseek(geren->ObtemArquivo(), 0, SEEK_END);
  long tamanho = std::ftell(geren->ObtemArquivo());
  geren->Fecha_Arquivo(n);
  std::printf("%s: %d zone%s read, %ld of %ld bytes\n", caminho.c_str(), zonas,
              zonas == 1 ? "" : "s", lidos, tamanho);
  return {};
}

// ---- sample ----

TIntervalos* Horario(int hora_ini, int minuto_ini, int hora_fim, int minuto_fim) {
  auto* h = new TIntervalos;
  h->Adiciona_Intervalo(new TIntervalo(1, 7, hora_ini, hora_fim, minuto_ini * 60, minuto_fim * 60));
  return h;
}

char* Copia_Texto(const char* texto) {
  char* copia = new char[std::strlen(texto) + 1];
  std::strcpy(copia, texto);
  return copia;
}

// What one zone of the sample holds. The lists and managers own their
// elements.
struct TZona_Exemplo {
  TLista<TGanho> ganhos{true};
  TLista<TEquipamento_PV> equipamentos{true};
  TGeren_Atuadores atuadores;
  std::unique_ptr<TVent_Natural> natural;
  std::unique_ptr<TVent_Forcada> forcada;
};

// Zone 1, a living room: every kind of gain, two PV-supplied appliances, a
// heater and an air conditioner, natural and forced ventilation.
void Preenche_Sala(TZona_Exemplo* z) {
  z->ganhos.Adiciona(
      new TPessoas(4, Horario(18, 0, 23, 0), 1.7f, 70.0f, 1.2, 45.0f, 75.0f, 0.5f, true));
  z->ganhos.Adiciona(
      new TEquipamento(1, Horario(0, 0, 23, 59), 150.0f, 120.0f, 0.0f, 3, 0.6f, false));
  z->ganhos.Adiciona(new TIluminacao(6, Horario(18, 0, 23, 30), 60.0f, 1, 0.4f, false, true,
                                     Copia_Texto("projeto/iluminacao natural/sala.dgp")));
  z->ganhos.Adiciona(new TGeracao_Vapor(1, Horario(11, 30, 13, 0), 1.2e-5f, 100.0f, 800.0f));
  char geladeira[] = "Geladeira";
  char bomba[] = "Bomba de agua solar";
  z->equipamentos.Adiciona(new TEquipamento_PV(Horario(0, 0, 23, 59), geladeira, 0, 1, 150.0f));
  z->equipamentos.Adiciona(new TEquipamento_PV(Horario(9, 0, 16, 0), bomba, 1, 1, 370.0f));

  auto* aquecedor =
      new TAquecedor(1, Horario(6, 0, 9, 0), 1500.0f, 1.2f, 1005.0f, 0.02f, 0.8f, 10.0f);
  aquecedor->R_Controle()->Cria_Controlador_OnOff(1.0f, 20.0f);
  z->atuadores.Insere_Atuadores(aquecedor);
  auto* ar = new TArCondicionado(1, 12, 0, 1, 0, 1, 0, 1, 0.32f, 3516.0f, 0.72f, 0.19f, 12.5f,
                                 Horario(13, 0, 22, 0));
  const float ct[6] = {0.942587f, 0.009543f, 0.00068f, -0.011042f, 0.000005f, -0.00072f};
  const float eer[6] = {0.342414f, 0.034885f, -0.0006f, 0.004977f, 0.000437f, -0.000729f};
  const float cs[6] = {0.5f, 0.019f, 0.0f, -0.007f, 0.0f, 0.0f};
  ar->A_CONST_CT(ct);
  ar->A_CONST_EER(eer);
  ar->A_CONST_CS(cs);
  ar->R_Controle()->Cria_Controlador_PID(0.8f, 0.002f, 0.0f, 3600.0f, 24.0f);
  z->atuadores.Insere_Atuadores(ar);

  TParam_Vent_Nat parametros;
  parametros.Atualiza_Modelo(1);
  parametros.Atualiza_Tipo_Calculo(0);
  parametros.Atualiza_Indice(2);
  parametros.Atualiza_SBH(1.0f);
  parametros.Atualiza_PAD(2.5f);
  z->natural.reset(new TVent_Natural);
  z->natural->Atualiza_Parametros_Ventilacao(&parametros);
  z->forcada.reset(new TVent_Forcada);
  z->forcada->A_Tipo_Calculo(true);
  z->forcada->A_Trocas_Ar(2.0f);
  z->forcada->R_Intervalos()->Adiciona_Intervalo(new TIntervalo(1, 5, 8, 18, 0, 0));
}

// Zone 2, a bedroom: people and plain lighting, no PV equipment, a fan-coil
// air conditioner and an evaporative cooler, forced ventilation by ration.
void Preenche_Quarto(TZona_Exemplo* z) {
  z->ganhos.Adiciona(
      new TPessoas(2, Horario(22, 0, 23, 59), 1.65f, 65.0f, 0.8, 30.0f, 45.0f, 0.5f, false));
  z->ganhos.Adiciona(
      new TIluminacao(2, Horario(21, 0, 23, 0), 20.0f, 2, 0.4f, false, false, nullptr));
  z->atuadores.Insere_Atuadores(new TArCondicionadoC(nullptr, 1, 0.25f, Horario(22, 0, 23, 59)));
  auto* resfriador =
      new TResf_Evap_Asp(Horario(12, 0, 18, 0), 1, 2, 30.0f, 1.5e-5f, 5.0f, 20.0f, 5e-5f, 1.5f, 4);
  resfriador->R_Controle()->Cria_Controlador_Automatico(26.0f, 30.0f, 1.0f, 40.0f, 80.0f, 5.0f, 300,
                                                        3600, 600, 7200);
  z->atuadores.Insere_Atuadores(resfriador);
  z->forcada.reset(new TVent_Forcada);
  z->forcada->A_Tipo_Calculo(false);
  z->forcada->A_Racao_Ar(7.5f);
  z->forcada->A_Quantidade_Pessoas(2);
  z->forcada->R_Intervalos()->Adiciona_Intervalo(new TIntervalo(1, 7, 22, 23, 0, 3540));
}

TResultado Exemplo(const std::string& caminho) {
  TZona_Exemplo zonas[2];
  Preenche_Sala(&zonas[0]);
  Preenche_Quarto(&zonas[1]);
  if (TResultado erro = Confere_Sem_Ligacao(caminho); !erro.Ok()) return erro;
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  int n = geren->Abre_Arquivo(caminho.c_str(), "wb");
  if (n == 0) return Falha("cannot create %s", caminho.c_str());
  bool ok = true;
  for (int i = 0; i < 2 && ok; ++i) {
    TZona_Exemplo& z = zonas[i];
    ok = geren->Grava_Ganho_Interno_ZonaX(&z.ganhos, i + 1) &&
         geren->Grava_Equipamentos_PV_ZonaX(&z.equipamentos, i + 1) &&
         geren->Grava_Climatizador_ZonaX(&z.atuadores, i + 1) &&
         geren->Grava_Ventilacao_ZonaX(z.natural.get(), z.forcada.get(), i + 1);
  }
  const TResultado erro = Fecha_Gravado(geren, n, caminho);
  if (!erro.Ok()) return erro;
  if (!ok) return Perda(caminho);
  std::printf("%s: 2 zones written, blocks %s\n", caminho.c_str(), kBlocosPadrao);
  return {};
}

// What "config check" asks for.
struct TVerificacao {
  std::string caminho;
  int zonas = 0;
  std::vector<TBloco> blocos;
};

}  // namespace

void Declara_Config(CLI::App* app, TAcao* acao) {
  CLI::App* config = app->add_subcommand("config", "check or write a project configuration file");
  config->require_subcommand(1);
  CLI::App* verifica =
      config->add_subcommand("check", "read a configuration file zone by zone, as a host would");
  auto v = std::make_shared<TVerificacao>();
  verifica->add_option("FILE", v->caminho, "configuration file")->required();
  verifica->add_option("--zones", v->zonas, "zones the file holds")
      ->required()
      ->check(CLI::Range(1, INT_MAX));
  auto le_blocos = [v](const std::string& lista) {
    v->blocos.clear();
    const TResultado separados = Separa_Blocos(lista, &v->blocos);
    if (!separados.Ok()) throw CLI::ValidationError("--blocks", separados.Mensagem());
  };
  le_blocos(kBlocosPadrao);
  verifica
      ->add_option_function<std::string>("--blocks", le_blocos,
                                         "block kinds of each zone, in the order written")
      ->type_name("LIST")
      ->default_str(kBlocosPadrao);
  verifica->callback(
      [v, acao] { *acao = [v] { return Relata(Verifica(v->caminho, v->blocos, v->zonas)); }; });

  CLI::App* exemplo = config->add_subcommand("sample", "write a two-zone sample file");
  auto destino = std::make_shared<std::string>();
  exemplo->add_option("FILE", *destino, "file written")->required();
  exemplo->callback([destino, acao] { *acao = [destino] { return Relata(Exemplo(*destino)); }; });
}
