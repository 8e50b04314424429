// Load and gain streams: headers and legends compared whole, data lines
// column by column, lines read back, and the copy into a stream with a
// preamble.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "support/fixture.h"
#include "support/relatorios.h"

namespace {

// The documented legend: 17 lines of a sensible column and its latent twin,
// the same words with "latente" for "sensível"; the total; 3 more lines for
// the load streams.
const char* const kSensiveis[] = {
    "Trans_Par_S   = Transmissão de calor sensível nas paredes              ; ",
    "Trans_Vid_S   = Transmissão de calor sensível nos vidros               ; ",
    "Trans_Por_S   = Transmissão de calor sensível nas portas               ; ",
    "Trans_Tet_S   = Transmissão de calor sensível no teto                  ; ",
    "Trans_Pis_S   = Transmissão de calor sensível no piso                  ; ",
    "Trans_Mob_S   = Transmissão de calor sensível nas mobílias             ; ",
    "Ganho_Equ_S   = Ganho interno de calor sensível pelos equipamentos     ; ",
    "Ganho_Pes_S   = Ganho interno de calor sensível pelas pessoas          ; ",
    "Ganho_Ilu_S   = Ganho interno de calor sensível pela iluminação        ; ",
    "Ganho_GVP_S   = Ganho interno de calor sensível pela geração de vapor  ; ",
    "Ganho_Inf_S   = Ganho interno de calor sensível por infiltração        ; ",
    "Ganho_VForc_S = Ganho interno de calor sensível pela ventilação forçada; ",
    "Ganho_VNat_S  = Ganho interno de calor sensível pela ventilação natural; ",
    "Ganho_Aquec_S = Ganho interno de calor sensível pelo sistema de climatização de aquecimento "
    "(W);  ",
    "Ganho_Resf_S  = Ganho interno de calor sensível pelo sistema de climatização de resfriamento "
    "(W); ",
    "Rad_Jan_S     = Ganho solar sensível por radiação nas janelas de vidro ; ",
    "Tot_Edif_S    = Somatório do ganhos de calor sensível da edificação    ; "};
const std::string kLegenda_Fim =
    "Tot_Edif_T    = Somatório do ganhos de calor sensível e latente da edificação;\n";
const std::string kLegenda_Zona =
    "FCS_Zona      = Fator de calor sensível da zona; Temp_Zona   = Temperatura interna da zona; "
    "Umi_Rel_Zona  = Umidade relativa da zona;\n"
    "Umi_Ab_Zona   = Umidade absoluta da zona       ; Temp_Ext    = Temperatura externa        ; "
    "Umi_Rel_Ext   = Umidade relativa externa;\n"
    "Umi_Ab_Ext    = Umidade absoluta externa       ;\n";

std::string Legenda(bool carga) {
  const std::string sensivel = "sensível";
  std::string s;
  for (const std::string linha : kSensiveis) {
    std::string latente = linha.substr(0, linha.find_last_not_of(' ') + 1);
    latente.replace(latente.find("_S "), 2, "_L")
        .replace(latente.find(sensivel), sensivel.size(), "latente");
    s += linha + latente + "\n";
  }
  return s + kLegenda_Fim + (carga ? kLegenda_Zona : "");
}
const std::string kTitulos =
    "[Data - Hora]      Trans_Par_S\t Trans_Vid_S\t Trans_Por_S\t Trans_Tet_S\t Trans_Pis_S\t "
    "Trans_Mob_S\t Ganho_Equ_S\t Ganho_Pes_S\t Ganho_Ilu_S\t Ganho_GV_S\t Ganho_Inf_S\t "
    "Rad_Jan_S\t "
    "Ganho_VForc_S\t Ganho_VNat_S\t Ganho_Aquec_S\t Ganho_Resf_S\t Tot_Edif_S\t"
    " Trans_Par_L\t Trans_Vid_L\t Trans_Por_L\t Trans_Tet_L\t Trans_Pis_L\t Trans_Mob_L\t "
    "Ganho_Equ_L\t Ganho_Pes_L\t Ganho_Ilu_L\t Ganho_GV_L\t Ganho_Inf_L\t Rad_Jan_L\t "
    "Ganho_VForc_L\t Ganho_VNat_L\t Ganho_Aquec_L\t Ganho_Resf_L\t Tot_Edif_L\t Tot_Edif_T\t";
const std::string kTitulos_Zona =
    " FCS_Zona\t Temp_Zona\t Umi_Rel_Zona\t Umi_Ab_Zona\t Temp_Ext\t Umi_Rel_Ext\t Umi_Ab_Ext\n";

struct Tipo {
  int codigo;
  const char* rotulo;
  bool carga;
};
const Tipo kTipos[] = {{2, "[Carga Témica de Inverno]", true},
                       {3, "[Carga Témica de Verão]", true},
                       {8, "Ganho Térmico W", false},
                       {5, "", false}};

std::string Titulos(bool carga) { return kTitulos + (carga ? kTitulos_Zona : "\n"); }

std::string Preambulo(const Tipo& t) {
  std::string s = "[Sala 3]\n" + std::string(t.rotulo) +
                  "\n[Inicio: 2/1 as 3:00:00 - Fim: 30/11 as 22:59:59 h]\n"
                  "[Intervalo de Amostragem = 600 s]\n\n";
  return Cp1252(s + Legenda(t.carga) + "\n");
}

// A balance and a zone record of distinct values, some negative; the
// absolute humidities (zone 8 and 11) have five significant decimals.
struct Passo {
  float balanco[32], zona[18];
  Passo(int k) {
    for (int i = 0; i < 32; ++i) balanco[i] = (i % 3 == 0 ? -1 : 1) * (i * 1.25f + k);
    for (int i = 0; i < 18; ++i) zona[i] = i * 10.5f + k;
    zona[8] = 3.14159f + k, zona[11] = 0.01234f;
  }
};

// The documented line: the date and time, then per column its value and
// format, in the documented column order.
std::string Linha(const char* data, const char* hora, const Passo& p, bool carga,
                  const float totais[3]) {
  std::vector<std::pair<float, const char*>> colunas;
  const char* kDuas = "%07.2f\t ";
  for (int i = 0; i < 32; i += 2) colunas.push_back({p.balanco[i], kDuas});
  colunas.push_back({carga ? p.zona[3] : totais[0], kDuas});
  for (int i = 1; i < 32; i += 2) colunas.push_back({p.balanco[i], kDuas});
  if (carga) {
    for (int i : {4, 17, 5, 6, 7, 8, 9, 10, 11}) {
      colunas.push_back({p.zona[i], i == 8 || i == 11 ? "%07.5f\t " : kDuas});
    }
  } else {
    colunas.push_back({totais[1], kDuas});
    colunas.push_back({totais[2], kDuas});
  }
  std::string s = std::string(data) + " - " + hora + "   ";
  char buf[64];
  for (const auto& [v, formato] : colunas) {
    std::snprintf(buf, sizeof buf, formato, v);
    s += buf;
  }
  return s + "\n";
}

class LoadStreamsTest : public ArqauxTest {
 protected:
  // Writes a stream of kind t: its header, then passos lines.
  std::string Escreve(const Tipo& t, bool preambulo, int passos, const std::string& nome) {
    const int n = geren->Abre_Arquivo(Caminho(nome).c_str(), "wb");
    EXPECT_GT(geren->Grava_Cabecalho_Carga_Termica(n, preambulo, t.codigo, "Sala 3", periodo, 600),
              0);
    std::string esperado = (preambulo ? Preambulo(t) : "") + Titulos(t.carga);
    for (int k = 0; k < passos; ++k) {
      const Passo p(k);
      const float totais[3] = {k + 0.5f, k - 7.25f, 12.5f * k};
      if (t.carga) {
        EXPECT_TRUE(geren->Grava_Carga_Termica(n, "01/02", "10:20:30", p.balanco, p.zona));
      } else {
        EXPECT_TRUE(geren->Grava_Ganho_Termico(n, "01/02", "10:20:30", p.balanco, totais[2],
                                               totais[0], totais[1]));
      }
      esperado += Linha("01/02", "10:20:30", p, t.carga, totais);
    }
    geren->Fecha_Arquivo(n);
    return esperado;
  }
  TTempo periodo[2] = {{3, 0, 1, 2, {}}, {22, 0, 11, 30, {}}};
};

// Streams with and without the preamble are the documented text, lines in
// the documented column order and formats ("%07.2f": 0012.50, -012.50;
// humidities "%07.5f"). The copy of a stream written without preamble onto
// one with it is the stream written with it; it ends at the end of the source
// (false), an empty source at once.
TEST_F(LoadStreamsTest, StreamsAreTheDocumentedTextAndCopyEveryLine) {
  for (const Tipo& t : kTipos) {
    for (int passos : {0, 1, 4}) {
      SCOPED_TRACE(std::to_string(t.codigo) + " x" + std::to_string(passos));
      const std::string sem = Escreve(t, false, passos, "origem.txt");
      const std::string esperado = Escreve(t, true, passos, "esperado.txt");
      EXPECT_EQ(Le_Arquivo(Caminho("origem.txt")), sem);
      EXPECT_EQ(Le_Arquivo(Caminho("esperado.txt")), esperado);
      const int origem = geren->Abre_Arquivo(Caminho("origem.txt").c_str(), "rb");
      const int destino = geren->Abre_Arquivo(Caminho("destino.txt").c_str(), "wb");
      geren->Grava_Cabecalho_Carga_Termica(destino, true, t.codigo, "Sala 3", periodo, 600);
      EXPECT_FALSE(geren->Salva_Carga_Termica_Texto(t.codigo, origem, destino, nullptr));
      geren->Fecha_Todos();
      EXPECT_EQ(Le_Arquivo(Caminho("destino.txt")), esperado);
    }
  }
}

// The title reader: 1 for titles that match (a gain's titles are the start
// of a load's), 0 for others, -1 at the end; the line reader stores each value where the writer
// took it from and is false only at the end, even past a malformed value.
TEST_F(LoadStreamsTest, ReadersPutValuesBackInPlace) {
  struct Caso {
    int escrito, lido, titulos, depois;
  } const kCasos[] = {{2, 2, 1, -1}, {2, 8, 1, 0}, {8, 8, 1, -1}, {8, 3, -1, -1}, {5, 8, 1, -1}};
  for (const Caso& c : kCasos) {
    Escreve(c.escrito == 8 ? kTipos[2] : c.escrito == 5 ? kTipos[3] : kTipos[0], false, 0, "t.txt");
    const int n = geren->Abre_Arquivo(Caminho("t.txt").c_str(), "rb");
    EXPECT_EQ(geren->Le_Cabecalho_Carga_Termica(n, c.lido), c.titulos) << c.escrito << c.lido;
    EXPECT_EQ(geren->Le_Cabecalho_Carga_Termica(n, c.lido), c.depois);
    geren->Fecha_Todos();
  }
  const Passo p(2);
  Escreve_Arquivo(Caminho("l.txt"),
                  Linha("01/02", "10:20:30", p, true, nullptr) +
                      Linha("03/04", "05:06:07", p, true, nullptr).replace(30, 1, "x"));
  const int n = geren->Abre_Arquivo(Caminho("l.txt").c_str(), "rb");
  char data[8], hora[12];
  float balanco[32], zona[18] = {}, totais[3];
  ASSERT_TRUE(geren->Le_Carga_Termica(n, data, hora, balanco, zona));
  EXPECT_EQ(std::string(data) + " " + hora, "01/02 10:20:30");
  for (int i = 0; i < 32; ++i) EXPECT_FLOAT_EQ(balanco[i], std::round(p.balanco[i] * 100) / 100);
  for (int i : {3, 4, 5, 6, 7, 9, 10, 17}) EXPECT_FLOAT_EQ(zona[i], p.zona[i]) << i;
  EXPECT_FLOAT_EQ(zona[8], 5.14159f);
  for (int i : {0, 1, 2, 12, 16}) EXPECT_EQ(zona[i], 0.0f) << "the caller's " << i;
  EXPECT_TRUE(geren->Le_Ganho_Termico(n, data, hora, balanco, totais));
  EXPECT_EQ(std::string(data), "03/04");
  int linhas = 0;
  while (geren->Le_Ganho_Termico(n, data, hora, balanco, totais) && linhas < 100) ++linhas;
  EXPECT_LT(linhas, 100) << "a malformed line never ends the reading";
  EXPECT_FALSE(geren->Le_Carga_Termica(n, data, hora, balanco, zona));
}

}  // namespace
