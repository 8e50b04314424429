// The description beside a file: one table of keys, each with how its
// value is read and written, for the one reader and the one writer.
#include <arqaux/arqaux.h>
#include <arqaux/dados.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace {

static_assert(FLAGS_COMPONENTE == TComponente_HVAC::NUM_CONFIG_UM, "a component's flags");

// Most a number of a description may be: nine digits.
constexpr long kMaxNumero = 999999999;
constexpr int kDiasMes[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// A whole number of digits alone, from minimo to maximo.
bool Le_Natural(const std::string& texto, long minimo, long maximo, int* v) {
  if (texto.empty() || texto.size() > 9 || texto.find_first_not_of("0123456789") != texto.npos) {
    return false;
  }
  const long n = std::strtol(texto.c_str(), nullptr, 10);
  *v = static_cast<int>(n);
  return n >= minimo && n <= maximo;
}

// Parts of texto separated by separador, each given to ler.
template <typename T, typename Leitor>
bool Le_Itens(const std::string& texto, char separador, Leitor ler, std::vector<T>* itens) {
  itens->clear();
  for (size_t i = 0;;) {
    const size_t fim = std::min(texto.find(separador, i), texto.size());
    T item;
    if (!ler(texto.substr(i, fim - i), &item)) return false;
    itens->push_back(item);
    if (fim == texto.size()) return true;
    i = fim + 1;
  }
}

// Parts of texto separated by separador, each a whole number from minimo to
// maximo; quantos of them when not 0.
bool Le_Partes(const std::string& texto, char separador, long minimo, long maximo, size_t quantos,
               std::vector<int>* partes) {
  auto natural = [minimo, maximo](const std::string& p, int* v) {
    return Le_Natural(p, minimo, maximo, v);
  };
  return Le_Itens(texto, separador, natural, partes) && (quantos == 0 || partes->size() == quantos);
}

bool Le_Flags(const std::string& v, std::vector<int>* flags) {
  return Le_Partes(v, ',', 0, 1, 0, flags);
}

// "3:1,1,0,1,1,1,1,1": a component's type code and its flags.
bool Le_Componente(const std::string& v, TComponente_Descrito* c) {
  const size_t p = v.find(':');
  return p != v.npos && Le_Natural(v.substr(0, p), 0, TIPOS_COMPONENTE - 1, &c->tipo) &&
         Le_Partes(v.substr(p + 1), ',', 0, 1, FLAGS_COMPONENTE, &c->flags);
}

// "3" or "3:5": a variable and the type of its selected component.
bool Le_Relatorio(const std::string& v, TRelatorio_Descrito* r) {
  const size_t p = v.find(':');
  *r = TRelatorio_Descrito();
  return Le_Natural(v.substr(0, p), 0, kMaxNumero, &r->variavel) &&
         (p == v.npos || Le_Natural(v.substr(p + 1), 0, TIPOS_COMPONENTE - 1, &r->selecionado));
}

// "31/12/23": a day of the 365-day year and an hour.
bool Le_Data(const std::string& v, TTempo* t) {
  std::vector<int> d;
  if (!Le_Partes(v, '/', 0, 31, 3, &d) || d[1] < 1 || d[1] > 12 || d[0] < 1 ||
      d[0] > kDiasMes[d[1] - 1] || d[2] > 23) {
    return false;
  }
  *t = TTempo();
  t->Dia = d[0];
  t->Mes = d[1];
  t->Hora = d[2];
  return true;
}

std::string Texto_Lista(const std::vector<int>& v) {
  std::string texto;
  for (size_t i = 0; i < v.size(); ++i) texto += (i ? "," : "") + std::to_string(v[i]);
  return texto;
}
std::string Texto_Data(const TTempo& t) {
  return std::to_string(t.Dia) + "/" + std::to_string(t.Mes) + "/" + std::to_string(t.Hora);
}
std::vector<std::string> Uma(const std::string& texto) { return {texto}; }
std::vector<std::string> Lista(const std::vector<int>& v) {
  return v.empty() ? std::vector<std::string>() : Uma(Texto_Lista(v));
}
std::vector<std::string> Numero(int v, int nenhum) {
  return v == nenhum ? std::vector<std::string>() : Uma(std::to_string(v));
}
std::vector<std::string> Data(const TTempo& t) {
  return t.Dia == 0 ? std::vector<std::string>() : Uma(Texto_Data(t));
}

// A key: its name, whether it may be given more than once, how its value
// is read into a description (false: not a value of the key) and the
// values it writes (none: not given).
struct TChave {
  const char* nome;
  bool repetida;
  bool (*le)(const std::string& valor, TDescricao* d);
  std::vector<std::string> (*escreve)(const TDescricao& d);
};

const TChave kChaves[] = {
    {"kind", false,
     [](const std::string& v, TDescricao* d) {
       d->tipo = v;
       return Procura_Tipo_HVAC(v) != nullptr || Procura_Tipo_Arquivo(v) != nullptr;
     },
     [](const TDescricao& d) { return d.tipo.empty() ? std::vector<std::string>() : Uma(d.tipo); }},
    {"number", false,
     [](const std::string& v, TDescricao* d) { return Le_Natural(v, 0, kMaxNumero, &d->numero); },
     [](const TDescricao& d) { return Numero(d.numero, -1); }},
    {"flags", false, [](const std::string& v, TDescricao* d) { return Le_Flags(v, &d->flags); },
     [](const TDescricao& d) { return Lista(d.flags); }},
    {"show", false,
     [](const std::string& v, TDescricao* d) { return Le_Partes(v, ',', 0, 1, 3, &d->mostra); },
     [](const TDescricao& d) { return Lista(d.mostra); }},
    {"component", true,
     [](const std::string& v, TDescricao* d) {
       TComponente_Descrito c;
       if (!Le_Componente(v, &c)) return false;
       d->componentes.push_back(c);
       return true;
     },
     [](const TDescricao& d) {
       std::vector<std::string> v;
       for (const TComponente_Descrito& c : d.componentes) {
         v.push_back(std::to_string(c.tipo) + ":" + Texto_Lista(c.flags));
       }
       return v;
     }},
    {"variables", false,
     [](const std::string& v, TDescricao* d) {
       return Le_Itens(v, ',', Le_Relatorio, &d->relatorios);
     },
     [](const TDescricao& d) {
       std::string texto;
       for (const TRelatorio_Descrito& r : d.relatorios) {
         texto += (texto.empty() ? "" : ",") + std::to_string(r.variavel);
         if (r.selecionado != SEM_SELECIONADO) texto += ":" + std::to_string(r.selecionado);
       }
       return texto.empty() ? std::vector<std::string>() : Uma(texto);
     }},
    {"interval", false,
     [](const std::string& v, TDescricao* d) { return Le_Natural(v, 1, 86400, &d->intervalo); },
     [](const TDescricao& d) { return Numero(d.intervalo, 0); }},
    {"start", false, [](const std::string& v, TDescricao* d) { return Le_Data(v, &d->inicio); },
     [](const TDescricao& d) { return Data(d.inicio); }},
    {"end", false, [](const std::string& v, TDescricao* d) { return Le_Data(v, &d->fim); },
     [](const TDescricao& d) { return Data(d.fim); }},
    {"regions", false,
     [](const std::string& v, TDescricao* d) {
       return Le_Partes(v, ',', 0, MAX_SUPERFICIES, 0, &d->regioes);
     },
     [](const TDescricao& d) { return Lista(d.regioes); }},
    {"groups", false,
     [](const std::string& v, TDescricao* d) {
       if (!Le_Partes(v, ',', 1, 3, 0, &d->grupos)) return false;
       std::vector<int> g = d->grupos;
       std::sort(g.begin(), g.end());
       return std::adjacent_find(g.begin(), g.end()) == g.end();
     },
     [](const TDescricao& d) { return Lista(d.grupos); }},
    {"region", false,
     [](const std::string& v, TDescricao* d) {
       return Le_Natural(v, 1, MAX_SUPERFICIES, &d->regiao);
     },
     [](const TDescricao& d) { return Numero(d.regiao, 0); }},
    {"surfaces", false,
     [](const std::string& v, TDescricao* d) {
       return Le_Natural(v, 1, MAX_SUPERFICIES, &d->superficies);
     },
     [](const TDescricao& d) { return Numero(d.superficies, 0); }},
};

const TChave* Procura_Chave(const std::string& nome) {
  for (const TChave& c : kChaves) {
    if (nome == c.nome) return &c;
  }
  return nullptr;
}

// Text without the blanks around it.
std::string Apara(const std::string& texto) {
  const size_t inicio = texto.find_first_not_of(" \t\r");
  if (inicio == std::string::npos) return "";
  return texto.substr(inicio, texto.find_last_not_of(" \t\r") + 1 - inicio);
}

// Reads line n, neither blank nor a comment, into d: empty, or why not.
std::string Le_Linha(const std::string& linha, int n, TDescricao* d) {
  const size_t igual = linha.find('=');
  const std::string chave = Apara(linha.substr(0, igual));
  if (igual == std::string::npos || chave.empty()) return "not a 'key = value' line";
  const std::string valor = Apara(linha.substr(igual + 1));
  const TChave* c = Procura_Chave(chave);
  if (c == nullptr) return "unknown key '" + chave + "'";
  if (d->Linha(chave) != 0) {
    if (!c->repetida) return "'" + chave + "' given twice";
  } else {
    d->linhas.emplace_back(chave, n);
  }
  if (!c->le(valor, d)) return "'" + valor + "' is not a value of '" + chave + "'";
  return "";
}

}  // namespace

bool Le_Descricao(const std::string& texto, TDescricao* d, std::string* erro) {
  *d = TDescricao();
  std::istringstream linhas(texto);
  std::string linha;
  for (int n = 1; std::getline(linhas, linha); ++n) {
    const std::string limpa = Apara(linha);
    if (limpa.empty() || limpa[0] == '#') continue;
    const std::string motivo = Le_Linha(limpa, n, d);
    if (!motivo.empty()) {
      *erro = "line " + std::to_string(n) + ": " + motivo;
      return false;
    }
  }
  return true;
}

bool Le_Valor_Descrito(const std::string& chave, const std::string& valor, TDescricao* d) {
  const TChave* c = Procura_Chave(chave);
  return c != nullptr && c->le(valor, d);
}

std::string Texto_Descricao(const TDescricao& d) {
  std::string texto;
  for (const TChave& c : kChaves) {
    for (const std::string& v : c.escreve(d)) texto += std::string(c.nome) + " = " + v + "\n";
  }
  return texto;
}
