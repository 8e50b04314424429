#ifndef ARQAUX_CONTRACTS_HVAC_MODEL_H_
#define ARQAUX_CONTRACTS_HVAC_MODEL_H_

#include "arqaux/contracts/utility.h"

#endif  // ARQAUX_CONTRACTS_HVAC_MODEL_H_
