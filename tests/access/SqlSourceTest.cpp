#include <gtest/gtest.h>

#include "access/DbError.h"
#include "access/detail/SqlSource.h"

namespace tolmo::detail {
namespace {

const QStringList kKey{QStringLiteral("ID_Pra")};

TEST(SqlSource, ATableNameIsTheWholeTable) {
    const SqlSource source(QStringLiteral(" Pratica ;"));
    EXPECT_TRUE(source.isTable());
    EXPECT_TRUE(source.selectsWholeRows());
    EXPECT_EQ(source.baseTable(), QStringLiteral("Pratica"));
    EXPECT_EQ(source.select(), QStringLiteral("SELECT * FROM Pratica"));
}

TEST(SqlSource, APlainSelectWritesToItsTableAndKeepsItsOrder) {
    const SqlSource source(QStringLiteral("select *\nfrom Pratica\twhere Numero = ? order\tby Oggetto"));
    EXPECT_FALSE(source.isTable());
    EXPECT_TRUE(source.selectsWholeRows());
    EXPECT_EQ(source.baseTable(), QStringLiteral("Pratica"));
    EXPECT_TRUE(source.orderedSql(kKey).endsWith(QStringLiteral("order\tby Oggetto, \"ID_Pra\"")));
    EXPECT_TRUE(source.windowSql(kKey).endsWith(QStringLiteral(", \"ID_Pra\" LIMIT ? OFFSET ?")));

    const SqlSource columns(QStringLiteral("SELECT ID_Pra, Numero FROM Pratica p WHERE p.Numero > ?"));
    EXPECT_FALSE(columns.selectsWholeRows());
    EXPECT_EQ(columns.baseTable(), QStringLiteral("Pratica"));
    EXPECT_EQ(columns.rowSql(kKey),
              QStringLiteral("SELECT ID_Pra, Numero FROM Pratica p WHERE \"ID_Pra\" = ?"));
}

TEST(SqlSource, KeywordsInLiteralsNamesAndParenthesesDoNotCount) {
    const SqlSource source(QStringLiteral(
        "SELECT * FROM Pratica WHERE Oggetto = 'a JOIN b ORDER BY c LIMIT 1' AND \"group by\" = 1 "
        "AND ID_Pra IN (SELECT DISTINCT ID_Pra FROM Pratica ORDER BY 1 LIMIT 3)"));
    EXPECT_EQ(source.baseTable(), QStringLiteral("Pratica"));
    EXPECT_TRUE(source.orderedSql(kKey).endsWith(QStringLiteral(") ORDER BY \"ID_Pra\"")));
    EXPECT_FALSE(source.windowSql(kKey).startsWith(QStringLiteral("SELECT * FROM (")));
}

TEST(SqlSource, ATopLevelLimitIsWrappedNotExtended) {
    const SqlSource source(QStringLiteral("SELECT * FROM Pratica ORDER BY Numero LIMIT 10"));
    EXPECT_EQ(source.windowSql(kKey),
              QStringLiteral(
                  "SELECT * FROM (SELECT * FROM Pratica ORDER BY Numero LIMIT 10) AS t LIMIT ? OFFSET ?"));
}

TEST(SqlSource, ResultsOfSeveralRowsOrNoneHaveNoTableToWriteTo) {
    for (const char* sql :
         {"SELECT a.ID_Pra FROM Pratica a JOIN Pratica b ON b.ID_Pra = a.ID_Pra",
          "SELECT Stato FROM Pratica GROUP  BY Stato", "SELECT DISTINCT Stato FROM Pratica",
          "SELECT ID_Pra FROM Pratica UNION SELECT ID_Pra FROM Pratica",
          "WITH p AS (SELECT * FROM Pratica) SELECT * FROM p", "SELECT COUNT (*) FROM Pratica",
          "select max(Numero) from Pratica", "SELECT a.ID_Pra FROM Pratica a, Pratica b"}) {
        const SqlSource source(QString::fromUtf8(sql));
        EXPECT_TRUE(source.baseTable().isEmpty()) << sql;
        EXPECT_FALSE(source.selectsWholeRows()) << sql;
    }
    // Words that merely contain a keyword are not it.
    EXPECT_EQ(
        SqlSource(QStringLiteral("SELECT * FROM Pratica WHERE Joined_At > ? AND Ordered = 1")).baseTable(),
        QStringLiteral("Pratica"));
}

TEST(SqlSource, WhatIsNeitherATableNorASelectIsRefused) {
    for (const char* text : {"UPDATE Pratica SET Numero = 1", "(SELECT * FROM Pratica)",
                             "Pratica; DROP TABLE x", "1Pratica", "'SELECT' * FROM Pratica", ""})
        EXPECT_THROW(SqlSource(QString::fromUtf8(text)), DbError) << text;
}

}  // namespace
}  // namespace tolmo::detail
