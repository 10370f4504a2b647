#include <algorithm>

#include "form/Control.h"

namespace tolmo::form {

Grid::Grid(Form* form, QString name, int columns)
    : Control(form, std::move(name), ControlKind::Grid), m_columns(columns < 0 ? 0 : columns) {}

void Grid::setTable(QVector<QVector<QVariant>> table) {
    // Every row gets the same width: the declared columns, or the widest row when wider.
    for (const auto& row : table) m_columns = std::max(m_columns, static_cast<int>(row.size()));
    for (auto& row : table) row.resize(m_columns);
    m_table = std::move(table);
    m_colours.clear();
    m_lockedCells.clear();
    notify(Prop::Table);
    if (m_row >= rowCount()) setCurrentCell(-1, -1);
}

void Grid::resize(int rows) { setTable(QVector<QVector<QVariant>>(std::max(rows, 0))); }

QVariant Grid::cell(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= m_columns) return {};
    return m_table.at(row).at(column);
}

void Grid::setCell(int row, int column, const QVariant& v) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= m_columns) return;
    QVariant& slot = m_table[row][column];
    if (slot == v && slot.isNull() == v.isNull()) return;
    slot = v;
    notify(Prop::Table);
}

void Grid::editCell(int row, int column, const QVariant& typed) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= m_columns || cellLocked(row, column)) return;
    setCurrentCell(row, column);
    const QVariant& slot = m_table.at(row).at(column);
    // A tick takes "true", "1" or "false" typed into it as the tick they stand for.
    const QVariant v = slot.typeId() == QMetaType::Bool && typed.typeId() == QMetaType::QString
                           ? QVariant(typed.toBool())
                           : typed;
    if (slot == v && slot.isNull() == v.isNull()) return;
    setCell(row, column, v);
    ControlEvent event;
    event.kind = EventKind::Change;
    event.row = row;
    event.index = column;
    fire(event);
}

void Grid::setCurrentCell(int row, int col) {
    if (row == m_row && col == m_col) return;
    m_row = row;
    m_col = col;
    notify(Prop::CurrentCell);
}

void Grid::moveTo(int row, int col) {
    const bool newRow = row != m_row;
    setCurrentCell(row, col);
    if (!newRow) return;
    ControlEvent event;
    event.kind = EventKind::Click;
    event.row = row;
    fire(event);
}

void Grid::setColumnCaptions(const QStringList& captions) {
    if (captions == m_captions) return;
    m_captions = captions;
    notify(Prop::Table);
}

long Grid::cellForeColor(int row, int column) const { return m_colours.value({row, column}, -1); }

void Grid::setCellForeColor(int row, int column, long colour) {
    if (cellForeColor(row, column) == colour) return;
    if (colour < 0)
        m_colours.remove({row, column});
    else
        m_colours.insert({row, column}, colour);
    notify(Prop::Table);
}

bool Grid::cellLocked(int row, int column) const { return m_lockedCells.contains({row, column}); }

void Grid::setCellLocked(int row, int column, bool locked) {
    if (cellLocked(row, column) == locked) return;
    if (locked)
        m_lockedCells.insert({row, column});
    else
        m_lockedCells.remove({row, column});
    notify(Prop::Table);
}

}  // namespace tolmo::form
