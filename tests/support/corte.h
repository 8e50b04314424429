// Truncation check for any block reader, text or binary: the block is cut at
// every byte offset and each prefix is read as the current stream. Use it
// from any reader's tests:
//
//   std::vector<bool> lidos = Corta_Em_Todo_Byte(geren, Caminho("corte.txt"), bloco, [&] {
//     TLista<TGanho> ganhos(true);
//     return geren->Le_Ganho_Interno(&ganhos);
//   });
//   EXPECT_FALSE(lidos[10]);  // the prefix of 10 bytes does not read
//
// le() runs once per prefix length 0..size with that prefix open as the
// current stream and must build everything it needs (lists, managers) itself.
// A crash or an out-of-bounds access shows up under the sanitizer build; the
// whole block must read as true.
#ifndef ARQAUX_TESTS_SUPPORT_CORTE_H_
#define ARQAUX_TESTS_SUPPORT_CORTE_H_

#include <arqaux/arqaux.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

// Element i of the result is what le() returned for the first i bytes.
template <class F>
std::vector<bool> Corta_Em_Todo_Byte(TGeren_ArquivoAux* geren, const std::string& caminho,
                                     const std::string& bloco, F le) {
  std::vector<bool> lidos;
  for (size_t n = 0; n <= bloco.size(); ++n) {
    {
      // A fresh file each time: truncating one in place makes some file
      // systems flush it to disk on close, which is slow over thousands of cuts.
      std::remove(caminho.c_str());
      std::ofstream out(caminho, std::ios::binary);
      out.write(bloco.data(), static_cast<std::streamsize>(n));
    }
    if (geren->Abre_Arquivo(caminho.c_str(), "rb") == 0) {
      ADD_FAILURE() << "cannot open " << caminho;
      break;
    }
    lidos.push_back(le());
    geren->Fecha_Todos();
  }
  EXPECT_TRUE(!lidos.empty() && lidos.back()) << "the whole block does not read";
  return lidos;
}

#endif  // ARQAUX_TESTS_SUPPORT_CORTE_H_
