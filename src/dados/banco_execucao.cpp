// What a run folder puts into the database: its files of records, the
// table each file's stem names, its columns as variables tells them (zone
// and component by the rule in dados.h) and what wrote the run.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "dados/banco_sql.h"

namespace fs = std::filesystem;

namespace arqaux {
namespace {

// The zone a file's stem names: "zona2_temp_umi" -> "2"; empty when none.
std::string Zona(const std::string& arquivo) {
  const std::string radical = fs::path(arquivo).stem().string();
  size_t fim = 4;
  while (fim < radical.size() && std::isdigit(static_cast<unsigned char>(radical[fim]))) ++fim;
  if (radical.rfind("zona", 0) != 0 || fim == 4 || fim > 10) return "";
  if (fim < radical.size() && radical[fim] != '_') return "";
  return std::to_string(std::atol(radical.substr(4, fim - 4).c_str()));
}

}  // namespace

}  // namespace arqaux

bool Lista_Execucao(const std::string& dada, TExecucao* e, size_t* ignorados, std::string* erro) {
  std::error_code ec;
  const fs::path pasta = fs::weakly_canonical(fs::absolute(dada, ec), ec);
  if (ec || !fs::is_directory(pasta, ec)) {
    *erro = "'" + dada + "' is not a run folder";
    return false;
  }
  e->pasta = pasta.string();
  std::vector<std::string> nomes;
  for (fs::directory_iterator i(pasta, ec), fim; !ec && i != fim; i.increment(ec)) {
    std::error_code tipo;  // a link to nothing is not a regular file
    if (i->is_regular_file(tipo)) nomes.push_back((fs::path(dada) / i->path().filename()).string());
  }
  if (ec) {
    *erro = "cannot read directory '" + dada + "': " + ec.message();
    return false;
  }
  std::sort(nomes.begin(), nomes.end());
  for (const std::string& n : nomes) {
    TAmostra_Arquivo a;
    if (!Le_Amostra_Arquivo(n, &a, erro)) return false;
    TDeteccao d = Detecta_Tipo(a, "");
    if (d.tipo != nullptr && d.tipo->leitura != TLeitura::Nenhuma) {
      const TDescricao& desc = d.descricao;
      std::string componente;
      if (Procura_Tipo_HVAC(desc.tipo) != nullptr && desc.numero >= 0) {
        componente = desc.tipo + " " + std::to_string(desc.numero);
      }
      e->arquivos.push_back({n, std::move(d), arqaux::Zona(n), componente});
    } else {
      ++*ignorados;
    }
  }
  return true;
}

namespace arqaux {

// Letters, digits and '_', and never a name the database keeps for itself
// ("sqlite_...").
std::string Radical(const std::string& arquivo) {
  std::string nome = fs::path(arquivo).stem().string();
  for (char& c : nome) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  std::string minusculas = nome;
  for (char& c : minusculas) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (nome.empty() || std::isdigit(static_cast<unsigned char>(nome[0])) ||
      minusculas.rfind("sqlite_", 0) == 0) {
    nome = "t_" + nome;
  }
  return nome;
}

std::vector<TVariavel> Variaveis(const TArquivo_Execucao& a, const TSerie& s) {
  std::vector<TVariavel> vars;
  for (const TColuna& c : s.Colunas()) {
    vars.push_back({c.nome, c.grandeza, c.unidade, a.zona, a.componente, a.deteccao.tipo->nome,
                    std::to_string(s.Intervalo()), fs::path(a.caminho).filename().string()});
  }
  return vars;
}

std::string Agora_UTC() {
  const std::time_t agora = std::time(nullptr);
  std::tm tm{};
  char texto[32] = "";
  if (gmtime_r(&agora, &tm) != nullptr)
    std::strftime(texto, sizeof texto, "%Y-%m-%dT%H:%M:%SZ", &tm);
  return texto;
}

std::string Produtor(const std::string& pasta) {
  std::FILE* arq = std::fopen((pasta + "/.arqaux-run").c_str(), "rb");
  if (arq == nullptr) return "";
  std::string linha;
  if (Le_Linha_Texto(arq, &linha) == 0) linha.clear();
  std::fclose(arq);
  if (!linha.empty() && linha.back() == '\r') linha.pop_back();
  return linha;
}

}  // namespace arqaux
