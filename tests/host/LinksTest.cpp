// Linked cases (dlgPratCollegate) and the firm's other lawyers on a case (dlgAvvocati): the
// group keys, the candidates, the lawyers chosen while a case is inserted.

#include "CaseFixture.h"
#include "schema/DemoFirm.h"

namespace tolmo::test {
namespace {

using namespace schema::demo;

class Links : public CaseTest {
protected:
    /// Opens the linked cases of the case shown, runs `script` in the dialog; gives its dumps.
    QList<QJsonObject> collegate(const QJsonArray& script) {
        return inDialog("dlgPratCollegate", script, "cmdPratCollegate");
    }
    QList<QJsonObject> avvocati(const QJsonArray& script) {
        return inDialog("dlgAvvocati", script, "cmdAltri");
    }
    int chiave(int caso) {
        return scalar(QStringLiteral("SELECT R_IdCollegamento FROM Pratica WHERE ID_Pra = %1").arg(caso))
            .toInt();
    }
    /// The candidate row of case `caso` in a dump of the dialog, -1 when it is not offered.
    static int candidato(const QJsonObject& dlg, int caso) {
        const QJsonArray rows = dlg.value("cmbPosizione").toObject().value("rows").toArray();
        for (int r = 0; r < rows.size(); ++r)
            if (rows.at(r).toString().split(u'\t').value(4).toInt() == caso) return r;
        return -1;
    }
    static QList<int> casiNellaGriglia(const QJsonObject& dlg) {
        QList<int> ids;
        for (const QJsonValue& r : dlg.value("GrigliaImport").toObject().value("table").toArray())
            ids << r.toArray().at(0).toInt();
        return ids;
    }
    QJsonArray avvocatiDi(int caso) {
        return rows(
            QStringLiteral("SELECT id_AvvSel, NomeAvv FROM R_PraUte WHERE id_PraSel = %1 ORDER BY idpraute")
                .arg(caso));
    }
};

// Another workstation groups the candidate after the dialog offered it: linking it asks first.
TEST_P(Links, ACandidateGroupedElsewhereMeanwhileIsNotTakenUnasked) {
    call("VisualizzaPratica", {kPraEsposito});
    const int riga = candidato(collegate({kDump}).value(0), kPraBianco);
    ASSERT_GE(riga, 0);
    const QJsonObject altrove{
        {"sql", QStringLiteral("UPDATE Pratica SET R_IdCollegamento = %1 WHERE ID_Pra IN (%1, %2)")
                    .arg(kPraGreco)
                    .arg(kPraBianco)}};
    answer({"Cancel"});
    collegate({QJsonObject{{"set", "cmbPosizione"}, {"row", riga}}, altrove, click("cmdCollega")});
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_TRUE(boxes().first().value("text").toString().startsWith(
        "Il collegamento di queste pratiche è stato modificato su un'altra postazione"));
    EXPECT_EQ(chiave(kPraBianco), kPraGreco);
    EXPECT_EQ(chiave(kPraEsposito), 0);

    // Yes: linked all the same, knowingly.
    sql(QStringLiteral("UPDATE Pratica SET R_IdCollegamento = 0 WHERE ID_Pra IN (%1, %2)")
            .arg(kPraGreco)
            .arg(kPraBianco));
    const int ancora = candidato(collegate({kDump}).value(0), kPraBianco);
    answer({"Yes"});
    collegate({QJsonObject{{"set", "cmbPosizione"}, {"row", ancora}}, altrove, click("cmdCollega")});
    EXPECT_EQ(boxes().size(), 1);
    EXPECT_EQ(chiave(kPraBianco), kPraEsposito);
    EXPECT_EQ(chiave(kPraEsposito), kPraEsposito);
}

TEST_P(Links, LinkingAnUngroupedCandidateKeysBothCasesWithTheCurrentOne) {
    call("VisualizzaPratica", {kPraEsposito});
    const auto prima = collegate({kDump});
    ASSERT_EQ(prima.size(), 1);
    EXPECT_TRUE(casiNellaGriglia(prima[0]).isEmpty());  // not linked: nothing to show
    EXPECT_EQ(candidato(prima[0], kPraEdilnord), -1);   // grouped cases are never offered
    EXPECT_EQ(candidato(prima[0], kPraDAmico), -1);
    EXPECT_EQ(candidato(prima[0], kPraEsposito), -1);   // nor the case itself
    EXPECT_EQ(candidato(prima[0], kPraRiservata), -1);  // nor the placeholder case
    const int riga = candidato(prima[0], kPraBianco);
    ASSERT_GE(riga, 0);
    // A counterparty typed by hand reads as its surname and first name run together.
    const int greco = candidato(prima[0], kPraGreco);
    ASSERT_GE(greco, 0);
    const QJsonObject caso = pratica(kPraGreco);
    EXPECT_EQ(
        prima[0]
            .value("cmbPosizione")
            .toObject()
            .value("rows")
            .toArray()
            .at(greco)
            .toString()
            .split(u'\t')
            .value(2),
        caso.value("controcognome").toString().trimmed() + caso.value("contronome").toString().trimmed());
    EXPECT_FALSE(prima[0].value("cmdElimina").toObject().value("enabled").toBool());

    const auto dopo =
        collegate({QJsonObject{{"set", "cmbPosizione"}, {"row", riga}}, kDump, click("cmdCollega"), kDump});
    ASSERT_EQ(dopo.size(), 2);
    EXPECT_TRUE(dopo[0]
                    .value("lblPratica")
                    .toObject()
                    .value("caption")
                    .toString()
                    .endsWith(QStringLiteral("%1 - ").arg(kPraBianco)));
    EXPECT_EQ(casiNellaGriglia(dopo[1]), QList<int>{kPraBianco});
    EXPECT_EQ(dopo[1].value("lblPratica").toObject().value("caption").toString(), "");
    EXPECT_EQ(chiave(kPraEsposito), kPraEsposito);
    EXPECT_EQ(chiave(kPraBianco), kPraEsposito);
}

TEST_P(Links, RemovingMembersDissolvesOrReKeysTheGroup) {
    // The only other member: the group is dissolved.
    call("VisualizzaPratica", {kPraEdilnord});
    const auto d = collegate({kDump, QJsonObject{{"fire", "GrigliaImport"}, {"event", "Click"}, {"row", 0}},
                              click("cmdElimina"), kDump});
    ASSERT_EQ(d.size(), 2);
    EXPECT_EQ(casiNellaGriglia(d[0]), QList<int>{kPraDAmico});
    EXPECT_TRUE(casiNellaGriglia(d[1]).isEmpty());
    EXPECT_EQ(chiave(kPraEdilnord), 0);
    EXPECT_EQ(chiave(kPraDAmico), 0);

    // A group of three loses the case whose id is its key: the rest take the first remaining id.
    sql(QStringLiteral("UPDATE Pratica SET R_IdCollegamento = %1 WHERE ID_Pra IN (%1, %2, %3)")
            .arg(kPraEdilnord)
            .arg(kPraBianco)
            .arg(kPraDAmico));
    call("VisualizzaPratica", {kPraDAmico});
    const auto g = collegate({kDump});
    ASSERT_EQ(g.size(), 1);
    const int riga = casiNellaGriglia(g[0]).indexOf(kPraEdilnord);
    ASSERT_GE(riga, 0);
    collegate(
        {QJsonObject{{"fire", "GrigliaImport"}, {"event", "Click"}, {"row", riga}}, click("cmdElimina")});
    EXPECT_EQ(chiave(kPraEdilnord), 0);
    EXPECT_EQ(chiave(kPraBianco), kPraBianco);
    EXPECT_EQ(chiave(kPraDAmico), kPraBianco);
}

// A member moved to another group after the grid showed it is not taken out of that one unasked.
TEST_P(Links, AMemberMovedElsewhereMeanwhileIsNotRemovedUnasked) {
    call("VisualizzaPratica", {kPraEdilnord});
    const QJsonObject altrove{
        {"sql", QStringLiteral("UPDATE Pratica SET R_IdCollegamento = %1 WHERE ID_Pra IN (%1, %2)")
                    .arg(kPraBianco)
                    .arg(kPraDAmico)}};
    answer({"Cancel"});
    collegate({QJsonObject{{"fire", "GrigliaImport"}, {"event", "Click"}, {"row", 0}}, altrove,
               click("cmdElimina")});
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_TRUE(boxes().first().value("text").toString().contains("su un'altra postazione"));
    EXPECT_EQ(chiave(kPraDAmico), kPraBianco);
    EXPECT_EQ(chiave(kPraBianco), kPraBianco);
    EXPECT_EQ(chiave(kPraEdilnord), kPraEdilnord);
}

TEST_P(Links, ADoubleClickedLinkedCaseIsShown) {
    call("VisualizzaPratica", {kPraEdilnord});
    collegate({QJsonObject{{"fire", "GrigliaImport"}, {"event", "DblClick"}, {"row", 0}}});
    EXPECT_EQ(send({{"dump", "state"}}).value("state").toObject().value("currentId").toInt(), kPraDAmico);
}

TEST_P(Links, LawyersChosenDuringAnInsertionFollowTheSaveOrTheCancel) {
    fire("cmdAltri", "Click");  // no case, no insertion
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes()[0].value("text").toString(), "ATTENZIONE : Nessuna pratica è stata selezionata");

    nuovaPratica(kAnaBiancoAlessandro, "950");
    const QJsonObject primo{{"set", "TDBGridAvv1"}, {"row", 0}};
    avvocati({primo, click("cmdAdd"), primo, click("cmdAdd"), primo, click("cmdAdd")});
    const QJsonArray scelti = avvocatiDi(0);
    ASSERT_EQ(scelti.size(), 3);
    ASSERT_TRUE(call("Conferma").value("result").toBool());
    const int id = scalar("SELECT ID_Pra FROM Pratica WHERE Posizione = '950'").toInt();
    EXPECT_EQ(avvocatiDi(0).size(), 0);
    EXPECT_EQ(avvocatiDi(id), scelti);
    QStringList nomi;
    for (const QJsonValue& r : scelti) nomi << r.toArray().at(1).toString();
    EXPECT_EQ(pratica(id).value("avvcoinvolti").toString(), nomi.join(u','));  // "A,B,C"

    // Abandoned: the lawyers chosen meanwhile are let go.
    nuovaPratica(kAnaBiancoAlessandro, "951");
    avvocati({click("cmdAllAdd")});
    EXPECT_GT(avvocatiDi(0).size(), 0);
    call("Annulla");
    EXPECT_EQ(avvocatiDi(0).size(), 0);

    // Another case shown in the middle of an insertion ends it too.
    nuovaPratica(kAnaBiancoAlessandro, "952");
    avvocati({click("cmdAllAdd")});
    EXPECT_GT(avvocatiDi(0).size(), 0);
    call("VisualizzaPratica", {kPraEsposito});
    EXPECT_EQ(avvocatiDi(0).size(), 0);
}

TEST_P(Links, AllInAndAllOutAndAReadOnlyConsultation) {
    call("VisualizzaPratica", {kPraEsposito});
    const auto d = avvocati({kDump});
    ASSERT_EQ(d.size(), 1);
    EXPECT_FALSE(d[0].value("fraPulsanti").toObject().value("enabled").toBool());
    EXPECT_EQ(d[0].value("TDBGridAvvSel").toObject().value("table").toArray().size(),
              avvocatiDi(kPraEsposito).size());

    ASSERT_TRUE(call("Modifica", {kPraEsposito}).value("result").toBool());
    const int utenti = scalar("SELECT COUNT(*) FROM Utenti").toInt();
    const auto m = avvocati({click("cmdAllAdd"), kDump, click("cmdAllSott"), kDump});
    ASSERT_EQ(m.size(), 2);
    EXPECT_EQ(m[0].value("TDBGridAvv1").toObject().value("table").toArray().size(), 0);
    EXPECT_EQ(m[0].value("TDBGridAvvSel").toObject().value("table").toArray().size(), utenti);
    EXPECT_EQ(m[1].value("TDBGridAvv1").toObject().value("table").toArray().size(), utenti);
    EXPECT_FALSE(m[1].value("cmdSott").toObject().value("enabled").toBool());
    EXPECT_EQ(avvocatiDi(kPraEsposito).size(), 0);
    ASSERT_TRUE(call("Conferma").value("result").toBool());
    EXPECT_EQ(pratica(kPraEsposito).value("avvcoinvolti").toString(), "");  // no lawyer: cleared
}

INSTANTIATE_TEST_SUITE_P(Engines, Links, ::testing::ValuesIn(enginesUnderTest()),
                         [](const auto& info) { return engineName(info.param).toStdString(); });

}  // namespace
}  // namespace tolmo::test
