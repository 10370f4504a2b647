#pragma once
// Italian tax identifiers with their check characters, so the demo firm's parties carry codes
// that pass the usual validations.

#include <QDate>
#include <QString>

namespace tolmo::schema::demo {

/// The sixteen-character codice fiscale of a natural person born on `nascita` in the
/// municipality whose cadastral code is `codiceCatastale`.
QString codiceFiscale(const QString& cognome, const QString& nome, QDate nascita, bool femmina,
                      const QString& codiceCatastale);

/// The eleven-digit partita IVA made of a seven-digit serial, the three-digit province office
/// code and the check digit.
QString partitaIva(int serial, const QString& codiceProvincia);

}  // namespace tolmo::schema::demo
