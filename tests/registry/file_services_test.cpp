#include <sys/stat.h>
#include <utime.h>

#include <cstring>
#include <ctime>
#include <iomanip>
#include <sstream>

#include "support/fixture.h"

namespace {

class Servicos : public ArqauxTest {};

TEST_F(Servicos, DeletionRemovesAndReportsOnlyTheOpen) {
  Escreve_Arquivo(Caminho("apagar"), "x");
  EXPECT_TRUE(geren->ApagaArquivo(Caminho("apagar").c_str()));
  EXPECT_FALSE(geren->ArquivoExiste(Caminho("apagar").c_str()));
  EXPECT_FALSE(geren->ApagaArquivo(Caminho("apagar").c_str()));

  // A file that opens but cannot be removed (its folder is read-only) still
  // reports true. Root ignores the folder's mode, so only check it holds.
  ASSERT_EQ(::mkdir(Caminho("fixo").c_str(), 0700), 0);
  std::string preso = Caminho("fixo/preso");
  Escreve_Arquivo(preso, "x");
  ::chmod(Caminho("fixo").c_str(), 0500);
  EXPECT_TRUE(geren->ApagaArquivo(preso.c_str()));
  ::chmod(Caminho("fixo").c_str(), 0700);
}

TEST_F(Servicos, FileDateIsTheModificationTimePacked) {
  std::string caminho = Caminho("datado");
  Escreve_Arquivo(caminho, "x");
  std::tm t{};
  std::istringstream("2023-07-14 13:45:31") >> std::get_time(&t, "%Y-%m-%d %H:%M:%S");
  t.tm_isdst = -1;
  utimbuf tempos{std::mktime(&t), std::mktime(&t)};
  ASSERT_EQ(::utime(caminho.c_str(), &tempos), 0);
  // Seconds are kept in two-second units; years count from 1980.
  ftime data{};
  ASSERT_TRUE(geren->DadosDoArquivo(caminho.c_str(), &data));
  uint32_t palavra;
  std::memcpy(&palavra, &data, 4);
  EXPECT_EQ(palavra, (43u << 25) | (7u << 21) | (14u << 16) | (13u << 11) | (45u << 5) | 15u);
  EXPECT_FALSE(geren->DadosDoArquivo(Caminho("falta").c_str(), &data));
}

TEST_F(Servicos, TextLineWriters) {
  int n = geren->Abre_Arquivo(Caminho("texto").c_str(), "wt");
  int outro = geren->Abre_Arquivo(Caminho("outro").c_str(), "wt");
  geren->Salva_Texto_Generico(n, "");  // writes nothing but selects n
  geren->Grava_Tempo(0.5f);
  geren->Salva_Tabela_Equipamentos("Chiller", "A", "B", "C");
  geren->Salva_Texto_Generico(n, "fim %d\n");
  geren->Salva_Texto_Generico(outro, "outro");
  geren->Fecha_Todos();
  EXPECT_EQ(Le_Arquivo(Caminho("texto")), "0.500000\n[Chiller][A B C]\nfim %d\n");
  EXPECT_EQ(Le_Arquivo(Caminho("outro")), "outro");
}

}  // namespace
