#include "ui/binder/Binder.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTreeWidget>
#include <QWidget>

#include "ui/binder/CaptionBindings.h"
#include "ui/binder/ComboBinding.h"
#include "ui/binder/ItemViewBindings.h"
#include "ui/binder/TabBinding.h"
#include "ui/binder/TextBinding.h"
#include "ui/binder/TreeBinding.h"

namespace tolmo::ui {

using form::ControlKind;

namespace {

QWidget* findWidget(QWidget* root, const QString& name) {
    if (QWidget* w = root->findChild<QWidget*>(name)) return w;
    // "txtCampo(3)" is "txtCampo_3" in a .ui: uic turns object names into identifiers.
    static const QRegularExpression element(QStringLiteral("^(\\w+)\\((\\d+)\\)$"));
    const QRegularExpressionMatch m = element.match(name);
    return m.hasMatch() ? root->findChild<QWidget*>(m.captured(1) + QLatin1Char('_') + m.captured(2))
                        : nullptr;
}

bool isTextEntry(QWidget* w) {
    return qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w);
}

bool showsCaption(QWidget* w) {
    return qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) || qobject_cast<QGroupBox*>(w);
}

}  // namespace

Binder::Binder(form::Form& form, QWidget* root, QObject* parent) : QObject(parent) {
    if (form.caption().isEmpty())
        form.setCaption(root->windowTitle());
    else
        root->setWindowTitle(form.caption());

    for (form::Control* control : form.controls()) {
        QWidget* widget = findWidget(root, control->name());
        if (!widget) {
            m_unbound.append(control->name());
            continue;
        }
        std::unique_ptr<Binding> binding = bind(*control, widget);
        if (!binding) {
            m_mismatched.append(control->name());
            binding = std::make_unique<Binding>(*control, widget, m_echo);
        }
        m_bindings.push_back(std::move(binding));
    }
    // Everything is found before anything starts: a Change fired while one control takes
    // its text from the view may reach any other control.
    for (const auto& binding : m_bindings) binding->start();
}

Binder::~Binder() = default;

std::unique_ptr<Binding> Binder::bind(form::Control& control, QWidget* widget) {
    if (auto* list = dynamic_cast<form::ListControl*>(&control)) {
        if (auto* combo = qobject_cast<QComboBox*>(widget))
            return std::make_unique<ComboBinding>(*list, combo, m_echo);
        if (auto* view = qobject_cast<QAbstractItemView*>(widget))
            return std::make_unique<ListBinding>(*list, view, m_echo);
        return nullptr;
    }
    if (auto* grid = dynamic_cast<form::Grid*>(&control)) {
        auto* view = qobject_cast<QAbstractItemView*>(widget);
        return view ? std::make_unique<GridBinding>(*grid, view, m_echo) : nullptr;
    }
    if (auto* tree = dynamic_cast<form::TreeView*>(&control)) {
        auto* view = qobject_cast<QTreeWidget*>(widget);
        return view ? std::make_unique<TreeBinding>(*tree, view, m_echo) : nullptr;
    }
    if (auto* tabs = dynamic_cast<form::TabStrip*>(&control)) {
        const bool isTabs = qobject_cast<QTabWidget*>(widget) || qobject_cast<QTabBar*>(widget);
        return isTabs ? std::make_unique<TabBinding>(*tabs, widget, m_echo) : nullptr;
    }
    if (auto* options = dynamic_cast<form::OptionGroup*>(&control))
        return std::make_unique<OptionBinding>(*options, widget, m_echo, &m_unbound);
    if (dynamic_cast<form::CheckBox*>(&control)) {
        return qobject_cast<QAbstractButton*>(widget)
                   ? std::make_unique<CheckBinding>(control, widget, m_echo)
                   : nullptr;
    }
    if (control.kind() == ControlKind::Button) {
        return qobject_cast<QAbstractButton*>(widget)
                   ? std::make_unique<ButtonBinding>(control, widget, m_echo)
                   : nullptr;
    }
    if (isTextEntry(widget)) return std::make_unique<TextBinding>(control, widget, m_echo);
    if (showsCaption(widget)) return std::make_unique<CaptionBinding>(control, widget, m_echo);
    // Frames and pictures need nothing beyond the shared state; a text box does.
    const bool plain = control.kind() == ControlKind::Frame || control.kind() == ControlKind::Picture;
    return plain ? std::make_unique<Binding>(control, widget, m_echo) : nullptr;
}

QWidget* Binder::widgetFor(const QString& controlName) const {
    for (const auto& binding : m_bindings)
        if (binding->control().name() == controlName) return binding->widget();
    return nullptr;
}

}  // namespace tolmo::ui
