#pragma once
// The court fee the case form proposes from its object code and value, the brackets of value
// the fee is looked up in, and the halving of a fee.

#include <QList>
#include <QString>
#include <optional>

#include "access/Connection.h"
#include "access/Currency.h"

namespace tolmo::fees {

/// The case value that cannot be determined.
inline constexpr Currency kValoreIndeterminabile = Currency::fromUnits(-999999);
/// The fee of a case whose value cannot be determined, and of a value of zero.
inline constexpr Currency kContributoIndeterminabile = Currency::fromUnits(450);
inline constexpr Currency kContributoMinimo = Currency::fromUnits(37);

/// What the case form hands the calculator: an amount already decided (0 asks for the bracket
/// look-up) and whether the looked-up fee is halved.
struct Proposta {
    Currency importo;
    bool dimezzato = false;
};

/// The proposal for an object code (blanks already removed, core::codiceCompatto) and a case value.
Proposta propostaContributo(const QString& codice, Currency valore);

/// Halved when ticked, doubled back when unticked, without rounding (121 halves to 60,50).
Currency dimezza(Currency importo, bool dimezzato);

/// One bracket of value: Maggiore < value <= MinoreUguale costs Valore.
struct Scaglione {
    Currency maggiore, minoreUguale, valore;
};

/// The fee of the first bracket the database returns for `valore`; nullopt when none holds it.
/// Throws DbError.
std::optional<Currency> contributoDelloScaglione(Connection& conn, Currency valore);
/// Every bracket in force, lowest first. Throws DbError.
QList<Scaglione> scaglioniInVigore(Connection& conn);

}  // namespace tolmo::fees
