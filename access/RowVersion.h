#pragma once
// Row versions: a table that holds the column kVersioneRiga has each write of a row checked
// against the version its writer read, and the version moved on by one. Only a write of a row
// read with its version (or told the version it must find, Recordset::expectVersion) takes
// part: a record set of a few named columns writes those columns and leaves the version alone.

#include <QString>

namespace tolmo {

inline const QString kVersioneRiga = QStringLiteral("VersioneRiga");

/// The description of the error a write raises when another workstation changed the row.
QString rigaCambiataSentence();

}  // namespace tolmo
