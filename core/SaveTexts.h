#pragma once
// Texts and names the confirmation and the save share.

#include <QString>

#include "form/Interaction.h"

namespace tolmo::core {

/// The action text of every error report raised while confirming or saving a case.
inline const QString kRegistrazione = QStringLiteral("Registrazione Pratica");
/// The line break of the save's messages.
inline const QString kCrLf = QStringLiteral("\r\n");
/// Asked when another workstation saved the case after this one showed it for modification.
inline const QString kPraticaCambiata =
    QStringLiteral("La pratica è stata modificata su un'altra postazione dopo che è stata aperta qui.") +
    kCrLf + kCrLf +
    QStringLiteral("Sì: salva ciò che è stato digitato qui al posto della versione dell'altra postazione.") +
    kCrLf +
    QStringLiteral(
        "No: mostra la pratica come l'ha salvata l'altra postazione; ciò che è stato digitato qui "
        "non viene salvato.") +
    kCrLf + QStringLiteral("Annulla: torna alla modifica, con tutto ciò che è stato digitato.");

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
