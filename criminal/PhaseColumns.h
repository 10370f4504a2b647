#pragma once
// Which field of the criminal tab shows which column of the criminal row, and in which phases:
// the one table the display, the save and the emptying of the tab all walk.

#include <QList>
#include <QString>

#include "CriminalFields.h"
#include "access/Recordset.h"

namespace tolmo::criminal {

enum class Tipo { Testo, Lista, Data };

struct Colonna {
    QString colonna;
    Control* campo;
    Tipo tipo;
    unsigned fasi;        ///< bit n for phase n
    QString etichetta;    ///< the field's caption, for messages
    bool taglia = false;  ///< written trimmed
};

inline constexpr unsigned fase(int n) { return 1u << n; }

/// Every field of the tab bound to a column, but the civil-party box and the outcome.
QList<Colonna> colonnePenale(CriminalFields& f);

/// Fills every field from the row, whatever the phase; a column missing from the row leaves
/// its field as it is.
void riempieCampi(const QList<Colonna>& colonne, Recordset& row);
/// Writes the fields of phase `n` into the row; a date field that is not a real day throws
/// std::invalid_argument (validate first).
void scriviFase(const QList<Colonna>& colonne, int n, Recordset& row);
/// The first date field of phase `n` whose text is not a real day, with the message that says
/// so; an empty text when every date holds.
QString dataNonValida(const QList<Colonna>& colonne, int n);

}  // namespace tolmo::criminal
