// arqaux report: converts an existing zone result stream into its text
// report, as the host does after a run.
#include <arqaux/arqaux.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "comandos.h"

namespace {

const char* const USO =
    "usage: arqaux report KIND BINARY TEXT --start DD/MM/HH --end DD/MM/HH --interval S\n"
    "         [--has t,h,c] [--show t,h,c]   (tupmv; --has defaults to the stream header)\n"
    "         [--ats|--ace]                  (ats)\n"
    "         --outputs K --index I          (sc)\n"
    "  KIND: tupmv (temperature, humidity, comfort), ats (ATS/ACE), acs (operative and\n"
    "        exterior temperature), pv (photovoltaic), sc (controller outputs)";

// Headers the stream writers put before the first record: the flags of a
// temperature-humidity-comfort stream, the integer of a controller-output one.
constexpr long kCabecalho_TUPMV = 7;
constexpr long kCabecalho_SC = 4;

struct TGrupos {
  bool temperatura = false;
  bool umidade = false;
  bool conforto = false;
};

// "t,h,c" in any order and subset; an empty text is no group.
bool Le_Grupos(const std::string& texto, TGrupos* g) {
  *g = TGrupos();
  size_t i = 0;
  while (i < texto.size()) {
    size_t fim = texto.find(',', i);
    if (fim == std::string::npos) fim = texto.size();
    const std::string nome = texto.substr(i, fim - i);
    if (nome == "t") {
      g->temperatura = true;
    } else if (nome == "h") {
      g->umidade = true;
    } else if (nome == "c") {
      g->conforto = true;
    } else {
      return false;
    }
    i = fim + 1;
  }
  return true;
}

// "DD/MM/HH": a day of the month given (365-day year) and an hour 0 to 23.
bool Le_Data(const std::string& texto, TTempo* t) {
  int partes[3];
  size_t i = 0;
  for (int k = 0; k < 3; ++k) {
    size_t fim = k < 2 ? texto.find('/', i) : texto.size();
    if (fim == std::string::npos || !Le_Inteiro(texto.substr(i, fim - i), &partes[k])) {
      return false;
    }
    i = fim + 1;
  }
  const int dia = partes[0], mes = partes[1], hora = partes[2];
  if (mes < 1 || mes > 12 || dia < 1 || dia > TGeren_Tempo::Dias_No_Mes(mes) || hora < 0 ||
      hora > 23) {
    return false;
  }
  *t = TTempo();
  t->Dia = dia;
  t->Mes = mes;
  t->Hora = hora;
  return true;
}

bool Opcao_Permitida(const std::string& tipo, const std::string& opcao) {
  if (opcao == "start" || opcao == "end" || opcao == "interval") return true;
  if (tipo == "tupmv") return opcao == "has" || opcao == "show";
  if (tipo == "ats") return opcao == "ats" || opcao == "ace";
  if (tipo == "sc") return opcao == "outputs" || opcao == "index";
  return false;
}

}  // namespace

int Comando_Report(const std::vector<std::string>& args) {
  Argumentos a = Separa_Argumentos(args, {"ats", "ace", "help"});
  if (a.Tem("help")) {
    std::puts(USO);
    return 0;
  }
  if (!a.erro.empty()) return Erro("%s", a.erro.c_str());
  if (a.posicionais.size() != 3) {
    return Erro("expected KIND BINARY TEXT and options (see 'arqaux report --help')");
  }
  const std::string& tipo = a.posicionais[0];
  const std::string& binario = a.posicionais[1];
  const std::string& texto = a.posicionais[2];
  if (tipo != "tupmv" && tipo != "ats" && tipo != "acs" && tipo != "pv" && tipo != "sc") {
    return Erro("unknown report kind '%s' (tupmv, ats, acs, pv or sc)", tipo.c_str());
  }
  for (const auto& opcao : a.opcoes) {
    if (!Opcao_Permitida(tipo, opcao.first)) {
      return Erro("option --%s does not apply to '%s' reports", opcao.first.c_str(), tipo.c_str());
    }
  }

  TTempo inicio, fim;
  int intervalo = 0;
  if (!a.Tem("start") || !Le_Data(a.Valor("start"), &inicio)) {
    return Erro("--start must be a date DD/MM/HH");
  }
  if (!a.Tem("end") || !Le_Data(a.Valor("end"), &fim)) {
    return Erro("--end must be a date DD/MM/HH");
  }
  if (!Le_Inteiro(a.Valor("interval"), &intervalo) || intervalo <= 0) {
    return Erro("--interval must be a positive number of seconds");
  }
  TGrupos tem, mostra;
  if (a.Tem("has") && !Le_Grupos(a.Valor("has"), &tem)) {
    return Erro("--has must list groups among t, h and c");
  }
  if (a.Tem("show") && !Le_Grupos(a.Valor("show"), &mostra)) {
    return Erro("--show must list groups among t, h and c");
  }
  if (a.Tem("ats") && a.Tem("ace")) return Erro("--ats and --ace exclude each other");
  int saidas = 0, indice = 0;
  if (tipo == "sc") {
    if (!Le_Inteiro(a.Valor("outputs"), &saidas) || saidas < 0 ||
        saidas > TGeren_ArquivoAux::Max_Saidas_Cont) {
      return Erro("--outputs must be a number of controller outputs from 0 to %d",
                  TGeren_ArquivoAux::Max_Saidas_Cont);
    }
    if (!Le_Inteiro(a.Valor("index"), &indice) || indice < 0 || indice > saidas) {
      return Erro("--index must be an output number from 0 to %d", saidas);
    }
  }

  std::error_code ec;
  if (!std::filesystem::is_regular_file(binario, ec)) {
    return Erro("cannot open '%s'", binario.c_str());
  }
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  const int n_binario = geren->Abre_Arquivo(binario.c_str(), "rb");
  if (n_binario == 0) return Erro("cannot open '%s'", binario.c_str());
  // The converters start at the stream's current position: step over the
  // header that the stream's writer put first.
  if (tipo == "tupmv" || tipo == "sc") {
    unsigned char cabecalho[kCabecalho_TUPMV];
    const size_t tamanho = tipo == "tupmv" ? kCabecalho_TUPMV : kCabecalho_SC;
    if (std::fread(cabecalho, 1, tamanho, geren->ObtemArquivo()) != tamanho) {
      geren->Fecha_Todos();
      return Erro("'%s' is too short to hold its stream header", binario.c_str());
    }
    if (tipo == "tupmv" && !a.Tem("has")) {
      tem.temperatura = cabecalho[4] != 0;
      tem.umidade = cabecalho[5] != 0;
      tem.conforto = cabecalho[6] != 0;
    }
  }
  if (!a.Tem("show")) mostra = tem;
  const int n_texto = geren->Abre_Arquivo(texto.c_str(), "wt");
  if (n_texto == 0) {
    geren->Fecha_Todos();
    return Erro("cannot create '%s'", texto.c_str());
  }

  if (tipo == "tupmv") {
    geren->Converte_Binario_Texto_TUPMV(n_binario, n_texto, tem.temperatura, tem.umidade,
                                        tem.conforto, mostra.temperatura, mostra.umidade,
                                        mostra.conforto, &inicio, &fim, intervalo);
  } else if (tipo == "ats") {
    geren->Converte_Binario_Texto_ATS_ACE(n_binario, n_texto, true, !a.Tem("ace"), &inicio, &fim,
                                          intervalo);
  } else if (tipo == "acs") {
    geren->Converte_Binario_Texto_ACS(n_binario, n_texto, &inicio, &fim, intervalo);
  } else if (tipo == "pv") {
    geren->Converte_Binario_Texto_PV(n_binario, n_texto, true, &inicio, &fim, intervalo);
  } else {
    geren->Converte_Binario_Texto_SC(n_binario, n_texto, &inicio, &fim, intervalo, saidas, indice);
  }
  geren->Fecha_Todos();
  return 0;
}
