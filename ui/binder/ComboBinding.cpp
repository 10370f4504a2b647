#include "ui/binder/ComboBinding.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTableView>

#include "ui/binder/ItemRows.h"
#include "ui/binder/ListRowsModel.h"

namespace tolmo::ui {

using form::ControlEvent;
using form::EventKind;
using form::Prop;

ComboBinding::ComboBinding(form::ListControl& control, QComboBox* combo, EchoGuard& echo)
    : Binding(control, combo, echo), m_list(control), m_combo(combo) {
    // What the person types is the control's text, never a new row, nor a row's text completed
    // in its place (a completer would also read every page of a long list to search it).
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    if (m_combo->isEditable()) m_combo->setCompleter(nullptr);
    if (control.columnCount() > 1 && qobject_cast<QListView*>(m_combo->view())) {
        auto* table = new QTableView;
        table->horizontalHeader()->hide();
        table->verticalHeader()->hide();
        // Rows as tight as a one-column list's.
        table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
        table->setShowGrid(false);
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        m_combo->setView(table);
    }
    // The rows a .ui lists become the list's own; from then on the view reads the list.
    if (m_list.rowCount() == 0 && m_combo->count() > 0) m_list.setRows(readRows(*m_combo->model()));
    m_model = new ListRowsModel(m_list, m_combo);
    // A list whose columns need names gives them in its "intestazioni" property ("A|B|C").
    if (const QString headings = m_combo->property("intestazioni").toString(); !headings.isEmpty()) {
        m_model->setHeadings(headings.split(u'|'));
        if (auto* table = qobject_cast<QTableView*>(m_combo->view())) table->horizontalHeader()->show();
    }
    m_combo->setModel(m_model);
    // A list whose first column is an id the person need not read shows the column its
    // "colonnaVisibile" property names.
    if (const QVariant shown = m_combo->property("colonnaVisibile");
        shown.isValid() && !m_combo->isEditable())
        m_combo->setModelColumn(shown.toInt());
}

void ComboBinding::show(Prop prop) {
    switch (prop) {
        case Prop::Rows:
            m_model->rowsReplaced();
            fitPopup();
            show(Prop::Selection);  // and the edit text, which the model's reset emptied
            break;
        case Prop::RowsAdded:
            m_model->rowsAppended();
            fitPopup();
            break;
        case Prop::Selection:
            if (m_combo->currentIndex() != m_list.selectedRow()) {
                m_combo->setCurrentIndex(m_list.selectedRow());
                showFromStart();
            }
            show(Prop::Text);
            break;
        case Prop::Text:
            if (m_combo->isEditable() && m_combo->currentText() != m_list.text()) {
                m_combo->setEditText(m_list.text());
                showFromStart();
            }
            break;
        default:
            break;
    }
}

// A long name the form shows, rather than one being typed, reads from its start.
void ComboBinding::showFromStart() {
    if (m_combo->isEditable() && !m_combo->hasFocus()) m_combo->lineEdit()->setCursorPosition(0);
}

// Columns as wide as their contents, the popup as wide as the columns; the columns the view
// names in its "hiddenColumns" property (ids the person need not read) are left out.
void ComboBinding::fitPopup() {
    auto* table = qobject_cast<QTableView*>(m_combo->view());
    if (!table) return;
    hideNamedColumns(*table, *m_combo);
    table->resizeColumnsToContents();
    table->setMinimumWidth(table->horizontalHeader()->length() + 2 * table->frameWidth());
}

void ComboBinding::listen() {
    connect(m_combo, &QComboBox::activated, this, [this](int row) {
        if (echoing()) return;
        m_list.setSelectedRow(row);
        ControlEvent e;
        e.kind = EventKind::Choose;
        e.row = row;
        fire(e);
    });
    if (QLineEdit* edit = m_combo->lineEdit()) {
        connect(edit, &QLineEdit::textEdited, this, [this](const QString& text) {
            if (!echoing()) m_list.setText(text);
        });
    }
}

// The presses and keys with which QComboBox opens its popup.
bool ComboBinding::opensPopup(QEvent* event) const {
    if (m_combo->view()->isVisible()) return false;
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) return false;
        if (!m_combo->isEditable()) return true;
        QStyleOptionComboBox option;
        option.initFrom(m_combo);
        option.editable = true;
        option.subControls = QStyle::SC_All;
        return m_combo->style()->hitTestComplexControl(QStyle::CC_ComboBox, &option,
                                                       mouse->position().toPoint(),
                                                       m_combo) == QStyle::SC_ComboBoxArrow;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool alt = key->modifiers() & Qt::AltModifier;
        switch (key->key()) {
            case Qt::Key_F4:
                return key->modifiers() == Qt::NoModifier;
            case Qt::Key_Down:
            case Qt::Key_Up:
                return alt;
            case Qt::Key_Space:
                return !m_combo->isEditable();
            default:
                return false;
        }
    }
    return false;
}

bool ComboBinding::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_combo && !control().locked() && opensPopup(event)) fire(EventKind::DropDown);
    return Binding::eventFilter(watched, event);
}

}  // namespace tolmo::ui
