// The check characters of the tax identifiers the demo parties carry.

#include <gtest/gtest.h>

#include "schema/demo/TaxCodes.h"

namespace tolmo::schema::demo {
namespace {

TEST(CodiceFiscale, MatchesTheWellKnownExamples) {
    EXPECT_EQ(codiceFiscale("Rossi", "Mario", QDate(1985, 12, 10), false, "A562"),
              QStringLiteral("RSSMRA85T10A562S"));
    // A woman's day of birth counts from 41; a name of four consonants or more keeps the 1st, 3rd, 4th.
    const QString code = codiceFiscale("Bianchi", "Francesca", QDate(1990, 4, 2), true, "H501");
    EXPECT_EQ(code.left(15), QStringLiteral("BNCFNC90D42H501"));
    EXPECT_EQ(code.size(), 16);
}

TEST(CodiceFiscale, ShortAccentedAndApostrophisedNames) {
    EXPECT_EQ(codiceFiscale("Fo", "Ugo", QDate(2001, 1, 31), false, "F205").left(6),
              QStringLiteral("FOXGUO"));
    EXPECT_EQ(codiceFiscale("D'Angelo", "Niccolò", QDate(1972, 6, 11), false, "C933").left(6),
              QStringLiteral("DNGNCL"));
}

TEST(PartitaIva, CarriesSerialOfficeAndCheckDigit) {
    EXPECT_EQ(partitaIva(1234567, "890"), QStringLiteral("12345678903"));
    EXPECT_EQ(partitaIva(42, "058").left(10), QStringLiteral("0000042058"));
}

}  // namespace
}  // namespace tolmo::schema::demo
