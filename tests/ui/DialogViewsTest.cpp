// The Designer views of the modal forms, run through the on-screen Interaction: every
// control has its widget, and what the person clicks or presses reaches the form.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "DialogTesting.h"
#include "aml/FrmGestAR.h"
#include "aml/FrmIdentificazioneAR.h"
#include "apps/common/QuickPartyForm.h"
#include "criminal/FrmFisGiudice.h"
#include "fees/DlgEstremiPagamento.h"
#include "fees/DlgTariffa.h"
#include "fees/FrmCalcolaCU.h"
#include "links/DlgAvvocati.h"
#include "links/DlgPratCollegate.h"
#include "links/DlgRichiedi.h"
#include "offices/DlgUffici.h"
#include "parties/PartyCard.h"
#include "parties/PartyEditor.h"
#include "schema/DemoFirm.h"
#include "schema/Schema.h"
#include "support/TestServices.h"
#include "ui/binder/QtInteraction.h"
#include "ui/dialogs/DialogViews.h"

namespace tolmo::ui::test {
namespace {

// A dialog the studio can show is one the hostile sweep of the host suite walks through.
TEST(DialogRegistry, EveryDialogTheStudioShowsIsSweptWithHostileInput) {
    QtInteraction ui;
    registerDialogViews(ui);
    QFile file(QStringLiteral(TOLMO_HOST_TEST_DIR "/hostile-dialogs.json"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QStringList swept;
    for (const QJsonValue& d : QJsonDocument::fromJson(file.readAll()).array())
        swept << d.toObject().value("form").toString();
    swept.sort();
    EXPECT_EQ(swept.join(u' ').toStdString(), ui.viewNames().join(u' ').toStdString());
}

class QuestionDialog : public ::testing::Test {
protected:
    void SetUp() override {
        registerDialogViews(ui);
        answer.Risposta = 7;  // neither yes nor no until the person answers
        answer.BloccaRichiedi = 7;
        dlg.ImpostaMessaggio(
            QStringLiteral("Vuoi inserire l'oggetto della Pratica nella Lista degli Oggetti di Pratica?"));
        dlg.SettaDlg(&answer);
    }

    QtInteraction ui;
    links::DlgRichiedi dlg;
    clsIDToPrat answer;
};

TEST_F(QuestionDialog, ShowsTheQuestionWithItsCaptions) {
    whenDialogShows([this](QDialog& d) {
        expectEveryControlHasAWidget(dlg, d);
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Tolmo Studio"));
        EXPECT_EQ(
            child<QLabel>(d, "lblMessaggio")->text(),
            QStringLiteral("Vuoi inserire l'oggetto della Pratica nella Lista degli Oggetti di Pratica?"));
        EXPECT_EQ(child<QPushButton>(d, "cmdOk")->text(), QStringLiteral("&Si"));
        EXPECT_EQ(child<QPushButton>(d, "cmdAnnulla")->text(), QStringLiteral("&No"));
        EXPECT_EQ(child<QCheckBox>(d, "chkNonRic")->text(), QStringLiteral("Non richiedere più"));
        EXPECT_TRUE(child<QPushButton>(d, "cmdOk")->isDefault());
        child<QPushButton>(d, "cmdAnnulla")->click();
    });
    ui.showModal(dlg);
}

TEST_F(QuestionDialog, YesWithTheTickAnswersOneAndStopsAsking) {
    whenDialogShows([](QDialog& d) {
        QTest::mouseClick(child<QCheckBox>(d, "chkNonRic"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(d, "cmdOk"), Qt::LeftButton);
    });
    ui.showModal(dlg);
    EXPECT_EQ(answer.Risposta, 1);
    EXPECT_EQ(answer.BloccaRichiedi, 1);
    EXPECT_FALSE(dlg.isShown());
    EXPECT_TRUE(dlg.chkNonRic.checked());
}

TEST_F(QuestionDialog, NoWithoutTheTickAnswersZero) {
    whenDialogShows(
        [](QDialog& d) { QTest::mouseClick(child<QPushButton>(d, "cmdAnnulla"), Qt::LeftButton); });
    ui.showModal(dlg);
    EXPECT_EQ(answer.Risposta, 0);
    EXPECT_EQ(answer.BloccaRichiedi, 0);
}

TEST_F(QuestionDialog, EscAnswersNoAndKeepsTheTick) {
    whenDialogShows([](QDialog& d) {
        child<QCheckBox>(d, "chkNonRic")->click();
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    ui.showModal(dlg);
    EXPECT_EQ(answer.Risposta, 0);
    EXPECT_EQ(answer.BloccaRichiedi, 1);
    EXPECT_FALSE(dlg.isShown());
}

TEST_F(QuestionDialog, ClosingTheWindowAnswersNo) {
    whenDialogShows([](QDialog& d) { d.close(); });
    ui.showModal(dlg);
    EXPECT_EQ(answer.Risposta, 0);
    EXPECT_EQ(answer.BloccaRichiedi, 0);
}

class QuickClientDialog : public ::testing::Test {
protected:
    void SetUp() override {
        registerDialogViews(ui);
        rw = schema::openDatabase(QStringLiteral("sqlite:") + dir.filePath(QStringLiteral("demo.sqlite")));
        form = std::make_unique<hostkit::QuickPartyForm>(rw, ui);
        form->prepara(QStringLiteral("Rinaldi"), QStringLiteral("Ada"), QStringLiteral("Cliente"));
    }

    QTemporaryDir dir;
    QtInteraction ui;
    ConnectionPtr rw;
    std::unique_ptr<hostkit::QuickPartyForm> form;
};

TEST_F(QuickClientDialog, ShowsThePrefilledClientAndSavesWhatIsTyped) {
    whenDialogShows([this](QDialog& d) {
        expectEveryControlHasAWidget(*form, d);
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Nuovo cliente"));
        EXPECT_EQ(child<QLineEdit>(d, "txtCognome")->text(), QStringLiteral("Rinaldi"));
        EXPECT_EQ(child<QLineEdit>(d, "txtNome")->text(), QStringLiteral("Ada"));
        EXPECT_EQ(child<QLineEdit>(d, "txtCategoria")->text(), QStringLiteral("Cliente"));
        EXPECT_FALSE(child<QLineEdit>(d, "txtCategoria")->isEnabled());
        QTest::keyClicks(child<QLineEdit>(d, "txtCitta"), QStringLiteral("Bari"));
        QTest::mouseClick(child<QPushButton>(d, "cmdSalva"), Qt::LeftButton);
    });
    ui.showModal(*form);
    EXPECT_GT(form->idAnagrafica(), 0);
    EXPECT_EQ(form->txtCitta.text(), QStringLiteral("Bari"));
}

TEST_F(QuickClientDialog, EscGivesUpWithoutSaving) {
    whenDialogShows([](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
    ui.showModal(*form);
    EXPECT_EQ(form->idAnagrafica(), 0);
    EXPECT_FALSE(form->isShown());
}

// The judge's days typed and confirmed with Enter; Esc gives up with no days.
TEST(JudgesTermDialog, TypedDaysConfirmedWithTheKeyboardAlone) {
    QtInteraction ui;
    registerDialogViews(ui);
    criminal::FrmFisGiudice form(ui);
    whenDialogShows([&form](QDialog& d) {
        expectEveryControlHasAWidget(form, d);
        QLineEdit* giorni = child<QLineEdit>(d, "txtGiorni");
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        EXPECT_TRUE(giorni->hasFocus());  // the first field takes what is typed
        QTest::keyClicks(giorni, QStringLiteral("45"));
        QTest::keyClick(giorni, Qt::Key_Return);
    });
    ui.showModal(form);
    EXPECT_EQ(form.giorni(), 45);

    criminal::FrmFisGiudice cancelled(ui);
    whenDialogShows([](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
    ui.showModal(cancelled);
    EXPECT_EQ(cancelled.giorni(), 0);
}

// The tariff chosen with the keyboard alone: Tab to the option, Space, the surcharge, Enter.
TEST(TariffDialog, ChosenWithTheKeyboardAlone) {
    QtInteraction ui;
    registerDialogViews(ui);
    fees::DlgTariffa form;
    clsTariffa tariffa;
    form.SettaFormTariffa(tariffa);
    form.carica();
    whenDialogShows([&form](QDialog& d) {
        expectEveryControlHasAWidget(form, d);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        EXPECT_FALSE(child(d, "TEDNumMaggiorazione")->isVisible());
        QWidget* w = QApplication::focusWidget();
        for (int i = 0; i < 4 && w && w->objectName() != QStringLiteral("optTariffa2"); ++i) {
            QTest::keyClick(w, Qt::Key_Tab);
            w = QApplication::focusWidget();
        }
        ASSERT_EQ(w->objectName(), QStringLiteral("optTariffa2"));
        QTest::keyClick(w, Qt::Key_Space);
        EXPECT_TRUE(child(d, "TEDNumMaggiorazione")->isVisible());
        EXPECT_FALSE(child<QAbstractButton>(d, "optDefault")->isChecked());
        for (int i = 0; i < 3 && w->objectName() != QStringLiteral("TEDNumMaggiorazione"); ++i) {
            QTest::keyClick(w, Qt::Key_Tab);
            w = QApplication::focusWidget();
        }
        ASSERT_EQ(w->objectName(), QStringLiteral("TEDNumMaggiorazione"));
        QTest::keyClicks(w, QStringLiteral("-10"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    ui.showModal(form);
    EXPECT_EQ(tariffa.TipoTariffa, 2);
    EXPECT_EQ(tariffa.Maggiorazione, -10);
    EXPECT_EQ(dettaglioTariffa(tariffa), QStringLiteral("Magg. -10%"));
}

class FeeDialogs : public QuickClientDialog {
protected:
    void SetUp() override {
        QuickClientDialog::SetUp();
        services = std::make_unique<tolmo::test::TestServices>(rw, &ui);
        services->caseId = schema::demo::kPraEsposito;
    }
    std::unique_ptr<tolmo::test::TestServices> services;
};

// The calculator opens on "Consulta Documentazione"; Enter hands the halved fee back.
TEST_F(FeeDialogs, CalculatorWithTheKeyboardAlone) {
    fees::FrmCalcolaCU calc(*services);
    calc.Dimezzato = true;
    calc.ImportoProposto = Currency();
    calc.ValoreCalcolo = Currency::fromUnits(3000);
    calc.SettaFormCU(rw);
    whenDialogShows([&calc](QDialog& d) {
        expectEveryControlHasAWidget(calc, d);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        EXPECT_TRUE(QTest::qWaitFor(
            [] { return QApplication::focusWidget()->objectName() == QStringLiteral("cmdConsulta"); }));
        EXPECT_EQ(child<QLineEdit>(d, "mskImportoContributo")->text(), QStringLiteral("€ 49,00"));
        EXPECT_TRUE(child<QCheckBox>(d, "chkDimezza")->isChecked());
        EXPECT_FALSE(child(d, "lblIndeterminabile")->isVisible());
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    calc.mostra();
    EXPECT_EQ(calc.ValoreCalcolo, Currency::fromRaw(490000));
}

// The stamps of a case listed, the first one shown; Esc leaves.
TEST_F(FeeDialogs, PaymentsDialogShowsTheStamps) {
    fees::DlgEstremiPagamento dlg(*services);
    dlg.SettaFormEstremiPag(rw, schema::demo::kPraEsposito);
    dlg.bIsModifica = true;
    whenDialogShows([&dlg](QDialog& d) {
        expectEveryControlHasAWidget(dlg, d);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        EXPECT_TRUE(child(d, "fraMarca")->isVisible());
        EXPECT_FALSE(child(d, "fraBollettino")->isVisible());
        EXPECT_FALSE(child(d, "cmdOk")->isVisible());
        EXPECT_EQ(child<QLineEdit>(d, "txtCodiceMarca")->text(), QStringLiteral("01231489000123"));
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    dlg.mostra();
    EXPECT_EQ(dlg.lstvMarche.rowCount(), 2);
}

// A new party typed with the keyboard alone: the surname has the focus, Tab moves on, the tax
// code is checked as it is left and fills the birth data on request, Enter stores the party.
TEST_F(FeeDialogs, PartyEditorWithTheKeyboardAlone) {
    parties::FrmAggiungiAnag editor(*services);
    form::Control target(nullptr, QStringLiteral("target"), form::ControlKind::Button);
    whenDialogShows([&editor](QDialog& d) {
        expectEveryControlHasAWidget(editor, d);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        EXPECT_TRUE(QTest::qWaitFor(
            [] { return QApplication::focusWidget()->objectName() == QStringLiteral("txtCognome"); }));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Valli"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("txtNome"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Irene"));
        child(d, "txtCodiceFiscale")->setFocus();
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("VLLRNI80A41H501K"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(child<QLabel>(d, "lblEsitoCodiceFiscale")->text(),
                  QStringLiteral("Codice fiscale corretto."));
        ASSERT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("cmdDaCodiceFiscale"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        EXPECT_EQ(child<QLineEdit>(d, "txtLuogoNascita")->text(), QStringLiteral("Roma"));
        child(d, "txtCodiceFiscale")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // the default button stores
    });
    editor.nuova(target, rw);
    ASSERT_FALSE(target.tag().isEmpty());
    Recordset rs(
        rw,
        QStringLiteral("SELECT Cognome, Nome, CodiceFiscale FROM Anagrafica WHERE ID_Ana = ") + target.tag(),
        adLockReadOnly);
    ASSERT_FALSE(rs.Eof());
    EXPECT_EQ(rs.text(QStringLiteral("Cognome")), QStringLiteral("Valli"));
    EXPECT_EQ(rs.text(QStringLiteral("Nome")), QStringLiteral("Irene"));
    EXPECT_EQ(rs.text(QStringLiteral("CodiceFiscale")), QStringLiteral("VLLRNI80A41H501K"));
}

// The anti-money-laundering service: a party nobody identified is red and cannot be ticked; Space
// on a tick unticks an identified one; Esc leaves without saving.
TEST_F(FeeDialogs, AmlServiceWithTheKeyboardAlone) {
    rw->Execute(
        QStringLiteral("INSERT INTO AnagraficaAR (R_Id_Anag, codiceprof, TipoDocumento, NumeroDocumento) "
                       "SELECT ?, Piva, 'Passaporto', 'YA0001' FROM Utenti WHERE Id_Utente = ?"),
        {schema::demo::kAnaEspositoGiuseppe, schema::demo::kUtenteRossi});
    aml::FrmGestAR form(*services);
    form.ValorizzaAR(rw, schema::demo::kPraEsposito, schema::demo::kUtenteRossi, QStringLiteral("18.500,00"));
    form.apri();
    whenDialogShows([&form](QDialog& d) {
        expectEveryControlHasAWidget(form, d);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        auto* grid = child<QTableView>(d, "GrigliaARPrest");
        const QAbstractItemModel* model = grid->model();
        EXPECT_EQ(model->index(1, 5).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(192, 0, 0));
        EXPECT_FALSE(model->flags(model->index(1, 3)) & Qt::ItemIsUserCheckable);
        EXPECT_EQ(model->index(0, 3).data(Qt::CheckStateRole).toInt(), Qt::Checked);
        grid->setFocus();
        grid->setCurrentIndex(model->index(0, 3));
        QTest::keyClick(grid, Qt::Key_Space);
        EXPECT_TRUE(QTest::qWaitFor([&form] { return !form.GrigliaARPrest.cell(0, 3).toBool(); }));
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    ui.showModal(form);
    EXPECT_EQ(
        Recordset(rw, QStringLiteral("SELECT * FROM PrestazioniAR WHERE R_IdPra = 2"), adLockReadOnly).Eof(),
        true);
}

// An identification typed and saved with Enter; Esc closes the editor.
TEST_F(FeeDialogs, IdentificationWithTheKeyboardAlone) {
    aml::FrmIdentificazioneAR editor(*services);
    whenDialogShows([&editor](QDialog& d) {
        expectEveryControlHasAWidget(editor, d);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        EXPECT_EQ(child<QLabel>(d, "lblAnagrafica")->text(), QStringLiteral("Esposito Giuseppe"));
        child(d, "cmbTipoDocumento")->setFocus();
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Passaporto"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("YA1234567"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(editor.grdIdentificazioni.rowCount(), 1);
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    editor.ApriIdentificazione(schema::demo::kAnaEspositoGiuseppe, rw, QStringLiteral("MARCO ROSSI"),
                               QString(), {QStringLiteral("11845200580"), QString()});
    Recordset rs(rw, QStringLiteral("SELECT NumeroDocumento, AzeroDue FROM AnagraficaAR WHERE R_Id_Anag = 2"),
                 adLockReadOnly);
    ASSERT_FALSE(rs.Eof());
    EXPECT_EQ(rs.text(QStringLiteral("NumeroDocumento")), QStringLiteral("YA1234567"));
    EXPECT_TRUE(rs.isNull(QStringLiteral("AzeroDue")));
}

// The card of a party: its text, the address reachable with Tab, Esc closes it.
TEST_F(FeeDialogs, PartyCardShowsThePartyAndClosesWithEsc) {
    parties::FrmInfoAnagrafica card(*services);
    whenDialogShows([&card](QDialog& d) {
        expectEveryControlHasAWidget(card, d);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        EXPECT_TRUE(child<QLabel>(d, "lblInfo")->text().startsWith(QStringLiteral("ESPOSITO  GIUSEPPE")));
        EXPECT_EQ(child<QAbstractButton>(d, "lblInfo2")->text(),
                  QStringLiteral("giuseppe.esposito@example.com"));
        EXPECT_EQ(child(d, "lblInfo2")->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    parties::mostraScheda(*services, card, schema::demo::kAnaEspositoGiuseppe, QStringLiteral("Oggetto"),
                          QStringLiteral("Corpo"));
    EXPECT_FALSE(card.isShown());
}

// The other lawyers of a case: the first available user involved with the keyboard alone.
TEST_F(FeeDialogs, LawyersDialogWithTheKeyboardAlone) {
    links::DlgAvvocati dlg(*services);
    dlg.SettaAltriAvvocati(schema::demo::kPraEsposito, rw, 2);
    int coinvolti = 0;
    whenDialogShows([&](QDialog& d) {
        expectEveryControlHasAWidget(dlg, d);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        coinvolti = dlg.TDBGridAvvSel.rowCount();
        child(d, "TDBGridAvv1")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("cmdAdd"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        EXPECT_EQ(child<QTableWidget>(d, "TDBGridAvvSel")->rowCount(), coinvolti + 1);
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    dlg.mostra();
    EXPECT_EQ(dlg.TDBGridAvvSel.rowCount(), coinvolti + 1);
}

// Enter on a linked case opens it, as a double click does.
TEST_F(FeeDialogs, LinkedCasesOpenOneWithEnter) {
    links::DlgPratCollegate dlg(*services);
    clsIDToPrat risposta;
    dlg.SettaFormPraticheCollegate(rw, schema::demo::kPraEdilnord, &risposta);
    whenDialogShows([&](QDialog& d) {
        expectEveryControlHasAWidget(dlg, d);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        auto* grid = child<QTableWidget>(d, "GrigliaImport");
        ASSERT_EQ(grid->rowCount(), 1);
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Return);
    });
    ui.showModal(dlg);
    EXPECT_EQ(risposta.PraticaToOpen, schema::demo::kPraDAmico);
}

// The office picker with the keyboard alone: the catalogue's tab, the arrows through the regions,
// Right opens one, Enter on an office answers with it.
TEST_F(FeeDialogs, OfficePickerWithTheKeyboardAlone) {
    offices::DlgUffici dlg(*services);
    clsIDToPrat risposta;
    dlg.SettaFormUffici(rw, &risposta, schema::demo::kPraEsposito);
    form::TreeNode ufficio;
    QString sito;
    whenDialogShows([&](QDialog& d) {
        // A failed assertion leaves the lambda early: the dialog is closed all the same.
        const std::unique_ptr<QDialog, void (*)(QDialog*)> chiude(&d, [](QDialog* x) {
            if (x->isVisible()) x->reject();
        });
        expectEveryControlHasAWidget(dlg, d);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        EXPECT_EQ(dlg.tsUffici.current(), offices::DlgUffici::UfficiRecenti);  // the demo cases have offices
        auto* tabs = child<QTabWidget>(d, "tsUffici");
        tabs->setFocus();  // its tab bar takes it
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        ASSERT_EQ(dlg.tsUffici.current(), offices::DlgUffici::ElencoUffici);
        auto* tree = child<QTreeWidget>(d, "tvUffici");
        ASSERT_EQ(tree->topLevelItemCount(), 20);
        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_Home);
        QTest::keyClick(tree, Qt::Key_Down);  // the second region
        const QString regione = dlg.tvUffici.selectedKey();
        ASSERT_TRUE(regione.startsWith(u'R'));
        EXPECT_FALSE(child<QPushButton>(d, "cmdOk")->isEnabled());
        QTest::keyClick(tree, Qt::Key_Right);  // opens it
        EXPECT_TRUE(dlg.tvUffici.node(regione)->expanded);
        EXPECT_EQ(dlg.tvUffici.node(regione)->image, offices::kKeyMinus);
        QTest::keyClick(tree, Qt::Key_Down);   // its first site
        QTest::keyClick(tree, Qt::Key_Right);  // opened
        QTest::keyClick(tree, Qt::Key_Down);   // its first office
        ASSERT_TRUE(dlg.tvUffici.selectedKey().startsWith(u'U'));
        ufficio = *dlg.tvUffici.node(dlg.tvUffici.selectedKey());
        sito = dlg.tvUffici.node(dlg.tvUffici.parentKey(ufficio.key))->text;
        EXPECT_TRUE(child<QPushButton>(d, "cmdOk")->isEnabled());
        QTest::keyClick(tree, Qt::Key_Return);
    });
    ui.showModal(dlg);
    EXPECT_EQ(risposta.CodiceUfficio, ufficio.tag);
    EXPECT_TRUE(risposta.Ufficio.startsWith(ufficio.text)) << risposta.Ufficio.toStdString();
    EXPECT_TRUE(risposta.Ufficio.contains(sito));
}

}  // namespace
}  // namespace tolmo::ui::test
