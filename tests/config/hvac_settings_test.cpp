#include <climits>
#include <string>
#include <vector>

#include "support/blocos.h"
#include "support/corte.h"
#include "support/fixture.h"
#include "support/texto_config.h"

namespace {

int kDados[9] = {1, -2, 3, 40, 5, 6, 7, 8, INT_MAX};
const char kLinha_Dados[] = "[Dados Sistema Primario]\n\t{Dados = 1,-2,3,40,5,6,7,8,2147483647}\n";

const std::string kCabecalho = Texto_Cabecalho_HVAC("1,-2,3,40,5,6,7,8,2147483647", 1, 600, 0);

const std::string kFlags_Monitoramento =
    "[Monitorar Sistema HVAC = 1]\n[Passo Tempo Rel = 600]\n[Monitorar Consumo = 0]\n";

const std::string kMonitoramento =
    kFlags_Monitoramento + kLinha_Dados +
    "\t{Horarios Sistema Resfriamento = 2}\n"
    "\t\t{Horario 1 = (1,5,8:0->17:30)}\n\t\t{Horario 2 = (6,7,0:0->23:59)}\n"
    "\t{Horarios Sistema Aquecimento = 1}\n\t\t{Horario 1 = (1,5,8:0->17:30)}\n";

const std::string kSem_Periodos =
    kFlags_Monitoramento + kLinha_Dados +
    "\t{Horarios Sistema Resfriamento = 0}\n\t{Horarios Sistema Aquecimento = 0}\n";

struct Ajustes {
  int sistema = -9, consumo = -9, passo = -9;
  int dados[9] = {-9, -9, -9, -9, -9, -9, -9, -9, -9};
  TIntervalos resfriamento, aquecimento;
};

class AjustesHVAC : public ArqauxTest {
 protected:
  std::string Arquivo() const { return Caminho("sistema.hvac"); }

  bool Le_Cabecalho(Ajustes* a) {
    return geren->CarregaDadosRelatorioCab_HVAC(&a->sistema, &a->consumo, &a->passo, a->dados);
  }
  bool Le_Monitoramento(Ajustes* a) {
    return geren->Le_Dados_Monit_Cons_HVAC(1, &a->sistema, &a->consumo, &a->passo, a->dados,
                                           &a->resfriamento, &a->aquecimento);
  }
  std::string Grava_Monitoramento(Ajustes* a) {
    return Texto_Gravado(geren, Arquivo(), [&] {
      EXPECT_TRUE(geren->Grava_Dados_Monit_Cons_HVAC(a->sistema, a->consumo, a->passo, a->dados,
                                                     &a->resfriamento, &a->aquecimento));
    });
  }
  std::string Grava_Cabecalho(int sistema, int consumo, int passo, int* dados) {
    return Texto_Gravado(geren, Arquivo(), [&] {
      EXPECT_TRUE(geren->SalvaDadosRelatorioCab_HVAC(sistema, consumo, passo, dados));
    });
  }
  // Runs a reader over texto.
  template <class F>
  bool Le(const std::string& texto, F le) {
    Abre_Para_Leitura(geren, Arquivo(), texto);
    const bool ok = le();
    geren->Fecha_Todos();
    return ok;
  }
};

// Both blocks exactly; the values read from either write the same bytes
// again, and periods are appended to schedules that already hold one.
TEST_F(AjustesHVAC, BothBlocksExactlyAndTheirReadBack) {
  EXPECT_EQ(Grava_Cabecalho(1, 0, 600, kDados), kCabecalho);
  // Null schedules are written as empty ones.
  EXPECT_EQ(Texto_Gravado(geren, Arquivo(),
                          [&] {
                            EXPECT_TRUE(geren->Grava_Dados_Monit_Cons_HVAC(1, 0, 600, kDados,
                                                                           nullptr, nullptr));
                          }),
            kSem_Periodos);

  Ajustes lido, novos;
  EXPECT_TRUE(Le(kCabecalho, [&] { return Le_Cabecalho(&lido); }));
  EXPECT_EQ(Grava_Monitoramento(&lido), kSem_Periodos);
  lido.resfriamento.Adiciona_Intervalo(new TIntervalo(6, 7, 0, 23, 0, 59 * 60));
  lido.aquecimento.Adiciona_Intervalo(new TIntervalo(1, 5, 8, 17, 0, 30 * 60));
  EXPECT_TRUE(Le(kMonitoramento, [&] { return Le_Monitoramento(&lido); }));
  EXPECT_EQ(lido.resfriamento.Numero_Intervalos(), 3);
  EXPECT_EQ(lido.aquecimento.Numero_Intervalos(), 2);
  EXPECT_TRUE(Le(kMonitoramento, [&] { return Le_Monitoramento(&novos); }));
  EXPECT_EQ(Grava_Monitoramento(&novos), kMonitoramento);
  EXPECT_EQ(Grava_Cabecalho(novos.sistema, novos.consumo, novos.passo, novos.dados), kCabecalho);
}

// Each reader reads its own block only: the flag keys with and without
// " HVAC", and the title, tell them apart.
TEST_F(AjustesHVAC, EachReaderAcceptsOnlyItsOwnKeys) {
  auto troca = [](std::string s, const std::string& de, const std::string& para) {
    return s.replace(s.find(de), de.size(), para);
  };
  struct Caso {
    std::string texto;
    bool cabecalho, monitoramento;
  } casos[] = {
      {kCabecalho, true, false},
      {kMonitoramento, false, true},
      {kSem_Periodos, false, true},
      {troca(kCabecalho, "Rel HVAC", "Rel"), false, false},
      {troca(kCabecalho, "Consumo HVAC", "Consumo"), false, false},
      {troca(kMonitoramento, "Rel =", "Rel HVAC ="), false, false},
      {troca(kMonitoramento, "Consumo =", "Consumo HVAC ="), false, false},
      {troca(kCabecalho, "Primario", "Secundario"), false, false},
      {troca(kMonitoramento, "Primario", "Secundario"), false, false},
      {troca(kCabecalho, "7,8,", "7,"), false, false},
      {troca(kMonitoramento, "Resfriamento", "Aquecimento"), false, false},
      {troca(kMonitoramento, "{Horario 2", "[Horario 2"), false, false},
      // Blank lines and indentation between lines do not matter.
      {troca(kCabecalho, "\n[Passo", "\n\n  \t[Passo"), true, false},
  };
  for (const Caso& caso : casos) {
    Ajustes a, b;
    EXPECT_EQ(Le(caso.texto, [&] { return Le_Cabecalho(&a); }), caso.cabecalho) << caso.texto;
    EXPECT_EQ(Le(caso.texto, [&] { return Le_Monitoramento(&b); }), caso.monitoramento)
        << caso.texto;
  }
}

// Cut anywhere before its last number, a block does not read; null
// arguments fail, and a writer given no values writes nothing.
TEST_F(AjustesHVAC, CutsAndNullArguments) {
  std::vector<bool> cortes = Corta_Em_Todo_Byte(geren, Arquivo(), kCabecalho, [&] {
    Ajustes a;
    return Le_Cabecalho(&a);
  });
  EXPECT_EQ(Le_Desde(cortes), kCabecalho.size() - 2);
  cortes = Corta_Em_Todo_Byte(geren, Arquivo(), kMonitoramento, [&] {
    Ajustes a;
    return Le_Monitoramento(&a);
  });
  // "->17:3" reads as three minutes.
  EXPECT_EQ(Le_Desde(cortes), kMonitoramento.size() - 4);

  int x = 0, d[9];
  Abre_Para_Leitura(geren, Arquivo(), kMonitoramento);
  EXPECT_FALSE(geren->Le_Dados_Monit_Cons_HVAC(1, &x, &x, &x, d, nullptr, nullptr));
  EXPECT_FALSE(geren->Le_Dados_Monit_Cons_HVAC(1, &x, nullptr, &x, d, nullptr, nullptr));
  EXPECT_FALSE(geren->CarregaDadosRelatorioCab_HVAC(&x, &x, &x, nullptr));
  geren->Fecha_Todos();
  EXPECT_EQ(Texto_Gravado(geren, Arquivo(),
                          [&] {
                            EXPECT_FALSE(geren->SalvaDadosRelatorioCab_HVAC(1, 0, 1, nullptr));
                            EXPECT_FALSE(geren->Grava_Dados_Monit_Cons_HVAC(1, 0, 1, nullptr,
                                                                            nullptr, nullptr));
                          }),
            "");
  EXPECT_FALSE(geren->SalvaDadosRelatorioCab_HVAC(1, 0, 1, kDados));
}

}  // namespace
