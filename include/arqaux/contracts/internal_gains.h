// The host's internal-gains library as the file manager sees it: people,
// equipment, lighting and vapour generation, kept in a TLista<TGanho>. Plain
// data behind the constructors and accessors the configuration files use.
#ifndef ARQAUX_CONTRACTS_INTERNAL_GAINS_H_
#define ARQAUX_CONTRACTS_INTERNAL_GAINS_H_

#include "arqaux/contracts/exporta.h"
#include "arqaux/contracts/utility.h"

// Gain type codes, as R_Tipo gives them.
constexpr int GANHO_PESSOAS = 0;
constexpr int GANHO_EQUIPAMENTO = 1;
constexpr int GANHO_ILUMINACAO = 2;
constexpr int GANHO_GERACAO_VAPOR = 4;

// What every gain has: a type code, a quantity and a schedule, which the gain
// owns (it is deleted with the gain).
class ARQAUX_CONTRATOS_API TGanho {
 public:
  virtual ~TGanho();
  TGanho(const TGanho&) = delete;
  TGanho& operator=(const TGanho&) = delete;

  int R_Tipo() const;
  int R_Quantidade() const;
  TIntervalos* R_Intervalos() const;

 protected:
  TGanho(int tipo, int quantidade, TIntervalos* intervalos);

 private:
  int tipo_;
  int quantidade_;
  TIntervalos* intervalos_;
};

class ARQAUX_CONTRATOS_API TPessoas : public TGanho {
 public:
  TPessoas(int quantidade, TIntervalos* intervalos, float altura, float massa, double caf,
           float calor_latente, float calor_sensivel, float porcent_convectiva,
           bool usar_pond_ashrae);
  float R_Massa() const;
  float R_Altura() const;
  float R_Calor_Latente() const;
  float R_Calor_Sensivel() const;
  float R_Porcent_Convectiva() const;
  bool R_Usar_Pond_ASHRAE() const;
  // The activity coefficient (CAF).
  double R_Coeficiente() const;

 private:
  float altura_, massa_;
  double caf_;
  float calor_latente_, calor_sensivel_, porcent_convectiva_;
  bool usar_pond_ashrae_;
};

class ARQAUX_CONTRATOS_API TEquipamento : public TGanho {
 public:
  TEquipamento(int quantidade, TIntervalos* intervalos, float potencia_eletrica,
               float calor_sensivel, float calor_latente, int id, float porcent_convectiva,
               bool usar_pond_ashrae);
  // k: 0 sensible heat, 1 electric power, 2 latent heat.
  float R_Potencia(int k) const;
  float R_Porcent_Convectiva() const;
  bool R_Usar_Pond_ASHRAE() const;
  int R_Id() const;

 private:
  float potencia_[3];
  int id_;
  float porcent_convectiva_;
  bool usar_pond_ashrae_;
};

class ARQAUX_CONTRATOS_API TIluminacao : public TGanho {
 public:
  // Takes over caminho_daysim (allocated with new[], or null) and frees it.
  TIluminacao(int quantidade, TIntervalos* intervalos, float potencia, int id,
              float porcent_convectiva, bool usar_pond_ashrae, bool usar_dados_daysim,
              char* caminho_daysim);
  ~TIluminacao() override;
  float R_Potencia() const;
  float R_Porcent_Convectiva() const;
  bool R_Usar_Pond_ASHRAE() const;
  int R_Id() const;
  bool R_UsarDadosDAYSIM() const;
  // Path of the daylighting schedule file; null when none was given.
  char* R_Caminho_Arquivo_DAYSIM() const;

 private:
  float potencia_;
  int id_;
  float porcent_convectiva_;
  bool usar_pond_ashrae_;
  bool usar_dados_daysim_;
  char* caminho_daysim_;
};

class ARQAUX_CONTRATOS_API TGeracao_Vapor : public TGanho {
 public:
  // geracao_vapor in kg/s.
  TGeracao_Vapor(int quantidade, TIntervalos* intervalos, float geracao_vapor, float temp_vapor,
                 float potencia);
  // The vapour generation rate, in kg/s when por_segundo is set, else in kg/h.
  float R_Geracao_Vapor(bool por_segundo) const;
  float R_Temp_Vapor() const;
  float R_Potencia() const;

 private:
  float geracao_vapor_, temp_vapor_, potencia_;
};

#endif  // ARQAUX_CONTRACTS_INTERNAL_GAINS_H_
