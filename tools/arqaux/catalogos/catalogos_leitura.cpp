#include "catalogos/catalogos_leitura.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

bool Branco(int c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

const char* Pula_Brancos(const char* s) {
  while (*s == ' ' || *s == '\t') ++s;
  return s;
}

// A whole number in the int range at s: its end, or null. A number that
// goes on as a real ("2.88") is not a whole number and its digits before the
// point are not one either.
const char* Le_Inteiro(const char* s, int* valor) {
  const char* d = s + (*s == '+' || *s == '-');
  if (*d < '0' || *d > '9') return nullptr;
  char* fim = nullptr;
  errno = 0;
  const long v = std::strtol(s, &fim, 10);
  if (errno != 0 || v < INT_MIN || v > INT_MAX) return nullptr;
  if (*fim == '.' || *fim == 'e' || *fim == 'E') return nullptr;
  *valor = static_cast<int>(v);
  return fim;
}

}  // namespace

bool TLeitura_Estrita::Le_Seguinte() {
  while (!ha_seguinte_ && arq_ != nullptr) {
    seguinte_.clear();
    inicio_seguinte_ = pos_;
    fim_seguinte_ = longa_seguinte_ = false;
    bool branca = true;
    int c;
    while ((c = std::getc(arq_)) != EOF) {
      ++pos_;
      if (c == '\n') {
        fim_seguinte_ = true;
        break;
      }
      branca = branca && Branco(c);
      if (seguinte_.size() < kMaior_Linha) {
        seguinte_ += static_cast<char>(c);
      } else {
        longa_seguinte_ = true;
      }
    }
    if (!branca) {
      if (fim_seguinte_ && !seguinte_.empty() && seguinte_.back() == '\r') seguinte_.pop_back();
      ha_seguinte_ = true;
    } else if (c == EOF) {
      break;
    }
  }
  return ha_seguinte_;
}

bool TLeitura_Estrita::Proxima(bool sem_fim) {
  if (!Le_Seguinte()) {
    inicio_ = pos_;
    return false;
  }
  ha_seguinte_ = false;
  inicio_ = inicio_seguinte_;
  atual_.swap(seguinte_);
  return !longa_seguinte_ && (fim_seguinte_ || sem_fim);
}

bool TLeitura_Estrita::Linha(const char* padrao, std::initializer_list<int*> inteiros,
                             bool sem_fim) {
  return Proxima(sem_fim) && Casa(padrao, inteiros);
}

bool TLeitura_Estrita::Fim() {
  if (!Le_Seguinte()) return true;
  inicio_ = inicio_seguinte_;
  return false;
}

bool TLeitura_Estrita::Casa(const char* padrao, std::initializer_list<int*> inteiros) const {
  const char* s = Pula_Brancos(atual_.c_str());
  const char* fim_texto = atual_.c_str() + atual_.size();
  auto destino = inteiros.begin();
  for (const char* p = padrao; *p != '\0'; ++p) {
    if (*p == ' ' || *p == '\t') {
      s = Pula_Brancos(s);
      continue;
    }
    if (*p != '%') {
      if (*s != *p) return false;
      ++s;
      continue;
    }
    ++p;
    if (*p == 'd') {
      int v = 0;
      s = Le_Inteiro(Pula_Brancos(s), &v);
      if (s == nullptr) return false;
      if (destino != inteiros.end()) {
        if (*destino != nullptr) **destino = v;
        ++destino;
      }
    } else if (*p == 'f') {
      s = Pula_Brancos(s);
      char* fim = nullptr;
      std::strtod(s, &fim);
      if (fim == s) return false;
      s = fim;
    } else if (*p == 's') {
      s = Pula_Brancos(s);
      const char* a = s;
      while (*s != '\0' && *s != ' ' && *s != '\t') ++s;
      if (s == a) return false;
    } else if (p[0] == '[' && p[1] == '^' && p[2] != '\0') {
      // The excluded characters run to the next "]", the first one aside.
      const char* fecho = std::strchr(p + 3, ']');
      if (fecho == nullptr) return false;
      const std::string fora(p + 2, fecho);
      const char* a = s;
      while (s < fim_texto && fora.find(*s) == std::string::npos) ++s;
      if (s == a) return false;
      p = fecho;
    } else {
      return false;
    }
  }
  while (s < fim_texto && Branco(*s)) ++s;
  return s == fim_texto;
}
