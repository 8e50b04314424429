#include "saida/conversao.h"

#include <arqaux/arqaux.h>

#include <cstdio>

#include "comum/erros.h"
#include "comum/verificacoes.h"
#include "saida/saida_segura.h"

TResultado Converte_Arquivo(const std::string& binario, const std::string& texto,
                            uintmax_t cabecalho,
                            const std::function<void(int binario, int texto)>& converte) {
  TGeren_ArquivoAux* geren = Geren_ArqAux();
  const int n_binario = geren->Abre_Arquivo(binario.c_str(), "rb");
  if (n_binario == 0) return Falha("cannot open '%s'", binario.c_str());
  // The converters start at the stream's current position: step over the
  // header that the stream's writer put first.
  if (std::fseek(geren->ObtemArquivo(), static_cast<long>(cabecalho), SEEK_SET) != 0) {
    geren->Fecha_Todos();
    return Falha("cannot read '%s'", binario.c_str());
  }
  if (TResultado r = Confere_Sem_Ligacao(texto); !r.Ok()) {
    geren->Fecha_Todos();
    return r;
  }
  const int n_texto = geren->Abre_Arquivo(texto.c_str(), "wt");
  if (n_texto == 0) {
    geren->Fecha_Todos();
    return Falha("cannot create '%s'", texto.c_str());
  }
  converte(n_binario, n_texto);
  TResultado fechado = Fecha_Gravado(geren, n_texto, texto);
  geren->Fecha_Todos();
  return fechado;
}
