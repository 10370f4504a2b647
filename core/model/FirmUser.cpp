#include "FirmUser.h"

#include "access/Recordset.h"

namespace tolmo::core {

FirmUser::FirmUser(ConnectionPtr conn, int id) : m_id(id) {
    if (!conn) return;
    Recordset rs(conn,
                 QStringLiteral("SELECT Gruppo FROM R_UtentiGruppi WHERE Id_Utente = ? ORDER BY Gruppo"),
                 adLockReadOnly, {id});
    for (; !rs.Eof(); rs.MoveNext()) m_groups << rs.text(QStringLiteral("Gruppo")).trimmed();
}

}  // namespace tolmo::core
