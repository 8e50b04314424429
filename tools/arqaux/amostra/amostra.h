// The sample run (arqaux sample) and its families of files.
//
// The run steps a simple model of each zone through the days asked for. What
// it writes is grouped in families: each family opens its streams before the
// first step, writes its records at every step from what the zones computed,
// and once the run is over closes its streams and converts its reports. The
// closing table lists the files family by family.
//
// A new family is a class derived from TFamilia_Amostra in its own file, and
// one line in the list of Cria_Familias (amostra.cpp).
#ifndef ARQAUX_TOOL_AMOSTRA_H_
#define ARQAUX_TOOL_AMOSTRA_H_

#include <arqaux/arqaux.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "comum/erros.h"

constexpr int kSegundosHora = 3600;
constexpr int kSegundosDia = 86400;
constexpr int kDiasAno = 365;

struct TOpcoes_Amostra {
  std::string pasta = "arqaux-sample";
  // The light run by default: a zone, hourly steps. --detail full makes
  // these three zones and 10-minute steps, where not given.
  std::string detalhe = "light";
  int zonas = 1;
  int intervalo = 3600;  // seconds of each step
  // Seconds between the HVAC plant's lines, a multiple of the step; 0 for
  // every step.
  int intervalo_hvac = 0;
  int dias = kDiasAno;
  // An absolute path to a climate file (an imported weather year) run
  // instead of the built-in synthetic one; empty for that one.
  std::string clima;
  // An absolute path to the soil file beside that climate file (import epw
  // writes both), read instead of the synthetic soil; empty for that one.
  std::string solo;
  bool graficos = false;  // a carpet plot of each zone's temperature
  bool forcar = false;    // write beside files arqaux did not write there
  bool lista = false;     // list every file written
};

// The inputs of one time step, shared by every zone.
struct TEntradas_Passo {
  TReg_Climatico clima;  // outdoors, interpolated within the hour
  float solo;            // soil temperature, degC
  float vizinho;         // temperature of the unconditioned neighbour space, degC
  float media_externa;   // mean outdoor temperature of the day, degC
  bool ocupado;          // office hours on a weekday
};

// The fixed parameters of zone i (0-based) of the run.
struct TZona_Modelo {
  double area;             // m2 of floor
  double condutancia;      // W/K between the zone air and its surroundings
  double constante_tempo;  // s, lag of the zone air toward its balance
  double ganho_interno;    // K of warming from people and equipment at work
  int pessoas_max;
  double area_pv;  // m2 of panels
};
TZona_Modelo Modelo_Zona(int i);

// What one zone's step computed. Heat flows are in W, positive into the
// zone air; their sum is what drives the air toward its new temperature.
struct TZona_Passo {
  int indice;                 // 0-based
  double temperatura;         // degC, zone air after the step
  double umidade;             // kg/kg, zone air after the step
  double radiante;            // degC, mean radiant temperature
  double aquecimento;         // heating controller output, 0 to 1
  double resfriamento;        // cooling controller output, 0 to 1
  double calor_aquecimento;   // W delivered by the heating plant
  double calor_resfriamento;  // W removed by the cooling plant (>= 0)
  double ganho_interno;       // W from people and equipment
  double ganho_solar;         // W through the windows
  double conducao;            // W through the envelope (negative when losing heat)
  int pessoas;
};

// One step of the run: its time and what every zone computed.
struct TPasso_Amostra {
  long long segundos;  // since 1 January, 0:00:00, at the end of the step
  const TEntradas_Passo& entradas;
  const std::vector<TZona_Passo>& zonas;
};

// What the run offers its families.
class TContexto_Amostra {
 public:
  TContexto_Amostra(const TOpcoes_Amostra& opcoes, TGeren_ArquivoAux* geren)
      : opcoes(opcoes), geren(geren) {}

  const TOpcoes_Amostra& opcoes;
  TGeren_ArquivoAux* geren;
  TTempo inicio;  // January 1, 0:00:00
  TTempo fim;     // the start of the run's last hour

  // Registers nome, a file of the run, to be listed under family; returns it.
  std::string Anota(const std::string& familia, const std::string& nome);
  // How messages name a file of the run: inside the run's directory.
  std::string Exibe(const std::string& nome) const;
  // Registers nome, a file the run writes and reads back, and opens it in
  // mode "wb+" as stream *n.
  TResultado Abre_Fluxo(const std::string& familia, const std::string& nome, int* n);
  // Closes stream n, which wrote nome, checking that nothing was lost.
  TResultado Fecha_Fluxo(int n, const std::string& nome);
  // Writes texto as the description beside stream fluxo ("<fluxo>.desc"),
  // listed under familia.
  TResultado Descreve(const std::string& familia, const std::string& fluxo,
                      const std::string& texto);
  // The description of a stream told only by it: "kind = tipo" and the
  // seconds between its records.
  static std::string Descricao(const char* tipo, int intervalo);

  // A report: its text file, the binary stream it converts, where that
  // stream's first record lies, and the converter call.
  struct Relatorio {
    std::string nome;
    int binario;
    long cabecalho;
    std::function<void(int binario, int texto)> converte;
  };
  // Converts r into its text file, listed under familia: opens the text
  // file, places the binary stream (reopened for reading) at its first
  // record, makes the text stream current again (converters write their
  // head there before selecting anything), converts and closes both.
  TResultado Converte(const std::string& familia, const Relatorio& r);
  // Converts reports of one binary stream, whose first record lies at
  // cabecalho, into text files nomes in one pass, listed under familia: as
  // Converte, with every text file opened first and converte handed their
  // streams in order.
  TResultado Converte_Juntos(
      const std::string& familia, const std::vector<std::string>& nomes, int binario,
      long cabecalho,
      const std::function<void(int binario, const std::vector<int>& textos)>& converte);

  struct Arquivo {
    std::string familia;
    std::string nome;
  };
  const std::vector<Arquivo>& Arquivos() const { return arquivos_; }

 private:
  std::vector<Arquivo> arquivos_;
};

// One family of the run's files.
class TFamilia_Amostra {
 public:
  virtual ~TFamilia_Amostra() = default;
  // The family's name in the closing table, asked of every family before
  // any file opens (the sanitizer build checks each family's type at its
  // first call through a pipe, which needs a handle the registry may later
  // hold).
  virtual const char* Familia() const = 0;
  // Opens the family's streams before the first step.
  virtual TResultado Abre(TContexto_Amostra* c) = 0;
  // Writes the family's records of one step.
  virtual void Passo(const TPasso_Amostra& p) = 0;
  // After the last step, every family closes its streams (checking that
  // none lost data) before any converts, so that only the two streams of the
  // report at hand are open while it converts.
  virtual TResultado Fecha(TContexto_Amostra* c) = 0;
  virtual TResultado Converte(TContexto_Amostra* c) = 0;
};

// Runs the whole sample o asks for.
TResultado Executa_Amostra(const TOpcoes_Amostra& o);

// The families, each in its own file.
std::unique_ptr<TFamilia_Amostra> Cria_Familia_Zonas();
std::unique_ptr<TFamilia_Amostra> Cria_Familia_HVAC();
std::unique_ptr<TFamilia_Amostra> Cria_Familia_Cargas();
std::unique_ptr<TFamilia_Amostra> Cria_Familia_Envelope();
std::unique_ptr<TFamilia_Amostra> Cria_Familia_Diagnosticos();
std::unique_ptr<TFamilia_Amostra> Cria_Familia_Entradas();

#endif  // ARQAUX_TOOL_AMOSTRA_H_
