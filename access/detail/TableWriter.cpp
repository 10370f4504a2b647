#include "detail/TableWriter.h"

#include "DbError.h"
#include "detail/FieldValue.h"
#include "detail/SqlSource.h"

namespace tolmo::detail {

TableWriter::TableWriter(ConnectionPtr conn, QString table)
    : m_conn(std::move(conn)), m_table(std::move(table)), m_columns(m_conn->columns(m_table)) {
    if (m_columns.isEmpty())
        throw DbError(QStringLiteral("La tabella «%1» non esiste.").arg(m_table),
                      QStringLiteral("Recordset: ") + m_table, -1);
    m_keys = m_conn->primaryKeyColumns(m_table);
}

const Connection::ColumnInfo& TableWriter::column(const QString& field) const {
    for (const Connection::ColumnInfo& column : m_columns)
        if (column.name.compare(field, Qt::CaseInsensitive) == 0) return column;
    throw DbError(QStringLiteral("Il campo «%1» non appartiene alla tabella «%2».").arg(field, m_table),
                  QStringLiteral("Recordset: ") + m_table, -1);
}

QVariant TableWriter::bind(const PendingValue& value) const {
    const Connection::ColumnInfo& info = column(value.column);
    return bindValue(value.value, info.kind, m_conn->dialect(), info.name);
}

QVariantList TableWriter::keyParams(const QVariantList& key) const {
    QVariantList params;
    for (qsizetype i = 0; i < m_keys.size() && i < key.size(); ++i)
        params.append(bind({m_keys.at(i), key.at(i)}));
    return params;
}

QVariantList TableWriter::insert(const PendingValues& values) {
    QStringList names, marks;
    QVariantList params;
    for (const PendingValue& value : values) {
        names.append(quoteIdentifier(column(value.column).name));
        marks.append(QStringLiteral("?"));
        params.append(bind(value));
    }
    QString sql = QStringLiteral("INSERT INTO ") + m_table;
    sql += names.isEmpty() ? QStringLiteral(" DEFAULT VALUES")
                           : QStringLiteral(" (%1) VALUES (%2)").arg(names.join(u", "), marks.join(u", "));
    if (m_keys.isEmpty()) {
        m_conn->Execute(sql, params);
        return {};
    }
    QStringList returning;
    for (const QString& key : m_keys) returning.append(quoteIdentifier(key));
    // RETURNING (SQLite 3.35 and later, PostgreSQL) gives the identity the database chose.
    sql += QStringLiteral(" RETURNING ") + returning.join(u", ");
    QSqlQuery q = m_conn->query(sql, params);
    QVariantList key;
    if (q.next())
        for (qsizetype i = 0; i < m_keys.size(); ++i) key.append(q.value(static_cast<int>(i)));
    return key;
}

int TableWriter::update(const PendingValues& values, const QVariantList& key) {
    QStringList assignments;
    QVariantList params;
    for (const PendingValue& value : values) {
        assignments.append(quoteIdentifier(column(value.column).name) + QStringLiteral(" = ?"));
        params.append(bind(value));
    }
    params += keyParams(key);
    return m_conn->Execute(QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                               .arg(m_table, assignments.join(u", "), keyCondition(m_keys)),
                           params);
}

int TableWriter::remove(const QVariantList& key) {
    return m_conn->Execute(QStringLiteral("DELETE FROM %1 WHERE %2").arg(m_table, keyCondition(m_keys)),
                           keyParams(key));
}

}  // namespace tolmo::detail
