// The glazing kinds: the library's model table, a small external database
// (kind 0: a title row and data rows) and a gas file under "Vitreous/".
//
// The model table and the gas file are found by the library in the models
// directory under fixed names, so their loaders give the library a models
// directory of their own, made for the call, where the checked file is
// linked under the name the library looks for; the process's working
// directory and the models directory are put back afterwards.
//
// The tool's own convention for gas files: the gas file of a model is
// "Vitreous/<model name>.txt", holding one or two gases, each a name line
// and its line of eight coefficients; a model whose file holds two has two
// gaps, the first gas in the first gap.
#include <arqaux/arqaux.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "catalogos/catalogos.h"

namespace {

namespace fs = std::filesystem;

constexpr int kTam = TGeren_ArquivoAux::Tam_Campo_Vitreous;

// Gap temperature at which the tool computes the gas properties.
constexpr float kTemperatura_Camara = 20.0f;

// Scan patterns of the first and of the second gas of a gas file.
const char kPrimeiro_Gas[] = "%[^\n]";
const char kSegundo_Gas[] = "%*[^\n]\n%*[^\n]\n%[^\n]";

bool Escreve(const std::string& caminho, const std::string& texto) {
  FILE* f = std::fopen(caminho.c_str(), "wb");
  if (f == nullptr) return false;
  const bool ok = std::fwrite(texto.data(), 1, texto.size(), f) == texto.size();
  return std::fclose(f) == 0 && ok;
}

template <class... A>
void Mostra(FILE* saida, const char* formato, A... a) {
  if (saida != nullptr) std::fprintf(saida, formato, a...);
}

// Runs carrega() with dir as the models directory, then puts the models
// directory and the working directory back.
template <class F>
bool No_Dir_Modelos(const std::string& dir, F carrega) {
  char atual[4096];
  if (getcwd(atual, sizeof(atual)) == nullptr) return false;
  TGeren_Dir* d = DLL_UTIL_Geren_Dir();
  const std::string antes = d->R_Dir_Modelos();
  d->A_Dir_Modelos(fs::absolute(dir).string());
  const bool ok = carrega();
  d->A_Dir_Modelos(antes);
  return chdir(atual) == 0 && ok;
}

// What Falha_Externa answers.
TResultado& Resultado_Externo() {
  static TResultado resultado;
  return resultado;
}

// Runs carrega() in a models directory made for the call, where caminho is
// linked (or copied) as nome. A directory that cannot be made is the
// temporary folder's fault, not the file's: Falha_Externa says why.
template <class F>
bool Com_Arquivo_Em(const std::string& caminho, const std::string& nome, F carrega) {
  const char* tmp = std::getenv("TMPDIR");
  const std::string pai = tmp != nullptr && *tmp != '\0' ? tmp : "/tmp";
  std::string dir = pai + "/arqaux-XXXXXX";
  Resultado_Externo() = TResultado();
  if (mkdtemp(dir.data()) == nullptr) {
    Resultado_Externo() = TResultado::Falha("cannot make a temporary folder in '" + pai +
                                            "' (TMPDIR): " + std::strerror(errno));
    return false;
  }
  std::error_code ec;
  const fs::path alvo = fs::path(dir) / nome;
  fs::create_directories(alvo.parent_path(), ec);
  fs::create_symlink(fs::absolute(caminho, ec), alvo, ec);
  if (ec) fs::copy_file(caminho, alvo, ec);
  if (ec) {
    Resultado_Externo() = TResultado::Falha(
        "cannot place '" + caminho + "' in the temporary folder '" + dir + "': " + ec.message());
  }
  const bool ok = !ec && No_Dir_Modelos(dir, carrega);
  fs::remove_all(dir, ec);
  return ok;
}

// The seven lines of a model of the table, for the strict reading.
const char* const kLinhas_Modelo[] = {
    "[%[^]]]",
    "Id=%d",
    "Espessura=%f",
    "Modelo_Padrao=%d",
    "Absortividade={%f,%f,%f,%f,%f,%f,%f,%f,%f}",
    "Transmissividade={%f,%f,%f,%f,%f,%f,%f,%f,%f}",
    "Transmissividade_Sistema={%f,%f,%f,%f,%f,%f,%f,%f,%f}",
};

// The models of the table that read whole, up to the count its count line
// gives; *inteira tells whether the table holds them all and nothing more.
// The library does not tell a short table: the tool loads only these.
int Modelos_Inteiros(TLeitura_Estrita* l, bool* inteira) {
  int n = 0, lidos = 0;
  *inteira = false;
  if (!l->Linha("[Registros = %d]", {&n}) || n < 0) return 0;
  for (; lidos < n; ++lidos) {
    for (const char* linha : kLinhas_Modelo) {
      if (!l->Linha(linha)) return lidos;
    }
  }
  *inteira = l->Fim();
  return lidos;
}

// The same on the file at caminho; *parada where its strict reading stopped
// (-1 when the table is whole).
int Modelos_Inteiros(const std::string& caminho, long* parada) {
  std::unique_ptr<FILE, int (*)(FILE*)> arq(std::fopen(caminho.c_str(), "rb"), std::fclose);
  TLeitura_Estrita l(arq.get());
  bool inteira = false;
  const int n = Modelos_Inteiros(&l, &inteira);
  *parada = inteira ? -1 : l.Parada();
  return n;
}

void Mostra_Modelo(FILE* saida, const TProp_Vitreas& p) {
  Mostra(saida, "[%s]\t%g\t%d\n", p.Nome, p.Espessura, p.Modelo_Padrao);
  for (const float* v : {p.Absortividade, p.Transmissividade, p.Transmissividade_Sistema}) {
    for (int k = 0; k < 9; ++k) Mostra(saida, k < 8 ? "%g\t" : "%g\n", v[k]);
  }
}

// The gas file's gases: a name line and a whole line of eight coefficients
// each, one gas at least. *inteiro tells whether the file is that and no
// more; the count is of the gases read whole.
int Gases_Inteiros(TLeitura_Estrita* l, bool* inteiro) {
  int gases = 0;
  *inteiro = false;
  do {
    if (!l->Linha("%[^\n]") || !l->Linha("%f,%f,%f,%f,%f,%f,%f,%f")) return gases;
    ++gases;
  } while (!l->Fim());
  *inteiro = true;
  return gases;
}

// Computes and prints the gas properties of model nome from the gas file
// at Vitreous/<arquivo> of the current models directory.
// False also when a gas's coefficients are not whole (*parada then at them).
bool Mostra_Gas(FILE* saida, const std::string& nome, const std::string& arquivo, long* parada) {
  const std::string caminho = DLL_UTIL_Geren_Dir()->R_Dir_Modelos() + "/Vitreous/" + arquivo;
  std::unique_ptr<FILE, int (*)(FILE*)> arq(std::fopen(caminho.c_str(), "rb"), std::fclose);
  TLeitura_Estrita leitura(arq.get());
  bool inteiro = false;
  const int gases = Gases_Inteiros(&leitura, &inteiro);
  *parada = inteiro ? -1 : leitura.Parada();
  TProp_Vitreas p;
  std::memset(&p, 0, sizeof(p));
  if (arquivo.size() >= sizeof(p.Arquivo_Gas)) return false;
  std::strcpy(p.Arquivo_Gas, arquivo.c_str());
  std::strcpy(p.Campos_Texto[2], kPrimeiro_Gas);
  std::strcpy(p.Campos_Texto[4], gases >= 2 ? kSegundo_Gas : kPrimeiro_Gas);
  p.Num_Camaras = gases >= 2 ? 2 : 1;
  p.Gas_A = true;
  p.Temp_Camara[0] = p.Temp_Camara[1] = kTemperatura_Camara;
  TGeren_ArquivoAux* g = Geren_ArqAux();
  const bool ok = g->Le_GasProps_DB_Vitreous(&p);
  g->Fecha_Todos();
  Mostra(saida, "%s: %d gap(s) at %g\n", nome.c_str(), p.Num_Camaras, kTemperatura_Camara);
  const int primeira = p.Num_Camaras == 2 ? 1 : 0;
  for (int e = primeira; e <= (p.Num_Camaras == 2 ? 2 : 0); ++e) {
    Mostra(saida, "  gap %d\tP %g\tQ %g\tR %g\n", e - primeira + 1, p.Prop_P[e], p.Prop_Q[e],
           p.Prop_R[e]);
  }
  return ok && inteiro;
}

// Loads the n models of the table in the current models directory one by
// one, as the host does, printing each; with gases, also the gas properties
// of each model whose gas file is present.
bool Percorre_Modelos(FILE* saida, int n, bool gases, long* parada) {
  for (int i = 0; i < n; ++i) {
    TProp_Vitreas p;
    std::memset(&p, 0, sizeof(p));
    p.Indice_Registro = i;
    if (!Geren_ArqAux()->Carrega_Um_ModVidr(&p)) return false;
    Mostra_Modelo(saida, p);
    const std::string gas = std::string(p.Nome) + ".txt";
    std::error_code ec;
    const fs::path arquivo = fs::path(DLL_UTIL_Geren_Dir()->R_Dir_Modelos()) / "Vitreous" / gas;
    if (gases && fs::is_regular_file(arquivo, ec) && !Mostra_Gas(saida, p.Nome, gas, parada))
      return false;
  }
  return true;
}

// ---- Samples ----

bool Amostra_Tabela(const std::string& c) {
  return Escreve(c,
                 "[Registros = 3]\n\n"
                 "[Claro_3mm]\nId=1\nEspessura=0.003000\nModelo_Padrao=1\n"
                 "Absortividade={0.08,0.08,0.09,0.09,0.10,0.10,0.11,0.10,0.00}\n"
                 "Transmissividade={0.84,0.84,0.83,0.82,0.80,0.76,0.67,0.47,0.00}\n"
                 "Transmissividade_Sistema={0.87,0.87,0.86,0.85,0.83,0.79,0.70,0.50,0.00}\n\n"
                 "[Claro_6mm]\nId=2\nEspessura=0.006000\nModelo_Padrao=0\n"
                 "Absortividade={0.15,0.15,0.16,0.16,0.17,0.18,0.18,0.17,0.00}\n"
                 "Transmissividade={0.77,0.77,0.76,0.75,0.73,0.69,0.60,0.41,0.00}\n"
                 "Transmissividade_Sistema={0.80,0.80,0.79,0.78,0.76,0.72,0.63,0.44,0.00}\n\n"
                 "[Verde_6mm]\nId=3\nEspessura=0.006000\nModelo_Padrao=0\n"
                 "Absortividade={0.47,0.47,0.48,0.49,0.50,0.51,0.50,0.44,0.00}\n"
                 "Transmissividade={0.49,0.49,0.48,0.47,0.45,0.41,0.34,0.21,0.00}\n"
                 "Transmissividade_Sistema={0.54,0.54,0.53,0.52,0.50,0.46,0.39,0.25,0.00}\n\n");
}

bool Amostra_Base(const std::string& c) {
  return Escreve(c,
                 "ID,Nome,Fabricante,Produto,Tipo,Espessura,Tsol,Rsol1,Rsol2,Tvis,Rvis1,Rvis2,"
                 "Emis1,Gas,Arquivo\n"
                 "101,Claro_3mm,Vidraria Sul,Float 3,Monolitico,3.0,0.834,0.075,0.075,0.899,"
                 "0.083,0.083,0.84,Nenhum,Claro_3mm.txt\n"
                 "102,Claro_6mm,\"Vidraria Sul, filial 2\",Float 6,Duplo,6.0,0.771,0.070,"
                 "0.070,0.884,0.080,0.080,0.84,Ar,Claro_6mm.txt\n"
                 "103,Verde_6mm,Vidros Norte,Verde 6,Monolitico,6.0,0.487,0.055,0.055,0.750,"
                 "0.068,0.068,0.84,Nenhum,Verde_6mm.txt\n");
}

bool Amostra_Gas(const std::string& c) {
  return Escreve(c,
                 "Ar\n0.002873,0.000078,1.337,0.004880,1002.737,0.012324,0.000004,0.000000\n"
                 "Argonio\n0.002285,0.000052,2.328,0.003918,521.929,0.000000,0.000003,"
                 "0.000000\n");
}

// ---- Loaders ----

bool Carrega_Tabela(const std::string& c, FILE* saida, long* parada) {
  long nenhuma = -1;
  const int n = Modelos_Inteiros(c, &nenhuma);
  *parada = -1;
  return Com_Arquivo_Em(c, "Tab_Propr_Vitreas.txt",
                        [&] { return Percorre_Modelos(saida, n, false, &nenhuma); });
}

bool Confere_Tabela(TLeitura_Estrita* l) {
  bool inteira = false;
  Modelos_Inteiros(l, &inteira);
  return inteira;
}

bool Carrega_Base(const std::string& c, FILE* saida, long* parada) {
  TGeren_ArquivoAux* g = Geren_ArqAux();
  *parada = -1;
  if (g->Abre_Arquivo(c.c_str(), "rb") == 0) return false;
  FILE* f = g->ObtemArquivo();
  std::vector<std::vector<char>> buffers(16, std::vector<char>(kTam));
  std::vector<char*> textos;
  for (auto& b : buffers) textos.push_back(b.data());
  bool ok = g->Le_Titulo_DB_Vitreous(textos.data(), 0);
  for (int k = 0; ok && k < 15; ++k) Mostra(saida, k < 14 ? "%s\t" : "%s\n", textos[k]);
  long linha = std::ftell(f);
  while (ok && std::fscanf(f, " ") != EOF && !std::feof(f)) {
    float v[16] = {};
    for (auto& b : buffers) b[0] = '\0';
    linha = std::ftell(f);
    // A row is whole when its last text was read and its line end follows.
    ok = g->Le_Base_Dados_Vitreous(textos.data(), v, 0) && textos[5][0] != '\0' &&
         std::fgetc(f) == '\n';
    Mostra(saida, "%g\t%s\t%s\t%s\t%s", v[0], textos[0], textos[1], textos[2], textos[3]);
    for (int k = 1; k <= 8; ++k) Mostra(saida, "\t%g", v[k]);
    Mostra(saida, "\t%s\t%s\n", textos[4], textos[5]);
  }
  if (!ok) *parada = linha;
  g->Fecha_Todos();
  return ok;
}

// A title row, then data rows up to the end, each of the plain or of the
// quoted form.
bool Confere_Base(TLeitura_Estrita* l) {
  std::string titulo;
  for (int k = 0; k < 14; ++k) titulo += "%[^,],";
  if (!l->Linha((titulo + "%[^\n]").c_str())) return false;
  while (!l->Fim()) {
    if (!l->Proxima() ||
        !(l->Casa("%f,%[^,],%[^,],%[^,],%[^,],%f,%f,%f,%f,%f,%f,%f,%f,%[^,],%[^\n]") ||
          l->Casa("%f,%[^,],\"%[^\"]\",%[^,],%[^,],%f,%f,%f,%f,%f,%f,%f,%f,%[^,],%[^\n]")))
      return false;
  }
  return true;
}

bool Carrega_Gas(const std::string& c, FILE* saida, long* parada) {
  *parada = -1;
  return Com_Arquivo_Em(c, "Vitreous/gas.txt",
                        [&] { return Mostra_Gas(saida, "gas.txt", "gas.txt", parada); });
}

}  // namespace

const TResultado& Falha_Externa() { return Resultado_Externo(); }

bool Confere_Vidros(const std::string& dir, FILE* saida) {
  long parada = -1;
  const int n = Modelos_Inteiros((fs::path(dir) / "Tab_Propr_Vitreas.txt").string(), &parada);
  return n > 0 && parada < 0 &&
         No_Dir_Modelos(dir, [&] { return Percorre_Modelos(saida, n, true, &parada); });
}

std::vector<TTipo_Catalogo> Tipos_Catalogo_Vidros() {
  return {
      {"glazing", "glazing models: thickness and angular optical values", "Tab_Propr_Vitreas.txt",
       Amostra_Tabela, Carrega_Tabela, Confere_Tabela},
      {"glazing-db", "external glazing database, kind 0: title and data rows",
       "Vitreous/Base_Vidros.csv", Amostra_Base, Carrega_Base, Confere_Base},
      {"glazing-gas", "gas file: gases and their eight coefficients", "Vitreous/Claro_6mm.txt",
       Amostra_Gas, Carrega_Gas,
       [](TLeitura_Estrita* l) {
         bool inteiro = false;
         Gases_Inteiros(l, &inteiro);
         return inteiro;
       }},
  };
}
