// Running out of file handles on purpose: a lower descriptor limit for the
// life of an object, and a way to take every handle left.
#ifndef ARQAUX_TESTS_SUPPORT_DESCRITORES_H_
#define ARQAUX_TESTS_SUPPORT_DESCRITORES_H_

#include <sys/resource.h>

#include <cstdio>
#include <vector>

class Limite_Descritores {
 public:
  explicit Limite_Descritores(rlim_t limite) {
    getrlimit(RLIMIT_NOFILE, &antigo_);
    rlimit novo = antigo_;
    novo.rlim_cur = limite;
    setrlimit(RLIMIT_NOFILE, &novo);
  }
  ~Limite_Descritores() { setrlimit(RLIMIT_NOFILE, &antigo_); }
  Limite_Descritores(const Limite_Descritores&) = delete;
  Limite_Descritores& operator=(const Limite_Descritores&) = delete;

 private:
  rlimit antigo_{};
};

// Opens files until fopen fails, so that the next open needs a free handle;
// the caller closes what it got.
inline std::vector<FILE*> Esgota_Descritores() {
  std::vector<FILE*> tomados;
  while (FILE* f = std::fopen("/dev/null", "r")) tomados.push_back(f);
  return tomados;
}

#endif  // ARQAUX_TESTS_SUPPORT_DESCRITORES_H_
