#include "ui/binder/ListRowsModel.h"

#include <algorithm>

namespace tolmo::ui {

ListRowsModel::ListRowsModel(form::ListControl& list, QObject* parent)
    : QAbstractTableModel(parent), m_list(list), m_rows(list.rowCount()), m_columns(columnsFrom(0)) {}

int ListRowsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_rows; }

int ListRowsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_columns; }

QVariant ListRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return m_list.cell(index.row(), index.column());
}

QVariant ListRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < m_headings.size())
        return m_headings.at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool ListRowsModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && m_list.canFetchMore();
}

// The list tells its binding of the rows it appended, which calls rowsAppended().
void ListRowsModel::fetchMore(const QModelIndex& parent) {
    if (!parent.isValid()) m_list.fetchMore();
}

void ListRowsModel::rowsReplaced() {
    beginResetModel();
    m_rows = m_list.rowCount();
    m_columns = columnsFrom(0);
    endResetModel();
}

void ListRowsModel::rowsAppended() {
    const int rows = m_list.rowCount();
    if (rows <= m_rows) return;
    const int columns = columnsFrom(m_rows);
    if (columns > m_columns) {
        beginInsertColumns({}, m_columns, columns - 1);
        m_columns = columns;
        endInsertColumns();
    }
    beginInsertRows({}, m_rows, rows - 1);
    m_rows = rows;
    endInsertRows();
}

int ListRowsModel::columnsFrom(int first) const {
    int columns = std::max(m_list.columnCount(), first == 0 ? 1 : m_columns);
    const QStringList& rows = m_list.rows();
    for (qsizetype r = first; r < rows.size(); ++r)
        columns = std::max(columns, static_cast<int>(rows.at(r).count(QLatin1Char('\t'))) + 1);
    return columns;
}

}  // namespace tolmo::ui
