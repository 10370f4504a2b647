// Every statement of a save and of a deletion fails in turn, on every engine: the firm's
// database, the form and the component are left as they were, and the person is told once.

#include <gtest/gtest.h>

#include <QDir>
#include <QSqlQuery>

#include "core/TolmoPratica.h"
#include "schema/DemoFirm.h"
#include "schema/Schema.h"
#include "support/DocumentsRoot.h"
#include "support/FaultHarness.h"
#include "support/NaughtyStrings.h"
#include "support/TestDb.h"

namespace tolmo::test {
namespace {

namespace demo = schema::demo;

const QJsonObject kConferma{{"call", "Conferma"}};
const QString kRegistrazione = QStringLiteral("Registrazione Pratica");

class CaseWrites : public ::testing::TestWithParam<Engine> {
protected:
    static void start(SessionDriver& d) { ASSERT_TRUE(startLikeAHost(d.sender())); }
    /// A new case of the family classifier with its free fields, ready to confirm. The header
    /// is provisional: the save consolidates its texts, which the header shows only once stored.
    static void newCase(SessionDriver& d, const QString& oggetto) {
        start(d);
        d.call("Inserimento");
        d.component().header().setProvvisorio(true);
        d.type("ctlTestata1.txtPosizione", "  900 ");
        d.choose("ctlTestata1.txtCognomeCliente", 2, QString::number(demo::kAnaBiancoAlessandro));
        d.type("ctlTestata1.txtCognomeControparte", "Verdi");
        d.choose("cmbClassificatore", 1, QString::number(demo::kClaFamiglia));
        d.type("txtCampo(0)", "01/02/2020");
        d.type("cmbOggetto", oggetto);
        d.type("TEDNumRilevanza", "150");
        d.type("txtNOTE", QStringLiteral("Nota d'udienza: l'avv. Dell'Orto"));
    }
    /// Runs the scenario and expects every promise kept, the last run writing for real.
    FaultReport expectKept(FaultScenario scenario) {
        const FaultReport report = expectNoBrokenPromise(std::move(scenario));
        EXPECT_GT(report.faultedRuns, 3);
        EXPECT_TRUE(report.commitFailed);
        return report;
    }
    /// Runs the scenario and expects every promise kept and the last run writing; how many
    /// statements could fail is the test's to say.
    FaultReport expectNoBrokenPromise(FaultScenario scenario) {
        scenario.url = db.url();
        const FaultReport report = runWithFaults(scenario, settings);
        EXPECT_TRUE(report.faults.isEmpty()) << report.faults.join(u'\n').toStdString();
        EXPECT_TRUE(report.lastRunWrote);
        RecordProperty("statements", report.statements);
        return report;
    }
    /// A failed run's promise about the dialog its script dumped: every dump shows `control`
    /// with `value` as `property`.
    static std::function<QStringList(const QList<QJsonObject>&)> dialogKeeps(const char* control,
                                                                             const char* property,
                                                                             QJsonValue value,
                                                                             QString broken) {
        return [=](const QList<QJsonObject>& happened) {
            QStringList out;
            for (const QJsonObject& h : happened)
                if (h.contains("form") &&
                    h.value("form").toObject().value(control).toObject().value(property) != value)
                    out << broken;
            return out;
        };
    }
    /// The folders under the documents folder that no row of Documenti records.
    QStringList foldersWithoutRows() {
        QStringList orfane;
        for (const QFileInfo& f :
             QDir(documents.documenti()).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
            if (conn->query(QStringLiteral("SELECT ID FROM Documenti WHERE Posizione = ?"), {f.filePath()})
                    .next() == false)
                orfane << QStringLiteral("a folder without its row: ") + f.fileName();
        return orfane;
    }
    int scalar(const QString& sql) {
        QSqlQuery q = conn->query(sql);
        return q.next() ? q.value(0).toInt() : -1;
    }

    ScratchDatabase db{GetParam()};
    ConnectionPtr conn = schema::openDatabase(db.url());
    platform::MemorySettings settings;
    DocumentsRoot documents{settings};
};

TEST_P(CaseWrites, NewCase) {
    FaultScenario s;
    s.prepare = [](SessionDriver& d) { newCase(d, QString()); };
    s.write = kConferma;
    s.action = kRegistrazione;
    expectKept(s);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM Pratica WHERE Posizione = '900'"), 1);
}

// The folder of a new case is made after the commit: a failure there leaves the case saved and
// no folder on disk without its row. Each run saves a case of its own.
TEST_P(CaseWrites, NewCaseAndItsFolder) {
    int run = 0;
    FaultScenario s;
    s.prepare = [&](SessionDriver& d) {
        newCase(d, QString());
        d.type("ctlTestata1.txtPosizione", QStringLiteral("900-%1").arg(++run));
    };
    s.write = kConferma;
    s.action = kRegistrazione;
    s.afterCommit = true;
    s.afterFault = [this](const QList<QJsonObject>&) { return foldersWithoutRows(); };
    const FaultReport report = expectKept(s);
    EXPECT_GE(report.afterCommitRuns, 2);  // the firm's structure, the folder's row
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT COUNT(*) FROM Documenti WHERE Posizione LIKE '%900-%1%'").arg(run)), 1);
    EXPECT_TRUE(foldersWithoutRows().isEmpty());
}

// A rename rewrites the folder row and the paths under it in one transaction with the disk: a
// failure at any of its statements, or at its commit, leaves the folder where it was.
TEST_P(CaseWrites, RenamedFolderOfAModifiedCase) {
    const QString vecchia = documents.documenti() + QStringLiteral("/VECCHIO_PID_%1_P").arg(demo::kPraBianco);
    ASSERT_TRUE(QDir().mkpath(vecchia + QStringLiteral("/Atti")));
    for (const auto& [percorso, cartella] : {std::pair{vecchia, true},
                                             {vecchia + QStringLiteral("/Atti"), true},
                                             {vecchia + QStringLiteral("/Atti/ricorso.pdf"), false}})
        conn->Execute(QStringLiteral("INSERT INTO Documenti (Titolo, Codice_Pra, Posizione, IsCartella, "
                                     "IsCartellaFascicolo) VALUES ('x', ?, ?, ?, ?)"),
                      {demo::kPraBianco, percorso, cartella, percorso == vecchia});
    FaultScenario s;
    s.prepare = [](SessionDriver& d) {
        start(d);
        d.call("Modifica", {demo::kPraBianco});
        d.type("ctlTestata1.txtPosizione", "FALDONE 7");
        d.send({{"answer", QJsonArray{"Yes"}}});
    };
    s.write = kConferma;
    s.action = kRegistrazione;
    s.afterCommit = true;
    // The folder is where its row says, and nowhere else.
    s.afterFault = [this](const QList<QJsonObject>&) {
        QStringList broken = foldersWithoutRows();
        const QStringList suDisco = QDir(documents.documenti()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        if (suDisco.size() != 1) broken << QStringLiteral("folders on disk: ") + suDisco.join(u',');
        return broken;
    };
    const FaultReport report = expectKept(s);
    EXPECT_GE(report.afterCommitRuns, 5);  // structure, BEGIN, the rows read, three rows, COMMIT
    QSqlQuery q =
        conn->query(QStringLiteral("SELECT Posizione FROM Documenti WHERE Codice_Pra = %1 ORDER BY ID")
                        .arg(demo::kPraBianco));
    QStringList percorsi;
    while (q.next()) percorsi << q.value(0).toString();
    ASSERT_EQ(percorsi.size(), 3);
    EXPECT_FALSE(QDir(vecchia).exists());
    EXPECT_TRUE(percorsi.at(0).contains(QStringLiteral("FALDONE 7_PID_%1_P").arg(demo::kPraBianco)));
    EXPECT_TRUE(QDir(percorsi.at(0)).exists());
    EXPECT_EQ(percorsi.at(2), percorsi.at(0) + QStringLiteral("/Atti/ricorso.pdf"));
}

// The subject is added to its catalogue in a transaction of its own, before the save's: it is
// the one row a failed save leaves behind (the person agreed to it).
TEST_P(CaseWrites, NewCaseAddingItsSubjectToTheCatalogue) {
    const QString oggetto = QStringLiteral("Separazione consensuale con assegno");
    FaultScenario s;
    s.prepare = [&](SessionDriver& d) {
        conn->Execute(QStringLiteral("DELETE FROM OggettoPratica WHERE Oggetto = ?"), {oggetto});
        newCase(d, oggetto);
        const QJsonArray yes = {QJsonObject{{"fire", "cmdOk"}, {"event", "Click"}}};
        d.send({{"onshow", "dlgRichiedi"}, {"script", yes}});
    };
    s.write = kConferma;
    s.action = kRegistrazione;
    s.mayChange = {QStringLiteral("OggettoPratica")};
    // The catalogue's own transaction comes first; its failure is reported as "Registrazione
    // Oggetto Pratica" and the save goes on.
    s.faultable = [](const QStringList& seen) {
        const qsizetype n = seen.size() - 1;
        const qsizetype begin = seen.indexOf(QStringLiteral("BEGIN"));
        const qsizetype commit = seen.indexOf(QStringLiteral("COMMIT"));
        return begin < 0 || n < begin || (commit >= 0 && n > commit);
    };
    expectKept(s);
    EXPECT_EQ(
        scalar("SELECT COUNT(*) FROM OggettoPratica WHERE Oggetto = 'Separazione consensuale con assegno'"),
        1);
}

// One stored case of each classifier (none included), modified with hostile text.
TEST_P(CaseWrites, ModifiedCaseOfEveryClassifier) {
    QList<QPair<int, int>> cases;  // classifier, case
    QSqlQuery q = conn->query(QStringLiteral(
        "SELECT ID_Cla, MIN(ID_Pra) FROM Pratica WHERE ID_Pra > 1 GROUP BY ID_Cla ORDER BY ID_Cla"));
    while (q.next()) cases.append({q.value(0).toInt(), q.value(1).toInt()});
    ASSERT_GE(cases.size(), 7);
    const QStringList naughty = naughtyStrings(GetParam() == Engine::SQLite);
    int n = 0;
    for (const auto& [classificatore, id] : cases) {
        SCOPED_TRACE(QStringLiteral("classifier %1, case %2").arg(classificatore).arg(id).toStdString());
        const QString nota = naughty.at((n++ * 37) % naughty.size());
        FaultScenario s;
        s.prepare = [&, id = id, classificatore = classificatore](SessionDriver& d) {
            start(d);
            d.call("Modifica", {id});
            d.type("txtNOTE", nota);
            d.type("TEDNumRilevanza", "250");
            if (classificatore == demo::kClaPenale) {  // the criminal row is written too
                d.type("txtPmDib", nota);
                d.type("fdDatSenDib", "10/03/2023");
            }
            d.send({{"answer", QJsonArray{"Yes"}}});  // a case in appeal asks about its office
        };
        s.write = kConferma;
        s.action = kRegistrazione;
        expectKept(s);
        EXPECT_EQ(scalar(QStringLiteral("SELECT Rilevanza FROM Pratica WHERE ID_Pra = %1").arg(id)), 250);
    }
}

// The appeal deadline's two agenda entries, over one pending entry of the case: both are
// written or neither, whichever statement fails.
TEST_P(CaseWrites, AppealDeadlineInTheAgenda) {
    conn->Execute(QStringLiteral("INSERT INTO Scadenze (Codice_Pra, Scadenza, Data_End, IsScadImpugnazione, "
                                 "Effettuato) VALUES (%1, 'In sospeso', '2023-02-10', TRUE, FALSE)")
                      .arg(demo::kPraConti));
    FaultScenario s;
    s.prepare = [](SessionDriver& d) {
        start(d);
        d.call("Modifica", {demo::kPraConti});
        d.type("fdDatSenDib", "10/03/2023");
        d.choose("cmbDepMotDib", 0, "Ordinario");
        const QJsonArray script = {QJsonObject{{"set", "TDataOra"}, {"text", "09:30"}},
                                   QJsonObject{{"fire", "cmdInserisciScadenza"}, {"event", "Click"}},
                                   QJsonObject{{"fire", "cmdAnnulla"}, {"event", "Click"}}};
        d.send({{"onshow", "frmInsertImpugnazione"}, {"script", script}});
    };
    s.write = QJsonObject{{"fire", "cmdCalScadImp3"}, {"event", "Click"}};
    s.action = QStringLiteral("Inserimento Scadenza Impugnazione");
    // The users' list is read as the form opens, and its failure reported on its own.
    s.faultable = [](const QStringList& seen) {
        return !seen.last().contains(QStringLiteral("FROM Utenti"));
    };
    expectKept(s);
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT COUNT(*) FROM Scadenze WHERE Codice_Pra = %1 AND IsScadImpugnazione = "
                              "TRUE AND Ora = '09:30'")
                   .arg(demo::kPraConti)),
        2);
}

// The court fee and the tariff are columns of the case row: saved with it or not at all.
TEST_P(CaseWrites, CourtFeeAndTariffOfAModifiedCase) {
    FaultScenario s;
    s.prepare = [](SessionDriver& d) {
        start(d);
        d.call("Modifica", {demo::kPraBianco});
        d.send({{"set", "optContributo"}, {"index", 1}});
        d.type("mskImportoContributo", "1.234,56");
        d.send({{"set", "chkDebito"}, {"checked", true}});
        const QJsonArray script = {QJsonObject{{"set", "optTariffa1"}, {"checked", true}},
                                   QJsonObject{{"set", "TEDNumMaggiorazione"}, {"text", "12,5"}},
                                   QJsonObject{{"fire", "cmdOk"}, {"event", "Click"}}};
        d.send({{"onshow", "dlgTariffa"}, {"script", script}});
        d.send({{"fire", "cmdTariffa"}, {"event", "Click"}});
    };
    s.write = kConferma;
    s.action = kRegistrazione;
    expectKept(s);
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT COUNT(*) FROM Pratica WHERE ID_Pra = %1 AND TipoContributo = 'NV' AND "
                              "ImportoContributo = 1234.56 AND A_Debito = TRUE AND TipoTariffa = 1 AND "
                              "Maggiorazione = 12.5")
                   .arg(demo::kPraBianco)),
        1);
}

// A postal bulletin saved from the payments dialog: the row and its new Id are one transaction,
// and a failure leaves the dialog open with what was typed.
TEST_P(CaseWrites, PaymentOfTheCourtFee) {
    conn->Execute(
        QStringLiteral("DELETE FROM EstremiPagamento WHERE R_Id_Pratica = %1").arg(demo::kPraEsposito));
    FaultScenario s;
    s.prepare = [](SessionDriver& d) {
        start(d);
        d.call("Modifica", {demo::kPraEsposito});
        QJsonArray script;
        for (const auto& [field, text] : {std::pair{"mskCodiceUfficio", "02/033"},
                                          {"mskCodiceBollettino", "0044"},
                                          {"mskImporto", "1.234,56"},
                                          {"mskData", "05/03/2024"}})
            script.append(QJsonObject{{"set", field}, {"text", text}});
        script.append(QJsonObject{{"fire", "cmdOk"}, {"event", "Click"}});
        script.append(QJsonObject{{"dump", "form"}});
        d.send({{"onshow", "dlgEstremiPagamento"}, {"script", script}});
    };
    s.write = QJsonObject{{"fire", "cmdEstremi"}, {"event", "Click"}};
    s.action = QStringLiteral("Registrazione Estremi Pagamento");
    // The payments are read as the dialog opens, and a failure there is reported on its own: the
    // save's statements start with the row it opens.
    s.faultable = [](const QStringList& seen) {
        return !seen.filter(QStringLiteral("EstremiPagamento WHERE Id =")).isEmpty();
    };
    s.afterFault = [typed = dialogKeeps("mskCodiceBollettino", "text", "0044",
                                        QStringLiteral("the typed bulletin is gone"))](
                       const QList<QJsonObject>& happened) {
        QStringList broken = typed(happened);
        for (const QJsonObject& h : happened)
            if (h.value("msgbox").toObject().value("text").toString().startsWith(
                    QStringLiteral("Gli estremi")))
                broken << QStringLiteral("the dialog said it saved");
        return broken;
    };
    const FaultReport report = expectNoBrokenPromise(s);
    EXPECT_GE(report.faultedRuns, 2);
    EXPECT_TRUE(report.commitFailed);
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT COUNT(*) FROM EstremiPagamento WHERE R_Id_Pratica = %1 AND Importo = "
                              "1234.56 AND CodBollettinoP = '0044'")
                   .arg(demo::kPraEsposito)),
        1);
}

// Deletions of payments outside the case's save: leaving "Versato" on the case form, and
// changing the kind in the dialog. A failure keeps every payment and the kind in force.
TEST_P(CaseWrites, PaymentsDeletedByAChangeOfType) {
    struct Deletion {
        int caso;
        QJsonArray script;
        QJsonObject write;
        QString action;
    };
    const QJsonArray toStamps = {QJsonObject{{"fire", "cmbTipoPagamento"}, {"event", "Choose"}, {"row", 1}},
                                 QJsonObject{{"dump", "form"}}};
    const Deletion deletions[] = {
        {demo::kPraEsposito,
         {},
         QJsonObject{{"set", "optContributo"}, {"index", 0}},
         QStringLiteral("Cambio Tipo Contributo")},
        {demo::kPraTrattoria, toStamps, QJsonObject{{"fire", "cmdEstremi"}, {"event", "Click"}},
         QStringLiteral("Cancellazione Estremi Pagamento")},
    };
    for (const Deletion& del : deletions) {
        SCOPED_TRACE(del.action.toStdString());
        FaultScenario s;
        s.prepare = [&del](SessionDriver& d) {
            start(d);
            d.call("Modifica", {del.caso});
            d.send({{"answer", QJsonArray{"Yes"}}});
            if (!del.script.isEmpty()) d.send({{"onshow", "dlgEstremiPagamento"}, {"script", del.script}});
        };
        s.write = del.write;
        s.action = del.action;
        if (!del.script.isEmpty()) {
            s.faultable = [](const QStringList& seen) {
                return seen.last().startsWith(QStringLiteral("DELETE"));
            };
            s.afterFault = dialogKeeps("cmbTipoPagamento", "selectedRow", 2,
                                       QStringLiteral("the kind in force changed"));
        }
        EXPECT_GE(expectNoBrokenPromise(s).faultedRuns, 1);
        EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM EstremiPagamento WHERE R_Id_Pratica = %1")
                             .arg(del.caso)),
                  0);
    }
}

// The case with the most rows in other tables that is not kept by the anti-money-laundering
// archive.
TEST_P(CaseWrites, Deletion) {
    const QString dipendenti = QStringLiteral(
        "(SELECT COUNT(*) FROM Scadenze WHERE Codice_Pra = ID_Pra) + (SELECT COUNT(*) FROM Azioni WHERE "
        "IdPra = "
        "ID_Pra) + (SELECT COUNT(*) FROM Documenti WHERE Codice_Pra = ID_Pra) + (SELECT COUNT(*) FROM "
        "MultiIntesta "
        "WHERE MultiIntesta.ID_Pra = Pratica.ID_Pra) + (SELECT COUNT(*) FROM PraPenale WHERE "
        "PraPenale.ID_Pra = "
        "Pratica.ID_Pra) + (SELECT COUNT(*) FROM Fatture WHERE ID_Pratica = ID_Pra)");
    const int id =
        scalar(QStringLiteral("SELECT ID_Pra FROM Pratica WHERE ID_Pra > 1 AND ID_Pra NOT IN (SELECT "
                              "R_idPra FROM PrestazioniAR) ORDER BY ") +
               dipendenti + QStringLiteral(" DESC, ID_Pra LIMIT 1"));
    ASSERT_GT(id, 1);
    FaultScenario s;
    s.prepare = [id](SessionDriver& d) {
        start(d);
        d.call("VisualizzaPratica", {id});
        d.send({{"answer", QJsonArray{"Yes"}}});
    };
    s.write = {{"call", "Elimina"}};
    s.action = QStringLiteral("Cancellazione Pratica");
    const FaultReport report = expectKept(s);
    EXPECT_GE(report.statements, 8);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Pratica WHERE ID_Pra = %1").arg(id)), 0);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Scadenze WHERE Codice_Pra = %1").arg(id)), 0);
}

// ---------------------------------------------------------------- the parties of a case

/// The statements of a write's own transaction. What the write reads before it is a failed
/// reading, and what it reads again after its commit leaves the write stored: each of those is
/// reported on its own.
bool nellaTransazione(const QStringList& seen) {
    return !seen.filter(QStringLiteral("BEGIN")).isEmpty() &&
           !seen.mid(0, seen.size() - 1).contains(QStringLiteral("COMMIT"));
}

/// A stored case open for modification on one of its tabs.
void modificaSullaScheda(SessionDriver& d, int caso, int scheda) {
    ASSERT_TRUE(startLikeAHost(d.sender()));
    d.call("Modifica", {caso});
    d.send({{"set", "SSTabPratica"}, {"index", scheda}});
}

// The grids write at once, each change in a transaction of its own (or one statement): a
// failure leaves the row as it was and the grid showing it.
TEST_P(CaseWrites, FurtherPartiesAddedEditedAndRemoved) {
    const auto grid = [&](QJsonObject write, const char* action, int minStatements) {
        FaultScenario s;
        s.prepare = [](SessionDriver& d) { modificaSullaScheda(d, demo::kPraEsposito, 1); };
        s.write = std::move(write);
        s.action = QString::fromLatin1(action);
        // Once a change is committed the grid reads its rows again: a failure there is reported
        // as a failed reading and leaves the change stored.
        s.faultable = [](const QStringList& seen) {
            return !seen.mid(0, seen.size() - 1).contains("COMMIT");
        };
        const FaultReport report = expectNoBrokenPromise(s);
        EXPECT_GE(report.faultedRuns, minStatements) << action;
    };
    // A register party whose surname is edited by hand becomes a name typed by hand.
    grid({{"set", "GridClienti"}, {"row", 0}, {"col", 0}, {"text", "Esposito D'Avalos"}},
         "Aggiornamento Cliente", 3);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM MultiIntesta WHERE ID_Pra = %1 AND ID_Ana = 1 AND "
                                    "Cognome = 'Esposito D''Avalos'")
                         .arg(demo::kPraEsposito)),
              1);
    grid({{"fire", "cmdPiuContro"}, {"event", "Click"}}, "Inserimento Controparte", 2);
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT COUNT(*) FROM MultiIntesta WHERE ID_Pra = %1 AND IsCliente = FALSE")
                   .arg(demo::kPraEsposito)),
        2);
    grid({{"fire", "cmdMenoCli"}, {"event", "Click"}}, "Cancellazione Cliente", 2);
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT COUNT(*) FROM MultiIntesta WHERE ID_Pra = %1 AND IsCliente = TRUE")
                   .arg(demo::kPraEsposito)),
        0);
}

// The involved subjects are written inside the case's save: a subject added and a stored one
// removed, all or nothing.
TEST_P(CaseWrites, InvolvedSubjectsSavedWithTheCase) {
    FaultScenario s;
    s.prepare = [](SessionDriver& d) {
        modificaSullaScheda(d, demo::kPraEsposito, 7);
        d.send({{"set", "TDBGridSoggetti"}, {"row", 0}});
        d.send({{"fire", "cmdCancella"}, {"event", "Click"}});
        d.type("cmbSoggetto", "Lombardi");
        d.choose("cmbSoggetto", 2, QString::number(demo::kAnaLombardiRoberto));
        d.choose("cmbQualifiche", 0, "Testimone");
        d.send({{"fire", "cmdInserisci"}, {"event", "Click"}});
    };
    s.write = kConferma;
    s.action = kRegistrazione;
    expectKept(s);
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT IdAna FROM R_PraQualifiche WHERE IdPra = %1").arg(demo::kPraEsposito)),
        demo::kAnaLombardiRoberto);
    EXPECT_EQ(
        scalar(
            QStringLiteral("SELECT COUNT(*) FROM R_PraQualifiche WHERE IdPra = %1").arg(demo::kPraEsposito)),
        1);
}

// A party inserted on the spot: stored whole or not at all, the editor keeping what was typed.
TEST_P(CaseWrites, QuickInsertionOfAParty) {
    FaultScenario s;
    s.prepare = [](SessionDriver& d) {
        modificaSullaScheda(d, demo::kPraEsposito, 7);
        const QJsonArray script = {QJsonObject{{"set", "txtCognome"}, {"text", "Dell'Acqua Srl"}},
                                   QJsonObject{{"set", "txtCittaRes"}, {"text", "Lecco"}},
                                   QJsonObject{{"fire", "cmdConferma"}, {"event", "Click"}},
                                   QJsonObject{{"dump", "form"}}};
        d.send({{"onshow", "frmAggiungiAnag"}, {"script", script}});
    };
    s.write = QJsonObject{{"fire", "cmdaggiungiAnag"}, {"event", "Click"}};
    s.action = QStringLiteral("Registrazione Anagrafica");
    s.afterFault =
        dialogKeeps("txtCognome", "text", "Dell'Acqua Srl", QStringLiteral("the typed surname is gone"));
    expectKept(s);
    EXPECT_EQ(
        scalar("SELECT COUNT(*) FROM Anagrafica WHERE Cognome = 'Dell''Acqua Srl' AND CittaRes = 'Lecco'"),
        1);
}

// ---------------------------------------------------------------- linked cases and lawyers

// Linking, unlinking and re-keying a group each run in one transaction: a group is never left
// half re-keyed.
TEST_P(CaseWrites, LinkedCasesLinkedUnlinkedAndReKeyed) {
    const auto gruppo = [&](int caso, QJsonArray script, const char* action) {
        FaultScenario s;
        s.prepare = [caso, script](SessionDriver& d) {
            ASSERT_TRUE(startLikeAHost(d.sender()));
            d.call("VisualizzaPratica", {caso});
            d.send({{"onshow", "dlgPratCollegate"}, {"script", script}});
        };
        s.write = QJsonObject{{"fire", "cmdPratCollegate"}, {"event", "Click"}};
        s.action = QString::fromLatin1(action);
        s.faultable = nellaTransazione;
        const FaultReport report = expectNoBrokenPromise(s);
        EXPECT_TRUE(report.commitFailed) << action;
    };
    // Case 6 joins the group of 3 and 10 (from case 10, whose key is 3): then case 3 leaves, and
    // 6 and 10 take the key 6.
    conn->Execute(
        QStringLiteral("UPDATE Pratica SET R_IdCollegamento = 0 WHERE ID_Pra = %1").arg(demo::kPraBianco));
    gruppo(demo::kPraDAmico,
           {QJsonObject{{"set", "cmbPosizione"}, {"row", 3}},
            QJsonObject{{"fire", "cmdCollega"}, {"event", "Click"}}},
           "Collegamento pratica");
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Pratica WHERE R_IdCollegamento = %1")
                         .arg(demo::kPraEdilnord)),
              3);
    gruppo(demo::kPraDAmico,
           {QJsonObject{{"fire", "GrigliaImport"}, {"event", "Click"}, {"row", 0}},
            QJsonObject{{"fire", "cmdElimina"}, {"event", "Click"}}},
           "Eliminazione Collegamento Pratica");
    EXPECT_EQ(
        scalar(
            QStringLiteral("SELECT R_IdCollegamento FROM Pratica WHERE ID_Pra = %1").arg(demo::kPraEdilnord)),
        0);
    EXPECT_EQ(
        scalar(
            QStringLiteral("SELECT COUNT(*) FROM Pratica WHERE R_IdCollegamento = %1").arg(demo::kPraBianco)),
        2);
}

// The lawyers chosen during an insertion are handed to the new case inside its save.
TEST_P(CaseWrites, LawyersOfANewCaseMovedInsideTheSave) {
    FaultScenario s;
    s.prepare = [](SessionDriver& d) {
        newCase(d, QString());
        const QJsonObject primo{{"set", "TDBGridAvv1"}, {"row", 0}};
        const QJsonObject aggiungi{{"fire", "cmdAdd"}, {"event", "Click"}};
        d.send({{"onshow", "dlgAvvocati"}, {"script", QJsonArray{primo, aggiungi, primo, aggiungi}}});
        d.send({{"fire", "cmdAltri"}, {"event", "Click"}});
    };
    s.write = kConferma;
    s.action = kRegistrazione;
    expectKept(s);
    // A failed save leaves the lawyers chosen waiting under case 0: the save took them all.
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM R_PraUte WHERE id_PraSel = 0"), 0);
    EXPECT_GE(scalar("SELECT COUNT(*) FROM R_PraUte r JOIN Pratica p ON p.ID_Pra = r.id_PraSel WHERE "
                     "p.Posizione = '900'"),
              2);
}

// Each move of the lawyers' dialog is one transaction.
TEST_P(CaseWrites, LawyersMovedInTheDialog) {
    FaultScenario s;
    s.prepare = [](SessionDriver& d) {
        ASSERT_TRUE(startLikeAHost(d.sender()));
        d.call("Modifica", {demo::kPraEsposito});
        d.send({{"onshow", "dlgAvvocati"},
                {"script", QJsonArray{QJsonObject{{"fire", "cmdAllAdd"}, {"event", "Click"}}}}});
    };
    s.write = QJsonObject{{"fire", "cmdAltri"}, {"event", "Click"}};
    s.action = QStringLiteral("Caricamento Utenti coinvolti");
    s.faultable = nellaTransazione;
    const FaultReport report = expectNoBrokenPromise(s);
    EXPECT_TRUE(report.commitFailed);
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT COUNT(*) FROM R_PraUte WHERE id_PraSel = %1").arg(demo::kPraEsposito)),
        scalar("SELECT COUNT(*) FROM Utenti"));
}

// ---------------------------------------------------------------- the staging export

// The staging row of a saved case is written inside its save: with the case, or not at all.
TEST_P(CaseWrites, StagingRowOfAModifiedCase) {
    conn->Execute(QStringLiteral("UPDATE ConfigGenerale SET GammaMod = TRUE"));
    FaultScenario s;
    s.prepare = [](SessionDriver& d) {
        ASSERT_TRUE(startLikeAHost(d.sender()));
        d.call("Modifica", {demo::kPraEsposito});
        d.type("txtNOTE", QStringLiteral("Nota per l'altro gestionale"));
    };
    s.write = kConferma;
    s.action = kRegistrazione;
    expectKept(s);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM ST_CommesseGamma WHERE codice_commessa = %1")
                         .arg(demo::kPraEsposito)),
              1);
}

// The anti-money-laundering archive: the service, its subjects and its professionals are written
// in one transaction, whose every statement (and commit) fails in turn; the lists the form reads
// as it opens are reported on their own.
std::function<bool(const QStringList&)> inTheSave() {
    return [](const QStringList& seen) {
        const qsizetype before = seen.size() - 2;
        return seen.last() == QStringLiteral("BEGIN") ||
               seen.lastIndexOf(QStringLiteral("BEGIN"), before) >
                   seen.lastIndexOf(QStringLiteral("COMMIT"), before);
    };
}

FaultScenario amlScenario(int pratica, const QStringList& answers, const QJsonArray& script,
                          const QString& action) {
    FaultScenario s;
    s.prepare = [=](SessionDriver& d) {
        ASSERT_TRUE(startLikeAHost(d.sender()));
        d.call("VisualizzaPratica", {pratica});
        d.send({{"answer", QJsonArray::fromStringList(answers)}});
        d.send({{"onshow", "frmGestAR"}, {"script", script}});
    };
    s.write = QJsonObject{{"fire", "cmdAR"}, {"event", "Click"}};
    s.action = action;
    s.faultable = inTheSave();
    return s;
}

TEST_P(CaseWrites, AmlServiceRegisteredWithItsSubjects) {
    conn->Execute(
        QStringLiteral("INSERT INTO AnagraficaAR (R_Id_Anag, codiceprof, TipoDocumento, NumeroDocumento) "
                       "SELECT ?, Piva, 'Passaporto', 'YA0001' FROM Utenti WHERE Id_Utente = ?"),
        {demo::kAnaEspositoGiuseppe, demo::kUtenteRossi});
    const QJsonArray script = {QJsonObject{{"fire", "cmbPresFornita"}, {"event", "Choose"}, {"row", 1}},
                               QJsonObject{{"set", "TDImportoPrest"}, {"text", "20000"}},
                               QJsonObject{{"fire", "cmdConferma"}, {"event", "Click"}}};
    expectKept(
        amlScenario(demo::kPraEsposito, {}, script, QStringLiteral("Aggiornamento delle prestazioni")));
    EXPECT_EQ(
        scalar(
            QStringLiteral("SELECT COUNT(*) FROM PrestazioniAR WHERE R_IdPra = %1").arg(demo::kPraEsposito)),
        1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM SoggettiAntiRiciclaggio WHERE R_IdPraSAR = %1")
                         .arg(demo::kPraEsposito)),
              3);
}

TEST_P(CaseWrites, AmlServiceCorrectedAfterConsolidation) {
    conn->Execute(QStringLiteral("UPDATE PrestazioniAR SET IsarchiviatoXML = ?"), {true});
    const QJsonArray script = {QJsonObject{{"fire", "cmdConferma"}, {"event", "Click"}}};
    expectKept(
        amlScenario(demo::kPraSantoro, {"Yes"}, script, QStringLiteral("Aggiornamento delle prestazioni")));
    EXPECT_EQ(
        scalar(
            QStringLiteral("SELECT StatoRegP FROM PrestazioniAR WHERE R_IdPra = %1").arg(demo::kPraSantoro)),
        1);
}

TEST_P(CaseWrites, AmlServiceDeleted) {
    const QJsonArray script = {QJsonObject{{"fire", "cmdCancella"}, {"event", "Click"}}};
    const FaultReport report = expectNoBrokenPromise(
        amlScenario(demo::kPraSantoro, {"Yes"}, script, QStringLiteral("Eliminazione delle prestazioni")));
    EXPECT_TRUE(report.commitFailed);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM PrestazioniAR")), 0);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM SoggettiAntiRiciclaggio")), 1);  // kept
}

INSTANTIATE_TEST_SUITE_P(Engines, CaseWrites, ::testing::ValuesIn(enginesUnderTest()),
                         [](const auto& info) { return engineName(info.param).toStdString(); });

}  // namespace
}  // namespace tolmo::test
