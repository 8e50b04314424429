#include "engine/text_records.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

#include "engine/binario.h"
#include "engine/leitor_real.h"

namespace arqaux {

namespace {

// Text is read this many bytes at a time.
constexpr size_t kBloco_Texto = 64 * 1024;

// The white space a line may hold after its last value, "\n" aside.
bool Branco_Na_Linha(char c) {
  return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

TLinha_Texto Le_Linha_Reais(const char* p, const char* fim, float* valores, int n, int* lidos,
                            const char** proxima, const bool* convertidos) {
  *lidos = 0;
  for (int k = 0; k < n;) {
    const char* parada;
    if (convertidos != nullptr && !convertidos[k]) {
      // A run of values not shown: as many as can be passed over at once,
      // then the one that stopped that, alone or by the scan.
      int seguidos = 1;
      while (k + seguidos < n && !convertidos[k + seguidos]) ++seguidos;
      int passados;
      p = Pula_Reais(p, fim, seguidos, &passados);
      *lidos = k += passados;
      if (passados == seguidos) continue;
      if ((parada = Pula_Real(p, fim)) != nullptr) {
        *lidos = ++k;
        p = parada;
        continue;
      }
    }
    const TResultado_Real lido = Le_Real(p, fim, &valores[k], &parada);
    if (parada == fim) return TLinha_Texto::Incompleta;
    if (lido != TResultado_Real::Convertido) return TLinha_Texto::Invalida;
    *lidos = ++k;
    p = parada;
  }
  while (p != fim && Branco_Na_Linha(*p)) ++p;
  if (p == fim) return TLinha_Texto::Incompleta;
  if (*p != '\n') return TLinha_Texto::Invalida;
  *proxima = p + 1;
  return TLinha_Texto::Completa;
}

bool Le_Linha_Reais(FILE* arq, float* valores, int n, int* lidos) {
  std::string linha;
  *lidos = 0;
  for (;;) {
    int c = EOF;
    bool brancos = true;  // what this pass took is white space only
    while (linha.size() < kMax_Linha_Texto && (c = std::getc(arq)) != EOF) {
      linha.push_back(static_cast<char>(c));
      if (c == '\n') break;
      brancos = brancos && Branco_Na_Linha(static_cast<char>(c));
    }
    if (c != '\n') break;
    // Blank lines complete no value, only a line whose values are all read:
    // scanning again after each would take time growing with their square.
    if (brancos && *lidos < n) continue;
    const char* proxima;
    const TLinha_Texto lida =
        Le_Linha_Reais(linha.data(), linha.data() + linha.size(), valores, n, lidos, &proxima);
    if (lida != TLinha_Texto::Incompleta) return lida == TLinha_Texto::Completa;
  }
  // The stream ended, or the line grew past the longest: what it holds is
  // not a line, but the values read so far are kept.
  const char* proxima;
  Le_Linha_Reais(linha.data(), linha.data() + linha.size(), valores, n, lidos, &proxima);
  return false;
}

TRegistro_Binario Registro_Linha(const std::vector<int>& indices, int num_resultados,
                                 bool monitorado) {
  TRegistro_Binario registro;
  registro.origens.assign(static_cast<size_t>(std::max(num_resultados, 0)), -1);
  if (!monitorado) return registro;
  registro.tamanho = 4 * std::max<int>(static_cast<int>(indices.size()), 1);
  for (size_t i = 0; i < indices.size(); ++i) {
    if (indices[i] >= 0 && indices[i] < num_resultados) {
      registro.origens[static_cast<size_t>(indices[i])] = 4 * static_cast<int>(i);
    }
  }
  return registro;
}

TLinhas_Texto::TLinhas_Texto(std::function<FILE*(int)> seleciona, int stream, int n,
                             const std::vector<int>& mostrados)
    : seleciona_(std::move(seleciona)),
      stream_(stream),
      n_(std::max(n, 0)),
      valores_(static_cast<size_t>(std::max(n, 1))) {
  texto_.resize(kBloco_Texto);
  if (mostrados.empty()) return;
  convertidos_.reset(new bool[valores_.size()]());
  for (int i : mostrados) {
    if (i >= 0 && i < n_) convertidos_[static_cast<size_t>(i)] = true;
  }
}

bool TLinhas_Texto::Le_Mais() {
  // The text not yet scanned moves to the front; the buffer only grows, so
  // that reading a block costs no filling.
  if (inicio_ > 0 && tamanho_ > inicio_) {
    std::memmove(texto_.data(), texto_.data() + inicio_, tamanho_ - inicio_);
  }
  tamanho_ -= inicio_;
  inicio_ = 0;
  FILE* arq = seleciona_(stream_);
  if (arq == nullptr) return false;
  if (posicao_ < 0) posicao_ = std::ftell(arq);
  if (posicao_ < 0 || std::ftell(arq) != posicao_) return false;
  if (texto_.size() < tamanho_ + kBloco_Texto) texto_.resize(tamanho_ + kBloco_Texto);
  const size_t lidos = Le_Direto(texto_.data() + tamanho_, 1, kBloco_Texto, arq);
  tamanho_ += lidos;
  posicao_ += static_cast<long>(lidos);
  fim_ = lidos < kBloco_Texto;
  return lidos > 0;
}

size_t TLinhas_Texto::Preenche(unsigned char* bloco, size_t capacidade) {
  const size_t tamanho = sizeof(float) * valores_.size();
  size_t dados = 0;
  while (!terminado_ && dados + tamanho <= capacidade) {
    const char* p = texto_.data() + inicio_;
    const char* fim = texto_.data() + tamanho_;
    int lidos;
    const char* proxima;
    const TLinha_Texto lida =
        Le_Linha_Reais(p, fim, valores_.data(), n_, &lidos, &proxima, convertidos_.get());
    if (lida == TLinha_Texto::Completa && static_cast<size_t>(proxima - p) <= kMax_Linha_Texto) {
      std::memcpy(bloco + dados, valores_.data(), tamanho);
      dados += tamanho;
      inicio_ = static_cast<size_t>(proxima - texto_.data());
    } else {
      terminado_ = lida != TLinha_Texto::Incompleta || fim_ ||
                   static_cast<size_t>(fim - p) >= kMax_Linha_Texto || !Le_Mais();
    }
  }
  return dados;
}

void Escreve_Linhas_Texto(const TRelatorio_Amostrado& relatorio, const TSeletor& seletor, int dados,
                          int n, int texto, const TRegistro_Binario& registro, const TTempo& inicio,
                          int intervalo) {
  Escreve_Linhas_Texto({&relatorio}, seletor, dados, n, {texto}, registro, inicio, intervalo);
}

void Escreve_Linhas_Texto(const std::vector<const TRelatorio_Amostrado*>& relatorios,
                          const TSeletor& seletor, int dados, int n, const std::vector<int>& textos,
                          const TRegistro_Binario& registro, const TTempo& inicio, int intervalo) {
  // The line positions of the values some report shows.
  std::vector<int> mostrados;
  for (const TRelatorio_Amostrado* relatorio : relatorios) {
    for (const TColuna& coluna : relatorio->Descricao().colunas) {
      if (coluna.valor < 0 || static_cast<size_t>(coluna.valor) >= registro.origens.size()) {
        continue;
      }
      const int origem = registro.origens[static_cast<size_t>(coluna.valor)];
      if (origem >= 0) mostrados.push_back(origem / 4);
    }
  }
  TLinhas_Texto linhas(seletor.seleciona, dados, n, mostrados);
  TRelatorio_Amostrado::Escreve_Linhas(
      relatorios, textos,
      [&linhas](unsigned char* bloco, size_t capacidade) {
        return linhas.Preenche(bloco, capacidade);
      },
      registro, inicio, intervalo);
}

}  // namespace arqaux
