// Archives made by an earlier version of the program: upgraded whole in one transaction, or
// left as they were; an archive of a newer version refused.

#include <gtest/gtest.h>

#include <QFile>
#include <QSqlQuery>

#include "SchemaReader.h"
#include "schema/Schema.h"
#include "support/TestDb.h"

namespace tolmo::test {
namespace {

/// The statements of a fixture file, one per ";" at a line's end.
QStringList statements(const QString& name) {
    QFile file(QStringLiteral(TOLMO_SCHEMA_FIXTURES "/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    QStringList out;
    for (const QString& s :
         QString::fromUtf8(file.readAll()).split(QStringLiteral(";\n"), Qt::SkipEmptyParts))
        if (!s.trimmed().isEmpty()) out << s.trimmed();
    return out;
}

QString scalar(Connection& c, const QString& sql) {
    QSqlQuery q = c.query(sql);
    return q.next() ? q.value(0).toString() : QStringLiteral("<none>");
}

class Upgrade : public ::testing::TestWithParam<Engine> {
protected:
    /// An archive as version 1 made it: its schema and a few rows.
    void archivioV1() {
        ConnectionPtr c = Connection::open(db.url());
        const QString engine =
            GetParam() == Engine::SQLite ? QStringLiteral("sqlite") : QStringLiteral("postgresql");
        for (const QString& sql : statements(QStringLiteral("schema-v1-%1.sql").arg(engine))) c->Execute(sql);
        for (const QString& sql : statements(QStringLiteral("archive-v1-rows.sql"))) c->Execute(sql);
    }
    ScratchDatabase db{GetParam()};
};

TEST_P(Upgrade, AnArchiveOfTheFirstVersionIsUpgradedWholeAfterSayingSo) {
    archivioV1();
    QList<std::pair<int, int>> told;
    ConnectionPtr c = schema::openDatabase(db.url(), [&told](int from, int to) { told.append({from, to}); });
    EXPECT_EQ(told, (QList<std::pair<int, int>>{{1, schema::kVersioneSchema}}));
    EXPECT_EQ(schema::versioneArchivio(*c), schema::kVersioneSchema);
    EXPECT_EQ(scalar(*c, QStringLiteral("SELECT CognomeRicerca FROM Anagrafica WHERE ID_Ana = 4")),
              QStringLiteral("àlvaro"));
    EXPECT_EQ(scalar(*c, QStringLiteral("SELECT NomeRicerca FROM Anagrafica WHERE ID_Ana = 3")), QString());
    EXPECT_EQ(scalar(*c, QStringLiteral("SELECT COUNT(*) FROM Anagrafica WHERE CognomeRicerca LIKE 'ros%'")),
              QStringLiteral("2"));
    EXPECT_EQ(scalar(*c, QStringLiteral("SELECT PosizioneRicerca FROM Pratica WHERE ID_Pra = 2")),
              QStringLiteral("2024/a-17"));
    EXPECT_EQ(scalar(*c, QStringLiteral("SELECT OggettoRicerca FROM OggettoPratica")),
              QStringLiteral("provvedimento d'urgenza"));
    EXPECT_EQ(scalar(*c, QStringLiteral("SELECT SospensioneFeriale FROM ConfigGenerale")),
              QStringLiteral("01/08-15/09"));
    // The court fee's amount typed as text is an amount; a text that was none is no amount.
    EXPECT_EQ(scalar(*c, QStringLiteral(
                             "SELECT COUNT(*) FROM Pratica WHERE ID_Pra = 2 AND ImportoContributo = 1234.5")),
              QStringLiteral("1"));
    EXPECT_EQ(scalar(*c, QStringLiteral(
                             "SELECT COUNT(*) FROM Pratica WHERE ID_Pra = 1 AND ImportoContributo IS NULL")),
              QStringLiteral("1"));

    // Every table and column as a new archive has them.
    ScratchDatabase fresh{GetParam()};
    ConnectionPtr nuovo = schema::openDatabase(fresh.url());
    const auto upgraded = introspect(*c), made = introspect(*nuovo);
    EXPECT_EQ(upgraded.keys(), made.keys());
    for (auto it = made.begin(); it != made.end(); ++it) {
        QStringList have, want;
        for (const ActualColumn& col : upgraded.value(it.key()))
            have << col.name.toLower() + QLatin1Char(' ') + col.declared;
        for (const ActualColumn& col : it.value())
            want << col.name.toLower() + QLatin1Char(' ') + col.declared;
        have.sort();
        want.sort();
        EXPECT_EQ(have, want) << it.key().toStdString();
    }
    told.clear();
    schema::openDatabase(db.url(), [&told](int from, int to) { told.append({from, to}); });
    EXPECT_TRUE(told.isEmpty());  // upgraded once
}

// A step that fails (here a column of the new version already there, of another kind) leaves
// every table as it was: no key column half-added, no version recorded.
TEST_P(Upgrade, AFailedUpgradeLeavesTheArchiveAsItWas) {
    archivioV1();
    {
        ConnectionPtr c = Connection::open(db.url());
        c->Execute(QStringLiteral("ALTER TABLE OggettoPratica ADD COLUMN OggettoRicerca INTEGER"));
    }
    try {
        schema::openDatabase(db.url());
        ADD_FAILURE() << "the upgrade went through";
    } catch (const DbError& e) {
        EXPECT_TRUE(
            e.description().startsWith(QStringLiteral("Impossibile aggiornare l'archivio alla versione %1")
                                           .arg(schema::kVersioneSchema)))
            << e.description().toStdString();
    }
    ConnectionPtr c = Connection::open(db.url());
    EXPECT_EQ(schema::versioneArchivio(*c), 1);
    const auto tables = introspect(*c);
    EXPECT_FALSE(tables.contains(QStringLiteral("versioneschema")));
    for (const ActualColumn& col : tables.value(QStringLiteral("anagrafica")))
        EXPECT_NE(col.name.toLower(), QStringLiteral("cognomericerca"));
}

TEST_P(Upgrade, AnArchiveOfANewerVersionIsRefused) {
    schema::openDatabase(db.url())->Execute(QStringLiteral("UPDATE VersioneSchema SET Versione = 99"));
    try {
        schema::openDatabase(db.url());
        ADD_FAILURE() << "a newer archive was opened";
    } catch (const DbError& e) {
        EXPECT_EQ(e.description(),
                  QStringLiteral(
                      "L'archivio è stato preparato da una versione più recente del programma (schema 99, "
                      "questa versione legge fino allo schema %1): aggiornare il programma per aprirlo.")
                      .arg(schema::kVersioneSchema));
    }
}

INSTANTIATE_TEST_SUITE_P(Engines, Upgrade, ::testing::ValuesIn(enginesUnderTest()),
                         [](const auto& info) { return engineName(info.param).toStdString(); });

}  // namespace
}  // namespace tolmo::test
