// Occupancy report: the sampled report of an occupancy stream, whose records
// hold an int32 (the people in the zone) and then a float (the value the host
// keeps beside it). The report engine reads floats, so each record's count is
// turned into a float as its block is read; the lines, the clock and the
// hourly averages are then the engine's, as for every other stream.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>

#include "arqaux/formatos.h"
#include "arqaux/geren_arquivoaux.h"
#include "engine/binario.h"
#include "engine/report_engine.h"

namespace {

using arqaux::TColuna;
using namespace arqaux::literais;

// The count, shown whole and averaged with two decimals, then the value.
const TColuna kPessoas[] = {{"[Pessoas]  [Valor]   "_rotulo, 0, "%.0f\t"_linha, "%.2f\t"_media},
                            {""_rotulo, 1, "%.2f"_linha, "%.2f"_media}};

}  // namespace

void TGeren_ArquivoAux::Converte_Binario_Texto_Pessoas(int binario, int texto, const TTempo* inicio,
                                                       const TTempo* fim, int intervalo) {
  const arqaux::TSeletor seletor = Seletor_Relatorios();
  if (inicio == nullptr || fim == nullptr || !seletor.registrado(binario) ||
      !seletor.registrado(texto)) {
    return;
  }
  FILE* bin = Seleciona_Arquivo(binario);
  long posicao = bin != nullptr ? std::ftell(bin) : -1;
  FILE* arq = posicao >= 0 ? Seleciona_Arquivo(texto) : nullptr;
  if (arq == nullptr) return;
  arqaux::TDescricao_Relatorio descricao;
  descricao.num_valores = 2;
  descricao.colunas.assign(std::begin(kPessoas), std::end(kPessoas));
  const arqaux::TRelatorio_Amostrado relatorio(descricao, seletor);
  relatorio.Escreve_Cabecalho(arq, *inicio, *fim, intervalo);
  // Each block is read where the previous one ended, or not at all, so that
  // a stream reopened from its first byte never repeats itself.
  const auto fonte = [&](unsigned char* bloco, size_t capacidade) -> size_t {
    FILE* f = seletor.seleciona(binario);
    if (f == nullptr || std::ftell(f) != posicao) return 0;
    const size_t lidos = arqaux::Le_Direto(bloco, 1, capacidade, f);
    posicao += static_cast<long>(lidos);
    for (size_t p = 0; p + ARQAUX_TAM_REGISTRO_PESSOAS <= lidos; p += ARQAUX_TAM_REGISTRO_PESSOAS) {
      int32_t pessoas;
      std::memcpy(&pessoas, bloco + p, sizeof pessoas);
      const float real = static_cast<float>(pessoas);
      std::memcpy(bloco + p, &real, sizeof real);
    }
    return lidos;
  };
  relatorio.Escreve_Linhas(fonte, texto, arqaux::Registro_Reais(2), *inicio, intervalo);
}
