// arqaux plot: one column of an exportable file drawn by gnuplot, run as a
// separate process with its pngcairo terminal and fed the script and the
// data through a pipe: a line over the days, or a carpet (day of the year
// across, hour of the day up, the value as colour) where each record is a
// box as long as its step, so that any step and a partial day draw alike.
#include <arqaux/dados.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "comandos.h"
#include "progresso.h"
#include "saida_segura.h"
#include "verificacoes.h"

namespace {

namespace fs = std::filesystem;

// gnuplot on the PATH: whether it can be run at all.
bool Tem_Gnuplot() {
  const char* path = std::getenv("PATH");
  std::string pastas = path != nullptr ? path : "/usr/bin:/bin";
  size_t i = 0;
  while (i <= pastas.size()) {
    size_t fim = pastas.find(':', i);
    if (fim == std::string::npos) fim = pastas.size();
    const fs::path candidato = fs::path(pastas.substr(i, fim - i)) / "gnuplot";
    if (access(candidato.c_str(), X_OK) == 0) return true;
    i = fim + 1;
  }
  return false;
}

// texto as a gnuplot single-quoted string: quotes doubled.
std::string Citado(const std::string& texto) {
  std::string citado = "'";
  for (char c : texto) citado += c == '\'' ? std::string("''") : std::string(1, c);
  return citado + "'";
}

// The script's head: terminal, output, labels and the data block's start.
std::string Cabecalho_Grafico(const TPedido_Grafico& p, const std::string& titulo,
                              const std::string& saida) {
  std::string s = "set terminal pngcairo size " + std::to_string(p.largura) + "," +
                  std::to_string(p.altura) + "\nset output " + Citado(saida) + "\nset title " +
                  Citado(fs::path(p.caminho).filename().string() + ": " + titulo) +
                  " noenhanced\nset xlabel 'day of the year'\nset key off\n";
  if (p.carpete)
    s += "set ylabel 'hour of the day'\nset yrange [0:24]\nset cblabel " + Citado(titulo) +
         " noenhanced\n";
  if (!p.carpete) s += "set ylabel " + Citado(titulo) + " noenhanced\n";
  return s + "$dados << EOD\n";
}

// caminho holds a whole PNG: its signature, and its last chunk the empty
// IEND one (length, type and CRC), which a cut file lacks.
bool Png_Inteiro(const std::string& caminho) {
  static const char assinatura[] = "\x89PNG\r\n\x1a\n";
  static const char fim[] = "\0\0\0\0IEND\xae\x42\x60\x82";
  char inicio[8], final[12];
  std::FILE* arq = std::fopen(caminho.c_str(), "rb");
  if (arq == nullptr) return false;
  const bool ok = std::fread(inicio, 1, 8, arq) == 8 && std::fseek(arq, -12, SEEK_END) == 0 &&
                  std::ftell(arq) >= 8 && std::fread(final, 1, 12, arq) == 12;
  std::fclose(arq);
  return ok && std::memcmp(inicio, assinatura, 8) == 0 && std::memcmp(final, fim, 12) == 0;
}

// The index of the column p names among s's columns: -1 after one message
// that lists them.
int Escolhe_Coluna(const TPedido_Grafico& p, const TSerie& s) {
  std::string nomes;
  for (size_t k = 0; k < s.Colunas().size(); ++k) {
    const TColuna& c = s.Colunas()[k];
    if (p.coluna == c.Titulo() || p.coluna == c.nome) return static_cast<int>(k);
    nomes += (nomes.empty() ? "" : ", ") + c.Titulo();
  }
  Erro("'%s' has no column '%s'; its columns: %s", p.caminho.c_str(), p.coluna.c_str(),
       nomes.c_str());
  return -1;
}

// gnuplot's data lines of column coluna of s, one a record: the record's
// time (day of the year, or day and the hours its step spans on a carpet)
// and its value. *registros counts them, and the progress line shows them.
std::string Linhas_Grafico(const TPedido_Grafico& p, TSerie* s, int coluna, long long* registros,
                           TProgresso* progresso) {
  std::vector<double> v;
  long long fim = 0, anterior = 0;
  std::string linhas;
  while (s->Le(&v, &fim)) {
    // A record stands for the step or hour that ends at its time.
    const long long inicio = anterior < fim ? anterior : fim - 3600;
    progresso->Avanca(++*registros);
    const double dia = static_cast<double>(inicio) / 86400.0;
    const double hora_ini = static_cast<double>(inicio % 86400) / 3600.0;
    const double hora_fim = hora_ini + static_cast<double>(fim - inicio) / 3600.0;
    linhas += p.carpete ? std::to_string(static_cast<long long>(dia) + 1) + " " +
                              Texto_Valor(hora_ini) + " " + Texto_Valor(hora_fim) + " "
                        : Texto_Valor(1.0 + static_cast<double>(fim) / 86400.0) + " ";
    linhas += Texto_Valor(v[coluna]) + "\n";
    anterior = fim;
  }
  return linhas;
}

// Feeds script to gnuplot, which draws the PNG: 0, or the exit status after
// one message naming saida.
int Executa_Gnuplot(const std::string& script, const std::string& saida) {
  // gnuplot may stop reading at an error of its own: its exit status tells,
  // not a signal that would end the tool without a word.
  std::signal(SIGPIPE, SIG_IGN);
  std::FILE* gp = popen("gnuplot", "w");
  if (gp == nullptr) return Erro("cannot run gnuplot");
  const bool escrito = std::fwrite(script.data(), 1, script.size(), gp) == script.size();
  const int status = pclose(gp);
  if (!escrito || status != 0) return Erro("gnuplot could not draw '%s'", saida.c_str());
  return 0;
}

}  // namespace

int Desenha_Grafico(const TPedido_Grafico& p) {
  if (int erro = Confere_Saida(p.saida, Arquivos_Lidos(p.caminho))) return erro;
  if (!Tem_Gnuplot()) return Erro("gnuplot not found: install the Debian package gnuplot-nox");
  TDeteccao d;
  if (int erro = Conhece_Arquivo(p.caminho, p.tipo, &d)) return erro;
  std::string erro;
  std::unique_ptr<TSerie> s = Abre_Serie(p.caminho, d, p.intervalo, &erro);
  if (s == nullptr) return Erro("%s", erro.c_str());
  const int coluna = Escolhe_Coluna(p, *s);
  if (coluna < 0) return 1;
  // gnuplot draws into a temporary file, renamed once whole.
  TArquivo_Novo png;
  if (int falha = png.Abre(p.saida)) return falha;
  std::string script = Cabecalho_Grafico(p, s->Colunas()[coluna].Titulo(), png.Temporario());
  long long registros = 0;
  TProgresso progresso("reading " + p.caminho + ", records", 0);
  script += Linhas_Grafico(p, s.get(), coluna, &registros, &progresso);
  if (registros == 0) return Erro("'%s' holds no records", p.caminho.c_str());
  script += "EOD\n";
  script +=
      p.carpete
          ? "set palette rgb 33,13,10\nplot $dados using 1:(($2+$3)/2):($1-0.5):($1+0.5):2:3:4 "
            "with boxxyerror fillstyle solid noborder linecolor palette\n"
          : "plot $dados using 1:2 with lines linewidth 1.5\n";
  progresso.Etapa("drawing " + p.saida + " with gnuplot", 0);
  if (int falha = Executa_Gnuplot(script, p.saida)) return falha;
  if (!Png_Inteiro(png.Temporario())) return Perda(p.saida);
  return png.Conclui();
}

void Declara_Plot(CLI::App* app, TAcao* acao) {
  CLI::App* sub = app->add_subcommand("plot", "draw a column of a file as a PNG, with gnuplot");
  auto p = std::make_shared<TPedido_Grafico>();
  sub->add_option("FILE", p->caminho, "a file arqaux export reads")->required();
  sub->add_option("--column", p->coluna, "the column drawn, as the export names it")->required();
  sub->add_flag("--carpet", p->carpete,
                "day of the year across, hour of the day up, colour = value");
  sub->add_option("--out", p->saida, "the PNG written")->required();
  sub->add_option("--kind", p->tipo, "the file's kind, when it cannot be told");
  sub->add_option("--interval", p->intervalo, "seconds between records")
      ->check(CLI::Range(1, 86400));
  sub->add_option("--width", p->largura, "pixels")
      ->check(CLI::Range(64, 8000))
      ->capture_default_str();
  sub->add_option("--height", p->altura, "pixels")
      ->check(CLI::Range(64, 8000))
      ->capture_default_str();
  sub->callback([p, acao] { *acao = [p] { return Desenha_Grafico(*p); }; });
}
