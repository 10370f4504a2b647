// The appeal deadline, counted around the summer suspension of terms, under the long span the
// courts used (01/08-15/09) and the one in force since 2015 (01/08-31/08).

#include <gtest/gtest.h>

#include "criminal/AppealDeadline.h"

namespace tolmo::criminal {

void PrintTo(const QDate& d, std::ostream* os) {
    *os << d.toString(QStringLiteral("dd/MM/yyyy")).toStdString();
}

namespace {

QDate d(const char* text) {
    return QDate::fromString(QString::fromLatin1(text), QStringLiteral("dd/MM/yyyy"));
}

const Sospensione kLunga{};
const Sospensione kAgosto = *Sospensione::dalTesto(QStringLiteral("01/08-31/08"));

TEST(SommaGiorniSospensione, ExamplesOfTheLongSpan) {
    EXPECT_EQ(SommaGiorniSospensione(d("10/08/2023"), 15, kLunga), d("30/09/2023"));
    EXPECT_EQ(SommaGiorniSospensione(d("15/09/2023"), 15, kLunga), d("30/09/2023"));
    EXPECT_EQ(SommaGiorniSospensione(d("31/07/2023"), 15, kLunga), d("30/09/2023"));
    EXPECT_EQ(SommaGiorniSospensione(d("20/07/2023"), 15, kLunga), d("19/09/2023"));
    EXPECT_EQ(SommaGiorniSospensione(d("16/09/2023"), 15, kLunga), d("01/10/2023"));
    EXPECT_EQ(SommaGiorniSospensione(d("17/07/2023"), 45, kLunga), d("16/10/2023"));
}

// The span's edges: the day before, its first day, its last day and the day after, under both
// spans; a start on 31/07 counts as one on 01/08.
TEST(SommaGiorniSospensione, SpanBoundariesUnderBothSpans) {
    EXPECT_EQ(SommaGiorniSospensione(d("01/08/2023"), 15, kLunga), d("30/09/2023"));
    EXPECT_EQ(SommaGiorniSospensione(d("16/09/2023"), 30, kLunga), d("16/10/2023"));
    EXPECT_EQ(SommaGiorniSospensione(d("31/07/2023"), 15, kAgosto), d("15/09/2023"));
    EXPECT_EQ(SommaGiorniSospensione(d("01/08/2023"), 15, kAgosto), d("15/09/2023"));
    EXPECT_EQ(SommaGiorniSospensione(d("31/08/2023"), 15, kAgosto), d("15/09/2023"));
    EXPECT_EQ(SommaGiorniSospensione(d("01/09/2023"), 15, kAgosto), d("16/09/2023"));
    EXPECT_EQ(SommaGiorniSospensione(d("15/09/2023"), 15, kAgosto), d("30/09/2023"));
    EXPECT_EQ(SommaGiorniSospensione(d("17/07/2023"), 45, kAgosto), d("01/10/2023"));
    // A count that ends the day before the suspension is not moved.
    EXPECT_EQ(SommaGiorniSospensione(d("01/07/2023"), 30, kLunga), d("31/07/2023"));
    EXPECT_EQ(SommaGiorniSospensione(d("01/07/2023"), 31, kLunga), d("16/09/2023"));
    EXPECT_EQ(SommaGiorniSospensione(d("01/07/2023"), 31, kAgosto), d("01/09/2023"));
}

// Only the suspension of the starting year is skipped; leap days count; a term from 31/12.
TEST(SommaGiorniSospensione, OtherYearsAndLeapDays) {
    EXPECT_EQ(SommaGiorniSospensione(d("20/09/2023"), 330, kLunga), d("15/08/2024"));
    EXPECT_EQ(SommaGiorniSospensione(d("31/12/2023"), 215, kLunga), d("02/08/2024"));
    EXPECT_EQ(SommaGiorniSospensione(d("15/02/2024"), 15, kLunga), d("01/03/2024"));
    EXPECT_EQ(SommaGiorniSospensione(d("15/02/2023"), 15, kLunga), d("02/03/2023"));
    EXPECT_EQ(SommaGiorniSospensione(d("31/12/2023"), 15, kAgosto), d("15/01/2024"));
    EXPECT_EQ(SommaGiorniSospensione(d("20/07/2024"), 45, kAgosto), d("04/10/2024"));
}

TEST(Sospensione, ReadFromItsTextOrRefused) {
    EXPECT_EQ(Sospensione::dalTesto(QStringLiteral("01/08-15/09")), kLunga);
    EXPECT_EQ(Sospensione::dalTesto(QStringLiteral(" 1/8 - 31/8 ")), kAgosto);
    EXPECT_EQ(kAgosto.testo(), QStringLiteral("01/08-31/08"));
    for (const char* wrong : {"", "01/08", "31/02-15/09", "15/09-01/08", "ago-set", "01/13-15/09"})
        EXPECT_FALSE(Sospensione::dalTesto(QString::fromLatin1(wrong))) << wrong;
}

DatiSentenza sentenza(const QString& deposito) { return {deposito, d("10/03/2023"), {}, {}, {}}; }

TEST(CalcolaScadenzaImpugnazione, ExamplesWithASentenceOfTenthMarch) {
    DatiSentenza s = sentenza(kContestuale);
    EXPECT_EQ(CalcolaScadenzaImpugnazione(s), d("25/03/2023"));
    s.notifica = d("20/03/2023");
    EXPECT_EQ(CalcolaScadenzaImpugnazione(s), d("04/04/2023"));

    s = sentenza(kOrdinario);
    s.termine = d("25/03/2023");
    EXPECT_EQ(CalcolaScadenzaImpugnazione(s), d("24/04/2023"));
    s.notifica = d("01/04/2023");
    EXPECT_EQ(CalcolaScadenzaImpugnazione(s), d("01/05/2023"));
    s.notifica = {};
    s.depositoMotivazione = d("30/03/2023");  // late, and never notified
    EXPECT_EQ(CalcolaScadenzaImpugnazione(s), kDataZero);
    s.notifica = d("05/04/2023");
    EXPECT_EQ(CalcolaScadenzaImpugnazione(s), d("05/05/2023"));

    s = sentenza(kFissatoDalGiudice);
    s.termine = d("09/05/2023");
    EXPECT_EQ(CalcolaScadenzaImpugnazione(s), d("23/06/2023"));
    EXPECT_EQ(CalcolaScadenzaImpugnazione(sentenza(kOrdinario)), kDataZero);  // no term, no notice

    s = sentenza(kOrdinario);
    s.termine = d("16/07/2023");
    EXPECT_EQ(CalcolaScadenzaImpugnazione(s, kLunga), d("30/09/2023"));
    EXPECT_EQ(CalcolaScadenzaImpugnazione(s, kAgosto), d("15/09/2023"));
}

// A notification before the term counts from the term; a deposit on the term is not late;
// with "Contestuale" the term and the deposit play no part; an unknown kind gives nothing.
TEST(CalcolaScadenzaImpugnazione, WhatEachDateWeighs) {
    DatiSentenza s = sentenza(kOrdinario);
    s.termine = d("25/03/2023");
    s.notifica = d("20/03/2023");
    EXPECT_EQ(CalcolaScadenzaImpugnazione(s), d("24/04/2023"));
    s.depositoMotivazione = d("25/03/2023");
    EXPECT_EQ(CalcolaScadenzaImpugnazione(s), d("24/04/2023"));

    s = sentenza(kContestuale);
    s.termine = d("01/06/2023");
    s.depositoMotivazione = d("30/06/2023");
    EXPECT_EQ(CalcolaScadenzaImpugnazione(s), d("25/03/2023"));
    EXPECT_EQ(CalcolaScadenzaImpugnazione(sentenza(QString())), kDataZero);
    EXPECT_EQ(CalcolaScadenzaImpugnazione(sentenza(QStringLiteral("contestuale"))), kDataZero);
    EXPECT_EQ(CalcolaScadenzaImpugnazione({kContestuale, {}, {}, {}, {}}), kDataZero);
}

}  // namespace
}  // namespace tolmo::criminal
