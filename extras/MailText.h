#pragma once
// The mail that announces a case to the firm's colleagues: date, position, subject line, who
// writes, client, counterparty, location, responsible, collaborators and notes, one a line.

#include <QString>

#include "References.h"

namespace tolmo::extras {

/// The text of the case on screen, its line breaks encoded for a mail link; "" when no case is
/// shown. Throws DbError.
QString CreaTxtMail(core::ComponentServices& services, References& references);

}  // namespace tolmo::extras
