// The on-screen Interaction: message boxes, modal forms, the busy pointer.
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "SampleView.h"
#include "ui/binder/QtInteraction.h"

namespace tolmo::ui::test {
namespace {

using form::MsgAnswer;
using form::MsgButtons;
using form::MsgIcon;

// Runs `act` on the message box once it is up.
void whenBoxShows(std::function<void(QMessageBox&)> act) {
    QTimer::singleShot(0, [act] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        act(*box);
    });
}

QAbstractButton* buttonNamed(QMessageBox& box, const QString& text) {
    for (QAbstractButton* b : box.buttons())
        if (b->text() == text) return b;
    return nullptr;
}

TEST(QtInteraction, MessageBoxSpeaksItalianAndAnswersWithTheButtonPressed) {
    QtInteraction ui;
    QStringList texts;
    QString defaultText;
    whenBoxShows([&](QMessageBox& box) {
        for (QAbstractButton* b : box.buttons()) texts.append(b->text());
        defaultText = box.defaultButton()->text();
        EXPECT_EQ(box.icon(), QMessageBox::Question);
        EXPECT_EQ(box.windowTitle(), QStringLiteral("Pratica"));
        buttonNamed(box, QStringLiteral("Sì"))->click();
    });
    EXPECT_EQ(ui.messageBox(QStringLiteral("Salvare?"), QStringLiteral("Pratica"), MsgButtons::YesNoCancel,
                            MsgIcon::Question, 1),
              MsgAnswer::Yes);
    texts.sort();
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Annulla"), QStringLiteral("No"), QStringLiteral("Sì")}));
    EXPECT_EQ(defaultText, QStringLiteral("No"));

    whenBoxShows([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    EXPECT_EQ(
        ui.messageBox(QStringLiteral("Riprovare?"), QString(), MsgButtons::RetryCancel, MsgIcon::Exclamation),
        MsgAnswer::Cancel);
}

TEST(QtInteraction, ModalFormRunsUntilTheBehaviourOrThePersonClosesIt) {
    QtInteraction ui;
    SampleForm form;
    QLineEdit* shownEdit = nullptr;
    ui.registerView(form.name(), [&](form::Form&) {
        auto* dialog = new QDialog;
        auto* edit = new QLineEdit(dialog);
        edit->setObjectName(QStringLiteral("txtNome"));
        shownEdit = edit;
        return dialog;
    });
    form.cmdOK.on(EventKind::Click, [&](form::ControlEvent&) { form.setShown(false); });
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(form.isShown());
        QTest::keyClicks(shownEdit, QStringLiteral("Rossi"));
        form.cmdOK.fire(EventKind::Click);
    });
    ui.showModal(form);
    EXPECT_FALSE(form.isShown());
    EXPECT_EQ(form.txtNome.text(), QStringLiteral("Rossi"));

    QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    ui.showModal(form);
    EXPECT_FALSE(form.isShown());
    form.txtNome.setText(QStringLiteral("dopo la chiusura"));  // the view is gone: nothing to update
}

TEST(QtInteraction, BusyPointerSetsAndClearsTheWaitCursor) {
    QtInteraction ui;
    {
        form::BusyPointer busy(ui);
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        ui.setPointer(form::PointerBusy);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(ui.pointer(), form::PointerDefault);
}

}  // namespace
}  // namespace tolmo::ui::test
