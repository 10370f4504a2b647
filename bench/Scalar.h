#pragma once
// One value out of a query.

#include <QSqlQuery>
#include <QVariant>

#include "access/TolmoAccess.h"

namespace tolmo::bench {

/// The first column of the first row, null when there is no row. The whole result is read, so
/// that PostgreSQL, which streams rows, has nothing left pending when the next statement runs.
inline QVariant scalar(Connection& conn, const QString& sql, const QVariantList& params = {}) {
    QSqlQuery q = conn.query(sql, params);
    QVariant value = q.next() ? q.value(0) : QVariant();
    while (q.next()) {
    }
    return value;
}

}  // namespace tolmo::bench
