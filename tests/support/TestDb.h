#pragma once
// Scratch databases for tests, on SQLite and, when a server is given, on PostgreSQL.

#include <QString>
#include <memory>
#include <vector>

#include "access/TolmoAccess.h"

class QTemporaryDir;

namespace tolmo::test {

enum class Engine { SQLite, PostgreSQL };

/// SQLite always; PostgreSQL too when TOLMO_TEST_PG_URL is set (postgresql://USER@127.0.0.1:PORT/postgres).
std::vector<Engine> enginesUnderTest();
QString engineName(Engine e);  // "SQLite" / "PostgreSQL", usable in gtest param names

/// A fresh empty database, removed when destroyed: SQLite a temp file (WAL);
/// PostgreSQL a new database "tolmo_t_<pid>_<n>" created on the server of TOLMO_TEST_PG_URL
/// and dropped afterwards (connections still open to it are ended by the drop).
class ScratchDatabase {
public:
    explicit ScratchDatabase(Engine e);
    ~ScratchDatabase();
    ScratchDatabase(const ScratchDatabase&) = delete;
    ScratchDatabase& operator=(const ScratchDatabase&) = delete;

    const QString& url() const;     // sqlite:/tmp/... or postgresql://...
    ConnectionPtr connect() const;  // a new connection to it
    Engine engine() const;

private:
    Engine m_engine;
    QString m_url;
    QString m_name;                        ///< PostgreSQL database name
    ConnectionPtr m_server;                ///< PostgreSQL: the connection that creates and drops it
    std::unique_ptr<QTemporaryDir> m_dir;  ///< SQLite: the folder of the file and its WAL
};

}  // namespace tolmo::test
