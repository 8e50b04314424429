// Wall node files: the node values of every region of a wall, step by step,
// as the simulation engine writes them, and their text profiles.
//
// A node carries up to three groups of values, each present for the whole
// file: group 1 one value (the temperature), group 2 two (the humidity pair),
// group 3 one. With k values per node (1 + 2 + 1 for the groups present), a
// node takes 4k bytes. Region r (1-based) of a wall described by an array of
// entries has entries[r - 1] + 1 nodes.
//
// File, little-endian 4-byte fields: the header, N (int32), N floats, then N
// entries of M (uint32) and M pairs of uint32; then one record per step, each
// the regions in order, each region its present groups as blocks of one
// float per node: group 1, the first values of group 2, the second values of
// group 2, group 3. With entries {3, 5} and every group (16 bytes a node) a
// step is 160 bytes, and region 2 of step 2 starts 2 * 160 + 4 * 16 = 384
// bytes after the header.
//
// N and every M come from the file: each is checked against what the rest of
// the file can hold before anything is allocated, so a hostile header fails
// instead of asking for gigabytes. An entry part cut short is detected too
// (the entries appended are released and the reader returns 0), and the
// offset of a region and step is formed in 64 bits and refused when it lies
// past the file.
//
// Text: a profile is the label line, one line per node ("%d  " with the node
// number from 1, then "%.2f  " for group 1, "%.5f   %.5f   " for group 2 and
// "%.2f  " for group 3, as present) and an empty line; the one-node form is
// the label and one node's values on one line, without a node number.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "arqaux/geren_arquivoaux.h"
#include "engine/binario.h"
#include "engine/report_format.h"
#include "envelope/envelope_comum.h"

static_assert(sizeof(unsigned int) == 4, "header entries are 4-byte values");

namespace {

// A header entry takes at least its float and its M; a pair 8 bytes.
constexpr int64_t kMinimo_Entrada = 8;
constexpr int64_t kTamanho_Par = 8;
// Profiles are written this many bytes at a time.
constexpr size_t kBloco = 64 * 1024;

// Releases the entries appended after the first antes.
void Libera_Entradas(std::vector<unsigned int*>& entradas, size_t antes) {
  for (size_t i = antes; i < entradas.size(); ++i) delete[] entradas[i];
  entradas.resize(antes);
}

// Reads N entries from arq; false, after releasing what it appended, when
// one is short or its M more than the rest of the file holds.
bool Le_Entradas(FILE* arq, int32_t n, std::vector<unsigned int*>& entradas) {
  const size_t antes = entradas.size();
  for (int32_t i = 0; i < n; ++i) {
    uint32_t m;
    if (!arqaux::Le_Bloco(arq, &m, sizeof m) || m > arqaux::Bytes_Restantes(arq) / kTamanho_Par) {
      Libera_Entradas(entradas, antes);
      return false;
    }
    const size_t pares = 2 * static_cast<size_t>(m);
    std::unique_ptr<unsigned int[]> entrada(new (std::nothrow) unsigned int[pares + 1]);
    if (entrada == nullptr || !arqaux::Le_Bloco(arq, entrada.get() + 1, 4, pares)) {
      Libera_Entradas(entradas, antes);
      return false;
    }
    entrada[0] = m;
    entradas.push_back(entrada.release());
  }
  return true;
}

// The node counts of a wall: before region regiao, and in a whole step.
// False when the arguments describe no region of a wall (no array, counts
// out of range, a negative entry).
bool Conta_Nos(const int* entradas, int regioes, int regiao, int64_t* antes, int64_t* passo) {
  if (entradas == nullptr || regioes < 1 || regiao < 1 || regiao > regioes) return false;
  *antes = *passo = 0;
  for (int i = 0; i < regioes; ++i) {
    if (entradas[i] < 0) return false;
    if (i < regiao - 1) *antes += int64_t{entradas[i]} + 1;
    *passo += int64_t{entradas[i]} + 1;
  }
  return true;
}

// The groups of a node as its text writes them: formats and arrays, in order.
struct TGrupos_No {
  arqaux::TFormato_Compilado formatos[4];
  const float* valores[4];
  int n = 0;

  TGrupos_No(bool g1, const float* v1, bool g2, const float* p2, const float* s2, bool g3,
             const float* v3) {
    if (g1) Acrescenta("%.2f  ", v1);
    if (g2) Acrescenta("%.5f   ", p2), Acrescenta("%.5f   ", s2);
    if (g3) Acrescenta("%.2f  ", v3);
  }
  void Acrescenta(const char* formato, const float* v) {
    formatos[n] = arqaux::TFormato_Compilado(formato);
    valores[n++] = v;
  }
  bool Completos() const {
    for (int i = 0; i < n; ++i) {
      if (valores[i] == nullptr) return false;
    }
    return true;
  }
  // Node no's values at p, which has room for kMaximo bytes.
  char* Escreve(char* p, int no) const {
    for (int i = 0; i < n; ++i) p = formatos[i].Escreve(p, valores[i][no]);
    return p;
  }
  static constexpr size_t kMaximo = 4 * (arqaux::kMaxTextoRealFixo + 32);
};

}  // namespace

int TGeren_ArquivoAux::Le_Cabecalho_Temp_Umi_Parede(float** valores,
                                                    std::vector<unsigned int*>& entradas) {
  if (valores == nullptr) return 0;
  *valores = nullptr;
  FILE* arq = Arquivo_Atual;
  int32_t n;
  if (arq == nullptr || !arqaux::Le_Bloco(arq, &n, sizeof n)) return 0;
  if (n < 1 || n > arqaux::Bytes_Restantes(arq) / kMinimo_Entrada) return 0;
  *valores = new (std::nothrow) float[static_cast<size_t>(n)];
  if (*valores == nullptr || !arqaux::Le_Bloco(arq, *valores, sizeof(float), n)) return 0;
  return Le_Entradas(arq, n, entradas) ? n : 0;
}

int TGeren_ArquivoAux::Soma_Nos_Regiao(int* entradas, int regioes) {
  int64_t soma = 0;
  for (int i = 0; entradas != nullptr && i < regioes; ++i) soma += int64_t{entradas[i]} + 1;
  return static_cast<int>(soma);
}

int TGeren_ArquivoAux::Soma_Nos_Ate_Regiao(int* entradas, int regiao) {
  return Soma_Nos_Regiao(entradas, regiao - 1);
}

bool TGeren_ArquivoAux::Le_Temp_Umi_Parede(int n, int* entradas, int regioes, int regiao, int passo,
                                           bool grupo_1, float* valores_1, bool grupo_2,
                                           float* primeiros_2, float* segundos_2, bool grupo_3,
                                           float* valores_3) {
  FILE* arq = Seleciona_Arquivo(n);
  int64_t antes, por_passo;
  if (arq == nullptr || passo < 0 || !Conta_Nos(entradas, regioes, regiao, &antes, &por_passo) ||
      fseeko(arq, 0, SEEK_SET) != 0) {
    return false;
  }
  float* cabecalho = nullptr;
  std::vector<unsigned int*> pares;
  const int lidos = Le_Cabecalho_Temp_Umi_Parede(&cabecalho, pares);
  delete[] cabecalho;
  Libera_Entradas(pares, 0);
  return lidos != 0 &&
         arqaux::Le_Regiao_Parede(arq, ftello(arq), entradas, regioes, regiao, passo, grupo_1,
                                  valores_1, grupo_2, primeiros_2, segundos_2, grupo_3, valores_3);
}

bool arqaux::Le_Regiao_Parede(FILE* arq, int64_t cabecalho, const int* entradas, int regioes,
                              int regiao, int passo, bool grupo_1, float* valores_1, bool grupo_2,
                              float* primeiros_2, float* segundos_2, bool grupo_3,
                              float* valores_3) {
  int64_t antes, por_passo;
  if (arq == nullptr || passo < 0 || cabecalho < 0 ||
      !Conta_Nos(entradas, regioes, regiao, &antes, &por_passo) ||
      fseeko(arq, static_cast<off_t>(cabecalho), SEEK_SET) != 0) {
    return false;
  }
  const int64_t bytes_no = 4 * ((grupo_1 ? 1 : 0) + (grupo_2 ? 2 : 0) + (grupo_3 ? 1 : 0));
  if (bytes_no == 0) return true;
  const int64_t nos =
      arqaux::Deslocamento(por_passo, passo, antes, arqaux::Bytes_Restantes(arq) / bytes_no);
  if (nos < 0 || !arqaux::Avanca(arq, nos * bytes_no)) return false;
  const size_t no_regiao = static_cast<size_t>(entradas[regiao - 1]) + 1;
  float* const blocos[4] = {grupo_1 ? valores_1 : nullptr, grupo_2 ? primeiros_2 : nullptr,
                            grupo_2 ? segundos_2 : nullptr, grupo_3 ? valores_3 : nullptr};
  const bool presentes[4] = {grupo_1, grupo_2, grupo_2, grupo_3};
  for (int i = 0; i < 4; ++i) {
    if (presentes[i] &&
        (blocos[i] == nullptr || !arqaux::Le_Bloco(arq, blocos[i], sizeof(float), no_regiao))) {
      return false;
    }
  }
  return true;
}

bool TGeren_ArquivoAux::Grava_Temp_Umi_Parede_Texto(int n, int ultimo_no, float* valores_1,
                                                    float* primeiros_2, char* rotulo, bool grupo_1,
                                                    bool grupo_2, float* segundos_2, bool grupo_3,
                                                    float* valores_3) {
  const TGrupos_No grupos(grupo_1, valores_1, grupo_2, primeiros_2, segundos_2, grupo_3, valores_3);
  FILE* arq = Seleciona_Arquivo(n);
  if (arq == nullptr || !grupos.Completos()) return false;
  std::vector<char> saida(kBloco + TGrupos_No::kMaximo + 16);
  char* const inicio = saida.data();
  bool ok = std::fputs(rotulo != nullptr ? rotulo : "", arq) >= 0;
  char* p = inicio;
  *p++ = '\n';
  for (int no = 0; no <= ultimo_no; ++no) {
    p = std::to_chars(p, p + 11, no + 1).ptr;
    std::memcpy(p, "  ", 2);
    p = grupos.Escreve(p + 2, no);
    *p++ = '\n';
    if (static_cast<size_t>(p - inicio) >= kBloco) {
      ok = arqaux::Grava_Bloco(arq, inicio, 1, static_cast<size_t>(p - inicio)) && ok;
      p = inicio;
    }
  }
  *p++ = '\n';
  return arqaux::Grava_Bloco(arq, inicio, 1, static_cast<size_t>(p - inicio)) && ok;
}

bool TGeren_ArquivoAux::Grava_Temp_Umi_Parede_Texto_1_No(int n, int, float* valores_1,
                                                         float* primeiros_2, char* rotulo,
                                                         bool grupo_1, bool grupo_2,
                                                         float* segundos_2, bool grupo_3,
                                                         float* valores_3, int no) {
  const TGrupos_No grupos(grupo_1, valores_1, grupo_2, primeiros_2, segundos_2, grupo_3, valores_3);
  FILE* arq = Seleciona_Arquivo(n);
  if (arq == nullptr || !grupos.Completos() || no < 0) return false;
  std::vector<char> linha(TGrupos_No::kMaximo + 1);
  char* p = grupos.Escreve(linha.data(), no);
  *p++ = '\n';
  const bool ok = std::fputs(rotulo != nullptr ? rotulo : "", arq) >= 0;
  return arqaux::Grava_Bloco(arq, linha.data(), 1, static_cast<size_t>(p - linha.data())) && ok;
}
