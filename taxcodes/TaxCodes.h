#pragma once
// Italian tax identifiers: the check characters of the codice fiscale and of the partita IVA, and
// the validation of a code as typed, with the reason a code is refused.

#include <QChar>
#include <QDate>
#include <QString>
#include <functional>

namespace tolmo::taxcodes {

/// The check character (16th) of a codice fiscale whose first 15 characters are `primi15`,
/// upper case. A null QChar when `primi15` is not 15 characters among A-Z and 0-9.
QChar carattereControllo(const QString& primi15);

/// The check digit (11th) of a partita IVA whose first ten digits are `prime10`. A null QChar
/// when `prime10` is not ten digits 0-9.
QChar cifraControlloPartitaIva(const QString& prime10);

struct EsitoCodiceFiscale {
    bool valido = false;
    QString motivo;  ///< why the code is refused, one Italian sentence; empty when valid
    QDate nascita;
    bool femmina = false;
    QString codiceCatastale;  ///< the birthplace, omocodia letters turned back into digits
};

/// Checks a codice fiscale, taken trimmed and upper-cased. The two-digit year belongs to the
/// latest century that does not put the birth after `oggi`. A birthplace beginning with Z is a
/// foreign state and always accepted; any other must satisfy `luogoNoto`, when given.
EsitoCodiceFiscale verificaCodiceFiscale(const QString& codice,
                                         const std::function<bool(const QString&)>& luogoNoto,
                                         QDate oggi = QDate::currentDate());

struct EsitoPartitaIva {
    bool valido = false;
    QString motivo;  ///< why the number is refused, one Italian sentence; empty when valid
};

/// Checks a partita IVA, taken trimmed: eleven digits, not all zero, with its check digit.
EsitoPartitaIva verificaPartitaIva(const QString& numero);

/// The omocodia form of `codice` where the rightmost `sostituzioni` of its seven digit positions
/// (counted from the 15th character leftwards) hold their letters L M N P Q R S T U V instead of
/// 0-9, with the check character recomputed. A code that is not 16 characters of A-Z and 0-9
/// comes back unchanged.
QString omocodia(const QString& codice, int sostituzioni);

}  // namespace tolmo::taxcodes
