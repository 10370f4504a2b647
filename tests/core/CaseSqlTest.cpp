// The statements that read one case, run on every engine under test.

#include <gtest/gtest.h>

#include "core/CaseSql.h"
#include "schema/DemoFirm.h"
#include "schema/Schema.h"
#include "support/TestDb.h"

namespace tolmo::test {
namespace {

using namespace schema::demo;

TEST(CaseSql, CriminalCaseListsEveryColumnOfItsTwoRows) {
    for (Engine e : enginesUnderTest()) {
        ScratchDatabase db(e);
        ConnectionPtr conn = schema::openDatabase(db.url());
        Recordset rs(conn, core::sqlPraticaPenale(kPraConti), adLockReadOnly);
        ASSERT_FALSE(rs.Eof()) << engineName(e).toStdString();
        EXPECT_EQ(rs.value(QStringLiteral("PPId_Pra")).toInt(), kPraConti);
        EXPECT_EQ(rs.value(QStringLiteral("ID_Pra")).toInt(), kPraConti);
        const QStringList fields = rs.fieldNames();
        // Every criminal column but its case id (which comes as PPId_Pra) is there.
        for (const Connection::ColumnInfo& c : conn->columns(QStringLiteral("PraPenale"))) {
            if (c.name.compare(QStringLiteral("ID_Pra"), Qt::CaseInsensitive) == 0) continue;
            EXPECT_TRUE(fields.contains(c.name, Qt::CaseInsensitive)) << c.name.toStdString();
        }
        EXPECT_TRUE(fields.contains(QStringLiteral("AvvCoinvolti"), Qt::CaseInsensitive));

        // A civil case has no criminal row: the join finds nothing, the plain read finds it.
        EXPECT_TRUE(Recordset(conn, core::sqlPraticaPenale(kPraEsposito), adLockReadOnly).Eof());
        Recordset shown(conn, core::sqlVisualizzaPratica(kPraEsposito, true), adLockReadOnly);
        ASSERT_FALSE(shown.Eof());
        EXPECT_EQ(shown.text(QStringLiteral("Posizione")), QStringLiteral("101"));
        EXPECT_TRUE(shown.isNull(QStringLiteral("ID_PraPenale")));
    }
}

}  // namespace
}  // namespace tolmo::test
