// The judge's term and the appeal deadline written into the agenda, through the host's dialogs.

#include "CaseFixture.h"
#include "schema/DemoFirm.h"

namespace tolmo::test {
namespace {

using namespace schema::demo;

const QString kVoci = QStringLiteral(
    "SELECT Scadenza, Data_Start, Data_End, IsMemo, Ora, IdResponsabile, Effettuato FROM Scadenze WHERE "
    "Codice_Pra = %1 AND IsScadImpugnazione = TRUE ORDER BY Codice_Sca");

class AppealAgenda : public CaseTest {
protected:
    /// The trial phase of the criminal case with an ordinary deposit due on 25/03/2023: the
    /// deadline is 24/04/2023. The agenda has no appeal entry of the case yet.
    void SetUp() override {
        CaseTest::SetUp();
        sql(QStringLiteral("DELETE FROM Scadenze WHERE Codice_Pra = %1 AND IsScadImpugnazione = TRUE")
                .arg(kPraConti));
        ASSERT_TRUE(call("Modifica", {kPraConti}).value("result").toBool());
        type("fdDatSenDib", "10/03/2023");
        choose("cmbDepMotDib", 0, "Ordinario");
    }
    /// Computes the deadline and, in the agenda form, types `data` (unless empty) and confirms.
    void registra(const QString& data = {}, const QString& ora = {}) {
        QJsonArray script;
        if (!data.isEmpty()) script.append(QJsonObject{{"set", "TolDataImpugnaz"}, {"text", data}});
        if (!ora.isEmpty()) script.append(QJsonObject{{"set", "TDataOra"}, {"text", ora}});
        script.append(QJsonObject{{"dump", "form"}});
        script.append(QJsonObject{{"fire", "cmdInserisciScadenza"}, {"event", "Click"}});
        script.append(QJsonObject{{"fire", "cmdAnnulla"}, {"event", "Click"}});
        send({{"onshow", "frmInsertImpugnazione"}, {"script", script}});
        fire("cmdCalScadImp3", "Click");
    }
    /// The agenda form as the script saw it.
    QJsonObject agenda() const {
        for (const QJsonObject& h : happened)
            if (h.contains("form")) return h.value("form").toObject();
        return {};
    }
    QJsonArray voci() { return rows(kVoci.arg(kPraConti)); }
};

TEST_P(AppealAgenda, FirstConfirmationWritesTheReminderAndTheDeadline) {
    registra({}, "09:30");
    const QJsonObject form = agenda();
    EXPECT_EQ(form.value("TolDataImpugnaz").toObject().value("text").toString(), "24/04/2023");
    EXPECT_TRUE(form.value("lblMessag").toObject().value("caption").toString().endsWith("24/04/2023"));
    ASSERT_FALSE(boxes().isEmpty());
    EXPECT_EQ(boxes().last().value("text").toString(), "L'adempimento è stato inserito correttamente");
    const QJsonArray v = voci();
    ASSERT_EQ(v.size(), 2);
    const QJsonArray promemoria = v.at(0).toArray(), scadenza = v.at(1).toArray();
    EXPECT_EQ(promemoria.at(0).toString(), "Data scadenza impugnazione");
    EXPECT_EQ(promemoria.at(1).toString(), "09/04/2023");
    EXPECT_EQ(promemoria.at(2).toString(), "24/04/2023");
    EXPECT_TRUE(promemoria.at(3).toVariant().toBool());
    EXPECT_EQ(scadenza.at(0).toString(), "Scadenza impugnazione");
    EXPECT_TRUE(scadenza.at(1).isNull());
    EXPECT_FALSE(scadenza.at(3).toVariant().toBool());
    EXPECT_EQ(scadenza.at(4).toString(), "09:30");
    // The responsible user is the row shown as selected: the current user.
    const QJsonObject responsabile = form.value("cmbResponsabile").toObject();
    const int selected = responsabile.value("selectedRow").toInt();
    ASSERT_GE(selected, 0);
    EXPECT_EQ(scadenza.at(5).toInt(),
              responsabile.value("rows").toArray().at(selected).toString().section(u'\t', 1).toInt());
}

TEST_P(AppealAgenda, TheSameDateAsksAnotherDateRewritesWithoutAsking) {
    registra();
    const QJsonArray first = voci();
    answer({"No"});
    registra({}, "10:00");
    EXPECT_EQ(boxes().first().value("text").toString(), "L'adempimento è gia presente si vuole modificarlo?");
    EXPECT_EQ(voci(), first);
    answer({"Yes"});
    registra({}, "11:00");
    EXPECT_EQ(voci().at(1).toArray().at(4).toString(), "11:00");
    registra("02/05/2023");
    EXPECT_EQ(boxes().size(), 1);  // only the confirmation
    const QJsonArray v = voci();
    ASSERT_EQ(v.size(), 2);
    EXPECT_EQ(v.at(0).toArray().at(1).toString(), "17/04/2023");
    EXPECT_EQ(v.at(1).toArray().at(2).toString(), "02/05/2023");
}

// One old pending entry becomes the reminder; an entry already done is never touched; an
// empty date writes nothing.
TEST_P(AppealAgenda, PendingEntriesAreRewrittenDoneOnesNeverTouched) {
    sql(QStringLiteral(
            "INSERT INTO Scadenze (Codice_Pra, Scadenza, Data_End, IsScadImpugnazione, Effettuato) "
            "VALUES (%1, 'Vecchia', '2023-01-10', TRUE, TRUE)")
            .arg(kPraConti));
    sql(QStringLiteral(
            "INSERT INTO Scadenze (Codice_Pra, Scadenza, Data_End, IsScadImpugnazione, Effettuato) "
            "VALUES (%1, 'In sospeso', '2023-02-10', TRUE, FALSE)")
            .arg(kPraConti));
    registra();
    const QJsonArray v = voci();
    ASSERT_EQ(v.size(), 3);
    EXPECT_EQ(v.at(0).toArray().at(0).toString(), "Vecchia");
    EXPECT_TRUE(v.at(0).toArray().at(6).toVariant().toBool());
    EXPECT_EQ(v.at(1).toArray().at(0).toString(), "Data scadenza impugnazione");
    EXPECT_EQ(v.at(2).toArray().at(0).toString(), "Scadenza impugnazione");

    registra("31/02/2023");
    EXPECT_EQ(boxes().first().value("text").toString(),
              "Inserire una data valida nel campo Termine impugnazione.");
    EXPECT_EQ(voci(), v);
}

// 90 days are accepted; 91, 15 and a text that is no number are refused, the form staying open.
TEST_P(AppealAgenda, TheJudgesTermTakesSixteenToNinetyDays) {
    QJsonArray script;
    for (const char* giorni : {"abc", "15", "91", "90"}) {
        script.append(QJsonObject{{"set", "txtGiorni"}, {"text", giorni}});
        script.append(QJsonObject{{"fire", "cmdAdd"}, {"event", "Click"}});
    }
    send({{"onshow", "frmFisGiudice"}, {"script", script}});
    choose("cmbDepMotDib", 0, "Fissato dal giudice");
    ASSERT_EQ(boxes().size(), 3);
    for (const QJsonObject& box : boxes())
        EXPECT_EQ(box.value("text").toString(), "Attenzione inserire la cifra inserita non è corretta");
    EXPECT_EQ(text("fdTerDepMot"), "08/06/2023");
}

INSTANTIATE_TEST_SUITE_P(Engines, AppealAgenda, ::testing::ValuesIn(enginesUnderTest()),
                         [](const auto& info) { return engineName(info.param).toStdString(); });

}  // namespace
}  // namespace tolmo::test
