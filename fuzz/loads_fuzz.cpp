// Feeds arbitrary bytes, as a file, to the statistics loaders and to the
// load and gain stream readers (the titles, then line after line until the
// end) and the copy of a stream onto another.
//
// Input: the operation (byte, modulo 7); the kind of stream the readers and
// the copy take (byte: 2 winter load, 3 summer load, else a gain stream).
// The rest is the file.
#include <arqaux/arqaux.h>

#include <cstdint>

#include "fuzz_comum.h"

namespace {

enum TOperacao {
  CARREGA_DEMANDA,
  CARREGA_DEMANDA_HVAC,
  CARREGA_ESTATISTICAS,
  CARREGA_CARGAS,
  CARREGA_GANHOS,
  LE_LINHAS,
  COPIA,
  NUM_OPERACOES
};

// The loaders act on the current stream: the file just opened.
void Carrega(TGeren_ArquivoAux* g, int operacao) {
  switch (operacao) {
    case CARREGA_DEMANDA: {
      TLista<TDemanda_Consumo_Mensal> l(true);
      g->Carrega_Demanda_Consumo(&l);
      break;
    }
    case CARREGA_DEMANDA_HVAC: {
      TLista<TDemanda_Consumo_Mensal_HVAC> l(true);
      g->Carrega_Demanda_Consumo_HVAC(&l);
      break;
    }
    case CARREGA_ESTATISTICAS: {
      TLista<TEstatistica_Mensal> l(true);
      g->Carrega_Estatisticas(&l);
      break;
    }
    case CARREGA_CARGAS: {
      TLista<TCarga_Termica_Mensal> l(true);
      TCarga_Termica_Anual anual;
      short f1, f2;
      g->Carrega_Relatorio_CargasTermicas(&l, &anual, &f1, &f2);
      break;
    }
    default: {
      TLista<TGanho_Termico_Mensal> l(true);
      TGanho_Termico_Anual anual;
      g->Carrega_Relatorio_GanhosTermicos(&l, &anual);
      break;
    }
  }
}

// Every line of stream n; each read that is not at the end consumes input,
// so the loop ends.
void Le_Linhas(TGeren_ArquivoAux* g, int n, int tipo) {
  char data[8], hora[12];
  float balanco[32], extra[18];
  g->Le_Cabecalho_Carga_Termica(n, tipo);
  if (tipo == 2 || tipo == 3) {
    while (g->Le_Carga_Termica(n, data, hora, balanco, extra)) {
    }
  } else {
    while (g->Le_Ganho_Termico(n, data, hora, balanco, extra)) {
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  fuzz::TCursor c(dados, tamanho);
  const int operacao = c.Byte() % NUM_OPERACOES;
  const int tipo = c.Byte();
  const std::string arquivo = fuzz::Arquivo("cargas.bin");
  if (!fuzz::Grava(arquivo, c.Dados(), c.Resto())) return 0;
  TGeren_ArquivoAux* g = Geren_ArqAux();
  const int n = g->Abre_Arquivo(arquivo.c_str(), "rb");
  if (n == 0) return 0;
  if (operacao < LE_LINHAS) {
    Carrega(g, operacao);
  } else if (operacao == LE_LINHAS) {
    Le_Linhas(g, n, tipo);
  } else {
    const int destino = g->Abre_Arquivo(fuzz::Arquivo("copia.txt").c_str(), "wb");
    g->Salva_Carga_Termica_Texto(tipo, n, destino, nullptr);
  }
  g->Fecha_Todos();
  return 0;
}
