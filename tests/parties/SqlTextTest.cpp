// Quoting, patterns and the reserved-visibility condition, as text.

#include <gtest/gtest.h>

#include "access/SqlText.h"
#include "core/model/ListFill.h"
#include "form/Form.h"

namespace tolmo::test {
namespace {

using tolmo::ApiciSQL;
using tolmo::FiltroRiservate;
using tolmo::searchPattern;

TEST(SqlText, ApiciSqlDoublesEveryApostrophe) {
    EXPECT_EQ(ApiciSQL(QString()), QStringLiteral("''"));
    EXPECT_EQ(ApiciSQL(QStringLiteral("D'Angelo")), QStringLiteral("'D''Angelo'"));
    EXPECT_EQ(ApiciSQL(QStringLiteral("''")), QStringLiteral("''''''"));
    EXPECT_EQ(ApiciSQL(QStringLiteral("a\\b")), QStringLiteral("'a\\b'"));
}

TEST(SqlText, PatternIsTheTrimmedTextWithItsWildcardsEscaped) {
    EXPECT_EQ(searchPattern(QStringLiteral("  D'A ")), QStringLiteral("'D''A%' ESCAPE '\\'"));
    EXPECT_EQ(searchPattern(QStringLiteral("   ")), QStringLiteral("'%' ESCAPE '\\'"));
    EXPECT_EQ(searchPattern(QStringLiteral("50%_a\\b")), QStringLiteral("'50\\%\\_a\\\\b%' ESCAPE '\\'"));
    EXPECT_EQ(searchPattern(QStringLiteral("a") + QChar(0) + QStringLiteral("b")),
              QStringLiteral("'ab%' ESCAPE '\\'"));
}

TEST(SqlText, ReservedVisibilityCondition) {
    EXPECT_EQ(FiltroRiservate(2, {QStringLiteral("SOCI")}), QString());
    const QString senzaGruppi = QStringLiteral(" AND ((IdRiservata IN (0,1) AND (fkGruppo IS NULL))) ");
    EXPECT_EQ(FiltroRiservate(1, {QStringLiteral("TUTTI")}), senzaGruppi);
    EXPECT_EQ(FiltroRiservate(1, {QStringLiteral("tutti")}), senzaGruppi);
    EXPECT_EQ(FiltroRiservate(1, {}), senzaGruppi);
    EXPECT_EQ(
        FiltroRiservate(4, {QStringLiteral("TUTTI"), QStringLiteral("PENALE"), QStringLiteral("O'Hara")}),
        QStringLiteral(" AND (IdRiservata IN (0,4) OR (fkGruppo IN ('PENALE','O''Hara')))"));
}

TEST(SqlText, SelezionaInListaFindsExactlyOrByStart) {
    form::ListControl list(nullptr, QStringLiteral("lista"), form::ControlKind::ComboBox, 3);
    list.setRows({QStringLiteral("Rossi\tMario\t7"), QStringLiteral("Rossini\tGioacchino\t8")});
    core::SelezionaInLista(2, QStringLiteral("8"), 0, list);
    EXPECT_EQ(list.selectedRow(), 1);
    core::SelezionaInLista(0, QStringLiteral("Ross"), 0, list);  // no exact match: kept
    EXPECT_EQ(list.selectedRow(), 1);
    core::SelezionaInLista(0, QStringLiteral("ross"), 1, list);
    EXPECT_EQ(list.selectedRow(), 0);
    EXPECT_EQ(list.text(), QStringLiteral("Rossi"));
}

}  // namespace
}  // namespace tolmo::test
