// The document folder of every saved case: made after the save, found again by its marker,
// renamed with its stored paths when the names in it change.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "CaseFixture.h"
#include "core/TolmoPratica.h"
#include "extras/CaseFolder.h"
#include "schema/DemoFirm.h"

namespace tolmo::test {
namespace {

using namespace schema::demo;

const QString kRicreare = QStringLiteral("ATTENZIONE La cartella Documenti Pratiche è stata cancellata.");
const QString kRinominare =
    QStringLiteral("ATTENZIONE!\r\nLa cartella associata alla pratica verrà RINOMINATA");

/// A disk that refuses every rename.
class DiscoCheRifiuta : public extras::Disco {
public:
    bool rinomina(const QString&, const QString&) override { return false; }
};

class CaseFolders : public CaseTest {
protected:
    /// A new case of Bianco against Verdi at `posizione`, confirmed; its id.
    int salvaNuova(const QString& posizione) {
        nuovaPratica(kAnaBiancoAlessandro, posizione);
        EXPECT_TRUE(call("Conferma").value("result").toBool());
        return eventArgs("NewId").at(0).toInt();
    }
    QJsonArray cartelle(int caso) {
        return rows(QStringLiteral("SELECT Titolo, Posizione, DataCreazione, IsCartella, IsCartellaFascicolo "
                                   "FROM Documenti WHERE Codice_Pra = %1 ORDER BY ID")
                        .arg(caso));
    }
    QString posizioneDi(int idDocumento) {
        return scalar(QStringLiteral("SELECT Posizione FROM Documenti WHERE ID = %1").arg(idDocumento))
            .toString();
    }
    int documento(int caso, const QString& titolo, const QString& percorso, bool cartella) {
        sql(QStringLiteral("INSERT INTO Documenti (Titolo, Codice_Pra, Posizione, DataCreazione, IsCartella, "
                           "IsCartellaFascicolo) VALUES ('%1', %2, '%3', '01/02/2024', %4, FALSE)")
                .arg(titolo)
                .arg(caso)
                .arg(percorso, cartella ? "TRUE" : "FALSE"));
        return scalar(QStringLiteral("SELECT MAX(ID) FROM Documenti")).toInt();
    }
    QStringList suDisco() { return QDir(documents.documenti()).entryList(QDir::Dirs | QDir::NoDotAndDotDot); }
    QString messaggi() const {
        QStringList t;
        for (const QJsonObject& b : boxes()) t << b.value("text").toString();
        return t.join(u'|');
    }
    void struttura(const QString& s) {
        sql(QStringLiteral("UPDATE ConfigGenerale SET StrutturaCartelle = '%1'").arg(s));
    }
};

TEST_P(CaseFolders, ANewCaseGetsItsFolderAndItsRowAndASecondSaveNothingMore) {
    const int caso = salvaNuova(QStringLiteral("12/2024\\A"));
    const QString nome = QStringLiteral("Bianco_Verdi_Pos_12_2024_A_PID_%1_P").arg(caso);
    EXPECT_EQ(suDisco(), QStringList{nome});
    const QJsonArray righe = cartelle(caso);
    ASSERT_EQ(righe.size(), 1);
    const QJsonArray r = righe.at(0).toArray();
    EXPECT_EQ(r.at(0).toString(), nome);
    EXPECT_EQ(r.at(1).toString(), QDir::toNativeSeparators(documents.documenti() + u'/' + nome));
    EXPECT_EQ(r.at(2).toString(), QDate::currentDate().toString("dd/MM/yyyy"));
    EXPECT_TRUE(r.at(3).toBool());
    EXPECT_TRUE(r.at(4).toBool());

    // Saved again under the same names: the folder is there, nothing is asked or written.
    ASSERT_TRUE(call("Modifica", {caso}).value("result").toBool());
    ASSERT_TRUE(call("Conferma").value("result").toBool());
    EXPECT_TRUE(boxes().isEmpty()) << messaggi().toStdString();
    EXPECT_EQ(cartelle(caso).size(), 1);
    EXPECT_EQ(suDisco(), QStringList{nome});
}

TEST_P(CaseFolders, AStructureOutsideTheFiveAndADeclinedRootMakeNoFolder) {
    struttura(QStringLiteral("CLI_POS"));
    const int senza = salvaNuova(QStringLiteral("7"));
    EXPECT_TRUE(suDisco().isEmpty());
    EXPECT_TRUE(cartelle(senza).isEmpty());

    struttura(QStringLiteral("CLI_CO"));
    ASSERT_TRUE(QDir(documents.documenti()).removeRecursively());
    answer({"No"});
    const int rifiutata = salvaNuova(QStringLiteral("8"));
    EXPECT_TRUE(messaggi().startsWith(kRicreare)) << messaggi().toStdString();
    EXPECT_FALSE(QDir(documents.documenti()).exists());
    EXPECT_TRUE(cartelle(rifiutata).isEmpty());

    answer({"Yes"});
    const int ricreata = salvaNuova(QStringLiteral("9"));
    EXPECT_EQ(suDisco(), QStringList{QStringLiteral("Bianco_Verdi_PID_%1_P").arg(ricreata)});
    EXPECT_EQ(cartelle(ricreata).size(), 1);
}

// The folder row and every path under it follow the rename; another case's paths that only
// begin alike stay as they are. No leaves disk and rows alone.
TEST_P(CaseFolders, ARenameAnsweredYesRewritesEveryPathUnderTheFolderAndNoChangesNothing) {
    const int caso = salvaNuova(QStringLiteral("5"));
    const QString vecchia = documents.documenti() + QStringLiteral("/Bianco_Verdi_Pos_5_PID_%1_P").arg(caso);
    ASSERT_TRUE(QDir().mkpath(vecchia + "/Atti"));
    QFile atto(vecchia + "/Atti/citazione.pdf");
    ASSERT_TRUE(atto.open(QIODevice::WriteOnly));
    atto.close();
    const int sottocartella = documento(caso, "Atti", vecchia + "/Atti", true);
    const int file = documento(caso, "citazione.pdf", vecchia + "/Atti/citazione.pdf", false);
    const int altro = documento(kPraEsposito, "estraneo", vecchia + "0/x.pdf", false);

    ASSERT_TRUE(call("Modifica", {caso}).value("result").toBool());
    type("ctlTestata1.txtPosizione", "5 bis");
    answer({"No"});
    ASSERT_TRUE(call("Conferma").value("result").toBool());
    EXPECT_TRUE(messaggi().startsWith(kRinominare)) << messaggi().toStdString();
    EXPECT_EQ(suDisco(), QStringList{QFileInfo(vecchia).fileName()});
    EXPECT_EQ(posizioneDi(file), vecchia + "/Atti/citazione.pdf");
    EXPECT_EQ(cartelle(caso).size(), 3);

    ASSERT_TRUE(call("Modifica", {caso}).value("result").toBool());
    type("ctlTestata1.txtPosizione", "5 ter");
    answer({"Yes"});
    ASSERT_TRUE(call("Conferma").value("result").toBool());
    const QString nome = QStringLiteral("Bianco_Verdi_Pos_5 ter_PID_%1_P").arg(caso);
    const QString nuova = documents.documenti() + u'/' + nome;
    EXPECT_EQ(suDisco(), QStringList{nome});
    EXPECT_TRUE(QFile::exists(nuova + "/Atti/citazione.pdf"));
    const QJsonArray propria =
        rows(QStringLiteral("SELECT Titolo, Posizione FROM Documenti WHERE Codice_Pra = %1 "
                            "AND IsCartellaFascicolo = TRUE")
                 .arg(caso));
    EXPECT_EQ(propria, (QJsonArray{QJsonArray{nome, nuova}}));
    EXPECT_EQ(posizioneDi(sottocartella), nuova + "/Atti");
    EXPECT_EQ(scalar(QStringLiteral("SELECT Titolo FROM Documenti WHERE ID = %1").arg(sottocartella)),
              "Atti");
    EXPECT_EQ(posizioneDi(file), nuova + "/Atti/citazione.pdf");
    EXPECT_EQ(posizioneDi(altro), vecchia + "0/x.pdf");
}

// The remembered folder gone from disk: a new one is made. A disk that refuses the rename leaves
// the rows as they were, and the case gets a new folder of its own.
TEST_P(CaseFolders, AMissingOrUnrenamableFolderLeavesItsRowsAndANewFolderIsMade) {
    const int caso = salvaNuova(QStringLiteral("3"));
    const QString prima = documents.documenti() + QStringLiteral("/Bianco_Verdi_Pos_3_PID_%1_P").arg(caso);
    ASSERT_TRUE(QDir(prima).removeRecursively());
    ASSERT_TRUE(call("Modifica", {caso}).value("result").toBool());
    type("ctlTestata1.txtPosizione", "4");
    ASSERT_TRUE(call("Conferma").value("result").toBool());
    EXPECT_TRUE(boxes().isEmpty()) << messaggi().toStdString();
    const QString seconda = QStringLiteral("Bianco_Verdi_Pos_4_PID_%1_P").arg(caso);
    EXPECT_EQ(suDisco(), QStringList{seconda});
    EXPECT_EQ(cartelle(caso).size(), 2);

    session->component().section<extras::CaseFolder>()->setDisco(std::make_unique<DiscoCheRifiuta>());
    ASSERT_TRUE(call("Modifica", {caso}).value("result").toBool());
    type("ctlTestata1.txtPosizione", "6");
    answer({"Yes"});
    ASSERT_TRUE(call("Conferma").value("result").toBool());
    EXPECT_TRUE(messaggi().startsWith(kRinominare)) << messaggi().toStdString();
    const QString terza = QStringLiteral("Bianco_Verdi_Pos_6_PID_%1_P").arg(caso);
    EXPECT_EQ(suDisco(), (QStringList{seconda, terza}));
    const QJsonArray righe = cartelle(caso);
    ASSERT_EQ(righe.size(), 3);
    EXPECT_EQ(righe.at(1).toArray().at(0).toString(), seconda);  // as it was
    EXPECT_EQ(righe.at(2).toArray().at(0).toString(), terza);
}

// Without a root of the person's choice the folders go under the documents of the person, and
// that root is made without asking: it was never there to be deleted.
TEST_P(CaseFolders, WithoutAChosenRootTheFoldersGoUnderThePersonsDocuments) {
    QTemporaryDir casa;
    const QByteArray home = qgetenv("HOME"), xdg = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", casa.path().toUtf8());
    qunsetenv("XDG_CONFIG_HOME");
    settings.remove("startup", "PathRicerche");
    const int caso = salvaNuova(QStringLiteral("1"));
    const QStringList chiesti = boxes().isEmpty() ? QStringList{} : QStringList{messaggi()};
    qputenv("HOME", home);
    if (!xdg.isEmpty()) qputenv("XDG_CONFIG_HOME", xdg);
    EXPECT_TRUE(chiesti.isEmpty()) << chiesti.join(u'|').toStdString();
    EXPECT_TRUE(QDir(casa.path() +
                     QStringLiteral("/Documents/Tolmo Studio/Documenti Pratiche/Bianco_Verdi_Pos_1_PID_%1_P")
                         .arg(caso))
                    .exists());
}

INSTANTIATE_TEST_SUITE_P(Engines, CaseFolders, ::testing::ValuesIn(enginesUnderTest()),
                         [](const auto& info) { return engineName(info.param).toStdString(); });

}  // namespace
}  // namespace tolmo::test
