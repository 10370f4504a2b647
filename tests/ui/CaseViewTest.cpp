// The case form's Designer views: every control of the case and of its header has a
// widget, and the state of a few representative controls flows both ways.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "core/PraticaForm.h"
#include "ui/case/PraticaView.h"

namespace tolmo::ui::test {
namespace {

class CaseView : public ::testing::Test {
protected:
    template <class W = QWidget>
    W* widget(const QString& name) {
        return view.findChild<W*>(name);
    }

    core::PraticaForm form;
    core::CaseHeader::Controls header;
    PraticaView view{form, header};
};

TEST_F(CaseView, EveryControlHasAWidgetOfItsKind) {
    EXPECT_TRUE(view.unboundControls().isEmpty()) << view.unboundControls().join(u' ').toStdString();
    EXPECT_TRUE(view.mismatchedControls().isEmpty()) << view.mismatchedControls().join(u' ').toStdString();
    for (const form::Form* f :
         {static_cast<const form::Form*>(&form), static_cast<const form::Form*>(&header)})
        for (const form::Control* c : f->controls())
            EXPECT_NE(widget(c->name()), nullptr) << c->name().toStdString();
}

TEST_F(CaseView, ArrayElementsCarryTheControlsName) {
    EXPECT_NE(widget<QLineEdit>(QStringLiteral("txtCampo(3)")), nullptr);
    EXPECT_EQ(widget(QStringLiteral("txtCampo_3")), nullptr);
    EXPECT_NE(widget<QRadioButton>(QStringLiteral("optCU_0")), nullptr);  // option buttons keep theirs

    form.txtCampo[13]->setText(QStringLiteral("Foro di Monza"));
    EXPECT_EQ(widget<QLineEdit>(QStringLiteral("txtCampo(13)"))->text(), QStringLiteral("Foro di Monza"));
    form.lblCampo[13]->setCaption(QStringLiteral("Foro competente"));
    EXPECT_EQ(widget<QLabel>(QStringLiteral("lblCampo(13)"))->text(), QStringLiteral("Foro competente"));
}

TEST_F(CaseView, TheNineTabsInOrder) {
    auto* tabs = widget<QTabWidget>(QStringLiteral("SSTabPratica"));
    ASSERT_NE(tabs, nullptr);
    const QStringList expected{
        QStringLiteral("Generale"),     QStringLiteral("Parti"),           QStringLiteral("Riferimenti"),
        QStringLiteral("Campi liberi"), QStringLiteral("Penale"),          QStringLiteral("Contabilità"),
        QStringLiteral("Campi 11-20"),  QStringLiteral("SOGG. COINVOLTI"), QStringLiteral("Rappresentanti")};
    ASSERT_EQ(tabs->count(), static_cast<int>(expected.size()));
    for (int t = 0; t < tabs->count(); ++t) EXPECT_EQ(tabs->tabText(t), expected.at(t)) << t;
}

TEST_F(CaseView, ControlsSitOnTheirTabs) {
    auto* tabs = widget<QTabWidget>(QStringLiteral("SSTabPratica"));
    const auto onTab = [&](const char* name, int tab) {
        const QWidget* w = widget(QString::fromLatin1(name));
        return w && tabs->widget(tab)->isAncestorOf(w);
    };
    EXPECT_TRUE(onTab("txtNOTE", core::TabGenerale));
    EXPECT_TRUE(onTab("TEDDenaroValore", core::TabGenerale));
    EXPECT_TRUE(onTab("GridControparti", core::TabParti));
    EXPECT_TRUE(onTab("cmbRiservata", core::TabRiferimenti));
    EXPECT_TRUE(onTab("txtCampo(9)", core::TabCampiLiberi));
    EXPECT_TRUE(onTab("txtnRg", core::TabPenale));
    EXPECT_TRUE(onTab("FRimanenzaFondo", core::TabContabilita));
    EXPECT_TRUE(onTab("txtCampo(10)", core::TabCampiLiberi2));
    EXPECT_TRUE(onTab("cmbSoggetto", core::TabSoggetti));
    EXPECT_TRUE(onTab("fraRappresentanti", core::TabRappresentanti));
}

TEST_F(CaseView, NotesFlowBothWays) {
    auto* notes = widget<QPlainTextEdit>(QStringLiteral("txtNOTE"));
    ASSERT_NE(notes, nullptr);
    form.txtNOTE.setText(QStringLiteral("Prima udienza rinviata\nal 12 marzo"));
    EXPECT_EQ(notes->toPlainText(), QStringLiteral("Prima udienza rinviata\nal 12 marzo"));
    notes->setPlainText(QStringLiteral("Sentenza depositata"));
    EXPECT_EQ(form.txtNOTE.text(), QStringLiteral("Sentenza depositata"));
}

TEST_F(CaseView, AuthorityRowSelectionFlowsBothWays) {
    auto* combo = widget<QComboBox>(QStringLiteral("cmbAutorita"));
    ASSERT_NE(combo, nullptr);
    EXPECT_TRUE(combo->isEditable());
    form.cmbAutorita.addRow(QStringLiteral("Tribunale di Milano"));
    form.cmbAutorita.addRow(QStringLiteral("Corte d'appello di Milano"));
    ASSERT_EQ(combo->count(), 2);

    form.cmbAutorita.setSelectedRow(1);
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_EQ(combo->currentText(), QStringLiteral("Corte d'appello di Milano"));

    QTest::keyClick(combo, Qt::Key_Up);  // the person picks the row above
    EXPECT_EQ(form.cmbAutorita.selectedRow(), 0);
    EXPECT_EQ(form.cmbAutorita.text(), QStringLiteral("Tribunale di Milano"));
}

TEST_F(CaseView, CriminalTabShowsAndHides) {
    auto* tabs = widget<QTabWidget>(QStringLiteral("SSTabPratica"));
    form.SSTabPratica.setTabVisible(core::TabPenale, false);
    EXPECT_FALSE(tabs->isTabVisible(core::TabPenale));
    form.SSTabPratica.setTabVisible(core::TabPenale, true);
    EXPECT_TRUE(tabs->isTabVisible(core::TabPenale));

    form.SSTabPratica.setCurrent(core::TabRiferimenti);
    EXPECT_EQ(tabs->currentIndex(), core::TabRiferimenti);
    tabs->setCurrentIndex(core::TabContabilita);
    EXPECT_EQ(form.SSTabPratica.current(), core::TabContabilita);
}

TEST_F(CaseView, ValueNarrowsToMakeRoomForTheInjunctionSum) {
    auto* valore = widget<QLineEdit>(QStringLiteral("TEDDenaroValore"));
    ASSERT_NE(valore, nullptr);
    EXPECT_EQ(valore->parentWidget()->layout(), nullptr);  // the form's geometry rules here
    EXPECT_EQ(form.TEDDenaroValore.width(), 2415);         // taken from the view
    EXPECT_EQ(valore->width(), 161);
    form.TEDDenaroValore.setWidth(1575);
    EXPECT_EQ(valore->width(), 105);
    form.TEDDenaroValore.setWidth(2415);
    EXPECT_EQ(valore->width(), 161);
}

TEST_F(CaseView, CourtFeeOptionsFollowTheForm) {
    form.optCU.setIndex(0);
    EXPECT_TRUE(widget<QRadioButton>(QStringLiteral("optCU_0"))->isChecked());
    widget<QRadioButton>(QStringLiteral("optContributo_2"))->click();
    EXPECT_EQ(form.optContributo.index(), 2);
}

TEST_F(CaseView, HeaderStripSitsInItsPlace) {
    QWidget* holder = widget(QStringLiteral("ctlTestata1"));
    auto* posizione = widget<QLineEdit>(QStringLiteral("txtPosizione"));
    ASSERT_NE(holder, nullptr);
    ASSERT_NE(posizione, nullptr);
    EXPECT_TRUE(holder->isAncestorOf(posizione));

    header.txtPosizione.setText(QStringLiteral("2024/0012"));
    EXPECT_EQ(posizione->text(), QStringLiteral("2024/0012"));
    QTest::keyClicks(widget<QLineEdit>(QStringLiteral("txtCognomeCliente")), QStringLiteral("Rossi"));
    EXPECT_EQ(header.txtCognomeCliente.text(), QStringLiteral("Rossi"));

    auto* penale = widget<QLabel>(QStringLiteral("lblPenale"));
    EXPECT_EQ(penale->isHidden(), !header.lblPenale.visible());
    header.lblPenale.setVisible(true);
    EXPECT_FALSE(penale->isHidden());
    EXPECT_EQ(penale->text(), QStringLiteral("PENALE"));
}

TEST_F(CaseView, HeaderFieldsComeFirstInTheTabOrder) {
    QWidget* w = widget(QStringLiteral("TolDataArch"));
    for (const char* name : {"txtPosizione", "txtNumeroRegGenerale", "txtCognomeCliente", "txtNomeCliente",
                             "txtCognomeControparte", "txtNomeControparte"}) {
        w = w->nextInFocusChain();
        EXPECT_EQ(w->objectName(), QString::fromLatin1(name));
    }
}

TEST_F(CaseView, FitsInThirteenHundredBySixHundredForty) {
    const QRect screen(0, 0, 1300, 640);
    view.resize(screen.size());
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    for (QWidget* child : view.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(screen.contains(child->geometry())) << child->objectName().toStdString();
    auto* tabs = widget<QTabWidget>(QStringLiteral("SSTabPratica"));
    for (int t = 0; t < tabs->count(); ++t) {
        tabs->setCurrentIndex(t);
        const QWidget* page = tabs->widget(t);
        EXPECT_LE(page->minimumSizeHint().height(), page->height()) << t;
        EXPECT_LE(page->minimumSizeHint().width(), page->width()) << t;
    }
}

}  // namespace
}  // namespace tolmo::ui::test
