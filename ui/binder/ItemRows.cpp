#include "ui/binder/ItemRows.h"

#include <QTableView>
#include <QTreeView>
#include <algorithm>

namespace tolmo::ui {

namespace {

void resizeRows(QAbstractItemModel& model, int rows) {
    const int have = model.rowCount();
    if (have > rows) model.removeRows(rows, have - rows);
    if (have < rows) model.insertRows(have, rows - have);
}

void resizeColumns(QAbstractItemModel& model, int columns) {
    const int have = model.columnCount();
    if (have > columns) model.removeColumns(columns, have - columns);
    if (have < columns) model.insertColumns(have, columns - have);
}

}  // namespace

void showTable(QAbstractItemModel& model, int rows, int columns,
               const std::function<QVariant(int, int)>& cell) {
    resizeColumns(model, columns);
    resizeRows(model, rows);
    // Some models cannot add columns (a plain list) or drop them (a tree): fill what is there.
    const int shown = model.columnCount();
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < shown; ++c) {
            const QModelIndex index = model.index(r, c);
            const QVariant value = cell(r, c);
            const QVariant shown = model.data(index, Qt::EditRole);
            if (shown == value && shown.isNull() == value.isNull()) continue;
            model.setData(index, value, Qt::EditRole);
        }
    }
}

void showRows(QAbstractItemModel& model, const QStringList& rows, int columns) {
    const QChar tab = QLatin1Char('\t');
    for (const QString& row : rows) columns = std::max(columns, static_cast<int>(row.count(tab)) + 1);
    showTable(model, static_cast<int>(rows.size()), columns,
              [&rows, tab](int r, int c) { return QVariant(rows.at(r).section(tab, c, c)); });
}

QStringList readRows(const QAbstractItemModel& model) {
    QStringList rows;
    for (int r = 0; r < model.rowCount(); ++r) {
        QStringList columns;
        for (int c = 0; c < model.columnCount(); ++c) columns.append(model.index(r, c).data().toString());
        while (columns.size() > 1 && columns.last().isEmpty()) columns.removeLast();
        rows.append(columns.join(QLatin1Char('\t')));
    }
    return rows;
}

void hideNamedColumns(QAbstractItemView& view, const QObject& named) {
    const QStringList hidden = named.property("hiddenColumns").toString().split(u',', Qt::SkipEmptyParts);
    for (const QString& text : hidden) {
        const int column = text.trimmed().toInt();
        if (auto* table = qobject_cast<QTableView*>(&view))
            table->setColumnHidden(column, true);
        else if (auto* tree = qobject_cast<QTreeView*>(&view))
            tree->setColumnHidden(column, true);
    }
}

}  // namespace tolmo::ui
