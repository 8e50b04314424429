#include "hvac/sistema_hvac.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>
#include <list>
#include <string>
#include <vector>

namespace {

// A plant kind as the host sizes it: data floats, report ints and names of
// one item (the tank's floats and names grow with its connections), and how
// many items the sample holds.
struct TTipo_Equip {
  const char* nome;
  const char* nome_item;  // before the item's and the name's numbers
  int reais;
  int inteiros;
  int nomes;
  int no_exemplo;
};
constexpr int kTipoTanque = 8;
constexpr int kConexoesTanque = 3;  // the sample tank's, in its data[5]
const TTipo_Equip kTipos[] = {
    {"fan coils", "", 0, 0, 0, 2},
    {"air-cooled chillers", "Chiller Ar", 23, 7, 4, 1},
    {"water-cooled chillers", "Chiller Agua", 27, 10, 4, 2},
    {"cooling towers", "", 9, 6, 0, 2},
    {"boilers", "Caldeira", 18, 10, 1, 1},
    {"hot-water pumps", "Bomba AQ", 11, 6, 1, 2},
    {"chilled-water pumps", "Bomba AG", 12, 6, 1, 1},
    {"condenser-water pumps", "", 7, 6, 0, 0},
    {"chilled-water tanks", "Ramal", 10 + 3 * kConexoesTanque, 2, kConexoesTanque, 1},
    {"secondary chilled-water pumps", "Bomba AG Sec", 12, 6, 1, 1},
};
constexpr int kNumTipos = sizeof kTipos / sizeof kTipos[0];

// ---- the sample ----

TIntervalo* Periodo(int p0, int p1, int h0, int m0, int h1, int m1) {
  return new TIntervalo(p0, p1, h0, h1, m0 * 60, m1 * 60);
}

void Componentes(TGeren_Componentes_HVAC* geren, std::initializer_list<int> tipos) {
  int posicao = 0;
  for (int tipo : tipos) geren->Insere_Componente(Cria_Componente_Exemplo(tipo, posicao++));
}

// Fan coil 1: the air-handling chain (mixing box, cooling coil, supply and
// return fans), a living room with a heater, a heating coil and a
// humidifier, a kitchen, and a bedroom whose controllers hold no values;
// ventilation on, with its controller's two differences.
void Preenche_FanCoil_1(CFanCoil* f) {
  f->A_Dados({0.5f, 1.25f, 3, 40, 0.125f, 1000});
  f->A_Config({1, 0, 2, 0, 0, 1, 0, 0, 3, 1});
  Componentes(f->R_Geren_Comp(), {0, 3, 5, 6});
  auto* sala = new CZona_Sist_Sec({22, 0.5f, 45, 1.5f}, {1, 0, 1, 0, 2}, 1, "Sala de estar");
  Componentes(sala->R_Geren_Comp(), {1, 2, 4});
  sala->R_Intervalos()->Adiciona_Intervalo(Periodo(1, 5, 8, 0, 12, 0));
  sala->R_Intervalos()->Adiciona_Intervalo(Periodo(1, 5, 13, 30, 18, 0));
  sala->R_Controle_AQ()->Cria_Controlador_OnOff(1, 21);
  sala->R_Controle_RESF()->Cria_Controlador_PID(0.5f, 0.1f, 0, 3600, 24);
  f->R_Geren_Zonas()->Insere_Zona(sala);
  auto* cozinha = new CZona_Sist_Sec({24, 1, 50, 2}, {0, 1, 0, 1, 0}, 2, "Cozinha");
  cozinha->R_Controle_AQ()->Cria_Controlador_PID(2, 0.05f, 0.01f, 3600, 20);
  cozinha->R_Controle_RESF()->Cria_Controlador_OnOff(0.75f, 25.5f);
  f->R_Geren_Zonas()->Insere_Zona(cozinha);
  f->R_Geren_Zonas()->Insere_Zona(new CZona_Sist_Sec({20, 0, 40, 1}, {0, 0, 0, 0, 1}, 3, "Quarto"));
  f->R_Intervalos()->Adiciona_Intervalo(Periodo(1, 7, 0, 0, 23, 59));
  f->A_Ativar_Ventilacao(true);
  f->A_Ativar_Controle_Vent(true);
  f->A_Ativar_DifTemp_Vent(true);
  f->R_Intervalos_Vent()->Adiciona_Intervalo(Periodo(2, 6, 6, 30, 9, 15));
  f->R_Controle_AQ()->Cria_Controlador_PID(0.5f, 0.1f, 0, 3600, 22);
  f->R_Controle_RESF()->Cria_Controlador_OnOff(1.5f, 24.5f);
  f->R_Controle_UM()->Cria_Controlador_OnOff(5, 50);
  f->R_Controle_RA()->Cria_Controlador_OnOff(2.5f, 70);
  f->R_Controle_VENT()->Cria_Controlador_OnOff(1, 23);
  f->R_Controle_VENT()->R_ContOnOff()->A_Dif_Temp_Vent(2);
  f->R_Controle_VENT()->R_ContOnOff()->A_Dif_Ent_Vent(0.75f);
}

// Fan coil 2: an electric heater and a supply fan for one office, without
// ventilation.
void Preenche_FanCoil_2(CFanCoil* f) {
  f->A_Dados({0.25f, 0.75f, 2, 30, 0.1f, 800});
  f->A_Config({0, 1, 1, 0, 0, 0, 1, 0, 2, 0});
  Componentes(f->R_Geren_Comp(), {1, 5});
  auto* escritorio = new CZona_Sist_Sec({23, 0.5f, 50, 1}, {1, 1, 0, 0, 1}, 4, "Escritorio");
  escritorio->R_Intervalos()->Adiciona_Intervalo(Periodo(2, 6, 8, 0, 18, 0));
  escritorio->R_Controle_AQ()->Cria_Controlador_OnOff(0.5f, 20);
  escritorio->R_Controle_RESF()->Cria_Controlador_OnOff(0.5f, 25);
  f->R_Geren_Zonas()->Insere_Zona(escritorio);
  f->R_Intervalos()->Adiciona_Intervalo(Periodo(2, 6, 7, 0, 19, 0));
  f->R_Controle_RESF()->Cria_Controlador_OnOff(1, 24);
}

// Item k of plant kind tipo: values that tell kind, item and position apart.
bool Grava_Item(TGeren_ArquivoAux* geren, int tipo, int k) {
  const TTipo_Equip& t = kTipos[tipo];
  std::vector<float> dados(t.reais);
  std::vector<int> conf(t.inteiros);
  for (int i = 0; i < t.reais; ++i) dados[i] = float(tipo * 100 + k * 10) + 0.5f * float(i);
  for (int i = 0; i < t.inteiros; ++i) conf[i] = (i + k) % 2;
  if (tipo == kTipoTanque) dados[5] = kConexoesTanque;
  std::vector<std::string> nomes(t.nomes);
  std::vector<const char*> ponteiros;
  for (int i = 0; i < t.nomes; ++i) {
    nomes[i] = std::string(t.nome_item) + " " + std::to_string(k) + "." + std::to_string(i);
    ponteiros.push_back(nomes[i].c_str());
  }
  return geren->SalvaDadosRelatorio_HVAC(dados, conf, ponteiros.data(), k, t.no_exemplo, tipo,
                                         nullptr);
}

// ---- loading ----

size_t Conta_Componentes(TGeren_Componentes_HVAC* geren) {
  return geren->R_Componentes_Sist_Sec().size();
}

// "3 zones", "1 zone"
std::string Quantos(size_t n, const char* nome) {
  return std::to_string(n) + " " + nome + (n == 1 ? "" : "s");
}

// "  fan coil 1: 3 zones, 4 components, 3 components in the zones"
std::string Resumo_FanCoil(int k, CFanCoil* f) {
  const std::list<CZona_Sist_Sec*> zonas = f->R_Geren_Zonas()->R_Zonas_Sist_Sec();
  size_t nas_zonas = 0;
  for (CZona_Sist_Sec* z : zonas) nas_zonas += Conta_Componentes(z->R_Geren_Comp());
  return "  fan coil " + std::to_string(k) + ": " + Quantos(zonas.size(), "zone") + ", " +
         Quantos(Conta_Componentes(f->R_Geren_Comp()), "component") + ", " +
         Quantos(nas_zonas, "component") + " in the zones\n";
}

// The items of one kind after its count line; a failure at the first that
// does not read, naming it.
TResultado Le_Itens(TGeren_ArquivoAux* geren, int n, int tipo, int contagem, std::string* resumo) {
  // Room for the largest item of any kind: a tank with every connection.
  std::vector<float> dados(10 + 3 * TGeren_ArquivoAux::Num_Nomes_Equip);
  std::vector<int> conf(10);
  for (int k = 1; k <= contagem; ++k) {
    CFanCoil fancoil;
    if (!geren->CarregaDadosRelatorio_HVAC(n, dados, conf, &fancoil, tipo)) {
      return TResultado::Falha(std::string(kTipos[tipo].nome) + ", item " + std::to_string(k));
    }
    if (tipo == 0) *resumo += Resumo_FanCoil(k, &fancoil);
  }
  return {};
}

// The count line at posicao of arq, which the library read as contagem,
// checked against the number written there: the scan takes the low bits of
// a number past the range of an int, and reads a line that does not match
// as 0. A failure when the two differ; arq is then back at the line, so
// that the reader's stop names it.
TResultado Confere_Contagem(FILE* arq, long posicao, int contagem, const char* nome) {
  const long depois = std::ftell(arq);
  std::string linha;
  if (std::fseek(arq, posicao, SEEK_SET) == 0) {
    for (int c; linha.size() < 80 && (c = std::fgetc(arq)) != EOF && c != '\n';) {
      if (!linha.empty() || !std::isspace(c)) linha += static_cast<char>(c);
    }
  }
  const size_t igual = linha.find('='), fecho = linha.find(']', igual);
  std::string escrito = igual == std::string::npos || fecho == std::string::npos
                            ? std::string()
                            : linha.substr(igual + 1, fecho - igual - 1);
  escrito.erase(0, escrito.find_first_not_of(" \t"));
  escrito.erase(escrito.find_last_not_of(" \t") + 1);
  const bool algarismos =
      !escrito.empty() && escrito.find_first_not_of("0123456789") == std::string::npos;
  // Past ten digits (leading zeros aside) no number is an int.
  const size_t inicio = std::min(escrito.find_first_not_of('0'), escrito.size());
  const long long valor = !algarismos                    ? -1
                          : escrito.size() - inicio > 10 ? LLONG_MAX
                                                         : std::stoll(escrito);
  if (algarismos && valor == contagem) {
    std::fseek(arq, depois, SEEK_SET);
    return {};
  }
  std::fseek(arq, posicao, SEEK_SET);
  if (valor > INT_MAX) {
    return TResultado::Falha(std::string("the count of ") + nome + ", " + escrito + ", is past " +
                             std::to_string(INT_MAX));
  }
  return TResultado::Falha(std::string("the count line of ") + nome + " does not give a count");
}

}  // namespace

TComponente_HVAC* Cria_Componente_Exemplo(int tipo, int posicao) {
  std::vector<float> dados(TGeren_Componentes_HVAC::R_Num_Dados_Comp(tipo));
  std::vector<int> config(TGeren_Componentes_HVAC::R_Num_Config_Comp(tipo));
  for (size_t i = 0; i < dados.size(); ++i) dados[i] = 0.25f * float(tipo + 1) * float(i + 1);
  for (size_t i = 0; i < config.size(); ++i) config[i] = tipo % 2 + int(i);
  switch (tipo) {
    case 0:
      return new TCaixadeMistura(dados, config, posicao);
    case 1:
      return new TResistenciaEletrica(dados, config, posicao);
    case 2:
    case 3:
      return new TSerpentina_Agua(dados, config, tipo, posicao);
    case 4:
      return new TUmidificador_Inj_Vapor(dados, config, posicao);
    default:
      return new TVentilador(dados, config, tipo, posicao);
  }
}

bool Grava_Sistema_Exemplo(TGeren_ArquivoAux* geren) {
  int primario[9] = {1, 2, 0, 3, 1, 0, 2, 1, 4};
  if (!geren->SalvaDadosRelatorioCab_HVAC(1, 0, 600, primario)) return false;
  CFanCoil fancoils[2];
  Preenche_FanCoil_1(&fancoils[0]);
  Preenche_FanCoil_2(&fancoils[1]);
  for (int k = 1; k <= 2; ++k) {
    if (!geren->SalvaDadosRelatorio_HVAC({}, {}, nullptr, k, 2, 0, &fancoils[k - 1])) return false;
  }
  for (int tipo = 1; tipo < kNumTipos; ++tipo) {
    const int contagem = kTipos[tipo].no_exemplo;
    if (contagem == 0 && !geren->SalvaDadosRelatorio_HVAC({}, {}, nullptr, 0, 0, tipo, nullptr)) {
      return false;
    }
    for (int k = 1; k <= contagem; ++k) {
      if (!Grava_Item(geren, tipo, k)) return false;
    }
  }
  return true;
}

TResultado Le_Sistema_HVAC(TGeren_ArquivoAux* geren, int n, std::string* resumo) {
  int monitora_sistema, monitora_consumo, passo, primario[9];
  if (!geren->CarregaDadosRelatorioCab_HVAC(&monitora_sistema, &monitora_consumo, &passo,
                                            primario)) {
    return TResultado::Falha("the report header block");
  }
  *resumo += "header: system monitored " + std::to_string(monitora_sistema) +
             ", consumption monitored " + std::to_string(monitora_consumo) + ", report step " +
             std::to_string(passo) + " s\n";
  for (int tipo = 0; tipo < kNumTipos; ++tipo) {
    FILE* arq = geren->ObtemArquivo();
    const long posicao = arq != nullptr ? std::ftell(arq) : -1;
    const int contagem =
        tipo == 0 ? geren->Le_Num_Reg_FanCoil(n) : geren->Le_Num_Reg_Equips_Sist_Prim_HVAC(n, tipo);
    if (contagem < 0) return TResultado::Falha(std::string("the count of ") + kTipos[tipo].nome);
    if (arq == geren->ObtemArquivo() && posicao >= 0) {
      TResultado contada = Confere_Contagem(arq, posicao, contagem, kTipos[tipo].nome);
      if (!contada.Ok()) return contada;
    }
    *resumo += std::string(kTipos[tipo].nome) + ": " + std::to_string(contagem) + "\n";
    TResultado itens = Le_Itens(geren, n, tipo, contagem, resumo);
    if (!itens.Ok()) return itens;
  }
  return {};
}
