#pragma once
// The last day to lodge an appeal against a criminal sentence: calendar days counted from the
// sentence, its deposit or its notification, skipping the summer suspension of judicial terms.
// Pure functions of dates: nothing here reads a form or a database.

#include <QDate>
#include <QString>
#include <optional>

namespace tolmo::criminal {

/// The date that stands for an empty date field in the computation.
inline const QDate kDataZero{1899, 12, 30};
/// A result before this day means that no deadline can be computed.
inline const QDate kDataMinima{1900, 12, 31};

/// The summer suspension of judicial terms: from one day to another of the same year, both
/// included. The firm sets it once; courts have long suspended from 01/08 to 15/09, and since
/// 2015 the suspension runs from 01/08 to 31/08.
struct Sospensione {
    int meseInizio = 8;
    int giornoInizio = 1;
    int meseFine = 9;
    int giornoFine = 15;

    /// "01/08-15/09"; nothing when the text is not two day/month dates in order within a year.
    static std::optional<Sospensione> dalTesto(const QString& text);
    QString testo() const;
    QDate inizio(int year) const { return {year, meseInizio, giornoInizio}; }
    QDate fine(int year) const { return {year, meseFine, giornoFine}; }
    bool operator==(const Sospensione&) const = default;
};

/// `days` calendar days after `start`, the suspension of start's year skipped: a start inside
/// it counts from its last day; a count that reaches its first day resumes the day after its
/// last. Only the suspension of start's year is skipped.
QDate SommaGiorniSospensione(const QDate& start, int days, const Sospensione& sospensione = {});

/// How the reasons of a sentence are deposited: the rows of the deposit-kind lists.
inline const QString kContestuale = QStringLiteral("Contestuale");
inline const QString kOrdinario = QStringLiteral("Ordinario");
inline const QString kFissatoDalGiudice = QStringLiteral("Fissato dal giudice");

/// What a phase's sentence block holds; an empty date is kDataZero (or invalid).
struct DatiSentenza {
    QString deposito;  ///< the deposit kind
    QDate sentenza;
    QDate depositoMotivazione;
    QDate termine;   ///< the term for the deposit
    QDate notifica;  ///< notification of the deposit
};

/// The appeal days of a deposit kind: 15, 30 or 45; 0 for any other text.
int giorniImpugnazione(const QString& deposito);

/// The last day to lodge the appeal, kDataZero when it cannot be computed.
QDate CalcolaScadenzaImpugnazione(const DatiSentenza& dati, const Sospensione& sospensione = {});

}  // namespace tolmo::criminal
