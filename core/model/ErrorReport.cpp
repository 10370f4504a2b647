#include "ErrorReport.h"

namespace tolmo::core {

QString errorReportText(const QString& action, const RunTimeError& error) {
    const QString gap = QStringLiteral("\r\r");
    return QStringLiteral("Azione : ") + action + gap + QStringLiteral("Descrizione : ") + error.description +
           gap + QStringLiteral("Fonte  : ") + error.source + gap + QStringLiteral("Codice  : ") +
           QString::number(error.number);
}

}  // namespace tolmo::core
