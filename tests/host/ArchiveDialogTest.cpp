// "Apri archivio" driven through tolmo-host: a file or a server database chosen, a new archive
// prepared, an archive that cannot be opened told in one sentence with the dialog left open
// for another, the recent archives kept without a password.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <cstdio>

#include "CaseFixture.h"
#include "apps/common/HostKit.h"
#include "apps/common/RecentArchives.h"
#include "schema/DemoFirm.h"
#include "schema/Schema.h"
#include "support/NaughtyStrings.h"
#include "support/SessionDriver.h"

namespace tolmo::test {
namespace {

QJsonObject pick(const char* control, int index) { return {{"set", control}, {"index", index}}; }

class ArchiveDialog : public CaseTest {
protected:
    /// The dialog's lines that describe the archive at `url`, the way a person types it.
    static QJsonArray fieldsOf(const QString& url) {
        if (url.startsWith(QStringLiteral("sqlite:")))
            return {pick("optTipo", 0), set("txtFile", url.mid(7))};
        const QUrl u(url);
        return {pick("optTipo", 1), set("txtServer", u.host()),
                set("txtPorta", QString::number(u.port(5432))), set("txtDatabase", u.path().mid(1)),
                set("txtUtente", u.userName())};
    }
    /// Opens "Apri archivio", runs `script` in it, and gives the driver's reply.
    QJsonObject apri(const QJsonArray& script) {
        send({{"onshow", "frmApriArchivio"}, {"script", script}});
        return send({{"archivio", "apri"}});
    }
    static QJsonArray with(QJsonArray lines, const QJsonObject& last) {
        lines.append(last);
        return lines;
    }
    QStringList boxTexts() const {
        QStringList out;
        for (const QJsonObject& b : boxes()) out << b.value("text").toString();
        return out;
    }
    /// A database of this engine with nothing in it: for SQLite a file name not yet taken.
    QString emptyArchive() {
        if (GetParam() == Engine::SQLite)
            return QStringLiteral("sqlite:") + dir.filePath(QStringLiteral("nuovo.sqlite"));
        other = std::make_unique<ScratchDatabase>(GetParam());
        return other->url();
    }
    std::unique_ptr<ScratchDatabase> other;
    QTemporaryDir dir;
};

TEST_P(ArchiveDialog, ANewArchiveGetsTheFirmsBaseAndTheCaseCycleWorksOnIt) {
    const QString url = emptyArchive();
    answer({"Yes"});  // SQLite: "Il file ... non esiste: creare un nuovo archivio?"
    const QJsonObject reply = apri(with(fieldsOf(url), click("cmdApri")));
    ASSERT_EQ(reply.value("archivio").toString(), hostkit::descriviArchivio(url))
        << QJsonDocument(reply).toJson().toStdString();
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM Pratica").toInt(), 1);  // the system case only
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM Anagrafica").toInt(), 1);
    EXPECT_EQ(scalar("SELECT NomeUtente FROM Utenti").toString(), QStringLiteral("Amministratore"));
    EXPECT_GT(scalar("SELECT COUNT(*) FROM Classificatore").toInt(), 0);
    EXPECT_EQ(hostkit::RecentArchives(settings).ultimo(), url);

    // The new component works on the new archive: a client registered, a case confirmed.
    call("Start");
    call("SettaCambioValuta", {"1936,27", "EURO"});
    EXPECT_TRUE(call("SettaContabilita", {schema::demo::kUtenteAmministratore}).value("result").toBool());
    sql("INSERT INTO Anagrafica (Cognome, Nome, Categoria) VALUES ('Verdi', 'Anna', 'Cliente')");
    nuovaPratica(scalar("SELECT MAX(ID_Ana) FROM Anagrafica").toInt(), "1");
    call("Conferma");
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM Pratica WHERE Posizione = '1'").toInt(), 1)
        << boxTexts().join("|").toStdString();
}

TEST_P(ArchiveDialog, TheDemoFirmOnlyWhenAsked) {
    const QString url = emptyArchive();
    answer({"Yes"});
    QJsonArray script = fieldsOf(url);
    script.append(QJsonObject{{"set", "chkDemo"}, {"checked", true}});
    script.append(click("cmdApri"));
    ASSERT_TRUE(apri(script).value("archivio").isString());
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM Pratica").toInt(), schema::demo::kPratiche);
}

TEST_P(ArchiveDialog, AnArchiveThatCannotBeOpenedIsToldAndAnotherChosen) {
    const QString url = emptyArchive();
    schema::openDatabase(url);  // a demo firm, opened once: it is in the recent list
    hostkit::RecentArchives(settings).ricorda(url);

    // Port 1 never has a server; the dialog says so and stays open; the recent archive opens.
    QJsonArray script =
        with(fieldsOf(QStringLiteral("postgresql://tolmo@127.0.0.1:1/studio")), click("cmdApri"));
    script.append(kDump);
    script.append(QJsonObject{{"fire", "lstRecenti"}, {"event", "Choose"}, {"row", 0}});
    script.append(click("cmdApri"));
    const QJsonObject reply = apri(script);
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes().at(0).value("text").toString(),
              QStringLiteral(
                  "Il server PostgreSQL 127.0.0.1:1 non risponde: controllare il nome e la porta, e che il "
                  "server sia acceso e raggiungibile.\n\nScegliere un altro archivio o correggere i dati."));
    EXPECT_EQ(reply.value("archivio").toString(), hostkit::descriviArchivio(url));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM Pratica").toInt(), schema::demo::kPratiche);
}

TEST_P(ArchiveDialog, AWrongDatabaseIsRefusedAndLeftAsItWas) {
    // A database of another program: a table that is not ours.
    const QString url = emptyArchive();
    {
        ConnectionPtr c = Connection::open(url);
        c->Execute(QStringLiteral("CREATE TABLE Fornitori (Id INTEGER PRIMARY KEY, Nome VARCHAR(50))"));
    }
    QJsonObject reply = apri(with(fieldsOf(url), click("cmdApri")));
    EXPECT_TRUE(reply.value("archivio").isNull());
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_TRUE(boxes().at(0).value("text").toString().contains(QStringLiteral(
        "contiene le tabelle di un altro programma: non è un archivio di Tolmo Studio e non viene "
        "modificato.")));
    EXPECT_FALSE(schema::hasSchema(*Connection::open(url)));
    EXPECT_TRUE(hostkit::RecentArchives(settings).elenco().isEmpty());

    // A database that is not there at all.
    if (GetParam() == Engine::PostgreSQL) {
        QUrl missing(url);
        missing.setPath(QStringLiteral("/tolmo_archivio_inesistente"));
        reply = apri(with(fieldsOf(missing.toString()), click("cmdApri")));
        EXPECT_TRUE(reply.value("archivio").isNull());
        ASSERT_EQ(boxes().size(), 1);
        EXPECT_TRUE(boxes().at(0).value("text").toString().startsWith(
            QStringLiteral("Sul server PostgreSQL %1:%2 non esiste il database «tolmo_archivio_inesistente».")
                .arg(missing.host())
                .arg(missing.port())));
    } else {
        const QString path = dir.filePath(QStringLiteral("lettera.sqlite"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("Gentile avvocato, in allegato la memoria.\n").repeated(100));
        file.close();
        reply = apri(with(fieldsOf(QStringLiteral("sqlite:") + path), click("cmdApri")));
        EXPECT_TRUE(reply.value("archivio").isNull());
        ASSERT_EQ(boxes().size(), 1);
        EXPECT_TRUE(boxes().at(0).value("text").toString().startsWith(
            QStringLiteral("Il file «%1» non è un archivio: non è un database SQLite.").arg(path)));
    }
    // The session still works on the archive it had.
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM Pratica").toInt(), schema::demo::kPratiche);
}

TEST_P(ArchiveDialog, ANewerArchiveIsRefusedAndAnOlderOneUpgradedAfterSayingSo) {
    const QString url = emptyArchive();
    schema::openDatabase(url)->Execute(QStringLiteral("UPDATE VersioneSchema SET Versione = 99"));
    QJsonObject reply = apri(with(fieldsOf(url), click("cmdApri")));
    EXPECT_TRUE(reply.value("archivio").isNull());
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_TRUE(boxes().at(0).value("text").toString().startsWith(
        QStringLiteral("L'archivio è stato preparato da una versione più recente del programma (schema 99")));

    Connection::open(url)->Execute(QStringLiteral("UPDATE VersioneSchema SET Versione = ?"),
                                   {schema::kVersioneSchema - 1});
    reply = apri(with(fieldsOf(url), click("cmdApri")));
    ASSERT_TRUE(reply.value("archivio").isString()) << QJsonDocument(reply).toJson().toStdString();
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes().at(0).value("text").toString(),
              hostkit::testoAggiornamento(schema::kVersioneSchema - 1, schema::kVersioneSchema));
    EXPECT_EQ(scalar("SELECT Versione FROM VersioneSchema").toInt(), schema::kVersioneSchema);
}

TEST_P(ArchiveDialog, WhatIsMissingIsAskedForAndAnEditIsNeverDropped) {
    const QJsonArray script = {pick("optTipo", 1),
                               set("txtServer", " "),
                               click("cmdApri"),
                               set("txtServer", "localhost"),
                               set("txtDatabase", "studio"),
                               set("txtUtente", "tolmo"),
                               set("txtPorta", "54321x"),
                               click("cmdApri"),
                               pick("optTipo", 0),
                               set("txtFile", ""),
                               click("cmdApri"),
                               set("txtFile", dir.path()),
                               click("cmdApri")};
    EXPECT_TRUE(apri(script).value("archivio").isNull());
    EXPECT_EQ(boxTexts(),
              (QStringList{
                  QStringLiteral("Indicare il server PostgreSQL."),
                  QStringLiteral("La porta del server è un numero da 1 a 65535."),
                  QStringLiteral("Indicare il file dell'archivio."),
                  QStringLiteral("«%1» è una cartella: indicare il file dell'archivio.").arg(dir.path())}));
    // A new file the person does not want is not made.
    answer({"No"});
    const QString path = dir.filePath(QStringLiteral("errore.sqlite"));
    EXPECT_TRUE(
        apri(with(fieldsOf(QStringLiteral("sqlite:") + path), click("cmdApri"))).value("archivio").isNull());
    EXPECT_FALSE(QFile::exists(path));

    call("VisualizzaPratica", {schema::demo::kPraEsposito});
    call("Modifica");
    EXPECT_EQ(send({{"archivio", "apri"}}).value("error").toString(),
              QStringLiteral("Confermare o annullare la pratica prima di aprire un altro archivio."));
}

// Whatever is typed as a file or a database name is told in one sentence and opens nothing:
// on PostgreSQL the server is asked for a database it does not have, on SQLite a new file is
// declined when the dialog offers to make it.
TEST_P(ArchiveDialog, HostileNamesAreToldAndOpenNothing) {
    const bool lite = GetParam() == Engine::SQLite;
    const QUrl server(db->url());
    int swept = 0;
    for (const QString& s : naughtyStrings(lite)) {
        const QString name = s.trimmed();
        if (name.isEmpty() || name.contains(u'/')) continue;
        QJsonArray script;
        if (lite) {
            answer({"No"});
            script = fieldsOf(QStringLiteral("sqlite:") + dir.filePath(name));
        } else {
            QUrl other = server;
            other.setPath(QStringLiteral("/tolmo_x_") + name);
            script = fieldsOf(other.toString(QUrl::FullyEncoded));
            script.replace(3, set("txtDatabase", QStringLiteral("tolmo_x_") + name));
        }
        const QJsonObject reply = apri(with(script, click("cmdApri")));
        ASSERT_TRUE(reply.value("archivio").isNull()) << name.toStdString();
        EXPECT_LE(boxes().size(), 1) << name.toStdString();
        for (const QString& text : boxTexts()) EXPECT_FALSE(text.contains(u'\r')) << text.toStdString();
        ++swept;
    }
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM Pratica").toInt(), schema::demo::kPratiche);
    std::printf("%d hostile names swept through the archive dialog\n", swept);
}

INSTANTIATE_TEST_SUITE_P(Engines, ArchiveDialog, ::testing::ValuesIn(enginesUnderTest()),
                         [](const auto& info) { return engineName(info.param).toStdString(); });

}  // namespace
}  // namespace tolmo::test
