#pragma once
// A Qt item model over a form list's rows: the view reads the cells from the list itself, and
// asks it for the next page when the person scrolls to the end (canFetchMore/fetchMore).

#include <QAbstractTableModel>

#include "form/Control.h"

namespace tolmo::ui {

class ListRowsModel : public QAbstractTableModel {
public:
    ListRowsModel(form::ListControl& list, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    /// Column headings, for a list whose view shows them.
    void setHeadings(const QStringList& headings) { m_headings = headings; }
    void fetchMore(const QModelIndex& parent) override;

    /// The list's rows were replaced.
    void rowsReplaced();
    /// Rows were appended to the list.
    void rowsAppended();

private:
    /// The columns of the list's rows from `first` on, at least those the model shows.
    int columnsFrom(int first) const;

    form::ListControl& m_list;
    int m_rows = 0;
    int m_columns = 1;
    QStringList m_headings;
};

}  // namespace tolmo::ui
