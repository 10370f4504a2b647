#pragma once
// Texts and names the confirmation and the save share.

#include <QString>

#include "form/Interaction.h"

namespace tolmo::core {

/// The action text of every error report raised while confirming or saving a case.
inline const QString kRegistrazione = QStringLiteral("Registrazione Pratica");
/// The line break of the save's messages.
inline const QString kCrLf = QStringLiteral("\r\n");
/// Told when another workstation saved the case after this one opened it for modification.
inline const QString kPraticaCambiata =
    QStringLiteral("La pratica è stata modificata su un'altra postazione dopo che è stata aperta qui.");

}  // namespace tolmo::core

namespace tolmo::core::saving {

// What both files speak of: the message boxes and the two texts above.
using core::kCrLf;
using core::kPraticaCambiata;
using core::kRegistrazione;
using form::MsgAnswer;
using form::MsgButtons;
using form::MsgIcon;

}  // namespace tolmo::core::saving
