// Creating the schema and opening a database, preparing it when it is new.

#include "Schema.h"

#include <QFile>
#include <QFileInfo>

#include "demo/Steps.h"

namespace tolmo::schema {

namespace {

const QString kSqlitePrefix = QStringLiteral("sqlite:");

/// The SQLite file of a "sqlite:PATH" URL, empty for any other engine.
QString sqlitePath(const QString& url) {
    return url.startsWith(kSqlitePrefix, Qt::CaseInsensitive) ? url.mid(kSqlitePrefix.size()) : QString();
}

/// Removes a SQLite database that could not be prepared, so the next opening starts again.
void removeSqliteFiles(const QString& path) {
    for (const QString& suffix :
         {QString(), QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")})
        QFile::remove(path + suffix);
}

void createTables(Connection& c) {
    for (const QString& statement : ddl(c.dialect())) c.Execute(statement);
    c.Execute(QStringLiteral("INSERT INTO VersioneSchema (Versione) VALUES (?)"), {kVersioneSchema});
}

}  // namespace

void createSchema(Connection& c) {
    Transaction tx(c);
    createTables(c);
    tx.commit();
}

bool hasSchema(Connection& c) {
    const QStringList names = c.database().tables(QSql::Tables);
    return names.contains(QStringLiteral("Pratica"), Qt::CaseInsensitive);
}

ConnectionPtr openDatabase(const QString& url, const AvvisoAggiornamento& avvisa, NuovoArchivio nuovo) {
    const QString path = sqlitePath(url);
    const bool newFile = !path.isEmpty() && !QFileInfo::exists(path);
    ConnectionPtr c = Connection::open(url);
    const bool archivio = !newFile && hasSchema(*c);
    if (!newFile && !archivio && !c->database().tables(QSql::TableType(QSql::Tables | QSql::Views)).isEmpty())
        throw DbError(QStringLiteral("Il database «%1» contiene le tabelle di un altro programma: non è un "
                                     "archivio di Tolmo Studio e non viene modificato.")
                          .arg(c->displayString()),
                      url, -1);
    if (archivio) {
        const int versione = versioneArchivio(*c);
        if (versione > kVersioneSchema)
            throw DbError(
                QStringLiteral("L'archivio è stato preparato da una versione più recente del programma "
                               "(schema %1, questa versione legge fino allo schema %2): aggiornare "
                               "il programma per aprirlo.")
                    .arg(versione)
                    .arg(kVersioneSchema),
                url, -1);
        if (versione < kVersioneSchema) {
            if (avvisa) avvisa(versione, kVersioneSchema);
            try {
                aggiornaArchivio(*c, versione);
            } catch (const DbError& e) {
                throw DbError(
                    QStringLiteral("Impossibile aggiornare l'archivio alla versione %1 dello schema; "
                                   "l'archivio è rimasto com'era: %2")
                        .arg(kVersioneSchema)
                        .arg(e.description()),
                    e.source(), e.number());
            }
        }
        return c;
    }
    try {
        // One transaction: a failure leaves the database as empty as it was.
        Transaction tx(*c);
        createTables(*c);
        demo::fillDemoFirm(*c, nuovo == NuovoArchivio::StudioVuoto ? demo::Scope::Base : demo::Scope::Demo);
        tx.commit();
    } catch (const DbError& e) {
        c.reset();
        if (newFile) removeSqliteFiles(path);
        throw DbError(QStringLiteral("Impossibile preparare il nuovo archivio: %1").arg(e.description()),
                      e.source(), e.number());
    }
    return c;
}

}  // namespace tolmo::schema
