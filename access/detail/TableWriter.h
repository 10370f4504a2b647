#pragma once
// INSERT, UPDATE and DELETE of single rows of one table, values bound as its columns' kinds ask.

#include <QList>
#include <QVariant>

#include "Connection.h"

namespace tolmo::detail {

/// A value waiting to be written, under the catalog's name of its column.
struct PendingValue {
    QString column;
    QVariant value;
};
using PendingValues = QList<PendingValue>;

class TableWriter {
public:
    /// Throws DbError when `table` does not exist.
    TableWriter(ConnectionPtr conn, QString table);

    /// The column named `field` (any case); throws DbError when the table has none.
    const Connection::ColumnInfo& column(const QString& field) const;
    const QStringList& keyColumns() const { return m_keys; }
    /// Key values as they must be bound (same order as keyColumns()).
    QVariantList keyParams(const QVariantList& key) const;

    /// Inserts a row with `values` (the rest from the column defaults); returns its key,
    /// identity included (empty when the table has no key).
    QVariantList insert(const PendingValues& values);
    /// Returns the number of rows changed (0 when no row has `key`).
    int update(const PendingValues& values, const QVariantList& key);
    int remove(const QVariantList& key);

private:
    QVariant bind(const PendingValue& value) const;

    ConnectionPtr m_conn;
    QString m_table;
    QList<Connection::ColumnInfo> m_columns;
    QStringList m_keys;
};

}  // namespace tolmo::detail
