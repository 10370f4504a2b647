// Rows of Scadenze (the agenda of a case) and Fatture (its invoices).

#include <cmath>

#include "FirmRows.h"
#include "Vocabulary.h"

namespace tolmo::bench {

namespace {

double cents(double amount) { return std::round(amount * 100.0) / 100.0; }

}  // namespace

namespace agenda {

const QStringList& columns() {
    static const QStringList list = {"Codice_Sca", "Codice_Pra",     "Codice_Cli",  "Parti",
                                     "Data_Start", "Data_End",       "Ora",         "Scadenza",
                                     "Note",       "Priorita",       "IsMemo",      "IsUdienza",
                                     "Effettuato", "IdResponsabile", "Responsabile"};
    return list;
}

QVariantList row(FirmDraft& d, const CaseDraft& c, int id) {
    Prng& rng = d.rng;
    const QDate start = c.opened.addDays(rng.below(1500));
    const QDate end = rng.percent(80) ? start : start.addDays(rng.between(1, 3));
    const QString& what = rng.pick(vocabulary::agendaEntries());
    const Catalogue::User& owner = rng.pick(d.catalogue.users);
    return {
        id,
        c.id,
        c.client,
        c.parties,
        start,
        end,
        QStringLiteral("%1:%2")
            .arg(rng.between(8, 18), 2, 10, QLatin1Char('0'))
            .arg(15 * rng.below(4), 2, 10, QLatin1Char('0')),
        what,
        rng.percent(15) ? QStringLiteral("Avvisare il cliente") : QString(),
        rng.between(1, 3),
        rng.percent(10),
        what.startsWith(QStringLiteral("Udienza")),
        end < firmToday(),
        owner.id,
        owner.name,
    };
}

}  // namespace agenda

namespace invoice {

const QStringList& columns() {
    static const QStringList list = {"ID_Fattura",    "ID_Pratica",    "ID_Cliente",  "ID_Utente",
                                     "NumeroFattura", "DataFattura",   "TipoFattura", "Fs_Fattura",
                                     "Descrizione",   "Competenze",    "ForfSpese",   "Imponibili",
                                     "Esenti",        "Cassa",         "Iva",         "Ritenuta",
                                     "TotaleFattura", "ResiduoASaldo", "Valuta"};
    return list;
}

QVariantList row(FirmDraft& d, const CaseDraft& c, int id, int n) {
    Prng& rng = d.rng;
    enum { Advance = 1, Invoice = 2, Final = 3 };
    const int kind = n == 0 ? Advance : (n == 2 ? Final : Invoice);
    const QDate date = c.opened.addDays(60 + 200 * n + rng.below(60));
    const double fees = cents(rng.between(200, 5000) + rng.below(100) / 100.0);
    const double flat = cents(fees * 0.15);
    const double fund = cents((fees + flat) * 0.04);
    const double taxable = fees + flat + fund;
    const double vat = cents(taxable * 0.22);
    const double withholding = rng.percent(40) ? cents((fees + flat) * 0.20) : 0.0;
    const double total = cents(taxable + vat - withholding);
    const bool paid = date.addDays(90) < firmToday();
    // The advance is settled by the final invoice of the case, two keys further on.
    const int settledBy = kind == Advance && paid ? id + 2 : 0;
    return {
        id,
        c.id,
        c.client,
        rng.pick(d.catalogue.users).id,
        QStringLiteral("%1/%2").arg(id).arg(date.year()),
        date,
        kind,
        settledBy,
        rng.pick(vocabulary::invoiceDescriptions()),
        fees,
        flat,
        cents(taxable),
        0.0,
        fund,
        vat,
        withholding,
        total,
        paid ? 0.0 : total,
        QStringLiteral("EURO"),
    };
}

}  // namespace invoice

}  // namespace tolmo::bench
