#pragma once
// What a record set's source is (a table or a SELECT) and the statements derived from it.

#include <QString>
#include <QStringList>

namespace tolmo::detail {

class SqlSource {
public:
    /// `source` is a table name or a SELECT (a trailing ';' is ignored). Throws DbError when it
    /// is neither.
    explicit SqlSource(const QString& source);

    /// The SELECT that gives the rows.
    const QString& select() const { return m_select; }
    /// The one table writes go to: the table itself, or the only table of a plain
    /// "SELECT ... FROM T [alias] [WHERE ...] [ORDER BY ...]"; empty for joins, groupings and the like.
    const QString& baseTable() const { return m_baseTable; }
    bool isTable() const { return m_isTable; }
    /// True when every row is a whole row of baseTable(): the table itself or "SELECT * FROM T ...".
    bool selectsWholeRows() const { return !m_baseTable.isEmpty() && m_selectList == u"*"; }

    /// The source in a total order: `keyColumns` (the base table's key) are appended to its
    /// ORDER BY, so consecutive windows neither skip nor repeat rows that tie on the source's own.
    QString orderedSql(const QStringList& keyColumns) const;
    /// Rows [OFFSET, OFFSET + LIMIT) of orderedSql(): two more '?' after the source's own.
    QString windowSql(const QStringList& keyColumns) const;
    /// The one column `resultColumn` of every row of orderedSql(), in order.
    QString keysSql(const QStringList& keyColumns, const QString& resultColumn) const;
    /// The number of rows of the result, same parameters as the source.
    QString countSql() const;
    /// One row of the base table by key, with the same columns as the source: one '?' per key column.
    QString rowSql(const QStringList& keyColumns) const;
    /// Rows of the base table whose single key column is one of `count` '?'.
    QString rowsByKeySql(const QString& keyColumn, int count) const;

private:
    QString m_select;
    QString m_baseTable;
    QString m_selectList;
    QString m_fromClause;
    bool m_isTable = false;
    bool m_hasOrderBy = false;
    bool m_hasLimit = false;
};

/// A column name as the catalog spells it, quoted for either engine.
QString quoteIdentifier(const QString& name);
/// '"A" = ? AND "B" = ?' for the given columns.
QString keyCondition(const QStringList& keyColumns);

}  // namespace tolmo::detail
