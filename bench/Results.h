#pragma once
// Reading query results so that nothing is left pending on the connection: PostgreSQL streams
// the rows, and a statement run while an earlier result is still open loses that result.

#include <QSqlQuery>
#include <QVariant>

#include "access/TolmoAccess.h"

namespace tolmo::bench {

/// Calls `use` with the query positioned on each row in turn; the query is gone on return.
template <typename Use>
void forEachRow(Connection& conn, const QString& sql, const QVariantList& params, Use use) {
    QSqlQuery q = conn.query(sql, params);
    while (q.next()) use(q);
}

/// The first column of the first row, null when there is no row.
inline QVariant scalar(Connection& conn, const QString& sql, const QVariantList& params = {}) {
    QVariant value;
    forEachRow(conn, sql, params, [&value](const QSqlQuery& q) {
        if (!value.isValid()) value = q.value(0);
    });
    return value;
}

}  // namespace tolmo::bench
