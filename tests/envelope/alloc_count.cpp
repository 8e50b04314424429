// The test program's operator new[]: malloc, recording the largest request
// made while a TConta_Alocacao lives. A hostile count must fail before it
// asks for memory, which an address-space cap cannot show under the address
// sanitizer (it reserves terabytes of its own).
#include <cstdlib>
#include <new>

#include "envelope/bytes.h"

namespace {
bool contando = false;
size_t maior = 0;

void* Aloca(size_t n) {
  if (contando && n > maior) maior = n;
  return std::malloc(n == 0 ? 1 : n);
}
}  // namespace

TConta_Alocacao::TConta_Alocacao() { contando = true, maior = 0; }
TConta_Alocacao::~TConta_Alocacao() { contando = false; }
size_t TConta_Alocacao::Maior() { return maior; }

void* operator new[](size_t n) {
  if (void* p = Aloca(n)) return p;
  throw std::bad_alloc();
}
void* operator new[](size_t n, const std::nothrow_t&) noexcept { return Aloca(n); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete[](void* p, size_t) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
