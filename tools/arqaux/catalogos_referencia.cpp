#include "catalogos.h"

std::vector<TTipo_Catalogo> Tipos_Catalogo_Referencia() { return {}; }
