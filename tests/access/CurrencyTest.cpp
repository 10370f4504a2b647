#include <gtest/gtest.h>

#include "access/Currency.h"

namespace tolmo {
namespace {

TEST(Currency, ParsesItalianAndSqlForms) {
    EXPECT_EQ(Currency::parse(QStringLiteral("1.234,56"))->raw(), 12345600);
    EXPECT_EQ(Currency::parse(QStringLiteral("1234,56"))->raw(), 12345600);
    EXPECT_EQ(Currency::parse(QStringLiteral("1234.56"))->raw(), 12345600);
    EXPECT_EQ(Currency::parse(QStringLiteral("-0,5"))->raw(), -5000);
    EXPECT_EQ(Currency::parse(QStringLiteral(" 12 "))->raw(), 120000);
    EXPECT_EQ(Currency::parse(QStringLiteral("1.234.567"))->raw(), 12345670000);
    EXPECT_EQ(Currency::parse(QStringLiteral("12345678901.2345"))->raw(), 123456789012345);
    // More decimals than kept: half away from zero.
    EXPECT_EQ(Currency::parse(QStringLiteral("0,00005"))->raw(), 1);
    EXPECT_EQ(Currency::parse(QStringLiteral("-0,00005"))->raw(), -1);
}

TEST(Currency, RejectsWhatIsNotAnAmount) {
    for (const char* text :
         {"", "abc", "12a", "1,2,3", "1.23.4", "1,234.5,6", "€ 5", "-", ",", "1e5", "99999999999999999999"})
        EXPECT_FALSE(Currency::parse(QString::fromUtf8(text))) << text;
}

TEST(Currency, DoublesRoundHalfAwayFromZeroAsWritten) {
    EXPECT_EQ(Currency::fromDouble(0.1 + 0.2).raw(), 3000);
    EXPECT_EQ(Currency::fromDouble(1.00005).raw(), 10001);
    EXPECT_EQ(Currency::fromDouble(-1.00005).raw(), -10001);
    EXPECT_EQ(Currency::fromDouble(12345678901.2345).raw(), 123456789012345);
    EXPECT_EQ((Currency::fromUnits(10) * 0.00005).raw(), 5);
    EXPECT_EQ((Currency::parse(QStringLiteral("0,0003")).value() * 0.5).raw(), 2);
    EXPECT_EQ((Currency::parse(QStringLiteral("-0,0003")).value() * 0.5).raw(), -2);
}

TEST(Currency, FormatsForPeopleAndForSql) {
    const Currency amount = *Currency::parse(QStringLiteral("-1234567,891"));
    EXPECT_EQ(amount.toItalian(), QStringLiteral("-1.234.567,89"));
    EXPECT_EQ(amount.toItalian(4), QStringLiteral("-1.234.567,8910"));
    EXPECT_EQ(amount.toItalian(0), QStringLiteral("-1.234.568"));
    EXPECT_EQ(amount.toSqlText(), QStringLiteral("-1234567.8910"));
    EXPECT_EQ(Currency::fromRaw(-4).toItalian(), QStringLiteral("0,00"));
    EXPECT_EQ(Currency::fromRaw(5).toSqlText(), QStringLiteral("0.0005"));
}

TEST(Currency, ConvertsDriverValuesAndLivesInQVariant) {
    EXPECT_EQ(Currency::fromVariant(QStringLiteral("0.3000")).raw(), 3000);
    EXPECT_EQ(Currency::fromVariant(0.1 + 0.2).raw(), 3000);
    EXPECT_EQ(Currency::fromVariant(qlonglong{7}).raw(), 70000);
    EXPECT_EQ(Currency::fromVariant(QVariant()).raw(), 0);
    const QVariant boxed = QVariant::fromValue(Currency::fromRaw(12345));
    EXPECT_EQ(Currency::fromVariant(boxed).raw(), 12345);
    EXPECT_DOUBLE_EQ(boxed.toDouble(), 1.2345);
    EXPECT_EQ(boxed.toString(), QStringLiteral("1.2345"));
}

}  // namespace
}  // namespace tolmo
