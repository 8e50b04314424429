#include "catalogos.h"

std::vector<TTipo_Catalogo> Tipos_Catalogo() {
  std::vector<TTipo_Catalogo> tipos = Tipos_Catalogo_Equipamentos();
  for (const TTipo_Catalogo& t : Tipos_Catalogo_Referencia()) tipos.push_back(t);
  for (const TTipo_Catalogo& t : Tipos_Catalogo_Vidros()) tipos.push_back(t);
  return tipos;
}

const TTipo_Catalogo* Procura_Tipo_Catalogo(const std::string& nome) {
  static const std::vector<TTipo_Catalogo> tipos = Tipos_Catalogo();
  for (const TTipo_Catalogo& t : tipos) {
    if (nome == t.nome) return &t;
  }
  return nullptr;
}
