#include "Currency.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <limits>

namespace tolmo {

namespace {

constexpr int kDecimals = 4;

/// Turns a plain decimal ("-123.456789", digits and at most one point) into ten-thousandths,
/// rounding half away from zero; nullopt when it does not fit in 64 bits.
std::optional<std::int64_t> rawFromPlainDecimal(const QString& text) {
    const bool negative = text.startsWith(u'-');
    const QString body = (negative || text.startsWith(u'+')) ? text.mid(1) : text;
    const qsizetype point = body.indexOf(u'.');
    const QString units = point < 0 ? body : body.left(point);
    const QString fraction = point < 0 ? QString() : body.mid(point + 1);
    if (units.isEmpty() && fraction.isEmpty()) return std::nullopt;

    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    std::int64_t raw = 0;
    for (QChar c : units) {
        const int digit = c.digitValue();
        if (raw > (kMax - digit) / 10) return std::nullopt;
        raw = raw * 10 + digit;
    }
    for (int i = 0; i < kDecimals; ++i) {
        const int digit = i < fraction.size() ? fraction.at(i).digitValue() : 0;
        if (raw > (kMax - digit) / 10) return std::nullopt;
        raw = raw * 10 + digit;
    }
    if (fraction.size() > kDecimals && fraction.at(kDecimals).digitValue() >= 5) {
        if (raw == kMax) return std::nullopt;
        ++raw;
    }
    return negative ? -raw : raw;
}

/// Brings an amount written the Italian way or the SQL way to a plain decimal.
/// With both separators the last one is the decimal mark; a lone comma is decimal;
/// several points are grouping; a single point is decimal (the SQL form).
std::optional<QString> toPlainDecimal(const QString& text) {
    static const QRegularExpression kShape(QStringLiteral("^[+-]?[0-9.,]+$"));
    QString s = text.trimmed();
    s.remove(u' ');
    if (!kShape.match(s).hasMatch()) return std::nullopt;

    const qsizetype lastComma = s.lastIndexOf(u',');
    const qsizetype lastPoint = s.lastIndexOf(u'.');
    QChar decimalMark;
    if (lastComma >= 0 && lastPoint >= 0)
        decimalMark = lastComma > lastPoint ? u',' : u'.';
    else if (lastComma >= 0)
        decimalMark = u',';
    else if (s.count(u'.') == 1)
        decimalMark = u'.';
    const QChar grouping = decimalMark == u'.' ? u',' : u'.';

    const qsizetype markAt = decimalMark.isNull() ? -1 : s.lastIndexOf(decimalMark);
    const QString integral = markAt < 0 ? s : s.left(markAt);
    const QString fraction = markAt < 0 ? QString() : s.mid(markAt + 1);
    if (fraction.contains(u'.') || fraction.contains(u',')) return std::nullopt;
    if (integral.contains(decimalMark) && !decimalMark.isNull()) return std::nullopt;

    // Grouping separators must split the integral part into thousands.
    const QStringList groups = integral.split(grouping);
    for (qsizetype i = 1; i < groups.size(); ++i)
        if (groups.at(i).size() != 3) return std::nullopt;
    QString plain = groups.join(QString());
    if (!fraction.isEmpty()) plain += u'.' + fraction;
    return plain;
}

}  // namespace

Currency Currency::fromDouble(double value) {
    if (!std::isfinite(value)) return {};
    // Below 10^11 two amounts of four decimals are never the same double: when the nearest
    // amount of four decimals reads back as `value`, it is the shortest text's decimal too.
    if (std::fabs(value) < 1e11) {
        const double scaled = std::nearbyint(value * kScale);
        if (scaled / kScale == value) return fromRaw(static_cast<std::int64_t>(scaled));
    }
    // The shortest text that reads back as `value` is the decimal the caller meant,
    // so 0.1 + 0.2 gives 0.3 and 1.00005 rounds up as written.
    const QString text = QString::number(value, 'f', QLocale::FloatingPointShortest);
    const auto raw = rawFromPlainDecimal(text);
    if (raw) return fromRaw(*raw);
    return fromRaw(value < 0 ? std::numeric_limits<std::int64_t>::min()
                             : std::numeric_limits<std::int64_t>::max());
}

std::optional<Currency> Currency::parse(const QString& text) {
    const auto plain = toPlainDecimal(text);
    if (!plain) return std::nullopt;
    const auto raw = rawFromPlainDecimal(*plain);
    if (!raw) return std::nullopt;
    return fromRaw(*raw);
}

Currency Currency::fromVariant(const QVariant& value) {
    if (value.isNull() || !value.isValid()) return {};
    if (value.userType() == qMetaTypeId<Currency>()) return value.value<Currency>();
    switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::Short:
        case QMetaType::Bool:
            return fromUnits(value.toLongLong());
        case QMetaType::QString:
        case QMetaType::QByteArray:
            return parse(value.toString()).value_or(Currency{});
        default:
            return fromDouble(value.toDouble());
    }
}

QString Currency::toSqlText() const {
    const std::uint64_t magnitude =
        m_raw < 0 ? 0 - static_cast<std::uint64_t>(m_raw) : static_cast<std::uint64_t>(m_raw);
    const QString fraction = QString::number(magnitude % kScale).rightJustified(kDecimals, u'0');
    return QStringLiteral("%1%2.%3").arg(m_raw < 0 ? "-" : "").arg(magnitude / kScale).arg(fraction);
}

QString Currency::toItalian(int decimals) const {
    decimals = std::clamp(decimals, 0, kDecimals);
    std::uint64_t divisor = 1;
    for (int i = decimals; i < kDecimals; ++i) divisor *= 10;
    std::uint64_t magnitude =
        m_raw < 0 ? 0 - static_cast<std::uint64_t>(m_raw) : static_cast<std::uint64_t>(m_raw);
    magnitude = (magnitude + divisor / 2) / divisor;  // half away from zero
    std::uint64_t decimalScale = 1;
    for (int i = 0; i < decimals; ++i) decimalScale *= 10;

    const QLocale italian(QLocale::Italian);
    QString text = italian.toString(static_cast<qulonglong>(magnitude / decimalScale));
    if (decimals > 0)
        text +=
            italian.decimalPoint() + QString::number(magnitude % decimalScale).rightJustified(decimals, u'0');
    return (m_raw < 0 && magnitude != 0) ? u'-' + text : text;
}

namespace {
const bool kMetaTypeRegistered = [] {
    qRegisterMetaType<Currency>();
    QMetaType::registerConverter<Currency, double>(&Currency::toDouble);
    QMetaType::registerConverter<Currency, QString>(&Currency::toSqlText);
    return true;
}();
}  // namespace

}  // namespace tolmo
