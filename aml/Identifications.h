#pragma once
// Who identified a party for the anti-money-laundering archive: the identifications a
// professional made (AnagraficaAR), the names they go by, the party a subject acts for.

#include <QString>

#include "access/Connection.h"
#include "access/DbError.h"

namespace tolmo::aml {

/// The professional registering a service, as the form's two user lists give him: his VAT
/// number (txtpartitaIva) and, when he was chosen by it, his anti-money-laundering code.
struct Professionista {
    QString partitaIva;
    QString codiceAR;  ///< "" when chosen by VAT number
};

struct Identificazione {
    QString nome;            ///< surname and first name, each trimmed, a blank between (none for a company)
    QString codiceFiscale;   ///< tax code of a natural person, VAT number of a company
    bool persona = true;     ///< a natural person (IsFisicaGiuridica)
    QString codiceProf;      ///< codiceprof of the identification, "" when none
    QString professionista;  ///< the identifying professional's user name, "" when none
    int idAr = 0;            ///< the identification, 0 when none
};

/// The condition joining identification `a` (an AnagraficaAR row) with the user `u` who made it:
/// by his code when the identification has one, else by his VAT number.
inline const QString kIdentificatoreDi =
    QStringLiteral("((a.AzeroDue IS NULL AND a.codiceprof = u.Piva) OR u.CodUteAR = a.AzeroDue)");

/// A party's name as the archive shows it: surname and first name, each trimmed, a blank between
/// (none for a company).
inline QString nomeCompleto(const QString& cognome, const QString& nome) {
    return (cognome.trimmed() + QLatin1Char(' ') + nome.trimmed()).trimmed();
}

/// A failed cercaIdentificazione: told with an action of its own ("GetAnagrafica").
class LookupFailed : public DbError {
public:
    explicit LookupFailed(const DbError& e) : DbError(e) {}
};

/// `s` as a bound value: an empty text, never NULL (a null QString binds as NULL).
inline QString testo(const QString& s) { return s.isNull() ? QStringLiteral("") : s; }

/// The party's name and code, and its first identification: by `chi` when given (by his code,
/// or by his VAT number alone when he has no code), else by anybody. Throws LookupFailed.
Identificazione cercaIdentificazione(Connection& c, int anagrafica, const Professionista* chi);
/// The user name of a professional: by his code when there is one, else by his VAT number.
QString cercaNomeProfessionista(Connection& c, const QString& codiceProf, const QString& azeroDue);
/// The party on whose behalf `anagrafica` acts in the case's service, with its name; 0 and "" when none.
std::pair<int, QString> cercaPerContoDi(Connection& c, int pratica, int anagrafica);
/// True when the professional of AML code `codiceAR` has identified `anagrafica`.
bool identificatoDa(Connection& c, int anagrafica, const QString& codiceAR);

}  // namespace tolmo::aml
