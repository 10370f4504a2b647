#pragma once
// INSERT, UPDATE and DELETE of single rows of one table, values bound as its columns' kinds ask.

#include <QList>
#include <QSqlRecord>
#include <QVariant>
#include <memory>

#include "Connection.h"
#include "RowVersion.h"
#include "TableLayout.h"

namespace tolmo::detail {

/// A value waiting to be written, under the catalog's name of its column.
struct PendingValue {
    QString column;
    QVariant value;  ///< as the caller gave it
    QVariant bound;  ///< as it is bound for its column
};
using PendingValues = QList<PendingValue>;

/// A row as the database stored it: its columns and their values, as the driver gave them.
struct StoredRow {
    QSqlRecord columns;
    QVariantList values;
};

class TableWriter {
public:
    /// Throws DbError when `table` does not exist.
    TableWriter(ConnectionPtr conn, QString table);

    /// `value` for the column named `field` (any case), bound at once: throws DbError when the
    /// table has no such column or the value does not fit its kind.
    PendingValue pendingValue(const QString& field, const QVariant& value) const;
    const QStringList& keyColumns() const { return m_layout->keyColumns(); }
    /// Key values as they must be bound (same order as keyColumns()).
    QVariantList keyParams(const QVariantList& key) const;

    /// Inserts a row with `values` (the rest from the column defaults) and hands back the row as
    /// stored: every column of the table, identity and defaults included.
    StoredRow insert(const PendingValues& values);
    /// Returns the number of rows changed (0 when no row has `key`, or when `version` is given
    /// and the row no longer holds it). A table with a row version moves it on by one whenever
    /// `version` is given; the version column itself is never among the values written.
    int update(const PendingValues& values, const QVariantList& key, const QVariant& version = {});
    /// True when the table keeps a row version.
    bool versioned() const { return m_layout->column(kVersioneRiga) != nullptr; }
    /// True when a row with `key` exists.
    bool exists(const QVariantList& key);
    int remove(const QVariantList& key);

private:
    /// `values` and, for each column that has a search key, the key (unless given too).
    PendingValues withKeys(const PendingValues& values) const;
    /// Runs an UPDATE or DELETE; returns the number of rows it changed.
    int run(const QString& sql, const QVariantList& params);

    ConnectionPtr m_conn;
    QString m_table;
    std::shared_ptr<const TableLayout> m_layout;
};

}  // namespace tolmo::detail
