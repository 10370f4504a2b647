#pragma once
// Values between the drivers and the callers: what a column gives back, what a column is bound to.

#include <QVariant>
#include <optional>

#include "Connection.h"

namespace tolmo::detail {

using ColumnKind = Connection::ColumnInfo::Kind;

/// How a result column is read: the declared kind of its base-table column, or none for
/// expressions and joins (then the driver's own type decides).
struct FieldKind {
    std::optional<ColumnKind> kind;
    bool driverReportsDouble = false;  ///< PostgreSQL hands NUMERIC over as text
};

/// The caller-facing value: Amount as a double of four decimals, Boolean as bool, Date as QDate,
/// null as a null QVariant; with no known kind the driver's value, doubles rounded to four decimals.
QVariant readValue(const QVariant& raw, const FieldKind& field);

/// The value to bind for a column of `kind` on `dialect`: amounts as exact decimal text on
/// PostgreSQL and as a double of four decimals on SQLite, booleans as 0/1 on SQLite, dates as
/// ISO text on SQLite. Throws DbError naming `column` when the value does not fit the kind.
QVariant bindValue(const QVariant& value, ColumnKind kind, Dialect dialect, const QString& column);

/// A date from QDate, QDateTime or ISO text ("yyyy-MM-dd", "yyyy-MM-ddTHH:mm:ss"); invalid otherwise.
QDate toDate(const QVariant& value);

}  // namespace tolmo::detail
