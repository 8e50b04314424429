// The plots of arqaux plot: one column of an exportable file drawn by gnuplot, run as a
// separate process with its pngcairo terminal and fed the script and the
// data through a pipe. Time runs across in days from 1 January, 0:00, on the
// simulation's 365-day year: a run longer than two months is marked by month,
// a shorter one by date, and the axis ends where the data does.
// - A line: every row at its stamp (--raw, a short run, or daily rows), or,
//   for a long run of rows shorter than a day, each day's minimum, mean and
//   maximum as a band with a line (a row belongs to the day its interval lies
//   in: a row stamped 24:00 closes the day before).
// - A carpet: day across, hour of the day up, the value as colour on a
//   perceptual scale: a grid of cells as long as the step (an hour for longer
//   steps), each holding the row whose interval covers it, drawn as an image.
#include "saida/graficos.h"

#include <arqaux/dados.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "comum/erros.h"
#include "comum/verificacoes.h"
#include "saida/progresso.h"
#include "saida/saida_segura.h"

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

constexpr long long kDia = 86400;
const char* const kMeses[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const int kInicioMes[13] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};

// The rows of the column drawn: each one's stamp and value, and the interval
// they close.
struct TPontos {
  std::vector<long long> fim;
  std::vector<double> valor;
  long long intervalo = 3600;
  // The axis' ends, in seconds: the first row's interval's start, the last
  // row's stamp.
  long long Inicio() const { return fim.front() - intervalo; }
  long long Fim() const { return fim.back(); }
  // Marked by month: longer than two months.
  bool Longo() const { return Fim() - Inicio() > 62 * kDia; }
};

// "5 Jan": the date of day dia (from 0) of the 365-day year.
std::string Texto_Data(long long dia) {
  const int d = static_cast<int>((dia % 365 + 365) % 365);
  int m = 0;
  while (d >= kInicioMes[m + 1]) ++m;
  return std::to_string(d - kInicioMes[m] + 1) + " " + kMeses[m];
}

// x as gnuplot reads it: days, to the second.
std::string Texto_Dias(long long segundos) {
  char texto[32];
  std::snprintf(texto, sizeof texto, "%.6f", static_cast<double>(segundos) / kDia);
  return texto;
}

// The x axis' range and tics: month names at the months' starts for a long
// run, else dates (and hours for a run of a few days).
std::string Eixo_Tempo(const TPontos& pts) {
  const long long ini = pts.Inicio(), fim = pts.Fim();
  std::string tics;
  auto marca = [&tics](const std::string& rotulo, long long t) {
    tics += (tics.empty() ? "" : ", ") + Citado(rotulo) + " " + Texto_Dias(t);
  };
  if (pts.Longo()) {
    for (long long ano = ini / (365 * kDia) * 365 * kDia; ano <= fim; ano += 365 * kDia)
      for (int m = 0; m < 12; ++m) {
        const long long t = ano + kInicioMes[m] * kDia;
        if (t >= ini && t <= fim) marca(kMeses[m], t);
      }
  } else {
    const long long passos[] = {3600, 3 * 3600, 6 * 3600, 12 * 3600, kDia, 2 * kDia, 7 * kDia};
    long long passo = 14 * kDia;
    for (long long p : passos)
      if ((fim - ini) / p <= 8) {
        passo = p;
        break;
      }
    auto hora = [](long long t) {
      char texto[16];
      std::snprintf(texto, sizeof texto, "%02lld:%02lld", t % kDia / 3600, t % 3600 / 60);
      return std::string(texto);
    };
    for (long long t = (ini + passo - 1) / passo * passo; t <= fim; t += passo)
      marca(t % kDia == 0 ? Texto_Data(t / kDia) : hora(t), t);
    // Less than an hour holds no whole hour: its ends are marked.
    if (tics.empty()) {
      marca(hora(ini), ini);
      marca(hora(fim), fim);
    }
  }
  return "set xrange [" + Texto_Dias(ini) + ":" + Texto_Dias(fim) + "]\nset xtics (" + tics +
         ")\nset xlabel " + Citado(pts.Longo() ? "month" : "date") + "\n";
}

// What is drawn, in words: "Zone 1" from a zone's file ("zona1_..."), else
// its kind; and the column's quantity with its unit ("air temperature [°C]"),
// the zone's prefix dropped.
std::string Nome_Origem(const std::string& caminho, const TDeteccao& d) {
  const std::string nome = fs::path(caminho).filename().string();
  size_t n = 4;
  while (n < nome.size() && std::isdigit(static_cast<unsigned char>(nome[n]))) ++n;
  if (nome.compare(0, 4, "zona") == 0 && n > 4 && n < nome.size() && nome[n] == '_')
    return "Zone " + nome.substr(4, n - 4);
  // The kind's description without its layout's note: "climate file".
  std::string tipo = d.tipo != nullptr ? d.tipo->descricao : nome;
  tipo = tipo.substr(0, tipo.find(" ("));
  if (!tipo.empty()) tipo[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(tipo[0])));
  return tipo;
}
std::string Nome_Grandeza(const TColuna& c) {
  std::string palavras = c.nome.compare(0, 5, "zone_") == 0 ? c.nome.substr(5) : c.nome;
  for (char& ch : palavras)
    if (ch == '_') ch = ' ';
  return c.unidade.empty() ? palavras : palavras + " [" + c.unidade + "]";
}

// viridis' anchor colours, dark to light.
const char kPaleta[] =
    "set palette defined (0 '#440154', 1 '#482878', 2 '#3e4989', 3 '#31688e', 4 '#26828e', "
    "5 '#1f9e89', 6 '#35b779', 7 '#6ece58', 8 '#b5de2b', 9 '#fde725')\n";

// The script's head: terminal, output, title and axes.
std::string Cabecalho_Grafico(const TPedido_Grafico& p, const std::string& titulo,
                              const std::string& grandeza, const TPontos& pts,
                              const std::string& saida) {
  std::string s = "set encoding utf8\nset terminal pngcairo size " + std::to_string(p.largura) +
                  "," + std::to_string(p.altura) + "\nset output " + Citado(saida) +
                  "\nset title " + Citado(titulo) + " noenhanced\n" + Eixo_Tempo(pts) +
                  "set grid xtics ytics\nset key off\n";
  if (p.carpete)
    return s + "set ylabel 'hour of the day'\nset yrange [0:24]\nset ytics 0,3,24\nset cblabel " +
           Citado(grandeza) + " noenhanced offset 1.5,0\n" + kPaleta;
  return s + "set ylabel " + Citado(grandeza) + " noenhanced\n";
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

// The index of the column p names among s's columns into *coluna; a failure
// lists them.
TResultado Escolhe_Coluna(const TPedido_Grafico& p, const TSerie& s, int* coluna) {
  std::string nomes;
  for (size_t k = 0; k < s.Colunas().size(); ++k) {
    const TColuna& c = s.Colunas()[k];
    if (p.coluna == c.Titulo() || p.coluna == c.nome) {
      *coluna = static_cast<int>(k);
      return {};
    }
    nomes += (nomes.empty() ? "" : ", ") + c.Titulo();
  }
  return Falha("'%s' has no column '%s'; its columns: %s", p.caminho.c_str(), p.coluna.c_str(),
               nomes.c_str());
}

// Reads column coluna of s into *pts; the progress line counts the rows.
void Le_Pontos(TSerie* s, int coluna, TPontos* pts, TProgresso* progresso) {
  const size_t n = s->Colunas().size();
  std::vector<double> v;
  std::vector<long long> t;
  while (size_t lidos = s->Le_Bloco(4096, &v, &t)) {
    for (size_t k = 0; k < lidos; ++k) {
      pts->fim.push_back(t[k]);
      pts->valor.push_back(v[k * n + coluna]);
    }
    progresso->Avanca(static_cast<long long>(pts->fim.size()));
  }
  if (s->Intervalo() > 0) pts->intervalo = s->Intervalo();
}

// Every row: "day value".
std::string Linhas_Pontos(const TPontos& pts) {
  std::string linhas;
  for (size_t k = 0; k < pts.fim.size(); ++k)
    linhas += Texto_Dias(pts.fim[k]) + " " + Texto_Valor(pts.valor[k]) + "\n";
  return linhas;
}

// Each day's "middle minimum mean maximum", over the rows whose interval
// lies in it.
std::string Linhas_Diarias(const TPontos& pts) {
  std::string linhas;
  size_t k = 0;
  while (k < pts.fim.size()) {
    const long long dia = (pts.fim[k] - 1) / kDia;
    double minimo = pts.valor[k], maximo = minimo, soma = 0;
    size_t n = 0;
    for (; k < pts.fim.size() && (pts.fim[k] - 1) / kDia == dia; ++k, ++n) {
      minimo = std::min(minimo, pts.valor[k]);
      maximo = std::max(maximo, pts.valor[k]);
      soma += pts.valor[k];
    }
    linhas += Texto_Dias(dia * kDia + kDia / 2) + " " + Texto_Valor(minimo) + " " +
              Texto_Valor(soma / static_cast<double>(n)) + " " + Texto_Valor(maximo) + "\n";
  }
  return linhas;
}

// The carpet's grid, day after day (a blank line between), "day hour value"
// at each cell's middle: cells as long as the step when it divides an hour
// evenly, else an hour; NaN where no row covers a cell. Empty when the grid
// would be too large to draw.
std::string Linhas_Carpete(const TPontos& pts) {
  const long long tam = pts.intervalo <= 3600 && 3600 % pts.intervalo == 0 ? pts.intervalo : 3600;
  const long long por_dia = kDia / tam;
  const long long dia0 = std::max(0LL, pts.Inicio()) / kDia,
                  dias = (pts.Fim() - 1) / kDia - dia0 + 1;
  if (dias <= 0 || dias * por_dia > 20000000) return "";
  std::vector<double> grade(static_cast<size_t>(dias * por_dia), std::nan(""));
  for (size_t k = 0; k < pts.fim.size(); ++k) {
    const long long ini = std::max(dia0 * kDia, pts.fim[k] - pts.intervalo);
    for (long long c = ini / tam; c * tam < pts.fim[k]; ++c) {
      const long long i = c - dia0 * por_dia;
      if (i >= 0 && i < static_cast<long long>(grade.size())) grade[i] = pts.valor[k];
    }
  }
  std::string linhas;
  char texto[64];
  for (long long d = 0; d < dias; ++d) {
    for (long long c = 0; c < por_dia; ++c) {
      const double v = grade[static_cast<size_t>(d * por_dia + c)];
      std::snprintf(texto, sizeof texto, "%.6f %.6f ", static_cast<double>(dia0 + d) + 0.5,
                    (static_cast<double>(c) + 0.5) * tam / 3600.0);
      linhas += texto;
      linhas += std::isnan(v) ? std::string("NaN") : Texto_Valor(v);
      linhas += '\n';
    }
    linhas += '\n';
  }
  return linhas;
}

// Feeds script to gnuplot, which draws the PNG; a failure names saida.
TResultado Executa_Gnuplot(const std::string& script, const std::string& saida) {
  // gnuplot may stop reading at an error of its own: its exit status tells,
  // not a signal that would end the tool without a word.
  std::signal(SIGPIPE, SIG_IGN);
  std::FILE* gp = popen("gnuplot", "w");
  if (gp == nullptr) return Falha("cannot run gnuplot");
  // gnuplot reads commands from its standard input a byte at a time, which
  // costs a year's data most of its drawing time; a file it loads, even its
  // standard input opened anew, it reads in blocks.
  static const char carrega[] = "load '/dev/stdin'\n";
  const bool escrito = std::fputs(carrega, gp) >= 0 &&
                       std::fwrite(script.data(), 1, script.size(), gp) == script.size();
  const int status = pclose(gp);
  if (!escrito || status != 0) return Falha("gnuplot could not draw '%s'", saida.c_str());
  return {};
}

}  // namespace

TResultado Desenha_Grafico(const TPedido_Grafico& p) {
  if (TResultado r = Confere_Saida(p.saida, Arquivos_Lidos(p.caminho)); !r.Ok()) return r;
  if (!Tem_Gnuplot()) return Falha("gnuplot not found: install the Debian package gnuplot-nox");
  TDeteccao d;
  if (TResultado r = Conhece_Arquivo(p.caminho, p.tipo, &d); !r.Ok()) return r;
  std::string erro;
  std::unique_ptr<TSerie> s = Abre_Serie(p.caminho, d, p.intervalo, &erro);
  if (s == nullptr) return Falha("%s", erro.c_str());
  int coluna = 0;
  if (TResultado r = Escolhe_Coluna(p, *s, &coluna); !r.Ok()) return r;
  TPontos pts;
  {
    TProgresso progresso("reading " + p.caminho + ", records", 0);
    Le_Pontos(s.get(), coluna, &pts, &progresso);
  }
  if (pts.fim.empty()) return Falha("'%s' holds no records", p.caminho.c_str());
  const TColuna& c = s->Colunas()[coluna];
  const std::string grandeza = Nome_Grandeza(c);
  // gnuplot draws into a temporary file, renamed once whole.
  TArquivo_Novo png;
  if (TResultado r = png.Abre(p.saida); !r.Ok()) return r;
  std::string script = Cabecalho_Grafico(p, Nome_Origem(p.caminho, d) + " \xe2\x80\x94 " + grandeza,
                                         grandeza, pts, png.Temporario());
  if (p.carpete) {
    const std::string linhas = Linhas_Carpete(pts);
    if (linhas.empty()) return Falha("'%s' spans too many days to draw", p.caminho.c_str());
    script += "$dados << EOD\n" + linhas + "EOD\nplot $dados using 1:2:3 with image\n";
  } else if (!p.bruto && pts.Longo() && pts.intervalo < kDia) {
    script += "set key top left\n$dados << EOD\n" + Linhas_Diarias(pts) +
              "EOD\nplot $dados using 1:2:4 with filledcurves fillcolor '#9ecae1' "
              "fillstyle solid noborder title 'daily minimum to maximum', "
              "$dados using 1:3 with lines linewidth 1.5 linecolor '#08519c' title 'daily mean'\n";
  } else {
    script += "$dados << EOD\n" + Linhas_Pontos(pts) +
              "EOD\nplot $dados using 1:2 with lines linewidth 1.5 linecolor '#08519c'\n";
  }
  TProgresso progresso("drawing " + p.saida + " with gnuplot", 0);
  if (TResultado r = Executa_Gnuplot(script, p.saida); !r.Ok()) return r;
  if (!Png_Inteiro(png.Temporario())) return Perda(p.saida);
  return png.Conclui();
}
