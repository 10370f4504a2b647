#pragma once
// The values a case travels with between its form and its row: dates as "dd/mm/yyyy" text on
// the form, amounts and numbers as typed, the position's number and the rounded relevance.

#include <QDate>
#include <QString>
#include <QVariant>
#include <optional>
#include <stdexcept>

#include "MoneyField.h"
#include "access/Currency.h"
#include "access/Recordset.h"
#include "form/Control.h"

namespace tolmo::core {

/// A date column as the form shows it, "dd/mm/yyyy"; "" for null.
QString testoData(const QVariant& value);
/// A value typed into a field that the save cannot store: the person is told in `frase` and
/// taken back to `campo`.
class ValoreNonValido : public std::invalid_argument {
public:
    ValoreNonValido(const QString& frase, const form::Control& campo)
        : std::invalid_argument(frase.toStdString()), m_frase(frase), m_campo(campo.name()) {}
    const QString& frase() const { return m_frase; }
    /// The name of the field, on its form.
    const QString& campo() const { return m_campo; }

private:
    QString m_frase;
    QString m_campo;
};

/// The day typed in the field `campo`; throws std::invalid_argument when it is not a real day.
QDate dataDigitata(const QString& text, const QString& campo);
/// The amount of a money field that is not empty; throws ValoreNonValido when its text is not
/// an amount.
Currency importoDigitato(const MoneyField& field);
/// A number typed the Italian or the C way ("150,5", "150.5"); nullopt when it is none.
std::optional<Currency> numeroDigitato(const QString& text);
/// The same read as a plain number, every decimal kept; an euro sign of a display format is
/// ignored. Nullopt when it is none.
std::optional<double> numeroDecimale(const QString& text);
/// An amount column of the current row; nullopt for null.
std::optional<Currency> importoMemorizzato(Recordset& rs, const QString& colonna);
/// The leading whole number of a text, as a position's NumPos: "12/A" gives 12; "" and "A12" 0.
qint64 numeroIniziale(const QString& text);
/// The relevance typed, rounded to a whole percentage with halves to even ("150,5" gives 150,
/// "151,5" 152); 0 when the text is not a number.
int rilevanzaArrotondata(const QString& text);
/// An object code as the rules read it: every blank removed ("610 001" is "610001").
QString codiceCompatto(const QString& codice);
/// Writes a text column, trimmed; an empty text is stored as "" (a null QString would be NULL).
void scriviTesto(Recordset& rs, const QString& colonna, const QString& testo);
/// Writes a date field that is not empty; an empty one leaves the column as it is. Throws
/// ValoreNonValido when the text is not a real day.
void scriviData(Recordset& rs, const QString& colonna, const form::Control& campo);

}  // namespace tolmo::core
