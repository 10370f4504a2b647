#pragma once
// "Esporta scadenze": the open deadlines of the case on screen, or of everyone a responsible
// person follows, written as an iCalendar file for the calendar on the lawyers' phones.

#include <QString>

class QWidget;

namespace tolmo {
class TolmoPratica;
}

namespace tolmo::studio {

/// Asks whose deadlines and where to write them, then writes the file; the text for the status
/// bar, or "" when the person gave up or was told of a failure.
QString esportaScadenze(QWidget* parent, TolmoPratica& component);

}  // namespace tolmo::studio
