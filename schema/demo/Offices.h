#pragma once
// The national catalogue of judicial and tax offices, at their real seats (data/uffici.json).

#include "Istat.h"

namespace tolmo::schema::demo {

/// What the office picker leaves in a case for one office.
struct OfficeChoice {
    QString codice;   ///< Pratica.CodUfficio
    QString ufficio;  ///< Pratica.UfficioGiudiziario, upper case as the case form stores it
};

/// The judicial office of kind `kind` ("TRI" tribunale, "GDP" giudice di pace, "CDA" corte
/// d'appello, "PRO" procura, "TAR", ...) at the chief town `site`.
OfficeChoice judicialOffice(const Istat& istat, const QString& kind, const QString& site);

}  // namespace tolmo::schema::demo
