#pragma once
// An amount of an invoice or an expense brought into the firm's currency: lire and euro by the
// firm's lira/euro rate, a foreign currency by the row's own rate or, without one, the latest
// rate on file. Divisions in double precision, the result back in the currency type.

#include <QString>
#include <QVariant>
#include <functional>

#include "access/Currency.h"

namespace tolmo::extras {

/// The firm's currency ("EURO" or "LIRA") and its lira/euro rate.
struct ValutaStudio {
    QString valuta = QStringLiteral("EURO");
    double cambioLiraEuro = 1936.27;
};

/// The latest rate of a foreign currency (euro per unit), asked only when a row needs it.
using TassoEstero = std::function<double(const QString& simbolo)>;

/// `importo` of a row in currency `valuta` (null: no currency) with its own rate `cambio` (1 when
/// none was recorded), in the firm's currency.
Currency converti(Currency importo, const QVariant& valuta, Currency cambio, const ValutaStudio& studio,
                  const TassoEstero& tasso);

}  // namespace tolmo::extras
