#include "FeeProposal.h"

#include <QSqlQuery>

#include "access/TolmoAccess.h"

namespace tolmo::fees {

namespace {
const Currency kSogliaIngiunzione = Currency::fromUnits(2500);
}  // namespace

// The first matching row wins; "010001" (an injunction) halves whatever the brackets give.
Proposta propostaContributo(const QString& codice, Currency valore) {
    if (codice == QStringLiteral("610001")) return {Currency::fromUnits(242), false};
    if (codice == QStringLiteral("510001") || codice == QStringLiteral("510002"))
        return {valore < kSogliaIngiunzione ? kContributoMinimo : Currency::fromUnits(121), false};
    if (codice == QStringLiteral("010001")) return {Currency(), true};
    return {};
}

Currency dimezza(Currency importo, bool dimezzato) {
    return dimezzato ? Currency::fromRaw(importo.raw() / 2) : Currency::fromRaw(importo.raw() * 2);
}

std::optional<Currency> contributoDelloScaglione(Connection& conn, Currency valore) {
    const QString v = valore.toSqlText();
    QSqlQuery q = conn.query(QStringLiteral("SELECT Valore FROM ScaglioniContributo WHERE MinoreUguale >=") +
                             v + QStringLiteral(" AND Maggiore <") + v);
    if (!q.next()) return std::nullopt;
    return Currency::fromVariant(q.value(0));
}

QList<Scaglione> scaglioniInVigore(Connection& conn) {
    QList<Scaglione> out;
    QSqlQuery q = conn.query(QStringLiteral(
        "SELECT Maggiore, MinoreUguale, Valore FROM ScaglioniContributo ORDER BY Maggiore, ID"));
    while (q.next())
        out.append({Currency::fromVariant(q.value(0)), Currency::fromVariant(q.value(1)),
                    Currency::fromVariant(q.value(2))});
    return out;
}

}  // namespace tolmo::fees
