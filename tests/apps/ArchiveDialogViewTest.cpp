// "Apri archivio" on screen, offscreen: every control has its widget, a recent archive is
// opened with the keyboard alone, Esc gives up, and "Sfoglia..." leaves the file to the dialog.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "apps/common/ArchiveForm.h"
#include "apps/common/RecentArchives.h"
#include "apps/studio/ArchiveDialog.h"
#include "schema/Schema.h"
#include "support/SilentServer.h"
#include "ui/DialogTesting.h"
#include "ui/binder/QtInteraction.h"

namespace tolmo::ui::test {
namespace {

class ArchiveDialogView : public ::testing::Test {
protected:
    void SetUp() override {
        studio::registraApriArchivio(ui);
        schema::openDatabase(recent, {}, schema::NuovoArchivio::StudioVuoto);
        hostkit::RecentArchives(settings).ricorda(
            QStringLiteral("postgresql://avv@server.studio:5433/pratiche"));
        hostkit::RecentArchives(settings).ricorda(recent);
    }
    QTemporaryDir dir;
    const QString recent = QStringLiteral("sqlite:") + dir.filePath(QStringLiteral("studio.sqlite"));
    QtInteraction ui;
    platform::MemorySettings settings;
};

TEST_F(ArchiveDialogView, ARecentArchiveOpensWithTheKeyboardAlone) {
    hostkit::ArchiveForm form(settings, ui);
    form.prepara();
    whenDialogShows([&form](QDialog& d) {
        expectEveryControlHasAWidget(form, d);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        auto* list = child<QListWidget>(d, "lstRecenti");
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->item(1)->text(), QStringLiteral("Server avv@server.studio:5433, database pratiche"));
        // The server's row shows its fields; Up goes back to the file, Enter opens it.
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        EXPECT_TRUE(child<QRadioButton>(d, "optTipo_1")->isChecked());
        EXPECT_EQ(child<QLineEdit>(d, "txtDatabase")->text(), QStringLiteral("pratiche"));
        EXPECT_FALSE(child<QLineEdit>(d, "txtFile")->isEnabled());
        QTest::keyClick(list, Qt::Key_Up);
        EXPECT_TRUE(child<QRadioButton>(d, "optTipo_0")->isChecked());
        QTest::keyClick(list, Qt::Key_Return);
    });
    ui.showModal(form);
    EXPECT_EQ(form.archivio(), recent);
}

TEST_F(ArchiveDialogView, EscGivesUpAndTabReachesTheServerFields) {
    hostkit::ArchiveForm form(settings, ui);
    form.prepara(QStringLiteral("L'ultimo archivio non si apre."));
    whenDialogShows([](QDialog& d) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        EXPECT_EQ(child<QLabel>(d, "lblAvviso")->text(), QStringLiteral("L'ultimo archivio non si apre."));
        // From the list, Tab to the options, Right to the server, Tab past the disabled file.
        child<QListWidget>(d, "lstRecenti")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        for (int i = 0; i < 3; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_TRUE(child<QLineEdit>(d, "txtDatabase")->hasFocus());
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("archivio2027"));
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    ui.showModal(form);
    EXPECT_TRUE(form.archivio().isEmpty());
    EXPECT_EQ(form.optTipo.index(), hostkit::ArchiveForm::Server);
    EXPECT_EQ(form.txtDatabase.text(), QStringLiteral("archivio2027"));
}

// A server that takes the connection and never answers: the dialog keeps painting (its timers run)
// while the attempt waits, then says the server does not answer, and stays open.
TEST_F(ArchiveDialogView, AServerThatNeverAnswersLeavesTheWindowAlive) {
    tolmo::test::SilentServer server;
    qputenv("PGCONNECT_TIMEOUT", "2");
    hostkit::ArchiveForm form(settings, ui);
    form.prepara();
    const QString silent = QStringLiteral("postgresql://tolmo@127.0.0.1:%1/studio").arg(server.port());
    int ticks = 0;
    QString said;
    whenDialogShows([&](QDialog& d) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        form.mostra(silent);
        // Ticks while the server is waited for; the warning the failed attempt shows is answered.
        auto* timer = new QTimer(&d);
        QObject::connect(timer, &QTimer::timeout, [&ticks, &said] {
            ++ticks;
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                said = box->text();
                box->accept();
            }
        });
        timer->start(100);
        form.cmdApri.fire(form::EventKind::Click);
        timer->stop();
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    ui.showModal(form);
    qunsetenv("PGCONNECT_TIMEOUT");
    EXPECT_GT(ticks, 3);  // the window's own timer ran while the server was waited for
    EXPECT_TRUE(said.contains(QStringLiteral("non risponde"))) << said.toStdString();
    EXPECT_TRUE(form.archivio().isEmpty());
}

}  // namespace
}  // namespace tolmo::ui::test
