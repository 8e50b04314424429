#include <cstring>
#include <string>

#include "support/corte.h"
#include "support/fixture.h"
#include "support/texto_config.h"

namespace {

const char kBloco[] =
    "[Zona = 1]\n[Numero de Equipamentos = 2]\n"
    "[Equipamento 1]\n\t[Bomba de agua]\n\t[Quantidade = 2]\n\t[ACDC = 1]\n"
    "\t[Potencia = 150.000000]\n\t[Horarios = 1]\n\t\t[Horario 1 = (1,5,8:0->17:30)]\n"
    "[Equipamento 2]\n\t[Geladeira]\n\t[Quantidade = 1]\n\t[ACDC = 0]\n"
    "\t[Potencia = 0.125000]\n\t[Horarios = 0]\n";

class EquipamentosPV : public ArqauxTest {
 protected:
  std::string Arquivo() const { return Caminho("zona.eqpv"); }

  static void Preenche(TLista<TEquipamento_PV>* l) {
    TIntervalos* h = new TIntervalos;
    h->Adiciona_Intervalo(new TIntervalo(1, 5, 8, 17, 0, 1800));
    char bomba[] = "Bomba de agua";
    char geladeira[] = "Geladeira";
    l->Adiciona(new TEquipamento_PV(h, bomba, 1, 2, 150.0f));
    l->Adiciona(new TEquipamento_PV(new TIntervalos, geladeira, 0, 1, 0.125f));
  }

  std::string Grava(TLista<TEquipamento_PV>* l) {
    return Texto_Gravado(geren, Arquivo(),
                         [&] { EXPECT_TRUE(geren->Grava_Equipamentos_PV_ZonaX(l, 1)); });
  }

  // Reads texto with the block reader (no zone line) into a list holding one
  // item already; returns the reader's result and the list's count.
  std::pair<bool, int> Le_Bloco(const std::string& texto) {
    Abre_Para_Leitura(geren, Arquivo(), texto);
    TLista<TEquipamento_PV> l(true);
    l.Adiciona(new TEquipamento_PV(new TIntervalos, nullptr, 0, 0, 0));
    bool ok = geren->Le_Equipamento_PV(&l);
    geren->Fecha_Todos();
    return {ok, l.Numero_Elementos() - 1};
  }
};

TEST_F(EquipamentosPV, WholeBlockItsReadBackAndItsCuts) {
  TLista<TEquipamento_PV> l(true);
  Preenche(&l);
  EXPECT_EQ(Grava(&l), kBloco);
  Abre_Para_Leitura(geren, Arquivo(), kBloco);
  TLista<TEquipamento_PV> lidos(true);
  EXPECT_TRUE(geren->Le_Equipamentos_PV_ZonaX(&lidos, 1));
  geren->Fecha_Todos();
  EXPECT_EQ(Grava(&lidos), kBloco);
  // A cut block fails with the list emptied, until the last item's power has
  // begun: its schedule's result is not looked at.
  std::vector<bool> cortes = Corta_Em_Todo_Byte(geren, Arquivo(), kBloco, [&] {
    TLista<TEquipamento_PV> l(true);
    bool ok = geren->Le_Equipamentos_PV_ZonaX(&l, 1);
    EXPECT_TRUE(ok || l.Numero_Elementos() == 0);
    return ok;
  });
  EXPECT_EQ(Le_Desde(cortes), std::string(kBloco).rfind("0.125000]") + 1);
}

TEST_F(EquipamentosPV, NamesAndCounts) {
  auto bloco = [](const std::string& nome, const char* contagem = "1") {
    return std::string("[Numero de Equipamentos = ") + contagem + "]\n[Equipamento 7]\n\t[" + nome +
           "]\n\t[Quantidade = 1]\n\t[ACDC = 1]\n\t[Potencia = 1.000000]\n\t[Horarios = 0]\n";
  };
  // A name that fills the buffer, with blanks, "%" and "[", goes and comes back
  // as it is; the ordinal is renumbered.
  std::string cheio = " 7 %s [" + std::string(TAM_NOME_EQUIP_PV - 1 - 7, 'n');
  Abre_Para_Leitura(geren, Arquivo(), bloco(cheio));
  TLista<TEquipamento_PV> l(true);
  EXPECT_TRUE(geren->Le_Equipamento_PV(&l));
  geren->Fecha_Todos();
  std::string renumerado = bloco(cheio);
  renumerado.replace(renumerado.find("[Equipamento 7]"), 15, "[Equipamento 1]");
  EXPECT_EQ(Texto_Gravado(geren, Arquivo(), [&] { geren->Grava_Equipamento_PV(&l); }), renumerado);

  EXPECT_EQ(Le_Bloco("[Numero de Equipamentos = 0]\n"), std::make_pair(true, 0));
  EXPECT_EQ(Le_Bloco(bloco(std::string(52, 'n'))), std::make_pair(false, 0));
  // A count far beyond the items present fails at the end of the file.
  EXPECT_EQ(Le_Bloco(bloco("Bomba", "2147483647")), std::make_pair(false, 1));
}

}  // namespace
