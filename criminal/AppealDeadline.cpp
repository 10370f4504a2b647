#include "AppealDeadline.h"

#include <QRegularExpression>

namespace tolmo::criminal {

namespace {

QDate oZero(const QDate& d) { return d.isValid() ? d : kDataZero; }

/// The days of a term counted from the notification when it came on or after the term (or
/// the deposit was late), from the term otherwise.
QDate dopoIlTermine(const DatiSentenza& d, int days, const Sospensione& s) {
    const QDate deposito = oZero(d.depositoMotivazione);
    const QDate termine = oZero(d.termine);
    const QDate notifica = oZero(d.notifica);
    const bool tardivo = deposito != kDataZero && deposito > termine;
    if (tardivo || notifica >= termine) return SommaGiorniSospensione(notifica, days, s);
    return SommaGiorniSospensione(termine, days, s);
}

}  // namespace

std::optional<Sospensione> Sospensione::dalTesto(const QString& text) {
    static const QRegularExpression shape(
        QStringLiteral("^\\s*(\\d{1,2})/(\\d{1,2})\\s*-\\s*(\\d{1,2})/(\\d{1,2})\\s*$"));
    const QRegularExpressionMatch m = shape.match(text);
    if (!m.hasMatch()) return std::nullopt;
    const Sospensione s{m.captured(2).toInt(), m.captured(1).toInt(), m.captured(4).toInt(),
                        m.captured(3).toInt()};
    // A leap year, so that 29/02 is a day; the span must not wrap around the year's end.
    const QDate from = s.inizio(2000), to = s.fine(2000);
    if (!from.isValid() || !to.isValid() || to < from) return std::nullopt;
    return s;
}

QString Sospensione::testo() const {
    return QStringLiteral("%1/%2-%3/%4")
        .arg(giornoInizio, 2, 10, QLatin1Char('0'))
        .arg(meseInizio, 2, 10, QLatin1Char('0'))
        .arg(giornoFine, 2, 10, QLatin1Char('0'))
        .arg(meseFine, 2, 10, QLatin1Char('0'));
}

QDate SommaGiorniSospensione(const QDate& start, int days, const Sospensione& s) {
    const int year = start.year();
    // 29/02 as a bound of a span in a common year falls on 01/03.
    const auto day = [year](int month, int dayOfMonth) {
        const QDate d(year, month, dayOfMonth);
        return d.isValid() ? d : QDate(year, month, 1).addMonths(1);
    };
    const QDate from = day(s.meseInizio, s.giornoInizio);
    const QDate to = day(s.meseFine, s.giornoFine);
    if (start >= from && start <= to) return to.addDays(days);
    // Counting day by day, the first day of the suspension becomes the day after its last.
    if (start < from && start.daysTo(from) <= days) return to.addDays(days - start.daysTo(from) + 1);
    return start.addDays(days);
}

int giorniImpugnazione(const QString& deposito) {
    if (deposito == kContestuale) return 15;
    if (deposito == kOrdinario) return 30;
    if (deposito == kFissatoDalGiudice) return 45;
    return 0;
}

QDate CalcolaScadenzaImpugnazione(const DatiSentenza& d, const Sospensione& s) {
    QDate result = kDataZero;
    const int days = giorniImpugnazione(d.deposito);
    if (d.deposito == kContestuale) {
        const QDate notifica = oZero(d.notifica);
        result = SommaGiorniSospensione(notifica != kDataZero ? notifica : oZero(d.sentenza), days, s);
    } else if (days > 0) {
        result = dopoIlTermine(d, days, s);
    }
    return result < kDataMinima ? kDataZero : result;
}

}  // namespace tolmo::criminal
