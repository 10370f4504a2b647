#include "FirmCache.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QUrl>
#include <cstdio>
#include <stdexcept>

#include "LargeFirm.h"
#include "Results.h"
#include "schema/Schema.h"

namespace tolmo::bench {

namespace {

/// Raise whenever the generated rows change, so that kept firms are generated again.
constexpr int kGeneratorVersion = 4;
const QString kStampTable = QStringLiteral("BenchFirm");

QString fingerprint(Dialect dialect, int cases) {
    const QString text = schema::ddl(dialect).join(QLatin1Char('\n')) +
                         QStringLiteral("\ngenerator %1, %2 cases").arg(kGeneratorVersion).arg(cases);
    return QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha1).toHex());
}

bool isCurrent(Connection& conn, int cases) {
    if (conn.columns(kStampTable).isEmpty()) return false;
    return scalar(conn, QStringLiteral("SELECT Fingerprint FROM ") + kStampTable).toString() ==
           fingerprint(conn.dialect(), cases);
}

void stamp(Connection& conn, int cases) {
    conn.Execute(QStringLiteral("CREATE TABLE %1 (Fingerprint VARCHAR(64))").arg(kStampTable));
    conn.Execute(QStringLiteral("INSERT INTO %1 (Fingerprint) VALUES (?)").arg(kStampTable),
                 {fingerprint(conn.dialect(), cases)});
}

/// Builds the firm into the new database at `url` and closes it.
void build(const QString& url, int cases, const QString& shownAs) {
    QElapsedTimer timer;
    timer.start();
    {
        ConnectionPtr conn = schema::openDatabase(url);
        const FirmShape shape{cases};
        generateLargeFirm(*conn, shape);
        stamp(*conn, cases);
        if (conn->dialect() == Dialect::SQLite)
            conn->query(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        std::fprintf(stderr,
                     "tolmo_bench: generated %d cases, %lld parties, %lld agenda entries, %lld invoices, "
                     "%lld additional parties in %.1f s into %s\n",
                     shape.cases, shape.parties(), shape.agendaEntries(), shape.invoices(),
                     shape.extraParties(), static_cast<double>(timer.elapsed()) / 1000.0,
                     qPrintable(shownAs));
    }
}

void removeSqliteFiles(const QString& path) {
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) QFile::remove(path + QLatin1String(suffix));
}

ConnectionPtr openSqliteFirm(int cases) {
    const QString dir = QStringLiteral(TOLMO_BENCH_DATA_DIR);
    QDir().mkpath(dir);
    const QString path = QStringLiteral("%1/firm-%2.sqlite").arg(dir).arg(cases);
    const QString url = QStringLiteral("sqlite:") + path;
    if (QFile::exists(path)) {
        // Opened as it is: a firm of another schema is made again, never upgraded.
        ConnectionPtr conn = Connection::open(url);
        if (isCurrent(*conn, cases)) return conn;
    }
    const QString partial = path + QStringLiteral(".partial");
    removeSqliteFiles(partial);
    build(QStringLiteral("sqlite:") + partial, cases, path);
    removeSqliteFiles(path);
    if (!QFile::rename(partial, path)) throw std::runtime_error("cannot rename " + partial.toStdString());
    removeSqliteFiles(partial);
    return schema::openDatabase(url);
}

QString databaseUrl(const QString& serverUrl, const QString& database) {
    QUrl url(serverUrl);
    url.setPath(QLatin1Char('/') + database);
    return url.toString();
}

bool databaseExists(Connection& server, const QString& name) {
    return !scalar(server, QStringLiteral("SELECT 1 FROM pg_database WHERE datname = ?"), {name}).isNull();
}

ConnectionPtr openPostgresFirm(int cases) {
    const QString server = qEnvironmentVariable("TOLMO_BENCH_PG_URL");
    if (server.isEmpty())
        throw std::runtime_error("--pg needs TOLMO_BENCH_PG_URL=postgresql://USER@HOST:PORT/postgres");
    // The names carry nothing but a number of cases, never user text: they go into DDL as they are.
    const QString name = QStringLiteral("tolmo_bench_%1").arg(cases);
    const QString partial = name + QStringLiteral("_partial");
    ConnectionPtr admin = Connection::open(server);
    if (databaseExists(*admin, name)) {
        ConnectionPtr conn = Connection::open(databaseUrl(server, name));
        if (isCurrent(*conn, cases)) return conn;
    }
    if (databaseExists(*admin, partial)) admin->Execute(QStringLiteral("DROP DATABASE ") + partial);
    admin->Execute(QStringLiteral("CREATE DATABASE ") + partial);
    build(databaseUrl(server, partial), cases, QStringLiteral("database ") + name);
    if (databaseExists(*admin, name)) admin->Execute(QStringLiteral("DROP DATABASE ") + name);
    admin->Execute(QStringLiteral("ALTER DATABASE %1 RENAME TO %2").arg(partial, name));
    return Connection::open(databaseUrl(server, name));
}

}  // namespace

ConnectionPtr openFirm(Engine engine, int cases) {
    return engine == Engine::SQLite ? openSqliteFirm(cases) : openPostgresFirm(cases);
}

}  // namespace tolmo::bench
