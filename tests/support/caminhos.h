// Where the tests find what the build made and the files they read: the
// tool, both libraries, the public headers and tests/data. The paths are
// written by CMake into one generated source (caminhos.cpp.in), so that no
// other test object holds the build's absolute paths and a clone in another
// folder compiles to the same objects (the compiler cache reuses them).
// Every test file sees this header (forced include).
#ifndef ARQAUX_TESTS_SUPPORT_CAMINHOS_H_
#define ARQAUX_TESTS_SUPPORT_CAMINHOS_H_

namespace arqaux_teste {
extern const char* const kCaminho_Ferramenta;
extern const char* const kCaminho_Biblioteca;
extern const char* const kCaminho_Biblioteca_Contratos;
extern const char* const kPasta_Cabecalhos;
extern const char* const kPasta_Dados;
}  // namespace arqaux_teste

#define ARQAUX_TOOL_PATH (::arqaux_teste::kCaminho_Ferramenta)
#define ARQAUX_LIB_PATH (::arqaux_teste::kCaminho_Biblioteca)
#define ARQAUX_CONTRATOS_LIB_PATH (::arqaux_teste::kCaminho_Biblioteca_Contratos)
#define ARQAUX_INCLUDE_DIR (::arqaux_teste::kPasta_Cabecalhos)
#define ARQAUX_TEST_DATA (::arqaux_teste::kPasta_Dados)

#endif  // ARQAUX_TESTS_SUPPORT_CAMINHOS_H_
