#ifndef ARQAUX_CONTRACTS_RENEWABLE_H_
#define ARQAUX_CONTRACTS_RENEWABLE_H_

#include "arqaux/contracts/utility.h"

#endif  // ARQAUX_CONTRACTS_RENEWABLE_H_
