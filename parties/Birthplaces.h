#pragma once
// The Italian municipalities a tax code names as birthplace, by their cadastral code, from the
// ISTAT municipality archive the product ships (CC BY 3.0 IT).

#include <QString>
#include <functional>

namespace tolmo::parties {

/// The municipality whose cadastral code is `codice` ("H501" -> "Roma"); "" when none is known.
QString comuneDelCodice(const QString& codice);
/// Whether a tax code's birthplace is known; empty when the archive could not be read, so that
/// no birthplace is refused for want of it.
std::function<bool(const QString&)> luogoNoto();

}  // namespace tolmo::parties
