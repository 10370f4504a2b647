#include "ui/binder/CaptionBindings.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>

namespace tolmo::ui {

using form::ControlEvent;
using form::EventKind;
using form::Prop;

QString CaptionBinding::widgetCaption() const {
    if (auto* label = qobject_cast<QLabel*>(widget())) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget())) return button->text();
    if (auto* box = qobject_cast<QGroupBox*>(widget())) return box->title();
    return {};
}

void CaptionBinding::showCaption(const QString& caption) {
    if (auto* label = qobject_cast<QLabel*>(widget())) {
        if (label->text() != caption) label->setText(caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget())) {
        button->setText(caption);
    } else if (auto* box = qobject_cast<QGroupBox*>(widget())) {
        box->setTitle(caption);
    }
}

void CaptionBinding::adopt() {
    Binding::adopt();
    form::Control& c = control();
    if (c.caption().isEmpty() && c.text().isEmpty()) c.setCaption(widgetCaption());
    m_labelShowsText = c.caption().isEmpty() && !c.text().isEmpty();
}

void CaptionBinding::show(Prop prop) {
    if (prop != Prop::Text && prop != Prop::Caption) return;
    const bool isLabel = qobject_cast<QLabel*>(widget()) != nullptr;
    if (isLabel && !starting()) m_labelShowsText = prop == Prop::Text;
    if (isLabel && m_labelShowsText)
        showCaption(control().text());
    else if (prop == Prop::Caption || starting())
        showCaption(control().caption());
}

void ButtonBinding::listen() {
    if (auto* button = qobject_cast<QAbstractButton*>(widget()))
        connect(button, &QAbstractButton::clicked, this, [this] { fire(EventKind::Click); });
}

QAbstractButton* CheckBinding::button() const { return qobject_cast<QAbstractButton*>(widget()); }

void CheckBinding::show(Prop prop) {
    CaptionBinding::show(prop);
    auto* check = button();
    if (prop != Prop::Checked || !check) return;
    const bool on = static_cast<form::CheckBox&>(control()).checked();
    if (!check->isCheckable()) check->setCheckable(true);
    if (check->isChecked() != on) check->setChecked(on);
}

void CheckBinding::listen() {
    if (auto* check = button()) {
        connect(check, &QAbstractButton::toggled, this, [this](bool on) {
            if (!echoing()) static_cast<form::CheckBox&>(control()).setChecked(on);
        });
    }
}

OptionBinding::OptionBinding(form::OptionGroup& control, QWidget* container, EchoGuard& echo,
                             QStringList* missing)
    : CaptionBinding(control, container, echo), m_options(control), m_group(new QButtonGroup(this)) {
    for (int i = 0; i < control.count(); ++i) {
        const QString name = control.name() + QLatin1Char('_') + QString::number(i);
        auto* option = container->findChild<QAbstractButton*>(name);
        if (option)
            m_group->addButton(option, i);
        else if (missing)
            missing->append(name);
    }
}

void OptionBinding::show(Prop prop) {
    CaptionBinding::show(prop);
    if (prop != Prop::Index) return;
    const int index = m_options.index();
    if (QAbstractButton* chosen = m_group->button(index)) {
        chosen->setChecked(true);
    } else if (QAbstractButton* checked = m_group->checkedButton()) {
        // An exclusive group keeps one button checked: let go of it to show none.
        m_group->setExclusive(false);
        checked->setChecked(false);
        m_group->setExclusive(true);
    }
}

void OptionBinding::listen() {
    connect(m_group, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on && !echoing()) m_options.setIndex(id);
    });
}

QList<QWidget*> OptionBinding::inputWidgets() const {
    QList<QWidget*> out;
    for (QAbstractButton* b : m_group->buttons()) out.append(b);
    return out;
}

QWidget* OptionBinding::focusTarget() const {
    if (QAbstractButton* checked = m_group->checkedButton()) return checked;
    return m_group->buttons().isEmpty() ? widget() : m_group->buttons().first();
}

bool OptionBinding::showLocked(bool) { return false; }

}  // namespace tolmo::ui
