// Reads every prefix of a block, cut at each byte offset, as the current
// stream: le() runs once per prefix length 0..size and builds what it needs
// itself. Out-of-bounds accesses show up under the sanitizer build; the whole
// block must read as true.
#ifndef ARQAUX_TESTS_SUPPORT_CORTE_H_
#define ARQAUX_TESTS_SUPPORT_CORTE_H_

#include <arqaux/arqaux.h>
#include <gtest/gtest.h>

#include <algorithm>
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
      // A fresh file each time: truncating in place is slow on some file systems.
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

// The first prefix length that reads, when every longer one reads too;
// otherwise the number of lengths tried.
inline size_t Le_Desde(const std::vector<bool>& lidos) {
  auto n = std::find(lidos.begin(), lidos.end(), true);
  return std::all_of(n, lidos.end(), [](bool b) { return b; })
             ? static_cast<size_t>(n - lidos.begin())
             : lidos.size();
}

#endif  // ARQAUX_TESTS_SUPPORT_CORTE_H_
