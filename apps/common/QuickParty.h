#pragma once
// Quick insertion of a party into the register (Anagrafica), for a host that is asked to
// register a client the case form does not find.

#include <QString>
#include <stdexcept>

#include "access/Connection.h"

namespace tolmo::hostkit {

/// A party the register cannot take as given; `message()` says why, in Italian.
class PartyRefused : public std::runtime_error {
public:
    explicit PartyRefused(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

/// Adds a party, not reserved to anybody, in one transaction on `rw` and returns its ID_Ana.
/// Texts are stored trimmed, the tax code upper-cased. Throws PartyRefused for an empty
/// surname or a text longer than its column, DbError when the database fails.
int insertParty(ConnectionPtr rw, const QString& cognome, const QString& nome, const QString& categoria,
                const QString& codiceFiscale = {}, const QString& citta = {});

}  // namespace tolmo::hostkit
