#include <QDate>
#include <QSet>

#include "AccessFixture.h"
#include "support/NaughtyStrings.h"

namespace tolmo::test {
namespace {

class RecordsetWriteTest : public AccessTest {
protected:
    void SetUp() override {
        AccessTest::SetUp();
        createPratica();
    }
};
TOLMO_INSTANTIATE_ON_ENGINES(RecordsetWriteTest);

TEST_P(RecordsetWriteTest, AddNewStoresTheRowAndShowsIdentityAndDefaults) {
    Recordset rs(conn, QStringLiteral("SELECT * FROM Pratica WHERE Numero = ?"), adLockOptimistic, {5});
    EXPECT_EQ(rs.RecordCount(), 0);
    rs.AddNew();
    EXPECT_TRUE(rs.isNull(QStringLiteral("ID_Pra")));
    rs.setValue(QStringLiteral("oggetto"), QStringLiteral("Successione Bianchi"));
    rs.setValue(QStringLiteral("Numero"), 5);
    rs.setValue(QStringLiteral("Chiusa"), false);
    rs.setValue(QStringLiteral("Apertura"), QDate(2024, 3, 1));
    rs.Update();
    const int first = rs.value(QStringLiteral("ID_Pra")).toInt();
    EXPECT_GT(first, 0);
    EXPECT_EQ(rs.text(QStringLiteral("Stato")), QStringLiteral("aperta"));
    EXPECT_EQ(rs.value(QStringLiteral("Chiusa")), QVariant(false));
    EXPECT_EQ(rs.value(QStringLiteral("Apertura")), QVariant(QDate(2024, 3, 1)));

    rs.AddNew();
    rs.Update();  // nothing set: every column from its default
    EXPECT_NE(rs.value(QStringLiteral("ID_Pra")).toInt(), first);
    rs.MoveNext();
    EXPECT_TRUE(rs.Eof());

    rs.MoveFirst();
    EXPECT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.value(QStringLiteral("ID_Pra")).toInt(), first);
    EXPECT_EQ(countRows(), 2);
}

TEST_P(RecordsetWriteTest, TheNewRowComesBackWithTheInsertItself) {
    Recordset rs(conn, QStringLiteral("Pratica"), adLockBatchOptimistic);
    rs.AddNew();
    rs.Update();
    QStringList statements;
    conn->setStatementObserver([&](const QString& sql) { statements.append(sql); });
    for (int i = 0; i < 2; ++i) {
        statements.clear();
        rs.AddNew();
        rs.setValue(QStringLiteral("Oggetto"), QStringLiteral("nuova"));
        rs.Update();
        EXPECT_EQ(rs.value(QStringLiteral("ID_Pra")).toInt(), i + 2);
        EXPECT_EQ(rs.text(QStringLiteral("Stato")), QStringLiteral("aperta"));
        ASSERT_EQ(statements.size(), 1) << statements.join(u'\n').toStdString();
        EXPECT_TRUE(statements.first().startsWith(QStringLiteral("INSERT INTO Pratica")));
    }
}

TEST_P(RecordsetWriteTest, ANewRowOfSomeColumnsOrExpressionsIsReadBackThroughTheQuery) {
    Recordset rs(
        conn, QStringLiteral("SELECT ID_Pra, Stato AS S, Numero * 2 AS Doppio FROM Pratica WHERE Numero = ?"),
        adLockOptimistic, {21});
    rs.AddNew();
    rs.setValue(QStringLiteral("Numero"), 21);
    rs.Update();
    EXPECT_GT(rs.value(QStringLiteral("ID_Pra")).toInt(), 0);
    EXPECT_EQ(rs.text(QStringLiteral("s")), QStringLiteral("aperta"));
    EXPECT_EQ(rs.value(QStringLiteral("Doppio")).toInt(), 42);
    EXPECT_EQ(rs.fieldNames().size(), 3);
}

TEST_P(RecordsetWriteTest, ANewRowOfATableWithoutKeyShowsItsDefaults) {
    conn->Execute(QStringLiteral("CREATE TABLE Nota (Testo TEXT, Stato VARCHAR(20) DEFAULT 'nuova')"));
    Recordset rs(conn, QStringLiteral("Nota"), adLockOptimistic);
    rs.AddNew();
    rs.setValue(QStringLiteral("Testo"), QStringLiteral("da richiamare"));
    rs.Update();
    EXPECT_EQ(rs.text(QStringLiteral("Testo")), QStringLiteral("da richiamare"));
    EXPECT_EQ(rs.text(QStringLiteral("Stato")), QStringLiteral("nuova"));
    EXPECT_THROW(rs.Delete(), DbError);  // no key to find the row by
}

TEST_P(RecordsetWriteTest, AddingGoesOnWhenAnotherClientChangesTheTable) {
    Recordset rs(conn, QStringLiteral("Pratica"), adLockBatchOptimistic);
    rs.AddNew();
    rs.setValue(QStringLiteral("Oggetto"), QStringLiteral("prima"));
    rs.Update();
    db().connect()->Execute(QStringLiteral("ALTER TABLE Pratica ADD COLUMN Nota VARCHAR(20) DEFAULT 'x'"));
    rs.AddNew();
    rs.setValue(QStringLiteral("Oggetto"), QStringLiteral("dopo"));
    rs.Update();
    EXPECT_EQ(rs.value(QStringLiteral("ID_Pra")).toInt(), 2);
    EXPECT_EQ(rs.text(QStringLiteral("Oggetto")), QStringLiteral("dopo"));
    EXPECT_EQ(rs.text(QStringLiteral("Stato")), QStringLiteral("aperta"));
    EXPECT_EQ(countRows(QStringLiteral("Oggetto = 'dopo' AND Nota = 'x'")), 1);
}

TEST_P(RecordsetWriteTest, UpdateWritesOnlyChangedColumnsAndResyncRereads) {
    fillPratica(1);
    Recordset rs(conn, QStringLiteral("Pratica"), adLockPessimistic);
    auto other = db().connect();
    other->Execute(QStringLiteral("UPDATE Pratica SET Stato = ?"), {QStringLiteral("sospesa")});

    rs.setValue(QStringLiteral("Numero"), 42);
    EXPECT_EQ(rs.value(QStringLiteral("Numero")).toInt(), 42);  // the edit shows before Update
    rs.Update();
    EXPECT_EQ(rs.text(QStringLiteral("Stato")), QStringLiteral("sospesa"));
    EXPECT_EQ(countRows(QStringLiteral("Numero = 42 AND Stato = 'sospesa'")), 1);

    other->Execute(QStringLiteral("UPDATE Pratica SET Oggetto = ?"), {QStringLiteral("da altri")});
    EXPECT_EQ(rs.text(QStringLiteral("Oggetto")), QStringLiteral("P1"));
    rs.Resync();
    EXPECT_EQ(rs.text(QStringLiteral("Oggetto")), QStringLiteral("da altri"));

    rs.setValue(QStringLiteral("Oggetto"), QStringLiteral("scartata"));
    rs.CancelUpdate();
    rs.MoveNext();
    EXPECT_EQ(countRows(QStringLiteral("Oggetto = 'scartata'")), 0);
}

TEST_P(RecordsetWriteTest, DeleteRemovesTheRowAndTheWalkGoesOn) {
    fillPratica(3);
    Recordset rs(conn, QStringLiteral("SELECT ID_Pra, Numero FROM Pratica ORDER BY Numero"),
                 adLockOptimistic);
    rs.MoveNext();
    rs.Delete();
    EXPECT_FALSE(rs.Eof());
    EXPECT_THROW(rs.value(QStringLiteral("Numero")), DbError);
    rs.MoveNext();
    EXPECT_EQ(rs.value(QStringLiteral("Numero")).toInt(), 3);
    EXPECT_EQ(rs.RecordCount(), 2);
    EXPECT_EQ(countRows(), 2);
    EXPECT_EQ(countRows(QStringLiteral("Numero = 2")), 0);
}

TEST_P(RecordsetWriteTest, UpdatingRowsOutOfTheQueryWhileWalkingSkipsNone) {
    fillPratica(1300);
    Recordset rs(conn, QStringLiteral("SELECT * FROM Pratica WHERE Chiusa = ? ORDER BY Oggetto"),
                 adLockOptimistic, {false});
    int visited = 0;
    Transaction batch(*conn);
    for (; !rs.Eof(); rs.MoveNext(), ++visited) {
        rs.setValue(QStringLiteral("Chiusa"), true);
        if (visited % 2 == 0) rs.Update();  // the others are stored by the move
    }
    batch.commit();
    EXPECT_EQ(visited, 1300);
    EXPECT_EQ(countRows(QStringLiteral("Chiusa = FALSE")), 0);
}

TEST_P(RecordsetWriteTest, AmountsAreExactToFourDecimals) {
    Recordset rs(conn, QStringLiteral("Pratica"), adLockOptimistic);
    rs.AddNew();
    rs.setValue(QStringLiteral("Importo"), 0.1 + 0.2);
    rs.Update();
    EXPECT_EQ(rs.currency(QStringLiteral("Importo")).toItalian(4), QStringLiteral("0,3000"));
    EXPECT_EQ(rs.value(QStringLiteral("Importo")).toDouble(), 0.3);

    const Currency big = *Currency::parse(QStringLiteral("12345678901,2345"));
    rs.AddNew();
    rs.setValue(QStringLiteral("Importo"), QVariant::fromValue(big));
    rs.Update();
    const QVariant id = rs.value(QStringLiteral("ID_Pra"));

    Recordset back(conn, QStringLiteral("SELECT Importo FROM Pratica WHERE ID_Pra = ?"), adLockReadOnly,
                   {id});
    EXPECT_EQ(back.currency(QStringLiteral("Importo")), big);
    EXPECT_EQ(back.value(QStringLiteral("Importo")).toDouble(), 12345678901.2345);
    EXPECT_THROW(rs.setValue(QStringLiteral("Importo"), QStringLiteral("dieci euro")), DbError);
}

TEST_P(RecordsetWriteTest, FindSearchesForwardWithAdoCriteria) {
    for (const char* name : {"Rossi Mario", "L'Avvocato", "Rossini Gioacchino", "Verdi"})
        conn->Execute(QStringLiteral("INSERT INTO Pratica (Oggetto, Importo, Numero) VALUES (?, ?, ?)"),
                      {QString::fromUtf8(name),
                       isSqlite() ? QVariant(10.5) : QVariant(QStringLiteral("10.5")), int(qstrlen(name))});
    Recordset rs(conn, QStringLiteral("SELECT * FROM Pratica ORDER BY ID_Pra"), adLockOptimistic);

    EXPECT_TRUE(rs.Find(QStringLiteral("Oggetto = 'l''avvocato'")));
    EXPECT_EQ(rs.text(QStringLiteral("Oggetto")), QStringLiteral("L'Avvocato"));
    EXPECT_TRUE(rs.Find(QStringLiteral("Oggetto LIKE 'ROSS*'")));
    EXPECT_EQ(rs.text(QStringLiteral("Oggetto")),
              QStringLiteral("Rossini Gioacchino"));  // from the current row on
    EXPECT_TRUE(rs.Find(QStringLiteral("Numero < 6")));
    EXPECT_EQ(rs.text(QStringLiteral("Oggetto")), QStringLiteral("Verdi"));
    EXPECT_FALSE(rs.Find(QStringLiteral("Oggetto = 'Nessuno'")));
    EXPECT_TRUE(rs.Eof());

    rs.MoveFirst();
    EXPECT_TRUE(rs.Find(QStringLiteral("Importo >= 10.5")));
    EXPECT_TRUE(rs.Find(QStringLiteral("[Oggetto] <> 'Rossi Mario'")));
    EXPECT_EQ(rs.text(QStringLiteral("Oggetto")), QStringLiteral("L'Avvocato"));
    EXPECT_THROW(rs.Find(QStringLiteral("Oggetto = senza virgolette")), DbError);
}

TEST_P(RecordsetWriteTest, WritesAreRefusedWhereTheyCannotGo) {
    fillPratica(2);
    Recordset readOnly(conn, QStringLiteral("Pratica"), adLockReadOnly);
    EXPECT_THROW(readOnly.setValue(QStringLiteral("Numero"), 1), DbError);
    EXPECT_THROW(readOnly.AddNew(), DbError);
    EXPECT_THROW(readOnly.Update(), DbError);
    EXPECT_THROW(readOnly.Delete(), DbError);

    for (const char* sql :
         {"SELECT a.ID_Pra, b.Numero FROM Pratica a JOIN Pratica b ON b.ID_Pra = a.ID_Pra",
          "SELECT a.ID_Pra FROM Pratica a, Pratica b", "SELECT Stato, COUNT(*) FROM Pratica GROUP BY Stato",
          "SELECT MAX(Numero) AS Ultimo FROM Pratica"}) {
        Recordset joined(conn, QString::fromUtf8(sql), adLockOptimistic);
        EXPECT_FALSE(joined.Eof()) << sql;
        EXPECT_THROW(joined.AddNew(), DbError) << sql;
        EXPECT_THROW(joined.Delete(), DbError) << sql;
    }

    Recordset keyless(conn, QStringLiteral("SELECT Oggetto FROM Pratica"), adLockOptimistic);
    keyless.setValue(QStringLiteral("Oggetto"), QStringLiteral("senza chiave"));
    EXPECT_THROW(keyless.Update(), DbError);
    EXPECT_THROW(keyless.setValue(QStringLiteral("Inesistente"), 1), DbError);
    EXPECT_EQ(countRows(QStringLiteral("Oggetto = 'senza chiave'")), 0);
}

TEST_P(RecordsetWriteTest, NaughtyStringsAreStoredAndFoundExactly) {
    const QStringList strings = naughtyStrings(isSqlite());
    ASSERT_GT(strings.size(), 400);
    {
        Transaction batch(*conn);
        Recordset rs(conn, QStringLiteral("Pratica"), adLockBatchOptimistic);
        for (const QString& text : strings) {
            rs.AddNew();
            rs.setValue(QStringLiteral("Oggetto"), text);
            rs.Update();
            ASSERT_EQ(rs.text(QStringLiteral("Oggetto")), text);
        }
        batch.commit();
    }
    for (const QString& text : strings) {
        Recordset found(conn, QStringLiteral("SELECT Oggetto FROM Pratica WHERE Oggetto = ?"), adLockReadOnly,
                        {text});
        ASSERT_EQ(found.RecordCount(), 1) << text.toStdString();
        EXPECT_EQ(found.text(QStringLiteral("Oggetto")), text);
    }
    Recordset rs(conn, QStringLiteral("Pratica"), adLockReadOnly);
    for (const QString& text : strings) {
        if (!text.contains(u'\'') && !text.contains(u'%') && !text.contains(u'\\')) continue;
        rs.MoveFirst();
        QString quoted = text;
        ASSERT_TRUE(
            rs.Find(QStringLiteral("Oggetto = '%1'").arg(quoted.replace(u'\'', QStringLiteral("''")))))
            << text.toStdString();
    }
}

}  // namespace
}  // namespace tolmo::test
