#include "form/Form.h"

#include <algorithm>
#include <stdexcept>

namespace tolmo::form {

Form::Form(QString name) : m_name(std::move(name)) {}

Form::~Form() {
    // Owned controls unregister while the registry is still whole.
    m_owned.clear();
}

void Form::add(Control* control) {
    const QString& name = control->name();
    if (name.isEmpty()) throw std::logic_error("form " + m_name.toStdString() + ": control without a name");
    if (m_byName.contains(name))
        throw std::logic_error("form " + m_name.toStdString() + ": duplicate control " + name.toStdString());
    m_byName.insert(name, control);
    m_order.push_back(control);
}

void Form::remove(Control* control) {
    auto it = m_byName.find(control->name());
    if (it == m_byName.end() || it.value() != control) return;
    m_byName.erase(it);
    std::erase(m_order, control);
    if (m_focus == control) m_focus = nullptr;
}

Control* Form::find(const QString& name) const { return m_byName.value(name, nullptr); }

void Form::setShown(bool shown) {
    if (shown == m_shown) return;
    m_shown = shown;
    if (onShownChanged) onShownChanged(shown);
}

void Form::setFocusControl(Control* c) { m_focus = c; }

QString arrayName(const QString& base, int index) {
    return base + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

}  // namespace tolmo::form
