#include "Conversion.h"

namespace tolmo::extras {

Currency converti(Currency importo, const QVariant& valuta, Currency cambio, const ValutaStudio& studio,
                  const TassoEstero& tasso) {
    if (valuta.isNull()) return importo;
    const QString v = valuta.toString();
    const QString lira = QStringLiteral("LIRA"), euro = QStringLiteral("EURO");
    const double a = importo.toDouble(), k = studio.cambioLiraEuro;
    if (v == lira && studio.valuta == euro) return Currency::fromDouble(a / k);
    if (v == euro && studio.valuta == lira) return Currency::fromDouble(a * k);
    if (v == lira || v == euro) return importo;
    const bool proprio = cambio != Currency::fromUnits(1);
    if (studio.valuta == euro) return Currency::fromDouble(a / (proprio ? cambio.toDouble() : tasso(v)));
    if (studio.valuta == lira) return Currency::fromDouble(a / (proprio ? cambio.toDouble() : tasso(v)) * k);
    return importo;
}

}  // namespace tolmo::extras
