#pragma once
// Writing the demo firm's rows: one INSERT per row, every value bound as a parameter.

#include <QDate>
#include <QStringList>
#include <QVariantList>

#include "access/TolmoAccess.h"

namespace tolmo::schema::demo {

/// Inserts rows into one table: `RowWriter w(c, "Gruppi", {"ID_Gruppo", "Gruppo"}); w({1, "TUTTI"});`
class RowWriter {
public:
    RowWriter(Connection& c, const QString& table, const QStringList& columns);
    /// Adds one row; `values` follow the column order given to the constructor.
    void operator()(const QVariantList& values);

private:
    Connection& m_conn;
    QString m_table;
    int m_columnCount;
    KeyedColumns m_keyed;  ///< the columns with the search keys of those that have one
    QString m_sql;
};

/// NULL for an invalid date or a null text, the value otherwise.
inline QVariant orNull(QDate d) { return d.isValid() ? QVariant(d) : QVariant(); }
inline QVariant orNull(const char* text) { return text ? QVariant(QString::fromUtf8(text)) : QVariant(); }
/// An amount written the Italian way ("118,50") as the number it is; null for "" or none.
inline QVariant importoOrNull(const char* text) {
    const auto amount = text ? Currency::parse(QString::fromUtf8(text)) : std::nullopt;
    return amount ? QVariant(amount->toDouble()) : QVariant();
}

/// One row as column and value pairs.
using Fields = QList<QPair<QString, QVariant>>;
/// Inserts one row given as column and value pairs.
void insertRow(Connection& c, const QString& table, const Fields& fields);

/// After rows were written with explicit ids, moves every identity of the schema past the
/// largest id in use, so the database assigns the next ones (PostgreSQL; SQLite needs nothing).
void syncIdentities(Connection& c);

}  // namespace tolmo::schema::demo
