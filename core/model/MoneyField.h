#pragma once
// A money entry: shows an amount in the case currency, knows the rate and the decimals.

#include <QJsonObject>
#include <optional>

#include "access/Currency.h"
#include "form/Control.h"

namespace tolmo::core {

/// An amount as the euro fields show it: "€ 1.234,56", a negative one in parentheses.
QString testoEuro(Currency importo);

class MoneyField : public form::Control {
public:
    MoneyField(form::Form* form, QString name);

    /// The amount the text holds, nullopt when the text is empty or not a number.
    std::optional<Currency> amount() const;
    /// Shows an amount with two decimals (or none, when decimals are off); empty for nullopt.
    void setAmount(std::optional<Currency> value);

    const QString& valuta() const { return m_valuta; }
    Currency cambio() const { return m_cambio; }
    void setValuta(const QString& valuta, Currency cambio);
    bool decimali() const { return m_decimali; }
    void setDecimali(bool on);
    const QString& cambioLiraEuro() const { return m_cambioLiraEuro; }
    void setCambioLiraEuro(const QString& rate) { m_cambioLiraEuro = rate; }

    /// The money-specific state, for the JSON driver's dump.
    QJsonObject moneyState() const;

private:
    QString m_valuta = QStringLiteral("EURO");
    Currency m_cambio;
    bool m_decimali = true;
    QString m_cambioLiraEuro;
};

}  // namespace tolmo::core
