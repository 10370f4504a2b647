#pragma once
// The words a generated firm is written with: Italian names, streets, companies, case subjects,
// agenda entries and invoice descriptions.

#include <QList>
#include <QString>

namespace tolmo::bench::vocabulary {

const QList<QString>& surnames();
const QList<QString>& maleNames();
const QList<QString>& femaleNames();
/// "Via", "Piazza", "Corso" ... each followed by a street name.
const QList<QString>& streetKinds();
const QList<QString>& streetNames();
/// "S.r.l.", "S.p.A." ...: a company is a surname or two followed by one of these.
const QList<QString>& companyForms();
/// "Costruzioni", "Immobiliare" ...: the trade a company name may start with.
const QList<QString>& trades();

struct CaseSubject {
    QString code;
    QString text;
};
const QList<CaseSubject>& caseSubjects();
/// "Tribunale di", "Giudice di Pace di" ...: followed by a municipality.
const QList<QString>& courts();
const QList<QString>& agendaEntries();
const QList<QString>& invoiceDescriptions();
/// The states of a case when the catalogue of the database has none.
const QList<QString>& caseStates();

}  // namespace tolmo::bench::vocabulary
