// arqaux: the persistence layer of the building simulation. Including this
// header gives a host program every public name of the library.
#ifndef ARQAUX_ARQAUX_H_
#define ARQAUX_ARQAUX_H_

#include "arqaux/contracts/building_model.h"
#include "arqaux/contracts/exporta.h"
#include "arqaux/contracts/hvac_model.h"
#include "arqaux/contracts/internal_gains.h"
#include "arqaux/contracts/regulation.h"
#include "arqaux/contracts/renewable.h"
#include "arqaux/contracts/utility.h"
#include "arqaux/dados.h"
#include "arqaux/formatos.h"
#include "arqaux/geren_arquivoaux.h"
#include "arqaux/lista.h"
#include "arqaux/load_records.h"
#include "arqaux/records.h"
#include "arqaux/version.h"

#endif  // ARQAUX_ARQAUX_H_
