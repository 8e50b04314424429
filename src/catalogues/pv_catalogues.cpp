// The photovoltaic catalogues, read line by line from the current stream as
// the host drives them (the library writes none of them):
//
//   equipment list       Equipamentos A/C           (or D/C)
//                        [Numero de Equipamentos = 2]
//                        [Bomba de agua][1]
//   panel types          [Numero de Tipos = 1]
//                        {[Monocristalino]
//                        [NOCT = 45]
//                        [Beta = 0.004500]}
//   makers and models    [Numero de Fabricantes = 2]
//                        {[Solar Alfa]
//                        [Numero de Modelos = 1]
//                        [SA-330]
//                        [0.150000\t72\t1.200000\t-0.004000]
//                        }
//                        {[...]...
//                        }                           (the last one: "}" alone)
//
// A different heading is not itself detected: its scan stops at the first
// character that differs and the count line after it fails. The numbers of
// a model line may be separated by any white space. A name longer than its
// buffer (TAM_NOME_EQUIP_PV for equipment, TAM_NOME_PV otherwise, terminator
// included) fails its line; a name is handed over with its terminator and
// nothing after it. A maker's models array grows as its models are read, so
// that a count larger than the file holds costs no more than the models
// present: the maker's model count is then the number of models read whole,
// which the array holds.
#include <algorithm>
#include <cstring>
#include <vector>

#include "arqaux/contracts/renewable.h"
#include "arqaux/geren_arquivoaux.h"
#include "catalogues/catalogo_texto.h"

using arqaux::Campo;
using arqaux::Elemento;
using arqaux::TContagem;
using arqaux::TLinha;

namespace {

const TLinha<TContagem> kTituloPv[2] = {{"Equipamentos A/C\n", {}}, {"\nEquipamentos D/C\n", {}}};
const TLinha<TContagem> kContagemEquipamentos = {"[Numero de Equipamentos = %d]\n",
                                                 {Campo(&TContagem::n)}};

struct TEquip_Pv {
  char nome[TAM_NOME_EQUIP_PV] = {};
  int32_t valor = 0;
};
const TLinha<TEquip_Pv> kLinhaEquipamento = {"[%s][%d]\n",
                                             {Campo(&TEquip_Pv::nome), Campo(&TEquip_Pv::valor)}};

const TLinha<TContagem> kContagemTipos = {"[Numero de Tipos = %d]\n\n", {Campo(&TContagem::n)}};
struct TTipo_Pv {
  char nome[TAM_NOME_PV] = {};
  int32_t noct = 0;
  float beta = 0;
};
const TLinha<TTipo_Pv> kLinhaTipo = {
    "{[%s]\n[NOCT = %d]\n[Beta = %f]}\n\n",
    {Campo(&TTipo_Pv::nome), Campo(&TTipo_Pv::noct), Campo(&TTipo_Pv::beta)}};

const TLinha<TContagem> kContagemFabricantes = {"[Numero de Fabricantes = %d]\n\n",
                                                {Campo(&TContagem::n)}};
struct TNome_Pv {
  char nome[TAM_NOME_PV] = {};
};
const TLinha<TNome_Pv> kLinhaFabricante = {"{[%s]\n", {Campo(&TNome_Pv::nome)}};
const TLinha<TContagem> kContagemModelos = {"[Numero de Modelos = %d]\n", {Campo(&TContagem::n)}};
struct TModelo_Pv {
  char nome[TAM_NOME_PV] = {};
  int32_t inteiro = 0;
  float reais[3] = {};
};
const TLinha<TModelo_Pv> kLinhasModelo[] = {
    {"[%s]\n[%f\t%d\t%f\t%f]\n",
     {Campo(&TModelo_Pv::nome), Elemento(&TModelo_Pv::reais, 0), Campo(&TModelo_Pv::inteiro),
      Elemento(&TModelo_Pv::reais, 1), Elemento(&TModelo_Pv::reais, 2)}}};
// After every maker but the last, and after the last.
const TLinha<TContagem> kFechoFabricante[2] = {{"}\n\n", {}}, {"}", {}}};

bool Le_Contagem_Pv(FILE* arq, const TLinha<TContagem>& linha, int* count) {
  TContagem c;
  if (count == nullptr || !arqaux::Le_Linha(arq, linha, &c)) return false;
  *count = c.n;
  return true;
}

// A new name buffer of TAM_NOME_PV bytes holding nome.
char* Novo_Nome(const char* nome) {
  char* buffer = new char[TAM_NOME_PV];
  std::memcpy(buffer, nome, TAM_NOME_PV);
  return buffer;
}

// Copies a scanned name, terminator included, into the caller's buffer.
void Entrega_Nome(char* destino, const char* nome, size_t tamanho) {
  std::memcpy(destino, nome, strnlen(nome, tamanho - 1) + 1);
}

// Reads a maker's models, up to its count, into a new array that f keeps
// whatever happens, with the number of models read whole.
bool Le_Modelos(FILE* arq, TFabricante_PV* f) {
  TContagem n;
  if (!arqaux::Le_Linha(arq, kContagemModelos, &n) || n.n < 0) return false;
  std::vector<TModelo_PV> lidos;
  bool ok = true;
  for (int k = 0; k < n.n && ok; ++k) {
    TModelo_Pv m;
    ok = arqaux::Le_Linhas(arq, kLinhasModelo, &m);
    if (ok) lidos.push_back({Novo_Nome(m.nome), m.inteiro, {m.reais[0], m.reais[1], m.reais[2]}});
  }
  f->Modelos = new TModelo_PV[lidos.size()];
  std::copy(lidos.begin(), lidos.end(), f->Modelos);
  f->Num_Modelos = static_cast<int>(lidos.size());
  return ok;
}

}  // namespace

bool TGeren_ArquivoAux::Le_Cabecalho_Equipamentos_PV(int* count, bool corrente_continua) {
  TContagem nada;
  return Arquivo_Atual != nullptr &&
         arqaux::Le_Linha(Arquivo_Atual, kTituloPv[corrente_continua ? 1 : 0], &nada) &&
         Le_Contagem_Pv(Arquivo_Atual, kContagemEquipamentos, count);
}

bool TGeren_ArquivoAux::Carrega_Registro_Equipamento_PV(int* valor, char* nome) {
  TEquip_Pv e;
  if (valor == nullptr || nome == nullptr ||
      !arqaux::Le_Linha(Arquivo_Atual, kLinhaEquipamento, &e))
    return false;
  Entrega_Nome(nome, e.nome, sizeof(e.nome));
  *valor = e.valor;
  return true;
}

bool TGeren_ArquivoAux::Le_Cabecalho_Tipo_Painel_PV(int* count) {
  return Le_Contagem_Pv(Arquivo_Atual, kContagemTipos, count);
}

bool TGeren_ArquivoAux::Carrega_Registro_Tipo_Painel_PV(TTipo_PV* tipo) {
  TTipo_Pv t;
  if (tipo == nullptr || tipo->Nome == nullptr || !arqaux::Le_Linha(Arquivo_Atual, kLinhaTipo, &t))
    return false;
  Entrega_Nome(tipo->Nome, t.nome, sizeof(t.nome));
  tipo->NOCT = t.noct;
  tipo->Beta = t.beta;
  return true;
}

bool TGeren_ArquivoAux::Le_Cabecalho_Fabricantes_PV(int* count) {
  return Le_Contagem_Pv(Arquivo_Atual, kContagemFabricantes, count);
}

bool TGeren_ArquivoAux::Carrega_Registros_Fabricantes_PV(TFabricante_PV* fabricantes, int count) {
  if (count <= 0) return true;
  if (fabricantes == nullptr || Arquivo_Atual == nullptr) return false;
  for (int i = 0; i < count; ++i) {
    TFabricante_PV* f = &fabricantes[i];
    TNome_Pv nome;
    const bool lido = arqaux::Le_Linha(Arquivo_Atual, kLinhaFabricante, &nome);
    *f = {Novo_Nome(nome.nome), 0, nullptr};
    TContagem nada;
    if (!lido || !Le_Modelos(Arquivo_Atual, f) ||
        !arqaux::Le_Linha(Arquivo_Atual, kFechoFabricante[i == count - 1 ? 1 : 0], &nada)) {
      return false;
    }
  }
  return true;
}
