#pragma once
// The display formats and input masks of the form's entries, as a Qt line edit shows them.

#include <QString>

namespace tolmo::ui {

/// `text` in display format `format`: "€ #,##0.00;(€ #,##0.00)" an amount in euro (negative in
/// brackets), "0" a whole number; any other format, or a text that is no number, as it is.
QString formatoVisibile(const QString& format, const QString& text);

/// A form's input mask ("#" a digit, other characters as they stand) as a QLineEdit input mask
/// with "_" for the blanks: "##/##/####" gives "00/00/0000;_". Empty for no mask.
QString mascheraQt(const QString& mask);

}  // namespace tolmo::ui
