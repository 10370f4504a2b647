#include <gtest/gtest.h>

#include "access/detail/FoldedName.h"

namespace tolmo::detail {
namespace {

TEST(FoldedName, NamesMatchInAnyCaseAccentsIncluded) {
    NameIndex index;
    index.insert(FoldedName{QStringLiteral("ID_Pra")}, 0);
    index.insert(FoldedName{QStringLiteral("Perché")}, 1);
    index.insert(FoldedName{QStringLiteral("ÀNNO")}, 2);
    EXPECT_EQ(index.value(FoldedName{QStringLiteral("id_pra")}, -1), 0);
    EXPECT_EQ(index.value(FoldedName{QStringLiteral("ID_PRA")}, -1), 0);
    EXPECT_EQ(index.value(FoldedName{QStringLiteral("PERCHÉ")}, -1), 1);
    EXPECT_EQ(index.value(FoldedName{QStringLiteral("ànno")}, -1), 2);
    EXPECT_EQ(index.value(FoldedName{QStringLiteral("ID_Pr")}, -1), -1);
    EXPECT_EQ(index.value(FoldedName{QStringLiteral("Perche")}, -1), -1);

    // Qt folds the Kelvin sign to 'k': equal names must hash alike whatever their letters.
    const FoldedName kelvin{QString(QChar(0x212A)) + QStringLiteral("ind")};
    const FoldedName ascii{QStringLiteral("KIND")};
    ASSERT_EQ(kelvin, ascii);
    EXPECT_EQ(qHash(kelvin, 7), qHash(ascii, 7));
}

}  // namespace
}  // namespace tolmo::detail
