#include "streams/text_records.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

#include "text/binario.h"
#include "text/leitor_real.h"

namespace arqaux {

namespace {

// Text is read this many bytes at a time.
constexpr size_t kBloco_Texto = 64 * 1024;

// The first "\n" of [p, fim), or null.
const char* Procura_Fim_Linha(const char* p, const char* fim) {
  if (p == fim) return nullptr;
  return static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(fim - p)));
}

}  // namespace

const char* Le_Linha_Reais(const char* p, const char* fim, float* valores, int n, int* lidos) {
  const char* nl = Procura_Fim_Linha(p, fim);
  const char* fim_linha = nl != nullptr ? nl : fim;
  int k = 0;
  while (k < n) {
    const char* parada;
    if (Le_Real(p, fim_linha, &valores[k], &parada) != TResultado_Real::Convertido) break;
    p = parada;
    ++k;
  }
  *lidos = k;
  if (nl == nullptr || k < n || Pula_Brancos(p, nl) != nl) return nullptr;
  return nl + 1;
}

bool Le_Linha_Reais(FILE* arq, float* valores, int n, int* lidos) {
  std::string linha;
  int c;
  while (linha.size() < kMax_Linha_Texto && (c = std::getc(arq)) != EOF) {
    linha.push_back(static_cast<char>(c));
    if (c == '\n') break;
  }
  return Le_Linha_Reais(linha.data(), linha.data() + linha.size(), valores, n, lidos) != nullptr;
}

TLinhas_Texto::TLinhas_Texto(std::function<FILE*(int)> seleciona, int stream, int n)
    : seleciona_(std::move(seleciona)),
      stream_(stream),
      n_(std::max(n, 0)),
      valores_(static_cast<size_t>(std::max(n, 1))) {}

bool TLinhas_Texto::Le_Mais() {
  texto_.erase(texto_.begin(), texto_.begin() + static_cast<long>(inicio_));
  inicio_ = 0;
  FILE* arq = seleciona_(stream_);
  if (arq == nullptr) return false;
  if (posicao_ < 0) posicao_ = std::ftell(arq);
  if (posicao_ < 0 || std::ftell(arq) != posicao_) return false;
  const size_t antes = texto_.size();
  texto_.resize(antes + kBloco_Texto);
  const size_t lidos = Le_Direto(texto_.data() + antes, 1, kBloco_Texto, arq);
  texto_.resize(antes + lidos);
  posicao_ += static_cast<long>(lidos);
  fim_ = lidos < kBloco_Texto;
  return lidos > 0;
}

size_t TLinhas_Texto::Preenche(unsigned char* bloco, size_t capacidade) {
  const size_t tamanho = sizeof(float) * valores_.size();
  size_t dados = 0;
  while (!terminado_ && dados + tamanho <= capacidade) {
    const char* p = texto_.data() + inicio_;
    const char* fim = texto_.data() + texto_.size();
    // A line is scanned once its "\n" has been read.
    if (Procura_Fim_Linha(p, fim) == nullptr) {
      terminado_ = fim_ || static_cast<size_t>(fim - p) > kMax_Linha_Texto || !Le_Mais();
      continue;
    }
    int lidos;
    const char* proxima = Le_Linha_Reais(p, fim, valores_.data(), n_, &lidos);
    terminado_ = proxima == nullptr;
    if (terminado_) break;
    std::memcpy(bloco + dados, valores_.data(), tamanho);
    dados += tamanho;
    inicio_ = static_cast<size_t>(proxima - texto_.data());
  }
  return dados;
}

}  // namespace arqaux
