// Table layouts read from the catalog of either engine, cached per connection.

#include <QRegularExpression>

#include "Connection.h"
#include "detail/ConnectionCache.h"

namespace tolmo {

namespace {

using Kind = Connection::ColumnInfo::Kind;

/// The kind of a declared SQL type, the same words on SQLite and PostgreSQL.
Kind kindOfDeclaredType(const QString& declared) {
    static const QRegularExpression kFirstWord(QStringLiteral("^\\s*([A-Za-z0-9_]+)"));
    const QString word = kFirstWord.match(declared).captured(1).toUpper();
    static const QStringList kIntegers{"INT",  "INTEGER", "BIGINT", "SMALLINT", "TINYINT",
                                       "INT2", "INT4",    "INT8",   "SERIAL",   "BIGSERIAL"};
    if (kIntegers.contains(word)) return Kind::Integer;
    if (word == u"BOOLEAN" || word == u"BOOL") return Kind::Boolean;
    if (word == u"NUMERIC" || word == u"DECIMAL" || word == u"MONEY") return Kind::Amount;
    if (word == u"REAL" || word == u"DOUBLE" || word == u"FLOAT" || word == u"FLOAT4" || word == u"FLOAT8")
        return Kind::Real;
    if (word == u"DATE" || word == u"DATETIME" || word.startsWith(u"TIMESTAMP")) return Kind::Date;
    return Kind::Text;
}

const QString kSqliteColumns = QStringLiteral("SELECT name, type, pk FROM pragma_table_info(?) ORDER BY cid");

const QString kPostgresColumns = QStringLiteral(
    "SELECT c.column_name, c.data_type, "
    "c.is_identity = 'YES' OR COALESCE(c.column_default, '') LIKE 'nextval(%', "
    "EXISTS (SELECT 1 FROM information_schema.table_constraints tc "
    "JOIN information_schema.key_column_usage k ON k.constraint_schema = tc.constraint_schema "
    "AND k.constraint_name = tc.constraint_name AND k.table_name = tc.table_name "
    "WHERE tc.constraint_type = 'PRIMARY KEY' AND tc.table_schema = c.table_schema "
    "AND tc.table_name = c.table_name AND k.column_name = c.column_name) "
    "FROM information_schema.columns c "
    "WHERE c.table_schema = current_schema() AND lower(c.table_name) = lower(?) "
    "ORDER BY c.ordinal_position");

}  // namespace

QList<Connection::ColumnInfo> Connection::readColumns(const QString& table) {
    QList<ColumnInfo> result;
    if (m_dialect == Dialect::SQLite) {
        QSqlQuery q = run(kSqliteColumns, {table});
        int keyColumns = 0;
        while (q.next()) {
            const QString type = q.value(1).toString();
            const bool key = q.value(2).toInt() > 0;
            keyColumns += key ? 1 : 0;
            // Only a lone INTEGER PRIMARY KEY aliases the rowid and numbers itself.
            result.append({q.value(0).toString(), kindOfDeclaredType(type),
                           key && type.compare(u"INTEGER", Qt::CaseInsensitive) == 0, key});
        }
        if (keyColumns > 1)
            for (ColumnInfo& column : result) column.identity = false;
        return result;
    }
    QSqlQuery q = run(kPostgresColumns, {table});
    while (q.next())
        result.append({q.value(0).toString(), kindOfDeclaredType(q.value(1).toString()), q.value(2).toBool(),
                       q.value(3).toBool()});
    return result;
}

std::shared_ptr<const TableLayout> Connection::layout(const QString& table) {
    const detail::FoldedName key{table};
    const auto found = m_cache->tables.constFind(key);
    if (found != m_cache->tables.constEnd()) return *found;
    QList<ColumnInfo> read = readColumns(table);
    if (read.isEmpty()) {
        // Not cached: the table may be created later on this connection.
        static const auto kNone = std::make_shared<const TableLayout>();
        return kNone;
    }
    auto layout = std::make_shared<const TableLayout>(std::move(read));
    m_cache->tables.insert(key, layout);
    return layout;
}

const QList<Connection::ColumnInfo>& Connection::columns(const QString& table) {
    return layout(table)->columns();
}

QStringList Connection::primaryKeyColumns(const QString& table) { return layout(table)->keyColumns(); }

QString Connection::primaryKey(const QString& table) {
    const QStringList& keys = layout(table)->keyColumns();
    return keys.size() == 1 ? keys.first() : QString();
}

void Connection::forgetSchema() {
    m_cache->tables.clear();
    m_cache->statements.clear();
}

}  // namespace tolmo
