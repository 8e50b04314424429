// arqaux sample: runs a year (or some days) of a small synthetic building
// (amostra/amostra.h) and writes every result stream and report.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "amostra/amostra.h"
#include "comandos/comandos.h"
#include "comum/erros.h"
#include "comum/texto.h"

namespace {

namespace fs = std::filesystem;

constexpr int kMaxZonas = 100;
constexpr int kMaxDias = 10 * kDiasAno;

// Checks a step (--interval). Reports average whole hours of samples, and a
// day must hold whole steps.
TResultado Confere_Passo(const std::string& texto) {
  int v = 0;
  const bool valido = Le_Inteiro(texto, &v) && v > 0 && v <= kSegundosDia &&
                      kSegundosDia % v == 0 && (kSegundosHora % v == 0 || v % kSegundosHora == 0);
  if (valido) return {};
  return TResultado::Falha("must be seconds that divide an hour, or whole hours that divide a day");
}

// The parser's check of a step: its words, empty when the step is valid.
const CLI::Validator PASSO([](const std::string& texto) { return Confere_Passo(texto).Mensagem(); },
                           "SECONDS", "step");

}  // namespace

void Declara_Sample(CLI::App* app, TAcao* acao) {
  CLI::App* sub = app->add_subcommand(
      "sample", "simulate a sample year and write every result stream and report");
  auto o = std::make_shared<TOpcoes_Amostra>();
  sub->add_option("DIR", o->pasta, "directory of the files written")->capture_default_str();
  sub->add_option("--detail", o->detalhe,
                  "light: a zone, hourly steps; full: three zones, 10-minute steps (the defaults "
                  "of --zones and --interval)")
      ->check(CLI::IsMember({"light", "full"}))
      ->capture_default_str();
  sub->add_option("--zones", o->zonas, "zones of the building")
      ->check(CLI::Range(1, kMaxZonas))
      ->capture_default_str();
  sub->add_option("--interval", o->intervalo, "seconds of each step")
      ->check(PASSO)
      ->capture_default_str();
  sub->add_option("--hvac-interval", o->intervalo_hvac,
                  "seconds between the HVAC plant's lines (default: every step)")
      ->check(PASSO);
  sub->add_option("--days", o->dias, "days simulated from 1 January")
      ->check(CLI::Range(1, kMaxDias))
      ->capture_default_str();
  sub->add_option("--climate", o->clima,
                  "climate file run instead of the built-in one (see 'arqaux import epw')")
      ->check(CLI::ExistingFile);
  sub->add_flag("--plots", o->graficos,
                "draw a carpet plot of each zone's temperature (needs gnuplot)");
  sub->add_flag("--list", o->lista, "list every file written, family by family");
  sub->add_flag("--force", o->forcar,
                "write into DIR although it holds files arqaux did not write there (never "
                "replacing one)");
  sub->callback([sub, o, acao] {
    if (o->detalhe == "full") {
      if (sub->get_option("--zones")->count() == 0) o->zonas = 3;
      if (sub->get_option("--interval")->count() == 0) o->intervalo = 600;
    }
    // The run works inside its directory: the climate file's path must not
    // depend on the one it starts from.
    if (!o->clima.empty()) o->clima = fs::absolute(o->clima).string();
    // An imported climate file comes with its soil file beside it.
    const fs::path solo = fs::path(o->clima).parent_path() / "solo.bin";
    std::error_code ec;
    if (!o->clima.empty() && fs::exists(solo, ec)) o->solo = solo.string();
    if (o->intervalo_hvac % o->intervalo != 0) {
      throw CLI::ValidationError("--hvac-interval", "must be a multiple of --interval");
    }
    *acao = [o] { return Relata(Executa_Amostra(*o)); };
  });
}
