#pragma once
// The short reference of the case on screen put into a mail's body by the party cards. Its line
// breaks are written already encoded for a mail link.

#include <QString>

#include "ComponentServices.h"
#include "PraticaForm.h"

namespace tolmo::core {

/// The end of a line of a mail text: two CR LF pairs, encoded for a mail link.
inline const QString kFineRigaMail = QStringLiteral("%0D%0A%0D%0A");

/// Position, client, counterparty and subject of the case on screen; "" when none is shown.
QString TestoMailPratica(ComponentServices& services, PraticaForm& form);

}  // namespace tolmo::core
