#pragma once
// The steps that fill the demo firm, in the order createDemoFirm runs them.

#include "Istat.h"
#include "access/TolmoAccess.h"

namespace tolmo::schema::demo {

/// How much of the firm a step writes: the base every new archive needs (the configuration,
/// the administrator, the catalogues and offices, the placeholder party and the system case),
/// or the whole demo firm.
enum class Scope { Base, Demo };

/// Every step below, in order, without a transaction of its own.
void fillDemoFirm(Connection& c, Scope scope = Scope::Demo);

/// ConfigGenerale, Utenti, Gruppi, R_UtentiGruppi.
void fillFirm(Connection& c, Scope scope);
/// Classifiers, areas, typologies, states, criminal phases, qualifications, court-fee brackets.
void fillCatalogues(Connection& c);
/// OggettoPratica.
void fillSubjects(Connection& c);
/// REGIONE, SITO, UFFICIO, UfficiTributari.
void fillOffices(Connection& c, const Istat& istat);
/// Anagrafica.
void fillParties(Connection& c, const Istat& istat, Scope scope);
/// Pratica and PraPenale.
void fillCases(Connection& c, const Istat& istat, Scope scope);
/// Additional parties, involved subjects and lawyers, agenda, activities, court-fee payments.
void fillCaseRows(Connection& c);
/// Foreign currencies, their rates and the invoices.
void fillAccounting(Connection& c, Scope scope);
/// The anti-money-laundering archive.
void fillAml(Connection& c, Scope scope);

}  // namespace tolmo::schema::demo
