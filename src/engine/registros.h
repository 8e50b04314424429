// Configuration records as tables of record kinds. A block is a count line
// and that many records; each record begins with the lines every record of
// the block has (its ordinal, and in blocks that mix kinds its type code and
// quantity), goes on with the lines of its kind and its schedule block, and
// may end with an entry of its own (an actuator's control entry).
//
// A record kind is a descriptor: its type code, its line table, a function
// from the object to the table's values and one from the values (and the
// schedule read after them) to a new object. One walker writes and reads a
// block from the table of its kinds; adding a kind is adding a descriptor.
#ifndef ARQAUX_ENGINE_REGISTROS_H_
#define ARQAUX_ENGINE_REGISTROS_H_

#include <cstdio>
#include <memory>
#include <vector>

#include "arqaux/contracts/utility.h"
#include "arqaux/lista.h"
#include "engine/linhas_config.h"

namespace arqaux {

// The fourth argument of a PID controller's creation: the integration time
// in seconds, fixed by the model, never stored in a file.
constexpr float kTempoIntegracaoPid = 3600.0f;

// The header line of a schedule block: "\t[Horarios = %d]" for a record's
// schedule, "\t[Horarios Ventilacao = %d]" for forced ventilation's. The
// primary HVAC system's cooling and heating schedules write the same lines
// in braces: "\t{Horarios Sistema Resfriamento = %d}" (or "Aquecimento") and
// "\t\t{Horario %d = (...)}" per period.
enum class TTitulo_Horarios { Horarios, Ventilacao, Resfriamento, Aquecimento };

// The schedule block on a given stream (engine/registros.cpp describes it).
// The writer is false when the stream reports a failed write. The reader
// appends the periods it reads; a count below 1 reads no more (true), a
// positive one without a schedule is false, as is a short line or minutes
// too large for seconds (the periods added stay).
bool Grava_Horarios(FILE* arq, TIntervalos* intervalos,
                    TTitulo_Horarios titulo = TTitulo_Horarios::Horarios);
bool Le_Horarios(FILE* arq, TIntervalos* intervalos,
                 TTitulo_Horarios titulo = TTitulo_Horarios::Horarios);

// The zone section line "[Zona = %d]\n" that begins each zone's block.
// Grava_Zona is false when the print fails; Le_Zona is true only when it
// scans exactly zona.
bool Grava_Zona(FILE* arq, int zona);
bool Le_Zona(FILE* arq, int zona);

// A block framed by its zone line: nothing after a zone line that cannot be
// printed.
template <class G>
bool Grava_Na_Zona(FILE* arq, int zona, G grava_bloco) {
  return Grava_Zona(arq, zona) && grava_bloco();
}

// Reads the zone line (false when it is not zona, the target left as it was)
// and then the block; a block that fails is undone with desfaz.
template <class L, class D>
bool Le_Na_Zona(FILE* arq, int zona, L le_bloco, D desfaz) {
  if (!Le_Zona(arq, zona)) return false;
  if (le_bloco()) return true;
  desfaz();
  return false;
}

// What a writer returns: a write the stream reports as failed is a lost
// write, never a success.
inline bool Gravou(FILE* arq) { return arq != nullptr && !std::ferror(arq); }

// The lines every record of a block begins with: the count line's value, or
// a record's ordinal, then its type code and quantity.
struct TComum {
  int32_t numero = 0;
  int32_t tipo = 0;
  int32_t quantidade = 0;
};

// The context of blocks whose objects need nothing beyond their values.
struct TSem_Contexto {};

// A record kind whose lines live in the value struct V; its objects are Obj
// (the block's element type), built with the block's context Ctx.
template <class Obj, class Ctx, class V>
struct TTipo_Registro {
  int32_t codigo;
  TTabela<V> linhas;
  void (*valores)(Obj* objeto, V* v);
  Obj* (*novo)(const V& v, const TComum& comum, TIntervalos* horario, Ctx* contexto);
  // The entry after the schedule block, or null when the kind has none.
  void (*grava_apos)(FILE* arq, Obj* objeto) = nullptr;
  void (*le_apos)(FILE* arq, Obj* objeto) = nullptr;
};

// A record kind as the walker sees it, whatever its value struct.
template <class Obj, class Ctx>
struct TDescritor {
  int32_t codigo;
  const void* tipo;  // the TTipo_Registro it stands for
  void (*grava)(const void* tipo, FILE* arq, Obj* objeto);
  // Null when a line of the kind came up short under Para_Na_Primeira;
  // *completo tells whether every line was read.
  Obj* (*le)(const void* tipo, FILE* arq, const TComum& comum, Ctx* contexto,
             TPolitica_Falha politica, bool* completo);
};

template <class Obj, class Ctx, class V>
void Grava_Tipo(const void* t, FILE* arq, Obj* objeto) {
  const auto& tipo = *static_cast<const TTipo_Registro<Obj, Ctx, V>*>(t);
  V v{};
  tipo.valores(objeto, &v);
  Grava_Linhas(arq, tipo.linhas, v);
  Grava_Horarios(arq, objeto->R_Intervalos());
  if (tipo.grava_apos != nullptr) tipo.grava_apos(arq, objeto);
}

// The schedule's own result is not looked at: a broken schedule shows up as
// a failure of the next record's first line.
template <class Obj, class Ctx, class V>
Obj* Le_Tipo(const void* t, FILE* arq, const TComum& comum, Ctx* contexto, TPolitica_Falha politica,
             bool* completo) {
  const auto& tipo = *static_cast<const TTipo_Registro<Obj, Ctx, V>*>(t);
  V v{};
  *completo = Le_Linhas(arq, tipo.linhas, &v, politica);
  if (!*completo && politica == TPolitica_Falha::Para_Na_Primeira) return nullptr;
  auto horario = std::make_unique<TIntervalos>();
  Le_Horarios(arq, horario.get());
  Obj* objeto = tipo.novo(v, comum, horario.release(), contexto);
  if (tipo.le_apos != nullptr) tipo.le_apos(arq, objeto);
  return objeto;
}

template <class Obj, class Ctx, class V>
TDescritor<Obj, Ctx> Descritor(const TTipo_Registro<Obj, Ctx, V>& tipo) {
  return {tipo.codigo, &tipo, &Grava_Tipo<Obj, Ctx, V>, &Le_Tipo<Obj, Ctx, V>};
}

// The type code and quantity of an object that has them.
template <class Obj>
TComum Comum_De(Obj* objeto) {
  TComum c;
  c.tipo = objeto->R_Tipo();
  c.quantidade = objeto->R_Quantidade();
  return c;
}

// A block: its count line, the lines every record begins with, its kinds.
template <class Obj, class Ctx>
struct TBloco {
  TLinha<TComum> contagem;
  TTabela<TComum> comuns;
  std::vector<TDescritor<Obj, Ctx>> tipos;
  // The type code and quantity of an object, for its common lines.
  TComum (*comum)(Obj* objeto);
  // A record of a code without a kind still has its schedule block, which
  // the reader reads and drops so that the records after it read on;
  // otherwise it is its common lines alone.
  bool horario_sem_tipo;
  TPolitica_Falha politica;

  const TDescritor<Obj, Ctx>* Busca(int32_t codigo) const {
    for (const TDescritor<Obj, Ctx>& d : tipos) {
      if (d.codigo == codigo) return &d;
    }
    return nullptr;
  }
};

// Writes the count line and every record of lista (null: an empty block).
// False when the stream reports a failed write.
template <class Obj, class Ctx>
bool Grava_Bloco(FILE* arq, const TBloco<Obj, Ctx>& bloco, TLista<Obj>* lista) {
  if (arq == nullptr) return false;
  TComum c;
  c.numero = lista != nullptr ? lista->Numero_Elementos() : 0;
  Grava_Linha(arq, bloco.contagem, c);
  // The walk follows the nodes rather than asking for position i each time,
  // which would walk the list from its head again for every record.
  TNo<Obj>* no = lista != nullptr ? lista->R_No(1) : nullptr;
  for (int i = 1; no != nullptr && i <= lista->Numero_Elementos(); ++i, no = no->R_Proximo()) {
    Obj* objeto = no->R_Dado();
    if (objeto == nullptr) continue;
    c = bloco.comum(objeto);
    c.numero = i;
    Grava_Linhas(arq, bloco.comuns, c);
    const TDescritor<Obj, Ctx>* d = bloco.Busca(c.tipo);
    if (d != nullptr) {
      d->grava(d->tipo, arq, objeto);
    } else if (bloco.horario_sem_tipo) {
      Grava_Horarios(arq, objeto->R_Intervalos());
    }
  }
  return Gravou(arq);
}

// Reads a block from arq, handing each object built to insere. The count
// only bounds the loop: each record is built as its lines are read, so a
// count far beyond the file allocates nothing ahead. A count below 1 reads
// no more and is true, whether or not there is a target (tem_alvo); a
// positive count without a target is false. proximo() gives the stream of
// each record after the first (null fails the read).
template <class Obj, class Ctx, class I, class P>
bool Le_Bloco(FILE* arq, const TBloco<Obj, Ctx>& bloco, Ctx* contexto, bool tem_alvo, I insere,
              P proximo) {
  TComum contagem;
  if (arq == nullptr || !Le_Linha(arq, bloco.contagem, &contagem)) return false;
  if (contagem.numero < 1) return true;
  if (!tem_alvo) return false;
  const bool para = bloco.politica == TPolitica_Falha::Para_Na_Primeira;
  bool ok = true;
  // Counted from 0 so that a count of INT_MAX cannot overflow the counter.
  for (int32_t i = 0; i < contagem.numero; ++i) {
    if (i > 0 && (arq = proximo()) == nullptr) return false;
    // Reading on past the end of the file finds nothing more.
    if (!ok && std::feof(arq)) return false;
    TComum c;
    ok = Le_Linhas(arq, bloco.comuns, &c, bloco.politica) && ok;
    if (!ok && para) return false;
    const TDescritor<Obj, Ctx>* d = bloco.Busca(c.tipo);
    if (d == nullptr) {
      if (bloco.horario_sem_tipo) {
        TIntervalos descartado;
        Le_Horarios(arq, &descartado);
      }
      continue;
    }
    bool completo = false;
    std::unique_ptr<Obj> objeto(d->le(d->tipo, arq, c, contexto, bloco.politica, &completo));
    ok = ok && completo;
    if (objeto == nullptr) return false;
    insere(objeto.release());
  }
  return ok;
}

}  // namespace arqaux

#endif  // ARQAUX_ENGINE_REGISTROS_H_
