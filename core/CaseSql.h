#pragma once
// The statements that read one case: alone, with its criminal row for display, and the
// explicit column list of a criminal case opened for modification; and the next position.

#include <QString>

#include "access/Connection.h"

namespace tolmo::core {

/// "SELECT * FROM Pratica WHERE ID_Pra = " + id.
QString sqlPratica(int id);
/// What VisualizzaPratica reads: the case joined with its criminal row when `penale`.
QString sqlVisualizzaPratica(int id, bool penale);
/// The case and its criminal row by name, the criminal row's case id as PPId_Pra.
QString sqlPraticaPenale(int id);
/// The position number after the largest stored one ("1" in an empty archive). Throws DbError.
QString prossimaPosizione(const ConnectionPtr& conn);

}  // namespace tolmo::core
