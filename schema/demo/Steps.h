#pragma once
// The steps that fill the demo firm, in the order createDemoFirm runs them.

#include "Istat.h"
#include "access/TolmoAccess.h"

namespace tolmo::schema::demo {

/// Every step below, in order, without a transaction of its own.
void fillDemoFirm(Connection& c);

/// ConfigGenerale, Utenti, Gruppi, R_UtentiGruppi.
void fillFirm(Connection& c);
/// Classifiers, areas, typologies, states, criminal phases, qualifications, court-fee brackets.
void fillCatalogues(Connection& c);
/// OggettoPratica.
void fillSubjects(Connection& c);
/// REGIONE, SITO, UFFICIO, UfficiTributari.
void fillOffices(Connection& c, const Istat& istat);
/// Anagrafica.
void fillParties(Connection& c, const Istat& istat);
/// Pratica and PraPenale.
void fillCases(Connection& c, const Istat& istat);
/// Additional parties, involved subjects and lawyers, agenda, activities, court-fee payments.
void fillCaseRows(Connection& c);
/// Foreign currencies, their rates and the invoices.
void fillAccounting(Connection& c);
/// The anti-money-laundering archive.
void fillAml(Connection& c);

}  // namespace tolmo::schema::demo
