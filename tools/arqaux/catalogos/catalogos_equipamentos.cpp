// The equipment catalogues as their editors and the host drive them: the
// air-conditioner catalogue, the chiller, coil and fan-curve catalogues
// (saved and loaded through the library), and the PV catalogues (the host's
// files, read through the library's line readers).
#include <arqaux/arqaux.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "catalogos/catalogos.h"

namespace {

TGeren_ArquivoAux* G() { return Geren_ArqAux(); }

// Opens caminho as a new stream, runs f(n) and closes it; for a writer,
// false also when the stream recorded a lost write.
template <class F>
bool Com_Arquivo(const std::string& caminho, const char* modo, F f) {
  const int n = G()->Abre_Arquivo(caminho.c_str(), modo);
  if (n == 0) return false;
  bool ok = f(n);
  ok = !G()->Erro_Arquivo(n) && ok;
  G()->Fecha_Arquivo(n);
  return ok && !G()->Erro_Arquivo(n);
}

// Where loading stopped: the current stream's position.
bool Parou(long* parada) {
  FILE* arq = G()->ObtemArquivo();
  if (parada != nullptr) *parada = arq != nullptr ? std::ftell(arq) : -1;
  return false;
}

void Imprime_Reais(FILE* saida, const float* v, int n) {
  for (int k = 0; k < n; ++k) std::fprintf(saida, "%s%g", k > 0 ? "," : " {", v[k]);
  std::fprintf(saida, "}\n");
}

// ---- Air conditioners ----

// A sample model: nominal total capacity, sensible capacity and EER, air
// flow and evaporating temperature; its three curves; its codes as the file
// orders them (equipment type, then temperature, heating, condenser,
// regulated, shaded condenser).
Modelos_AC Modelo_AC(const char* nome, const float (&v)[5], const float (&ct)[6],
                     const float (&cs)[6], const float (&eer)[6], const int (&c)[6]) {
  Modelos_AC m{};
  std::snprintf(m.Nome, sizeof(m.Nome), "%s", nome);
  m.CT_Nominal = v[0], m.CS_Nominal = v[1], m.EER_Nominal = v[2];
  m.Vazao_Vol_Ar = v[3], m.Temp_Evap_AC = v[4];
  std::copy(ct, ct + 6, m.Coef_CT);
  std::copy(cs, cs + 6, m.Coef_CS);
  std::copy(eer, eer + 6, m.Coef_EER);
  m.Tipo_Equipamento = c[0], m.Tipo_Temperatura = c[1], m.Tipo_Aquecimento = c[2];
  m.Tipo_Condensador = c[3], m.Regulamentado = c[4], m.Condensador_Sombreado = c[5];
  return m;
}

const Modelos_AC kModelosAc[] = {
    Modelo_AC("Split Hi-Wall 9000", {2638, 1950, 3.23f, 0.14f, 7}, {0.942f, 0.0095f, 0, -0.0055f},
              {0.86f, 0.012f, 0, -0.004f}, {1.21f, -0.017f, 0, 0.0089f}, {1, 1, 0, 1, 1, 0}),
    Modelo_AC("Split Piso-Teto 36000", {10550, 7700, 2.95f, 0.57f, 8.5f},
              {0.95f, 0.009f, 0, -0.006f}, {0.9f, 0.01f, 0, -0.003f}, {1.15f, -0.015f, 0, 0.008f},
              {1, 0, 0, 2, 1, 1}),
    Modelo_AC("Janela 7500", {2198, 1540, 2.8f, 0.1f, 9}, {1}, {1}, {1}, {2, 1, 0, 0, 0, 0}),
};

bool Escreve_AC(const std::string& caminho) {
  return Com_Arquivo(caminho, "wb", [](int) {
    std::vector<Modelos_AC> m(std::begin(kModelosAc), std::end(kModelosAc));
    return G()->Salva_Equipamentos_AC(static_cast<int>(m.size()), m.data()) ==
           static_cast<int>(m.size());
  });
}

bool Carrega_AC(const std::string& caminho, FILE* saida, long* parada) {
  bool ok = false;
  Com_Arquivo(caminho, "rb", [&](int) {
    const int n = G()->Le_Numero_Registros_AC();
    for (int i = 0; i < n; ++i) {
      Modelos_AC m{};
      if (G()->Carrega_Equipamentos_AC(&m) != 5) return Parou(parada);
      if (saida == nullptr) continue;
      std::fprintf(saida, "%s: type %d, codes %d %d %d %d %d, nominal %g %g %g, flow %g, evap %g\n",
                   m.Nome, m.Tipo_Equipamento, m.Tipo_Temperatura, m.Tipo_Aquecimento,
                   m.Tipo_Condensador, m.Regulamentado, m.Condensador_Sombreado, m.CT_Nominal,
                   m.CS_Nominal, m.EER_Nominal, m.Vazao_Vol_Ar, m.Temp_Evap_AC);
    }
    return ok = true;
  });
  return ok;
}

bool Confere_AC(TLeitura_Estrita* l) {
  const char kSeis[] = "%f %f %f %f %f %f";
  return Confere_Contados(l, "[Registros = %d]", {},
                          {"[%[^]]]", "Tipo Equip. = %d", "CT Nominal = %f", kSeis,
                           "CS Nominal = %f", kSeis, "EER Nominal = %f", kSeis, "Vazao_Vol_Ar = %f",
                           "Temp_Evap_AC = %f", "Param_Gerais = [%d,%d,%d,%d,%d]"});
}

// ---- Chiller, coil and fan-curve catalogues ----

// A catalogue of records R on stream n: its sample and its operations.
template <class R>
struct TCatalogo_Chiller {
  std::vector<R> amostra;
  int valores;
  const char* linha_valores;  // the value line, for the strict reading
  int (*salva)(int n, int count, R* registros);
  int (*carrega)(int n, R* registro);
};

void Imprime(FILE* s, const Serpentina& r) { Imprime_Reais(s, r.Valores, 16); }
void Imprime(FILE* s, const Curvas_Vent& r) { Imprime_Reais(s, r.Coef, 4); }
void Imprime(FILE* s, const Curva_CAP& r) { Imprime_Reais(s, r.Coef, 6); }
void Imprime(FILE* s, const Curva_EIRT& r) { Imprime_Reais(s, r.Coef, 6); }
void Imprime(FILE* s, const Curva_EIRPLR& r) { Imprime_Reais(s, r.Coef, 3); }
void Imprime(FILE* s, const Equip& r) {
  std::fprintf(s, " {%s, %s, %s}\n", r.Curva_CAP, r.Curva_EIRT, r.Curva_EIRPLR);
}

template <class R, const TCatalogo_Chiller<R>& C>
bool Escreve_Chiller(const std::string& caminho) {
  return Com_Arquivo(caminho, "wb", [](int n) {
    std::vector<R> r = C.amostra;
    return C.salva(n, static_cast<int>(r.size()), r.data()) > 0;
  });
}

template <class R, const TCatalogo_Chiller<R>& C>
bool Carrega_Chiller(const std::string& caminho, FILE* saida, long* parada) {
  bool ok = false;
  Com_Arquivo(caminho, "rb", [&](int n) {
    const int total = G()->Le_Num_Registros(n);
    for (int i = 0; i < total; ++i) {
      R r{};
      if (C.carrega(n, &r) != C.valores) return Parou(parada);
      if (saida != nullptr) std::fprintf(saida, "%s:", r.Nome), Imprime(saida, r);
    }
    return ok = true;
  });
  return ok;
}

template <class R, const TCatalogo_Chiller<R>& C>
bool Confere_Chiller(TLeitura_Estrita* l) {
  return Confere_Contados(l, "[N\xBA Registros = %d]", {}, {"[%[^]]]", C.linha_valores});
}

const TCatalogo_Chiller<Serpentina> kSerpentinas = {
    {{"SAG-4F-12",
      {4, 12, 0.6f, 2.5f, 0.0158f, 0.0127f, 0.0004f, 386, 0.2f, 7, 12, 2.8f, 0.35f, 0.85f, 1.2f,
       0.0254f}},
     {"SAQ-2F-8",
      {2, 8, 0.5f, 2, 0.0158f, 0.0127f, 0.0004f, 386, 0.15f, 60, 45, 1.8f, 0.3f, 0.8f, 1.1f,
       0.0254f}}},
    16,
    "{%f,%f,%f,%f,%f,%f,%f,%f,%f,%f,%f,%f,%f,%f,%f,%f}",
    [](int n, int c, Serpentina* r) { return G()->Salva_Serpentinas(n, c, r); },
    [](int n, Serpentina* r) { return G()->Carrega_Serpentinas(n, r); }};
const TCatalogo_Chiller<Curvas_Vent> kVentiladores = {
    {{"Centrifugo FC", {0.35071f, 0.3085f, -0.54137f, 0.87198f}},
     {"Centrifugo BC", {0.0015302f, 0.0052080f, 1.1086242f, -0.1163556f}},
     {"Axial", {0.0013f, 0.147f, 0.9506f, -0.0998f}}},
    4,
    "{%f,%f,%f,%f}",
    [](int, int c, Curvas_Vent* r) { return G()->Salva_Curvas_Ventilador(c, r); },
    [](int, Curvas_Vent* r) { return G()->Carrega_Curvas_Ventilador(r); }};
const TCatalogo_Chiller<Equip> kChillers = {
    {{"Centrifugo 300TR", "CAP-Centrif", "EIRT-Centrif", "EIRPLR-Centrif"},
     {"Parafuso 150TR", "CAP-Parafuso", "EIRT-Parafuso", "EIRPLR-Parafuso"}},
    3,
    "{[%[^]]],[%[^]]],[%[^]]]}",
    [](int n, int c, Equip* r) { return G()->Salva_Equip_Chiller(n, c, r); },
    [](int n, Equip* r) { return G()->Carrega_Equip_Chiller(n, r); }};
const TCatalogo_Chiller<Curva_CAP> kCurvasCap = {
    {{"CAP-Centrif", {0.257896f, 0.0389016f, -0.00021708f, 0.0468684f, -0.00094284f, -0.00034344f}},
     {"CAP-Parafuso", {0.33269f, 0.0332f, -0.00013f, 0.0377f, -0.00096f, 0.00042f}}},
    6,
    "{%f,%f,%f,%f,%f,%f}",
    [](int n, int c, Curva_CAP* r) { return G()->Salva_Curvas_CAP(n, c, r); },
    [](int n, Curva_CAP* r) { return G()->Carrega_Curvas_CAP(n, r); }};
const TCatalogo_Chiller<Curva_EIRT> kCurvasEirt = {
    {{"EIRT-Centrif", {0.933884f, -0.058212f, 0.00450036f, 0.00243f, 0.000486f, -0.001215f}},
     {"EIRT-Parafuso", {0.66538f, -0.01383f, 0.00041f, 0.00838f, 0.00067f, -0.00106f}}},
    6,
    "{%f,%f,%f,%f,%f,%f}",
    [](int n, int c, Curva_EIRT* r) { return G()->Salva_Curvas_EIRT(n, c, r); },
    [](int n, Curva_EIRT* r) { return G()->Carrega_Curvas_EIRT(n, r); }};
const TCatalogo_Chiller<Curva_EIRPLR> kCurvasEirplr = {
    {{"EIRPLR-Centrif", {0.222903f, 0.313387f, 0.46371f}},
     {"EIRPLR-Parafuso", {0.06369f, 0.58488f, 0.35280f}}},
    3,
    "{%f,%f,%f}",
    [](int n, int c, Curva_EIRPLR* r) { return G()->Salva_Curvas_EIRPLR(n, c, r); },
    [](int n, Curva_EIRPLR* r) { return G()->Carrega_Curvas_EIRPLR(n, r); }};

template <class R, const TCatalogo_Chiller<R>& C>
TTipo_Catalogo Tipo_Chiller(const char* nome, const char* descricao, const char* arquivo) {
  return {nome,
          descricao,
          arquivo,
          Escreve_Chiller<R, C>,
          Carrega_Chiller<R, C>,
          Confere_Chiller<R, C>};
}

// ---- PV catalogues ----

bool Escreve_Texto(const std::string& caminho, const char* texto) {
  return Com_Arquivo(caminho, "wb",
                     [texto](int) { return std::fputs(texto, G()->ObtemArquivo()) >= 0; });
}

template <bool DC>
bool Carrega_Equipamentos_PV(const std::string& caminho, FILE* saida, long* parada) {
  bool ok = false;
  Com_Arquivo(caminho, "rb", [&](int) {
    int n = 0;
    if (!G()->Le_Cabecalho_Equipamentos_PV(&n, DC)) return Parou(parada);
    for (int i = 0; i < n; ++i) {
      char nome[TAM_NOME_EQUIP_PV];
      int valor = 0;
      if (!G()->Carrega_Registro_Equipamento_PV(&valor, nome)) return Parou(parada);
      if (saida != nullptr) std::fprintf(saida, "%s: %d\n", nome, valor);
    }
    return ok = true;
  });
  return ok;
}

bool Carrega_Tipos_PV(const std::string& caminho, FILE* saida, long* parada) {
  bool ok = false;
  Com_Arquivo(caminho, "rb", [&](int) {
    int n = 0;
    if (!G()->Le_Cabecalho_Tipo_Painel_PV(&n)) return Parou(parada);
    for (int i = 0; i < n; ++i) {
      char nome[TAM_NOME_PV];
      TTipo_PV t = {nome, 0, 0};
      if (!G()->Carrega_Registro_Tipo_Painel_PV(&t)) return Parou(parada);
      if (saida != nullptr) std::fprintf(saida, "%s: NOCT %d, Beta %g\n", nome, t.NOCT, t.Beta);
    }
    return ok = true;
  });
  return ok;
}

// The makers the reader filled, printed and freed.
void Imprime_Fabricantes(std::vector<TFabricante_PV>* f, FILE* saida) {
  for (TFabricante_PV& x : *f) {
    if (saida != nullptr && x.Nome != nullptr) std::fprintf(saida, "%s:\n", x.Nome);
    for (int k = 0; x.Modelos != nullptr && k < x.Num_Modelos; ++k) {
      const TModelo_PV& m = x.Modelos[k];
      if (saida != nullptr && m.Nome != nullptr) {
        std::fprintf(saida, "  %s: %g %d %g %g\n", m.Nome, m.Parametros[0], m.Parametro_Inteiro,
                     m.Parametros[1], m.Parametros[2]);
      }
      delete[] m.Nome;
    }
    delete[] x.Nome;
    delete[] x.Modelos;
  }
}

bool Carrega_Fabricantes_PV(const std::string& caminho, FILE* saida, long* parada) {
  // A maker's block takes more than 16 bytes: a count above the file's
  // size over that is refused before the array is made.
  constexpr long kMenor_Bloco = 16;
  bool ok = false;
  Com_Arquivo(caminho, "rb", [&](int) {
    int n = 0;
    FILE* arq = G()->ObtemArquivo();
    std::fseek(arq, 0, SEEK_END);
    const long tamanho = std::ftell(arq);
    std::rewind(arq);
    if (!G()->Le_Cabecalho_Fabricantes_PV(&n) || n < 0 || n > tamanho / kMenor_Bloco)
      return Parou(parada);
    std::vector<TFabricante_PV> f(n, TFabricante_PV{nullptr, 0, nullptr});
    const bool lido = G()->Carrega_Registros_Fabricantes_PV(f.data(), n);
    if (!lido) Parou(parada);
    Imprime_Fabricantes(&f, lido ? saida : nullptr);
    return ok = lido;
  });
  return ok;
}

template <bool DC>
bool Confere_Equipamentos_PV(TLeitura_Estrita* l) {
  return l->Linha(DC ? "Equipamentos D/C" : "Equipamentos A/C") &&
         Confere_Contados(l, "[Numero de Equipamentos = %d]", {}, {"[%[^]]][%d]"});
}

bool Confere_Tipos_PV(TLeitura_Estrita* l) {
  return Confere_Contados(l, "[Numero de Tipos = %d]", {},
                          {"{[%[^]]]", "[NOCT = %d]", "[Beta = %f]}"});
}

// The last maker's block ends in "}" with no line end after it.
bool Confere_Fabricantes_PV(TLeitura_Estrita* l) {
  int n = 0;
  if (!l->Linha("[Numero de Fabricantes = %d]", {&n}) || n < 0) return false;
  for (int i = 0; i < n; ++i) {
    int modelos = 0;
    if (!l->Linha("{[%[^]]]") || !l->Linha("[Numero de Modelos = %d]", {&modelos}) || modelos < 0)
      return false;
    for (int k = 0; k < modelos; ++k) {
      if (!l->Linha("[%[^]]]") || !l->Linha("[%f %d %f %f]")) return false;
    }
    if (!l->Linha("}", {}, i + 1 == n)) return false;
  }
  return l->Fim();
}

bool Escreve_Equipamentos_AC_PV(const std::string& caminho) {
  return Escreve_Texto(caminho,
                       "Equipamentos A/C\n[Numero de Equipamentos = 3]\n[Bomba de agua][1]\n"
                       "[Geladeira][2]\n[Iluminacao externa][4]\n");
}
bool Escreve_Equipamentos_DC_PV(const std::string& caminho) {
  return Escreve_Texto(caminho,
                       "\nEquipamentos D/C\n[Numero de Equipamentos = 2]\n[Ventilador 12V][1]\n"
                       "[Lampada LED 24V][3]\n");
}
bool Escreve_Tipos_PV(const std::string& caminho) {
  return Escreve_Texto(caminho,
                       "[Numero de Tipos = 3]\n\n"
                       "{[Monocristalino]\n[NOCT = 45]\n[Beta = 0.004500]}\n\n"
                       "{[Policristalino]\n[NOCT = 46]\n[Beta = 0.004700]}\n\n"
                       "{[Filme fino]\n[NOCT = 47]\n[Beta = 0.002100]}\n\n");
}
bool Escreve_Fabricantes_PV(const std::string& caminho) {
  return Escreve_Texto(caminho,
                       "[Numero de Fabricantes = 2]\n\n"
                       "{[Solar Alfa]\n[Numero de Modelos = 2]\n"
                       "[SA-330M]\n[0.170000\t72\t1.940000\t-0.004000]\n"
                       "[SA-280P]\n[0.155000\t60\t1.630000\t-0.004300]\n}\n\n"
                       "{[Fotovolt Sul]\n[Numero de Modelos = 1]\n"
                       "[FS-100]\n[0.120000\t36\t0.830000\t-0.003800]\n}");
}

}  // namespace

std::vector<TTipo_Catalogo> Tipos_Catalogo_Equipamentos() {
  return {
      {"ac", "air-conditioner models: capacities, curves, general codes", "Condicionadores.txt",
       Escreve_AC, Carrega_AC, Confere_AC},
      Tipo_Chiller<Serpentina, kSerpentinas>("coil", "water coils: name and 16 values",
                                             "Serpentinas.txt"),
      Tipo_Chiller<Curvas_Vent, kVentiladores>("fan-curve", "fan curves: four coefficients",
                                               "Curvas_Ventilador.txt"),
      Tipo_Chiller<Equip, kChillers>("chiller", "chillers and the names of their three curves",
                                     "Equip_Chiller.txt"),
      Tipo_Chiller<Curva_CAP, kCurvasCap>("chiller-cap", "chiller capacity curves",
                                          "Curvas_CAP.txt"),
      Tipo_Chiller<Curva_EIRT, kCurvasEirt>(
          "chiller-eirt", "chiller efficiency curves by temperature", "Curvas_EIRT.txt"),
      Tipo_Chiller<Curva_EIRPLR, kCurvasEirplr>(
          "chiller-eirplr", "chiller efficiency curves by part-load ratio", "Curvas_EIRPLR.txt"),
      {"pv-ac-equipment", "PV-supplied alternating-current equipment list",
       "PV/Equipamentos_AC.txt", Escreve_Equipamentos_AC_PV, Carrega_Equipamentos_PV<false>,
       Confere_Equipamentos_PV<false>},
      {"pv-dc-equipment", "PV-supplied direct-current equipment list", "PV/Equipamentos_DC.txt",
       Escreve_Equipamentos_DC_PV, Carrega_Equipamentos_PV<true>, Confere_Equipamentos_PV<true>},
      {"pv-types", "PV panel types: NOCT and Beta", "PV/Tipos_Painel.txt", Escreve_Tipos_PV,
       Carrega_Tipos_PV, Confere_Tipos_PV},
      {"pv-makers", "PV panel makers and their models", "PV/Fabricantes.txt",
       Escreve_Fabricantes_PV, Carrega_Fabricantes_PV, Confere_Fabricantes_PV},
  };
}
