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
#include <QTableView>
#include <QTest>

#include "core/TolmoPratica.h"
#include "form/Control.h"
#include "form/ScriptedInteraction.h"
#include "parties/PartyLookups.h"
#include "support/DocumentsRoot.h"
#include "ui/case/PraticaView.h"

namespace tolmo::ui::test {
namespace {

class CaseView : public ::testing::Test {
protected:
    template <class W = QWidget>
    W* widget(const QString& name) {
        return view.findChild<W*>(name);
    }

    /// A control of a section, by name.
    template <class T = form::Control>
    T& ctl(const char* name) {
        return form.control<T>(QLatin1String(name));
    }

    form::ScriptedInteraction ui;
    platform::MemorySettings settings;
    tolmo::test::DocumentsRoot documents{settings};
    TolmoPratica pratica{ui, settings};
    core::PraticaForm& form = pratica.form();
    core::CaseHeader::Controls& header = pratica.header().controls();
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

    ctl("txtCampo(13)").setText(QStringLiteral("Foro di Monza"));
    EXPECT_EQ(widget<QLineEdit>(QStringLiteral("txtCampo(13)"))->text(), QStringLiteral("Foro di Monza"));
    ctl("lblCampo(13)").setCaption(QStringLiteral("Foro competente"));
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
    ctl<form::ListControl>("cmbAutorita").clear();
    ctl<form::ListControl>("cmbAutorita").addRow(QStringLiteral("Tribunale di Milano"));
    ctl<form::ListControl>("cmbAutorita").addRow(QStringLiteral("Corte d'appello di Milano"));
    ASSERT_EQ(combo->count(), 2);

    ctl<form::ListControl>("cmbAutorita").setSelectedRow(1);
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_EQ(combo->currentText(), QStringLiteral("Corte d'appello di Milano"));

    QTest::keyClick(combo, Qt::Key_Up);  // the person picks the row above
    EXPECT_EQ(ctl<form::ListControl>("cmbAutorita").selectedRow(), 0);
    EXPECT_EQ(ctl<form::ListControl>("cmbAutorita").text(), QStringLiteral("Tribunale di Milano"));
}

// Consultation disables the frames; what stays usable must not sit inside one of them.
TEST_F(CaseView, FramesDisabledLeaveInformationAndConsultationButtonsUsable) {
    for (const form::Control* c : form.controls())
        if (c->kind() == form::ControlKind::Frame && c->name() != QStringLiteral("ctlTestata1"))
            const_cast<form::Control*>(c)->setEnabled(false);
    for (const char* name : {"cmdInfoIstruttore", "cmdInfoAvvCp", "cmdInfoFatt", "cmdAR", "cmdPratCollegate",
                             "txtNOTE", "optCU_0", "optCU_1"})
        EXPECT_TRUE(widget(QString::fromLatin1(name))->isEnabled()) << name;
    for (const char* name :
         {"txtUfficioIscrizione", "txtIstruttore", "cmdTariffa", "cmbCorrispondente", "txtCampo(0)"})
        EXPECT_FALSE(widget(QString::fromLatin1(name))->isEnabled()) << name;
}

// The name of the party to invoice is shown, never typed: it looks like the locked entries.
TEST_F(CaseView, ValuePanelsArePaintedLikeLockedEntries) {
    ctl("txtNomeLegaleControparte").setLocked(true);
    const auto* locked = widget<QLineEdit>(QStringLiteral("txtNomeLegaleControparte"));
    const auto* name = widget<QLabel>(QStringLiteral("lblNomeFatturareA"));
    ASSERT_NE(name, nullptr);
    EXPECT_TRUE(name->autoFillBackground());
    EXPECT_EQ(name->palette().color(name->backgroundRole()), locked->palette().color(QPalette::Base));
}

TEST_F(CaseView, EntriesTakeNoMoreThanTheirColumnHolds) {
    EXPECT_EQ(widget<QLineEdit>(QStringLiteral("txtCollocazione"))->maxLength(), 100);
    EXPECT_EQ(widget<QLineEdit>(QStringLiteral("txtPosizione"))->maxLength(), 400);
    EXPECT_EQ(widget<QComboBox>(QStringLiteral("cmbOggetto"))->lineEdit()->maxLength(),
              ctl("cmbOggetto").maxLength());
    EXPECT_GT(ctl("cmbOggetto").maxLength(), 0);
    EXPECT_EQ(widget<QLineEdit>(QStringLiteral("txtCampo(4)"))->maxLength(), 400);
}

// A date field takes its mask, a money field shows its display format until it is entered, and
// entering selects the whole text; a date typed short through the mask is written in full.
TEST_F(CaseView, FreeFieldInputRulesReachTheWidgets) {
    form.SSTabPratica.setCurrent(core::TabCampiLiberi);
    ctl("fraCampiLiberi").setEnabled(true);
    auto& data = ctl("txtCampo(0)");
    data.setTag(QStringLiteral("1"));
    data.setFormat(QStringLiteral("ddddd"), QStringLiteral("##/##/####"));
    auto& soldi = ctl("txtCampo(2)");
    soldi.setTag(QStringLiteral("2"));
    soldi.setFormat(QStringLiteral("€ #,##0.00;(€ #,##0.00)"), QString());
    soldi.setText(QStringLiteral("1234,5"));
    auto* dataLine = widget<QLineEdit>(QStringLiteral("txtCampo(0)"));
    auto* soldiLine = widget<QLineEdit>(QStringLiteral("txtCampo(2)"));
    EXPECT_EQ(dataLine->inputMask(), QStringLiteral("00/00/0000;_"));
    EXPECT_EQ(soldiLine->text(), QStringLiteral("€ 1.234,50"));

    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    QTest::mouseClick(soldiLine, Qt::LeftButton, {},
                      QPoint(4, soldiLine->height() / 2));  // no select-all of Qt's own
    QTest::qWait(10);
    EXPECT_EQ(soldiLine->text(), QStringLiteral("1234,5"));
    EXPECT_EQ(soldiLine->selectedText(), QStringLiteral("1234,5"));

    dataLine->setFocus(Qt::TabFocusReason);
    dataLine->setCursorPosition(0);
    QTest::keyClicks(dataLine, QStringLiteral("1/2/2020"));
    soldiLine->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(data.text(), QStringLiteral("01/02/2020"));
    EXPECT_EQ(dataLine->displayText(), QStringLiteral("01/02/2020"));
    EXPECT_TRUE(ui.messages().empty());

    data.setFormat(QString(), QString());  // a text field again: the column's limit stays
    EXPECT_EQ(dataLine->inputMask(), QString());
    EXPECT_EQ(dataLine->maxLength(), 400);
}

TEST_F(CaseView, JudgeInformationSitsBesideTheJudge) {
    view.resize(1300, 600);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const QWidget* judge = widget(QStringLiteral("txtIstruttore"));
    const QWidget* info = widget(QStringLiteral("cmdInfoIstruttore"));
    const QRect j(judge->mapTo(&view, QPoint(0, 0)), judge->size());
    const QRect i(info->mapTo(&view, QPoint(0, 0)), info->size());
    EXPECT_LE(std::abs(j.center().y() - i.center().y()), 3);
    EXPECT_GE(i.left(), j.right());
    EXPECT_LE(i.left() - j.right(), 20);
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
    ctl<form::OptionGroup>("optCU").setIndex(0);
    EXPECT_TRUE(widget<QRadioButton>(QStringLiteral("optCU_0"))->isChecked());
    widget<QRadioButton>(QStringLiteral("optContributo_2"))->click();
    EXPECT_EQ(ctl<form::OptionGroup>("optContributo").index(), 2);
}

TEST_F(CaseView, HeaderStripSitsInItsPlace) {
    QWidget* holder = widget(QStringLiteral("ctlTestata1"));
    auto* posizione = widget<QLineEdit>(QStringLiteral("txtPosizione"));
    ASSERT_NE(holder, nullptr);
    ASSERT_NE(posizione, nullptr);
    EXPECT_TRUE(holder->isAncestorOf(posizione));

    pratica.header().setMode(core::CaseHeader::Insertion);  // consultation locks the header's entries
    header.txtPosizione.setText(QStringLiteral("2024/0012"));
    EXPECT_EQ(posizione->text(), QStringLiteral("2024/0012"));
    QTest::keyClicks(widget<QComboBox>(QStringLiteral("txtCognomeCliente")), QStringLiteral("Rossi"));
    EXPECT_EQ(header.txtCognomeCliente.text(), QStringLiteral("Rossi"));

    auto* penale = widget<QLabel>(QStringLiteral("lblPenale"));
    EXPECT_EQ(penale->isHidden(), !header.lblPenale.visible());
    header.lblPenale.setVisible(true);
    EXPECT_FALSE(penale->isHidden());
    EXPECT_EQ(penale->text(), QStringLiteral("PENALE"));
}

TEST_F(CaseView, HeaderFieldsComeFirstInTheTabOrder) {
    QWidget* w = widget(QStringLiteral("TolDataArch"));
    for (const char* name :
         {"txtPosizione", "txtNumeroRegGenerale", "txtCognomeCliente", "txtNomeCliente", "cmdInfoCliente",
          "txtCognomeControparte", "txtNomeControparte", "cmdInfoControparte", "cmbPratica"}) {
        w = w->nextInFocusChain();
        while (w->parentWidget() && qobject_cast<QComboBox*>(w->parentWidget())) w = w->nextInFocusChain();
        EXPECT_EQ(w->objectName(), QString::fromLatin1(name));
    }
}

TEST_F(CaseView, HeaderListsAreTypeAheadCombos) {
    for (const char* name : {"txtCognomeCliente", "txtCognomeControparte", "cmbPratica"}) {
        auto* combo = widget<QComboBox>(QString::fromLatin1(name));
        ASSERT_NE(combo, nullptr) << name;
        EXPECT_TRUE(combo->isEditable()) << name;
        EXPECT_FALSE(combo->lineEdit()->placeholderText().isEmpty()) << name;
    }
    auto* caption = widget<QLabel>(QStringLiteral("capPratica"));
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->text(), QStringLiteral("Cerca pratica"));
}

// Real keys on the lawyer's field: the keys that type nothing reach the form too.
TEST_F(CaseView, KeysThatTypeNothingUndoTheChosenLawyer) {
    auto& lawyers = ctl<form::ListControl>("cmbCognomeLegaleCP");
    lawyers.addRow(QStringList{QStringLiteral("Fontana"), QStringLiteral("Laura"), QStringLiteral("21")});
    const parties::PartyChoices& ids = pratica.section<parties::PartyLookups>()->choices();
    auto* combo = widget<QComboBox>(QStringLiteral("cmbCognomeLegaleCP"));
    view.show();
    const auto chooseLawyer = [&] {
        lawyers.setSelectedRow(0);
        form::ControlEvent e;
        e.kind = form::EventKind::Choose;
        e.row = 0;
        lawyers.fire(e);
        ASSERT_EQ(ids.idAcp, 21);
    };
    chooseLawyer();
    QTest::keyClick(combo, Qt::Key_Return);
    QTest::keyClick(combo, Qt::Key_Control);
    QTest::keyClick(combo, Qt::Key_Tab);  // leaving the field keeps the lawyer chosen
    EXPECT_EQ(ids.idAcp, 21);
    for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Home, Qt::Key_End, Qt::Key_F5}) {
        chooseLawyer();
        QTest::keyClick(combo, key);
        EXPECT_EQ(ids.idAcp, 1) << key;
    }
    chooseLawyer();
    combo->lineEdit()->selectAll();
    combo->lineEdit()->insert(QStringLiteral("Fontanella"));  // a paste from the context menu
    EXPECT_EQ(ids.idAcp, 1);
}

TEST_F(CaseView, PartyListsShowNamesButNotIds) {
    ctl<form::ListControl>("cmbCorrispondente")
        .addRow(QStringList{QStringLiteral("Caruso"), QStringLiteral("Giovanni"), QStringLiteral("23")});
    header.txtCognomeCliente.addRow(
        QStringList{QStringLiteral("Bianco"), QStringLiteral("Alessandro"), QStringLiteral("4")});
    for (const char* name : {"cmbCorrispondente", "cmbCognomeLegaleCP", "txtCognomeCliente", "cmbPratica"}) {
        auto* table = qobject_cast<QTableView*>(widget<QComboBox>(QString::fromLatin1(name))->view());
        ASSERT_NE(table, nullptr) << name;
        EXPECT_FALSE(table->isColumnHidden(0)) << name;
        EXPECT_FALSE(table->isColumnHidden(1)) << name;
        EXPECT_TRUE(table->isColumnHidden(2)) << name;
    }
}

TEST_F(CaseView, PartyGridsKeepTheirIdsOutOfSight) {
    ctl<form::Grid>("GridClienti").setTable({{QStringLiteral("Conti"), QStringLiteral("Elena"), 7, 41}});
    auto* grid = widget<QTableView>(QStringLiteral("GridClienti"));
    ASSERT_NE(grid, nullptr);
    EXPECT_FALSE(grid->isColumnHidden(1));
    EXPECT_TRUE(grid->isColumnHidden(2));
    EXPECT_TRUE(grid->isColumnHidden(3));
    EXPECT_EQ(grid->model()->index(0, 3).data().toInt(), 41);  // kept, only not shown
    EXPECT_TRUE(widget<QTableView>(QStringLiteral("DropControparti"))->isColumnHidden(2));
}

TEST_F(CaseView, CasePickerOpensAfterItsDropDownAndReportsTheChoice) {
    auto* picker = widget<QComboBox>(QStringLiteral("cmbPratica"));
    int dropDowns = 0, chosen = -1;
    header.cmbPratica.on(form::EventKind::DropDown, [&](form::ControlEvent&) {
        ++dropDowns;
        header.cmbPratica.clear();
        header.cmbPratica.addRow(
            QStringList{QStringLiteral("101"), QStringLiteral("ESPOSITO"), QStringLiteral("2")});
        header.cmbPratica.addRow(
            QStringList{QStringLiteral("102"), QStringLiteral("EDILNORD"), QStringLiteral("3")});
    });
    header.cmbPratica.on(form::EventKind::Choose, [&](form::ControlEvent& e) { chosen = e.row; });
    view.show();
    QTest::keyClicks(picker, QStringLiteral("10"));
    EXPECT_EQ(header.cmbPratica.text(), QStringLiteral("10"));
    QTest::keyClick(picker, Qt::Key_F4);
    EXPECT_EQ(dropDowns, 1);
    EXPECT_EQ(picker->count(), 2);  // filled before the popup showed
    picker->hidePopup();
    emit picker->activated(1);  // the person picks the second row
    EXPECT_EQ(chosen, 1);
    EXPECT_EQ(header.cmbPratica.selectedCell(2), QStringLiteral("3"));
}

// What the studio leaves to the form at 1366x768, below its menu and toolbar and above its
// events pane and status bar.
TEST_F(CaseView, FitsInTheStudioAtThirteenSixtySixBySevenSixtyEight) {
    const QRect screen(0, 0, 1300, 600);
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
