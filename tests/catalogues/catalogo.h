// Helpers of the catalogue tests: printf into a string, a text buffer that
// shows what a reader wrote, a reader run on given bytes, and the models
// directory pointed at the test's directory.
#ifndef ARQAUX_TESTS_CATALOGUES_CATALOGO_H_
#define ARQAUX_TESTS_CATALOGUES_CATALOGO_H_

#include <arqaux/arqaux.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "support/texto_config.h"

inline std::string Formata(const char* formato, ...) __attribute__((format(printf, 1, 2)));
inline std::string Formata(const char* formato, ...) {
  char t[2048];
  va_list args;
  va_start(args, formato);
  std::vsnprintf(t, sizeof(t), formato, args);
  va_end(args);
  return t;
}

// A heap buffer of exactly n bytes filled with '#', for a reader's text; it
// may start with a one-character text antes and its terminator, which any
// text stored covers. Lido() gives the text up to
// its terminator (the whole buffer when it holds none), then a "+" for every
// '#' after the terminator that was written over: a reader writes the text
// and its terminator only, and a text it never reached leaves the buffer as
// it was.
struct Buffer_Sentinela {
  explicit Buffer_Sentinela(size_t n, const std::string& antes = "") : b(n, '#') {
    if (!antes.empty()) std::memcpy(b.data(), antes.c_str(), antes.size() + 1);
  }
  char* p() { return b.data(); }
  std::string Lido() const {
    const std::string texto(b.data(), strnlen(b.data(), b.size()));
    const size_t apos = std::min(texto.size() + 1, b.size());
    return texto +
           std::string(std::count_if(b.begin() + apos, b.end(), [](char c) { return c != '#'; }),
                       '+');
  }
  std::vector<char> b;
};

// What le() returns with bytes at caminho as the current stream, closed after.
template <class F>
auto Lendo(TGeren_ArquivoAux* geren, const std::string& caminho, const std::string& bytes, F le) {
  Abre_Para_Leitura(geren, caminho, bytes);
  auto r = le();
  geren->Fecha_Todos();
  return r;
}

// The test's directory as the models directory while a Dir_Modelos lives;
// the loaders change into it, so the working directory is put back too.
struct Dir_Modelos {
  explicit Dir_Modelos(const std::string& dir) : antes(DLL_UTIL_Geren_Dir()->R_Dir_Modelos()) {
    EXPECT_NE(getcwd(cwd, sizeof(cwd)), nullptr);
    DLL_UTIL_Geren_Dir()->A_Dir_Modelos(dir);
  }
  ~Dir_Modelos() {
    DLL_UTIL_Geren_Dir()->A_Dir_Modelos(antes);
    EXPECT_EQ(chdir(cwd), 0);
  }
  std::string antes;
  char cwd[4096] = {};
};

#endif  // ARQAUX_TESTS_CATALOGUES_CATALOGO_H_
