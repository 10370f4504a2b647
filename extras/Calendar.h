#pragma once
// The open deadlines of a case, or of everyone a responsible person follows, as an iCalendar file
// for the calendar on a phone: a day's deadline is an all-day event, a hearing at a time a timed
// one in Italian time, and a reminder entry raises an alarm on the day it was set for.

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include "access/Connection.h"

namespace tolmo::extras {

/// One open agenda entry.
struct VoceAgenda {
    int id = 0;        ///< Codice_Sca
    QDate giorno;      ///< Data_End
    QString ora;       ///< "HH:MM", or "" for the whole day
    QString scadenza;  ///< what is due
    QString parti;
    QString note;
    QString posizione;  ///< the case's position
    bool promemoria = false;
    QDate avviso;  ///< Data_Start: the day a reminder is raised
};

/// The open entries (Effettuato false, with a day) of case `idPratica`, by day and time.
QList<VoceAgenda> scadenzeDellaPratica(const ConnectionPtr& conn, int idPratica);
/// The open entries of every case whose entries user `idUtente` is responsible for.
QList<VoceAgenda> scadenzeDelResponsabile(const ConnectionPtr& conn, int idUtente);

/// The entries as an iCalendar (RFC 5545) text: CRLF line ends, long lines folded, texts escaped.
/// `adesso` stamps every event.
QByteArray calendario(const QList<VoceAgenda>& voci, const QDateTime& adesso);

}  // namespace tolmo::extras
