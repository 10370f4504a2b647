#pragma once
// The date entries of the case form: typed through the mask "##/##/####", shown in the short
// date format, and written in full when the person leaves them ("1/2/2020" is "01/02/2020").

#include <QDate>
#include <QString>

#include "form/Control.h"

namespace tolmo::core {

/// A typed date in full: "1/2/2020", or "1_/2_/2020" through the mask, gives "01/02/2020"; a
/// text that is no day stays as typed (trimmed), for the check to refuse it.
QString dataNormalizzata(const QString& text);
/// True when nothing was typed: the text is empty, or the mask's blanks and separators alone.
bool dataVuota(const QString& text);
/// The day a date field holds, short forms included; invalid when it is empty or no day.
QDate dataDelCampo(const QString& text);
/// Gives `campo` the mask and the display format of the form's dates, and writes a short date
/// in full when the person leaves it.
void comeData(form::Control& campo);

}  // namespace tolmo::core
