// How the court fee was paid, through dlgEstremiPagamento: a postal bulletin, an F23 form or
// revenue stamps, checked in order and written at once.

#include "CaseFixture.h"
#include "schema/DemoFirm.h"
#include "support/NaughtyStrings.h"

namespace tolmo::test {
namespace {

using namespace schema::demo;

class PaymentDetails : public CaseTest {
protected:
    void modifica(int id) { ASSERT_TRUE(call("Modifica", {id}).value("result").toBool()); }
    /// Opens the payments of the case shown and runs `script` in the dialog; gives what the
    /// script dumped, in order.
    QList<QJsonObject> estremi(const QJsonArray& script) {
        return inDialog("dlgEstremiPagamento", script, "cmdEstremi");
    }
    QStringList testiDeiMessaggi() const {
        QStringList out;
        for (const QJsonObject& b : boxes()) out << b.value("text").toString();
        return out;
    }
    QJsonArray pagamenti(int caso) {
        return rows(
            QStringLiteral("SELECT TipoPagamento, Importo, Data, CodMarcaL, CodUfficioP, CodBollettinoP "
                           "FROM EstremiPagamento WHERE R_Id_Pratica = %1 ORDER BY Id")
                .arg(caso));
    }
    static QJsonObject of(const QJsonObject& form, const char* control) {
        return form.value(control).toObject();
    }
};

TEST_P(PaymentDetails, NoRowsOpensOnTheBulletinAndSaveAndCloseAddsOne) {
    sql(QStringLiteral("DELETE FROM EstremiPagamento WHERE R_Id_Pratica = %1").arg(kPraEsposito));
    modifica(kPraEsposito);
    const auto d = estremi({kDump, set("mskCodiceUfficio", "02/033"), set("mskCodiceBollettino", "0044"),
                            set("mskImporto", "1.234,56"), set("mskData", "05/03/2024"), click("cmdOk")});
    ASSERT_EQ(d.size(), 1);
    EXPECT_EQ(of(d[0], "cmbTipoPagamento").value("selectedRow").toInt(), 0);
    EXPECT_TRUE(of(d[0], "fraBollettino").value("visible").toBool());
    EXPECT_FALSE(of(d[0], "fraMarca").value("visible").toBool());
    EXPECT_TRUE(of(d[0], "cmdOk").value("visible").toBool());
    EXPECT_EQ(testiDeiMessaggi(), QStringList{"Gli estremi del pagamento sono stati registrati."});
    const QJsonArray rows = pagamenti(kPraEsposito);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows.at(0).toArray().at(0).toInt(), 0);
    EXPECT_EQ(rows.at(0).toArray().at(2).toString(), "05/03/2024");  // day first
    EXPECT_EQ(rows.at(0).toArray().at(4).toString(), "02/033");
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM EstremiPagamento WHERE R_Id_Pratica = %1 AND "
                                    "Importo = 1234.56")
                         .arg(kPraEsposito))
                  .toVariant()
                  .toInt(),
              1);  // the amount exactly

    // Opened again, the row is shown and a second save changes it rather than adding one.
    const auto again = estremi({kDump, set("mskImporto", "99,50"), click("cmdOk")});
    EXPECT_EQ(of(again[0], "mskCodiceBollettino").value("text").toString(), "0044");
    EXPECT_EQ(pagamenti(kPraEsposito).size(), 1);
    EXPECT_EQ(pagamenti(kPraEsposito).at(0).toArray().at(1).toDouble(), 99.5);
}

TEST_P(PaymentDetails, StampsAreListedInTheOrderReturnedTheFirstShown) {
    sql(QStringLiteral("INSERT INTO EstremiPagamento (R_Id_Pratica, TipoPagamento, Importo, Data, CodMarcaL) "
                       "VALUES (%1, 1, 16, '2023-03-01', '01231489000125')")
            .arg(kPraEsposito));
    const QJsonArray order =
        rows(QStringLiteral("SELECT * FROM EstremiPagamento WHERE R_Id_Pratica = %1").arg(kPraEsposito));
    modifica(kPraEsposito);
    const auto d = estremi({kDump});
    const QJsonObject list = of(d[0], "lstvMarche");
    ASSERT_EQ(list.value("rows").toArray().size(), 3);
    EXPECT_EQ(of(d[0], "cmbTipoPagamento").value("selectedRow").toInt(), 1);
    EXPECT_FALSE(of(d[0], "cmdOk").value("visible").toBool());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(list.value("rows").toArray().at(i).toString().section(u'\t', 0, 0),
                  order.at(i).toArray().at(0).toVariant().toString());
    EXPECT_EQ(list.value("selectedRow").toInt(), 0);
    EXPECT_EQ(of(d[0], "txtCodiceMarca").value("text").toString(),
              list.value("rows").toArray().at(0).toString().section(u'\t', 1, 1));
    EXPECT_EQ(list.value("rows").toArray().at(0).toString().section(u'\t', 2, 2), "€ 200,00");
}

// The checks run in order and stop at the first failure; nothing is written until all pass.
TEST_P(PaymentDetails, RefusalsInTheirOrder) {
    sql(QStringLiteral("DELETE FROM EstremiPagamento WHERE R_Id_Pratica = %1").arg(kPraEsposito));
    modifica(kPraEsposito);
    estremi({click("cmdOk"), set("mskCodiceUfficio", "02/03"), click("cmdOk"),
             set("mskCodiceUfficio", "02/033"), set("mskCodiceBollettino", "004"), click("cmdOk"),
             set("mskCodiceBollettino", "0044"), click("cmdOk"), set("mskImporto", "10,00"), click("cmdOk"),
             set("mskData", "31/02/2024"), click("cmdOk"), kDump});
    EXPECT_EQ(testiDeiMessaggi(), (QStringList{"Non è stato inserito il Codice dell'Ufficio Postale.",
                                               "Il Codice dell'Ufficio Postale inserito non è corretto.",
                                               "Il Codice del Bollettino Postale inserito non è corretto.",
                                               "Non è stato inserito l'Importo del pagamento.",
                                               "Non è stata inserita la Data del Pagamento.",
                                               "La Data inserita non è corretta."}));
    for (const QJsonObject& b : boxes()) EXPECT_EQ(b.value("title").toString(), "Verifica dati");
    EXPECT_TRUE(pagamenti(kPraEsposito).isEmpty());
}

// Leaving a recorded F23 for stamps deletes it at once, even if the dialog is then closed;
// answering No keeps it and the kind.
TEST_P(PaymentDetails, ChangingTheKindDeletesOnlyOnYes) {
    modifica(kPraTrattoria);
    const QJsonObject stamps{{"fire", "cmbTipoPagamento"}, {"event", "Choose"}, {"row", 1}};
    answer({"No"});
    const auto no = estremi({stamps, kDump});
    EXPECT_EQ(
        testiDeiMessaggi(),
        QStringList{"Cambiando il tipo di pagamento verranno eliminati gli altri pagamenti registrati.\n\n"
                    "Continuare ?"});
    EXPECT_EQ(of(no[0], "cmbTipoPagamento").value("selectedRow").toInt(), 2);
    EXPECT_TRUE(of(no[0], "fraF23").value("visible").toBool());
    EXPECT_EQ(pagamenti(kPraTrattoria).size(), 1);

    answer({"Yes"});
    const auto yes = estremi({stamps, kDump});
    EXPECT_TRUE(of(yes[0], "fraMarca").value("visible").toBool());
    EXPECT_TRUE(pagamenti(kPraTrattoria).isEmpty());
    // With nothing recorded, changing kind asks nothing.
    estremi({QJsonObject{{"fire", "cmbTipoPagamento"}, {"event", "Choose"}, {"row", 2}}});
    EXPECT_TRUE(boxes().isEmpty());
}

// Adding, changing and deleting stamps; the stamp code takes hostile text as it is.
TEST_P(PaymentDetails, StampsAddedChangedAndDeleted) {
    sql(QStringLiteral("DELETE FROM EstremiPagamento WHERE R_Id_Pratica = %1").arg(kPraEsposito));
    modifica(kPraEsposito);
    const QJsonObject toStamps{{"fire", "cmbTipoPagamento"}, {"event", "Choose"}, {"row", 1}};
    QJsonArray script{toStamps};
    QStringList codici;
    const QStringList naughty = naughtyStrings(GetParam() == Engine::SQLite);
    for (int i = 0; i < naughty.size(); i += 23) {
        const QString codice = naughty.at(i);  // the column holds 30 characters
        if (codice.size() > 30 || codice.trimmed().isEmpty() || codice.trimmed() != codice) continue;
        codici << codice;
        for (const QJsonObject& step :
             {click("cmdNuovo"), set("txtCodiceMarca", codice), set("mskValoreMarca", "16,00"),
              set("mskDataMarca", "01/03/2024"), click("cmdSalva")})
            script.append(step);
    }
    script.append(kDump);
    const auto d = estremi(script);
    EXPECT_TRUE(boxes().isEmpty()) << testiDeiMessaggi().join(u'\n').toStdString();
    const QJsonArray rows = pagamenti(kPraEsposito);
    ASSERT_EQ(rows.size(), codici.size());
    for (int i = 0; i < codici.size(); ++i) EXPECT_EQ(rows.at(i).toArray().at(3).toString(), codici.at(i));
    EXPECT_EQ(of(d[0], "lstvMarche").value("rows").toArray().size(), codici.size());

    // The first stamp changed, then deleted.
    answer({"Yes"});
    estremi({click("cmdModifica"), set("mskValoreMarca", "32,00"), click("cmdSalva"), kDump,
             click("cmdCancella"), kDump});
    EXPECT_EQ(testiDeiMessaggi(), QStringList{"Eliminare gli estremi del pagamento selezionato ?"});
    EXPECT_EQ(pagamenti(kPraEsposito).size(), codici.size() - 1);
}

TEST_P(PaymentDetails, LeavingAsksOnlyForAStampBeingTyped) {
    modifica(kPraEsposito);
    answer({"No", "Yes"});
    const auto d = estremi(
        {click("cmdNuovo"), set("txtCodiceMarca", "X"), click("cmdChiudi"), kDump, click("cmdChiudi")});
    EXPECT_EQ(testiDeiMessaggi(), (QStringList{"Uscire senza salvare gli estremi del pagamento ?",
                                               "Uscire senza salvare gli estremi del pagamento ?"}));
    EXPECT_FALSE(of(d[0], "fraMarche").value("enabled").toBool());  // still typing after No
    EXPECT_EQ(pagamenti(kPraEsposito).size(), 2);

    modifica(kPraEdilnord);
    estremi({set("mskCodiceBollettino", "9999"), click("cmdChiudi")});
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(pagamenti(kPraEdilnord).at(0).toArray().at(5).toString(), "0452");
}

// Outside the modification of the case the payments are only shown.
TEST_P(PaymentDetails, OnlyShownOutsideModification) {
    call("VisualizzaPratica", {kPraEdilnord});
    const auto d = estremi({kDump});
    EXPECT_FALSE(of(d[0], "cmbTipoPagamento").value("enabled").toBool());
    EXPECT_FALSE(of(d[0], "cmdOk").value("visible").toBool());
    EXPECT_FALSE(of(d[0], "cmdNuovo").value("enabled").toBool());
    EXPECT_EQ(of(d[0], "mskCodiceUfficio").value("text").toString(), "24/012");
}

INSTANTIATE_TEST_SUITE_P(Engines, PaymentDetails, ::testing::ValuesIn(enginesUnderTest()),
                         [](const auto& info) { return engineName(info.param).toStdString(); });

}  // namespace
}  // namespace tolmo::test
