// The criminal tab driven as a lawyer would: the phase chosen, the row saved with exactly the
// phase's columns, the appeal deadline computed from the fields, a wrong date refused.

#include "CaseFixture.h"
#include "schema/DemoFirm.h"

namespace tolmo::test {
namespace {

using namespace schema::demo;

const QString kFasi2_4_5 = QStringLiteral(
    "SELECT GIP_1, GUP_2, RitiAlternativi_2, Esito_2, DataSentenza_2, NumSentenza_2, ProcuratoreGenerale_4, "
    "NumRGAppello_4, AutoritaGiudiziaria_4, Sezione_4, DataSentenza_4, ProcuratoreGenerale_5, Sezione_5, "
    "TipoSentenza_5, DataSentenza_5 FROM PraPenale WHERE ID_Pra = %1");

TEST_P(CaseTest, CriminalCaseSavedWithoutAPhaseGetsPhaseOneAndItsKeyAlone) {
    nuovaPratica(kAnaBiancoAlessandro, "900");
    choose("cmbClassificatore", 1, kClaPenale);
    EXPECT_EQ(field("SSTabPratica").value("current").toInt(), 4);
    EXPECT_EQ(text("cmbFase"), "Indagini Preliminari");
    check("chkImpPartCiv", true);
    type("txtPmDib", "Dott. Nessuno");  // no phase chosen: not written
    ASSERT_TRUE(call("Conferma").value("result").toBool());
    const int id = state().value("currentId").toInt();
    const QJsonArray row =
        rows(QStringLiteral("SELECT ID_Fase, IsParteCivile, PM_1_2_3, NumRGNotDiReato FROM "
                            "PraPenale WHERE ID_Pra = %1")
                 .arg(id));
    ASSERT_EQ(row.size(), 1);
    const QJsonArray r = row.first().toArray();
    EXPECT_EQ(r.at(0).toInt(), 1);
    EXPECT_TRUE(r.at(1).toVariant().toBool());
    EXPECT_TRUE(r.at(2).isNull());
    EXPECT_TRUE(r.at(3).isNull());
}

TEST_P(CaseTest, PhaseThreeRewritesItsOwnColumnsAndLeavesTheOtherPhasesAlone) {
    const QJsonArray before = rows(kFasi2_4_5.arg(kPraConti));
    ASSERT_TRUE(call("Modifica", {kPraConti}).value("result").toBool());
    EXPECT_TRUE(field("fraDibatt").value("visible").toBool());
    EXPECT_FALSE(field("fraIndPre").value("visible").toBool());
    type("txtPmDib", "Dott.ssa Nuova");
    type("txtNrgReDibat", "777/26 R.G.N.R.");
    type("txtSez", "II");
    type("fdDatSenDib", "5/6/2026");
    fire("fdDatSenDib", "LostFocus");
    EXPECT_EQ(text("fdDatSenDib"), "05/06/2026");
    ASSERT_TRUE(call("Conferma").value("result").toBool());
    EXPECT_EQ(rows(kFasi2_4_5.arg(kPraConti)), before);
    const QJsonArray r =
        rows(QStringLiteral(
                 "SELECT ID_Fase, PM_1_2_3, NumRGNotDiReato, Sezione_3, DataSentenza_3 FROM PraPenale "
                 "WHERE ID_Pra = %1")
                 .arg(kPraConti))
            .first()
            .toArray();
    EXPECT_EQ(r.at(0).toInt(), 3);
    EXPECT_EQ(r.at(1).toString(), "Dott.ssa Nuova");
    EXPECT_EQ(r.at(2).toString(), "777/26 R.G.N.R.");
    EXPECT_EQ(r.at(3).toString(), "II");
    EXPECT_EQ(r.at(4).toString(), "05/06/2026");
}

// An impossible date refuses the confirmation in Italian and writes nothing.
TEST_P(CaseTest, AnImpossibleDateInThePhaseRefusesTheSave) {
    const QJsonArray before =
        rows(QStringLiteral("SELECT * FROM PraPenale WHERE ID_Pra = %1").arg(kPraConti));
    ASSERT_TRUE(call("Modifica", {kPraConti}).value("result").toBool());
    type("fdDatSenDib", "31/02/2023");
    EXPECT_FALSE(call("Conferma").value("result").toBool());
    ASSERT_FALSE(boxes().isEmpty());
    EXPECT_EQ(boxes().last().value("text").toString(),
              "La data «31/02/2023» del campo Data Sentenza non è valida.");
    EXPECT_EQ(rows(QStringLiteral("SELECT * FROM PraPenale WHERE ID_Pra = %1").arg(kPraConti)), before);
}

// The deposit term proposed from the sentence, the deadline computed from the fields; in
// phase 2 an ordinary deposit after a plea bargain is not computed.
TEST_P(CaseTest, AppealDeadlineComesFromTheFieldsAsTheyStand) {
    // The agenda form shows the outcome; the script reads it and leaves.
    send({{"onshow", "frmInsertImpugnazione"}, {"script", QJsonArray{QJsonObject{{"dump", "form"}}}}});
    const auto messaggio = [this] {
        for (const QJsonObject& h : happened)
            if (h.contains("form"))
                return h.value("form").toObject().value("lblMessag").toObject().value("caption").toString();
        return QString();
    };
    ASSERT_TRUE(call("Modifica", {kPraConti}).value("result").toBool());
    type("fdDatSenDib", "10/03/2023");
    choose("cmbDepMotDib", 0, "Ordinario");
    EXPECT_EQ(text("fdTerDepMot"), "25/03/2023");
    EXPECT_TRUE(field("fdTerDepMot").value("visible").toBool());
    fire("cmdCalScadImp3", "Click");
    EXPECT_EQ(messaggio(), "La data scadenza impugnazione calcolata é : \r\n\r\n24/04/2023");
    choose("cmbDepMotDib", 0, "Contestuale");
    EXPECT_EQ(text("fdDepMot"), "10/03/2023");
    EXPECT_FALSE(field("fdTerDepMot").value("visible").toBool());
    call("Annulla");

    ASSERT_TRUE(call("Modifica", {kPraGreco}).value("result").toBool());
    choose("cmbFase", 0, "2");
    EXPECT_TRUE(field("cmdCalScadImp2").value("visible").toBool());
    choose("fpRitAlt", 0, "Patteggiamento");
    EXPECT_EQ(field("optEsito").value("index").toInt(), 1);
    EXPECT_FALSE(field("optEsito").value("enabled").toBool());
    type("fdDatSenUdi", "10/03/2023");
    choose("fpDepMotUdi", 0, "Ordinario");
    EXPECT_EQ(text("fdTerDepMotUdi"), "25/03/2023");  // 15 days after a plea bargain
    fire("cmdCalScadImp2", "Click");                  // refused, and the agenda form opens all the same
    EXPECT_EQ(messaggio(),
              "Non  è  possibile  calcolare la data \r\nscadenza impugnazione causa diversi \r\n"
              "orientamenti degli uffici giudiziari. \r\n");
}

// The firm's span decides how August counts: a term due on 16/07 gives 30/09 under the long
// span and 15/09 under the span in force since 2015.
TEST_P(CaseTest, TheFirmsSuspensionSpanDecidesTheDeadline) {
    send({{"onshow", "frmInsertImpugnazione"}, {"script", QJsonArray{QJsonObject{{"dump", "form"}}}}});
    const auto scadenza = [this] {
        for (const QJsonObject& h : happened)
            if (h.contains("form"))
                return h.value("form")
                    .toObject()
                    .value("TolDataImpugnaz")
                    .toObject()
                    .value("text")
                    .toString();
        return QString();
    };
    ASSERT_TRUE(call("Modifica", {kPraConti}).value("result").toBool());
    type("fdDatSenDib", "01/07/2023");
    choose("cmbDepMotDib", 0, "Ordinario");
    EXPECT_EQ(text("fdTerDepMot"), "16/07/2023");
    fire("cmdCalScadImp3", "Click");
    EXPECT_EQ(scadenza(), "30/09/2023");
    ASSERT_FALSE(
        send({{"sql", "UPDATE ConfigGenerale SET SospensioneFeriale = '01/08-31/08'"}}).contains("error"));
    fire("cmdCalScadImp3", "Click");
    EXPECT_EQ(scadenza(), "15/09/2023");
}

// A phase stored outside 1..5 leaves the frames as they were and raises no error.
TEST_P(CaseTest, AStoredPhaseOutsideTheFiveShowsWithoutAnError) {
    ASSERT_FALSE(
        send({{"sql", QStringLiteral("UPDATE PraPenale SET ID_Fase = 9 WHERE ID_Pra = %1").arg(kPraConti)}})
            .contains("error"));
    call("VisualizzaPratica", {kPraDeLuca});
    ASSERT_TRUE(field("fraAppello").value("visible").toBool());
    call("VisualizzaPratica", {kPraConti});
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_TRUE(field("fraAppello").value("visible").toBool());
    EXPECT_FALSE(text("txtPmDib").isEmpty());  // the fields are filled all the same
    ASSERT_TRUE(call("Modifica", {kPraConti}).value("result").toBool());
    ASSERT_TRUE(call("Conferma").value("result").toBool());
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT ID_Fase FROM PraPenale WHERE ID_Pra = %1").arg(kPraConti)).toInt(), 9);
}

}  // namespace
}  // namespace tolmo::test
