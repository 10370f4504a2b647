// What the component does when things go wrong, and the settings it reads.

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>

#include "core/TolmoPratica.h"
#include "form/ScriptedInteraction.h"
#include "schema/Schema.h"
#include "support/DocumentsRoot.h"
#include "support/TestDb.h"

namespace tolmo::test {
namespace {

struct Component {
    form::ScriptedInteraction ui;
    platform::MemorySettings settings;
    DocumentsRoot documents{settings};
    TolmoPratica pratica{ui, settings};

    void connect(const QString& url) {
        ConnectionPtr c = Connection::open(url);
        pratica.setConnTolmo(c);
        pratica.setConnReadOnly(c);
        pratica.setConnReadWrite(c);
    }
};

TEST(Component, ErrorsAreReportedWithTheActionAndLeaveThePointerAlone) {
    QTemporaryDir dir;
    Component c;
    c.connect(QStringLiteral("sqlite:") + dir.filePath(QStringLiteral("vuoto.sqlite")));  // no tables at all
    c.pratica.Start();

    ASSERT_FALSE(c.ui.messages().empty());
    const form::MessageRecord& first = c.ui.messages().front();
    EXPECT_EQ(first.title, QStringLiteral("Attenzione si è verificato un errore"));
    EXPECT_EQ(first.icon, form::MsgIcon::Critical);
    EXPECT_EQ(first.buttons, form::MsgButtons::OK);
    const QStringList parts = first.text.split(QStringLiteral("\r\r"));
    ASSERT_EQ(parts.size(), 4) << first.text.toStdString();
    EXPECT_EQ(parts[0], QStringLiteral("Azione : Caricamento Classificatori"));
    EXPECT_TRUE(parts[1].startsWith(QStringLiteral("Descrizione : ")));
    EXPECT_GT(parts[1].size(), QStringLiteral("Descrizione : ").size());
    EXPECT_TRUE(parts[2].startsWith(QStringLiteral("Fonte  : ")));
    EXPECT_TRUE(parts[3].startsWith(QStringLiteral("Codice  : ")));
    EXPECT_FALSE(first.text.contains(QLatin1Char('\n')));
    EXPECT_EQ(c.ui.pointer(), 0);
    // Start still ends in consultation: the report does not stop the other lists.
    EXPECT_EQ(c.pratica.editState(), TolmoPratica::Consultazione);
}

TEST(Component, HistoricalArchiveKeepsItsExchangeRate) {
    QTemporaryDir dir;
    Component c;
    const QString url = QStringLiteral("sqlite:") + dir.filePath(QStringLiteral("Storico2019.sqlite"));
    schema::openDatabase(url);
    c.connect(url);
    c.pratica.CambioLiraEuro = QStringLiteral("invariato");
    c.pratica.SetCambioLiraEuro();
    EXPECT_EQ(c.pratica.CambioLiraEuro, QStringLiteral("invariato"));
    EXPECT_TRUE(c.ui.messages().empty());
}

TEST(Component, PropertiesAreMarkedChangedAndTerminateForgetsTheCase) {
    Component c;
    QSignalSpy noContabilita(&c.pratica, &TolmoPratica::NoContabilita);
    c.pratica.setConnTolmo(nullptr);
    c.pratica.setCAMBIO(Currency::fromRaw(19362700));
    c.pratica.setVALUTA(QStringLiteral("EURO"));
    EXPECT_TRUE(c.pratica.changedProperties().contains(QStringLiteral("ConnTolmo")));
    EXPECT_TRUE(c.pratica.changedProperties().contains(QStringLiteral("Cambio")));
    EXPECT_TRUE(c.pratica.changedProperties().contains(QStringLiteral("Valuta")));
    EXPECT_FALSE(c.pratica.changedProperties().contains(QStringLiteral("AnagIns")));

    core::PropertyBag bag;
    c.pratica.WriteProperties(bag);
    EXPECT_EQ(bag.values().size(), 2);
    c.pratica.InitProperties();
    EXPECT_EQ(c.pratica.VALUTA(), QStringLiteral("LIRA"));
    c.pratica.ReadProperties(bag);
    EXPECT_EQ(c.pratica.CAMBIO(), Currency::fromRaw(19362700));

    c.pratica.Terminate();
    EXPECT_EQ(c.pratica.editState(), 0);
    EXPECT_EQ(c.pratica.currentId(), 0);
    EXPECT_TRUE(c.pratica.messageTitle().isEmpty());
    EXPECT_EQ(noContabilita.count(), 0);
}

TEST(Component, SingleAccountingOwnerIsPreselectedForAnyUser) {
    for (Engine e : enginesUnderTest()) {
        ScratchDatabase db(e);
        schema::openDatabase(db.url());
        Component c;
        c.connect(db.url());
        c.pratica.Start();
        ConnectionPtr conn = c.pratica.ConnReadWrite();
        // Leave one owner only.
        conn->Execute(QStringLiteral("UPDATE Utenti SET TitContabilita = FALSE WHERE Id_Utente <> 1"));
        conn->Execute(QStringLiteral("UPDATE Utenti SET TitContabilita = TRUE WHERE Id_Utente = 1"));
        ASSERT_TRUE(c.pratica.SettaContabilita(999));
        EXPECT_EQ(c.pratica.form().control<form::ListControl>(QStringLiteral("cmbContabilita")).rowCount(),
                  2);
        EXPECT_EQ(c.pratica.form().control<form::ListControl>(QStringLiteral("cmbContabilita")).selectedRow(),
                  1)
            << engineName(e).toStdString();
        EXPECT_EQ(c.pratica.idContabilita(), 1);

        conn->Execute(QStringLiteral("UPDATE Utenti SET TitContabilita = FALSE"));
        EXPECT_FALSE(c.pratica.SettaContabilita(1));
        EXPECT_EQ(c.pratica.form().control<form::ListControl>(QStringLiteral("cmbContabilita")).rowCount(),
                  0);
        EXPECT_EQ(c.ui.pointer(), 0);
    }
}

}  // namespace
}  // namespace tolmo::test
