// The open-file registry: numbering, the current stream, eviction and
// resumption, errors and buffers; the file services that go through it; and
// the list the registry keeps its entries in.
#include <arqaux/lista.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <iomanip>
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

// Up to n bytes read from f.
std::string Le(FILE* f, size_t n) {
  std::string lido(n, '\0');
  lido.resize(std::fread(&lido[0], 1, n, f));
  return lido;
}

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
  bool Aberto(FILE* f) {
    for (int n = 1; n <= geren->Numero_Arquivos() && f != nullptr; ++n) {
      if (TAcesso_Registro::Entrada(geren, n)->Arquivo == f) return true;
    }
    return f == nullptr;
  }
  // Runs a script of steps separated by blanks and returns its trace, then
  // "|" and the bytes of each file it opened, once every stream is closed:
  //   =f:t  puts t in file f             +f, +f:m  opens f ("wt", or mode m): its number
  //   mN    makes N current              xN        closes N
  //   #     the count                    u         the highest open number
  //   e     a failed open, then "e" and the numbers of the evicted entries
  //   ?     "v" if the current stream is empty, "f" if not, then where it stands
  //   hf    "y" if the existence test finds file f, "n" if not
  //   -f    removes file f
  //   sN:t  writes t through N           >t, @n, <n  on the current stream ("!" when
  //         there is none): writes t, seeks to n, reads n bytes (traced)
  //   rN, aN  selects N with the usual selector or the one that does not
  //         reopen: the next byte read through it, or "-" for null (and "-moved"
  //         when the current stream changed).
  std::string Roda(const std::string& script) {
    std::istringstream in(script);
    std::string passo, traco;
    std::vector<std::string> nomes;
    while (in >> passo) {
      const char op = passo[0];
      const std::string resto = passo.substr(1), antes = resto.substr(0, resto.find(':'));
      const std::string depois = resto.substr(std::min(resto.size(), antes.size() + 1));
      FILE* atual = geren->ObtemArquivo();
      std::string t;
      if (op == '=') Escreve_Arquivo(Caminho(antes), depois);
      if (op == '+') t = std::to_string(Abre(antes, depois.empty() ? "wt" : depois.c_str()));
      if (op == '+' && std::find(nomes.begin(), nomes.end(), antes) == nomes.end()) {
        nomes.push_back(antes);
      }
      if (op == 'm') geren->Muda_Arquivo(std::stoi(resto));
      if (op == 'x') geren->Fecha_Arquivo(std::stoi(resto));
      if (op == '#') t = std::to_string(geren->Numero_Arquivos());
      if (op == 'u') t = std::to_string(geren->Ultimo_Arquivo_Valido());
      if (op == 'e') {
        Forca_Despejo();
        t = "e";
        for (int n = 1; n <= geren->Numero_Arquivos(); ++n) {
          if (Despejado(n)) t += std::to_string(n);
        }
      }
      if (op == 'h') t = geren->ArquivoExiste(Caminho(resto).c_str()) ? "y" : "n";
      if (op == '-') std::remove(Caminho(resto).c_str());
      if (op == '?') t = geren->Arquivo_Vazio() ? "v" : "f";
      if (op == '?' && atual != nullptr) t += std::to_string(std::ftell(atual));
      if (op == 's') Escreve(std::stoi(antes), depois.c_str());
      if ((op == '>' || op == '<') && atual == nullptr) t = "!";
      if (op == '>' && atual != nullptr) std::fputs(resto.c_str(), atual);
      if (op == '@' && atual != nullptr) std::fseek(atual, std::stol(resto), SEEK_SET);
      if (op == '<' && atual != nullptr) t = Le(atual, std::stoul(resto));
      if (op == 'r' || op == 'a') {
        FILE* f = op == 'r' ? TAcesso_Registro::Seleciona_Arquivo(geren, std::stoi(resto))
                            : TAcesso_Registro::Seleciona_Arquivo_Aberto(geren, std::stoi(resto));
        t = f != nullptr ? Le(f, 1) : geren->ObtemArquivo() == atual ? "-" : "-moved";
      }
      if (!t.empty()) traco += t + " ";
      // The current stream is always one the registry holds open.
      if (!Aberto(geren->ObtemArquivo())) traco += "stale ";
    }
    geren->Fecha_Todos();
    traco += "|";
    for (const std::string& nome : nomes) {
      traco += " " + nome + "=" + Le_Arquivo(Caminho(nome));
      std::remove(Caminho(nome).c_str());
    }
    return traco;
  }
  // Runs each script; the scripts and their traces are compared in one text.
  void Confere(const std::vector<std::pair<std::string, std::string>>& casos) {
    std::string obtido, esperado;
    for (const auto& [script, traco] : casos) {
      obtido += script + " => " + Roda(script) + "\n";
      esperado += script + " => " + traco + "\n";
    }
    EXPECT_EQ(obtido, esperado);
  }
};

TEST_F(Registro, ClosingKeepsNumbersAndPicksTheNearestOpenStreamBefore) {
  Confere({
      {"+a +b +c x2 # +d s3:three s4:four", "1 2 3 3 4 | a= b= c=three d=four"},
      {"+a +b +c m3 x2 >current", "1 2 3 | a=current b= c="},
      // The search runs past position 1 to the last entry.
      {"+a +b +c x2 m1 x1 >wrapped", "1 2 3 | a= b= c=wrapped"},
      // Closing the last open stream empties the registry.
      {"+a +b x1 # x2 # >lost +c", "1 2 2 0 ! 1 | a= b= c="},
      // Close 0 takes the highest open; numbers outside 1..count close nothing.
      {"+a +b +c m1 x-1 x4 x2147483647 x-2147483648 u x0 u >b", "1 2 3 3 2 | a= b=b c="},
      {"x0 #", "0 |"},
      // The existence test opens the file "rt" and closes the highest open
      // stream: alone, it empties the registry; else the stream it registered
      // goes, and the one before it is current.
      {"=x:1 hx # +a +b m1 hx # u >on_b", "y 0 1 2 y 3 2 | a= b=on_b"},
      // The emptiness test rewinds a file that is not empty; with no current
      // stream there is nothing empty.
      {"=v: =c:abc +v:rb ? +c:rb <1 ? x2 x1 ?", "1 v0 2 a f0 f | v= c=abc"},
  });
}

// A stream the registry evicts (the highest open one other than the
// current) continues where it stood; one the caller closes is read again
// from its first byte or appended to.
TEST_F(Registro, EvictionResumesWhereTheStreamStoodWhileACallersCloseReopensOrIsRefused) {
  Confere({
      {"=f:0123456789 +f:rb <3 +g e m1 <3", "1 012 2 e1 345 | f=0123456789 g="},
      {"=f:0123456789 +f:rb <3 +g x1 m1 <3", "1 012 2 012 | f=0123456789 g="},
      {"=f:0123456789 +f:rt <3 +g e m1 <3", "1 012 2 e1 345 | f=0123456789 g="},
      {"=f:0123456789 +f:rt <3 +g x1 m1 <3", "1 012 2 012 | f=0123456789 g="},
      {"+f:wb >HHHH1111 @0 >hh +g e m1 >XY", "1 2 e1 | f=hhXY1111 g="},
      {"+f:wb >HHHH1111 @0 >hh +g x1 m1 >XY", "1 2 | f=hhHH1111XY g="},
      {"+f:w >abcdef @2 >Z +g e m1 >Q", "1 2 e1 | f=abZQef g="},
      {"+f:w >abcdef @2 >Z +g x1 m1 >Q", "1 2 | f=abZdefQ g="},
      {"+f:wbbbbbbbbbbbbbb >abc @1 >Z +g e m1 >Q", "1 2 e1 | f=aZQ g="},
      {"+f:wbbbbbbbbbbbbbb >abc @1 >Z +g x1 m1 >Q", "1 2 | f=aZcQ g="},
      {"+f >abc +g e m1 >def", "1 2 e1 | f=abcdef g="},
      {"+f >abc +g x1 m1 >def", "1 2 | f=abcdef g="},
      {"=f:pre: +f:ab >x +g e m1 >y", "1 2 e1 | f=pre:xy g="},
      {"=f:pre: +f:ab >x +g x1 m1 >y", "1 2 | f=pre:xy g="},
      {"=f:0123456789 +f:rb+ <2 @2 >ab +g e m1 <2", "1 01 2 e1 45 | f=01ab456789 g="},
      {"=f:0123456789 +f:rb+ <2 @2 >ab +g x1 m1 <2", "1 01 2 01 | f=01ab456789 g="},
      // Of three open streams, the highest other than the current goes.
      {"+a +b +c m1 e", "1 2 3 e3 | a= b= c="},
      {"+a +b +c m3 e", "1 2 3 e2 | a= b= c="},
      // The current stream, alone, goes; when neither the open nor its resume
      // succeeds there is no current stream, not its closed one.
      {"+a -a e", "1 e1 | a="},
      // The usual selector reopens whatever the caller closed; the one for
      // operations that select "without reopening" refuses that, but not an
      // eviction, which callers never see. Neither selects a number past the
      // last.
      {"=f:0123456789 +f:rb <2 +g a1 r1", "1 01 2 2 3 | f=0123456789 g="},
      {"=f:0123456789 +f:rb <2 +g e a1 r1", "1 01 2 e1 2 3 | f=0123456789 g="},
      {"=f:0123456789 +f:rb <2 +g x1 a1 r1", "1 01 2 - 0 | f=0123456789 g="},
      {"=f:0123456789 +f:rb <2 +g a3 r3", "1 01 2 - - | f=0123456789 g="},
  });
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

TEST_F(Registro, BadPathsAreRefusedAndGoodOnesResolvedWhenRegistered) {
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

  // A good path is resolved when registered and the file followed across
  // directories.
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
  for (const char* como : {"registered", "evicted", "closed"}) {
    for (const auto& c : casos) {
      const std::string nome = "f" + std::to_string(k++);
      const int n = Abre(nome, "wb");
      Abre("guarda" + nome);
      if (como[0] == 'e') Forca_Despejo();
      if (como[0] == 'c') geren->Fecha_Arquivo(n);
      EXPECT_EQ(Despejado(n), como[0] == 'e') << nome;
      for (long i = 0; i < c.escritos; i += 1000) geren->Salva_Texto_Generico(n, pedaco.c_str());
      struct stat antes {};
      ::stat(Caminho(nome).c_str(), &antes);
      geren->Fecha_Todos();
      const std::string caso = como + (" " + std::to_string(c.escritos)) + ": ";
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

TEST_F(Registro, DeletionRemovesAndReportsOnlyTheOpen) {
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

TEST_F(Registro, FileDateIsTheModificationTimePacked) {
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

TEST_F(Registro, TextLineWriters) {
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

// Reads the private layout of the list and its node; the layout crosses
// library boundaries, so it is checked field by field.
struct TLista_Layout {
  static size_t Cabeca() { return offsetof(TLista<int>, cabeca_); }
  static size_t Contagem() { return offsetof(TLista<int>, n_elementos_); }
  static size_t Possui() { return offsetof(TLista<int>, possui_); }
  static size_t Dado() { return offsetof(TNo<int>, dado_); }
  static size_t Proximo() { return offsetof(TNo<int>, proximo_); }
  static size_t Anterior() { return offsetof(TNo<int>, anterior_); }
};

namespace {

TEST(Lista, LayoutIsHeadCountOwnsAndDataNextPrev) {
  using L = TLista_Layout;
  const size_t p = sizeof(void*);
  EXPECT_EQ(std::vector<size_t>({L::Cabeca(), L::Contagem(), L::Possui(), sizeof(TLista<int>),
                                 L::Dado(), L::Proximo(), L::Anterior(), sizeof(TNo<int>)}),
            std::vector<size_t>({0, p, p + 4, 2 * p, 0, p, 2 * p, 3 * p}));
}

// Positions go round the circle both ways; removing relinks it and moves the
// head.
TEST(Lista, PositionsFollowTheCircleAndRemovalRelinksIt) {
  TLista<int> lista(false);
  int v[4] = {10, 20, 30, 40}, fora = 9;
  for (int& x : v) lista.Adiciona(&x);
  ASSERT_EQ(lista.Numero_Elementos(), 4);
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(lista.R_No(i)->R_Dado(), &v[i - 1]);
    EXPECT_EQ(lista.R_No(i)->R_Proximo()->R_Anterior(), lista.R_No(i));
  }
  EXPECT_EQ(lista.R_No(5), lista.R_No(1));
  EXPECT_EQ(lista.R_No(1)->R_Anterior(), lista.R_No(4));
  EXPECT_EQ(lista.R_No(4)->R_Proximo(), lista.R_No(1));
  EXPECT_FALSE(lista.Remove(&fora, true));
  EXPECT_TRUE(lista.Remove(&v[0], true));
  EXPECT_EQ(lista.R_No(1)->R_Dado(), &v[1]);
  EXPECT_EQ(lista.R_No(1)->R_Anterior()->R_Dado(), &v[3]);
  for (int k : {3, 1, 2}) EXPECT_TRUE(lista.Remove(&v[k], true));
  EXPECT_EQ(lista.Numero_Elementos(), 0);
  EXPECT_EQ(lista.R_No(1), nullptr);
  lista.Adiciona(&v[0]);
  EXPECT_EQ(lista.R_No(1)->R_Proximo()->R_Dado(), &v[0]);
}

// Counts live objects so that ownership can be observed.
struct Contado {
  static int vivos;
  Contado() { ++vivos; }
  ~Contado() { --vivos; }
};
int Contado::vivos = 0;

TEST(Lista, OnlyAnOwningListDeletesItsObjects) {
  {
    TLista<Contado> dona(true);
    dona.Adiciona(new Contado);
    Contado* b = dona.Adiciona(new Contado);
    dona.Adiciona(new Contado);
    EXPECT_EQ(Contado::vivos, 3);
    dona.Remove(b, false);  // unlinked but kept: apagar is clear
    EXPECT_EQ(Contado::vivos, 3);
    delete b;
    dona.Remove(dona.R_No(1)->R_Dado(), true);
    EXPECT_EQ(Contado::vivos, 1);
  }
  EXPECT_EQ(Contado::vivos, 0);

  Contado a, b;
  TLista<Contado> alheia(false);
  alheia.Adiciona(&a);
  alheia.Adiciona(&b);
  alheia.Remove(&a, true);
  alheia.Limpa();
  EXPECT_EQ(Contado::vivos, 2);
  EXPECT_EQ(alheia.Numero_Elementos(), 0);
}

}  // namespace
