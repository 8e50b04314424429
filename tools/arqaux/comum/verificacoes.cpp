#include "comum/verificacoes.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "comum/erros.h"

namespace fs = std::filesystem;

TResultado Confere_Entrada(const std::string& caminho) {
  std::error_code ec;
  const fs::file_status estado = fs::status(caminho, ec);
  if (!fs::exists(estado)) return Falha("cannot open '%s'", caminho.c_str());
  if (!fs::is_regular_file(estado)) return Falha("'%s' is not a regular file", caminho.c_str());
  return {};
}

TResultado Confere_Tamanho(const std::string& caminho, uintmax_t tamanho, const char* tipo) {
  if (TResultado r = Confere_Entrada(caminho); !r.Ok()) return r;
  std::error_code ec;
  const uintmax_t real = fs::file_size(caminho, ec);
  if (ec) return Falha("cannot open '%s'", caminho.c_str());
  if (real != tamanho) {
    return Falha("'%s' is not %s: it holds %ju bytes, not %ju", caminho.c_str(), tipo, real,
                 tamanho);
  }
  return {};
}

TResultado Confere_Registros(const std::string& caminho, uintmax_t cabecalho, uintmax_t registro,
                             const char* tipo) {
  if (TResultado r = Confere_Entrada(caminho); !r.Ok()) return r;
  std::error_code ec;
  const uintmax_t real = fs::file_size(caminho, ec);
  if (ec) return Falha("cannot open '%s'", caminho.c_str());
  if (real < cabecalho) {
    return Falha("'%s' is too short to hold the %ju-byte header of %s", caminho.c_str(), cabecalho,
                 tipo);
  }
  const uintmax_t corpo = real - cabecalho;
  if (registro == 0 ? corpo != 0 : corpo % registro != 0) {
    return Falha(
        "'%s' is not %s: the %ju bytes after its %ju-byte header are not whole %ju-byte "
        "records",
        caminho.c_str(), tipo, corpo, cabecalho, registro);
  }
  return {};
}

// Whether a and b are one file: by any name when both exist, by the place
// they name when one is still to come (a description the command looks for
// beside a file it reads, and would read once something wrote it there).
bool Mesmo_Arquivo(const std::string& a, const std::string& b) {
  std::error_code ec;
  if (fs::equivalent(a, b, ec) && !ec) return true;
  const fs::path x = fs::weakly_canonical(a, ec);
  if (ec) return false;
  const fs::path y = fs::weakly_canonical(b, ec);
  return !ec && x == y;
}

TResultado Confere_Saida(const std::string& saida, const std::vector<std::string>& entradas) {
  for (const std::string& entrada : entradas) {
    if (Mesmo_Arquivo(saida, entrada)) {
      return Falha("'%s' is the input '%s': writing it would destroy it", saida.c_str(),
                   entrada.c_str());
    }
  }
  return {};
}

TResultado Confere_Saida(const std::string& saida, const std::string& entrada) {
  return Confere_Saida(saida, std::vector<std::string>{entrada});
}

TResultado Confere_Relida(const std::string& caminho, const std::string& nome) {
  std::error_code ec;
  const fs::file_status estado = fs::status(caminho, ec);
  if (fs::exists(estado) && !fs::is_regular_file(estado)) {
    return Falha("'%s' is not a regular file", nome.c_str());
  }
  return {};
}

long Linha_Do_Byte(const std::string& caminho, long posicao) {
  FILE* arq = std::fopen(caminho.c_str(), "rb");
  long linha = 1;
  for (long i = 0; arq != nullptr && i < posicao; ++i) {
    const int c = std::fgetc(arq);
    if (c == EOF) break;
    if (c == '\n') ++linha;
  }
  if (arq != nullptr) std::fclose(arq);
  return linha;
}

TResultado Perda(const std::string& caminho) {
  return Falha("writing '%s' failed: it is incomplete", caminho.c_str());
}

// A stream's own error record answers while the registry holds it; a close
// that fails is seen in the registry's count of streams that lost data, which
// survives the registry being emptied by its last close.
TResultado Fecha_Gravado(TGeren_ArquivoAux* geren, int n, const std::string& caminho) {
  const long antes = geren->Conta_Arquivos_Com_Erro();
  const bool perdido = geren->Erro_Arquivo(n);
  geren->Fecha_Arquivo(n);
  return perdido || geren->Conta_Arquivos_Com_Erro() > antes ? Perda(caminho) : TResultado();
}

int Conclui(int status) {
  const bool perdido = std::fflush(stdout) != 0 || std::ferror(stdout) != 0;
  if (perdido && status == 0) return Erro("writing standard output failed: it is incomplete");
  return status;
}

TResultado Conhece_Arquivo(const std::string& caminho, const std::string& forcado, TDeteccao* d) {
  if (TResultado r = Confere_Entrada(caminho); !r.Ok()) return r;
  TAmostra_Arquivo a;
  std::string erro;
  if (!Le_Amostra_Arquivo(caminho, &a, &erro)) return TResultado::Falha(erro);
  *d = Detecta_Tipo(a, forcado);
  if (d->tipo == nullptr) {
    return Falha("cannot tell the kind of '%s': %s", caminho.c_str(), d->erro.c_str());
  }
  return {};
}
