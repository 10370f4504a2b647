#pragma once
// Asks who is working at this desk: the firm's users, the last one preselected.

#include "access/Connection.h"

#include <QWidget>

namespace tolmo::studio {

/// Returns the chosen Id_Utente, or `preselected` when the person cancels or the
/// firm has a single user.
int chooseUser(QWidget* parent, ConnectionPtr conn, int preselected);

}  // namespace tolmo::studio
