// The parties of a case beyond its main client and counterparty: the grids of further clients
// and counterparties (written at once), the involved subjects (written with the case), the
// party cards with their mail, the party editor, and the mail text of the case.

#include "CaseFixture.h"
#include "schema/DemoFirm.h"
#include "support/NaughtyStrings.h"

namespace tolmo::test {
namespace {

using namespace schema::demo;

class Parties : public CaseTest {
protected:
    void modifica(int id) { ASSERT_TRUE(call("Modifica", {id}).value("result").toBool()); }
    void scheda(int tab) { send({{"set", "SSTabPratica"}, {"index", tab}}); }
    QJsonArray tabella(const QString& grid) { return field(grid).value("table").toArray(); }
    QJsonArray multi(int caso, bool cliente) {
        return rows(QStringLiteral("SELECT ID_Ana, Cognome, Nome FROM MultiIntesta WHERE ID_Pra = %1 AND "
                                   "IsCliente = %2 ORDER BY ID_Multi")
                        .arg(caso)
                        .arg(cliente ? "TRUE" : "FALSE"));
    }
    /// Types `text` into a cell of a grid: the cell becomes current, then changes.
    void cella(const QString& grid, int row, int col, const QString& text) {
        ASSERT_TRUE(send({{"set", grid}, {"row", row}, {"col", col}, {"text", text}}).value("ok").toBool());
    }
    /// Opens the grid's drop-down on its current row and chooses the party `id`.
    void scegliDalRegistro(const QString& grid, const QString& drop, int id) {
        fire(grid, "DropDown");
        send({{"set", drop}, {"scroll", "end"}});
        const QJsonArray list = field(drop).value("rows").toArray();
        for (int r = 0; r < list.size(); ++r)
            if (list.at(r).toString().split(u'\t').value(2) == QString::number(id)) {
                send({{"set", drop}, {"row", r}});
                return;
            }
        FAIL() << "party " << id << " not in " << drop.toStdString();
    }
    QList<int> idsIn(const QString& list) {
        send({{"set", list}, {"scroll", "end"}});
        QList<int> ids;
        for (const QJsonValue& r : field(list).value("rows").toArray())
            ids << r.toString().split(u'\t').value(2).toInt();
        return ids;
    }
    QStringList shown() const {
        QStringList out;
        for (const QJsonObject& h : happened)
            if (h.contains("shown")) out << h.value("shown").toString();
        return out;
    }
    QStringList opened() const {
        QStringList out;
        for (const QJsonObject& h : happened)
            if (h.contains("open")) out << h.value("open").toString();
        return out;
    }
    static QString caption(const QJsonObject& form, const char* control) {
        return form.value(control).toObject().value("caption").toString();
    }
    /// The party selected in the subject picker, 0 when none.
    int sceltoNelSelettore() {
        const QJsonObject picker = field("cmbSoggetto");
        const int row = picker.value("selectedRow").toInt();
        return row < 0 ? 0 : picker.value("rows").toArray().at(row).toString().split(u'\t').value(2).toInt();
    }
    /// Picks party `id` in the subject picker (typing its surname) on the tab of the subjects.
    void scegliSoggetto(const QString& cognome, int id) {
        type("cmbSoggetto", cognome);
        choose("cmbSoggetto", 2, id);
    }
};

// ---------------------------------------------------------------- further clients and counterparties

TEST_P(Parties, ShownCaseFillsBothGridsFromTheRegisterOrTheTypedNames) {
    call("VisualizzaPratica", {kPraEsposito});
    const QJsonArray clienti = tabella("GridClienti");
    ASSERT_EQ(clienti.size(), 1);
    EXPECT_EQ(clienti.at(0).toArray().at(0).toString(), "Esposito");
    EXPECT_EQ(clienti.at(0).toArray().at(1).toString(), "Carmela");
    EXPECT_EQ(clienti.at(0).toArray().at(2).toInt(), kAnaEspositoCarmela);
    const QJsonArray controparti = tabella("GridControparti");
    ASSERT_EQ(controparti.size(), 1);
    EXPECT_EQ(controparti.at(0).toArray().at(0).toString(), "Russo");
    EXPECT_EQ(controparti.at(0).toArray().at(2).toInt(), kAnaNullo);
}

TEST_P(Parties, GridRowsAreAddedChosenEditedAndRemovedAtOnce) {
    modifica(kPraEsposito);
    scheda(1);
    fire("cmdPiuCli", "Click");
    fire("cmdPiuCli", "Click");
    QJsonArray stored = multi(kPraEsposito, true);
    ASSERT_EQ(stored.size(), 3);  // two placeholders after the stored client
    EXPECT_EQ(stored.at(2).toArray(), (QJsonArray{kAnaNullo, "", ""}));
    EXPECT_EQ(field("GridClienti").value("row").toInt(), 2);

    // A register party chosen stores only its id.
    send({{"set", "GridClienti"}, {"row", 1}, {"col", 0}});
    scegliDalRegistro("GridClienti", "DropClienti", kAnaBiancoAlessandro);
    EXPECT_EQ(eventArgs("EnableConferma"), QJsonArray{false});
    EXPECT_EQ(multi(kPraEsposito, true).at(1).toArray(), (QJsonArray{kAnaBiancoAlessandro, "", ""}));

    // Its surname edited by hand makes it a free name, trimmed, apostrophe intact.
    cella("GridClienti", 1, 0, "  D'Alessandro  ");
    EXPECT_EQ(eventArgs("EnableConferma"), QJsonArray{false});  // an edit in the grid
    EXPECT_EQ(multi(kPraEsposito, true).at(1).toArray(),
              (QJsonArray{kAnaNullo, "D'Alessandro", "Alessandro"}));

    // Removing goes at once, without a question.
    send({{"set", "GridClienti"}, {"row", 1}});
    fire("cmdMenoCli", "Click");
    EXPECT_TRUE(boxes().isEmpty());
    stored = multi(kPraEsposito, true);
    ASSERT_EQ(stored.size(), 2);
    EXPECT_EQ(stored.at(0).toArray().at(0).toInt(), kAnaEspositoCarmela);
    EXPECT_EQ(tabella("GridClienti").size(), 2);

    // Nothing in the grid: nothing removed.
    modifica(kPraConti);
    scheda(1);
    fire("cmdMenoContro", "Click");
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(multi(kPraConti, false).size(), 0);
}

// Another workstation renamed a further client's row after this grid showed it.
TEST_P(Parties, AGridRowChangedElsewhereIsNotWrittenOverUnasked) {
    modifica(kPraEsposito);
    scheda(1);
    fire("cmdPiuCli", "Click");
    sql("UPDATE MultiIntesta SET Cognome = 'Altrove', VersioneRiga = VersioneRiga + 1 WHERE ID_Multi = "
        "(SELECT MAX(ID_Multi) FROM MultiIntesta)");
    answer({"Cancel"});
    cella("GridClienti", 1, 0, "Qui");
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_TRUE(boxes().first().value("text").toString().startsWith(
        "Questa riga è stata modificata su un'altra postazione"));
    EXPECT_EQ(multi(kPraEsposito, true).at(1).toArray().at(1).toString(), "Altrove");
    EXPECT_EQ(tabella("GridClienti").at(1).toArray().at(0).toString(), "Qui");  // as typed

    answer({"Yes"});
    cella("GridClienti", 1, 0, "Qui di nuovo");
    EXPECT_EQ(multi(kPraEsposito, true).at(1).toArray().at(1).toString(), "Qui di nuovo");
}

TEST_P(Parties, AddingToACaseNeverSavedIsRefused) {
    call("Inserimento");
    fire("cmdPiuContro", "Click");
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes().at(0).value("text").toString(),
              "Impossibile inserire la Controparte.\rE' necessario inserire una pratica.");
    EXPECT_EQ(boxes().at(0).value("title").toString(), "Tolmo Studio");
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM MultiIntesta WHERE ID_Pra = 0").toInt(), 0);
}

TEST_P(Parties, TheDropDownLeavesOutPartiesOfStatoPolisTwoOrMore) {
    sql(QStringLiteral("UPDATE Anagrafica SET StatoPolis = NULL WHERE ID_Ana = %1")
            .arg(kAnaBiancoAlessandro));
    modifica(kPraEsposito);
    scheda(1);
    fire("cmdPiuCli", "Click");
    fire("GridClienti", "DropDown");
    const QList<int> ids = idsIn("DropClienti");
    EXPECT_TRUE(ids.contains(kAnaBiancoAlessandro));
    EXPECT_FALSE(ids.contains(kAnaGrecoAntonio));     // StatoPolis 2
    EXPECT_FALSE(ids.contains(kAnaDAmicoSalvatore));  // StatoPolis 3
}

TEST_P(Parties, NaughtyNamesTypedInTheGridAreStoredTrimmed) {
    modifica(kPraEsposito);
    scheda(1);
    fire("cmdPiuContro", "Click");
    const int idMulti = tabella("GridControparti").last().toArray().at(3).toInt();
    const int row = tabella("GridControparti").size() - 1;
    int checked = 0;
    for (const QString& s : naughtyStrings(GetParam() == Engine::SQLite)) {
        cella("GridControparti", row, 0, s);
        ASSERT_TRUE(boxes().isEmpty()) << s.toStdString();
        EXPECT_EQ(scalar(QStringLiteral("SELECT Cognome FROM MultiIntesta WHERE ID_Multi = %1").arg(idMulti))
                      .toString(),
                  s.trimmed().left(400))
            << s.toStdString();
        ++checked;
    }
    EXPECT_GT(checked, 500);
}

// ---------------------------------------------------------------- involved subjects

TEST_P(Parties, SubjectsAreSavedWithTheCaseOnceEach) {
    modifica(kPraEsposito);
    scheda(7);
    scegliSoggetto("Lombardi", kAnaLombardiRoberto);
    EXPECT_FALSE(field("cmdInserisci").value("enabled").toBool());  // no qualification yet
    choose("cmbQualifiche", 0, "Testimone");
    EXPECT_TRUE(field("cmdInserisci").value("enabled").toBool());
    fire("cmdInserisci", "Click");
    choose("cmbQualifiche", 0, "Erede");
    fire("cmdInserisci", "Click");
    EXPECT_EQ(tabella("TDBGridSoggetti").size(), 3);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM R_PraQualifiche WHERE IdPra = 2").toInt(), 1);  // not yet

    ASSERT_TRUE(call("Conferma").value("result").toBool());
    const QString stored =
        QStringLiteral("SELECT IdAna, IdQual FROM R_PraQualifiche WHERE IdPra = %1 ORDER BY ID")
            .arg(kPraEsposito);
    const QJsonArray dopo = rows(stored);
    ASSERT_EQ(dopo.size(), 3);
    EXPECT_EQ(dopo.at(1).toArray(), (QJsonArray{kAnaLombardiRoberto, 6}));
    EXPECT_EQ(dopo.at(2).toArray(), (QJsonArray{kAnaLombardiRoberto, 10}));

    // A second save adds nothing again.
    modifica(kPraEsposito);
    ASSERT_TRUE(call("Conferma").value("result").toBool());
    EXPECT_EQ(rows(stored), dopo);

    // A stored row removed is deleted by the save; the same subject added again is a new record.
    modifica(kPraEsposito);
    scheda(7);
    send({{"set", "TDBGridSoggetti"}, {"row", 1}});
    EXPECT_EQ(field("cmbSoggetto").value("selectedRow").toInt() >= 0, true);
    EXPECT_TRUE(field("cmdCancella").value("enabled").toBool());
    EXPECT_FALSE(field("cmdInserisci").value("enabled").toBool());
    fire("cmdCancella", "Click");
    choose("cmbQualifiche", 0, "Erede");  // the subject removed is no longer chosen
    EXPECT_FALSE(field("cmdInserisci").value("enabled").toBool());
    scegliSoggetto("Lombardi", kAnaLombardiRoberto);
    choose("cmbQualifiche", 0, "Testimone");
    fire("cmdInserisci", "Click");
    ASSERT_TRUE(call("Conferma").value("result").toBool());
    const QJsonArray ultimi = rows(QStringLiteral("SELECT ID, IdQual FROM R_PraQualifiche WHERE IdPra = %1 "
                                                  "AND IdAna = %2 ORDER BY ID")
                                       .arg(kPraEsposito)
                                       .arg(kAnaLombardiRoberto));
    ASSERT_EQ(ultimi.size(), 2);
    EXPECT_EQ(ultimi.at(0).toArray().at(1).toInt(), 10);
    EXPECT_EQ(ultimi.at(1).toArray().at(1).toInt(), 6);
}

TEST_P(Parties, RepresentationChangesOnlyItsTwoColumns) {
    modifica(kPraDAmico);
    scheda(8);
    send({{"set", "TDBGrigliaRapp"}, {"row", 0}});
    fire("TDBGrigliaRapp", "DropDown");
    const QJsonArray drop = field("DropDownRappresentati").value("rows").toArray();
    ASSERT_EQ(drop.size(), 2);
    EXPECT_EQ(drop.at(0).toString(), "0\t\t\t");  // the blank row comes first
    const QStringList banca = drop.at(1).toString().split(u'\t');
    EXPECT_EQ(banca.value(0).toInt(), kAnaBancaPopolareLario);
    EXPECT_EQ(banca.value(3),
              scalar("SELECT PartitaIva FROM Anagrafica WHERE ID_Ana = 14").toString());  // a company
    send({{"set", "DropDownRappresentati"}, {"row", 1}});
    ASSERT_TRUE(call("Conferma").value("result").toBool());
    const QJsonArray row =
        rows(QStringLiteral("SELECT IdAna, IdQual, NomeRappresentato, R_IDRappresentato FROM R_PraQualifiche "
                            "WHERE IdPra = %1")
                 .arg(kPraDAmico));
    ASSERT_EQ(row.size(), 1);
    EXPECT_EQ(row.at(0).toArray().at(0).toInt(), kAnaBancaPopolareLario);
    EXPECT_EQ(row.at(0).toArray().at(1).toInt(), 15);
    EXPECT_EQ(row.at(0).toArray().at(2).toString(), banca.value(1).trimmed());
    EXPECT_EQ(row.at(0).toArray().at(3).toInt(), kAnaBancaPopolareLario);

    // A natural person is told apart by the tax code.
    modifica(kPraConti);
    scheda(8);
    send({{"set", "TDBGrigliaRapp"}, {"row", 0}});
    fire("TDBGrigliaRapp", "DropDown");
    for (const QJsonValue& r : field("DropDownRappresentati").value("rows").toArray()) {
        const QStringList c = r.toString().split(u'\t');
        if (c.value(0).toInt() != kAnaLombardiRoberto) continue;
        EXPECT_EQ(c.value(3), scalar("SELECT CodiceFiscale FROM Anagrafica WHERE ID_Ana = 13").toString());
    }
}

// ---------------------------------------------------------------- party cards and mail

TEST_P(Parties, CardsSayWhatTheRegisterHolds) {
    modifica(kPraEsposito);
    scheda(7);
    // Stored with the party editor, each is chosen in the subject picker at once.
    inDialog("frmAggiungiAnag",
             {QJsonObject{{"set", "optTipo"}, {"index", 1}}, set("txtCognome", "Zeta Srl"),
              set("txtCittaRes", "Lecco"), set("txtPartitaIva", "12345678903"), click("cmdConferma")},
             "cmdaggiungiAnag");
    auto d = inDialog("frmInfoAnagrafica", {kDump}, "cmdInfoSoggetti");
    ASSERT_EQ(d.size(), 1);
    EXPECT_EQ(caption(d[0], "lblInfo"), "ZETA SRL  \n\n\ncon sede in Lecco\nP.I. :  12345678903");
    EXPECT_EQ(caption(d[0], "lblInfo2"), "");

    inDialog(
        "frmAggiungiAnag",
        {set("txtCognome", "Zanetti"), set("txtNome", "Ida"), QJsonObject{{"set", "optSesso"}, {"index", 1}},
         set("txtLuogoNascita", "Como"), set("txtEmail", "ida@example.com"), click("cmdConferma")},
        "cmdaggiungiAnag");
    d = inDialog("frmInfoAnagrafica", {kDump, click("lblInfo2")}, "cmdInfoSoggetti");
    ASSERT_EQ(d.size(), 1);
    EXPECT_EQ(caption(d[0], "lblInfo"), "ZANETTI  IDA\n\nnata in Como");
    EXPECT_EQ(caption(d[0], "Label1"), "E-mail :  ");
    const QStringList links = opened();
    ASSERT_EQ(links.size(), 1);
    const QString oggetto = text("cmbOggetto");
    ASSERT_FALSE(oggetto.isEmpty());
    EXPECT_TRUE(links[0].startsWith("mailto:ida@example.com?subject=")) << links[0].toStdString();
    EXPECT_TRUE(links[0].contains("&body=POSIZIONE%20%3A101%0D%0A%0D%0ACLIENTE%20%3AEsposito%0D%0A%0D%0A"))
        << links[0].toStdString();

    // Without a subject the body follows "?"; a mail program that cannot start is told.
    type("cmbOggetto", "");
    send({{"shell", "fails"}});
    inDialog("frmInfoAnagrafica", {click("lblInfo2")}, "cmdInfoSoggetti");
    ASSERT_EQ(opened().size(), 1);
    EXPECT_TRUE(opened()[0].startsWith("mailto:ida@example.com?body=POSIZIONE")) << opened()[0].toStdString();
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes()[0].value("text").toString(), "Impossibile aprire e-mail !");

    // The placeholder (no lawyer chosen) has no card of its own; no party at all opens nothing.
    call("Inserimento");
    d = inDialog("frmInfoAnagrafica", {kDump}, "cmdInfoAvvCp");
    ASSERT_EQ(d.size(), 1);
    EXPECT_EQ(caption(d[0], "lblInfo"), "ANAGRAFICA INESISTENTE");
    inDialog("frmInfoAnagrafica", {kDump}, "cmdInfoFatt");
    EXPECT_TRUE(shown().isEmpty());
}

TEST_P(Parties, AHeaderPartyIsModifiedWhileTheCaseIsOnlyViewed) {
    call("VisualizzaPratica", {kPraEsposito});
    const auto d =
        inDialog("frmAggiungiAnag", {kDump, set("txtNome", "Giuseppe Maria"), click("cmdConferma")},
                 "ctlTestata1.cmdInfoCliente");
    ASSERT_EQ(d.size(), 1);
    EXPECT_EQ(d[0].value("txtCognome").toObject().value("text").toString(), "Esposito");
    EXPECT_EQ(caption(d[0], "cmdConferma"), "&Modifica");
    EXPECT_EQ(caption(d[0], "lblInfo2"), "giuseppe.esposito@example.com");
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT Nome FROM Anagrafica WHERE ID_Ana = %1").arg(kAnaEspositoGiuseppe))
            .toString(),
        "Giuseppe Maria");
    EXPECT_EQ(text("ctlTestata1.txtNomeCliente"), "Giuseppe Maria");
}

TEST_P(Parties, QuickInsertionChecksTheTaxCodeAndPicksTheNewParty) {
    modifica(kPraEsposito);
    scheda(7);
    // A code that checks fills birth date, sex and birthplace.
    auto d = inDialog("frmAggiungiAnag",
                      {set("txtCodiceFiscale", "BNCFNC90D42H501Y"),
                       QJsonObject{{"fire", "txtCodiceFiscale"}, {"event", "LostFocus"}},
                       click("cmdDaCodiceFiscale"), kDump, click("cmdAnnulla")},
                      "cmdaggiungiAnag");
    ASSERT_EQ(d.size(), 1);
    EXPECT_EQ(d[0].value("txtDataNascita").toObject().value("text").toString(), "02/04/1990");
    EXPECT_EQ(d[0].value("txtLuogoNascita").toObject().value("text").toString(), "Roma");
    EXPECT_EQ(d[0].value("optSesso").toObject().value("index").toInt(), 1);
    EXPECT_EQ(caption(d[0], "lblEsitoCodiceFiscale"), "Codice fiscale corretto.");
    EXPECT_EQ(field("cmbSoggetto").value("selectedRow").toInt(), -1);  // cancelled: nothing chosen
    EXPECT_EQ(field("cmdInfoSoggetti").value("tag").toString(), "");

    // A code and a VAT number that do not check are flagged, and stored once the person agrees.
    answer({"Yes"});
    inDialog("frmAggiungiAnag",
             {set("txtCognome", "Quarta"), set("txtCodiceFiscale", "BNCFNC90D42H501X"),
              set("txtPartitaIva", "12345678901"), click("cmdConferma")},
             "cmdaggiungiAnag");
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_TRUE(boxes()[0].value("text").toString().startsWith("ATTENZIONE : Il carattere di controllo"));
    const int id = field("cmdInfoSoggetti").value("tag").toString().toInt();
    ASSERT_GT(id, kAnagrafiche);
    EXPECT_EQ(
        rows(QStringLiteral("SELECT Cognome, CodiceFiscale, PartitaIva FROM Anagrafica WHERE ID_Ana = %1")
                 .arg(id)),
        (QJsonArray{QJsonArray{"Quarta", "BNCFNC90D42H501X", "12345678901"}}));
    EXPECT_EQ(sceltoNelSelettore(), id);
}

TEST_P(Parties, NaughtyNamesAreStoredByTheEditorAndFoundByThePicker) {
    modifica(kPraEsposito);
    scheda(7);
    int stored = 0;
    for (const QString& s : naughtyStrings(GetParam() == Engine::SQLite)) {
        const QString cognome = s.trimmed().left(400);
        if (cognome.isEmpty()) continue;
        inDialog("frmAggiungiAnag", {set("txtCognome", s), click("cmdConferma")}, "cmdaggiungiAnag");
        ASSERT_TRUE(boxes().isEmpty()) << s.toStdString();
        const int id = field("cmdInfoSoggetti").value("tag").toString().toInt();
        ASSERT_GT(id, 0) << s.toStdString();
        EXPECT_EQ(
            scalar(QStringLiteral("SELECT Cognome FROM Anagrafica WHERE ID_Ana = %1").arg(id)).toString(),
            cognome);
        EXPECT_EQ(sceltoNelSelettore(), id) << s.toStdString();
        ++stored;
    }
    EXPECT_GT(stored, 450);
}

// ---------------------------------------------------------------- the mail text of the case

TEST_P(Parties, TheMailTextOfACase) {
    EXPECT_EQ(call("CreaTxtMail").value("result").toString(), "");
    call("VisualizzaPratica", {kPraGreco});
    const QString penale = call("CreaTxtMail").value("result").toString();
    EXPECT_TRUE(penale.contains("%0D%0A%0D%0ACODICE :  104%0D%0A%0D%0A")) << penale.toStdString();
    EXPECT_TRUE(penale.contains("OGGETTO : Comunicazione nuova pratica - %0D%0A%0D%0ADA :  "))
        << penale.toStdString();
    EXPECT_TRUE(penale.contains("QUESTIONE :  ")) << penale.toStdString();
    const QString avvocati =
        scalar(QStringLiteral("SELECT AvvCoinvolti FROM Pratica WHERE ID_Pra = %1").arg(kPraGreco))
            .toString();
    EXPECT_TRUE(penale.contains("COLLABORATORI :  " + avvocati + "%0D%0A%0D%0ANOTE :  "))
        << penale.toStdString();

    call("VisualizzaPratica", {kPraEsposito});
    const QString civile = call("CreaTxtMail").value("result").toString();
    EXPECT_TRUE(civile.contains("POSIZIONE :  101%0D%0A%0D%0A")) << civile.toStdString();
    EXPECT_TRUE(civile.contains("CLIENTE :Esposito%0D%0A%0D%0A")) << civile.toStdString();
    EXPECT_TRUE(civile.endsWith("%0D%0A%0D%0A"));
}

INSTANTIATE_TEST_SUITE_P(Engines, Parties, ::testing::ValuesIn(enginesUnderTest()),
                         [](const auto& info) { return engineName(info.param).toStdString(); });

}  // namespace
}  // namespace tolmo::test
