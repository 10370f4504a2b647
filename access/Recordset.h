#pragma once
// A client-side record set over one query: reads lazily, writes to one base table.

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

#include "Connection.h"
#include "Currency.h"

namespace tolmo {

/// The standard record-set lock codes.
enum LockType : short {
    adLockReadOnly = 1,
    adLockPessimistic = 2,
    adLockOptimistic = 3,
    adLockBatchOptimistic = 4,
};

class Recordset {
public:
    /// `source` is a table name or a SELECT; `params` are bound to its '?' markers.
    /// Opening a whole table does not read it: rows are fetched when first looked at, so an
    /// error in a SELECT surfaces at the first read (RecordCount, Eof, value...).
    /// Lock types 2, 3 and 4 are all writable; with 4 (batch) Update writes at once too.
    Recordset(ConnectionPtr conn, const QString& source, short lockType, const QVariantList& params = {});
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    /// End of file (named so because EOF is a C macro).
    bool Eof();
    void MoveNext();
    void MoveFirst();
    /// The exact number of rows of the query, without reading them all into memory.
    long RecordCount();

    /// Value of a column of the current row; a null column gives a null QVariant.
    /// Amount columns come back as double rounded to four decimals; dates as QDate;
    /// booleans as bool on both engines.
    QVariant value(const QString& field);
    /// The value of the result's column `index` (from 0): columns that share a name stay apart.
    QVariant value(int index);
    bool isNull(const QString& field);
    Currency currency(const QString& field);
    QString text(const QString& field);  ///< "" for null
    /// Sets a column of the current (or new) row; written at the next Update().
    void setValue(const QString& field, const QVariant& value);

    /// Starts a new row (pending edits of the current one are stored first, as a move does).
    void AddNew();
    /// Stores the new or edited row; the record set then shows the row as the database holds
    /// it (identity and defaults included). Moving off an edited row also stores it.
    void Update();
    /// The row version the next Update of the current row must find (see RowVersion.h): the one
    /// the person was shown, when the row has been read again since. Without it, Update checks
    /// the version read with the row, when the record set read it.
    void expectVersion(const QVariant& version);
    /// Drops the edits of the current row, or the new row, without storing them.
    void CancelUpdate();
    void Delete();
    /// ADO-style search from the current row onward: "Column = value", "Column LIKE 'A*'",
    /// with =, <>, <, >, <=, >=, LIKE. Positions on the match or at EOF; true when found.
    bool Find(const QString& criteria);
    /// Reads the current row again from the database.
    void Resync();
    /// Closing twice is harmless; any other use of a closed record set throws DbError.
    void Close();

    QStringList fieldNames();
    short lockType() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

/// The data-access object every routine of the component uses: open, use, close.
class AccessoDati {
public:
    AccessoDati() = default;
    ~AccessoDati();
    /// Opens `source` on `conn`. Throws DbError on failure; true otherwise.
    bool Apri(ConnectionPtr conn, const QString& source, short lockType, const QVariantList& params = {});
    void Chiudi();
    QVariant Campo(const QString& field) const;
    void setCampo(const QString& field, const QVariant& value);
    /// Throws DbError when not open.
    Recordset& recordset() const;
    bool isOpen() const { return static_cast<bool>(m_rs); }

private:
    std::unique_ptr<Recordset> m_rs;
};

}  // namespace tolmo
