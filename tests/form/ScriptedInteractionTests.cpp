#include <gtest/gtest.h>

#include "SampleForm.h"
#include "form/ScriptedInteraction.h"

namespace tolmo::form::test {
namespace {

TEST(MessageBoxAnswers, DefaultButtonPicksAmongTheBoxButtons) {
    EXPECT_EQ(defaultAnswer(MsgButtons::OK, 2), MsgAnswer::OK);
    EXPECT_EQ(defaultAnswer(MsgButtons::YesNo, 1), MsgAnswer::No);
    EXPECT_EQ(defaultAnswer(MsgButtons::YesNoCancel, 2), MsgAnswer::Cancel);
    EXPECT_EQ(defaultAnswer(MsgButtons::AbortRetryIgnore, 1), MsgAnswer::Retry);
    EXPECT_EQ(defaultAnswer(MsgButtons::RetryCancel, -1), MsgAnswer::Retry);
    EXPECT_EQ(defaultAnswer(MsgButtons::OKCancel, 5), MsgAnswer::OK);
    MsgAnswer a = MsgAnswer::OK;
    EXPECT_TRUE(msgAnswerFromName(QStringLiteral("no"), &a));
    EXPECT_EQ(a, MsgAnswer::No);
    EXPECT_FALSE(msgAnswerFromName(QStringLiteral("Forse"), &a));
}

TEST(ScriptedInteraction, QueuedAnswersComeFirstThenDefaults) {
    ScriptedInteraction ui;
    ui.queueAnswer(MsgAnswer::No);
    EXPECT_EQ(ui.messageBox(QStringLiteral("Salvare?"), QStringLiteral("Pratica"), MsgButtons::YesNo,
                            MsgIcon::Question),
              MsgAnswer::No);
    EXPECT_EQ(ui.messageBox(QStringLiteral("Eliminare?"), QStringLiteral("Pratica"), MsgButtons::YesNoCancel,
                            MsgIcon::Exclamation, 1),
              MsgAnswer::No);
    EXPECT_EQ(ui.pendingAnswers(), 0u);
    ASSERT_EQ(ui.messages().size(), 2u);
    const MessageRecord& second = ui.messages()[1];
    EXPECT_EQ(second.text, QStringLiteral("Eliminare?"));
    EXPECT_EQ(second.title, QStringLiteral("Pratica"));
    EXPECT_EQ(second.icon, MsgIcon::Exclamation);
    EXPECT_EQ(second.buttons, MsgButtons::YesNoCancel);
}

TEST(ScriptedInteraction, ShowScriptDrivesTheFormAndEverythingIsRecordedInOrder) {
    ScriptedInteraction ui;
    SampleForm dialog;
    std::vector<QString> happened;
    ui.listener = [&](const ScriptedInteraction::Happening& h) {
        if (h.kind == ScriptedInteraction::Happening::Message)
            happened.push_back(QStringLiteral("msg:") + h.message.text);
        if (h.kind == ScriptedInteraction::Happening::Shown)
            happened.push_back(QStringLiteral("shown:") + h.form);
        if (h.kind == ScriptedInteraction::Happening::PointerChange)
            happened.push_back(QStringLiteral("pointer:") + QString::number(h.pointer));
    };
    std::vector<bool> shownStates;
    dialog.onShownChanged = [&](bool shown) { shownStates.push_back(shown); };
    dialog.cmdOK.on(EventKind::Click, [&](ControlEvent&) {
        BusyPointer busy(ui);
        ui.messageBox(QStringLiteral("Salvato ") + dialog.txtNome.text(), QString(), MsgButtons::OK,
                      MsgIcon::None);
        dialog.setShown(false);
    });
    ui.onShow(QStringLiteral("frmSample"), [](Form& f) {
        EXPECT_TRUE(f.isShown());
        f.find(QStringLiteral("txtNome"))->setText(QStringLiteral("Verdi"));
        f.find(QStringLiteral("cmdOK"))->fire(EventKind::Click);
        EXPECT_FALSE(f.isShown());
    });
    ui.showModal(dialog);
    EXPECT_EQ(happened,
              (std::vector<QString>{QStringLiteral("shown:frmSample"), QStringLiteral("pointer:11"),
                                    QStringLiteral("msg:Salvato Verdi"), QStringLiteral("pointer:0")}));
    EXPECT_EQ(shownStates, (std::vector<bool>{true, false}));
    EXPECT_EQ(ui.pointerHistory(), (std::vector<int>{11, 0}));
    EXPECT_EQ(ui.pointer(), 0);
}

TEST(ScriptedInteraction, FormLeftOpenOrWithoutScriptIsClosedAsByEsc) {
    ScriptedInteraction ui;
    SampleForm dialog;
    ui.onShow(QStringLiteral("frmSample"),
              [](Form& f) { f.find(QStringLiteral("chkUrgente"))->fire(EventKind::Click); });
    ui.showModal(dialog);
    EXPECT_FALSE(dialog.isShown());
    Form other(QStringLiteral("frmSenzaScript"));
    ui.showModal(other);
    EXPECT_FALSE(other.isShown());
    EXPECT_EQ(ui.shownForms().size(), 2u);
    ui.clearRecord();
    EXPECT_TRUE(ui.shownForms().empty());
}

}  // namespace
}  // namespace tolmo::form::test
