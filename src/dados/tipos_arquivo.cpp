
#include <arqaux/dados.h>
#include <arqaux/formatos.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

namespace fs = std::filesystem;

constexpr int kHeader = 2;
constexpr int kSizeOnly = 1;
// A description is a few lines; more than this is not one.
constexpr uintmax_t kMaxDescricao = 65536;
// Counts of outputs a controller-output record may hold.
constexpr float kMaxSaidas = 65535.0f;

int32_t Inteiro_Em(const std::string& s, size_t posicao) {
  int32_t v = 0;
  if (s.size() >= posicao + sizeof v) std::memcpy(&v, s.data() + posicao, sizeof v);
  return v;
}

float Real_Em(const std::string& s, size_t posicao) {
  float v = 0.0f;
  if (s.size() >= posicao + sizeof v) std::memcpy(&v, s.data() + posicao, sizeof v);
  return v;
}

// Text: no byte below tab and no NUL among the first bytes (Windows-1252
// letters are above 127). Binary records of floats hold such bytes at once.
bool Eh_Texto(const TAmostra_Arquivo& a) {
  if (a.inicio.empty()) return false;
  for (unsigned char c : a.inicio) {
    if (c < '\t' || (c > '\r' && c < ' ')) return false;
  }
  return true;
}

bool Binario(const TAmostra_Arquivo& a) { return a.tamanho > 0 && !Eh_Texto(a); }

bool Termina_Em(const std::string& s, const std::string& fim) {
  return s.size() >= fim.size() && s.compare(s.size() - fim.size(), fim.size(), fim) == 0;
}

// A headerless stream of records of tamanho bytes: the size alone.
int Registros_De(const TAmostra_Arquivo& a, uintmax_t tamanho) {
  return Binario(a) && a.tamanho % tamanho == 0 ? kSizeOnly : 0;
}

int Clima(const TAmostra_Arquivo& a) {
  return a.tamanho == ARQAUX_TAM_ARQUIVO_CLIMA && Binario(a) ? kHeader : 0;
}
int Solo(const TAmostra_Arquivo& a) {
  return a.tamanho == ARQAUX_TAM_ARQUIVO_SOLO && Binario(a) ? kSizeOnly : 0;
}
int TI(const TAmostra_Arquivo& a) {
  if (a.tamanho != ARQAUX_TAM_ARQUIVO_TI || !Binario(a)) return 0;
  return Termina_Em(a.nome, ".ti") ? kHeader : kSizeOnly;
}
int ATS(const TAmostra_Arquivo& a) { return Registros_De(a, ARQAUX_TAM_REGISTRO_ATS_ACE); }
int Somente_Descrito(const TAmostra_Arquivo&) { return 0; }
int ACS(const TAmostra_Arquivo& a) { return Registros_De(a, ARQAUX_TAM_REGISTRO_ACS); }
int Pessoas(const TAmostra_Arquivo& a) { return Registros_De(a, ARQAUX_TAM_REGISTRO_PESSOAS); }
int PV(const TAmostra_Arquivo& a) { return Registros_De(a, ARQAUX_TAM_REGISTRO_PV); }

// The three group flags are 0 or 1, one at least set, and the rest of the
// file whole records of the groups set.
int Temp_Umi(const TAmostra_Arquivo& a) {
  if (a.tamanho < ARQAUX_TAM_CABECALHO_TEMP_UMI ||
      a.inicio.size() < ARQAUX_TAM_CABECALHO_TEMP_UMI) {
    return 0;
  }
  int grupos = 0;
  for (size_t k = 0; k < 3; ++k) {
    const unsigned char f = a.inicio[ARQAUX_POSICAO_FLAGS_TEMP_UMI + k];
    if (f > 1) return 0;
    grupos += f;
  }
  const uintmax_t registro = ARQAUX_TAM_GRUPO_TEMP_UMI * grupos;
  return grupos > 0 && (a.tamanho - ARQAUX_TAM_CABECALHO_TEMP_UMI) % registro == 0 ? kHeader : 0;
}

// Every record of the first bytes starts with the same whole count k of
// outputs, one at least (a record of none holds no value: a file of zeros
// is not such a stream), and the rest of the file is whole records of
// k + 1 floats.
int Saida_Cont(const TAmostra_Arquivo& a) {
  const size_t c = ARQAUX_TAM_CABECALHO_SAIDA_CONT;
  if (!Binario(a) || a.tamanho <= c || a.inicio.size() < c + 4) return 0;
  const float k = Real_Em(a.inicio, c);
  if (!(k >= 1.0f && k <= kMaxSaidas) || std::trunc(k) != k) return 0;
  const uintmax_t registro = ARQAUX_TAM_VALOR_SAIDA_CONT * (static_cast<uintmax_t>(k) + 1);
  if ((a.tamanho - c) % registro != 0) return 0;
  for (size_t p = c; p + 4 <= a.inicio.size(); p += registro) {
    if (Real_Em(a.inicio, p) != k) return 0;
  }
  return kHeader;
}

// A statistics file: a count at byte cabecalho - 4 and exactly that many
// records of registro bytes after it.
int Estatistica(const TAmostra_Arquivo& a, uintmax_t cabecalho, uintmax_t registro) {
  if (!Binario(a) || a.tamanho < cabecalho || a.inicio.size() < cabecalho) return 0;
  const int32_t n = Inteiro_Em(a.inicio, cabecalho - ARQAUX_TAM_CONTAGEM);
  return n >= 0 && a.tamanho == cabecalho + registro * static_cast<uintmax_t>(n) ? kHeader : 0;
}
int Demanda(const TAmostra_Arquivo& a) {
  return Estatistica(a, ARQAUX_TAM_CONTAGEM, ARQAUX_TAM_DEMANDA_CONSUMO);
}
int Demanda_HVAC(const TAmostra_Arquivo& a) {
  return Estatistica(a, ARQAUX_TAM_CONTAGEM, ARQAUX_TAM_DEMANDA_CONSUMO_HVAC);
}
int Mensal(const TAmostra_Arquivo& a) {
  return Estatistica(a, ARQAUX_TAM_CONTAGEM, ARQAUX_TAM_ESTATISTICA_MENSAL);
}
int Cargas(const TAmostra_Arquivo& a) {
  return Estatistica(a,
                     ARQAUX_TAM_FLAGS_CARGAS + ARQAUX_TAM_CARGA_TERMICA_ANUAL + ARQAUX_TAM_CONTAGEM,
                     ARQAUX_TAM_CARGA_TERMICA_MENSAL);
}
int Ganhos(const TAmostra_Arquivo& a) {
  return Estatistica(a, ARQAUX_TAM_GANHO_TERMICO_ANUAL + ARQAUX_TAM_CONTAGEM,
                     ARQAUX_TAM_GANHO_TERMICO_MENSAL);
}

// The first line of a text file.
std::string Primeira_Linha(const TAmostra_Arquivo& a) {
  return Eh_Texto(a) ? a.inicio.substr(0, a.inicio.find('\n')) : std::string();
}

// Load and gain streams open on their column titles; only a load's name the
// zone's conditions.
int Carga(const TAmostra_Arquivo& a) {
  const std::string l = Primeira_Linha(a);
  return l.find("Trans_Par_S") != std::string::npos && l.find("Temp_Zona") != std::string::npos
             ? kHeader
             : 0;
}
int Ganho(const TAmostra_Arquivo& a) {
  const std::string l = Primeira_Linha(a);
  return l.find("Trans_Par_S") != std::string::npos && l.find("Temp_Zona") == std::string::npos
             ? kHeader
             : 0;
}

// Interior-climate text: lines of two numbers.
int Texto_Interno(const TAmostra_Arquivo& a) {
  const std::string l = Primeira_Linha(a);
  float t, u;
  char resto;
  return !l.empty() && std::sscanf(l.c_str(), "%f %f %c", &t, &u, &resto) == 2 ? kHeader : 0;
}

// A description the tool reads beside a file: text, named "<file>.desc".
int Descricao(const TAmostra_Arquivo& a) {
  return Eh_Texto(a) && Termina_Em(a.nome, ".desc") ? kHeader : 0;
}

// A daylighting schedule opens on the line naming the thermal model.
int Iluminacao(const TAmostra_Arquivo& a) {
  return Primeira_Linha(a).rfind("# thermal simulation input file (", 0) == 0 ? kHeader : 0;
}

// The interior surface temperatures: the report's title, or the data
// stream's first line, "DD/MM - HH:MM:SS" and a tab.
int Temp_Superficies(const TAmostra_Arquivo& a) {
  const std::string l = Primeira_Linha(a);
  int d, m, h, mi, se, fim = 0;
  const bool dados =
      std::sscanf(l.c_str(), "%2d/%2d - %2d:%2d:%2d%n", &d, &m, &h, &mi, &se, &fim) == 5 &&
      fim > 0 && l.size() > static_cast<size_t>(fim) && l[fim] == '\t';
  return dados || l.rfind(TITULO_TEMP_SUPERFICIES, 0) == 0 ? kHeader : 0;
}

// Any other text: a report, a configuration or system file, a catalogue,
// a diagnostic dump.
int Relatorio(const TAmostra_Arquivo& a) {
  for (auto outro : {Carga, Ganho, Texto_Interno, Descricao, Iluminacao, Temp_Superficies}) {
    if (outro(a) != 0) return 0;
  }
  return Eh_Texto(a) ? kHeader : 0;
}

// A statistics file is told by its exact size, which no envelope file
// shares but by chance.
bool Eh_Estatistica(const TAmostra_Arquivo& a) {
  return Demanda(a) || Demanda_HVAC(a) || Mensal(a) || Cargas(a) || Ganhos(a);
}

// A wall node file: N, N floats, then N entries of a count M and M pairs,
// the whole header among the first bytes.
int Parede(const TAmostra_Arquivo& a) {
  const int32_t n = Inteiro_Em(a.inicio, 0);
  if (!Binario(a) || n < 1 || n > MAX_SUPERFICIES || Eh_Estatistica(a)) return 0;
  size_t p = 4 * (static_cast<size_t>(n) + 1);
  for (int32_t e = 0; e < n; ++e) {
    const int32_t m = Inteiro_Em(a.inicio, p);
    if (p + 4 > a.inicio.size() || m < 0 || m > MAX_SUPERFICIES) return 0;
    p += 4 + 8 * static_cast<size_t>(m);
  }
  return p <= a.inicio.size() && p <= a.tamanho && (a.tamanho - p) % 4 == 0 ? kHeader : 0;
}

// A shading, flux or mould stream: N and the N surfaces' areas, then
// records of one or more floats per surface.
int Superficies(const TAmostra_Arquivo& a) {
  const int32_t n = Inteiro_Em(a.inicio, 0);
  if (!Binario(a) || n < 1 || n > MAX_SUPERFICIES || Eh_Estatistica(a) || Parede(a) != 0) return 0;
  const uintmax_t cabecalho = 4 * (static_cast<uintmax_t>(n) + 1);
  for (size_t p = 4; p < cabecalho && p + 4 <= a.inicio.size(); p += 4) {
    const float area = Real_Em(a.inicio, p);
    if (!std::isnormal(area) || area < 0.0f || area > 1e6f) return 0;
  }
  return a.tamanho >= cabecalho && (a.tamanho - cabecalho) % (4 * n) == 0 ? kHeader : 0;
}

using L = TLeitura;
const std::vector<TTipo_Arquivo> kTipos = {
    {"climate", "climate file (city header, then 8760 hourly records)", L::Clima, Clima,
     "arqaux climate show FILE"},
    {"ti", "interior-climate file (.ti, 8760 hourly records)", L::TI, TI,
     "arqaux climate show FILE --ti"},
    {"tupmv", "temperature-humidity-comfort stream", L::Temp_Umi, Temp_Umi,
     "arqaux report tupmv FILE ..."},
    {"sc", "controller-output stream", L::Saida_Cont, Saida_Cont, "arqaux report sc FILE ..."},
    {"load", "thermal load stream", L::Carga, Carga, "no report command: export it"},
    {"gain", "thermal gain stream", L::Ganho, Ganho, "no report command: export it"},
    {"demand", "monthly demand and consumption file", L::Nenhuma, Demanda,
     "arqaux stats show FILE --kind demand"},
    {"hvac-demand", "HVAC demand and consumption file", L::Nenhuma, Demanda_HVAC,
     "arqaux stats show FILE --kind hvac-demand"},
    {"monthly", "monthly statistics file", L::Nenhuma, Mensal,
     "arqaux stats show FILE --kind monthly"},
    {"loads", "load statistics file", L::Nenhuma, Cargas, "arqaux stats show FILE --kind loads"},
    {"gains", "gain statistics file", L::Nenhuma, Ganhos, "arqaux stats show FILE --kind gains"},
    {"interior-text", "interior-climate text (temperature and humidity a line)", L::Nenhuma,
     Texto_Interno, "arqaux climate ti FILE"},
    {"soil", "soil file (8760 hourly records)", L::Solo, Solo, "arqaux climate show FILE --soil"},
    {"ats", "ATS stream", L::ATS, ATS, "arqaux report ats FILE ..."},
    {"ace", "ACE stream", L::ACE, Somente_Descrito, "arqaux report ats FILE --ace ..."},
    {"acs", "operative and exterior temperature stream", L::ACS, ACS, "arqaux report acs FILE ..."},
    {"pv", "photovoltaic stream", L::PV, PV, "arqaux report pv FILE ..."},
    {"occupancy", "occupancy stream", L::Pessoas, Pessoas, "arqaux report occupancy FILE ..."},
    {"wall", "wall node file", L::Parede, Parede, "arqaux wall show FILE ..."},
    {"surface", "shading, heat-vapour flux or mould stream", L::Nenhuma, Superficies,
     "arqaux export FILE --kind shading|flux|mould"},
    {"shading", "shading stream (described)", L::Sombras, Somente_Descrito,
     "no report command: export it"},
    {"radiation", "surface radiation stream (described)", L::Radiacao, Somente_Descrito,
     "no report command: export it"},
    {"flux", "heat-vapour flux stream (described)", L::Fluxos_CV, Somente_Descrito,
     "arqaux report flux FILE ..."},
    {"mould", "mould growth stream (described)", L::Mofo, Somente_Descrito,
     "arqaux report mould FILE ..."},
    {"hvac", "HVAC data stream (described)", L::HVAC, Somente_Descrito,
     "arqaux report KIND FILE REPORT"},
    {"hvac-consumption", "HVAC consumption stream (told by its data stream's description)",
     L::Consumo_HVAC, Somente_Descrito, "no report command: export it"},
    {"surface-temperatures", "interior surface temperature report or data stream",
     L::Temp_Superficies, Temp_Superficies, "no report command: export it"},
    {"daylight", "daylighting schedule (8760 hourly lines)", L::Iluminacao, Iluminacao,
     "arqaux daylight show FILE --from HOUR --count N"},
    {"description", "description of the file named without .desc", L::Nenhuma, Descricao,
     "a text viewer"},
    {"report", "text: a report, configuration, system file, catalogue or dump", L::Nenhuma,
     Relatorio, "a text viewer; config check, hvac check or catalogue check"},
};

// The kind a description names.
bool Detecta_Por_Descricao(const TAmostra_Arquivo& a, TDeteccao* d) {
  const std::string& tipo = d->descricao.tipo;
  d->intervalo = d->descricao.intervalo;
  d->origem = "its description";
  d->tipo = Procura_Tipo_Arquivo(tipo);
  if (Procura_Tipo_HVAC(tipo) != nullptr) {
    d->tipo = Procura_Tipo_Arquivo(a.descricao_dos_dados ? "hvac-consumption" : "hvac");
  }
  if (a.descricao_dos_dados && d->tipo != nullptr && d->tipo->leitura != L::Consumo_HVAC) {
    d->tipo = nullptr;
  }
  if (d->tipo == nullptr) {
    d->erro = "its description names kind '" + tipo + "', which the tool does not know";
  }
  return d->tipo != nullptr;
}

// The seconds between records a header gives: an hourly input file's hour,
// the interval a temperature-humidity stream keeps first.
int Intervalo_Do_Cabecalho(const TTipo_Arquivo& t, const TAmostra_Arquivo& a) {
  switch (t.leitura) {
    case L::Clima:
    case L::Solo:
    case L::TI:
      return 3600;
    case L::Temp_Umi: {
      const int32_t v = Inteiro_Em(a.inicio, 0);
      return v > 0 && v <= 86400 ? v : 0;
    }
    default:
      return 0;
  }
}

}  // namespace

const std::vector<TTipo_Arquivo>& Tipos_Arquivo() { return kTipos; }

const TTipo_Arquivo* Procura_Tipo_Arquivo(const std::string& nome) {
  for (const TTipo_Arquivo& t : kTipos) {
    if (nome == t.nome) return &t;
  }
  return nullptr;
}

std::string Nomes_Tipos(const std::vector<const TTipo_Arquivo*>& tipos) {
  std::string nomes;
  for (const TTipo_Arquivo* t : tipos) nomes += (nomes.empty() ? "" : ", ") + std::string(t->nome);
  return nomes;
}

TDeteccao Detecta_Tipo(const TAmostra_Arquivo& a, const std::string& forcado) {
  TDeteccao d;
  std::string falha;
  if (a.tem_descricao && !Le_Descricao(a.descricao, &d.descricao, &falha)) {
    d.erro = "its description, " + falha;
  } else if (!forcado.empty()) {
    d.tipo = Procura_Tipo_Arquivo(forcado);
    d.origem = "--kind";
    if (d.tipo == nullptr) d.erro = "'" + forcado + "' is not a kind the tool knows";
  } else if (a.tem_descricao) {
    Detecta_Por_Descricao(a, &d);
  } else {
    std::vector<const TTipo_Arquivo*> com_cabecalho;
    for (const TTipo_Arquivo& t : kTipos) {
      const int nota = t.confere(a);
      if (nota == kHeader) com_cabecalho.push_back(&t);
      if (nota > 0) d.candidatos.push_back(&t);
    }
    // Only a header tells a kind; a size alone names candidates.
    if (!com_cabecalho.empty()) d.candidatos = com_cabecalho;
    d.origem = "its header and size";
    if (com_cabecalho.size() == 1) {
      d.tipo = d.candidatos.front();
    } else if (d.candidatos.empty()) {
      d.erro = "no kind the tool knows has its header and size";
    } else {
      d.erro = (com_cabecalho.empty() ? "its size fits " : "its header fits ") +
               Nomes_Tipos(d.candidatos) + "; give --kind";
    }
  }
  if (d.tipo != nullptr && d.intervalo == 0) d.intervalo = Intervalo_Do_Cabecalho(*d.tipo, a);
  return d;
}

bool Le_Amostra_Arquivo(const std::string& caminho, TAmostra_Arquivo* a, std::string* erro) {
  std::error_code ec;
  if (!fs::is_regular_file(caminho, ec)) {
    *erro = "'" + caminho + "' is not a regular file";
    return false;
  }
  a->nome = fs::path(caminho).filename().string();
  a->tamanho = fs::file_size(caminho, ec);
  auto le = [](const std::string& c, uintmax_t maximo, std::string* destino) {
    std::FILE* arq = std::fopen(c.c_str(), "rb");
    if (arq == nullptr) return false;
    destino->assign(maximo, '\0');
    destino->resize(std::fread(&(*destino)[0], 1, maximo, arq));
    std::fclose(arq);
    return true;
  };
  if (ec || !le(caminho, BYTES_AMOSTRA, &a->inicio)) {
    *erro = "cannot read '" + caminho + "': " + (ec ? ec.message() : std::strerror(errno));
    return false;
  }
  auto le_descricao = [&](const std::string& descricao) {
    return fs::is_regular_file(descricao, ec) && fs::file_size(descricao, ec) <= kMaxDescricao &&
           le(descricao, kMaxDescricao, &a->descricao);
  };
  const std::vector<std::string> lidos = Arquivos_Lidos(caminho);
  a->tem_descricao = le_descricao(lidos[1]);
  if (!a->tem_descricao && lidos.size() > 2) {
    a->tem_descricao = a->descricao_dos_dados = le_descricao(lidos[2]);
  }
  return true;
}

std::vector<std::string> Arquivos_Lidos(const std::string& caminho) {
  const std::string consumo = "_consumo.dat";
  std::vector<std::string> lidos = {caminho, caminho + ".desc"};
  if (Termina_Em(caminho, consumo)) {
    lidos.push_back(caminho.substr(0, caminho.size() - consumo.size()) + ".dat.desc");
  }
  return lidos;
}
