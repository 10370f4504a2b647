#pragma once
// Inserts many rows into one table through a multi-row INSERT that is prepared once and executed
// for every full batch; the values are always bound, never written into the statement.

#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include "access/TolmoAccess.h"

namespace tolmo::schema::demo {

class BatchInsert {
public:
    BatchInsert(Connection& conn, const QString& table, const QStringList& columns);
    BatchInsert(const BatchInsert&) = delete;
    BatchInsert& operator=(const BatchInsert&) = delete;

    /// Adds one row: one value per column, in the order of the columns. Throws DbError.
    void add(const QVariantList& row);
    /// Writes the rows still pending; rows not flushed are never written. Throws DbError.
    void flush();
    qint64 rowsWritten() const { return m_written; }

private:
    QString statement(int rows) const;
    void execute(QSqlQuery& query, int rows);

    Connection& m_conn;
    QString m_table;
    KeyedColumns m_keyed;  ///< the columns given, with the search keys of those that have one
    QStringList m_columns;
    int m_batchRows;
    QSqlQuery m_full;
    QVariantList m_pending;
    qint64 m_written = 0;
};

}  // namespace tolmo::schema::demo
