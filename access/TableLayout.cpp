#include "TableLayout.h"

#include "detail/SqlSource.h"

namespace tolmo {

TableLayout::TableLayout(QList<Connection::ColumnInfo> columns) : m_columns(std::move(columns)) {
    m_names.reserve(m_columns.size());
    m_index.reserve(m_columns.size());
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        const Connection::ColumnInfo& column = m_columns.at(i);
        m_names.append(column.name);
        m_index.insert(detail::FoldedName{column.name}, static_cast<int>(i));
        if (column.primaryKey) m_keys.append(column.name);
        if (i > 0) m_columnList += QStringLiteral(", ");
        m_columnList += detail::quoteIdentifier(column.name);
    }
}

const Connection::ColumnInfo* TableLayout::column(const QString& name) const {
    const int index = indexOf(name);
    return index < 0 ? nullptr : &m_columns.at(index);
}

}  // namespace tolmo
