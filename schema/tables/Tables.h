#pragma once
// The table definitions, one function per group of related tables.

#include "schema/Schema.h"

namespace tolmo::schema::def {

/// Pratica, PraPenale, MultiIntesta and the rows that hang from a case.
QList<TableInfo> caseTables();
/// Anagrafica, Utenti, Gruppi and their memberships, ConfigGenerale.
QList<TableInfo> registerTables();
/// Classifiers, subjects, states, phases, qualifications, court-fee brackets.
QList<TableInfo> catalogueTables();
/// REGIONE, SITO, UFFICIO, UfficiTributari.
QList<TableInfo> officeTables();
/// Invoices, activities, payments, currencies and rates.
QList<TableInfo> accountingTables();
/// Agenda, documents and the staging table of the external practice system.
QList<TableInfo> workTables();
/// The anti-money-laundering archive.
QList<TableInfo> amlTables();

}  // namespace tolmo::schema::def
