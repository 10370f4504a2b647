#pragma once
// The tariff chosen for a case: its type, flat amount and surcharge.

#include "access/Currency.h"

namespace tolmo {

class clsTariffa {
public:
    short TipoTariffa = 0;  ///< 0 none, 1 "Tariffa 1", 2 "Tariffa 2", 3 flat fee
    Currency Flat;          ///< flat amount of a flat-fee case
    double Maggiorazione = 0;///< surcharge percentage
};

}  // namespace tolmo
