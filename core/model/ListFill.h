#pragma once
// Filling and searching the multi-column lists of the case form, and the reserved-visibility
// condition for the suite's current user. Header-only.

#include <QString>
#include <QStringList>
#include <limits>

#include "access/SqlText.h"
#include "access/TolmoAccess.h"
#include "form/Control.h"
#include "platform/CurrentUser.h"

namespace tolmo::core {

/// The most rows a look-up over the party register or the cases loads when it opens: one page
/// of the record set. A register of a million parties shows its first rows at once and the
/// person narrows the list by typing; reading on would fetch every key of the result.
inline constexpr int kRigheLookup = 500;
/// No cap: for the small catalogues (subjects, states).
inline constexpr int kTutteLeRighe = std::numeric_limits<int>::max();

/// Replaces the rows of `list` with `columns` of each record of `sql`, read on `conn`, in
/// query order and at most `cap` of them. The list is left empty when the query fails
/// (DbError is thrown to the caller's trap).
inline void riempieLista(form::ListControl& list, const ConnectionPtr& conn, const QString& sql,
                         const QStringList& columns, int cap) {
    list.clear();
    QStringList rows;
    AccessoDati dati;
    dati.Apri(conn, sql, adLockReadOnly);
    Recordset& rs = dati.recordset();
    while (!rs.Eof()) {
        QStringList values;
        for (const QString& column : columns) values.append(rs.text(column).replace(QLatin1Char('\t'), u' '));
        rows.append(values.join(QLatin1Char('\t')));
        if (rows.size() >= cap) break;  // stop before the record set fetches the next page
        rs.MoveNext();
    }
    dati.Chiudi();
    list.setRows(rows);
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
