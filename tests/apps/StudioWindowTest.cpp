// The studio's window on the demo firm, offscreen: which commands it offers in each state,
// the case the header picks, and what the status bar and the events pane say.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <ostream>

#include "apps/common/HostKit.h"
#include "apps/studio/CaseActions.h"
#include "apps/studio/MainWindow.h"
#include "schema/DemoFirm.h"
#include "support/DocumentsRoot.h"
#include "ui/binder/QtInteraction.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace tolmo::studio::test {
namespace {

class StudioWindow : public ::testing::Test {
protected:
    void SetUp() override {
        hostkit::connect(component, QStringLiteral("sqlite:") + dir.filePath(QStringLiteral("demo.sqlite")));
        window = std::make_unique<MainWindow>(component, schema::demo::kUtenteRossi);
        interaction.setParentWidget(window.get());
        window->start();
    }

    QString status() const { return window->findChild<QLabel*>(QStringLiteral("lblStatoFinestra"))->text(); }
    QStringList events() const {
        QStringList out;
        auto* list = window->findChild<QListWidget*>(QStringLiteral("lstEventi"));
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }
    /// Picks case `id` in the header's case picker, as the person would.
    void pickInHeader(int id) {
        form::ListControl& picker = component.header().controls().cmbPratica;
        picker.fire(form::EventKind::DropDown);
        const int row = picker.findRow(2, QString::number(id));
        ASSERT_GE(row, 0);
        picker.setSelectedRow(row);
        form::ControlEvent choose;
        choose.kind = form::EventKind::Choose;
        choose.row = row;
        picker.fire(choose);
        QApplication::processEvents();  // the window answers once the pick has returned
    }

    QTemporaryDir dir;
    ui::QtInteraction interaction;
    platform::MemorySettings settings;
    tolmo::test::DocumentsRoot documents{settings};
    TolmoPratica component{interaction, settings};
    std::unique_ptr<MainWindow> window;
};

TEST_F(StudioWindow, WithoutACaseOnlyOpeningAndNewAreOffered) {
    CaseActions& a = window->actions();
    EXPECT_TRUE(a.apri->isEnabled());
    EXPECT_TRUE(a.nuova->isEnabled());
    EXPECT_FALSE(a.modifica->isEnabled());
    EXPECT_FALSE(a.elimina->isEnabled());
    EXPECT_FALSE(a.conferma->isEnabled());
    EXPECT_FALSE(a.annulla->isEnabled());
    EXPECT_EQ(status(), QStringLiteral("Stato: Consultazione   Nessuna pratica"));
}

TEST_F(StudioWindow, CasePickedInTheHeaderIsShownAndCanBeEdited) {
    pickInHeader(schema::demo::kPraEdilnord);
    EXPECT_EQ(component.currentId(), schema::demo::kPraEdilnord);
    EXPECT_EQ(component.header().posizione(), QStringLiteral("102"));
    EXPECT_EQ(status(), QStringLiteral("Stato: Consultazione   Pratica: 3 (posizione 102)"));
    EXPECT_TRUE(window->actions().modifica->isEnabled());
    EXPECT_TRUE(window->actions().elimina->isEnabled());
    const QStringList shown = events();
    ASSERT_GE(shown.size(), 2);
    EXPECT_TRUE(shown.at(shown.size() - 2).endsWith(QStringLiteral("SettaPratica(3)")));
    EXPECT_TRUE(shown.last().endsWith(QStringLiteral("ChangePratica()")));
}

TEST_F(StudioWindow, EditingOffersConfirmAndCancelOnly) {
    window->mostraPratica(schema::demo::kPraEdilnord);
    window->actions().modifica->trigger();
    ASSERT_EQ(component.editState(), TolmoPratica::Modifica_);
    EXPECT_TRUE(status().startsWith(QStringLiteral("Stato: Modifica")));
    CaseActions& a = window->actions();
    EXPECT_TRUE(a.conferma->isEnabled());
    EXPECT_TRUE(a.annulla->isEnabled());
    EXPECT_FALSE(a.nuova->isEnabled());
    EXPECT_FALSE(a.apri->isEnabled());
    EXPECT_FALSE(a.elimina->isEnabled());

    window->mostraPratica(schema::demo::kPraConti);  // a pick while editing is not followed
    EXPECT_EQ(component.currentId(), schema::demo::kPraEdilnord);

    a.annulla->trigger();
    EXPECT_EQ(component.editState(), TolmoPratica::Consultazione);
    EXPECT_TRUE(a.modifica->isEnabled());
    EXPECT_FALSE(a.annulla->isEnabled());
}

TEST_F(StudioWindow, ConfirmWithheldByTheComponentComesBackWithTheNextEdit) {
    window->actions().nuova->trigger();
    ASSERT_EQ(component.editState(), TolmoPratica::Inserimento_);
    EXPECT_TRUE(window->actions().conferma->isEnabled());
    emit component.EnableConferma(false);
    EXPECT_FALSE(window->actions().conferma->isEnabled());
    EXPECT_TRUE(window->actions().annulla->isEnabled());
    EXPECT_TRUE(status().endsWith(QStringLiteral("Conferma non disponibile")));

    window->actions().annulla->trigger();
    window->actions().nuova->trigger();
    EXPECT_TRUE(window->actions().conferma->isEnabled());
}

TEST_F(StudioWindow, ShortcutsOfTheCaseCommands) {
    CaseActions& a = window->actions();
    EXPECT_EQ(a.apri->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(a.nuova->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(a.modifica->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::Key_F2), QKeySequence(Qt::CTRL | Qt::Key_M)}));
    EXPECT_EQ(a.conferma->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_S), QKeySequence(Qt::Key_F10)}));
    EXPECT_EQ(a.annulla->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::Key_F9), QKeySequence(Qt::CTRL | Qt::Key_Z)}));
    EXPECT_EQ(a.elimina->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Delete));
    for (QAction* action : {a.apri, a.nuova, a.modifica, a.conferma, a.annulla, a.elimina})
        EXPECT_FALSE(action->shortcuts().contains(QKeySequence(Qt::Key_Escape)))
            << action->text().toStdString();
}

// Another workstation saved the case while this one edited it: the question offers the three
// ways out with Annulla under Enter, and Annulla leaves the edit as typed. TOLMO_SCREENSHOTS
// names a folder to keep a picture of the box in.
TEST_F(StudioWindow, ACaseSavedElsewhereMeanwhileIsAskedAboutInAQuestionBox) {
    pickInHeader(schema::demo::kPraEsposito);
    window->actions().modifica->trigger();
    component.form().txtNOTE.setText(QStringLiteral("scritto qui"));
    Connection::open(QStringLiteral("sqlite:") + dir.filePath(QStringLiteral("demo.sqlite")))
        ->Execute(QStringLiteral("UPDATE Pratica SET VersioneRiga = VersioneRiga + 1 WHERE ID_Pra = ?"),
                  {schema::demo::kPraEsposito});
    QString testo, predefinito;
    QStringList pulsanti;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {  // something else asked: closed, so that the test fails instead of waiting
            if (QWidget* altro = QApplication::activeModalWidget()) altro->close();
            return;
        }
        testo = box->text();
        for (QAbstractButton* b : box->buttons()) pulsanti << b->text();
        predefinito = box->defaultButton() ? box->defaultButton()->text() : QString();
        if (const QString cartella = qEnvironmentVariable("TOLMO_SCREENSHOTS"); !cartella.isEmpty())
            box->grab().save(cartella + QStringLiteral("/studio-case-changed-elsewhere.png"));
        box->defaultButton()->click();
    });
    window->actions().conferma->trigger();
    EXPECT_TRUE(testo.startsWith(QStringLiteral("La pratica è stata modificata su un'altra postazione")))
        << testo.toStdString();
    pulsanti.sort();
    EXPECT_EQ(pulsanti, (QStringList{QStringLiteral("Annulla"), QStringLiteral("No"), QStringLiteral("Sì")}));
    EXPECT_EQ(predefinito, QStringLiteral("Annulla"));
    EXPECT_EQ(component.editState(), 2);
    EXPECT_EQ(component.form().txtNOTE.text(), QStringLiteral("scritto qui"));
    EXPECT_TRUE(window->actions().conferma->isEnabled());
}

}  // namespace
}  // namespace tolmo::studio::test
