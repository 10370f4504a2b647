#include "detail/OpenFailure.h"

#include <QStringList>

namespace tolmo::detail {

namespace {

bool mentions(const QString& text, const QStringList& phrases) {
    for (const QString& phrase : phrases)
        if (text.contains(phrase, Qt::CaseInsensitive)) return true;
    return false;
}

QString oneLine(const QString& text) {
    QString line = text.simplified();
    while (line.endsWith(u'.')) line.chop(1);
    return line;
}

QString server(const DatabaseUrl& url) { return QStringLiteral("%1:%2").arg(url.host).arg(url.port); }

QString postgresSentence(const DatabaseUrl& url, const QString& reason) {
    // libpq's and the server's own words; a client or server speaking another language falls
    // through to the quoted reason.
    if (mentions(reason, {QStringLiteral("could not translate host name")}))
        return QStringLiteral("Il server «%1» non è noto alla rete: controllare il nome del server.")
            .arg(url.host);
    if (mentions(reason,
                 {QStringLiteral("timeout expired"), QStringLiteral("Connection refused"),
                  QStringLiteral("could not connect"), QStringLiteral("No route to host"),
                  QStringLiteral("Network is unreachable"), QStringLiteral("server closed the connection")}))
        return QStringLiteral(
                   "Il server PostgreSQL %1 non risponde: controllare il nome e la porta, e che il "
                   "server sia acceso e raggiungibile.")
            .arg(server(url));
    if (mentions(reason, {QStringLiteral("does not exist")}) && reason.contains(QStringLiteral("database")))
        return QStringLiteral("Sul server PostgreSQL %1 non esiste il database «%2».")
            .arg(server(url), url.database);
    if (mentions(reason, {QStringLiteral("authentication failed"), QStringLiteral("no password supplied"),
                          QStringLiteral("password is required"), QStringLiteral("role"),
                          QStringLiteral("no pg_hba.conf entry")}))
        return QStringLiteral(
                   "Il server PostgreSQL %1 non accetta l'utente «%2»: la password si indica in "
                   "~/.pgpass, in un file di servizio o in PGPASSWORD, e il programma non la conserva.")
            .arg(server(url), url.user);
    return {};
}

QString sqliteSentence(const DatabaseUrl& url, const QString& reason) {
    if (mentions(reason, {QStringLiteral("file is not a database"), QStringLiteral("malformed")}))
        return QStringLiteral("Il file «%1» non è un archivio: non è un database SQLite.").arg(url.path);
    if (mentions(reason,
                 {QStringLiteral("unable to open database file"), QStringLiteral("Error opening database")}))
        return QStringLiteral("Impossibile aprire il file «%1»: la cartella non esiste o non è accessibile.")
            .arg(url.path);
    return {};
}

}  // namespace

QString openFailureSentence(const DatabaseUrl& url, const QString& displayUrl, const QString& reason) {
    const QString known =
        url.dialect == Dialect::PostgreSQL ? postgresSentence(url, reason) : sqliteSentence(url, reason);
    if (!known.isEmpty()) return known;
    return QStringLiteral("Impossibile aprire il database «%1»: %2.").arg(displayUrl, oneLine(reason));
}

}  // namespace tolmo::detail
