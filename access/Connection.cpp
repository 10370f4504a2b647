#include "Connection.h"

#include <QHash>
#include <QRegularExpression>
#include <QSqlDriver>
#include <atomic>
#include <optional>

#include "DbError.h"
#include "access/DatabaseUrl.h"
#include "detail/ConnectionCache.h"
#include "detail/OpenFailure.h"
#include "detail/SqliteFunctions.h"

namespace tolmo {

namespace {

constexpr int kSqliteBusyTimeoutMs = 10000;

constexpr int kPostgresConnectTimeoutS = 5;

DbError openError(const DatabaseUrl& parsed, const QString& url, const QString& driver,
                  const QString& reason) {
    return DbError(detail::openFailureSentence(parsed, urlForDisplay(url), reason),
                   driver + QStringLiteral(": open: ") + reason.simplified(), -1);
}

QString newConnectionName() {
    static std::atomic<int> serial{0};
    return QStringLiteral("tolmo-access-%1").arg(++serial);
}

bool isSchemaChange(const QString& sql) {
    static const QRegularExpression kDdl(QStringLiteral("^\\s*(CREATE|ALTER|DROP)\\b"),
                                         QRegularExpression::CaseInsensitiveOption);
    return kDdl.match(sql).hasMatch();
}

QSqlDatabase configuredDatabase(const DatabaseUrl& url, const QString& name) {
    if (url.dialect == Dialect::SQLite) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(url.path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kSqliteBusyTimeoutMs));
        return db;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    db.setHostName(url.host);
    db.setPort(url.port);
    db.setUserName(url.user);
    db.setPassword(url.password);
    db.setDatabaseName(url.database);
    // A server that does not answer is given up after a few seconds, unless PGCONNECT_TIMEOUT
    // says otherwise. No password given is libpq's cue for PGPASSWORD, ~/.pgpass and services.
    if (qEnvironmentVariableIsEmpty("PGCONNECT_TIMEOUT"))
        db.setConnectOptions(QStringLiteral("connect_timeout=%1").arg(kPostgresConnectTimeoutS));
    // NUMERIC arrives as its exact text, never through a double.
    db.setNumericalPrecisionPolicy(QSql::HighPrecision);
    return db;
}

}  // namespace

Connection::Connection(QString url, Dialect dialect, QSqlDatabase db)
    : m_url(std::move(url)), m_dialect(dialect), m_db(std::move(db)), m_cache(std::make_unique<Cache>()) {}

Connection::~Connection() {
    m_cache->statements.clear();  // before the database they were prepared on closes
    const QString name = m_db.connectionName();
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
}

QString Connection::displayString() const { return urlForDisplay(m_url); }

ConnectionPtr Connection::open(const QString& url) {
    const auto parsed = DatabaseUrl::parse(url);
    if (!parsed)
        throw DbError(QStringLiteral("Indirizzo del database non valido: «%1». Usare sqlite:PERCORSO oppure "
                                     "postgresql://UTENTE@HOST:PORTA/DATABASE.")
                          .arg(urlForDisplay(url)),
                      QStringLiteral("Connection: open"), -1);

    ConnectionPtr conn(
        new Connection(url, parsed->dialect, configuredDatabase(*parsed, newConnectionName())));
    QSqlDatabase& db = conn->m_db;
    const QString driver = db.driverName();
    if (!db.isValid())
        throw openError(*parsed, url, driver, QStringLiteral("il driver %1 non è disponibile").arg(driver));
    if (!db.open()) throw openError(*parsed, url, driver, db.lastError().text());
    try {
        if (conn->m_dialect == Dialect::SQLite) {
            conn->query(QStringLiteral("PRAGMA journal_mode=WAL"));
            conn->Execute(QStringLiteral("PRAGMA foreign_keys=ON"));
            if (!detail::registerUnicodeCaseFunctions(db))
                throw openError(*parsed, url, driver,
                                QStringLiteral("registrazione di UPPER/LOWER non riuscita"));
        } else {
            conn->Execute(QStringLiteral("SET client_encoding TO 'UTF8'"));
        }
    } catch (const DbError& error) {
        throw openError(*parsed, url, driver, error.description());
    }
    return conn;
}

QSqlQuery Connection::run(const QString& sql, const QVariantList& params) {
    if (m_observer) m_observer(sql);
    // SQLite stops reading a statement at a NUL, and Qt's driver then crashes binding the rest.
    if (sql.contains(QChar(0)))
        throw DbError(QStringLiteral("L'istruzione SQL contiene un carattere nullo."),
                      m_db.driverName() + QStringLiteral(": ") + QString(sql).replace(QChar(0), u' '), -1);
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (params.isEmpty()) {
        // Unprepared, so PostgreSQL also accepts statements PREPARE refuses (DDL, SET).
        if (!q.exec(sql)) fail(q.lastError(), sql);
        return q;
    }
    if (!q.prepare(sql)) fail(q.lastError(), sql);
    execute(q, sql, params);
    return q;
}

void Connection::execute(QSqlQuery& q, const QString& sql, const QVariantList& params) {
    for (const QVariant& param : params)
        q.addBindValue(m_dialect == Dialect::SQLite ? detail::keepLeadingByteOrderMark(param) : param);
    if (!q.exec()) fail(q.lastError(), sql);
}

void Connection::fail(const QSqlError& error, const QString& sql) const {
    QString description = error.databaseText().trimmed();
    if (description.isEmpty()) description = error.text().trimmed();
    bool numeric = false;
    const long number = error.nativeErrorCode().toLong(&numeric);
    DbError raised(description, m_db.driverName() + QStringLiteral(": ") + sql, numeric ? number : -1,
                   error.nativeErrorCode());
    if (!raised.daRiprovare()) throw raised;
    // A clash with another workstation is told in Italian alone: the engine's words ("database is
    // locked", "deadlock detected") are no help to the person and stay out of the report.
    const QString sentence =
        m_dialect == Dialect::SQLite
            ? QStringLiteral(
                  "L'archivio è occupato da un'altra postazione da troppo tempo. Riprovare fra poco.")
            : QStringLiteral(
                  "Il database ha interrotto l'operazione per un conflitto con un'altra postazione "
                  "che lavorava sugli stessi dati. Riprovare.");
    throw DbError(sentence, raised.source(), raised.number(), raised.code());
}

int Connection::Execute(const QString& sql, const QVariantList& params) {
    const QSqlQuery q = run(sql, params);
    if (isSchemaChange(sql)) forgetSchema();
    return q.numRowsAffected();
}

QSqlQuery Connection::query(const QString& sql, const QVariantList& params) { return run(sql, params); }

void Connection::withQuery(const QString& sql, const QVariantList& params,
                           const std::function<void(QSqlQuery&)>& use) {
    // PostgreSQL refuses to run a kept SELECT * once another client changed the table's columns.
    // SQLite prepares it again by itself, but then a '*' may bring more or fewer columns than
    // the driver sized the kept statement's row for: only statements that name their columns stay.
    // A statement kept on PostgreSQL saves two round trips a run: the PREPARE and the DEALLOCATE.
    if (params.isEmpty() || sql.contains(u'*')) {
        QSqlQuery q = run(sql, params);
        use(q);
        return;
    }
    std::optional<QSqlQuery> q = m_cache->statements.take(sql);
    if (q) {
        if (m_observer) m_observer(sql);
        execute(*q, sql, params);
    } else {
        q.emplace(run(sql, params));
    }
    use(*q);
    q->finish();  // a statement left on a row would keep its read transaction open
    m_cache->statements.keep(sql, std::move(*q));
}

void Connection::BeginTrans() {
    if (m_inTransaction)
        throw DbError(QStringLiteral("Una transazione è già aperta su questa connessione."),
                      m_db.driverName() + QStringLiteral(": BEGIN"), -1);
    if (m_observer) m_observer(QStringLiteral("BEGIN"));
    if (m_dialect == Dialect::SQLite) {
        // The write lock is taken at once, waiting out another workstation's save: a transaction
        // that read first and then wrote could only fail, never wait, once another had written.
        QSqlQuery q(m_db);
        if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) fail(q.lastError(), QStringLiteral("BEGIN"));
    } else if (!m_db.transaction()) {
        fail(m_db.lastError(), QStringLiteral("BEGIN"));
    }
    m_inTransaction = true;
}

void Connection::CommitTrans() {
    if (!m_inTransaction)
        throw DbError(QStringLiteral("Nessuna transazione aperta da confermare."),
                      m_db.driverName() + QStringLiteral(": COMMIT"), -1);
    if (m_observer) m_observer(QStringLiteral("COMMIT"));
    // A failed COMMIT leaves the transaction to RollbackTrans (SQLite keeps it open when busy).
    if (!m_db.commit()) fail(m_db.lastError(), QStringLiteral("COMMIT"));
    m_inTransaction = false;
}

void Connection::RollbackTrans() {
    if (!m_inTransaction)
        throw DbError(QStringLiteral("Nessuna transazione aperta da annullare."),
                      m_db.driverName() + QStringLiteral(": ROLLBACK"), -1);
    m_inTransaction = false;
    if (m_observer) m_observer(QStringLiteral("ROLLBACK"));
    if (!m_db.rollback()) fail(m_db.lastError(), QStringLiteral("ROLLBACK"));
}

Transaction::Transaction(Connection& conn) : m_conn(conn) { m_conn.BeginTrans(); }

Transaction::~Transaction() {
    if (m_done) return;
    try {
        m_conn.RollbackTrans();
    } catch (...) {
        // Nothing sensible to do while unwinding: the server drops the transaction anyway.
    }
}

void Transaction::commit() {
    m_conn.CommitTrans();
    m_done = true;
}

}  // namespace tolmo
