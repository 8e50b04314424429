// Interior surface temperature report: face names, the header with its face
// and column lines, data lines, and the copy of the data into the header.
#include <memory>
#include <string>
#include <vector>

#include "support/fixture.h"

namespace {

class SurfaceTemperaturesTest : public ArqauxTest {
 protected:
  // A face of zona's list: a wall at azimute, or its ceiling or floor, with
  // regions whose last node holds the temperatures given.
  TParede* Face(bool teto, bool piso, float azimute, double area,
                const std::vector<float>& superficies) {
    auto* face =
        faces.Adiciona(new TParede(teto ? &zona : nullptr, piso ? &zona : nullptr, azimute, area));
    for (float t : superficies) {
      ElementoTC* regiao = face->Adiciona_Regiao(3);
      regiao->Temperaturas[0] = -99.0f;
      regiao->Temperaturas[regiao->TotalNos()] = t;
    }
    return face;
  }
  std::string Nome(TParede* face) {
    std::string rotulo = "unchanged";
    geren->Nome_Ou_Angulo_Parede(&zona, face, rotulo);
    return rotulo;
  }

  TSuperficie zona, vizinha;
  TLista<TParede> faces{true};
};

TEST_F(SurfaceTemperaturesTest, FacesAreNamedBySlabOrCompassSector) {
  struct Caso {
    bool teto, piso;
    float azimute;
    const char* rotulo;
  };
  const Caso casos[] = {
      {true, true, 90, "Teto"},
      {false, true, 90, "Piso"},
      {false, false, 0, "Parede - Norte"},
      {false, false, 45.005f, "Parede - Nordeste"},
      {false, false, 45.02f, "Parede - 45 graus"},
      {false, false, 90.009f, "Parede - Leste"},
      {false, false, 134.99f, "Parede - Sudeste"},
      {false, false, 180, "Parede - Sul"},
      {false, false, 225, "Parede - Sudoeste"},
      {false, false, 270, "Parede - Oeste"},
      {false, false, 315, "Parede - Noroeste"},
      {false, false, 360, "Parede - 360 graus"},
      {false, false, -90, "Parede - -90 graus"},
      {false, false, 22.5f, "Parede - 22.5 graus"},
      {false, false, 1234.5f, "Parede - 1.23e+03 graus"},
      {false, false, 0.0125f, "Parede - 0.0125 graus"},
  };
  std::string obtidos, esperados;
  for (const Caso& c : casos) {
    obtidos += Nome(Face(c.teto, c.piso, c.azimute, 1, {})) + "\n";
    esperados += std::string(c.rotulo) + "\n";
  }
  // A slab of another zone is a wall of this one.
  TParede laje(&vizinha, &vizinha, 180, 1);
  obtidos += Nome(&laje) + "|" + Nome(nullptr);
  EXPECT_EQ(obtidos, esperados + "Parede - Sul|unchanged");
}

// A header, two data lines and the copy of the data stream into the header
// stream, against the text built from the faces' table.
TEST_F(SurfaceTemperaturesTest, ReportIsTheHeaderThenTheCopiedLines) {
  struct Linha_Face {
    bool teto, piso;
    float azimute;
    double area;
    std::vector<float> regioes;
    const char* rotulo;
  };
  const Linha_Face tabela[] = {
      {false, false, 0, 0.125000001, {21.5f, 22.25f, 23}, "Parede - Norte"},
      {false, true, 0, 20, {18.00005f}, "Piso"},
      {true, false, 0, 1234.5, {25.125f, -3}, "Teto"},
  };
  std::string cabecalho =
      "Temperatura da Superf\xED"
      "cie Interna das Paredes, Piso e Teto\n[Sala 1]\n"
      "[Inicio: 2/3 as 4:00:00 - Fim: 5/6 as 7:59:59 h]\n[Intervalo de Amostragem = 900 s]\n\n"
      "[N\xFAmero de Faces = 3]\n";
  std::string colunas = "\n[Data - Hora]\t";
  const char* const areas[] = {"0.13", "20.00", "1234.50"};
  const char* const valores[] = {"21.5000\t\t22.2500\t\t23.0000\t\t", "18.0000\t\t",
                                 "25.1250\t\t-3.0000\t\t"};
  std::string linha_valores;
  for (size_t i = 0; i < std::size(tabela); ++i) {
    const Linha_Face& f = tabela[i];
    Face(f.teto, f.piso, f.azimute, f.area, f.regioes);
    cabecalho +=
        "[Face " + std::to_string(i + 1) + " (" + f.rotulo + ") - \xC1rea:  " + areas[i] + "]\n";
    for (size_t r = 0; r < f.regioes.size(); ++r) colunas += "\tFace   " + std::to_string(i + 1);
    linha_valores += valores[i];
  }
  const std::string dados =
      "01/01 - 00:15:00\t" + linha_valores + "\n31/12 - 24:00:00\t" + linha_valores + "\n";

  const int texto = geren->Abre_Arquivo(Caminho("sup.txt").c_str(), "wt");
  const int linhas = geren->Abre_Arquivo(Caminho("sup.dat").c_str(), "wt");
  TTempo periodo[2] = {{4, 0, 3, 2, {}}, {7, 0, 6, 5, {}}};
  geren->Grava_Cabecalho_Temp_Interna_Parede(texto, "Sala 1", periodo, 900, &faces, &zona);
  char d1[] = "01/01", h1[] = "00:15:00", d2[] = "31/12", h2[] = "24:00:00";
  geren->Grava_Temp_Interna_Parede(linhas, d1, h1, &faces);
  geren->Grava_Temp_Interna_Parede(linhas, d2, h2, &faces);
  geren->Fecha_Todos();
  EXPECT_EQ(Le_Arquivo(Caminho("sup.txt")), cabecalho + colunas + "\n");
  EXPECT_EQ(Le_Arquivo(Caminho("sup.dat")), dados);

  // The copy starts where the source stands and appends, a block at a time.
  const std::string longo(70000, 'x');
  Escreve_Arquivo(Caminho("sup.dat"), "skip" + dados + longo);
  geren->Abre_Arquivo(Caminho("sup.txt").c_str(), "at");
  geren->Abre_Arquivo(Caminho("sup.dat").c_str(), "rt");
  std::fseek(geren->ObtemArquivo(), 4, SEEK_SET);
  geren->Salva_Texto_Temp_Interna_Parede(2, 2);
  geren->Salva_Texto_Temp_Interna_Parede(2, 3);
  geren->Salva_Texto_Temp_Interna_Parede(2, 1);
  geren->Fecha_Todos();
  EXPECT_EQ(Le_Arquivo(Caminho("sup.txt")), cabecalho + colunas + "\n" + dados + longo);
}

TEST_F(SurfaceTemperaturesTest, AnEmptyFaceListGivesTheCountAndTheDateOnly) {
  const int n = geren->Abre_Arquivo(Caminho("vazio.txt").c_str(), "wt");
  TTempo periodo[2] = {{0, 0, 1, 1, {}}, {23, 0, 12, 31, {}}};
  char data[] = "01/01", hora[] = "01:00:00";
  for (TLista<TParede>* lista : {&faces, static_cast<TLista<TParede>*>(nullptr)}) {
    geren->Grava_Cabecalho_Temp_Interna_Parede(n, "Z", periodo, 3600, lista, &zona);
    geren->Grava_Temp_Interna_Parede(n, data, hora, lista);
  }
  geren->Fecha_Todos();
  const std::string uma =
      "Temperatura da Superf\xED"
      "cie Interna das Paredes, Piso e Teto\n[Z]\n"
      "[Inicio: 1/1 as 0:00:00 - Fim: 31/12 as 23:59:59 h]\n[Intervalo de Amostragem = 3600 s]\n\n"
      "[N\xFAmero de Faces = 0]\n\n[Data - Hora]\t\n01/01 - 01:00:00\t\n";
  EXPECT_EQ(Le_Arquivo(Caminho("vazio.txt")), uma + uma);
}

}  // namespace
