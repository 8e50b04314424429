// Little-endian 4-byte fields as a file holds them, for building envelope
// files in tests.
#ifndef ARQAUX_TESTS_ENVELOPE_BYTES_H_
#define ARQAUX_TESTS_ENVELOPE_BYTES_H_

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "support/relatorios.h"  // Reais

inline std::string Inteiros(const std::vector<uint32_t>& v) {
  return std::string(reinterpret_cast<const char*>(v.data()), v.size() * 4);
}
// Floats first, first + 1, ...: each value names its own place in the file.
inline std::vector<float> Sequencia(size_t n, float primeiro = 0.0f) {
  std::vector<float> v(n);
  for (size_t i = 0; i < n; ++i) v[i] = primeiro + static_cast<float>(i);
  return v;
}

// Bytes asked of operator new[] while a count is running (alloc_count.cpp).
struct TConta_Alocacao {
  TConta_Alocacao();
  ~TConta_Alocacao();
  static size_t Maior();  // the largest single request of the running count
};

#endif  // ARQAUX_TESTS_ENVELOPE_BYTES_H_
