// arqaux climate: shows a window of hourly climate, soil or interior-climate
// records, and converts interior-climate text into its .ti file.
#include <arqaux/arqaux.h>
#include <arqaux/formatos.h>

#include <CLI/CLI.hpp>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "comandos/comandos.h"
#include "comum/erros.h"
#include "comum/verificacoes.h"
#include "saida/saida_segura.h"

namespace {

namespace fs = std::filesystem;

// A window wraps at most once, so no window longer than two years can be read.
constexpr int kMaxRegistros = 2 * ARQAUX_HORAS_ANO;

// Labels of each file's columns after the hour, the date and the time.
const char* const kRotulosClima =
    "temp_C\thumidity_kg/kg\tdirect_normal_W/m2\tdiffuse_W/m2\twind_m/s\twind_dir_deg";
const char* const kRotulosHorarios = "temp_C\thumidity";

// Record i of a window from hour inicio on one line: its hour of the year,
// its date and start time, then its floats with four decimals.
void Imprime_Registro(int hora, const float* valores, int n) {
  constexpr int kDiasMes[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  hora %= ARQAUX_HORAS_ANO;
  int dia = hora / 24;
  int mes = 0;
  while (dia >= kDiasMes[mes]) dia -= kDiasMes[mes++];
  std::printf("%d\t%02d/%02d\t%02d:00", hora, dia + 1, mes + 1, hora % 24);
  for (int i = 0; i < n; ++i) std::printf("\t%.4f", valores[i]);
  std::putchar('\n');
}

// The climate header's fields, one per line.
void Imprime_Cabecalho(const TCidade& c) {
  std::printf("city\t%.*s\nregion\t%.*s\n", static_cast<int>(sizeof c.Nome), c.Nome,
              static_cast<int>(sizeof c.Estado), c.Estado);
  std::printf("latitude\t%.4f\nlongitude\t%.4f\nelevation_m\t%.1f\ntime_zone_h\t%.1f\n", c.Latitude,
              c.Longitude, c.Altitude, c.Fuso_Horario);
  std::printf("albedo\t%.4f\nyear\t%d\n", c.Albedo, c.Ano);
}

// Reads the window with ler (one of the library's window readers on the
// current stream) and prints it under its labels, after antes();
// Registro is the record type of the file.
template <typename Registro, typename Leitor>
TResultado Mostra_Janela(
    const std::string& caminho, int inicio, int quantidade, const char* rotulos, Leitor ler,
    const std::function<void()>& antes = [] {}) {
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  const int n = geren->Abre_Arquivo(caminho.c_str(), "rb");
  if (n == 0) return Falha("cannot open '%s'", caminho.c_str());
  // One spare record: the readers refuse a null array, even for no records.
  std::vector<Registro> registros(static_cast<size_t>(quantidade) + 1);
  const bool lido = ler(geren, registros.data(), inicio, quantidade);
  geren->Fecha_Arquivo(n);
  if (!lido) return Falha("cannot read '%s'", caminho.c_str());
  antes();
  std::printf("hour\tdate\ttime\t%s\n", rotulos);
  constexpr int campos = static_cast<int>(sizeof(Registro) / sizeof(float));
  for (int i = 0; i < quantidade; ++i) {
    Imprime_Registro(inicio + i, reinterpret_cast<const float*>(&registros[i]), campos);
  }
  return {};
}

// What "climate show" asks for.
struct TJanela {
  std::string caminho;
  int inicio = 0;
  int quantidade = 24;
  bool solo = false, interno = false, cabecalho = false;
};

TResultado Mostra(const TJanela& j) {
  const std::string& caminho = j.caminho;
  const int inicio = j.inicio, quantidade = j.quantidade;
  if (j.solo) {
    if (TResultado erro = Confere_Tamanho(caminho, ARQAUX_TAM_ARQUIVO_SOLO, "a soil file");
        !erro.Ok())
      return erro;
    return Mostra_Janela<TReg_Solo>(caminho, inicio, quantidade, kRotulosHorarios,
                                    [](TGeren_ArquivoAux* g, TReg_Solo* r, int i, int q) {
                                      return g->Bufferiza_Solo(r, i, q);
                                    });
  }
  if (j.interno) {
    if (TResultado erro =
            Confere_Tamanho(caminho, ARQAUX_TAM_ARQUIVO_TI, "an interior-climate file");
        !erro.Ok())
      return erro;
    return Mostra_Janela<TReg_Temp_Umi>(caminho, inicio, quantidade, kRotulosHorarios,
                                        [](TGeren_ArquivoAux* g, TReg_Temp_Umi* r, int i, int q) {
                                          return g->Bufferiza_Reg_Climatico(r, i, q);
                                        });
  }
  if (TResultado erro = Confere_Tamanho(caminho, ARQAUX_TAM_ARQUIVO_CLIMA, "a climate file");
      !erro.Ok())
    return erro;
  TCidade cidade{};
  return Mostra_Janela<TReg_Climatico>(
      caminho, inicio, quantidade, kRotulosClima,
      [&cidade](TGeren_ArquivoAux* g, TReg_Climatico* r, int i, int q) {
        return g->Bufferiza_Clima(&cidade, r, i, q);
      },
      [&cidade, &j] {
        if (j.cabecalho) Imprime_Cabecalho(cidade);
      });
}

// The name the library gives the .ti file of a bare file name: cut at its
// first '.' after any leading ones, then ".ti".
std::string Nome_Ti(const std::string& nome) {
  const size_t primeiro = nome.find_first_not_of('.');
  const size_t ponto = primeiro == std::string::npos ? primeiro : nome.find('.', primeiro);
  return nome.substr(0, ponto) + ".ti";
}

// The library names the .ti file after the path cut at its first '.', which
// in a path like "../data.v2/interno.txt" would fall in a directory name: the
// conversion runs inside the file's directory on its bare name instead.
TResultado Converte_Ti(const std::string& texto) {
  const fs::path caminho(texto);
  if (TResultado erro = Confere_Entrada(texto); !erro.Ok()) return erro;
  const fs::path pasta = caminho.parent_path();
  const std::string saida = (pasta / Nome_Ti(caminho.filename().string())).string();
  if (TResultado erro = Confere_Saida(saida, texto); !erro.Ok()) return erro;
  if (TResultado erro = Confere_Sem_Ligacao(saida); !erro.Ok()) return erro;
  std::error_code ec;
  if (!pasta.empty()) {
    fs::current_path(pasta, ec);
    if (ec) return Falha("cannot enter the directory of '%s'", texto.c_str());
  }
  std::string nome = caminho.filename().string();
  // Room for the ".ti" the library may add.
  std::vector<char> buffer(nome.begin(), nome.end());
  buffer.resize(nome.size() + 4, '\0');
  if (!Geren_ArqAux()->Converte_Clima_Interno_TXT_Binario(buffer.data())) return Perda(saida);
  std::printf("%s\n", saida.c_str());
  return {};
}

}  // namespace

void Declara_Climate(CLI::App* app, TAcao* acao) {
  CLI::App* clima = app->add_subcommand(
      "climate", "show climate, soil or interior-climate records; convert .ti text");
  clima->require_subcommand(1);
  CLI::App* mostra = clima->add_subcommand("show", "print a window of hourly records");
  auto j = std::make_shared<TJanela>();
  mostra->add_option("FILE", j->caminho, "climate file, or soil or .ti file")->required();
  mostra->add_option("--from", j->inicio, "first hour of the year shown")
      ->check(CLI::Range(0, ARQAUX_HORAS_ANO - 1))
      ->capture_default_str();
  mostra->add_option("--count", j->quantidade, "hours shown; the window wraps past the year")
      ->check(CLI::Range(0, kMaxRegistros))
      ->capture_default_str();
  CLI::Option* solo = mostra->add_flag("--soil", j->solo, "FILE is a soil file");
  CLI::Option* ti_opcao =
      mostra->add_flag("--ti", j->interno, "FILE is an interior-climate (.ti) file")
          ->excludes(solo);
  mostra->add_flag("--header", j->cabecalho, "print the climate header's fields first")
      ->excludes(solo)
      ->excludes(ti_opcao);
  mostra->callback([j, acao] { *acao = [j] { return Relata(Mostra(*j)); }; });

  CLI::App* ti = clima->add_subcommand("ti", "convert interior-climate text into its .ti file");
  auto texto = std::make_shared<std::string>();
  ti->add_option("TEXTFILE", *texto, "lines of temperature and humidity")->required();
  ti->callback([texto, acao] { *acao = [texto] { return Relata(Converte_Ti(*texto)); }; });
}
