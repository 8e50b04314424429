// Helpers for tests of the configuration text: run writers on a fresh file
// and get its bytes, or put given bytes in a file and make it the current
// stream for a reader.
#ifndef ARQAUX_TESTS_SUPPORT_TEXTO_CONFIG_H_
#define ARQAUX_TESTS_SUPPORT_TEXTO_CONFIG_H_

#include <arqaux/arqaux.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

// Opens caminho for writing as the current stream, runs escreve() and returns
// the file's bytes after closing it.
template <class F>
std::string Texto_Gravado(TGeren_ArquivoAux* geren, const std::string& caminho, F escreve) {
  std::remove(caminho.c_str());
  EXPECT_NE(geren->Abre_Arquivo(caminho.c_str(), "wb"), 0);
  escreve();
  geren->Fecha_Todos();
  std::ifstream in(caminho, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

// Writes bytes to caminho and opens it for reading as the current stream.
inline void Abre_Para_Leitura(TGeren_ArquivoAux* geren, const std::string& caminho,
                              const std::string& bytes) {
  {
    std::remove(caminho.c_str());
    std::ofstream out(caminho, std::ios::binary);
    out << bytes;
  }
  EXPECT_NE(geren->Abre_Arquivo(caminho.c_str(), "rb"), 0);
}

// The rest of a stream, or of the current one, from where the last reader
// stopped.
inline std::string Resto(FILE* arq) {
  std::string resto;
  for (int c; (c = std::fgetc(arq)) != EOF;) resto.push_back(static_cast<char>(c));
  return resto;
}
inline std::string Resto(TGeren_ArquivoAux* geren) { return Resto(geren->ObtemArquivo()); }

#endif  // ARQAUX_TESTS_SUPPORT_TEXTO_CONFIG_H_
