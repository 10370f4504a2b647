// Deleting cases through the driver: the rows that go, the invoices that stay, the case the
// anti-money-laundering archive keeps.

#include "CaseFixture.h"
#include "schema/DemoFirm.h"

namespace tolmo::test {
namespace {

using namespace schema::demo;

class CaseDeleteTest : public CaseTest {
protected:
    /// The number of rows of `table` whose `column` is `id`.
    int righe(const QString& table, const QString& column, int id) {
        return scalar("SELECT COUNT(*) FROM " + table + " WHERE " + column + " = " + QString::number(id))
            .toInt();
    }
};

TEST_P(CaseDeleteTest, CaseWithoutSelectionOrConfirmationStays) {
    EXPECT_FALSE(call("Elimina").value("result").toBool());
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes().first().value("text").toString(), "Non è selezionata nessuna pratica.");
    EXPECT_TRUE(events().contains("SetDummy"));

    call("VisualizzaPratica", {kPraEsposito});
    answer({"No"});
    EXPECT_FALSE(call("Elimina").value("result").toBool());
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes().first().value("text").toString(), "Vuoi Cancellare la Pratica Selezionata ?");
    EXPECT_EQ(righe("Pratica", "ID_Pra", kPraEsposito), 1);
    EXPECT_EQ(state().value("currentId").toInt(), kPraEsposito);
}

TEST_P(CaseDeleteTest, CaseInTheAntiMoneyLaunderingArchiveIsKept) {
    call("VisualizzaPratica", {kPraSantoro});
    const int scadenze = righe("Scadenze", "Codice_Pra", kPraSantoro);
    const int fatture = righe("Fatture", "ID_Pratica", kPraSantoro);
    ASSERT_GE(righe("PrestazioniAR", "R_IdPra", kPraSantoro), 1);
    answer({"Yes"});
    EXPECT_FALSE(call("Elimina").value("result").toBool());
    ASSERT_EQ(boxes().size(), 2);
    EXPECT_EQ(boxes().at(1).value("text").toString(),
              "Attenzione la pratica non può essere cancellata perchè risulta\r\n"
              "registrata nell'archivio antiriciclaggio");
    EXPECT_EQ(righe("Pratica", "ID_Pra", kPraSantoro), 1);
    EXPECT_EQ(righe("Scadenze", "Codice_Pra", kPraSantoro), scadenze);
    EXPECT_EQ(righe("Fatture", "ID_Pratica", kPraSantoro), fatture);
    EXPECT_EQ(state().value("currentId").toInt(), kPraSantoro);
    EXPECT_EQ(text("ctlTestata1.txtPosizione"), "112");
}

TEST_P(CaseDeleteTest, DeletedCaseTakesItsRowsAndLeavesItsInvoices) {
    const QJsonArray invoices = rows(
        "SELECT ID_Fattura, NumeroFattura, TotaleFattura FROM Fatture WHERE ID_Pratica = 2 ORDER BY "
        "ID_Fattura");
    ASSERT_EQ(invoices.size(), 2);
    ASSERT_GE(righe("MultiIntesta", "ID_Pra", kPraEsposito) + righe("Scadenze", "Codice_Pra", kPraEsposito),
              1);
    call("VisualizzaPratica", {kPraEsposito});
    answer({"Yes"});
    EXPECT_TRUE(call("Elimina").value("result").toBool());
    EXPECT_TRUE(events().contains("SetDummy"));

    EXPECT_EQ(righe("Pratica", "ID_Pra", kPraEsposito), 0);
    for (const auto& [table, column] : {std::pair{"Scadenze", "Codice_Pra"},
                                        {"Azioni", "IdPra"},
                                        {"Documenti", "Codice_Pra"},
                                        {"MultiIntesta", "ID_Pra"},
                                        {"PraPenale", "ID_Pra"},
                                        {"Fatture", "ID_Pratica"}})
        EXPECT_EQ(righe(table, column, kPraEsposito), 0) << table;
    EXPECT_EQ(rows("SELECT ID_Fattura, NumeroFattura, TotaleFattura FROM Fatture WHERE ID_Pratica = 0 AND "
                   "ID_Fattura IN (" +
                   QString::number(invoices.at(0).toArray().at(0).toInt()) + "," +
                   QString::number(invoices.at(1).toArray().at(0).toInt()) + ") ORDER BY ID_Fattura"),
              invoices);

    EXPECT_EQ(state().value("currentId").toInt(), 0);
    EXPECT_EQ(state().value("editState").toInt(), 1);
    EXPECT_EQ(text("ctlTestata1.txtPosizione"), "");
    EXPECT_EQ(text("cmbOggetto"), "");
    EXPECT_FALSE(field("FramePraticaGenerale").value("enabled").toBool());
    EXPECT_EQ(field("GridClienti").value("table").toArray().size(), 1);

    call("VisualizzaPratica", {kPraEsposito});
    EXPECT_EQ(text("cmbOggetto"), "");
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_P(CaseDeleteTest, CriminalCaseTakesItsCriminalRow) {
    ASSERT_EQ(righe("PraPenale", "ID_Pra", kPraDeLuca), 1);
    call("VisualizzaPratica", {kPraDeLuca});
    EXPECT_TRUE(call("Elimina").value("result").toBool());  // an unanswered question takes Yes
    EXPECT_EQ(righe("PraPenale", "ID_Pra", kPraDeLuca), 0);
    EXPECT_EQ(righe("Pratica", "ID_Pra", kPraDeLuca), 0);
}

INSTANTIATE_TEST_SUITE_P(Engines, CaseDeleteTest, ::testing::ValuesIn(enginesUnderTest()),
                         [](const auto& info) { return engineName(info.param).toStdString(); });

}  // namespace
}  // namespace tolmo::test
