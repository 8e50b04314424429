// Primary-equipment output streams: air-cooled and water-cooled chillers,
// cooling towers, boilers and the chilled-water, hot-water and
// condenser-water pumps.
//
// Each kind is one table: the groups of its data line (a monitoring flag and
// the result indices it shows, in stream order), its consumption result,
// how many values its reader sets to 0 first, and its report quantities.
// The data line is "%f\t" per value of each group whose flag is set, then
// "\n"; the consumption line is "%f\t" with the consumption result, "%f"
// with the extra value when asked, then "\n". A report is one quantity of
// the data stream through the sampled-report engine.
// Its header is the variable's title (none for a variable outside the
// kind's range), the period and interval lines and, when the variable's flag
// is set, its labels; its rows need both streams registered.
//
// The reader, and the report's rows, take the line as every text stream's
// line is taken (engine/text_records.h): whole or not at all, its values
// scanned as "%f" scans them, each stored at its result index.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "arqaux/contracts/hvac_model.h"
#include "arqaux/geren_arquivoaux.h"
#include "engine/binario.h"
#include "engine/report_format.h"
#include "engine/report_quantities.h"
#include "engine/text_records.h"

namespace {

using namespace arqaux::literais;
using arqaux::TColuna;
using arqaux::TGrandeza;

// One group of the data line: written when flag is set, results in order.
struct TGrupo {
  int flag;
  int resultados[3];
  int num;
};

// A kind of primary equipment.
struct TEquipamento {
  arqaux::TMembro membro;
  const TGrupo* grupos;
  size_t num_grupos;
  int consumo;  // result of the consumption line; -1: the kind has none
  int zerados;  // values the reader sets to 0 before reading
};

template <size_t N>
constexpr TEquipamento Equipamento(arqaux::TMembro membro, const TGrupo (&grupos)[N], int consumo,
                                   int zerados) {
  return {membro, grupos, N, consumo, zerados};
}

// Every group's flag and result, and the consumption result, within the kind.
constexpr bool Equipamento_Valido(const TEquipamento& e) {
  if (!arqaux::Membro_Valido(e.membro) || e.consumo >= e.membro.num_valores) return false;
  if (e.zerados < 0 || e.zerados > e.membro.num_valores) return false;
  for (size_t g = 0; g < e.num_grupos; ++g) {
    if (e.grupos[g].flag < 1 || e.grupos[g].flag >= e.membro.num_flags) return false;
    for (int r = 0; r < e.grupos[g].num; ++r) {
      const int valor = e.grupos[g].resultados[r];
      if (valor < 0 || valor >= e.membro.num_valores) return false;
    }
  }
  return true;
}

// Labels (Windows-1252).
constexpr arqaux::TRotulo kEntrada = "[Entrada] "_rotulo;
constexpr arqaux::TRotulo kSaida =
    "[Sa\xED"
    "da ] "_rotulo;
constexpr arqaux::TRotulo kCalor = "[Calor Total  ] "_rotulo;
constexpr arqaux::TRotulo kPotencia = "[Pot\xEAncia     ] "_rotulo;
constexpr arqaux::TRotulo kVazao = "[Vaz\xE3o    ] "_rotulo;

// The usual columns: an inlet and outlet pair, and a single power or heat.
constexpr TColuna Entrada(int r, float escala = 1.0f) {
  return {kEntrada, r, "%.2f\t  "_linha, "%.2f\t"_media, escala};
}
constexpr TColuna Saida(int r, float escala = 1.0f) {
  return {kSaida, r, "%.2f\t   "_linha, "%.2f"_media, escala};
}
constexpr TColuna Potencia(int r) { return {kPotencia, r, "%.2f    \t"_linha, "%.2f"_media}; }
constexpr TColuna Calor(int r) { return {kCalor, r, "%.2f    \t"_linha, "%.2f"_media}; }

// Air-cooled chiller.
constexpr TColuna kChillerAr_Agua[] = {Entrada(8), Saida(3)};
constexpr TColuna kChillerAr_Calor[] = {Calor(2)};
constexpr TColuna kChillerAr_Potencia[] = {Potencia(7)};
constexpr TGrandeza kGrandezas_ChillerAr[] = {
    arqaux::Grandeza("[Temperatura da \xC1gua no Evaporador (\xBA"
                     "C) - (Chiller a Ar",
                     1, kChillerAr_Agua),
    arqaux::Grandeza("[Taxa de Transfer\xEAncia de Calor no Evaporador (W) - (Chiller a Ar", 2,
                     kChillerAr_Calor),
    arqaux::Grandeza("[Pot\xEAncia El\xE9trica do Compressor (W) - (Chiller a Ar", 3,
                     kChillerAr_Potencia),
};
constexpr TGrupo kGrupos_ChillerAr[] = {
    {1, {8, 3}, 2}, {2, {2}, 1}, {3, {7}, 1}, {4, {5}, 1}, {5, {4}, 1}};
constexpr TEquipamento kChillerAr =
    Equipamento(arqaux::Membro(15, 6, 0, kGrandezas_ChillerAr), kGrupos_ChillerAr, 11, 15);

// Water-cooled chiller; its variables are numbered from 3.
constexpr TColuna kChillerAgua_Evaporador[] = {Entrada(11), Saida(4)};
constexpr TColuna kChillerAgua_Condensador[] = {Entrada(12), Saida(6)};
constexpr TColuna kChillerAgua_Calor_Evaporador[] = {Calor(2)};
constexpr TColuna kChillerAgua_Calor_Condensador[] = {Calor(3)};
constexpr TColuna kChillerAgua_Potencia[] = {Potencia(10)};
constexpr TGrandeza kGrandezas_ChillerAgua[] = {
    arqaux::Grandeza("[Temperatura da \xC1gua no Evaporador (\xBA"
                     "C) - (Chiller a \xC1gua",
                     1, kChillerAgua_Evaporador),
    arqaux::Grandeza("[Temperatura da \xC1gua no Condensador (\xBA"
                     "C) - (Chiller a \xC1gua",
                     2, kChillerAgua_Condensador),
    arqaux::Grandeza("[Taxa de Transfer\xEAncia de Calor no Evaporador (W) - (Chiller a \xC1gua", 3,
                     kChillerAgua_Calor_Evaporador),
    arqaux::Grandeza("[Taxa de Transfer\xEAncia de Calor no Condensador (W) - (Chiller a \xC1gua",
                     4, kChillerAgua_Calor_Condensador),
    arqaux::Grandeza("[Pot\xEAncia El\xE9trica do Compressor (W) - (Chiller a \xC1gua", 5,
                     kChillerAgua_Potencia),
};
constexpr TGrupo kGrupos_ChillerAgua[] = {{1, {11, 4}, 2}, {2, {12, 6}, 2}, {3, {2}, 1},
                                          {4, {3}, 1},     {5, {10}, 1},    {6, {8}, 1},
                                          {7, {5}, 1},     {8, {7}, 1}};
constexpr TEquipamento kChillerAgua =
    Equipamento(arqaux::Membro(19, 9, 3, kGrandezas_ChillerAgua), kGrupos_ChillerAgua, 14, 19);

// Cooling tower; relative humidity is shown in percent.
constexpr TColuna kTorre_Agua[] = {Entrada(7), Saida(1)};
constexpr TColuna kTorre_Ar[] = {Entrada(8), Saida(3)};
constexpr TColuna kTorre_Umidade[] = {Entrada(9, 100.0f), Saida(4, 100.0f)};
constexpr TColuna kTorre_Calor[] = {Calor(0)};
constexpr TColuna kTorre_Potencia[] = {Potencia(6)};
constexpr TGrandeza kGrandezas_Torre[] = {
    arqaux::Grandeza("[Temperatura da \xC1gua na Torre de Resfriamento (\xBA"
                     "C) - (Torre",
                     1, kTorre_Agua),
    arqaux::Grandeza("[Temperatura do Ar na Torre de Resfriamento (\xBA"
                     "C) - (Torre",
                     3, kTorre_Ar),
    arqaux::Grandeza("[Umidade Relativa do Ar na Torre de Resfriamento (%) - (Torre", 4,
                     kTorre_Umidade),
    arqaux::Grandeza("[Taxa de Transfer\xEAncia de Calor na Torre de Resfriamento (W) - (Torre", 2,
                     kTorre_Calor),
    arqaux::Grandeza("[Pot\xEAncia El\xE9trica do Ventilador (W) - (Torre", 5, kTorre_Potencia),
};
constexpr TGrupo kGrupos_Torre[] = {
    {1, {7, 1}, 2}, {2, {0}, 1}, {3, {8, 3}, 2}, {4, {9, 4}, 2}, {5, {6}, 1}};
constexpr TEquipamento kTorre =
    Equipamento(arqaux::Membro(14, 6, 0, kGrandezas_Torre), kGrupos_Torre, 10, 14);

// Boiler; efficiency is shown in percent. It has no consumption line.
constexpr TColuna kBoiler_Modo[] = {
    {"[Modo de Op.] "_rotulo, 0, "%.2f\t      "_linha, "%.2f"_media}};
constexpr TColuna kBoiler_Agua[] = {{kEntrada, 4, "%.2f\t  "_linha, "%.2f\t"_media},
                                    {kSaida, 2, "%.2f  \t"_linha, "%.2f\t"_media},
                                    {"[Sa\xED"
                                     "da M\xE9"
                                     "dia] "_rotulo,
                                     3, "%.2f\t "_linha, "%.2f"_media}};
constexpr TColuna kBoiler_Potencia[] = {Potencia(7)};
constexpr TColuna kBoiler_Calor[] = {Calor(8)};
constexpr TColuna kBoiler_Eficiencia[] = {
    {"[Efici\xEAncia] "_rotulo, 9, "%.2f\t"_linha, "%.2f"_media, 100.0f}};
constexpr TColuna kBoiler_Consumo[] = {{"[Consumo] "_rotulo, 6, "%.2f\t"_linha, "%.2f"_media}};
constexpr TColuna kBoiler_Combustivel[] = {{kVazao, 5, "%.2f\t"_linha, "%.2f"_media}};
constexpr TColuna kBoiler_Vazao[] = {{kVazao, 10, "%.2f\t"_linha, "%.2f"_media}};
constexpr TGrandeza kGrandezas_Boiler[] = {
    arqaux::Grandeza("[Modo de Opera\xE7\xE3o da Caldeira - (Caldeira", 1, kBoiler_Modo),
    arqaux::Grandeza("[Temperatura da \xC1gua na Caldeira (\xBA"
                     "C) - (Caldeira",
                     2, kBoiler_Agua),
    arqaux::Grandeza("[Pot\xEAncia \xDAtil da Caldeira (W) - (Caldeira", 3, kBoiler_Potencia),
    arqaux::Grandeza("[Taxa de Transfer\xEAncia de Calor na Caldeira (W) - (Caldeira", 4,
                     kBoiler_Calor),
    arqaux::Grandeza("[Efici\xEAncia da Caldeira (%) - (Caldeira", 5, kBoiler_Eficiencia),
    arqaux::Grandeza("[Consumo de Combust\xEDvel da Caldeira (Kg) - (Caldeira", 6, kBoiler_Consumo),
    arqaux::Grandeza("[Vaz\xE3o de Combust\xEDvel na Caldeira (Kg/s) - (Caldeira", 7,
                     kBoiler_Combustivel),
    arqaux::Grandeza("[Vaz\xE3o de \xC1gua na Caldeira (Kg/s) - (Caldeira", 8, kBoiler_Vazao),
};
constexpr TGrupo kGrupos_Boiler[] = {{1, {0}, 1}, {2, {2, 3, 4}, 3}, {3, {7}, 1}, {4, {8}, 1},
                                     {5, {9}, 1}, {6, {6}, 1},       {7, {5}, 1}, {8, {10}, 1}};
constexpr TEquipamento kBoiler =
    Equipamento(arqaux::Membro(11, 9, 0, kGrandezas_Boiler), kGrupos_Boiler, -1, 0);

// The three pumps share their groups and columns but for the hot-water
// pump's outlet temperature, which has blanks after its label and its own
// format; their titles name the water.
constexpr TColuna kBomba_Agua[] = {{kEntrada, 4, "%.2f\t  "_linha, "%.2f\t"_media},
                                   {kSaida, 1, "%.2f\t   "_linha, "%.2f\t"_media}};
constexpr TColuna kBombaAQ_Agua[] = {{kEntrada, 4, "%.2f\t  "_linha, "%.2f\t"_media},
                                     {"[Sa\xED"
                                      "da ]      "_rotulo,
                                      1, "%.2f  \t"_linha, "%.2f\t"_media}};
constexpr TColuna kBomba_Calor[] = {Calor(0)};
constexpr TColuna kBomba_Vazao[] = {{kVazao, 2, "%.2f\t    "_linha, "%.2f"_media}};
constexpr TColuna kBomba_Potencia[] = {Potencia(3)};
constexpr TGrandeza kGrandezas_BombaAG[] = {
    arqaux::Grandeza("[Temperatura da \xC1gua na Bomba de \xC1gua Gelada (\xBA"
                     "C) - (Bomba",
                     1, kBomba_Agua),
    arqaux::Grandeza("[Taxa de Transfer\xEAncia de Calor na Bomba de \xC1gua Gelada (W) - (Bomba",
                     2, kBomba_Calor),
    arqaux::Grandeza("[Vaz\xE3o de \xC1gua na Bomba de \xC1gua Gelada (L/s) - (Bomba", 3,
                     kBomba_Vazao),
    arqaux::Grandeza("[Pot\xEAncia El\xE9trica da Bomba de \xC1gua Gelada (W) - (Bomba", 4,
                     kBomba_Potencia),
};
constexpr TGrandeza kGrandezas_BombaAQ[] = {
    arqaux::Grandeza("[Temperatura da \xC1gua na Bomba de \xC1gua Quente (\xBA"
                     "C) - (Bomba",
                     1, kBombaAQ_Agua),
    arqaux::Grandeza("[Taxa de Transfer\xEAncia de Calor na Bomba de \xC1gua Quente (W) - (Bomba",
                     2, kBomba_Calor),
    arqaux::Grandeza("[Vaz\xE3o de \xC1gua na Bomba de \xC1gua Quente (L/s) - (Bomba", 3,
                     kBomba_Vazao),
    arqaux::Grandeza("[Pot\xEAncia El\xE9trica da Bomba de \xC1gua Quente (W) - (Bomba", 4,
                     kBomba_Potencia),
};
constexpr TGrandeza kGrandezas_BombaAC[] = {
    arqaux::Grandeza("[Temperatura da \xC1gua na Bomba de \xC1gua de Condensa\xE7\xE3o (\xBA"
                     "C) - (Bomba",
                     1, kBomba_Agua),
    arqaux::Grandeza("[Taxa de Transfer\xEAncia de Calor na Bomba de \xC1gua de "
                     "Condensa\xE7\xE3o (W) - (Bomba",
                     2, kBomba_Calor),
    arqaux::Grandeza("[Vaz\xE3o de \xC1gua na Bomba de \xC1gua de Condensa\xE7\xE3o (L/s) - (Bomba",
                     3, kBomba_Vazao),
    arqaux::Grandeza(
        "[Pot\xEAncia El\xE9trica da Bomba de \xC1gua de Condensa\xE7\xE3o (W) - (Bomba", 4,
        kBomba_Potencia),
};
constexpr TGrupo kGrupos_Bomba[] = {{1, {4, 1}, 2}, {2, {0}, 1}, {3, {2}, 1}, {4, {3}, 1}};
constexpr TEquipamento kBombaAG =
    Equipamento(arqaux::Membro(6, 5, 0, kGrandezas_BombaAG), kGrupos_Bomba, 5, 0);
constexpr TEquipamento kBombaAQ =
    Equipamento(arqaux::Membro(6, 5, 0, kGrandezas_BombaAQ), kGrupos_Bomba, 5, 0);
constexpr TEquipamento kBombaAC =
    Equipamento(arqaux::Membro(6, 5, 0, kGrandezas_BombaAC), kGrupos_Bomba, 5, 0);

static_assert(Equipamento_Valido(kChillerAr) && Equipamento_Valido(kChillerAgua) &&
                  Equipamento_Valido(kTorre) && Equipamento_Valido(kBoiler) &&
                  Equipamento_Valido(kBombaAG) && Equipamento_Valido(kBombaAQ) &&
                  Equipamento_Valido(kBombaAC),
              "every group and column names a flag and a result of its kind");

// The flags and results of one piece of equipment (none for a null one).
struct TMonitoracao {
  std::vector<int> flags;
  std::vector<float> resultados;
};

template <class E>
TMonitoracao Monitoracao(const E* equip, const TEquipamento& tipo) {
  TMonitoracao m;
  if (equip == nullptr) return m;
  for (int k = 0; k < tipo.membro.num_flags; ++k) m.flags.push_back(equip->R_Config_UM(k));
  for (int i = 0; i < tipo.membro.num_valores; ++i) {
    m.resultados.push_back(equip->R_Modelo()->R_Result_UM(i));
  }
  return m;
}

// The result indices of a data line in line order, by the groups' flags.
// The writer, the reader and the report all lay the line out with it.
std::vector<int> Indices_Linha(const TEquipamento& tipo, const int* flags) {
  std::vector<int> indices;
  for (size_t g = 0; g < tipo.num_grupos; ++g) {
    const TGrupo& grupo = tipo.grupos[g];
    if (flags[grupo.flag] == 0) continue;
    indices.insert(indices.end(), grupo.resultados, grupo.resultados + grupo.num);
  }
  return indices;
}

// v as "%f\t" (or "%f") at the end of linha, through the exact formatter.
void Acrescenta_Valor(std::string* linha, float v, bool tab = true) {
  static const arqaux::TFormato_Compilado kValor("%f\t"), kUltimo("%f");
  const arqaux::TFormato_Compilado& formato = tab ? kValor : kUltimo;
  char texto[arqaux::kMaxTextoRealFixo + 64];
  static_assert(sizeof texto >= arqaux::kMaxTextoRealFixo + 2 * 16, "room for the format");
  linha->append(texto, static_cast<size_t>(formato.Escreve(texto, v) - texto));
}

void Escreve_Linha(FILE* arq, const std::string& linha) {
  arqaux::Escreve_Direto(linha.data(), 1, linha.size(), arq);
}

void Grava_Dados(FILE* arq, const TEquipamento& tipo, const TMonitoracao& m) {
  if (arq == nullptr || m.flags.empty() || m.flags[0] == 0) return;
  // One text for every line the thread writes: a line a step, its room kept.
  thread_local std::string linha;
  linha.clear();
  for (int r : Indices_Linha(tipo, m.flags.data())) Acrescenta_Valor(&linha, m.resultados[r]);
  linha += '\n';
  Escreve_Linha(arq, linha);
}

void Grava_Consumo(FILE* arq, const TEquipamento& tipo, const TMonitoracao& m, float extra,
                   bool com_extra) {
  if (arq == nullptr || m.resultados.empty()) return;
  std::string linha;
  Acrescenta_Valor(&linha, m.resultados[tipo.consumo]);
  if (com_extra) Acrescenta_Valor(&linha, extra, false);
  linha += '\n';
  Escreve_Linha(arq, linha);
}

// One line into valores by result index, after setting the kind's first
// values to 0; the values read before a line that is cut stay there.
bool Le_Dados(FILE* arq, const TEquipamento& tipo, const int* flags, float* valores) {
  if (arq == nullptr || flags == nullptr || valores == nullptr) return false;
  std::fill(valores, valores + tipo.zerados, 0.0f);
  if (flags[0] == 0) return true;
  const std::vector<int> indices = Indices_Linha(tipo, flags);
  std::vector<float> lidos(indices.size());
  int k = 0;
  const bool inteira =
      arqaux::Le_Linha_Reais(arq, lidos.data(), static_cast<int>(lidos.size()), &k);
  for (int i = 0; i < k; ++i)
    valores[indices[static_cast<size_t>(i)]] = lidos[static_cast<size_t>(i)];
  return inteira;
}

void Escreve_Cabecalho(FILE* arq, const arqaux::TSeletor& seletor, const TEquipamento& tipo,
                       int variavel, const int* flags, int numero, const TTempo* par,
                       int intervalo) {
  if (arq == nullptr || par == nullptr) return;
  arqaux::TRelatorio_Amostrado(arqaux::Descreve_Grandeza(tipo.membro, variavel, flags, numero),
                               seletor)
      .Escreve_Cabecalho(arq, par[0], par[1], intervalo);
}

// The rows. A stream whose flag 0 is clear holds no lines to count rows by:
// its records are empty, which the engine takes as no data.
void Escreve_Linhas(const arqaux::TSeletor& seletor, const TEquipamento& tipo, int dados, int texto,
                    int variavel, const int* flags, const TTempo* par, int intervalo) {
  if (par == nullptr || flags == nullptr) return;
  if (seletor.registrado && !(seletor.registrado(dados) && seletor.registrado(texto))) return;
  const std::vector<int> indices = Indices_Linha(tipo, flags);
  arqaux::Escreve_Linhas_Texto(
      arqaux::TRelatorio_Amostrado(arqaux::Descreve_Grandeza(tipo.membro, variavel, flags, 0),
                                   seletor),
      seletor, dados, static_cast<int>(indices.size()), texto,
      arqaux::Registro_Linha(indices, tipo.membro.num_valores, flags[0] != 0), par[0], intervalo);
}

}  // namespace

void TGeren_ArquivoAux::Grava_Saida_ChillerAr_Dados(CChillerAr* equip, int n) {
  Grava_Dados(Seleciona_Arquivo(n), kChillerAr, Monitoracao(equip, kChillerAr));
}
void TGeren_ArquivoAux::Grava_Saida_ChillerAr_Consumo(CChillerAr* equip, int n, float extra,
                                                      bool com_extra) {
  Grava_Consumo(Seleciona_Arquivo(n), kChillerAr, Monitoracao(equip, kChillerAr), extra, com_extra);
}
bool TGeren_ArquivoAux::Le_Saida_ChillerAr_Dados(int n, int* flags, float* valores) {
  return Le_Dados(Seleciona_Arquivo(n), kChillerAr, flags, valores);
}
void TGeren_ArquivoAux::Preenche_Cabecalho_ChillerAr(int texto, int variavel, int* flags,
                                                     int numero, TTempo* par, int intervalo) {
  Escreve_Cabecalho(Seleciona_Arquivo(texto), Seletor_Relatorios(), kChillerAr, variavel, flags,
                    numero, par, intervalo);
}
void TGeren_ArquivoAux::Salva_Texo_Dados_ChillerAr(int dados, int texto, int variavel, int* flags,
                                                   TTempo* par, int intervalo) {
  Escreve_Linhas(Seletor_Relatorios(), kChillerAr, dados, texto, variavel, flags, par, intervalo);
}

void TGeren_ArquivoAux::Grava_Saida_ChillerAgua_Dados(CChillerAgua* equip, int n) {
  Grava_Dados(Seleciona_Arquivo(n), kChillerAgua, Monitoracao(equip, kChillerAgua));
}
void TGeren_ArquivoAux::Grava_Saida_ChillerAgua_Consumo(CChillerAgua* equip, int n, float extra,
                                                        bool com_extra) {
  Grava_Consumo(Seleciona_Arquivo(n), kChillerAgua, Monitoracao(equip, kChillerAgua), extra,
                com_extra);
}
bool TGeren_ArquivoAux::Le_Saida_ChillerAgua_Dados(int n, int* flags, float* valores) {
  return Le_Dados(Seleciona_Arquivo(n), kChillerAgua, flags, valores);
}
void TGeren_ArquivoAux::Preenche_Cabecalho_ChillerAgua(int texto, int variavel, int* flags,
                                                       int numero, TTempo* par, int intervalo) {
  Escreve_Cabecalho(Seleciona_Arquivo(texto), Seletor_Relatorios(), kChillerAgua, variavel, flags,
                    numero, par, intervalo);
}
void TGeren_ArquivoAux::Salva_Texo_Dados_ChillerAgua(int dados, int texto, int variavel, int* flags,
                                                     TTempo* par, int intervalo) {
  Escreve_Linhas(Seletor_Relatorios(), kChillerAgua, dados, texto, variavel, flags, par, intervalo);
}

void TGeren_ArquivoAux::Grava_Saida_Torre_Dados(CTorre* equip, int n) {
  Grava_Dados(Seleciona_Arquivo(n), kTorre, Monitoracao(equip, kTorre));
}
void TGeren_ArquivoAux::Grava_Saida_Torre_Consumo(CTorre* equip, int n, float extra,
                                                  bool com_extra) {
  Grava_Consumo(Seleciona_Arquivo(n), kTorre, Monitoracao(equip, kTorre), extra, com_extra);
}
bool TGeren_ArquivoAux::Le_Saida_Torre_Dados(int n, int* flags, float* valores) {
  return Le_Dados(Seleciona_Arquivo(n), kTorre, flags, valores);
}
void TGeren_ArquivoAux::Preenche_Cabecalho_Torre(int texto, int variavel, int* flags, int numero,
                                                 TTempo* par, int intervalo) {
  Escreve_Cabecalho(Seleciona_Arquivo(texto), Seletor_Relatorios(), kTorre, variavel, flags, numero,
                    par, intervalo);
}
void TGeren_ArquivoAux::Salva_Texo_Dados_Torre(int dados, int texto, int variavel, int* flags,
                                               TTempo* par, int intervalo) {
  Escreve_Linhas(Seletor_Relatorios(), kTorre, dados, texto, variavel, flags, par, intervalo);
}

void TGeren_ArquivoAux::Grava_Saida_Boiler_Dados(CBoiler* equip, int n) {
  Grava_Dados(Seleciona_Arquivo(n), kBoiler, Monitoracao(equip, kBoiler));
}
bool TGeren_ArquivoAux::Le_Saida_Boiler_Dados(int n, int* flags, float* valores) {
  return Le_Dados(Seleciona_Arquivo(n), kBoiler, flags, valores);
}
void TGeren_ArquivoAux::Preenche_Cabecalho_Boiler(int texto, int variavel, int* flags, int numero,
                                                  TTempo* par, int intervalo) {
  Escreve_Cabecalho(Seleciona_Arquivo(texto), Seletor_Relatorios(), kBoiler, variavel, flags,
                    numero, par, intervalo);
}
void TGeren_ArquivoAux::Salva_Texo_Dados_Boiler(int dados, int texto, int variavel, int* flags,
                                                TTempo* par, int intervalo) {
  Escreve_Linhas(Seletor_Relatorios(), kBoiler, dados, texto, variavel, flags, par, intervalo);
}

void TGeren_ArquivoAux::Grava_Saida_BombaAG_Dados(CBombaAG* equip, int n) {
  Grava_Dados(Seleciona_Arquivo(n), kBombaAG, Monitoracao(equip, kBombaAG));
}
void TGeren_ArquivoAux::Grava_Saida_BombaAG_Consumo(CBombaAG* equip, int n, float extra,
                                                    bool com_extra) {
  Grava_Consumo(Seleciona_Arquivo(n), kBombaAG, Monitoracao(equip, kBombaAG), extra, com_extra);
}
bool TGeren_ArquivoAux::Le_Saida_BombaAG_Dados(int n, int* flags, float* valores) {
  return Le_Dados(Seleciona_Arquivo(n), kBombaAG, flags, valores);
}
void TGeren_ArquivoAux::Preenche_Cabecalho_BombaAG(int texto, int variavel, int* flags, int numero,
                                                   TTempo* par, int intervalo) {
  Escreve_Cabecalho(Seleciona_Arquivo(texto), Seletor_Relatorios(), kBombaAG, variavel, flags,
                    numero, par, intervalo);
}
void TGeren_ArquivoAux::Salva_Texo_Dados_BombaAG(int dados, int texto, int variavel, int* flags,
                                                 TTempo* par, int intervalo) {
  Escreve_Linhas(Seletor_Relatorios(), kBombaAG, dados, texto, variavel, flags, par, intervalo);
}

void TGeren_ArquivoAux::Grava_Saida_BombaAQ_Dados(CBombaAQ* equip, int n) {
  Grava_Dados(Seleciona_Arquivo(n), kBombaAQ, Monitoracao(equip, kBombaAQ));
}
void TGeren_ArquivoAux::Grava_Saida_BombaAQ_Consumo(CBombaAQ* equip, int n, float extra,
                                                    bool com_extra) {
  Grava_Consumo(Seleciona_Arquivo(n), kBombaAQ, Monitoracao(equip, kBombaAQ), extra, com_extra);
}
bool TGeren_ArquivoAux::Le_Saida_BombaAQ_Dados(int n, int* flags, float* valores) {
  return Le_Dados(Seleciona_Arquivo(n), kBombaAQ, flags, valores);
}
void TGeren_ArquivoAux::Preenche_Cabecalho_BombaAQ(int texto, int variavel, int* flags, int numero,
                                                   TTempo* par, int intervalo) {
  Escreve_Cabecalho(Seleciona_Arquivo(texto), Seletor_Relatorios(), kBombaAQ, variavel, flags,
                    numero, par, intervalo);
}
void TGeren_ArquivoAux::Salva_Texo_Dados_BombaAQ(int dados, int texto, int variavel, int* flags,
                                                 TTempo* par, int intervalo) {
  Escreve_Linhas(Seletor_Relatorios(), kBombaAQ, dados, texto, variavel, flags, par, intervalo);
}

void TGeren_ArquivoAux::Grava_Saida_BombaCond_Dados(CBombaAC* equip, int n) {
  Grava_Dados(Seleciona_Arquivo(n), kBombaAC, Monitoracao(equip, kBombaAC));
}
void TGeren_ArquivoAux::Grava_Saida_BombaCond_Consumo(CBombaAC* equip, int n, float extra,
                                                      bool com_extra) {
  Grava_Consumo(Seleciona_Arquivo(n), kBombaAC, Monitoracao(equip, kBombaAC), extra, com_extra);
}
bool TGeren_ArquivoAux::Le_Saida_BombaCond_Dados(int n, int* flags, float* valores) {
  return Le_Dados(Seleciona_Arquivo(n), kBombaAC, flags, valores);
}
void TGeren_ArquivoAux::Preenche_Cabecalho_BombaAC(int texto, int variavel, int* flags, int numero,
                                                   TTempo* par, int intervalo) {
  Escreve_Cabecalho(Seleciona_Arquivo(texto), Seletor_Relatorios(), kBombaAC, variavel, flags,
                    numero, par, intervalo);
}
void TGeren_ArquivoAux::Salva_Texo_Dados_BombaAC(int dados, int texto, int variavel, int* flags,
                                                 TTempo* par, int intervalo) {
  Escreve_Linhas(Seletor_Relatorios(), kBombaAC, dados, texto, variavel, flags, par, intervalo);
}
