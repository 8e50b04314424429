// What every fuzz target shares: a scratch folder of its own for the files it
// hands to the library, and a cursor that takes the call's arguments from the
// first bytes of the input.
#ifndef ARQAUX_FUZZ_FUZZ_COMUM_H_
#define ARQAUX_FUZZ_FUZZ_COMUM_H_

#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace fuzz {

// A folder made with mkdtemp under $TMPDIR (or /tmp) on first use and removed
// with all it holds when the process exits normally (libFuzzer's end of run
// calls exit). A crash leaves it behind, beside the reproducer.
class TPasta {
 public:
  TPasta() {
    const char* tmp = std::getenv("TMPDIR");
    caminho_ = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/arqaux-fuzz-XXXXXX";
    if (mkdtemp(caminho_.data()) == nullptr) {
      std::perror("mkdtemp");
      std::abort();
    }
  }
  ~TPasta() {
    std::error_code erro;
    std::filesystem::remove_all(caminho_, erro);
  }
  TPasta(const TPasta&) = delete;
  TPasta& operator=(const TPasta&) = delete;

  const std::string& Caminho() const { return caminho_; }

 private:
  std::string caminho_;
};

inline const TPasta& Pasta() {
  static const TPasta pasta;
  return pasta;
}

// Path of file nome in the run's folder.
inline std::string Arquivo(const char* nome) { return Pasta().Caminho() + "/" + nome; }

// Puts the bytes in the file; false when it cannot be written whole.
inline bool Grava(const std::string& caminho, const uint8_t* dados, size_t tamanho) {
  FILE* f = std::fopen(caminho.c_str(), "wb");
  if (f == nullptr) return false;
  const bool inteiro = std::fwrite(dados, 1, tamanho, f) == tamanho;
  return std::fclose(f) == 0 && inteiro;
}

inline std::string Conteudo(const std::string& caminho) {
  std::ifstream in(caminho, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Takes the call's arguments from the front of the input; what is left is the
// file's content. Past the end of the input every argument reads as zero.
class TCursor {
 public:
  TCursor(const uint8_t* dados, size_t tamanho) : dados_(dados), resto_(tamanho) {}

  uint8_t Byte() {
    uint8_t b = 0;
    Toma(&b, 1);
    return b;
  }
  // Little-endian, as the library's binary files.
  int32_t Int() {
    uint8_t b[4] = {0, 0, 0, 0};
    Toma(b, 4);
    return static_cast<int32_t>(static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                                static_cast<uint32_t>(b[2]) << 16 |
                                static_cast<uint32_t>(b[3]) << 24);
  }
  const uint8_t* Dados() const { return dados_; }
  size_t Resto() const { return resto_; }

 private:
  void Toma(uint8_t* destino, size_t n) {
    const size_t k = n < resto_ ? n : resto_;
    if (k > 0) std::memcpy(destino, dados_, k);
    dados_ += k;
    resto_ -= k;
  }

  const uint8_t* dados_;
  size_t resto_;
};

// A clock from four int32s: hour, seconds within the hour, month, day.
template <class Tempo>
Tempo Le_Relogio(TCursor* c) {
  Tempo t;
  t.Hora = c->Int();
  t.Tempo = c->Int();
  t.Mes = c->Int();
  t.Dia = c->Int();
  return t;
}

}  // namespace fuzz

#endif  // ARQAUX_FUZZ_FUZZ_COMUM_H_
