#pragma once
// The court-fee table the calculator's "Consulta Documentazione" opens: a PDF written from the
// brackets in force in the firm's database, under PathEXE\PdfInput.

#include <QList>
#include <QString>

#include "access/Connection.h"
#include "fees/FeeProposal.h"
#include "platform/Settings.h"

class QPainter;

namespace tolmo::studio {

/// Draws the table of brackets on a page `width` x `height` device pixels wide.
void disegnaTabellaContributo(QPainter& painter, int width, int height,
                              const QList<fees::Scaglione>& scaglioni);
/// Writes the table as a one-page A4 PDF at `path`, making its folder; false when it could not.
bool scriviTabellaContributo(const QString& path, const QList<fees::Scaglione>& scaglioni);
/// The host's part: PathEXE names the folder the suite's documents live in (the studio's own
/// data folder when it is not set), and the table there is written again from `conn`'s brackets.
/// Gives the document's path; empty when it could not be written.
QString preparaTabellaContributo(platform::Settings& settings, Connection& conn);

}  // namespace tolmo::studio
