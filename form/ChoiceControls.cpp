// Check boxes, option groups and tab strips: controls whose state is a choice.
#include "form/Control.h"

namespace tolmo::form {

namespace {

void fireClick(Control& control, int index) {
    ControlEvent event;
    event.kind = EventKind::Click;
    event.index = index;
    control.fire(event);
}

}  // namespace

CheckBox::CheckBox(Form* form, QString name) : Control(form, std::move(name), ControlKind::CheckBox) {}

void CheckBox::setChecked(bool v) {
    if (v == m_checked) return;
    m_checked = v;
    notify(Prop::Checked);
    fire(EventKind::Click);
}

OptionGroup::OptionGroup(Form* form, QString name, int count)
    : Control(form, std::move(name), ControlKind::OptionGroup), m_count(count < 0 ? 0 : count) {}

void OptionGroup::setIndex(int i) {
    if (i < 0 || i >= m_count) i = -1;
    if (i == m_index) return;
    m_index = i;
    notify(Prop::Index);
    if (i >= 0) fireClick(*this, i);
}

TabStrip::TabStrip(Form* form, QString name, int count)
    : Control(form, std::move(name), ControlKind::TabStrip),
      m_tabVisible(count < 0 ? 0 : count, true),
      m_tabCaption(count < 0 ? 0 : count, QString()) {}

void TabStrip::setCurrent(int tab) {
    if (tab < 0 || tab >= count() || tab == m_current) return;
    m_current = tab;
    notify(Prop::Index);
    fireClick(*this, tab);
}

bool TabStrip::tabVisible(int tab) const { return tab >= 0 && tab < count() && m_tabVisible.at(tab); }

void TabStrip::setTabVisible(int tab, bool v) {
    if (tab < 0 || tab >= count() || m_tabVisible.at(tab) == v) return;
    m_tabVisible[tab] = v;
    notify(Prop::Tabs);
}

QString TabStrip::tabCaption(int tab) const {
    return tab >= 0 && tab < count() ? m_tabCaption.at(tab) : QString();
}

void TabStrip::setTabCaption(int tab, const QString& c) {
    if (tab < 0 || tab >= count() || m_tabCaption.at(tab) == c) return;
    m_tabCaption[tab] = c;
    notify(Prop::Tabs);
}

}  // namespace tolmo::form
