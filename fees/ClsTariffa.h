#pragma once
// The tariff chosen for a case: its type, flat amount and surcharge, and the two labels of the
// case form that show it.

#include <QLocale>
#include <QString>

#include "access/Currency.h"

namespace tolmo {

class clsTariffa {
public:
    short TipoTariffa = 0;     ///< 0 default hourly tariff, 1 "Tariffa 1", 2 "Tariffa 2", 3 flat amount
    Currency ImportoFlat;      ///< the flat amount; meaningful only for type 3
    double Maggiorazione = 0;  ///< surcharge (positive) or discount (negative) in percent, types 1 and 2
};

/// A number as the labels write it: decimal comma, no grouping, no trailing zeros (12,5; 350).
inline QString numeroEtichetta(double value) {
    QLocale italian(QLocale::Italian);
    italian.setNumberOptions(QLocale::OmitGroupSeparator);
    return italian.toString(value, 'f', QLocale::FloatingPointShortest);
}

/// The caption of lblTariffaImpostata: "", "Tariffa 1", "Tariffa 2" or "Flat".
inline QString etichettaTariffa(const clsTariffa& t) {
    switch (t.TipoTariffa) {
        case 1:
            return QStringLiteral("Tariffa 1");
        case 2:
            return QStringLiteral("Tariffa 2");
        case 3:
            return QStringLiteral("Flat");
        default:
            return {};
    }
}

/// The caption of lblTarDati: "Magg. 12,5%" for tariffs 1 and 2 with a surcharge, "€. 350" for a
/// flat amount, "" otherwise.
inline QString dettaglioTariffa(const clsTariffa& t) {
    if ((t.TipoTariffa == 1 || t.TipoTariffa == 2) && t.Maggiorazione != 0)
        return QStringLiteral("Magg. ") + numeroEtichetta(t.Maggiorazione) + QLatin1Char('%');
    if (t.TipoTariffa == 3) return QStringLiteral("€. ") + numeroEtichetta(t.ImportoFlat.toDouble());
    return {};
}

}  // namespace tolmo
