#include "UserChooser.h"

#include "access/Recordset.h"

#include <QInputDialog>

namespace tolmo::studio {

int chooseUser(QWidget* parent, ConnectionPtr conn, int preselected) {
    QStringList names;
    QList<int> ids;
    Recordset rs(conn, QStringLiteral("SELECT Id_Utente, NomeUtente FROM Utenti ORDER BY NomeUtente"), adLockReadOnly);
    for (; !rs.Eof(); rs.MoveNext()) {
        ids << rs.value(QStringLiteral("Id_Utente")).toInt();
        names << rs.text(QStringLiteral("NomeUtente")).trimmed();
    }
    if (names.size() < 2) return ids.isEmpty() ? preselected : ids.first();
    bool ok = false;
    const QString chosen = QInputDialog::getItem(parent, QStringLiteral("Tolmo Studio"),
                                                 QStringLiteral("Utente che lavora a questa postazione:"), names,
                                                 std::max<int>(0, static_cast<int>(ids.indexOf(preselected))), false, &ok);
    return ok ? ids.at(names.indexOf(chosen)) : preselected;
}

}  // namespace tolmo::studio
