// Showing stored cases, cancelling edits and the tab rules, through the driver.

#include "CaseFixture.h"
#include "schema/DemoFirm.h"

namespace tolmo::test {
namespace {

using namespace schema::demo;

bool tabVisible(const QJsonObject& tabs, int tab) {
    return tabs.value("tabs").toArray().at(tab).toObject().value("visible").toBool();
}

TEST_P(CaseTest, CivilCaseShowsItsColumns) {
    call("VisualizzaPratica", {kPraEsposito});
    EXPECT_EQ(state().value("currentId").toInt(), kPraEsposito);
    EXPECT_EQ(state().value("editState").toInt(), 1);
    EXPECT_EQ(text("ctlTestata1.txtPosizione"), "101");
    EXPECT_EQ(text("txtSezione"), "XII civile");
    EXPECT_EQ(text("cmbOggetto"), "Risarcimento danni da circolazione di veicoli");
    EXPECT_EQ(text("cmbCodOggetto"), "520001");
    EXPECT_EQ(text("TedDataInizio"), "15/02/2023");
    EXPECT_EQ(text("TDataUdienza"), "14/10/2025");
    EXPECT_EQ(text("TolDataChiusura"), "");
    EXPECT_EQ(text("TolDataArch"), "");
    EXPECT_EQ(text("TEDDenaroValore"), "18.500,00");
    EXPECT_EQ(text("TEDNumRilevanza"), "100");
    EXPECT_EQ(text("txtCollocazione"), "Armadio A, ripiano 2");
    EXPECT_EQ(field("optContributo").value("index").toInt(), 2);
    EXPECT_EQ(text("mskImportoContributo"), "237,00");
    EXPECT_EQ(text("cmbClassificatore"), "CIVILE");
    EXPECT_EQ(text("txtCampo(0)"), "20/03/2023");
    EXPECT_EQ(text("txtCampo(2)"), "545,00");
    EXPECT_FALSE(field("txtCampo(6)").value("visible").toBool());
    EXPECT_EQ(field("lblTariffaImpostata").value("caption").toString(), "");
    EXPECT_FALSE(field("TedDenaroSommaIng").value("visible").toBool());
    // The lists select the people stored with the case.
    EXPECT_EQ(field("cmbContabilita")
                  .value("rows")
                  .toArray()
                  .at(field("cmbContabilita").value("selectedRow").toInt())
                  .toString()
                  .split('\t')
                  .value(1),
              QString::number(kUtenteRossi));
    EXPECT_EQ(text("cmbReferente"), "MARCO ROSSI");
    EXPECT_EQ(text("cmbResponsabile"), "FRANCESCA GATTI");
    // A civil case: no criminal tab, the court fee offered, section and judge shown.
    const QJsonObject tabs = field("SSTabPratica");
    EXPECT_FALSE(tabVisible(tabs, 4));
    EXPECT_EQ(tabs.value("tabs").toArray().at(7).toObject().value("caption").toString(), "SOGG. COINVOLTI");
    EXPECT_TRUE(field("optCU").value("visible").toBool());
    EXPECT_FALSE(field("cmbAutorita").value("visible").toBool());
    EXPECT_TRUE(field("txtIstruttore").value("visible").toBool());
    // Consultation: read-only but for the anti-money-laundering button.
    EXPECT_FALSE(field("FramePraticaGenerale").value("enabled").toBool());
    EXPECT_TRUE(field("cmdAR").value("enabled").toBool());
}

TEST_P(CaseTest, CriminalCaseShowsAndSelectsItsTab) {
    call("VisualizzaPratica", {kPraConti});
    const QJsonObject tabs = field("SSTabPratica");
    EXPECT_TRUE(tabVisible(tabs, 4));
    EXPECT_EQ(tabs.value("current").toInt(), 4);
    EXPECT_EQ(tabs.value("tabs").toArray().at(7).toObject().value("caption").toString(), "S. COINV.");
    EXPECT_TRUE(field("cmbAutorita").value("visible").toBool());
    EXPECT_FALSE(field("optCU").value("visible").toBool());
    EXPECT_FALSE(field("FraContributo_2").value("visible").toBool());
    EXPECT_EQ(text("cmbClassificatore"), "PENALE");
    EXPECT_EQ(text("cmbAutorita"), pratica(kPraConti).value("autorita").toString());

    // Another classifier hides it again.
    call("VisualizzaPratica", {kPraEsposito});
    EXPECT_FALSE(tabVisible(field("SSTabPratica"), 4));
}

TEST_P(CaseTest, CaseWithoutClassifierShowsSectionAndJudge) {
    send({{"sql", "UPDATE Pratica SET ID_Cla = 1 WHERE ID_Pra = 2"}});
    call("VisualizzaPratica", {kPraConti});
    call("VisualizzaPratica", {kPraEsposito});
    EXPECT_FALSE(tabVisible(field("SSTabPratica"), 4));
    EXPECT_TRUE(field("txtSezione").value("visible").toBool());
    EXPECT_TRUE(field("lblIstruttore").value("visible").toBool());
    EXPECT_FALSE(field("cmbAutorita").value("visible").toBool());
    EXPECT_EQ(text("cmbClassificatore"), "");
    EXPECT_EQ(field("lblCampo(0)").value("caption").toString(), "CAMPO 1");
}

TEST_P(CaseTest, InjunctionSumShowsForItsSubjectCodeWrittenWithSpaces) {
    call("VisualizzaPratica", {kPraEdilnord});
    EXPECT_TRUE(field("TedDenaroSommaIng").value("visible").toBool());
    EXPECT_EQ(text("TedDenaroSommaIng"), "48.750,00");

    send({{"sql", "UPDATE Pratica SET CodiceOggetto = '01 00 01' WHERE ID_Pra = 2"}});
    call("VisualizzaPratica", {kPraEsposito});
    EXPECT_TRUE(field("TedDenaroSommaIng").value("visible").toBool());
    EXPECT_TRUE(field("lblSommaIng").value("visible").toBool());
}

TEST_P(CaseTest, FreeFieldShowsItsFirstSixtyFourCharacters) {
    const QString lungo = QString(60, 'a') + QString(20, 'b');
    send({{"sql", "UPDATE Pratica SET Campo5 = '  " + lungo + "' WHERE ID_Pra = 2"}});
    call("VisualizzaPratica", {kPraEsposito});
    EXPECT_EQ(text("txtCampo(4)"), lungo.left(64));
}

TEST_P(CaseTest, TariffLabelsAndArchiveDate) {
    send({{"sql",
           "UPDATE Pratica SET TipoTariffa = 2, Maggiorazione = -10, Data_Arc = '2024-06-30' WHERE ID_Pra = "
           "2"}});
    call("VisualizzaPratica", {kPraEsposito});
    EXPECT_EQ(field("lblTariffaImpostata").value("caption").toString(), "Tariffa 2");
    EXPECT_EQ(field("lblTarDati").value("caption").toString(), "Magg. -10%");
    EXPECT_EQ(text("TolDataArch"), "30/06/2024");

    send({{"sql", "UPDATE Pratica SET TipoTariffa = 3, Flat = 350, Maggiorazione = 0 WHERE ID_Pra = 2"}});
    call("VisualizzaPratica", {kPraEsposito});
    EXPECT_EQ(field("lblTariffaImpostata").value("caption").toString(), "Flat");
    EXPECT_EQ(field("lblTarDati").value("caption").toString(), "€. 350");
}

TEST_P(CaseTest, ListWithoutTheStoredRowKeepsItsSelection) {
    call("VisualizzaPratica", {kPraEsposito});
    const int referente = field("cmbReferente").value("selectedRow").toInt();
    ASSERT_GE(referente, 0);
    send({{"sql", "UPDATE Pratica SET ID_Referente = 999 WHERE ID_Pra = 3"}});
    call("VisualizzaPratica", {kPraEdilnord});
    EXPECT_EQ(field("cmbReferente").value("selectedRow").toInt(), referente);
}

TEST_P(CaseTest, MissingCaseChangesOnlyTheCurrentId) {
    call("VisualizzaPratica", {kPraEsposito});
    call("VisualizzaPratica", {999});
    EXPECT_EQ(state().value("currentId").toInt(), 999);
    EXPECT_EQ(text("txtSezione"), "XII civile");
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_P(CaseTest, CancelledInsertionWithNothingShownLeavesAnEmptyForm) {
    call("Inserimento");
    type("txtNOTE", "da buttare");
    type("txtSezione", "I civile");
    call("Annulla");
    EXPECT_EQ(state().value("editState").toInt(), 1);
    EXPECT_EQ(state().value("currentId").toInt(), 0);
    EXPECT_EQ(text("txtNOTE"), "");
    EXPECT_EQ(text("txtSezione"), "");
    EXPECT_EQ(text("ctlTestata1.txtPosizione"), "");
    EXPECT_FALSE(tabVisible(field("SSTabPratica"), 4));
    EXPECT_FALSE(field("FramePraticaGenerale").value("enabled").toBool());
    EXPECT_TRUE(field("txtNOTE").value("locked").toBool());
}

TEST_P(CaseTest, CancelledEditShowsTheStoredCaseAgain) {
    call("VisualizzaPratica", {kPraEsposito});
    call("Inserimento");
    EXPECT_EQ(text("txtSezione"), "");
    call("Annulla");
    EXPECT_EQ(text("txtSezione"), "XII civile");
    EXPECT_EQ(text("ctlTestata1.txtPosizione"), "101");

    ASSERT_TRUE(call("Modifica").value("result").toBool());
    type("txtSezione", "cambiata");
    type("TEDNumRilevanza", "300");
    call("Annulla");
    EXPECT_EQ(state().value("editState").toInt(), 1);
    EXPECT_EQ(text("txtSezione"), "XII civile");
    EXPECT_EQ(text("TEDNumRilevanza"), "100");
    EXPECT_EQ(pratica(kPraEsposito).value("sezione").toString(), "XII civile");
}

TEST_P(CaseTest, TabsOpenTheirFramesOnlyWhileEditing) {
    call("VisualizzaPratica", {kPraEsposito});
    send({{"set", "SSTabPratica"}, {"index", 2}});
    EXPECT_FALSE(field("frameRiferimenti").value("enabled").toBool());
    send({{"set", "SSTabPratica"}, {"index", 0}});
    EXPECT_TRUE(field("txtNOTE").value("locked").toBool());

    ASSERT_TRUE(call("Modifica").value("result").toBool());
    send({{"set", "SSTabPratica"}, {"index", 2}});
    EXPECT_TRUE(field("frameRiferimenti").value("enabled").toBool());
    EXPECT_TRUE(field("FrameProcacciatore").value("enabled").toBool());
    send({{"set", "SSTabPratica"}, {"index", 1}});
    EXPECT_FALSE(field("frameRiferimenti").value("enabled").toBool());
    EXPECT_TRUE(field("cmdPiuCli").value("enabled").toBool());
    send({{"set", "SSTabPratica"}, {"index", 3}});
    EXPECT_TRUE(field("fraCampiLiberi").value("enabled").toBool());
    EXPECT_FALSE(field("cmdPiuCli").value("enabled").toBool());
    send({{"set", "SSTabPratica"}, {"index", 7}});
    EXPECT_TRUE(field("fraSoggetti").value("enabled").toBool());
    EXPECT_GT(field("cmbSoggetto").value("rows").toArray().size(), 0);

    // A new case gets its parties only once it exists.
    call("Annulla");
    call("Inserimento");
    send({{"set", "SSTabPratica"}, {"index", 1}});
    EXPECT_FALSE(field("cmdPiuCli").value("enabled").toBool());
}

}  // namespace
}  // namespace tolmo::test
