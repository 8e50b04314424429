#include "catalogos/catalogos.h"

#include <memory>

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

bool Confere_Catalogo(const TTipo_Catalogo& t, const std::string& caminho, FILE* saida,
                      long* parada) {
  long carga = -1;
  const bool carregado = t.carrega(caminho, saida, &carga);
  std::unique_ptr<FILE, int (*)(FILE*)> arq(std::fopen(caminho.c_str(), "rb"), std::fclose);
  TLeitura_Estrita leitura(arq.get());
  if (arq == nullptr || !t.confere(&leitura)) {
    *parada = arq == nullptr ? -1 : leitura.Parada();
    return false;
  }
  *parada = carga;
  return carregado;
}

bool Confere_Contados(TLeitura_Estrita* l, const char* contagem,
                      std::initializer_list<const char*> cabecalho,
                      std::initializer_list<const char*> registro) {
  int n = 0;
  if (!l->Linha(contagem, {&n}) || n < 0) return false;
  for (const char* linha : cabecalho) {
    if (!l->Linha(linha)) return false;
  }
  // Each record takes a line at least: the loop ends with the file.
  for (int i = 0; i < n; ++i) {
    for (const char* linha : registro) {
      if (!l->Linha(linha)) return false;
    }
  }
  return l->Fim();
}

bool Confere_Ate_O_Fim(TLeitura_Estrita* l, std::initializer_list<const char*> registro) {
  do {
    for (const char* linha : registro) {
      if (!l->Linha(linha)) return false;
    }
  } while (!l->Fim());
  return true;
}
