#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "registry/acesso_registro.h"
#include "support/fixture.h"

namespace {

// Descriptors the process holds.
long Conta_Descritores() {
  namespace fs = std::filesystem;
  return std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator());
}

// The file a stream is on and where it stands: an evicted and resumed
// stream may be another FILE* on the same file at the same place.
std::string Identidade(FILE* f) {
  struct stat info {};
  if (f == nullptr || ::fstat(fileno(f), &info) != 0) return "none";
  return std::to_string(info.st_ino) + "@" + std::to_string(std::ftell(f));
}

// A lower limit on file handles while it lives.
class Limite_Descritores {
 public:
  explicit Limite_Descritores(rlim_t limite) {
    getrlimit(RLIMIT_NOFILE, &antigo_);
    const rlimit novo{limite, antigo_.rlim_max};
    setrlimit(RLIMIT_NOFILE, &novo);
  }
  ~Limite_Descritores() { setrlimit(RLIMIT_NOFILE, &antigo_); }

 private:
  rlimit antigo_{};
};

// Restores the working directory when the test leaves it.
class Guarda_Diretorio {
 public:
  Guarda_Diretorio() : antigo_(std::filesystem::current_path()) {}
  ~Guarda_Diretorio() { std::filesystem::current_path(antigo_); }

 private:
  std::filesystem::path antigo_;
};

// Runs steps on f, separated by blanks: "<n" reads n bytes (they are returned),
// ">text" writes text, "@n" seeks to offset n.
std::string Executa_Passos(FILE* f, const std::string& passos) {
  std::istringstream in(passos);
  std::string passo, lido;
  while (in >> passo) {
    const std::string resto = passo.substr(1);
    if (passo[0] == '>') {
      std::fputs(resto.c_str(), f);
    } else if (passo[0] == '@') {
      std::fseek(f, std::stol(resto), SEEK_SET);
    } else {
      std::string buf(std::stoul(resto), '\0');
      buf.resize(std::fread(&buf[0], 1, buf.size(), f));
      lido += buf;
    }
  }
  return lido;
}

// How a stream stands when it is used again.
enum Estado { Aberto, Despejado_, Fechado };
const char* const kEstados[] = {"open", "evicted", "closed"};

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
  // Any failed open makes the registry evict its highest-numbered open
  // stream other than the current one.
  void Forca_Despejo() { EXPECT_FALSE(geren->ArquivoExiste(Caminho("nao-existe").c_str())); }
  bool Despejado(int n) {
    const TArquivoAux* e = TAcesso_Registro::Entrada(geren, n);
    return e != nullptr && e->Despejado && e->Arquivo == nullptr && !e->Buffer;
  }
  // Opens nome as stream n and another stream after it, runs passos on n
  // (what they read goes to *lido), then makes the other one current and
  // leaves n open, evicted by the registry or closed by its caller.
  int Prepara(const std::string& nome, const char* modo, const char* passos, Estado estado,
              std::string* lido = nullptr) {
    const int n = Abre(nome, modo);
    Abre("guarda" + nome);
    geren->Muda_Arquivo(n);
    const std::string l = Executa_Passos(geren->ObtemArquivo(), passos);
    if (lido != nullptr) *lido = l;
    geren->Muda_Arquivo(n + 1);
    if (estado == Despejado_) {
      Forca_Despejo();
      EXPECT_TRUE(Despejado(n)) << nome;
    }
    if (estado == Fechado) geren->Fecha_Arquivo(n);
    return n;
  }
};

// Numbering and closing, as scripts of steps separated by blanks: "+f" opens
// f (its number is traced), "mN" makes N current, "xN" closes N, "#" traces
// the count, "u" the highest open number, ">t" writes t to the current
// stream ("!" traced when there is none), "sN:t" writes t through N. The
// trace ends with the files' contents after every stream is closed.
TEST_F(Registro, ClosingKeepsNumbersAndPicksTheNearestOpenStreamBefore) {
  const struct {
    const char* passos;
    const char* traco;
  } casos[] = {
      {"+a +b +c x2 # +d s3:three s4:four", "1 2 3 3 4 | a= b= c=three d=four"},
      {"+a +b +c m3 x2 >current", "1 2 3 | a=current b= c="},
      // The search runs past position 1 to the last entry.
      {"+a +b +c x2 m1 x1 >wrapped", "1 2 3 | a= b= c=wrapped"},
      // Closing the last open stream empties the registry.
      {"+a +b x1 # x2 # >lost +c", "1 2 2 0 ! 1 | a= b= c="},
      // Close 0 takes the highest open; numbers outside 1..count close nothing.
      {"+a +b +c m1 x-1 x4 x2147483647 x-2147483648 u x0 u >b", "1 2 3 3 2 | a= b=b c="},
      {"x0 #", "0 |"},
  };
  for (const auto& c : casos) {
    std::istringstream in(c.passos);
    std::string passo, traco, nomes;
    while (in >> passo) {
      const std::string resto = passo.substr(1);
      if (passo[0] == '+') traco += std::to_string(Abre(resto)) + " ";
      if (passo[0] == '+') nomes += resto;
      if (passo[0] == 'm') geren->Muda_Arquivo(std::stoi(resto));
      if (passo[0] == 'x') geren->Fecha_Arquivo(std::stoi(resto));
      if (passo[0] == '#') traco += std::to_string(geren->Numero_Arquivos()) + " ";
      if (passo[0] == 'u') traco += std::to_string(geren->Ultimo_Arquivo_Valido()) + " ";
      if (passo[0] == 's') Escreve(resto[0] - '0', resto.c_str() + 2);
      if (passo[0] == '>' && geren->ObtemArquivo() == nullptr) traco += "! ";
      if (passo[0] == '>' && geren->ObtemArquivo() != nullptr) {
        std::fputs(resto.c_str(), geren->ObtemArquivo());
      }
    }
    geren->Fecha_Todos();
    traco += "|";
    for (char nome : nomes) {
      traco += std::string(" ") + nome + "=" + Le_Arquivo(Caminho(std::string(1, nome)));
      std::remove(Caminho(std::string(1, nome)).c_str());
    }
    EXPECT_EQ(traco, c.traco) << c.passos;
  }
}

// A stream the registry evicts continues where it stood; one the caller
// closes is read again from its first byte or appended to.
TEST_F(Registro, EvictionResumesWhereTheStreamStoodWhileACallersCloseReopens) {
  struct Caso {
    const char* modo;
    const char* inicial;  // null: no file before the open
    const char* antes;
    const char* depois;
    const char* apos_despejo;  // what was read, then the file's bytes
    const char* apos_fechar;
  };
  const Caso casos[] = {
      {"rb", "0123456789", "<3", "<3", "012345|0123456789", "012012|0123456789"},
      {"rt", "0123456789", "<3", "<3", "012345|0123456789", "012012|0123456789"},
      {"wb", nullptr, ">HHHH1111 @0 >hh", ">XY", "|hhXY1111", "|hhHH1111XY"},
      {"w", nullptr, ">abcdef @2 >Z", ">Q", "|abZQef", "|abZdefQ"},
      {"wbbbbbbbbbbbbbb", nullptr, ">abc @1 >Z", ">Q", "|aZQ", "|aZcQ"},
      {"wt", nullptr, ">abc", ">def", "|abcdef", "|abcdef"},
      {"ab", "pre:", ">x", ">y", "|pre:xy", "|pre:xy"},
      {"rb+", "0123456789", "<2 @2 >ab", "<2", "0145|01ab456789", "0101|01ab456789"},
  };
  std::string esperado, obtido;
  int k = 0;
  for (const Caso& c : casos) {
    for (bool despeja : {true, false}) {
      const std::string nome = "f" + std::to_string(k++);
      if (c.inicial != nullptr) Escreve_Arquivo(Caminho(nome), c.inicial);
      std::string lido;
      const int n = Prepara(nome, c.modo, c.antes, despeja ? Despejado_ : Fechado, &lido);
      geren->Muda_Arquivo(n);
      lido += Executa_Passos(geren->ObtemArquivo(), c.depois);
      geren->Fecha_Todos();
      const std::string como = std::string(c.modo) + (despeja ? " evicted: " : " closed: ");
      obtido += como + lido + "|" + Le_Arquivo(Caminho(nome)) + "\n";
      esperado += como + (despeja ? c.apos_despejo : c.apos_fechar) + "\n";
    }
  }
  EXPECT_EQ(obtido, esperado);
}

TEST_F(Registro, AnOpenEntryPassedBackIsMadeCurrentNotOpenedAgain) {
  const long inicial = Conta_Descritores();
  const int a = Abre("a");
  const int b = Abre("b");
  const long descritores = Conta_Descritores();
  // Reopened "wt", b would be emptied; the last time it is evicted first and
  // resumes where it stood.
  for (int i = 0; i <= 10; ++i) {
    geren->Muda_Arquivo(a);
    if (i == 10) Forca_Despejo();
    ASSERT_EQ(Despejado(b), i == 10);
    TArquivoAux* e = geren->Fechou_Todos(b);
    ASSERT_EQ(geren->Abre_Arquivo(e->Caminho, "wt", e), 2);
    std::fputs(i == 10 ? "y" : "x", geren->ObtemArquivo());
  }
  EXPECT_EQ(Conta_Descritores(), descritores);
  // An entry the registry does not hold is refused, and opens nothing.
  TArquivoAux alheia;
  std::strcpy(alheia.Caminho, Caminho("alheia").c_str());
  alheia.Numero = 1;
  EXPECT_EQ(geren->Abre_Arquivo(alheia.Caminho, "wt", &alheia), 0);
  EXPECT_EQ(geren->TrocaContexto_Arquivo(nullptr), 0);
  geren->Fecha_Todos();
  EXPECT_EQ(Conta_Descritores(), inicial);
  EXPECT_EQ(Le_Arquivo(Caminho("b")), "xxxxxxxxxxy");
  EXPECT_FALSE(std::filesystem::exists(Caminho("alheia")));
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
  Guarda_Diretorio guarda;
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
  EXPECT_EQ(geren->Abre_Arquivo("", "wt"), 0);
  EXPECT_EQ(geren->Abre_Arquivo(Caminho("nao/existe").c_str(), "rb"), 0);
  // A relative path cannot be resolved in a working directory that is gone.
  ASSERT_EQ(::mkdir(Caminho("sumiu").c_str(), 0700), 0);
  ASSERT_EQ(::chdir(Caminho("sumiu").c_str()), 0);
  ASSERT_EQ(::rmdir(Caminho("sumiu").c_str()), 0);
  EXPECT_EQ(geren->Abre_Arquivo("relativo", "wt"), 0);
  EXPECT_EQ(geren->Numero_Arquivos(), 1);
  // The failed opens evicted stream 1, current and alone, and resumed it.
  ASSERT_NE(geren->ObtemArquivo(), nullptr);
  std::fputs("kept", geren->ObtemArquivo());
  geren->Fecha_Todos();
  EXPECT_EQ(Le_Arquivo(longo), "kept");
}

TEST_F(Registro, PathsAreResolvedWhenRegisteredAndFollowTheFileAcrossDirectories) {
  Guarda_Diretorio guarda;
  ASSERT_EQ(::mkdir(Caminho("um").c_str(), 0700), 0);
  ASSERT_EQ(::mkdir(Caminho("dois").c_str(), 0700), 0);
  ASSERT_EQ(::chdir(Caminho("um").c_str()), 0);
  const int n = geren->Abre_Arquivo("rel.bin", "wb");  // not there yet
  ASSERT_EQ(n, 1);
  EXPECT_STREQ(TAcesso_Registro::Entrada(geren, n)->Caminho, "rel.bin");
  geren->Abre_Arquivo("guarda", "wb");
  geren->Salva_Texto_Generico(n, "AB");
  geren->Muda_Arquivo(2);
  Forca_Despejo();
  ASSERT_TRUE(Despejado(n));
  ASSERT_EQ(::chdir(Caminho("dois").c_str()), 0);
  geren->Salva_Texto_Generico(n, "CD");  // resumed from the resolved path
  geren->Fecha_Arquivo(n);
  geren->Salva_Texto_Generico(n, "EF");  // reopened by the caller: appended
  geren->Fecha_Todos();
  EXPECT_EQ(Le_Arquivo(Caminho("um/rel.bin")), "ABCDEF");
  EXPECT_FALSE(std::filesystem::exists(Caminho("dois/rel.bin")));
}

TEST_F(Registro, FailedOpenEvictsTheHighestOpenFileOtherThanTheCurrent) {
  int a = Abre("a");
  int b = Abre("b");
  Escreve(b, "before ");
  geren->Muda_Arquivo(a);
  {
    Limite_Descritores limite(64);
    // Every handle left taken, so that the next open needs a free one.
    std::vector<FILE*> tomados;
    while (FILE* f = std::fopen("/dev/null", "r")) tomados.push_back(f);
    int c = Abre("c");
    EXPECT_EQ(c, 3);
    EXPECT_TRUE(Despejado(b));
    EXPECT_EQ(geren->Ultimo_Arquivo_Valido(), 3);
    Escreve(c, "third");
    // b resumes on its next use; with c current, a gives up its handle.
    Escreve(b, "after");
    EXPECT_TRUE(Despejado(a));
    EXPECT_EQ(geren->Numero_Arquivos(), 3);
    for (FILE* f : tomados) std::fclose(f);
  }
  geren->Fecha_Todos();
  EXPECT_EQ(Le_Arquivo(Caminho("b")), "before after");
  EXPECT_EQ(Le_Arquivo(Caminho("c")), "third");
}

TEST_F(Registro, FailedReopenKeepsTheEntryItsNumberAndTheCurrentStream) {
  const long erros = geren->Conta_Arquivos_Com_Erro();
  const int a = Abre("a");
  const int b = Abre("b");
  const int c = Abre("c");
  Escreve(a, "a1 ");
  Escreve(b, "b1 ");
  geren->Fecha_Arquivo(a);
  // a's path now names a folder; b is evicted and its file removed, so that
  // resuming it (which never creates the file) fails too.
  ASSERT_EQ(std::remove(Caminho("a").c_str()), 0);
  ASSERT_EQ(::mkdir(Caminho("a").c_str(), 0700), 0);
  geren->Muda_Arquivo(c);
  Forca_Despejo();
  ASSERT_TRUE(Despejado(b));
  ASSERT_EQ(std::remove(Caminho("b").c_str()), 0);
  Escreve(c, "c1 ");
  const std::string atual = Identidade(geren->ObtemArquivo());
  for (int n : {a, b}) {
    EXPECT_EQ(TAcesso_Registro::Seleciona_Arquivo(geren, n), nullptr) << n;
    geren->Salva_Texto_Generico(n, "lost");
    EXPECT_EQ(Identidade(geren->ObtemArquivo()), atual) << n;
    EXPECT_TRUE(geren->Erro_Arquivo(n)) << n;
  }
  EXPECT_FALSE(geren->Erro_Arquivo(c));
  EXPECT_EQ(geren->Conta_Arquivos_Com_Erro(), erros + 2);
  EXPECT_EQ(geren->Numero_Arquivos(), 3);
  EXPECT_FALSE(std::filesystem::exists(Caminho("b")));
  // Numbers did not shift, and the next selection tries again.
  Escreve(c, "c2");
  ASSERT_EQ(::rmdir(Caminho("a").c_str()), 0);
  Escreve_Arquivo(Caminho("a"), "a1 ");
  Escreve(a, "a2");
  geren->Fecha_Todos();
  EXPECT_EQ(Le_Arquivo(Caminho("a")), "a1 a2");
  EXPECT_EQ(Le_Arquivo(Caminho("c")), "c1 c2");
}

// How a loss shows: a write that fails at once, a buffer that fails when
// the registry evicts the stream, or when the stream is closed.
TEST_F(Registro, EachStreamRecordsItsFirstErrorAndTheCountOutlivesTheRegistry) {
  const long antes = geren->Conta_Arquivos_Com_Erro();
  const int bom = Abre("bom");
  const int no_fechamento = geren->Abre_Arquivo("/dev/full", "wb");
  const int na_escrita = geren->Abre_Arquivo("/dev/full", "wb");
  const int no_despejo = geren->Abre_Arquivo("/dev/full", "wb");
  ASSERT_EQ(no_despejo, 4);
  for (int n : {bom, no_fechamento, no_despejo}) geren->Salva_Texto_Generico(n, "buffered");
  geren->Salva_Texto_Generico(na_escrita, std::string(100000, 'x').c_str());
  auto erros = [&] {
    std::string s;
    for (int n = 1; n <= 4; ++n) s += geren->Erro_Arquivo(n) ? '1' : '0';
    return s + " " + std::to_string(geren->Conta_Arquivos_Com_Erro() - antes);
  };
  EXPECT_EQ(erros(), "0010 1");
  geren->Muda_Arquivo(bom);
  Forca_Despejo();
  EXPECT_TRUE(Despejado(no_despejo));
  EXPECT_EQ(erros(), "0011 2");
  geren->Fecha_Todos();
  EXPECT_EQ(erros(), "0000 3");
  EXPECT_EQ(Le_Arquivo(Caminho("bom")), "buffered");
}

// The usual selector reopens whatever the caller closed; the one for
// operations that select "without reopening" refuses that, but not an
// eviction, which callers never see.
TEST_F(Registro, SelectorsDifferOnlyOnStreamsTheCallerClosed) {
  // The next byte read through each selector's result ("-" for null), for a
  // stream that read two bytes and then stayed open, was evicted or was
  // closed, and for the number after the last.
  const struct {
    Estado estado;
    int alvo;
    const char* lido;
  } casos[] = {{Aberto, 0, "2 2"}, {Despejado_, 0, "2 2"}, {Fechado, 0, "0 -"}, {Aberto, 2, "- -"}};
  std::string esperado, obtido;
  for (const auto& c : casos) {
    std::string linha = kEstados[c.estado] + std::string(c.alvo == 0 ? ":" : " past the last:");
    esperado += linha + " " + c.lido + "\n";
    for (bool sem_reabrir : {false, true}) {
      Escreve_Arquivo(Caminho("f"), "0123456789");
      const int n = Prepara("f", "rb", "<2", c.estado);
      FILE* atual = geren->ObtemArquivo();
      FILE* f = sem_reabrir ? TAcesso_Registro::Seleciona_Arquivo_Aberto(geren, n + c.alvo)
                            : TAcesso_Registro::Seleciona_Arquivo(geren, n + c.alvo);
      linha += " " + (f == nullptr ? std::string("-") : Executa_Passos(f, "<1"));
      if (f == nullptr) {
        EXPECT_EQ(geren->ObtemArquivo(), atual) << linha;
      }
      geren->Fecha_Todos();
    }
    obtido += linha + "\n";
  }
  EXPECT_EQ(obtido, esperado);
}

// However a stream came to be open (registered, resumed after an eviction,
// reopened after the caller's close), it writes through the registry's
// 64 KiB buffer: nothing reaches the file before 64 KiB are waiting, then
// whole buffers do (stdio's own buffer would write every few KiB), and at
// the close every byte is there.
TEST_F(Registro, EveryOpenWritesThroughASixtyFourKibBuffer) {
  const struct {
    long escritos;
    long no_disco;
  } casos[] = {{60000, 0}, {66000, 65536}, {200000, 196608}};
  const std::string pedaco(1000, 'x');
  std::string esperado, obtido;
  int k = 0;
  for (Estado estado : {Aberto, Despejado_, Fechado}) {
    for (const auto& c : casos) {
      const std::string nome = "f" + std::to_string(k++);
      const int n = Prepara(nome, "wb", "", estado);
      for (long i = 0; i < c.escritos; i += 1000) geren->Salva_Texto_Generico(n, pedaco.c_str());
      struct stat antes {};
      ::stat(Caminho(nome).c_str(), &antes);
      geren->Fecha_Todos();
      const std::string caso = kEstados[estado] + (" " + std::to_string(c.escritos)) + ": ";
      obtido += caso + std::to_string(antes.st_size) + " then " +
                std::to_string(Le_Arquivo(Caminho(nome)).size()) + "\n";
      esperado += caso + std::to_string(c.no_disco) + " then " + std::to_string(c.escritos) + "\n";
    }
  }
  EXPECT_EQ(obtido, esperado);
}

// Far more streams than handles, written and then read record by record in
// random order: every byte lands in its file and every record arrives in
// order.
TEST_F(Registro, ThreeThousandFilesUnderSixtyFourHandlesKeepTheirContent) {
  constexpr int kArquivos = 3000;
  constexpr int kRegistros = 3;
  Limite_Descritores limite(64);
  auto registro = [](int arquivo, int r) {
    char linha[32];
    std::snprintf(linha, sizeof(linha), "file %04d rec %d\n", arquivo, r);
    return std::string(linha);
  };
  for (int i = 1; i <= kArquivos; ++i) ASSERT_EQ(Abre("f" + std::to_string(i)), i);
  for (int r = 0; r < kRegistros; ++r) {
    for (int i = 1; i <= kArquivos; ++i) geren->Salva_Texto_Generico(i, registro(i, r).c_str());
  }
  EXPECT_EQ(geren->Numero_Arquivos(), kArquivos);
  geren->Fecha_Todos();

  std::vector<int> ordem;
  for (int i = 1; i <= kArquivos; ++i) {
    ASSERT_EQ(Abre("f" + std::to_string(i), "rb"), i);
    ordem.insert(ordem.end(), kRegistros, i);
  }
  std::shuffle(ordem.begin(), ordem.end(), std::mt19937(7));
  std::vector<int> proximo(kArquivos + 1, 0);
  std::string fora_de_ordem;
  // Plain fread: with every handle taken, the sanitizer runtime cannot
  // check the stream objects a string stream would use.
  const size_t tamanho = registro(1, 0).size();
  char buf[32];
  for (int i : ordem) {
    geren->Muda_Arquivo(i);
    const std::string lido(buf, std::fread(buf, 1, tamanho, geren->ObtemArquivo()));
    if (lido != registro(i, proximo[i]++)) fora_de_ordem += lido;
  }
  EXPECT_EQ(fora_de_ordem, "");
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
