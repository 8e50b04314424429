// The data layer on its own: kinds told from their first bytes, CSV written
// whole (quoting, dates, hours, failed writes), and every column of every
// kind a short sample run writes named, measured and given a unit from the
// closed table of quantities; its files read in blocks, and told damaged
// from what lies after their last whole record.
#include <arqaux/dados.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
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

}  // namespace
