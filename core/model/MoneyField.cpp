#include "MoneyField.h"

namespace tolmo::core {

QString testoEuro(Currency importo) {
    const QString testo = QStringLiteral("€ ") + (importo < Currency() ? -importo : importo).toItalian(2);
    return importo < Currency() ? QLatin1Char('(') + testo + QLatin1Char(')') : testo;
}

MoneyField::MoneyField(form::Form* form, QString name)
    : form::Control(form, std::move(name), form::ControlKind::TextBox) {}

std::optional<Currency> MoneyField::amount() const {
    if (text().trimmed().isEmpty()) return std::nullopt;
    return Currency::parse(text());
}

void MoneyField::setAmount(std::optional<Currency> value) {
    setText(value ? value->toItalian(m_decimali ? 2 : 0) : QString());
}

void MoneyField::setValuta(const QString& valuta, Currency cambio) {
    const auto shown = amount();
    m_valuta = valuta;
    m_cambio = cambio;
    setAmount(shown);
}

void MoneyField::setDecimali(bool on) {
    const auto shown = amount();
    m_decimali = on;
    setAmount(shown);
}

QJsonObject MoneyField::moneyState() const {
    return QJsonObject{{QStringLiteral("valuta"), m_valuta},
                       {QStringLiteral("cambio"), m_cambio.toSqlText()},
                       {QStringLiteral("decimali"), m_decimali},
                       {QStringLiteral("cambioLiraEuro"), m_cambioLiraEuro}};
}

}  // namespace tolmo::core
