// Inserting and modifying cases through the driver: what the row holds afterwards, the
// questions asked before the save, and a save that fails.

#include "CaseFixture.h"
#include "access/RowVersion.h"
#include "schema/DemoFirm.h"

namespace tolmo::test {
namespace {

using namespace schema::demo;

// A trigger refuses any Pratica row whose notes say so: the last statement of the save fails.
void refuseNote(Engine engine, const std::function<void(const QString&)>& sql) {
    if (engine == Engine::SQLite) {
        for (const char* when : {"INSERT", "UPDATE"})
            sql(QStringLiteral("CREATE TRIGGER rifiuta_%1 BEFORE %1 ON Pratica WHEN NEW.Note = 'RIFIUTA' "
                               "BEGIN SELECT RAISE(ABORT, 'nota rifiutata'); END")
                    .arg(when));
    } else {
        sql("CREATE FUNCTION rifiuta_nota() RETURNS trigger AS $$ BEGIN IF NEW.note = 'RIFIUTA' THEN "
            "RAISE EXCEPTION 'nota rifiutata'; END IF; RETURN NEW; END $$ LANGUAGE plpgsql");
        sql("CREATE TRIGGER rifiuta_nota BEFORE INSERT OR UPDATE ON pratica FOR EACH ROW EXECUTE FUNCTION "
            "rifiuta_nota()");
    }
}

TEST_P(CaseTest, NewCivilCaseIsSavedWithEveryColumnAsTyped) {
    call("Inserimento");
    EXPECT_EQ(state().value("editState").toInt(), 3);
    EXPECT_EQ(text("ctlTestata1.txtPosizione"), "114");  // NumAuto: the largest NumPos plus one
    EXPECT_EQ(text("TedDataInizio"), QDate::currentDate().toString("dd/MM/yyyy"));
    EXPECT_EQ(text("TEDNumRilevanza"), "100");

    type("ctlTestata1.txtPosizione", "114/C");
    type("ctlTestata1.txtNumeroRegGenerale", "998/2025");
    choose("ctlTestata1.txtCognomeCliente", 2, kAnaBiancoAlessandro);
    type("ctlTestata1.txtCognomeControparte", "Verdi");
    type("ctlTestata1.txtNomeControparte", "Mario");
    type("txtUfficioIscrizione", "Tribunale di Roma");
    type("txtSezione", "II civile");
    choose("txtIstruttore", 2, kAnaManciniPaolo);
    const QString istruttore = text("txtIstruttore");
    type("cmbOggetto", "Controversia sul confine del fondo");
    type("cmbCodOggetto", "520001");
    choose("cmbCognomeLegaleCP", 2, kAnaGalloStefano);
    type("TedDataInizio", "15/03/2024");
    type("TDataUdienza", "01/10/2025");
    choose("cmbClassificatore", 1, kClaCivile);
    choose("cmbSottoarea", 1, 2);
    choose("cmbTipologia", 1, 3);
    type("TEDDenaroValore", "1.234,56");
    type("txtCollocazione", "Armadio B");
    type("TEDNumRilevanza", "150");
    choose("cmbFatturaACognome", 2, kAnaEdilnord);
    type("txtNOTE", "Prima nota");
    type("cmbCorrispondente", "Neri");
    type("txtNomeCorrispondente", "Anna");
    type("txtCampo(0)", "20/03/2023");
    type("txtCampo(2)", "545,00");
    type("txtCampo(3)", "2");
    type("txtCampo(4)", "Dott. Rossi");
    choose("cmbRiservata", 1, "PENALE");
    choose("cmbReferente", 1, kUtenteBianchi);
    choose("cmbResponsabile", 1, kUtenteFerrari);
    choose("cmbProcacciatore", 2, kAnaFerriMassimo);
    check("chkStraordinariaImportanza", true);
    ASSERT_TRUE(send({{"set", "optContributo"}, {"index", 1}}).value("ok").toBool());
    type("mskImportoContributo", "98,00");
    check("chkDebito", true);
    check("chkWeb", true);
    whenAsked("cmdAnnulla", true);

    EXPECT_TRUE(call("Conferma").value("result").toBool());
    const QJsonArray newId = eventArgs("NewId");
    ASSERT_EQ(newId.size(), 1);
    const int id = newId.at(0).toInt();
    EXPECT_EQ(id, scalar("SELECT MAX(ID_Pra) FROM Pratica").toInt());
    EXPECT_EQ(state().value("currentId").toInt(), id);
    EXPECT_EQ(state().value("editState").toInt(), 1);
    EXPECT_TRUE(eventArgs("RicalcoloParcella").isEmpty());
    EXPECT_TRUE(eventArgs("RicalcoloParcellaOraria").isEmpty());

    const QJsonObject p = pratica(id);
    const QJsonObject expected{
        {"posizione", "114/C"},
        {"numpos", 114},
        {"id_contab", kUtenteRossi},
        {"id_cliente", kAnaBiancoAlessandro},
        {"id_controparte", 1},
        {"controcognome", "Verdi"},
        {"contronome", "Mario"},
        {"numeroreggenerale", "998/2025"},
        {"ufficiogiudiziario", "Tribunale di Roma"},
        {"codufficio", ""},
        {"sezione", "II civile"},
        {"istruttore", istruttore},
        {"id_istruttore", kAnaManciniPaolo},
        {"oggetto", "Controversia sul confine del fondo"},
        {"codiceoggetto", "520001"},
        {"bitrichiedi", "10"},  // "do not ask again" ticked when refusing the catalogue
        {"id_acp", kAnaGalloStefano},
        {"acpcognome", ""},
        {"acpnome", ""},
        {"id_corrispondente", 1},
        {"cognomecorrispondente", "Neri"},
        {"nomecorrispondente", "Anna"},
        {"id_fatturarea", kAnaEdilnord},
        {"id_referente", kUtenteBianchi},
        {"id_utenteriferimento", kUtenteFerrari},
        {"responsabilefascicolo", "LUCA FERRARI"},
        {"id_utenteprocacciatore", kAnaFerriMassimo},
        {"id_riservata", 0},
        {"fk_gruppo", "PENALE"},
        {"datainizio", "15/03/2024"},
        {"datachiusura", QJsonValue::Null},
        {"data_proxudienza", "01/10/2025"},
        {"stato", "In corso"},
        {"id_cla", kClaCivile},
        {"autorita", ""},
        {"r_idarea", 2},
        {"r_idtipologia", 3},
        {"valore", 1234.56},
        {"valuta", "EURO"},
        {"cambio", 1936.27},
        {"rilevanza", 150},
        {"collocazione", "Armadio B"},
        {"note", "Prima nota"},
        {"campo1", "20/03/2023"},
        {"campo3", "545,00"},
        {"campo4", "2"},
        {"campo5", "Dott. Rossi"},
        {"campo6", ""},
        {"isstraordinariaimportanza", true},
        {"tipocontributo", "NV"},
        {"importocontributo", 98},
        {"a_debito", true},
        {"sommaingiunta", 0},
        {"exporttoweb", true},
        {"tipotariffa", 0},
        {"flat", 0},
        {"maggiorazione", 0},
    };
    for (auto it = expected.begin(); it != expected.end(); ++it)
        EXPECT_EQ(p.value(it.key()), it.value()) << it.key().toStdString();
    // The subject was not added to the catalogue.
    EXPECT_EQ(
        scalar("SELECT COUNT(*) FROM OggettoPratica WHERE Oggetto = 'Controversia sul confine del fondo'")
            .toInt(),
        0);
}

TEST_P(CaseTest, NewCaseStartsFromTheDefaultTariff) {
    call("VisualizzaPratica", {kPraBianco});  // a flat-fee case
    ASSERT_EQ(field("lblTariffaImpostata").value("caption").toString(), "Flat");
    nuovaPratica(kAnaBiancoAlessandro, "");
    EXPECT_EQ(field("lblTariffaImpostata").value("caption").toString(), "");
    ASSERT_TRUE(call("Conferma").value("result").toBool());
    const QJsonObject p = pratica(eventArgs("NewId").at(0).toInt());
    EXPECT_EQ(p.value("tipotariffa").toInt(), 0);
    EXPECT_EQ(p.value("flat").toDouble(), 0.0);
}

TEST_P(CaseTest, SubjectAcceptedForTheCatalogueIsAddedOnce) {
    nuovaPratica(kAnaBiancoAlessandro, "");
    type("cmbOggetto", "Servitù di passaggio");
    whenAsked("cmdOk", false);
    ASSERT_TRUE(call("Conferma").value("result").toBool());
    const int id = eventArgs("NewId").at(0).toInt();
    bool asked = false;
    for (const QJsonObject& h : happened) asked |= h.value("shown").toString() == "dlgRichiedi";
    EXPECT_TRUE(asked);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM OggettoPratica WHERE Oggetto = 'Servitù di passaggio'").toInt(),
              1);
    EXPECT_EQ(pratica(id).value("bitrichiedi").toString(), "00");

    // The same subject, in another letter case, is in the catalogue now: nobody asks.
    nuovaPratica(kAnaBiancoAlessandro, "");
    type("cmbOggetto", "SERVITÙ DI PASSAGGIO");
    ASSERT_TRUE(call("Conferma").value("result").toBool());
    for (const QJsonObject& h : happened) EXPECT_NE(h.value("shown").toString(), "dlgRichiedi");
}

TEST_P(CaseTest, CrossCheckOfPartiesAsksWithBothSentences) {
    settings.setValue("startup", "ControlloAnagrafiche", "1");
    nuovaPratica(kAnaBiancoAlessandro, "");
    // A client that is a counterparty elsewhere, and a counterparty that is a client elsewhere.
    session->component().header().setIdCliente(kAnaAssicuratriceAdriatica);
    session->component().header().setIdControparte(kAnaEspositoGiuseppe);
    answer({"No"});
    EXPECT_FALSE(call("Conferma").value("result").toBool());
    ASSERT_EQ(boxes().size(), 1);
    const QJsonObject box = boxes().first();
    EXPECT_EQ(box.value("text").toString(),
              "Il cliente risulta essere già controparte.\r\n\r\n"
              "La controparte  risulta essere già cliente.\r\n\r\n"
              "Continuare?");
    EXPECT_EQ(box.value("title").toString(), "ATTENZIONE!");
    EXPECT_EQ(box.value("icon").toString(), form::msgIconName(form::MsgIcon::Information));
    EXPECT_EQ(state().value("editState").toInt(), 3);
    EXPECT_TRUE(eventArgs("NewId").isEmpty());

    answer({"Yes"});
    EXPECT_TRUE(call("Conferma").value("result").toBool());
    EXPECT_EQ(eventArgs("NewId").size(), 1);
}

TEST_P(CaseTest, CrossCheckLooksUpClientOneButNeverCounterpartyOne) {
    settings.setValue("startup", "ControlloAnagrafiche", "1");
    nuovaPratica(kAnaBiancoAlessandro, "");
    // Counterparty typed by hand (1): never looked up; Bianco is nobody's counterparty.
    EXPECT_TRUE(call("Conferma").value("result").toBool());
    EXPECT_TRUE(boxes().isEmpty());

    nuovaPratica(kAnaBiancoAlessandro, "");
    session->component().header().setIdCliente(kAnaNullo);  // the placeholder stands in many cases
    answer({"No"});
    EXPECT_FALSE(call("Conferma").value("result").toBool());
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes().first().value("text").toString(),
              "Il cliente risulta essere già controparte.\r\n\r\nContinuare?");
}

// A clash the server broke off (a deadlock, a serialisation failure, SQLite still busy) is
// tried once more unseen; a second one is reported and the typed values stay.
TEST_P(CaseTest, ASaveTheServerBrokeOffIsTriedOnceMoreThenReported) {
    const ConnectionPtr rw = session->component().ConnReadWrite();
    const bool sqlite = rw->dialect() == Dialect::SQLite;
    int rotture = 0, tentativi = 0;
    rw->setStatementObserver([&](const QString& sql) {
        // The save's UPDATE of the case row, the one that checks its version.
        if (!sql.startsWith(QLatin1String("UPDATE Pratica SET")) ||
            !sql.contains(kVersioneRiga, Qt::CaseInsensitive))
            return;
        ++tentativi;
        if (rotture-- > 0)
            throw DbError(QStringLiteral("conflitto"), (sqlite ? "QSQLITE: " : "QPSQL: ") + sql, 0,
                          sqlite ? QStringLiteral("5") : QStringLiteral("40P01"));
    });
    ASSERT_TRUE(call("Modifica", {kPraEsposito}).value("result").toBool());
    type("txtNOTE", "al secondo tentativo");
    rotture = 1;
    EXPECT_TRUE(call("Conferma").value("result").toBool());
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(tentativi, 2);
    EXPECT_EQ(pratica(kPraEsposito).value("note").toString(), "al secondo tentativo");

    ASSERT_TRUE(call("Modifica", {kPraEsposito}).value("result").toBool());
    type("txtNOTE", "mai salvato");
    rotture = 2;
    tentativi = 0;
    EXPECT_FALSE(call("Conferma").value("result").toBool());
    rw->setStatementObserver({});
    EXPECT_EQ(tentativi, 2);
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_TRUE(boxes().first().value("text").toString().contains("conflitto"));
    EXPECT_EQ(text("txtNOTE"), "mai salvato");
    EXPECT_EQ(pratica(kPraEsposito).value("note").toString(), "al secondo tentativo");
}

TEST_P(CaseTest, PositionSharedOnlyWithItselfDoesNotAsk) {
    ASSERT_TRUE(call("Modifica", {kPraEsposito}).value("result").toBool());
    EXPECT_EQ(state().value("editState").toInt(), 2);
    EXPECT_TRUE(call("Conferma").value("result").toBool());
    for (const QJsonObject& box : boxes())
        EXPECT_FALSE(box.value("text").toString().startsWith("Esiste un'altra Pratica"));
}

TEST_P(CaseTest, PositionSharedWithAnotherCaseAsks) {
    ASSERT_TRUE(call("Modifica", {kPraEsposito}).value("result").toBool());
    type("ctlTestata1.txtPosizione", "102");  // the position of case 3
    answer({"No"});
    EXPECT_FALSE(call("Conferma").value("result").toBool());
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes().first().value("text").toString(),
              "Esiste un'altra Pratica con la stessa Posizione. Continuare ?");
    EXPECT_EQ(boxes().first().value("buttons").toString(), form::msgButtonsName(form::MsgButtons::YesNo));
    EXPECT_EQ(state().value("editState").toInt(), 2);
    EXPECT_EQ(pratica(kPraEsposito).value("posizione").toString(), "101");

    answer({"Yes"});
    EXPECT_TRUE(call("Conferma").value("result").toBool());
    EXPECT_EQ(pratica(kPraEsposito).value("posizione").toString(), "102");
    EXPECT_EQ(pratica(kPraEsposito).value("numpos").toInt(), 102);
}

TEST_P(CaseTest, NewCaseWithTheShownCasesPositionAsks) {
    call("VisualizzaPratica", {kPraEsposito});
    nuovaPratica(kAnaBiancoAlessandro, "101");
    answer({"No"});
    EXPECT_FALSE(call("Conferma").value("result").toBool());
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_TRUE(boxes().first().value("text").toString().startsWith("Esiste un'altra Pratica"));
}

TEST_P(CaseTest, EmptyPositionAndEmptyCounterpartySurname) {
    call("Inserimento");
    type("ctlTestata1.txtPosizione", "");
    choose("ctlTestata1.txtCognomeCliente", 2, kAnaBiancoAlessandro);
    EXPECT_TRUE(call("Conferma").value("result").toBool());
    EXPECT_TRUE(boxes().isEmpty());
    const QJsonObject p = pratica(eventArgs("NewId").at(0).toInt());
    EXPECT_EQ(p.value("posizione").toString(), "");
    EXPECT_EQ(p.value("numpos").toInt(), 0);
    EXPECT_EQ(p.value("id_controparte").toInt(), 1);
    EXPECT_EQ(p.value("controcognome").toString(), ".");
    EXPECT_EQ(p.value("contronome").toString(), "");
}

TEST_P(CaseTest, UnregisteredClientOrInvoicePartyStopsTheSave) {
    call("Inserimento");
    type("ctlTestata1.txtCognomeCliente", "Nuovo Cliente");
    type("ctlTestata1.txtNomeCliente", "Ugo");
    answer({"Yes"});
    EXPECT_FALSE(call("Conferma").value("result").toBool());
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes().first().value("text").toString(),
              "Il Cliente non è presente in Archivio.\r\n\r\n" + QString(20, ' ') + "Vuoi inserirlo ?");
    EXPECT_EQ(eventArgs("InserisciCliente"), (QJsonArray{"Nuovo Cliente", "Ugo"}));
    EXPECT_EQ(state().value("editState").toInt(), 3);

    type("ctlTestata1.txtCognomeCliente", "");
    choose("ctlTestata1.txtCognomeCliente", 2, kAnaBiancoAlessandro);
    type("cmbFatturaACognome", "Nessuno");
    EXPECT_FALSE(call("Conferma").value("result").toBool());
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes().first().value("text").toString(),
              "ATTENZIONE : L'Intestatario della fatturazione non esiste.\rSelezionarlo dall'archivio.");
    EXPECT_TRUE(eventArgs("NewId").isEmpty());
}

TEST_P(CaseTest, AccountingOwnerIsRequired) {
    send({{"sql", "UPDATE Pratica SET ID_Contab = 0 WHERE ID_Pra = 3"}});
    ASSERT_TRUE(call("Modifica", {kPraEdilnord}).value("result").toBool());
    EXPECT_FALSE(call("Conferma").value("result").toBool());
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes().first().value("text").toString(),
              "ATTENZIONE : \rSelezionare il Titolare di Contabilità\rsulla linguetta <RIFERIMENTI>");
    EXPECT_EQ(boxes().first().value("title").toString(), "Attenzione");
    EXPECT_EQ(boxes().first().value("icon").toString(), form::msgIconName(form::MsgIcon::Critical));
    EXPECT_EQ(state().value("editState").toInt(), 2);
}

TEST_P(CaseTest, RelevanceRaisedOnEuroCaseAsksForTheFeeNote) {
    send(
        {{"sql",
          "UPDATE Pratica SET Valore = 5, Valuta = 'EURO', Cambio = 200, Rilevanza = 100 WHERE ID_Pra = 2"}});
    ASSERT_TRUE(call("Modifica", {kPraEsposito}).value("result").toBool());
    type("TEDNumRilevanza", "150");
    EXPECT_TRUE(call("Conferma").value("result").toBool());
    EXPECT_EQ(eventArgs("RicalcoloParcella"), (QJsonArray{1000, 150, "EURO", kPraEsposito, "", false, true}));
    EXPECT_TRUE(eventArgs("RicalcoloParcellaOraria").isEmpty());
}

TEST_P(CaseTest, LireBecomingTheSameEuroAreNoValueChange) {
    send({{"sql", "UPDATE Pratica SET Valore = 600, Valuta = 'LIRA', Cambio = 200 WHERE ID_Pra = 2"}});
    ASSERT_TRUE(call("Modifica", {kPraEsposito}).value("result").toBool());
    call("SettaValuta", {"EURO", 200});
    type("TEDDenaroValore", "3");
    EXPECT_TRUE(call("Conferma").value("result").toBool());
    EXPECT_TRUE(eventArgs("RicalcoloParcella").isEmpty());
    const QJsonObject p = pratica(kPraEsposito);
    EXPECT_EQ(p.value("valuta").toString(), "EURO");
    EXPECT_EQ(p.value("valore").toDouble(), 3.0);

    // Doubling the value is a change; the host gets it in lire.
    ASSERT_TRUE(call("Modifica", {kPraEsposito}).value("result").toBool());
    type("TEDDenaroValore", "6");
    EXPECT_TRUE(call("Conferma").value("result").toBool());
    EXPECT_EQ(eventArgs("RicalcoloParcella"), (QJsonArray{1200, 100, "EURO", kPraEsposito, "", true, false}));
}

TEST_P(CaseTest, ForeignCurrencyCaseAsksForNothing) {
    ASSERT_TRUE(call("Modifica", {kPraCantu}).value("result").toBool());
    type("TEDNumRilevanza", "250");
    type("TEDDenaroValore", "99.999,00");
    // A tariff changed since the case was opened is a change too, but not for a foreign case.
    send({{"sql", "UPDATE Pratica SET TipoTariffa = 2 WHERE ID_Pra = 11"}});
    EXPECT_TRUE(call("Conferma").value("result").toBool());
    EXPECT_TRUE(eventArgs("RicalcoloParcella").isEmpty());
    EXPECT_TRUE(eventArgs("RicalcoloParcellaOraria").isEmpty());
    EXPECT_EQ(pratica(kPraCantu).value("rilevanza").toInt(), 250);
}

TEST_P(CaseTest, TariffDifferentFromTheStoredOneAsksForTheHourlyFee) {
    ASSERT_TRUE(call("Modifica", {kPraEsposito}).value("result").toBool());
    send({{"sql", "UPDATE Pratica SET TipoTariffa = 2, Maggiorazione = 10 WHERE ID_Pra = 2"}});
    EXPECT_TRUE(call("Conferma").value("result").toBool());
    // The case's tariff as loaded is written back, and the host learns it differs.
    EXPECT_EQ(eventArgs("RicalcoloParcellaOraria"), (QJsonArray{kPraEsposito, 0, 0, 0}));
    EXPECT_EQ(pratica(kPraEsposito).value("tipotariffa").toInt(), 0);
}

TEST_P(CaseTest, RelevanceAboveFourHundredIsRefused) {
    call("Inserimento");
    type("TEDNumRilevanza", "401");
    fire("TEDNumRilevanza", "LostFocus");
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes().first().value("text").toString(),
              "La Rilevanza della Pratica non può essere maggiore del 400%");
    EXPECT_EQ(boxes().first().value("title").toString(), "Tolmo Studio");
    EXPECT_TRUE(events().contains("SetDummy"));
    EXPECT_EQ(text("TEDNumRilevanza"), "");

    type("TEDNumRilevanza", "400");
    fire("TEDNumRilevanza", "LostFocus");
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(text("TEDNumRilevanza"), "400");
}

TEST_P(CaseTest, InvalidFreeFieldsRefuseTheSave) {
    nuovaPratica(kAnaBiancoAlessandro, "");
    choose("cmbClassificatore", 1, kClaCivile);
    type("txtCampo(0)", "31/02/2011");
    EXPECT_FALSE(call("Conferma").value("result").toBool());
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes().first().value("text").toString(),
              "Il valore del campo 1. Data notifica citazione non è valido.Impossibile salvare.");
    EXPECT_EQ(boxes().first().value("icon").toString(), form::msgIconName(form::MsgIcon::Information));

    type("txtCampo(0)", "__/__/____");
    type("txtCampo(2)", "dieci euro");
    EXPECT_FALSE(call("Conferma").value("result").toBool());
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes().first().value("text").toString(),
              "Il valore del campo 3. Spese anticipate non è valido.Impossibile salvare.");
    EXPECT_EQ(state().value("editState").toInt(), 3);

    type("txtCampo(2)", "10,50");
    EXPECT_TRUE(call("Conferma").value("result").toBool());
    const QJsonObject p = pratica(eventArgs("NewId").at(0).toInt());
    EXPECT_EQ(p.value("campo1").toString(), "");  // the empty date mask is stored empty
    EXPECT_EQ(p.value("campo3").toString(), "10,50");
}

TEST_P(CaseTest, TypedTextIsStoredAndReadBackExactly) {
    const QString oggetto = "L'oggetto al 100% \\ d'Arco " + QString(200, 'o') + "'";
    const QString posizione = "7'%\\_" + QString(40, '9');
    const QString cognome = "D'Amico 50% \\n" + QString(80, 'z');
    const QString note = "Nota 'uno' 100% \\ " + QString(300, 'n') + "\nfine";
    const QString campo = "Giudice 'Rossi' 5% \\ " + QString(180, 'g');
    call("Inserimento");
    type("ctlTestata1.txtPosizione", posizione);
    choose("ctlTestata1.txtCognomeCliente", 2, kAnaBiancoAlessandro);
    type("ctlTestata1.txtCognomeControparte", cognome);
    type("cmbOggetto", oggetto);
    type("txtNOTE", note);
    type("cmbCorrispondente", cognome);
    choose("cmbClassificatore", 1, kClaCivile);
    type("txtCampo(4)", campo);
    whenAsked("cmdOk", false);
    ASSERT_TRUE(call("Conferma").value("result").toBool());
    const int id = eventArgs("NewId").at(0).toInt();

    const QJsonObject p = pratica(id);
    EXPECT_EQ(p.value("posizione").toString(), posizione);
    EXPECT_EQ(p.value("numpos").toInt(), 7);
    EXPECT_EQ(p.value("controcognome").toString(), cognome);
    EXPECT_EQ(p.value("oggetto").toString(), oggetto);
    EXPECT_EQ(p.value("note").toString(), note);
    EXPECT_EQ(p.value("cognomecorrispondente").toString(), cognome);
    EXPECT_EQ(p.value("campo5").toString(), campo);
    EXPECT_EQ(rows("SELECT Oggetto FROM OggettoPratica WHERE Oggetto = '" +
                   QString(oggetto).replace("'", "''") + "'")
                  .size(),
              1);

    call("ClearAllForm");
    call("VisualizzaPratica", {id});
    EXPECT_EQ(text("cmbOggetto"), oggetto);
    EXPECT_EQ(text("txtNOTE"), note);
    EXPECT_EQ(text("cmbCorrispondente"), cognome);
    EXPECT_EQ(text("txtCampo(4)"), campo.left(64));
    EXPECT_EQ(text("ctlTestata1.txtPosizione"), posizione);

    // Saved again unchanged, the position is still its own only.
    ASSERT_TRUE(call("Modifica", {id}).value("result").toBool());
    EXPECT_TRUE(call("Conferma").value("result").toBool());
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(pratica(id).value("oggetto").toString(), oggetto);
}

TEST_P(CaseTest, FailedModificationLeavesTheDatabaseAndTheTypedForm) {
    refuseNote(GetParam(), [this](const QString& s) { ASSERT_FALSE(send({{"sql", s}}).contains("error")); });
    const QJsonObject before = pratica(kPraEsposito);
    ASSERT_TRUE(call("Modifica", {kPraEsposito}).value("result").toBool());
    type("ctlTestata1.txtPosizione", "999");
    type("TEDNumRilevanza", "300");
    type("txtNOTE", "RIFIUTA");

    EXPECT_FALSE(call("Conferma").value("result").toBool());
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes().first().value("title").toString(), "Attenzione si è verificato un errore");
    EXPECT_TRUE(boxes().first().value("text").toString().startsWith(
        "Azione : Registrazione Pratica\r\rDescrizione : "));
    EXPECT_TRUE(boxes().first().value("text").toString().contains("nota rifiutata"));
    EXPECT_TRUE(eventArgs("RicalcoloParcella").isEmpty());
    EXPECT_EQ(pratica(kPraEsposito), before);
    EXPECT_EQ(state().value("editState").toInt(), 2);
    EXPECT_EQ(text("txtNOTE"), "RIFIUTA");
    EXPECT_EQ(text("TEDNumRilevanza"), "300");
    EXPECT_EQ(text("ctlTestata1.txtPosizione"), "999");
    EXPECT_TRUE(field("FramePraticaGenerale").value("enabled").toBool());

    // Corrected, the same edit goes through.
    type("txtNOTE", "Accettata");
    EXPECT_TRUE(call("Conferma").value("result").toBool());
    EXPECT_EQ(pratica(kPraEsposito).value("posizione").toString(), "999");
    EXPECT_EQ(pratica(kPraEsposito).value("rilevanza").toInt(), 300);
}

TEST_P(CaseTest, FailedInsertionAddsNoRow) {
    refuseNote(GetParam(), [this](const QString& s) { ASSERT_FALSE(send({{"sql", s}}).contains("error")); });
    const int cases = scalar("SELECT COUNT(*) FROM Pratica").toInt();
    nuovaPratica(kAnaBiancoAlessandro, "500");
    type("txtNOTE", "RIFIUTA");
    EXPECT_FALSE(call("Conferma").value("result").toBool());
    EXPECT_TRUE(eventArgs("NewId").isEmpty());
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM Pratica").toInt(), cases);
    EXPECT_EQ(state().value("editState").toInt(), 3);
    EXPECT_EQ(text("ctlTestata1.txtPosizione"), "500");

    type("txtNOTE", "");
    EXPECT_TRUE(call("Conferma").value("result").toBool());
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM Pratica").toInt(), cases + 1);
}

TEST_P(CaseTest, CriminalCaseIsSavedThroughItsPraticaRow) {
    const QJsonObject before = pratica(kPraConti);
    ASSERT_TRUE(call("Modifica", {kPraConti}).value("result").toBool());
    EXPECT_EQ(text("cmbAutorita"), before.value("autorita").toString());
    type("txtNOTE", "Udienza rinviata");
    ASSERT_TRUE(call("Conferma").value("result").toBool());
    EXPECT_EQ(state().value("currentId").toInt(), kPraConti);
    const QJsonObject after = pratica(kPraConti);
    EXPECT_EQ(after.value("note").toString(), "Udienza rinviata");
    EXPECT_EQ(after.value("autorita"), before.value("autorita"));
    EXPECT_EQ(after.value("id_cla").toInt(), kClaPenale);
    EXPECT_EQ(after.value("fk_gruppo"), before.value("fk_gruppo"));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM PraPenale WHERE ID_Pra = 4").toInt(), 1);
}

TEST_P(CaseTest, ModificationWithoutCaseIsRefused) {
    EXPECT_FALSE(call("Modifica").value("result").toBool());
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes().first().value("text").toString(), "Nessuna Pratica è Selezionata.");
    EXPECT_TRUE(events().contains("SetDummy"));
    EXPECT_EQ(state().value("editState").toInt(), 1);

    call("VisualizzaPratica", {kPraEdilnord});
    EXPECT_TRUE(call("Modifica").value("result").toBool());
    EXPECT_EQ(state().value("currentId").toInt(), kPraEdilnord);
    EXPECT_TRUE(field("FramePraticaGenerale").value("enabled").toBool());
    EXPECT_FALSE(field("txtNOTE").value("locked").toBool());
    EXPECT_FALSE(field("cmdAR").value("enabled").toBool());
}

}  // namespace
}  // namespace tolmo::test
