// Two workstations on one archive, each its own tolmo-host process: the second to save a case
// the first changed meanwhile is asked, new cases never share an automatic position, and saves
// wait for each other instead of failing.

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include "CaseFixture.h"
#include "HostProcess.h"
#include "schema/DemoFirm.h"

namespace tolmo::test {
namespace {

using namespace schema::demo;

const QString kCambiata = QStringLiteral("La pratica è stata modificata su un'altra postazione");

class Workstations : public ::testing::TestWithParam<Engine> {
protected:
    void SetUp() override {
        db = std::make_unique<ScratchDatabase>(GetParam());
        {
            platform::MemorySettings settings;
            SessionDriver demo(settings, db->url());  // makes the demo firm
        }
        conn = db->connect();
        a = std::make_unique<HostProcess>(db->url());
        b = std::make_unique<HostProcess>(db->url());
        for (HostProcess* w : {a.get(), b.get()}) ASSERT_TRUE(startLikeAHost(w->sender()));
    }
    QString note(int caso) {
        QSqlQuery q = conn->query(QStringLiteral("SELECT Note FROM Pratica WHERE ID_Pra = ?"), {caso});
        return q.next() ? q.value(0).toString() : QString();
    }
    static bool modifica(HostProcess& w, int caso, const QString& testo) {
        return w.call(QStringLiteral("Modifica"), {caso}).value("result").toBool() &&
               typeInto(w.sender(), QStringLiteral("txtNOTE"), testo);
    }
    static bool conferma(HostProcess& w) {
        return w.call(QStringLiteral("Conferma")).value("result").toBool();
    }
    static void answer(HostProcess& w, const QString& risposta) {
        w.send({{"answer", QJsonArray{risposta}}});
    }

    std::unique_ptr<ScratchDatabase> db;
    ConnectionPtr conn;
    std::unique_ptr<HostProcess> a, b;
};

TEST_P(Workstations, TheSecondToSaveIsToldKeepsWhatItTypedAndChooses) {
    ASSERT_TRUE(modifica(*a, kPraEsposito, "scritto da A"));
    ASSERT_TRUE(modifica(*b, kPraEsposito, "scritto da B"));
    ASSERT_TRUE(conferma(*a));
    EXPECT_TRUE(a->messages().isEmpty()) << a->messages().join('\n').toStdString();

    // Cancel: nothing written, B still editing what it typed.
    answer(*b, "Cancel");
    EXPECT_FALSE(conferma(*b));
    ASSERT_EQ(b->messages().size(), 1);
    EXPECT_TRUE(b->messages().first().startsWith(kCambiata)) << b->messages().first().toStdString();
    EXPECT_EQ(note(kPraEsposito), "scritto da A");
    EXPECT_EQ(fieldOf(b->sender(), "txtNOTE").value("text").toString(), "scritto da B");
    EXPECT_EQ(b->send({{"dump", "state"}}).value("state").toObject().value("editState").toInt(), 2);

    // Yes: B saves over A, knowingly; A, editing again, now finds B's version.
    answer(*b, "Yes");
    EXPECT_TRUE(conferma(*b));
    EXPECT_EQ(note(kPraEsposito), "scritto da B");
    ASSERT_TRUE(modifica(*a, kPraEsposito, "di nuovo A"));
    ASSERT_TRUE(modifica(*b, kPraEsposito, "di nuovo B"));
    ASSERT_TRUE(conferma(*b));

    // No: A is shown B's version and leaves the modification.
    answer(*a, "No");
    EXPECT_FALSE(conferma(*a));
    ASSERT_EQ(a->messages().size(), 1);
    EXPECT_TRUE(a->messages().first().startsWith(kCambiata));
    EXPECT_EQ(note(kPraEsposito), "di nuovo B");
    EXPECT_EQ(fieldOf(a->sender(), "txtNOTE").value("text").toString(), "di nuovo B");
    EXPECT_EQ(a->send({{"dump", "state"}}).value("state").toObject().value("editState").toInt(), 1);

    // Its own last save is no clash for a workstation that opens the case again.
    ASSERT_TRUE(modifica(*a, kPraEdilnord, "prima"));
    ASSERT_TRUE(conferma(*a));
    ASSERT_TRUE(modifica(*a, kPraEdilnord, "seconda"));
    ASSERT_TRUE(conferma(*a));
    EXPECT_TRUE(a->messages().isEmpty());
}

// A shows the case, B changes its header and saves, then A opens it for modification: A edits
// B's header, not the one it was shown, and writes nothing of the old one back.
TEST_P(Workstations, AModificationStartsFromWhatAnotherWorkstationSavedSinceTheCaseWasShown) {
    a->call(QStringLiteral("VisualizzaPratica"), {kPraEsposito});
    ASSERT_TRUE(b->call(QStringLiteral("Modifica"), {kPraEsposito}).value("result").toBool());
    ASSERT_TRUE(typeInto(b->sender(), "ctlTestata1.txtNumeroRegGenerale", "777/2026"));
    ASSERT_TRUE(conferma(*b));
    ASSERT_TRUE(modifica(*a, kPraEsposito, "nota di A"));
    EXPECT_EQ(fieldOf(a->sender(), "ctlTestata1.txtNumeroRegGenerale").value("text").toString(), "777/2026");
    ASSERT_TRUE(conferma(*a));
    QSqlQuery q =
        conn->query(QStringLiteral("SELECT NumeroRegGenerale FROM Pratica WHERE ID_Pra = ?"), {kPraEsposito});
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), "777/2026");
    EXPECT_EQ(note(kPraEsposito), "nota di A");
}

TEST_P(Workstations, NewCasesInsertedTogetherNeverShareTheAutomaticPosition) {
    const auto inserisci = [](HostProcess& w) {
        w.call(QStringLiteral("Inserimento"));
        return fieldOf(w.sender(), "ctlTestata1.txtPosizione").value("text").toString();
    };
    const QString proposta = inserisci(*a);
    EXPECT_EQ(inserisci(*b), proposta);  // both were shown the same next number
    QList<int> nuovi;
    for (HostProcess* w : {a.get(), b.get()}) {
        ASSERT_TRUE(
            chooseIn(w->sender(), "ctlTestata1.txtCognomeCliente", 2, QString::number(kAnaBiancoAlessandro)));
        ASSERT_TRUE(conferma(*w));
        EXPECT_TRUE(w->messages().isEmpty()) << w->messages().join('\n').toStdString();
        nuovi << w->send({{"dump", "state"}}).value("state").toObject().value("currentId").toInt();
    }
    QSqlQuery q = conn->query(
        QStringLiteral("SELECT Posizione, NumPos FROM Pratica WHERE ID_Pra IN (?, ?) ORDER BY ID_Pra"),
        {nuovi.at(0), nuovi.at(1)});
    QStringList posizioni;
    while (q.next()) posizioni << q.value(0).toString();
    EXPECT_EQ(posizioni, (QStringList{proposta, QString::number(proposta.toInt() + 1)}));
    // The second workstation shows the number it was given.
    EXPECT_EQ(fieldOf(b->sender(), "ctlTestata1.txtPosizione").value("text").toString(), posizioni.value(1));

    // A position typed by hand is the person's: it is written as typed, after the usual question.
    a->call(QStringLiteral("Inserimento"));
    ASSERT_TRUE(typeInto(a->sender(), "ctlTestata1.txtPosizione", posizioni.value(1)));
    ASSERT_TRUE(
        chooseIn(a->sender(), "ctlTestata1.txtCognomeCliente", 2, QString::number(kAnaBiancoAlessandro)));
    answer(*a, "Yes");
    ASSERT_TRUE(conferma(*a));
    EXPECT_EQ(a->messages(), QStringList{"Esiste un'altra Pratica con la stessa Posizione. Continuare ?"});
}

TEST_P(Workstations, SavesWaitForAnotherWorkstationsTransactionInsteadOfFailing) {
    ASSERT_TRUE(modifica(*b, kPraEsposito, "dopo l'attesa"));
    {
        // Another workstation holds the archive (SQLite) or the row (PostgreSQL) for a while.
        Transaction altra(*conn);
        conn->Execute(QStringLiteral("UPDATE Pratica SET VersioneRiga = VersioneRiga WHERE ID_Pra = ?"),
                      {kPraEsposito});
        b->post({{"call", "Conferma"}, {"args", QJsonArray{}}});
        EXPECT_TRUE(b->taceFinoA(1500)) << "B saved while the other held the archive";
        altra.commit();
    }
    EXPECT_TRUE(b->reply().value("result").toBool());
    EXPECT_TRUE(b->messages().isEmpty()) << b->messages().join('\n').toStdString();
    EXPECT_EQ(note(kPraEsposito), "dopo l'attesa");

    // Both save over and over at the same moment, each its own case, commands queued at once.
    constexpr int kGiri = 15;
    const auto accoda = [](HostProcess& w, int caso, const QString& chi) {
        for (int i = 0; i < kGiri; ++i)
            for (const QJsonObject& c : {QJsonObject{{"call", "Modifica"}, {"args", QJsonArray{caso}}},
                                         QJsonObject{{"set", "txtNOTE"}, {"text", chi + QString::number(i)}},
                                         QJsonObject{{"call", "Conferma"}, {"args", QJsonArray{}}}})
                w.post(c);
    };
    accoda(*a, kPraEdilnord, "A");
    accoda(*b, kPraBianco, "B");
    for (HostProcess* w : {a.get(), b.get()})
        for (int i = 0; i < kGiri * 3; ++i) {
            const QJsonObject r = w->reply();
            EXPECT_FALSE(r.contains("error")) << ::testing::PrintToString(r);
            if (i % 3 != 1) {
                EXPECT_TRUE(r.value("result").toBool()) << ::testing::PrintToString(r);
            }
            EXPECT_TRUE(w->messages().isEmpty()) << w->messages().join('\n').toStdString();
        }
    EXPECT_EQ(note(kPraEdilnord), "A" + QString::number(kGiri - 1));
    EXPECT_EQ(note(kPraBianco), "B" + QString::number(kGiri - 1));
}

// A dialog that writes at once: B has shown the row and typed, A saves it first.
class DialogsAtOnce : public Workstations {
protected:
    /// B opens `form` with `trigger` and runs `primaDiScrivere`, then waits while A runs
    /// `scriptA` in the same dialog, then runs `scrivi`; B answers the question with `risposta`.
    QList<QJsonObject> bDopoA(const QString& form, const QString& trigger, const QJsonArray& primaDiScrivere,
                              const QJsonArray& scriptA, const QJsonArray& scrivi, const QString& risposta) {
        const QString pronto = dir.filePath("b-pronto"), fatto = dir.filePath("a-fatto");
        QFile::remove(pronto);
        QFile::remove(fatto);
        QJsonArray scriptB = primaDiScrivere;
        scriptB.append(QJsonObject{{"segnala", pronto}});
        scriptB.append(QJsonObject{{"attendi", fatto}});
        for (const QJsonValue& v : scrivi) scriptB.append(v);
        scriptB.append(kDump);
        answer(*b, risposta);
        b->send({{"onshow", form}, {"script", scriptB}});
        b->post({{"fire", trigger}, {"event", "Click"}});
        QDeadlineTimer limite(60000);
        while (!QFile::exists(pronto) && !limite.hasExpired()) QThread::msleep(20);
        a->send({{"onshow", form}, {"script", scriptA}});
        a->send({{"fire", trigger}, {"event", "Click"}});
        QFile(fatto).open(QIODevice::WriteOnly);
        b->reply();
        QList<QJsonObject> dumps;
        for (const QJsonObject& h : b->happened)
            if (h.contains("form")) dumps << h.value("form").toObject();
        return dumps;
    }
    double importoPrimaMarca() {
        QSqlQuery q = conn->query(
            QStringLiteral("SELECT Importo FROM EstremiPagamento WHERE R_Id_Pratica = ? ORDER BY Id"),
            {kPraEsposito});
        return q.next() ? q.value(0).toDouble() : -1;
    }
    QTemporaryDir dir;
};

TEST_P(DialogsAtOnce, APaymentChangedElsewhereIsNotWrittenOverUnasked) {
    for (HostProcess* w : {a.get(), b.get()})
        ASSERT_TRUE(w->call("Modifica", {kPraEsposito}).value("result").toBool());
    const QJsonArray scriptA = {click("cmdModifica"), set("mskValoreMarca", "32,00"), click("cmdSalva")};
    // No: B is shown A's amount.
    QList<QJsonObject> dumps =
        bDopoA("dlgEstremiPagamento", "cmdEstremi", {click("cmdModifica"), set("mskValoreMarca", "40,00")},
               scriptA, {click("cmdSalva")}, "No");
    ASSERT_EQ(b->messages().size(), 1) << b->messages().join('\n').toStdString();
    EXPECT_TRUE(
        b->messages().first().startsWith("Gli estremi del pagamento sono stati modificati su un'altra"));
    EXPECT_EQ(importoPrimaMarca(), 32.0);
    ASSERT_EQ(dumps.size(), 1);
    EXPECT_EQ(dumps.first().value("mskValoreMarca").toObject().value("text").toString(), "32,00");

    // Yes: B saves over A knowingly.
    dumps =
        bDopoA("dlgEstremiPagamento", "cmdEstremi", {click("cmdModifica"), set("mskValoreMarca", "40,00")},
               {click("cmdModifica"), set("mskValoreMarca", "50,00"), click("cmdSalva")}, {click("cmdSalva")},
               "Yes");
    ASSERT_EQ(b->messages().size(), 1);
    EXPECT_EQ(importoPrimaMarca(), 40.0);
}

TEST_P(DialogsAtOnce, AnAmlServiceChangedElsewhereIsNotWrittenOverUnasked) {
    const auto importo = [this] {
        QSqlQuery q = conn->query(QStringLiteral("SELECT ImportoPrest FROM PrestazioniAR WHERE R_IdPra = ?"),
                                  {kPraSantoro});
        return q.next() ? q.value(0).toDouble() : -1;
    };
    for (HostProcess* w : {a.get(), b.get()}) w->call("VisualizzaPratica", {kPraSantoro});
    bDopoA("frmGestAR", "cmdAR", {set("TDImportoPrest", "20000")},
           {set("TDImportoPrest", "30000"), click("cmdConferma")}, {click("cmdConferma")}, "Cancel");
    ASSERT_EQ(b->messages().size(), 1) << b->messages().join('\n').toStdString();
    EXPECT_TRUE(b->messages().first().startsWith("La prestazione antiriciclaggio è stata modificata"));
    EXPECT_EQ(importo(), 30000.0);

    bDopoA("frmGestAR", "cmdAR", {set("TDImportoPrest", "20000")},
           {set("TDImportoPrest", "35000"), click("cmdConferma")}, {click("cmdConferma")}, "Yes");
    EXPECT_EQ(importo(), 20000.0);
    EXPECT_EQ(b->messages().size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Engines, DialogsAtOnce, ::testing::ValuesIn(enginesUnderTest()),
                         [](const auto& info) { return engineName(info.param).toStdString(); });

INSTANTIATE_TEST_SUITE_P(Engines, Workstations, ::testing::ValuesIn(enginesUnderTest()),
                         [](const auto& info) { return engineName(info.param).toStdString(); });

}  // namespace
}  // namespace tolmo::test
