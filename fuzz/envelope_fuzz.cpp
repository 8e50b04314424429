// Feeds arbitrary bytes, as an envelope result file, to the wall node header
// and region readers, the four surface readers and both surface conversions,
// with the arguments taken from the input.
//
// Input: the operation (byte, modulo 9); the flags (byte: bits 0-2 the wall
// groups, 3 heat, 4 vapour, 5 mould); the region count (byte, 1 to 8) and
// eight entries (bytes); surfaces N, region, step and interval (int32 each);
// start and end clocks (hour, seconds, month, day: int32 each). The rest is
// the file, opened as stream 1 (stream 2 is a text report).
#include <arqaux/arqaux.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz_comum.h"

namespace {

enum TOperacao {
  CABECALHO_PAREDE,
  REGIAO_PAREDE,
  CABECALHO_SOMBRAS,
  SOMBRAS,
  RADIACOES,
  FLUXOS,
  MOFO,
  CONVERTE_FLUXOS,
  CONVERTE_MOFO,
  NUM_OPERACOES
};

struct TArgumentos {
  int operacao;
  bool grupos[3];
  bool calor, vapor, mofo;
  int regioes;
  int entradas[8];
  int32_t superficies, regiao, passo, intervalo;
  TTempo inicio, fim;
};

TArgumentos Le_Argumentos(fuzz::TCursor* c) {
  TArgumentos a;
  a.operacao = c->Byte() % NUM_OPERACOES;
  const uint8_t flags = c->Byte();
  for (int i = 0; i < 3; ++i) a.grupos[i] = (flags >> i & 1) != 0;
  a.calor = (flags & 8) != 0;
  a.vapor = (flags & 16) != 0;
  a.mofo = (flags & 32) != 0;
  a.regioes = c->Byte() % 8 + 1;
  for (int& e : a.entradas) e = c->Byte();
  a.superficies = c->Int();
  a.regiao = c->Int();
  a.passo = c->Int();
  a.intervalo = c->Int();
  a.inicio = fuzz::Le_Relogio<TTempo>(c);
  a.fim = fuzz::Le_Relogio<TTempo>(c);
  return a;
}

// Reads step after step, from the step given, until a read fails; no file
// of these bytes holds more steps than bytes.
template <class F>
void Le_Passos(const TArgumentos& a, size_t tamanho, F le) {
  const int64_t ultimo =
      std::min<int64_t>(int64_t{a.passo} + static_cast<int64_t>(tamanho), INT32_MAX);
  for (int64_t s = a.passo; s <= ultimo && le(static_cast<int>(s)); ++s) {
  }
}

void Le(TGeren_ArquivoAux* geren, TArgumentos a, size_t tamanho) {
  // No reader fills more floats than the file has bytes; a wall block is at
  // most 256 floats, and the four blocks lie 256 floats apart.
  std::vector<float> v(tamanho + 1024);
  float* p = v.data();
  const int n = std::clamp<int32_t>(a.superficies, -1, static_cast<int32_t>(tamanho / 4 + 1));
  switch (a.operacao) {
    case CABECALHO_PAREDE: {
      float* valores = nullptr;
      std::vector<unsigned int*> entradas;
      geren->Le_Cabecalho_Temp_Umi_Parede(&valores, entradas);
      delete[] valores;
      for (unsigned int* e : entradas) delete[] e;
      return;
    }
    case REGIAO_PAREDE:
      return Le_Passos(a, tamanho, [&](int s) {
        return geren->Le_Temp_Umi_Parede(1, a.entradas, a.regioes, a.regiao, s, a.grupos[0], p,
                                         a.grupos[1], p + 256, p + 512, a.grupos[2], p + 768);
      });
    case CABECALHO_SOMBRAS: {
      float* valores = nullptr;
      geren->Le_Cabecalho_Proj_Sombras(&valores);
      delete[] valores;
      return;
    }
    case SOMBRAS:
      return Le_Passos(a, tamanho,
                       [&](int s) { return geren->Le_Proj_Sombras_Parede(1, n, s, p); });
    case RADIACOES:
      return Le_Passos(a, tamanho, [&](int) {
        return geren->Le_Radiacoes_Parede(std::clamp<int32_t>(a.regiao, -1, 8), p);
      });
    case FLUXOS:
      return Le_Passos(a, tamanho, [&](int s) {
        return geren->Le_Fluxos_CalorVapor_Parede(1, a.superficies, a.regiao, s, a.calor, a.vapor,
                                                  p);
      });
    default:
      return Le_Passos(a, tamanho, [&](int s) {
        return geren->Le_Mofo(1, a.superficies, a.regiao, s, a.mofo, p);
      });
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  fuzz::TCursor c(dados, tamanho);
  TArgumentos a = Le_Argumentos(&c);
  const std::string arquivo = fuzz::Arquivo("envoltoria.bin");
  const std::string texto = fuzz::Arquivo("relatorio.txt");
  if (!fuzz::Grava(arquivo, c.Dados(), c.Resto())) return 0;
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  if (geren->Abre_Arquivo(arquivo.c_str(), "rb") != 1 ||
      geren->Abre_Arquivo(texto.c_str(), "wt") != 2) {
    std::abort();  // the registry was not empty: an earlier input left a stream open
  }
  if (a.operacao == CONVERTE_FLUXOS) {
    std::string origem = arquivo, prefixo = fuzz::Arquivo("r");
    geren->Converte_Binario_Texto_FluxosCV(origem.data(), prefixo.data(), a.regiao, a.calor,
                                           a.vapor, &a.inicio, &a.fim, a.intervalo);
  } else if (a.operacao == CONVERTE_MOFO) {
    geren->Converte_Binario_Texto_Mofo(1, 2, a.regiao, a.mofo, &a.inicio, &a.fim, a.intervalo);
  } else {
    geren->Muda_Arquivo(1);
    Le(geren, a, c.Resto());
  }
  geren->Fecha_Todos();
  return 0;
}
