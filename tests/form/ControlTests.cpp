#include <gtest/gtest.h>

#include <stdexcept>

#include "SampleForm.h"

namespace tolmo::form::test {
namespace {

TEST(FormRegistry, FindsControlsByNameInRegistrationOrder) {
    SampleForm f;
    EXPECT_EQ(f.find(QStringLiteral("cmbStato")), &f.cmbStato);
    EXPECT_EQ(f.find(QStringLiteral("nessuno")), nullptr);
    ASSERT_EQ(f.controls().size(), 8u);
    EXPECT_EQ(f.controls().front(), &f.lblNome);
    EXPECT_EQ(f.controls().back(), &f.cmdOK);
}

TEST(FormRegistry, ArrayElementsAreNamedWithTheirIndex) {
    SampleForm f;
    Control& campo = f.make<Control>(arrayName(QStringLiteral("txtCampo"), 3), ControlKind::TextBox);
    EXPECT_EQ(campo.name(), QStringLiteral("txtCampo(3)"));
    EXPECT_EQ(f.find(QStringLiteral("txtCampo(3)")), &campo);
    EXPECT_EQ(campo.form(), &f);
}

TEST(FormRegistry, RejectsDuplicateAndEmptyNames) {
    SampleForm f;
    EXPECT_THROW(f.make<Control>(QStringLiteral("txtNome"), ControlKind::TextBox), std::logic_error);
    EXPECT_THROW(f.make<Control>(QString(), ControlKind::TextBox), std::logic_error);
    EXPECT_EQ(f.find(QStringLiteral("txtNome")), &f.txtNome);
}

TEST(FormRegistry, DestroyedControlLeavesRegistryAndFocus) {
    SampleForm f;
    {
        Control temp(&f, QStringLiteral("txtTemp"), ControlKind::TextBox);
        temp.setFocus();
        EXPECT_EQ(f.focus(), &temp);
    }
    EXPECT_EQ(f.find(QStringLiteral("txtTemp")), nullptr);
    EXPECT_EQ(f.focus(), nullptr);
    EXPECT_EQ(f.controls().size(), 8u);
}

TEST(ControlEvents, ChangeFiresOnlyOnRealChangeAfterObserversHeard) {
    SampleForm f;
    std::vector<QString> order;
    f.txtNome.observe([&](Control& c, Prop p) {
        if (p == Prop::Text) order.push_back(QStringLiteral("observer:") + c.text());
    });
    f.txtNome.on(EventKind::Change, [&](ControlEvent&) { order.push_back(QStringLiteral("change")); });
    f.txtNome.setText(QStringLiteral("Rossi"));
    f.txtNome.setText(QStringLiteral("Rossi"));
    f.txtNome.setVisible(true);  // already visible: nothing to tell
    EXPECT_EQ(order, (std::vector<QString>{QStringLiteral("observer:Rossi"), QStringLiteral("change")}));
}

TEST(ControlEvents, HandlersRunInOrderAndOneAddedWhileFiringWaits) {
    SampleForm f;
    std::vector<int> ran;
    f.cmdOK.on(EventKind::Click, [&](ControlEvent&) {
        ran.push_back(1);
        f.cmdOK.on(EventKind::Click, [&](ControlEvent&) { ran.push_back(3); });
    });
    f.cmdOK.on(EventKind::Click, [&](ControlEvent&) { ran.push_back(2); });
    f.cmdOK.on(EventKind::DblClick, [&](ControlEvent&) { ran.push_back(99); });
    f.cmdOK.fire(EventKind::Click);
    EXPECT_EQ(ran, (std::vector<int>{1, 2}));
}

TEST(ControlEvents, DroppedKeyReachesNoLaterHandler) {
    SampleForm f;
    std::vector<int> seen;
    f.txtNome.on(EventKind::KeyPress, [](ControlEvent& e) { e.key = QChar(e.key).toUpper().unicode(); });
    f.txtNome.on(EventKind::KeyPress, [](ControlEvent& e) {
        if (QChar(e.key).isDigit()) e.key = 0;
    });
    f.txtNome.on(EventKind::KeyPress, [&](ControlEvent& e) { seen.push_back(e.key); });
    for (char c : {'a', '7'}) {
        ControlEvent e{EventKind::KeyPress, -1, -1, c, false};
        f.txtNome.fire(e);
    }
    EXPECT_EQ(seen, (std::vector<int>{'A'}));
}

TEST(ControlEvents, UnobservedObserverHearsNothingMore) {
    SampleForm f;
    int heard = 0;
    const int id = f.lblNome.observe([&](Control&, Prop) { ++heard; });
    f.lblNome.setCaption(QStringLiteral("Nome"));
    f.lblNome.unobserve(id);
    f.lblNome.setCaption(QStringLiteral("Cognome"));
    EXPECT_EQ(heard, 1);
}

TEST(ChoiceControls, CheckOptionAndTabClickOnlyWhenTheirValueChanges) {
    SampleForm f;
    EventLog log;
    log.watch(f.chkUrgente, EventKind::Click);
    log.watch(f.optTipo, EventKind::Click);
    log.watch(f.tabPagine, EventKind::Click);
    f.chkUrgente.setChecked(true);
    f.chkUrgente.setChecked(true);
    f.optTipo.setIndex(2);
    f.optTipo.setIndex(2);
    f.optTipo.setIndex(7);  // outside the group: none chosen, no click
    f.tabPagine.setCurrent(1);
    f.tabPagine.setCurrent(5);  // no such tab: ignored
    f.tabPagine.setCurrent(0);
    EXPECT_EQ(f.optTipo.index(), -1);
    EXPECT_EQ(f.tabPagine.current(), 0);
    EXPECT_EQ(log.events, (std::vector<QString>{
                              QStringLiteral("chkUrgente.Click"), QStringLiteral("optTipo.Click:2"),
                              QStringLiteral("tabPagine.Click:1"), QStringLiteral("tabPagine.Click:0")}));
}

TEST(ChoiceControls, TabVisibilityAndCaptionsAreTold) {
    SampleForm f;
    std::vector<Prop> told;
    f.tabPagine.observe([&](Control&, Prop p) { told.push_back(p); });
    f.tabPagine.setTabVisible(2, false);
    f.tabPagine.setTabCaption(1, QStringLiteral("Parti"));
    f.tabPagine.setTabCaption(9, QStringLiteral("nessuna"));
    EXPECT_FALSE(f.tabPagine.tabVisible(2));
    EXPECT_EQ(f.tabPagine.tabCaption(1), QStringLiteral("Parti"));
    EXPECT_EQ(f.tabPagine.tabCaption(9), QString());
    EXPECT_EQ(told, (std::vector<Prop>{Prop::Tabs, Prop::Tabs}));
}

TEST(GridControl, TableIsRectangularAndCurrentCellFollowsIt) {
    SampleForm f;
    f.grdParti.setTable({{QStringLiteral("Rossi")}, {QStringLiteral("Bianchi"), 3, QStringLiteral("extra")}});
    EXPECT_EQ(f.grdParti.columnCount(), 3);
    EXPECT_TRUE(f.grdParti.cell(0, 2).isNull());
    f.grdParti.setCell(5, 0, QStringLiteral("fuori"));
    EXPECT_EQ(f.grdParti.rowCount(), 2);
    f.grdParti.setCurrentCell(1, 1);
    f.grdParti.resize(1);
    EXPECT_TRUE(f.grdParti.cell(0, 0).isNull());
    EXPECT_EQ(f.grdParti.row(), -1);
}

TEST(ControlFocus, SetFocusRecordsTheFormFocusAndTellsTheView) {
    SampleForm f;
    bool told = false;
    f.txtNome.observe([&](Control&, Prop p) { told = told || p == Prop::Focus; });
    f.txtNome.setFocus();
    EXPECT_EQ(f.focus(), &f.txtNome);
    EXPECT_TRUE(told);
}

}  // namespace
}  // namespace tolmo::form::test
