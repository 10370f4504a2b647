#pragma once
// Asks who is working at this desk: the firm's users, the last one preselected.

#include <QList>
#include <QString>
#include <QWidget>
#include <utility>

#include "access/Connection.h"

namespace tolmo::studio {

/// The firm's users by name: Id_Utente and NomeUtente.
QList<std::pair<int, QString>> utentiDelloStudio(const ConnectionPtr& conn);

/// Returns the chosen Id_Utente, or `preselected` when the person cancels or the
/// firm has a single user.
int chooseUser(QWidget* parent, ConnectionPtr conn, int preselected);

}  // namespace tolmo::studio
