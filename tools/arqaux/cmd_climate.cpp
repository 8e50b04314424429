// arqaux climate: shows a window of hourly climate, soil or interior-climate
// records, and converts interior-climate text into its .ti file.
#include <arqaux/arqaux.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "comandos.h"
#include "formatos.h"
#include "verificacoes.h"

namespace {

namespace fs = std::filesystem;

const char* const USO =
    "usage: arqaux climate show FILE [--from HOUR] [--count N] [--soil|--ti]"
    " | arqaux climate ti TEXTFILE";

// A window wraps at most once, so no window longer than two years can be read.
constexpr int MAX_REGISTROS = 2 * HORAS_ANO;

// Each record on one line: its floats with four decimals, tab-separated.
void Imprime_Registro(const float* valores, int n) {
  for (int i = 0; i < n; ++i) std::printf(i == 0 ? "%.4f" : "\t%.4f", valores[i]);
  std::putchar('\n');
}

// Reads the window with ler (one of the library's window readers on the
// current stream) and prints it; Registro is the record type of the file.
template <typename Registro, typename Leitor>
int Mostra_Janela(const std::string& caminho, int inicio, int quantidade, Leitor ler) {
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  const int n = geren->Abre_Arquivo(caminho.c_str(), "rb");
  if (n == 0) return Erro("cannot open '%s'", caminho.c_str());
  // One spare record: the readers refuse a null array, even for no records.
  std::vector<Registro> registros(static_cast<size_t>(quantidade) + 1);
  const bool lido = ler(geren, registros.data(), inicio, quantidade);
  geren->Fecha_Arquivo(n);
  if (!lido) return Erro("cannot read '%s'", caminho.c_str());
  constexpr int campos = static_cast<int>(sizeof(Registro) / sizeof(float));
  for (int i = 0; i < quantidade; ++i) {
    Imprime_Registro(reinterpret_cast<const float*>(&registros[i]), campos);
  }
  return 0;
}

int Mostra(const std::vector<std::string>& args) {
  Argumentos a = Separa_Argumentos(args, {"soil", "ti"});
  if (!a.erro.empty()) return Erro("%s", a.erro.c_str());
  if (a.posicionais.size() != 2) return Erro("%s", USO);
  for (const auto& opcao : a.opcoes) {
    if (opcao.first != "from" && opcao.first != "count" && opcao.first != "soil" &&
        opcao.first != "ti") {
      return Erro("unknown option --%s", opcao.first.c_str());
    }
  }
  if (a.Tem("soil") && a.Tem("ti")) return Erro("--soil and --ti exclude each other");
  int inicio = 0;
  int quantidade = 0;
  if (!Le_Inteiro(a.Valor("from", "0"), &inicio) || inicio < 0 || inicio >= HORAS_ANO) {
    return Erro("--from must be an hour from 0 to %d", HORAS_ANO - 1);
  }
  if (!Le_Inteiro(a.Valor("count", "24"), &quantidade) || quantidade < 0 ||
      quantidade > MAX_REGISTROS) {
    return Erro("--count must be a number from 0 to %d", MAX_REGISTROS);
  }
  const std::string& caminho = a.posicionais[1];
  if (a.Tem("soil")) {
    if (int erro = Confere_Tamanho(caminho, TAMANHO_SOLO, "a soil file")) return erro;
    return Mostra_Janela<TReg_Solo>(caminho, inicio, quantidade,
                                    [](TGeren_ArquivoAux* g, TReg_Solo* r, int i, int q) {
                                      return g->Bufferiza_Solo(r, i, q);
                                    });
  }
  if (a.Tem("ti")) {
    if (int erro = Confere_Tamanho(caminho, TAMANHO_TI, "an interior-climate file")) return erro;
    return Mostra_Janela<TReg_Temp_Umi>(caminho, inicio, quantidade,
                                        [](TGeren_ArquivoAux* g, TReg_Temp_Umi* r, int i, int q) {
                                          return g->Bufferiza_Reg_Climatico(r, i, q);
                                        });
  }
  if (int erro = Confere_Tamanho(caminho, TAMANHO_CLIMA, "a climate file")) return erro;
  return Mostra_Janela<TReg_Climatico>(caminho, inicio, quantidade,
                                       [](TGeren_ArquivoAux* g, TReg_Climatico* r, int i, int q) {
                                         TCidade cidade;
                                         return g->Bufferiza_Clima(&cidade, r, i, q);
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
int Converte_Ti(const std::vector<std::string>& args) {
  if (args.size() != 2) return Erro("%s", USO);
  const fs::path caminho(args[1]);
  if (int erro = Confere_Entrada(args[1])) return erro;
  const fs::path pasta = caminho.parent_path();
  const std::string saida = (pasta / Nome_Ti(caminho.filename().string())).string();
  if (int erro = Confere_Saida(saida, args[1])) return erro;
  std::error_code ec;
  if (!pasta.empty()) {
    fs::current_path(pasta, ec);
    if (ec) return Erro("cannot enter the directory of '%s'", args[1].c_str());
  }
  std::string nome = caminho.filename().string();
  // Room for the ".ti" the library may add.
  std::vector<char> buffer(nome.begin(), nome.end());
  buffer.resize(nome.size() + 4, '\0');
  if (!Geren_ArqAux()->Converte_Clima_Interno_TXT_Binario(buffer.data())) return Perda(saida);
  std::printf("%s\n", saida.c_str());
  return 0;
}

}  // namespace

int Comando_Climate(const std::vector<std::string>& args) {
  if (args.empty()) return Erro("%s", USO);
  if (args[0] == "show") return Mostra(args);
  if (args[0] == "ti") return Converte_Ti(args);
  return Erro("unknown climate command '%s'; %s", args[0].c_str(), USO);
}
