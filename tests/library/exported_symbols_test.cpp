// The shared libraries export their public API and nothing else. An exported
// symbol is public when the name it belongs to (its first qualified
// component, past "typeinfo for" and the like) is declared in the installed
// headers: a class or struct, a function marked for export, or a namespace
// other than arqaux; or when it is a standard-library instantiation over
// such names. Anything of the internal namespace arqaux, in whatever form,
// and anything else (a helper that escaped its file) is a leak.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/fixture.h"

namespace {

namespace fs = std::filesystem;

// The words and punctuation of a header, without comments and preprocessor
// lines.
std::vector<std::string> Palavras(std::istream& in) {
  static const std::regex palavra("\\w+|\\S"), diretiva("^\\s*#.*");
  std::vector<std::string> palavras;
  for (std::string linha; std::getline(in, linha);) {
    linha = std::regex_replace(linha.substr(0, linha.find("//")), diretiva, "");
    for (std::sregex_iterator i(linha.begin(), linha.end(), palavra), fim; i != fim; ++i) {
      palavras.push_back(i->str());
    }
  }
  return palavras;
}

bool Marca_Exportacao(const std::string& p) {
  return p.rfind("ARQAUX_", 0) == 0 && p.size() > 4 && p.compare(p.size() - 4, 4, "_API") == 0;
}

// Every name the public headers declare: classes and structs (not friends),
// namespaces, and the functions marked for export.
std::set<std::string> Nomes_Publicos() {
  std::set<std::string> nomes;
  for (const auto& e : fs::recursive_directory_iterator(ARQAUX_INCLUDE_DIR)) {
    if (e.path().extension() != ".h") continue;
    std::ifstream in(e.path());
    const std::vector<std::string> p = Palavras(in);
    for (size_t i = 0; i + 1 < p.size(); ++i) {
      size_t nome = 0;
      if ((p[i] == "class" || p[i] == "struct") && (i == 0 || p[i - 1] != "friend")) {
        nome = Marca_Exportacao(p[i + 1]) ? i + 2 : i + 1;
      } else if (p[i] == "namespace") {
        nome = i + 1;
      } else if (Marca_Exportacao(p[i]) &&
                 (i == 0 || (p[i - 1] != "class" && p[i - 1] != "struct"))) {
        for (nome = i + 1; nome + 1 < p.size() && p[nome + 1] != "(";) ++nome;
      }
      if (nome > 0 && nome < p.size()) nomes.insert(p[nome]);
    }
  }
  nomes.erase("arqaux");
  return nomes;
}

// The name a demangled symbol belongs to: the first component of its
// qualified name, which is the last word before the parameters (past a
// template function's return type, "typeinfo for" and the like).
std::string Dono(const std::string& simbolo) {
  size_t inicio = 0, fim = simbolo.size();
  int profundidade = 0;
  // A "decltype (...)" return type is passed over whole.
  if (simbolo.rfind("decltype (", 0) == 0) {
    do {
      profundidade += (simbolo[inicio] == '(') - (simbolo[inicio] == ')');
    } while (++inicio < simbolo.size() && (profundidade > 0 || inicio < 10));
  }
  for (size_t i = inicio; i < simbolo.size() && fim == simbolo.size(); ++i) {
    const char c = simbolo[i];
    if (c == '<') ++profundidade;
    if (c == '>') --profundidade;
    if (profundidade != 0) continue;
    if (c == ' ') inicio = i + 1;
    if (c == '(' || simbolo.compare(i, 10, "::operator") == 0) fim = i;
  }
  const std::string nome = simbolo.substr(inicio, fim - inicio);
  // A function returning std::string carries the ABI tag: "Texto_ISO[abi:cxx11]".
  return nome.substr(0, std::min({nome.find("::"), nome.find('<'), nome.find("[abi:")}));
}

bool Publico(const std::string& simbolo, const std::set<std::string>& nomes) {
  if (simbolo.find("arqaux::") != std::string::npos) return false;
  const std::string dono = Dono(simbolo);
  return dono == "std" || dono == "__gnu_cxx" || nomes.count(dono) > 0;
}

// The demangled names of the library's exported definitions: nm prints
// "value type name" per line.
std::vector<std::string> Exportados(const std::string& biblioteca) {
  std::string saida;
  EXPECT_EQ(Executa("nm -D --defined-only --demangle '" + biblioteca + "'", &saida), 0);
  std::vector<std::string> simbolos;
  std::istringstream linhas(saida);
  for (std::string valor, tipo, nome; linhas >> valor >> tipo && std::getline(linhas, nome);) {
    simbolos.push_back(nome.substr(nome.find_first_not_of(' ')));
  }
  return simbolos;
}

// Each library exports the names it must and nothing else. Symbols of
// internal names, in the forms a leak takes, are told apart from public ones
// (a rule that took them for public would let every leak through).
TEST(ExportedSymbols, EachLibraryExportsItsApiAndNothingElse) {
  const std::set<std::string> nomes = Nomes_Publicos();
  for (const char* simbolo :
       {"arqaux::Grava_Linha(_IO_FILE*, arqaux::TLinha_Bruta const&, void const*)",
        "arqaux::TRelatorio_Amostrado::~TRelatorio_Amostrado()", "typeinfo for arqaux::TSeletor",
        "std::vector<arqaux::TColuna, std::allocator<arqaux::TColuna> >::~vector()",
        "TAcesso_Registro::Estado(TGeren_ArquivoAux*)", "Forma_Nome_Ti(char*)",
        "bool Le_Tipo<TGanho>(void const*, _IO_FILE*)"}) {
    EXPECT_FALSE(Publico(simbolo, nomes)) << simbolo;
  }
  const struct {
    const char* biblioteca;
    std::vector<std::string> esperados;  // a few that must be there
  } casos[] = {
      {ARQAUX_LIB_PATH,
       {"Geren_ArqAux()", "Geren_arquivoaux::Initialize()", "Geren_arquivoaux::Finalize()",
        "TGeren_ArquivoAux::Fecha_Todos()", "TArquivoAux::~TArquivoAux()",
        "TGeren_ArquivoAux::Le_Dados_FanCoil(int, CFanCoil*)",
        "Texto_ISO[abi:cxx11](long long, int)"}},
      {ARQAUX_CONTRATOS_LIB_PATH,
       {"DLL_UTIL_Geren_Tempo()", "TIntervalos::Limpa_Intervalos()", "typeinfo for TPessoas",
        "typeinfo for TAtuador", "typeinfo for TVentilador", "CFanCoil::CFanCoil()"}},
  };
  for (const auto& c : casos) {
    const std::vector<std::string> simbolos = Exportados(c.biblioteca);
    const std::set<std::string> todos(simbolos.begin(), simbolos.end());
    std::string faltam, vazam;
    for (const std::string& e : c.esperados) {
      if (todos.count(e) == 0) faltam += e + "\n";
    }
    for (const std::string& s : simbolos) {
      if (!Publico(s, nomes)) vazam += s + "\n";
    }
    EXPECT_EQ(faltam, "") << c.biblioteca;
    EXPECT_EQ(vazam, "") << c.biblioteca;
  }
}

}  // namespace
