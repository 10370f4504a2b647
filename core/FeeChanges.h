#pragma once
// Whether a saved case asks the host to recompute its fee note: the value, the relevance or
// the tariff changed. Old and new values are compared in the new currency.

#include <QString>

#include "access/Currency.h"

namespace tolmo::core {

/// What the fee note of a case depends on.
struct DatiParcella {
    Currency valore;
    int rilevanza = 0;
    QString valuta;
    short tipoTariffa = 0;
    Currency flat;
    double maggiorazione = 0;
};

struct CambiParcella {
    bool estera = false;  ///< the currency is neither "EURO" nor "LIRA": the host is told nothing
    bool valore = false;
    bool rilevanza = false;
    bool tariffa = false;
};

/// Compares the stored values with those written. Between lire and euro the old value is
/// converted at `cambio` (lire per euro) first; a zero rate leaves it as it is.
CambiParcella confrontaParcella(const DatiParcella& prima, const DatiParcella& dopo, Currency cambio);

/// The value RicalcoloParcella carries: a positive euro value is multiplied by `cambio`.
Currency valoreRicalcolo(const DatiParcella& dopo, Currency cambio);

}  // namespace tolmo::core
