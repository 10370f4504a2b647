#pragma once
// Storing a party of the register (Anagrafica): a new one, or the changes to one.

#include <QList>
#include <QString>
#include <QVariant>
#include <stdexcept>

#include "access/Connection.h"

namespace tolmo::parties {

/// A party the register cannot take as given; `message()` says why, in Italian.
class PartyRefused : public std::runtime_error {
public:
    explicit PartyRefused(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

/// One column of the party, with the name the person knows it by.
struct ValoreAnagrafica {
    QString colonna;
    QString etichetta;
    QVariant valore;  ///< a text is stored trimmed; an empty Categoria as NULL
};

/// Stores the values in one transaction on `rw`: a new party, not reserved to anybody, when `id`
/// is 0, else the changes to party `id`. Returns the party's ID_Ana. Throws PartyRefused for an
/// empty surname or a text longer than its column, DbError when the database fails.
int registraAnagrafica(const ConnectionPtr& rw, const QList<ValoreAnagrafica>& valori, int id = 0);

}  // namespace tolmo::parties
