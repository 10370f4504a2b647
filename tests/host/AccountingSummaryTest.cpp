// The accounting tab of a shown case: its open deadlines by date, and its totals in the firm's
// currency, lire and foreign currencies converted.

#include "CaseFixture.h"
#include "schema/DemoFirm.h"

namespace tolmo::test {
namespace {

using namespace schema::demo;

class AccountingSummary : public CaseTest {
protected:
    /// The case starts with no invoice, expense or agenda entry.
    void SetUp() override {
        CaseTest::SetUp();
        for (const char* t :
             {"DELETE FROM Fatture WHERE ID_Pratica = %1", "DELETE FROM Azioni WHERE IdPra = %1",
              "DELETE FROM Scadenze WHERE Codice_Pra = %1"})
            sql(QString::fromLatin1(t).arg(kPraBianco));
    }
    void fattura(int tipo, const char* totale, const char* residuo, const char* valuta = "EURO") {
        sql(QStringLiteral(
                "INSERT INTO Fatture (ID_Pratica, TipoFattura, Fs_Fattura, TotaleFattura, ResiduoASaldo, "
                "Valuta, Cambio) VALUES (%1, %2, 0, %3, %4, '%5', 1)")
                .arg(kPraBianco)
                .arg(tipo)
                .arg(QLatin1String(totale), QLatin1String(residuo), QLatin1String(valuta)));
    }
    QStringList totali() {
        QStringList out;
        for (const char* f :
             {"FTotaleAcconti", "FSpeseSostenute", "FRimanenzaFondo", "FTotaleCredito", "FTotaleIncassi"})
            out << text(f);
        return out;
    }
};

// An advance, an invoice, a credit note, a lira invoice in a euro firm (divided by 1936,27), an
// invoice in a currency with no rate on file (taken at 1 after a warning), an expense.
TEST_P(AccountingSummary, TotalsInTheFirmsCurrency) {
    sql(QStringLiteral(
            "INSERT INTO Fatture (ID_Pratica, TipoFattura, Fs_Fattura, Imponibili, Esenti, Competenze, "
            "TotaleFattura, ResiduoASaldo, Valuta, Cambio) VALUES (%1, 1, 0, 100, 20, 30, 150, 0, 'EURO', 1)")
            .arg(kPraBianco));
    fattura(2, "500", "300");
    fattura(5, "100", "100");
    fattura(2, "1936270", "1936270", "LIRA");
    fattura(2, "50", "50", "XYZ");
    sql(QStringLiteral("INSERT INTO Azioni (IdPra, bFattura, Imponibili, Esenti, Valuta, Cambio) VALUES "
                       "(%1, FALSE, 40, 2, 'EURO', 1)")
            .arg(kPraBianco));
    call("VisualizzaPratica", {kPraBianco});
    const QList<QJsonObject> avvisi = boxes();
    EXPECT_EQ(totali(), (QStringList{"150,00", "42,00", "108,00", "1.250,00", "350,00"}));
    ASSERT_EQ(avvisi.size(), 2);  // once for each amount converted: the residue and what was paid
    EXPECT_EQ(
        avvisi.first().value("text").toString(),
        "Non è stato trovato nessun Cambio per la Valuta Estera XYZ .\nI Totali non saranno attendibili in "
        "quanto non sarà effettuato alcun Cambio. .\nPer avere dei Totali attendibili inserire un Cambio "
        "EURO/XYZ .");
    EXPECT_EQ(field("FTotaleCredito").value("foreColor").toInt(), 0);

    // A rate on file is used; a credit note larger than the rest turns the credit red.
    sql("INSERT INTO ValuteEstere (Id, Simbolo) VALUES (90, 'XYZ')");
    sql("INSERT INTO CambiValute (IdValuta, Data, Valore) VALUES (90, '2020-01-01', 4)");
    sql("INSERT INTO CambiValute (IdValuta, Data, Valore) VALUES (90, '2024-01-01', 2)");
    fattura(5, "2000", "2000");
    call("VisualizzaPratica", {kPraBianco});
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(text("FTotaleCredito"), "-775,00");  // 300 - 100 + 1000 + 50 / 2 - 2000
    EXPECT_EQ(field("FTotaleCredito").value("foreColor").toInt(), 255);
}

// Totals of zero are empty; the list holds the open deadlines by date and time, and a case
// without any shows an empty list, not the previous case's.
TEST_P(AccountingSummary, OpenDeadlinesByDateAndEmptyTotals) {
    for (const char* row :
         {"'2026-03-10', '09:00', 'Udienza', FALSE", "'2026-01-05', '15:30', 'Memoria', FALSE",
          "'2026-01-05', '08:00', 'Deposito', FALSE", "'2025-12-01', '10:00', 'Fatta', TRUE"})
        sql(QStringLiteral(
                "INSERT INTO Scadenze (Codice_Pra, Data_End, Ora, Scadenza, Effettuato) VALUES (%1, %2)")
                .arg(kPraBianco)
                .arg(QLatin1String(row)));
    call("VisualizzaPratica", {kPraBianco});
    EXPECT_EQ(totali(), QStringList(5));
    const QJsonArray table = field("GridScadenzePra").value("table").toArray();
    QStringList voci;
    for (const QJsonValue& r : table) voci << r.toArray().at(4).toString();
    EXPECT_EQ(voci, (QStringList{"Deposito", "Memoria", "Udienza"}));
    sql(QStringLiteral("DELETE FROM Scadenze WHERE Codice_Pra = %1").arg(kPraBianco));
    call("VisualizzaPratica", {kPraBianco});
    EXPECT_TRUE(field("GridScadenzePra").value("table").toArray().isEmpty());
}

// Rows of one currency and rate are summed by the database: a missing amount counts as zero and
// leaves the rest of its row, an invoice of an earlier invoicing (Fs_Fattura) is no advance, ten
// thousandths add up exactly, and a currency without a rate is still warned of for every amount.
TEST_P(AccountingSummary, RowsSummedByCurrencyAndRate) {
    for (const char* row :
         {"1, 0, 100.0001, NULL, 0.0002, 0, 'EURO', 1", "1, 0, 0.0003, 10, NULL, 0, 'EURO', 1",
          "1, 1, 999, 0, 0, 0, 'EURO', 1", "1, 0, 387254, 0, 0, 0, 'LIRA', 1"})
        sql(QStringLiteral(
                "INSERT INTO Fatture (ID_Pratica, TipoFattura, Fs_Fattura, Imponibili, Esenti, Competenze, "
                "ForfSpese, Valuta, Cambio) VALUES (%1, %2)")
                .arg(kPraBianco)
                .arg(QLatin1String(row)));
    fattura(2, "30", "10", "XYZ");
    fattura(5, "10", "4", "XYZ");
    call("VisualizzaPratica", {kPraBianco});
    EXPECT_EQ(boxes().size(), 4);  // two rows, each with its residue and what was paid
    // 110,0006 in euro and 387.254 lire (200,00 euro at 1936,27): 310,0006, shown to the cent.
    EXPECT_EQ(totali(), (QStringList{"310,00", "", "310,00", "6,00", "14,00"}));
    sql("UPDATE Fatture SET Imponibili = 100.0049 WHERE Imponibili = 100.0001");
    call("VisualizzaPratica", {kPraBianco});
    EXPECT_EQ(text("FTotaleAcconti"), "310,01");  // 110,0054 + 200
}

INSTANTIATE_TEST_SUITE_P(Engines, AccountingSummary, ::testing::ValuesIn(enginesUnderTest()),
                         [](const auto& info) { return engineName(info.param).toStdString(); });

}  // namespace
}  // namespace tolmo::test
