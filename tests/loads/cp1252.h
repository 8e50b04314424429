// Expected texts of the load tests are written in UTF-8, as documented, and
// compared as the Windows-1252 bytes the library writes.
#ifndef ARQAUX_TESTS_LOADS_CP1252_H_
#define ARQAUX_TESTS_LOADS_CP1252_H_

#include <string>

// UTF-8 text whose letters are at most U+00FF, as Windows-1252.
inline std::string Cp1252(const std::string& s) {
  std::string r;
  for (size_t i = 0; i < s.size(); ++i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c >= 0xC0 && i + 1 < s.size()) {
      r += static_cast<char>(((c & 0x1F) << 6) | (static_cast<unsigned char>(s[++i]) & 0x3F));
    } else {
      r += s[i];
    }
  }
  return r;
}

#endif  // ARQAUX_TESTS_LOADS_CP1252_H_
