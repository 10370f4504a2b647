#pragma once
// Filling a Qt item model from a list's TAB-joined rows or a grid's table, touching only
// the cells that differ (an open editor or the current row survive an unchanged cell).

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QStringList>
#include <QVariant>
#include <functional>

namespace tolmo::ui {

/// Sizes `model` to rows x columns and sets each cell whose value differs; `cell` is also
/// asked for columns the model could not drop, and should answer an empty value there.
void showTable(QAbstractItemModel& model, int rows, int columns,
               const std::function<QVariant(int, int)>& cell);
/// Shows list rows, one model column per TAB-separated part (at least `columns`).
void showRows(QAbstractItemModel& model, const QStringList& rows, int columns);
/// The rows a model holds, columns joined by TAB.
QStringList readRows(const QAbstractItemModel& model);
/// Hides in a table or tree `view` the columns that `named` (the widget of the .ui) lists in
/// its string property "hiddenColumns" ("2", "2,3"): ids the person need not read.
void hideNamedColumns(QAbstractItemView& view, const QObject& named);

}  // namespace tolmo::ui
