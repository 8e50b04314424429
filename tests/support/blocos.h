// Expected text of the HVAC system blocks, built from small tables: the
// report header, the fan coils and the primary plant's items. The library's
// tests of each block and the tool's tests of its sample system compare
// whole files against these.
#ifndef ARQAUX_TESTS_SUPPORT_BLOCOS_H_
#define ARQAUX_TESTS_SUPPORT_BLOCOS_H_

#include <cstdio>
#include <string>
#include <vector>

// The report header: the plant's nine codes as written, then the flags.
inline std::string Texto_Cabecalho_HVAC(const std::string& dados, int sistema, int passo,
                                        int consumo) {
  return "[Dados Sistema Primario]\n\t{Dados = " + dados +
         "}\n[Monitorar Sistema HVAC = " + std::to_string(sistema) +
         "]\n[Passo Tempo Rel HVAC = " + std::to_string(passo) +
         "]\n[Monitorar Consumo HVAC = " + std::to_string(consumo) + "]\n";
}

// A fan coil's component block holding one component of each code in tipos,
// with the values of the tool's sample components: value i of code t is
// 0.25 (t + 1) (i + 1), setting i is t % 2 + i.
inline std::string Texto_Componentes(const std::vector<int>& tipos) {
  const int dados[] = {3, 2, 6, 6, 3, 5, 5}, config[] = {1, 1, 2, 2, 1, 2, 2};
  std::string t = "\t\t[N\xBA Componentes = " + std::to_string(tipos.size()) + "]\n";
  char num[32];
  for (int tipo : tipos) {
    t += "\t\t[Componente = " + std::to_string(tipo) + "]\t{Dados: ";
    for (int i = 0; i < dados[tipo]; ++i) {
      t.append(num, std::snprintf(num, sizeof num, "%g,", 0.25 * (tipo + 1) * (i + 1)));
    }
    t += "\t{Config: ";
    for (int i = 0; i < config[tipo]; ++i) t += std::to_string(tipo % 2 + i) + ",";
    t += "}\n";
  }
  return t;
}

// The two fan coils of the tool's sample system, with their count line.
inline std::string Texto_FanCoils_Exemplo() {
  return "[N\xBA Fancoils = 2]\n\t[Fan-Coil 1]\n"
         "\t{Dados Gerais: 0.500000,1.250000,3.000000,40.000000,0.125000,1000.000000,}\n"
         "\t{Config Gerais: 1,0,2,0,0,1,0,0,3,1,}\n" +
         Texto_Componentes({0, 3, 5, 6}) +
         "\t[N\xBA Zonas = 3]\n"
         "\t\t[Zona = 1]\t{Dados: [Sala de estar],22.000000,0.500000,45.000000,1.500000,}"
         "\t{Config: 1,0,1,0,2,}\n" +
         Texto_Componentes({1, 2, 4}) +
         "\t[Horarios = 2]\n\t\t[Horario 1 = (1,5,8:0->12:0)]\n"
         "\t\t[Horario 2 = (1,5,13:30->18:0)]\n"
         "\t\t[Controle Aq = 1,21.00,1.00]\n\t\t[Controle Resf = 3,24.00,0.50,0.10,0.00]\n"
         "\t\t[Zona = 2]\t{Dados: [Cozinha],24.000000,1.000000,50.000000,2.000000,}"
         "\t{Config: 0,1,0,1,0,}\n\t\t[N\xBA Componentes = 0]\n\t[Horarios = 0]\n"
         "\t\t[Controle Aq = 3,20.00,2.00,0.05,0.01]\n\t\t[Controle Resf = 1,25.50,0.75]\n"
         "\t\t[Zona = 3]\t{Dados: [Quarto],20.000000,0.000000,40.000000,1.000000,}"
         "\t{Config: 0,0,0,0,1,}\n\t\t[N\xBA Componentes = 0]\n\t[Horarios = 0]\n"
         // Kind 2 leaves its line open: the next line follows on it.
         "\t\t[Controle Aq = 2\t\t[Controle Resf = 2"
         "\t[Horarios = 1]\n\t\t[Horario 1 = (1,7,0:0->23:59)]\n"
         "\t[Ativar Ventilacao = 1]\n\t[Controle Ventilacao = 1,0,1]\n"
         "\t[Horarios Ventilacao = 1]\n\t\t[Horario 1 = (2,6,6:30->9:15)]\n"
         "\t[Controle Aq = 3,22.00,0.50,0.10,0.00]\n\t[Controle Resf = 1,24.50,1.50]\n"
         "\t[Controle Umid = 1,0,50.00,5.00]\n\t[Controle Desumid = 2]\n"
         "\t[Controle Reaq = 1,0,70.00,2.50]\n\t[Controle Vent = 1,2.00,0.75]\n"
         "\t[Fan-Coil 2]\n"
         "\t{Dados Gerais: 0.250000,0.750000,2.000000,30.000000,0.100000,800.000000,}\n"
         "\t{Config Gerais: 0,1,1,0,0,0,1,0,2,0,}\n" +
         Texto_Componentes({1, 5}) +
         "\t[N\xBA Zonas = 1]\n"
         "\t\t[Zona = 4]\t{Dados: [Escritorio],23.000000,0.500000,50.000000,1.000000,}"
         "\t{Config: 1,1,0,0,1,}\n\t\t[N\xBA Componentes = 0]\n"
         "\t[Horarios = 1]\n\t\t[Horario 1 = (2,6,8:0->18:0)]\n"
         "\t\t[Controle Aq = 1,20.00,0.50]\n\t\t[Controle Resf = 1,25.00,0.50]\n"
         "\t[Horarios = 1]\n\t\t[Horario 1 = (2,6,7:0->19:0)]\n"
         "\t[Ativar Ventilacao = 0]\n\t[Controle Ventilacao = 0,0,0]\n"
         "\t[Horarios Ventilacao = 0]\n\t[Controle Aq = 2\t[Controle Resf = 1,24.00,1.00]\n"
         "\t[Controle Umid = 2]\n\t[Controle Desumid = 2]\n\t[Controle Reaq = 2]\n"
         "\t[Controle Vent = 2]\n";
}

// A primary plant kind: its code, count-line and head-line labels and what
// one item holds; a tank (names -1) holds 3 more floats and one name per
// connection.
struct Tipo_Planta {
  int tipo;
  const char *contagem, *cabeca;
  int reais, inteiros, nomes;
};
const Tipo_Planta kTipos_Planta[] = {
    {1, "Chillers Ar", "Chiller Ar", 23, 7, 4},
    {2, "Chillers Agua", "Chiller Agua", 27, 10, 4},
    {3, "Torres Resf.", "Torre Resf.", 9, 6, 0},
    {4, "Boillers", "Boiler", 18, 10, 1},
    {5, "Bombas Aq.", "Bomba Aq.", 11, 6, 1},
    {6, "Bombas Ag.", "Bomba Ag.", 12, 6, 1},
    {7, "Bombas Cond.", "Bomba Cond.", 7, 6, 0},
    {8, "Tanque Agua Gelada", "Tanque", 10, 2, -1},
    {9, "Bombas Ag. Sec", "Bomba Ag. Sec", 12, 6, 1},
};

struct Item_Planta {
  std::vector<float> dados;
  std::vector<int> conf;
  std::vector<std::string> nomes;
  std::vector<const char*> Ponteiros() const {
    std::vector<const char*> p;
    for (const std::string& n : nomes) p.push_back(n.c_str());
    return p;
  }
};

inline std::string Contagem_Planta(const Tipo_Planta& t, int n) {
  return std::string("[N\xBA ") + t.contagem + " = " + std::to_string(n) + "]\n";
}

// Item i of kind t as written.
inline std::string Bloco_Planta(const Tipo_Planta& t, int i, const Item_Planta& item) {
  std::string b = std::string("   [") + t.cabeca + " " + std::to_string(i) + "]\n      {Dados:";
  char num[64];
  for (float d : item.dados) b.append(num, std::snprintf(num, sizeof num, "%f,", d));
  for (size_t k = 0; k < item.nomes.size(); ++k) b += (k > 0 ? ",[" : "[") + item.nomes[k] + "]";
  b += "}\n      {Conf_Rel:";
  for (int c : item.conf) b += std::to_string(c) + ",";
  return b + "}\n";
}

// The plant of the tool's sample system: as many items of each kind as
// itens says, value i of item k of code t being 100 t + 10 k + i / 2, setting
// i being (i + k) % 2, name i "<prefix> k.i"; the tank has three connections.
inline std::string Texto_Planta_Exemplo() {
  const int itens[] = {1, 2, 2, 1, 2, 1, 0, 1, 1};
  const char* const prefixos[] = {"Chiller Ar", "Chiller Agua", "",
                                  "Caldeira",   "Bomba AQ",     "Bomba AG",
                                  "",           "Ramal",        "Bomba AG Sec"};
  std::string t;
  for (int j = 0; j < 9; ++j) {
    const Tipo_Planta& tp = kTipos_Planta[j];
    const int conexoes = tp.nomes < 0 ? 3 : 0;
    t += Contagem_Planta(tp, itens[j]);
    for (int k = 1; k <= itens[j]; ++k) {
      Item_Planta it;
      for (int i = 0; i < tp.reais + 3 * conexoes; ++i)
        it.dados.push_back(float(tp.tipo * 100 + k * 10) + 0.5f * float(i));
      if (conexoes > 0) it.dados[5] = float(conexoes);
      for (int i = 0; i < tp.inteiros; ++i) it.conf.push_back((i + k) % 2);
      for (int i = 0; i < (conexoes > 0 ? conexoes : tp.nomes); ++i)
        it.nomes.push_back(prefixos[j] + (" " + std::to_string(k)) + "." + std::to_string(i));
      t += Bloco_Planta(tp, k, it);
    }
  }
  return t;
}

// The whole system file of the tool's sample.
inline std::string Texto_Sistema_Exemplo() {
  return Texto_Cabecalho_HVAC("1,2,0,3,1,0,2,1,4", 1, 600, 0) + Texto_FanCoils_Exemplo() +
         Texto_Planta_Exemplo();
}

#endif  // ARQAUX_TESTS_SUPPORT_BLOCOS_H_
