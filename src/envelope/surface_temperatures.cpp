// Interior surface temperature report: for one zone, the temperature of the
// interior surface of every face that bounds it, one column per region.
//
// The header and the data lines go to two streams; the data stream is then
// appended to the header stream. Header (Windows-1252):
//
//   Temperatura da Superfície Interna das Paredes, Piso e Teto
//   [<zone>]
//   [Inicio: 1/1 as 0:00:00 - Fim: 31/12 as 23:59:59 h]
//   [Intervalo de Amostragem = 600 s]
//
//   [Número de Faces = 2]
//   [Face 1 (Parede - Norte) - Área:  12.00]
//   [Face 2 (Teto) - Área:  20.00]
//
//   [Data - Hora]\t\tFace   1\tFace   2\tFace   2
//
// (one heading per region, "Face  " and " %d" with the face's number). A
// data line is "<date> - <time>\t" and "%.4f\t\t" per region, with the
// region's last node, the one on the interior surface.
//
// A face is named "Teto" when it is the zone's ceiling, else "Piso" when it
// is its floor, else "Parede - " and the compass direction its azimuth lies
// within 0.01 degree of (0 Norte, 45 Nordeste, ... 315 Noroeste), or the
// azimuth with three significant digits and " graus". The azimuth is taken
// as it is: 360 and -90 get the degrees form.
//
// The copy moves the source from where it stands to its end, in blocks: the
// same bytes as a character at a time, without selecting two streams per
// character.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "arqaux/contracts/building_model.h"
#include "arqaux/contracts/utility.h"
#include "arqaux/geren_arquivoaux.h"
#include "engine/binario.h"
#include "engine/real_fixo.h"
#include "engine/report_engine.h"
#include "engine/report_format.h"

namespace {

// The eight compass directions, every 45 degrees from north.
const char* const kDirecoes[] = {"Norte", "Nordeste", "Leste", "Sudeste",
                                 "Sul",   "Sudoeste", "Oeste", "Noroeste"};
constexpr double kTolerancia_Direcao = 0.01;

const char kTitulo[] =
    "Temperatura da Superf\xED"
    "cie Interna das Paredes, Piso e Teto";
const char kNumero_Faces[] =
    "[N\xFA"
    "mero de Faces = %d]\n";
const char kArea[] =
    "\xC1"
    "rea: ";

// The copy moves this many bytes at a time.
constexpr size_t kBloco = 64 * 1024;

// The faces of a list, in order.
template <class F>
void Para_Cada_Face(TLista<TParede>* faces, F f) {
  const int total = faces != nullptr ? faces->Numero_Elementos() : 0;
  TNo<TParede>* no = total > 0 ? faces->R_No(1) : nullptr;
  for (int i = 1; i <= total; ++i, no = no->R_Proximo()) f(i, no->R_Dado());
}

// The degrees form: three significant digits in the default notation, as a
// text stream of precision 3 writes a float.
std::string Graus(float azimute) {
  char texto[32];
  std::snprintf(texto, sizeof texto, "%.3g", static_cast<double>(azimute));
  return std::string(texto) + " graus";
}

}  // namespace

void TGeren_ArquivoAux::Nome_Ou_Angulo_Parede(TSuperficie* zona, TParede* face,
                                              std::string& rotulo) {
  if (face == nullptr) return;
  if (face->Eh_Teto(zona)) {
    rotulo = "Teto";
    return;
  }
  if (face->Eh_Piso(zona)) {
    rotulo = "Piso";
    return;
  }
  const float azimute = face->R_Azimute();
  for (int i = 0; i < 8; ++i) {
    const float diferenca = azimute - static_cast<float>(45 * i);
    if (std::fabs(static_cast<double>(diferenca)) <= kTolerancia_Direcao) {
      rotulo = std::string("Parede - ") + kDirecoes[i];
      return;
    }
  }
  rotulo = "Parede - " + Graus(azimute);
}

void TGeren_ArquivoAux::Grava_Cabecalho_Temp_Interna_Parede(int n, const char* nome_zona,
                                                            TTempo* periodo, int intervalo,
                                                            TLista<TParede>* faces,
                                                            TSuperficie* zona) {
  FILE* arq = Seleciona_Arquivo(n);
  if (arq == nullptr || periodo == nullptr) return;
  std::fprintf(arq, "%s\n[%s]\n", kTitulo, nome_zona != nullptr ? nome_zona : "");
  arqaux::Escreve_Periodo(arq, arqaux::TFormato_Periodo::Horas_Cheias, periodo[0], periodo[1]);
  arqaux::Escreve_Intervalo(arq, intervalo);
  std::fprintf(arq, "\n");
  std::fprintf(arq, kNumero_Faces, faces != nullptr ? faces->Numero_Elementos() : 0);
  arqaux::TEspec_Fixo duas_casas;
  duas_casas.precisao = 2;
  Para_Cada_Face(faces, [&](int i, TParede* face) {
    std::string rotulo;
    Nome_Ou_Angulo_Parede(zona, face, rotulo);
    char area[arqaux::kMaxTextoRealFixo];
    const char* fim = arqaux::Escreve_Real_Fixo(area, face->R_Area(0, 0), duas_casas);
    std::fprintf(arq, "[Face %d (%s) - %s ", i, rotulo.c_str(), kArea);
    arqaux::Grava_Bloco(arq, area, 1, static_cast<size_t>(fim - area));
    std::fprintf(arq, "]\n");
  });
  std::fprintf(arq, "\n[Data - Hora]\t");
  Para_Cada_Face(faces, [&](int i, TParede* face) {
    for (int r = 0; r < face->R_Num_Regioes(); ++r) std::fprintf(arq, "\tFace   %d", i);
  });
  std::fprintf(arq, "\n");
}

void TGeren_ArquivoAux::Grava_Temp_Interna_Parede(int n, char* data, char* hora,
                                                  TLista<TParede>* faces) {
  FILE* arq = Seleciona_Arquivo(n);
  if (arq == nullptr) return;
  std::string linha =
      std::string(data != nullptr ? data : "") + " - " + (hora != nullptr ? hora : "") + "\t";
  const arqaux::TFormato_Compilado formato("%.4f\t\t");
  std::vector<char> valor(formato.Tamanho_Maximo());
  Para_Cada_Face(faces, [&](int, TParede* face) {
    TLista<ElementoTC>* regioes = face->R_Regioes();
    const int total = regioes != nullptr ? regioes->Numero_Elementos() : 0;
    TNo<ElementoTC>* no = total > 0 ? regioes->R_No(1) : nullptr;
    for (int r = 0; r < total; ++r, no = no->R_Proximo()) {
      const ElementoTC* regiao = no->R_Dado();
      const char* fim = formato.Escreve(valor.data(), regiao->Temperaturas[regiao->TotalNos()]);
      linha.append(valor.data(), static_cast<size_t>(fim - valor.data()));
    }
  });
  linha += '\n';
  arqaux::Grava_Bloco(arq, linha.data(), 1, linha.size());
}

void TGeren_ArquivoAux::Salva_Texto_Temp_Interna_Parede(int origem, int destino) {
  const arqaux::TSeletor seletor = Seletor_Relatorios();
  if (origem == destino || !seletor.registrado(origem) || !seletor.registrado(destino)) return;
  std::vector<char> bloco(kBloco);
  for (;;) {
    FILE* fonte = Seleciona_Arquivo(origem);
    if (fonte == nullptr) return;
    const size_t lidos = arqaux::Le_Direto(bloco.data(), 1, bloco.size(), fonte);
    FILE* arq = Seleciona_Arquivo(destino);
    if (arq == nullptr) return;
    arqaux::Grava_Bloco(arq, bloco.data(), 1, lidos);
    if (lidos < bloco.size()) break;
  }
  (void)Seleciona_Arquivo(origem);
}
