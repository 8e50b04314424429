#include "descricao_hvac.h"

#include <arqaux/dados.h>

#include <cstdio>
#include <list>
#include <sstream>
#include <string>
#include <vector>

#include "comandos.h"
#include "sistema_hvac.h"

namespace {

// The header and rows of a kind of primary equipment.
using Cabecalho_Equip = void (TGeren_ArquivoAux::*)(int texto, int variavel, int* flags, int numero,
                                                    TTempo* par, int intervalo);
using Linhas_Equip = void (TGeren_ArquivoAux::*)(int dados, int texto, int variavel, int* flags,
                                                 TTempo* par, int intervalo);
struct TConversor {
  Cabecalho_Equip cabecalho;
  Linhas_Equip linhas;
};

using G = TGeren_ArquivoAux;
// The kinds, in the order of Tipos_Saida_HVAC; the fan coil has its own
// operations.
const TConversor CONVERSORES[] = {
    {nullptr, nullptr},
    {&G::Preenche_Cabecalho_ChillerAr, &G::Salva_Texo_Dados_ChillerAr},
    {&G::Preenche_Cabecalho_ChillerAgua, &G::Salva_Texo_Dados_ChillerAgua},
    {&G::Preenche_Cabecalho_Torre, &G::Salva_Texo_Dados_Torre},
    {&G::Preenche_Cabecalho_Boiler, &G::Salva_Texo_Dados_Boiler},
    {&G::Preenche_Cabecalho_BombaAG, &G::Salva_Texo_Dados_BombaAG},
    {&G::Preenche_Cabecalho_BombaAQ, &G::Salva_Texo_Dados_BombaAQ},
    {&G::Preenche_Cabecalho_BombaAC, &G::Salva_Texo_Dados_BombaAC},
};

// The comma-separated values of texto, each read by ler; false when one
// does not read or texto is empty.
template <typename T>
bool Le_Lista(const std::string& texto, bool (*ler)(const std::string&, T*), std::vector<T>* v) {
  v->clear();
  size_t i = 0;
  while (i <= texto.size()) {
    size_t fim = texto.find(',', i);
    if (fim == std::string::npos) fim = texto.size();
    T valor;
    if (!ler(texto.substr(i, fim - i), &valor)) return false;
    v->push_back(valor);
    i = fim + 1;
  }
  return !v->empty();
}

bool Le_Flag(const std::string& texto, int* v) {
  return Le_Inteiro(texto, v) && (*v == 0 || *v == 1);
}

// "3" or "3:5": a variable and the type of its selected component.
bool Le_Relatorio(const std::string& texto, TRelatorio_HVAC* r) {
  const size_t dois_pontos = texto.find(':');
  *r = TRelatorio_HVAC();
  if (!Le_Inteiro(texto.substr(0, dois_pontos), &r->variavel)) return false;
  if (dois_pontos == std::string::npos) return true;
  return Le_Inteiro(texto.substr(dois_pontos + 1), &r->selecionado) && r->selecionado >= 0 &&
         r->selecionado < TIPOS_COMPONENTE;
}

std::string Texto_Lista(const std::vector<int>& v) {
  std::string texto;
  for (size_t i = 0; i < v.size(); ++i) texto += (i ? "," : "") + std::to_string(v[i]);
  return texto;
}

std::string Texto_Data(const TTempo& t) {
  return std::to_string(t.Dia) + "/" + std::to_string(t.Mes) + "/" + std::to_string(t.Hora);
}

// A line of the description: its key, how its value is written, and how it
// is read (false: not a value of the key).
struct TChave {
  const char* nome;
  bool obrigatoria;
  bool repetida;
  std::string (*escreve)(const TDescricao_HVAC& d, size_t k);  // k: the repetition
  size_t (*conta)(const TDescricao_HVAC& d);                   // repetitions written
  bool (*le)(const std::string& valor, TDescricao_HVAC* d);
};

size_t Uma(const TDescricao_HVAC&) { return 1; }

const TChave CHAVES[] = {
    {"kind", true, false, [](const TDescricao_HVAC& d, size_t) { return d.tipo; }, Uma,
     [](const std::string& v, TDescricao_HVAC* d) {
       d->tipo = v;
       return Tipo_Saida_HVAC(v) != nullptr;
     }},
    {"number", false, false,
     [](const TDescricao_HVAC& d, size_t) { return std::to_string(d.numero); }, Uma,
     [](const std::string& v, TDescricao_HVAC* d) { return Le_Inteiro(v, &d->numero); }},
    {"flags", true, false, [](const TDescricao_HVAC& d, size_t) { return Texto_Lista(d.flags); },
     Uma,
     [](const std::string& v, TDescricao_HVAC* d) {
       const TTipo_Saida_HVAC* t = Tipo_Saida_HVAC(d->tipo);
       return t != nullptr && Le_Flags(v, t->flags, &d->flags);
     }},
    {"component", false, true,
     [](const TDescricao_HVAC& d, size_t k) {
       return std::to_string(d.componentes[k].tipo) + ":" + Texto_Lista(d.componentes[k].flags);
     },
     [](const TDescricao_HVAC& d) { return d.componentes.size(); },
     [](const std::string& v, TDescricao_HVAC* d) {
       TComponente_Descrito c;
       if (d->tipo != Tipos_Saida_HVAC()[0].nome || !Le_Componente(v, &c)) return false;
       d->componentes.push_back(c);
       return true;
     }},
    {"variables", true, false,
     [](const TDescricao_HVAC& d, size_t) {
       std::string texto;
       for (const TRelatorio_HVAC& r : d.relatorios) {
         texto += (texto.empty() ? "" : ",") + std::to_string(r.variavel);
         if (r.selecionado != SEM_SELECIONADO) texto += ":" + std::to_string(r.selecionado);
       }
       return texto;
     },
     Uma,
     [](const std::string& v, TDescricao_HVAC* d) {
       return Le_Lista(v, Le_Relatorio, &d->relatorios);
     }},
    {"interval", true, false,
     [](const TDescricao_HVAC& d, size_t) { return std::to_string(d.intervalo); }, Uma,
     [](const std::string& v, TDescricao_HVAC* d) {
       return Le_Intervalo_Descrito(v, &d->intervalo);
     }},
    {"start", true, false, [](const TDescricao_HVAC& d, size_t) { return Texto_Data(d.inicio); },
     Uma, [](const std::string& v, TDescricao_HVAC* d) { return Le_Data(v, &d->inicio); }},
    {"end", true, false, [](const TDescricao_HVAC& d, size_t) { return Texto_Data(d.fim); }, Uma,
     [](const std::string& v, TDescricao_HVAC* d) { return Le_Data(v, &d->fim); }},
};
constexpr size_t NUM_CHAVES = sizeof CHAVES / sizeof CHAVES[0];

// Text without the blanks around it.
std::string Apara(const std::string& texto) {
  const size_t inicio = texto.find_first_not_of(" \t\r");
  if (inicio == std::string::npos) return "";
  return texto.substr(inicio, texto.find_last_not_of(" \t\r") + 1 - inicio);
}

// Reads one "key = value" line into d; empty when it reads, else why not.
std::string Le_Linha(const std::string& linha, TDescricao_HVAC* d, std::vector<bool>* vistas) {
  const size_t igual = linha.find('=');
  if (igual == std::string::npos) return "not a 'key = value' line";
  const std::string chave = Apara(linha.substr(0, igual));
  const std::string valor = Apara(linha.substr(igual + 1));
  for (size_t k = 0; k < NUM_CHAVES; ++k) {
    if (chave != CHAVES[k].nome) continue;
    if ((*vistas)[k] && !CHAVES[k].repetida) return "'" + chave + "' given twice";
    (*vistas)[k] = true;
    const std::string motivo = Confere_Valor_Descrito(chave, valor);
    if (!motivo.empty()) return motivo;
    if (!CHAVES[k].le(valor, d)) return "'" + valor + "' is not a value of '" + chave + "'";
    return "";
  }
  return "unknown key '" + chave + "'";
}

}  // namespace

const std::vector<TTipo_Saida_HVAC>& Tipos_Saida_HVAC() {
  static const std::vector<TTipo_Saida_HVAC> tipos = {
      {"fancoil", "fan coil", CFanCoil::NUM_CONFIG_UM, {0, 1, 2, 3, 4, 5, 6, 13, 16}},
      {"chiller-ar", "air-cooled chiller", CChillerAr::NUM_CONFIG_UM, {0, 1, 2}},
      {"chiller-agua", "water-cooled chiller", CChillerAgua::NUM_CONFIG_UM, {3, 4, 5, 6, 7}},
      {"torre", "cooling tower", CTorre::NUM_CONFIG_UM, {0, 1, 2, 3, 4}},
      {"boiler", "boiler", CBoiler::NUM_CONFIG_UM, {0, 1, 2, 3, 4, 5, 6, 7}},
      {"bomba-ag", "chilled-water pump", CBombaAG::NUM_CONFIG_UM, {0, 1, 2, 3}},
      {"bomba-aq", "hot-water pump", CBombaAQ::NUM_CONFIG_UM, {0, 1, 2, 3}},
      {"bomba-cond", "condenser-water pump", CBombaAC::NUM_CONFIG_UM, {0, 1, 2, 3}},
  };
  return tipos;
}

const TTipo_Saida_HVAC* Tipo_Saida_HVAC(const std::string& nome) {
  for (const TTipo_Saida_HVAC& t : Tipos_Saida_HVAC()) {
    if (nome == t.nome) return &t;
  }
  return nullptr;
}

std::string Texto_Variaveis(const TTipo_Saida_HVAC& tipo) {
  std::string texto;
  const std::vector<int>& v = tipo.variaveis;
  for (size_t i = 0; i < v.size();) {
    size_t j = i;
    while (j + 1 < v.size() && v[j + 1] == v[j] + 1) ++j;
    texto += (i ? ", " : "") + std::to_string(v[i]);
    if (j > i) texto += " to " + std::to_string(v[j]);
    i = j + 1;
  }
  return texto;
}

std::string Caminho_Descricao(const std::string& fluxo) { return fluxo + ".desc"; }

std::string Texto_Descricao(const TDescricao_HVAC& d) {
  std::string texto = "# arqaux: how to report the HVAC output stream beside this file\n";
  for (const TChave& c : CHAVES) {
    for (size_t k = 0; k < c.conta(d); ++k) {
      texto += std::string(c.nome) + " = " + c.escreve(d, k) + "\n";
    }
  }
  return texto;
}

bool Le_Descricao(const std::string& texto, const std::string& arquivo, TDescricao_HVAC* d,
                  std::string* erro) {
  *d = TDescricao_HVAC();
  std::vector<bool> vistas(NUM_CHAVES);
  std::istringstream linhas(texto);
  std::string linha;
  for (int n = 1; std::getline(linhas, linha); ++n) {
    const std::string limpa = Apara(linha);
    if (limpa.empty() || limpa[0] == '#') continue;
    const std::string motivo = Le_Linha(limpa, d, &vistas);
    if (!motivo.empty()) {
      *erro = "'" + arquivo + "' line " + std::to_string(n) + ": " + motivo;
      return false;
    }
  }
  for (size_t k = 0; k < NUM_CHAVES; ++k) {
    if (CHAVES[k].obrigatoria && !vistas[k]) {
      *erro = "'" + arquivo + "' has no '" + CHAVES[k].nome + "' line";
      return false;
    }
  }
  return true;
}

bool Le_Flags(const std::string& texto, size_t n, std::vector<int>* flags) {
  return Le_Lista(texto, Le_Flag, flags) && flags->size() == n;
}

bool Le_Componente(const std::string& texto, TComponente_Descrito* c) {
  const size_t dois_pontos = texto.find(':');
  return dois_pontos != std::string::npos && Le_Inteiro(texto.substr(0, dois_pontos), &c->tipo) &&
         c->tipo >= 0 && c->tipo < TIPOS_COMPONENTE &&
         Le_Flags(texto.substr(dois_pontos + 1), FLAGS_COMPONENTE, &c->flags);
}

void Converte_Saida_HVAC(TGeren_ArquivoAux* geren, const TDescricao_HVAC& d,
                         const TRelatorio_HVAC& r, int dados, int texto) {
  const std::vector<TTipo_Saida_HVAC>& tipos = Tipos_Saida_HVAC();
  const size_t k = static_cast<size_t>(Tipo_Saida_HVAC(d.tipo) - tipos.data());
  std::vector<int> flags = d.flags;
  TTempo par[2] = {d.inicio, d.fim};
  if (CONVERSORES[k].cabecalho != nullptr) {
    (geren->*CONVERSORES[k].cabecalho)(texto, r.variavel, flags.data(), d.numero, par, d.intervalo);
    (geren->*CONVERSORES[k].linhas)(dados, texto, r.variavel, flags.data(), par, d.intervalo);
    return;
  }
  TGeren_Componentes_HVAC componentes;
  Insere_Componentes(&componentes, d.componentes);
  TComponente_HVAC* selecionado = nullptr;
  for (TComponente_HVAC* c : componentes.R_Componentes_Sist_Sec()) {
    if (selecionado == nullptr && c->R_Tipo() == r.selecionado) selecionado = c;
  }
  geren->Preenche_Cabecalho_FanCoil(texto, &componentes, selecionado, r.variavel, flags, d.numero,
                                    par, d.intervalo);
  geren->Salva_Texo_Dados_FanCoil(dados, texto, &componentes, selecionado, r.variavel, flags, par,
                                  d.intervalo);
}

void Insere_Componentes(TGeren_Componentes_HVAC* geren,
                        const std::vector<TComponente_Descrito>& componentes) {
  int posicao = 0;
  for (const TComponente_Descrito& c : componentes) {
    TComponente_HVAC* componente = Cria_Componente_Exemplo(c.tipo, posicao++);
    for (int f = 0; f < FLAGS_COMPONENTE; ++f) componente->A_Config_UM(f, c.flags[f]);
    geren->Insere_Componente(componente);
  }
}
