#pragma once
// A table's columns as the catalog gives them, found by name in any case.

#include <QList>
#include <QStringList>

#include "Connection.h"
#include "detail/FoldedName.h"

namespace tolmo {

class TableLayout {
public:
    TableLayout() = default;
    explicit TableLayout(QList<Connection::ColumnInfo> columns);

    /// Empty when the table does not exist.
    const QList<Connection::ColumnInfo>& columns() const { return m_columns; }
    /// The names of columns(), in the same order.
    const QStringList& columnNames() const { return m_names; }
    /// Every column, quoted and separated by commas, for a statement that names them all.
    const QString& columnList() const { return m_columnList; }
    /// Every primary key column, in declaration order.
    const QStringList& keyColumns() const { return m_keys; }
    /// The position in columns() of the column named `name` (any case), or -1.
    int indexOf(const QString& name) const { return m_index.value(detail::FoldedName{name}, -1); }
    /// The column named `name` (any case), or nullptr.
    const Connection::ColumnInfo* column(const QString& name) const;
    /// Column name -> position in columns(), in any case.
    const detail::NameIndex& nameIndex() const { return m_index; }

private:
    QList<Connection::ColumnInfo> m_columns;
    QStringList m_names;
    QString m_columnList;
    QStringList m_keys;
    detail::NameIndex m_index;
};

}  // namespace tolmo
