#pragma once
// The firm's database: one table definition from which the SQLite and PostgreSQL schemas are
// generated, and the opening of a database that creates the demo firm when it is new.

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

#include "access/TolmoAccess.h"

namespace tolmo::schema {

/// The kind of a column, independent of the engine.
enum class ColumnType {
    Id,        ///< 32-bit key assigned by the database (identity)
    Int,       ///< 32-bit integer
    SmallInt,  ///< 16-bit integer
    Bool,      ///< true/false (0/1 on SQLite)
    Amount,    ///< money, four decimals
    Real,      ///< double precision
    Date,      ///< calendar date (ISO text yyyy-MM-dd on SQLite)
    DateTime,  ///< date and time of day
    Text,      ///< text of at most `length` characters
    Memo,      ///< text without a length limit
};

struct ColumnInfo {
    QString name;
    ColumnType type = ColumnType::Text;
    int length = 0;         ///< maximum characters of a Text column, 0 otherwise
    bool notNull = false;   ///< always true for the table's key
    QVariant defaultValue;  ///< null when the column has no default
    /// Compared and sorted byte by byte on both engines, whatever the server's locale: SQLite
    /// does so anyway; PostgreSQL is told COLLATE "C", which also lets an ordinary index serve
    /// both "LIKE 'abc%'" and the ORDER BY of the same column.
    bool bytewise = false;
    /// Holds the search key of another column (access/SearchKey.h), written with it. Keys hold
    /// no upper-case letter, so they compare alike on both engines: NOCASE on SQLite (whose
    /// LIKE then walks the column's index), "C" on PostgreSQL.
    bool searchKey = false;
};

struct IndexInfo {
    QStringList columns;
    bool unique = false;
    /// Columns the index carries besides its keys, so that the look-ups filtering on them read
    /// the index alone: trailing keys on SQLite, INCLUDE on PostgreSQL. Not part of the name.
    QStringList carried = {};
};

struct TableInfo {
    QString name;
    QString primaryKey;  ///< the Id column or a natural key; empty when the table has none
    QList<ColumnInfo> columns;
    QList<IndexInfo> indexes;

    /// The column named `name` (any letter case), or nullptr.
    const ColumnInfo* column(const QString& name) const;
};

/// Every table of the firm's database, in creation order.
const QList<TableInfo>& tables();
/// The table named `name` (any letter case), or nullptr.
const TableInfo* table(const QString& name);

/// The columns of an INSERT into `table` with the search keys the definition holds for them.
KeyedColumns colonneConChiavi(const QString& table, const QStringList& columns);

/// The CREATE TABLE and CREATE INDEX statements of the whole schema for one engine.
QStringList ddl(Dialect d);
/// One column as CREATE TABLE and ALTER TABLE ADD COLUMN spell it for one engine.
QString columnDdl(const TableInfo& t, const ColumnInfo& c, Dialect d);
/// The CREATE INDEX statement of one index.
QString indexDdl(const TableInfo& t, const IndexInfo& ix, Dialect d);

/// The version of the schema this program writes; an archive records its own (VersioneSchema).
inline constexpr int kVersioneSchema = 4;
/// The version an archive with the schema records: 1 for one made before versions were recorded.
/// Throws DbError.
int versioneArchivio(Connection& c);
/// Brings an archive of version `from` to kVersioneSchema, in one transaction: all of it or
/// nothing. Throws DbError.
void aggiornaArchivio(Connection& c, int from);

/// Creates every table and index, inside one transaction. Throws DbError.
void createSchema(Connection& c);
/// True when the database already holds the table Pratica.
bool hasSchema(Connection& c);
/// Fills an empty schema with the demo firm, inside one transaction. Throws DbError.
void createDemoFirm(Connection& c);

/// Told before an archive of version `from` is brought to version `to`.
using AvvisoAggiornamento = std::function<void(int from, int to)>;

/// What a new archive gets besides its tables.
enum class NuovoArchivio {
    StudioDimostrativo,  ///< the demo firm, with its parties and cases
    StudioVuoto,  ///< what every firm needs: the configuration, the administrator, the catalogues and offices
};

/// Opens "sqlite:PATH" or "postgresql://USER@HOST:PORT/DB". A database with no table at all (a new
/// SQLite file, an empty PostgreSQL database) first gets the schema and the firm `nuovo` says; an
/// archive of an older schema is upgraded after `avvisa` is told; one of a newer schema, or a
/// database holding the tables of another program, is refused and left untouched. Throws DbError
/// with one Italian sentence when the database cannot be opened, prepared or upgraded.
ConnectionPtr openDatabase(const QString& url, const AvvisoAggiornamento& avvisa = {},
                           NuovoArchivio nuovo = NuovoArchivio::StudioDimostrativo);

}  // namespace tolmo::schema
