#pragma once
// Exact money amount: a 64-bit count of ten-thousandths, as the firm's books keep it.

#include <QMetaType>
#include <QString>
#include <QVariant>
#include <compare>
#include <cstdint>
#include <optional>

namespace tolmo {

class Currency {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromRaw(std::int64_t raw) {
        Currency c;
        c.m_raw = raw;
        return c;
    }
    /// Rounds half away from zero to four decimals, so 0.1 + 0.2 reads as 0,3000.
    static Currency fromDouble(double value);
    static constexpr Currency fromUnits(std::int64_t units) { return fromRaw(units * kScale); }
    /// Parses "1.234,56" (Italian), "1234.56" (SQL/C) or "-0,5"; nullopt when not a number.
    static std::optional<Currency> parse(const QString& text);
    /// Converts what a database driver hands back (double, integer, numeric text, Currency).
    static Currency fromVariant(const QVariant& value);

    constexpr std::int64_t raw() const { return m_raw; }
    double toDouble() const { return static_cast<double>(m_raw) / kScale; }
    /// "1234.5600": the form an amount takes inside SQL text (decimal point, four decimals).
    QString toSqlText() const;
    /// "1.234,56" with the given number of decimals (Italian grouping and comma).
    QString toItalian(int decimals = 2) const;

    friend constexpr Currency operator+(Currency a, Currency b) { return fromRaw(a.m_raw + b.m_raw); }
    friend constexpr Currency operator-(Currency a, Currency b) { return fromRaw(a.m_raw - b.m_raw); }
    friend constexpr Currency operator-(Currency a) { return fromRaw(-a.m_raw); }
    /// Multiplication by a plain factor, rounded half away from zero to four decimals.
    friend Currency operator*(Currency a, double factor) { return fromDouble(a.toDouble() * factor); }
    friend constexpr auto operator<=>(Currency, Currency) = default;
    friend constexpr bool operator==(Currency, Currency) = default;

private:
    std::int64_t m_raw = 0;
};

}  // namespace tolmo

Q_DECLARE_METATYPE(tolmo::Currency)
