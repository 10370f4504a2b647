#include "CaseValues.h"

#include <QLocale>
#include <stdexcept>

namespace tolmo::core {

namespace {
const QString kFormatoData = QStringLiteral("dd/MM/yyyy");
/// The day written "dd/mm/yyyy" in `text`, trimmed; invalid when it is none.
QDate giorno(const QString& text) { return QDate::fromString(text.trimmed(), kFormatoData); }
}  // namespace

QString testoData(const QVariant& value) {
    if (value.isNull()) return {};
    const QDate day = value.toDate();
    if (!day.isValid() || day.year() < 1000 || day.year() > 9999) return day.toString(kFormatoData);
    // Written digit by digit: a list of thousands of entries shows its dates at once.
    const auto cifre = [](char16_t* at, int n, int count) {
        for (int i = count - 1; i >= 0; --i, n /= 10) at[i] = static_cast<char16_t>(u'0' + n % 10);
    };
    QString text(10, u'/');
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    cifre(out, day.day(), 2);
    cifre(out + 3, day.month(), 2);
    cifre(out + 6, day.year(), 4);
    return text;
}

QDate dataDigitata(const QString& text, const QString& campo) {
    const QDate day = giorno(text);
    if (!day.isValid())
        throw std::invalid_argument(QStringLiteral("La data «%1» del campo %2 non è valida.")
                                        .arg(text.trimmed(), campo)
                                        .toStdString());
    return day;
}

Currency importoDigitato(const MoneyField& field) {
    const std::optional<Currency> amount = field.amount();
    if (!amount)
        throw ValoreNonValido(
            QStringLiteral("L'importo «%1» non è valido: va scritto in cifre, come 1.234,56.")
                .arg(field.text().trimmed()),
            field);
    return *amount;
}

QString codiceCompatto(const QString& codice) {
    QString compatto = codice;
    compatto.removeIf([](QChar c) { return c.isSpace(); });
    return compatto;
}

std::optional<Currency> numeroDigitato(const QString& text) { return Currency::parse(text.trimmed()); }

std::optional<double> numeroDecimale(const QString& text) {
    const QString numero = QString(text).remove(QChar(0x20AC)).trimmed();
    bool ok = false;
    double v = QLocale(QLocale::Italian).toDouble(numero, &ok);
    if (!ok) v = QLocale::c().toDouble(numero, &ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

std::optional<Currency> importoMemorizzato(Recordset& rs, const QString& colonna) {
    if (rs.isNull(colonna)) return std::nullopt;
    return rs.currency(colonna);
}

qint64 numeroIniziale(const QString& text) {
    const QString s = text.trimmed();
    qsizetype i = 0;
    const bool negative = i < s.size() && s.at(i) == u'-';
    if (negative || (i < s.size() && s.at(i) == u'+')) ++i;
    constexpr qint64 kLimit = Q_INT64_C(100000000000000000);  // 18 digits: no overflow
    qint64 n = 0;
    for (; i < s.size() && s.at(i).isDigit() && n < kLimit; ++i) n = n * 10 + s.at(i).digitValue();
    return negative ? -n : n;
}

int rilevanzaArrotondata(const QString& text) {
    const std::optional<Currency> value = numeroDigitato(text);
    if (!value) return 0;
    const std::int64_t raw = value->raw();
    const std::int64_t scale = Currency::kScale;
    std::int64_t whole = raw / scale;
    const std::int64_t rest = raw % scale;  // same sign as raw
    const std::int64_t half = scale / 2;
    if (rest > half || (rest == half && whole % 2 != 0)) ++whole;
    if (rest < -half || (rest == -half && whole % 2 != 0)) --whole;
    return static_cast<int>(whole);
}

void scriviTesto(Recordset& rs, const QString& colonna, const QString& testo) {
    const QString t = testo.trimmed();
    rs.setValue(colonna, t.isEmpty() ? QStringLiteral("") : t);
}

void scriviData(Recordset& rs, const QString& colonna, const form::Control& campo) {
    const QString testo = campo.text().trimmed();
    if (testo.isEmpty()) return;
    const QDate day = giorno(testo);
    if (!day.isValid())
        throw ValoreNonValido(
            QStringLiteral("La data «%1» non è valida: va scritta come gg/mm/aaaa, ad esempio 05/03/2024.")
                .arg(testo),
            campo);
    rs.setValue(colonna, day);
}

}  // namespace tolmo::core
