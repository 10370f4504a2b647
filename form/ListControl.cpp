#include "form/Control.h"

namespace tolmo::form {

namespace {

const QChar kTab = QLatin1Char('\t');

// A column value never holds a TAB: it would shift the columns after it.
QString joinColumns(const QStringList& columns) {
    QStringList clean;
    clean.reserve(columns.size());
    for (const QString& c : columns) clean.append(QString(c).replace(kTab, QLatin1Char(' ')));
    return clean.join(kTab);
}

}  // namespace

ListControl::ListControl(Form* form, QString name, ControlKind kind, int columns)
    : Control(form, std::move(name), kind), m_columns(columns < 1 ? 1 : columns) {}

void ListControl::clear() {
    m_source.reset();
    if (m_rows.isEmpty() && m_selected < 0) return;
    m_rows.clear();
    notify(Prop::Rows);
    if (m_selected >= 0) {
        m_selected = -1;
        notify(Prop::Selection);
    }
}

void ListControl::addRow(const QString& row) {
    m_rows.append(row);
    notify(Prop::Rows);
}

void ListControl::addRow(const QStringList& columns) { addRow(joinColumns(columns)); }

void ListControl::setRows(const QStringList& rows) {
    m_source.reset();
    m_rows = rows;
    notify(Prop::Rows);
    if (m_selected >= 0) {
        m_selected = -1;
        notify(Prop::Selection);
    }
}

void ListControl::setSource(std::unique_ptr<RowSource> source) {
    clear();
    m_source = std::move(source);
    if (readPage()) notify(Prop::Rows);
}

void ListControl::fetchMore() {
    if (readPage()) notify(Prop::RowsAdded);
}

bool ListControl::readPage() {
    if (!m_source) return false;
    const QList<QStringList> page = m_source->next(kPagina);
    if (page.size() < kPagina) m_source.reset();
    for (const QStringList& row : page) m_rows.append(joinColumns(row));
    return !page.isEmpty();
}

QString ListControl::cell(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0) return {};
    const QString& line = m_rows.at(row);
    // Walk to the column without splitting the whole row.
    qsizetype start = 0;
    for (int c = 0; c < column; ++c) {
        start = line.indexOf(kTab, start);
        if (start < 0) return {};
        ++start;
    }
    const qsizetype end = line.indexOf(kTab, start);
    return line.mid(start, end < 0 ? -1 : end - start);
}

void ListControl::setSelectedRow(int row) {
    if (row < 0 || row >= rowCount()) row = -1;
    if (row != m_selected) {
        m_selected = row;
        notify(Prop::Selection);
    }
    if (row >= 0) setText(cell(row, 0));
}

int ListControl::findRow(int column, const QString& text) const {
    for (int r = 0; r < rowCount(); ++r)
        if (cell(r, column) == text) return r;
    return -1;
}

QString ListControl::selectedCell(int column) const { return cell(m_selected, column); }

}  // namespace tolmo::form
