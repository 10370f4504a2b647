#pragma once
// Binds a headless form to a Qt Widgets view by name: each control to the widget whose
// objectName is the control's name. State flows both ways, widget signals come back to
// the form as control events.
//
// How a .ui names its widgets:
//  - a control "txtNome" -> a widget with objectName "txtNome";
//  - an element of a control array "txtCampo(3)" -> "txtCampo_3" (uic wants identifiers;
//    the exact name "txtCampo(3)" is tried first);
//  - an option group "optTipo" -> a container (QGroupBox, QFrame, QWidget) "optTipo" holding
//    option buttons "optTipo_0", "optTipo_1", ...;
//  - a combo box -> a plain QComboBox (no promotion needed): presses and keys that open its
//    popup fire DropDown before the popup opens; a string property "hiddenColumns" ("2",
//    "1,2") keeps those columns of a multi-column list out of the popup;
//  - a grid -> a QTableWidget or any QAbstractItemView; "hiddenColumns" hides columns too;
//  - a tab strip -> a QTabWidget whose tabs are in the tab strip's order.
// The form must outlive the binder; the view may go first.

#include <QObject>
#include <QStringList>
#include <memory>
#include <vector>

#include "form/Form.h"
#include "ui/binder/Binding.h"

class QWidget;

namespace tolmo::ui {

class Binder : public QObject {
    Q_OBJECT
public:
    /// Binds every control of `form` to its widget under `root`. What the control has not
    /// got (geometry, caption, text, tool tip, list items) is taken from the widget; the rest
    /// of the control's state is shown by the widget.
    Binder(form::Form& form, QWidget* root, QObject* parent = nullptr);
    ~Binder() override;

    /// Object names the view lacks: controls without a widget, and missing option buttons.
    QStringList unboundControls() const { return m_unbound; }
    /// Controls whose widget cannot show their kind (only tool tip, visibility... are bound).
    QStringList mismatchedControls() const { return m_mismatched; }
    /// The widget bound to a control, nullptr when none.
    QWidget* widgetFor(const QString& controlName) const;

private:
    std::unique_ptr<Binding> bind(form::Control& control, QWidget* widget);

    EchoGuard m_echo;
    std::vector<std::unique_ptr<Binding>> m_bindings;
    QStringList m_unbound;
    QStringList m_mismatched;
};

}  // namespace tolmo::ui
