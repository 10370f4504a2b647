#include <chrono>
#include <future>
#include <optional>
#include <stdexcept>
#include <thread>

#include "AccessFixture.h"

namespace tolmo::test {
namespace {

class ConnectionTest : public AccessTest {};
TOLMO_INSTANTIATE_ON_ENGINES(ConnectionTest);

// A NUL ends a statement for SQLite, whose Qt driver then crashed binding what followed.
TEST_P(ConnectionTest, AStatementWithANulIsRefused) {
    const QString sql = QStringLiteral("SELECT 9-$1A ") + QChar(0) + QStringLiteral("a");
    try {
        conn->query(sql, {1});
        FAIL() << "no DbError";
    } catch (const DbError& error) {
        EXPECT_EQ(error.description(), QStringLiteral("L'istruzione SQL contiene un carattere nullo."));
    }
    EXPECT_THROW(conn->Execute(sql), DbError);
}

// Two workstations writing at once: SQLite makes the second wait for the first's commit; on
// PostgreSQL two transactions that wait for each other are broken off, and the one that lost
// is told in Italian and may be tried again.
TEST_P(ConnectionTest, AnotherWorkstationsTransactionIsWaitedForOrBrokenOffInItalian) {
    conn->Execute(QStringLiteral("CREATE TABLE Righe (Id INTEGER PRIMARY KEY, V INTEGER)"));
    conn->Execute(QStringLiteral("INSERT INTO Righe (Id, V) VALUES (1, 0), (2, 0)"));
    std::promise<void> altraTiene, questaTiene;
    if (isSqlite()) {
        // The other holds the archive for a while; this one's BEGIN waits, then goes on.
        std::thread altra([&] {
            const ConnectionPtr c = db().connect();
            Transaction t(*c);
            c->Execute(QStringLiteral("UPDATE Righe SET V = 10 WHERE Id = 1"));
            altraTiene.set_value();
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            t.commit();
        });
        altraTiene.get_future().wait();
        Transaction t(*conn);
        // Read first, then write: the transaction waited at its BEGIN, so what it read is current.
        QSqlQuery letta = conn->query(QStringLiteral("SELECT V FROM Righe WHERE Id = 1"));
        ASSERT_TRUE(letta.next());
        EXPECT_EQ(letta.value(0).toInt(), 10);
        letta.finish();
        conn->Execute(QStringLiteral("UPDATE Righe SET V = V + 1 WHERE Id = 1"));
        t.commit();
        altra.join();
        QSqlQuery q = conn->query(QStringLiteral("SELECT V FROM Righe WHERE Id = 1"));
        ASSERT_TRUE(q.next());
        EXPECT_EQ(q.value(0).toInt(), 11);
        return;
    }
    std::optional<DbError> erroreAltra, erroreQuesta;
    std::thread altra([&] {
        const ConnectionPtr c = db().connect();
        try {
            Transaction t(*c);
            c->Execute(QStringLiteral("UPDATE Righe SET V = V + 1 WHERE Id = 2"));
            altraTiene.set_value();
            questaTiene.get_future().wait();
            c->Execute(QStringLiteral("UPDATE Righe SET V = V + 1 WHERE Id = 1"));
            t.commit();
        } catch (const DbError& e) {
            erroreAltra = e;
        }
    });
    try {
        Transaction t(*conn);
        conn->Execute(QStringLiteral("UPDATE Righe SET V = V + 1 WHERE Id = 1"));
        altraTiene.get_future().wait();
        questaTiene.set_value();
        conn->Execute(QStringLiteral("UPDATE Righe SET V = V + 1 WHERE Id = 2"));
        t.commit();
    } catch (const DbError& e) {
        erroreQuesta = e;
    }
    altra.join();
    ASSERT_NE(erroreAltra.has_value(), erroreQuesta.has_value()) << "exactly one loses";
    const DbError& perso = erroreAltra ? *erroreAltra : *erroreQuesta;
    EXPECT_TRUE(perso.daRiprovare()) << perso.source().toStdString();
    EXPECT_EQ(perso.code(), QStringLiteral("40P01"));
    EXPECT_TRUE(perso.description().startsWith(QStringLiteral("Il database ha interrotto l'operazione")));
    EXPECT_FALSE(perso.source().contains(QStringLiteral("deadlock"))) << perso.source().toStdString();
    QSqlQuery q = conn->query(QStringLiteral("SELECT SUM(V) FROM Righe"));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toInt(), 2);  // the winner's two updates, none of the loser's
}

TEST_P(ConnectionTest, BadStatementGivesDriverTextSourceAndNumber) {
    try {
        conn->Execute(QStringLiteral("UPDATE Inesistente SET A = ?"), {1});
        FAIL() << "no DbError";
    } catch (const DbError& error) {
        EXPECT_TRUE(error.description().contains(QStringLiteral("inesistente"), Qt::CaseInsensitive))
            << error.what();
        const QString driver = isSqlite() ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL");
        EXPECT_EQ(error.source(), driver + QStringLiteral(": UPDATE Inesistente SET A = ?"));
        // SQLite gives its numeric code; PostgreSQL's SQLSTATE is not a number.
        EXPECT_EQ(error.number(), isSqlite() ? 1 : -1);
    }
}

TEST_P(ConnectionTest, TransactionsCommitRollBackAndRefuseMisuse) {
    createPratica();
    conn->BeginTrans();
    EXPECT_THROW(conn->BeginTrans(), DbError);
    conn->Execute(QStringLiteral("INSERT INTO Pratica (Oggetto) VALUES (?)"), {QStringLiteral("tenuta")});
    conn->CommitTrans();
    conn->BeginTrans();
    conn->Execute(QStringLiteral("INSERT INTO Pratica (Oggetto) VALUES (?)"), {QStringLiteral("annullata")});
    conn->RollbackTrans();
    EXPECT_FALSE(conn->inTransaction());
    EXPECT_THROW(conn->CommitTrans(), DbError);
    EXPECT_THROW(conn->RollbackTrans(), DbError);

    // Another connection sees only what was committed.
    auto other = db().connect();
    QSqlQuery q = other->query(QStringLiteral("SELECT Oggetto FROM Pratica"));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), QStringLiteral("tenuta"));
    EXPECT_FALSE(q.next());
}

TEST_P(ConnectionTest, TransactionGuardRollsBackOnException) {
    createPratica();
    try {
        Transaction guard(*conn);
        conn->Execute(QStringLiteral("INSERT INTO Pratica (Oggetto) VALUES (?)"), {QStringLiteral("persa")});
        throw std::runtime_error("interrotta");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(conn->inTransaction());
    EXPECT_EQ(countRows(), 0);

    {
        Transaction guard(*conn);
        conn->Execute(QStringLiteral("INSERT INTO Pratica (Oggetto) VALUES (?)"),
                      {QStringLiteral("salvata")});
        guard.commit();
    }
    EXPECT_EQ(countRows(), 1);
}

TEST_P(ConnectionTest, UpperAndLowerAreUnicodeAware) {
    QSqlQuery q = conn->query(QStringLiteral("SELECT UPPER('perchè'), LOWER('ÀÈÌÒÙ'), UPPER(?)"),
                              {QStringLiteral("così però")});
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), QStringLiteral("PERCHÈ"));
    EXPECT_EQ(q.value(1).toString(), QStringLiteral("àèìòù"));
    EXPECT_EQ(q.value(2).toString(), QStringLiteral("COSÌ PERÒ"));

    createPratica();
    conn->Execute(QStringLiteral("INSERT INTO Pratica (Oggetto) VALUES (?)"), {QStringLiteral("Perchè sì")});
    Recordset rs(conn, QStringLiteral("SELECT * FROM Pratica WHERE UPPER(Oggetto) = UPPER(?)"),
                 adLockReadOnly, {QStringLiteral("PERCHÈ SÌ")});
    EXPECT_EQ(rs.RecordCount(), 1);
}

TEST_P(ConnectionTest, ColumnsGiveKindsKeyAndIdentityWhateverTheCase) {
    createPratica();
    const auto& columns = conn->columns(QStringLiteral("PRATICA"));
    ASSERT_EQ(columns.size(), 8);
    using Kind = Connection::ColumnInfo::Kind;
    const QList<Kind> expected{Kind::Integer, Kind::Text, Kind::Amount,  Kind::Boolean,
                               Kind::Date,    Kind::Real, Kind::Integer, Kind::Text};
    for (qsizetype i = 0; i < columns.size(); ++i) EXPECT_EQ(columns.at(i).kind, expected.at(i)) << i;
    EXPECT_TRUE(columns.at(0).identity);
    EXPECT_FALSE(columns.at(6).identity);
    EXPECT_EQ(conn->primaryKey(QStringLiteral("pratica")).toLower(), QStringLiteral("id_pra"));

    conn->Execute(
        QStringLiteral("CREATE TABLE Legame (ID_Pra INTEGER, ID_Ana INTEGER, PRIMARY KEY (ID_Pra, ID_Ana))"));
    EXPECT_EQ(conn->primaryKeyColumns(QStringLiteral("Legame")).size(), 2);
    EXPECT_TRUE(conn->primaryKey(QStringLiteral("Legame")).isEmpty());
    EXPECT_FALSE(conn->columns(QStringLiteral("Legame")).at(0).identity);
    EXPECT_TRUE(conn->columns(QStringLiteral("Nessuna")).isEmpty());
}

TEST_P(ConnectionTest, SchemaChangesRefreshTheCachedColumns) {
    createPratica();
    ASSERT_EQ(conn->columns(QStringLiteral("Pratica")).size(), 8);
    conn->Execute(QStringLiteral("ALTER TABLE Pratica ADD COLUMN Note TEXT"));
    EXPECT_EQ(conn->columns(QStringLiteral("Pratica")).size(), 9);
}

}  // namespace
}  // namespace tolmo::test
