#pragma once
// The Interaction port on screen: QMessageBox for messages, registered dialogs for modal
// forms, the override cursor for the busy pointer.

#include <QHash>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

#include "form/Interaction.h"

class QDialog;

namespace tolmo::ui {

class QtInteraction : public form::Interaction {
public:
    explicit QtInteraction(QWidget* parentWidget = nullptr) : m_parent(parentWidget) {}

    /// A message box with Italian button texts ("OK", "Annulla", "Sì", "No", "Riprova",
    /// "Interrompi", "Ignora"); closing it without a button answers Cancel when the box has
    /// one, its default answer otherwise.
    form::MsgAnswer messageBox(const QString& text, const QString& title, form::MsgButtons buttons,
                               form::MsgIcon icon, int defaultButton = 0) override;
    /// Builds the form's registered view, binds it and runs it until the form's behaviour
    /// hides the form; Esc or closing the window hides the form too.
    void showModal(form::Form& form) override;
    /// 11 shows the wait cursor; any other pointer takes every override cursor away.
    void setPointer(int pointer) override;
    int pointer() const override { return m_pointer; }
    /// Hands `target` to the desktop (a local file, or a "mailto:" address).
    bool shellOpen(const QString& target, form::Form* owner) override;
    void repaint() override;
    void attendi(const std::function<bool()>& finito) override;

    /// Makes the dialog that shows the form named `formName`; showModal owns and deletes it.
    using ViewFactory = std::function<QDialog*(form::Form&)>;
    void registerView(const QString& formName, ViewFactory factory);
    /// The forms that have a view, sorted.
    QStringList viewNames() const;

    /// Runs once the next modal dialog is on screen, with its form (documentation scripts).
    std::function<void(form::Form&)> onNextModalShown;

    /// The window message boxes and dialogs are centred on.
    QWidget* parentWidget() const { return m_parent; }
    void setParentWidget(QWidget* parent) { m_parent = parent; }

private:
    QPointer<QWidget> m_parent;
    QHash<QString, ViewFactory> m_views;
    int m_pointer = form::PointerDefault;
};

}  // namespace tolmo::ui
