// The copy of a load or gain stream into its report, which scans lines in
// memory, against the documented loop of the public reader and writer: the
// same text whatever a line holds, and wherever the copy's blocks of text
// cut it.
#include <cstdio>
#include <string>
#include <vector>

#include "support/fixture.h"

namespace {

class CopiaCargaTest : public ArqauxTest {
 protected:
  // Titles, then linhas lines of the writer, of varied values.
  std::string Fonte(int tipo, int linhas) {
    const int n = geren->Abre_Arquivo(Caminho("f.txt").c_str(), "wb");
    geren->Grava_Cabecalho_Carga_Termica(n, false, tipo, "", nullptr, 0);
    float balanco[32], zona[18];
    for (int i = 0; i < linhas; ++i) {
      for (int k = 0; k < 32; ++k)
        balanco[k] = static_cast<float>((i * 37 + k * 11) % 997) - 450.5f;
      for (int k = 0; k < 18; ++k) zona[k] = static_cast<float>((i + k) % 50) / 3.0f;
      const std::string hora = std::to_string(10 + i % 14) + ":00:00";
      if (tipo == 8) {
        geren->Grava_Ganho_Termico(n, "01/02", hora.c_str(), balanco, zona[0], zona[1], zona[2]);
      } else {
        geren->Grava_Carga_Termica(n, "01/02", hora.c_str(), balanco, zona);
      }
    }
    geren->Fecha_Todos();
    return Le_Arquivo(Caminho("f.txt"));
  }
  // The report of the source text after a preamble: the library's copy, or
  // the documented loop.
  std::string Copia(int tipo, const std::string& fonte, bool documentada) {
    Escreve_Arquivo(Caminho("o.txt"), fonte);
    const int o = geren->Abre_Arquivo(Caminho("o.txt").c_str(), "rb");
    const int d = geren->Abre_Arquivo(Caminho("d.txt").c_str(), "wb");
    TTempo periodo[2] = {TTempo(), TTempo()};
    geren->Grava_Cabecalho_Carga_Termica(d, true, tipo, "Sala", periodo, 600);
    if (!documentada) {
      EXPECT_FALSE(geren->Salva_Carga_Termica_Texto(tipo, o, d, nullptr));
    } else if (geren->Le_Cabecalho_Carga_Termica(o, tipo) != -1) {
      char data[8] = "", hora[12] = "";
      float b[32] = {}, e[18] = {};
      while (tipo == 8 ? geren->Le_Ganho_Termico(o, data, hora, b, e)
                       : geren->Le_Carga_Termica(o, data, hora, b, e)) {
        if (tipo == 8) {
          geren->Grava_Ganho_Termico(d, data, hora, b, e[2], e[0], e[1]);
        } else {
          geren->Grava_Carga_Termica(d, data, hora, b, e);
        }
      }
    }
    geren->Fecha_Todos();
    return Le_Arquivo(Caminho("d.txt"));
  }
};

TEST_F(CopiaCargaTest, CopyIsTheDocumentedLoopsWhateverALineHolds) {
  // What replaces the first antes of one line (its date, its time, the end
  // of its first value).
  struct Caso {
    const char* descricao;
    const char* antes;
    const char* depois;
  } const kCasos[] = {
      {"as written", "", ""},
      {"an exponent, infinity, not a number", "\t ", "\t 1e2\t inf\t -nan\t "},
      {"a value that does not scan", "\t ", "\t x"},
      {"a value glued to text", "\t ", "abc\t "},
      {"values split over lines", "\t ", "\n\n"},
      {"a date too long for its buffer", "01/02 -", "01/02/2024 -"},
      {"no dash", "01/02 -", "01/02 +"},
      {"a time too long for its buffer", ":00:00", ":00:00.000000"},
  };
  for (int tipo : {3, 8}) {
    const std::string fonte = Fonte(tipo, 400);  // past two blocks of text
    ASSERT_GT(fonte.size(), 2u * 64 * 1024);
    for (const Caso& c : kCasos) {
      // The odd line first, near the end of the first block, and last.
      for (size_t alvo : {fonte.find('\n') + 1, size_t{64 * 1024 - 200}, fonte.size() - 400}) {
        std::string texto = fonte;
        const size_t linha = texto.rfind('\n', alvo) + 1;
        const size_t em = *c.antes == '\0' ? linha : texto.find(c.antes, linha);
        texto.replace(em, std::string(c.antes).size(), c.depois);
        const std::string documentada = Copia(tipo, texto, true);
        EXPECT_EQ(documentada, Copia(tipo, texto, false)) << c.descricao << " at " << alvo;
        EXPECT_GT(documentada.size(), fonte.size()) << c.descricao;
      }
    }
    // A value written otherwise than "%07.Pf" writes what it scans as, in a
    // column of two decimals or (load lines only) of five: the copy cannot
    // take such a line as it is.
    const struct {
      int coluna;
      const char* texto;
    } kValores[] = {{0, "12.50"},     {0, "+012.50"},   {0, "00012.50"}, {0, "-0.00"},
                    {0, "0099.125"},  {0, "131073.01"}, {0, "99999.99"}, {38, "200.00001"},
                    {38, "0.000001"}, {38, "-0.00001"}};
    for (const auto& v : kValores) {
      if (tipo == 8 && v.coluna >= 35) continue;
      std::string texto = fonte;
      size_t em = texto.find("   ", texto.find('\n', 64 * 1024 - 200)) + 3;
      for (int k = 0; k < v.coluna; ++k) em = texto.find("\t ", em) + 2;
      texto.replace(em, texto.find('\t', em) - em, v.texto);
      EXPECT_EQ(Copia(tipo, texto, true), Copia(tipo, texto, false)) << v.texto;
    }
    // The source cut anywhere in its last line, and in a value.
    for (size_t corte : {fonte.size() - 1, fonte.size() - 5, fonte.size() - 60}) {
      const std::string texto = fonte.substr(0, corte);
      EXPECT_EQ(Copia(tipo, texto, true), Copia(tipo, texto, false)) << "cut at " << corte;
    }
  }
}

}  // namespace
