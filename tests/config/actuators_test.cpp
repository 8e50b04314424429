// Actuator blocks of a zone: exact text of every actuator and controller kind,
// round trips, failures and hostile input.
#include <climits>
#include <cstdio>
#include <functional>
#include <random>
#include <string>

#include "support/corte.h"
#include "support/fixture.h"
#include "support/texto_config.h"

namespace {

// Keys with letters outside ASCII, in Windows-1252.
// (No escape here is followed by a hex digit.)
#define NUM_FANCOIL "N\xBA Fan Coil"
#define SEMI_ANGULO "Semi-\xE2ngulo"
#define VAZAO_AGUA "Vaz\xE3o \xE1gua"

TIntervalos* Horario(std::initializer_list<std::array<int, 6>> periodos) {
  auto* h = new TIntervalos;
  for (const auto& p : periodos)
    h->Adiciona_Intervalo(new TIntervalo(p[0], p[1], p[2], p[3], p[4], p[5]));
  return h;
}

TArCondicionado* Novo_ArCondicionado(TIntervalos* horario) {
  auto* ar =
      new TArCondicionado(1, 7, 0, 1, 0, 1, 0, 1, 0.3f, 3516.5f, 0.75f, 0.19f, 12.5f, horario);
  const float ct[6] = {0.5f, 0.25f, -0.125f, 1.0f, 0.0f, 2.5f};
  const float eer[6] = {1.5f, -0.5f, 0.0625f, 0.0f, 0.0f, 0.0f};
  const float cs[6] = {0.875f, 0.0f, 0.0f, 0.0f, 0.0f, -1.0f};
  ar->A_CONST_CT(ct);
  ar->A_CONST_EER(eer);
  ar->A_CONST_CS(cs);
  return ar;
}

TResf_Evap_Asp* Novo_Resfriador(TIntervalos* horario) {
  return new TResf_Evap_Asp(horario, 9, 9, 30.0f, 1.5e-5f, 5.0f, 20.0f, 5e-5f, 1.5f, 4);
}

// One actuator of each kind, with the controllers each kind can hold.
void Preenche_Zona(TGeren_Atuadores* m, CGeren_Equip_HVAC* equip) {
  auto* aq = new TAquecedor(2, Horario({{1, 5, 8, 17, 0, 1800}}), 1500.0f, 1.2f, 1005.0f, 0.25f,
                            1.5f, 8.0f);
  aq->R_Controle()->Cria_Controlador_OnOff(1.0f, 24.0f);
  m->Insere_Atuadores(aq);
  m->Insere_Atuadores(new TAquecedor(1, nullptr, 800, 1, 2, 3, 4, 5));
  auto* ar = Novo_ArCondicionado(Horario({{1, 5, 8, 12, 0, 0}, {1, 5, 13, 18, 1800, 0}}));
  ar->R_Controle()->Cria_Controlador_PID(0.5f, 0.01f, 0.0f, 3600.0f, 23.0f);
  m->Insere_Atuadores(ar);
  m->Insere_Atuadores(new TArCondicionadoC(equip, 2, 0.35f, new TIntervalos));
  auto* r1 = Novo_Resfriador(Horario({{1, 7, 0, 23, 0, 3540}}));
  r1->R_Controle()->Cria_Controlador_Automatico(26, 30, 1, 40, 80, 5, 300, 3600, 600, 7200);
  m->Insere_Atuadores(r1);
  m->Insere_Atuadores(new TAtuador(9, 3, new TIntervalos));
  auto* r2 = Novo_Resfriador(nullptr);
  r2->R_Controle()->Cria_Controlador_OnOff_Temp_Umid(1.0f, 25.0f, 5.0f, 60.0f);
  m->Insere_Atuadores(r2);
}

const char* const RESFRIADOR =
    "\t[Quantidade = 1]\n"
    "\t[" SEMI_ANGULO
    " = 30.00]\n"
    "\t[" VAZAO_AGUA
    " = 1.50000e-05]\n"
    "\t[Veloc gotas = 5.000000]\n"
    "\t[Temp inic. gotas = 20.00]\n"
    "\t[Raio inic. gotas = 5.00000e-05]\n"
    "\t[Veloc ar = 1.50]\n"
    "\t[Num asper = 4]\n";

const std::string ZONA_COMPLETA =
    std::string(
        "[Zona = 1]\n"
        "[Numero de Atuadores = 7]\n"
        "[Atuador 1]\n"
        "\t[Tipo = 3]\n"
        "\t[Quantidade = 2]\n"
        "\t[Potencia Nominal = 1500.0]\n"
        "\t[Massa Especifica = 1.20]\n"
        "\t[Calor Especifico = 1005.00]\n"
        "\t[Volume = 0.250]\n"
        "\t[Area de Troca = 1.500]\n"
        "\t[Coef de Troca = 8.0]\n"
        "\t[Horarios = 1]\n"
        "\t\t[Horario 1 = (1,5,8:0->17:30)]\n"
        "\t[Controle = 1,24.00,1.00]\n"
        "[Atuador 2]\n"
        "\t[Tipo = 3]\n"
        "\t[Quantidade = 1]\n"
        "\t[Potencia Nominal = 800.0]\n"
        "\t[Massa Especifica = 1.00]\n"
        "\t[Calor Especifico = 2.00]\n"
        "\t[Volume = 3.000]\n"
        "\t[Area de Troca = 4.000]\n"
        "\t[Coef de Troca = 5.0]\n"
        "\t[Horarios = 0]\n"
        // Kind 2 leaves its line open: the next ordinal follows on it.
        "\t[Controle = 2[Atuador 3]\n"
        "\t[Tipo = 4]\n"
        "\t[Quantidade = 1]\n"
        "\t[Tipo Equip. = 1]\n"
        "\t[Carac Fisicas = 7]\n"
        "\t[Tipo Temperatura = 0]\n"
        "\t[Tipo Aquecimento = 1]\n"
        "\t[Tipo Condensador = 0]\n"
        "\t[Reg. Inmetro = 1]\n"
        "\t[Cond. Sombreado = 0]\n"
        "\t[Potencia = 3516.50]\n"
        "\t[Coef. = 0.500000,0.250000,-0.125000,1.000000,0.000000,2.500000]\n"
        "\t[EIR nominal = 0.300]\n"
        "\t[Coef. = 1.500000,-0.500000,0.062500,0.000000,0.000000,0.000000]\n"
        "\t[CS nominal = 0.750]\n"
        "\t[Coef. = 0.875000,0.000000,0.000000,0.000000,0.000000,-1.000000]\n"
        "\t[Vazao_Vol_Ar = 0.190]\n"
        "\t[Temp_Evap_AC = 12.500]\n"
        "\t[Horarios = 2]\n"
        "\t\t[Horario 1 = (1,5,8:0->12:0)]\n"
        "\t\t[Horario 2 = (1,5,13:30->18:0)]\n"
        "\t[Controle = 3,23.00,0.50,0.01,0.00]\n"
        "[Atuador 4]\n"
        "\t[Tipo = 5]\n"
        "\t[Quantidade = 1]\n"
        "\t[" NUM_FANCOIL
        " = 2]\n"
        "\t[Vazao Max Insuf = 0.350000]\n"
        "\t[Horarios = 0]\n"
        "[Atuador 5]\n"
        "\t[Tipo = 6]\n") +
    RESFRIADOR +
    "\t[Horarios = 1]\n"
    "\t\t[Horario 1 = (1,7,0:0->23:59)]\n"
    "\t[Controle = 4,26.00,30.00,1.00,40.00,80.00,5.00,300,3600,600,7200]\n"
    "[Atuador 6]\n"
    "\t[Tipo = 9]\n"
    "\t[Quantidade = 3]\n"
    "[Atuador 7]\n"
    "\t[Tipo = 6]\n" +
    RESFRIADOR +
    "\t[Horarios = 0]\n"
    "\t[Controle = 5,25.00,1.00,60.00,5.00]\n";

class AtuadoresTest : public ArqauxTest {
 protected:
  std::string Grava(TGeren_Atuadores* m, int zona = 1) {
    return Texto_Gravado(geren, Caminho("atuadores.txt"),
                         [&] { EXPECT_TRUE(geren->Grava_Climatizador_ZonaX(m, zona)); });
  }
  // Reads bytes as zone zona of the stream opened first (number 1).
  bool Le(const std::string& bytes, TGeren_Atuadores* m, int zona = 1) {
    Abre_Para_Leitura(geren, Caminho("leitura.txt"), bytes);
    return geren->Le_Climatizador_ZonaX(&equip, m, zona, 1);
  }
  TAtuador* Atuador(TGeren_Atuadores* m, int i) { return m->R_Atuadores()->R_No(i)->R_Dado(); }

  CGeren_Equip_HVAC equip;
};

TEST_F(AtuadoresTest, WritesEveryActuatorKindAndReadsItBack) {
  TGeren_Atuadores m;
  Preenche_Zona(&m, &equip);
  const std::string texto = Grava(&m);
  EXPECT_EQ(texto, ZONA_COMPLETA);

  TGeren_Atuadores lidos;
  ASSERT_TRUE(Le(texto, &lidos));
  EXPECT_EQ(Resto(geren), "");
  // The actuator of type 9 is skipped.
  ASSERT_EQ(lidos.R_Atuadores()->Numero_Elementos(), 6);
  auto* aq = dynamic_cast<TAquecedor*>(Atuador(&lidos, 1));
  ASSERT_NE(aq, nullptr);
  EXPECT_EQ(aq->R_Quantidade(), 2);
  EXPECT_EQ(aq->R_Intervalos()->Numero_Intervalos(), 1);
  // The file keeps reference then hysteresis; the controller gets them swapped.
  EXPECT_EQ(aq->R_Controle()->R_Tipo_Controlador(), 1);
  EXPECT_EQ(aq->R_Controle()->R_ContOnOff()->R_Histerese(), 1.0f);
  EXPECT_EQ(aq->R_Controle()->R_ContOnOff()->R_Referencia(), 24.0f);
  EXPECT_EQ(Atuador(&lidos, 2)->R_Controle()->R_Tipo_Controlador(), 2);
  auto* ar = dynamic_cast<TArCondicionado*>(Atuador(&lidos, 3));
  ASSERT_NE(ar, nullptr);
  EXPECT_EQ(ar->R_CONST_EER()[1], -0.5f);
  EXPECT_EQ(ar->R_Controle()->R_ContPid()->R_Parametro(3), 3600.0f);
  auto* arc = dynamic_cast<TArCondicionadoC*>(Atuador(&lidos, 4));
  ASSERT_NE(arc, nullptr);
  EXPECT_EQ(arc->R_Geren_Equip_HVAC(), &equip);
  EXPECT_EQ(arc->R_Controle()->R_Tipo_Controlador(), TControle::TIPO_SEM_VALORES);
  // Evaporative coolers are numbered in the block from 1 and get the zone.
  auto* r1 = dynamic_cast<TResf_Evap_Asp*>(Atuador(&lidos, 5));
  auto* r2 = dynamic_cast<TResf_Evap_Asp*>(Atuador(&lidos, 6));
  ASSERT_TRUE(r1 != nullptr && r2 != nullptr);
  EXPECT_EQ(r1->R_Ordem(), 1);
  EXPECT_EQ(r2->R_Ordem(), 2);
  EXPECT_EQ(r2->R_Zona(), 1);
  EXPECT_EQ(r1->R_NumAsp(), 4);
  EXPECT_EQ(r1->R_Controle()->R_ContAutomatico()->R_Tempo_Max_OFF(), 7200);
  EXPECT_EQ(r2->R_Controle()->R_ContOnOff()->R_Histerese_2(), 5.0f);
  EXPECT_EQ(r2->R_Controle()->R_ContOnOff()->R_Referencia_2(), 60.0f);

  // The unknown type aside, what was read writes the same bytes again.
  TGeren_Atuadores esperado;
  Preenche_Zona(&esperado, &equip);
  esperado.R_Atuadores()->Remove(Atuador(&esperado, 6), true);
  EXPECT_EQ(Grava(&lidos), Grava(&esperado));
}

TEST_F(AtuadoresTest, NullAndEmptyManagersWriteTheCountAlone) {
  TGeren_Atuadores vazio;
  const std::string esperado = "[Zona = 4]\n[Numero de Atuadores = 0]\n";
  EXPECT_EQ(Grava(nullptr, 4), esperado);
  EXPECT_EQ(Grava(&vazio, 4), esperado);
  EXPECT_TRUE(Le(esperado + "[Zona = 5]\n", &vazio, 4));
  EXPECT_EQ(vazio.R_Atuadores()->Numero_Elementos(), 0);
  EXPECT_EQ(Resto(geren), "[Zona = 5]\n");
}

// Each controller kind on the entry that carries it, and the kinds an entry
// closes at once. Reading back gives the kind written when the entry carries
// it, and otherwise leaves the actuator's own controller (kind 2).
TEST_F(AtuadoresTest, ControlEntriesOfEveryKind) {
  struct Caso {
    bool resfriador;
    std::function<void(TControle*)> prepara;
    const char* texto;
    int tipo_lido;
  };
  const Caso casos[] = {
      {false, [](TControle* c) { c->Cria_Controlador_OnOff(0.5f, 21.0f); },
       "\t[Controle = 1,21.00,0.50]\n", 1},
      {false, [](TControle*) {}, "\t[Controle = 2", 2},
      {false, [](TControle* c) { c->Cria_Controlador_PID(1, 2, 3, 3600, 22); },
       "\t[Controle = 3,22.00,1.00,2.00,3.00]\n", 3},
      {false, [](TControle* c) { c->Cria_Controlador_OnOff_Temp_Umid(1, 2, 3, 4); },
       "\t[Controle = 5]\n", 2},
      {false, [](TControle* c) { *c = TControle(-7); }, "\t[Controle = -7]\n", 2},
      {true, [](TControle* c) { c->Cria_Controlador_PID_Temp_Umid(0.5f, 0.25f, 0, 3600, 24, 60); },
       "\t[Controle = 6,24.00,60.00,0.50,0.25,0.00]\n", 6},
      {true, [](TControle*) {}, "\t[Controle = 2]\n", 2},
      {true, [](TControle* c) { c->Cria_Controlador_OnOff(1, 20); }, "\t[Controle = 1]\n", 2},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.texto);
    TAtuador escrito(3, 1, nullptr);
    caso.prepara(escrito.R_Controle());
    std::string texto = Texto_Gravado(geren, Caminho("controle.txt"), [&] {
      EXPECT_TRUE(caso.resfriador ? geren->Grava_Controle_Resf_Evap(&escrito)
                                  : geren->Grava_Controle(&escrito));
    });
    EXPECT_EQ(texto, caso.texto);

    TAtuador lido(3, 1, nullptr);
    Abre_Para_Leitura(geren, Caminho("controle.txt"), texto + "[Atuador 2]\n");
    EXPECT_TRUE(caso.resfriador ? geren->Le_Controle_Resf_Evap(&lido) : geren->Le_Controle(&lido));
    EXPECT_EQ(lido.R_Controle()->R_Tipo_Controlador(), caso.tipo_lido);
    EXPECT_EQ(Resto(geren), "[Atuador 2]\n");
    geren->Fecha_Todos();
  }
  TAtuador lido(3, 1, nullptr);
  Abre_Para_Leitura(geren, Caminho("controle.txt"),
                    "\t[Controle = 6,24.00,60.00,0.50,0.25,0.00]\n");
  geren->Le_Controle_Resf_Evap(&lido);
  const TContPID* pid = lido.R_Controle()->R_ContPid();
  ASSERT_NE(pid, nullptr);
  EXPECT_EQ(pid->R_Referencia(), 24.0f);
  EXPECT_EQ(pid->R_Referencia_2(), 60.0f);
  EXPECT_EQ(pid->R_Parametro(1), 0.25f);
  EXPECT_EQ(pid->R_Parametro(3), 3600.0f);
}

// Random blocks over all kinds: write, read, write again gives the same bytes.
TEST_F(AtuadoresTest, GeneratedBlocksRoundTrip) {
  std::mt19937 gerador(20261205);
  auto inteiro = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(gerador); };
  auto real = [&](float a, float b) {
    return std::uniform_real_distribution<float>(a, b)(gerador);
  };
  auto horario = [&] {
    auto* h = new TIntervalos;
    for (int k = inteiro(0, 3); k > 0; --k) {
      h->Adiciona_Intervalo(new TIntervalo(inteiro(1, 9), inteiro(1, 9), inteiro(0, 23),
                                           inteiro(0, 23), 60 * inteiro(0, 59),
                                           60 * inteiro(0, 59)));
    }
    return h;
  };
  auto basico = [&](TControle* c) {
    int tipo = inteiro(1, 3);
    if (tipo == 1) c->Cria_Controlador_OnOff(real(0, 3), real(15, 30));
    if (tipo == 3) c->Cria_Controlador_PID(real(0, 2), real(0, 1), real(0, 1), 3600, real(15, 30));
  };
  int total = 0;
  for (int bloco = 0; bloco < 25; ++bloco) {
    TGeren_Atuadores m;
    for (int k = inteiro(0, 12); k > 0; --k, ++total) {
      TAtuador* a = nullptr;
      switch (inteiro(2, 7)) {
        case 3:
          a = new TAquecedor(inteiro(1, 5), horario(), real(0, 5000), real(0, 10), real(0, 5000),
                             real(0, 2), real(0, 10), real(0, 50));
          basico(a->R_Controle());
          break;
        case 4: {
          auto* ar = new TArCondicionado(inteiro(0, 3), inteiro(0, 40), inteiro(0, 1),
                                         inteiro(0, 2), inteiro(0, 1), inteiro(0, 1), inteiro(0, 1),
                                         inteiro(1, 4), real(0, 1), real(0, 9000), real(0, 1),
                                         real(0, 1), real(0, 20), horario());
          float coef[6];
          for (float& c : coef) c = real(-4, 4);
          ar->A_CONST_CT(coef);
          for (float& c : coef) c = real(-4, 4);
          ar->A_CONST_EER(coef);
          ar->A_CONST_CS(coef);
          basico(ar->R_Controle());
          a = ar;
          break;
        }
        case 5:
          a = new TArCondicionadoC(&equip, inteiro(1, 20), real(0, 4), horario());
          break;
        case 6: {
          a = new TResf_Evap_Asp(horario(), 0, 0, real(0, 90), real(1e-6f, 1e-3f), real(0, 4),
                                 real(0, 40), real(1e-6f, 1e-3f), real(0, 5), inteiro(1, 64));
          TControle* c = a->R_Controle();
          switch (inteiro(2, 6)) {
            case 4:
              c->Cria_Controlador_Automatico(real(15, 25), real(25, 35), real(0, 2), real(20, 50),
                                             real(50, 90), real(0, 10), inteiro(0, 9999),
                                             inteiro(0, 9999), inteiro(0, 9999), inteiro(0, 9999));
              break;
            case 5:
              c->Cria_Controlador_OnOff_Temp_Umid(real(0, 2), real(15, 30), real(0, 9),
                                                  real(30, 90));
              break;
            case 6:
              c->Cria_Controlador_PID_Temp_Umid(real(0, 2), real(0, 1), real(0, 1), 3600,
                                                real(15, 30), real(30, 90));
              break;
          }
          break;
        }
        default:
          a = new TAtuador(inteiro(-5, 2), inteiro(0, 9), nullptr);
      }
      m.Insere_Atuadores(a);
    }
    const int zona = inteiro(1, 99);
    const std::string texto = Grava(&m, zona);
    TGeren_Atuadores lidos;
    ASSERT_TRUE(Le(texto, &lidos, zona)) << texto;
    EXPECT_EQ(Resto(geren), "");
    geren->Fecha_Todos();
    // Types without a model of their own are not rebuilt.
    for (int i = m.R_Atuadores()->Numero_Elementos(); i >= 1; --i) {
      TAtuador* a = Atuador(&m, i);
      if (a->R_Tipo() < 3 || a->R_Tipo() > 6) m.R_Atuadores()->Remove(a, true);
    }
    EXPECT_EQ(Grava(&lidos, zona), Grava(&m, zona));
  }
  EXPECT_GT(total, 100);
}

TEST_F(AtuadoresTest, ZoneMismatchLeavesTheManagerAlone) {
  TGeren_Atuadores m;
  m.Insere_Atuadores(new TAtuador(9, 1, nullptr));
  EXPECT_FALSE(Le("[Zona = 3]\n[Numero de Atuadores = 0]\n", &m, 2));
  EXPECT_EQ(m.R_Atuadores()->Numero_Elementos(), 1);
  EXPECT_EQ(Resto(geren), "[Numero de Atuadores = 0]\n");
}

// A block of three whose second record breaks off: the zone reader empties
// the manager, what it held before included; the block reader alone keeps
// the first record.
TEST_F(AtuadoresTest, BrokenSecondRecordResetsTheManager) {
  TGeren_Atuadores m;
  Preenche_Zona(&m, &equip);
  std::string texto = Grava(&m);
  texto.replace(texto.find("[Numero de Atuadores = 7]"), 25, "[Numero de Atuadores = 3]");
  texto.replace(texto.find("800.0]"), 6, "800.0 ]");
  TGeren_Atuadores destino;
  destino.Insere_Atuadores(new TAtuador(9, 1, nullptr));
  EXPECT_FALSE(Le(texto, &destino));
  EXPECT_EQ(destino.R_Atuadores()->Numero_Elementos(), 0);
  geren->Fecha_Todos();

  Abre_Para_Leitura(geren, Caminho("bloco.txt"), texto.substr(texto.find('\n') + 1));
  EXPECT_FALSE(geren->Le_Climatizador(&equip, &destino, 1, 1));
  ASSERT_EQ(destino.R_Atuadores()->Numero_Elementos(), 1);
  EXPECT_EQ(Atuador(&destino, 1)->R_Tipo(), 3);
}

TEST_F(AtuadoresTest, CountsBelowOneReadNothing) {
  TGeren_Atuadores m;
  EXPECT_TRUE(Le("[Zona = 1]\n[Numero de Atuadores = -4]\n[Atuador 1]\n", &m));
  EXPECT_EQ(m.R_Atuadores()->Numero_Elementos(), 0);
  EXPECT_EQ(Resto(geren), "[Atuador 1]\n");
  geren->Fecha_Todos();
  // A negative schedule count is an empty schedule; the record reads on.
  const std::string texto = std::string("[Zona = 1]\n[Numero de Atuadores = 1]\n[Atuador 1]\n") +
                            "\t[Tipo = 6]\n" + RESFRIADOR + "\t[Horarios = -1]\n\t[Controle = 2]\n";
  EXPECT_TRUE(Le(texto, &m));
  ASSERT_EQ(m.R_Atuadores()->Numero_Elementos(), 1);
  EXPECT_EQ(Atuador(&m, 1)->R_Intervalos()->Numero_Intervalos(), 0);
}

TEST_F(AtuadoresTest, HostileInputFailsCleanly) {
  const std::string cabeca = "[Zona = 1]\n[Numero de Atuadores = 1]\n[Atuador 1]\n";
  const std::string comum = cabeca + "\t[Tipo = 6]\n" + RESFRIADOR;
  const std::string casos[] = {
      // Counts as large as an int holds, with one record or one period.
      "[Zona = 1]\n[Numero de Atuadores = 2147483647]\n[Atuador 1]\n\t[Tipo = 9]\n"
      "\t[Quantidade = 1]\n",
      // A key without its closing bracket, then end of file.
      cabeca + "\t[Tipo = 3",
      cabeca + "\t[Tipo = 3" + std::string(10000, ' ') + "x",
      // A key of 10,000 characters.
      cabeca + "\t[" + std::string(10000, 'T') + " = 3]\n",
  };
  for (const std::string& texto : casos) {
    TGeren_Atuadores m;
    EXPECT_FALSE(Le(texto, &m)) << texto.substr(0, 80);
    EXPECT_EQ(m.R_Atuadores()->Numero_Elementos(), 0);
    geren->Fecha_Todos();
  }
  // A huge schedule count stops at the first line that is not a period; the
  // cooler keeps the period it got. Sprays given as nan or out of the int
  // range are clamped.
  TGeren_Atuadores m;
  std::string texto = comum + "\t[Horarios = 2147483647]\n\t\t[Horario 1 = (1,2,3:4->5:6)]\n" +
                      "\t[Controle = 2]\n";
  ASSERT_TRUE(Le(texto, &m));
  EXPECT_EQ(Atuador(&m, 1)->R_Intervalos()->Numero_Intervalos(), 1);
  geren->Fecha_Todos();
  for (const char* aspersores : {"nan", "1e30", "-1e30"}) {
    TGeren_Atuadores r;
    texto = comum + "\t[Horarios = 0]\n\t[Controle = 2]\n";
    texto.replace(texto.find("Num asper = 4"), 13, std::string("Num asper = ") + aspersores);
    ASSERT_TRUE(Le(texto, &r)) << aspersores;
    const int esperado = aspersores[0] == 'n' ? 0 : aspersores[0] == '1' ? INT_MAX : INT_MIN;
    EXPECT_EQ(dynamic_cast<TResf_Evap_Asp*>(Atuador(&r, 1))->R_NumAsp(), esperado);
    geren->Fecha_Todos();
  }
}

// Every prefix of a zone's block fails, and empties the manager, until the
// last checked line of the last record is complete; after that the schedule
// and control entry are read without checks.
TEST_F(AtuadoresTest, BlockCutAtEveryByte) {
  const std::string& texto = ZONA_COMPLETA;
  const size_t ultimo = texto.rfind("[Num asper = 4]") + std::string("[Num asper = 4]").size();
  std::vector<int> contagens;
  std::vector<bool> lidos = Corta_Em_Todo_Byte(geren, Caminho("corte.txt"), texto, [&] {
    TGeren_Atuadores m;
    bool ok = geren->Le_Climatizador_ZonaX(&equip, &m, 1, 1);
    contagens.push_back(m.R_Atuadores()->Numero_Elementos());
    return ok;
  });
  ASSERT_EQ(lidos.size(), texto.size() + 1);
  for (size_t n = 0; n < lidos.size(); ++n) {
    ASSERT_EQ(lidos[n], n >= ultimo) << "prefix of " << n << " bytes";
    ASSERT_EQ(contagens[n], n >= ultimo ? 6 : 0) << "prefix of " << n << " bytes";
  }
}

TEST_F(AtuadoresTest, NoStreamOrNoManager) {
  TGeren_Atuadores m;
  EXPECT_FALSE(geren->Grava_Climatizador(&m));
  EXPECT_FALSE(geren->Le_Climatizador(&equip, &m, 1, 1));
  Abre_Para_Leitura(geren, Caminho("vazio.txt"), "[Zona = 1]\n[Numero de Atuadores = 0]\n");
  EXPECT_FALSE(geren->Le_Climatizador_ZonaX(&equip, nullptr, 1, 1));
  EXPECT_FALSE(geren->Le_Climatizador_ZonaX(&equip, &m, 1, 2));
  EXPECT_FALSE(geren->Le_Controle(nullptr));
}

}  // namespace
