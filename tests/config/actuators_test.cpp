// Actuator blocks of a zone: exact text of every actuator and controller kind,
// round trips, failures and hostile input.
#include <array>
#include <cstdio>
#include <functional>
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

// Ordinal and zone 9: the reader gives its own.
TResf_Evap_Asp* Novo_Resfriador(TIntervalos* horario) {
  return new TResf_Evap_Asp(horario, 9, 9, 30.0f, 1.5e-5f, 5.0f, 20.0f, 5e-5f, 1.5f, 4);
}

// One actuator of each kind, with the controllers each kind can hold.
void Preenche_Zona(TGeren_Atuadores* m, CGeren_Equip_HVAC* equip) {
  auto* aq = new TAquecedor(2, Horario({{1, 5, 8, 17, 0, 1800}}), 1500.0f, 1.2f, 1005.0f, 0.25f,
                            1.5f, 8.0f);
  aq->R_Controle()->Cria_Controlador_OnOff(1.0f, 24.0f);
  m->Insere_Atuadores(aq);
  auto* ar = new TArCondicionado(1, 7, 0, 1, 0, 1, 0, 1, 0.3f, 3516.5f, 0.75f, 0.19f, 12.5f,
                                 Horario({{1, 5, 8, 12, 0, 0}, {1, 5, 13, 18, 1800, 0}}));
  const float ct[6] = {0.5f, 0.25f, -0.125f, 1.0f, 0.0f, 2.5f};
  const float eer[6] = {1.5f, -0.5f, 0.0625f, 0.0f, 0.0f, 0.0f};
  const float cs[6] = {0.875f, 0.0f, 0.0f, 0.0f, 0.0f, -1.0f};
  ar->A_CONST_CT(ct);
  ar->A_CONST_EER(eer);
  ar->A_CONST_CS(cs);
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

const char* const kResfriador =
    "\t[Quantidade = 1]\n\t[" SEMI_ANGULO
    " = 30.00]\n"
    "\t[" VAZAO_AGUA
    " = 1.50000e-05]\n\t[Veloc gotas = 5.000000]\n\t[Temp inic. gotas = 20.00]\n"
    "\t[Raio inic. gotas = 5.00000e-05]\n\t[Veloc ar = 1.50]\n\t[Num asper = 4]\n";

const std::string kZonaCompleta =
    std::string(
        "[Zona = 3]\n[Numero de Atuadores = 6]\n"
        "[Atuador 1]\n\t[Tipo = 3]\n\t[Quantidade = 2]\n\t[Potencia Nominal = 1500.0]\n"
        "\t[Massa Especifica = 1.20]\n\t[Calor Especifico = 1005.00]\n\t[Volume = 0.250]\n"
        "\t[Area de Troca = 1.500]\n\t[Coef de Troca = 8.0]\n"
        "\t[Horarios = 1]\n\t\t[Horario 1 = (1,5,8:0->17:30)]\n\t[Controle = 1,24.00,1.00]\n"
        "[Atuador 2]\n\t[Tipo = 4]\n\t[Quantidade = 1]\n\t[Tipo Equip. = 1]\n"
        "\t[Carac Fisicas = 7]\n\t[Tipo Temperatura = 0]\n\t[Tipo Aquecimento = 1]\n"
        "\t[Tipo Condensador = 0]\n\t[Reg. Inmetro = 1]\n\t[Cond. Sombreado = 0]\n"
        "\t[Potencia = 3516.50]\n"
        "\t[Coef. = 0.500000,0.250000,-0.125000,1.000000,0.000000,2.500000]\n"
        "\t[EIR nominal = 0.300]\n"
        "\t[Coef. = 1.500000,-0.500000,0.062500,0.000000,0.000000,0.000000]\n"
        "\t[CS nominal = 0.750]\n"
        "\t[Coef. = 0.875000,0.000000,0.000000,0.000000,0.000000,-1.000000]\n"
        "\t[Vazao_Vol_Ar = 0.190]\n\t[Temp_Evap_AC = 12.500]\n\t[Horarios = 2]\n"
        "\t\t[Horario 1 = (1,5,8:0->12:0)]\n\t\t[Horario 2 = (1,5,13:30->18:0)]\n"
        // Kind 2 leaves its line open: the next ordinal follows on it.
        "\t[Controle = 2[Atuador 3]\n\t[Tipo = 5]\n\t[Quantidade = 1]\n\t[" NUM_FANCOIL
        " = 2]\n\t[Vazao Max Insuf = 0.350000]\n\t[Horarios = 0]\n"
        "[Atuador 4]\n\t[Tipo = 6]\n") +
    kResfriador +
    "\t[Horarios = 1]\n\t\t[Horario 1 = (1,7,0:0->23:59)]\n"
    "\t[Controle = 4,26.00,30.00,1.00,40.00,80.00,5.00,300,3600,600,7200]\n"
    "[Atuador 5]\n\t[Tipo = 9]\n\t[Quantidade = 3]\n"
    "[Atuador 6]\n\t[Tipo = 6]\n" +
    kResfriador + "\t[Horarios = 0]\n\t[Controle = 5,25.00,1.00,60.00,5.00]\n";

class AtuadoresTest : public ArqauxTest {
 protected:
  std::string Grava(TGeren_Atuadores* m, int zona = 3) {
    return Texto_Gravado(geren, Caminho("atuadores.txt"),
                         [&] { EXPECT_TRUE(geren->Grava_Climatizador_ZonaX(m, zona)); });
  }
  // Reads bytes as zone zona of the stream opened first (number 1).
  bool Le(const std::string& bytes, TGeren_Atuadores* m, int zona = 3) {
    Abre_Para_Leitura(geren, Caminho("leitura.txt"), bytes);
    return geren->Le_Climatizador_ZonaX(&equip, m, zona, 1);
  }
  static TAtuador* Atuador(TGeren_Atuadores* m, int i) {
    return m->R_Atuadores()->R_No(i)->R_Dado();
  }
  static int Quantos(TGeren_Atuadores* m) { return m->R_Atuadores()->Numero_Elementos(); }

  CGeren_Equip_HVAC equip;
};

TEST_F(AtuadoresTest, WritesEveryActuatorKindAndReadsItBack) {
  TGeren_Atuadores m;
  Preenche_Zona(&m, &equip);
  const std::string texto = Grava(&m);
  EXPECT_EQ(texto, kZonaCompleta);

  TGeren_Atuadores lidos;
  ASSERT_TRUE(Le(texto, &lidos));
  EXPECT_EQ(Resto(geren), "");
  ASSERT_EQ(Quantos(&lidos), 5);
  // What the text does not carry: the equipment manager of the fan-coil unit,
  // and the coolers' ordinal in the block and zone.
  auto* arc = dynamic_cast<TArCondicionadoC*>(Atuador(&lidos, 3));
  ASSERT_NE(arc, nullptr);
  EXPECT_EQ(arc->R_Geren_Equip_HVAC(), &equip);
  auto* r1 = dynamic_cast<TResf_Evap_Asp*>(Atuador(&lidos, 4));
  auto* r2 = dynamic_cast<TResf_Evap_Asp*>(Atuador(&lidos, 5));
  ASSERT_TRUE(r1 != nullptr && r2 != nullptr);
  EXPECT_EQ(r1->R_Ordem(), 1);
  EXPECT_EQ(r2->R_Ordem(), 2);
  EXPECT_EQ(r1->R_Zona(), 3);
  EXPECT_EQ(r2->R_Zona(), 3);

  // Everything else: what was read writes the same bytes again, the actuator
  // of type 9 aside, which is skipped.
  TGeren_Atuadores esperado;
  Preenche_Zona(&esperado, &equip);
  esperado.R_Atuadores()->Remove(Atuador(&esperado, 5), true);
  EXPECT_EQ(Grava(&lidos), Grava(&esperado));
}

// A null or empty manager writes the count alone; another zone's line is
// consumed and leaves the manager alone.
TEST_F(AtuadoresTest, BlocksThatReadNothing) {
  TGeren_Atuadores vazio;
  const std::string esperado = "[Zona = 4]\n[Numero de Atuadores = 0]\n";
  EXPECT_EQ(Grava(nullptr, 4), esperado);
  EXPECT_EQ(Grava(&vazio, 4), esperado);
  vazio.Insere_Atuadores(new TAtuador(9, 1, nullptr));
  EXPECT_FALSE(Le("[Zona = 3]\n[Numero de Atuadores = 0]\n", &vazio, 2));
  EXPECT_EQ(Quantos(&vazio), 1);
  EXPECT_EQ(Resto(geren), "[Numero de Atuadores = 0]\n");
}

// The control entries the full block does not hold: PID, PID on temperature
// and humidity, and the kinds each entry closes at once. The actuator read into
// already has an on/off controller, which a kind without values leaves alone.
TEST_F(AtuadoresTest, OtherControlEntries) {
  struct Caso {
    bool resfriador;
    std::function<void(TControle*)> prepara;
    const char* texto;
    const char* relido;  // written from the actuator read back; null: as texto
  };
  const char* const kOnOff = "\t[Controle = 1,20.00,1.00]\n";
  const Caso casos[] = {
      {false, [](TControle* c) { c->Cria_Controlador_PID(1, 2, 3, 3600, 22); },
       "\t[Controle = 3,22.00,1.00,2.00,3.00]\n", nullptr},
      {false, [](TControle*) {}, "\t[Controle = 2", kOnOff},
      {false, [](TControle* c) { c->Cria_Controlador_OnOff_Temp_Umid(1, 2, 3, 4); },
       "\t[Controle = 5]\n", kOnOff},
      {false, [](TControle* c) { *c = TControle(-7); }, "\t[Controle = -7]\n", kOnOff},
      {true, [](TControle* c) { c->Cria_Controlador_PID_Temp_Umid(0.5f, 0.25f, 0, 3600, 24, 60); },
       "\t[Controle = 6,24.00,60.00,0.50,0.25,0.00]\n", nullptr},
      {true, [](TControle*) {}, "\t[Controle = 2]\n", "\t[Controle = 1]\n"},
      {true, [](TControle* c) { c->Cria_Controlador_OnOff(5, 30); }, "\t[Controle = 1]\n", nullptr},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.texto);
    auto grava = [&](TAtuador* a) {
      return Texto_Gravado(geren, Caminho("controle.txt"), [&] {
        EXPECT_TRUE(caso.resfriador ? geren->Grava_Controle_Resf_Evap(a)
                                    : geren->Grava_Controle(a));
      });
    };
    TAtuador escrito(3, 1, nullptr);
    caso.prepara(escrito.R_Controle());
    const std::string texto = grava(&escrito);
    EXPECT_EQ(texto, caso.texto);

    TAtuador lido(3, 1, nullptr);
    lido.R_Controle()->Cria_Controlador_OnOff(1, 20);
    Abre_Para_Leitura(geren, Caminho("controle.txt"), texto + "[Atuador 2]\n");
    EXPECT_TRUE(caso.resfriador ? geren->Le_Controle_Resf_Evap(&lido) : geren->Le_Controle(&lido));
    EXPECT_EQ(Resto(geren), "[Atuador 2]\n");
    geren->Fecha_Todos();
    EXPECT_EQ(grava(&lido), caso.relido != nullptr ? caso.relido : caso.texto);
    if (const TContPID* pid = lido.R_Controle()->R_ContPid()) {
      EXPECT_EQ(pid->R_Parametro(3), 3600.0f);
    }
  }
}

// A block of three whose second record breaks off: the zone reader empties
// the manager, what it held before included; the block reader alone keeps
// the first record.
TEST_F(AtuadoresTest, BrokenSecondRecordResetsTheManager) {
  std::string texto = kZonaCompleta;
  texto.replace(texto.find("Atuadores = 6"), 13, "Atuadores = 3");
  texto.replace(texto.find("Fisicas = 7"), 11, "Fisicas = ?");
  TGeren_Atuadores destino;
  destino.Insere_Atuadores(new TAtuador(9, 1, nullptr));
  EXPECT_FALSE(Le(texto, &destino));
  EXPECT_EQ(Quantos(&destino), 0);
  geren->Fecha_Todos();

  Abre_Para_Leitura(geren, Caminho("bloco.txt"), texto.substr(texto.find('\n') + 1));
  EXPECT_FALSE(geren->Le_Climatizador(&equip, &destino, 3, 1));
  ASSERT_EQ(Quantos(&destino), 1);
  EXPECT_EQ(Atuador(&destino, 1)->R_Tipo(), 3);
}

TEST_F(AtuadoresTest, HostileInput) {
  // A count as large as an int holds, with one record.
  TGeren_Atuadores m;
  EXPECT_FALSE(
      Le("[Zona = 3]\n[Numero de Atuadores = 2147483647]\n[Atuador 1]\n\t[Tipo = 9]\n"
         "\t[Quantidade = 1]\n",
         &m));
  geren->Fecha_Todos();
  // The schedule's result is not looked at: a huge period count stops at the
  // first line that is not a period and the cooler keeps the period it got.
  // The number of sprays is scanned as a real.
  std::string texto = "[Zona = 3]\n[Numero de Atuadores = 1]\n[Atuador 1]\n\t[Tipo = 6]\n" +
                      std::string(kResfriador) +
                      "\t[Horarios = 2147483647]\n\t\t[Horario 1 = (1,2,3:4->5:6)]\n" +
                      "\t[Controle = 2]\n";
  texto.replace(texto.find("Num asper = 4"), 13, "Num asper = 1e1");
  ASSERT_TRUE(Le(texto, &m));
  EXPECT_EQ(Atuador(&m, 1)->R_Intervalos()->Numero_Intervalos(), 1);
  EXPECT_EQ(dynamic_cast<TResf_Evap_Asp*>(Atuador(&m, 1))->R_NumAsp(), 10);
}

// Every prefix of a zone's block fails, and empties the manager, until the
// value of the last checked line of the last record is in; after that the
// schedule and control entry are read without checks.
TEST_F(AtuadoresTest, BlockCutAtEveryByte) {
  const std::string& texto = kZonaCompleta;
  const size_t ultimo = texto.rfind("[Num asper = 4") + std::string("[Num asper = 4").size();
  std::vector<int> contagens;
  std::vector<bool> lidos = Corta_Em_Todo_Byte(geren, Caminho("corte.txt"), texto, [&] {
    TGeren_Atuadores m;
    bool ok = geren->Le_Climatizador_ZonaX(&equip, &m, 3, 1);
    contagens.push_back(Quantos(&m));
    return ok;
  });
  ASSERT_EQ(lidos.size(), texto.size() + 1);
  for (size_t n = 0; n < lidos.size(); ++n) {
    ASSERT_EQ(lidos[n], n >= ultimo) << "prefix of " << n << " bytes";
    ASSERT_EQ(contagens[n], n >= ultimo ? 5 : 0) << "prefix of " << n << " bytes";
  }
}

// The count and the first record come from the current stream; stream n is
// made current again before each later record, and a number outside
// 1..count leaves the current stream as it is.
TEST_F(AtuadoresTest, LaterRecordsComeFromStreamN) {
  auto registro = [](int i, const char* vazao) {
    return "[Atuador " + std::to_string(i) +
           "]\n\t[Tipo = 5]\n\t[Quantidade = 1]\n\t[" NUM_FANCOIL " = 1]\n\t[Vazao Max Insuf = " +
           std::string(vazao) + "]\n\t[Horarios = 0]\n";
  };
  const std::string bloco = "[Numero de Atuadores = 2]\n" + registro(1, "0.5") + registro(2, "0.5");
  struct Caso {
    int n;
    float segunda_vazao;  // 0.25 when the second record came from stream 2
    std::string resto_1;  // what the block left unread in stream 1
  } casos[] = {
      {1, 0.5f, ""}, {0, 0.5f, ""}, {-1, 0.5f, ""}, {3, 0.5f, ""}, {2, 0.25f, registro(2, "0.5")},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.n);
    Abre_Para_Leitura(geren, Caminho("bloco.txt"), bloco);
    Abre_Para_Leitura(geren, Caminho("outro.txt"), registro(2, "0.25"));
    geren->Muda_Arquivo(1);
    TGeren_Atuadores m;
    EXPECT_TRUE(geren->Le_Climatizador(&equip, &m, 3, caso.n));
    ASSERT_EQ(Quantos(&m), 2);
    EXPECT_EQ(dynamic_cast<TArCondicionadoC*>(Atuador(&m, 2))->R_Vazao_Max_Insuf(),
              caso.segunda_vazao);
    geren->Muda_Arquivo(1);
    EXPECT_EQ(Resto(geren), caso.resto_1);
    geren->Fecha_Todos();
  }
}

}  // namespace
