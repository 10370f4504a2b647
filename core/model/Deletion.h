#pragma once
// Deleting the rows a case leaves in another table, one by one, inside the delete's transaction.

#include <QString>

#include "CaseSection.h"
#include "access/TolmoAccess.h"

namespace tolmo::core {

/// Opens `sqlUpToId` followed by the case id on the delete's connection and deletes every row.
inline void eliminaRighe(DeleteContext& ctx, const QString& sqlUpToId) {
    AccessoDati dati;
    dati.Apri(ctx.conn, sqlUpToId + QString::number(ctx.caseId), adLockOptimistic);
    for (Recordset& rs = dati.recordset(); !rs.Eof(); rs.MoveNext()) rs.Delete();
    dati.Chiudi();
}

}  // namespace tolmo::core
