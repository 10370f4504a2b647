#include "CaseFinder.h"

#include "access/Recordset.h"

namespace tolmo::hostkit {

int findCaseByPosition(ConnectionPtr conn, const QString& posizione) {
    const QString wanted = posizione.trimmed();
    if (wanted.isEmpty()) return 0;
    Recordset rs(conn,
                 QStringLiteral(
                     "SELECT ID_Pra FROM Pratica WHERE ID_Pra <> 1 AND TRIM(Posizione) = ? ORDER BY ID_Pra"),
                 adLockReadOnly, {wanted});
    return rs.Eof() ? 0 : rs.value(QStringLiteral("ID_Pra")).toInt();
}

}  // namespace tolmo::hostkit
