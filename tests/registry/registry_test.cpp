#include <sys/stat.h>

#include <cstring>
#include <string>
#include <vector>

#include "support/descritores.h"
#include "support/fixture.h"

namespace {

class Registro : public ArqauxTest {
 protected:
  int Abre(const std::string& nome, const char* modo = "wt") {
    return geren->Abre_Arquivo(Caminho(nome).c_str(), modo);
  }
  // Writes text through stream n (selecting it) and flushes it.
  void Escreve(int n, const char* texto) {
    geren->Salva_Texto_Generico(n, texto);
    if (geren->ObtemArquivo() != nullptr) std::fflush(geren->ObtemArquivo());
  }
};

TEST_F(Registro, NumbersFollowOpeningOrderAndSurviveCloses) {
  EXPECT_EQ(Abre("a"), 1);
  EXPECT_EQ(Abre("b"), 2);
  EXPECT_EQ(Abre("c"), 3);
  geren->Fecha_Arquivo(2);
  EXPECT_EQ(geren->Numero_Arquivos(), 3);
  EXPECT_EQ(Abre("d"), 4);
  Escreve(3, "three");
  Escreve(4, "four");
  EXPECT_EQ(Le_Arquivo(Caminho("c")), "three");
  EXPECT_EQ(Le_Arquivo(Caminho("d")), "four");
}

TEST_F(Registro, ClosingPicksTheNearestOpenStreamBeforeItWrappingAround) {
  Abre("a");
  Abre("b");
  Abre("c");
  geren->Muda_Arquivo(3);
  geren->Fecha_Arquivo(2);
  Escreve(0, "x");  // no stream 0: nothing is written anywhere
  std::fputs("current", geren->ObtemArquivo());
  geren->Fecha_Todos();
  EXPECT_EQ(Le_Arquivo(Caminho("a")), "current");

  Abre("a2");
  Abre("b2");
  Abre("c2");
  geren->Fecha_Arquivo(2);
  geren->Muda_Arquivo(1);
  geren->Fecha_Arquivo(1);  // the search runs past position 1 to the last entry
  std::fputs("wrapped", geren->ObtemArquivo());
  geren->Fecha_Todos();
  EXPECT_EQ(Le_Arquivo(Caminho("c2")), "wrapped");
}

TEST_F(Registro, ClosingTheLastOpenStreamEmptiesTheRegistry) {
  Abre("a");
  Abre("b");
  geren->Fecha_Arquivo(1);
  EXPECT_EQ(geren->Numero_Arquivos(), 2);
  geren->Fecha_Arquivo(2);
  EXPECT_EQ(geren->Numero_Arquivos(), 0);
  EXPECT_EQ(geren->ObtemArquivo(), nullptr);
  EXPECT_EQ(Abre("c"), 1);
}

TEST_F(Registro, CloseZeroTakesTheHighestOpenNotTheMostRecentlyUsed) {
  Abre("a");
  Abre("b");
  Abre("c");
  geren->Muda_Arquivo(1);
  geren->Fecha_Arquivo(0);
  EXPECT_EQ(geren->Ultimo_Arquivo_Valido(), 2);
  // The replacement current stream is the nearest open one before 3.
  std::fputs("b", geren->ObtemArquivo());
  geren->Fecha_Todos();
  EXPECT_EQ(Le_Arquivo(Caminho("b")), "b");
  geren->Fecha_Arquivo(0);  // nothing open: nothing happens
  EXPECT_EQ(geren->Numero_Arquivos(), 0);
}

TEST_F(Registro, NumbersOutsideTheRegistrySelectNothing) {
  Abre("a");
  Abre("b");
  FILE* atual = geren->ObtemArquivo();
  for (int n : {-1, 0, 3, 4, 1 << 30}) {
    geren->Muda_Arquivo(n);
    EXPECT_EQ(geren->ObtemArquivo(), atual) << n;
    Escreve(n, "stray");
    geren->Fecha_Arquivo(n == 0 ? -1 : n);
  }
  EXPECT_EQ(geren->Numero_Arquivos(), 2);
  EXPECT_EQ(geren->Ultimo_Arquivo_Valido(), 2);
  geren->Fecha_Todos();
  EXPECT_EQ(Le_Arquivo(Caminho("a")), "");
  EXPECT_EQ(Le_Arquivo(Caminho("b")), "");
}

TEST_F(Registro, ReopenModesKeepWhatTheFileHolds) {
  EXPECT_STREQ(geren->RetornaTipoReabertura("wt"), "at+");
  EXPECT_STREQ(geren->RetornaTipoReabertura("wb"), "ab+");
  EXPECT_STREQ(geren->RetornaTipoReabertura("w"), "ab+");
  EXPECT_STREQ(geren->RetornaTipoReabertura("a"), "ab+");
  EXPECT_STREQ(geren->RetornaTipoReabertura("rb"), "rb");
  EXPECT_STREQ(geren->RetornaTipoReabertura("rt"), "rt");

  Escreve_Arquivo(Caminho("lido"), "0123456789");
  int texto = Abre("texto", "wt");
  int binario = Abre("binario", "wb");
  int lido = Abre("lido", "rb");
  Abre("guarda", "wt");  // keeps the registry from emptying
  Escreve(texto, "old ");
  Escreve(binario, "OLD ");
  char buf[4] = {};
  geren->Muda_Arquivo(lido);
  ASSERT_EQ(std::fread(buf, 1, 3, geren->ObtemArquivo()), 3u);
  geren->Fecha_Arquivo(texto);
  geren->Fecha_Arquivo(binario);
  geren->Fecha_Arquivo(lido);
  Escreve(texto, "new");
  Escreve(binario, "NEW");
  geren->Muda_Arquivo(lido);
  char de_novo[4] = {};
  ASSERT_EQ(std::fread(de_novo, 1, 3, geren->ObtemArquivo()), 3u);
  EXPECT_STREQ(de_novo, "012");  // read again from the first byte
  EXPECT_EQ(geren->Numero_Arquivos(), 4);
  geren->Fecha_Todos();
  EXPECT_EQ(Le_Arquivo(Caminho("texto")), "old new");
  EXPECT_EQ(Le_Arquivo(Caminho("binario")), "OLD NEW");
}

TEST_F(Registro, EmptinessTestRewindsANonEmptyFile) {
  Escreve_Arquivo(Caminho("cheio"), "abc");
  Escreve_Arquivo(Caminho("vazio"), "");
  Abre("vazio", "rb");
  EXPECT_TRUE(geren->Arquivo_Vazio());
  Abre("cheio", "rb");
  std::fgetc(geren->ObtemArquivo());
  EXPECT_FALSE(geren->Arquivo_Vazio());
  EXPECT_EQ(std::ftell(geren->ObtemArquivo()), 0);
  geren->Fecha_Todos();
  EXPECT_FALSE(geren->Arquivo_Vazio());  // no current stream
}

TEST_F(Registro, BadPathsAreRefusedWithoutRegistering) {
  // A 299-character path (a file name is at most 255 characters, so it
  // needs a folder of its own).
  std::string pasta = dir + "/" + std::string(150, 'd');
  ASSERT_EQ(::mkdir(pasta.c_str(), 0700), 0);
  std::string longo = pasta + "/" + std::string(299 - pasta.size() - 1, 'x');
  ASSERT_EQ(longo.size(), 299u);
  EXPECT_EQ(geren->Abre_Arquivo(longo.c_str(), "wt"), 1);
  std::string demais = longo + "y";
  EXPECT_EQ(geren->Abre_Arquivo(demais.c_str(), "wt"), 0);
  EXPECT_EQ(geren->Abre_Arquivo(nullptr, "wt"), 0);
  EXPECT_EQ(geren->Abre_Arquivo(Caminho("nao/existe").c_str(), "rb"), 0);
  EXPECT_EQ(geren->Numero_Arquivos(), 1);
  // The failed opens' retry closed stream 1; it reopens on its next use.
  Escreve(1, "kept");
  geren->Fecha_Todos();
  EXPECT_EQ(Le_Arquivo(longo), "kept");
}

TEST_F(Registro, FailedOpenClosesTheHighestOpenFileWhichReopensOnItsNextUse) {
  int a = Abre("a");
  int b = Abre("b");
  Escreve(b, "before ");
  geren->Muda_Arquivo(a);
  {
    Limite_Descritores limite(64);
    std::vector<FILE*> tomados = Esgota_Descritores();
    int c = Abre("c");
    EXPECT_EQ(c, 3);
    EXPECT_EQ(geren->Ultimo_Arquivo_Valido(), 3);
    Escreve(c, "third");
    // b was closed to make room but keeps its number; a fourth open finds no
    // room either and closes c, whose handle b then takes back.
    Escreve(b, "after");
    EXPECT_EQ(geren->Numero_Arquivos(), 3);
    for (FILE* f : tomados) std::fclose(f);
  }
  geren->Fecha_Todos();
  EXPECT_EQ(Le_Arquivo(Caminho("b")), "before after");
  EXPECT_EQ(Le_Arquivo(Caminho("c")), "third");
}

TEST_F(Registro, RetryThatClosesTheCurrentStreamMovesCurrentToAnOpenOne) {
  int a = Abre("a");
  int b = Abre("b");
  geren->Muda_Arquivo(b);
  {
    Limite_Descritores limite(64);
    std::vector<FILE*> tomados = Esgota_Descritores();
    std::fclose(tomados.back());  // room for exactly one more
    tomados.pop_back();
    FILE* resto = std::fopen("/dev/null", "r");
    // Both attempts fail (a missing file), and the retry closed b, which was
    // current: the current stream falls back to a, never to the closed b.
    EXPECT_EQ(geren->Abre_Arquivo(Caminho("falta/x").c_str(), "rb"), 0);
    std::fputs("on a", geren->ObtemArquivo());
    if (resto != nullptr) std::fclose(resto);
    for (FILE* f : tomados) std::fclose(f);
  }
  EXPECT_EQ(geren->Ultimo_Arquivo_Valido(), a);
  geren->Fecha_Todos();
  EXPECT_EQ(Le_Arquivo(Caminho("a")), "on a");
}

TEST_F(Registro, ReopenThatFailsTwiceRemovesTheEntryAndSelectsNothing) {
  int a = Abre("a");
  int b = Abre("b");
  int c = Abre("c");
  geren->Fecha_Arquivo(a);
  // Make the reopen of a fail: its path now names a directory.
  std::remove(Caminho("a").c_str());
  ASSERT_EQ(::mkdir(Caminho("a").c_str(), 0700), 0);
  geren->Muda_Arquivo(c);
  Escreve(a, "lost");
  // a is removed and b, c move down; the retry closed c, which was current,
  // so the current stream is b rather than the closed c.
  EXPECT_EQ(geren->Numero_Arquivos(), 2);
  EXPECT_EQ(geren->Ultimo_Arquivo_Valido(), 1);
  std::fputs("b is current", geren->ObtemArquivo());
  Escreve(c - 1, "c after the shift");
  geren->Fecha_Todos();
  EXPECT_EQ(Le_Arquivo(Caminho("b")), "b is current");
  EXPECT_EQ(Le_Arquivo(Caminho("c")), "c after the shift");
  (void)b;
}

TEST_F(Registro, ThreeThousandFilesUnderSixtyFourHandlesKeepTheirContent) {
  constexpr int kArquivos = 3000;
  constexpr int kVoltas = 3;
  Limite_Descritores limite(64);
  for (int i = 1; i <= kArquivos; ++i) {
    ASSERT_EQ(Abre("f" + std::to_string(i)), i);
  }
  char linha[64];
  for (int volta = 0; volta < kVoltas; ++volta) {
    for (int i = 1; i <= kArquivos; ++i) {
      std::snprintf(linha, sizeof(linha), "file %d pass %d\n", i, volta);
      geren->Salva_Texto_Generico(i, linha);
    }
  }
  EXPECT_EQ(geren->Numero_Arquivos(), kArquivos);
  geren->Fecha_Todos();
  for (int i = 1; i <= kArquivos; ++i) {
    std::string esperado;
    for (int volta = 0; volta < kVoltas; ++volta) {
      std::snprintf(linha, sizeof(linha), "file %d pass %d\n", i, volta);
      esperado += linha;
    }
    ASSERT_EQ(Le_Arquivo(Caminho("f" + std::to_string(i))), esperado) << i;
  }
}

TEST(Unidade, CounterBuildsOnceAndDestroysOnTheBalancingCall) {
  TGeren_ArquivoAux* carregado = Geren_ArqAux();
  ASSERT_NE(carregado, nullptr);
  Geren_arquivoaux::Initialize();  // counter -1 -> -2: not rebuilt
  EXPECT_EQ(Geren_ArqAux(), carregado);
  Geren_arquivoaux::Finalize();  // -2 -> -1: kept
  EXPECT_EQ(Geren_ArqAux(), carregado);
  Geren_arquivoaux::Finalize();  // -1 -> 0: destroyed
  EXPECT_EQ(Geren_ArqAux(), nullptr);
  Geren_arquivoaux::Initialize();  // 0 -> -1: built again for the unload
  EXPECT_NE(Geren_ArqAux(), nullptr);
}

}  // namespace
