// Feeds arbitrary bytes, as a project configuration file, to the readers of
// one zone's blocks in the order the host writes them: gains, PV equipment,
// actuators, ventilation. Every reader must return (true or false) without a
// sanitizer report, whatever it is given.
#include <arqaux/arqaux.h>

#include <cstdint>
#include <memory>
#include <string>

#include "fuzz_comum.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  const std::string caminho = fuzz::Arquivo("blocos.txt");
  if (!fuzz::Grava(caminho, dados, tamanho)) return 0;

  TGeren_ArquivoAux* geren = Geren_ArqAux();
  int n = geren->Abre_Arquivo(caminho.c_str(), "rt");
  if (n == 0) return 0;
  TLista<TGanho> ganhos(true);
  TLista<TEquipamento_PV> equipamentos(true);
  TGeren_Atuadores atuadores;
  CGeren_Equip_HVAC equip;
  TVent_Natural* natural = nullptr;
  TVent_Forcada* forcada = nullptr;
  if (geren->Le_Ganho_Interno_ZonaX(&ganhos, 1) &&
      geren->Le_Equipamentos_PV_ZonaX(&equipamentos, 1) &&
      geren->Le_Climatizador_ZonaX(&equip, &atuadores, 1, n)) {
    geren->Le_Ventilacao_ZonaX(&natural, &forcada, 1);
  }
  std::unique_ptr<TVent_Natural> dono_natural(natural);
  std::unique_ptr<TVent_Forcada> dono_forcada(forcada);
  geren->Fecha_Todos();
  return 0;
}
