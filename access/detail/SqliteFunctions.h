#pragma once
// SQL functions SQLite lacks or gets wrong for Italian text.

#include <QSqlDatabase>
#include <QVariant>

namespace tolmo::detail {

/// Replaces UPPER and LOWER on an open QSQLITE connection with Unicode-aware versions,
/// so UPPER('perchè') gives 'PERCHÈ' as QString::toUpper does. False when the handle is not
/// SQLite's or registration failed.
bool registerUnicodeCaseFunctions(QSqlDatabase& db);

/// The text to bind so SQLite stores it as given: SQLite takes a leading U+FEFF or U+FFFE of
/// bound UTF-16 text for a byte-order mark and drops it (or swaps the bytes), so such text gets
/// a native mark in front for SQLite to drop. Other values pass unchanged.
QVariant keepLeadingByteOrderMark(const QVariant& value);

}  // namespace tolmo::detail
