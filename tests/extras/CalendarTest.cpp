// The deadlines exported for a phone's calendar, read back by libical: every event, its day or
// time, its text and its alarm, hostile text included, with no warning of the parser.

#include <gtest/gtest.h>
#include <libical/ical.h>

#include "extras/Calendar.h"
#include "schema/DemoFirm.h"
#include "schema/Schema.h"
#include "support/NaughtyStrings.h"
#include "support/TestDb.h"

namespace tolmo::test {
namespace {

namespace demo = schema::demo;

/// Control characters cannot travel in an iCalendar text: they are left out.
QString senzaControllo(const QString& t) {
    QString out;
    for (const QChar c : t)
        if (c == u'\n' || c == u'\t' || (c.unicode() >= 0x20 && c.unicode() != 0x7F)) out += c;
    return out;
}

QString testoIcal(const char* t) { return t ? QString::fromUtf8(t) : QString(); }

class Calendar : public ::testing::TestWithParam<Engine> {
protected:
    /// Writes the calendar, reads it back with libical (the library of desktop calendar clients)
    /// and compares every event with the entry it came from; the differences, one per line.
    QStringList verifica(const QList<extras::VoceAgenda>& voci) {
        const QByteArray ics = extras::calendario(voci, QDateTime(QDate(2026, 12, 7), QTime(10, 0), Qt::UTC));
        QStringList guasti;
        for (const QByteArray& riga : ics.split('\n'))
            if (riga.size() > 76 || (!riga.isEmpty() && !riga.endsWith('\r')))
                guasti << QStringLiteral("a line of %1 bytes, or without CRLF").arg(riga.size());
        icalcomponent* cal = icalparser_parse_string(ics.constData());
        if (!cal) return {QStringLiteral("libical read no calendar")};
        // Warnings a client would show: what libical could not read, or what RFC 5545 forbids.
        icalrestriction_check(cal);
        for (icalcomponent* c = cal; c; c = nullptr)
            for (icalcomponent* e = icalcomponent_get_first_component(c, ICAL_ANY_COMPONENT); e;
                 e = icalcomponent_get_next_component(c, ICAL_ANY_COMPONENT))
                for (icalproperty* x = icalcomponent_get_first_property(e, ICAL_XLICERROR_PROPERTY); x;
                     x = icalcomponent_get_next_property(e, ICAL_XLICERROR_PROPERTY))
                    guasti << QStringLiteral("libical: ") + testoIcal(icalproperty_get_xlicerror(x));
        for (icalproperty* x = icalcomponent_get_first_property(cal, ICAL_XLICERROR_PROPERTY); x;
             x = icalcomponent_get_next_property(cal, ICAL_XLICERROR_PROPERTY))
            guasti << QStringLiteral("libical: ") + testoIcal(icalproperty_get_xlicerror(x));
        int n = 0;
        for (icalcomponent* e = icalcomponent_get_first_component(cal, ICAL_VEVENT_COMPONENT); e;
             e = icalcomponent_get_next_component(cal, ICAL_VEVENT_COMPONENT), ++n) {
            if (n >= voci.size()) break;
            const extras::VoceAgenda& v = voci.at(n);
            const QString uid = QStringLiteral("scadenza-%1@tolmo-studio").arg(v.id);
            if (testoIcal(icalcomponent_get_uid(e)) != uid) guasti << uid + QStringLiteral(": UID");
            const QString titolo = senzaControllo(v.scadenza).trimmed();
            if (testoIcal(icalcomponent_get_summary(e)) !=
                (titolo.isEmpty() ? QStringLiteral("Scadenza") : titolo))
                guasti << uid + QStringLiteral(": summary ") + testoIcal(icalcomponent_get_summary(e)) +
                          QStringLiteral(" for ") + QString::fromLatin1(v.scadenza.toUtf8().toHex());
            const QString nota = senzaControllo(v.note).trimmed();
            if (!testoIcal(icalcomponent_get_description(e)).endsWith(nota))
                guasti << uid + QStringLiteral(": note");
            const icaltimetype inizio = icalcomponent_get_dtstart(e);
            if (QDate(inizio.year, inizio.month, inizio.day) != v.giorno)
                guasti << uid + QStringLiteral(": day");
            const bool giornata = v.ora.isEmpty();
            if (static_cast<bool>(inizio.is_date) != giornata) guasti << uid + QStringLiteral(": all-day");
            if (!giornata &&
                (QTime(inizio.hour, inizio.minute).toString("HH:mm") != v.ora ||
                 testoIcal(icaltimezone_get_tzid(const_cast<icaltimezone*>(inizio.zone))) != "Europe/Rome"))
                guasti << uid + QStringLiteral(": time");
            const icaltimetype fine = icalcomponent_get_dtend(e);
            const int durata = icaldurationtype_as_int(icaltime_subtract(fine, inizio));
            if (durata != (giornata ? 86400 : 3600))
                guasti << uid + QStringLiteral(": lasts %1 s").arg(durata);
            icalcomponent* allarme = icalcomponent_get_first_component(e, ICAL_VALARM_COMPONENT);
            if (static_cast<bool>(allarme) != v.promemoria) guasti << uid + QStringLiteral(": alarm");
            if (allarme) {
                const icaltriggertype t = icalproperty_get_trigger(
                    icalcomponent_get_first_property(allarme, ICAL_TRIGGER_PROPERTY));
                const qint64 giorni = v.avviso.isValid() ? v.avviso.daysTo(v.giorno) : 1;
                if (icaldurationtype_as_int(t.duration) != -giorni * 86400)
                    guasti << uid + QStringLiteral(": alarm %1 s").arg(icaldurationtype_as_int(t.duration));
            }
        }
        if (n != voci.size()) guasti << QStringLiteral("%1 events, %2 entries").arg(n).arg(voci.size());
        icalcomponent_free(cal);
        return guasti;
    }

    ScratchDatabase db{GetParam()};
    ConnectionPtr conn = schema::openDatabase(db.url());
};

TEST_P(Calendar, TheCasesAndTheResponsiblesOpenDeadlinesReadBackExactly) {
    const QList<extras::VoceAgenda> pratica = extras::scadenzeDellaPratica(conn, demo::kPraDeLuca);
    ASSERT_FALSE(pratica.isEmpty());
    EXPECT_EQ(verifica(pratica).join(u'\n').toStdString(), "");
    const QList<extras::VoceAgenda> ferrari = extras::scadenzeDelResponsabile(conn, demo::kUtenteFerrari);
    ASSERT_GT(ferrari.size(), pratica.size() - 1);
    bool oraria = false, giornata = false, promemoria = false;
    for (const extras::VoceAgenda& v : ferrari) {
        oraria = oraria || !v.ora.isEmpty();
        giornata = giornata || v.ora.isEmpty();
        promemoria = promemoria || v.promemoria;
    }
    EXPECT_TRUE(oraria && giornata && promemoria);
    EXPECT_EQ(verifica(ferrari).join(u'\n').toStdString(), "");
    // What was done is not due.
    conn->Execute(QStringLiteral("UPDATE Scadenze SET Effettuato = TRUE WHERE Codice_Pra = ?"),
                  {demo::kPraDeLuca});
    EXPECT_TRUE(extras::scadenzeDellaPratica(conn, demo::kPraDeLuca).isEmpty());
}

// Every naughty string as what is due and as its note, in entries of a day and at a time.
TEST_P(Calendar, HostileTextsSurviveTheFile) {
    const QStringList naughty = naughtyStrings(GetParam() == Engine::SQLite);
    conn->Execute(QStringLiteral("DELETE FROM Scadenze"));
    for (int i = 0; i < naughty.size(); ++i)
        conn->Execute(
            QStringLiteral("INSERT INTO Scadenze (Codice_Pra, Data_Start, Data_End, Ora, Scadenza, Note, "
                           "IsMemo, Effettuato, IdResponsabile) VALUES (?, ?, ?, ?, ?, ?, ?, FALSE, ?)"),
            {demo::kPraDeLuca, QDate(2027, 3, 1), QDate(2027, 3, 1).addDays(i % 40),
             i % 2 ? QStringLiteral("15:30") : QString(), naughty.at(i).left(255), naughty.at(i), i % 3 == 0,
             demo::kUtenteFerrari});
    const QList<extras::VoceAgenda> voci = extras::scadenzeDelResponsabile(conn, demo::kUtenteFerrari);
    ASSERT_EQ(voci.size(), naughty.size());
    EXPECT_EQ(verifica(voci).join(u'\n').toStdString(), "");
}

INSTANTIATE_TEST_SUITE_P(Engines, Calendar, ::testing::ValuesIn(enginesUnderTest()),
                         [](const auto& info) { return engineName(info.param).toStdString(); });

}  // namespace
}  // namespace tolmo::test
