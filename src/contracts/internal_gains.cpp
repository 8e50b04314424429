// Stand-in of the internal-gains library: plain data.
#include "arqaux/contracts/internal_gains.h"

TGanho::TGanho(int tipo, int quantidade, TIntervalos* intervalos)
    : tipo_(tipo), quantidade_(quantidade), intervalos_(intervalos) {}

TGanho::~TGanho() { delete intervalos_; }

int TGanho::R_Tipo() const { return tipo_; }
int TGanho::R_Quantidade() const { return quantidade_; }
TIntervalos* TGanho::R_Intervalos() const { return intervalos_; }

TPessoas::TPessoas(int quantidade, TIntervalos* intervalos, float altura, float massa, double caf,
                   float calor_latente, float calor_sensivel, float porcent_convectiva,
                   bool usar_pond_ashrae)
    : TGanho(GANHO_PESSOAS, quantidade, intervalos),
      altura_(altura),
      massa_(massa),
      caf_(caf),
      calor_latente_(calor_latente),
      calor_sensivel_(calor_sensivel),
      porcent_convectiva_(porcent_convectiva),
      usar_pond_ashrae_(usar_pond_ashrae) {}

float TPessoas::R_Massa() const { return massa_; }
float TPessoas::R_Altura() const { return altura_; }
float TPessoas::R_Calor_Latente() const { return calor_latente_; }
float TPessoas::R_Calor_Sensivel() const { return calor_sensivel_; }
float TPessoas::R_Porcent_Convectiva() const { return porcent_convectiva_; }
bool TPessoas::R_Usar_Pond_ASHRAE() const { return usar_pond_ashrae_; }
double TPessoas::R_Coeficiente() const { return caf_; }

TEquipamento::TEquipamento(int quantidade, TIntervalos* intervalos, float potencia_eletrica,
                           float calor_sensivel, float calor_latente, int id,
                           float porcent_convectiva, bool usar_pond_ashrae)
    : TGanho(GANHO_EQUIPAMENTO, quantidade, intervalos),
      potencia_{calor_sensivel, potencia_eletrica, calor_latente},
      id_(id),
      porcent_convectiva_(porcent_convectiva),
      usar_pond_ashrae_(usar_pond_ashrae) {}

float TEquipamento::R_Potencia(int k) const { return k >= 0 && k < 3 ? potencia_[k] : 0.0f; }
float TEquipamento::R_Porcent_Convectiva() const { return porcent_convectiva_; }
bool TEquipamento::R_Usar_Pond_ASHRAE() const { return usar_pond_ashrae_; }
int TEquipamento::R_Id() const { return id_; }

TIluminacao::TIluminacao(int quantidade, TIntervalos* intervalos, float potencia, int id,
                         float porcent_convectiva, bool usar_pond_ashrae, bool usar_dados_daysim,
                         char* caminho_daysim)
    : TGanho(GANHO_ILUMINACAO, quantidade, intervalos),
      potencia_(potencia),
      id_(id),
      porcent_convectiva_(porcent_convectiva),
      usar_pond_ashrae_(usar_pond_ashrae),
      usar_dados_daysim_(usar_dados_daysim),
      caminho_daysim_(caminho_daysim) {}

TIluminacao::~TIluminacao() { delete[] caminho_daysim_; }

float TIluminacao::R_Potencia() const { return potencia_; }
float TIluminacao::R_Porcent_Convectiva() const { return porcent_convectiva_; }
bool TIluminacao::R_Usar_Pond_ASHRAE() const { return usar_pond_ashrae_; }
int TIluminacao::R_Id() const { return id_; }
bool TIluminacao::R_UsarDadosDAYSIM() const { return usar_dados_daysim_; }
char* TIluminacao::R_Caminho_Arquivo_DAYSIM() const { return caminho_daysim_; }

TGeracao_Vapor::TGeracao_Vapor(int quantidade, TIntervalos* intervalos, float geracao_vapor,
                               float temp_vapor, float potencia)
    : TGanho(GANHO_GERACAO_VAPOR, quantidade, intervalos),
      geracao_vapor_(geracao_vapor),
      temp_vapor_(temp_vapor),
      potencia_(potencia) {}

float TGeracao_Vapor::R_Geracao_Vapor(bool por_segundo) const {
  return por_segundo ? geracao_vapor_ : geracao_vapor_ * 3600.0f;
}
float TGeracao_Vapor::R_Temp_Vapor() const { return temp_vapor_; }
float TGeracao_Vapor::R_Potencia() const { return potencia_; }
