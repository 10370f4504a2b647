#pragma once
// Finding a case by the position number the office writes on its folder.

#include <QString>

#include "access/Connection.h"

namespace tolmo::hostkit {

/// The ID_Pra of the case whose position, trimmed, is `posizione` trimmed (the lowest id
/// when several share it); 0 when none, or for an empty position. Case 1 is never found.
/// Throws DbError.
int findCaseByPosition(ConnectionPtr conn, const QString& posizione);

}  // namespace tolmo::hostkit
