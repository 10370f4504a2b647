#include "support/TestDb.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QUrl>
#include <atomic>
#include <stdexcept>

namespace tolmo::test {

namespace {

constexpr char kServerVariable[] = "TOLMO_TEST_PG_URL";

QString serverUrl() { return qEnvironmentVariable(kServerVariable); }

QString nextDatabaseName() {
    static std::atomic<int> serial{0};
    return QStringLiteral("tolmo_t_%1_%2").arg(QCoreApplication::applicationPid()).arg(++serial);
}

}  // namespace

std::vector<Engine> enginesUnderTest() {
    if (serverUrl().isEmpty()) return {Engine::SQLite};
    return {Engine::SQLite, Engine::PostgreSQL};
}

QString engineName(Engine e) {
    return e == Engine::SQLite ? QStringLiteral("SQLite") : QStringLiteral("PostgreSQL");
}

ScratchDatabase::ScratchDatabase(Engine e) : m_engine(e) {
    if (e == Engine::SQLite) {
        m_dir = std::make_unique<QTemporaryDir>();
        if (!m_dir->isValid()) throw std::runtime_error("cannot create a temporary folder for SQLite");
        m_url = QStringLiteral("sqlite:") + m_dir->filePath(QStringLiteral("scratch.sqlite"));
        return;
    }
    const QString server = serverUrl();
    if (server.isEmpty()) throw std::runtime_error("PostgreSQL under test but TOLMO_TEST_PG_URL is not set");
    try {
        m_server = Connection::open(server);
    } catch (const DbError& error) {
        // Set but unreachable is a broken test setup, never a reason to skip.
        throw std::runtime_error(QStringLiteral("TOLMO_TEST_PG_URL=%1 is not reachable: %2")
                                     .arg(server, error.description())
                                     .toStdString());
    }
    m_name = nextDatabaseName();
    m_server->Execute(QStringLiteral("CREATE DATABASE ") + m_name);
    QUrl url(server);
    url.setPath(u'/' + m_name);
    m_url = url.toString();
}

ScratchDatabase::~ScratchDatabase() {
    if (!m_server) return;
    try {
        m_server->Execute(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_name));
    } catch (const DbError& error) {
        ADD_FAILURE() << "cannot drop " << m_name.toStdString() << ": " << error.what();
    }
}

const QString& ScratchDatabase::url() const { return m_url; }

ConnectionPtr ScratchDatabase::connect() const { return Connection::open(m_url); }

Engine ScratchDatabase::engine() const { return m_engine; }

}  // namespace tolmo::test
