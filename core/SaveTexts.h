#pragma once
// Texts the confirmation and the save share.

#include <QString>

namespace tolmo::core {

/// The action text of every error report raised while confirming or saving a case.
inline const QString kRegistrazione = QStringLiteral("Registrazione Pratica");
/// The line break of the save's messages.
inline const QString kCrLf = QStringLiteral("\r\n");

}  // namespace tolmo::core
