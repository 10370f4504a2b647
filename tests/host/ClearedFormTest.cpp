// A new case starts from nothing of the case shown before it; the lists that are filled once
// offer everything whatever they show; the driver returns every column it is asked for.

#include "CaseFixture.h"
#include "schema/DemoFirm.h"

namespace tolmo::test {
namespace {

using namespace schema::demo;

TEST_P(CaseTest, NewCaseInheritsNoneOfThePreviousCasesPeople) {
    ASSERT_FALSE(
        send({{"sql", QStringLiteral("UPDATE Pratica SET ID_Referente = %1, ID_UtenteRiferimento = %1, "
                                     "ResponsabileFascicolo = 'GIULIA BIANCHI', "
                                     "ID_UtenteProcacciatore = %2 WHERE ID_Pra = %3")
                          .arg(kUtenteBianchi)
                          .arg(kAnaFerriMassimo)
                          .arg(kPraConti)}})
            .contains("error"));
    call("VisualizzaPratica", {kPraConti});  // reserved to the group PENALE
    ASSERT_FALSE(text("cmbRiservata").isEmpty());
    ASSERT_FALSE(text("cmbResponsabile").isEmpty());
    ASSERT_FALSE(text("cmbProcacciatore").isEmpty());

    nuovaPratica(kAnaBiancoAlessandro, "777");
    for (const char* list : {"cmbReferente", "cmbResponsabile", "cmbProcacciatore", "cmbRiservata"})
        EXPECT_EQ(text(list), QString()) << list;
    EXPECT_FALSE(text("cmbContabilita").isEmpty());  // the accounting owner is kept
    ASSERT_TRUE(call("Conferma").value("result").toBool());
    const QJsonObject row = pratica(state().value("currentId").toInt());
    EXPECT_TRUE(row.value("fk_gruppo").isNull());
    EXPECT_EQ(row.value("id_riservata").toInt(), 0);
    EXPECT_EQ(row.value("responsabilefascicolo").toString(), QString());
    EXPECT_EQ(row.value("id_utenteriferimento").toInt(), 0);
    EXPECT_EQ(row.value("id_referente").toInt(), 0);
    EXPECT_EQ(row.value("id_utenteprocacciatore").toInt(), 0);
}

TEST_P(CaseTest, ProcurerListOffersEveryProcurerWhateverItShows) {
    ASSERT_FALSE(
        send({{"sql", QStringLiteral("UPDATE Pratica SET ID_UtenteProcacciatore = %1 WHERE ID_Pra = %2")
                          .arg(kAnaFerriMassimo)
                          .arg(kPraEsposito)}})
            .contains("error"));
    call("VisualizzaPratica", {kPraEsposito});
    ASSERT_EQ(text("cmbProcacciatore"), "Ferri");
    fire("cmbProcacciatore", "DropDown");
    EXPECT_EQ(field("cmbProcacciatore").value("rows").toArray().size(), 2);
}

// The party list opens on its first page and reads the rest as the person scrolls to its end.
TEST_P(CaseTest, ALongListOpensOnItsFirstPageAndScrollsToItsEnd) {
    ASSERT_FALSE(
        send({{"sql",
               QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 250) "
                              "INSERT INTO Anagrafica (Cognome, CognomeRicerca, Nome) "
                              "SELECT 'Scorri' || (1000 + i), 'scorri' || (1000 + i), 'Lungo' FROM n")}})
            .contains("error"));
    ASSERT_TRUE(call("Modifica", {kPraEsposito}).value("result").toBool());
    type("cmbFatturaACognome", QStringLiteral("SCORRI"));
    fire("cmbFatturaACognome", "DropDown");
    EXPECT_EQ(field("cmbFatturaACognome").value("rows").toArray().size(), 100);
    EXPECT_TRUE(field("cmbFatturaACognome").value("more").toBool());
    ASSERT_FALSE(send({{"set", "cmbFatturaACognome"}, {"scroll", 1}}).contains("error"));
    EXPECT_EQ(field("cmbFatturaACognome").value("rows").toArray().size(), 200);
    ASSERT_FALSE(send({{"set", "cmbFatturaACognome"}, {"scroll", "end"}}).contains("error"));
    const QJsonObject list = field("cmbFatturaACognome");
    EXPECT_EQ(list.value("rows").toArray().size(), 250);
    EXPECT_FALSE(list.contains("more"));
    EXPECT_TRUE(
        list.value("rows").toArray().last().toString().startsWith(QStringLiteral("Scorri1250\tLungo")));
    ASSERT_FALSE(send({{"sql", "DELETE FROM Anagrafica WHERE Nome = 'Lungo'"}}).contains("error"));
}

// 300 characters in a field of 100: the field keeps 100 (never half of a character outside the
// basic plane) and both engines store them, with no error; so does a position of 400 digits.
TEST_P(CaseTest, TextLongerThanItsColumnIsCutWhereItIsTyped) {
    ASSERT_TRUE(call("Modifica", {kPraEsposito}).value("result").toBool());
    const QString lungo = QString(99, u'x') + QStringLiteral("\U0001F600") + QString(200, u'y');
    type("txtCollocazione", lungo);
    const QString tenuto = text("txtCollocazione");
    EXPECT_EQ(tenuto, lungo.left(101));  // 99 + the two halves of one character
    EXPECT_EQ(field("txtCollocazione").value("maxLength").toInt(), 100);
    type("ctlTestata1.txtPosizione", QString(450, u'9'));
    EXPECT_EQ(text("ctlTestata1.txtPosizione").size(), 400);
    ASSERT_TRUE(call("Conferma").value("result").toBool())
        << boxes().value(0).value("text").toString().toStdString();
    EXPECT_EQ(pratica(kPraEsposito).value("collocazione").toString(), tenuto);
    EXPECT_EQ(pratica(kPraEsposito).value("posizione").toString(), QString(400, u'9'));
    EXPECT_EQ(pratica(kPraEsposito).value("numpos").toDouble(), 0);  // no 32-bit number: no order
}

TEST_P(CaseTest, SqlReplyKeepsColumnsOfTheSameName) {
    const QJsonArray result = rows("SELECT Posizione AS a, Note AS a FROM Pratica WHERE ID_Pra = 2");
    ASSERT_EQ(result.size(), 1);
    const QJsonArray row = result.at(0).toArray();
    ASSERT_EQ(row.size(), 2);
    EXPECT_EQ(row.at(0).toString(), pratica(kPraEsposito).value("posizione").toString());
    EXPECT_EQ(row.at(1).toString(), pratica(kPraEsposito).value("note").toString());
}

}  // namespace
}  // namespace tolmo::test
