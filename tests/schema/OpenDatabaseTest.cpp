// Opening a database: a new one gets the schema and the demo firm, an existing one is left alone.

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "schema/DemoFirm.h"
#include "schema/Schema.h"
#include "support/TestDb.h"

namespace tolmo::test {
namespace {

namespace demo = schema::demo;

int countRows(Connection& c, const QString& table) {
    QSqlQuery q = c.query(QStringLiteral("SELECT COUNT(*) FROM ") + table);
    return q.next() ? q.value(0).toInt() : -1;
}

class OpenDatabase : public ::testing::TestWithParam<Engine> {
protected:
    ScratchDatabase db{GetParam()};
};

TEST_P(OpenDatabase, ANewDatabaseGetsTheDemoFirmAndASecondOpeningKeepsWhatItHolds) {
    {
        ConnectionPtr first = schema::openDatabase(db.url());
        EXPECT_TRUE(schema::hasSchema(*first));
        EXPECT_EQ(countRows(*first, QStringLiteral("Pratica")), demo::kPratiche);
        first->Execute(QStringLiteral("DELETE FROM Pratica WHERE ID_Pra = ?"), {demo::kPraSantoro});
    }
    ConnectionPtr second = schema::openDatabase(db.url());
    EXPECT_EQ(countRows(*second, QStringLiteral("Pratica")), demo::kPratiche - 1);
    EXPECT_EQ(countRows(*second, QStringLiteral("ConfigGenerale")), 1);
}

TEST_P(OpenDatabase, AnEmptyExistingDatabaseGetsTheDemoFirm) {
    db.connect();  // the SQLite file now exists, empty
    ConnectionPtr c = schema::openDatabase(db.url());
    EXPECT_EQ(countRows(*c, QStringLiteral("Anagrafica")), demo::kAnagrafiche);
    EXPECT_FALSE(c->inTransaction());
}

TEST_P(OpenDatabase, RowsAddedAfterTheDemoTakeTheNextIds) {
    ConnectionPtr c = schema::openDatabase(db.url());
    const auto insertAndReadId = [&](const QString& table, const QString& column, const QString& key) {
        c->Execute(QStringLiteral("INSERT INTO %1 (%2) VALUES (?)").arg(table, column),
                   {QStringLiteral("Nuovo")});
        QSqlQuery q = c->query(QStringLiteral("SELECT MAX(%1) FROM %2").arg(key, table));
        return q.next() ? q.value(0).toInt() : -1;
    };
    EXPECT_EQ(insertAndReadId("Pratica", "Posizione", "ID_Pra"), demo::kPratiche + 1);
    EXPECT_EQ(insertAndReadId("Anagrafica", "Cognome", "ID_Ana"), demo::kAnagrafiche + 1);
    EXPECT_EQ(insertAndReadId("Utenti", "NomeUtente", "Id_Utente"), demo::kUtenti + 1);
    const int entries = countRows(*c, QStringLiteral("Scadenze"));
    EXPECT_EQ(insertAndReadId("Scadenze", "Scadenza", "Codice_Sca"), entries + 1);
}

INSTANTIATE_TEST_SUITE_P(Engines, OpenDatabase, ::testing::ValuesIn(enginesUnderTest()),
                         [](const auto& info) { return engineName(info.param).toStdString(); });

TEST(OpenDatabaseErrors, AnUnusableAddressIsReportedInItalianAndLeavesNoFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("manca/archivio.sqlite"));
    try {
        schema::openDatabase(QStringLiteral("sqlite:") + path);
        FAIL() << "a database in a missing folder cannot be opened";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.description().startsWith(QStringLiteral("Impossibile"))) << e.what();
    }
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_THROW(schema::openDatabase(QStringLiteral("mysql://nessuno@localhost/archivio")), DbError);
}

}  // namespace
}  // namespace tolmo::test
