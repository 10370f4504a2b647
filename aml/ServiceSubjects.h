#pragma once
// The subjects of a case's anti-money-laundering service and the other professionals involved:
// the rows the form's two grids show, and their save beside the service row.

#include <QList>
#include <QString>

#include "Identifications.h"
#include "access/Connection.h"

namespace tolmo::aml {

/// Shown instead of the identifying professional when the party has no identification.
inline const QString kMancante = QStringLiteral("MANCANTE");

/// One row of the subject grid (GrigliaARPrest).
struct Soggetto {
    int id = 0;
    QString nome;
    QString codice;
    bool coinvolto = false;
    int idAr = 0;
    QString identificazione;  ///< the identifying professional, or kMancante
    QString perConto;         ///< the party it acts for, "" when none
    int idPerConto = 0;
};

/// One row of the professionals grid (TDBGridAvv).
struct Coinvolto {
    int id = 0;
    bool coinvolto = false;
    QString nome;
    QString codiceAR;
};

/// The case's client, its counterparty (not the placeholder) and its further parties, each with
/// the identification `chi` made, ticked when there is one. Throws DbError.
QList<Soggetto> soggettiDellaPratica(Connection& c, int pratica, const Professionista& chi);
/// The subjects stored for the case's service, then the further parties not among them.
QList<Soggetto> soggettiRegistrati(Connection& c, int pratica, const Professionista& chi);
/// The other users with an AML code, ticked when they are involved in the case's service.
QList<Coinvolto> professionisti(Connection& c, int pratica, int professionista);

/// Writes the subject rows and the involved professionals of service `idPrest`, these rewritten
/// whole. A `nuova` registration adds a row per subject; an existing one updates the subject's
/// first row, adding one when the party has none. Throws DbError.
void salvaSoggetti(Connection& c, int pratica, int idPrest, bool nuova, const QList<Soggetto>& soggetti,
                   const QList<Coinvolto>& coinvolti);

}  // namespace tolmo::aml
