#include "Calendar.h"

#include <QSqlQuery>
#include <QTime>

namespace tolmo::extras {

namespace {

const QByteArray kCrLf = "\r\n";

/// Italy's time, with its summer rule, so that a hearing at 09:00 is at 09:00 on every phone.
const QByteArray kFusoRoma =
    "BEGIN:VTIMEZONE\r\nTZID:Europe/Rome\r\n"
    "BEGIN:DAYLIGHT\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0200\r\nTZNAME:CEST\r\n"
    "DTSTART:19700329T020000\r\nRRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\nEND:DAYLIGHT\r\n"
    "BEGIN:STANDARD\r\nTZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nTZNAME:CET\r\n"
    "DTSTART:19701025T030000\r\nRRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\nEND:STANDARD\r\n"
    "END:VTIMEZONE\r\n";

QList<VoceAgenda> leggi(const ConnectionPtr& conn, const QString& condizione, int id) {
    QList<VoceAgenda> voci;
    conn->withQuery(
        QStringLiteral("SELECT s.Codice_Sca, s.Data_End, s.Ora, s.Scadenza, s.Parti, s.Note, s.IsMemo, "
                       "s.Data_Start, p.Posizione FROM Scadenze s LEFT JOIN Pratica p ON p.ID_Pra = "
                       "s.Codice_Pra WHERE s.Effettuato = FALSE AND s.Data_End IS NOT NULL AND ") +
            condizione + QStringLiteral(" ORDER BY s.Data_End, s.Ora, s.Codice_Sca"),
        {id}, [&voci](QSqlQuery& q) {
            while (q.next())
                voci.append({q.value(0).toInt(), q.value(1).toDate(), q.value(2).toString().trimmed(),
                             q.value(3).toString(), q.value(4).toString(), q.value(5).toString(),
                             q.value(8).toString(), q.value(6).toBool(), q.value(7).toDate()});
        });
    return voci;
}

/// `t` without the control characters an iCalendar text cannot hold (line breaks and tabs stay).
QString leggibile(const QString& t) {
    QString out;
    out.reserve(t.size());
    for (const QChar c : t)
        if (c == u'\n' || c == u'\t' || (c.unicode() >= 0x20 && c.unicode() != 0x7F)) out += c;
    return out;
}

/// A TEXT value: backslash, semicolon, comma and line breaks escaped.
QByteArray testo(const QString& t) {
    QString out;
    out.reserve(t.size());
    for (const QChar c : leggibile(t)) {
        if (c == u'\\' || c == u';' || c == u',') out += u'\\';
        if (c == u'\n')
            out += QStringLiteral("\\n");
        else
            out += c;
    }
    return out.toUtf8();
}

/// A content line folded at 75 bytes, never inside a UTF-8 sequence.
void riga(QByteArray& ics, const QByteArray& linea) {
    int usati = 0;
    for (qsizetype i = 0; i < linea.size();) {
        qsizetype n = 1;
        while (i + n < linea.size() && (static_cast<unsigned char>(linea.at(i + n)) & 0xC0) == 0x80) ++n;
        if (usati + n > 75) {
            ics += kCrLf + ' ';
            usati = 1;
        }
        ics += linea.mid(i, n);
        usati += static_cast<int>(n);
        i += n;
    }
    ics += kCrLf;
}

QTime orario(const QString& ora) { return QTime::fromString(ora, QStringLiteral("HH:mm")); }

QByteArray data(const QDate& d) { return d.toString(QStringLiteral("yyyyMMdd")).toLatin1(); }

}  // namespace

QList<VoceAgenda> scadenzeDellaPratica(const ConnectionPtr& conn, int idPratica) {
    return leggi(conn, QStringLiteral("s.Codice_Pra = ?"), idPratica);
}

QList<VoceAgenda> scadenzeDelResponsabile(const ConnectionPtr& conn, int idUtente) {
    return leggi(conn, QStringLiteral("s.IdResponsabile = ?"), idUtente);
}

QByteArray calendario(const QList<VoceAgenda>& voci, const QDateTime& adesso) {
    QByteArray ics;
    for (const char* l : {"BEGIN:VCALENDAR", "VERSION:2.0", "PRODID:-//Tolmo Studio//Scadenze//IT",
                          "CALSCALE:GREGORIAN", "X-WR-CALNAME:Scadenze"})
        riga(ics, l);
    bool orarie = false;
    for (const VoceAgenda& v : voci) orarie = orarie || orario(v.ora).isValid();
    if (orarie) ics += kFusoRoma;
    const QByteArray timbro = adesso.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")).toLatin1();
    for (const VoceAgenda& v : voci) {
        riga(ics, "BEGIN:VEVENT");
        riga(ics, "UID:scadenza-" + QByteArray::number(v.id) + "@tolmo-studio");
        riga(ics, "DTSTAMP:" + timbro);
        if (const QTime t = orario(v.ora); t.isValid()) {
            riga(ics, "DTSTART;TZID=Europe/Rome:" + data(v.giorno) + 'T' + t.toString("HHmm00").toLatin1());
            riga(ics, "DURATION:PT1H");
        } else {
            riga(ics, "DTSTART;VALUE=DATE:" + data(v.giorno));
            riga(ics, "DTEND;VALUE=DATE:" + data(v.giorno.addDays(1)));
        }
        const QString dovuto = leggibile(v.scadenza).trimmed();
        const QString titolo = dovuto.isEmpty() ? QStringLiteral("Scadenza") : dovuto;
        riga(ics, "SUMMARY:" + testo(titolo));
        QStringList descrizione;
        for (const QString& parte :
             {v.posizione.trimmed().isEmpty() ? QString() : QStringLiteral("Pratica ") + v.posizione, v.parti,
              v.note})
            if (const QString p = leggibile(parte).trimmed(); !p.isEmpty()) descrizione << p;
        if (!descrizione.isEmpty()) riga(ics, "DESCRIPTION:" + testo(descrizione.join(u'\n')));
        if (v.promemoria) {
            // Raised on the day the reminder was set for (the day before when none was).
            const qint64 giorni = v.avviso.isValid() && v.avviso <= v.giorno ? v.avviso.daysTo(v.giorno) : 1;
            riga(ics, "BEGIN:VALARM");
            riga(ics, "ACTION:DISPLAY");
            riga(ics, "DESCRIPTION:" + testo(titolo));
            riga(ics,
                 giorni == 0 ? QByteArray("TRIGGER:PT0S") : "TRIGGER:-P" + QByteArray::number(giorni) + 'D');
            riga(ics, "END:VALARM");
        }
        riga(ics, "END:VEVENT");
    }
    riga(ics, "END:VCALENDAR");
    return ics;
}

}  // namespace tolmo::extras
