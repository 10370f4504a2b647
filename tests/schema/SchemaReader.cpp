#include "SchemaReader.h"

#include <QRegularExpression>
#include <QSqlQuery>

namespace tolmo::test {

using schema::ColumnType;

namespace {

/// SQLite keeps the declared type as written.
std::optional<ColumnType> sqliteType(const QString& declared, bool key, int* length) {
    static const QRegularExpression kVarchar(QStringLiteral("^VARCHAR\\((\\d+)\\)$"));
    const QString t = declared.toUpper();
    if (const auto m = kVarchar.match(t); m.hasMatch()) {
        *length = m.captured(1).toInt();
        return ColumnType::Text;
    }
    if (t == u"INTEGER") return key ? ColumnType::Id : ColumnType::Int;
    if (t == u"INT") return ColumnType::Int;  // a natural integer key, not the rowid
    if (t == u"SMALLINT") return ColumnType::SmallInt;
    if (t == u"BOOLEAN") return ColumnType::Bool;
    if (t == u"NUMERIC(19,4)") return ColumnType::Amount;
    if (t == u"DOUBLE PRECISION") return ColumnType::Real;
    if (t == u"DATE") return ColumnType::Date;
    if (t == u"TIMESTAMP") return ColumnType::DateTime;
    if (t == u"TEXT") return ColumnType::Memo;
    return std::nullopt;
}

QMap<QString, QList<ActualColumn>> introspectSqlite(Connection& c) {
    QMap<QString, QList<ActualColumn>> result;
    QSqlQuery tables = c.query(QStringLiteral(
        "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%' ORDER BY name"));
    QStringList names;
    while (tables.next()) names << tables.value(0).toString();
    for (const QString& table : names) {
        QSqlQuery q = c.query(
            QStringLiteral("SELECT name, type, \"notnull\", pk FROM pragma_table_info(?) ORDER BY cid"),
            {table});
        QList<ActualColumn>& cols = result[table.toLower()];
        while (q.next()) {
            ActualColumn col;
            col.name = q.value(0).toString();
            col.declared = q.value(1).toString();
            const bool key = q.value(3).toInt() > 0;
            col.type = sqliteType(col.declared, key, &col.length);
            col.notNull = q.value(2).toInt() != 0 || key;
            cols << col;
        }
    }
    return result;
}

QMap<QString, QList<ActualColumn>> introspectPostgres(Connection& c) {
    QMap<QString, QList<ActualColumn>> result;
    QSqlQuery q = c.query(QStringLiteral(
        "SELECT table_name, column_name, data_type, character_maximum_length, numeric_precision, "
        "numeric_scale, "
        "is_nullable, is_identity FROM information_schema.columns WHERE table_schema = current_schema() "
        "ORDER BY table_name, ordinal_position"));
    while (q.next()) {
        ActualColumn col;
        col.name = q.value(1).toString();
        col.declared = q.value(2).toString();
        const QString& t = col.declared;
        if (t == u"integer")
            col.type = q.value(7).toString() == u"YES" ? ColumnType::Id : ColumnType::Int;
        else if (t == u"smallint")
            col.type = ColumnType::SmallInt;
        else if (t == u"boolean")
            col.type = ColumnType::Bool;
        else if (t == u"numeric" && q.value(4).toInt() == 19 && q.value(5).toInt() == 4)
            col.type = ColumnType::Amount;
        else if (t == u"double precision")
            col.type = ColumnType::Real;
        else if (t == u"date")
            col.type = ColumnType::Date;
        else if (t == u"timestamp without time zone")
            col.type = ColumnType::DateTime;
        else if (t == u"character varying") {
            col.type = ColumnType::Text;
            col.length = q.value(3).toInt();
        } else if (t == u"text")
            col.type = ColumnType::Memo;
        col.notNull = q.value(6).toString() == u"NO";
        result[q.value(0).toString().toLower()] << col;
    }
    return result;
}

}  // namespace

QMap<QString, QList<ActualColumn>> introspect(Connection& c) {
    return c.dialect() == Dialect::SQLite ? introspectSqlite(c) : introspectPostgres(c);
}

QString describe(std::optional<ColumnType> type, int length) {
    if (!type) return QStringLiteral("(unknown)");
    switch (*type) {
        case ColumnType::Id:
            return QStringLiteral("Id");
        case ColumnType::Int:
            return QStringLiteral("Int");
        case ColumnType::SmallInt:
            return QStringLiteral("SmallInt");
        case ColumnType::Bool:
            return QStringLiteral("Bool");
        case ColumnType::Amount:
            return QStringLiteral("Amount");
        case ColumnType::Real:
            return QStringLiteral("Real");
        case ColumnType::Date:
            return QStringLiteral("Date");
        case ColumnType::DateTime:
            return QStringLiteral("DateTime");
        case ColumnType::Text:
            return QStringLiteral("Text(%1)").arg(length);
        case ColumnType::Memo:
            return QStringLiteral("Memo");
    }
    return {};
}

}  // namespace tolmo::test
