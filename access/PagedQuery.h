#pragma once
// A long list read a page at a time. Each page starts right after the last row read (keyset
// paging), so every page costs the same however far the person has scrolled, and the database
// never counts or skips the rows already shown.

#include <QList>
#include <QStringList>
#include <QVariantList>

#include "Connection.h"

namespace tolmo {

struct PagedQuery {
    QStringList shown;  ///< the columns each row shows, in order: "Cognome", "Nome", "ID_Ana"
    QString from;       ///< a table, or tables joined: "Pratica p LEFT JOIN Anagrafica a ON …"
    QString where;      ///< the condition, without WHERE; empty for every row
    /// The sort columns, ascending, never NULL, and unique together (end with the row's key).
    QStringList order;

    /// The SELECT of at most `rows` rows; with `after`, of the rows past the one whose sort
    /// values are bound to its parameters, in the order of `order`.
    QString sql(int rows, bool after) const;
};

class PagedReader {
public:
    PagedReader(ConnectionPtr conn, PagedQuery query);
    /// The next rows, at most `rows`, each as the texts of its shown columns; fewer than asked
    /// when the query has no more. Throws DbError.
    QList<QStringList> next(int rows);
    bool atEnd() const { return m_atEnd; }

private:
    ConnectionPtr m_conn;
    PagedQuery m_query;
    QVariantList m_last;  ///< sort values of the last row read; empty before the first page
    bool m_atEnd = false;
};

}  // namespace tolmo
