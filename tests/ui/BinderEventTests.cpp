// Widget signals and input coming back to the form as control events.
#include <QApplication>
#include <QStyleOptionComboBox>
#include <QTest>

#include "SampleView.h"

namespace tolmo::ui::test {
namespace {

TEST_F(BoundView, KeyPressHandlersDropOrReplaceTheKey) {
    bind();
    form.txtNome.on(EventKind::KeyPress, [](form::ControlEvent& e) {
        if (QChar(e.key).isDigit())
            e.key = 0;
        else
            e.key = QChar(e.key).toUpper().unicode();
    });
    QTest::keyClicks(ui.txtNome, QStringLiteral("a1b2"));
    QTest::sendKeyEvent(QTest::Click, ui.txtNome, Qt::Key_Egrave, QStringLiteral("è"), Qt::NoModifier);
    EXPECT_EQ(ui.txtNome->text(), QStringLiteral("ABÈ"));
    EXPECT_EQ(form.txtNome.text(), QStringLiteral("ABÈ"));
    QTest::keyClick(ui.txtNome, Qt::Key_Backspace);
    EXPECT_EQ(form.txtNome.text(), QStringLiteral("AB"));
}

TEST_F(BoundView, DropDownFiresBeforeTheComboPopupOpens) {
    bind();
    form.cmbStato.on(EventKind::DropDown, [this](form::ControlEvent&) {
        events.push_back(QStringLiteral("DropDown"));
        form.cmbStato.setRows(
            {QStringLiteral("Aperta\tA"), QStringLiteral("Chiusa\tC"), QStringLiteral("Sospesa\tS")});
    });
    root.show();
    QTest::keyClick(ui.cmbStato, Qt::Key_F4);
    EXPECT_TRUE(ui.cmbStato->view()->isVisible());
    EXPECT_EQ(ui.cmbStato->view()->model()->rowCount(), 3);
    QTest::keyClick(ui.cmbStato, Qt::Key_F4);  // already open: no second DropDown
    ui.cmbStato->hidePopup();
    QTest::keyClick(ui.cmbStato, Qt::Key_Down, Qt::AltModifier);
    ui.cmbStato->hidePopup();

    QStyleOptionComboBox option;
    option.initFrom(ui.cmbStato);
    option.editable = true;
    const QRect arrow = ui.cmbStato->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                             QStyle::SC_ComboBoxArrow, ui.cmbStato);
    QTest::mousePress(ui.cmbStato, Qt::LeftButton, {}, arrow.center());
    ui.cmbStato->hidePopup();
    EXPECT_EQ(events, std::vector<QString>(3, QStringLiteral("DropDown")));

    form.cmbStato.setLocked(true);
    QTest::keyClick(ui.cmbStato, Qt::Key_F4);
    EXPECT_FALSE(ui.cmbStato->view()->isVisible());
    EXPECT_EQ(events.size(), 3u);
}

// A grid opens its drop-down on F4 or Alt+Down; a drop-down list chooses on Enter, not on the
// arrows that move through it.
TEST_F(BoundView, GridDropDownAndAListThatChoosesOnEnter) {
    ui.lstAtti->setProperty("scegliConInvio", true);
    bind();
    watch(form.grdParti, EventKind::DropDown);
    watch(form.lstAtti, EventKind::Choose);
    form.grdParti.setTable({{QStringLiteral("Rossi"), 1}});
    form.lstAtti.setRows({QStringLiteral("Atto\t1"), QStringLiteral("Ricorso\t2")});
    root.show();
    QTest::keyClick(ui.grdParti, Qt::Key_F4);
    QTest::keyClick(ui.grdParti, Qt::Key_Down, Qt::AltModifier);
    ui.lstAtti->setFocus();
    ui.lstAtti->setCurrentRow(0);
    QTest::keyClick(ui.lstAtti, Qt::Key_Down);
    EXPECT_EQ(form.lstAtti.selectedRow(), 1);
    QTest::keyClick(ui.lstAtti, Qt::Key_Return);
    EXPECT_EQ(events,
              (std::vector<QString>{QStringLiteral("grdParti.DropDown"), QStringLiteral("grdParti.DropDown"),
                                    QStringLiteral("lstAtti.Choose@1")}));
}

TEST_F(BoundView, ClicksReachButtonsAndLabelsButNotLockedControls) {
    bind();
    watch(form.cmdOK, EventKind::Click);
    watch(form.lblNome, EventKind::Click);
    watch(form.lblNome, EventKind::DblClick);
    watch(form.chkUrgente, EventKind::Click);
    root.show();
    QTest::mouseClick(ui.cmdOK, Qt::LeftButton);
    QTest::keyClick(ui.cmdOK, Qt::Key_Space);
    QTest::mouseClick(ui.lblNome, Qt::LeftButton);
    QTest::mouseDClick(ui.lblNome, Qt::LeftButton);
    form.chkUrgente.setLocked(true);
    QTest::mouseClick(ui.chkUrgente, Qt::LeftButton);
    EXPECT_FALSE(form.chkUrgente.checked());
    EXPECT_FALSE(ui.chkUrgente->isChecked());
    EXPECT_EQ(events,
              (std::vector<QString>{QStringLiteral("cmdOK.Click"), QStringLiteral("cmdOK.Click"),
                                    QStringLiteral("lblNome.Click"), QStringLiteral("lblNome.DblClick")}));
}

TEST_F(BoundView, FocusEventsAndCancelledLostFocus) {
    bind();
    watch(form.txtNome, EventKind::GotFocus);
    watch(form.txtNome, EventKind::LostFocus);
    bool refuse = true;
    form.txtNome.on(EventKind::LostFocus, [&](form::ControlEvent& e) { e.cancel = refuse; });
    ui.cmdOK->setFocus();
    root.show();
    QApplication::setActiveWindow(&root);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&root));

    form.txtNome.setFocus();
    EXPECT_TRUE(ui.txtNome->hasFocus());
    EXPECT_EQ(form.focus(), &form.txtNome);
    ui.txtCampo_0->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(form.focus(), form.find(QStringLiteral("txtCampo(0)")));
    QTRY_VERIFY(ui.txtNome->hasFocus());
    refuse = false;
    ui.txtCampo_0->setFocus(Qt::TabFocusReason);
    QTest::qWait(10);
    EXPECT_TRUE(ui.txtCampo_0->hasFocus());
    EXPECT_EQ(events, (std::vector<QString>{
                          QStringLiteral("txtNome.GotFocus"), QStringLiteral("txtNome.LostFocus"),
                          QStringLiteral("txtNome.GotFocus"), QStringLiteral("txtNome.LostFocus")}));
}

}  // namespace
}  // namespace tolmo::ui::test
