#include "comandos.h"

#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

int Erro(const char* formato, ...) {
  std::fputs("arqaux: ", stderr);
  va_list args;
  va_start(args, formato);
  std::vfprintf(stderr, formato, args);
  va_end(args);
  std::fputc('\n', stderr);
  return 1;
}

bool Le_Inteiro(const std::string& texto, int* valor) {
  if (texto.empty()) return false;
  errno = 0;
  char* fim = nullptr;
  long v = std::strtol(texto.c_str(), &fim, 10);
  if (errno != 0 || *fim != '\0' || v < INT_MIN || v > INT_MAX) return false;
  *valor = static_cast<int>(v);
  return true;
}

bool Le_Real(const std::string& texto, double* valor) {
  if (texto.empty()) return false;
  errno = 0;
  char* fim = nullptr;
  double v = std::strtod(texto.c_str(), &fim);
  if (errno != 0 || *fim != '\0') return false;
  *valor = v;
  return true;
}

std::string Argumentos::Valor(const std::string& nome, const std::string& padrao) const {
  auto it = opcoes.find(nome);
  return it == opcoes.end() ? padrao : it->second;
}

Argumentos Separa_Argumentos(const std::vector<std::string>& args,
                             const std::vector<std::string>& flags) {
  Argumentos r;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
      std::string nome = a.substr(2);
      bool flag = false;
      for (const std::string& f : flags) flag = flag || f == nome;
      if (flag) {
        r.opcoes[nome] = "";
      } else if (i + 1 < args.size()) {
        r.opcoes[nome] = args[++i];
      } else {
        r.erro = "option --" + nome + " needs a value";
        return r;
      }
    } else {
      r.posicionais.push_back(a);
    }
  }
  return r;
}
