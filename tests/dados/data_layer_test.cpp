// The data layer on its own: kinds told from their first bytes, descriptions
// written and read back, CSV written whole (quoting, dates, hours, failed
// writes) with the texts of values and hours against the loops they were
// first written as, and every column of every kind a short sample run
// writes named, measured and given a unit from the closed table of
// quantities; its files read in blocks, and told damaged from what lies
// after their last whole record.
#include <arqaux/dados.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <limits>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "support/fixture.h"

namespace {

namespace fs = std::filesystem;

// Rows at given times, one column whose heading needs quoting.
class TSerie_Teste : public TSerie {
 public:
  explicit TSerie_Teste(std::vector<long long> tempos) : tempos_(std::move(tempos)) {
    colunas_ = {{"a,\"b\"", "°C", "temperature"}};
    Define_Intervalo(3600);
  }
  bool Le(std::vector<double>* valores, long long* segundos) override {
    if (proximo_ == tempos_.size()) return false;
    *valores = {0.1f * static_cast<float>(proximo_)};
    *segundos = tempos_[proximo_++];
    return true;
  }

 private:
  std::vector<long long> tempos_;
  size_t proximo_ = 0;
};

// The CSV of s as Exporta_CSV writes it to arq, or "failed" with its message.
std::string Texto_CSV(TSerie* s, int ano, std::FILE* arq = std::tmpfile()) {
  std::string erro, texto;
  const long long linhas = Exporta_CSV(s, ano, arq, &erro);
  std::rewind(arq);
  for (int c; (c = std::fgetc(arq)) != EOF;) texto += static_cast<char>(c);
  std::fclose(arq);
  return linhas < 0 ? "failed: " + erro : texto;
}

TEST(DataLayer, CsvFieldsAreQuotedWhenTheyHoldACommaAQuoteOrALineBreak) {
  const char* const casos[][2] = {{"plain", "plain"},      {"°C", "°C"},
                                  {"a,b", "\"a,b\""},      {"say \"x\"", "\"say \"\"x\"\"\""},
                                  {"a\rb", "\"a\rb\""},    {"a\nb", "\"a\nb\""},
                                  {"a\r\nb", "\"a\r\nb\""}};
  std::string esperado, obtido;
  for (const auto& c : casos) {
    esperado += std::string(c[1]) + "|";
    obtido += Campo_CSV(c[0]) + "|";
  }
  EXPECT_EQ(obtido, esperado);
}

// Every month's first hour and the hour before it, and the year's end,
// which is the next year's first instant: each row's date, interval and
// hours from the year's start, the value, and the heading quoted.
TEST(DataLayer, CsvDatesEveryMonthStartAndCountsHoursOfTheYear) {
  const int dias[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  std::vector<long long> tempos;
  std::string esperado = "time,interval [s],hour_of_year [h],\"a,\"\"b\"\" [°C]\"\r\n";
  char linha[96];
  auto acrescenta = [&](const char* data, long long horas) {
    std::snprintf(linha, sizeof linha, "%s,3600,%lld,", data, horas);
    esperado += linha + Texto_Valor(0.1f * static_cast<float>(tempos.size())) + "\r\n";
    tempos.push_back(horas * 3600);
  };
  long long horas = 0;
  for (int m = 1; m <= 12; ++m) {
    char data[32];
    if (m > 1) {
      std::snprintf(data, sizeof data, "2001-%02d-%02dT23:00:00", m - 1, dias[m - 2]);
      acrescenta(data, horas - 1);
    }
    std::snprintf(data, sizeof data, "2001-%02d-01T00:00:00", m);
    acrescenta(data, horas);
    horas += 24 * dias[m - 1];
  }
  acrescenta("2001-12-31T23:00:00", horas - 1);
  acrescenta("2002-01-01T00:00:00", horas);
  TSerie_Teste s(tempos);
  EXPECT_EQ(Texto_CSV(&s, 2001), esperado);
  // A write that fails, even one that only the buffer's flush meets, fails
  // the export.
  TSerie_Teste curta({3600, 7200});
  EXPECT_EQ(Texto_CSV(&curta, 2001, std::fopen("/dev/full", "w")), "failed: ");
}

// A text kind is told by its first line whether its lines end in LF or in
// CRLF, as a program on Windows writes them.
TEST(DataLayer, KindsAreToldFromTheirFirstBytes) {
  const char* const casos[][3] = {
      {"carga.txt", "load", "[Data - Hora]      Trans_Par_S\t Tot_Edif_T\t Temp_Zona\n01/01\n"},
      {"ganho.txt", "gain", "[Data - Hora]      Trans_Par_S\t Tot_Edif_T\t\n01/01\n"},
      {"interno.txt", "interior-text", "20.5 0.008\n21 0.009\n"},
      {"agenda.csv", "daylight",
       "# thermal simulation input file (x.dat)\n# DAYSIM header file: x.hea\n"},
      {"superficies.dat", "surface-temperatures", "01/01 - 01:00:00\t20.5000\t\t\n"},
      {"superficies.txt", "surface-temperatures", TITULO_TEMP_SUPERFICIES},
      {"a.bin.desc", "description", "kind = ats\ninterval = 600\n"},
      {"relatorio.txt", "report", "[Inicio: 1/1 as 0:00:00 - Fim: 1/1 as 1:59:59 h]\n"},
  };
  std::string esperado, obtido;
  for (const auto& c : casos) {
    for (const bool crlf : {false, true}) {
      TAmostra_Arquivo a;
      a.nome = c[0];
      a.inicio =
          std::regex_replace(std::string(c[2]) + "\n", std::regex("\n"), crlf ? "\r\n" : "\n");
      a.tamanho = a.inicio.size();
      const TDeteccao d = Detecta_Tipo(a, "");
      const std::string nome = std::string(c[0]) + (crlf ? " CRLF: " : " LF: ");
      esperado += nome + c[1] + "\n";
      obtido += nome + (d.tipo != nullptr ? d.tipo->nome : d.erro) + "\n";
    }
  }
  // A surface stream is its header (N and N areas) and whole steps of N
  // records: bytes that are not a whole number of steps are not one.
  constexpr int32_t N = 3;
  const float areas[N] = {10.0f, 12.5f, 14.0f};
  std::string cabecalho(4 + 4 * N, '\0');
  std::memcpy(&cabecalho[0], &N, 4);
  std::memcpy(&cabecalho[4], areas, sizeof areas);
  for (int bytes : {12, 24, 28, 32, 36, 40}) {
    TAmostra_Arquivo a;
    a.nome = "s.bin";
    for (int i = 0; i < bytes / 4; ++i) a.inicio += std::string("\x00\x00\x80\x3f", 4);
    a.inicio = cabecalho + a.inicio;
    a.tamanho = a.inicio.size();
    const TDeteccao d = Detecta_Tipo(a, "");
    const bool superficies = d.tipo != nullptr && std::string(d.tipo->nome) == "surface";
    esperado += std::to_string(bytes) + (bytes % (4 * N) == 0 ? " surface\n" : " not\n");
    obtido += std::to_string(bytes) + (superficies ? " surface\n" : " not\n");
  }
  EXPECT_EQ(obtido, esperado);
}

using DataLayerFiles = ArqauxTest;

// A shading, flux or mould stream opens on its surface count, from 1 to
// MAX_SUPERFICIES: one column per value of each surface (two fractions,
// three fluxes, one index); any other count is refused.
TEST_F(DataLayerFiles, SurfaceStreamsOpenOnACountFromOneToTheLimit) {
  const std::pair<const char*, int> tipos[] = {{"shading", 2}, {"flux", 3}, {"mould", 1}};
  std::string obtido, esperado;
  for (const auto& [tipo, valores] : tipos) {
    for (int32_t n : {-1, 0, 1, MAX_SUPERFICIES, MAX_SUPERFICIES + 1}) {
      std::string bytes(4 * (std::max(n, 0) + 1), '\0');  // the count and the areas
      std::memcpy(&bytes[0], &n, 4);
      Escreve_Arquivo(Caminho("s.bin"), bytes);
      TDeteccao d;
      d.tipo = Procura_Tipo_Arquivo(tipo);
      std::string erro;
      const std::unique_ptr<TSerie> s = Abre_Serie(Caminho("s.bin"), d, 600, &erro);
      const std::string caso = tipo + (" " + std::to_string(n)) + ": ";
      obtido += caso + (s ? std::to_string(s->Colunas().size()) : "refused") + "\n";
      const bool aceito = n >= 1 && n <= MAX_SUPERFICIES;
      esperado += caso + (aceito ? std::to_string(n * valores) : "refused") + "\n";
    }
  }
  EXPECT_EQ(obtido, esperado);
}

// A short sample run of 10-minute steps, written once, holds a file of every
// kind with records.
class DataLayerSample : public ArqauxTest {
 protected:
  const std::string& pasta_ = Amostra_De_Um_Dia();
};

// The rows of s, read by Le one at a time (bloco 0) or by Le_Bloco bloco
// at a time, then Le once more, each value exact, and where the records end.
std::string Linhas_Lidas(TSerie* s, size_t bloco) {
  std::string texto;
  auto linha = [&](const double* v, long long segundos) {
    texto += std::to_string(segundos);
    char x[32];
    for (size_t c = 0; c < s->Colunas().size(); ++c) {
      std::snprintf(x, sizeof x, " %a", v[c]);
      texto += x;
    }
    texto += "\n";
  };
  std::vector<double> valores;
  std::vector<long long> segundos;
  long long t = 0;
  if (bloco == 0) {
    while (s->Le(&valores, &t)) linha(valores.data(), t);
  } else {
    while (s->Le_Bloco(bloco, &valores, &segundos) > 0) {
      EXPECT_EQ(valores.size(), segundos.size() * s->Colunas().size());
      for (size_t r = 0; r < segundos.size(); ++r) {
        linha(valores.data() + r * s->Colunas().size(), segundos[r]);
      }
    }
    if (s->Le(&valores, &t)) texto += "a row after the end\n";
  }
  return texto + "records end at " + std::to_string(s->Fim_Registros()) + "\n";
}

// Every file of the sample with records, and the ACE stream on the ATS
// stream's file (which it is alike): every column has a name with no number
// alone, a quantity of the table and a unit that quantity allows, and a
// name two kinds share means the same quantity in the same unit; rows are
// the run's steps apart, an hourly input file's an hour. Whole and with a
// record cut short after its last (three bytes more), each reads the same
// rows and times, and ends its records at the same byte, one record at a
// time and in blocks of any size, blocks and single records mixed.
TEST_F(DataLayerSample, EveryFileNamesMeasuresAndReadsItsColumnsInBlocks) {
  const std::regex numero_solto("(^|_)[0-9]+(_|$)");  // a part of a name that is a number
  std::vector<std::pair<std::string, TDeteccao>> arquivos;
  for (const auto& e : fs::directory_iterator(pasta_)) {
    TAmostra_Arquivo a;
    std::string erro;
    if (!Le_Amostra_Arquivo(e.path().string(), &a, &erro)) continue;
    TDeteccao d = Detecta_Tipo(a, "");
    if (d.tipo == nullptr || d.tipo->leitura == TLeitura::Nenhuma) continue;
    arquivos.push_back({e.path().string(), d});
    d.tipo = Procura_Tipo_Arquivo("ace");
    if (a.nome == "zona1_ats.bin") arquivos.push_back({e.path().string(), d});
  }
  std::string falhas;
  std::map<std::string, std::string> medidas;  // column name: quantity and unit
  std::set<std::string> tipos;                 // the kinds read with columns
  size_t hvac = 0;
  for (const auto& [arquivo, deteccao] : arquivos) {
    const TTipo_Arquivo& t = *deteccao.tipo;
    std::string erro;
    std::unique_ptr<TSerie> s = Abre_Serie(arquivo, deteccao, 0, &erro);
    std::vector<double> v;
    long long segundos = 0;
    // A load stream of the season that the run does not reach has no rows.
    if (s == nullptr || s->Colunas().empty() || !s->Le(&v, &segundos)) continue;
    tipos.insert(t.nome);
    hvac += t.leitura == TLeitura::HVAC || t.leitura == TLeitura::Consumo_HVAC;
    const bool horas = t.leitura == TLeitura::Clima || t.leitura == TLeitura::Solo ||
                       t.leitura == TLeitura::TI || t.leitura == TLeitura::Iluminacao;
    if (s->Intervalo() != (horas ? 3600 : 600)) {
      falhas += arquivo + ": rows " + std::to_string(s->Intervalo()) + " s apart\n";
    }
    for (const TColuna& c : s->Colunas()) {
      const TGrandeza* g = Procura_Grandeza(c.grandeza);
      bool permitida = false;
      for (size_t k = 0; g != nullptr && k < g->unidades.size(); ++k) {
        permitida = permitida || c.unidade == g->unidades[k];
      }
      const std::string medida = c.grandeza + " [" + c.unidade + "]";
      const std::string onde = arquivo + " " + c.nome + ": ";
      if (std::regex_search(c.nome, numero_solto)) falhas += onde + "a number alone\n";
      if (!permitida) falhas += onde + medida + " is not in the table\n";
      if (!medidas.emplace(c.nome, medida).second && medidas[c.nome] != medida) {
        falhas += onde + medida + ", elsewhere " + medidas[c.nome] + "\n";
      }
    }
    const std::string cortado = arquivo + ".cortado";
    Escreve_Arquivo(cortado, Le_Arquivo(arquivo) + "\x01\x02\x03");
    for (const std::string& caminho : {arquivo, cortado}) {
      std::unique_ptr<TSerie> um = Abre_Serie(caminho, deteccao, 0, &erro);
      if (um == nullptr) continue;  // a kind whose size tells its steps refuses the cut copy
      const std::string esperado = Linhas_Lidas(um.get(), 0);
      for (size_t bloco : {1, 7, 1000}) {
        std::unique_ptr<TSerie> s = Abre_Serie(caminho, deteccao, 0, &erro);
        EXPECT_EQ(Linhas_Lidas(s.get(), bloco), esperado) << caminho << " in blocks of " << bloco;
      }
      std::unique_ptr<TSerie> s = Abre_Serie(caminho, deteccao, 0, &erro);
      std::vector<long long> t;
      if (s->Le_Bloco(3, &v, &t) == 3 && s->Le(&v, &segundos)) {
        EXPECT_NE(esperado.find(Linhas_Lidas(s.get(), 5)), std::string::npos) << caminho;
      }
    }
    fs::remove(cortado);
  }
  for (const TTipo_Arquivo& t : Tipos_Arquivo()) {
    if (t.leitura != TLeitura::Nenhuma && tipos.count(t.nome) == 0)
      falhas += t.nome + std::string(" unread\n");
  }
  EXPECT_EQ(falhas, "");
  EXPECT_GE(hvac, 2 * Tipos_HVAC().size() - 2);  // the boiler has no consumption
  // The surface report's heading names its columns by face and region.
  EXPECT_EQ(medidas.count("face1_region1_temperature"), 1u);
}

// A file of the sample whole, then damaged as each of its kind may be: a
// stream of fixed records cut inside its last record, and with a part of a
// record after its last; a stream of lines cut inside its last line, and
// with a line that does not read in its middle. Read in blocks until one
// is empty, the series of the whole file reaches its end, and that of each
// damaged one stops at the damage and says what lies after its last whole
// record or line.
TEST_F(DataLayerSample, ADamagedFileIsToldFromItsEnd) {
  const struct {
    const char* arquivo;
    bool registros;  // fixed records, else lines
  } casos[] = {{"zona1_ats.bin", true},           {"zona1_saida_cont.bin", true},
               {"chiller-ar.dat", false},         {"zona1_fancoil.dat", false},
               {"chiller-ar_consumo.dat", false}, {"zona1_carga_verao.txt", false},
               {"zona1_ganho.txt", false},        {"zona1_superficies.txt", false}};
  // Where the series of caminho stands after its first record, from where
  // it began, into *registro; what Confere_Final says at its end.
  auto le_ate_o_fim = [](const std::string& caminho, const TDeteccao& d, long long* registro) {
    std::string erro;
    std::unique_ptr<TSerie> s = Abre_Serie(caminho, d, 0, &erro);
    if (s == nullptr) return "does not open: " + erro;
    std::vector<double> v;
    std::vector<long long> t;
    const long long inicio = s->Fim_Registros();
    if (s->Le_Bloco(1, &v, &t) == 1) *registro = s->Fim_Registros() - inicio;
    while (s->Le_Bloco(7, &v, &t) > 0) {
    }
    return Confere_Final(caminho, *s);
  };
  auto bytes = [](size_t n) { return std::to_string(n) + (n == 1 ? " byte" : " bytes"); };
  std::string esperado, obtido;
  for (const auto& c : casos) {
    const std::string inteiro = pasta_ + "/" + c.arquivo, danificado = inteiro + ".danificado";
    TAmostra_Arquivo a;
    std::string erro;
    ASSERT_TRUE(Le_Amostra_Arquivo(inteiro, &a, &erro)) << erro;
    const TDeteccao d = Detecta_Tipo(a, "");
    const std::string texto = Le_Arquivo(inteiro);
    long long registro = 0;
    esperado += inteiro + ": \n";
    obtido += inteiro + ": " + le_ate_o_fim(inteiro, d, &registro) + "\n";
    // The last line's start; the start of the line in the middle.
    const size_t ultima = texto.rfind('\n', texto.size() - 2) + 1;
    const size_t meio = texto.find('\n', texto.size() / 2) + 1;
    const auto linha = std::count(texto.begin(), texto.begin() + meio, '\n') + 1;
    const std::string registro_cortado = " after its last whole record: a record cut short";
    const std::pair<std::string, std::string> danos[2] = {
        {texto.substr(0, texto.size() - 3),
         c.registros ? bytes(registro - 3) + registro_cortado
                     : bytes(texto.size() - 3 - ultima) +
                           " after its last whole line: its last line is cut short (no line end)"},
        c.registros
            ? std::make_pair(texto + "abc", bytes(3) + registro_cortado)
            : std::make_pair(texto.substr(0, meio) + "x\n" + texto.substr(meio),
                             bytes(texto.size() + 2 - meio) + " after its last whole line: line " +
                                 std::to_string(linha) + " does not read")};
    for (const auto& [conteudo, falha] : danos) {
      Escreve_Arquivo(danificado, conteudo);
      esperado += danificado + ": '" + danificado + "': " + falha + "\n";
      obtido += danificado + ": " + le_ate_o_fim(danificado, d, &registro) + "\n";
    }
    fs::remove(danificado);
  }
  EXPECT_EQ(obtido, esperado);
}

// The description grammar: what it writes reads back to the same text, each
// line it refuses is named with its reason, and kind detection carries the
// description it read.
TEST(Descricao, EveryKeyIsWrittenInTableOrderAndReadsBack) {
  TDescricao d;
  d.tipo = "fancoil";
  d.numero = 0;
  d.flags = {1, 0, 1};
  d.mostra = {0, 1, 0};
  d.componentes = {{3, {1, 1, 1, 1, 0, 0, 0, 0}}, {6, {0, 1, 0, 1, 0, 1, 0, 1}}};
  d.relatorios = {{0, SEM_SELECIONADO}, {13, 5}};
  d.intervalo = 86400;
  d.inicio.Dia = 28;
  d.inicio.Mes = 2;
  d.fim.Dia = 31;
  d.fim.Mes = 12;
  d.fim.Hora = 23;
  d.regioes = {0, 1000};
  d.grupos = {3, 1};
  d.regiao = 2;
  d.superficies = 7;
  const std::string texto =
      "kind = fancoil\nnumber = 0\nflags = 1,0,1\nshow = 0,1,0\ncomponent = 3:1,1,1,1,0,0,0,0\n"
      "component = 6:0,1,0,1,0,1,0,1\nvariables = 0,13:5\ninterval = 86400\nstart = 28/2/0\n"
      "end = 31/12/23\nregions = 0,1000\ngroups = 3,1\nregion = 2\nsurfaces = 7\n";
  EXPECT_EQ(Texto_Descricao(d), texto);
  TDescricao lida;
  std::string erro;
  // Blanks, comments and CRLF line ends are the writer's choice, not the
  // grammar's.
  std::string outra = "# a comment\r\n\r\n";
  for (char c : texto) outra += c == '\n' ? std::string("  \r\n") : std::string(1, c);
  ASSERT_TRUE(Le_Descricao(outra, &lida, &erro)) << erro;
  EXPECT_EQ(Texto_Descricao(lida), texto);
  EXPECT_EQ(lida.Linha("kind"), 3);
  EXPECT_EQ(lida.Linha("component"), 7);
  EXPECT_EQ(lida.Linha("surfaces"), 16);
  EXPECT_EQ(Texto_Descricao(TDescricao()), "");
}

TEST(Descricao, RefusesTheFirstLineThatIsNotOneNamingIt) {
  const struct {
    const char* texto;
    const char* erro;
  } casos[] = {
      {"kind = ats\ncolour = red\n", "line 2: unknown key 'colour'"},
      {"kind ats\n", "line 1: not a 'key = value' line"},
      {" = 3\n", "line 1: not a 'key = value' line"},
      {"kind = ats\n\nkind = ats\n", "line 3: 'kind' given twice"},
      {"kind = colour\n", "line 1: 'colour' is not a value of 'kind'"},
      {"number = -1\n", "line 1: '-1' is not a value of 'number'"},
      {"flags = 1,2\n", "line 1: '1,2' is not a value of 'flags'"},
      {"flags = \n", "line 1: '' is not a value of 'flags'"},
      {"component = 7:1,1,1,1,1,1,1,1\n", "line 1: '7:1,1,1,1,1,1,1,1' is not a value of"},
      {"component = 3:1,1,1,1,1,1,1\n", "line 1: '3:1,1,1,1,1,1,1' is not a value of"},
      {"variables = 0,,1\n", "line 1: '0,,1' is not a value of 'variables'"},
      {"variables = 3:7\n", "line 1: '3:7' is not a value of 'variables'"},
      {"interval = 0\n", "line 1: '0' is not a value of 'interval'"},
      {"interval = 86401\n", "line 1: '86401' is not a value of 'interval'"},
      {"interval = 600 extra\n", "line 1: '600 extra' is not a value of 'interval'"},
      {"start = 29/2/0\n", "line 1: '29/2/0' is not a value of 'start'"},
      {"end = 1/1/24\n", "line 1: '1/1/24' is not a value of 'end'"},
      {"regions = 4,1001\n", "line 1: '4,1001' is not a value of 'regions'"},
      {"groups = 1,1\n", "line 1: '1,1' is not a value of 'groups'"},
      {"groups = 0\n", "line 1: '0' is not a value of 'groups'"},
      {"show = 1,1\n", "line 1: '1,1' is not a value of 'show'"},
      {"region = 0\n", "line 1: '0' is not a value of 'region'"},
      {"surfaces = 2,3\n", "line 1: '2,3' is not a value of 'surfaces'"},
  };
  std::string obtido, esperado;
  for (const auto& c : casos) {
    TDescricao d;
    std::string erro;
    obtido +=
        Le_Descricao(c.texto, &d, &erro) ? "read\n" : erro.substr(0, std::strlen(c.erro)) + "\n";
    esperado += std::string(c.erro) + "\n";
  }
  EXPECT_EQ(obtido, esperado);
}

TEST(Descricao, DetectionCarriesTheDescriptionItRead) {
  TAmostra_Arquivo a;
  a.nome = "bomba.dat";
  a.tem_descricao = true;
  a.descricao = "kind = bomba-ag\ninterval = 900\nflags = 1,0,1,0,1\n";
  TDeteccao d = Detecta_Tipo(a, "");
  ASSERT_NE(d.tipo, nullptr) << d.erro;
  EXPECT_STREQ(d.tipo->nome, "hvac");
  EXPECT_EQ(d.intervalo, 900);
  EXPECT_EQ(d.descricao.flags, (std::vector<int>{1, 0, 1, 0, 1}));
  a.descricao_dos_dados = true;
  d = Detecta_Tipo(a, "");
  ASSERT_NE(d.tipo, nullptr) << d.erro;
  EXPECT_STREQ(d.tipo->nome, "hvac-consumption");
  a.descricao = "kind = ats\ninterval = 900\ninterval = 600\n";
  d = Detecta_Tipo(a, "");
  EXPECT_EQ(d.tipo, nullptr);
  EXPECT_EQ(d.erro, "its description, line 3: 'interval' given twice");
}

// The texts of values and hours against the "%g" and "%f" loops they were
// first written as, kept here as the reference: the CSV and the database
// hold the same bytes and values whichever writes them.
std::string Valor_Referencia(double v) {
  const bool real = static_cast<double>(static_cast<float>(v)) == v;
  char texto[40];
  for (int digitos = 6; digitos <= 17; ++digitos) {
    std::snprintf(texto, sizeof texto, "%.*g", digitos, v);
    if (real ? std::strtof(texto, nullptr) == static_cast<float>(v)
             : std::strtod(texto, nullptr) == v) {
      break;
    }
  }
  return texto;
}

std::string Horas_Referencia(long long segundos) {
  const double horas = static_cast<double>(segundos) / 3600;
  char texto[48];
  for (int decimais = 0; decimais <= 17; ++decimais) {
    std::snprintf(texto, sizeof texto, "%.*f", decimais, horas);
    if (std::strtod(texto, nullptr) == horas) break;
  }
  return texto;
}

float Real(uint32_t bits) {
  float f;
  std::memcpy(&f, &bits, sizeof f);
  return f;
}

// Floats spread over every exponent and sign (subnormals, powers of two,
// the largest), doubles that no float holds, and the values not numbers.
std::vector<double> Valores() {
  std::vector<double> v;
  for (uint64_t bits = 0; bits < (1ull << 32); bits += 7919) v.push_back(Real(bits));
  for (uint32_t e = 0; e < 256; ++e) {
    for (uint32_t m : {0u, 1u, 2u, 0x7fffffu, 0x400000u}) {
      v.push_back(Real(e << 23 | m));
      v.push_back(Real(1u << 31 | e << 23 | m));
    }
  }
  for (double d : {0.1, 1.0 / 3, -2.0 / 3, 1e300, -4.9e-324, 2.2250738585072014e-308, 1e-310,
                   123456789.123, 0.000123456789012345, 1e22, 9007199254740993.0}) {
    v.push_back(d);
  }
  for (int k = 1; k < 20000; ++k) v.push_back(std::ldexp(1.0, k % 2000 - 1000) * (1 + 1.0 / k));
  return v;
}

TEST(ValueTexts, EveryValueAndHourReadsAsTheLoopsWroteIt) {
  size_t diferentes = 0;
  std::string exemplos;
  for (double v : Valores()) {
    const std::string esperado = Valor_Referencia(v), obtido = Texto_Valor(v);
    const double decimal = Valor_Decimal(v), lido = std::strtod(esperado.c_str(), nullptr);
    const bool igual =
        std::isnan(v) ? std::isnan(decimal) : std::memcmp(&decimal, &lido, sizeof lido) == 0;
    if (obtido != esperado || !igual) {
      if (++diferentes <= 5) exemplos += esperado + " written " + obtido + "\n";
    }
  }
  for (long long s = 0; s < 20000000; s += 599) {
    if (Texto_Horas(s) != Horas_Referencia(s) && ++diferentes <= 10) {
      exemplos += Horas_Referencia(s) + " h written " + Texto_Horas(s) + "\n";
    }
  }
  for (long long s : {1LL, 900LL, 1800LL, 2700LL, 31536000LL * 9000 + 1}) {
    if (Texto_Horas(s) != Horas_Referencia(s) && ++diferentes <= 10) {
      exemplos += Horas_Referencia(s) + " h written " + Texto_Horas(s) + "\n";
    }
  }
  EXPECT_EQ(diferentes, 0u) << exemplos;
}

// A line of numbers reads as strtof reads each word: every value's text, and
// the words strtof takes in other forms. A word that is not a number fails.
TEST(ValueTexts, LinesOfNumbersReadAsStrtofReadsThem) {
  std::string linha = "+1.5\t0x1p3 1e-50\r1e50 inf -nan -0 .5 5. 1E3";
  for (double v : Valores()) linha += (linha.size() % 3 == 0 ? "\t" : " ") + Valor_Referencia(v);
  std::vector<float> esperados;
  for (const char* p = linha.c_str(); *p != '\0';) {
    char* fim = nullptr;
    esperados.push_back(std::strtof(p, &fim));
    p = fim + std::strspn(fim, " \t\r");
  }
  std::vector<double> lidos;
  ASSERT_TRUE(Le_Reais_Texto(linha.c_str(), &lidos));
  ASSERT_EQ(lidos.size(), esperados.size());
  size_t diferentes = 0;
  for (size_t i = 0; i < lidos.size(); ++i) {
    const float f = static_cast<float>(lidos[i]);
    diferentes += std::memcmp(&f, &esperados[i], sizeof f) != 0 && !std::isnan(f);
  }
  EXPECT_EQ(diferentes, 0u);
  for (const char* errada : {"1.5 x", "1.5,2", "1.5abc", "--1"}) {
    EXPECT_FALSE(Le_Reais_Texto(errada, &lidos)) << errada;
  }
}

}  // namespace

// A stamp's instant since 1970 is the date Texto_ISO writes for it, read by
// the C library's own calendar: every day's midnight and an hour within it
// over two years, in common and leap years, before 1970 and far past it.
TEST(ValueTexts, StampsSince1970AreTheDatesTheirTextsName) {
  size_t diferentes = 0;
  std::string exemplos;
  for (int ano : {1, 1900, 1969, 1970, 2001, 2004, 2100, 2400, 9000}) {
    for (long long s = 0; s <= 2 * 365 * 86400LL; s += 86400 + (s % 7 == 0 ? 3600 : 0)) {
      std::tm tm{};
      const std::string iso = Texto_ISO(s, ano);
      std::sscanf(iso.c_str(), "%5d-%2d-%2dT%2d:%2d:%2d", &tm.tm_year, &tm.tm_mon, &tm.tm_mday,
                  &tm.tm_hour, &tm.tm_min, &tm.tm_sec);
      tm.tm_year -= 1900;
      --tm.tm_mon;
      if (Segundos_Desde_1970(s, ano) != static_cast<long long>(timegm(&tm)) && ++diferentes <= 5) {
        exemplos += iso + "\n";
      }
    }
  }
  EXPECT_EQ(diferentes, 0u) << exemplos;
}
