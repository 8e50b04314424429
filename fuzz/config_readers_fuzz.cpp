// Feeds arbitrary bytes, as a configuration file, to one configuration block
// reader at a time. When the reader accepts them, what it built is written
// by the matching writer, read back and written again: the second read should
// succeed and both writes should give the same bytes, since a block the
// library writes is the block it reads (see Relata).
//
// Input: the reader (byte, modulo the number of readers), the stream number
// the actuator readers are given (byte: the file's own, 0, -1 or one past
// it), the zone (int32); the rest is the file.
#include <arqaux/arqaux.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <utility>

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
  const char* nome;
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

const TPar kPares[] = {
    {"Le_Intervalos",
     [](TGeren* g, TBlocos* b, int, int) { return g->Le_Intervalos(&b->intervalos); },
     [](TGeren* g, TBlocos* b, int) { return g->Grava_Intervalos(&b->intervalos); }},
    {"Le_Intervalos_Vent",
     [](TGeren* g, TBlocos* b, int, int) { return g->Le_Intervalos_Vent(&b->intervalos); },
     [](TGeren* g, TBlocos* b, int) { return g->Grava_Intervalos_Vent(&b->intervalos); }},
    {"Le_Ganho_Interno",
     [](TGeren* g, TBlocos* b, int, int) { return g->Le_Ganho_Interno(&b->ganhos); },
     [](TGeren* g, TBlocos* b, int) { return g->Grava_Ganho_Interno(&b->ganhos); }},
    {"Le_Ganho_Interno_ZonaX",
     [](TGeren* g, TBlocos* b, int z, int) { return g->Le_Ganho_Interno_ZonaX(&b->ganhos, z); },
     [](TGeren* g, TBlocos* b, int z) { return g->Grava_Ganho_Interno_ZonaX(&b->ganhos, z); }},
    {"Le_Equipamento_PV",
     [](TGeren* g, TBlocos* b, int, int) { return g->Le_Equipamento_PV(&b->equipamentos); },
     [](TGeren* g, TBlocos* b, int) { return g->Grava_Equipamento_PV(&b->equipamentos); }},
    {"Le_Equipamentos_PV_ZonaX",
     [](TGeren* g, TBlocos* b, int z, int) {
       return g->Le_Equipamentos_PV_ZonaX(&b->equipamentos, z);
     },
     [](TGeren* g, TBlocos* b, int z) {
       return g->Grava_Equipamentos_PV_ZonaX(&b->equipamentos, z);
     }},
    {"Le_Climatizador",
     [](TGeren* g, TBlocos* b, int z, int n) {
       return g->Le_Climatizador(&b->equip, &b->atuadores, z, n);
     },
     [](TGeren* g, TBlocos* b, int) { return g->Grava_Climatizador(&b->atuadores); }},
    {"Le_Climatizador_ZonaX",
     [](TGeren* g, TBlocos* b, int z, int n) {
       return g->Le_Climatizador_ZonaX(&b->equip, &b->atuadores, z, n);
     },
     [](TGeren* g, TBlocos* b, int z) { return g->Grava_Climatizador_ZonaX(&b->atuadores, z); }},
    {"Le_Controle", [](TGeren* g, TBlocos* b, int, int) { return g->Le_Controle(&b->atuador); },
     [](TGeren* g, TBlocos* b, int) { return g->Grava_Controle(&b->atuador); }},
    {"Le_Controle_Resf_Evap",
     [](TGeren* g, TBlocos* b, int, int) { return g->Le_Controle_Resf_Evap(&b->atuador); },
     [](TGeren* g, TBlocos* b, int) { return g->Grava_Controle_Resf_Evap(&b->atuador); }},
    {"Le_Ventilacao_ZonaX", Le_Ventilacao,
     [](TGeren* g, TBlocos* b, int z) {
       return g->Grava_Ventilacao_ZonaX(b->natural.get(), b->forcada.get(), z);
     }},
};
constexpr int kNumPares = sizeof(kPares) / sizeof(kPares[0]);

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

// A round trip that fails is the library's fault, not the input's: it is
// reported on stderr, once per reader and kind of failure, and the run goes
// on. With ARQAUX_FUZZ_IDA_VOLTA=aborta it stops the run instead, so that
// libFuzzer keeps the input as a reproducer.
void Relata(const char* o_que, const TPar& par) {
  static std::set<std::pair<const char*, const char*>> relatados;
  const char* modo = std::getenv("ARQAUX_FUZZ_IDA_VOLTA");
  const bool aborta = modo != nullptr && std::strcmp(modo, "aborta") == 0;
  if (aborta || relatados.insert({par.nome, o_que}).second) {
    std::fprintf(stderr, "round trip of %s: %s\n", par.nome, o_que);
  }
  if (aborta) std::abort();
}

// Writes what the first read built, reads that back and writes it again.
void Ida_E_Volta(TGeren* g, const TPar& par, TBlocos* primeiro, int zona) {
  const std::string ida = fuzz::Arquivo("ida.txt");
  const std::string volta = fuzz::Arquivo("volta.txt");
  if (!Grava(g, par, primeiro, zona, ida)) return Relata("the writer failed", par);
  TBlocos segundo;
  if (!Le(g, par, &segundo, zona, ida, 0)) return Relata("its block does not read back", par);
  if (!Grava(g, par, &segundo, zona, volta)) return Relata("the second write failed", par);
  if (fuzz::Conteudo(ida) != fuzz::Conteudo(volta)) Relata("the second write differs", par);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  fuzz::TCursor c(dados, tamanho);
  const int leitor = c.Byte() % kNumPares;
  const int numero = c.Byte();
  const int zona = c.Int();
  const std::string entrada = fuzz::Arquivo("entrada.txt");
  if (!fuzz::Grava(entrada, c.Dados(), c.Resto())) return 0;
  TGeren* g = Geren_ArqAux();
  const TPar& par = kPares[leitor];
  TBlocos primeiro;
  if (Le(g, par, &primeiro, zona, entrada, numero)) Ida_E_Volta(g, par, &primeiro, zona);
  return 0;
}
