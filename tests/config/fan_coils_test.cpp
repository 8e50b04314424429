// The fan-coil file: exact text of the edge cases, the tool's sample system
// read back into fresh objects, reading on past mismatches, and hostile
// input.
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/blocos.h"
#include "support/corte.h"
#include "support/fixture.h"
#include "support/texto_config.h"

namespace {

// "Nº" is written "N\xBA" (Windows-1252).

const std::string kNome19 = "Dormitorio 1 (sul) ";

// Fan coil 1 as built: no values, no parts, every controller without values.
const std::string kVazio =
    "\t[Fan-Coil 1]\n"
    "\t{Dados Gerais: 0.000000,0.000000,0.000000,0.000000,0.000000,0.000000,}\n"
    "\t{Config Gerais: 0,0,0,0,0,0,0,0,0,0,}\n\t\t[N\xBA Componentes = 0]\n"
    "\t[N\xBA Zonas = 0]\n\t[Horarios = 0]\n\t[Ativar Ventilacao = 0]\n"
    "\t[Controle Ventilacao = 0,0,0]\n\t[Horarios Ventilacao = 0]\n"
    "\t[Controle Aq = 2\t[Controle Resf = 2\t[Controle Umid = 2]\n"
    "\t[Controle Desumid = 2]\n\t[Controle Reaq = 2]\n\t[Controle Vent = 2]\n";

// The tool's sample fan coils: every component type, zones with on/off,
// open and PID controllers, schedules and ventilation.
const std::string kSistema = Texto_FanCoils_Exemplo();

using FanCoils = std::vector<std::unique_ptr<CFanCoil>>;

class FanCoilTest : public ArqauxTest {
 protected:
  std::string Arquivo() const { return Caminho("fancoils.txt"); }

  // The text of a system of these fan coils.
  std::string Grava(const FanCoils& f) {
    return Texto_Gravado(geren, Arquivo(), [&] {
      for (size_t i = 0; i < f.size(); ++i) {
        EXPECT_TRUE(geren->Grava_Dados_FanCoil(f[i].get(), static_cast<int>(i + 1),
                                               static_cast<int>(f.size())));
      }
    });
  }
  // Reads a system of stream 1, as the file's first reader does, into fresh
  // fan coils; false when the count or any fan coil fails.
  bool Le_Sistema(FanCoils* f) {
    const int n = geren->Le_Num_Reg_FanCoil(1);
    bool ok = n >= 0;
    for (int i = 0; i < n && ok; ++i) {
      f->push_back(std::make_unique<CFanCoil>());
      ok = geren->Le_Dados_FanCoil(1, f->back().get());
    }
    return ok;
  }
  bool Le_Sistema(const std::string& texto, FanCoils* f) {
    Abre_Para_Leitura(geren, Arquivo(), texto);
    const bool ok = Le_Sistema(f);
    geren->Fecha_Todos();
    return ok;
  }
};

TEST_F(FanCoilTest, SampleSystemReadsBackIntoFreshObjects) {
  FanCoils lidos;
  ASSERT_TRUE(Le_Sistema(kSistema, &lidos));
  ASSERT_EQ(lidos.size(), 2u);
  EXPECT_EQ(Grava(lidos), kSistema);
  // What the text does not show: positions, the PID's integration time, the
  // zones' names and numbers as the objects hold them.
  std::vector<int> posicoes;
  for (TComponente_HVAC* c : lidos[0]->R_Geren_Comp()->R_Componentes_Sist_Sec())
    posicoes.push_back(c->R_Posicao());
  EXPECT_EQ(posicoes, (std::vector<int>{0, 1, 2, 3}));
  std::string zonas;
  for (CZona_Sist_Sec* z : lidos[0]->R_Geren_Zonas()->R_Zonas_Sist_Sec())
    zonas += z->R_Nome_Zona() + " " + std::to_string(z->R_Num_Zona()) + ";";
  EXPECT_EQ(zonas, "Sala de estar 1;Cozinha 2;Quarto 3;");
  EXPECT_EQ(lidos[0]->R_Controle_AQ()->R_ContPid()->R_Parametro(3), 3600.0f);
}

// The count line goes before fan coil 1 only; an empty system is the count
// line alone. The count reader takes the count as written, -1 at the end of
// the file.
TEST_F(FanCoilTest, CountLine) {
  CFanCoil vazio;
  const struct {
    CFanCoil* fancoil;
    int numero, contagem;
    bool ok;
    std::string texto;
  } casos[] = {
      {nullptr, 0, 0, true, "[N\xBA Fancoils = 0]\n"},
      {&vazio, 4, 0, true, ""},
      {&vazio, 1, 3, true, "[N\xBA Fancoils = 3]\n" + kVazio},
      {nullptr, 1, 3, false, ""},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.texto);
    EXPECT_EQ(
        Texto_Gravado(
            geren, Arquivo(),
            [&] { EXPECT_EQ(geren->Grava_Dados_FanCoil(c.fancoil, c.numero, c.contagem), c.ok); }),
        c.texto);
  }
  const std::pair<std::string, int> lidos[] = {{"[N\xBA Fancoils=2147483647", 2147483647},
                                               {"", -1},
                                               {"[N\xBA Fanc", -1},
                                               {"\t[Fan-Coil 1]\n", 0}};
  for (const auto& [texto, contagem] : lidos) {
    Abre_Para_Leitura(geren, Arquivo(), texto);
    EXPECT_EQ(geren->Le_Num_Reg_FanCoil(1), contagem) << texto;
    geren->Fecha_Todos();
  }
  // Without a stream nothing is written and every writer fails.
  EXPECT_FALSE(geren->Grava_Dados_FanCoil(nullptr, 0, 0));
  EXPECT_FALSE(geren->Grava_Componentes_FanCoil(vazio.R_Geren_Comp()));
  EXPECT_FALSE(geren->Grava_Controle_FanCoil(&vazio));
  EXPECT_FALSE(geren->Le_Controle_FanCoil(&vazio));
  // A stream the caller closed is not reopened by the count reader (which
  // would find no count line there), and is by the fan-coil reader.
  Abre_Para_Leitura(geren, Arquivo(), kVazio);
  ASSERT_EQ(geren->Abre_Arquivo(Caminho("outro.txt").c_str(), "wb"), 2);
  geren->Fecha_Arquivo(1);
  EXPECT_EQ(geren->Le_Num_Reg_FanCoil(1), -1);
  EXPECT_TRUE(geren->Le_Dados_FanCoil(1, &vazio));
}

// The six fan-coil controller lines, from what follows each kind.
std::string Controles(const std::array<std::string, 6>& caudas) {
  const char* const kChaves[] = {"Aq", "Resf", "Umid", "Desumid", "Reaq", "Vent"};
  std::string texto;
  for (size_t k = 0; k < caudas.size(); ++k)
    texto += std::string("\t[Controle ") + kChaves[k] + " = " + caudas[k];
  return texto;
}

// Each controller line by kind, read into a fan coil whose controllers are
// all on/off (20, 1): the kinds without values there leave them as they are,
// and the ventilation differences go to the on/off settings already there.
TEST_F(FanCoilTest, ControllerLinesOfEveryKind) {
  const std::string kOn = "1,20.00,1.00]\n", kUm = "1,0,20.00,1.00]\n";
  const struct {
    std::function<void(CFanCoil*)> prepara;
    std::string texto, relido;
  } casos[] = {
      {[](CFanCoil* f) {
         *f->R_Controle_AQ() = TControle(0);
         f->R_Controle_VENT()->Cria_Controlador_OnOff(9, 9);
         f->R_Controle_VENT()->R_ContOnOff()->A_Dif_Ent_Vent(-1.5f);
       },
       Controles({"0]\n", "2", "2]\n", "2]\n", "2]\n", "1,0.00,-1.50]\n"}),
       Controles({kOn, kOn, kUm, kUm, kUm, "1,0.00,-1.50]\n"})},
      {[](CFanCoil* f) {
         f->R_Controle_AQ()->Cria_Controlador_OnOff_Temp_Umid(1, 2, 3, 4);
         f->R_Controle_RESF()->Cria_Controlador_OnOff(0.25f, -3);
         f->R_Controle_UM()->Cria_Controlador_PID(1, 2, 3, 4, 5);
         f->R_Controle_DU()->Cria_Controlador_OnOff(1, 45);
         f->R_Controle_DU()->A_Tipo_Controle_Umidade(-1);
         f->R_Controle_VENT()->Cria_Controlador_PID(1, 2, 3, 4, 5);
       },
       Controles({"5]\n", "1,-3.00,0.25]\n", "3]\n", "1,-1,45.00,1.00]\n", "2]\n", "3]\n"}),
       Controles({kOn, "1,-3.00,0.25]\n", kUm, "1,-1,45.00,1.00]\n", kUm, "1,0.00,0.00]\n"})},
  };
  auto grava = [&](CFanCoil* f) {
    return Texto_Gravado(geren, Arquivo(), [&] { EXPECT_TRUE(geren->Grava_Controle_FanCoil(f)); });
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.texto);
    CFanCoil escrito, lido;
    c.prepara(&escrito);
    EXPECT_EQ(grava(&escrito), c.texto);
    for (TControle* k : {lido.R_Controle_AQ(), lido.R_Controle_RESF(), lido.R_Controle_UM(),
                         lido.R_Controle_DU(), lido.R_Controle_RA(), lido.R_Controle_VENT()})
      k->Cria_Controlador_OnOff(1, 20);
    Abre_Para_Leitura(geren, Arquivo(), c.texto + "[Fim]");
    EXPECT_TRUE(geren->Le_Controle_FanCoil(&lido));
    EXPECT_EQ(Resto(geren), "[Fim]");
    geren->Fecha_Todos();
    EXPECT_EQ(grava(&lido), c.relido);
  }
}

// Component data in the shortest form come back as reals; codes without a
// class have no values, build nothing and still count in the positions.
TEST_F(FanCoilTest, ComponentBlocks) {
  TGeren_Componentes_HVAC g;
  g.Insere_Componente(new TResistenciaEletrica({0.5f, -2.25e10f, 7}, {}, 0));
  g.Insere_Componente(new TComponente_HVAC(7, {1, 2}, {3}, 1));
  g.Insere_Componente(new TComponente_HVAC(-1, {}, {}, 2));
  g.Insere_Componente(new TVentilador({1e-7f, 1e6f, 65536, 0.001f}, {-4, 2}, 6, 3));
  const std::string texto =
      Texto_Gravado(geren, Arquivo(), [&] { EXPECT_TRUE(geren->Grava_Componentes_FanCoil(&g)); });
  EXPECT_EQ(texto,
            "\t\t[N\xBA Componentes = 4]\n"
            "\t\t[Componente = 1]\t{Dados: 0.5,-2.25e+10,\t{Config: 0,}\n"
            "\t\t[Componente = 7]\t{Dados: \t{Config: }\n"
            "\t\t[Componente = -1]\t{Dados: \t{Config: }\n"
            "\t\t[Componente = 6]\t{Dados: 1e-07,1e+06,65536,0.001,0,\t{Config: -4,2,}\n");
  Abre_Para_Leitura(geren, Arquivo(), texto);
  TGeren_Componentes_HVAC lidos;
  EXPECT_TRUE(geren->Le_Componentes_FanCoil(&lidos));
  std::vector<std::array<int, 2>> tipo_posicao;
  std::vector<float> dados;
  for (TComponente_HVAC* c : lidos.R_Componentes_Sist_Sec()) {
    tipo_posicao.push_back({c->R_Tipo(), c->R_Posicao()});
    c->R_Dados(dados);
  }
  EXPECT_EQ(tipo_posicao, (std::vector<std::array<int, 2>>{{1, 0}, {6, 3}}));
  EXPECT_EQ(dados, (std::vector<float>{1e-7f, 1e6f, 65536, 0.001f, 0}));
  geren->Fecha_Todos();

  // The block reader's result, and what it builds, by block.
  const std::string um = "\t\t[Componente = 1]\t{Dados: 0.5,1,\t{Config: 2,}\n";
  const struct {
    std::string texto;
    bool alvo, ok;
    size_t construidos;
  } casos[] = {
      {"\t\t[N\xBA Componentes = 0]\n", false, true, 0},
      {"\t\t[N\xBA Componentes = 1]\n" + um, false, false, 0},
      {"\t\t[N\xBA Componentes = 1]\n" + um, true, true, 1},
      // One value short: still built, with the missing value 0.
      {"\t\t[N\xBA Componentes = 1]\n\t\t[Componente = 1]\t{Dados: 0.5,\t{Config: 2,}\n", true,
       false, 1},
      {"\t\t[N\xBA Componentes = 2]\n" + um, true, false, 1},
      {"\t\t[N\xBA Componentes = 2147483647]\n" + um, true, false, 0},
      {"\t\t[Componentes = 1]\n" + um, true, false, 0},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.texto);
    Abre_Para_Leitura(geren, Arquivo(), c.texto);
    TGeren_Componentes_HVAC m;
    EXPECT_EQ(geren->Le_Componentes_FanCoil(c.alvo ? &m : nullptr), c.ok);
    EXPECT_EQ(m.R_Componentes_Sist_Sec().size(), c.construidos);
    geren->Fecha_Todos();
  }
  EXPECT_FALSE(geren->Le_Componentes_FanCoil(&lidos));
}

// A fan coil read goes on past lines that do not match and reports at the
// end; it stops where a count cannot be right, before building for it.
TEST_F(FanCoilTest, ReadingOnAndStopping) {
  auto troca = [](std::string de, std::string para) {
    std::string t = kSistema;
    t.replace(t.find(de), de.size(), para);
    return t;
  };
  const std::string grande = "2147483647";
  const struct {
    std::string texto;
    bool ok;
    size_t componentes, zonas;
    bool ate_o_fim;  // the ventilation controller was read
  } casos[] = {
      {kSistema, true, 4, 3, true},
      {troca("0.125000,1000.000000,}", "0.125000,}"), false, 4, 3, true},
      {troca("45.000000,1.500000,}", "45.000000,}"), false, 4, 3, true},
      // Inside a component block a mismatch does not count.
      {troca("0.25,0.5,0.75,", "0.25,0.5,"), true, 4, 3, true},
      {troca("Zonas = 3", "Zonas = " + grande), false, 4, 0, false},
      {troca("Componentes = 4", "Componentes = " + grande), false, 0, 0, false},
      {troca("Componentes = 3", "Componentes = " + grande), false, 4, 1, false},
      // A name as long as its buffer holds reads; one longer fails the read
      // and is not kept cut.
      {troca("[Quarto]", "[" + kNome19 + "]"), true, 4, 3, true},
      {troca("[Quarto]", "[" + kNome19 + "x]"), false, 4, 3, false},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.texto);
    Abre_Para_Leitura(geren, Arquivo(), c.texto);
    ASSERT_EQ(geren->Le_Num_Reg_FanCoil(1), 2);
    CFanCoil f;
    EXPECT_EQ(geren->Le_Dados_FanCoil(1, &f), c.ok);
    geren->Fecha_Todos();
    EXPECT_EQ(f.R_Geren_Comp()->R_Componentes_Sist_Sec().size(), c.componentes);
    const std::list<CZona_Sist_Sec*> zonas = f.R_Geren_Zonas()->R_Zonas_Sist_Sec();
    EXPECT_EQ(zonas.size(), c.zonas);
    for (CZona_Sist_Sec* z : zonas) EXPECT_LT(z->R_Nome_Zona().size(), 20u);
    const TContOnOff* vent = f.R_Controle_VENT()->R_ContOnOff();
    EXPECT_EQ(vent != nullptr && vent->R_Dif_Ent_Vent() == 0.75f, c.ate_o_fim);
  }
}

// Names the reader would not take back whole are not written.
TEST_F(FanCoilTest, ZoneNamesThatCannotBeWritten) {
  for (const std::string& nome :
       {std::string(), kNome19 + "x", std::string("a]b"), std::string("a\0b", 3)}) {
    CFanCoil f;
    f.R_Geren_Zonas()->Insere_Zona(new CZona_Sist_Sec({}, {}, 1, nome));
    const std::string texto = Texto_Gravado(
        geren, Arquivo(), [&] { EXPECT_FALSE(geren->Grava_Dados_FanCoil(&f, 1, 1)); });
    EXPECT_EQ(texto.substr(texto.size() - 11), "Zonas = 1]\n");
  }
}

// Every prefix of the system fails, the last fan coil's closing line aside;
// the sanitizer build checks that no cut reads or writes out of bounds.
TEST_F(FanCoilTest, SystemCutAtEveryByte) {
  std::vector<bool> lidos = Corta_Em_Todo_Byte(geren, Arquivo(), kSistema, [&] {
    FanCoils f;
    return Le_Sistema(&f);
  });
  EXPECT_EQ(Le_Desde(lidos), kSistema.size() - 1);
}

}  // namespace
