// The table definition itself: consistent, typed as the queries expect, valid DDL on both engines.

#include <gtest/gtest.h>

#include <QSet>
#include <optional>

#include "schema/Schema.h"

namespace tolmo::schema {
namespace {

TEST(SchemaDefinition, NamesAreUniqueAndKeysAndIndexesNameRealColumns) {
    QSet<QString> tableNames;
    for (const TableInfo& t : tables()) {
        SCOPED_TRACE(t.name.toStdString());
        EXPECT_FALSE(tableNames.contains(t.name.toLower())) << "table defined twice";
        tableNames << t.name.toLower();

        QSet<QString> columnNames;
        for (const ColumnInfo& c : t.columns) {
            EXPECT_FALSE(columnNames.contains(c.name.toLower())) << c.name.toStdString() << " defined twice";
            columnNames << c.name.toLower();
            if (c.type == ColumnType::Text) {
                EXPECT_GT(c.length, 0) << c.name.toStdString();
            }
            if (c.type == ColumnType::Id) {
                EXPECT_EQ(c.name, t.primaryKey) << "an identity is the table's key";
            }
        }
        ASSERT_NE(t.column(t.primaryKey), nullptr) << "every table has a key the data layer can update by";
        for (const IndexInfo& ix : t.indexes)
            for (const QString& col : ix.columns + ix.carried)
                EXPECT_NE(t.column(col), nullptr) << col.toStdString();
    }
}

TEST(SchemaDefinition, TypesTheQueriesRelyOn) {
    const auto typeOf = [](const char* t, const char* c) -> std::optional<ColumnType> {
        const TableInfo* info = table(QString::fromUtf8(t));
        const ColumnInfo* col = info ? info->column(QString::fromUtf8(c)) : nullptr;
        if (!col) return std::nullopt;
        return col->type;
    };
    // Keys the database assigns and the component reads back after an insert.
    for (const auto& [t, c] : {std::pair{"Pratica", "ID_Pra"},
                               {"PraPenale", "ID_PraPenale"},
                               {"MultiIntesta", "ID_Multi"},
                               {"Anagrafica", "ID_Ana"},
                               {"R_PraQualifiche", "ID"},
                               {"EstremiPagamento", "Id"},
                               {"PrestazioniAR", "id_prest"},
                               {"R_PraUte", "idpraute"},
                               {"Scadenze", "Codice_Sca"},
                               {"Documenti", "ID"}})
        EXPECT_EQ(typeOf(t, c), ColumnType::Id) << t << "." << c;
    // Codes the office picker appends to its queries unquoted.
    for (const auto& [t, c] : {std::pair{"REGIONE", "Codice"},
                               {"SITO", "CODICE"},
                               {"SITO", "CODREGIONE"},
                               {"UFFICIO", "CODSITO"},
                               {"UfficiTributari", "CodSito"}})
        EXPECT_EQ(typeOf(t, c), ColumnType::Int) << t << "." << c;
    // Compared with numbers: "Fs_Fattura = 0", "TipoFattura = 1".
    EXPECT_EQ(typeOf("Fatture", "Fs_Fattura"), ColumnType::Int);
    EXPECT_EQ(typeOf("Fatture", "TipoFattura"), ColumnType::SmallInt);
    // Compared with 'TRUE'/'FALSE'.
    for (const auto& [t, c] : {std::pair{"Utenti", "TitContabilita"},
                               {"MultiIntesta", "IsCliente"},
                               {"Scadenze", "Effettuato"},
                               {"Azioni", "bFattura"},
                               {"Documenti", "IsCartella"},
                               {"TipiPrestazione", "IsNotaiAvvocati"}})
        EXPECT_EQ(typeOf(t, c), ColumnType::Bool) << t << "." << c;
    // "ORDER BY NumPos DESC" must not meet a NULL first on PostgreSQL.
    EXPECT_TRUE(table("Pratica")->column("NumPos")->notNull);
}

TEST(SchemaDdl, OneCreateTablePerTableOnBothEnginesWithIndexNamesPostgresAccepts) {
    for (const Dialect d : {Dialect::SQLite, Dialect::PostgreSQL}) {
        const QStringList statements = ddl(d);
        EXPECT_EQ(statements.filter(QStringLiteral("CREATE TABLE")).size(), tables().size());
        QSet<QString> indexNames;
        for (const QString& s : statements.filter(QStringLiteral("INDEX"))) {
            const QString name = s.section(QStringLiteral(" ON "), 0, 0).section(QLatin1Char(' '), -1);
            EXPECT_LE(name.size(), 63) << name.toStdString();
            EXPECT_FALSE(indexNames.contains(name.toLower())) << name.toStdString();
            indexNames << name.toLower();
        }
        EXPECT_FALSE(indexNames.isEmpty());
    }
}

// An index that carries columns so that queries read it alone must carry the row's key too on
// PostgreSQL (SQLite indexes always hold it): the look-ups read ID_Ana with every row.
TEST(SchemaDdl, IndexesThatCarryColumnsCarryTheKeyOnPostgres) {
    int carrying = 0;
    for (const QString& statement : ddl(Dialect::PostgreSQL).filter(QStringLiteral(" INCLUDE ("))) {
        ++carrying;
        const TableInfo* t = table(statement.section(QStringLiteral(" ON "), 1).section(u' ', 0, 0));
        ASSERT_NE(t, nullptr) << statement.toStdString();
        EXPECT_TRUE(statement.section(QStringLiteral(" ON "), 1).section(u'(', 1).contains(t->primaryKey))
            << statement.toStdString();
    }
    EXPECT_GT(carrying, 0);
}

}  // namespace
}  // namespace tolmo::schema
