// A case's service in the anti-money-laundering archive, through frmGestAR as a secretary uses
// it: the value threshold, registration, correction of a consolidated row, the subjects and the
// identifications they need, the professionals involved, deletion.

#include "CaseFixture.h"
#include "schema/DemoFirm.h"
#include "support/NaughtyStrings.h"

namespace tolmo::test {
namespace {

namespace demo = schema::demo;

QJsonObject tick(const char* grid, int row, int col, bool on) {
    return {{"set", grid}, {"row", row}, {"col", col}, {"text", on ? "true" : "false"}};
}
QJsonObject chooseRow(const char* list, int row) {
    return {{"fire", list}, {"event", "Choose"}, {"row", row}};
}

class AmlService : public CaseTest {
protected:
    /// Shows case `id`, presses "Antiriciclaggio" and runs `script` in frmGestAR; its dumps.
    QList<QJsonObject> gestAR(int id, const QJsonArray& script) {
        call("VisualizzaPratica", {id});
        return inDialog("frmGestAR", script, "cmdAR");
    }
    QString piva(int user) {
        return scalar(QStringLiteral("SELECT Piva FROM Utenti WHERE Id_Utente = %1").arg(user)).toString();
    }
    /// Records that `user` identified `party`: by VAT number, or by his code when `byCode`.
    void identifica(int party, int user, bool byCode = false) {
        const QString code =
            byCode ? QLatin1Char('\'') +
                         scalar(QStringLiteral("SELECT CodUteAR FROM Utenti WHERE Id_Utente = %1").arg(user))
                             .toString() +
                         QLatin1Char('\'')
                   : QStringLiteral("NULL");
        sql(QStringLiteral(
                "INSERT INTO AnagraficaAR (R_Id_Anag, codiceprof, AzeroDue, TipoDocumento, NumeroDocumento) "
                "VALUES (%1, '%2', %3, 'Passaporto', 'YA000%1')")
                .arg(party)
                .arg(byCode && piva(user).isEmpty() ? QString() : piva(user), code));
    }
    QStringList boxTexts() const {
        QStringList out;
        for (const QJsonObject& b : boxes()) out << b.value("text").toString();
        return out;
    }
    static QJsonArray table(const QJsonObject& dump, const char* grid) {
        return dump.value(grid).toObject().value("table").toArray();
    }
    static QJsonValue cellOf(const QJsonObject& dump, const char* grid, int row, int col) {
        return table(dump, grid).at(row).toArray().at(col);
    }
    static int rowNamed(const QJsonObject& dump, const char* grid, int col, const QString& text) {
        const QJsonArray rows = table(dump, grid);
        for (int r = 0; r < rows.size(); ++r)
            if (rows.at(r).toArray().at(col).toString() == text) return r;
        return -1;
    }
};

TEST_P(AmlService, TheValueThresholdWarnsBelow12500AndNeverForASplitService) {
    const QString warning = QStringLiteral("Il valore della prestazione è inferiore a  € 12.500");
    send({{"onshow", "frmFrazionata"}, {"script", QJsonArray{click("cmdImposta")}}});
    gestAR(demo::kPraEsposito,
           {set("TDImportoPrest", "12500"), click("cmdVerificaDati"), set("TDImportoPrest", "12499,99"),
            click("cmdVerificaDati"), QJsonObject{{"set", "chkFrazionata"}, {"checked", true}},
            click("cmdVerificaDati"), click("cmdAnnulla")});
    const QStringList texts = boxTexts();
    ASSERT_EQ(texts.size(), 4) << texts.join(" | ").toStdString();
    EXPECT_FALSE(texts.at(0).contains(warning));
    EXPECT_EQ(texts.at(1), warning);
    EXPECT_EQ(boxes().at(1).value("title").toString(), QStringLiteral("Valore errato"));
    EXPECT_TRUE(texts.at(2).startsWith(QStringLiteral("Dati non sufficenti per l'identificazione \r\n")));
    EXPECT_TRUE(texts.at(3).endsWith(QStringLiteral("Mancano  : \r\n\r\n-Prestazione fornita\r\n")));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM PrestazioniAR").toInt(), 1);  // the demo's own
}

TEST_P(AmlService, AConsolidatedRowIsCorrectedAndStaysUnderCorrection) {
    sql("UPDATE PrestazioniAR SET IsarchiviatoXML = TRUE");
    answer({"Yes"});
    QList<QJsonObject> dumps = gestAR(demo::kPraSantoro, {kDump, click("cmdConferma")});
    ASSERT_EQ(dumps.size(), 1);
    EXPECT_EQ(dumps[0].value("cmdConferma").toObject().value("caption").toString(),
              QStringLiteral("&Rettifica prestazione"));
    EXPECT_FALSE(dumps[0].value("cmdCancella").toObject().value("enabled").toBool());
    EXPECT_TRUE(dumps[0].value("lblStato2").toObject().value("visible").toBool());
    ASSERT_EQ(boxTexts().size(), 1);
    EXPECT_TRUE(boxTexts().at(0).startsWith(QStringLiteral(
        "Si sta procedendo alla rettifica di un record già consolidato con data di rettifica ")));
    EXPECT_FALSE(scalar("SELECT IsarchiviatoXML FROM PrestazioniAR").toBool());
    EXPECT_EQ(scalar("SELECT StatoRegP FROM PrestazioniAR").toInt(), 1);

    dumps = gestAR(demo::kPraSantoro, {kDump, click("cmdAnnulla")});
    EXPECT_EQ(dumps[0].value("cmdConferma").toObject().value("caption").toString(),
              QStringLiteral("&Modifica prestazione"));
    EXPECT_TRUE(dumps[0].value("lblRett").toObject().value("visible").toBool());
    EXPECT_EQ(dumps[0].value("lblRett").toObject().value("caption").toString(),
              QStringLiteral("PRESTAZIONE IN RETTIFICA"));
    EXPECT_FALSE(dumps[0].value("cmdCancella").toObject().value("enabled").toBool());
}

TEST_P(AmlService, NoToAConfirmQuestionClosesWithoutSaving) {
    sql("UPDATE PrestazioniAR SET IsarchiviatoXML = TRUE");
    answer({"No"});
    gestAR(demo::kPraSantoro, {click("cmdConferma"), kDump});
    EXPECT_TRUE(scalar("SELECT IsarchiviatoXML FROM PrestazioniAR").toBool());
    EXPECT_EQ(scalar("SELECT StatoRegP FROM PrestazioniAR").toInt(), 0);

    // A first registration with data missing (no service type) answered No.
    identifica(demo::kAnaEspositoGiuseppe, demo::kUtenteRossi);
    answer({"No"});
    gestAR(demo::kPraEsposito, {click("cmdConferma")});
    const QStringList asked = boxTexts();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked.at(0).contains(QStringLiteral("-Prestazione fornita")));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM PrestazioniAR WHERE R_IdPra = 2").toInt(), 0);
}

TEST_P(AmlService, APartyNobodyIdentifiedIsMissingInRedAndCannotBeTicked) {
    identifica(demo::kAnaAssicuratriceAdriatica, demo::kUtenteRossi);
    const QList<QJsonObject> dumps =
        gestAR(demo::kPraEsposito, {kDump, tick("GrigliaARPrest", 0, 3, true), kDump, click("cmdAnnulla")});
    ASSERT_EQ(dumps.size(), 2);
    const QJsonObject grid = dumps[0].value("GrigliaARPrest").toObject();
    ASSERT_EQ(table(dumps[0], "GrigliaARPrest").size(), 3);  // the client, the counterparty, a further client
    EXPECT_EQ(cellOf(dumps[0], "GrigliaARPrest", 0, 0).toInt(), demo::kAnaEspositoGiuseppe);
    EXPECT_EQ(cellOf(dumps[0], "GrigliaARPrest", 0, 5).toString(), QStringLiteral("MANCANTE"));
    EXPECT_FALSE(cellOf(dumps[0], "GrigliaARPrest", 0, 3).toBool());
    EXPECT_TRUE(grid.value("cellColours").toArray().contains(QJsonArray{0, 5, 192}));
    EXPECT_TRUE(grid.value("lockedCells").toArray().contains(QJsonArray{0, 3}));
    EXPECT_EQ(cellOf(dumps[0], "GrigliaARPrest", 1, 5).toString(), QStringLiteral("Marco Rossi"));
    EXPECT_TRUE(cellOf(dumps[0], "GrigliaARPrest", 1, 3).toBool());
    EXPECT_FALSE(cellOf(dumps[1], "GrigliaARPrest", 0, 3).toBool());  // the tick did not take
}

TEST_P(AmlService, ASubjectAnInvolvedProfessionalHasNotIdentifiedIsUnticked) {
    identifica(demo::kAnaEspositoGiuseppe, demo::kUtenteRossi);
    QList<QJsonObject> dumps = gestAR(demo::kPraEsposito, {kDump, click("cmdAnnulla")});
    const int bianchi = rowNamed(dumps[0], "TDBGridAvv", 2, QStringLiteral("Giulia Bianchi"));
    ASSERT_GE(bianchi, 0);
    dumps =
        gestAR(demo::kPraEsposito, {tick("GrigliaARPrest", 0, 3, false), tick("TDBGridAvv", bianchi, 1, true),
                                    tick("GrigliaARPrest", 0, 3, true), kDump, click("cmdAnnulla")});
    ASSERT_EQ(boxTexts().size(), 1);
    EXPECT_EQ(boxTexts().at(0),
              QStringLiteral("Non è possibile selezionare l'anagrafica poichè mancano \r\n"
                             "le identificazioni dei seguenti professionisti coinvolti :\r\n\r\n"
                             "-Giulia Bianchi\r\n"));
    EXPECT_FALSE(cellOf(dumps[0], "GrigliaARPrest", 0, 3).toBool());
    EXPECT_TRUE(cellOf(dumps[0], "TDBGridAvv", bianchi, 1).toBool());
}

TEST_P(AmlService, AProfessionalChosenByHisCodeAloneRegistersTheService) {
    identifica(demo::kAnaEspositoGiuseppe, demo::kUtenteGatti, true);
    QList<QJsonObject> dumps = gestAR(demo::kPraEsposito, {kDump, click("cmdAnnulla")});
    const QJsonArray codes = dumps[0].value("cmbCodUte").toObject().value("rows").toArray();
    int gatti = -1;
    for (int r = 0; r < codes.size(); ++r)
        if (codes.at(r).toString().section('\t', 1, 1).toInt() == demo::kUtenteGatti) gatti = r;
    ASSERT_GE(gatti, 0);
    gestAR(demo::kPraEsposito,
           {chooseRow("cmbProfessionista", -1), chooseRow("cmbCodUte", gatti), chooseRow("cmbPresFornita", 0),
            set("TDImportoPrest", "30000"), kDump, click("cmdConferma")});
    EXPECT_TRUE(boxTexts().isEmpty()) << boxTexts().join(" | ").toStdString();
    const QJsonArray row = rows(
                               "SELECT R_IdUte, Codice, CodicePU, StatoRegP, ImportoPrest FROM PrestazioniAR "
                               "WHERE R_IdPra = 2")
                               .at(0)
                               .toArray();
    ASSERT_FALSE(row.isEmpty());
    EXPECT_EQ(row.at(0).toInt(), demo::kUtenteGatti);
    EXPECT_EQ(row.at(1).toString(), QString());
    EXPECT_EQ(row.at(2).toString(), QStringLiteral("AR0005"));
    EXPECT_EQ(row.at(3).toInt(), 0);
    EXPECT_EQ(
        scalar("SELECT IsDaTrasferire FROM SoggettiAntiRiciclaggio WHERE R_IdPraSAR = 2 AND R_IdAnaSAR = 2")
            .toBool(),
        true);
}

TEST_P(AmlService, DeletingKeepsTheSubjectsWhichComeBackAtTheNextRegistration) {
    identifica(demo::kAnaEspositoGiuseppe, demo::kUtenteRossi);
    identifica(demo::kAnaAssicuratriceAdriatica, demo::kUtenteRossi);
    // The client acts on behalf of the counterparty: chosen in the grid's drop-down.
    gestAR(demo::kPraEsposito, {chooseRow("cmbPresFornita", 1), set("TDImportoPrest", "20000"),
                                QJsonObject{{"set", "GrigliaARPrest"}, {"row", 0}, {"col", 6}},
                                QJsonObject{{"fire", "GrigliaARPrest"}, {"event", "DropDown"}},
                                chooseRow("DropDownSoggetti", 0), click("cmdConferma")});
    EXPECT_TRUE(boxTexts().isEmpty()) << boxTexts().join(" | ").toStdString();
    EXPECT_EQ(
        scalar("SELECT R_IdPercontoDi FROM SoggettiAntiRiciclaggio WHERE R_IdPraSAR = 2 AND R_IdAnaSAR = 2")
            .toInt(),
        demo::kAnaAssicuratriceAdriatica);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM SoggettiAntiRiciclaggio WHERE R_IdPraSAR = 2").toInt(), 3);

    call("Elimina");  // a registered case is not deleted
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM Pratica WHERE ID_Pra = 2").toInt(), 1);

    answer({"Yes"});
    gestAR(demo::kPraEsposito, {click("cmdCancella")});
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM PrestazioniAR WHERE R_IdPra = 2").toInt(), 0);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM SoggettiAntiRiciclaggio WHERE R_IdPraSAR = 2").toInt(), 3);

    const QList<QJsonObject> dumps = gestAR(demo::kPraEsposito, {kDump, click("cmdAnnulla")});
    ASSERT_EQ(dumps.size(), 1);
    EXPECT_EQ(dumps[0].value("lblStato1").toObject().value("caption").toString(),
              QStringLiteral("Prestazione non registrata"));
    EXPECT_EQ(cellOf(dumps[0], "GrigliaARPrest", 0, 6).toString(),
              QStringLiteral("Compagnia Assicuratrice Adriatica S.p.A."));
}

TEST_P(AmlService, SplitServicesJoinAGroupOrGoBackToTheCase) {
    // A split group of Rossi's, begun on case 13.
    sql("UPDATE PrestazioniAR SET IsFrazionata = TRUE");
    const QJsonArray inPicker = {QJsonObject{{"fire", "cmbFrazreg"}, {"event", "DropDown"}}, kDump,
                                 chooseRow("cmbFrazreg", 0), click("cmdImposta")};
    send({{"onshow", "frmFrazionata"}, {"script", inPicker}});
    const QJsonObject frazionata{{"set", "chkFrazionata"}, {"checked", true}};
    const QJsonObject nonFrazionata{{"set", "chkFrazionata"}, {"checked", false}};
    QList<QJsonObject> dumps =
        gestAR(demo::kPraEsposito, {frazionata, kDump, nonFrazionata, kDump, click("cmdAnnulla")});
    ASSERT_EQ(dumps.size(), 3);
    EXPECT_TRUE(dumps[0]
                    .value("cmbFrazreg")
                    .toObject()
                    .value("rows")
                    .toArray()
                    .at(0)
                    .toString()
                    .startsWith(QString::number(demo::kPraSantoro) + QLatin1Char('\t')));
    EXPECT_EQ(dumps[1].value("fdIdeReg").toObject().value("text").toString(),
              QString::number(demo::kPraSantoro));
    EXPECT_EQ(dumps[1].value("chkFrazionata").toObject().value("foreColor").toInt(), 192);
    EXPECT_EQ(dumps[2].value("fdIdeReg").toObject().value("text").toString(),
              QString::number(demo::kPraEsposito));

    // Cancelling the picker unticks the split.
    send({{"onshow", "frmFrazionata"}, {"script", QJsonArray{click("cmdAnnulla")}}});
    dumps = gestAR(demo::kPraEsposito, {frazionata, kDump, click("cmdAnnulla")});
    EXPECT_FALSE(dumps[0].value("chkFrazionata").toObject().value("checked").toBool());
    EXPECT_EQ(dumps[0].value("fdIdeReg").toObject().value("text").toString(),
              QString::number(demo::kPraEsposito));
}

// "Inserisci identificazione" on the selected subject: the editor stores what is typed, exactly,
// and the grid shows the subject identified; whatever is typed is stored as typed or refused.
TEST_P(AmlService, AnIdentificationEnteredFromTheServiceTakesEveryText) {
    const QStringList hostile = naughtyStrings(GetParam() == Engine::SQLite);
    QJsonArray editor;
    int typed = 0;
    const auto fits = [](const QString& text) { return !text.trimmed().isEmpty() && text.size() <= 30; };
    for (int i = 0; i < hostile.size(); i += 5) {
        const QString text = hostile.at(i);
        if (!fits(text)) continue;
        editor.append(set("cmbTipoDocumento", text));
        editor.append(set("txtNumeroDocumento", text));
        editor.append(set("txtRilasciatoDa", text));
        editor.append(click("cmdSalva"));
        ++typed;
    }
    editor.append(click("cmdChiudi"));
    send({{"onshow", "frmIdentificazioneAR"}, {"script", editor}});
    const QList<QJsonObject> dumps =
        gestAR(demo::kPraEsposito, {QJsonObject{{"set", "GrigliaARPrest"}, {"row", 0}, {"col", 1}},
                                    click("cmdAnagAR"), kDump, click("cmdAnnulla")});
    EXPECT_TRUE(boxTexts().isEmpty()) << boxTexts().join(" | ").toStdString();
    ASSERT_EQ(dumps.size(), 1);
    EXPECT_EQ(cellOf(dumps[0], "GrigliaARPrest", 0, 5).toString(), QStringLiteral("Marco Rossi"));
    EXPECT_TRUE(cellOf(dumps[0], "GrigliaARPrest", 0, 3).toBool());
    const QJsonArray stored = rows(
        "SELECT TipoDocumento, NumeroDocumento, RilasciatoDa FROM AnagraficaAR WHERE R_Id_Anag = 2 ORDER BY "
        "id_ar");
    ASSERT_EQ(stored.size(), typed);
    int k = 0;
    for (int i = 0; i < hostile.size(); i += 5) {
        if (!fits(hostile.at(i))) continue;
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(stored.at(k).toArray().at(c).toString(), hostile.at(i).trimmed());
        ++k;
    }
    EXPECT_GT(typed, 50);
}

TEST_P(AmlService, WithoutACaseTheCommandDoesNothing) {
    call("ClearAllForm");
    send({{"onshow", "frmGestAR"}, {"script", QJsonArray{kDump}}});
    fire("cmdAR", "Click");
    for (const QJsonObject& h : happened) EXPECT_FALSE(h.contains("shown"));
}

TEST_P(AmlService, TheGridFollowsTheProfessionalAndLeavesOutThePlaceholder) {
    identifica(demo::kAnaEspositoGiuseppe, demo::kUtenteRossi);
    QList<QJsonObject> dumps = gestAR(demo::kPraEsposito, {kDump, click("cmdAnnulla")});
    EXPECT_EQ(cellOf(dumps[0], "GrigliaARPrest", 0, 5).toString(), QStringLiteral("Marco Rossi"));
    int row = -1;
    const QJsonArray professionals = dumps[0].value("cmbProfessionista").toObject().value("rows").toArray();
    for (int r = 0; r < professionals.size(); ++r)
        if (professionals.at(r).toString().startsWith(QStringLiteral("GIULIA BIANCHI\t"))) row = r;
    ASSERT_GE(row, 0);
    dumps = gestAR(demo::kPraEsposito, {chooseRow("cmbProfessionista", row), kDump, click("cmdAnnulla")});
    EXPECT_EQ(cellOf(dumps[0], "GrigliaARPrest", 0, 5).toString(), QStringLiteral("MANCANTE"));
    EXPECT_FALSE(cellOf(dumps[0], "GrigliaARPrest", 0, 3).toBool());

    // A counterparty typed by hand (the placeholder party) gets no row, nor does a further party
    // typed by hand.
    dumps = gestAR(demo::kPraGreco, {kDump, click("cmdAnnulla")});
    for (const QJsonValue& r : table(dumps[0], "GrigliaARPrest"))
        EXPECT_NE(r.toArray().at(0).toInt(), demo::kAnaNullo);
    EXPECT_EQ(table(dumps[0], "GrigliaARPrest").size(), 1);
}

TEST_P(AmlService, AStoredSubjectTakesUpAnIdentificationMadeLater) {
    // The service was registered by Rossi with his code: his identification by code comes later.
    sql("UPDATE SoggettiAntiRiciclaggio SET R_IdAr = 0");
    identifica(demo::kAnaSantoroDavide, demo::kUtenteRossi, true);
    const int later = scalar("SELECT MAX(id_ar) FROM AnagraficaAR").toInt();
    const QList<QJsonObject> dumps = gestAR(demo::kPraSantoro, {kDump, click("cmdAnnulla")});
    EXPECT_EQ(cellOf(dumps[0], "GrigliaARPrest", 0, 4).toInt(), later);
    EXPECT_EQ(cellOf(dumps[0], "GrigliaARPrest", 0, 5).toString(), QStringLiteral("Marco Rossi"));
    EXPECT_TRUE(cellOf(dumps[0], "GrigliaARPrest", 0, 3).toBool());
}

// A professional is involved only when he identified every involved subject and the party it acts
// for; with no professional involved a subject is ticked freely. No row on behalf of clears both.
TEST_P(AmlService, AProfessionalWhoMissesAnIdentificationIsUnticked) {
    identifica(demo::kAnaEspositoGiuseppe, demo::kUtenteRossi);
    identifica(demo::kAnaAssicuratriceAdriatica, demo::kUtenteRossi);
    identifica(demo::kAnaEspositoGiuseppe, demo::kUtenteBianchi, true);
    QList<QJsonObject> dumps = gestAR(demo::kPraEsposito, {kDump, click("cmdAnnulla")});
    const int bianchi = rowNamed(dumps[0], "TDBGridAvv", 2, QStringLiteral("Giulia Bianchi"));
    const QJsonObject onBehalf{{"set", "GrigliaARPrest"}, {"row", 0}, {"col", 6}};
    const QJsonObject dropDown{{"fire", "GrigliaARPrest"}, {"event", "DropDown"}};
    dumps = gestAR(
        demo::kPraEsposito,
        {tick("GrigliaARPrest", 0, 3, false), tick("GrigliaARPrest", 0, 3, true), onBehalf, dropDown,
         chooseRow("DropDownSoggetti", 0), tick("TDBGridAvv", bianchi, 1, true), kDump, onBehalf, dropDown,
         chooseRow("DropDownSoggetti", -1), kDump, chooseRow("cmbPresFornita", 0), click("cmdConferma")});
    ASSERT_EQ(dumps.size(), 2);
    EXPECT_TRUE(cellOf(dumps[0], "GrigliaARPrest", 0, 3).toBool());
    EXPECT_FALSE(cellOf(dumps[0], "TDBGridAvv", bianchi, 1).toBool());
    const QStringList texts = boxTexts();
    ASSERT_GE(texts.size(), 1);
    EXPECT_EQ(texts.at(0).toStdString(),
              QStringLiteral("Non è possibile selezionare il professionista poichè mancano \r\n"
                             "le identificazioni delle seguenti anagrafiche :\r\n\r\n"
                             "-Compagnia Assicuratrice Adriatica S.p.A. di Giulia Bianchi\r\n")
                  .toStdString());
    EXPECT_EQ(cellOf(dumps[1], "GrigliaARPrest", 0, 6).toString(), QString());
    EXPECT_TRUE(cellOf(dumps[1], "GrigliaARPrest", 0, 7).isNull());
    EXPECT_TRUE(
        scalar("SELECT R_IdPercontoDi FROM SoggettiAntiRiciclaggio WHERE R_IdPraSAR = 2 AND R_IdAnaSAR = 2")
            .isNull());
}

// Whatever is typed as the amount or as a split group's code is stored as the number it is, or
// refused with a sentence; the form stays open then.
TEST_P(AmlService, HostileAmountsAndCodesAreStoredAsTypedOrRefused) {
    identifica(demo::kAnaEspositoGiuseppe, demo::kUtenteRossi);
    const QStringList hostile = naughtyStrings(GetParam() == Engine::SQLite);
    int refused = 0, stored = 0;
    for (int i = 0; i < hostile.size(); i += 3) {
        const QString text = hostile.at(i);
        if (text.trimmed().isEmpty()) continue;
        gestAR(demo::kPraEsposito, {chooseRow("cmbPresFornita", 0), set("TDImportoPrest", text),
                                    click("cmdConferma"), click("cmdAnnulla")});
        const QStringList texts = boxTexts();
        if (!texts.isEmpty() &&
            texts.first() == QStringLiteral("L'importo della prestazione non è un numero.")) {
            ++refused;
            continue;
        }
        ++stored;
        const QJsonArray row =
            rows("SELECT ImportoPrest FROM PrestazioniAR WHERE R_IdPra = 2").at(0).toArray();
        ASSERT_FALSE(row.isEmpty()) << text.toStdString() << texts.join(" | ").toStdString();
        sql("DELETE FROM PrestazioniAR WHERE R_IdPra = 2");
    }
    send({{"onshow", "frmFrazionata"}, {"script", QJsonArray{click("cmdImposta")}}});
    gestAR(demo::kPraEsposito,
           {chooseRow("cmbPresFornita", 0), QJsonObject{{"set", "chkFrazionata"}, {"checked", true}},
            set("fdIdeReg", QStringLiteral("1; DROP TABLE Pratica")), click("cmdConferma"),
            click("cmdAnnulla")});
    EXPECT_EQ(boxTexts().value(0),
              QStringLiteral("L'identificativo della registrazione è un numero intero positivo."));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM PrestazioniAR WHERE R_IdPra = 2").toInt(), 0);
    EXPECT_GT(refused, 100);
    EXPECT_GT(stored, 0);
}

INSTANTIATE_TEST_SUITE_P(Engines, AmlService, ::testing::ValuesIn(enginesUnderTest()),
                         [](const auto& info) { return engineName(info.param).toStdString(); });

}  // namespace
}  // namespace tolmo::test
