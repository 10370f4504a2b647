#include "FeeChanges.h"

namespace tolmo::core {

namespace {
const QString kEuro = QStringLiteral("EURO");
const QString kLira = QStringLiteral("LIRA");
}  // namespace

CambiParcella confrontaParcella(const DatiParcella& prima, const DatiParcella& dopo, Currency cambio) {
    CambiParcella c;
    c.estera = dopo.valuta != kEuro && dopo.valuta != kLira;
    Currency vecchio = prima.valore;
    if (prima.valuta == kEuro && dopo.valuta == kLira) {
        vecchio = vecchio * cambio.toDouble();
    } else if (prima.valuta == kLira && dopo.valuta == kEuro && vecchio != Currency() &&
               cambio != Currency()) {
        vecchio = Currency::fromDouble(vecchio.toDouble() / cambio.toDouble());
    }
    c.valore = vecchio != dopo.valore;
    c.rilevanza = prima.rilevanza != dopo.rilevanza;
    c.tariffa = prima.tipoTariffa != dopo.tipoTariffa || prima.flat != dopo.flat ||
                prima.maggiorazione != dopo.maggiorazione;
    return c;
}

Currency valoreRicalcolo(const DatiParcella& dopo, Currency cambio) {
    if (dopo.valuta == kEuro && dopo.valore > Currency()) return dopo.valore * cambio.toDouble();
    return dopo.valore;
}

}  // namespace tolmo::core
