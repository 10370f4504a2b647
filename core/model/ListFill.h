#pragma once
// Filling and searching the multi-column lists of the case form, and the reserved-visibility
// condition for the suite's current user. Header-only.

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "access/PagedQuery.h"
#include "access/SqlText.h"
#include "access/TolmoAccess.h"
#include "form/Control.h"
#include "platform/CurrentUser.h"

namespace tolmo::core {

/// Runs a page read and reports its failure (the component's trap, with the list's action).
using PageGuard = std::function<void(const std::function<void()>&)>;

/// Turns the columns a query reads into the columns a list shows.
using RowMapper = std::function<QStringList(const QStringList&)>;

/// The rows of a paged query, read as the person scrolls (each turned by `mapper`, when given);
/// a failed read is reported through the guard and ends the list.
class SqlRowSource : public form::RowSource {
public:
    SqlRowSource(ConnectionPtr conn, PagedQuery query, PageGuard guard, RowMapper mapper = {})
        : m_reader(std::move(conn), std::move(query)),
          m_guard(std::move(guard)),
          m_mapper(std::move(mapper)) {}
    QList<QStringList> next(int count) override {
        QList<QStringList> rows;
        m_guard([&] { rows = m_reader.next(count); });
        if (m_mapper)
            for (QStringList& row : rows) row = m_mapper(row);
        return rows;
    }

private:
    PagedReader m_reader;
    PageGuard m_guard;
    RowMapper m_mapper;
};

/// Replaces the rows of `list` with the first page of `query` and reads on as the person
/// scrolls: a register of a million parties opens at once and shows every match in the end.
inline void riempieLista(form::ListControl& list, const ConnectionPtr& conn, PagedQuery query,
                         PageGuard guard, RowMapper mapper = {}) {
    list.setSource(
        std::make_unique<SqlRowSource>(conn, std::move(query), std::move(guard), std::move(mapper)));
}

/// Replaces the rows of `list` with `columns` of every record of `sql`, read on `conn`, in
/// query order: for the small catalogues (subjects, states, phases). The list is left empty
/// when the query fails (DbError is thrown to the caller's trap).
inline void riempieLista(form::ListControl& list, const ConnectionPtr& conn, const QString& sql,
                         const QStringList& columns, const QVariantList& params = {}) {
    list.clear();
    QStringList rows;
    AccessoDati dati;
    dati.Apri(conn, sql, adLockReadOnly, params);
    Recordset& rs = dati.recordset();
    for (; !rs.Eof(); rs.MoveNext()) {
        QStringList values;
        for (const QString& column : columns) values.append(rs.text(column).replace(QLatin1Char('\t'), u' '));
        rows.append(values.join(QLatin1Char('\t')));
    }
    dati.Chiudi();
    list.setRows(rows);
}

/// Cognome, Nome and ID_Ana of the parties `where` admits, in the order of the search keys of
/// surname and first name, then the id: the order of the register's look-up index.
inline PagedQuery partiAnagrafica(const QString& where) {
    return {{QStringLiteral("Cognome"), QStringLiteral("Nome"), QStringLiteral("ID_Ana")},
            QStringLiteral("Anagrafica"),
            where,
            {QStringLiteral("CognomeRicerca"), QStringLiteral("NomeRicerca"), QStringLiteral("ID_Ana")}};
}

/// The condition that the surname starts with the typed text, in any letter case.
inline QString cognomeInizia(const QString& typed) {
    return QStringLiteral("(CognomeRicerca LIKE ") + keyPattern(typed) + QLatin1Char(')');
}

/// Selects the row whose `column` matches `text`: method 0 an exact match, any other method
/// the first row that starts with it (letter case ignored). No match keeps the selection.
inline void SelezionaInLista(int column, const QString& text, int method, form::ListControl& list) {
    int found = -1;
    if (method == 0) {
        found = list.findRow(column, text);
    } else {
        for (int r = 0; r < list.rowCount() && found < 0; ++r)
            if (list.cell(r, column).startsWith(text, Qt::CaseInsensitive)) found = r;
    }
    if (found >= 0) list.setSelectedRow(found);
}

/// The reserved-visibility condition on Anagrafica for the suite's current user.
inline QString FiltroRiservate(const platform::CurrentUser& user) {
    return tolmo::FiltroRiservate(user.id(), user.groups());
}

}  // namespace tolmo::core
