// The whole table definition and look-ups into it.

#include "tables/Tables.h"

#include "Schema.h"

namespace tolmo::schema {

const ColumnInfo* TableInfo::column(const QString& name) const {
    for (const ColumnInfo& c : columns)
        if (c.name.compare(name, Qt::CaseInsensitive) == 0) return &c;
    return nullptr;
}

const QList<TableInfo>& tables() {
    static const QList<TableInfo> all = def::registerTables() + def::catalogueTables() + def::caseTables() +
                                        def::officeTables() + def::accountingTables() + def::workTables() +
                                        def::amlTables();
    return all;
}

const TableInfo* table(const QString& name) {
    for (const TableInfo& t : tables())
        if (t.name.compare(name, Qt::CaseInsensitive) == 0) return &t;
    return nullptr;
}

KeyedColumns colonneConChiavi(const QString& name, const QStringList& columns) {
    const TableInfo* t = table(name);
    return KeyedColumns(columns, [t](const QString& column) { return t && t->column(column); });
}

}  // namespace tolmo::schema
