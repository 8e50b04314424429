// The host's building-model library as the file manager sees it. Plain data
// behind the constructors, accessors and setters the files use.
#ifndef ARQAUX_CONTRACTS_BUILDING_MODEL_H_
#define ARQAUX_CONTRACTS_BUILDING_MODEL_H_

#include "arqaux/contracts/exporta.h"
#include "arqaux/contracts/utility.h"
#include "arqaux/lista.h"

// ---- Ventilation ----

// Parameters of the natural-ventilation model of a zone.
class ARQAUX_CONTRATOS_API TParam_Vent_Nat {
 public:
  TParam_Vent_Nat() = default;
  void Atualiza_Modelo(int modelo);
  void Atualiza_Tipo_Calculo(int tipo);
  void Atualiza_Indice(int indice);
  void Atualiza_SBH(float sbh);
  void Atualiza_PAD(float pad);
  int R_Modelo_Vent_Nat() const;
  // Kind of pressure-coefficient calculation.
  int R_Tipo_Calculo_CP() const;
  int R_Indice() const;
  float R_SBH() const;
  float R_PAD() const;

 private:
  int modelo_ = 0;
  int tipo_calculo_ = 0;
  int indice_ = 0;
  float sbh_ = 0.0f;
  float pad_ = 0.0f;
};

// Natural ventilation of a zone: it keeps its own copy of the parameters.
class ARQAUX_CONTRATOS_API TVent_Natural {
 public:
  TVent_Natural() = default;
  // Copies the values of parametros (which stays the caller's).
  void Atualiza_Parametros_Ventilacao(TParam_Vent_Nat* parametros);
  TParam_Vent_Nat* R_Parametros_Vent_Natural();

 private:
  TParam_Vent_Nat parametros_;
};

// Forced ventilation of a zone, sized by an air ration per person (sizing
// flag false) or by a number of air changes (true), with its own schedule.
class ARQAUX_CONTRATOS_API TVent_Forcada {
 public:
  TVent_Forcada();
  ~TVent_Forcada();
  TVent_Forcada(const TVent_Forcada&) = delete;
  TVent_Forcada& operator=(const TVent_Forcada&) = delete;

  void A_Racao_Ar(float racao);
  void A_Quantidade_Pessoas(int pessoas);
  void A_Trocas_Ar(float trocas);
  void A_Tipo_Calculo(bool por_trocas);
  float R_Racao_Ar() const;
  int R_Quantidade_Pessoas() const;
  float R_Trocas_Ar() const;
  bool R_Tipo_Calculo() const;
  // The schedule, filled in place.
  TIntervalos* R_Intervalos();

 private:
  float racao_ar_ = 0.0f;
  int quantidade_pessoas_ = 0;
  float trocas_ar_ = 0.0f;
  bool tipo_calculo_ = false;
  TIntervalos* intervalos_;
};

// (end of ventilation)

// ---- Walls ----

class TParede;
class TTrans_EltrMag;

// A zone of the building: its number and the faces that bound it, which know
// whether they are its ceiling or its floor. The zone does not own its faces
// (a slab bounds two zones); the queries are virtual as the host's are.
class ARQAUX_CONTRATOS_API TSuperficie {
 public:
  TSuperficie() = default;
  explicit TSuperficie(int numero);
  virtual ~TSuperficie();
  TSuperficie(const TSuperficie&) = delete;
  TSuperficie& operator=(const TSuperficie&) = delete;

  // The zone's number, as its view-factor block names it.
  virtual int R_Numero();
  // The faces in order, from position 1.
  virtual TLista<TParede>* R_Faces();
  TParede* Adiciona_Face(TParede* face);

 private:
  int numero_ = 0;
  TLista<TParede> faces_{false};
};

// One region of a face, discretised through its thickness into nodes 0 ..
// TotalNos(); the last node lies on the interior surface. The node
// temperatures come first: the host's code reads them through the region's
// first member.
class ARQAUX_CONTRATOS_API ElementoTC {
 public:
  // A region of nos nodes (at least one), all at 0.
  explicit ElementoTC(int nos);
  ~ElementoTC();
  ElementoTC(const ElementoTC&) = delete;
  ElementoTC& operator=(const ElementoTC&) = delete;

  float* Temperaturas;
  // The region's radiative exchange links, owned by the list.
  TLista<TTrans_EltrMag>* Ligacoes;
  // Index of the last node.
  int TotalNos() const;

 private:
  int total_nos_;
};

// A radiative exchange link: the view factor towards a region.
class ARQAUX_CONTRATOS_API TTrans_EltrMag {
 public:
  TTrans_EltrMag(float fator_forma, ElementoTC* regiao);
  float R_Fator_Forma() const;
  ElementoTC* R_Regiao() const;

 private:
  float fator_forma_;
  ElementoTC* regiao_;
};

// One face: a wall, or a slab that is the ceiling of one zone and the floor
// of another, with its azimuth (degrees clockwise from north), its area and
// its regions in order. The queries are virtual as the host's are.
class ARQAUX_CONTRATOS_API TParede {
 public:
  // A face that is the ceiling of teto_de and the floor of piso_de (null
  // for neither); it owns its regions.
  TParede(TSuperficie* teto_de, TSuperficie* piso_de, float azimute, double area);
  virtual ~TParede();
  TParede(const TParede&) = delete;
  TParede& operator=(const TParede&) = delete;

  // True when the face is the ceiling (floor) of zona.
  virtual bool Eh_Teto(TSuperficie* zona);
  virtual bool Eh_Piso(TSuperficie* zona);
  virtual float R_Azimute();
  // The face's area; both arguments are 0 for the whole face.
  virtual double R_Area(int camada, int lado);
  int R_Num_Regioes();
  TLista<ElementoTC>* R_Regioes();
  // Appends a region of nos nodes and returns it.
  ElementoTC* Adiciona_Regiao(int nos);

 private:
  TSuperficie* teto_de_;
  TSuperficie* piso_de_;
  float azimute_;
  double area_;
  TLista<ElementoTC> regioes_;
};

// (end of walls)

#endif  // ARQAUX_CONTRACTS_BUILDING_MODEL_H_
