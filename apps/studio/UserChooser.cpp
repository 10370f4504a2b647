#include "UserChooser.h"

#include <QInputDialog>

#include "access/Recordset.h"

namespace tolmo::studio {

QList<std::pair<int, QString>> utentiDelloStudio(const ConnectionPtr& conn) {
    QList<std::pair<int, QString>> utenti;
    Recordset rs(conn, QStringLiteral("SELECT Id_Utente, NomeUtente FROM Utenti ORDER BY NomeUtente"),
                 adLockReadOnly);
    for (; !rs.Eof(); rs.MoveNext())
        utenti.append(
            {rs.value(QStringLiteral("Id_Utente")).toInt(), rs.text(QStringLiteral("NomeUtente")).trimmed()});
    return utenti;
}

int chooseUser(QWidget* parent, ConnectionPtr conn, int preselected) {
    QStringList names;
    QList<int> ids;
    for (const auto& [id, nome] : utentiDelloStudio(conn)) {
        ids << id;
        names << nome;
    }
    if (names.size() < 2) return ids.isEmpty() ? preselected : ids.first();
    bool ok = false;
    const QString chosen = QInputDialog::getItem(
        parent, QStringLiteral("Tolmo Studio"), QStringLiteral("Utente che lavora a questa postazione:"),
        names, std::max<int>(0, static_cast<int>(ids.indexOf(preselected))), false, &ok);
    return ok ? ids.at(names.indexOf(chosen)) : preselected;
}

}  // namespace tolmo::studio
