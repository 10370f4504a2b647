#pragma once
// Quick insertion of a party into the register (Anagrafica), for a host that is asked to
// register a client the case form does not find.

#include <QString>

#include "access/Connection.h"
#include "parties/PartyStore.h"

namespace tolmo::hostkit {

/// A party the register cannot take as given; `message()` says why, in Italian.
using PartyRefused = parties::PartyRefused;

/// Adds a party, not reserved to anybody, in one transaction on `rw` and returns its ID_Ana.
/// Texts are stored trimmed, the tax code upper-cased. Throws PartyRefused for an empty
/// surname or a text longer than its column, DbError when the database fails.
int insertParty(ConnectionPtr rw, const QString& cognome, const QString& nome, const QString& categoria,
                const QString& codiceFiscale = {}, const QString& citta = {});

}  // namespace tolmo::hostkit
