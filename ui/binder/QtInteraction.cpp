#include "ui/binder/QtInteraction.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <memory>
#include <utility>

#include "form/Form.h"
#include "ui/binder/Binder.h"

namespace tolmo::ui {

using form::MsgAnswer;

namespace {

QString buttonText(MsgAnswer answer) {
    switch (answer) {
        case MsgAnswer::OK:
            return QStringLiteral("OK");
        case MsgAnswer::Cancel:
            return QStringLiteral("Annulla");
        case MsgAnswer::Abort:
            return QStringLiteral("Interrompi");
        case MsgAnswer::Retry:
            return QStringLiteral("Riprova");
        case MsgAnswer::Ignore:
            return QStringLiteral("Ignora");
        case MsgAnswer::Yes:
            return QStringLiteral("Sì");
        case MsgAnswer::No:
            return QStringLiteral("No");
    }
    return {};
}

QMessageBox::ButtonRole buttonRole(MsgAnswer answer) {
    switch (answer) {
        case MsgAnswer::Cancel:
        case MsgAnswer::Abort:
            return QMessageBox::RejectRole;
        case MsgAnswer::Yes:
            return QMessageBox::YesRole;
        case MsgAnswer::No:
            return QMessageBox::NoRole;
        default:
            return QMessageBox::AcceptRole;
    }
}

QMessageBox::Icon boxIcon(form::MsgIcon icon) {
    switch (icon) {
        case form::MsgIcon::Critical:
            return QMessageBox::Critical;
        case form::MsgIcon::Question:
            return QMessageBox::Question;
        case form::MsgIcon::Exclamation:
            return QMessageBox::Warning;
        case form::MsgIcon::Information:
            return QMessageBox::Information;
        case form::MsgIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

MsgAnswer QtInteraction::messageBox(const QString& text, const QString& title, form::MsgButtons buttons,
                                    form::MsgIcon icon, int defaultButton) {
    QMessageBox box(m_parent);
    box.setWindowTitle(title.isEmpty() ? QApplication::applicationDisplayName() : title);
    box.setText(text);
    box.setIcon(boxIcon(icon));
    const std::vector<MsgAnswer> answers = form::msgButtonAnswers(buttons);
    std::vector<QPushButton*> pushButtons;
    for (MsgAnswer a : answers) pushButtons.push_back(box.addButton(buttonText(a), buttonRole(a)));
    const MsgAnswer fallback = form::defaultAnswer(buttons, defaultButton);
    for (std::size_t i = 0; i < answers.size(); ++i) {
        if (answers[i] == fallback) box.setDefaultButton(pushButtons[i]);
        if (answers[i] == MsgAnswer::Cancel || answers.size() == 1) box.setEscapeButton(pushButtons[i]);
    }
    box.exec();
    for (std::size_t i = 0; i < answers.size(); ++i)
        if (box.clickedButton() == pushButtons[i]) return answers[i];
    const bool hasCancel = std::find(answers.begin(), answers.end(), MsgAnswer::Cancel) != answers.end();
    return hasCancel ? MsgAnswer::Cancel : fallback;
}

void QtInteraction::registerView(const QString& formName, ViewFactory factory) {
    m_views.insert(formName, std::move(factory));
}

void QtInteraction::showModal(form::Form& form) {
    const ViewFactory factory = m_views.value(form.name());
    std::unique_ptr<QDialog> dialog(factory ? factory(form) : nullptr);
    if (!dialog) {
        qWarning("No view registered for the form %s", qPrintable(form.name()));
        return;
    }
    if (!dialog->parentWidget() && m_parent) dialog->setParent(m_parent, dialog->windowFlags() | Qt::Dialog);
    const form::Control* focused = form.focus();  // before the view reports its own
    Binder binder(form, dialog.get());

    // The behaviour closes the form by hiding it; the person by Esc or the window's close.
    const std::function<void(bool)> previous = form.onShownChanged;
    QDialog* view = dialog.get();
    form.onShownChanged = [previous, view](bool shown) {
        if (previous) previous(shown);
        if (!shown && view->isVisible()) view->done(QDialog::Rejected);
    };
    QObject::connect(view, &QDialog::finished, view, [&form] { form.setShown(false); });
    // The control the form gave the focus to while it loaded takes it once the dialog is up.
    if (QWidget* focus = focused ? binder.widgetFor(focused->name()) : nullptr)
        QTimer::singleShot(0, focus, [focus] { focus->setFocus(Qt::OtherFocusReason); });
    if (onNextModalShown) {
        QTimer::singleShot(0, view, [act = std::exchange(onNextModalShown, {}), &form] { act(form); });
    }
    form.setShown(true);
    if (form.isShown()) view->exec();
    form.onShownChanged = previous;
}

void QtInteraction::setPointer(int pointer) {
    m_pointer = pointer;
    if (pointer == form::PointerBusy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        return;
    }
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
}

// The windows are laid out and painted at once, without running the event loop: no timer and
// no input reaches the form while the work that asked is still going on.
// The window keeps painting and its timers run; the person's keys and clicks wait.
void QtInteraction::attendi(const std::function<bool()>& finito) {
    while (!finito())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents,
                                        20);
}

void QtInteraction::repaint() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) w->repaint();
}

// The desktop opens the file with the application the person chose for it; a missing file is
// the desktop's to say.
bool QtInteraction::shellOpen(const QString& target, form::Form*) {
    const QUrl url = target.startsWith(QStringLiteral("mailto:"), Qt::CaseInsensitive)
                         ? QUrl(target)
                         : QUrl::fromLocalFile(target);
    return QDesktopServices::openUrl(url);
}

QStringList QtInteraction::viewNames() const {
    QStringList names = m_views.keys();
    names.sort();
    return names;
}

}  // namespace tolmo::ui
