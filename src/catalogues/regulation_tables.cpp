// Text files of the building-regulation assessment, read and written line by
// line on the current stream.
//
// The bioclimatic-zone table: a count line, a column head, one city a line
// (state and method one word each, the city in brackets):
//
//   [Cidades Classificadas Conforme Zona Bioclimática][Num_Reg = 2]
//   [Estado\tCidade\tMetodo\tZona]
//   SC\t[Florianopolis]\tTabela\t3
//
// The equipment-efficiency tables (split air conditioners, cooling towers,
// chillers): "[Num Linhas = n]", a bracketed title, then n lines of numbers,
// a word and two bracketed texts, in each table's own layout (split: three
// integers and three reals; towers and chillers: one and four).
//
// A project's equipment file, written and read back by the same tables:
//
//   [Num Zonas = 1]
//
//   [Zona 1]\t[Nome = [Sala de estar]]\t[Area = 20.500000]
//   [Num Equips = 1]
//   \t[Eq = 1]\t[Tipo Eq = 2]\t[Nome Tipo Eq = [Split hi wall]]\t[Potencia = ...]...
//
// A line of the equipment tables and of the project file counts as read
// when its first value was: its first value is a row of its own, read before
// the rest of the line, whose result is the reader's. A writer writes
// nothing for a text that would not read back: null, longer than
// Tam_Texto_Tabela - 1 characters, or holding "]". The energy label is
// ten lines, one per text of the label.
#include <cstring>
#include <vector>

#include "arqaux/contracts/regulation.h"
#include "arqaux/geren_arquivoaux.h"
#include "catalogues/ligacoes.h"
#include "engine/linhas_config.h"

using arqaux::Campo;
using arqaux::Elemento;
using arqaux::Liga;
using arqaux::TLigacao;
using arqaux::TLinha;
using arqaux::TTabela;

namespace {

constexpr int kTamTexto = TGeren_ArquivoAux::Tam_Texto_Tabela;
constexpr arqaux::TPolitica_Falha kPara = arqaux::TPolitica_Falha::Para_Na_Primeira;

// ---- Bioclimatic zones ----

struct TValores_Zona_Bio {
  int32_t registros = 0;
  char estado[kTamTexto] = {};
  char cidade[kTamTexto] = {};
  char metodo[kTamTexto] = {};
  int32_t zona = 0;
};
using TZB = TValores_Zona_Bio;
const TLinha<TZB> kCabecalhoZonaBio[] = {
    {"[Cidades Classificadas Conforme Zona Bioclim\xE1tica][Num_Reg = %d]\n",
     {Campo(&TZB::registros)}},
    {"[Estado\tCidade\tMetodo\tZona]\n", std::vector<arqaux::TCampo<TZB>>{}}};
const TLinha<TZB> kRegistroZonaBio = {
    "%s\t[%s]\t%s\t%d\n",
    {Campo(&TZB::estado), Campo(&TZB::cidade), Campo(&TZB::metodo), Campo(&TZB::zona)}};

// ---- Equipment-efficiency tables ----

struct TValores_Tabela {
  int32_t linhas = 0;
  char titulo[kTamTexto] = {};
  int32_t ints[3] = {};
  float reais[4] = {};
  char palavra[kTamTexto] = {};
  char texto1[kTamTexto] = {};
  char texto2[kTamTexto] = {};
};
using TT = TValores_Tabela;
const TLinha<TT> kCabecalhoTabela[] = {{"[Num Linhas = %d]\n", {Campo(&TT::linhas)}},
                                       {"[%s]\n", {Campo(&TT::titulo)}}};

// A table's line: its first value, then the rest; how many ints and reals.
struct TLinha_Tabela {
  TLinha<TT> linha[2];
  int ints, reais;
};
const TLinha_Tabela kSplit = {
    {{"%d", {Elemento(&TT::ints, 0)}},
     {"\t\t%d\t\t%f\t\t%f\t\t%d\t\t%f\t\t%s\t\t[%s]\t\t[%s]\n",
      {Elemento(&TT::ints, 1), Elemento(&TT::reais, 0), Elemento(&TT::reais, 1),
       Elemento(&TT::ints, 2), Elemento(&TT::reais, 2), Campo(&TT::palavra), Campo(&TT::texto1),
       Campo(&TT::texto2)}}},
    3,
    3};
const TLinha_Tabela kTorre = {
    {{"%d", {Elemento(&TT::ints, 0)}},
     {"\t%f\t\t\t%f\t\t\t%f\t\t\t%f\t\t\t%s\t[%s]\t[%s]\n",
      {Elemento(&TT::reais, 0), Elemento(&TT::reais, 1), Elemento(&TT::reais, 2),
       Elemento(&TT::reais, 3), Campo(&TT::palavra), Campo(&TT::texto1), Campo(&TT::texto2)}}},
    1,
    4};
const TLinha_Tabela kResfriador = {
    {{"%d", {Elemento(&TT::ints, 0)}},
     {"\t\t%f\t\t%f\t\t%f\t\t%f\t\t%s\t\t[%s]\t\t[%s]\n",
      {Elemento(&TT::reais, 0), Elemento(&TT::reais, 1), Elemento(&TT::reais, 2),
       Elemento(&TT::reais, 3), Campo(&TT::palavra), Campo(&TT::texto1), Campo(&TT::texto2)}}},
    1,
    4};

// Reads a line made of rows whose first one decides: true when it was read.
template <class V>
bool Le_Pelo_Primeiro(FILE* arq, TTabela<V> linha, V* v, arqaux::TGuardados* g) {
  if (linha.n == 0 || !arqaux::Le_Linha(arq, linha.linhas[0], v, kPara, g)) return false;
  for (size_t k = 1; k < linha.n; ++k) arqaux::Le_Linha(arq, linha.linhas[k], v, kPara, g);
  return true;
}

bool Le_Tabela(FILE* arq, const TLinha_Tabela& t, int* ints, float* reais, char* palavra,
               char* texto1, char* texto2) {
  if (arq == nullptr || ints == nullptr || reais == nullptr) return false;
  TT v;
  std::vector<TLigacao> ligacoes = {Liga(Campo(&TT::palavra), palavra),
                                    Liga(Campo(&TT::texto1), texto1),
                                    Liga(Campo(&TT::texto2), texto2)};
  for (int k = 0; k < t.ints; ++k) ligacoes.push_back(Liga(Elemento(&TT::ints, k), ints + k));
  for (int k = 0; k < t.reais; ++k) ligacoes.push_back(Liga(Elemento(&TT::reais, k), reais + k));
  return arqaux::Le_Ligado(&v, ligacoes, [&](arqaux::TGuardados* g) {
    return Le_Pelo_Primeiro<TT>(arq, t.linha, &v, g);
  });
}

// ---- A project's equipment file ----

struct TValores_Projeto {
  int32_t zonas = 0, zona = 0;
  char nome[kTamTexto] = {};
  float area = 0;
  int32_t equipamentos = 0, equipamento = 0, tipo = 0;
  char nome_tipo[kTamTexto] = {};
  float potencia = 0, cop = 0;
  int32_t pre_requisito = 0, tipo_aquecimento = 0;
  char nome_aquecimento[kTamTexto] = {};
  char classe[kTamTexto] = {};
  int32_t regulamentado = 0;
};
using TP = TValores_Projeto;
const TLinha<TP> kZonas[] = {{"[Num Zonas = %d]\n", {Campo(&TP::zonas)}}};
const TLinha<TP> kZona[] = {
    {"\n[Zona %d]", {Campo(&TP::zona)}},
    {"\t[Nome = [%s]]\t[Area = %f]\n", {Campo(&TP::nome), Campo(&TP::area)}}};
const TLinha<TP> kEquipamentos[] = {{"[Num Equips = %d]\n", {Campo(&TP::equipamentos)}}};
const TLinha<TP> kEquipamento[] = {
    {"\t[Eq = %d]", {Campo(&TP::equipamento)}},
    {"\t[Tipo Eq = %d]\t[Nome Tipo Eq = [%s]]\t[Potencia = %f]\t[COP = %f]\t[Atend Pre Req = "
     "%d]\t[Tipo Aquec = %d]\t[Nome Tipo Aquec = [%s]]\t[Class= %s]\t[Regul. Inmetro = %d]\n",
     {Campo(&TP::tipo), Campo(&TP::nome_tipo), Campo(&TP::potencia), Campo(&TP::cop),
      Campo(&TP::pre_requisito), Campo(&TP::tipo_aquecimento), Campo(&TP::nome_aquecimento),
      Campo(&TP::classe), Campo(&TP::regulamentado)}}};

// The lines of each part of the file's head.
const std::vector<TTabela<TP>> kPartes[] = {{kZonas}, {kZona, kEquipamentos}};

// Whether a text written in brackets reads back whole.
bool Volta(const char* texto) {
  return texto != nullptr && texto[0] != '\0' && strnlen(texto, kTamTexto) < kTamTexto &&
         std::strchr(texto, ']') == nullptr;
}

bool Grava_Partes(FILE* arq, const std::vector<TTabela<TP>>& linhas, const TP& v) {
  for (const TTabela<TP>& linha : linhas) {
    if (!arqaux::Grava_Linhas(arq, linha, v)) return false;
  }
  return true;
}

bool Le_Partes(FILE* arq, const std::vector<TTabela<TP>>& linhas, TP* v, arqaux::TGuardados* g) {
  for (const TTabela<TP>& linha : linhas) {
    if (!Le_Pelo_Primeiro(arq, linha, v, g)) return false;
  }
  return true;
}

// ---- The energy label ----

struct TLinha_Etiqueta {
  const char* formato;
  const char* (TEtiquetaRTQ::*texto)() const;
};
const TLinha_Etiqueta kEtiqueta[] = {
    {"[Proprietario = %s]\n", &TEtiquetaRTQ::R_Proprietario},
    {"[Nome = %s]\n", &TEtiquetaRTQ::R_Nome},
    {"[Endereco = %s]\n", &TEtiquetaRTQ::R_Endereco},
    {"[Complemento = %s]\n", &TEtiquetaRTQ::R_Compl},
    {"[Cidade = %s]\n", &TEtiquetaRTQ::R_Cidade},
    {"[Zona Bioclimatica = %s]\n", &TEtiquetaRTQ::R_ZonaBio},
    {"[Bairo = %s]\n", &TEtiquetaRTQ::R_Bairro},
    {"[UF = %s]\n", &TEtiquetaRTQ::R_UF},
    {"[CEP = %s]\n", &TEtiquetaRTQ::R_CEP},
    {"[Data = %s]\n", &TEtiquetaRTQ::R_Data},
};

}  // namespace

bool TGeren_ArquivoAux::Carrega_Cabecalho_Zona_Bio(int* registros) {
  if (Arquivo_Atual == nullptr) return false;
  TZB v;
  return arqaux::Le_Ligado(
      &v, {Liga(Campo(&TZB::registros), registros)}, [&](arqaux::TGuardados* g) {
        return arqaux::Le_Linhas(Arquivo_Atual, kCabecalhoZonaBio, &v, kPara, g);
      });
}

bool TGeren_ArquivoAux::Le_Registro_Zona_Bio(char* estado, char* cidade, char* metodo, int* zona) {
  if (Arquivo_Atual == nullptr) return false;
  TZB v;
  return arqaux::Le_Ligado(&v,
                           {Liga(Campo(&TZB::estado), estado), Liga(Campo(&TZB::cidade), cidade),
                            Liga(Campo(&TZB::metodo), metodo), Liga(Campo(&TZB::zona), zona)},
                           [&](arqaux::TGuardados* g) {
                             return arqaux::Le_Linha(Arquivo_Atual, kRegistroZonaBio, &v, kPara, g);
                           });
}

bool TGeren_ArquivoAux::Le_Cab_Dados_Tabelas_HVAC_RTQ(int* linhas) {
  if (Arquivo_Atual == nullptr) return false;
  TT v;
  return arqaux::Le_Ligado(&v, {Liga(Campo(&TT::linhas), linhas)}, [&](arqaux::TGuardados* g) {
    return arqaux::Le_Linhas(Arquivo_Atual, kCabecalhoTabela, &v, kPara, g);
  });
}

bool TGeren_ArquivoAux::Le_Dados_Tabela_Split_ACJ(int* ints, float* reais, char* palavra,
                                                  char* texto1, char* texto2) {
  return Le_Tabela(Arquivo_Atual, kSplit, ints, reais, palavra, texto1, texto2);
}

bool TGeren_ArquivoAux::Le_Dados_Tabela_Torre_Resf_ASHRAE(int* ints, float* reais, char* palavra,
                                                          char* texto1, char* texto2) {
  return Le_Tabela(Arquivo_Atual, kTorre, ints, reais, palavra, texto1, texto2);
}

bool TGeren_ArquivoAux::Le_Dados_Tabela_Resfriadores(int* ints, float* reais, char* palavra,
                                                     char* texto1, char* texto2) {
  return Le_Tabela(Arquivo_Atual, kResfriador, ints, reais, palavra, texto1, texto2);
}

bool TGeren_ArquivoAux::Gera_Arq_HVAC_RTQ_Cab(int parte, int zona, int zonas, int equipamentos,
                                              float area, const char* nome) {
  if (Arquivo_Atual == nullptr) return false;
  if (parte != 0 && parte != 1) return true;
  if (parte == 1 && !Volta(nome)) return false;
  TP v;
  v.zonas = zonas;
  v.zona = zona;
  v.equipamentos = equipamentos;
  v.area = area;
  if (parte == 1) std::memcpy(v.nome, nome, std::strlen(nome) + 1);
  return Grava_Partes(Arquivo_Atual, kPartes[parte], v);
}

bool TGeren_ArquivoAux::Gera_Arq_HVAC_RTQ_Dados(int equipamento, int tipo, char* nome_tipo,
                                                float potencia, float cop, int pre_requisito,
                                                int tipo_aquecimento, char* nome_aquecimento,
                                                char* classe, int regulamentado) {
  if (Arquivo_Atual == nullptr || !Volta(nome_tipo) || !Volta(nome_aquecimento) || !Volta(classe))
    return false;
  TP v;
  v.equipamento = equipamento;
  v.tipo = tipo;
  v.potencia = potencia;
  v.cop = cop;
  v.pre_requisito = pre_requisito;
  v.tipo_aquecimento = tipo_aquecimento;
  v.regulamentado = regulamentado;
  std::memcpy(v.nome_tipo, nome_tipo, std::strlen(nome_tipo) + 1);
  std::memcpy(v.nome_aquecimento, nome_aquecimento, std::strlen(nome_aquecimento) + 1);
  std::memcpy(v.classe, classe, std::strlen(classe) + 1);
  return arqaux::Grava_Linhas(Arquivo_Atual, kEquipamento, v);
}

bool TGeren_ArquivoAux::Le_Arq_HVAC_RTQ_Cab(int parte, int* zona, int* zonas, int* equipamentos,
                                            float* area, char* nome) {
  if (Arquivo_Atual == nullptr) return false;
  if (parte != 0 && parte != 1) return true;
  TP v;
  const std::vector<TLigacao> ligacoes =
      parte == 0 ? std::vector<TLigacao>{Liga(Campo(&TP::zonas), zonas)}
                 : std::vector<TLigacao>{Liga(Campo(&TP::zona), zona), Liga(Campo(&TP::nome), nome),
                                         Liga(Campo(&TP::area), area),
                                         Liga(Campo(&TP::equipamentos), equipamentos)};
  return arqaux::Le_Ligado(&v, ligacoes, [&](arqaux::TGuardados* g) {
    return Le_Partes(Arquivo_Atual, kPartes[parte], &v, g);
  });
}

bool TGeren_ArquivoAux::Le_Arq_HVAC_RTQ_Dados(int* equipamento, int* tipo, char* nome_tipo,
                                              float* potencia, float* cop, int* pre_requisito,
                                              int* tipo_aquecimento, char* nome_aquecimento,
                                              char* classe, int* regulamentado) {
  if (Arquivo_Atual == nullptr) return false;
  TP v;
  return arqaux::Le_Ligado(
      &v,
      {Liga(Campo(&TP::equipamento), equipamento), Liga(Campo(&TP::tipo), tipo),
       Liga(Campo(&TP::nome_tipo), nome_tipo), Liga(Campo(&TP::potencia), potencia),
       Liga(Campo(&TP::cop), cop), Liga(Campo(&TP::pre_requisito), pre_requisito),
       Liga(Campo(&TP::tipo_aquecimento), tipo_aquecimento),
       Liga(Campo(&TP::nome_aquecimento), nome_aquecimento), Liga(Campo(&TP::classe), classe),
       Liga(Campo(&TP::regulamentado), regulamentado)},
      [&](arqaux::TGuardados* g) {
        return Le_Pelo_Primeiro<TP>(Arquivo_Atual, kEquipamento, &v, g);
      });
}

void TGeren_ArquivoAux::GravaDadosEtiqueta(TEtiquetaRTQ* etiqueta) {
  if (Arquivo_Atual == nullptr || etiqueta == nullptr) return;
  for (const TLinha_Etiqueta& linha : kEtiqueta) {
    const char* texto = (etiqueta->*linha.texto)();
    std::fprintf(Arquivo_Atual, linha.formato, texto != nullptr ? texto : "");
  }
}
