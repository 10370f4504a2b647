// Finding a case of the demo firm by its position.

#include "AppsFixture.h"
#include "apps/common/CaseFinder.h"
#include "schema/DemoFirm.h"

namespace tolmo::test {
namespace {

using hostkit::findCaseByPosition;

using CaseFinder = DemoFirmTest;

TEST_P(CaseFinder, FindsThePositionTypedWithBlanksAround) {
    EXPECT_EQ(findCaseByPosition(rw, QStringLiteral("102")), schema::demo::kPraEdilnord);
    EXPECT_EQ(findCaseByPosition(rw, QStringLiteral("  102 ")), schema::demo::kPraEdilnord);
    EXPECT_EQ(findCaseByPosition(rw, QStringLiteral("108/A")), schema::demo::kPraDellOrto);
}

TEST_P(CaseFinder, FindsNothingForAnUnknownEmptyOrPartialPosition) {
    EXPECT_EQ(findCaseByPosition(rw, QStringLiteral("999")), 0);
    EXPECT_EQ(findCaseByPosition(rw, QStringLiteral("   ")), 0);
    EXPECT_EQ(findCaseByPosition(rw, QStringLiteral("10")), 0);  // not a prefix search
    EXPECT_EQ(findCaseByPosition(rw, QStringLiteral("10%")), 0);
}

TEST_P(CaseFinder, TypedQuotesAreDataNotSql) {
    EXPECT_EQ(findCaseByPosition(rw, QStringLiteral("102' OR '1'='1")), 0);
    rw->Execute(QStringLiteral("UPDATE Pratica SET Posizione = ? WHERE ID_Pra = ?"),
                {QStringLiteral("D'ORO/7"), schema::demo::kPraBianco});
    EXPECT_EQ(findCaseByPosition(rw, QStringLiteral("D'ORO/7")), schema::demo::kPraBianco);
}

TEST_P(CaseFinder, SharedPositionGivesTheOldestCaseAndNeverThePlaceholder) {
    rw->Execute(QStringLiteral("UPDATE Pratica SET Posizione = '102' WHERE ID_Pra IN (1, ?)"),
                {schema::demo::kPraDeLuca});
    EXPECT_EQ(findCaseByPosition(rw, QStringLiteral("102")), schema::demo::kPraEdilnord);
    rw->Execute(QStringLiteral("UPDATE Pratica SET Posizione = 'SOLO1' WHERE ID_Pra = 1"));
    EXPECT_EQ(findCaseByPosition(rw, QStringLiteral("SOLO1")), 0);
}

INSTANTIATE_TEST_SUITE_P(Engines, CaseFinder, ::testing::ValuesIn(enginesUnderTest()), engineParamName);

}  // namespace
}  // namespace tolmo::test
