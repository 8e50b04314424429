// What every configuration block shares: how its readers treat a missing
// target and how its writers report a write the stream lost.
#include <functional>
#include <iterator>
#include <string>

#include "support/fixture.h"
#include "support/texto_config.h"

namespace {

class Blocos : public ArqauxTest {
 protected:
  CGeren_Equip_HVAC equip;
};

// A null target with a count of 0 or less reads as true and touches nothing
// past the count line; with a positive count it fails there.
TEST_F(Blocos, ANullTargetReadsOnlyABlockWithNothingInIt) {
  struct Leitor {
    std::string antes, depois;  // the text around the count
    std::function<bool()> le;
  };
  const Leitor leitores[] = {
      {"\t[Horarios = ", "]\n", [&] { return geren->Le_Intervalos(nullptr); }},
      {"\t[Horarios Ventilacao = ", "]\n", [&] { return geren->Le_Intervalos_Vent(nullptr); }},
      {"[Numero de Ganhos = ", "]\n", [&] { return geren->Le_Ganho_Interno(nullptr); }},
      {"[Zona = 2]\n[Numero de Ganhos = ", "]\n",
       [&] { return geren->Le_Ganho_Interno_ZonaX(nullptr, 2); }},
      {"[Numero de Equipamentos = ", "]\n", [&] { return geren->Le_Equipamento_PV(nullptr); }},
      {"[Zona = 2]\n[Numero de Equipamentos = ", "]\n",
       [&] { return geren->Le_Equipamentos_PV_ZonaX(nullptr, 2); }},
      {"[Numero de Atuadores = ", "]\n",
       [&] { return geren->Le_Climatizador(&equip, nullptr, 2, 1); }},
      {"[Zona = 2]\n[Numero de Atuadores = ", "]\n",
       [&] { return geren->Le_Climatizador_ZonaX(&equip, nullptr, 2, 1); }},
  };
  for (const Leitor& leitor : leitores) {
    for (const char* contagem : {"0", "-3", "1"}) {
      SCOPED_TRACE(leitor.antes + contagem);
      Abre_Para_Leitura(geren, Caminho("bloco.txt"),
                        leitor.antes + contagem + leitor.depois + "[Resto]\n");
      EXPECT_EQ(leitor.le(), contagem[0] != '1');
      EXPECT_EQ(Resto(geren), "[Resto]\n");
      geren->Fecha_Todos();
    }
    EXPECT_FALSE(leitor.le()) << "no current stream";
  }
  // A control entry has no count: a null actuator reads nothing.
  Abre_Para_Leitura(geren, Caminho("controle.txt"), "\t[Controle = 1,20.00,1.00]\n");
  EXPECT_FALSE(geren->Le_Controle(nullptr));
  EXPECT_EQ(Resto(geren), "\t[Controle = 1,20.00,1.00]\n");
}

// A writer whose stream reports a failed write returns false, also where the
// block's rule is to ignore what each print returns.
TEST_F(Blocos, AWriteTheStreamLostIsNotASuccess) {
  TIntervalos horario;
  horario.Adiciona_Intervalo(new TIntervalo(1, 5, 8, 17, 0, 1800));
  TLista<TGanho> ganhos(true);
  ganhos.Adiciona(new TEquipamento(2, new TIntervalos, 150.0f, 100.0f, 10.0f, 7, 0.6f, false));
  TLista<TEquipamento_PV> equipamentos(true);
  equipamentos.Adiciona(new TEquipamento_PV(new TIntervalos, nullptr, 0, 1, 1.0f));
  TGeren_Atuadores atuadores;
  atuadores.Insere_Atuadores(new TAquecedor(1, new TIntervalos, 1, 1, 1, 1, 1, 1));
  TAtuador atuador(3, 1, nullptr);
  TVent_Forcada forcada;
  const std::function<bool()> escritores[] = {
      [&] { return geren->Grava_Intervalos(&horario); },
      [&] { return geren->Grava_Intervalos_Vent(&horario); },
      [&] { return geren->Grava_Ganho_Interno(&ganhos); },
      [&] { return geren->Grava_Ganho_Interno(nullptr); },
      [&] { return geren->Grava_Ganho_Interno_ZonaX(&ganhos, 1); },
      [&] { return geren->Grava_Equipamento_PV(&equipamentos); },
      [&] { return geren->Grava_Equipamentos_PV_ZonaX(&equipamentos, 1); },
      [&] { return geren->Grava_Climatizador(&atuadores); },
      [&] { return geren->Grava_Climatizador_ZonaX(&atuadores, 1); },
      [&] { return geren->Grava_Controle(&atuador); },
      [&] { return geren->Grava_Controle_Resf_Evap(&atuador); },
      [&] { return geren->Grava_Ventilacao_ZonaX(nullptr, &forcada, 1); },
  };
  for (size_t i = 0; i < std::size(escritores); ++i) {
    Abre_Para_Leitura(geren, Caminho("somente_leitura.txt"), "");
    EXPECT_FALSE(escritores[i]()) << "writer " << i;
    geren->Fecha_Todos();
    EXPECT_FALSE(escritores[i]()) << "writer " << i << ", no current stream";
  }
}

}  // namespace
