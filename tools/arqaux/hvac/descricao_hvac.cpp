#include "hvac/descricao_hvac.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <list>
#include <sstream>
#include <string>
#include <vector>

#include "comum/erros.h"
#include "comum/verificacoes.h"
#include "hvac/sistema_hvac.h"

namespace {

// A description holds a few short lines per component.
constexpr uintmax_t kMaxDescricao = 64 * 1024;

// The keys an HVAC data stream's description must give, in the order their
// absence is told.
const char* const kChavesExigidas[] = {"kind", "flags", "variables", "interval", "start", "end"};

std::string Texto_Lista(const std::vector<int>& v) {
  std::string texto;
  for (size_t i = 0; i < v.size(); ++i) texto += (i ? "," : "") + std::to_string(v[i]);
  return texto;
}

// What the kind tells of d: a failure naming the line when it does not hold.
TResultado Confere_Tipo(const TDescricao& d, const TTipo_HVAC& tipo) {
  const auto recusa = [&d](const char* chave, const std::string& valor) {
    return TResultado::Falha("line " + std::to_string(d.Linha(chave)) + ": '" + valor +
                             "' is not a value of '" + chave + "'");
  };
  if (d.Linha("flags") != 0 && d.flags.size() != static_cast<size_t>(tipo.flags)) {
    return recusa("flags", Texto_Lista(d.flags));
  }
  if (!d.componentes.empty() && tipo.le != nullptr) {
    const TComponente_Descrito& c = d.componentes.front();
    return recusa("component", std::to_string(c.tipo) + ":" + Texto_Lista(c.flags));
  }
  return {};
}

// The failure of a description read from file arquivo, naming it.
TResultado Recusa_Arquivo(const std::string& arquivo, const std::string& motivo) {
  return TResultado::Falha("'" + arquivo + "' " + motivo);
}

}  // namespace

std::string Texto_Variaveis(const TTipo_HVAC& tipo) {
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

TResultado Le_Descricao_Ao_Lado(const std::string& fluxo, TDescricao* d, bool* existe,
                                TResultado (*ler)(const std::string& texto,
                                                  const std::string& arquivo, TDescricao* d)) {
  const std::string caminho = Caminho_Descricao(fluxo);
  std::error_code ec;
  *existe = std::filesystem::exists(caminho, ec);
  if (!*existe) return {};
  if (TResultado r = Confere_Entrada(caminho); !r.Ok()) return r;
  if (std::filesystem::file_size(caminho, ec) > kMaxDescricao) {
    return Falha("'%s' is not a description: it holds more than %ju bytes", caminho.c_str(),
                 kMaxDescricao);
  }
  std::ifstream arq(caminho, std::ios::binary);
  std::ostringstream texto;
  texto << arq.rdbuf();
  if (!arq) return Falha("cannot read '%s'", caminho.c_str());
  return ler(texto.str(), caminho, d);
}

TResultado Le_Descricao_Geral(const std::string& texto, const std::string& arquivo, TDescricao* d) {
  std::string motivo;
  if (Le_Descricao(texto, d, &motivo)) return {};
  return Recusa_Arquivo(arquivo, motivo);
}

std::string Texto_Descricao_HVAC(const TDescricao& d) {
  return "# arqaux: how to report the HVAC output stream beside this file\n" + Texto_Descricao(d);
}

TResultado Le_Descricao_HVAC(const std::string& texto, const std::string& arquivo, TDescricao* d) {
  std::string motivo;
  if (!Le_Descricao(texto, d, &motivo)) return Recusa_Arquivo(arquivo, motivo);
  // What the kind tells comes before what is missing, as a reader of the
  // lines in order would find it.
  const TTipo_HVAC* tipo = Procura_Tipo_HVAC(d->tipo);
  if (d->Linha("kind") != 0 && tipo == nullptr) {
    return Recusa_Arquivo(arquivo, "line " + std::to_string(d->Linha("kind")) + ": '" + d->tipo +
                                       "' is not a value of 'kind'");
  }
  if (tipo != nullptr) {
    const TResultado conferido = Confere_Tipo(*d, *tipo);
    if (!conferido.Ok()) return Recusa_Arquivo(arquivo, conferido.Mensagem());
  }
  for (const char* chave : kChavesExigidas) {
    if (d->Linha(chave) == 0)
      return Recusa_Arquivo(arquivo, "has no '" + std::string(chave) + "' line");
  }
  return {};
}

namespace {

// The reports of a fan coil's data stream dados (at its first line),
// relatorios[i] on text stream textos[i]: each header, then the rows of all
// of them in one pass.
void Converte_FanCoil(TGeren_ArquivoAux* geren, const TDescricao& d,
                      const std::vector<TRelatorio_Descrito>& relatorios, int dados,
                      const std::vector<int>& textos) {
  std::vector<int> flags = d.flags;
  TTempo par[2] = {d.inicio, d.fim};
  const int numero = d.numero < 0 ? 1 : d.numero;
  TGeren_Componentes_HVAC componentes;
  Insere_Componentes(&componentes, d.componentes);
  const std::list<TComponente_HVAC*> lista = componentes.R_Componentes_Sist_Sec();
  std::vector<TComponente_HVAC*> selecionados;
  std::vector<int> variaveis;
  for (size_t i = 0; i < relatorios.size() && i < textos.size(); ++i) {
    const TRelatorio_Descrito& r = relatorios[i];
    const auto achado = std::find_if(lista.begin(), lista.end(), [&r](TComponente_HVAC* c) {
      return c->R_Tipo() == r.selecionado;
    });
    TComponente_HVAC* selecionado = achado != lista.end() ? *achado : nullptr;
    geren->Preenche_Cabecalho_FanCoil(textos[i], &componentes, selecionado, r.variavel, flags,
                                      numero, par, d.intervalo);
    selecionados.push_back(selecionado);
    variaveis.push_back(r.variavel);
  }
  geren->Salva_Textos_Dados_FanCoil(dados, textos, &componentes, selecionados, variaveis, flags,
                                    par, d.intervalo);
}

}  // namespace

void Converte_Saida_HVAC(TGeren_ArquivoAux* geren, const TDescricao& d,
                         const TRelatorio_Descrito& r, int dados, int texto) {
  const TTipo_HVAC& tipo = *Procura_Tipo_HVAC(d.tipo);
  if (tipo.cabecalho == nullptr) return Converte_FanCoil(geren, d, {r}, dados, {texto});
  std::vector<int> flags = d.flags;
  TTempo par[2] = {d.inicio, d.fim};
  const int numero = d.numero < 0 ? 1 : d.numero;
  (geren->*tipo.cabecalho)(texto, r.variavel, flags.data(), numero, par, d.intervalo);
  (geren->*tipo.linhas)(dados, texto, r.variavel, flags.data(), par, d.intervalo);
}

void Converte_Saidas_FanCoil(TGeren_ArquivoAux* geren, const TDescricao& d, int dados,
                             const std::vector<int>& textos) {
  Converte_FanCoil(geren, d, d.relatorios, dados, textos);
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
