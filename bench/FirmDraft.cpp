// What the generated rows refer to: the catalogue of the database and the generated parties.

#include "FirmRows.h"
#include "Results.h"
#include "Vocabulary.h"

namespace tolmo::bench {

Catalogue Catalogue::read(Connection& conn) {
    Catalogue c;
    // Classifier 1 stands for "no classifier".
    forEachRow(conn,
               QStringLiteral("SELECT ID_Cla, Campo1, TipoCampo1 FROM Classificatore WHERE ID_Cla > ? "
                              "ORDER BY ID_Cla"),
               {1}, [&c](const QSqlQuery& q) {
                   c.classifiers.append({q.value(0).toInt(), !q.value(1).toString().trimmed().isEmpty(),
                                         q.value(2).toString().trimmed()});
               });
    if (c.classifiers.isEmpty()) c.classifiers.append({1, false, QString()});

    forEachRow(conn, QStringLiteral("SELECT StatoPrat FROM StatiPratica ORDER BY ID_Stato"), {},
               [&c](const QSqlQuery& q) { c.states << q.value(0).toString(); });
    if (c.states.isEmpty()) c.states = vocabulary::caseStates();

    forEachRow(conn, QStringLiteral("SELECT Id_Utente, NomeUtente FROM Utenti ORDER BY Id_Utente"), {},
               [&c](const QSqlQuery& q) {
                   c.users.append({q.value(0).toInt(), q.value(1).toString()});
               });
    if (c.users.isEmpty()) c.users.append({0, QString()});

    // The group of every user reserves nothing.
    forEachRow(conn, QStringLiteral("SELECT Gruppo FROM Gruppi WHERE Gruppo <> ? ORDER BY ID_Gruppo"),
               {QStringLiteral("TUTTI")}, [&c](const QSqlQuery& q) { c.groups << q.value(0).toString(); });
    return c;
}

QString FirmDraft::surnameOf(int partyId) const {
    const Party& p = parties[static_cast<std::size_t>(partyId - firstPartyId)];
    const auto& surnames = vocabulary::surnames();
    if (!p.company) return surnames[p.surname];
    const QString& form = vocabulary::companyForms()[p.form];
    if (p.name % 2 == 0) {
        const auto& trades = vocabulary::trades();
        return trades[p.secondSurname % trades.size()] + QLatin1Char(' ') + surnames[p.surname] +
               QLatin1Char(' ') + form;
    }
    return surnames[p.surname] + QStringLiteral(" & ") + surnames[p.secondSurname] + QLatin1Char(' ') + form;
}

QString FirmDraft::nameOf(int partyId) const {
    const Party& p = parties[static_cast<std::size_t>(partyId - firstPartyId)];
    if (p.company) return QString();
    return (p.female ? vocabulary::femaleNames() : vocabulary::maleNames())[p.name];
}

int FirmDraft::pick(Category category) {
    const std::vector<int>& ids = byCategory[static_cast<int>(category)];
    if (ids.empty()) return firstPartyId + rng.below(static_cast<int>(parties.size()));
    return ids[static_cast<std::size_t>(rng.below(static_cast<int>(ids.size())))];
}

QVariant FirmDraft::groupOrNull() {
    if (catalogue.groups.isEmpty() || !rng.percent(2)) return QVariant();
    return rng.pick(catalogue.groups);
}

}  // namespace tolmo::bench
