// The schema as each engine really holds it after createSchema, and the two engines side by side.

#include <gtest/gtest.h>

#include <QSqlQuery>

#include "SchemaReader.h"
#include "schema/Schema.h"
#include "support/TestDb.h"

namespace tolmo::test {
namespace {

using schema::ColumnInfo;
using schema::TableInfo;

/// Differences between what a database holds and the definition, one line each.
QStringList differencesFromDefinition(const QMap<QString, QList<ActualColumn>>& actual) {
    QStringList diffs;
    if (actual.size() != schema::tables().size())
        diffs << QStringLiteral("%1 tables instead of %2").arg(actual.size()).arg(schema::tables().size());
    for (const TableInfo& t : schema::tables()) {
        const QList<ActualColumn> cols = actual.value(t.name.toLower());
        if (cols.size() != t.columns.size()) {
            diffs << QStringLiteral("%1: %2 columns instead of %3")
                         .arg(t.name)
                         .arg(cols.size())
                         .arg(t.columns.size());
            continue;
        }
        for (qsizetype i = 0; i < cols.size(); ++i) {
            const ColumnInfo& want = t.columns[i];
            const ActualColumn& got = cols[i];
            const QString where = t.name + QLatin1Char('.') + want.name;
            if (got.name.compare(want.name, Qt::CaseInsensitive) != 0)
                diffs << where + QStringLiteral(" is ") + got.name;
            if (describe(got.type, got.length) != describe(want.type, want.length))
                diffs << where + QStringLiteral(": ") + got.declared + QStringLiteral(" for ") +
                             describe(want.type, want.length);
            if (got.notNull != want.notNull) diffs << where + QStringLiteral(": nullability");
        }
    }
    return diffs;
}

class EngineSchema : public ::testing::TestWithParam<Engine> {
protected:
    ScratchDatabase db{GetParam()};
    ConnectionPtr c = db.connect();
};

TEST_P(EngineSchema, HoldsEveryTableAndColumnOfTheDefinitionWithItsKind) {
    EXPECT_FALSE(schema::hasSchema(*c));
    schema::createSchema(*c);
    EXPECT_TRUE(schema::hasSchema(*c));
    EXPECT_EQ(differencesFromDefinition(introspect(*c)).join(u'\n').toStdString(), "");
}

TEST_P(EngineSchema, AssignsIdsAndFillsTheDefaultsANewCaseRelies) {
    schema::createSchema(*c);
    c->Execute(QStringLiteral("INSERT INTO Pratica (Posizione) VALUES (?)"), {QStringLiteral("12/A")});
    c->Execute(QStringLiteral("INSERT INTO Pratica (Posizione) VALUES (?)"), {QStringLiteral("D'Angelo")});
    QSqlQuery q =
        c->query(QStringLiteral("SELECT ID_Pra, NumPos, ID_Controparte, ID_Acp, ID_FatturareA, ID_Cla, "
                                "R_IdCollegamento, ControCognome, "
                                "Valuta, ExportToWeb, Posizione FROM Pratica ORDER BY ID_Pra"));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toInt(), 1);
    EXPECT_EQ(q.value(1).toInt(), 0);
    EXPECT_EQ(q.value(2).toInt(), 1);
    EXPECT_EQ(q.value(3).toInt(), 1);
    EXPECT_EQ(q.value(4).toInt(), 1);
    EXPECT_EQ(q.value(5).toInt(), 1);
    EXPECT_EQ(q.value(6).toInt(), 0);
    EXPECT_FALSE(q.value(7).isNull());
    EXPECT_EQ(q.value(8).toString(), QStringLiteral("EURO"));
    EXPECT_FALSE(q.value(9).toBool());
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toInt(), 2);
    EXPECT_EQ(q.value(10).toString(), QStringLiteral("D'Angelo"));
}

TEST_P(EngineSchema, AFailedCreationLeavesTheDatabaseAsItWas) {
    // A table of the same name, created beforehand, stops the creation half-way.
    c->Execute(QStringLiteral("CREATE TABLE ST_CommesseGamma (x INTEGER)"));
    EXPECT_THROW(schema::createSchema(*c), DbError);
    EXPECT_FALSE(schema::hasSchema(*c));
    EXPECT_FALSE(c->inTransaction());
}

TEST_P(EngineSchema, TheDataLayerSeesTheKeysAndKindsOfTheDefinition) {
    schema::createSchema(*c);
    EXPECT_EQ(c->primaryKey(QStringLiteral("Pratica")).toLower(), QStringLiteral("id_pra"));
    EXPECT_EQ(c->primaryKey(QStringLiteral("UFFICIO")).toLower(), QStringLiteral("codice"));
    const auto kindOf = [&](const QString& table, const QString& column) {
        for (const Connection::ColumnInfo& col : c->columns(table))
            if (col.name.compare(column, Qt::CaseInsensitive) == 0) return std::optional(col);
        return std::optional<Connection::ColumnInfo>();
    };
    EXPECT_TRUE(kindOf("Pratica", "ID_Pra")->identity);
    EXPECT_FALSE(kindOf("UFFICIO", "Codice")->identity);
    EXPECT_EQ(kindOf("Pratica", "Valore")->kind, Connection::ColumnInfo::Amount);
    EXPECT_EQ(kindOf("Pratica", "IsStraordinariaImportanza")->kind, Connection::ColumnInfo::Boolean);
    EXPECT_EQ(kindOf("Pratica", "DataInizio")->kind, Connection::ColumnInfo::Date);
    EXPECT_EQ(kindOf("Pratica", "Maggiorazione")->kind, Connection::ColumnInfo::Real);
    EXPECT_EQ(kindOf("Pratica", "Rilevanza")->kind, Connection::ColumnInfo::Integer);
    EXPECT_EQ(kindOf("Pratica", "Note")->kind, Connection::ColumnInfo::Text);
}

INSTANTIATE_TEST_SUITE_P(Engines, EngineSchema, ::testing::ValuesIn(enginesUnderTest()),
                         [](const auto& info) { return engineName(info.param).toStdString(); });

TEST(EnginesAgree, TableByTableColumnByColumn) {
    if (qEnvironmentVariableIsEmpty("TOLMO_TEST_PG_URL")) GTEST_SKIP() << "TOLMO_TEST_PG_URL is not set";
    ScratchDatabase liteDb(Engine::SQLite), pgDb(Engine::PostgreSQL);
    ConnectionPtr lite = liteDb.connect(), pg = pgDb.connect();
    schema::createSchema(*lite);
    schema::createSchema(*pg);
    const auto a = introspect(*lite), b = introspect(*pg);
    EXPECT_EQ(a.keys(), b.keys());
    QStringList diffs;
    for (auto it = a.cbegin(); it != a.cend(); ++it) {
        const QList<ActualColumn> other = b.value(it.key());
        if (other.size() != it.value().size()) {
            diffs << it.key() + QStringLiteral(": column count");
            continue;
        }
        for (qsizetype i = 0; i < other.size(); ++i) {
            const ActualColumn &x = it.value()[i], &y = other[i];
            if (x.name.toLower() != y.name.toLower() ||
                describe(x.type, x.length) != describe(y.type, y.length) || x.notNull != y.notNull)
                diffs << QStringLiteral("%1.%2: %3 on SQLite, %4 on PostgreSQL")
                             .arg(it.key(), x.name, x.declared, y.declared);
        }
    }
    EXPECT_EQ(diffs.join(u'\n').toStdString(), "");
}

}  // namespace
}  // namespace tolmo::test
