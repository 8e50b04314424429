#include "comum/texto.h"

#include <arqaux/arqaux.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

bool Le_Inteiro(const std::string& texto, int* valor) {
  if (texto.empty()) return false;
  errno = 0;
  char* fim = nullptr;
  long v = std::strtol(texto.c_str(), &fim, 10);
  if (errno != 0 || *fim != '\0' || v < INT_MIN || v > INT_MAX) return false;
  *valor = static_cast<int>(v);
  return true;
}

bool Le_Data(const std::string& texto, TTempo* t) {
  int partes[3];
  size_t i = 0;
  for (int k = 0; k < 3; ++k) {
    size_t fim = k < 2 ? texto.find('/', i) : texto.size();
    if (fim == std::string::npos || !Le_Inteiro(texto.substr(i, fim - i), &partes[k])) {
      return false;
    }
    i = fim + 1;
  }
  const int dia = partes[0], mes = partes[1], hora = partes[2];
  if (mes < 1 || mes > 12 || dia < 1 || dia > TGeren_Tempo::Dias_No_Mes(mes) || hora < 0 ||
      hora > 23) {
    return false;
  }
  *t = TTempo();
  t->Dia = dia;
  t->Mes = mes;
  t->Hora = hora;
  return true;
}
