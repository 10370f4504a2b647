#pragma once
// The standard error report: what failed, why, where, and its code.

#include <QString>

namespace tolmo::core {

struct RunTimeError {
    QString description;
    QString source;
    long number = 0;
    bool pending = false;
};

/// "Azione : ...", "Descrizione : ...", "Fonte  : ...", "Codice  : ..." separated by an
/// empty line; every line break is a single carriage return.
QString errorReportText(const QString& action, const RunTimeError& error);

inline const QString kErrorReportTitle = QStringLiteral("Attenzione si è verificato un errore");

}  // namespace tolmo::core
