// Rain interval files: the list written and read back, and malformed files.
#include <climits>
#include <string>

#include "support/corte.h"
#include "support/fixture.h"

namespace {

const char kContagem[] = "[Numero de Intervalos = %d]\n";

// An interval as held: day, month, start hour and seconds, end hour and
// seconds, class.
std::string Held(const TInterv_Chuva& c) {
  return std::to_string(c.Dia) + "/" + std::to_string(c.Mes) + " " + std::to_string(c.Hora_Ini) +
         ":" + std::to_string(c.Tempo_Ini) + "-" + std::to_string(c.Hora_Fim) + ":" +
         std::to_string(c.Tempo_Fim) + " " + c.Intensidade + "\n";
}

std::string Held(const TLista<TInterv_Chuva>& lista) {
  std::string texto;
  for (int i = 1; i <= lista.Numero_Elementos(); ++i) texto += Held(*lista.R_No(i)->R_Dado());
  return texto;
}

std::string Contagem(int n) {
  char linha[64];
  std::snprintf(linha, sizeof linha, kContagem, n);
  return linha;
}

class Chuva : public ArqauxTest {
 protected:
  // Opens a file of texto as the current stream and loads it into lista.
  bool Carrega(const std::string& texto) {
    Escreve_Arquivo(Caminho("chuva.txt"), texto);
    EXPECT_NE(geren->Abre_Arquivo(Caminho("chuva.txt").c_str(), "rt"), 0);
    return geren->Le_Arquivo_Chuva(&lista);
  }
  TLista<TInterv_Chuva> lista{true};
};

// Each interval, its line, and what reading the line holds: minutes become
// seconds, seconds are written as whole minutes, any class reads back.
TEST_F(Chuva, IntervalsWrittenAndReadBack) {
  const struct {
    TInterv_Chuva c;
    const char* linha;
    int ini_lido, fim_lido;
  } casos[] = {
      {{15, 3, 7, 1800, 9, 0, '2'},
       "15/3][Hora_Ini = 7:30][Hora_Fim = 9:0][Intensidade = 2",
       1800,
       0},
      {{1, 1, 0, 1830, 23, 3599, '1'},
       "1/1][Hora_Ini = 0:30][Hora_Fim = 23:59][Intensidade = 1",
       1800,
       3540},
      {{31, 12, 12, 59, 13, 60, '3'},
       "31/12][Hora_Ini = 12:0][Hora_Fim = 13:1][Intensidade = 3",
       0,
       60},
      {{2, 7, 5, 120, 6, 0, 'x'}, "2/7][Hora_Ini = 5:2][Hora_Fim = 6:0][Intensidade = x", 120, 0},
  };
  std::string linhas, lidos = "0/0 0:0-0:0 1\n";
  for (const auto& k : casos) {
    lista.Adiciona(new TInterv_Chuva(k.c));
    linhas += std::string("{[Data = ") + k.linha + "]}\n";
    TInterv_Chuva l = k.c;
    l.Tempo_Ini = k.ini_lido;
    l.Tempo_Fim = k.fim_lido;
    lidos += Held(l);
  }
  // A null element is written as a default interval.
  lista.Adiciona(nullptr);
  linhas += "{[Data = 0/0][Hora_Ini = 0:0][Hora_Fim = 0:0][Intensidade = 1]}\n";
  lidos += "0/0 0:0-0:0 1\n";
  const std::string arquivo = Contagem(std::size(casos) + 1) + linhas;
  ASSERT_NE(geren->Abre_Arquivo(Caminho("chuva.txt").c_str(), "wt"), 0);
  EXPECT_TRUE(geren->Salva_Arquivo_Chuva(&lista));
  geren->Fecha_Todos();
  EXPECT_EQ(Le_Arquivo(Caminho("chuva.txt")), arquivo);

  // Reading appends to what the list holds.
  lista.Limpa();
  lista.Adiciona(new TInterv_Chuva());
  ASSERT_TRUE(Carrega(arquivo));
  EXPECT_EQ(Held(lista), lidos);

  // An empty list is the count line alone, and reads as nothing.
  TLista<TInterv_Chuva> vazia(true);
  ASSERT_NE(geren->Abre_Arquivo(Caminho("vazia.txt").c_str(), "wt"), 0);
  EXPECT_TRUE(geren->Salva_Arquivo_Chuva(&vazia));
  geren->Fecha_Todos();
  EXPECT_EQ(Le_Arquivo(Caminho("vazia.txt")), Contagem(0));
  lista.Limpa();
  EXPECT_TRUE(Carrega(Contagem(0)));
  EXPECT_EQ(lista.Numero_Elementos(), 0);
}

// A file, whether it loads and how many intervals it leaves in the list.
TEST_F(Chuva, MalformedFilesStopTheLoad) {
  const std::string linha = "{[Data = 1/2][Hora_Ini = 3:4][Hora_Fim = 5:6][Intensidade = 2]}\n";
  const struct {
    const char* nome;
    std::string texto;
    bool carrega;
    int intervalos;
  } casos[] = {
      {"empty", "", false, 0},
      {"count not a number", "[Numero de Intervalos = x]\n" + linha, false, 0},
      {"other count text", "[Numero de Intervals = 1]\n" + linha, false, 0},
      {"negative count", Contagem(-1), false, 0},
      {"fewer lines than counted", Contagem(3) + linha + linha, false, 2},
      {"more lines than counted", Contagem(1) + linha + linha, true, 1},
      {"largest count", Contagem(INT_MAX) + linha, false, 1},
      {"no class",
       Contagem(1) + "{[Data = 1/2][Hora_Ini = 3:4][Hora_Fim = 5:6][Intensidade = ", false, 0},
      {"minutes beyond seconds",
       Contagem(2) + linha + "{[Data = 1/2][Hora_Ini = 3:35791395]" +
           "[Hora_Fim = 5:6][Intensidade = 2]}\n",
       false, 1},
      {"negative minutes beyond seconds",
       Contagem(1) + "{[Data = 1/2][Hora_Ini = 3:4][Hora_Fim = 5:-35791395][Intensidade = 2]}\n",
       false, 0},
      {"date with a dash", Contagem(1) + "{[Data = 1-2][Hora_Ini = 3:4][Hora_Fim = 5:6]}\n", false,
       0},
  };
  std::string obtido, esperado;
  for (const auto& c : casos) {
    lista.Limpa();
    const bool carregou = Carrega(c.texto);
    obtido += std::string(c.nome) + ": " + std::to_string(carregou) + " " +
              std::to_string(lista.Numero_Elementos()) + "\n";
    esperado += std::string(c.nome) + ": " + std::to_string(c.carrega) + " " +
                std::to_string(c.intervalos) + "\n";
    geren->Fecha_Todos();
  }
  EXPECT_EQ(obtido, esperado);

  // Cut at every byte, the file loads once its last class is there (the
  // closing "]}\n" is not checked).
  const std::string tres = Contagem(3) + linha + linha + linha;
  const auto lidos = Corta_Em_Todo_Byte(geren, Caminho("corte.txt"), tres, [&] {
    TLista<TInterv_Chuva> l(true);
    return geren->Le_Arquivo_Chuva(&l);
  });
  EXPECT_EQ(Le_Desde(lidos), tres.size() - 3);
}

TEST_F(Chuva, NoStreamNoListOrAFailedWrite) {
  EXPECT_FALSE(geren->Le_Arquivo_Chuva(&lista));
  EXPECT_FALSE(geren->Salva_Arquivo_Chuva(&lista));
  Escreve_Arquivo(Caminho("so_leitura.txt"), Contagem(0));
  ASSERT_NE(geren->Abre_Arquivo(Caminho("so_leitura.txt").c_str(), "rt"), 0);
  EXPECT_FALSE(geren->Le_Arquivo_Chuva(nullptr));
  EXPECT_FALSE(geren->Salva_Arquivo_Chuva(nullptr));
  lista.Adiciona(new TInterv_Chuva());
  EXPECT_FALSE(geren->Salva_Arquivo_Chuva(&lista));  // the stream is read-only
  geren->Fecha_Todos();
  EXPECT_EQ(Le_Arquivo(Caminho("so_leitura.txt")), Contagem(0));
}

}  // namespace
