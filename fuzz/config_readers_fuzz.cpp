// Feeds arbitrary bytes, as a configuration file, to one configuration block
// reader at a time. When the reader accepts them, what it built is written
// by the matching writer, read back and written again: the second read must
// succeed and both writes must give the same bytes, since a block the
// library writes is the block it reads.
//
// Input: the reader (byte, modulo the number of readers), the stream number
// the actuator readers are given (byte: the file's own, 0, -1 or one past
// it), the zone (int32); the rest is the file.
#include <arqaux/arqaux.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "fuzz_comum.h"

namespace {

// What the readers build. The lists and the manager own their items.
struct TBlocos {
  TIntervalos intervalos;
  TLista<TGanho> ganhos{true};
  TLista<TEquipamento_PV> equipamentos{true};
  CGeren_Equip_HVAC equip;
  TGeren_Atuadores atuadores;
  TAtuador atuador{3, 1, nullptr};
  std::unique_ptr<TVent_Natural> natural;
  std::unique_ptr<TVent_Forcada> forcada;
};

using TGeren = TGeren_ArquivoAux;

// A reader (on the current stream, which is stream n) and its writer.
struct TPar {
  bool (*le)(TGeren* g, TBlocos* b, int zona, int n);
  bool (*grava)(TGeren* g, TBlocos* b, int zona);
};

bool Le_Ventilacao(TGeren* g, TBlocos* b, int zona, int) {
  TVent_Natural* natural = nullptr;
  TVent_Forcada* forcada = nullptr;
  const bool ok = g->Le_Ventilacao_ZonaX(&natural, &forcada, zona);
  b->natural.reset(natural);
  b->forcada.reset(forcada);
  return ok;
}

const TPar PARES[] = {
    {[](TGeren* g, TBlocos* b, int, int) { return g->Le_Intervalos(&b->intervalos); },
     [](TGeren* g, TBlocos* b, int) { return g->Grava_Intervalos(&b->intervalos); }},
    {[](TGeren* g, TBlocos* b, int, int) { return g->Le_Intervalos_Vent(&b->intervalos); },
     [](TGeren* g, TBlocos* b, int) { return g->Grava_Intervalos_Vent(&b->intervalos); }},
    {[](TGeren* g, TBlocos* b, int, int) { return g->Le_Ganho_Interno(&b->ganhos); },
     [](TGeren* g, TBlocos* b, int) { return g->Grava_Ganho_Interno(&b->ganhos); }},
    {[](TGeren* g, TBlocos* b, int z, int) { return g->Le_Ganho_Interno_ZonaX(&b->ganhos, z); },
     [](TGeren* g, TBlocos* b, int z) { return g->Grava_Ganho_Interno_ZonaX(&b->ganhos, z); }},
    {[](TGeren* g, TBlocos* b, int, int) { return g->Le_Equipamento_PV(&b->equipamentos); },
     [](TGeren* g, TBlocos* b, int) { return g->Grava_Equipamento_PV(&b->equipamentos); }},
    {[](TGeren* g, TBlocos* b, int z, int) {
       return g->Le_Equipamentos_PV_ZonaX(&b->equipamentos, z);
     },
     [](TGeren* g, TBlocos* b, int z) {
       return g->Grava_Equipamentos_PV_ZonaX(&b->equipamentos, z);
     }},
    {[](TGeren* g, TBlocos* b, int z, int n) {
       return g->Le_Climatizador(&b->equip, &b->atuadores, z, n);
     },
     [](TGeren* g, TBlocos* b, int) { return g->Grava_Climatizador(&b->atuadores); }},
    {[](TGeren* g, TBlocos* b, int z, int n) {
       return g->Le_Climatizador_ZonaX(&b->equip, &b->atuadores, z, n);
     },
     [](TGeren* g, TBlocos* b, int z) { return g->Grava_Climatizador_ZonaX(&b->atuadores, z); }},
    {[](TGeren* g, TBlocos* b, int, int) { return g->Le_Controle(&b->atuador); },
     [](TGeren* g, TBlocos* b, int) { return g->Grava_Controle(&b->atuador); }},
    {[](TGeren* g, TBlocos* b, int, int) { return g->Le_Controle_Resf_Evap(&b->atuador); },
     [](TGeren* g, TBlocos* b, int) { return g->Grava_Controle_Resf_Evap(&b->atuador); }},
    {Le_Ventilacao,
     [](TGeren* g, TBlocos* b, int z) {
       return g->Grava_Ventilacao_ZonaX(b->natural.get(), b->forcada.get(), z);
     }},
};
constexpr int NUM_PARES = sizeof(PARES) / sizeof(PARES[0]);

// Reads caminho with the pair's reader, handing it as stream number the
// file's own (escolha 0), 0, -1 or one past it.
bool Le(TGeren* g, const TPar& par, TBlocos* b, int zona, const std::string& caminho, int escolha) {
  const int n = g->Abre_Arquivo(caminho.c_str(), "rt");
  const int numeros[4] = {n, 0, -1, n + 1};
  const bool ok = n != 0 && par.le(g, b, zona, numeros[escolha & 3]);
  g->Fecha_Todos();
  return ok;
}

bool Grava(TGeren* g, const TPar& par, TBlocos* b, int zona, const std::string& caminho) {
  const int n = g->Abre_Arquivo(caminho.c_str(), "wt");
  const bool ok = n != 0 && par.grava(g, b, zona) && !g->Erro_Arquivo(n);
  g->Fecha_Todos();
  return ok;
}

void Falha(const char* o_que, int leitor) {
  std::fprintf(stderr, "reader %d: %s\n", leitor, o_que);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  fuzz::TCursor c(dados, tamanho);
  const int leitor = c.Byte() % NUM_PARES;
  const int numero = c.Byte();
  const int zona = c.Int();
  const std::string entrada = fuzz::Arquivo("entrada.txt");
  const std::string ida = fuzz::Arquivo("ida.txt");
  const std::string volta = fuzz::Arquivo("volta.txt");
  if (!fuzz::Grava(entrada, c.Dados(), c.Resto())) return 0;
  TGeren* g = Geren_ArqAux();
  const TPar& par = PARES[leitor];
  TBlocos primeiro;
  if (!Le(g, par, &primeiro, zona, entrada, numero)) return 0;
  if (!Grava(g, par, &primeiro, zona, ida)) Falha("the writer failed on what was read", leitor);
  TBlocos segundo;
  if (!Le(g, par, &segundo, zona, ida, 0)) Falha("what was written does not read back", leitor);
  if (!Grava(g, par, &segundo, zona, volta)) Falha("the second write failed", leitor);
  if (fuzz::Conteudo(ida) != fuzz::Conteudo(volta)) Falha("the second write differs", leitor);
  return 0;
}
