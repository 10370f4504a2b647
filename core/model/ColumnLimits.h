#pragma once
// The entries of the case form accept no more characters than the columns they are saved in
// hold, as the one schema definition gives them: both engines then store the same text.

#include <QString>

#include "form/Form.h"

namespace tolmo::core {

/// The characters column `column` of `table` holds; 0 when it is no text of bounded length.
int lunghezzaColonna(const QString& table, const QString& column);

/// `text` cut to the characters column `column` of `table` holds (the whole text when the
/// column has no bounded length): both engines then store the same text.
QString entroColonna(const QString& table, const QString& column, const QString& text);

/// Limits every control of `form` that is saved in a column of the case row to that column.
void limitaAlleColonne(form::Form& form);

}  // namespace tolmo::core
