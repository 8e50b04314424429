// Rain interval files: the list written and read back, and malformed files.
#include <climits>
#include <string>

#include "support/corte.h"
#include "support/fixture.h"

namespace {

const std::string kLinha = "{[Data = 1/2][Hora_Ini = 3:4][Hora_Fim = 5:6][Intensidade = 2]}\n";

std::string Contagem(int n) { return "[Numero de Intervalos = " + std::to_string(n) + "]\n"; }

// The list as held, one interval a line: day, month, start hour and seconds,
// end hour and seconds, class.
std::string Held(const TLista<TInterv_Chuva>& lista) {
  std::string texto;
  for (int i = 1; i <= lista.Numero_Elementos(); ++i) {
    const TInterv_Chuva& c = *lista.R_No(i)->R_Dado();
    for (int v : {c.Dia, c.Mes, c.Hora_Ini, c.Tempo_Ini, c.Hora_Fim, c.Tempo_Fim}) {
      texto += std::to_string(v) + " ";
    }
    texto += c.Intensidade + std::string("\n");
  }
  return texto;
}

// kLinha with de replaced by para.
std::string Troca(const std::string& de, const std::string& para) {
  std::string linha = kLinha;
  return linha.replace(linha.find(de), de.size(), para);
}

class Chuva : public ArqauxTest {
 protected:
  // Loads texto as the current stream into lista: "ok" or "fail", and the list.
  std::string Carrega(const std::string& texto) {
    Escreve_Arquivo(Caminho("chuva.txt"), texto);
    geren->Abre_Arquivo(Caminho("chuva.txt").c_str(), "rt");
    const bool ok = geren->Le_Arquivo_Chuva(&lista);
    geren->Fecha_Todos();
    return (ok ? "ok\n" : "fail\n") + Held(lista);
  }
  // Saves l on a stream opened with modo: the file's text, or "fail".
  std::string Salva(TLista<TInterv_Chuva>* l, const char* modo = "wt") {
    geren->Abre_Arquivo(Caminho("salva.txt").c_str(), modo);
    const bool ok = geren->Salva_Arquivo_Chuva(l);
    geren->Fecha_Todos();
    return ok ? Le_Arquivo(Caminho("salva.txt")) : "fail";
  }
  TLista<TInterv_Chuva> lista{true};
};

// Minutes are held as seconds and written back as whole minutes; any class
// reads back; a null element is written as a default interval; reading
// appends to what the list holds. Without a stream or a list, or on a
// read-only stream, nothing is saved.
TEST_F(Chuva, IntervalsWrittenAndReadBack) {
  TLista<TInterv_Chuva> vazia(true);
  EXPECT_EQ(Salva(&vazia), Contagem(0));
  lista.Adiciona(new TInterv_Chuva{15, 3, 7, 1800, 9, 1830, 'x'});
  lista.Adiciona(nullptr);
  const std::string arquivo =
      Contagem(2) + "{[Data = 15/3][Hora_Ini = 7:30][Hora_Fim = 9:30][Intensidade = x]}\n" +
      "{[Data = 0/0][Hora_Ini = 0:0][Hora_Fim = 0:0][Intensidade = 1]}\n";
  EXPECT_EQ(Salva(&lista), arquivo);
  EXPECT_EQ(Salva(&lista, "rt") + Salva(nullptr), "failfail");
  EXPECT_FALSE(geren->Salva_Arquivo_Chuva(&lista) || geren->Le_Arquivo_Chuva(&lista));
  lista.Limpa();
  lista.Adiciona(new TInterv_Chuva());
  EXPECT_EQ(Carrega(arquivo), "ok\n0 0 0 0 0 0 1\n15 3 7 1800 9 1800 x\n0 0 0 0 0 0 1\n");
  geren->Abre_Arquivo(Caminho("chuva.txt").c_str(), "rt");
  EXPECT_FALSE(geren->Le_Arquivo_Chuva(nullptr));
}

// A file and the intervals it leaves: a malformed line stops the load and
// keeps the intervals before it; a bad count line keeps the list unchanged.
TEST_F(Chuva, MalformedFilesStopTheLoad) {
  const std::string um = "ok\n1 2 3 240 5 360 2\n", falha = "fail\n1 2 3 240 5 360 2\n";
  const std::pair<std::string, std::string> casos[] = {
      {"", "fail\n"},
      {"[Numero de Intervalos = x]\n" + kLinha, "fail\n"},
      {"[Numero de Intervals = 1]\n" + kLinha, "fail\n"},
      {Contagem(-1) + kLinha, "fail\n"},
      {Contagem(0) + kLinha, "ok\n"},
      {Contagem(1) + kLinha + kLinha, um},
      {Contagem(2) + kLinha, falha},
      {Contagem(INT_MAX) + kLinha, falha},
      {Contagem(2) + kLinha + Troca("3:4", "3:35791395"), falha},
      {Contagem(1) + Troca("5:6", "5:-35791395"), "fail\n"},
      {Contagem(1) + Troca("1/2", "1-2"), "fail\n"},
      {Contagem(1) + Troca("2]}\n", ""), "fail\n"}};
  std::string obtido, esperado;
  for (const auto& [texto, lido] : casos) {
    lista.Limpa();
    obtido += Carrega(texto);
    esperado += lido;
  }
  EXPECT_EQ(obtido, esperado);
  // Cut at every byte, the file loads once its last class is there (its
  // closing "]}\n" is not checked).
  const std::string tres = Contagem(3) + kLinha + kLinha + kLinha;
  const auto le = [&] {
    TLista<TInterv_Chuva> l(true);
    return geren->Le_Arquivo_Chuva(&l);
  };
  EXPECT_EQ(Le_Desde(Corta_Em_Todo_Byte(geren, Caminho("corte.txt"), tres, le)), tres.size() - 3);
}

}  // namespace
