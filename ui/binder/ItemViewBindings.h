#pragma once
// Lists and grids shown in item views: QListWidget, QTableWidget, QTreeWidget, or any
// QAbstractItemView (a view without a model gets one).

#include <QAbstractItemView>

#include "ui/binder/Binding.h"

namespace tolmo::ui {

/// A list box: one row per list row, one column per TAB-separated part; read-only.
/// The person's choice of a row -> setSelectedRow + Choose.
class ListBinding : public Binding {
public:
    ListBinding(form::ListControl& control, QAbstractItemView* view, EchoGuard& echo);

protected:
    void adopt() override;
    void show(form::Prop prop) override;
    void listen() override;

private:
    form::ListControl& m_list;
    QAbstractItemView* m_view;
    QAbstractItemModel* m_model;
};

/// A grid: the table's cells, column captions as headers, the current cell; the person's
/// cell edits -> setCell, moves -> setCurrentCell. Locked stops editing.
class GridBinding : public Binding {
public:
    GridBinding(form::Grid& control, QAbstractItemView* view, EchoGuard& echo);

protected:
    void show(form::Prop prop) override;
    void listen() override;
    bool showLocked(bool locked) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showCaptions();
    /// The columns the view's "colonneSpunta" property names ("3,5"): ticks drawn as check boxes.
    QList<int> tickColumns() const;
    /// Check boxes, the cells' own colours and locks, on a QStandardItemModel.
    void showCellStyles();
    form::Grid& m_grid;
    QAbstractItemView* m_view;
    QAbstractItemModel* m_model;
    QAbstractItemView::EditTriggers m_editTriggers;
};

}  // namespace tolmo::ui
