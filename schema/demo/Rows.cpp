#include "Rows.h"

#include "schema/Schema.h"

namespace tolmo::schema::demo {

RowWriter::RowWriter(Connection& c, const QString& table, const QStringList& columns)
    : m_conn(c),
      m_table(table),
      m_columnCount(int(columns.size())),
      m_keyed(colonneConChiavi(table, columns)) {
    QStringList marks;
    for (qsizetype i = 0; i < m_keyed.columns().size(); ++i) marks << QStringLiteral("?");
    m_sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                .arg(table, m_keyed.columns().join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
}

void RowWriter::operator()(const QVariantList& values) {
    if (values.size() != m_columnCount)
        throw DbError(QStringLiteral("Riga dimostrativa di %1 con %2 valori invece di %3.")
                          .arg(m_table)
                          .arg(values.size())
                          .arg(m_columnCount),
                      QStringLiteral("tolmo_schema: studio dimostrativo"), -1);
    // A null QVariant is NULL; a string, even a default-constructed one, is a string.
    QVariantList bound = values;
    for (QVariant& v : bound)
        if (v.typeId() == QMetaType::QString && v.toString().isNull()) v = QStringLiteral("");
    m_conn.Execute(m_sql, m_keyed.values(bound));
}

void insertRow(Connection& c, const QString& table, const Fields& fields) {
    QStringList columns;
    QVariantList values;
    for (const auto& [column, value] : fields) {
        columns << column;
        values << value;
    }
    RowWriter(c, table, columns)(values);
}

void syncIdentities(Connection& c) {
    if (c.dialect() != Dialect::PostgreSQL) return;
    for (const TableInfo& t : tables()) {
        const ColumnInfo* key = t.column(t.primaryKey);
        if (!key || key->type != ColumnType::Id) continue;
        // pg_get_serial_sequence folds the table name but takes the column name literally.
        c.Execute(QStringLiteral("SELECT setval(pg_get_serial_sequence('%1', '%2'), "
                                 "COALESCE((SELECT MAX(%3) FROM %1), 0) + 1, false)")
                      .arg(t.name, key->name.toLower(), key->name));
    }
}

}  // namespace tolmo::schema::demo
