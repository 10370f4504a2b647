#pragma once
// The statements that read one case: alone, with its criminal row for display, and the
// explicit column list of a criminal case opened for modification.

#include <QString>

namespace tolmo::core {

/// "SELECT * FROM Pratica WHERE ID_Pra = " + id.
QString sqlPratica(int id);
/// What VisualizzaPratica reads: the case joined with its criminal row when `penale`.
QString sqlVisualizzaPratica(int id, bool penale);
/// The case and its criminal row by name, the criminal row's case id as PPId_Pra.
QString sqlPraticaPenale(int id);

}  // namespace tolmo::core
