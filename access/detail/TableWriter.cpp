#include "detail/TableWriter.h"

#include "DbError.h"
#include "SearchKey.h"
#include "detail/FieldValue.h"
#include "detail/SqlSource.h"

namespace tolmo::detail {

TableWriter::TableWriter(ConnectionPtr conn, QString table)
    : m_conn(std::move(conn)), m_table(std::move(table)), m_layout(m_conn->layout(m_table)) {
    if (m_layout->columns().isEmpty())
        throw DbError(QStringLiteral("La tabella «%1» non esiste.").arg(m_table),
                      QStringLiteral("Recordset: ") + m_table, -1);
}

PendingValue TableWriter::pendingValue(const QString& field, const QVariant& value) const {
    const Connection::ColumnInfo* column = m_layout->column(field);
    if (!column)
        throw DbError(QStringLiteral("Il campo «%1» non appartiene alla tabella «%2».").arg(field, m_table),
                      QStringLiteral("Recordset: ") + m_table, -1);
    return {column->name, value, bindValue(value, column->kind, m_conn->dialect(), column->name)};
}

QVariantList TableWriter::keyParams(const QVariantList& key) const {
    QVariantList params;
    const QStringList& keys = keyColumns();
    for (qsizetype i = 0; i < keys.size() && i < key.size(); ++i)
        params.append(pendingValue(keys.at(i), key.at(i)).bound);
    return params;
}

PendingValues TableWriter::withKeys(const PendingValues& values) const {
    QStringList names;
    QVariantList given;
    for (const PendingValue& value : values) {
        names << value.column;
        given << value.value;
    }
    const KeyedColumns keyed(names,
                             [this](const QString& name) { return m_layout->column(name) != nullptr; });
    const QVariantList keys = keyed.values(given);
    PendingValues all = values;
    for (qsizetype i = names.size(); i < keyed.columns().size(); ++i)
        all.append(pendingValue(keyed.columns().at(i), keys.at(i)));
    return all;
}

StoredRow TableWriter::insert(const PendingValues& values) {
    QStringList names, marks;
    QVariantList params;
    for (const PendingValue& value : withKeys(values)) {
        names.append(quoteIdentifier(value.column));
        marks.append(QStringLiteral("?"));
        params.append(value.bound);
    }
    QString sql = QStringLiteral("INSERT INTO ") + m_table;
    sql += names.isEmpty() ? QStringLiteral(" DEFAULT VALUES")
                           : QStringLiteral(" (%1) VALUES (%2)").arg(names.join(u", "), marks.join(u", "));
    // RETURNING (SQLite 3.35 and later, PostgreSQL) gives the row with what the database chose.
    // SQLite keeps the statement for the next row only when it names its columns.
    sql += QStringLiteral(" RETURNING ") +
           (m_conn->dialect() == Dialect::SQLite ? m_layout->columnList() : QStringLiteral("*"));
    StoredRow row;
    m_conn->withQuery(sql, params, [&row](QSqlQuery& q) {
        const QSqlRecord columns = q.record();  // before next(): on a row it would copy the values too
        if (!q.next()) return;
        row.columns = columns;
        row.values.reserve(row.columns.count());
        for (int i = 0; i < row.columns.count(); ++i) row.values.append(q.value(i));
    });
    if (row.values.isEmpty())
        throw DbError(QStringLiteral("Il database non ha restituito il record inserito nella tabella «%1».")
                          .arg(m_table),
                      QStringLiteral("Recordset: ") + m_table, -1);
    return row;
}

int TableWriter::update(const PendingValues& values, const QVariantList& key, const QVariant& version) {
    QStringList assignments;
    QVariantList params;
    for (const PendingValue& value : withKeys(values)) {
        if (value.column.compare(kVersioneRiga, Qt::CaseInsensitive) == 0) continue;
        assignments.append(quoteIdentifier(value.column) + QStringLiteral(" = ?"));
        params.append(value.bound);
    }
    QString condition = keyCondition(keyColumns());
    params += keyParams(key);
    const bool guarded = versioned() && !version.isNull();
    if (guarded) {
        const QString column =
            quoteIdentifier(m_layout->column(kVersioneRiga)->name);  // as the catalog spells it
        assignments.append(column + QStringLiteral(" = ") + column + QStringLiteral(" + 1"));
        condition += QStringLiteral(" AND ") + column + QStringLiteral(" = ?");
        params.append(version.toLongLong());
    }
    if (assignments.isEmpty()) return exists(key) ? 1 : 0;
    return run(QStringLiteral("UPDATE %1 SET %2 WHERE %3").arg(m_table, assignments.join(u", "), condition),
               params);
}

bool TableWriter::exists(const QVariantList& key) {
    bool found = false;
    m_conn->withQuery(QStringLiteral("SELECT 1 FROM %1 WHERE %2").arg(m_table, keyCondition(keyColumns())),
                      keyParams(key), [&found](QSqlQuery& q) { found = q.next(); });
    return found;
}

int TableWriter::remove(const QVariantList& key) {
    return run(QStringLiteral("DELETE FROM %1 WHERE %2").arg(m_table, keyCondition(keyColumns())),
               keyParams(key));
}

int TableWriter::run(const QString& sql, const QVariantList& params) {
    int changed = 0;
    m_conn->withQuery(sql, params, [&changed](QSqlQuery& q) { changed = q.numRowsAffected(); });
    return changed;
}

}  // namespace tolmo::detail
