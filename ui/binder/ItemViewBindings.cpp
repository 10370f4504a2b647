#include "ui/binder/ItemViewBindings.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QStandardItemModel>
#include <QTableView>
#include <QTableWidget>
#include <QTreeView>

#include "ui/binder/ItemRows.h"

namespace tolmo::ui {

using form::ControlEvent;
using form::EventKind;
using form::Prop;

namespace {

QAbstractItemModel* modelOf(QAbstractItemView* view) {
    if (!view->model()) view->setModel(new QStandardItemModel(view));
    return view->model();
}

}  // namespace

namespace {

// A view whose "adattaColonne" property is set fits its columns to what they hold, each time
// its rows change: the short lists of the dialogs, never the long paged ones.
void adattaColonne(QAbstractItemView* view) {
    if (!view->property("adattaColonne").toBool()) return;
    if (auto* table = qobject_cast<QTableView*>(view)) {
        table->resizeColumnsToContents();
    } else if (auto* tree = qobject_cast<QTreeView*>(view)) {
        for (int c = 0; c < view->model()->columnCount(); ++c) tree->resizeColumnToContents(c);
    }
}

}  // namespace

ListBinding::ListBinding(form::ListControl& control, QAbstractItemView* view, EchoGuard& echo)
    : Binding(control, view, echo), m_list(control), m_view(view), m_model(modelOf(view)) {
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
}

void ListBinding::adopt() {
    Binding::adopt();
    if (m_list.rowCount() == 0 && m_model->rowCount() > 0) m_list.setRows(readRows(*m_model));
}

void ListBinding::show(Prop prop) {
    if (prop == Prop::Rows || prop == Prop::RowsAdded) {
        showRows(*m_model, m_list.rows(), m_list.columnCount());
        hideNamedColumns(*m_view, *m_view);
        adattaColonne(m_view);
        show(Prop::Selection);
    } else if (prop == Prop::Selection) {
        QItemSelectionModel* selection = m_view->selectionModel();
        const int row = m_list.selectedRow();
        if (row < 0) {
            selection->clear();
        } else if (selection->currentIndex().row() != row || !selection->isRowSelected(row)) {
            selection->setCurrentIndex(m_model->index(row, 0),
                                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        }
    }
}

// A drop-down list (the view's "scegliConInvio" property) chooses on Enter or a double click,
// so the arrows can move through it; any other list chooses the row the person moves to.
void ListBinding::listen() {
    const bool onActivation = m_view->property("scegliConInvio").toBool();
    const auto choose = [this](int row) {
        ControlEvent e;
        e.kind = EventKind::Choose;
        e.row = row;
        fire(e);
    };
    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this, onActivation, choose](const QModelIndex& current) {
                if (echoing() || !current.isValid()) return;
                m_list.setSelectedRow(current.row());
                if (!onActivation) choose(current.row());
            });
    if (onActivation)
        connect(m_view, &QAbstractItemView::activated, this, [this, choose](const QModelIndex& index) {
            if (!echoing() && index.isValid()) choose(index.row());
        });
}

GridBinding::GridBinding(form::Grid& control, QAbstractItemView* view, EchoGuard& echo)
    : Binding(control, view, echo),
      m_grid(control),
      m_view(view),
      m_model(modelOf(view)),
      m_editTriggers(view->editTriggers()) {}

void GridBinding::show(Prop prop) {
    if (prop == Prop::Table) {
        const QList<int> ticks = tickColumns();
        showTable(*m_model, m_grid.rowCount(), m_grid.columnCount(), [this, &ticks](int r, int c) {
            return ticks.contains(c) ? QVariant(QString()) : m_grid.cell(r, c);
        });
        showCellStyles();
        showCaptions();
        hideNamedColumns(*m_view, *m_view);
        adattaColonne(m_view);
    } else if (prop == Prop::CurrentCell) {
        const QModelIndex cell = m_model->index(m_grid.row(), m_grid.col());
        if (m_view->currentIndex() != cell)
            m_view->selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect);
    }
}

void GridBinding::listen() {
    connect(m_model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                if (echoing()) return;
                // The person's edit reaches the form once the view has finished committing it:
                // what the form does with it may rebuild the view's model.
                const QList<int> ticks = tickColumns();
                for (int r = topLeft.row(); r <= bottomRight.row(); ++r)
                    for (int c = topLeft.column(); c <= bottomRight.column(); ++c) {
                        const QModelIndex index = m_model->index(r, c);
                        const QVariant v =
                            ticks.contains(c)
                                ? QVariant(index.data(Qt::CheckStateRole).toInt() == Qt::Checked)
                                : index.data(Qt::EditRole);
                        QMetaObject::invokeMethod(
                            this, [this, r, c, v] { m_grid.editCell(r, c, v); }, Qt::QueuedConnection);
                    }
            });
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (!echoing()) m_grid.moveTo(current.row(), current.column());
            });
}

QList<int> GridBinding::tickColumns() const {
    QList<int> out;
    for (const QString& text : m_view->property("colonneSpunta").toString().split(u',', Qt::SkipEmptyParts))
        out.append(text.trimmed().toInt());
    return out;
}

// A tick is a check box the person toggles with a click or Space; a locked cell takes no edit.
void GridBinding::showCellStyles() {
    auto* model = qobject_cast<QStandardItemModel*>(m_model);
    if (!model) return;
    const QList<int> ticks = tickColumns();
    for (int r = 0; r < m_grid.rowCount(); ++r)
        for (int c = 0; c < m_grid.columnCount() && c < model->columnCount(); ++c) {
            QStandardItem* item = model->item(r, c);
            if (!item) continue;
            const bool locked = m_grid.cellLocked(r, c) || m_grid.locked();
            if (ticks.contains(c)) {
                item->setEditable(false);
                item->setCheckable(!locked);
                item->setCheckState(m_grid.cell(r, c).toBool() ? Qt::Checked : Qt::Unchecked);
            } else {
                item->setEditable(!m_grid.cellLocked(r, c));
            }
            const long colour = m_grid.cellForeColor(r, c);
            item->setData(colour < 0 ? QVariant() : QVariant(QBrush(coloreBgr(colour))), Qt::ForegroundRole);
        }
}

// A QTableWidget keeps its headers in items its model will not create.
void GridBinding::showCaptions() {
    const QStringList captions = m_grid.columnCaptions();
    if (captions.isEmpty()) return;
    if (auto* table = qobject_cast<QTableWidget*>(m_view)) {
        table->setHorizontalHeaderLabels(captions);
        return;
    }
    for (int c = 0; c < captions.size() && c < m_model->columnCount(); ++c)
        m_model->setHeaderData(c, Qt::Horizontal, captions.at(c));
}

// F4 or Alt+Down opens the drop-down of the grid's current cell; Enter on a row is the keyboard's
// double click (and goes on to the dialog's default button).
bool GridBinding::eventFilter(QObject* watched, QEvent* event) {
    // While a cell is edited its keys go to the editor, not to the view.
    if (event->type() == QEvent::KeyPress && watched == m_view) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && m_grid.row() >= 0) {
            ControlEvent e;
            e.kind = EventKind::DblClick;
            e.row = m_grid.row();
            fire(e);
            return false;
        }
    }
    if (event->type() == QEvent::KeyPress && !control().locked()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_F4 && key->modifiers() == Qt::NoModifier) ||
            (key->key() == Qt::Key_Down && key->modifiers() == Qt::AltModifier)) {
            fire(EventKind::DropDown);
            return true;
        }
    }
    return Binding::eventFilter(watched, event);
}

bool GridBinding::showLocked(bool locked) {
    m_view->setEditTriggers(locked ? QAbstractItemView::EditTriggers(QAbstractItemView::NoEditTriggers)
                                   : m_editTriggers);
    return true;
}

}  // namespace tolmo::ui
