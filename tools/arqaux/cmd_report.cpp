// arqaux report: converts an existing zone result stream into its text
// report, as the host does after a run.
#include <arqaux/arqaux.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "comandos.h"
#include "formatos.h"
#include "verificacoes.h"

namespace {

const char* const USO =
    "usage: arqaux report KIND BINARY TEXT --start DD/MM/HH --end DD/MM/HH --interval S\n"
    "         [--has t,h,c] [--show t,h,c]   (tupmv; --has defaults to the stream header)\n"
    "         [--ats|--ace]                  (ats)\n"
    "         --outputs K --index I          (sc)\n"
    "  KIND: tupmv (temperature, humidity, comfort), ats (ATS/ACE), acs (operative and\n"
    "        exterior temperature), pv (photovoltaic), sc (controller outputs)";

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

// What the command line asks for.
struct TPedido {
  std::string tipo, binario, texto;
  TTempo inicio, fim;
  int intervalo = 0;
  TGrupos tem, mostra;
  bool ace = false;
  int saidas = 0, indice = 0;
};

// Reads the options of the kind p->tipo into *p. Without --has, the groups
// held are read later from the stream's header.
int Le_Opcoes(const Argumentos& a, TPedido* p) {
  for (const auto& opcao : a.opcoes) {
    if (!Opcao_Permitida(p->tipo, opcao.first)) {
      return Erro("option --%s does not apply to '%s' reports", opcao.first.c_str(),
                  p->tipo.c_str());
    }
  }
  if (!a.Tem("start") || !Le_Data(a.Valor("start"), &p->inicio)) {
    return Erro("--start must be a date DD/MM/HH");
  }
  if (!a.Tem("end") || !Le_Data(a.Valor("end"), &p->fim)) {
    return Erro("--end must be a date DD/MM/HH");
  }
  if (!Le_Inteiro(a.Valor("interval"), &p->intervalo) || p->intervalo <= 0) {
    return Erro("--interval must be a positive number of seconds");
  }
  if (a.Tem("has") && !Le_Grupos(a.Valor("has"), &p->tem)) {
    return Erro("--has must list groups among t, h and c");
  }
  if (a.Tem("show") && !Le_Grupos(a.Valor("show"), &p->mostra)) {
    return Erro("--show must list groups among t, h and c");
  }
  if (a.Tem("ats") && a.Tem("ace")) return Erro("--ats and --ace exclude each other");
  p->ace = a.Tem("ace");
  if (p->tipo != "sc") return 0;
  if (!Le_Inteiro(a.Valor("outputs"), &p->saidas) || p->saidas < 0 ||
      p->saidas > TGeren_ArquivoAux::Max_Saidas_Cont) {
    return Erro("--outputs must be a number of controller outputs from 0 to %d",
                TGeren_ArquivoAux::Max_Saidas_Cont);
  }
  if (!Le_Inteiro(a.Valor("index"), &p->indice) || p->indice < 0 || p->indice > p->saidas) {
    return Erro("--index must be an output number from 0 to %d", p->saidas);
  }
  return 0;
}

// Up to n of the first bytes of caminho; how many arrived.
size_t Le_Inicio(const std::string& caminho, unsigned char* destino, size_t n) {
  FILE* arq = std::fopen(caminho.c_str(), "rb");
  if (arq == nullptr) return 0;
  const size_t lidos = std::fread(destino, 1, n, arq);
  std::fclose(arq);
  return lidos;
}

// The stream's header, and its first record's count of controller outputs.
constexpr size_t BYTES_INICIO = CABECALHO_SAIDA_CONT + BYTES_SAIDA_CONT;
static_assert(BYTES_INICIO >= CABECALHO_TEMP_UMI, "the start holds every header");

// The header and record of a temperature-humidity stream: groups held from its
// header unless --has gave them.
int Confere_Temp_Umi(TPedido* p, const unsigned char* inicio, size_t lidos, bool tem_dado) {
  const char* const nome = "a temperature-humidity stream";
  if (lidos >= CABECALHO_TEMP_UMI) {
    const unsigned char* grupos = inicio + OFFSET_GRUPOS_TEMP_UMI;
    if (grupos[0] > 1 || grupos[1] > 1 || grupos[2] > 1) {
      return Erro("'%s' is not %s: its group flags are not 0 or 1", p->binario.c_str(), nome);
    }
    if (!tem_dado) {
      p->tem.temperatura = grupos[0] != 0;
      p->tem.umidade = grupos[1] != 0;
      p->tem.conforto = grupos[2] != 0;
    }
  }
  const int grupos = p->tem.temperatura + p->tem.umidade + p->tem.conforto;
  return Confere_Registros(p->binario, CABECALHO_TEMP_UMI, BYTES_GRUPO_TEMP_UMI * grupos, nome);
}

// A controller-output record holds its count of outputs first: the stream is
// read with --outputs, so the two must agree.
int Confere_Saida_Cont(const TPedido& p, const unsigned char* inicio, size_t lidos) {
  const char* const nome = "a controller-output stream";
  if (lidos == BYTES_INICIO) {
    float contagem;
    std::memcpy(&contagem, inicio + CABECALHO_SAIDA_CONT, sizeof contagem);
    if (!(std::trunc(contagem) == p.saidas)) {
      return Erro("'%s' holds %g outputs per record, not %d (--outputs)", p.binario.c_str(),
                  contagem, p.saidas);
    }
  }
  const uintmax_t registro = BYTES_SAIDA_CONT * (static_cast<uintmax_t>(p.saidas) + 1);
  return Confere_Registros(p.binario, CABECALHO_SAIDA_CONT, registro, nome);
}

// Refuses a binary stream that is not of the kind asked, or that is the
// report's own file; *cabecalho gets the size of its header.
int Confere_Fluxo(TPedido* p, bool tem_dado, uintmax_t* cabecalho) {
  if (int erro = Confere_Entrada(p->binario)) return erro;
  if (int erro = Confere_Saida(p->texto, p->binario)) return erro;
  unsigned char inicio[BYTES_INICIO] = {};
  const size_t lidos = Le_Inicio(p->binario, inicio, sizeof inicio);
  *cabecalho = 0;
  if (p->tipo == "tupmv") {
    *cabecalho = CABECALHO_TEMP_UMI;
    return Confere_Temp_Umi(p, inicio, lidos, tem_dado);
  }
  if (p->tipo == "sc") {
    *cabecalho = CABECALHO_SAIDA_CONT;
    return Confere_Saida_Cont(*p, inicio, lidos);
  }
  if (p->tipo == "ats") return Confere_Registros(p->binario, 0, REGISTRO_ATS, "an ATS/ACE stream");
  if (p->tipo == "acs") {
    return Confere_Registros(p->binario, 0, REGISTRO_ACS, "an operative-temperature stream");
  }
  return Confere_Registros(p->binario, 0, REGISTRO_PV, "a photovoltaic stream");
}

void Converte(const TPedido& p, int binario, int texto) {
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  TTempo inicio = p.inicio, fim = p.fim;
  if (p.tipo == "tupmv") {
    geren->Converte_Binario_Texto_TUPMV(binario, texto, p.tem.temperatura, p.tem.umidade,
                                        p.tem.conforto, p.mostra.temperatura, p.mostra.umidade,
                                        p.mostra.conforto, &inicio, &fim, p.intervalo);
  } else if (p.tipo == "ats") {
    geren->Converte_Binario_Texto_ATS_ACE(binario, texto, true, !p.ace, &inicio, &fim, p.intervalo);
  } else if (p.tipo == "acs") {
    geren->Converte_Binario_Texto_ACS(binario, texto, &inicio, &fim, p.intervalo);
  } else if (p.tipo == "pv") {
    geren->Converte_Binario_Texto_PV(binario, texto, true, &inicio, &fim, p.intervalo);
  } else {
    geren->Converte_Binario_Texto_SC(binario, texto, &inicio, &fim, p.intervalo, p.saidas,
                                     p.indice);
  }
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
  TPedido p;
  p.tipo = a.posicionais[0];
  p.binario = a.posicionais[1];
  p.texto = a.posicionais[2];
  if (p.tipo != "tupmv" && p.tipo != "ats" && p.tipo != "acs" && p.tipo != "pv" && p.tipo != "sc") {
    return Erro("unknown report kind '%s' (tupmv, ats, acs, pv or sc)", p.tipo.c_str());
  }
  uintmax_t cabecalho = 0;
  if (int erro = Le_Opcoes(a, &p)) return erro;
  if (int erro = Confere_Fluxo(&p, a.Tem("has"), &cabecalho)) return erro;
  if (!a.Tem("show")) p.mostra = p.tem;

  TGeren_ArquivoAux* geren = Geren_ArqAux();
  const int n_binario = geren->Abre_Arquivo(p.binario.c_str(), "rb");
  if (n_binario == 0) return Erro("cannot open '%s'", p.binario.c_str());
  // The converters start at the stream's current position: step over the
  // header that the stream's writer put first.
  if (std::fseek(geren->ObtemArquivo(), static_cast<long>(cabecalho), SEEK_SET) != 0) {
    geren->Fecha_Todos();
    return Erro("cannot read '%s'", p.binario.c_str());
  }
  const int n_texto = geren->Abre_Arquivo(p.texto.c_str(), "wt");
  if (n_texto == 0) {
    geren->Fecha_Todos();
    return Erro("cannot create '%s'", p.texto.c_str());
  }
  Converte(p, n_binario, n_texto);
  const int erro = Fecha_Gravado(geren, n_texto, p.texto);
  geren->Fecha_Todos();
  return erro;
}
